// Text round trips between two library sessions in one process: alice sends
// a text to bob, bob's callback sends it back, alice's callback takes the
// time and sends the next.
#pragma once

#include <string>
#include <vector>

namespace quor::bench {

struct PingPongPlan {
    int port = 0;
    std::string caFile; // empty: plain TCP; else TLS trusting this file
    int warmUp = 200;   // round trips not measured
    int roundTrips = 5000;
    std::string alicePassword = "alice-pw";
    std::string bobPassword = "bob-pw";
};

// Microseconds of each measured round trip; empty when the run failed (a
// login refused, a disconnect, or no progress for ten seconds).
std::vector<double> RunPingPong(const PingPongPlan &plan);

} // namespace quor::bench
