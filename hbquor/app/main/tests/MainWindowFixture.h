// SPDX-License-Identifier: MIT
// A client core and the main window that shows it, in a temporary folder,
// with recorded message boxes, a scripted exit answer, recorded opened
// addresses, an injected VRT clock, and recorded desktop notifications and
// urgency marks.
#pragma once

#include "ChatClient.h"
#include "MainCommands.h"
#include "MemoryPasswordStore.h"
#include "UnitQuorMain.h"

#include <QByteArray>
#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

/// Records the notifications the window raises.
class RecordingNotifier : public DesktopNotifier {
public:
    void Notify(Notification notification) override { Shown.append(std::move(notification)); }
    QList<Notification> Shown;
};

class MainWindowFixture {
public:
    /// 2004-03-05 09:07:30 VRT as a day count.
    static constexpr double StartTime = 38051.0 + (9 * 3600 + 7 * 60 + 30) / 86400.0;
    /// The screen every window of the fixture sees.
    static constexpr int ScreenWidth = 1024;
    static constexpr int ScreenHeight = 768;

    MainWindowFixture();
    ~MainWindowFixture();

    /// Writes a file of the fixture's folder before the window starts.
    void WriteSettings(const QByteArray &text) const;
    void WriteContacts(const QByteArray &text) const;

    /// Creates the client and the window (FormCreate runs).
    TFormQuorMain &Start();
    /// Creates a window that reaches the server on the loopback port, with
    /// the saved contacts bob and carol and any further settings lines.
    TFormQuorMain &StartForServer(int port, const QByteArray &moreSettings = {});
    /// Closes the window answering the exit question with yes; false when
    /// the window stayed open.
    bool CloseWithYes();
    /// Destroys the window (FormDestroy runs), then the client.
    void Destroy();

    /// Types the user name and password and clicks the logon button.
    void LogOn(const QString &name, const QString &password);
    /// Types the target and the text and presses Enter in the say input;
    /// true when the input was emptied, that is the text was sent.
    bool Say(const QString &target, const QString &text);
    /// Runs the join command, answering its dialog with the channel name,
    /// the type index and the password.
    void JoinChannel(const QString &name, int type = 0, const QString &password = {});

    TFormQuorMain &Window() { return *FWindow; }
    hbquor::client::ChatClient &Client() { return *FClient; }
    const AppFiles &Files() const { return FFiles; }
    /// Lines of the chat log file without their CR LF ends.
    QStringList ChatLogLines() const;
    /// The text of the log pane's last paragraph.
    QString LastLogLine() const;
    /// Number of paragraphs in the log pane.
    int LogLineCount() const;

    /// Message boxes shown so far (texts with "\r" line breaks).
    QStringList Messages;
    /// Addresses opened so far; when false before Start, the window opens
    /// them through the desktop services instead.
    bool RecordOpenedUrls = true;
    QList<QUrl> OpenedUrls;
    /// The answer to "Do you wish to exit?" and how often it was asked.
    bool ExitAnswer = true;
    int ExitQuestions = 0;
    /// Answers every modal dialog the window runs (Rejected when not set).
    std::function<int(QDialog &)> AnswerDialog;
    /// Titles of the dialogs run so far.
    QStringList DialogTitles;
    /// Whether the window takes the desktop to have a tray.
    bool Tray = false;
    /// The current VRT time the window sees.
    double Now = StartTime;
    /// The notifications raised so far; when false before Start, the
    /// window shows them through the session bus instead.
    bool RecordNotifications = true;
    const std::shared_ptr<RecordingNotifier> Notifications = std::make_shared<RecordingNotifier>();
    /// The window the alerts take for the active one (none unless set), and
    /// the windows they marked urgent.
    QWidget *ActiveWindow = nullptr;
    QList<QWidget *> UrgentWindows;
    /// The remembered passwords; a store that cannot be used unless a test
    /// says otherwise before Start.
    std::shared_ptr<hbquor::settings::PasswordStore> Passwords = [] {
        auto store = std::make_shared<MemoryPasswordStore>();
        store->Problem = QStringLiteral("no secret store in the tests");
        return store;
    }();
    /// When set before Start, the clock of the retries after a lost
    /// connection, which then wait exactly 1, 2, 4 ... seconds.
    std::optional<std::chrono::steady_clock::time_point> ReconnectNow;

private:
    QTemporaryDir FDir;
    AppFiles FFiles;
    std::unique_ptr<hbquor::client::ChatClient> FClient;
    std::unique_ptr<TFormQuorMain> FWindow;
};
