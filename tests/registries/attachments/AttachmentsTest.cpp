#include "platform/database/TextRules.h"
#include "AttachmentsFixture.h"

#include "common/MessageTexts.h"

#include <optional>
#include <sqlite3.h>

namespace vorna::test {
namespace {

const QString NoAttachmentRight = QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE INCLUIR ANEXOS!");
QString alreadyAttached(int n)
{
    return QStringLiteral("VOCÊ JÁ INCLUIU ESTE ANEXO... VEJA O ÍTEM ") + QString::number(n) + "!";
}

QStringList blanks(int count) { return QStringList(count, QStringLiteral(" ")); }

class OwnerKinds : public AttachmentsFixture, public ::testing::WithParamInterface<OwnerKind> {};

TEST_P(OwnerKinds, ShowsTheOwnerRowsPathsAndSairStoresThemIntoThatRowOnly)
{
    const OwnerKind kind = GetParam();
    const int32_t decoy = addOwner(kind, {{1, Variant("/decoy/first.pdf")}});
    const int32_t key = addOwner(kind, {{1, Variant("/docs/a.pdf")},
                                        {2, Variant("")},
                                        {3, Variant::null()},
                                        {10, Variant("/docs/z.pdf")}});
    openFor(kind, key);

    ASSERT_EQ(form().state(), ui::Window::State::Shown);
    EXPECT_EQ(form().windowTitle(), ownerTable(kind).caption);
    EXPECT_EQ(slotTexts(), (QStringList{"/docs/a.pdf", ""} + blanks(7) + QStringList{"/docs/z.pdf"}));
    EXPECT_FALSE(form().isViewOnly());
    EXPECT_TRUE(controls().Drive1->isVisible());
    EXPECT_TRUE(controls().Command4->isVisible());
    EXPECT_EQ(form().height(), ui::twips(7380));
    EXPECT_EQ(form().focusWidget(), controls().Text1);
    EXPECT_FALSE(ownerWindow(kind).isEnabled());

    // A field holding an empty text and a field without value are both free.
    add("/docs/b.pdf");
    add("/docs/c.pdf");
    EXPECT_EQ(slot(2)->text(), "/docs/b.pdf");
    EXPECT_EQ(slot(3)->text(), "/docs/c.pdf");
    EXPECT_EQ(controls().Text12->text(), "/docs/c.pdf");
    // Blanking a slot keeps what is stored; typing over a slot replaces it.
    typeInto(slot(10), "");
    typeInto(slot(1), "/docs/a2.pdf");
    leave();

    EXPECT_EQ(form().state(), ui::Window::State::NotLoaded);
    EXPECT_TRUE(ownerWindow(kind).isEnabled());
    const std::vector<Variant> after = storedSlots(kind, key);
    EXPECT_EQ(after[0].toString(), "/docs/a2.pdf");
    EXPECT_EQ(after[1].toString(), "/docs/b.pdf");
    EXPECT_EQ(after[2].toString(), "/docs/c.pdf");
    EXPECT_TRUE(after[3].isNull());
    EXPECT_EQ(after[9].toString(), "/docs/z.pdf");
    const std::vector<Variant> decoyAfter = storedSlots(kind, decoy);
    EXPECT_EQ(decoyAfter[0].toString(), "/decoy/first.pdf");
    for (size_t n = 1; n < 10; ++n)
        EXPECT_TRUE(decoyAfter[n].isNull()) << "decoy slot " << n + 1;

    // Each opening reads the owner row anew.
    openFor(kind, key);
    EXPECT_EQ(slotTexts(), (QStringList{"/docs/a2.pdf", "/docs/b.pdf", "/docs/c.pdf"} + blanks(6)
                            + QStringList{"/docs/z.pdf"}));
    leave();
}

INSTANTIATE_TEST_SUITE_P(Attachments, OwnerKinds,
                         ::testing::Values(OwnerKind::Document, OwnerKind::Client, OwnerKind::Event),
                         [](const auto& info) { return ownerTable(info.param).table.toStdString(); });

using Attachments = AttachmentsFixture;

// The boxes take 200 typed characters, but a longer stored path is shown and
// stored again whole: cut, it would name another file.
TEST_F(Attachments, AStoredPathLongerThanTheBoxesTakeIsKeptWhole)
{
    const QString longPath = "/" + QString(229, QLatin1Char('x'));
    const int32_t key = addOwner(OwnerKind::Client, {{1, Variant(longPath)}});
    openFor(OwnerKind::Client, key);
    EXPECT_EQ(slot(1)->text(), longPath);
    leave();
    EXPECT_EQ(storedSlots(OwnerKind::Client, key)[0].toString(), longPath);
}

struct DuplicateCase {
    const char* what;
    std::map<int, Variant> stored;
    QString picked;
    int namedSlot;  // the slot the duplicate message names, 0 for none
    int addedTo;    // the slot that takes the picked path, 0 for none
};

TEST_F(Attachments, AddingComparesThePickedPathExactlyWithEverySlot)
{
    const std::vector<DuplicateCase> cases{
        {"a path slot 7 holds, slot 1 free", {{7, Variant("/p/x.pdf")}}, "/p/x.pdf", 7, 0},
        {"letter case differs", {{7, Variant("/p/x.pdf")}}, "/p/X.pdf", 0, 1},
        {"a trailing blank differs", {{7, Variant("/p/x.pdf")}}, "/p/x.pdf ", 0, 1},
        {"one blank equals the first blank slot", {{1, Variant("/a")}, {2, Variant("/b")}}, " ", 3, 0},
        {"nothing picked equals a slot holding an empty text", {{1, Variant("/a")}, {2, Variant("")}}, "", 2, 0},
        {"nothing picked fills the first free slot, which stays free", {{1, Variant("/a")}}, "", 0, 2},
    };
    for (const DuplicateCase& c : cases) {
        SCOPED_TRACE(c.what);
        openFor(OwnerKind::Document, addOwner(OwnerKind::Document, c.stored));
        QStringList expected = slotTexts();
        if (c.addedTo)
            expected[c.addedTo - 1] = c.picked;
        if (c.namedSlot)
            dialogs.expectOk(alreadyAttached(c.namedSlot));

        add(c.picked);

        EXPECT_EQ(slotTexts(), expected);
        EXPECT_EQ(controls().Text12->text(), c.picked);
        if (c.namedSlot) {
            ASSERT_EQ(dialogs.boxes.size(), 1u);
            EXPECT_EQ(dialogs.boxes[0].title, msg::TitleAttention);
            EXPECT_EQ(dialogs.boxes[0].buttons, dlg::Buttons::Ok);
        }
        dialogs.verifyAllTaken();
        dialogs.clear();
        leave();
    }
}

TEST_F(Attachments, AnEleventhPathIsNeitherAddedNorAnnounced)
{
    std::map<int, Variant> full;
    for (int n = 1; n <= 10; ++n)
        full[n] = Variant(QStringLiteral("/p/%1.pdf").arg(n));
    openFor(OwnerKind::Event, addOwner(OwnerKind::Event, full));
    const QStringList before = slotTexts();

    add("/p/11.pdf");

    EXPECT_EQ(slotTexts(), before);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Attachments, AdicionarRefusesTheThirdLevelAndAUserLackingADocumentRight)
{
    struct Refusal {
        const char* what;
        QString level;
        std::optional<Right> lacking;
        QString text;
        QString title;
    };
    const std::vector<Refusal> cases{
        {"third level", level::Minimum, std::nullopt, msg::OnlyConsultation, msg::TitleAttentionExclaimed},
        {"lacking ICD", level::Total, Right::ICD, NoAttachmentRight, QString()},
        {"lacking ACD", level::Medium, Right::ACD, NoAttachmentRight, QString()},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.what);
        // The compact form hides the button from these users; its own guard
        // still holds when the rights differ from those the window opened with.
        logIn(level::Total, everyRight());
        openFor(OwnerKind::Client, addOwner(OwnerKind::Client));
        logIn(c.level, everyRight());
        if (c.lacking)
            state().session.right(*c.lacking) = Variant("N");
        dialogs.expectOk(c.text);

        add("/p/x.pdf");

        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].title, c.title);
        EXPECT_EQ(slotTexts(), blanks(10));
        dialogs.clear();
        leave();
    }
}

