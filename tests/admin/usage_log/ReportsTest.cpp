#include "UsageLogFixture.h"

#include "common/AppFolder.h"
#include "platform/report/ReportControl.h"

namespace vorna {
namespace {

class UsageLogReports : public test::UsageLogFixture {
protected:
    void SetUp() override
    {
        UsageLogFixture::SetUp();
        addEntry({{"CLIENTE", 7}, {"NOME", QStringLiteral("MARIA SILVA")}, {"APOLICE", QStringLiteral("AB-1")},
                  {"REMARKS", QStringLiteral("LIGAR")}, {"DATALOGUI", QStringLiteral("10/06/2016")},
                  {"HORALOGUI", QStringLiteral("10:15")}, {"LIQUI", QStringLiteral("N")}, {"USUARIO", 3}});
        addEntry({{"CLIENTE", 7}, {"NOME", QStringLiteral("MARIA SILVA")}, {"APOLICE", QStringLiteral("D'OESTE-9")},
                  {"REMARKS", QStringLiteral("DADOS DE CLIENTE ALTERADOS")}, {"LIQUI", QStringLiteral("S")}});
        addEntry({{"CLIENTE", 8}, {"NOME", QStringLiteral("JOSE")}, {"APOLICE", QStringLiteral("ab-1")},
                  {"DOCUMENTO", 345}, {"LIQUI", QStringLiteral("N")}});
        open();
    }

    // The single launch made so far; it ran.
    const report::LaunchRecord& launch()
    {
        EXPECT_EQ(reports.launches.size(), 1u);
        const report::LaunchRecord& r = reports.launches.back();
        EXPECT_TRUE(r.succeeded) << r.failure.toStdString();
        EXPECT_EQ(r.settings.reportFileName, appFolder() + "\\RELLOG.RPT");
        return r;
    }
    static QStringList column(const report::LaunchRecord& r, int index)
    {
        QStringList out;
        if (r.document)
            for (const QStringList& row : r.document->rows)
                out << row.value(index);
        return out;
    }
    // Columns of the listing: date, time, user, code, name, document, policy, remarks, settled.
    static constexpr int Name = 4, Policy = 6, Remarks = 7, Settled = 8;
};

TEST_F(UsageLogReports, TheClientReportListsTheEntriesOfTheCodeInTheBox)
{
    box("Text2")->setText(QStringLiteral("7"));
    click("Command3D15");
    const report::LaunchRecord& r = launch();
    EXPECT_EQ(r.owner, "Form54");
    EXPECT_EQ(r.control, "CrystalReport1");
    EXPECT_EQ(r.settings.selectionFormula, "{LOGUI.CLIENTE} = 7");
    EXPECT_TRUE(r.settings.windowTitle.isEmpty());
    EXPECT_FALSE(r.settings.windowLeft.has_value());
    ASSERT_TRUE(r.document);
    EXPECT_EQ(r.document->headings,
              (QStringList{"Data", "Hora", "Usu.", "Cód.", "Cliente", "Doc.", "Apólice", "Observações", "Liq."}));
    ASSERT_EQ(r.document->rows.size(), 2u);
    EXPECT_EQ(r.document->rows[0],
              (QStringList{"10/06/2016", "10:15", "3", "7", "MARIA SILVA", "", "AB-1", "LIGAR", "N"}));
    EXPECT_EQ(column(r, Remarks)[1], "DADOS DE CLIENTE ALTERADOS");
}

TEST_F(UsageLogReports, TheClientReportRunsForACodeNoEntryCarriesAndListsNothing)
{
    // A code with a letter is one no entry can carry; it never reaches the formula.
    for (const QString& typed : {QStringLiteral("99"), QStringLiteral("7 or"), QStringLiteral("7'")}) {
        SCOPED_TRACE(typed.toStdString());
        reports.launches.clear();
        box("Text2")->setText(typed);
        click("Command3D15");
        const report::LaunchRecord& r = launch();
        ASSERT_TRUE(r.document);
        EXPECT_TRUE(r.document->rows.empty());
    }
}

TEST_F(UsageLogReports, ThePolicyReportComparesThePolicyAsTextWithItsApostrophe)
{
    box("Text5")->setText(QStringLiteral("D'OESTE-9"));
    click("Command3D2");
    const report::LaunchRecord& r = launch();
    EXPECT_EQ(r.owner, "Form54");
    EXPECT_EQ(r.settings.selectionFormula, "{LOGUI.APOLICE} = 'D''OESTE-9'");
    EXPECT_EQ(column(r, Policy), QStringList{"D'OESTE-9"});

    reports.launches.clear();
    box("Text5")->setText(QStringLiteral("AB-1"));
    click("Command3D2");
    EXPECT_EQ(column(launch(), Name), (QStringList{"MARIA SILVA", "JOSE"})) << "letter case ignored";
}

TEST_F(UsageLogReports, TheFilteredReportsRefuseABlankBox)
{
    struct Case {
        const char* button;
        const char* box;
        QString message;
    };
    const Case cases[] = {
        {"Command3D15", "Text2", QStringLiteral("SEM CLIENTE ESPECIFICO NÃO HA RELATÓRIO")},
        {"Command3D2", "Text5", QStringLiteral("SEM APÓLICE ESPECIFICA NÃO HÁ RELATÓRIO")},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.button);
        box("Text2")->setText(QStringLiteral("7"));
        box("Text5")->setText(QStringLiteral("AB-1"));
        box(k.box)->setText(QStringLiteral("   "));
        dialogs.clear();
        dialogs.expectOk(k.message);
        click(k.button);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO");
    }
    EXPECT_TRUE(reports.launches.empty());
}

TEST_F(UsageLogReports, ThePendingMattersRunOnTheMainMenusControlWhateverTheBoxesHold)
{
    box("Text2")->setText(QStringLiteral("8"));
    click("Command3D3");
    const report::LaunchRecord& r = launch();
    EXPECT_EQ(r.owner, "Form2");
    EXPECT_EQ(r.control, "CrystalReport1");
    EXPECT_EQ(r.settings.windowLeft, 150);
    EXPECT_EQ(r.settings.windowTop, 150);
    EXPECT_EQ(r.settings.windowTitle, "ASSUNTOS PENDENTES");
    EXPECT_EQ(r.settings.selectionFormula, "{LOGUI.LIQUI} = 'N'");
    EXPECT_EQ(column(r, Settled), (QStringList{"N", "N"}));
    EXPECT_EQ(column(r, Name), (QStringList{"MARIA SILVA", "JOSE"}));
    EXPECT_NE(windows::Form2().state(), ui::Window::State::Shown) << "the main menu is only loaded for its control";
    EXPECT_EQ(window().state(), ui::Window::State::Shown);
}

TEST_F(UsageLogReports, ThePendingMattersKeepWhatAnEarlierLaunchSetOnTheBorrowedControl)
{
    auto* menuControl = windows::Form2().control<report::ReportControl>("CrystalReport1");
    ASSERT_NE(menuControl, nullptr);
    menuControl->setPrintFileName(pathOf("pendentes.txt"));
    menuControl->setDestination(report::Destination::File);
    click("Command3D3");
    const report::LaunchRecord& r = launch();
    EXPECT_EQ(r.settings.printFileName, pathOf("pendentes.txt"));
    EXPECT_EQ(r.outputFile, pathOf("pendentes.txt"));
}

}  // namespace
}  // namespace vorna
