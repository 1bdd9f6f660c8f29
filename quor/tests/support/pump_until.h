// SPDX-License-Identifier: MIT
// Waiting in tests without threads: the library (or whatever drives it) is
// pumped in short rounds until a condition holds or the time is up, so the
// test's client and the servers it talks to make progress together.
#pragma once

#include <functional>

namespace quor::testing {

// One round of pumping that waits at most timeoutMs for work. Callers that
// drive the library through a layer of their own (one that, say, rethrows
// its handlers' faults) pass that layer's pump here.
using PumpStep = std::function<void(int timeoutMs)>;

// Pumps until cond() holds or timeoutMs passes; returns cond(). Without a
// step the library is pumped directly (quor_pump).
bool PumpUntil(const std::function<bool()> &cond, int timeoutMs = 3000, const PumpStep &step = {});
// Pumps for the given time.
void PumpFor(int ms, const PumpStep &step = {});

} // namespace quor::testing
