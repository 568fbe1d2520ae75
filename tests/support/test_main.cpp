// The main of every test program. The environment is fixed before any test
// (or any library) can read it: GSettings writes go to memory, never to the
// user's real proxy settings, the system bus is one that does not exist (so
// no test can change the machine's network profiles), and Qt never needs a
// display.
#include "test_environment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    KeepTestsAwayFromTheMachine(QELVANE_TEST_BIN_DIR);
    SetEnvironment("QT_QPA_PLATFORM", "offscreen", false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
