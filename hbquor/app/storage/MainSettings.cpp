// SPDX-License-Identifier: MIT
#include "MainSettings.h"

#include "CheckedKeys.h"
#include "QuorSettings.h"

const QString MainSettings::Section = QStringLiteral("Parameters");
const QString MainSettings::DefaultQuorHost = QStringLiteral("localhost");

namespace {

const QString DefaultUrlQuorSdk = QStringLiteral("https://quor.example.org/sdk");
const QString DefaultUrlQuorDelphi = QStringLiteral("https://quor.example.org/hbquor");
const QString DefaultProgEmail = QStringLiteral("hbquor@quor.example.org");
constexpr int HighestPort = 65535;
/// TimeMode's values: VRT, UTC and the local time.
constexpr int HighestTimeMode = 2;

/// The file is readable and can be written back.
bool Writable(QuorSettings &file, bool unreadable) {
    return !unreadable && file.Load() != QuorSettings::LoadResult::Failed;
}

} // namespace

MainSettings MainSettings::Read(const QString &fileName) {
    QuorSettings file(fileName);
    MainSettings s;
    s.Unreadable = file.Load() == QuorSettings::LoadResult::Failed;
    const QString &p = Section;
    const std::optional<int> left = file.ReadStoredInteger(p, QStringLiteral("wndMainLeft"));
    const std::optional<int> top = file.ReadStoredInteger(p, QStringLiteral("wndMainTop"));
    if (!s.Unreadable && left && top)
        s.Frame = QPoint(*left, *top);
    s.LoginName = file.ReadString(p, QStringLiteral("LoginName"), QString());
    s.UrlQuorSdk = file.ReadString(p, QStringLiteral("URLQuorSDK"), DefaultUrlQuorSdk);
    s.UrlQuorDelphi = file.ReadString(p, QStringLiteral("URLQuorDelphi"), DefaultUrlQuorDelphi);
    s.ProgEmail = file.ReadString(p, QStringLiteral("ProgEmail"), DefaultProgEmail);
    CheckedKeys keys(file, p);
    s.LogChat = keys.Bool(QStringLiteral("LogChat"), true);
    const int maxUserType = file.ReadInteger(p, QStringLiteral("MaxUserType"), 1);
    s.UserTypes = {QStringLiteral("User"), QStringLiteral("Admin")};
    for (int i = 2; i <= maxUserType; ++i)
        s.UserTypes << file.ReadString(p, QStringLiteral("UserType%1").arg(i),
                                       QStringLiteral("unknown"));
    s.QuorHost = file.ReadString(p, QStringLiteral("QuorHost"), DefaultQuorHost);
    s.QuorPort = keys.Integer(QStringLiteral("QuorPort"), DefaultQuorPort, 1, HighestPort);
    s.Notify = keys.Bool(QStringLiteral("Notify"), true);
    s.TimeMode = keys.Integer(QStringLiteral("TimeMode"), 0, 0, HighestTimeMode);
    s.ChatTimes = keys.Bool(QStringLiteral("ChatTimes"), false);
    s.Sizes = WindowSizeSettings::Read(file, p);
    s.Connection = ConnectionSettings::Read(keys);
    s.History = HistorySettings::Read(file, p);
    s.Comfort = ComfortSettings::Read(file, p);
    s.FaultyKeys = keys.Faulty();
    return s;
}

bool MainSettings::Write(const QString &fileName) const {
    // A file that could not be read is left alone rather than replaced by
    // one holding only the keys below.
    QuorSettings file(fileName);
    if (!Writable(file, Unreadable))
        return false;
    WriteKeys(file);
    return file.Save();
}

bool MainSettings::WriteChanges(const QString &fileName, const MainSettings &before) const {
    QuorSettings file(fileName);
    if (!Writable(file, Unreadable || before.Unreadable))
        return false;
    // Both sets of values as the file would hold them, compared key by key.
    QuorSettings was(QString{});
    QuorSettings now(QString{});
    before.WriteKeys(was);
    WriteKeys(now);
    for (const QString &key : now.Keys(Section)) {
        const QString value = now.ReadString(Section, key, {});
        if (value != was.ReadString(Section, key, {}))
            file.WriteString(Section, key, value);
    }
    return file.Save();
}

void MainSettings::WriteKeys(QuorSettings &file) const {
    const QString &p = Section;
    if (Frame) {
        file.WriteInteger(p, QStringLiteral("wndMainLeft"), Frame->x());
        file.WriteInteger(p, QStringLiteral("wndMainTop"), Frame->y());
    }
    file.WriteString(p, QStringLiteral("LoginName"), LoginName);
    file.WriteString(p, QStringLiteral("URLQuorSDK"), UrlQuorSdk);
    file.WriteString(p, QStringLiteral("URLQuorDelphi"), UrlQuorDelphi);
    file.WriteString(p, QStringLiteral("ProgEmail"), ProgEmail);
    file.WriteBool(p, QStringLiteral("LogChat"), LogChat);
    file.WriteString(p, QStringLiteral("QuorHost"), QuorHost);
    file.WriteInteger(p, QStringLiteral("QuorPort"), QuorPort);
    file.WriteBool(p, QStringLiteral("Notify"), Notify);
    file.WriteInteger(p, QStringLiteral("TimeMode"), TimeMode);
    file.WriteBool(p, QStringLiteral("ChatTimes"), ChatTimes);
    Sizes.Write(file, p);
    Connection.Write(file, p);
    History.Write(file, p);
    Comfort.Write(file, p);
}

QString MainSettings::ContactAuthorLink() const {
    return QStringLiteral("mailto:") + ProgEmail +
           QStringLiteral("?Subject=Quor SDK (Delphi)&body=Hi!%0D%0A%0D%0A");
}
