// SPDX-License-Identifier: MIT
// Line breaks of the account windows' message texts.
#include "AccountText.h"

#include <QtTest>

using namespace hbquor::account;

class AccountTextTest : public QObject {
    Q_OBJECT

private slots:
    void lineBreaks() { QCOMPARE(ShownText(QStringLiteral("a\r\rb")), QStringLiteral("a\n\nb")); }
};

QTEST_MAIN(AccountTextTest)
#include "AccountTextTest.moc"
