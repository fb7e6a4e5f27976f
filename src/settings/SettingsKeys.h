#pragma once

// Every key of the settings store, with its section, kind and default.
//
// The store has five sections under organisation "Pavo", application
// "Kestrovane-Import": "Settings", "EHForm_Defaults", "DV1Form_Defaults",
// "Font" and "Recent File List". The binary field definition tables live
// under the company "Qzn" (CRegeditManagment.h, FieldDefinitions.h). Read a
// key with Profile::get(Settings::Key) and write it with Profile::set:
// nothing keeps a copy, so a fresh store always behaves as the defaults below.
// Every key also has its line in the Catalogue at the end of this file.

#include <array>

namespace Settings {

inline constexpr const char* Organisation = "Pavo";
inline constexpr const char* Application = "Kestrovane-Import";

inline constexpr const char* SectionSettings = "Settings";
inline constexpr const char* SectionEH = "EHForm_Defaults";
inline constexpr const char* SectionDV1 = "DV1Form_Defaults";
inline constexpr const char* SectionFont = "Font";
inline constexpr const char* SectionRecentFiles = "Recent File List";

struct IntKey {
    const char* section;
    const char* key;
    int defaultValue;
};
struct StringKey {
    const char* section;
    const char* key;
    const char* defaultValue; // UTF-8
};
// Keys of a view section: "EHForm_Defaults" or "DV1Form_Defaults", named by
// the view that reads them.
struct ViewIntKey {
    const char* key;
    int defaultValue;
};
struct ViewStringKey {
    const char* key;
    const char* defaultValue;
};

// A key whose default is computed at the moment of reading.
inline constexpr int NoDefault = 0;

// --- "Settings": program-wide switches, paths and last choices -------------
inline constexpr IntKey Language{SectionSettings, "Language", 0};                  // 0 German, 1 English
inline constexpr IntKey SplashScreen{SectionSettings, "SplashScreen", 5};          // seconds, 0 = none
inline constexpr IntKey LastEhType{SectionSettings, "LastEhType", 0};              // form set 0..3
inline constexpr StringKey AdressdatenDatei{SectionSettings, "AdressdatenDatei", ""}; // address table path
inline constexpr StringKey StammdatenDatei{SectionSettings, "StammdatenDatei", ""};   // goods table path
inline constexpr IntKey Stammdaten{SectionSettings, "Stammdaten", 1};              // 2: goods table kind 2
inline constexpr IntKey PrnPapielageCheck{SectionSettings, "PrnPapielageCheck", 1};
inline constexpr IntKey PrnFormularCheck{SectionSettings, "PrnFormularCheck", 1}; // check the form before printing
inline constexpr IntKey ReuseDatumOrt{SectionSettings, "ReuseDatumOrt", 1};
inline constexpr StringKey DatumOrt{SectionSettings, "DatumOrt", ""};
inline constexpr IntKey PrnFactorV{SectionSettings, "PrnFactorV", 1000};          // 0.1 %
inline constexpr IntKey PrnFactorH{SectionSettings, "PrnFactorH", 1000};          // 0.1 %
inline constexpr const char* WinFormScaledFactorOv = "WinFormScaledFactorOv";      // default: the screen scale
inline constexpr IntKey NoFileFilter{SectionSettings, "NoFileFilter", 0};
inline constexpr IntKey Field11bPrint{SectionSettings, "Field11bPrint", 0};
inline constexpr IntKey PreviewPages{SectionSettings, "PreviewPages", 0};
// The program's web site: the update index and the home page live there.
inline constexpr StringKey UpdateSite{SectionSettings, "UpdateSite", "https://kestrovane-import.pavo.example"};

// --- view sections ("EHForm_Defaults" and "DV1Form_Defaults" alike) --------
inline constexpr const char* ZoomFactor = "ZoomFactor";                            // default: from the screen
inline constexpr ViewIntKey ZoomFactorLU{"ZoomFactorLU", 0};
inline constexpr ViewIntKey WinFormScaledFactor{"WinFormScaledFactor", 0};
inline constexpr ViewIntKey EditTextColor{"EditTextColor", 0xFF0000};              // 0x00BBGGRR
inline constexpr ViewIntKey DocLength{"DocLength", 350};
inline constexpr ViewIntKey DocWidth{"DocWidth", 205};
inline constexpr ViewIntKey PrinterFontFactor{"PrinterFontFactor", 95};            // percent
inline constexpr ViewStringKey Printer{"Printer", "@"};                            // "@": none
inline constexpr ViewIntKey ReUsePrn{"ReUsePrn", 0};

// --- "EHForm_Defaults": Einheitspapier printing and field tables -----------
inline constexpr IntKey ShowMarginDlgEH{SectionEH, "ShowMarginDlgEH", 0};
inline constexpr IntKey Left_Margin_EH{SectionEH, "Left_Margin_EH", 0};            // 0.1 mm
inline constexpr IntKey Top_Margin_EH{SectionEH, "Top_Margin_EH", 0};
inline constexpr IntKey Left_Margin2_EH{SectionEH, "Left_Margin2_EH", 0};          // continuation sheets
inline constexpr IntKey Top_Margin2_EH{SectionEH, "Top_Margin2_EH", 0};
inline constexpr IntKey HorPosX2_EH{SectionEH, "HorPosX2_EH", 0};                  // input-tax cross
inline constexpr IntKey VertPosX2_EH{SectionEH, "VertPosX2_EH", 0};
inline constexpr IntKey FieldSize_EH1{SectionEH, "FieldSize_EH1", 0};              // valid: 616
inline constexpr IntKey FieldSize_EH2{SectionEH, "FieldSize_EH2", 0};              // valid: 856

// --- "EHForm_Defaults": default texts and switches of the Einheitspapier ---
inline constexpr StringKey Firma1{SectionEH, "Firma1", ""};
inline constexpr StringKey Firma2{SectionEH, "Firma2", ""};
inline constexpr StringKey Firma3{SectionEH, "Firma3", ""};
inline constexpr StringKey Firma4{SectionEH, "Firma4", ""};
inline constexpr IntKey Anmelder{SectionEH, "Anmelder", 0};
inline constexpr StringKey ZollNummer1{SectionEH, "ZollNummer1", ""};
inline constexpr StringKey ZollNummer2{SectionEH, "ZollNummer2", ""};
inline constexpr IntKey Feld2{SectionEH, "Feld2", 0};
// The store's default is 0; a new document reads it with 4 (see NewDocFeld14).
inline constexpr IntKey Feld14{SectionEH, "Feld14", 0};
inline constexpr IntKey NewDocFeld14{SectionEH, "Feld14", 4};
inline constexpr IntKey Feld17{SectionEH, "Feld17", 4};
inline constexpr IntKey Feld34{SectionEH, "Feld34", 4};
inline constexpr IntKey Feld2S2{SectionEH, "Feld2S2", 0};
inline constexpr IntKey AutoFillPositions{SectionEH, "AutoFillPositions", 1};
inline constexpr IntKey Stamp_A{SectionEH, "Stamp_A", 0};
inline constexpr IntKey Stamp_C{SectionEH, "Stamp_C", 0};
inline constexpr IntKey AutoDateInStamp{SectionEH, "AutoDateInStamp", 0};
inline constexpr IntKey ThreeLineInStamp{SectionEH, "3LineInStamp", 1};
inline constexpr IntKey EH_ShowXX{SectionEH, "EH_ShowXX", 1};
inline constexpr StringKey Bundesland1{SectionEH, "Bundesland1", "01"};
inline constexpr StringKey Bundesland2{SectionEH, "Bundesland2", "01"};
// A new document reads the two federal states with an empty default, so that
// a user who never chose one gets no state in boxes 17 B and 34 B.
inline constexpr StringKey NewDocBundesland1{SectionEH, "Bundesland1", ""};
inline constexpr StringKey NewDocBundesland2{SectionEH, "Bundesland2", ""};
inline constexpr StringKey WSymbol0{SectionEH, "WSymbol0", "EUR"};
inline constexpr StringKey WSymbol1{SectionEH, "WSymbol1", "DEM"};

// --- "DV1Form_Defaults": D.V.1 printing and calculation --------------------
inline constexpr IntKey ShowMarginDlg{SectionDV1, "ShowMarginDlg", 0};
inline constexpr IntKey Flag_DV1_11a{SectionDV1, "Flag_DV1_11a", 0};
// Print offsets of the four D.V.1 sheet kinds, index = offset set - 1.
inline constexpr std::array<IntKey, 4> Left_Margin_DV1{{
    {SectionDV1, "Left_Margin1_DV1", 0}, {SectionDV1, "Left_Margin2_DV1", 0},
    {SectionDV1, "Left_Margin3_DV1", 0}, {SectionDV1, "Left_Margin4_DV1", 0}}};
inline constexpr std::array<IntKey, 4> Top_Margin_DV1{{
    {SectionDV1, "Top_Margin1_DV1", 0}, {SectionDV1, "Top_Margin2_DV1", 0},
    {SectionDV1, "Top_Margin3_DV1", 0}, {SectionDV1, "Top_Margin4_DV1", 0}}};

// --- "Font": heights of the screen (D), editor (E) and print (P) fonts -----
// Key = family letter + "Font" + slot, e.g. "DFont0", "EFont3B", "PFont9".
enum class FontFamily { Screen, Editor, Print };
struct FontSlot {
    const char* slot;
    int screen;  // DFont default
    int editor;  // EFont default
    int print;   // PFont default
};
inline constexpr std::array<FontSlot, 12> FontSlots{{
    {"0", 30, 30, 22}, {"1", 38, 38, 32}, {"2", 42, 42, 36}, {"3", 46, 46, 42},
    {"4", 52, 52, 46}, {"8", 26, 26, 24}, {"9", 22, 22, 19}, {"0B", 28, 28, 22},
    {"1B", 38, 38, 32}, {"2B", 42, 42, 38}, {"3B", 46, 46, 42}, {"4B", 52, 52, 46},
}};

// --- "Recent File List": "File1" .. "File8" --------------------------------
inline constexpr int RecentFileCount = 8;

} // namespace Settings

