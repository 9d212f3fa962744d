#include <gtest/gtest.h>

// Shared entry point for every test executable. Tests that need a QApplication create their own
// through tests/support helpers, so this stays toolkit-free.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
