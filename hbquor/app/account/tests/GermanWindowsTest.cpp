// SPDX-License-Identifier: MIT
// The fixed-layout windows in German: every label keeps clear of the
// controls beside it, in each mode of the account request window.
#include "UnitAddChannel.h"
#include "UnitCreateUser.h"
#include "UnitInviteUser.h"
#include "UnitUserProfile.h"

#include <QLabel>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

using hbquor::account::TFormCreateUser;
using hbquor::account::TFormUserProfile;

namespace {

using MakeWindow = std::function<std::unique_ptr<QWidget>()>;

MakeWindow RequestWindow(const std::function<void(TFormCreateUser &)> &setup) {
    return [setup] {
        auto window = std::make_unique<TFormCreateUser>();
        setup(*window);
        return window;
    };
}

QRect PlaceIn(const QWidget &window, const QWidget &child) {
    return QRect(child.mapTo(&window, QPoint(0, 0)), child.size());
}

/// "label / control" for every shown label that runs into a shown control.
QStringList Overlaps(const QWidget &window) {
    QStringList found;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        for (const QWidget *control : window.findChildren<QWidget *>()) {
            if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(&window) &&
                label->isVisibleTo(&window) &&
                PlaceIn(window, *label).intersects(PlaceIn(window, *control)))
                found << label->text() + QStringLiteral(" / ") + control->metaObject()->className();
        }
    }
    return found;
}

} // namespace

class GermanWindowsTest : public QObject {
    Q_OBJECT

    QTranslator FGerman;

private slots:
    void initTestCase() {
        QVERIFY(FGerman.load(QStringLiteral(WINDOWS_DE_QM)));
        QCoreApplication::installTranslator(&FGerman);
    }

    void labelsKeepClearOfTheirControls_data() {
        QTest::addColumn<MakeWindow>("make");
        QTest::addColumn<QString>("title");
        QTest::newRow("create account")
            << RequestWindow([](TFormCreateUser &w) { w.SetupCreateAccount(); })
            << QStringLiteral("Quor-Konto anlegen");
        QTest::newRow("request password")
            << RequestWindow([](TFormCreateUser &w) { w.SetupRequestPassword({}); })
            << QStringLiteral("Vergessenes Passwort anfordern");
        QTest::newRow("change email")
            << RequestWindow([](TFormCreateUser &w) { w.SetupChangeEmail({}, false); })
            << QStringLiteral("E-Mail ändern");
        QTest::newRow("change password")
            << RequestWindow([](TFormCreateUser &w) { w.SetupChangePassword({}, false, false); })
            << QStringLiteral("Passwort ändern");
        QTest::newRow("profile") << MakeWindow([] {
            return std::make_unique<TFormUserProfile>(QStringList{QStringLiteral("User")});
        }) << QStringLiteral("Benutzerprofil");
        QTest::newRow("join channel")
            << MakeWindow([] { return std::make_unique<TFormAddChannel>(); })
            << QStringLiteral("Kanal anlegen oder betreten");
        QTest::newRow("invite") << MakeWindow([] { return std::make_unique<TFormInviteUser>(); })
                                << QStringLiteral("Benutzer für Kanal freigeben");
    }

    void labelsKeepClearOfTheirControls() {
        QFETCH(MakeWindow, make);
        QFETCH(QString, title);
        const std::unique_ptr<QWidget> window = make();
        QCOMPARE(window->windowTitle(), title);
        // Shown, so that compound controls have laid out their parts.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QStringList overlaps = Overlaps(*window);
        QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(u'\n')));
    }
};

QTEST_MAIN(GermanWindowsTest)
#include "GermanWindowsTest.moc"
