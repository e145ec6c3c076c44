#include "common/ToolbarPictures.h"

#include <QAbstractButton>

namespace vorna {

void setToolbarPictures(std::initializer_list<ToolbarPicture> pictures)
{
    for (const auto& [button, picture] : pictures) {
        button->setIcon(button->style()->standardIcon(picture));
        button->setIconSize(button->size() - QSize(12, 10));
    }
}

}  // namespace vorna
