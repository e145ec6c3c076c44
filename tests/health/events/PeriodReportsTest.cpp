#include "EventFixture.h"

#include "common/WindowRefs.h"
#include "platform/runtime/Runtime.h"

namespace vorna {
namespace {

using test::type;

// Events on either side of February 2016 run through the period dialog's
// reports as the dialog launches them.
class PeriodReports : public test::EventFixture {
protected:
    void SetUp() override
    {
        EventFixture::SetUp();
        codes_ = {
            addEvent("E1", {{"DTEVENTO", day(31, 1, 2016)}, {"DTPROTOCOLO", day(31, 1, 2016)}}),
            addEvent("E2", {{"DTEVENTO", day(1, 2, 2016)}, {"DTPROTOCOLO", day(1, 2, 2016)}, {"APOLICE", "1234"},
                            {"CARTAO", "321"}, {"VLRRECIBO", 100.0}}),
            addEvent("E3", {{"DTEVENTO", day(29, 2, 2016)}, {"DTPROTOCOLO", day(29, 2, 2016)},
                            {"DTPAGTO", day(29, 2, 2016)}, {"VLRPAGTO", 50.5}, {"NEGADO", "N"},
                            {"APOLICE", "1234"}, {"CARTAO", "999"}, {"VLRRECIBO", 200.0}}),
            addEvent("E4", {{"DTEVENTO", day(15, 2, 2016)}, {"DTPROTOCOLO", day(15, 2, 2016)}, {"NEGADO", "S"},
                            {"APOLICE", "5555"}, {"CARTAO", "321"}, {"VLRRECIBO", 300.0}}),
            addEvent("E5", {{"DTEVENTO", day(1, 3, 2016)}, {"DTPROTOCOLO", day(1, 3, 2016)},
                            {"DTPAGTO", day(1, 3, 2016)}, {"NEGADO", "S"}, {"APOLICE", "1234"}}),
            addEvent("E6", {{"DTEVENTO", day(20, 1, 2016)}, {"DTPAGTO", day(1, 2, 2016)}, {"VLRPAGTO", 70.0}}),
        };
    }

    const report::LaunchRecord& run(int selector, const QString& number = {})
    {
        state().handOver.CallerCode = Variant(selector);
        ui::Window& dialog = windows::Form70();
        dialog.Unload();
        dialog.Show();
        typeDate(dialog.control<ui::MaskEdBox>("MaskEdBox1"), "01022016");
        typeDate(dialog.control<ui::MaskEdBox>("MaskEdBox2"), "29022016");
        if (!number.isEmpty())
            type(dialog.control<ui::TextBox>("Text1"), number);
        const size_t before = reports.launches.size();
        test::click(dialog.control<QWidget>("Command3D2"));
        EXPECT_EQ(reports.launches.size(), before + 1);
        return reports.launches.back();
    }

    // The names listed, by their event.
    static QStringList listed(const report::LaunchRecord& launch)
    {
        QStringList out;
        for (const QStringList& row : launch.document->rows)
            out << row.value(1);
        return out;
    }

    static QString total(const report::LaunchRecord& launch, const QString& label)
    {
        for (const auto& [l, value] : launch.document->totals)
            if (l.startsWith(label))
                return value;
        return QStringLiteral("<none>");
    }

    std::vector<int> codes_;
};

TEST_F(PeriodReports, EachReportKeepsItsRowsOfThePeriod)
{
    struct Case {
        int selector;
        const char* file;
        QString number;
        QStringList names;
        QString paid;
        QString receipts;
    };
    const Case cases[] = {
        {caller::PendingPaymentsReport, "RELPEN.RPT", {}, {"E2"}, "0,00", "100,00"},
        {caller::PaidProceduresReport, "RELPAG.RPT", {}, {"E6", "E3"}, "120,50", "200,00"},
        {caller::IncludedEventsReport, "RELEVE.RPT", {}, {"E2", "E4", "E3"}, "50,50", "600,00"},
        {caller::DeniedEventsReport, "RELNEG.RPT", {}, {"E4"}, "0,00", "300,00"},
        {caller::EventsByPolicyReport, "RELAPO.RPT", "1234", {"E2", "E3"}, "50,50", "300,00"},
        {caller::EventsByCardReport, "RELCAR.RPT", "321", {"E2", "E4"}, "0,00", "400,00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const report::LaunchRecord& launch = run(c.selector, c.number);
        EXPECT_EQ(launch.settings.reportFileName, folder() + "\\" + c.file);
        ASSERT_TRUE(launch.succeeded) << launch.failure.toStdString();
        EXPECT_EQ(listed(launch), c.names);
        EXPECT_EQ(total(launch, "Eventos:"), QString::number(c.names.size()));
        EXPECT_EQ(total(launch, "Total pago:"), c.paid);
        EXPECT_EQ(total(launch, "Total dos recibos:"), c.receipts);
        EXPECT_EQ(launch.document->orientation, report::Orientation::Landscape);
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace vorna
