#include "ui/tmain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <QUrl>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "base/text_format.h"
#include "robot/trobot.h"
#include "table/tplayer.h"
#include "ui/about_box.h"
#include "ui/card_image.h"
#include "ui/card_picture.h"
#include "ui/human_dialogs.h"
#include "ui/local_path.h"
#include "ui/opponents.h"
#include "ui/settings_dialogs.h"
#include "ui/vyhodnoceni.h"
#include "ui/wav_sound.h"

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

const QSize kCardSize(kCardWidth, kCardHeight);
const QSize kMeldSize(40, 65);

// The money panel's name labels: yellow bold letters with a blue shadow on navy.
class ShadowLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0, 0, 128));
        p.setFont(font());
        const QRect r = rect().adjusted(2, 0, -4, 0);
        p.setPen(QColor(0, 0, 255));
        p.drawText(r.translated(1, 1), Qt::AlignRight | Qt::AlignVCenter, text());
        p.setPen(QColor(255, 255, 0));
        p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, text());
    }
};

// The game log's lines are 13 pixels apart, less than the font needs. The style would clip each
// line to its row, which cuts the háček and the čárka off capitals (Č, Š, Ž, Á), and end a
// line too long for the column with dots. The lines are drawn here whole instead: the marks
// above a capital inside the row (the newest line, on top, keeps them too), the descenders
// reaching into the row below.
class LogLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 13};
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        const int margin =
            style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
        painter->save();
        painter->setClipping(false);
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(QPalette::Text));
        const int ascent = QFontMetrics(opt.font).ascent();
        painter->drawText(opt.rect.left() + margin,
                          opt.rect.top() + std::min(ascent, opt.rect.height() - 1), opt.text);
        painter->restore();
    }
};

}  // namespace

std::optional<uint64_t> SeedFromText(const char* text) {
    if (!text || !*text) return std::nullopt;
    uint64_t seed = 0;
    const char* end = text + std::strlen(text);
    const auto [ptr, ec] = std::from_chars(text, end, seed);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return seed;
}

TMain::Setup TMain::DefaultSetup() {
    Setup setup;
    // The installed program's folder is read-only: its launcher names the player's own folder.
    const QString folder = qEnvironmentVariable("KVELTA_SETTINGS_DIR");
    setup.settingsFile = QDir(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder)
                             .filePath(Q(kSettingsFileName));
    setup.statisticsFile = Q(kPlayingFileName);
    return setup;
}

