#include "qt/qt_locale.h"

#include <QDate>

namespace purso {

LocaleSamples SamplesOf(const QLocale& locale) {
  return LocaleSamples{
      .shortDate = locale.toString(QDate(kSampleYear, kSampleMonth, kSampleDay), QLocale::ShortFormat).toStdString(),
      .money = locale.toCurrencyString(kSampleAmount).toStdString(),
      .decimalPoint = locale.decimalPoint().toStdString(),
      .currencyCode = locale.currencySymbol(QLocale::CurrencyIsoCode).toStdString(),
  };
}

CDisplaySettings DisplaySettingsOf(const QLocale& locale) {
  if (locale.language() == QLocale::C) return CDisplaySettings();
  return DisplaySettingsFor(SamplesOf(locale));
}

}  // namespace purso
