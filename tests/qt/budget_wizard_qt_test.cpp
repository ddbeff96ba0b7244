// The Budget Wizard through the real Qt adapter, walked with the keyboard as
// a user would: Enter on whatever has the focus, Escape in the dialogs Go
// opens. A picture of each step is kept as dialog_161_step<n>.png.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTest>

#include "data/account_book.h"
#include "dialogs/budget_wizard_dialog.h"
#include "qt/qt_dialog.h"
#include "qt/qt_host.h"
#include "qt/qt_test_support.h"
#include "resources/budget_wizard_dialog_resource.h"
#include "support/ledger_builder.h"

namespace purso::test {
namespace {

namespace ids = budget_wizard_dialog;

TEST(BudgetWizardQtTest, EnterWalksTheSixStepsAndEachKeepsItsPicture) {
  CAccountBook book;
  FillSampleYear(book);
  CBudgetWizardDialog wizard(book);
  CQtHost host;
  QList<int> opened;  // the dialogs Go opened
  QStringList captions;
  QStringList focused;  // the focus after each step was shown and after each Go
  host.SetDialogObserver([&](CQtDialog& window) {
    if (window.objectName().toInt() != ids::kDialogId) {
      opened << window.objectName().toInt();
      WhenShown([&window] { QTest::keyClick(&window, Qt::Key_Escape); });
      return;
    }
    WhenShown([&] {
      // The window's own focus widget: the offscreen window need not be active.
      const auto focus = [&] {
        QWidget* widget = window.focusWidget();
        return widget == nullptr ? QStringLiteral("none") : widget->objectName();
      };
      const auto press = [&](Qt::Key key) {
        QWidget* target = window.focusWidget();
        QTest::keyClick(target != nullptr ? target : &window, key);
      };
      for (int step = 1; step <= ids::kStepCount; ++step) {
        captions << qobject_cast<QGroupBox*>(window.Widget(ids::kStepFrame))->title();
        EXPECT_FALSE(qobject_cast<QPlainTextEdit*>(window.Widget(ids::kStepText))->toPlainText().isEmpty());
        QCoreApplication::processEvents();  // the text pane lays out its new text, scroll bar and all
        SavePicture(window, QStringLiteral("dialog_161_step%1").arg(step));
        if (step > 1) focused << focus();
        // Go has the focus wherever it is on; then Next has it.
        if (window.Widget(ids::kGo)->isEnabled()) {
          press(Qt::Key_Return);
          focused << focus();
        }
        press(Qt::Key_Return);
      }
      if (window.isVisible()) {
        ADD_FAILURE() << "the wizard is still open after Enter at the last step";
        window.reject();
      }
    });
  });
  EXPECT_EQ(host.RunModal(wizard), kCommandOk);
  EXPECT_EQ(captions,
            (QStringList{"[Step 1/6] Introduction", "[Step 2/6] Objects", "[Step 3/6] Functional Areas",
                         "[Step 4/6] Categories", "[Step 5/6] Opening Balance", "[Step 6/6] Cash Flow Chart"}));
  EXPECT_EQ(opened, (QList<int>{130, 132, 142, 151}));
  const QString go = QString::number(ids::kGo);
  const QString next = QString::number(ids::kNext);
  EXPECT_EQ(focused, (QStringList{go, next, go, next, go, next, go, next, QString::number(ids::kFinish)}));
}

}  // namespace
}  // namespace purso::test
