#include "common/LinkStyleBoxes.h"
#include "platform/controls/TextBox.h"
#include "support/Interact.h"
#include "support/ProgramFixture.h"

#include <QCursor>
#include <QTest>
#include <QWidget>
#include <memory>

namespace vorna {
namespace {

// A panel holding a name box, two e-mail boxes and a web-page box, with a
// bare strip along its bottom.
class LinkStyleBoxesTest : public test::ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        panel = std::make_unique<QWidget>();
        panel->resize(400, 200);
        name = place(10);
        mail = place(40);
        mail2 = place(70);
        web = place(100);
        LinkStyleBoxes::attach(mail, LinkStyleBoxes::Kind::Email, name);
        LinkStyleBoxes::attach(mail2, LinkStyleBoxes::Kind::Email, name);
        LinkStyleBoxes::attach(web, LinkStyleBoxes::Kind::WebPage, name);
        LinkStyleBoxes::attachPanel(panel.get(), {mail, web, mail2});
        QCursor::setPos(QPoint(5000, 5000));
        panel->show();
        panel->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
        state().settings.WindowsLanguageOption = Variant("P");
        state().settings.MailProgramOption = Variant("E");
    }
    ui::TextBox* place(int top)
    {
        auto* box = new ui::TextBox(panel.get());
        box->setGeometry(10, top, 300, 24);
        return box;
    }
    // A move to where the pointer already is moves nothing: each one shifts.
    void pointAtPanel() { QTest::mouseMove(panel.get(), QPoint(200 + ++moves, 180)); }
    int moves = 0;
    static bool underlined(const QLineEdit* box) { return box->font().underline(); }

    std::unique_ptr<QWidget> panel;
    ui::TextBox *name = nullptr, *mail = nullptr, *mail2 = nullptr, *web = nullptr;
};

TEST_F(LinkStyleBoxesTest, UnderlineFollowsThePointerOverBoxesThatHoldText)
{
    mail->setText("ana@exemplo.com");
    web->setText("   ");
    QTest::mouseMove(mail, QPoint(5, 5));
    QTest::mouseMove(web, QPoint(5, 5));
    EXPECT_TRUE(underlined(mail));
    EXPECT_FALSE(underlined(web)) << "a blank box is not a link";

    // Another box keeps the underline; the bare panel takes it off.
    QTest::mouseMove(name, QPoint(5, 5));
    EXPECT_TRUE(underlined(mail));
    pointAtPanel();
    EXPECT_FALSE(underlined(mail));

    // A box emptied while underlined keeps its underline across the panel.
    QTest::mouseMove(mail, QPoint(6, 6));
    mail->clear();
    pointAtPanel();
    EXPECT_TRUE(underlined(mail));
    mail->setText("b@c.com");
    pointAtPanel();
    EXPECT_FALSE(underlined(mail));
}

TEST_F(LinkStyleBoxesTest, LeavingLowerCasesTheWholeTextOfABoxHoldingText)
{
    struct Case {
        QString typed, left;
    };
    const Case cases[] = {
        {"Ana.Souza_1@Exemplo.COM.br", "ana.souza_1@exemplo.com.br"},
        {"  WWW.Site.Com ", "  www.site.com "},
        {"   ", "   "},
        {"", ""},
    };
    for (const Case& c : cases) {
        web->setText(c.typed);
        web->setFocus(Qt::TabFocusReason);
        name->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(web->text(), c.left) << c.typed.toStdString();
    }
}

TEST_F(LinkStyleBoxesTest, DoubleClickOnAnEmailBoxStartsTheMailProgramAsTyped)
{
    name->setText("JOSÉ DA SILVA");
    mail2->setText("Jose@Exemplo.com");
    QTest::mouseDClick(mail2, Qt::LeftButton);
    EXPECT_EQ(desktop.asked(), QStringList{"C:\\ARQUIV~1\\Outloo~1\\msimn.exe /mailurl:mailto:Jose@Exemplo.com"
                                           "?subject=Olá, JOSÉ DA SILVA&body= "});

    // The web-page box and a blank e-mail box start nothing.
    web->setText("www.exemplo.com");
    QTest::mouseDClick(web, Qt::LeftButton);
    mail->setText("  ");
    QTest::mouseDClick(mail, Qt::LeftButton);
    EXPECT_EQ(desktop.launches.size(), 1u);

    // A missing mail program shows nothing.
    desktop.succeed = false;
    mail->setText("a@b.com");
    QTest::mouseDClick(mail, Qt::LeftButton);
    EXPECT_EQ(desktop.launches.size(), 2u);
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace vorna
