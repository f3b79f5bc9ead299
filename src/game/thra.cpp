#include "game/thra.h"

#include <chrono>
#include <cstdio>

#include "base/text_format.h"

namespace {

NullTableView gNullView;
SilentSoundPlayer gSilentSound;
NullResultView gNullResult;
NoPlayingRecords gNoRecords;
FixedRules gDefaultRules;
IGameObserver gNoObserver;

}  // namespace

THra::THra(GamePorts ports, const SeatFactory& factory) {
    SetPorts(ports);
    gamesPlayed = 0;
    for (int no = 1; no <= 3; ++no) {
        owned_[no - 1] = factory(*this, no);
        seats[no - 1] = owned_[no - 1].get();
    }
    static constexpr const char* kNames[3] = {"Kuba", "Lumir", "Bohous"};
    for (int i = 0; i < 3; ++i) {
        seats[i]->next = seats[(i + 1) % 3];
        seats[i]->name = kNames[i];
        seats[i]->money = 1000.0;
        seats[i]->SetMayHoldAll();
        seats[i]->ResetMeldPlace();
    }
    forehand = seats[2];
    declarer = onTurn = trickLeader = trickWinner = forehand;
    ledCount = {0, 0, 0, 0};
    // The very first deal of a run takes its pack from this pile in every shuffling mode.
    cards.FullShuffle(*random_);
}

THra::~THra() = default;

void THra::SetPorts(const GamePorts& p) {
    view_ = p.view ? p.view : &gNullView;
    sound_ = p.sound ? p.sound : &gSilentSound;
    result_ = p.result ? p.result : &gNullResult;
    records_ = p.records ? p.records : &gNoRecords;
    rules_ = p.rules ? p.rules : &gDefaultRules;
    observer_ = p.observer ? p.observer : &gNoObserver;
    logShown_ = view_->KeepsLog();
    cardsShown_ = view_->ShowsCards();
    tableWidth_ = view_->TableWidth();
    tableHeight_ = view_->TableHeight();
    resultShown_ = result_->KeepsLines();
    if (p.random) {
        random_ = p.random;
    } else if (!random_) {
        const auto seed = uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
        ownRandom_ = std::make_unique<SeededRandom>(seed);
        random_ = ownRandom_.get();
    }
}

void THra::NewGame() {
    SeatNewcomers();
    PlaySound("wavs\\rozdani.wav", false);
    result_->ClearTrickRows();
    newGameRequested = false;
    flekCount = 0;
    sevenFlekCount = 0;
    view_->HraDisableAll();
    view_->EnableRulesMenu(false);
    view_->EnableNewGame(false);
    contractKind = Barva;
    ResetDeal();
    state = Waiting;
    DealNewGame();
}

void THra::ResetDeal() {
    forehand = forehand->next;
    declarer = onTurn = forehand;
    contractKind = Barva;
    state = Dealing;
    cardsOnTable = 0;
    declarerPlayed = false;
    tricksPlayed = 0;
}

void THra::ReplaceSeat(std::unique_ptr<THrac> seat) {
    if (!seat || seat->game != this || seat->seatNo < 1 || seat->seatNo > 3) return;
    newcomers_[size_t(seat->seatNo - 1)] = std::move(seat);
}

// What a seat learns in a deal is forgotten when the deal ends (cards seen and voids shown with
// the tenth trick, the rest as the next one is dealt): between deals a seat is the player's
// name and money and its place in the ring.
void THra::SeatNewcomers() {
    for (size_t i = 0; i < 3; ++i) {
        if (!newcomers_[i]) continue;
        THrac* old = seats[i];
        THrac* fresh = newcomers_[i].get();
        fresh->name = old->name;
        fresh->money = old->money;
        fresh->next = old->next;
        for (THrac* s : seats)
            if (s->next == old) s->next = fresh;
        for (THrac** p : {&forehand, &declarer, &onTurn, &trickLeader, &trickWinner})
            if (*p == old) *p = fresh;
        fresh->ResetMeldPlace();
        seats[i] = fresh;
        owned_[i] = std::move(newcomers_[i]);  // the old seat goes
    }
}

void THra::PresetNextDeal(const std::array<Card, 33>& pack, bool full) {
    presetDeal_.emplace(pack, full);
}

