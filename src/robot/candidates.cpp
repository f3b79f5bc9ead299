#include "robot/candidates.h"

template <class Keep>
void CandidateList::RemoveUnless(Keep keep) {
    int to = 0;
    for (int i = 1; i <= n_; ++i)
        if (keep(e_[i])) {
            e_[++to] = e_[i];
            slot_[to] = slot_[i];
        }
    n_ = to;
}

void CandidateList::Remove(uint8_t suit, uint8_t rank) {
    RemoveUnless([&](const Card& c) { return c.suit != suit || c.rank != rank; });
}

void CandidateList::RemoveSuit(uint8_t suit) {
    RemoveUnless([&](const Card& c) { return c.suit != suit; });
}

void CandidateList::ClearStrengths() {
    for (int i = 1; i <= n_; ++i) e_[i].strength = 0;
}

int CandidateList::IndexOf(uint8_t suit, uint8_t rank) const {
    for (int i = 1; i <= n_; ++i)
        if (e_[i].suit == suit && e_[i].rank == rank) return i;
    return 0;
}

int CandidateList::CountSuit(uint8_t suit) const {
    int n = 0;
    for (int i = 1; i <= n_; ++i)
        if (e_[i].suit == suit) ++n;
    return n;
}

int CandidateList::LowestDiscard(bool suitGame) const {
    if (n_ == 0) return 0;
    int best = 1;
    if (!suitGame) {
        for (int i = 2; i <= n_; ++i)
            if (e_[i].rank < e_[best].rank) best = i;
        return best;
    }
    // A discard in the suit game keeps its tens and aces: they are worth points.
    best = 0;
    for (int i = 1; i <= n_; ++i) {
        const uint8_t r = e_[i].rank;
        if (r == kTen || r == kAce) continue;
        if (best == 0 || r < e_[best].rank) best = i;
    }
    return best ? best : 1;
}

int CandidateList::HighestRank() const {
    int best = 0;
    for (int i = 1; i <= n_; ++i)
        if (best == 0 || e_[i].rank > e_[best].rank) best = i;
    return best;
}

int CandidateList::LowestOfSuit(uint8_t suit) const {
    int best = 0;
    for (int i = 1; i <= n_; ++i)
        if (e_[i].suit == suit && (best == 0 || e_[i].strength < e_[best].strength)) best = i;
    return best;
}

int CandidateList::HighestOfSuit(uint8_t suit) const {
    int best = 0;
    for (int i = 1; i <= n_; ++i)
        if (e_[i].suit == suit && (best == 0 || e_[i].strength > e_[best].strength)) best = i;
    return best;
}

int CandidateList::HighestOfSuitBelowTen(uint8_t suit) const {
    int best = 0;
    for (int i = 1; i <= n_; ++i)
        if (e_[i].suit == suit && e_[i].strength < 15 &&
            (best == 0 || e_[i].strength > e_[best].strength))
            best = i;
    return best;
}

int CandidateList::LastOfRank(uint8_t rank) const {
    for (int i = n_; i >= 1; --i)
        if (e_[i].rank == rank) return i;
    return 0;
}
