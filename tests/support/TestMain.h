#pragma once

namespace vorna::test {
// Runs every test of the program under a QApplication on the offscreen
// platform (unless QT_QPA_PLATFORM says otherwise).
int runAllTests(int argc, char** argv);
}  // namespace vorna::test

// The main function of a window test program: put it in the folder's main.cpp.
#define VORNA_TEST_MAIN() \
    int main(int argc, char** argv) { return ::vorna::test::runAllTests(argc, argv); }
