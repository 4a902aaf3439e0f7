// The one QApplication of the Qt test program, created on first use and
// kept until the process ends (Qt objects in tests may outlive any scope).
// Run the tests with QT_QPA_PLATFORM=offscreen.
#pragma once

#include <QApplication>

namespace orv::test {

inline QApplication& TestApp() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
  static int argc = 1;
  static char name[] = "orv_ui_tests";
  static char* argv[] = {name, nullptr};
  return *new QApplication(argc, argv);
}

}  // namespace orv::test
