// A file the engine could open but never write is refused at the open.
#include "EngineFixture.h"
#include "support/ReadOnlyFiles.h"

#include <QFile>
#include <unistd.h>

namespace vorna::db::testing {
namespace {

class ReadOnlyOpenTest : public EngineTest {
protected:
    void SetUp() override { file_ = makeFile("VORNA.MDB", "CREATE TABLE T (A TEXT(10));"); }
    QString file_;
};

TEST_F(ReadOnlyOpenTest, AFileOrFolderThatCannotBeWrittenRaises3027NamingTheFile) {
    for (const bool wholeFolder : {false, true}) {
        vorna::test::ReadOnlyFiles readOnly;
        if (wholeFolder) readOnly.folder(dir_.path());
        else readOnly.file(file_);
        try {
            Database::open(file_);
            ADD_FAILURE() << "opened; folder: " << wholeFolder;
        } catch (const EngineError& e) {
            EXPECT_EQ(e.number(), err::ReadOnly);
            EXPECT_TRUE(e.text().contains(file_)) << e.text().toStdString();
        }
    }
    EXPECT_TRUE(Database::open(file_).isOpen());

    // The permissions themselves, where they bind (not for root).
    if (geteuid() != 0) {
        QFile::setPermissions(file_, QFile::ReadOwner);
        EXPECT_EQ(errorOf([&] { Database::open(file_); }), err::ReadOnly);
        QFile::setPermissions(file_, QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_EQ(errorOf([&] { Database::open(file_); }), err::ReadOnly);
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

}  // namespace
}  // namespace vorna::db::testing
