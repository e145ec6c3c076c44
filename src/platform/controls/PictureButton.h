#pragma once
#include <QPushButton>

namespace vorna::ui {

// A toolbar button drawn with a picture and no text; its caption is a separate
// label of the window that the hover captions show. It takes the focus by Tab
// and by the mouse, but only a mouse click presses it: Space and Enter do
// nothing, so a picture button placed outside the window's visible area can
// never be pressed.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace vorna::ui
