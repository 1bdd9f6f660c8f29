// SPDX-License-Identifier: MIT
// Text round trips between pairs of library sessions in one process: alice
// sends a text to bob, bob's callback sends it back, alice's callback takes
// the time and the next round trip starts, on the next pair in turn.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quor::bench {

// One pair of sessions and the server they meet on.
struct PingPongLane {
    int port = 0;
    std::string caFile; // empty: plain TCP; else TLS trusting this file
    std::string alicePassword = "alice-pw";
    std::string bobPassword = "bob-pw";
};

struct PingPongPlan {
    // The lanes take turns round trip by round trip, so that whatever the
    // machine does meanwhile falls on each of them alike.
    std::vector<PingPongLane> lanes;
    int warmUp = 200;      // round trips per lane not measured
    int roundTrips = 5000; // measured round trips per lane
    // Called when the first measured round trip starts and when the last
    // one is back.
    std::function<void()> onMeasureStart;
    std::function<void()> onMeasureEnd;
};

// Microseconds of each measured round trip, one list per lane; empty when
// the run failed (a login refused, a disconnect, or no progress for ten
// seconds).
std::vector<std::vector<double>> RunPingPong(const PingPongPlan &plan);

} // namespace quor::bench
