#include "platform/controls/MaskEdBox.h"

#include "platform/runtime/Runtime.h"

#include <QFocusEvent>

namespace vorna::ui {

namespace {

bool isActivationReason(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

// The mask's placeholders in the line edit's own mask language.
QChar placeholderFor(QChar maskChar)
{
    switch (maskChar.unicode()) {
    case u'#':
    case u'9': return u'9';
    case u'?': return u'a';
    case u'A': return u'N';
    case u'a': return u'n';
    case u'&':
    case u'C': return u'X';
    default: return QChar();
    }
}

bool isQtMaskSpecial(QChar ch)
{
    static const QString special = QStringLiteral("AaNnXx90Dd#HhBb><![]{}\\;");
    return special.contains(ch);
}

}  // namespace

MaskEdBox::MaskEdBox(QWidget* parent) : TextBox(parent)
{
    QLineEdit::setMaxLength(maxLength_);
}

template <class F>
void MaskEdBox::changeText(F&& change)
{
    const QString before = Text();
    const bool wasSuppressed = changeSuppressed_;
    changeSuppressed_ = true;
    change();
    changeSuppressed_ = wasSuppressed;
    if (Text() != before)
        emitChange();
}

void MaskEdBox::setMask(const QString& mask)
{
    changeText([&] {
        const QString keep = Text();
        if (showingFormatted_)
            showPlain();
        mask_ = mask;
        applyMask(keep);
        if (formats() && !hasFocus())
            showFormatted();
    });
}

void MaskEdBox::applyMask(const QString& keepText)
{
    literal_.clear();
    if (mask_.isEmpty()) {
        setInputMask(QString());
        QLineEdit::setMaxLength(maxLength_);
        QLineEdit::setText(keepText);
        return;
    }
    QString qtMask;
    for (qsizetype i = 0; i < mask_.size(); ++i) {
        QChar ch = mask_.at(i);
        if (ch == u'\\' && i + 1 < mask_.size()) {
            ch = mask_.at(++i);
            qtMask += u'\\';
            qtMask += ch;
            literal_.push_back(true);
            continue;
        }
        const QChar placeholder = placeholderFor(ch);
        if (!placeholder.isNull()) {
            qtMask += placeholder;
            literal_.push_back(false);
        } else {
            if (isQtMaskSpecial(ch))
                qtMask += u'\\';
            qtMask += ch;
            literal_.push_back(true);
        }
    }
    qtMask += u';';
    qtMask += prompt_;
    setInputMask(qtMask);
    QLineEdit::setText(keepText);
}

void MaskEdBox::setFormat(const QString& format)
{
    if (showingFormatted_)
        showPlain();
    format_ = format;
    if (formats() && !hasFocus())
        showFormatted();
}

void MaskEdBox::setPromptChar(const QString& ch)
{
    if (ch.isEmpty())
        return;
    changeText([&] {
        const QString typed = ClipText();
        prompt_ = ch.at(0);
        if (!mask_.isEmpty())
            applyMask(typed.isEmpty() ? QString() : Text());
    });
}

int MaskEdBox::MaxLength() const { return mask_.isEmpty() ? maxLength_ : static_cast<int>(literal_.size()); }

void MaskEdBox::setMaxLength(int length)
{
    maxLength_ = length;
    if (mask_.isEmpty()) {
        if (showingFormatted_)
            plain_ = plain_.left(length);
        else
            QLineEdit::setMaxLength(length);
    }
}

QString MaskEdBox::Text() const
{
    if (showingFormatted_)
        return plain_;
    if (mask_.isEmpty())
        return QLineEdit::text();
    // The line edit's own text drops the prompts; the shown one keeps every
    // position.
    return displayText();
}

void MaskEdBox::setText(const QString& text)
{
    changeText([&] {
        if (showingFormatted_) {
            plain_ = text.left(maxLength_);
            showFormatted();
        } else {
            QLineEdit::setText(text);
            if (formats() && !hasFocus())
                showFormatted();
        }
    });
}

QString MaskEdBox::ClipText() const
{
    const QString text = Text();
    if (mask_.isEmpty())
        return text;
    QString typed;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool isLiteral = i < static_cast<qsizetype>(literal_.size()) ? literal_[i] : true;
        if (!isLiteral && text.at(i) != prompt_)
            typed += text.at(i);
    }
    return typed;
}

QString MaskEdBox::FormattedText() const
{
    if (!formats())
        return Text();
    return rt::Format(Variant(Text()), format_);
}

void MaskEdBox::showFormatted()
{
    const bool wasSuppressed = changeSuppressed_;
    changeSuppressed_ = true;
    if (!showingFormatted_)
        plain_ = QLineEdit::text();
    showingFormatted_ = true;
    QLineEdit::setMaxLength(32767);
    QLineEdit::setText(rt::Format(Variant(plain_), format_));
    changeSuppressed_ = wasSuppressed;
}

void MaskEdBox::showPlain()
{
    const bool wasSuppressed = changeSuppressed_;
    changeSuppressed_ = true;
    showingFormatted_ = false;
    QLineEdit::setMaxLength(maxLength_);
    QLineEdit::setText(plain_);
    plain_.clear();
    changeSuppressed_ = wasSuppressed;
}

void MaskEdBox::focusInEvent(QFocusEvent* event)
{
    if (showingFormatted_)
        showPlain();
    TextBox::focusInEvent(event);
    // An empty masked box takes typing from its first position however the
    // focus arrived (setText leaves the cursor after the prompt characters).
    if (!Mask().isEmpty() && event->reason() != Qt::MouseFocusReason && ClipText().isEmpty())
        setCursorPosition(0);
}

void MaskEdBox::focusOutEvent(QFocusEvent* event)
{
    TextBox::focusOutEvent(event);
    if (formats() && !isActivationReason(event->reason()))
        showFormatted();
}

}  // namespace vorna::ui
