#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

namespace vorna::test {

namespace {
const char* buttonsName(dlg::Buttons b) { return b == dlg::Buttons::YesNo ? "Yes/No" : "OK"; }
const char* answerName(dlg::Answer a)
{
    switch (a) {
    case dlg::Answer::Ok: return "OK";
    case dlg::Answer::Yes: return "Yes";
    case dlg::Answer::No: return "No";
    }
    return "?";
}
bool fits(dlg::Answer a, dlg::Buttons b)
{
    return b == dlg::Buttons::YesNo ? a != dlg::Answer::Ok : a == dlg::Answer::Ok;
}
}  // namespace

FakeDialogs& FakeDialogs::expect(dlg::Answer answer, const QString& text)
{
    script_.push_back({answer, text});
    return *this;
}

FakeDialogs& FakeDialogs::expectInput(std::optional<QString> answer)
{
    inputs_.push_back(std::move(answer));
    return *this;
}

FakeDialogs& FakeDialogs::expectPrinterDialog(bool chosen)
{
    printerChoices_.push_back(chosen);
    return *this;
}

dlg::Answer FakeDialogs::message(const dlg::MessageRequest& request)
{
    const dlg::Answer fallback = request.buttons == dlg::Buttons::YesNo ? dlg::Answer::No : dlg::Answer::Ok;
    dlg::Answer answer = fallback;
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << request.text.toStdString() << "\" (title \""
                      << request.title.toStdString() << "\", " << buttonsName(request.buttons) << ")";
    } else {
        const Scripted next = script_.front();
        script_.pop_front();
        if (!next.text.isNull() && next.text != request.text) {
            ADD_FAILURE() << "message box \"" << request.text.toStdString() << "\" where \""
                          << next.text.toStdString() << "\" was expected";
        }
        if (!fits(next.answer, request.buttons)) {
            ADD_FAILURE() << "answer " << answerName(next.answer) << " scripted for the "
                          << buttonsName(request.buttons) << " box \"" << request.text.toStdString() << "\"";
        } else {
            answer = next.answer;
        }
    }
    boxes.push_back({request.text, request.title, request.buttons, request.icon, answer});
    return answer;
}

std::optional<QString> FakeDialogs::inputBox(const QString& prompt, const QString&, const QString&)
{
    inputPrompts.push_back(prompt);
    if (inputs_.empty()) {
        ADD_FAILURE() << "unexpected input box: \"" << prompt.toStdString() << "\"";
        return std::nullopt;
    }
    const bool cancelled = !inputs_.front().has_value();
    const QString text = inputs_.front().value_or(QString());
    inputs_.pop_front();
    if (cancelled)
        return std::nullopt;
    return text;
}

bool FakeDialogs::choosePrinter(QWidget*)
{
    ++printerDialogs;
    if (printerChoices_.empty()) {
        ADD_FAILURE() << "unexpected printer dialog";
        return false;
    }
    const bool chosen = printerChoices_.front();
    printerChoices_.pop_front();
    return chosen;
}

std::vector<QString> FakeDialogs::texts() const
{
    std::vector<QString> out;
    for (const ShownBox& b : boxes)
        out.push_back(b.text);
    return out;
}

int FakeDialogs::pendingScript() const
{
    return int(script_.size() + inputs_.size() + printerChoices_.size());
}

void FakeDialogs::verifyAllTaken()
{
    for (const Scripted& s : script_)
        ADD_FAILURE() << "scripted message box never shown: \"" << s.text.toStdString() << "\" ("
                      << answerName(s.answer) << ")";
    for (const auto& i : inputs_)
        ADD_FAILURE() << "scripted input box never shown (answer \""
                      << (i ? i->toStdString() : std::string("<cancel>")) << "\")";
    if (!printerChoices_.empty())
        ADD_FAILURE() << printerChoices_.size() << " scripted printer dialog(s) never shown";
    script_.clear();
    inputs_.clear();
    printerChoices_.clear();
}

void FakeDialogs::clear()
{
    boxes.clear();
    inputPrompts.clear();
    printerDialogs = 0;
    beeps = 0;
    script_.clear();
    inputs_.clear();
    printerChoices_.clear();
}

}  // namespace vorna::test
