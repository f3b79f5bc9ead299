// Pricing a finished game and moving the money.
//
// A suit game is worth the base stake, doubled once per flek level, twice in hearts when HERCE
// is on, and (NASOBIT) once more for every ten points over a hundred that either side took.
// The seven of trumps in the last trick is settled apart from the game: declared or silent,
// won or killed, for or against the declarer. A declared hundred doubles a won game again, or
// costs twice the hundred's base doubled for every ten points it fell short. Betl and durch
// are worth the base stake times their multiplier, doubled per flek level.
//
// A suit game that nobody doubled is won by the declarer without play: the game's base and a
// declared seven.
//
// Settling an amount a means the declarer receives 2a and each defender pays a.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "base/text_format.h"
#include "game/thra.h"

namespace {

const std::string kRule(37, '-');

double Doubled(double g, int times) {
    for (int i = 0; i < times; ++i) g *= 2;
    return g;
}

// Each ten points short of a hundred doubles what a failed hundred costs.
double Short(int n) {
    return n >= 100 ? 1 : Doubled(1, 10 - n / 10);
}

bool IsTrumpSeven(const Card& c, uint8_t trump) {
    return c.suit == trump && c.rank == kSeven;
}

// "Fleknuto 3x re", built without the heap.
class FlekLabel {
public:
    FlekLabel() = default;
    explicit FlekLabel(int flekCount) {
        Append("Fleknuto ");
        n_ = size_t(std::to_chars(text_ + n_, text_ + sizeof text_, flekCount).ptr - text_);
        Append("x ");
        Append(FlekName(flekCount));
    }
    operator std::string_view() const { return {text_, n_}; }

private:
    void Append(std::string_view s) {
        const size_t k = std::min(s.size(), sizeof text_ - n_);
        std::memcpy(text_ + n_, s.data(), k);
        n_ += k;
    }
    char text_[64];
    size_t n_ = 0;
};

// A settlement shows one on every suit game: the levels a deal can reach are laid out once, a
// level beyond them in `other`.
std::string_view FlekLabelText(int flekCount, FlekLabel& other) {
    static const auto kLabels = [] {
        std::array<FlekLabel, kMaxFlek + 1> t;
        for (int i = 0; i <= kMaxFlek; ++i) t[size_t(i)] = FlekLabel(i);
        return t;
    }();
    if (flekCount <= kMaxFlek) return kLabels[size_t(flekCount)];
    other = FlekLabel(flekCount);
    return other;
}

}  // namespace

void THra::LogNumber(std::string_view text, int n) {
    if (logShown_) LogLine(std::string(text) + std::to_string(n));
}

void THra::LogAmount(std::string_view text, double amount) {
    if (logShown_) LogLine(std::string(text) + FormatFixed(amount, 0, 2, DecimalSeparator()));
}

void THra::AddResultNumber(std::string_view label, int n) {
    if (resultShown_) result_->AddResultNumber(label, n);
}

void THra::Transfer(THrac* d, double a, bool record) {
    d->money += 2 * a;
    d->next->money -= a;
    d->next->next->money -= a;
    if (record) RecordGame(*d, a > 0 ? ResultWon : a < 0 ? ResultLost : ResultNeither);
}

// One statistics record per player, the declarer first, then the others in ring order.
void THra::RecordGame(const THrac& d, uint8_t declarerResult) {
    const uint8_t defenderResult = declarerResult == ResultWon    ? ResultLost
                                   : declarerResult == ResultLost ? ResultWon
                                                                  : ResultNeither;
    records_->AppendPlayingRec(d.name, contractKind, declarerResult, gamesPlayed);
    records_->AppendPlayingRec(d.next->name, contractKind, defenderResult, gamesPlayed);
    records_->AppendPlayingRec(d.next->next->name, contractKind, defenderResult, gamesPlayed);
}

double THra::BaseStake() const {
    return stakes_.Read(rules(), StakeReader::Base);
}

// The game's base before doubling: the stake, twice in hearts when HERCE is on.
double THra::GameBase() const {
    return BaseStake() * (TrumpSuit() == kHearts && rules().herce ? 2 : 1);
}

// A seven worth `multiplier`: doubled per flek on the seven, and twice in hearts whatever
// HERCE says.
double THra::SevenPrice(double multiplier) const {
    return BaseStake() * (sevenFlekCount + 1) * (TrumpSuit() == kHearts ? 2 : 1) * multiplier;
}

int THra::HundredPointsDeclarer() {
    int n = declarer->points;
    if (rules().stovka == StovkaAll) return n;
    n = n + declarer->firstMeld - declarer->meldSum;
    LogNumber("s první hláškou: ", n);
    AddResultAmount("s První hláškou", n);
    return n;
}

