#include "InsurerFixture.h"

namespace vorna {
namespace {

using InsurerReports = test::InsurerFixture;

TEST_F(InsurerReports, TheCardNeedsACode)
{
    addInsurer(1, "ALFA");
    open();
    type("Text1", "  ");
    click("Command3D11");
    EXPECT_TRUE(reports.launches.empty());
}

// The card prints the stored insurer of the typed code, not the boxes, and
// without a record shown.
TEST_F(InsurerReports, TheCardPrintsTheStoredInsurerOfTheTypedCode)
{
    addInsurer(1, "ALFA");
    addInsurer(2, "BETA", {{"TELEFONES", Variant("3333-0000")}});
    addInsurer(3, "GAMA");
    open();
    type("Text1", "2");
    type("Text2", "NOME NAO GRAVADO");
    click("Command3D11");

    ASSERT_EQ(reports.launches.size(), 1u);
    const report::LaunchRecord& launch = reports.launches[0];
    EXPECT_EQ(launch.owner, "Form10");
    EXPECT_EQ(launch.control, "CrystalReport1");
    EXPECT_EQ(launch.settings.reportFileName, folder() + "\\FICCIA.RPT");
    EXPECT_EQ(launch.settings.selectionFormula, "{CIAS.CODIGO} = 2");
    EXPECT_TRUE(launch.settings.windowTitle.isEmpty());
    EXPECT_FALSE(launch.settings.windowLeft.has_value());
    ASSERT_TRUE(launch.succeeded) << launch.failure.toStdString();
    ASSERT_EQ(launch.document->rows.size(), 1u);
    const QStringList& card = launch.document->rows[0];
    EXPECT_TRUE(card.contains("BETA"));
    EXPECT_TRUE(card.contains("3333-0000"));
    EXPECT_FALSE(card.contains("NOME NAO GRAVADO"));
    EXPECT_TRUE(dialogs.boxes.empty());
}

// The list follows a card on the same control: its empty selection takes every insurer.
TEST_F(InsurerReports, TheListPrintsEveryInsurerWhateverTheWindowShows)
{
    addInsurer(1, "GAMA");
    addInsurer(2, "ALFA");
    addInsurer(3, "BETA");
    open();
    type("Text1", "1");
    click("Command3D11");
    click("Command3D8");
    click("Command3D15");

    ASSERT_EQ(reports.launches.size(), 2u);
    const report::LaunchRecord& launch = reports.launches[1];
    EXPECT_EQ(launch.settings.reportFileName, folder() + "\\RELCIA.RPT");
    EXPECT_EQ(launch.settings.selectionFormula, "");
    ASSERT_TRUE(launch.succeeded) << launch.failure.toStdString();
    ASSERT_EQ(launch.document->rows.size(), 3u);
    QStringList names;
    for (const QStringList& row : launch.document->rows)
        names << row.value(1);
    EXPECT_EQ(names, (QStringList{"ALFA", "BETA", "GAMA"}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace vorna
