#include "MenuFixture.h"

#include "platform/controls/MaskEdBox.h"
#include "platform/controls/PictureButton.h"
#include "platform/controls/TextBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QSpontaneKeyEvent>
#include <QTest>

namespace vorna {
namespace {

using test::MenuFixture;

struct PeriodItem {
    const char* item;
    int selector;
    const char* caption;
    const char* numberPrompt;  // nullptr: no number box
};
const PeriodItem PeriodItems[] = {
    {"menu326", 2, "Pagamentos Pendentes por Período", nullptr},
    {"menu3261", 3, "Pagamentos por Período", nullptr},
    {"menu3262", 4, "Eventos por Período", nullptr},
    {"menu327", 5, "Eventos Negados por Período", nullptr},
    {"menuapor", 6, "Eventos por Apólice por Período", "Qual Apólice?"},
    {"menucart", 7, "Eventos por Cartão por Período", "Qual Cartão?"},
};

class PeriodDialog : public MenuFixture {
protected:
    void open(const char* item)
    {
        showMainMenu();
        choose(item);
    }
};

TEST_F(PeriodDialog, EachItemOpensItsDialogAndTheCloseButtonGivesTheMenuBack)
{
    for (const PeriodItem& p : PeriodItems) {
        SCOPED_TRACE(p.item);
        restart(level::Total, everyRight());
        open(p.item);

        ui::Window& dialog = windows::Form70();
        EXPECT_EQ(dialog.state(), ui::Window::State::Shown);
        EXPECT_FALSE(mainMenu().isEnabled());
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(p.caption));
        auto* prompt = periodControl<QLabel>("Label1");
        auto* number = periodControl<ui::TextBox>("Text1");
        EXPECT_EQ(prompt->isVisible(), p.numberPrompt != nullptr);
        EXPECT_EQ(number->isVisible(), p.numberPrompt != nullptr);
        if (p.numberPrompt) {
            EXPECT_EQ(prompt->text(), QString::fromUtf8(p.numberPrompt));
        }
        EXPECT_TRUE(number->text().isEmpty());

        QTest::mouseClick(periodControl<ui::PictureButton>("Command3D1"), Qt::LeftButton);
        EXPECT_TRUE(mainMenu().isEnabled());
        EXPECT_EQ(dialog.state(), ui::Window::State::NotLoaded);
        EXPECT_TRUE(sink.launches.empty());
    }
}

// A close request from the desktop's window frame, as the close box sends it.
bool closedFromTheFrame(QWidget& window)
{
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(&window, &event);
    return event.isAccepted();
}

TEST_F(PeriodDialog, OnlyTheCloseButtonLeavesTheDialogAndFreesTheMenu)
{
    open("menu3262");
    ui::Window& dialog = windows::Form70();
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::Tool)) << "no task-bar entry";
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));

    EXPECT_FALSE(closedFromTheFrame(dialog));
    EXPECT_FALSE(closedFromTheFrame(mainMenu()));
    EXPECT_EQ(dialog.state(), ui::Window::State::Shown);
    EXPECT_EQ(mainMenu().state(), ui::Window::State::Shown);
    EXPECT_FALSE(mainMenu().isEnabled());
    EXPECT_FALSE(windows::Form79().isLoaded()) << "the held menu was not left";

    QTest::mouseClick(periodControl<ui::PictureButton>("Command3D1"), Qt::LeftButton);
    EXPECT_TRUE(mainMenu().isEnabled());
}

