#include "UserWindowFixture.h"

#include <QDir>

namespace vorna::test {
namespace {

// A picture of the window showing a user, for a person to look at; only when
// VORNA_SCREENSHOTS names a folder.
using UserWindowScreens = UserWindowFixture;

TEST_F(UserWindowScreens, SavesTheWindowWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    windows::Form2().Hide();
    open();
    QTest::mouseClick(w().Command3D8, Qt::LeftButton);
    for (QWidget* button : {w().Command3D1, w().Command3D2, w().Command3D3, w().Command3D5, w().Command3D8,
                            w().Command3D9, w().Command3D6, w().Command3D7}) {
        QTest::mouseMove(button, QPoint(3, 3));
        EXPECT_TRUE(window().grab(QRect(0, 0, window().width(), 52))
                        .save(target + "/users-toolbar-" + button->objectName() + ".png"));
    }
    EXPECT_TRUE(window().grab().save(target + "/users.png"));
}

}  // namespace
}  // namespace vorna::test
