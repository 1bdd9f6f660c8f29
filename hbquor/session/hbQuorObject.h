// SPDX-License-Identifier: MIT
// ThbQuorObject: the root of the session layer's classes. RegisterCallbacks
// takes any of them and registers the one that receives the library's
// callbacks; each class says itself whether it is that receiver (only the
// session manager is), so no run-time type test is needed.
#pragma once

namespace hbquor {

class ThbQuorCallbackReceiver;

class ThbQuorObject {
public:
    virtual ~ThbQuorObject() = default;

    // The object as the receiver of the library's callbacks: the session
    // manager returns itself, every other class null.
    virtual ThbQuorCallbackReceiver *CallbackReceiver() { return nullptr; }
};

} // namespace hbquor