TEST_F(PeriodDialog, RunPassesTheDatesAndTheNumberAsFormulas)
{
    struct Case {
        const char* item;
        const char* start;
        const char* end;
        const char* number;
        const char* file;
        std::map<int, QString> formulas;
    };
    const std::map<int, QString> february{{0, "D1 = 1"}, {1, "M1 = 2"}, {2, "A1 = 2016"},
                                          {3, "D2 = 29"}, {4, "M2 = 2"}, {5, "A2 = 2016"}};
    auto with = [](std::map<int, QString> m, int index, const QString& text) {
        m[index] = text;
        return m;
    };
    const Case cases[] = {
        {"menu326", "01022016", "29022016", "", "RELPEN.RPT", february},
        {"menu3261", "01022016", "29022016", "", "RELPAG.RPT", february},
        {"menu3262", "01022016", "29022016", "", "RELEVE.RPT", february},
        {"menu327", "01022016", "29022016", "", "RELNEG.RPT", february},
        {"menuapor", "01022016", "29022016", "1234", "RELAPO.RPT", with(february, 6, "APOL = '1234'")},
        {"menucart", "01022016", "29022016", "321", "RELCAR.RPT", with(february, 6, "APOL = '321'")},
        // Leading zeros dropped; an end before the start passed as it is.
        {"menu3262", "05032016", "01011999", "", "RELEVE.RPT",
         {{0, "D1 = 5"}, {1, "M1 = 3"}, {2, "A1 = 2016"}, {3, "D2 = 1"}, {4, "M2 = 1"}, {5, "A2 = 1999"}}},
        // The number goes in as typed, leading zeros kept.
        {"menucart", "31122015", "31122015", "007", "RELCAR.RPT",
         {{0, "D1 = 31"}, {1, "M1 = 12"}, {2, "A1 = 2015"}, {3, "D2 = 31"}, {4, "M2 = 12"}, {5, "A2 = 2015"},
          {6, "APOL = '007'"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.item << " " << c.start << " " << c.end);
        restart(level::Total, everyRight());
        open(c.item);
        runPeriodReport(QString::fromLatin1(c.start), QString::fromLatin1(c.end), QString::fromLatin1(c.number));

        ASSERT_EQ(sink.launches.size(), 1u);
        const report::LaunchRecord& run = sink.launches[0];
        EXPECT_EQ(run.owner, "Form70");
        EXPECT_EQ(run.settings.reportFileName, reportPath(c.file));
        EXPECT_EQ(run.settings.formulas, c.formulas);
        EXPECT_TRUE(run.settings.selectionFormula.isEmpty());
        EXPECT_TRUE(run.settings.windowTitle.isEmpty());
        EXPECT_FALSE(run.settings.windowLeft.has_value());
        EXPECT_TRUE(run.succeeded) << run.failure.toStdString();
        EXPECT_TRUE(dialogs.boxes.empty());
        EXPECT_EQ(windows::Form70().state(), ui::Window::State::Shown) << "the dialog stays for another run";
    }
}

TEST_F(PeriodDialog, RunDoesNothingWithoutBothDatesOrWithoutTheNumber)
{
    open("menuapor");
    runPeriodReport(QStringLiteral("01022016"), QStringLiteral("29022016"));
    EXPECT_TRUE(sink.launches.empty()) << "policy number missing";

    auto* number = periodControl<ui::TextBox>("Text1");
    number->setText(QStringLiteral("   "));
    QTest::mouseClick(periodControl<ui::PictureButton>("Command3D2"), Qt::LeftButton);
    EXPECT_TRUE(sink.launches.empty()) << "blank policy number";

    // The same dates under a report without a number run.
    state().handOver.CallerCode = Variant(caller::IncludedEventsReport);
    QTest::mouseClick(periodControl<ui::PictureButton>("Command3D2"), Qt::LeftButton);
    ASSERT_EQ(sink.launches.size(), 1u);
    EXPECT_EQ(sink.launches[0].settings.reportFileName, reportPath("RELEVE.RPT"));

    restart(level::Total, everyRight());
    open("menu3262");
    runPeriodReport(QStringLiteral("01022016"), QString());
    EXPECT_TRUE(sink.launches.empty()) << "end date missing";
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(PeriodDialog, EachRunStartsFromAResetControlAndReadsTheSelectorAgain)
{
    open("menuapor");
    runPeriodReport(QStringLiteral("01022016"), QStringLiteral("29022016"), QStringLiteral("1234"));
    QTest::mouseClick(periodControl<ui::PictureButton>("Command3D2"), Qt::LeftButton);
    ASSERT_EQ(sink.launches.size(), 2u);
    EXPECT_EQ(sink.launches[1].settings.formulas, sink.launches[0].settings.formulas);

    // Another item chosen while the dialog is open: the caption stays, the run
    // follows the new selector and carries no policy formula.
    state().handOver.CallerCode = Variant(caller::DeniedEventsReport);
    QTest::mouseClick(periodControl<ui::PictureButton>("Command3D2"), Qt::LeftButton);
    ASSERT_EQ(sink.launches.size(), 3u);
    EXPECT_EQ(sink.launches[2].settings.reportFileName, reportPath("RELNEG.RPT"));
    EXPECT_EQ(sink.launches[2].settings.formulas.count(6), 0u);
    EXPECT_EQ(windows::Form70().windowTitle(), "Eventos por Apólice por Período");
}

TEST_F(PeriodDialog, DateBoxesRefuseAnImpossibleDate)
{
    open("menu3262");
    activatePeriodDialog();
    auto* start = periodControl<ui::MaskEdBox>("MaskEdBox1");
    QTest::keyClicks(start, QStringLiteral("31022016"));
    dialogs.expectOk(QStringLiteral("DATA INVALIDA"));
    QTest::keyClick(start, Qt::Key_Tab);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO!");
    EXPECT_TRUE(start->hasFocus());
}

TEST_F(PeriodDialog, NumberBoxTakesDigitsOnly)
{
    open("menucart");
    activatePeriodDialog();
    auto* number = periodControl<ui::TextBox>("Text1");
    number->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(number, QStringLiteral("12a-3."));
    EXPECT_EQ(number->text(), "123");
    EXPECT_EQ(dialogs.beeps, 3);
    EXPECT_EQ(number->maxLength(), 20);
}

}  // namespace
}  // namespace vorna
