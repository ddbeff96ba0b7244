// The main of the Qt tests: one QApplication for every test, on the
// offscreen platform, with the per-user settings, the private place of kept
// versions and recovery copies, and the instance channel kept apart from any
// real session of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

// Each test keeps versions and recovery copies in a data folder of its own:
// an account one test leaves modified must not be offered to the next.
class CDataHomePerTest final : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override {
    home_ = std::make_unique<QTemporaryDir>();
    setenv("XDG_DATA_HOME", home_->path().toLocal8Bit().constData(), 1);
  }
  void OnTestEnd(const ::testing::TestInfo&) override { home_.reset(); }

 private:
  std::unique_ptr<QTemporaryDir> home_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QTemporaryDir configHome;
  QTemporaryDir runtime;  // made for this user alone, as a runtime folder is
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit().constData(), 1);
  setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
  setenv("PURSO_INSTANCE", ("qt-test-" + std::to_string(::getpid())).c_str(), 1);
  // The program a test starts speaks English, whatever the session's language.
  setenv("LANGUAGE", "en", 1);
  ::testing::UnitTest::GetInstance()->listeners().Append(new CDataHomePerTest);
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tolva Computing"));
  QApplication::setApplicationName(QStringLiteral("Purso"));
  // New accounts take their settings from the locale; the tests expect the defaults.
  QLocale::setDefault(QLocale::c());
  return RUN_ALL_TESTS();
}
