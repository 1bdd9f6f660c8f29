// SPDX-License-Identifier: MIT
// ChatLogFile: the append-only chat log ("Log.txt").
//
// Opening appends to the existing file (creating it when missing) and takes
// an exclusive advisory lock, so a second copy of the program cannot write
// into it while other programs may still read it. The file is the user's
// alone: it is created with mode 0600, and an older one readable by others
// loses their rights when it is opened. Each entry is written as one line
// (FileLine: line breaks and control characters as blanks, no direction
// controls) in UTF-8, followed by a carriage return and a line feed, so no
// entry can pass for another.
#pragma once

#include <QString>

class ChatLogFile {
public:
    ChatLogFile() = default;
    ~ChatLogFile();
    ChatLogFile(const ChatLogFile &) = delete;
    ChatLogFile &operator=(const ChatLogFile &) = delete;

    /// Opens and locks the file. On failure returns false and puts the
    /// system's error text into error; the log stays closed.
    bool Open(const QString &fileName, QString &error);
    bool IsOpen() const { return FFd >= 0; }

    /// Appends text and a line end. Returns false on a failed or short write
    /// (the log stays open); LastError then tells why.
    bool WriteLine(const QString &text);

    /// The system's text for the last failed write.
    const QString &LastError() const { return FLastError; }

    /// Releases the lock and closes the file; nothing when already closed.
    void Close();

private:
    int FFd = -1;
    QString FLastError;
};
