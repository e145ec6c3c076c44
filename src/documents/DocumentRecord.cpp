#include "documents/DocumentRecord.h"

#include "common/ProgramState.h"
#include "common/RecordWindowPatternFields.h"
#include "documents/DocumentFields.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

constexpr int MaxInstalments = 12;

class HeaderWriter {
public:
    HeaderWriter(QWidget& window, db::Recordset& rs) : window_(window), rs_(rs) {}

    QWidget& box(const char* name) { return control<QWidget>(window_, name); }
    QString text(const char* name) { return record::boxText(&box(name)); }
    bool blank(const char* name) { return rt::Trim(text(name)).isEmpty(); }
    bool holdsCharacters(const char* name) { return !record::boxIsEmpty(&box(name)); }
    bool chosen(const char* name) { return control<ui::OptionButton>(window_, name).Value(); }
    bool ticked(const char* name) { return control<ui::CheckBox>(window_, name).Value() == ui::CheckBox::Checked; }

    void set(const char* field, const Variant& value) { rs_.setField(QLatin1String(field), value); }
    void text(const char* field, const char* name) { set(field, Variant(text(name))); }
    // A code box: its number, Null when blank (no code chosen).
    void code(const char* field, const char* name)
    {
        set(field, blank(name) ? Variant::null() : Variant(rt::Trim(text(name))));
    }
    void textOrBlank(const char* field, const char* name)
    {
        set(field, Variant(blank(name) ? QStringLiteral(" ") : text(name)));
    }
    void textWhenNotBlank(const char* field, const char* name)
    {
        if (!blank(name))
            text(field, name);
    }
    void dateWhenTyped(const char* field, const char* name)
    {
        if (holdsCharacters(name))
            set(field, rt::CDate(Variant(text(name))));
    }
    void amountWhenTyped(const char* field, const char* name)
    {
        if (holdsCharacters(name))
            set(field, Variant(rt::CDbl(Variant(text(name)))));
    }
    // The box itself becomes `filler` when empty, and is written either way.
    void filledText(const char* field, const char* name, const QString& filler, bool whenBlank)
    {
        if (whenBlank ? blank(name) : text(name).isEmpty())
            record::setBoxText(&box(name), filler);
        text(field, name);
    }
    // The code of the list's text when it is exactly one of the table's texts.
    template <size_t N>
    void listCode(const char* field, const char* name, const std::array<CodeText, N>& table)
    {
        const QString chosen = text(name);
        for (const CodeText& e : table) {
            if (chosen == QString::fromUtf8(e.text)) {
                set(field, Variant(QString::fromLatin1(e.code)));
                return;
            }
        }
    }

private:
    QWidget& window_;
    db::Recordset& rs_;
};

