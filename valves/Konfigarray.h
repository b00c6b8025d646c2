#pragma once
// The valve configuration table: kinds of valves 1..11 and the identifiers of their selectors.

constexpr int KONFIG_WORTE = 22;
extern int gKonfig[KONFIG_WORTE]; // 0..10 valve kinds (0 n.v., 1 NO, 2 NC), 11..21 selector ids 3..13

void Konfigarray_Initialisieren();
