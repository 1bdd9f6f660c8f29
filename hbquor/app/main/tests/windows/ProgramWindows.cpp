// SPDX-License-Identifier: MIT
#include "ProgramWindows.h"

#include "SearchDialog.h"
#include "UnitAddChannel.h"
#include "UnitAddUser.h"
#include "UnitCreateUser.h"
#include "UnitInviteUser.h"
#include "UnitQuorAbout.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"
#include "UnitUserProfile.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <memory>

using hbquor::account::TFormCreateUser;
using hbquor::account::TFormUserProfile;

namespace {

using WindowOpener = std::function<void(MainWindowFixture &, const WindowUse &)>;

/// A window that stands on its own: made, used, destroyed.
WindowOpener Standalone(std::function<std::unique_ptr<QWidget>()> make) {
    return [make = std::move(make)](MainWindowFixture &, const WindowUse &use) {
        const std::unique_ptr<QWidget> window = make();
        use(*window);
    };
}

WindowOpener AccountWindow(std::function<void(TFormCreateUser &)> setup) {
    return Standalone([setup = std::move(setup)] {
        auto window = std::make_unique<TFormCreateUser>();
        setup(*window);
        return window;
    });
}

std::unique_ptr<QWidget> UserNameDialog() {
    auto dialog = std::make_unique<TFormAddUser>();
    // As the contact command sets it up, in the user's language.
    const auto text = [](const char *source) {
        return QCoreApplication::translate("MainCommands", source);
    };
    dialog->setWindowTitle(text("Add Quor Contact"));
    dialog->lbAddUser->setText(text("Quor user"));
    dialog->btnAddDelete->setText(text("Add"));
    return dialog;
}

std::unique_ptr<QWidget> AboutBox() {
    auto about = std::make_unique<TFormQuorAbout>();
    about->SetText(TFormQuorAbout::AboutText(14));
    return about;
}

/// The settings dialog with all its pages, as "Settings ..." runs it; it is
/// used in place of being run and then cancelled.
void SettingsDialog(MainWindowFixture &fixture, const WindowUse &use) {
    fixture.AnswerDialog = [&use](QDialog &dialog) {
        use(dialog);
        return int(QDialog::Rejected);
    };
    fixture.Window().mnuSettingsClick();
    fixture.AnswerDialog = nullptr;
}

void HistorySearchDialog(MainWindowFixture &fixture, const WindowUse &use) {
    fixture.Window().mnuSearchHistoryClick();
    auto *dialog = fixture.Window().findChild<hbquor::historyview::SearchDialog *>();
    if (dialog == nullptr)
        return;
    use(*dialog);
    dialog->close();
}

} // namespace

const std::vector<WindowCase> &WindowCases() {
    static const std::vector<WindowCase> cases{
        {"about box", Standalone(AboutBox)},
        {"join channel", Standalone([] { return std::make_unique<TFormAddChannel>(); })},
        {"invite", Standalone([] { return std::make_unique<TFormInviteUser>(); })},
        {"user name", Standalone(UserNameDialog)},
        {"conversation", Standalone([] { return std::make_unique<TFormQuorChat>(); })},
        {"channel", Standalone([] { return std::make_unique<TFormQuorChannel>(); })},
        {"profile", Standalone([] {
             return std::make_unique<TFormUserProfile>(
                 QStringList{QStringLiteral("User"), QStringLiteral("Admin")});
         })},
        {"create account", AccountWindow([](TFormCreateUser &w) { w.SetupCreateAccount(); })},
        {"request password",
         AccountWindow([](TFormCreateUser &w) { w.SetupRequestPassword("alice"); })},
        {"change email",
         AccountWindow([](TFormCreateUser &w) { w.SetupChangeEmail("alice", false); })},
        {"change email, administrator",
         AccountWindow([](TFormCreateUser &w) { w.SetupChangeEmail("alice", true); })},
        {"change password",
         AccountWindow([](TFormCreateUser &w) { w.SetupChangePassword("alice", false, false); })},
        {"change password, administrator",
         AccountWindow([](TFormCreateUser &w) { w.SetupChangePassword("alice", true, true); })},
        {"settings", SettingsDialog},
        {"history search", HistorySearchDialog},
    };
    return cases;
}
