#include "dispatcher.h"

namespace quor {

namespace {

struct Translation {
    int requestId;
    int errorId;
    int code;
};

// Request 1 is the opening login request.
constexpr Translation kTranslations[] = {
    {1, 100, 3},    {1, 107, 4},    {1, 113, 24},

    {5, 106, 21},   {5, 124, 32},   {5, 125, 33},   {5, 126, 34},   {5, 127, 23},
    {5, 128, 22},   {5, 129, 35},   {5, 135, 19},   {5, 136, 36},

    {6, 103, 20},   {6, 130, 37},   {6, 131, 28},   {6, 132, 38},   {6, 135, 19},

    {302, 102, 8},  {302, 105, 11}, {302, 110, 9},  {302, 112, 10}, {302, 114, 13},
    {302, 119, 14}, {302, 120, 15},

    {318, 127, 23}, {318, 128, 22}, {318, 131, 28},

    {305, 103, 20}, {305, 105, 11},

    {403, 105, 11}, {403, 106, 21}, {403, 127, 23}, {403, 133, 39},

    {317, 103, 20}, {317, 121, 16}, {317, 122, 17}, {317, 123, 18},
};

} // namespace

int TranslateError(int requestId, int errorId) {
    for (const Translation &t : kTranslations) {
        if (t.requestId == requestId && t.errorId == errorId) {
            return t.code;
        }
    }
    return 5;
}

int TextDeliveryError(int errorId) {
    switch (errorId) {
    case 101:
        return 26;
    case 137:
        return 27;
    case 112:
        return 10;
    default:
        return 0;
    }
}

} // namespace quor
