#include "shell/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "app/account_view.h"
#include "app/recent_file_list.h"
#include "data/private_store.h"
#include "dialogs/about_dialog.h"
#include "platform/help_launcher.h"
#include "qt/qt_host.h"
#include "qt/qt_translation.h"
#include "qt/text_codec.h"
#include "shell/lock_keys.h"
#include "shell/shell_log.h"
#include "shell/toolbar_icons.h"

namespace purso {
namespace {

// How long a notice of an account stays in the status bar.
constexpr int kNoticeMs = 10000;

}  // namespace

QString MainWindowTitle(const QString& accountName, TitleForm form) {
  const QString title = FromAccountText(kMainWindowTitle);
  if (accountName.isEmpty()) return title;
  // A maximized account window shows its name in brackets, as the desktop's
  // multiple-document windows do; Qt adds nothing to a title that has it.
  return title + QStringLiteral(" - ") +
         (form == TitleForm::kMaximized ? QStringLiteral("[%1]").arg(accountName) : accountName);
}

CpursoMainFrame::CpursoMainFrame(CQtHost& host, CRecentFileList& recentFiles, ISettingsStore& settings)
    : host_(host),
      recentFiles_(recentFiles),
      settings_(settings),
      safekeeping_(DefaultPrivateRoot(), settings),
      mdi_(new QMdiArea(this)),
      lockKeys_(new CLockKeys(this)) {
  setObjectName(QStringLiteral("CpursoMainFrame"));
  setWindowTitle(MainWindowTitle({}));
  setAcceptDrops(true);
  mdi_->setObjectName(QStringLiteral("MdiArea"));
  mdi_->setViewMode(QMdiArea::SubWindowView);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  CreateActions();
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  UpdateFrame();
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { UpdateFrame(); });
  connect(lockKeys_, &CLockKeys::Changed, this, [this] { UpdateIndicators(); });
}

CpursoMainFrame::~CpursoMainFrame() {
  // The child windows go when the QWidget part of this window goes; by then
  // they must not call back into the frame.
  QObject::disconnect(mdi_, nullptr, this, nullptr);
  // Closed windows wait for their deletion and are no longer listed; find them all.
  for (CpursoChildFrame* child : mdi_->findChildren<CpursoChildFrame*>()) {
    QObject::disconnect(child, nullptr, this, nullptr);
  }
}

void CpursoMainFrame::BuildToolBar() {
  auto* toolbar = addToolBar(UiText("MainFrame", "Toolbar"));
  toolbar->setObjectName(QStringLiteral("Toolbar"));
  toolbar->setIconSize(QSize(16, 15));
  toolbar->setMovable(true);
  toolbar->setAllowedAreas(Qt::AllToolBarAreas);
  for (int command : ToolbarCommands()) {
    if (command == 0) {
      toolbar->addSeparator();
    } else {
      toolbar->addAction(actions_.value(command));
    }
  }
}

void CpursoMainFrame::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar"));
  // The message pane falls back to the idle prompt whenever a prompt ends.
  connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
    if (message.isEmpty()) bar->showMessage(UiText("Prompt", kIdlePrompt));
  });
  bar->showMessage(UiText("Prompt", kIdlePrompt));
  const char* names[3] = {"CAP", "NUM", "SCRL"};
  const QString shown[3] = {UiText("StatusBar", "CAP"), UiText("StatusBar", "NUM"), UiText("StatusBar", "SCRL")};
  int width = 0;
  for (const QString& text : shown) width = std::max(width, bar->fontMetrics().horizontalAdvance(text));
  for (int i = 0; i < 3; ++i) {
    indicators_[i] = new QLabel(shown[i], bar);
    indicators_[i]->setObjectName(QLatin1String(names[i]));
    indicators_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    indicators_[i]->setAlignment(Qt::AlignCenter);
    indicators_[i]->setMinimumWidth(width + 12);
    bar->addPermanentWidget(indicators_[i]);
  }
  UpdateIndicators();
}

