#pragma once
#include "platform/database/Recordset.h"
#include "platform/runtime/EngineError.h"

#include <QString>
#include <QVariant>

namespace vorna::ui {
class PickList;
}

// What the document header's look-ups share: the row a pick names and a
// recordset position kept across a look-up.
namespace vorna::documents {

// Puts the recordset back on the row it stood on when the guard was made, so a
// look-up leaves the shown document current for the save and the deletion.
class KeepPosition {
public:
    explicit KeepPosition(db::Recordset& rs) : rs_(rs)
    {
        try {
            mark_ = rs_.bookmark();
        } catch (const EngineError&) {
            // No current row: nothing to come back to.
        }
    }
    ~KeepPosition()
    {
        if (mark_.isEmpty())
            return;
        try {
            rs_.setBookmark(mark_);
        } catch (const EngineError&) {
            // The row was deleted meanwhile; the look-up's own row stays current.
        }
    }
    KeepPosition(const KeepPosition&) = delete;
    KeepPosition& operator=(const KeepPosition&) = delete;

private:
    db::Recordset& rs_;
    Variant mark_;
};

// Finds the row a name list's text stands for: the entry chosen, by the key it
// keeps (and the producer's branch), when the text is that entry's; else the
// first row whose NOME holds the text literally. False when none is found.
bool findNamedRow(db::Recordset& rs, const ui::PickList& list);

}  // namespace vorna::documents