TMain::TMain(Setup setup)
    : setup_(std::move(setup)),
      statistics_([this](const std::string& message) { Report(Q(message)); }) {
    setWindowTitle(QStringLiteral("Kvelta"));
    setMinimumHeight(480);
    BuildTable();
    BuildMenu();

    // The order matters: the settings load last, into a game and controls that exist.
    sound_ = setup_.audioOutput ? std::make_unique<TWavSound>(*setup_.audioOutput)
                                : std::make_unique<TWavSound>();
    // Said after the game call that played it, never from inside it.
    sound_->onBadFile = [this](const QString& text) {
        QMetaObject::invokeMethod(
            this, [this, text] { Report(text); }, Qt::QueuedConnection);
    };
    HraDisableAll();
    // The default card back; a table without one still plays.
    std::string error;
    if (!LoadCardBack(std::string(kDefaultCardBack), error)) Report(Q(error));
    // The table 641 x 441 until the settings restore the saved bounds.
    resize(641, 441 + menuBar()->sizeHint().height());
    // The shuffle's seed: the clock, or KVELTA_SEED to replay a run.
    const std::optional<uint64_t> seed = SeedFromText(std::getenv("KVELTA_SEED"));
    random_ = std::make_unique<SeededRandom>(
        seed ? *seed : uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
    // The human's dialogs, created once and reused for every question.
    humanDialogs_ = std::make_unique<HumanDialogs>(this, [this](const Card& c) {
        return CardPixmap(c.suit, c.rank, QSize(65, 105), devicePixelRatioF());
    });
    // The game, with the human in seat 1 and computer players in seats 2 and 3.
    ports_ =
        GamePorts{this, sound_.get(), nullptr, &statistics_, &settings_, random_.get(), nullptr};
    game_ = std::make_unique<THra>(ports_, [this](THra& g, int no) -> std::unique_ptr<THrac> {
        if (no != 1) return std::make_unique<TRobot>(g, no);
        auto human = std::make_unique<TPlayer>(g, no, HumanPorts{this, humanDialogs_.get()});
        player_ = human.get();
        return human;
    });
    for (int no = 1; no <= 3; ++no) ShowSeatName(no, game_->Seat(no)->name);
    game_->newGameRequested = false;
    idle_ = std::make_unique<IdleDriver>(
        [this] {
            bool done = true;
            game_->IdleStep(done);
            UpdateHintMenu();
        },
        [this] {
            const THra& g = *game_;
            return g.newGameRequested || g.state == Playing ||
                   (g.state == TrickComplete && !Timer1.isActive());
        },
        this);
    game_->ShowFinance();
    // Statistics are recorded only in a run whose settings loaded completely.
    error.clear();
    if (!LoadSettings(setup_.settingsFile.toStdString(), settings_, *game_, *this, TodayDayNumber(),
                      error)) {
        Report(Q(error));
    } else {
        statistics_.Open(setup_.statisticsFile.toStdString());
    }

    // The settings dialogs take their first values from the loaded settings; from now on the
    // game reads its rules from their controls.
    dialogs_ = std::make_unique<SettingsDialogs>(
        settings_, *game_, *this, &statistics_, [this](const QString& e) { Report(e); }, this);
    ports_.rules = dialogs_.get();
    game_->SetPorts(ports_);
    // The computer seats were made classic; the chosen ones sit down at the first deal.
    if (settings_.opponents != Opponents::Klasicky) ChangeOpponents(*game_, settings_.opponents);
    dialogs_->opponentsChosen = [this](Opponents chosen) { ChangeOpponents(*game_, chosen); };
    SettingsDialogs* d = dialogs_.get();
    connect(Menu_PlayerRatings, &QAction::triggered, this, [d] { d->ShowPlayerRatings(); });
    connect(Menu_optionHra, &QAction::triggered, this, [d] { d->Menu_optionHraClick(); });
    connect(Menu_optionMichani, &QAction::triggered, this, [d] { d->Menu_optionMichaniClick(); });
    connect(Menu_optionPlayer, &QAction::triggered, this, [d] { d->Menu_optionPlayerClick(); });
    connect(Menu_optionSouperi, &QAction::triggered, this, [d] { d->Menu_optionSouperiClick(); });
    connect(manu_optionBanka, &QAction::triggered, this, [d] { d->manu_optionBankaClick(); });
    connect(menu_rubs, &QAction::triggered, this, [d] { d->menu_rubsClick(); });
}

TMain::~TMain() {
    // The idle driver and the game go first: both still talk to the controls.
    idle_.reset();
    game_.reset();
}

void TMain::SetResultView(Tvyhodnoceni* view) {
    result_ = view;
    ports_.result = view;
    game_->SetPorts(ports_);
}

void TMain::BuildTable() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    QPalette green = Panel1->palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    green.setColor(QPalette::WindowText, QColor(255, 255, 255));
    Panel1->setPalette(green);
    QFont small = font();
    small.setPixelSize(11);
    Panel1->setFont(small);
    Panel1->installEventFilter(this);
    setCentralWidget(Panel1);
    Panel1->setStyleSheet(
        QStringLiteral("QGroupBox { color: #ffffff; border: 1px solid #9fd39f; margin-top: 7px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0; }"
                       "QRadioButton, QCheckBox, QGroupBox QLabel { color: #ffffff; }"
                       "QRadioButton:disabled, QCheckBox:disabled { color: #a9cfa9; }"
                       "QLabel#seat { color: #fff4a8; font-weight: bold; font-size: 13px; }"));

    auto seatLabel = [this](Qt::Alignment align) {
        auto* label = new QLabel(Panel1);
        label->setObjectName(QStringLiteral("seat"));
        label->setAlignment(align | Qt::AlignVCenter);
        return label;
    };
    Label1 = seatLabel(Qt::AlignLeft);
    Label1->setGeometry(16, 441 - 33, 150, 18);
    Label2 = seatLabel(Qt::AlignLeft);
    Label2->setGeometry(8, 48, 150, 18);
    Label3 = seatLabel(Qt::AlignRight);
    Label3->setGeometry(201 - 150, 8, 150, 18);

    GroupBox1 = new QGroupBox(QStringLiteral(" Průběh hry "), Panel1);
    GroupBox1->resize(249, 137);
    RadioButton5 = new QRadioButton(QStringLiteral("Hra"), GroupBox1);
    RadioButton5->setGeometry(24, 24, 64, 17);
    RadioButton5->setToolTip(QStringLiteral("Základní hra"));
    RadioButton5->setChecked(true);
    CheckBox1 = new QCheckBox(QStringLiteral("Sedma"), GroupBox1);
    CheckBox1->setGeometry(96, 24, 72, 17);
    CheckBox1->setToolTip(QStringLiteral("Sedmička na konec"));
    CheckBox2 = new QCheckBox(QStringLiteral("Sto"), GroupBox1);
    CheckBox2->setGeometry(96, 40, 72, 17);
    CheckBox2->setToolTip(QStringLiteral("Uhraji Stovku"));
    RadioButton3 = new QRadioButton(QStringLiteral("Betl"), GroupBox1);
    RadioButton3->setGeometry(24, 56, 64, 17);
    RadioButton3->setToolTip(QStringLiteral("Nedostanu ani jednu hromádku"));
    RadioButton1 = new QRadioButton(QStringLiteral("Durch"), GroupBox1);
    RadioButton1->setGeometry(24, 72, 64, 17);
    RadioButton1->setToolTip(QStringLiteral("Vezmu všechny hromádky"));
    Label10 = new QLabel(QStringLiteral("Hraje :"), GroupBox1);
    Label10->setGeometry(24, 96, 150, 16);
    Label10->setToolTip(QStringLiteral("Kdo hraje"));
    Label16 = new QLabel(GroupBox1);
    Label16->setGeometry(75, 112, 100, 16);
    Image1 = new TCardImage(GroupBox1);
    Image1->setGeometry(176, 16, kCardWidth, kCardHeight);
    Image1->setToolTip(QStringLiteral("Trumfová karta"));
    for (QRadioButton* radio : {RadioButton5, RadioButton3, RadioButton1})
        connect(radio, &QRadioButton::toggled, this, [this, radio](bool on) {
            if (on) RadioClicked(radio);
        });
    // The human choosing "Hra" while laying the talon starts the talon choice again (and the
    // seven and hundred boxes afresh), also when it was checked already. Only a click does:
    // the game checking it itself has laid the cards out already.
    connect(RadioButton5, &QRadioButton::clicked, this, [this] {
        if (player_) GameCall([this] { player_->RelayForDiscard(); });
    });

    GroupBox2 = new QGroupBox(QStringLiteral(" Finance "), Panel1);
    GroupBox2->resize(249, 121);
    QFont bold = small;
    bold.setPixelSize(12);
    bold.setBold(true);
    QFont money = bold;
    money.setFamily(QStringLiteral("DejaVu Sans Mono"));
    QLabel** names[3] = {&Label4, &Label5, &Label6};
    QLineEdit** fields[3] = {&Edit1, &Edit2, &Edit3};
    for (int i = 0; i < 3; ++i) {
        QLabel* name = *names[i] = new ShadowLabel(GroupBox2);
        name->setFont(bold);
        name->setGeometry(8, 24 + 32 * i, 127, 21);
        QLineEdit* field = *fields[i] = new QLineEdit(GroupBox2);
        field->setFont(money);
        field->setGeometry(143, 24 + 32 * i, 81, 21);
        field->setEnabled(false);
        field->setStyleSheet(
            QStringLiteral("QLineEdit, QLineEdit:disabled { color: #ffff00; background: #000000;"
                           " border: 1px solid #4f4f4f; }"));
    }

    ListBox1 = new QListWidget(Panel1);
    QFont log = small;
    log.setPixelSize(12);
    ListBox1->setFont(log);
    ListBox1->setItemDelegate(new LogLineDelegate(ListBox1));
    ListBox1->setUniformItemSizes(true);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
    ListBox1->setFocusPolicy(Qt::NoFocus);
    ListBox1->setStyleSheet(
        QStringLiteral("QListWidget { color: #ffff00; background: #000000; border: none; }"));
    ListBox1->addItem(QString(53, QLatin1Char('-')));
    ListBox1->addItem(QString(18, QLatin1Char(' ')) + QStringLiteral("Kvelta"));
    ListBox1->addItem(QString(10, QLatin1Char(' ')) + QStringLiteral("© Kvelta developers"));

    // The human's two buttons; the human's seat moves them where it needs them and shows them.
    TrumpButton = new QPushButton(QStringLiteral("Trumf"), Panel1);
    TalonButton = new QPushButton(QStringLiteral("Talon"), Panel1);
    for (QPushButton* button : {TrumpButton, TalonButton}) {
        button->setGeometry((641 - 187) / 2, 441 / 2, kHumanButtonWidth, kHumanButtonHeight);
        button->setEnabled(false);
        button->hide();
    }
    connect(TrumpButton, &QPushButton::clicked, this,
            [this] { GameCall([this] { player_->TrumpButtonClick(); }); });
    connect(TalonButton, &QPushButton::clicked, this,
            [this] { GameCall([this] { player_->TalonButtonClick(); }); });

    Timer1.setSingleShot(true);
    Timer1.setInterval(2000);
    connect(&Timer1, &QTimer::timeout, this, &TMain::Timer1Timer);
}

