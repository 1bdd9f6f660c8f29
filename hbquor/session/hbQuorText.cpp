#include "hbQuorText.h"

namespace hbquor {

std::string FlattenControlCharacters(std::string_view text) {
    std::string flat(text);
    for (char &c : flat) {
        if (static_cast<unsigned char>(c) < ' ' && c != '\t')
            c = ' ';
    }
    return flat;
}

std::string SplitChunk(std::string &rest, std::size_t maximum, std::string_view separators) {
    if (rest.size() <= maximum || maximum == 0) {
        std::string piece;
        piece.swap(rest);
        return piece;
    }
    // Cut length, counted from the front: the piece is rest[0, cut).
    std::size_t cut = maximum;
    if (rest[maximum] != ' ') {
        while (cut > 0 && separators.find(rest[cut - 1]) == std::string_view::npos)
            --cut;
        if (cut == 0)
            cut = maximum;
    }
    std::string piece = rest.substr(0, cut);
    std::size_t next = cut;
    while (next < rest.size() && static_cast<unsigned char>(rest[next]) <= ' ')
        ++next;
    rest.erase(0, next);
    return piece;
}

} // namespace hbquor
