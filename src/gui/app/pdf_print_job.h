// The print job of a program run as one PDF file. The file is chosen at the
// first addition; every report and hard copy is kept in memory, and after
// each addition the whole document is written again to a temporary file in
// the same folder and renamed over the old one (a device or other file that
// is not a regular file is refused, never replaced), so the file on disk is
// always a complete document: a crash, a kill or a closed window between
// two prints leaves the earlier reports readable, and program end has
// nothing left to do.
//
// Text reports are drawn on the character grid of the text window in the
// embedded IPA Gothic font (a half-width character one column, a full-width
// one two), A4 portrait, a page break only between lines, the page number
// at the foot. A hard copy is the image of a window on a page of its own.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "console/text_console.h"
#include "model/platform.h"

namespace hx::gui {

class PdfPrintJob : public Printer {
public:
    // The file to write, asked when the job has none (the first print, and
    // the next one after a failed write). An empty name declines: the
    // reports stay in memory.
    using PathChooser = std::function<QString()>;
    // The image of a window for a hard copy; a null image when there is
    // nothing to show.
    using WindowGrabber = std::function<QImage(HardCopy)>;

    // A failed write shown to the user beyond the text window (the
    // desktop's message box: the print menu clears the window right after).
    using Alert = std::function<void(const QString& message)>;

    // Messages about the file go to `messages` (the text window).
    PdfPrintJob(TextConsole& messages, PathChooser choosePath, WindowGrabber grab,
                Alert alert = nullptr);

    void printText(const std::vector<std::string>& lines) override;
    void printHardCopy(HardCopy window) override;
    std::string deliveredTo() const override;

    // The file of the job; empty until one is chosen and written.
    const QString& path() const { return path_; }
    // Pages of the document as last written.
    int pageCount() const { return pages_; }
    // Writes that failed in this run (each reported as it failed).
    int failedWrites() const { return failedWrites_; }

private:
    struct Item {
        std::vector<std::string> lines;  // a text report
        QImage image;                    // a hard copy
    };

    void add(Item item);
    bool writeDocument(const QString& path, QString& error);
    void reportFailure(const QString& path, const QString& error);

    TextConsole& messages_;
    PathChooser choosePath_;
    WindowGrabber grab_;
    Alert alert_;
    QFont font_;
    std::vector<Item> items_;
    QString path_;
    int pages_ = 0;
    int failedWrites_ = 0;
};

// The IPA Gothic font of the reports, loaded from its file so that the PDF
// embeds it; the family name, or an empty string when the file is missing.
QString reportFontFamily();

// The default file of the save dialog: hxcalc-report-YYYYMMDD-HHMM.pdf in
// the user's documents folder.
QString defaultReportPath();

}  // namespace hx::gui