void TMain::BuildMenu() {
    QMenu* hra = menuBar()->addMenu(QStringLiteral("Hra"));
    hra->setToolTipsVisible(true);
    Menu_NovaHra = hra->addAction(QStringLiteral("Nová hra"));
    Menu_NovaHra->setShortcut(Qt::Key_F2);
    Menu_NovaHra->setToolTip(QStringLiteral("Spustí se nová hra"));
    Menu_NovaHra->setStatusTip(Menu_NovaHra->toolTip());
    Menu_Poradit = hra->addAction(QStringLiteral("Poradit"));
    Menu_Poradit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    Menu_Poradit->setToolTip(QStringLiteral("Ukáže kartu, kterou by zahrál silnější hráč"));
    Menu_Poradit->setStatusTip(Menu_Poradit->toolTip());
    Menu_Poradit->setEnabled(false);
    Mebu_quit = hra->addAction(QStringLiteral("Konec"));

    QMenu* statistika = menuBar()->addMenu(QStringLiteral("Statistika"));
    Menu_LastGame = statistika->addAction(QStringLiteral("Poslední hra"));
    Menu_LastGame->setEnabled(false);
    Menu_PlayerRatings = statistika->addAction(QStringLiteral("Hodnocení hráčů"));

    QMenu* nastaveni = menuBar()->addMenu(QStringLiteral("Nastavení"));
    Menu_optionHra = nastaveni->addAction(QStringLiteral("Hra"));
    Menu_optionMichani = nastaveni->addAction(QStringLiteral("Míchání"));
    Menu_optionPlayer = nastaveni->addAction(QStringLiteral("Hráči"));
    Menu_optionSouperi = nastaveni->addAction(QStringLiteral("Soupeři"));
    manu_optionBanka = nastaveni->addAction(QStringLiteral("Banka"));
    menu_rubs = nastaveni->addAction(QStringLiteral("Rub karet"));

    QMenu* napoveda = menuBar()->addMenu(QStringLiteral("Nápověda"));
    Menu_About = napoveda->addAction(QStringLiteral("O programu"));

    connect(Menu_NovaHra, &QAction::triggered, this, &TMain::Menu_NovaHraClick);
    connect(Mebu_quit, &QAction::triggered, this, &TMain::Mebu_quitClick);
    connect(Menu_Poradit, &QAction::triggered, this, &TMain::Menu_PoraditClick);
    // "Hodnocení hráčů" and the settings items belong to their dialogs.
    connect(Menu_LastGame, &QAction::triggered, this, &TMain::Menu_LastGameClick);
    connect(Menu_About, &QAction::triggered, this, &TMain::Menu_AboutClick);
}

