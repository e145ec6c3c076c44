#pragma once
#include "platform/controls/Window.h"

namespace vorna::clients {

// The client (stipulant) window. For now an empty window under its caption.
class Form4 : public ui::Window {
public:
    Form4();

protected:
    void buildControls() override {}
};

}  // namespace vorna::clients
