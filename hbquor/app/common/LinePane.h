// SPDX-License-Identifier: MIT
// LinePane: the line rule shared by every text pane of the program (the main
// window's log and the conversation and channel windows).
//
// A pane keeps at most MaxLines lines: once it holds more, the oldest lines
// are cut away in one edit until KeepLines remain, so trimming happens once
// per hundred lines. In "scrolling" mode the view follows every new line; in
// "frozen" mode a new line neither moves the view nor touches the user's
// selection (the text in view stays in view when old lines are cut), and switching back to
// "scrolling" jumps to the newest line.
//
// Assistive technology hears every new line as text inserted at the end:
// the line goes in as an edit of its own that removes nothing (trimming is
// a separate edit before it), and neither the keyboard focus nor, when
// frozen, the caret moves. A screen reader reads the pane line by line.
//
// The web and mail addresses in a line become links (LinkText), with the
// address as tooltip; a click opens them (PaneLinks). The rest of the line
// stays plain text.
//
// The pane works on a QTextEdit (styled paragraphs) or a QPlainTextEdit
// (plain lines); it does not own the view.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <functional>

class QAbstractScrollArea;
class QPlainTextEdit;
class QTextDocument;
class QTextEdit;

class LinePane {
    Q_DECLARE_TR_FUNCTIONS(LinePane)

public:
    /// Above this many lines the pane is trimmed before a new line is added.
    static constexpr int MaxLines = 600;
    /// Trimming removes the oldest lines until this many remain.
    static constexpr int KeepLines = 500;

    /// Binds the rule to a view; the view must outlive the pane. The view's
    /// document gets undo switched off (a log has nothing to undo) and its
    /// contents are cleared.
    explicit LinePane(QTextEdit *view);
    explicit LinePane(QPlainTextEdit *view);

    /// Appends one line (paragraph) in the given formats, trimming first and
    /// keeping or following the view as the mode says. Whatever the text
    /// holds, it stays one paragraph: its line breaks and control characters
    /// other than tabs show as blanks. If the document fails
    /// while being edited, the pane is emptied and the program goes on.
    void AddLine(const QString &text, const QTextBlockFormat &block = QTextBlockFormat(),
                 const QTextCharFormat &chars = QTextCharFormat());

    /// Sets the mode; leaving "frozen" moves the caret to the end so that the
    /// view shows the newest line.
    void SetFrozen(bool frozen);
    bool IsFrozen() const { return FFrozen; }

    /// The caption of the mode toggle: "frozen" or "scrolling".
    static QString ModeCaption(bool frozen);

    /// Number of lines (paragraphs) the pane holds; an empty pane holds 0.
    int LineCount() const;

    /// Empties the pane.
    void Clear();

    /// Makes the pane's text points larger (or smaller, negative) than its
    /// designed size: the lines it holds and every line added later.
    void SetZoom(int points);
    int Zoom() const { return FZoom; }

private:
    LinePane(QAbstractScrollArea *view, QTextDocument *document,
             std::function<QTextCursor()> getCursor,
             std::function<void(const QTextCursor &)> setCursor,
             std::function<QTextBlock()> topBlock,
             std::function<int(const QTextBlock &)> scrollValueOf);

    /// Removes the oldest lines in one edit when the pane is over MaxLines;
    /// returns how many were removed.
    int TrimOldLines();
    /// Inserts the text as the last paragraph.
    void AppendParagraph(const QString &text, const QTextBlockFormat &block,
                         const QTextCharFormat &chars);
    /// Puts the caret at the end and scrolls it into view.
    void FollowEnd();
    /// chars with its designed size kept and the zoom applied.
    QTextCharFormat Zoomed(const QTextCharFormat &chars) const;

    QAbstractScrollArea *FView;
    QTextDocument *FDocument;
    std::function<QTextCursor()> FGetCursor;
    std::function<void(const QTextCursor &)> FSetCursor;
    /// The line shown at the top of the view.
    std::function<QTextBlock()> FTopBlock;
    /// The vertical scroll value that puts a line at the top of the view.
    std::function<int(const QTextBlock &)> FScrollValueOf;
    bool FFrozen = false;
    int FZoom = 0;
};
