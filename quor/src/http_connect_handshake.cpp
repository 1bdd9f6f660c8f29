// SPDX-License-Identifier: MIT
// HTTP CONNECT: one request for a tunnel to the server, with Basic
// authentication when a user is given; the answer's status line decides.
#include "proxy_handshake.h"

#include <openssl/evp.h>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <algorithm>
#include <cctype>

namespace quor {

namespace {

// A name or address that can stand in a request line as it is: nothing
// that would end the line, the word, or start a header of its own.
bool Printable(const std::string &host) {
    return !host.empty() && std::all_of(host.begin(), host.end(), [](char c) {
        return static_cast<unsigned char>(c) > ' ' && static_cast<unsigned char>(c) < 0x7F;
    });
}

std::string Authority(const std::string &host, int port) {
    in6_addr v6{};
    const bool ipv6 = inet_pton(AF_INET6, host.c_str(), &v6) == 1;
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::string Base64(const std::string &text) {
    std::string encoded(4 * ((text.size() + 2) / 3) + 1, '\0');
    const int n = EVP_EncodeBlock(reinterpret_cast<unsigned char *>(encoded.data()),
                                  reinterpret_cast<const unsigned char *>(text.data()),
                                  static_cast<int>(text.size()));
    encoded.resize(static_cast<std::size_t>(n));
    return encoded;
}

bool Digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The status code of "HTTP/x.y NNN reason"; -1 when the line is not one.
int StatusCode(std::string_view answer) {
    const std::string_view line = answer.substr(0, answer.find("\r\n"));
    if (line.size() < 12 || line.substr(0, 5) != "HTTP/" || !Digit(line[5]) || line[6] != '.' ||
        !Digit(line[7]) || line[8] != ' ' || !Digit(line[9]) || !Digit(line[10]) ||
        !Digit(line[11]) || (line.size() > 12 && line[12] != ' ')) {
        return -1;
    }
    return (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
}

class HttpConnectHandshake final : public ProxyHandshake {
public:
    HttpConnectHandshake(const ProxySettings &proxy, int fd, const std::string &authority)
        : ProxyHandshake(fd) {
        std::string request = "CONNECT " + authority + " HTTP/1.1\r\nHost: " + authority + "\r\n";
        if (!proxy.user.empty()) {
            request +=
                "Proxy-Authorization: Basic " + Base64(proxy.user + ":" + proxy.password) + "\r\n";
        }
        Send(request + "\r\n");
        ExpectHeaders();
    }

private:
    OpenResult Answered(std::string_view answer) override {
        const int status = StatusCode(answer);
        if (status >= 200 && status <= 299) {
            return Open();
        }
        // 407 is what the standard says; some proxies answer credentials they
        // do not take with 401, as a web server would.
        return status == 407 || status == 401 ? AuthFailed() : Refused();
    }
};

} // namespace

std::unique_ptr<ProxyHandshake> NewHttpConnectHandshake(const ProxySettings &proxy, int fd,
                                                        const std::string &host, int port) {
    if (!Printable(host)) {
        return nullptr;
    }
    return std::make_unique<HttpConnectHandshake>(proxy, fd, Authority(host, port));
}

} // namespace quor
