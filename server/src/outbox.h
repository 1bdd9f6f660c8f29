// SPDX-License-Identifier: MIT
// Mail is not sent: each mail becomes one text file in the outbox folder,
// and the log says so. The files are private to the server's account, as
// mails carry passwords, and are removed once they are 30 days old.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>

namespace quord {

// How long a mail is kept: long enough for any reader, not for ever.
inline constexpr std::time_t kMailKeepSeconds = 30 * 24 * 3600;

class Outbox {
public:
    // Creates the folder (mode 0700) when missing; throws std::runtime_error
    // if it cannot.
    explicit Outbox(std::string folder);

    // Writes one mail (mode 0600) to the address; returns the file's path.
    // Throws std::runtime_error when the file cannot be written.
    std::string Send(const std::string &to, const std::string &subject, const std::string &body);

    // Removes the mails last written more than kMailKeepSeconds before now;
    // logs how many, if any. Returns that number.
    std::size_t RemoveExpired(std::time_t now);

    const std::string &folder() const { return folder_; }

private:
    std::string folder_;
    unsigned sequence_ = 0;
};

} // namespace quord
