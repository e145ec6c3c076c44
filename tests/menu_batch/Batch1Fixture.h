#pragma once
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/report/ReportControl.h"
#include "shell/Form2.h"
#include "support/ProgramFixture.h"

#include <QStringList>
#include <vector>

namespace vorna::test {

// The main menu's routines called as a caller would, after a login at level 1
// with every right. A failure no routine handles shows the engine's box (its
// number and text), as the program's start-up arranges.
class Batch1Fixture : public ProgramFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    shell::Form2& menu() { return static_cast<shell::Form2&>(windows::Form2()); }

    int addClient(const Fields& fields);
    int addDocument(const Fields& fields);

    // A label row as stored; Null fields read as "<null>".
    struct Label {
        QString code, name, contact, street, district, city, state, postcode, producer, ok;
        bool operator==(const Label&) const = default;
    };
    std::vector<Label> labels();
    QStringList labelNames();

    // Makes the engine refuse a write of one row (a row another workstation
    // holds, in effect): inserting a label of that name, or deleting it.
    void refuseLabelInsert(const QString& name);
    void refuseLabelDelete(const QString& name);

    // The report launches recorded, the rows of one as shown.
    const report::LaunchRecord& launch(size_t i) { return reports.launches.at(i); }
    static QStringList column(const report::LaunchRecord& record, int column);
};

}  // namespace vorna::test
