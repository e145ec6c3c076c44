#include "documents/Form14.h"
#include "documents/StatusColours.h"

#include "common/ProgramState.h"

#include <QTimer>

namespace vorna::documents {

namespace {

const QColor ClearedText(0, 0, 255);

template <class Control>
Control* named(QWidget* window, const QString& name)
{
    return window->findChild<Control*>(name);
}

// Controls by name prefix and numbers: "Text", {1, 2, 3} for Text1 to Text3.
template <class Control>
std::vector<Control*> numbered(QWidget* window, const char* prefix, std::initializer_list<int> numbers)
{
    std::vector<Control*> controls;
    for (int n : numbers)
        if (Control* c = named<Control>(window, QString::fromLatin1(prefix) + QString::number(n)))
            controls.push_back(c);
    return controls;
}

void emptyDateBox(ui::MaskEdBox* box)
{
    box->setMask(QString());
    box->setText(QString());
    box->setMask(QStringLiteral("##/##/####"));
}

}  // namespace

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

    for (QWidget* c : std::initializer_list<QWidget*>{ui->Combo2, ui->Combo3, ui->Combo5, ui->Text4})
        c->setEnabled(true);

    for (ui::TextBox* box : numbered<ui::TextBox>(this, "Text", {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17,
                                                               18, 19, 20, 21, 25, 26, 29, 31, 32, 33, 34, 35}))
        box->setText(QString());
    ui->Text6->setPlainText(QString());
    ui->List1->Clear();

    for (ui::MaskEdBox* box : numbered<ui::MaskEdBox>(this, "MaskEdBox", {1, 2, 3, 4, 5, 6}))
        box->setText(QStringLiteral("0"));
    ui->MaskEdBox59->setEnabled(true);
    for (ui::MaskEdBox* box : numbered<ui::MaskEdBox>(this, "MaskEdBox", {7, 8, 9, 56, 58, 59, 60, 61}))
        emptyDateBox(box);
    for (ui::MaskEdBox* box : numbered<ui::MaskEdBox>(
             this, "MaskEdBox", {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 81, 57, 80, 75, 76, 82, 77}))
        box->setText(QStringLiteral("0"));
    ui->MaskEdBox78->setText(QString());
    ui->MaskEdBox83->setText(QString());

    ui->Option1->setValue(false);
    ui->Option2->setValue(false);
    for (ui::CheckBox* box : {ui->Check1, ui->Check9, ui->Check3, ui->Check4, ui->Check6, ui->Check7})
        box->setValue(ui::CheckBox::Unchecked);
    ui->Check5->setEnabled(true);
    ui->Check5->setValue(ui::CheckBox::Checked);

    for (ui::PickList* list : numbered<ui::PickList>(
             this, "Combo", {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}))
        list->setText(QString());
    ui->List1->Clear();
    const auto choosable = numbered<ui::PickList>(this, "Combo", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 19});
    for (ui::PickList* list : choosable)
        list->setListIndex(-1);

    for (ui::MaskEdBox* box : numbered<ui::MaskEdBox>(this, "MaskEdBox", {20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30,
                                                                         31, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71,
                                                                         72, 73}))
        box->setEnabled(true);

    // Undoes the status colours.
    for (QWidget* c : numbered<QWidget>(this, "Text", {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 13, 14, 17, 18, 19, 20, 21, 23,
                                                      24, 25, 26, 29, 32, 33}))
        setTextColour(*c, ClearedText);
    for (ui::PickList* list : choosable)
        setTextColour(*list, ClearedText);
    for (QWidget* c : numbered<QWidget>(this, "MaskEdBox", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                                                           17, 18, 19, 56, 58, 59, 60, 61, 78, 75, 76, 77, 82}))
        setTextColour(*c, ClearedText);
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
