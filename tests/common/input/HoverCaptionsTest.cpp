#include "InputTest.h"

#include <QCursor>

namespace {

class HoverCaptionsTest : public InputTest {
protected:
    void SetUp() override
    {
        InputTest::SetUp();
        // Away from every window: a move to where the pointer already is moves nothing.
        QCursor::setPos(QPoint(5000, 5000));
        QCoreApplication::processEvents();
    }
    // Moves the pointer to a point of a control, as the mouse does.
    static void pointAt(QWidget* widget, QPoint at = QPoint(3, 3)) { QTest::mouseMove(widget, at); }
    std::pair<bool, bool> shown() const { return {w->Label16->isVisible(), w->Label18->isVisible()}; }
};

TEST_F(HoverCaptionsTest, CaptionsFollowThePointerFromButtonToButtonAndHideOnTheSurface)
{
    using Shown = std::pair<bool, bool>;
    EXPECT_EQ(shown(), Shown(false, false));  // hidden when the window loads

    pointAt(w->Command3D1);
    EXPECT_EQ(shown(), Shown(true, false));
    pointAt(w->Command3D2);
    EXPECT_EQ(shown(), Shown(false, true));

    // A box, a label and a click keep the caption.
    pointAt(w->Text1);
    pointAt(w->Label5);
    QTest::mouseClick(w->Command3D2, Qt::LeftButton);
    EXPECT_EQ(shown(), Shown(false, true));

    pointAt(w, QPoint(5, w->height() - 5));
    EXPECT_EQ(shown(), Shown(false, false));
}

TEST_F(HoverCaptionsTest, ADisabledButtonShowsNoCaption)
{
    w->Command3D1->setEnabled(false);
    pointAt(w->Command3D1);
    EXPECT_FALSE(w->Label16->isVisible());
}

TEST_F(HoverCaptionsTest, CaptionsAreHiddenAgainWhenTheWindowLoadsAgain)
{
    pointAt(w->Command3D1);
    ASSERT_TRUE(w->Label16->isVisible());
    w->Unload();
    w->Show();
    EXPECT_FALSE(w->Label16->isVisible());
}

}  // namespace
