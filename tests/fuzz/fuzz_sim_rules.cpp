// The headless runner's --rules reader: a settings-style file, written to a folder in memory
// and read as the runner reads it. It must take exactly the files whose text reads completely,
// with the same values as the text; the stakes it takes are usable and a refusal names the
// file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "base/text_format.h"
#include "deal/random.h"
#include "fuzz_check.h"
#include "game/thra.h"
#include "game/thrac.h"
#include "records/game_settings.h"
#include "records/ini_file.h"
#include "sim_args.h"

namespace {

std::unique_ptr<THra> NewGame() {
    static SeededRandom random(1);
    static FixedRules rules;
    return std::make_unique<THra>(
        GamePorts{nullptr, nullptr, nullptr, nullptr, &rules, &random, nullptr},
        [](THra& g, int no) { return std::make_unique<THrac>(g, no); });
}

std::string Describe(const GameSettings& s, const THra& game) {
    const RuleSet& k = s.rules;
    std::string d;
    for (int n = 1; n <= 3; ++n) d += game.Seat(n)->name + " " + Exact(game.Seat(n)->money) + " | ";
    d += std::to_string(game.forehand->seatNo) + " | " + k.zakladHry + " " + k.betl + " " +
         k.durch + " " + k.tichaSedma + " " + k.hlasenaSedma;
    for (bool b : {k.nasobit, k.herce, k.bezfleku, k.utek, k.trideni}) d += b ? " 1" : " 0";
    for (int v : {k.stovka, k.michani, k.rozdani, k.pocetSejmuti}) d += " " + std::to_string(v);
    return d + " | " + std::to_string(game.gamesPlayed);
}

const std::filesystem::path& File() {
    static const std::filesystem::path file = [] {
        std::filesystem::path p = "/dev/shm";
        if (!std::filesystem::is_directory(p)) p = std::filesystem::temp_directory_path();
        p /= "kvelta-fuzz-rules-" + std::to_string(::getpid());
        std::filesystem::create_directories(p);
        return p / "rules.ini";
    }();
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SetDecimalSeparator('.');  // as the runner reads it
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(File(), std::ios::binary | std::ios::trunc);
        out.write(text.data(), std::streamsize(size));
    }
    const std::unique_ptr<THra> game = NewGame();
    GameSettings settings;
    std::string error;
    const bool taken = LoadRules(File().string(), settings, *game, error);

    IniFile ini;
    const bool complete = ini.LoadText(text);
    Check(taken == complete, "the file is taken when its text reads completely", error);
    if (!taken) {
        Check(error.rfind(File().string(), 0) == 0, "the refusal names the file", error);
        return 0;
    }
    const std::unique_ptr<THra> fromText = NewGame();
    GameSettings textSettings;
    ReadPlayersAndRules(ini, textSettings, *fromText, nullptr);
    CheckEqual("the file's values are the text's", Describe(textSettings, *fromText),
               Describe(settings, *game));

    const RuleSet& k = settings.rules;
    Check(IsUsableStake(BaseStake(k)), "a usable base stake", k.zakladHry);
    for (const std::string* stake :
         {&k.zakladHry, &k.betl, &k.durch, &k.tichaSedma, &k.hlasenaSedma})
        Check(Utf8Length(*stake) <= 10, "a stake of at most 10 characters", *stake);
    for (int n = 1; n <= 3; ++n)
        Check(Utf8Length(game->Seat(n)->name) <= 10, "a name of at most 10 characters",
              game->Seat(n)->name);
    return 0;
}
