// SPDX-License-Identifier: MIT
// The library reports socket failures as WinSock error numbers, its
// documented error space for connection errors (10000 and above).
#pragma once

namespace quor {

inline constexpr int kWsaWouldBlock = 10035;
inline constexpr int kWsaInvalidArgument = 10022;
inline constexpr int kWsaAddressNotAvailable = 10049;
inline constexpr int kWsaConnectionReset = 10054;
inline constexpr int kWsaTimedOut = 10060;

// Maps an errno value to its socket error number; unknown values give 10022.
int SocketErrorFromErrno(int err);

// True for send errors that mean the peer or the route is gone for good.
bool IsConnectionLostError(int err);

} // namespace quor
