// SPDX-License-Identifier: MIT
#include "network.h"

#include "millisecond_clock.h"
#include "record_assembler.h"
#include "server_log.h"
#include "tls_filter.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/signalfd.h>
#include <sys/socket.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace quord {

namespace {

// epoll tags below the first connection id.
constexpr std::uint64_t kListenerTag = 0;
constexpr std::uint64_t kSignalTag = 1;
constexpr std::uint64_t kTimerTag = 2;
constexpr std::uint64_t kLoggedOnTag = 3; // loggedOnEpoll_ has a connection ready
constexpr std::uint64_t kFirstWatcherTag = 4;
constexpr ConnectionId kFirstConnectionId = 16;

constexpr std::size_t kReadChunk = 64 * 1024;
constexpr int kEventBatch = 256;
constexpr int kListenBacklog = 512;
// Output storage above this is given back once it has been written, so
// that a burst to one client does not stay with its connection.
constexpr std::size_t kKeptOutputCapacity = 8 * 1024;

std::string Numeric(const sockaddr *address, socklen_t length, bool withPort) {
    char host[NI_MAXHOST] = "?";
    char service[NI_MAXSERV] = "?";
    getnameinfo(address, length, host, sizeof host, service, sizeof service,
                NI_NUMERICHOST | NI_NUMERICSERV);
    if (!withPort) {
        return host;
    }
    const bool v6 = address->sa_family == AF_INET6;
    return (v6 ? "[" : "") + std::string(host) + (v6 ? "]:" : ":") + service;
}

void Watch(int epoll, int fd, std::uint32_t events, std::uint64_t tag, int op = EPOLL_CTL_ADD) {
    epoll_event event{};
    event.events = events;
    event.data.u64 = tag;
    if (epoll_ctl(epoll, op, fd, &event) != 0) {
        throw std::runtime_error(std::string("epoll: ") + std::strerror(errno));
    }
}

void LogSummaries(const std::vector<std::string> &lines) {
    for (const std::string &line : lines) {
        LogLine(line);
    }
}

} // namespace

struct Network::Connection {
    ConnectionId id = 0;
    int fd = -1;
    std::string peer;       // "address:port" for the log
    std::string addressKey; // what it counts against, see AddressTable
    RecordAssembler input;
    std::string output;
    std::size_t sent = 0; // bytes of output already written
    bool closing = false;
    bool dead = false;
    bool dirty = false;
    bool watchingOutput = false;
    bool opened = false;            // its opening request has arrived
    bool loggedOn = false;          // watched on loggedOnEpoll_
    bool quiet = false;             // its lines are left out of the log
    std::unique_ptr<TlsFilter> tls; // with TLS: between the socket and the records
    // Flow control, see network.h.
    TokenBucket bucket;
    std::string unread;                // read but not served yet: its input was paused meanwhile
    bool inputWatched = true;          // its socket is read
    bool heldBack = false;             // its input was paused since InputHeldBack last asked
    ConnectionId waitingOn = 0;        // not read until this one's output drains (maybe itself)
    std::vector<ConnectionId> waiters; // connections waiting for this one's output to drain
    std::int64_t outputMovedMs = 0;    // when its output was last written or all sent

    Connection(RateLimit records, std::int64_t nowMs) : bucket(records, nowMs) {}
    std::size_t pending() const { return output.size() - sent; }
};

