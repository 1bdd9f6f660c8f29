// The main window's commands on the own account: logon and logoff (buttons
// and Enter), the say input, account creation, the forgotten password, the
// user profile window and the Help menu.
#include "UnitQuorMain.h"

#include "NameText.h"
#include "TlsSetup.h"

#include "AccountCommands.h"
#include "AccountEventRouter.h"
#include "UnitQuorAbout.h"
#include "UnitQuorChannel.h"
#include "MainCommands.h"
#include "UnitUserProfile.h"

#include "hbQuorClasses.h"

#include <QLineEdit>
#include <QUrl>

#include <optional>

namespace {

std::string S(const QString &text) {
    return text.toStdString();
}

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

bool TFormQuorMain::CheckInitialised() {
    if (FCentral && FCentral->Initialised())
        return true;
    ShowMessage(QStringLiteral("QuorCentral has not been initialised"));
    return false;
}

void TFormQuorMain::spbLogonClick() {
    if (!CheckInitialised())
        return;
    const QString login = GetLoginName();
    const QString password = GetPassword();
    // The user's logon ends any retries and is the one later ones repeat.
    FReconnect->LoggingOn(login, password);
    // At most one account at a time: every earlier session is dropped.
    FCentral->ClearLoggins();
    if (!FCentral->AddLogin(S(login), S(password))) {
        ShowMessage(QStringLiteral("check user name and password"));
        return;
    }
    const QString tlsLine = FTls->LogonLine();
    if (!tlsLine.isEmpty())
        FLog.AddLine(lsError, tlsLine);
    if (FTls->Usable())
        LogOnAddedSession(login, password);
}

int TFormQuorMain::LogOnAddedSession(const QString &login, const QString &password) {
    FCentral->DelAllContacts(S(login));
    FCommands->SendContactList(login);
    return FCentral->Login(S(login), S(password));
}

void TFormQuorMain::spbLogoffClick() {
    if (!CheckInitialised())
        return;
    FReconnect->LoggingOff();
    if (FCentral->Logout(S(GetLoginName())) != 0)
        ShowMessage(QStringLiteral("Cannot logoff."));
}

void TFormQuorMain::inpUserNameKeyDown(int key) {
    if (IsEnterKey(key))
        LoginInputEnter(ui.inpUserName, ui.inpPassword);
}

void TFormQuorMain::inpPasswordKeyDown(int key) {
    if (IsEnterKey(key))
        LoginInputEnter(ui.inpPassword, ui.inpUserName);
}

void TFormQuorMain::LoginInputEnter(QLineEdit *input, QLineEdit *other) {
    if (!GetLoginName().isEmpty() && !GetPassword().isEmpty())
        spbLogonClick();
    else if (!input->text().trimmed().isEmpty())
        other->setFocus();
}

bool TFormQuorMain::inpSayThisKeyDown(int key) {
    if (!FCentral || !FCentral->Initialised()) {
        CheckInitialised();
        return true;
    }
    if (!IsEnterKey(key))
        return false;
    const QString login = GetLoginName();
    const QString target = GetTarget();
    const QString text = ui.inpSayThis->text();
    TFormQuorChannel *channel = nullptr;
    std::optional<SendRefusal> refusal;
    if (target.isEmpty())
        refusal = SendRefusal::NoRecipient;
    else if (!LoginSessionConnected())
        refusal = SendRefusal::NotLoggedOn;
    else if (hbquor::SameNameIgnoringCase(target, login))
        refusal = SendRefusal::OwnName;
    else if (target.startsWith(QLatin1Char('#'))) {
        channel = FTalkWindows.FindChannelWindow(target);
        if (channel == nullptr)
            refusal = SendRefusal::ChannelNotOpen;
        else if (channel->MemberCount() < 2)
            refusal = SendRefusal::AloneInChannel;
    }
    // Nothing typed, nothing refused; a refused text stays in the input.
    if (text.isEmpty())
        return true;
    if (refusal) {
        LogNotSent(*refusal, target);
        return true;
    }
    // A failure here is reported by the session layer itself.
    if (FCentral->SendText(S(login), S(target), S(text)) != 0)
        return true;
    FLines.PrivateText(login, target, text);
    ui.inpSayThis->clear();
    const QString line = login + QStringLiteral(": \t") + text;
    if (channel != nullptr)
        channel->AddLine(FLines.PaneLine(line));
    else
        ConversationLine(target, line, true);
    return true;
}

void TFormQuorMain::mnuCreateaQuoraccountClick() {
    hbquor::account::RunCreateAccount(
        this, *FCentral, [this](QWidget *, const QString &text) { ShowMessage(text); });
}

void TFormQuorMain::mnuReqPasswordClick() {
    hbquor::account::RunRequestPassword(
        this, *FCentral, GetLoginName(),
        [this](QWidget *, const QString &text) { ShowMessage(text); });
}

void TFormQuorMain::mnuUserProfileClick() {
    const hbquor::ThbQuorUnit *session = FCentral->FindByName(S(GetLoginName()));
    if (session == nullptr || !session->IsConnected() || session->Rights() == hbquor::kRightsNone)
        return;
    hbquor::account::TFormUserProfile profile(
        FSettings.UserTypes, this, [this](QWidget *, const QString &text) { ShowMessage(text); });
    profile.OpenForSession(*FCentral, GetLoginName());
    profile.SetTimeText(FLog.Times());
    FAccountEvents->SetProfileWindow(&profile);
    ExecDialog(profile);
    FAccountEvents->SetProfileWindow(nullptr);
}

// ---- Help menu ----

void TFormQuorMain::mnuQuorSDKClick() {
    FOptions.OpenUrl(QUrl(FSettings.UrlQuorSdk));
}

void TFormQuorMain::mnuQuorDelphiClick() {
    FOptions.OpenUrl(QUrl(FSettings.UrlQuorDelphi));
}

void TFormQuorMain::mnuContactAuthorClick() {
    FOptions.OpenUrl(QUrl(FSettings.ContactAuthorLink(), QUrl::TolerantMode));
}

void TFormQuorMain::SetAboutBox(TFormQuorAbout *about) {
    FAboutBox = about;
}

void TFormQuorMain::mnuAboutClick() {
    if (!FAboutBox)
        return;
    FAboutBox->SetText(TFormQuorAbout::AboutText(hbquor::kQuorApiBuild));
    CenterOnMainWindow(FAboutBox);
    FAboutBox->exec();
}
