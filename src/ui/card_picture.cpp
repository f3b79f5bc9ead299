#include "ui/card_picture.h"

#include <QDir>
#include <QHash>
#include <QImageReader>
#include <array>

#include "deal/card.h"

namespace {

std::array<QImage, 32> gFaces;
QString gFolder;  // where a face not decoded yet is read from
QHash<QString, QPixmap> gScaled;

int FaceIndex(int suit, int rankCode) {
    if (rankCode == 15) rankCode = kTen;
    if (rankCode == 16) rankCode = kAce;
    if (suit < 0 || suit > 3 || rankCode < 7 || rankCode > 14) return -1;
    return suit * 8 + rankCode - 7;
}

QString FaceFile(int i) {
    return QString::fromStdString(CardPictureFile(uint8_t(i / 8), uint8_t(i % 8 + 7)));
}

}  // namespace

bool LoadCardPictures(const QString& folder, QString& error) {
    UnloadCardPictures();
    for (int i = 0; i < 32; ++i) {
        QImageReader reader(QDir(folder).filePath(FaceFile(i)));
        QImage image = reader.read();
        if (image.isNull()) {
            error = FaceFile(i) + ": " + reader.errorString();
            return false;
        }
        gFaces[i] = std::move(image);
    }
    return true;
}

bool CheckCardPictures(const QString& folder, QString& error) {
    UnloadCardPictures();
    for (int i = 0; i < 32; ++i) {
        QImageReader reader(QDir(folder).filePath(FaceFile(i)));
        if (!reader.canRead() || !reader.size().isValid()) {
            error = FaceFile(i) + ": " + reader.errorString();
            return false;
        }
    }
    gFolder = folder;
    return true;
}

void UnloadCardPictures() {
    for (QImage& face : gFaces) face = QImage();
    gFolder.clear();
    gScaled.clear();
}

const QImage& CardPicture(int suit, int rankCode) {
    static const QImage kNone;
    const int i = FaceIndex(suit, rankCode);
    if (i < 0) return kNone;
    if (gFaces[i].isNull() && !gFolder.isEmpty())
        gFaces[i] = QImageReader(QDir(gFolder).filePath(FaceFile(i))).read();
    return gFaces[i];
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
    const QImage& face = CardPicture(suit, rankCode);
    if (face.isNull()) return {};
    const QString key =
        QStringLiteral("%1/%2x%3@%4").arg(i).arg(size.width()).arg(size.height()).arg(pixelRatio);
    auto it = gScaled.find(key);
    if (it == gScaled.end()) it = gScaled.insert(key, ScaledPicture(face, size, pixelRatio));
    return *it;
}
