// The headless runner's watcher: it checks the rules at every moment of a deal and, when
// asked, writes every event as one JSON object per line.
#pragma once

#include <array>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/thra.h"

// Collects game-log lines (only when events are written), counts result lines and calls, and
// checks the deal.
class SimWatch : public NullTableView,
                 public NullResultView,
                 public IGameObserver,
                 public ISoundPlayer {
public:
    SimWatch(bool events, std::FILE* out) : events_(events), out_(out) {}
    void Attach(THra& game);

    // ITableView
    void LogLine(std::string_view text) override;
    bool KeepsLog() const override { return events_; }
    void ShowMessage(std::string_view text) override;
    // IResultView
    void AddResultLine(std::string_view text) override;
    void AddResultAmount(std::string_view label, double amount) override;
    void AddResultNumber(std::string_view label, int n) override;
    bool KeepsLines() const override { return true; }  // counted for the summary
    // ISoundPlayer: every call of a player is said, so the calls are counted here.
    void PlaySound(std::string_view, bool) override {}
    void SayCall(int seatNo, std::string_view callWord) override;
    // IGameObserver
    void Dealt() override;
    void TalonLaid(const THrac& seat) override;
    void CardPlaying(const THrac& seat, const TKarta& card) override;
    void TrickEvaluated(const THrac& leader, const Card (&cards)[3], const THrac& winner) override;
    void Settled() override;

    // After a deal has ended: the pile must hold the 32 cards once each.
    void DealEnded();
    void Fail(std::string_view what);
    // A decision of the human seat, as the fields of a "human" event; kept with the deal's
    // other decisions for a failure report, and written when events are.
    void Human(std::string_view fields);
    // The human's decisions of the current deal, as "human" events.
    const std::vector<std::string>& humanEvents() const { return humanEvents_; }
    // How often each result line (by its label) and each call (by its word, of any seat and of
    // seat 1) was produced, and the highest doubling level reached.
    void PrintSummary(std::FILE* out) const;
    // Calls and result lines produced so far; a refused click must add none.
    long long producedCount() const { return produced_; }

    // Suit games that ended undoubled, without a trick played.
    long long unplayedGames() const { return unplayed_; }
    bool failed() const { return !failure_.empty(); }
    const std::string& failure() const { return failure_; }
    // The pack of the deal in which the first violation happened, as "S_R,S_R,...".
    const std::string& failedPack() const { return failedPack_; }

private:
    // Counts by text. The texts come mostly from the same few places of the program, so the
    // last text met at each address is kept with a copy of its bytes: when the same bytes come
    // from there again, their count is found without hashing them. A text at an address that
    // held another one before (a reused buffer) is told apart by its bytes.
    template <class Count>
    struct Tally {
        struct TextHash {
            using is_transparent = void;
            size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
        };
        std::unordered_map<std::string, Count, TextHash, std::equal_to<>> map;
        // Longer texts are not kept, only counted through the map.
        static constexpr size_t kKeptBytes = 40;
        struct Recent {
            const char* data = nullptr;
            size_t size = size_t(-1);  // no text yet, not even an empty one
            Count* count = nullptr;    // nullptr: the text counts nowhere
            char bytes[kKeptBytes];
            // Whether the text is the one kept, at the same address.
            [[gnu::always_inline]] bool Holds(std::string_view text) const;
        };
        // Two texts whose addresses meet in one place are both kept.
        static constexpr int kWays = 2;
        std::array<Recent, 64 * kWays> recent{};
        // The kept entry of the text, nullptr when it is not kept. Its callers count a text
        // kept inline, and one that is not in a call of their own, so that the search saves
        // no registers.
        const Recent* Kept(std::string_view text) const;
        // The count of the text's label (`labelOf` gives it, or nothing when the text counts
        // nowhere), found through the map and made on first use; the text is kept.
        using LabelOf = std::optional<std::string_view> (*)(std::string_view text);
        [[gnu::noinline]] Count* Remember(std::string_view text, LabelOf labelOf);
        // Where the set of a text at `data` begins in `recent`.
        static size_t SetStart(const char* data);
    };

    void CountResultLine(std::string_view labelOrLine);
    [[gnu::noinline]] void CountNewResultLine(std::string_view labelOrLine);
    [[gnu::noinline]] void CountNewCall(int seatNo, std::string_view callWord);
    [[gnu::noinline, gnu::cold]] void FaultyPlay(const THrac& seat, const TKarta& card);
    bool AllowedAt(const THrac& seat, int onTable) const;
    // Reports each card after the lead, of the `count` cards of the trick `leader` leads, that
    // the rules did not allow; `trickNo` counts from 1.
    [[gnu::noinline, gnu::cold]] void JudgeTrick(const THrac* leader, int count, int trickNo);
    // The failures of the checks made once a deal, kept apart so that the checks need no room
    // for their texts.
    [[gnu::noinline, gnu::cold]] void MoneyLost(double sum);
    [[gnu::noinline, gnu::cold]] void PileFault();
    [[gnu::noinline, gnu::cold]] void IllegalPlay(const THrac& seat, const Card& card, int trickNo);
    // Kept out of the functions called for every card and trick, whose checks are all they
    // do when no events are written.
    [[gnu::noinline]] void HumanPlay(const TKarta& card);
    [[gnu::noinline]] void EmitDeal();
    [[gnu::noinline]] void EmitMoney();
    [[gnu::noinline]] void EmitTrick(const THrac& leader, const Card (&cards)[3],
                                     const THrac& winner);
    void Emit(const std::string& line);
    // A result line as a "result" event.
    void EmitResult(std::string_view line);
    // A result line written as an event and counted.
    [[gnu::noinline]] void WriteResultLine(std::string_view text);
    [[gnu::noinline]] void WriteResultAmount(std::string_view label, double amount);
    [[gnu::noinline]] void WriteResultNumber(std::string_view label, int n);
    std::string PackText() const;

    bool events_;
    std::FILE* out_;
    THra* game_ = nullptr;
    double moneySum_ = 0;
    double lastMagnitude_ = 0;    // the sum of the balances' sizes at the last settlement
    double roundingAllowed_ = 0;  // how far rounding may have moved the money sum so far
    int tricksThisDeal_ = 0;
    long long unplayed_ = 0;
    std::string failure_;
    std::string failedPack_;
    std::string line_;  // reused buffer for one event
    std::vector<std::string> humanEvents_;
    Tally<long long> resultLines_;
    Tally<std::pair<long long, long long>> calls_;  // all seats, seat 1
    long long produced_ = 0;
    int highestFlek_ = 0;
    std::array<uint32_t, 4> heldAtPlay_{};  // by seat number: its hand as it played its card
};

// Whether the n cards are n different cards of the pack.
bool DistinctCards(const Card* cards, int n);

// JSON string literal of a UTF-8 text.
void AppendJsonString(std::string& out, std::string_view text);
