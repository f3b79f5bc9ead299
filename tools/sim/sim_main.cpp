// kvelta-sim: three computer players play deals headless through the same controller, idle
// driver, trick timer, announcement phase and settlement as the window, while every rule is
// checked as it goes.
//
//   kvelta-sim [--rules FILE] [--deals N] [--seed S] [--pack C1,...,C32] [--full|--split]
//              [--packs FILE] [--stats FILE] [--events] [--human random|replay FILE]
//              [--strong SEATS] [--help]
//
// With --human, seat 1 is the human's own seat, clicked through by a script (sim_human.h).
// With --strong, the seats named (e.g. 2 or 23) are the stronger player TStrongRobot; the
// summary then tells each seat's money per deal with its 95% interval and the stronger
// seats' decision times.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_format.h"
#include "deal/random.h"
#include "game/thra.h"
#include "records/game_settings.h"
#include "records/statistics.h"
#include "robot/trobot.h"
#include "robot/tstrongrobot.h"
#include "sim_args.h"
#include "sim_human.h"
#include "sim_watch.h"

namespace {

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
    std::string human;             // "", "random" or "replay"
    std::string replayFile;        // the --events output a replay takes the human's decisions from
    std::array<bool, 4> strong{};  // by seat number: the stronger player sits there
};

// Enough for any deliberate run; a count beyond it is a typing error, not hours of waiting.
constexpr uint64_t kMaxDeals = 1'000'000'000;

void PrintUsage(std::FILE* out) {
    std::fprintf(out,
                 "usage: kvelta-sim [--rules FILE] [--deals N] [--seed S] "
                 "[--pack C1,...,C32] [--full|--split] [--packs FILE] [--stats FILE] "
                 "[--events] [--human random|replay FILE] [--strong SEATS]\n"
                 "  N from 0 to %llu, S from 0 to 18446744073709551615\n",
                 (unsigned long long)kMaxDeals);
}

[[noreturn]] void Usage(const std::string& problem) {
    std::fprintf(stderr, "kvelta-sim: %s\n", problem.c_str());
    PrintUsage(stderr);
    std::exit(2);
}

// A file named by an option must be a plain file (or missing, when `mayBeMissing`): reading a
// folder gives nothing, and a FIFO or a device may never end.
void CheckPlainFile(const std::string& option, const std::string& file, bool mayBeMissing) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        if (errno == ENOENT && mayBeMissing) return;
        Usage(option + " " + file + ": " + std::strerror(errno));
    }
    if (S_ISREG(st.st_mode)) return;
    const char* kind = S_ISDIR(st.st_mode)                          ? "a folder"
                       : S_ISFIFO(st.st_mode)                       ? "a FIFO"
                       : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ? "a device"
                                                                    : "no plain file";
    Usage(option + " " + file + ": " + kind + ", not a file");
}

Options ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) Usage(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            PrintUsage(stdout);
            std::exit(0);
        } else if (arg == "--rules") {
            o.rulesFile = value();
        } else if (arg == "--deals") {
            uint64_t n;
            if (!ParseNumber(value(), n) || n > kMaxDeals)
                Usage("--deals takes a count from 0 to " + std::to_string(kMaxDeals));
            o.deals = (long long)n;
            o.dealsGiven = true;
        } else if (arg == "--seed") {
            uint64_t s;
            if (!ParseNumber(value(), s))
                Usage("--seed takes a number from 0 to 18446744073709551615");
            o.seed = s;
        } else if (arg == "--pack") {
            PresetPack p;
            const std::string problem = ParsePack(value(), p.pack);
            if (!problem.empty())
                Usage("--pack takes 32 different card codes S_R separated by commas: " + problem);
            o.firstPack = p;
        } else if (arg == "--full" || arg == "--split") {
            o.firstFull = arg == "--full";  // the last one given counts
        } else if (arg == "--packs") {
            o.packsFile = value();
        } else if (arg == "--stats") {
            o.statsFile = value();
        } else if (arg == "--events") {
            o.events = true;
        } else if (arg == "--human") {
            o.human = value();
            if (o.human == "replay") {
                o.replayFile = value();
            } else if (o.human != "random") {
                Usage("--human takes random, or replay and a file");
            }
        } else if (arg == "--strong") {
            const std::string seats = value();
            if (seats.empty()) Usage("--strong takes seat numbers 1 to 3, e.g. 2 or 23");
            for (char c : seats) {
                if (c < '1' || c > '3')
                    Usage("--strong takes seat numbers 1 to 3, e.g. 2 or 23, not '" + seats + "'");
                if (o.strong[size_t(c - '0')])
                    Usage("--strong names seat " + std::string(1, c) + " twice");
                o.strong[size_t(c - '0')] = true;
            }
        } else {
            Usage("unknown argument " + arg);
        }
    }
    if (o.firstPack) o.firstPack->full = o.firstFull;
    if (!o.packsFile.empty() && o.firstPack) Usage("--pack and --packs exclude each other");
    if (o.strong[1] && !o.human.empty()) Usage("--strong 1 and --human both want seat 1");
    if (!o.rulesFile.empty()) CheckPlainFile("--rules", o.rulesFile, false);
    if (!o.packsFile.empty()) CheckPlainFile("--packs", o.packsFile, false);
    if (!o.statsFile.empty()) CheckPlainFile("--stats", o.statsFile, true);
    if (!o.replayFile.empty()) CheckPlainFile("--human replay", o.replayFile, false);
    return o;
}

