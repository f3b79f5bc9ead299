#include "support/human_fakes.h"

std::vector<std::string> PackStarting(std::string_view codes) {
    std::vector<std::string> pack;
    bool used[4][15] = {};
    for (const Card& c : CardsOf(codes)) {
        pack.push_back(CardCode(c));
        used[c.suit][c.rank] = true;
    }
    for (int s = 0; s < 4; ++s)
        for (int r = 7; r <= 14; ++r)
            if (!used[s][r]) pack.push_back(CardCode(C(s, r)));
    return pack;
}

bool ScriptedDialogs::AskGoodBad(const GoodBadQuestion& q) {
    goodBadAsked.push_back(q);
    if (goodBad.empty()) return true;
    const bool a = goodBad.front();
    goodBad.pop_front();
    return a;
}

FlekAnswer ScriptedDialogs::AskFlek(const FlekQuestion& q) {
    flekAsked.push_back(q);
    if (fleks.empty()) return {};
    const FlekAnswer a = fleks.front();
    fleks.pop_front();
    return a;
}

void HumanTableView::HraEnableAll(int kind) {
    lowestEnabled = kind;
    checked = kind;
    if (kind == Barva) sevenBox = hundredBox = false;
}

void HumanTableView::ClickContract(int kind) {
    if (kind < lowestEnabled || kind > Durch) return;
    checked = kind;
    if (kind == Barva && player) player->RelayForDiscard();
}

void HumanTableView::ClickTrump() {
    if (trumf.visible && trumf.enabled) player->TrumpButtonClick();
}

void HumanTableView::ClickTalon() {
    if (talon.visible && talon.enabled) player->TalonButtonClick();
}

HumanTable::HumanTable(std::initializer_list<int> robotSeats) {
    bool robot[4] = {};
    for (int no : robotSeats) robot[no] = true;
    game = std::make_unique<THra>(
        GamePorts{&table, &sound, &result, &records, &rules, &random, nullptr},
        [this, robot](THra& g, int no) -> std::unique_ptr<THrac> {
            if (no == 1) return std::make_unique<TPlayer>(g, no, HumanPorts{&table, &dialogs});
            if (robot[no]) return std::make_unique<TRobot>(g, no);
            return std::make_unique<ScriptedSeat>(g, no);
        });
    table.player = &human();
}

void HumanTable::Deal(const std::vector<std::string>& codes, int forehandNo) {
    // A new deal moves the forehand on by one seat.
    game->forehand = game->Seat(forehandNo == 1 ? 3 : forehandNo - 1);
    game->PresetNextDeal(PackOf(codes), true);
    game->NewGame();
}

bool HumanTable::Click(const char* code) {
    Card c{};
    if (!ParseCardCode(code, c)) return false;
    for (int i = 1; i <= 12; ++i) {
        const TKarta& k = human().hand[i];
        if (k.rank && k.state != played && SameCard(k.triple(), c)) {
            human().CardClick(i);
            return true;
        }
    }
    return false;
}

void HumanTable::Drive() {
    for (int guard = 0; guard < 100; ++guard) {
        bool done = false;
        game->IdleStep(done);
        if (game->state == TrickComplete) {
            game->TrickTimerFired();
            continue;
        }
        if (game->state != Playing) return;
    }
}

int HumanTable::PlayOut() {
    int refused = 0;
    for (int guard = 0; guard < 40 && game->tricksPlayed < 10; ++guard) {
        Drive();
        if (game->onTurn != &human() || !game->humanMayPlay) break;
        for (int slot = 1; slot <= 10 && game->humanMayPlay; ++slot) {
            if (human().hand[slot].state != inHand) continue;
            human().CardClick(slot);
            if (game->humanMayPlay) ++refused;
        }
    }
    Drive();
    return refused;
}
