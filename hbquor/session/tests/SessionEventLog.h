// SPDX-License-Identifier: MIT
// Records every event of a session manager as one readable line, in the
// order raised, so tests can check sequences; failure reports are kept
// whole as well.
#pragma once

#include "hbQuorCentral.h"

#include <string>
#include <vector>

namespace hbquor::testing {

struct ErrorReport {
    ThbQuorUnit *sender;
    std::string where;
    std::string what;
    int code;
    std::string errText;
};

class EventLog {
public:
    // Attaches a handler to each of the 28 events.
    void Attach(ThbQuorCentral &central);
    // Lines recorded so far, e.g. "Connected alice" or "LoginFailed alice 3 login invalid".
    const std::vector<std::string> &lines() const { return lines_; }
    const std::vector<ErrorReport> &errors() const { return errors_; }
    bool Has(const std::string &line) const;
    void Clear();

private:
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    std::vector<std::string> lines_;
    std::vector<ErrorReport> errors_;
};

// The session's name, or "-" for none.
std::string NameOf(const ThbQuorUnit *session);

} // namespace hbquor::testing
