#pragma once
#include <QLineEdit>

namespace vorna::ui {

// A one-line text box. Unlike a plain line edit it does not select its whole
// text when Tab brings the focus in (windows that want a selection ask for it
// on GotFocus), it can show a password character of its own ("#", "*"), and
// its maximum length limits what the user types or pastes only: text set by
// the program is shown whole (a stored code longer than the box takes).
class TextBox : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString passwordChar READ PasswordChar WRITE setPasswordChar)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
public:
    explicit TextBox(QWidget* parent = nullptr);

    int maxLength() const { return typedLimit_; }
    void setMaxLength(int length);

    // The character shown for every typed one; empty shows the text itself.
    QString PasswordChar() const;
    void setPasswordChar(const QString& ch);

signals:
    // The text changed, by typing or by code.
    void Change();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void emitChange();
    bool changeSuppressed_ = false;

private:
    // How many more characters the user may put in, replacing the selection.
    int room() const;

    QChar passwordChar_;
    int typedLimit_ = 32767;
};

// The same for a plain line edit.
void setPasswordChar(QLineEdit* box, QChar ch);

}  // namespace vorna::ui
