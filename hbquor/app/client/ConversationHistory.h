// ConversationHistory: the lines exchanged with each user in this run, so
// that a conversation window opened after a few texts shows them instead of
// an empty pane. Each line is kept in the form a conversation window shows
// it ("name: <tab>text") with the moment it was said, for the last
// MaxLines lines per user; names are compared ignoring the case of A to Z,
// as the service does. The users whose conversations are kept are bounded
// too: beyond MaxUsers, the one quiet for longest is forgotten, so a flood
// of senders cannot make the program grow without end.
//
// Kept: texts received from the user and texts sent to him, from the say
// input or his conversation window. Not kept, as no conversation window
// ever shows them: offline texts, broadcasts and failed deliveries.
#pragma once

#include <QList>
#include <QString>

#include <deque>

namespace hbquor::client {

class ConversationHistory {
public:
    static constexpr int MaxLines = 100;
    static constexpr int MaxUsers = 500;

    struct Line {
        /// When it was said, as a VRT date-time value.
        double At;
        /// The line as a conversation window shows it, without time stamp.
        QString Text;
    };

    /// Keeps a line said between the user and peer.
    void Add(const QString &peer, const QString &text, double at);
    /// The lines kept for peer, oldest first.
    QList<Line> LinesWith(const QString &peer) const;

private:
    struct Conversation {
        QString Peer;
        std::deque<Line> Lines;
    };

    /// Most recently active first.
    std::deque<Conversation> FConversations;
};

} // namespace hbquor::client
