#include "DocumentEntryFixture.h"

#include "common/RecordWindowPatternFields.h"
#include "platform/runtime/Runtime.h"
#include "support/SecondWorkstation.h"


namespace vorna {
namespace {

const QString Added = QStringLiteral("Documento Cadastrado com Código: ");
const QString AddedRemarks = QStringLiteral("INCLUSÂO DE DOCUMENTO TIPO APOLICE");
const QString NothingWillChange =
    QStringLiteral("ATENÇÃO: NENHUM DADO SERÁ ALTERADO! SUA SENHA NÃO PERMITE ACESSO A ESTE MÓDULO!");

class DocumentSave : public test::DocumentEntryFixture {
protected:
    void SetUp() override
    {
        DocumentEntryFixture::SetUp();
        open();
    }
    void save() { test::click(button("Command3D2")); }
    // A new save expecting the number message; returns the number shown.
    int saveNew()
    {
        const long before = rowCount("DOCUMENTOS");
        dialogs.expectOk();
        save();
        EXPECT_EQ(rowCount("DOCUMENTOS"), before + 1);
        if (dialogs.boxes.empty() || !dialogs.boxes.back().text.startsWith(Added))
            return 0;
        EXPECT_EQ(dialogs.boxes.back().title, "Inclusão");
        return dialogs.boxes.back().text.mid(Added.size()).toInt();
    }
    bool cleared() { return test::text(box("Text1")).isEmpty() && list("Combo5")->Text().isEmpty(); }
};

// ---- validation ---------------------------------------------------------------------------

TEST_F(DocumentSave, ValidationStopsAtTheFirstFailingCheck)
{
    using Spoil = std::vector<std::pair<const char*, const char*>>;  // box, text ("" empties it)
    struct Case {
        const char* what;
        Spoil spoil;
        QString message, title;
        const char* focus;  // nullptr: the focus stays on the button
        bool clientNameDisabled = false;
    } cases[] = {
        {"blank client name", {{"Combo5", "   "}}, "NOME DE CLIENTE NÃO PREENCHIDO!", "ATENÇÃO", "Combo5"},
        {"client name disabled", {{"Combo5", ""}}, "NOME DE CLIENTE NÃO PREENCHIDO!", "ATENÇÃO", nullptr, true},
        {"client code", {{"Text9", " "}}, "CÓDIGO DE CLIENTE NÃO PREENCHIDO!", "ATENÇÃO", "Text9"},
        {"several missing: the first only", {{"Text9", ""}, {"Text7", ""}, {"Combo4", ""}},
         "CÓDIGO DE CLIENTE NÃO PREENCHIDO!", "ATENÇÃO", "Text9"},
        {"plan name", {{"Combo3", ""}}, "RAMO DE SEGURO NÃO PREENCHIDO!", "ATENÇÃO", "Combo3"},
        {"start untouched", {{"MaskEdBox8", ""}}, "PREENCHIMENTO OBRIGATORIO - VIGÊNCIA INICIAL", "ATENÇÃO!",
         "MaskEdBox8"},
        {"start 31/02", {{"MaskEdBox8", "31/02/2024"}}, "PREENCHIMENTO OBRIGATORIO - VIGÊNCIA INICIAL", "ATENÇÃO!",
         "MaskEdBox8"},
        {"end untouched", {{"MaskEdBox7", ""}}, "PREENCHIMENTO OBRIGATORIO - VIGÊNCIA FINAL", "ATENÇÃO!",
         "MaskEdBox7"},
        {"insurer name", {{"Combo4", ""}}, "SEGURADORA NÃO DEFINIDA!", "ATENÇÃO", "Combo4"},
        {"plan code", {{"Text4", ""}}, "PREENCHIMENTO OBRIGATORIO - RAMO", "ATENÇÃO!", nullptr},
        {"insurer code", {{"Text7", "  "}}, "PREENCHIMENTO OBRIGATORIO -  OPERADORA", "ATENÇÃO!", nullptr},
        {"end equal to start", {{"MaskEdBox7", "01/02/2024"}}, "VIGÊNCIA FINAL MENOR QUE INICIAL!!", "ATENÇÃO!",
         nullptr},
        {"end before start", {{"MaskEdBox7", "31/01/2024"}}, "VIGÊNCIA FINAL MENOR QUE INICIAL!!", "ATENÇÃO!",
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Emptied before the focus leaves a date box a case left refused.
        form().ClearDocumentForm();
        control("Text6")->setFocus(Qt::TabFocusReason);
        fillHeader();
        for (const auto& [name, typed] : c.spoil)
            setBox(name, typed);
        control("Combo5")->setEnabled(!c.clientNameDisabled);
        dialogs.clear();
        dialogs.expectOk(c.message);
        save();
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].title, c.title);
        EXPECT_EQ(focused(), c.focus ? control(c.focus) : button("Command3D2"));
        EXPECT_EQ(rowCount("DOCUMENTOS"), 0);
        EXPECT_EQ(test::text(box("Text4")), c.what == std::string("plan code") ? "" : "311");  // the boxes stay
    }
    EXPECT_TRUE(auditRows().empty());

