// SPDX-License-Identifier: MIT
#include "callback_recorder.h"

#include <gtest/gtest.h>

namespace quor::testing {

namespace {

std::vector<RaisedEvent> g_events;
std::function<void(const RaisedEvent &)> g_after;

std::string Str(const char *s) {
    return s == nullptr ? "(null)" : s;
}

void Record(int slot, QUORHANDLE h, std::vector<std::string> args) {
    g_events.push_back({slot, h, std::move(args)});
    if (g_after) {
        // A copy: the hook may clear or extend the record.
        const RaisedEvent last = g_events.back();
        g_after(last);
    }
}

void OnLogin(QUORHANDLE h, int r) {
    Record(QUOR_CB_LOGIN, h, {std::to_string(r)});
}
void OnDisconnect(QUORHANDLE h) {
    Record(QUOR_CB_DISCONNECT, h, {});
}
void OnText(QUORHANDLE h, const char *s, const char *t) {
    Record(QUOR_CB_TEXT, h, {Str(s), Str(t)});
}
void OnIsOnline(QUORHANDLE h, const char *n, int st) {
    Record(QUOR_CB_ISONLINE, h, {Str(n), std::to_string(st)});
}
void OnWelcome(QUORHANDLE h, const char *t) {
    Record(QUOR_CB_WELCOME, h, {Str(t)});
}
void OnPingReply(QUORHANDLE h, const char *s, int secs) {
    Record(QUOR_CB_PINGREPLY, h, {Str(s), std::to_string(secs)});
}
void OnTextError(QUORHANDLE h, int c, const char *n) {
    Record(QUOR_CB_TEXTERROR, h, {std::to_string(c), Str(n)});
}
void OnChannelError(QUORHANDLE h, const char *n, int c) {
    Record(QUOR_CB_CHANNELERROR, h, {Str(n), std::to_string(c)});
}
void OnChannelJoin(QUORHANDLE h, const char *c, const char *u) {
    Record(QUOR_CB_CHANNELJOIN, h, {Str(c), Str(u)});
}
void OnChannelLeave(QUORHANDLE h, const char *c, const char *u) {
    Record(QUOR_CB_CHANNELLEAVE, h, {Str(c), Str(u)});
}
void OnContactList(QUORHANDLE h, const char *n) {
    Record(QUOR_CB_CONTACTLIST, h, {Str(n)});
}
void OnContactStatus(QUORHANDLE h, const char *n, int st) {
    Record(QUOR_CB_CONTACTSTATUS, h, {Str(n), std::to_string(st)});
}
void OnChannelText(QUORHANDLE h, const char *s, const char *c, const char *t) {
    Record(QUOR_CB_CHANNELTEXT, h, {Str(s), Str(c), Str(t)});
}
void OnOfflineText(QUORHANDLE h, const char *s, int when, const char *t) {
    Record(QUOR_CB_OFFLINETEXT, h, {Str(s), std::to_string(when), Str(t)});
}
void OnBroadcast(QUORHANDLE h, const char *s, const char *t) {
    Record(QUOR_CB_BROADCAST, h, {Str(s), Str(t)});
}
void OnCreateUser(QUORHANDLE h, int r) {
    Record(QUOR_CB_CREATEUSER, h, {std::to_string(r)});
}
void OnReqPassword(QUORHANDLE h, int r) {
    Record(QUOR_CB_REQPASSWORD, h, {std::to_string(r)});
}
void OnChannelInfo(QUORHANDLE h, const char *c, int type, const char *i1, const char *i2) {
    Record(QUOR_CB_CHANNELINFO, h, {Str(c), std::to_string(type), Str(i1), Str(i2)});
}
void OnInviteUser(QUORHANDLE h, const char *n, int r) {
    Record(QUOR_CB_INVITEUSER, h, {Str(n), std::to_string(r)});
}
void OnUserProfile(QUORHANDLE h, int r, const char *n, const char *p, const char *e, int type,
                   int created, int last, int self, int disabled) {
    Record(QUOR_CB_USERPROFILE, h,
           {std::to_string(r), Str(n), Str(p), Str(e), std::to_string(type),
            std::to_string(created), std::to_string(last), std::to_string(self),
            std::to_string(disabled)});
}
void OnModifyProfile(QUORHANDLE h, int r, const char *n) {
    Record(QUOR_CB_MODIFYUSERPROFILE, h, {std::to_string(r), Str(n)});
}
void OnChangeEmail(QUORHANDLE h, int r) {
    Record(QUOR_CB_CHANGEEMAIL, h, {std::to_string(r)});
}
void OnChannelList(QUORHANDLE h, const char *n, int type, int users) {
    Record(QUOR_CB_CHANNELLIST, h, {Str(n), std::to_string(type), std::to_string(users)});
}
void OnInvitation(QUORHANDLE h, const char *inviter, const char *c) {
    Record(QUOR_CB_INVITATION, h, {Str(inviter), Str(c)});
}

template <typename Fn> QUORCALLBACK Generic(Fn fn) {
    return reinterpret_cast<QUORCALLBACK>(fn);
}

} // namespace

void RecordAllCallbacks() {
    const QUORCALLBACK all[QUOR_CB_COUNT] = {
        Generic(OnLogin),        Generic(OnDisconnect),   Generic(OnText),
        Generic(OnIsOnline),     Generic(OnWelcome),      Generic(OnPingReply),
        Generic(OnTextError),    Generic(OnChannelError), Generic(OnChannelJoin),
        Generic(OnChannelLeave), Generic(OnContactList),  Generic(OnContactStatus),
        Generic(OnChannelText),  Generic(OnOfflineText),  Generic(OnBroadcast),
        Generic(OnCreateUser),   Generic(OnReqPassword),  Generic(OnChannelInfo),
        Generic(OnInviteUser),   Generic(OnUserProfile),  Generic(OnModifyProfile),
        Generic(OnChangeEmail),  Generic(OnChannelList),  Generic(OnInvitation),
    };
    for (int slot = 0; slot < QUOR_CB_COUNT; ++slot) {
        EXPECT_EQ(quor_setcallback(slot, all[slot]), 0);
    }
    g_events.clear();
    g_after = nullptr;
}

std::vector<RaisedEvent> &Recorded() {
    return g_events;
}

void SetAfterEachCallback(std::function<void(const RaisedEvent &)> hook) {
    g_after = std::move(hook);
}

RaisedEvent Ev(int slot, QUORHANDLE h, std::vector<std::string> args) {
    return {slot, h, std::move(args)};
}

void PrintTo(const RaisedEvent &e, std::ostream *os) {
    *os << "slot " << e.slot << " (";
    for (std::size_t i = 0; i < e.args.size(); ++i) {
        *os << (i ? ", " : "") << '"' << e.args[i] << '"';
    }
    *os << ")";
}

} // namespace quor::testing
