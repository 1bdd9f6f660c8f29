// SPDX-License-Identifier: MIT
// The least a server can do for two chat clients: accept both logins and
// pass every record one sends on to the other, unchanged. The round-trip
// benchmark measures quord against it.
#pragma once

#include <atomic>
#include <thread>

typedef struct ssl_ctx_st SSL_CTX;

namespace quor::bench {

class RecordRelay {
public:
    // Listens on an ephemeral 127.0.0.1 port and serves two clients on a
    // thread of its own, inside TLS when tls is not null (not owned).
    explicit RecordRelay(SSL_CTX *tls);
    // Stops serving and waits for the thread.
    ~RecordRelay();
    RecordRelay(const RecordRelay &) = delete;
    RecordRelay &operator=(const RecordRelay &) = delete;

    int port() const { return port_; }

private:
    void Serve();

    SSL_CTX *tls_;
    int port_ = 0; // before listenFd_, whose initialisation sets it
    int listenFd_ = -1;
    std::atomic<bool> stop_{false};
    std::thread worker_;
};

} // namespace quor::bench
