#include "documents/instalments/ScheduleSeries.h"

#include "documents/instalments/MonthChains.h"
#include "documents/instalments/NumberConventions.h"
#include "documents/instalments/PaymentForm.h"
#include "platform/runtime/RegionalText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents::instalments {

namespace {

constexpr int kRows = InstalmentValues::kInstalments;

double percentOf(const QString& text)
{
    const double percent = numberOf(text);
    if (percent == 0.0)
        regional::raise(err::DivisionByZero);
    return percent;
}

bool isBlank(const Variant& v) { return v.isNull() || rt::Trim(rt::CStr(v)).isEmpty(); }

}  // namespace

PanelRows fillScheduleFromLine(const ScheduleInputs& in, InstalmentValues& values)
{
    const int32_t count = instalmentCount(in.count);
    const PaymentForm form = paymentFormOf(in.paymentForm);
    const double percent = percentOf(in.commissionPercent);
    const double shareSum = rt::CDbl(in.producerShareSum);
    PanelRows panel{};

    // The line's percentage per instalment, and each one's share of the
    // producers' pass-on percentage.
    std::array<double, kRows> commissions{};
    for (int k = 0; k < kRows; ++k) {
        const Variant& line = in.lineCommissions[k];
        const QString text = line.isNull() || line.isEmpty() ? QStringLiteral("0") : numberText(line);
        commissions[k] = numberOf(text);
        panel[k].commissionPercent = text;
        panel[k].passOnPercent = numberText(shareSum * (commissions[k] / percent));
    }

    // The due dates: the chain within the count, the rest kept.
    InstalmentValues::Series<Variant> loaded = values.LoadedDueDates;
    if (form != PaymentForm::Other) {
        Variant first = rt::CDate(in.startDate);
        if (startsAMonthLater(form))
            first = monthsFrom(first, 2);
        const InstalmentValues::Series<Variant> chain = chainedMonths(first);
        for (int k = 0; k < count; ++k)
            loaded[k] = chain[k];
    }
    InstalmentValues::Series<Variant> toStore;
    toStore.fill(Variant(QString()));
    for (int k = 0; k < count; ++k)
        toStore[k] = loaded[k];
    if (!toStore[0].isNull())
        panel[0].dueDate = dueDateText(toStore[0]);
    for (int k = 1; k < count; ++k)
        if (!isBlank(toStore[k]))
            panel[k].dueDate = dueDateText(toStore[k]);

    const QString value = numberText(in.grossPremium / count);
    for (PanelRow& row : panel)
        row.value = value;

    if (paysInAdvance(form)) {
        panel[0].commissionPercent = in.commissionPercent;
        panel[0].passOnPercent = numberText(in.producerShareSum);
        for (PanelRow& row : panel) {
            row.disableCommission = true;
            row.disablePassOn = true;
        }
    } else if (paysSpread(form)) {
        if (commissions[0] == 0.0 && commissions[1] == 0.0 && commissions[2] == 0.0 && commissions[3] == 0.0) {
            const QString commission = numberText(percent / count);
            const QString passOn = numberText(shareSum / count);
            for (PanelRow& row : panel) {
                row.commissionPercent = commission;
                row.passOnPercent = passOn;
            }
        }
    }

    for (int k = count; k < kRows; ++k) {
        PanelRow& row = panel[k];
        row.dueDate = row.value = row.commissionPercent = row.passOnPercent = QString();
        row.stripDueDateMask = true;
        row.disableRow = true;
    }

    values.LoadedDueDates = loaded;
    values.InstalmentDueDates = toStore;
    if (form != PaymentForm::Other) {
        values.CommissionToSpread = in.commissionValue;
        values.PassOnToSpread = in.passOnTotal;
        values.ProducerPassOnToSpread = in.producerPassOns;
    }
    return panel;
}

}  // namespace vorna::documents::instalments
