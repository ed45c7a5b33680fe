// SPDX-License-Identifier: GPL-3.0-or-later
// The word pictures and letter tiles of the practice words (see wordart.h).
#include "wordart.h"

#include "assetkit.h"
#include "words/soundmarks.h"
#include "words/wordlist.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <cmath>
#include <stdexcept>

namespace words {

namespace {

// Colours shared by every drawing of the program.
const QColor kPlum(0x3D, 0x2C, 0x4E);
const QColor kLetterRed(0xE2, 0x1B, 0x2D);
const QColor kLetterBlack(0x14, 0x10, 0x18);

[[noreturn]] void Fail(const QString& what)
{
    throw std::runtime_error(what.toStdString());
}

QString SizeSuffixedPath(const QString& folder, const QString& name, const QString& suffix)
{
    return folder + name + suffix + ".xji";
}

}  // namespace

QList<Word> ParseWordList(const QString& text)
{
    QList<Word> words;
    for (const wordlist::Entry& entry : wordlist::Parse(text))
        words.append(Word{entry.name, entry.split, entry.picture});
    return words;
}

QString DrawingPath(const Word& word)
{
    if (word.picture == wordlist::kOwnPicture)
        return "svg/" + word.name + ".svg";
    return "../../third_party/twemoji/svg/" + word.picture + ".svg";
}

QList<Piece> SplitPieces(const QString& split)
{
    QList<Piece> pieces;
    for (const QString& raw : split.split(',')) {
        if (raw.isEmpty())
            continue;
        Piece piece;
        piece.practised = raw.startsWith('_');
        piece.text = piece.practised ? raw.mid(1) : raw;
        // A lone "_" names no letter: there is no tile to show for it.
        if (!piece.text.isEmpty())
            pieces.append(piece);
    }
    return pieces;
}

QString FileNameForm(const QString& letter)
{
    // The order matters: the two-letter forms must be tried before their single letters.
    static const QList<QPair<QString, QString>> table = {
        {QStringLiteral("dż"), QStringLiteral("dzz")}, {QStringLiteral("dź"), QStringLiteral("dzzz")},
        {QStringLiteral("ż"), QStringLiteral("zz")},   {QStringLiteral("ź"), QStringLiteral("zzz")},
        {QStringLiteral("ó"), QStringLiteral("oo")},   {QStringLiteral("ł"), QStringLiteral("ll")},
        {QStringLiteral("ć"), QStringLiteral("cc")},   {QStringLiteral("ś"), QStringLiteral("ss")},
        {QStringLiteral("ń"), QStringLiteral("nn")},   {QStringLiteral("ę"), QStringLiteral("ee")},
        {QStringLiteral("ą"), QStringLiteral("aa")},
    };
    for (const auto& [polish, ascii] : table)
        if (letter == polish)
            return ascii;
    return letter;
}

QList<Tile> TilesFor(const QList<Word>& words)
{
    QList<Tile> tiles;
    QSet<QString> seen;
    auto add = [&](const QString& letter, bool red) {
        const QString name = FileNameForm(letter) + (red ? QStringLiteral("_red") : QString());
        if (seen.contains(name))
            return;
        seen.insert(name);
        tiles.append(Tile{letter, name, red});
    };
    // The whole alphabet, so that any word the list (or an adult) adds finds its tiles.
    for (const QString& letter : soundmarks::KnownElements())
        add(letter, false);
    for (const QString& letter : soundmarks::MarkableElements())
        add(letter, true);
    for (const Word& word : words)
        for (const Piece& piece : SplitPieces(word.split)) {
            // The flying saucer carries practised letters as plain blocks, so they need both.
            add(piece.text, false);
            if (piece.practised)
                add(piece.text, true);
        }
    return tiles;
}

QList<Output> Plan(const QList<Word>& words)
{
    QList<Output> out;
    const QString maskSmall = QStringLiteral("Data/Bion/_matr_shs.xji");
    const QString maskLarge = QStringLiteral("Data/Bion/_matr_shb.xji");
    out.append({maskSmall, "jpeg", kBigSmall, "mask"});
    out.append({maskLarge, "jpeg", kBigLarge, "mask"});
    static const char* const thumbSuffixes[3] = {"_ss", "_s", "_b"};
    for (const Word& word : words) {
        out.append({SizeSuffixedPath("Data/Bion/", word.name, "_shs"), "jpeg", kBigSmall,
                    "white-outside=" + maskSmall});
        out.append({SizeSuffixedPath("Data/Bion/", word.name, "_shb"), "jpeg", kBigLarge,
                    "white-outside=" + maskLarge});
        for (int i = 0; i < 3; ++i)
            out.append({SizeSuffixedPath("Data/Klc/", word.name, thumbSuffixes[i]), "jpeg",
                        QSize(kThumbSides[i], kThumbSides[i]), QString()});
    }
    for (const Tile& tile : TilesFor(words)) {
        out.append({"Data/Res/" + tile.storeName + "_s.png", "png", QSize(kTileSmall, kTileSmall), {}});
        out.append({"Data/Res/" + tile.storeName + "_b.png", "png", QSize(kTileLarge, kTileLarge), {}});
    }
    return out;
}

QString ManifestText(const QList<Word>& words)
{
    QString text = QStringLiteral(
        "# Word pictures (big ones with their mask, small ones for tiles and maze cells) and the\n"
        "# letter tiles of the picture store. Made by assetgen_words from words.txt and svg/.\n");
    for (const Output& o : Plan(words)) {
        QString line = QStringLiteral("%1 %2 %3 %4").arg(o.path, o.kind).arg(o.size.width()).arg(
            o.size.height());
        if (!o.checks.isEmpty())
            line += ' ' + o.checks;
        text += line + '\n';
    }
    return text;
}

QString SpeechManifestWith(const QString& speechManifest, const QList<Word>& words)
{
    static const QString kHeading = QStringLiteral("# Spoken words\n");
    const qsizetype start = speechManifest.indexOf(kHeading);
    if (start < 0)
        Fail(QStringLiteral("the speech manifest has no \"# Spoken words\" block"));
    const qsizetype body = start + kHeading.size();
    qsizetype end = speechManifest.indexOf(QStringLiteral("\n#"), body - 1);
    end = end < 0 ? speechManifest.size() : end + 1;
    QString block;
    for (const Word& word : words)
        block += "Data/Smd/" + word.name + ".pw wav\n";
    return speechManifest.left(body) + block + speechManifest.mid(end);
}

QByteArray ScaleStrokes(const QByteArray& svg, double factor)
{
    static const QRegularExpression rule(QStringLiteral("stroke-width=\"([0-9]*\\.?[0-9]+)\""));
    const QString text = QString::fromUtf8(svg);
    QString result;
    qsizetype last = 0;
    auto it = rule.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        result += text.mid(last, match.capturedStart() - last);
        const double width = match.captured(1).toDouble() * factor;
        result += QStringLiteral("stroke-width=\"%1\"").arg(width, 0, 'f', 3);
        last = match.capturedEnd();
    }
    result += text.mid(last);
    return result.toUtf8();
}

