// SPDX-License-Identifier: MIT
// Links in the panes: which addresses become links, their tooltip, markup
// kept as text, and a click opening only an allowed address.
#include "LinePane.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrl>

class PaneLinksTest : public QObject {
    Q_OBJECT

public slots:
    void Open(const QUrl &url) { FOpened << url.toString(); }

private:
    QStringList FOpened;

    /// The anchors of the pane's last line, as (text, address, tooltip).
    static QList<QStringList> Anchors(QTextDocument *document) {
        QList<QStringList> anchors;
        for (auto it = document->lastBlock().begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isAnchor())
                anchors << QStringList{fragment.text(), format.anchorHref(), format.toolTip()};
        }
        return anchors;
    }

    /// Clicks the middle of the first character of the last line that has the text.
    template <class View> static void ClickOn(View &view, const QString &text) {
        QTextCursor cursor(view.document());
        cursor.setPosition(view.document()->lastBlock().position() +
                           view.document()->lastBlock().text().indexOf(text) + 1);
        const QPoint at = view.cursorRect(cursor).center();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    }

    template <class View> void CheckLines() {
        View view;
        LinePane pane(&view);
        pane.AddLine(
            QStringLiteral("bob: \t<b>see</b> https://a.example/x. or javascript:alert(1)"));
        QCOMPARE(view.document()->lastBlock().text(),
                 QStringLiteral("bob: \t<b>see</b> https://a.example/x. or javascript:alert(1)"));
        QCOMPARE(Anchors(view.document()),
                 (QList<QStringList>{
                     {"https://a.example/x", "https://a.example/x", "https://a.example/x"}}));
        pane.AddLine(QStringLiteral("file:///etc/passwd <a href=\"http://evil\">x</a>"));
        // The quote ends the address: the href of the markup is just text.
        QCOMPARE(Anchors(view.document()),
                 (QList<QStringList>{{"http://evil", "http://evil", "http://evil"}}));
    }

    template <class View> void CheckClick() {
        FOpened.clear();
        View view;
        view.resize(400, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        LinePane pane(&view);
        pane.AddLine(QStringLiteral("plain words then mailto:carol@example.org"));
        ClickOn(view, QStringLiteral("words"));
        QCOMPARE(FOpened, QStringList());
        ClickOn(view, QStringLiteral("mailto:"));
        QCOMPARE(FOpened, QStringList{"mailto:carol@example.org"});
    }

private slots:
    void initTestCase() {
        for (const char *scheme : {"http", "https", "mailto", "file", "javascript"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }

    void linesInRichPane() { CheckLines<QTextEdit>(); }
    void linesInPlainPane() { CheckLines<QPlainTextEdit>(); }
    void clickInRichPane() { CheckClick<QTextEdit>(); }
    void clickInPlainPane() { CheckClick<QPlainTextEdit>(); }
};

QTEST_MAIN(PaneLinksTest)
#include "PaneLinksTest.moc"
