#include "shell/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "app/account_view.h"
#include "app/recent_file_list.h"
#include "dialogs/about_dialog.h"
#include "platform/help_launcher.h"
#include "shell/lock_keys.h"
#include "shell/shell_log.h"
#include "qt/qt_host.h"
#include "qt/qt_locale.h"
#include "qt/text_codec.h"
#include "shell/toolbar_icons.h"

namespace purso {
namespace {

// The commands of the view: month buttons, toggles and its help.
bool IsViewCommand(int command) {
  return (command >= account_view::kFromMonth && command < account_view::kFromMonth + 12) ||
         (command >= account_view::kToMonth && command < account_view::kToMonth + 12) ||
         command == account_view::kBudgetToggle || command == account_view::kActualToggle ||
         command == account_view::kHelp;
}

QString CanonicalPath(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

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
  auto* toolbar = addToolBar(QStringLiteral("Toolbar"));
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
    if (message.isEmpty()) bar->showMessage(FromAccountText(kIdlePrompt));
  });
  bar->showMessage(FromAccountText(kIdlePrompt));
  const char* names[3] = {"CAP", "NUM", "SCRL"};
  for (int i = 0; i < 3; ++i) {
    indicators_[i] = new QLabel(QLatin1String(names[i]), bar);
    indicators_[i]->setObjectName(QLatin1String(names[i]));
    indicators_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    indicators_[i]->setAlignment(Qt::AlignCenter);
    indicators_[i]->setMinimumWidth(indicators_[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
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
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
    const int command = it.key();
    if (command >= command_id::kRecentFileFirst &&
        command < command_id::kRecentFileFirst + command_id::kRecentFileCount) {
      continue;
    }
    it.value()->setEnabled(IsCommandEnabled(command));
  }
}

bool CpursoMainFrame::IsCommandEnabled(int command) const {
  CpursoChildFrame* child = ActiveChild();
  if (command_id::IsAccountCommand(command)) return child != nullptr && child->Document().IsCommandAvailable(command);
  // F1 opens the view's page, or the help index while no account is open.
  if (command == account_view::kHelp) return true;
  if (IsViewCommand(command)) return child != nullptr;
  switch (command) {
    case command_id::kFileClose:
    case command_id::kFileSave:
    case command_id::kFileSaveAs:
    case command_id::kImportStatement:
    case command_id::kExportYear:
    case command_id::kWindowArrange:
    case command_id::kWindowCascade:
    case command_id::kWindowTile:
      return child != nullptr;
    default:
      return true;
  }
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
  connect(child, &QMdiSubWindow::windowStateChanged, this, [this] { UpdateFrame(); });
  child->showMaximized();
  mdi_->setActiveSubWindow(child);
  UpdateFrame();
}

void CpursoMainFrame::NewDocument() {
  auto document = std::make_unique<CpursoPXFDoc>(host_);
  // A new account writes dates and amounts as its user's locale does.
  document->Book().Settings() = DisplaySettingsOf();
  document->SetTitle(std::string(kNewDocumentBaseName) + std::to_string(++newDocumentCount_));
  AddChild(std::move(document));
}

CpursoChildFrame* CpursoMainFrame::FindChild(const QString& path) const {
  const QString wanted = CanonicalPath(path);
  for (CpursoChildFrame* child : Children()) {
    const std::string& own = child->Document().PathName();
    if (!own.empty() && CanonicalPath(QString::fromStdString(own)) == wanted) return child;
  }
  return nullptr;
}

bool CpursoMainFrame::OpenDocument(const QString& path) {
  if (CpursoChildFrame* open = FindChild(path)) {
    mdi_->setActiveSubWindow(open);
    return true;
  }
  const QString absolute = QFileInfo(path).absoluteFilePath();
  auto document = std::make_unique<CpursoPXFDoc>(host_);
  if (!document->OnOpenDocument(absolute.toStdString())) return false;
  recentFiles_.Add(absolute.toStdString());
  UpdateRecentFiles();
  AddChild(std::move(document));
  return true;
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
      const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), QString(), FromAccountText(kFileFilter));
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
      break;
    case kExportYear:
      ExportYear(child->Document());
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
  if (command_id::IsAccountCommand(command)) {
    child->Document().OnCommand(command);
  } else if (IsViewCommand(command)) {
    child->View().OnCommand(command);
  }
  UpdateFrame();
}

void CpursoMainFrame::OpenRecentFile(int index) {
  const auto& files = recentFiles_.Files();
  if (static_cast<std::size_t>(index) >= files.size()) return;
  const std::string path = files[static_cast<std::size_t>(index)];
  // A file that cannot be opened any more leaves the list.
  if (!OpenDocument(QString::fromStdString(path))) {
    recentFiles_.Remove(path);
    UpdateRecentFiles();
  }
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

bool CpursoMainFrame::Save(CpursoPXFDoc& document) {
  if (document.PathName().empty()) return SaveAs(document);
  if (!document.OnSaveDocument(document.PathName())) return false;
  recentFiles_.Add(document.PathName());
  UpdateRecentFiles();
  UpdateFrame();
  return true;
}

bool CpursoMainFrame::SaveAs(CpursoPXFDoc& document) {
  const QString start = document.PathName().empty()
                            ? QString::fromStdString(document.Title()) + FromAccountText(kDefaultExtension)
                            : QString::fromStdString(document.PathName());
  // The document asks about replacing a file once it knows the name that
  // will really be written, the default extension added.
  const QString typed = QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), start, FromAccountText(kFileFilter),
                                                     nullptr, QFileDialog::DontConfirmOverwrite);
  if (typed.isEmpty()) return false;
  const std::optional<std::string> path = document.SaveAsTarget(QFileInfo(typed).absoluteFilePath().toStdString());
  if (!path || !document.OnSaveDocument(*path)) return false;
  recentFiles_.Add(document.PathName());
  UpdateRecentFiles();
  for (CpursoChildFrame* child : Children()) {
    if (&child->Document() == &document) child->UpdateTitle();
  }
  UpdateFrame();
  return true;
}

bool CpursoMainFrame::SaveModified(CpursoPXFDoc& document) {
  if (!document.IsModified()) return true;
  QString question = FromAccountText(kSaveChangesQuestion);
  question.replace(QStringLiteral("%1"), QString::fromStdString(document.Title()));
  QMessageBox box(QMessageBox::Warning, FromAccountText(kApplicationTitle), question,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
  box.setObjectName(QStringLiteral("SaveChangesQuestion"));
  box.setDefaultButton(QMessageBox::Yes);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Save(document);
    case QMessageBox::No:
      return true;
    default:
      return false;
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

void CpursoMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CpursoMainFrame::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) OpenDocument(url.toLocalFile());
  }
  event->acceptProposedAction();
}

}  // namespace purso
