// SPDX-License-Identifier: MIT
// The server's single-threaded network loop: a listening socket, the
// client connections (non-blocking, cut into 476-byte records), a timer,
// the stop signals and descriptors of other parts (the hashing threads'
// eventfd), all on one epoll descriptor. Output is queued per connection
// and written when the loop is about to wait again, so a record sent to
// many clients costs one write per client and loop turn. Before logging on
// a connection is limited twice: an address holds at most a few of them,
// and one that sends no opening request within the logon deadline is
// dropped. With TLS every client speaks it, and one that has not finished
// its handshake within the handshake deadline is dropped too.
//
// Clients that have logged on come first: their connections sit on an
// epoll descriptor of their own, which the loop asks again between any two
// pieces of work for others (accepting a connection, reading from one that
// has not logged on) and whose output it writes at once. So a flood of new
// connections or refused logins delays a chat by at most one such piece of
// work, however many wait. Accepting stops after a few connections per
// turn, so that those already open get their turn as well. Lines about
// connections that have not logged on are logged within a budget per
// address (connection_log_budget.h).
//
// Flow control keeps every client served whatever one of them sends: each
// connection has a token bucket for its records, and one that has used it
// up is paused (its socket is not read, so the kernel holds what it sends)
// until tokens come back. A client whose output is
// congested is not read either, nor is a sender of private records to it,
// until that output drains; channel texts to it are left out instead, so
// that it never holds a channel up. A client is dropped for not reading
// only when its output has not moved for the stall time-out.
#pragma once

