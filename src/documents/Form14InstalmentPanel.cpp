// The instalment recalculation chain: the stored rows reloaded, or the panel
// opened and filled from the line of business for a document without rows,
// then what is still open spread over the open instalments. The arithmetic is
// in documents/instalments/; here the boxes are read and the results placed.
#include "documents/EntryAmounts.h"
#include "documents/Form14.h"
#include "documents/instalments/NumberConventions.h"
#include "documents/instalments/PanelDivisors.h"
#include "documents/instalments/PaymentForm.h"
#include "documents/instalments/Recalculation.h"
#include "documents/instalments/ScheduleSeries.h"
#include "documents/instalments/SettledSums.h"

#include "common/MessageTexts.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/RegionalText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

using namespace instalments;

namespace {

constexpr int kRows = InstalmentValues::kInstalments;

// The panel's four boxes of instalment k (1 to 12).
ui::MaskEdBox* panelBox(Form14& window, int number)
{
    auto* box = window.findChild<ui::MaskEdBox*>(QStringLiteral("MaskEdBox%1").arg(number));
    Q_ASSERT(box);
    return box;
}
ui::MaskEdBox* dueDateBox(Form14& window, int k) { return panelBox(window, 19 + k); }
ui::MaskEdBox* valueBox(Form14& window, int k) { return panelBox(window, 61 + k); }
ui::MaskEdBox* commissionBox(Form14& window, int k) { return panelBox(window, 31 + k); }
ui::MaskEdBox* passOnBox(Form14& window, int k) { return panelBox(window, 56 - k); }

// The number of the shown document. The number box only ever holds digits;
// anything else is refused before the chain changes anything, so a panel is
// never opened for a document that has no number.
int32_t shownDocumentNumber(const QString& text)
{
    const std::optional<QString> digits = db::wholeNumber(text);
    if (!digits)
        regional::raise(err::TypeMismatch);
    return wholeOf(*digits);
}

StoredInstalment storedInstalment(const db::Recordset& rows)
{
    StoredInstalment row;
    row.DV1 = rows.field(QStringLiteral("DV1"));
    row.VALOR = rows.field(QStringLiteral("VALOR"));
    row.DP1 = rows.field(QStringLiteral("DP1"));
    row.VP1 = rows.field(QStringLiteral("VP1"));
    row.DR1 = rows.field(QStringLiteral("DR1"));
    row.VR1 = rows.field(QStringLiteral("VR1"));
    for (int j = 0; j < InstalmentValues::kProducers; ++j)
        row.R[j] = rows.field(QStringLiteral("R%1").arg(j + 1));
    return row;
}

}  // namespace

void Form14::applyPanelRows(const PanelRows& rows)
{
    for (int k = 1; k <= kRows; ++k) {
        const PanelRow& row = rows[k - 1];
        ui::MaskEdBox* due = dueDateBox(*this, k);
        ui::MaskEdBox* value = valueBox(*this, k);
        ui::MaskEdBox* commission = commissionBox(*this, k);
        ui::MaskEdBox* passOn = passOnBox(*this, k);
        if (row.stripDueDateMask)
            due->setMask(QString());
        if (row.dueDate)
            due->setText(*row.dueDate);
        if (row.value)
            value->setText(*row.value);
        if (row.commissionPercent)
            commission->setText(*row.commissionPercent);
        if (row.passOnPercent)
            passOn->setText(*row.passOnPercent);
        if (row.disableCommission || row.disableRow)
            commission->setEnabled(false);
        if (row.disablePassOn || row.disableRow)
            passOn->setEnabled(false);
        if (row.disableRow) {
            due->setEnabled(false);
            value->setEnabled(false);
        }
    }
}

namespace {

// The commission value, the pass-on total and the five producers' values,
// read only under the four payment forms, the only ones that spread them.
template <class Inputs>
void readAmountsToSpread(const Ui::Form14& boxes, Inputs& in)
{
    if (paymentFormOf(in.paymentForm) == PaymentForm::Other)
        return;
    in.commissionValue = numberOf(boxes.MaskEdBox11->Text());
    in.passOnTotal = numberOf(boxes.MaskEdBox18->Text());
    const ui::MaskEdBox* producers[] = {boxes.MaskEdBox15, boxes.MaskEdBox16, boxes.MaskEdBox17, boxes.MaskEdBox76,
                                        boxes.MaskEdBox82};
    for (int j = 0; j < InstalmentValues::kProducers; ++j)
        in.producerPassOns[j] = numberOf(producers[j]->Text());
}

}  // namespace

