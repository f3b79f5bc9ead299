// The headless runner's readers of outside data: a pack given by --pack, a file of deals given
// by --packs, a rules file given by --rules and the numbers of --deals and --seed. They report
// what is wrong instead of stopping the program, so that the runner and the fuzz targets share
// them; the runner turns a report into a usage error.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "deal/card.h"

class THra;
class GameSettings;

struct PresetPack {
    std::array<Card, 33> pack{};  // positions 1..32
    bool full = false;
};

// 32 card codes separated by commas, each card once. An empty text when the pack is good,
// else what is wrong with it.
std::string ParsePack(std::string_view text, std::array<Card, 33>& pack);

// One deal per line, "full|split C1,...,C32"; `name` is the file's name for the messages.
// False, with the message in `error`, at the first line that is no deal, when the stream
// cannot be read, or when it holds no deal at all.
bool ReadPacks(std::istream& in, const std::string& name, std::vector<PresetPack>& packs,
               std::string& error);

// Decimal digits only, no sign, within 64 bits.
bool ParseNumber(std::string_view text, uint64_t& value);

// The rules, names, money, forehand and deal counter from a settings-style file (USER and
// GAME), with the settings file's defaults; no file (an empty name) gives the defaults. The
// file is only read, and only a file that reads completely is taken: false, with the message
// naming the file in `error`, otherwise.
bool LoadRules(const std::string& file, GameSettings& settings, THra& game, std::string& error);
