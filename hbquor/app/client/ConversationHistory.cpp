#include "ConversationHistory.h"

#include "NameText.h"

#include <algorithm>

namespace hbquor::client {

void ConversationHistory::Add(const QString &peer, const QString &text, double at) {
    auto found = std::find_if(FConversations.begin(), FConversations.end(),
                              [&peer](const Conversation &conversation) {
                                  return hbquor::SameNameIgnoringCase(conversation.Peer, peer);
                              });
    Conversation conversation;
    if (found != FConversations.end()) {
        conversation = std::move(*found);
        FConversations.erase(found);
    } else {
        conversation.Peer = peer;
    }
    conversation.Lines.push_back({at, text});
    if (conversation.Lines.size() > MaxLines)
        conversation.Lines.pop_front();
    FConversations.push_front(std::move(conversation));
    if (FConversations.size() > MaxUsers)
        FConversations.pop_back();
}

QList<ConversationHistory::Line> ConversationHistory::LinesWith(const QString &peer) const {
    for (const Conversation &conversation : FConversations)
        if (hbquor::SameNameIgnoringCase(conversation.Peer, peer))
            return QList<Line>(conversation.Lines.begin(), conversation.Lines.end());
    return {};
}

} // namespace hbquor::client
