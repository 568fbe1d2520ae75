// The main of every test program. The environment is fixed before any test
// (or any library) can read it: GSettings writes go to memory, never to the
// user's real proxy settings, and Qt never needs a display.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("GSETTINGS_BACKEND", "memory", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QELVANE_BIN_DIR", QELVANE_TEST_BIN_DIR, 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
