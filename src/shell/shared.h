// The objects the whole program shares, made once at start-up and destroyed at its end: the word
// stores, the statistics, the splash and the small windows every screen may open.
#pragma once

#include <memory>

class CSlowa;
class CSlowaRoznicowe;
class CStatRec;
class TFormSplashScreen;
class TFormKomunikat;
class TFormOProgramie;
class TfmKoniecGry;
class TfmSelector;

extern std::unique_ptr<CSlowa> Slowa;
extern std::unique_ptr<CSlowaRoznicowe> SlowaRoznicowe;
extern std::unique_ptr<CStatRec> StatRec;

// The splash window while it exists: made at start, destroyed when the main window has been shown
// (or by the clean-up at exit).
extern std::unique_ptr<TFormSplashScreen> FormSplashScreen;
extern std::unique_ptr<TFormKomunikat> FormKomunikat;
extern std::unique_ptr<TFormOProgramie> FormOProgramie;
// The end-of-game summary every game shows.
extern std::unique_ptr<TfmKoniecGry> FormKoniecGry;
// The picture-and-say game's window, opened from the menu's second tab.
extern std::unique_ptr<TfmSelector> FormSelector;
