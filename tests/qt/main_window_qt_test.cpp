// The program's main window through the real Qt adapter: start-up with and
// without a file, the menus as accounts open and close, and a picture of a
// filled account.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocalServer>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "data/account_file.h"
#include "data/calendar.h"
#include "shell/account_view_widget.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"
#include "shell/purso_application.h"
#include "qt/qt_dialog.h"
#include "qt/qt_test_support.h"
#include "resources/message_dialog_resources.h"
#include "support/ledger_builder.h"

namespace purso::test {
namespace {

// Answers every message box and modal dialog that opens with Escape,
// noting its title, until it goes out of scope.
class CModalCloser {
 public:
  CModalCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        titles_ << modal->windowTitle();
        QTest::keyClick(modal, Qt::Key_Escape);
      }
    });
    timer_.start(20);
  }
  const QStringList& Titles() const { return titles_; }

 private:
  QTimer timer_;
  QStringList titles_;
};

TEST(MainWindowQtTest, StartWithoutArgumentOpensOneNewAccount) {
  CpursoApp app;
  ASSERT_EQ(app.Start({}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  ASSERT_EQ(frame.Children().size(), 1);
  CpursoChildFrame* child = frame.Children().front();
  EXPECT_EQ(child->windowTitle(), QStringLiteral("Purso1"));
  EXPECT_TRUE(child->isMaximized());
  EXPECT_TRUE(frame.isMaximized());
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tolva Account Organizer - [Purso1]"));
  EXPECT_EQ(MenuTitles(frame), (QStringList{"&File", "&Edit", "&Categories", "&Operations", "&Window", "&Help"}));
  EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("For Help, press F1"));
  // Every account command is carried: no menu item or toolbar button is left without it.
  for (const int command : command_id::kAccountCommands) EXPECT_TRUE(frame.Action(command)->isEnabled()) << command;
  for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
    EXPECT_NE(frame.statusBar()->findChild<QLabel*>(QLatin1String(indicator)), nullptr) << indicator;
  }

  frame.OnCommand(command_id::kFileNew);
  EXPECT_EQ(frame.Children().size(), 2);
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tolva Account Organizer - [Purso2]"));
  frame.OnCommand(command_id::kWindowCascade);
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tolva Account Organizer - Purso2"));
}

