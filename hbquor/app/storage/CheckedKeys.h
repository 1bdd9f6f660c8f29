// SPDX-License-Identifier: MIT
// CheckedKeys: reads the keys of one section of the settings file and notes
// every key that is there with a value that is not valid (not a number, or
// outside its range), so that the user can be told once at start-up. Such a
// key gives its default, as a missing one does.
#pragma once

#include <QString>
#include <QStringList>

#include <climits>

class QuorSettings;

class CheckedKeys {
public:
    CheckedKeys(const QuorSettings &file, QString section)
        : FFile(file), FSection(std::move(section)) {}

    /// The key's number when it lies in min..max; else the default.
    int Integer(const QString &key, int defaultValue, int min = INT_MIN, int max = INT_MAX);
    /// Any number, non-zero meaning true; a value that is no number is faulty.
    bool Bool(const QString &key, bool defaultValue);
    QString String(const QString &key, const QString &defaultValue) const;

    /// The faulty keys in the order they were read, each once.
    const QStringList &Faulty() const { return FFaulty; }

private:
    void NoteFaulty(const QString &key);

    const QuorSettings &FFile;
    QString FSection;
    QStringList FFaulty;
};
