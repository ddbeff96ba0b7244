// The Tolva Account Organizer: plans and follows a household budget.
#include <QApplication>
#include <QIcon>

#include "qt/qt_translation.h"
#include "shell/command_line.h"
#include "shell/purso_application.h"
#include "shell/shell_log.h"

namespace {

void SetIdentity() {
  QCoreApplication::setOrganizationName(QStringLiteral("Tolva Computing"));
  QCoreApplication::setApplicationName(QStringLiteral("Purso"));
  QCoreApplication::setApplicationVersion(QStringLiteral(PURSO_VERSION));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (purso::AsksOnlyForText(argc, argv)) return purso::AnswerWithText(argc, argv, SetIdentity);

  QApplication application(argc, argv);
  SetIdentity();
  // The desktop matches the windows with purso.desktop; their icon is the
  // installed theme's, else the program's own.
  QGuiApplication::setDesktopFileName(QStringLiteral("purso"));
  QIcon icon;
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/icons/%1x%1/purso.png").arg(size));
  }
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("purso"), icon));
  // The user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) for every window.
  const purso::CQtTranslation translation(QLocale::system(), purso::TranslationFolders());
  qCInfo(lcShell).noquote() << "language:"
                            << (translation.Language().isEmpty() ? QStringLiteral("en") : translation.Language());
  purso::CpursoApp app;
  switch (app.Start(QApplication::arguments().mid(1))) {
    case purso::CpursoApp::StartResult::kHandedOver:
      return 0;
    case purso::CpursoApp::StartResult::kFailed:
      return 1;
    case purso::CpursoApp::StartResult::kRunning:
      break;
  }
  return app.Exec();
}
