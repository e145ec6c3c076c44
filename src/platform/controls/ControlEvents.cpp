#include "platform/controls/ControlEvents.h"

#include "platform/controls/LeaveCheck.h"
#include "platform/runtime/EngineError.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHash>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>

namespace vorna::ui {

namespace {

std::function<void(const std::exception&)>& failureReporter()
{
    static std::function<void(const std::exception&)> reporter;
    return reporter;
}

// The control of each window that last took the focus from another control of
// the program and has not lost it to another one since. Qt's own focus moves
// with a message box, another program or a drop-down; this one does not.
QHash<const QWidget*, QPointer<QWidget>>& logicalFocus()
{
    static QHash<const QWidget*, QPointer<QWidget>> focus;
    return focus;
}

// Focus handlers running now; a window activation inside one (a message box
// closing) is not an arrival of the focus.
int focusHandlerDepth = 0;

bool isActivationReason(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

// Hands an event to the control itself, past the event filters, so that a
// handler runs after the control has done its own part.
bool deliverToControl(QWidget* control, QEvent* event)
{
    QObject* target = control;
    return target->event(event);
}

Qt::Key keyForCode(int code)
{
    switch (code) {
    case 8: return Qt::Key_Backspace;
    case 13: return Qt::Key_Return;
    case 27: return Qt::Key_Escape;
    default: break;
    }
    const QChar ch(code);
    if (code < 128 && ch.isPrint())
        return static_cast<Qt::Key>(ch.toUpper().unicode());
    return Qt::Key_unknown;
}

}  // namespace

void setUnexpectedFailureReporter(std::function<void(const std::exception&)> reporter)
{
    failureReporter() = std::move(reporter);
}

namespace {
FailureTrap* activeTrap = nullptr;
}  // namespace

FailureTrap::FailureTrap() : outer_(activeTrap) { activeTrap = this; }
FailureTrap::~FailureTrap() { activeTrap = outer_; }

void reportUnexpectedFailure(const std::exception& failure)
{
    if (activeTrap) {
        activeTrap->caught_ = true;
        return;
    }
    if (failureReporter()) {
        failureReporter()(failure);
        return;
    }
    if (const auto* engine = dynamic_cast<const EngineError*>(&failure))
        qWarning("unhandled error %d: %s", engine->number(), qPrintable(engine->text()));
    else
        qWarning("unhandled failure: %s", failure.what());
}

void runGuarded(const std::function<void()>& code)
{
    try {
        code();
    } catch (const std::exception& failure) {
        reportUnexpectedFailure(failure);
    }
}

ControlEvents::ControlEvents(QWidget* control) : QObject(control), control_(control)
{
    control->installEventFilter(this);
}

ControlEvents& ControlEvents::of(QWidget* control)
{
    Q_ASSERT(control);
    for (QObject* child : control->children()) {
        if (auto* events = qobject_cast<ControlEvents*>(child); events && !events->retired_)
            return *events;
    }
    return *new ControlEvents(control);
}

ControlEvents& ControlEvents::Click(Handler handler)
{
    if (click_.empty())
        connectClickSource();
    click_.push_back(std::move(handler));
    return *this;
}

ControlEvents& ControlEvents::DblClick(Handler handler)
{
    if (dblClick_.empty())
        connectDblClickSource();
    dblClick_.push_back(std::move(handler));
    return *this;
}

ControlEvents& ControlEvents::GotFocus(Handler handler)
{
    gotFocus_.push_back(std::move(handler));
    return *this;
}

ControlEvents& ControlEvents::LostFocus(Handler handler)
{
    lostFocus_.push_back(std::move(handler));
    return *this;
}

ControlEvents& ControlEvents::KeyPress(KeyHandler handler)
{
    keyPress_.push_back(std::move(handler));
    return *this;
}

ControlEvents& ControlEvents::MouseMove(Handler handler)
{
    control_->setMouseTracking(true);
    mouseMove_.push_back(std::move(handler));
    return *this;
}

ControlEvents& ControlEvents::Change(Handler handler)
{
    if (change_.empty())
        connectChangeSource();
    change_.push_back(std::move(handler));
    return *this;
}

void ControlEvents::connectClickSource()
{
    // The platform controls say themselves what a click is (a picture button
    // only by the mouse, a check box also when code changes its value).
    if (control_->metaObject()->indexOfSignal("Click()") >= 0) {
        connect(control_, SIGNAL(Click()), this, SLOT(onClickSignal()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control_)) {
        connect(button, &QAbstractButton::clicked, this, [this] { run(click_); });
    } else {
        clickByFilter_ = true;
    }
}

void ControlEvents::connectDblClickSource()
{
    if (control_->metaObject()->indexOfSignal("DblClick()") >= 0)
        connect(control_, SIGNAL(DblClick()), this, SLOT(onDblClickSignal()));
    else
        dblClickByFilter_ = true;
}

void ControlEvents::connectChangeSource()
{
    if (control_->metaObject()->indexOfSignal("Change()") >= 0) {
        connect(control_, SIGNAL(Change()), this, SLOT(onChangeSignal()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(control_)) {
        connect(edit, &QLineEdit::textChanged, this, [this] { run(change_); });
    } else if (auto* combo = qobject_cast<QComboBox*>(control_)) {
        connect(combo, &QComboBox::editTextChanged, this, [this] { run(change_); });
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control_)) {
        connect(plain, &QPlainTextEdit::textChanged, this, [this] { run(change_); });
    } else if (auto* rich = qobject_cast<QTextEdit*>(control_)) {
        connect(rich, &QTextEdit::textChanged, this, [this] { run(change_); });
    } else {
        qWarning("%s has no Change event", control_->metaObject()->className());
    }
}

void ControlEvents::onClickSignal() { run(click_); }
void ControlEvents::onDblClickSignal() { run(dblClick_); }
void ControlEvents::onChangeSignal() { run(change_); }

void ControlEvents::run(const std::vector<Handler>& handlers)
{
    if (retired_ || handlers.empty())
        return;
    const std::vector<Handler> toRun = handlers;  // a handler may add handlers
    QPointer<ControlEvents> alive(this);
    for (const Handler& handler : toRun) {
        runGuarded(handler);
        if (!alive || retired_)
            return;
    }
}

int ControlEvents::keyAsciiOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return 0;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool alt = mods.testFlag(Qt::AltModifier);
    if (ctrl && !alt) {
        // Ctrl with a letter types its control character (Ctrl+C 3, Ctrl+V 22).
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
            return event.key() - Qt::Key_A + 1;
        return 0;
    }
    // Alt with a key still types its character into a line edit, so it is
    // judged like any other typed character.
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    const int code = text.at(0).unicode();
    return code == 127 ? 0 : code;
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != control_ || retired_)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        focusIn(event);
        return true;
    case QEvent::FocusOut:
        focusOut(event);
        return true;
    case QEvent::KeyPress:
        return keyPress(event);
    case QEvent::InputMethod:
        return inputMethod(event);
    case QEvent::MouseMove: {
        if (mouseMove_.empty())
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (control_->childAt(mouse->position().toPoint()) == nullptr)
            run(mouseMove_);
        return false;
    }
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (clickByFilter_ && mouse->button() == Qt::LeftButton)
            pressedInside_ = control_->rect().contains(mouse->position().toPoint());
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!clickByFilter_ || mouse->button() != Qt::LeftButton)
            return false;
        const bool clicked = pressedInside_ && control_->rect().contains(mouse->position().toPoint());
        pressedInside_ = false;
        if (!clicked)
            return false;
        QPointer<QWidget> control(control_);
        const bool handled = deliverToControl(control_, event);
        if (control)
            run(click_);
        return handled;
    }
    case QEvent::MouseButtonDblClick: {
        if (!dblClickByFilter_ || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        QPointer<QWidget> control(control_);
        const bool handled = deliverToControl(control_, event);
        if (control)
            run(dblClick_);
        return handled;
    }
    default:
        return false;
    }
}

