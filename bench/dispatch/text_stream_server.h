// SPDX-License-Identifier: MIT
// A local chat server for the dispatch benchmark: it listens on an
// ephemeral 127.0.0.1 port and, for each client it serves, answers the
// login request and then writes a run of text records as fast as the
// socket takes them.
#pragma once

#include <cstddef>
#include <string>
#include <thread>

typedef struct ssl_ctx_st SSL_CTX;

namespace quor::bench {

class TextStreamServer {
public:
    // Each served client receives `records` texts (id 2, format 0) from
    // "anna" to `recipient`, each carrying `textLength` characters; inside
    // TLS when tls is not null (the server does not own it).
    TextStreamServer(std::size_t records, std::string recipient, std::size_t textLength,
                     SSL_CTX *tls = nullptr);
    ~TextStreamServer();
    TextStreamServer(const TextStreamServer &) = delete;
    TextStreamServer &operator=(const TextStreamServer &) = delete;

    int port() const { return port_; }

    // Serves the next client on a thread of its own: reads its opening
    // request (id 1), answers it with acceptance (id 200), writes the texts
    // and closes. Call Finish before serving the next client.
    void ServeOneClient();
    // Waits for the client being served; false when the client did not log
    // on or not all texts could be written.
    bool Finish();

private:
    bool Serve();

    std::size_t records_;
    std::string recipient_;
    std::size_t textLength_;
    SSL_CTX *tls_;
    int port_ = 0; // before listenFd_, whose initialisation sets it
    int listenFd_ = -1;
    std::thread worker_;
    bool served_ = false;
};

} // namespace quor::bench
