#include "ControlsTest.h"

#include "platform/controls/ControlEvents.h"
#include "platform/controls/TextBox.h"

#include <QPushButton>
#include <functional>

using namespace vorna::ui;

namespace {

int liveHelpers = 0;

// What a window keeps while loaded: it counts the live helpers, and its
// handler may unload the window that keeps it before going on with its own
// members and controls, as a save whose hand-over closes its window does.
class Helper {
public:
    Helper(TextBox* box, std::function<void()> handOver) : box_(box), handOver_(std::move(handOver))
    {
        ++liveHelpers;
    }
    ~Helper()
    {
        // Its controls are still there as it goes.
        box_->setText(QString());
        --liveHelpers;
    }

    void save()
    {
        handOver_();
        box_->setText(QStringLiteral("saved"));
        steps_ += 1;
        finished = steps_ == 1;
    }

    bool finished = false;

private:
    TextBox* box_;
    std::function<void()> handOver_;
    int steps_ = 0;
};

class KeepingWindow : public Window {
public:
    int loads = 0;
    bool saveFinished = false;
    bool reloadOnSave = false;
    WhileLoaded<Helper> helper;

protected:
    void buildControls() override
    {
        box_ = new TextBox(this);
        box_->setObjectName(QStringLiteral("Text1"));
        auto* save = new QPushButton(this);
        save->setObjectName(QStringLiteral("Command1"));
        on(save).Click([this] {
            Helper* running = helper.get();
            running->save();
            saveFinished = running->finished;  // still there until the event loop
        });
    }
    void Form_Load() override
    {
        ++loads;
        ownUntilUnload(helper, std::make_unique<Helper>(box_, [this] {
                           Unload();
                           if (reloadOnSave)
                               Load();
                       }));
    }

private:
    TextBox* box_ = nullptr;
};

class LifetimeTest : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        liveHelpers = 0;
    }
};

TEST_F(LifetimeTest, AHelperThatUnloadsItsOwnWindowRunsToItsEndAndGoesWithTheControls)
{
    KeepingWindow& w = windowRef<KeepingWindow>();
    w.Show();
    ASSERT_TRUE(w.helper);
    EXPECT_EQ(liveHelpers, 1);

    QTest::mouseClick(w.control<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(w.saveFinished);
    EXPECT_EQ(w.state(), Window::State::NotLoaded);
    // The window lets go of it at once; it goes once the event loop runs.
    EXPECT_FALSE(w.helper);
    EXPECT_EQ(liveHelpers, 1);
    flushDeletes();
    EXPECT_EQ(liveHelpers, 0);

    // The next load builds a fresh one.
    w.Show();
    EXPECT_TRUE(w.helper);
    EXPECT_EQ(liveHelpers, 1);
}

TEST_F(LifetimeTest, AWindowLoadedAgainInTheSameEventKeepsOnlyItsNewHelper)
{
    KeepingWindow& w = windowRef<KeepingWindow>();
    w.reloadOnSave = true;
    w.Show();
    Helper* first = w.helper.get();

    QTest::mouseClick(w.control<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(w.saveFinished);
    EXPECT_EQ(w.loads, 2);
    ASSERT_TRUE(w.helper);
    EXPECT_NE(w.helper.get(), first);
    flushDeletes();
    EXPECT_EQ(liveHelpers, 1);
    EXPECT_TRUE(w.helper);
}

TEST_F(LifetimeTest, DestroyingALoadedWindowDestroysItsHelpersBeforeItsControls)
{
    auto* w = new KeepingWindow;
    w->Load();
    EXPECT_EQ(liveHelpers, 1);
    delete w;
    EXPECT_EQ(liveHelpers, 0);
}

}  // namespace
