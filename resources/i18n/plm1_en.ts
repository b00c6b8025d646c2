<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Plm1</name>
    <message>
        <source>%1 existiert bereits. Ersetzen?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>Unbenannt</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>angehalten</source>
        <translation>paused</translation>
    </message>
    <message>
        <source>nicht geöffnet</source>
        <translation>not open</translation>
    </message>
    <message>
        <source>Klicken: Verbindung öffnen oder schließen</source>
        <translation>Click: open or close the connection</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Zurück zum Hauptfenster</source>
        <translation>Back to main window</translation>
    </message>
    <message>
        <source>Pumpe %1</source>
        <translation>Pump %1</translation>
    </message>
    <message>
        <source>Geschwindigkeit
          [%]</source>
        <translation>Speed
       [%]</translation>
    </message>
    <message>
        <source>Pumpe läuft mit 0 oder 30 bis 100 %; negativ: evakuieren</source>
        <translation>Pump runs at 0 or 30 to 100 %; negative: evacuate</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Obere Druckgrenze ein</source>
        <translation>Upper pressure limit on</translation>
    </message>
    <message>
        <source>Druckgrenze
(aufpumpen)
     [mbar]</source>
        <translation>Pressure limit
(pumping up)
     [mbar]</translation>
    </message>
    <message>
        <source>Aufpumpen endet bei diesem Druck</source>
        <translation>Pumping up stops at this pressure</translation>
    </message>
    <message>
        <source>Untere Druckgrenze ein</source>
        <translation>Lower pressure limit on</translation>
    </message>
    <message>
        <source>Druckgrenze
(evakuieren)
     [mbar]</source>
        <translation>Pressure limit
(evacuating)
     [mbar]</translation>
    </message>
    <message>
        <source>Evakuieren endet bei diesem Druck</source>
        <translation>Evacuating stops at this pressure</translation>
    </message>
    <message>
        <source>Drucksensor [mbar]</source>
        <translation>Pressure sensor [mbar]</translation>
    </message>
    <message>
        <source>Kühlkörper-
Temperatur [°C]</source>
        <translation>Heat sink
temperature [°C]</translation>
    </message>
    <message>
        <source>Betriebsspannung [V]</source>
        <translation>Supply voltage [V]</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Druckabschaltung 1</source>
        <translation>Pressure cut-off 1</translation>
    </message>
    <message>
        <source>Druckabschaltung 2</source>
        <translation>Pressure cut-off 2</translation>
    </message>
    <message>
        <source>Kurve läuft</source>
        <translation>Cycle running</translation>
    </message>
    <message>
        <source>Speicherfehler</source>
        <translation>Memory error</translation>
    </message>
    <message>
        <source>Kurve Pause</source>
        <translation>Cycle paused</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>Sichtbarer Zeitraum des Verlaufs</source>
        <translation>Time span shown in the trend</translation>
    </message>
    <message>
        <source>Angehalten</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Läuft mit</source>
        <translation>Following</translation>
    </message>
    <message>
        <source>Verlauf anhalten, um zurückzublättern (ziehen oder Mausrad)</source>
        <translation>Hold the trend to look back (drag or mouse wheel)</translation>
    </message>
    <message>
        <source>Aufzeichnen</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Jede Abfrage als Zeile in eine CSV-Datei schreiben</source>
        <translation>Write every poll as a line to a CSV file</translation>
    </message>
    <message>
        <source>Datei und Zeilen der Aufzeichnung</source>
        <translation>File and lines of the recording</translation>
    </message>
    <message>
        <source>Direktbetrieb</source>
        <translation>Direct operation</translation>
    </message>
    <message>
        <source>Ventile</source>
        <translation>Valves</translation>
    </message>
    <message>
        <source>auf</source>
        <translation>open</translation>
    </message>
    <message>
        <source>zu</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>Abfragen beenden</source>
        <translation>Stop polling</translation>
    </message>
    <message>
        <source>PLM-1 abfragen</source>
        <translation>Poll PLM-1</translation>
    </message>
    <message>
        <source>Istwerte alle 0,5 s abfragen</source>
        <translation>Poll the actual values every 0.5 s</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Steuern</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Monitor: die Sollwerte des PLM-1 beim Abfragen zurücklesen</source>
        <translation>Monitor: read the PLM-1&apos;s set values back while polling</translation>
    </message>
    <message>
        <source>Jede Änderung wird sofort
