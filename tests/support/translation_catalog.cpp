#include "support/translation_catalog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace purso::test {
namespace {

// The text of a .ts element: entities and lupdate's <byte value="xd"/> undone.
std::string Unescaped(std::string_view xml) {
  static const std::pair<std::string_view, std::string_view> kEntities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}, {"<byte value=\"xd\"/>", "\r"}};
  std::string text;
  for (std::size_t i = 0; i < xml.size();) {
    bool replaced = false;
    for (const auto& [entity, character] : kEntities) {
      if (xml.substr(i, entity.size()) == entity) {
        text += character;
        i += entity.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) text += xml[i++];
  }
  return text;
}

// The text between the next open and close tag from at, moving at past it.
std::string_view Between(std::string_view xml, std::string_view open, std::string_view close, std::size_t& at) {
  const std::size_t start = xml.find(open, at);
  if (start == std::string_view::npos) return at = std::string_view::npos, std::string_view();
  const std::size_t end = xml.find(close, start);
  at = end + close.size();
  return xml.substr(start + open.size(), end - start - open.size());
}

TranslationCatalog Read(std::string_view language) {
  std::ifstream file(std::string(PURSO_TRANSLATIONS_SOURCE_DIR) + "/purso_" + std::string(language) + ".ts");
  std::stringstream whole;
  whole << file.rdbuf();
  const std::string xml = whole.str();
  TranslationCatalog catalog;
  for (std::size_t context = xml.find("<context>"); context != std::string::npos;) {
    const std::size_t next = xml.find("<context>", context + 1);
    const std::string_view block = std::string_view(xml).substr(context, next - context);
    std::size_t at = 0;
    const std::string name(Between(block, "<name>", "</name>", at));
    while (at != std::string_view::npos) {
      const std::string_view source = Between(block, "<source>", "</source>", at);
      if (at == std::string_view::npos) break;
      const std::size_t open = block.find('>', block.find("<translation", at)) + 1;
      const std::string_view translation = block.substr(open, block.find("</translation>", open) - open);
      catalog[{name, Unescaped(source)}] = Unescaped(translation);
    }
    context = next;
  }
  return catalog;
}

}  // namespace

const TranslationCatalog& ShippedCatalog(std::string_view language) {
  static const TranslationCatalog german = Read("de");
  static const TranslationCatalog french = Read("fr");
  return language == "fr" ? french : german;
}

std::string CheckedTranslation(std::string_view context, std::string_view source) {
  if (ShippedCatalog().find(std::pair{std::string(context), std::string(source)}) == ShippedCatalog().end()) {
    ADD_FAILURE() << "no translation in the context \"" << context << "\" for \"" << source << "\"";
  }
  return std::string(source);
}

}  // namespace purso::test
