#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include "settings/StringTable.h"

class CEinheitspapierDoc;
class EhUserPrompt;

// The operations that change an Einheitspapier as a whole: pages, form set,
// automatic numbering, the rules that couple fields, the three-line stamp
// input, and what happens when a view first shows a document. The view calls
// them after it has committed the text being typed.
namespace EhDocumentOperations {

// Message ids of the string table used here.
inline constexpr int MsgPageIncomplete = StringTable::ContinuationPageIncomplete;
inline constexpr int MsgRemoveLastPage = StringTable::ConfirmRemoveLastPage;
inline constexpr int MsgInsertDate = StringTable::ConfirmInsertDate;

// --- new document ------------------------------------------------------
// Writes the user's standing texts into a freshly reset document.
void applyNewDocumentDefaults(CEinheitspapierDoc& doc, const QDate& today);
// "%d.%d.%d": day, month, year without leading zeros.
QString dateText(const QDate& date);

// --- opening a view ----------------------------------------------------
// Reports a refused load, settles the form set (an export document and a
// document without one ask the user), applies the sender defaults (only to
// boxes that are empty: what a file holds stays as it is) and the
// unused-field marks to the live flag tables. appFormSet is the program's
// current form-set choice (negative: none). Returns the form set settled on,
// or -1 when the user cancelled the question.
int openView(CEinheitspapierDoc& doc, int appFormSet, EhUserPrompt& prompt,
             QByteArray& firstPageFlags, QByteArray& continuationFlags);

// --- pages -------------------------------------------------------------
// The most continuation sheets a document holds (the page count is one
// byte in the file).
inline constexpr int MaxContinuationPages = 254;
// The message when a sheet beyond them is to be added.
QString pageLimitText();
bool canAddPage(const CEinheitspapierDoc& doc);
// Adds a continuation page, or shows message 22 when the last page is not
// complete, or the limit's message when the document has the most sheets it
// can hold. Returns the new page's number, or 0 when nothing was added.
int addPage(CEinheitspapierDoc& doc, EhUserPrompt& prompt);
bool canRemoveLastPage(const CEinheitspapierDoc& doc);
// Asks message 23 with No preselected; on Yes drops the last continuation
// page.
bool removeLastPage(CEinheitspapierDoc& doc, EhUserPrompt& prompt);

// --- form set ------------------------------------------------------------
// The menu entry of a form set is enabled and unchecked unless it is the
// current one, which is checked and disabled.
bool formSetEnabled(const CEinheitspapierDoc& doc, int formSet);
bool formSetChecked(const CEinheitspapierDoc& doc, int formSet);
// The form set is kept in the file: switching marks the document modified.
void switchFormSet(CEinheitspapierDoc& doc, int formSet);
// The fields holding text that the form set formSet hides or crosses out
// while the current one shows them, by name ("Feld 8", "Seite 3: 31-1").
// crossesShown: whether the unused fields are crossed out ("EH_ShowXX").
QStringList fieldsHiddenByFormSet(const CEinheitspapierDoc& doc, int formSet, const QByteArray& firstPageFlags,
                                  const QByteArray& continuationFlags, bool crossesShown);

// --- boxes 3, 5 and 32 -------------------------------------------------
void renumber(CEinheitspapierDoc& doc);
// Whether moving the focus to this field refreshes the numbering first.
bool isNumberingTarget(int page, int field);

// --- leaving a field ---------------------------------------------------
// The coupled-field rules when the focus leaves a field of a page.
void leaveField(CEinheitspapierDoc& doc, int page, int field);

// --- three-line stamp input ("Texteingabe") --------------------------------
// Whether moving to this field opens the three-line input instead of typing.
bool opensStampInput(int page, int field);
// Stores the text of the three-line input into a stamp field.
void applyStampInput(CEinheitspapierDoc& doc, int field, const QString& text);

} // namespace EhDocumentOperations