void writeFields(HeaderWriter& w, db::Recordset& rs, const DocumentWindowState& state)
{
    const bool newRow = rs.editMode() == db::Recordset::EditMode::Add;
    // What the window does not save (the branch, the type and status lists)
    // is fixed for a new document and left as stored on an alteration.
    if (newRow) {
        w.set("FILIAL", Variant(1));
        w.set("TIPO", Variant(QStringLiteral("A")));
        w.set("VIGENTE", Variant(QStringLiteral("V")));
    }
    w.filledText("APOLICE", "Text2", QStringLiteral(" "), false);
    w.filledText("ENDOSSO", "Text3", QStringLiteral(" "), false);
    w.textOrBlank("NUMPROP", "Text14");
    w.set("MULTIPLA", Variant(QString::fromLatin1(w.ticked("Check1") ? "S" : "N")));
    for (const auto& [box, letter] : {std::pair{"Check3", "S"}, {"Check6", "N"}, {"Check7", "C"}, {"Check9", "D"}})
        if (w.ticked(box))
            w.set("CARNET", Variant(QString::fromLatin1(letter)));
    w.set("JUROS", Variant(QString::fromLatin1(w.ticked("Check4") ? "S" : "N")));
    w.set("RATEIO", Variant(QString::fromLatin1(w.ticked("Check5") ? "S" : "N")));
    w.filledText("CHAME", "Text8", QStringLiteral("0"), true);
    w.code("CODCLIENTE", "Text9");
    w.text("NOMCLIENTE", "Combo5");
    w.code("RAMO", "Text4");
    w.text("NOMRAMO", "Combo3");
    w.code("SEGURADORA", "Text7");
    w.text("NOMSEGURADORA", "Combo4");
    w.dateWhenTyped("SOLICITACAO", "MaskEdBox9");
    if (w.holdsCharacters("MaskEdBox8")) {
        const Variant start = rt::CDate(Variant(w.text("MaskEdBox8")));
        w.set("VIGENCIAINICIAL", start);
        w.set("ANOPRODUCAO", Variant(rt::Year(start)));
    }
    w.dateWhenTyped("VIGENCIAFINAL", "MaskEdBox7");
    w.dateWhenTyped("EMISSAO", "MaskEdBox56");
    w.dateWhenTyped("PRODUCAO", "MaskEdBox58");
    w.dateWhenTyped("BAIXAANTE", "MaskEdBox59");
    w.dateWhenTyped("DTTRANSMITIDO", "MaskEdBox60");
    w.dateWhenTyped("DTEXCLUSAO", "MaskEdBox61");
    w.textOrBlank("APORENOVA", "Text13");
    w.textOrBlank("CIARENOVA", "Text11");
    w.textOrBlank("NOMCIARENOVA", "Combo6");
    // The carrier of the document this one was made from: its number twice.
    if (w.blank("Text15")) {
        w.set("ORIGINAL", Variant(0));
        w.set("CD", Variant(QStringLiteral(" ")));
    } else {
        w.set("ORIGINAL", Variant(int32_t(rt::Val(Variant(w.text("Text15"))))));
        w.text("CD", "Text15");
    }
    w.text("CODIDRENOV", "Text29");
    w.text("BANCO", "Text21");
    w.text("AGENCIA", "Text19");
    w.text("CONTA", "Text17");
    w.textWhenNotBlank("CARTAO", "Text31");
    w.textWhenNotBlank("PENDE", "Text34");
    w.textWhenNotBlank("INTERNO", "Text35");
    w.amountWhenTyped("PREMIOLIQ", "MaskEdBox1");
    w.amountWhenTyped("ADICIONAL", "MaskEdBox2");
    w.amountWhenTyped("CUSTO", "MaskEdBox3");
    w.amountWhenTyped("IOF", "MaskEdBox4");
    w.amountWhenTyped("ASSCU", "MaskEdBox19");
    w.amountWhenTyped("PREMIOBRUTO", "MaskEdBox5");
    // A count outside 1 to 12 (a blank box after clearing) is never stored:
    // a new document gets 1, an alteration keeps its count.
    const double count = w.blank("Text20") ? 0 : rt::Val(Variant(w.text("Text20")));
    if (count >= 1 && count <= MaxInstalments && count == int(count))
        w.set("PARCELAS", Variant(int(count)));
    else if (newRow)
        w.set("PARCELAS", Variant(1));
    w.amountWhenTyped("PCOMISSAO", "MaskEdBox6");
    w.amountWhenTyped("PDESCONTO", "MaskEdBox10");
    w.amountWhenTyped("VCOMISSAO", "MaskEdBox11");
    w.set("MOEDA", Variant(w.chosen("Option2") ? 2 : 1));
    if (w.holdsCharacters("MaskEdBox78"))
        w.amountWhenTyped("COTACAO", "MaskEdBox78");
    else
        w.set("COTACAO", Variant(1.0));
    static const char* const producerCodes[] = {"Text18", "Text25", "Text26", "Text32", "Text33"};
    static const char* const producerShares[] = {"MaskEdBox12", "MaskEdBox13", "MaskEdBox14", "MaskEdBox75",
                                                 "MaskEdBox77"};
    static const char* const producerValues[] = {"MaskEdBox15", "MaskEdBox16", "MaskEdBox17", "MaskEdBox76",
                                                 "MaskEdBox82"};
    static const char* const codeFields[] = {"PROD1", "PROD2", "PROD3", "PROD4", "PROD5"};
    static const char* const shareFields[] = {"PREP1", "PREP2", "PREP3", "PREP4", "PREP5"};
    static const char* const valueFields[] = {"VREP1", "VREP2", "VREP3", "VREP4", "VREP5"};
    for (int i = 0; i < 5; ++i)
        w.code(codeFields[i], producerCodes[i]);
    for (int i = 0; i < 5; ++i)
        w.amountWhenTyped(shareFields[i], producerShares[i]);
    for (int i = 0; i < 5; ++i)
        w.amountWhenTyped(valueFields[i], producerValues[i]);
    w.amountWhenTyped("VREPASSE", "MaskEdBox18");
    w.text("NOVAOBS", "Text6");
    w.listCode("TRANSMITIDO", "Combo11", EndorsementTypes);
    w.textOrBlank("ATPOS", "Combo13");
    w.listCode("MOTIVO", "Combo12", ReasonTexts);
    static const char* const coinsurerCodes[] = {"CCO1", "CCO2", "CCO3"};
    static const char* const coinsurerNames[][2] = {{"NCO1", "Combo15"}, {"NCO2", "Combo16"}, {"NCO3", "Combo17"}};
    static const char* const coinsurerShares[][2] = {
        {"PCO1", "MaskEdBox81"}, {"PCO2", "MaskEdBox57"}, {"PCO3", "MaskEdBox80"}};
    for (int i = 0; i < 3; ++i)
        w.set(coinsurerCodes[i], Variant(state.CoinsurerCodes[size_t(i)]));
    for (const auto& [field, name] : coinsurerNames)
        w.text(field, name);
    for (const auto& [field, name] : coinsurerShares)
        w.amountWhenTyped(field, name);
}

}  // namespace

