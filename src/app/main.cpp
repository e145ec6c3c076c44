#include "common/ReportLaunch.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/Window.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/EngineError.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace vorna;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The program ends only through its own exits, never by a window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own dialogs (printer, file, preview) in the staff's language.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);

    dlg::routeRuntimeBeep();
    installReportFailureBox();
    // A failure no handler of the program takes is shown, and the window that
    // met it stays usable.
    ui::setUnexpectedFailureReporter([](const std::exception& failure) {
        if (const auto* engine = dynamic_cast<const EngineError*>(&failure))
            dlg::MsgBox(QString::number(engine->number()) + QStringLiteral(" - ") + engine->text());
        else
            dlg::MsgBox(QString::fromLocal8Bit(failure.what()));
    });

    windows::Form1().Show();
    return app.exec();
}
