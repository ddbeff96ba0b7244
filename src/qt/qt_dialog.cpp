#include "qt/qt_dialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>

#include "qt/qt_control_binding.h"
#include "qt/text_codec.h"

namespace purso {

QFont DialogFont(const DialogResource& resource) {
  const QString face = FromAccountText(resource.fontFace);
  if (!face.isEmpty() && QFontDatabase::hasFamily(face)) {
    QFont font(face);
    font.setPointSize(resource.fontPoints);
    return font;
  }
  // The faces of the old desktop are not here; the desktop's own dialog font
  // keeps the texts readable, and the dialog units scale the layout to it.
  return QApplication::font("QDialog");
}

QRect DialogUnitsToPixels(const QFont& font, int x, int y, int width, int height) {
  const QFontMetrics metrics(font);
  // The average character width of the font, measured over the alphabet.
  const int baseX =
      (metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 26 + 1) / 2;
  const int baseY = metrics.height();
  const auto scaleX = [baseX](int units) { return (units * baseX + 2) / 4; };
  const auto scaleY = [baseY](int units) { return (units * baseY + 4) / 8; };
  return QRect(scaleX(x), scaleY(y), scaleX(width), scaleY(height));
}

CQtDialog::CQtDialog(CDialogLogic& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
  const DialogResource& resource = logic.Resource();
  setObjectName(QString::number(resource.id));
  setWindowTitle(FromAccountText(resource.title));
  setModal(true);
  const QFont font = DialogFont(resource);
  setFont(font);
  const auto geometry = [font, &resource](const ControlResource& control) {
    if (resource.units == LayoutUnits::kPixels) return QRect(control.x, control.y, control.width, control.height);
    return DialogUnitsToPixels(font, control.x, control.y, control.width, control.height);
  };
  setFixedSize(geometry(ControlResource{ControlKind::kLabel, kNoControlId, "", 0, 0, resource.width, resource.height}).size());
  binding_ = new CQtControlBinding(*this, logic, geometry, [this] {
    if (logic_.Controls().IsEnded()) done(logic_.Controls().Result());
  });
}

CQtDialog::~CQtDialog() = default;

QWidget* CQtDialog::Widget(int controlId) const { return binding_->Widget(controlId); }

void CQtDialog::reject() {
  binding_->Dispatch([this] { logic_.OnCommand(kCommandCancel); });
}

}  // namespace purso
