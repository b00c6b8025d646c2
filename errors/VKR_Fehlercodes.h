#pragma once
// Every error code the program raises, in one place: -(type * 1000 + site). 0 is success.
// The type selects the message text (VKR_errorV3); the site names the place that raised it.

using Fehlercode = int;

constexpr Fehlercode KEIN_FEHLER = 0;
constexpr Fehlercode FEHLER_ABBRUCH_DURCH_BENUTZER = -6000; // file dialog cancelled: never shown

// ---- transport and device driver (vkrplm1)
// ------------------------------------------------------------------
constexpr Fehlercode FEHLER_OPEN_BAUDRATE = -125001;
constexpr Fehlercode FEHLER_OPEN_PORTNUMMER = -100002;
constexpr Fehlercode FEHLER_OPEN_PLATTFORM = -100003;
constexpr Fehlercode FEHLER_CLOSE = -103004;
constexpr Fehlercode FEHLER_TIMEOUT_SETZEN = -111005;
constexpr Fehlercode FEHLER_FLUSH_EINGANG = -124161;
constexpr Fehlercode FEHLER_FLUSH_AUSGANG = -123162;

constexpr Fehlercode FEHLER_ID_ADRESSE = -400006;
constexpr Fehlercode FEHLER_ID_SCHREIBEN = -101008;
constexpr Fehlercode FEHLER_ID_UNVOLLSTAENDIG = -114009;
constexpr Fehlercode FEHLER_ID_NAK = -402010;
constexpr Fehlercode FEHLER_ID_CAN = -405011;
constexpr Fehlercode FEHLER_ID_KEINE_ANTWORT = -403012;
constexpr Fehlercode FEHLER_ID_FALSCHES_HANDSHAKE = -404013;
constexpr Fehlercode FEHLER_ID_ANTWORT_ABGEBROCHEN = -404014;
constexpr Fehlercode FEHLER_ID_ANTWORT_FALSCH = -404015;

constexpr Fehlercode FEHLER_DF_ADRESSE = -400034;
constexpr Fehlercode FEHLER_DF_WORT = -401035;
constexpr Fehlercode FEHLER_DF_SCHREIBEN = -101037;
constexpr Fehlercode FEHLER_DF_UNVOLLSTAENDIG = -101038;
constexpr Fehlercode FEHLER_DF_NAK = -402039;
constexpr Fehlercode FEHLER_DF_CAN = -405040;
constexpr Fehlercode FEHLER_DF_KEINE_ANTWORT = -403041;
constexpr Fehlercode FEHLER_DF_FALSCHES_HANDSHAKE = -404042;

constexpr Fehlercode FEHLER_PS_ADRESSE = -400043;
constexpr Fehlercode FEHLER_PS_PUMPE1_BEREICH = -500045;
constexpr Fehlercode FEHLER_PS_PUMPE2_BEREICH = -500046;
constexpr Fehlercode FEHLER_PS_DRUCKHIGH1_BEREICH = -500047;
constexpr Fehlercode FEHLER_PS_DRUCKHIGH2_BEREICH = -500048;
constexpr Fehlercode FEHLER_PS_DRUCKLOW1_BEREICH = -500049;
constexpr Fehlercode FEHLER_PS_DRUCKLOW2_BEREICH = -500050;
constexpr Fehlercode FEHLER_PS_ALLEVENTILE_BEREICH = -500051;
constexpr Fehlercode FEHLER_PS_VENTIL1_BEREICH = -500052; // ventil n: -500051 - n (n = 1..16)
constexpr Fehlercode FEHLER_PS_VENTIL16_BEREICH = -500067;
constexpr Fehlercode FEHLER_PS_WORT = -401068;
constexpr Fehlercode FEHLER_PS_FLUSH = -112070;
constexpr Fehlercode FEHLER_PS_SCHREIBEN = -101071;
constexpr Fehlercode FEHLER_PS_UNVOLLSTAENDIG = -101072;
constexpr Fehlercode FEHLER_PS_NAK = -402073;
constexpr Fehlercode FEHLER_PS_CAN = -405074;
constexpr Fehlercode FEHLER_PS_KEINE_ANTWORT = -403075;
constexpr Fehlercode FEHLER_PS_FALSCHES_HANDSHAKE = -404076;

constexpr Fehlercode FEHLER_PL_ADRESSE = -400077;
constexpr Fehlercode FEHLER_PL_WORT = -401108;
constexpr Fehlercode FEHLER_PL_FLUSH = -112109;
constexpr Fehlercode FEHLER_PL_SCHREIBEN = -101110;
constexpr Fehlercode FEHLER_PL_UNVOLLSTAENDIG = -114111;
constexpr Fehlercode FEHLER_PL_NAK = -402112;
constexpr Fehlercode FEHLER_PL_CAN = -405113;
constexpr Fehlercode FEHLER_PL_KEINE_ANTWORT = -403114;
constexpr Fehlercode FEHLER_PL_FALSCHES_HANDSHAKE = -404115;
constexpr Fehlercode FEHLER_PL_ANTWORT_ABGEBROCHEN = -404116;
constexpr Fehlercode FEHLER_PL_ECHO = -404117;
constexpr Fehlercode FEHLER_PL_GERAET_MELDET_ERR = -409118;
constexpr Fehlercode FEHLER_PL_WERT_REAL = -404119;
constexpr Fehlercode FEHLER_PL_WERT_DEZIMAL = -404120;
constexpr Fehlercode FEHLER_PL_WERT_HEX = -404123;

