// SPDX-License-Identifier: MIT
// The event function of every session's connection: turns connection events
// into the caller's callbacks.
#pragma once

#include "connection.h"

namespace quor {

void Dispatch(QuorConnection &connection, ConnectionEvent event);

// Library code for a server error reply answering a request, by the request
// id; 5 for pairs the tables do not list.
int TranslateError(int requestId, int errorId);
// Library code for an error that refuses delivery of a text (101, 112,
// 137), whatever the request; 0 for other errors.
int TextDeliveryError(int errorId);

} // namespace quor
