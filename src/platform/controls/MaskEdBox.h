#pragma once
#include "platform/controls/TextBox.h"

#include <vector>

namespace vorna::ui {

// A masked edit box.
//
// With a mask ("##/##/####": "#" a digit, any other character a fixed literal)
// only fitting characters go into the mask's positions; untyped positions show
// the prompt character ("_"). Text() is the whole plain text, literals and
// prompts included ("3_/__/____"); ClipText() only what was typed ("3"), empty
// when nothing was typed.
//
// Without a mask it is a plain box of at most MaxLength characters (64 unless
// set). A display format (the amount format "$#,##0.00;($#,##0.00)") then shows
// the text formatted while the box does not have the focus; Text() is always
// the box's own text, never the formatted one.
//
// The windows empty a masked box the way the original code did: mask off,
// text "", mask on (setMask(""), setText(""), setMask("##/##/####")); setting
// the mask keeps the text that fits it.
class MaskEdBox : public TextBox {
    Q_OBJECT
    Q_PROPERTY(QString mask READ Mask WRITE setMask)
    Q_PROPERTY(QString format READ Format WRITE setFormat)
    Q_PROPERTY(QString promptChar READ PromptChar WRITE setPromptChar)
    Q_PROPERTY(int maxLength READ MaxLength WRITE setMaxLength)
public:
    explicit MaskEdBox(QWidget* parent = nullptr);

    QString Mask() const { return mask_; }
    void setMask(const QString& mask);
    QString Format() const { return format_; }
    void setFormat(const QString& format);
    QString PromptChar() const { return QString(prompt_); }
    void setPromptChar(const QString& ch);
    int MaxLength() const;
    void setMaxLength(int length);
    // The masked box keeps the line edit's own limit.
    using QLineEdit::maxLength;

    QString Text() const;
    void setText(const QString& text);
    QString ClipText() const;
    // What the box shows while it does not have the focus.
    QString FormattedText() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool formats() const { return mask_.isEmpty() && !format_.isEmpty(); }
    void applyMask(const QString& keepText);
    void showFormatted();
    void showPlain();
    // Runs a change of the box's inner state, reporting Change once, and only
    // when Text() is different afterwards.
    template <class F>
    void changeText(F&& change);

    QString mask_;
    QString format_;
    QChar prompt_ = u'_';
    int maxLength_ = 64;
    std::vector<bool> literal_;  // per mask position
    bool showingFormatted_ = false;
    QString plain_;  // the text while the formatted one shows
};

}  // namespace vorna::ui
