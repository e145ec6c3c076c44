// The entry rules' wiring, the e-mail and web-page boxes as links and the
// map of the main address.
#include "clients/Form4.h"

#include "common/DesktopLaunch.h"
#include "common/LinkStyleBoxes.h"
#include "common/ToolbarPictures.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/LeaveCheck.h"
#include "platform/runtime/Runtime.h"

#include <QStyle>

namespace vorna::clients {

void Form4::connectEntryRules()
{
    ui::on(ui->Text17).GotFocus(this, &Form4::Text17_GotFocus);
    ui::LeaveCheck::attach(ui->Text17, [this] { return Text17_LostFocus(); });
    ui::LeaveCheck::attach(ui->Text18, [this] { return Text18_LostFocus(); });

    const AddressBoxes main{ui->Text7, ui->Combo3, ui->Text4, ui->Text5, ui->Text20};
    const AddressBoxes commercial{ui->Text12, ui->Combo4, ui->Text9, ui->Text10, ui->Text21};
    for (const AddressBoxes& boxes : {main, commercial}) {
        ui::on(boxes.code)
            .GotFocus([box = boxes.code] { PostalCodeGotFocus(box); })
            .LostFocus([this, boxes] { PostalCodeLostFocus(boxes); });
    }

    LinkStyleBoxes::attach(ui->Text16, LinkStyleBoxes::Kind::Email, ui->Text2);
    LinkStyleBoxes::attach(ui->Text47, LinkStyleBoxes::Kind::Email, ui->Text2);
    LinkStyleBoxes::attach(ui->Text46, LinkStyleBoxes::Kind::WebPage, ui->Text2);
    ui::on(ui->Frame3D5).MouseMove(this, &Form4::Frame3D5_MouseMove);

    setToolbarPictures({{ui->Picture4, QStyle::SP_DirLinkIcon}});
    ui::on(ui->Picture4).Click(this, &Form4::Picture4_Click);
}

void Form4::Frame3D5_MouseMove() { LinkStyleBoxes::panelMouseMove({ui->Text16, ui->Text46, ui->Text47}); }

// The map of the main address; the commercial one is never sent.
void Form4::Picture4_Click()
{
    if (rt::Trim(ui->Text1->text()).isEmpty())
        return;
    launch::openWebMap(ui->Text4->text(), ui->Text5->text(), ui->Combo3->List(ui->Combo3->ListIndex()));
}

}  // namespace vorna::clients
