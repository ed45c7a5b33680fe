// The labyrinth's differential words (see _cslowaroznicowe.h).
#include "words/_cslowaroznicowe.h"

namespace {
// No practised group or position: these words are never chosen by a game's settings.
constexpr quint16 kNoFlags = 0;
}

CSlowaRoznicowe::CSlowaRoznicowe()
{
    SetCandidates({
        MakeWord(QStringLiteral("autobus"), QStringLiteral("a,u,t,o,b,u,_s,"), kNoFlags),
        MakeWord(QStringLiteral("basen"), QStringLiteral("b,a,_s,e,n,"), kNoFlags),
    });
}