void THra::DealNewGame() {
    ++gamesPlayed;
    if (logShown_) {
        char rule[96];
        std::snprintf(rule, sizeof rule, "---%u%s", unsigned(gamesPlayed),
                      "---------------------------------------------------------------");
        LogLine(rule);
    }
    view_->ShowTrumpBack();
    view_->UncheckDeclarationBoxes();
    flekCount = 0;
    sevenFlekCount = 0;
    sevenDeclared = hundredDeclared = sevenAgainst = hundredAgainst = false;
    view_->DisableHumanButtons();
    talonPending = false;
    for (THrac* s : seats) s->NewDeal();

    Deal();
    observer_->Dealt();

    for (THrac* s : seats) {
        s->ResetMeldPlace();
        s->points = 0;
        s->meldSum = 0;
        s->firstMeld = 0;
    }
    // A computer forehand thinks synchronously; the human's choice arrives through clicks.
    if (!forehand->IsHuman()) state = ComputerChoosing;
    forehand->ChooseTrump();
    ShowDeclarerLabel();
    ShowContractLabel(contractKind);
}

void THra::HandPlace(int seatNo, int& left, int& top, int& dx, int& dy) const {
    const int c = ColumnStep();
    switch (seatNo) {
        case 1:
            left = 120, top = TableHeight() - 121, dx = c, dy = 0;
            break;
        case 2:
            left = 20, top = 70, dx = 0, dy = c;
            break;
        default:
            left = 120, top = 30, dx = c, dy = 0;
            break;
    }
}

void THra::Deal() {
    const RuleSet& r = rules();
    if (presetDeal_) {
        cards.pack = presetDeal_->first;
        cards.wholePack = false;  // whatever it holds is dealt, and each hand counted after
        fullDeal = presetDeal_->second;
        cards.ClearPile();
        presetDeal_.reset();
    } else {
        // A pile holding some card twice is still dealt; the player is told once per deal.
        bool duplicate = cards.Shuffle(r.michani, r.pocetSejmuti, *random_);
        if (r.rozdani == AlwaysFull) {
            fullDeal = true;
        } else {
            fullDeal = random_->Next(32) == 1;
            if (!fullDeal) cards.Cut(1);
        }
        if (duplicate) view_->ShowMessage(kDuplicateMessage);
    }
    if (fullDeal) LogLine("Do Plných");

    // Pack positions by seat (forehand, next, the one after), split and "do plných"; the
    // forehand's slots 11 and 12 are its talon.
    static constexpr uint8_t kPosition[2][3][12] = {{{1, 2, 3, 4, 5, 6, 7, 18, 19, 20, 21, 22},
                                                     {8, 9, 10, 11, 12, 23, 24, 25, 26, 27},
                                                     {13, 14, 15, 16, 17, 28, 29, 30, 31, 32}},
                                                    {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
                                                     {13, 14, 15, 16, 17, 18, 19, 20, 21, 22},
                                                     {23, 24, 25, 26, 27, 28, 29, 30, 31, 32}}};
    const bool humanForehand = forehand->IsHuman();
    // Read once: the cards' own bytes might alias the flags for the compiler.
    const bool shown = cardsShown_, wholePack = cards.wholePack;
    THrac* seat = forehand;
    for (int order = 0; order < 3; ++order, seat = seat->next) {
        const int count = order == 0 ? 12 : 10;
        const int gapAfter = order == 0 ? 7 : 0;  // the forehand's talon lies apart
        const uint8_t* position = kPosition[fullDeal][order];
        // The whole hand is written first and counted once. Nobody sees the table of a view
        // that shows no cards: a card needs no place on it there.
        if (shown) {
            int x, y, dx, dy;
            HandPlace(seat->seatNo, x, y, dx, dy);
            int left = x, top = y;  // values of their own, which the cards' bytes cannot alias
            for (int slot = 1; slot <= count; ++slot) {
                TKarta& k = seat->hand[size_t(slot)];
                NewCard(k, *seat, cards.pack[position[slot - 1]], left, top);
                ShowNewCard(k, humanForehand && slot <= gapAfter);
                left += dx;
                top += dy;
                if (slot == gapAfter) left += dx, top += dy;
            }
        } else {
            for (int slot = 1; slot <= count; ++slot) {
                TKarta& k = seat->hand[size_t(slot)];
                k.owner = seat;
                k.picture = NewPictureHandle();
                k.SetTriple(cards.pack[position[slot - 1]]);
                k.state = inHand;
            }
        }
        static constexpr TKarta kEmpty{};
        for (int slot = count + 1; slot <= 12; ++slot) seat->hand[size_t(slot)] = kEmpty;
        seat->cardCount = uint8_t(count);
        seat->CountDealtHand(wholePack);
    }
}

