#include "MainWindowStandIn.h"

#include "ModalDialogs.h"
#include "UnitCreateUser.h"

#include "hbQuorPump.h"
#include "pump_until.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace hbquor::account::testing {

bool Await(const std::function<bool()> &cond, int timeoutMs) {
    return quor::testing::PumpUntil(cond, timeoutMs, [](int roundMs) {
        hbquor::PumpPending(roundMs);
        QCoreApplication::processEvents();
    });
}

MainWindowStandIn::MainWindowStandIn(ThbQuorCentral &central)
    : record([this](QWidget *, const QString &text) { messages << text; }), FCentral(central) {
    central.SetOnUserProfile([this](ThbQuorUnit *, const std::string &errText, int code,
                                    const std::string &name, const std::string &password,
                                    const std::string &email, int userType, double created,
                                    double lastLogin, int selfCreated, int disabled) {
        if (window)
            window->ShowProfileResult(errText, code, name, password, email, userType, created,
                                      lastLogin, selfCreated, disabled);
    });
    central.SetOnProfileChanged(
        [this](ThbQuorUnit *, const std::string &errText, int code, const std::string &name) {
            if (window)
                window->ShowModifyResult(errText, code, name);
        });
    central.SetOnEmailChanged([this](ThbQuorUnit *, const std::string &errText, int code) {
        if (window)
            window->ShowEmailChangeResult(errText, code);
    });
    const auto answer = [this](const char *event) {
        return [this, event](const std::string &, int code, const std::string &name,
                             const std::string &email) {
            answers << QStringLiteral("%1 %2 %3 %4")
                           .arg(QLatin1String(event), QString::number(code),
                                QString::fromStdString(name), QString::fromStdString(email));
        };
    };
    central.SetOnCreateUserResult(answer("CreateUserResult"));
    central.SetOnPasswordRequestResult(answer("PasswordRequestResult"));
}

MainWindowStandIn::~MainWindowStandIn() {
    delete window;
}

TFormUserProfile *MainWindowStandIn::OpenProfileWindow(const QString &loginName) {
    delete window;
    window = new TFormUserProfile(
        {QStringLiteral("User"), QStringLiteral("Admin"), QStringLiteral("Guide")}, nullptr,
        record);
    window->OpenForSession(FCentral, loginName);
    window->show();
    return window;
}

void MainWindowStandIn::ChangeThrough(QPushButton *button, const QString &entry) {
    WhenModalOpens<TFormCreateUser>([entry](TFormCreateUser &request) {
        request.inpEmail->setText(entry);
        request.inpEmail2->setText(entry);
        request.btnSendRequest->click();
    });
    button->click();
}

} // namespace hbquor::account::testing