constexpr Fehlercode FEHLER_SL_ADRESSE = -400125;
constexpr Fehlercode FEHLER_SL_STARTADRESSE = -894126;
constexpr Fehlercode FEHLER_SL_GROESSE = -895127;
constexpr Fehlercode FEHLER_SL_SPEICHERTYP = -896128;
constexpr Fehlercode FEHLER_SL_FORMATIEREN = -202129;
constexpr Fehlercode FEHLER_SL_SCHREIBEN = -101130;
constexpr Fehlercode FEHLER_SL_UNVOLLSTAENDIG = -114131;
constexpr Fehlercode FEHLER_SL_NAK = -402132;
constexpr Fehlercode FEHLER_SL_CAN = -405133;
constexpr Fehlercode FEHLER_SL_KEINE_ANTWORT = -403134;
constexpr Fehlercode FEHLER_SL_FALSCHES_HANDSHAKE = -404135;
constexpr Fehlercode FEHLER_SL_KEIN_SPEICHER = -600136;
constexpr Fehlercode FEHLER_SL_ANTWORT_ABGEBROCHEN = -404137;
constexpr Fehlercode FEHLER_SL_KEIN_CR = -404138;
constexpr Fehlercode FEHLER_SL_LAENGE = -404139;
constexpr Fehlercode FEHLER_SL_KOPF = -404140;
constexpr Fehlercode FEHLER_SL_DATEN_HIGH = -404141;
constexpr Fehlercode FEHLER_SL_DATEN_LOW = -404142;
constexpr Fehlercode FEHLER_SL_CHECKSUMME_ZIFFER1 = -404143;
constexpr Fehlercode FEHLER_SL_CHECKSUMME_ZIFFER2 = -404144;
constexpr Fehlercode FEHLER_SL_CHECKSUMME_ZIFFER3 = -404145;
constexpr Fehlercode FEHLER_SL_CHECKSUMME_ZIFFER4 = -404146;
constexpr Fehlercode FEHLER_SL_CHECKSUMME = -406147;

constexpr Fehlercode FEHLER_SS_ADRESSE = -400148;
constexpr Fehlercode FEHLER_SS_STARTADRESSE = -894149;
constexpr Fehlercode FEHLER_SS_GROESSE = -895150;
constexpr Fehlercode FEHLER_SS_SPEICHERTYP = -896151;
constexpr Fehlercode FEHLER_SS_FORMATIEREN_KOPF = -202152;
constexpr Fehlercode FEHLER_SS_FORMATIEREN_DATEN = -202153;
constexpr Fehlercode FEHLER_SS_FORMATIEREN_CHECKSUMME = -202154;
constexpr Fehlercode FEHLER_SS_SCHREIBEN = -101155;
constexpr Fehlercode FEHLER_SS_UNVOLLSTAENDIG = -101156;
constexpr Fehlercode FEHLER_SS_NAK = -402157;
constexpr Fehlercode FEHLER_SS_CAN = -405158;
constexpr Fehlercode FEHLER_SS_KEINE_ANTWORT = -403159;
constexpr Fehlercode FEHLER_SS_FALSCHES_HANDSHAKE = -404160;

// ---- settings file of the shell
// ----------------------------------------------------------------------------
constexpr Fehlercode FEHLER_INI_LESEN = -801202;
constexpr Fehlercode FEHLER_INI_SCHREIBEN = -800203;
constexpr Fehlercode FEHLER_INI_NICHT_GEFUNDEN = -802201;

// ---- block transfers of unit memory
// ------------------------------------------------------------------------
constexpr Fehlercode FEHLER_BLOCK_LESEN_KEIN_PORT = -122221;
constexpr Fehlercode FEHLER_BLOCK_SENDEN_KEIN_PORT = -122222;
constexpr Fehlercode FEHLER_BLOCK_PRUEFEN_PUFFER = -600223;

// ---- connection manager
// ------------------------------------------------------------------------------------
constexpr Fehlercode FEHLER_ADRESSE_UNGUELTIG = -400301;
constexpr Fehlercode FEHLER_LETZTER_PORT_UNGUELTIG = -110302;
constexpr Fehlercode FEHLER_PORT_UNGUELTIG = -110303;
constexpr Fehlercode FEHLER_ID_KEIN_PORT = -122304;
constexpr Fehlercode FEHLER_SUCHE_KEIN_PORT = -122305;

