#include "common/KeyFilters.h"

#include "platform/controls/ControlEvents.h"
#include "platform/dialogs/Dialogs.h"

#include <QWidget>

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

void attachNamed(QWidget* window, std::initializer_list<NamedBox> boxes)
{
    for (const NamedBox& named : boxes) {
        auto* box = window->findChild<QWidget*>(QString::fromLatin1(named.name));
        Q_ASSERT(box);
        attach(box, named.keys);
    }
}

}  // namespace vorna::KeyFilters