void CpursoMainFrame::UpdateIndicators() {
  const LockKey keys[3] = {LockKey::kCapsLock, LockKey::kNumLock, LockKey::kScrollLock};
  for (int i = 0; i < 3; ++i) indicators_[i]->setEnabled(lockKeys_->IsOn(keys[i]));
}

void CpursoMainFrame::UpdateFrame() {
  ShowMenuBar();
  ClearWindowList();
  CpursoChildFrame* child = ActiveChild();
  setWindowTitle(child == nullptr ? MainWindowTitle({})
                                  : MainWindowTitle(QString::fromStdString(child->Document().Title()),
                                                    child->isMaximized() ? TitleForm::kMaximized : TitleForm::kNormal));
  qCInfo(lcShell).noquote() << "main window title:" << windowTitle();
  UpdateCommandStates();
}

void CpursoMainFrame::UpdateCommandStates() {
  CpursoChildFrame* child = ActiveChild();
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
    const int command = it.key();
    if (command >= command_id::kRecentFileFirst &&
        command < command_id::kRecentFileFirst + command_id::kRecentFileCount) {
      continue;
    }
    const std::optional<bool> own = IsFrameCommandEnabled(command);
    const std::optional<CommandState> state =
        own || child == nullptr ? std::nullopt : child->View().QueryCommand(command);
    it.value()->setEnabled(own ? *own : state && state->enabled);
    // Undo and Redo name the step they would take.
    if (state && !state->caption.empty()) it.value()->setText(FromAccountText(state->caption));
  }
}

