#include "documents/Form14.h"

#include "common/RecordWindowPatternFields.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

QString textOf(QWidget* box) { return record::boxText(box); }
void setText(QWidget* box, const QString& text) { record::setBoxText(box, text); }

void zeroWhenEmpty(QWidget* box)
{
    if (textOf(box).isEmpty())
        setText(box, QStringLiteral("0"));
}

// The box's number in the regional format; an empty box counts as 0, any
// other text that is no number raises 13.
double amount(QWidget* box)
{
    const QString text = textOf(box);
    return rt::Trim(text).isEmpty() ? 0.0 : rt::CDbl(Variant(text));
}

// Written back unrounded, as plain decimal text.
void setAmount(QWidget* box, double value) { setText(box, rt::CStr(Variant(value))); }

}  // namespace

void Form14::RecalculatePremiumAndCommission()
{
    for (QWidget* box : std::initializer_list<QWidget*>{ui->MaskEdBox1, ui->MaskEdBox2, ui->MaskEdBox3, ui->MaskEdBox4,
                                                        ui->MaskEdBox5, ui->MaskEdBox6, ui->MaskEdBox10,
                                                        ui->MaskEdBox19, ui->MaskEdBox12})
        zeroWhenEmpty(box);

    const double net = amount(ui->MaskEdBox1);
    const double interest = amount(ui->MaskEdBox2);
    const double cost = amount(ui->MaskEdBox3);
    const double iof = amount(ui->MaskEdBox4);
    const double assistances = amount(ui->MaskEdBox19);
    setAmount(ui->MaskEdBox5, iof + net + interest + cost + assistances);

    const double percent = amount(ui->MaskEdBox6);
    const bool onInterest = ui->Check4->Value() == ui::CheckBox::Checked;
    setAmount(ui->MaskEdBox11, percent * (onInterest ? net + interest : net) / 100);

    struct Slot {
        QWidget* code;
        QWidget* share;
        QWidget* value;
    };
    const Slot producerSlots[] = {{ui->Text18, ui->MaskEdBox12, ui->MaskEdBox15},
                          {ui->Text25, ui->MaskEdBox13, ui->MaskEdBox16},
                          {ui->Text26, ui->MaskEdBox14, ui->MaskEdBox17},
                          {ui->Text32, ui->MaskEdBox75, ui->MaskEdBox76},
                          {ui->Text33, ui->MaskEdBox77, ui->MaskEdBox82}};
    for (const int n : {2, 1, 0, 3, 4})
        if (rt::Trim(textOf(producerSlots[n].code)).isEmpty())
            setText(producerSlots[n].share, QStringLiteral("0"));
    for (const int n : {2, 1, 0, 3, 4})
        if (rt::Trim(textOf(producerSlots[n].code)).isEmpty())
            setText(producerSlots[n].code, QStringLiteral("0"));

    db::Recordset& producers = recordsets_->PRODUTOR;
    for (const Slot& slot : producerSlots) {
        // The first producer of that code in any branch; a code that is no
        // whole number names none.
        const std::optional<QString> code = db::wholeNumber(textOf(slot.code));
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
            setAmount(slot.value, base * amount(slot.share) / 100);
        else
            setText(slot.share, QStringLiteral("0"));
    }

    double passedOn = 0.0;
    for (const Slot& slot : producerSlots) {
        zeroWhenEmpty(slot.value);
        passedOn += amount(slot.value);
    }
    setAmount(ui->MaskEdBox18, passedOn);
}

}  // namespace vorna::documents
