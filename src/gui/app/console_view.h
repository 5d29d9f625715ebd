// The text window widget: paints a TextConsole's page as a character grid
// in IPA Gothic (a half-width character one cell, a full-width one two;
// box-drawing characters as joined lines), shows the last rows with a scroll
// bar over the rest of the page and the pages cleared before it, and
// collects a typed line or one key for the console that waits on it.
//
// Painting is throttled: the page is re-read and drawn at most about 60
// times a second, however often the console changes it.
#pragma once

#include <QElapsedTimer>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "console/text_console.h"
#include "gui/app/box_drawing.h"

namespace hx::gui {

class ConsoleView : public QWidget {
public:
    static constexpr int kDefaultRows = 30;   // rows shown at the default size
    static constexpr int kMinRepaintMs = 16;  // about 60 repaints a second
    static constexpr int kDefaultFontPixels = 15;
    static constexpr int kScrollbackRows = 5000;  // of the cleared pages, the latest kept

    explicit ConsoleView(QWidget* parent = nullptr);

    // The console whose page is shown (not owned); may be changed.
    void setSource(const TextConsole* source);

    // The page changed: repaint now if the last repaint is old enough,
    // else once the interval has passed.
    void pageChanged();
    // Re-reads the page and repaints at once (screenshots).
    void refreshNow();
    // The rows of a page about to be cleared, kept above the next page.
    void keepScrollback(const std::vector<std::string>& rows);
    int scrollbackRows() const { return static_cast<int>(history_.size()); }
    // The first row shown: the scrollback rows come first, then the page.
    int topRow() const;
    void scrollToRow(int row);

    // The font size of the grid, in pixels; the window keeps its columns.
    void setFontPixels(int pixels);
    int fontPixels() const { return font_.pixelSize(); }

    // Waiting for input. `done` receives the typed line (Enter ends it) or
    // the key (Enter is the empty string).
    enum class Wait { None, Line, Key };
    void beginWait(Wait what, std::function<void(const std::string&)> done);
    void cancelWait();
    Wait waiting() const { return wait_; }

    int repaintCount() const { return repaints_; }
    QSize cellSize() const { return {cellW_, cellH_}; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void snapshot();
    void setMetrics();
    int visibleRows() const;
    int lastRow() const;  // rows scrollback and page span, the cursor row included
    // The text of a row (scrollback, then page); nullptr past either end.
    const std::string* rowAt(int row) const;
    // The character covering each column of a row and of the rows around it.
    struct RowCells {
        std::vector<char32_t> above, self, below;
        BoxNeighbours neighbours(int col, int width) const;
    };
    int drawRow(QPainter& painter, int row, const std::string& text, int startCol,
                const RowCells* cells) const;
    void updateScrollRange();
    void finishWait(std::string answer);  // by value: the typed text is cleared first

    const TextConsole* source_ = nullptr;
    std::vector<std::string> history_;  // rows of the pages cleared before
    std::vector<std::string> rows_;
    int cursorRow_ = 0;
    int cursorCol_ = 0;
    QFont font_;
    int cellW_ = 8;
    int cellH_ = 16;
    int ascent_ = 13;
    QScrollBar* scroll_;
    bool followBottom_ = true;
    QTimer timer_;
    QElapsedTimer sinceRepaint_;
    int repaints_ = 0;

    Wait wait_ = Wait::None;
    std::string typed_;
    std::function<void(const std::string&)> done_;
};

}  // namespace hx::gui
