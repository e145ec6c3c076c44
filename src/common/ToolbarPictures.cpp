#include "common/ToolbarPictures.h"

#include <QAbstractButton>
#include <QHash>

namespace vorna {

namespace {

// The style decodes a standard picture anew at each request, which made
// opening a window with a dozen buttons several times slower than needed.
QIcon standardPicture(const QAbstractButton* button, QStyle::StandardPixmap picture)
{
    static QHash<std::pair<const QStyle*, int>, QIcon> kept;
    QStyle* style = button->style();
    const std::pair<const QStyle*, int> key(style, int(picture));
    auto it = kept.find(key);
    if (it == kept.end())
        it = kept.insert(key, style->standardIcon(picture));
    return *it;
}

}  // namespace

void setToolbarPictures(std::initializer_list<ToolbarPicture> pictures)
{
    for (const auto& [button, picture] : pictures) {
        button->setIcon(standardPicture(button, picture));
        button->setIconSize(button->size() - QSize(12, 10));
    }
}

}  // namespace vorna
