#include "platform/controls/LeaveCheck.h"

#include "platform/controls/ControlEvents.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace vorna::ui {

namespace {

// Swallows the mouse presses and releases aimed at the other controls of the
// held window. The press that moved the focus is still on its way when the
// leave handler returns, so the hold must already be in place by then.
class ClickHold final : public QObject {
public:
    void start(QWidget* box)
    {
        box_ = box;
        window_ = box->window();
        if (!installed_) {
            qApp->installEventFilter(this);
            installed_ = true;
        }
        ++generation_;
        const int generation = generation_;
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == generation_)
                stop();
        });
    }

    void stop()
    {
        box_.clear();
        window_.clear();
        if (installed_) {
            qApp->removeEventFilter(this);
            installed_ = false;
        }
    }

    bool active() const { return installed_ && window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease
            && type != QEvent::MouseButtonDblClick)
            return false;
        if (!window_) {
            stop();
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != window_)
            return false;
        if (box_ && (widget == box_ || box_->isAncestorOf(widget)))
            return false;
        if (type == QEvent::MouseButtonRelease)
            stop();
        return true;
    }

private:
    QPointer<QWidget> box_;
    QPointer<QWidget> window_;
    bool installed_ = false;
    int generation_ = 0;
};

ClickHold& clickHold()
{
    static ClickHold* hold = new ClickHold;  // lives as long as the program
    return *hold;
}

}  // namespace

void LeaveCheck::attach(QWidget* box, std::function<bool()> check)
{
    QPointer<QWidget> guarded(box);
    on(box).LostFocus([guarded, check = std::move(check)] {
        if (!guarded)
            return;
        if (!check() && guarded)
            guarded->setFocus(Qt::OtherFocusReason);
    });
}

void LeaveCheck::holdClick(QWidget* box)
{
    if (box)
        clickHold().start(box);
}

bool LeaveCheck::holding() { return clickHold().active(); }

}  // namespace vorna::ui
