#include "gui/app/qt_platform.h"

#include <QApplication>
#include <QDate>
#include <QMessageBox>

namespace hx::gui {

bool QtPlatform::askYesNo(const std::string& title, const std::string& question) {
    // Owned by the window the question comes from (the form whose button
    // was pressed), so that it stays above it; else by the main window.
    QWidget* parent = QApplication::activeWindow();
    if (!parent && windows_) parent = windows_->window("MAINFORM");
    const auto answer = QMessageBox::question(parent, QString::fromStdString(title),
                                              QString::fromStdString(question),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}

bool QtPlatform::loadBitmap(const std::string& fileName) {
    if (!windows_) return false;
    return windows_->showBitmap(fileName, console_);
}

std::string QtPlatform::dateText() {
    return QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")).toStdString();
}

Printer& QtPlatform::printer() { return printer_ ? *printer_ : unset_; }

void QtPlatform::openResultWindow(ResultWindow window, bool japanese) {
    if (openWindow_) openWindow_(window, japanese);
}

void QtPlatform::showResultProfile(const std::optional<CaseProfile>& profile,
                                   const std::string& whyNone) {
    if (windows_) windows_->resultProfile().showProfile(profile, whyNone);
}

bool ScreenshotPlatform::loadBitmap(const std::string& fileName) {
    if (!ScriptedPlatform::loadBitmap(fileName)) return false;
    return windows_ ? windows_->showBitmap(fileName, console_) : true;
}

void ScreenshotPlatform::showResultProfile(const std::optional<CaseProfile>& profile,
                                           const std::string& whyNone) {
    if (windows_) windows_->resultProfile().showProfile(profile, whyNone);
}

}  // namespace hx::gui
