// CControlModel: the live state of one dialog's controls.
//
// Dialog logic reads and writes the model by control id; the window-system
// adapter mirrors it onto real widgets both ways; tests inspect it directly.
// The model is built from the dialog's resource, its captions and items in
// the user's language (platform/shown_text.h), and knows, per control, its
// kind, text, enabled and checked state, the items of a list or drop-down
// (kept in the case-insensitive order when the control is sorted), the
// selected item (and, in a list that allows it, the other selected items),
// which control has the keyboard focus, and the dialog's end.
//
// Changes made by the logic are announced to one observer (the adapter);
// changes that come from the user through the adapter go through the
// Apply... operations, which do not announce them back. A list's changes are
// announced as what they are, a refill, one inserted item or one removed
// item, so that an adapter never has to rebuild a long list for one row.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "resources/dialog_resource.h"

namespace purso {

// What changed about a control.
enum class ControlAspect : std::uint8_t {
  kText,
  kEnabled,
  kChecked,
  kItemsReset,    // the items were replaced as a whole (a refill, a clear)
  kItemInserted,  // one item arrived at ControlChange::item
  kItemRemoved,   // the item at ControlChange::item left
  kSelection,
  kFocus,
  kSortMark,
  kItemInSight,  // the item at ControlChange::item is to be scrolled into sight
};

// What a column heading shows of the order of its list.
enum class SortMark : std::uint8_t {
  kNone,
  kAscending,
  kDescending,
};

struct ControlChange {
  int controlId = kNoControlId;
  ControlAspect aspect = ControlAspect::kText;
  std::size_t item = 0;  // the index of an inserted or removed item

  friend bool operator==(const ControlChange&, const ControlChange&) = default;
};

class IControlObserver {
 public:
  virtual ~IControlObserver() = default;
  virtual void OnControlChanged(const ControlChange& change) = 0;
};

class CControlModel {
 public:
  static constexpr int kNoSelection = -1;

  explicit CControlModel(const DialogResource& resource);

  const DialogResource& Resource() const { return *resource_; }
  bool Has(int controlId) const { return FindState(controlId) != nullptr; }
  ControlKind KindOf(int controlId) const;

  // Text of a label, edit, button or group box.
  const std::string& GetText(int controlId) const;
  // The first maxChars characters, as a fixed-size read of the field would give.
  std::string GetText(int controlId, std::size_t maxChars) const;
  void SetText(int controlId, std::string_view text);

  bool IsEnabled(int controlId) const;
  void Enable(int controlId, bool enabled);

  bool IsChecked(int controlId) const;
  // Checking a radio button unchecks the others of its group.
  void SetChecked(int controlId, bool checked);

  // Items of a list or drop-down.
  const std::vector<std::string>& Items(int controlId) const;
  std::size_t ItemCount(int controlId) const { return Items(controlId).size(); }
  const std::string& Item(int controlId, std::size_t index) const { return Items(controlId)[index]; }
  // Adds an item, at its sorted place in a sorted control (after the items
  // that do not sort after it), else at the end; its index. Keeps the
  // selected item selected. For filling a list use SetItems.
  int AddItem(int controlId, std::string_view text);
  // Inserts an item at index (clamped to the end), whatever the order of
  // the control: for a list whose order the logic keeps. Keeps the selected
  // item selected.
  void InsertItem(int controlId, std::size_t index, std::string_view text);
  // Replaces all items at once (sorted as AddItem would place them one by
  // one, in n log n) and selects nothing: the way to fill or refill a list.
  void SetItems(int controlId, std::vector<std::string> items);
  // Hands the items back to the logic and leaves none, selecting nothing and
  // announcing nothing: for a logic that keeps the rows of a long list
  // itself, so that a refill moves them rather than copies them. The logic
  // must refill the list (SetItems) before its handler returns.
  std::vector<std::string> TakeItems(int controlId);
  // Removes one item; a removed selected item leaves nothing selected.
  void DeleteItem(int controlId, std::size_t index);
  void ClearItems(int controlId);
  // Index of the first item that begins with prefix (case-insensitive), from
  // the first item; kNoSelection when none.
  int FindItemPrefix(int controlId, std::string_view prefix) const;
  // Index of the first item equal to text (case-insensitive); kNoSelection when none.
  int FindItemExact(int controlId, std::string_view text) const;

  // Scrolls a list to show the item at index, without selecting it; the
  // last item so shown is remembered (kNoSelection before any).
  void BringIntoSight(int controlId, std::size_t index);
  int ItemInSight(int controlId) const { return StateOf(controlId).inSight; }

  int GetSelection(int controlId) const;
  // kNoSelection (or an index out of range) selects nothing.
  void SetSelection(int controlId, int index);
  // The text of the selected item; empty when nothing is selected.
  std::string SelectedText(int controlId) const;
  // Every selected item, in ascending order: the selected one and, in a list
  // of style kMultiSelect, the others the user selected with it.
  std::vector<int> SelectedItems(int controlId) const;
  // Selects these items (indices out of range left out); the first becomes
  // the selected item.
  void SetSelectedItems(int controlId, std::vector<int> indices);

  // The characters typed into a field that account text cannot hold; empty
  // once the logic sets the field's text.
  const std::u32string& UnstorableCharacters(int controlId) const { return StateOf(controlId).unstorable; }

  // The sort mark of a column heading.
  SortMark GetSortMark(int controlId) const { return StateOf(controlId).sortMark; }
  void SetSortMark(int controlId, SortMark mark);

  int GetFocus() const { return focus_; }
  void SetFocus(int controlId);

  // The dialog's end: the logic ends the dialog with a result, and the host
  // closes it after the handler returns.
  void EndDialog(int result);
  bool IsEnded() const { return ended_; }
  int Result() const { return result_; }

  // Changes made by the user, applied by the adapter without being announced.
  // The characters the user typed that account text cannot hold come with
  // the text (which holds '?' for each), so that a dialog can refuse them.
  void ApplyText(int controlId, std::string_view text, std::u32string_view unstorable = {});
  void ApplyChecked(int controlId, bool checked);
  void ApplySelection(int controlId, int index);
  // The user's selection of several items in a kMultiSelect list: current
  // is the selected item, indices all selected ones.
  void ApplySelectedItems(int controlId, int current, std::vector<int> indices);
  void ApplyFocus(int controlId);

  void SetObserver(IControlObserver* observer) { observer_ = observer; }

 private:
  struct ControlState {
    int id = kNoControlId;
    ControlKind kind = ControlKind::kLabel;
    bool sorted = false;
    bool enabled = true;
    bool checked = false;
    std::string text;
    std::u32string unstorable;
    std::vector<std::string> items;
    int selection = kNoSelection;
    SortMark sortMark = SortMark::kNone;
    int inSight = kNoSelection;
    std::vector<int> alsoSelected;  // in ascending order, without selection
    std::size_t group = 0;          // radio buttons of one group share a number
  };

  ControlState* FindState(int controlId);
  const ControlState* FindState(int controlId) const;
  ControlState& StateOf(int controlId);
  const ControlState& StateOf(int controlId) const;
  void Announce(int controlId, ControlAspect aspect, std::size_t item = 0);
  void Check(ControlState& state, bool checked, bool announce);
  void Insert(ControlState& state, std::size_t index, std::string_view text);

  const DialogResource* resource_;
  std::vector<ControlState> controls_;
  int focus_ = kNoControlId;
  bool ended_ = false;
  int result_ = 0;
  IControlObserver* observer_ = nullptr;
};

}  // namespace purso
