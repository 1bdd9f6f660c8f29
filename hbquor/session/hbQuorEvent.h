// SPDX-License-Identifier: MIT
// A typed event with at most one handler. Setting a handler replaces the
// previous one; raising an event without a handler does nothing.
#pragma once

#include <functional>
#include <utility>

namespace hbquor {

template <class... Args> class ThbQuorEvent {
public:
    using Handler = std::function<void(Args...)>;

    // Replaces the handler with a callable; an empty callable clears it.
    void Set(Handler handler) { FHandler = std::move(handler); }
    // Replaces the handler with a member function of target. Any member
    // function callable with the event's arguments is accepted.
    template <class Target, class Method> void Set(Target *target, Method method) {
        FHandler = [target, method](Args... args) {
            std::invoke(method, target, std::forward<Args>(args)...);
        };
    }
    void Clear() { FHandler = nullptr; }
    bool Assigned() const { return static_cast<bool>(FHandler); }

    // Calls the handler, if there is one. The call runs on a copy, so a
    // handler may replace or clear itself while it runs.
    void operator()(Args... args) const {
        if (!FHandler)
            return;
        Handler running = FHandler;
        running(std::forward<Args>(args)...);
    }

private:
    Handler FHandler;
};

} // namespace hbquor
