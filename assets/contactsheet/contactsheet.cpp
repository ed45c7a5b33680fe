// SPDX-License-Identifier: GPL-3.0-or-later
// Contact sheets of the generated pictures: one PNG per layout (small, big) showing every picture
// of the manifest with its name, so a person can review the whole set at a glance.
//   contactsheet <assets folder> <program folder> <output folder>
#include "assetkit.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <cstdio>

namespace {

constexpr int kCell = 210;       // room for a picture
constexpr int kLabel = 28;       // room for its name under it
constexpr int kColumns = 9;

enum class Layout { Small, Big, Both };

// Which layout a file belongs to, by the naming rules of the Data folder.
Layout LayoutOf(const QString& path)
{
    const QString name = QFileInfo(path).completeBaseName();
    static const QRegularExpression big("(_b|_shb|_b_[A-Z]?|_red_b)$|^B_|^b_(?!malo|srednio|duzo)|^mT_.*_b$");
    static const QRegularExpression small("(_s|_ss|_shs|_red_s)$|^s_|_s_[A-Za-z]*$");
    if (path.contains("/bg/") || big.match(name).hasMatch())
        return Layout::Big;
    if (path.contains("/sm/") || small.match(name).hasMatch())
        return Layout::Small;
    return Layout::Both;
}

QImage Sheet(const QList<QPair<QString, QImage>>& pictures, const QString& title)
{
    const int rows = int((pictures.size() + kColumns - 1) / kColumns);
    QImage sheet(kColumns * kCell, 60 + rows * (kCell + kLabel), QImage::Format_RGB32);
    sheet.fill(QColor(0xEE, 0xEA, 0xF2));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setFont(kit::LabelFont(26));
    p.setPen(QColor(0x3D, 0x2C, 0x4E));
    p.drawText(QRect(0, 0, sheet.width(), 60), Qt::AlignCenter, title);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(11);
    p.setFont(small);
    for (int i = 0; i < pictures.size(); ++i) {
        const QRect cell((i % kColumns) * kCell, 60 + (i / kColumns) * (kCell + kLabel), kCell, kCell + kLabel);
        const QImage& image = pictures[i].second;
        QSize shown = image.size();
        if (shown.width() > kCell - 10 || shown.height() > kCell - 10)
            shown.scale(kCell - 10, kCell - 10, Qt::KeepAspectRatio);
        const QRect target(cell.left() + (kCell - shown.width()) / 2, cell.top() + (kCell - shown.height()) / 2,
                           shown.width(), shown.height());
        // A checkerboard shows where a picture is white or black at its edges.
        for (int y = target.top() - 2; y < target.bottom() + 2; y += 8)
            for (int x = target.left() - 2; x < target.right() + 2; x += 8)
                p.fillRect(QRect(x, y, 8, 8) & target.adjusted(-2, -2, 2, 2),
                           ((x + y) / 8) % 2 ? QColor(200, 200, 205) : QColor(235, 235, 240));
        p.drawImage(target, image);
        p.setPen(QColor(0x3D, 0x2C, 0x4E));
        const QString label = QString("%1 %2x%3").arg(QFileInfo(pictures[i].first).fileName())
                                  .arg(image.width()).arg(image.height());
        p.drawText(QRect(cell.left() + 2, cell.top() + kCell, kCell - 4, kLabel), Qt::AlignCenter | Qt::TextWordWrap,
                   label);
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ASSETS_FOLDER PROGRAM_FOLDER OUTPUT_FOLDER\n", argv[0]);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir groups(QString::fromLocal8Bit(argv[1]) + "/groups");
    const QDir program(QString::fromLocal8Bit(argv[2]));
    const QDir out(QString::fromLocal8Bit(argv[3]));
    QDir().mkpath(out.path());
    QList<QPair<QString, QImage>> small, big;
    for (const QString& group : groups.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QFile manifest(groups.filePath(group + "/manifest.txt"));
        if (!manifest.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& raw : manifest.readAll().split('\n')) {
            const QStringList words = QString::fromUtf8(raw).section('#', 0, 0).simplified().split(' ');
            static const QStringList pictureKinds = {"jpeg", "bmp", "bmpgrey", "png"};
            if (words.size() < 2 || !pictureKinds.contains(words[1]))
                continue;
            QImageReader reader(program.filePath(words[0]), words[1] == "jpeg" ? "jpg" : words[1] == "png" ? "png" : "bmp");
            const QImage image = reader.read();
            if (image.isNull()) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(words[0]));
                return 1;
            }
            const Layout layout = LayoutOf(words[0]);
            if (layout != Layout::Big)
                small.append({words[0], image});
            if (layout != Layout::Small)
                big.append({words[0], image});
        }
    }
    const bool ok = Sheet(small, QString("Small layout (800 x 600): %1 pictures").arg(small.size()))
                        .save(out.filePath("contact_small.png")) &&
                    Sheet(big, QString("Big layout (1024 x 768): %1 pictures").arg(big.size()))
                        .save(out.filePath("contact_big.png"));
    std::printf("%s\n%s\n", qPrintable(out.filePath("contact_small.png")), qPrintable(out.filePath("contact_big.png")));
    return ok ? 0 : 1;
}
