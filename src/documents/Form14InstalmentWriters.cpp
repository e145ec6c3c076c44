// The writers of a document's twelve PARCELAS rows: a new schedule (a new
// document, or a stored one without rows), the arrays of an altered document,
// the rewrite of its stored rows and the update in place. Every box is read
// before the first row is touched, and each writer's rows go in one
// transaction: all of them are stored, or none.
#include "documents/Form14.h"
#include "documents/InstalmentPanel.h"

#include "common/ProgramState.h"
#include "common/RecordWindowPatternFields.h"
#include "documents/instalments/InstalmentArrays.h"
#include "documents/instalments/NumberConventions.h"
#include "documents/instalments/PaymentForm.h"
#include "documents/instalments/StoredRows.h"
#include "documents/instalments/WriterShares.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/RegionalText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace ins = instalments;

namespace {

constexpr int kN = ins::InstalmentValues::kInstalments;
constexpr int kP = ins::InstalmentValues::kProducers;

double numberIn(const QWidget* box) { return ins::numberOf(record::boxText(box)); }
bool holdsCharacters(const QWidget* box) { return !record::boxIsEmpty(box); }

// The date a date box holds; 13 when it holds none.
Variant dateIn(const ui::MaskEdBox* box) { return rt::CDate(Variant(box->Text())); }

std::array<double, kP> producerPassOns(const Ui::Form14& u)
{
    const QWidget* boxes[kP] = {u.MaskEdBox15, u.MaskEdBox16, u.MaskEdBox17, u.MaskEdBox76, u.MaskEdBox82};
    std::array<double, kP> values{};
    for (int j = 0; j < kP; ++j)
        values[j] = numberIn(boxes[j]);
    return values;
}

std::array<QString, kP> producerCodes(const Ui::Form14& u)
{
    const QWidget* boxes[kP] = {u.Text18, u.Text25, u.Text26, u.Text32, u.Text33};
    std::array<QString, kP> codes;
    for (int j = 0; j < kP; ++j)
        codes[j] = record::boxText(boxes[j]);
    return codes;
}

// A settlement date typed since the document was shown puts the whole pass-on
// on instalment 1.
void settleTypedAdvance(const Ui::Form14& u, int32_t advanceLoaded, ins::InstalmentValues& values)
{
    if (!holdsCharacters(u.MaskEdBox59) || advanceLoaded != 0)
        return;
    const Variant date = dateIn(u.MaskEdBox59);
    ins::settleAdvancePassOn(values, date, producerPassOns(u), numberIn(u.MaskEdBox18));
}

template <class T>
void setOptional(db::Recordset& rs, const char* field, const std::optional<T>& value)
{
    if (value)
        rs.setField(QLatin1String(field), Variant(*value));
}

void addRow(db::Recordset& rs, int32_t document, const ins::InstalmentRow& row)
{
    rs.AddNew();
    rs.setField(QStringLiteral("PROPOSTA"), Variant(document));
    rs.setField(QStringLiteral("NUMERO"), Variant::integer(row.Number));
    setOptional(rs, "DV1", row.DueDate);
    setOptional(rs, "DP1", row.ReceivedDate);
    setOptional(rs, "DR1", row.PassOnDate);
    rs.setField(QStringLiteral("VV1"), Variant(row.Commission));
    rs.setField(QStringLiteral("VP1"), Variant(row.ReceivedCommission));
    rs.setField(QStringLiteral("VR1"), Variant(row.PassOn));
    setOptional(rs, "VCA", row.PolicyCostShare);
    for (int j = 0; j < kP; ++j)
        setOptional(rs, QStringLiteral("P%1").arg(j + 1).toLatin1().constData(), row.ProducerCodes[j]);
    for (int j = 0; j < kP; ++j)
        setOptional(rs, QStringLiteral("R%1").arg(j + 1).toLatin1().constData(), row.ProducerPassOns[j]);
    setOptional(rs, "VALOR", row.Amount);
    rs.setField(QStringLiteral("FILIAL"), Variant::integer(ins::kWrittenBranch));
    setOptional(rs, "CA", row.Flag);
    rs.Update();
}

void editRow(db::Recordset& rs, const ins::StoredRowUpdate& row)
{
    rs.Edit();
    setOptional(rs, "DV1", row.DueDate);
    setOptional(rs, "DP1", row.ReceivedDate);
    setOptional(rs, "DR1", row.PassOnDate);
    setOptional(rs, "VV1", row.Commission);
    setOptional(rs, "VP1", row.ReceivedCommission);
    setOptional(rs, "VR1", row.PassOn);
    for (int j = 0; j < kP; ++j)
        rs.setField(QStringLiteral("P%1").arg(j + 1), Variant(row.ProducerCodes[j]));
    for (int j = 0; j < kP; ++j)
        setOptional(rs, QStringLiteral("R%1").arg(j + 1).toLatin1().constData(), row.ProducerPassOns[j]);
    setOptional(rs, "VALOR", row.Amount);
    rs.Update();
}

// The stored rows of the document, found by its number alone, row k taking
// update k; the walk ends at the table's end or another document's row.
void writeStoredRows(db::Recordset& rs, int32_t document, const ins::StoredRowUpdates& rows)
{
    const QString number = QString::number(document);
    rs.FindFirst(QStringLiteral("PROPOSTA = ") + number);
    if (rs.NoMatch())
        return;
    auto t = vorna::state().MainDatabase.transaction();
    try {
        for (int k = 0; k < kN; ++k) {
            if (k > 0) {
                rs.MoveNext();
                if (rs.EOF())
                    break;
                const Variant owner = rs.field(QStringLiteral("PROPOSTA"));
                if (owner.isNull() || owner.isEmpty() || rt::CDbl(owner) != double(document))
                    break;
            }
            editRow(rs, rows[k]);
        }
        t.commit();
    } catch (...) {
        rs.CancelUpdate();
        throw;
    }
}

}  // namespace

