// The program's frame through the real Qt adapter: the Window menu, what
// opening and closing accounts leaves behind, the help key with no account,
// and pictures of the account window after a change of year.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QHelpEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QTimer>

#include <csignal>
#include <memory>

#include "app/account_view.h"
#include "data/account_lock.h"
#include "data/calendar.h"
#include "qt/qt_dialog.h"
#include "qt/qt_host.h"
#include "qt/qt_test_support.h"
#include "resources/change_year_dialog_resource.h"
#include "resources/message_dialog_resources.h"
#include "shell/account_view_widget.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"
#include "shell/purso_application.h"
#include "support/ledger_builder.h"
#include "text/amount_text.h"

namespace purso::test {
namespace {

QMenu* MenuNamed(QMainWindow& window, const QString& name) {
  for (QAction* action : window.menuBar()->actions()) {
    if (action->menu() != nullptr && action->menu()->objectName() == name) return action->menu();
  }
  return nullptr;
}

// The texts of a menu's items after its last separator.
QStringList ItemsAfterLastSeparator(QMenu& menu) {
  QStringList items;
  for (QAction* action : menu.actions()) {
    if (action->isSeparator()) {
      items.clear();
    } else if (action->isVisible()) {
      items << action->text();
    }
  }
  return items;
}

TEST(ShellQtTest, TheWindowMenuListsTheOpenAccountsAndSwitchesToTheChosenOne) {
  CpursoApp app;
  ASSERT_EQ(app.Start({}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  frame.OnCommand(command_id::kFileNew);
  frame.OnCommand(command_id::kFileNew);
  QMenu* window = MenuNamed(frame, QStringLiteral("Window"));
  ASSERT_NE(window, nullptr);
  window->popup(frame.mapToGlobal(QPoint(200, 20)));
  QApplication::processEvents();
  EXPECT_EQ(ItemsAfterLastSeparator(*window), (QStringList{"&1 Purso1", "&2 Purso2", "&3 Purso3"}));
  SavePicture(*window, QStringLiteral("window_menu"));
  window->actions().at(window->actions().size() - 3)->trigger();  // "1 Purso1"
  window->hide();
  EXPECT_EQ(frame.ActiveChild()->windowTitle(), QStringLiteral("Purso1"));
}

TEST(ShellQtTest, OpeningAndClosingAccountsLeavesNoMenusOrActionsBehind) {
  CpursoApp app;
  ASSERT_EQ(app.Start({}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  const auto cycle = [&] {
    frame.OnCommand(command_id::kFileNew);
    MenuNamed(frame, QStringLiteral("Window"))->aboutToShow();
    frame.OnCommand(command_id::kFileClose);
    frame.OnCommand(command_id::kFileClose);
    frame.OnCommand(command_id::kFileNew);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  };
  cycle();  // what Qt makes once, on first use
  const qsizetype before = frame.findChildren<QObject*>().size();
  for (int i = 0; i < 100; ++i) cycle();
  EXPECT_EQ(frame.findChildren<QObject*>().size(), before);
}

TEST(ShellQtTest, TheHelpKeyWorksWithNoAccountOpen) {
  CpursoApp app;
  ASSERT_EQ(app.Start({}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  frame.OnCommand(command_id::kFileClose);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(frame.Children().isEmpty());
  EXPECT_TRUE(frame.IsCommandEnabled(account_view::kHelp));
}

TEST(ShellQtTest, EnterOnAnOutstandingRowOpensItsPredactionAsADoubleClickDoes) {
  const CFixedClock today(CivilDate{2024, 7, 15});
  const CScopedClock clock(today);
  QTemporaryDir folder;
  CAccountBook book(2024);
  FillSampleYear(book);
  const QString path = WriteAccount(folder, QStringLiteral("Household.pxf"), book);
  CpursoApp app;
  ASSERT_EQ(app.Start({path}), CpursoApp::StartResult::kRunning);
  CpursoChildFrame& child = *app.MainFrame().Children().front();
  auto* list = qobject_cast<QAbstractItemView*>(child.ViewWidget().Widget(account_view::kOutstandingExpenses));
  ASSERT_NE(list, nullptr);
  ASSERT_GT(list->model()->rowCount(), 0);
  std::vector<int> opened;
  app.Host().SetDialogObserver([&opened](CQtDialog& dialog) {
    opened.push_back(dialog.objectName().toInt());
    WhenShown([&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
  });
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);  // nothing selected: nothing opens
  EXPECT_TRUE(opened.empty());
  list->setCurrentIndex(list->model()->index(0, 0));
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(opened, std::vector<int>{dialog_id::kPredactions});
}

// Starts the program on an account whose years are filled as given, the
// year index yearIndex current, and changes the year to the one chosen,
// answering a question about the budget with answer; keeps a picture.
void ChangeYearAndKeepPicture(std::initializer_list<int> filled, int yearIndex, const QString& chosen, bool answer,
                              const QString& picture) {
  QTemporaryDir folder;
  CAccountBook book(CAccountBook::kFirstYear + yearIndex);
  for (int index : filled) {
    book.SetYearIndex(static_cast<std::uint8_t>(index));
    FillSampleYear(book);
  }
  book.SetYearIndex(static_cast<std::uint8_t>(yearIndex));
  const QString path = WriteAccount(folder, QStringLiteral("Household.pxf"), book);
  CpursoApp app;
  ASSERT_EQ(app.Start({path}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  ShowForPicture(frame);
  frame.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  app.Host().SetDialogObserver([&](CQtDialog& dialog) {
    WhenShown([&dialog, &chosen, answer] {
      if (dialog.objectName().toInt() == confirmation_dialog::kDialogId) {
        QTest::mouseClick(dialog.Widget(answer ? confirmation_dialog::kYes : confirmation_dialog::kNo), Qt::LeftButton);
        return;
      }
      auto* years = qobject_cast<QComboBox*>(dialog.Widget(change_year_dialog::kYears));
      years->setCurrentIndex(years->findText(chosen));
      QTest::mouseClick(dialog.Widget(change_year_dialog::kOk), Qt::LeftButton);
    });
  });
  frame.OnCommand(command_id::kChangeYear);
  QApplication::processEvents();
  // The keyboard is back with the window (Alt+F opens its File menu).
  EXPECT_EQ(QApplication::activeWindow(), &frame);
  CpursoPXFView& view = frame.Children().front()->View();
  EXPECT_EQ(frame.Children().front()->Document().Book().GetYear(), chosen.toInt());
  EXPECT_EQ(view.LastDay(), static_cast<int>(frame.Children().front()->Document().CurrentLedger().DayIndex(1231)));
  SavePicture(frame, picture);
}

TEST(ShellQtTest, PictureAfterAChangeOfYearIntoALeapYear) {
  const CFixedClock today(CivilDate{2024, 7, 15});
  const CScopedClock clock(today);
  ChangeYearAndKeepPicture({25, 26}, 25, QStringLiteral("2024"), false, QStringLiteral("main_window_leap_year"));
}

TEST(ShellQtTest, PictureOfAYearStartedWithTheBudgetOfTheYearBefore) {
  const CFixedClock today(CivilDate{2026, 3, 20});
  const CScopedClock clock(today);
  ChangeYearAndKeepPicture({27}, 27, QStringLiteral("2026"), true, QStringLiteral("main_window_carried_forward"));
}

// The largest amounts the program takes, with a long currency symbol after
// them; and a category name too long for its column, shown whole as a
// tooltip over the outstanding list.
TEST(ShellQtTest, PicturesOfTheLargestKeyFiguresAndOfAWholeNameInATooltip) {
  QTemporaryDir folder;
  CAccountBook book;
  FillSampleYear(book);
  book.Settings().currencySymbol = "EUR";
  book.Settings().symbolPosition = SymbolPosition::kAfter;
  book.Settings().space = true;
  CYearLedger& ledger = book.CurrentLedger();
  ledger.SetOpeningBalance(kMaxAmount);
  const std::uint32_t lottery = AddCategory(ledger, "Lottery", CategoryType::kVarIn, kMaxAmount);
  AddTransaction(ledger, 101, lottery, kMaxAmount, "Jackpot", kNoMatch);
  const std::uint32_t cover = AddCategory(ledger, "Comprehensive Cover Plus", CategoryType::kFixEx, 0,
                                          ledger.Objects().RowIdAt(0), ledger.FunctionalAreas().RowIdAt(0));
  AddPredaction(ledger, cover, 102, 75);
  const QString path = WriteAccount(folder, QStringLiteral("Household.pxf"), book);
  CpursoApp app;
  ASSERT_EQ(app.Start({path}), CpursoApp::StartResult::kRunning);
  CpursoMainFrame& frame = app.MainFrame();
  ShowForPicture(frame);
  SavePicture(frame, QStringLiteral("main_window_largest_figures"));

  auto* list = qobject_cast<QAbstractItemView*>(
      frame.Children().front()->ViewWidget().Widget(account_view::kOutstandingExpenses));
  ASSERT_NE(list, nullptr);
  const auto tooltipAt = [list](const QString& name, int x) {
    const QModelIndexList rows = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, name, 1,
                                                      Qt::MatchContains);
    if (rows.isEmpty()) return QStringLiteral("no row");
    const QPoint at(x, list->visualRect(rows.first()).center().y());
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  EXPECT_EQ(tooltipAt(QStringLiteral("Rent"), 150), QString());  // fits its column
  ASSERT_EQ(tooltipAt(QStringLiteral("Comprehensive"), 150), QStringLiteral("Comprehensive Cover Plus"));
  // The tooltip is a window of its own: draw it onto the frame's picture.
  QPixmap picture = frame.grab();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->inherits("QTipLabel") && window->isVisible()) {
      QPainter painter(&picture);
      painter.drawPixmap(frame.mapFromGlobal(window->pos()), window->grab());
    }
  }
  picture.save(QStringLiteral("list_tooltip.png"));
  QToolTip::hideText();
}

TEST(ShellQtTest, ATerminationSignalEndsWithoutAQuestionAndReleasesEveryLock) {
  QTemporaryDir folder;
  CAccountBook book;
  const QString path = WriteAccount(folder, QStringLiteral("ended.pxf"), book);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray saved = file.readAll();
  const QString lock = QString::fromStdString(LockPathOf(path.toStdString()));

  auto app = std::make_unique<CpursoApp>();
  ASSERT_EQ(app->Start({path}), CpursoApp::StartResult::kRunning);
  CpursoPXFDoc& document = app->MainFrame().ActiveChild()->Document();
  document.CurrentLedger().SetOpeningBalance(42);
  ASSERT_TRUE(document.IsModified());
  // The signal comes while the question about the unsaved changes is up.
  QTimer::singleShot(0, [&] { app->MainFrame().OnCommand(command_id::kFileClose); });
  QString modalWhenSignalled;
  QTimer::singleShot(300, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) modalWhenSignalled = modal->objectName();
    ::kill(::getpid(), SIGTERM);
  });
  QTimer watchdog;
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    ADD_FAILURE() << "the program did not end";
    QCoreApplication::exit(1);
  });
  watchdog.start(20000);

  EXPECT_EQ(app->Exec(), 0);
  EXPECT_EQ(modalWhenSignalled, QString::number(save_changes_dialog::kDialogId));
  EXPECT_TRUE(QFile::exists(lock));  // until the windows go
  app.reset();
  EXPECT_FALSE(QFile::exists(lock));
  ASSERT_TRUE(file.seek(0));
  EXPECT_EQ(file.readAll(), saved);
  // The unsaved change is kept for the next start to offer back.
  const QDir recovery(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/purso/recovery"));
  EXPECT_EQ(recovery.entryList({QStringLiteral("*.recovery")}, QDir::Files).size(), 1);
}

}  // namespace
}  // namespace purso::test
