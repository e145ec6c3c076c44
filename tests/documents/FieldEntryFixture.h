#pragma once
#include "DocumentFixture.h"

#include "platform/controls/Twips.h"

#include <QTest>
#include <utility>

namespace vorna::test {

// The document window open on an empty document, with a user's hands on its
// boxes: the focus entered and left as Tab moves it.
class FieldEntryFixture : public DocumentFixture {
protected:
    void SetUp() override
    {
        DocumentFixture::SetUp();
        // A row in each table the lists fill from, so that the fill runs through.
        addRow("GRUPO", {{"CODIGO", 1}, {"NOME", "GRUPO"}});
        addRow("RAMOS", {{"CODIGO", 1}, {"NOME", "RAMO UM"}});
        addRow("CIAS", {{"CODIGO", 1}, {"NOME", "CIA UM"}});
        addRow("PRODUTOR", {{"CODIGO", 1}, {"FILIAL", 1}, {"NOME", "PRODUTOR UM"}, {"POSICAO", "0"}});
        addRow("ATENDE", {{"XCONPG", 1}, {"XCONTA", "ATENDENTE"}});
    }

    // Tabbed into, emptied, then typed key by key.
    static void type(QWidget* box, const QString& text) { test::type(box, text); }
    static void tab() { QTest::keyClick(focused(), Qt::Key_Tab); }
    // The focus arrives as Tab brings it; the box left runs its handler.
    static void enter(QWidget* box) { box->setFocus(Qt::TabFocusReason); }
    // A box with no handler but its selection: leaving it runs nothing.
    void park() { enter(box("Text14")); }
    // "Limpar", from a quiet box.
    void clearWindow()
    {
        park();
        click(button("Command3D1"));
    }
    // Texts put in by the program: no key filter, no focus moves.
    void put(std::initializer_list<std::pair<const char*, QString>> texts)
    {
        for (const auto& [name, text] : texts) {
            if (auto* masked = form().findChild<ui::MaskEdBox*>(name))
                masked->setText(text);
            else
                box(name)->setText(text);
        }
    }
    // A stored document shown as a search shows it.
    void showStored(int number)
    {
        park();
        form().recordsets().DOCUMENTOS.FindFirst(QStringLiteral("PROPOSTA = %1").arg(number));
        form().ShowDocument();
    }
    // Whether the password panel waits for a password of that action.
    bool panelOpenFor(int action)
    {
        return control("Frame3D2")->isVisible() && control("Frame3D2")->y() == ui::twips(4740) &&
               values().PendingPasswordAction == action && focused() == box("Text12");
    }
    // The panel's own check lies elsewhere; a test closes it by hand.
    void closePanel()
    {
        control("Frame3D2")->setVisible(false);
        values().PendingPasswordAction = 0;
        park();
    }
};

}  // namespace vorna::test
