#include "ReportFixture.h"

#include "platform/database/TextRules.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/report/ReportPreview.h"
#include "platform/runtime/Clock.h"

#include <QApplication>
#include <QFile>
#include <sqlite3.h>

namespace vorna::test {

void ReportFixture::SetUp()
{
    ASSERT_TRUE(folder_.isValid());
    dlg::setDialogService(&dialogs);
    report::setReportSink(&sink);
    report::setFailureHandler({});
    report::setCompanyName(QStringLiteral("CORRETORA MODELO LTDA"));
    rt::Clock::setNow(QDateTime(QDate(2016, 3, 5), QTime(14, 30)));
}

void ReportFixture::TearDown()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<report::ReportPreview*>(w))
            delete w;
    dialogs.verifyAllTaken();
    report::setReportSink(nullptr);
    report::setFailureHandler({});
    dlg::setDialogService(nullptr);
    rt::Clock::reset();
}

void ReportFixture::runSql(const QString& sql, const QString& database)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(pathOf(database).toUtf8().constData(), &db,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
              SQLITE_OK);
    db::text::registerOn(db);  // the schema's text indexes use the engine's collation
    char* error = nullptr;
    // One transaction: a file sync per statement makes a fixture of many rows slow.
    const QByteArray script = "BEGIN;\n" + sql.toUtf8() + "\nCOMMIT;";
    const int rc = sqlite3_exec(db, script.constData(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

void ReportFixture::createRegistryTables()
{
    runSql(QStringLiteral(R"(
CREATE TABLE CIAS (CODIGO INTEGER PRIMARY KEY, NOME TEXT(40), META CURRENCY, CHEIA DOUBLE, CONTATO TEXT(50),
  ENDE TEXT(100), TELEFONES TEXT(50), SITES TEXT(100), EMAIL TEXT(50), E2 TEXT(50), E3 TEXT(50),
  ASS24 TEXT(50), CENTRAL TEXT(50), NORMAS LONGTEXT, SINISTRO LONGTEXT,
  JUR4 DOUBLE, JUR5 DOUBLE, JUR7 DOUBLE, JUR10 DOUBLE, JUR12 DOUBLE);
INSERT INTO CIAS VALUES (12, 'ÔMEGA SAÚDE', 150000.5, 12.5, 'Márcia (comercial)',
  'Av. Paulista, 1000 - São Paulo/SP', '(11) 3333-4444', 'www.omega.example', 'vendas@omega.example',
  NULL, NULL, '0800 111 222', '(11) 3333-4445',
  'Aceita grupos a partir de 3 vidas.' || char(10) || 'Carência reduzida para grupos com mais de 30 vidas, conforme a tabela vigente da operadora, mediante análise da declaração de saúde.',
  NULL, 1.99, 2.49, 2.99, 3.5, 3.999);
INSERT INTO CIAS VALUES (3, 'alfa assistência', NULL, NULL, NULL, NULL, '(21) 2222-0000', NULL,
  'contato@alfa.example', NULL, NULL, NULL, NULL, NULL, 'Avisar em 24 horas.', 0, 0, 0, 0, 0);
INSERT INTO CIAS VALUES (40, 'BETA PLANOS D''OESTE', 98000, 10, NULL, NULL, NULL, NULL, NULL,
  NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);

CREATE TABLE PRODUTOR (CODIGO LONG, FILIAL LONG, NOME TEXT(40), SENHA TEXT(30), TELEFONE TEXT(30),
  BANCO TEXT(14), AGENCIA TEXT(14), CONTA TEXT(14), COMISSAO DOUBLE, COMISSAONOVOS DOUBLE,
  FIXO DOUBLE, META TEXT(20), POSICAO TEXT(1), JUROS TEXT(1));
INSERT INTO PRODUTOR VALUES (2, 1, 'JOÃO DA SILVA', 'JOAO', '(11) 99999-0000', 'Banco Um', '0001',
  '12345-6', 10.5, 12, 0, '5000', '1', 'C');
INSERT INTO PRODUTOR VALUES (1, 2, 'MARIA SOUZA', NULL, NULL, NULL, NULL, NULL, 0, 0, 150, NULL, '0', 'S');
INSERT INTO PRODUTOR VALUES (1, 1, 'PEDRO ÁLVARES', NULL, '(11) 3030-3030', NULL, NULL, NULL, 8, 9.75,
  NULL, NULL, '2', 'C');
)"));
}

void ReportFixture::createSelectionTables()
{
    runSql(QStringLiteral(R"(
CREATE TABLE CIAS (CODIGO LONG, NOME TEXT(40), META CURRENCY);
INSERT INTO CIAS VALUES (12, 'ÔMEGA SAÚDE', 150000), (3, 'alfa assistência', NULL), (40, 'BETA PLANOS D''OESTE', 98000);

CREATE TABLE DOCUMENTOS (PROPOSTA LONG, CODCLIENTE LONG, TIPO TEXT(1), VIGENTE TEXT(1), FILIAL LONG,
  RAMO LONG, VIGENCIAINICIAL DATETIME, VIGENCIAFINAL DATETIME);
INSERT INTO DOCUMENTOS VALUES
  (100, 123, 'A', 'V', 1, 313, '2015-12-05 00:00:00', '2016-03-05 00:00:00'),
  (101, 123, 'A', 'C', 1, 313, '2015-09-05 00:00:00', '2016-03-05 00:00:00'),
  (102, 123, 'P', 'V', 1, 311, '2015-12-05 00:00:00', '2016-03-05 00:00:00'),
  (103, 123, 'a', 'v', 2, 313, '2015-06-05 00:00:00', '2017-03-05 00:00:00'),
  (104, 77, 'A', 'V', 1, 312, '2015-12-05 00:00:00', '2016-03-06 00:00:00');

CREATE TABLE PARCELAS (ID LONG, PROPOSTA LONG, NUMERO LONG, DV1 DATETIME, DP1 DATETIME);
INSERT INTO PARCELAS VALUES
  (1, 100, 1, '2016-03-05 00:00:00', NULL),
  (2, 100, 2, '2016-03-05 00:00:00', NULL),
  (3, 100, 3, '2016-03-05 00:00:00', '2016-03-01 00:00:00'),
  (4, 101, 1, '2016-03-05 00:00:00', NULL),
  (5, 100, 4, '2016-04-05 00:00:00', NULL);

CREATE TABLE SINISTRO (PROCESSO LONG, DATA_ENCERRAMENTO DATETIME);
INSERT INTO SINISTRO VALUES (5, NULL), (6, '2016-01-10 00:00:00'), (7, NULL);

CREATE TABLE PROCEDE (CODIGO LONG, APOLICE TEXT(20), DATAPAGTO DATETIME);
INSERT INTO PROCEDE VALUES (7, '1234', '2016-02-01 00:00:00'), (8, '321', '2016-02-29 00:00:00'),
  (9, '321', '2016-03-01 00:00:00'), (10, '1234', '2016-01-31 00:00:00');

CREATE TABLE LOGUI (INDICE LONG, CLIENTE LONG, APOLICE TEXT(20), LIQUI TEXT(1));
INSERT INTO LOGUI VALUES (1, 123, '1234', 'N'), (2, 123, '999', 'S'), (3, 124, '1234', 'n');

CREATE TABLE CLIENTES (CODIGO LONG, NOME TEXT(50), HABI DATETIME, ANIV DATETIME, CASAMENTO DATETIME);
INSERT INTO CLIENTES VALUES
  (123, 'ANA', '2016-03-05 00:00:00', '1970-03-05 00:00:00', '1995-03-05 00:00:00'),
  (124, 'BIA', '2017-03-05 00:00:00', '1980-03-06 00:00:00', NULL),
  (125, 'CAIO', NULL, '1972-02-29 00:00:00', '2000-03-05 00:00:00');

CREATE TABLE NAOCLIENTES (CODIGO LONG, ANIV DATETIME);
INSERT INTO NAOCLIENTES VALUES (1, '1990-03-05 00:00:00'), (2, NULL), (3, '1991-05-03 00:00:00');
)"));
}

void ReportFixture::writeFile(const QString& name, const QString& text)
{
    QFile f(pathOf(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
}

void ReportFixture::copyReport(const QString& name)
{
    QFile::remove(pathOf(name));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORNA_SOURCE_DIR "/reports/") + name, pathOf(name))) << name.toStdString();
}

QStringList ReportFixture::selectedKeys(const QString& table, const QString& key, const QString& selection,
                                        const QString& joins)
{
    writeFile(QStringLiteral("KEYS.RPT"), QStringLiteral("TITLE \"CHAVES\"\nFROM %1\n%2\nCOLUMN {%1.%3} \"Chave\"\n")
                                              .arg(table, joins, key));
    const auto doc = report::runReport({pathOf(QStringLiteral("KEYS.RPT")), selection, {}}, QString());
    QStringList keys;
    for (const QStringList& row : doc->rows)
        keys << row.first();
    return keys;
}

}  // namespace vorna::test
