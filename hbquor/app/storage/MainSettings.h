// SPDX-License-Identifier: MIT
// MainSettings: what the main window keeps in the settings file, all in the
// section "Parameters": read once at start-up, written when the window
// closes. The password is never among them.
//
// Keys: wndMainLeft and wndMainTop (the frame's corner), LoginName,
// URLQuorSDK, URLQuorDelphi, ProgEmail, LogChat, QuorHost, QuorPort,
// Notify, TimeMode and ChatTimes are read and written, and so are the window
// sizes (WindowSizeSettings), the connection's keys (ConnectionSettings),
// the history's (HistorySettings) and the looks' (ComfortSettings);
// MaxUserType and UserType2, UserType3 ... are only read.
// A settings file that exists but cannot be read gives the defaults and is
// never replaced, so a file the program cannot parse loses nothing.
#pragma once

#include "ComfortSettings.h"
#include "ConnectionSettings.h"
#include "HistorySettings.h"
#include "WindowSizeSettings.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

class QuorSettings;

struct MainSettings {
    static const QString Section;
    static const QString DefaultQuorHost;
    static constexpr int DefaultQuorPort = 8317;

    /// The frame's top-left corner: at start-up as stored (both keys present
    /// and numbers), at close where the window is.
    std::optional<QPoint> Frame;
    QString LoginName;
    QString UrlQuorSdk;
    QString UrlQuorDelphi;
    QString ProgEmail;
    /// Whether the chat log is open: at start-up whether to open it, at
    /// close whether it was open.
    bool LogChat = true;
    /// User-type names by number: "User", "Admin", then the UserType keys
    /// up to MaxUserType ("unknown" where one is missing).
    QStringList UserTypes;
    QString QuorHost;
    int QuorPort = DefaultQuorPort;
    /// Desktop notifications and the urgency mark for texts, offline texts,
    /// invitations and broadcasts that arrive while the program is not active.
    bool Notify = true;
    /// The time base of the clock and every time stamp: 0 VRT, 1 UTC, 2 the
    /// local time (TimeText; other values act as 0).
    int TimeMode = 0;
    /// Whether said lines in the panes start with their time stamp.
    bool ChatTimes = false;
    /// The main window's size and the sizes of new talk windows.
    WindowSizeSettings Sizes;
    /// TLS and reconnecting.
    ConnectionSettings Connection;
    /// Keeping history and for how long.
    HistorySettings History;
    /// The tray, the text size and the colours.
    ComfortSettings Comfort;
    /// The file exists but could not be read.
    bool Unreadable = false;
    /// Keys in the file whose values are not valid (QuorPort=abc, TimeMode=7),
    /// each read as its default.
    QStringList FaultyKeys;

    /// Reads every key from the file; a missing file or key gives its
    /// default, and so does a faulty one, which is noted in FaultyKeys.
    static MainSettings Read(const QString &fileName);

    /// Writes the kept keys into the file, leaving its other sections, keys
    /// and comments alone. False when nothing was written: the file could
    /// not be read (now or at start-up) or not be saved.
    bool Write(const QString &fileName) const;
    /// Writes only the keys whose values differ from before's, leaving every
    /// other line of the file as it is. False as Write.
    bool WriteChanges(const QString &fileName, const MainSettings &before) const;

    /// The mail link of "Contact Author": a message to ProgEmail with the
    /// subject "Quor SDK (Delphi)" and a body of "Hi!" and two line breaks.
    QString ContactAuthorLink() const;

private:
    /// Sets the kept keys in file's section.
    void WriteKeys(QuorSettings &file) const;
};
