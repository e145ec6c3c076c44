// What the document window lets the user type and what it selects as a box is
// entered: the key filters, select-on-focus, the date checks, and the entry
// handlers of the amount, line-of-business and producer boxes.
#include "documents/DocumentFields.h"
#include "documents/Form14.h"

#include "common/DateCheck.h"
#include "common/KeyFilters.h"
#include "common/SelectOnFocus.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/LeaveCheck.h"

namespace vorna::documents {

namespace {

struct FilteredBox {
    const char* name;
    const KeySet& keys;
};

// Every other box of the window takes any character.
const FilteredBox FilteredBoxes[] = {
    // Amounts: premium, commission, producer slots, co-insurers; the
    // instalment panel's follow below.
    {"MaskEdBox1", KeyFilters::AmountKeys}, {"MaskEdBox2", KeyFilters::AmountKeys},
    {"MaskEdBox3", KeyFilters::AmountKeys}, {"MaskEdBox4", KeyFilters::AmountKeys},
    {"MaskEdBox19", KeyFilters::AmountKeys}, {"MaskEdBox10", KeyFilters::AmountKeys},
    {"MaskEdBox6", KeyFilters::AmountKeys}, {"MaskEdBox12", KeyFilters::AmountKeys},
    {"MaskEdBox15", KeyFilters::AmountKeys}, {"MaskEdBox13", KeyFilters::AmountKeys},
    {"MaskEdBox16", KeyFilters::AmountKeys}, {"MaskEdBox14", KeyFilters::AmountKeys},
    {"MaskEdBox17", KeyFilters::AmountKeys}, {"MaskEdBox75", KeyFilters::AmountKeys},
    {"MaskEdBox76", KeyFilters::AmountKeys}, {"MaskEdBox77", KeyFilters::AmountKeys},
    {"MaskEdBox82", KeyFilters::AmountKeys}, {"MaskEdBox81", KeyFilters::AmountKeys},
    {"MaskEdBox57", KeyFilters::AmountKeys}, {"MaskEdBox80", KeyFilters::AmountKeys},
    // Codes and numbers.
    {"Text1", KeyFilters::CodeKeys}, {"Text9", KeyFilters::CodeKeys}, {"Text4", KeyFilters::CodeKeys},
    {"Text7", KeyFilters::CodeKeys}, {"Text8", KeyFilters::CodeKeys}, {"Text11", KeyFilters::CodeKeys},
    {"Text18", KeyFilters::CodeKeys}, {"Text25", KeyFilters::CodeKeys}, {"Text26", KeyFilters::CodeKeys},
    {"Text32", KeyFilters::CodeKeys}, {"Text33", KeyFilters::CodeKeys}, {"Text20", KeyFilters::CodeKeys},
    {"Text23", KeyFilters::CodeKeys}, {"Text30", KeyFilters::CodeKeys},
    // Policy numbers.
    {"Text2", KeyFilters::TextKeys}, {"Text3", KeyFilters::TextKeys}, {"Text13", KeyFilters::TextKeys},
};

struct SelectingBox {
    const char* name;
    int width;
};

// The boxes that only select; MaskEdBox3, MaskEdBox4, MaskEdBox6 and Text20
// select first thing in their own entry handlers.
const SelectingBox SelectingBoxes[] = {
    {"MaskEdBox1", 12}, {"MaskEdBox2", 12}, {"MaskEdBox19", 12}, {"MaskEdBox10", 6},
    {"MaskEdBox12", 12}, {"MaskEdBox15", 12}, {"MaskEdBox13", 12}, {"MaskEdBox16", 12},
    {"MaskEdBox14", 12}, {"MaskEdBox17", 12}, {"MaskEdBox75", 12}, {"MaskEdBox76", 12},
    {"MaskEdBox77", 12}, {"MaskEdBox82", 12}, {"MaskEdBox81", 12}, {"MaskEdBox57", 12},
    {"MaskEdBox80", 12},
    {"MaskEdBox7", 10}, {"MaskEdBox8", 10}, {"MaskEdBox9", 10}, {"MaskEdBox56", 10},
    {"MaskEdBox60", 10}, {"MaskEdBox61", 10},
    {"Text9", 5}, {"Text4", 3}, {"Text7", 4}, {"Text14", 17}, {"Text2", 17}, {"Text3", 17},
    {"Text13", 17}, {"Text11", 4},
};

// Dates that may stay untouched; the due dates of the instalment panel may not.
const char* const OptionalDates[] = {"MaskEdBox7", "MaskEdBox56", "MaskEdBox58", "MaskEdBox59", "MaskEdBox60"};
constexpr int FirstDueDate = 20;
constexpr int LastDueDate = 31;
// The instalment panel's commission and pass-on percentages.
constexpr int FirstInstalmentPercent = 32;
constexpr int LastInstalmentPercent = 55;

ui::MaskEdBox* numberedBox(Form14& window, int n)
{
    auto* box = window.findChild<ui::MaskEdBox*>(QStringLiteral("MaskEdBox%1").arg(n));
    Q_ASSERT(box);
    return box;
}

}  // namespace

void Form14::connectFieldEntry()
{
    for (const FilteredBox& filtered : FilteredBoxes)
        KeyFilters::attach(&documents::control<QWidget>(*this, filtered.name), filtered.keys);
    for (const SelectingBox& selecting : SelectingBoxes)
        SelectOnFocus::attach(&documents::control<QLineEdit>(*this, selecting.name), selecting.width);
    for (const char* date : OptionalDates)
        attachDateCheck(&documents::control<ui::MaskEdBox>(*this, date));
    for (int n = FirstInstalmentPercent; n <= LastInstalmentPercent; ++n)
        KeyFilters::attach(numberedBox(*this, n), KeyFilters::AmountKeys);
    for (int n = FirstDueDate; n <= LastDueDate; ++n)
        attachStrictDateCheck(numberedBox(*this, n));

    ui::LeaveCheck::attach(ui->Text4, [this] { return Text4_LostFocus(); });
    ui::on(ui->MaskEdBox1).LostFocus(this, &Form14::MaskEdBox1_LostFocus);
    ui::on(ui->MaskEdBox3).GotFocus(this, &Form14::MaskEdBox3_GotFocus);
    ui::on(ui->MaskEdBox4).GotFocus(this, &Form14::MaskEdBox4_GotFocus);
    ui::on(ui->Text20).GotFocus(this, &Form14::Text20_GotFocus);
    ui::LeaveCheck::attach(ui->Text20, [this] { return Text20_LostFocus(); });
    ui::on(ui->MaskEdBox10).LostFocus(this, &Form14::MaskEdBox10_LostFocus);
    ui::on(ui->MaskEdBox6).GotFocus(this, &Form14::MaskEdBox6_GotFocus).LostFocus(this, &Form14::MaskEdBox6_LostFocus);
    ui::on(ui->Text18).GotFocus(this, &Form14::Text18_GotFocus).LostFocus(this, &Form14::Text18_LostFocus);
    ui::on(ui->Text25).GotFocus(this, &Form14::Text25_GotFocus).LostFocus(this, &Form14::Text25_LostFocus);
    ui::on(ui->Text26).GotFocus(this, &Form14::Text26_GotFocus).LostFocus(this, &Form14::Text26_LostFocus);
    ui::on(ui->Text32).GotFocus(this, &Form14::Text32_GotFocus).LostFocus(this, &Form14::Text32_LostFocus);
    ui::on(ui->Text33).GotFocus(this, &Form14::Text33_GotFocus).LostFocus(this, &Form14::Text33_LostFocus);
}

}  // namespace vorna::documents