struct CompactCase {
    const char* what;
    QString level;
    std::vector<Right> lacking;
};

class CompactForm : public AttachmentsFixture, public ::testing::WithParamInterface<CompactCase> {};

TEST_P(CompactForm, OnlyOpensStoredAttachmentsAndSairStoresNothing)
{
    std::vector<Right> rights;
    for (Right r : everyRight())
        if (std::find(GetParam().lacking.begin(), GetParam().lacking.end(), r) == GetParam().lacking.end())
            rights.push_back(r);
    logIn(GetParam().level, rights);
    const int32_t key = addOwner(OwnerKind::Client, {{1, Variant("/docs/a.pdf")}});
    openFor(OwnerKind::Client, key);

    ASSERT_TRUE(form().isViewOnly());
    EXPECT_EQ(form().height(), ui::twips(3700));
    EXPECT_EQ(form().width(), ui::twips(6165));
    Ui::Form28& c = controls();
    for (QWidget* hidden : {(QWidget*)c.Drive1, (QWidget*)c.Dir1, (QWidget*)c.File1, (QWidget*)c.Text12,
                            (QWidget*)c.Command3, (QWidget*)c.Command4})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    // Moved up once, whichever conditions hold together.
    const int shift = ui::twips(3900) - ui::twips(50);
    EXPECT_EQ(c.Text1->y(), ui::twips(3900) - shift);
    EXPECT_EQ(c.Label2->y(), ui::twips(3945) - shift);
    EXPECT_EQ(c.Text11->y(), ui::twips(6660) - shift);
    EXPECT_EQ(c.Command1->y(), ui::twips(6975) - shift);
    EXPECT_EQ(c.Command2->y(), ui::twips(6975) - shift);
    EXPECT_TRUE(c.Text1->isVisible());
    EXPECT_TRUE(c.Command1->isVisible());

    click(slot(1));
    click(c.Command1);
    EXPECT_EQ(desktop.asked(), QStringList{"/docs/a.pdf"});

    // The slots can be typed into; nothing typed there is stored.
    typeInto(slot(1), "/docs/other.pdf");
    typeInto(slot(2), "/docs/typed.pdf");
    leave();
    EXPECT_EQ(form().state(), ui::Window::State::NotLoaded);
    EXPECT_TRUE(windows::Form4().isEnabled());
    const std::vector<Variant> after = storedSlots(OwnerKind::Client, key);
    EXPECT_EQ(after[0].toString(), "/docs/a.pdf");
    EXPECT_TRUE(after[1].isNull());

    // The next opening decides again: a user who may alter gets the full form.
    logIn(level::Total, everyRight());
    openFor(OwnerKind::Client, key);
    EXPECT_FALSE(form().isViewOnly());
    EXPECT_EQ(form().height(), ui::twips(7380));
    EXPECT_EQ(controls().Text1->y(), ui::twips(3900));
    EXPECT_TRUE(controls().Command4->isVisible());
}

