// SPDX-License-Identifier: MIT
// One TCP connection to the chat server, opened for one purpose: log on,
// create an account or request a password. It queues and sends records,
// assembles received records, recognises the answer to its opening request,
// answers pings itself and hands its events to an event function.
#pragma once

#include "byte_stream.h"
#include "proxy_handshake.h"
#include "quor_wire/record.h"
#include "reactor.h"
#include "receive_assembler.h"
#include "tls_context.h"

#include "quor_wire/record_queue.h"
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quor {

enum ConnectionState {
    STATE_IDLE = 0,
    STATE_CREATED = 1,
    STATE_CONNECTING = 2,
    STATE_AWAITING_REPLY = 3,
    STATE_LOGGED_ON = 4,
};

enum ConnectionMode {
    MODE_UNSET = -1,
    MODE_LOGIN = 0,
    MODE_CREATEUSER = 1,
    MODE_REQPASSWORD = 2,
};

enum ConnectionEvent {
    EV_LOGIN_RESULT = 0,
    EV_MESSAGE = 1,
    EV_CLOSED = 2,
    EV_CREATEUSER_REPLY = 3,
    EV_REQPASSWORD_REPLY = 4,
    EV_CONNECT_FAILED = 5,
};

inline constexpr int kLoginConstant = 1;
// A connection whose opening (the TCP connect, the TLS handshake and the
// server's answer to the opening request) has not finished more than this
// many whole seconds after its connect request fails with 10060: a host
// that drops the connect, or a server that accepts and then says nothing,
// would otherwise hold the request for minutes or for ever.
inline constexpr std::uint32_t kOpeningLimitSeconds = 30;

struct ConnectRequest {
    std::string user;
    std::string password;
    std::string email;
    std::string host;
    int port = 0;
    int build = 0;
    ConnectionMode purpose = MODE_UNSET;
    // Records inside TLS made from this context; tls without a context is
    // a TLS set-up that failed.
    bool tls = false;
    std::shared_ptr<const TlsContext> tlsContext;
    // The connection goes through this proxy unless its type is none.
    ProxySettings proxy;
};

class QuorConnection {
public:
    using EventFunction = void (*)(QuorConnection &, ConnectionEvent);

    QuorConnection(Reactor &reactor, std::uint64_t tag, EventFunction onEvent);
    QuorConnection(const QuorConnection &) = delete;
    QuorConnection &operator=(const QuorConnection &) = delete;
    virtual ~QuorConnection();

    // Opens the socket and starts connecting. Returns 0 while the connect is
    // under way, otherwise a socket error number (10049 for a port above
    // 65535), 43 for a TLS set-up that failed or 47 for a proxy whose name
    // does not resolve (the state is then idle).
    int StartConnect(const ConnectRequest &request);
    // Queues a copy of the record (sender and time stamped) and sends as far
    // as the socket takes it.
    void Post(QuorMessage record);
    // Moves the oldest received record into the current message. Pings are
    // answered and consumed here, so they never reach the caller.
    const QuorMessage *TakeMessage();
    // Closes the socket without raising an event; the state becomes idle.
    void Close();

    // Notifications, delivered by the library's pump. The connect
    // notification comes once the TCP connect, the proxy's tunnel and the
    // stream's opening (the TLS handshake) are done, or one of them failed.
    void OnConnect(int error);
    void OnReceive();
    void OnSend(int error);
    void OnClose();
    // The part of a read notification after the read: feeds the bytes read
    // and raises the events they complete.
    void Received(const std::uint8_t *data, std::size_t n);
    // Puts a socketless connection into a state, so that the fuzzer can feed
    // it bytes through Received: no socket can make a server's stream
    // arrive in exactly the pieces that it chooses.
    void AssumeStateForTesting(int state, std::string_view userName, ConnectionMode purpose);
    // Routes one epoll readiness report to the matching notification.
    void OnReady(std::uint32_t events);
    // Bytes held inside the stream, or records received before the login
    // answer that still wait, get their read notification without asking
    // epoll first. True when one was delivered; false (and nothing
    // happened) when nothing waited.
    bool ReadAhead() { return bufferedMarked_ && fd_ >= 0 && ReadAndDispatch(); }
    // True while the opening has gone on for too long.
    bool OpeningOverdue(std::uint32_t now) const;
    // Ends an opening that cannot succeed: closes, drops what was received
    // and raises the connect failure with error as the last error.
    void FailOpening(int error);

    int state() const { return state_; }
    ConnectionMode purpose() const { return purpose_; }
    int lastError() const { return lastError_; }
    const std::string &userName() const { return userName_; }
    std::uint32_t lastReceiveTick() const { return lastReceiveTick_; }
    std::uint64_t tag() const { return tag_; }
    std::size_t queuedForSending() const { return sendQueue_.size(); }

    // Set when the owner destroyed this connection while one of its events
    // was being handled; no further event is raised then.
    bool destroyed() const { return destroyed_; }
    void markDestroyed();

protected:
    void Raise(ConnectionEvent event) { onEvent_(*this, event); }

private:
    // Reads once; a read notification follows unless nothing could be read
    // and no received record waits.
    bool ReadAndDispatch();
    // Raises the events of what the assembler holds, then tells the reactor
    // what is left, unless a callback closed the connection.
    void Deliver();
    void RaiseReceived();
    // Records received before the login answer wait for their dispatch, one
    // per read notification, after it.
    bool Backlogged() const;
    void ContinueOpening();
    void SendPump();
    void CloseSocket();
    // Closes a connection found broken outside a notification; the close
    // notification follows from the next pump.
    void LoseConnection(int error);
    // The readiness to wait for: reads, and writes while records wait.
    void UpdateInterest();
    // Tells the reactor the readiness to wait for. On failure the connect
    // fails, or a connection already open is lost; false then.
    bool SetInterest(std::uint32_t events);
    // Tells the reactor whether the stream holds bytes, and updates the
    // readiness to wait for, after the stream was read.
    void NoteStreamState();
    int FailAtOnce(int error);
    // What a failed TCP connect reports: the socket error, or, through a
    // proxy, that the proxy is not reachable.
    int ConnectFailure(int error) const;

    Reactor &reactor_;
    std::uint64_t tag_;
    EventFunction onEvent_;
    int fd_ = -1;
    std::unique_ptr<ByteStream> stream_;
    // While the proxy's tunnel is being opened; null without a proxy.
    std::unique_ptr<ProxyHandshake> proxy_;
    std::uint32_t interest_ = 0;
    // The TCP connect is done and the stream is being opened.
    bool opening_ = false;
    // When the connect request started the opening.
    std::uint32_t openingSinceTick_ = 0;
    // The reactor knows that the stream holds received bytes or that
    // received records wait.
    bool bufferedMarked_ = false;

    std::string userName_;
    std::string password_;
    std::string email_;
    ConnectionMode purpose_ = MODE_UNSET;
    int build_ = 0;
    int loginConstant_ = 0;
    int state_ = STATE_CREATED;
    int lastError_ = 0;
    std::uint32_t lastReceiveTick_;
    bool destroyed_ = false;

    std::size_t sendOffset_ = 0;
    RecordQueue sendQueue_;
    ReceiveAssembler assembler_;
    QuorMessage current_;
};

} // namespace quor
