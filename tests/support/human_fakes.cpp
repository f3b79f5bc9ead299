#include "support/human_fakes.h"

template <class T>
static T Next(std::deque<T>& answers, T otherwise) {
    if (answers.empty()) return otherwise;
    const T a = answers.front();
    answers.pop_front();
    return a;
}

bool ScriptedDialogs::AskGoodBad(const GoodBadQuestion& q) {
    goodBadAsked = q;
    return Next(goodBad, true);
}

FlekAnswer ScriptedDialogs::AskFlek(const FlekQuestion& q) {
    flekAsked = q;
    ++fleksAsked;
    return Next(fleks, FlekAnswer{});
}

void HumanTableView::HraEnableAll(int kind) {
    lowestEnabled = checked = kind;
    if (kind == Barva) sevenBox = hundredBox = false;
}

void HumanTableView::ClickContract(int kind) {
    if (kind < lowestEnabled || kind > Durch) return;
    checked = kind;
    if (kind == Barva) player->RelayForDiscard();
}

HumanTable::HumanTable() {
    game = std::make_unique<THra>(
        GamePorts{&table, &sound, &result, &records, &rules, &random, nullptr},
        [this](THra& g, int no) -> std::unique_ptr<THrac> {
            if (no == 1) return std::make_unique<TPlayer>(g, no, HumanPorts{&table, &dialogs});
            return std::make_unique<ScriptedSeat>(g, no);
        });
    table.player = &human();
}

bool HumanTable::Click(const char* code) {
    Card c{};
    ParseCardCode(code, c);
    for (int i = 1; i <= 12; ++i) {
        const TKarta& k = human().hand[i];
        if (k.rank && k.state != played && SameCard(k.triple(), c))
            return human().CardClick(i), true;
    }
    return false;
}

void HumanTable::Forehand(const char* hand) {
    GiveHandCodes(human(), hand);
    game->forehand = game->declarer = game->onTurn = &human();
    human().ChooseTrump();
}
