#include "platform/dialogs/Dialogs.h"

#include "platform/runtime/Runtime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace vorna::dlg {

namespace {

QWidget* activeParent() { return QApplication::activeWindow(); }

QString captionFor(const QString& title) { return title.isEmpty() ? applicationTitle() : title; }

class QtDialogService final : public DialogService {
public:
    Answer message(const MessageRequest& request) override
    {
        QMessageBox box(activeParent());
        box.setWindowTitle(captionFor(request.title));
        // Names and addresses typed by users end up in these texts: never read them as markup.
        box.setTextFormat(Qt::PlainText);
        box.setText(request.text);
        box.setIcon(request.icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
        if (request.buttons == Buttons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            // The staff read Portuguese; the captions must not depend on an installed translation.
            box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
            box.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
        } else {
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
        }
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
        if (request.buttons == Buttons::Ok)
            return Answer::Ok;
        return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
    }

    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override
    {
        QInputDialog input(activeParent());
        input.setWindowTitle(captionFor(title));
        input.setLabelText(prompt);
        input.setTextValue(defaultText);
        input.setCancelButtonText(QStringLiteral("Cancelar"));
        input.setWindowModality(Qt::ApplicationModal);
        if (input.exec() != QDialog::Accepted)
            return std::nullopt;
        return input.textValue();
    }

    bool choosePrinter(QWidget* parent) override
    {
        QPrintDialog chooser(&selectedPrinter(), parent ? parent : activeParent());
        return chooser.exec() == QDialog::Accepted;
    }

    void beep() override { QApplication::beep(); }
};

QtDialogService& realService()
{
    static QtDialogService service;
    return service;
}

DialogService* installed = nullptr;

}  // namespace

DialogService& dialogs() { return installed ? *installed : realService(); }

void setDialogService(DialogService* service) { installed = service; }

QString applicationTitle() { return QStringLiteral("Vorna"); }

QPrinter& selectedPrinter()
{
    // Never destroyed: a printer torn down after the application object is gone
    // can reach into an unloaded print backend.
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

Answer MsgBox(const QString& text, Buttons buttons, const QString& title, Icon icon)
{
    return dialogs().message(MessageRequest{text, title, buttons, icon});
}

void Beep() { dialogs().beep(); }

void routeRuntimeBeep()
{
    rt::setBeepHandler([] { dialogs().beep(); });
}

}  // namespace vorna::dlg
