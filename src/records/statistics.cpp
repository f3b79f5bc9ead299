#include "records/statistics.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "game/thra.h"
#include "records/cp1250.h"

TPlayingRec TPlayingRec::Make(std::string_view name, uint8_t contractKind, uint8_t result,
                              uint16_t dealNumber) {
    TPlayingRec rec;
    std::string bytes = Utf8ToCp1250(name);
    if (bytes.size() > kNameSize) bytes.resize(kNameSize);
    rec.nameLength = static_cast<uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), rec.name.begin());
    rec.contractKind = contractKind;
    rec.result = result;
    rec.dealNumber = dealNumber;
    return rec;
}

std::array<unsigned char, TPlayingRec::kSize> TPlayingRec::Encode() const {
    std::array<unsigned char, kSize> b{};
    b[0] = nameLength;
    for (size_t i = 0; i < kNameSize; ++i) b[1 + i] = static_cast<unsigned char>(name[i]);
    b[13] = contractKind;
    for (int i = 0; i < 4; ++i) b[16 + i] = static_cast<unsigned char>(dealNumber >> (8 * i));
    b[20] = result;
    return b;
}

TPlayingRec TPlayingRec::Decode(const unsigned char* b) {
    TPlayingRec rec;
    rec.nameLength = b[0];
    for (size_t i = 0; i < kNameSize; ++i) rec.name[i] = static_cast<char>(b[1 + i]);
    rec.contractKind = b[13];
    rec.dealNumber =
        uint32_t(b[16]) | uint32_t(b[17]) << 8 | uint32_t(b[18]) << 16 | uint32_t(b[19]) << 24;
    rec.result = b[20];
    return rec;
}

std::string_view TPlayingRec::NameBytes() const {
    return std::string_view(name.data(), std::min<size_t>(nameLength, kNameSize));
}

void TStatPlayer::Add(uint8_t kind, uint8_t result) {
    const auto count = [result](int32_t& all, int32_t& w, int32_t& l) {
        ++all;
        if (result == ResultWon) ++w;
        if (result == ResultLost) ++l;
    };
    count(games, won, lost);
    if (kind == Barva) count(suitGames, suitGamesWon, suitGamesLost);
    if (kind == Betl) count(betls, betlsWon, betlsLost);
    if (kind == Durch) count(durchs, durchsWon, durchsLost);
}

namespace {

uint64_t Mix(uint64_t x) {
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    return x ^ (x >> 33);
}

// Millions of names spread the totals over thousands of pages, and nearly every search lands on
// another page. Large pages, where the system grants them on request, spare most of the address
// translations. Only whole large pages inside the block are asked for; nothing is written yet.
void AdviseLargePages(const void* block, size_t bytes) {
    constexpr uintptr_t kLargePage = uintptr_t(1) << 21;
    const auto begin = reinterpret_cast<uintptr_t>(block);
    const uintptr_t first = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const uintptr_t last = (begin + bytes) & ~(kLargePage - 1);
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

}  // namespace

uint64_t PlayingTotals::Hash(const Key& key) {
    uint64_t head, tail;  // bytes 0..7 and 5..12
    std::memcpy(&head, key.data(), 8);
    std::memcpy(&tail, key.data() + 5, 8);
    return Mix(head ^ Mix(tail));
}

size_t PlayingTotals::Find(const Key& key, uint64_t hash) const {
    // A slot holds some bits of its key's hash beside the index: most slots of other names are
    // passed over without a look at their entries.
    const uint32_t tag = uint32_t(hash >> 58) << kIndexBits;
    const size_t mask = slots_.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const uint32_t s = slots_[slot];
        if (s == 0) return slot;
        if ((s & ~kIndexMask) == tag && entries_[(s & kIndexMask) - 1].key == key) return slot;
    }
}

void PlayingTotals::Grow(size_t names) {
    size_t size = std::max<size_t>(64, slots_.size());
    while (3 * names > 2 * size) size *= 2;
    if (size == slots_.size()) return;
    std::vector<uint32_t>().swap(slots_);
    slots_.reserve(size);
    AdviseLargePages(slots_.data(), size * sizeof(uint32_t));
    slots_.assign(size, 0);
    for (size_t i = 0; i < entries_.size(); ++i) {
        const uint64_t hash = Hash(entries_[i].key);
        slots_[Find(entries_[i].key, hash)] = Slot(i, hash);
    }
}

void PlayingTotals::Reserve(size_t names) {
    if (names > entries_.capacity() && entries_.empty()) {
        entries_.reserve(names);
        AdviseLargePages(entries_.data(), names * sizeof(Entry));
    }
    Grow(names);
}

