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

// What the idle step may drive. Only Playing and TrickComplete make it act, so every other
// state is safe while a dialog's nested message loop runs idle steps.
enum DealState : uint8_t {
    Waiting = 0,           // a seat's card, a human decision or a dialog is awaited, or no game
    ComputerChoosing = 1,  // a computer forehand names trumps and lays its talon, synchronously
    Playing = 3,           // each idle step asks the seat on turn for its card
    TrickComplete = 4,     // three cards lie on the table until the trick timer collects them
    Dealing = 100,         // a new deal is being set up; nobody is asked anything yet
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

// Creates the seat with the given number (1..3). The controller knows seats only as THrac:
// whoever assembles the program chooses them (the window: the human in seat 1 and computer
// players in seats 2 and 3; the headless runner: three computer players; tests: their own).
using SeatFactory = std::function<std::unique_ptr<THrac>(THra& game, int seatNo)>;

inline constexpr std::string_view kNoWinnerMessage = "Je to nejake divne, protoze niko navyhrava";
inline constexpr std::string_view kDuplicateMessage =
    "Nekde na hromadce jsou dve stejne karty :-((";

class THra {
public:
    THra(GamePorts ports, const SeatFactory& seats);
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
    // Puts `seat`, made for this game, in its seat (seatNo) from the next deal on: a deal in
    // progress is finished by the seats that started it. The newcomer takes over the name, the
    // money and the place in the ring; a later request for the same seat before that deal
    // replaces this one.
    void ReplaceSeat(std::unique_ptr<THrac> seat);

    // --- transitions the seats call ---
    // A seat decides; the controller carries the decision out. The human's clicks, a computer
    // player and a test's scripted seat go through the same calls, each of which refuses
    // (returns false and changes nothing) what the deal does not allow at that moment.

    // `taker` takes the announced game over as the higher contract `kind`: the pile (which
    // holds only the last talon) is emptied, the contract changes and every hand's strengths
    // with it, the last talon comes into the taker's slots 11 and 12 with its strengths in the
    // new contract (face up for the human), and the taker becomes declarer and seat on turn.
    // The taker must then lay its own talon (LayAwayTalon); until it has, the announcement
    // phase stops after its AnswerGame. Refused for a kind not above the contract or above
    // durch, for the declarer itself, and for a suit game declared with seven and hundred.
    bool TakeOver(THrac& taker, uint8_t kind);
    // The declarer, holding twelve cards, lays away the cards of slots `first` and `second`
    // (1..12) as talon cards 1 and 2 for the contract `kind` (the contract in force, or a
    // higher one the human chose while laying the talon). The two cards go to the pile in slot
    // order, the other ten close up into slots 1..10 as held cards, laid out at the seat (face
    // up for the human), and the game's watchers are told. Refused unless the seat is the
    // declarer holding twelve cards in slots 1..12, the two slots differ, and `kind` is not
    // below the contract.
    bool LayAwayTalon(THrac& declarer, int first, int second, uint8_t kind);
    // The declarer's talon is laid and the announcements begin: the forehand calls this at the
    // end of naming trumps and laying the talon, and the human calls it after laying the talon
    // of a game he took over (the phase then runs again from the start). A computer taker does
    // not: it lays its talon inside AnswerGame and the phase goes on. Every hand's strengths
    // are set for the contract, seat 1's hand is shown face up, and AnnouncePhase runs; when it
    // leaves the human to lead, his clicks may play. Refused unless the seat is the declarer
    // with its ten cards.
    bool TalonDone(THrac& declarer);
    // The seat on turn plays the card of hand slot `slot` (1..10): the one entry for every
    // card played, judged by IsLegalPlay. Refused when it is not the seat's turn or its card of
    // this trick is already on the table, no trick is being played, the slot holds no card of
    // the hand, the card is not legal, or the seat is the human and his click is not awaited
    // (humanMayPlay). The caller needs nothing after it: the idle step goes on with the deal.
    bool PlayFromHand(THrac& seat, int slot);
    // Whether PlayFromHand would take a legal card of `seat` now: the seat is on turn in a
    // trick being played, its card of this trick is not on the table yet, and for the human
    // his click is awaited. The window offers "Poradit" exactly then.
    bool AwaitsCardFrom(const THrac& seat) const;
    // The same without the human's click: the deal is at this seat's card (what a hint for any
    // seat asks).
    bool CardDueFrom(const THrac& seat) const;

