#pragma once

#include <QList>
#include <QString>

// The user manual: HTML pages installed with the program, one topic for
// every help context the program sets, and where the pages are found.
namespace HelpTopics {

// Help contexts of dialogs and windows: the dialog's resource number above
// the base every dialog's help context has. The D.V.1 fields, box 47, the
// form defaults and the master data keep their own numbers beside their
// dialogs.
inline constexpr int DialogBase = 0x20000;
inline constexpr int Einheitspapier = DialogBase + 130;    // the Einheitspapier window
inline constexpr int PrintDialog = DialogBase + 344;       // "Formular bedrucken"
inline constexpr int NewEinheitspapier = DialogBase + 345; // its form set
inline constexpr int NewDocument = DialogBase + 367;       // "Neues Dokument erzeugen"
inline constexpr int ProgramOptions = DialogBase + 347;
inline constexpr int FieldDefinitions = DialogBase + 366;
inline constexpr int PrinterFontSize = DialogBase + 376;
inline constexpr int Margins = DialogBase + 21114;
inline constexpr int WebUpdate = DialogBase + 21140;
inline constexpr int PrintSizeCorrection = DialogBase + 21146;
inline constexpr int PrintSetup = DialogBase + 57606;
inline constexpr int About = DialogBase + 57664;
// The box pickers of "Vor&gaben einfügen..." (F2): the help of that
// command, above the base of command help.
inline constexpr int CommandBase = 0x10000;
inline constexpr int BoxPickers = CommandBase + 32809;
// Box 44's dialog, numbered as the other boxes of the Einheitspapier that
// have a topic (box 47: 447, the goods boxes 431 to 434).
inline constexpr int Box44 = 444;

// The contents page: shown for context 0 (no window open) and for a
// context the manual has no topic for.
inline constexpr const char* ContentsPage = "index.html";

struct Topic {
    int context;
    const char* page;   // file of the manual, with the section's anchor if any
};

// Every context with its topic.
const QList<Topic>& all();
// The page of a context, the contents page when it has none.
QString page(int context);
bool hasTopic(int context);

// The manual's folder: installed beside the program
// (<prefix>/share/kestrovane-import/help when the program is in
// <prefix>/bin), else the installation prefix it was built for, else the
// source tree's data/help, so a build runs with its own manual. Empty when
// none of them holds the contents page.
QString manualFolder(const QString& programDirectory);
// The places manualFolder() looks in, in its order, for a message.
QStringList manualCandidates(const QString& programDirectory);

} // namespace HelpTopics
