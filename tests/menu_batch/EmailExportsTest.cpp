#include "Batch1Fixture.h"

#include "platform/controls/Window.h"

#include <QFile>

namespace vorna {
namespace {

using test::Batch1Fixture;

class EmailExportsTest : public Batch1Fixture {
protected:
    void SetUp() override
    {
        Batch1Fixture::SetUp();
        addClient({{"NOME", "BRUNO"}, {"EMAIL", "bruno@exemplo.com.br"}});
        addClient({{"NOME", "ANA"}, {"EMAIL", "ana@exemplo.com.br"}});
        addClient({{"NOME", "SEM EMAIL"}});
        addRow(QStringLiteral("NAOCLIENTES"), {{"CODIGO", 1}, {"NOME", "PROSPECTO"}, {"EMAIL", "p@exemplo.com"}});
    }

    QStringList fileLines(const QString& name)
    {
        QFile file(pathOf(name));
        if (!file.open(QIODevice::ReadOnly))
            return {QStringLiteral("<missing>")};
        QStringList lines;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts))
            lines << line.trimmed();
        return lines;
    }

    report::ReportControl& linesControl()
    {
        return *windows::Form11().control<report::ReportControl>("CrystalReport1");
    }
};

TEST_F(EmailExportsTest, EachExportWritesItsFileWithOrWithoutAnOldOne)
{
    using Routine = void (shell::Form2::*)();
    const struct {
        Routine routine;
        const char* file;
        QStringList lines;
    } cases[] = {
        {&shell::Form2::ExportEmailListS, "EMAILS.TXT", {"ana@exemplo.com.br", "bruno@exemplo.com.br"}},
        {&shell::Form2::ExportEmailListP, "EMAILP.TXT", {"p@exemplo.com"}},
    };
    for (const auto& c : cases) {
        const QString file = QString::fromLatin1(c.file);
        SCOPED_TRACE(c.file);
        for (bool oldFile : {false, true}) {
            if (oldFile) {
                QFile old(pathOf(file));
                ASSERT_TRUE(old.open(QIODevice::WriteOnly));
                old.write("velho@antigo.com\nlinha antiga\n");
            }
            reports.launches.clear();
            dialogs.clear();
            // Whatever the borrowed control held, the export selects nothing itself.
            linesControl().setSelectionFormula(QStringLiteral("{CLIENTES.NOME} = 'ANA'"));
            dialogs.expectOk(QStringLiteral("PROCURE DENTRO DE SUA PASTA VIDIVUVA O ARQUIVO ") + file);
            (menu().*c.routine)();
            EXPECT_EQ(fileLines(file), c.lines);
            ASSERT_EQ(dialogs.boxes.size(), 1u);
            EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("TAREFA ENCERRADA"));
            // One run: the missing old file takes the second path, which runs once.
            ASSERT_EQ(reports.launches.size(), 1u);
            const report::LaunchRecord& l = launch(0);
            EXPECT_EQ(l.owner, QStringLiteral("Form11"));
            EXPECT_EQ(l.settings.selectionFormula, QString());
            EXPECT_EQ(l.settings.printFileName, appFolder() + u'\\' + file);
        }
    }
    // The lines-of-business window was loaded for its control, not shown.
    EXPECT_TRUE(windows::Form11().isLoaded());
    EXPECT_FALSE(windows::Form11().isVisible());
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(EmailExportsTest, AFailingDefinitionIsTriedTwiceAndThenShown)
{
    QFile::remove(pathOf(QStringLiteral("EXPEMAIL.RPT")));
    for (bool oldFile : {true, false}) {
        if (oldFile) {
            QFile old(pathOf(QStringLiteral("EMAILS.TXT")));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        }
        reports.launches.clear();
        dialogs.clear();
        dialogs.expectOk();
        menu().ExportEmailListS();
        EXPECT_EQ(reports.launches.size(), oldFile ? 2u : 1u);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_TRUE(dialogs.boxes[0].text.contains(QStringLiteral("EXPEMAIL.RPT")));
        EXPECT_FALSE(QFile::exists(pathOf(QStringLiteral("EMAILS.TXT"))));
    }
}

}  // namespace
}  // namespace vorna
