#include "purso_tool/tool_locale.h"

#include <langinfo.h>
#include <locale.h>
#include <monetary.h>

#include <array>
#include <ctime>
#include <memory>

namespace purso::tool {
namespace {

struct FreeLocale {
  void operator()(locale_t locale) const { freelocale(locale); }
};
using LocaleHandle = std::unique_ptr<std::remove_pointer_t<locale_t>, FreeLocale>;

LocaleHandle OpenLocale(const std::string& name) {
  return LocaleHandle(newlocale(LC_ALL_MASK, name.c_str(), static_cast<locale_t>(nullptr)));
}

std::string WithoutBlanks(std::string text) {
  const std::size_t end = text.find_last_not_of(' ');
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

}  // namespace

std::optional<LocaleSamples> InstalledLocaleSamples(const std::string& name) {
  LocaleHandle locale;
  if (name.find('.') == std::string::npos && name.find('@') == std::string::npos) locale = OpenLocale(name + ".UTF-8");
  if (!locale) locale = OpenLocale(name);
  if (!locale) return std::nullopt;

  LocaleSamples samples;
  std::array<char, 256> buffer{};
  std::tm date{};
  date.tm_year = kSampleYear - 1900;
  date.tm_mon = kSampleMonth - 1;
  date.tm_mday = kSampleDay;
  const std::size_t dateLength = strftime_l(buffer.data(), buffer.size(), "%x", &date, locale.get());
  samples.shortDate.assign(buffer.data(), dateLength);
  const ssize_t moneyLength = strfmon_l(buffer.data(), buffer.size(), locale.get(), "%n", kSampleAmount);
  if (moneyLength > 0) samples.money.assign(buffer.data(), static_cast<std::size_t>(moneyLength));
  samples.decimalPoint = nl_langinfo_l(RADIXCHAR, locale.get());
  samples.currencyCode = WithoutBlanks(nl_langinfo_l(INT_CURR_SYMBOL, locale.get()));
  return samples;
}

}  // namespace purso::tool
