#pragma once
#include "common/MessageTexts.h"
#include "common/RecordWindowPatternFields.h"
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

// One recordset of a record window bound to its boxes: which table, which key,
// which box shows and writes which field, and the four procedures over them,
// Show, Validate, Write and Clear. The binding remembers the row it showed, so
// an alteration or a deletion acts on that row wherever a search has since
// moved the recordset. A window with several recordsets has several bindings;
// RecordButtons drives one of them with the toolbar.
//
//   RecordBindingDesign insurer;
//   insurer.table = "CIAS";
//   insurer.keyField = "CODIGO";
//   insurer.codeBox = ui->Text1;
//   insurer.nameBox = ui->Text2;
//   insurer.fields = {record::always("CODIGO", ui->Text1), record::always("NOME", ui->Text2),
//                     record::rate("JUR4", ui->MaskEdBox4)};
//   insurer.required = {{ui->Text2, msg::RequiredName}};
//   ownUntilUnload(insurer_, std::make_unique<RecordBinding>(std::move(insurer)));
namespace vorna {

// A write the database or a conversion refuses:
//   Reported   the write-failure box with the error number; the pending row is
//              dropped and the caller goes on with its remaining steps
//   Unhandled  the failure leaves the handler as an unexpected failure; the
//              pending row is dropped and the window keeps its state
enum class WriteFailures { Reported, Unhandled };

struct RecordRequired {
    RecordRequired(QWidget* box, QString message, std::function<bool()> when = {})
        : box(box), message(std::move(message)), when(std::move(when))
    {
    }

    QWidget* box = nullptr;
    QString message;  // "PREENCHIMENTO OBRIGATORIO - NOME"
    // Tested only while this holds (a box required by person type, or only
    // for a new record); none: always.
    std::function<bool()> when;
};

struct RecordBindingHooks {
    // After the bound boxes are emptied (every Clear, so also the start of
    // Show): boxes the binding does not hold, boxes to enable again.
    std::function<void()> cleared;
    // At the end of Show, after the values are in the boxes.
    std::function<void()> filled;
    // Before a new row is begun (a key the window computes from the table).
    std::function<void()> beforeNewRow;
    // Fields of a new row the boxes do not give (a computed key), set inside
    // Write, so a failure there is a failed write like any other.
    std::function<void(db::Recordset&)> fillNewRow;
};

struct RecordBindingDesign {
    db::Database database;  // not open: the program's main database
    QString table;
    QString keyField;
    QString nameField = QStringLiteral("NOME");
    QWidget* codeBox = nullptr;  // the key as the user sees it (audit rows, search)
    QWidget* nameBox = nullptr;
    std::vector<record::Field> fields;
    std::vector<RecordRequired> required;  // in the order Validate tests them

    WriteFailures writeFailures = WriteFailures::Reported;
    QString writeFailure = msg::RecordLocked;
    QString duplicateKey;  // shown for 3022 in place of writeFailure when set

    RecordBindingHooks hooks;
};

class RecordBinding {
public:
    // Opens the table and shows nothing. Throws the engine's error for a
    // table that is missing.
    explicit RecordBinding(RecordBindingDesign design);

    // The current row into the boxes. The row is read before any box changes,
    // so a row that cannot be read leaves the window as it was; then Clear,
    // then `between` (the window marks the record shown; false leaves the
    // boxes blank), then the values and the filled hook.
    void Show(const std::function<bool()>& between = {});
    // The required boxes in order: the first blank one (trimmed) gets its box
    // ("ATENÇÃO!") and the focus.
    bool Validate();
    // The boxes into the pending row (already begun) and the store; false when
    // a Reported failure was shown. Nothing of a failed write stays pending.
    bool Write();
    // Every bound box empty, then the cleared hook.
    void Clear();

    // Begins a new row, writes it and, when stored, stands on it; the key the
    // row was stored with, or none after a failed write.
    std::optional<Variant> addRecord();
    // Edits the shown row and writes it; false after a failed write.
    bool alterShownRecord();
    // Deletes the shown row.
    void deleteShownRecord();

    QString codeText() const;
    QString nameText() const;

    db::Recordset& recordset() { return rs_; }
    const db::Database& database() const { return database_; }
    const RecordBindingDesign& design() const { return design_; }

private:
    RecordBindingDesign design_;
    db::Database database_;
    db::Recordset rs_;
    Variant shownRow_;  // the bookmark of the row Show showed
};

}  // namespace vorna
