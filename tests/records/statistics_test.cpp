#include "records/statistics.h"

#include <gtest/gtest.h>

#include "deal/card.h"
#include "records/cp1250.h"
#include "records/file_helpers.h"
#include "support/fakes.h"

namespace {

std::string RecordBytes(std::string_view name, uint8_t kind, uint8_t result, uint16_t deal) {
    const auto b = TPlayingRec::Make(name, kind, result, deal).Encode();
    return std::string(b.begin(), b.end());
}

std::vector<TStatPlayer> All(const PlayingTotals& totals) {
    std::vector<TStatPlayer> players;
    for (size_t i = 0; i < totals.size(); ++i) players.push_back(totals.Player(i));
    return players;
}

const TStatPlayer* Find(const std::vector<TStatPlayer>& players, std::string_view name) {
    for (const TStatPlayer& p : players)
        if (p.name == name) return &p;
    return nullptr;
}

class Statistics : public ::testing::Test {
protected:
    TempFolder dir;
    std::filesystem::path file = dir / "Playing.dta";
    std::vector<std::string> errors;
    StatisticsFile stats{[this](const std::string& m) { errors.push_back(m); }};
    PlayingTotals totals;
    std::vector<TStatPlayer> Read() {
        return stats.ReadTotals(totals) ? All(totals) : std::vector<TStatPlayer>{};
    }
};

}  // namespace

TEST(PlayingRec, HasTheFileLayout) {
    const auto b = TPlayingRec::Make("Vojta", Betl, ResultWon, 0x0201).Encode();
    const unsigned char expected[24] = {5,   'V', 'o', 'j', 't', 'a', ' ', ' ', ' ', ' ', ' ', ' ',
                                        ' ', 1,   0,   0,   1,   2,   0,   0,   1,   0,   0,   0};
    EXPECT_EQ(std::vector<unsigned char>(b.begin(), b.end()),
              std::vector<unsigned char>(std::begin(expected), std::end(expected)));

    const TPlayingRec back = TPlayingRec::Decode(b.data());
    EXPECT_EQ(back.NameBytes(), "Vojta");
    EXPECT_EQ(back.contractKind, Betl);
    EXPECT_EQ(back.result, ResultWon);
    EXPECT_EQ(back.dealNumber, 0x0201u);
    EXPECT_EQ(TPlayingRec::Make("", Barva, 0, 65535).Encode()[0], 0);
    EXPECT_EQ(TPlayingRec::Make("", Barva, 0, 65535).Encode()[17], 0xFF);
}

TEST(PlayingRec, StoresNamesInTheWindowsCodePage) {
    const auto b = TPlayingRec::Make("Řehoř Žák", Barva, ResultLost, 1).Encode();
    EXPECT_EQ(b[0], 9);
    const unsigned char name[12] = {0xD8, 'e', 'h', 'o', 0xF8, ' ', 0x8E, 0xE1, 'k', ' ', ' ', ' '};
    EXPECT_TRUE(std::equal(std::begin(name), std::end(name), b.begin() + 1));
    EXPECT_EQ(Utf8ToCp1250("ž"), "\x9E");
    EXPECT_EQ(Cp1250ToUtf8("\xD8\x65h\x6F\xF8 \x8E\xE1k"), "Řehoř Žák");

    // Every character of the code page comes back as it went in.
    for (int c = 0x20; c <= 0xFF; ++c) {
        const std::string byte(1, char(c));
        const std::string utf8 = Cp1250ToUtf8(byte);
        if (utf8 == "?" && c != '?') continue;  // undefined in the code page
        EXPECT_EQ(Utf8ToCp1250(utf8), byte) << c;
    }
}

TEST(PlayingRec, ANameOutsideTheCodePageKeepsTheRecordWhole) {
    // ø, a Chinese letter and an emoji are not in the code page; a broken sequence is no
    // character at all. Each becomes one '?', and the record keeps its 12 name bytes.
    const TPlayingRec rec = TPlayingRec::Make("Jørn 李🂡\xC5x", Durch, ResultNeither, 3);
    EXPECT_EQ(rec.NameBytes(), "J?rn ???x");
    const auto b = rec.Encode();
    EXPECT_EQ(b[13], Durch);
    EXPECT_EQ(b[20], ResultNeither);

    // Longer than twelve characters: cut at twelve characters, not twelve bytes.
    EXPECT_EQ(TPlayingRec::Make("Žofie Šťastná-Nová", Barva, 0, 0).NameBytes(),
              Utf8ToCp1250("Žofie Šťastn"));
}