QImage RenderFitted(const QByteArray& svg, QSize canvas, const QRectF& box, double strokeScale)
{
    QSvgRenderer renderer(strokeScale == 1 ? svg : ScaleStrokes(svg, strokeScale));
    if (!renderer.isValid())
        Fail(QStringLiteral("invalid SVG drawing"));
    QRectF view = renderer.viewBoxF();
    if (view.isEmpty())
        view = QRectF(QPointF(0, 0), QSizeF(renderer.defaultSize()));
    if (view.isEmpty() || box.isEmpty())
        Fail(QStringLiteral("SVG drawing without a size"));
    const double scale = std::min(box.width() / view.width(), box.height() / view.height());
    const QSizeF drawn(view.width() * scale, view.height() * scale);
    const QRectF target(box.center().x() - drawn.width() / 2, box.center().y() - drawn.height() / 2,
                        drawn.width(), drawn.height());
    QImage image(canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, target);
    return image;
}

QImage RenderTrimmed(const QByteArray& svg, QSize canvas, const QRectF& box, double strokeScale)
{
    // Drawn large once to find what it paints, then that part is fitted as a drawing of its own.
    constexpr int kProbe = 512;
    const QImage probe = RenderFitted(svg, QSize(kProbe, kProbe), QRectF(0, 0, kProbe, kProbe), strokeScale);
    int left = kProbe, top = kProbe, right = -1, bottom = -1;
    for (int y = 0; y < kProbe; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(probe.constScanLine(y));
        for (int x = 0; x < kProbe; ++x)
            if (qAlpha(line[x]) > 16) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    if (right < 0)
        Fail(QStringLiteral("the drawing paints nothing"));
    const QRectF painted(left, top, right - left + 1, bottom - top + 1);
    const double scale = std::min(box.width() / painted.width(), box.height() / painted.height());
    // The probe's square stands for the drawing's whole view: scale it so that the painted part
    // fills `box`, centred.
    const QRectF whole(box.center().x() - (painted.center().x()) * scale,
                       box.center().y() - (painted.center().y()) * scale, kProbe * scale, kProbe * scale);
    QImage image = RenderFitted(svg, canvas, whole, strokeScale);
    // Faint edges the probe passed over, and anything drawn outside the view box, stay in the box.
    QPainter clip(&image);
    clip.setCompositionMode(QPainter::CompositionMode_Clear);
    QPainterPath outside;
    outside.addRect(QRectF(image.rect()));
    QPainterPath inside;
    inside.addRect(box);
    clip.fillPath(outside.subtracted(inside), Qt::transparent);
    return image;
}

QImage BigPicture(const QByteArray& svg, QSize size)
{
    const double strokeScale = 1.0;
    return WhiteOutside(RenderTrimmed(svg, size, BigPictureBox(size), strokeScale), FrameMask(size));
}

QImage Thumbnail(const QByteArray& svg, int side)
{
    QImage image = ThumbnailCard(side);
    // Small pictures keep bolder outlines: a thin line vanishes at this size.
    const double strokeScale = side < 70 ? 2.1 : side < 90 ? 1.8 : 1.55;
    QPainter painter(&image);
    painter.drawImage(0, 0, RenderTrimmed(svg, image.size(), ThumbnailBox(side), strokeScale));
    painter.end();
    return image;
}

QImage TileImage(const QString& letter, int side, bool red)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = side / 44.0;  // everything is laid out at 44 pixels and scaled
    const double outline = 2.0 * s;
    const double radius = 8 * s;
    const double depth = 5 * s;
    const QRectF body(outline / 2 + 0.5, outline / 2 + 0.5, side - outline - 1, side - outline - 1);

    // The tile's lower side shows below its face: that gives it its depth.
    painter.setPen(QPen(kPlum, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xE8, 0xB0, 0x62));
    painter.drawRoundedRect(body, radius, radius);

    const QRectF face(body.left(), body.top(), body.width(), body.height() - depth);
    QLinearGradient paper(face.topLeft(), face.bottomLeft());
    paper.setColorAt(0, QColor(0xFF, 0xFC, 0xF2));
    paper.setColorAt(1, QColor(0xFF, 0xEE, 0xC8));
    painter.setBrush(paper);
    painter.drawRoundedRect(face, radius, radius);

    // A soft gloss along the top edge.
    painter.setPen(QPen(QColor(255, 255, 255, 200), 2 * s, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(face.left() + radius, face.top() + 3 * s),
                     QPointF(face.right() - radius * 1.6, face.top() + 3 * s));

    // The letter, as big as the face allows; several letters of one piece share the face.
    int pixels = int(std::lround(31 * s));
    QFont font = kit::LabelFont(pixels);
    const double room = face.width() - 8 * s;
    while (pixels > 8 && QFontMetricsF(font).horizontalAdvance(letter) > room)
        font = kit::LabelFont(--pixels);
    const QFontMetricsF metrics(font);
    // One baseline for every tile, so that a word spelled with them reads as a line: the span
    // from the top of "l" to the bottom of "y" is centred on the face. Across, the ink is centred.
    const double above = -metrics.tightBoundingRect(QStringLiteral("l")).top();
    const double below = metrics.tightBoundingRect(QStringLiteral("y")).bottom();
    const QRectF ink = metrics.tightBoundingRect(letter);
    const QPointF origin(face.center().x() - ink.center().x(),
                         face.center().y() + (above - below) / 2);
    QPainterPath path;
    path.addText(origin, font, letter);
    // A thin pen of the letter's own colour thickens the strokes so they read from afar.
    const QColor colour = red ? kLetterRed : kLetterBlack;
    painter.setPen(QPen(colour, 1.1 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.end();
    return image;
}

}  // namespace words
