#pragma once
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/controls/Twips.h"
#include "platform/database/Recordset.h"
#include "registries/Form28.h"
#include "support/Interact.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <map>

namespace vorna::test {

using OwnerKind = registries::Form28::OwnerKind;

struct OwnerTable {
    OwnerKind kind;
    QString table;
    QString keyField;
    QString caption;
};

inline const std::vector<OwnerTable>& ownerTables()
{
    static const std::vector<OwnerTable> tables{
        {OwnerKind::Document, "DOCUMENTOS", "PROPOSTA", "Arquivos Anexos ao Documento"},
        {OwnerKind::Client, "CLIENTES", "CODIGO", "Arquivos Anexos ao Estipulante"},
        {OwnerKind::Event, "PROCEDE", "CODIGO", "Arquivos Anexos a Eventos"},
    };
    return tables;
}

inline const OwnerTable& ownerTable(OwnerKind kind)
{
    for (const OwnerTable& t : ownerTables())
        if (t.kind == kind)
            return t;
    throw std::logic_error("no owner kind");
}

inline QString attachmentField(int n) { return QStringLiteral("ANEXO") + QString::number(n); }

// The attachments window opened the way the document, client and event
// windows open it, over owner rows the test adds; a user of the first level
// with every right unless a test logs in otherwise.
class AttachmentsFixture : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        logIn(level::Total, everyRight());
        startFolder_ = QDir::currentPath();
    }
    void TearDown() override
    {
        QDir::setCurrent(startFolder_);
        ui::destroyAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProgramFixture::TearDown();
    }

    registries::Form28& form() { return ui::windowRef<registries::Form28>(); }
    Ui::Form28& controls() { return form().controls(); }

    static ui::Window& ownerWindow(OwnerKind kind)
    {
        switch (kind) {
        case OwnerKind::Document: return windows::Form14();
        case OwnerKind::Client: return windows::Form4();
        default: return windows::Form7();
        }
    }

    // Adds an owner row with the given attachment fields (slot number to value)
    // and returns its key.
    int32_t addOwner(OwnerKind kind, const std::map<int, Variant>& attachments = {})
    {
        const OwnerTable& t = ownerTable(kind);
        Fields fields;
        if (kind == OwnerKind::Document)
            fields.push_back({"FILIAL", Variant(1)});
        else
            fields.push_back({"NOME", Variant("DONO")});
        for (const auto& [n, value] : attachments)
            fields.push_back({attachmentField(n), value});
        db::Recordset rs = addRow(t.table, fields);
        return rs.field(t.keyField).toLong();
    }

    // What an owner window's "Anexos" does: hand the owner over, show the
    // attachments window, disable itself.
    void openFor(OwnerKind kind, int32_t key)
    {
        state().handOver.AttachmentOwnerKey = key;
        state().handOver.CallerCode = Variant(int(kind));
        windows::Form28().Show();
        ownerWindow(kind).Disable();
    }

    // The ten stored fields of an owner row, read afresh.
    std::vector<Variant> storedSlots(OwnerKind kind, int32_t key)
    {
        const OwnerTable& t = ownerTable(kind);
        db::Recordset rs = findRow(t.table, t.keyField + " = " + QString::number(key));
        EXPECT_FALSE(rs.NoMatch()) << "no owner row " << key;
        std::vector<Variant> out;
        for (int n = 1; n <= 10; ++n)
            out.push_back(rs.NoMatch() ? Variant() : rs.field(attachmentField(n)));
        return out;
    }
    Variant stored(OwnerKind kind, int32_t key, int n) { return storedSlots(kind, key)[size_t(n - 1)]; }

    ui::TextBox* slot(int n)
    {
        Ui::Form28& c = controls();
        ui::TextBox* boxes[] = {c.Text1, c.Text2, c.Text3, c.Text4, c.Text5,
                                c.Text6, c.Text7, c.Text8, c.Text9, c.Text10};
        return boxes[n - 1];
    }
    QStringList slotTexts()
    {
        QStringList out;
        for (int n = 1; n <= 10; ++n)
            out << slot(n)->text();
        return out;
    }

    static void click(QWidget* control) { test::click(control); }
    static void typeInto(QLineEdit* box, const QString& text) { typeOver(box, text); }

    // A path typed into the picked-path box, then "Adicionar".
    void add(const QString& picked)
    {
        typeInto(controls().Text12, picked);
        click(controls().Command4);
    }
    void leave() { click(controls().Command2); }

    // The list item whose text, without the tree's indent, is `text`.
    static QListWidgetItem* itemOf(QListWidget* list, const QString& text)
    {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().trimmed() == text)
                return list->item(i);
        return nullptr;
    }
    static void clickItem(QListWidget* list, const QString& text)
    {
        QListWidgetItem* item = itemOf(list, text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }
    static void doubleClickItem(QListWidget* list, const QString& text)
    {
        QListWidgetItem* item = itemOf(list, text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    static QStringList itemTexts(QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text().trimmed();
        return out;
    }

private:
    QString startFolder_;
};

}  // namespace vorna::test
