#include "gui/console_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "console/display_width.h"

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

}  // namespace

ConsoleView::ConsoleView(QWidget* parent)
    : QWidget(parent), scroll_(new QScrollBar(Qt::Vertical, this)) {
    font_ = QFont(QStringLiteral("IPAGothic"));
    font_.setPixelSize(15);
    font_.setStyleHint(QFont::Monospace);
    font_.setKerning(false);
    const QFontMetrics metrics(font_);
    cellW_ = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
    cellH_ = metrics.height();
    ascent_ = metrics.ascent();
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    scroll_->setRange(0, 0);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        followBottom_ = value == scroll_->maximum();
        update();
    });
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { refreshNow(); });
    sinceRepaint_.start();
}

QSize ConsoleView::sizeHint() const {
    return {TextConsole::kWidth * cellW_ + 2 * kMargin + kScrollWidth,
            kVisibleRows * cellH_ + 2 * kMargin};
}

void ConsoleView::setSource(const TextConsole* source) {
    source_ = source;
    refreshNow();
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

int ConsoleView::lastRow() const {
    return std::max(static_cast<int>(rows_.size()), cursorRow_ + 1);
}

void ConsoleView::updateScrollRange() {
    const int maxTop = std::max(0, lastRow() - kVisibleRows);
    const bool follow = followBottom_;
    scroll_->setRange(0, maxTop);
    scroll_->setPageStep(kVisibleRows);
    if (follow) scroll_->setValue(maxTop);
    followBottom_ = follow;
}

void ConsoleView::resizeEvent(QResizeEvent*) {
    scroll_->setGeometry(width() - kScrollWidth, 0, kScrollWidth, height());
}

void ConsoleView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 255, 255));
    painter.setFont(font_);
    painter.setPen(QColor(0, 0, 0));
    const int top = scroll_->value();
    const int bottom = std::min(lastRow(), top + kVisibleRows);
    auto drawRow = [&](int r, const std::string& text, int startCol) {
        int col = startCol;
        const int y = kMargin + (r - top) * cellH_;
        for (std::string_view ch : splitChars(text)) {
            const int w = charWidth(codePoint(ch));
            if (ch != " ")
                painter.drawText(kMargin + col * cellW_, y + ascent_,
                                 QString::fromUtf8(ch.data(), static_cast<qsizetype>(ch.size())));
            col += w;
        }
        return col;
    };
    for (int r = top; r < bottom; ++r) {
        if (r < static_cast<int>(rows_.size())) drawRow(r, rows_[static_cast<std::size_t>(r)], 0);
    }
    if (wait_ != Wait::None && cursorRow_ >= top && cursorRow_ < bottom) {
        // The typed text stands after the prompt; the cursor after it.
        const int end = drawRow(cursorRow_, typed_, cursorCol_);
        const int x = kMargin + end * cellW_;
        const int y = kMargin + (cursorRow_ - top) * cellH_;
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
    if (wait_ == Wait::None) {
        if (event->key() == Qt::Key_PageUp)
            scroll_->setValue(scroll_->value() - kVisibleRows);
        else if (event->key() == Qt::Key_PageDown)
            scroll_->setValue(scroll_->value() + kVisibleRows);
        else
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
