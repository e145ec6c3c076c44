#pragma once
#include "documents/DocumentWindowState.h"
#include "documents/instalments/PanelRows.h"
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "ui_Form14.h"

#include <QPointer>
#include <QString>
#include <functional>

class QTimer;

namespace vorna {
class PasswordPanel;
struct GridSearchDesign;
}  // namespace vorna

namespace vorna::documents {

class DocumentFields;

// The recordsets the document window keeps while it is loaded, one per table,
// each over the whole table as it stood at the opening.
struct DocumentRecordsets {
    // Quotation database.
    db::Recordset COTACAO, COTEXTO;
    // Main database.
    db::Recordset AUTOMOVEL, MULTIRISCO, DOCUMENTOS, DOCUMORTOS, CLIENTES, NAOCLIENTES, OUTROS, GRUPO, SINISTRO,
        RAMOS, LOGUI, TMP, CIAS, ATENDE, PRODUTOR, PARCELAS;
};

// The policy document window: the client row, the header and the observations
// lie inside it; payment, premium, commission, producers and the loose header
// boxes lie outside, reached with Tab only; the co-insurer, insured-object,
// post-sale and instalment panels stay hidden until code shows them.
class Form14 : public ui::DesignedWindow<Ui::Form14> {
    Q_OBJECT
public:
    // What the look-up lists keep with each name: the key of the row it came
    // from (CODIGO; XCONPG for attendants) and, for producers, the row's FILIAL.
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int BranchRole = Qt::UserRole + 1;

    Form14();

    // The window's own values: kept from one opening to the next.
    DocumentWindowState& values() { return values_; }
    // The recordsets of the current opening; only while the window is loaded.
    DocumentRecordsets& recordsets() { return *recordsets_; }
    // The field table over this loading's controls, built at its first use.
    DocumentFields& fieldTable();

    // Returns the window to its empty state (no document shown).
    void ClearDocumentForm();
    // Puts the current row of DOCUMENTOS on the window, under the viewing rules.
    void ShowDocument();
    void FillDocumentLists();
    void DefaultPolicyCost();

    // ---- saving, the password panel, deletion and the header dates ----
    // The header check before a save: false after the first failing check's
    // message, the focus on its box where that box can take it.
    bool ValidateDocumentHeader();
    // Settles premium, commission and producer values in the boxes; a box text
    // that is no number raises the runtime's 13 (the save then stores nothing).
    void RecalculatePremiumAndCommission();
    // The client of an imported quotation: found by CPF or added to CLIENTES,
    // its code put into Text9. Nothing without an import.
    void GRAVCLI();
    // The insured objects and instalment rows of the document numbered in Text1
    // (branch in Text23). Callers run them inside their own transaction.
    void DeleteInsuredObjects();
    void DeleteDocumentInstalments();
    // The password panel's openers: stores the action (1 delete, 2 commission
    // %, 3 settlements, 4 producer, 7 instalment count), places the panel (Top
    // 3630 for a deletion, 4740 otherwise), empties and focuses Text12. The
    // commission %, instalment count and producer code boxes call it when a
    // stored document's value changed, leaving the new value in the box.
    void OpenPasswordPanel(int action);

    // ---- the instalment recalculation chain (Form14InstalmentPanel*.cpp) ----
    // Reloads the stored instalments, or opens the panel for a document with
    // none, and works out what is still open per instalment. A count outside
    // 1 to 12 or an amount that does not read raises before anything changes.
    void RecalculateInstalments();
    void LoadInstalmentGrid();
    void OpenInstalmentPanel();
    void FillInstalmentGridFromRamo();
    // Adds the rows of instalments 1 to 12 the current document lacks, all or
    // none in one transaction.
    void RegenerateMissingInstalments();

protected:
    void connectControls() override;
    void Form_Load() override;

private:
    // Opens every table of the window; false, after a box naming the table or
    // database that failed, when one cannot be opened.
    bool OpenDocumentRecordsets();
    void PositionOnReturnedDocument();
    // The show itself; ShowDocument answers its engine errors.
    void ShowDocumentRow();
    void paintDesignColours();

