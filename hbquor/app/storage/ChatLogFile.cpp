// SPDX-License-Identifier: MIT
#include "ChatLogFile.h"

#include "DisplayText.h"
#include "PrivateFiles.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

ChatLogFile::~ChatLogFile() {
    Close();
}

bool ChatLogFile::Open(const QString &fileName, QString &error) {
    if (IsOpen())
        return true;
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return false;
    }
    KeepPrivate(fd);
    FFd = fd;
    return true;
}

bool ChatLogFile::WriteLine(const QString &text) {
    if (!IsOpen())
        return false;
    const QByteArray bytes = hbquor::FileLine(text).toUtf8() + QByteArrayLiteral("\r\n");
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(FFd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            FLastError = QString::fromLocal8Bit(std::strerror(written < 0 ? errno : ENOSPC));
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

void ChatLogFile::Close() {
    if (!IsOpen())
        return;
    ::flock(FFd, LOCK_UN);
    ::close(FFd);
    FFd = -1;
}
