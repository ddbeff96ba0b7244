#include "qt/qt_control_binding.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSignalBlocker>

#include "platform/control_names.h"
#include "platform/shown_text.h"
#include "qt/heading_button.h"
#include "qt/list_view.h"
#include "qt/qt_list_model.h"
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
    inOrder_.append(widget);
    if (control.Has(control_style::kDisabled)) widget->setEnabled(false);
    if (control.kind == ControlKind::kGroupBox) frames.append(widget);
    if (control.id != kNoControlId) {
      widgets_.insert(control.id, widget);
      ids_.insert(widget, control.id);
      Connect(control, widget);
    }
  }
  // Group boxes are frames behind the controls they surround, not their parents.
  for (QWidget* frame : frames) frame->lower();
  NameByLabels();
}

void CQtControlBinding::NameByLabels() {
  const DialogResource& resource = logic_.Resource();
  for (std::size_t i = 0; i < resource.controls.size(); ++i) {
    const std::string name = ControlName(resource, i);
    QWidget* control = inOrder_[static_cast<qsizetype>(i)];
    if (!name.empty()) control->setAccessibleName(FromAccountText(name));
    // A label's key moves the focus to the first control it names (a label
    // that orders a list is a heading button, with no key of its own).
    if (const std::optional<std::size_t> naming = NamingLabel(resource, i)) {
      auto* label = qobject_cast<QLabel*>(inOrder_[static_cast<qsizetype>(*naming)]);
      if (label != nullptr && label->buddy() == nullptr) label->setBuddy(control);
    }
  }
}

QWidget* CQtControlBinding::CreateWidget(const ControlResource& control, QButtonGroup*& group) {
  using namespace control_style;
  const std::string shown = ShownText(logic_.Resource(), control.caption);
  const QString caption = FromAccountText(shown);
  switch (control.kind) {
    case ControlKind::kLabel: {
      if (control.Has(kHeading)) return new CHeadingButton(caption, &parent_);
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
      auto* text = new QPlainTextEdit(MultiLine(shown), &parent_);
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
      const ListRows rows = control.kind == ControlKind::kColumnList ? ListRows::kColumns : ListRows::kPlain;
      auto* model = new CQtListModel(logic_.Controls(), control.id, rows, nullptr);
      lists_.insert(control.id, model);
      const ListSelection selection =
          control.Has(control_style::kMultiSelect) ? ListSelection::kMany : ListSelection::kOne;
      auto* list = new CListView(*model, selection, &parent_);
      model->setParent(list);
      return list;
    }
    case ControlKind::kDropDownList: {
      auto* combo = new QComboBox(&parent_);
      auto* model = new CQtListModel(logic_.Controls(), control.id, ListRows::kPlain, combo);
      lists_.insert(control.id, model);
      combo->setModel(model);
      combo->setEditable(false);
      combo->setMaxVisibleItems(12);
      combo->setCurrentIndex(-1);
      return combo;
    }
  }
  return new QWidget(&parent_);
}

void CQtControlBinding::Connect(const ControlResource& control, QWidget* widget) {
  CControlModel& controls = logic_.Controls();
  const int id = control.id;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    const bool live = control.Has(control_style::kLiveText);
    connect(edit, &QLineEdit::textEdited, this, [this, &controls, id, live](const QString& text) {
      controls.ApplyText(id, ToAccountText(text), UnstorableCharacters(text));
      if (live) Dispatch([this, id] { logic_.OnTextChange(id); });
    });
    if (control.Has(control_style::kFindKey)) {
      // The Find key reaches the field from anywhere in the window; Enter in
      // it goes to the logic as the field's command, not to the default button.
      auto* find = new QShortcut(QKeySequence::Find, &parent_);
      connect(find, &QShortcut::activated, edit, [edit] {
        edit->setFocus(Qt::ShortcutFocusReason);
        edit->selectAll();
      });
      edit->installEventFilter(this);
    }
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    connect(button, &QAbstractButton::clicked, this, [this, &controls, id, button] {
      if (button->isCheckable()) controls.ApplyChecked(id, button->isChecked());
      Dispatch([this, id] { logic_.OnCommand(id); });
    });
  } else if (auto* list = qobject_cast<CListView*>(widget)) {
    // The highlighted row is the selection: whatever changes it (a click, a
    // key, type-ahead) reaches the model; the current row alone does not.
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, id, list] { OnUserSelection(id, list->SelectedRow(), list->SelectedRows()); });
    connect(list, &QAbstractItemView::doubleClicked, this,
            [this, id](const QModelIndex&) { Dispatch([this, id] { logic_.OnDoubleClick(id); }); });
    if (control.Has(control_style::kEnterOpens)) list->installEventFilter(this);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    // The shown item is the selection, whichever way the user changed it
    // (the popup, arrow keys, the wheel, type-ahead).
    connect(combo, &QComboBox::currentIndexChanged, this, [this, id](int index) { OnUserSelection(id, index); });
  }
}

