#pragma once
#include "common/PasswordPanel.h"
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "ui_Form4.h"

#include <QPointer>
#include <QString>
#include <array>
#include <vector>

namespace vorna::clients {

// The client (stipulant) window. Its boxes follow the client table field by
// field: the identification, address, telephone, e-mail and contact panels lie
// inside the window, the personal data, label options, profile and referral
// boxes outside it (reached with Tab only), and the prospects, pending
// instalments and relations panels stay hidden. A third-level user only
// consults, and sees a client only when its producer is the user's own.
class Form4 : public ui::DesignedWindow<Ui::Form4> {
    Q_OBJECT
public:
    Form4();

protected:
    void connectControls() override;
    void Form_Load() override;

private:
    // The load step's parts.
    void FillPickLists();
    // The key filters, the score-code checks and the date boxes' rules.
    void connectInputRules();
    void FillProducerList();
    void OpenForDocumentClient();

    // The fields that show, clear and write by the common rules; the codes,
    // lists, digits and constants have rules of their own (ShowRuledFields,
    // SaveClientFields).
    std::vector<record::Field> BoundFields();
    // The relations panel's five slots: code, name and complement boxes.
    struct SlotBox {
        QString field;
        QWidget* box = nullptr;
    };
    struct RelationSlot {
        SlotBox code, name, complement;
    };
    std::array<RelationSlot, 5> relationSlots() const;

    // Show: the owner rule between the clearing and the shown state, then the
    // values the binding does not put.
    bool MayShowToOwner();
    void ShowRuledFields();
    void ShowProducerName();
    // What the clearing adds to the bound boxes.
    void ClearClientForm();
    bool ValidateClientRequiredFields();
    // Every field of the pending row from the window (the row is not stored).
    void SaveClientFields(db::Recordset& rs);
    // The whole save of "Gravar": the row and its audit row, stored together
    // or not at all; false after the write-failure box.
    bool StoreClient(bool altering);
    void DeleteShownClient();

    void Command3D1_Click();   // "Gravar"
    void Command3D2_Click();   // "Limpar"
    void Command3D3_Click();   // "Excluir"
    void Command3D4_Click();   // "Consultar"
    void Command3D21_Click();  // the name search beside the name box
    void Command3D5_Click();   // "Sair"
    void Command3D8_Click();   // "Primeiro"
    void Command3D9_Click();   // "Anterior"
    void Command3D6_Click();   // "Próximo"
    void Command3D7_Click();   // "Último"
    void Text1_LostFocus();
    void Text29_LostFocus();
    void List1_Click();
    void Combo2_LostFocus();
    void Combo8_Click();
    void MaskEdBox2_GotFocus();

    ui::WhileLoaded<RecordBinding> client_;
    ui::WhileLoaded<RecordButtons> buttons_;
    ui::WhileLoaded<db::Recordset> producers_;
    QPointer<PasswordPanel> deletionPanel_;  // one of the controls

    // ---- the entry rules: taxpayer number, producer code, postal codes, e-mail
    // and web-page boxes, map link (Form4TaxNumber.cpp, Form4Address.cpp,
    // Form4Links.cpp)
    struct AddressBoxes {
        ui::TextBox* code;
        ui::PickList* state;
        ui::TextBox* address;
        ui::TextBox* city;
        ui::TextBox* district;
    };
    void connectEntryRules();
    void Text17_GotFocus();
    bool Text17_LostFocus();  // false keeps the user in the box
    // The first other client holding the number: the recordset stands on it.
    bool FindClientWithTaxNumber(const QString& number);
    bool Text18_LostFocus();
    void OpenPostalCodes();
    static void PostalCodeGotFocus(ui::TextBox* box);
    void PostalCodeLostFocus(const AddressBoxes& boxes);
    db::Recordset* postalCodeTable(const QString& state) const;
    void Frame3D5_MouseMove();
    void Picture4_Click();
    ui::WhileLoaded<db::Recordset> postalCodesSP_;
};

}  // namespace vorna::clients
