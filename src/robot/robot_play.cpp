// Choosing a card to play: the common start and finish, and the suit game's lead and follow.
//
// The candidate list is the hand filtered through the legal-play rule, so whatever the rules
// below choose from it may be played; they only choose.
#include "game/thra.h"
#include "game/trick_rules.h"
#include "robot/trobot.h"

void TRobot::PlayCard() {
    legal_ = PlayRule(*game, *this).Allowed(HeldCards());
    // A single card allowed is the card every rule below comes to (with nothing else to choose
    // from, even a rule that finds no card falls back to it); only a betl lead's memory of its
    // planned lead would have been used up.
    if (legal_ != 0 && (legal_ & (legal_ - 1)) == 0) {
        if (game->cardsOnTable == 0 && game->contractKind == Betl && betlLead.strength != 0)
            betlLead = Card{};
        if (game->PlayFromHand(*this, __builtin_ctz(SlotsOf(legal_)))) return;
    }
    Finish(Choose());
}

Card TRobot::ChooseCard() {
    legal_ = PlayRule(*game, *this).Allowed(HeldCards());
    const int chosen = Choose();
    return chosen ? candidates_[chosen] : Card{};
}

int TRobot::Choose() {
    const THra& g = *game;
    candidates_.Clear();
    chosen_ = 0;
    if (g.cardsOnTable == 0) {
        switch (g.contractKind) {
            case Betl:
                AddLegalCards();
                LeadBetl();
                break;
            case Durch:
                LeadDurch();  // makes a list of its own
                break;
            default:
                AddLegalCards();
                LeadSuitGame();
                break;
        }
    } else if (g.contractKind == Barva) {
        FollowSuitGame();
    } else {
        FollowBetlDurch();
    }
    return chosen_;
}

void TRobot::AddHand() {
    for (int i = 1; i <= 10; ++i)
        if (hand[i].state == inHand) candidates_.Add(hand[i].triple(), i);
}

// The cards of the hand that the legal-play rule allows now, in slot order, in place of the
// list.
void TRobot::AddLegalCards() {
    candidates_.SetSlots(SlotsOf(legal_), hand);
}

// Lead rules 1 to 8, tried in order while nothing is chosen; where a rule walks the suits,
// the last suit meeting it decides.
void TRobot::LeadSuitGame() {
    const THra& g = *game;
    const CandidateList& c = candidates_;
    const uint8_t trump = g.TrumpSuit();
    const THrac& declarer = *g.declarer;

    // Rules 1 to 3 and 5 first pick out their suits from sets of cards, a suit s as bit
    // 8 s + 7 (the place of its ace; its ten is shifted up by 4 to meet it).
    constexpr uint32_t kAces = 0x80808080u;
    const uint32_t held = HeldCards();
    const uint32_t sideSuits = ~SuitBits(trump);
    // The last suit of the set that meets the test, -1 if none.
    auto lastSuit = [](uint32_t suits, auto meets) {
        int last = -1;
        for (; suits; suits &= suits - 1) {
            const uint8_t s = uint8_t(__builtin_ctz(suits) / 8);
            if (meets(s)) last = s;
        }
        return last;
    };
    // 1: cash the ace of an unled side suit where the ten is ours too.
    const int cash = lastSuit(held & held << 4 & kAces & sideSuits,
                              [&](uint8_t s) { return g.ledCount[s] == 0 && CountSuit(s) < 7; });
    if (cash >= 0) chosen_ = c.IndexOf(uint8_t(cash), kAce);
    // 2: the ten once its ace is gone, if the declarer may still follow.
    if (!chosen_) {
        const int ten = lastSuit(seenCards & held << 4 & kAces & sideSuits,
                                 [&](uint8_t s) { return declarer.mayHoldSuit[s]; });
        if (ten >= 0) chosen_ = c.IndexOf(uint8_t(ten), kTen);
    }
    // 3: the ace of a side suit of three or more.
    if (!chosen_) {
        const int ace =
            lastSuit(held & kAces & sideSuits, [&](uint8_t s) { return CountSuit(s) > 2; });
        if (ace >= 0) chosen_ = c.IndexOf(uint8_t(ace), kAce);
    }
    // 4: the declarer is void in a side suit we hold.
    if (!chosen_) {
        bool declarerVoid = false;
        for (uint8_t s = 0; s < 4; ++s)
            if (s != trump && !declarer.mayHoldSuit[s] && CountSuit(s) > 0) declarerVoid = true;
        if (declarerVoid) chosen_ = c.Lowest(true);
    }
    // 5: with the declarer after us, a high card below the ten of a suit whose ten and ace
    // are both still out. The trump suit has no such card and sets the choice back to none.
    if (!chosen_ && g.declarer == next) {
        if (const uint32_t open = ~(seenCards | seenCards << 4 | held << 4) & kAces)
            chosen_ = c.HighestOfSuitBelowTen(uint8_t((31 - __builtin_clz(open)) / 8));
    }
    // 6: the weakest card (7: the first, should that find none).
    if (!chosen_) chosen_ = c.Lowest(true);
    if (!chosen_) chosen_ = 1;
    // 8: corrections when the choice is a trump.
    if (c[chosen_].suit == trump) {
        if (Holds(trump, kSeven)) chosen_ = WeakestNonSeven(chosen_);
        if (Holds(trump, kAce)) {
            if (const int ace = c.LastOfRank(kAce)) chosen_ = ace;
        }
        if (g.tricksPlayed == 8 && Holds(trump, kSeven) &&
            CountSuit(trump) + CountSeen(trump) < 7) {
            if (const int seven = c.LastOfRank(kSeven)) chosen_ = seven;
        }
    }
    // The lead is counted in ledCount by the play step.
}

