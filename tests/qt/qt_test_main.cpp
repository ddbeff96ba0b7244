// The main of the Qt tests: one QApplication for every test, on the
// offscreen platform, with the per-user settings and the instance channel
// kept apart from any real session of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>

#include <unistd.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QTemporaryDir configHome;
  QTemporaryDir runtime;  // made for this user alone, as a runtime folder is
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit().constData(), 1);
  setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
  setenv("PURSO_INSTANCE", ("qt-test-" + std::to_string(::getpid())).c_str(), 1);
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tolva Computing"));
  QApplication::setApplicationName(QStringLiteral("Purso"));
  // New accounts take their settings from the locale; the tests expect the defaults.
  QLocale::setDefault(QLocale::c());
  return RUN_ALL_TESTS();
}
