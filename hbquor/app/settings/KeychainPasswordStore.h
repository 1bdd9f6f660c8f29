// SPDX-License-Identifier: MIT
// KeychainPasswordStore: the passwords in the desktop's secret store
// through QtKeychain, under the service "hbquor". Nothing is ever written
// to a file in clear: without a secret service every call fails.
#pragma once

#include "PasswordStore.h"

#include <QCoreApplication>

namespace hbquor::settings {

class KeychainPasswordStore : public PasswordStore {
    Q_DECLARE_TR_FUNCTIONS(KeychainPasswordStore)

public:
    void Probe(std::function<void(const QString &problem)> done) override;
    void Read(const QString &key,
              std::function<void(const std::optional<QString> &password)> done) override;
    void Write(const QString &key, const QString &password,
               std::function<void(const QString &problem)> done) override;
    void Remove(const QString &key, std::function<void(const QString &problem)> done) override;
};

} // namespace hbquor::settings
