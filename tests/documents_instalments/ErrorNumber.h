#pragma once
#include "platform/runtime/EngineError.h"

#include <functional>

// The number of the error a call raises, 0 when it raises none.
inline int errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const vorna::EngineError& e) {
        return e.number();
    }
    return 0;
}
