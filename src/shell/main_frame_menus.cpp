// CpursoMainFrame: its actions, its two menu bars and the Window menu's list
// of the open accounts. Every action and menu is made once, when the window
// is made; opening and closing accounts only shows one menu bar or the
// other and lists the windows anew.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "app/recent_file_list.h"
#include "qt/qt_translation.h"
#include "qt/text_codec.h"
#include "shell/main_frame.h"
#include "shell/toolbar_icons.h"

namespace purso {
namespace {

QKeySequence KeyOf(const Accelerator& accelerator) {
  int key = accelerator.key >= kFunctionKey ? Qt::Key_F1 + (accelerator.key - kFunctionKey - 1)
                                            : Qt::Key_A + (accelerator.key - 'A');
  if ((accelerator.modifiers & key_modifier::kControl) != 0) key |= Qt::CTRL;
  if ((accelerator.modifiers & key_modifier::kShift) != 0) key |= Qt::SHIFT;
  return QKeySequence(key);
}

}  // namespace

void CpursoMainFrame::CreateActions() {
  const auto add = [this](int command, const QString& text) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::number(command));
    // The prompt and the tooltip are translated together, then split.
    const QString prompt = UiText("Prompt", CommandPrompt(command));
    action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
    const QString tip = prompt.section(QLatin1Char('\n'), 1);
    if (!tip.isEmpty()) action->setToolTip(tip);
    const QIcon icon = ToolbarIcon(command);
    if (!icon.isNull()) action->setIcon(icon);
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    actions_.insert(command, action);
    return action;
  };
  for (const MenuResource* menu : {&kNoAccountMenu, &kAccountMenu}) {
    for (const MenuPopup& popup : menu->popups) {
      for (const MenuEntry& entry : popup.entries) {
        if (entry.kind != MenuEntryKind::kCommand || actions_.contains(entry.command)) continue;
        // The key shown after the tab comes from the action's shortcut.
        add(entry.command, UiText("Menu", entry.text).section(QLatin1Char('\t'), 0, 0));
      }
    }
  }
  for (int i = 0; i < command_id::kRecentFileCount; ++i) {
    QAction* action = add(command_id::kRecentFileFirst + i, QString());
    action->setVisible(false);
  }
  noRecentFile_ = new QAction(UiText("Menu", kRecentFileCaption), this);
  noRecentFile_->setEnabled(false);
  for (const Accelerator& accelerator : AcceleratorTable()) {
    QAction* action = actions_.value(accelerator.command);
    if (action == nullptr) {
      // Keys of the view have no menu item; the window carries them.
      action = add(accelerator.command, QString());
      addAction(action);
    }
    // A command may have several keys (Redo: Ctrl+Shift+Z and Ctrl+Y); the
    // menu shows the first.
    action->setShortcuts(action->shortcuts() << KeyOf(accelerator));
    action->setShortcutContext(Qt::WindowShortcut);
  }
}

void CpursoMainFrame::BuildMenus() {
  for (const MenuResource* resource : {&kNoAccountMenu, &kAccountMenu}) {
    QList<QMenu*>& menus = resource == &kAccountMenu ? accountMenus_ : noAccountMenus_;
    for (const MenuPopup& popup : resource->popups) {
      auto* menu = new QMenu(UiText("Menu", popup.title), this);
      menu->setObjectName(FromAccountText(popup.title).remove(QLatin1Char('&')));
      for (const MenuEntry& entry : popup.entries) {
        switch (entry.kind) {
          case MenuEntryKind::kSeparator:
            menu->addSeparator();
            break;
          case MenuEntryKind::kCommand:
            menu->addAction(actions_.value(entry.command));
            if (entry.command == command_id::kWindowArrange) windowMenu_ = menu;
            break;
          case MenuEntryKind::kRecentFiles:
            menu->addAction(noRecentFile_);
            for (int i = 0; i < command_id::kRecentFileCount; ++i) {
              menu->addAction(actions_.value(command_id::kRecentFileFirst + i));
            }
            break;
        }
      }
      connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandStates(); });
      menus.append(menu);
    }
  }
  if (windowMenu_ != nullptr) {
    windowSeparator_ = windowMenu_->addSeparator();
    connect(windowMenu_, &QMenu::aboutToShow, this, [this] { ListWindows(); });
  }
  UpdateRecentFiles();
}

void CpursoMainFrame::ShowMenuBar() {
  const bool accountOpen = !Children().isEmpty();
  if (menuShown_ && accountOpen == showingAccountMenu_) return;
  menuShown_ = true;
  showingAccountMenu_ = accountOpen;
  QMenuBar* bar = menuBar();
  bar->clear();
  for (QMenu* menu : accountOpen ? accountMenus_ : noAccountMenus_) bar->addMenu(menu);
}

void CpursoMainFrame::ClearWindowList() {
  for (QAction* action : windowActions_) delete action;
  windowActions_.clear();
}

void CpursoMainFrame::ListWindows() {
  // The list of the last time goes, the list of now comes: 1 name, 2 name, ...
  ClearWindowList();
  const QList<CpursoChildFrame*> children = Children();
  windowSeparator_->setVisible(!children.isEmpty());
  CpursoChildFrame* active = ActiveChild();
  for (int i = 0; i < children.size(); ++i) {
    CpursoChildFrame* child = children[i];
    // Only the first nine get a key, as the desktop's window lists do.
    const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QString::number(i + 1);
    QString title = child->windowTitle();
    auto* action =
        windowMenu_->addAction(number + QLatin1Char(' ') + title.replace(QLatin1Char('&'), QStringLiteral("&&")));
    action->setCheckable(true);
    action->setChecked(child == active);
    connect(action, &QAction::triggered, this, [this, child] {
      if (Children().contains(child)) MdiArea().setActiveSubWindow(child);
    });
    windowActions_.append(action);
  }
}

void CpursoMainFrame::UpdateRecentFiles() {
  const auto& files = recentFiles_.Files();
  noRecentFile_->setVisible(files.empty());
  for (int i = 0; i < command_id::kRecentFileCount; ++i) {
    QAction* action = actions_.value(command_id::kRecentFileFirst + i);
    const bool used = static_cast<std::size_t>(i) < files.size();
    action->setVisible(used);
    if (used) {
      action->setText(QString::fromStdString(recentFiles_.MenuText(static_cast<std::size_t>(i))));
      action->setData(QString::fromStdString(files[static_cast<std::size_t>(i)]));
    }
  }
}

}  // namespace purso
