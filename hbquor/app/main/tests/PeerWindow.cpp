// SPDX-License-Identifier: MIT
// A second instance of the program for the two-instance tests: a main
// window in a process of its own (the library and its callback table serve
// one session manager per process), reaching the chat server on the port
// given as the only argument. It reads one command per line on standard
// input and answers each with exactly one line on standard output; lists
// in answers are joined with the unit separator (0x1F).
//
//   logon <name> <password>    -> "ok"
//   log                        -> the log pane's lines
//   open <user>                -> "ok", or "none" when no window was made
//   chat <user>                -> "lines <lines>" of that conversation window, or "none"
//   join <channel> [type]      -> "ok" once the command ran
//   members <channel>          -> "members <names>" of that channel window, or "none"
//   channel <channel>          -> "lines <lines>" of that channel window, or "none"
//   say <target> <text>        -> "sent" when the say input was emptied, else "kept"
//
// The process ends when standard input closes.
#include "MainWindowFixture.h"

#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QSocketNotifier>
#include <QTextEdit>

#include <cstdio>
#include <unistd.h>

namespace {

const QChar kSeparator(0x1F);

QString Lines(const QString &plainText) {
    return plainText.split(QLatin1Char('\n')).join(kSeparator);
}

/// Runs the commands against one window.
class PeerCommands {
public:
    explicit PeerCommands(MainWindowFixture &fixture) : F(fixture), W(fixture.Window()) {}

    QString Run(const QString &line) {
        const QString verb = line.section(QLatin1Char(' '), 0, 0);
        const QString first = line.section(QLatin1Char(' '), 1, 1);
        const QString rest = line.section(QLatin1Char(' '), 2);
        if (verb == QLatin1String("logon")) {
            F.LogOn(first, rest);
            return QStringLiteral("ok");
        }
        if (verb == QLatin1String("log"))
            return Lines(W.ui.RichEdit1->toPlainText());
        if (verb == QLatin1String("open"))
            return W.TalkWindows().CreateChatWindow(first) ? QStringLiteral("ok")
                                                           : QStringLiteral("none");
        if (verb == QLatin1String("chat")) {
            TFormQuorChat *chat = W.TalkWindows().FindChatWindow(first);
            return chat ? QStringLiteral("lines ") + Lines(chat->Memo1->toPlainText())
                        : QStringLiteral("none");
        }
        if (verb == QLatin1String("join")) {
            F.JoinChannel(first, rest.toInt());
            return QStringLiteral("ok");
        }
        if (verb == QLatin1String("members")) {
            TFormQuorChannel *channel = W.TalkWindows().FindChannelWindow(first);
            return channel ? QStringLiteral("members ") + channel->MemberNames().join(kSeparator)
                           : QStringLiteral("none");
        }
        if (verb == QLatin1String("channel")) {
            TFormQuorChannel *channel = W.TalkWindows().FindChannelWindow(first);
            return channel ? QStringLiteral("lines ") + Lines(channel->Memo1->toPlainText())
                           : QStringLiteral("none");
        }
        if (verb == QLatin1String("say"))
            return F.Say(first, rest) ? QStringLiteral("sent") : QStringLiteral("kept");
        return QStringLiteral("unknown command");
    }

private:
    MainWindowFixture &F;
    TFormQuorMain &W;
};

/// Reads whole lines from standard input as they arrive and answers them.
class CommandReader {
public:
    explicit CommandReader(PeerCommands &commands) : FCommands(commands) {}

    /// Consumes what standard input holds; false once it has closed.
    bool ReadAvailable() {
        char chunk[4096];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0)
            return false;
        FPending.append(chunk, static_cast<qsizetype>(got));
        for (qsizetype end = FPending.indexOf('\n'); end >= 0; end = FPending.indexOf('\n')) {
            const QString line = QString::fromUtf8(FPending.left(end));
            FPending.remove(0, end + 1);
            const QByteArray answer = FCommands.Run(line).toUtf8() + '\n';
            std::fwrite(answer.constData(), 1, static_cast<std::size_t>(answer.size()), stdout);
            std::fflush(stdout);
        }
        return true;
    }

private:
    PeerCommands &FCommands;
    QByteArray FPending;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: hbquor_peer_window <server port>\n", stderr);
        return 2;
    }
    MainWindowFixture fixture;
    fixture.StartForServer(QString::fromLocal8Bit(argv[1]).toInt());
    PeerCommands commands(fixture);
    CommandReader reader(commands);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
        if (!reader.ReadAvailable()) {
            input.setEnabled(false);
            QApplication::quit();
        }
    });
    return QApplication::exec();
}
