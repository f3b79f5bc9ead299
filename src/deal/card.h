// Cards of the 32-card German-suited pack.
//
// A card travels everywhere as a triple of bytes: suit 0..3 (Červené, Listy, Žaludy, Kule),
// rank 7..14 (sedma, osma, devítka, desítka, spodek, svršek, král, eso) and a strength that
// orders cards for the contract in force. In the suit game ("Barva") the ten ranks between the
// král and the eso (ten 15, ace 16) and every trump gets 20 more, so any trump beats any other
// card; in betl and durch the natural order 7..14 holds. A card laid to a trick that neither
// follows the led suit nor trumps gets strength 0 and can never win.
//
// Only tens and aces carry points (10 each, 80 in the pack).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

enum ContractKind : uint8_t { Barva = 0, Betl = 1, Durch = 2 };

struct Card {
    uint8_t suit = 0;
    uint8_t rank = 0;
    uint8_t strength = 0;
};

// Two cards are the same card when suit and rank agree; strength is only an ordering value.
inline bool SameCard(const Card& a, const Card& b) {
    return a.suit == b.suit && a.rank == b.rank;
}

// A set of cards in 32 bits: eight bits a suit, from the seven up. CardBit is 0 for anything
// that is no card.
constexpr uint32_t CardBit(uint8_t suit, uint8_t rank) {
    return suit < 4 && rank >= 7 && rank <= 14 ? 1u << (suit * 8 + rank - 7) : 0;
}
constexpr uint32_t SuitBits(uint8_t suit) {
    return suit < 4 ? 0xFFu << (suit * 8) : 0;
}
// How many bits each byte has: a suit's cards are one byte of a set.
inline constexpr auto kByteBits = [] {
    std::array<uint8_t, 256> t{};
    for (int i = 1; i < 256; ++i) t[size_t(i)] = uint8_t((i & 1) + t[size_t(i / 2)]);
    return t;
}();
// How many cards of a set there are.
inline int CountCards(uint32_t cards) {
    return kByteBits[cards & 0xFF] + kByteBits[(cards >> 8) & 0xFF] +
           kByteBits[(cards >> 16) & 0xFF] + kByteBits[cards >> 24];
}
// How many cards of the suit a set holds.
inline int CountSuitCards(uint32_t cards, uint8_t suit) {
    return suit < 4 ? kByteBits[(cards >> (suit * 8)) & 0xFF] : 0;
}

// The set of the cards; one that is no card adds nothing.
uint32_t CardSetOf(const Card* cards, int n);

constexpr uint8_t kSeven = 7, kTen = 10, kSpodek = 11, kSvrsek = 12, kKral = 13, kAce = 14;
constexpr uint8_t kHearts = 0;  // Červené: the suit that HERCE makes dearer

// By rank in the suit game: the ten and the ace move above the král. Every byte has an entry
// (the rank itself beyond 15), so a strength pass looks up without a test.
inline constexpr auto kSuitGameStrength = [] {
    std::array<uint8_t, 256> t{};
    constexpr uint8_t kLow[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 11, 12, 13, 16, 15};
    for (int r = 0; r < 256; ++r) t[size_t(r)] = r < 16 ? kLow[r] : uint8_t(r);
    return t;
}();
constexpr uint8_t CardStrength(uint8_t suit, uint8_t rank, uint8_t contractKind,
                               uint8_t trumpSuit) {
    if (contractKind != Barva) return rank;
    const uint8_t strength = kSuitGameStrength[rank];
    return suit == trumpSuit ? uint8_t(strength + 20) : strength;
}
inline int CardPoints(uint8_t rank) {
    return rank == kTen || rank == kAce ? 10 : 0;
}

// Name tables (suit 0..3, rank 7..14). Texts are UTF-8.
std::string_view SuitName(uint8_t suit);                     // "Červené"
std::string_view SuitCallWord(uint8_t suit);                 // "cervene"
std::string_view SuitAdjective(uint8_t suit, uint8_t rank);  // "červená" / "červený" by rank group
std::string_view RankName(uint8_t rank);                     // "sedma" .. "eso"
// Picture code of a rank: "7".."10", "j", "q", "k", "a"; 15 and 16 (suit-game strengths of the
// ten and the ace) are accepted too. Empty for anything else.
std::string_view RankPictureCode(uint8_t rank);
// "cards/<suit>_<code>.bmp", or empty when the card has no picture.
std::string CardPictureFile(uint8_t suit, uint8_t rank);
// The tooltip of a face-up card: adjective, one blank, rank name ("zelený král").
std::string CardHint(uint8_t suit, uint8_t rank);

// "S_R" as used on the runner's command line and in its event output (e.g. "0_7", "3_14").
std::string CardCode(const Card& c);
bool ParseCardCode(std::string_view text, Card& out);

std::string_view ContractName(uint8_t kind);      // "Barva", "Betl", "Durch"
std::string_view ContractCallWord(uint8_t kind);  // "barva", "betl", "durch"

// Doubling levels 0..10, "nefleknuto" .. "choť".
constexpr int kMaxFlek = 10;
std::string_view FlekName(int level);
std::string_view FlekCallWord(int level);
