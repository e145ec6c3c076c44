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

ToolbarHoverCaptions& ToolbarHoverCaptions::hideOn(QWidget* surface, QLabel* caption)
{
    ui::on(surface).MouseMove([caption = QPointer<QLabel>(caption)] {
        if (caption)
            caption->setVisible(false);
    });
    return *this;
}

ToolbarHoverCaptions::Member* ToolbarHoverCaptions::member(QWidget* button)
{
    for (Member& m : members_) {
        if (m.button == button)
            return &m;
    }
    return nullptr;
}

ToolbarHoverCaptions& ToolbarHoverCaptions::keeps(QWidget* button, const std::vector<QLabel*>& captions)
{
    if (Member* m = member(button))
        m->kept.insert(m->kept.end(), captions.begin(), captions.end());
    return *this;
}

ToolbarHoverCaptions& ToolbarHoverCaptions::keepsOthers(QWidget* button)
{
    if (Member* m = member(button))
        m->keepsOthers = true;
    return *this;
}

ToolbarHoverCaptions* ToolbarHoverCaptions::of(QWidget* window)
{
    return window->findChild<ToolbarHoverCaptions*>(QString(), Qt::FindDirectChildrenOnly);
}

void ToolbarHoverCaptions::showFor(QWidget* button)
{
    if (!button->isEnabled())
        return;  // a disabled button shows no caption
    const Member* own = member(button);
    QLabel* ownCaption = own ? own->caption.data() : nullptr;
    const auto kept = [own](const QLabel* caption) {
        if (!own)
            return false;
        if (own->keepsOthers)
            return true;
        for (const QPointer<QLabel>& k : own->kept) {
            if (k == caption)
                return true;
        }
        return false;
    };
    for (const QPointer<QLabel>& caption : captions_) {
        if (caption && caption != ownCaption && !kept(caption))
            caption->setVisible(false);
    }
    if (ownCaption)
        ownCaption->setVisible(true);
}

void ToolbarHoverCaptions::hideAll()
{
    for (const QPointer<QLabel>& caption : captions_) {
        if (caption)
            caption->setVisible(false);
    }
}

}  // namespace vorna
