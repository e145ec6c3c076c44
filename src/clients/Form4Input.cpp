// What the client window lets the user type, and what it checks as a box is
// left: the key filters, the score codes and the date boxes.
#include "clients/Form4.h"

#include "common/DateCheck.h"
#include "common/KeyFilters.h"
#include "common/MessageTexts.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/LeaveCheck.h"
#include "platform/runtime/Clock.h"

#include <QStringList>

namespace vorna::clients {

namespace {

struct FilteredBox {
    const char* name;
    const KeySet& keys;
    int maximum;
};

// The filtered boxes with their key sets and typing limits; every other box
// of the window takes any character.
const FilteredBox FilteredBoxes[] = {
    {"Text1", KeyFilters::CodeKeys, 5},
    {"Text2", KeyFilters::NameKeys, 40},
    {"Text17", KeyFilters::DocumentNumberKeys, 18},
    {"Text18", KeyFilters::CodeKeys, 4},
    {"Text4", KeyFilters::TextKeys, 50},
    {"Text7", KeyFilters::CodeKeys, 9},
    {"Text5", KeyFilters::TextKeys, 20},
    {"Text9", KeyFilters::TextKeys, 50},
    {"Text12", KeyFilters::CodeKeys, 9},
    {"Text10", KeyFilters::TextKeys, 30},
    {"Text13", KeyFilters::TextKeys, 20},
    {"Text16", KeyFilters::EmailKeys, 50},
    {"Text47", KeyFilters::EmailKeys, 150},
    {"Text46", KeyFilters::WebPageKeys, 150},
    {"Text57", KeyFilters::CodeKeys, 2},
    {"Text58", KeyFilters::CodeKeys, 2},
    {"Text59", KeyFilters::CodeKeys, 2},
    {"Text60", KeyFilters::CodeKeys, 2},
    {"Text61", KeyFilters::CodeKeys, 2},
    {"Text62", KeyFilters::CodeKeys, 2},
    {"Text63", KeyFilters::CodeKeys, 2},
    {"Text64", KeyFilters::CodeKeys, 2},
    {"Text65", KeyFilters::CodeKeys, 2},
    {"Text66", KeyFilters::CodeKeys, 2},
    {"Text33", KeyFilters::DocumentNumberKeys, 14},
    {"Text56", KeyFilters::CodeKeys, 3},
    {"Text3", KeyFilters::TextKeys, 30},
};

}  // namespace

void Form4::connectInputRules()
{
    for (const FilteredBox& filtered : FilteredBoxes) {
        auto* box = findChild<ui::TextBox*>(QString::fromLatin1(filtered.name));
        Q_ASSERT(box);
        box->setMaxLength(filtered.maximum);
        KeyFilters::attach(box, filtered.keys);
    }
}

}  // namespace vorna::clients
