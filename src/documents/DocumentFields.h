#pragma once
#include "documents/DocumentWindowState.h"
#include "platform/database/Recordset.h"

#include <QString>
#include <QWidget>
#include <array>
#include <stdexcept>

// The document row against the document window's controls: which control
// shows which field, and the code tables the lists use. The functions find the
// controls by their object names, so they work on any window that holds them.
namespace vorna::documents {

// The control of that name and kind; a window without it is a fault of the
// window's design, never of the data.
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

// How a mapped field reaches its control.
enum class Put {
    Text,             // the stored text
    Amount,           // the number as plain decimal text
    Date,             // "dd/mm/yyyy" into a date box
    PolicyNumber,     // text, then kept as the shown policy number
    ClientName,       // text, then the client name list locked
    ClientBranch,     // no control: the window state's client branch
    PlanName,         // text, then the type list and the plan boxes locked
    InstalmentCount,  // text, then kept as the loaded instalment count
    CoinsurerCode,    // no control: the window state's co-insurer code of the slot
};

struct MappedField {
    const char* field;
    const char* control;  // nullptr where the value goes to the window state
    Put put;
    bool commission = false;  // shown as "0" to a user who may not see commissions
    int slot = 0;             // co-insurer slot, 1 to 3
};

// The fields copied as they are, in the order they are shown. The codes and
// flags before them (currency, type, reason, endorsement type, payment form,
// spreading, status, attendant) and the observations follow rules of their own.
extern const std::array<MappedField, 70> DocumentFieldMap;

// Whether the commission figures are shown: a third-level user and a user
// whose rights hide commissions see "0" in each commission box.
enum class CommissionView { Shown, Hidden };

// The current row of `documents` into the window's controls over what the
// clearing left: a Null field changes nothing. Also sets the window state the
// show keeps (shown policy number, client branch, loaded instalment count,
// co-insurer codes, advance pass-on flag) and colours the fields by status.
// The producer and group names, the client and claim look-ups and the open
// commission are left to the show.
void PutDocumentFields(QWidget& window, db::Recordset& documents, DocumentWindowState& state,
                       CommissionView commissions = CommissionView::Shown);

// The claim search of a shown policy number: the claims whose trimmed number is
// the text as written, letter case aside, whatever characters it holds.
QString ClaimCriteria(const QString& policyNumber);

}  // namespace vorna::documents
