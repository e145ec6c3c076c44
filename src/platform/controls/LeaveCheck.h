#pragma once
#include <functional>

class QWidget;

namespace vorna::ui {

// A check that runs when the focus leaves a box (a date check, a code look-up)
// and may keep the user in the box. The box holds the user: when the check
// refuses, the focus goes back into the box, and the mouse click that took the
// focus away never reaches the control it was aimed at, so a button's Click
// does not run behind the check's message. The check runs once per leave: the
// message box it shows does not count as leaving again.
//
// Any LostFocus handler that puts the focus somewhere other than where the
// user sent it gets the same protection; attach() is the short form for a
// check that only decides whether the box may be left.
class LeaveCheck {
public:
    // `check` returns false after telling the user why the box cannot be left;
    // the focus then returns to the box.
    static void attach(QWidget* box, std::function<bool()> check);

    // Drops the rest of the mouse click in progress in `box`'s window, except
    // on the box itself. Ends when the button is released or when the program
    // next waits for input.
    static void holdClick(QWidget* box);
    static bool holding();
};

}  // namespace vorna::ui
