// SPDX-License-Identifier: MIT
// TFormQuorAbout: the about box, a borderless window with one centred white
// on black label; any click on it closes it.
#pragma once

#include <QDialog>

class QLabel;

class TFormQuorAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormQuorAbout(QWidget *parent = nullptr);

    /// The about text for the library build number; lines are separated by
    /// carriage returns.
    static QString AboutText(int libraryBuild);

    /// Sets the label's text ("\r" separates lines).
    void SetText(const QString &text);

    /// The about text (the designer's numbered name).
    QLabel *Label1;

public slots:
    void FormClick();
    void Label1Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
