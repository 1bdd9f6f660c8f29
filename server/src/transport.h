// What the chat service needs from the network beneath it: sending records,
// closing connections, lifting a connection's logon deadline and telling
// which connections have logged on. The event loop of network.h is the real
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
    // Closes the connection once its queued output is sent; input that
    // arrives meanwhile is ignored.
    virtual void CloseAfterSending(ConnectionId connection) = 0;
    // Closes the connection at once, dropping its output.
    virtual void Drop(ConnectionId connection, const std::string &reason) = 0;
    // The connection has sent its opening request in time: the deadline for
    // it no longer applies.
    virtual void OpeningReceived(ConnectionId connection) = 0;
    // The connection's client has logged on: from now on it is served ahead
    // of connections that have not, and its lines are always logged.
    virtual void LoggedOn(ConnectionId connection) = 0;
};

} // namespace quord
