#include "hbQuorNames.h"

namespace hbquor {

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

char FoldAsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

} // namespace

std::string TrimName(std::string_view name) {
    std::size_t first = 0;
    std::size_t last = name.size();
    while (first < last && IsBlankOrControl(name[first]))
        ++first;
    while (last > first && IsBlankOrControl(name[last - 1]))
        --last;
    return std::string(name.substr(first, last - first));
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAsciiUpper(a[i]) != FoldAsciiUpper(b[i]))
            return false;
    }
    return true;
}

bool IsChannelName(std::string_view name) {
    return !name.empty() && name.front() == '#';
}

} // namespace hbquor
