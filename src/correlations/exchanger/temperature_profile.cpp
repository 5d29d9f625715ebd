#include "correlations/exchanger/temperature_profile.h"

#include <cmath>
#include <limits>

namespace hx {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Runge–Kutta steps between two printed places of a 1-2N profile.
constexpr int kStepsPerPlace = 8;

float placeOf(int i, int points) { return static_cast<float>(i) / static_cast<float>(points - 1); }

std::optional<std::vector<ProfilePoint>> straightProfile(bool counter, const ProfileEnds& e,
                                                         int points) {
    // The shell end beside the tube inlet: its outlet in counter-current
    // flow, its inlet in co-current flow.
    const float shell0 = counter ? e.T2 : e.T1;
    const float shell1 = counter ? e.T1 : e.T2;
    const float sign = e.T3 >= shell0 ? 1.0f : -1.0f;  // the tube stream the hotter
    const float dT0 = sign * (e.T3 - shell0);
    const float dT1 = sign * (e.T4 - shell1);
    if (!(dT0 > 0.0f) || !(dT1 > 0.0f) || !(e.Q > 0.0f)) return std::nullopt;
    std::vector<ProfilePoint> profile;
    for (int i = 0; i < points; ++i) {
        const float x = placeOf(i, points);
        // The share of the heat transferred up to x.
        float share = x;
        if (std::fabs(dT0 - dT1) > 1.0e-4f * dT0) {
            const float dT = dT0 * std::pow(dT1 / dT0, x);
            share = (dT0 - dT) / (dT0 - dT1);
        }
        profile.push_back({x, e.T3 + (e.T4 - e.T3) * share, kNaN,
                           shell0 + (shell1 - shell0) * share, e.Q * share});
    }
    return profile;
}

struct ShellState {
    float t1, t2, theta;
};

std::optional<std::vector<ProfilePoint>> oneTwoShellProfile(const ProfileEnds& e, int points) {
    const float tubeChange = std::fabs(e.T4 - e.T3);
    const float shellChange = std::fabs(e.T2 - e.T1);
    if (!(e.Q > 0.0f) || !(e.TM > 0.0f) || !(tubeChange > 0.0f) || !(shellChange > 0.0f))
        return std::nullopt;
    const float Ct = e.Q / tubeChange;
    const float Cs = e.Q / shellChange;
    const float halfUA = 0.5f * e.Q / e.TM;
    const auto slope = [&](const ShellState& s) {
        return ShellState{halfUA / Ct * (s.theta - s.t1), -halfUA / Ct * (s.theta - s.t2),
                          halfUA / Cs * ((s.theta - s.t1) + (s.theta - s.t2))};
    };
    const auto along = [](const ShellState& s, const ShellState& d, float h) {
        return ShellState{s.t1 + h * d.t1, s.t2 + h * d.t2, s.theta + h * d.theta};
    };
    const float h = 1.0f / static_cast<float>((points - 1) * kStepsPerPlace);
    ShellState s{e.T3, e.T4, e.T2};
    std::vector<ProfilePoint> profile;
    for (int i = 0; i < points; ++i) {
        // Heat into the tubes between 0 and x: the first pass's rise and
        // the return pass's rise from x back to the head.
        const float duty = std::fabs(Ct * ((s.t1 - e.T3) + (e.T4 - s.t2)));
        profile.push_back({placeOf(i, points), s.t1, s.t2, s.theta, duty});
        if (i == points - 1) break;
        for (int k = 0; k < kStepsPerPlace; ++k) {
            const ShellState k1 = slope(s);
            const ShellState k2 = slope(along(s, k1, 0.5f * h));
            const ShellState k3 = slope(along(s, k2, 0.5f * h));
            const ShellState k4 = slope(along(s, k3, h));
            s = ShellState{
                s.t1 + h / 6.0f * (k1.t1 + 2.0f * k2.t1 + 2.0f * k3.t1 + k4.t1),
                s.t2 + h / 6.0f * (k1.t2 + 2.0f * k2.t2 + 2.0f * k3.t2 + k4.t2),
                s.theta + h / 6.0f * (k1.theta + 2.0f * k2.theta + 2.0f * k3.theta + k4.theta)};
        }
    }
    for (const ProfilePoint& p : profile)
        if (!std::isfinite(p.tube) || !std::isfinite(p.tubeReturn) || !std::isfinite(p.shell))
            return std::nullopt;
    return profile;
}

}  // namespace

std::optional<std::vector<ProfilePoint>> temperatureProfile(ProfileFlow flow,
                                                            const ProfileEnds& ends, int points) {
    if (points < 2) return std::nullopt;
    if (flow == ProfileFlow::OneTwoShell) return oneTwoShellProfile(ends, points);
    return straightProfile(flow == ProfileFlow::CounterCurrent, ends, points);
}

}  // namespace hx
