#include "platform/shown_text.h"

#include "data/translation.h"

namespace purso {

std::string ShownText(const DialogResource& resource, std::string_view text) {
  return resource.context.empty() || text.empty() ? std::string(text) : Translate(resource.context, text);
}

}  // namespace purso
