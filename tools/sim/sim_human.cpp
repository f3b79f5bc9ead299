#include "sim_human.h"

#include <charconv>
#include <fstream>
#include <string_view>
#include <utility>

#include "game/thra.h"
#include "game/trick_rules.h"

namespace {

// Random clicks a decision may take before the script stops playing and does it plainly. Far
// more than a random choice needs; after them the plain way must work or the deal is stuck.
constexpr int kTries = 400;

const char* KindName(HumanDecision::Kind k) {
    static const char* const names[] = {"trump", "talon", "good", "flek", "play"};
    return names[k];
}

std::string Quoted(const Card& c) {
    // Appended rather than "\"" + code, which GCC 12 at -O3 warns of as an overlapping copy.
    std::string text = "\"";
    text += CardCode(c);
    text += '"';
    return text;
}

// --- reading "human" events back -------------------------------------------------------------

// Just enough JSON for the runner's own event lines: strings without escapes, whole numbers,
// true and false, arrays of strings.
struct Reader {
    std::string_view s;
    size_t i = 0;

    bool Eat(char c) {
        if (i < s.size() && s[i] == c) return ++i, true;
        return false;
    }
    bool Literal(std::string_view word) {
        if (s.substr(i, word.size()) != word) return false;
        i += word.size();
        return true;
    }
    bool String(std::string& out) {
        if (!Eat('"')) return false;
        const size_t end = s.find('"', i);
        if (end == std::string_view::npos) return false;
        out.assign(s.substr(i, end - i));
        i = end + 1;
        return out.find('\\') == std::string::npos;
    }
    bool Number(int& out) {
        const auto [p, ec] = std::from_chars(s.data() + i, s.data() + s.size(), out);
        if (ec != std::errc()) return false;
        i = size_t(p - s.data());
        return true;
    }
    bool Bool(bool& out) {
        if (Literal("true")) return out = true, true;
        if (Literal("false")) return out = false, true;
        return false;
    }
    bool CardValue(Card& c) {
        std::string code;
        return String(code) && ParseCardCode(code, c);
    }
};

// The fields of one "human" event; false when they are not a decision the runner writes.
bool ParseDecision(std::string_view fields, HumanDecision& d) {
    Reader r{fields};
    bool kindSet = false, contract = false, seven = false, hundred = false;
    auto kind = [&](HumanDecision::Kind k) {
        if (kindSet) return false;
        d.kind = k;
        return kindSet = true;
    };
    do {
        std::string key;
        if (!r.String(key) || !r.Eat(':')) return false;
        bool ok;
        if (key == "trump" || key == "play") {
            ok = kind(key == "trump" ? HumanDecision::Trump : HumanDecision::Play) &&
                 r.CardValue(d.cards[0]);
        } else if (key == "talon") {
            ok = kind(HumanDecision::Talon) && r.Eat('[') && r.CardValue(d.cards[0]) &&
                 r.Eat(',') && r.CardValue(d.cards[1]) && r.Eat(']');
        } else if (key == "contract") {
            ok = !contract && r.Number(d.contract) && d.contract >= Barva && d.contract <= Durch;
            contract = true;
        } else if (key == "seven") {
            ok = !seven && r.Bool(d.seven);
            seven = true;
        } else if (key == "hundred") {
            ok = !hundred && r.Bool(d.hundred);
            hundred = true;
        } else if (key == "good") {
            ok = kind(HumanDecision::Good) && r.Bool(d.good);
        } else if (key == "flek") {
            ok = kind(HumanDecision::Flek) && r.Number(d.flek) && d.flek >= 0 && d.flek < 32;
        } else {
            ok = false;
        }
        if (!ok) return false;
    } while (r.Eat(','));
    const bool talon = d.kind == HumanDecision::Talon;
    return kindSet && r.i == fields.size() && (contract && seven && hundred) == talon &&
           (contract || seven || hundred) == talon;
}

}  // namespace

