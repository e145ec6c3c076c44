// The document window's amounts as the user tabs through its keyboard-only
// panels: the line of business with its commission schedule, the premium with
// IOF, gross premium and instalment count, the commission percentage.
#include "documents/EntryAmounts.h"
#include "documents/Form14.h"

#include "common/DateCheck.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/SelectOnFocus.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

#include <QStringList>

namespace vorna::documents {

using entry::amountOf;
using entry::setAmount;
using entry::zeroIfEmpty;

namespace {

// The commission % of instalment k (1 to 12) lies in MaskEdBox(31 + k).
ui::MaskEdBox* instalmentCommissionBox(Form14& window, int k)
{
    auto* box = window.findChild<ui::MaskEdBox*>(QStringLiteral("MaskEdBox%1").arg(31 + k));
    Q_ASSERT(box);
    return box;
}

// The IOF rate of a line of business, by its code as typed.
double iofRate(const QString& lineCode)
{
    const SettingsCopies& settings = vorna::state().settings;
    if (lineCode == QLatin1String("871"))
        return settings.IofRateHealth;
    static const QStringList life{"911", "912", "913", "931", "932", "933"};
    if (life.contains(lineCode))
        return settings.IofRateLife;
    return settings.IofRateProperty;
}

}  // namespace

// A new policy takes its line's commission schedule; a stored document and an
// endorsement only the line's name.
bool Form14::Text4_LostFocus()
{
    if (rt::Trim(ui->Text4->text()).isEmpty())
        return true;
    db::Recordset& lines = recordsets_->RAMOS;
    if (!entry::findCodeRow(lines, ui->Text4->text())) {
        msg::notFound(QStringLiteral("RAMO NAO ENCONTRADO"));
        return false;
    }
    const Variant name = lines.field(QStringLiteral("NOME"));
    if (!name.isNull())
        ui->Combo3->setText(rt::CStr(name));
    if (!rt::Trim(ui->Text1->text()).isEmpty())
        return true;
    if (ui->Combo2->Text() == QLatin1String("ENDOSSO"))
        return true;

    for (int k = 1; k <= 12; ++k) {
        const Variant percent = lines.field(QStringLiteral("COM%1").arg(k));
        ui::MaskEdBox* box = instalmentCommissionBox(*this, k);
        if (percent.isNull())
            box->setText(QStringLiteral("0"));
        else
            setAmount(box, rt::CDbl(percent));
    }
    double total = 0.0;
    for (int k = 1; k <= 12; ++k)
        total += amountOf(instalmentCommissionBox(*this, k));
    setAmount(ui->MaskEdBox6, total);
    return true;
}

void Form14::MaskEdBox1_LostFocus()
{
    if (rt::Trim(ui->Text4->text()).isEmpty()) {
        msg::requiredEntryMissing(QStringLiteral("PROPOSTA SEM RAMO!"));
        ui->Combo3->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (rt::Trim(ui->Text9->text()).isEmpty()) {
        msg::requiredEntryMissing(QStringLiteral("PROPOSTA SEM CODIGO DE CLIENTE!"));
        ui->Text9->setFocus(Qt::OtherFocusReason);
    }
}

// The start of cover is asked for before the line of business.
void Form14::MaskEdBox3_GotFocus()
{
    SelectOnFocus::select(ui->MaskEdBox3, 12);
    if (!isTypedDate(ui->MaskEdBox8->Text())) {
        msg::requiredEntryMissing(QStringLiteral("PREENCHIMENTO OBRIGATORIO - VIGÊNCIA INICIAL"));
        ui->MaskEdBox8->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (rt::Trim(ui->Text4->text()).isEmpty()) {
        msg::requiredEntryMissing(QStringLiteral("PREENCHIMENTO OBRIGATORIO - RAMO"));
        ui->Text4->setFocus(Qt::OtherFocusReason);
        return;
    }
    DefaultPolicyCost();
}

// Computed afresh at every entry, over whatever was typed in the box before.
void Form14::MaskEdBox4_GotFocus()
{
    SelectOnFocus::select(ui->MaskEdBox4, 12);
    for (ui::MaskEdBox* box : {ui->MaskEdBox1, ui->MaskEdBox2, ui->MaskEdBox3})
        zeroIfEmpty(box);
    const double taxed = amountOf(ui->MaskEdBox1) + amountOf(ui->MaskEdBox2) + amountOf(ui->MaskEdBox3);
    setAmount(ui->MaskEdBox4, taxed * (iofRate(ui->Text4->text()) / 100));
}

void Form14::Text20_GotFocus()
{
    SelectOnFocus::select(ui->Text20, 2);
    for (ui::MaskEdBox* box : {ui->MaskEdBox1, ui->MaskEdBox2, ui->MaskEdBox3, ui->MaskEdBox4, ui->MaskEdBox19})
        zeroIfEmpty(box);
    setAmount(ui->MaskEdBox5, amountOf(ui->MaskEdBox1) + amountOf(ui->MaskEdBox2) + amountOf(ui->MaskEdBox3) +
                                  amountOf(ui->MaskEdBox4) + amountOf(ui->MaskEdBox19));
}

// A count from 1 to 12; on a stored document a changed count asks for the
// commission password. Text that is no whole number is refused like 0.
bool Form14::Text20_LostFocus()
{
    const std::optional<QString> digits = db::wholeNumber(ui->Text20->text());
    const int count = digits ? digits->toInt() : 0;
    if (count < 1 || count > 12) {
        msg::requiredEntryMissing(QStringLiteral("NUMERO DE PARCELAS INCORRETO!"));
        return false;
    }
    if (!rt::Trim(ui->Text1->text()).isEmpty() && count != values_.LoadedInstalmentCount)
        OpenPasswordPanel(7);
    return true;
}

// An empty or zero percentage becomes the insurer's full commission less the
// discount, as a share of the premium left after the discount. A discount of
// 100 leaves nothing to share and the percentage as it is.
void Form14::MaskEdBox10_LostFocus()
{
    zeroIfEmpty(ui->MaskEdBox10);
    if (rt::Trim(ui->Text7->text()).isEmpty())
        return;
    double fullCommission = 0.0;
    db::Recordset& insurers = recordsets_->CIAS;
    if (entry::findCodeRow(insurers, ui->Text7->text())) {
        const Variant full = insurers.field(QStringLiteral("CHEIA"));
        if (full.isNull())
            return;
        fullCommission = rt::CDbl(full);
    }
    const double discount = amountOf(ui->MaskEdBox10);
    zeroIfEmpty(ui->MaskEdBox6);
    if (amountOf(ui->MaskEdBox6) != 0.0 || discount == 100.0)
        return;
    setAmount(ui->MaskEdBox6, (fullCommission - discount) / (100 - discount) * 100);
}

void Form14::MaskEdBox6_GotFocus()
{
    SelectOnFocus::select(ui->MaskEdBox6, 6);
    if (!ui->MaskEdBox6->Text().isEmpty())
        values_.PreviousCommissionPercent = amountOf(ui->MaskEdBox6);
}

// An emptied box stands for 0 and asks nothing.
void Form14::MaskEdBox6_LostFocus()
{
    if (ui->MaskEdBox6->Text().isEmpty()) {
        ui->MaskEdBox6->setText(QStringLiteral("0"));
        return;
    }
    zeroIfEmpty(ui->MaskEdBox1);
    zeroIfEmpty(ui->MaskEdBox2);
    const double percent = amountOf(ui->MaskEdBox6);
    const double base = ui->Check4->Value() == ui::CheckBox::Checked
                            ? amountOf(ui->MaskEdBox1) + amountOf(ui->MaskEdBox2)
                            : amountOf(ui->MaskEdBox1);
    setAmount(ui->MaskEdBox11, percent * base / 100);
    if (ui->Command3D3->isEnabled() && percent != values_.PreviousCommissionPercent)
        OpenPasswordPanel(2);
}

}  // namespace vorna::documents