an das PLM-1 gesendet.</source>
        <translation>Every change is sent to
the PLM-1 at once.</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>PLM-1 Steuerung</source>
        <translation>PLM-1 Control</translation>
    </message>
    <message>
        <source>Tasten-Programmierung</source>
        <translation>Key programming</translation>
    </message>
    <message>
        <source>Die Tasten 1 bis 9 des PLM-1 belegen</source>
        <translation>Assign the keys 1 to 9 of the PLM-1</translation>
    </message>
    <message>
        <source>Zyklus-Programmierung</source>
        <translation>Cycle programming</translation>
    </message>
    <message>
        <source>Den Druckzyklus als Kurven zeichnen</source>
        <translation>Draw the pressure cycle as curves</translation>
    </message>
    <message>
        <source>Ventile und Pumpen von Hand schalten, Istwerte beobachten</source>
        <translation>Switch valves and pumps by hand, watch the actual values</translation>
    </message>
    <message>
        <source>PLM-1 Einstellungen</source>
        <translation>PLM-1 Settings</translation>
    </message>
    <message>
        <source>Ventilarten, COM-Port und Geräteadresse</source>
        <translation>Valve types, COM port and device address</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Version des Programms</source>
        <translation>Version of the program</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Einstellungen speichern und beenden</source>
        <translation>Save the settings and exit</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ventilart von Ventil %1</source>
        <translation>Type of valve %1</translation>
    </message>
    <message>
        <source>Verbindung</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>COM-Port</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>Serielle Schnittstelle zum PLM-1</source>
        <translation>Serial port to the PLM-1</translation>
    </message>
    <message>
        <source>Geräteadresse</source>
        <translation>Device address</translation>
    </message>
    <message>
        <source>alle</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Adresse, an die die Befehle gehen (alle: nur Schreibbefehle)</source>
        <translation>Address the commands go to (all: write commands only)</translation>
    </message>
    <message>
        <source>ID lesen</source>
        <translation>Read ID</translation>
    </message>
    <message>
        <source>Identifikation</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Gerätesuche</source>
        <translation>Device search</translation>
    </message>
    <message>
        <source>Scann</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Gerät an Adresse %1 (grün: PLM-1, rot: anderes Gerät)</source>
        <translation>Device at address %1 (green: PLM-1, red: other device)</translation>
    </message>
    <message>
        <source>Ventileinstellungen</source>
        <translation>Valve settings</translation>
    </message>
    <message>
        <source>Laden...</source>
        <translation>Load...</translation>
    </message>
    <message>
        <source>Speichern unter...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Linke Maustaste: Punkte setzen, rechte Maustaste: Punkte löschen</source>
        <translation>Left mouse button: set points, right mouse button: delete points</translation>
    </message>
    <message>
        <source>Druckgrenze in mbar</source>
        <translation>Pressure limit in mbar</translation>
    </message>
    <message>
        <source>Obergrenze</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Untergrenze</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Pumpe 1</source>
        <translation>Pump 1</translation>
    </message>
    <message>
        <source>Pumpe 2</source>
        <translation>Pump 2</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Sichtbare 50 Schritte verschieben</source>
        <translation>Move the 50 visible steps</translation>
    </message>
    <message>
        <source>Zyklus</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Anzahl Schritte</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>1 bis 600 Schritte</source>
        <translation>1 to 600 steps</translation>
    </message>
    <message>
        <source>Zyklen</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>Anzahl der Durchläufe</source>
        <translation>Number of runs</translation>
    </message>
    <message>
        <source>unbegrenzt</source>
        <translation>endless</translation>
    </message>
    <message>
        <source>Zyklus aus Datei laden</source>
        <translation>Load the cycle from a file</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zyklus in Datei speichern</source>
        <translation>Save the cycle to a file</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Zyklus aus dem PLM-1 lesen</source>
        <translation>Read the cycle from the PLM-1</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Zyklus in den PLM-1 schreiben</source>
        <translation>Write the cycle into the PLM-1</translation>
    </message>
    <message>
        <source>Linke Maustaste: setzen
Rechte Maustaste: löschen
Umschalttaste: Wert zeigen</source>
        <translation>Left mouse button: set
