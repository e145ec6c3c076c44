#pragma once
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace vorna::dlg {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Exclamation };
enum class Answer { Ok, Yes, No };

struct MessageRequest {
    QString text;
    QString title;          // empty: the application's title shows in the caption
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

// Everything modal that the program asks of the user goes through one service,
// so tests can install a scripted fake in its place.
class DialogService {
public:
    virtual ~DialogService() = default;
    // Modal; Yes is the default button of a Yes/No box.
    virtual Answer message(const MessageRequest& request) = 0;
    // Modal input box; nullopt when cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
    // The printer-selection dialog; false when cancelled.
    virtual bool choosePrinter(QWidget* parent) = 0;
    virtual void beep() = 0;
};

// The installed service (the real one unless a test installed another).
DialogService& dialogs();
// Installs a service (not owned); nullptr restores the real one.
void setDialogService(DialogService* service);

QString applicationTitle();

// The printer the user chose last in the printer-selection dialog (the desktop's
// default printer until then); prints go to it.
QPrinter& selectedPrinter();

// Shorthands used by the windows.
Answer MsgBox(const QString& text, Buttons buttons = Buttons::Ok, const QString& title = {},
              Icon icon = Icon::None);
void Beep();

// Sends the runtime's beep (the key filters' refusal sound) through the installed
// service, so there is one beep for the whole program and tests count it.
void routeRuntimeBeep();

}  // namespace vorna::dlg
