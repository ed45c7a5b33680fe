// SPDX-License-Identifier: GPL-3.0-or-later
// The word pictures and letter tiles of the practice words: reading the word list, naming the
// files the games open, and composing every picture from the SVG drawings.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include "words/wordframe.h"

namespace words {

// One word of the list: its ASCII file name ("lodowka"), its letter split ("_l,o,d,ó,w,k,a,") and
// where its picture comes from ("own" or a picture set's file name, as in words.txt).
struct Word {
    QString name;
    QString split;
    QString picture = QStringLiteral("own");
};

// The drawing a word's picture is made from, relative to the words group's folder: its own
// drawing svg/NAME.svg or the picture set's file in assets/third_party/twemoji/svg/.
QString DrawingPath(const Word& word);

// One piece of a split: the letter(s) of one tile and whether the child practises it.
struct Piece {
    QString text;
    bool practised = false;
};

// One letter tile picture of the store: the letter shown, its store name without the size suffix
// ("zz", "l_red") and whether the letter is red.
struct Tile {
    QString letter;
    QString storeName;
    bool red = false;
};

// One file this group writes, as a manifest line needs it.
struct Output {
    QString path;    // relative to the program folder
    QString kind;    // jpeg or png
    QSize size;
    QString checks;  // empty, "mask" or "white-outside=PATH"
};

// The names and splits of the word list (read by wordlist::Parse, which throws std::runtime_error
// naming the line when a line is malformed or a name repeats).
QList<Word> ParseWordList(const QString& text);

// The pieces of a split in order; empty pieces are skipped and a last piece without its comma
// ends at the end of the text, as the games read it.
QList<Piece> SplitPieces(const QString& split);

// The ASCII form of a letter used in picture names ("ż" -> "zz"); other texts unchanged.
QString FileNameForm(const QString& letter);

// Every tile the words need: a plain tile for every letter and digraph a split may use, a red one
// for every letter a word may mark, then any other piece of the words in order of appearance.
QList<Tile> TilesFor(const QList<Word>& words);

// The letter tiles' sizes (the word pictures' sizes, mask and quality are in wordframe.h, shared
// with the program, which makes the own words' pictures alike).
inline constexpr int kTileSmall = 44;
inline constexpr int kTileLarge = 55;

// Every file made for `words`, in the order the generator writes them.
QList<Output> Plan(const QList<Word>& words);

// The manifest text for `Plan(words)`, with a short header.
QString ManifestText(const QList<Word>& words);

// The speech group's manifest `speechManifest` with its block of spoken words (the lines after
// "# Spoken words" up to the next comment) listing Data/Smd/NAME.pw of every word, in list order.
QString SpeechManifestWith(const QString& speechManifest, const QList<Word>& words);

// An SVG's drawing fitted into `box` (kept in proportion, centred) on a transparent canvas of
// `canvas` size; every stroke-width is multiplied by `strokeScale` so outlines stay readable
// when the drawing is shrunk. Throws on an invalid drawing.
QImage RenderFitted(const QByteArray& svg, QSize canvas, const QRectF& box, double strokeScale = 1);

// Like RenderFitted, but the painted part of the drawing (not its view box) is fitted into `box`:
// pictures whose objects fill their view box differently come out alike in size.
QImage RenderTrimmed(const QByteArray& svg, QSize canvas, const QRectF& box, double strokeScale = 1);

// Multiplies every stroke-width="N" attribute of the drawing by `factor`.
QByteArray ScaleStrokes(const QByteArray& svg, double factor);

// Big word picture: the drawing on white, pure white wherever the mask is black.
QImage BigPicture(const QByteArray& svg, QSize size);

// Small word picture for a tile or a maze cell: the drawing on a soft card of its own.
QImage Thumbnail(const QByteArray& svg, int side);

// A letter tile: the letter in black (or red) on a light tile with depth.
QImage TileImage(const QString& letter, int side, bool red);

}  // namespace words
