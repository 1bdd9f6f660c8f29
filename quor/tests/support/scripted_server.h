// A scripted chat server on an ephemeral 127.0.0.1 port for tests of the
// library and of its callers. It runs on the test's own thread: every wait
// pumps the library (quor_pump) between attempts, so client and server make
// progress together without threads.
#pragma once

#include "pump_until.h"
#include "quor_wire/record.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quor::testing {

// A loopback port on which nothing listens.
int UnusedLoopbackPort();

// Builds a record the way a server would: id, format 1, names and fields.
QuorMessage MakeRecord(std::int32_t id, std::string_view sender, std::string_view recipient,
                       std::string_view signature = "", const std::vector<FieldValue> &values = {});
// A text record (id 2, format 0) with the raw text at data offset 0.
QuorMessage MakeText(std::string_view sender, std::string_view recipient, std::string_view text);
// The parts of a multi-part list with the given items.
std::vector<QuorMessage> MakeList(std::int32_t id, const std::vector<std::string> &items);

class ScriptedServer {
public:
    ScriptedServer();
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer &) = delete;
    ScriptedServer &operator=(const ScriptedServer &) = delete;

    int port() const { return port_; }
    // Points the library's later connect requests at this server.
    void UseForLibrary() const;

    // Accepts the next client while pumping the library; returns its index,
    // or -1 on time-out.
    int Accept(int timeoutMs = 3000);
    std::size_t clientCount() const { return clients_.size(); }

    // The client argument defaults to the one accepted last.
    void Send(const QuorMessage &record, int client = -1);
    void SendRaw(const void *data, std::size_t n, int client = -1);
    // Reads one whole record from the client while pumping the library.
    std::optional<QuorMessage> Read(int timeoutMs = 3000, int client = -1);
    // True when no byte arrives from the client within ms (pumping meanwhile).
    bool Silent(int ms = 100, int client = -1);
    // True once the client has closed its end (pumping meanwhile).
    bool ClientClosed(int timeoutMs = 3000, int client = -1);
    void Close(int client = -1);
    // Makes the client's next send fail with a reset: closes with SO_LINGER 0.
    void Reset(int client = -1);

    // Accepts a client, reads its opening request and answers it with
    // replyId (no answer when 0). Returns the opening request.
    std::optional<QuorMessage> AcceptOpening(std::int32_t replyId, int timeoutMs = 3000);

private:
    int fdOf(int client) const;
    int listenFd_ = -1;
    int port_ = 0;
    std::vector<int> clients_;
    std::vector<std::vector<std::uint8_t>> pending_;
};

} // namespace quor::testing
