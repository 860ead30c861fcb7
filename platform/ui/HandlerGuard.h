#pragma once

#include <QWidget>

#include <exception>
#include <type_traits>
#include <utility>

namespace ui {

// Shows an error that escaped an event handler, by the message convention; never throws.
void reportHandlerFailure(QWidget* window, std::exception_ptr error) noexcept;

// Wraps an event handler for connect(): whatever the handler throws is shown in an error box over
// `window` and goes no further, so that no exception ever reaches Qt's own code.
template <typename Handler>
auto guarded(QWidget* window, Handler handler)
{
    return [window, handler = std::move(handler)](auto&&... args) {
        try {
            // Signal arguments that the handler does not take (clicked's bool) are dropped.
            if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else
                handler();
        } catch (...) {
            reportHandlerFailure(window, std::current_exception());
        }
    };
}

} // namespace ui
