#include "qt/qt_dialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QResizeEvent>
#include <QScreen>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_layout.h"
#include "platform/shown_text.h"
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

namespace {

std::string SizeKey(const DialogResource& resource) { return std::to_string(resource.id); }

// "width height" as the settings keep it; nothing for a text that is not.
std::optional<QSize> ReadSize(const std::string& text) {
  const QStringList parts = QString::fromStdString(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  bool wide = false;
  bool high = false;
  if (parts.size() != 2) return std::nullopt;
  const QSize size(parts[0].toInt(&wide), parts[1].toInt(&high));
  if (!wide || !high) return std::nullopt;
  return size;
}

}  // namespace

CQtDialog::CQtDialog(CDialogLogic& logic, QWidget* parent, ISettingsStore* sizes)
    : QDialog(parent), logic_(logic), sizes_(sizes) {
  const DialogResource& resource = logic.Resource();
  setObjectName(QString::number(resource.id));
  setWindowTitle(FromAccountText(ShownText(resource, resource.title)));
  setModal(true);
  const QFont font = DialogFont(resource);
  setFont(font);
  const auto geometry = [font, &resource](const ControlResource& control) {
    if (resource.units == LayoutUnits::kPixels) return QRect(control.x, control.y, control.width, control.height);
    return DialogUnitsToPixels(font, control.x, control.y, control.width, control.height);
  };
  baseSize_ =
      geometry(ControlResource{ControlKind::kLabel, kNoControlId, "", 0, 0, resource.width, resource.height}).size();
  binding_ = new CQtControlBinding(*this, logic, geometry, [this] {
    if (logic_.Controls().IsEnded()) done(logic_.Controls().Result());
  });
  if (!IsResizable(resource)) {
    setFixedSize(baseSize_);
    return;
  }
  for (const QWidget* widget : binding_->AllWidgets()) {
    const QRect box = widget->geometry();
    baseBoxes_.push_back(PixelRect{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()});
  }
  setSizeGripEnabled(true);
  setMinimumSize(baseSize_);
  QSize size = baseSize_;
  if (sizes_ != nullptr) {
    if (const auto kept = sizes_->Read(kDialogSizesSection, SizeKey(resource))) size = ReadSize(*kept).value_or(size);
  }
  // Never larger than the screen it opens on, never smaller than the resource.
  if (const QScreen* screen = parent != nullptr ? parent->screen() : QApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size());
  }
  resize(size.expandedTo(baseSize_));
}

CQtDialog::~CQtDialog() = default;

QWidget* CQtDialog::Widget(int controlId) const { return binding_->Widget(controlId); }

void CQtDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (baseBoxes_.empty()) return;
  const std::vector<PixelRect> boxes =
      GrownLayout(logic_.Resource().controls, baseBoxes_, std::max(0, width() - baseSize_.width()),
                  std::max(0, height() - baseSize_.height()));
  const QList<QWidget*>& widgets = binding_->AllWidgets();
  for (qsizetype i = 0; i < widgets.size(); ++i) {
    const PixelRect& box = boxes[static_cast<std::size_t>(i)];
    widgets[i]->setGeometry(box.left, box.top, box.Width(), box.Height());
  }
}

void CQtDialog::done(int result) {
  if (sizes_ != nullptr && !baseBoxes_.empty()) {
    sizes_->Write(kDialogSizesSection, SizeKey(logic_.Resource()),
                  std::to_string(width()) + ' ' + std::to_string(height()));
  }
  QDialog::done(result);
}

void CQtDialog::reject() {
  binding_->Dispatch([this] { logic_.OnCommand(kCommandCancel); });
}

}  // namespace purso
