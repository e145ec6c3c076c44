#pragma once
#include "common/RecordWindowPatternFields.h"
#include "documents/DocumentWindowState.h"
#include "platform/database/Recordset.h"
#include "ui_Form14.h"

#include <QString>
#include <QWidget>
#include <array>
#include <span>
#include <stdexcept>
#include <vector>

// The document row against the document window's controls: one table says
// which box shows each field and how it is written back, and the show and the
// header writer both follow it.
namespace vorna::documents {

// The control of that name and kind; a window without it is a fault of the
// window's design, never of the data. Only for handlers that pick a control
// by a slot number; the show, the clear and the writer never look one up.
template <typename T>
T& control(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        throw std::logic_error(std::string("document window without control ") + name);
    return *found;
}

// A one-letter code and the text of its list entry.
struct CodeText {
    const char* code;
    const char* text;
};

// Reasons: each entry is 24 characters, blanks included, and matched whole.
extern const std::array<CodeText, 13> ReasonTexts;
// Endorsement types by their digit.
extern const std::array<CodeText, 9> EndorsementTypes;

// Statuses in the order of the sorted status list, with their text colours.
struct StatusEntry {
    const char* code;
    const char* word;
    int red, green, blue;
};
extern const std::array<StatusEntry, 5> Statuses;

// How the document shows a field, beyond record::Field's plain text.
enum class Shown {
    AsField,          // record::Field's own show (text, or through its format)
    Never,
    Amount,           // the number as plain decimal text
    Date,             // "dd/mm/yyyy" with the box's mask off meanwhile
    PolicyNumber,     // text, then kept as the shown policy number
    ClientName,       // text, then the client name list locked
    PlanName,         // text, then the type list and the plan boxes locked
    InstalmentCount,  // text, then kept as the loaded instalment count
    ClientBranch,     // no box: the window state's client branch
    CoinsurerCode,    // no box: the window state's co-insurer code of the slot
    Currency,         // "1" the first option, "2" the second
    Type,             // "A" the first entry of the list, "E" the second
    ListText,         // the text of the entry of the code in `codes`
    PaymentForm,      // the box ticked when the field is `code`
    Spreading,        // Null: ticked and open; stored: fixed, ticked for "S"
    Status,           // the list's entry and colour for the code
    Observations,     // NOVAOBS, or OBSERVACOES when that is Null
};

// How the header writer stores a field, beyond record::Field's rules.
enum class Stored {
    AsField,          // record::Field's own rule (always, when not blank, number when typed, flag, never)
    Code,             // the trimmed text; Null when blank
    TextOrBlank,      // the text; " " when blank
    FilledWhenEmpty,  // an empty box first gets `code` (" "), then its text is written
    FilledWhenBlank,  // a blank box first gets `code` ("0"), then its text is written
    Date,             // the date, when the box holds characters
    StartDate,        // Date, with its year into ANOPRODUCAO
    Count,            // 1 to 12 as typed; otherwise 1 on a new row, the stored count kept
    NumberOrZero,     // the box's number; 0 when blank
    AmountOrOne,      // the amount when typed; 1 otherwise
    Currency,         // 2 with the second option chosen, else 1
    ListCode,         // the code whose entry in `codes` is the text exactly
    PaymentForm,      // `code` when ticked (the last ticked box of the field wins)
    NewRowOnly,       // `code` on a new row; an alteration keeps what is stored
    CoinsurerCode,    // the window state's co-insurer code of the slot
};

// One field of the document row: record::Field (the field, its box, the plain
// rules) extended with the document's own show and write rules.
class DocumentField : public record::Field {
public:
    DocumentField(record::Field plain, Shown shown, Stored stored) :
        record::Field(std::move(plain)), shown(shown), stored(stored)
    {
    }

    Shown shown;
    Stored stored;
    bool commission = false;          // shown as "0" to a user who may not see commissions
    const char* code = nullptr;       // the letter, filler or constant of the rule
    std::span<const CodeText> codes;  // the list of a ListText/ListCode field
    QWidget* second = nullptr;        // Currency: the second option
    int slot = 0;                     // co-insurer slot, 1 to 3
};

// The document window's field table and the controls drawn in the status
// colour, gathered once from the window's controls.
class DocumentFields {
public:
    explicit DocumentFields(Ui::Form14& ui);

    Ui::Form14& ui;
    // The fields in the order they are shown; the writer takes them in the same order.
    std::vector<DocumentField> fields;
    // The 69 controls drawn in the status colour; the co-insurer lists, the
    // instalment schedule, the password and the output-only boxes keep theirs.
    std::vector<QWidget*> statusColoured;
};

// Whether the commission figures are shown: a third-level user and a user
// whose rights hide commissions see "0" in each commission box.
enum class CommissionView { Shown, Hidden };

// The current row of `documents` into the window's controls over what the
// clearing left: a Null field changes nothing. Also sets the window state the
// show keeps (shown policy number, client branch, loaded instalment count,
// co-insurer codes, advance pass-on flag) and colours the fields by status.
// The producer and group names, the client and claim look-ups and the open
// commission are left to the show.
void PutDocumentFields(const DocumentFields& window, const db::Recordset& documents, DocumentWindowState& state,
                       CommissionView commissions = CommissionView::Shown);

// Returns the boxes, lists and options of the field table, the counts and the
// status colours to the window's empty state.
void ClearDocumentControls(const DocumentFields& window);

// The claim search of a shown policy number: the claims whose trimmed number is
// the text as written, letter case aside, whatever characters it holds.
QString ClaimCriteria(const QString& policyNumber);

}  // namespace vorna::documents