    void Command3D1_Click();  // "Limpar"
    void Command3D5_Click();  // "Sair"
    void Combo1_Click();
    void Timer1_Timer();

    // ---- saving, the password panel, deletion and the header dates ----
    void connectSaveAndDeletion();
    void Command3D2_Click();  // "Avançar e Gravar"
    void Command3D3_Click();  // "Excluir"
    void Text12_LostFocus();
    void MaskEdBox8_LostFocus();
    void MaskEdBox9_LostFocus();
    void MaskEdBox61_LostFocus();
    void ProducerName_GotFocus(int slot);
    void ProducerName_LostFocus(int slot);
    bool SaveNewDocument();
    bool SaveStoredDocument();
    // The shown document's row found again by Text1 and Text23; false when
    // no row has that number and branch.
    bool FindShownDocument();
    void DeleteShownDocument();
    void PutBackPendingChange(int action);
    void PutBackProducers();
    // One row of RegenerateMissingInstalments, inside its transaction.
    void AddMissingInstalment(int32_t number, const Variant& dueDate);
    // Puts a computation's rows on the instalment panel.
    void applyPanelRows(const instalments::PanelRows& rows);
    QString keptProducerName(int slot) const;
    void ClosePasswordPanel();
    // Header look-ups: policy number entry, client and insurer look-ups, the
    // finders, the name-to-code lists, the result-grid pick and the co-insurer
    // panel (Form14PolicyNumber.cpp ... Form14Coinsurers.cpp).
public:
    // Boxes outside reach, disabled for good; only code calls their handlers.
    void Text30_LostFocus();
    void Text23_LostFocus();

private:
    void connectHeaderLookups();
    void Text2_LostFocus();
    void Text9_LostFocus();
    void Command5_Click();
    void List9_Click();
    void Command6_Click();
    // False when the code is unknown: the focus goes back into the box.
    bool Text7_LostFocus();
    bool Text11_LostFocus();
    void Text1_LostFocus();
    void Combo3_Click();
    void Combo4_Click();
    void Combo5_Click();
    void Combo5_GotFocus();
    void Combo6_Click();
    void Combo8_Click();
    void Combo9_Click();
    void Combo10_Click();
    void Combo14_Click();
    void Combo18_Click();
    void Combo19_Click();
    void MSFlexGrid1_Click();
    void Command1_Click();
    void Command2_Click();
    // The client row's boxes and branch values from the current CLIENTES row.
    void PutClientBranch();
    // The policy's terms from the current DOCUMENTOS row into an endorsement's
    // header; the commission boxes read "0" where the show would hide them.
    void CopyPolicyTerms();
    // Owner of the current DOCUMENTOS row by its first producer, and the
    // viewing rules for it: false after the refusal's box.
    Variant OwnerOfCurrentDocument();
    bool ViewingRulesAllow(const Variant& owner);
    // Field entry: the line of business, premium, commission and producer
    // boxes, the key filters, select-on-focus and the date checks.
    void connectFieldEntry();
    bool Text4_LostFocus();
    void MaskEdBox1_LostFocus();
    void MaskEdBox3_GotFocus();
    void MaskEdBox4_GotFocus();
    void Text20_GotFocus();
    bool Text20_LostFocus();
    void MaskEdBox10_LostFocus();
    void MaskEdBox6_GotFocus();
    void MaskEdBox6_LostFocus();
    // Producer slots 1 to 5 (Text18, Text25, Text26, Text32, Text33).
    void ProducerCode_GotFocus(int slot);
    void ProducerCode_LostFocus(int slot);
    void Text18_GotFocus() { ProducerCode_GotFocus(1); }
    void Text18_LostFocus() { ProducerCode_LostFocus(1); }
    void Text25_GotFocus() { ProducerCode_GotFocus(2); }
    void Text25_LostFocus() { ProducerCode_LostFocus(2); }
    void Text26_GotFocus() { ProducerCode_GotFocus(3); }
    void Text26_LostFocus() { ProducerCode_LostFocus(3); }
    void Text32_GotFocus() { ProducerCode_GotFocus(4); }
    void Text32_LostFocus() { ProducerCode_LostFocus(4); }
    void Text33_GotFocus() { ProducerCode_GotFocus(5); }
    void Text33_LostFocus() { ProducerCode_LostFocus(5); }

