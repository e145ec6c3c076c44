#include "RecordWindowFixture.h"

namespace vorna::test {
namespace {

class RecordWindowTest : public RecordWindowFixture {};

TEST_F(RecordWindowTest, AnAdditionStandsOnTheNewRowAndKeepsTheTypedValuesForAFurtherRecord)
{
    auto& w = open(declareInsurerLike);
    EXPECT_FALSE(shown());
    EXPECT_EQ(text(w.Text1), "");

    type(w.Text1, "7");
    type(w.Text2, "ALFA SAUDE");
    type(w.Text3, "MARIA");
    type(w.MaskEdBox1, "1500,5");
    click(w.Command3D1);

    db::Recordset stored = row("CIAS", "CODIGO = 7");
    EXPECT_EQ(stored.field("NOME").toString(), "ALFA SAUDE");
    EXPECT_EQ(stored.field("CONTATO").toString(), "MARIA");
    EXPECT_DOUBLE_EQ(stored.field("META").toDouble(), 1500.5);
    // Empty rate boxes are stored as 0 and show it.
    EXPECT_DOUBLE_EQ(stored.field("JUR4").toDouble(), 0);
    EXPECT_EQ(text(w.MaskEdBox4), "0");
    EXPECT_EQ(text(w.Text1), "");
    EXPECT_EQ(focused(), w.Text1);
    EXPECT_EQ(text(w.Text2), "ALFA SAUDE");
    EXPECT_FALSE(shown());

    // A further code adds a second row with the same other values.
    type(w.Text1, "8");
    click(w.Command3D1);
    EXPECT_EQ(row("CIAS", "CODIGO = 8").field("CONTATO").toString(), "MARIA");
    EXPECT_EQ(rowCount("CIAS"), 2);
    // The table stands on the row just added.
    click(w.Command3D9);
    EXPECT_EQ(text(w.Text1), "7");
}

TEST_F(RecordWindowTest, ShowFillsTheBoxesThroughTheirFormatsAndAnAlterationWritesThemBack)
{
    addRow("CIAS", {{"CODIGO", 3}, {"NOME", "BETA"}, {"CONTATO", "JOSE"}, {"META", 2000.0}, {"JUR4", 12.3456}});
    auto& w = open(declareInsurerLike);
    click(w.Command3D8);

    EXPECT_TRUE(shown());
    EXPECT_TRUE(w.Command3D3->isEnabled());
    EXPECT_EQ(text(w.Text1), "3");
    EXPECT_EQ(text(w.Text2), "BETA");
    EXPECT_EQ(text(w.MaskEdBox4), "12,35");
    EXPECT_EQ(text(w.MaskEdBox5), "");  // Null

    // Blanked optional boxes keep the stored values; the rates are stored as shown.
    type(w.Text2, "BETA SEGUROS");
    type(w.Text3, "   ");
    type(w.MaskEdBox1, "");
    click(w.Command3D1);

    db::Recordset stored = row("CIAS", "CODIGO = 3");
    EXPECT_EQ(stored.field("NOME").toString(), "BETA SEGUROS");
    EXPECT_EQ(stored.field("CONTATO").toString(), "JOSE");
    EXPECT_DOUBLE_EQ(stored.field("META").toDouble(), 2000.0);
    EXPECT_DOUBLE_EQ(stored.field("JUR4").toDouble(), 12.35);
    EXPECT_DOUBLE_EQ(stored.field("JUR5").toDouble(), 0);
    EXPECT_EQ(rowCount("CIAS"), 1);
    // The window lets go of the record.
    EXPECT_FALSE(shown());
    EXPECT_EQ(text(w.Text2), "");
    EXPECT_EQ(focused(), w.Text1);
}

TEST_F(RecordWindowTest, AnAlterationWritesAChangedCodeIntoTheShownRowsKey)
{
    addRow("CIAS", {{"CODIGO", 3}, {"NOME", "BETA"}});
    auto& w = open(declareInsurerLike);
    click(w.Command3D8);
    type(w.Text1, "30");
    click(w.Command3D1);
    EXPECT_EQ(rowCount("CIAS"), 1);
    EXPECT_EQ(row("CIAS", "CODIGO = 30").field("NOME").toString(), "BETA");
}

TEST_F(RecordWindowTest, ABlankRequiredBoxStopsGravarWithItsMessageAndTheFocus)
{
    addRow("CIAS", {{"CODIGO", 3}, {"NOME", "BETA"}});
    auto& w = open(declareInsurerLike);

    // A new record and a shown one alike.
    type(w.Text1, "9");
    type(w.Text2, "   ");
    dialogs.expectOk(msg::RequiredName);
    click(w.Command3D1);
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_EQ(focused(), w.Text2);
    EXPECT_EQ(rowCount("CIAS"), 1);

    click(w.Command3D8);
    type(w.Text2, "");
    dialogs.expectOk(msg::RequiredName);
    click(w.Command3D1);
    EXPECT_EQ(row("CIAS", "CODIGO = 3").field("NOME").toString(), "BETA");
    EXPECT_TRUE(shown());
}

TEST_F(RecordWindowTest, LimparEmptiesTheBoxesAndEndsTheShownState)
{
    addRow("CIAS", {{"CODIGO", 3}, {"NOME", "BETA"}, {"JUR4", 1.0}});
    auto& w = open(declareInsurerLike);
    click(w.Command3D8);
    click(w.Command3D2);
    EXPECT_FALSE(shown());
    for (QWidget* box : std::initializer_list<QWidget*>{w.Text1, w.Text2, w.MaskEdBox4})
        EXPECT_EQ(text(box), "");
    // Nothing shown: Gravar adds.
    type(w.Text1, "4");
    type(w.Text2, "GAMA");
    click(w.Command3D1);
    EXPECT_EQ(rowCount("CIAS"), 2);
}

TEST_F(RecordWindowTest, ExcluirAsksAndEitherAnswerClearsTheWindow)
{
    addRow("CIAS", {{"CODIGO", 1}, {"NOME", "ALFA"}});
    addRow("CIAS", {{"CODIGO", 2}, {"NOME", "BETA"}});
    auto& w = open(declareInsurerLike);
    for (dlg::Answer answer : {dlg::Answer::No, dlg::Answer::Yes}) {
        SCOPED_TRACE(answer == dlg::Answer::Yes ? "Yes" : "No");
        click(w.Command3D7);
        dialogs.expect(answer, msg::ConfirmDeletion);
        click(w.Command3D3);
        EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO");
        EXPECT_EQ(dialogs.boxes.back().buttons, dlg::Buttons::YesNo);
        EXPECT_EQ(rowCount("CIAS"), answer == dlg::Answer::Yes ? 1 : 2);
        EXPECT_FALSE(shown());
        EXPECT_EQ(text(w.Text2), "");
    }
    EXPECT_EQ(focused(), w.Text1);
    EXPECT_EQ(row("CIAS", "CODIGO = 1").field("NOME").toString(), "ALFA");
}

TEST_F(RecordWindowTest, ADeletionWithoutQuestionKeepsLimparDisabledUntilTheNextShow)
{
    addRow("CIAS", {{"CODIGO", 1}, {"NOME", "ALFA"}});
    addRow("CIAS", {{"CODIGO", 2}, {"NOME", "BETA"}});
    auto& w = open([](RecordWindowSpec& design, RecordTestWindow& w) {
        declareInsurerLike(design, w);
        design.deletion = Deletion::WithoutQuestion;
        design.deletionDisablesClear = true;
    });
    click(w.Command3D8);
    click(w.Command3D3);
    EXPECT_EQ(rowCount("CIAS"), 1);
    EXPECT_FALSE(w.Command3D2->isEnabled());
    EXPECT_EQ(focused(), w.Text1);
    click(w.Command3D8);
    EXPECT_EQ(text(w.Text2), "BETA");
    EXPECT_TRUE(w.Command3D2->isEnabled());
}

TEST_F(RecordWindowTest, AnAddOnlyWindowReportsTheNewKeyAndNeverAltersAShownRow)
{
    auto& w = open(declareAttendantLike);
    type(w.Text2, " ANA");
    dialogs.expectOk();
    click(w.Command3D1);
    db::Recordset stored = row("ATENDE", "XCONTA = ' ANA'");  // the leading blank is kept
    const QString key = stored.field("XCONPG").toString();
    EXPECT_EQ(dialogs.boxes.back().text, "Atendente Cadastrado com Codigo: " + key);
    EXPECT_EQ(dialogs.boxes.back().title, "Inclusao");
    EXPECT_TRUE(stored.field("XMETA").isNull());  // a blank target stays empty
    EXPECT_EQ(text(w.Text2), "");
    EXPECT_EQ(focused(), w.Text2);

    type(w.Text2, "BIA");
    type(w.MaskEdBox1, "1234,5");
    dialogs.expectOk();
    click(w.Command3D1);
    EXPECT_DOUBLE_EQ(row("ATENDE", "XCONTA = 'BIA'").field("XMETA").toDouble(), 1234.5);

    // With a row shown, Gravar only lets go of it.
    click(w.Command3D8);
    EXPECT_EQ(text(w.Text1), key);
    type(w.Text2, "CARLA");
    click(w.Command3D1);
    EXPECT_FALSE(shown());
    EXPECT_EQ(text(w.Text2), "");
    EXPECT_EQ(focused(), w.Text2);
    EXPECT_EQ(rowCount("ATENDE"), 2);
    EXPECT_EQ(row("ATENDE", "XCONPG = " + key).field("XCONTA").toString(), " ANA");
}

TEST_F(RecordWindowTest, OptionButtonsShowTheStoredCodeAndANoneChosenGroupKeepsIt)
{
    addRow("PRODUTOR", {{"CODIGO", 1}, {"FILIAL", 1}, {"NOME", "PEDRO"}, {"POSICAO", "2"}});
    addRow("PRODUTOR", {{"CODIGO", 2}, {"FILIAL", 1}, {"NOME", "PAULO"}, {"POSICAO", "9"}});
    auto& w = open(declareProducerLike);
    click(w.Command3D8);
    EXPECT_TRUE(w.Option2->Value());
    w.Option1->setValue(true);
    click(w.Command3D1);
    EXPECT_FALSE(w.Option1->Value());
    EXPECT_EQ(row("PRODUTOR", "NOME = 'PEDRO'").field("POSICAO").toString(), "1");

    // A code outside the group chooses nothing, and saving leaves it stored.
    click(w.Command3D7);
    EXPECT_FALSE(w.Option1->Value() || w.Option2->Value());
    click(w.Command3D1);
    EXPECT_EQ(row("PRODUTOR", "NOME = 'PAULO'").field("POSICAO").toString(), "9");
    EXPECT_EQ(rowCount("LOGUI"), 2);
}

}  // namespace
}  // namespace vorna::test
