// SPDX-License-Identifier: MIT
// LongTextGuard: a long text (more than MaxLines lines or MaxCharacters
// characters) pasted into an input line or sent from it with Enter goes out
// only when the user says so ("Send 37 lines to carol?", Send / Cancel),
// and then line by line at the server's pace (PacedSender). The lines not
// sent when the connection drops go back into the input, before anything
// typed meanwhile. Shorter texts are left to the input as before.
#pragma once

#include "PacedSender.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLineEdit;
class QWidget;

class LongTextGuard : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxLines = 5;
    static constexpr int MaxCharacters = 2000;

    /// Asks the question; true for Send.
    using Ask = std::function<bool(QWidget *parent, const QString &question)>;

    /// Whether text needs the question.
    static bool IsLong(const QString &text);
    /// The lines of text that are sent: split at any line break, empty
    /// lines left out.
    static QStringList LinesOf(const QString &text);

    /// Watches input and lives as long as it; target names whom the lines
    /// go to, send sends one of them.
    LongTextGuard(QLineEdit *input, std::function<QString()> target, PacedSender::SendLine send);

    /// Replaces the message box (for tests).
    void SetAsk(Ask ask) { FAsk = std::move(ask); }
    const PacedSender &Sender() const { return *FSender; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Asks about a long text and starts sending it on Send; false when the
    /// text is short and the input is to handle it.
    bool Offer(const QString &text);
    /// Puts the lines that did not go out back into the input.
    void KeepUnsent(const QStringList &unsent);

    QLineEdit *FInput;
    std::function<QString()> FTarget;
    PacedSender *FSender;
    Ask FAsk;
};
