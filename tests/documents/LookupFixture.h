#pragma once
#include "DocumentFixture.h"

#include "platform/controls/FlexGrid.h"
#include "platform/runtime/Runtime.h"

#include <QApplication>

namespace vorna::test {

// The document window's header look-ups driven as a user drives them.
class LookupFixture : public DocumentFixture {
protected:
    // Opened as the main menu opens it, also after "Sair": the window that
    // comes back must take the focus, or no box of it is ever left.
    void open()
    {
        DocumentFixture::open();
        if (opened())
            QApplication::setActiveWindow(&form());
    }
    // Focus into the box, then to the observations, as Tab and a click would.
    void leave(QWidget* box)
    {
        box->setFocus(Qt::TabFocusReason);
        control("Text6")->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void enter(const char* name, const QString& text)
    {
        box(name)->setText(text);
        leave(box(name));
    }
    // The stored document of that number shown by its number.
    void showByNumber(int number) { enter("Text1", QString::number(number)); }
    // The document type, as the keyboard chooses it.
    void chooseType(const QString& type) { list("Combo2")->setText(type); }
    // The name list's entry of that text, chosen as a click on it chooses it;
    // `occurrence` counts entries of the same text from 0.
    void choose(const char* name, const QString& text, int occurrence = 0)
    {
        ui::PickList* names = list(name);
        for (int i = 0; i < names->ListCount(); ++i)
            if (names->List(i) == text && occurrence-- == 0) {
                names->setListIndex(i);
                return;
            }
        ADD_FAILURE() << "no entry " << text.toStdString() << " in " << name;
    }
    int addClient(const QString& name, const Variant& producer = 3, const Variant& branch = 1)
    {
        return int(rt::CLng(
            addRow("CLIENTES", {{"NOME", name}, {"PRODUTOR", producer}, {"FILIAL", branch}}).field("CODIGO")));
    }
    ui::FlexGrid* grid() { return c<ui::FlexGrid>("MSFlexGrid1"); }
    QString operationMarker() { return rt::CStr(state().document.OperationMarker); }
};

}  // namespace vorna::test
