#include "shell/child_frame.h"

#include <QCloseEvent>

#include "app/account_view.h"
#include "shell/account_view_widget.h"

namespace purso {

CpursoChildFrame::CpursoChildFrame(std::unique_ptr<CpursoPXFDoc> document, IDocumentSaver& saver)
    : document_(std::move(document)), view_(std::make_unique<CpursoPXFView>(*document_)), saver_(saver) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("CpursoChildFrame"));
  viewWidget_ = new CAccountViewWidget(*view_, this);
  setWidget(viewWidget_);
  document_->AddView(*this);
  UpdateTitle();
}

CpursoChildFrame::~CpursoChildFrame() {
  document_->RemoveView(*this);
  // The widget reaches into the view, which goes with this object's members.
  delete viewWidget_;
}

void CpursoChildFrame::UpdateTitle() { setWindowTitle(QString::fromStdString(document_->Title())); }

void CpursoChildFrame::closeEvent(QCloseEvent* event) {
  if (!saver_.SaveModified(*document_)) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
}

void CpursoChildFrame::OnDocumentChanged() { emit DocumentStateChanged(); }

}  // namespace purso
