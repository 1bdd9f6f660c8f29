// SPDX-License-Identifier: MIT
// The light and dark looks: which one a scheme and a desktop give, the
// program's palette following the choice, and every log style readable on
// every dark pane.
#include "ColorLooks.h"
#include "Contrast.h"
#include "LogStyles.h"

#include <QApplication>
#include <QStyle>
#include <QTest>

using namespace hbquor::main;

class ColorLooksTest : public QObject {
    Q_OBJECT

private slots:
    void schemeAndDesktop_data() {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<bool>("darkDesktop");
        QTest::addColumn<bool>("dark");
        QTest::newRow("follow a light desktop") << 0 << false << false;
        QTest::newRow("follow a dark desktop") << 0 << true << true;
        QTest::newRow("light on a dark desktop") << 1 << true << false;
        QTest::newRow("dark on a light desktop") << 2 << false << true;
        QTest::newRow("dark on a dark desktop") << 2 << true << true;
    }
    void schemeAndDesktop() {
        QFETCH(int, scheme);
        QFETCH(bool, darkDesktop);
        QFETCH(bool, dark);
        const QPalette light = QApplication::style()->standardPalette();
        const QPalette desktop = darkDesktop ? DarkPalette() : light;
        QCOMPARE(IsDarkPalette(desktop), darkDesktop);
        QCOMPARE(UsesDarkLooks(static_cast<ColorScheme>(scheme), desktop), dark);
        QApplication::setPalette(desktop);
        QCOMPARE(ApplyColorScheme(static_cast<ColorScheme>(scheme)), dark);
        QCOMPARE(IsDarkPalette(QApplication::palette()), dark);
        // The light looks' panes are the program's pale colours; the dark
        // ones are the palette's base, tinted.
        const PaneColours panes = PaneColoursFor(dark, QApplication::palette());
        if (dark)
            QCOMPARE(panes.Connected, QApplication::palette().color(QPalette::Base));
        else
            QCOMPARE(panes.Connected, QColor(Qt::white));
    }

    void darkStylesReadableOnEveryPane_data() {
        QTest::addColumn<QColor>("base");
        QTest::newRow("black") << QColor(0, 0, 0);
        QTest::newRow("own dark palette") << DarkPalette().color(QPalette::Base);
        QTest::newRow("grey") << QColor(60, 60, 60);
        QTest::newRow("blue-grey") << QColor(35, 38, 41);
        QTest::newRow("light grey") << QColor(90, 90, 90);
    }
    void darkStylesReadableOnEveryPane() {
        QFETCH(QColor, base);
        QPalette palette = DarkPalette();
        palette.setColor(QPalette::Base, base);
        const PaneColours panes = PaneColoursFor(true, palette);
        for (int style = 0; style < LogStyleCount; ++style) {
            const QColor colour =
                LogCharFormat(static_cast<TLogStyle>(style), LogLooks::Dark, panes.Lightest())
                    .foreground()
                    .color();
            for (const QColor &pane : {panes.Disconnected, panes.Connecting, panes.Connected}) {
                const double ratio = ContrastRatio(colour, pane);
                QVERIFY2(ratio >= ReadableContrast,
                         qPrintable(QStringLiteral("style %1: %2 on %3 is %4:1")
                                        .arg(style)
                                        .arg(colour.name(), pane.name())
                                        .arg(ratio)));
            }
        }
    }

    void contrastOfKnownPairs() {
        QCOMPARE(qRound(ContrastRatio(Qt::black, Qt::white) * 10), 210);
        QCOMPARE(ContrastRatio(QColor(119, 119, 119), QColor(119, 119, 119)), 1.0);
        // #777 on white is just under the bar, and made readable.
        QVERIFY(ContrastRatio(QColor(119, 119, 119), Qt::white) < ReadableContrast);
        QVERIFY(ContrastRatio(ReadableOn(QColor(119, 119, 119), Qt::white), Qt::white) >=
                ReadableContrast);
    }
};

QTEST_MAIN(ColorLooksTest)
#include "ColorLooksTest.moc"
