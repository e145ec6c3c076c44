#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

namespace vorna::db {

// Field types as the schema declares them:
//   TEXT(n)                      Text, at most n characters
//   MEMO, LONGTEXT, TEXT         Memo (no length limit)
//   LONG, COUNTER                Long (32-bit)
//   INTEGER                      Integer (16-bit), except the row-id key below
//   INTEGER PRIMARY KEY [AUTOINCREMENT]
//                                Long; the row id itself, numbered by the engine
//                                when left Null at AddNew
//   DOUBLE, CURRENCY, DATETIME, YESNO
enum class FieldType { Text, Memo, Long, Integer, Double, Currency, DateTime, YesNo, Other };

struct FieldInfo {
    QString name;        // as the schema spells it
    QByteArray quoted;   // "NAME", ready for SQL
    FieldType type = FieldType::Other;
    int size = 0;        // characters, for Text
    bool rowidKey = false;
    bool notNull = false;
};

struct TableInfo {
    QString name;
    QByteArray quoted;
    std::vector<FieldInfo> fields;
    QHash<QString, int> byName;         // as spelt in the schema: the usual case, no folding
    QHash<QString, int> byFoldedName;
    QByteArray columnList;   // "NAME1","NAME2",... in field order
    // Per field: the quoted name of the narrowest whole index led by it, empty
    // when none. Scanning it reads the field with the row ids and nothing else.
    std::vector<QByteArray> leadingIndex;
    // Per text field: the quoted name of its trigram index (<TABLE>_<FIELD>_TRIGRAMAS,
    // an FTS5 table kept in step by triggers on this table), empty when none.
    std::vector<QByteArray> trigramIndex;

    // -1 when the table has no such field.
    int indexOf(const QString& fieldName) const {
        if (auto it = byName.constFind(fieldName); it != byName.constEnd()) return *it;
        return byFoldedName.value(fieldName.toCaseFolded(), -1);
    }
};

}  // namespace vorna::db
