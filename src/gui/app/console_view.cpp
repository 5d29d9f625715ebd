#include "gui/app/console_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "console/display_width.h"
#include "gui/app/box_drawing.h"

namespace hx::gui {

namespace {

constexpr int kMargin = 4;
constexpr int kScrollWidth = 14;

// The one key a key event stands for: Enter as the empty string, a printable
// key as its text; modifier-only and movement keys stand for none.
bool keyText(const QKeyEvent& event, std::string& key) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        key.clear();
        return true;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) {
        if (event.key() == Qt::Key_Escape) {
            key.assign(1, '\x1b');
            return true;
        }
        return false;
    }
    key = text.toStdString();
    return true;
}

// The character covering each column of a row (both columns of a wide one).
std::vector<char32_t> cellsOf(const std::string* text) {
    std::vector<char32_t> cells(TextConsole::kWidth + 2, U' ');
    if (!text) return cells;
    std::size_t col = 0;
    for (std::string_view ch : splitChars(*text)) {
        const char32_t code = codePoint(ch);
        for (int i = 0; i < charWidth(code) && col < cells.size(); ++i) cells[col++] = code;
    }
    return cells;
}

}  // namespace

ConsoleView::ConsoleView(QWidget* parent)
    : QWidget(parent), scroll_(new QScrollBar(Qt::Vertical, this)) {
    font_ = QFont(QStringLiteral("IPAGothic"));
    font_.setPixelSize(kDefaultFontPixels);
    font_.setStyleHint(QFont::Monospace);
    font_.setKerning(false);
    setMetrics();
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    scroll_->setRange(0, 0);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        followBottom_ = value == scroll_->maximum();
        update();
    });
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { refreshNow(); });
    sinceRepaint_.start();
}

void ConsoleView::setMetrics() {
    const QFontMetrics metrics(font_);
    cellW_ = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
    cellH_ = std::max(1, metrics.height());
    ascent_ = metrics.ascent();
}

void ConsoleView::setFontPixels(int pixels) {
    font_.setPixelSize(std::clamp(pixels, 8, 40));
    setMetrics();
    updateGeometry();
    updateScrollRange();
    update();
}

QSize ConsoleView::sizeHint() const {
    return {TextConsole::kWidth * cellW_ + 2 * kMargin + kScrollWidth,
            kDefaultRows * cellH_ + 2 * kMargin};
}

void ConsoleView::setSource(const TextConsole* source) {
    source_ = source;
    refreshNow();
}

void ConsoleView::keepScrollback(const std::vector<std::string>& rows) {
    history_.insert(history_.end(), rows.begin(), rows.end());
    if (history_.size() > static_cast<std::size_t>(kScrollbackRows))
        history_.erase(history_.begin(),
                       history_.end() - static_cast<std::ptrdiff_t>(kScrollbackRows));
}

void ConsoleView::pageChanged() {
    if (sinceRepaint_.elapsed() >= kMinRepaintMs && !timer_.isActive()) {
        refreshNow();
    } else if (!timer_.isActive()) {
        timer_.start(kMinRepaintMs);
    }
}

void ConsoleView::snapshot() {
    if (source_) {
        rows_ = source_->screen();
        cursorRow_ = source_->row();
        cursorCol_ = source_->column();
    } else {
        rows_.clear();
        cursorRow_ = cursorCol_ = 0;
    }
    updateScrollRange();
}

void ConsoleView::refreshNow() {
    timer_.stop();
    snapshot();
    ++repaints_;
    sinceRepaint_.restart();
    if (isVisible()) repaint();
}

int ConsoleView::visibleRows() const { return std::max(1, (height() - 2 * kMargin) / cellH_); }

int ConsoleView::lastRow() const {
    return scrollbackRows() + std::max(static_cast<int>(rows_.size()), cursorRow_ + 1);
}

int ConsoleView::topRow() const { return scroll_->value(); }

void ConsoleView::scrollToRow(int row) { scroll_->setValue(row); }

void ConsoleView::updateScrollRange() {
    // At the bottom the page starts at the top of the window, or scrolls
    // once it is longer; the cleared pages stand above it.
    const int maxTop = std::max(scrollbackRows(), lastRow() - visibleRows());
    const bool follow = followBottom_;
    scroll_->setRange(0, maxTop);
    scroll_->setPageStep(visibleRows());
    if (follow) scroll_->setValue(maxTop);
    followBottom_ = follow;
}

void ConsoleView::resizeEvent(QResizeEvent*) {
    scroll_->setGeometry(width() - kScrollWidth, 0, kScrollWidth, height());
    updateScrollRange();
}

