// German dialog texts (layout of the block: see DialogsEnglish.cpp). The set
// dialogs keep their English titles.
#include "texts/TextTable.h"

namespace zav {

extern const TextEntry kDialogsGerman[] = {
    {400, "OK"},
    {401, "Abbrechen"},
    {402, "Suchen..."},
    {403, "Ändern..."},
    {404, "?"},

    {410, "Allgemeine Angaben des Wertungsbogens"},
    {411, "Titel"},
    {412, "Untertitel"},
    {413, "Datum"},
    {414, "Tageszeit"},
    {415, "Schiedsrichter"},
    {416, "Anzahl der Mannschaften"},
    {417, "Anzahl der Spiele"},
    {418, "Punkte für die erste Mannschaft"},
    {419, "Ausschlussregeln"},
    {420, "Optionale Angaben für den 'Challenge'-Bogen"},
    {421, "Titel der 'Challenge'"},
    {422, "Punkte für die erste 'Challenge'-Mannschaft"},

    {430, "Namen und Farben der Mannschaften"},
    {431, "Namen"},
    {432, "Farben"},
    {433, "Challenge"},
    {434, "Mannschaft %d"},

    {440, "Spielliste"},
    {441, "Spiel %d"},

    {450, "Logo : das Logo ist höchstens 100 Pixel hoch"},

    {460, "Farbwahl für die Anzeige"},
    {461, "Farbe für Titel und Untertitel"},
    {462, "Farbe für den Tabellenkopf"},
    {463, "Farbe für gerade Zeilen"},
    {464, "Farbe für ungerade Zeilen"},
    {465, "Vordefinierte Modelle"},
    {466, "Wasser"},
    {467, "Sand"},
    {468, "Kohle"},
    {469, "Gras"},
    {470, "Gold"},
    {471, "Silber"},
    {472, "Bronze"},
    {473, "Nur Schwarzweiß"},
    {474, "Abbrechen"},

    {480, "Achtung : das Programm wird zum Sprachwechsel geschlossen und wieder geöffnet."},

    {490, "Wertungsbogen als PDF exportieren"},
    {491, "Liste der Linienrichter und Platzhelfer als PDF exportieren"},
    {492, "Materialliste als PDF exportieren"},
    {493, "PDF-Dateien (*.pdf)|*.pdf"},
    {494,
     "Das Dokument %s fehlt. Legen Sie eine Kopie davon in den Ordner %s, um es über dieses Menü "
     "zu öffnen."},
    {495, "Fehler beim Schreiben der PDF-Datei = %s"},

    {500, "Eingabe des Spielergebnisses"},
    {501, "Spiel"},
    {502, "Einlaufreihenfolge"},
    {503, "Verwarnung"},
    {504, "Stechen"},
    {600, "Eingabe des Stechergebnisses"},
    {601, "Ergebnis vorheriger Läufe"},
    {602, "Eingabe der allgemeinen Angaben"},
    {603, "Eingabe der Mannschaften und Farben"},
    {604, "Eingabe der Spielliste"},
    {605, "Wahl des Logos"},
    {606, "Farbwahl"},
    {607, "Programmsprache"},
    {608, "Eingabe der Zusatzspalte"},
    {610, "Vorheriges 'Challenge'-Ergebnis"},
    {611, "Eingabe der Namen der Platzhelfer"},
    {612, "Eingabe der Namen der Linienrichter"},
    {613, "Score sheet set : Default options"},
    {614, "Score sheet set : Group of categories"},
    {615, "Aus dem Wertungsbogen zu löschende Mannschaft"},
    {616, "Punkte"},
    {617, "Alles löschen"},
    {618, "Vorheriges 'Challenge'-Ergebnis"},
    {619, "Spaltentitel"},
    {620, "Inhalt je Mannschaft"},
    {621, "Namen der Linienrichter"},
    {622, "Namen der Platzhelfer"},
    {623, "Wählen Sie die Mannschaft, die aus dem aktuellen Wertungsbogen gestrichen werden soll."},
    {624,
     "ACHTUNG : nach der Bestätigung kann das Streichen der Mannschaft nicht rückgängig gemacht "
     "werden."},

    {900, "Gemeinsamer Titel"},
    {901, "Die gewählte Anzahl der Spiele wird für jeden Wertungsbogen voreingestellt."},
    {902, "Danach kann der Wert Bogen für Bogen geändert werden."},
    {903, "Französische Regeln (Punkte und Ausscheidungsregel)"},
    {904, "Internationale Regeln (Punkte und Ausscheidungsregel)"},
    {905, "Ein Wertungsbogen je Kategorie (Open, Junior, Minime...) "},
    {906, "Die Kategorien werden auf verschiedenen Wertungsbögen zusammengefasst."},
    {907, "Wertungsbogen Nr."},
    {908, "Wählen Sie die Mannschaft(en) für den Wertungsbogen mit der oben stehenden Nummer."},
    {909,
     "Um mehrere Mannschaften zu wählen, halten Sie STRG gedrückt und klicken Sie auf jede Zeile."},
    {910, "Drücken Sie OK, wenn Sie ALLE Mannschaften des Wertungsbogens gewählt haben."},
};
extern const std::size_t kDialogsGermanCount = sizeof(kDialogsGerman) / sizeof(kDialogsGerman[0]);

}  // namespace zav
