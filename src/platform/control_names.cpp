#include "platform/control_names.h"

#include "platform/shown_text.h"

namespace purso {
namespace {

// How far a label may stand from what it names, in lines of the label:
// beside it on its row, or above it, over a field or two, not over a list.
constexpr int kBesideLines = 2;
constexpr int kAboveLines = 3;

bool IsField(ControlKind kind) {
  switch (kind) {
    case ControlKind::kEdit:
    case ControlKind::kMultiLineText:
    case ControlKind::kList:
    case ControlKind::kColumnList:
    case ControlKind::kDropDownList:
      return true;
    default:
      return false;
  }
}

bool Names(const ControlResource& label) {
  return label.kind == ControlKind::kLabel && !label.Has(control_style::kSunken) && !label.caption.empty();
}

}  // namespace

std::optional<std::size_t> NamingLabel(const DialogResource& resource, std::size_t index) {
  const ControlResource& control = resource.controls[index];
  if (!IsField(control.kind)) return std::nullopt;
  const int middle = control.y + control.height / 2;
  std::optional<std::size_t> beside;
  std::optional<std::size_t> above;
  int besideGap = 0;
  int aboveGap = 0;
  for (std::size_t i = 0; i < resource.controls.size(); ++i) {
    const ControlResource& label = resource.controls[i];
    if (!Names(label)) continue;
    const int right = label.x + label.width;
    const int bottom = label.y + label.height;
    const int toControl = control.x - right;
    if (label.y <= middle && middle < bottom && toControl >= -1 && toControl <= kBesideLines * label.height &&
        (!beside || toControl < besideGap)) {
      beside = i;
      besideGap = toControl;
    }
    const int down = control.y - bottom;
    const bool overColumns = label.x < control.x + control.width && control.x < right;
    if (overColumns && down >= -1 && down <= kAboveLines * label.height && (!above || down < aboveGap)) {
      above = i;
      aboveGap = down;
    }
  }
  return beside ? beside : above;
}

std::string ControlName(const DialogResource& resource, std::size_t index) {
  if (!IsField(resource.controls[index].kind)) return {};
  if (const std::optional<std::size_t> label = NamingLabel(resource, index)) {
    return NameOfCaption(ShownText(resource, resource.controls[*label].caption));
  }
  return NameOfCaption(ShownText(resource, resource.title));
}

std::string NameOfCaption(std::string_view caption) {
  std::string name;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    name += caption[i];
  }
  while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
  return name;
}

}  // namespace purso
