#include "common/LinkStyleBoxes.h"

#include "common/DesktopLaunch.h"
#include "platform/controls/ControlEvents.h"
#include "platform/runtime/Runtime.h"

#include <QFont>
#include <QLineEdit>
#include <QPointer>

namespace vorna::LinkStyleBoxes {

namespace {

bool holdsText(const QLineEdit* box) { return !rt::Trim(box->text()).isEmpty(); }

void setUnderline(QLineEdit* box, bool underline)
{
    QFont font = box->font();
    if (font.underline() == underline)
        return;
    font.setUnderline(underline);
    box->setFont(font);
}

}  // namespace

void MouseMove(QLineEdit* box)
{
    if (holdsText(box))
        setUnderline(box, true);
}

void panelMouseMove(const std::vector<QLineEdit*>& boxes)
{
    for (QLineEdit* box : boxes)
        if (holdsText(box))
            setUnderline(box, false);
}

void LostFocus(QLineEdit* box)
{
    if (holdsText(box))
        box->setText(box->text().toLower());
}

void DblClick(const QLineEdit* box, const QLineEdit* nameBox)
{
    launch::startMail(box->text(), nameBox ? nameBox->text() : QString());
}

void attach(QLineEdit* box, Kind kind, const QLineEdit* nameBox)
{
    ui::on(box).MouseMove([box] { MouseMove(box); }).LostFocus([box] { LostFocus(box); });
    if (kind == Kind::Email)
        ui::on(box).DblClick([box, name = QPointer<const QLineEdit>(nameBox)] { DblClick(box, name.data()); });
}

void attachPanel(QWidget* panel, std::vector<QLineEdit*> boxes)
{
    ui::on(panel).MouseMove([boxes = std::move(boxes)] { panelMouseMove(boxes); });
}

}  // namespace vorna::LinkStyleBoxes
