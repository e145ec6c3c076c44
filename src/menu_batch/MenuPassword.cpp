#include "menu_batch/MenuPassword.h"

#include "platform/runtime/Runtime.h"

namespace vorna::menu_batch {

MenuPasswordOutcome checkMenuPassword(int16_t action, const QString& entry, const QString& settlementPassword)
{
    using Kind = MenuPasswordOutcome::Kind;
    if (rt::Trim(entry).isEmpty())
        return {Kind::Cancelled, {}};
    switch (action) {
    case menu_password::ShowSettlements:
        if (rt::Trim(entry) != rt::Trim(settlementPassword))
            return {Kind::Refused, menu_password::SettlementsRefused};
        return {Kind::Accepted, {}};
    case menu_password::Archive:
        if (entry != menu_password::ArchivingWord)
            return {Kind::Refused, menu_password::ArchivingRefused};
        return {Kind::Accepted, {}};
    default: return {Kind::Ignored, {}};
    }
}

}  // namespace vorna::menu_batch
