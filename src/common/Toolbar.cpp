#include "common/Toolbar.h"

#include "common/ToolbarHoverCaptions.h"
#include "common/ToolbarPictures.h"
#include "platform/controls/ControlEvents.h"

#include <QAbstractButton>

namespace vorna {

void installToolbar(QWidget* window, const std::vector<ToolbarEntry>& buttons)
{
    ToolbarHoverCaptions* captions = nullptr;
    for (const ToolbarEntry& entry : buttons) {
        setToolbarPictures({{entry.button, entry.picture}});
        if (entry.caption) {
            if (!captions)
                captions = new ToolbarHoverCaptions(window);
            captions->add(entry.button, entry.caption);
        }
        if (entry.click)
            ui::on(entry.button).Click(entry.click);
    }
}

}  // namespace vorna
