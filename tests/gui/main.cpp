#include <gtest/gtest.h>

#include <QApplication>

// The window tests need one application object for the whole run.
int main(int argc, char* argv[]) {
  // Test discovery runs without the offscreen setting; without a display use it anyway.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  // The icon lives in the resources of the static window library.
  Q_INIT_RESOURCE(quarvel);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
