#include "shell/purso_application.h"

#include <QCommandLineParser>

#include "app/recent_file_list.h"
#include "shell/command_line.h"
#include "shell/instance_channel.h"
#include "shell/main_frame.h"
#include "qt/qt_host.h"
#include "qt/qt_settings_store.h"

namespace purso {

CpursoApp::CpursoApp() = default;

CpursoApp::~CpursoApp() {
  // The windows go before the host and the settings they use.
  mainFrame_.reset();
}

CpursoApp::StartResult CpursoApp::Start(const QStringList& arguments) {
  QCommandLineParser parser;
  DescribeCommandLine(parser);
  parser.process(QStringList{QStringLiteral("purso")} + arguments);
  const QStringList files = parser.positionalArguments();

  // A file opened from the desktop while the program runs goes to the running program.
  if (!files.isEmpty() && CInstanceChannel::HandOver(files)) return StartResult::kHandedOver;

  settings_ = std::make_unique<CQtSettingsStore>();
  recentFiles_ = std::make_unique<CRecentFileList>(*settings_);
  host_ = std::make_unique<CQtHost>();
  mainFrame_ = std::make_unique<CpursoMainFrame>(*host_, *recentFiles_, *settings_);

  channel_ = std::make_unique<CInstanceChannel>();
  QObject::connect(channel_.get(), &CInstanceChannel::FilesReceived, mainFrame_.get(), [this](const QStringList& paths) {
    for (const QString& path : paths) mainFrame_->OpenDocument(path);
    mainFrame_->raise();
    mainFrame_->activateWindow();
  });
  channel_->Listen();

  if (files.isEmpty()) {
    mainFrame_->NewDocument();
  } else {
    for (const QString& file : files) {
      if (!mainFrame_->OpenDocument(file)) return StartResult::kFailed;
    }
  }
  mainFrame_->showMaximized();
  return StartResult::kRunning;
}

}  // namespace purso
