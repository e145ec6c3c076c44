#include "documents/Form14.h"

#include "platform/controls/Twips.h"

namespace vorna::documents {

// The changes of a stored document open the panel below the header, where the
// deletion's panel does not lie.
void Form14::OpenDocumentPasswordPanel(int action)
{
    values_.PendingPasswordAction = static_cast<int16_t>(action);
    ui->Frame3D2->move(ui->Frame3D2->x(), ui::twips(4740));
    ui->Frame3D2->setVisible(true);
    ui->Frame3D2->raise();
    ui->Text12->setFocus(Qt::OtherFocusReason);
}

}  // namespace vorna::documents
