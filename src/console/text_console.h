// The text window through which a calculation talks to the user: it clears,
// positions the cursor, prints lines and numbers through pictures, reads
// typed answers and halts until a key is pressed.
//
// Rows and columns count from 0; columns are display columns (ASCII and
// half-width katakana one, every other character two). `locate` addresses
// the page written since the last clear, which grows downward as lines are
// printed; a front end shows its last rows and scrolls back over the rest.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace hx {

// Whether a print statement ends the line (the usual case) or leaves it
// open so the next print continues on it.
enum class LineEnd { End, Keep };

// Raised by a console that cannot get an answer at all (a script that ran
// out of answers, or standard input at its end). It carries the prompt.
class NoAnswer : public std::runtime_error {
public:
    explicit NoAnswer(const std::string& prompt)
        : std::runtime_error("no answer for prompt: " + prompt), prompt_(prompt) {}
    const std::string& prompt() const { return prompt_; }

private:
    std::string prompt_;
};

class TextConsole {
public:
    static constexpr int kWidth = 100;  // columns; the reports fit in 80

    virtual ~TextConsole() = default;

    void clear();
    void locate(int row, int col);
    void print(std::string_view text, LineEnd end = LineEnd::End);
    void printUsing(std::string_view picture, std::span<const float> values,
                    LineEnd end = LineEnd::End);
    void printUsing(std::string_view picture, std::initializer_list<float> values,
                    LineEnd end = LineEnd::End);
    // Prints `text` as print does, for text printed over and over unchanged
    // (the fixed rows of a screen): like a picture's literal text, it is
    // laid out in cells once for the program, and printing it again copies
    // them.
    void printRepeated(std::string_view text, LineEnd end = LineEnd::End);

    // Prints the prompt on the current line, reads one typed line and ends
    // the line. The answer is also left on the screen after the prompt.
    std::string input(std::string_view prompt);

    // A prompt answered by one key (a menu choice, y/n): prints the prompt,
    // reads the answer, shows it after the prompt and ends the line, as
    // input does. A front end that reads keys takes the first key without
    // Enter; one that reads lines reads a line.
    std::string inputKey(std::string_view prompt);

    // Waits for one key and returns it (Enter is the empty string).
    std::string waitKey();

    // Shows the interruption notice on lines of their own and waits for a key.
    void halt();

    // The page as text, one string per row, trailing blanks dropped.
    std::vector<std::string> screen() const;
    int row() const { return row_; }
    // How many times the window was cleared: a page's identity.
    long pageCount() const { return pageCount_; }
    int column() const { return col_; }
    // How many columns of a row of the page were written since the row
    // joined the page; the cells from there on are blank.
    int writtenColumns(int row) const;
    // The column at which the last completed line ended.
    int lastLineEnd() const { return lastLineEnd_; }

protected:
    // Implementations receive every completed line (its row, whose text
    // rowTextAt gives) and every clear, and supply the answers.
    virtual void lineCompleted(int row) = 0;
    // Called before the page is cleared, while it still holds its rows.
    virtual void aboutToClear() {}
    virtual void cleared() = 0;
    virtual std::string readLine(const std::string& prompt) = 0;
    virtual std::string readKey() = 0;
    // The answer of a one-key prompt; by default a typed line.
    virtual std::string readKeyAnswer(const std::string& prompt) { return readLine(prompt); }
    // Called after the page changed, for front ends that repaint.
    virtual void pageChanged() {}
    // Called after the cursor was placed by locate().
    virtual void located() {}

    // The text of the row the cursor stands on, for a line left open.
    std::string currentRowText() const;
    // The text of a row of the page, trailing blanks dropped.
    std::string rowTextAt(int row) const;
    bool lineOpen() const { return lineOpen_; }

private:
    // One column of the page: a UTF-8 character of up to four bytes, or
    // nothing for the right half of a wide character (the cell to the left
    // of an empty cell always holds a wide character, and only there). The
    // bytes are packed from the lowest in one word with their count above
    // them, so that a cell is tested and written whole; the word is kept
    // exclusive-or a blank's, so that a blank cell is all zero bits and a
    // value-initialized row is blank.
    struct Cell {
        static constexpr std::uint64_t kOneByte = std::uint64_t{1} << 32;
        static constexpr std::uint64_t kBlankCode = kOneByte | ' ';
        std::uint64_t bits;

