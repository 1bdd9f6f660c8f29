// SPDX-License-Identifier: MIT
#include "connection.h"

#include "clock.h"
#include "plain_stream.h"
#include "socket_errors.h"
#include "tls_stream.h"

#include "quor.h"
#include "quor_wire/protocol_ids.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quor {

namespace {

// Numeric addresses are used as they are; other names go through the
// resolver, IPv4 first since that is where a local server usually listens.
bool ResolveHost(const std::string &host, int port, sockaddr_storage &addr, socklen_t &len) {
    std::memset(&addr, 0, sizeof addr);
    auto *v4 = reinterpret_cast<sockaddr_in *>(&addr);
    if (inet_pton(AF_INET, host.c_str(), &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(static_cast<std::uint16_t>(port));
        len = sizeof *v4;
        return true;
    }
    auto *v6 = reinterpret_cast<sockaddr_in6 *>(&addr);
    if (inet_pton(AF_INET6, host.c_str(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(static_cast<std::uint16_t>(port));
        len = sizeof *v6;
        return true;
    }
    for (int family : {AF_INET, AF_UNSPEC}) {
        addrinfo hints{};
        hints.ai_family = family;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo *found = nullptr;
        const std::string service = std::to_string(port);
        if (getaddrinfo(host.c_str(), service.c_str(), &hints, &found) == 0 && found != nullptr) {
            std::memcpy(&addr, found->ai_addr, found->ai_addrlen);
            len = found->ai_addrlen;
            freeaddrinfo(found);
            return true;
        }
    }
    return false;
}

} // namespace

QuorConnection::QuorConnection(Reactor &reactor, std::uint64_t tag, EventFunction onEvent)
    : reactor_(reactor), tag_(tag), onEvent_(onEvent), lastReceiveTick_(TickNow()) {}

QuorConnection::~QuorConnection() {
    CloseSocket();
}

void QuorConnection::AssumeStateForTesting(int state, std::string_view userName,
                                           ConnectionMode purpose) {
    state_ = state;
    userName_ = userName;
    purpose_ = purpose;
}

void QuorConnection::markDestroyed() {
    destroyed_ = true;
    CloseSocket();
}

int QuorConnection::StartConnect(const ConnectRequest &request) {
    build_ = request.build;
    userName_ = request.user;
    password_ = request.password;
    loginConstant_ = kLoginConstant;
    email_ = request.email;
    purpose_ = request.purpose;
    state_ = STATE_CONNECTING;
    openingSinceTick_ = TickNow();

    if (request.port > 65535) {
        return FailAtOnce(kWsaAddressNotAvailable); // not cut to 16 bits: another port
    }
    // Through a proxy only the proxy's name is resolved here; the server's
    // goes to the proxy as it is.
    const bool proxied = request.proxy.type != QUOR_PROXY_NONE;
    sockaddr_storage addr{};
    socklen_t len = 0;
    if (!ResolveHost(proxied ? request.proxy.host : request.host,
                     proxied ? request.proxy.port : request.port, addr, len)) {
        return FailAtOnce(proxied ? QUOR_ERR_PROXY_UNREACHABLE : kWsaInvalidArgument);
    }
    fd_ = ::socket(addr.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        return FailAtOnce(SocketErrorFromErrno(errno));
    }
    if (proxied) {
        proxy_ = ProxyHandshake::Create(request.proxy, fd_, request.host, request.port);
        if (proxy_ == nullptr) {
            return FailAtOnce(kWsaInvalidArgument); // a server name the proxy cannot be asked for
        }
    }
    if (!request.tls) {
        stream_ = std::make_unique<PlainStream>(fd_);
    } else if (request.tlsContext != nullptr) {
        stream_ = TlsStream::Create(request.tlsContext, fd_, request.host);
    }
    if (stream_ == nullptr) {
        return FailAtOnce(QUOR_ERR_TLS_SETUP);
    }
    const int on = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    if (::connect(fd_, reinterpret_cast<sockaddr *>(&addr), len) != 0) {
        lastError_ = SocketErrorFromErrno(errno);
        if (lastError_ != kWsaWouldBlock) {
            return FailAtOnce(ConnectFailure(lastError_));
        }
    }
    // Writability reports the connect's completion, successful or not.
    interest_ = EPOLLOUT;
    if (const int err = reactor_.watch(fd_, interest_, tag_); err != 0) {
        // Never announced, the socket would leave the request hanging.
        return FailAtOnce(SocketErrorFromErrno(err));
    }
    return 0;
}

int QuorConnection::FailAtOnce(int error) {
    CloseSocket();
    lastError_ = error;
    state_ = STATE_IDLE;
    return error;
}

void QuorConnection::OnReady(std::uint32_t events) {
    if (fd_ < 0) {
        return;
    }
    if (state_ == STATE_CONNECTING) {
        if (!opening_) {
            int error = 0;
            socklen_t len = sizeof error;
            getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &len);
            if (error == 0 && (events & (EPOLLERR | EPOLLHUP)) != 0) {
                error = ECONNREFUSED;
            }
            if (error != 0) {
                OnConnect(ConnectFailure(SocketErrorFromErrno(error)));
                return;
            }
            opening_ = true;
        }
        ContinueOpening();
    } else if ((events & EPOLLOUT) != 0 && !sendQueue_.empty() && !stream_->WriteWaitsForRead()) {
        OnSend(0);
    } else if ((events & EPOLLIN) != 0 ||
               ((events & EPOLLOUT) != 0 && stream_->ReadWaitsForWrite())) {
        OnReceive();
    } else if ((events & (EPOLLHUP | EPOLLERR)) != 0) {
        OnClose();
    }
}

int QuorConnection::ConnectFailure(int error) const {
    return proxy_ != nullptr ? QUOR_ERR_PROXY_UNREACHABLE : error;
}

void QuorConnection::ContinueOpening() {
    OpenResult step = proxy_ != nullptr ? proxy_->Step() : OpenResult{};
    if (step.kind == OpenResult::kDone) {
        proxy_.reset(); // the tunnel stands: from here on the socket is the server's
        step = stream_->Open();
    }
    switch (step.kind) {
    case OpenResult::kDone:
        OnConnect(0);
        break;
    case OpenResult::kFailed:
        OnConnect(step.error);
        break;
    case OpenResult::kWantRead:
        SetInterest(EPOLLIN);
        break;
    case OpenResult::kWantWrite:
        SetInterest(EPOLLOUT);
        break;
    }
}

bool QuorConnection::OpeningOverdue(std::uint32_t now) const {
    return fd_ >= 0 && (state_ == STATE_CONNECTING || state_ == STATE_AWAITING_REPLY) &&
           TickElapsed(openingSinceTick_, now) / 1000 > kOpeningLimitSeconds;
}

void QuorConnection::FailOpening(int error) {
    CloseSocket();
    assembler_ = ReceiveAssembler{}; // nothing of it will ever be dispatched
    lastError_ = error;
    state_ = STATE_IDLE;
    Raise(EV_CONNECT_FAILED);
}

void QuorConnection::OnConnect(int error) {
    sendOffset_ = 0;
    if (error != 0) {
        FailOpening(error);
        return;
    }
    opening_ = false;
    if (!SetInterest(EPOLLIN)) {
        return;
    }
    QuorMessage opening;
    const std::int32_t id = purpose_ == MODE_LOGIN        ? wire::kLoginRequest
                            : purpose_ == MODE_CREATEUSER ? wire::kCreateAccountRequest
                                                          : wire::kPasswordRequest;
    const std::string &second = purpose_ == MODE_LOGIN ? password_ : email_;
    PackFields(opening, id, 1, "ssdd", {userName_, second, build_, loginConstant_});
    state_ = STATE_AWAITING_REPLY;
    Post(opening);
    // The handshake may have brought the server's first bytes along.
    if (fd_ >= 0) {
        NoteStreamState();
    }
}

void QuorConnection::OnReceive() {
    ReadAndDispatch();
}

bool QuorConnection::ReadAndDispatch() {
    // At most one record's bytes, so that one notification completes at most
    // one record: the queue never grows faster than it is dispatched.
    const StreamResult read = stream_->Read(kRecordSize);
    if (read.kind == StreamResult::kWouldBlock) {
        if (!Backlogged()) {
            // Nothing for the records yet (a TLS record not complete, or one
            // that carried no data): no notification.
            NoteStreamState();
            return false;
        }
        Deliver();
        return true;
    }
    lastReceiveTick_ = TickNow();
    if (read.kind != StreamResult::kBytes) {
        // The peer closed or the connection broke: never read a dead socket again.
        OnClose();
        return true;
    }
    Received(read.data, read.bytes);
    return true;
}

bool QuorConnection::Backlogged() const {
    return state_ == STATE_LOGGED_ON && !assembler_.queue().empty();
}

void QuorConnection::NoteStreamState() {
    const bool buffered = stream_->Buffered() || Backlogged();
    if (buffered != bufferedMarked_) {
        bufferedMarked_ = buffered;
        reactor_.setBuffered(tag_, buffered);
    }
    UpdateInterest();
}

void QuorConnection::Received(const std::uint8_t *data, std::size_t n) {
    // The bytes may be the stream's own: taken before anything can close it.
    assembler_.feed(data, n);
    Deliver();
}

void QuorConnection::Deliver() {
    RaiseReceived();
    if (fd_ >= 0 && !destroyed_) {
        NoteStreamState();
    }
}

void QuorConnection::RaiseReceived() {
    if (state_ == STATE_AWAITING_REPLY && assembler_.overflowed()) {
        FailOpening(QUOR_ERR_TOO_MUCH_BEFORE_REPLY);
        return;
    }
    if (state_ == STATE_AWAITING_REPLY) {
        if (purpose_ == MODE_CREATEUSER || purpose_ == MODE_REQPASSWORD) {
            // These connections end with the server's single answer, which the
            // dispatcher reads after the close. An answer that arrives in
            // pieces is read whole first; a close before that is reported as
            // any close is.
            if (assembler_.queue().empty() && !assembler_.replied()) {
                return;
            }
            Close();
            Raise(purpose_ == MODE_CREATEUSER ? EV_CREATEUSER_REPLY : EV_REQPASSWORD_REPLY);
            return;
        }
        if (assembler_.replied()) {
            if (assembler_.accepted()) {
                state_ = STATE_LOGGED_ON;
            } else {
                Close();
                lastError_ = assembler_.replyCode();
            }
            Raise(EV_LOGIN_RESULT);
            if (destroyed_) {
                return;
            }
        }
    }
    if (state_ == STATE_LOGGED_ON) {
        Raise(EV_MESSAGE);
    }
}

void QuorConnection::OnSend(int error) {
    if (error == 0) {
        SendPump();
    }
}

void QuorConnection::OnClose() {
    Close();
    Raise(EV_CLOSED);
}

void QuorConnection::Close() {
    lastError_ = 0;
    CloseSocket();
    state_ = STATE_IDLE;
}

void QuorConnection::CloseSocket() {
    if (fd_ < 0) {
        return;
    }
    proxy_.reset();
    if (stream_ != nullptr) {
        stream_->Shutdown();
        stream_.reset();
    }
    // A failure here is of no consequence: closing the descriptor takes it
    // out of the epoll set anyway.
    reactor_.unwatch(fd_);
    ::close(fd_);
    fd_ = -1;
    interest_ = 0;
    opening_ = false;
    if (bufferedMarked_) {
        bufferedMarked_ = false;
        reactor_.setBuffered(tag_, false);
    }
}

void QuorConnection::Post(QuorMessage record) {
    if (record.time() == 0) {
        record.setTime(CalendarNow());
    }
    record.setSender(userName_);
    sendQueue_.push_back(record);
    SendPump();
}

void QuorConnection::SendPump() {
    if (sendQueue_.empty()) {
        return;
    }
    if (fd_ < 0) {
        // Nothing can be sent on a closed connection.
        sendQueue_.clear();
        sendOffset_ = 0;
        return;
    }
    while (!sendQueue_.empty()) {
        // A write that would block is repeated later from the same offset
        // with the same bytes, as TLS requires; records keep their order.
        const QuorMessage &head = sendQueue_.front();
        const StreamResult sent =
            stream_->Write(head.bytes.data() + sendOffset_, kRecordSize - sendOffset_);
        if (sent.kind == StreamResult::kWouldBlock) {
            break; // the write notification continues at the send offset
        }
        if (sent.kind != StreamResult::kBytes) {
            lastError_ = sent.error;
            sendQueue_.clear();
            sendOffset_ = 0;
            if (sent.lost) {
                LoseConnection(lastError_);
                return;
            }
            break;
        }
        sendOffset_ += sent.bytes;
        if (sendOffset_ == kRecordSize) {
            sendQueue_.pop_front();
            sendOffset_ = 0;
        }
    }
    UpdateInterest();
}

// A send showed that the connection is gone: close the socket now and let
// the next pump report the close, so no callback runs inside a request.
void QuorConnection::LoseConnection(int error) {
    CloseSocket();
    state_ = STATE_IDLE;
    lastError_ = error;
    reactor_.deferClose(tag_);
}

void QuorConnection::UpdateInterest() {
    if (fd_ < 0 || state_ == STATE_CONNECTING) {
        return;
    }
    // A write that waits for the peer's bytes is retried after a read, not
    // on writability, which would report at once and again and again.
    const bool writesWait = !sendQueue_.empty() && !stream_->WriteWaitsForRead();
    SetInterest(writesWait || stream_->ReadWaitsForWrite() ? (EPOLLIN | EPOLLOUT) : EPOLLIN);
}

bool QuorConnection::SetInterest(std::uint32_t events) {
    if (events == interest_) {
        return true;
    }
    if (const int err = reactor_.modify(fd_, events, tag_); err != 0) {
        if (state_ == STATE_CONNECTING) {
            OnConnect(SocketErrorFromErrno(err));
        } else {
            LoseConnection(SocketErrorFromErrno(err));
        }
        return false;
    }
    interest_ = events;
    return true;
}

const QuorMessage *QuorConnection::TakeMessage() {
    auto &queue = assembler_.queue();
    if (queue.empty()) {
        return nullptr;
    }
    if (queue.front().id() == wire::kPing) {
        std::int32_t stamp = 0;
        if (ExpectFields(queue.front(), wire::kPing, 1, "d", {&stamp})) {
            QuorMessage answer;
            answer.setRecipient(queue.front().sender());
            PackFields(answer, wire::kPingReply, 1, "d", {stamp});
            queue.pop_front();
            Post(answer);
        } else {
            queue.pop_front();
        }
        return nullptr;
    }
    current_ = queue.front();
    queue.pop_front();
    return &current_;
}

} // namespace quor
