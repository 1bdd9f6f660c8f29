// SPDX-License-Identifier: MIT
// Which parts of a line become links: the three schemes only, whole
// addresses without the sentence's punctuation, and the rest as it was.
#include "LinkText.h"

#include <QTest>

using namespace hbquor;

class LinkTextTest : public QObject {
    Q_OBJECT

private slots:
    void linksFound_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("links");
        QTest::newRow("http") << "see http://a.example/x?y=1 now"
                              << QStringList{"http://a.example/x?y=1"};
        QTest::newRow("https, upper case")
            << "HTTPS://A.example" << QStringList{"HTTPS://A.example"};
        QTest::newRow("mailto") << "mail mailto:carol@example.org."
                                << QStringList{"mailto:carol@example.org"};
        QTest::newRow("sentence end")
            << "(at https://x.example/a_(b)), ok?" << QStringList{"https://x.example/a_(b)"};
        QTest::newRow("two") << "http://a.example,http://b.example"
                             << QStringList{"http://a.example,http://b.example"};
        QTest::newRow("angle brackets") << "<http://a.example>" << QStringList{"http://a.example"};
        QTest::newRow("isolated field")
            << QStringLiteral("\u2068http://a.example\u2069") << QStringList{"http://a.example"};
        QTest::newRow("file") << "file:///etc/passwd" << QStringList{};
        QTest::newRow("javascript") << "javascript:alert(1)" << QStringList{};
        QTest::newRow("ftp") << "ftp://a.example" << QStringList{};
        QTest::newRow("inside a word") << "xhttp://a.example" << QStringList{};
        QTest::newRow("scheme alone") << "http:// and mailto:" << QStringList{};
        QTest::newRow("markup stays")
            << "<a href=\"javascript:x\">http://a.example</a>" << QStringList{"http://a.example"};
    }
    void linksFound() {
        QFETCH(QString, line);
        QFETCH(QStringList, links);
        const QList<TextPiece> pieces = SplitLinks(line);
        QStringList found;
        QString joined;
        for (const TextPiece &piece : pieces) {
            if (piece.IsLink()) {
                found << piece.Link;
                QCOMPARE(piece.Text, piece.Link);
                QVERIFY(IsOpenableLink(piece.Link));
            }
            joined += piece.Text;
        }
        QCOMPARE(found, links);
        QCOMPARE(joined, line);
    }

    void onlyThreeSchemesOpen() {
        QVERIFY(IsOpenableLink(QStringLiteral("mailto:a@b")));
        for (const char *refused : {"file:///x", "javascript:alert(1)", "data:text/html,x",
                                    "http://", "http://a b", "ssh://host", ""})
            QVERIFY2(!IsOpenableLink(QString::fromLatin1(refused)), refused);
    }
};

QTEST_MAIN(LinkTextTest)
#include "LinkTextTest.moc"
