// What a dialog resource shows: its title, captions and items in the user's
// language (data/translation.h), looked up in the resource's context. A
// resource without a context shows its texts as they stand.
#pragma once

#include <string>
#include <string_view>

#include "resources/dialog_resource.h"

namespace purso {

// text, one of resource's own (its title, a caption, an item), as shown.
std::string ShownText(const DialogResource& resource, std::string_view text);

}  // namespace purso
