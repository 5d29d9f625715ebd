// A Qt application for drawing charts from the command line: when no Qt
// application runs yet it makes one on the offscreen platform, so a chart
// is drawn without a display; when one runs (the windows) it does nothing.
#pragma once

#include <QtGlobal>
#include <memory>

class QApplication;

namespace hx::charts {

class OffscreenApplication {
public:
    OffscreenApplication();
    ~OffscreenApplication();
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

private:
    // QApplication keeps a reference to its argument count and list.
    int argc_ = 1;
    char name_[7] = {'h', 'x', 'c', 'a', 'l', 'c', '\0'};
    char* argv_[2] = {name_, nullptr};
    QtMessageHandler previous_ = nullptr;
    std::unique_ptr<QApplication> app_;
};

}  // namespace hx::charts