void TMain::Report(const QString& text) {
    if (setup_.report)
        setup_.report(text);
    else
        QMessageBox::warning(this, QStringLiteral("Kvelta"), text);
}

void TMain::GameCall(const std::function<void()>& call) {
    // Not while the game is inside a call: a dialog or a sound may wait there.
    Menu_Poradit->setEnabled(false);
    {
        IdleDriver::Hold hold(*idle_);
        call();
    }
    UpdateHintMenu();
}

void TMain::UpdateHintMenu() {
    Menu_Poradit->setEnabled(player_ && game_->AwaitsCardFrom(*player_));
}

// --- menu commands ---

void TMain::Menu_NovaHraClick() {
    GameCall([this] { game_->NewGame(); });
}

void TMain::Mebu_quitClick() {
    close();
}

void TMain::Menu_LastGameClick() {
    if (result_) result_->ShowLastGame();
}

void TMain::Menu_AboutClick() {
    auto* about = new TAboutBox(TAboutBox::Credits, this);
    about->exec();
}

void TMain::Menu_PoraditClick() {
    // The shortcut may come a moment after the menu's state went stale.
    if (!player_ || !game_->AwaitsCardFrom(*player_)) return;
    player_->ShowHint(HintedSlot(*game_, *player_));
}

void TMain::Timer1Timer() {
    GameCall([this] { game_->TrickTimerFired(); });
}

