#pragma once

#include "check/CheckFinding.h"

class CDV1_Doc;

// The plausibility check of a D.V.1: the totals of every continuation page
// (boxes 12, 18, 23 and 24 of both columns) against what "Berechnung der
// Seite 2,3,4..." (F3) computes from the page's amounts.
namespace Dv1Check {

CheckFindings run(const CDV1_Doc& doc);

} // namespace Dv1Check
