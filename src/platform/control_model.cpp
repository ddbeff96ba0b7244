#include "platform/control_model.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "data/no_case.h"
#include "platform/shown_text.h"

namespace purso {

CControlModel::CControlModel(const DialogResource& resource) : resource_(&resource) {
  std::size_t group = 0;
  for (const ControlResource& control : resource.controls) {
    if (control.kind == ControlKind::kRadioButton && (control.Has(control_style::kGroup) || group == 0)) ++group;
    if (control.id == kNoControlId) continue;
    ControlState state;
    state.id = control.id;
    state.kind = control.kind;
    state.sorted = control.Has(control_style::kSorted);
    state.enabled = !control.Has(control_style::kDisabled);
    state.checked = control.Has(control_style::kChecked);
    state.text = ShownText(resource, control.caption);
    state.group = control.kind == ControlKind::kRadioButton ? group : 0;
    controls_.push_back(std::move(state));
    std::vector<std::string> items;
    items.reserve(control.items.size());
    for (const std::string_view item : control.items) items.push_back(ShownText(resource, item));
    SetItems(control.id, std::move(items));
  }
}

CControlModel::ControlState* CControlModel::FindState(int controlId) {
  for (ControlState& state : controls_) {
    if (state.id == controlId) return &state;
  }
  return nullptr;
}

const CControlModel::ControlState* CControlModel::FindState(int controlId) const {
  for (const ControlState& state : controls_) {
    if (state.id == controlId) return &state;
  }
  return nullptr;
}

CControlModel::ControlState& CControlModel::StateOf(int controlId) {
  ControlState* state = FindState(controlId);
  // Every id the logic uses comes from the dialog's own resource; another
  // one is a programming error that the scenario tests must catch.
  if (state == nullptr) {
    throw std::out_of_range("dialog " + std::to_string(resource_->id) + " has no control " + std::to_string(controlId));
  }
  return *state;
}

const CControlModel::ControlState& CControlModel::StateOf(int controlId) const {
  return const_cast<CControlModel*>(this)->StateOf(controlId);
}

void CControlModel::Announce(int controlId, ControlAspect aspect, std::size_t item) {
  if (observer_ != nullptr) observer_->OnControlChanged(ControlChange{controlId, aspect, item});
}

ControlKind CControlModel::KindOf(int controlId) const { return StateOf(controlId).kind; }

const std::string& CControlModel::GetText(int controlId) const { return StateOf(controlId).text; }

std::string CControlModel::GetText(int controlId, std::size_t maxChars) const {
  return StateOf(controlId).text.substr(0, maxChars);
}

void CControlModel::SetText(int controlId, std::string_view text) {
  ControlState& state = StateOf(controlId);
  state.text = std::string(text);
  state.unstorable.clear();
  Announce(controlId, ControlAspect::kText);
}

void CControlModel::ApplyText(int controlId, std::string_view text, std::u32string_view unstorable) {
  ControlState& state = StateOf(controlId);
  state.text = std::string(text);
  state.unstorable = std::u32string(unstorable);
}

bool CControlModel::IsEnabled(int controlId) const { return StateOf(controlId).enabled; }

void CControlModel::Enable(int controlId, bool enabled) {
  ControlState& state = StateOf(controlId);
  if (state.enabled == enabled) return;
  state.enabled = enabled;
  Announce(controlId, ControlAspect::kEnabled);
}

bool CControlModel::IsChecked(int controlId) const { return StateOf(controlId).checked; }

void CControlModel::Check(ControlState& state, bool checked, bool announce) {
  if (checked && state.kind == ControlKind::kRadioButton) {
    for (ControlState& other : controls_) {
      if (&other != &state && other.kind == ControlKind::kRadioButton && other.group == state.group && other.checked) {
        other.checked = false;
        if (announce) Announce(other.id, ControlAspect::kChecked);
      }
    }
  }
  state.checked = checked;
  if (announce) Announce(state.id, ControlAspect::kChecked);
}

void CControlModel::SetChecked(int controlId, bool checked) { Check(StateOf(controlId), checked, true); }

void CControlModel::ApplyChecked(int controlId, bool checked) { Check(StateOf(controlId), checked, false); }

const std::vector<std::string>& CControlModel::Items(int controlId) const { return StateOf(controlId).items; }

int CControlModel::AddItem(int controlId, std::string_view text) {
  ControlState& state = StateOf(controlId);
  auto at = state.items.end();
  if (state.sorted) {
    // After every item that does not sort after it, as a sorted list box inserts.
    at = std::upper_bound(state.items.begin(), state.items.end(), text,
                          [](std::string_view a, const std::string& b) { return CompareNoCase(a, b) < 0; });
  }
  const auto index = static_cast<std::size_t>(at - state.items.begin());
  Insert(state, index, text);
  return static_cast<int>(index);
}

void CControlModel::InsertItem(int controlId, std::size_t index, std::string_view text) {
  ControlState& state = StateOf(controlId);
  Insert(state, std::min(index, state.items.size()), text);
}

void CControlModel::Insert(ControlState& state, std::size_t index, std::string_view text) {
  state.items.insert(state.items.begin() + static_cast<std::ptrdiff_t>(index), std::string(text));
  if (state.selection >= static_cast<int>(index)) ++state.selection;
  for (int& also : state.alsoSelected) also += also >= static_cast<int>(index) ? 1 : 0;
  Announce(state.id, ControlAspect::kItemInserted, index);
}

void CControlModel::SetItems(int controlId, std::vector<std::string> items) {
  ControlState& state = StateOf(controlId);
  if (state.sorted) {
    const auto before = [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; };
    // Rows built in table order often arrive sorted already; a stable sort
    // keeps equal items in their arrival order, as inserting one by one would.
    if (!std::is_sorted(items.begin(), items.end(), before)) std::stable_sort(items.begin(), items.end(), before);
  }
  state.items = std::move(items);
  state.selection = kNoSelection;
  state.alsoSelected.clear();
  Announce(controlId, ControlAspect::kItemsReset);
}

std::vector<std::string> CControlModel::TakeItems(int controlId) {
  ControlState& state = StateOf(controlId);
  state.selection = kNoSelection;
  state.alsoSelected.clear();
  return std::exchange(state.items, {});
}

void CControlModel::DeleteItem(int controlId, std::size_t index) {
  ControlState& state = StateOf(controlId);
  if (index >= state.items.size()) return;
  state.items.erase(state.items.begin() + static_cast<std::ptrdiff_t>(index));
  const int removed = static_cast<int>(index);
  if (state.selection == removed) {
    state.selection = kNoSelection;
  } else if (state.selection > removed) {
    --state.selection;
  }
  std::erase(state.alsoSelected, removed);
  for (int& also : state.alsoSelected) also -= also > removed ? 1 : 0;
  Announce(controlId, ControlAspect::kItemRemoved, index);
}

void CControlModel::ClearItems(int controlId) { SetItems(controlId, {}); }

int CControlModel::FindItemPrefix(int controlId, std::string_view prefix) const {
  const auto& items = Items(controlId);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].size() >= prefix.size() && EqualNoCase(std::string_view(items[i]).substr(0, prefix.size()), prefix)) {
      return static_cast<int>(i);
    }
  }
  return kNoSelection;
}