TEST(PlayingTotals, CountKindsAndResultsPerNameInFirstSeenOrder) {
    std::string bytes;
    // A betl lost by the declarer.
    bytes += RecordBytes("Eva", Betl, ResultLost, 1);
    bytes += RecordBytes("Radek", Betl, ResultWon, 1);
    bytes += RecordBytes("Pavel", Betl, ResultWon, 1);
    // A suit game that cost nobody anything.
    bytes += RecordBytes("Radek", Barva, ResultNeither, 2);
    bytes += RecordBytes("Pavel", Barva, ResultNeither, 2);
    bytes += RecordBytes("Eva", Barva, ResultNeither, 2);
    // A durch won; "eva" is somebody else.
    bytes += RecordBytes("eva", Durch, ResultWon, 3);
    bytes += RecordBytes("Eva", Durch, ResultLost, 3);
    bytes += RecordBytes("Radek", Durch, ResultLost, 3);
    // A kind the reader does not know counts only in the first row.
    bytes += RecordBytes("Eva", 9, ResultWon, 4);

    const auto players = All(TotalPlayingRecs(bytes));
    ASSERT_EQ(players.size(), 4u);
    EXPECT_EQ(players[0].name, "Eva");
    EXPECT_EQ(players[1].name, "Radek");
    EXPECT_EQ(players[2].name, "Pavel");
    EXPECT_EQ(players[3].name, "eva");

    const TStatPlayer& eva = players[0];
    EXPECT_EQ(eva.games, 4);
    EXPECT_EQ(eva.won, 1);
    EXPECT_EQ(eva.lost, 2);
    EXPECT_EQ(eva.betls, 1);
    EXPECT_EQ(eva.betlsLost, 1);
    EXPECT_EQ(eva.betlsWon, 0);
    EXPECT_EQ(eva.suitGames, 1);
    EXPECT_EQ(eva.suitGamesWon + eva.suitGamesLost, 0);
    EXPECT_EQ(eva.durchs, 1);
    EXPECT_EQ(eva.durchsLost, 1);

    const TStatPlayer& radek = players[1];
    EXPECT_EQ(radek.games, 3);
    EXPECT_EQ(radek.won, 1);
    EXPECT_EQ(radek.lost, 1);
    EXPECT_EQ(radek.betlsWon, 1);
    EXPECT_EQ(radek.suitGames, 1);
    EXPECT_EQ(radek.durchsLost, 1);

    EXPECT_EQ(players[3].durchsWon, 1);
    EXPECT_EQ(players[3].games, 1);
}

TEST(PlayingTotals, IgnoreATrailingPieceAndNonsenseLengths) {
    std::string bytes = RecordBytes("Eva", Barva, ResultWon, 1);
    bytes += RecordBytes("Eva", Barva, ResultLost, 2);
    bytes += std::string(10, 'x');
    auto players = All(TotalPlayingRecs(bytes));
    ASSERT_EQ(players.size(), 1u);
    EXPECT_EQ(players[0].games, 2);

    EXPECT_TRUE(TotalPlayingRecs("").empty());

    std::string corrupt = RecordBytes("Eva", Barva, ResultWon, 1);
    corrupt[0] = char(200);
    players = All(TotalPlayingRecs(corrupt));
    ASSERT_EQ(players.size(), 1u);
    EXPECT_EQ(players[0].name, "Eva         ");
}

