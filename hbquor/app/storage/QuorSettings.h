// SPDX-License-Identifier: MIT
// QuorSettings: the program's settings file, a classic INI file.
//
// Keys are looked up without regard to case. Integers are written in decimal
// and read as decimal or, with a 0x/0X prefix, hexadecimal; a value that is
// not a number (or does not fit 32 bits) gives the caller's default.
// Booleans are stored as 1 or 0 and read as integers, non-zero meaning true.
// Strings are read up to MaxStringLength characters. Sections, keys and
// comments the program does not know are kept when the file is written, and
// writing goes through a temporary file renamed over the old one, so a crash
// or a full disk never leaves a half-written file; the file written is the
// user's alone (mode 0600).
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QuorSettings {
public:
    /// Longest string value handed out by ReadString.
    static constexpr int MaxStringLength = 2047;

    enum class LoadResult { Loaded, Missing, Failed };

    explicit QuorSettings(QString fileName);
    ~QuorSettings();
    QuorSettings(const QuorSettings &) = delete;
    QuorSettings &operator=(const QuorSettings &) = delete;

    /// Reads the file. A missing file leaves the settings empty (every read
    /// gives its default); Failed means the file exists but could not be read.
    LoadResult Load();

    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    /// The key's integer, or std::nullopt when it is missing or not a number.
    std::optional<int> ReadStoredInteger(const QString &section, const QString &key) const;
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;
    QString ReadString(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    /// Whether the key is in the file, whatever its value.
    bool Has(const QString &section, const QString &key) const;
    /// The keys of section, in the file's order.
    QStringList Keys(const QString &section) const;

    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);
    void WriteString(const QString &section, const QString &key, const QString &value);

    /// Writes the file (temporary file, then rename). Returns false on failure.
    bool Save() const;

    /// Parses an integer setting text; false when it is not a number.
    static bool ParseInteger(const QString &text, int &value);

private:
    struct Store; // the parsed file, kept with its comments and order
    QString FFileName;
    std::unique_ptr<Store> FStore;
};
