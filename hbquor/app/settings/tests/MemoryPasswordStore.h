// SPDX-License-Identifier: MIT
// A password store in memory for the tests that must not reach the desktop's
// secret store: it answers on the next turn of the event loop, as the real
// one does, and can play a store that cannot be used.
#pragma once

#include "PasswordStore.h"

#include <QMap>
#include <QTimer>

class MemoryPasswordStore : public hbquor::settings::PasswordStore {
public:
    /// What Probe answers: empty for a usable store.
    QString Problem;
    /// What Write answers: empty when it keeps the password.
    QString WriteProblem;
    QMap<QString, QString> Kept;

    void Probe(std::function<void(const QString &problem)> done) override {
        Later([this, done] { done(Problem); });
    }
    void Read(const QString &key,
              std::function<void(const std::optional<QString> &password)> done) override {
        Later([this, key, done] {
            done(Kept.contains(key) ? std::optional<QString>(Kept.value(key)) : std::nullopt);
        });
    }
    void Write(const QString &key, const QString &password,
               std::function<void(const QString &problem)> done) override {
        if (WriteProblem.isEmpty())
            Kept.insert(key, password);
        Later([this, done] { done(WriteProblem); });
    }
    void Remove(const QString &key, std::function<void(const QString &problem)> done) override {
        Kept.remove(key);
        Later([done] { done({}); });
    }

private:
    static void Later(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }
};
