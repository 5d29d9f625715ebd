// The study window on the offscreen platform: a two-input study equals the
// single solves of its points and draws its chart, the event loop keeps
// turning while it runs, Cancel stops the worker within 100 ms, and "Open
// as case" hands over the row's inputs.
#include "gui/tools/study_window.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "console/scripted_console.h"
#include "model/field_catalogue.h"
#include "program/session/starting_cases.h"
#include "program/session/startup.h"

namespace hx::gui {
namespace {

struct StudyFixture {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session{console, platform};
    std::vector<CaseValues> opened;
    StudyWindow window{session, [this](const CaseValues& v) {
                           opened.push_back(v);
                           return true;
                       }};
    StudyFixture() {
        startProgram(session);
        openCase(session, *startingCase("shell-and-tube"), "sample");
        EXPECT_TRUE(window.takeCaseFromForms());
    }
};

TEST(StudyWindow, TwoInputStudyEqualsSingleSolvesAndKeepsTheEventLoopTurning) {
    StudyFixture f;
    f.window.setFirstInput("tube_length_mm", "500:3000:6");
    f.window.setSecondInput("shell_flow_t_h", "2,10");
    f.window.setQuantities({"Q", "Ret"});
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    ASSERT_TRUE(f.window.run());
    QTRY_VERIFY_WITH_TIMEOUT(!f.window.running(), 10000);
    EXPECT_GT(ticks, 0);
    ASSERT_EQ(f.window.rows().size(), 12u);
    EXPECT_EQ(f.window.chartViewCount(), 1);
    ASSERT_EQ(f.window.charts().size(), 1u);
    EXPECT_EQ(f.window.charts()[0].series.size(), 4u);  // two quantities, two curves
    // Hovering the first point of the first curve shows both inputs (the
    // sample is SI) and both quantities.
    const charts::ChartData& chart = f.window.charts()[0];
    const std::string& hover = (*chart.pointTexts)[chart.series[0].pointText.at(0)];
    EXPECT_EQ(hover.find("tube_length_mm = 500 mm\nshell_flow_t_h = 2 t/h\nQ = "), 0u) << hover;
    EXPECT_NE(hover.find(" W\nRet = "), std::string::npos) << hover;

    // A row is the single solve of its inputs (shown in the case's units).
    const SweepRow& row = f.window.rows()[7];
    CaseValues single = *startingCase("shell-and-tube");
    single.inputs["tube_length_mm"] = row.varied[0];
    single.inputs["shell_flow_t_h"] = row.varied[1];
    const Presentation p =
        isSICode(single.unitCode) ? Presentation::EnglishSI : Presentation::EnglishEngineering;
    const auto doc = nlohmann::json::parse(
        solveJson(single, runHeadless(enteredCaseOf(single, "c"), {}, LimitPolicy{}, false), p));
    EXPECT_EQ(doc["results"][0]["value"].get<float>(), row.results[0]);

    // The table shows the same rows.
    const QAbstractItemModel* table = f.window.findChild<QTableView*>()->model();
    ASSERT_EQ(table->rowCount(), 12);
    EXPECT_EQ(table->index(7, 0).data().toString().toStdString(), numberText(row.varied[0]));
    EXPECT_EQ(table->index(7, 3).data().toString().toStdString(), numberText(row.results[0]));

    ASSERT_TRUE(f.window.openRow(7));
    ASSERT_EQ(f.opened.size(), 1u);
    EXPECT_EQ(*f.opened[0].inputs["tube_length_mm"], row.varied[0]);
    EXPECT_EQ(*f.opened[0].inputs["shell_flow_t_h"], row.varied[1]);
}

// From Run to the drawn chart within 2 s, and the window's event loop never
// held up for long meanwhile: the solving is on the worker, and the rows
// are taken over and drawn in steps short enough to keep the window live.
TEST(StudyWindow, TenThousandPointsAreDrawnWithinTwoSecondsAndTheWindowStaysLive) {
    StudyFixture f;
    f.window.setFirstInput("tube_length_mm", "300:3000:100");
    f.window.setSecondInput("shell_flow_t_h", "1:20:100");
    f.window.setQuantities({"Q", "TL", "Ret"});
    QElapsedTimer clock;
    qint64 lastTick = 0, longestGap = 0;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
        ++ticks;
    });
    f.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    clock.start();
    ticker.start(10);
    ASSERT_TRUE(f.window.run());
    QTRY_VERIFY_WITH_TIMEOUT(!f.window.running(), 20000);
    f.window.grab();  // painted, charts and all
    const qint64 elapsed = clock.elapsed();
    QTest::qWait(30);  // a tick after the chart and table were made
    EXPECT_EQ(f.window.rows().size(), 10000u);
    EXPECT_EQ(f.window.chartViewCount(), 3);
    EXPECT_LT(elapsed, 2000) << "run to chart: " << elapsed << " ms";
    EXPECT_GT(ticks, 5);
    EXPECT_LT(longestGap, 500) << "the event loop stood still for " << longestGap << " ms";
    std::printf(
        "10,000-point study: chart drawn %lld ms after Run; event loop stood still at "
        "most %lld ms (%d ticks)\n",
        static_cast<long long>(elapsed), static_cast<long long>(longestGap), ticks);
}

TEST(StudyWindow, CancelStopsTheWorkerWithin100Ms) {
    StudyFixture f;
    f.window.setFirstInput("tube_length_mm", "500:3000:300");
    f.window.setSecondInput("shell_flow_t_h", "1:20:300");
    ASSERT_TRUE(f.window.run());
    QTest::qWait(50);
    // Asking for the study window again while it runs keeps the case the
    // worker is solving.
    EXPECT_TRUE(f.window.takeCaseFromForms());
    QElapsedTimer clock;
    clock.start();
    f.window.cancel();
    EXPECT_LT(clock.elapsed(), 100);
    EXPECT_FALSE(f.window.running());
    EXPECT_LT(f.window.rows().size(), 90000u);
}

}  // namespace
}  // namespace hx::gui
