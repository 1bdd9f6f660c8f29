// SPDX-License-Identifier: MIT
// LineInputKeys: the keys that help typing in an input line, installed on a
// QLineEdit: Up and Down recall the texts sent from it this run (a text
// counts as sent when Enter empties the input), and Tab completes the name
// before the cursor from the names it is given, a second Tab taking the next
// match. When there is nothing to complete (an empty input, or no name
// fits) Tab moves the focus as before.
#pragma once

#include "InputHistory.h"
#include "NameCompletion.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLineEdit;

class LineInputKeys : public QObject {
    Q_OBJECT

public:
    using NameSource = std::function<QStringList()>;

    /// Watches input and lives as long as it. Without names Tab only moves
    /// the focus; lineStartSuffix follows a name completed at the start.
    explicit LineInputKeys(QLineEdit *input, NameSource names = {},
                           const QString &lineStartSuffix = QString());

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Up (older) or Down: shows the recalled text; false when there is none.
    bool Recall(bool older);
    bool CompleteName();
    /// The input changed: emptied by the Enter just pressed, its text was
    /// sent.
    void RememberIfSent(const QString &now);

    QLineEdit *FInput;
    NameSource FNames;
    hbquor::InputHistory FHistory;
    hbquor::NameCompletion FCompletion;
    /// The text when Enter was pressed, until the next key.
    QString FEntered;
};
