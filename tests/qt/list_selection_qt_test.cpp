// A list's selection through the real adapter: what the list shows
// highlighted is what the control model holds as selected, whatever changed
// it, and no Update writes into a record nobody chose.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QToolTip>

#include <random>
#include <tuple>
#include <vector>

#include "data/account_book.h"
#include "dialogs/categories_dialog.h"
#include "dialogs/predactions_dialog.h"
#include "qt/list_view.h"
#include "qt/qt_dialog.h"
#include "qt/qt_host.h"
#include "qt/qt_test_support.h"
#include "resources/categories_dialog_resource.h"
#include "resources/predactions_dialog_resource.h"
#include "support/ledger_builder.h"
#include "text/list_row.h"

namespace purso::test {
namespace {

constexpr int kField = 10;
constexpr int kRows = 20;
constexpr int kChange = 30;

using enum ControlKind;
constexpr ControlResource kControls[] = {
    {kEdit, kField, "", 5, 5, 100, 12},
    {kColumnList, kRows, "", 5, 20, 160, 80, control_style::kSorted | control_style::kVScroll},
    {kPushButton, kChange, "Change", 110, 4, 50, 14},
};
constexpr DialogResource kResource{9000, "Selection", 170, 105, "MS Sans Serif", 8, kControls};

std::string Row(const std::string& name) { return CListRowBuilder().Column("%000!135!LB%", name).Finish(); }

// A logic that changes its list the ways dialogs do, from the handler of its
// button (which may disable the button that holds the focus, as Update does),
// and remembers the last selection it was told of.
class CChangingList final : public CDialogLogic {
 public:
  enum class Change { kRefill, kInsert, kRemove, kSelect };

  CChangingList() : CDialogLogic(kResource) {}

  void Prepare(Change change, std::mt19937& random) {
    change_ = change;
    random_ = &random;
  }
  void OnCommand(int controlId) override {
    if (controlId != kChange) return CDialogLogic::OnCommand(controlId);
    CControlModel& controls = Controls();
    const int count = static_cast<int>(controls.ItemCount(kRows));
    switch (change_) {
      case Change::kRefill: {
        std::vector<std::string> rows;
        for (int i = Pick(25); i > 0; --i) rows.push_back(Row(Name()));
        controls.SetItems(kRows, std::move(rows));
        break;
      }
      case Change::kInsert:
        controls.AddItem(kRows, Row(Name()));
        break;
      case Change::kRemove:
        if (count > 0) controls.DeleteItem(kRows, static_cast<std::size_t>(Pick(count)));
        break;
      case Change::kSelect:
        controls.SetSelection(kRows, Pick(count + 1) - 1);
        break;
    }
    seen_ = controls.GetSelection(kRows);
    controls.Enable(kChange, Pick(3) != 0);
  }
  void OnSelectionChange(int controlId) override {
    if (controlId == kRows) seen_ = Controls().GetSelection(kRows);
  }
  int Seen() const { return seen_; }

 private:
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(*random_); }
  std::string Name() {
    static constexpr const char* kNames[] = {"Apples", "Bread", "Car", "Cinema", "Dentist", "Rent", "Salary", "Tax"};
    return kNames[Pick(8)] + std::string(" ") + std::to_string(Pick(100));
  }

  Change change_ = Change::kRefill;
  std::mt19937* random_ = nullptr;
  int seen_ = CControlModel::kNoSelection;
};

// Focus moves only in the active window.
void Activate(QWidget& window) {
  window.activateWindow();
  QApplication::setActiveWindow(&window);
}

void ClickRow(CListView& list, int row, Qt::KeyboardModifiers modifiers = {}) {
  const QModelIndex index = list.model()->index(row, 0);
  list.scrollTo(index);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.visualRect(index).center());
}

TEST(ListSelectionQtTest, HighlightModelAndLogicAgreeAfterEveryChange) {
  CChangingList logic;
  CQtDialog window(logic, nullptr);
  window.show();
  Activate(window);
  auto& list = *qobject_cast<CListView*>(window.Widget(kRows));
  auto& field = *window.Widget(kField);
  const int interval = QApplication::keyboardInputInterval();
  QApplication::setKeyboardInputInterval(30);
  std::mt19937 random(20261210);
  const auto pick = [&random](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };
  const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown, Qt::Key_PageUp};

  for (int step = 0; step < 400; ++step) {
    const int count = list.model()->rowCount();
    const int action = pick(10);
    SCOPED_TRACE("step " + std::to_string(step) + ", action " + std::to_string(action));
    if (action < 4) {
      // The logic changes the list from its button's handler.
      logic.Prepare(static_cast<CChangingList::Change>(action), random);
      logic.Controls().Enable(kChange, true);
      window.Widget(kChange)->setFocus();
      QTest::mouseClick(window.Widget(kChange), Qt::LeftButton);
    } else if (action == 4 && count > 0) {
      ClickRow(list, pick(count));
    } else if (action == 5 && list.SelectedRow() >= 0) {
      // The selected row again, plain or with Ctrl (which must not deselect it).
      ClickRow(list, list.SelectedRow(), pick(2) == 0 ? Qt::NoModifier : Qt::ControlModifier);
    } else if (action == 6) {
      list.setFocus();
      QTest::keyClick(&list, keys[pick(6)]);
    } else if (action == 7 && count > 0) {
      // Type-ahead: the first letters of a row.
      list.setFocus();
      const QString text = list.model()->index(pick(count), 0).data().toString();
      QTest::keyClicks(&list, text.left(1 + pick(3)));
      QTest::qWait(QApplication::keyboardInputInterval() + 10);  // ends the type-ahead
    } else if (action == 8) {
      list.setFocus();
    } else {
      field.setFocus();
    }
    QApplication::processEvents();

    const int selected = logic.Controls().GetSelection(kRows);
    ASSERT_EQ(list.SelectedRow(), selected);
    ASSERT_EQ(list.currentIndex().isValid() ? list.currentIndex().row() : -1, selected);
    ASSERT_EQ(logic.Seen(), selected);
  }
  QApplication::setKeyboardInputInterval(interval);
}