int THra::HundredPointsDefenders() {
    THrac* a = declarer->next;
    THrac* b = a->next;
    int n = a->points + b->points;
    if (rules().stovka == StovkaAll) return n;
    n = n + a->firstMeld + b->firstMeld - a->meldSum - b->meldSum;
    LogNumber("s první hláškou: ", n);
    AddResultAmount("s První hláškou", n);
    return n;
}

namespace {

// The human's own result: what seat 1 won or lost in this settlement. Compared in whole cents,
// so amounts that cancel out are "Hra za hubičku" and not a loss of 0.00.
enum class Personal { Won, Lost, Even };

Personal PersonalResult(double delta) {
    const double cents = std::round(delta * 100);
    return cents > 0 ? Personal::Won : cents < 0 ? Personal::Lost : Personal::Even;
}

}  // namespace

// What seat 1 won or lost by this settlement; in a suit game its sound follows that.
void THra::SettlePersonalResult(bool withSound) {
    const double delta = seats[0]->money - moneyBase;
    switch (PersonalResult(delta)) {
        case Personal::Won:
            AddResultAmount("Získal jsi", delta);
            if (withSound) PlaySound("wavs\\hura.wav", true);
            LogAmount("Získal jsi ", delta);
            break;
        case Personal::Lost:
            AddResultAmount("Prišel  jsi o", -delta);
            if (withSound) PlaySound("wavs\\smula.wav", true);
            LogAmount("Prišel  jsi o ", -delta);
            break;
        case Personal::Even:
            AddResultLine("Hra za hubičku");
            if (withSound) PlaySound("wavs\\hubicka.wav", true);
            LogLine("Hra za hubičku");
            break;
    }
}

void THra::SettleSuitGame(THrac* w) {
    state = Waiting;
    result_->ClearResultLines();
    const int d = declarer->points;
    const int o = declarer->next->points + declarer->next->next->points;
    SuitScoreLines(d, o);
    double g = SuitGameValue(d, o);
    SettleSevens(*w);
    g = WithHundred(g, d, o);
    Transfer(declarer, g, true);
    AddResultLine(kRule);
    SettlePersonalResult(true);

    if (result_->ShowResult(talon, trumpCard)) newGameRequested = true;
    ShowFinance();
    view_->HideMeldPictures();
    for (THrac* s : seats) s->ResetMeldPlace();
    observer_->Settled();
}

// The points of both sides, in the log and on the result view, worded for the human's side.
void THra::SuitScoreLines(int d, int o) {
    if (declarer->IsHuman()) {
        LogNumber("Protihráči uhráli ", o);
        LogNumber("Uhrál jsi ", d);
        AddResultNumber("Uhrál jsi", d);
        AddResultNumber("Protihráči uhráli", o);
    } else {
        LogNumber("Protiháč uhrál ", d);
        LogNumber("Uhráli jste ", o);
        AddResultNumber("Protiháč uhrál", d);
        AddResultNumber("Uhráli jste", o);
    }
    AddResultLine(kRule);
}

// The game's value before the hundred: the stake, the flek levels, hearts and a game over a
// hundred, each with its line.
double THra::SuitGameValue(int d, int o) {
    const RuleSet& r = rules();
    double g = BaseStake();
    AddResultAmount("Základ hry ", g);
    g = Doubled(g, flekCount);
    if (FlekLabel other; resultShown_) AddResultAmount(FlekLabelText(flekCount, other), g);
    if (TrumpSuit() == kHearts && r.herce) {
        g *= 2;
        AddResultAmount("Červené", g);
    }
    if (r.nasobit) {
        const int t = d > o ? d : o;
        if (t >= 100) {
            g = Doubled(g, (t - 100) / 10 + 1);
            AddResultAmount("Hra nad sto", g);
        }
    }
    return g;
}

// The seven is paid apart from the game: the first case that applies, else the silent sevens
// of the last trick. Most games have no seven to pay: the prices are read when one is.
void THra::SettleSevens(const THrac& w) {
    const RuleSet& r = rules();
    const uint8_t trump = TrumpSuit();
    auto silent = [&] { return SevenPrice(stakes_.Read(r, StakeReader::SilentSeven)); };
    auto declared = [&] { return SevenPrice(stakes_.Read(r, StakeReader::DeclaredSeven)); };
    auto settle = [&](double v, std::string_view text) {
        AddResultAmount(text, v);
        LogLine(text);
        Transfer(declarer, v, false);
    };
    const bool winnerSeven = IsTrumpSeven(w.playedCard, trump);
    if (&w == declarer && winnerSeven && sevenDeclared) {
        settle(declared(), "Uhraná hlášená sedma");
    } else if (&w == declarer && winnerSeven) {
        settle(silent(), "Uhraná tichá sedma");
    } else if (sevenDeclared) {
        settle(-declared(), "Neuhraná hlášená sedma");
    } else if (sevenAgainst && winnerSeven) {
        settle(-declared(), "Uhraná hlášená sedma proti");
    } else if (sevenAgainst) {
        settle(declared(), "Neuhraná hlášená sedma proti");
    } else {
        if (IsTrumpSeven(declarer->playedCard, trump) && &w != declarer)
            settle(-silent(), "Zabitá sedma");
        for (const THrac* def : {declarer->next, declarer->next->next}) {
            if (!IsTrumpSeven(def->playedCard, trump)) continue;
            if (&w == def)
                settle(-silent(), "Tichá sedma proti");
            else
                settle(silent(), "Zabitá sedma");
        }
    }
}

