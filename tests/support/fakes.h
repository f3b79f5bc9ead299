// Recording fakes of the game's ports and a scripted seat, so tests can drive a deal
// synchronously and read back everything the game showed, said and recorded.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "deal/random.h"
#include "game/thra.h"
#include "game/trick_rules.h"

// Built on the null implementations, so a fake records what a test reads and stays silent
// about the rest.
struct RecordingView : NullTableView {
    std::vector<std::string> log;  // oldest first (the window shows the newest on top)
    std::vector<std::string> messages;
    int picturesCreated = 0, picturesDestroyed = 0, facesShown = 0, backsShown = 0;
    bool timerOn = false, busy = false;
    bool sevenBox = false, hundredBox = false;
    bool lastGameEnabled = false, newGameEnabled = true, rulesEnabled = true;
    int meldPictures = 0;
    std::string declarerLabel, contractLabel;

    bool ShowsCards() const override { return true; }
    void CreateCardPicture(int, int, int) override { ++picturesCreated; }
    std::vector<int> faceUpPictures;  // pictures turned face up, in order
    struct TrickCard {
        int seatNo;
        Card card;
        int left, top;
    };
    std::vector<TrickCard> trickCards;  // cards laid on the table, in order

    void ShowCardFace(int picture, const Card&, int, int) override {
        ++facesShown;
        faceUpPictures.push_back(picture);
    }
    void ShowTrickCard(int seatNo, const Card& card, int left, int top) override {
        trickCards.push_back({seatNo, card, left, top});
    }
    void ShowCardBack(int, int, int) override { ++backsShown; }
    void DestroyCardPicture(int) override { ++picturesDestroyed; }
    struct MeldPicture {
        int seatNo;
        Card card;
        int x, y;
    };
    std::vector<MeldPicture> meldShown;  // marriage pictures, in order
    int meldHides = 0;
    void ShowMeldPicture(int seatNo, const Card& card, int x, int y) override {
        ++meldPictures;
        meldShown.push_back({seatNo, card, x, y});
    }
    void HideMeldPictures() override { ++meldHides; }
    void SetDeclarerLabel(std::string_view t) override { declarerLabel = t; }
    void SetContractLabel(std::string_view t) override { contractLabel = t; }
    bool SevenBoxChecked() const override { return sevenBox; }
    bool HundredBoxChecked() const override { return hundredBox; }
    void EnableNewGame(bool on) override { newGameEnabled = on; }
    void EnableRulesMenu(bool on) override { rulesEnabled = on; }
    void EnableLastGame(bool on) override { lastGameEnabled = on; }
    void SetBusyCursor(bool b) override { busy = b; }
    void SetTrickTimer(bool on) override { timerOn = on; }
    void LogLine(std::string_view t) override { log.emplace_back(t); }
    bool KeepsLog() const override { return true; }
    void ShowMessage(std::string_view t) override { messages.emplace_back(t); }
};

struct RecordingSound : ISoundPlayer {
    std::vector<std::string> played;  // "file" or "file (no wait)"
    std::vector<std::string> calls;
    void PlaySound(std::string_view file, bool noWait) override {
        played.push_back(std::string(file) + (noWait ? " (no wait)" : ""));
    }
    void SayCall(int, std::string_view word) override { calls.emplace_back(word); }
};

struct RecordingResult : NullResultView {
    std::vector<std::string> lines;
    std::vector<std::string> trickLeaders;
    int shown = 0;
    bool answerDeal = false;       // closes with "Rozdat" when true
    std::function<void()> onShow;  // runs while the result is on screen
    void ClearResultLines() override { lines.clear(); }
    void AddResultLine(std::string_view t) override { lines.emplace_back(t); }
    bool KeepsLines() const override { return true; }
    bool ShowResult(const Card (&)[2], const Card&) override {
        ++shown;
        if (onShow) onShow();
        return answerDeal;
    }
    void AddTrickRow(std::string_view name, const Card (&)[3]) override {
        trickLeaders.emplace_back(name);
    }
    void ClearTrickRows() override { trickLeaders.clear(); }
};

struct RecordedGame {
    std::string name;
    int kind, result, deal;
};

