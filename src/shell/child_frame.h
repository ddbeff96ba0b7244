// CpursoChildFrame: the child window of one open account.
//
// It owns the account's document, the view's logic and the widget that
// shows it, for as long as the window is open. Closing it asks whether to
// save a modified account; the answer "Cancel", or a save that fails,
// keeps it open.
#pragma once

#include <QMdiSubWindow>

#include <memory>

#include "app/purso_document.h"

namespace purso {

class CpursoPXFView;
class CAccountViewWidget;

// How the frame saves an account; the main window provides it.
class IDocumentSaver {
 public:
  virtual ~IDocumentSaver() = default;
  // Saves the document under its name, or asks for one; false when not saved.
  virtual bool Save(CpursoPXFDoc& document) = 0;
};

class CpursoChildFrame final : public QMdiSubWindow, private IDocumentView {
  Q_OBJECT

 public:
  CpursoChildFrame(std::unique_ptr<CpursoPXFDoc> document, IDocumentSaver& saver);
  ~CpursoChildFrame() override;

  CpursoPXFDoc& Document() { return *document_; }
  CpursoPXFView& View() { return *view_; }
  CAccountViewWidget& ViewWidget() { return *viewWidget_; }

  // Shows the document's title again, after it was saved under a new name.
  void UpdateTitle();

 signals:
  // The document's name or modified state may have changed.
  void DocumentStateChanged();
  // Something the user should know in passing, for the status bar.
  void Notice(const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnDocumentChanged() override;
  void OnDocumentNotice(std::string_view text) override;

  std::unique_ptr<CpursoPXFDoc> document_;
  std::unique_ptr<CpursoPXFView> view_;
  CAccountViewWidget* viewWidget_;
  IDocumentSaver& saver_;
};

}  // namespace purso
