#pragma once
#include "platform/database/Connection.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorna::db {

// Dates are stored as text in one fixed form, so that text order is date order.
QByteArray storedDateText(double serial);
// Reads the stored form ("yyyy-MM-dd[ HH:mm[:ss]]"); nullopt when it is not one.
std::optional<double> serialFromStoredText(const char* text, int len);

// A value being written to a field, converted to the field's type: 13 when it
// cannot be converted, 3163 for a text longer than the field, 6 for a number
// out of the field's range. Empty and Null store Null.
SqlValue storedValue(const FieldInfo& field, const Variant& value);

// A converted value read back before it is stored (during AddNew/Edit).
Variant variantFromStored(const FieldInfo& field, const SqlValue& value);

// Rows as one statement read them, kept as stored and converted to Variants
// only for the fields actually read.
struct Cell {
    int type = SQLITE_NULL;   // SQLite's storage class
    int length = 0;           // text bytes
    union {
        qint64 integer;
        double real;
        qint64 offset;        // text: start in RowBlock::bytes
    };
};
struct RowBlock {
    size_t columns = 0;       // cells per row
    std::shared_ptr<const std::vector<int>> cellOf;   // field -> cell, -1 when not read
    std::vector<qint64> rowids;
    std::vector<Cell> cells;  // rowids.size() x columns
    std::string bytes;        // the texts
    size_t size() const { return rowids.size(); }
    // Appends the result row of s whose columns 1..columns are the fields (0 is the row id).
    void append(sqlite3_stmt* s);
};

// The stored cell as it is bound back to SQL, unconverted.
SqlValue sqlValueOfCell(const Cell& cell, const std::string& bytes);

// The stored cell as the field's type (Null stays Null).
Variant variantFromCell(const FieldInfo& field, const Cell& cell, const std::string& bytes);

}  // namespace vorna::db