    // One day of cover is enough.
    test::click(button("Command3D1"));
    fillHeader();
    setBox("MaskEdBox7", "02/02/2024");
    saveNew();
}

// ---- recomputation ------------------------------------------------------------------------

TEST_F(DocumentSave, PremiumCommissionAndProducerValuesAreRecomputedUnrounded)
{
    struct Case {
        const char* what;
        bool onInterest;
        Variant juros, fixo;
        int producerBranch;  // 0: no producer of that code
        const char* valueBox;
        double commission, producerValue, producerShare;
    } cases[] = {
        {"ticked, JUROS S", true, Variant("S"), Variant::null(), 1, "", 110, 50, 50},
        {"unticked, JUROS C", false, Variant("C"), Variant::null(), 1, "", 100, 55, 50},
        {"JUROS Null", false, Variant::null(), Variant(0), 1, "", 100, 55, 50},
        {"JUROS other", true, Variant("X"), Variant::null(), 1, "", 110, 0, 50},
        {"JUROS empty text", true, Variant(""), Variant::null(), 1, "", 110, 0, 50},
        {"fixed value", false, Variant("C"), Variant(30), 1, "30", 100, 30, 0},
        {"producer of another branch only", false, Variant("S"), Variant::null(), 2, "", 100, 50, 50},
        {"producer missing", false, Variant("S"), Variant::null(), 0, "12", 100, 12, 50},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        if (cases[i].producerBranch)
            addRow("PRODUTOR", {{"CODIGO", int(100 + i)}, {"FILIAL", cases[i].producerBranch}, {"NOME", "ANA"},
                                {"JUROS", cases[i].juros}, {"FIXO", cases[i].fixo}});
    reopen();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int code = int(100 + (&c - cases));
        test::click(button("Command3D1"));
        fillHeader();
        setBox("MaskEdBox1", "1000");
        setBox("MaskEdBox2", "100");
        setBox("MaskEdBox3", "");
        setBox("MaskEdBox4", "7,38");
        setBox("MaskEdBox19", "2,5");
        setBox("MaskEdBox6", "10");
        check("Check4")->setValue(c.onInterest ? ui::CheckBox::Checked : ui::CheckBox::Unchecked);
        setBox("Text18", QString::number(code));
        setBox("MaskEdBox12", "50");
        setBox("MaskEdBox15", c.valueBox);
        setBox("Text25", "");
        setBox("MaskEdBox13", "40");
        const int number = saveNew();
        EXPECT_DOUBLE_EQ(rt::CDbl(stored(number, "PREMIOBRUTO")), 7.38 + 1000 + 100 + 0 + 2.5);
        EXPECT_DOUBLE_EQ(rt::CDbl(stored(number, "VCOMISSAO")), c.commission);
        EXPECT_DOUBLE_EQ(rt::CDbl(stored(number, "DIFERENCA")), c.commission);
        EXPECT_DOUBLE_EQ(rt::CDbl(stored(number, "VREP1")), c.producerValue);
        EXPECT_DOUBLE_EQ(rt::CDbl(stored(number, "PREP1")), c.producerShare);
        // The blank code box became "0" before it was written: the code 0, not Null.
        EXPECT_FALSE(stored(number, "PROD2").isNull());
        EXPECT_EQ(rt::CDbl(stored(number, "PROD2")), 0);
        EXPECT_DOUBLE_EQ(rt::CDbl(stored(number, "PREP2")), 0);  // a slot without a code has no share
        EXPECT_DOUBLE_EQ(rt::CDbl(stored(number, "VREPASSE")), c.producerValue);
        EXPECT_EQ(values().ProducerShareSum, Variant(c.producerShare == 0 ? 1E-08 : c.producerShare));
        dialogs.clear();
    }
}

TEST_F(DocumentSave, AmountsKeepEveryDecimal)
{
    fillHeader();
    setBox("MaskEdBox1", "1234,56");
    setBox("MaskEdBox6", "3");
    const int number = saveNew();
    EXPECT_DOUBLE_EQ(rt::CDbl(stored(number, "VCOMISSAO")), 37.0368);
    EXPECT_EQ(values().ProducerShareSum, Variant(1E-08));
}

// ---- a new document -----------------------------------------------------------------------

TEST_F(DocumentSave, ANewDocumentGetsTheNumberTheDatabaseGaveEvenWhileOthersAdd)
{
    addDocument();  // an earlier document
    reopen();
    fillHeader();
    setBox("Text2", "");
    {
        // Another workstation adds a document after the window opened.
        test::SecondWorkstation other(pathOf("VORNA.MDB"));
        other.exec("INSERT INTO DOCUMENTOS (FILIAL, TIPO) VALUES (1, 'A')");
    }
    const int number = saveNew();
    EXPECT_EQ(number, 3);
    EXPECT_EQ(stored(number, "NOMCLIENTE"), Variant("CLIENTE NOVO"));
    for (const char* one : {"FILIAL", "FILCLIENTE"})
        EXPECT_EQ(rt::CLng(stored(number, one)), 1) << one;
    for (const char* zero : {"VLRTRAN", "VLRPROP", "DEVPROP"})
        EXPECT_EQ(rt::CDbl(stored(number, zero)), 0) << zero;
    EXPECT_EQ(state().document.OperationMarker, Variant("1"));
    EXPECT_EQ(values().SaveMode, 1);
    EXPECT_TRUE(cleared());

    const auto audit = auditRows();
    ASSERT_EQ(audit.size(), 1u);
    EXPECT_EQ(rt::CLng(audit[0].client), 5);
    EXPECT_EQ(audit[0].name, "CLIENTE NOVO");
    EXPECT_EQ(rt::CLng(audit[0].document), number);
    EXPECT_EQ(audit[0].policy, Variant(" "));
    EXPECT_EQ(audit[0].remarks, Variant(AddedRemarks));
    EXPECT_EQ(rt::CLng(audit[0].user), 42);
    EXPECT_EQ(audit[0].liqui, Variant("S"));
}

TEST_F(DocumentSave, RefusedNewDocumentsWriteNothingAndKeepTheHeader)
{
    struct Case {
        const char* what;
        QString level;
        std::vector<Right> withoutRights;
        bool hidesCommissions;
        QString message;
    } cases[] = {
        {"third level", level::Minimum, {}, false, msg::OnlyConsultation},
        {"no ICD", level::Total, {Right::ICD}, false, msg::NoAccessToModule},
        {"commissions hidden", level::Total, {}, true, NothingWillChange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Right> rights = everyRight();
        for (Right r : c.withoutRights)
            std::erase(rights, r);
        logIn(c.level, rights);
        if (c.hidesCommissions)
            state().session.right(Right::OCU) = Variant("S");
        fillHeader();
        dialogs.clear();
        dialogs.expectOk(c.message);
        save();
        EXPECT_EQ(dialogs.texts(), std::vector<QString>{c.message});
        EXPECT_EQ(rowCount("DOCUMENTOS"), 0);
        EXPECT_TRUE(auditRows().empty());
        EXPECT_EQ(list("Combo5")->Text(), "CLIENTE NOVO");
    }
}

TEST_F(DocumentSave, AFailedNewSaveStoresNothingAndTheNextGetsItsOwnNumber)
{
    fillHeader();
    {
        test::SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        dialogs.expectOk(msg::RecordLocked + "3260");
        save();
    }
    // A box that is no number ends the save the same way.
    setBox("MaskEdBox1", "1,2,3");
    dialogs.expectOk(msg::RecordLocked + "13");
    save();
    EXPECT_EQ(rowCount("DOCUMENTOS"), 0);
    EXPECT_EQ(rowCount("LOGUI"), 0);
    EXPECT_EQ(list("Combo5")->Text(), "CLIENTE NOVO");
    EXPECT_TRUE(test::text(box("Text1")).isEmpty());

    setBox("MaskEdBox1", "100");
    const int number = saveNew();
    EXPECT_EQ(number, 1);
    ASSERT_EQ(auditRows().size(), 1u);
    EXPECT_EQ(rt::CLng(auditRows()[0].document), 1);
}

// ---- a stored document --------------------------------------------------------------------

TEST_F(DocumentSave, TheAuditRowOfAStoredDocumentSaysWhatBecameOfItsPolicyNumber)
{
    struct Case {
        const char* what;
        QString storedPolicy, typedPolicy;
        Variant remarks, policy;
    } cases[] = {
        {"proposal kept", " ", " ", Variant("ALTERAÇAO/CONSULTA DE DOCUMENTO"), Variant(".")},
        // The box no longer equals the shown blank, so the rule reads it as a conversion.
        {"proposal emptied", " ", "", Variant("CONVERSAO DE PROPOSTA DE APOLICE EM APOLICE"), Variant(".")},
        {"proposal given a number", " ", "P-1", Variant("CONVERSAO DE PROPOSTA DE APOLICE EM APOLICE"),
         Variant("P-1")},
        {"policy kept", "P-1", "P-1", Variant("ALTERAÇAO/CONSULTA DE DOCUMENTO"), Variant("P-1")},
        {"policy changed", "P-1", "P-2", Variant::null(), Variant("P-2")},
        {"letter case counts", "p-1", "P-1", Variant::null(), Variant("P-1")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        otherWorkstation("DELETE FROM LOGUI");
        const int number = addDocument({{"APOLICE", c.storedPolicy}, {"CODCLIENTE", 5}, {"NOMRAMO", "AUTOMOVEL"},
                                        {"RAMO", 311}, {"SEGURADORA", 1}, {"NOMSEGURADORA", "CIA"},
                                        {"VIGENCIAINICIAL", Variant::date(QDate(2024, 2, 1))},
                                        {"VIGENCIAFINAL", Variant::date(QDate(2025, 2, 1))}});
        reopen();
        show(number);
        setBox("Text2", c.typedPolicy);
        save();
        EXPECT_TRUE(cleared());
        const auto audit = auditRows();
        ASSERT_EQ(audit.size(), 1u);
        EXPECT_EQ(audit[0].remarks.isNull(), c.remarks.isNull());
        if (!c.remarks.isNull())
            EXPECT_EQ(audit[0].remarks, c.remarks);
        EXPECT_EQ(audit[0].policy, c.policy);
        EXPECT_EQ(rt::CLng(audit[0].document), number);
        EXPECT_EQ(audit[0].name, "CLIENTE");
        EXPECT_EQ(stored(number, "APOLICE"), Variant(c.typedPolicy.isEmpty() ? " " : c.typedPolicy));
    }
}

TEST_F(DocumentSave, AStoredSaveWritesTheShownDocumentWhereverTheRecordsetWent)
{
    const auto header = [](const char* client) {
        return test::Fields{{"NOMCLIENTE", client}, {"NOMRAMO", "AUTOMOVEL"}, {"RAMO", 311}, {"SEGURADORA", 1},
                            {"NOMSEGURADORA", "CIA"}, {"VIGENCIAINICIAL", Variant::date(QDate(2024, 2, 1))},
                            {"VIGENCIAFINAL", Variant::date(QDate(2025, 2, 1))}, {"APOLICE", "P-1"}};
    };
    const int shown = addDocument(header("MOSTRADO"));
    const int other = addDocument(header("OUTRO"));
    reopen();
    show(shown);
    // A policy-number look-up moves the recordset to another document.
    form().recordsets().DOCUMENTOS.FindFirst(QStringLiteral("PROPOSTA = %1").arg(other));
    setBox("Text3", "END-9");
    setBox("MaskEdBox1", "500");
    save();
    EXPECT_EQ(state().document.SourceDocumentNumber, shown);
    EXPECT_EQ(stored(shown, "ENDOSSO"), Variant("END-9"));
    EXPECT_DOUBLE_EQ(rt::CDbl(stored(shown, "PREMIOBRUTO")), 500);
    EXPECT_TRUE(stored(other, "ENDOSSO").isNull());
    EXPECT_EQ(stored(other, "NOMCLIENTE"), Variant("OUTRO"));
    EXPECT_TRUE(cleared());
    EXPECT_FALSE(control("MaskEdBox32")->isEnabled());
    EXPECT_FALSE(control("MaskEdBox55")->isEnabled());
}

TEST_F(DocumentSave, AStoredSaveWithoutTheRightLogsAndChangesNothing)
{
    struct Case {
        const char* what;
        QString level;
        bool acd;
        QString ocu;
        QString message;  // empty: none
    } cases[] = {
        {"no ACD", level::Total, false, "N", NothingWillChange},
        {"commissions hidden", level::Total, true, "S", NothingWillChange},
        {"third level", level::Minimum, true, "N", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        otherWorkstation("DELETE FROM LOGUI");
        const int number = addDocument({{"NOMRAMO", "AUTOMOVEL"}, {"RAMO", 311}, {"SEGURADORA", 1},
                                        {"NOMSEGURADORA", "CIA"}, {"VIGENCIAINICIAL", Variant::date(QDate(2024, 2, 1))},
                                        {"VIGENCIAFINAL", Variant::date(QDate(2025, 2, 1))}, {"ENDOSSO", "E"},
                                        {"PROD1", 0}});
        logIn(level::Total, everyRight());
        reopen();
        show(number);
        std::vector<Right> rights = everyRight();
        if (!c.acd)
            std::erase(rights, Right::ACD);
        logIn(c.level, rights);
        state().session.right(Right::OCU) = Variant(c.ocu);
        setBox("Text3", "MUDADO");
        dialogs.clear();
        if (!c.message.isEmpty())
            dialogs.expectOk(c.message);
        save();
        EXPECT_EQ(dialogs.boxes.size(), c.message.isEmpty() ? 0u : 1u);
        EXPECT_EQ(stored(number, "ENDOSSO"), Variant("E"));
        EXPECT_EQ(auditRows().size(), 1u);
        EXPECT_TRUE(cleared());
        // Not left locked: another workstation writes the row at once.
        test::SecondWorkstation other(pathOf("VORNA.MDB"));
        other.exec(QStringLiteral("UPDATE DOCUMENTOS SET ENDOSSO = 'X' WHERE PROPOSTA = %1").arg(number).toUtf8());
    }
}

TEST_F(DocumentSave, AStoredSaveThatCannotWriteStoresNothing)
{
    const int number = addDocument({{"NOMRAMO", "AUTOMOVEL"}, {"RAMO", 311}, {"SEGURADORA", 1},
                                    {"NOMSEGURADORA", "CIA"}, {"VIGENCIAINICIAL", Variant::date(QDate(2024, 2, 1))},
                                    {"VIGENCIAFINAL", Variant::date(QDate(2025, 2, 1))}, {"ENDOSSO", "E"}});
    reopen();
    show(number);
    setBox("Text3", "MUDADO");
    {
        test::SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        dialogs.expectOk(msg::RecordLocked + "3260");
        save();
    }
    EXPECT_EQ(stored(number, "ENDOSSO"), Variant("E"));
    EXPECT_TRUE(auditRows().empty());
    EXPECT_EQ(test::text(box("Text3")), "MUDADO");
    EXPECT_EQ(test::text(box("Text1")), QString::number(number));

    // Gone meanwhile: the audit row stays, nothing else is written, the window keeps it.
    otherWorkstation("DELETE FROM DOCUMENTOS");
    dialogs.expectOk("DOCUMENTO NAO ENCONTRADO");
    save();
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_EQ(rowCount("DOCUMENTOS"), 0);
    EXPECT_EQ(auditRows().size(), 1u);
    EXPECT_EQ(test::text(box("Text3")), "MUDADO");

    // Saved again once it can write.
    addDocument({{"NOMRAMO", "AUTOMOVEL"}, {"RAMO", 311}, {"SEGURADORA", 1}, {"NOMSEGURADORA", "CIA"},
                 {"VIGENCIAINICIAL", Variant::date(QDate(2024, 2, 1))},
                 {"VIGENCIAFINAL", Variant::date(QDate(2025, 2, 1))}});
    reopen();
    show(number + 1);
    setBox("Text3", "DE NOVO");
    save();
    EXPECT_EQ(stored(number + 1, "ENDOSSO"), Variant("DE NOVO"));
}

// ---- the client of an imported quotation -------------------------------------------------

class ClientCreation : public DocumentSave {
protected:
    void import(const QString& cpf)
    {
        documents::ImportedProspectValues& p = values().ImportedProspect;
        p = {};
        p.SearchCpf = p.CPF = Variant(cpf);
        p.NOME = Variant("PROSPECTO");
        p.PRODUTOR = Variant(7);
        p.ANIV = Variant::date(QDate(1980, 5, 17));
        p.EMAIL = Variant("   ");
        p.CELULAR1 = Variant("99999-1111");
        p.CELULAR2 = Variant("98888-2222");
        p.CNH1 = Variant("CNH");
        p.PRIMHAB = Variant::date(QDate(2000, 1, 2));
    }
    int clientOf(int document) { return rt::CLng(stored(document, "CODCLIENTE")); }
};

TEST_F(ClientCreation, AnImportedProspectBecomesTheDocumentsClient)
{
    setNow(QDateTime(QDate(2024, 3, 4), QTime(10, 0)));
    const int existing = int(rt::CLng(addRow("CLIENTES", {{"NOME", "JA CLIENTE"}, {"CPF", "111"}}).field("CODIGO")));
    addRow("CLIENTES", {{"NOME", "PARECIDO"}, {"CPF", "12'3X"}});
    reopen();

    // No import: the typed code.
    fillHeader();
    setBox("Text30", "ORIGINAL");
    EXPECT_EQ(clientOf(saveNew()), 5);

    // A client with the CPF: its code, no client added.
    fillHeader();
    setBox("Text30", "ORIGINAL");
    import("111");
    EXPECT_EQ(clientOf(saveNew()), existing);
    EXPECT_EQ(rowCount("CLIENTES"), 2);

    // None: created with the prospect's values; an apostrophe or a pattern
    // character matches only itself.
    fillHeader();
    setBox("Text30", "ORIGINAL");
    import("12'3*");
    const int document = saveNew();
    ASSERT_EQ(rowCount("CLIENTES"), 3);
    db::Recordset client = findRow("CLIENTES", "NOME = 'PROSPECTO'");
    ASSERT_FALSE(client.NoMatch());
    const int created = rt::CLng(client.field("CODIGO"));
    EXPECT_EQ(clientOf(document), created);
    EXPECT_EQ(rt::CLng(auditRows().back().client), created);
    EXPECT_EQ(client.field("CPF"), Variant("12'3*"));
    EXPECT_EQ(rt::CLng(client.field("PRODUTOR")), 7);
    EXPECT_EQ(rt::Format(client.field("ANIV"), "dd/mm/yyyy"), "17/05/1980");
    EXPECT_EQ(rt::Format(client.field("PRIDATCNH"), "dd/mm/yyyy"), "02/01/2000");
    EXPECT_EQ(client.field("CELULAR"), Variant("99999-1111"));
    EXPECT_EQ(client.field("TELCOMERCIAL3"), Variant("98888-2222"));
    EXPECT_EQ(client.field("CNH"), Variant("CNH"));
    EXPECT_TRUE(client.field("EMAIL").isNull());  // blanks are not written
    EXPECT_EQ(rt::Format(client.field("CADA"), "dd/mm/yyyy"), "04/03/2024");
    EXPECT_EQ(client.field("MALAS"), Variant("A"));
    EXPECT_EQ(client.field("TIPOETI"), Variant("R"));
    EXPECT_EQ(rt::CLng(client.field("FILIAL")), 1);

    // The import belonged to that document: the next one does not get it.
    EXPECT_TRUE(rt::IsEmpty(values().ImportedProspect.SearchCpf));
}

TEST_F(ClientCreation, OnlyAnImportForThisDocumentWithTheOriginalBoxFilledCounts)
{
    struct Case {
        const char* what;
        bool original;
        bool clearedBetween;
    } cases[] = {
        {"original box blank", false, false},
        {"import, then Limpar", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        import("222");
        if (c.clearedBetween)
            test::click(button("Command3D1"));
        fillHeader();
        if (c.original)
            setBox("Text30", "ORIGINAL");
        EXPECT_EQ(clientOf(saveNew()), 5);
        EXPECT_EQ(rowCount("CLIENTES"), 0);
    }
}

TEST_F(ClientCreation, AFailedSaveAddsNoClientAndKeepsTheTypedCode)
{
    fillHeader();
    setBox("Text30", "ORIGINAL");
    import("333");
    // A share of a producer the table lacks is read only once the client was added.
    setBox("Text25", "99");
    setBox("MaskEdBox13", "x");
    dialogs.expectOk(msg::RecordLocked + "13");
    save();
    EXPECT_EQ(rowCount("CLIENTES"), 0);
    EXPECT_EQ(rowCount("DOCUMENTOS"), 0);
    EXPECT_EQ(test::text(box("Text9")), "5");
    // The import still stands for the retry.
    setBox("MaskEdBox13", "10");
    const int document = saveNew();
    EXPECT_EQ(rowCount("CLIENTES"), 1);
    EXPECT_EQ(clientOf(document), rt::CLng(findRow("CLIENTES", "CPF = '333'").field("CODIGO")));
}

}  // namespace
}  // namespace vorna