    // --- trick play ---
    // The play itself, unchecked: tests use it to set up a position card by card.
    void PlayStep(THrac& seat, TKarta& card);
    // Which card wins now: the seat whose card is best among the first `cards` (1..3) cards of
    // the trick, counted from its leader. In the suit game the strongest card (a discard has
    // strength 0, a trump 20 more than any other suit), in betl and durch the highest card of
    // the led suit; on a tie the earlier card. `single`, when given, says whether no other of
    // those cards is as strong (legal play always has a single best card).
    THrac* TrickWinner(int cards, bool* single = nullptr) const;
    // What a card is worth in a trick led in `led`: its strength in the suit game; in betl and
    // durch its rank in the led suit, and a card of another suit never takes the trick.
    int TrickValue(const Card& c, uint8_t led) const {
        if (contractKind == Barva) return c.strength;
        return c.suit == led ? c.rank : 0;
    }
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
    // The parts of CreateCard: the held card object written into `k`, and its picture shown.
    void NewCard(TKarta& k, THrac& seat, const Card& card, int left, int top);
    void ShowNewCard(const TKarta& k, bool faceUp);
    // Table places where a seat's hand starts and how each next card moves (Part of the deal).
    void HandPlace(int seatNo, int& left, int& top, int& dx, int& dy) const;
    // The contract group's left edge spaces the cards of a hand.
    int ContractGroupLeft() const { return TableWidth() - 275; }
    int ColumnStep() const { return (ContractGroupLeft() - 120) / 14; }
    // The table's size; a view that shows no cards is asked once.
    int TableWidth() const { return cardsShown_ ? view_->TableWidth() : tableWidth_; }
    int TableHeight() const { return cardsShown_ ? view_->TableHeight() : tableHeight_; }
    // Whether the view shows the cards: only then are the card pictures' calls made.
    bool CardsShown() const { return cardsShown_; }
    // Lays seat 1's hand out sorted and face up once the forehand has laid its talon.
    void ShowSeatOneHand();

    // --- ports ---
    void LogLine(std::string_view text) { view_->LogLine(text); }
    void LogCall(const THrac& seat, std::string_view text);
    void ShowFinance();
    // "Hraje :" and the declarer's name, and the contract's name: labels of the contract
    // group, spared to a view that shows no cards.
    void ShowDeclarerLabel();
    void ShowContractLabel(uint8_t kind) {
        if (cardsShown_) view_->SetContractLabel(ContractName(kind));
    }
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
    THrac* trickWinner = nullptr;  // the seat holding the trick in progress (TrickWinner)
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
    bool talonPending = false;  // a seat took the game over and has not laid its talon yet
    PackAndPile cards;
    int32_t handStrength = 0;  // the last hand strength computed by a computer player
    double moneyBase = 0;      // seat 1's money when the last trick began to be evaluated

private:
    // --- settlement steps (settlement.cpp) ---
    void RecordGame(const THrac& declarerSeat, uint8_t declarerResult);
    double BaseStake() const;
    double GameBase() const;
    double SevenPrice(double multiplier) const;
    void SuitScoreLines(int declarerPoints, int defenderPoints);
    double SuitGameValue(int declarerPoints, int defenderPoints);
    void SettleSevens(const THrac& lastTrickWinner);
    double WithHundred(double game, int declarerPoints, int defenderPoints);

    void Deal();
    void SeatNewcomers();
    // The play step itself, for PlayFromHand and PlayStep, and its card laid on the table.
    // `slot` is the card's slot in the seat's hand, -1 for a card from elsewhere; `bit` its
    // CardBit.
    void Play(THrac& seat, TKarta& card, int slot, uint32_t bit);
    void LayCardOnTable(THrac& seat, const Card& card, uint32_t bit);
    void TakePlayedCardOut(THrac& seat);
    void AskForCard();
    void ShowHandFaceUp(THrac& seat);
    void EndEarly();

    std::array<std::unique_ptr<THrac>, 3> owned_;
    std::array<std::unique_ptr<THrac>, 3> newcomers_;  // seats taken in at the next deal
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
    bool cardsShown_ = true;   // the view shows the cards
    int tableWidth_ = 0, tableHeight_ = 0;
    int lastPicture_ = 0;
    mutable StakeReader stakes_;
    std::optional<std::pair<std::array<Card, 33>, bool>> presetDeal_;
};
