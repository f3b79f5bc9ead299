// The statistics file "Playing.dta" and the players' totals read from it. Any bytes: the
// totals must be those of a plain count over the whole records, names told apart exactly and
// listed in the order of their first record; a record decoded and encoded again keeps every
// byte that means something. The file itself, written to a folder in memory: opening it drops
// a torn tail, a record appended lands after the last whole record, and the totals read from
// the file are those of its bytes.
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "records/cp1250.h"
#include "records/statistics.h"

namespace {

struct Reference {
    std::string nameBytes;
    TStatPlayer totals;
};

// Counted the plain way, one record after another.
std::vector<Reference> Count(std::string_view bytes) {
    std::vector<Reference> names;
    for (size_t at = 0; at + TPlayingRec::kSize <= bytes.size(); at += TPlayingRec::kSize) {
        const auto* rec = reinterpret_cast<const unsigned char*>(bytes.data() + at);
        const std::string name(bytes.data() + at + 1, std::min<size_t>(rec[0], 12));
        size_t i = 0;
        while (i < names.size() && names[i].nameBytes != name) ++i;
        if (i == names.size()) names.push_back({name, {}});
        TStatPlayer& t = names[i].totals;
        const int kind = rec[13], result = rec[20];
        int32_t* rows[3][3] = {{&t.suitGames, &t.suitGamesWon, &t.suitGamesLost},
                               {&t.betls, &t.betlsWon, &t.betlsLost},
                               {&t.durchs, &t.durchsWon, &t.durchsLost}};
        ++t.games;
        t.won += result == 1;
        t.lost += result == 0;
        if (kind < 3) {
            ++*rows[kind][0];
            *rows[kind][1] += result == 1;
            *rows[kind][2] += result == 0;
        }
    }
    return names;
}

std::array<int32_t, 12> Counters(const TStatPlayer& p) {
    return {p.games, p.won,      p.lost,      p.suitGames, p.suitGamesWon, p.suitGamesLost,
            p.betls, p.betlsWon, p.betlsLost, p.durchs,    p.durchsWon,    p.durchsLost};
}

std::string Describe(const TStatPlayer& p) {
    std::string d = p.name;
    for (int32_t v : Counters(p)) d += " " + std::to_string(v);
    return d;
}

// Compared field by field; the texts are made only for a report.
void CheckTotals(const char* what, const std::vector<Reference>& expected,
                 const PlayingTotals& got) {
    if (got.size() != expected.size())
        Mismatch(what, std::to_string(expected.size()) + " names", std::to_string(got.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        TStatPlayer want = expected[i].totals;
        want.name = Cp1250ToUtf8(expected[i].nameBytes);
        const TStatPlayer player = got.Player(i);
        if (Counters(want) != Counters(player) || want.name != player.name ||
            want.name != got.Name(i))
            Mismatch(what, Describe(want), Describe(player) + " / " + got.Name(i));
    }
}

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path p = "/dev/shm";
        if (!std::filesystem::is_directory(p)) p = std::filesystem::temp_directory_path();
        p /= "kvelta-fuzz-statistics-" + std::to_string(::getpid());
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<Reference> expected = Count(bytes);
    CheckTotals("the totals of the bytes", expected, TotalPlayingRecs(bytes));

    for (size_t at = 0; at + TPlayingRec::kSize <= size; at += TPlayingRec::kSize) {
        const auto encoded = TPlayingRec::Decode(data + at).Encode();
        std::string want(bytes.substr(at, TPlayingRec::kSize));
        for (size_t padding : {14, 15, 21, 22, 23}) want[padding] = 0;
        CheckEqual("a record decoded and encoded again", want,
                   std::string_view(reinterpret_cast<const char*>(encoded.data()), encoded.size()));
    }

    const std::filesystem::path file = Folder() / "Playing.dta";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(size));
    }
    std::string errors;
    StatisticsFile stats([&](const std::string& message) { errors += message; });
    Check(stats.Open(file), "the file opens", errors);
    const size_t whole = size - size % TPlayingRec::kSize;
    Check(std::filesystem::file_size(file) == whole, "opening drops the torn tail");
    // The last byte of the input names the appended record's player, kind and result.
    const uint8_t pick = size > 0 ? data[size - 1] : 0;
    const char* names[4] = {"Vojta", "Radek", "Žofie", ""};
    stats.AppendPlayingRec(names[pick % 4], pick / 4 % 4, pick / 16 % 4, uint16_t(size));
    const auto rec =
        TPlayingRec::Make(names[pick % 4], pick / 4 % 4, pick / 16 % 4, uint16_t(size)).Encode();
    const std::string after =
        std::string(bytes.substr(0, whole)) + std::string(rec.begin(), rec.end());
    {
        std::ifstream in(file, std::ios::binary);
        const std::string onDisk{std::istreambuf_iterator<char>(in), {}};
        CheckEqual("the file after the append", after, onDisk);
    }
    PlayingTotals totals;
    Check(stats.ReadTotals(totals), "the file reads", errors);
    CheckTotals("the totals of the file", Count(after), totals);
    Check(errors.empty(), "no error reported", errors);
    return 0;
}
