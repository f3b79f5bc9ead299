#include "table/tplayer.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "game/thra.h"

namespace {

SilentDecisionDialogs gSilentDialogs;
NoHumanControls gNoControls;

constexpr int kRaise = 20;  // a picked or selected card stands this much above the row

}  // namespace

TPlayer::TPlayer(THra& g, int no, HumanPorts ports)
    : THrac(g, no),
      controls_(ports.controls ? ports.controls : &gNoControls),
      dialogs_(ports.dialogs ? ports.dialogs : &gSilentDialogs) {
    human_ = true;
    // Both buttons live for the whole run, hidden and disabled until they are needed.
    const int left = (g.view().TableWidth() - 187) / 2, top = g.view().TableHeight() / 2;
    for (HumanButton b : {HumanButton::Trump, HumanButton::Talon}) {
        controls_->MoveButton(b, left, top);
        controls_->EnableButton(b, false);
        controls_->ShowButton(b, false);
    }
}

void TPlayer::NewDeal() {
    picked_ = 0;
    hint_ = 0;  // its picture went with the last deal
    for (HumanButton b : {HumanButton::Trump, HumanButton::Talon}) {
        controls_->EnableButton(b, false);
        controls_->ShowButton(b, false);
    }
}

void TPlayer::MoveButtonToWork(HumanButton b) {
    const int left = (game->view().TableWidth() - 257) / 2;
    const int top = game->view().TableHeight() / 2;
    controls_->MoveButton(b, left, top);
    if (b == HumanButton::Talon) talonPlace_ = {left, top};
}

// --- card places ------------------------------------------------------------------------------

void TPlayer::Place(TKarta& k, int position, bool raised) {
    k.left = 100 + position * game->ColumnStep();
    k.top = game->view().TableHeight() - 121 - (raised ? kRaise : 0);
}

void TPlayer::LayOutHand(int count, uint8_t state) {
    for (int i = 1; i <= count; ++i) {
        TKarta& k = hand[i];
        if (k.rank == 0) continue;
        SetCardState(i, state);
        Place(k, i, false);
        if (k.picture) game->view().ShowCardFace(k.picture, k.triple(), k.left, k.top);
    }
}

int TPlayer::CountSelected() const {
    int s = 0;
    for (int i = 1; i <= 12; ++i)
        if (hand[i].state == discardSelected) ++s;
    return s;
}

// The human holds twelve cards only between naming trumps (or taking a game) and "Talon".
bool TPlayer::LayingTalon() const {
    return game->declarer == this && cardCount == 12;
}

// --- clicks -----------------------------------------------------------------------------------

void TPlayer::ShowHint(int slot) {
    ClearHint();
    if (slot < 1 || slot > 10) return;
    const TKarta& k = hand[slot];
    if (k.state != inHand || !k.picture) return;
    game->view().MoveCardPicture(k.picture, k.left, k.top - kRaise);
    hint_ = slot;
}

void TPlayer::ClearHint() {
    if (!hint_) return;
    const TKarta& k = hand[hint_];
    hint_ = 0;
    // A card played meanwhile took its picture away.
    if (k.state == inHand && k.picture) game->view().MoveCardPicture(k.picture, k.left, k.top);
}

void TPlayer::PictureClick(int picture) {
    ClearHint();
    if (picture == 0) return;
    for (int i = 1; i <= 12; ++i)
        if (hand[i].picture == picture) return CardClick(i);
}

void TPlayer::CardClick(int slot) {
    ClearHint();
    if (slot < 1 || slot > 12 || hand[slot].rank == 0) return;
    switch (hand[slot].state) {
        case trumpPick:
            return PickTrump(slot);
        case discardCandidate:
            return SelectForTalon(slot);
        case discardSelected:
            return Deselect(slot);
        case inHand:
            return Play(slot);
        default:
            return;  // played, or no longer the human's to click
    }
}

// ChooseTrump: any of the twelve cards may name trumps, the five face-down ones too (blind).
void TPlayer::ChooseTrump() {
    picked_ = 0;
    for (int i = 1; i <= 12; ++i)
        if (hand[i].rank) SetCardState(i, trumpPick);
    MoveButtonToWork(HumanButton::Trump);
    controls_->EnableButton(HumanButton::Trump, false);  // until a card is picked
    controls_->ShowButton(HumanButton::Trump, true);
}

void TPlayer::PickTrump(int slot) {
    const int row = game->view().TableHeight() - 121;
    for (int i = 1; i <= 12; ++i) {
        TKarta& k = hand[i];
        if (k.rank == 0) continue;
        k.top = i == slot ? row - kRaise : row;
        if (k.picture) game->view().MoveCardPicture(k.picture, k.left, k.top);
    }
    picked_ = slot;
    game->trumpCard = hand[slot].triple();
    controls_->EnableButton(HumanButton::Trump, true);
}

