// CQtDialog: a modal QDialog built from a dialog resource and bound to its logic.
//
// The controls are laid out in dialog units turned into pixels by the
// dialog font. Enter presses the default button; Escape and the close box
// send command 2 to the logic instead of closing. The dialog closes when a
// handler of the logic has ended it.
#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>

#include "platform/dialog_logic.h"

namespace purso {

class CQtControlBinding;

// The font dialogs are laid out in: the resource's face when the desktop
// has it, else the desktop's own dialog font.
QFont DialogFont(const DialogResource& resource);

// A rectangle in dialog units as pixels of the given dialog font.
QRect DialogUnitsToPixels(const QFont& font, int x, int y, int width, int height);

class CQtDialog final : public QDialog {
  Q_OBJECT

 public:
  CQtDialog(CDialogLogic& logic, QWidget* parent);
  ~CQtDialog() override;

  // The widget of a control; nullptr for an unknown id.
  QWidget* Widget(int controlId) const;

  void reject() override;

 private:
  CDialogLogic& logic_;
  CQtControlBinding* binding_;
};

}  // namespace purso
