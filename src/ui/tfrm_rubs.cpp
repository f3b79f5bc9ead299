#include "ui/tfrm_rubs.h"

#include <QDir>
#include <QHBoxLayout>
#include <QImageReader>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/local_path.h"

namespace {

constexpr int kThumbWidth = 65;
constexpr int kThumbHeight = 95;

// Scaled once, smoothly, for the screen's pixel density; never again while painting.
QPixmap Thumbnail(const QPixmap& picture, qreal dpr) {
    QPixmap scaled = picture.scaled(QSize(kThumbWidth, kThumbHeight) * dpr, Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(dpr);
    return scaled;
}

}  // namespace

bool LoadStoredPicture(const std::string& storedPath, QPixmap& picture, QString& error) {
    QImageReader reader(LocalPath(storedPath));
    const QImage image = reader.read();
    if (image.isNull()) {
        error = QString::fromStdString(storedPath) + QStringLiteral(": ") + reader.errorString();
        return false;
    }
    picture = QPixmap::fromImage(image);
    return true;
}

TRubs::TRubs(std::string path, const QPixmap& picture, QWidget* parent)
    : QLabel(parent), path_(std::move(path)) {
    setFixedSize(kThumbWidth, kThumbHeight);
    setPixmap(Thumbnail(picture, devicePixelRatioF()));
    setCursor(Qt::PointingHandCursor);
    setToolTip(QString::fromStdString(path_));
}

void TRubs::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    emit chosen(*this);
}

Tfrm_rubs::Tfrm_rubs(ErrorSink onError, QWidget* parent)
    : QDialog(parent), onError_(std::move(onError)) {
    setWindowTitle(QStringLiteral("Rub karet"));
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setFixedWidth(kThumbWidth + 40);
    ScrollBox1->setMinimumHeight(2 * 100 + 20);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Image1 = new QLabel;
    Image1->setFixedSize(kThumbWidth, kThumbHeight);
    Image1->setFrameShape(QFrame::Box);
    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Zrušit"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(Image1);
    side->addStretch();
    side->addWidget(OKBtn);
    side->addWidget(CancelBtn);
    auto* top = new QHBoxLayout(this);
    top->addWidget(ScrollBox1);
    top->addLayout(side);

    FormCreate();
}

void Tfrm_rubs::FormCreate() {
    // Sorted by name so that the list is the same on every start; ".BMP" counts too.
    const QStringList files =
        QDir(QStringLiteral("images"))
            .entryList({QStringLiteral("*.bmp")}, QDir::Files | QDir::Readable, QDir::Name);
    auto* box = new QWidget;
    int k = 0;
    for (const QString& file : files) {
        const std::string path = "images\\" + file.toStdString();
        QPixmap picture;
        QString error;
        if (!LoadStoredPicture(path, picture, error)) {
            if (onError_) onError_(error);
            continue;
        }
        auto* thumb = new TRubs(path, picture, box);
        thumb->move(10, 10 + 100 * k++);
        connect(thumb, &TRubs::chosen, this, &Tfrm_rubs::ThumbnailClick);
        thumbnails_.push_back(thumb);
    }
    box->setFixedSize(kThumbWidth + 20, 10 + 100 * k);
    ScrollBox1->setWidget(box);
}

void Tfrm_rubs::ShowPreview(const QPixmap& picture) {
    Image1->setPixmap(picture.isNull() ? QPixmap() : Thumbnail(picture, devicePixelRatioF()));
}

void Tfrm_rubs::StartWith(const std::string& currentBack) {
    chosenPath_ = currentBack;
    QPixmap picture;
    QString ignored;  // the table already reported a back it could not load
    LoadStoredPicture(currentBack, picture, ignored);
    ShowPreview(picture);
}

void Tfrm_rubs::ThumbnailClick(const TRubs& thumbnail) {
    chosenPath_ = thumbnail.path();
    ShowPreview(thumbnail.pixmap());
}
