// What the event window lets the user type, and the date check of its date
// boxes. The amount boxes take any text; "Gravar" refuses one that is not a number.
#include "health/Form7.h"

#include "common/DateCheck.h"
#include "common/KeyFilters.h"

namespace vorna::health {

void Form7::connectInputRules()
{
    // Every other box of the window takes any character.
    KeyFilters::attachNamed(this, {
        {"Text1", KeyFilters::CodeKeys},
        {"Text2", KeyFilters::NameKeys},
        {"Text4", KeyFilters::TextKeys},
        {"Text13", KeyFilters::TextKeys},
        {"Text17", KeyFilters::DocumentNumberKeys},
        {"Text44", KeyFilters::CodeKeys},
        {"Text33", KeyFilters::DocumentNumberKeys},
        {"Text56", KeyFilters::CodeKeys},
    });
    for (ui::MaskEdBox* date : {ui->MaskEdBox1, ui->MaskEdBox4, ui->MaskEdBox5, ui->MaskEdBox2, ui->MaskEdBox22,
                                ui->MaskEdBox3, ui->MaskEdBox6})
        attachDateCheck(date);
}

}  // namespace vorna::health
