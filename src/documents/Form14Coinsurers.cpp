#include "documents/Form14.h"
#include "documents/HeaderLookups.h"

#include "common/MessageTexts.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/LeaveCheck.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

void Form14::Command1_Click() { ui->Frame3D1->setVisible(true); }

// "Retornar" of the co-insurer panel: the names first, then the total, then
// the names given twice; the panel stays open after any message.
void Form14::Command2_Click()
{
    struct Slot {
        ui::PickList* name;
        ui::MaskEdBox* percent;
    };
    const Slot panel[] = {{ui->Combo15, ui->MaskEdBox81}, {ui->Combo16, ui->MaskEdBox57}, {ui->Combo17, ui->MaskEdBox80}};

    values_.CoinsurerCodes = {};
    db::Recordset& insurers = recordsets_->CIAS;
    for (size_t n = 0; n < std::size(panel); ++n) {
        if (rt::Trim(panel[n].name->Text()).isEmpty())
            continue;
        if (!findNamedRow(insurers, *panel[n].name)) {
            msg::notFound(QStringLiteral("CIA NÃO ENCONTRADA"));
            return;
        }
        values_.CoinsurerCodes[n] = rt::CLng(insurers.field(QStringLiteral("CODIGO")));
    }

    const QString totalTooHigh = QStringLiteral("PERCENTUAL TOTAL ACIMA DE 100%");
    double total = 0.0;
    for (const Slot& slot : panel) {
        if (slot.percent->Text().isEmpty())
            slot.percent->setText(QStringLiteral("0"));
        try {
            total += rt::CDbl(Variant(slot.percent->Text()));
        } catch (const EngineError&) {
            // A percentage that is no number cannot be shown to fit.
            msg::notFound(totalTooHigh);
            return;
        }
    }
    if (total > 100.0) {
        msg::notFound(totalTooHigh);
        return;
    }

    const struct {
        int first, second;
        const char* text;
    } pairs[] = {{0, 1, "A 1ª E 2ª COSSEGURADORAS SÃO AS MESMAS!"},
                 {0, 2, "A 1ª E 3ª COSSEGURADORAS SÃO AS MESMAS!"},
                 {1, 2, "A 2ª E 3ª COSSEGURADORAS SÃO AS MESMAS!"}};
    for (const auto& pair : pairs) {
        const QString first = panel[pair.first].name->Text();
        const QString second = panel[pair.second].name->Text();
        if (!rt::Trim(first).isEmpty() && !rt::Trim(second).isEmpty() && first == second) {
            msg::notice(QString::fromUtf8(pair.text));
            return;
        }
    }
    ui->Frame3D1->setVisible(false);
}

// The handlers of the header's look-ups, connected in one place.
void Form14::connectHeaderLookups()
{
    ui::on(ui->Text2).LostFocus(this, &Form14::Text2_LostFocus);
    ui::on(ui->Text9).LostFocus(this, &Form14::Text9_LostFocus);
    ui::on(ui->Command5).Click(this, &Form14::Command5_Click);
    ui::on(ui->List9).Click(this, &Form14::List9_Click);
    ui::on(ui->Command6).Click(this, &Form14::Command6_Click);
    ui::LeaveCheck::attach(ui->Text7, [this] { return Text7_LostFocus(); });
    ui::LeaveCheck::attach(ui->Text11, [this] { return Text11_LostFocus(); });
    ui::on(ui->Text1).LostFocus(this, &Form14::Text1_LostFocus);
    ui::on(ui->Text30).LostFocus(this, &Form14::Text30_LostFocus);
    ui::on(ui->Text23).LostFocus(this, &Form14::Text23_LostFocus);
    ui::on(ui->Combo3).Click(this, &Form14::Combo3_Click);
    ui::on(ui->Combo4).Click(this, &Form14::Combo4_Click);
    ui::on(ui->Combo5).Click(this, &Form14::Combo5_Click);
    ui::on(ui->Combo5).GotFocus(this, &Form14::Combo5_GotFocus);
    ui::on(ui->Combo6).Click(this, &Form14::Combo6_Click);
    ui::on(ui->Combo8).Click(this, &Form14::Combo8_Click);
    ui::on(ui->Combo9).Click(this, &Form14::Combo9_Click);
    ui::on(ui->Combo10).Click(this, &Form14::Combo10_Click);
    ui::on(ui->Combo14).Click(this, &Form14::Combo14_Click);
    ui::on(ui->Combo18).Click(this, &Form14::Combo18_Click);
    ui::on(ui->Combo19).Click(this, &Form14::Combo19_Click);
    ui::on(ui->MSFlexGrid1).Click(this, &Form14::MSFlexGrid1_Click);
    ui::on(ui->Command1).Click(this, &Form14::Command1_Click);
    ui::on(ui->Command2).Click(this, &Form14::Command2_Click);
}

}  // namespace vorna::documents