std::vector<PresetPack> ReadPacksFile(const std::string& file) {
    std::ifstream in(file);
    if (!in) Usage("cannot read " + file);
    std::vector<PresetPack> packs;
    std::string error;
    if (!ReadPacks(in, file, packs, error)) Usage(error);
    return packs;
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// How long the stronger players took to choose their cards: on the clock, and in processor
// time (what the choice costs when the machine is shared).
struct DecisionTimes {
    std::vector<double> wall, cpu;
};

class TimedStrongRobot : public TStrongRobot {
public:
    TimedStrongRobot(THra& game, int seatNo, DecisionTimes& times)
        : TStrongRobot(game, seatNo), times_(times) {}
    void PlayCard() override {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuMs();
        TStrongRobot::PlayCard();
        times_.cpu.push_back(ThreadCpuMs() - cpuStart);
        times_.wall.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }

private:
    DecisionTimes& times_;
};

// Money per deal of one seat: the sum and the sum of squares of its gains.
struct MoneyTally {
    double sum = 0, squares = 0;
    void Add(double gain) {
        sum += gain;
        squares += gain * gain;
    }
};

void PrintMoneyPerDeal(const THra& game, const std::array<MoneyTally, 4>& tally, long long n,
                       const Options& opt) {
    for (int no = 1; no <= 3; ++no) {
        const MoneyTally& t = tally[size_t(no)];
        const double mean = n > 0 ? t.sum / double(n) : 0;
        const double variance =
            n > 1 ? std::max(0.0, (t.squares - double(n) * mean * mean) / double(n - 1)) : 0;
        const double half = n > 0 ? 1.96 * std::sqrt(variance / double(n)) : 0;
        std::printf("per deal %d %-10s %s %+.4f +- %.4f (95%%: %+.4f .. %+.4f)\n", no,
                    game.Seat(no)->name.c_str(), opt.strong[size_t(no)] ? "strong " : "classic",
                    mean, half, mean - half, mean + half);
    }
}

void PrintDecisionTimes(const char* label, std::vector<double> times) {
    if (times.empty()) return;
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times) sum += t;
    std::printf(
        "strong decisions (%s): %zu, median %.3f ms, mean %.3f ms, 99%% %.3f ms, "
        "worst %.3f ms\n",
        label, times.size(), times[times.size() / 2], sum / double(times.size()),
        times[std::min(times.size() - 1, times.size() * 99 / 100)], times.back());
}

}  // namespace

