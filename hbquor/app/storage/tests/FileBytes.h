// SPDX-License-Identifier: MIT
// Whole files as bytes, for the tests that prepare and inspect the
// program's files.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

/// The file's bytes; empty when it cannot be read.
inline QByteArray ReadFileBytes(const QString &fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Replaces the file's contents with bytes; false when it cannot be written.
inline bool WriteFileBytes(const QString &fileName, const QByteArray &bytes) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}
