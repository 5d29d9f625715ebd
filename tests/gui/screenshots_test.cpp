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

    struct Shot {
        const char* file;
        int width, height;  // 0: any size
    };
    // Every window as large as its contents; the text window beside them.
    const Shot shots[] = {{"launch-MAINFORM.png", 0, 0},  {"launch-FORM6.png", 0, 0},
                          {"english-MAINFORM.png", 0, 0}, {"english-FORM6.png", 0, 0},
                          {"sample-MAINFORM.png", 0, 0},  {"fluid-mode-MAINFORM.png", 0, 0},
                          {"fluid-mode-TEXT.png", 0, 0}};
    for (const Shot& shot : shots) {
        SCOPED_TRACE(shot.file);
        QImage image(QDir(out.path()).filePath(QString::fromUtf8(shot.file)));
        ASSERT_FALSE(image.isNull());
        if (shot.width > 0) {
            EXPECT_EQ(image.size(), QSize(shot.width, shot.height));
        }
        EXPECT_GT(image.width(), 50);
        EXPECT_LE(image.height(), 768);
        EXPECT_GE(distinctColours(image, 8), 8);
    }
    // OPEN hides the unit-system form: it is not saved after it.
    EXPECT_FALSE(QDir(out.path()).exists(QStringLiteral("sample-FORM6.png")));
}

}  // namespace
