// The five producer slots: each code box fills its slot's name, pass-on
// percentage and value from the producer it names, and on a stored document
// a changed producer asks for the producer-change password.
#include "documents/DocumentFields.h"
#include "documents/EntryAmounts.h"
#include "documents/Form14.h"

#include "common/MessageTexts.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

using entry::amountOf;
using entry::setAmount;
using entry::zeroIfEmpty;

namespace {

struct ProducerSlot {
    const char* name;     // name list
    const char* code;     // code box
    const char* percent;  // pass-on percentage
    const char* value;    // pass-on value
    int position;         // the one producer position besides 0 the slot takes
};

// Slots 4 and 5 take the producers of slot 3.
const ProducerSlot ProducerSlots[] = {
    {"Combo8", "Text18", "MaskEdBox12", "MaskEdBox15", 1},
    {"Combo9", "Text25", "MaskEdBox13", "MaskEdBox16", 2},
    {"Combo10", "Text26", "MaskEdBox14", "MaskEdBox17", 3},
    {"Combo18", "Text32", "MaskEdBox75", "MaskEdBox76", 3},
    {"Combo19", "Text33", "MaskEdBox77", "MaskEdBox82", 3},
};

const QString PositionRefused = QStringLiteral("PRODUTOR SELECIONADO APENAS PARA POSIÇÃO 1");

// Slot 5 keeps its code as a whole number.
std::optional<int32_t> wholeCode(const QString& text)
{
    const std::optional<QString> digits = db::wholeNumber(text);
    bool ok = false;
    const int32_t code = digits ? digits->toInt(&ok) : 0;
    return ok ? std::optional<int32_t>(code) : std::nullopt;
}

enum class Position { Accepted, Refused, Neither };

// A POSICAO that is empty or no number is neither accepted nor refused.
Position judgePosition(const Variant& position, int slotPosition)
{
    if (position.isNull() || position.isEmpty())
        return Position::Neither;
    bool numeric = false;
    const int p = rt::Trim(rt::CStr(position)).toInt(&numeric);
    if (!numeric)
        return Position::Neither;
    if (p == 0 || p == slotPosition)
        return Position::Accepted;
    return p >= 1 && p <= 3 ? Position::Refused : Position::Neither;
}

}  // namespace

void Form14::ProducerCode_GotFocus(int slot)
{
    const QString code = documents::control<ui::TextBox>(*this, ProducerSlots[slot - 1].code).text();
    if (rt::Trim(code).isEmpty())
        return;
    if (slot < 5)
        values_.PreviousProducerCode[size_t(slot - 1)] = code;
    else if (const std::optional<int32_t> number = wholeCode(code))
        values_.PreviousProducerCode5 = *number;
}

void Form14::ProducerCode_LostFocus(int slot)
{
    const ProducerSlot& s = ProducerSlots[slot - 1];
    auto& codeBox = documents::control<ui::TextBox>(*this, s.code);
    auto& nameList = documents::control<ui::PickList>(*this, s.name);
    auto* percentBox = &documents::control<ui::MaskEdBox>(*this, s.percent);
    auto* valueBox = &documents::control<ui::MaskEdBox>(*this, s.value);
    const QString code = codeBox.text();

    // The first slot may not be passed by empty: back to the commission.
    if (code.isEmpty()) {
        if (slot == 1)
            ui->MaskEdBox6->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (ui::MaskEdBox* box : {ui->MaskEdBox1, ui->MaskEdBox2, ui->MaskEdBox11, percentBox})
        zeroIfEmpty(box);

    db::Recordset& producers = recordsets_->PRODUTOR;
    if (!entry::findCodeRow(producers, code)) {
        msg::notFound(msg::ProducerNotFoundPlain);
        if (slot != 1)
            return;
        ui->MaskEdBox6->setFocus(Qt::OtherFocusReason);
    } else {
        const Variant name = producers.field(QStringLiteral("NOME"));
        switch (judgePosition(producers.field(QStringLiteral("POSICAO")), s.position)) {
        case Position::Accepted:
            if (!name.isNull())
                nameList.AddItem(rt::CStr(name));
            break;
        case Position::Refused:
            msg::notice(PositionRefused);
            codeBox.setText(QString());
            return;
        case Position::Neither: break;
        }
        if (!name.isNull())
            nameList.setText(rt::CStr(name));

        // The brokerage's commission on the premium the producer shares in.
        double base = 0.0;
        const Variant interest = producers.field(QStringLiteral("JUROS"));
        const QString onInterest = interest.isNull() ? QString() : rt::CStr(interest);
        if (onInterest == QLatin1String("C"))
            base = (amountOf(ui->MaskEdBox6) * (amountOf(ui->MaskEdBox1) + amountOf(ui->MaskEdBox2))) / 100;
        else if (onInterest == QLatin1String("S"))
            base = (amountOf(ui->MaskEdBox6) * amountOf(ui->MaskEdBox1)) / 100;

        const Variant renewals = producers.field(QStringLiteral("COMISSAO"));
        Variant share = renewals;
        if (ui->Check1->Value() == ui::CheckBox::Checked) {
            const Variant newBusiness = producers.field(QStringLiteral("COMISSAONOVOS"));
            if (!newBusiness.isNull())
                share = newBusiness;
        }
        if (!share.isNull()) {
            setAmount(percentBox, rt::CDbl(share));
            setAmount(valueBox, (base * amountOf(percentBox)) / 100);
        }

        const Variant fixed = producers.field(QStringLiteral("FIXO"));
        if (!fixed.isNull() && rt::CDbl(fixed) != 0.0) {
            percentBox->setText(QStringLiteral("0"));
            setAmount(valueBox, rt::CDbl(fixed));
        }
    }

    // Another producer on a stored document.
    bool changed = true;
    if (slot < 5) {
        const std::optional<QString>& previous = values_.PreviousProducerCode[size_t(slot - 1)];
        changed = !previous || *previous != code;
    } else if (const std::optional<int32_t> number = wholeCode(code)) {
        changed = *number != values_.PreviousProducerCode5;
    }
    if (changed && !rt::Trim(code).isEmpty() && !rt::Trim(ui->Text1->text()).isEmpty())
        OpenPasswordPanel(4);
}

}  // namespace vorna::documents
