// SPDX-License-Identifier: MIT
// Every window of the program on a real window system (run under Xvfb with
// a window manager by desktop_test.sh, at scale 1 and 2, in the language
// the environment names): each label shows
// its whole text, the window manager shows exactly the titles the program
// sets, and the main, conversation and channel windows grow and maximise
// through it with their panes taking the room.
#include "MainWindowFixture.h"
#include "ProgramWindows.h"

#include "MessageBoxes.h"
#include "ProgramLanguage.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <memory>

namespace {

/// The size a label's text takes in the label's font, wrapped to the
/// label's width when the label wraps.
QSize TextSize(const QLabel &label) {
    const QRect room = label.contentsRect();
    if (Qt::mightBeRichText(label.text()) && label.textFormat() != Qt::PlainText) {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label.font());
        document.setHtml(label.text());
        if (label.wordWrap())
            document.setTextWidth(room.width());
        return document.size().toSize();
    }
    // Measured the way the label lays out its own text.
    const int flags = int(label.alignment() & ~(Qt::AlignVCenter | Qt::AlignHCenter)) |
                      Qt::TextShowMnemonic | (label.wordWrap() ? int(Qt::TextWordWrap) : 0);
    const int width = label.wordWrap() ? room.width() : 2000;
    return label.fontMetrics().boundingRect(0, 0, width, 2000, flags, label.text()).size();
}

/// "window: text" for every shown label whose text is cut.
QStringList CutLabels(const QWidget &window) {
    QStringList cut;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty())
            continue;
        const QSize needed = TextSize(*label);
        const QSize room = label->contentsRect().size();
        if (needed.width() > room.width() || needed.height() > room.height())
            cut << QStringLiteral("%1: \"%2\" needs %3x%4, has %5x%6")
                       .arg(window.windowTitle(), label->text())
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(room.width())
                       .arg(room.height());
    }
    return cut;
}

/// The window's name as the window manager has it (_NET_WM_NAME).
QString ShownTitle(const QWidget &window) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window.winId()), QStringLiteral("-notype"),
                 QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(5000))
        return QStringLiteral("<xprop failed>");
    // _NET_WM_NAME = "text"
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype first = line.indexOf(QLatin1Char('"'));
    return first < 0 ? line : line.mid(first + 1, line.size() - first - 2);
}

/// Shows the window and waits until the window system has it on screen.
bool ShowOnScreen(QWidget &window) {
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

} // namespace

class DesktopWindowsTest : public QObject {
    Q_OBJECT

    static void VerifyNoneCut(const QWidget &window) {
        const QStringList cut = CutLabels(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display (run by desktop_test.sh)");
    }

    void everyLabelOfTheMainWindowShowsInFull() {
        MainWindowFixture fixture;
        TFormQuorMain &main = fixture.Start();
        QVERIFY(ShowOnScreen(main));
        VerifyNoneCut(main);
        main.Timer1Timer(); // the clock's caption replaces "VRT..."
        VerifyNoneCut(main);
    }

    void everyLabelOfTheOtherWindowsShowsInFull_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < WindowCases().size(); ++i)
            QTest::newRow(WindowCases()[i].name) << int(i);
    }

    void everyLabelOfTheOtherWindowsShowsInFull() {
        QFETCH(int, index);
        MainWindowFixture fixture;
        fixture.Start();
        bool used = false;
        WindowCases()[std::size_t(index)].open(fixture, [&used](QWidget &window) {
            used = true;
            QVERIFY(ShowOnScreen(window));
            VerifyNoneCut(window);
        });
        QVERIFY2(used, "the window did not open");
    }

    void mainWindowGrowsAndMaximisesWithTheLog() {
        MainWindowFixture fixture;
        TFormQuorMain &main = fixture.Start();
        QVERIFY(ShowOnScreen(main));
        const QSize start = main.size();
        const QSize log = main.ui.RichEdit1->size();
        main.resize(start + QSize(60, 40));
        QTRY_COMPARE(main.size(), start + QSize(60, 40));
        QCOMPARE(main.ui.RichEdit1->size(), log + QSize(60, 40));
        main.showMaximized();
        QTRY_VERIFY(main.isMaximized());
        QTRY_VERIFY(main.width() > start.width() + 60);
        QCOMPARE(main.ui.RichEdit1->size(), log + main.centralWidget()->size() - QSize(540, 368));
    }

    void talkWindowsGrowAndMaximise_data() {
        QTest::addColumn<bool>("channel");
        QTest::newRow("conversation") << false;
        QTest::newRow("channel") << true;
    }

    void talkWindowsGrowAndMaximise() {
        QFETCH(bool, channel);
        std::unique_ptr<TQuorTalkWindow> window;
        if (channel)
            window = std::make_unique<TFormQuorChannel>();
        else
            window = std::make_unique<TFormQuorChat>();
        QVERIFY(ShowOnScreen(*window));
        const QSize start = window->size();
        const QSize pane = window->Memo1->size();
        const int inputGap = start.height() - window->Edit1->geometry().bottom();
        window->showMaximized();
        QTRY_VERIFY(window->isMaximized());
        QTRY_VERIFY(window->width() > start.width() && window->height() > start.height());
        QCOMPARE(window->Memo1->size(), pane + window->size() - start);
        QCOMPARE(window->height() - window->Edit1->geometry().bottom(), inputGap);
    }

    void titlesAreExactlyThoseTheProgramSets() {
        MainWindowFixture fixture;
        TFormQuorMain &main = fixture.Start();
        QVERIFY(ShowOnScreen(main));
        QTRY_COMPARE(ShownTitle(main), QStringLiteral("  HB Quor Client  - disconnected"));

        QString boxTitle;
        QTimer::singleShot(0, [&] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(top); box && box->isVisible()) {
                    boxTitle = QTest::qWaitForWindowExposed(box) ? ShownTitle(*box)
                                                                 : QStringLiteral("<not shown>");
                    box->accept();
                }
        });
        ShowMessageBox(&main, QStringLiteral("check user name and password"));
        QCOMPARE(boxTitle, QStringLiteral("HB Quor"));
    }
};

// In the language the environment names, as the program starts.
int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    hbquor::common::InstallProgramLanguage(application, {QStringLiteral(HBQUOR_TRANSLATIONS_DIR)});
    DesktopWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "DesktopWindowsTest.moc"
