// SPDX-License-Identifier: MIT
// What the chat service needs from the network beneath it: sending records,
// closing connections, lifting a connection's logon deadline, telling which
// connections have logged on, and the flow control that keeps one client
// from crowding out the others (a record budget per connection, pausing
// whoever sends to a client that reads too slowly). The event loop of network.h is the real
// one; the fuzzer puts a recording fake here.
#pragma once

#include "channel_registry.h" // ConnectionId
#include "quor_wire/record.h"

#include <string>

namespace quord {

class Transport {
public:
    virtual ~Transport() = default;
    // Queues a record; ignored for unknown or closing connections.
    virtual void Send(ConnectionId connection, const quor::QuorMessage &record) = 0;
    // Queues a record one client sends another; while the recipient's
    // output is congested, the sender's input is not read.
    virtual void Relay(ConnectionId from, ConnectionId to, const quor::QuorMessage &record) = 0;
    // Queues a record unless the connection's output is congested; then it
    // is left out for that connection (and counted in the log).
    virtual void SendUnlessCongested(ConnectionId connection, const quor::QuorMessage &record) = 0;
    // Takes tokens beyond the record's own from the connection's budget,
    // for a request that costs more than a record to serve.
    virtual void Charge(ConnectionId connection, double tokens) = 0;
    // Whether the connection's input has been held back (not read) since
    // the last call: what it answered may still wait unread.
    virtual bool InputHeldBack(ConnectionId connection) = 0;
    // Closes the connection once its queued output is sent; input that
    // arrives meanwhile is ignored.
    virtual void CloseAfterSending(ConnectionId connection) = 0;
    // Closes the connection at once, dropping its output.
    virtual void Drop(ConnectionId connection, const std::string &reason) = 0;
    // The connection has sent its opening request in time: the deadline for
    // it no longer applies.
    virtual void OpeningReceived(ConnectionId connection) = 0;
    // The connection's client has logged on: from now on it is served ahead
    // of connections that have not, its lines are always logged, and it
    // counts against its address's sessions instead of its connections that
    // have not logged on. False, and nothing changed, when the address
    // already holds its maximum of sessions.
    virtual bool LoggedOn(ConnectionId connection) = 0;
};

} // namespace quord
