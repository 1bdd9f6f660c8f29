// The server's single-threaded network loop: a listening socket, the
// client connections (non-blocking, cut into 476-byte records), a timer and
// the stop signals, all on one epoll descriptor. Output is queued per
// connection and written when the loop is about to wait again, so a record
// sent to many clients costs one write per client and loop turn.
#pragma once

#include "channel_registry.h" // ConnectionId
#include "handshake_deadlines.h"
#include "quor_wire/record.h"
#include "tls_context.h"

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace quord {

// Receives the network's events. Calls may send, close or drop any
// connection; a dropped connection's OnClosed comes later, from the loop.
class NetworkHandler {
public:
    virtual ~NetworkHandler() = default;
    virtual void OnOpened(ConnectionId connection, const std::string &peerAddress) = 0;
    virtual void OnRecord(ConnectionId connection, const quor::QuorMessage &record) = 0;
    virtual void OnClosed(ConnectionId connection) = 0;
    virtual void OnTimer() = 0;
};

// Unsent output above this closes the connection: the client does not read.
inline constexpr std::size_t kMaxPendingOutput = 1024 * 1024;

class Network {
public:
    // Listens on address:port (port 0 picks a free one). Throws
    // std::runtime_error when the address cannot be used.
    Network(const std::string &address, int port, std::size_t maxClients);
    ~Network();
    Network(const Network &) = delete;
    Network &operator=(const Network &) = delete;

    // From now on every client speaks TLS with this context, and one that
    // has not finished its handshake within handshakeSeconds is dropped.
    void UseTls(std::shared_ptr<const ServerTlsContext> context, int handshakeSeconds);

    // "address:port" actually bound.
    const std::string &boundAddress() const { return bound_; }
    int port() const { return port_; }

    // Serves until SIGINT or SIGTERM, calling OnTimer every timerSeconds;
    // then closes every connection after one last attempt to send its
    // output. SIGPIPE is ignored from here on.
    void Run(NetworkHandler &handler, int timerSeconds);

    // Queues a record; ignored for unknown or closing connections.
    void Send(ConnectionId connection, const quor::QuorMessage &record);
    // Closes the connection once its queued output is sent; input that
    // arrives meanwhile is ignored.
    void CloseAfterSending(ConnectionId connection);
    // Closes the connection at once, dropping its output.
    void Drop(ConnectionId connection, const std::string &reason);

    std::size_t connectionCount() const { return connections_.size(); }

private:
    struct Connection;

    void AcceptAll();
    void RefuseWithoutDescriptors();
    void ReadFrom(Connection &connection);
    // Queues bytes for the socket (through TLS, and with what TLS has to
    // say itself) and marks the connection for writing.
    void QueueOutput(Connection &connection, const std::uint8_t *data, std::size_t size);
    void DropOverdueHandshakes();
    void Flush(Connection &connection);
    void FlushAndReap();
    void WatchOutput(Connection &connection, bool watch);
    void CloseAll();

    int epoll_ = -1;
    int listener_ = -1;
    int signals_ = -1;
    int timer_ = -1;
    int spare_ = -1; // a descriptor held back for refusing clients
    int port_ = 0;
    std::string bound_;
    std::size_t maxClients_;
    ConnectionId nextId_ = 1;
    NetworkHandler *handler_ = nullptr;
    std::shared_ptr<const ServerTlsContext> tls_;
    std::unique_ptr<HandshakeDeadlines> handshakeDeadlines_;
    std::unordered_map<ConnectionId, std::unique_ptr<Connection>> connections_;
    std::vector<ConnectionId> dirty_; // connections with output to write
    std::vector<ConnectionId> dead_;  // connections to close and report
};

} // namespace quord
