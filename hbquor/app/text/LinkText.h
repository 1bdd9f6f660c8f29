// SPDX-License-Identifier: MIT
// LinkText: the web and mail addresses in a line of text, so that the panes
// can show them as links. Only http://, https:// and mailto: addresses count;
// everything else, other schemes included, stays plain text. Nothing in the
// text is ever read as markup: the panes insert the pieces as text and put
// the address on the link themselves.
#pragma once

#include <QList>
#include <QString>

namespace hbquor {

/// One piece of a line: plain text, or an address (Link is the address
/// itself, the same as Text).
struct TextPiece {
    QString Text;
    QString Link;
    bool IsLink() const { return !Link.isEmpty(); }
    bool operator==(const TextPiece &) const = default;
};

/// The line cut into plain pieces and addresses, in order; joined again they
/// give the line unchanged. An address ends before white space, control and
/// format characters and quotes or angle brackets; punctuation that ends a
/// sentence and a closing bracket that opens nowhere in the address are
/// left out of it.
QList<TextPiece> SplitLinks(const QString &line);

/// Whether a pane may open the address: http, https or mailto, with
/// something after the scheme.
bool IsOpenableLink(const QString &address);

} // namespace hbquor