void TMain::CardPictureClicked(int picture) {
    // Only the human's own cards answer a click; the others' lie face down.
    GameCall([this, picture] { player_->PictureClick(picture); });
}

// --- resizing ---

bool TMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel1 && event->type() == QEvent::Resize) myResize();
    // Any click on the table, a card's too (the cards pass their clicks on), puts the hint
    // back.
    if (watched == Panel1 && event->type() == QEvent::MouseButtonPress && player_)
        player_->ClearHint();
    return QMainWindow::eventFilter(watched, event);
}

void TMain::myResize() {
    // During a deal the cards lie where the table was when they were dealt.
    if (!Menu_optionHra->isEnabled()) return;
    QSize s = size();
    if (s.height() < 500) s.setHeight(500);
    if (s.width() < 652) s.setWidth(651);
    if (s != size()) resize(s);
    const int w = TableWidth(), h = TableHeight();
    GroupBox1->move(w - 275, 16);
    GroupBox2->move(w - 275, 160);
    ListBox1->setGeometry(w - 220, 288, 193, std::max(0, h - 288 - 30));
    Label1->move(16, h - 33);
}

void TMain::closeEvent(QCloseEvent* event) {
    // The game stops where it stands: no trick is collected while the closing sound plays.
    IdleDriver::Hold hold(*idle_);
    Timer1.stop();
    sound_->PlaySound("wavs\\konec.wav", false);
    if (settings_.loaded) {
        std::string error;
        // Names, money and rules would be lost without a word: the player hears it once, here.
        if (!SaveSettings(setup_.settingsFile.toStdString(), settings_, *game_, *this, error) &&
            !error.empty())
            Report(QStringLiteral("Nastavení nelze uložit, jména, peníze a pravidla této hry se "
                                  "ztratí.\n%1")
                       .arg(Q(error)));
    }
    event->accept();
}

// --- the contract group ---

void TMain::sedmaTrue() {
    for (QCheckBox* box : {CheckBox1, CheckBox2}) {
        box->setEnabled(true);
        box->setChecked(false);
    }
    Image1->setEnabled(true);
    Label16->setText(QStringLiteral("Barva"));
}

