// CQtDialog: a modal QDialog built from a dialog resource and bound to its logic.
//
// One widget per control, at the control's position (dialog units turned
// into pixels by the dialog font), named after the control's id so that
// tests and tools can find it. Widgets follow the control model through its
// observer; what the user does goes into the model and then to the logic:
// button clicks, Enter (the default button) and Escape or the close box
// (command 2), list and drop-down selection changes and double-clicks. The
// keyboard focus goes where the logic puts it. The dialog closes when a
// handler has ended it.
#pragma once

#include <QDialog>
#include <QFont>
#include <QHash>
#include <QPointer>
#include <QRect>

#include <functional>

#include "platform/dialog_logic.h"

class QButtonGroup;

namespace purso {

// The font dialogs are laid out in: the resource's face when the desktop
// has it, else the desktop's own dialog font.
QFont DialogFont(const DialogResource& resource);

// A rectangle in dialog units as pixels of the given dialog font.
QRect DialogUnitsToPixels(const QFont& font, int x, int y, int width, int height);

class CQtDialog final : public QDialog, private IControlObserver {
  Q_OBJECT

 public:
  CQtDialog(CDialogLogic& logic, QWidget* parent);
  ~CQtDialog() override;

  // The widget of a control; nullptr for an unknown id.
  QWidget* Widget(int controlId) const { return widgets_.value(controlId); }

  // Escape and the close box send command 2 instead of closing.
  void reject() override;

 private:
  void Build();
  QWidget* CreateWidget(const ControlResource& control, QButtonGroup*& group);
  void Connect(const ControlResource& control, QWidget* widget);
  // Runs one handler of the logic, then closes the dialog if it ended.
  void Dispatch(const std::function<void()>& handler);
  void OnControlChanged(int controlId, ControlAspect aspect) override;
  void ShowText(int controlId);
  void ShowItems(int controlId);
  void ShowSelection(int controlId);
  void ShowFocus(int controlId);
  void OnApplicationFocus(QWidget* now);

  CDialogLogic& logic_;
  QFont font_;
  QHash<int, QWidget*> widgets_;
  QHash<QWidget*, int> ids_;
};

}  // namespace purso
