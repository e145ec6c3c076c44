#pragma once
#include "platform/database/Recordset.h"

#include <functional>

// The four navigation buttons of a record window ("Primeiro", "Anterior",
// "Próximo", "Último"): move the window's recordset and show the row reached.
// A move past either end steps back and shows nothing new.
//
//   Silent       the window stays as it was, without a message; an empty
//                table is an end like any other.
//   WithMessage  stepping back, an empty table and any engine failure while
//                moving or showing end with "NAO HA REGISTROS CADASTRADOS"
//                (title "ATENÇÃO").
//
// The moves start from the recordset's current row, wherever the window's
// last action left it.
namespace vorna {

enum class NavigationKind { Silent, WithMessage };
enum class NavigationMove { First, Previous, Next, Last };

void navigate(db::Recordset& recordset, NavigationMove move, NavigationKind kind,
              const std::function<void()>& showCurrentRow);

}  // namespace vorna