struct RecordingRecords : IPlayingRecords {
    std::vector<RecordedGame> records;
    void AppendPlayingRec(std::string_view name, uint8_t kind, uint8_t result,
                          uint16_t deal) override {
        records.push_back({std::string(name), kind, result, deal});
    }
};

// Answers scripted draws first, then a seeded sequence (a constant answer would make the
// full shuffle, which redraws cards already taken, loop forever).
struct ScriptedRandom : IRandom {
    std::deque<int> draws;
    SeededRandom after{12345};
    int Next(int n) override {
        if (draws.empty()) return after.Next(n);
        const int v = draws.front();
        draws.pop_front();
        return v % n;
    }
};

// A seat whose decisions a test sets: it plays the first legal card of its hand, or the cards
// queued in `script` (by suit and rank), through the game's checked entry, which refuses an
// illegal one; it counts how often it was asked to play.
class ScriptedSeat : public THrac {
public:
    ScriptedSeat(THra& g, int no) : THrac(g, no) {}
    std::deque<Card> script;
    int playCalls = 0, chooseTrumpCalls = 0;
    int illegalScripted = 0;  // scripted cards that the legal-play rule refuses
    bool acceptGame = true;
    uint8_t flekAnswer = 0;
    std::vector<uint8_t> offers;

    // Lets a scripted seat 1 stand for the human where the game tells the two apart.
    void ActAsHuman() { human_ = true; }
    void ChooseTrump() override { ++chooseTrumpCalls; }
    bool AnswerGame() override { return acceptGame; }
    uint8_t AnswerFlek(uint8_t offer) override {
        offers.push_back(offer);
        if (game->flekCount >= 10) return 0;
        return flekAnswer;
    }
    void PlayCard() override {
        ++playCalls;
        int slot = 0;
        if (!script.empty()) {
            slot = FindCard(script.front().suit, script.front().rank);
            script.pop_front();
            if (slot && !IsLegalPlay(*game, *this, hand[slot].triple())) ++illegalScripted;
        } else {
            for (int i = 1; i <= 10 && !slot; ++i)
                if (hand[i].state == inHand && IsLegalPlay(*game, *this, hand[i].triple()))
                    slot = i;
        }
        if (slot) game->PlayFromHand(*this, slot);
    }
};

// Every port of the game as a recording fake.
struct RecordingPorts {
    RecordingView view;
    RecordingSound sound;
    RecordingResult result;
    RecordingRecords records;
    FixedRules rules;
    ScriptedRandom random;

    GamePorts Ports(IGameObserver* observer = nullptr) {
        return GamePorts{&view, &sound, &result, &records, &rules, &random, observer};
    }
};

// A game with recording ports and scripted seats everywhere.
struct TestTable : RecordingPorts {
    std::unique_ptr<THra> game;

    TestTable() {
        game = std::make_unique<THra>(
            Ports(), [](THra& g, int no) { return std::make_unique<ScriptedSeat>(g, no); });
    }
    ScriptedSeat& seat(int no) { return static_cast<ScriptedSeat&>(*game->Seat(no)); }
};

// The seats of the table the window assembles: the human in seat 1, computer players in
// seats 2 and 3.
std::unique_ptr<THrac> HumanAndComputers(THra& game, int seatNo);

// Three computer players play `deals` whole deals through the idle step and the trick timer,
// with these ports (rules, chance and view where given). `afterDeal` runs once a deal is
// dealt and announced and again when it has ended, `afterStep` after every step of play.
void PlayComputerDeals(const GamePorts& ports, int deals,
                       const std::function<void(THra&, int deal, bool ended)>& afterDeal,
                       const std::function<void(THra&, int deal)>& afterStep = {});

Card C(int suit, int rank);
// A pack from 32 "S_R" codes, positions 1..32.
std::array<Card, 33> PackOf(const std::vector<std::string>& codes);
// The 32 cards in suit order 0_7, 0_8, ... 3_14.
std::array<Card, 33> OrderedPack();
// Gives a seat exactly these cards in slots 1.., with strengths for the contract in force.
void GiveHand(THrac& seat, std::initializer_list<Card> cards);
// Cards from blank-separated "S_R" codes ("0_7 3_14").
std::vector<Card> CardsOf(std::string_view codes);
// GiveHand from codes; every card gets a picture handle (seat number × 100 + slot).
void GiveHandCodes(THrac& seat, std::string_view codes);
