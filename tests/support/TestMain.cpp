// The main function of every test program that links the window code: before
// the first test the process's settings leave the program's key for the tests'
// own, so that no test reads, writes or deletes a user's settings.
#include <gtest/gtest.h>

#include "support/TestSupport.h"

int main(int argc, char** argv) {
    test::UseTestSettingsKey();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