const std::string* ConsoleView::rowAt(int row) const {
    const int history = scrollbackRows();
    if (row < 0) return nullptr;
    if (row < history) return &history_[static_cast<std::size_t>(row)];
    if (row - history < static_cast<int>(rows_.size()))
        return &rows_[static_cast<std::size_t>(row - history)];
    return nullptr;
}

int ConsoleView::drawRow(QPainter& painter, int row, const std::string& text, int startCol,
                         const RowCells* cells) const {
    const QColor ink(0, 0, 0);
    int col = startCol;
    const int y = kMargin + (row - topRow()) * cellH_;
    for (std::string_view ch : splitChars(text)) {
        const char32_t code = codePoint(ch);
        const int w = charWidth(code);
        const int x = kMargin + col * cellW_;
        BoxArms arms;
        if (boxArms(code, arms)) {
            if (cells) arms = joinedArms(arms, cells->neighbours(col, w));
            drawBoxArms(painter, QRect(x, y, w * cellW_, cellH_), arms, ink);
        } else if (ch != " ") {
            painter.drawText(x, y + ascent_,
                             QString::fromUtf8(ch.data(), static_cast<qsizetype>(ch.size())));
        }
        col += w;
    }
    return col;
}

BoxNeighbours ConsoleView::RowCells::neighbours(int col, int width) const {
    auto armsOf = [](const std::vector<char32_t>& cells, int at) {
        BoxArms arms;
        if (at >= 0 && at < static_cast<int>(cells.size()))
            boxArms(cells[static_cast<std::size_t>(at)], arms);
        return arms;
    };
    return {armsOf(above, col), armsOf(below, col), armsOf(self, col - 1),
            armsOf(self, col + width)};
}

void ConsoleView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 255, 255));
    painter.setFont(font_);
    painter.setPen(QColor(0, 0, 0));
    const int top = topRow();
    const int bottom = std::min(lastRow(), top + visibleRows());
    // Each row's columns beside those of the rows above and below it, so
    // that box-drawing junctions meet the lines around them.
    RowCells cells{{}, cellsOf(rowAt(top - 1)), cellsOf(rowAt(top))};
    for (int r = top; r < bottom; ++r) {
        cells.above = std::move(cells.self);
        cells.self = std::move(cells.below);
        cells.below = cellsOf(rowAt(r + 1));
        if (const std::string* text = rowAt(r)) drawRow(painter, r, *text, 0, &cells);
    }
    const int cursorRow = scrollbackRows() + cursorRow_;
    if (wait_ != Wait::None && cursorRow >= top && cursorRow < bottom) {
        // The typed text stands after the prompt; the cursor after it.
        const int end = drawRow(painter, cursorRow, typed_, cursorCol_, nullptr);
        const int x = kMargin + end * cellW_;
        const int y = kMargin + (cursorRow - top) * cellH_;
        painter.fillRect(x, y + cellH_ - 3, cellW_, 2, QColor(0, 0, 0));
    }
}

void ConsoleView::beginWait(Wait what, std::function<void(const std::string&)> done) {
    wait_ = what;
    typed_.clear();
    done_ = std::move(done);
    followBottom_ = true;
    refreshNow();
    setFocus(Qt::OtherFocusReason);
}

void ConsoleView::cancelWait() {
    wait_ = Wait::None;
    typed_.clear();
    done_ = nullptr;
    update();
}

void ConsoleView::finishWait(std::string answer) {
    auto done = std::move(done_);
    wait_ = Wait::None;
    typed_.clear();
    done_ = nullptr;
    update();
    if (done) done(answer);
}

void ConsoleView::keyPressEvent(QKeyEvent* event) {
    // Page Up and Page Down scroll, also while an answer is awaited.
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        const int step = event->key() == Qt::Key_PageUp ? -visibleRows() : visibleRows();
        scroll_->setValue(scroll_->value() + step);
        return;
    }
    if (wait_ == Wait::None) {
        QWidget::keyPressEvent(event);
        return;
    }
    std::string key;
    if (wait_ == Wait::Key) {
        if (keyText(*event, key)) finishWait(key);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        finishWait(typed_);
    } else if (event->key() == Qt::Key_Backspace) {
        auto chars = splitChars(typed_);
        if (!chars.empty()) typed_.resize(typed_.size() - chars.back().size());
        update();
    } else if (keyText(*event, key) && key != "\x1b") {
        if (cursorCol_ + displayWidth(typed_) + displayWidth(key) < TextConsole::kWidth)
            typed_ += key;
        update();
    }
}

void ConsoleView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 40;
    scroll_->setValue(scroll_->value() - steps);
}

}  // namespace hx::gui
