#pragma once
#include <QString>

namespace vorna::documents::instalments {

// The commission payment forms of the commission frame's list, compared
// exactly (letter case and blanks count): "ANTECIPADA + 30dd" is never
// "ANTECIPADA", and "parcelada" is none of them.
enum class PaymentForm { Advance, Spread, AdvancePlus30, SpreadPlus30, Other };

PaymentForm paymentFormOf(const QString& text);

// "ANTECIPADA" and "ANTECIPADA + 30dd": the whole commission on instalment 1.
bool paysInAdvance(PaymentForm form);
// "PARCELADA" and "PARCELADA + 30dd": the commission spread equally.
bool paysSpread(PaymentForm form);
// The "+ 30dd" forms: the first instalment falls due a calendar month after
// the start of validity.
bool startsAMonthLater(PaymentForm form);

}  // namespace vorna::documents::instalments
