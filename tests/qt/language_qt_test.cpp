// The program in the user's language, through the real Qt adapter: which
// translation a locale loads; every dialog in German and in French and the
// account window and its menus in German, every text found in the shipped
// catalog and every caption fitting its control, their pictures kept as
// dialog_<id>_de.png, dialog_<id>_fr.png and account_window_de.png.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "data/account_text.h"
#include "data/calendar.h"
#include "qt/qt_dialog.h"
#include "qt/qt_host.h"
#include "qt/qt_test_support.h"
#include "qt/qt_translation.h"
#include "qt/text_codec.h"
#include "shell/main_frame.h"
#include "shell/purso_application.h"
#include "support/dialog_samples.h"
#include "support/ledger_builder.h"
#include "support/translation_catalog.h"

namespace purso::test {
namespace {

const QStringList kFolders{QStringLiteral(PURSO_TRANSLATIONS_BUILD_DIR)};

// The language loaded through Qt, failing the test for a text the shipped
// catalog lacks.
std::string CheckedShown(std::string_view context, std::string_view source) {
  CheckedTranslation(context, source);
  const std::string contextText(context);
  const std::string sourceText(source);
  return ToAccountText(QCoreApplication::translate(contextText.c_str(), sourceText.c_str()));
}

// The room a caption needs beside its text: a push button's frame, a check
// box's or radio button's indicator and gap, a group box's frame.
int Decoration(QWidget& widget) {
  const QStyle& style = *widget.style();
  if (qobject_cast<QCheckBox*>(&widget) != nullptr || qobject_cast<QRadioButton*>(&widget) != nullptr) {
    return style.pixelMetric(QStyle::PM_IndicatorWidth) + style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
  }
  if (qobject_cast<QAbstractButton*>(&widget) != nullptr) return 2 * style.pixelMetric(QStyle::PM_ButtonMargin);
  if (qobject_cast<QGroupBox*>(&widget) != nullptr) return 16;
  return 0;
}

// Every caption of the window within its control: on its line or lines, or,
// where it wraps, word by word.
void ExpectCaptionsFit(QWidget& window) {
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) text = frame->title();
    // The toolbar shows its buttons' icons; their texts are tooltips.
    if (text.isEmpty() || !widget->isVisible() || qobject_cast<QToolButton*>(widget) != nullptr) continue;
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && label->wordWrap()) {
      for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        EXPECT_LE(widget->fontMetrics().horizontalAdvance(word), widget->contentsRect().width())
            << "too wide: " << word.toStdString();
      }
      continue;
    }
    const QSize needed = widget->fontMetrics().size(Qt::TextShowMnemonic, text);
    const QRect room = widget->contentsRect();
    EXPECT_LE(needed.width() + Decoration(*widget), room.width()) << "too wide: " << text.toStdString();
    EXPECT_LE(needed.height(), room.height() + 2) << "too high: " << text.toStdString();
  }
}

TEST(LanguageQtTest, ALocaleGetsItsLanguageAndEnglishTheProgramsOwnTexts) {
  const struct {
    const char* locale;
    const char* language;
  } kCases[] = {{"de_DE", "de"}, {"de_AT", "de"}, {"fr_FR", "fr"}, {"fr_CA", "fr"},
                {"en_US", ""},   {"es_ES", ""},   {"C", ""}};
  for (const auto& c : kCases) {
    const CQtTranslation translation(QLocale(QString::fromLatin1(c.locale)), kFolders);
    EXPECT_EQ(translation.Language(), QString::fromLatin1(c.language)) << c.locale;
  }
  {
    const CQtTranslation german(QLocale(QStringLiteral("de_DE")), kFolders);
    EXPECT_EQ(Translate("Menu", "&Undo"), Utf8ToAccountText("&Rückgängig"));
    EXPECT_EQ(UiText("Menu", "&Undo"), QStringLiteral("&Rückgängig"));
  }
  EXPECT_EQ(Translate("Menu", "&Undo"), "&Undo");
}

TEST(LanguageQtTest, EveryDialogInGermanAndFrenchFitsItsControlsAndKeepsItsPicture) {
  for (const QString& language : {QStringLiteral("de"), QStringLiteral("fr")}) {
    const CQtTranslation translation{QLocale(language), kFolders};
    ASSERT_EQ(translation.Language(), language);
    const CScopedTranslation checked(&CheckedShown);
    for (const DialogSample& sample : DialogSamples()) {
      SCOPED_TRACE(language.toStdString() + " " + std::string(sample.name));
      CAccountBook book;
      FillSampleYear(book);
      const std::unique_ptr<CDialogLogic> dialog = sample.make(book);
      CQtHost host;
      host.SetDialogObserver([&](CQtDialog& window) {
        WhenShown([&] {
          ExpectCaptionsFit(window);
          SavePicture(window, QStringLiteral("dialog_%1_%2").arg(dialog->Resource().id).arg(language));
          if (QWidget* close = window.Widget(sample.closeCommand)) {
            QTest::mouseClick(close, Qt::LeftButton);
          } else {
            QTest::keyClick(&window, Qt::Key_Escape);
          }
        });
      });
      host.RunModal(*dialog);
    }
  }
}

TEST(LanguageQtTest, TheAccountWindowAndItsMenusInGerman) {
  const CQtTranslation german(QLocale(QStringLiteral("de_DE")), kFolders);
  const CScopedTranslation checked(&CheckedShown);
  const CFixedClock midYear{CivilDate{2024, 7, 15}};
  const CScopedClock clock(midYear);
  QTemporaryDir folder;
  CAccountBook book;
  book.SetYearIndex(26);
  FillSampleYear(book);
  CpursoApp app;
  ASSERT_EQ(app.Start({WriteAccount(folder, QStringLiteral("Haushalt 2024.pxf"), book)}),
            CpursoApp::StartResult::kRunning);
  ShowForPicture(app.MainFrame());
  EXPECT_EQ(MenuTitles(app.MainFrame()),
            (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"), QStringLiteral("&Kategorien"),
                         QStringLiteral("&Vorgänge"), QStringLiteral("&Fenster"), QStringLiteral("&Hilfe")}));
  ExpectCaptionsFit(app.MainFrame());
  SavePicture(app.MainFrame(), QStringLiteral("account_window_de"));
}

}  // namespace
}  // namespace purso::test
