#pragma once

class CDV1_Doc;

// The page calculation of the D.V.1 ("Berechnung der Seite 2,3,4..."):
// on every continuation page, rewrites the amount fields in one notation and
// fills the eight total fields 53 to 60, for the two columns of the page.
// Which fields hold the prices follows the setting Flag_DV1_11a, read at
// each use. Computes nothing for a document without continuation pages; the
// document is marked modified either way.
void CalculatePages(CDV1_Doc& doc);

// Switches the price fields the calculation takes (the hidden key
// Ctrl+Shift+Alt+F11): a stored 1 becomes 0, anything else 1.
void FlipFlagDV1_11a();