// Tab runs through the slots, "Sair", "Abrir Anexo", then the browsing
// controls; the compact form skips what it hides.
TEST_F(Attachments, TabRunsThroughTheSlotsThenTheButtonsThenTheBrowsingControls)
{
    struct Layout {
        const char* what;
        QString level;
        QStringList order;
    };
    QStringList laterSlots;  // from slot 1, where the window opens
    for (int n = 2; n <= 10; ++n)
        laterSlots << QStringLiteral("Text%1").arg(n);
    const std::vector<Layout> layouts{
        {"full", level::Total,
         laterSlots + QStringList{"Command2", "Command1", "Drive1", "Dir1", "File1", "Command3", "Text12", "Command4",
                                  "Text1"}},
        {"compact", level::Minimum, laterSlots + QStringList{"Command2", "Command1", "Text1"}},
    };
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.what);
        logIn(l.level, everyRight());
        openFor(OwnerKind::Client, addOwner(OwnerKind::Client));
        QApplication::setActiveWindow(&form());
        ASSERT_EQ(QApplication::focusWidget(), controls().Text1);

        QStringList reached;
        for (qsizetype i = 0; i < l.order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(reached, l.order);
        leave();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Attachments, CompactForm,
    ::testing::Values(CompactCase{"ThirdLevel", level::Minimum, {}},
                      CompactCase{"FirstLevelLackingICD", level::Total, {Right::ICD}},
                      CompactCase{"SecondLevelLackingACD", level::Medium, {Right::ACD}},
                      CompactCase{"ThirdLevelLackingBoth", level::Minimum, {Right::ICD, Right::ACD}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Attachments, AnOwnerKeyNoRowCarriesShowsNothingAndWritesNoOtherRow)
{
    for (const OwnerTable& t : ownerTables()) {
        SCOPED_TRACE(t.table.toStdString());
        const int32_t other = addOwner(t.kind, {{1, Variant("/other/first.pdf")}});
        openFor(t.kind, other + 1000);

        EXPECT_EQ(slotTexts(), blanks(10));
        EXPECT_FALSE(form().ownerRowFound());
        EXPECT_TRUE(form().isViewOnly()) << "nothing added here could be stored";
        typeInto(slot(2), "/typed.pdf");
        leave();

        EXPECT_EQ(form().state(), ui::Window::State::NotLoaded);
        EXPECT_TRUE(ownerWindow(t.kind).isEnabled());
        const std::vector<Variant> after = storedSlots(t.kind, other);
        EXPECT_EQ(after[0].toString(), "/other/first.pdf");
        EXPECT_TRUE(after[1].isNull());
    }
}

TEST_F(Attachments, ACallerCodeOfNoOwnerKindOpensNoTable)
{
    const int32_t document = addOwner(OwnerKind::Document, {{1, Variant("/doc.pdf")}});
    for (const Variant& code : {Variant(), Variant(0), Variant(555), Variant(7)}) {
        state().handOver.CallerCode = code;
        state().handOver.AttachmentOwnerKey = document;
        windows::Form28().Show();

        EXPECT_EQ(form().windowTitle(), "Arquivos Anexos ao Documento");
        EXPECT_EQ(slotTexts(), blanks(10));
        EXPECT_EQ(form().ownerKind(), OwnerKind::NoOwner);
        leave();
        EXPECT_EQ(form().state(), ui::Window::State::NotLoaded);
        EXPECT_TRUE(stored(OwnerKind::Document, document, 2).isNull());
    }
}

// What other windows hand over while the attachments window is open does not
// move its owner: "Sair" writes the row its load step found and gives control
// back to every owner window waiting for it.
TEST_F(Attachments, SairKeepsToTheOwnerItsLoadStepFound)
{
    struct HandOver {
        const char* what;
        int callerCode;
        bool otherOwnerOpens;  // the document window shows the attachments window too
    };
    const std::vector<HandOver> cases{
        {"another owner window shows it while open", OwnerKind::Document, true},
        {"a period report item sets its selector", 3, false},
    };
    for (const HandOver& c : cases) {
        SCOPED_TRACE(c.what);
        const int32_t client = addOwner(OwnerKind::Client, {{1, Variant("/client/a.pdf")}});
        const int32_t document = addOwner(OwnerKind::Document);
        const int32_t event = addOwner(OwnerKind::Event);
        openFor(OwnerKind::Client, client);

        state().handOver.CallerCode = Variant(c.callerCode);
        state().handOver.AttachmentOwnerKey = c.callerCode == OwnerKind::Document ? document : event;
        if (c.otherOwnerOpens) {
            windows::Form28().Show();  // already open: no new load step
            windows::Form14().Disable();
        }
        EXPECT_EQ(slot(1)->text(), "/client/a.pdf");
        add("/client/b.pdf");
        leave();

        EXPECT_EQ(stored(OwnerKind::Client, client, 2).toString(), "/client/b.pdf");
        EXPECT_TRUE(stored(OwnerKind::Document, document, 1).isNull());
        EXPECT_TRUE(stored(OwnerKind::Document, document, 2).isNull());
        EXPECT_TRUE(stored(OwnerKind::Event, event, 1).isNull());
        EXPECT_TRUE(stored(OwnerKind::Event, event, 2).isNull());
        EXPECT_TRUE(windows::Form4().isEnabled());
        EXPECT_TRUE(windows::Form14().isEnabled());
        EXPECT_TRUE(windows::Form7().isEnabled());
        EXPECT_EQ(form().state(), ui::Window::State::NotLoaded);
    }
}

// Runs SQL on the main database file through a connection of its own, as
// another workstation would.
class OtherWorkstation {
public:
    explicit OtherWorkstation(const QString& file)
    {
        sqlite3_open(file.toUtf8().constData(), &db_);
        db::text::registerOn(db_);  // indexes of the schema use the engine's collation
    }
    ~OtherWorkstation() { sqlite3_close(db_); }
    void exec(const char* sql)
    {
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
    }

private:
    sqlite3* db_ = nullptr;
};

TEST_F(Attachments, AFailedWriteAtSairIsReportedAndStillGivesControlBack)
{
    struct Failure {
        const char* what;
        int number;
        bool rowDeleted;
    };
    for (const Failure& c : {Failure{"row locked by another workstation", err::RecordLocked, false},
                             Failure{"row deleted by another workstation", err::RecordDeleted, true}}) {
        SCOPED_TRACE(c.what);
        const int32_t key = addOwner(OwnerKind::Client, {{1, Variant("/docs/a.pdf")}});
        openFor(OwnerKind::Client, key);
        add("/docs/b.pdf");

        OtherWorkstation other(pathOf("VORNA.MDB"));
        if (c.rowDeleted)
            other.exec(QStringLiteral("DELETE FROM CLIENTES WHERE CODIGO = %1").arg(key).toUtf8().constData());
        else
            other.exec("BEGIN IMMEDIATE");
        dialogs.expectOk(msg::withNumber(msg::RecordLocked, c.number));

        leave();

        EXPECT_EQ(form().state(), ui::Window::State::NotLoaded);
        EXPECT_TRUE(windows::Form4().isEnabled());
        if (!c.rowDeleted) {
            other.exec("ROLLBACK");
            EXPECT_TRUE(stored(OwnerKind::Client, key, 2).isNull());
        }
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].title, QString());
        dialogs.clear();
    }
}

}  // namespace
}  // namespace vorna::test
