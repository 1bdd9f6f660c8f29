// SPDX-License-Identifier: MIT
// FindBar: Ctrl+F in a conversation or channel window opens a bar over the
// top of its pane that finds a text in the whole conversation: every match
// in the pane is highlighted, Enter goes to the next older match and
// Shift+Enter to the next newer one, loading older pages from the history
// when the pane has no older match (typing only finds in the lines shown);
// Esc closes the bar (not the window).
// Letter case does not matter.
#pragma once

#include <QTextCursor>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TQuorTalkWindow;

namespace hbquor::historyview {

class PastLines;

class FindBar : public QWidget {
    Q_OBJECT

public:
    /// A bar for window, hidden until Ctrl+F; a child of the window. past
    /// (may be null) gives the older pages.
    FindBar(TQuorTalkWindow &window, PastLines *past);

    /// Shows the bar with the input focused and its text selected.
    void Open();
    /// Goes to the next older (or newer) match, loading older pages when
    /// the pane has none and mayLoad says so; false when there is none.
    bool Step(bool older, bool mayLoad = true);
    /// Matches highlighted in the pane.
    int MatchCount() const { return FMatches; }

    QLineEdit *const inpFind;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Highlights every match of the input in the pane.
    void Highlight();
    /// Keeps the bar over the top of the pane.
    void Place();

    QPlainTextEdit *FPane;
    PastLines *FPast;
    QLabel *FCount;
    QTextCursor FCurrent;
    int FMatches = 0;
};

} // namespace hbquor::historyview
