#pragma once
#include "common/AuditRow.h"
#include "common/MessageTexts.h"
#include "common/NameFragmentSearch.h"
#include "common/RecordBinding.h"
#include "common/RecordNavigation.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

// The buttons of a record window over one binding: "Gravar", "Limpar",
// "Excluir", "Consultar" with its pick list, and "Primeiro", "Anterior",
// "Próximo", "Último". A record counts as shown exactly while the shown
// button ("Excluir") is enabled: Show enables it; "Limpar", "Excluir", a
// completed "Gravar" and a search that finds nothing disable it. "Gravar"
// alters the shown record, or adds one when none is shown.
//
//   RecordButtonsDesign buttons;
//   buttons.shownButton = ui->Command3D3;
//   buttons.focus.afterAlteration = buttons.focus.afterAddition = ui->Text1;
//   buttons.navigation = NavigationKind::Silent;
//   buttons.search.list = ui->List1;
//   buttons.search.codeNotFound = msg::InsurerNotFound;
//   ownUntilUnload(buttons_, std::make_unique<RecordButtons>(*insurer_, std::move(buttons)));
//
//   void Form10::Command3D1_Click() { buttons_->SaveClick(); }   // "Gravar"
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

// Where the focus goes after each action; none leaves it.
struct RecordFocus {
    QWidget* afterAlteration = nullptr;  // also after an add-only window's "Gravar" cleared it
    QWidget* afterAddition = nullptr;
    QWidget* afterDeletion = nullptr;
    QWidget* afterClear = nullptr;
};

// The small overrides, each optional.
struct RecordButtonHooks {
    // In Show, after the window is cleared and before the record counts as
    // shown; false is a refusal: the boxes stay blank and the buttons as they were.
    std::function<bool()> mayShow;
    // In Show, once the record counts as shown; false leaves the boxes blank
    // (a refusal that still counts as shown).
    std::function<bool()> mayShowValues;
    // "Gravar" on a shown record, before Validate; false stops.
    std::function<bool()> mayAlter;
    // "Gravar" on a new record, after Validate; false stops.
    std::function<bool()> mayAdd;
    // "Excluir", before the question; false stops.
    std::function<bool()> mayDelete;
    // After an addition was stored and reported, with the new row's key
    // (before its audit row).
    std::function<void(const Variant& key)> added;
    // After a deletion, once the shown state has ended.
    std::function<void()> deleted;
};

struct RecordButtonsDesign {
    QWidget* shownButton = nullptr;  // "Excluir" (or the window's alter button)
    QWidget* clearButton = nullptr;  // "Limpar": Show enables it
    // Buttons that go with the shown record: Show enables them, the end of
    // the shown state disables them (a record's card, its attachments).
    std::vector<QWidget*> shownWith;

    SaveMode save = SaveMode::AlterOrAdd;
    AfterAddition afterAddition = AfterAddition::KeepTypedValues;
    Deletion deletion = Deletion::AskFirst;
    NavigationKind navigation = NavigationKind::WithMessage;
    RecordFocus focus;

    QString newRecord;  // "Atendente Cadastrado com Codigo: " (ReportNewKey)
    QString newRecordTitle = msg::TitleNewRecord;

    NameFragmentSearchSpec search;      // no list: the window has no search
    std::optional<AuditPhrases> audit;  // the window writes audit rows
    RecordButtonHooks hooks;
};

class RecordButtons {
public:
    // Opens LOGUI beside the binding's table when the window writes audit rows.
    RecordButtons(RecordBinding& binding, RecordButtonsDesign design);

    // The binding's Show, with the shown state and its hooks.
    void Show();

    // The handlers.
    void SaveClick();      // "Gravar"
    void ClearClick();     // "Limpar"
    void DeleteClick();    // "Excluir"
    void AlterClick();     // an alter button of its own: saves the shown record
    void SearchClick();    // "Consultar"
    void PickClick();      // a click on the pick list
    void FirstClick();     // "Primeiro"
    void PreviousClick();  // "Anterior"
    void NextClick();      // "Próximo"
    void LastClick();      // "Último"

    bool isShown() const;
    // Ends the shown state (disables the shown button).
    void endShown();

    void writeAudit(const Variant& code, const QString& remarks);

    // For a window whose "Gravar" and "Excluir" run their own steps: the record
    // and its audit row in one transaction, an engine failure dropping the
    // pending row and showing the write-failure box. The audit row names what
    // the code and name boxes show; a new row's key is read back from the last
    // row (no other workstation adds one while the transaction holds the file).
    //
    // `write` begins the row (Edit or AddNew), puts the boxes in and stores it;
    // false after a refused write that has shown its own box. The record's key,
    // or none when nothing was stored.
    std::optional<Variant> storeWithAudit(bool altering, const std::function<bool(db::Recordset&)>& write);
    // Deletes the row the recordset stands on; false after the write-failure box.
    bool deleteWithAudit();

    RecordBinding& binding() { return binding_; }
    NameFragmentSearch* search() { return search_.get(); }
    AuditLog& auditLog() { return audit_; }

private:
    static void focus(QWidget* box);
    void alterShown();
    void navigate(NavigationMove move);

    RecordBinding& binding_;
    RecordButtonsDesign design_;
    AuditLog audit_;
    std::unique_ptr<NameFragmentSearch> search_;
    bool shown_ = false;  // for a window without a shown button
};

}  // namespace vorna
