#include "common/MessageTexts.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Runtime.h"
#include "support/ProgramFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <functional>

namespace vorna {
namespace {

using dlg::Answer;
using dlg::Buttons;
using dlg::Icon;
using test::ProgramFixture;

class MessageBoxes : public ProgramFixture {};

TEST_F(MessageBoxes, EachKindHasItsTitleButtonsAndIcon)
{
    struct Case {
        std::function<void()> show;
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
    };
    const std::vector<Case> cases = {
        {[] { msg::requiredEntryMissing(msg::RequiredCode); }, "PREENCHIMENTO OBRIGATORIO - CÓDIGO ", "ATENÇÃO!"},
        {[] { msg::invalidDate(); }, "DATA INVALIDA", "ATENÇÃO!"},
        {[] { msg::notFound(msg::ProducerNotFoundPlain); }, "PRODUTOR NAO ENCONTRADO", "ATENÇÃO!"},
        {[] { msg::refusedByLevel(); }, "DESCULPE, SUA SENHA PERMITE APENAS CONSULTAS", "ATENÇÃO!"},
        {[] { msg::refusedByRight(); }, "DESCULPE, SUA SENHA NÃO PERMITE ACESSO A ESTE MÓDULO!", ""},
        {[] { msg::refusedByOwner(); }, "Desculpe, seu acesso não permite visualizar este Documento", "Atenção"},
        {[] { msg::confirmDeletion(); }, "Você tem certeza que deseja excluir?", "ATENÇÃO", Buttons::YesNo},
        {[] { msg::endOfTable(); }, "NAO HA REGISTROS CADASTRADOS", "ATENÇÃO"},
        {[] { msg::notice("VERIFIQUE SEU CADASTRO DE PRODUTOR POIS O MESMO ESTÁ VAZIO!"); },
         "VERIFIQUE SEU CADASTRO DE PRODUTOR POIS O MESMO ESTÁ VAZIO!", "ATENÇÃO"},
        {[] { msg::newRecordNumber("Produtor Cadastrado com Codigo: ", 20015); },
         "Produtor Cadastrado com Codigo: 20015", "Inclusao"},
        {[] { msg::newRecordNumber("Cliente Cadastrado com Codigo: ", 7, msg::TitleNewClient); },
         "Cliente Cadastrado com Codigo: 7", "Inclusão"},
        {[] { msg::writeFailure(err::RecordLocked); }, "REGISTRO BLOQUEADO, TENTE NOVAMENTE!: 3260", ""},
        {[] { msg::writeFailure(err::DuplicateKey, msg::DuplicateCode); },
         "CODIGO JÁ EXISTENTE, TENTE NOVAMENTE!: 3022", ""},
        {[] { msg::startupFailure("ARQUIVO NAO ENCONTRADO NO DIRETÓRIO! RESTAURE O BACKUP!"); },
         "ARQUIVO NAO ENCONTRADO NO DIRETÓRIO! RESTAURE O BACKUP!", "ATENÇÃO", Buttons::Ok, Icon::Exclamation},
        {[] { msg::unlistedStartupError(3044); }, "ERRO DETECTADO 3044", ""},
    };
    for (const Case& c : cases) {
        dialogs.expect(c.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok, c.text);
        c.show();
        ASSERT_FALSE(dialogs.boxes.empty());
        const test::ShownBox& box = dialogs.boxes.back();
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(box.title, c.title);
        EXPECT_EQ(box.buttons, c.buttons);
        EXPECT_EQ(box.icon, c.icon);
    }
}

TEST_F(MessageBoxes, DeletionConfirmationReturnsTheAnswer)
{
    dialogs.expectYes(msg::ConfirmDeletion).expectNo(msg::ConfirmDeletion);
    EXPECT_TRUE(msg::confirmDeletion());
    EXPECT_FALSE(msg::confirmDeletion());
}

TEST_F(MessageBoxes, EveryBeepReachesTheFake)
{
    dlg::Beep();
    rt::Beep();  // the key filters' beep
    EXPECT_EQ(dialogs.beeps, 2);
}

// ---- the scripted fake itself --------------------------------------------

TEST_F(MessageBoxes, AnUnexpectedBoxFailsTheTestAndIsAnsweredNo)
{
    bool deleted = true;
    EXPECT_NONFATAL_FAILURE(deleted = msg::confirmDeletion(), "unexpected message box");
    EXPECT_FALSE(deleted);
    EXPECT_NONFATAL_FAILURE(msg::endOfTable(), "NAO HA REGISTROS CADASTRADOS");
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].answer, Answer::No);
    EXPECT_EQ(dialogs.boxes[1].answer, Answer::Ok);
}

