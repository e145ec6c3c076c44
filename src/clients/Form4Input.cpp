// What the client window lets the user type, and what it checks as a box is
// left: the key filters, the score codes and the date boxes.
#include "clients/Form4.h"

#include "common/DateCheck.h"
#include "common/KeyFilters.h"
#include "common/MessageTexts.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/LeaveCheck.h"
#include "platform/runtime/Clock.h"

#include <QStringList>
#include <iterator>

namespace vorna::clients {

namespace {

struct FilteredBox {
    const char* name;
    const KeySet& keys;
    int maximum;
};

// The filtered boxes with their key sets and typing limits; every other box
// of the window takes any character.
const FilteredBox FilteredBoxes[] = {
    {"Text1", KeyFilters::CodeKeys, 5},
    {"Text2", KeyFilters::NameKeys, 40},
    {"Text17", KeyFilters::DocumentNumberKeys, 18},
    {"Text18", KeyFilters::CodeKeys, 4},
    {"Text4", KeyFilters::TextKeys, 50},
    {"Text7", KeyFilters::CodeKeys, 9},
    {"Text5", KeyFilters::TextKeys, 20},
    {"Text9", KeyFilters::TextKeys, 50},
    {"Text12", KeyFilters::CodeKeys, 9},
    {"Text10", KeyFilters::TextKeys, 30},
    {"Text13", KeyFilters::TextKeys, 20},
    {"Text16", KeyFilters::EmailKeys, 50},
    {"Text47", KeyFilters::EmailKeys, 150},
    {"Text46", KeyFilters::WebPageKeys, 150},
    {"Text57", KeyFilters::CodeKeys, 2},
    {"Text58", KeyFilters::CodeKeys, 2},
    {"Text59", KeyFilters::CodeKeys, 2},
    {"Text60", KeyFilters::CodeKeys, 2},
    {"Text61", KeyFilters::CodeKeys, 2},
    {"Text62", KeyFilters::CodeKeys, 2},
    {"Text63", KeyFilters::CodeKeys, 2},
    {"Text64", KeyFilters::CodeKeys, 2},
    {"Text65", KeyFilters::CodeKeys, 2},
    {"Text66", KeyFilters::CodeKeys, 2},
    {"Text33", KeyFilters::DocumentNumberKeys, 14},
    {"Text56", KeyFilters::CodeKeys, 3},
    {"Text3", KeyFilters::TextKeys, 30},
};

struct ScoreBox {
    const char* name;
    QStringList allowed;  // besides blank; compared as text, so "07" is not "7"
    QString message;
};

// Every list holds exactly the values its message names.
const ScoreBox ScoreBoxes[] = {
    {"Text57", {"7", "1", "0"}, "DIGITE 7 PARA INDICADOR, 1 PARA NÃO INDICADOR OU 0 SE NÃO FOR HABITUAL"},
    {"Text58",
     {"1", "2", "3", "4", "0"},
     "DIGITE 1 PARA NOVO INDICADO - 2 PARA NOVO CAPTADO - 3 NOVO POR CAMPANHA - 4 NOVO LEILOEIRO - 0 SE NÃO FOR "
     "NOVO"},
    {"Text59",
     {"1", "2", "3", "4", "0"},
     "DIGITE 1 PARA RECUPERADO INDICADO - 2 PARA RECUPERADO CAPTADO - 3 RECUPERADO POR CAMPANHA - 4 RECUPERADO "
     "LEILOEIRO - 0 SE NÃO FOR RECUPERADO"},
    {"Text60",
     {"1", "2", "3", "4", "0", "51", "52", "53"},
     "DIGITE 1 PARA HABITUAL INDICADO - 2 PARA HABITUAL CAPTADO - 3 HABITUAL POR CAMPANHA - 4 HABITUAL LEILOEIRO "
     "- 0 SE NÃO FOR HABITUAL - 51 SE HABITUAL COM 1ª RENOVAÇÃO - 52 SE HABITUAL COM 2ª RENOVAÇÃO - 53 SE "
     "HABITUAL COM VÁRIOS RENOVAÇÕES"},
    {"Text61",
     {"13", "23", "37", "0"},
     "DIGITE 13 PARA UMA APÓLICE AUTO - 23 PARA DUAS APÓLICES AUTO - 37 PARA APÓLICES EM VÁRIOS RAMOS - 0 SE NÃO "
     "TIVER APÓLICES"},
    {"Text62",
     {"4", "7", "12", "0"},
     "DIGITE 4 PARA ATÉ 4X - 7 PARA ATÉ 7X - 12 PARA ATÉ 12 VEZES - 0 SE NÃO TIVER APÓLICES"},
    {"Text63", {"1", "2", "0"}, "DIGITE 1 PARA CARNET - 2 PARA DÉBITO/CHEQUES - 0 SE NÃO TIVER APÓLICES"},
    {"Text64",
     {"10", "15", "20", "0"},
     "DIGITE 10 PARA COMISSÃO ATÉ 10% - 15 PARA COMISSÃO ATÉ 15% - 20 PARA COMISSÃO ACIMA DE 20% - 0 SE NÃO "
     "TIVER APÓLICES"},
    {"Text65",
     {"26", "35", "45", "60", "65", "0"},
     "DIGITE 26 PARA ATÉ 26 ANOS - 35 PARA ATÉ 35 ANOS - 45 PARA ATÉ 45 ANOS - 60 PARA ATÉ 60 ANOS - 65 PARA DE "
     "65 EM DIANTE - 0 SE NÃO FOR HABITUAL "},
    {"Text66", {"1", "2", "0"}, "DIGITE 1 PARA TEM SINISTRO - 2 PARA NÃO TEM SINISTRO - 0 SE NÃO TIVER APÓLICES"},
};

bool ScoreCheck(ui::TextBox* box, const ScoreBox& score)
{
    const QString code = box->text().trimmed();
    if (code.isEmpty() || score.allowed.contains(code))
        return true;
    msg::notice(score.message);
    box->setFocus(Qt::OtherFocusReason);
    return false;
}

}  // namespace

void Form4::connectInputRules()
{
    for (const FilteredBox& filtered : FilteredBoxes) {
        auto* box = findChild<ui::TextBox*>(QString::fromLatin1(filtered.name));
        Q_ASSERT(box);
        box->setMaxLength(filtered.maximum);
        KeyFilters::attach(box, filtered.keys);
    }

    // Tab runs through the score codes right to left, just before Combo9.
    QWidget* previous = ui->Text27;
    for (auto it = std::rbegin(ScoreBoxes); it != std::rend(ScoreBoxes); ++it) {
        auto* box = findChild<ui::TextBox*>(QString::fromLatin1(it->name));
        Q_ASSERT(box);
        ui::LeaveCheck::attach(box, [box, &score = *it] { return ScoreCheck(box, score); });
        QWidget::setTabOrder(previous, box);
        previous = box;
    }

    for (ui::MaskEdBox* date : {ui->MaskEdBox1, ui->MaskEdBox2, ui->MaskEdBox3, ui->MaskEdBox4, ui->MaskEdBox5,
                                ui->MaskEdBox6, ui->MaskEdBox7, ui->MaskEdBox8, ui->MaskEdBox9, ui->MaskEdBox10,
                                ui->MaskEdBox11, ui->MaskEdBox12, ui->MaskEdBox13, ui->MaskEdBox14, ui->MaskEdBox15,
                                ui->MaskEdBox16})
        attachDateCheck(date);
    ui::on(ui->MaskEdBox2).GotFocus(this, &Form4::MaskEdBox2_GotFocus);
}

// Every entry, the date check sending the focus back included, shows today.
void Form4::MaskEdBox2_GotFocus() { ui->MaskEdBox2->setText(rt::Clock::today().toString(u"dd/MM/yyyy")); }

}  // namespace vorna::clients
