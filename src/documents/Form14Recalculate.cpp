#include "documents/EntryAmounts.h"
#include "documents/Form14.h"

#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

using entry::amountOf;
using entry::setAmount;
using entry::zeroIfEmpty;

void Form14::RecalculatePremiumAndCommission()
{
    for (ui::MaskEdBox* box : {ui->MaskEdBox1, ui->MaskEdBox2, ui->MaskEdBox3, ui->MaskEdBox4, ui->MaskEdBox5,
                               ui->MaskEdBox6, ui->MaskEdBox10, ui->MaskEdBox19, ui->MaskEdBox12})
        zeroIfEmpty(box);

    const double net = amountOf(ui->MaskEdBox1);
    const double interest = amountOf(ui->MaskEdBox2);
    const double cost = amountOf(ui->MaskEdBox3);
    const double iof = amountOf(ui->MaskEdBox4);
    const double assistances = amountOf(ui->MaskEdBox19);
    setAmount(ui->MaskEdBox5, iof + net + interest + cost + assistances);

    const double percent = amountOf(ui->MaskEdBox6);
    const bool onInterest = ui->Check4->Value() == ui::CheckBox::Checked;
    setAmount(ui->MaskEdBox11, percent * (onInterest ? net + interest : net) / 100);

    struct Slot {
        ui::TextBox* code;
        ui::MaskEdBox* share;
        ui::MaskEdBox* value;
    };
    const Slot producerSlots[] = {{ui->Text18, ui->MaskEdBox12, ui->MaskEdBox15},
                          {ui->Text25, ui->MaskEdBox13, ui->MaskEdBox16},
                          {ui->Text26, ui->MaskEdBox14, ui->MaskEdBox17},
                          {ui->Text32, ui->MaskEdBox75, ui->MaskEdBox76},
                          {ui->Text33, ui->MaskEdBox77, ui->MaskEdBox82}};
    for (const int n : {2, 1, 0, 3, 4})
        if (rt::Trim(producerSlots[n].code->text()).isEmpty())
            producerSlots[n].share->setText(QStringLiteral("0"));
    for (const int n : {2, 1, 0, 3, 4})
        if (rt::Trim(producerSlots[n].code->text()).isEmpty())
            producerSlots[n].code->setText(QStringLiteral("0"));

    db::Recordset& producers = recordsets_->PRODUTOR;
    for (const Slot& slot : producerSlots) {
        // The first producer of that code in any branch; a code that is no
        // whole number names none.
        const std::optional<QString> code = db::wholeNumber(slot.code->text());
        if (!code)
            continue;
        producers.FindFirst(QStringLiteral("CODIGO = ") + *code);
        if (producers.NoMatch())
            continue;
        const Variant option = producers.field(QStringLiteral("JUROS"));
        double base = 0.0;
        if (option.isNull() || rt::CStr(option) == u"C")
            base = percent * (net + interest) / 100;
        else if (rt::CStr(option) == u"S")
            base = percent * net / 100;
        const Variant fixed = producers.field(QStringLiteral("FIXO"));
        if (fixed.isNull() || fixed.isEmpty() || rt::CDbl(fixed) == 0.0)
            setAmount(slot.value, base * amountOf(slot.share) / 100);
        else
            slot.share->setText(QStringLiteral("0"));
    }

    double passedOn = 0.0;
    for (const Slot& slot : producerSlots) {
        zeroIfEmpty(slot.value);
        passedOn += amountOf(slot.value);
    }
    setAmount(ui->MaskEdBox18, passedOn);
}

}  // namespace vorna::documents
