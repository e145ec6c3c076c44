#pragma once
#include <QStyle>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <vector>

class QAbstractButton;
class QLabel;
class QWidget;

// A window's toolbar declared as one table: each picture button with its
// picture, its hover caption label and its click handler. Pictures come from
// setToolbarPictures, captions from ToolbarHoverCaptions; a window whose
// buttons have no caption labels leaves the caption out.
//
//   installToolbar(this, {
//       {ui->Command3D1, QStyle::SP_DialogSaveButton, ui->Label16, &Form10::Command3D1_Click},  // Gravar
//       {ui->Command3D5, QStyle::SP_DialogCloseButton, ui->Label21, &Form10::Command3D5_Click},  // Sair
//   });
//
// Built with the window's controls, in connectControls.
namespace vorna {

template <class W>
struct ToolbarButton {
    QAbstractButton* button = nullptr;
    QStyle::StandardPixmap picture = QStyle::SP_CustomBase;
    QLabel* caption = nullptr;
    void (W::*click)() = nullptr;
};

struct ToolbarEntry {
    QAbstractButton* button = nullptr;
    QStyle::StandardPixmap picture = QStyle::SP_CustomBase;
    QLabel* caption = nullptr;
    std::function<void()> click;
};

void installToolbar(QWidget* window, const std::vector<ToolbarEntry>& buttons);

template <class W>
void installToolbar(W* window, std::initializer_list<ToolbarButton<std::type_identity_t<W>>> buttons)
{
    std::vector<ToolbarEntry> entries;
    entries.reserve(buttons.size());
    for (const ToolbarButton<W>& b : buttons)
        entries.push_back({b.button, b.picture, b.caption, [window, click = b.click] { (window->*click)(); }});
    installToolbar(static_cast<QWidget*>(window), entries);
}

}  // namespace vorna
