#include "sim_watch.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>

#include "base/text_format.h"
#include "game/trick_rules.h"

namespace {

uint64_t Load8(const char* p) {
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

uint32_t Load4(const char* p) {
    uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Whether n bytes at a and at b agree. The runner's texts are a few dozen bytes at most, too
// short for the library's comparison to pay for its call, or for one of their own; overlapping
// loads cover the tail.
[[gnu::always_inline]] inline bool SameBytes(const char* a, const char* b, size_t n) {
    if (n > 16) {
        for (size_t i = 0; i + 8 < n; i += 8)
            if (Load8(a + i) != Load8(b + i)) return false;
        return Load8(a + n - 8) == Load8(b + n - 8);
    }
    if (n >= 8) return Load8(a) == Load8(b) && Load8(a + n - 8) == Load8(b + n - 8);
    if (n >= 4) return Load4(a) == Load4(b) && Load4(a + n - 4) == Load4(b + n - 4);
    return n == 0 || (a[0] == b[0] && a[n / 2] == b[n / 2] && a[n - 1] == b[n - 1]);
}

}  // namespace

template <class Count>
inline bool SimWatch::Tally<Count>::Recent::Holds(std::string_view text) const {
    return data == text.data() && size == text.size() && SameBytes(bytes, text.data(), size);
}

namespace {

std::optional<std::string_view> WholeText(std::string_view text) {
    return text;
}

// A result line counts by its label: the text without the amount or points after it. A line
// that is nothing but a rule counts nowhere.
std::optional<std::string_view> ResultLabel(std::string_view text) {
    static constexpr auto kAmountChar = [] {
        std::array<bool, 256> t{};
        for (char c : std::string_view("0123456789.,- ")) t[static_cast<unsigned char>(c)] = true;
        return t;
    }();
    size_t end = text.size();
    while (end > 0 && kAmountChar[static_cast<unsigned char>(text[end - 1])]) --end;
    if (end == 0) return std::nullopt;
    return text.substr(0, end);
}

double MoneySum(const THra& g) {
    return g.Seat(1)->money + g.Seat(2)->money + g.Seat(3)->money;
}

void AppendCode(std::string& out, const Card& c) {
    out += '"';
    out += CardCode(c);
    out += '"';
}

}  // namespace

// A card of no suit or rank adds no card to the set, so n distinct cards are n cards; 32 of
// them are the whole set, which needs no count.
bool DistinctCards(const Card* cards, int n) {
    const uint32_t set = CardSetOf(cards, n);
    return n == 32 ? set == ~0u : CountCards(set) == n;
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (char ch : text) {
        const unsigned char u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (u < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", u);
            out += esc;
        } else {
            out += ch;
        }
    }
    out += '"';
}

void SimWatch::Attach(THra& game) {
    game_ = &game;
    moneySum_ = MoneySum(game);
    lastMagnitude_ = std::fabs(game.Seat(1)->money) + std::fabs(game.Seat(2)->money) +
                     std::fabs(game.Seat(3)->money);
}

void SimWatch::Emit(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), out_);
    std::fputc('\n', out_);
}

void SimWatch::LogLine(std::string_view text) {
    ++produced_;
    if (!events_) return;
    line_ = "{\"log\":";
    AppendJsonString(line_, text);
    line_ += '}';
    Emit(line_);
}

void SimWatch::ShowMessage(std::string_view text) {
    Fail("message: " + std::string(text));
}

template <class Count>
size_t SimWatch::Tally<Count>::SetStart(const char* data) {
    // The texts' addresses lie a few bytes apart; the multiplication spreads them over the sets.
    const auto address = reinterpret_cast<uintptr_t>(data);
    return ((address * 0x9E3779B97F4A7C15u) >> 58) * kWays;
}

template <class Count>
auto SimWatch::Tally<Count>::Kept(std::string_view text) const -> const Recent* {
    const Recent* set = &recent[SetStart(text.data())];
    static_assert(kWays == 2);
    if (set[0].Holds(text)) return &set[0];
    if (set[1].Holds(text)) return &set[1];
    return nullptr;
}

