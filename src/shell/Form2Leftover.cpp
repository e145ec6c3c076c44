#include "shell/Form2.h"

namespace vorna::shell {

void Form2::RunLeftoverMenuItem(menu_batch::LeftoverItem item)
{
    ensureLoaded();
    menu_batch::runLeftoverMenuItem(item, *ui->CrystalReport1);
}

}  // namespace vorna::shell