// Every box is read before the reload, so a count outside 1 to 12 or an
// amount that does not read leaves the window as it was.
void Form14::RecalculateInstalments()
{
    RecalculationInputs in;
    in.paymentForm = ui->Combo7->Text();
    in.count = instalmentCount(ui->Text20->text());
    in.splitPremium = ui->Check8->Value() == ui::CheckBox::Checked;
    if (in.splitPremium)
        in.grossPremium = numberOf(ui->MaskEdBox5->Text());
    readAmountsToSpread(*ui, in);
    const int32_t document = shownDocumentNumber(ui->Text1->text());

    LoadInstalmentGrid();
    applyPanelRows(recalculateInstalments(in, values_.Instalments));
    values_.Instalments.SeriesDocumentNumber = document;
}

// The document's rows are found by its number alone and walked in table
// order, up to twelve, stopping at the first row of another document.
void Form14::LoadInstalmentGrid()
{
    const int32_t document = shownDocumentNumber(ui->Text1->text());
    db::Recordset& rows = recordsets_->PARCELAS;
    std::vector<StoredInstalment> stored;
    rows.FindFirst(QStringLiteral("PROPOSTA = %1").arg(document));
    if (!rows.NoMatch()) {
        stored.push_back(storedInstalment(rows));
        while (int(stored.size()) < kRows) {
            rows.MoveNext();
            if (rows.EOF())
                break;
            const Variant number = rows.field(QStringLiteral("PROPOSTA"));
            if (number.isNull() || rt::CLng(number) != document)
                break;
            stored.push_back(storedInstalment(rows));
        }
    }
    for (int k = 1; k <= kRows; ++k)
        valueBox(*this, k)->setMask(QString());
    applyPanelRows(loadStoredInstalments(stored, values_.Instalments));
    if (stored.empty())
        OpenInstalmentPanel();
}

void Form14::OpenInstalmentPanel()
{
    ui->Frame3D16->setVisible(true);
    values_.ProducerShareSum = openingShareSum(ui->MaskEdBox12->Text(), ui->MaskEdBox13->Text(), ui->MaskEdBox14->Text());
    if (const std::optional<QString> percent = nonZeroCommissionPercent(ui->MaskEdBox6->Text()))
        ui->MaskEdBox6->setText(*percent);

    FillInstalmentGridFromRamo();

    const int32_t count = wholeOf(ui->Text20->text());
    if (count >= 1 && count <= 11)
        for (int k = count + 1; k <= kRows; ++k)
            dueDateBox(*this, k)->setEnabled(false);
    values_.SaveMode = 3;
    // The masks taken off stay off until the window is loaded again.
    for (int k = std::max(2, count + 1); k <= kRows; ++k) {
        dueDateBox(*this, k)->setMask(QString());
        dueDateBox(*this, k)->setText(QString());
        valueBox(*this, k)->setText(QString());
    }
    ui->MaskEdBox20->setFocus(Qt::OtherFocusReason);
}

void Form14::FillInstalmentGridFromRamo()
{
    if (ui->Text4->text().isEmpty())
        return;
    db::Recordset& lines = recordsets_->RAMOS;
    if (!entry::findCodeRow(lines, ui->Text4->text())) {
        msg::notFound(QStringLiteral("RAMO NAO ENCONTRADO"));
        ui->Text4->setFocus(Qt::OtherFocusReason);
        return;
    }

    ScheduleInputs in;
    in.paymentForm = ui->Combo7->Text();
    in.count = instalmentCount(ui->Text20->text());
    in.startDate = Variant(ui->MaskEdBox8->Text());
    in.grossPremium = numberOf(ui->MaskEdBox5->Text());
    in.commissionPercent = ui->MaskEdBox6->Text();
    readAmountsToSpread(*ui, in);
    in.producerShareSum = values_.ProducerShareSum;
    for (int k = 0; k < kRows; ++k)
        in.lineCommissions[k] = lines.field(QStringLiteral("COM%1").arg(k + 1));

    applyPanelRows(fillScheduleFromLine(in, values_.Instalments));
}

}  // namespace vorna::documents