template <class Count>
Count* SimWatch::Tally<Count>::Remember(std::string_view text, LabelOf labelOf) {
    Count* count = nullptr;
    if (const auto label = labelOf(text)) {
        auto it = map.find(*label);
        if (it == map.end()) it = map.emplace(std::string(*label), Count{}).first;
        count = &it->second;
    }
    if (text.size() <= kKeptBytes) {
        // The text met longest ago in this set makes room.
        Recent* set = &recent[SetStart(text.data())];
        std::move_backward(set, set + kWays - 1, set + kWays);
        set[0].data = text.data();
        set[0].size = text.size();
        set[0].count = count;
        std::memcpy(set[0].bytes, text.data(), text.size());
    }
    return count;
}

void SimWatch::CountResultLine(std::string_view text) {
    const auto* kept = resultLines_.Kept(text);
    if (!kept) return CountNewResultLine(text);
    if (kept->count) ++*kept->count;
}

void SimWatch::CountNewResultLine(std::string_view text) {
    if (long long* n = resultLines_.Remember(text, ResultLabel)) ++*n;
}

void SimWatch::EmitResult(std::string_view line) {
    line_ = "{\"result\":";
    AppendJsonString(line_, line);
    line_ += '}';
    Emit(line_);
}

// A line written is counted where it is written: the functions below then hold nothing of it
// across a call, and count it without saving registers.
void SimWatch::AddResultLine(std::string_view text) {
    ++produced_;
    if (events_) return WriteResultLine(text);
    CountResultLine(text);
}

void SimWatch::WriteResultLine(std::string_view text) {
    EmitResult(text);
    CountResultLine(text);
}

// The label itself is counted, so that a long amount cutting the shown label short still
// counts with its own label; the line is laid out only when it is written.
void SimWatch::AddResultAmount(std::string_view label, double amount) {
    ++produced_;
    if (events_) return WriteResultAmount(label, amount);
    CountResultLine(label);
}

void SimWatch::WriteResultAmount(std::string_view label, double amount) {
    EmitResult(FormatResultAmountLine(label, amount, DecimalSeparator()));
    CountResultLine(label);
}

void SimWatch::AddResultNumber(std::string_view label, int n) {
    ++produced_;
    if (events_) return WriteResultNumber(label, n);
    CountResultLine(label);
}

void SimWatch::WriteResultNumber(std::string_view label, int n) {
    EmitResult(PadRight(label, 30) + std::to_string(n));
    CountResultLine(label);
}

std::string SimWatch::PackText() const {
    std::string text;
    for (int i = 1; i <= 32; ++i) {
        if (i > 1) text += ',';
        text += CardCode(game_->cards.pack[i]);
    }
    return text;
}

void SimWatch::Fail(std::string_view what) {
    if (failed()) return;
    failure_ = "deal " + std::to_string(game_->gamesPlayed) + ": ";
    failure_ += what;
    failedPack_ = (game_->fullDeal ? "full " : "split ") + PackText();
}

namespace {

void CountCall(std::pair<long long, long long>& count, int seatNo) {
    ++count.first;
    if (seatNo == 1) ++count.second;
}

}  // namespace

void SimWatch::SayCall(int seatNo, std::string_view callWord) {
    ++produced_;
    const auto* kept = calls_.Kept(callWord);
    if (!kept) return CountNewCall(seatNo, callWord);
    CountCall(*kept->count, seatNo);
}

void SimWatch::CountNewCall(int seatNo, std::string_view callWord) {
    CountCall(*calls_.Remember(callWord, WholeText), seatNo);
}

void SimWatch::Human(std::string_view fields) {
    std::string line = "{\"human\":{";
    line += fields;
    line += "}}";
    if (events_) Emit(line);
    humanEvents_.push_back(std::move(line));
}

void SimWatch::Dealt() {
    tricksThisDeal_ = 0;
    humanEvents_.clear();
    if (!DistinctCards(&game_->cards.pack[1], 32))
        Fail("the dealt cards are not 32 distinct cards");
    if (events_) EmitDeal();
}

