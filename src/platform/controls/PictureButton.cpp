#include "platform/controls/PictureButton.h"

#include <QKeyEvent>

namespace vorna::ui {

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, &PictureButton::Click);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Select:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->ignore();
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}

void PictureButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        event->ignore();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

}  // namespace vorna::ui
