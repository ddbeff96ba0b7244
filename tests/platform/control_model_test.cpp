#include "platform/control_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace purso {
namespace {

constexpr int kSortedId = 10;
constexpr int kPlainId = 11;
constexpr int kEditId = 20;
constexpr int kFirstA = 30, kSecondA = 31, kFirstB = 32, kSecondB = 33;
constexpr int kButton = 40;

using enum ControlKind;
using namespace control_style;
constexpr std::string_view kYears[] = {"b", "A", "c"};
constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, "Label", 0, 0, 10, 10},
    {kList, kSortedId, "", 0, 0, 10, 10, kSorted},
    {kList, kPlainId, "", 0, 0, 10, 10, kNone, kYears},
    {kEdit, kEditId, "initial", 0, 0, 10, 10},
    {kRadioButton, kFirstA, "a1", 0, 0, 10, 10, kGroup | kChecked},
    {kRadioButton, kSecondA, "a2", 0, 0, 10, 10},
    {kRadioButton, kFirstB, "b1", 0, 0, 10, 10, kGroup},
    {kRadioButton, kSecondB, "b2", 0, 0, 10, 10, kChecked},
    {kPushButton, kButton, "&Go", 0, 0, 10, 10, kDisabled},
};
const DialogResource kDialog{900, "Test", 100, 100, "MS Sans Serif", 8, kControls};

class CRecordingObserver : public IControlObserver {
 public:
  void OnControlChanged(const ControlChange& change) override { changes.push_back(change); }
  std::vector<ControlChange> changes;
};

TEST(ControlModelTest, StartsFromTheResource) {
  CControlModel model(kDialog);
  EXPECT_EQ(model.GetText(kEditId), "initial");
  EXPECT_FALSE(model.IsEnabled(kButton));
  EXPECT_TRUE(model.IsChecked(kFirstA));
  EXPECT_TRUE(model.IsChecked(kSecondB));
  EXPECT_EQ(model.Items(kPlainId), (std::vector<std::string>{"b", "A", "c"}));
  EXPECT_EQ(model.GetSelection(kPlainId), CControlModel::kNoSelection);
  EXPECT_FALSE(model.Has(kNoControlId));
  EXPECT_THROW(model.GetText(12345), std::out_of_range);
}

TEST(ControlModelTest, SortedListInsertsCaseInsensitivelyAndKeepsTheSelection) {
  CControlModel model(kDialog);
  EXPECT_EQ(model.AddItem(kSortedId, "mango"), 0);
  EXPECT_EQ(model.AddItem(kSortedId, "Apple"), 0);
  model.SetSelection(kSortedId, 1);  // mango
  EXPECT_EQ(model.AddItem(kSortedId, "banana"), 1);
  EXPECT_EQ(model.AddItem(kSortedId, "APPLE"), 1);  // equal items keep their arrival order
  EXPECT_EQ(model.Items(kSortedId), (std::vector<std::string>{"Apple", "APPLE", "banana", "mango"}));
  EXPECT_EQ(model.SelectedText(kSortedId), "mango");

  model.DeleteItem(kSortedId, 0);
  EXPECT_EQ(model.SelectedText(kSortedId), "mango");
  model.DeleteItem(kSortedId, 2);
  EXPECT_EQ(model.GetSelection(kSortedId), CControlModel::kNoSelection);

  EXPECT_EQ(model.FindItemPrefix(kSortedId, "BAN"), 1);
  EXPECT_EQ(model.FindItemExact(kSortedId, "apple"), 0);
  EXPECT_EQ(model.FindItemExact(kSortedId, "appl"), CControlModel::kNoSelection);
}

TEST(ControlModelTest, SelectionOutOfRangeSelectsNothing) {
  CControlModel model(kDialog);
  model.SetSelection(kPlainId, 3);
  EXPECT_EQ(model.GetSelection(kPlainId), CControlModel::kNoSelection);
  model.SetSelection(kPlainId, 2);
  EXPECT_EQ(model.SelectedText(kPlainId), "c");
  model.ClearItems(kPlainId);
  EXPECT_EQ(model.GetSelection(kPlainId), CControlModel::kNoSelection);
}

TEST(ControlModelTest, SeveralSelectedItemsFollowInsertsAndRemovalsAndOneSelectionEndsThem) {
  CControlModel model(kDialog);
  model.SetItems(kPlainId, {"a", "b", "c", "d"});
  model.SetSelectedItems(kPlainId, {3, 1, 7, 1});
  EXPECT_EQ(model.GetSelection(kPlainId), 3);  // the first given is the selected item
  EXPECT_EQ(model.SelectedItems(kPlainId), (std::vector<int>{1, 3}));
  model.AddItem(kPlainId, "e");  // at the end
  model.DeleteItem(kPlainId, 0);
  EXPECT_EQ(model.SelectedItems(kPlainId), (std::vector<int>{0, 2}));
  model.DeleteItem(kPlainId, 0);
  EXPECT_EQ(model.SelectedItems(kPlainId), (std::vector<int>{1}));
  model.SetSelectedItems(kPlainId, {0, 1});
  model.SetSelection(kPlainId, 2);
  EXPECT_EQ(model.SelectedItems(kPlainId), (std::vector<int>{2}));
}

