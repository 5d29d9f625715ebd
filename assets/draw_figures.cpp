// Draws the program's four figures as 24-bit BMP files into the folder given
// on the command line (the build folder, beside hxcalc):
//   熱交詳細図.bmp   the exchanger drawing of the figure window: side section of
//                    a shell-and-tube exchanger (shell, channel heads, tube
//                    sheets, tube bundle, segmental baffles, four nozzles) and
//                    its end section with the tube layout and the baffle cut
//   vorn2-4J.bmp     the result form's drawing of a shell-and-tube exchanger
//   vorn2-4JD.bmp    the result form's drawing of a double-tube exchanger
//   vornfig1.bmp     the flow figure: the exchanger with inlet and outlet
//                    arrows at the four nozzles where the program writes the
//                    temperatures and flows
//   vorn2-4J_odd.bmp, vornfig1_odd.bmp
//                    the same for an odd number of tube passes: no pass
//                    partition, the tube outlet on the return head
// Plain C++ on a small raster, so the build needs no image library.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Colour {
    std::uint8_t r, g, b;
};

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kInk{20, 30, 60};
constexpr Colour kShell{210, 225, 240};
constexpr Colour kTube{150, 150, 150};
constexpr Colour kBaffle{60, 90, 150};
constexpr Colour kSheet{120, 120, 130};
constexpr Colour kTubeFlow{200, 40, 40};    // tube-side stream
constexpr Colour kShellFlow{30, 110, 200};  // shell-side stream
constexpr Colour kAnnulus{225, 240, 225};

class Canvas {
public:
    Canvas(int w, int h) : w_(w), h_(h), px_(static_cast<std::size_t>(w * h), kWhite) {}

    void dot(int x, int y, Colour c) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_) px_[static_cast<std::size_t>(y * w_ + x)] = c;
    }
    void fill(int x0, int y0, int x1, int y1, Colour c) {
        for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
            for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) dot(x, y, c);
    }
    // A line `t` pixels thick.
    void line(int x0, int y0, int x1, int y1, Colour c, int t = 1) {
        const int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= n; ++i) {
            const int x = n ? x0 + (x1 - x0) * i / n : x0;
            const int y = n ? y0 + (y1 - y0) * i / n : y0;
            fill(x - t / 2, y - t / 2, x + (t - 1) / 2, y + (t - 1) / 2, c);
        }
    }
    void box(int x0, int y0, int x1, int y1, Colour c, int t = 1) {
        line(x0, y0, x1, y0, c, t);
        line(x1, y0, x1, y1, c, t);
        line(x1, y1, x0, y1, c, t);
        line(x0, y1, x0, y0, c, t);
    }
    void circle(int cx, int cy, int r, Colour c, bool solid = false) {
        for (int y = -r; y <= r; ++y)
            for (int x = -r; x <= r; ++x) {
                const int d = x * x + y * y;
                if (solid ? d <= r * r : (d <= r * r && d > (r - 2) * (r - 2)))
                    dot(cx + x, cy + y, c);
            }
    }
    // An arrow from (x0,y0) to its head at (x1,y1).
    void arrow(int x0, int y0, int x1, int y1, Colour c) {
        line(x0, y0, x1, y1, c, 3);
        const float dx = static_cast<float>(x1 - x0), dy = static_cast<float>(y1 - y0);
        const float len = std::sqrt(dx * dx + dy * dy);
        if (len <= 0.0f) return;
        const float ux = dx / len, uy = dy / len;
        for (int s = 0; s <= 12; ++s) {
            const float back = static_cast<float>(s);
            const float half = back * 0.5f;
            const float bx = static_cast<float>(x1) - ux * back,
                        by = static_cast<float>(y1) - uy * back;
            line(static_cast<int>(bx - uy * half), static_cast<int>(by + ux * half),
                 static_cast<int>(bx + uy * half), static_cast<int>(by - ux * half), c, 1);
        }
    }

    bool save(const std::string& path) const {
        std::ofstream out(path, std::ios::binary);
        if (!out) return false;
        const int rowBytes = (w_ * 3 + 3) / 4 * 4;
        const std::uint32_t dataSize = static_cast<std::uint32_t>(rowBytes * h_);
        auto put16 = [&](std::uint16_t v) {
            out.put(static_cast<char>(v & 0xff)).put(static_cast<char>(v >> 8));
        };
        auto put32 = [&](std::uint32_t v) {
            for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xff));
        };
        out.put('B').put('M');
        put32(54 + dataSize);
        put32(0);
        put32(54);
        put32(40);
        put32(static_cast<std::uint32_t>(w_));
        put32(static_cast<std::uint32_t>(h_));
        put16(1);
        put16(24);
        put32(0);
        put32(dataSize);
        put32(2835);
        put32(2835);
        put32(0);
        put32(0);
        std::vector<char> row(static_cast<std::size_t>(rowBytes), 0);
        for (int y = h_ - 1; y >= 0; --y) {  // bottom-up rows
            for (int x = 0; x < w_; ++x) {
                const Colour c = px_[static_cast<std::size_t>(y * w_ + x)];
                row[static_cast<std::size_t>(x * 3)] = static_cast<char>(c.b);
                row[static_cast<std::size_t>(x * 3 + 1)] = static_cast<char>(c.g);
                row[static_cast<std::size_t>(x * 3 + 2)] = static_cast<char>(c.r);
            }
            out.write(row.data(), rowBytes);
        }
        return static_cast<bool>(out);
    }

