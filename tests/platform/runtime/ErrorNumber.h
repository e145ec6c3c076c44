#pragma once
// The number of the runtime error a call raises; 0 when it raises none.
#include "platform/runtime/EngineError.h"

template <typename F>
int errorNumberOf(F&& f) {
    try {
        f();
    } catch (const vorna::EngineError& e) {
        return e.number();
    }
    return 0;
}
