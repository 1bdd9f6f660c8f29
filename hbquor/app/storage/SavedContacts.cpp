#include "SavedContacts.h"

#include "NameText.h"

#include <QFile>
#include <QSaveFile>

QStringList ReadSavedContacts(const QString &fileName) {
    QStringList names;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return names;
    const QString text = QString::fromUtf8(file.readAll());
    // Lines may end in CR, LF or both.
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString &line : normalised.split(QLatin1Char('\n'))) {
        const QString name = hbquor::TrimBlanks(line);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

bool WriteSavedContacts(const QString &fileName, const QStringList &names) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString &name : names)
        bytes += name.toUtf8() + QByteArrayLiteral("\r\n");
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
