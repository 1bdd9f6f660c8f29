// SPDX-License-Identifier: MIT
#include "SearchDialog.h"

#include "DisplayText.h"
#include "HistoryStore.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeZone>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace hbquor::historyview {

namespace {

/// Lines shown before and after the selected hit.
constexpr int AroundLines = 5;

qint64 StartOfDayMs(const QDate &day) {
    return QDateTime(day, QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch();
}

} // namespace

SearchDialog::SearchDialog(history::HistoryStore &store, history::Account account, TimeText times,
                           QWidget *parent)
    : QDialog(parent), inpQuery(new QLineEdit(this)), inpPeer(new QLineEdit(this)),
      cbFrom(new QCheckBox(tr("F&rom"), this)), inpFrom(new QDateEdit(this)),
      cbTo(new QCheckBox(tr("&To"), this)), inpTo(new QDateEdit(this)),
      lvHits(new QTreeWidget(this)), memoAround(new QPlainTextEdit(this)),
      lbStatus(new QLabel(this)), btSearch(new QPushButton(tr("&Search"), this)),
      btOpen(new QPushButton(tr("&Open"), this)), FStore(store), FAccount(std::move(account)),
      FTimes(times) {
    setWindowTitle(tr("Search history - %1").arg(LineField(FAccount.User)));
    inpQuery->setPlaceholderText(tr("words, \"a phrase\", prefix*"));
    inpPeer->setPlaceholderText(tr("user or #channel; empty for all"));
    inpQuery->setAccessibleDescription(inpQuery->placeholderText());
    inpPeer->setAccessibleDescription(inpPeer->placeholderText());
    inpFrom->setAccessibleName(tr("First day"));
    inpTo->setAccessibleName(tr("Last day"));
    lvHits->setAccessibleName(tr("Lines found"));
    memoAround->setAccessibleName(tr("Lines around the selected one"));
    btOpen->setAccessibleDescription(tr("Opens the conversation at the selected line"));
    for (QDateEdit *day : {inpFrom, inpTo}) {
        day->setCalendarPopup(true);
        day->setDate(QDate::currentDate());
        day->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    lvHits->setHeaderLabels({tr("Time"), tr("With"), tr("Text")});
    lvHits->setRootIsDecorated(false);
    lvHits->header()->setStretchLastSection(true);
    memoAround->setReadOnly(true);
    memoAround->setMaximumBlockCount(2 * AroundLines + 1);
    btOpen->setEnabled(false);
    btSearch->setDefault(true);

    auto *form = new QFormLayout;
    form->addRow(tr("&Find:"), inpQuery);
    form->addRow(tr("&With:"), inpPeer);
    auto *days = new QHBoxLayout;
    days->addWidget(cbFrom);
    days->addWidget(inpFrom);
    days->addWidget(cbTo);
    days->addWidget(inpTo);
    days->addStretch();
    days->addWidget(btSearch);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lbStatus, 1);
    bottom->addWidget(btOpen);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(days);
    layout->addWidget(lvHits, 3);
    layout->addWidget(memoAround, 1);
    layout->addLayout(bottom);
    resize(640, 480);

    connect(btSearch, &QPushButton::clicked, this, &SearchDialog::Search);
    connect(inpQuery, &QLineEdit::returnPressed, this, &SearchDialog::Search);
    connect(lvHits, &QTreeWidget::currentItemChanged, this, &SearchDialog::ShowAround);
    connect(lvHits, &QTreeWidget::itemActivated, this, &SearchDialog::OpenSelected);
    connect(btOpen, &QPushButton::clicked, this, &SearchDialog::OpenSelected);
}

history::SearchFilter SearchDialog::Filter() const {
    history::SearchFilter filter;
    filter.Peer = inpPeer->text().trimmed();
    if (cbFrom->isChecked())
        filter.FromMs = StartOfDayMs(inpFrom->date());
    if (cbTo->isChecked())
        filter.ToMs = StartOfDayMs(inpTo->date().addDays(1));
    return filter;
}

void SearchDialog::Search() {
    const history::SearchResult result =
        FStore.Search(FAccount, inpQuery->text(), Filter(), MaxHits);
    FHits = result.Hits;
    lvHits->clear();
    memoAround->clear();
    for (const history::Hit &hit : FHits) {
        auto *item =
            new QTreeWidgetItem(lvHits, {FTimes.DateAndTime(history::VrtFromUtcMs(hit.Found.AtMs)),
                                         OneLine(hit.Found.Peer), QString()});
        // The label shows the marks; a screen reader gets the same line plain.
        item->setData(2, Qt::AccessibleTextRole, PlainText(hit));
        auto *text = new QLabel(MarkedText(hit));
        text->setTextFormat(Qt::RichText);
        lvHits->setItemWidget(item, 2, text);
    }
    lbStatus->setText(result.Failed       ? tr("The history cannot be read.")
                      : FHits.isEmpty()   ? tr("Nothing found.")
                      : FHits.size() == 1 ? tr("1 line found.")
                                          : tr("%1 lines found.").arg(FHits.size()));
    // A screen reader on the list hears how the search went.
    lvHits->setAccessibleDescription(lbStatus->text());
    btOpen->setEnabled(!FHits.isEmpty());
    if (!FHits.isEmpty())
        lvHits->setCurrentItem(lvHits->topLevelItem(0));
}

QString SearchDialog::PlainText(const history::Hit &hit) {
    return OneLine(hit.Found.Sender) + QStringLiteral(": ") + OneLine(hit.Found.Text);
}

QString SearchDialog::MarkedText(const history::Hit &hit) {
    const QString text = OneLine(hit.Found.Sender) + QStringLiteral(": ");
    QString marked = text.toHtmlEscaped();
    const QString &said = hit.Found.Text;
    int at = 0;
    for (const history::MatchRange &range : hit.Marks) {
        marked += OneLine(said.mid(at, range.Start - at)).toHtmlEscaped();
        marked += QStringLiteral("<b>") +
                  OneLine(said.mid(range.Start, range.Length)).toHtmlEscaped() +
                  QStringLiteral("</b>");
        at = range.Start + range.Length;
    }
    return marked + OneLine(said.mid(at)).toHtmlEscaped();
}

void SearchDialog::ShowAround() {
    memoAround->clear();
    const int row = lvHits->indexOfTopLevelItem(lvHits->currentItem());
    if (row < 0 || row >= FHits.size())
        return;
    for (const history::Line &line : FStore.Around(FAccount, FHits[row].Found.Id, AroundLines))
        memoAround->appendPlainText(OneLine(SaidLine(line.Sender, line.Text), Tabs::Keep));
}

void SearchDialog::OpenSelected() {
    const int row = lvHits->indexOfTopLevelItem(lvHits->currentItem());
    if (row >= 0 && row < FHits.size())
        emit HitOpened(FHits[row]);
}

} // namespace hbquor::historyview
