// Through the real Qt adapter: the Transactions list narrowed by its filter
// and ordered by a heading, a list dialog made larger and opening at that
// size again, and the chart picture as PNG, PDF, printed page and SVG. The
// pictures are kept in the build folder to be looked at.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <sstream>

#include "app/account_view.h"
#include "data/calendar.h"
#include "dialogs/categories_dialog.h"
#include "dialogs/transactions_dialog.h"
#include "platform/dialog_layout.h"
#include "purso_tool/tool_commands.h"
#include "qt/qt_dialog.h"
#include "qt/qt_host.h"
#include "qt/qt_test_support.h"
#include "resources/categories_dialog_resource.h"
#include "resources/transactions_dialog_resource.h"
#include "shell/chart_output.h"
#include "support/dialog_samples.h"
#include "support/ledger_builder.h"

namespace purso::test {
namespace {

namespace transactions = transactions_dialog;
namespace categories = categories_dialog;

// 2024 is a leap year; the sample is viewed in its middle.
class ListsAndChartQtTest : public ::testing::Test {
 protected:
  ListsAndChartQtTest() { FillSampleYear(book_); }

  // Runs the dialog over host, with check once it shows.
  static void Open(CQtHost& host, CDialogLogic& dialog, const std::function<void(CQtDialog&)>& check) {
    host.SetDialogObserver([&check](CQtDialog& window) { WhenShown([&window, &check] { check(window); }); });
    host.RunModal(dialog);
  }

