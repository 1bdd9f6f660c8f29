// SPDX-License-Identifier: MIT
#include "scripted_server.h"

#include "test_certificate.h"

#include "quor_wire/protocol_ids.h"

#include "quor.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace quor::testing {

int UnusedLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ::bind(fd, reinterpret_cast<sockaddr *>(&addr), len);
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len);
    ::close(fd);
    return ntohs(addr.sin_port);
}

QuorMessage MakeRecord(std::int32_t id, std::string_view sender, std::string_view recipient,
                       std::string_view signature, const std::vector<FieldValue> &values) {
    QuorMessage m;
    m.setSender(sender);
    m.setRecipient(recipient);
    PackFields(m, id, 1, signature, values);
    return m;
}

QuorMessage MakeText(std::string_view sender, std::string_view recipient, std::string_view text) {
    QuorMessage m;
    m.setId(wire::kText);
    m.setSender(sender);
    m.setRecipient(recipient);
    m.setRawText(text);
    return m;
}

std::vector<QuorMessage> MakeList(std::int32_t id, const std::vector<std::string> &items) {
    ListBuilder builder(id, "");
    for (const std::string &item : items) {
        builder.add(item);
    }
    return builder.finish();
}

std::vector<QuorMessage> NumberedTexts(int count, std::string_view recipient) {
    std::vector<QuorMessage> texts;
    for (int i = 0; i < count; ++i) {
        texts.push_back(MakeText("anna", recipient, std::to_string(i)));
    }
    return texts;
}

std::vector<std::uint8_t> Joined(const std::vector<QuorMessage> &records) {
    std::vector<std::uint8_t> bytes;
    for (const QuorMessage &m : records) {
        bytes.insert(bytes.end(), m.bytes.begin(), m.bytes.end());
    }
    return bytes;
}

struct ScriptedServer::Client {
    int fd = -1;
    SSL *ssl = nullptr; // TLS clients only
    // Bytes received (decrypted, for TLS) that the script has not read.
    std::vector<std::uint8_t> inbound;
    bool ended = false;       // the client closed, or its connection broke
    bool saidGoodbye = false; // a TLS client's close_notify arrived
    bool tlsFailed = false;
};

namespace {

// Sends everything, pumping the library while the socket is full. False
// when the connection is gone.
bool SendAll(int fd, const std::uint8_t *p, std::size_t n) {
    while (n > 0) {
        const ssize_t sent = ::send(fd, p, n, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EAGAIN || errno == EINTR) {
                quor_pump(1);
                continue;
            }
            return false;
        }
        p += sent;
        n -= static_cast<std::size_t>(sent);
    }
    return true;
}

} // namespace

int ListenOnLoopback(int socketFlags, int &port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | socketFlags, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&addr), len) != 0 ||
        ::listen(fd, 64) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port = ntohs(addr.sin_port);
    return fd;
}

ScriptedServer::ScriptedServer()
    : listenFd_(ListenOnLoopback(SOCK_NONBLOCK | SOCK_CLOEXEC, port_)) {}

ScriptedServer::~ScriptedServer() {
    for (auto &client : clients_) {
        Forget(*client);
    }
    SSL_CTX_free(tls_);
    ::close(listenFd_);
}

void ScriptedServer::UseForLibrary() const {
    quor_setserver("127.0.0.1", port_);
}

void ScriptedServer::UseTls(const TestCertificate &certificate) {
    SSL_CTX_free(tls_);
    tls_ = certificate.NewServerContext();
}

