#include "NameKeys.h"

#include "quor_names/names.h"

namespace hbquor::history {

namespace {

std::string_view View(const QByteArray &bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

QString NameText(const QString &name) {
    const QByteArray bytes = name.toUtf8();
    const std::string_view trimmed = quor::TrimName(View(bytes));
    return QString::fromUtf8(trimmed.data(), qsizetype(trimmed.size()));
}

std::string NameKey(const QString &name) {
    const QByteArray bytes = name.toUtf8();
    return quor::FoldedName(quor::TrimName(View(bytes)));
}

std::string ServerKey(const QString &server) {
    // Host names ignore case entirely, not only that of A to Z.
    return server.trimmed().toLower().toStdString();
}

ConversationKey KeyOf(const Account &account, const QString &peer) {
    return {ServerKey(account.Server), NameKey(account.User), NameKey(peer)};
}

} // namespace hbquor::history
