#include "shell/child_frame.h"

#include <QCloseEvent>
#include <QTimer>

#include "app/account_view.h"
#include "qt/text_codec.h"
#include "shell/account_view_widget.h"

namespace purso {
namespace {

// How often the window lets its document write a recovery copy that is due.
constexpr int kRecoveryCheckMs = 5000;

}  // namespace

CpursoChildFrame::CpursoChildFrame(std::unique_ptr<CpursoPXFDoc> document, IDocumentSaver& saver)
    : document_(std::move(document)), view_(std::make_unique<CpursoPXFView>(*document_)), saver_(saver) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("CpursoChildFrame"));
  viewWidget_ = new CAccountViewWidget(*view_, this);
  setWidget(viewWidget_);
  document_->AddView(*this);
  UpdateTitle();
  // The document writes its recovery copy when one is due; the timer only
  // gives it the chance between commands.
  auto* recovery = new QTimer(this);
  connect(recovery, &QTimer::timeout, this, [this] { document_->KeepRecovery(); });
  recovery->start(kRecoveryCheckMs);
}

CpursoChildFrame::~CpursoChildFrame() {
  document_->RemoveView(*this);
  // The widget reaches into the view, which goes with this object's members.
  delete viewWidget_;
}

void CpursoChildFrame::UpdateTitle() { setWindowTitle(QString::fromStdString(document_->Title())); }

void CpursoChildFrame::closeEvent(QCloseEvent* event) {
  if (!document_->SaveModified([this] { return saver_.Save(*document_); })) {
    event->ignore();
    return;
  }
  // Saved or not as the user chose: a clean close keeps nothing to recover.
  document_->DiscardRecovery();
  QMdiSubWindow::closeEvent(event);
}

void CpursoChildFrame::OnDocumentChanged() { emit DocumentStateChanged(); }

void CpursoChildFrame::OnDocumentNotice(std::string_view text) { emit Notice(FromAccountText(text)); }

}  // namespace purso