int CControlModel::FindItemExact(int controlId, std::string_view text) const {
  const auto& items = Items(controlId);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (EqualNoCase(items[i], text)) return static_cast<int>(i);
  }
  return kNoSelection;
}

void CControlModel::BringIntoSight(int controlId, std::size_t index) {
  ControlState& state = StateOf(controlId);
  if (index >= state.items.size()) return;
  state.inSight = static_cast<int>(index);
  Announce(controlId, ControlAspect::kItemInSight, index);
}

int CControlModel::GetSelection(int controlId) const { return StateOf(controlId).selection; }

void CControlModel::SetSelection(int controlId, int index) {
  ApplySelection(controlId, index);
  Announce(controlId, ControlAspect::kSelection);
}

void CControlModel::ApplySelection(int controlId, int index) {
  ControlState& state = StateOf(controlId);
  state.selection = (index >= 0 && static_cast<std::size_t>(index) < state.items.size()) ? index : kNoSelection;
  state.alsoSelected.clear();
}

std::vector<int> CControlModel::SelectedItems(int controlId) const {
  const ControlState& state = StateOf(controlId);
  std::vector<int> selected = state.alsoSelected;
  if (state.selection != kNoSelection) {
    selected.insert(std::lower_bound(selected.begin(), selected.end(), state.selection), state.selection);
  }
  return selected;
}

void CControlModel::SetSelectedItems(int controlId, std::vector<int> indices) {
  const int current = indices.empty() ? kNoSelection : indices.front();
  ApplySelectedItems(controlId, current, std::move(indices));
  Announce(controlId, ControlAspect::kSelection);
}

void CControlModel::ApplySelectedItems(int controlId, int current, std::vector<int> indices) {
  ApplySelection(controlId, current);
  ControlState& state = StateOf(controlId);
  const auto outside = [&state](int index) {
    return index < 0 || static_cast<std::size_t>(index) >= state.items.size() || index == state.selection;
  };
  std::erase_if(indices, outside);
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  if (state.selection == kNoSelection && !indices.empty()) {
    state.selection = indices.front();
    indices.erase(indices.begin());
  }
  state.alsoSelected = std::move(indices);
}

std::string CControlModel::SelectedText(int controlId) const {
  const ControlState& state = StateOf(controlId);
  return state.selection == kNoSelection ? std::string() : state.items[static_cast<std::size_t>(state.selection)];
}

void CControlModel::SetSortMark(int controlId, SortMark mark) {
  ControlState& state = StateOf(controlId);
  if (state.sortMark == mark) return;
  state.sortMark = mark;
  Announce(controlId, ControlAspect::kSortMark);
}

void CControlModel::SetFocus(int controlId) {
  StateOf(controlId);
  focus_ = controlId;
  Announce(controlId, ControlAspect::kFocus);
}

void CControlModel::ApplyFocus(int controlId) {
  if (FindState(controlId) != nullptr) focus_ = controlId;
}

void CControlModel::EndDialog(int result) {
  ended_ = true;
  result_ = result;
}

}  // namespace purso