int32_t Form14::documentNumber() const
{
    const std::optional<QString> number = db::wholeNumber(ui->Text1->text());
    if (!number)
        regional::raise(err::TypeMismatch);
    return ins::wholeOf(*number);
}

void Form14::InsertDocumentInstalments() { writeNewSchedule(true); }

void Form14::WriteNewInstalments() { writeNewSchedule(false); }

void Form14::writeNewSchedule(bool fixedRules)
{
    ins::InstalmentValues& values = values_.Instalments;
    const int32_t document = documentNumber();
    ins::WriterShareInputs in;
    in.CommissionValue = numberIn(ui->MaskEdBox11);
    in.PassOnTotal = numberIn(ui->MaskEdBox18);
    in.ProducerPassOns = producerPassOns(*ui);
    in.CommissionPercentage = numberIn(ui->MaskEdBox6);
    in.ProducerShareSum = rt::CDbl(values_.ProducerShareSum.isEmpty() ? Variant(0) : values_.ProducerShareSum);
    for (int k = 1; k <= kN; ++k) {
        in.CommissionPercentages[k - 1] = numberIn(panel::commissionBox(this, k));
        in.PassOnPercentages[k - 1] = numberIn(panel::passOnBox(this, k));
    }
    in.PaymentForm = ui->Combo7->Text();
    in.InstalmentCount = numberIn(ui->Text20);
    if (holdsCharacters(ui->MaskEdBox59))
        in.AdvanceSettlementDate = dateIn(ui->MaskEdBox59);
    if (fixedRules) {
        in.FixedRule = ins::fixedPassOnRule(numberIn(ui->Text4), ui->Combo2->Text());
        if (in.FixedRule != 0)
            in.NetPremium = numberIn(ui->MaskEdBox1);
    }
    ins::NewRowInputs rowInputs;
    if (holdsCharacters(ui->MaskEdBox3))
        rowInputs.PolicyCost = numberIn(ui->MaskEdBox3);
    rowInputs.ProducerCodes = producerCodes(*ui);
    for (int k = 1; k <= kN; ++k)
        if (holdsCharacters(panel::valueBox(this, k)))
            rowInputs.Amounts[k - 1] = numberIn(panel::valueBox(this, k));

    ins::computeWriterShares(in, values);
    const ins::InstalmentRows rows = ins::newScheduleRows(values, rowInputs);
    db::Recordset& rs = recordsets_->PARCELAS;
    auto t = vorna::state().MainDatabase.transaction();
    try {
        for (const ins::InstalmentRow& row : rows)
            addRow(rs, document, row);
        t.commit();
    } catch (...) {
        rs.CancelUpdate();
        throw;
    }
}

