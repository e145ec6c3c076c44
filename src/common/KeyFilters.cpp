#include "common/KeyFilters.h"

#include "platform/controls/ControlEvents.h"
#include "platform/dialogs/Dialogs.h"

namespace vorna::KeyFilters {

void apply(const KeySet& set, int& keyAscii)
{
    if (set.admits(keyAscii))
        return;
    dlg::Beep();
    keyAscii = 0;
}

void attach(QWidget* box, const KeySet& set)
{
    ui::on(box).KeyPress([set](int& keyAscii) { apply(set, keyAscii); });
}

}  // namespace vorna::KeyFilters
