// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files: Windows INI reading rules, and writing one key without disturbing the rest of the
// file, in UTF-8 or Windows-1250.
#include "platform/inifile.h"
#include "platform/textcodec.h"
#include "support/programfolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <iconv.h>
#include <csignal>
#include <sys/resource.h>

namespace {
QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(IniFile, FindsSectionsAndKeysWhateverTheirCase)
{
    ProgramFolder folder;
    folder.Write("a.ini", "; settings\r\n[DaneProgramu]\r\n  Zakladka = 3 \r\n[selector]\r\ngloski=65\r\n"
                          "Poziom=abc\r\nPozycja=$1000\r\nname=\"Ala ma kota\"\r\n[Empty]\r\n");
    const IniFile ini(folder.File("a.ini"));
    ASSERT_TRUE(ini.Exists());
    EXPECT_EQ(ini.ReadInteger("daneprogramu", "ZAKLADKA", 1), 3);
    EXPECT_EQ(ini.ReadInteger("Selector", "Gloski", 0), 65);
    EXPECT_EQ(ini.ReadInteger("Selector", "Poziom", 7), 7);        // not a number: the default
    EXPECT_EQ(ini.ReadInteger("Selector", "Pozycja", 0), 0x1000);
    EXPECT_EQ(ini.ReadString("Selector", "name", ""), "Ala ma kota");
    EXPECT_EQ(ini.ReadInteger("Missing", "Gloski", 42), 42);
    EXPECT_EQ(ini.ReadInteger("Empty", "Gloski", 42), 42);
    EXPECT_TRUE(ini.SectionExists("EMPTY"));

    const IniFile none(folder.File("missing.ini"));
    EXPECT_FALSE(none.Exists());
    EXPECT_EQ(none.ReadInteger("DaneProgramu", "Zakladka", 5), 5);
}

TEST(IniFile, IntegerTextRules)
{
    int v = 0;
    EXPECT_TRUE(ParseIniInteger(" 70000 ", v));
    EXPECT_EQ(v, 70000);
    EXPECT_TRUE(ParseIniInteger("-12", v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(ParseIniInteger("0x4000", v));
    EXPECT_EQ(v, 0x4000);
    for (const char* bad : {"", "12abc", "1.5", "0x", "99999999999", "$G"})
        EXPECT_FALSE(ParseIniInteger(bad, v)) << bad;
}

TEST(IniFile, WritingAKeyKeepsEveryOtherLine)
{
    ProgramFolder folder;
    const QByteArray original =
        "; shipped settings\r\n[DaneProgramu]\r\nZakladka=1\r\n\r\n[Selector]\r\nGloski=1\r\nPoziom=1\r\n";
    folder.Write("data.ini", original);
    IniFile ini(folder.File("data.ini"));
    ASSERT_TRUE(ini.WriteInteger("daneprogramu", "Zakladka", 4));
    EXPECT_EQ(Read(folder.File("data.ini")),
              "; shipped settings\r\n[DaneProgramu]\r\nZakladka=4\r\n\r\n[Selector]\r\nGloski=1\r\nPoziom=1\r\n");
    ASSERT_TRUE(ini.WriteInteger("DaneProgramu", "Extra", 9));   // new key goes after the section's last
    ASSERT_TRUE(ini.WriteInteger("Hitmen", "Poziom", 2));         // new section at the end
    EXPECT_EQ(Read(folder.File("data.ini")),
              "; shipped settings\r\n[DaneProgramu]\r\nZakladka=4\r\nExtra=9\r\n\r\n[Selector]\r\nGloski=1\r\n"
              "Poziom=1\r\n\r\n[Hitmen]\r\nPoziom=2\r\n");
    const IniFile again(folder.File("data.ini"));
    EXPECT_EQ(again.ReadInteger("Hitmen", "Poziom", 0), 2);
    EXPECT_EQ(again.ReadInteger("DaneProgramu", "Extra", 0), 9);
}

TEST(IniFile, AFullDiskLeavesTheOldFileWhole)
{
    ProgramFolder folder;
    folder.Write("data.ini", "[A]\nx=1\n");
    IniFile ini(folder.File("data.ini"));
    // A file size limit makes writes fail as a full disk would, for root too.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = ini.WriteString("A", "x", QString(200, 'z'));
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(Read(folder.File("data.ini")), "[A]\nx=1\n");
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);

    IniFile nowhere(folder.File("data.ini/sub.ini"));  // its folder is a file
    EXPECT_FALSE(nowhere.WriteInteger("A", "x", 2));
}

TEST(IniFile, Windows1250RoundTripWithPolishNames)
{
    ProgramFolder folder;
    const QString name = QStringLiteral("Zosia Żak, Łukasz Ćwik, źdźbło, gęś");
    {
        IniFile ini(folder.File("record.xtr"), IniFile::Encoding::Windows1250);
        ASSERT_TRUE(ini.WriteString("Nagranie1", "Nazwa", name));
    }
    const QByteArray bytes = Read(folder.File("record.xtr"));
    EXPECT_TRUE(bytes.contains("Zosia \xAF" "ak"));   // Ż is 0xAF in Windows-1250
    EXPECT_TRUE(bytes.contains("\xA3ukasz"));          // Ł is 0xA3
    const IniFile again(folder.File("record.xtr"), IniFile::Encoding::Windows1250);
    EXPECT_EQ(again.ReadString("Nagranie1", "Nazwa", ""), name);
}

// Bytes the code page has no character for, a byte-order mark, odd line ends and a last line without
// its end all come back as they were; only the written key's line is new.
TEST(IniFile, RewritesKeepUnchangedLinesByteForByte)
{
    const struct {
        IniFile::Encoding encoding;
        QByteArray before, after;
    } cases[] = {
        {IniFile::Encoding::Windows1250,
         "[Nagranie1]\r\nNazwa=a\x81\x83\x88\x90\x98\xAF\r\n[Nagranie2]\nNazwa=\x98\r\nData=x",
         "[Nagranie1]\r\nNazwa=a\x81\x83\x88\x90\x98\xAF\r\n[Nagranie2]\nNazwa=\x98\r\nData=x\r\nPlik=Nagranie2\r\n"},
        {IniFile::Encoding::Utf8, "\xEF\xBB\xBF[DaneProgramu]\nZakladka=1\n; \x90 stray\n",
         "\xEF\xBB\xBF[DaneProgramu]\nZakladka=1\n; \x90 stray\n\n[Nagranie2]\nPlik=Nagranie2\n"},
    };
    for (const auto& c : cases) {
        ProgramFolder folder;
        folder.Write("file.ini", c.before);
        IniFile ini(folder.File("file.ini"), c.encoding);
        ASSERT_TRUE(ini.WriteString("Nagranie2", "Plik", "Nagranie2"));
        EXPECT_EQ(Read(folder.File("file.ini")), c.after);
        EXPECT_EQ(IniFile(folder.File("file.ini"), c.encoding).ReadString("Nagranie2", "Plik", ""), "Nagranie2");
    }
}

TEST(TextCodec, Windows1250AgreesWithTheSystemConverter)
{
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    ASSERT_NE(cd, iconv_t(-1));
    for (int b = 0x80; b <= 0xFF; ++b) {
        char in[1] = {char(b)};
        char out[8] = {};
        char* inp = in;
        char* outp = out;
        size_t inLeft = 1, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool defined = iconv(cd, &inp, &inLeft, &outp, &outLeft) != size_t(-1);
        const QString ours = DecodeWindows1250(QByteArray(1, char(b)));
        if (defined) {
            EXPECT_EQ(ours, QString::fromUtf8(out)) << "byte " << b;
            EXPECT_EQ(EncodeWindows1250(ours), QByteArray(1, char(b))) << "byte " << b;
        } else {
            EXPECT_EQ(ours, QString(QChar(0xFFFD))) << "byte " << b;
        }
    }
    iconv_close(cd);
    EXPECT_EQ(EncodeWindows1250(QStringLiteral("日本")), "??");
}
