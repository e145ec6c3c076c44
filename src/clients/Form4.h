#pragma once
#include "common/GridSearch.h"
#include "common/PasswordPanel.h"
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "ui_Form4.h"

#include <QDate>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
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

    // The proposal of a document, by its line of business. No button runs it.
    void PrintProposalDocument();

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

    // Reports and leaving (Form4Reports.cpp, Form4Leave.cpp).
    void connectReportsAndLeaving();
    void Command3D12_Click();  // "Imprimir Apólices do Estipulante"
    void Command3D10_Click();  // "Imprimir Posição de Cliente"
    void Command3D11_Click();  // "Imprimir Ficha de Cliente"
    void Command3D24_Click();  // "Anexos"
    // Nothing assigns these: the proposal prints with them as they start.
    int16_t ProposalPrintNumber = 0;
    int16_t ProposalPrintTop = 0;
    int16_t ProposalPrintLeft = 0;
    QString ProposalPrintTitle;

    // ---- side panels, referral search, contact-history hand-over and the
    // conversation profile. Their buttons lie outside the window: tests call
    // them as the buttons would.
VORNA_CONTROLS_ACCESS:
    void connectSidePanels();
    void Command3D13_Click();  // shows the prospects panel
    void Command3_Click();     // "Retornar" of the prospects panel
    void Command3D28_Click();  // shows the pending-instalments panel
    void Command3D30_Click();
    void Command3D31_Click();  // shows the relations panel
    void Command3D32_Click();
    void Command3D33_Click();  // refills the relation name list
    void Command3D34_Click();  // adds a relation
    void Command3D35_Click();  // the referral search
    void List2_Click();
    void Command3D29_Click();  // "Histórico de Contatos"
    void FillRelationClientList();
    void Command3D25_Click();  // builds the profile
    void Command3D26_Click();  // closes it
    void ComputeSunSign();
    void FindChineseYearSign();
    void AppendPersonalityTexts();

    // The profile's readings of the last birth date; kept while the window exists.
    int16_t BirthDay = 0;
    int16_t BirthMonth = 0;
    QDate BirthDate;
    QString SunSign;
    QString SunSignMark;
    QString BirthSeason;
    QString ChineseSign;

private:
    ui::WhileLoaded<RecordBinding> client_;
    ui::WhileLoaded<RecordButtons> buttons_;
    ui::WhileLoaded<db::Recordset> producers_;
    QPointer<PasswordPanel> deletionPanel_;  // one of the controls

    // ---- searches by address, city and telephone, and the name correction
    // (Form4Search.cpp, Form4NameCorrection.cpp)
    void connectGridSearches();
    void LoadGridSearches();
    // The Click of the search button of member `member` (Command3D14 ... Command3D23).
    void GridSearch_Click(size_t member);
    void MSFlexGrid1_Click();
    void Command3D27_Click();  // "Corrigir Nome do Estipulante nos Documentos"
    bool CorrectNameInDocuments(const QString& code);
    ui::WhileLoaded<std::vector<GridSearch>> gridSearches_;
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
