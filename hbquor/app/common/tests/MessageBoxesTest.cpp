// SPDX-License-Identifier: MIT
// The program's message boxes show a server's name as it came: "<b>" and
// "<a href>" in it are text, never markup.
#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class MessageBoxesTest : public QObject {
    Q_OBJECT

private:
    /// The text of the next box's label, whose format must be plain, read
    /// before the box is answered with button.
    QString FShown;

    void AnswerNextBox(QMessageBox::StandardButton button) {
        QTimer::singleShot(10, this, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr)
                return AnswerNextBox(button);
            const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            FShown = label->textFormat() == Qt::PlainText ? label->text() : QStringLiteral("rich");
            box->button(button)->click();
        });
    }

private slots:
    void serverTextShowsAsPlainText() {
        const QString name = QStringLiteral("<b>anna</b> <a href=\"https://example.org\">x</a>");
        AnswerNextBox(QMessageBox::Ok);
        ShowMessageBox(nullptr, QStringLiteral("Invitation for ") + name + QStringLiteral("\rok"));
        QCOMPARE(FShown, QStringLiteral("Invitation for ") + name + QStringLiteral("\nok"));
        AnswerNextBox(QMessageBox::Yes);
        QVERIFY(AskYesNoBox(nullptr, name));
        QCOMPARE(FShown, name);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "MessageBoxesTest.moc"
