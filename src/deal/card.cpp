#include "deal/card.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 4> kSuitNames = {"Červené", "Listy", "Žaludy", "Kule"};
constexpr std::array<std::string_view, 4> kSuitCalls = {"cervene", "listy", "zaludy", "kule"};
constexpr std::array<std::string_view, 4> kAdjLow = {"červená", "zelená", "žaludová", "kulová"};
constexpr std::array<std::string_view, 4> kAdjHigh = {"červený", "zelený", "žaludový", "kulový"};
constexpr std::array<std::string_view, 8> kRankNames = {"sedma",  "osma",   "devítka", "desítka",
                                                        "spodek", "svršek", "král",    "eso"};
constexpr std::array<std::string_view, 8> kRankCodes = {"7", "8", "9", "10", "j", "q", "k", "a"};
constexpr std::array<std::string_view, 3> kContractNames = {"Barva", "Betl", "Durch"};
constexpr std::array<std::string_view, 3> kContractCalls = {"barva", "betl", "durch"};
constexpr std::array<std::string_view, 11> kFlekNames = {
    "nefleknuto", "flek",   "lepší",    "tutti",       "boty", "kalhoty",
    "slipy",      "kaiser", "rekaiser", "tuttikaiser", "choť"};
constexpr std::array<std::string_view, 11> kFlekCalls = {
    "nefleknuto", "flek",   "lepsi",    "tutti",       "boty", "kalhoty",
    "slipy",      "kaiser", "rekaiser", "tuttikaiser", "chot"};

bool ValidSuit(uint8_t s) {
    return s < 4;
}
bool ValidRank(uint8_t r) {
    return r >= 7 && r <= 14;
}

}  // namespace

// A card's bit is where its suit's eight bits meet its rank's four (one in each suit); a suit
// or a rank of no card has none. A whole pack is asked at every deal, in one sweep.
uint32_t CardSetOf(const Card* cards, int n) {
    static constexpr auto kSuitBits = [] {
        std::array<uint32_t, 256> t{};
        for (int i = 0; i < 256; ++i) t[size_t(i)] = SuitBits(uint8_t(i));
        return t;
    }();
    static constexpr auto kRankBits = [] {
        std::array<uint32_t, 256> t{};
        for (int i = 0; i < 256; ++i)
            for (uint8_t suit = 0; suit < 4; ++suit) t[size_t(i)] |= CardBit(suit, uint8_t(i));
        return t;
    }();
    uint32_t set = 0;
#pragma GCC unroll 32
    for (int i = 0; i < n; ++i) set |= kSuitBits[cards[i].suit] & kRankBits[cards[i].rank];
    return set;
}

std::string_view SuitName(uint8_t suit) {
    return ValidSuit(suit) ? kSuitNames[suit] : "";
}
std::string_view SuitCallWord(uint8_t suit) {
    return ValidSuit(suit) ? kSuitCalls[suit] : "";
}

std::string_view SuitAdjective(uint8_t suit, uint8_t rank) {
    if (!ValidSuit(suit)) return "";
    return rank <= kTen ? kAdjLow[suit] : kAdjHigh[suit];
}

std::string_view RankName(uint8_t rank) {
    return ValidRank(rank) ? kRankNames[rank - 7] : "";
}

std::string_view RankPictureCode(uint8_t rank) {
    if (rank == 15) rank = kTen;
    if (rank == 16) rank = kAce;
    return ValidRank(rank) ? kRankCodes[rank - 7] : "";
}

std::string CardPictureFile(uint8_t suit, uint8_t rank) {
    std::string_view code = RankPictureCode(rank);
    if (!ValidSuit(suit) || code.empty()) return {};
    std::string name = "cards/";
    name += char('0' + suit);
    name += '_';
    name += code;
    name += ".bmp";
    return name;
}

std::string CardHint(uint8_t suit, uint8_t rank) {
    std::string hint(SuitAdjective(suit, rank));
    hint += ' ';
    hint += RankName(rank);
    return hint;
}

std::string CardCode(const Card& c) {
    return std::to_string(int(c.suit)) + "_" + std::to_string(int(c.rank));
}

bool ParseCardCode(std::string_view text, Card& out) {
    if (text.size() < 3 || text.size() > 4 || text[1] != '_') return false;
    if (text[0] < '0' || text[0] > '3') return false;
    int rank = 0;
    for (char ch : text.substr(2)) {
        if (ch < '0' || ch > '9') return false;
        rank = rank * 10 + (ch - '0');
    }
    if (!ValidRank(uint8_t(rank))) return false;
    out = Card{uint8_t(text[0] - '0'), uint8_t(rank), 0};
    return true;
}

std::string_view ContractName(uint8_t kind) {
    return kind < 3 ? kContractNames[kind] : "";
}
std::string_view ContractCallWord(uint8_t kind) {
    return kind < 3 ? kContractCalls[kind] : "";
}
std::string_view FlekName(int level) {
    return level >= 0 && level <= kMaxFlek ? kFlekNames[level] : "";
}
std::string_view FlekCallWord(int level) {
    return level >= 0 && level <= kMaxFlek ? kFlekCalls[level] : "";
}
