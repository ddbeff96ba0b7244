#include "qt/qt_control_binding.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "qt/column_list_delegate.h"
#include "qt/text_codec.h"

namespace purso {
namespace {

// Multi-line texts separate their lines with CR LF; the widgets want LF.
QString MultiLine(std::string_view text) {
  QString result = FromAccountText(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

}  // namespace

CQtControlBinding::CQtControlBinding(QWidget& parent, CControlLogic& logic, Geometry geometry,
                                     std::function<void()> afterHandler)
    : QObject(&parent), parent_(parent), logic_(logic), afterHandler_(std::move(afterHandler)) {
  Build(geometry);
  logic_.Controls().SetObserver(this);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnApplicationFocus(now); });
}

CQtControlBinding::~CQtControlBinding() { logic_.Controls().SetObserver(nullptr); }

void CQtControlBinding::Build(const Geometry& geometry) {
  QButtonGroup* group = nullptr;
  QList<QWidget*> frames;
  for (const ControlResource& control : logic_.Resource().controls) {
    QWidget* widget = CreateWidget(control, group);
    widget->setObjectName(QString::number(control.id));
    widget->setGeometry(geometry(control));
    if (control.Has(control_style::kDisabled)) widget->setEnabled(false);
    if (control.kind == ControlKind::kGroupBox) frames.append(widget);
    if (control.id != kNoControlId) {
      widgets_.insert(control.id, widget);
      ids_.insert(widget, control.id);
      Connect(control.id, widget);
    }
  }
  // Group boxes are frames behind the controls they surround, not their parents.
  for (QWidget* frame : frames) frame->lower();
  for (auto it = widgets_.cbegin(); it != widgets_.cend(); ++it) {
    if (qobject_cast<QListWidget*>(it.value()) != nullptr || qobject_cast<QComboBox*>(it.value()) != nullptr) {
      ShowItems(it.key());
    }
  }
}

QWidget* CQtControlBinding::CreateWidget(const ControlResource& control, QButtonGroup*& group) {
  using namespace control_style;
  const QString caption = FromAccountText(control.caption);
  switch (control.kind) {
    case ControlKind::kLabel: {
      auto* label = new QLabel(caption, &parent_);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(control.Has(kWrap));
      Qt::Alignment alignment = Qt::AlignLeft;
      if (control.Has(kRight)) alignment = Qt::AlignRight;
      if (control.Has(kCenter)) alignment = Qt::AlignHCenter;
      label->setAlignment(alignment | (control.Has(kWrap) ? Qt::AlignTop : Qt::AlignVCenter));
      if (control.Has(kSunken)) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMargin(2);
      }
      return label;
    }
    case ControlKind::kGroupBox:
      return new QGroupBox(caption, &parent_);
    case ControlKind::kEdit: {
      auto* edit = new QLineEdit(caption, &parent_);
      edit->setReadOnly(control.Has(kReadOnly));
      return edit;
    }
    case ControlKind::kMultiLineText: {
      auto* text = new QPlainTextEdit(MultiLine(control.caption), &parent_);
      text->setReadOnly(control.Has(kReadOnly));
      text->setVerticalScrollBarPolicy(control.Has(kVScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
      return text;
    }
    case ControlKind::kPushButton: {
      auto* button = new QPushButton(caption, &parent_);
      button->setAutoDefault(true);
      button->setDefault(control.Has(kDefault));
      return button;
    }
    case ControlKind::kRadioButton: {
      auto* radio = new QRadioButton(caption, &parent_);
      if (control.Has(kGroup) || group == nullptr) group = new QButtonGroup(this);
      group->addButton(radio);
      radio->setChecked(logic_.Controls().IsChecked(control.id));
      return radio;
    }
    case ControlKind::kCheckBox: {
      if (control.Has(kPushLike)) {
        auto* toggle = new QPushButton(caption, &parent_);
        toggle->setCheckable(true);
        toggle->setAutoDefault(false);
        toggle->setChecked(logic_.Controls().IsChecked(control.id));
        return toggle;
      }
      auto* box = new QCheckBox(caption, &parent_);
      box->setChecked(logic_.Controls().IsChecked(control.id));
      return box;
    }
    case ControlKind::kList:
    case ControlKind::kColumnList: {
      auto* list = new QListWidget(&parent_);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      if (control.kind == ControlKind::kColumnList) MakeColumnList(*list);
      return list;
    }
    case ControlKind::kDropDownList: {
      auto* combo = new QComboBox(&parent_);
      combo->setEditable(false);
      combo->setMaxVisibleItems(12);
      return combo;
    }
  }
  return new QWidget(&parent_);
}

void CQtControlBinding::Connect(int id, QWidget* widget) {
  CControlModel& controls = logic_.Controls();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    connect(edit, &QLineEdit::textEdited, this,
            [&controls, id](const QString& text) { controls.ApplyText(id, ToAccountText(text)); });
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    connect(button, &QAbstractButton::clicked, this, [this, &controls, id, button] {
      if (button->isCheckable()) controls.ApplyChecked(id, button->isChecked());
      Dispatch([this, id] { logic_.OnCommand(id); });
    });
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    connect(list, &QListWidget::currentRowChanged, this, [this, &controls, id](int row) {
      controls.ApplySelection(id, row);
      Dispatch([this, id] { logic_.OnSelectionChange(id); });
    });
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this, id](QListWidgetItem*) { Dispatch([this, id] { logic_.OnDoubleClick(id); }); });
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    connect(combo, &QComboBox::activated, this, [this, &controls, id](int index) {
      controls.ApplySelection(id, index);
      Dispatch([this, id] { logic_.OnSelectionChange(id); });
    });
  }
}

