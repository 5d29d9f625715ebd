// Cutting printed reports into pages: no ruled table starts at a page foot
// with its heads alone, over every report the golden transcripts print, at
// page heights from 20 to 70 lines.
#include "report/print/printed_pages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace hx {
namespace {

bool has(const std::string& line, const char* mark) { return line.find(mark) != std::string::npos; }

// Every text report of a transcript, its lines as printed.
std::vector<std::vector<std::string>> printedReports(const std::filesystem::path& transcript) {
    std::vector<std::vector<std::string>> reports;
    std::ifstream in(transcript);
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (line == "---- print job: text ----") {
            reports.emplace_back();
            inside = true;
        } else if (line == "---- end ----") {
            inside = false;
        } else if (inside) {
            reports.back().push_back(line);
        }
    }
    return reports;
}

// A table whose top frame is on a page has, on that page, its bottom frame
// or its column heads (down to the first rule) and at least three rows more.
void expectNoHeadsAlone(const std::vector<std::string>& page, const std::string& where) {
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (!has(page[i], "┌")) continue;
        std::size_t rule = i;
        while (rule < page.size() && !has(page[rule], "├") && !has(page[rule], "└")) ++rule;
        if (rule < page.size() && has(page[rule], "└")) continue;
        EXPECT_GE(page.size(), rule + 1 + kRowsKeptWithHeads) << where << " line " << i;
    }
}

TEST(PrintedPages, NoTableHeadsAloneAtAPageFootInAnyGoldenReport) {
    int reports = 0;
    for (const auto& file : std::filesystem::directory_iterator(HX_TEST_DATA "/golden")) {
        if (file.path().extension() != ".out") continue;
        for (const auto& report : printedReports(file.path())) {
            ++reports;
            for (int rows = 20; rows <= 70; ++rows) {
                const auto pages = printedPages(report, rows);
                std::size_t kept = 0;
                for (std::size_t p = 0; p < pages.size(); ++p) {
                    EXPECT_LE(pages[p].size(), static_cast<std::size_t>(rows));
                    expectNoHeadsAlone(pages[p], file.path().filename().string() + " at " +
                                                     std::to_string(rows) + " rows, page " +
                                                     std::to_string(p + 1));
                    for (const auto& line : pages[p]) kept += line.empty() ? 0 : 1;
                }
                std::size_t written = 0;
                for (const auto& line : report) written += line.empty() ? 0 : 1;
                EXPECT_EQ(kept, written);  // no printed line lost
            }
        }
    }
    EXPECT_GT(reports, 5);
}

TEST(PrintedPages, ATableThatFitsAPageMovesWholeWithItsHeading) {
    std::vector<std::string> lines(7, "text");
    lines.emplace_back("");
    const std::vector<std::string> table = {" Heading", " (a note)", "┌─┬─┐", "│a│b│",
                                            "├─┼─┤",    "│1│2│",     "│3│4│", "└─┴─┘"};
    lines.insert(lines.end(), table.begin(), table.end());
    const auto pages = printedPages(lines, 10);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 8u);  // the text and the blank line after it
    EXPECT_EQ(pages[1], table);
}

}  // namespace
}  // namespace hx
