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

// Every definition shipped in reports/ against the tables the program's own
// schema creates, with its formulas' defaults.
TEST_F(DefinitionRender, DefinitionsFitTheProgramsTables)
{
    QDir(folder()).mkdir(QStringLiteral("programa"));
    const QString db = pathOf(QStringLiteral("programa/VORNA.MDB"));
    ASSERT_TRUE(test::buildDatabaseFromSchema(QStringLiteral("VORNA"), db));
    const QDir reports(QStringLiteral(VORNA_SOURCE_DIR "/reports"));
    const QStringList names = reports.entryList({QStringLiteral("*.RPT")}, QDir::Files);
    for (const char* name : {"FICCIA.RPT", "RELCIA.RPT", "RELCDPRO.RPT", "RELLOG.RPT"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString file = QStringLiteral("programa/") + name;
        ASSERT_TRUE(QFile::copy(reports.filePath(name), pathOf(file)));
        try {
            const auto doc = runReport({pathOf(file), QString(), {}}, QString());
            EXPECT_TRUE(doc->rows.empty());
        } catch (const ReportFailure& f) {
            ADD_FAILURE() << f.message().toStdString();
        }
    }
}

// The example of reports/README.md is what the authors of the period reports
// start from: it must run on the program's tables and select the period the
// launch's formulas name.
TEST_F(DefinitionRender, ReadmeExampleRunsOnTheProgramsTables)
{
    QFile readme(QStringLiteral(VORNA_SOURCE_DIR "/reports/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype heading = text.indexOf(QStringLiteral("## Example"));
    ASSERT_GE(heading, 0);
    const qsizetype open = text.indexOf(QStringLiteral("```\n"), heading);
    ASSERT_GE(open, 0);
    const qsizetype close = text.indexOf(QStringLiteral("```"), open + 4);
    ASSERT_GT(close, open);

    QDir(folder()).mkdir(QStringLiteral("programa"));
    ASSERT_TRUE(test::buildDatabaseFromSchema(QStringLiteral("VORNA"), pathOf(QStringLiteral("programa/VORNA.MDB"))));
    runSql(QStringLiteral(R"(
INSERT INTO VIDASAU (CODIGO, NOME, NOMTIT, CARTAO) VALUES (1, 'ANA', 'ANA', '321');
INSERT INTO PROCEDE (CODIGO, NOME, CARTAO, APOLICE, DTPAGTO, VLRPAGTO) VALUES
  (7, 'ANA', '321', '1234', '2016-02-01 00:00:00', 100.5),
  (8, 'BIA', '999', '1234', '2016-02-29 00:00:00', 20),
  (9, 'ANA', '321', '1234', '2016-03-01 00:00:00', 5),
  (10, 'CAIO', NULL, '77', '2016-02-10 00:00:00', NULL);
)"),
           QStringLiteral("programa/VORNA.MDB"));
    writeFile(QStringLiteral("programa/RELPAG.RPT"), text.mid(open + 4, close - open - 4));
    const std::map<int, QString> february{{0, QStringLiteral("D1 = 1")},  {1, QStringLiteral("M1 = 2")},
                                          {2, QStringLiteral("A1 = 2016")}, {3, QStringLiteral("D2 = 29")},
                                          {4, QStringLiteral("M2 = 2")},  {5, QStringLiteral("A2 = 2016")}};
    try {
        const auto doc = runReport({pathOf(QStringLiteral("programa/RELPAG.RPT")), QString(), february}, QString());
        ASSERT_EQ(doc->rows.size(), 3u);
        EXPECT_EQ(doc->rows[0], (QStringList{QStringLiteral("7"), QStringLiteral("ANA"), QStringLiteral("ANA"),
                                             QStringLiteral("01/02/2016"), QStringLiteral("100,50")}));
        EXPECT_EQ(doc->rows[1][0], QStringLiteral("8"));
        EXPECT_TRUE(doc->rows[1][2].isEmpty());
        EXPECT_EQ(doc->rows[2][0], QStringLiteral("10"));
        EXPECT_TRUE(doc->pageText(0).join(u'\n').contains(QStringLiteral("De 1/2/2016 a 29/2/2016")));
        EXPECT_TRUE(doc->pageText(0).join(u'\n').contains(QStringLiteral("120,50")));
    } catch (const ReportFailure& f) {
        ADD_FAILURE() << f.message().toStdString();
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
