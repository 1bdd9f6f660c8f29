// SPDX-License-Identifier: MIT
// The two readers the dispatch benchmark compares: the library delivering
// text callbacks, and a plain blocking socket loop that only reads.
#pragma once

#include <cstddef>
#include <string>

namespace quor::bench {

struct ReadResult {
    bool ok = false;         // logged on and received every record
    std::size_t records = 0; // text records received
    double seconds = 0;      // from the login answer to the last record

    double RecordsPerSecond() const { return seconds > 0 ? records / seconds : 0; }
};

// Logs on to 127.0.0.1:port as "bench" through the library and counts
// QUOR_CB_TEXT callbacks while pumping with quor_pump(-1), until `records`
// texts have arrived or the server closes. Initialises and terminates the
// library itself. With a CA file the connection is TLS, trusting it.
ReadResult ReadWithLibrary(int port, std::size_t records, const std::string &caFile = "");

// Sends the login request over a blocking socket, reads the answer, then
// reads the stream with recv calls of one record's size (476 bytes, the most
// a client of this framing asks for) until `records` records have arrived.
ReadResult ReadWithPlainRecv(int port, std::size_t records);

// The same over TLS (verifying the server against caFile): SSL_read calls
// of one record's size on a blocking socket.
ReadResult ReadWithSslRead(int port, std::size_t records, const std::string &caFile);

} // namespace quor::bench
