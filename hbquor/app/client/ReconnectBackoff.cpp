// SPDX-License-Identifier: MIT
#include "ReconnectBackoff.h"

#include <algorithm>
#include <memory>
#include <random>

namespace hbquor::client {

namespace {

ReconnectBackoff::Random SeededRandom() {
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

} // namespace

ReconnectBackoff::ReconnectBackoff(Random random)
    : FRandom(random ? std::move(random) : SeededRandom()) {}

std::chrono::milliseconds ReconnectBackoff::Delay(int attempt) const {
    // Doubling stops well before the shift could overflow.
    const int doublings = std::clamp(attempt - 1, 0, 16);
    const std::chrono::milliseconds full = std::min(Longest, First * (1 << doublings));
    const double drawn = std::clamp(FRandom(), 0.0, 1.0);
    return full - std::chrono::milliseconds(static_cast<long long>(full.count() * drawn / 4));
}

} // namespace hbquor::client