void ScriptedServer::LimitReceiveBuffers() {
    // Set before the connection opens, so that the window offered is small
    // from the start (accepted sockets inherit it).
    const int bytes = 4096;
    setsockopt(listenFd_, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
}

ScriptedServer::Client &ScriptedServer::clientAt(int client) const {
    return *clients_.at(client < 0 ? clients_.size() - 1 : static_cast<std::size_t>(client));
}

void ScriptedServer::Forget(Client &client) {
    SSL_free(client.ssl);
    client.ssl = nullptr;
    if (client.fd >= 0) {
        ::close(client.fd);
        client.fd = -1;
    }
}

int ScriptedServer::AcceptTcp(int timeoutMs) {
    int fd = -1;
    PumpUntil(
        [&] {
            fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            return fd >= 0;
        },
        timeoutMs);
    if (fd < 0) {
        return -1;
    }
    clients_.push_back(std::make_unique<Client>());
    clients_.back()->fd = fd;
    return static_cast<int>(clients_.size()) - 1;
}

int ScriptedServer::Accept(int timeoutMs) {
    const int index = AcceptTcp(timeoutMs);
    if (index < 0 || tls_ == nullptr) {
        return index;
    }
    Client &client = *clients_[index];
    client.ssl = SSL_new(tls_);
    BIO *in = BIO_new(BIO_s_mem());
    BIO_set_mem_eof_return(in, -1); // empty means "more to come", not the end
    SSL_set_bio(client.ssl, in, BIO_new(BIO_s_mem()));
    SSL_set_accept_state(client.ssl);
    PumpUntil(
        [&] {
            Pull(client);
            return SSL_is_init_finished(client.ssl) || client.tlsFailed || client.ended;
        },
        timeoutMs);
    if (!SSL_is_init_finished(client.ssl)) {
        Forget(client); // a server hangs up on a failed handshake
        return -1;
    }
    return index;
}

void ScriptedServer::Pull(Client &client) {
    std::uint8_t chunk[16384];
    while (client.fd >= 0 && !client.ended) {
        const ssize_t n = ::recv(client.fd, chunk, sizeof chunk, 0);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            break;
        }
        if (n <= 0) {
            client.ended = true;
            if (client.ssl != nullptr) {
                BIO_set_mem_eof_return(SSL_get_rbio(client.ssl), 0);
            }
            break;
        }
        if (client.ssl != nullptr) {
            BIO_write(SSL_get_rbio(client.ssl), chunk, static_cast<int>(n));
        } else {
            client.inbound.insert(client.inbound.end(), chunk, chunk + n);
        }
    }
    if (client.ssl == nullptr || client.tlsFailed) {
        return;
    }
    if (!SSL_is_init_finished(client.ssl)) {
        const int result = SSL_do_handshake(client.ssl);
        const int error = SSL_get_error(client.ssl, result);
        client.tlsFailed = result != 1 && error != SSL_ERROR_WANT_READ;
    }
    std::size_t n = 0;
    while (SSL_is_init_finished(client.ssl) && SSL_read_ex(client.ssl, chunk, sizeof chunk, &n)) {
        client.inbound.insert(client.inbound.end(), chunk, chunk + n);
    }
    client.saidGoodbye = (SSL_get_shutdown(client.ssl) & SSL_RECEIVED_SHUTDOWN) != 0;
    ERR_clear_error();
    FlushTls(client, false);
}

void ScriptedServer::FlushTls(Client &client, bool required) {
    BIO *out = SSL_get_wbio(client.ssl);
    std::uint8_t chunk[16384];
    int n = 0;
    while ((n = BIO_read(out, chunk, sizeof chunk)) > 0) {
        if (!SendAll(client.fd, chunk, static_cast<std::size_t>(n)) && required) {
            throw std::runtime_error("scripted server: send failed");
        }
    }
}

void ScriptedServer::Send(const QuorMessage &record, int client) {
    SendRaw(record.bytes.data(), record.bytes.size(), client);
}

bool ScriptedServer::TrySendRaw(const void *data, std::size_t n, int client) {
    return SendAll(clientAt(client).fd, static_cast<const std::uint8_t *>(data), n);
}

