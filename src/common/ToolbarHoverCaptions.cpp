#include "common/ToolbarHoverCaptions.h"

#include "platform/controls/ControlEvents.h"

#include <QLabel>
#include <QWidget>

namespace vorna {

ToolbarHoverCaptions::ToolbarHoverCaptions(QWidget* window) : QObject(window) { hideOn(window); }

ToolbarHoverCaptions& ToolbarHoverCaptions::add(QWidget* button, QLabel* caption)
{
    members_.push_back({button, caption});
    addCaption(caption);
    ui::on(button).MouseMove([this, button] { showFor(button); });
    return *this;
}

ToolbarHoverCaptions& ToolbarHoverCaptions::addCaption(QLabel* caption)
{
    caption->setVisible(false);
    for (const QPointer<QLabel>& known : captions_) {
        if (known == caption)
            return *this;
    }
    captions_.emplace_back(caption);
    return *this;
}

ToolbarHoverCaptions& ToolbarHoverCaptions::hideOn(QWidget* surface)
{
    ui::on(surface).MouseMove([this] { hideAll(); });
    return *this;
}

void ToolbarHoverCaptions::showFor(QWidget* button)
{
    if (!button->isEnabled())
        return;  // a disabled button shows no caption
    QLabel* own = nullptr;
    for (const Member& member : members_) {
        if (member.button == button)
            own = member.caption;
    }
    for (const QPointer<QLabel>& caption : captions_) {
        if (caption && caption != own)
            caption->setVisible(false);
    }
    if (own)
        own->setVisible(true);
}

void ToolbarHoverCaptions::hideAll()
{
    for (const QPointer<QLabel>& caption : captions_) {
        if (caption)
            caption->setVisible(false);
    }
}

}  // namespace vorna
