#include "DocumentFixture.h"

#include "platform/controls/FlexGrid.h"
#include "platform/controls/Twips.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace vorna {
namespace {

enum class Kind { Text, Memo, Date, Amount, List, PickOnly, Check, Option, Button };
// Inside: seen and clickable; Keyboard: outside the visible area, reached by
// Tab; Hidden: in a panel or state that code shows; Disabled: output only.
enum class Reach { Inside, Keyboard, Hidden, Disabled };

struct Control {
    const char* name;
    Kind kind;
    const char* caption;  // the label beside it, or its own caption; "" for none
    int tab;
    Reach reach;
    int maxLength = 0;
    bool sorted = false;
};

// The window's data controls as the document table lays them out, written out
// here on their own so the design file is checked against an independent list.
const Control Controls[] = {
    {"Text1", Kind::Text, "Código:", 213, Reach::Inside, 9},
    {"Text9", Kind::Text, "Cliente:", 12, Reach::Inside, 9},
    {"Combo5", Kind::List, "", 0, Reach::Inside, 0, true},
    {"Command5", Kind::Button, "", 13, Reach::Inside},
    {"Command6", Kind::Button, "", 14, Reach::Inside},
    {"Text4", Kind::Text, "Plano.........:", 1, Reach::Inside, 3},
    {"Combo3", Kind::List, "", 2, Reach::Inside, 0, true},
    {"Text7", Kind::Text, "Operadora:", 3, Reach::Inside, 4},
    {"Combo4", Kind::List, "", 4, Reach::Inside, 0, true},
    {"Text8", Kind::Text, "Grupo..........:", 5, Reach::Inside, 6},
    {"Combo14", Kind::List, "", 6, Reach::Inside, 0, false},
    {"Text14", Kind::Text, "Senha da Empresa.:", 7, Reach::Inside, 17},
    {"Text2", Kind::Text, "Apólice...:", 8, Reach::Inside, 17},
    {"MaskEdBox8", Kind::Date, "Vig.Inicial...:", 9, Reach::Inside},
    {"MaskEdBox7", Kind::Date, "Vig.Final.:", 10, Reach::Inside},
    {"Text6", Kind::Memo, "", 11, Reach::Inside},
    {"Check3", Kind::Check, "Pagto via Carnet ou Ficha Comp.", 15, Reach::Keyboard},
    {"Check7", Kind::Check, "Pagto via Cheque Pré", 16, Reach::Keyboard},
    {"Check6", Kind::Check, "Pagto via Débito em Conta", 17, Reach::Keyboard},
    {"Check9", Kind::Check, "Pagto via Cartão de Crédito", 18, Reach::Keyboard},
    {"Check1", Kind::Check, "Seguro Novo para Corretora", 19, Reach::Keyboard},
    {"Check5", Kind::Check, "Distribuir Comissão Linearmente", 20, Reach::Keyboard},
    {"Text21", Kind::Text, "Banco:", 21, Reach::Keyboard, 3},
    {"Text19", Kind::Text, "Ag./Cta:", 22, Reach::Keyboard, 10},
    {"Text17", Kind::Text, "Ag./Cta:", 23, Reach::Keyboard, 15},
    {"Text31", Kind::Text, "Cartão:", 24, Reach::Keyboard, 50},
    {"Option1", Kind::Option, "R$", 25, Reach::Keyboard},
    {"Option2", Kind::Option, "US$", 26, Reach::Keyboard},
    {"MaskEdBox78", Kind::Amount, "Cotação do dia:", 27, Reach::Keyboard},
    {"Command1", Kind::Button, "Co-seguradoras", 210, Reach::Keyboard},
    {"Check2", Kind::Check, "Documento Auto Mensal", 209, Reach::Hidden},
    {"MaskEdBox1", Kind::Amount, "Prêmio Líquido:", 28, Reach::Keyboard},
    {"MaskEdBox2", Kind::Amount, "Juros:", 29, Reach::Keyboard},
    {"MaskEdBox3", Kind::Amount, "Custo de Apólice:", 30, Reach::Keyboard},
    {"MaskEdBox4", Kind::Amount, "I.O.F:", 31, Reach::Keyboard},
    {"MaskEdBox19", Kind::Amount, "Assistências:", 32, Reach::Keyboard},
    {"MaskEdBox5", Kind::Amount, "Prêmio Bruto:", 156, Reach::Keyboard},
    {"Text20", Kind::Text, "Parcelas:", 33, Reach::Keyboard, 2},
    {"Check4", Kind::Check, "Comissão s/ Juros", 34, Reach::Keyboard},
    {"MaskEdBox10", Kind::Amount, "% Desc.Comercial:", 35, Reach::Keyboard},
    {"MaskEdBox6", Kind::Amount, "% Comissão.........:", 36, Reach::Keyboard},
    {"MaskEdBox11", Kind::Amount, "Valor.......:", 37, Reach::Keyboard},
    {"MaskEdBox83", Kind::Amount, "Em aberto:", 38, Reach::Keyboard},
    {"Combo7", Kind::List, "", 39, Reach::Keyboard, 0, true},
    {"Check8", Kind::Check, "Recalcular Parcelas", 40, Reach::Keyboard},
    {"Combo8", Kind::List, "1° Produtor:", 41, Reach::Keyboard, 0, true},
    {"Text18", Kind::Text, "", 42, Reach::Keyboard, 4},
    {"MaskEdBox12", Kind::Amount, "", 43, Reach::Keyboard},
    {"MaskEdBox15", Kind::Amount, "", 44, Reach::Keyboard},
    {"Combo9", Kind::List, "2° Produtor:", 45, Reach::Keyboard, 0, true},
    {"Text25", Kind::Text, "", 46, Reach::Keyboard, 4},
    {"MaskEdBox13", Kind::Amount, "", 47, Reach::Keyboard},
    {"MaskEdBox16", Kind::Amount, "", 48, Reach::Keyboard},
    {"Combo10", Kind::List, "3° Produtor:", 49, Reach::Keyboard, 0, true},
    {"Text26", Kind::Text, "", 50, Reach::Keyboard, 4},
    {"MaskEdBox14", Kind::Amount, "", 51, Reach::Keyboard},
    {"MaskEdBox17", Kind::Amount, "", 52, Reach::Keyboard},
    {"Combo18", Kind::List, "4° Produtor:", 53, Reach::Keyboard, 0, true},
    {"Text32", Kind::Text, "", 54, Reach::Keyboard, 4},
    {"MaskEdBox75", Kind::Amount, "", 55, Reach::Keyboard},
    {"MaskEdBox76", Kind::Amount, "", 56, Reach::Keyboard},
    {"Combo19", Kind::List, "5° Produtor:", 57, Reach::Keyboard, 0, true},
    {"Text33", Kind::Text, "", 58, Reach::Keyboard, 4},
    {"MaskEdBox77", Kind::Amount, "", 59, Reach::Keyboard},
    {"MaskEdBox82", Kind::Amount, "", 60, Reach::Keyboard},
    {"Combo13", Kind::List, "Atendente:", 61, Reach::Keyboard, 0, true},
    {"Text24", Kind::Text, "", 62, Reach::Hidden, 15},
    {"MaskEdBox18", Kind::Amount, "", 63, Reach::Keyboard},
    {"Combo1", Kind::PickOnly, "", 234, Reach::Keyboard, 0, true},
    {"Combo2", Kind::PickOnly, "", 246, Reach::Keyboard, 0, true},
    {"Combo12", Kind::List, "", 247, Reach::Keyboard, 0, true},
    {"Text3", Kind::Text, "", 235, Reach::Keyboard, 17},
    {"Combo11", Kind::List, "", 236, Reach::Keyboard, 0, false},
    {"MaskEdBox9", Kind::Date, "Solicitação.:", 238, Reach::Keyboard},
    {"MaskEdBox56", Kind::Date, "Emissão.....:", 239, Reach::Keyboard},
    {"MaskEdBox58", Kind::Date, "Produção..................:", 240, Reach::Keyboard},
    {"MaskEdBox59", Kind::Date, "Repasse Antecipado:", 241, Reach::Keyboard},
    {"MaskEdBox61", Kind::Date, "", 243, Reach::Keyboard},
    {"MaskEdBox60", Kind::Date, "", 242, Reach::Keyboard},
    {"Text29", Kind::Text, "CIRen.:", 232, Reach::Keyboard, 20},
    {"Text11", Kind::Text, "Cia.Anterior:", 231, Reach::Keyboard, 4},
    {"Combo6", Kind::List, "", 230, Reach::Keyboard, 0, true},
    {"Text13", Kind::Text, "Apol.Anterior", 229, Reach::Keyboard, 17},
    {"Text34", Kind::Text, "Pendências:", 224, Reach::Keyboard, 250},
    {"Text35", Kind::Text, "Contr. Interno:", 223, Reach::Keyboard, 17},
    {"Text27", Kind::Text, "", 220, Reach::Keyboard, 5},
    {"Command3", Kind::Button, "", 226, Reach::Keyboard},
    {"Text23", Kind::Text, "", 218, Reach::Disabled, 5},
    {"Text10", Kind::Text, "", 219, Reach::Disabled, 5},
    {"Text30", Kind::Text, "", 221, Reach::Disabled, 50},
    {"Text5", Kind::Text, "", 237, Reach::Disabled, 5},
    {"Text15", Kind::Text, "", 227, Reach::Hidden},
    {"Text12", Kind::Text, "", 93, Reach::Hidden, 6},
    {"Combo15", Kind::List, "", 97, Reach::Hidden, 0, true},
    {"Combo16", Kind::List, "", 98, Reach::Hidden, 0, true},
    {"Combo17", Kind::List, "", 99, Reach::Hidden, 0, true},
    {"MaskEdBox81", Kind::Amount, "", 208, Reach::Hidden},
    {"MaskEdBox57", Kind::Amount, "", 193, Reach::Hidden},
    {"MaskEdBox80", Kind::Amount, "", 207, Reach::Hidden},
    {"Command2", Kind::Button, "Retornar", 211, Reach::Hidden},
};

// The toolbar: button, hover caption label, caption, enabled at design,
// inside the window.
struct ToolbarButton {
    const char* button;
    const char* label;
    const char* caption;
    bool enabled;
    bool inside;
};
const ToolbarButton Toolbar[] = {
    {"Command3D2", "Label70", "Avançar e Gravar", true, true},
    {"Command3D1", "Label71", "Limpar", true, true},
    {"Command3D4", "Label73", "Consultar", true, true},
    {"Command3D3", "Label72", "Excluir", false, true},
    {"Command3D13", "Label40", "Anexos", false, true},
    {"Command3D5", "Label74", "Sair", true, true},
    {"Command3D8", "Label64", "Primeiro", true, true},
    {"Command3D9", "Label49", "Anterior", true, true},
    {"Command3D6", "Label66", "Próximo", true, true},
    {"Command3D7", "Label68", "Último", true, true},
    {"Command3D14", "Label41", "Relatórios", true, false},
    {"Command3D15", "Label65", "Emissões e Certificados", false, false},
    {"Command3D16", "Label75", "Renovar", false, false},
    {"Command3D11", "Label77", "Arquivo Morto", false, false},
    {"Command3D20", "Label76", "Baixas de Comissões", false, false},
    {"Command3D22", "Label78", "Pós Venda", false, false},
    {"Command3D24", "Label27", "Sinistro na Apólice", true, false},
    {"Command3D28", "Label23", "Criar Endossos Sequenciais", true, false},
};

class DocumentWindowLayout : public test::DocumentFixture {
protected:
    QRect placeOf(QWidget* w) { return QRect(w->mapTo(&form(), QPoint(0, 0)), w->size()); }
    static QRect visibleArea() { return QRect(0, 0, ui::twips(11895), ui::twips(6150)); }

