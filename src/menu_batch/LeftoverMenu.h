#pragma once
#include <QString>
#include <cstdint>
#include <vector>

namespace vorna::report {
class ReportControl;
}

// The handlers of menu items an older main menu had: each passes a gate,
// stores its hand-over code in `CallerCode` and opens its target. The whole
// family is one table; the main menu names each member after its group and code
// (`LeftoverMenuItem_B21`) or its place in a group without codes (`_D1`).
namespace vorna::menu_batch {

enum class LeftoverGate {
    None,
    Level3Print,    // refuses the third level
    Level23Print,   // refuses the second and third levels
    Level23Module,
    Level3Module,
    Level2Report,   // refuses the second level only
    ChartsRight,    // the right CGE first, then the second and third levels
    FinancialRight, // the second and third levels first, then the first level without PRF
};

enum class LeftoverTarget {
    LackingWindow,  // a window this system lacks: nothing opens in its place
    PeriodDialog,   // Form70, the main menu left enabled
    ProducerWindow, // Form6
    EventWindow,    // Form7
    Nothing,
    Reports,        // the member's runs of the report table
};

inline constexpr int NoCode = -1;

// The refusal of the module gates, also the password panel's.
inline const QString NoModuleAccess = QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE ACESSAR ESTE MÓDULO");

// X(member, gate, code, target): the 79 members.
#define VORNA_LEFTOVER_MENU_ITEMS(X) \
    X(A0, None, 0, LackingWindow) X(A16, None, 16, LackingWindow) X(A20, None, 20, LackingWindow) \
    X(A25, None, 25, LackingWindow) X(A26, None, 26, LackingWindow) X(A30, None, 30, LackingWindow) \
    X(A33, None, 33, LackingWindow) X(A36, None, 36, LackingWindow) X(A41, None, 41, LackingWindow) \
    X(A42, None, 42, LackingWindow) X(A47, None, 47, LackingWindow) X(A112, None, 112, LackingWindow) \
    X(A120, None, 120, LackingWindow) X(A161, None, 161, LackingWindow) X(A162, None, 162, LackingWindow) \
    X(A163, None, 163, LackingWindow) X(A164, None, 164, LackingWindow) X(A165, None, 165, LackingWindow) \
    X(A166, None, 166, LackingWindow) X(A167, None, 167, LackingWindow) X(A168, None, 168, LackingWindow) \
    X(A232, None, 232, LackingWindow) X(A233, None, 233, LackingWindow) X(A314, None, 314, LackingWindow) \
    X(A321, None, 321, LackingWindow) X(A324, None, 324, LackingWindow) X(A333, None, 333, LackingWindow) \
    X(A371, None, 371, LackingWindow) X(A384, None, 384, LackingWindow) X(A388, None, 388, LackingWindow) \
    X(A405, None, 405, LackingWindow) X(A406, None, 406, LackingWindow) X(A420, None, 420, LackingWindow) \
    X(A429, None, 429, LackingWindow) X(A471, None, 471, LackingWindow) X(A643, None, 643, LackingWindow) \
    X(A743, None, 743, LackingWindow) X(A1711, None, 1711, LackingWindow) X(A2551, None, 2551, LackingWindow) \
    X(A3212, None, 3212, LackingWindow) X(A3213, None, 3213, LackingWindow) X(A4711, None, 4711, LackingWindow) \
    X(B21, Level3Print, 21, LackingWindow) X(B210, Level3Print, 210, LackingWindow) \
    X(B444, Level3Print, 444, LackingWindow) X(B994, Level3Print, 994, LackingWindow) \
    X(B1945, Level3Print, 1945, LackingWindow) \
    X(C46, Level23Print, 46, LackingWindow) X(C461, Level23Print, 461, LackingWindow) \
    X(C472, Level23Print, 472, LackingWindow) \
    X(D1, None, NoCode, LackingWindow) X(D2, None, NoCode, LackingWindow) X(D3, None, NoCode, LackingWindow) \
    X(D4, None, NoCode, LackingWindow) X(D5, None, NoCode, LackingWindow) X(D6, None, NoCode, LackingWindow) \
    X(D7, None, NoCode, LackingWindow) \
    X(E1, Level23Module, NoCode, LackingWindow) X(E2, Level23Module, NoCode, LackingWindow) \
    X(F1, Level3Module, NoCode, LackingWindow) X(F2, Level3Module, NoCode, LackingWindow) \
    X(G290, None, 290, PeriodDialog) X(G291, None, 291, PeriodDialog) X(G321, None, 321, PeriodDialog) \
    X(G701, None, 701, PeriodDialog) X(G714, None, 714, PeriodDialog) \
    X(H1, Level23Module, NoCode, ProducerWindow) \
    X(I1, Level23Module, NoCode, EventWindow) \
    X(J1, ChartsRight, NoCode, Nothing) \
    X(K1, FinancialRight, NoCode, Nothing) X(K2, FinancialRight, NoCode, Nothing) \
    X(K3, FinancialRight, NoCode, Nothing) \
    X(R1, None, NoCode, Reports) X(R2, None, NoCode, Reports) X(R3, Level2Report, NoCode, Reports) \
    X(R4, None, NoCode, Reports) X(R5, Level2Report, NoCode, Reports) X(R6, None, NoCode, Reports) \
    X(R7, None, NoCode, Reports)

enum class LeftoverItem {
#define VORNA_LEFTOVER_ENUM(member, gate, code, target) member,
    VORNA_LEFTOVER_MENU_ITEMS(VORNA_LEFTOVER_ENUM)
#undef VORNA_LEFTOVER_ENUM
};

struct LeftoverMenuItem {
    LeftoverItem item;
    const char* member;  // "B21"
    LeftoverGate gate;
    int code;            // NoCode: `CallerCode` is left as it is
    LeftoverTarget target;
};

// Every member, in the table's order.
const std::vector<LeftoverMenuItem>& leftoverMenuItems();
const LeftoverMenuItem& leftoverMenuItem(LeftoverItem item);

// Where a report run goes: the main menu's first control, or a control of the
// window this system lacks that the older menu ran its listings on.
enum class LeftoverReportControl { MainMenu1, Lacking1, Lacking2 };

struct LeftoverReportRun {
    LeftoverItem item;
    LeftoverReportControl control;
    int position;                // window left and top; 0 leaves them as they are
    const char* title;           // nullptr leaves the window title
    const char* file;
    const char* selection;       // nullptr leaves the selection formula
    const char* titleFormula;    // named formula 0, set before the report file
};
const std::vector<LeftoverReportRun>& leftoverReportRuns();

// The stand-in of the lacking window's control.
report::ReportControl& lackingWindowReport(LeftoverReportControl control);

// Applies the member's gate (one box on a refusal), stores its code and opens
// its target; report runs go to mainMenuReport or a stand-in.
void runLeftoverMenuItem(LeftoverItem item, report::ReportControl& mainMenuReport);

}  // namespace vorna::menu_batch
