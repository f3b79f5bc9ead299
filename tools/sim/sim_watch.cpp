#include "sim_watch.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "base/text_format.h"
#include "game/trick_rules.h"

namespace {

bool DistinctCards(const Card* cards, int n) {
    uint32_t seen[4] = {};
    for (int i = 0; i < n; ++i) {
        const Card& c = cards[i];
        if (c.suit > 3 || c.rank < 7 || c.rank > 14) return false;
        const uint32_t bit = 1u << c.rank;
        if (seen[c.suit] & bit) return false;
        seen[c.suit] |= bit;
    }
    return true;
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

void SimWatch::AddResultLine(std::string_view text) {
    ++produced_;
    // Counted by the label the line was made from, without its amount or points. A long
    // amount may cut the label short (no blank is left before the number): such a line counts
    // with the label seen before that it begins.
    const size_t end = text.find_last_not_of("0123456789.,- ");
    if (end != std::string_view::npos) {
        std::string label(text.substr(0, end + 1));
        if (end + 1 < text.size() && text[end + 1] != ' ') {
            const auto whole = resultLines_.lower_bound(label);
            if (whole != resultLines_.end() && whole->first.compare(0, label.size(), label) == 0)
                label = whole->first;
        }
        ++resultLines_[label];
    }
    if (!events_) return;
    line_ = "{\"result\":";
    AppendJsonString(line_, text);
    line_ += '}';
    Emit(line_);
}

std::string SimWatch::PackText() const {
    std::string text;
    for (int i = 1; i <= 32; ++i) {
        if (i > 1) text += ',';
        text += CardCode(game_->cards.pack[i]);
    }
    return text;
}

void SimWatch::Fail(const std::string& what) {
    if (failed()) return;
    failure_ = "deal " + std::to_string(game_->gamesPlayed) + ": " + what;
    failedPack_ = (game_->fullDeal ? "full " : "split ") + PackText();
}

void SimWatch::SayCall(int seatNo, std::string_view callWord) {
    ++produced_;
    auto& [all, seatOne] = calls_[std::string(callWord)];
    ++all;
    if (seatNo == 1) ++seatOne;
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
    if (!events_) return;
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
    const THra& g = *game_;
    if (&seat != g.onTurn) Fail("seat " + std::to_string(seat.seatNo) + " played out of turn");
    bool held = false;
    for (int i = 1; i <= 10; ++i)
        if (&seat.hand[i] == &card && card.state == inHand) held = true;
    if (!held) Fail("seat " + std::to_string(seat.seatNo) + " played a card it does not hold");
    if (!IsLegalPlay(g, seat, card.triple()))
        Fail("seat " + std::to_string(seat.seatNo) + " played " + CardCode(card.triple()) +
             " against the rules (trick " + std::to_string(g.tricksPlayed + 1) + ")");
    // The human's card is his decision: written before anything the play writes.
    if (seat.IsHuman()) Human("\"play\":\"" + CardCode(card.triple()) + "\"");
}

void SimWatch::TrickEvaluated(const THrac& leader, const Card (&cards)[3], const THrac& winner) {
    ++tricksThisDeal_;
    if (game_->flekCount > kMaxFlek) Fail("flekCount above 10");
    if (!events_) return;
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
        Fail("the money sum changed from " + std::to_string(moneySum_) + " to " +
             std::to_string(sum));
    if (!events_) return;
    char buf[256];
    std::snprintf(buf, sizeof buf, "{\"money\":[\"%.2f\",\"%.2f\",\"%.2f\"]}", g.Seat(1)->money,
                  g.Seat(2)->money, g.Seat(3)->money);
    line_ = buf;
    Emit(line_);
}

void SimWatch::DealEnded() {
    const PackAndPile& p = game_->cards;
    if (p.pileCount != 32 || !DistinctCards(&p.pile[1], 32))
        Fail("the collected pile does not hold the 32 cards (" + std::to_string(p.pileCount) +
             " collected)");
}

void SimWatch::PrintSummary(std::FILE* out) const {
    std::fprintf(out, "result lines:\n");
    for (const auto& [label, n] : resultLines_)
        std::fprintf(out, "  %s %lld\n", PadRight(label, 36).c_str(), n);
    std::fprintf(out, "calls (all seats, seat 1):\n");
    for (const auto& [word, n] : calls_)
        std::fprintf(out, "  %s %lld %lld\n", PadRight(word, 36).c_str(), n.first, n.second);
    std::fprintf(out, "highest doubling: %d %s\n", highestFlek_,
                 std::string(FlekName(highestFlek_)).c_str());
}
