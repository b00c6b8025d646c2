// Error types and their German and English texts; builds messages with the pending extra text.

#include "errors/VKR_errorV3.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace {

struct Fehlertext {
    int typ;
    const char* deutsch;
    const char* englisch;
};

constexpr Fehlertext kFehlertabelle[] = {
    {0, "Es ist kein Fehler aufgetreten", "No error"},
    {-2, "Ein Fehler ist aufgetreten", "A error occured"},
    {-3, "Timeout erreicht", "Timeout reached"},
    {-4, "Abbruch durch Benutzer", "Aborted by user"},
    {-5, "Datum/Zeit Funktion fehlgeschlagen", "Time/date function failed"},
    {-6, "", ""},
    {-7, "Ein unerwarteter Fehler ist aufgetreten", "Unexpected error"},
    {-8, "Timer konnte nicht angesprochen werden", "Unable to set timer"},
    {-9, "", ""},
    {-100, "Fehler beim öffnen der seriellen Schnittstelle", "Error opening com-port"},
    {-101, "Fehler beim schreiben auf die serielle Schnittstelle", "Error writing to COM Port"},
    {-102, "Fehler beim lesen von der seriellen Schnittstelle", "Error reading from COM Port"},
    {-103, "Fehler beim schliesen der seriellen Schnittstelle", "Error closing com-port"},
    {-110, "Ungültige COM-Port Nummer", "Invalid com-port number"},
    {-111, "Konnte kein Timeout für die serielle Schnittstelle setzten", "Unable to set com-port timeout"},
    {-112, "Fehler beim Leeren des Schreib- oder Leesepuffers der seriellen Schnittstelle",
     "Error flushing read- or writebuffer for com-port"},
    {-113, "Die Zeichenkette, die über die serielle Schnittstelle gesendet werden soll, ist zu lang",
     "The string to be sent to a com-port ist too long"},
    {-114, "Keine oder nicht alle Zeichen konnten auf die serielle Schnittstelle geschrieben werden",
     "Was not able to write any or all characters to a com-port"},
    {-116, "Keine oder falsche Antwort vom vom seriellem Gerät",
     "No or unexpected answer form serial device"},
    {-117,
     "Das Echo des Befehls, der über sie serielle Schnittstelle geschickt wurde, entspricht nicht dem "
     "ursprünglichen Befehl",
     "The echo of a command that was sent back from a serial device was not equivalent to the original "
     "command"},
    {-118, "Das Gerät an der seriellen Schnittstelle hat die Befehlsausführung nicht korrekt bestätigt",
     "A serial device did not commit a command properly"},
    {-119, "Das Gerät an der seriellen Schnittstelle meldet einen Fehler bei der Befehlsausführung",
     "A serial device reported a error executing a command"},
    {-120, "Die von der seriellen Schnittstelle zurückgelesene Zeichenkette hat nicht das erwartete Format",
     "The string that was wrote back from a serial device does not have the expected format"},
    {-122, "Serielle Schnittstelle ist nicht geöffnet", "COM-port not open"},
    {-123, "Fehler beim Leeren des Schreibpuffers der seriellen Schnittstelle",
     "Error flushing writebuffer of com-port"},
    {-124, "Fehler beim Leeren des Lesepuffers der seriellen Schnittstelle",
     "Error flushing readbuffer of com-port"},
    {-125, "Unzulässige Baudrate", "Invalid Baudrate"},
    {-126, "Serielles Gerät meldet Befehlsausführung nicht möglich",
     "Serial device reports execution of command not possible"},
    {-200, "Fehler beim verarbeiten des Spannungswertes", "Error computing voltage value"},
    {-201, "Fehler beim verarbeiten des Stromwertes", "Error computing current value"},
    {-202, "Fehler beim Formatieren der Werte", "Error formating values"},
    {-300, "Datei nicht gefunden", "File not found"},
    {-301, "Fehler beim Schreiben auf Datei", "Error writing to file"},
    {-302, "Die Datei ist nicht vom richtigen Typ", "Wrong filetype"},
    {-303, "Die Datei hat die falsche Versionsnummer", "Wrong fileversion"},
    {-304, "Fehler beim Lesen der Datei", "Error reading from file"},
    {-305, "Der Zugriff auf die Datei wurde verweigert", "Unable to access file"},
    {-306, "Die Datei konnte nicht gelöscht werden", "Unable to delete file"},
    {-307, "Fehler beim Erstellen des Dateipfades", "Error making filepath"},
    {-308, "Fehler beim Öffnen der Datei", "Error opening file"},
    {-310, "Fehler beim erstellen des Verzeichnisses", "Error making new directory"},
    {-311, "Datei kann nicht editiert werden", "File can not be edited"},
    {-312, "Aus Datei gelesene Daten haben nicht das erwartete Format",
     "Data read from a File does not have the expected format"},
    {-315, "Arbeitsverzeichnis konnte nicht ermittel werden", "Unable to get workingdirectory"},
    {-316, "Verzeichnis nicht gefunden", "Directory not found"},
    {-317, "Fehler beim Aufrufen des Dateiauswahlfensters", "Error calling the fileselect window"},
    {-318, "Die Datei enthält ein nicht erlaubtes Zeichen.", "File contains a invalid character."},
    {-319, "Eine Zeile in der Datei ist zu lang.", "File contains a line which is too long."},
    {-320, "Die Datei enthält zu viele Werte.", "The file contains too much values."},
    {-321, "Die Datei enthält keine Werte.", "File contains no values."},
    {-322, "Die Datei wurde beschädigt.", "File is damaged."},
    {-323, "Fehler beim Umbenennen der Datei.", "Could not rename file."},
    {-324, "Die Datei existiert schon.", "File already exists."},
    {-325, "Dateiattribut konnte nicht gesetzt werden.", "could not change fileattribute."},
    {-350, "Timeout:\nDruck konnte nicht aufgebaut werden.", "Timeout:\nPressure could not be generated."},
    {-351, "Timeout:\nDruck hat sich nicht stabilisiert.", "Timeout:\nPreassure did not stabilize."},
    {-352, "Timeout:\nVakuum hat sich nicht stabilisiert.", "Timeout:\nVacuum did not stabilize."},
    {-353, "Timeout:\nDruck konnte nicht abgelassen werden.", "Timeout:\nPressure could not be deflated."},
    {-354, "Timeout:\nVakuum konnte nicht aufgebaut werden.", "Timeout:\nVakuum could not be generated."},
    {-355, "Timeout:\nVakuum konnte nicht abgelassen werden.", "Timeout:\nVakuum could not be deflated."},
    {-358, "Timeout:\nDruck hat sich nicht ausgeglichen.", "Timeout:\nPressure did not equalize."},
    {-359, "Druck zu Beginn der Messung bereits zu hoch.",
     "Pressure already too high at beginning of meassurement."},
    {-360, "Vakuum zu Beginn der Messung bereits zu hoch.",
     "Vakuum already too high at beginning of meassurement."},
    {-361, "Druck zu Beginn der Messung bereits zu niedrig.",
     "Pressure already too low at beginning of meassurement."},
    {-362, "Vakuum zu Beginn der Messung bereits zu niedrig.",
     "Vakuum already too low at beginning of meassurement."},
    {-363, "Timeout:\nDruck konnte nicht eingestellt werden.", "Timeout:\nCould not adjust preassure."},
    {-364, "Druck außerhalb der Toleranz.", "Pressure out of tolerance"},
    {-380, "Wassersäule hat Maximum erreicht", "Water has reached maximum level"},
    {-381, "Wassersäule hat Minimum erreicht", "Water has reached minimum level"},
    {-382, "Wasservorrat hat Minimum erreicht", "Watertank has reached minimum level"},
    {-400, "Unzulässige Geräteadresse", "invalid deviceaddress"},
    {-401, "Unzulässiger Parameter", "invalid parameter"},
    {-402, "Fehlermeldung (NAK) vom Gerät erhalten", "Errormessage (NAK) received from device"},
    {-403, "Keine Antwort vom Gerät", "No answer from device"},
    {-404, "Fehlerhafte Antwort vom Gerät", "Wrong answer from device"},
    {-405, "Befehlsausführung momentan nicht möglich (CAN erhalten)",
     "Command not possible at the moment (CAN received)"},
    {-406, "Checksummenfehler bei der Übertragung", "Checksumm error at transmission"},
    {-407, "Lesebefehl ist mit Sammeladresse nicht möglich",
     "Readcommands are not possible with common adress"},
    {-408, "Fehlende Checksumme", "Checksumm missing"},
    {-409, "Gerät meldet Parameterfehler", "Device reports error in parameter"},
    {-450, "Differenzdruck konnte nicht eingestellt werden", "Could not set pressure"},
    {-500, "Parameter außerhalb der Grenzwerte", "Parameter out of limits"},
    {-503, "Fehlende Werte", "Missing values"},
    {-504, "Falscher Parameter", "Wrong parameter"},
    {-505, "Die Daten sind fehlerhaft", "Data not correct"},
    {-506, "Es sind keine negativen Werte erlaubt.", "No negative values are allowed."},
    {-507, "Wert zu groß.", "Value too big."},
    {-508, "Wert zu klein.", "Value too small."},
    {-509, "Wert auserhalb der Toleranz.", "Value out of tolerance."},
    {-510, "Wert nicht erlaubt.", "Value not allowed."},
    {-511, "Wert ist zu alt.", "Value too old."},
    {-550, "Sequenz ungültig", "Invalid sequence"},
    {-600, "Speicherreservierung fehlgeschlagen", "Error allocating memory"},
    {-650, "Panel konnte nicht geladen werden", "Could not load panel"},
    {-651, "Panel konnte nicht erstellt werden", "Could not create panel"},
    {-652, "Bedienelement konnte nicht erstellt werden", "Could not create control"},
    {-700, "Timeout:\nMeßeingang konnte nicht gelesen werden", "Timeout:\nUnable to read meassurement input"},
    {-701, "Meßwerte können nicht schnell genug verarbeitet werden",
     "Meassurements could not be processed fast enough"},
    {-702, "Meßeingang konnten nicht gelesen werden", "Could not read measurement-channel"},
    {-703, "Außentemperatursensor defekt oder nicht angeschlossen",
     "Temperaturesensor broken or not connected"},
    {-704, "Außendrucksensor defekt oder nicht angeschlossen", "Pressuresensor broken or not connected"},
    {-705, "Meßwerterfassung konnte nicht gestartet werden", "Could not start measurement scan"},
    {-706, "Meßwerterfassung konnte nicht gestoppt werden", "Could not stop measurement scan"},
    {-730, "Analogausgang konnte nicht gesetzt werden", "Could not set analog output"},
    {-731, "Analogausgang konnte nicht abgefragt werden", "Could not read analog output"},
    {-732, "Der Wert für den Analogausgang ist auserhalb der Grenzwerte",
     "Analog output value out of limits"},
    {-760, "Digitalausgang konnte nicht gesetzt werden", "Could not set digital output"},
    {-761, "Ungültige Nummer für Digitalausgang", "Invalid number for digital out"},
    {-762, "Digitalausgang konnte nicht abgefragt werden", "Could not read digital out"},
    {-763, "Relaisposition konnte nicht abgefragt werden", "Unable to read relayposition"},
    {-764, "Relais konnte nicht gesetzt werden", "Unable to set relay position"},
    {-765, "Digitalausgang konnte nicht gelesen werden", "Could not read digital input"},
    {-766, "Digitalport konnte nicht konfiguruert werden", "Could not configure digital port"},
    {-780, "Gerät nicht gefunden", "Device not found"},
    {-783, "Regelkarte meldet Speicherfehler", "LTQ module reports memory error"},
    {-784, "Regelkarte wurde nicht gefunden.", "LTQ module not found."},
    {-785, "Es wurde ein Gerät vom falschen Typ gefunden.", "Device of wrong type was found."},
    {-786, "Der Notaus-Schalter ist gedrückt.", "The emergency switch is pressed."},
    {-787, "Gerät meldet Speicherfehler", "Device reports memory error"},
    {-800, "Fehler beim schreiben in die INI-Datei", "Error writing to INI-File"},
    {-801, "Fehler beim lesen der INI-Datei", "Error reading from INI-File"},
    {-802, "INI-Datei nicht gefunden", "INI-File not found"},
    {-803, "INI-Datei ist beschädigt", "INI-File is damaged"},
    {-805, "Prüfstandname in der INI-Datei ist ungültig", "Name of testdevice in ini-file is invalid"},
    {-850, "Verbindung mit der Datenbank konnte nicht hergestellt werden", "Database connection failed"},
    {-851, "Fehler beim erstellen der Map für die Datenbanktabelle", "Error making map for databasetable"},
    {-852, "Fehler beim öffnen der Datenbanktabelle", "Opening databasetable failed"},
    {-853, "Fehler beim erstellen der Datenbanktabelle", "Error making databasetable"},
    {-854, "Fehler beim anpassen der Datenbanktabelle", "Error altering databasetable"},
    {-855, "Fehler beim schreiben in die Datenbanktabelle", "Error writing to databasetable"},
    {-880, "DAQ-Task konnte nicht erstellt werden", "Unable to create DAQ-Task"},
    {-881, "DAQ-Task konnte nicht beendet werden", "Unable to clear DAQ-Task"},
    {-882, "Task konnte nicht erstellt werden", "Unable to create task"},
    {-894, "Ungültige Startadresse.", "Invalid startingadress."},
    {-895, "Ungültige Speichergröße.", "Invalid memorysize."},
    {-896, "Ungültiger Speichertyp.", "Invalid memorytype."},
    {-897, "Checksummenfehler im EEPROM Speicher.", "Checksummerror in EEPROM memory."},
    {-898, "Ungültiger Speicherbereich.", "Invalid memoryarea."},
    {-1000,
     "Für diesen Prüfschritt ist als Grenzwertvergleich\nnur >&< erlaubt.\nPassen Sie den Vergleich im "
     "Sequenzeditor an.",
     "For this teststep limit-comparition has to be >&<.\nPlease edit it in the sequenceeditor."},
    {-1001, "In der Protokolldatei wurde keine Information über\nden Losumfang gefunden.",
     "Could not find lotamount in the datafile."},
    {-1002,
     "Die Anzahl der Prüfschritte stimmt nicht mit der Anzahl\nder Prüfschritte in der Protokolldatei für "
     "diese BA-Nr. überein.\nWahrscheinlich wurde dieser Auftrag mit einer\nanderen Sequenz erstellt.",
     "The current amount of teststeps is not equivalent to the\namount of teststeps in the data-file for "
     "this BA-Nr.\nThe BA-File was probably createt with\n a different sequence."},
    {-1003,
     "Der Name eines Prüfschrittes stimmt nicht mit dem\nNamen in der Protokolldatei für diese BA-Nr. "
     "überein.\nWahrscheinlich wurde dieser Auftrag mit einer\nanderen Sequenz erstellt.",
     "The name of a teststep is not equivaltent to the corosponding\nname listed in the data-file for this "
     "BA-Nr.\nThe BA-File was probably createt with\n a different sequence."},
    {-1004,
     "Falscher oder Fehlender Eintrag für Losumfang.\nErlaubter Bereich für die Seriennummern ist unklar.",
     "Wrong or missing entry for lotamount.\nValid range for serialnumbers not clear."},
    {-1005,
     "Die Kombination aus vorhandenen Seriennummern\nund Losumfang ist ungülting.\nErlaubter Bereich für die "
     "Seriennummern ist unklar.",
     "The combination of existing serialnumbers\nand lotamount is invalid.\nValid range for serialnumbers "
     "not clear."},
    {-1007, "Auf die Datei mit Druck und Temperaturinformation\nkonnte nicht zugegriffen werden.",
     "Could not read the file with pressure\nand temperature information."},
    {-1008, "Druck- und Temperaturinformationen\nsind zu alt.",
     "Pressure- and temperatureinformations\nare too old."},
    {-1010, "Unerlaubte Zeitbasis.", "invalid timebase."},
    {-1011, "Die Kurve besteht aus zu vielen Datenpunkten.", "The graph consists of to many datapoints."},
    {-1012, "Druck zu Beginn der Messung bereits zu hoch.",
     "Pressure already too high at beginning of meassurement."},
    {-1013, "Vakuum zu Beginn der Messung bereits zu hoch.",
     "Vakuum already too high at beginning of meassurement."},
    {-1014, "Gewichtsbereich überschritten", "Weight in overload range"},
    {-1015, "Gewichtsbereich unterschritten", "Weight in underload range"},
    {-1016, "Unbekannte Gewichtseinheit", "Unknown weight unit"},
    {-1017, "Die Datei ist keine KTV-1 Kurvendatei.", "File is no KTV-1 curvefile."},
    {-1018, "Die Datei mit dem Außendruck konnte nicht gelesen werden.",
     "Could not read the file with pressureinformation."},
    {-1019, "Protokolldatei nicht gefunden.", "Protocol-File not found."},
    {-1020, "Temporäre Datei existiert bereits.", "Temporary File already exists."},
    {-1021, "Ungültiger Aussendruck.", "Preassure invalid."},
    {-1022, "Ungültige Aussentemperatur.", "Temperature invalid."},
    {-1023, "Aussendruck nicht vorhanden.", "Preassure missing."},
    {-1024, "Kein Stromwert vorhanden.", "No value available for current."},
    {-1025, "Prüflingsventile nicht konfiguriert\nPrüfschritt VPKonfig in die Sequenz aufnehmen!",
     "Valves not configured.\nAdd VPKonfig so sequence."},
    {-1026, "Schaltventilzustand unbekannt.", "Unknown valve status."},
    {-1027, "Ansteuersignal konnte nicht ausgewertet werden.", "Could not compute triggersignal."},
    {-1028, "Eine interne Betriebsspannung fehlt.", "Internal Voltage is missing."},
    {-1029, "Aussendruckprüfschritt fehlt.", "Ambient preassure test missing."},
    {-1030, "Aussentemperaturprüfschritt fehlt.", "Ambient temperature test missing."},
    {-1031, "Für Null Gegendruck bitte Freeflow-Schritt benutzen.",
     "To test flow without load use the freeflow test."},
    {-1032, "Der Notausschalter ist gedrückt", "Emergency switch is on"},
    {-1033, "Pumpenkopfkombination nicht erlaubt.\n'PumpeVerbinden' im SequenzEditor prüfen.",
     "Combination of pump settings in 'PumpeVerbinden' not allowed."},
    {-1034, "Keine Antwort von der Waage.\nGewicht hat sich evtl. nicht stabilisiert.",
     "Balance did not answer.\nWeight did possibly not stabilize."},
};

