#include "documents/DocumentFields.h"
#include "documents/Form14.h"
#include "documents/StatusColours.h"

#include "common/ProgramState.h"

#include <QTimer>

namespace vorna::documents {

namespace {

const QColor ClearedText(0, 0, 255);

void emptyDateBox(ui::MaskEdBox* box)
{
    box->setMask(QString());
    box->setText(QString());
    box->setMask(QStringLiteral("##/##/####"));
}

}  // namespace

// Every control is reached through the window's own pointers: the clear runs
// before each show.
void ClearDocumentControls(const DocumentFields& window)
{
    Ui::Form14& u = window.ui;
    for (QWidget* c : std::initializer_list<QWidget*>{u.Combo2, u.Combo3, u.Combo5, u.Text4})
        c->setEnabled(true);

    for (ui::TextBox* box : {u.Text1,  u.Text2,  u.Text3,  u.Text4,  u.Text5,  u.Text7,  u.Text8,
                             u.Text9,  u.Text10, u.Text11, u.Text12, u.Text13, u.Text14, u.Text15,
                             u.Text17, u.Text18, u.Text19, u.Text20, u.Text21, u.Text25, u.Text26,
                             u.Text29, u.Text31, u.Text32, u.Text33, u.Text34, u.Text35})
        box->setText(QString());
    u.Text6->setPlainText(QString());
    u.List1->Clear();

    for (ui::MaskEdBox* box : {u.MaskEdBox1, u.MaskEdBox2, u.MaskEdBox3, u.MaskEdBox4, u.MaskEdBox5, u.MaskEdBox6})
        box->setText(QStringLiteral("0"));
    u.MaskEdBox59->setEnabled(true);
    for (ui::MaskEdBox* box : {u.MaskEdBox7, u.MaskEdBox8, u.MaskEdBox9, u.MaskEdBox56, u.MaskEdBox58, u.MaskEdBox59,
                               u.MaskEdBox60, u.MaskEdBox61})
        emptyDateBox(box);
    for (ui::MaskEdBox* box : {u.MaskEdBox10, u.MaskEdBox11, u.MaskEdBox12, u.MaskEdBox13, u.MaskEdBox14,
                               u.MaskEdBox15, u.MaskEdBox16, u.MaskEdBox17, u.MaskEdBox18, u.MaskEdBox19,
                               u.MaskEdBox81, u.MaskEdBox57, u.MaskEdBox80, u.MaskEdBox75, u.MaskEdBox76,
                               u.MaskEdBox82, u.MaskEdBox77})
        box->setText(QStringLiteral("0"));
    u.MaskEdBox78->setText(QString());
    u.MaskEdBox83->setText(QString());

    u.Option1->setValue(false);
    u.Option2->setValue(false);
    for (ui::CheckBox* box : {u.Check1, u.Check9, u.Check3, u.Check4, u.Check6, u.Check7})
        box->setValue(ui::CheckBox::Unchecked);
    u.Check5->setEnabled(true);
    u.Check5->setValue(ui::CheckBox::Checked);

    for (ui::PickList* list : {u.Combo3, u.Combo4, u.Combo5, u.Combo6, u.Combo7, u.Combo8, u.Combo9, u.Combo10,
                               u.Combo11, u.Combo12, u.Combo13, u.Combo14, u.Combo15, u.Combo16, u.Combo17,
                               u.Combo18, u.Combo19})
        list->setText(QString());
    u.List1->Clear();
    for (ui::PickList* list : {u.Combo1, u.Combo2, u.Combo3, u.Combo4, u.Combo5, u.Combo6, u.Combo7, u.Combo8,
                               u.Combo9, u.Combo10, u.Combo11, u.Combo12, u.Combo13, u.Combo14, u.Combo18, u.Combo19})
        list->setListIndex(-1);

    for (ui::MaskEdBox* box : {u.MaskEdBox20, u.MaskEdBox21, u.MaskEdBox22, u.MaskEdBox23, u.MaskEdBox24,
                               u.MaskEdBox25, u.MaskEdBox26, u.MaskEdBox27, u.MaskEdBox28, u.MaskEdBox29,
                               u.MaskEdBox30, u.MaskEdBox31, u.MaskEdBox62, u.MaskEdBox63, u.MaskEdBox64,
                               u.MaskEdBox65, u.MaskEdBox66, u.MaskEdBox67, u.MaskEdBox68, u.MaskEdBox69,
                               u.MaskEdBox70, u.MaskEdBox71, u.MaskEdBox72, u.MaskEdBox73})
        box->setEnabled(true);

    // Undoes the status colours.
    for (QWidget* c : window.statusColoured)
        setTextColour(*c, ClearedText);
}

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