int main(int argc, char** argv) {
    const Options opt = ParseOptions(argc, argv);
    SetDecimalSeparator('.');

    std::vector<PresetPack> packs;
    if (!opt.packsFile.empty()) packs = ReadPacksFile(opt.packsFile);
    long long deals = opt.deals;
    if (!packs.empty() || !opt.packsFile.empty()) deals = (long long)packs.size();

    const uint64_t seed =
        opt.seed ? *opt.seed
                 : uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
    SeededRandom random(seed);
    GameSettings settings;
    SimTable watch(opt.events, stdout);
    std::unique_ptr<SimHuman> human;
    if (opt.human == "random") {
        human = std::make_unique<SimHuman>(watch, HumanStreamSeed(seed));
    } else if (opt.human == "replay") {
        std::vector<HumanDecision> decisions;
        std::string error;
        if (!ReadHumanDecisions(opt.replayFile, decisions, error)) Usage("--human replay " + error);
        human = std::make_unique<SimHuman>(watch, std::move(decisions));
    }
    StatisticsFile stats([](const std::string& message) {
        std::fprintf(stderr, "kvelta-sim: statistics: %s\n", message.c_str());
    });
    if (!opt.statsFile.empty() && !stats.Open(opt.statsFile)) return 2;
    NoPlayingRecords noRecords;
    DecisionTimes decisionTimes;

    GamePorts ports;
    ports.view = &watch;
    ports.result = &watch;
    ports.observer = &watch;
    ports.sound = &watch;
    ports.rules = &settings;
    ports.random = &random;
    ports.records = opt.statsFile.empty() ? static_cast<IPlayingRecords*>(&noRecords) : &stats;
    THra game(ports, [&](THra& g, int no) -> std::unique_ptr<THrac> {
        if (no == 1 && human)
            return std::make_unique<TPlayer>(g, no, HumanPorts{&watch.controls(), human.get()});
        if (opt.strong[size_t(no)]) return std::make_unique<TimedStrongRobot>(g, no, decisionTimes);
        return std::make_unique<TRobot>(g, no);
    });
    if (std::string error; !LoadRules(opt.rulesFile, settings, game, error))
        Usage("--rules " + error);
    watch.Attach(game);
    if (human) human->Attach(game, static_cast<TPlayer&>(*game.Seat(1)));

    long long played = 0, kinds[3] = {0, 0, 0};
    std::array<MoneyTally, 4> tally{};
    const auto start = std::chrono::steady_clock::now();
    for (long long d = 0; d < deals && !watch.failed(); ++d) {
        if (!packs.empty()) {
            game.PresetNextDeal(packs[size_t(d)].pack, packs[size_t(d)].full);
        } else if (d == 0 && opt.firstPack) {
            game.PresetNextDeal(opt.firstPack->pack, opt.firstPack->full);
        }
        const double before[3] = {game.Seat(1)->money, game.Seat(2)->money, game.Seat(3)->money};
        game.NewGame();
        bool done;
        int steps = 0;
        while (!(game.state == Waiting && game.tricksPlayed == 10) && !watch.failed()) {
            // The human's turn: his clicks (and dialogs) move the deal on, or it is stuck.
            if (human && game.state == Waiting) {
                if (!human->Act()) break;
                if (++steps > 200) {
                    watch.Fail("the deal does not end");
                    break;
                }
                continue;
            }
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
        if (human) human->DealEnded();
        ++played;
        ++kinds[game.contractKind];
        for (int no = 1; no <= 3; ++no)
            tally[size_t(no)].Add(game.Seat(no)->money - before[no - 1]);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fflush(stdout);

    if (watch.failed()) {
        std::fprintf(stderr, "kvelta-sim: FAILED: %s\npack: %s\n", watch.failure().c_str(),
                     watch.failedPack().c_str());
        if (human) {
            std::fprintf(stderr, "the human's decisions in this deal:\n");
            for (const std::string& e : watch.humanEvents())
                std::fprintf(stderr, "%s\n", e.c_str());
        }
        return 1;
    }
    if (!opt.events) {
        std::printf("deals: %lld (seed %llu)\n", played, (unsigned long long)seed);
        std::printf("contracts: Barva %lld (%lld ended undoubled), Betl %lld, Durch %lld\n",
                    kinds[0], watch.unplayedGames(), kinds[1], kinds[2]);
        for (int n = 1; n <= 3; ++n)
            std::printf("money %d %-10s %.2f\n", n, game.Seat(n)->name.c_str(),
                        game.Seat(n)->money);
        if (human)
            std::printf("human: %lld decisions, %lld refused clicks\n", human->decisions(),
                        human->refusedClicks());
        PrintMoneyPerDeal(game, tally, played, opt);
        PrintDecisionTimes("wall", decisionTimes.wall);
        PrintDecisionTimes("cpu", decisionTimes.cpu);
        watch.PrintSummary(stdout);
        std::printf("wall time: %.3f s, %.0f deals per second\n", seconds,
                    seconds > 0 ? played / seconds : 0.0);
        std::printf("all checks passed\n");
    }
    if (human && human->unusedDecisions() > 0)
        std::fprintf(stderr, "kvelta-sim: the replay left %zu decisions of the file unused\n",
                     human->unusedDecisions());
    return 0;
}