constexpr const char* kUnbekanntDeutsch = "Ein unbekannter Fehler ist aufgetreten";
constexpr const char* kUnbekanntEnglisch = "A unknown error occured";

constexpr std::size_t laengsterText() {
    std::size_t n =
        std::max(std::string_view(kUnbekanntDeutsch).size(), std::string_view(kUnbekanntEnglisch).size());
    for (const auto& f : kFehlertabelle)
        n = std::max({n, std::string_view(f.deutsch).size(), std::string_view(f.englisch).size()});
    return n;
}

// Longest text, the line break, a full extra text and the terminating zero always fit.
static_assert(laengsterText() + 1 + (VKR_ZUSATZTEXT_GROESSE - 1) + 1 <= VKR_MELDUNGSPUFFER_GROESSE);

int gSprache = VKR_SPRACHE_DEUTSCH;
char gMeldungspuffer[VKR_MELDUNGSPUFFER_GROESSE];
char gZusatztext[VKR_ZUSATZTEXT_GROESSE];

const Fehlertext* suchen(int typ) {
    const auto* it = std::find_if(std::begin(kFehlertabelle), std::end(kFehlertabelle),
                                  [typ](const Fehlertext& f) { return f.typ == typ; });
    return it == std::end(kFehlertabelle) ? nullptr : it;
}

} // namespace

