#pragma once
#include <QString>

#include <array>
#include <optional>

namespace vorna::documents::instalments {

// What one computation asks of one row of the instalment panel: the due-date,
// value, commission-percentage and pass-on-percentage boxes of instalment k.
// The window applies a row in this order: the mask, texts, then enabled states.
struct PanelRow {
    // The box's new text; nullopt leaves the text as it is.
    std::optional<QString> dueDate;
    std::optional<QString> value;
    std::optional<QString> commissionPercent;
    std::optional<QString> passOnPercent;
    // The due-date box loses its input mask before any text is written; no
    // computation gives it back. The other three boxes never have a mask.
    bool stripDueDateMask = false;
    // Boxes to disable; no computation enables one.
    bool disableCommission = false;
    bool disablePassOn = false;
    bool disableRow = false;  // all four boxes
};

// Entry k - 1 is instalment k.
using PanelRows = std::array<PanelRow, 12>;

}  // namespace vorna::documents::instalments
