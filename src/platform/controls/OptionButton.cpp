#include "platform/controls/OptionButton.h"

namespace vorna::ui {

OptionButton::OptionButton(QWidget* parent) : OptionButton(QString(), parent) {}

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    // A click on the chosen button changes nothing but is still a click.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (isChecked())
            emit Click();
    });
}

void OptionButton::setValue(bool chosen)
{
    if (chosen == isChecked())
        return;
    if (chosen) {
        setChecked(true);
        emit Click();
        return;
    }
    // The chosen button of a group cannot be cleared while the group is exclusive.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

}  // namespace vorna::ui
