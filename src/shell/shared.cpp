// The objects the whole program shares (see shared.h).
#include "shared.h"

#include "games/selector/Selector.h"
#include "menu/Fmkomunikat.h"
#include "menu/Fmoprogramie.h"
#include "menu/Fmsplashscreen.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "words/_cslowa.h"
#include "words/_cslowaroznicowe.h"

std::unique_ptr<CSlowa> Slowa;
std::unique_ptr<CSlowaRoznicowe> SlowaRoznicowe;
std::unique_ptr<CStatRec> StatRec;
std::unique_ptr<TFormSplashScreen> FormSplashScreen;
std::unique_ptr<TFormKomunikat> FormKomunikat;
std::unique_ptr<TFormOProgramie> FormOProgramie;
std::unique_ptr<TfmKoniecGry> FormKoniecGry;
std::unique_ptr<TfmSelector> FormSelector;
