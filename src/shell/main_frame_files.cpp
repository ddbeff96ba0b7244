// CpursoMainFrame: the account files: new, open (from the menu, the recent
// files, the desktop or a drop), save, save as, and the question before an
// account closes.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMimeData>
#include <QUrl>

#include "app/recent_file_list.h"
#include "qt/qt_host.h"
#include "qt/qt_locale.h"
#include "qt/qt_translation.h"
#include "qt/text_codec.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"
#include "shell/shell_log.h"

namespace purso {

std::unique_ptr<CpursoPXFDoc> CpursoMainFrame::MakeDocument() {
  auto document = std::make_unique<CpursoPXFDoc>(host_);
  document->SetSafekeeping(&safekeeping_);
  return document;
}

void CpursoMainFrame::NewDocument() {
  auto document = MakeDocument();
  // A new account writes dates and amounts as its user's locale does.
  document->Book().Settings() = DisplaySettingsOf();
  document->SetTitle(std::string(kNewDocumentBaseName) + std::to_string(++newDocumentCount_));
  AddChild(std::move(document));
}

CpursoChildFrame* CpursoMainFrame::FindChild(const QString& path) const {
  // The same file under any of its names, hard links included.
  const std::string wanted = QFileInfo(path).absoluteFilePath().toStdString();
  for (CpursoChildFrame* child : Children()) {
    if (child->Document().IsOpenAs(wanted)) return child;
  }
  return nullptr;
}

bool CpursoMainFrame::OpenDocument(const QString& path) {
  if (CpursoChildFrame* open = FindChild(path)) {
    mdi_->setActiveSubWindow(open);
    return true;
  }
  const QString absolute = QFileInfo(path).absoluteFilePath();
  auto document = MakeDocument();
  if (!document->OnOpenDocument(absolute.toStdString())) return false;
  recentFiles_.Add(absolute.toStdString());
  UpdateRecentFiles();
  AddChild(std::move(document));
  return true;
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

bool CpursoMainFrame::Save(CpursoPXFDoc& document) {
  if (document.PathName().empty()) return SaveAs(document);
  if (!document.OnSaveDocument(document.PathName())) return false;
  recentFiles_.Add(document.PathName());
  UpdateRecentFiles();
  UpdateFrame();
  return true;
}

bool CpursoMainFrame::SaveAs(CpursoPXFDoc& document) {
  QString name = QString::fromStdString(document.SaveAsProposal());
  // The document asks about replacing a file once it knows the name that
  // will really be written, the default extension added; No to that brings
  // the file dialog back with the name as typed.
  std::optional<std::string> path;
  while (!path) {
    name = QFileDialog::getSaveFileName(this, UiText("FileDialogs", "Save As"), name,
                                        UiText("FileDialogs", kFileFilter), nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) return false;
    path = document.SaveAsTarget(QFileInfo(name).absoluteFilePath().toStdString());
  }
  if (!document.OnSaveDocument(*path)) return false;
  recentFiles_.Add(document.PathName());
  UpdateRecentFiles();
  for (CpursoChildFrame* child : Children()) {
    if (&child->Document() == &document) child->UpdateTitle();
  }
  UpdateFrame();
  return true;
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
