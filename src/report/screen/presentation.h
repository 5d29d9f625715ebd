// The four presentations of the result screens: English or Japanese text
// with the engineering (kcal, kgf/cm2, m2/h, ℃) or the SI units (W, MPa,
// m2/s, K). The first presentation after a run is always English with
// engineering units; the results menu switches between them.
#pragma once

namespace hx {

enum class Presentation { EnglishEngineering, EnglishSI, JapaneseEngineering, JapaneseSI };

inline bool isSI(Presentation p) {
    return p == Presentation::EnglishSI || p == Presentation::JapaneseSI;
}
inline bool isJapanese(Presentation p) {
    return p == Presentation::JapaneseEngineering || p == Presentation::JapaneseSI;
}

// Key "2" of the results menu: the same language in the other units.
inline Presentation otherUnits(Presentation p) {
    switch (p) {
        case Presentation::EnglishEngineering: return Presentation::EnglishSI;
        case Presentation::EnglishSI: return Presentation::EnglishEngineering;
        case Presentation::JapaneseEngineering: return Presentation::JapaneseSI;
        case Presentation::JapaneseSI: return Presentation::JapaneseEngineering;
    }
    return p;
}

// Key "3": the same units in the other language.
inline Presentation otherLanguage(Presentation p) {
    switch (p) {
        case Presentation::EnglishEngineering: return Presentation::JapaneseEngineering;
        case Presentation::EnglishSI: return Presentation::JapaneseSI;
        case Presentation::JapaneseEngineering: return Presentation::EnglishEngineering;
        case Presentation::JapaneseSI: return Presentation::EnglishSI;
    }
    return p;
}

}  // namespace hx
