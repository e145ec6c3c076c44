#include "LinesFixture.h"

#include "common/ReportLaunch.h"
#include "platform/report/ReportControl.h"
#include "platform/runtime/Runtime.h"

#include <QFile>
#include <QTest>

namespace vorna {
namespace {

using LinesRecord = test::LinesFixture;

double commissionOf(const db::Recordset& rs, int instalment)
{
    return rt::CDbl(rs.field(QStringLiteral("COM%1").arg(instalment)));
}

TEST_F(LinesRecord, AddsALineWithItsCommissionsAndStoresEmptyBoxesAsZero)
{
    open();
    EXPECT_FALSE(shown());
    EXPECT_TRUE(control("Command3D2")->isEnabled());
    type("Text1", "10");
    type("Text2", "SAUDE EMPRESARIAL");
    type(commission(1), "5");
    type(commission(2), "2,5");
    type(commission(12), "1,125");
    click("Command3D1");

    EXPECT_TRUE(dialogs.boxes.empty());
    db::Recordset rs = line(10);
    EXPECT_EQ(rt::CStr(rs.field("NOME")), "SAUDE EMPRESARIAL");
    EXPECT_DOUBLE_EQ(commissionOf(rs, 1), 5.0);
    EXPECT_DOUBLE_EQ(commissionOf(rs, 2), 2.5);
    for (int i = 3; i <= 11; ++i)
        EXPECT_DOUBLE_EQ(commissionOf(rs, i), 0.0) << i;
    EXPECT_DOUBLE_EQ(commissionOf(rs, 12), 1.125);

    // Ready for a further line with the same values under another code.
    EXPECT_EQ(text("Text1"), "");
    EXPECT_EQ(focusName(), "Text1");
    EXPECT_FALSE(shown());
    EXPECT_EQ(text("Text2"), "SAUDE EMPRESARIAL");
    EXPECT_EQ(text(commission(3)), "0");
    type("Text1", "11");
    click("Command3D1");
    EXPECT_EQ(rowCount("RAMOS"), 2);
    EXPECT_DOUBLE_EQ(commissionOf(line(11), 12), 1.125);
}

TEST_F(LinesRecord, ShowsPercentagesThroughTwoDecimalsAndStoresThemRoundedWhenSavedAgain)
{
    addLine(3, "VIDA", {12.3456, 0.0, 7.0});
    open();
    click("Command3D8");
    EXPECT_TRUE(shown());
    EXPECT_EQ(text("Text1"), "3");
    EXPECT_EQ(text("Text2"), "VIDA");
    EXPECT_EQ(text(commission(1)), "12,35");
    EXPECT_EQ(text(commission(2)), ",00");
    EXPECT_EQ(text(commission(3)), "7,00");
    EXPECT_EQ(text(commission(4)), "");  // Null

    click("Command3D1");
    db::Recordset rs = line(3);
    EXPECT_DOUBLE_EQ(commissionOf(rs, 1), 12.35);
    EXPECT_DOUBLE_EQ(commissionOf(rs, 3), 7.0);
    EXPECT_DOUBLE_EQ(commissionOf(rs, 4), 0.0);
    EXPECT_EQ(rowCount("RAMOS"), 1);
    // The window lets go of the line.
    EXPECT_FALSE(shown());
    EXPECT_EQ(text("Text2"), "");
    EXPECT_EQ(text(commission(1)), "");
    EXPECT_EQ(focusName(), "Text1");
}

TEST_F(LinesRecord, AShownLineTakesANewCode)
{
    addLine(3, "VIDA");
    open();
    click("Command3D8");
    type("Text1", "30");
    click("Command3D1");
    EXPECT_EQ(rowCount("RAMOS"), 1);
    EXPECT_EQ(rt::CStr(line(30).field("NOME")), "VIDA");
}

struct RequiredCase {
    const char* name;
    const char* code;
    const char* lineName;
    const char* message;
    const char* focus;
};

class LinesRequired : public test::LinesFixture, public ::testing::WithParamInterface<RequiredCase> {};

TEST_P(LinesRequired, TheNameComesFirstThenTheCode)
{
    open();
    type("Text1", GetParam().code);
    type("Text2", GetParam().lineName);
    dialogs.expectOk(GetParam().message);
    click("Command3D1");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO!");
    EXPECT_EQ(focusName(), GetParam().focus);
    EXPECT_EQ(rowCount("RAMOS"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinesRequired,
    ::testing::Values(
        RequiredCase{"BothBlank", "", "", "PREENCHIMENTO OBRIGATORIO - NOME", "Text2"},
        RequiredCase{"NameOfBlanks", "5", "   ", "PREENCHIMENTO OBRIGATORIO - NOME", "Text2"},
        RequiredCase{"CodeBlank", "", "VIDA", "PREENCHIMENTO OBRIGATORIO - CÓDIGO ", "Text1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinesRecord, DeletesWithoutAQuestionAndLeavesClearDisabledUntilALineIsShown)
{
    addLine(1, "VIDA");
    addLine(2, "AUTO");
    open();
    click("Command3D8");
    click("Command3D3");
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(findRow("RAMOS", "CODIGO = 1").NoMatch());
    EXPECT_EQ(rowCount("RAMOS"), 1);
    EXPECT_FALSE(shown());
    EXPECT_FALSE(control("Command3D2")->isEnabled());
    EXPECT_EQ(text("Text2"), "");
    EXPECT_EQ(focusName(), "Text1");

    click("Command3D8");
    EXPECT_EQ(text("Text2"), "AUTO");
    EXPECT_TRUE(control("Command3D2")->isEnabled());
    click("Command3D2");
    EXPECT_FALSE(shown());
    EXPECT_EQ(text("Text2"), "");
    EXPECT_TRUE(control("Command3D2")->isEnabled());
}

TEST_F(LinesRecord, ExitEnablesTheMainMenuAndUnloads)
{
    windows::Form2().Disable();
    open();
    click("Command3D5");
    EXPECT_TRUE(windows::Form2().isEnabled());
    EXPECT_FALSE(window().isLoaded());
}

// Routines of other windows borrow this control; its runs go to the print file.
TEST_F(LinesRecord, TheBorrowedReportControlWritesItsReportToAFile)
{
    addRow("CIAS", {{"CODIGO", Variant(1)}, {"NOME", Variant("ALFA")}});
    report::ReportControl& rpt = borrowReportControl(windows::Form11());
    EXPECT_TRUE(window().isLoaded());
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(rpt.printsToFile());
    rpt.setReportFileName(folder() + "\\RELCIA.RPT");
    rpt.setPrintFileName(pathOf("SAIDA.TXT"));
    rpt.setAction(1);
    ASSERT_EQ(reports.launches.size(), 1u);
    EXPECT_EQ(reports.launches[0].owner, "Form11");
    EXPECT_EQ(reports.launches[0].settings.destination, report::Destination::File);
    EXPECT_TRUE(reports.launches[0].succeeded) << reports.launches[0].failure.toStdString();
    EXPECT_TRUE(QFile::exists(pathOf("SAIDA.TXT")));
}

TEST_F(LinesRecord, TabGoesFromTheCodeThroughTheNameAndTheTwelveCommissions)
{
    open();
    control("Text1")->setFocus(Qt::TabFocusReason);
    QStringList expected{"Text2"};
    for (int i = 1; i <= 12; ++i)
        expected << QStringLiteral("MaskEdBox%1").arg(i);
    expected << "Command3D1";
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName();
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(LinesRecord, CodeAndNameBoxesRefuseKeysOutsideTheirSets)
{
    open();
    type("Text1", "1a2");
    EXPECT_EQ(text("Text1"), "12");
    type("Text2", "AÇÃO");
    EXPECT_EQ(text("Text2"), "AO");
    EXPECT_EQ(dialogs.beeps, 3);
}

TEST_F(LinesRecord, EachButtonShowsItsOwnCaptionAndTheSurfaceHidesThemAll)
{
    addLine(1, "VIDA");
    open();
    click("Command3D8");
    const std::pair<const char*, const char*> captions[] = {
        {"Command3D1", "Gravar"},   {"Command3D2", "Limpar"},   {"Command3D3", "Excluir"},
        {"Command3D4", "Consultar"}, {"Command3D5", "Sair"},    {"Command3D8", "Primeiro"},
        {"Command3D9", "Anterior"}, {"Command3D6", "Próximo"}, {"Command3D7", "Último"}};
    std::vector<std::pair<QWidget*, QString>> buttons;
    for (const auto& [button, caption] : captions)
        buttons.emplace_back(control(button), QString::fromUtf8(caption));
    test::expectEachButtonsCaption(buttons, &window(), QPoint(window().width() - 2, window().height() - 1),
                                   [&] { return test::shownWindowLabels(window()); });
}

}  // namespace
}  // namespace vorna