bool WriteDocumentHeader(QWidget& window, db::Recordset& documents, const DocumentWindowState& state)
{
    const Variant hiding = vorna::state().session.right(u"OCU");
    if (!hiding.isString() || hiding.stringValue() != u"N")
        return false;
    HeaderWriter writer(window, documents);
    try {
        writeFields(writer, documents, state);
        documents.Update();
    } catch (...) {
        documents.CancelUpdate();
        throw;
    }
    return true;
}

double SumReceivedCommission(QWidget& window, db::Recordset& instalments, DocumentWindowState& state)
{
    state.ReceivedCommission = 0.0;
    // A document number is digits only; anything else names no instalments.
    const std::optional<QString> number = db::wholeNumber(record::boxText(&control<QWidget>(window, "Text1")));
    if (!number)
        return 0.0;
    instalments.FindFirst(QStringLiteral("PROPOSTA = ") + *number);
    if (instalments.NoMatch())
        return 0.0;
    const double document = number->toDouble();
    for (int visited = 1;; ++visited) {
        const Variant received = instalments.field(QStringLiteral("DP1"));
        if (!received.isNull() && !received.isEmpty()) {
            const Variant value = instalments.field(QStringLiteral("VP1"));
            if (!value.isNull() && !value.isEmpty())
                state.ReceivedCommission += value.toDouble();
        }
        if (visited == MaxInstalments)
            break;
        instalments.MoveNext();
        if (instalments.EOF())
            break;
        const Variant owner = instalments.field(QStringLiteral("PROPOSTA"));
        if (owner.isNull() || owner.isEmpty() || owner.toDouble() != document)
            break;
    }
    return state.ReceivedCommission;
}

}  // namespace vorna::documents
