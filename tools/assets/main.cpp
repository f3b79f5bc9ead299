// kvelta-assets: draws the game's card faces, card backs and icon.
//
//   kvelta-assets [OUT] [--sheet PNG] [--font TTF]
//
// Writes OUT/cards/0_7.bmp .. 3_a.bmp, OUT/images/*.bmp (the card backs, cportal.bmp the
// default), OUT/icons/kvelta-16.png .. kvelta-256.png and kvelta.svg. OUT defaults to
// "assets". --sheet also writes a contact sheet of every card at the size the game shows it,
// scaled down the way the game scales it, for looking them over. Needs a QGuiApplication for
// the fonts; run it with QT_QPA_PLATFORM=offscreen.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QSvgGenerator>
#include <cstdio>
#include <functional>

#include "art.h"

namespace {

constexpr int kPixW = int(art::kCardW) * art::kScale;
constexpr int kPixH = int(art::kCardH) * art::kScale;

[[noreturn]] void Fail(const QString& what) {
    std::fprintf(stderr, "kvelta-assets: %s\n", qPrintable(what));
    std::exit(1);
}

QImage RenderCard(const std::function<void(QPainter&)>& draw) {
    QImage img(kPixW, kPixH, QImage::Format_RGB32);
    img.fill(art::kTableGreen);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(art::kScale, art::kScale);
    draw(p);
    p.end();
    return img;
}

void Save(const QImage& img, const QString& path) {
    if (!img.save(path)) Fail("cannot write " + path);
}

QDir MakeDir(const QString& root, const QString& sub) {
    QDir dir(root);
    if (!dir.mkpath(sub)) Fail("cannot create " + dir.filePath(sub));
    return QDir(dir.filePath(sub));
}

// Every picture shown at 64 x 105 on the table's green, four rows of faces and a row of backs.
void WriteSheet(const std::vector<QImage>& faces, const std::vector<QImage>& backs,
                const QString& path) {
    const int w = int(art::kCardW), h = int(art::kCardH), gap = 6;
    QImage sheet(gap + 8 * (w + gap), gap + 5 * (h + gap), QImage::Format_RGB32);
    sheet.fill(art::kTableGreen);
    QPainter p(&sheet);
    auto put = [&](const QImage& img, int col, int row) {
        p.drawImage(gap + col * (w + gap), gap + row * (h + gap),
                    img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    };
    for (size_t i = 0; i < faces.size(); ++i) put(faces[i], int(i % 8), int(i / 8));
    for (size_t i = 0; i < backs.size(); ++i) put(backs[i], int(i), 4);
    p.end();
    Save(sheet, path);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QString out = "assets", sheetPath;
    QString fontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--sheet" && i + 1 < args.size()) {
            sheetPath = args[++i];
        } else if (args[i] == "--font" && i + 1 < args.size()) {
            fontPath = args[++i];
        } else if (!args[i].startsWith("--")) {
            out = args[i];
        } else {
            Fail("usage: kvelta-assets [OUT] [--sheet PNG] [--font TTF]");
        }
    }

    // A font from a known file, not whatever the system would pick, so every machine draws
    // the same marks.
    const int font = QFontDatabase::addApplicationFont(fontPath);
    if (font < 0) Fail("cannot load the font " + fontPath);
    art::SetMarkFont(QFontDatabase::applicationFontFamilies(font).value(0));

    const QDir cards = MakeDir(out, "cards");
    std::vector<QImage> faces;
    for (int suit = art::kHearts; suit <= art::kBells; ++suit) {
        for (int rank = art::kSeven; rank <= art::kEso; ++rank) {
            faces.push_back(RenderCard([&](QPainter& p) { art::DrawFace(p, suit, rank); }));
            Save(faces.back(), cards.filePath(art::FaceName(suit, rank) + ".bmp"));
        }
    }

    const QDir images = MakeDir(out, "images");
    std::vector<QImage> backs;
    for (int i = 0; i < art::BackCount(); ++i) {
        backs.push_back(RenderCard(art::Back(i).draw));
        Save(backs.back(), images.filePath(art::Back(i).file));
    }

    const QDir icons = MakeDir(out, "icons");
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        art::DrawIcon(p, size);
        p.end();
        Save(img, icons.filePath(QString("kvelta-%1.png").arg(size)));
    }
    QSvgGenerator svg;
    svg.setFileName(icons.filePath("kvelta.svg"));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle("Kvelta");
    svg.setDescription("Kvelta icon");
    QPainter p(&svg);
    p.setRenderHint(QPainter::Antialiasing);
    art::DrawIcon(p, 256);
    p.end();

    if (!sheetPath.isEmpty()) WriteSheet(faces, backs, sheetPath);
    return 0;
}
