#include "health/Form7.h"

#include "common/WindowRefs.h"
#include "platform/controls/Twips.h"

namespace vorna {

health::Form7::Form7()
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Cadastro de Eventos"));
    resize(ui::twips(11715), ui::twips(6915));
}

ui::Window& windows::Form7() { return ui::windowRef<health::Form7>(); }

}  // namespace vorna
