// A process killed at any moment of a save or an append: a child writes, the parent kills it
// with SIGKILL after a random wait, then looks at what is on the disk. Hundreds of rounds, each
// a few milliseconds.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include "deal/card.h"
#include "game/playing_records.h"
#include "records/file_helpers.h"
#include "records/ini_file.h"
#include "records/statistics.h"

namespace {

using Clock = std::chrono::steady_clock;

// Runs `work` in a child process and kills it `delay` later (it may have finished by then).
template <typename Work>
void KillDuring(Work work, std::chrono::microseconds delay) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        work();
        _exit(0);
    }
    std::this_thread::sleep_for(delay);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
}

// A settings file big enough that writing it takes a while, marked by `version` everywhere.
IniFile SettingsVersion(int version) {
    IniFile ini;
    for (int key = 0; key < 1000; ++key)
        ini.WriteInteger("USER", "KEY_" + std::to_string(key), version * 100000 + key);
    return ini;
}

std::string RecordBytes(int deal) {
    const auto bytes = TPlayingRec::Make("Eva", Barva, ResultWon, uint16_t(deal)).Encode();
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

TEST(CrashSafety, AKilledSettingsSaveLeavesTheOldOrTheNewFileWhole) {
    TempFolder dir;
    const auto file = dir / "Kvelta.ini";
    const IniFile version[2] = {SettingsVersion(1), SettingsVersion(2)};
    const std::string text[2] = {version[0].Text(), version[1].Text()};
    std::string error;
    ASSERT_TRUE(version[0].Save(file, error)) << error;

    // How long a child takes here to start, save and end (far longer under the sanitizers):
    // the kills are spread over that and a little beyond.
    const auto start = Clock::now();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::string ignored;
        _exit(version[0].Save(file, ignored) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto saveTime =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    std::mt19937 random(14);
    std::uniform_int_distribution<long> delay(0, saveTime.count() * 5 / 4 + 200);

    int sawOld = 0, sawNew = 0;
    for (int round = 0; round < 200; ++round) {
        const int next = (round + 1) % 2;
        const IniFile& ini = version[next];
        KillDuring(
            [&] {
                std::string ignored;
                ini.Save(file, ignored);
            },
            std::chrono::microseconds(delay(random)));
        const std::string now = ReadBytes(file);
        if (now == text[next]) {
            ++sawNew;
        } else {
            ASSERT_EQ(now, text[1 - next]) << "round " << round << ": a torn settings file";
            ++sawOld;
            // The next round saves the other version again: keep the two apart.
            ASSERT_TRUE(ini.Save(file, error)) << error;
        }
    }
    // Both outcomes happened, or the kills never met a save.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
}

TEST(CrashSafety, AKilledStatisticsAppendLeavesWholeRecordsAndTheNextLandsAfterThem) {
    TempFolder dir;
    const auto file = dir / "Playing.dta";
    std::mt19937 random(15);
    std::uniform_int_distribution<long> delay(0, 3000);
    std::uniform_int_distribution<int> torn(0, int(TPlayingRec::kSize) - 1);

    int deal = 0;           // records are numbered 1, 2, ... in the file, whatever the rounds do
    int killedWriters = 0;  // rounds whose child had appended before the kill met it
    for (int round = 0; round < 200; ++round) {
        KillDuring(
            [&] {
                StatisticsFile stats;
                if (!stats.Open(file)) return;
                for (int d = deal + 1;; ++d)
                    stats.AppendPlayingRec("Eva", Barva, ResultWon, uint16_t(d));
            },
            std::chrono::microseconds(delay(random)));

        std::string bytes = ReadBytes(file);
        ASSERT_EQ(bytes.size() % TPlayingRec::kSize, 0u) << "round " << round;
        const int records = int(bytes.size() / TPlayingRec::kSize);
        for (int r = deal; r < records; ++r)
            ASSERT_EQ(bytes.substr(size_t(r) * TPlayingRec::kSize, TPlayingRec::kSize),
                      RecordBytes(r + 1))
                << "round " << round << ", record " << r;
        if (records > deal) ++killedWriters;
        deal = records;

        // A write cut off by a crash of the machine: the next append goes after the last
        // whole record, never after the piece.
        const int piece = torn(random);
        if (piece == 0) continue;
        WriteBytes(file, bytes + RecordBytes(deal + 1).substr(0, size_t(piece)));
        StatisticsFile stats;
        ASSERT_TRUE(stats.Open(file));
        stats.AppendPlayingRec("Eva", Barva, ResultWon, uint16_t(deal + 1));
        ASSERT_EQ(ReadBytes(file), bytes + RecordBytes(deal + 1)) << "round " << round;
        ++deal;
    }
    // On a busy machine many children die before their first append; some must not.
    EXPECT_GT(killedWriters, 0);
}
