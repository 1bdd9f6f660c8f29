// SPDX-License-Identifier: MIT
#include "TalkWindowRegistry.h"

#include "NameText.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include <QTreeWidget>

#include <exception>

namespace {

template <class Window> using Registry = QList<QPair<QString, QPointer<Window>>>;

/// The index of the first entry named name (ignoring case), or -1; with
/// liveOnly, entries whose window is gone are passed over.
template <class Window>
qsizetype FindEntry(const Registry<Window> &registry, const QString &name, bool liveOnly) {
    for (qsizetype i = 0; i < registry.size(); ++i)
        if ((registry[i].second || !liveOnly) &&
            hbquor::SameNameIgnoringCase(registry[i].first, name))
            return i;
    return -1;
}

template <class Window> Window *FindWindow(const Registry<Window> &registry, const QString &name) {
    const qsizetype entry = FindEntry(registry, name, true);
    return entry < 0 ? nullptr : registry[entry].second.data();
}

/// Makes a window with make(window); on a fault the half-made window is
/// freed, the fault's text shown and nullptr returned.
template <class Window>
Window *MakeWindow(const ShowMessageFunction &showMessage,
                   const std::function<void(Window *)> &make) {
    Window *window = nullptr;
    try {
        window = new Window;
        make(window);
        return window;
    } catch (const std::exception &fault) {
        delete window;
        showMessage(QString::fromLocal8Bit(fault.what()));
        return nullptr;
    }
}

} // namespace

TalkWindowRegistry::TalkWindowRegistry(QTreeWidget *channelsPane, Hooks hooks)
    : FChannelsPane(channelsPane), FHooks(std::move(hooks)) {}

TalkWindowRegistry::~TalkWindowRegistry() {
    CloseAll();
}

TFormQuorChat *TalkWindowRegistry::FindChatWindow(const QString &name) const {
    return FindWindow(FChatWindows, name);
}

TFormQuorChannel *TalkWindowRegistry::FindChannelWindow(const QString &channel) const {
    return FindWindow(FChannelWindows, channel);
}

void TalkWindowRegistry::RegisterChatWindow(const QString &name, TFormQuorChat *window) {
    FChatWindows.append({name, window});
    window->SetOnClose([this](TFormQuorChat &closing) { ForgetChatWindow(closing); });
}

void TalkWindowRegistry::RegisterChannelWindow(const QString &channel, TFormQuorChannel *window) {
    FChannelWindows.append({channel, window});
    new QTreeWidgetItem(FChannelsPane, {channel});
    window->SetOnClose([this](TFormQuorChannel &closing) { ChannelWindowClosed(closing); });
}

TFormQuorChat *TalkWindowRegistry::CreateChatWindow(const QString &name) {
    if (TFormQuorChat *window = FindChatWindow(name))
        return window;
    return MakeWindow<TFormQuorChat>(FHooks.ShowMessage, [this, &name](TFormQuorChat *window) {
        FHooks.Place(window);
        window->SetOwnName(FHooks.OwnName());
        window->SetPeerName(name);
        window->SetOnSendText(FHooks.SendToUser);
        window->SetSaidLineForm(FHooks.SaidLineForm);
        if (FHooks.Zoom != nullptr)
            window->FollowZoom(*FHooks.Zoom);
        RegisterChatWindow(name, window);
        if (FHooks.WindowOpened)
            FHooks.WindowOpened(*window, name);
    });
}

TFormQuorChannel *TalkWindowRegistry::CreateChannelWindow(const QString &own,
                                                          const QString &channel, int type) {
    if (TFormQuorChannel *window = FindChannelWindow(channel))
        return window;
    TFormQuorChannel *window =
        MakeWindow<TFormQuorChannel>(FHooks.ShowMessage, [&](TFormQuorChannel *made) {
            FHooks.Place(made);
            made->SetOwnName(own);
            made->SetChannelName(channel);
            made->SetChannelType(type);
            made->SetOnSendText(FHooks.SendToChannel);
            made->SetSaidLineForm(FHooks.SaidLineForm);
            made->SetOnCannotSend(FHooks.CannotSendToChannel);
            made->SetKnownNames(FHooks.KnownNames);
            if (FHooks.Zoom != nullptr)
                made->FollowZoom(*FHooks.Zoom);
            made->SetChatWindowHooks(
                [this](const QString &name) { return FindChatWindow(name); },
                [this](const QString &name) { return CreateChatWindow(name); });
            made->SetInviteDialogTarget(FHooks.InviteDialogTarget);
            RegisterChannelWindow(channel, made);
            if (FHooks.WindowOpened)
                FHooks.WindowOpened(*made, channel);
        });
    if (window != nullptr)
        FHooks.ChannelOpened(own, channel);
    return window;
}

void TalkWindowRegistry::ForgetChatWindow(TFormQuorChat &window) {
    const qsizetype entry = FindEntry(FChatWindows, window.GetPeerName(), false);
    if (entry >= 0)
        FChatWindows.removeAt(entry);
}

void TalkWindowRegistry::ChannelWindowClosed(TFormQuorChannel &window) {
    const QString channel = window.GetChannelName();
    const qsizetype entry = FindEntry(FChannelWindows, channel, false);
    if (entry < 0)
        return;
    FChannelWindows.removeAt(entry);
    for (int i = 0; i < FChannelsPane->topLevelItemCount(); ++i)
        if (hbquor::SameNameIgnoringCase(FChannelsPane->topLevelItem(i)->text(0), channel)) {
            delete FChannelsPane->takeTopLevelItem(i);
            break;
        }
    FHooks.ChannelClosed(channel);
}

void TalkWindowRegistry::CloseAllChannelWindows() {
    QStringList names;
    for (const auto &entry : FChannelWindows)
        names << entry.first;
    for (const QString &name : names)
        if (TFormQuorChannel *window = FindChannelWindow(name))
            window->close();
}

void TalkWindowRegistry::CloseAll() {
    auto closeUnhooked = [](auto &registry) {
        for (const auto &entry : registry)
            if (entry.second) {
                entry.second->SetOnClose({});
                entry.second->close();
            }
        registry.clear();
    };
    closeUnhooked(FChatWindows);
    closeUnhooked(FChannelWindows);
}
