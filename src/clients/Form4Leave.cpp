#include "clients/Form4.h"

#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/database/CriteriaText.h"

#include <optional>

// Handing the shown client to the attachments window, and leaving the window.
// Everything passes through the program-wide hand-over values.
namespace vorna::clients {

namespace {

bool callerIs(int code) { return vorna::state().handOver.CallerCode == Variant(code); }

// What "Sair" does, by why the window was opened: the first row that matches
// decides. Rows for the windows this system does not have only leave their
// caller code and close the client window.
struct LeaveRow {
    bool (*matches)();
    std::optional<int> callerCodeAfter;  // unset: the code stays as it is
    enum class Then { Nothing, ShowDocumentWindow, EnableMainMenu } then;
};

const LeaveRow LeaveTable[] = {
    {[] { return callerIs(caller::ClientFromDocument); }, std::nullopt, LeaveRow::Then::ShowDocumentWindow},
    {[] { return callerIs(caller::Unreached23); }, std::nullopt, LeaveRow::Then::Nothing},
    {[] {
         return vorna::state().handOver.SecondCallerCode == Variant(caller::Unreached23) ||
                callerIs(caller::Unreached142);
     },
     caller::Unreached142, LeaveRow::Then::Nothing},
    {[] { return callerIs(caller::Unreached777); }, caller::Normal, LeaveRow::Then::Nothing},
    {[] { return callerIs(caller::Unreached999); }, caller::Normal, LeaveRow::Then::Nothing},
    {[] { return callerIs(caller::Unreached222); }, caller::Normal, LeaveRow::Then::Nothing},
    // An ordinary opening: the main menu is usable again.
    {[] { return true; }, std::nullopt, LeaveRow::Then::EnableMainMenu},
};

}  // namespace

void Form4::Command3D24_Click()
{
    // The box is filled by the show step, at most five digits; anything else
    // (blank, pasted text) hands over nothing.
    const std::optional<QString> code = db::wholeNumber(ui->Text1->text());
    if (!code)
        return;
    bool isNumber = false;
    const int32_t key = code->toInt(&isNumber);
    if (!isNumber)
        return;
    HandOver& handOver = vorna::state().handOver;
    handOver.AttachmentOwnerKey = key;
    handOver.CallerCode = Variant(caller::AttachmentsOfClient);
    windows::Form28().Show();
    // The attachments window's "Sair" enables this window again.
    Disable();
}

void Form4::Command3D5_Click()
{
    for (const LeaveRow& row : LeaveTable) {
        if (!row.matches())
            continue;
        if (row.callerCodeAfter)
            vorna::state().handOver.CallerCode = Variant(*row.callerCodeAfter);
        Unload();
        switch (row.then) {
        case LeaveRow::Then::ShowDocumentWindow: windows::Form14().Show(); break;
        case LeaveRow::Then::EnableMainMenu: windows::Form2().Enable(); break;
        case LeaveRow::Then::Nothing: break;
        }
        return;
    }
}

}  // namespace vorna::clients
