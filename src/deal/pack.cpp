#include "deal/pack.h"

#include <algorithm>

#include "deal/random.h"

bool PackAndPile::PileToPack() {
    pack = pile;
    wholePack = CardSetOf(&pack[1], 32) == 0xFFFFFFFFu;
    return !wholePack && HasDuplicate(pack);
}

bool PackAndPile::HasDuplicate(const std::array<Card, 33>& cards) {
    // The usual pile: all 32 cards, which only 32 different cards can make.
    if (CardSetOf(&cards[1], 32) == 0xFFFFFFFFu) return false;
    uint32_t seen[4] = {};
    for (int i = 1; i <= 32; ++i) {
        const Card& c = cards[i];
        const uint32_t bit = 1u << (c.rank & 31);
        if (seen[c.suit & 3] & bit) return true;
        seen[c.suit & 3] |= bit;
    }
    return false;
}

void PackAndPile::FullShuffle(IRandom& random) {
    bool taken[4][15] = {};
    for (int pos = 1; pos <= 32; ++pos) {
        for (;;) {
            const uint8_t rank = uint8_t(7 + random.Next(8));
            const uint8_t suit = uint8_t(random.Next(4));
            if (taken[suit][rank]) continue;
            taken[suit][rank] = true;
            pile[pos] = Card{suit, rank, pile[pos].strength};
            break;
        }
    }
}

// Position i takes the card of position i + n, counted round the pack.
void PackAndPile::Cut(int n) {
    n %= 32;
    if (n < 0) n += 32;
    const auto first = pack.begin() + 1, cut = first + n, end = pack.end();
    std::copy(first, cut, std::copy(cut, end, pile.begin() + 1));
    pack = pile;
}

bool PackAndPile::CutOne() {
    Cut(1);
    return HasDuplicate(pack);
}

bool PackAndPile::Shuffle(uint8_t mode, int cuts, IRandom& random) {
    bool duplicate = false;
    if (mode == FullShuffleMode) {
        // A drawn pack takes each card once: there is nothing to look for.
        FullShuffle(random);
        pack = pile;
        wholePack = true;
    } else if (mode == NoShuffle) {
        duplicate = PileToPack();
    } else {
        // Cutting never changes which cards the pack holds.
        duplicate = PileToPack();
        Cut(cuts);
    }
    ClearPile();
    return duplicate;
}
