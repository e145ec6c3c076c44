#pragma once
#include <QStyle>
#include <initializer_list>
#include <utility>

class QAbstractButton;

namespace vorna {

// The pictures of a register toolbar, drawn from the desktop style so every
// window shows the same picture for the same command.
using ToolbarPicture = std::pair<QAbstractButton*, QStyle::StandardPixmap>;

// Sets each button's picture, sized to fill the button but for a small margin.
void setToolbarPictures(std::initializer_list<ToolbarPicture> pictures);

}  // namespace vorna