bool ReadHumanDecisions(const std::string& file, std::vector<HumanDecision>& out,
                        std::string& error) {
    std::ifstream in(file);
    if (!in) {
        error = "cannot read " + file;
        return false;
    }
    constexpr std::string_view kHuman = "{\"human\":{", kDeal = "{\"deal\":{\"number\":";
    std::string line;
    int number = 0, deal = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string_view l = line;
        if (l.substr(0, kDeal.size()) == kDeal) {
            Reader r{l, kDeal.size()};
            if (!r.Number(deal)) {
                error = file + ":" + std::to_string(number) + ": a deal event without its number";
                return false;
            }
        }
        if (l.substr(0, kHuman.size()) != kHuman) continue;
        HumanDecision d;
        d.deal = deal;
        d.line = number;
        const bool closed = l.size() >= kHuman.size() + 2 && l.substr(l.size() - 2) == "}}";
        if (!closed || !ParseDecision(l.substr(kHuman.size(), l.size() - kHuman.size() - 2), d)) {
            error = file + ":" + std::to_string(number) + ": not a human decision: " + line;
            return false;
        }
        out.push_back(d);
    }
    if (in.bad()) {
        error = "cannot read " + file;
        return false;
    }
    return true;
}

uint64_t HumanStreamSeed(uint64_t dealSeed) {
    // One step of splitmix64: any seed gives a stream far from the deals' own.
    uint64_t z = dealSeed + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// --- the controls -----------------------------------------------------------------------------

int HeadlessControls::CheckedContract() const {
    for (int k = Barva; k <= Durch; ++k)
        if (radio[k].checked) return k;
    return Barva;
}

// The window's "Sedma" and "Sto" boxes follow the checked radio button: "Hra" enables them,
// unticked; "Betl" and "Durch" disable them and leave their ticks as they were.
void HeadlessControls::BoxesFor(int kind) {
    seven.enabled = hundred.enabled = kind == Barva;
    if (kind == Barva) seven.checked = hundred.checked = false;
}

void HeadlessControls::Check(int kind) {
    if (radio[kind].checked) return;
    for (int k = Barva; k <= Durch; ++k) radio[k].checked = k == kind;
    BoxesFor(kind);
}

void HeadlessControls::HraDisableAll() {
    seven.enabled = hundred.enabled = false;
    for (Control& r : radio) r.enabled = false;
}

void HeadlessControls::HraEnableAll(int kind) {
    if (kind == Barva) {
        BoxesFor(Barva);
        radio[Barva].enabled = true;
    }
    if (kind < Durch) radio[Betl].enabled = true;
    if (kind <= Durch) radio[Durch].enabled = true;
    Check(kind);
}

void HeadlessControls::ClickRadio(int kind) {
    if (!radio[kind].enabled) return;
    Check(kind);
    // "Hra" clicked, checked before or not, starts the talon choice again.
    if (kind == Barva && player_) player_->RelayForDiscard();
}

void HeadlessControls::ClickBox(Control& box) {
    if (box.enabled) box.checked = !box.checked;
}

void HeadlessControls::ClickTrump() {
    if (trump.visible && trump.enabled && player_) player_->TrumpButtonClick();
}

void HeadlessControls::ClickTalon() {
    if (talon.visible && talon.enabled && player_) player_->TalonButtonClick();
}

std::string HeadlessControls::State() const {
    std::string s;
    for (const Control* c : {&trump, &talon, &radio[0], &radio[1], &radio[2], &seven, &hundred})
        s += char('0' + c->visible * 4 + c->enabled * 2 + c->checked);
    return s;
}

void SimTable::TalonLaid(const THrac& seat) {
    SimWatch::TalonLaid(seat);
    if (!seat.IsHuman()) return;
    const THra& g = *seat.game;
    if (!expecting_ || !SameCard(g.talon[0], expected_.first) ||
        !SameCard(g.talon[1], expected_.second))
        Fail("the human's talon is not the two cards chosen at \"Talon\"");
    expecting_ = false;
}

// --- the scripted human -----------------------------------------------------------------------

SimHuman::SimHuman(SimTable& table, uint64_t seed)
    : table_(table), controls_(table.controls()), random_(std::make_unique<SeededRandom>(seed)) {}

SimHuman::SimHuman(SimTable& table, std::vector<HumanDecision> decisions)
    : table_(table), controls_(table.controls()), replay_(std::move(decisions)), replaying_(true) {}

void SimHuman::Attach(THra& game, TPlayer& player) {
    game_ = &game;
    player_ = &player;
    controls_.Attach(player);
}

bool SimHuman::Fail(const std::string& what) {
    table_.Fail(what);
    return false;
}

bool SimHuman::Act() {
    const THra& g = *game_;
    if (controls_.trump.visible) return ChooseTrump();
    if (controls_.talon.visible) {
        if (g.declarer != player_ || player_->cardCount != 12)
            return Fail("\"Talon\" is shown while the human has no talon to lay");
        return LayTalon();
    }
    if (g.humanMayPlay && g.onTurn == player_) return PlayCard();
    return Fail("the deal waits (state " + std::to_string(int(g.state)) +
                ") for nothing the human can click");
}

void SimHuman::DealEnded() {
    if (controls_.trump.visible || controls_.talon.visible)
        Fail("a button of the human is left on the table after the deal");
    if (game_->humanMayPlay) Fail("the human may still play after the deal");
}

// Everything a click could change: the deal, the human's hand and controls, and what has been
// written or said.
std::string SimHuman::Snapshot() const {
    const THra& g = *game_;
    std::string s = controls_.State();
    for (int v :
         {int(g.state), int(g.cardsOnTable), int(g.tricksPlayed), int(g.contractKind),
          int(g.humanMayPlay), int(g.declarerPlayed), int(g.talonPending), int(g.sevenDeclared),
          int(g.hundredDeclared), int(g.trumpCard.suit), int(g.trumpCard.rank),
          g.onTurn ? g.onTurn->seatNo : 0, g.declarer ? g.declarer->seatNo : 0,
          int(g.cards.pileCount), int(player_->cardCount)})
        s += std::to_string(v) + ',';
    for (int i = 1; i <= 12; ++i) {
        const TKarta& k = player_->hand[i];
        for (int v : {int(k.suit), int(k.rank), int(k.state), int(k.left), int(k.top)})
            s += std::to_string(v) + ',';
    }
    s += std::to_string(table_.producedCount()) + ',' + std::to_string(table_.humanEvents().size());
    return s;
}

int SimHuman::Selected() const {
    int n = 0;
    for (int i = 1; i <= 12; ++i) n += player_->hand[i].state == discardSelected;
    return n;
}

int SimHuman::SlotOf(const Card& c) const {
    for (int i = 1; i <= 12; ++i) {
        const TKarta& k = player_->hand[i];
        if (k.rank && k.state != played && SameCard(k.triple(), c)) return i;
    }
    return 0;
}

// The talon rule, said once more from the human's side: two cards at most; in the suit game
// never a ten or an ace, and a trump only when eleven or twelve of the cards are trumps, tens
// or aces.
bool SimHuman::SelectionAllowed(int slot) const {
    const THra& g = *game_;
    if (g.declarer != player_ || player_->cardCount != 12 || Selected() >= 2) return false;
    if (controls_.CheckedContract() != Barva) return true;
    auto valuable = [&](const TKarta& k) {
        return k.suit == g.TrumpSuit() || k.rank == kTen || k.rank == kAce;
    };
    const TKarta& k = player_->hand[slot];
    if (k.rank == kTen || k.rank == kAce) return false;
    if (k.suit != g.TrumpSuit()) return true;
    int n = 0;
    for (int i = 1; i <= 12; ++i) n += player_->hand[i].rank && valuable(player_->hand[i]);
    return n >= 11;
}

bool SimHuman::ClickSlot(int slot) {
    const THra& g = *game_;
    const bool inRange = slot >= 1 && slot <= 12 && player_->hand[slot].rank != 0;
    const TKarta card = inRange ? player_->hand[slot] : TKarta{};
    bool allowed = false;
    if (inRange) {
        switch (card.state) {
            case trumpPick:
            case discardSelected:
                allowed = true;
                break;
            case discardCandidate:
                allowed = SelectionAllowed(slot);
                break;
            case inHand:
                allowed = slot <= 10 && g.humanMayPlay && g.onTurn == player_ &&
                          IsLegalPlay(g, *player_, card.triple());
                break;
            default:
                break;
        }
    }
    const std::string before = Snapshot();
    player_->CardClick(slot);
    if (table_.failed()) return false;
    const std::string what = "a click on slot " + std::to_string(slot) +
                             (inRange ? " (" + CardCode(card.triple()) + ")" : "");
    if (!allowed) {
        if (Snapshot() != before) return Fail(what + " the rules refuse changed the deal");
        ++refused_;
        return false;
    }
    const TKarta& after = player_->hand[slot];
    bool taken;
    switch (card.state) {
        case trumpPick:
            taken = SameCard(g.trumpCard, card.triple()) && controls_.trump.enabled;
            break;
        case discardCandidate:
            taken = after.state == discardSelected && controls_.talon.enabled == (Selected() == 2);
            break;
        case discardSelected:
            taken = after.state == discardCandidate && !controls_.talon.enabled;
            break;
        default:  // a play: the card has left the hand
            taken = after.state == played && !g.humanMayPlay;
            break;
    }
    return taken || Fail(what + " the rules allow was not taken");
}

bool SimHuman::ConfirmTrump() {
    const Card trump = game_->trumpCard;
    table_.Human("\"trump\":" + Quoted(trump));
    controls_.ClickTrump();
    ++decisions_;
    if (controls_.trump.visible || !controls_.talon.visible || player_->cardCount != 12)
        return Fail("\"Trumf\" with " + CardCode(trump) + " picked was not taken");
    return true;
}

bool SimHuman::ConfirmTalon() {
    int slots[2] = {}, n = 0;
    for (int i = 1; i <= 12; ++i)
        if (player_->hand[i].state == discardSelected && n < 2) slots[n++] = i;
    if (n != 2 || !controls_.talon.enabled)
        return Fail("\"Talon\" is enabled without two cards chosen");
    const Card first = player_->hand[slots[0]].triple(), second = player_->hand[slots[1]].triple();
    const int contract = controls_.CheckedContract();
    if (contract == Barva) {
        // Every choice was checked as it was made; the pair as a whole must hold too.
        for (const Card& c : {first, second})
            if (c.rank == kTen || c.rank == kAce)
                return Fail("the suit game's talon holds " + CardCode(c));
    }
    table_.Human("\"talon\":[" + Quoted(first) + "," + Quoted(second) +
                 "],\"contract\":" + std::to_string(contract) +
                 ",\"seven\":" + (controls_.seven.checked ? "true" : "false") +
                 ",\"hundred\":" + (controls_.hundred.checked ? "true" : "false"));
    table_.ExpectHumanTalon(first, second);
    controls_.ClickTalon();
    ++decisions_;
    if (table_.failed()) return false;
    // Laid, whatever came after: the human may already have taken another game over.
    if (table_.talonExpected())
        return Fail("\"Talon\" with " + CardCode(first) + " and " + CardCode(second) +
                    " chosen was not taken");
    return true;
}

// --- decisions at random ----------------------------------------------------------------------

bool SimHuman::ChooseTrump() {
    if (replaying_) {
        const HumanDecision* d = NextDecision(HumanDecision::Trump);
        return d && ReplayTrump(*d);
    }
    for (int t = 0; t < kTries; ++t) {
        if (Chance(4)) {
            if (controls_.trump.enabled) return ConfirmTrump();
            const std::string before = Snapshot();
            controls_.ClickTrump();  // disabled until a card is picked
            if (Snapshot() != before) return Fail("\"Trumf\" took a click while disabled");
            ++refused_;
            continue;
        }
        ClickSlot(random_->Next(14));
        if (table_.failed()) return false;
    }
    ClickSlot(1);
    return !table_.failed() &&
           (controls_.trump.enabled ? ConfirmTrump() : Fail("no card of the human names trumps"));
}

bool SimHuman::LayTalon() {
    if (replaying_) {
        const HumanDecision* d = NextDecision(HumanDecision::Talon);
        return d && ReplayTalon(*d);
    }
    for (int t = 0; t < kTries; ++t) {
        const int r = random_->Next(20);
        const std::string before = Snapshot();
        if (r < 12) {
            ClickSlot(random_->Next(14));
        } else if (r < 15) {
            const int kind = random_->Next(3);
            const bool enabled = controls_.radio[kind].enabled;
            controls_.ClickRadio(kind);
            if (!enabled && Snapshot() != before) return Fail("a disabled contract took a click");
            refused_ += !enabled;
        } else if (r < 17) {
            HeadlessControls::Control& box = r == 15 ? controls_.seven : controls_.hundred;
            const bool enabled = box.enabled;
            controls_.ClickBox(box);
            refused_ += !enabled;
        } else if (controls_.talon.enabled) {
            return ConfirmTalon();
        } else {
            controls_.ClickTalon();
            if (Snapshot() != before) return Fail("\"Talon\" took a click while disabled");
            ++refused_;
        }
        if (table_.failed()) return false;
    }
    // Plainly: the first two cards that may be laid.
    for (int i = 1; i <= 12; ++i)
        if (player_->hand[i].state == discardSelected) ClickSlot(i);
    for (int i = 1; i <= 12 && Selected() < 2 && !table_.failed(); ++i)
        if (SelectionAllowed(i)) ClickSlot(i);
    if (table_.failed()) return false;
    return controls_.talon.enabled ? ConfirmTalon() : Fail("no two cards can be laid to the talon");
}

bool SimHuman::PlayCard() {
    if (replaying_) {
        const HumanDecision* d = NextDecision(HumanDecision::Play);
        return d && ReplayPlay(*d);
    }
    for (int t = 0; t < kTries; ++t) {
        if (ClickSlot(random_->Next(14))) return ++decisions_, true;
        if (table_.failed()) return false;
    }
    for (int slot = 1; slot <= 10; ++slot) {
        if (ClickSlot(slot)) return ++decisions_, true;
        if (table_.failed()) return false;
    }
    return Fail("none of the human's cards can be played");
}

bool SimHuman::AskGoodBad(const GoodBadQuestion& q) {
    bool good = true;
    if (replaying_) {
        const HumanDecision* d = NextDecision(HumanDecision::Good);
        if (d) good = d->good;
        if (!good && !q.badEnabled) Fail("the replay answers \"Špatné\", which is disabled");
    } else {
        good = !q.badEnabled || !Chance(3);
    }
    table_.Human(good ? "\"good\":true" : "\"good\":false");
    ++decisions_;
    return good;
}

FlekAnswer SimHuman::AskFlek(const FlekQuestion& q) {
    if (game_->flekCount >= kMaxFlek) Fail("the human is asked to double beyond choť");
    FlekAnswer a;
    const FlekBoxes& e = q.enabled;
    if (replaying_) {
        const HumanDecision* d = NextDecision(HumanDecision::Flek);
        const int n = d ? d->flek : 0;
        a.game = n & FlekGame;
        a.ticked = {bool(n & FlekSeven), bool(n & FlekHundred), bool(n & SevenAgainstFlag),
                    bool(n & HundredAgainstFlag)};
        const FlekBoxes& t = a.ticked;
        if ((t.sevenFlek && !e.sevenFlek) || (t.hundredFlek && !e.hundredFlek) ||
            (t.sevenAgainst && !e.sevenAgainst) || (t.hundredAgainst && !e.hundredAgainst))
            Fail("the replay ticks a disabled box of the doubling dialog");
    } else {
        a.game = Chance(2);  // the game doubled about half the time
        a.ticked = {e.sevenFlek && Chance(3), e.hundredFlek && Chance(3),
                    e.sevenAgainst && Chance(3), e.hundredAgainst && Chance(3)};
    }
    const FlekBoxes& t = a.ticked;
    const int n = (a.game ? FlekGame : 0) | (t.sevenFlek ? FlekSeven : 0) |
                  (t.hundredFlek ? FlekHundred : 0) | (t.sevenAgainst ? SevenAgainstFlag : 0) |
                  (t.hundredAgainst ? HundredAgainstFlag : 0);
    table_.Human("\"flek\":" + std::to_string(n));
    ++decisions_;
    return a;
}

// --- decisions replayed -----------------------------------------------------------------------

const HumanDecision* SimHuman::NextDecision(HumanDecision::Kind kind) {
    const int deal = game_->gamesPlayed;
    if (next_ >= replay_.size()) {
        Fail(std::string("the replay has no more decisions; deal ") + std::to_string(deal) +
             " asks for " + KindName(kind));
        return nullptr;
    }
    const HumanDecision& d = replay_[next_];
    if (d.kind != kind || d.deal != deal) {
        Fail("the replay went another way: deal " + std::to_string(deal) + " asks for " +
             KindName(kind) + ", line " + std::to_string(d.line) + " holds " + KindName(d.kind) +
             " of deal " + std::to_string(d.deal));
        return nullptr;
    }
    ++next_;
    return &d;
}

bool SimHuman::ReplayTrump(const HumanDecision& d) {
    const int slot = SlotOf(d.cards[0]);
    if (slot == 0 || !ClickSlot(slot))
        return Fail("the replay names trumps with " + CardCode(d.cards[0]) + ", not pickable");
    return ConfirmTrump();
}

bool SimHuman::ReplayTalon(const HumanDecision& d) {
    // The boxes can be ticked only under "Hra", and clicking it starts the choice afresh.
    if (controls_.seven.checked != d.seven || controls_.hundred.checked != d.hundred) {
        controls_.ClickRadio(Barva);
        if (controls_.seven.checked != d.seven) controls_.ClickBox(controls_.seven);
        if (controls_.hundred.checked != d.hundred) controls_.ClickBox(controls_.hundred);
    }
    if (controls_.CheckedContract() != d.contract) controls_.ClickRadio(d.contract);
    if (controls_.CheckedContract() != d.contract || controls_.seven.checked != d.seven ||
        controls_.hundred.checked != d.hundred)
        return Fail("the replay's contract and boxes cannot be set");
    const int want[2] = {SlotOf(d.cards[0]), SlotOf(d.cards[1])};
    for (int i = 1; i <= 12 && !table_.failed(); ++i)
        if (player_->hand[i].state == discardSelected && i != want[0] && i != want[1]) ClickSlot(i);
    for (int slot : want) {
        if (slot == 0) return Fail("the replay lays a card the human does not hold");
        if (player_->hand[slot].state != discardSelected && !ClickSlot(slot))
            return table_.failed() ? false : Fail("the replay's talon card is refused");
    }
    return !table_.failed() && ConfirmTalon();
}

bool SimHuman::ReplayPlay(const HumanDecision& d) {
    const int slot = SlotOf(d.cards[0]);
    if (slot == 0 || !ClickSlot(slot))
        return table_.failed()
                   ? false
                   : Fail("the replay plays " + CardCode(d.cards[0]) + ", which is refused");
    ++decisions_;
    return true;
}
