#include "ControlsTest.h"
#include "SampleWindow.h"

#include "platform/controls/Twips.h"

#include <QPointer>

using namespace vorna::ui;

namespace {

class WindowTest : public ControlsTest {};

TEST_F(WindowTest, ShowLoadsOnceUnloadDiscardsControlsAndKeepsTheWindowsVariables)
{
    SampleWindow& w = windowRef<SampleWindow>();
    EXPECT_EQ(w.state(), Window::State::NotLoaded);
    EXPECT_EQ(w.findChild<TextBox*>("Text1"), nullptr);

    w.Show();
    EXPECT_EQ(w.state(), Window::State::Shown);
    EXPECT_EQ(w.loads, 1);
    w.remembered = QStringLiteral("kept");
    w.controls().Text1->setText(QStringLiteral("typed"));

    // Showing an open window brings it to the front as it is.
    w.Show();
    EXPECT_EQ(w.loads, 1);
    EXPECT_EQ(w.controls().Text1->text(), "typed");
    EXPECT_EQ(&windowRef<SampleWindow>(), &w);

    QPointer<TextBox> oldBox = w.controls().Text1;
    w.Unload();
    EXPECT_EQ(w.state(), Window::State::NotLoaded);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.unloads, 1);
    EXPECT_EQ(w.findChild<TextBox*>("Text1"), nullptr);
    flushDeletes();
    EXPECT_TRUE(oldBox.isNull());

    w.Show();
    EXPECT_EQ(w.loads, 2);
    EXPECT_EQ(w.controls().Text1->text(), "");
    EXPECT_EQ(w.remembered, "kept");
    // The load step filled the list again, once.
    EXPECT_EQ(w.controls().Combo1->ListCount(), 2);
}

TEST_F(WindowTest, TouchingAControlOfAWindowNotLoadedLoadsItHidden)
{
    SampleWindow& w = windowRef<SampleWindow>();
    w.controls().Text1->setText(QStringLiteral("x"));
    EXPECT_EQ(w.state(), Window::State::LoadedHidden);
    EXPECT_EQ(w.loads, 1);
    EXPECT_FALSE(w.isVisible());

    EXPECT_EQ(w.control<TextBox>("Text1")->text(), "x");
    w.Show();
    EXPECT_EQ(w.loads, 1);
    EXPECT_EQ(w.controls().Text1->text(), "x");
}

TEST_F(WindowTest, AButtonMayUnloadItsOwnWindowAndTheWindowLoadsAgainLater)
{
    SampleWindow& w = windowRef<SampleWindow>();
    w.Show();
    activate(&w);
    QTest::mouseClick(w.controls().Command3D2, Qt::LeftButton);
    EXPECT_EQ(w.state(), Window::State::NotLoaded);
    flushDeletes();

    w.Show();
    activate(&w);
    QTest::mouseClick(w.controls().Command3D1, Qt::LeftButton);
    EXPECT_EQ(w.saves, 1);
    EXPECT_EQ(w.loads, 2);
}

TEST_F(WindowTest, DisabledWindowStaysVisible)
{
    SampleWindow& w = windowRef<SampleWindow>();
    w.Show();
    w.Disable();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.isEnabled());
    w.Enable();
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(WindowTest, FixedWindowHasNoCloseBoxAndKeepsItsDesignedSize)
{
    SampleWindow& w = windowRef<SampleWindow>();
    w.Show();
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w.minimumSize(), QSize(400, 200));
    EXPECT_EQ(w.maximumSize(), QSize(400, 200));
}

TEST_F(WindowTest, TabReachesABoxOutsideTheVisibleAreaAndTypesIntoIt)
{
    SampleWindow& w = windowRef<SampleWindow>();
    w.Show();
    activate(&w);
    MaskEdBox* outside = w.controls().MaskEdBox2;
    ASSERT_FALSE(w.rect().intersects(outside->geometry()));
    EXPECT_TRUE(outside->isVisible());
    EXPECT_TRUE(outside->isEnabled());

    w.controls().Text1->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), outside);
    QTest::keyClicks(outside, "12,5");
    EXPECT_EQ(outside->Text(), "12,5");
    // And on out of it, in the designed tab order.
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), w.controls().Combo1);
}

TEST_F(WindowTest, DesignerLayoutBuildsThePlatformControlsWithTheirProperties)
{
    auto& c = windowRef<SampleWindow>().controls();
    EXPECT_EQ(c.MaskEdBox1->Mask(), "##/##/####");
    EXPECT_EQ(c.MaskEdBox1->Text(), "__/__/____");
    EXPECT_EQ(c.MaskEdBox1->MaxLength(), 10);
    EXPECT_EQ(c.MaskEdBox2->MaxLength(), 64);
    EXPECT_EQ(c.Text1->maxLength(), 40);
    EXPECT_TRUE(c.Combo1->Sorted());
    EXPECT_EQ(c.Combo1->List(0), "CASADO");
    EXPECT_EQ(c.MSFlexGrid1->Rows(), 5);
    EXPECT_EQ(c.MSFlexGrid1->Cols(), 3);
    EXPECT_EQ(c.MSFlexGrid1->FixedCols(), 0);
    EXPECT_FALSE(c.Label16->isVisibleTo(&windowRef<SampleWindow>()));
}

TEST_F(WindowTest, TwipsArePlacedAtFifteenToThePixel)
{
    EXPECT_EQ(twips(11895), 793);
    EXPECT_EQ(twips(15), 1);
    EXPECT_EQ(twips(7), 0);
    EXPECT_EQ(twips(8), 1);
    QWidget parent;
    QWidget child(&parent);
    placeTwips(&child, 30, 6195, 11640, 2445);
    EXPECT_EQ(child.geometry(), QRect(2, 413, 776, 163));
}

}  // namespace
