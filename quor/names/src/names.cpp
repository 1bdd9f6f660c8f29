// SPDX-License-Identifier: MIT
#include "quor_names/names.h"

namespace quor {

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

unsigned char FoldToLower(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

} // namespace

std::string_view TrimName(std::string_view name) {
    std::size_t first = 0;
    std::size_t last = name.size();
    while (first < last && IsBlankOrControl(name[first])) {
        ++first;
    }
    while (last > first && IsBlankOrControl(name[last - 1])) {
        --last;
    }
    return name.substr(first, last - first);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNamesIgnoringCase(a, b) == 0;
}

int CompareNamesIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = FoldToLower(a[i]);
        const unsigned char y = FoldToLower(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

std::string FoldedName(std::string_view name) {
    std::string folded(name);
    for (char &c : folded) {
        c = static_cast<char>(FoldToLower(c));
    }
    return folded;
}

bool IsChannelName(std::string_view name) {
    return !name.empty() && name.front() == '#';
}

} // namespace quor