void TPlayer::TrumpButtonClick() {
    if (picked_ == 0 || hand[picked_].state != trumpPick) return;
    THra& g = *game;
    controls_->ShowButton(HumanButton::Trump, false);
    const Card t = hand[picked_].triple();
    picked_ = 0;
    g.contractKind = Barva;
    g.trumpCard = Card{t.suit, t.rank, CardStrength(t.suit, t.rank, Barva, t.suit)};
    StrengthPass();
    SortHand(g.rules().trideni);
    LayOutHand(12, discardCandidate);
    g.view().ShowTrumpCard(g.trumpCard);
    LayTalon();
}

void TPlayer::LayTalon() {
    controls_->ShowButton(HumanButton::Trump, false);
    MoveButtonToWork(HumanButton::Talon);
    controls_->EnableButton(HumanButton::Talon, false);  // until two cards are selected
    controls_->ShowButton(HumanButton::Talon, true);
    game->view().HraEnableAll(game->contractKind);
    for (int i = 1; i <= cardCount; ++i) SetCardState(i, discardCandidate);
}

// In the suit game the talon may hold neither a ten nor an ace, nor a trump unless eleven or
// twelve of the cards are trumps, tens or aces (then there is no other way to lay two cards).
void TPlayer::SelectForTalon(int slot) {
    if (!LayingTalon()) return;
    const int s = CountSelected();
    if (s >= 2) return;
    TKarta& k = hand[slot];
    if (controls_->CheckedContract() == Barva) {
        if (k.rank == kTen || k.rank == kAce) return;
        if (k.suit == game->TrumpSuit()) {
            int valuable = 0;
            for (int i = 1; i <= 12; ++i) {
                const TKarta& c = hand[i];
                if (c.rank && (c.suit == game->TrumpSuit() || c.rank == kTen || c.rank == kAce))
                    ++valuable;
            }
            if (valuable < 11) return;
        }
    }
    SetCardState(slot, discardSelected);
    k.top = game->view().TableHeight() - 121 - kRaise;
    if (k.picture) game->view().MoveCardPicture(k.picture, k.left, k.top);
    if (s == 1) controls_->EnableButton(HumanButton::Talon, true);
}

void TPlayer::Deselect(int slot) {
    if (!LayingTalon()) return;
    SetCardState(slot, discardCandidate);
    TKarta& k = hand[slot];
    k.top = game->view().TableHeight() - 121;
    if (k.picture) game->view().MoveCardPicture(k.picture, k.left, k.top);
    controls_->EnableButton(HumanButton::Talon, false);
}

void TPlayer::RelayForDiscard() {
    if (!LayingTalon()) return;
    game->view().HraEnableAll(game->contractKind);
    LayOutHand(12, discardCandidate);
    controls_->EnableButton(HumanButton::Talon, false);
}

void TPlayer::TalonButtonClick() {
    if (!LayingTalon()) return;
    int slots[2] = {}, n = 0;
    for (int i = 1; i <= 12 && n < 2; ++i)
        if (hand[i].state == discardSelected) slots[n++] = i;
    if (n < 2) return;
    THra& g = *game;
    // A taker may choose a higher contract than the one he took, never a lower one.
    const int chosen = std::clamp(controls_->CheckedContract(), int(g.contractKind), int(Durch));
    // The selection is taken from the slots as they stand: the hand is already sorted, and
    // sorting again here could hand the selection marks to other cards.
    if (!g.LayAwayTalon(*this, slots[0], slots[1], uint8_t(chosen))) return;
    if (chosen == Barva) {
        if (g.view().SevenBoxChecked()) g.sevenDeclared = true;
        if (g.view().HundredBoxChecked()) g.hundredDeclared = true;
    }
    controls_->ShowButton(HumanButton::Talon, false);
    controls_->EnableButton(HumanButton::Talon, false);
    g.view().HraDisableAll();
    g.TalonDone(*this);
}

// --- play -------------------------------------------------------------------------------------

void TPlayer::PlayCard() {
    game->state = Waiting;
}

// The controller judges the card by the legal-play rule and refuses it without a trace; the
// human then simply clicks another one. Whether the declarer has played this trick is noted
// there too, for the declarer's own card only: a stray click while a computer declarer is on
// turn must not change how it plays.
void TPlayer::Play(int slot) {
    game->PlayFromHand(*this, slot);
}

// --- answers ----------------------------------------------------------------------------------

