// SPDX-License-Identifier: MIT
#include "ContactItemText.h"

#include "ContactIcons.h"
#include "ContactListModel.h"

#include <QCoreApplication>
#include <QTreeWidgetItem>

namespace {

const char *StateText(int image) {
    switch (image) {
    case ContactListModel::Tick:
        return QT_TRANSLATE_NOOP("ContactItemText", "online");
    case ContactListModel::DoubleTick:
        return QT_TRANSLATE_NOOP("ContactItemText", "online as administrator");
    case ContactListModel::Cross:
        return QT_TRANSLATE_NOOP("ContactItemText", "not available");
    case ContactListModel::Flash:
        return QT_TRANSLATE_NOOP("ContactItemText", "waiting");
    default:
        return QT_TRANSLATE_NOOP("ContactItemText", "offline");
    }
}

QString Translated(const char *text) {
    return QCoreApplication::translate("ContactItemText", text);
}

} // namespace

void DescribeContactItem(QTreeWidgetItem *item) {
    QStringList words{item->text(0)};
    const QVariant image = item->data(0, ContactImageRole);
    if (image.isValid())
        words << Translated(StateText(image.toInt()));
    if (item->font(0).bold())
        words << Translated(QT_TRANSLATE_NOOP("ContactItemText", "unread texts"));
    item->setData(0, Qt::AccessibleTextRole, words.join(QStringLiteral(", ")));
}