void ScriptedServer::SendRaw(const void *data, std::size_t n, int client) {
    Client &c = clientAt(client);
    const auto *p = static_cast<const std::uint8_t *>(data);
    if (c.ssl == nullptr) {
        if (!TrySendRaw(p, n, client)) {
            throw std::runtime_error("scripted server: send failed");
        }
        return;
    }
    std::size_t written = 0;
    if (SSL_write_ex(c.ssl, p, n, &written) != 1 || written != n) {
        throw std::runtime_error("scripted server: TLS write failed");
    }
    FlushTls(c, true);
}

std::optional<QuorMessage> ScriptedServer::Read(int timeoutMs, int client) {
    Client &c = clientAt(client);
    const bool complete = PumpUntil(
        [&] {
            Pull(c);
            return c.inbound.size() >= kRecordSize;
        },
        timeoutMs);
    if (!complete) {
        return std::nullopt;
    }
    QuorMessage m;
    std::copy(c.inbound.begin(), c.inbound.begin() + kRecordSize, m.bytes.begin());
    c.inbound.erase(c.inbound.begin(), c.inbound.begin() + kRecordSize);
    return m;
}

std::string ScriptedServer::ReadBytes(std::size_t n, int timeoutMs, int client) {
    Client &c = clientAt(client);
    if (!PumpUntil(
            [&] {
                Pull(c);
                return c.inbound.size() >= n;
            },
            timeoutMs)) {
        return {};
    }
    const auto end = c.inbound.begin() + static_cast<std::ptrdiff_t>(n);
    std::string bytes(c.inbound.begin(), end);
    c.inbound.erase(c.inbound.begin(), end);
    return bytes;
}

std::string ScriptedServer::ReadHeaders(int timeoutMs, int client) {
    Client &c = clientAt(client);
    static constexpr std::string_view kEnd = "\r\n\r\n";
    auto end = c.inbound.end();
    PumpUntil(
        [&] {
            Pull(c);
            end = std::search(c.inbound.begin(), c.inbound.end(), kEnd.begin(), kEnd.end());
            return end != c.inbound.end();
        },
        timeoutMs);
    if (end == c.inbound.end()) {
        return {};
    }
    return ReadBytes(static_cast<std::size_t>(end - c.inbound.begin()) + kEnd.size(), 0, client);
}

bool ScriptedServer::Silent(int ms, int client) {
    Client &c = clientAt(client);
    PumpUntil(
        [&] {
            Pull(c);
            return !c.inbound.empty();
        },
        ms);
    return c.inbound.empty();
}

bool ScriptedServer::ClientClosed(int timeoutMs, int client) {
    Client &c = clientAt(client);
    return PumpUntil(
        [&] {
            Pull(c);
            return c.ended;
        },
        timeoutMs);
}

bool ScriptedServer::ClientSaidGoodbye(int client) const {
    return clientAt(client).saidGoodbye;
}

std::string ScriptedServer::ServerNameAskedFor(int client) const {
    const Client &c = clientAt(client);
    const char *name =
        c.ssl != nullptr ? SSL_get_servername(c.ssl, TLSEXT_NAMETYPE_host_name) : nullptr;
    return name != nullptr ? name : "";
}

void ScriptedServer::Close(int client, bool notify) {
    Client &c = clientAt(client);
    if (c.ssl != nullptr && c.fd >= 0 && notify) {
        SSL_shutdown(c.ssl);
        ERR_clear_error();
        FlushTls(c, false);
    }
    Forget(c);
}

void ScriptedServer::Reset(int client) {
    Client &c = clientAt(client);
    linger hard{1, 0};
    setsockopt(c.fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    Forget(c);
}

std::optional<QuorMessage> ScriptedServer::AcceptOpening(std::int32_t replyId, int timeoutMs) {
    if (Accept(timeoutMs) < 0) {
        return std::nullopt;
    }
    auto opening = Read(timeoutMs);
    if (opening && replyId != 0) {
        Send(MakeRecord(replyId, "$server", ""));
    }
    return opening;
}

} // namespace quor::testing