TEST(MainWindowQtTest, StartWithAFileOpensThatAccountAndNoEmptyOne) {
  QTemporaryDir folder;
  CAccountBook book;
  book.SetYearIndex(26);
  const QString path = WriteAccount(folder, QStringLiteral("household.pxf"), book);

  CpursoApp app;
  ASSERT_EQ(app.Start({path}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  ASSERT_EQ(frame.Children().size(), 1);
  CpursoChildFrame* child = frame.Children().front();
  EXPECT_EQ(child->windowTitle(), QStringLiteral("household.pxf"));
  EXPECT_EQ(child->Document().Book().GetYear(), 2024);
  EXPECT_FALSE(child->Document().IsModified());

  // Opening the same file again brings its window forward instead.
  EXPECT_TRUE(frame.OpenDocument(path));
  EXPECT_EQ(frame.Children().size(), 1);
}

TEST(MainWindowQtTest, StartWithAnUnreadableFileFailsAfterTheMessage) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("broken.pxf"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("PURSO12 this is not an account");
  file.close();

  CModalCloser closer;
  CpursoApp app;
  EXPECT_EQ(app.Start({path}), CpursoApp::StartResult::kFailed);
  EXPECT_EQ(closer.Titles(), QStringList{QStringLiteral("Error")});
}

TEST(MainWindowQtTest, ClosingTheLastAccountLeavesOnlyFileAndHelp) {
  CpursoApp app;
  ASSERT_EQ(app.Start({}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  frame.OnCommand(command_id::kFileClose);
  QApplication::processEvents();
  EXPECT_TRUE(frame.Children().isEmpty());
  EXPECT_EQ(MenuTitles(frame), (QStringList{"&File", "&Help"}));
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tolva Account Organizer"));
  EXPECT_FALSE(frame.Action(command_id::kFileSave)->isEnabled());
}

TEST(MainWindowQtTest, ClosingAModifiedAccountAsksAndCancelKeepsIt) {
  CpursoApp app;
  ASSERT_EQ(app.Start({}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  CpursoChildFrame* child = frame.Children().front();
  child->Document().CurrentLedger().SetOpeningBalance(10);
  QString question;
  WhenShown([&question] {
    auto* box = qobject_cast<CQtDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    question = qobject_cast<QLabel*>(box->Widget(save_changes_dialog::kQuestion))->text();
    QTest::mouseClick(box->Widget(save_changes_dialog::kCancel), Qt::LeftButton);
  });
  frame.OnCommand(command_id::kFileClose);
  EXPECT_EQ(question, QStringLiteral("Save changes to Purso1?"));
  EXPECT_EQ(frame.Children().size(), 1);
}

TEST(MainWindowQtTest, TheViewsKeysWorkFromTheMainWindow) {
  CpursoApp app;
  ASSERT_EQ(app.Start({}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  frame.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  CpursoPXFView& view = frame.Children().front()->View();

  QTest::keyClick(&frame, Qt::Key_F6, Qt::ControlModifier);
  EXPECT_EQ(view.FromMonth(), 5);
  QTest::keyClick(&frame, Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier);
  // A to month before the from month pulls the from month along.
  EXPECT_EQ(view.FromMonth(), 2);
  EXPECT_EQ(view.ToMonth(), 2);
  QTest::keyClick(&frame, Qt::Key_B, Qt::ControlModifier);
  EXPECT_FALSE(view.ShowBudget());
  QTest::keyClick(&frame, Qt::Key_A, Qt::ControlModifier);
  EXPECT_FALSE(view.ShowActual());
  auto* budget = qobject_cast<QAbstractButton*>(frame.Children().front()->ViewWidget().Widget(2740));
  ASSERT_NE(budget, nullptr);
  EXPECT_FALSE(budget->isChecked());
}

TEST(MainWindowQtTest, CtrlZAndCtrlShiftZTakeTheLastCommandBackAndForth) {
  CpursoApp app;
  ASSERT_EQ(app.Start({}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  frame.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  CpursoPXFDoc& document = frame.Children().front()->Document();
  QAction* undo = frame.Action(command_id::kEditUndo);
  QAction* redo = frame.Action(command_id::kEditRedo);
  EXPECT_TRUE(frame.findChild<QToolBar*>()->actions().contains(undo));
  EXPECT_FALSE(undo->isEnabled());

  // Operations > Opening Balance through its dialog: 250, Enter.
  WhenShown([] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    auto* amount = dialog->findChild<QLineEdit*>(QStringLiteral("1077"));
    ASSERT_NE(amount, nullptr);
    amount->selectAll();
    QTest::keyClicks(amount, QStringLiteral("250"));
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  frame.OnCommand(command_id::kOpeningBalance);
  ASSERT_EQ(document.CurrentLedger().GetOpeningBalance(), 250);
  EXPECT_EQ(undo->text(), QStringLiteral("&Undo Opening Balance"));
  frame.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));

  QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(document.CurrentLedger().GetOpeningBalance(), 0);
  EXPECT_FALSE(document.IsModified());
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->text(), QStringLiteral("&Redo Opening Balance"));
  QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(document.CurrentLedger().GetOpeningBalance(), 250);
  EXPECT_TRUE(document.IsModified());
  QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&frame, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(document.CurrentLedger().GetOpeningBalance(), 250);
  // Back at the start: nothing unsaved, nothing left to recover.
  QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(document.IsModified());
}

TEST(MainWindowQtTest, FilesDroppedOrHandedOverOpen) {
  QTemporaryDir folder;
  CAccountBook book;
  const QString dropped = WriteAccount(folder, QStringLiteral("dropped.pxf"), book);
  const QString handed = WriteAccount(folder, QStringLiteral("handed.pxf"), book);

  CpursoApp app;
  ASSERT_EQ(app.Start({}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();

  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(dropped)});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&frame, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&frame, &drop);
  ASSERT_EQ(frame.Children().size(), 2);

  // A second start of the program with a file hands it to this one and ends.
  QProcess second;
  second.start(QStringLiteral(PURSO_PROGRAM), {handed});
  ASSERT_TRUE(second.waitForStarted());
  EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
  EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
  QStringList titles;
  for (CpursoChildFrame* child : frame.Children()) titles << child->windowTitle();
  EXPECT_EQ(titles, (QStringList{"Purso1", "dropped.pxf", "handed.pxf"}));
}

TEST(MainWindowQtTest, HardLinkedNamesOfOneAccountOpenOneWindow) {
  QTemporaryDir folder;
  CAccountBook book;
  const QString path = WriteAccount(folder, QStringLiteral("household.pxf"), book);
  const QString twin = folder.filePath(QStringLiteral("twin.pxf"));
  ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(twin).constData()), 0);
  CpursoApp app;
  ASSERT_EQ(app.Start({path}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  EXPECT_TRUE(frame.OpenDocument(twin));
  EXPECT_EQ(frame.Children().size(), 1);

  // Nor from a second start of the program.
  QProcess second;
  second.start(QStringLiteral(PURSO_PROGRAM), {twin});
  ASSERT_TRUE(second.waitForStarted());
  EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
  EXPECT_EQ(second.exitCode(), 0);
  QTest::qWait(100);
  ASSERT_EQ(frame.Children().size(), 1);
  EXPECT_EQ(frame.Children().front()->windowTitle(), QStringLiteral("household.pxf"));
}

TEST(MainWindowQtTest, AFileIsNeverHandedThroughAFolderOthersCanReach) {
  QTemporaryDir open;
  QTemporaryDir temporary;
  ASSERT_EQ(::chmod(QFile::encodeName(open.path()).constData(), 0777), 0);
  // Another user's listeners wherever a careless program would look for this
  // one: in a runtime folder open to all, at the shared name in the
  // temporary folder, and in a folder of the expected name that others may enter.
  const QString instance = qEnvironmentVariable("PURSO_INSTANCE");
  const QString uid = QString::number(::getuid());
  const QString trap = temporary.path() + QStringLiteral("/tolva-purso-") + uid;
  ASSERT_EQ(::mkdir(QFile::encodeName(trap).constData(), 0777), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(trap).constData(), 0777), 0);
  int connections = 0;
  QLocalServer impostors[3];
  const QString names[3] = {open.path() + QStringLiteral("/tolva-purso-") + instance,
                            temporary.path() + QStringLiteral("/tolva-purso-") + uid + QLatin1Char('-') + instance,
                            trap + QStringLiteral("/tolva-purso-") + instance};
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(impostors[i].listen(names[i])) << names[i].toStdString();
    QObject::connect(&impostors[i], &QLocalServer::newConnection, [&] { ++connections; });
  }
  CAccountBook book;
  const QString account = WriteAccount(temporary, QStringLiteral("private.pxf"), book);

  QProcess second;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), open.path());
  environment.insert(QStringLiteral("TMPDIR"), temporary.path());
  environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("purso.shell.info=true"));
  second.setProcessEnvironment(environment);
  second.start(QStringLiteral(PURSO_PROGRAM), {account});
  ASSERT_TRUE(second.waitForStarted());
  QByteArray log;
  // It opens the file itself rather than dropping it.
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        log += second.readAllStandardError();
        return log.contains("main window title: Tolva Account Organizer - [private.pxf]");
      },
      20000))
      << log.toStdString();
  EXPECT_EQ(connections, 0);
  second.kill();
  second.waitForFinished();
}

