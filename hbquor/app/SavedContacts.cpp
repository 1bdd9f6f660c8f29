#include "SavedContacts.h"

#include <QFile>
#include <QSaveFile>

QString TrimBlanksAndControls(const QString &text) {
    auto isTrimmed = [](QChar c) { return c.unicode() <= 32; };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text.at(begin)))
        ++begin;
    while (end > begin && isTrimmed(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

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
        const QString name = TrimBlanksAndControls(line);
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
