#include "report/print/printed_profile.h"

#include <cmath>

#include "console/display_width.h"
#include "console/number_picture.h"
#include "report/screen/result_profile.h"

namespace hx {

namespace {

struct ProfileTexts {
    const char* title;
    const char* position;
    const char* tube;
    const char* firstPass;
    const char* returnPass;
    const char* shell;
    const char* duty;
    const char* noProfile;
};

constexpr ProfileTexts kEnglish{" Temperature profile along the exchanger",
                                " x: fraction of the heat-transfer area from the tube inlet end",
                                "tube",
                                "tube pass 1",
                                "return pass",
                                "shell",
                                "heat transferred",
                                " No profile: "};
constexpr ProfileTexts kJapanese{" 熱交換器に沿った温度分布",
                                 " x: 管入口端からの伝熱面積の割合",
                                 "管側",
                                 "管側第1パス",
                                 "戻りパス",
                                 "シェル側",
                                 "交換熱量",
                                 " 温度分布なし: "};

// Every tenth of the area: every fifth place of the profile the result
// window draws (51 places, so the 1-2N shell's march is as fine as there).
constexpr int kProfilePoints = 51;
constexpr std::size_t kPrintedEvery = 5;
constexpr int kPositionWidth = 8;
constexpr int kColumnWidth = 16;
constexpr int kDutyWidth = 20;

// `text` right-aligned in a column `width` display columns wide.
std::string rightAligned(const std::string& text, int width) {
    const int pad = width - displayWidth(text);
    return std::string(static_cast<std::size_t>(pad > 0 ? pad : 0), ' ') + text;
}

}  // namespace

std::vector<std::string> printedProfile(const RunInputs& in, const Solution& shown, Presentation p,
                                        bool& drawn) {
    const ProfileTexts& t = isJapanese(p) ? kJapanese : kEnglish;
    std::string why;
    const std::optional<CaseProfile> profile = resultProfile(in, shown, p, why, kProfilePoints);
    drawn = profile.has_value();
    if (!profile) return {t.title, std::string(t.noProfile) + why};

    const bool j = profile->japanese;
    const std::string title = std::string(t.title) + (j ? "（" : " (") +
                              profileFlowName(profile->flow, j) + (j ? "）" : ")");
    const bool twoPasses = profile->flow == ProfileFlow::OneTwoShell;
    const std::string tUnit = "[" + profile->temperatureUnit + "]";
    const std::string qUnit = "[" + profile->dutyUnit + "]";

    std::string names = rightAligned("x", kPositionWidth);
    std::string units = std::string(kPositionWidth, ' ');
    const auto column = [&](const char* name, const std::string& unit, int width) {
        names += rightAligned(name, width);
        units += rightAligned(unit, width);
    };
    column(twoPasses ? t.firstPass : t.tube, tUnit, kColumnWidth);
    if (twoPasses) column(t.returnPass, tUnit, kColumnWidth);
    column(t.shell, tUnit, kColumnWidth);
    column(t.duty, qUnit, kDutyWidth);

    std::vector<std::string> lines{title, t.position, "", names, units};
    for (std::size_t i = 0; i < profile->points.size(); i += kPrintedEvery) {
        const ProfilePoint& point = profile->points[i];
        std::string row = rightAligned(formatUsing("#.##", {point.x}), kPositionWidth);
        row += rightAligned(formatUsing("######.##", {point.tube}), kColumnWidth);
        if (twoPasses)
            row += rightAligned(formatUsing("######.##", {point.tubeReturn}), kColumnWidth);
        row += rightAligned(formatUsing("######.##", {point.shell}), kColumnWidth);
        row += rightAligned(formatUsing("############.#", {point.duty}), kDutyWidth);
        lines.push_back(row);
    }
    return lines;
}

}  // namespace hx
