// SPDX-License-Identifier: MIT
// Every window of the program open at once, for a screen reader's walk
// (walker.py): anna's main window logged on to a chat server of its own,
// with every other window of the program on top of it, and bob in a
// second program instance, in the language the environment names. Once all
// are shown it prints "ready" and anna's connection line as the log pane
// shows it; each line
// read then on standard input is a text bob sends to anna, answered with
// "sent" or "kept". The program ends when standard input closes.
#include "FillFields.h"
#include "MainWindowFixture.h"
#include "PeerInstance.h"
#include "ProgramLanguage.h"
#include "ProgramWindows.h"
#include "QuordForAnnaAndBob.h"

#include "hbQuorPump.h"
#include "pump_until.h"

#include <QApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTest>
#include <QTextEdit>

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

/// Answers the texts for bob until standard input closes.
void AnswerCommands(PeerInstance &bob) {
    std::printf("ready\n%s\n", ConnectedLine().toUtf8().constData());
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
        const QString answer = bob.Ask(QStringLiteral("say anna ") + QString::fromStdString(line));
        std::puts(answer.toUtf8().constData());
        std::fflush(stdout);
    });
    loop.exec();
}

/// Opens the windows from the index on, each shown on top of those before,
/// and answers the commands once the last is open.
void OpenFrom(std::size_t index, MainWindowFixture &anna, PeerInstance &bob) {
    if (index == WindowCases().size()) {
        AnswerCommands(bob);
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
    anna.LogOn(QStringLiteral("anna"), QStringLiteral("anna-pw"));
    if (!AwaitLogLine(main, ConnectedLine())) {
        std::fputs("anna did not log on\n", stderr);
        return 1;
    }
    Show(main);
    OpenFrom(0, anna, bob);
    return bob.Finish();
}
