// SPDX-License-Identifier: MIT
#include "LinePane.h"

#include "DisplayText.h"
#include "LinkText.h"
#include "PaneLinks.h"

#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <exception>

LinePane::LinePane(QTextEdit *view)
    : LinePane(
          view, view->document(), [view] { return view->textCursor(); },
          [view](const QTextCursor &cursor) { view->setTextCursor(cursor); },
          [view] { return view->cursorForPosition(QPoint(0, 0)).block(); },
          [view](const QTextBlock &block) {
              // A rich text view scrolls by pixels.
              return qRound(view->document()->documentLayout()->blockBoundingRect(block).top());
          }) {
    new PaneLinks(view, [view](const QPoint &at) { return view->anchorAt(at); });
}

LinePane::LinePane(QPlainTextEdit *view)
    : LinePane(
          view, view->document(), [view] { return view->textCursor(); },
          [view](const QTextCursor &cursor) { view->setTextCursor(cursor); },
          [view] { return view->cursorForPosition(QPoint(0, 0)).block(); },
          // A plain text view scrolls by lines.
          [](const QTextBlock &block) { return block.firstLineNumber(); }) {
    new PaneLinks(view, [view](const QPoint &at) { return view->anchorAt(at); });
}

LinePane::LinePane(QAbstractScrollArea *view, QTextDocument *document,
                   std::function<QTextCursor()> getCursor,
                   std::function<void(const QTextCursor &)> setCursor,
                   std::function<QTextBlock()> topBlock,
                   std::function<int(const QTextBlock &)> scrollValueOf)
    : FView(view), FDocument(document), FGetCursor(std::move(getCursor)),
      FSetCursor(std::move(setCursor)), FTopBlock(std::move(topBlock)),
      FScrollValueOf(std::move(scrollValueOf)) {
    FDocument->setUndoRedoEnabled(false);
    FDocument->clear();
}

QString LinePane::ModeCaption(bool frozen) {
    return frozen ? tr("frozen") : tr("scrolling");
}

int LinePane::LineCount() const {
    if (FDocument->isEmpty())
        return 0;
    return FDocument->blockCount();
}

void LinePane::Clear() {
    FDocument->clear();
}

namespace {

/// Where a character format keeps the size it was designed with.
constexpr int DesignedPointsProperty = QTextFormat::UserProperty + 1;

} // namespace

QTextCharFormat LinePane::Zoomed(const QTextCharFormat &chars) const {
    QTextCharFormat zoomed = chars;
    if (chars.hasProperty(QTextFormat::FontPointSize) ||
        chars.hasProperty(DesignedPointsProperty)) {
        const qreal designed = chars.hasProperty(DesignedPointsProperty)
                                   ? chars.doubleProperty(DesignedPointsProperty)
                                   : chars.fontPointSize();
        zoomed.setProperty(DesignedPointsProperty, designed);
        zoomed.setFontPointSize(std::max<qreal>(1, designed + FZoom));
    }
    return zoomed;
}

void LinePane::SetZoom(int points) {
    // The view's font, for lines without a size of their own.
    QFont font = FView->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max<qreal>(1, font.pointSizeF() - FZoom + points));
    FView->setFont(font);
    FZoom = points;
    // Every fragment with a size of its own takes the new one; the
    // fragments are listed first, as changing them merges and splits them.
    QList<QTextFragment> sized;
    for (QTextBlock block = FDocument->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().hasProperty(DesignedPointsProperty))
                sized.append(it.fragment());
        }
    }
    QTextCursor cursor(FDocument);
    cursor.beginEditBlock();
    for (const QTextFragment &fragment : sized) {
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(Zoomed(fragment.charFormat()));
    }
    cursor.endEditBlock();
}

int LinePane::TrimOldLines() {
    const int count = LineCount();
    if (count <= MaxLines)
        return 0;
    // One selection from the start to the first kept line, removed at once.
    QTextCursor cursor(FDocument);
    cursor.movePosition(QTextCursor::Start);
    const QTextBlock firstKept = FDocument->findBlockByNumber(count - KeepLines);
    cursor.setPosition(firstKept.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    return count - KeepLines;
}

void LinePane::AppendParagraph(const QString &text, const QTextBlockFormat &block,
                               const QTextCharFormat &designed) {
    const QTextCharFormat chars = Zoomed(designed);
    QTextCursor cursor(FDocument);
    cursor.movePosition(QTextCursor::End);
    const bool first = FDocument->isEmpty();
    if (first) {
        // The empty pane takes the line's formats in an edit of its own:
        // the line's text then goes in as a pure insertion, which is how
        // assistive technology hears of a new line.
        cursor.beginEditBlock();
        cursor.setBlockFormat(block);
        cursor.setBlockCharFormat(chars);
        cursor.endEditBlock();
    }
    cursor.beginEditBlock();
    if (!first)
        cursor.insertBlock(block, chars);
    // Addresses become links with the address as their tooltip; every piece
    // goes in as text, so nothing in it is read as markup.
    for (const hbquor::TextPiece &piece :
         hbquor::SplitLinks(hbquor::OneLine(text, hbquor::Tabs::Keep))) {
        if (!piece.IsLink()) {
            cursor.insertText(piece.Text, chars);
            continue;
        }
        QTextCharFormat link = chars;
        link.setAnchor(true);
        link.setAnchorHref(piece.Link);
        link.setToolTip(piece.Link);
        link.setFontUnderline(true);
        link.setForeground(FView->palette().color(QPalette::Link));
        cursor.insertText(piece.Text, link);
    }
    cursor.endEditBlock();
}

void LinePane::FollowEnd() {
    QTextCursor cursor = FGetCursor();
    cursor.movePosition(QTextCursor::End);
    FSetCursor(cursor);
    FView->verticalScrollBar()->setValue(FView->verticalScrollBar()->maximum());
}

void LinePane::AddLine(const QString &text, const QTextBlockFormat &block,
                       const QTextCharFormat &chars) {
    QWidget *viewport = FView->viewport();
    const bool wasUpdating = viewport->updatesEnabled();
    viewport->setUpdatesEnabled(false);

    // The line at the top of the view, and how far into it the view starts:
    // a frozen view shows the same text afterwards, even when trimming has
    // removed the lines above it.
    const QTextBlock top = FTopBlock();
    int topLine = top.blockNumber();
    int topOffset = FView->verticalScrollBar()->value() - FScrollValueOf(top);

    // Positions, not a cursor: a cursor would move along with the insertion.
    int anchor = 0;
    int position = 0;
    try {
        topLine -= TrimOldLines();
        // The view's cursor followed the removal; remember where it is now.
        anchor = FGetCursor().anchor();
        position = FGetCursor().position();
        AppendParagraph(text, block, chars);
    } catch (const std::exception &) {
        FDocument->clear();
        anchor = position = topLine = topOffset = 0;
    }

    if (FFrozen) {
        const QTextCursor now = FGetCursor();
        if (now.anchor() != anchor || now.position() != position) {
            QTextCursor restored(FDocument);
            restored.setPosition(anchor);
            restored.setPosition(position, QTextCursor::KeepAnchor);
            FSetCursor(restored);
        }
        if (topLine < 0) {
            // The line in view was cut away: show the oldest line left.
            topLine = topOffset = 0;
        }
        FView->verticalScrollBar()->setValue(FScrollValueOf(FDocument->findBlockByNumber(topLine)) +
                                             topOffset);
    } else {
        FollowEnd();
    }
    viewport->setUpdatesEnabled(wasUpdating);
}

void LinePane::SetFrozen(bool frozen) {
    FFrozen = frozen;
    if (!frozen)
        FollowEnd();
}
