// SPDX-License-Identifier: MIT
// What assistive technology hears of a pane: every new line is announced
// as text inserted at the end, also when the pane cuts its oldest lines
// first, and the pane reads line by line, each text once. The
// announcements need the desktop's accessibility bus (the test then runs
// in accessibility_session.sh); reading works everywhere.
#include "LinePane.h"

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

namespace {

struct Insertion {
    int position;
    QString text;
};

/// The insertions announced since the last Clear, and whether anything
/// else than an insertion or a removal was announced as a text change.
struct Announcements {
    QList<Insertion> Inserted;
    int OtherChanges = 0;
    void Clear() { *this = {}; }
};

Announcements Heard;

void Record(QAccessibleEvent *event) {
    if (event->type() == QAccessible::TextInserted) {
        const auto *insert = static_cast<QAccessibleTextInsertEvent *>(event);
        Heard.Inserted.append({insert->changePosition(), insert->textInserted()});
    } else if (event->type() == QAccessible::TextUpdated) {
        ++Heard.OtherChanges;
    }
}

QAccessibleTextInterface *TextOf(QWidget &view) {
    return QAccessible::queryAccessibleInterface(&view)->textInterface();
}

} // namespace

class LinePaneAccessibilityTest : public QObject {
    Q_OBJECT

    /// The last announcement is the line, inserted at the pane's end.
    static void VerifyAnnouncedAtEnd(QWidget &view, const QString &line) {
        QVERIFY(!Heard.Inserted.isEmpty());
        QCOMPARE(Heard.OtherChanges, 0);
        const Insertion &last = Heard.Inserted.last();
        QVERIFY2(last.text.endsWith(line), qPrintable(last.text));
        QCOMPARE(last.position + last.text.size(), TextOf(view)->characterCount());
    }

    template <class View> static void CheckAnnouncements() {
        if (!QAccessible::isActive())
            QSKIP("needs the accessibility bus (run by accessibility_session.sh)");
        View view;
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        LinePane pane(&view);
        pane.SetFrozen(true);
        view.setFocus();
        Heard.Clear();
        // The empty pane first takes the line's formats, which changes no text.
        pane.AddLine(QStringLiteral("09:07:30 bob: the first line"));
        QCOMPARE(Heard.Inserted.size(), 1);
        Heard.OtherChanges = 0;
        VerifyAnnouncedAtEnd(view, QStringLiteral("09:07:30 bob: the first line"));
        Heard.Clear();
        pane.AddLine(QStringLiteral("09:07:31 anna: the second"));
        VerifyAnnouncedAtEnd(view, QStringLiteral("09:07:31 anna: the second"));
        for (int i = 2; i < LinePane::MaxLines + 1; ++i)
            pane.AddLine(QStringLiteral("line %1").arg(i));
        view.setTextCursor(QTextCursor(view.document()->findBlockByNumber(550)));
        const QString reading = view.textCursor().block().text();

        Heard.Clear();
        pane.AddLine(QStringLiteral("09:08:00 bob: after the cut"));
        QCOMPARE(pane.LineCount(), LinePane::KeepLines + 1);
        QCOMPARE(Heard.Inserted.size(), 1);
        VerifyAnnouncedAtEnd(view, QStringLiteral("09:08:00 bob: after the cut"));
        // Neither the focus nor the user's reading place moved.
        QCOMPARE(QApplication::focusWidget(), &view);
        QCOMPARE(view.textCursor().block().text(), reading);
    }

    /// Reading the pane line by line gives every text exactly once.
    template <class View> static void CheckLineByLine() {
        View view;
        view.resize(200, 100);
        LinePane pane(&view);
        const QStringList lines{QStringLiteral("09:07:30 bob: <b>hello</b>"),
                                QStringLiteral("09:07:31 anna: a longer answer that wraps in "
                                               "the narrow pane over more than one line"),
                                QStringLiteral("09:07:32 bob: bye")};
        for (const QString &line : lines)
            pane.AddLine(line);
        view.show();
        QAccessibleTextInterface *text = TextOf(view);
        // Every line, read at each of its offsets, is the same one: no text
        // comes twice, and what lies between lines is the line breaks.
        QString read;
        int lineEnd = 0;
        for (int offset = 0; offset < text->characterCount(); ++offset) {
            int start = 0;
            int end = 0;
            const QString line =
                text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
            if (start < lineEnd)
                continue;
            read += text->text(lineEnd, start) + line;
            lineEnd = end;
        }
        QCOMPARE(read.replace(QChar::ParagraphSeparator, QLatin1Char('\n')),
                 lines.join(QLatin1Char('\n')));
    }

private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(Record);
        // On the desktop the bridge comes up once it has reached the bus.
        if (QGuiApplication::platformName() == QLatin1String("xcb") &&
            !QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000))
            qWarning("the accessibility bridge did not come up");
    }

    void newLineIsAnnouncedAtTheEndOfARichPane() { CheckAnnouncements<QTextEdit>(); }
    void newLineIsAnnouncedAtTheEndOfAPlainPane() { CheckAnnouncements<QPlainTextEdit>(); }
    void richPaneReadsLineByLine() { CheckLineByLine<QTextEdit>(); }
    void plainPaneReadsLineByLine() { CheckLineByLine<QPlainTextEdit>(); }
};

QTEST_MAIN(LinePaneAccessibilityTest)
#include "LinePaneAccessibilityTest.moc"
