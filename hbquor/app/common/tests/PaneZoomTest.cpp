// SPDX-License-Identifier: MIT
// The panes' zoom: the keys in any attached window, the bounds, and the
// sizes of lines already in a pane and added later, styled or plain.
#include "PaneZoom.h"
#include "LinePane.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

class PaneZoomTest : public QObject {
    Q_OBJECT

private:
    static qreal LinePoints(QTextEdit &view, int line) {
        return view.document()
            ->findBlockByNumber(line)
            .begin()
            .fragment()
            .charFormat()
            .fontPointSize();
    }

private slots:
    void keysZoomEveryPane_data() {
        QTest::addColumn<QList<QKeySequence>>("keys");
        QTest::addColumn<int>("points");
        QTest::newRow("in") << QList<QKeySequence>{QKeySequence::ZoomIn} << 1;
        QTest::newRow("in, equals key")
            << QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Equal)} << 1;
        QTest::newRow("out twice")
            << QList<QKeySequence>{QKeySequence::ZoomOut, QKeySequence::ZoomOut} << -2;
        QTest::newRow("bounded") << QList<QKeySequence>(5, QKeySequence::ZoomOut) << -3;
        QTest::newRow("back") << QList<QKeySequence>{QKeySequence::ZoomIn,
                                                     QKeySequence(Qt::CTRL | Qt::Key_0)}
                              << 0;
    }
    void keysZoomEveryPane() {
        QFETCH(QList<QKeySequence>, keys);
        QFETCH(int, points);
        PaneZoom zoom(-3, 10);
        QTextEdit rich;
        QPlainTextEdit plain;
        plain.setFont(QFont(QStringLiteral("Arial"), 9));
        LinePane richPane(&rich);
        LinePane plainPane(&plain);
        QTextCharFormat eight;
        eight.setFontPointSize(8);
        richPane.AddLine(QStringLiteral("before http://a.example"), {}, eight);
        zoom.Attach(&rich, richPane);
        zoom.Attach(&plain, plainPane);
        plain.show();
        QVERIFY(QTest::qWaitForWindowActive(&plain));
        for (const QKeySequence &key : keys)
            QTest::keySequence(&plain, key);
        QCOMPARE(zoom.Points(), points);
        richPane.AddLine(QStringLiteral("after"), {}, eight);
        QCOMPARE(LinePoints(rich, 0), 8.0 + points);
        QCOMPARE(LinePoints(rich, 1), 8.0 + points);
        QCOMPARE(plain.font().pointSizeF(), 9.0 + points);
        // The link keeps its address through the zoom.
        QVERIFY(rich.document()->firstBlock().text().contains(QStringLiteral("http://a.example")));
    }
};

QTEST_MAIN(PaneZoomTest)
#include "PaneZoomTest.moc"
