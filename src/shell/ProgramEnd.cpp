#include "shell/ProgramEnd.h"

#include <QCoreApplication>
#include <cstdlib>

namespace vorna::shell {
namespace {
std::function<void()>& handler()
{
    static std::function<void()> h;
    return h;
}
bool ended = false;
}  // namespace

void EndProgram()
{
    ended = true;
    if (handler()) {
        handler()();
        return;
    }
    // No window's unload step may run: leave without unwinding the windows.
    std::exit(0);
}

void setEndProgramHandler(std::function<void()> h)
{
    handler() = std::move(h);
    ended = false;
}

bool programEnded() { return ended; }

}  // namespace vorna::shell