    // The label of the same frame nearest to the left of the box, on its row.
    QLabel* captionBeside(QWidget* box)
    {
        QLabel* nearest = nullptr;
        for (QLabel* label : box->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            const QRect l = label->geometry();
            const QRect b = box->geometry();
            const bool sameRow = l.center().y() >= b.top() && l.center().y() <= b.bottom();
            if (!sameRow || l.right() > b.left() || !label->isVisibleTo(&form()))
                continue;
            if (!nearest || l.right() > nearest->geometry().right())
                nearest = label;
        }
        return nearest;
    }
};

TEST_F(DocumentWindowLayout, EveryControlHasItsKindLimitAndCaption)
{
    open();
    for (const Control& c : Controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = control(c.name);
        ASSERT_NE(w, nullptr);
        switch (c.kind) {
        case Kind::Date:
            ASSERT_NE(qobject_cast<ui::MaskEdBox*>(w), nullptr);
            EXPECT_EQ(masked(c.name)->Mask(), "##/##/####");
            EXPECT_EQ(masked(c.name)->Format(), "dd/mm/yyyy");
            break;
        case Kind::Amount:
            ASSERT_NE(qobject_cast<ui::MaskEdBox*>(w), nullptr);
            EXPECT_EQ(masked(c.name)->Mask(), "");
            EXPECT_EQ(masked(c.name)->Format(), "$#,##0.00;($#,##0.00)");
            EXPECT_EQ(masked(c.name)->MaxLength(), 64);
            break;
        case Kind::Text:
            ASSERT_NE(qobject_cast<ui::TextBox*>(w), nullptr);
            ASSERT_EQ(qobject_cast<ui::MaskEdBox*>(w), nullptr);
            if (c.maxLength)
                EXPECT_EQ(box(c.name)->maxLength(), c.maxLength);
            break;
        case Kind::Memo: EXPECT_NE(qobject_cast<QPlainTextEdit*>(w), nullptr); break;
        case Kind::List:
        case Kind::PickOnly:
            ASSERT_NE(qobject_cast<ui::PickList*>(w), nullptr);
            EXPECT_EQ(list(c.name)->ListOnly(), c.kind == Kind::PickOnly);
            EXPECT_EQ(list(c.name)->Sorted(), c.sorted);
            break;
        case Kind::Check:
            ASSERT_NE(qobject_cast<ui::CheckBox*>(w), nullptr);
            EXPECT_EQ(check(c.name)->text(), c.caption);
            break;
        case Kind::Option:
            ASSERT_NE(qobject_cast<ui::OptionButton*>(w), nullptr);
            EXPECT_EQ(option(c.name)->text(), c.caption);
            break;
        case Kind::Button: ASSERT_NE(qobject_cast<QPushButton*>(w), nullptr); break;
        }
        const bool captionBesideBox = c.kind != Kind::Check && c.kind != Kind::Option && c.kind != Kind::Button;
        if (captionBesideBox && *c.caption) {
            QLabel* caption = captionBeside(w);
            ASSERT_NE(caption, nullptr);
            EXPECT_EQ(caption->text(), c.caption);
        }
        if (c.kind == Kind::Button && *c.caption)
            EXPECT_EQ(static_cast<QPushButton*>(w)->text(), c.caption);
    }
    EXPECT_EQ(box("Text12")->PasswordChar(), "#");
    EXPECT_EQ(check("Check4")->Value(), ui::CheckBox::Checked);
    EXPECT_EQ(check("Check5")->Value(), ui::CheckBox::Checked);
}

TEST_F(DocumentWindowLayout, ControlsLieInsideOrOutsideTheWindowAsTheirReach)
{
    open();
    EXPECT_EQ(form().windowTitle(), "Cadastro de Apólices");
    EXPECT_EQ(form().size(), QSize(ui::twips(11895), ui::twips(6150)));
    for (const Control& c : Controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = control(c.name);
        switch (c.reach) {
        case Reach::Inside:
            EXPECT_TRUE(visibleArea().contains(placeOf(w)));
            EXPECT_TRUE(w->isVisible());
            EXPECT_TRUE(w->isEnabled());
            break;
        case Reach::Keyboard:
            EXPECT_FALSE(visibleArea().intersects(placeOf(w)));
            EXPECT_TRUE(w->isVisible());
            EXPECT_TRUE(w->isEnabled());
            break;
        case Reach::Hidden: EXPECT_FALSE(w->isVisible()); break;
        case Reach::Disabled:
            EXPECT_FALSE(visibleArea().intersects(placeOf(w)));
            EXPECT_FALSE(w->isEnabled());
            break;
        }
    }
    for (const char* hidden : {"Frame3D2", "Frame3D1", "Frame1", "Frame3D15", "Frame3D16", "MSFlexGrid1", "List9",
                               "Label6"})
        EXPECT_FALSE(control(hidden)->isVisible()) << hidden;
    for (const char* inside : {"Command3D10", "Command3D18", "Command3D27"})
        EXPECT_TRUE(visibleArea().contains(placeOf(control(inside)))) << inside;
    // The panels of the design, where it puts them.
    EXPECT_EQ(placeOf(control("Frame3D8")),
              QRect(ui::twips(15), ui::twips(765), ui::twips(11850), ui::twips(600)));
    EXPECT_EQ(placeOf(control("Frame3D14")),
              QRect(ui::twips(18825), ui::twips(4005), ui::twips(6480), ui::twips(2475)));
    EXPECT_EQ(c<ui::FlexGrid>("MSFlexGrid1")->geometry(),
              QRect(ui::twips(60), ui::twips(2670), ui::twips(11820), ui::twips(3420)));
    // The instalment panel: twelve due dates and thirty-six amounts.
    int dates = 0, amounts = 0;
    for (ui::MaskEdBox* b : control("Frame3D16")->findChildren<ui::MaskEdBox*>())
        ++(b->Mask().isEmpty() ? amounts : dates);
    EXPECT_EQ(dates, 12);
    EXPECT_EQ(amounts, 36);
}

TEST_F(DocumentWindowLayout, ToolbarButtonsWithTheirCaptionsAndStates)
{
    open();
    for (const ToolbarButton& t : Toolbar) {
        SCOPED_TRACE(t.button);
        QWidget* b = button(t.button);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->isEnabled(), t.enabled);
        EXPECT_EQ(visibleArea().contains(placeOf(b)), t.inside);
        QLabel* caption = c<QLabel>(t.label);
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->text(), t.caption);
        EXPECT_FALSE(caption->isVisible());
    }
    EXPECT_EQ(c<QLabel>("Label79")->text(), "Consultar Cliente");
}

