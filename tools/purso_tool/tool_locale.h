// The locale `purso-tool new --locale NAME` makes an account for, read from
// the C library's locale data.
#pragma once

#include <optional>
#include <string>

#include "data/locale_settings.h"

namespace purso::tool {

// What the installed locale NAME writes for the sample date and amount. A
// name without a character set ("de_DE") is looked for in UTF-8 first.
// std::nullopt when no such locale is installed.
std::optional<LocaleSamples> InstalledLocaleSamples(const std::string& name);

}  // namespace purso::tool
