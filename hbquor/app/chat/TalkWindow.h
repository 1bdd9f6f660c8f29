// SPDX-License-Identifier: MIT
// TQuorTalkWindow: what the conversation and channel windows share.
//
// A window that stays on top of all others, with a read-only text pane
// (Memo1), a thin "scrolling"/"frozen" toggle bar under it (SpeedButton1) and
// a 400-character input line (Edit1) that has the focus. Enter sends the
// typed line through the send handler the main window installs; a sent line
// is added to the pane as "own name: <tab>text". The pane keeps the program's
// line rule (beyond 600 lines it is cut back to 500 in one edit).
//
// The designed size is the window's starting and minimum size; a larger or
// maximised window gives the extra room to the pane, with the toggle bar and
// the input staying at the bottom. Tab goes from the input to the pane and on
// to the toggle bar, unless it completes a name (channel windows); Up and
// Down in the input recall the texts sent from it; a long text is sent line
// by line after a question (LongTextGuard); Esc and Ctrl+W close the
// window.
//
// A window that received lines while it was not active shows how many
// before its title ("(3) ") until it is activated.
//
// The window frees itself when closed and tells the main window first. It
// does not keep the program running once the main window has closed.
#pragma once

#include "LinePane.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class AnchoredControls;
class PaneZoom;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

/// Where a talk window puts its shared controls, in client coordinates.
struct TalkWindowLayout {
    QSize ClientSize;
    QRect Edit1;
    QRect Memo1;
    QRect SpeedButton1;
    /// Font family of the window itself (its own controls use Arial).
    QString WindowFont;
};

class TQuorTalkWindow : public QWidget {
    Q_OBJECT

public:
    /// Sends one line: (own name, peer or channel name, text) -> true when
    /// sent. Both names are the window's own fields, passed by reference: the
    /// handler may fill in an empty own name (the title is not recomputed).
    using SendTextHandler =
        std::function<bool(QString &ownName, QString &targetName, const QString &text)>;

    /// The input line takes at most this many characters.
    static constexpr int MaxInputLength = 400;

    /// Stores the local user's name (may be empty) and updates the title.
    void SetOwnName(const QString &name);
    const QString &GetOwnName() const { return OwnName; }

    /// Installs the handler Enter sends through; without one Enter does nothing.
    void SetOnSendText(SendTextHandler handler) { OnSendText = std::move(handler); }
    /// Installs the handler told (with the peer or channel name) when Enter
    /// finds a text the window may not send (a channel where the user is
    /// alone); the text stays.
    void SetOnCannotSend(std::function<void(const QString &targetName)> handler) {
        OnCannotSend = std::move(handler);
    }

    /// Turns a line the user said into the line the pane shows (the main
    /// window puts the time stamp before it when asked to); the line as it
    /// is when not set.
    using SaidLineForm = std::function<QString(const QString &line)>;
    void SetSaidLineForm(SaidLineForm form) { FSaidLineForm = std::move(form); }

    /// Names that Tab in the input may complete besides the window's own
    /// (contacts, users heard from).
    using NameSource = std::function<QStringList()>;
    void SetKnownNames(NameSource names) { FKnownNames = std::move(names); }

    /// The pane's text follows zoom, and the window has its keys.
    void FollowZoom(PaneZoom &zoom);

    /// Appends one line to the pane, following it or keeping the view still
    /// as the scroll mode says.
    void AddLine(const QString &text);

    /// "frozen" (true) keeps the view and selection still when lines arrive;
    /// "scrolling" (false) jumps to the newest line.
    void SetFrozen(bool frozen);
    bool IsFrozen() const { return FPane.IsFrozen(); }

    /// Lines received while the window was not active; 0 shows the plain
    /// title.
    void SetUnreadCount(int count);

    /// Number of lines in the pane.
    int LineCount() const { return FPane.LineCount(); }

    /// Shows the window in front; with restoreIfMinimised a minimised window
    /// also returns to its normal size.
    void ShowInFront(bool restoreIfMinimised);

    /// The shared controls; the window owns them. They keep the designer's
    /// numbered names. Legend: Edit1 the input line, Memo1 the text pane,
    /// SpeedButton1 the "scrolling"/"frozen" toggle bar.
    QLineEdit *const Edit1;
    QPlainTextEdit *const Memo1;
    QToolButton *const SpeedButton1;

signals:
    /// The window became the active one.
    void Activated();

public slots:
    /// Sends the input line on Enter (Return or keypad Enter); returns true
    /// when the key was Enter (the input box does not see it then).
    bool Edit1KeyDown(int key);
    /// Switches between "scrolling" and "frozen".
    void SpeedButton1Click();

protected:
    /// lineStartSuffix follows a name Tab completes at the start of a line.
    explicit TQuorTalkWindow(const TalkWindowLayout &layout,
                             const QString &lineStartSuffix = QString());

    /// Keeps control, now at its designed place, at its distances to the
    /// given edges of the window as the window grows.
    void Anchor(QWidget *control, Qt::Edges edges);

    /// Rebuilds the window title from the window's fields (through
    /// ShowTitle).
    virtual void UpdateCaption() = 0;
    /// Gives the text pane the name a screen reader says for it.
    void NamePane(const QString &name);
    /// Shows title, after the count of unread lines when there are any.
    void ShowTitle(const QString &title);
    /// The peer or channel name handed to the send handler.
    virtual QString &SendTarget() = 0;
    /// Whether a line may be sent at all besides a non-empty input.
    virtual bool CanSend() const { return true; }
    /// The names Tab completes in the input, the most likely first; none
    /// unless a window offers them.
    virtual QStringList CompletionNames() const { return {}; }
    QStringList KnownNames() const { return FKnownNames ? FKnownNames() : QStringList(); }
    /// Runs the main window's close handler.
    virtual void NotifyClosed() = 0;

    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QString OwnName;

private:
    /// Sends one line as Enter does, showing it in the pane; false when it
    /// did not go out.
    bool SendLine(const QString &text);
    /// Empties pane and input, limits the input and starts "scrolling".
    void FormCreate();

    LinePane FPane;
    SendTextHandler OnSendText;
    SaidLineForm FSaidLineForm;
    AnchoredControls *FAnchors;
    std::function<void(const QString &)> OnCannotSend;
    int FUnreadCount = 0;
    NameSource FKnownNames;
};
