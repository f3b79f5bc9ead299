// Where a settled game's statistics go: one record per player (see the statistics file).
#pragma once

#include <cstdint>
#include <string_view>

enum PlayingResult : uint8_t { ResultLost = 0, ResultWon = 1, ResultNeither = 2 };

class IPlayingRecords {
public:
    virtual ~IPlayingRecords() = default;
    virtual void AppendPlayingRec(std::string_view name, uint8_t contractKind, uint8_t result,
                                  uint16_t dealNumber) = 0;
};

class NoPlayingRecords : public IPlayingRecords {
public:
    void AppendPlayingRec(std::string_view, uint8_t, uint8_t, uint16_t) override {}
};
