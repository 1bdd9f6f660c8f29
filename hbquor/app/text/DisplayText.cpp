// SPDX-License-Identifier: MIT
#include "DisplayText.h"

#include <QList>

namespace hbquor {

namespace {

constexpr char16_t FirstStateControl = u'\u202A'; // LRE, RLE, PDF, LRO, RLO
constexpr char16_t LastStateControl = u'\u202E';
constexpr char16_t FirstIsolate = u'\u2066'; // LRI, RLI, FSI
constexpr char16_t Fsi = u'\u2068';
constexpr char16_t Pdi = u'\u2069';

bool IsControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == u'\u2028' || c == u'\u2029';
}

bool IsDirectionControl(char16_t c) {
    return (c >= FirstStateControl && c <= LastStateControl) || (c >= FirstIsolate && c <= Pdi);
}

/// Whether the text holds a character that can move or turn its neighbours
/// in the bidirectional algorithm; left-to-right letters, European digits
/// and neutrals cannot.
bool CanTurnItsSurroundings(const QString &text) {
    for (const char32_t c : text.toUcs4()) {
        switch (QChar::direction(c)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirPDF:
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            return true;
        default:
            break;
        }
    }
    return false;
}

/// FSI, the text, PDI. A PDI of the text without its own opening isolate
/// would end the wrapping one early, and an isolate it leaves open would
/// take the closing PDI: the first kind is dropped, the second closed.
/// Embeddings and overrides need nothing: the closing PDI ends them.
QString Isolated(const QString &text) {
    QString wrapped;
    wrapped.reserve(text.size() + 2);
    wrapped += QChar(Fsi);
    int open = 0;
    for (const QChar c : text) {
        if (c.unicode() == Pdi) {
            if (open == 0)
                continue;
            --open;
        } else if (c.unicode() >= FirstIsolate && c.unicode() < Pdi) {
            ++open;
        }
        wrapped += c;
    }
    wrapped += QString(open + 1, QChar(Pdi));
    return wrapped;
}

} // namespace

QString OneLine(const QString &text, Tabs tabs) {
    QString line = text;
    for (QChar &c : line)
        if (IsControl(c.unicode()) && !(tabs == Tabs::Keep && c == QLatin1Char('\t')))
            c = QLatin1Char(' ');
    return line;
}

QString LineField(const QString &text) {
    const QString line = OneLine(text);
    return CanTurnItsSurroundings(line) ? Isolated(line) : line;
}

QString SaidLine(const QString &name, const QString &text) {
    return LineField(name) + QStringLiteral(": \t") + LineField(text);
}

QString FileLine(const QString &text) {
    QString line = OneLine(text);
    line.removeIf([](QChar c) { return IsDirectionControl(c.unicode()); });
    return line;
}

} // namespace hbquor
