// The front-end tests run on Qt's offscreen platform, with one application
// object for the whole program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings, recent cases and recovery files go to a folder of the run,
    // never the user's own (a child process of a test keeps its parent's).
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("HX_TEST_HOME")) qputenv("HX_TEST_HOME", home.path().toUtf8());
    const QByteArray root = qgetenv("HX_TEST_HOME");
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    QApplication app(argc, argv);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