TEST_F(MessageBoxes, AScriptThatDoesNotMatchFails)
{
    dialogs.expectOk("DATA INVALIDA");
    EXPECT_NONFATAL_FAILURE(msg::endOfTable(), "where \"DATA INVALIDA\" was expected");

    dialogs.expectYes();
    EXPECT_NONFATAL_FAILURE(msg::endOfTable(), "answer Yes scripted for the OK box");
    EXPECT_EQ(dialogs.boxes.back().answer, Answer::Ok);

    dialogs.expectOk();
    bool deleted = true;
    EXPECT_NONFATAL_FAILURE(deleted = msg::confirmDeletion(), "answer OK scripted for the Yes/No box");
    EXPECT_FALSE(deleted);

    dialogs.expectOk("NAO HA REGISTROS CADASTRADOS");
    EXPECT_NONFATAL_FAILURE(dialogs.verifyAllTaken(), "never shown: \"NAO HA REGISTROS CADASTRADOS\"");
}

TEST_F(MessageBoxes, InputAndPrinterDialogsAnswerFromTheirScripts)
{
    dialogs.expectInput(QString("12")).expectInput(std::nullopt).expectPrinterDialog(true);
    EXPECT_EQ(dlg::dialogs().inputBox("Quantas vias?", {}, "1"), std::optional<QString>("12"));
    EXPECT_EQ(dlg::dialogs().inputBox("Quantas vias?", {}, "1"), std::nullopt);
    EXPECT_TRUE(dlg::dialogs().choosePrinter(nullptr));
    EXPECT_NONFATAL_FAILURE(dlg::dialogs().choosePrinter(nullptr), "unexpected printer dialog");
    EXPECT_NONFATAL_FAILURE(dlg::dialogs().inputBox("Nome?", {}, {}), "unexpected input box");
    EXPECT_EQ(dialogs.printerDialogs, 2);
}

// ---- the real message box, offscreen ---------------------------------------

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::TextFormat format = Qt::AutoText;
    bool seen = false;
};

// Shows a box through the real service; once it is up, records what it shows and
// hands it to `act` (which must close it).
SeenBox showReal(const std::function<void()>& show, const std::function<void(QMessageBox*)>& act)
{
    SeenBox seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible())
                continue;
            poll.stop();
            seen.seen = true;
            seen.caption = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.format = box->textFormat();
            for (QAbstractButton* b : box->buttons())
                seen.buttons << b->text().remove('&');
            act(box);
            return;
        }
    });
    poll.start();
    show();
    poll.stop();
    return seen;
}

void pressEnter(QMessageBox* box)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : box;
    QTest::keyClick(target, Qt::Key_Return);
}

class RealMessageBoxes : public ::testing::Test {
protected:
    void SetUp() override { dlg::setDialogService(nullptr); }
};

TEST_F(RealMessageBoxes, EnterAnswersYesToTheDeletionQuestion)
{
    bool deleted = false;
    const SeenBox seen = showReal([&] { deleted = msg::confirmDeletion(); }, pressEnter);
    ASSERT_TRUE(seen.seen);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(seen.caption, "ATENÇÃO");
    EXPECT_EQ(seen.text, "Você tem certeza que deseja excluir?");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons.size(), 2);
}

TEST_F(RealMessageBoxes, NoAnswersNo)
{
    bool deleted = true;
    const SeenBox seen = showReal([&] { deleted = msg::confirmDeletion(); }, [](QMessageBox* box) {
        QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
    });
    ASSERT_TRUE(seen.seen);
    EXPECT_FALSE(deleted);
}

TEST_F(RealMessageBoxes, UntitledBoxShowsTheApplicationTitle)
{
    const SeenBox seen = showReal([] { msg::writeFailure(3260); }, pressEnter);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.caption, dlg::applicationTitle());
    EXPECT_EQ(seen.text, "REGISTRO BLOQUEADO, TENTE NOVAMENTE!: 3260");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons.size(), 1);
}

TEST_F(RealMessageBoxes, OnlyStartUpFailuresShowTheExclamation)
{
    const SeenBox startup = showReal([] { msg::startupFailure("DISCO CHEIO!"); }, pressEnter);
    ASSERT_TRUE(startup.seen);
    EXPECT_EQ(startup.caption, "ATENÇÃO");
    EXPECT_EQ(startup.icon, QMessageBox::Warning);

    const SeenBox notice = showReal([] { msg::notice("<b>Texto</b>"); }, pressEnter);
    ASSERT_TRUE(notice.seen);
    EXPECT_EQ(notice.icon, QMessageBox::NoIcon);
    EXPECT_EQ(notice.format, Qt::PlainText) << "typed names are never read as markup";
}

}  // namespace
}  // namespace vorna
