#include "documents/EntryAmounts.h"

#include "platform/controls/MaskEdBox.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents::entry {

double amountOf(const ui::MaskEdBox* box)
{
    const QString text = box->Text();
    return rt::Trim(text).isEmpty() ? 0.0 : rt::CDbl(Variant(text));
}

void setAmount(ui::MaskEdBox* box, double amount) { box->setText(rt::CStr(Variant(amount))); }

void zeroIfEmpty(ui::MaskEdBox* box)
{
    if (box->Text().isEmpty())
        box->setText(QStringLiteral("0"));
}

bool findCodeRow(db::Recordset& rs, const QString& typedCode)
{
    const std::optional<QString> number = db::wholeNumber(typedCode);
    if (!number)
        return false;
    rs.FindFirst(QStringLiteral("CODIGO = ") + *number);
    return !rs.NoMatch();
}

}  // namespace vorna::documents::entry
