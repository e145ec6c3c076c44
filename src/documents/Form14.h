#pragma once
#include "platform/controls/Window.h"

namespace vorna::documents {

// The policy document window. For now an empty window under its caption.
class Form14 : public ui::Window {
public:
    Form14();

protected:
    void buildControls() override {}
};

}  // namespace vorna::documents
