// The pages of the Help menu: the quick start (the input path of a first
// calculation, by the captions the windows show) and About.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace hx::gui {

QString quickStartText(bool japanese);
QString aboutText(bool japanese);
// The water properties the program computes and their accuracy against
// IAPWS-IF97, as lines of a table.
QStringList waterTableLines(bool japanese);

// Shows a page in a window of its own beside `parent`, without stopping
// the program (a calculation may be waiting).
void showHelpPage(QWidget* parent, const QString& title, const QString& text);
// The same for a table, in a fixed-pitch font so that its columns line up.
void showTablePage(QWidget* parent, const QString& title, const QStringList& lines);

}  // namespace hx::gui
