#pragma once
#include "common/AuditRow.h"
#include "common/MessageTexts.h"
#include "common/NameFragmentSearch.h"
#include "common/RecordNavigation.h"
#include "common/RecordWindowPatternFields.h"
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

// The record window: a window that shows the rows of one table one at a time
// through a set of boxes and adds, alters and deletes them with "Gravar",
// "Limpar", "Excluir", finds them with "Consultar" and steps through them with
// the four navigation buttons. A window declares what it has (table, key,
// boxes and their fields, buttons, texts, navigation kind) and what differs
// (below); its handlers call the pattern:
//
//   void Form10::Form_Load()
//   {
//       RecordWindowSpec design;
//       design.table = "CIAS";
//       design.keyField = "CODIGO";
//       design.codeBox = ui->Text1;
//       design.nameBox = ui->Text2;
//       design.fields = {record::always("CODIGO", ui->Text1), record::always("NOME", ui->Text2),
//                      record::whenNotEmpty("META", ui->MaskEdBox11),
//                      record::whenNotBlank("CONTATO", ui->Text3), record::rate("JUR4", ui->MaskEdBox4)};
//       design.required = {{ui->Text2, msg::RequiredName}};
//       design.shownButton = ui->Command3D3;
//       design.focusAfterAlteration = design.focusAfterAddition = design.focusAfterDeletion = ui->Text1;
//       design.navigation = NavigationKind::Silent;
//       design.search.list = ui->List1;
//       design.search.listPlace = QRect(2220, 510, 4650, 4440);
//       design.search.codeNotFound = msg::InsurerNotFound;
//       record_ = std::make_unique<RecordWindowPattern>(std::move(design));
//   }
//   void Form10::Form_Unload() { record_.reset(); }
//   void Form10::ShowInsurer() { record_->Show(); }
//   void Form10::Command3D1_Click() { record_->SaveClick(); }      // "Gravar"
//   void Form10::Command3D8_Click() { record_->FirstClick(); }     // "Primeiro"
//
// A record counts as shown exactly while the shown button ("Excluir") is
// enabled. Show remembers which row it showed; "Gravar" and "Excluir" act on
// that row wherever a search has since moved the table's position.
namespace vorna {

// "Gravar" with a record shown: alter it, or (add-only windows) only clear.
enum class SaveMode { AlterOrAdd, AddOnly };
// After an addition:
//   KeepTypedValues  stand on the new row; the code box is emptied and the
//                    other boxes keep their text, for a further record
//   ReportNewKey     stand on the new row and report its key in the
//                    new-record box, then clear the window
enum class AfterAddition { KeepTypedValues, ReportNewKey };
enum class Deletion { AskFirst, WithoutQuestion, None };
// A write the database or a conversion refuses:
//   Reported   the write-failure box with the error number; the pending row is
//              dropped and "Gravar" goes on with its remaining steps
//   Unhandled  the failure leaves the handler as an unexpected failure; the
//              pending row is dropped and the window keeps its state
enum class WriteFailures { Reported, Unhandled };

struct RecordRequired {
    QWidget* box = nullptr;
    QString message;  // "PREENCHIMENTO OBRIGATORIO - NOME"
};

struct RecordTexts {
    QString newRecord;  // "Atendente Cadastrado com Codigo: " (ReportNewKey)
    QString newRecordTitle = msg::TitleNewRecord;
    QString writeFailure = msg::RecordLocked;
    QString duplicateKey;  // shown for 3022 in place of writeFailure when set
};

// The small overrides, each optional.
struct RecordHooks {
    // In Show, after the window is cleared and the shown button enabled;
    // false leaves the window blank (a right refusal that still counts as shown).
    std::function<bool()> mayShowValues;
    // "Gravar" on a shown record, before Validate; false stops.
    std::function<bool()> mayAlter;
    // "Gravar" on a new record, after Validate; false stops.
    std::function<bool()> mayAdd;
    // Before the new row is begun (a key the window computes from the table).
    std::function<void()> beforeNewRow;
    // Fields of a new row the boxes do not give (a computed key), set inside
    // Write, so a failure there is a failed write like any other.
    std::function<void(db::Recordset&)> fillNewRow;
    // Replaces the required list.
    std::function<bool()> validate;
    // "Excluir", before the question; false stops.
    std::function<bool()> mayDelete;
    // After an addition was stored, with the new row's key (before its audit row).
    std::function<void(const Variant& key)> added;
};

struct RecordWindowSpec {
    db::Database database;  // not open: the program's main database
    QString table;
    QString keyField;
    QString nameField = QStringLiteral("NOME");
    QWidget* codeBox = nullptr;
    QWidget* nameBox = nullptr;
    std::vector<record::Field> fields;
    std::vector<RecordRequired> required;

