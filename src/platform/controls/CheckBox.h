#pragma once
#include <QCheckBox>

namespace vorna::ui {

// A check box with the values 0 (clear), 1 (ticked) and 2 (grey). Click runs
// whenever the value changes, by the user or by code.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    static constexpr int Unchecked = 0;
    static constexpr int Checked = 1;
    static constexpr int Grayed = 2;

    explicit CheckBox(QWidget* parent = nullptr);
    explicit CheckBox(const QString& caption, QWidget* parent = nullptr);

    int Value() const;
    void setValue(int value);

signals:
    void Click();
};

}  // namespace vorna::ui
