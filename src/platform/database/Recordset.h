#pragma once
#include "platform/database/Database.h"
#include <QString>
#include <memory>

namespace vorna::db {

// An updatable dynaset: the ids of the table's rows in table order, rows read on
// access so other workstations' changes are seen, rows added here kept at the end.
// Copies share one position (like two references to one recordset object).
class Recordset {
public:
    class FieldRef;

    Recordset() = default;
    bool isOpen() const { return bool(d_); }
    QString tableName() const;

    // Moves. A move past either end sets BOF/EOF; a move on an empty set raises 3021.
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    bool BOF() const;
    bool EOF() const;
    // Rows visited so far; after MoveLast, the number of rows.
    long RecordCount() const;

    // Criteria finds; NoMatch tells the outcome. On a miss the current row stays.
    void FindFirst(const QString& criteria);
    void FindNext(const QString& criteria);
    void FindLast(const QString& criteria);
    void FindPrevious(const QString& criteria);
    bool NoMatch() const;

    // Writes: buffered between AddNew/Edit and Update; each Update and Delete is
    // one transaction.
    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    void Delete();
    enum class EditMode { None, InProgress, Add };
    EditMode editMode() const;

    // Fields by name, any letter case. Unknown names raise 3265.
    Variant field(const QString& name) const;
    void setField(const QString& name, const Variant& value);
    FieldRef operator[](const QString& name);
    Variant operator[](const QString& name) const { return field(name); }

    // The current row's identity, to come back to it later (Bookmark).
    Variant bookmark() const;
    void setBookmark(const Variant& mark);

    QStringList fieldNames() const;

    class FieldRef {
    public:
        FieldRef(Recordset& rs, QString name) : rs_(rs), name_(std::move(name)) {}
        operator Variant() const { return rs_.field(name_); }
        Variant value() const { return rs_.field(name_); }
        FieldRef& operator=(const Variant& v) { rs_.setField(name_, v); return *this; }
        FieldRef& operator=(const FieldRef& o) { rs_.setField(name_, o.value()); return *this; }

    private:
        Recordset& rs_;
        QString name_;
    };

    struct Impl;

private:
    std::shared_ptr<Impl> d_;
    friend class Database;
};

}  // namespace vorna::db
