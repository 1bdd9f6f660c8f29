// SPDX-License-Identifier: MIT
#include "KeychainPasswordStore.h"

#include <qt6keychain/keychain.h>

namespace hbquor::settings {

namespace {

const QString Service = QStringLiteral("hbquor");
/// Read to learn whether the store answers at all.
const QString ProbeKey = QStringLiteral("probe");

/// A job of the store that deletes itself when done; never the plain-file
/// fallback QtKeychain offers.
template <typename JobType> JobType *NewJob(const QString &key) {
    auto *job = new JobType(Service);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    return job;
}

} // namespace

void KeychainPasswordStore::Probe(std::function<void(const QString &problem)> done) {
    auto *job = NewJob<QKeychain::ReadPasswordJob>(ProbeKey);
    QObject::connect(job, &QKeychain::Job::finished, job, [done](QKeychain::Job *finished) {
        const bool answers = finished->error() == QKeychain::NoError ||
                             finished->error() == QKeychain::EntryNotFound;
        done(answers ? QString() : tr("No secret store answers: ") + finished->errorString());
    });
    job->start();
}

void KeychainPasswordStore::Read(const QString &key,
                                 std::function<void(const std::optional<QString> &password)> done) {
    auto *job = NewJob<QKeychain::ReadPasswordJob>(key);
    QObject::connect(job, &QKeychain::Job::finished, job, [done, job](QKeychain::Job *) {
        done(job->error() == QKeychain::NoError ? std::optional<QString>(job->textData())
                                                : std::nullopt);
    });
    job->start();
}

void KeychainPasswordStore::Write(const QString &key, const QString &password,
                                  std::function<void(const QString &problem)> done) {
    auto *job = NewJob<QKeychain::WritePasswordJob>(key);
    job->setTextData(password);
    QObject::connect(job, &QKeychain::Job::finished, job, [done](QKeychain::Job *finished) {
        done(finished->error() == QKeychain::NoError ? QString() : finished->errorString());
    });
    job->start();
}

void KeychainPasswordStore::Remove(const QString &key,
                                   std::function<void(const QString &problem)> done) {
    auto *job = NewJob<QKeychain::DeletePasswordJob>(key);
    QObject::connect(job, &QKeychain::Job::finished, job, [done](QKeychain::Job *finished) {
        const bool gone = finished->error() == QKeychain::NoError ||
                          finished->error() == QKeychain::EntryNotFound;
        done(gone ? QString() : finished->errorString());
    });
    job->start();
}

} // namespace hbquor::settings
