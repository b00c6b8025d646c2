#pragma once
// The unit's eleven valves and their kinds (n.v., NO, NC): the one count and kind table every module and
// every memory image follows, and how a kind turns an opening into a coil state and back.

constexpr int ANZAHL_VENTILE = 11;

constexpr int VENTILART_NV = 0; // not fitted
constexpr int VENTILART_NO = 1; // normally open
constexpr int VENTILART_NC = 2; // normally closed

// Kinds of valves 1..11.
using Ventilarten = int[ANZAHL_VENTILE];

// The coil state that gives the opening: a normally-open valve is energised to close, any other fitted one
// to open, a valve that is not fitted never.
constexpr bool Ventilart_Spule(int art, bool offen) {
    return art == VENTILART_NV ? false : art == VENTILART_NO ? !offen : offen;
}
// The opening a coil state gives (a valve that is not fitted reads as its coil bit).
constexpr int Ventilart_Offen(int art, int spule) {
    return art == VENTILART_NO ? 1 - spule : spule;
}

// Questions about the kinds in effect (valve index 0..10; any other index is neither fitted nor NO).
int KonfigMain_VentilVorhanden(int ventil);
int KonfigMain_VentilIstNO(int ventil);
// The kinds in effect as the images use them: a stored kind outside 0..2 counts as fitted and normally
// closed.
void KonfigMain_VentilartenHolen(Ventilarten& arten);