GoodBadQuestion TPlayer::GoodBadFor() const {
    const THra& g = *game;
    GoodBadQuestion q;
    q.firstLine = g.declarer->name + " hraje ";
    q.badEnabled = g.contractKind < Durch;
    switch (g.contractKind) {
        case Barva:
            if (g.sevenDeclared && g.hundredDeclared) {
                q.secondLine = "Stosedm!";
                q.red = true;
                q.badEnabled = false;
            } else {
                q.secondLine = " barvu!";
            }
            break;
        case Betl:
            q.secondLine = " betla!";
            q.red = true;
            break;
        default:
            q.secondLine = " durcha!";
            q.red = true;
            break;
    }
    return q;
}

bool TPlayer::AnswerGame() {
    THra& g = *game;
    const GoodBadQuestion q = GoodBadFor();
    // A game that may not be taken stays good whatever comes back.
    if (dialogs_->AskGoodBad(q) || !q.badEnabled) {
        g.LogCall(*this, "Dobré");
        g.SayCall(*this, "dobre");
        return true;
    }
    return !TakeGame();
}

bool TPlayer::TakeGame() {
    THra& g = *game;
    g.LogCall(*this, "Dej to sem");
    g.SayCall(*this, "dej_to_sem");
    dialogs_->ShowTalon(g.talon[0], g.talon[1]);
    if (!g.TakeOver(*this, uint8_t(g.contractKind + 1))) return false;
    SortHand(g.rules().trideni);
    LayOutHand(12, discardCandidate);
    // Where "Talon" last stood; before any use, where it was made. A window may not know its
    // table's size yet when the seat is made, so that place is taken from the table now.
    if (!talonPlace_) {
        talonPlace_ = {(g.view().TableWidth() - 187) / 2, g.view().TableHeight() / 2};
    }
    controls_->MoveButton(HumanButton::Talon, talonPlace_->first, talonPlace_->second);
    controls_->EnableButton(HumanButton::Talon, false);
    controls_->ShowButton(HumanButton::Talon, true);
    // Only the contracts from the one taken upwards may be chosen.
    g.view().HraDisableAll();
    g.view().HraEnableAll(g.contractKind);
    return true;
}

FlekBoxes TPlayer::FlekBoxesFor(uint8_t offer) const {
    const THra& g = *game;
    FlekBoxes e;  // all disabled in betl and durch
    const bool suitGame = g.contractKind == Barva;
    if (suitGame) {
        e.sevenFlek = offer & FlekSeven;
        e.hundredFlek = offer & FlekHundred;
        const bool defender = g.declarer != this;
        e.sevenAgainst = defender && FindCard(g.TrumpSuit(), kSeven) != 0;
        e.hundredAgainst = defender;
    }
    if (g.sevenAgainst) e.sevenFlek = e.sevenAgainst = false;
    // A declared hundred may always be doubled, but only while the suit game it was declared
    // in is played: a take-over as betl or durch leaves the flag behind.
    if (g.hundredDeclared && suitGame) e.hundredFlek = true;
    if (g.hundredAgainst) e.hundredFlek = e.hundredAgainst = false;
    return e;
}

uint8_t TPlayer::AnswerFlek(uint8_t offer) {
    THra& g = *game;
    if (g.flekCount >= kMaxFlek) return 0;
    const int level = g.flekCount + 1;
    FlekQuestion q;
    q.gameButton = FlekName(level);
    q.question = "Dáš si " + q.gameButton + "?";
    q.enabled = FlekBoxesFor(offer);
    const FlekAnswer a = dialogs_->AskFlek(q);

    // A box counts whichever button closed the dialog, but only if it could be ticked.
    uint8_t r = a.game ? FlekGame : 0;
    auto box = [&](bool ticked, bool enabled, uint8_t bit, const char* text, const char* word) {
        if (!ticked || !enabled) return;
        r |= bit;
        g.LogCall(*this, text);
        g.SayCall(*this, word);
    };
    box(a.ticked.sevenFlek, q.enabled.sevenFlek, FlekSeven, "Flek na sedmu", "Flek_na_sedmu");
    box(a.ticked.hundredFlek, q.enabled.hundredFlek, FlekHundred, "Flek na stovku",
        "Flek_na_stovku");
    box(a.ticked.sevenAgainst, q.enabled.sevenAgainst, SevenAgainstFlag, "Sedmu proti",
        "Sedmu_proti");
    box(a.ticked.hundredAgainst, q.enabled.hundredAgainst, HundredAgainstFlag, "Stovku proti",
        "Stovku_proti");
    if (r & SevenAgainstFlag) g.sevenAgainst = true;
    if (r & HundredAgainstFlag) g.hundredAgainst = true;
    if (r & FlekGame) {
        g.LogCall(*this, FlekName(level));
        g.SayCall(*this, FlekCallWord(level));
    } else {
        g.LogCall(*this, "Mlčím");
        g.SayCall(*this, "mlcim");
    }
    return r;
}