Right mouse button: delete
Shift key: show value</translation>
    </message>
    <message>
        <source>50 Schritte sichtbar</source>
        <translation>50 steps visible</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Punkte bearbeiten</source>
        <translation>Editing points</translation>
    </message>
    <message>
        <source>Werte anzeigen</source>
        <translation>Showing values</translation>
    </message>
    <message>
        <source>Leistung [%]</source>
        <translation>Power [%]</translation>
    </message>
    <message>
        <source>Grenze [mbar]</source>
        <translation>Limit [mbar]</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Pumpenleistung in %: 0 oder 30 bis 100; negativ saugt die Pumpe</source>
        <translation>Pump power in %: 0 or 30 to 100; negative: the pump evacuates</translation>
    </message>
    <message>
        <source>Druckgrenze aktiv</source>
        <translation>Pressure limit active</translation>
    </message>
    <message>
        <source>Druckgrenze in mbar: obere Grenze beim Pumpen, untere beim Saugen</source>
        <translation>Pressure limit in mbar: upper when pumping up, lower when evacuating</translation>
    </message>
    <message>
        <source>Zeit (0 bis 500)</source>
        <translation>Time (0 to 500)</translation>
    </message>
    <message>
        <source>Taste %1</source>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>Feste Tasten</source>
        <translation>Fixed keys</translation>
    </message>
    <message>
        <source>Taste 10    Zyklus Start</source>
        <translation>Key 10    Cycle start</translation>
    </message>
    <message>
        <source>Taste 11    Zyklus Pause</source>
        <translation>Key 11    Cycle pause</translation>
    </message>
    <message>
        <source>Taste 12    Zyklus Stopp</source>
        <translation>Key 12    Cycle stop</translation>
    </message>
    <message>
        <source>Tastenbelegung aus einer Datei laden</source>
        <translation>Load the key table from a file</translation>
    </message>
    <message>
        <source>Tastenbelegung in ihrer Datei speichern</source>
        <translation>Save the key table to its file</translation>
    </message>
    <message>
        <source>PLM-1</source>
        <translation>PLM-1</translation>
    </message>
    <message>
        <source>Download vom PLM-1</source>
        <translation>Download from PLM-1</translation>
    </message>
    <message>
        <source>Tastenbelegung aus dem PLM-1 lesen</source>
        <translation>Read the key table from the PLM-1</translation>
    </message>
    <message>
        <source>Upload zum PLM-1</source>
        <translation>Upload to PLM-1</translation>
    </message>
    <message>
        <source>Tastenbelegung zum PLM-1 senden</source>
        <translation>Send the key table to the PLM-1</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Speicherfehler im PLM-1.
Senden Sie die Kurven erneut zum PLM-1</source>
        <translation>Memory error in the PLM-1.
Send the curves to the PLM-1 again</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Warnung:
Im Zyklus auf dem PLM-1 sind mehrere verschiedene Grenzdrücke gespeichert.
Dies wird von PLM1-Steuerung nicht unterstützt.
Alle Grenzdrücke wurden daher auf den gleichen Wert gesetzt.</source>
        <translation>Warning:
The cycle in the PLM-1 holds several different pressure limits.
PLM1-Steuerung does not support this.
All pressure limits have therefore been set to the same value.</translation>
    </message>
    <message>
        <source>Der Zyklus wurde geändert.
Sollen die Änderungen gespeichert werden?</source>
        <translation>The cycle has been changed.
Save the changes?</translation>
    </message>
    <message>
        <source>Kurven bearbeiten</source>
        <translation>Editing curves</translation>
    </message>
    <message>
        <source>Kurvenpunkte setzen: Linke Maustaste
Kurvenpunkte löschen: Rechte Maustaste</source>
        <translation>Set curve points: left mouse button
Delete curve points: right mouse button</translation>
    </message>
    <message>
        <source>Pumpenwerte anzeigen</source>
        <translation>Showing pump values</translation>
    </message>
    <message>
        <source>Um die Werte vorhandener Pumpen-Kurvenpunkte anzuzeigen,
können die Punkte bei gedrückter Umschalttaste angeklickt werden.</source>
        <translation>To show the values of existing pump curve points,
