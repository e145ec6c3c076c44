#include "ReportFixture.h"

#include "platform/report/ReportPreview.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

using namespace vorna;
using namespace vorna::report;

namespace {

class ReportControlTest : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        createRegistryTables();
        for (const char* name : {"FICCIA.RPT", "RELCIA.RPT", "RELCDPRO.RPT"})
            copyReport(QString::fromLatin1(name));
        writeFile(QStringLiteral("TITULADO.RPT"), QStringLiteral("TITLE \"{@TITULO}\"\nFORMULA TITULO = 'SEM TÍTULO'\n"
                                                                 "FROM CIAS\nCOLUMN {CIAS.CODIGO} \"Código\"\n"));
        window.setObjectName(QStringLiteral("Form10"));
        window.show();
    }

    static int previewCount()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<ReportPreview*>(w) && w->isVisible())
                ++n;
        return n;
    }

    const LaunchRecord& lastLaunch()
    {
        static const LaunchRecord none;
        if (sink.launches.empty()) {
            ADD_FAILURE() << "no launch recorded";
            return none;
        }
        return sink.launches.back();
    }

    QWidget window;
};

TEST_F(ReportControlTest, LaunchSettingsStayOnTheControlUntilItIsReset)
{
    ReportControl control(&window);
    control.setObjectName(QStringLiteral("CrystalReport1"));
    control.setWindowLeft(150);
    control.setWindowTop(150);
    control.setWindowTitle(QStringLiteral("ASSUNTOS PENDENTES"));
    control.setReportFileName(windowsStylePath(QStringLiteral("FICCIA.RPT")));
    control.setSelectionFormula(QStringLiteral("{CIAS.CODIGO} = 12"));
    control.setAction(1);

    // A second launch sets only the file: it inherits everything else.
    control.setReportFileName(windowsStylePath(QStringLiteral("TITULADO.RPT")));
    control.setFormulas(0, QStringLiteral("TITULO = 'RENOVACAO NO DIA'"));
    control.setAction(1);
    control.setReportFileName(windowsStylePath(QStringLiteral("TITULADO.RPT")));
    control.setAction(1);
    ASSERT_EQ(sink.launches.size(), 3u);
    for (const LaunchRecord& r : sink.launches) {
        EXPECT_TRUE(r.succeeded) << r.failure.toStdString();
        EXPECT_EQ(r.control, QStringLiteral("CrystalReport1"));
        EXPECT_EQ(r.owner, QStringLiteral("Form10"));
        EXPECT_EQ(r.settings.windowLeft, 150);
        EXPECT_EQ(r.settings.windowTitle, QStringLiteral("ASSUNTOS PENDENTES"));
        EXPECT_EQ(r.settings.selectionFormula, QStringLiteral("{CIAS.CODIGO} = 12"));
        ASSERT_TRUE(r.document);
        EXPECT_EQ(r.document->rows.size(), 1u);
    }
    EXPECT_EQ(sink.launches[2].document->title, QStringLiteral("RENOVACAO NO DIA"));

    control.reset();
    control.setReportFileName(pathOf(QStringLiteral("TITULADO.RPT")));
    control.setAction(1);
    const LaunchRecord& afterReset = lastLaunch();
    EXPECT_TRUE(afterReset.succeeded);
    EXPECT_FALSE(afterReset.settings.windowLeft.has_value());
    EXPECT_TRUE(afterReset.settings.windowTitle.isEmpty());
    EXPECT_TRUE(afterReset.settings.formulas.empty());
    EXPECT_EQ(afterReset.document->title, QStringLiteral("SEM TÍTULO"));
    EXPECT_EQ(afterReset.document->rows.size(), 3u);
    EXPECT_EQ(previewCount(), 0);
}