// ---- cycle: transfer, file, arrays
// -------------------------------------------------------------------------
constexpr Fehlercode FEHLER_KURVEN_DOWNLOAD_KOPFPUFFER = -600401;
constexpr Fehlercode FEHLER_KURVEN_DOWNLOAD_PUNKTEPUFFER = -600402;
constexpr Fehlercode FEHLER_KURVEN_UPLOAD_KOPFPUFFER = -600403;
constexpr Fehlercode FEHLER_KURVEN_UPLOAD_PUNKTEPUFFER = -600404;
constexpr Fehlercode FEHLER_KURVEN_KOPF_CHECKSUMME = -9407;
constexpr Fehlercode FEHLER_KURVEN_KOPF_SCHRITTE = -9408;
constexpr Fehlercode FEHLER_KURVEN_PUNKT_CHECKSUMME = -9409;
constexpr Fehlercode FEHLER_KURVEN_PRUEFUNG = -404410;     // read-back differs from what was sent
constexpr Fehlercode FEHLER_KURVEN_WERT_BEREICH = -500411; // a value outside its range: nothing is sent
constexpr Fehlercode FEHLER_KURVENDATEI_OEFFNEN_SCHREIBEN = -301421;
constexpr Fehlercode FEHLER_KURVENDATEI_KOPF_SCHREIBEN = -301422;
constexpr Fehlercode FEHLER_KURVENDATEI_WERT_SCHREIBEN = -301423;
constexpr Fehlercode FEHLER_KURVENDATEI_FEHLT = -308424;
constexpr Fehlercode FEHLER_KURVENDATEI_OEFFNEN = -308425;
constexpr Fehlercode FEHLER_KURVENDATEI_ZU_KURZ = -304426;
constexpr Fehlercode FEHLER_KURVENDATEI_TYP = -302427;
constexpr Fehlercode FEHLER_KURVENDATEI_VERSION = -303428;
constexpr Fehlercode FEHLER_KURVENDATEI_SCHRITTE = -304429;
constexpr Fehlercode FEHLER_KURVENDATEI_LAENGE_AENDERN = -304430;
constexpr Fehlercode FEHLER_KURVENDATEI_KANALLAENGE = -304431;
constexpr Fehlercode FEHLER_KURVENDATEI_WERTE_FEHLEN = -304432;
constexpr Fehlercode FEHLER_KURVEN_SPEICHER_INIT = -600461;
constexpr Fehlercode FEHLER_KURVEN_SPEICHER_LAENGE = -600462;

// ---- keys: transfer and file
// -------------------------------------------------------------------------------
constexpr Fehlercode FEHLER_TASTEN_DOWNLOAD_PUFFER = -600501;
constexpr Fehlercode FEHLER_TASTEN_UPLOAD_PUFFER = -600502;
constexpr Fehlercode FEHLER_TASTEN_PRUEFUNG = -404503;     // read-back differs from what was sent
constexpr Fehlercode FEHLER_TASTEN_WERT_BEREICH = -500504; // a field outside its range: nothing is sent
constexpr Fehlercode FEHLER_TASTENDATEI_OEFFNEN_SCHREIBEN = -301521;
constexpr Fehlercode FEHLER_TASTENDATEI_SCHREIBEN = -301522;
constexpr Fehlercode FEHLER_TASTENDATEI_FEHLT = -308523;
constexpr Fehlercode FEHLER_TASTENDATEI_OEFFNEN = -308524;
constexpr Fehlercode FEHLER_TASTENDATEI_ZU_KURZ = -304525;
constexpr Fehlercode FEHLER_TASTENDATEI_TYP = -302526;
constexpr Fehlercode FEHLER_TASTENDATEI_VERSION = -303527;

// ---- direct operation
// --------------------------------------------------------------------------------------
constexpr Fehlercode FEHLER_DIREKT_SENDEN_KEIN_PORT = -122601;
constexpr Fehlercode FEHLER_DIREKT_ABFRAGEN_KEIN_PORT = -122602;
constexpr Fehlercode FEHLER_AUFZEICHNUNG_OEFFNEN = -301611;   // the recording's file could not be created
constexpr Fehlercode FEHLER_AUFZEICHNUNG_SCHREIBEN = -301612; // a line could not be written whole

// ---- valve configuration: file and settings
// ----------------------------------------------------------------
constexpr Fehlercode FEHLER_KONFIGDATEI_OEFFNEN_SCHREIBEN = -301701;
constexpr Fehlercode FEHLER_KONFIGDATEI_SCHREIBEN = -301702;
constexpr Fehlercode FEHLER_KONFIGDATEI_FEHLT = -308703;
constexpr Fehlercode FEHLER_KONFIGDATEI_OEFFNEN = -308704;
constexpr Fehlercode FEHLER_KONFIGDATEI_ZU_KURZ = -304705;
constexpr Fehlercode FEHLER_KONFIGDATEI_TYP = -302706;
constexpr Fehlercode FEHLER_KONFIGDATEI_VERSION = -303707;
constexpr Fehlercode FEHLER_KONFIGDATEI_VENTILART = -304708; // a named file holds a kind outside 0..2
constexpr Fehlercode FEHLER_INI_VENTIL_FEHLT = -801721;
constexpr Fehlercode FEHLER_INI_COM_FEHLT = -801722;
constexpr Fehlercode FEHLER_INI_LCOM_FEHLT = -801723;
constexpr Fehlercode FEHLER_INI_ADRESSE_FEHLT = -801724;
