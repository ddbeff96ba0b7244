// The Tolva Account Organizer: plans and follows a household budget.
#include <QApplication>

#include "shell/purso_application.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tolva Computing"));
  QApplication::setApplicationName(QStringLiteral("Purso"));
  QApplication::setApplicationVersion(QStringLiteral("1.1"));

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