bool PlayingTotals::Add(const unsigned char* records, size_t count) {
    // The slots of a few records are fetched from memory together, before they are needed:
    // with millions of names nearly every search would otherwise wait for its own slot.
    constexpr size_t kBatch = 16;
    struct Pending {
        Key key;
        uint64_t hash;
        uint8_t kind, result;
    } batch[kBatch];
    for (size_t first = 0; first < count; first += kBatch) {
        const size_t n = std::min(kBatch, count - first);
        Grow(entries_.size() + n);
        for (size_t i = 0; i < n; ++i) {
            const TPlayingRec rec = TPlayingRec::Decode(records + (first + i) * TPlayingRec::kSize);
            const std::string_view name = rec.NameBytes();
            Pending& p = batch[i];
            p.key = {static_cast<unsigned char>(name.size())};
            std::copy(name.begin(), name.end(), p.key.begin() + 1);
            p.hash = Hash(p.key);
            p.kind = rec.contractKind;
            p.result = rec.result;
            __builtin_prefetch(&slots_[p.hash & (slots_.size() - 1)]);
        }
        for (size_t i = 0; i < n; ++i) {
            const Pending& p = batch[i];
            const size_t slot = Find(p.key, p.hash);
            if (slots_[slot] == 0) {
                if (entries_.size() >= kMaxNames) return false;
                entries_.push_back(Entry{p.key, p.kind, p.result});
                slots_[slot] = Slot(entries_.size() - 1, p.hash);
                continue;
            }
            Entry& e = entries_[(slots_[slot] & kIndexMask) - 1];
            if (e.repeated == 0) {
                repeated_.emplace_back().Add(e.kind, e.result);
                e.repeated = uint32_t(repeated_.size());
            }
            repeated_[e.repeated - 1].Add(p.kind, p.result);
        }
    }
    return true;
}

std::string PlayingTotals::Name(size_t i) const {
    const auto& key = entries_[i].key;
    return Cp1250ToUtf8(std::string_view(reinterpret_cast<const char*>(key.data()) + 1, key[0]));
}

TStatPlayer PlayingTotals::Player(size_t i) const {
    const Entry& e = entries_[i];
    TStatPlayer player;
    if (e.repeated != 0) {
        player = repeated_[e.repeated - 1];
    } else {
        player.Add(e.kind, e.result);
    }
    player.name = Name(i);
    return player;
}

PlayingTotals TotalPlayingRecs(std::string_view bytes) {
    PlayingTotals totals;
    const size_t records = bytes.size() / TPlayingRec::kSize;
    totals.Reserve(records);
    totals.Add(reinterpret_cast<const unsigned char*>(bytes.data()), records);
    return totals;
}

StatisticsFile::StatisticsFile(ErrorSink onError) : onError_(std::move(onError)) {}

StatisticsFile::~StatisticsFile() {
    if (fd_ >= 0) ::close(fd_);
}

void StatisticsFile::Report(int err) {
    if (onError_) onError_(path_.string() + ": " + std::strerror(err));
}

bool StatisticsFile::Open(const std::filesystem::path& file) {
    if (fd_ >= 0) ::close(fd_);
    path_ = file;
    const auto fail = [this](int err) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        Report(err);
        return false;
    };
    // Appending only: every record lands at the end, wherever the file position is.
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd_ < 0) return fail(errno);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return fail(errno);
    if (!S_ISREG(st.st_mode)) return fail(EINVAL);
    // A piece shorter than a record is what a write cut off in the middle leaves behind.
    // Records appended after it would be read shifted by its length, so it goes.
    const off_t tail = st.st_size % off_t(TPlayingRec::kSize);
    if (tail != 0 && ::ftruncate(fd_, st.st_size - tail) != 0) return fail(errno);
    ::lseek(fd_, 0, SEEK_END);
    return true;
}

void StatisticsFile::AppendPlayingRec(std::string_view name, uint8_t contractKind, uint8_t result,
                                      uint16_t dealNumber) {
    if (fd_ < 0) return;
    const auto bytes = TPlayingRec::Make(name, contractKind, result, dealNumber).Encode();
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        Report(errno);
        return;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : EIO;
            // Never leave part of a record behind (see Open).
            if (done > 0 && ::ftruncate(fd_, st.st_size) != 0) {
                // Nothing more can be done; the next Open drops the piece.
            }
            Report(err);
            return;
        }
        done += size_t(n);
    }
    if (::fdatasync(fd_) != 0) Report(errno);
}

bool StatisticsFile::ReadTotals(PlayingTotals& totals) {
    totals = PlayingTotals{};
    if (fd_ < 0) return false;
    // Never more names than records: room for them all at once, rather than moving millions
    // of names from place to place as they come. A file of few names leaves the room unused.
    constexpr size_t kMaxChunk = 16384;  // records read at a time
    size_t chunk = kMaxChunk;
    struct stat st {};
    if (::fstat(fd_, &st) == 0) {
        const size_t records = size_t(st.st_size) / TPlayingRec::kSize;
        totals.Reserve(std::min<size_t>(records, 1u << 24));
        // A small file needs no more room than it has (a few records more, should it grow).
        chunk = std::clamp<size_t>(records + 1, 64, kMaxChunk);
    }
    // Record by record, never the whole file at once; pread leaves the file position where it
    // is: at the end.
    std::vector<unsigned char> buf(TPlayingRec::kSize * chunk);
    size_t held = 0;  // bytes in buf, less than a record after each pass
    off_t at = 0;
    for (;;) {
        const ssize_t n = ::pread(fd_, buf.data() + held, buf.size() - held, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            Report(errno);
            totals = PlayingTotals{};
            return false;
        }
        if (n == 0) break;
        at += n;
        held += size_t(n);
        const size_t used = held - held % TPlayingRec::kSize;
        if (!totals.Add(buf.data(), used / TPlayingRec::kSize)) {
            Report(EFBIG);
            totals = PlayingTotals{};
            return false;
        }
        std::copy(buf.begin() + std::ptrdiff_t(used), buf.begin() + std::ptrdiff_t(held),
                  buf.begin());
        held -= used;
    }
    return true;
}
