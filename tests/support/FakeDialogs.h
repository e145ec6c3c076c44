#pragma once
#include "platform/dialogs/Dialogs.h"

#include <QString>
#include <deque>
#include <optional>
#include <vector>

namespace vorna::test {

// A box as the program asked for it, and what the fake answered.
struct ShownBox {
    QString text;
    QString title;  // empty: the application's title would show
    dlg::Buttons buttons = dlg::Buttons::Ok;
    dlg::Icon icon = dlg::Icon::None;
    dlg::Answer answer = dlg::Answer::Ok;
};

// Stands in for every modal dialog. Each box takes the next scripted answer; a
// box nobody scripted fails the test and is answered OK (or No). A scripted
// text, when given, must be the box's text.
class FakeDialogs : public dlg::DialogService {
public:
    // Script the next box: its answer and, optionally, the text it must show.
    FakeDialogs& expect(dlg::Answer answer, const QString& text = {});
    FakeDialogs& expectOk(const QString& text = {}) { return expect(dlg::Answer::Ok, text); }
    FakeDialogs& expectYes(const QString& text = {}) { return expect(dlg::Answer::Yes, text); }
    FakeDialogs& expectNo(const QString& text = {}) { return expect(dlg::Answer::No, text); }
    // Script the next input box: its answer, nullopt for Cancel.
    FakeDialogs& expectInput(std::optional<QString> answer);
    // Script the next printer dialog: chosen (true) or cancelled.
    FakeDialogs& expectPrinterDialog(bool chosen);

    // Everything shown so far, in order.
    std::vector<ShownBox> boxes;
    std::vector<QString> inputPrompts;
    int printerDialogs = 0;
    int beeps = 0;

    // Texts of the boxes shown, for compact assertions.
    std::vector<QString> texts() const;
    // Scripted answers no dialog took yet.
    int pendingScript() const;
    // Fails the test for each scripted answer no dialog took, then forgets them.
    void verifyAllTaken();
    // Forgets what was shown and scripted.
    void clear();

    dlg::Answer message(const dlg::MessageRequest& request) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    bool choosePrinter(QWidget* parent) override;
    void beep() override { ++beeps; }

private:
    struct Scripted {
        dlg::Answer answer;
        QString text;
    };
    std::deque<Scripted> script_;
    std::deque<std::optional<QString>> inputs_;
    std::deque<bool> printerChoices_;
};

}  // namespace vorna::test
