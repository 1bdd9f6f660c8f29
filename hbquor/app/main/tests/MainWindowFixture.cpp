// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"

#include "FileBytes.h"
#include "UnitAddChannel.h"

#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

MainWindowFixture::MainWindowFixture()
    : FFiles(AppFiles::InFolder(FDir.path(), QStringLiteral("hbquor"))) {}

MainWindowFixture::~MainWindowFixture() {
    Destroy();
}

void MainWindowFixture::WriteSettings(const QByteArray &text) const {
    WriteFileBytes(FFiles.SettingsFile, text);
}

void MainWindowFixture::WriteContacts(const QByteArray &text) const {
    WriteFileBytes(FFiles.ContactsFile, text);
}

TFormQuorMain &MainWindowFixture::Start() {
    TFormQuorMainOptions options;
    options.Files = FFiles;
    options.ShowMessage = [this](const QString &text) { Messages << text; };
    options.AskYesNo = [this](const QString &text) {
        ++ExitQuestions;
        return text == QStringLiteral("Do you wish to exit?") && ExitAnswer;
    };
    if (RecordOpenedUrls)
        options.OpenUrl = [this](const QUrl &url) { OpenedUrls << url; };
    options.ScreenSize = QSize(ScreenWidth, ScreenHeight);
    options.TrayAvailable = [this] { return Tray; };
    if (RecordNotifications)
        options.Notifier = Notifications;
    options.Passwords = Passwords;
    options.AlertHooks.ActiveWindow = [this] { return ActiveWindow; };
    options.AlertHooks.MarkUrgent = [this](QWidget *window) { UrgentWindows << window; };
    options.ExecDialog = [this](QDialog &dialog) {
        DialogTitles << dialog.windowTitle();
        return AnswerDialog ? AnswerDialog(dialog) : int(QDialog::Rejected);
    };
    hbquor::client::ChatClient::Options clientOptions;
    clientOptions.VrtClock = [this] { return Now; };
    if (ReconnectNow) {
        clientOptions.ReconnectClock = [this] { return *ReconnectNow; };
        clientOptions.ReconnectRandom = [] { return 0.0; };
    }
    FClient = std::make_unique<hbquor::client::ChatClient>(std::move(clientOptions));
    FWindow = std::make_unique<TFormQuorMain>(*FClient, std::move(options));
    return *FWindow;
}

TFormQuorMain &MainWindowFixture::StartForServer(int port, const QByteArray &moreSettings) {
    WriteSettings(
        QStringLiteral("[Parameters]\nQuorHost=127.0.0.1\nQuorPort=%1\n").arg(port).toUtf8() +
        moreSettings);
    WriteContacts("bob\r\ncarol\r\n");
    return Start();
}

bool MainWindowFixture::CloseWithYes() {
    ExitAnswer = true;
    return FWindow->close();
}

void MainWindowFixture::Destroy() {
    FWindow.reset();
    FClient.reset();
}

void MainWindowFixture::LogOn(const QString &name, const QString &password) {
    FWindow->ui.inpUserName->setText(name);
    FWindow->ui.inpPassword->setText(password);
    FWindow->spbLogonClick();
}

bool MainWindowFixture::Say(const QString &target, const QString &text) {
    FWindow->ui.inpTarget->setText(target);
    FWindow->ui.inpSayThis->setText(text);
    FWindow->inpSayThisKeyDown(Qt::Key_Return);
    return FWindow->ui.inpSayThis->text().isEmpty();
}

void MainWindowFixture::JoinChannel(const QString &name, int type, const QString &password) {
    AnswerDialog = [name, type, password](QDialog &dialog) {
        auto &join = dynamic_cast<TFormAddChannel &>(dialog);
        join.inpQuorChannel->setText(name);
        join.SetChannelTypeIndex(type);
        join.inpPassword->setText(password);
        return int(QDialog::Accepted);
    };
    FWindow->Commands().mnuJoinChannelClick();
    AnswerDialog = nullptr;
}

QStringList MainWindowFixture::ChatLogLines() const {
    QStringList lines =
        QString::fromUtf8(ReadFileBytes(FFiles.ChatLogFile)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString MainWindowFixture::LastLogLine() const {
    return FWindow->ui.RichEdit1->document()->lastBlock().text();
}

int MainWindowFixture::LogLineCount() const {
    const QTextDocument *document = FWindow->ui.RichEdit1->document();
    return document->isEmpty() ? 0 : document->blockCount();
}
