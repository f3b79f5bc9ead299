// Choosing a card in betl and durch, where a card's strength is its rank.
#include "game/thra.h"
#include "robot/trobot.h"

// Betl lead. Case A (the declarer plays right after us): lead into a suit the partner after
// the declarer lacks, so the declarer must take it; else a singleton, a low card of a long or
// once-led suit, or the high card of a short suit headed by a seven or eight. Case B: a suit
// our next seat lacks, a singleton, or the lowest card of all.
void TRobot::LeadBetl() {
    const THra& g = *game;
    CandidateList& c = candidates_;
    if (betlLead.strength != 0) {
        const Card remembered = betlLead;
        betlLead = Card{};
        // A remembered card that has left the hand is not a lead any more.
        if (const int slot = FindCard(remembered.suit, remembered.rank)) {
            c.Clear();
            c.Add(hand[slot].triple(), slot);
            chosen_ = 1;
            return;
        }
    }
    const THrac& declarer = *g.declarer;
    for (uint8_t s = 0; s < 4; ++s)
        if (!declarer.mayHoldSuit[s]) c.RemoveSuit(s);

    if (g.declarer == next) {
        const THrac& partner = *next->next;  // the seat after the declarer
        for (uint8_t s = 0; s < 4; ++s) {
            const int low = c.LowestOfSuit(s);
            if (!low) continue;
            const int n = CountSuit(s) + CountSeen(s);
            if (!partner.mayHoldSuit[s] && declarer.mayHoldSuit[s] && n < 8 &&
                OpenAboveInHand(s, c[low].rank))
                chosen_ = low;
        }
        if (!chosen_) LeadLoneCard();
        if (!chosen_)
            for (uint8_t s = 0; s < 4; ++s) {
                const int low = c.LowestOfSuit(s);
                if (low && g.ledCount[s] == 0 && c.CountSuit(s) > 4 &&
                    OpenAboveInList(s, c[low].rank))
                    chosen_ = low;
            }
        if (!chosen_)
            for (uint8_t s = 0; s < 4; ++s) {
                const int low = c.LowestOfSuit(s);
                if (low && g.ledCount[s] == 1 && OpenAboveInList(s, c[low].rank)) chosen_ = low;
            }
        if (!chosen_)
            for (uint8_t s = 0; s < 4; ++s) {
                const int low = c.LowestOfSuit(s);
                const int n = c.CountSuit(s);
                if (low && g.ledCount[s] == 0 && (n == 2 || n == 3) && c[low].rank <= 8)
                    chosen_ = c.HighestOfSuit(s);
            }
    } else {
        const THrac& twoAfter = *next->next;
        for (uint8_t s = 0; s < 4; ++s) {
            const int low = c.LowestOfSuit(s);
            if (!low) continue;
            const int n = CountSuit(s) + CountSeen(s);
            if (twoAfter.mayHoldSuit[s] && !next->mayHoldSuit[s] && n < 8 &&
                OpenAboveInHand(s, c[low].rank))
                chosen_ = low;
        }
        if (!chosen_) LeadLoneCard();
        if (!chosen_) {
            for (uint8_t s = 0; s < 4; ++s) {
                const int low = c.LowestOfSuit(s);
                if (!low || CountSeen(s) + c.CountSuit(s) >= 8) continue;
                if (!chosen_ || c[low].rank < c[chosen_].rank) chosen_ = low;
            }
        }
    }
    if (c.empty()) AddHand();
    if (!chosen_) chosen_ = c.Lowest(false);
}

// A suit never led of which we have one candidate, not an ace.
void TRobot::LeadLoneCard() {
    const CandidateList& c = candidates_;
    for (uint8_t s = 0; s < 4; ++s) {
        const int only = c.LowestOfSuit(s);
        if (only && c.CountSuit(s) == 1 && game->ledCount[s] == 0 && c[only].rank != kAce)
            chosen_ = only;
    }
}

// Some rank of the suit above this one is neither played nor in our hand (or list).
bool TRobot::OpenAboveInHand(uint8_t suit, uint8_t rank) const {
    for (uint8_t r = uint8_t(rank + 1); r <= kAce; ++r)
        if (!Seen(suit, r) && !Holds(suit, r)) return true;
    return false;
}

bool TRobot::OpenAboveInList(uint8_t suit, uint8_t rank) const {
    for (uint8_t r = uint8_t(rank + 1); r <= kAce; ++r)
        if (!Seen(suit, r) && !candidates_.IndexOf(suit, r)) return true;
    return false;
}

// Durch lead: the first card nobody can beat in its suit, else the first card of the hand.
void TRobot::LeadDurch() {
    CandidateList& c = candidates_;
    c.Clear();
    for (int i = 1; i <= 10; ++i) {
        const TKarta& k = hand[i];
        if (k.state != inHand) continue;
        if (!OpenAboveInHand(k.suit, k.rank)) c.Add(k.triple(), i);
    }
    if (c.empty()) AddHand();
    chosen_ = 1;
}

// Following in betl and durch: the cards the legal-play rule allows (overtaking the card to
// beat when we can). In durch play the lowest candidate; in betl the lowest when second and
// following suit, else the highest.
void TRobot::FollowBetlDurch() {
    const THra& g = *game;
    CandidateList& c = candidates_;
    const Card led = g.trickLeader->playedCard;
    AddLegalCards();
    if (c[1].suit != led.suit) c.ClearStrengths();  // void: discards, chosen by rank only
    if (g.contractKind == Durch)
        chosen_ = c.Lowest(false);
    else if (c[1].suit == led.suit && g.cardsOnTable == 1)
        chosen_ = c.Lowest(false);
    else
        chosen_ = c.HighestRank();
}
