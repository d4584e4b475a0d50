#pragma once
// Every event handler of every screen runs through guarded(): a failure that leaves the
// handler is reported in the error box and the event loop carries on, so no exception ever
// crosses a Qt frame. The interrupted handler is abandoned; what it changed stays changed.

#include <exception>
#include <utility>

#include "error_box.h"

template <class Handler>
void guarded(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        reportException(std::current_exception());
    }
}
