// Helpers of the Qt tests: pictures of windows written into the build
// folder, and actions run once a modal dialog's event loop is running.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <ostream>

#include "data/account_book.h"
#include "shell/main_frame.h"

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '{';
  for (const QString& text : texts) *out << " \"" << text.toStdString() << '"';
  *out << " }";
}

namespace purso::test {

// Writes a picture of the widget as <name>.png into the folder the tests
// run in (the build folder), and returns its path.
QString SavePicture(QWidget& widget, const QString& name);

// Runs action as soon as the event loop that is about to start (a modal
// dialog's) processes events.
void WhenShown(std::function<void()> action);

// The titles of a window's menu bar, in order.
QStringList MenuTitles(QMainWindow& window);

// Shows the program's window at the size of the pictures, its account
// window maximized inside, and lets it lay out.
void ShowForPicture(CpursoMainFrame& frame);

// Writes an account file into folder and returns its path.
QString WriteAccount(const QTemporaryDir& folder, const QString& name, CAccountBook& book);

}  // namespace purso::test
