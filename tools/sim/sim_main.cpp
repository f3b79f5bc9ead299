// kvelta-sim: three computer players play deals headless through the same controller, idle
// driver, trick timer, announcement phase and settlement as the window, while every rule is
// checked as it goes.
//
//   kvelta-sim [--rules FILE] [--deals N] [--seed S] [--pack C1,...,C32] [--full|--split]
//              [--packs FILE] [--stats FILE] [--events]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "base/text_format.h"
#include "deal/random.h"
#include "game/thra.h"
#include "records/game_settings.h"
#include "records/ini_file.h"
#include "records/statistics.h"
#include "robot/trobot.h"
#include "sim_watch.h"

namespace {

struct PresetPack {
    std::array<Card, 33> pack{};
    bool full = false;
};

struct Options {
    std::string rulesFile;
    long long deals = 1;
    bool dealsGiven = false;
    std::optional<uint64_t> seed;
    std::optional<PresetPack> firstPack;
    bool firstFull = false;
    std::string packsFile;
    std::string statsFile;
    bool events = false;
};

[[noreturn]] void Usage(const std::string& problem) {
    std::fprintf(stderr,
                 "kvelta-sim: %s\n"
                 "usage: kvelta-sim [--rules FILE] [--deals N] [--seed S] "
                 "[--pack C1,...,C32] [--full|--split] [--packs FILE] [--stats FILE] "
                 "[--events]\n",
                 problem.c_str());
    std::exit(2);
}

bool ParsePack(const std::string& text, std::array<Card, 33>& pack) {
    std::stringstream in(text);
    std::string code;
    int pos = 0;
    while (std::getline(in, code, ',')) {
        if (++pos > 32 || !ParseCardCode(code, pack[pos])) return false;
    }
    return pos == 32;
}

bool ParseNumber(const std::string& text, long long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return *end == '\0';
}

Options ParseOptions(int argc, char** argv) {
    Options o;
    bool splitGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) Usage(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--rules") {
            o.rulesFile = value();
        } else if (arg == "--deals") {
            if (!ParseNumber(value(), o.deals) || o.deals < 0) Usage("--deals takes a count");
            o.dealsGiven = true;
        } else if (arg == "--seed") {
            long long s;
            if (!ParseNumber(value(), s)) Usage("--seed takes a number");
            o.seed = uint64_t(s);
        } else if (arg == "--pack") {
            PresetPack p;
            if (!ParsePack(value(), p.pack))
                Usage("--pack takes 32 card codes S_R separated by commas");
            o.firstPack = p;
        } else if (arg == "--full") {
            o.firstFull = true;
        } else if (arg == "--split") {
            splitGiven = true;
            o.firstFull = false;
        } else if (arg == "--packs") {
            o.packsFile = value();
        } else if (arg == "--stats") {
            o.statsFile = value();
        } else if (arg == "--events") {
            o.events = true;
        } else {
            Usage("unknown argument " + arg);
        }
    }
    if (o.firstFull && splitGiven) Usage("--full and --split exclude each other");
    if (o.firstPack) o.firstPack->full = o.firstFull;
    if (!o.packsFile.empty() && o.firstPack) Usage("--pack and --packs exclude each other");
    return o;
}

std::vector<PresetPack> ReadPacks(const std::string& file) {
    std::ifstream in(file);
    if (!in) Usage("cannot read " + file);
    std::vector<PresetPack> packs;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto blank = line.find(' ');
        PresetPack p;
        const std::string pattern = line.substr(0, blank);
        if (blank == std::string::npos || (pattern != "full" && pattern != "split") ||
            !ParsePack(line.substr(blank + 1), p.pack))
            Usage(file + ":" + std::to_string(number) + ": expected 'full|split C1,...,C32'");
        p.full = pattern == "full";
        packs.push_back(p);
    }
    return packs;
}

// The rules, names, money, forehand and deal counter from a settings-style file (USER and
// GAME), with the settings file's defaults. The file is only read.
void LoadRules(const std::string& file, GameSettings& settings, THra& game) {
    IniFile ini;
    if (!file.empty()) {
        std::string error;
        if (!std::ifstream(file)) Usage("cannot read " + file);
        if (!ini.Load(file, error)) Usage("cannot read " + file + ": " + error);
    }
    ReadPlayersAndRules(ini, settings, game, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    const Options opt = ParseOptions(argc, argv);
    SetDecimalSeparator('.');

    std::vector<PresetPack> packs;
    if (!opt.packsFile.empty()) packs = ReadPacks(opt.packsFile);
    long long deals = opt.deals;
    if (!packs.empty() || !opt.packsFile.empty()) deals = (long long)packs.size();

    const uint64_t seed =
        opt.seed ? *opt.seed
                 : uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
    SeededRandom random(seed);
    GameSettings settings;
    SimWatch watch(opt.events, stdout);
    StatisticsFile stats([](const std::string& message) {
        std::fprintf(stderr, "kvelta-sim: statistics: %s\n", message.c_str());
    });
    if (!opt.statsFile.empty() && !stats.Open(opt.statsFile)) return 2;
    NoPlayingRecords noRecords;

    GamePorts ports;
    ports.view = &watch;
    ports.result = &watch;
    ports.observer = &watch;
    ports.rules = &settings;
    ports.random = &random;
    ports.records = opt.statsFile.empty() ? static_cast<IPlayingRecords*>(&noRecords) : &stats;
    THra game(ports, [](THra& g, int no) { return std::make_unique<TRobot>(g, no); });
    LoadRules(opt.rulesFile, settings, game);
    watch.Attach(game);

    long long played = 0, kinds[3] = {0, 0, 0};
    const auto start = std::chrono::steady_clock::now();
    for (long long d = 0; d < deals && !watch.failed(); ++d) {
        if (!packs.empty()) {
            game.PresetNextDeal(packs[size_t(d)].pack, packs[size_t(d)].full);
        } else if (d == 0 && opt.firstPack) {
            game.PresetNextDeal(opt.firstPack->pack, opt.firstPack->full);
        }
        game.NewGame();
        bool done;
        int steps = 0;
        while (!(game.state == Waiting && game.tricksPlayed == 10)) {
            if (game.state != Playing && game.state != TrickComplete) {
                watch.Fail("the deal is stuck in state " + std::to_string(int(game.state)));
                break;
            }
            if (++steps > 200) {
                watch.Fail("the deal does not end");
                break;
            }
            game.IdleStep(done);
            if (game.state == TrickComplete) game.TrickTimerFired();
        }
        if (watch.failed()) break;
        watch.DealEnded();
        ++played;
        ++kinds[game.contractKind];
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fflush(stdout);

    if (watch.failed()) {
        std::fprintf(stderr, "kvelta-sim: FAILED: %s\npack: %s\n", watch.failure().c_str(),
                     watch.failedPack().c_str());
        return 1;
    }
    if (!opt.events) {
        std::printf("deals: %lld (seed %llu)\n", played, (unsigned long long)seed);
        std::printf("contracts: Barva %lld (%lld ended undoubled), Betl %lld, Durch %lld\n",
                    kinds[0], watch.unplayedGames(), kinds[1], kinds[2]);
        for (int n = 1; n <= 3; ++n)
            std::printf("money %d %-10s %.2f\n", n, game.Seat(n)->name.c_str(),
                        game.Seat(n)->money);
        std::printf("wall time: %.3f s, %.0f deals per second\n", seconds,
                    seconds > 0 ? played / seconds : 0.0);
        std::printf("all checks passed\n");
    }
    return 0;
}
