// The pages of the Help menu: the quick start (the input path of a first
// calculation, by the captions the windows show) and About.
#pragma once

#include <QString>
#include <QWidget>

namespace hx::gui {

QString quickStartText(bool japanese);
QString aboutText(bool japanese);

// Shows a page in a window of its own beside `parent`, without stopping
// the program (a calculation may be waiting).
void showHelpPage(QWidget* parent, const QString& title, const QString& text);

}  // namespace hx::gui
