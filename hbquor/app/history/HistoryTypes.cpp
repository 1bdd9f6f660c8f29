// SPDX-License-Identifier: MIT
#include "HistoryTypes.h"

#include <cmath>

namespace hbquor::history {

namespace {

constexpr double MsPerDay = 86400000.0;
// 1 January 1970 as a day count, and VRT's lag behind UTC.
constexpr double UnixEpochDay = 25569.0;
constexpr qint64 VrtLagMs = 2 * 3600 * 1000;

} // namespace

qint64 UtcMsFromVrt(double vrt) {
    return std::llround((vrt - UnixEpochDay) * MsPerDay) + VrtLagMs;
}

double VrtFromUtcMs(qint64 ms) {
    return double(ms - VrtLagMs) / MsPerDay + UnixEpochDay;
}

} // namespace hbquor::history
