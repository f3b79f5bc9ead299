// A table with computer players in chosen seats and scripted seats elsewhere, and helpers to
// set up a deal position card by card.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>

#include "game/trick_rules.h"
#include "robot/trobot.h"
#include "support/fakes.h"

// "0_7 3_14" -> the card; one code.
inline Card K(const char* code) {
    Card c{};
    EXPECT_TRUE(ParseCardCode(code, c)) << code;
    return c;
}

struct TalonWatch : IGameObserver {
    int talons = 0;
    void TalonLaid(const THrac&) override { ++talons; }
};

struct RobotTable : RecordingPorts {
    TalonWatch watch;
    std::unique_ptr<THra> game;

    explicit RobotTable(std::initializer_list<int> robotSeats = {2, 3}) {
        bool robot[4] = {};
        for (int no : robotSeats) robot[no] = true;
        game = std::make_unique<THra>(Ports(&watch),
                                      [robot](THra& g, int no) -> std::unique_ptr<THrac> {
                                          if (robot[no]) return std::make_unique<TRobot>(g, no);
                                          return std::make_unique<ScriptedSeat>(g, no);
                                      });
    }
    THra& g() { return *game; }
    THrac& seat(int no) { return *game->Seat(no); }
    TRobot& robot(int no) { return static_cast<TRobot&>(*game->Seat(no)); }

    // The contract, trumps and declarer of a deal about to be played.
    void Contract(uint8_t kind, uint8_t trump, int declarerNo) {
        game->contractKind = kind;
        game->trumpCard = Card{trump, kSeven, 0};
        game->declarer = game->Seat(declarerNo);
        game->state = Playing;
    }
    // Gives the seat these cards ("0_7 0_8 ...") in slots 1.., with strengths for the contract.
    void Hand(int no, const std::string& codes) {
        THrac& s = seat(no);
        for (auto& k : s.hand) k = TKarta{};
        std::istringstream in(codes);
        std::string code;
        int slot = 0;
        while (in >> code) {
            TKarta& k = s.hand[++slot];
            k.owner = &s;
            k.SetTriple(K(code.c_str()));
            k.state = inHand;
        }
        s.cardCount = uint8_t(slot);
        s.RecountHand();
        s.StrengthPass();
    }
    // Cards played in earlier tricks: every seat has seen them.
    void Seen(const std::string& codes) {
        std::istringstream in(codes);
        std::string code;
        while (in >> code)
            for (THrac* s : game->seats) s->MarkSeen(K(code.c_str()));
    }
    // The seat lays this card of its hand to the current trick.
    void Lay(int no, const char* code) {
        THrac& s = seat(no);
        const Card c = K(code);
        const int slot = s.FindCard(c.suit, c.rank);
        ASSERT_NE(slot, 0) << "seat " << no << " does not hold " << code;
        game->PlayStep(s, s.hand[slot]);
    }
    // The robot plays a card, which must be one the legal-play rule allows; answers its code.
    std::string Play(int no) {
        TRobot& r = robot(no);
        bool legal[4][15] = {};
        for (int i = 1; i <= 10; ++i)
            if (r.hand[i].state == inHand)
                legal[r.hand[i].suit][r.hand[i].rank] = IsLegalPlay(*game, r, r.hand[i].triple());
        game->onTurn = &r;
        r.PlayCard();
        EXPECT_TRUE(legal[r.playedCard.suit][r.playedCard.rank])
            << CardCode(r.playedCard) << " is not a legal card";
        return CardCode(r.playedCard);
    }
    std::string LastLog() const { return view.log.empty() ? "" : view.log.back(); }
    std::string LastCall() const { return sound.calls.empty() ? "" : sound.calls.back(); }
};