click the points while holding the Shift key.</translation>
    </message>
    <message>
        <source>Daten lesen</source>
        <translation>Reading data</translation>
    </message>
    <message>
        <source>Daten senden</source>
        <translation>Sending data</translation>
    </message>
    <message>
        <source>Daten prüfen</source>
        <translation>Checking data</translation>
    </message>
    <message>
        <source>Upload an mehrere…</source>
        <translation>Upload to several…</translation>
    </message>
    <message>
        <source>Upload an mehrere</source>
        <translation>Upload to several</translation>
    </message>
    <message>
        <source>An diese Geräte senden:</source>
        <translation>Send to these devices:</translation>
    </message>
    <message>
        <source>Keine Geräte bekannt.
Suchen Sie die Geräte zuerst im Fenster &quot;PLM-1 Einstellungen&quot;.</source>
        <translation>No devices known.
Search for the devices first in the window &quot;PLM-1 Settings&quot;.</translation>
    </message>
    <message>
        <source>Nach dem Senden prüfen</source>
        <translation>Check after sending</translation>
    </message>
    <message>
        <source>geprüft</source>
        <translation>checked</translation>
    </message>
    <message>
        <source>Werte angepasst</source>
        <translation>Values adjusted</translation>
    </message>
    <message>
        <source>keine Aufzeichnung</source>
        <translation>no recording</translation>
    </message>
    <message>
        <source>Druck 1</source>
        <translation>Pressure 1</translation>
    </message>
    <message>
        <source>Druck 2</source>
        <translation>Pressure 2</translation>
    </message>
    <message>
        <source>Grenzen 1</source>
        <translation>Limits 1</translation>
    </message>
    <message>
        <source>Grenzen 2</source>
        <translation>Limits 2</translation>
    </message>
    <message>
        <source>Speicherfehler im PLM-1</source>
        <translation>Memory error in the PLM-1</translation>
    </message>
    <message>
        <source>
Speicher im PLM-1 ist ungültig.
Senden Sie die Tastenbelegung erneut zum PLM-1.</source>
        <translation>
The memory of the PLM-1 is invalid.
Send the key table to the PLM-1 again.</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Die Tastenbelegung wurde geändert.
Sollen die Änderungen gespeichert werden?</source>
        <translation>The key table has been changed.
Save the changes?</translation>
    </message>
    <message>
        <source>Nicht verwendbar, es gilt die Voreinstellung: %1</source>
        <translation>Not usable, the default applies: %1</translation>
    </message>
    <message>
        <source>Prüfung: Abweichung bei %1</source>
        <translation>Check: difference at %1</translation>
    </message>
    <message>
        <source>Werte außerhalb ihres Bereichs wurden angepasst:</source>
        <translation>Values outside their range have been adjusted:</translation>
    </message>
    <message>
        <source>Speicher im PLM-1 ist ungültig.</source>
        <translation>The memory of the PLM-1 is invalid.</translation>
    </message>
    <message>
        <source>Senden Sie die Tastenbelegung erneut zum PLM-1.</source>
        <translation>Send the key table to the PLM-1 again.</translation>
    </message>
    <message>
        <source>Taste %1: Speicher ungültig</source>
        <translation>Key %1: memory invalid</translation>
    </message>
    <message>
        <source>Suche nach Gerät %1</source>
        <translation>Searching for device %1</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Datei ersetzen</source>
        <translation>Replace file</translation>
    </message>
    <message>
        <source>Hauptfenster</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>n.v.</source>
        <translation>n.f.</translation>
    </message>
    <message>
        <source>Konfiguration der Ventile.
Ventilarten sind abhängig von
der Hardwareversion des PLM-1.

n.v. = nicht vorhanden
NO = normaly open
NC = normaly closed</source>
        <translation>Configuration of the valves.
The valve types depend on
the hardware version of the PLM-1.

