// CQtControlBinding: real widgets for a control model, bound to its logic.
//
// Builds one widget per control of the logic's resource inside a parent
// widget, at the position the geometry function gives, named after the
// control's id so that tests and tools can find it. The widgets follow the
// control model through its observer; what the user does goes into the
// model and then to the logic (clicks, list and drop-down selection changes,
// double-clicks); the keyboard focus goes where the logic puts it. Fields,
// lists and drop-downs are named for screen readers after their labels. After
// each handler the binding calls back its owner, which may close a dialog.
//
// Lists and drop-downs show the control model's own items through a
// CQtListModel, so a list of any length costs only its visible rows.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QRect>

#include <functional>
#include <optional>
#include <vector>

#include "platform/control_logic.h"

class QButtonGroup;
class QWidget;

namespace purso {

class CQtListModel;

class CQtControlBinding final : public QObject, private IControlObserver {
  Q_OBJECT

 public:
  using Geometry = std::function<QRect(const ControlResource&)>;

  // The parent holds the widgets; both it and the logic outlive the binding.
  CQtControlBinding(QWidget& parent, CControlLogic& logic, Geometry geometry, std::function<void()> afterHandler);
  ~CQtControlBinding() override;

  // The widget of a control; nullptr for an unknown id.
  QWidget* Widget(int controlId) const { return widgets_.value(controlId); }
  // Every control's widget, those without an id too, in the resource's order.
  const QList<QWidget*>& AllWidgets() const { return inOrder_; }

  // Runs one handler of the logic, then the owner's follow-up; nothing once
  // the model has ended.
  void Dispatch(const std::function<void()>& handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build(const Geometry& geometry);
  // Names the fields, lists and drop-downs for screen readers after their
  // labels (platform/control_names.h).
  void NameByLabels();
  QWidget* CreateWidget(const ControlResource& control, QButtonGroup*& group);
  void Connect(const ControlResource& control, QWidget* widget);
  void OnControlChanged(const ControlChange& change) override;
  void ShowText(int controlId);
  void ShowItems(const ControlChange& change);
  void ShowSelection(int controlId);
  void ShowFocus(int controlId);
  void OnApplicationFocus(QWidget* now);
  // Makes the button that Enter presses in the focused control's row the
  // default one, so that Enter and the button's frame agree.
  void ShowEnterButton(int focus);
  // The user's choice in a list or drop-down: the selected row and, from a
  // list, every selected row.
  void OnUserSelection(int controlId, int row, std::optional<std::vector<int>> rows = std::nullopt);

  QWidget& parent_;
  CControlLogic& logic_;
  std::function<void()> afterHandler_;
  QHash<int, QWidget*> widgets_;
  QList<QWidget*> inOrder_;
  QHash<QWidget*, int> ids_;
  QHash<int, CQtListModel*> lists_;
  // Set while the binding itself moves a list's selection, so that the
  // view's echo of it is not taken for the user's choice.
  bool showingSelection_ = false;
  // The handlers of the logic running now (one, or more when a handler's
  // change starts another).
  int handlers_ = 0;
};

}  // namespace purso