    QWidget* shownButton = nullptr;  // "Excluir" (or the window's alter button)
    QWidget* clearButton = nullptr;  // "Limpar": Show enables it

    SaveMode save = SaveMode::AlterOrAdd;
    bool validateAlteration = true;
    AfterAddition afterAddition = AfterAddition::KeepTypedValues;
    WriteFailures writeFailures = WriteFailures::Reported;
    Deletion deletion = Deletion::AskFirst;
    bool deletionDisablesClear = false;  // "Limpar" stays disabled until the next Show
    NavigationKind navigation = NavigationKind::WithMessage;

    // Where the focus goes; none leaves it.
    QWidget* focusAfterAlteration = nullptr;  // also after an add-only window's "Gravar" cleared it
    QWidget* focusAfterAddition = nullptr;
    QWidget* focusAfterDeletion = nullptr;
    QWidget* focusAfterClear = nullptr;

    RecordTexts texts;
    NameFragmentSearchSpec search;  // no list: the window has no search
    std::optional<AuditPhrases> audit;  // the window writes audit rows
    RecordHooks hooks;
};

class RecordWindowPattern {
public:
    // The window's load step: opens the table (and LOGUI for audit rows) and
    // shows nothing. Throws the engine's error for a table that is missing.
    explicit RecordWindowPattern(RecordWindowSpec design);

    // The four procedures.
    // Show: the current row into the boxes, after Clear; the shown button (and
    // "Limpar") enabled. The row is read before any box changes, so a row that
    // cannot be read leaves the window as it was.
    void Show();
    // The required boxes in order: the first blank one (trimmed) gets its box
    // ("ATENÇÃO!") and the focus.
    bool Validate();
    // The boxes into the pending row (already begun) and the store; false when
    // a Reported failure was shown. Nothing of a failed write stays pending.
    bool Write();
    // Every bound box empty; buttons and pick list untouched.
    void Clear();

    // The handlers.
    void SaveClick();       // "Gravar"
    void ClearClick();      // "Limpar"
    void DeleteClick();     // "Excluir"
    void AlterClick();      // an alter button of its own: saves the shown record
    void SearchClick();     // "Consultar"
    void PickClick();       // a click on the pick list
    void FirstClick();      // "Primeiro"
    void PreviousClick();   // "Anterior"
    void NextClick();       // "Próximo"
    void LastClick();       // "Último"

    bool isShown() const;
    // Ends the shown state (disables the shown button).
    void endShown();

    // Building blocks for a window that overrides a handler.
    // Begins a new row, writes it and, when stored, stands on it; the key the
    // row was stored with, or none after a failed write.
    std::optional<Variant> addRecord();
    // Edits the shown row and writes it; false after a failed write.
    bool alterShownRecord();
    // Deletes the shown row.
    void deleteShownRecord();
    void writeAudit(const Variant& code, const QString& remarks);

    db::Recordset& recordset() { return rs_; }
    AuditLog& auditLog() { return audit_; }
    NameFragmentSearch* search() { return search_.get(); }
    const RecordWindowSpec& design() const { return spec_; }

private:
    static void focus(QWidget* box);
    void alterShown();
    QString codeText() const;
    QString nameText() const;

    RecordWindowSpec spec_;
    db::Recordset rs_;
    AuditLog audit_;
    std::unique_ptr<NameFragmentSearch> search_;
    Variant shownRow_;  // the bookmark of the row Show showed
    bool shown_ = false;  // for a window without a shown button
};

}  // namespace vorna
