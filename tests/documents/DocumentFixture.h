#pragma once
#include "documents/Form14.h"
#include "support/WindowFixture.h"

namespace vorna::test {

// The program logged in at level 1 with every right; the document window is
// opened from the main menu by open().
class DocumentFixture : public WindowFixture {
protected:
    DocumentFixture();
    void TearDown() override;

    static documents::Form14& form();
    documents::DocumentWindowState& values() { return form().values(); }
    // Shows the window as the main menu's "Apólices" does and waits for it.
    void open();
    bool opened() { return form().isVisible(); }

    static QStringList itemsOf(const ui::PickList* list);

    void addProducer(int code, int branch, const QString& name, const Variant& position = Variant::null());
    // A stored document; returns its number.
    int addDocument(const Fields& fields = {});
};

}  // namespace vorna::test
