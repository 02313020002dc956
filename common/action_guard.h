#pragma once

#include "common/dialogs.h"

#include <exception>
#include <utility>

// Runs one user action. An error that reaches here is shown through the
// standard error display, so no exception ever escapes into Qt's event loop.
// Returns true when the action ran to its end.
template <typename Action>
bool runGuarded(Action&& action) {
    try {
        std::forward<Action>(action)();
        return true;
    } catch (const std::exception& error) {
        dialogs().showError(error);
    }
    return false;
}

// Wraps a slot body so that it runs guarded: connect(button,
// &QPushButton::clicked, this, guarded([this] { save(); })).
template <typename Action>
auto guarded(Action action) {
    return [action = std::move(action)](auto&&...) { runGuarded(action); };
}
