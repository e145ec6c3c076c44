#pragma once
#include "platform/controls/Window.h"

namespace vorna::health {

// The reimbursement event window. For now an empty window under its caption.
class Form7 : public ui::Window {
public:
    Form7();

protected:
    void buildControls() override {}
};

}  // namespace vorna::health
