// The text window through which a calculation talks to the user: it clears,
// positions the cursor, prints lines and numbers through pictures, reads
// typed answers and halts until a key is pressed.
//
// Rows and columns count from 0; columns are display columns (ASCII and
// half-width katakana one, every other character two). `locate` addresses
// the page written since the last clear, which grows downward as lines are
// printed; a front end shows its last rows and scrolls back over the rest.
#pragma once

#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
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

    // Prints the prompt on the current line, reads one typed line and ends
    // the line. The answer is also left on the screen after the prompt.
    std::string input(std::string_view prompt);

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

protected:
    // Implementations receive every completed line (its row, whose text
    // rowTextAt gives) and every clear, and supply the answers.
    virtual void lineCompleted(int row) = 0;
    // Called before the page is cleared, while it still holds its rows.
    virtual void aboutToClear() {}
    virtual void cleared() = 0;
    virtual std::string readLine(const std::string& prompt) = 0;
    virtual std::string readKey() = 0;
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
    // nothing for the right half of a wide character.
    struct Cell {
        char bytes[4] = {' ', 0, 0, 0};
        unsigned char size = 1;
        bool empty() const { return size == 0; }
        bool narrow() const { return size == 1; }
        bool blank() const { return size == 1 && bytes[0] == ' '; }
        std::string_view glyph() const { return {bytes, size}; }
        void set(std::string_view ch) {
            size = static_cast<unsigned char>(ch.size() < 4 ? ch.size() : 4);
            for (unsigned char i = 0; i < size; ++i) bytes[i] = ch[i];
        }
        void clear() { size = 0; }
    };
    using Row = std::vector<Cell>;

    void putChar(std::string_view ch);
    void endLine();
    void endLineWithoutMoving();
    Row& rowAt(int r);
    static std::string rowText(const Row& row);

    std::vector<Row> page_;
    int row_ = 0;
    long pageCount_ = 0;
    int col_ = 0;
    bool lineOpen_ = false;  // something was printed on the row and the line not yet ended
};

// The interruption notice shown by halt().
inline constexpr std::string_view kHaltLine1 = "中断しました";
inline constexpr std::string_view kHaltLine2 = "任意のキーを押してください";

}  // namespace hx
