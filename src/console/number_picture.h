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
class CompiledPicture {
public:
    explicit CompiledPicture(std::string_view picture);  // throws PictureError
    ~CompiledPicture();
    CompiledPicture(CompiledPicture&&) noexcept;
    CompiledPicture& operator=(CompiledPicture&&) noexcept;
    std::string format(std::span<const float> values) const;

private:
    struct Parsed;
    std::unique_ptr<Parsed> parsed_;
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
