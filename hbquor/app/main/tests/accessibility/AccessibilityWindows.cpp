// SPDX-License-Identifier: MIT
// The program for a screen reader's tests, with a chat server of its own
// and bob in a second program instance, in the language the environment
// names. By default every window is open at once for the walk (walker.py):
// anna's main window logged on, every other window on top of it. With
// --logon only anna's main window is shown, not logged on, for a reader
// that logs on and answers itself (reader_logon.py).
// Once shown it prints "ready", anna's connection line as the log pane shows
// it and the names a screen reader hears for the user name, the password,
// Logon, the target and the say input, separated by tabs. Then each line on
// standard input is a command: "say TEXT" (bob sends TEXT to anna, answered
// "sent" or "kept") or "heard TEXT" (answered "heard" once bob's log holds
// TEXT, or "not heard"). The program ends when standard input closes.
#include "FillFields.h"
#include "MainWindowFixture.h"
#include "PeerInstance.h"
#include "ProgramLanguage.h"
#include "ProgramWindows.h"
#include "QuordForAnnaAndBob.h"

#include "hbQuorPump.h"
#include "pump_until.h"

#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

/// Shows the window and waits until the window system has it on screen.
void Show(QWidget &window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "\"%s\" was not shown\n", qPrintable(window.windowTitle()));
}

/// The log pane's line of anna's logon, in the user's language.
QString ConnectedLine() {
    return FillFields(QCoreApplication::translate("EventLines", "Connected: %s"),
                      {QStringLiteral("anna")});
}

/// What a screen reader calls the controls of logging on and answering.
QString ReaderNames(TFormQuorMain &main) {
    QWidget *const controls[] = {main.ui.inpUserName, main.ui.inpPassword, main.ui.spbLogon,
                                 main.ui.inpTarget, main.ui.inpSayThis};
    QStringList names;
    for (QWidget *control : controls)
        names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    return names.join(QLatin1Char('\t'));
}

QString Answer(PeerInstance &bob, const QString &command) {
    if (command.startsWith(QLatin1String("say ")))
        return bob.Ask(QStringLiteral("say anna ") + command.mid(4));
    if (command.startsWith(QLatin1String("heard "))) {
        const QString text = command.mid(6);
        return bob.AwaitAnswer(QStringLiteral("log"),
                               [&](const QString &log) { return log.contains(text); })
                   ? QStringLiteral("heard")
                   : QStringLiteral("not heard");
    }
    return QStringLiteral("unknown command");
}

/// Answers the commands until standard input closes.
void AnswerCommands(TFormQuorMain &main, PeerInstance &bob) {
    std::printf("ready\n%s\n%s\n", ConnectedLine().toUtf8().constData(),
                ReaderNames(main).toUtf8().constData());
    std::fflush(stdout);
    QEventLoop loop;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &loop, [&] {
        std::string line;
        if (!std::getline(std::cin, line)) {
            input.setEnabled(false);
            loop.quit();
            return;
        }
        std::puts(Answer(bob, QString::fromStdString(line)).toUtf8().constData());
        std::fflush(stdout);
    });
    loop.exec();
}

/// Opens the windows from the index on, each shown on top of those before,
/// and answers the commands once the last is open.
void OpenFrom(std::size_t index, MainWindowFixture &anna, PeerInstance &bob) {
    if (index == WindowCases().size()) {
        AnswerCommands(anna.Window(), bob);
        return;
    }
    WindowCases()[index].open(anna, [&](QWidget &window) {
        Show(window);
        OpenFrom(index + 1, anna, bob);
    });
}

bool AwaitLogLine(TFormQuorMain &window, const QString &line) {
    return quor::testing::PumpUntil(
        [&] { return window.ui.RichEdit1->toPlainText().split(QLatin1Char('\n')).contains(line); },
        5000, hbquor::PumpPending);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    hbquor::common::InstallProgramLanguage(application, {QStringLiteral(HBQUOR_TRANSLATIONS_DIR)});
    const auto server = StartQuordForAnnaAndBob();
    if (server == nullptr) {
        std::fputs("the chat server did not start\n", stderr);
        return 1;
    }
    PeerInstance bob(server->port());
    if (!bob.Started() || bob.Ask(QStringLiteral("logon bob bob-pw")) != QLatin1String("ok") ||
        !bob.AwaitLogLine(QStringLiteral("Connected: bob"))) {
        std::fputs("bob did not log on\n", stderr);
        return 1;
    }
    MainWindowFixture anna;
    TFormQuorMain &main = anna.StartForServer(server->port());
    if (argc > 1 && QByteArray(argv[1]) == "--logon") {
        Show(main);
        AnswerCommands(main, bob);
        return bob.Finish();
    }
    anna.LogOn(QStringLiteral("anna"), QStringLiteral("anna-pw"));
    if (!AwaitLogLine(main, ConnectedLine())) {
        std::fputs("anna did not log on\n", stderr);
        return 1;
    }
    Show(main);
    OpenFrom(0, anna, bob);
    return bob.Finish();
}
