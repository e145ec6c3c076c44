#include "common/RecordNavigation.h"

#include "common/MessageTexts.h"

namespace vorna {

namespace {

// Moves; false when the move passed an end and stepped back.
bool move(db::Recordset& rs, NavigationMove move)
{
    switch (move) {
    case NavigationMove::First:
        rs.MoveFirst();
        return true;
    case NavigationMove::Last:
        rs.MoveLast();
        return true;
    case NavigationMove::Next:
        rs.MoveNext();
        if (rs.EOF()) {
            rs.MovePrevious();
            return false;
        }
        return true;
    case NavigationMove::Previous:
        rs.MovePrevious();
        if (rs.BOF()) {
            rs.MoveNext();
            return false;
        }
        return true;
    }
    return false;
}

}  // namespace

void navigate(db::Recordset& recordset, NavigationMove step, NavigationKind kind,
              const std::function<void()>& showCurrentRow)
{
    if (kind == NavigationKind::Silent) {
        try {
            if (!move(recordset, step))
                return;
        } catch (const EngineError& e) {
            // An empty table has no row to reach: nothing to show.
            if (e.number() != err::NoCurrentRecord)
                throw;
            return;
        }
        showCurrentRow();
        return;
    }
    try {
        if (!move(recordset, step)) {
            msg::endOfTable();
            return;
        }
        showCurrentRow();
    } catch (const EngineError&) {
        msg::endOfTable();
    }
}

}  // namespace vorna
