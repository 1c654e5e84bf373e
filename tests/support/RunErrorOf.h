#pragma once

#include "platform/RunError.h"

// The number of the RunError that action throws; ErrNo{} when it throws none.
template <typename Action> ErrNo RunErrorOf(Action action) {
    try {
        action();
    } catch (const RunError& e) {
        return e.number();
    }
    return ErrNo{};
}
