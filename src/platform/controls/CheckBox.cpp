#include "platform/controls/CheckBox.h"

namespace vorna::ui {

CheckBox::CheckBox(QWidget* parent) : CheckBox(QString(), parent) {}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::stateChanged, this, &CheckBox::Click);
}

int CheckBox::Value() const
{
    switch (checkState()) {
    case Qt::Checked: return Checked;
    case Qt::PartiallyChecked: return Grayed;
    default: return Unchecked;
    }
}

void CheckBox::setValue(int value)
{
    if (value == Grayed) {
        setTristate(true);
        setCheckState(Qt::PartiallyChecked);
    } else {
        setCheckState(value == Unchecked ? Qt::Unchecked : Qt::Checked);
    }
}

}  // namespace vorna::ui