void TRobot::FollowSuitGame() {
    THra& g = *game;
    CandidateList& c = candidates_;
    const uint8_t trump = g.TrumpSuit();
    const bool third = g.cardsOnTable == 2;
    const Card led = g.trickLeader->playedCard;

    AddLegalCards();
    // Void in the led suit and in trumps (the rule then allows anything, and the first
    // candidate is of neither), every card is a discard and can never win: its strength is 0,
    // and the lowest candidate keeps tens and aces back.
    if (c[1].suit != led.suit && c[1].suit != trump) c.ClearStrengths();
    chosen_ = c.Lowest(true);
    if (c.size() <= 1) return;

    const THrac* w = g.trickWinner;  // kept by the play step as each card is laid
    const Card& wCard = w->playedCard;
    const bool firstTrump = c[1].suit == trump;
    if (w == g.declarer || (g.declarer->seatNo == seatNo && third)) {
        // Case P: the declarer holds the trick, or we are the declarer playing last.
        if (wCard.strength < c[1].strength && !firstTrump) {
            TenOrAce(wCard.rank != kAce);
        } else if (firstTrump) {
            SevenRule();
            if (Holds(trump, kTen) && CountSuit(trump) < 3 && !Seen(trump, kAce)) {
                if (const int ten = c.LastOfRank(kTen)) chosen_ = ten;
            }
        } else if (!third) {
            // Second behind the declarer: give points when our partner after us may take the
            // trick, by trumping or by a higher card of the led suit.
            const THrac& n = *next;
            bool partnerMayWin;
            if (led.suit != trump)
                partnerMayWin = (!n.mayHoldSuit[led.suit] && n.mayHoldSuit[trump]) ||
                                (n.mayHoldSuit[led.suit] && UnplayedFrom(led.suit, led.rank));
            else
                partnerMayWin = n.mayHoldSuit[trump] && UnplayedFrom(trump, led.rank);
            if (partnerMayWin) TenOrAce(true);
        }
    } else {
        // Case Q: a defender holds the trick.
        if (g.declarerPlayed && !firstTrump && w != g.declarer)
            TenOrAce(true);
        else if (firstTrump)
            SevenRule();
    }
}

// From the choice, the weakest entry of any suit that is not a seven.
int TRobot::WeakestNonSeven(int chosen) const {
    const CandidateList& c = candidates_;
    for (int i = 1; i <= c.size(); ++i)
        if (c[i].rank > kSeven && (c[i].strength < c[chosen].strength || c[chosen].rank == kSeven))
            chosen = i;
    return chosen;
}

// Keeps the seven of trumps back for the last trick, unless trumps are short and not all out.
void TRobot::SevenRule() {
    const uint8_t trump = game->TrumpSuit();
    if (candidates_[chosen_].rank != kSeven) return;
    const int held = CountSuit(trump);
    if (held > 2 || held + CountSeen(trump) >= 8) chosen_ = WeakestNonSeven(chosen_);
}

void TRobot::TenOrAce(bool tenAllowed) {
    const CandidateList& c = candidates_;
    if (tenAllowed) {
        if (const int ten = c.LastOfRank(kTen)) chosen_ = ten;
    }
    const uint8_t ledSuit = game->trickLeader->playedCard.suit;
    if (c[chosen_].rank != kTen && game->ledCount[ledSuit] >= 2) {
        if (const int ace = c.LastOfRank(kAce)) chosen_ = ace;
    }
}

// Whether some card of the suit from this rank up to the ace has not been played.
bool TRobot::UnplayedFrom(uint8_t suit, uint8_t rank) const {
    if (rank < kSeven) return true;  // no card is that low: the whole suit counts
    if (rank > kAce) return false;
    const uint32_t fromRank = SuitBits(suit) & ~(CardBit(suit, rank) - 1);
    return fromRank & ~seenCards;
}

void TRobot::Finish(int chosen) {
    THra& g = *game;
    if (chosen != 0) {
        if (g.PlayFromHand(*this, candidates_.SlotOf(chosen))) return;
    }
    // Not reached: every entry is a legal card of the hand. Play the first legal card rather
    // than stall the deal.
    for (int slot = 1; slot <= 10; ++slot)
        if (g.PlayFromHand(*this, slot)) return;
}
