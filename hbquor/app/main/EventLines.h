// SPDX-License-Identifier: MIT
// EventLines: the exact words of every event the main window logs. Each
// kind of event is one call that makes the pane paragraph and the chat log
// line from one description and writes both through the EventLog; events
// that the chat log does not record write the pane only.
//
// The pane shows an event in the user's language; the chat log keeps its
// English words, so one pattern fills both forms (Words).
//
// Most chat log lines carry the time stamp: "<stamp> VRT: " before news of
// channels, "<stamp> VRT - " before news of the connection and the server
// (the name of the user's time base in place of VRT). Said texts show a tab
// after "name: " in the pane (lining the text up with the hanging indent)
// and a plain blank in the file. With ChatTimes on, said lines in the panes
// (the log pane, conversation and channel windows) start with their time
// stamp; the chat log's lines never change with it. Names and texts enter
// the lines as line fields (DisplayText), so none can add a line or turn the
// words around it.
#pragma once

#include "hbQuorUnit.h"

#include <QCoreApplication>
#include <QString>

#include <initializer_list>

class EventLog;

class EventLines {
    Q_DECLARE_TR_FUNCTIONS(EventLines)

public:
    explicit EventLines(EventLog &log) : FLog(log) {}

    // ---- Channels ----
    void ChannelJoined(const QString &user, const QString &channel);
    void ChannelLeft(const QString &user, const QString &channel);
    void ChannelOpened(const QString &own, const QString &channel);
    /// The user closed a channel window: "left" and "closed" lines.
    void ChannelClosed(const QString &own, const QString &channel);
    void ChannelError(const QString &channel, const QString &account, int code,
                      const QString &errText);
    void ChannelText(const QString &channel, const QString &from, const QString &text);
    void ChannelListEntry(const QString &channel, int type, int userCount);
    /// The end of a listing of count channels.
    void ChannelListEnd(int count);
    void Invitation(const QString &from, const QString &account, const QString &channel);

    // ---- Private texts ----
    /// A text from one user to another (or, said by the user, to a channel).
    void PrivateText(const QString &from, const QString &to, const QString &text);
    void OfflineText(const QString &from, const QString &account, double sentTime,
                     const QString &text);
    void TextFailed(const QString &account, const QString &target, int code,
                    const QString &errText);

    // ---- Said lines in the panes ----
    /// The setting ChatTimes; off unless switched on.
    void SetChatTimes(bool on) { FChatTimes = on; }
    /// A said line as a pane shows it: with ChatTimes on, the time stamp of
    /// at (a VRT date-time value) and a blank before it.
    QString PaneLine(const QString &line, double at) const;
    /// The same for a line said now.
    QString PaneLine(const QString &line) const;

    // ---- Connection, users and the server ----
    void Connecting();
    void Connected(const QString &account);
    void Disconnected(const QString &account);
    /// The login's line, naming the server it went to (host:port) at the end.
    void LoginFailed(const QString &account, int code, const QString &errText,
                     const QString &server);
    void UserStatus(const QString &name, hbquor::QuorUserStatus status);
    void PingReply(const QString &name, int seconds);
    void Welcome(const QString &message);
    void Broadcast(const QString &from, const QString &message);
    /// A key of the settings file whose value is not valid, read as its default.
    void FaultySetting(const QString &key);
    /// A failure the session layer reports; account is empty without a session.
    void Error(const QString &account, const QString &where, const QString &what, int code,
               const QString &errText);

private:
    /// An event's words in its two forms.
    struct Worded {
        QString Pane; // in the user's language
        QString File; // in English
    };
    /// Fills an English pattern (marked for translation) and its translation.
    static Worded Words(const char *pattern, std::initializer_list<QString> args);

    /// The chat log's form of a pane text: the time stamp, the zone name
    /// (" VRT"), the separator, then the text.
    QString Stamped(const char *separator, const QString &text) const;
    /// Something said: "<head>: <tab><text>" in the pane, without the tab in
    /// the file.
    void Said(const Worded &head, const QString &text);

    EventLog &FLog;
    bool FChatTimes = false;
};
