// SPDX-License-Identifier: MIT
#include "LinkText.h"

#include <array>

namespace hbquor {

namespace {

const std::array<QLatin1StringView, 3> Schemes = {
    QLatin1StringView("http://"), QLatin1StringView("https://"), QLatin1StringView("mailto:")};

/// The length of the scheme the text starts with at from, 0 for none.
qsizetype SchemeAt(const QString &text, qsizetype from) {
    for (const QLatin1StringView scheme : Schemes) {
        if (QStringView(text).mid(from).startsWith(scheme, Qt::CaseInsensitive))
            return scheme.size();
    }
    return 0;
}

bool EndsAddress(QChar c) {
    if (c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
        return true;
    return c == u'"' || c == u'<' || c == u'>' || c == u'`';
}

/// Whether an address may start at from: not inside a word.
bool StartsWord(const QString &text, qsizetype from) {
    return from == 0 || !text.at(from - 1).isLetterOrNumber();
}

/// The address's length without the punctuation that ends the sentence
/// around it.
qsizetype WithoutTrailing(QStringView address) {
    qsizetype length = address.size();
    while (length > 0) {
        const QChar last = address.at(length - 1);
        if (QStringView(u".,;:!?'*").contains(last)) {
            --length;
        } else if (last == u')' &&
                   address.left(length).count(u'(') < address.left(length).count(u')')) {
            --length;
        } else {
            break;
        }
    }
    return length;
}

} // namespace

QList<TextPiece> SplitLinks(const QString &line) {
    QList<TextPiece> pieces;
    qsizetype plainFrom = 0;
    qsizetype at = 0;
    while (at < line.size()) {
        const qsizetype scheme = StartsWord(line, at) ? SchemeAt(line, at) : 0;
        if (scheme == 0) {
            ++at;
            continue;
        }
        qsizetype end = at + scheme;
        while (end < line.size() && !EndsAddress(line.at(end)))
            ++end;
        const qsizetype length = WithoutTrailing(QStringView(line).mid(at, end - at));
        if (length <= scheme) {
            at += scheme;
            continue;
        }
        if (at > plainFrom)
            pieces.append({line.mid(plainFrom, at - plainFrom), {}});
        const QString address = line.mid(at, length);
        pieces.append({address, address});
        at += length;
        plainFrom = at;
    }
    if (plainFrom < line.size())
        pieces.append({line.mid(plainFrom), {}});
    return pieces;
}

bool IsOpenableLink(const QString &address) {
    const qsizetype scheme = SchemeAt(address, 0);
    if (scheme == 0 || address.size() <= scheme)
        return false;
    for (const QChar c : address) {
        if (EndsAddress(c))
            return false;
    }
    return true;
}

} // namespace hbquor
