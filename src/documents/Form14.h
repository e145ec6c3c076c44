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
    // Shows the password panel for a protected change (2 commission %, 4
    // producer, 7 instalment count) with the focus in its box.
    void OpenDocumentPasswordPanel(int action);

    DocumentWindowState values_;
    ui::WhileLoaded<DocumentRecordsets> recordsets_;
    QPointer<QTimer> Timer1;  // one of the controls
};

}  // namespace vorna::documents
