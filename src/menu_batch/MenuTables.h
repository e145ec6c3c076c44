#pragma once
#include "platform/database/Recordset.h"

#include <functional>

namespace vorna::menu_batch {

// What the main menu lends its batch routines: the main database, its three
// recordsets (each left wherever a run ends) and the emptying of the label table.
struct MenuTables {
    db::Database database;
    db::Recordset& labels;      // TMPETI
    db::Recordset& clients;     // CLIENTES
    db::Recordset& documents;   // DOCUMENTOS
    std::function<void()> clearLabelTable;
};

// "CODIGO = 12": a find by a code read from a row, written as a whole number.
QString codeCriteria(const QString& field, const Variant& code);

}  // namespace vorna::menu_batch
