// Number pictures: the one formatter behind every printed number, shared by
// the text console and the printer.
//
// A picture is literal text with numeric fields such as "DS=#.###",
// "  ###,###.#", "**#.##", "+##.#", "##.##-", "#.###^^^^". The fields are
// used left to right, one number each; when the numbers outnumber the fields
// the picture starts again from its beginning. After the last number, the
// literal text that follows its field is printed up to the next field or the
// end of the picture.
#pragma once

#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hx {

// A picture without a numeric field (or one whose field starts with a
// character that cannot start a field) is a programming error of the caller.
class PictureError : public std::logic_error {
public:
    explicit PictureError(const std::string& picture);
};

// Formats `values` through `picture`. The result is UTF-8; tabs are left in
// the text as '\t' for the console or printer to expand to the next multiple
// of 8 columns. Throws PictureError.
std::string formatUsing(std::string_view picture, std::span<const float> values);
std::string formatUsing(std::string_view picture, std::initializer_list<float> values);

// A picture parsed once, for a caller that prints through it many times
// (the solver's progress rows). format() gives what formatUsing gives.
// Parsed pictures are kept for the whole program (thread-safely), so making
// one for a picture already seen costs a look-up, not a parse.
class CompiledPicture {
public:
    explicit CompiledPicture(std::string_view picture);  // throws PictureError
    ~CompiledPicture();
    CompiledPicture(CompiledPicture&&) noexcept;
    CompiledPicture& operator=(CompiledPicture&&) noexcept;
    std::string format(std::span<const float> values) const;

    // The parts that format() puts together, for a caller that lays out the
    // literal text once: the text before the first field, then for each
    // value its field's number and the text after that field; the text
    // before the first field comes again each time the picture restarts.
    std::size_t fieldCount() const;
    std::string_view leading() const;
    std::string_view after(std::size_t field) const;
    // Appends `value` as field `field` prints it (printable ASCII only).
    void appendField(std::string& out, std::size_t field, float value) const;

private:
    struct Parsed;
    // The parsed form of `picture`, shared with every other CompiledPicture
    // of the same text in the program.
    static std::shared_ptr<const Parsed> parsedOnce(std::string_view picture);
    std::shared_ptr<const Parsed> parsed_;
};

// The free number form: the shortest text of up to 7 significant digits, with
// a leading zero before the point ("0.03", "79.02", "1.5E-05", "1234.5"),
// "nan" and "inf"/"-inf" for values that are not finite. Used after an
// overflow '%' and wherever a number is printed without a picture.
std::string freeNumber(float value);

// Expands tabs to the next multiple of 8 display columns, counting from
// column `startColumn`.
std::string expandTabs(std::string_view text, int startColumn = 0);

}  // namespace hx
