#include "sim_args.h"

#include <algorithm>
#include <charconv>

#include "records/game_settings.h"
#include "records/ini_file.h"

std::string ParsePack(std::string_view text, std::array<Card, 33>& pack) {
    int pos = 0;
    uint32_t seen[4] = {};
    for (size_t at = 0;; ++at) {
        const size_t comma = std::min(text.find(',', at), text.size());
        const std::string_view code = text.substr(at, comma - at);
        ++pos;
        if (code.empty()) return "no card at place " + std::to_string(pos);
        if (pos > 32) return "more than 32 cards";
        if (!ParseCardCode(code, pack[pos]))
            return "card " + std::to_string(pos) + " is not a card code S_R: '" +
                   std::string(code) + "'";
        const Card& c = pack[pos];
        if (seen[c.suit] & (1u << c.rank)) return "the card " + std::string(code) + " twice";
        seen[c.suit] |= 1u << c.rank;
        at = comma;
        if (at == text.size()) break;
    }
    return pos == 32 ? "" : "only " + std::to_string(pos) + " cards";
}

bool ReadPacks(std::istream& in, const std::string& name, std::vector<PresetPack>& packs,
               std::string& error) {
    packs.clear();
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto blank = line.find(' ');
        PresetPack p;
        const std::string pattern = line.substr(0, blank);
        const std::string where = name + ":" + std::to_string(number) + ": ";
        if (blank == std::string::npos || (pattern != "full" && pattern != "split")) {
            error = where + "expected 'full|split C1,...,C32'";
            return false;
        }
        const std::string problem = ParsePack(std::string_view(line).substr(blank + 1), p.pack);
        if (!problem.empty()) {
            error = where + problem;
            return false;
        }
        p.full = pattern == "full";
        packs.push_back(p);
    }
    if (in.bad()) {
        error = "cannot read " + name;
        return false;
    }
    if (packs.empty()) {
        error = name + " holds no deal";
        return false;
    }
    return true;
}

bool ParseNumber(std::string_view text, uint64_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

bool LoadRules(const std::string& file, GameSettings& settings, THra& game, std::string& error) {
    IniFile ini;
    if (!file.empty() && !ini.Load(file, error)) return false;
    ReadPlayersAndRules(ini, settings, game, nullptr);
    return true;
}
