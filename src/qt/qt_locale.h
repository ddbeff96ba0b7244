// The display settings a new account takes from the user's locale, as Qt
// reads it from the environment (LC_ALL, LC_NUMERIC, LANG).
#pragma once

#include <QLocale>

#include "data/locale_settings.h"

namespace purso {

// The settings of a new account in the locale; the "C" locale, which states
// no conventions, keeps the defaults.
CDisplaySettings DisplaySettingsOf(const QLocale& locale = QLocale());

}  // namespace purso
