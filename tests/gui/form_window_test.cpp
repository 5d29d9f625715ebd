// Every form built from the inventory, bound both ways to the form model.
#include "gui/forms/form_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui/forms/form_windows.h"
#include "gui_test_support.h"
#include "model/inventory.h"

namespace hx::gui {
namespace {

using testing::LaunchedProgram;
using testing::shownText;

// Each control of the inventory exists on its form's window and shows the
// text its record holds, under the English SI code (1) and the Japanese
// engineering code (4).
void expectEveryControlMirrored(const LaunchedProgram& program) {
    for (const FormSpec& form : formInventory()) {
        for (const ControlSpec& control : form.controls) {
            SCOPED_TRACE(std::string(form.name) + "." + control.name);
            const QWidget* w = program.widget(form.name, control.name);
            ASSERT_NE(w, nullptr);
            const ControlState& state = program.session.forms.control(form.name, control.name);
            if (state.kind != ControlKind::Picture) {
                EXPECT_EQ(shownText(w), state.text);
            }
            EXPECT_EQ(w->isEnabled(), state.enabled);
            EXPECT_EQ(w->isVisibleTo(w->window()), state.visible);
        }
    }
}

TEST(FormWindows, EveryControlWithItsCaptionForCodes1And4) {
    for (const char* unitButton : {"BUTTON32", "BUTTON33"}) {
        SCOPED_TRACE(unitButton);
        LaunchedProgram program;
        program.session.click("FORM6", unitButton);
        const int code = std::string(unitButton) == "BUTTON32" ? 1 : 4;
        expectEveryControlMirrored(program);
        // The geometry labels follow the language and, for code 4, the unit.
        for (const char* label : {"TEXT20", "TEXT21", "TEXT1", "TEXT16", "TEXT17", "TEXT10"})
            EXPECT_EQ(shownText(program.widget("MAINFORM", label)),
                      captionFor("MAINFORM", label, code))
                << label;
    }
}

TEST(FormWindows, CaptionsAreShownExactly) {
    LaunchedProgram program;
    program.session.click("FORM6", "BUTTON32");
    EXPECT_EQ(shownText(program.widget("MAINFORM", "TEXT20")), " Tube side flowrate(ton/h)");
    EXPECT_EQ(shownText(program.widget("MAINFORM", "BUTTON1")), " CALC.ON ");
    program.session.click("FORM6", "BUTTON33");
    EXPECT_EQ(shownText(program.widget("MAINFORM", "TEXT16")), " ﾌｨﾝの熱伝導率(kcal/mhc)");
    EXPECT_EQ(shownText(program.widget("MAINFORM", "BUTTON27")), "【2】  並流ｸﾛｽ");
}

TEST(FormWindows, SizedByTheirContentsNotByAFixedSize) {
    LaunchedProgram program;
    // The forms the inventory gives a size (the main window 856 x 795, taller
    // than a laptop screen) are as large as their controls instead.
    for (const char* form : {"MAINFORM", "FORM2", "FORM9", "FORM10"}) {
        const FormWindow* w = program.windows->window(form);
        ASSERT_NE(w, nullptr) << form;
        EXPECT_LE(w->height(), 768 - 48) << form;
        EXPECT_EQ(w->minimumSize(), w->minimumSizeHint()) << form;
    }
}

TEST(FormWindows, OptionButtonsShowTheirCodeBothWays) {
    LaunchedProgram program;
    auto checked = [&](const char* form, const char* radio) {
        auto* button = qobject_cast<QRadioButton*>(program.widget(form, radio));
        return button && button->isChecked();
    };
    // At launch: shell-and-tube, weight calculation on, coefficients by formula.
    EXPECT_TRUE(checked("MAINFORM", "RADIO7"));
    EXPECT_FALSE(checked("MAINFORM", "RADIO8"));
    EXPECT_TRUE(checked("MAINFORM", "RADIO18"));
    EXPECT_TRUE(checked("FORM8", "RADIO9"));
    // A handler writing the code moves the check.
    program.session.click("FORM6", "BUTTON33");
    program.session.click("MAINFORM", "BUTTON35");
    program.session.click("MAINFORM", "RADIO19");
    EXPECT_FALSE(checked("MAINFORM", "RADIO18"));
    EXPECT_TRUE(checked("MAINFORM", "RADIO19"));
    program.session.forms.setText("MAINFORM", "EDIT86", "2");
    EXPECT_TRUE(checked("FORM7", "RADIO2"));
    EXPECT_FALSE(checked("FORM7", "RADIO1"));
    // A click the handler does not take leaves the check where the code is.
    program.windows->showVisible();
    program.session.forms.showForm("FORM9");
    auto* condensation = qobject_cast<QRadioButton*>(program.widget("FORM9", "RADIO14"));
    ASSERT_NE(condensation, nullptr);
    program.session.handlers.add("FORM9", "RADIO14", [](Session&) {});
    QTest::mouseClick(condensation, Qt::LeftButton);
    EXPECT_FALSE(condensation->isChecked());
    EXPECT_EQ(program.session.forms.text("FORM9", "EDIT121"), "");
}

TEST(FormWindows, ModelChangesReachTheWidgets) {
    LaunchedProgram program;
    FormStore& f = program.session.forms;
    f.setText("FORM7", "EDIT80", "120");
    EXPECT_EQ(shownText(program.widget("FORM7", "EDIT80")), "120");
    f.setEnabled("FORM7", "EDIT80", false);
    EXPECT_FALSE(program.widget("FORM7", "EDIT80")->isEnabled());
    f.setVisible("MAINFORM", "TEXT225", true);
    EXPECT_TRUE(
        program.widget("MAINFORM", "TEXT225")->isVisibleTo(program.windows->window("MAINFORM")));
    program.windows->showVisible();
    EXPECT_TRUE(program.windows->window("FORM6")->isVisible());
    f.hideForm("FORM6");
    EXPECT_FALSE(program.windows->window("FORM6")->isVisible());
    f.showForm("FORM9");
    EXPECT_TRUE(program.windows->window("FORM9")->isVisible());
}

TEST(FormWindows, TypingAndClickingReachTheModel) {
    LaunchedProgram program;
    program.windows->showVisible();
    auto* flow = qobject_cast<QLineEdit*>(program.widget("MAINFORM", "EDIT75"));
    ASSERT_NE(flow, nullptr);
    QTest::keyClicks(flow, "12.5");
    EXPECT_EQ(program.session.forms.text("MAINFORM", "EDIT75"), "12.5");

    // A click goes through the dispatch table: the English unit button sets
    // code 1 and re-captions the main window.
    auto* english = qobject_cast<QPushButton*>(program.widget("FORM6", "BUTTON32"));
    ASSERT_NE(english, nullptr);
    QTest::mouseClick(english, Qt::LeftButton);
    EXPECT_EQ(program.session.forms.text("MAINFORM", "EDIT74"), "1");
    EXPECT_EQ(shownText(program.widget("MAINFORM", "TEXT1")), " Tube outside diameter(mm)");
    EXPECT_FALSE(program.console.transcript().empty());  // the guidance box
}

// A number typed outside the field's range is framed in red with the range
// in its tooltip as it is typed; a refused field is selected for retyping.
TEST(FormWindows, OutOfRangeFieldMarkedAndRefusedFieldSelected) {
    LaunchedProgram program;
    program.windows->showVisible();
    program.session.forms.setText("MAINFORM", "EDIT74", "1");  // English SI
    program.session.forms.setEnabled("MAINFORM", "EDIT18", true);
    auto* fouling = qobject_cast<QLineEdit*>(program.widget("MAINFORM", "EDIT18"));
    ASSERT_NE(fouling, nullptr);
    fouling->clear();
    QTest::keyClicks(fouling, "2");
    EXPECT_TRUE(fouling->styleSheet().contains("red"));
    EXPECT_TRUE(fouling->toolTip().contains("0 … 1")) << fouling->toolTip().toStdString();
    QTest::keyClick(fouling, Qt::Key_Backspace);
    QTest::keyClicks(fouling, "0.0002");
    EXPECT_TRUE(fouling->styleSheet().isEmpty());

    program.session.forms.setText("MAINFORM", "EDIT18", "0x10");
    EXPECT_TRUE(fouling->styleSheet().contains("red"));
    program.session.forms.selectField("MAINFORM", "EDIT18");
    EXPECT_EQ(fouling->selectedText(), "0x10");
}

TEST(FormWindows, MissingDrawingLeavesAnEmptyFrameAndANotice) {
    LaunchedProgram program;
    EXPECT_FALSE(program.windows->showBitmap("no-such-drawing.bmp", program.console));
    program.console.flushOpenLine();
    ASSERT_FALSE(program.console.transcript().empty());
    EXPECT_EQ(program.console.transcript().back(), missingBitmapNotice("no-such-drawing.bmp"));
}

TEST(FormWindows, DrawingIsLoadedOntoItsForm) {
    LaunchedProgram program;
    const QString before = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(HX_BINARY_DIR));  // where the build draws the figures
    const bool shown = program.windows->showBitmap("vornfig1.bmp", program.console);
    QDir::setCurrent(before);
    ASSERT_TRUE(shown);
    auto* picture = qobject_cast<QLabel*>(program.widget("FORM3", "PICTURE3"));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
    // The drawing names of the result form are told apart.
    EXPECT_EQ(program.windows->window("FORM4")->pictureFor("vorn2-4JD.bmp"),
              program.widget("FORM4", "PICTURE2"));
    EXPECT_EQ(program.windows->window("FORM4")->pictureFor("vorn2-4J.bmp"),
              program.widget("FORM4", "PICTURE2"));
    EXPECT_EQ(program.windows->window("FORM4")->pictureFor("vorn2.bmp"), nullptr);
}

}  // namespace
}  // namespace hx::gui
