#pragma once

class EhCheckContext;

// The rules of the Einheitspapier check, each one small and on its own.
// A rule looks at the document of the context and adds its findings there.
namespace EhRules {

// --- code boxes (EhCodeRules.cpp) -----------------------------------------
// Country codes of boxes 11, 15 A, 17 A and 34 A of every goods position.
void countryCodes(EhCheckContext& ctx);
// Currency of box 22 A.
void currencyCode(EhCheckContext& ctx);
// Federal states of box 17 B and 34 B of every goods position.
void federalStates(EhCheckContext& ctx);
// Kind of transaction, boxes 24 A and 24 B together.
void transactionKind(EhCheckContext& ctx);
// Modes of transport of boxes 25 and 26.
void transportModes(EhCheckContext& ctx);
// Preference code of box 36 of every goods position.
void preferenceCodes(EhCheckContext& ctx);
// Customs office of box 29.
void customsOffice(EhCheckContext& ctx);
// Duty types ("Art") and methods of payment ("ZA") of every box 47.
void box47Codes(EhCheckContext& ctx);

// --- sums and counts (EhSumRules.cpp) -------------------------------------
// Each box 47 total and each summary's grand total against its amounts.
void box47Totals(EhCheckContext& ctx);
// Box 5 against the goods positions, boxes 3 A and 3 B against the sheets.
void positionsAndSheets(EhCheckContext& ctx);

// --- boxes every declaration needs (EhBoxRules.cpp) ------------------------
// Box 1 parts that are none of the entries its list offers.
void box1Lists(EhCheckContext& ctx);
// Box 1, box 8 or 14, and box 54 left empty.
void requiredBoxes(EhCheckContext& ctx);

// --- the paper (EhTextFitRule.cpp) -----------------------------------------
// Texts with more lines than their printed box holds.
void textFitsOnPaper(EhCheckContext& ctx);

} // namespace EhRules
