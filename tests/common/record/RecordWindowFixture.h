#pragma once
#include "common/RecordWindowPattern.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PictureButton.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Window.h"
#include "support/ProgramFixture.h"
#include "support/SecondWorkstation.h"

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>

struct sqlite3;

namespace vorna::test {

// A small record window with the controls the registers have: code and name
// boxes, one more text box, an amount box, two rate boxes, two option buttons,
// the pick list and the toolbar. What it keeps and how is declared by the test.
class RecordTestWindow : public ui::Window {
public:
    using Declaration = std::function<void(RecordWindowSpec&, RecordTestWindow&)>;
    explicit RecordTestWindow(Declaration declare) : declare_(std::move(declare)) {}

    ui::TextBox* Text1 = nullptr;    // code
    ui::TextBox* Text2 = nullptr;    // name
    ui::TextBox* Text3 = nullptr;    // an optional text
    ui::MaskEdBox* MaskEdBox1 = nullptr;   // an amount
    ui::MaskEdBox* MaskEdBox4 = nullptr;   // rates
    ui::MaskEdBox* MaskEdBox5 = nullptr;
    ui::OptionButton* Option1 = nullptr;
    ui::OptionButton* Option2 = nullptr;
    ui::ListBox* List1 = nullptr;
    QWidget* Frame3D1 = nullptr;
    ui::PictureButton* Command3D1 = nullptr;  // Gravar
    ui::PictureButton* Command3D2 = nullptr;  // Limpar
    ui::PictureButton* Command3D3 = nullptr;  // Excluir
    ui::PictureButton* Command3D4 = nullptr;  // Consultar
    ui::PictureButton* Command3D6 = nullptr;  // Próximo
    ui::PictureButton* Command3D7 = nullptr;  // Último
    ui::PictureButton* Command3D8 = nullptr;  // Primeiro
    ui::PictureButton* Command3D9 = nullptr;  // Anterior

    std::unique_ptr<RecordWindowPattern> record;

protected:
    void buildControls() override;
    void Form_Load() override;
    void Form_Unload() override { record.reset(); }

private:
    void Command3D1_Click() { record->SaveClick(); }
    void Command3D2_Click() { record->ClearClick(); }
    void Command3D3_Click() { record->DeleteClick(); }
    void Command3D4_Click() { record->SearchClick(); }
    void List1_Click() { record->PickClick(); }
    void Command3D6_Click() { record->NextClick(); }
    void Command3D7_Click() { record->LastClick(); }
    void Command3D8_Click() { record->FirstClick(); }
    void Command3D9_Click() { record->PreviousClick(); }

    Declaration declare_;
};

// Declarations of the kinds of register the program has.
// Insurer-like: CIAS, key typed, optional text and amount, two rates, silent
// navigation, search by code or name pieces, deletion asked first.
void declareInsurerLike(RecordWindowSpec& design, RecordTestWindow& w);
// Attendant-like: ATENDE, key numbered by the database, add-only, new key
// reported, navigation with its message, no search.
void declareAttendantLike(RecordWindowSpec& design, RecordTestWindow& w);
// Producer-like: PRODUTOR, code computed per branch 1, audit rows, alteration
// without the name check, navigation with its message, search.
void declareProducerLike(RecordWindowSpec& design, RecordTestWindow& w);

// A second workstation holding the write lock of the main database file.
using SecondWorkstationLock = SecondWorkstationWriting;

class RecordWindowFixture : public ProgramFixture {
protected:
    void TearDown() override;

    RecordTestWindow& open(RecordTestWindow::Declaration declare);
    RecordTestWindow& window() { return *window_; }

    static void click(QWidget* button);
    // Puts the focus into the box, empties it and types the text, key by key.
    static void type(QWidget* box, const QString& text);
    static QString text(const QWidget* box);
    // A click on the list's item at that row.
    static void pickRow(ui::ListBox* list, int row);
    static QStringList items(const ui::ListBox* list);
    static QWidget* focused() { return QApplication::focusWidget(); }
    bool shown() const { return window_->record->isShown(); }

    // The single row of a table meeting the criteria; fails the test when none.
    db::Recordset row(const QString& table, const QString& criteria);

private:
    RecordTestWindow* window_ = nullptr;
};

}  // namespace vorna::test
