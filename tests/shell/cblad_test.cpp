// SPDX-License-Identifier: GPL-3.0-or-later
// The error object's codes and texts, and who owns the box that shows one.
#include "shell/_cblad.h"
#include "shell/errorbox.h"
#include "support/fakes.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(CBlad, MessagesByCode)
{
    EXPECT_EQ(CBlad(0).Message, "Blad");
    EXPECT_EQ(ErrorText(0), "");
    const QString one = CBlad(1).Message;
    EXPECT_TRUE(one.startsWith(QString(10, ' ') + "Brak zasobów !"));
    EXPECT_EQ(one, QStringLiteral("          Brak zasobów !\n\nProszę przeinstalować program."));
    EXPECT_EQ(CBlad(2).Message, QStringLiteral("Proszę zmienić rozdzielczość ekranu na 800 x 600 lub wyższą."));
    EXPECT_EQ(CBlad(3).Message, QStringLiteral("Plik statystyk nie został poprawnie stworzony."));
    EXPECT_EQ(CBlad(4).Message,
              QStringLiteral("Brak dostępu do pliku konfiguracyjnego programu. Program zakończy działanie."));
    EXPECT_EQ(CBlad(99).Message, "");
    EXPECT_EQ(CBlad(7).Message, "Blad");
    EXPECT_EQ(ErrorText(7), "");
    CBlad copy = CBlad(3);
    EXPECT_EQ(copy.Code, 3);
    EXPECT_STREQ(copy.what(), "Plik statystyk nie został poprawnie stworzony.");
}

TEST(CBlad, ShowErrorUsesTheCodeTheCaptionAndTheOwnerRule)
{
    RecordingMessageBoxes boxes;
    QWidget splash;
    splash.setWindowTitle("Brimbola Cz.IV Demo Splash");
    CBlad detailed(99);
    detailed.Detail = "szczegóły";
    ShowError(detailed, &splash);
    ShowError(CBlad(0), nullptr);  // no main window exists yet: no owner
    QWidget main;
    main.setWindowTitle("Quendora Cz.IV Demo");
    main.setProperty("brimbolaMainWindow", true);
    ShowError(CBlad(2), nullptr);
    ShowFatalError(nullptr);
    ASSERT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(boxes.shown[0].text, "szczegóły");
    EXPECT_EQ(boxes.shown[0].ownerTitle, "Brimbola Cz.IV Demo Splash");
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(boxes.shown[1].text, "");
    EXPECT_EQ(boxes.shown[1].caption, QStringLiteral("Brimbola Cz.IV Demo - Błąd"));
    EXPECT_FALSE(boxes.shown[1].hadOwner);
    EXPECT_EQ(boxes.shown[2].ownerTitle, "Quendora Cz.IV Demo");
    EXPECT_EQ(boxes.shown[3].text, QStringLiteral("Wystąpił błąd krytyczny aplikacji!"));
    EXPECT_EQ(boxes.shown[3].icon, MessageIcon::Error);
    EXPECT_EQ(boxes.shown[3].caption, QStringLiteral("Brimbola Cz.IV Demo - Błąd"));
}
