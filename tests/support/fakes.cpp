#include "support/fakes.h"

#include <sstream>
#include <stdexcept>

#include "robot/trobot.h"
#include "table/tplayer.h"

std::unique_ptr<THrac> HumanAndComputers(THra& game, int seatNo) {
    if (seatNo == 1) return std::make_unique<TPlayer>(game, seatNo);
    return std::make_unique<TRobot>(game, seatNo);
}

void PlayComputerDeals(const GamePorts& ports, int deals,
                       const std::function<void(THra&, int, bool)>& afterDeal,
                       const std::function<void(THra&, int)>& afterStep) {
    THra game(ports, [](THra& g, int no) { return std::make_unique<TRobot>(g, no); });
    for (int deal = 0; deal < deals; ++deal) {
        game.NewGame();
        if (afterDeal) afterDeal(game, deal, false);
        bool done;
        while (game.state == Playing || game.state == TrickComplete) {
            game.IdleStep(done);
            if (game.state == TrickComplete) game.TrickTimerFired();
            if (afterStep) afterStep(game, deal);
        }
        if (afterDeal) afterDeal(game, deal, true);
    }
}

Card C(int suit, int rank) {
    return Card{uint8_t(suit), uint8_t(rank), 0};
}

std::array<Card, 33> PackOf(const std::vector<std::string>& codes) {
    if (codes.size() != 32) throw std::invalid_argument("a pack has 32 cards");
    std::array<Card, 33> pack{};
    for (size_t i = 0; i < 32; ++i)
        if (!ParseCardCode(codes[i], pack[i + 1])) throw std::invalid_argument(codes[i]);
    return pack;
}

std::array<Card, 33> OrderedPack() {
    std::array<Card, 33> pack{};
    int pos = 1;
    for (int s = 0; s < 4; ++s)
        for (int r = 7; r <= 14; ++r) pack[pos++] = C(s, r);
    return pack;
}

void GiveHand(THrac& seat, std::initializer_list<Card> cards) {
    for (auto& k : seat.hand) k = TKarta{};
    int slot = 0;
    for (const Card& c : cards) {
        TKarta& k = seat.hand[++slot];
        k.owner = &seat;
        k.SetTriple(c);
        k.state = inHand;
    }
    seat.cardCount = uint8_t(slot);
    seat.RecountHand();
    seat.StrengthPass();
}

std::vector<Card> CardsOf(std::string_view codes) {
    std::vector<Card> cards;
    std::istringstream in{std::string(codes)};
    std::string code;
    while (in >> code) {
        Card c;
        if (!ParseCardCode(code, c)) throw std::invalid_argument(code);
        cards.push_back(c);
    }
    return cards;
}

void GiveHandCodes(THrac& seat, std::string_view codes) {
    for (auto& k : seat.hand) k = TKarta{};
    int slot = 0;
    for (const Card& c : CardsOf(codes)) {
        TKarta& k = seat.hand[++slot];
        k.owner = &seat;
        k.SetTriple(c);
        k.state = inHand;
        k.picture = seat.seatNo * 100 + slot;
    }
    seat.cardCount = uint8_t(slot);
    seat.RecountHand();
    seat.StrengthPass();
}