// The game won or lost (a tie is lost), and a declared hundred for or against the declarer:
// made it doubles the game, failed it costs twice the hundred's base doubled for every ten
// points short. The hundred's base is read only for a hundred declared.
double THra::WithHundred(double g, int d, int o) {
    auto hundredBase = [this] { return Doubled(GameBase(), flekCount); };
    auto hundredLine = [&](std::string_view text) {
        AddResultAmount(text, g);
        LogLine(text);
    };
    if (d > o) {
        if (hundredDeclared) {
            const int n = HundredPointsDeclarer();
            if (n >= 100) {
                g *= 2;
                hundredLine("Uhraná hlášená stovka");
            } else {
                g = -2 * hundredBase() * Short(n);
                hundredLine("Neuhraná hlášená stovka");
            }
        } else if (hundredAgainst) {
            g = 2 * hundredBase() * Short(HundredPointsDefenders());
            hundredLine("Neuhraná hlášená stovka proti");
        }
        return g;
    }
    g = -g;
    if (hundredDeclared) {
        g = -2 * hundredBase() * Short(HundredPointsDeclarer());
        hundredLine("Neuhraná hlášená stovka");
    }
    if (hundredAgainst) {
        const int n = HundredPointsDefenders();
        if (n >= 100) {
            g *= 2;
            hundredLine("Uhraná hlášená stovka proti");
        } else {
            g = 2 * hundredBase() * Short(n);
            hundredLine("Neuhraná hlášená stovka proti");
        }
    }
    return g;
}

void THra::SettleBetlDurch(THrac* w) {
    const RuleSet& r = rules();
    view_->EnableNewGame(true);
    view_->EnableRulesMenu(true);
    state = Waiting;
    result_->ClearResultLines();

    const bool betl = contractKind == Betl;
    const bool declarerWon = betl ? w != declarer : w == declarer;
    const char* sound = declarerWon ? "wavs\\hura.wav" : "wavs\\smula.wav";
    const char* log;
    const char* label;
    if (betl) {
        log = declarerWon ? "Vyhraný betl" : "Prohraný betl";
        label = declarerWon ? "Vyhraný betl " : "Prohrany betl ";
    } else {
        log = declarerWon ? "Vyhraný durch" : "Prohraný durch";
        label = declarerWon ? "Vyhraný durch " : "Prohrany durch ";
    }
    const double multiplier =
        stakes_.Read(r, betl ? StakeReader::BetlStake : StakeReader::DurchStake);
    double g = BaseStake() * multiplier;
    PlaySound(sound, true);
    LogLine(log);
    AddResultAmount(label, g);
    g = Doubled(g, flekCount);
    if (FlekLabel other; resultShown_) AddResultAmount(FlekLabelText(flekCount, other), g);
    Transfer(declarer, declarerWon ? g : -g, true);

    AddResultLine(kRule);
    SettlePersonalResult(false);

    if (result_->ShowResult(talon, trumpCard)) newGameRequested = true;
    for (THrac* s : seats) s->PutRemainingOnPile();
    ShowFinance();
    view_->HideMeldPictures();
    for (THrac* s : seats) s->ResetMeldPlace();
    observer_->Settled();
}

void THra::UnflekedGameEnd() {
    // The declarer wins, whatever the stake: recorded before anything is shown.
    RecordGame(*declarer, ResultWon);
    view_->EnableNewGame(true);
    view_->EnableRulesMenu(true);
    state = Waiting;
    tricksPlayed = 10;
    result_->ClearResultLines();

    const double base = GameBase();
    AddResultAmount("Nefleknutá hra", base);
    double seven = 0;
    if (sevenDeclared) {
        seven = SevenPrice(stakes_.Read(rules(), StakeReader::DeclaredSeven));
        AddResultAmount("Hlášená sedma", seven);
        LogLine("Hlášená sedma");
        SayCall(*declarer, "Hlasim_sedmu");
        PlaySound("wavs\\hura.wav", true);
    } else {
        PlaySound("wavs\\smula.wav", true);
    }
    const double total = base + seven;
    // The money moves before the result view opens: a window closed while it is shown saves
    // the balances, and they must already hold this game.
    Transfer(declarer, total, false);
    if (result_->ShowResult(talon, trumpCard)) newGameRequested = true;
    LogLine("Nefleknutá hra");
    ShowFinance();
    for (THrac* s : seats) s->PutRemainingOnPile();
    view_->HideTalonButton();
    observer_->Settled();
}
