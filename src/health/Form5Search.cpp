// Finding participants, moving through them, leaving the window, and the
// window's grid searches.
#include "health/Form5.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/runtime/Runtime.h"

namespace vorna::health {

void Form5::Command3D4_Click() { buttons_->SearchClick(); }
void Form5::List2_Click() { buttons_->PickClick(); }

// Nothing fills this list; a pick would copy the participant of the line as a holder.
void Form5::List1_Click() { PickHolderFrom(ui->List1); }

void Form5::Command3D8_Click() { buttons_->FirstClick(); }
void Form5::Command3D9_Click() { buttons_->PreviousClick(); }
void Form5::Command3D6_Click() { buttons_->NextClick(); }
void Form5::Command3D7_Click() { buttons_->LastClick(); }

void Form5::Command3D5_Click()
{
    HandOver& handOver = vorna::state().handOver;
    const Variant caller = handOver.CallerCode;
    if (caller == Variant(caller::ClientFromDocument)) {
        // The document window goes back to its document.
        Unload();
        windows::Form14().Show();
        return;
    }
    // Codes nothing in the system sets.
    if (handOver.SecondCallerCode == Variant(caller::Unreached23) || caller == Variant(caller::Unreached142))
        handOver.CallerCode = caller::Unreached142;
    else if (caller == Variant(caller::Unreached222) || caller == Variant(caller::Unreached777) ||
             caller == Variant(caller::Unreached999))
        handOver.CallerCode = caller::Normal;
    Unload();
}

}  // namespace vorna::health
