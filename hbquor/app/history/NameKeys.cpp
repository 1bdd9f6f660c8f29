// SPDX-License-Identifier: MIT
#include "NameKeys.h"

#include "NameText.h"
#include "quor_names/names.h"

namespace hbquor::history {

std::string NameKey(const QString &name) {
    const QByteArray bytes = TrimBlanks(name).toUtf8();
    return quor::FoldedName({bytes.constData(), std::size_t(bytes.size())});
}

std::string ServerKey(const QString &server) {
    // Host names ignore case entirely, not only that of A to Z.
    return server.trimmed().toLower().toStdString();
}

ConversationKey KeyOf(const Account &account, const QString &peer) {
    return {ServerKey(account.Server), NameKey(account.User), NameKey(peer)};
}

} // namespace hbquor::history
