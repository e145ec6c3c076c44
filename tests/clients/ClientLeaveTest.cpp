#include "ClientFixture.h"

#include "common/WindowRefs.h"
#include "registries/Form28.h"

#include <optional>

namespace vorna::test {
namespace {

class ClientLeaveTest : public ClientFixture {
protected:
    int code = 0;

    void SetUp() override
    {
        ClientFixture::SetUp();
        addProducer(1, 1, "ANA PRODUTORA");
        code = addClient("ALFA SEGURADO", {{"ANEXO1", "/docs/contrato.pdf"}});
    }
    void showClient()
    {
        type(box("Text1"), QString::number(code));
        leave(box("Text1"));
        ASSERT_TRUE(shown());
    }
    // The window opened by the document window's "Consultar Cliente".
    void openFromDocument()
    {
        HandOver& h = state().handOver;
        h.CallerCode = Variant(caller::ClientFromDocument);
        h.PassedRecordCode = Variant(QString::number(code));
        h.ReturnDocumentNumber = 7;
        h.ReturnDocumentBranch = 1;
        open();
        ASSERT_TRUE(shown());
        ASSERT_EQ(label("Label36")->text(), "Retornar");
    }
    static registries::Form28& attachments() { return ui::windowRef<registries::Form28>(); }
    static ui::Window& documents() { return windows::Form14(); }
};

// "Sair" by caller code, the first matching row deciding: only 555 opens the
// document window again; the rows for windows the system lacks leave their
// code and close; anything else only closes.
TEST_F(ClientLeaveTest, SairFollowsItsTableByCallerCode)
{
    struct Case {
        const char* name;
        Variant callerCode;
        Variant secondCallerCode;
        std::optional<Variant> codeAfter;  // unset: the document window's load step owns it
        bool documentWindow;
    };
    const Case cases[] = {
        {"empty", Variant(), Variant(0), Variant(), false},
        {"0", Variant(0), Variant(0), Variant(0), false},
        {"attachments", Variant(caller::AttachmentsOfClient), Variant(0), Variant(caller::AttachmentsOfClient), false},
        {"contact history", Variant(caller::ContactHistory), Variant(0), Variant(caller::ContactHistory), false},
        {"555", Variant(caller::ClientFromDocument), Variant(0), std::nullopt, true},
        {"555 before a second 23", Variant(caller::ClientFromDocument), Variant(23), std::nullopt, true},
        {"23", Variant(23), Variant(0), Variant(23), false},
        {"23 before a second 23", Variant(23), Variant(23), Variant(23), false},
        {"second 23", Variant(0), Variant(23), Variant(142), false},
        {"142", Variant(142), Variant(0), Variant(142), false},
        {"777", Variant(777), Variant(0), Variant(0), false},
        {"999", Variant(999), Variant(0), Variant(0), false},
        {"222", Variant(222), Variant(0), Variant(0), false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        state().handOver.CallerCode = k.callerCode;
        state().handOver.SecondCallerCode = k.secondCallerCode;
        state().handOver.PassedRecordCode = Variant(QString::number(code));
        open();
        type(box("Text2"), "NAO GRAVADO");

        click(button("Command3D5"));

        EXPECT_FALSE(form().isLoaded());
        if (k.codeAfter) {
            EXPECT_EQ(state().handOver.CallerCode, *k.codeAfter);
        }
        EXPECT_EQ(documents().state() == ui::Window::State::Shown, k.documentWindow);
        EXPECT_FALSE(attachments().isLoaded());
        documents().Unload();
    }
    // Unsaved typing went without a question.
    EXPECT_EQ(client(code).field("NOME"), Variant("ALFA SEGURADO"));
    EXPECT_TRUE(dialogs.boxes.empty());
}

// "Anexos" hands the shown client to the attachments window and waits,
// disabled, until its "Sair"; then the same client is still shown.
TEST_F(ClientLeaveTest, AnexosHandsTheClientOverAndWaits)
{
    open();
    showClient();

    click(button("Command3D24"));

    EXPECT_EQ(state().handOver.AttachmentOwnerKey, code);
    EXPECT_EQ(state().handOver.CallerCode, Variant(caller::AttachmentsOfClient));
    ASSERT_EQ(attachments().state(), ui::Window::State::Shown);
    EXPECT_EQ(attachments().ownerKind(), registries::Form28::Client);
    EXPECT_EQ(attachments().ownerKey(), code);
    EXPECT_EQ(text(attachments().control<QWidget>("Text1")), "/docs/contrato.pdf");
    EXPECT_FALSE(form().isEnabled());

    click(attachments().control<QWidget>("Command2"));

    EXPECT_FALSE(attachments().isLoaded());
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(box("Text1")->text(), QString::number(code));
    EXPECT_TRUE(shown());
    EXPECT_EQ(state().handOver.CallerCode, Variant(caller::AttachmentsOfClient));
}

// A blank code box (nothing shown) hands nothing over.
TEST_F(ClientLeaveTest, AnexosWithoutACodeDoesNothing)
{
    open();
    button("Command3D24")->setEnabled(true);
    for (const QString& typed : {QString(), QStringLiteral("  ")}) {
        box("Text1")->setText(typed);
        click(button("Command3D24"));
    }
    EXPECT_EQ(state().handOver.CallerCode, Variant());
    EXPECT_EQ(state().handOver.AttachmentOwnerKey, 0);
    EXPECT_FALSE(attachments().isLoaded());
    EXPECT_TRUE(form().isEnabled());
}

// From a document: "Retornar" opens the document window again; after "Anexos"
// the code is 2, and the same button only closes the client window.
TEST_F(ClientLeaveTest, RetornarReopensTheDocumentWindowUnlessAnexosCameBetween)
{
    openFromDocument();
    click(button("Command3D5"));
    EXPECT_FALSE(form().isLoaded());
    EXPECT_EQ(documents().state(), ui::Window::State::Shown);
    documents().Unload();

    openFromDocument();
    click(button("Command3D24"));
    click(attachments().control<QWidget>("Command2"));
    ASSERT_TRUE(form().isEnabled());
    EXPECT_EQ(label("Label36")->text(), "Retornar");
    click(button("Command3D5"));
    EXPECT_FALSE(form().isLoaded());
    EXPECT_FALSE(documents().isLoaded());
    EXPECT_EQ(state().handOver.CallerCode, Variant(caller::AttachmentsOfClient));
}

}  // namespace
}  // namespace vorna::test
