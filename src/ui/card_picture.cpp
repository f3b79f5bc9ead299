#include "ui/card_picture.h"

#include <QDir>
#include <QHash>
#include <QImageReader>
#include <array>

#include "deal/card.h"

namespace {

std::array<QImage, 32> gFaces;
QHash<QString, QPixmap> gScaled;

int FaceIndex(int suit, int rankCode) {
    if (rankCode == 15) rankCode = kTen;
    if (rankCode == 16) rankCode = kAce;
    if (suit < 0 || suit > 3 || rankCode < 7 || rankCode > 14) return -1;
    return suit * 8 + rankCode - 7;
}

}  // namespace

bool LoadCardPictures(const QString& folder, QString& error) {
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 7; rank <= 14; ++rank) {
            const QString name =
                QString::fromStdString(CardPictureFile(uint8_t(suit), uint8_t(rank)));
            QImageReader reader(QDir(folder).filePath(name));
            QImage image = reader.read();
            if (image.isNull()) {
                error = name + ": " + reader.errorString();
                return false;
            }
            gFaces[FaceIndex(suit, rank)] = std::move(image);
        }
    }
    gScaled.clear();
    return true;
}

void UnloadCardPictures() {
    for (QImage& face : gFaces) face = QImage();
    gScaled.clear();
}

const QImage& CardPicture(int suit, int rankCode) {
    static const QImage kNone;
    const int i = FaceIndex(suit, rankCode);
    return i < 0 ? kNone : gFaces[i];
}

QPixmap ScaledPicture(const QImage& image, QSize size, qreal pixelRatio) {
    if (image.isNull()) return {};
    QImage scaled =
        image.scaled(size * pixelRatio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(pixelRatio);
    return QPixmap::fromImage(std::move(scaled));
}

QPixmap CardPixmap(int suit, int rankCode, QSize size, qreal pixelRatio) {
    const int i = FaceIndex(suit, rankCode);
    if (i < 0 || gFaces[i].isNull()) return {};
    const QString key =
        QStringLiteral("%1/%2x%3@%4").arg(i).arg(size.width()).arg(size.height()).arg(pixelRatio);
    auto it = gScaled.find(key);
    if (it == gScaled.end()) it = gScaled.insert(key, ScaledPicture(gFaces[i], size, pixelRatio));
    return *it;
}
