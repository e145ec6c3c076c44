#pragma once
#include <QObject>
#include <QPointer>
#include <vector>

class QLabel;
class QWidget;

namespace vorna {

// The hover captions of a window's picture buttons. Each button has a caption
// label, hidden when the window loads. The pointer moving over an enabled
// button shows that button's caption and hides the window's other captions;
// moving over the window's own surface hides them all. Nothing else changes
// them: moving from a button onto a frame, a box or a label keeps the caption,
// and a click does not touch it. Several buttons may share one caption.
//
// Built with the window's controls (it is one of them, so it goes when the
// window unloads):
//
//   auto* captions = new ToolbarHoverCaptions(this);
//   captions->add(ui->Command3D1, ui->Label16).add(ui->Command3D2, ui->Label18);
class ToolbarHoverCaptions : public QObject {
    Q_OBJECT
public:
    explicit ToolbarHoverCaptions(QWidget* window);

    ToolbarHoverCaptions& add(QWidget* button, QLabel* caption);
    // A caption of the window's set whose button does not show it by hover here
    // (still hidden by every button and by the surface).
    ToolbarHoverCaptions& addCaption(QLabel* caption);
    // Another surface that hides every caption, as the window's own does.
    ToolbarHoverCaptions& hideOn(QWidget* surface);
    // A surface (a panel around a button) that hides one caption only.
    ToolbarHoverCaptions& hideOn(QWidget* surface, QLabel* caption);
    // Captions a button's hover leaves as they are; keepsOthers: all of them.
    ToolbarHoverCaptions& keeps(QWidget* button, const std::vector<QLabel*>& captions);
    ToolbarHoverCaptions& keepsOthers(QWidget* button);

    // The window's first set (the one installToolbar builds); none when absent.
    static ToolbarHoverCaptions* of(QWidget* window);

    void showFor(QWidget* button);
    void hideAll();

private:
    struct Member {
        QPointer<QWidget> button;
        QPointer<QLabel> caption;
        std::vector<QPointer<QLabel>> kept;
        bool keepsOthers = false;
    };
    Member* member(QWidget* button);
    std::vector<Member> members_;
    std::vector<QPointer<QLabel>> captions_;
};

}  // namespace vorna
