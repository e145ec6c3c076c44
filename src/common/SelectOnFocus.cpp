#include "common/SelectOnFocus.h"

#include "platform/controls/ControlEvents.h"

#include <QLineEdit>

namespace vorna::SelectOnFocus {

void select(QLineEdit* box, int width)
{
    box->setCursorPosition(0);
    // A masked box's own text leaves out the untyped positions.
    const QString shown = box->inputMask().isEmpty() ? box->text() : box->displayText();
    const int length = static_cast<int>(shown.size());
    box->setSelection(0, std::min(width, length));
}

void attach(QLineEdit* box, int width)
{
    ui::on(box).GotFocus([box, width] { select(box, width); });
}

}  // namespace vorna::SelectOnFocus
