// SPDX-License-Identifier: MIT
#include "outbox.h"

#include "log_text.h"
#include "server_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace quord {

namespace {

// Keeps letters, digits and a few marks, so that an address can never
// steer the file name outside the folder.
std::string FileNamePart(const std::string &text) {
    std::string part;
    for (char c : text) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '@' || c == '.' || c == '-' || c == '_';
        part += safe ? c : '_';
    }
    return part.substr(0, 64);
}

bool WriteAll(int fd, const std::string &text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

Outbox::Outbox(std::string folder) : folder_(std::move(folder)) {
    if (::mkdir(folder_.c_str(), 0700) != 0 && errno != EEXIST) {
        throw std::runtime_error("cannot create the outbox folder " + folder_ + ": " +
                                 std::strerror(errno));
    }
    if (!std::filesystem::is_directory(folder_)) {
        throw std::runtime_error("cannot create the outbox folder " + folder_);
    }
}

std::string Outbox::Send(const std::string &to, const std::string &subject,
                         const std::string &body) {
    const std::time_t now = std::time(nullptr);
    std::string stamp = IsoUtc(now);
    std::erase(stamp, ':');
    const std::string path = folder_ + "/" + stamp + "-" + std::to_string(::getpid()) + "-" +
                             std::to_string(++sequence_) + "-" + FileNamePart(to) + ".txt";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        throw std::runtime_error("cannot write the mail " + path + ": " + std::strerror(errno));
    }
    const bool written = WriteAll(fd, "To: " + to + "\nDate: " + IsoUtc(now) +
                                          "\nSubject: " + subject + "\n\n" + body);
    if (::close(fd) != 0 || !written) {
        ::unlink(path.c_str());
        throw std::runtime_error("cannot write the mail " + path);
    }
    LogLine("mail to " + LogText(to) + " (" + LogText(subject) + ") written to " + path);
    return path;
}

std::size_t Outbox::RemoveExpired(std::time_t now) {
    std::size_t removed = 0;
    std::error_code ec;
    // Never throws: a folder that cannot be read keeps its mails until the
    // next attempt.
    for (std::filesystem::directory_iterator it(folder_, ec), end; !ec && it != end;
         it.increment(ec)) {
        struct stat status {};
        const std::string path = it->path().string();
        if (it->path().extension() == ".txt" && ::lstat(path.c_str(), &status) == 0 &&
            S_ISREG(status.st_mode) && now - status.st_mtime > kMailKeepSeconds &&
            ::unlink(path.c_str()) == 0) {
            ++removed;
        }
    }
    if (removed > 0) {
        LogLine("removed " + std::to_string(removed) + (removed == 1 ? " mail" : " mails") +
                " older than 30 days from " + folder_);
    }
    return removed;
}

} // namespace quord
