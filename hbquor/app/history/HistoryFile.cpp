// SPDX-License-Identifier: MIT
#include "HistoryFile.h"

#include "HistorySchema.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hbquor::history {

namespace {

constexpr mode_t PrivateMode = S_IRUSR | S_IWUSR;

QString SystemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Creates the file when missing and makes it readable by its owner only,
// whatever the umask. SQLite gives its -wal and -shm the file's mode.
void MakePrivate(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, PrivateMode);
    if (fd < 0)
        throw SqliteError(SQLITE_CANTOPEN, SystemReason().toStdString());
    ::fchmod(fd, PrivateMode);
    ::close(fd);
    for (const char *suffix : {"-wal", "-shm"})
        ::chmod((name + suffix).constData(), PrivateMode);
}

// Reading the newest id also reads the lines' table: damage there shows.
OpenedFile OpenAndPrepare(const QString &path) {
    MakePrivate(path);
    OpenedFile file{Connection(path), {}, 0};
    PrepareSchema(file.Db);
    file.LastId =
        file.Db.Number("SELECT max(coalesce((SELECT max(id) FROM lines), 0), "
                       "coalesce((SELECT seq FROM sqlite_sequence WHERE name = 'lines'), 0))");
    return file;
}

QString FileName(const QString &path) {
    return QFileInfo(path).fileName();
}

// "<path>.damaged-2024-03-05-143005", numbered if that exists already.
QString AsideName(const QString &path) {
    const QString base = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo::exists(name + QStringLiteral("-wal"));
         ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
}

QString NoHistory(const QString &what) {
    return QCoreApplication::translate("HistoryFile", "History: %1; no history is kept this run")
        .arg(what);
}

} // namespace

bool IsDamage(int code) {
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

OpenedFile OpenForWriting(const QString &path) {
    try {
        return OpenAndPrepare(path);
    } catch (const NewerFile &) {
        return {{},
                NoHistory(QCoreApplication::translate(
                              "HistoryFile", "%1 was written by a newer version of the program")
                              .arg(path))};
    } catch (const ForeignFile &) {
        return ReplaceDamaged(path);
    } catch (const SqliteError &error) {
        // An existing file that cannot be opened (a folder, say) is no
        // better than a damaged one.
        const bool unusable = IsDamage(error.Code()) || error.Code() == SQLITE_CANTOPEN;
        if (unusable && QFileInfo::exists(path))
            return ReplaceDamaged(path);
        return {{},
                NoHistory(QCoreApplication::translate("HistoryFile", "%1 cannot be opened (%2)")
                              .arg(path, QString::fromUtf8(error.what())))};
    }
}

OpenedFile ReplaceDamaged(const QString &path) {
    const QString aside = AsideName(path);
    if (!QFile::rename(path, aside))
        return {{},
                NoHistory(QCoreApplication::translate("HistoryFile",
                                                      "%1 is damaged and cannot be moved aside")
                              .arg(path))};
    // The log may hold what the file lacks: it goes with it. The shared
    // memory index is rebuilt from them.
    const QString wal = path + QStringLiteral("-wal");
    if (QFileInfo(wal).size() > 0)
        QFile::rename(wal, aside + QStringLiteral("-wal"));
    QFile::remove(wal);
    QFile::remove(path + QStringLiteral("-shm"));
    try {
        OpenedFile fresh = OpenAndPrepare(path);
        fresh.Fault =
            QCoreApplication::translate(
                "HistoryFile", "History: %1 was damaged; it was moved to %2 and a fresh one "
                               "started")
                .arg(FileName(path), FileName(aside));
        return fresh;
    } catch (const std::exception &error) {
        return {{},
                NoHistory(QCoreApplication::translate(
                              "HistoryFile", "%1 was damaged and no fresh one can be started (%2)")
                              .arg(path, QString::fromUtf8(error.what())))};
    } catch (...) {
        return {{},
                NoHistory(QCoreApplication::translate(
                              "HistoryFile", "%1 was damaged and no fresh one can be started")
                              .arg(path))};
    }
}

Connection OpenExisting(const QString &path, Access access) {
    Connection db(path);
    PrepareReader(db, access == Access::Query);
    return db;
}

WriterLock::WriterLock(const QString &path) {
    const QByteArray name = QFile::encodeName(path + QStringLiteral(".lock"));
    FFd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, PrivateMode);
    if (FFd < 0) {
        FReason = SystemReason();
        return;
    }
    if (::flock(FFd, LOCK_EX | LOCK_NB) == 0) {
        FState = State::Held;
        return;
    }
    FState = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Failed;
    FReason = SystemReason();
    ::close(FFd);
    FFd = -1;
}

WriterLock::~WriterLock() {
    if (FFd >= 0)
        ::close(FFd);
}

} // namespace hbquor::history
