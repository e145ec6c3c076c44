#pragma once
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PictureButton.h"
#include "platform/controls/TextBox.h"
#include "support/Interact.h"
#include "support/ProgramFixture.h"
#include "support/SecondWorkstation.h"

#include <QString>
#include <vector>

struct sqlite3;

namespace vorna::test {

// The producer window's controls, by what they are for.
struct ProducerWindow {
    ui::TextBox* code = nullptr;       // Text1
    ui::TextBox* branch = nullptr;     // Text23
    ui::TextBox* name = nullptr;       // Text2
    ui::TextBox* access = nullptr;     // Text4
    ui::TextBox* telephone = nullptr;  // Text11
    ui::TextBox* bank = nullptr;       // Text10
    ui::TextBox* agency = nullptr;     // Text5
    ui::TextBox* account = nullptr;    // Text12
    ui::MaskEdBox* newRate = nullptr;      // MaskEdBox1
    ui::MaskEdBox* fixed = nullptr;        // MaskEdBox2
    ui::MaskEdBox* renewalRate = nullptr;  // MaskEdBox6
    ui::MaskEdBox* target = nullptr;       // MaskEdBox11
    ui::OptionButton* position[4] = {};    // Option1..Option4: "1", "2", "3", "0"
    ui::OptionButton* interestPassed = nullptr;     // Option5: "C"
    ui::OptionButton* interestNotPassed = nullptr;  // Option6: "S"
    ui::ListBox* list = nullptr;           // List1
    ui::PictureButton* save = nullptr;     // Command3D2
    ui::PictureButton* clear = nullptr;    // Command3D1
    ui::PictureButton* remove = nullptr;   // Command3D3
    ui::PictureButton* search = nullptr;   // Command3D4
    ui::PictureButton* report = nullptr;   // Command3D11 "Listar Produtores"
    ui::PictureButton* exit = nullptr;     // Command3D5
    ui::PictureButton* first = nullptr;    // Command3D8
    ui::PictureButton* previous = nullptr; // Command3D9
    ui::PictureButton* next = nullptr;     // Command3D6
    ui::PictureButton* last = nullptr;     // Command3D7
};

// One LOGUI row as the window wrote it.
struct AuditEntry {
    Variant code;
    QString name;
    QString remarks;
    Variant user;
    QString date;
    QString time;
    QString settled;
};

// The engine numbers of the failures that reached no handler while it lived.
class UnhandledEngineFailures {
public:
    UnhandledEngineFailures()
    {
        ui::setUnexpectedFailureReporter([this](const std::exception& e) {
            if (auto* engine = dynamic_cast<const EngineError*>(&e))
                numbers.push_back(engine->number());
        });
    }
    ~UnhandledEngineFailures() { ui::setUnexpectedFailureReporter({}); }
    UnhandledEngineFailures(const UnhandledEngineFailures&) = delete;
    UnhandledEngineFailures& operator=(const UnhandledEngineFailures&) = delete;

    std::vector<int> numbers;
};

// The program logged in at level 1 in branch 1, with the producer window
// opened from the main menu's reference.
class ProducerFixture : public ProgramFixture {
protected:
    static constexpr int Branch = 1;
    static constexpr int UserCode = 42;

    void SetUp() override;

    ProducerWindow& open();
    ProducerWindow& w() { return w_; }

    // A stored producer; more fields may follow.
    void addProducer(int code, int branch, const QString& name, const Fields& more = {});
    // The single producer of a code in a branch; fails the test when none.
    db::Recordset producer(int code, int branch = Branch);
    std::vector<AuditEntry> auditRows();

    static QWidget* focused();
    bool shown() const { return w_.remove->isEnabled(); }

    static QString writeFailure(int number) { return msg::withNumber(msg::RecordLocked, number); }

private:
    ProducerWindow w_;
};

}  // namespace vorna::test