TEST(MainWindowQtTest, RecentFilesAreListedAndOpen) {
  QTemporaryDir folder;
  CAccountBook book;
  const QString path = WriteAccount(folder, QStringLiteral("recent.pxf"), book);
  {
    CpursoApp first;
    ASSERT_EQ(first.Start({path}), CpursoApp::StartResult::kRunning);
  }
  CpursoApp app;
  ASSERT_EQ(app.Start({}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  QAction* recent = frame.Action(command_id::kRecentFileFirst);
  ASSERT_TRUE(recent->isVisible());
  EXPECT_EQ(recent->text(), QStringLiteral("&1 recent.pxf"));
  recent->trigger();
  ASSERT_EQ(frame.Children().size(), 2);
  EXPECT_EQ(frame.Children().back()->windowTitle(), QStringLiteral("recent.pxf"));
}

TEST(MainWindowQtTest, PictureOfAFilledAccount) {
  const CFixedClock midYear(CivilDate{2024, 7, 15});
  const CScopedClock clock(midYear);
  QTemporaryDir folder;
  CAccountBook book;
  book.SetYearIndex(26);
  FillSampleYear(book);
  const QString path = WriteAccount(folder, QStringLiteral("Household 2024.pxf"), book);

  CpursoApp app;
  ASSERT_EQ(app.Start({path}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  ShowForPicture(frame);
  const QString picture = SavePicture(frame, QStringLiteral("main_window"));
  EXPECT_FALSE(QImage(picture).isNull());
}

}  // namespace
}  // namespace purso::test
