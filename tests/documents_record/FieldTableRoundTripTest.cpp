// The field table both ways: a stored document shown on the cleared window and
// written back at once keeps every field; a document of Nulls shows as the
// clearing left the window, and its fields come back as the writer's rules
// give a blank box.
#include "DocumentWindowFixture.h"

#include "documents/DocumentRecord.h"
#include "documents/StatusColours.h"
#include "platform/runtime/Runtime.h"

#include <QEvent>
#include <map>

namespace vorna::documents::testing {
namespace {

class FieldTableRoundTrip : public DocumentWindowFixture {
protected:
    void SetUp() override
    {
        DocumentWindowFixture::SetUp();
        logIn(level::Total, everyRight());
    }
    std::map<QString, Variant> storedRow(const QString& number)
    {
        db::Recordset rs = findRow("DOCUMENTOS", "PROPOSTA = " + number);
        std::map<QString, Variant> row;
        for (const QString& name : rs.fieldNames())
            row[name.toUpper()] = rs.field(name);
        return row;
    }
    // Clear, show, write back over the same row; the row before and after.
    std::pair<std::map<QString, Variant>, std::map<QString, Variant>> roundTrip(const test::Fields& fields)
    {
        const QString number = rt::CStr(addDocument(fields).field("PROPOSTA"));
        const auto before = storedRow(number);
        db::Recordset rs = findRow("DOCUMENTOS", "PROPOSTA = " + number);
        ClearDocumentControls(*this->fields);
        PutDocumentFields(*this->fields, rs, state);
        rs.Edit();
        EXPECT_TRUE(WriteDocumentHeader(*this->fields, rs, state));
        return {before, storedRow(number)};
    }
};

TEST_F(FieldTableRoundTrip, AFullyFilledDocumentIsWrittenBackUnchanged)
{
    test::Fields full = everyShownField();
    // The fields the writer derives from shown ones, as they stand beside them.
    full.insert(full.end(), {{"CCO3", 23}, {"NCO3", "CO TRES"}, {"PCO3", 12.5}, {"ANOPRODUCAO", 2024}});
    const auto [before, after] = roundTrip(full);
    ASSERT_EQ(before.size(), after.size());
    for (const auto& [name, value] : before)
        EXPECT_TRUE(after.at(name).identical(value)) << name.toStdString() << ": " << value << " became "
                                                     << after.at(name);
    // Every field of the table was filled.
    for (const DocumentField& f : fields->fields)
        EXPECT_FALSE(before.at(f.name()).isNull()) << f.name().toStdString();
}

TEST_F(FieldTableRoundTrip, NullFieldsComeBackAsTheirBlankBoxesAreWritten)
{
    const Variant zero(0.0);
    const std::map<QString, Variant> written = {
        // Always written, from the box as the clearing left it.
        {"MOEDA", Variant::integer(1)},      {"MULTIPLA", "N"},       {"JUROS", "N"},          {"RATEIO", "S"},
        {"ATPOS", " "},               {"APOLICE", " "},        {"ENDOSSO", " "},        {"CODIDRENOV", ""},
        {"BANCO", ""},                {"AGENCIA", ""},         {"CONTA", ""},           {"NUMPROP", " "},
        {"CHAME", Variant(0)},        {"NOMCLIENTE", ""},      {"NOMRAMO", ""},         {"NOMSEGURADORA", ""},
        {"APORENOVA", " "},           {"CIARENOVA", " "},      {"NOMCIARENOVA", " "},   {"CD", " "},
        {"ORIGINAL", Variant(0)},     {"COTACAO", Variant(1.0)}, {"NOVAOBS", ""},       {"NCO1", ""},
        {"NCO2", ""},                 {"NCO3", ""},            {"CCO1", Variant(0)},    {"CCO2", Variant(0)},
        {"CCO3", Variant(0)},
        // The clearing puts "0" into these amount boxes.
        {"PREMIOLIQ", zero}, {"ADICIONAL", zero}, {"CUSTO", zero},  {"IOF", zero},   {"ASSCU", zero},
        {"PREMIOBRUTO", zero}, {"PCOMISSAO", zero}, {"PDESCONTO", zero}, {"VCOMISSAO", zero}, {"PREP1", zero},
        {"PREP2", zero}, {"PREP3", zero}, {"PREP4", zero},  {"PREP5", zero}, {"VREP1", zero}, {"VREP2", zero},
        {"VREP3", zero}, {"VREP4", zero}, {"VREP5", zero}, {"VREPASSE", zero}, {"PCO1", zero}, {"PCO2", zero},
        {"PCO3", zero},
    };
    const auto [before, after] = roundTrip({{"FILIAL", 1}});
    for (const auto& [name, value] : after) {
        const auto changed = written.find(name);
        if (name == "PROPOSTA" || name == "FILIAL")
            continue;
        if (changed == written.end())
            EXPECT_TRUE(value.isNull()) << name.toStdString() << " " << value;  // codes, dates, counts, lists
        else
            EXPECT_TRUE(value.identical(changed->second)) << name.toStdString() << " " << value;
    }
    EXPECT_TRUE(before.at("PROD2").isNull());
}

// A status colour already shown is not set again: each setting restyles the control.
TEST_F(FieldTableRoundTrip, StatusColoursAreSetOnlyWhenTheyChange)
{
    struct PaletteChanges : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            count += e->type() == QEvent::PaletteChange ? 1 : 0;
            return false;
        }
    } changes;
    for (QWidget* w : fields->statusColoured)
        w->installEventFilter(&changes);

    db::Recordset inForce = addDocument({{"VIGENTE", "V"}});
    db::Recordset cancelled = addDocument({{"VIGENTE", "E"}});
    ClearDocumentControls(*fields);  // blue, the colour of "V"
    changes.count = 0;
    PutDocumentFields(*fields, inForce, state);
    ClearDocumentControls(*fields);
    EXPECT_EQ(changes.count, 0);
    PutDocumentFields(*fields, cancelled, state);
    EXPECT_EQ(changes.count, 69);
    EXPECT_EQ(textColour(*ui->Text2), QColor(192, 0, 0));
    ClearDocumentControls(*fields);
    EXPECT_EQ(textColour(*ui->Text2), QColor(0, 0, 255));
}

}  // namespace
}  // namespace vorna::documents::testing
