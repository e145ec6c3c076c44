#include "documents/Form14.h"
#include "documents/StatusColours.h"

#include "common/Toolbar.h"
#include "common/ToolbarPictures.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"

#include <QPalette>
#include <QStyle>
#include <QTimer>

namespace vorna {

namespace {

const QColor WindowGrey(192, 192, 192);
const QColor EntryYellow(255, 255, 224);
const QColor EntryBlue(0, 0, 255);
const QColor AmountBlue(0, 0, 192);

void paint(QWidget* control, const QColor& base, const QColor& text)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, base);
    control->setPalette(palette);
    documents::setTextColour(*control, text);
}

}  // namespace

namespace documents {

Form14::Form14()
{
    setObjectName(QStringLiteral("Form14"));
    setFixedWithoutCloseBox();
}

void Form14::connectControls()
{
    const auto clickOf = [this](void (Form14::*handler)()) {
        return std::function<void()>([this, handler] { (this->*handler)(); });
    };
    installToolbar(this, std::vector<ToolbarEntry>{
        {ui->Command3D2, QStyle::SP_DialogSaveButton, ui->Label70, {}},
        {ui->Command3D1, QStyle::SP_DialogResetButton, ui->Label71, clickOf(&Form14::Command3D1_Click)},
        {ui->Command3D4, QStyle::SP_FileDialogContentsView, ui->Label73, {}},
        {ui->Command3D3, QStyle::SP_TrashIcon, ui->Label72, {}},
        {ui->Command3D13, QStyle::SP_DirOpenIcon, ui->Label40, {}},
        {ui->Command3D5, QStyle::SP_DialogCloseButton, ui->Label74, clickOf(&Form14::Command3D5_Click)},
        {ui->Command3D8, QStyle::SP_MediaSkipBackward, ui->Label64, {}},
        {ui->Command3D9, QStyle::SP_MediaSeekBackward, ui->Label49, {}},
        {ui->Command3D6, QStyle::SP_MediaSeekForward, ui->Label66, {}},
        {ui->Command3D7, QStyle::SP_MediaSkipForward, ui->Label68, {}},
        {ui->Command6, QStyle::SP_FileDialogDetailedView, ui->Label79, {}},
        // Outside the visible area or in a hidden panel: the pointer never reaches them.
        {ui->Command3D14, QStyle::SP_FileDialogDetailedView, ui->Label41, {}},
        {ui->Command3D15, QStyle::SP_FileDialogInfoView, ui->Label65, {}},
        {ui->Command3D16, QStyle::SP_BrowserReload, ui->Label75, {}},
        {ui->Command3D11, QStyle::SP_DriveHDIcon, ui->Label77, {}},
        {ui->Command3D20, QStyle::SP_DialogApplyButton, ui->Label76, {}},
        {ui->Command3D22, QStyle::SP_FileDialogInfoView, ui->Label78, {}},
        {ui->Command3D24, QStyle::SP_MessageBoxWarning, ui->Label27, {}},
        {ui->Command3D28, QStyle::SP_FileDialogNewFolder, ui->Label23, {}},
        {ui->Command3D17, QStyle::SP_DialogSaveButton, ui->Label39, {}},
    });
    setToolbarPictures({
        {ui->Command3D10, QStyle::SP_DriveNetIcon},
        {ui->Command3D18, QStyle::SP_FileDialogContentsView},
        {ui->Command3D27, QStyle::SP_FileDialogContentsView},
        {ui->Command3D29, QStyle::SP_FileDialogContentsView},
        {ui->Command5, QStyle::SP_FileDialogContentsView},
        {ui->Command3, QStyle::SP_MessageBoxWarning},
    });
    paintDesignColours();
    ui::on(ui->Combo1).Click(this, &Form14::Combo1_Click);
    connectHeaderLookups();
    connectFieldEntry();
    ui->Combo7->setText(QStringLiteral("ANTECIPADA"));

    // The claim signal: blinks the claim label while a shown policy has a claim.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connectSaveAndDeletion();
    connectSearchesAndToolbar();
    connectPostSale();
}

// Entry boxes light yellow with blue text, amount and date boxes on the
// info-tip colour with dark blue text (the password panel's red is in its design).
void Form14::paintDesignColours()
{
    setAutoFillBackground(true);
    QPalette window = palette();
    window.setColor(QPalette::Window, WindowGrey);
    setPalette(window);
    const QColor infoTip = palette().color(QPalette::ToolTipBase);
    for (QWidget* control : findChildren<QWidget*>()) {
        if (qobject_cast<ui::MaskEdBox*>(control))
            paint(control, infoTip, AmountBlue);
        else if (qobject_cast<ui::TextBox*>(control) || qobject_cast<ui::PickList*>(control) ||
                 qobject_cast<QPlainTextEdit*>(control))
            paint(control, EntryYellow, EntryBlue);
    }
}

// A status picked by hand colours the list alone.
void Form14::Combo1_Click() { ColourStatusList(*ui->Combo1); }

void Form14::Timer1_Timer() { ui->Label6->setVisible(ui->Label6->isHidden()); }

}  // namespace documents

ui::Window& windows::Form14() { return ui::windowRef<documents::Form14>(); }

}  // namespace vorna
