#pragma once
#include "platform/controls/MaskEdBox.h"

#include <QString>
#include <QWidget>

// The boxes of row k (1 to 12) of the document window's instalment panel.
namespace vorna::documents::panel {

inline ui::MaskEdBox* maskBox(QWidget* window, int number)
{
    return window->findChild<ui::MaskEdBox*>(QStringLiteral("MaskEdBox%1").arg(number));
}
inline ui::MaskEdBox* dueBox(QWidget* window, int k) { return maskBox(window, 19 + k); }
inline ui::MaskEdBox* valueBox(QWidget* window, int k) { return maskBox(window, 61 + k); }
inline ui::MaskEdBox* commissionBox(QWidget* window, int k) { return maskBox(window, 31 + k); }
inline ui::MaskEdBox* passOnBox(QWidget* window, int k) { return maskBox(window, 56 - k); }

}  // namespace vorna::documents::panel
