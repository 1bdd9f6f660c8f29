// Line breaks and time texts of the account windows. Runs with a German
// system locale (set by the test's environment) so that the time text has a
// known form.
#include "AccountText.h"
#include "VrtTimeText.h"

#include <QtTest>

using namespace hbquor::account;

class AccountTextTest : public QObject {
    Q_OBJECT

private slots:
    void lineBreaks() { QCOMPARE(ShownText(QStringLiteral("a\r\rb")), QStringLiteral("a\n\nb")); }

    void vrtTimeText() {
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
        // 25569 is 1 January 1970; half a day and 5 seconds later.
        QCOMPARE(VrtTimeText(25569.5 + 5.0 / 86400), QStringLiteral("01.01.70 12:00:05 VRT"));
        QCOMPARE(VrtTimeText(36526.75), QStringLiteral("01.01.00 18:00:00 VRT"));
    }
};

QTEST_MAIN(AccountTextTest)
#include "AccountTextTest.moc"
