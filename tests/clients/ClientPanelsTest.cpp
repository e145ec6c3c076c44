#include "ClientFixture.h"

#include "clients/Form4.h"
#include "platform/controls/Twips.h"
#include "platform/runtime/Runtime.h"

#include <QPlainTextEdit>
#include <QSet>

namespace vorna::test {
namespace {

const QString NoSuchClient = QStringLiteral("CLIENTE NÃO ENCONTRADO");

class ClientPanelsTest : public ClientFixture {
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        addProducer(1, 1, "ANA", Variant("TESTE"));
    }
    static clients::Form4& window() { return ui::windowRef<clients::Form4>(); }
    void showClient(int code)
    {
        type(box("Text1"), QString::number(code));
        leave(box("Text1"));
        ASSERT_TRUE(shown());
    }
    QWidget* frame(const char* name) { return c<QWidget>(name); }
    ui::ListBox* referrals() { return c<ui::ListBox>("List2"); }
    QStringList relationNames()
    {
        QStringList names;
        for (int i = 0; i < list("Combo10")->ListCount(); ++i)
            names << list("Combo10")->List(i);
        return names;
    }
    // Code and name box of each relation slot, in slot order.
    QStringList slotTexts()
    {
        QStringList all;
        for (auto [code, name] : {std::pair{"Text71", "Text75"}, {"Text70", "Text74"}, {"Text69", "Text73"},
                                  {"Text68", "Text72"}, {"Text76", "Text77"}})
            all << text(box(code)) + "|" + text(box(name));
        return all;
    }
};

TEST_F(ClientPanelsTest, PanelsOpenOnlyForAShownClientAndCloseThroughTheirOwnButtons)
{
    const int code = addClient("JOAO");
    open();
    // A blank code box: no opener shows anything, the hand-over sets nothing.
    for (const char* opener : {"Command3D13", "Command3D28", "Command3D31", "Command3D29"})
        click(button(opener));
    for (const char* panel : {"Frame1", "Frame3", "Frame4"})
        EXPECT_FALSE(frame(panel)->isVisible()) << panel;
    EXPECT_TRUE(state().handOver.CallerCode.isEmpty());

    showClient(code);
    click(button("Command3D13"));
    EXPECT_TRUE(frame("Frame1")->isVisible());
    EXPECT_EQ(frame("Frame1")->pos(), QPoint(ui::twips(2415), ui::twips(1230)));
    EXPECT_EQ(focused(), box("Text49"));
    click(c<QWidget>("Command3"));
    EXPECT_FALSE(frame("Frame1")->isVisible());
    EXPECT_EQ(frame("Frame1")->pos(), QPoint(ui::twips(2415), ui::twips(1230)));

    // The other two open where they were designed, outside the visible area.
    const std::tuple<const char*, const char*, const char*, QPoint> others[] = {
        {"Command3D28", "Frame3", "Command3D30", QPoint(ui::twips(12570), ui::twips(75))},
        {"Command3D31", "Frame4", "Command3D32", QPoint(ui::twips(13410), ui::twips(3555))},
    };
    for (const auto& [opener, panel, closer, place] : others) {
        click(button(opener));
        EXPECT_TRUE(frame(panel)->isVisible()) << panel;
        EXPECT_EQ(frame(panel)->pos(), place) << panel;
        click(button(closer));
        EXPECT_FALSE(frame(panel)->isVisible()) << panel;
    }
}

TEST_F(ClientPanelsTest, ContactHistoryHandsOverTheShownClientAndLeavesTheWindowUsable)
{
    addClient("PRIMEIRO");
    const int code = addClient("JOAO DA SILVA");
    open();
    showClient(code);
    click(button("Command3D29"));
    EXPECT_EQ(state().handOver.ContactHistoryClientCode, code);
    EXPECT_EQ(state().handOver.ContactHistoryClientName, "JOAO DA SILVA");
    EXPECT_EQ(state().handOver.CallerCode, Variant(caller::ContactHistory));
    EXPECT_TRUE(form().isEnabled());
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(text(box("Text2")), "JOAO DA SILVA");
}

TEST_F(ClientPanelsTest, RefillListsNamedClientsAboveZeroForClientAndNothingOtherwise)
{
    addRow("CLIENTES", {{"CODIGO", 0}, {"NOME", "CODIGO ZERO"}, {"PESSOA", "F"}, {"PRODUTOR", 1}});
    addClient("ZECA");
    addClient("bia");
    addRow("CLIENTES", {{"NOME", Variant::null()}, {"PESSOA", "F"}, {"PRODUTOR", 1}});
    addClient("ANA");
    addClient("ZECA");
    open();

    // Neither option: nothing happens.
    list("Combo10")->setText("TYPED");
    window().Command3D33_Click();
    EXPECT_EQ(relationNames(), QStringList());
    EXPECT_EQ(list("Combo10")->Text(), "TYPED");

    option("Option2")->setValue(true);
    window().Command3D33_Click();
    EXPECT_EQ(relationNames(), QStringList({"ANA", "bia", "ZECA", "ZECA"}));
    EXPECT_EQ(list("Combo10")->Text(), "");
    // A second refill replaces the list.
    window().Command3D33_Click();
    EXPECT_EQ(relationNames().size(), 4);

    option("Option1")->setValue(true);
    list("Combo10")->setText("TYPED");
    window().Command3D33_Click();
    EXPECT_EQ(relationNames(), QStringList());
    EXPECT_EQ(list("Combo10")->Text(), "");
}

TEST_F(ClientPanelsTest, AddFillsTheFirstFreeSlotWithTheClientFoundAsTyped)
{
    const int shownCode = addClient("TITULAR");
    const int ana = addClient("ANA");
    const int zeca = addClient("ZECA");
    const int obrien = addClient("O'BRIEN");
    open();
    showClient(shownCode);
    click(button("Command3D31"));
    const auto add = [this] { click(button("Command3D34")); };
    // A single zero is a free slot; two zeros or a zero after a blank are not.
    box("Text71")->setText("00");
    box("Text70")->setText(" 0");
    box("Text69")->setText("0");
    const QStringList before = slotTexts();

    // Neither option: nothing, whatever the text.
    list("Combo10")->setText("ANA");
    add();
    EXPECT_EQ(slotTexts(), before);

    option("Option2")->setValue(true);
    add();
    option("Option1")->setValue(true);
    list("Combo10")->setText("EC");
    add();

    // No client holds the text: the box, and no slot changes.
    dialogs.expectOk(NoSuchClient);
    list("Combo10")->setText("QQQ");
    const QStringList beforeMiss = slotTexts();
    add();
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_EQ(slotTexts(), beforeMiss);

    // An apostrophe stands for itself.
    list("Combo10")->setText("O'B");
    add();
    EXPECT_EQ(slotTexts(), QStringList({"00|", " 0|", QString::number(ana) + "|C-ANA", QString::number(zeca) + "|N-ZECA",
                                    QString::number(obrien) + "|N-O'BRIEN"}));

    // Every slot taken: nothing, no box.
    const QStringList full = slotTexts();
    list("Combo10")->setText("ANA");
    add();
    EXPECT_EQ(slotTexts(), full);

    // The third box is never written; the slots are stored by "Gravar" only.
    EXPECT_EQ(text(box("Text80")), "");
    const Variant stored = client(shownCode).field("RELCOD3");
    EXPECT_TRUE(stored.isNull() || rt::CLng(stored) == 0);
}

TEST_F(ClientPanelsTest, AnEntryPickedFromTheListAddsThatClientNotANamesakeOrALongerName)
{
    const int shownCode = addClient("TITULAR");
    const int longer = addClient("MARIANA");
    const int first = addClient("MARIA");
    const int second = addClient("MARIA");
    open();
    showClient(shownCode);
    option("Option2")->setValue(true);
    window().Command3D33_Click();
    ASSERT_EQ(relationNames(), QStringList({"MARIA", "MARIA", "MARIANA", "TITULAR"}));

    for (int row : {0, 1, 2}) {
        list("Combo10")->setListIndex(row);
        window().Command3D34_Click();
    }
    QSet<QString> namesakes{text(box("Text71")), text(box("Text70"))};
    EXPECT_EQ(namesakes, QSet<QString>({QString::number(first), QString::number(second)}));
    EXPECT_EQ(text(box("Text69")), QString::number(longer));

    // Text typed over a picked entry is looked up as typed: the first name holding it.
    list("Combo10")->setListIndex(0);
    list("Combo10")->setText("MARIA");
    list("Combo10")->setText("ARIA");
    window().Command3D34_Click();
    EXPECT_EQ(text(box("Text68")), QString::number(longer));
    EXPECT_EQ(text(box("Text72")), "C-MARIANA");

    // A picked client deleted since the refill is reported and fills nothing.
    list("Combo10")->setListIndex(3);
    client(shownCode).Delete();
    dialogs.expectOk(NoSuchClient);
    window().Command3D34_Click();
    EXPECT_EQ(text(box("Text76")), "");
}

TEST_F(ClientPanelsTest, ReferralSearchListsMatchesAsTypedAndThePickTakesThatClient)
{
    const int first = addClient("CARLOS");
    addClient("PAULO");
    const int second = addClient("CARLOS");
    addClient("CARLA");
    addClient("50% CARLOS");
    open();

    dialogs.expectOk("DIGITE PELO MENOS ALGUM PEDAÇO DO NOME");
    type(box("Text83"), "  ");
    click(button("Command3D35"));
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_FALSE(referrals()->isVisible());

    type(box("Text83"), "CARL");
    click(button("Command3D35"));
    EXPECT_TRUE(referrals()->isVisible());
    EXPECT_EQ(referrals()->geometry(), QRect(ui::twips(6765), ui::twips(1785), ui::twips(4575), ui::twips(2130)));
    EXPECT_EQ(items(referrals()), QStringList({"50% CARLOS", "CARLA", "CARLOS", "CARLOS"}));

    // A search without a match hides the list and keeps its names; the next adds to them.
    dialogs.expectOk(NoSuchClient);
    box("Text83")->setText("O'NEIL");
    click(button("Command3D35"));
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_FALSE(referrals()->isVisible());
    EXPECT_EQ(referrals()->ListCount(), 4);
    box("Text83")->setText("0%");
    click(button("Command3D35"));
    EXPECT_EQ(items(referrals()), QStringList({"50% CARLOS", "50% CARLOS", "CARLA", "CARLOS", "CARLOS"}));

    // Each namesake entry gives its own client; the pick empties the list.
    QSet<QString> codes;
    for (int row : {3, 4}) {
        if (row == 4) {
            box("Text83")->setText("CARLOS");
            click(button("Command3D35"));
        }
        pickRow(referrals(), row == 3 ? 3 : 2);
        codes << text(box("Text84"));
        EXPECT_EQ(text(box("Text83")), "CARLOS");
        EXPECT_FALSE(referrals()->isVisible());
        EXPECT_EQ(referrals()->ListCount(), 0);
    }
    EXPECT_EQ(codes, QSet<QString>({QString::number(first), QString::number(second)}));
}

// ---- the conversation profile ------------------------------------------------------

QString lines(const QStringList& all) { return all.join('\n'); }

TEST_F(ClientPanelsTest, ProfileBuildsTheTextFromTheBirthDateAndCloses)
{
    open();
    auto* profile = c<QPlainTextEdit>("Text54");

    // Nothing typed, or not a date: nothing changes.
    profile->setPlainText("ANTES");
    click(button("Command3D25"));
    masked("MaskEdBox1")->setText("31/02/1980");
    click(button("Command3D25"));
    EXPECT_EQ(profile->toPlainText(), "ANTES");
    EXPECT_FALSE(frame("Frame2")->isVisible());

    masked("MaskEdBox1")->setText("15/08/1975");
    click(button("Command3D25"));
    EXPECT_TRUE(frame("Frame2")->isVisible());
    EXPECT_EQ(profile->toPlainText(),
              lines({"FRASE PADRÃO: EU SOU", "SIGNO SOLAR: LEÃO Ó", "Nascido no: INVERNO (Hemisfério Sul)", "",
                     "SIGNO CHINÊS: COELHO DE MADEIRA", "",
                     "Características básicas: Generoso, Atencioso, Inteligente, muda rápido de humor, Aproveitador.",
                     "Características específicas: Excessivamente generoso."}));
    EXPECT_EQ(window().BirthDay, 15);
    EXPECT_EQ(window().BirthMonth, 8);
    EXPECT_EQ(window().BirthDate, QDate(1975, 8, 15));

    // A second profile replaces the whole text; these signs end it with a break.
    masked("MaskEdBox1")->setText("21/03/1970");
    click(button("Command3D25"));
    EXPECT_EQ(profile->toPlainText(),
              lines({"FRASE PADRÃO: EU QUERO", "SIGNO SOLAR: ÁRIES Ó", "Nascido no: OUTONO (Hemisfério Sul)", "",
                     "SIGNO CHINÊS: CÃO DE METAL", "", "Características básicas: Honesto, Afetuoso, Objetivo.",
                     "Características específicas: Inflexível.", ""}));

    // Outside the Chinese years: no sign and no trait lines, not the last client's.
    masked("MaskEdBox1")->setText("10/05/1915");
    click(button("Command3D25"));
    EXPECT_EQ(profile->toPlainText(),
              lines({"FRASE PADRÃO: EU TENHO", "SIGNO SOLAR: TOURO Ô", "Nascido no: OUTONO (Hemisfério Sul)", "",
                     "SIGNO CHINÊS: ", "", ""}));
    EXPECT_EQ(window().ChineseSign, "");

    click(button("Command3D26"));
    EXPECT_EQ(profile->toPlainText(), "");
    EXPECT_FALSE(frame("Frame2")->isVisible());
    EXPECT_EQ(window().SunSign, "TOURO");

    // "Limpar" empties the text and hides the frame.
    click(button("Command3D25"));
    click(button("Command3D2"));
    EXPECT_EQ(profile->toPlainText(), "");
    EXPECT_FALSE(frame("Frame2")->isVisible());
}

}  // namespace
}  // namespace vorna::test
