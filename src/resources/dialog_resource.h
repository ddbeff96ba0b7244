// Dialog descriptions as plain data.
//
// A dialog resource says what a dialog holds: its id, title, size and font,
// and every control with its kind, id, caption, position and initial state.
// Positions and sizes are in dialog units: a horizontal unit is a quarter of
// the dialog font's average character width, a vertical unit an eighth of its
// height, so a layout keeps its proportions at any font size.
//
// The tables live in static storage; everything here is constexpr data. The
// texts are the program's English, marked for translation in the resource's
// context; the control model and the adapter show them translated.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace purso {

enum class ControlKind : std::uint8_t {
  kLabel,          // static text
  kGroupBox,       // a captioned frame drawn around other controls
  kEdit,           // one-line text field
  kMultiLineText,  // multi-line text pane
  kPushButton,
  kRadioButton,
  kCheckBox,
  kList,          // list box of plain texts
  kColumnList,    // list box whose rows carry their own column layout
  kDropDownList,  // drop-down list to choose from, not typed into
};

// Style bits of a control.
namespace control_style {
constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kDefault = 1u << 0;      // the default push button (Enter)
constexpr std::uint32_t kDisabled = 1u << 1;     // starts disabled
constexpr std::uint32_t kGroup = 1u << 2;        // first radio button of a group
constexpr std::uint32_t kSorted = 1u << 3;       // list items kept in the case-insensitive order
constexpr std::uint32_t kReadOnly = 1u << 4;     // text that cannot be typed into
constexpr std::uint32_t kVScroll = 1u << 5;      // vertical scroll bar
constexpr std::uint32_t kWrap = 1u << 6;         // label text wraps within its box
constexpr std::uint32_t kRight = 1u << 7;        // label text aligned right
constexpr std::uint32_t kCenter = 1u << 8;       // label text centred
constexpr std::uint32_t kSunken = 1u << 9;       // label drawn in a sunken box (read-only value)
constexpr std::uint32_t kChecked = 1u << 10;     // check box or radio button starts checked
constexpr std::uint32_t kPushLike = 1u << 11;    // check box shown as a button that stays pressed
constexpr std::uint32_t kEnterOpens = 1u << 12;  // Enter on a list's selected row acts as a double-click
constexpr std::uint32_t kLiveText = 1u << 13;    // an edit whose every change reaches the logic at once
constexpr std::uint32_t kFindKey = 1u << 14;     // the desktop's Find key (Ctrl+F) puts the focus here
constexpr std::uint32_t kHeading = 1u << 15;     // a label clicked as a command, showing a sort mark
constexpr std::uint32_t kMultiSelect = 1u << 16;  // a list whose user selects several rows (Shift, Ctrl)
}  // namespace control_style

// Controls that nothing addresses (most labels) share this id.
inline constexpr int kNoControlId = -1;

struct ControlResource {
  ControlKind kind = ControlKind::kLabel;
  int id = kNoControlId;
  std::string_view caption;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::uint32_t style = control_style::kNone;
  std::span<const std::string_view> items = {};  // initial items of a list or drop-down

  constexpr bool Has(std::uint32_t bit) const { return (style & bit) != 0; }
};

// The push button Enter presses while the focus is in a field of a row that
// has a button of its own (the update row beside the add row, whose button
// is the default).
struct EnterRoute {
  int field = kNoControlId;
  int button = kNoControlId;
};

// What the positions of a resource's controls count in.
enum class LayoutUnits : std::uint8_t {
  kDialogUnits,  // scaled by the dialog font
  kPixels,       // fixed, for layouts drawn to the pixel
};

struct DialogResource {
  int id = 0;
  std::string_view title;
  int width = 0;   // dialog units
  int height = 0;  // dialog units
  std::string_view fontFace;
  int fontPoints = 8;
  std::span<const ControlResource> controls;
  LayoutUnits units = LayoutUnits::kDialogUnits;
  std::span<const EnterRoute> enterRoutes = {};
  // The translation context of the title, the captions and the items
  // (resources/translatable.h); a resource without one is shown as it stands.
  std::string_view context = {};

  // The control with that id, or nullptr.
  constexpr const ControlResource* Find(int controlId) const {
    for (const ControlResource& control : controls) {
      if (control.id == controlId) return &control;
    }
    return nullptr;
  }

  // The push button Enter presses while the focus is in control: its row's
  // button, else the default button; kNoControlId when there is none.
  constexpr int EnterButton(int focus) const {
    for (const EnterRoute& route : enterRoutes) {
      if (route.field == focus) return route.button;
    }
    for (const ControlResource& control : controls) {
      if (control.kind == ControlKind::kPushButton && control.Has(control_style::kDefault)) return control.id;
    }
    return kNoControlId;
  }
};

}  // namespace purso
