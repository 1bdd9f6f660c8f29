// Mail is not sent: each mail becomes one text file in the outbox folder,
// and the log says so.
#pragma once

#include <string>

namespace quord {

class Outbox {
public:
    // Creates the folder when missing; throws std::runtime_error if it cannot.
    explicit Outbox(std::string folder);

    // Writes one mail to the address; returns the file's path. Throws
    // std::runtime_error when the file cannot be written.
    std::string Send(const std::string &to, const std::string &subject, const std::string &body);

    const std::string &folder() const { return folder_; }

private:
    std::string folder_;
    unsigned sequence_ = 0;
};

} // namespace quord
