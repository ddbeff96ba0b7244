// CQtControlBinding: real widgets for a control model, bound to its logic.
//
// Builds one widget per control of the logic's resource inside a parent
// widget, at the position the geometry function gives, named after the
// control's id so that tests and tools can find it. The widgets follow the
// control model through its observer; what the user does goes into the
// model and then to the logic (clicks, list and drop-down selection changes,
// double-clicks); the keyboard focus goes where the logic puts it. After
// each handler the binding calls back its owner, which may close a dialog.
#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QRect>

#include <functional>

#include "platform/control_logic.h"

class QButtonGroup;
class QWidget;

namespace purso {

class CQtControlBinding final : public QObject, private IControlObserver {
  Q_OBJECT

 public:
  using Geometry = std::function<QRect(const ControlResource&)>;

  // The parent holds the widgets; both it and the logic outlive the binding.
  CQtControlBinding(QWidget& parent, CControlLogic& logic, Geometry geometry, std::function<void()> afterHandler);
  ~CQtControlBinding() override;

  // The widget of a control; nullptr for an unknown id.
  QWidget* Widget(int controlId) const { return widgets_.value(controlId); }

  // Runs one handler of the logic, then the owner's follow-up; nothing once
  // the model has ended.
  void Dispatch(const std::function<void()>& handler);

 private:
  void Build(const Geometry& geometry);
  QWidget* CreateWidget(const ControlResource& control, QButtonGroup*& group);
  void Connect(int controlId, QWidget* widget);
  void OnControlChanged(int controlId, ControlAspect aspect) override;
  void ShowText(int controlId);
  void ShowItems(int controlId);
  void ShowSelection(int controlId);
  void ShowFocus(int controlId);
  void OnApplicationFocus(QWidget* now);

  QWidget& parent_;
  CControlLogic& logic_;
  std::function<void()> afterHandler_;
  QHash<int, QWidget*> widgets_;
  QHash<QWidget*, int> ids_;
};

}  // namespace purso