TEST(ControlModelTest, RadioButtonsUncheckOnlyTheirOwnGroup) {
  CControlModel model(kDialog);
  model.SetChecked(kSecondA, true);
  EXPECT_FALSE(model.IsChecked(kFirstA));
  EXPECT_TRUE(model.IsChecked(kSecondA));
  EXPECT_TRUE(model.IsChecked(kSecondB));
  model.ApplyChecked(kFirstB, true);
  EXPECT_FALSE(model.IsChecked(kSecondB));
  EXPECT_TRUE(model.IsChecked(kSecondA));
}

TEST(ControlModelTest, AnnouncesTheLogicsChangesButNotTheUsers) {
  CControlModel model(kDialog);
  CRecordingObserver observer;
  model.SetObserver(&observer);
  model.SetText(kEditId, "x");
  model.Enable(kButton, true);
  model.Enable(kButton, true);  // no change, no announcement
  model.SetChecked(kSecondA, true);
  model.SetFocus(kEditId);
  model.ApplyText(kEditId, "typed");
  model.ApplySelection(kPlainId, 1);
  model.ApplyFocus(kButton);
  const std::vector<ControlChange> expected = {{kEditId, ControlAspect::kText},
                                               {kButton, ControlAspect::kEnabled},
                                               {kFirstA, ControlAspect::kChecked},
                                               {kSecondA, ControlAspect::kChecked},
                                               {kEditId, ControlAspect::kFocus}};
  EXPECT_EQ(observer.changes, expected);
  EXPECT_EQ(model.GetText(kEditId), "typed");
  EXPECT_EQ(model.GetFocus(), kButton);
}

TEST(ControlModelTest, AnnouncesAListChangeAsWhatItIs) {
  CControlModel model(kDialog);
  CRecordingObserver observer;
  model.SetObserver(&observer);
  model.SetItems(kSortedId, {"pear", "Apple", "fig", "apple"});
  EXPECT_EQ(model.Items(kSortedId), (std::vector<std::string>{"Apple", "apple", "fig", "pear"}));
  model.AddItem(kSortedId, "banana");
  model.DeleteItem(kSortedId, 3);
  model.ClearItems(kSortedId);
  const std::vector<ControlChange> expected = {{kSortedId, ControlAspect::kItemsReset},
                                               {kSortedId, ControlAspect::kItemInserted, 2},
                                               {kSortedId, ControlAspect::kItemRemoved, 3},
                                               {kSortedId, ControlAspect::kItemsReset}};
  EXPECT_EQ(observer.changes, expected);
}

TEST(ControlModelTest, RefillOfAnUnsortedListKeepsTheGivenOrderAndDropsTheSelection) {
  CControlModel model(kDialog);
  model.SetSelection(kPlainId, 1);
  model.SetItems(kPlainId, {"z", "a"});
  EXPECT_EQ(model.Items(kPlainId), (std::vector<std::string>{"z", "a"}));
  EXPECT_EQ(model.GetSelection(kPlainId), CControlModel::kNoSelection);
}

TEST(ControlModelTest, ReadsAFieldAsAFixedSizeBufferWould) {
  CControlModel model(kDialog);
  model.ApplyText(kEditId, std::string(100, 'x'));
  EXPECT_EQ(model.GetText(kEditId, 79).size(), 79u);
  EXPECT_EQ(model.GetText(kEditId, 200).size(), 100u);
}

TEST(ControlModelTest, InsertsWhereTheLogicSaysHandsItemsBackUnannouncedAndMarksAHeadingOnce) {
  CControlModel model(kDialog);
  CRecordingObserver observer;
  model.SetObserver(&observer);
  model.SetSelection(kPlainId, 1);  // "A"
  model.InsertItem(kPlainId, 1, "z");
  model.InsertItem(kPlainId, 99, "end");
  model.SetSortMark(kButton, SortMark::kDescending);
  model.SetSortMark(kButton, SortMark::kDescending);
  EXPECT_EQ(model.Items(kPlainId), (std::vector<std::string>{"b", "z", "A", "c", "end"}));
  EXPECT_EQ(model.GetSelection(kPlainId), 2);
  EXPECT_EQ(model.TakeItems(kPlainId), (std::vector<std::string>{"b", "z", "A", "c", "end"}));
  EXPECT_EQ(model.ItemCount(kPlainId), 0u);
  EXPECT_EQ(model.GetSelection(kPlainId), CControlModel::kNoSelection);
  const std::vector<ControlChange> expected = {{kPlainId, ControlAspect::kSelection},
                                               {kPlainId, ControlAspect::kItemInserted, 1},
                                               {kPlainId, ControlAspect::kItemInserted, 4},
                                               {kButton, ControlAspect::kSortMark}};
  EXPECT_EQ(observer.changes, expected);
}

}  // namespace
}  // namespace purso
