#include "ClientFixture.h"

#include "platform/controls/FlexGrid.h"
#include "platform/controls/Twips.h"
#include "support/SecondWorkstation.h"

#include <QLineEdit>

namespace vorna::test {
namespace {

const QString EnterAddress = QStringLiteral("DIGITE PRIMEIRO O ENDEREÇO A SER PESQUISADO!");
const QString NoClients = QStringLiteral("CLIENTES NÃO ENCONTRADOS");
const QString NoMore = QStringLiteral("NÃO HÁ MAIS REGISTROS CADASTRADOS");

struct Member {
    const char* button;
    const char* box;
    const char* field;
    int column;
};

const Member Members[] = {
    {"Command3D14", "Text4", "END-RESIDENCIA", 2}, {"Command3D22", "Text5", "CID-RESIDENCIA", 3},
    {"Command3D15", "Text9", "END-COMERCIAL", 4},  {"Command3D23", "Text10", "CID-COMERCIAL", 5},
    {"Command3D20", "Text8", "TEL-RESIDENCIA", 6}, {"Command3D17", "Text13", "TEL-COMERCIAL", 7},
    {"Command3D18", "Text22", "TEL-COMERCIAL2", 8}, {"Command3D19", "Text14", "CELULAR", 9},
    {"Command3D16", "Text11", "TELCOMERCIAL3", 10},
};

class ClientGridSearchTest : public ClientFixture {
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        addProducer(1, 1, "ANA", Variant("TESTE"));
    }
    ui::FlexGrid* grid() { return c<ui::FlexGrid>("MSFlexGrid1"); }
    QLineEdit* edit(const char* name) { return c<QLineEdit>(name); }
    QStringList row(int r)
    {
        QStringList cells;
        for (int col = 0; col < grid()->Cols(); ++col)
            cells << grid()->TextMatrix(r, col);
        return cells;
    }
    void search(const Member& m, const QString& typed)
    {
        edit(m.box)->setText(typed);
        click(c<QWidget>(m.button));
    }
    void clickCell(int r, int col)
    {
        grid()->setRow(r);
        grid()->setCol(col);
        emit grid()->Click();
    }
    // A client stored and shown through the window.
    int showStoredClient()
    {
        open();
        fillRequired("F");
        dialogs.expectOk();
        click(button("Command3D1"));
        const int code = int(rowCount("CLIENTES"));
        type(box("Text1"), QString::number(code));
        leave(box("Text1"));
        EXPECT_TRUE(shown());
        return code;
    }
};

TEST_F(ClientGridSearchTest, EachOfTheNineListsItsOwnFieldAndTheShownClientStays)
{
    const auto tokenOf = [](size_t i) { return QStringLiteral("Z%1Q").arg(i); };
    const auto otherOf = [](size_t i) { return Members[(i + 1) % std::size(Members)]; };
    std::vector<std::pair<int, int>> codes;
    for (size_t i = 0; i < std::size(Members); ++i) {
        const QString token = tokenOf(i);
        const int first = addClient("PRIMEIRO " + token, {{Members[i].field, "1 " + token + " A"}});
        const int second = addClient("SEGUNDO " + token, {{Members[i].field, token}});
        // The same text in another field is not this member's.
        addClient("OUTRO " + token, {{otherOf(i).field, token}});
        codes.emplace_back(first, second);
    }
    const int shownCode = showStoredClient();
    const QStringList captions = {"Cliente", "Código", "End.Residencial", "Cidade Resid.", "End.Comercial",
                                  "Cidade Comerc.", "Tel.Residencial", "Tel.Comercial", "Fax", "Celular",
                                  "Tel.Comercial2"};
    for (size_t i = 0; i < std::size(Members); ++i) {
        const Member& m = Members[i];
        const QString token = tokenOf(i);
        SCOPED_TRACE(m.button);

        search(m, token);
        ASSERT_TRUE(grid()->isVisible());
        EXPECT_EQ(grid()->geometry(),
                  QRect(ui::twips(30), ui::twips(6195), ui::twips(11640), ui::twips(2445)));
        EXPECT_EQ(grid()->Rows(), 4);
        EXPECT_EQ(row(0), captions);
        EXPECT_EQ(grid()->TextMatrix(1, 0), "PRIMEIRO " + token);
        EXPECT_EQ(grid()->TextMatrix(1, 1), QString::number(codes[i].first));
        EXPECT_EQ(grid()->TextMatrix(1, m.column), "1 " + token + " A");
        EXPECT_EQ(grid()->TextMatrix(2, 1), QString::number(codes[i].second));
        // Fields the client does not hold are empty cells, whatever a search before wrote.
        EXPECT_EQ(grid()->TextMatrix(2, otherOf(i).column), "");
        EXPECT_EQ(row(3), QStringList(11, QString()));
        EXPECT_EQ(grid()->ColWidth(0), 3000);
        EXPECT_EQ(grid()->ColWidth(10), 1200);
        EXPECT_FALSE(c<QWidget>("Frame3D9")->isVisible());
        EXPECT_TRUE(c<QWidget>("Frame3D3")->isHidden());
        EXPECT_EQ(text(box("Text1")), QString::number(shownCode));
        EXPECT_EQ(text(box("Text2")), "CLIENTE F");
    }
    EXPECT_EQ(dialogs.boxes.size(), 1u);  // the new client's number only

    // The searches moved the client row; "Gravar" still alters the shown client.
    click(button("Command3D1"));
    EXPECT_EQ(client(shownCode).field("TELCOMERCIAL3").toString(), "Z8Q");
    EXPECT_EQ(client(codes[8].second).field("NOME").toString(), "SEGUNDO Z8Q");
    EXPECT_EQ(rowCount("CLIENTES"), 1 + 3 * long(std::size(Members)));
}

TEST_F(ClientGridSearchTest, BlankNoMatchTypedCharactersAndAThousandMatches)
{
    addClient("APOSTROFO", {{"TEL-COMERCIAL2", "(13) 3333'4444"}});
    addClient("ESTRELA", {{"TEL-COMERCIAL2", "(13) 3333*4444"}});
    {
        SecondWorkstation other(mainDatabase().path());
        other.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                   "INSERT INTO CLIENTES (NOME, \"TEL-COMERCIAL2\") SELECT 'MUITOS ' || i, '5550' FROM n");
    }
    open();
    const Member& fax = Members[6];