  CFixedClock clock_{CivilDate{2024, 6, 15}};
  CScopedClock scoped_{clock_};
  CAccountBook book_{2024};
};

TEST_F(ListsAndChartQtTest, TheFindKeyFilterAndAHeadingNarrowAndOrderTheTransactions) {
  CQtHost host;
  CTransactionsDialog dialog(book_);
  Open(host, dialog, [](CQtDialog& window) {
    auto* list = qobject_cast<QAbstractItemView*>(window.Widget(transactions::kTransactions));
    auto* filter = qobject_cast<QLineEdit*>(window.Widget(transactions::kFilter));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(window.focusWidget(), filter);
    QTest::keyClicks(filter, QStringLiteral("e"));  // Rent, Groceries, Petrol, Spring term...
    EXPECT_EQ(list->model()->rowCount(), 18);
    QTest::keyClicks(filter, QStringLiteral("nt"));  // ...Rent
    EXPECT_EQ(list->model()->rowCount(), 5);
    EXPECT_EQ(qobject_cast<QLabel*>(window.Widget(transactions::kShownCount))->text(), QStringLiteral("5 of 23 shown"));
    QTest::mouseClick(window.Widget(transactions::kAmountHeading), Qt::LeftButton);
    QTest::mouseClick(window.Widget(transactions::kAmountHeading), Qt::LeftButton);
    EXPECT_TRUE(list->model()->index(0, 0).data().toString().contains(QStringLiteral("$950.00")));
    QTest::keyClick(filter, Qt::Key_Return);  // on to the first row found, not Add
    EXPECT_EQ(list->currentIndex().row(), 0);
    SavePicture(window, QStringLiteral("transactions_filtered"));
    QTest::keyClick(&window, Qt::Key_Escape);
  });
  EXPECT_EQ(book_.CurrentLedger().Transactions().GetRowCount(), 23u);
}

TEST_F(ListsAndChartQtTest, AnEnlargedListDialogGivesTheRoomToItsListAndOpensAtThatSizeAgain) {
  CMemorySettingsStore settings;
  CQtHost host;
  host.SetSettingsStore(&settings);
  QSize enlarged;
  CCategoriesDialog first(book_);
  Open(host, first, [&](CQtDialog& window) {
    const QSize smallest = window.size();
    EXPECT_EQ(window.minimumSize(), smallest);
    const QRect list = window.Widget(categories::kCategories)->geometry();
    const QRect done = window.Widget(categories::kDone)->geometry();
    const QRect addName = window.Widget(categories::kAddName)->geometry();
    // Within the test screen's 800 x 600, so that it opens whole again.
    window.resize(smallest + QSize(60, 160));
    enlarged = window.size();
    EXPECT_EQ(window.Widget(categories::kCategories)->geometry(), list.adjusted(0, 0, 60, 160));
    EXPECT_EQ(window.Widget(categories::kDone)->geometry(), done.translated(60, 160));
    EXPECT_EQ(window.Widget(categories::kAddName)->geometry(), addName);
    SavePicture(window, QStringLiteral("categories_enlarged"));
    QTest::mouseClick(window.Widget(categories::kDone), Qt::LeftButton);
  });
  EXPECT_EQ(settings.Read(kDialogSizesSection, "142"),
            std::to_string(enlarged.width()) + ' ' + std::to_string(enlarged.height()));
  CCategoriesDialog again(book_);
  Open(host, again, [&](CQtDialog& window) {
    EXPECT_EQ(window.size(), enlarged);
    QTest::keyClick(&window, Qt::Key_Escape);
  });
}

// Every dialog holding a list, made larger: its controls stay inside it, and
// none comes to cover another that it did not cover before.
TEST_F(ListsAndChartQtTest, EveryDialogWithAListGrowsWithoutOverlaps) {
  for (const DialogSample& sample : DialogSamples()) {
    const std::unique_ptr<CDialogLogic> dialog = sample.make(book_);
    if (!IsResizable(dialog->Resource())) continue;
    SCOPED_TRACE(std::string(sample.name));
    CQtHost host;
    Open(host, *dialog, [&](CQtDialog& window) {
      const QList<QWidget*> widgets = window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
      QList<QRect> before;
      for (QWidget* widget : widgets) before << widget->geometry();
      window.resize(window.size() + QSize(120, 90));
      for (qsizetype i = 0; i < widgets.size(); ++i) {
        if (!widgets[i]->isVisible()) continue;
        EXPECT_TRUE(window.rect().contains(widgets[i]->geometry())) << widgets[i]->objectName().toStdString();
        for (qsizetype j = 0; j < i; ++j) {
          if (!widgets[j]->isVisible() || before[i].intersects(before[j])) continue;
          EXPECT_FALSE(widgets[i]->geometry().intersects(widgets[j]->geometry()))
              << widgets[i]->objectName().toStdString() << " over " << widgets[j]->objectName().toStdString();
        }
      }
      SavePicture(window, QStringLiteral("dialog_%1_enlarged").arg(dialog->Resource().id));
      window.reject();
      if (!dialog->Controls().IsEnded()) window.done(kCommandCancel);
    });
  }
}

TEST_F(ListsAndChartQtTest, TheChartPictureIsWrittenAsPngPdfPrintedPageAndSvg) {
  CQtHost host;
  CpursoPXFDoc document(host);
  FillSampleYear(document.Book() = CAccountBook(2024));
  CpursoPXFView view(document);
  view.OnInitialUpdate();

  const QImage png = QImage::fromData(chart_output::Png(view, "Household", QSize(1172, 962)));
  EXPECT_EQ(png.size(), QSize(1172, 962));
  png.save(QStringLiteral("chart.png"));
  const QByteArray pdf = chart_output::Pdf(view, "Household", QSize(1172, 962));
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  QFile pdfFile(QStringLiteral("chart.pdf"));
  ASSERT_TRUE(pdfFile.open(QIODevice::WriteOnly));
  pdfFile.write(pdf);
  pdfFile.close();
  QPrinter printer(QPrinter::ScreenResolution);
  chart_output::PreparePrinter(printer);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QStringLiteral("chart_printed.pdf"));
  chart_output::Print(printer, view, "Household");
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);

  // purso-tool draws the same picture as SVG: well-formed XML with one
  // predicted-balance bar (dark blue, or dark red below zero) per day.
  const QTemporaryDir folder;
  const QString account = WriteAccount(folder, QStringLiteral("Household.pxf"), document.Book());
  const QString svgPath = folder.filePath(QStringLiteral("chart.svg"));
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(tool::RunTool({"chart", account.toStdString(), svgPath.toStdString(), "--today", "2024-06-15"}, out, err),
            tool::kExitOk)
      << err.str();
  QFile svg(svgPath);
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&svg);
  int bars = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QStringLiteral("rect")) continue;
    const QString fill = xml.attributes().value(QStringLiteral("fill")).toString();
    if (fill == QStringLiteral("#0000bb") || fill == QStringLiteral("#bb0000")) ++bars;
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(bars, 366);
}

}  // namespace
}  // namespace purso::test
