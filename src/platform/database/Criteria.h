#pragma once
#include "platform/database/Connection.h"

#include <QString>
#include <vector>

namespace vorna::db {

// A criteria text turned into a parenthesised SQLite condition over one table;
// every value written in the text is a bound parameter, in order.
struct CompiledCriteria {
    QByteArray sql;
    std::vector<SqlValue> params;

    // A pattern LIKE on one field that every match passes (a term of the
    // criteria's top conjunction): a scan of an index on that field alone can
    // list every row that may match. `sql` uses params[firstParam] as its one value.
    struct Pattern {
        int field = -1;
        QByteArray sql;
        size_t firstParam = 0;
    };
    std::vector<Pattern> patterns;
};

// Reads the criteria forms the windows write:
//   FIELD = 12, FIELD > 0, FIELD <> 'A', FIELD = 'text', FIELD LIKE 'pat*',
//   FIELD LIKE 123, [NAME-WITH-HYPHEN] LIKE '*x*', TRIM(FIELD) LIKE '...',
//   FIELD IS [NOT] NULL, FIELD [NOT] BETWEEN a AND b, FIELD [NOT] IN (a, b),
//   DATE_FIELD >= #mm/dd/yyyy#, YESNO_FIELD = True,
// joined by AND / OR / NOT and parentheses, keywords in any letter case.
// Texts are in '...' or "..." with a doubled quote standing for one.
// Text comparisons ignore letter case; LIKE follows the engine's patterns.
// Raises 3075 for an unreadable text (also one nested more than 50 levels of NOT
// and parentheses, or joining more than 500 conditions), 3070 for an unknown field name and 3464
// for a value that cannot be compared with its field.
CompiledCriteria compileCriteria(const QString& criteria, const TableInfo& table);

}  // namespace vorna::db
