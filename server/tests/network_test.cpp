// SPDX-License-Identifier: MIT
// The event loop's order of service, checked by what it does first rather
// than by time: a logged-on client's record is served before a backlog of
// new connections is accepted, a connection that has not logged on waits at
// most one turn's accepts, and client sockets send without delay.
#include "network.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <vector>

namespace quord {
namespace {

constexpr int kBacklog = 100; // connections waiting to be accepted

// A blocking client socket connected to 127.0.0.1:port.
int Connect(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    return fd;
}

void SendRecord(int fd) {
    const quor::QuorMessage record;
    EXPECT_EQ(::send(fd, record.bytes.data(), record.bytes.size(), 0),
              static_cast<ssize_t>(record.bytes.size()));
}

// The descriptor in this process whose peer is the client socket's own
// address: the server's end of that connection; -1 if there is none.
int ServerEndOf(int clientFd) {
    sockaddr_in client{};
    socklen_t length = sizeof client;
    getsockname(clientFd, reinterpret_cast<sockaddr *>(&client), &length);
    for (int fd = 0; fd < 4096; ++fd) {
        sockaddr_in peer{};
        length = sizeof peer;
        if (fd != clientFd && getpeername(fd, reinterpret_cast<sockaddr *>(&peer), &length) == 0 &&
            peer.sin_port == client.sin_port && peer.sin_addr.s_addr == client.sin_addr.s_addr) {
            return fd;
        }
    }
    return -1;
}

// Two clients connect before the loop runs: the first is told logged on,
// the second is not. On the first timer tick after both were accepted, both
// send a record and a backlog of new connections arrives; the handler notes
// how many of those were accepted before each record was served, and stops
// the loop (as SIGTERM does) once both were.
class Scene : public NetworkHandler {
public:
    explicit Scene(Network &network) : network_(network) {}

    void OnOpened(ConnectionId connection, const std::string &, bool) override {
        opened_.push_back(connection);
        if (opened_.size() == 1) {
            network_.LoggedOn(connection);
        }
    }
    void OnRecord(ConnectionId connection, const quor::QuorMessage &) override {
        const int newlyOpened = static_cast<int>(opened_.size()) - 2;
        if (connection == opened_.at(0)) {
            acceptedBeforeLoggedOn = newlyOpened;
        } else if (connection == opened_.at(1)) {
            acceptedBeforeWaiting = newlyOpened;
        }
        if (acceptedBeforeLoggedOn >= 0 && acceptedBeforeWaiting >= 0) {
            std::raise(SIGTERM);
        }
    }
    void OnClosed(ConnectionId) override {}
    int OnTimer() override {
        ++ticks_;
        if (!staged_ && opened_.size() == 2) {
            staged_ = true;
            onStage();
        } else if (ticks_ > 100) {
            std::raise(SIGTERM); // the records never came: the checks below fail
        }
        return 20;
    }

    std::function<void()> onStage;
    int acceptedBeforeLoggedOn = -1;
    int acceptedBeforeWaiting = -1;

private:
    Network &network_;
    std::vector<ConnectionId> opened_;
    int ticks_ = 0;
    bool staged_ = false;
};

TEST(NetworkTest, ALoggedOnClientIsServedBeforeABacklogOfNewConnections) {
    ConnectionLimits limits;
    limits.maxPerAddress = 1000;
    Network network("127.0.0.1", 0, limits);
    const int loggedOn = Connect(network.port());
    const int waiting = Connect(network.port());
    std::vector<int> backlog;
    bool sendsAtOnce = false;
    Scene scene(network);
    scene.onStage = [&] {
        int on = 0;
        socklen_t length = sizeof on;
        getsockopt(ServerEndOf(waiting), IPPROTO_TCP, TCP_NODELAY, &on, &length);
        sendsAtOnce = on != 0;
        for (int i = 0; i < kBacklog; ++i) {
            backlog.push_back(Connect(network.port()));
        }
        SendRecord(loggedOn);
        SendRecord(waiting);
    };
    network.Run(scene, 20);

    EXPECT_TRUE(sendsAtOnce);
    ASSERT_EQ(backlog.size(), static_cast<std::size_t>(kBacklog));
    EXPECT_GE(scene.acceptedBeforeLoggedOn, 0);
    EXPECT_LE(scene.acceptedBeforeLoggedOn, 1);
    EXPECT_GE(scene.acceptedBeforeWaiting, 0);
    EXPECT_LE(scene.acceptedBeforeWaiting, kAcceptsPerTurn);
    for (int fd : backlog) {
        ::close(fd);
    }
    ::close(loggedOn);
    ::close(waiting);
}

} // namespace
} // namespace quord
