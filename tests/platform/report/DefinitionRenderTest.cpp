#include "ReportFixture.h"

#include "support/ProgramFixture.h"

#include <QDir>
#include <QFile>

using namespace vorna;
using namespace vorna::report;

namespace {

// Set VORNA_UPDATE_REPORT_REFERENCES=1 to rewrite the reference files from
// what the definitions produce now; the diff then shows what changed.
bool updatingReferences() { return qEnvironmentVariableIntValue("VORNA_UPDATE_REPORT_REFERENCES") == 1; }

QString referencePath(const QString& name)
{
    return QStringLiteral(VORNA_SOURCE_DIR "/tests/platform/report/expected/") + name;
}

class DefinitionRender : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        createRegistryTables();
    }

    std::shared_ptr<const ReportDocument> launch(const QString& file, const QString& selection = QString())
    {
        ReportControl control;
        control.setReportFileName(windowsStylePath(file));
        control.setSelectionFormula(selection);
        control.setAction(1);
        if (sink.launches.empty() || !sink.launches.back().succeeded) {
            ADD_FAILURE() << file.toStdString() << ": "
                          << (sink.launches.empty() ? "" : sink.launches.back().failure.toStdString());
            return nullptr;
        }
        return sink.launches.back().document;
    }

    void compareWithReference(const ReportDocument& doc, const QString& name)
    {
        const QString text = doc.text();
        QFile file(referencePath(name));
        if (updatingReferences()) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text.toUtf8());
            return;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly))
            << "no reference " << name.toStdString() << ": run with VORNA_UPDATE_REPORT_REFERENCES=1";
        EXPECT_EQ(text, QString::fromUtf8(file.readAll())) << "layout of " << name.toStdString()
                                                           << " changed; diff it after regenerating the references";
    }
};

TEST_F(DefinitionRender, InsurerSheetShowsTheStoredInsurerOfTheCode)
{
    copyReport(QStringLiteral("FICCIA.RPT"));
    const auto doc = launch(QStringLiteral("FICCIA.RPT"), QStringLiteral("{CIAS.CODIGO} = 12"));
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->rows.size(), 1u);
    EXPECT_EQ(doc->rows[0][0], QStringLiteral("12"));
    EXPECT_EQ(doc->rows[0][1], QStringLiteral("ÔMEGA SAÚDE"));
    EXPECT_EQ(doc->rows[0][2], QStringLiteral("150.000,50"));
    compareWithReference(*doc, QStringLiteral("FICCIA.txt"));
}

TEST_F(DefinitionRender, InsurerListHasEveryInsurerByName)
{
    copyReport(QStringLiteral("RELCIA.RPT"));
    const auto doc = launch(QStringLiteral("RELCIA.RPT"));
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->rows.size(), 3u);
    // Names sort without letter case.
    EXPECT_EQ(doc->rows[0][1], QStringLiteral("alfa assistência"));
    EXPECT_EQ(doc->rows[1][1], QStringLiteral("BETA PLANOS D'OESTE"));
    EXPECT_EQ(doc->rows[2][1], QStringLiteral("ÔMEGA SAÚDE"));
    ASSERT_EQ(doc->totals.size(), 1u);
    EXPECT_EQ(doc->totals[0], std::make_pair(QStringLiteral("Seguradoras:"), QStringLiteral("3")));
    compareWithReference(*doc, QStringLiteral("RELCIA.txt"));
}

TEST_F(DefinitionRender, ProducerListGroupsByBranchWithCounts)
{
    copyReport(QStringLiteral("RELCDPRO.RPT"));
    const auto doc = launch(QStringLiteral("RELCDPRO.RPT"));
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->rows.size(), 3u);
    EXPECT_EQ(doc->rows[0][1], QStringLiteral("PEDRO ÁLVARES"));
    EXPECT_EQ(doc->rows[1][1], QStringLiteral("JOÃO DA SILVA"));
    EXPECT_EQ(doc->rows[2][1], QStringLiteral("MARIA SOUZA"));
    EXPECT_EQ(doc->rows[1][6], QStringLiteral("10,50"));
    const QStringList page = doc->pageText(0);
    EXPECT_TRUE(page.contains(QStringLiteral("Filial: 1")));
    EXPECT_TRUE(page.contains(QStringLiteral("Filial: 2")));
    EXPECT_EQ(page.filter(QStringLiteral("Produtores: 2")).size(), 1);
    EXPECT_EQ(page.filter(QStringLiteral("Produtores: 1")).size(), 1);
    EXPECT_EQ(page.filter(QStringLiteral("Produtores: 3")).size(), 1);
    compareWithReference(*doc, QStringLiteral("RELCDPRO.txt"));
}

