#pragma once
#include <functional>

namespace vorna::shell {

// Ends the program at once: open windows close without running their unload
// steps. Tests install a handler that records the end instead.
void EndProgram();
void setEndProgramHandler(std::function<void()> handler);  // empty: the real end
bool programEnded();  // true once EndProgram ran (tests)

}  // namespace vorna::shell