Network::Network(const std::string &address, int port, ConnectionLimits limits,
                 ConnectionLogRules logRules)
    : limits_(limits), perAddress_(limits.maxPerAddress),
      sessionsPerAddress_(limits.maxSessionsPerAddress), logBudget_(logRules),
      logonDeadlines_(std::chrono::milliseconds(limits.logonDeadlineMs)) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo *found = nullptr;
    const std::string service = std::to_string(port);
    if (const int rc = getaddrinfo(address.c_str(), service.c_str(), &hints, &found); rc != 0) {
        throw std::runtime_error("cannot listen on " + address + ": " + gai_strerror(rc));
    }
    std::string problem = "no address";
    for (addrinfo *ai = found; ai != nullptr && listener_ < 0; ai = ai->ai_next) {
        const int fd = ::socket(ai->ai_family, ai->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        const int yes = 1;
        if (fd >= 0 && setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes) == 0 &&
            ::bind(fd, ai->ai_addr, ai->ai_addrlen) == 0 && ::listen(fd, kListenBacklog) == 0) {
            listener_ = fd;
        } else {
            problem = std::strerror(errno);
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    freeaddrinfo(found);
    if (listener_ < 0) {
        throw std::runtime_error("cannot listen on " + address + " port " + service + ": " +
                                 problem);
    }
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    getsockname(listener_, reinterpret_cast<sockaddr *>(&bound), &length);
    bound_ = Numeric(reinterpret_cast<sockaddr *>(&bound), length, true);
    port_ = std::stoi(bound_.substr(bound_.rfind(':') + 1));
    epoll_ = epoll_create1(EPOLL_CLOEXEC);
    loggedOnEpoll_ = epoll_create1(EPOLL_CLOEXEC);
    if (epoll_ < 0 || loggedOnEpoll_ < 0) {
        const int error = errno;
        for (int fd : {listener_, epoll_, loggedOnEpoll_}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
        throw std::runtime_error(std::string("epoll: ") + std::strerror(error));
    }
    Watch(epoll_, listener_, EPOLLIN, kListenerTag);
    Watch(epoll_, loggedOnEpoll_, EPOLLIN, kLoggedOnTag);
    spare_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}

Network::~Network() {
    CloseAll();
    for (int fd : {listener_, signals_, timer_, loggedOnEpoll_, epoll_, spare_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void Network::UseTls(std::shared_ptr<const ServerTlsContext> context, int handshakeSeconds) {
    tls_ = std::move(context);
    handshakeDeadlines_ =
        std::make_unique<ConnectionDeadlines>(std::chrono::seconds(handshakeSeconds));
}

void Network::Run(NetworkHandler &handler, int timerMs) {
    handler_ = &handler;
    std::signal(SIGPIPE, SIG_IGN);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    signals_ = signalfd(-1, &stopSignals, SFD_NONBLOCK | SFD_CLOEXEC);
    timer_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (signals_ < 0 || timer_ < 0) {
        throw std::runtime_error(std::string("signal or timer descriptor: ") +
                                 std::strerror(errno));
    }
    const auto setTimer = [this](int ms) {
        itimerspec period{};
        period.it_interval.tv_sec = ms / 1000;
        period.it_interval.tv_nsec = ms % 1000 * 1000000L;
        period.it_value = period.it_interval;
        timerfd_settime(timer_, 0, &period, nullptr);
    };
    setTimer(timerMs);
    Watch(epoll_, signals_, EPOLLIN, kSignalTag);
    Watch(epoll_, timer_, EPOLLIN, kTimerTag);

    std::array<epoll_event, kEventBatch> events;
    bool running = true;
    while (running) {
        // Output and closes of the last turn, the deadlines' among them.
        const int deadlineWait = ExpireDeadlines();
        ResumeDue();
        Housekeep();
        LogSummaries(logBudget_.TakeSummaries());
        FlushAndReap();
        const int resumeWait = resumes_.MillisecondsToNext(SteadyMilliseconds());
        const int timeout = deadlineWait < 0 || (resumeWait >= 0 && resumeWait < deadlineWait)
                                ? resumeWait
                                : deadlineWait;
        const int ready = epoll_wait(epoll_, events.data(), kEventBatch, timeout);
        if (ready < 0 && errno != EINTR) {
            throw std::runtime_error(std::string("epoll_wait: ") + std::strerror(errno));
        }
        ServeLoggedOn();
        for (int i = 0; i < ready; ++i) {
            const std::uint64_t tag = events[i].data.u64;
            if (tag == kLoggedOnTag) {
                continue; // served before and after every other event
            }
            if (tag == kListenerTag) {
                for (int accepted = 0; accepted < kAcceptsPerTurn && AcceptOne(); ++accepted) {
                    ServeLoggedOn();
                }
            } else if (tag == kSignalTag) {
                signalfd_siginfo info{};
                if (::read(signals_, &info, sizeof info) == sizeof info) {
                    LogLine(std::string("stopping on ") +
                            strsignal(static_cast<int>(info.ssi_signo)));
                    running = false;
                }
            } else if (tag == kTimerTag) {
                std::uint64_t expirations = 0;
                if (::read(timer_, &expirations, sizeof expirations) == sizeof expirations) {
                    if (const int next = handler.OnTimer(); next != timerMs && next > 0) {
                        timerMs = next;
                        setTimer(timerMs);
                    }
                }
            } else if (tag < kFirstConnectionId) {
                watchers_.at(tag - kFirstWatcherTag)();
            } else if (auto it = connections_.find(tag); it != connections_.end()) {
                Serve(*it->second, events[i].events);
            }
            ServeLoggedOn();
        }
    }
    CloseAll();
    LogSummaries(logBudget_.TakeAllSummaries());
    if (const std::string report = leftOut_.TakeReport(SteadyMilliseconds(), true);
        !report.empty()) {
        LogLine(report);
    }
    handler_ = nullptr;
}

void Network::ServeLoggedOn() {
    std::array<epoll_event, kEventBatch> events;
    const int ready = epoll_wait(loggedOnEpoll_, events.data(), kEventBatch, 0);
    for (int i = 0; i < ready; ++i) {
        if (auto it = connections_.find(events[i].data.u64); it != connections_.end()) {
            Serve(*it->second, events[i].events);
        }
    }
    if (ready > 0) {
        FlushAndReap();
    }
}

void Network::Serve(Connection &connection, std::uint32_t events) {
    if (!connection.dead && !connection.inputWatched && (events & (EPOLLHUP | EPOLLERR))) {
        // Reported whatever the events asked for, and again on every wait
        // while the socket stays paused: the peer is gone.
        int error = 0;
        socklen_t length = sizeof error;
        getsockopt(connection.fd, SOL_SOCKET, SO_ERROR, &error, &length);
        Drop(connection.id, std::string("connection lost while its input was paused") +
                                (error != 0 ? std::string(": ") + std::strerror(error) : ""));
    } else if (!connection.dead && connection.inputWatched &&
               (events & (EPOLLIN | EPOLLHUP | EPOLLERR))) {
        ReadFrom(connection);
    }
    if (!connection.dead && (events & EPOLLOUT)) {
        Flush(connection);
    }
}

int Network::EpollOf(const Connection &connection) const {
    return connection.loggedOn ? loggedOnEpoll_ : epoll_;
}

void Network::Note(const Connection &connection, const std::string &text) const {
    if (!connection.quiet) {
        LogLine(text);
    }
}

bool Network::AcceptOne() {
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    const int fd = accept4(listener_, reinterpret_cast<sockaddr *>(&peer), &length,
                           SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == EINTR || error == ECONNABORTED) {
            return true; // others may still wait
        }
        if (error == EMFILE || error == ENFILE) {
            RefuseWithoutDescriptors();
        } else if (error != EAGAIN && error != EWOULDBLOCK) {
            LogLine(std::string("cannot accept a connection: ") + std::strerror(error));
        }
        return false;
    }
    const auto *address = reinterpret_cast<const sockaddr *>(&peer);
    const std::string peerText = Numeric(address, length, true);
    std::string addressKey = AddressKey(address);
    const bool logged = logBudget_.Admit(addressKey);
    if (connections_.size() >= limits_.maxClients) {
        Refuse(fd, logged, peerText, std::to_string(limits_.maxClients) + " clients connected");
        return true;
    }
    if (!perAddress_.Admit(addressKey)) {
        Refuse(fd, logged, peerText,
               std::to_string(limits_.maxPerAddress) + " connections from " + addressKey +
                   " that have not logged on");
        return true;
    }
    auto connection = std::make_unique<Connection>(limits_.records, SteadyMilliseconds());
    connection->id = nextId_++ + kFirstConnectionId;
    connection->fd = fd;
    connection->peer = peerText;
    connection->addressKey = std::move(addressKey);
    connection->quiet = !logged;
    if (tls_ && (connection->tls = TlsFilter::Create(tls_->ssl())) == nullptr) {
        perAddress_.Release(connection->addressKey);
        Refuse(fd, logged, peerText, "no memory for its TLS session");
        return true;
    }
    // Output is already gathered into one write per connection and loop
    // turn; waiting for the peer's acknowledgement before sending the next
    // small record would only hold a reply back (up to the peer's delayed
    // acknowledgement, tens of milliseconds).
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    // A client whose machine or network has gone takes no acknowledgement
    // back; the kernel then ends the connection after the stall time-out.
    const unsigned int userTimeout = static_cast<unsigned int>(limits_.stallMs);
    setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &userTimeout, sizeof userTimeout);
    Watch(epoll_, fd, EventsOf(*connection), connection->id);
    const ConnectionId id = connection->id;
    const std::string &key = connection->addressKey;
    Note(*connection, "connection " + std::to_string(id) + " opened from " + peerText);
    const bool quiet = connection->quiet;
    connections_.emplace(id, std::move(connection));
    logonDeadlines_.Start(id);
    if (tls_) {
        handshakeDeadlines_->Start(id);
    }
    handler_->OnOpened(id, key, quiet);
    return true;
}

void Network::Refuse(int fd, bool logged, const std::string &peerText, const std::string &reason) {
    if (logged) {
        LogLine("refused connection from " + peerText + ": " + reason);
    }
    ::close(fd);
}

int Network::ExpireDeadlines() {
    const auto now = ConnectionDeadlines::Clock::now();
    int wait = -1;
    if (handshakeDeadlines_) {
        for (ConnectionId id : handshakeDeadlines_->TakeOverdue(now)) {
            auto it = connections_.find(id);
            if (it != connections_.end() && !it->second->tls->handshakeDone()) {
                Drop(id, "TLS handshake not finished within " +
                             std::to_string(handshakeDeadlines_->span().count() / 1000) + " s");
            }
        }
        wait = handshakeDeadlines_->MillisecondsToNext(now);
    }
    for (ConnectionId id : logonDeadlines_.TakeOverdue(now)) {
        auto it = connections_.find(id);
        if (it != connections_.end() && !it->second->opened) {
            Drop(id,
                 "no opening request within " + std::to_string(limits_.logonDeadlineMs) + " ms");
        }
    }
    const int logonWait = logonDeadlines_.MillisecondsToNext(now);
    return wait < 0 || (logonWait >= 0 && logonWait < wait) ? logonWait : wait;
}

void Network::OpeningReceived(ConnectionId id) {
    if (auto it = connections_.find(id); it != connections_.end()) {
        it->second->opened = true;
    }
}

bool Network::LoggedOn(ConnectionId id) {
    auto it = connections_.find(id);
    if (it == connections_.end()) {
        return false;
    }
    Connection &connection = *it->second;
    if (connection.dead || connection.loggedOn) {
        return true; // nothing to change; a dead one is reported closed soon
    }
    if (!sessionsPerAddress_.Admit(connection.addressKey)) {
        return false;
    }
    perAddress_.Release(connection.addressKey);
    if (connection.quiet) {
        // The line held back: who logs on is always worth knowing.
        connection.quiet = false;
        LogLine("connection " + std::to_string(id) + " opened from " + connection.peer);
    }
    epoll_ctl(epoll_, EPOLL_CTL_DEL, connection.fd, nullptr);
    connection.loggedOn = true;
    Watch(loggedOnEpoll_, connection.fd, EventsOf(connection), id);
    return true;
}

void Network::WatchReadable(int fd, std::function<void()> onReadable) {
    if (kFirstWatcherTag + watchers_.size() >= kFirstConnectionId) {
        throw std::logic_error("too many watched descriptors");
    }
    Watch(epoll_, fd, EPOLLIN, kFirstWatcherTag + watchers_.size());
    watchers_.push_back(std::move(onReadable));
}

void Network::RefuseWithoutDescriptors() {
    // Out of descriptors: the spare one makes room to accept the waiting
    // client and close it at once, instead of leaving it in the backlog
    // where it would wake the loop again and again. Logged within the
    // address's budget like every other refusal, as a flood can cause it.
    ::close(spare_);
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    const int fd = accept4(listener_, reinterpret_cast<sockaddr *>(&peer), &length, SOCK_CLOEXEC);
    if (fd >= 0) {
        const auto *address = reinterpret_cast<const sockaddr *>(&peer);
        Refuse(fd, logBudget_.Admit(AddressKey(address)), Numeric(address, length, true),
               "out of file descriptors");
    }
    spare_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}

void Network::ReadFrom(Connection &connection) {
    std::array<std::uint8_t, kReadChunk> buffer;
    // No more than its tokens allow, so that what has to wait for them
    // waits in the kernel rather than here.
    const std::size_t tokens =
        static_cast<std::size_t>(connection.bucket.WholeTokens(SteadyMilliseconds()));
    const std::size_t budget =
        std::clamp(tokens * quor::kRecordSize, quor::kRecordSize, kReadChunk);
    const ssize_t n = ::recv(connection.fd, buffer.data(), budget, 0);
    if (n == 0) {
        Flush(connection); // answers to its last requests, if it still reads
        const bool handshaking = connection.tls && !connection.tls->handshakeDone();
        Drop(connection.id, handshaking ? "closed by the client during the TLS handshake"
                                        : "closed by the client");
        return;
    }
    if (n < 0) {
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            Drop(connection.id, std::string("read failed: ") + std::strerror(errno));
        }
        return;
    }
    const std::uint8_t *bytes = buffer.data();
    std::size_t size = static_cast<std::size_t>(n);
    if (connection.tls) {
        const bool wasHandshaking = !connection.tls->handshakeDone();
        const TlsFilter::Input input = connection.tls->Receive(bytes, size);
        QueueOutput(connection, nullptr, 0); // handshake messages, alerts
        if (input != TlsFilter::Input::kOk) {
            Flush(connection);
            Drop(connection.id, input == TlsFilter::Input::kClosed
                                    ? "closed by the client"
                                    : (wasHandshaking ? "TLS handshake failed: " : "TLS failed: ") +
                                          connection.tls->failure());
            return;
        }
        if (wasHandshaking && connection.tls->handshakeDone()) {
            Note(connection, "connection " + std::to_string(connection.id) + " encrypted with " +
                                 connection.tls->Description());
        }
        bytes = reinterpret_cast<const std::uint8_t *>(connection.tls->plaintext().data());
        size = connection.tls->plaintext().size();
    }
    const std::size_t used = Consume(connection, bytes, size);
    connection.unread.assign(reinterpret_cast<const char *>(bytes) + used, size - used);
    if (connection.tls) {
        connection.tls->plaintext().clear();
    }
    UpdateInputWatch(connection);
}

void Network::QueueOutput(Connection &connection, const std::uint8_t *data, std::size_t size) {
    const bool allSent = connection.pending() == 0;
    if (connection.tls) {
        if (size > 0) {
            connection.tls->Send(data, size);
        }
        connection.tls->TakeOutput(connection.output);
    } else if (size > 0) {
        connection.output.append(reinterpret_cast<const char *>(data), size);
    }
    if (allSent && connection.pending() > 0) {
        connection.outputMovedMs = SteadyMilliseconds(); // the stall starts now at the earliest
    }
    if (connection.pending() > 0 && !connection.dirty) {
        connection.dirty = true;
        dirty_.push_back(connection.id);
    }
}

void Network::Send(ConnectionId id, const quor::QuorMessage &record) {
    auto it = connections_.find(id);
    if (it == connections_.end() || it->second->dead || it->second->closing) {
        return;
    }
    QueueOutput(*it->second, record.bytes.data(), record.bytes.size());
}

void Network::CloseAfterSending(ConnectionId id) {
    auto it = connections_.find(id);
    if (it == connections_.end() || it->second->dead) {
        return;
    }
    it->second->closing = true;
    if (it->second->tls) {
        it->second->tls->Goodbye();
        QueueOutput(*it->second, nullptr, 0);
    }
    if (!it->second->dirty) {
        it->second->dirty = true;
        dirty_.push_back(id);
    }
}

void Network::Drop(ConnectionId id, const std::string &reason) {
    auto it = connections_.find(id);
    if (it == connections_.end() || it->second->dead) {
        return;
    }
    it->second->dead = true;
    dead_.push_back(id);
    Note(*it->second, "connection " + std::to_string(id) + " closed: " + reason);
}

void Network::Flush(Connection &connection) {
    while (connection.pending() > 0) {
        const ssize_t n = ::send(connection.fd, connection.output.data() + connection.sent,
                                 connection.pending(), MSG_NOSIGNAL);
        if (n > 0) {
            connection.sent += static_cast<std::size_t>(n);
            connection.outputMovedMs = SteadyMilliseconds();
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            break;
        } else {
            Drop(connection.id, std::string("write failed: ") + std::strerror(errno));
            return;
        }
    }
    if (connection.pending() <= kDrainedOutput && !connection.waiters.empty()) {
        drained_.push_back(connection.id);
    }
    if (connection.pending() > 0) {
        // Keep the unsent tail only; the written head is forgotten.
        connection.output.erase(0, connection.sent);
        connection.sent = 0;
        WatchOutput(connection, true);
        return;
    }
    if (connection.output.capacity() > kKeptOutputCapacity) {
        std::string().swap(connection.output);
    }
    connection.output.clear();
    connection.sent = 0;
    WatchOutput(connection, false);
    if (connection.closing) {
        Drop(connection.id, "answered and closed by the server");
    }
}

void Network::WatchOutput(Connection &connection, bool watch) {
    if (connection.watchingOutput != watch) {
        connection.watchingOutput = watch;
        Rewatch(connection);
    }
}

std::uint32_t Network::EventsOf(const Connection &connection) {
    return (connection.inputWatched ? EPOLLIN | EPOLLRDHUP : 0u) |
           (connection.watchingOutput ? EPOLLOUT : 0u);
}

void Network::Rewatch(Connection &connection) {
    Watch(EpollOf(connection), connection.fd, EventsOf(connection), connection.id, EPOLL_CTL_MOD);
}

void Network::FlushAndReap() {
    while (!dirty_.empty() || !dead_.empty() || !drained_.empty()) {
        std::vector<ConnectionId> dirty;
        dirty.swap(dirty_);
        for (ConnectionId id : dirty) {
            auto it = connections_.find(id);
            if (it != connections_.end() && !it->second->dead) {
                it->second->dirty = false;
                Flush(*it->second);
            }
        }
        for (ConnectionId id : std::exchange(drained_, {})) {
            if (Connection *connection = Find(id)) {
                ReleaseWaiters(*connection);
            }
        }
        std::vector<ConnectionId> dead;
        dead.swap(dead_);
        for (ConnectionId id : dead) {
            auto it = connections_.find(id);
            if (it == connections_.end()) {
                continue;
            }
            // Closing the descriptor (never duplicated) also takes it out
            // of its epoll set.
            ::close(it->second->fd);
            (it->second->loggedOn ? sessionsPerAddress_ : perAddress_)
                .Release(it->second->addressKey);
            ReleaseWaiters(*it->second);
            connections_.erase(it);
            // Reported after removal, so that records sent to it from the
            // handler are ignored.
            handler_->OnClosed(id);
        }
    }
}

void Network::CloseAll() {
    if (!connections_.empty()) {
        LogLine("closing " + std::to_string(connections_.size()) + " connections");
    }
    for (auto &[id, connection] : connections_) {
        if (!connection->dead) {
            Flush(*connection);
        }
        ::close(connection->fd);
    }
    connections_.clear();
    dirty_.clear();
    dead_.clear();
}

// Flow control.

Network::Connection *Network::Find(ConnectionId id) {
    auto it = connections_.find(id);
    return it == connections_.end() ? nullptr : it->second.get();
}

bool Network::InputServed(Connection &connection, std::int64_t nowMs) {
    return !connection.dead && connection.waitingOn == 0 &&
           connection.pending() <= kCongestedOutput && connection.bucket.Ready(nowMs);
}

std::size_t Network::Consume(Connection &connection, const std::uint8_t *data, std::size_t size) {
    std::size_t used = 0;
    // One record at a time, so that each is checked against the budget and
    // against what the one before it sent.
    while (used < size && InputServed(connection, SteadyMilliseconds())) {
        used +=
            connection.input.Feed(data + used, size - used, [&](const quor::QuorMessage &record) {
                if (!connection.closing) {
                    connection.bucket.Take(1, SteadyMilliseconds());
                    handler_->OnRecord(connection.id, record);
                }
                return false;
            });
    }
    return used;
}

void Network::UpdateInputWatch(Connection &connection) {
    if (connection.dead) {
        return;
    }
    const std::int64_t now = SteadyMilliseconds();
    const bool served = InputServed(connection, now);
    // What it read before a pause is served before its socket is read again.
    const bool watch = served && connection.unread.empty();
    if (!watch) {
        connection.heldBack = true;
        if (!served && connection.waitingOn == 0 && connection.pending() > kCongestedOutput) {
            // Its own output: it is read again once its client has read.
            connection.waitingOn = connection.id;
            connection.waiters.push_back(connection.id);
        }
        if (connection.waitingOn == 0) {
            resumes_.Add(connection.id, now + connection.bucket.MillisecondsUntilReady(now));
        }
    }
    if (connection.inputWatched != watch) {
        connection.inputWatched = watch;
        Rewatch(connection);
    }
}

void Network::Resume(Connection &connection) {
    if (!connection.dead && !connection.unread.empty()) {
        const std::string unread = std::exchange(connection.unread, {});
        const std::size_t used = Consume(
            connection, reinterpret_cast<const std::uint8_t *>(unread.data()), unread.size());
        connection.unread.assign(unread, used);
    }
    UpdateInputWatch(connection);
}

void Network::ResumeDue() {
    for (ConnectionId id : resumes_.TakeDue(SteadyMilliseconds())) {
        Connection *connection = Find(id);
        if (connection != nullptr && !connection->inputWatched && connection->waitingOn == 0) {
            Resume(*connection);
        }
    }
}

void Network::ReleaseWaiters(Connection &connection) {
    for (ConnectionId id : std::exchange(connection.waiters, {})) {
        Connection *waiter = Find(id);
        if (waiter != nullptr && waiter->waitingOn == connection.id) {
            waiter->waitingOn = 0;
            Resume(*waiter);
        }
    }
}

void Network::Relay(ConnectionId from, ConnectionId to, const quor::QuorMessage &record) {
    Send(to, record);
    Connection *recipient = Find(to);
    Connection *sender = Find(from);
    if (recipient == nullptr || sender == nullptr || recipient->dead ||
        recipient->pending() <= kCongestedOutput || sender->waitingOn != 0) {
        return;
    }
    sender->waitingOn = to;
    recipient->waiters.push_back(from);
    UpdateInputWatch(*sender);
}

void Network::SendUnlessCongested(ConnectionId id, const quor::QuorMessage &record) {
    Connection *connection = Find(id);
    if (connection != nullptr && !connection->dead && connection->pending() > kCongestedOutput) {
        leftOut_.Count(id, SteadyMilliseconds());
        return;
    }
    Send(id, record);
}

void Network::Charge(ConnectionId id, double tokens) {
    if (Connection *connection = Find(id)) {
        connection->bucket.Take(tokens, SteadyMilliseconds());
        UpdateInputWatch(*connection);
    }
}

bool Network::InputHeldBack(ConnectionId id) {
    Connection *connection = Find(id);
    if (connection == nullptr) {
        return false;
    }
    const bool held = connection->heldBack || !connection->inputWatched;
    connection->heldBack = !connection->inputWatched;
    return held;
}

void Network::Housekeep() {
    const std::int64_t now = SteadyMilliseconds();
    if (now - lastHousekeepingMs_ < 1000) {
        return;
    }
    lastHousekeepingMs_ = now;
    for (auto &[id, connection] : connections_) {
        if (!connection->dead && connection->pending() > 0 &&
            now - connection->outputMovedMs >= limits_.stallMs) {
            Drop(id, "read nothing for " + std::to_string(limits_.stallMs / 1000) + " s");
        }
    }
    if (const std::string report = leftOut_.TakeReport(now); !report.empty()) {
        LogLine(report);
    }
}

} // namespace quord
