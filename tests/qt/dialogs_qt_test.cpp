// The dialogs through the real Qt adapter: every control of the resource is
// a widget named after its id, showing the model's caption and enabled
// state, and every control that takes the focus has a name for screen
// readers; an input error goes end to end; a picture of each dialog is kept.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "data/account_book.h"
#include "dialogs/change_year_dialog.h"
#include "dialogs/message_dialogs.h"
#include "dialogs/opening_balance_dialog.h"
#include "dialogs/settings_dialog.h"
#include "qt/list_view.h"
#include "qt/qt_dialog.h"
#include "qt/qt_host.h"
#include "qt/text_codec.h"
#include "qt/qt_test_support.h"
#include "resources/message_dialog_resources.h"
#include "resources/opening_balance_dialog_resource.h"
#include "support/dialog_samples.h"
#include "support/ledger_builder.h"

namespace purso::test {
namespace {

QString ShownText(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  return {};
}

// Every control of the dialog's resource against its widget.
void ExpectWidgetsMatch(CQtDialog& window, const CDialogLogic& dialog) {
  const CControlModel& model = dialog.Controls();
  for (const ControlResource& control : dialog.Resource().controls) {
    SCOPED_TRACE("control " + std::to_string(control.id) + " \"" + std::string(control.caption) + "\"");
    if (control.id == kNoControlId) {
      // Labels nobody addresses are found by their caption.
      bool found = false;
      for (QWidget* child : window.findChildren<QWidget*>(QStringLiteral("-1"))) {
        found = found || ShownText(child) == FromAccountText(control.caption);
      }
      EXPECT_TRUE(found);
      continue;
    }
    QWidget* widget = window.Widget(control.id);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->objectName(), QString::number(control.id));
    EXPECT_EQ(widget->isEnabled(), model.IsEnabled(control.id));
    if (control.kind == ControlKind::kLabel || control.kind == ControlKind::kPushButton ||
        control.kind == ControlKind::kRadioButton || control.kind == ControlKind::kCheckBox ||
        control.kind == ControlKind::kGroupBox || control.kind == ControlKind::kEdit) {
      EXPECT_EQ(ShownText(widget), FromAccountText(model.GetText(control.id)));
    }
    // Every list keeps its highlighted row and the model's selection one.
    if (control.kind == ControlKind::kList || control.kind == ControlKind::kColumnList) {
      EXPECT_NE(qobject_cast<CListView*>(widget), nullptr);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button != nullptr && button->isCheckable()) {
      EXPECT_EQ(button->isChecked(), model.IsChecked(control.id));
    }
    const QRect inside = window.rect();
    EXPECT_TRUE(inside.contains(widget->geometry())) << "outside the dialog";
    if (widget->focusPolicy() != Qt::NoFocus) {
      EXPECT_NE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), QString()) << "no name";
    }
  }
}

// Opens the dialog through the adapter, runs check on it once it shows,
// then keeps its picture as dialog_<id>.png, unless check closed it.
void OpenDialog(CDialogLogic& dialog, const std::function<void(CQtDialog&)>& check) {
  CQtHost host;
  bool shown = false;
  host.SetDialogObserver([&](CQtDialog& window) {
    WhenShown([&] {
      shown = true;
      check(window);
    });
  });
  host.RunModal(dialog);
  EXPECT_TRUE(shown);
}

void Click(CQtDialog& window, int id) { QTest::mouseClick(window.Widget(id), Qt::LeftButton); }

TEST(DialogsQtTest, EveryDialogShowsItsResourceAndKeepsItsPicture) {
  for (const DialogSample& sample : DialogSamples()) {
    SCOPED_TRACE(std::string(sample.name));
    CAccountBook book;
    FillSampleYear(book);
    const std::unique_ptr<CDialogLogic> dialog = sample.make(book);
    OpenDialog(*dialog, [&](CQtDialog& window) {
      ExpectWidgetsMatch(window, *dialog);
      SavePicture(window, QStringLiteral("dialog_%1").arg(dialog->Resource().id));
      if (window.Widget(sample.closeCommand) != nullptr) {
        Click(window, sample.closeCommand);
      } else {
        QTest::keyClick(&window, Qt::Key_Escape);
      }
    });
    EXPECT_EQ(dialog->Controls().Result(), sample.closeCommand);
  }
}

