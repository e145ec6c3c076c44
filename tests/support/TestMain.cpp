#include "support/TestMain.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace vorna::test {

int runAllTests(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace vorna::test