void Form14::PrepareInstalmentArrays()
{
    ins::InstalmentValues& values = values_.Instalments;
    ins::InstalmentArrayInputs in;
    in.StartDate = dateIn(ui->MaskEdBox8);
    in.PaymentForm = ui->Combo7->Text();
    const ins::PaymentForm form = ins::paymentFormOf(in.PaymentForm);
    in.Count = ins::wholeOf(ui->Text20->text());
    in.DocumentNumber = documentNumber();
    if (ins::paysInAdvance(form) || ins::paysSpread(form)) {
        in.CommissionValue = numberIn(ui->MaskEdBox11);
        in.PassOnTotal = numberIn(ui->MaskEdBox18);
        in.ProducerPassOns = producerPassOns(*ui);
    }
    if (values.SameCountFlag != 1)
        in.GrossPremium = numberIn(ui->MaskEdBox5);

    const ins::PanelRows rows = ins::prepareInstalmentArrays(in, values);
    for (int k = 1; k <= kN; ++k) {
        const ins::PanelRow& row = rows[k - 1];
        ui::MaskEdBox* due = panel::dueBox(this, k);
        if (row.stripDueDateMask)
            due->setMask(QString());
        if (row.dueDate)
            due->setText(*row.dueDate);
        if (row.value)
            panel::valueBox(this, k)->setText(*row.value);
    }
}

void Form14::RewriteStoredInstalments()
{
    if (!vorna::state().session.hasRight(Right::ACD) || ui->Check5->Value() == ui::CheckBox::Unchecked)
        return;
    ins::InstalmentValues& values = values_.Instalments;
    const int32_t document = documentNumber();
    const int32_t count = ins::wholeOf(ui->Text20->text());
    settleTypedAdvance(*ui, values_.AdvancePassOnFlag, values);
    for (int k = 2; k <= kN; ++k)
        if (count < k)
            panel::valueBox(this, k)->setText(QStringLiteral("0"));
    ins::StoredRowInputs in;
    in.ProducerCodes = producerCodes(*ui);
    for (int k = 1; k <= kN; ++k)
        if (holdsCharacters(panel::valueBox(this, k)))
            in.Amounts[k - 1] = numberIn(panel::valueBox(this, k));
    writeStoredRows(recordsets_->PARCELAS, document, ins::rewrittenRows(values, in));
}

void Form14::UpdateInstalmentsSameCount()
{
    if (!vorna::state().session.hasRight(Right::ACD) || ui->Check5->Value() == ui::CheckBox::Unchecked)
        return;
    ins::InstalmentValues& values = values_.Instalments;
    if (values.ReceivedInstalmentCount == 0 && values.PaidPassOnCount == 0) {
        PrepareInstalmentArrays();
        if (values.SameCountFlag == 1) {
            for (int k = 0; k < kN; ++k)
                values.InstalmentDueDates[k] = Variant(values.CapturedDueDates[k]);
            values.SameCountFlag = 0;
        }
        RewriteStoredInstalments();
        return;
    }
    const int32_t document = documentNumber();
    const double count = numberIn(ui->Text20);
    settleTypedAdvance(*ui, values_.AdvancePassOnFlag, values);
    ins::StoredRowInputs in;
    in.ProducerCodes = producerCodes(*ui);
    for (int k = 1; k <= kN; ++k)
        if (!record::boxText(panel::valueBox(this, k)).isEmpty())
            in.Amounts[k - 1] = numberIn(panel::valueBox(this, k));
    writeStoredRows(recordsets_->PARCELAS, document,
                    ins::updatedInPlace(values, in, count, values.ReceivedInstalmentCount, values.PaidPassOnCount));
}

}  // namespace vorna::documents