private:
    int w_, h_;
    std::vector<Colour> px_;
};

// A 5 × 7 pixel font with the few characters the labels need: the quantity
// names the program prints (DS, TL, B, Tsi, Tso, Tti, Tto, Wt, Ws), "cut",
// "in" and "out". Rows top down, the leftmost pixel in bit 4.
struct Glyph {
    char ch;
    std::uint8_t rows[7];
};

constexpr Glyph kFont[] = {
    {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'D', {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C}},
    {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}},
    {'c', {0x00, 0x00, 0x0E, 0x10, 0x10, 0x11, 0x0E}},
    {'i', {0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E}},
    {'n', {0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11}},
    {'o', {0x00, 0x00, 0x0E, 0x11, 0x11, 0x11, 0x0E}},
    {'s', {0x00, 0x00, 0x0E, 0x10, 0x0E, 0x01, 0x1E}},
    {'t', {0x08, 0x08, 0x1C, 0x08, 0x08, 0x09, 0x06}},
    {'u', {0x00, 0x00, 0x11, 0x11, 0x11, 0x13, 0x0D}},
};

const Glyph* glyphOf(char ch) {
    for (const Glyph& g : kFont)
        if (g.ch == ch) return &g;
    return nullptr;  // a blank
}

// Width in pixels of a label at a scale: 6 columns a character.
int textWidth(const std::string& text, int scale) {
    return static_cast<int>(text.size()) * 6 * scale - scale;
}

// A label with its top left at (x, y) on a white ground, so that it reads
// over tubes and shading.
void text(Canvas& c, int x, int y, const std::string& label, Colour ink, int scale = 1) {
    c.fill(x - 1, y - 1, x + textWidth(label, scale), y + 7 * scale, kWhite);
    for (std::size_t i = 0; i < label.size(); ++i) {
        const Glyph* g = glyphOf(label[i]);
        if (!g) continue;
        const int gx = x + static_cast<int>(i) * 6 * scale;
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (g->rows[row] & (0x10 >> col))
                    c.fill(gx + col * scale, y + row * scale, gx + col * scale + scale - 1,
                           y + row * scale + scale - 1, ink);
    }
}

// A dimension line between two points with short end marks across it and
// its label at the middle.
void dimension(Canvas& c, int x0, int y0, int x1, int y1, const std::string& label) {
    c.line(x0, y0, x1, y1, kInk, 1);
    const bool horizontal = y0 == y1;
    for (auto [x, y] : {std::pair{x0, y0}, std::pair{x1, y1}}) {
        if (horizontal)
            c.line(x, y - 4, x, y + 4, kInk, 1);
        else
            c.line(x - 4, y, x + 4, y, kInk, 1);
    }
    const int w = textWidth(label, 1);
    text(c, (x0 + x1) / 2 - w / 2, (y0 + y1) / 2 - 3, label, kInk);
}

