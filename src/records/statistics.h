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

// Every name's totals, fed one record at a time, in the order of each name's first record;
// names are told apart exactly, case included. A damaged file may hold a name of its own in
// nearly every record, millions of them: time grows with the number of records only, and a
// name seen once costs 20 bytes, its totals made when asked for.
class PlayingTotals {
public:
    // Far beyond any real file: a gigabyte and a half of records, each with a name of its own.
    static constexpr size_t kMaxNames = (size_t(1) << 26) - 2;

    // Counts `count` records of TPlayingRec::kSize bytes each. False when they would make more
    // than kMaxNames names.
    bool Add(const unsigned char* records, size_t count);
    // Room for this many names without moving what is stored (an estimate; more are fine).
    void Reserve(size_t names);

    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    std::string Name(size_t i) const;  // UTF-8
    TStatPlayer Player(size_t i) const;

private:
    using Key = std::array<unsigned char, 13>;  // name length, the name's bytes, zeros after them
    struct Entry {
        Key key{};
        uint8_t kind = 0, result = 0;  // of the name's first record
        uint32_t repeated = 0;         // 1 + index into repeated_ once the name recurs
    };
    // A slot holds 1 + an index into entries_ in its low bits and some bits of the name's hash
    // above them; 0 is a free slot.
    static constexpr int kIndexBits = 26;
    static constexpr uint32_t kIndexMask = (1u << kIndexBits) - 1;
    static uint64_t Hash(const Key& key);
    static uint32_t Slot(size_t index, uint64_t hash) {
        return uint32_t(hash >> 58) << kIndexBits | uint32_t(index + 1);
    }
    // The key's slot, or the free slot where it belongs.
    size_t Find(const Key& key, uint64_t hash) const;
    // Room in the slots for this many names, at most two thirds of the slots in use, so that
    // a search ends soon.
    void Grow(size_t names);

    std::vector<Entry> entries_;
    std::vector<TStatPlayer> repeated_;  // totals of the names with more than one record
    std::vector<uint32_t> slots_;        // open addressing
};

// The totals of a whole file's contents; a trailing piece shorter than a record is not
// counted.
PlayingTotals TotalPlayingRecs(std::string_view bytes);

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
    bool ReadTotals(PlayingTotals& totals);

private:
    void Report(int err);

    ErrorSink onError_;
    std::filesystem::path path_;
    int fd_ = -1;
};
