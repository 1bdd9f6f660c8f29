// SPDX-License-Identifier: MIT
// Guards calls into the library against a fault raised inside it. The
// library is C and never throws; a fault that does escape is turned into a
// report text instead of unwinding through the caller.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <utility>

namespace hbquor {

// "<kind> - <message>" for an exception: the kind is its readable type name.
std::string FaultText(const std::exception &fault);
// Text for a fault that is not a standard exception.
std::string UnknownFaultText();

// Runs call; returns std::nullopt when it completed, else the fault's text.
template <class Call> std::optional<std::string> GuardLibraryCall(Call &&call) {
    try {
        std::forward<Call>(call)();
    } catch (const std::exception &fault) {
        return FaultText(fault);
    } catch (...) {
        return UnknownFaultText();
    }
    return std::nullopt;
}

} // namespace hbquor