        static Cell of(std::string_view ch);
        static Cell ascii(unsigned char byte) { return {(kOneByte | byte) ^ kBlankCode}; }
        static Cell blank() { return {0}; }
        static Cell rightHalf() { return {kBlankCode}; }  // no bytes
        bool empty() const { return bits == kBlankCode; }
        bool isBlank() const { return bits == 0; }
        // One ASCII byte: a character of one column that no neighbour depends on.
        bool isAscii() const { return (bits & ~std::uint64_t{0x7F}) == 0; }
        std::uint64_t code() const { return bits ^ kBlankCode; }
    };
    static_assert(std::is_trivial_v<Cell>, "rows are blanked by zeroing and copied whole");
    // A row of the page: no cells until something is first written on it,
    // then kWidth; the cells from `used` on were not written since the row
    // joined the page and are blank.
    struct Row {
        std::vector<Cell> cells;
        std::size_t used = 0;
        // The row's text, known without reading its cells while nothing but
        // one laid-out line from its first column was written on it.
        std::string text;
        bool textKnown = true;
    };

    // Shows an answer after its prompt and ends the line; returns its first line.
    std::string showAnswer(std::string answer);
    std::size_t putRun(std::string_view text, std::size_t pos);
    static std::size_t putAscii(const char* text, std::size_t count, Cell* cells,
                                std::size_t written);
    void putTab();
    static void unpairNeighbours(Cell* cells, int col, int width);
    // Text laid out in cells once for the whole program: a picture's
    // literal text around its fields, or a text printed as it is.
    struct Layout;
    enum class LayoutKind { Text, Picture };
    static const Layout* layoutOf(std::string_view text, LayoutKind kind);
    struct RecentLayout;
    RecentLayout* recentLayoutOf(std::string_view text, LayoutKind kind);
    bool putLaidOut(RecentLayout& recent, std::span<const float> values);
    static bool updateLine(RecentLayout& recent, std::span<const float> values);
    static void composeLine(RecentLayout& recent, std::span<const float> values);
    void putCells(const Cell* cells, std::size_t width, std::string_view text);
    void endLine();
    void endLineWithoutMoving();
    Row& rowAt(int r);
    void extendPage(std::size_t rows);
    static std::string rowText(const Row& row);

    // The rows of the page are the first rowCount_; the rest keep their
    // storage from earlier pages, so a cleared page is written again
    // without allocating.
    std::vector<Row> page_;
    std::size_t rowCount_ = 0;
    // The layouts printed lately, by the address of their text, with the
    // last line printed through each: a screen prints the same few texts
    // and pictures over and over, most of their numbers unchanged.
    struct RecentLayout {
        struct Number {
            std::uint32_t bits = 0;  // of the value
            bool known = false;
            std::string text;
            std::size_t column = 0;  // where the text starts in `line`
            std::size_t offset = 0;  // and in `lineText`
        };
        const char* text = nullptr;
        const Layout* layout = nullptr;
        std::vector<Number> numbers;  // the last of each field
        std::vector<Cell> line;
        std::string lineText;
        std::size_t lineValues = 0;  // how many values `line` shows
    };
    std::array<RecentLayout, 32> recentLayouts_{};
    std::size_t recentCount_ = 0;  // layouts ever kept there, the oldest replaced first
    std::size_t recentNext_ = 0;   // where the next one looked for likely is
    int row_ = 0;
    long pageCount_ = 0;
    int col_ = 0;
    bool lineOpen_ = false;  // something was printed on the row and the line not yet ended
    int lastLineEnd_ = 0;
};

// The interruption notice shown by halt().
inline constexpr std::string_view kHaltLine1 = "中断しました";
inline constexpr std::string_view kHaltLine2 = "任意のキーを押してください";

}  // namespace hx