void TMain::sedmaFalse() {
    CheckBox1->setEnabled(false);
    CheckBox2->setEnabled(false);
    Image1->setEnabled(false);
    if (RadioButton3->isChecked()) Label16->setText(QStringLiteral("Betl"));
    if (RadioButton1->isChecked()) Label16->setText(QStringLiteral("Durch"));
}

void TMain::RadioClicked(QRadioButton* button) {
    if (button == RadioButton5)
        sedmaTrue();
    else
        sedmaFalse();
}

void TMain::MoveButton(HumanButton b, int left, int top) {
    (b == HumanButton::Trump ? TrumpButton : TalonButton)->move(left, top);
}
void TMain::ShowButton(HumanButton b, bool visible) {
    QPushButton* button = b == HumanButton::Trump ? TrumpButton : TalonButton;
    button->setVisible(visible);
    if (visible) button->raise();  // above the cards dealt since it was made
}
void TMain::EnableButton(HumanButton b, bool enabled) {
    (b == HumanButton::Trump ? TrumpButton : TalonButton)->setEnabled(enabled);
}
int TMain::CheckedContract() const {
    return RadioButton3->isChecked() ? Betl : RadioButton1->isChecked() ? Durch : Barva;
}

void TMain::HraDisableAll() {
    sedmaFalse();
    RadioButton1->setEnabled(false);
    RadioButton3->setEnabled(false);
    RadioButton5->setEnabled(false);
}

void TMain::HraEnableAll(int k) {
    if (k == Barva) {
        sedmaTrue();
        RadioButton5->setEnabled(true);
    }
    if (k < Durch) RadioButton3->setEnabled(true);
    if (k <= Durch) RadioButton1->setEnabled(true);
    QRadioButton* chosen = k == Barva ? RadioButton5 : k == Betl ? RadioButton3 : RadioButton1;
    chosen->setChecked(true);
}

bool TMain::SevenBoxChecked() const {
    return CheckBox1->isChecked();
}
bool TMain::HundredBoxChecked() const {
    return CheckBox2->isChecked();
}

void TMain::UncheckDeclarationBoxes() {
    CheckBox1->setChecked(false);
    CheckBox2->setChecked(false);
}

void TMain::ShowTrumpCard(const Card& card) {
    Image1->ShowCard(card, false);
    trumpShowsBack_ = false;
}
void TMain::ShowTrumpBack() {
    Image1->ShowPicture(CardBack(Image1->size()));
    trumpShowsBack_ = true;
}
void TMain::SetDeclarerLabel(std::string_view text) {
    Label10->setText(Q(text));
}
void TMain::SetContractLabel(std::string_view text) {
    Label16->setText(Q(text));
}

void TMain::DisableHumanButtons() {
    TrumpButton->setEnabled(false);
    TalonButton->setEnabled(false);
}
void TMain::HideTalonButton() {
    TalonButton->hide();
}

// --- menus, cursor, timer, log, money ---

void TMain::EnableNewGame(bool on) {
    Menu_NovaHra->setEnabled(on);
}
void TMain::EnableRulesMenu(bool on) {
    Menu_optionHra->setEnabled(on);
}
void TMain::EnableLastGame(bool on) {
    Menu_LastGame->setEnabled(on);
}

void TMain::SetBusyCursor(bool busy) {
    if (busy)
        Panel1->setCursor(Qt::WaitCursor);
    else
        Panel1->unsetCursor();
}

void TMain::SetTrickTimer(bool on) {
    // Asked again on every idle pass while the trick lies: the pause must not start over.
    if (!on)
        Timer1.stop();
    else if (!Timer1.isActive())
        Timer1.start();
}

void TMain::LogLine(std::string_view text) {
    ListBox1->insertItem(0, Q(text));
}

void TMain::ShowFinance(double m1, double m2, double m3) {
    Edit1->setText(Q(FormatAmount(m1)));
    Edit2->setText(Q(FormatAmount(m2)));
    Edit3->setText(Q(FormatAmount(m3)));
}

void TMain::ShowMessage(std::string_view text) {
    Report(Q(text));
}

// --- the cards on the table ---

int TMain::TableWidth() const {
    return Panel1->width();
}
int TMain::TableHeight() const {
    return Panel1->height();
}

