// The headless runner's --pack and --packs readers, and its numbers (--deals, --seed). A pack
// they take holds the 32 cards once each, and written out again it reads as the same deal;
// what they refuse is said in a message naming the place.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "deal/card.h"
#include "fuzz_check.h"
#include "sim_args.h"

namespace {

std::string Codes(const std::array<Card, 33>& pack) {
    std::string text;
    for (int i = 1; i <= 32; ++i) text += (i > 1 ? "," : "") + CardCode(pack[i]);
    return text;
}

void CheckPack(const std::array<Card, 33>& pack) {
    uint32_t seen[4] = {};
    for (int i = 1; i <= 32; ++i) {
        const Card& c = pack[i];
        Check(c.suit < 4 && c.rank >= 7 && c.rank <= 14, "a card of the pack", Codes(pack));
        Check(!(seen[c.suit] & (1u << c.rank)), "every card once", Codes(pack));
        seen[c.suit] |= 1u << c.rank;
    }
    std::array<Card, 33> again{};
    CheckEqual("the pack written out and read again", "", ParsePack(Codes(pack), again));
    CheckEqual("the same pack", Codes(pack), Codes(again));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    std::array<Card, 33> pack{};
    if (ParsePack(text, pack).empty()) CheckPack(pack);

    std::istringstream in{std::string(text)};
    std::vector<PresetPack> packs;
    std::string error;
    if (ReadPacks(in, "deals.txt", packs, error)) {
        std::string written;
        for (const PresetPack& p : packs) {
            CheckPack(p.pack);
            written += (p.full ? "full " : "split ") + Codes(p.pack) + "\n";
        }
        std::istringstream again(written);
        std::vector<PresetPack> read;
        Check(ReadPacks(again, "deals.txt", read, error), "the deals written out read again",
              error);
        Check(read.size() == packs.size(), "as many deals");
        for (size_t i = 0; i < read.size(); ++i) {
            Check(read[i].full == packs[i].full, "the same pattern");
            CheckEqual("the same deal", Codes(packs[i].pack), Codes(read[i].pack));
        }
    } else {
        Check(error.rfind("deals.txt", 0) == 0, "the message names the file", error);
    }

    uint64_t number = 0;
    if (ParseNumber(text, number)) {
        uint64_t again = 0;
        Check(ParseNumber(std::to_string(number), again) && again == number,
              "a number written out reads again", text);
        Check(text.find_first_not_of("0123456789") == std::string_view::npos,
              "only digits make a number", text);
    }
    return 0;
}