std::optional<bool> CpursoMainFrame::IsFrameCommandEnabled(int command) const {
  const bool accountOpen = ActiveChild() != nullptr;
  if (command >= command_id::kRecentFileFirst &&
      command < command_id::kRecentFileFirst + command_id::kRecentFileCount) {
    return true;
  }
  switch (command) {
    case command_id::kFileNew:
    case command_id::kFileOpen:
    case command_id::kAppExit:
    case command_id::kAppAbout:
    case command_id::kHelpIndex:
    case command_id::kBackups:
      return true;
    case command_id::kRestoreVersion:
      // Versions are kept of saved accounts only.
      return accountOpen && !ActiveChild()->Document().PathName().empty();
    case command_id::kFileClose:
    case command_id::kFileSave:
    case command_id::kFileSaveAs:
    case command_id::kImportStatement:
    case command_id::kExportYear:
    case command_id::kExportChart:
    case command_id::kPrintChart:
    case command_id::kPrintPreview:
    case command_id::kWindowArrange:
    case command_id::kWindowCascade:
    case command_id::kWindowTile:
      return accountOpen;
    case account_view::kHelp:
      // F1 opens the help index while no account is open, the view's page otherwise.
      if (!accountOpen) return true;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool CpursoMainFrame::IsCommandEnabled(int command) const {
  if (const std::optional<bool> own = IsFrameCommandEnabled(command)) return *own;
  // The rest belong to the active account: its view says for its own and
  // asks its document for the others.
  CpursoChildFrame* child = ActiveChild();
  if (child == nullptr) return false;
  const std::optional<CommandState> state = child->View().QueryCommand(command);
  return state && state->enabled;
}

CpursoChildFrame* CpursoMainFrame::ActiveChild() const {
  auto* active = qobject_cast<CpursoChildFrame*>(mdi_->activeSubWindow());
  if (active != nullptr) return active;
  // While the main window is inactive (a dialog is up) QMdiArea reports no
  // active window; the current one is still the one the user works in.
  return qobject_cast<CpursoChildFrame*>(mdi_->currentSubWindow());
}

QList<CpursoChildFrame*> CpursoMainFrame::Children() const {
  QList<CpursoChildFrame*> children;
  for (QMdiSubWindow* window : mdi_->subWindowList()) {
    if (auto* child = qobject_cast<CpursoChildFrame*>(window)) children.append(child);
  }
  return children;
}

void CpursoMainFrame::AddChild(std::unique_ptr<CpursoPXFDoc> document) {
  auto* child = new CpursoChildFrame(std::move(document), *this);
  mdi_->addSubWindow(child);
  connect(child, &QObject::destroyed, this, [this] { UpdateFrame(); });
  connect(child, &CpursoChildFrame::DocumentStateChanged, this, [this] { UpdateFrame(); });
  connect(child, &CpursoChildFrame::Notice, this,
          [this](const QString& text) { statusBar()->showMessage(text, kNoticeMs); });
  connect(child, &QMdiSubWindow::windowStateChanged, this, [this] { UpdateFrame(); });
  child->showMaximized();
  mdi_->setActiveSubWindow(child);
  UpdateFrame();
}

void CpursoMainFrame::OnCommand(int command) {
  if (!IsCommandEnabled(command)) return;
  CpursoChildFrame* child = ActiveChild();
  using namespace command_id;
  if (command >= kRecentFileFirst && command < kRecentFileFirst + kRecentFileCount) {
    OpenRecentFile(command - kRecentFileFirst);
    return;
  }
  switch (command) {
    case kFileNew:
      NewDocument();
      return;
    case kFileOpen: {
      const QString path = QFileDialog::getOpenFileName(this, UiText("FileDialogs", "Open"), QString(),
                                                        UiText("FileDialogs", kFileFilter));
      if (!path.isEmpty()) OpenDocument(path);
      return;
    }
    case kFileClose:
      CloseActive();
      return;
    case kFileSave:
      Save(child->Document());
      return;
    case kFileSaveAs:
      SaveAs(child->Document());
      return;
    case kImportStatement:
      ImportStatement(child->Document());
      UpdateFrame();
      return;
    case kExportYear:
      ExportYear(child->Document());
      return;
    case kExportChart:
      ExportChart(*child);
      return;
    case kPrintChart:
      PrintChart(*child, PrintKind::kPrint);
      return;
    case kPrintPreview:
      PrintChart(*child, PrintKind::kPreview);
      return;
    case kRestoreVersion:
      RestoreVersion(child->Document());
      return;
    case kBackups:
      EditBackups();
      return;
    case kWindowCascade:
      mdi_->cascadeSubWindows();
      return;
    case kWindowTile:
      mdi_->tileSubWindows();
      return;
    case kWindowArrange:
      ArrangeIcons();
      return;
    case kAppExit:
      close();
      return;
    case kHelpIndex:
      OpenHelpPage(host_, kHelpIndexPage);
      return;
    case account_view::kHelp:
      if (child == nullptr) {
        OpenHelpPage(host_, kHelpIndexPage);
        return;
      }
      break;
    case kAppAbout: {
      CAboutDialog about;
      host_.RunModal(about);
      return;
    }
    default:
      break;
  }
  // The view takes its own commands and passes the rest to its document.
  child->View().OnCommand(command);
  UpdateFrame();
}

void CpursoMainFrame::CloseActive() {
  if (CpursoChildFrame* child = ActiveChild()) child->close();
}

void CpursoMainFrame::ArrangeIcons() {
  // Minimized windows line up along the bottom edge of the area.
  int x = 0;
  for (QMdiSubWindow* window : mdi_->subWindowList()) {
    if (!window->isMinimized()) continue;
    const QSize size = window->size();
    window->move(x, mdi_->viewport()->height() - size.height());
    x += size.width();
  }
}

void CpursoMainFrame::closeEvent(QCloseEvent* event) {
  // Each account is asked about once; a cancel keeps the program running.
  for (CpursoChildFrame* child : Children()) {
    if (!child->close()) {
      event->ignore();
      return;
    }
  }
  event->accept();
}

}  // namespace purso
