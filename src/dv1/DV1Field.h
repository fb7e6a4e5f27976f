#pragma once

// The fields of the D.V.1 by name: the 12 fields of the first page (the
// front of the declaration) and the 61 fields of a continuation page (the
// back of the declaration and both sides of every D.V.1 BIS), each page with
// two columns of amounts for two goods items.
//
// The numbers are the indexes of the field store; the files keep them.
namespace Dv1Field {

// --- first page --------------------------------------------------------------
inline constexpr int Seller = 0;            // 1 Verkäufer
inline constexpr int Buyer = 1;             // 2 (a) Käufer
inline constexpr int Declarant = 2;         // 2 (b) Anmelder
inline constexpr int DeliveryTerms = 3;     // 3 Lieferungsbedingung
inline constexpr int Invoice = 4;           // 4 Rechnung
inline constexpr int Contract = 5;          // 5 Vertrag
inline constexpr int EarlierDecision = 6;   // 6 frühere Zollentscheidung
inline constexpr int RelationDetails = 7;   // 7 (c) Einzelheiten
inline constexpr int ConditionDetails = 8;  // 8 Art der Einschränkungen, Bedingungen
inline constexpr int RoyaltyDetails = 9;    // 9 Bedingungen und Beträge
inline constexpr int BisSheets = 10;        // 10 (a) beigefügte D.V.1 BIS
inline constexpr int PlaceDateSignature = 11; // 10 (b)
inline constexpr int FirstPageLast = 11;

// --- continuation page: the first goods item (left column) ---------------------
inline constexpr int Item1 = 0;              // Ware (Position) Nr.
inline constexpr int InvoiceCurrency = 1;    // currency of box 11 (a)
inline constexpr int InvoicePrice1 = 2;      // 11 (a) in der Rechnungswährung
inline constexpr int PriceRate = 3;          // exchange rate of 11 (a)
inline constexpr int NationalPrice1 = 4;     // 11 (a) in einzelstaatlicher Währung
inline constexpr int IndirectRate = 5;       // exchange rate of 11 (b)
inline constexpr int IndirectPayments1 = 6;  // 11 (b)
inline constexpr int Commissions1 = 7;       // 13 (a)
inline constexpr int Brokerage1 = 8;         // 13 (b)
inline constexpr int Containers1 = 9;        // 13 (c)
inline constexpr int Materials1 = 10;        // 14 (a)
inline constexpr int Tools1 = 11;            // 14 (b)
inline constexpr int Consumed1 = 12;         // 14 (c)
inline constexpr int Engineering1 = 13;      // 14 (d)
inline constexpr int Royalties1 = 14;        // 15
inline constexpr int Proceeds1 = 15;         // 16
inline constexpr int DeliveryPlace = 16;     // 17: the place of introduction
inline constexpr int Delivery1 = 17;         // 17: the line of the place
inline constexpr int TransportNote = 18;     // 17 (a) free text
inline constexpr int Transport1 = 19;        // 17 (a)
inline constexpr int LoadingNote = 20;       // 17 (b) free text
inline constexpr int Loading1 = 21;          // 17 (b)
inline constexpr int InsuranceNote = 22;     // 17 (c) free text
inline constexpr int Insurance1 = 23;        // 17 (c)
inline constexpr int PostArrival1 = 24;      // 19
inline constexpr int Assembly1 = 25;         // 20
inline constexpr int OtherCharges1 = 26;     // 21
inline constexpr int Duties1 = 27;           // 22

// --- continuation page: the second goods item (right column) ---------------------
inline constexpr int Item2 = 28;
inline constexpr int InvoicePrice2 = 29;
inline constexpr int NationalPrice2 = 30;
inline constexpr int IndirectPayments2 = 31;
inline constexpr int Commissions2 = 32;
inline constexpr int Brokerage2 = 33;
inline constexpr int Containers2 = 34;
inline constexpr int Materials2 = 35;
inline constexpr int Tools2 = 36;
inline constexpr int Consumed2 = 37;
inline constexpr int Engineering2 = 38;
inline constexpr int Royalties2 = 39;
inline constexpr int Proceeds2 = 40;
inline constexpr int Delivery2 = 41;
inline constexpr int Transport2 = 42;
inline constexpr int Loading2 = 43;
inline constexpr int Insurance2 = 44;
inline constexpr int PostArrival2 = 45;
inline constexpr int Assembly2 = 46;
inline constexpr int OtherCharges2 = 47;
inline constexpr int Duties2 = 48;

// --- continuation page: amounts in foreign currency, and the foot -----------
inline constexpr int ForeignReference = 49;  // Bezug
inline constexpr int ForeignAmount = 50;     // Betrag
inline constexpr int ForeignRate = 51;       // Umrechnungskurs
inline constexpr int Remarks = 52;           // the last line of the back
// The last field the user reaches by Tab or mouse; the totals below are the
// calculation's alone.
inline constexpr int ContinuationTypedLast = 52;

// --- continuation page: the totals the calculation writes ---------------------
inline constexpr int TotalA1 = 53;           // 12 Summe A
inline constexpr int TotalB1 = 54;           // 18 Summe B
inline constexpr int TotalC1 = 55;           // 23 Summe C
inline constexpr int DeclaredValue1 = 56;    // 24 angemeldeter Wert
inline constexpr int TotalA2 = 57;
inline constexpr int TotalB2 = 58;
inline constexpr int TotalC2 = 59;
inline constexpr int DeclaredValue2 = 60;
inline constexpr int ContinuationLast = 60;

} // namespace Dv1Field
