// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the settings file "Data/data.ini" of the program folder at start: the menu tab to open on
// and the five games' settings.
#pragma once

#include <QString>

// The current main-menu tab, 1 to 6 (1 sounds game, 2 picture-and-say, 3 tile pairs, 4 flying
// saucer, 5 labyrinth, 6 recordings).
extern qint16 Zakladka;

// Path of the settings file of a program folder.
QString SettingsFilePath(const QString& programFolder);

// Reads the settings file when it exists; without it every value keeps its default. False when the
// file exists but cannot be read.
bool CheckSettingsFile(const QString& programFolder);

// The interface scale "Skala" of [DaneProgramu] asks for: kAutoScale when the key is missing, "auto"
// or not a number from 1 to 3 (a decimal comma is taken too), else that number. It is read before
// the application starts, as the window system takes its scale only then.
double ReadScaleSetting(const QString& programFolder);
double ParseScaleSetting(const QString& text);

// Zakladka and the five games' settings back to their values before any file was read.
void ResetProgramSettings();
