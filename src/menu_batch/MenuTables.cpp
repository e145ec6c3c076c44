#include "menu_batch/MenuTables.h"

namespace vorna::menu_batch {

QString codeCriteria(const QString& field, const Variant& code)
{
    return field + QStringLiteral(" = ") + QString::number(code.toLong());
}

}  // namespace vorna::menu_batch
