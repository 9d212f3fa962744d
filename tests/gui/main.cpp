#include <QApplication>

#include <gtest/gtest.h>

// The widget tests need one QApplication for the whole run, on the offscreen platform unless told otherwise.
int main(int argc, char** argv) {
  // Test discovery runs the executable at build time without CTest's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
