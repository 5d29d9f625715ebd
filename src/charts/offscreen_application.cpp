#include "charts/offscreen_application.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace hx::charts {

OffscreenApplication::OffscreenApplication() {
    if (QCoreApplication::instance()) return;
    // A chart drawn into a file needs no screen; the offscreen platform
    // draws the same without one.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The offscreen platform's notes (no runtime folder, no window hints)
    // are not the user's business on a command line; real errors still show.
    previous_ = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        });
    app_ = std::make_unique<QApplication>(argc_, argv_);
}

OffscreenApplication::~OffscreenApplication() {
    if (!app_) return;
    app_.reset();
    qInstallMessageHandler(previous_);
}

}  // namespace hx::charts
