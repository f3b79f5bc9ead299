// The headless runner's watcher: it checks the rules at every moment of a deal and, when
// asked, writes every event as one JSON object per line.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "game/thra.h"

// Collects game-log and result lines (only when events are written) and checks the deal.
class SimWatch : public NullTableView, public NullResultView, public IGameObserver {
public:
    SimWatch(bool events, std::FILE* out) : events_(events), out_(out) {}
    void Attach(THra& game);

    // ITableView
    void LogLine(std::string_view text) override;
    bool KeepsLog() const override { return events_; }
    void ShowMessage(std::string_view text) override;
    // IResultView
    void AddResultLine(std::string_view text) override;
    bool KeepsLines() const override { return events_; }
    // IGameObserver
    void Dealt() override;
    void TalonLaid(const THrac& seat) override;
    void CardPlaying(const THrac& seat, const TKarta& card) override;
    void TrickEvaluated(const THrac& leader, const Card (&cards)[3], const THrac& winner) override;
    void Settled() override;

    // After a deal has ended: the pile must hold the 32 cards once each.
    void DealEnded();
    void Fail(const std::string& what);

    // Suit games that ended undoubled, without a trick played.
    long long unplayedGames() const { return unplayed_; }
    bool failed() const { return !failure_.empty(); }
    const std::string& failure() const { return failure_; }
    // The pack of the deal in which the first violation happened, as "S_R,S_R,...".
    const std::string& failedPack() const { return failedPack_; }

private:
    void Emit(const std::string& line);
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
};

// JSON string literal of a UTF-8 text.
void AppendJsonString(std::string& out, std::string_view text);
