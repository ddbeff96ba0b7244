// The program as a desktop citizen, through the real Qt adapter: the account
// window in a dark palette and enlarged with its frame (also at a screen
// scale of 2, when QT_SCALE_FACTOR=2 runs these tests again), the lists read
// by a screen reader, and the settings of a new account in a German locale.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QMdiArea>
#include <QTableView>
#include <QTemporaryDir>

#include "data/calendar.h"
#include "qt/qt_test_support.h"
#include "resources/frame_resources.h"
#include "shell/account_view_widget.h"
#include "shell/main_frame.h"
#include "shell/purso_application.h"
#include "support/ledger_builder.h"

namespace purso::test {
namespace {

QPalette DarkPalette() {
  QPalette dark(QColor(53, 53, 53));  // Qt derives the other roles from the window colour
  dark.setColor(QPalette::WindowText, QColor(238, 238, 238));
  dark.setColor(QPalette::Text, QColor(238, 238, 238));
  dark.setColor(QPalette::ButtonText, QColor(238, 238, 238));
  dark.setColor(QPalette::Base, QColor(35, 35, 35));
  return dark;
}

// The program on the filled sample year, its window 1024 x 680 with the
// account maximized in it.
class DesktopQtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    book_.SetYearIndex(26);
    FillSampleYear(book_);
    path_ = WriteAccount(folder_, QStringLiteral("Household 2024.pxf"), book_);
  }
  void TearDown() override { QApplication::setPalette(QPalette()); }

  CpursoMainFrame& Start() {
    EXPECT_EQ(app_.Start({path_}), CpursoApp::StartResult::kRunning);
    CpursoMainFrame& frame = app_.MainFrame();
    frame.showNormal();
    frame.resize(1024, 680);
    frame.Children().front()->showMaximized();
    QApplication::processEvents();
    return frame;
  }
  CAccountViewWidget& View() { return app_.MainFrame().Children().front()->ViewWidget(); }
  // A picture's name tells the screen scale it was taken at.
  static QString Named(const QString& name) {
    const double scale = qApp->devicePixelRatio();
    return scale == 1.0 ? name : name + QStringLiteral("_scale%1").arg(scale);
  }

  const CFixedClock midYear_{CivilDate{2024, 7, 15}};
  const CScopedClock clock_{midYear_};
  QTemporaryDir folder_;
  CAccountBook book_;
  QString path_;
  CpursoApp app_;
};

TEST_F(DesktopQtTest, TheAccountWindowGrowsWithItsFrameAndNothingIsClipped) {
  Start();
  CAccountViewWidget& view = View();
  EXPECT_GT(view.ZoomAcross(), 1.2);
  EXPECT_GT(view.ZoomDown(), 1.05);
  const QRect canvas = view.Canvas().rect();
  EXPECT_EQ(canvas.width(), std::lround(account_view::kCanvasWidth * view.ZoomAcross()));
  EXPECT_LE(canvas.height(), view.viewport()->height());
  for (const ControlResource& control : account_view::kResource.controls) {
    const QWidget* widget = view.Widget(control.id);
    EXPECT_TRUE(canvas.contains(widget->geometry())) << control.id;
    if (control.kind == ControlKind::kPushButton) {
      EXPECT_GE(widget->width(), widget->sizeHint().width()) << control.caption;
    }
  }
  const QImage picture(SavePicture(app_.MainFrame(), Named(QStringLiteral("main_window_large"))));
  EXPECT_EQ(picture.width(), std::lround(1024 * qApp->devicePixelRatio()));
}

TEST_F(DesktopQtTest, ADarkPaletteDarkensTheViewTheListsAndTheToolbar) {
  QApplication::setPalette(DarkPalette());
  CpursoMainFrame& frame = Start();
  CAccountViewWidget& view = View();
  const QImage canvas = view.Canvas().grab().toImage();
  const double scale = canvas.width() / static_cast<double>(view.Canvas().width());
  // Inside the left label panel, and in a list below its rows.
  const auto at = [&](int x, int y) {
    return canvas.pixelColor(std::lround(x * view.ZoomAcross() * scale), std::lround(y * view.ZoomDown() * scale));
  };
  EXPECT_LT(at(20, 120).lightnessF(), 0.35);
  EXPECT_LT(at(600, 460).lightnessF(), 0.35);
  const QImage icon = frame.Action(command_id::kFileNew)->icon().pixmap(QSize(32, 30), 1.0).toImage();
  EXPECT_GT(icon.pixelColor(7, 3).lightnessF(), 0.6);  // the page's outline, in the palette's text colour
  SavePicture(frame, Named(QStringLiteral("main_window_dark")));
}

TEST_F(DesktopQtTest, AScreenReaderReadsTheOutstandingRowsAsTheyAreShown) {
  Start();
  auto* list = qobject_cast<QTableView*>(View().Widget(account_view::kOutstandingExpenses));
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
  ASSERT_NE(table->tableInterface(), nullptr);
  EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Outstanding expenses"));
  QStringList rows;
  for (int row = 0; row < table->tableInterface()->rowCount(); ++row) {
    rows << table->tableInterface()->cellAt(row, 0)->text(QAccessible::Name);
  }
  EXPECT_EQ(rows, (QStringList{QStringLiteral("03/15, 640.00, Car Insurance"), QStringLiteral("06/01, 950.00, Rent"),
                               QStringLiteral("07/01, 950.00, Rent")}));
}

TEST(DesktopLocaleQtTest, ANewAccountWritesAsTheUsersLocaleDoes) {
  CpursoApp app;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  ASSERT_EQ(app.Start({}), CpursoApp::StartResult::kRunning);
  QLocale::setDefault(QLocale::c());
  const CDisplaySettings& german = app.MainFrame().Children().front()->Document().Book().Settings();
  EXPECT_EQ(german.dateOrder, DateOrder::kDayFirst);
  EXPECT_EQ(german.dateSeparator, '.');
  EXPECT_EQ(german.decimalSymbol, DecimalSymbol::kComma);
  EXPECT_EQ(german.currencySymbol, "\x80");  // the euro sign
  EXPECT_EQ(german.symbolPosition, SymbolPosition::kAfter);
  EXPECT_TRUE(german.space);
  app.MainFrame().NewDocument();  // in the C locale: the defaults
  EXPECT_TRUE(app.MainFrame().Children().back()->Document().Book().Settings().SameSettings(CDisplaySettings()));
}

}  // namespace
}  // namespace purso::test
