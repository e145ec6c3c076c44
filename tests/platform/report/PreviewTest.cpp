#include "ReportFixture.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/report/ReportPreview.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QTest>
#include <QToolButton>

using namespace vorna;
using namespace vorna::report;

namespace {

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << path.toStdString() << " (poppler-utils installed?)";
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

class PreviewTest : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        setReportSink(nullptr);
        createRegistryTables();
        copyReport(QStringLiteral("RELCIA.RPT"));
        copyReport(QStringLiteral("RELCDPRO.RPT"));
    }

    static std::vector<ReportPreview*> previews()
    {
        std::vector<ReportPreview*> out;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<ReportPreview*>(w); p && p->isVisible())
                out.push_back(p);
        return out;
    }

    ReportPreview* launch(const QString& file, std::optional<int> position = {}, const QString& title = {})
    {
        ReportControl control;
        if (position) {
            control.setWindowLeft(*position);
            control.setWindowTop(*position);
        }
        control.setWindowTitle(title);
        control.setReportFileName(windowsStylePath(file));
        const auto before = previews();
        control.setAction(1);
        for (ReportPreview* p : previews())
            if (std::find(before.begin(), before.end(), p) == before.end())
                return p;
        return nullptr;
    }
};

TEST_F(PreviewTest, RunOpensANonModalWindowWithTheTitleAndPositionOfTheLaunch)
{
    ReportPreview* first = launch(QStringLiteral("RELCIA.RPT"));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->windowTitle(), QStringLiteral("RELAÇÃO DE SEGURADORAS"));
    EXPECT_FALSE(first->isModal());

    ReportPreview* second = launch(QStringLiteral("RELCDPRO.RPT"), 150, QStringLiteral("PRODUTORES"));
    ASSERT_TRUE(second);
    EXPECT_EQ(previews().size(), 2u);
    EXPECT_EQ(second->windowTitle(), QStringLiteral("PRODUTORES"));
    EXPECT_EQ(second->pos(), QPoint(150, 150));
    EXPECT_EQ(second->findChild<QLabel*>(QStringLiteral("pageLabel"))->text(), QStringLiteral("Página 1 de 1"));

    QTest::mouseClick(second->findChild<QToolButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(previews().size(), 1u);
}

TEST_F(PreviewTest, PagesAreBrowsedWithTheButtons)
{
    QString rows;
    for (int i = 1; i <= 150; ++i)
        rows += QStringLiteral("INSERT INTO CIAS (CODIGO, NOME) VALUES (%1, 'SEGURADORA %1');\n").arg(1000 + i);
    runSql(rows);
    ReportPreview* preview = launch(QStringLiteral("RELCIA.RPT"));
    ASSERT_TRUE(preview);
    auto* label = preview->findChild<QLabel*>(QStringLiteral("pageLabel"));
    auto* next = preview->findChild<QToolButton*>(QStringLiteral("nextButton"));
    auto* last = preview->findChild<QToolButton*>(QStringLiteral("lastButton"));
    EXPECT_EQ(label->text(), QStringLiteral("Página 1 de 3"));
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(label->text(), QStringLiteral("Página 2 de 3"));
    QTest::mouseClick(last, Qt::LeftButton);
    EXPECT_EQ(label->text(), QStringLiteral("Página 3 de 3"));
    EXPECT_FALSE(next->isEnabled());
    // The page is really drawn (not a blank sheet).
    const QImage shot = preview->grab().toImage();
    int dark = 0;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2)
            dark += qGray(shot.pixel(x, y)) < 100;
    EXPECT_GT(dark, 100);
}

TEST_F(PreviewTest, SavedPdfHoldsTheRows)
{
    ReportPreview* preview = launch(QStringLiteral("RELCIA.RPT"));
    ASSERT_TRUE(preview);
    const QString path = pathOf(QStringLiteral("seguradoras.pdf"));
    ASSERT_TRUE(preview->savePdf(path));
    const QString text = pdfText(path);
    for (const char* expected : {"RELAÇÃO DE SEGURADORAS", "CORRETORA MODELO LTDA", "Impresso em 05/03/2016 14:30",
                                 "alfa assistência", "BETA PLANOS D'OESTE", "ÔMEGA SAÚDE", "vendas@omega.example",
                                 "Seguradoras: 3", "Página 1 de 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_FALSE(preview->savePdf(pathOf(QStringLiteral("sem_pasta/x.pdf"))));
}

TEST_F(PreviewTest, PrintGoesToThePrinterChosenInTheDialog)
{
    ReportPreview* preview = launch(QStringLiteral("RELCDPRO.RPT"));
    ASSERT_TRUE(preview);
    QPrinter& printer = dlg::selectedPrinter();
    const QString path = pathOf(QStringLiteral("impresso.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    auto* print = preview->findChild<QToolButton*>(QStringLiteral("printButton"));

    dialogs.expectPrinterDialog(false);
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(path));

    dialogs.expectPrinterDialog(true);
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(dialogs.printerDialogs, 2);
    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("JOÃO DA SILVA"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Filial: 2")));
    printer.setOutputFileName(QString());
}

}  // namespace
