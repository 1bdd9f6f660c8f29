// SPDX-License-Identifier: MIT
// The text forms of VRT times: clock caption, long date and log time stamp.
#include "VrtText.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

namespace {

/// German month and weekday names, installed while it lives.
class GermanNames : public QTranslator {
public:
    GermanNames() { QCoreApplication::installTranslator(this); }
    ~GermanNames() override { QCoreApplication::removeTranslator(this); }
    QString translate(const char *context, const char *source, const char *, int) const override {
        static const QHash<QByteArray, QString> german{{"March", "März"}, {"Friday", "Freitag"}};
        return QByteArray(context) == "VrtText" ? german.value(source) : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class VrtTextTest : public QObject {
    Q_OBJECT

private slots:
    void vrtHourMinuteAndDate() {
        // 2004-03-05 09:07:30 as a day count.
        const double days = 38051.0 + (9 * 3600 + 7 * 60 + 30) / 86400.0;
        QCOMPARE(FormatVrtHourMinute(days), QStringLiteral("09:07"));
        QCOMPARE(FormatVrtDate(days), QStringLiteral("2004 March 5 Friday 09:07"));
        QCOMPARE(FormatVrtDate(25569.0), QStringLiteral("1970 January 1 Thursday 00:00"));
    }

    void shownDateInTheUsersLanguage() {
        const GermanNames german;
        const double days = 38051.0 + (9 * 3600 + 7 * 60 + 30) / 86400.0;
        QCOMPARE(FormatShownVrtDate(days), QStringLiteral("2004 März 5 Freitag 09:07"));
        QCOMPARE(FormatVrtDate(days), QStringLiteral("2004 March 5 Friday 09:07"));
    }

    void dayCountRoundsToTheMillisecond() {
        const double almostMidnight = 25569.0 + (86400000.0 - 0.2) / 86400000.0;
        QCOMPARE(DateTimeFromDays(almostMidnight).date(), QDate(1970, 1, 2));
        QCOMPARE(DateTimeFromDays(almostMidnight).time(), QTime(0, 0));
    }

    void logTimeStampHasSecondsAndNoZone() {
        QLocale::setDefault(QLocale::c());
        const double days = 38051.0 + (14 * 3600 + 5 * 60 + 9) / 86400.0;
        const QString stamp = FormatLogTimeStamp(days);
        QVERIFY2(stamp.contains(QStringLiteral("05:09")), qPrintable(stamp));
        QVERIFY2(!stamp.contains(QStringLiteral("UTC")), qPrintable(stamp));
        QVERIFY2(!stamp.endsWith(QLatin1Char(' ')), qPrintable(stamp));
    }
};

QTEST_GUILESS_MAIN(VrtTextTest)
#include "VrtTextTest.moc"
