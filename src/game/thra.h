// The game controller: one deal from "Nová hra" to the settlement.
//
// THra owns the three seats (a ring 1 -> 2 -> 3 -> 1), the pack and the collected pile, the
// state of the deal in progress and the deal-level flags. It has no thread of its own: the
// window (or the headless runner, or a test) drives it by calling IdleStep after each burst of
// events, TrickTimerFired two seconds after the third card of a trick, NewGame for "Nová hra",
// and by the human's clicks. Seats answer the controller's questions synchronously.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "deal/card.h"
#include "deal/pack.h"
#include "deal/random.h"
#include "game/game_observer.h"
#include "game/playing_records.h"
#include "game/result_view.h"
#include "game/rules.h"
#include "game/sound_player.h"
#include "game/table_view.h"
#include "game/thrac.h"

enum DealState : uint8_t {
    Waiting = 0,           // a human decision, a dialog, or no game: nothing to drive
    ComputerChoosing = 1,  // a computer forehand names trumps and lays its talon
    Playing = 3,           // each idle step asks the seat on turn
    TrickComplete = 4,     // three cards lie on the table; the trick timer runs
    Dealing = 100,         // a new deal is being set up
};

// Everything the game talks to. Any port left null is replaced by a silent one.
struct GamePorts {
    ITableView* view = nullptr;
    ISoundPlayer* sound = nullptr;
    IResultView* result = nullptr;
    IPlayingRecords* records = nullptr;
    const IRules* rules = nullptr;
    IRandom* random = nullptr;
    IGameObserver* observer = nullptr;
};

// Creates the seat with the given number (1..3). The default puts the human in seat 1 and
// computer players in seats 2 and 3.
using SeatFactory = std::function<std::unique_ptr<THrac>(THra& game, int seatNo)>;

inline constexpr std::string_view kNoWinnerMessage = "Je to nejake divne, protoze niko navyhrava";
inline constexpr std::string_view kDuplicateMessage =
    "Nekde na hromadce jsou dve stejne karty :-((";

class THra {
public:
    explicit THra(GamePorts ports, const SeatFactory& seats = {});
    ~THra();
    THra(const THra&) = delete;
    THra& operator=(const THra&) = delete;

    // --- deal lifecycle ---
    void NewGame();
    void ResetDeal();
    void DealNewGame();
    void IdleStep(bool& done);
    void TrickTimerFired();
    // The next deal uses this pack as dealt (positions 1..32), without shuffle or cut, dealt
    // "do plných" or split as given. For scripted deals and the headless runner.
    void PresetNextDeal(const std::array<Card, 33>& pack, bool full);

    // --- trick play ---
    void PlayStep(THrac& seat, TKarta& card);
    void LayCardOnTable(THrac& seat, const Card& card);
    THrac* EvaluateTrick();

    // --- settlement ---
    void SettleSuitGame(THrac* lastTrickWinner);
    void SettleBetlDurch(THrac* lastTrickWinner);
    void Transfer(THrac* declarerSeat, double amount, bool record);
    void SettlePersonalResult(bool withSound);
    int HundredPointsDeclarer();
    int HundredPointsDefenders();

    // --- announcement and doubling ---
    void AnnouncePhase(THrac* declarerSeat);
    void UnflekedGameEnd();

    // --- helpers shared by the seats ---
    void StrengthPassAll();
    uint8_t TrumpSuit() const { return trumpCard.suit; }
    bool IsTrump(const Card& c) const { return c.suit == trumpCard.suit; }
    THrac* Seat(int seatNo) const { return seats[seatNo - 1]; }
    int NewPictureHandle() { return ++lastPicture_; }
    // A new card object in a hand slot, held, with its picture at (left, top).
    TKarta& CreateCard(THrac& seat, int slot, const Card& card, int left, int top, bool faceUp);
    // Table places where a seat's hand starts and how each next card moves (Part of the deal).
    void HandPlace(int seatNo, int& left, int& top, int& dx, int& dy) const;
    int ColumnStep() const { return (view().ContractGroupLeft() - 120) / 14; }
    // Lays seat 1's hand out face up after a computer forehand has chosen trumps.
    void ShowSeatOneHand();

    // --- ports ---
    void LogLine(std::string_view text) { view_->LogLine(text); }
    void LogCall(const THrac& seat, std::string_view text);
    void ShowFinance();
    void AddResultLine(std::string_view text) { result_->AddResultLine(text); }
    void AddResultAmount(std::string_view label, double amount);
    // Lines with a number, built only when somebody shows them.
    void LogNumber(std::string_view text, int n);
    void LogAmount(std::string_view text, double amount);
    void AddResultNumber(std::string_view label, int n);
    void PlaySound(std::string_view file, bool noWait) { sound_->PlaySound(file, noWait); }
    void SayCall(const THrac& seat, std::string_view word) { sound_->SayCall(seat.seatNo, word); }
    ITableView& view() const { return *view_; }
    IResultView& resultView() const { return *result_; }
    const RuleSet& rules() const { return rules_->Current(); }
    IRandom& random() const { return *random_; }
    IGameObserver& observer() const { return *observer_; }
    // Seats call this when they have laid their talon.
    void TalonLaid(const THrac& seat) { observer_->TalonLaid(seat); }
    void SetPorts(const GamePorts& ports);

    // --- the game record ---
    uint8_t tricksPlayed = 0;
    Card trumpCard{};
    Card lastCard{};
    uint8_t cardsOnTable = 0;
    Card talon[2]{};
    bool declarerPlayed = false;
    std::array<THrac*, 3> seats{};
    THrac* forehand = nullptr;
    THrac* declarer = nullptr;
    THrac* onTurn = nullptr;
    THrac* trickLeader = nullptr;
    THrac* trickWinner = nullptr;
    uint8_t contractKind = Barva;
    std::array<uint8_t, 4> ledCount{};
    uint8_t state = Waiting;

    // --- deal-level values ---
    uint8_t flekCount = 0;
    uint8_t sevenFlekCount = 0;
    bool sevenDeclared = false;
    bool hundredDeclared = false;
    bool sevenAgainst = false;
    bool hundredAgainst = false;
    bool humanMayPlay = false;
    bool newGameRequested = false;
    uint16_t gamesPlayed = 0;
    bool fullDeal = false;
    bool humanLayingTalon = false;  // the human took the game and is choosing a new talon
    PackAndPile cards;
    int32_t handStrength = 0;  // the last hand strength computed by a computer player
    double moneyBase = 0;      // seat 1's money when the last trick began to be evaluated

private:
    void Deal();
    void TakePlayedCardOut(THrac& seat);
    void EndEarly();

    std::array<std::unique_ptr<THrac>, 3> owned_;
    std::unique_ptr<IRandom> ownRandom_;
    ITableView* view_ = nullptr;
    ISoundPlayer* sound_ = nullptr;
    IResultView* result_ = nullptr;
    IPlayingRecords* records_ = nullptr;
    const IRules* rules_ = nullptr;
    IRandom* random_ = nullptr;
    IGameObserver* observer_ = nullptr;
    bool logShown_ = true;     // the view keeps the game log
    bool resultShown_ = true;  // the result view keeps its lines
    int lastPicture_ = 0;
    std::optional<std::pair<std::array<Card, 33>, bool>> presetDeal_;
};
