#include "documents/Form14.h"

#include "common/WindowRefs.h"
#include "platform/controls/Twips.h"

namespace vorna {

documents::Form14::Form14()
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Cadastro de Apólices"));
    resize(ui::twips(11895), ui::twips(6150));
}

ui::Window& windows::Form14() { return ui::windowRef<documents::Form14>(); }

}  // namespace vorna
