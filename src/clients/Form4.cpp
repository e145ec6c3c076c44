#include "clients/Form4.h"

#include "common/ToolbarPictures.h"
#include "common/WindowRefs.h"

#include <QStyle>

namespace vorna {

clients::Form4::Form4()
{
    setObjectName(QStringLiteral("Form4"));
    setFixedWithoutCloseBox();
}

void clients::Form4::connectControls()
{
    setToolbarPictures({
        {ui->Command3D1, QStyle::SP_DialogSaveButton},      {ui->Command3D2, QStyle::SP_DialogResetButton},
        {ui->Command3D3, QStyle::SP_TrashIcon},             {ui->Command3D4, QStyle::SP_FileDialogContentsView},
        {ui->Command3D12, QStyle::SP_FileDialogDetailedView}, {ui->Command3D24, QStyle::SP_DirOpenIcon},
        {ui->Command3D27, QStyle::SP_BrowserReload},        {ui->Command3D5, QStyle::SP_DialogCloseButton},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward},     {ui->Command3D9, QStyle::SP_MediaSeekBackward},
        {ui->Command3D6, QStyle::SP_MediaSeekForward},      {ui->Command3D7, QStyle::SP_MediaSkipForward},
        {ui->Command3D21, QStyle::SP_FileDialogContentsView}, {ui->Command3D14, QStyle::SP_FileDialogContentsView},
        {ui->Command3D22, QStyle::SP_FileDialogContentsView}, {ui->Command3D15, QStyle::SP_FileDialogContentsView},
        {ui->Command3D23, QStyle::SP_FileDialogContentsView}, {ui->Command3D20, QStyle::SP_FileDialogContentsView},
        {ui->Command3D17, QStyle::SP_FileDialogContentsView}, {ui->Command3D18, QStyle::SP_FileDialogContentsView},
        {ui->Command3D19, QStyle::SP_FileDialogContentsView}, {ui->Command3D16, QStyle::SP_FileDialogContentsView},
    });
}

ui::Window& windows::Form4() { return ui::windowRef<clients::Form4>(); }

}  // namespace vorna
