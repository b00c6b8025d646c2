#pragma once
// The curve window's scroll bar: SCROLLBAR on KURVPANEL moves the editor's visible window of 50 steps
// along a longer curve; remembers the position last reported.

constexpr int SCROLLBAR_SEITE = 50; // steps visible at once

// Converts the panel's SCROLLBAR (its resource callback stays the user callback), page 50, position 0,
// then applies a curve length of 10.
void Scrollbar_Initialisieren(int panel);
// n > 50: enabled with the range 0 .. n-50; otherwise dimmed with position 0.
void Scrollbar_KurvenlaengeEinstellen(int n);
void Scrollbar_PositionUebernehmen(int position);
int Scrollbar_PositionGet();
