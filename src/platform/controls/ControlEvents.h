#pragma once
#include <QObject>
#include <exception>
#include <functional>
#include <vector>

class QWidget;
class QKeyEvent;

namespace vorna::ui {

// The events of one control, turned into the handlers a window declares
// (Text1_LostFocus, Command3D2_Click, ...):
//
//   on(ui->Text1).KeyPress(this, &Form10::Text1_KeyPress)
//                .LostFocus(this, &Form10::Text1_LostFocus);
//   on(this).MouseMove(this, &Form10::Form_MouseMove);      // the window surface
//
// - Click: a button's click (a picture button only by the mouse); a check box or
//   option button whose value changes, also by code; a list whose selection
//   changes, also by code; a grid cell clicked; any other control clicked with
//   the left button.
// - GotFocus / LostFocus: the focus arrives from, or leaves to, another control
//   of the program. A message box opening, another program or another window
//   taking the activation, and a list's drop-down do not count, so a box that
//   shows a message from its LostFocus is not left again when the box opens.
//   LostFocus runs after the control has let the focus go, GotFocus after it has
//   taken it.
// - KeyPress: each typed character before it reaches the control, as its code
//   (Enter 13, Escape 27, Backspace 8, Ctrl+letter 1-26, other characters their
//   Unicode value), also each character an input method commits (a letter
//   composed with a dead accent). Setting the code to 0 cancels the key;
//   another code types that character instead. Keys that type nothing (Tab,
//   arrows, Delete, function keys) never come here.
// - MouseMove: the pointer moves over the control's own surface (not over a
//   control inside it).
// - Change: the control's text changes, by typing or by code.
//
// When a LostFocus handler leaves the focus somewhere else than where the user
// sent it (a check sends it back into its box), the click that moved the focus
// does not reach the control it was aimed at (see LeaveCheck.h).
class ControlEvents final : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using KeyHandler = std::function<void(int& keyAscii)>;

    // The control's events, created on first use and owned by the control.
    static ControlEvents& of(QWidget* control);

    ControlEvents& Click(Handler handler);
    ControlEvents& DblClick(Handler handler);
    ControlEvents& GotFocus(Handler handler);
    ControlEvents& LostFocus(Handler handler);
    ControlEvents& KeyPress(KeyHandler handler);
    ControlEvents& MouseMove(Handler handler);
    ControlEvents& Change(Handler handler);

    template <class W>
    ControlEvents& Click(W* self, void (W::*member)()) { return Click(bind(self, member)); }
    template <class W>
    ControlEvents& DblClick(W* self, void (W::*member)()) { return DblClick(bind(self, member)); }
    template <class W>
    ControlEvents& GotFocus(W* self, void (W::*member)()) { return GotFocus(bind(self, member)); }
    template <class W>
    ControlEvents& LostFocus(W* self, void (W::*member)()) { return LostFocus(bind(self, member)); }
    template <class W>
    ControlEvents& MouseMove(W* self, void (W::*member)()) { return MouseMove(bind(self, member)); }
    template <class W>
    ControlEvents& Change(W* self, void (W::*member)()) { return Change(bind(self, member)); }
    template <class W>
    ControlEvents& KeyPress(W* self, void (W::*member)(int&))
    {
        return KeyPress([self, member](int& k) { (self->*member)(k); });
    }

    QWidget* control() const { return control_; }

    // Stops every handler of this control for good; the window calls it when it
    // unloads, before its controls are discarded.
    void retire() { retired_ = true; }

    // The character code a key event types, 0 for a key that types nothing.
    static int keyAsciiOf(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void onClickSignal();
    void onDblClickSignal();
    void onChangeSignal();

private:
    explicit ControlEvents(QWidget* control);
    template <class W>
    static Handler bind(W* self, void (W::*member)()) { return [self, member] { (self->*member)(); }; }

    void run(const std::vector<Handler>& handlers);
    void connectClickSource();
    void connectDblClickSource();
    void connectChangeSource();
    void focusIn(QEvent* event);
    void focusOut(QEvent* event);
    bool keyPress(QEvent* event);
    bool inputMethod(QEvent* event);
    // Runs the KeyPress handlers on one code; false when the control went away.
    bool runKeyPress(int& code);

    QWidget* control_;
    std::vector<Handler> click_, dblClick_, gotFocus_, lostFocus_, mouseMove_, change_;
    std::vector<KeyHandler> keyPress_;
    bool clickByFilter_ = false;
    bool dblClickByFilter_ = false;
    bool pressedInside_ = false;
    bool retired_ = false;
};

inline ControlEvents& on(QWidget* control) { return ControlEvents::of(control); }

// What happens to a failure that escapes an event handler (an engine or runtime
// error the handler does not handle itself): the program goes on and the window
// stays usable. The start-up installs a reporter that shows it to the user;
// without one it is logged.
void setUnexpectedFailureReporter(std::function<void(const std::exception&)> reporter);
void reportUnexpectedFailure(const std::exception& failure);

// Runs a piece of handler code with that rule (for handlers reached by other
// paths than ControlEvents, such as timers).
void runGuarded(const std::function<void()>& code);

// While it lives, a failure that would be reported as above is only noted
// here, for a handler that answers it with a message of its own (an error in
// the load step of a window it opens, say).
class FailureTrap {
public:
    FailureTrap();
    ~FailureTrap();
    FailureTrap(const FailureTrap&) = delete;
    FailureTrap& operator=(const FailureTrap&) = delete;
    bool caught() const { return caught_; }

private:
    friend void reportUnexpectedFailure(const std::exception& failure);
    bool caught_ = false;
    FailureTrap* outer_ = nullptr;
};

}  // namespace vorna::ui
