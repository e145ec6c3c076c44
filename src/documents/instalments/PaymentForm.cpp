#include "documents/instalments/PaymentForm.h"

namespace vorna::documents::instalments {

PaymentForm paymentFormOf(const QString& text)
{
    if (text == u"ANTECIPADA")
        return PaymentForm::Advance;
    if (text == u"PARCELADA")
        return PaymentForm::Spread;
    if (text == u"ANTECIPADA + 30dd")
        return PaymentForm::AdvancePlus30;
    if (text == u"PARCELADA + 30dd")
        return PaymentForm::SpreadPlus30;
    return PaymentForm::Other;
}

bool paysInAdvance(PaymentForm form) { return form == PaymentForm::Advance || form == PaymentForm::AdvancePlus30; }

bool paysSpread(PaymentForm form) { return form == PaymentForm::Spread || form == PaymentForm::SpreadPlus30; }

bool startsAMonthLater(PaymentForm form)
{
    return form == PaymentForm::AdvancePlus30 || form == PaymentForm::SpreadPlus30;
}

}  // namespace vorna::documents::instalments
