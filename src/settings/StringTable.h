#pragma once

#include <QString>

// The program's message texts by id, German and, where one exists, English.
// The language is "Settings"/"Language", read at every lookup: 1 selects the
// English text, every other value German. A text without an English variant
// is German in both languages.
namespace StringTable {

enum Language { German = 0, English = 1 };

// Ids used by more than one part of the program.
enum Id : int {
    FieldDefinitionsNeedClosedDocuments = 17,
    UnknownDocumentFormat = 18,
    OlderDocumentVersion = 19,
    NewerDocumentVersion = 20,
    ContinuationPageIncomplete = 22,
    ConfirmRemoveLastPage = 23,
    DefaultsSaved = 33,
    InvalidPaymentMethod = 34,
    OleInitFailed = 100,
    ToolbarStandard = 124,
    ToolbarCustomize = 125,
    ApplicationTitleFrame = 128,
    WindowsDialog = 132,
    ConfirmInsertDate = 143,
    ConfirmInitAddressFile = 144,
    ConfirmInitGoodsFile = 145,
    ApplicationTitle = 57344,
    FileOpenTitle = 61440,
    FileSaveAsTitle = 61441,
    AllFilesFilter = 61442,
};

// Settings/Language, with anything but English counting as German.
Language language();

// The text of id in the current language; empty for an unknown id.
QString text(int id);
QString text(int id, Language language);
bool contains(int id);

// For the texts that exist in both languages but have no id (tooltips).
QString choose(const QString& german, const QString& english);

} // namespace StringTable