QPixmap TMain::CardBack(QSize size) const {
    return ScaledPicture(cardBackImage_, size, devicePixelRatioF());
}

TCardImage* TMain::cardPicture(int handle) const {
    const auto it = cards_.find(handle);
    return it == cards_.end() ? nullptr : it->second;
}

void TMain::CreateCardPicture(int picture, int left, int top) {
    auto* image = new TCardImage(Panel1, picture);
    image->setGeometry(left, top, kCardWidth, kCardHeight);
    connect(image, &TCardImage::clicked, this, &TMain::CardPictureClicked);
    cards_[picture] = image;
}

void TMain::ShowCardFace(int picture, const Card& card, int left, int top) {
    TCardImage* image = cardPicture(picture);
    if (!image) return;
    image->setGeometry(left, top, kCardWidth, kCardHeight);
    image->ShowCard(card);
    image->show();
}

void TMain::ShowCardBack(int picture, int left, int top) {
    TCardImage* image = cardPicture(picture);
    if (!image) return;
    image->setGeometry(left, top, kCardWidth, kCardHeight);
    image->ShowPicture(CardBack(kCardSize));
    image->show();
}

void TMain::MoveCardPicture(int picture, int left, int top) {
    if (TCardImage* image = cardPicture(picture)) image->move(left, top);
}

void TMain::DestroyCardPicture(int picture) {
    const auto it = cards_.find(picture);
    if (it == cards_.end()) return;
    // The picture may be the one whose click is being handled.
    it->second->hide();
    it->second->deleteLater();
    cards_.erase(it);
}

void TMain::ShowTrickCard(int seatNo, const Card& card, int left, int top) {
    TCardImage*& image = trick_[seatNo - 1];
    delete image;
    image = new TCardImage(Panel1);
    image->setGeometry(left, top, kCardWidth, kCardHeight);
    image->ShowCard(card);
    image->show();
    image->raise();
}

void TMain::ClearTrickCards() {
    for (TCardImage*& image : trick_) {
        delete image;
        image = nullptr;
    }
}

void TMain::ShowMeldPicture(int, const Card& card, int x, int y) {
    auto* image = new TCardImage(Panel1);
    image->setGeometry(x, y, kMeldSize.width(), kMeldSize.height());
    image->ShowCard(card);
    image->show();
    melds_.push_back(image);
}

void TMain::HideMeldPictures() {
    for (TCardImage* image : melds_) delete image;
    melds_.clear();
}

// --- what the settings file reads and writes ---

void TMain::SetWindowBounds(const WindowBounds& b) {
    move(b.left, b.top);
    resize(b.width, b.height);
}

WindowBounds TMain::CurrentWindowBounds() const {
    return WindowBounds{x(), y(), width(), height()};
}

void TMain::ShowSeatName(int seatNo, std::string_view name) {
    QLabel* table[3] = {Label1, Label2, Label3};
    QLabel* money[3] = {Label4, Label5, Label6};
    if (seatNo < 1 || seatNo > 3) return;
    table[seatNo - 1]->setText(Q(name));
    money[seatNo - 1]->setText(Q(name));
}

void TMain::ShowSeatMoney(int seatNo, std::string_view text) {
    QLineEdit* fields[3] = {Edit1, Edit2, Edit3};
    if (seatNo >= 1 && seatNo <= 3) fields[seatNo - 1]->setText(Q(text));
}

bool TMain::LoadCardBack(const std::string& path, std::string& error) {
    QImageReader reader(LocalPath(path));
    QImage image = reader.read();
    if (image.isNull()) {
        error = path + ": " + reader.errorString().toStdString();
        return false;
    }
    cardBackImage_ = std::move(image);
    // Backs already on the table turn over to the new picture at once.
    for (const auto& [handle, card] : cards_)
        if (card->isVisibleTo(Panel1) && !card->showsFace()) card->ShowPicture(CardBack(kCardSize));
    if (trumpShowsBack_) ShowTrumpBack();
    return true;
}

void TMain::OpenHomePage(const std::string& address) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(Q(address)));
}
