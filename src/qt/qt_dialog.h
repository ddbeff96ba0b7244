// CQtDialog: a modal QDialog built from a dialog resource and bound to its logic.
//
// The controls are laid out in dialog units turned into pixels by the
// dialog font. Enter presses the default button; Escape and the close box
// send command 2 to the logic instead of closing. The dialog closes when a
// handler of the logic has ended it.
//
// A dialog that holds a list can be resized, down to the size of its
// resource: the controls follow GrownLayout (platform/dialog_layout.h). When
// it is given a settings store it opens at the size it had when it last
// closed, kept per dialog id in the section "Dialog Sizes".
#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>
#include <vector>

#include "platform/canvas.h"
#include "platform/dialog_logic.h"
#include "platform/settings_store.h"

namespace purso {

// Where the sizes of the resizable dialogs are kept in the settings store.
inline constexpr char kDialogSizesSection[] = "Dialog Sizes";

class CQtControlBinding;

// The font dialogs are laid out in: the resource's face when the desktop
// has it, else the desktop's own dialog font.
QFont DialogFont(const DialogResource& resource);

// A rectangle in dialog units as pixels of the given dialog font.
QRect DialogUnitsToPixels(const QFont& font, int x, int y, int width, int height);

class CQtDialog final : public QDialog {
  Q_OBJECT

 public:
  // sizes, when given, remembers the size of a resizable dialog; not owned.
  CQtDialog(CDialogLogic& logic, QWidget* parent, ISettingsStore* sizes = nullptr);
  ~CQtDialog() override;

  // The widget of a control; nullptr for an unknown id.
  QWidget* Widget(int controlId) const;

  void reject() override;
  void done(int result) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  CDialogLogic& logic_;
  CQtControlBinding* binding_;
  ISettingsStore* sizes_;
  QSize baseSize_;
  std::vector<PixelRect> baseBoxes_;  // of the controls at the resource's size, empty when fixed
};

}  // namespace purso
