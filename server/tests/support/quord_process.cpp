// SPDX-License-Identifier: MIT
#include "quord_process.h"

#include "account_store.h"
#include "child_process.h"
#include "passwords.h"
#include "quor.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace quord::testing {

QuordProcess::QuordProcess() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quord-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        dataDir_ = pattern;
    }
}

QuordProcess::~QuordProcess() {
    Stop();
    std::error_code ec;
    std::filesystem::remove_all(dataDir_, ec);
}

void QuordProcess::AddAccount(const std::string &name, const std::string &password,
                              const std::string &email, int userType) {
    AccountStore store(dataDir_ + "/quord.db");
    Account account;
    account.name = name;
    account.passwordHash = HashPassword(password, kCheapHashCost);
    account.email = email;
    account.userType = userType;
    account.created = std::time(nullptr);
    store.Add(account);
}

std::string QuordProcess::StoredHash(const std::string &name) const {
    AccountStore store(dataDir_ + "/quord.db");
    const std::optional<Account> account = store.Find(name);
    return account ? account->passwordHash : "";
}

bool QuordProcess::Start(const std::vector<std::string> &extraArguments) {
    extraArguments_ = extraArguments;
    return Launch(0);
}

bool QuordProcess::Restart() {
    const int port = port_;
    Stop();
    return Launch(port);
}

bool QuordProcess::Launch(int port) {
    const std::string logPath = dataDir_ + "/quord.log";
    const std::size_t logStart = Log().size();
    std::vector<std::string> arguments = {QUORD_PATH,
                                          "--listen",
                                          "127.0.0.1",
                                          "--port",
                                          std::to_string(port),
                                          "--data",
                                          dataDir_,
                                          "--hash-passes",
                                          std::to_string(kCheapHashCost.passes),
                                          "--hash-memory",
                                          std::to_string(kCheapHashCost.memoryBytes / 1024)};
    arguments.insert(arguments.end(), extraArguments_.begin(), extraArguments_.end());
    pid_ = StartLogged(arguments, logPath);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    const std::string marker = "listening on 127.0.0.1:";
    while (std::chrono::steady_clock::now() < deadline) {
        const std::string log = Log();
        const std::size_t at = log.find(marker, logStart);
        if (at != std::string::npos) {
            port_ = std::atoi(log.c_str() + at + marker.size());
            return port_ > 0;
        }
        if (Ended(pid_)) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

int QuordProcess::Stop() {
    return StopChild(pid_);
}

void QuordProcess::UseForLibrary() const {
    quor_setserver("127.0.0.1", port_);
}

std::string QuordProcess::Log() const {
    return ReadFile(dataDir_ + "/quord.log");
}

std::vector<std::string> QuordProcess::Mails() const {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(dataDir_ + "/outbox", ec)) {
        files.push_back(entry.path());
    }
    // File names start with the time and a sequence number; the
    // modification time orders mails written within one second.
    std::sort(files.begin(), files.end(), [](const auto &a, const auto &b) {
        return std::filesystem::last_write_time(a) < std::filesystem::last_write_time(b);
    });
    std::vector<std::string> mails;
    for (const auto &file : files) {
        mails.push_back(ReadFile(file.string()));
    }
    return mails;
}

std::string QuordProcess::MailedPassword(const std::string &address) const {
    const std::string marker = "your password for the chat service is: ";
    std::string password;
    for (const std::string &mail : Mails()) {
        if (mail.rfind("To: " + address + "\n", 0) != 0) {
            continue;
        }
        const std::size_t at = mail.find(marker);
        if (at != std::string::npos) {
            password = mail.substr(at + marker.size(), mail.find('\n', at) - at - marker.size());
        }
    }
    return password;
}

} // namespace quord::testing
