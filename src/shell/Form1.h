#pragma once
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "menu_batch/DatabaseCopies.h"
#include "ui_Form1.h"

#include <QPointer>
#include <QTimer>
#include <array>

namespace vorna::shell {

// The login window, the first window of the program. Its load step is the
// program's start-up: it opens the databases, reads the level codes and the
// settings record. The user types a level code and an identification; a code
// that matches a stored one opens the main menu, the tenth wrong one ends the
// program. The day's text scrolls along the bottom while the window is open.
class Form1 : public ui::DesignedWindow<Ui::Form1> {
    Q_OBJECT
public:
    Form1();

    // The window's own state (kept while it is loaded).
    const QString& MarqueeText() const { return MarqueeText_; }
    const std::array<QString, 3>& PreparedLevelCodes() const { return PreparedLevelCodes_; }
    const QString& EncodedTypedCode() const { return EncodedTypedCode_; }
    int MatchedLevel() const { return MatchedLevel_; }
    int WrongCodeCount() const { return WrongCodeCount_; }
    QTimer* Timer1() const { return Timer1_; }

    // Handlers.
    void Command1_Click();
    void Command2_Click();
    void Text1_Change();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Timer1_Timer();

    void PrepareStoredLevelCodes();
    void EncodeTypedLoginCode();
    void LoadUserRights();

    // The database copies.
    void OpenMainDatabase();
    void LoadBackupSettings();
    void CopyDatabaseDaily();
    // `DatabaseOpenError`, the copy folders and permission, settable.
    menu_batch::DatabaseCopies& Copies() { return Copies_; }

private:
    menu_batch::DatabaseCopies Copies_;

public:

protected:
    void connectControls() override;
    void Form_Load() override;
    void Form_Unload() override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void openMainMenu();

    QString MarqueeText_;
    std::array<QString, 3> StoredLevelCodes_;
    std::array<QString, 3> PreparedLevelCodes_;
    QString EncodedTypedCode_;
    int16_t MatchedLevel_ = 0;
    int16_t WrongCodeCount_ = 0;
    db::Recordset LevelCodesRecordset_;  // DAMUS
    db::Recordset SettingsRecordset_;    // REGISTRO
    QPointer<QTimer> Timer1_;            // one of the controls: discarded on unload
};

}  // namespace vorna::shell
