#pragma once
#include <QRadioButton>

namespace vorna::ui {

// An option button. The buttons of one frame (or of the window itself) form a
// group: choosing one clears the others. Code may also clear every button of a
// group, which a plain radio button does not allow. Click runs when the button
// becomes chosen, by the user or by code, and when the user clicks it again.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr);

    bool Value() const { return isChecked(); }
    void setValue(bool chosen);

signals:
    void Click();
};

}  // namespace vorna::ui
