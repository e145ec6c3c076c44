#pragma once
#include "documents/DocumentFields.h"
#include "documents/DocumentWindowState.h"
#include "support/ProgramFixture.h"

#include <QWidget>
#include <memory>

namespace vorna::documents::testing {

// A stand-in for the document window: a plain widget holding the window's
// designed controls and their field table, with the lists filled as the load
// step fills them. The status list is connected to its click rule as the
// window connects it.
class DocumentWindowFixture : public test::ProgramFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // A document with every field the show reads, co-insurer slot 3 left Null.
    static test::Fields everyShownField();
    // The row of DOCUMENTOS with these fields, and a recordset standing on it.
    db::Recordset addDocument(const test::Fields& fields);
    db::Recordset documents() { return mainDatabase().openRecordset(QStringLiteral("DOCUMENTOS")); }

    QString text(const char* control) const;
    void setText(const char* control, const QString& text);
    template <typename T>
    T& at(const char* control) const
    {
        T* found = window->findChild<T*>(QLatin1String(control));
        EXPECT_NE(found, nullptr) << control;
        return *found;
    }

    std::unique_ptr<QWidget> window;
    std::unique_ptr<Ui::Form14> ui;
    std::unique_ptr<DocumentFields> fields;
    DocumentWindowState state;
};

}  // namespace vorna::documents::testing