TEST(DialogsQtTest, EnterAndEscapeAnswerTheConfirmationDialog) {
  const struct {
    Qt::Key key;
    int result;
  } cases[] = {{Qt::Key_Return, confirmation_dialog::kYes}, {Qt::Key_Escape, confirmation_dialog::kNo}};
  for (const auto& c : cases) {
    CConfirmationDialog question("Continue?");
    OpenDialog(question, [&](CQtDialog& window) { QTest::keyClick(&window, c.key); });
    EXPECT_EQ(question.Controls().Result(), c.result);
  }
}

TEST(DialogsQtTest, SettingsDialogStaysOpenOnEscapeAndClosesOnDone) {
  CAccountBook book;
  CSettingsDialog dialog(book.Settings());
  OpenDialog(dialog, [&](CQtDialog& window) {
    QTest::keyClick(&window, Qt::Key_Escape);  // help, not close
    EXPECT_TRUE(window.isVisible());
    auto* decimals = qobject_cast<QLineEdit*>(window.Widget(1023));
    decimals->selectAll();
    QTest::keyClicks(decimals, QStringLiteral("3"));
    Click(window, 1);
  });
  EXPECT_EQ(dialog.Controls().Result(), kCommandOk);
  EXPECT_EQ(book.Settings().decimals, 3);
}

TEST(DialogsQtTest, ChangeYearDialogChoosesFromItsList) {
  CAccountBook book(1999);
  CChangeYearDialog dialog(book);
  OpenDialog(dialog, [&](CQtDialog& window) {
    auto* years = qobject_cast<QComboBox*>(window.Widget(1105));
    ASSERT_NE(years, nullptr);
    EXPECT_EQ(years->count(), CAccountBook::kYearCount);
    EXPECT_EQ(years->currentText(), QStringLiteral("1999"));
    years->setFocus();
    QTest::keyClick(years, Qt::Key_End);  // the user moves to the last year
    Click(window, 1);
  });
  EXPECT_EQ(book.GetYearIndex(), CAccountBook::kYearCount - 1);
}

TEST(DialogsQtTest, InputErrorShowsTheProblemThenFocusesTheField) {
  CAccountBook book;
  COpeningBalanceDialog dialog(book.Settings(), -250);
  CQtHost host;
  QStringList problemTexts;
  QString focusAfterProblem;
  host.SetDialogObserver([&](CQtDialog& window) {
    const int id = window.objectName().toInt();
    if (id == problem_dialog::kDialogId) {
      WhenShown([&window, &problemTexts] {
        for (int text : {problem_dialog::kProblemText, problem_dialog::kSuggestionText}) {
          problemTexts << qobject_cast<QLabel*>(window.Widget(text))->text();
        }
        QTest::mouseClick(window.Widget(problem_dialog::kClose), Qt::LeftButton);
      });
      return;
    }
    WhenShown([&] {
      auto* amount = qobject_cast<QLineEdit*>(window.Widget(opening_balance_dialog::kAmount));
      EXPECT_EQ(amount->text(), QStringLiteral("$250.00"));
      EXPECT_TRUE(qobject_cast<QAbstractButton*>(window.Widget(opening_balance_dialog::kNegative))->isChecked());
      amount->selectAll();
      QTest::keyClicks(amount, QStringLiteral("abc"));
      QTest::mouseClick(window.Widget(opening_balance_dialog::kOk), Qt::LeftButton);
      if (QWidget* focus = window.focusWidget()) focusAfterProblem = focus->objectName();
      EXPECT_TRUE(window.isVisible());
      EXPECT_EQ(amount->selectedText(), QStringLiteral("abc"));
      QTest::keyClick(&window, Qt::Key_Escape);
    });
  });
  EXPECT_EQ(host.RunModal(dialog), kCommandCancel);
  EXPECT_EQ(problemTexts,
            (QStringList{QStringLiteral("The opening balance is invalid (bad format)"), QStringLiteral("Enter a valid number.")}));
  EXPECT_EQ(focusAfterProblem, QString::number(opening_balance_dialog::kAmount));
}

}  // namespace
}  // namespace purso::test
