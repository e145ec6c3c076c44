#pragma once
#include "platform/controls/Window.h"

namespace vorna::health {

// The participant window (holders and dependants). For now an empty window under its caption.
class Form5 : public ui::Window {
public:
    Form5();

protected:
    void buildControls() override {}
};

}  // namespace vorna::health
