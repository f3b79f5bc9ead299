#include "sim_watch.h"

#include <cmath>
#include <cstdio>
#include <limits>

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

void SimWatch::Dealt() {
    tricksThisDeal_ = 0;
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