// --- the whole model as one list -------------------------------------------
// The settings command and the system information walk this list, so a key
// added above gets its line here too. Font and recent-file keys follow from
// FontSlots and RecentFileCount.
namespace Settings {

enum class Kind { Int, String };
struct CatalogueEntry {
    const char* section;       // nullptr: once in each view section
    const char* key;
    Kind kind;
    int intDefault;
    const char* stringDefault;  // UTF-8, string keys only
    bool computedDefault;       // the default is worked out when the key is read
};

constexpr CatalogueEntry entry(IntKey k) { return {k.section, k.key, Kind::Int, k.defaultValue, "", false}; }
constexpr CatalogueEntry entry(StringKey k) { return {k.section, k.key, Kind::String, 0, k.defaultValue, false}; }
constexpr CatalogueEntry entry(ViewIntKey k) { return {nullptr, k.key, Kind::Int, k.defaultValue, "", false}; }
constexpr CatalogueEntry entry(ViewStringKey k) { return {nullptr, k.key, Kind::String, 0, k.defaultValue, false}; }
constexpr CatalogueEntry computed(const char* section, const char* key) { return {section, key, Kind::Int, NoDefault, "", true}; }

inline constexpr std::array<const char*, 2> ViewSections{SectionEH, SectionDV1};

inline constexpr CatalogueEntry Catalogue[] = {
    // "Settings"
    entry(Language), entry(SplashScreen), entry(LastEhType), entry(AdressdatenDatei),
    entry(StammdatenDatei), entry(Stammdaten), entry(PrnPapielageCheck), entry(PrnFormularCheck), entry(ReuseDatumOrt),
    entry(DatumOrt), entry(PrnFactorV), entry(PrnFactorH), computed(SectionSettings, WinFormScaledFactorOv),
    entry(NoFileFilter), entry(Field11bPrint), entry(PreviewPages), entry(UpdateSite),
    // each view section
    computed(nullptr, ZoomFactor), entry(ZoomFactorLU), entry(WinFormScaledFactor), entry(EditTextColor),
    entry(DocLength), entry(DocWidth), entry(PrinterFontFactor), entry(Printer), entry(ReUsePrn),
    // "EHForm_Defaults"
    entry(ShowMarginDlgEH), entry(Left_Margin_EH), entry(Top_Margin_EH), entry(Left_Margin2_EH),
    entry(Top_Margin2_EH), entry(HorPosX2_EH), entry(VertPosX2_EH), entry(FieldSize_EH1), entry(FieldSize_EH2),
    entry(Firma1), entry(Firma2), entry(Firma3), entry(Firma4), entry(Anmelder), entry(ZollNummer1),
    entry(ZollNummer2), entry(Feld2), entry(Feld14), entry(Feld17), entry(Feld34), entry(Feld2S2),
    entry(AutoFillPositions), entry(Stamp_A), entry(Stamp_C), entry(AutoDateInStamp), entry(ThreeLineInStamp),
    entry(EH_ShowXX), entry(Bundesland1), entry(Bundesland2), entry(WSymbol0), entry(WSymbol1),
    // "DV1Form_Defaults"
    entry(ShowMarginDlg), entry(Flag_DV1_11a),
    entry(Left_Margin_DV1[0]), entry(Left_Margin_DV1[1]), entry(Left_Margin_DV1[2]), entry(Left_Margin_DV1[3]),
    entry(Top_Margin_DV1[0]), entry(Top_Margin_DV1[1]), entry(Top_Margin_DV1[2]), entry(Top_Margin_DV1[3]),
};

} // namespace Settings
