#include "documents/Form14.h"

#include "common/MessageTexts.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

// The insurer of the code box into its name list; false after the message
// when no insurer has the code.
bool putInsurerName(db::Recordset& insurers, const QString& code, ui::PickList* names)
{
    const std::optional<QString> number = db::wholeNumber(code);
    if (number)
        insurers.FindFirst(QStringLiteral("CODIGO = ") + *number);
    if (!number || insurers.NoMatch()) {
        msg::notFound(QStringLiteral("CIA NAO ENCONTRADA"));
        return false;
    }
    const Variant name = insurers.field(QStringLiteral("NOME"));
    if (!name.isNull())
        names->setText(rt::CStr(name));
    return true;
}

}  // namespace

bool Form14::Text7_LostFocus()
{
    const QString code = ui->Text7->text();
    return code.isEmpty() || putInsurerName(recordsets_->CIAS, code, ui->Combo4);
}

bool Form14::Text11_LostFocus()
{
    const QString code = ui->Text11->text();
    return rt::Trim(code).isEmpty() || putInsurerName(recordsets_->CIAS, code, ui->Combo6);
}

}  // namespace vorna::documents
