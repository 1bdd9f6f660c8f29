// SPDX-License-Identifier: MIT
#include "WireText.h"

#include "DisplayText.h"

#include <QStringDecoder>

#include <array>

namespace {

constexpr char16_t Undefined = u'\uFFFD';

// Windows-1252 differs from Latin-1 only in the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> Windows1252High{
    u'\u20AC', Undefined, u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', Undefined, u'\u017D', Undefined,
    Undefined, u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', Undefined, u'\u017E', u'\u0178',
};

QString FromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        const bool high = code >= 0x80 && code < 0xA0;
        text += QChar(high ? Windows1252High[code - 0x80] : char16_t(code));
    }
    return text;
}

} // namespace

QString WireText(std::string_view bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return hbquor::OneLine(utf8.hasError() ? FromWindows1252(bytes) : text);
}
