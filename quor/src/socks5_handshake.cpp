// SPDX-License-Identifier: MIT
// SOCKS5 (RFC 1928): the methods offered, the user name and password of
// RFC 1929 when the proxy asks for them, then the CONNECT request with the
// server's name as it was given, for the proxy to resolve.
#include "proxy_handshake.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cstdint>

namespace quor {

namespace {

constexpr char kVersion = 5;
constexpr char kAuthVersion = 1;
constexpr unsigned char kNoAuthentication = 0;
constexpr unsigned char kUserPassword = 2;
constexpr unsigned char kNoAcceptableMethod = 0xFF;
constexpr char kConnect = 1;
constexpr unsigned char kSucceeded = 0;
constexpr unsigned char kIpv4 = 1;
constexpr unsigned char kDomainName = 3;
constexpr unsigned char kIpv6 = 4;
// The answer to CONNECT up to the first byte of its address, which tells
// how much of the address follows.
constexpr std::size_t kReplyHead = 5;

std::string WithLength(const std::string &text) {
    return std::string(1, static_cast<char>(text.size())) + text;
}

// The destination as RFC 1928 writes it: an address as its bytes, any
// other name as text; empty when a name is too long for its length byte.
std::string Destination(const std::string &host, int port) {
    std::string destination;
    in_addr v4{};
    in6_addr v6{};
    if (inet_pton(AF_INET, host.c_str(), &v4) == 1) {
        destination = static_cast<char>(kIpv4);
        destination.append(reinterpret_cast<const char *>(&v4), sizeof v4);
    } else if (inet_pton(AF_INET6, host.c_str(), &v6) == 1) {
        destination = static_cast<char>(kIpv6);
        destination.append(reinterpret_cast<const char *>(&v6), sizeof v6);
    } else if (!host.empty() && host.size() <= 255) {
        destination = static_cast<char>(kDomainName) + WithLength(host);
    } else {
        return {};
    }
    destination += static_cast<char>((port >> 8) & 0xFF);
    destination += static_cast<char>(port & 0xFF);
    return destination;
}

class Socks5Handshake final : public ProxyHandshake {
public:
    Socks5Handshake(const ProxySettings &proxy, int fd, std::string destination)
        : ProxyHandshake(fd), user_(proxy.user), password_(proxy.password),
          destination_(std::move(destination)) {
        // With credentials, a proxy that wants none may still choose none.
        const std::string methods = Authenticates()
                                        ? std::string{char(kNoAuthentication), char(kUserPassword)}
                                        : std::string{char(kNoAuthentication)};
        Send(std::string(1, kVersion) + WithLength(methods));
        Expect(2);
    }

private:
    enum class Phase { kMethod, kAuthentication, kReplyHead, kReplyAddress };

    bool Authenticates() const { return !user_.empty(); }

    OpenResult Answered(std::string_view answer) override {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(answer[i]); };
        switch (phase_) {
        case Phase::kMethod:
            if (answer[0] != kVersion) {
                return Refused();
            }
            if (byte(1) == kNoAuthentication) {
                return AskForTunnel();
            }
            if (byte(1) == kUserPassword && Authenticates()) {
                Send(std::string(1, kAuthVersion) + WithLength(user_) + WithLength(password_));
                Expect(2);
                phase_ = Phase::kAuthentication;
                return GoOn();
            }
            // No method of ours would do: it wants credentials we lack.
            return byte(1) == kNoAcceptableMethod ? AuthFailed() : Refused();
        case Phase::kAuthentication:
            if (answer[0] != kAuthVersion) {
                return Refused();
            }
            return byte(1) == kSucceeded ? AskForTunnel() : AuthFailed();
        case Phase::kReplyHead:
            if (answer[0] != kVersion || byte(1) != kSucceeded) {
                return Refused();
            }
            // The rest of the bound address, and the port.
            switch (byte(3)) {
            case kIpv4:
                Expect(sizeof(in_addr) - 1 + 2);
                break;
            case kIpv6:
                Expect(sizeof(in6_addr) - 1 + 2);
                break;
            case kDomainName:
                Expect(byte(4) + 2u);
                break;
            default:
                return Refused();
            }
            phase_ = Phase::kReplyAddress;
            return GoOn();
        case Phase::kReplyAddress:
            break;
        }
        return Open();
    }

    OpenResult AskForTunnel() {
        Send(std::string{kVersion, kConnect, 0} + destination_);
        Expect(kReplyHead);
        phase_ = Phase::kReplyHead;
        return GoOn();
    }

    std::string user_;
    std::string password_;
    std::string destination_;
    Phase phase_ = Phase::kMethod;
};

} // namespace

std::unique_ptr<ProxyHandshake> NewSocks5Handshake(const ProxySettings &proxy, int fd,
                                                   const std::string &host, int port) {
    std::string destination = Destination(host, port);
    if (destination.empty()) {
        return nullptr;
    }
    return std::make_unique<Socks5Handshake>(proxy, fd, std::move(destination));
}

} // namespace quor
