// SPDX-License-Identifier: MIT
#include "CheckedKeys.h"

#include "QuorSettings.h"

int CheckedKeys::Integer(const QString &key, int defaultValue, int min, int max) {
    if (!FFile.Has(FSection, key))
        return defaultValue;
    const std::optional<int> value = FFile.ReadStoredInteger(FSection, key);
    if (!value || *value < min || *value > max) {
        NoteFaulty(key);
        return defaultValue;
    }
    return *value;
}

bool CheckedKeys::Bool(const QString &key, bool defaultValue) {
    return Integer(key, defaultValue ? 1 : 0) != 0;
}

QString CheckedKeys::String(const QString &key, const QString &defaultValue) const {
    return FFile.ReadString(FSection, key, defaultValue);
}

void CheckedKeys::NoteFaulty(const QString &key) {
    if (!FFaulty.contains(key))
        FFaulty << key;
}