void ControlEvents::focusIn(QEvent* event)
{
    QPointer<QWidget> control(control_);
    deliverToControl(control_, event);
    if (!control || retired_)
        return;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    const QWidget* window = control_->window();
    QPointer<QWidget>& current = logicalFocus()[window];
    if (current == control_)
        return;  // back from a message box or another program
    if (isActivationReason(reason) && focusHandlerDepth > 0)
        return;  // the window comes back while a focus handler still runs
    current = control_;
    ++focusHandlerDepth;
    run(gotFocus_);
    --focusHandlerDepth;
}

void ControlEvents::focusOut(QEvent* event)
{
    QPointer<QWidget> control(control_);
    deliverToControl(control_, event);
    if (!control || retired_)
        return;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (isActivationReason(reason))
        return;  // a message box, another program or a drop-down took the activation
    QPointer<QWidget> window = control_->window();
    QPointer<QWidget>& current = logicalFocus()[window];
    if (current != control_)
        return;  // it never had the focus as far as the program is concerned
    current = nullptr;
    if (lostFocus_.empty())
        return;
    QPointer<QWidget> target = QApplication::focusWidget();
    ++focusHandlerDepth;
    run(lostFocus_);
    --focusHandlerDepth;
    // The handler kept the user (or sent them elsewhere): the click that moved
    // the focus must not go on to act on the control it was aimed at.
    if (reason == Qt::MouseFocusReason && window && window->focusWidget() != target) {
        QWidget* keeper = window->focusWidget() ? window->focusWidget() : control.data();
        if (keeper)
            LeaveCheck::holdClick(keeper);
    }
}

bool ControlEvents::runKeyPress(int& code)
{
    const std::vector<KeyHandler> handlers = keyPress_;
    QPointer<ControlEvents> alive(this);
    for (const KeyHandler& handler : handlers) {
        runGuarded([&] { handler(code); });
        if (!alive || retired_)
            return false;
        if (code == 0)
            return true;  // cancelled
    }
    return true;
}

bool ControlEvents::keyPress(QEvent* event)
{
    if (keyPress_.empty())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int typed = keyAsciiOf(*key);
    if (typed == 0)
        return false;
    int code = typed;
    if (!runKeyPress(code) || code == 0)
        return true;
    if (code == typed)
        return false;
    // The handler typed another character in place of the one pressed.
    QKeyEvent replacement(QEvent::KeyPress, keyForCode(code), Qt::NoModifier, QString(QChar(code)),
                          key->isAutoRepeat(), key->count());
    deliverToControl(control_, &replacement);
    return true;
}

// Letters composed by an input method (a dead accent and a vowel) reach the box
// as committed text rather than as key presses; each character of it is typed
// all the same, so it passes through the KeyPress handlers one by one.
bool ControlEvents::inputMethod(QEvent* event)
{
    if (keyPress_.empty())
        return false;
    auto* input = static_cast<QInputMethodEvent*>(event);
    const QString committed = input->commitString();
    if (committed.isEmpty())
        return false;
    QString kept;
    for (const QChar ch : committed) {
        int code = ch.unicode();
        if (!runKeyPress(code))
            return true;
        if (code != 0)
            kept += QChar(code);
    }
    if (kept == committed)
        return false;
    QInputMethodEvent replacement(input->preeditString(), input->attributes());
    replacement.setCommitString(kept, input->replacementStart(), input->replacementLength());
    deliverToControl(control_, &replacement);
    return true;
}

}  // namespace vorna::ui