void CQtControlBinding::OnUserSelection(int controlId, int row, std::optional<std::vector<int>> rows) {
  if (showingSelection_) return;
  CControlModel& controls = logic_.Controls();
  if (row == controls.GetSelection(controlId) && (!rows || *rows == controls.SelectedItems(controlId))) return;
  if (handlers_ > 0) {
    // No user acts on these controls while a handler runs (any dialog it
    // opens is modal): the widget moved by itself, as a view does when the
    // focus comes to it. The model's selection stands.
    ShowSelection(controlId);
    return;
  }
  if (rows) {
    controls.ApplySelectedItems(controlId, row, std::move(*rows));
  } else {
    controls.ApplySelection(controlId, row);
  }
  Dispatch([this, controlId] { logic_.OnSelectionChange(controlId); });
}

bool CQtControlBinding::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto key = static_cast<QKeyEvent*>(event)->key();
    const auto found = ids_.constFind(static_cast<QWidget*>(watched));
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && found != ids_.constEnd()) {
      const int id = found.value();
      if (qobject_cast<QLineEdit*>(watched) != nullptr) {
        Dispatch([this, id] { logic_.OnCommand(id); });
        return true;
      }
      if (logic_.Controls().GetSelection(id) != CControlModel::kNoSelection) {
        Dispatch([this, id] { logic_.OnDoubleClick(id); });
        return true;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

void CQtControlBinding::Dispatch(const std::function<void()>& handler) {
  if (logic_.Controls().IsEnded()) return;
  {
    const QScopedValueRollback running(handlers_, handlers_ + 1);
    handler();
  }
  if (afterHandler_) afterHandler_();
}

void CQtControlBinding::OnApplicationFocus(QWidget* now) {
  // Focus moved by the user (Tab, a click) is part of the model too.
  for (QWidget* widget = now; widget != nullptr && widget != &parent_; widget = widget->parentWidget()) {
    const auto found = ids_.constFind(widget);
    if (found != ids_.constEnd()) {
      logic_.Controls().ApplyFocus(found.value());
      ShowEnterButton(found.value());
      return;
    }
  }
}

void CQtControlBinding::ShowEnterButton(int focus) {
  const DialogResource& resource = logic_.Resource();
  // A focused push button takes Enter itself; so does a list that opens its row.
  if (resource.enterRoutes.empty() || logic_.Controls().KindOf(focus) == ControlKind::kPushButton) return;
  if (auto* button = qobject_cast<QPushButton*>(Widget(resource.EnterButton(focus)))) {
    if (!button->isDefault()) button->setDefault(true);
  }
}

void CQtControlBinding::OnControlChanged(const ControlChange& change) {
  const int controlId = change.controlId;
  QWidget* widget = Widget(controlId);
  if (widget == nullptr) return;
  const CControlModel& controls = logic_.Controls();
  switch (change.aspect) {
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
    case ControlAspect::kItemsReset:
    case ControlAspect::kItemInserted:
    case ControlAspect::kItemRemoved:
      ShowItems(change);
      break;
    case ControlAspect::kSelection:
      ShowSelection(controlId);
      break;
    case ControlAspect::kFocus:
      ShowFocus(controlId);
      break;
    case ControlAspect::kSortMark:
      if (auto* heading = qobject_cast<CHeadingButton*>(widget)) heading->SetMark(controls.GetSortMark(controlId));
      break;
    case ControlAspect::kItemInSight:
      if (auto* list = qobject_cast<CListView*>(widget))
        list->scrollTo(list->model()->index(static_cast<int>(change.item), 0));
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

void CQtControlBinding::ShowItems(const ControlChange& change) {
  CQtListModel* model = lists_.value(change.controlId);
  if (model == nullptr) return;
  {
    // The view moves its own current row when rows come and go; the control
    // model's selection is the one that counts, and is shown again below.
    const QScopedValueRollback guard(showingSelection_, true);
    const int row = static_cast<int>(change.item);
    switch (change.aspect) {
      case ControlAspect::kItemInserted:
        model->Inserted(row);
        break;
      case ControlAspect::kItemRemoved:
        model->Removed(row);
        break;
      default:
        model->Reset();
        break;
    }
  }
  ShowSelection(change.controlId);
}

void CQtControlBinding::ShowSelection(int controlId) {
  QWidget* widget = Widget(controlId);
  CQtListModel* model = lists_.value(controlId);
  if (model == nullptr) return;
  const QScopedValueRollback guard(showingSelection_, true);
  const int selection = logic_.Controls().GetSelection(controlId);
  if (auto* list = qobject_cast<CListView*>(widget)) {
    list->ShowSelectedRows(selection, logic_.Controls().SelectedItems(controlId));
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setCurrentIndex(selection);
  }
}

void CQtControlBinding::ShowFocus(int controlId) {
  QWidget* widget = Widget(controlId);
  widget->setFocus(Qt::TabFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
}

}  // namespace purso
