#pragma once
#include "platform/database/Database.h"
#include <QString>
#include <cstdio>
#include <memory>

// The C library's EOF macro would swallow Recordset::EOF(); <cstdio> is included
// first so that it cannot define the macro again later. Use
// std::char_traits<char>::eof() where the C value is needed.
#undef EOF

namespace vorna::db {

// An updatable dynaset: the table's rows in row-id order (the ascending key when
// the key is the row id), as they were at open, followed by the rows added
// through this recordset in the order added, even when other workstations add
// rows meanwhile. A row is read from the file when a move or find reaches it (and
// again at Edit), so other workstations' changes are seen; a row another
// workstation deletes is skipped by later moves, and Edit/Update/Delete on it
// raise 3167. No statement or lock is held between calls. In a long run of moves
// (or FindNext with one criteria) in one direction, rows are read a batch at a
// time; such a row may be up to 50 ms older than the move reaching it, and any
// write through this file's connection discards the batch (RecordsetImpl.h).
// Copies share one position (like two references to one recordset object).
class Recordset {
public:
    class FieldRef;

    Recordset() = default;
    bool isOpen() const { return bool(d_); }
    QString tableName() const;

    // Moves. A move past either end sets BOF/EOF; the caller steps back. MoveFirst/
    // MoveLast on an empty set, MoveNext at EOF and MovePrevious at BOF raise 3021.
    // A move discards a pending AddNew/Edit.
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // A walk of known length: the next `steps` moves (MoveNext/MovePrevious) form
    // one run, and its first move reads those rows in one batch instead of one
    // statement per row. The rows so read carry the fields read so far on this
    // recordset; they follow the read-ahead rules of a long run. Any other move
    // or find forgets it.
    void ReadAhead(int steps);
    bool BOF() const;
    bool EOF() const;
    // The number of rows of the set; counted when first asked and again after each
    // MoveLast, kept up to date with this recordset's own additions and deletions.
    long RecordCount() const;

    // Criteria finds (see Criteria.h for the forms); NoMatch tells the outcome. On
    // a miss the current row stays. An unreadable criteria raises 3075 and changes
    // nothing. Each find is one indexed query from the current row id.
    void FindFirst(const QString& criteria);
    void FindNext(const QString& criteria);
    void FindLast(const QString& criteria);
    void FindPrevious(const QString& criteria);
    bool NoMatch() const;

    // Writes: buffered between AddNew/Edit and Update; each Update and Delete is
    // one transaction. Field values are converted to the field's type when
    // assigned: 13 when they cannot be, 3163 for a text longer than its field;
    // 3020 when nothing is pending. A failed assignment or Update drops the whole
    // pending row, so nothing half-filled can be stored later. Update raises 3022
    // for a duplicate key and 3260 when another workstation holds the lock for
    // about a second.
    // After AddNew + Update the current row is again the one current before
    // AddNew; the new row is the last of the set (MoveLast reads a key the engine
    // numbered). After Delete the current row is the deleted row's place: a field
    // read raises 3167, MoveNext goes to the following row, MovePrevious to the
    // preceding one. CancelUpdate with nothing pending does nothing.
    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    void Delete();
    enum class EditMode { None, InProgress, Add };
    EditMode editMode() const;

    // Fields by name, any letter case. Unknown names raise 3265; no current row
    // 3021; a deleted row 3167. During AddNew an unassigned field reads Null.
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
