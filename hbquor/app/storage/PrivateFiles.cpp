// SPDX-License-Identifier: MIT
#include "PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t GroupAndOthers = S_IRWXG | S_IRWXO;

bool WriteAll(int fd, const QByteArray &bytes) {
    QFile file;
    return file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle) &&
           file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

bool SavePrivateFile(const QString &fileName, const QByteArray &bytes) {
    const QFileInfo info(fileName);
    const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : fileName;
    const QFileInfo targetInfo(target);
    // mkostemp makes the file 0600 whatever the umask.
    QByteArray temporary = QFile::encodeName(
        targetInfo.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(targetInfo.fileName())));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed ||
        ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

void KeepPrivate(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) == 0 && (status.st_mode & GroupAndOthers) != 0 &&
        status.st_uid == ::geteuid())
        ::fchmod(fd, status.st_mode & ~GroupAndOthers & 07777);
}

bool MakePrivateFolder(const QString &folder) {
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    if (QFileInfo(path).isDir())
        return true;
    const QString parent = QFileInfo(path).path();
    if (parent != path && !MakePrivateFolder(parent))
        return false;
    // Another process may have made it meanwhile; what counts is that it is there.
    ::mkdir(QFile::encodeName(path).constData(), S_IRWXU);
    return QFileInfo(path).isDir();
}
