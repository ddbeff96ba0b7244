// The user's language for the program's texts.
//
// CQtTranslation loads the program's translation ("purso_de.qm") for the
// first language of the locale's list (QLocale::uiLanguages: the system
// locale reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that has one in the
// given folders, stopping at English, the program's own language. It loads
// Qt's own texts for the same language with it (the buttons of the file and
// print dialogs), and, while it lives, Translate (data/translation.h)
// answers through QCoreApplication::translate, as account text. A locale
// without a translation keeps the program's own English.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <optional>
#include <string_view>

#include "data/translation.h"

namespace purso {

class CQtTranslation {
 public:
  CQtTranslation(const QLocale& locale, const QStringList& folders);
  ~CQtTranslation();
  CQtTranslation(const CQtTranslation&) = delete;
  CQtTranslation& operator=(const CQtTranslation&) = delete;

  // The language loaded, as its file names it ("de"); empty for none.
  const QString& Language() const { return language_; }

 private:
  QTranslator own_;
  QTranslator qt_;
  std::optional<CScopedTranslation> hook_;
  QString language_;
};

// A text of the Qt code in the user's language: Translate, as Qt shows it.
// lupdate knows it as a translate (cmake/Translations.cmake).
QString UiText(std::string_view context, std::string_view source);

// The folders the program's translations are looked for in, in order: the
// program's own "translations" folder, where the build puts them, and the
// installed folder, kInstalledTranslationsFolder seen from the program's
// folder (an installed /usr/bin/purso: /usr/share/purso/translations).
QStringList TranslationFolders();

}  // namespace purso
