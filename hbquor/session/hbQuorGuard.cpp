// SPDX-License-Identifier: MIT
#include "hbQuorGuard.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace hbquor {

namespace {

std::string ReadableTypeName(const std::type_info &type) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return (status == 0 && demangled) ? std::string(demangled.get()) : std::string(type.name());
}

} // namespace

std::string FaultText(const std::exception &fault) {
    return ReadableTypeName(typeid(fault)) + " - " + fault.what();
}

std::string UnknownFaultText() {
    return "unknown fault - not a standard exception";
}

} // namespace hbquor
