#include "records/statistics.h"

#include <fcntl.h>
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

std::vector<TStatPlayer> TotalPlayingRecs(std::string_view bytes) {
    std::vector<TStatPlayer> players;
    std::vector<std::string> storedNames;  // the code-page bytes each entry was made from
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (size_t at = 0; at + TPlayingRec::kSize <= bytes.size(); at += TPlayingRec::kSize) {
        const TPlayingRec rec = TPlayingRec::Decode(data + at);
        const std::string_view name = rec.NameBytes();
        bool matched = false;
        for (size_t i = 0; i < players.size(); ++i) {
            if (storedNames[i] == name) {
                players[i].Add(rec.contractKind, rec.result);
                matched = true;
            }
        }
        if (!matched) {
            storedNames.emplace_back(name);
            players.push_back(TStatPlayer{Cp1250ToUtf8(name)});
            players.back().Add(rec.contractKind, rec.result);
        }
    }
    return players;
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

bool StatisticsFile::ReadTotals(std::vector<TStatPlayer>& players) {
    players.clear();
    if (fd_ < 0) return false;
    // pread leaves the file position where it is: at the end.
    std::string bytes;
    char buf[TPlayingRec::kSize * 1024];
    off_t at = 0;
    for (;;) {
        const ssize_t n = ::pread(fd_, buf, sizeof buf, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            Report(errno);
            return false;
        }
        if (n == 0) break;
        bytes.append(buf, size_t(n));
        at += n;
    }
    players = TotalPlayingRecs(bytes);
    return true;
}
