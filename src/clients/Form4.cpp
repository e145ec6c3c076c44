#include "clients/Form4.h"

#include "common/WindowRefs.h"
#include "platform/controls/Twips.h"

namespace vorna {

clients::Form4::Form4()
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Cadastro de Estipulantes"));
    resize(ui::twips(11700), ui::twips(6090));
}

ui::Window& windows::Form4() { return ui::windowRef<clients::Form4>(); }

}  // namespace vorna
