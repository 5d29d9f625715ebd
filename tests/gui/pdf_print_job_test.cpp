// The PDF print job: every addition rewrites one complete file, a file that
// cannot be written loses nothing and asks again, a long report breaks
// between lines, and the text comes back out of the file with its font
// embedded (poppler's pdftotext and pdffonts read it as a viewer would).
#include "gui/app/pdf_print_job.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "console/scripted_console.h"

namespace hx::gui {
namespace {

// The standard output of a shell command.
std::string commandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
    return out;
}

std::string pdfText(const QString& path) {
    return commandOutput("pdftotext -layout '" + path.toStdString() + "' -");
}

std::vector<std::string> report(const std::string& title, int lines) {
    std::vector<std::string> out{title};
    for (int i = 1; i < lines; ++i) out.push_back("         │" + std::to_string(i) + " │行 row│");
    return out;
}

struct Job {
    ScriptedConsole console;
    std::vector<QString> answers;  // the paths the save dialog gives, in turn
    int asked = 0;
    PdfPrintJob job{console,
                    [this] {
                        const QString path = asked < static_cast<int>(answers.size())
                                                 ? answers[static_cast<std::size_t>(asked)]
                                                 : QString();
                        ++asked;
                        return path;
                    },
                    [](HardCopy) {
                        QImage image(200, 100, QImage::Format_RGB32);
                        image.fill(Qt::gray);
                        return image;
                    }};

    bool printed(const std::string& text) const {
        for (const std::string& line : console.transcript())
            if (line.find(text) != std::string::npos) return true;
        return false;
    }
};

TEST(PdfPrintJob, TwoReportsGoIntoOneFileAskedForOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    Job j;
    j.answers = {path};
    j.job.printText(report("FIRST REPORT 計算結果サマリー", 10));
    j.job.printText(report("SECOND REPORT", 10));
    EXPECT_EQ(j.asked, 1);
    EXPECT_EQ(j.job.pageCount(), 2);
    const std::string text = pdfText(path);
    EXPECT_NE(text.find("FIRST REPORT"), std::string::npos);
    EXPECT_NE(text.find("計算結果サマリー"), std::string::npos);
    EXPECT_NE(text.find("SECOND REPORT"), std::string::npos);
    const std::string fonts = commandOutput("pdffonts '" + path.toStdString() + "'");
    EXPECT_NE(fonts.find("IPAGothic"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find(" yes "), std::string::npos) << fonts;  // embedded
    // Only the document is left in the folder: no temporary file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(PdfPrintJob, AnUnwritableFolderLosesNothingAndAsksAgain) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no-such-folder/report.pdf"));
    const QString good = dir.filePath(QStringLiteral("report.pdf"));
    Job j;
    j.answers = {missing, good};
    j.job.printText(report("KEPT REPORT", 5));
    EXPECT_TRUE(j.printed("The report could not be written to"));
    EXPECT_TRUE(j.printed("報告書をファイルに書き込めませんでした"));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_TRUE(j.job.path().isEmpty());
    j.job.printText(report("NEXT REPORT", 5));
    EXPECT_EQ(j.asked, 2);
    const std::string text = pdfText(good);
    EXPECT_NE(text.find("KEPT REPORT"), std::string::npos);
    EXPECT_NE(text.find("NEXT REPORT"), std::string::npos);
}

TEST(PdfPrintJob, ADeclinedDialogKeepsTheReportForTheNextPrint) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("later.pdf"));
    Job j;
    j.answers = {QString(), path};
    j.job.printText(report("DECLINED REPORT", 5));
    EXPECT_TRUE(j.printed("No file was chosen"));
    j.job.printHardCopy(HardCopy::ResultForm);
    EXPECT_EQ(j.job.pageCount(), 2);
    EXPECT_NE(pdfText(path).find("DECLINED REPORT"), std::string::npos);
}

TEST(PdfPrintJob, ALongReportBreaksBetweenLinesWithPageNumbers) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.pdf"));
    Job j;
    j.answers = {path};
    j.job.printText(report("LONG REPORT", 150));
    EXPECT_GE(j.job.pageCount(), 2);
    const std::string text = pdfText(path);
    // Every row comes out whole, and the last one too.
    EXPECT_NE(text.find("│149 │行 row│"), std::string::npos);
    EXPECT_NE(text.find("- 1 -"), std::string::npos);
    EXPECT_NE(text.find("- 2 -"), std::string::npos);
}

TEST(PdfPrintJob, EmptyLinesPastTheFootStartNoPage) {
    QTemporaryDir dir;
    // The rows of a page: the longest report that still fits on one.
    int rows = 0;
    for (int n = 40; n < 120 && rows == 0; ++n) {
        Job probe;
        probe.answers = {dir.filePath(QStringLiteral("probe.pdf"))};
        probe.job.printText(report("PROBE", n));
        if (probe.job.pageCount() == 2) rows = n - 1;
    }
    ASSERT_GT(rows, 0);
    Job j;
    j.answers = {dir.filePath(QStringLiteral("summary.pdf"))};
    std::vector<std::string> summary = report("SUMMARY", rows);
    summary.resize(summary.size() + 9);  // the nine empty lines of a text summary
    j.job.printText(summary);
    EXPECT_EQ(j.job.pageCount(), 1);
}

}  // namespace
}  // namespace hx::gui