void SimWatch::EmitDeal() {
    line_ = "{\"deal\":{\"number\":" + std::to_string(game_->gamesPlayed) +
            ",\"forehand\":" + std::to_string(game_->forehand->seatNo) +
            ",\"full\":" + (game_->fullDeal ? "true" : "false") + ",\"pack\":[";
    for (int i = 1; i <= 32; ++i) {
        if (i > 1) line_ += ',';
        AppendCode(line_, game_->cards.pack[i]);
    }
    line_ += "]}}";
    Emit(line_);
}

void SimWatch::TalonLaid(const THrac& seat) {
    if (!events_) return;
    line_ = "{\"talon\":{\"seat\":" + std::to_string(seat.seatNo) + ",\"cards\":[";
    AppendCode(line_, game_->talon[0]);
    line_ += ',';
    AppendCode(line_, game_->talon[1]);
    line_ += "]}}";
    Emit(line_);
}

void SimWatch::CardPlaying(const THrac& seat, const TKarta& card) {
    // The seat on turn plays a card it holds, from one of the ten slots a hand plays from
    // (SlotOf's test, without working out the slot). Whether the rules allowed the card is
    // judged with its trick, from the hand kept here.
    const std::less<const TKarta*> before;
    const bool inSlots = !before(&card, &seat.hand[1]) && !before(&seat.hand[10], &card);
    if (&seat != game_->onTurn || !inSlots || card.state != inHand) return FaultyPlay(seat, card);
    heldAtPlay_[seat.seatNo & 3u] = seat.HeldCards();
    // The human's card is his decision: written before anything the play writes.
    if (seat.IsHuman()) HumanPlay(card);
}

void SimWatch::HumanPlay(const TKarta& card) {
    Human("\"play\":\"" + CardCode(card.triple()) + "\"");
}

// Kept apart from the checks, which run for every card: the checks end in a call, so that they
// need no registers saved.
void SimWatch::FaultyPlay(const THrac& seat, const TKarta& card) {
    const THra& g = *game_;
    heldAtPlay_[seat.seatNo & 3u] = seat.HeldCards();
    // The cards before this one in the trick are reported first, as they were played first.
    JudgeTrick(g.trickLeader, g.cardsOnTable, g.tricksPlayed + 1);
    if (&seat != g.onTurn) Fail("seat " + std::to_string(seat.seatNo) + " played out of turn");
    const int slot = seat.SlotOf(card);
    if (slot < 1 || slot > 10 || card.state != inHand)
        Fail("seat " + std::to_string(seat.seatNo) + " played a card it does not hold");
    if (!IsLegalPlay(g, seat, card.triple())) IllegalPlay(seat, card.triple(), g.tricksPlayed + 1);
    if (seat.IsHuman()) HumanPlay(card);
}

// The card the seat played to a trick, as the rule stood at its play: `onTable` cards before
// it, and the seat's hand then, kept when it played.
bool SimWatch::AllowedAt(const THrac& seat, int onTable) const {
    const Card& card = seat.playedCard;
    return PlayRule(*game_, onTable, heldAtPlay_[seat.seatNo & 3u]).Allows(card);
}

void SimWatch::JudgeTrick(const THrac* leader, int count, int trickNo) {
    const THrac* seat = leader;
    for (int i = 1; i < count; ++i) {
        seat = seat->next;
        if (!AllowedAt(*seat, i)) IllegalPlay(*seat, seat->playedCard, trickNo);
    }
}

void SimWatch::IllegalPlay(const THrac& seat, const Card& card, int trickNo) {
    Fail("seat " + std::to_string(seat.seatNo) + " played " + CardCode(card) +
         " against the rules (trick " + std::to_string(trickNo) + ")");
}

