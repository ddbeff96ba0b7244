// The translations the program ships, for tests.
//
// ShippedCatalog reads translations/purso_<language>.ts of the source tree:
// every (context, source) the tools found, with its translation as UTF-8.
// CheckedTranslation is a translation hook (data/translation.h) that keeps
// the program's English but fails the running test for a text that the
// shipped catalog lacks in that context: a text translated at run time that
// no mark names, or named in another context than it is looked up in.
// Linking checked_translation.cpp into a suite puts it in force for every
// test of the suite.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace purso::test {

using TranslationCatalog = std::map<std::pair<std::string, std::string>, std::string, std::less<>>;

const TranslationCatalog& ShippedCatalog(std::string_view language = "de");

std::string CheckedTranslation(std::string_view context, std::string_view source);

}  // namespace purso::test
