// SPDX-License-Identifier: MIT
// Runs the real quord binary as a child process for a test: a temporary
// data folder, an ephemeral port on 127.0.0.1 read back from the log, and
// accounts seeded straight into the database with known passwords. Hashes
// are made at the cheapest cost, and the server is told to use it too, so
// that tests do not wait for hashing; a test of the real cost passes the
// --hash-* options again among its own.
#pragma once

#include "passwords.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace quord::testing {

class QuordProcess {
public:
    QuordProcess();
    // Stops the server if it runs and removes the data folder.
    ~QuordProcess();
    QuordProcess(const QuordProcess &) = delete;
    QuordProcess &operator=(const QuordProcess &) = delete;

    // Adds an account to the database (also while the server runs).
    void AddAccount(const std::string &name, const std::string &password,
                    const std::string &email = "someone@example.org", int userType = 0);
    // The password hash stored for the account; empty when there is none.
    std::string StoredHash(const std::string &name) const;

    // Starts quord on a free port; returns false when it did not report
    // listening within a few seconds.
    bool Start(const std::vector<std::string> &extraArguments = {});
    // SIGTERM and wait; returns the exit status, or -1 when it was killed.
    int Stop();
    // Stops the server and starts it again on the same port, data folder
    // and arguments, as a server restart looks to its clients; false when
    // it did not report listening again.
    bool Restart();

    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    int port() const { return port_; }
    const std::string &dataDir() const { return dataDir_; }
    // Points the library's later connect requests at this server.
    void UseForLibrary() const;

    // The server's log so far.
    std::string Log() const;
    // The mails in the outbox, oldest first.
    std::vector<std::string> Mails() const;
    // The password in the newest mail to the address; empty if none.
    std::string MailedPassword(const std::string &address) const;

private:
    // Starts quord on port (0 for a free one) with the arguments given.
    bool Launch(int port);

    std::vector<std::string> extraArguments_;
    std::string dataDir_;
    pid_t pid_ = -1;
    int port_ = 0;
};

} // namespace quord::testing
