#include "ParticipantFixture.h"

#include "common/WindowRefs.h"

#include <QAction>
#include <QDate>

namespace vorna {
namespace {

using namespace test;
using InsuredReportTest = ParticipantFixture;

// Every participant, by policy, holders before dependants, with a count per
// policy and in all; run from the main menu on its reset control.
TEST_F(InsuredReportTest, ListsParticipantsByPolicyHoldersFirst)
{
    const int joao = addHolder("JOAO", {{"APOLICE", "200"}, {"CPF", "111"}, {"TELEFONE1", "3333-0000"},
                                        {"ANIV", Variant::date(QDate(1980, 3, 5))}, {"VALIDADE", Variant::date(QDate(2027, 1, 31))}});
    addDependant("ANA", joao, {{"APOLICE", "200"}});
    addHolder("BRUNO", {{"APOLICE", "100"}});
    addHolder("CARLA", {{"APOLICE", "200"}});

    QAction* item = windows::Form2().control<QAction>("menu31");
    ASSERT_NE(item, nullptr);
    item->trigger();

    ASSERT_EQ(reports.launches.size(), 1u);
    const report::LaunchRecord& run = reports.launches[0];
    ASSERT_TRUE(run.succeeded) << run.failure.toStdString();
    const report::ReportDocument& doc = *run.document;
    EXPECT_EQ(doc.title, "SEGURADOS E BENEFICIÁRIOS");
    ASSERT_EQ(doc.rows.size(), 4u);
    QStringList names;
    for (const QStringList& row : doc.rows)
        names << row.value(1);
    EXPECT_EQ(names, (QStringList{"BRUNO", "CARLA", "JOAO", "ANA"}));
    const QStringList& joaoRow = doc.rows[2];
    for (const char* shown : {"Titular", "111", "05/03/1980", "31/01/2027", "3333-0000"})
        EXPECT_TRUE(joaoRow.contains(shown)) << shown;
    const QStringList& anaRow = doc.rows[3];
    EXPECT_TRUE(anaRow.contains("Dependente"));
    EXPECT_TRUE(anaRow.contains(QString::number(joao)));

    const QString body = doc.bodyText().join('\n');
    EXPECT_TRUE(body.contains("Apólice: 100")) << body.toStdString();
    EXPECT_TRUE(body.contains("Apólice: 200"));
    ASSERT_FALSE(doc.totals.empty());
    EXPECT_EQ(doc.totals[doc.totals.size() - 1].second, "4");
    EXPECT_EQ(body.count("Participantes:"), 3) << body.toStdString();
}

}  // namespace
}  // namespace vorna
