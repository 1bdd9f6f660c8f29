// SPDX-License-Identifier: MIT
// The Qt adapter: a logon and a text delivered by Qt's event loop, with the
// default and with an injected pump step; no re-entry from a nested loop;
// a step that terminates the library stops the driver.
#include "loop_logon.h"

#include <quor/adapters/qt.h>

#include <QTest>
#include <QTimer>

#include <algorithm>

namespace quor::testing {

class QtAdapterTest : public QObject {
    Q_OBJECT

    // Steps the scripted server from a Qt timer until the text has arrived.
    static bool RunUntilTextArrives(LoopLogon &logon) {
        QTimer stepper;
        QObject::connect(&stepper, &QTimer::timeout, [&logon] { logon.Step(); });
        stepper.start(5);
        return QTest::qWaitFor([] { return !LoopLogon::Outcome().text.empty(); }, 5000) &&
               LoopLogon::Outcome().loginResult == 0 && LoopLogon::Outcome().sender == "bob" &&
               LoopLogon::Outcome().text == LoopLogon::Text();
    }

private slots:
    void defaultStepDeliversALogonAndAText() {
        LoopLogon logon;
        QuorQtDriver driver;
        QVERIFY(driver.isWatching());
        QVERIFY(RunUntilTextArrives(logon));
    }

    void injectedStepRunsAndIsNotReenteredFromANestedLoop() {
        LoopLogon logon;
        int calls = 0;
        int depth = 0;
        int deepest = 0;
        QuorQtDriver driver([&] {
            ++calls;
            deepest = std::max(deepest, ++depth);
            QTest::qWait(10); // a nested event loop, as a modal dialog runs
            quor_pump(0);
            --depth;
        });
        QVERIFY(RunUntilTextArrives(logon));
        QVERIFY(calls > 0);
        QCOMPARE(deepest, 1);
    }

    void stepThatTerminatesTheLibraryStopsTheDriver() {
        LoopLogon logon;
        QuorQtDriver driver([] { quor_term(); });
        QTimer stepper;
        QObject::connect(&stepper, &QTimer::timeout, [&logon] { logon.Step(); });
        stepper.start(5);
        QTRY_VERIFY_WITH_TIMEOUT(!driver.isWatching(), 5000);
    }

    void watchesNothingWithoutALibrary() {
        QuorQtDriver driver;
        QVERIFY(!driver.isWatching());
    }
};

} // namespace quor::testing

QTEST_GUILESS_MAIN(quor::testing::QtAdapterTest)
#include "qt_adapter_test.moc"
