#pragma once
#include <QPixmap>
#include <QSize>

namespace Ui {
class Form1;
}

// The login window's pictures, drawn by the program itself: the background
// with the product's emblem, the two button pictures, and the colours of its
// captions.
namespace vorna::shell {

// The background of a login window of that size (drawn once per size).
QPixmap loginBackground(const QSize& size, qreal devicePixelRatio);

// Pictures, colours and the support link's text of the window's controls.
void styleLoginControls(Ui::Form1& controls);

}  // namespace vorna::shell
