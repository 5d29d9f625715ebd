// Every form in every presentation and for both exchanger types shows all of
// its controls at its default size: each visible control lies inside the
// window, no caption is wider than its control, nothing needs scrolling,
// and the window fits a 1366 x 768 screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <string>
#include <vector>

#include "gui/app/screen_fit.h"
#include "gui_test_support.h"
#include "model/inventory.h"

namespace hx::gui {
namespace {

using testing::LaunchedProgram;

// The room a window may take on a 1366 x 768 screen, its frame and a panel
// taken off.
constexpr int kScreenWidth = 1366 - 16;
constexpr int kScreenHeight = 768 - 48;

struct Setting {
    const char* unitButton;  // FORM6: BUTTON32 English SI, BUTTON33 Japanese, BUTTON34 Japanese SI
    bool doubleTube;
    const char* modeButton;  // fluid mode; BUTTON2 is the wet gas
};

// Through the input path as a user takes it, up to the main data form.
void enterCase(LaunchedProgram& program, const Setting& s) {
    Session& session = program.session;
    session.click("FORM6", s.unitButton);
    session.click("MAINFORM", "BUTTON35");
    if (s.doubleTube) session.click("MAINFORM", "RADIO8");
    session.click("MAINFORM", "BUTTON24");
    session.click("MAINFORM", s.modeButton);
    session.click("MAINFORM", "BUTTON25");
    session.click("MAINFORM", std::string(s.modeButton) == "BUTTON2" ? "BUTTON15" : "BUTTON14");
    session.click("MAINFORM", "BUTTON29");
    session.click("MAINFORM", "BUTTON19");
    session.click("MAINFORM", "BUTTON41");
}

// The caption a control shows and the width it has for it.
bool captionRoom(const QWidget* w, QString& caption, int& room) {
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        caption = label->text();
        room = label->contentsRect().width();
        return true;
    }
    if (auto* radio = qobject_cast<const QRadioButton*>(w)) {
        caption = radio->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
        room = radio->width() - radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
        return true;
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        caption = button->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
        room = button->width();
        return true;
    }
    if (auto* group = qobject_cast<const QGroupBox*>(w)) {
        caption = group->title().replace(QStringLiteral("&&"), QStringLiteral("&"));
        room = group->width();
        return true;
    }
    return false;
}

void expectFormShowsEverything(const FormWindow& window) {
    SCOPED_TRACE(window.formName());
    EXPECT_FALSE(window.scrolls());
    EXPECT_LE(window.width(), kScreenWidth);
    EXPECT_LE(window.height(), kScreenHeight);
    const QRect inside = window.rect();
    for (const auto& control : window.findChildren<QWidget*>()) {
        // The forms the main window owns are windows of their own.
        if (control->objectName().isEmpty() || control->window() != &window ||
            !control->isVisibleTo(&window))
            continue;
        SCOPED_TRACE(control->objectName().toStdString());
        const QRect at(control->mapTo(&window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(inside.contains(at))
            << "at " << at.x() << "," << at.y() << " " << at.width() << "x" << at.height();
        QString caption;
        int room = 0;
        if (captionRoom(control, caption, room)) {
            EXPECT_LE(control->fontMetrics().horizontalAdvance(caption), room)
                << caption.toStdString();
        }
    }
}

TEST(WindowLayout, EveryFormShowsAllItsControlsInEveryPresentation) {
    const std::vector<Setting> settings = {
        {"BUTTON32", false, "BUTTON4"}, {"BUTTON32", true, "BUTTON4"},
        {"BUTTON33", false, "BUTTON4"}, {"BUTTON33", true, "BUTTON4"},
        {"BUTTON34", false, "BUTTON4"}, {"BUTTON34", true, "BUTTON4"},
        {"BUTTON32", false, "BUTTON2"}, {"BUTTON33", false, "BUTTON2"},
    };
    for (const Setting& s : settings) {
        SCOPED_TRACE(std::string(s.unitButton) + (s.doubleTube ? " double tube " : " S/T ") +
                     s.modeButton);
        LaunchedProgram program;
        program.platform.queueYesNo(false);  // a sample-value question, if any
        enterCase(program, s);
        for (const std::string& form : program.session.forms.forms())
            program.session.forms.showForm(form);
        program.windows->showVisible();
        QApplication::processEvents();
        for (const auto& window : program.windows->all()) expectFormShowsEverything(*window);
    }
}

TEST(WindowLayout, AWindowGrowsWithALongerMessage) {
    LaunchedProgram program;
    program.session.forms.showForm("FORM7");
    FormWindow& form7 = *program.windows->window("FORM7");
    program.session.forms.setText("FORM7", "TEXT177",
                                  "Illegal tube length setting: the length must be above zero");
    QApplication::processEvents();  // the window fits itself once the events are processed
    QApplication::processEvents();
    expectFormShowsEverything(form7);
}

// Thirty rows where the screen has the room; on a smaller screen the
// window is as tall as the screen allows, its last row on the screen.
void expectHundredColumnsAndThirtyRows(const TextWindow& text) {
    const QSize cell = text.view().cellSize();
    EXPECT_GE(text.view().width(), 100 * cell.width());
    const QRect room = availableArea(text);
    const int frame = text.frameGeometry().height() - text.height();
    if (room.height() >= 30 * cell.height() + frame + 8)
        EXPECT_GE(text.view().height(), 30 * cell.height());
    else
        EXPECT_LE(text.frameGeometry().bottom(), room.bottom());
}

TEST(WindowLayout, TheTextWindowHoldsAHundredColumnsAndThirtyRows) {
    LaunchedProgram program;
    program.windows->showVisible();
    TextWindow& text = program.windows->textWindow();
    expectHundredColumnsAndThirtyRows(text);
    EXPECT_LE(text.width(), kScreenWidth);
    EXPECT_LE(text.height(), kScreenHeight);
    // A larger font keeps the grid whole; the default size comes back.
    const QSize before = text.view().cellSize();
    text.changeFont(+3);
    QApplication::processEvents();
    EXPECT_GT(text.view().cellSize().height(), before.height());
    expectHundredColumnsAndThirtyRows(text);
    text.resetFont();
    EXPECT_EQ(text.view().cellSize(), before);
}

TEST(WindowLayout, AFormOpensCentredOnTheMainWindowAndReopensWhereItWasLeft) {
    LaunchedProgram program;
    program.windows->showVisible();
    FormWindow& main = program.windows->mainWindow();
    FormWindow& form9 = *program.windows->window("FORM9");
    program.session.forms.showForm("FORM9");
    // Centred, where the screen holds the main window (the offscreen screen
    // is small at a large scale factor, and a form is kept on it).
    const QRect room = main.screen()->availableGeometry();
    if (room.contains(main.frameGeometry())) {
        const QPoint offset = form9.frameGeometry().center() - main.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 4);
    }
    EXPECT_TRUE(room.contains(form9.pos()));
    form9.move(form9.pos() + QPoint(37, 21));
    const QPoint left = form9.pos();
    program.session.forms.hideForm("FORM9");
    program.session.forms.showForm("FORM9");
    // Where the user left it, unless that is off the (small, scaled) screen.
    if (room.contains(QRect(left, form9.frameGeometry().size())))
        EXPECT_EQ(form9.pos(), left);
    else
        EXPECT_TRUE(room.contains(form9.frameGeometry()));
}

}  // namespace
}  // namespace hx::gui
