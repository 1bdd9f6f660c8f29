#include "outbox.h"

#include "server_log.h"

#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>
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

} // namespace

Outbox::Outbox(std::string folder) : folder_(std::move(folder)) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
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
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    file << "To: " << to << "\nDate: " << IsoUtc(now) << "\nSubject: " << subject << "\n\n" << body;
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write the mail " + path);
    }
    LogLine("mail to " + to + " (" + subject + ") written to " + path);
    return path;
}

} // namespace quord