void CQtControlBinding::Dispatch(const std::function<void()>& handler) {
  if (logic_.Controls().IsEnded()) return;
  handler();
  if (afterHandler_) afterHandler_();
}

void CQtControlBinding::OnApplicationFocus(QWidget* now) {
  // Focus moved by the user (Tab, a click) is part of the model too.
  for (QWidget* widget = now; widget != nullptr && widget != &parent_; widget = widget->parentWidget()) {
    const auto found = ids_.constFind(widget);
    if (found != ids_.constEnd()) {
      logic_.Controls().ApplyFocus(found.value());
      return;
    }
  }
}

void CQtControlBinding::OnControlChanged(int controlId, ControlAspect aspect) {
  QWidget* widget = Widget(controlId);
  if (widget == nullptr) return;
  const CControlModel& controls = logic_.Controls();
  switch (aspect) {
    case ControlAspect::kText:
      ShowText(controlId);
      break;
    case ControlAspect::kEnabled:
      widget->setEnabled(controls.IsEnabled(controlId));
      break;
    case ControlAspect::kChecked:
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const QSignalBlocker blocker(button);
        button->setChecked(controls.IsChecked(controlId));
      }
      break;
    case ControlAspect::kItems:
      ShowItems(controlId);
      break;
    case ControlAspect::kSelection:
      ShowSelection(controlId);
      break;
    case ControlAspect::kFocus:
      ShowFocus(controlId);
      break;
  }
}

void CQtControlBinding::ShowText(int controlId) {
  QWidget* widget = Widget(controlId);
  const std::string& text = logic_.Controls().GetText(controlId);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(FromAccountText(text));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(FromAccountText(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(FromAccountText(text));
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(FromAccountText(text));
  } else if (auto* pane = qobject_cast<QPlainTextEdit*>(widget)) {
    pane->setPlainText(MultiLine(text));
  }
}

void CQtControlBinding::ShowItems(int controlId) {
  QWidget* widget = Widget(controlId);
  const auto& items = logic_.Controls().Items(controlId);
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const std::string& item : items) list->addItem(FromAccountText(item));
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const std::string& item : items) combo->addItem(FromAccountText(item));
  }
  ShowSelection(controlId);
}

void CQtControlBinding::ShowSelection(int controlId) {
  QWidget* widget = Widget(controlId);
  const int selection = logic_.Controls().GetSelection(controlId);
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    const QSignalBlocker blocker(list);
    if (selection == CControlModel::kNoSelection) {
      list->setCurrentRow(-1);
      list->clearSelection();
    } else {
      list->setCurrentRow(selection);
      list->scrollToItem(list->item(selection));
    }
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(selection);
  }
}

void CQtControlBinding::ShowFocus(int controlId) {
  QWidget* widget = Widget(controlId);
  widget->setFocus(Qt::TabFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
}

}  // namespace purso