TEST_F(Statistics, AMissingFileIsCreatedEmpty) {
    ASSERT_TRUE(stats.Open(file));
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    totals = TotalPlayingRecs(RecordBytes("stale", Barva, ResultWon, 1));
    ASSERT_TRUE(stats.ReadTotals(totals));
    EXPECT_TRUE(totals.empty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(Statistics, RecordsReachTheFileAsTheyAreWrittenAndAfterTheOldOnes) {
    const std::string old = RecordBytes("Eva", Barva, ResultWon, 7);
    WriteBytes(file, old);
    ASSERT_TRUE(stats.Open(file));
    stats.AppendPlayingRec("Řehoř", Betl, ResultLost, 8);
    // Visible to another reader while the file is still open here.
    EXPECT_EQ(ReadBytes(file), old + RecordBytes("Řehoř", Betl, ResultLost, 8));

    auto players = Read();
    ASSERT_EQ(players.size(), 2u);
    EXPECT_EQ(players[1].name, "Řehoř");

    // Reading went back to the start; the next records still go to the end.
    stats.AppendPlayingRec("Žofie", Durch, ResultWon, 9);
    EXPECT_EQ(ReadBytes(file), old + RecordBytes("Řehoř", Betl, ResultLost, 8) +
                                   RecordBytes("Žofie", Durch, ResultWon, 9));
    players = Read();
    ASSERT_EQ(players.size(), 3u);
    EXPECT_EQ(players[2].name, "Žofie");
    EXPECT_TRUE(errors.empty());
}

TEST_F(Statistics, ATenByteTailIsNeitherCountedNorWrittenAfter) {
    const std::string records =
        RecordBytes("Eva", Barva, ResultWon, 1) + RecordBytes("Eva", Barva, ResultLost, 2);
    WriteBytes(file, records + std::string(10, '\x07'));
    ASSERT_TRUE(stats.Open(file));
    auto players = Read();
    ASSERT_EQ(players.size(), 1u);
    EXPECT_EQ(players[0].games, 2);

    stats.AppendPlayingRec("Eva", Betl, ResultWon, 3);
    EXPECT_EQ(ReadBytes(file), records + RecordBytes("Eva", Betl, ResultWon, 3));
    players = Read();
    EXPECT_EQ(players[0].games, 3);
    EXPECT_EQ(players[0].betlsWon, 1);
}

TEST_F(Statistics, AFileThatCannotBeOpenedIsReportedAndNothingIsRecorded) {
    std::filesystem::create_directory(file);
    EXPECT_FALSE(stats.Open(file));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Playing.dta"), std::string::npos);
    EXPECT_FALSE(stats.IsOpen());
    stats.AppendPlayingRec("Eva", Barva, ResultWon, 1);
    EXPECT_FALSE(stats.ReadTotals(totals));
    EXPECT_EQ(errors.size(), 1u);

    StatisticsFile nowhere([this](const std::string& m) { errors.push_back(m); });
    EXPECT_FALSE(nowhere.Open(dir / "no such folder" / "Playing.dta"));
    EXPECT_EQ(errors.size(), 2u);
}

TEST_F(Statistics, AFailedWriteLeavesNoPieceOfARecord) {
    ASSERT_TRUE(stats.Open(file));
    stats.AppendPlayingRec("Eva", Barva, ResultWon, 1);
    const std::string before = ReadBytes(file);

    {
        FileSizeLimit limit(30);  // room for six more bytes only
        stats.AppendPlayingRec("Radek", Barva, ResultLost, 1);
    }

    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(ReadBytes(file), before);
    stats.AppendPlayingRec("Pavel", Barva, ResultLost, 1);
    EXPECT_EQ(ReadBytes(file), before + RecordBytes("Pavel", Barva, ResultLost, 1));
}

TEST_F(Statistics, TheGameWritesThreeRecordsPerSettlementDeclarerFirst) {
    ASSERT_TRUE(stats.Open(file));
    TestTable table;
    THra& game = *table.game;
    game.SetPorts(
        GamePorts{&table.view, &table.sound, &table.result, &stats, &table.rules, &table.random});
    game.Seat(1)->name = "Eva";
    game.Seat(2)->name = "Radek";
    game.Seat(3)->name = "Pavel";
    game.gamesPlayed = 41;

    game.contractKind = Betl;
    game.Transfer(game.Seat(2), -0.5, true);  // a betl lost by seat 2
    game.contractKind = Barva;
    game.Transfer(game.Seat(3), 0, true);  // settled at nothing
    game.Seat(1)->name = "Evička";         // the human changes the name
    game.Transfer(game.Seat(1), 2, true);

    const std::string bytes = ReadBytes(file);
    ASSERT_EQ(bytes.size(), 9 * TPlayingRec::kSize);
    const auto at = [&](int i) {
        return TPlayingRec::Decode(reinterpret_cast<const unsigned char*>(bytes.data()) +
                                   i * TPlayingRec::kSize);
    };
    EXPECT_EQ(at(0).NameBytes(), "Radek");
    EXPECT_EQ(at(1).NameBytes(), "Pavel");
    EXPECT_EQ(at(2).NameBytes(), "Eva");
    EXPECT_EQ(at(3).NameBytes(), "Pavel");
    EXPECT_EQ(at(0).dealNumber, 41u);

    auto players = Read();
    ASSERT_EQ(players.size(), 4u);
    const TStatPlayer& radek = *Find(players, "Radek");
    EXPECT_EQ(radek.betlsLost, 1);
    EXPECT_EQ(radek.suitGames, 2);  // one settled at nothing, one lost as a defender
    EXPECT_EQ(radek.suitGamesWon, 0);
    EXPECT_EQ(radek.suitGamesLost, 1);
    EXPECT_EQ(Find(players, "Pavel")->betlsWon, 1);
    EXPECT_EQ(Find(players, "Eva")->betlsWon, 1);
    EXPECT_EQ(Find(players, "Eva")->games, 2);
    EXPECT_EQ(Find(players, "Evička")->suitGamesWon, 1);
    EXPECT_EQ(players[3].name, "Evička");
}

TEST_F(Statistics, ManyDifferentNamesAreTotalledInLinearTime) {
    // 400,000 records: each name once as a winner, then in the opposite order as a loser.
    // Comparing every record with every name, as the totals once did, takes minutes here.
    const int kNames = 200000;
    const auto name = [](int i) { return "Hráč " + std::to_string(i); };
    std::string bytes;
    for (int i = 0; i < kNames; ++i) bytes += RecordBytes(name(i), Barva, ResultWon, 1);
    for (int i = kNames - 1; i >= 0; --i) bytes += RecordBytes(name(i), Betl, ResultLost, 2);
    WriteBytes(file, bytes);
    ASSERT_TRUE(stats.Open(file));
    ASSERT_TRUE(stats.ReadTotals(totals));
    ASSERT_EQ(totals.size(), size_t(kNames));
    for (int i = 0; i < kNames; i += 997) {
        const TStatPlayer p = totals.Player(size_t(i));
        EXPECT_EQ(p.name, name(i));  // in the order of the first records
        EXPECT_EQ(p.games, 2);
        EXPECT_EQ(p.suitGamesWon + p.betlsLost, 2);
    }
    // Names seen once keep their one record.
    const auto firstHalf = TotalPlayingRecs(std::string_view(bytes).substr(0, bytes.size() / 2));
    EXPECT_EQ(firstHalf.Player(kNames - 1).suitGamesWon, 1);
}