TEST_F(DefinitionRender, LongListRepeatsItsHeadingsAndNumbersItsPages)
{
    QString rows;
    for (int i = 1; i <= 150; ++i)
        rows += QStringLiteral("INSERT INTO CIAS (CODIGO, NOME) VALUES (%1, 'SEGURADORA %1');\n").arg(1000 + i);
    runSql(rows);
    copyReport(QStringLiteral("RELCIA.RPT"));
    const auto doc = launch(QStringLiteral("RELCIA.RPT"));
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->pages.size(), 3u);
    size_t rowsOnPages = 0;
    for (int p = 0; p < 3; ++p) {
        const QStringList page = doc->pageText(p);
        EXPECT_EQ(page.size(), doc->linesPerPage);
        EXPECT_TRUE(page[0].startsWith(QStringLiteral("CORRETORA MODELO LTDA")));
        EXPECT_TRUE(page[0].endsWith(QStringLiteral("Impresso em 05/03/2016 14:30")));
        EXPECT_EQ(page.filter(QStringLiteral("Código Nome")).size(), 1);
        EXPECT_TRUE(page.last().endsWith(QStringLiteral("Página %1 de 3").arg(p + 1)));
        rowsOnPages += size_t(page.filter(QStringLiteral("SEGURADORA ")).size());
    }
    EXPECT_EQ(rowsOnPages, 150u);
    EXPECT_TRUE(doc->pageText(2).contains(QStringLiteral("Seguradoras: 153")));
}

TEST_F(DefinitionRender, EmptySelectionStillGivesAPage)
{
    copyReport(QStringLiteral("RELCIA.RPT"));
    const auto doc = launch(QStringLiteral("RELCIA.RPT"), QStringLiteral("{CIAS.CODIGO} = 999"));
    ASSERT_TRUE(doc);
    EXPECT_TRUE(doc->rows.empty());
    ASSERT_EQ(doc->pages.size(), 1u);
    EXPECT_TRUE(doc->pageText(0).contains(QStringLiteral("Nenhum registro selecionado.")));
    EXPECT_TRUE(doc->pageText(0).contains(QStringLiteral("Seguradoras: 0")));
}

// The definitions against the tables the program's own schema creates.
TEST_F(DefinitionRender, DefinitionsFitTheProgramsTables)
{
    QDir(folder()).mkdir(QStringLiteral("programa"));
    const QString db = pathOf(QStringLiteral("programa/VORNA.MDB"));
    ASSERT_TRUE(test::buildDatabaseFromSchema(QStringLiteral("VORNA"), db));
    for (const char* name : {"FICCIA.RPT", "RELCIA.RPT", "RELCDPRO.RPT"}) {
        SCOPED_TRACE(name);
        const QString file = QStringLiteral("programa/") + QString::fromLatin1(name);
        ASSERT_TRUE(QFile::copy(QStringLiteral(VORNA_SOURCE_DIR "/reports/") + QString::fromLatin1(name), pathOf(file)));
        try {
            const auto doc = runReport({pathOf(file), QString(), {}}, QString());
            EXPECT_TRUE(doc->rows.empty());
        } catch (const ReportFailure& f) {
            ADD_FAILURE() << f.message().toStdString();
        }
    }
}

TEST_F(DefinitionRender, DefinitionMistakesAreReportedWithTheirLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"FROM CIAS\nCOLUNA {CIAS.NOME}\n", "linha 2"},
        {"COLUMN {CIAS.NOME} \"Nome\"\n", "FROM"},
        {"FROM CIAS\n", "nenhum campo"},
        {"FROM CIAS\nLAYOUT SHEET\nCOLUMN {CIAS.NOME} \"Nome\"\n", "COLUMN é para LAYOUT LIST"},
        {"FROM CIAS\nCOLUMN {CIAS.NOME} \"Nome\" WIDTH 60\nCOLUMN {CIAS.ENDE} \"End.\" WIDTH 60\n", "a página tem 96"},
        {"FROM CIAS\nFORMULA A = 1\nFORMULA a = 2\nCOLUMN {CIAS.NOME} \"Nome\"\n", "linha 3"},
        {"FROM CIAS\nJOIN PRODUTOR\nCOLUMN {CIAS.NOME} \"Nome\"\n", "JOIN pede"},
        {"FROM CIAS\nCOLUMN {CIAS.NOME} \"Nome\" FORMAT\n", "FORMAT pede"},
        {"FROM CIAS\nCOLUMN {CIAS.NOMES} \"Nome\"\n", "linha 2"},
        {"FROM CIAS\nSELECT {CIAS.NOME}\nCOLUMN {CIAS.NOME} \"Nome\"\n", "linha 2"},
        {"FROM CIAS\nTOTAL SUM {CIAS.NOME}\nCOLUMN {CIAS.NOME} \"Nome\"\n", "linha 2"},
        {"TITLE \"{@NADA}\"\nFROM CIAS\nCOLUMN {CIAS.NOME} \"Nome\"\n", "NADA não existe"},
        {"DATABASE ../VORNA.MDB\nFROM CIAS\nCOLUMN {CIAS.NOME} \"Nome\"\n", "linha 1"},
    };
    for (const auto& [text, says] : cases) {
        SCOPED_TRACE(text);
        writeFile(QStringLiteral("DEF.RPT"), QString::fromUtf8(text));
        try {
            runReport({pathOf(QStringLiteral("DEF.RPT")), QString(), {}}, QString());
            ADD_FAILURE() << "ran";
        } catch (const ReportFailure& f) {
            EXPECT_EQ(f.kind(), ReportFailure::Kind::BadDefinition);
            EXPECT_TRUE(f.message().contains(QString::fromUtf8(says))) << f.message().toStdString();
        }
    }
}

}  // namespace
