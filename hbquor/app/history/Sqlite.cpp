// SPDX-License-Identifier: MIT
#include "Sqlite.h"

#include <sqlite3.h>

#include <cerrno>
#include <utility>

namespace hbquor::history {

SqliteError::SqliteError(int code, const std::string &what, int systemError)
    : std::runtime_error(what), FCode(code & 0xff), FSystemError(systemError) {}

bool SqliteError::IsFull() const {
    // A write the disk or the size limit refused part of is SQLITE_FULL; one
    // it refused entirely is an I/O error with the system's reason.
    return FCode == SQLITE_FULL ||
           (FCode == SQLITE_IOERR &&
            (FSystemError == ENOSPC || FSystemError == EFBIG || FSystemError == EDQUOT));
}

namespace {

int WaitWhileBusy(void *context, int attempt) {
    constexpr int StepMs = 10;
    const auto &wait = *static_cast<const BusyWait *>(context);
    const bool ending = wait.Ending != nullptr && wait.Ending->load();
    if (attempt * StepMs >= (ending ? wait.EndingLimitMs : wait.LimitMs))
        return 0;
    sqlite3_sleep(StepMs);
    return 1;
}

} // namespace

void SetBusyWait(sqlite3 *db, const BusyWait &wait) {
    sqlite3_busy_handler(db, WaitWhileBusy, const_cast<BusyWait *>(&wait));
}

void Check(sqlite3 *db, int code, std::string_view what) {
    if (code == SQLITE_OK)
        return;
    // SQLite keeps the system's reason for some calls only; otherwise errno
    // still holds that of the write that failed.
    const int systemError =
        db != nullptr && sqlite3_system_errno(db) != 0 ? sqlite3_system_errno(db) : errno;
    const char *reason = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    throw SqliteError(code, std::string(what) + ": " + reason, systemError);
}

Connection::Connection(const QString &path) {
    const QByteArray name = path.toUtf8();
    const int code = sqlite3_open_v2(name.constData(), &FDb, SQLITE_OPEN_READWRITE, nullptr);
    if (code != SQLITE_OK) {
        const std::string reason = FDb != nullptr ? sqlite3_errmsg(FDb) : sqlite3_errstr(code);
        sqlite3_close(FDb);
        FDb = nullptr;
        throw SqliteError(code, reason);
    }
    sqlite3_extended_result_codes(FDb, 1);
}

Connection::~Connection() {
    sqlite3_close(FDb);
}

Connection::Connection(Connection &&other) noexcept : FDb(std::exchange(other.FDb, nullptr)) {}

Connection &Connection::operator=(Connection &&other) noexcept {
    if (this != &other) {
        sqlite3_close(FDb);
        FDb = std::exchange(other.FDb, nullptr);
    }
    return *this;
}

void Connection::Execute(const char *sql) {
    Check(FDb, sqlite3_exec(FDb, sql, nullptr, nullptr, nullptr), sql);
}

std::int64_t Connection::Number(const char *sql) {
    Statement statement(*this, sql);
    return statement.Step() ? statement.Int(0) : 0;
}

QString Connection::Word(const char *sql) {
    Statement statement(*this, sql);
    return statement.Step() ? statement.Text(0) : QString();
}

Statement::Statement(const Connection &connection, std::string_view sql)
    : FDb(connection.Handle()) {
    Check(FDb,
          sqlite3_prepare_v2(FDb, sql.data(), static_cast<int>(sql.size()), &FStatement, nullptr),
          "prepare");
}

Statement::~Statement() {
    sqlite3_finalize(FStatement);
}

Statement &Statement::Bind(std::int64_t value) {
    Check(FDb, sqlite3_bind_int64(FStatement, FNextParameter++, value), "bind");
    return *this;
}

Statement &Statement::Bind(std::string_view value) {
    Check(FDb,
          sqlite3_bind_text(FStatement, FNextParameter++, value.data(),
                            static_cast<int>(value.size()), SQLITE_TRANSIENT),
          "bind");
    return *this;
}

Statement &Statement::Bind(const QString &value) {
    const QByteArray bytes = value.toUtf8();
    return Bind(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool Statement::Step() {
    const int code = sqlite3_step(FStatement);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    // The statement's own code; sqlite3_reset hands it back in full.
    const int failure = sqlite3_reset(FStatement);
    Check(FDb, failure != SQLITE_OK ? failure : code, "step");
    return false;
}

void Statement::Run() {
    while (Step()) {
    }
}

Statement &Statement::Reset() {
    sqlite3_reset(FStatement);
    sqlite3_clear_bindings(FStatement);
    FNextParameter = 1;
    return *this;
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(FStatement, column);
}

QString Statement::Text(int column) const {
    const std::string_view bytes = Bytes(column);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string_view Statement::Bytes(int column) const {
    const auto *text = static_cast<const char *>(sqlite3_column_blob(FStatement, column));
    const int size = sqlite3_column_bytes(FStatement, column);
    return text == nullptr ? std::string_view() : std::string_view(text, std::size_t(size));
}

} // namespace hbquor::history
