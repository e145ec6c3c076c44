#include "platform/controls/Window.h"

#include "platform/controls/ControlEvents.h"

#include <QCloseEvent>
#include <QLayout>
#include <QPointer>
#include <QTimer>
#include <map>

namespace vorna::ui {

Window::Window(QWidget* parent) : QWidget(parent, Qt::Window)
{
    // Unloading a window never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
}

Window::~Window()
{
    // A window destroyed while loaded: its helpers go before its controls, the
    // last kept first.
    while (!owned_.empty())
        owned_.pop_back();
    // The reference must not hand out a destroyed window.
    detail::forgetWindow(this);
}

void Window::setFixedWithoutCloseBox()
{
    fixedWithoutCloseBox_ = true;
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

Window::State Window::state() const
{
    if (!loaded_)
        return State::NotLoaded;
    return isVisible() ? State::Shown : State::LoadedHidden;
}

void Window::Load()
{
    if (loaded_ || loading_)
        return;
    loading_ = true;
    buildControls();
    if (fixedWithoutCloseBox_)
        setFixedSize(size());
    loaded_ = true;
    loading_ = false;
    runGuarded([this] { Form_Load(); });
}

void Window::Show()
{
    Load();
    if (!loaded_)
        return;  // the load step unloaded the window again
    show();
    raise();
    activateWindow();
}

void Window::Hide() { hide(); }

void Window::Enable(bool enabled) { setEnabled(enabled); }

void Window::Unload()
{
    if (!loaded_ || unloading_)
        return;
    unloading_ = true;
    runGuarded([this] { Form_Unload(); });
    // No control's LostFocus runs for a window that goes away.
    for (ControlEvents* events : findChildren<ControlEvents*>())
        events->retire();
    hide();
    discardControls();
    loaded_ = false;
    unloading_ = false;
}

namespace {

// The helpers a window kept while loaded, on their way out with its controls.
// A child of the discarded controls' holder, made before them, so the helpers
// go first and may still reach their controls as they go.
class DiscardedHelpers : public QObject {
public:
    DiscardedHelpers(std::vector<std::shared_ptr<void>> helpers, QObject* parent)
        : QObject(parent), helpers_(std::move(helpers))
    {
    }
    ~DiscardedHelpers() override
    {
        while (!helpers_.empty())
            helpers_.pop_back();  // the last kept first, as members go
    }

private:
    std::vector<std::shared_ptr<void>> helpers_;
};

}  // namespace

// The controls and helpers may be in the middle of their own event (the "Sair"
// button that unloads its window, a save whose hand-over does), so they leave
// the window now and are destroyed once the program is back in its event loop.
void Window::discardControls()
{
    auto* discarded = new QWidget;
    std::vector<std::shared_ptr<void>> helpers;
    for (Owned& owned : owned_) {
        owned.emptySlot();
        helpers.push_back(std::move(owned.helper));
    }
    owned_.clear();
    new DiscardedHelpers(std::move(helpers), discarded);
    const QObjectList children = this->children();
    for (QObject* child : children) {
        if (auto* widget = qobject_cast<QWidget*>(child))
            widget->setParent(discarded);
        else
            child->setParent(discarded);
    }
    delete layout();
    forgetControls();
    discarded->deleteLater();
}

void Window::closeEvent(QCloseEvent* event)
{
    if (fixedWithoutCloseBox_ && event->spontaneous()) {
        event->ignore();  // no close box: the window's own buttons close it
        return;
    }
    Unload();
    event->accept();
}

namespace detail {

namespace {
std::map<std::type_index, Window*>& references()
{
    static std::map<std::type_index, Window*> windows;
    return windows;
}
}  // namespace

Window*& windowSlot(std::type_index type) { return references()[type]; }

void forgetWindow(const Window* window)
{
    for (auto& [type, instance] : references()) {
        if (instance == window)
            instance = nullptr;
    }
}

}  // namespace detail

void destroyAllWindows()
{
    std::vector<Window*> windows;
    for (const auto& [type, instance] : detail::references()) {
        if (instance)
            windows.push_back(instance);
    }
    for (Window* window : windows)
        delete window;  // each clears its own reference
}

}  // namespace vorna::ui
