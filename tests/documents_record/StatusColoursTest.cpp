// The fields in the colour of the shown document's status; the status list in
// the colour of the word picked in it.
#include "DocumentWindowFixture.h"

#include "documents/StatusColours.h"
#include "platform/controls/PickList.h"

#include <QRegularExpression>

namespace vorna::documents::testing {
namespace {

class StatusColoursTest : public DocumentWindowFixture {
protected:
    void colourAll(const QColor& c)
    {
        for (QWidget* w : window->findChildren<QWidget*>())
            setTextColour(*w, c);
    }
};

const QColor Start(1, 2, 3);

TEST_F(StatusColoursTest, EachStatusColoursItsSixtyNineFieldsAndNoOther)
{
    struct Case {
        Variant status;
        std::optional<QColor> colour;
    };
    const Case cases[] = {
        {"E", QColor(192, 0, 0)},   {"I", QColor(0, 0, 0)},     {"N", QColor(0, 128, 0)},
        {"R", QColor(255, 0, 255)}, {"V", QColor(0, 0, 255)},   {"v", std::nullopt},
        {"X", std::nullopt},        {Variant::null(), std::nullopt},
    };
    for (const Case& c : cases) {
        colourAll(Start);
        db::Recordset rs = addDocument({{"VIGENTE", c.status}});
        ColourFieldsByStatus(fields->statusColoured, rs);
        int coloured = 0;
        static const QRegularExpression controlName(QStringLiteral("^(Text|Combo|MaskEdBox)\\d+$"));
        for (QWidget* w : window->findChildren<QWidget*>())
            if (controlName.match(w->objectName()).hasMatch() && textColour(*w) != Start)
                ++coloured;
        EXPECT_EQ(coloured, c.colour ? 69 : 0) << c.status;
        if (!c.colour)
            continue;
        for (const char* name : {"Text1", "Text33", "Combo1", "Combo19", "MaskEdBox59", "MaskEdBox82"})
            EXPECT_EQ(textColour(at<QWidget>(name)), *c.colour) << name;
        for (const char* name : {"Text5", "Text15", "Text30", "Combo15", "MaskEdBox57", "MaskEdBox83"})
            EXPECT_EQ(textColour(at<QWidget>(name)), Start) << name;
    }
}

TEST_F(StatusColoursTest, APickInTheStatusListColoursTheListAlone)
{
    db::Recordset rs = addDocument({{"VIGENTE", "N"}});
    ColourFieldsByStatus(fields->statusColoured, rs);
    auto& list = at<ui::PickList>("Combo1");
    list.setListIndex(1);  // "IMPRODUTIVO"
    EXPECT_EQ(textColour(list), QColor(0, 0, 0));
    EXPECT_EQ(textColour(at<QWidget>("Text2")), QColor(0, 128, 0));
    list.setListIndex(4);  // "VIGENTE"
    EXPECT_EQ(textColour(list), QColor(0, 0, 255));
    // No word: the colour stays.
    list.setListIndex(-1);
    EXPECT_EQ(textColour(list), QColor(0, 0, 255));
}

}  // namespace
}  // namespace vorna::documents::testing
