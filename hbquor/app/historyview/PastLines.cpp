// SPDX-License-Identifier: MIT
#include "PastLines.h"

#include "DisplayText.h"
#include "HistoryStore.h"
#include "TalkWindow.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace hbquor::historyview {

using history::Line;
using history::LineKind;

namespace {

bool ShownInWindow(const Line &line) {
    return line.Kind == LineKind::Text || line.Kind == LineKind::ChannelText;
}

/// The history's id of a line in the pane.
struct LineId : QTextBlockUserData {
    explicit LineId(qint64 id) : Id(id) {}
    qint64 Id;
};

qint64 IdOf(const QTextBlock &block) {
    const auto *data = static_cast<const LineId *>(block.userData());
    return data != nullptr ? data->Id : 0;
}

/// The mark's look: small and grey, below the lines it follows.
void StyleAsMark(QPlainTextEdit *pane) {
    QTextCursor cursor(pane->document()->lastBlock());
    cursor.select(QTextCursor::BlockUnderCursor);
    QTextCharFormat format;
    format.setForeground(Qt::gray);
    format.setFontPointSize(6);
    cursor.mergeCharFormat(format);
}

} // namespace

QString PastLines::EarlierMark() {
    return tr("earlier");
}

PastLines::PastLines(TQuorTalkWindow &window, history::HistoryStore &store,
                     history::Account account, QString peer, LineForm form)
    : QObject(&window), FWindow(window), FStore(store), FAccount(std::move(account)),
      FPeer(std::move(peer)), FForm(std::move(form)) {
    const QList<Line> past = Page(0);
    if (past.isEmpty())
        return;
    for (const Line &line : past) {
        FWindow.AddLine(FForm(line));
        FWindow.Memo1->document()->lastBlock().setUserData(new LineId(line.Id));
    }
    FWindow.AddLine(EarlierMark());
    StyleAsMark(FWindow.Memo1);
    connect(FWindow.Memo1->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &PastLines::ScrolledTo);
}

QList<Line> PastLines::Page(qint64 beforeId) {
    QList<Line> shown;
    // Pages of other lines (a run of logons) are passed over.
    while (shown.isEmpty()) {
        const QList<Line> page =
            FStore.Recent(FAccount, FPeer, history::HistoryStore::WindowLines, beforeId);
        for (const Line &line : page)
            if (ShownInWindow(line))
                shown << line;
        if (page.size() < history::HistoryStore::WindowLines) {
            FFirstId = shown.isEmpty() ? beforeId : shown.first().Id;
            break;
        }
        beforeId = page.first().Id;
    }
    return shown;
}

qint64 PastLines::OldestShown() const {
    return IdOf(FWindow.Memo1->document()->firstBlock());
}

bool PastLines::HasOlder() const {
    const qint64 oldest = OldestShown();
    return oldest != 0 && oldest != FFirstId;
}

bool PastLines::LoadOlder() {
    if (!HasOlder())
        return false;
    const QList<Line> page = Page(OldestShown());
    if (page.isEmpty())
        return false;
    QPlainTextEdit *pane = FWindow.Memo1;
    QScrollBar *bar = pane->verticalScrollBar();
    const int fromBottom = bar->maximum() - bar->value();
    QTextCursor cursor(pane->document());
    cursor.beginEditBlock();
    for (const Line &line : page) {
        cursor.insertText(OneLine(FForm(line), Tabs::Keep));
        cursor.block().setUserData(new LineId(line.Id));
        cursor.insertBlock();
    }
    cursor.endEditBlock();
    // The line that was at the top stays there.
    bar->setValue(bar->maximum() - fromBottom);
    return true;
}

bool PastLines::ShowLine(qint64 id) {
    QTextDocument *document = FWindow.Memo1->document();
    while (OldestShown() > id && LoadOlder()) {
    }
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
        if (IdOf(block) != id)
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        FWindow.Memo1->setTextCursor(cursor);
        FWindow.Memo1->ensureCursorVisible();
        return true;
    }
    return false;
}

void PastLines::ScrolledTo(int value) {
    if (value == FWindow.Memo1->verticalScrollBar()->minimum() && FWindow.isVisible())
        LoadOlder();
}

} // namespace hbquor::historyview
