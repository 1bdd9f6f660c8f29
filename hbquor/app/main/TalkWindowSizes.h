// SPDX-License-Identifier: MIT
// TalkWindowSizes: the size new conversation windows open with, and the size
// new channel windows open with. Each is the size the user last gave a window
// of that kind (maximising does not count), starting from the settings and
// kept in them at close. A remembered size is never smaller than the kind's
// starting size, and a new window is never made larger than the screen.
#pragma once

#include <QObject>
#include <QSize>

#include <functional>

class TQuorTalkWindow;

class TalkWindowSizes : public QObject {
    Q_OBJECT

public:
    /// chat and channel as stored (0 for "the starting size"); room gives
    /// the size of the screen a new window goes on.
    TalkWindowSizes(const QSize &chat, const QSize &channel, std::function<QSize()> room);

    /// Gives a new window the size remembered for its kind and follows the
    /// sizes the user gives it.
    void Apply(TQuorTalkWindow *window);

    QSize Chat() const { return FChat; }
    QSize Channel() const { return FChannel; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// The remembered size of window's kind.
    QSize &SizeFor(const QObject *window);

    QSize FChat;
    QSize FChannel;
    std::function<QSize()> FRoom;
};
