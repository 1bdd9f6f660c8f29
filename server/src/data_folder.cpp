// SPDX-License-Identifier: MIT
#include "data_folder.h"

#include "server_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace quord {

namespace {

std::string Octal(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode));
    return text;
}

// Through a descriptor, so that a link put in the file's place meanwhile
// is never followed.
void MakePrivate(const std::string &path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT && errno != ELOOP) {
            LogLine("cannot check the mode of " + path + ": " + std::strerror(errno));
        }
        return;
    }
    struct stat status {};
    if (fstat(fd, &status) == 0 && (status.st_mode & 077) != 0) {
        const mode_t mode = status.st_mode & 07777;
        const mode_t tight = mode & ~mode_t{077};
        if (fchmod(fd, tight) == 0) {
            LogLine("made " + path + " private to the server's account (mode " + Octal(mode) +
                    " -> " + Octal(tight) + ")");
        } else {
            LogLine("cannot make " + path + " private: " + std::strerror(errno));
        }
    }
    ::close(fd);
}

} // namespace

void PrepareDataFolder(const std::string &folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder)) {
        throw std::runtime_error("cannot create the data folder " + folder +
                                 (ec ? ": " + ec.message() : ""));
    }
    MakePrivate(folder);
    const std::string database = folder + "/" + kDatabaseFile;
    for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
        MakePrivate(database + suffix);
    }
    MakePrivate(folder + "/quord.log");
    const std::string outbox = folder + "/" + kOutboxFolder;
    MakePrivate(outbox);
    for (const auto &entry : std::filesystem::directory_iterator(outbox, ec)) {
        if (entry.is_regular_file(ec)) {
            MakePrivate(entry.path().string());
        }
    }
}

} // namespace quord
