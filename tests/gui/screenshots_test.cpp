// `hxcalc --replay FILE --screenshots DIR` through start-up, a unit button,
// OPEN and the fluid-mode row: every visible form saved, at its size, not blank.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <set>
#include <string>

namespace {

// Colours in an image, up to a few; a blank image has one.
int distinctColours(const QImage& image, int enough) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            seen.insert(image.pixel(x, y));
            if (static_cast<int>(seen.size()) >= enough) return enough;
        }
    return static_cast<int>(seen.size());
}

TEST(Screenshots, ReplayThroughStartUpSavesEveryVisibleForm) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const std::string command = "QT_QPA_PLATFORM=offscreen " HX_BINARY_DIR
                                "/hxcalc --replay " HX_TEST_DATA "/gui/startup.hxs --screenshots " +
                                out.path().toStdString() + " > " + out.path().toStdString() +
                                "/transcript.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);

    // Every window as large as its contents (within a 1366 x 768 screen);
    // the text window beside them.
    for (const char* shot :
         {"launch-MAINFORM.png", "launch-FORM6.png", "english-MAINFORM.png", "english-FORM6.png",
          "sample-MAINFORM.png", "fluid-mode-MAINFORM.png", "fluid-mode-TEXT.png"}) {
        SCOPED_TRACE(shot);
        QImage image(QDir(out.path()).filePath(QString::fromUtf8(shot)));
        ASSERT_FALSE(image.isNull());
        EXPECT_GT(image.width(), 50);
        EXPECT_LE(image.width(), 1366);
        EXPECT_LE(image.height(), 768);
        EXPECT_GE(distinctColours(image, 8), 8);
    }
    // OPEN hides the unit-system form: it is not saved after it.
    EXPECT_FALSE(QDir(out.path()).exists(QStringLiteral("sample-FORM6.png")));
}

}  // namespace
