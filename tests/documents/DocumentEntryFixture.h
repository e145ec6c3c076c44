#pragma once
#include "DocumentFixture.h"

#include "common/RecordWindowPatternFields.h"
#include "platform/runtime/Runtime.h"

#include <vector>

namespace vorna::test {

// The document window on a database with a line and an insurer, and the steps
// a user takes on it: a header filled in, a stored document shown, the audit
// rows read back. The window's recordsets hold the rows there were when it
// opened: tests add their rows first, then open() (or reopen()).
class DocumentEntryFixture : public DocumentFixture {
protected:
    void SetUp() override;

    // A complete header of a new document: client 5, line 311, insurer 1,
    // cover from 01/02/2024 to 01/02/2025.
    void fillHeader();
    // "Sair" and the window opened again.
    void reopen();
    // SQL run by another workstation (rows removed behind the window's back).
    void otherWorkstation(const QString& sql);
    // The stored document shown as the window's finders show it.
    void show(int number, int branch = 1);
    // A field of a document as the database holds it now.
    Variant stored(int number, const char* field);

    struct Audit {
        Variant client, document, policy, remarks, user, liqui;
        QString name;
    };
    std::vector<Audit> auditRows();

    // Typed key by key into the box, then the box left for the observations.
    void enterAndLeave(QWidget* box, const QString& text);
    void setBox(const char* name, const QString& text);
};

}  // namespace vorna::test
