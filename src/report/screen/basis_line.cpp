#include "report/screen/basis_line.h"

#include <cmath>

#include "calc/case/calculation_basis.h"

namespace hx {

namespace {

constexpr const char* kTextbookEnglish = " Calculation basis: textbook Bell-Delaware, tube layout ";
constexpr const char* kDegreesEnglish = " deg";
constexpr const char* kTextbookJapanese = " 計算基準：教科書ベル・デラウェア法、管配列 ";
constexpr const char* kDegreesJapanese = "°";

}  // namespace

std::optional<std::string> basisLine(Presentation p, const DesignCase& dc) {
    if (!onTextbookBasis(dc)) return std::nullopt;
    const std::string layout = std::to_string(static_cast<int>(std::lround(dc.tubeLayout)));
    if (isJapanese(p)) return kTextbookJapanese + layout + kDegreesJapanese;
    return kTextbookEnglish + layout + kDegreesEnglish;
}

void printBasisLine(Presentation p, const DesignCase& dc, TextConsole& console) {
    if (const std::optional<std::string> line = basisLine(p, dc)) console.print(*line);
}

}  // namespace hx
