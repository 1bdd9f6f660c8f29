// SPDX-License-Identifier: MIT
// SearchDialog: "Search history ..." over everything of the logged-on
// account: words, "phrases" and prefix* (whatever else is typed is taken as
// plain words), narrowed to one user or channel and to a range of days
// (UTC). Each hit shows its time, its peer and its text with the matches in
// bold (the text itself is never read as markup); the selected hit's lines
// around it show below. Opening a hit (double click, Enter or Open) asks
// for its conversation at that line.
#pragma once

#include "HistoryTypes.h"
#include "TimeText.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace hbquor::history {
class HistoryStore;
}

namespace hbquor::historyview {

class SearchDialog : public QDialog {
    Q_OBJECT

public:
    /// Hits shown at most.
    static constexpr int MaxHits = 100;

    /// store must outlive the dialog; times in the base the user chose.
    SearchDialog(history::HistoryStore &store, history::Account account, TimeText times,
                 QWidget *parent = nullptr);

    /// Searches with what the inputs say.
    void Search();
    /// The hits of the last search, newest first.
    const QList<history::Hit> &Hits() const { return FHits; }

    /// The sender and the text as one plain line.
    static QString PlainText(const history::Hit &hit);
    /// The text with the marked ranges in bold, as rich text safe to show.
    static QString MarkedText(const history::Hit &hit);

    QLineEdit *const inpQuery;
    QLineEdit *const inpPeer;
    QCheckBox *const cbFrom;
    QDateEdit *const inpFrom;
    QCheckBox *const cbTo;
    QDateEdit *const inpTo;
    QTreeWidget *const lvHits;
    QPlainTextEdit *const memoAround;
    QLabel *const lbStatus;
    QPushButton *const btSearch;
    QPushButton *const btOpen;

signals:
    void HitOpened(const hbquor::history::Hit &hit);

private:
    history::SearchFilter Filter() const;
    void ShowAround();
    void OpenSelected();

    history::HistoryStore &FStore;
    history::Account FAccount;
    TimeText FTimes;
    QList<history::Hit> FHits;
};

} // namespace hbquor::historyview
