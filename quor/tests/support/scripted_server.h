// SPDX-License-Identifier: MIT
// A scripted chat server on an ephemeral 127.0.0.1 port for tests of the
// library and of its callers. It runs on the test's own thread: every wait
// pumps the library (quor_pump) between attempts, so client and server make
// progress together without threads. In TLS mode the same script runs
// inside TLS; each send is one TLS record.
#pragma once

#include "pump_until.h"
#include "quor_wire/record.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

typedef struct ssl_ctx_st SSL_CTX;

namespace quor::testing {

// A loopback port on which nothing listens.
int UnusedLoopbackPort();
// A socket (made with socketFlags beside SOCK_STREAM) listening on an
// ephemeral 127.0.0.1 port, which it writes to port. Throws
// std::runtime_error when it cannot listen.
int ListenOnLoopback(int socketFlags, int &port);

// Builds a record the way a server would: id, format 1, names and fields.
QuorMessage MakeRecord(std::int32_t id, std::string_view sender, std::string_view recipient,
                       std::string_view signature = "", const std::vector<FieldValue> &values = {});
// A text record (id 2, format 0) with the raw text at data offset 0.
QuorMessage MakeText(std::string_view sender, std::string_view recipient, std::string_view text);
// The parts of a multi-part list with the given items.
std::vector<QuorMessage> MakeList(std::int32_t id, const std::vector<std::string> &items);
// Texts "0", "1", ... from anna to the recipient.
std::vector<QuorMessage> NumberedTexts(int count, std::string_view recipient = "me");
// The records' bytes one after the other, as a server sends them.
std::vector<std::uint8_t> Joined(const std::vector<QuorMessage> &records);

class TestCertificate;

class ScriptedServer {
public:
    ScriptedServer();
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer &) = delete;
    ScriptedServer &operator=(const ScriptedServer &) = delete;

    int port() const { return port_; }
    // Points the library's later connect requests at this server.
    void UseForLibrary() const;
    // Clients accepted from now on speak TLS, presenting this certificate.
    void UseTls(const TestCertificate &certificate);
    // Clients accepted from now on get a receive buffer of a few KiB, so
    // that their sends soon fill the socket when the server does not read.
    void LimitReceiveBuffers();

    // Accepts the next client while pumping the library, in TLS mode also
    // completing the handshake; returns its index, or -1 on time-out or a
    // failed handshake (after which the server has closed the client).
    int Accept(int timeoutMs = 3000);
    // Accepts the next client's TCP connection only, even in TLS mode: its
    // bytes are read as they come (a handshake that never gets an answer).
    int AcceptTcp(int timeoutMs = 3000);
    std::size_t clientCount() const { return clients_.size(); }

    // The client argument defaults to the one accepted last.
    void Send(const QuorMessage &record, int client = -1);
    // Sends the bytes in one write (in TLS mode: one TLS record, up to 16 KiB).
    void SendRaw(const void *data, std::size_t n, int client = -1);
    // Sends plain bytes, pumping the library while the socket is full; false
    // when the client hung up before it had taken them all.
    bool TrySendRaw(const void *data, std::size_t n, int client = -1);
    // Reads one whole record from the client while pumping the library.
    std::optional<QuorMessage> Read(int timeoutMs = 3000, int client = -1);
    // Reads exactly n bytes from the client while pumping the library; empty
    // when they did not all come in time.
    std::string ReadBytes(std::size_t n, int timeoutMs = 3000, int client = -1);
    // Reads up to and with the first blank line ("\r\n\r\n"), as a proxy
    // reads a request's headers; empty when it did not come in time.
    std::string ReadHeaders(int timeoutMs = 3000, int client = -1);
    // True when no byte arrives from the client within ms (pumping meanwhile).
    bool Silent(int ms = 100, int client = -1);
    // True once the client has closed its end (pumping meanwhile).
    bool ClientClosed(int timeoutMs = 3000, int client = -1);
    // True when a TLS client said so before it closed (close_notify).
    bool ClientSaidGoodbye(int client = -1) const;
    // The host name a TLS client asked for (SNI); empty when it sent none.
    std::string ServerNameAskedFor(int client = -1) const;
    // Closes the connection; a TLS client is told first (close_notify)
    // unless notify is false.
    void Close(int client = -1, bool notify = true);
    // Makes the client's next send fail with a reset: closes with SO_LINGER 0.
    void Reset(int client = -1);

    // Accepts a client, reads its opening request and answers it with
    // replyId (no answer when 0). Returns the opening request.
    std::optional<QuorMessage> AcceptOpening(std::int32_t replyId, int timeoutMs = 3000);

private:
    struct Client;
    Client &clientAt(int client) const;
    // Moves what the client sent into its inbound bytes, through TLS when
    // it speaks TLS, and sends what TLS has to say in return.
    void Pull(Client &client);
    void FlushTls(Client &client, bool required);
    void Forget(Client &client);

    int port_ = 0; // before listenFd_, whose initialisation sets it
    int listenFd_ = -1;
    SSL_CTX *tls_ = nullptr;
    std::vector<std::unique_ptr<Client>> clients_;
};

} // namespace quor::testing
