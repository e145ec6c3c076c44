// What the participant window lets the user type, the date boxes' checks, the
// map of the participant's address and the e-mail box as a link.
#include "health/Form5.h"

#include "common/DateCheck.h"
#include "common/DesktopLaunch.h"
#include "common/KeyFilters.h"
#include "common/LinkStyleBoxes.h"
#include "platform/controls/ControlEvents.h"
#include "platform/runtime/Runtime.h"

namespace vorna::health {

void Form5::connectInputRules()
{
    // Every other box of the window takes any character.
    KeyFilters::attachNamed(this, {
        {"Text1", KeyFilters::CodeKeys},        {"Text44", KeyFilters::CodeKeys},
        {"Text7", KeyFilters::CodeKeys},        {"Text56", KeyFilters::CodeKeys},
        {"Text2", KeyFilters::NameKeys},        {"Text4", KeyFilters::TextKeys},
        {"Text5", KeyFilters::TextKeys},        {"Text13", KeyFilters::TextKeys},
        {"Text17", KeyFilters::DocumentNumberKeys}, {"Text33", KeyFilters::DocumentNumberKeys},
        {"Text16", KeyFilters::EmailKeys},
    });
    for (ui::MaskEdBox* date : {ui->MaskEdBox2, ui->MaskEdBox22, ui->MaskEdBox3, ui->MaskEdBox6})
        attachDateCheck(date);
    // Once underlined the e-mail box stays so: no panel here takes it off.
    LinkStyleBoxes::attach(ui->Text16, LinkStyleBoxes::Kind::Email, ui->Text2);
}

// Only for a participant whose code is in the box.
void Form5::Picture4_Click()
{
    if (rt::Trim(ui->Text1->text()).isEmpty())
        return;
    launch::openWebMap(ui->Text4->text(), ui->Text5->text(), ui->Combo3->Text());
}

}  // namespace vorna::health
