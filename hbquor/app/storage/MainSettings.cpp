#include "MainSettings.h"

#include "QuorSettings.h"

const QString MainSettings::Section = QStringLiteral("Parameters");
const QString MainSettings::DefaultQuorHost = QStringLiteral("localhost");

namespace {

const QString DefaultUrlQuorSdk = QStringLiteral("https://quor.example.org/sdk");
const QString DefaultUrlQuorDelphi = QStringLiteral("https://quor.example.org/hbquor");
const QString DefaultProgEmail = QStringLiteral("hbquor@quor.example.org");

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
    s.LogChat = file.ReadBool(p, QStringLiteral("LogChat"), true);
    const int maxUserType = file.ReadInteger(p, QStringLiteral("MaxUserType"), 1);
    s.UserTypes = {QStringLiteral("User"), QStringLiteral("Admin")};
    for (int i = 2; i <= maxUserType; ++i)
        s.UserTypes << file.ReadString(p, QStringLiteral("UserType%1").arg(i),
                                       QStringLiteral("unknown"));
    s.QuorHost = file.ReadString(p, QStringLiteral("QuorHost"), DefaultQuorHost);
    s.QuorPort = file.ReadInteger(p, QStringLiteral("QuorPort"), DefaultQuorPort);
    s.Notify = file.ReadBool(p, QStringLiteral("Notify"), true);
    s.TimeMode = file.ReadInteger(p, QStringLiteral("TimeMode"), 0);
    s.ChatTimes = file.ReadBool(p, QStringLiteral("ChatTimes"), false);
    s.Sizes = WindowSizeSettings::Read(file, p);
    s.Connection = ConnectionSettings::Read(file, p);
    s.History = HistorySettings::Read(file, p);
    s.Comfort = ComfortSettings::Read(file, p);
    return s;
}

bool MainSettings::Write(const QString &fileName) const {
    // A file that could not be read is left alone rather than replaced by
    // one holding only the keys below.
    QuorSettings file(fileName);
    if (Unreadable || file.Load() == QuorSettings::LoadResult::Failed)
        return false;
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
    return file.Save();
}

QString MainSettings::ContactAuthorLink() const {
    return QStringLiteral("mailto:") + ProgEmail +
           QStringLiteral("?Subject=Quor SDK (Delphi)&body=Hi!%0D%0A%0D%0A");
}
