#include "documents/DocumentFields.h"
#include "documents/Form14.h"

#include "common/ProgramState.h"

#include <QTimer>

namespace vorna::documents {

void Form14::ClearDocumentForm()
{
    // The claim signal off.
    Timer1->stop();
    for (QWidget* hidden : std::initializer_list<QWidget*>{ui->Label6, ui->Command3, ui->Frame3D16, ui->Frame1})
        hidden->setVisible(false);

    values_.ClientBranch = 0;
    values_.CoinsurerCodes = {};
    ui->Text23->setText(QStringLiteral("1"));
    values_.LoadedInstalmentCount = 0;
    values_.Instalments.SameCountFlag = 0;
    // A quotation imported for one document never gives a later one its client.
    values_.ImportedProspect = {};
    values_.PreviousProducerCode = {};
    values_.PreviousProducerCode5 = 0;

    ClearDocumentControls(fieldTable());
}

void Form14::Command3D1_Click()
{
    ClearDocumentForm();
    for (QWidget* button : std::initializer_list<QWidget*>{ui->Command3D3, ui->Command3D13, ui->Command3D11,
                                                           ui->Command3D15, ui->Command3D16, ui->Command3D20,
                                                           ui->Command3D22})
        button->setEnabled(false);
    ui->MSFlexGrid1->setVisible(false);
}

// The window's values stay for the next opening; only its controls go.
void Form14::Command3D5_Click()
{
    vorna::state().handOver.CallerCode = Variant(caller::Normal);
    Unload();
}

}  // namespace vorna::documents
