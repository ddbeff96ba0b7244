// The names of controls for screen readers.
//
// A button, check box or radio button is named by its caption. An edit
// field, list or drop-down shows none of its own; it is named by the label that a
// reader of the dialog takes for its own: the nearest label on its row that
// ends before it, else the nearest label just above it over the same
// columns, as a heading names the fields in its column. Only plain labels
// name anything: a sunken label shows a value, and a group box frames
// several controls. A control no label names (a dialog's one list, an
// information pane) is named after its dialog.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "resources/dialog_resource.h"

namespace purso {

// The index, in resource.controls, of the label that names the field, list
// or drop-down at index; none for another control or one no label names.
std::optional<std::size_t> NamingLabel(const DialogResource& resource, std::size_t index);

// The name of the field, list or drop-down at index in resource.controls;
// empty for another control, which its own text names.
std::string ControlName(const DialogResource& resource, std::size_t index);

// A caption as a name: without the '&' that marks its key ("&&" is one '&')
// and without a closing colon.
std::string NameOfCaption(std::string_view caption);

}  // namespace purso