TEST_F(ReportControlTest, ControlDesignedForAFileWritesItWholeAndKeepsThatDesignAfterReset)
{
    ReportControl control(&window, Destination::File);
    const QString exportFile = pathOf(QStringLiteral("EMAILS.TXT"));
    writeFile(QStringLiteral("EMAILS.TXT"), QStringLiteral("linha antiga de outra exportação\n"));
    writeFile(QStringLiteral("EXPORTA.RPT"),
              QStringLiteral("FROM CIAS\nSELECT not IsNull({CIAS.EMAIL})\nSORT {CIAS.CODIGO}\n"
                             "COLUMN {CIAS.EMAIL} \"E-mail\" WIDTH 50\n"));
    for (int run = 0; run < 2; ++run) {
        control.reset();
        control.setReportFileName(windowsStylePath(QStringLiteral("EXPORTA.RPT")));
        control.setPrintFileName(windowsStylePath(QStringLiteral("EMAILS.TXT")));
        control.setSelectionFormula(QString());
        EXPECT_TRUE(control.run());
    }
    EXPECT_EQ(lastLaunch().outputFile, exportFile);
    QFile f(exportFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), QStringLiteral("contato@alfa.example\nvendas@omega.example\n"));

    control.setPrintFileName(windowsStylePath(QStringLiteral("SEGURADORAS.pdf")));
    control.setReportFileName(windowsStylePath(QStringLiteral("RELCIA.RPT")));
    EXPECT_TRUE(control.run());
    QFile pdf(pathOf(QStringLiteral("SEGURADORAS.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_EQ(previewCount(), 0);
}

TEST_F(ReportControlTest, EachFailureShowsOneBoxAndLeavesTheWindowUsable)
{
    setReportSink(nullptr);   // the real path: a success would open a preview
    writeFile(QStringLiteral("SEMTABELA.RPT"), QStringLiteral("FROM TABELAX\nCOLUMN {TABELAX.A} \"A\"\n"));
    writeFile(QStringLiteral("OUTROBANCO.RPT"), QStringLiteral("DATABASE OUTRO.MDB\nFROM CIAS\nCOLUMN {CIAS.CODIGO} \"A\"\n"));
    writeFile(QStringLiteral("ERRADO.RPT"), QStringLiteral("FROM CIAS\nCOLUMNS {CIAS.CODIGO}\n"));
    const QString folderPath = folder();
    auto file = [folderPath](const char* name) { return folderPath + u'\\' + QString::fromLatin1(name); };
    const std::vector<std::pair<const char*, std::function<void(ReportControl&)>>> cases = {
        {"Arquivo de relatório não encontrado", [&](ReportControl& c) { c.setReportFileName(file("NAOEXISTE.RPT")); }},
        {"Arquivo de relatório não encontrado", [&](ReportControl& c) { c.setReportFileName(file("ficcia.rpt")); }},
        {"Nenhum arquivo de relatório", [&](ReportControl& c) { c.setReportFileName(QString()); }},
        {"Fórmula de seleção ilegível",
         [&](ReportControl& c) {
             c.setReportFileName(file("FICCIA.RPT"));
             c.setSelectionFormula(QStringLiteral("{CIAS.CODIGO} = "));
         }},
        {"O relatório não tem a fórmula GRU",
         [&](ReportControl& c) {
             c.setReportFileName(file("RELCIA.RPT"));
             c.setFormulas(0, QStringLiteral("GRU = 123"));
         }},
        {"A tabela TABELAX não existe", [&](ReportControl& c) { c.setReportFileName(file("SEMTABELA.RPT")); }},
        {"OUTRO.MDB", [&](ReportControl& c) { c.setReportFileName(file("OUTROBANCO.RPT")); }},
        {"linha 2 da definição", [&](ReportControl& c) { c.setReportFileName(file("ERRADO.RPT")); }},
        {"Nenhum arquivo de saída",
         [&](ReportControl& c) {
             c.setReportFileName(file("RELCIA.RPT"));
             c.setDestination(Destination::File);
         }},
        {"Não foi possível gravar",
         [&](ReportControl& c) {
             c.setReportFileName(file("RELCIA.RPT"));
             c.setDestination(Destination::File);
             c.setPrintFileName(file("PASTA_QUE_NAO_EXISTE\\SAIDA.TXT"));
         }},
    };
    for (const auto& [boxSays, setUpLaunch] : cases) {
        SCOPED_TRACE(boxSays);
        ReportControl control(&window);
        setUpLaunch(control);
        dialogs.clear();
        dialogs.expectOk();
        EXPECT_FALSE(control.run());
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_TRUE(dialogs.boxes[0].text.contains(QString::fromUtf8(boxSays))) << dialogs.boxes[0].text.toStdString();
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(window.isEnabled());
        EXPECT_EQ(previewCount(), 0);
    }
}

TEST_F(ReportControlTest, FailureGoesToTheInstalledHandlerAndToTheSink)
{
    std::vector<QString> handled;
    setFailureHandler([&](const ReportFailure& f) { handled.push_back(f.message()); });
    ReportControl control(&window);
    control.setReportFileName(windowsStylePath(QStringLiteral("NAOEXISTE.RPT")));
    control.setAction(1);
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_FALSE(lastLaunch().succeeded);
    EXPECT_EQ(lastLaunch().failure, handled[0]);
    EXPECT_FALSE(lastLaunch().document);
}

// A routine with its own error handling (an export that tries again) gets the
// failure back and shows its own messages; no box of the engine comes first.
TEST_F(ReportControlTest, TrappedRunHandsTheFailureBackWithoutABox)
{
    ReportControl control(&window, Destination::File);
    control.setReportFileName(windowsStylePath(QStringLiteral("NAOEXISTE.RPT")));
    control.setPrintFileName(windowsStylePath(QStringLiteral("EMAILS.TXT")));
    const std::optional<ReportFailure> failure = control.runTrappingFailure();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->kind(), ReportFailure::Kind::MissingFile);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_FALSE(lastLaunch().succeeded);

    control.setReportFileName(windowsStylePath(QStringLiteral("RELCIA.RPT")));
    EXPECT_FALSE(control.runTrappingFailure().has_value());
    EXPECT_TRUE(lastLaunch().succeeded);
    EXPECT_TRUE(QFile::exists(pathOf(QStringLiteral("EMAILS.TXT"))));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ReportControlTest, ActionOtherThanOneRunsNothing)
{
    ReportControl control(&window);
    control.setReportFileName(windowsStylePath(QStringLiteral("RELCIA.RPT")));
    control.setAction(0);
    control.setAction(2);
    EXPECT_TRUE(sink.launches.empty());
}

}  // namespace
