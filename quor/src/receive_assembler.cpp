// SPDX-License-Identifier: MIT
#include "receive_assembler.h"

#include "quor_wire/protocol_ids.h"

#include <cstring>

namespace quor {

void ReceiveAssembler::feed(const std::uint8_t *data, std::size_t n) {
    while (n >= kRecordSize - fill_) {
        const std::size_t room = kRecordSize - fill_;
        std::memcpy(partial_.bytes.data() + fill_, data, room);
        data += room;
        n -= room;
        complete();
    }
    std::memcpy(partial_.bytes.data() + fill_, data, n);
    fill_ += n;
}

void ReceiveAssembler::complete() {
    partial_.terminateNames();
    const std::int32_t id = partial_.id();
    if (id == wire::kLoggedOnUser || id == wire::kLoggedOnAdministrator) {
        replied_ = true;
        accepted_ = true;
    } else {
        if (id == wire::kErrLoginInvalid || id == wire::kErrAlreadyOnline ||
            id == wire::kErrApiBuild) {
            replied_ = true;
            accepted_ = false;
            replyCode_ = id;
        }
        if (replied_ || queue_.size() < kMaxRecordsBeforeReply) {
            queue_.push_back(partial_);
        } else {
            overflowed_ = true;
        }
    }
    fill_ = 0;
}

} // namespace quor
