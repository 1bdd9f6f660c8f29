// SPDX-License-Identifier: MIT
#include "QuorSettings.h"

#include "PrivateFiles.h"

#include <QFile>
#include <QFileInfo>

#include <string>

// The INI reader's template code is compiled here, for the one instance used.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

struct QuorSettings::Store {
    CSimpleIniA Ini; // case-insensitive sections and keys
};

QuorSettings::QuorSettings(QString fileName)
    : FFileName(std::move(fileName)), FStore(std::make_unique<Store>()) {
    // Single values, "key=value" without blanks around the equals sign.
    CSimpleIniA &ini = FStore->Ini;
    ini.SetUnicode(true);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
    ini.SetSpaces(false);
}

QuorSettings::~QuorSettings() = default;

QuorSettings::LoadResult QuorSettings::Load() {
    FStore->Ini.Reset();
    QFileInfo info(FFileName);
    if (!info.exists())
        return LoadResult::Missing;
    QFile file(FFileName);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return LoadResult::Failed;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return LoadResult::Failed;
    if (FStore->Ini.LoadData(data.constData(), static_cast<size_t>(data.size())) < 0)
        return LoadResult::Failed;
    return LoadResult::Loaded;
}

bool QuorSettings::ParseInteger(const QString &text, int &value) {
    QString digits = text.trimmed();
    bool negative = false;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        negative = digits.startsWith(QLatin1Char('-'));
        digits.remove(0, 1);
    }
    int base = 10;
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        digits.remove(0, 2);
    }
    // Only plain digits: no second sign, blanks or further prefixes.
    for (QChar c : digits) {
        const bool ok = base == 16 ? isxdigit(c.toLatin1()) != 0 : c.isDigit();
        if (!ok || c.unicode() > 127)
            return false;
    }
    bool ok = false;
    const qlonglong magnitude = digits.toLongLong(&ok, base);
    if (!ok)
        return false;
    const qlonglong signedValue = negative ? -magnitude : magnitude;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return false;
    value = static_cast<int>(signedValue);
    return true;
}

int QuorSettings::ReadInteger(const QString &section, const QString &key, int defaultValue) const {
    return ReadStoredInteger(section, key).value_or(defaultValue);
}

std::optional<int> QuorSettings::ReadStoredInteger(const QString &section,
                                                   const QString &key) const {
    const char *raw =
        FStore->Ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
    int value = 0;
    if (raw == nullptr || !ParseInteger(QString::fromUtf8(raw), value))
        return std::nullopt;
    return value;
}

bool QuorSettings::ReadBool(const QString &section, const QString &key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QString QuorSettings::ReadString(const QString &section, const QString &key,
                                 const QString &defaultValue) const {
    const char *raw =
        FStore->Ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
    if (raw == nullptr)
        return defaultValue;
    return QString::fromUtf8(raw).left(MaxStringLength);
}

bool QuorSettings::Has(const QString &section, const QString &key) const {
    return FStore->Ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr) !=
           nullptr;
}

QStringList QuorSettings::Keys(const QString &section) const {
    CSimpleIniA::TNamesDepend keys;
    FStore->Ini.GetAllKeys(section.toUtf8().constData(), keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList names;
    for (const CSimpleIniA::Entry &key : keys)
        names << QString::fromUtf8(key.pItem);
    return names;
}

void QuorSettings::WriteInteger(const QString &section, const QString &key, int value) {
    WriteString(section, key, QString::number(value));
}

void QuorSettings::WriteBool(const QString &section, const QString &key, bool value) {
    WriteInteger(section, key, value ? 1 : 0);
}

void QuorSettings::WriteString(const QString &section, const QString &key, const QString &value) {
    // Line breaks would split the value into a second, bogus line.
    QString oneLine = value;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    FStore->Ini.SetValue(section.toUtf8().constData(), key.toUtf8().constData(),
                         oneLine.toUtf8().constData());
}

bool QuorSettings::Save() const {
    std::string text;
    if (FStore->Ini.Save(text) < 0)
        return false;
    return SavePrivateFile(FFileName, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}
