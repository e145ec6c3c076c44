#include "health/Form5.h"

#include "common/WindowRefs.h"
#include "platform/controls/Twips.h"

namespace vorna {

health::Form5::Form5()
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Cadastro de Titulares e Dependentes"));
    resize(ui::twips(11715), ui::twips(3825));
}

ui::Window& windows::Form5() { return ui::windowRef<health::Form5>(); }

}  // namespace vorna
