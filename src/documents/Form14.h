#pragma once
#include "documents/DocumentWindowState.h"
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "ui_Form14.h"

#include <QPointer>
#include <QString>

class QTimer;

namespace vorna::documents {

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

    // Returns the window to its empty state (no document shown).
    void ClearDocumentForm();
    // Puts the current row of DOCUMENTOS on the window, under the viewing rules.
    void ShowDocument();
    void FillDocumentLists();
    void DefaultPolicyCost();

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

    DocumentWindowState values_;
    ui::WhileLoaded<DocumentRecordsets> recordsets_;
    QPointer<QTimer> Timer1;  // one of the controls
};

}  // namespace vorna::documents
