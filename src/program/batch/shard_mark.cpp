#include "program/batch/shard_mark.h"

#include <charconv>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "program/session/case_file.h"

namespace hx {

namespace {

using nlohmann::json;

constexpr std::string_view kCsvStart = "# hxcalc sweep part ";

// A whole number at the start of `text`, which is advanced past it.
std::optional<std::size_t> leadingNumber(std::string_view& text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

bool skip(std::string_view& text, std::string_view expected) {
    if (!text.starts_with(expected)) return false;
    text.remove_prefix(expected.size());
    return true;
}

bool isFingerprint(std::string_view text) {
    return text.size() == 16 && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// A mark that can describe a part: K of N with 1 ≤ K ≤ N.
std::optional<ShardMark> checked(ShardMark mark) {
    if (mark.part.k < 1 || mark.part.n < mark.part.k || !isFingerprint(mark.sweep))
        return std::nullopt;
    return mark;
}

}  // namespace

std::string sweepFingerprint(std::string_view identity) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (char c : identity) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    char text[17];
    const auto end = std::to_chars(text, text + 16, hash, 16).ptr;
    const std::string digits(text, end);
    return std::string(16 - digits.size(), '0') + digits;
}

std::string sweepIdentity(const std::string& caseJson, const std::vector<Variation>& variations,
                          Presentation p, bool longNames, LimitPolicy policy) {
    std::string identity = caseJson;
    for (const Variation& v : variations) {
        identity += "\nvary " + v.key + "=";
        for (std::size_t i = 0; i < v.values.size(); ++i)
            identity += (i ? "," : "") + numberText(v.values[i]);
    }
    identity += isSI(p) ? "\nunits si" : "\nunits engineering";
    identity += longNames ? "\nnames long" : "\nnames short";
    identity += "\nloosen " + std::to_string(policy.loosenTimes);
    return identity;
}

std::string shardMarkCsvLine(const ShardMark& mark) {
    return std::string(kCsvStart) + std::to_string(mark.part.k) + " of " +
           std::to_string(mark.part.n) + ", a grid of " + std::to_string(mark.gridCases) +
           " cases, sweep " + mark.sweep + "\n";
}

std::optional<ShardMark> readShardMarkCsvLine(std::string_view line) {
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    ShardMark mark;
    std::optional<std::size_t> k, n, cases;
    if (!skip(line, kCsvStart) || !(k = leadingNumber(line)) || !skip(line, " of ") ||
        !(n = leadingNumber(line)) || !skip(line, ", a grid of ") ||
        !(cases = leadingNumber(line)) || !skip(line, " cases, sweep "))
        return std::nullopt;
    mark.part = Shard{*k, *n};
    mark.gridCases = *cases;
    mark.sweep = std::string(line);
    return checked(mark);
}

json shardMarkJson(const ShardMark& mark) {
    json object = json::object();
    object["part"] = mark.part.k;
    object["parts"] = mark.part.n;
    object["grid_cases"] = mark.gridCases;
    object["sweep"] = mark.sweep;
    return object;
}

std::optional<ShardMark> readShardMarkJson(const json& value) {
    const auto count = [&](const char* key) -> std::optional<std::size_t> {
        if (!value.contains(key) || !value[key].is_number_unsigned()) return std::nullopt;
        return value[key].get<std::size_t>();
    };
    if (!value.is_object() || !value.contains("sweep") || !value["sweep"].is_string())
        return std::nullopt;
    const auto k = count("part"), n = count("parts"), cases = count("grid_cases");
    if (!k || !n || !cases) return std::nullopt;
    return checked(ShardMark{Shard{*k, *n}, *cases, value["sweep"].get<std::string>()});
}

}  // namespace hx
