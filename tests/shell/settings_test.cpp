// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the settings file at start into the menu tab and the five games' settings.
#include "settings/_custgry.h"
#include "platform/inifile.h"
#include "shell/Cdisplay.h"
#include "shell/settingsfile.h"
#include "support/programfolder.h"

#include <gtest/gtest.h>

namespace {
class Settings : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramSettings(); }
    void TearDown() override { ResetProgramSettings(); }
    ProgramFolder folder;
};
}  // namespace

TEST_F(Settings, WithoutAFileEverythingKeepsItsDefault)
{
    EXPECT_TRUE(CheckSettingsFile(folder.Path()));
    EXPECT_EQ(Zakladka, 1);
    for (const CUstGry* g : {&UstOdglosy, &UstSelector, &UstTaipei, &UstHitmen, &UstLabirynt}) {
        EXPECT_EQ(g->Poziom, 1) << g->Name.toStdString();
        EXPECT_EQ(g->Gloski, 0);
        EXPECT_EQ(g->Pozycja, 0);
    }
}

TEST_F(Settings, ReadsTheTabAndEachGamesSection)
{
    folder.Write("Data/data.ini", "[DaneProgramu]\nZakladka=3\n[Selector]\nGloski=65\nPoziom=2\nPozycja=4096\n"
                                  "[Hitmen]\nGloski=2048\n[Labirynt]\nPoziom=70000\nPozycja=-1\n");
    EXPECT_TRUE(CheckSettingsFile(folder.Path()));
    EXPECT_EQ(Zakladka, 3);
    EXPECT_EQ(UstSelector.Gloski, 65);
    EXPECT_TRUE(UstSelector.HasGloski(glos::L));
    EXPECT_TRUE(UstSelector.HasGloski(glos::PRBR));
    EXPECT_FALSE(UstSelector.HasGloski(glos::R));
    EXPECT_TRUE(UstSelector.IsPoziom(2));
    EXPECT_TRUE(UstSelector.HasPozycja(glos::Naglos));
    EXPECT_EQ(UstHitmen.Gloski, 2048);
    EXPECT_EQ(UstHitmen.Poziom, 1);   // missing key: the current value
    EXPECT_EQ(UstLabirynt.Poziom, 4464);  // 70000 cut to 16 bits
    EXPECT_EQ(UstLabirynt.Pozycja, -1);
    EXPECT_EQ(UstOdglosy.Poziom, 1);  // missing section: defaults
    EXPECT_EQ(UstOdglosy.Gloski, 0);
}

TEST_F(Settings, TheTabIsOneWhenItIsTheRecordingsTabOrNoTabAtAll)
{
    for (const auto& [text, expected] : std::vector<std::pair<QByteArray, int>>{
             {"6", 1}, {"5", 5}, {"1", 1}, {"0", 1}, {"7", 1}, {"-3", 1}, {"65537", 1}, {"x", 1}}) {
        ResetProgramSettings();
        folder.Write("Data/data.ini", "[DaneProgramu]\nZakladka=" + text + "\n");
        EXPECT_TRUE(CheckSettingsFile(folder.Path()));
        EXPECT_EQ(Zakladka, expected) << text.constData();
    }
}

TEST_F(Settings, ASettingsFileThatCannotBeReadFails)
{
    folder.Write("Data/data.ini/not-a-file", "");
    EXPECT_FALSE(CheckSettingsFile(folder.Path()));
}

TEST_F(Settings, ShippedSettingsStartEveryGame)
{
    const QString shipped = ProgramFolder::GeneratedData() + "/data.ini";
    const IniFile ini(shipped);
    ASSERT_TRUE(ini.Exists()) << shipped.toStdString();
    folder.Write("Data/data.ini", QByteArray());
    QFile::remove(folder.File("Data/data.ini"));
    ASSERT_TRUE(QFile::copy(shipped, folder.File("Data/data.ini")));
    ASSERT_TRUE(CheckSettingsFile(folder.Path()));
    for (const CUstGry* g : {&UstSelector, &UstTaipei, &UstHitmen, &UstLabirynt}) {
        EXPECT_GE(g->Poziom, 1) << g->Name.toStdString();
        EXPECT_NE(g->Gloski, 0) << g->Name.toStdString();
        EXPECT_NE(g->Pozycja, 0) << g->Name.toStdString();
    }
    EXPECT_EQ(UstOdglosy.Poziom, 1);
}

TEST_F(Settings, TheScaleIsAutomaticUnlessANumberFromOneToThreeIsGiven)
{
    EXPECT_EQ(ReadScaleSetting(folder.Path()), kAutoScale) << "no settings file";
    folder.Write("Data/data.ini", "[DaneProgramu]\r\nZakladka=2\r\nSkala=1.5\r\n");
    EXPECT_EQ(ReadScaleSetting(folder.Path()), 1.5);
    folder.Write("Data/data.ini", "[DaneProgramu]\r\nZakladka=2\r\n");
    EXPECT_EQ(ReadScaleSetting(folder.Path()), kAutoScale) << "no key";
    for (const auto& [text, expected] : std::vector<std::pair<const char*, double>>{
             {"auto", kAutoScale}, {"AUTO", kAutoScale}, {"", kAutoScale}, {"1", 1}, {" 2 ", 2}, {"3", 3},
             {"1,4", 1.4}, {"0.5", kAutoScale}, {"3.01", kAutoScale}, {"-2", kAutoScale}, {"duzo", kAutoScale},
             {"nan", kAutoScale}, {"inf", kAutoScale}, {"1.4x", kAutoScale}})
        EXPECT_EQ(ParseScaleSetting(QString::fromUtf8(text)), expected) << text;
}
