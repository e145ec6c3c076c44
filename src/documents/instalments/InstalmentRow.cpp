#include "documents/instalments/InstalmentRow.h"

#include "platform/runtime/Runtime.h"

namespace vorna::documents::instalments {

bool holdsText(const Variant& entry)
{
    if (entry.isEmpty() || entry.isNull())
        return false;
    return !rt::Trim(rt::CStr(entry)).isEmpty();
}

}  // namespace vorna::documents::instalments