n.f. = not fitted
NO = normally open
NC = normally closed</translation>
    </message>
    <message>
        <source>unerwarteter Fehler</source>
        <translation>unexpected error</translation>
    </message>
    <message>
        <source>unbekannter Befehl %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>mehrere Adressen bei %1</source>
        <translation>several addresses with %1</translation>
    </message>
    <message>
        <source>get braucht genau ein Wort</source>
        <translation>get needs exactly one word</translation>
    </message>
    <message>
        <source>set braucht ein Wort und einen Wert</source>
        <translation>set needs a word and a value</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Aufruf: plm1 [--port N|GERAET] [--address A] [--valves DATEI.plc] [--trace DATEI] BEFEHL ...
  --port N       COM N (1..8), oder ein serielles Gerät: Name (ttyUSB0) oder Pfad
                 (auch der feste Pfad /dev/serial/by-id/..., siehe ports), oder ein
                 Geräteserver im Netzwerk: tcp://RECHNER:PORT, rfc2217://RECHNER:PORT
  --address A    Geräteadresse 1..9; &amp; für alle nur bei set, start, pause, stop, write-mem
                 und Uploads ohne --verify; mehrere Geräte nacheinander: 1,3,5
                 (für cycle upload, keys upload, id, start, stop, pause; eine Zeile je Gerät)
  --valves DATEI Ventilarten aus einer *.plc-Datei
  --trace DATEI  jedes Byte auf der Leitung mit Zeit in DATEI protokollieren
  --help, -h     diese Hilfe
  --version      Version ausgeben
Befehle:
</source>
        <translation>Usage: plm1 [--port N|DEVICE] [--address A] [--valves FILE.plc] [--trace FILE] COMMAND ...
  --port N       COM N (1..8), or a serial device: name (ttyUSB0) or path
                 (also the stable path /dev/serial/by-id/..., see ports), or a
                 device server on the network: tcp://HOST:PORT, rfc2217://HOST:PORT
  --address A    device address 1..9; &amp; for all only with set, start, pause, stop, write-mem
                 and uploads without --verify; several devices in turn: 1,3,5
                 (for cycle upload, keys upload, id, start, stop, pause; one line per device)
  --valves FILE  valve types from a *.plc file
  --trace FILE   log every byte on the line with its time to FILE
  --help, -h     this help
  --version      print the version