    DocumentWindowState values_;
    ui::WhileLoaded<DocumentRecordsets> recordsets_;
    ui::WhileLoaded<DocumentFields> fields_;
    QPointer<QTimer> Timer1;  // one of the controls
    QPointer<PasswordPanel> passwordPanel_;  // one of the controls

    // Searches and result grid, navigation, hover captions, the portal and
    // "Anexos", the buttons outside the window and the status list.
public:
    void Command3D4_Click();   // "Consultar": by number, or the client's documents by name
    void Command3D18_Click();  // policies whose number contains Text2
    void Command3D27_Click();  // documents of any type whose policy number contains Text2
    void Command3D29_Click();  // documents whose pending matters contain Text34
    void Command3D8_Click();   // "Primeiro"
    void Command3D9_Click();   // "Anterior"
    void Command3D6_Click();   // "Próximo"
    void Command3D7_Click();   // "Último"
    void Command3D10_Click();  // the insurer's broker portal
    void Command3D13_Click();  // "Anexos"
    void Command3D11_Click();  // "Arquivo Morto"
    void Command3D14_Click();  // "Relatórios"
    void Command3D15_Click();  // "Emissões e Certificados"
    void Command3D20_Click();  // "Baixas de Comissões"
    void Command3D22_Click();  // "Pós Venda"
    void Command3D24_Click();  // "Sinistro na Apólice"
    void Command3_Click();     // the claims button
    void Combo1_LostFocus();
    // The first twelve instalments of document InstalmentDeleteLimit into the
    // certificate hand-over lists.
    void LoadInstalmentsForCertificate();
    // Moves the shown document, found again by Text1, into DOCUMORTOS with
    // its instalment rows deleted; false when the window is to stay as it was.
    bool ArchiveDocument();
    // The post-sale panel Frame3D15.
    void MaskEdBox74_LostFocus();
    void Command4_Click();  // "Retornar"

private:
    void connectSearchesAndToolbar();
    void configureHoverCaptions();
    bool listDocuments(GridSearchDesign design);
    void settlementHandOver();
    QPointer<PasswordPanel> settlementPanel_;
    void connectPostSale();
    // PROPOSTA of the document whose values the post-sale panel loaded.
    std::optional<int32_t> postSaleDocument_;
    // The status list was changed by hand since the document was shown.
    bool statusPickedSinceShow_ = false;

    // The instalment panel's "Finaliza Gravação" and the writers of a
    // document's twelve PARCELAS rows (Form14InstalmentPanel.cpp,
    // Form14InstalmentWriters.cpp). Each writer stores all its rows or none.
public:
    void Command3D17_Click();  // "Finaliza Gravação"
    void Command3D17_MouseMove();
    void Frame3D16_MouseMove();
    void ZeroEmptyCommissionColumn();
    void ZeroEmptyRepasseColumn();
    void InsertDocumentInstalments();
    void WriteNewInstalments();
    void PrepareInstalmentArrays();
    void RewriteStoredInstalments();
    void UpdateInstalmentsSameCount();

private:
    void writeNewSchedule(bool fixedRules);
    // PROPOSTA in Text1; any text but a whole number raises 13.
    int32_t documentNumber() const;
    void finishStoredDocument();
    void openItemWindow(bool newDocument);
};

}  // namespace vorna::documents
