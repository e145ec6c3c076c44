#pragma once
#include <QLineEdit>

namespace vorna::ui {

// A one-line text box. Unlike a plain line edit it does not select its whole
// text when Tab brings the focus in (windows that want a selection ask for it
// on GotFocus), and it can show a password character of its own ("#", "*").
class TextBox : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString passwordChar READ PasswordChar WRITE setPasswordChar)
public:
    explicit TextBox(QWidget* parent = nullptr);

    // The character shown for every typed one; empty shows the text itself.
    QString PasswordChar() const;
    void setPasswordChar(const QString& ch);

signals:
    // The text changed, by typing or by code.
    void Change();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void emitChange();
    bool changeSuppressed_ = false;

private:
    QChar passwordChar_;
};

// The same for a plain line edit.
void setPasswordChar(QLineEdit* box, QChar ch);

}  // namespace vorna::ui
