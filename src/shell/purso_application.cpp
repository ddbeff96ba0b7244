#include "shell/purso_application.h"

#include <QApplication>
#include <QCommandLineParser>

#include "app/recent_file_list.h"
#include "shell/command_line.h"
#include "shell/instance_channel.h"
#include "shell/main_frame.h"
#include "shell/shell_log.h"
#include "shell/termination_signals.h"
#include "qt/qt_host.h"
#include "qt/qt_settings_store.h"

namespace purso {

CpursoApp::CpursoApp() = default;

CpursoApp::~CpursoApp() {
  // The windows go before the host and the settings they use.
  if (host_) host_->SetMainWindow(nullptr);
  mainFrame_.reset();
}

CpursoApp::StartResult CpursoApp::Start(const QStringList& arguments) {
  signals_ = std::make_unique<CTerminationSignals>();
  QObject::connect(signals_.get(), &CTerminationSignals::Requested, [this](int signal) { EndOnRequest(signal); });

  QCommandLineParser parser;
  DescribeCommandLine(parser);
  parser.process(QStringList{QStringLiteral("purso")} + arguments);
  const QStringList files = parser.positionalArguments();

  // A file opened from the desktop while the program runs goes to the running program.
  if (!files.isEmpty() && CInstanceChannel::HandOver(files)) return StartResult::kHandedOver;

  settings_ = std::make_unique<CQtSettingsStore>();
  recentFiles_ = std::make_unique<CRecentFileList>(*settings_);
  host_ = std::make_unique<CQtHost>();
  host_->SetSettingsStore(settings_.get());
  mainFrame_ = std::make_unique<CpursoMainFrame>(*host_, *recentFiles_, *settings_);
  host_->SetMainWindow(mainFrame_.get());

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
  mainFrame_->RecoverLeftAccounts();
  return StartResult::kRunning;
}

int CpursoApp::Exec() {
  // A request to end that came while start-up asked a question has been met already.
  return ending_ ? 0 : QApplication::exec();
}

void CpursoApp::EndOnRequest(int signal) {
  if (ending_) return;
  ending_ = true;
  // No question can be asked now: unsaved work goes into its recovery copy,
  // which the next start offers back, and the files stay as they are.
  if (mainFrame_) {
    for (CpursoChildFrame* child : mainFrame_->Children()) {
      CpursoPXFDoc& document = child->Document();
      if (!document.IsModified()) continue;
      document.WriteRecoveryNow();
      qCInfo(lcShell).noquote() << "unsaved changes kept for recovery:" << QString::fromStdString(document.Title());
    }
  }
  qCInfo(lcShell) << "ending on signal" << signal;
  // Every event loop ends, a modal dialog's too, and none starts again; the
  // windows and their locks go when this object does, after exec returns.
  QCoreApplication::exit(0);
}

}  // namespace purso