// The rows of a table as (texts, numbers), to see which ones an action changed.
using Record = std::vector<std::tuple<std::string, double, double, double, double>>;
Record Categories(CYearLedger& ledger) {
  Record rows;
  const CRecordTable& table = ledger.Categories();
  for (std::uint32_t row = 0; row < table.GetRowCount(); ++row) {
    rows.emplace_back(std::string(table.TextAt(row, 0)), table.NumberAt(row, 1), table.NumberAt(row, 2),
                      table.NumberAt(row, 3), table.NumberAt(row, 4));
  }
  return rows;
}

void Retype(QWidget* field, const QString& text) {
  auto* edit = qobject_cast<QLineEdit*>(field);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

TEST(ListSelectionQtTest, AfterACategoryUpdateTheNextUpdateChangesNothingElse) {
  namespace ids = categories_dialog;
  CAccountBook book;
  FillSampleYear(book);
  CCategoriesDialog dialog(book);
  Record expected = Categories(book.CurrentLedger());
  std::get<0>(expected[3]) = "Food";  // Groceries, the fourth row of the table
  CQtHost host;
  host.SetDialogObserver([&](CQtDialog& window) {
    WhenShown([&] {
      Activate(window);
      auto& list = *qobject_cast<CListView*>(window.Widget(ids::kCategories));
      ClickRow(list, 2);  // Groceries
      Retype(window.Widget(ids::kUpdateName), QStringLiteral("Food"));
      QTest::keyClick(window.Widget(ids::kUpdateName), Qt::Key_Return);  // Update, not Add

      EXPECT_EQ(list.SelectedRow(), -1);
      EXPECT_FALSE(window.Widget(ids::kUpdateName)->isEnabled());
      EXPECT_FALSE(window.Widget(ids::kUpdate)->isEnabled());
      EXPECT_EQ(qobject_cast<QLineEdit*>(window.Widget(ids::kUpdateName))->text(), QString());
      Retype(window.Widget(ids::kUpdateName), QStringLiteral("Car Ins"));
      QTest::mouseClick(window.Widget(ids::kUpdate), Qt::LeftButton);
      // The first row, clicked now, reaches the logic: a Fix category can be removed.
      ClickRow(list, 0);
      EXPECT_TRUE(window.Widget(ids::kRemove)->isEnabled());
      EXPECT_TRUE(window.Widget(ids::kPredactions)->isEnabled());
      QTest::keyClick(&window, Qt::Key_Escape);
    });
  });
  host.RunModal(dialog);
  EXPECT_EQ(Categories(book.CurrentLedger()), expected);
}

TEST(ListSelectionQtTest, AfterAPredactionUpdateTheNextUpdateChangesNothingElse) {
  namespace ids = predactions_dialog;
  CAccountBook book;
  CYearLedger& ledger = book.CurrentLedger();
  const std::uint32_t rent = AddCategory(ledger, "Rent", CategoryType::kFixEx, 0, AddObject(ledger, "House"),
                                         AddFunctionalArea(ledger, "Housing"));
  for (int month = 1; month <= 12; ++month) AddPredaction(ledger, rent, month * 100 + 1, 950);
  CPredactionsDialog dialog(book, rent, MoneyFlow::kExpense);
  CQtHost host;
  host.SetDialogObserver([&](CQtDialog& window) {
    WhenShown([&] {
      Activate(window);
      auto& list = *qobject_cast<CListView*>(window.Widget(ids::kPredactions));
      ClickRow(list, 11);  // 12/01
      Retype(window.Widget(ids::kUpdateDate), QStringLiteral("12/02"));
      QTest::mouseClick(window.Widget(ids::kUpdate), Qt::LeftButton);
      EXPECT_EQ(list.SelectedRow(), -1);
      EXPECT_FALSE(window.Widget(ids::kUpdateDate)->isEnabled());
      Retype(window.Widget(ids::kUpdateDate), QStringLiteral("01/05"));
      QTest::mouseClick(window.Widget(ids::kUpdate), Qt::LeftButton);
      QTest::keyClick(&window, Qt::Key_Escape);
    });
  });
  host.RunModal(dialog);
  std::vector<double> dates;
  const CRecordTable& predactions = ledger.Predactions();
  for (std::uint32_t row = 0; row < predactions.GetRowCount(); ++row) dates.push_back(predactions.NumberAt(row, predaction_column::kDate));
  EXPECT_EQ(dates, (std::vector<double>{101, 201, 301, 401, 501, 601, 701, 801, 901, 1001, 1101, 1202}));
}

}  // namespace
}  // namespace purso::test
