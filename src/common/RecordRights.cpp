#include "common/RecordRights.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"

namespace vorna {

bool mayStoreRecord(bool altering)
{
    const Session& session = vorna::state().session;
    if (session.AccessLevelWord == level::Minimum) {
        msg::refusedByLevel();
        return false;
    }
    if (!session.hasRight(altering ? Right::ACC : Right::ICC)) {
        msg::refusedByRight();
        return false;
    }
    return true;
}

bool mayDeleteRecord()
{
    const Session& session = vorna::state().session;
    if (!session.hasRight(Right::ECC)) {
        msg::refusedByRight();
        return false;
    }
    if (session.AccessLevelWord == level::Medium || session.AccessLevelWord == level::Minimum) {
        msg::refusedByLevel();
        return false;
    }
    return true;
}

}  // namespace vorna