const char* VKR_Fehlermeldung(int code) {
    const int typ = VKR_Fehlertyp(code);
    const Fehlertext* eintrag = suchen(typ);
    const char* text;
    if (gSprache == VKR_SPRACHE_ENGLISCH) {
        // "No error" leaves a pending extra text for the next real message.
        if (typ == 0) {
            std::strcpy(gMeldungspuffer, eintrag->englisch);
            return gMeldungspuffer;
        }
        text = eintrag ? eintrag->englisch : kUnbekanntEnglisch;
    } else {
        text = eintrag ? eintrag->deutsch : kUnbekanntDeutsch;
    }
    std::size_t n = std::strlen(text);
    std::memcpy(gMeldungspuffer, text, n);
    if (gZusatztext[0] != '\0') {
        const std::size_t z = std::strlen(gZusatztext);
        gMeldungspuffer[n++] = '\n';
        std::memcpy(gMeldungspuffer + n, gZusatztext, z);
        n += z;
        gZusatztext[0] = '\0';
    }
    gMeldungspuffer[n] = '\0';
    return gMeldungspuffer;
}

void VKR_Fehlersprache(int sprache) {
    gSprache = sprache;
}

int VKR_FehlerspracheGet() {
    return gSprache;
}

void VKR_Fehleruserstring(const char* text) {
    if (!text) {
        gZusatztext[0] = '\0';
        return;
    }
    std::size_t n = strnlen(text, VKR_ZUSATZTEXT_GROESSE);
    if (n >= VKR_ZUSATZTEXT_GROESSE) {
        // Too long: cut before the character that would not fit whole.
        n = VKR_ZUSATZTEXT_GROESSE - 1;
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    }
    std::memcpy(gZusatztext, text, n);
    gZusatztext[n] = '\0';
}

std::string VKR_Fehlernummer(int code, int sprache) {
    // Widened so that the most negative code has a positive form.
    return (sprache == VKR_SPRACHE_ENGLISCH ? "Error #" : "Fehler #") +
           std::to_string(-static_cast<long long>(code));
}

std::string VKR_Fehlerzeile(int code, std::string_view text, bool einzeilig) {
    std::string zeile = VKR_Fehlernummer(code) + ": ";
    const std::size_t anfang = zeile.size();
    zeile += text;
    if (einzeilig) std::replace(zeile.begin() + static_cast<std::ptrdiff_t>(anfang), zeile.end(), '\n', ' ');
    return zeile;
}
