// SPDX-License-Identifier: MIT
// PasswordStore: where remembered passwords are kept, outside every file of
// the program: the desktop's secret store (KeychainPasswordStore), or
// whatever a test puts in its place. Every call answers later, through its
// callback, on the caller's thread; none blocks.
#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace hbquor::settings {

class PasswordStore {
public:
    virtual ~PasswordStore() = default;

    /// Whether the store can be used: answers an empty text, or why not.
    virtual void Probe(std::function<void(const QString &problem)> done) = 0;
    /// The password kept under key, if any.
    virtual void Read(const QString &key,
                      std::function<void(const std::optional<QString> &password)> done) = 0;
    /// Keeps password under key; done answers an empty text, or why it
    /// was not kept.
    virtual void Write(const QString &key, const QString &password,
                       std::function<void(const QString &problem)> done) = 0;
    /// Forgets the password under key; done answers an empty text when none
    /// is kept now, or why one still is.
    virtual void Remove(const QString &key, std::function<void(const QString &problem)> done) = 0;
};

/// The keys the program keeps passwords under: the account's by server and
/// user name, the proxy's by the proxy's address and user name.
QString AccountPasswordKey(const QString &server, const QString &user);
QString ProxyPasswordKey(const QString &proxy, const QString &user);

} // namespace hbquor::settings
