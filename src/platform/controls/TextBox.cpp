#include "platform/controls/TextBox.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QHash>
#include <QProxyStyle>

namespace vorna::ui {

namespace {

// Qt takes the password character from the style, so each character gets a
// style of its own, shared by every box that shows it and kept for the life of
// the program (a box may be destroyed after its style otherwise).
class PasswordCharStyle final : public QProxyStyle {
public:
    explicit PasswordCharStyle(QChar ch) : ch_(ch) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return ch_.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar ch_;
};

QStyle* styleFor(QChar ch)
{
    static QHash<char16_t, QStyle*> styles;
    QStyle*& style = styles[ch.unicode()];
    if (!style)
        style = new PasswordCharStyle(ch);
    return style;
}

}  // namespace

void setPasswordChar(QLineEdit* box, QChar ch)
{
    if (ch.isNull()) {
        box->setEchoMode(QLineEdit::Normal);
        return;
    }
    box->setStyle(styleFor(ch));
    box->setEchoMode(QLineEdit::Password);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::emitChange);
    setAcceptDrops(false);  // a drop would get past the length limit and the key filters
}

void TextBox::setMaxLength(int length) { typedLimit_ = length > 0 ? length : 32767; }

int TextBox::room() const
{
    return typedLimit_ - static_cast<int>(text().size()) + static_cast<int>(selectedText().size());
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        if (isReadOnly())
            return;
        insert(QGuiApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0).left(std::max(room(), 0)));
        return;
    }
    const QString typed = event->text();
    const bool types = !typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
    if (types && typed.size() > room()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event)
{
    const QString committed = event->commitString();
    if (committed.size() > std::max(room(), 0)) {
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(committed.left(std::max(room(), 0)), event->replacementStart(),
                            event->replacementLength());
        QLineEdit::inputMethodEvent(&cut);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

QString TextBox::PasswordChar() const { return passwordChar_.isNull() ? QString() : QString(passwordChar_); }

void TextBox::setPasswordChar(const QString& ch)
{
    passwordChar_ = ch.isEmpty() ? QChar() : ch.at(0);
    vorna::ui::setPasswordChar(this, passwordChar_);
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    const bool hadSelection = hasSelectedText();
    const int cursor = cursorPosition();
    QLineEdit::focusInEvent(event);
    const bool byKeyboard = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (byKeyboard && inputMask().isEmpty() && !hadSelection) {
        deselect();
        setCursorPosition(cursor);
    }
}

void TextBox::emitChange()
{
    if (!changeSuppressed_)
        emit Change();
}

}  // namespace vorna::ui
