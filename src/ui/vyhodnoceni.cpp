#include "ui/vyhodnoceni.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>

#include "ui/view_stychu.h"

Tvyhodnoceni::Tvyhodnoceni(TViewStychu& tricks, QWidget* parent)
    : QDialog(parent), tricks_(tricks) {
    setWindowTitle(QStringLiteral("Vyhodnocení hry"));

    ListBox1 = new QListWidget(this);
    // The amounts end in column 35: only a fixed-pitch font keeps them under each other.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPixelSize(13);
    ListBox1->setFont(mono);
    ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
    ListBox1->setFocusPolicy(Qt::NoFocus);
    const int width = QFontMetrics(mono).horizontalAdvance(QString(37, QLatin1Char('-'))) + 32;
    ListBox1->setGeometry(8, 8, width, 300);

    OKBtn = new QPushButton(QStringLiteral("Rozdat"), this);
    CancelBtn = new QPushButton(QStringLiteral("Zrušit"), this);
    HelpBtn = new QPushButton(QStringLiteral("Štychy"), this);
    const int step = (width - 3 * 88) / 2 + 88;
    OKBtn->setGeometry(8, 318, 88, 28);
    CancelBtn->setGeometry(8 + step, 318, 88, 28);
    HelpBtn->setGeometry(8 + 2 * step, 318, 88, 28);
    setFixedSize(width + 16, 354);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &Tvyhodnoceni::HelpBtnClick);
    EnableDealButtons(false);
}

void Tvyhodnoceni::ClearResultLines() {
    ListBox1->clear();
}

void Tvyhodnoceni::AddResultLine(std::string_view text) {
    ListBox1->addItem(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void Tvyhodnoceni::EnableDealButtons(bool on) {
    OKBtn->setEnabled(on);
    HelpBtn->setEnabled(on);
    OKBtn->setDefault(on);
}

bool Tvyhodnoceni::ShowResult(const Card (&talon)[2], const Card& trumpCard) {
    EnableDealButtons(true);
    tricks_.ShowTalonAndTrump(talon, trumpCard);
    const int answer = exec();
    EnableDealButtons(false);
    return answer == QDialog::Accepted;
}

void Tvyhodnoceni::ShowLastGame() {
    EnableDealButtons(false);
    exec();
}

void Tvyhodnoceni::AddTrickRow(std::string_view leaderName, const Card (&cards)[3]) {
    tricks_.AddTrickRow(leaderName, cards);
}

void Tvyhodnoceni::ClearTrickRows() {
    tricks_.ClearTrickRows();
}

void Tvyhodnoceni::HelpBtnClick() {
    tricks_.exec();
}
