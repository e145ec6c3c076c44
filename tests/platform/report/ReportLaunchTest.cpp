#include "ReportFixture.h"

#include "common/ReportLaunch.h"
#include "platform/controls/Window.h"

using namespace vorna;
using namespace vorna::report;

namespace {

// A window that carries a report control, counting its load steps.
class WindowWithReportControl : public ui::Window {
public:
    int loads = 0;

protected:
    void buildControls() override
    {
        auto* control = new ReportControl(this);
        control->setObjectName(QStringLiteral("CrystalReport1"));
    }
    void Form_Load() override { ++loads; }
};

class ReportLaunchTest : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        createRegistryTables();
        copyReport(QStringLiteral("RELCIA.RPT"));
        copyReport(QStringLiteral("FICCIA.RPT"));
        lender.setObjectName(QStringLiteral("Form2"));
    }

    WindowWithReportControl lender;
};

TEST_F(ReportLaunchTest, BorrowingTheControlOfAnUnloadedWindowLoadsItHidden)
{
    ASSERT_EQ(lender.state(), ui::Window::State::NotLoaded);
    ReportControl& control = borrowReportControl(lender);
    EXPECT_EQ(lender.state(), ui::Window::State::LoadedHidden);
    EXPECT_EQ(lender.loads, 1);
    control.setWindowLeft(150);
    control.setWindowTop(150);
    control.setWindowTitle(QStringLiteral("ASSUNTOS PENDENTES"));
    control.setReportFileName(windowsStylePath(QStringLiteral("RELCIA.RPT")));
    control.setAction(1);

    // The next borrower finds the window loaded and the settings of the last launch.
    ReportControl& again = borrowReportControl(lender);
    EXPECT_EQ(&again, &control);
    EXPECT_EQ(lender.loads, 1);
    again.setReportFileName(windowsStylePath(QStringLiteral("FICCIA.RPT")));
    again.setAction(1);
    ASSERT_EQ(sink.launches.size(), 2u);
    EXPECT_EQ(sink.launches[1].owner, QStringLiteral("Form2"));
    EXPECT_EQ(sink.launches[1].settings.windowTitle, QStringLiteral("ASSUNTOS PENDENTES"));
    EXPECT_EQ(sink.launches[1].settings.windowTop, 150);
    EXPECT_FALSE(lender.isVisible());

    // Unloading discards the control; borrowing again loads the window again,
    // with the control as designed.
    lender.Unload();
    ReportControl& fresh = borrowReportControl(lender);
    EXPECT_EQ(lender.loads, 2);
    EXPECT_TRUE(fresh.settings().windowTitle.isEmpty());
}

TEST_F(ReportLaunchTest, FailureBoxNamesTheReportAndWhatFailed)
{
    installReportFailureBox();
    ReportControl& control = borrowReportControl(lender);
    control.setReportFileName(windowsStylePath(QStringLiteral("RELCIA.RPT")));
    control.setFormulas(0, QStringLiteral("GRU = 123"));
    dialogs.expectOk();
    control.setAction(1);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("NÃO FOI POSSÍVEL EMITIR O RELATÓRIO RELCIA.RPT.\n"
                                                    "O relatório não tem a fórmula GRU (fórmula 0: \"GRU = 123\")."));
    EXPECT_EQ(lender.state(), ui::Window::State::LoadedHidden);
}

}  // namespace
