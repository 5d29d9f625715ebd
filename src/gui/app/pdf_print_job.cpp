#include "gui/app/pdf_print_job.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>

#include "console/display_width.h"
#include "program/session/replaced_file.h"
#include "report/print/printed_pages.h"

namespace hx::gui {

namespace {

// The Debian file of IPA Gothic, the fixed-pitch face of the text window.
constexpr const char* kFontFile = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";

constexpr int kResolution = 300;      // dots per inch of the page coordinates
constexpr qreal kMarginMm = 15.0;     // page margin on every side
constexpr int kColumns = 96;          // grid columns across the page: every report fits
constexpr qreal kLineSpacing = 1.15;  // line height over the font height

// The texts of the file messages, English then Japanese: the job does not
// know the presentation, so both lines are shown.
constexpr const char* kCannotWrite[] = {
    " The report could not be written to ",
    " 報告書をファイルに書き込めませんでした: ",
};
constexpr const char* kKeptAndAskAgain[] = {
    " It is kept; the next print asks for a file again.",
    " 報告書は保持され、次の印刷でファイルを再指定します。",
};
constexpr const char* kNoFileChosen[] = {
    " No file was chosen; the report is kept and the next print asks again.",
    " ファイルが指定されませんでした。報告書は保持され、次の印刷で再指定します。",
};

// The grid of one page, in page pixels.
struct PageGrid {
    QRect area;  // the lines; the foot below it holds the page number
    int cellWidth = 0;
    int lineHeight = 0;
    int ascent = 0;
    int rows = 0;
};

PageGrid pageGrid(const QPdfWriter& writer, QFont& font) {
    const QRect paint = writer.pageLayout().paintRectPixels(kResolution);
    PageGrid g;
    g.cellWidth = paint.width() / kColumns;
    // A half-width glyph of IPA Gothic is half an em wide.
    font.setPixelSize(2 * g.cellWidth);
    const QFontMetrics metrics(font, &writer);
    g.lineHeight = static_cast<int>(metrics.height() * kLineSpacing);
    g.ascent = metrics.ascent();
    g.area = QRect(paint.left(), paint.top(), paint.width(), paint.height() - 2 * g.lineHeight);
    g.rows = std::max(1, g.area.height() / g.lineHeight);
    return g;
}

void drawLine(QPainter& painter, const PageGrid& g, int row, const std::string& text) {
    int col = 0;
    const int y = g.area.top() + row * g.lineHeight + g.ascent;
    for (std::string_view ch : splitChars(text)) {
        if (ch != " ")
            painter.drawText(g.area.left() + col * g.cellWidth, y,
                             QString::fromUtf8(ch.data(), static_cast<qsizetype>(ch.size())));
        col += charWidth(codePoint(ch));
    }
}

void drawPageNumber(QPainter& painter, const PageGrid& g, int page) {
    const QRect foot(g.area.left(), g.area.bottom() + g.lineHeight, g.area.width(), g.lineHeight);
    painter.drawText(foot, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("- %1 -").arg(page));
}

// The image scaled to the line area, keeping its proportions, at the top.
void drawImage(QPainter& painter, const PageGrid& g, const QImage& image) {
    if (image.isNull()) return;
    const QSize size = image.size().scaled(g.area.size(), Qt::KeepAspectRatio);
    painter.drawImage(
        QRect(QPoint(g.area.left() + (g.area.width() - size.width()) / 2, g.area.top()), size),
        image);
}

}  // namespace

QString reportFontFamily() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(kFontFile));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.front();
    }();
    return family;
}

QString defaultReportPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    const QString name =
        QStringLiteral("hxcalc-report-%1.pdf")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm")));
    return QDir(folder).filePath(name);
}

PdfPrintJob::PdfPrintJob(TextConsole& messages, PathChooser choosePath, WindowGrabber grab,
                         Alert alert)
    : messages_(messages),
      choosePath_(std::move(choosePath)),
      grab_(std::move(grab)),
      alert_(std::move(alert)) {
    const QString family = reportFontFamily();
    font_ = QFont(family.isEmpty() ? QStringLiteral("IPAGothic") : family);
    font_.setStyleHint(QFont::Monospace);
    font_.setKerning(false);
}

void PdfPrintJob::printText(const std::vector<std::string>& lines) { add({lines, QImage()}); }

void PdfPrintJob::printHardCopy(HardCopy window) { add({{}, grab_ ? grab_(window) : QImage()}); }

std::string PdfPrintJob::deliveredTo() const {
    return QDir::toNativeSeparators(path_).toStdString();
}

void PdfPrintJob::add(Item item) {
    items_.push_back(std::move(item));
    QString path = path_;
    if (path.isEmpty()) path = choosePath_ ? choosePath_() : QString();
    if (path.isEmpty()) {
        for (const char* line : kNoFileChosen) messages_.print(line);
        return;
    }
    QString error;
    if (!writeDocument(path, error)) {
        reportFailure(path, error);
        ++failedWrites_;
        path_.clear();
        return;
    }
    path_ = path;
}

bool PdfPrintJob::writeDocument(const QString& path, QString& error) {
    // The document is drawn in memory first, then written whole through
    // a temporary file beside the target: every write, the flush to disk
    // and the close are checked before it is renamed over the old file.
    QByteArray document;
    QBuffer file(&document);
    file.open(QIODevice::WriteOnly);
    QPdfWriter writer(&file);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("hxcalc report"));
    writer.setCreator(QStringLiteral("hxcalc"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = QStringLiteral("cannot start the PDF document");
        return false;
    }
    const PageGrid g = pageGrid(writer, font_);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    int page = 1;
    const auto newPage = [&] {
        drawPageNumber(painter, g, page);
        writer.newPage();
        ++page;
    };
    for (std::size_t i = 0; i < items_.size(); ++i) {
        // Every report and every hard copy starts on a page of its own.
        if (i > 0) newPage();
        const Item& item = items_[i];
        if (!item.lines.empty() || item.image.isNull()) {
            const auto pages = printedPages(item.lines, g.rows);
            for (std::size_t p = 0; p < pages.size(); ++p) {
                if (p > 0) newPage();
                int row = 0;
                for (const std::string& line : pages[p]) drawLine(painter, g, row++, line);
            }
        } else {
            drawImage(painter, g, item.image);
        }
    }
    drawPageNumber(painter, g, page);
    painter.end();
    try {
        ReplacedFile out(path.toStdString());
        out.stream().write(document.constData(), static_cast<std::streamsize>(document.size()));
        out.commit();
    } catch (const OutputFileError& e) {
        error = QString::fromStdString(e.reason());
        return false;
    }
    pages_ = page;
    return true;
}

void PdfPrintJob::reportFailure(const QString& path, const QString& error) {
    const std::string where = QDir::toNativeSeparators(path).toStdString();
    const std::string why = error.toStdString();
    QString alert;
    for (int i = 0; i < 2; ++i) {
        const std::string line = std::string(kCannotWrite[i]) + where + " (" + why + ")";
        messages_.print(line);
        messages_.print(kKeptAndAskAgain[i]);
        alert += QString::fromStdString(line + "\n" + kKeptAndAskAgain[i] + "\n");
    }
    if (alert_) alert_(alert.trimmed());
}

}  // namespace hx::gui
