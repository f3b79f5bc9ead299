// The statistics file "Playing.dta": one 24-byte record per player per settled game, only
// ever appended to, and the per-name totals read back from it for the rating dialogs.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/playing_records.h"

inline constexpr std::string_view kPlayingFileName = "Playing.dta";

// One record as it lies in the file, little-endian:
//   0 name length (0..12)   1 name, Windows-1250, blanks after it   13 contract kind
//   14 two zero bytes       16 deal number, 32 bits                 20 result
//   21 three zero bytes
struct TPlayingRec {
    static constexpr size_t kSize = 24;
    static constexpr size_t kNameSize = 12;

    uint8_t nameLength = kNameSize;
    std::array<char, kNameSize> name{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    uint8_t contractKind = 0;
    uint32_t dealNumber = 0;
    uint8_t result = 0;

    // The name, UTF-8 in the program, is stored in the code page; a longer name is cut.
    static TPlayingRec Make(std::string_view name, uint8_t contractKind, uint8_t result,
                            uint16_t dealNumber);
    std::array<unsigned char, kSize> Encode() const;
    static TPlayingRec Decode(const unsigned char* bytes);
    // The stored name bytes (never more than 12, whatever the length byte says).
    std::string_view NameBytes() const;
};

// A player's totals over the whole file.
struct TStatPlayer {
    std::string name;  // UTF-8
    int32_t games = 0, won = 0, lost = 0;
    int32_t suitGames = 0, suitGamesWon = 0, suitGamesLost = 0;
    int32_t betls = 0, betlsWon = 0, betlsLost = 0;
    int32_t durchs = 0, durchsWon = 0, durchsLost = 0;

    void Add(uint8_t contractKind, uint8_t result);
};

// Totals per name in the order of each name's first record; names are told apart exactly,
// case included. `bytes` is the file's contents; a trailing piece shorter than a record is
// not counted.
std::vector<TStatPlayer> TotalPlayingRecs(std::string_view bytes);

class StatisticsFile : public IPlayingRecords {
public:
    using ErrorSink = std::function<void(const std::string& message)>;

    explicit StatisticsFile(ErrorSink onError = {});
    ~StatisticsFile() override;
    StatisticsFile(const StatisticsFile&) = delete;
    StatisticsFile& operator=(const StatisticsFile&) = delete;

    // Opens the file for appending, creating it when missing. When it cannot be opened the
    // error is reported and nothing is recorded until it is opened again.
    bool Open(const std::filesystem::path& file);
    bool IsOpen() const { return fd_ >= 0; }

    // Writes one record at the end of the file and hands it to the system at once, so that
    // a crash later in the run loses no finished game.
    void AppendPlayingRec(std::string_view name, uint8_t contractKind, uint8_t result,
                          uint16_t dealNumber) override;

    // Reads the whole file from its start; false when the file is not open or cannot be read
    // (the latter reported). Later records still go to the end of the file.
    bool ReadTotals(std::vector<TStatPlayer>& players);

private:
    void Report(int err);

    ErrorSink onError_;
    std::filesystem::path path_;
    int fd_ = -1;
};