    dialogs.expectOk(EnterAddress);
    search(fax, "   ");
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_EQ(grid()->Cols(), 2);
    EXPECT_EQ(grid()->pos(), QPoint(ui::twips(11715), ui::twips(3735)));

    // An apostrophe or a pattern character stands for itself.
    for (const QString typed : {"3'4", "3*4"}) {
        search(fax, typed);
        EXPECT_EQ(grid()->Rows(), 2);
        EXPECT_EQ(grid()->TextMatrix(1, 0), typed == "3'4" ? "APOSTROFO" : "ESTRELA");
    }

    dialogs.expectOk(NoClients);
    search(fax, "9999");
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_FALSE(c<QWidget>("Frame3D9")->isVisible());

    dialogs.expectOk(NoMore);
    search(fax, "5550");
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO");
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(grid()->Rows(), 1000);
    EXPECT_EQ(grid()->TextMatrix(999, 0), "MUITOS 999");
}

TEST_F(ClientGridSearchTest, ThePickShowsTheClientReadAndReportsOneDeletedMeanwhile)
{
    const int first = addClient("ANA", {{"CID-RESIDENCIA", "SANTOS"}});
    const int second = addClient("BETO", {{"CID-RESIDENCIA", "SANTOS"}});
    open();
    const Member& city = Members[1];

    search(city, "SANTOS");
    clickCell(3, 0);  // the empty row after the matches
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_FALSE(shown());

    clickCell(2, 4);  // an empty cell of a listed row
    EXPECT_TRUE(grid()->isVisible());
    clickCell(2, 3);
    EXPECT_EQ(text(box("Text1")), QString::number(second));
    EXPECT_EQ(text(box("Text2")), "BETO");
    EXPECT_TRUE(shown());
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_FALSE(c<QWidget>("Frame3D3")->isHidden());

    search(city, "SANTOS");
    {
        SecondWorkstation other(mainDatabase().path());
        other.exec(QStringLiteral("DELETE FROM CLIENTES WHERE CODIGO = %1").arg(first).toUtf8().constData());
    }
    dialogs.expectOk(msg::ClientNotFound);
    clickCell(1, 0);
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(text(box("Text1")), QString::number(second));
    EXPECT_TRUE(shown());
}

}  // namespace
}  // namespace vorna::test