TKarta& THra::CreateCard(THrac& seat, int slot, const Card& card, int left, int top, bool faceUp) {
    TKarta fresh;
    NewCard(fresh, seat, card, left, top);
    seat.PutCard(slot, fresh);
    TKarta& k = seat.hand[slot];
    ShowNewCard(k, faceUp);
    return k;
}

// Every field is written: a dealt card is made in its slot, over what lay there.
void THra::NewCard(TKarta& k, THrac& seat, const Card& card, int left, int top) {
    k.owner = &seat;
    k.picture = NewPictureHandle();
    k.SetTriple(card);
    k.left = left;
    k.top = top;
    k.state = inHand;
}

void THra::ShowNewCard(const TKarta& k, bool faceUp) {
    if (!cardsShown_) return;
    view_->CreateCardPicture(k.picture, k.left, k.top);
    if (faceUp)
        view_->ShowCardFace(k.picture, k.triple(), k.left, k.top);
    else
        view_->ShowCardBack(k.picture, k.left, k.top);
}

inline void THra::TakePlayedCardOut(THrac& seat) {
    // The card leaves the slot it was played from; a card laid from elsewhere is looked for.
    const int slot = seat.playedSlot ? seat.playedSlot : seat.FindPlayedSlot();
    if (slot == 0) return;
    TKarta& k = seat.hand[slot];
    cards.AddToPile(k.triple());
    if (cardsShown_ && k.picture) view_->DestroyCardPicture(k.picture);
    k.picture = 0;
}

// Nothing drives the deal until the seat on turn has played: its card, through PlayFromHand,
// sets Playing again.
void THra::AskForCard() {
    if (onTurn->IsHuman()) humanMayPlay = true;
    state = Waiting;
    onTurn->PlayCard();
}

void THra::IdleStep(bool& done) {
    if (state == Playing) {
        if (cardsOnTable == 0) AskForCard();
        if (cardsOnTable == 1 || cardsOnTable == 2) {
            TakePlayedCardOut(*onTurn);
            onTurn = onTurn->next;
            AskForCard();
        }
        if (cardsOnTable == 3) {
            TakePlayedCardOut(*onTurn);
            cardsOnTable = 0;
            declarerPlayed = false;
            if (cardsShown_) view_->SetBusyCursor(true);
            state = TrickComplete;
        }
    } else if (state == TrickComplete) {
        view_->SetTrickTimer(true);
    }
    done = true;
    if (newGameRequested) NewGame();
}

void THra::TrickTimerFired() {
    view_->SetTrickTimer(false);
    if (cardsShown_) view_->ClearTrickCards();
    onTurn = EvaluateTrick();
    if (cardsShown_) view_->SetBusyCursor(false);
    state = Playing;
    if (tricksPlayed == 10) {
        state = Waiting;
        for (THrac* s : seats) {
            s->ClearSeen();
            s->SetMayHoldAll();
        }
        ledCount = {0, 0, 0, 0};
    }
}

void THra::StrengthPassAll() {
    for (THrac* s : seats) s->StrengthPass();
}

void THra::ShowSeatOneHand() {
    ShowHandFaceUp(*seats[0]);
}

void THra::ShowHandFaceUp(THrac& s) {
    s.SortHand(rules().trideni);
    if (!cardsShown_) return;  // the cards need places only on a table somebody sees
    int left, top, dx, dy;
    HandPlace(s.seatNo, left, top, dx, dy);
    // Read once: the cards' own bytes might alias these for the compiler.
    const int step = ColumnStep(), n = s.cardCount;
    for (int i = 1; i <= n; ++i) {
        TKarta& k = s.hand[i];
        k.left = 100 + i * step;
        k.top = top;
        if (k.picture) view_->ShowCardFace(k.picture, k.triple(), k.left, k.top);
    }
}

void THra::LogCall(const THrac& seat, std::string_view text) {
    if (!logShown_) return;
    // The name and ": " cut to 11 characters: a ten-character name loses the blank.
    std::string line = seat.name;
    line += ": ";
    line = Utf8Left(line, 11);
    line += text;
    view_->LogLine(line);
}

void THra::ShowDeclarerLabel() {
    if (cardsShown_) view_->SetDeclarerLabel("Hraje :" + declarer->name);
}

void THra::ShowFinance() {
    view_->ShowFinance(seats[0]->money, seats[1]->money, seats[2]->money);
}

void THra::AddResultAmount(std::string_view label, double amount) {
    if (!resultShown_) return;
    result_->AddResultAmount(label, amount);
}