void SimWatch::TrickEvaluated(const THrac& leader, const Card (&cards)[3], const THrac& winner) {
    ++tricksThisDeal_;
    // Written first, so that the judging below holds nothing of it in registers.
    if (events_) EmitTrick(leader, cards, winner);
    // A lead is always allowed; the two cards after it are judged here, each with its place
    // in the trick known, and named only when one was not allowed.
    const THrac& second = *leader.next;
    if (!AllowedAt(second, 1) || !AllowedAt(*second.next, 2))
        JudgeTrick(&leader, 3, game_->tricksPlayed);
    if (game_->flekCount > kMaxFlek) Fail("flekCount above 10");
}

void SimWatch::EmitTrick(const THrac& leader, const Card (&cards)[3], const THrac& winner) {
    line_ = "{\"trick\":{\"leader\":" + std::to_string(leader.seatNo) + ",\"cards\":[";
    for (int i = 0; i < 3; ++i) {
        if (i) line_ += ',';
        AppendCode(line_, cards[i]);
    }
    line_ += "],\"winner\":" + std::to_string(winner.seatNo) + "}}";
    Emit(line_);
}

void SimWatch::Settled() {
    const THra& g = *game_;
    if (tricksThisDeal_ == 0) ++unplayed_;
    if (g.flekCount > kMaxFlek) Fail("flekCount above 10");
    if (g.flekCount > highestFlek_) highestFlek_ = g.flekCount;
    const double sum = MoneySum(g);
    // Each addition to a balance may round by half a unit in the last place of the result;
    // a settlement makes a few such additions. Beyond what that can explain, money was lost.
    const double magnitude =
        std::fabs(g.Seat(1)->money) + std::fabs(g.Seat(2)->money) + std::fabs(g.Seat(3)->money);
    roundingAllowed_ += 16 * std::numeric_limits<double>::epsilon() * (magnitude + lastMagnitude_);
    lastMagnitude_ = magnitude;
    if (std::fabs(sum - moneySum_) > 1e-6 * (1 + std::fabs(moneySum_)) + roundingAllowed_)
        MoneyLost(sum);
    if (events_) EmitMoney();
}

void SimWatch::MoneyLost(double sum) {
    Fail("the money sum changed from " + std::to_string(moneySum_) + " to " + std::to_string(sum));
}

void SimWatch::EmitMoney() {
    const THra& g = *game_;
    char buf[256];
    std::snprintf(buf, sizeof buf, "{\"money\":[\"%.2f\",\"%.2f\",\"%.2f\"]}", g.Seat(1)->money,
                  g.Seat(2)->money, g.Seat(3)->money);
    line_ = buf;
    Emit(line_);
}

void SimWatch::DealEnded() {
    // A deal left with a trick unfinished: its cards have not been judged yet.
    const THra& g = *game_;
    if (g.cardsOnTable > 0 && g.cardsOnTable < 3)
        JudgeTrick(g.trickLeader, g.cardsOnTable, g.tricksPlayed + 1);
    const PackAndPile& p = g.cards;
    if (p.pileCount != 32 || !DistinctCards(&p.pile[1], 32)) PileFault();
}

void SimWatch::PileFault() {
    Fail("the collected pile does not hold the 32 cards (" +
         std::to_string(game_->cards.pileCount) + " collected)");
}

void SimWatch::PrintSummary(std::FILE* out) const {
    // In the order of their texts, whatever order they were first met in.
    const std::map<std::string_view, long long> lines(resultLines_.map.begin(),
                                                      resultLines_.map.end());
    const std::map<std::string_view, std::pair<long long, long long>> calls(calls_.map.begin(),
                                                                            calls_.map.end());
    std::fprintf(out, "result lines:\n");
    for (const auto& [label, n] : lines)
        std::fprintf(out, "  %s %lld\n", PadRight(label, 36).c_str(), n);
    std::fprintf(out, "calls (all seats, seat 1):\n");
    for (const auto& [word, n] : calls)
        std::fprintf(out, "  %s %lld %lld\n", PadRight(word, 36).c_str(), n.first, n.second);
    std::fprintf(out, "highest doubling: %d %s\n", highestFlek_,
                 std::string(FlekName(highestFlek_)).c_str());
}
