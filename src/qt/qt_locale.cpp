#include "qt/qt_locale.h"

#include <QDate>

namespace purso {
namespace {

// What the locale writes for the sample date and amount of data/locale_settings.h.
LocaleSamples SamplesOf(const QLocale& locale) {
  return LocaleSamples{
      .shortDate = locale.toString(QDate(kSampleYear, kSampleMonth, kSampleDay), QLocale::ShortFormat).toStdString(),
      .money = locale.toCurrencyString(kSampleAmount).toStdString(),
      .decimalPoint = locale.decimalPoint().toStdString(),
      .currencyCode = locale.currencySymbol(QLocale::CurrencyIsoCode).toStdString(),
  };
}

}  // namespace

CDisplaySettings DisplaySettingsOf(const QLocale& locale) {
  if (locale.language() == QLocale::C) return CDisplaySettings();
  return DisplaySettingsFor(SamplesOf(locale));
}

}  // namespace purso
