// SPDX-License-Identifier: MIT
// The account windows in German: every label keeps clear of the controls
// beside it, in each mode of the account request window.
#include "UnitCreateUser.h"
#include "UnitUserProfile.h"

#include <QLabel>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

using hbquor::account::TFormCreateUser;

namespace {

using MakeWindow = std::function<std::unique_ptr<QWidget>()>;

MakeWindow Request(void (*setup)(TFormCreateUser &)) {
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
    for (const QLabel *label : window.findChildren<QLabel *>())
        for (const QWidget *control : window.findChildren<QWidget *>())
            if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(&window) &&
                label->isVisibleTo(&window) &&
                PlaceIn(window, *label).intersects(PlaceIn(window, *control)))
                found << label->text() + QStringLiteral(" / ") + control->metaObject()->className();
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
        QCOMPARE(TFormCreateUser().windowTitle(), QStringLiteral("Quor-Konto anlegen"));
    }

    void labelsKeepClearOfTheirControls_data() {
        QTest::addColumn<MakeWindow>("make");
        QTest::newRow("create") << Request([](TFormCreateUser &w) { w.SetupCreateAccount(); });
        QTest::newRow("password") << Request(
            [](TFormCreateUser &w) { w.SetupRequestPassword({}); });
        QTest::newRow("email") << Request([](TFormCreateUser &w) { w.SetupChangeEmail({}, 0); });
        QTest::newRow("new password")
            << Request([](TFormCreateUser &w) { w.SetupChangePassword({}, 0, 0); });
        QTest::newRow("profile") << MakeWindow(
            [] { return std::make_unique<hbquor::account::TFormUserProfile>(QStringList()); });
    }

    void labelsKeepClearOfTheirControls() {
        QFETCH(MakeWindow, make);
        const std::unique_ptr<QWidget> window = make();
        // Shown, so that compound controls have laid out their parts.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QStringList overlaps = Overlaps(*window);
        QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(u'\n')));
    }
};

QTEST_MAIN(GermanWindowsTest)
#include "GermanWindowsTest.moc"
