#include "qt/qt_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <string>

#include "qt/text_codec.h"

namespace purso {
namespace {

std::string TranslateWithQt(std::string_view context, std::string_view source) {
  const std::string contextText(context);
  const std::string sourceText(source);
  return ToAccountText(QCoreApplication::translate(contextText.c_str(), sourceText.c_str()));
}

}  // namespace

CQtTranslation::CQtTranslation(const QLocale& locale, const QStringList& folders) {
  for (const QString& language : locale.uiLanguages()) {
    const QString name = QLocale(language).name();  // "de_DE"; load() falls back to "de"
    if (name.startsWith(QLatin1String("en")) || name == QLatin1String("C")) break;
    for (const QString& folder : folders) {
      if (own_.load(QStringLiteral("purso_") + name, folder)) break;
    }
    if (!own_.isEmpty()) break;
  }
  if (own_.isEmpty()) return;
  language_ = own_.language().section(QLatin1Char('_'), 0, 0);
  QCoreApplication::installTranslator(&own_);
  if (qt_.load(QStringLiteral("qtbase_") + language_, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qt_);
  }
  hook_.emplace(&TranslateWithQt);
}

CQtTranslation::~CQtTranslation() {
  hook_.reset();
  QCoreApplication::removeTranslator(&qt_);
  QCoreApplication::removeTranslator(&own_);
}

QString UiText(std::string_view context, std::string_view source) {
  return FromAccountText(Translate(context, source));
}

QStringList TranslationFolders() {
  const QDir program(QCoreApplication::applicationDirPath());
  return {program.filePath(QStringLiteral("translations")),
          QDir::cleanPath(program.filePath(QStringLiteral(PURSO_INSTALLED_TRANSLATIONS_FOLDER)))};
}

}  // namespace purso
