// SPDX-License-Identifier: MIT
// What quord keeps on disk is private to its account, whatever the umask it
// was started with or the modes it finds, and old mails go.
#include "server_test.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace quord::testing {
namespace {

namespace fs = std::filesystem;

unsigned ModeOf(const fs::path &path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

TEST(DataFolderTest, EverythingIsPrivateUnderUmaskZeroWiderModesAreTightenedOldMailsGo) {
    const mode_t saved = umask(0); // the server inherits it
    QuordProcess server;
    const fs::path data = server.dataDir();
    fs::create_directory(data / "outbox");
    for (const auto &[name, days] : {std::pair{"old.txt", 31}, std::pair{"recent.txt", 29}}) {
        std::ofstream(data / "outbox" / name) << "To: anna@example.org\n"; // mode 0666
        fs::last_write_time(data / "outbox" / name,
                            fs::file_time_type::clock::now() - std::chrono::hours(24 * days));
    }
    fs::permissions(data, fs::perms(0755));
    fs::permissions(data / "outbox", fs::perms(0777));
    ASSERT_TRUE(server.Start()) << server.Log();
    // The old mail goes first, then its log line is written.
    EXPECT_TRUE(PumpUntil(
        [&] {
            return !fs::exists(data / "outbox/old.txt") &&
                   server.Log().find("removed 1 mail older than 30 days") != std::string::npos;
        },
        3000));
    for (const fs::path &folder : {data, data / "outbox"}) {
        EXPECT_EQ(ModeOf(folder), 0700u) << folder;
    }
    // The database is new: made under the server's own umask.
    for (const char *file : {"quord.db", "quord.db-wal", "quord.db-shm", "outbox/recent.txt"}) {
        EXPECT_EQ(ModeOf(data / file), 0600u) << file;
    }
    const std::string log = server.Log();
    EXPECT_NE(log.find("recent.txt private to the server's account (mode 0666 -> 0600)"),
              std::string::npos);
    EXPECT_NE(log.find("removed 1 mail older than 30 days"), std::string::npos) << log;
    umask(saved);
}

} // namespace
} // namespace quord::testing
