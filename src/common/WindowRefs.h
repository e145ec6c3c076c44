#pragma once

namespace vorna::ui {
class Window;
}

// The program-wide reference of every window, by the window's name. A window
// is created on first use; windows show, enable and unload one another only
// through these. Each is defined beside its window's class, so a subsystem
// needs no other subsystem's headers to reach a window.
namespace vorna::windows {
ui::Window& Form1();   // login
ui::Window& Form2();   // main menu
ui::Window& Form4();   // clients
ui::Window& Form5();   // participants
ui::Window& Form6();   // producers
ui::Window& Form7();   // reimbursement events
ui::Window& Form10();  // insurers
ui::Window& Form11();  // lines of business
ui::Window& Form14();  // documents
ui::Window& Form28();  // attachments
ui::Window& Form42();  // system parameters
ui::Window& Form43();  // attendants
ui::Window& Form53();  // level codes
ui::Window& Form54();  // usage log
ui::Window& Form55();  // affinity groups
ui::Window& Form70();  // period report dialog
ui::Window& Form79();  // backup reminder
ui::Window& Form95();  // users
}  // namespace vorna::windows
