// The list box filled many items at once, with the value each keeps: what the
// name search relies on when it lists every client a letter matches.
#include "ControlsTest.h"

#include "platform/controls/ControlEvents.h"
#include "platform/controls/ListBox.h"
#include "platform/runtime/EngineError.h"

using namespace vorna::ui;

namespace {

class ListBoxFillTest : public ControlsTest {
protected:
    static QStringList texts(const ListBox& list)
    {
        QStringList out;
        for (int i = 0; i < list.ListCount(); ++i)
            out << list.List(i);
        return out;
    }
    static QVariantList values(const ListBox& list)
    {
        QVariantList out;
        for (int i = 0; i < list.ListCount(); ++i)
            out << list.ItemData(i);
        return out;
    }
};

TEST_F(ListBoxFillTest, ItemsAddedAtOnceFollowTheListsItemsWithTheirValuesAndKeepTheChoice)
{
    ListBox list;
    int clicks = 0;
    on(&list).Click([&] { ++clicks; });
    list.AddItems({"A", "B"});
    list.setListIndex(1);
    ASSERT_EQ(clicks, 1);

    // More items than values: the last ones keep none.
    list.AddItems({"C", "D", "E"}, {10, 20});
    EXPECT_EQ(texts(list), QStringList({"A", "B", "C", "D", "E"}));
    EXPECT_EQ(values(list), QVariantList({{}, {}, 10, 20, {}}));
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(list.Text(), "B");
    EXPECT_EQ(clicks, 1);

    // Values travel with their items when an item before them goes.
    list.RemoveItem(0);
    EXPECT_EQ(values(list), QVariantList({{}, 10, 20, {}}));
    list.setItemData(0, QStringLiteral("/home"));
    EXPECT_EQ(list.ItemData(0), QVariant(QStringLiteral("/home")));
    EXPECT_FALSE(list.ItemData(4).isValid());
    EXPECT_FALSE(list.ItemData(-1).isValid());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ListBoxFillTest, ASortedListPutsEachItemAddedAtOnceInItsPlaceAfterItsEquals)
{
    ListBox list;
    list.setSorted(true);
    int clicks = 0;
    on(&list).Click([&] { ++clicks; });
    list.AddItem(QStringLiteral("Maria"));
    list.AddItem(QStringLiteral("ana"));
    list.setListIndex(1);
    ASSERT_EQ(list.Text(), "Maria");
    clicks = 0;

    list.AddItems({"Bruno", "zeca", QString::fromUtf8("Álvaro"), "ANA"}, {1, 2, 3, 4});
    EXPECT_EQ(texts(list), QStringList({QString::fromUtf8("Álvaro"), "ana", "ANA", "Bruno", "Maria", "zeca"}));
    EXPECT_EQ(values(list), QVariantList({3, {}, 4, 1, {}, 2}));
    // The chosen item stays chosen where it moved to, and nothing was clicked.
    EXPECT_EQ(list.ListIndex(), 4);
    EXPECT_EQ(list.Text(), "Maria");
    EXPECT_EQ(clicks, 0);
}

TEST_F(ListBoxFillTest, OutOfTheListIsAnErrorThatChangesNothing)
{
    ListBox list;
    list.AddItems({"A", "B"}, {1, 2});
    list.setListIndex(0);
    struct Case {
        const char* what;
        std::function<void()> code;
        int number;
    } cases[] = {
        {"AddItem past the end", [&] { list.AddItem(QStringLiteral("X"), 3); }, 5},
        {"RemoveItem past the end", [&] { list.RemoveItem(2); }, 5},
        {"RemoveItem before the start", [&] { list.RemoveItem(-1); }, 5},
        {"ListIndex past the end", [&] { list.setListIndex(2); }, 380},
        {"ListIndex below -1", [&] { list.setListIndex(-2); }, 380},
        {"ItemData past the end", [&] { list.setItemData(2, 9); }, 381},
        {"ItemData before the start", [&] { list.setItemData(-1, 9); }, 381},
    };
    for (const Case& c : cases) {
        int number = 0;
        try {
            c.code();
        } catch (const vorna::EngineError& e) {
            number = e.number();
        }
        EXPECT_EQ(number, c.number) << c.what;
        EXPECT_EQ(texts(list), QStringList({"A", "B"})) << c.what;
        EXPECT_EQ(values(list), QVariantList({1, 2})) << c.what;
        EXPECT_EQ(list.ListIndex(), 0) << c.what;
    }
}

// A long list on screen: emptied and filled again it chooses nothing; the
// mouse and the keyboard choose as in a short one, and the chosen item's
// value is the one it was added with.
TEST_F(ListBoxFillTest, ALongListRefilledChoosesNothingAndIsChosenByMouseAndKeyboard)
{
    constexpr int Count = 20000;
    QWidget window;
    window.resize(400, 300);
    auto* list = new ListBox(&window);
    list->setGeometry(0, 0, 300, 200);
    QStringList names;
    QVariantList keys;
    for (int i = 0; i < Count; ++i) {
        names << QStringLiteral("CLIENTE %1").arg(i);
        keys << i + 1;
    }
    int clicks = 0;
    int doubleClicks = 0;
    on(list).Click([&] { ++clicks; }).DblClick([&] { ++doubleClicks; });
    activate(&window);

    list->AddItems(names, keys);
    list->setListIndex(7);
    list->Clear();
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->Text(), "");
    list->AddItems(names, keys);
    QApplication::processEvents();
    EXPECT_EQ(list->ListCount(), Count);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(clicks, 1);  // only the setListIndex

    const QRect third = list->visualItemRect(list->item(2));
    EXPECT_EQ(third.height(), list->visualItemRect(list->item(0)).height());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_EQ(list->ItemData(list->ListIndex()), QVariant(3));

    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(list->ListIndex(), Count - 1);
    EXPECT_EQ(list->Text(), QStringLiteral("CLIENTE %1").arg(Count - 1));
    EXPECT_EQ(clicks, 3);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->ListIndex(), Count - 2);
    EXPECT_EQ(clicks, 4);

    const QPoint last = list->visualItemRect(list->item(Count - 1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, last);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, last);
    EXPECT_EQ(list->ListIndex(), Count - 1);
    EXPECT_EQ(list->ItemData(Count - 1), QVariant(Count));
    EXPECT_EQ(doubleClicks, 1);
}

}  // namespace
