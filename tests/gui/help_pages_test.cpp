// The quick start names the controls by the captions the windows show.
#include "gui/app/help_pages.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "model/inventory.h"

namespace hx::gui {
namespace {

// Whether some control shows this caption (blanks around it aside).
bool isACaption(const QString& quoted) {
    const QString wanted = quoted.trimmed();
    for (const FormSpec& form : formInventory()) {
        for (const ControlSpec& c : form.controls) {
            for (const char* caption : {c.resource, c.english, c.japanese}) {
                if (caption && QString::fromUtf8(caption).trimmed() == wanted) return true;
            }
        }
    }
    return false;
}

void expectQuotesAreCaptions(const QString& text, const QString& pattern) {
    const QRegularExpression quote(pattern);
    int found = 0;
    for (const auto& match : quote.globalMatch(text)) {
        ++found;
        EXPECT_TRUE(isACaption(match.captured(1))) << match.captured(1).toStdString();
    }
    EXPECT_GE(found, 6);
}

TEST(HelpPages, TheQuickStartQuotesTheCaptionsAsShown) {
    expectQuotesAreCaptions(quickStartText(false), QStringLiteral("\"([^\"]+)\""));
    expectQuotesAreCaptions(quickStartText(true), QStringLiteral("「([^」]+)」"));
}

TEST(HelpPages, AboutNamesTheVersion) {
    EXPECT_TRUE(aboutText(false).contains(QStringLiteral(HX_VERSION)));
    EXPECT_TRUE(aboutText(true).contains(QStringLiteral(HX_VERSION)));
}

TEST(HelpPages, WaterTableHasTheComputedRowsAndTheirAccuracy) {
    for (bool japanese : {false, true}) {
        const QStringList lines = waterTableLines(japanese);
        // Heading, units, 0 to 150 ℃ every 10 ℃, an empty line, the accuracy.
        ASSERT_GE(lines.size(), 2 + 16 + 2);
        EXPECT_TRUE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("IAPWS-IF97")));
    }
}

}  // namespace
}  // namespace hx::gui
