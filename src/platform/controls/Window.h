#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <typeindex>
#include <vector>

namespace vorna {
namespace report {
class ReportControl;
}
namespace ui {
class Window;
}
// The one routine that reaches into another window: a launch borrowing that
// window's report control (common/ReportLaunch).
report::ReportControl& borrowReportControl(ui::Window& owner, const char* controlName);
}  // namespace vorna

// The program's own code never touches another window's controls: windows
// reach one another through their references and the hand-over values. Test
// binaries (built with VORNA_TEST_BINARY) drive a window's controls from outside.
#if defined(VORNA_TEST_BINARY)
#define VORNA_CONTROLS_ACCESS public
#else
#define VORNA_CONTROLS_ACCESS private
#endif

namespace vorna::ui {

// A helper a window builds in its load step and keeps while it is loaded (a
// record binding, its buttons, a search). Window::ownUntilUnload fills the
// slot; unloading empties the slot at once and destroys the helper once the
// program is back in its event loop, as it does the controls, so a handler of
// the helper that unloaded its own window (a save whose hand-over closes the
// window) runs to its end.
template <class T>
class WhileLoaded {
public:
    WhileLoaded() = default;
    WhileLoaded(const WhileLoaded&) = delete;
    WhileLoaded& operator=(const WhileLoaded&) = delete;

    T* operator->() const { return helper_; }
    T& operator*() const { return *helper_; }
    T* get() const { return helper_; }
    explicit operator bool() const { return helper_ != nullptr; }

private:
    friend class Window;
    T* helper_ = nullptr;
};

// A window of the program, with its lifecycle:
//
//   not loaded ──Load/Show/touch a control──▶ loaded, hidden ──Show──▶ shown
//        ▲                                                               │
//        └────────────────────────────── Unload ◀───────────────────────┘
//
// Loading builds the controls (buildControls: the Designer layout and the
// event wiring) and then runs Form_Load. Show loads when needed and brings the
// window to the front; showing a window that is already open does not load it
// again. Unload runs Form_Unload, hides the window and discards every control;
// the instance stays, with its own member variables, and the next Show (or
// touch of a control) loads it again.
//
// Every child object of a window is one of its controls: it is built on load
// and discarded on unload. Whatever else the window builds in its load step
// and keeps it holds in a WhileLoaded slot (ownUntilUnload), never in a
// member it resets itself.
class Window : public QWidget {
    Q_OBJECT
public:
    enum class State { NotLoaded, LoadedHidden, Shown };

    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    void Load();
    void Show();
    // Hides the window; it stays loaded.
    void Hide();
    // A disabled window stays visible and takes no input.
    void Enable(bool enabled = true);
    void Disable() { Enable(false); }
    void Unload();

    State state() const;
    bool isLoaded() const { return loaded_; }

    // What touching one of its controls does first: a window that is not
    // loaded is loaded and left hidden.
    void ensureLoaded() { Load(); }

VORNA_CONTROLS_ACCESS:
    // A control by name, loading the window first.
    template <class Control>
    Control* control(const char* name)
    {
        ensureLoaded();
        return findChild<Control*>(QString::fromLatin1(name));
    }

protected:
    // Keeps the helper in the slot until the window unloads (see WhileLoaded)
    // and returns it.
    template <class T>
    T& ownUntilUnload(WhileLoaded<T>& slot, std::unique_ptr<T> helper)
    {
        T& kept = *helper;
        slot.helper_ = helper.get();
        owned_.push_back({std::shared_ptr<void>(std::move(helper)), [&slot] { slot.helper_ = nullptr; }});
        return kept;
    }

    // Builds the controls and wires their events; runs on every load.
    virtual void buildControls() = 0;
    // Forgets whatever the subclass keeps that points to controls; runs on
    // unload, after the controls are gone from the window.
    virtual void forgetControls() {}
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // A window of fixed size (its layout's size) without a close box, minimise
    // or maximise button: it is left through its own buttons only. Call in the
    // subclass constructor.
    void setFixedWithoutCloseBox();

    void closeEvent(QCloseEvent* event) override;

private:
    friend report::ReportControl& vorna::borrowReportControl(Window& owner, const char* controlName);

    void discardControls();

    struct Owned {
        std::shared_ptr<void> helper;
        std::function<void()> emptySlot;
    };
    std::vector<Owned> owned_;
    bool loaded_ = false;
    bool loading_ = false;
    bool unloading_ = false;
    bool fixedWithoutCloseBox_ = false;
};

// A window laid out in a Qt Designer file: buildControls() creates the Ui
// class of the file and then calls connectControls() for the event wiring.
//
//   class Form10 : public ui::DesignedWindow<Ui::Form10> {
//       void connectControls() override;   // on(ui->Text1).KeyPress(...)
//       void Form_Load() override;
//   };
template <class UiClass>
class DesignedWindow : public Window {
public:
    explicit DesignedWindow(QWidget* parent = nullptr) : Window(parent) {}

VORNA_CONTROLS_ACCESS:
    // The controls, loading the window hidden when it is not loaded.
    UiClass& controls()
    {
        ensureLoaded();
        return *ui;
    }

protected:
    virtual void connectControls() {}

    void buildControls() final
    {
        ui = std::make_unique<UiClass>();
        ui->setupUi(this);
        connectControls();
    }
    void forgetControls() final { ui.reset(); }

    std::unique_ptr<UiClass> ui;
};

namespace detail {
Window*& windowSlot(std::type_index type);
void forgetWindow(const Window* window);
}

// The program-wide reference of a window class: the one instance, created on
// first use and kept until the program ends.
template <class W>
W& windowRef()
{
    Window*& slot = detail::windowSlot(std::type_index(typeid(W)));
    if (!slot)
        slot = new W();
    return static_cast<W&>(*slot);
}

// Whether the reference holds an instance yet (it is never emptied).
template <class W>
bool windowRefExists()
{
    return detail::windowSlot(std::type_index(typeid(W))) != nullptr;
}

// Tests only: destroys every window instance, so the next use creates a fresh one.
void destroyAllWindows();

}  // namespace vorna::ui
