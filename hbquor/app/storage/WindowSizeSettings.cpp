// SPDX-License-Identifier: MIT
#include "WindowSizeSettings.h"

#include "QuorSettings.h"

#include <algorithm>

namespace {

/// The keys of one window's width and height.
struct SizeKeys {
    QString Width;
    QString Height;
};

const SizeKeys MainKeys{QStringLiteral("wndMainWidth"), QStringLiteral("wndMainHeight")};
const SizeKeys ChatKeys{QStringLiteral("wndChatWidth"), QStringLiteral("wndChatHeight")};
const SizeKeys ChannelKeys{QStringLiteral("wndChannelWidth"), QStringLiteral("wndChannelHeight")};
const QString MaximizedKey = QStringLiteral("wndMainMaximized");

QSize ReadSize(const QuorSettings &file, const QString &section, const SizeKeys &keys) {
    return QSize(std::max(0, file.ReadInteger(section, keys.Width, 0)),
                 std::max(0, file.ReadInteger(section, keys.Height, 0)));
}

void WriteSize(QuorSettings &file, const QString &section, const SizeKeys &keys,
               const QSize &size) {
    if (size.width() <= 0 || size.height() <= 0)
        return;
    file.WriteInteger(section, keys.Width, size.width());
    file.WriteInteger(section, keys.Height, size.height());
}

} // namespace

WindowSizeSettings WindowSizeSettings::Read(const QuorSettings &file, const QString &section) {
    WindowSizeSettings sizes;
    sizes.Main = ReadSize(file, section, MainKeys);
    sizes.MainMaximized = file.ReadBool(section, MaximizedKey, false);
    sizes.Chat = ReadSize(file, section, ChatKeys);
    sizes.Channel = ReadSize(file, section, ChannelKeys);
    return sizes;
}

void WindowSizeSettings::Write(QuorSettings &file, const QString &section) const {
    WriteSize(file, section, MainKeys, Main);
    file.WriteBool(section, MaximizedKey, MainMaximized);
    WriteSize(file, section, ChatKeys, Chat);
    WriteSize(file, section, ChannelKeys, Channel);
}
