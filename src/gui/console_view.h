// The text window widget: paints a TextConsole's page as a character grid
// in IPA Gothic (a half-width character one cell, a full-width one two),
// shows the last rows with a scroll bar over the rest of the page, and
// collects a typed line or one key for the console that waits on it.
//
// Painting is throttled: the page is re-read and drawn at most about 60
// times a second, however often the console changes it.
#pragma once

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "console/text_console.h"

namespace hx::gui {

class ConsoleView : public QWidget {
public:
    static constexpr int kVisibleRows = 24;
    static constexpr int kMinRepaintMs = 16;  // about 60 repaints a second

    explicit ConsoleView(QWidget* parent = nullptr);

    // The console whose page is shown (not owned); may be changed.
    void setSource(const TextConsole* source);

    // The page changed: repaint now if the last repaint is old enough,
    // else once the interval has passed.
    void pageChanged();
    // Re-reads the page and repaints at once (screenshots).
    void refreshNow();

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
    int lastRow() const;  // rows the page spans, the cursor row included
    void updateScrollRange();
    void finishWait(std::string answer);  // by value: the typed text is cleared first

    const TextConsole* source_ = nullptr;
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