#include "address_table.h"
#include "connection_deadlines.h"
#include "connection_log_budget.h"
#include "left_out_texts.h"
#include "resume_schedule.h"
#include "tls_context.h"
#include "token_bucket.h"
#include "transport.h"

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quord {

// Receives the network's events. Calls may send, close or drop any
// connection; a dropped connection's OnClosed comes later, from the loop.
class NetworkHandler {
public:
    virtual ~NetworkHandler() = default;
    // quiet: the connection's lines are left out of the log until it logs
    // on, as its address has used up its budget (connection_log_budget.h).
    virtual void OnOpened(ConnectionId connection, const std::string &peerAddress, bool quiet) = 0;
    virtual void OnRecord(ConnectionId connection, const quor::QuorMessage &record) = 0;
    virtual void OnClosed(ConnectionId connection) = 0;
    // Returns the milliseconds until the next call.
    virtual int OnTimer() = 0;
};

// Unsent output above this makes a connection congested; it stays so until
// its output is down to kDrainedOutput. Both lie far above what a client
// that keeps up leaves unsent: the kernel's socket buffers take megabytes
// before anything waits here.
inline constexpr std::size_t kCongestedOutput = 64 * 1024;
inline constexpr std::size_t kDrainedOutput = 16 * 1024;
// New connections accepted per loop turn at most; more wait for the next.
inline constexpr int kAcceptsPerTurn = 16;

struct ConnectionLimits {
    std::size_t maxClients = 10000;
    std::size_t maxPerAddress = 16;          // connections that have not logged on
    std::size_t maxSessionsPerAddress = 256; // logged-on sessions
    int logonDeadlineMs = 10000;             // from accepting to the opening request
    // A connection whose output has not moved for this long is dropped; the
    // kernel gives up on unacknowledged data after it too (TCP_USER_TIMEOUT).
    int stallMs = 60000;
    RateLimit records; // records served per connection
};

class Network : public Transport {
public:
    // Listens on address:port (port 0 picks a free one). Throws
    // std::runtime_error when the address cannot be used.
    Network(const std::string &address, int port, ConnectionLimits limits,
            ConnectionLogRules logRules = {});
    ~Network();
    Network(const Network &) = delete;
    Network &operator=(const Network &) = delete;

    // From now on every client speaks TLS with this context, and one that
    // has not finished its handshake within handshakeSeconds is dropped.
    void UseTls(std::shared_ptr<const ServerTlsContext> context, int handshakeSeconds);

    // "address:port" actually bound.
    const std::string &boundAddress() const { return bound_; }
    int port() const { return port_; }

    // Serves until SIGINT or SIGTERM, calling OnTimer first after timerMs,
    // then as often as it asks;
    // then closes every connection after one last attempt to send its
    // output. SIGPIPE is ignored from here on.
    void Run(NetworkHandler &handler, int timerMs);

    // Calls onReadable on the loop whenever fd is readable; before Run.
    void WatchReadable(int fd, std::function<void()> onReadable);

    void Send(ConnectionId connection, const quor::QuorMessage &record) override;
    void Relay(ConnectionId from, ConnectionId to, const quor::QuorMessage &record) override;
    void SendUnlessCongested(ConnectionId connection, const quor::QuorMessage &record) override;
    void Charge(ConnectionId connection, double tokens) override;
    bool InputHeldBack(ConnectionId connection) override;
    void CloseAfterSending(ConnectionId connection) override;
    void Drop(ConnectionId connection, const std::string &reason) override;
    void OpeningReceived(ConnectionId connection) override;
    bool LoggedOn(ConnectionId connection) override;

    std::size_t connectionCount() const { return connections_.size(); }

private:
    struct Connection;

    // Accepts one waiting connection; false when none was waiting (or
    // accepting failed).
    bool AcceptOne();
    // Serves the logged-on clients whose connections are ready and writes
    // the output waiting; between any two pieces of work for others.
    void ServeLoggedOn();
    void Serve(Connection &connection, std::uint32_t events);
    // The epoll descriptor the connection is watched on.
    int EpollOf(const Connection &connection) const;
    // Logs a line about the connection unless its lines are left out.
    void Note(const Connection &connection, const std::string &text) const;
    // Drops connections past their logon or handshake deadline; the
    // milliseconds until the next deadline, or -1 when none is pending.
    int ExpireDeadlines();
    void RefuseWithoutDescriptors();
    // Closes a connection just accepted; logged as refused when the
    // address's log budget allows.
    void Refuse(int fd, bool logged, const std::string &peerText, const std::string &reason);
    void ReadFrom(Connection &connection);
    // The epoll events the connection is watched for now.
    static std::uint32_t EventsOf(const Connection &connection);
    void Rewatch(Connection &connection);

    // Flow control.
    Connection *Find(ConnectionId id);
    // Whether the connection's records may be served now: it is alive, has
    // a token, and neither its output nor that of a recipient it waits for
    // is congested.
    bool InputServed(Connection &connection, std::int64_t nowMs);
    // Serves the whole records of data while the input is served; returns
    // the bytes used. The caller keeps the rest.
    std::size_t Consume(Connection &connection, const std::uint8_t *data, std::size_t size);
    // Takes the connection's socket off or back onto its epoll descriptor's
    // read events as its input is served or not, and arranges the wake-up.
    void UpdateInputWatch(Connection &connection);
    // Serves what the connection had read before it was paused, then
    // watches its socket again if its input is still served.
    void Resume(Connection &connection);
    void ResumeDue();
    // Resumes the connections waiting for this one's output to drain.
    void ReleaseWaiters(Connection &connection);
    // Once a second: drops connections whose output has stalled and logs
    // the channel texts left out.
    void Housekeep();
    // Queues bytes for the socket (through TLS, and with what TLS has to
    // say itself) and marks the connection for writing.
    void QueueOutput(Connection &connection, const std::uint8_t *data, std::size_t size);
    void Flush(Connection &connection);
    void FlushAndReap();
    void WatchOutput(Connection &connection, bool watch);
    void CloseAll();

    int epoll_ = -1;
    int loggedOnEpoll_ = -1; // the logged-on clients' connections, watched by epoll_
    int listener_ = -1;
    int signals_ = -1;
    int timer_ = -1;
    int spare_ = -1; // a descriptor held back for refusing clients
    int port_ = 0;
    std::string bound_;
    ConnectionLimits limits_;
    AddressTable perAddress_; // connections that have not logged on
    AddressTable sessionsPerAddress_;
    ConnectionLogBudget logBudget_;
    ConnectionId nextId_ = 1;
    NetworkHandler *handler_ = nullptr;
    std::unordered_map<ConnectionId, std::unique_ptr<Connection>> connections_;
    std::vector<ConnectionId> dirty_;   // connections with output to write
    std::vector<ConnectionId> dead_;    // connections to close and report
    std::vector<ConnectionId> drained_; // connections whose output drained, with waiters
    ResumeSchedule resumes_;            // paused connections, by when they earn a token
    LeftOutTexts leftOut_;
    std::int64_t lastHousekeepingMs_ = 0;
    ConnectionDeadlines logonDeadlines_;
    std::shared_ptr<const ServerTlsContext> tls_;
    std::unique_ptr<ConnectionDeadlines> handshakeDeadlines_; // with TLS
    std::vector<std::function<void()>> watchers_;             // by epoll tag - kFirstWatcherTag
};

} // namespace quord
