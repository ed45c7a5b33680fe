// SPDX-License-Identifier: GPL-3.0-or-later
// The sound groups and positions of a word's marked elements (see soundmarks.h).
#include "words/soundmarks.h"

#include "settings/_custgry.h"

namespace soundmarks {

namespace {

const QString kMark = QStringLiteral("_");
const QChar kSeparator = QLatin1Char(',');

constexpr quint16 kClusterGroups = glos::TRDR | glos::PRBR | glos::KRGR | glos::INNE;

bool Is(const QList<Element>& elements, int index, std::initializer_list<const char*> texts)
{
    if (index < 0 || index >= elements.size())
        return false;
    for (const char* text : texts)
        if (elements[index].text == QString::fromUtf8(text))
            return true;
    return false;
}

bool IsConsonantAt(const QList<Element>& elements, int index)
{
    return index >= 0 && index < elements.size() && !IsVowel(elements[index].text);
}

}  // namespace

bool IsVowel(const QString& element)
{
    static const QStringList vowels = {"a", "ą", "e", "ę", "i", "o", "ó", "u", "y"};
    return vowels.contains(element);
}

QList<Element> Elements(const QString& split)
{
    QList<Element> elements;
    for (const QString& piece : split.split(kSeparator)) {
        if (piece.isEmpty())
            continue;
        Element element;
        element.marked = piece.startsWith(kMark);
        element.text = element.marked ? piece.mid(1) : piece;
        elements.append(element);
    }
    return elements;
}

QStringList SplitProblems(const QString& split)
{
    QStringList problems;
    if (!split.endsWith(kSeparator))
        problems << QStringLiteral("the last element lacks its comma");
    QStringList pieces = split.split(kSeparator);
    if (split.endsWith(kSeparator))
        pieces.removeLast();
    QString previous;
    for (const QString& piece : pieces) {
        const QString text = piece.startsWith(kMark) ? piece.mid(1) : piece;
        if (piece.isEmpty())
            problems << QStringLiteral("an empty element (two commas in a row)");
        else if (text.isEmpty())
            problems << QStringLiteral("a mark \"_\" without its letter");
        else if (!KnownElements().contains(text))
            problems << QStringLiteral("\"%1\" is not a Polish letter or digraph in lower case").arg(text);
        static const QStringList kDigraphs = {"ch", "cz", "sz", "rz"};
        if (!previous.isEmpty() && kDigraphs.contains(previous + text))
            problems << QStringLiteral("\"%1\" is one sound: write it as one element \"%1,\"").arg(previous + text);
        previous = text;
    }
    return problems;
}

quint16 GroupOf(const QList<Element>& elements, int index)
{
    if (index < 0 || index >= elements.size())
        return 0;
    const QString& text = elements[index].text;
    if (text == QStringLiteral("j"))
        return glos::J;
    if (text == QStringLiteral("l")) {
        if (Is(elements, index + 1, {"i"}))
            return glos::LI;
        return IsConsonantAt(elements, index - 1) ? glos::INNE : glos::L;
    }
    if (text == QStringLiteral("r")) {
        if (Is(elements, index - 1, {"t", "d"}))
            return glos::TRDR;
        if (Is(elements, index - 1, {"p", "b"}))
            return glos::PRBR;
        if (Is(elements, index - 1, {"k", "g"}))
            return glos::KRGR;
        return IsConsonantAt(elements, index - 1) ? glos::INNE : glos::R;
    }
    return 0;
}

quint16 PositionOf(const QList<Element>& elements, int index, quint16 group)
{
    const int start = (group & kClusterGroups) != 0 ? index - 1 : index;
    if (start <= 0)
        return glos::Naglos;
    if (index == elements.size() - 1)
        return glos::Wyglos;
    return glos::Srodglos;
}

QList<Mark> Marks(const QList<Element>& elements)
{
    QList<Mark> marks;
    for (int i = 0; i < elements.size(); ++i) {
        if (!elements[i].marked)
            continue;
        const quint16 group = GroupOf(elements, i);
        marks.append(Mark{i, group, PositionOf(elements, i, group)});
    }
    return marks;
}

QString Spelling(const QList<Element>& elements)
{
    QString word;
    for (const Element& element : elements)
        word += element.text;
    return word;
}

bool HasMark(const QList<Mark>& marks, quint16 group, quint16 position)
{
    for (const Mark& mark : marks)
        if (mark.group == group && mark.position == position)
            return true;
    return false;
}

bool HoldsSaucerLetters(const QList<Element>& elements, const QList<Mark>& marks)
{
    bool l = false, rj = false;
    for (const Mark& mark : marks) {
        const QString& text = elements[mark.index].text;
        l = l || text == QStringLiteral("l");
        rj = rj || text == QStringLiteral("r") || text == QStringLiteral("j");
    }
    return l && rj;
}

}  // namespace soundmarks