Commands:
</translation>
    </message>
    <message>
        <source>serielle Schnittstellen auflisten (Name, fester Pfad, Beschreibung, USB-IDs)</source>
        <translation>list the serial ports (name, stable path, description, USB IDs)</translation>
    </message>
    <message>
        <source>Kennung des Geräts lesen</source>
        <translation>read the device&apos;s identification</translation>
    </message>
    <message>
        <source>Adressen 1 bis 9 absuchen</source>
        <translation>search the addresses 1 to 9</translation>
    </message>
    <message>
        <source>get WORT</source>
        <translation>get WORD</translation>
    </message>
    <message>
        <source>Parameter lesen (pumpe1, druckhigh1, istdruck1, status, ventil3, ...)</source>
        <translation>read a parameter (pumpe1, druckhigh1, istdruck1, status, ventil3, ...)</translation>
    </message>
    <message>
        <source>set WORT WERT</source>
        <translation>set WORD VALUE</translation>
    </message>
    <message>
        <source>Parameter schreiben (alleventile auch als 0x-Hex)</source>
        <translation>write a parameter (alleventile also as 0x hex)</translation>
    </message>
    <message>
        <source>Zyklus starten, anhalten, beenden</source>
        <translation>start, pause, stop the cycle</translation>
    </message>
    <message>
        <source>read-mem START GROESSE</source>
        <translation>read-mem START SIZE</translation>
    </message>
    <message>
        <source>1..64 Bytes des Gerätespeichers lesen</source>
        <translation>read 1..64 bytes of the device memory</translation>
    </message>
    <message>
        <source>write-mem START HEX</source>
        <translation>write-mem START HEX</translation>
    </message>
    <message>
        <source>0..64 Bytes (Hex-Ziffernpaare) in den Gerätespeicher schreiben</source>
        <translation>write 0..64 bytes (pairs of hex digits) into the device memory</translation>
    </message>
    <message>
        <source>keys upload [--verify] DATEI.plt | keys download [--force] DATEI.plt</source>
        <translation>keys upload [--verify] FILE.plt | keys download [--force] FILE.plt</translation>
    </message>
    <message>
        <source>cycle upload [--verify] DATEI.plk | cycle download DATEI.plk</source>
        <translation>cycle upload [--verify] FILE.plk | cycle download FILE.plk</translation>
    </message>
    <message>
        <source>monitor [--interval S] [--count N] [--out FILE]</source>
        <translation>monitor [--interval S] [--count N] [--out FILE]</translation>
    </message>
    <message>
        <source>Netzwerk</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Adresse des Geräteservers (tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT):</source>
        <translation>Address of the device server (tcp://HOST:PORT or rfc2217://HOST:PORT):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Adresse der Form tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT</source>
        <translation>&quot;%1&quot; is not an address of the form tcp://HOST:PORT or rfc2217://HOST:PORT</translation>
    </message>
    <message>
        <source>Keine Portnummer mehr frei</source>
        <translation>No port number left</translation>
    </message>
    <message>
        <source>Netzwerk…</source>
        <translation>Network…</translation>
    </message>
    <message>
        <source>unbekannter Parameter %1 (lesbar: %2)</source>
        <translation>unknown parameter %1 (readable: %2)</translation>
    </message>
    <message>
        <source>%1 kann nicht geschrieben werden (schreibbar: %2)</source>
        <translation>%1 cannot be written (writable: %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert %1 für %2 (erlaubt: %3)</source>
        <translation>invalid value %1 for %2 (allowed: %3)</translation>
    </message>
    <message>
        <source>%1 braucht Start und Größe</source>
        <translation>%1 needs start and size</translation>
    </message>
    <message>
        <source>%1 braucht Start und Daten</source>
        <translation>%1 needs start and data</translation>
    </message>
    <message>
        <source>ungültiger Speicherbereich %1 %2 (Start 0 bis 65535, %3 bis 64 Bytes, nicht über das Speicherende 0xFFFF hinaus)</source>
        <translation>invalid memory range %1 %2 (start 0 to 65535, %3 to 64 bytes, not beyond the end of memory 0xFFFF)</translation>
    </message>
    <message>
        <source>%1 nimmt keine Angaben</source>
        <translation>%1 takes no arguments</translation>
    </message>
    <message>
        <source>Ungültige Tasten im PLM-1; %1 bleibt unverändert (%2 ersetzt sie dennoch)</source>
        <translation>Invalid keys in the PLM-1; %1 stays unchanged (%2 replaces it all the same)</translation>
    </message>
    <message>
        <source>Wert fehlt bei %1</source>
        <translation>value missing for %1</translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>leerer Wert bei %1</source>
        <translation>empty value for %1</translation>
    </message>
    <message>
        <source>Ventil %1, Art</source>
        <translation>Valve %1, type</translation>
    </message>
    <message>
        <source>ungültiger Port %1 (erlaubt: COM 1 bis 8 oder ein serielles Gerät)</source>
        <translation>invalid port %1 (allowed: COM 1 to 8 or a serial device)</translation>
    </message>
    <message>
        <source>ungültige Adressliste %1 (erlaubt: mindestens zwei Adressen 1 bis 9, durch Kommas getrennt)</source>
        <translation>invalid address list %1 (allowed: at least two addresses 1 to 9, separated by commas)</translation>
    </message>
    <message>
        <source>ungültige Adresse %1 bei %2 (erlaubt: 1 bis 9, &amp; für alle)</source>
        <translation>invalid address %1 for %2 (allowed: 1 to 9, &amp; for all)</translation>
    </message>
    <message>
        <source>ungültige Adresse %1 bei %2 (erlaubt: 1 bis 9)</source>
        <translation>invalid address %1 for %2 (allowed: 1 to 9)</translation>
    </message>
    <message>
        <source>Schritt %1, Pumpe %2</source>
        <translation>Step %1, pump %2</translation>
    </message>
    <message>
        <source>Schritt %1, Ventil %2</source>
        <translation>Step %1, valve %2</translation>
    </message>
    <message>
        <source>Schritt %1</source>
        <translation>Step %1</translation>
    </message>
    <message>
        <source>Kopf</source>
        <translation>header</translation>
    </message>
    <message>
        <source>Adresse %1  %2</source>
        <translation>Address %1  %2</translation>
    </message>
    <message>
        <source>Adresse %1 (%2): %3</source>
        <translation>Address %1 (%2): %3</translation>
    </message>
    <message>
        <source>Adresse %1 (%2, invertierte Kopie)</source>
        <translation>Address %1 (%2, inverted copy)</translation>
    </message>
    <message>
        <source>Adresse %1 (%2)</source>
        <translation>Address %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 (erlaubt %3 bis %4)</source>
        <translation>%1: %2 (allowed %3 to %4)</translation>
    </message>
    <message>
        <source>… und %1 weitere</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>0 bis 65535 (0x0 bis 0xFFFF)</source>
        <translation>0 to 65535 (0x0 to 0xFFFF)</translation>
    </message>
    <message>
        <source>0 oder 1</source>
        <translation>0 or 1</translation>
    </message>
    <message>
        <source>%1 Zeile</source>
        <translation>%1 line</translation>
    </message>
    <message>
        <source>%1 Zeilen</source>
        <translation>%1 lines</translation>
    </message>
    <message>
        <source>%1 (beendet)</source>
        <translation>%1 (ended)</translation>
    </message>
    <message>
        <source>Taste %1, %2</source>
        <translation>Key %1, %2</translation>
    </message>
    <message>
        <source>Bild %1 konnte nicht gespeichert werden</source>
        <translation>Image %1 could not be saved</translation>
    </message>
    <message>
        <source>Die Einstellungen wurden nicht gespeichert: %1: %2</source>
        <translation>The settings were not saved: %1: %2</translation>
    </message>
    <message>
        <source>Schreibfehler</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden: %2.
Die Datei bleibt unverändert.</source>
        <translation>%1 cannot be read: %2.
The file stays unchanged.</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>Protokolldatei %1 kann nicht geschrieben werden: %2</source>
        <translation>Log file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Aufruf: Plm1Steuerung [--simulator [--step-time S]] [--screenshots VERZEICHNIS] [--trace DATEI]
                      [--user-dir]
  --simulator            simuliertes PLM-1 (Adresse 1) an COM 1; seine Tasten über die
                         Standardeingabe: press N (1..12), start, pause, stop
  --step-time S          Sekunden je Zyklusschritt des simulierten PLM-1 (Standard 1)
  --screenshots DIR      jedes Fenster als PNG in DIR speichern und beenden
  --trace DATEI          jedes Byte auf der Leitung mit Zeit in DATEI protokollieren
  --user-dir             im Ordner plm1steuerung unter ~/.config arbeiten (Menüstart)
  --help, -h             diese Hilfe
  --version              Version ausgeben
  Optionen von Qt (-platform NAME, -style NAME, -display NAME, -geometry WxH+X+Y, ...) gehen an Qt
</source>
        <translation>Usage: Plm1Steuerung [--simulator [--step-time S]] [--screenshots DIRECTORY] [--trace FILE]
                     [--user-dir]
  --simulator            simulated PLM-1 (address 1) on COM 1; its keys from standard
                         input: press N (1..12), start, pause, stop
  --step-time S          seconds per cycle step of the simulated PLM-1 (default 1)
  --screenshots DIR      save every window as a PNG in DIR and exit
  --trace FILE           log every byte on the line with its time to FILE
  --user-dir             work in the folder plm1steuerung under ~/.config (menu start)
  --help, -h             this help
  --version              print the version
  Qt&apos;s own options (-platform NAME, -style NAME, -display NAME, -geometry WxH+X+Y, ...) go to Qt
</translation>
    </message>
    <message>
        <source>Ungültige Schrittzeit: %1</source>
        <translation>Invalid step time: %1</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>--step-time gilt nur mit --simulator</source>
        <translation>--step-time applies only with --simulator</translation>
    </message>
    <message>
        <source>Arbeitsordner %1 nicht verwendbar: %2</source>
        <translation>Working folder %1 not usable: %2</translation>
    </message>
    <message>
        <source>Der Simulator konnte nicht gestartet werden</source>
        <translation>The simulator could not be started</translation>
    </message>
    <message>
        <source>Simuliertes PLM-1 an COM %1 (%2)</source>
        <translation>Simulated PLM-1 on COM %1 (%2)</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>zu viele verkettete Verknüpfungen</source>
        <translation>too many chained links</translation>
    </message>
    <message>
        <source>Pfad zu lang</source>
        <translation>path too long</translation>
    </message>
    <message>
        <source>Dateisystem nur lesbar</source>
        <translation>file system read-only</translation>
    </message>
    <message>
        <source>Datenträger voll</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>Speicherkontingent erschöpft</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>ist ein Ordner</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>Datei wird ausgeführt</source>
        <translation>file is being executed</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>ein Ordner</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>eine FIFO (benannte Pipe)</source>
        <translation>a FIFO (named pipe)</translation>
    </message>
    <message>
        <source>ein Gerät</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>ein Socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>Ziel ist %1</source>
        <translation>target is %1</translation>
    </message>
    <message>
        <source>Datei ist schreibgeschützt</source>
        <translation>file is write-protected</translation>
    </message>
    <message>
        <source>Datei nicht beschreibbar: %1</source>
        <translation>file not writable: %1</translation>
    </message>
    <message>
        <source>Schreiben fehlgeschlagen: %1</source>
        <translation>writing failed: %1</translation>
    </message>
    <message>
        <source>Ersetzen fehlgeschlagen: %1</source>
        <translation>replacing failed: %1</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>no file name</translation>
    </message>
    <message>
        <source>Ordner %1</source>
        <translation>folder %1</translation>
    </message>
    <message>
        <source>Ordner nicht beschreibbar: %1</source>
        <translation>folder not writable: %1</translation>
    </message>
    <message>
        <source>FIFO (benannte Pipe) ohne Leser</source>
        <translation>FIFO (named pipe) without a reader</translation>
    </message>
    <message>
        <source>Datei nicht lesbar: %1</source>
        <translation>file not readable: %1</translation>
    </message>
    <message>
        <source>Lesen fehlgeschlagen: %1</source>
        <translation>reading failed: %1</translation>
    </message>
    <message>
        <source>Verbindung zu %1 abgelehnt (kein Dienst an diesem Port)</source>
        <translation>connection to %1 refused (no service on this port)</translation>
    </message>
    <message>
        <source>Rechner &quot;%1&quot; nicht gefunden</source>
        <translation>host &quot;%1&quot; not found</translation>
    </message>
    <message>
        <source>Verbindung zu %1 vom Server getrennt</source>
        <translation>connection to %1 closed by the server</translation>
    </message>
    <message>
        <source>%1 antwortet nicht</source>
        <translation>%1 does not answer</translation>
    </message>
    <message>
        <source>%1 nicht erreichbar (%2)</source>
        <translation>%1 not reachable (%2)</translation>
    </message>
    <message>
        <source>Netzwerkfehler bei %1: %2</source>
        <translation>network error with %1: %2</translation>
    </message>
    <message>
        <source>%1 kennt die COM-Port-Steuerung (RFC 2217) nicht</source>
        <translation>%1 does not know the COM port control (RFC 2217)</translation>
    </message>
    <message>
        <source>%1 hat die Leitungseinstellung %2 nicht übernommen</source>
        <translation>%1 did not take the line setting %2</translation>
    </message>
    <message>
        <source>%1 beantwortet die COM-Port-Steuerung (RFC 2217) nicht innerhalb von %2 s</source>
        <translation>%1 does not answer the COM port control (RFC 2217) within %2 s</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Netzwerkadresse der Form tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT</source>
        <translation>&quot;%1&quot; is not a network address of the form tcp://HOST:PORT or rfc2217://HOST:PORT</translation>
    </message>
    <message>
        <source>Keine Berechtigung für %1: Benutzer in die Gruppe &quot;%2&quot; aufnehmen (sudo usermod -aG %2 $USER) und neu anmelden</source>
        <translation>No permission for %1: add the user to the group &quot;%2&quot; (sudo usermod -aG %2 $USER) and log in again</translation>
    </message>
    <message>
        <source>Keine Berechtigung für %1: keine Gruppe gibt Zugriff darauf; der Systemverwalter muss ihn einrichten (zum Beispiel mit einer udev-Regel)</source>
        <translation>No permission for %1: no group gives access to it; the administrator must set it up (for example with a udev rule)</translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt</source>
        <translation>%1 is in use by another program</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Plm1Steuerung developers
MIT-Lizenz: Weitergabe und Änderung erlaubt; es gibt KEINE GEWÄHRLEISTUNG.
</source>
        <translation>Copyright (C) 2026 The Plm1Steuerung developers
MIT licence: redistribution and modification permitted; there is NO WARRANTY.
</translation>
    </message>
    <message>
        <source>V %1 (erwartet V %2)</source>
        <translation>V %1 (expected V %2)</translation>
    </message>
    <message>
        <source>Datei fehlt</source>
        <translation>file missing</translation>
    </message>
    <message>
        <source>Datei ist %1</source>
        <translation>file is %1</translation>
    </message>
</context>
</TS>
