#include "platform/report/FormulaText.h"

#include "platform/database/CriteriaText.h"

namespace vorna::report {

QString numberSelection(const QString& field, const QString& typed)
{
    if (const auto number = db::wholeNumber(typed))
        return field + QStringLiteral(" = ") + *number;
    return QStringLiteral("IsNull(") + field + QStringLiteral(") and not IsNull(") + field + u')';
}

QString textSelection(const QString& field, const QString& typed)
{
    return field + QStringLiteral(" = ") + db::quoted(typed);
}

}  // namespace vorna::report