// Side section of a shell-and-tube exchanger inside the box (x0,y0)-(x1,y1):
// channel head on the left with the tube nozzles (an even number of passes)
// or with the tube inlet alone (odd: the outlet on the return head), return
// head on the right, shell nozzles top left and bottom right. With `arrows`
// the four streams are drawn as arrows at the nozzles, with `flows` the
// flow names beside the nozzle temperatures, with `dimensions` the tube
// length, shell diameter, baffle spacing and cut (right of x1: leave room).
void shellAndTube(Canvas& c, int x0, int y0, int x1, int y1, int baffles, bool arrows, bool flows,
                  bool dimensions, bool oddPasses = false) {
    const int h = y1 - y0;
    const int head = (x1 - x0) / 9;
    const int sx0 = x0 + head, sx1 = x1 - head / 2;  // shell between the tube sheets
    const int sy0 = y0 + h / 5, sy1 = y1 - h / 5;    // shell wall
    const int nozzle = std::max(10, (x1 - x0) / 22);
    // Shell and heads.
    c.fill(sx0, sy0, sx1, sy1, kShell);
    c.box(sx0, sy0, sx1, sy1, kInk, 3);
    c.box(x0 + 4, sy0 + 6, sx0, sy1 - 6, kInk, 3);                                   // channel head
    if (!oddPasses) c.line(x0 + 4, (sy0 + sy1) / 2, sx0, (sy0 + sy1) / 2, kInk, 2);  // partition
    c.box(sx1, sy0 + 6, x1 - 4, sy1 - 6, kInk, 3);                                   // return head
    c.fill(sx0 - 3, sy0 - 8, sx0 + 3, sy1 + 8, kSheet);                              // tube sheets
    c.fill(sx1 - 3, sy0 - 8, sx1 + 3, sy1 + 8, kSheet);
    // Tube bundle.
    const int tubes = 8;
    for (int i = 0; i < tubes; ++i) {
        const int y = sy0 + 12 + i * (sy1 - sy0 - 24) / (tubes - 1);
        c.line(sx0, y, sx1, y, kTube, 2);
    }
    // Segmental baffles, cut alternately at the top and the bottom.
    const int cut = (sy1 - sy0) / 4;
    for (int i = 1; i <= baffles; ++i) {
        const int x = sx0 + i * (sx1 - sx0) / (baffles + 1);
        if (i % 2)
            c.fill(x - 2, sy0 + cut, x + 2, sy1, kBaffle);
        else
            c.fill(x - 2, sy0, x + 2, sy1 - cut, kBaffle);
    }
    // Nozzles: tube in (channel, top) and out (channel, bottom; the return
    // head with odd passes); shell in (top left) and out (bottom right).
    const int tx = (x0 + 4 + sx0) / 2;
    const int to = oddPasses ? (sx1 + x1 - 4) / 2 : tx;
    c.box(tx - nozzle / 2, y0 + h / 10, tx + nozzle / 2, sy0 + 6, kInk, 2);
    c.box(to - nozzle / 2, sy1 - 6, to + nozzle / 2, y1 - h / 10, kInk, 2);
    const int si = sx0 + (sx1 - sx0) / 8, so = sx1 - (sx1 - sx0) / 8;
    c.box(si - nozzle / 2, y0 + h / 10, si + nozzle / 2, sy0, kInk, 2);
    c.box(so - nozzle / 2, sy1, so + nozzle / 2, y1 - h / 10, kInk, 2);
    if (arrows) {
        c.arrow(tx, y0, tx, y0 + h / 10 + 8, kTubeFlow);   // tube inlet
        c.arrow(to, y1 - h / 10 - 8, to, y1, kTubeFlow);   // tube outlet
        c.arrow(si, y0, si, y0 + h / 10 + 8, kShellFlow);  // shell inlet
        c.arrow(so, y1 - h / 10 - 8, so, y1, kShellFlow);  // shell outlet
    }
    // The nozzle temperatures by the names the summary and the forms use.
    const int right = nozzle / 2 + 4;
    text(c, tx + right, y0 + h / 10 - 2, "Tti", kTubeFlow);
    // Beside the outlet on the return head, the names stand to its left.
    const auto outletX = [&](const char* name) {
        return oddPasses ? to - right - textWidth(name, 1) : to + right;
    };
    text(c, outletX("Tto"), y1 - h / 10 - 6, "Tto", kTubeFlow);
    text(c, si + right, y0 + h / 10 - 2, "Tsi", kShellFlow);
    text(c, so - right - textWidth("Tso", 1), y1 - h / 10 - 6, "Tso", kShellFlow);
    if (flows) {
        text(c, tx + right, y0 + h / 10 + 8, "Wt in", kTubeFlow);
        text(c, outletX("Wt out"), y1 - h / 10 - 16, "Wt out", kTubeFlow);
        text(c, si + right, y0 + h / 10 + 8, "Ws in", kShellFlow);
        text(c, so - right - textWidth("Ws out", 1), y1 - h / 10 - 16, "Ws out", kShellFlow);
    }
    if (!dimensions) return;
    // Tube length between the tube sheets, under the nozzles; inside shell
    // diameter beside the return head; baffle spacing B between the first
    // two baffles and the cut of the first baffle, open at the top.
    dimension(c, sx0, y1 - 3, sx1, y1 - 3, "TL");
    dimension(c, x1 + 8, sy0, x1 + 8, sy1, "DS");
    const int b1 = sx0 + (sx1 - sx0) / (baffles + 1), b2 = sx0 + 2 * (sx1 - sx0) / (baffles + 1);
    dimension(c, b1, (sy0 + sy1) / 2, b2, (sy0 + sy1) / 2, "B");
    text(c, b1 + 5, sy0 + 3, "cut", kBaffle);
}