// Tab runs by the design's tab indices: from the client name through the
// header, the observations and the client code out into the panels that lie
// outside the window, skipping what is hidden or disabled.
TEST_F(DocumentWindowLayout, TabRunsByTheTabIndicesThroughTheHiddenControls)
{
    // What the entry handlers on the way ask for, so that none holds the focus.
    addRow("RAMOS", {{"CODIGO", 1}, {"NOME", "RAMO"}});
    addProducer(1, 1, "PRODUTOR");
    addRow("CLIENTES", {{"CODIGO", 1}, {"FILIAL", 1}, {"NOME", "CLIENTE"}});
    open();
    for (auto [name, text] : {std::pair{"Text4", "1"}, {"Text9", "1"}, {"Text20", "1"}, {"Text18", "1"}})
        box(name)->setText(text);
    masked("MaskEdBox8")->setText("01/02/2024");
    ASSERT_EQ(QApplication::focusWidget(), list("Combo5"));
    QStringList reached;
    for (int i = 0; i < 300; ++i) {
        QWidget* now = QApplication::focusWidget();
        ASSERT_NE(now, nullptr);
        // The focus may sit in a list's inner edit box.
        QWidget* owner = qobject_cast<ui::PickList*>(now->parentWidget()) ? now->parentWidget() : now;
        reached << owner->objectName();
        QTest::keyClick(now, Qt::Key_Tab);
    }
    std::vector<const Control*> expected;
    for (const Control& c : Controls)
        if (c.reach == Reach::Inside || c.reach == Reach::Keyboard)
            expected.push_back(&c);
    std::sort(expected.begin(), expected.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    QStringList known;
    for (const Control* c : expected)
        if (c->kind != Kind::Option)
            known << c->name;
    // The first round, without the toolbar and the option group.
    QStringList round;
    for (const QString& name : reached) {
        if (!known.contains(name))
            continue;
        if (!round.isEmpty() && name == known.first())
            break;
        round << name;
    }
    EXPECT_EQ(round, known);
    EXPECT_TRUE(reached.contains("Option1") || reached.contains("Option2"));
    for (const char* never : {"Text12", "Combo15", "Check2", "Text15", "Text23", "Text30", "MaskEdBox20"})
        EXPECT_FALSE(reached.contains(never)) << never;
}

}  // namespace
}  // namespace vorna