// End section: shell circle, tube layout on a square pitch, and the baffle
// cut line.
void endSection(Canvas& c, int cx, int cy, int r) {
    c.circle(cx, cy, r, kShell, true);
    c.circle(cx, cy, r, kInk);
    const int pitch = r / 5;
    for (int y = -r; y <= r; y += pitch)
        for (int x = -r; x <= r; x += pitch)
            if ((x * x + y * y) * 100 < (r - pitch / 2) * (r - pitch / 2) * 81)
                c.circle(cx + x, cy + y, pitch / 3, kTube, true);
    const int cutY = cy - r * 45 / 100;  // baffle cut, 0.45 of the radius above the centre
    const int half =
        static_cast<int>(std::sqrt(static_cast<float>(r * r - (cy - cutY) * (cy - cutY))));
    c.line(cx - half, cutY, cx + half, cutY, kBaffle, 3);
}

// Double-tube (annulus) exchanger: inner tube inside the outer tube, the
// tube stream in the inner tube, the annulus stream counter-current.
void doubleTube(Canvas& c, int x0, int y0, int x1, int y1) {
    const int cy = (y0 + y1) / 2;
    const int h = y1 - y0;
    const int outer = h / 4, inner = h / 9;
    c.fill(x0 + 30, cy - outer, x1 - 30, cy + outer, kAnnulus);
    c.box(x0 + 30, cy - outer, x1 - 30, cy + outer, kInk, 3);
    c.fill(x0 + 4, cy - inner, x1 - 4, cy + inner, kShell);
    c.line(x0 + 4, cy - inner, x1 - 4, cy - inner, kInk, 2);
    c.line(x0 + 4, cy + inner, x1 - 4, cy + inner, kInk, 2);
    // Annulus nozzles: in at the right (top), out at the left (bottom).
    const int n = std::max(8, (x1 - x0) / 30);
    c.box(x1 - 60 - n, y0 + h / 10, x1 - 60 + n, cy - outer, kInk, 2);
    c.box(x0 + 60 - n, cy + outer, x0 + 60 + n, y1 - h / 10, kInk, 2);
    c.arrow(x1 - 60, y0, x1 - 60, y0 + h / 10 + 8, kShellFlow);
    c.arrow(x0 + 60, y1 - h / 10 - 8, x0 + 60, y1, kShellFlow);
    c.arrow(x0 - 20 + 4, cy, x0 + 40, cy, kTubeFlow);
    c.arrow(x1 - 40, cy, x1 - 4, cy, kTubeFlow);
    // Nozzle temperatures; the outer tube's inside diameter stands as DS
    // and the length between the annulus ends as TL.
    text(c, x0 + 6, cy - inner - 12, "Tti", kTubeFlow);
    text(c, x1 - 6 - textWidth("Tto", 1), cy - inner - 12, "Tto", kTubeFlow);
    text(c, x1 - 60 + n + 4, y0 + h / 10, "Tsi", kShellFlow);
    text(c, x0 + 60 + n + 4, y1 - h / 10 - 8, "Tso", kShellFlow);
    dimension(c, x0 + 30, y1 - 4, x1 - 30, y1 - 4, "TL");
    dimension(c, x0 + 130, cy - outer, x0 + 130, cy + outer, "DS");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: hxdrawings OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    bool ok = true;

    Canvas drawing(760, 460);  // fits the 780 x 510 figure window
    shellAndTube(drawing, 20, 40, 500, 420, 5, true, false, true);
    endSection(drawing, 640, 230, 100);
    ok = drawing.save(dir + "熱交詳細図.bmp") && ok;

    Canvas result(360, 200);
    shellAndTube(result, 10, 10, 320, 190, 4, false, false, true);
    ok = result.save(dir + "vorn2-4J.bmp") && ok;
    Canvas resultOdd(360, 200);
    shellAndTube(resultOdd, 10, 10, 320, 190, 4, false, false, true, true);
    ok = resultOdd.save(dir + "vorn2-4J_odd.bmp") && ok;

    Canvas annulus(360, 200);
    doubleTube(annulus, 10, 10, 350, 190);
    ok = annulus.save(dir + "vorn2-4JD.bmp") && ok;

    Canvas flow(480, 300);
    shellAndTube(flow, 60, 10, 420, 290, 4, true, true, false);
    ok = flow.save(dir + "vornfig1.bmp") && ok;
    Canvas flowOdd(480, 300);
    shellAndTube(flowOdd, 60, 10, 420, 290, 4, true, true, false, true);
    ok = flowOdd.save(dir + "vornfig1_odd.bmp") && ok;

    if (!ok) {
        std::cerr << "hxdrawings: cannot write the figures into " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
