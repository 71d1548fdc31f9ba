<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>decoration</source>
        <translation>Dekoration</translation>
    </message>
    <message>
        <source>food and drinks</source>
        <translation>Essen und Getränke</translation>
    </message>
    <message>
        <source>ingredient</source>
        <translation>Zutat</translation>
    </message>
    <message>
        <source>other supply</source>
        <translation>Zubehör</translation>
    </message>
    <message>
        <source>incidental</source>
        <translation>Nebenausgabe</translation>
    </message>
    <message>
        <source>task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>%1 budget</source>
        <extracomment>A budget box&apos;s name for screen readers; %1 is the list&apos;s name (&quot;Music&quot;).</extracomment>
        <translation>Budget für %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <extracomment>An Add button&apos;s name for screen readers; %1 is what one row is (&quot;guest&quot;).</extracomment>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <extracomment>A Delete button&apos;s name for screen readers; %1 is what one row is (&quot;guest&quot;).</extracomment>
        <translation>%1 löschen</translation>
    </message>
</context>
<context>
    <name>Answers</name>
    <message>
        <source>Yes</source>
        <extracomment>A Yes/No column&apos;s answer, as the lists and their drop-downs show it.</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A Yes/No column&apos;s answer, as the lists and their drop-downs show it.</extracomment>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>BitmapPicture</name>
    <message>
        <source>The picture is empty</source>
        <translation>Das Bild ist leer</translation>
    </message>
    <message>
        <source>There is not enough memory for a %1 x %2 picture</source>
        <extracomment>%1 and %2 are the picture&apos;s width and height in pixels.</extracomment>
        <translation>Für ein Bild mit %1 × %2 Pixeln ist nicht genug Arbeitsspeicher vorhanden</translation>
    </message>
</context>
<context>
    <name>BudgetTips</name>
    <message>
        <source>&quot;%1&quot; does not read as an amount, so this list has no budget in the plan&apos;s figures. The text is kept as typed.</source>
        <translation>„%1“ ist nicht als Betrag lesbar, daher hat diese Liste in den Zahlen des Plans kein Budget. Der Text bleibt so, wie er eingegeben wurde.</translation>
    </message>
</context>
<context>
    <name>ChartSaving</name>
    <message>
        <source>PNG Images</source>
        <translation>PNG-Bilder</translation>
    </message>
    <message>
        <source>Save Chart as PNG</source>
        <translation>Diagramm als PNG speichern</translation>
    </message>
    <message>
        <source>Plan at a Glance</source>
        <translation>Plan auf einen Blick</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The chart could not be made into a PNG picture.</source>
        <translation>Aus dem Diagramm konnte kein PNG-Bild erstellt werden.</translation>
    </message>
    <message>
        <source>The chart is saved as %1.</source>
        <translation>Das Diagramm wurde als %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--json goes only with --summary</source>
        <translation>--json ist nur zusammen mit --summary möglich</translation>
    </message>
    <message>
        <source>the plan file&apos;s name is empty</source>
        <translation>der Name der Plandatei ist leer</translation>
    </message>
    <message>
        <source>the party&apos;s date &quot;%1&quot; does not read as a date; type one in the window&apos;s Date box, as 12/24/2026</source>
        <translation>das Datum der Party „%1“ ist nicht als Datum lesbar; geben Sie im Fenster im Feld „Datum“ eines ein, etwa 12/24/2026</translation>
    </message>
    <message>
        <source>standard output could not be written</source>
        <translation>die Standardausgabe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>%1 needs the name of the file to write</source>
        <extracomment>%1 is the option, as --pdf.</extracomment>
        <translation>%1 braucht den Namen der zu schreibenden Datei</translation>
    </message>
    <message>
        <source>warning: the stored %1 list holds %2 rows; a list holds at most %3, so the sheet shows only the first %3.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows stored, %3 the most a list holds.</extracomment>
        <translation>Warnung: Die gespeicherte Liste „%1“ enthält %2 Zeilen; eine Liste fasst höchstens %3, daher zeigt das Blatt nur die ersten %3.</translation>
    </message>
    <message>
        <source>warning: the stored %1 list holds %2 rows; a list holds at most %3, so the summary counts only the first %3.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows stored, %3 the most a list holds.</extracomment>
        <translation>Warnung: Die gespeicherte Liste „%1“ enthält %2 Zeilen; eine Liste fasst höchstens %3, daher zählt die Zusammenfassung nur die ersten %3.</translation>
    </message>
    <message>
        <source>warning: the stored %1 list holds %2 rows; a list holds at most %3, so the timetable holds only the first %3.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows stored, %3 the most a list holds.</extracomment>
        <translation>Warnung: Die gespeicherte Liste „%1“ enthält %2 Zeilen; eine Liste fasst höchstens %3, daher enthält der Ablaufplan nur die ersten %3.</translation>
    </message>
    <message>
        <source>The timetable was not written to %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason.</extracomment>
        <translation>Der Ablaufplan wurde nicht in %1 geschrieben: %2</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>the window is not opened from here</source>
        <translation>das Fenster wird von hier aus nicht geöffnet</translation>
    </message>
    <message>
        <source>--lang needs a language, such as de or fr_CA</source>
        <translation>--lang braucht eine Sprache, etwa de oder fr_CA</translation>
    </message>
    <message>
        <source>--lang: %1 is not a language</source>
        <extracomment>%1 is what the user typed after --lang.</extracomment>
        <translation>--lang: %1 ist keine Sprache</translation>
    </message>
    <message>
        <source>Usage: jubilo [PLAN]              open the window to plan the party
       jubilo --pdf FILE [PLAN]   write the plan&apos;s sheet to FILE as a PDF
       jubilo --xls FILE [PLAN]   write the plan&apos;s workbook to FILE (Excel 97 .xls)
       jubilo --summary [PLAN]    print the plan&apos;s guests, spending and what is
                                  still to buy, a line for each money list
       jubilo --summary --json [PLAN]
                                  the same figures as one JSON object
       jubilo --ics FILE [PLAN]   write the schedule and the activities at the
                                  party to FILE as calendar events (iCalendar)
       jubilo --version           show the program&apos;s version
       jubilo --help              show this help
Any of these may start with --lang LANGUAGE (de, fr, es, en_GB...) to
speak that language and use its money and dates for this run.

PLAN is a plan file (*.jubilo); without one, the stored plan
(~/.config/Tarvel.ini) is used.

--pdf, --xls, --ics and --summary show no window and need no display.
They only read the plan; --pdf, --xls and --ics replace FILE once the
new one is complete.

Exit status: 0 done; 1 the plan could not be read, its date does not read
as a date or no row has a time (--ics), or the file or the output could
not be built or written; 2 the command line is none of the forms above.
</source>
        <extracomment>Keep the command lines, option names, PLAN and FILE as they are; lines of about 80 characters.</extracomment>
        <translation>Aufruf: jubilo [PLAN]              öffnet das Fenster, um die Party zu planen
        jubilo --pdf DATEI [PLAN]  schreibt das Blatt des Plans als PDF in DATEI
        jubilo --xls DATEI [PLAN]  schreibt die Arbeitsmappe des Plans in
                                   DATEI (Excel 97 .xls)
        jubilo --summary [PLAN]    gibt Gäste, Ausgaben und noch zu Kaufendes
                                   des Plans aus, eine Zeile je Geldliste
        jubilo --summary --json [PLAN]
                                   dieselben Zahlen als ein JSON-Objekt
        jubilo --ics DATEI [PLAN]  schreibt den Zeitplan und die Aktivitäten
                                   auf der Party als Kalendertermine
                                   (iCalendar) in DATEI
        jubilo --version           zeigt die Version des Programms
        jubilo --help              zeigt diese Hilfe
Jeder dieser Aufrufe kann mit --lang SPRACHE (de, fr, es, en_GB...) beginnen,
um für diesen Lauf diese Sprache und ihre Geld- und Datumsformate zu nutzen.

PLAN ist eine Plandatei (*.jubilo); ohne sie wird der gespeicherte Plan
(~/.config/Tarvel.ini) verwendet.

--pdf, --xls, --ics und --summary zeigen kein Fenster und brauchen keine
Anzeige. Sie lesen den Plan nur; --pdf, --xls und --ics ersetzen DATEI erst,
wenn die neue Datei vollständig ist.

Rückgabewert: 0 erledigt; 1 der Plan konnte nicht gelesen werden, sein Datum
ist nicht als Datum lesbar oder keine Zeile hat eine Uhrzeit (--ics), oder
die Datei oder die Ausgabe konnte nicht erstellt oder geschrieben werden;
2 die Befehlszeile entspricht keiner der obigen Formen.
</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>The file is not a cursor file</source>
        <translation>Die Datei ist keine Cursordatei</translation>
    </message>
    <message>
        <source>The cursor file could not be opened: %1</source>
        <translation>Die Cursordatei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>The cursor file could not be read: %1</source>
        <translation>Die Cursordatei konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>DelimitedReader</name>
    <message>
        <source>a quoted field is never closed</source>
        <translation>ein Feld in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>a quote stands inside an unquoted field</source>
        <translation>ein Anführungszeichen steht in einem Feld ohne Anführungszeichen</translation>
    </message>
    <message>
        <source>a field is longer than 1 MB</source>
        <translation>ein Feld ist größer als 1 MB</translation>
    </message>
    <message>
        <source>a row is longer than 4 MB</source>
        <translation>eine Zeile ist größer als 4 MB</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>nicht genug Arbeitsspeicher zum Lesen</translation>
    </message>
</context>
<context>
    <name>EntryReminders</name>
    <message>
        <source>You forgot to input all entries for guest.</source>
        <translation>Sie haben nicht alle Felder für den Gast ausgefüllt.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for music.</source>
        <translation>Sie haben nicht alle Felder für die Musik ausgefüllt.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for decorations.</source>
        <translation>Sie haben nicht alle Felder für die Dekoration ausgefüllt.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for incidentals.</source>
        <translation>Sie haben nicht alle Felder für die Nebenausgaben ausgefüllt.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for ingredients.</source>
        <translation>Sie haben nicht alle Felder für die Zutat ausgefüllt.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for other supplies.</source>
        <translation>Sie haben nicht alle Felder für das Zubehör ausgefüllt.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for schedules.</source>
        <translation>Sie haben nicht alle Felder für den Zeitplan ausgefüllt.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for activities.</source>
        <translation>Sie haben nicht alle Felder für die Aktivität ausgefüllt.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for food.</source>
        <translation>Sie haben nicht alle Felder für Essen und Getränke ausgefüllt.</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>at line %1</source>
        <extracomment>Follows the name of the failing procedure; %1 is the number of the step that failed.</extracomment>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support mail address.</extracomment>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>ExportSaving</name>
    <message>
        <source>The file could not be written to %1: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>FigureTexts</name>
    <message>
        <source>1 guest</source>
        <translation>1 Gast</translation>
    </message>
    <message>
        <source>%1 guests</source>
        <translation>%1 Gäste</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 Artikel</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Artikel</translation>
    </message>
    <message>
        <source>1 person</source>
        <translation>1 Person</translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation>%1 Personen</translation>
    </message>
    <message>
        <source>%1 spent, no budget</source>
        <translation>%1 ausgegeben, kein Budget</translation>
    </message>
    <message>
        <source>⚠ %1 of %2 spent, %3 over budget</source>
        <translation>⚠ %1 von %2 ausgegeben, %3 über dem Budget</translation>
    </message>
    <message>
        <source>%1 of %2 spent</source>
        <translation>%1 von %2 ausgegeben</translation>
    </message>
    <message>
        <source>%1 still to buy</source>
        <translation>%1 noch zu kaufen</translation>
    </message>
    <message>
        <source>%1, %2 coming</source>
        <translation>%1, Zusagen: %2</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Vorlage erstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Beispieldaten laden</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>RSVP:</source>
        <translation>Zusage:</translation>
    </message>
    <message>
        <source>Number in Party:</source>
        <translation>Personenzahl:</translation>
    </message>
    <message>
        <source>Music Type:</source>
        <translation>Musikart:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Purchased:</source>
        <translation>Gekauft:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>Food and Drinks Name:</source>
        <translation>Gericht/Getränk:</translation>
    </message>
    <message>
        <source>Budget:</source>
        <translation>Budget:</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Zutaten</translation>
    </message>
    <message>
        <source>Ingredients:</source>
        <translation>Zutat:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Task:</source>
        <translation>Aufgabe:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Activity:</source>
        <translation>Aktivität:</translation>
    </message>
    <message>
        <source>Guests</source>
        <translation>Gäste</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Decorations</source>
        <translation>Dekoration</translation>
    </message>
    <message>
        <source>Incidentals</source>
        <translation>Nebenausgaben</translation>
    </message>
    <message>
        <source>Food &amp;&amp; Drinks</source>
        <translation>Essen &amp;&amp; Getränke</translation>
    </message>
    <message>
        <source>Other Supplies</source>
        <translation>Sonstiges Zubehör</translation>
    </message>
    <message>
        <source>Schedules</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>At The Party</source>
        <translation>Auf der Party</translation>
    </message>
</context>
<context>
    <name>GlanceTexts</name>
    <message>
        <source>%1 · %2 invited, %3 coming</source>
        <translation>%1 · %2 eingeladen, Zusagen: %3</translation>
    </message>
    <message>
        <source>1 guest without a number in their party is not counted</source>
        <translation>1 Gast ohne Personenzahl wird nicht mitgezählt</translation>
    </message>
    <message>
        <source>%1 guests without a number in their party are not counted</source>
        <translation>%1 Gäste ohne Personenzahl werden nicht mitgezählt</translation>
    </message>
    <message>
        <source>no budget</source>
        <translation>kein Budget</translation>
    </message>
    <message>
        <source>⚠ %1 over</source>
        <translation>⚠ %1 überzogen</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>GuestCsv</name>
    <message>
        <source>tab-separated</source>
        <translation>durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>durch Semikolons getrennt</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>durch Kommas getrennt</translation>
    </message>
    <message>
        <source>it has more than %1 columns</source>
        <translation>hat mehr als %1 Spalten</translation>
    </message>
    <message>
        <source>the file holds more than %L1 guests, more than a list holds</source>
        <translation>Datei enthält mehr als %L1 Gäste, mehr als eine Liste fasst</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>it holds no guests</source>
        <translation>enthält keine Gäste</translation>
    </message>
    <message>
        <source>CSV, %1, %2, with a header row</source>
        <translation>CSV, %1, %2, mit Kopfzeile</translation>
    </message>
    <message>
        <source>CSV, %1, %2, without a header row</source>
        <translation>CSV, %1, %2, ohne Kopfzeile</translation>
    </message>
</context>
<context>
    <name>GuestVCard</name>
    <message>
        <source>(no address)</source>
        <translation>(keine Adresse)</translation>
    </message>
    <message>
        <source>it is outside any card (a card starts with BEGIN:VCARD)</source>
        <translation>steht außerhalb jeder Karte (eine Karte beginnt mit BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>it is written in quoted-printable (vCard 2.1), which Jubilo does not read; please export the contacts as vCard 3.0 or 4.0</source>
        <translation>ist in Quoted-Printable (vCard 2.1) geschrieben, das Jubilo nicht liest; bitte exportieren Sie die Kontakte als vCard 3.0 oder 4.0</translation>
    </message>
    <message>
        <source>a card begins inside another card</source>
        <translation>eine Karte beginnt innerhalb einer anderen Karte</translation>
    </message>
    <message>
        <source>the card that starts here has no name (neither FN nor N)</source>
        <translation>die hier beginnende Karte hat keinen Namen (weder FN noch N)</translation>
    </message>
    <message>
        <source>the file holds more than %L1 guests, more than a list holds</source>
        <translation>Datei enthält mehr als %L1 Gäste, mehr als eine Liste fasst</translation>
    </message>
    <message>
        <source>the card that starts here never ends (END:VCARD is missing)</source>
        <translation>die hier beginnende Karte endet nie (END:VCARD fehlt)</translation>
    </message>
    <message>
        <source>it holds no guests</source>
        <translation>enthält keine Gäste</translation>
    </message>
    <message>
        <source>vCard %1, %2</source>
        <translation>vCard %1, %2</translation>
    </message>
    <message>
        <source>Name (FN or N)</source>
        <translation>Name (FN oder N)</translation>
    </message>
    <message>
        <source>Address (first ADR)</source>
        <translation>Adresse (erste ADR)</translation>
    </message>
    <message>
        <source>Cards without an address: %L1. Their &quot;Address&quot; reads &quot;%2&quot;; change it in the list.</source>
        <translation>Karten ohne Adresse: %L1. Als „Adresse“ erhalten sie „%2“; ändern Sie das in der Liste.</translation>
    </message>
    <message>
        <source>the line is longer than %1 MB</source>
        <translation>Zeile ist länger als %1 MB</translation>
    </message>
</context>
<context>
    <name>ImportError</name>
    <message>
        <source>Guests cannot be imported from &quot;%1&quot;: %2.</source>
        <translation>Aus „%1“ können keine Gäste importiert werden: %2.</translation>
    </message>
    <message>
        <source>Guests cannot be imported from &quot;%1&quot;: line %2: %3.</source>
        <translation>Aus „%1“ können keine Gäste importiert werden: Zeile %2: %3.</translation>
    </message>
</context>
<context>
    <name>ImportFile</name>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is not there (it may have been moved or deleted)</source>
        <translation>Datei nicht vorhanden (vielleicht wurde sie verschoben oder gelöscht)</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>Datei kann nicht gelesen werden (%1)</translation>
    </message>
</context>
<context>
    <name>ListExport</name>
    <message>
        <source>CSV Files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>iCalendar Files</source>
        <translation>iCalendar-Dateien</translation>
    </message>
    <message>
        <source>Export Timetable</source>
        <translation>Ablaufplan exportieren</translation>
    </message>
    <message>
        <source>The party&apos;s date &quot;%1&quot; does not read as a date. On which day is the party?</source>
        <translation>Das Datum der Party „%1“ ist nicht als Datum lesbar. An welchem Tag findet die Party statt?</translation>
    </message>
    <message>
        <source>The timetable is saved as %1.</source>
        <translation>Der Ablaufplan wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>Saves the list on show (the tab chosen last) as a CSV file for spreadsheet programs</source>
        <translation>Speichert die angezeigte Liste (die zuletzt gewählte Registerkarte) als CSV-Datei für Tabellenkalkulationen</translation>
    </message>
    <message>
        <source>Saves Schedules and At The Party as calendar events on the party&apos;s date (an .ics file)</source>
        <translation>Speichert „Zeitplan“ und „Auf der Party“ als Kalendertermine am Tag der Party (eine .ics-Datei)</translation>
    </message>
    <message>
        <source>Export List as CSV</source>
        <translation>Liste als CSV exportieren</translation>
    </message>
    <message>
        <source>The %1 list is saved as %2.</source>
        <translation>Die Liste „%1“ wurde als %2 gespeichert.</translation>
    </message>
    <message>
        <source>Party Timetable</source>
        <translation>Party-Ablaufplan</translation>
    </message>
</context>
<context>
    <name>ListNames</name>
    <message>
        <source>At The Party</source>
        <translation>Auf der Party</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page margins leave no room to print: they take %1 by %2 inches of paper %3 by %4 inches</source>
        <translation>Die Seitenränder lassen keinen Platz zum Drucken; auf Papier von %3 × %4 Zoll nehmen sie %1 × %2 Zoll ein</translation>
    </message>
    <message>
        <source>The sheet would print on %1 pages (%2 across, %3 down); at most %4 pages print. A smaller print area or zoom, or narrower margins, print fewer.</source>
        <translation>Das Blatt würde auf %1 Seiten gedruckt werden (%2 nebeneinander, %3 untereinander); es lassen sich höchstens %4 Seiten drucken. Ein kleinerer Druckbereich, ein kleinerer Zoom oder schmalere Ränder ergeben weniger Seiten.</translation>
    </message>
</context>
<context>
    <name>PagePrinting</name>
    <message>
        <source>The printer could not be started</source>
        <translation>Der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The printer could not start a new page</source>
        <translation>Der Drucker konnte keine neue Seite beginnen</translation>
    </message>
    <message>
        <source>The printer reported an error; the pages may not have printed</source>
        <translation>Der Drucker hat einen Fehler gemeldet; die Seiten wurden möglicherweise nicht gedruckt</translation>
    </message>
</context>
<context>
    <name>PartyTimetable</name>
    <message>
        <source>No row of Schedules or At The Party has a time that reads as a time, so there is no timetable to export.</source>
        <translation>Keine Zeile in „Zeitplan“ oder „Auf der Party“ hat eine Uhrzeit, die sich als Uhrzeit lesen lässt; daher gibt es keinen Ablaufplan zum Exportieren.</translation>
    </message>
    <message>
        <source>%1 row %2 &quot;%3&quot;</source>
        <translation>%1, Zeile %2 „%3“</translation>
    </message>
    <message>
        <source>1 row is left out because its time does not read as a time: %1</source>
        <translation>1 Zeile wurde ausgelassen, weil ihre Uhrzeit nicht als Uhrzeit lesbar ist: %1</translation>
    </message>
    <message>
        <source>%1 rows are left out because their time does not read as a time: %2</source>
        <translation>%1 Zeilen wurden ausgelassen, weil ihre Uhrzeit nicht als Uhrzeit lesbar ist: %2</translation>
    </message>
    <message>
        <source>, and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
</context>
<context>
    <name>PastedRows</name>
    <message>
        <source>it starts a quoted cell that is never closed</source>
        <translation>beginnt eine Zelle in Anführungszeichen, die nie geschlossen wird</translation>
    </message>
    <message>
        <source>it has a quote inside a cell that is not quoted</source>
        <translation>enthält ein Anführungszeichen in einer Zelle ohne Anführungszeichen</translation>
    </message>
    <message>
        <source>it has a cell longer than 1 MB</source>
        <translation>enthält eine Zelle, die größer als 1 MB ist</translation>
    </message>
    <message>
        <source>it has a row longer than 4 MB</source>
        <translation>enthält eine Zeile, die größer als 4 MB ist</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>nicht genug Arbeitsspeicher zum Lesen</translation>
    </message>
    <message>
        <source>it would make the %1 list longer than the %2 rows a list holds</source>
        <translation>Liste „%1“ hätte damit mehr als die %2 Zeilen, die eine Liste fassen kann</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>you have no permission to read it</source>
        <translation>keine Berechtigung zum Lesen</translation>
    </message>
    <message>
        <source>there is no file by that name</source>
        <translation>keine Datei mit diesem Namen vorhanden</translation>
    </message>
    <message>
        <source>it is a link to a file that is not there (moved or deleted)</source>
        <translation>eine Verknüpfung auf eine nicht vorhandene Datei (verschoben oder gelöscht)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation>keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket</translation>
    </message>
    <message>
        <source>it holds %1 MB, far more than any plan (a plan file holds at most %2 MB)</source>
        <translation>%1 MB groß, weit mehr als jeder Plan (eine Plandatei ist höchstens %2 MB groß)</translation>
    </message>
    <message>
        <source>it is not text but binary data (a NUL byte at offset %1)</source>
        <translation>kein Text, sondern Binärdaten (ein NUL-Byte an Position %1)</translation>
    </message>
    <message>
        <source>it is not text in UTF-8, the encoding plan files are written in</source>
        <translation>kein Text in UTF-8, der Kodierung, in der Plandateien geschrieben werden</translation>
    </message>
    <message>
        <source>line %1 is neither blank, a ; comment, a [group] nor a key=value line</source>
        <translation>Zeile %1 ist weder leer noch ein ;-Kommentar, eine [Gruppe] oder eine Zeile der Form Schlüssel=Wert</translation>
    </message>
    <message>
        <source>it holds lines that cannot be read as settings</source>
        <translation>enthält Zeilen, die sich nicht als Einstellungen lesen lassen</translation>
    </message>
    <message>
        <source>it holds no [%1] group, so it holds no plan</source>
        <translation>enthält keine Gruppe [%1] und damit keinen Plan</translation>
    </message>
    <message>
        <source>Jubilo could not open the plan file %1: %2.</source>
        <translation>Jubilo konnte die Plandatei %1 nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>The plan file %1 had lines that could not be read. Jubilo keeps what it could read and writes the file afresh, so those lines will be gone from it.

A copy of the file as it was is kept in %2.</source>
        <translation>Die Plandatei %1 enthielt Zeilen, die nicht gelesen werden konnten. Jubilo behält, was es lesen konnte, und schreibt die Datei neu; diese Zeilen fehlen danach in ihr.

Eine Kopie der Datei im vorherigen Zustand liegt in %2.</translation>
    </message>
    <message>
        <source>Another program changed the plan file %1 while Jubilo had it open, and Jubilo now writes a value that program changed. Jubilo keeps its own value and the rest of the other program&apos;s changes.

A copy of the file as the other program left it is kept in %2.</source>
        <translation>Ein anderes Programm hat die Plandatei %1 geändert, während Jubilo sie geöffnet hatte, und Jubilo schreibt jetzt einen Wert, den dieses Programm geändert hat. Jubilo behält seinen eigenen Wert und die übrigen Änderungen des anderen Programms.

Eine Kopie der Datei, wie das andere Programm sie hinterlassen hat, liegt in %2.</translation>
    </message>
    <message>
        <source>Jubilo found changes to the plan file %1 in the journal it keeps beside it, but the file is no longer the one they were made to (another program replaced it), so they were not applied and the plan stays as the file holds it.

A copy of the journal with those changes is kept in %2.</source>
        <translation>Jubilo hat im Journal, das es neben der Plandatei %1 führt, Änderungen an ihr gefunden, aber die Datei ist nicht mehr die, an der sie vorgenommen wurden (ein anderes Programm hat sie ersetzt). Deshalb wurden sie nicht übernommen, und der Plan bleibt so, wie er in der Datei steht.

Eine Kopie des Journals mit diesen Änderungen liegt in %2.</translation>
    </message>
    <message>
        <source>The plan file %1 could not be written: %2.</source>
        <translation>Die Plandatei %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The plan file %1 could not be read: %2.</source>
        <translation>Die Plandatei %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The plan file has lines that could not be read, and no copy of it could be kept, so it was not written: %1</source>
        <translation>Die Plandatei enthält Zeilen, die nicht gelesen werden konnten, und es konnte keine Kopie von ihr angelegt werden; deshalb wurde sie nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>The plan file was changed by another program, and no copy of it could be kept, so it was not written: %1</source>
        <translation>Die Plandatei wurde von einem anderen Programm geändert, und es konnte keine Kopie von ihr angelegt werden; deshalb wurde sie nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>The plan file&apos;s journal holds changes that are not in the file, and no copy of it could be kept, so the file was not written: %1</source>
        <translation>Das Journal der Plandatei enthält Änderungen, die nicht in der Datei stehen, und es konnte keine Kopie davon angelegt werden; deshalb wurde die Datei nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>The plan file %1 is no longer there: it was moved or deleted while Jubilo had it open. Nothing in the window is lost; use File &gt; Save Plan As… to keep the plan.</source>
        <translation>Die Plandatei %1 ist nicht mehr vorhanden; sie wurde verschoben oder gelöscht, während Jubilo sie geöffnet hatte. Im Fenster geht nichts verloren: Mit Datei &gt; Plan speichern unter… können Sie den Plan behalten.</translation>
    </message>
    <message>
        <source>The plan file %1 is read-only: you may not change it or the folder it is in. Nothing in the window is lost; use File &gt; Save Plan As… to keep the plan in a file of your own.</source>
        <translation>Die Plandatei %1 ist schreibgeschützt; Sie dürfen weder sie noch ihren Ordner ändern. Im Fenster geht nichts verloren: Mit Datei &gt; Plan speichern unter… können Sie den Plan in einer eigenen Datei behalten.</translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>The plan %1 is read-only: you can look at it and print it, but changes to it cannot be kept. To change it, save a copy with File &gt; Save Plan As…</source>
        <translation>Der Plan %1 ist schreibgeschützt. Sie können ihn ansehen und drucken, aber Änderungen daran können nicht gespeichert werden. Um ihn zu ändern, speichern Sie eine Kopie mit Datei &gt; Plan speichern unter…</translation>
    </message>
    <message>
        <source>Jubilo Plans</source>
        <translation>Jubilo-Pläne</translation>
    </message>
    <message>
        <source>The plan %1 is open in another Jubilo: switch to that window to work on it.</source>
        <translation>Der Plan %1 ist in einem anderen Jubilo geöffnet. Wechseln Sie zu diesem Fenster, um daran zu arbeiten.</translation>
    </message>
    <message>
        <source>%1 is the plan open now: choose another name.</source>
        <translation>%1 ist der gerade geöffnete Plan. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>New Plan</source>
        <translation>Neuer Plan</translation>
    </message>
    <message>
        <source>New Plan From This One</source>
        <translation>Neuer Plan aus diesem</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>Plan speichern unter</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Plan öffnen</translation>
    </message>
    <message>
        <source>The plan %1 is no longer there: it was moved or deleted, so it is taken off the list of recent plans.</source>
        <translation>Der Plan %1 ist nicht mehr vorhanden; er wurde verschoben oder gelöscht und wird daher aus der Liste der zuletzt geöffneten Pläne entfernt.</translation>
    </message>
</context>
<context>
    <name>PlanLock</name>
    <message>
        <source>The lock file %1 cannot be taken: %2.</source>
        <translation>Die Sperrdatei %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>another program keeps replacing it</source>
        <translation>ein anderes Programm ersetzt sie immer wieder</translation>
    </message>
    <message>
        <source>Jubilo ends now: without its lock, a second Jubilo could write over this plan. Remove what stands at that name or make its folder writable, then start Jubilo again.</source>
        <translation>Jubilo wird jetzt beendet, denn ohne seine Sperre könnte ein zweites Jubilo diesen Plan überschreiben. Entfernen Sie, was unter diesem Namen liegt, oder machen Sie den Ordner beschreibbar, und starten Sie Jubilo dann erneut.</translation>
    </message>
    <message>
        <source>Jubilo is already open.</source>
        <translation>Jubilo ist bereits geöffnet.</translation>
    </message>
</context>
<context>
    <name>PlanMenus</name>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Plan…</source>
        <translation>&amp;Neuer Plan…</translation>
    </message>
    <message>
        <source>New Plan &amp;From This One…</source>
        <translation>Neuer Plan aus &amp;diesem…</translation>
    </message>
    <message>
        <source>&amp;Open Plan…</source>
        <translation>Plan ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Save Plan &amp;As…</source>
        <translation>Plan speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Import Guests…</source>
        <translation>Gäste &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Export List as CSV…</source>
        <translation>Liste als CSV e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Export &amp;Timetable…</source>
        <translation>&amp;Ablaufplan exportieren…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>Zeilen &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Rows</source>
        <translation>Zeilen &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Plan at a &amp;Glance</source>
        <translation>Plan auf einen &amp;Blick</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Jubilo</source>
        <translation>&amp;Über Jubilo</translation>
    </message>
</context>
<context>
    <name>PlanSheet</name>
    <message>
        <source>Guests</source>
        <translation>Gäste</translation>
    </message>
    <message>
        <source>Address Invitation Was Sent To</source>
        <translation>Einladung gesendet an</translation>
    </message>
    <message>
        <source>RSVP?</source>
        <translation>Zusage?</translation>
    </message>
    <message>
        <source>Number in Party</source>
        <translation>Personenzahl</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Purchased?</source>
        <translation>Gekauft?</translation>
    </message>
    <message>
        <source>Decorations</source>
        <translation>Dekoration</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Food and Drinks</source>
        <translation>Essen und Getränke</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Zutaten</translation>
    </message>
    <message>
        <source>Other Supplies</source>
        <translation>Sonstiges Zubehör</translation>
    </message>
    <message>
        <source>Incidentals</source>
        <translation>Nebenausgaben</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>At The Party</source>
        <translation>Auf der Party</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Budget: %1</source>
        <extracomment>A list&apos;s budget over its amounts on the plan sheet; %1 is the budget as the user typed it, with the currency symbol on its side (&quot;$500&quot;, &quot;500 €&quot;).</extracomment>
        <translation>Budget: %1</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Summe:</translation>
    </message>
    <message>
        <source>Holiday Party Plans</source>
        <translation>Partyplanung</translation>
    </message>
</context>
<context>
    <name>PlanSummaryText</name>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, %2 übrig</translation>
    </message>
    <message>
        <source>Guests: %1 (%2, %3 coming)</source>
        <translation>Gäste: %1 (%2, Zusagen: %3)</translation>
    </message>
    <message>
        <source>Guests: %1 (%2, %3 coming; %4 without a number in their party)</source>
        <translation>Gäste: %1 (%2, Zusagen: %3; %4 ohne Personenzahl)</translation>
    </message>
    <message>
        <source>nothing still to buy</source>
        <translation>nichts mehr zu kaufen</translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <translation>%1: %2; %3</translation>
    </message>
    <message>
        <source>%1; %2 without an amount</source>
        <translation>%1; %2 ohne Betrag</translation>
    </message>
    <message>
        <source>Whole party</source>
        <translation>Gesamte Party</translation>
    </message>
</context>
<context>
    <name>PlanTables</name>
    <message>
        <source>The %1 table is full: it holds at most %2 rows.</source>
        <extracomment>%1 is the list&apos;s name, %2 the most rows it holds.</extracomment>
        <translation>Die Liste „%1“ ist voll; sie fasst höchstens %2 Zeilen.</translation>
    </message>
</context>
<context>
    <name>PreviewLayout</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Als Excel-Datei speichern</translation>
    </message>
</context>
<context>
    <name>QtSystem</name>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>Die Webseite konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Cannot create object &quot;%1&quot;</source>
        <extracomment>%1 is the name of the spreadsheet program&apos;s object, as Excel.Application.</extracomment>
        <translation>Objekt „%1“ kann nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>ReadOnlySettingsStore</name>
    <message>
        <source>The settings store is open for reading only: %1/%2/%3 was not written</source>
        <translation>Der Einstellungsspeicher ist nur zum Lesen geöffnet: %1/%2/%3 wurde nicht geschrieben</translation>
    </message>
</context>
<context>
    <name>ReadablePlan</name>
    <message>
        <source>Jubilo ends now, so that it does not start an empty plan over yours. Make the file readable, or move it aside to start afresh, then start Jubilo again.</source>
        <translation>Jubilo wird jetzt beendet, damit es Ihren Plan nicht mit einem leeren Plan überschreibt. Machen Sie die Datei lesbar oder verschieben Sie sie, um neu zu beginnen, und starten Sie Jubilo dann erneut.</translation>
    </message>
</context>
<context>
    <name>RowEntry</name>
    <message>
        <source>The %1 list is full: it holds at most %2 rows.</source>
        <extracomment>%1 is the list&apos;s name (&quot;Guests&quot;), %2 the most rows a list holds.</extracomment>
        <translation>Die Liste „%1“ ist voll; sie fasst höchstens %2 Zeilen.</translation>
    </message>
    <message>
        <source>The text in the &quot;%1&quot; box is too long: it has %2 characters, and a cell of the plan holds at most %3. Please shorten it and try again.</source>
        <extracomment>%1 is the column&apos;s header (&quot;Address&quot;), %2 and %3 counts of characters.</extracomment>
        <translation>Der Text im Feld „%1“ ist zu lang; er hat %2 Zeichen, eine Zelle des Plans fasst aber höchstens %3. Bitte kürzen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>An entry cannot contain the text &quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;. Please change it and try again.</source>
        <translation>Ein Eintrag darf den Text „||MySeparator11||“ oder „||MySeparator12||“ nicht enthalten. Bitte ändern Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No row is selected. Please select the row to delete.</source>
        <translation>Es ist keine Zeile ausgewählt. Bitte wählen Sie die zu löschende Zeile aus.</translation>
    </message>
</context>
<context>
    <name>RowRules</name>
    <message>
        <source>it has %1 cells, and the %2 list has %3 columns</source>
        <translation>%1 Zellen, die Liste „%2“ hat aber %3 Spalten</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell is empty</source>
        <translation>Zelle „%1“ ist leer</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell is &quot;%2&quot;, not &quot;Yes&quot; or &quot;No&quot;</source>
        <translation>Zelle „%1“ enthält „%2“ statt „Yes“ oder „No“</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell has %2 characters, and a cell holds at most %3</source>
        <translation>Zelle „%1“ hat %2 Zeichen, eine Zelle fasst aber höchstens %3</translation>
    </message>
    <message>
        <source>it holds the text &quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;, which a list cannot keep</source>
        <translation>enthält den Text „||MySeparator11||“ oder „||MySeparator12||“, den eine Liste nicht speichern kann</translation>
    </message>
</context>
<context>
    <name>SampleData</name>
    <message>
        <source>the %1 list</source>
        <extracomment>One list named in &quot;no example row was added to %1&quot;.</extracomment>
        <translation>der Liste %1</translation>
    </message>
    <message>
        <source>the %1 and %2 lists</source>
        <extracomment>Lists named in &quot;no example row was added to %1&quot;: %1 all but the last, joined by &quot;, &quot;.</extracomment>
        <translation>den Listen %1 und %2</translation>
    </message>
    <message>
        <source>The example data was loaded, but no example row was added to %1.

</source>
        <extracomment>%1 names the lists (&quot;the Guests list&quot;); the reasons follow the message.</extracomment>
        <translation>Die Beispieldaten wurden geladen, aber %1 wurde keine Beispielzeile hinzugefügt.

</translation>
    </message>
    <message>
        <source>John</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>NY City</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Tanzmusik</translation>
    </message>
    <message>
        <source>CD</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>Garland</source>
        <translation>Girlande</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Meat</source>
        <translation>Fleisch</translation>
    </message>
    <message>
        <source>Barbeque</source>
        <translation>Grillen</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Lichterkette</translation>
    </message>
    <message>
        <source>Buy meals</source>
        <translation>Essen einkaufen</translation>
    </message>
    <message>
        <source>Nearest store</source>
        <translation>Nächster Laden</translation>
    </message>
    <message>
        <source>Dancing</source>
        <translation>Tanzen</translation>
    </message>
    <message>
        <source>If guests want to</source>
        <translation>Wenn die Gäste möchten</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>a list&apos;s name in a sentence</comment>
        <extracomment>A list&apos;s name inside a sentence; English writes it bare, a language may quote it („%1“).</extracomment>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>SaveName</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>SavedPlan</name>
    <message>
        <source>The %1 list holds %2 rows in the plan file.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows it holds.</extracomment>
        <translation>Die Liste „%1“ enthält in der Plandatei %2 Zeilen.</translation>
    </message>
    <message>
        <source>The %1 list holds %2 rows in the settings store.</source>
        <translation>Die Liste „%1“ enthält im Einstellungsspeicher %2 Zeilen.</translation>
    </message>
    <message>
        <source>the plan file</source>
        <translation>der Plandatei</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>der Einstellungsdatei</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is &quot;the plan file&quot; or &quot;the settings file&quot;, %2 where it is.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>A list shows at most %1 rows, so only the first %1 are shown. All the rows are kept in the store unchanged, and changes to this list are not saved while it holds more than %1.

To split the plan: make a copy of %2, then remove rows from the %3 entry of the file and of its copy so that each holds at most %1 rows.</source>
        <extracomment>%1 is the most rows a list holds, %2 the file, %3 the lists&apos; names in the file.</extracomment>
        <translation>Eine Liste zeigt höchstens %1 Zeilen, daher werden nur die ersten %1 angezeigt. Alle Zeilen bleiben unverändert gespeichert, und Änderungen an dieser Liste werden nicht gespeichert, solange sie mehr als %1 Zeilen enthält.

So teilen Sie den Plan auf: Legen Sie eine Kopie %2 an und entfernen Sie dann im Eintrag %3 der Datei und ihrer Kopie so viele Zeilen, dass jede höchstens %1 Zeilen enthält.</translation>
    </message>
    <message>
        <source>A list shows at most %1 rows, so only the first %1 are shown. All the rows are kept in the store unchanged, and changes to these lists are not saved while it holds more than %1.

To split the plan: make a copy of %2, then remove rows from the %3 entry of the file and of its copy so that each holds at most %1 rows.</source>
        <translation>Eine Liste zeigt höchstens %1 Zeilen, daher werden nur die ersten %1 angezeigt. Alle Zeilen bleiben unverändert gespeichert, und Änderungen an diesen Listen werden nicht gespeichert, solange eine davon mehr als %1 Zeilen enthält.

So teilen Sie den Plan auf: Legen Sie eine Kopie %2 an und entfernen Sie dann in den Einträgen %3 der Datei und ihrer Kopie so viele Zeilen, dass jeder Eintrag höchstens %1 Zeilen enthält.</translation>
    </message>
</context>
<context>
    <name>SheetOutput</name>
    <message>
        <source>The workbook has no sheet to print</source>
        <translation>Die Arbeitsmappe enthält kein Blatt zum Drucken</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin could not be loaded from %1: %2</source>
        <extracomment>%1 is the skin file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Das Design konnte nicht aus %1 geladen werden: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not UTF-8 text</source>
        <translation>Die Designdatei %1 ist kein UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>Add Guest</source>
        <translation>Gast hinzufügen</translation>
    </message>
    <message>
        <source>Delete Guest</source>
        <translation>Gast löschen</translation>
    </message>
    <message>
        <source>Edit Guest</source>
        <translation>Gast bearbeiten</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>Adresse bearbeiten</translation>
    </message>
    <message>
        <source>Edit RSVP</source>
        <translation>Zusage bearbeiten</translation>
    </message>
    <message>
        <source>Edit Number in Party</source>
        <translation>Personenzahl bearbeiten</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>Delete Music</source>
        <translation>Musik löschen</translation>
    </message>
    <message>
        <source>Edit Music</source>
        <translation>Musik bearbeiten</translation>
    </message>
    <message>
        <source>Edit Format</source>
        <translation>Format bearbeiten</translation>
    </message>
    <message>
        <source>Edit Purchased</source>
        <translation>Kaufstatus bearbeiten</translation>
    </message>
    <message>
        <source>Edit Amount</source>
        <translation>Betrag bearbeiten</translation>
    </message>
    <message>
        <source>Add Decoration</source>
        <translation>Dekoration hinzufügen</translation>
    </message>
    <message>
        <source>Delete Decoration</source>
        <translation>Dekoration löschen</translation>
    </message>
    <message>
        <source>Edit Type</source>
        <translation>Art bearbeiten</translation>
    </message>
    <message>
        <source>Edit Number</source>
        <translation>Anzahl bearbeiten</translation>
    </message>
    <message>
        <source>Add Food</source>
        <translation>Gericht hinzufügen</translation>
    </message>
    <message>
        <source>Delete Food</source>
        <translation>Gericht löschen</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Name bearbeiten</translation>
    </message>
    <message>
        <source>Edit Ingredients</source>
        <translation>Zutaten bearbeiten</translation>
    </message>
    <message>
        <source>Add Ingredient</source>
        <translation>Zutat hinzufügen</translation>
    </message>
    <message>
        <source>Delete Ingredient</source>
        <translation>Zutat löschen</translation>
    </message>
    <message>
        <source>Edit Ingredient</source>
        <translation>Zutat bearbeiten</translation>
    </message>
    <message>
        <source>Add Supply</source>
        <translation>Zubehör hinzufügen</translation>
    </message>
    <message>
        <source>Delete Supply</source>
        <translation>Zubehör löschen</translation>
    </message>
    <message>
        <source>Add Incidental</source>
        <translation>Nebenausgabe hinzufügen</translation>
    </message>
    <message>
        <source>Delete Incidental</source>
        <translation>Nebenausgabe löschen</translation>
    </message>
    <message>
        <source>Add Task</source>
        <translation>Aufgabe hinzufügen</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Aufgabe löschen</translation>
    </message>
    <message>
        <source>Edit Task</source>
        <translation>Aufgabe bearbeiten</translation>
    </message>
    <message>
        <source>Edit Time</source>
        <translation>Uhrzeit bearbeiten</translation>
    </message>
    <message>
        <source>Edit Notes</source>
        <translation>Notizen bearbeiten</translation>
    </message>
    <message>
        <source>Add Activity</source>
        <translation>Aktivität hinzufügen</translation>
    </message>
    <message>
        <source>Delete Activity</source>
        <translation>Aktivität löschen</translation>
    </message>
    <message>
        <source>Edit Activity</source>
        <translation>Aktivität bearbeiten</translation>
    </message>
    <message>
        <source>Move Row</source>
        <translation>Zeile verschieben</translation>
    </message>
    <message>
        <source>Load Sample Data</source>
        <translation>Beispieldaten laden</translation>
    </message>
    <message>
        <source>Music Budget</source>
        <translation>Musikbudget</translation>
    </message>
    <message>
        <source>Decoration Budget</source>
        <translation>Dekorationsbudget</translation>
    </message>
    <message>
        <source>Incidental Budget</source>
        <translation>Budget für Nebenausgaben</translation>
    </message>
    <message>
        <source>Food Budget</source>
        <translation>Budget für Essen und Getränke</translation>
    </message>
    <message>
        <source>Other Supply Budget</source>
        <translation>Zubehörbudget</translation>
    </message>
    <message>
        <source>Party Date</source>
        <translation>Datum der Party</translation>
    </message>
    <message>
        <source>New Plan From This One</source>
        <translation>Neuer Plan aus diesem</translation>
    </message>
    <message>
        <source>Paste Rows</source>
        <translation>Zeilen einfügen</translation>
    </message>
    <message>
        <source>Import Guests</source>
        <translation>Gäste importieren</translation>
    </message>
</context>
<context>
    <name>TableColumns</name>
    <message>
        <source>Guest(s)</source>
        <translation>Gast/Gäste</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>RSVP?</source>
        <translation>Zusage?</translation>
    </message>
    <message>
        <source>Number in Party</source>
        <translation>Personenzahl</translation>
    </message>
    <message>
        <source>Music(s)</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Purchased?</source>
        <translation>Gekauft?</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Zutaten</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
</context>
<context>
    <name>TableNames</name>
    <message>
        <source>Guests</source>
        <translation>Gäste</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Decorations</source>
        <translation>Dekoration</translation>
    </message>
    <message>
        <source>Food and Drinks</source>
        <translation>Essen und Getränke</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Zutaten</translation>
    </message>
    <message>
        <source>Other Supplies</source>
        <translation>Sonstiges Zubehör</translation>
    </message>
    <message>
        <source>Incidentals</source>
        <translation>Nebenausgaben</translation>
    </message>
    <message>
        <source>Schedules</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Aktivitäten</translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <source>Row %1 of %2 holds a store separator (&quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;) and cannot be saved.</source>
        <extracomment>%1 is the row&apos;s number, %2 the list&apos;s name.</extracomment>
        <translation>Zeile %1 der Liste „%2“ enthält ein Speichertrennzeichen („||MySeparator11||“ oder „||MySeparator12||“) und kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Row %1 of %2 would load back as other rows: its texts make a store separator with the ones around them (&quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;) and cannot be saved.</source>
        <extracomment>%1 is the row&apos;s number, %2 the list&apos;s name.</extracomment>
        <translation>Zeile %1 der Liste „%2“ würde als andere Zeilen zurückgeladen, weil ihre Texte mit den benachbarten ein Speichertrennzeichen bilden („||MySeparator11||“ oder „||MySeparator12||“); diese Zeile kann daher nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>TextScan</name>
    <message>
        <source>the file is UTF-16 text; please save it as UTF-8 and import that</source>
        <translation>Datei enthält UTF-16-Text; bitte speichern Sie sie als UTF-8 und importieren Sie diese Fassung</translation>
    </message>
    <message>
        <source>it holds a NUL byte, so it is no text file</source>
        <translation>enthält ein NUL-Byte und ist daher keine Textdatei</translation>
    </message>
</context>
<context>
    <name>ViewportMath</name>
    <message>
        <source>Overflow</source>
        <extracomment>The error box names the fault: a number too large for its place.</extracomment>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>WorkbookCopy</name>
    <message>
        <source>The workbook could not be read from %1: %2</source>
        <translation>Die Arbeitsmappe konnte nicht aus %1 gelesen werden: %2</translation>
    </message>
    <message>
        <source>The workbook could not be saved to %1: %2</source>
        <translation>Die Arbeitsmappe konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is %1, not a file Jubilo can replace.</source>
        <translation>%1, keine Datei, die Jubilo ersetzen kann.</translation>
    </message>
    <message>
        <source>it is a link that another user made in the shared folder %1. Jubilo does not write through it; choose another name.</source>
        <translation>eine Verknüpfung, die ein anderer Benutzer im gemeinsam genutzten Ordner %1 angelegt hat. Jubilo folgt ihr beim Schreiben nicht; wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>it leads through too many links.</source>
        <translation>führt über zu viele Verknüpfungen.</translation>
    </message>
</context>
<context>
    <name>jubilo::BudgetChart</name>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Ausgegeben</translation>
    </message>
    <message>
        <source>Over budget</source>
        <translation>Über dem Budget</translation>
    </message>
    <message>
        <source>Budget and spending chart</source>
        <translation>Diagramm zu Budget und Ausgaben</translation>
    </message>
</context>
<context>
    <name>jubilo::GlanceTableModel</name>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Ausgegeben</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Übrig</translation>
    </message>
    <message>
        <source>Still to buy</source>
        <translation>Noch zu kaufen</translation>
    </message>
    <message>
        <source>Whole party</source>
        <translation>Gesamte Party</translation>
    </message>
</context>
<context>
    <name>jubilo::GlanceWindow</name>
    <message>
        <source>Plan at a Glance</source>
        <translation>Plan auf einen Blick</translation>
    </message>
    <message>
        <source>Save Chart as PNG…</source>
        <translation>Diagramm als PNG speichern…</translation>
    </message>
    <message>
        <source>Budget against spending per list</source>
        <translation>Budget und Ausgaben je Liste</translation>
    </message>
</context>
<context>
    <name>jubilo::ImportGuestsDialog</name>
    <message>
        <source>Import Guests</source>
        <translation>Gäste importieren</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>The first guests as they will be added</source>
        <translation>Die ersten Gäste, wie sie hinzugefügt werden</translation>
    </message>
    <message>
        <source>The first guests as they will be added:</source>
        <translation>Die ersten Gäste, wie sie hinzugefügt werden:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Columns of the file</source>
        <translation>Spalten der Datei</translation>
    </message>
    <message>
        <source>File column for %1</source>
        <translation>Dateispalte für %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>An empty &quot;RSVP?&quot; reads &quot;No&quot;, an empty &quot;Number in Party&quot; reads &quot;1&quot;.</source>
        <translation>Eine leere „Zusage?“ gilt als „No“, eine leere „Personenzahl“ als „1“.</translation>
    </message>
    <message>
        <source>Line %1 cannot be added: %2. Choose other columns, or correct the file; nothing is added until every row can be.</source>
        <translation>Zeile %1 kann nicht hinzugefügt werden: %2. Wählen Sie andere Spalten oder korrigieren Sie die Datei; es wird nichts hinzugefügt, solange nicht jede Zeile hinzugefügt werden kann.</translation>
    </message>
    <message>
        <source>1 guest will be added.</source>
        <translation>1 Gast wird hinzugefügt.</translation>
    </message>
    <message>
        <source>%L1 guests will be added.</source>
        <translation>%L1 Gäste werden hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>jubilo::MainWindow</name>
    <message>
        <source>Nothing was pasted into the %1 list: line %2 of the pasted text cannot go in, because %3.</source>
        <translation>In die Liste „%1“ wurde nichts eingefügt. Zeile %2 des eingefügten Texts passt nicht hinein: %3.</translation>
    </message>
    <message>
        <source>The clipboard holds no rows to paste.</source>
        <translation>Die Zwischenablage enthält keine Zeilen zum Einfügen.</translation>
    </message>
    <message>
        <source>Guest lists (*.csv *.txt *.vcf)|*.csv;*.txt;*.vcf|All files (*)|*|</source>
        <translation>Gästelisten (*.csv *.txt *.vcf)|*.csv;*.txt;*.vcf|Alle Dateien (*)|*|</translation>
    </message>
    <message>
        <source>The file holds %L1 guests, and the list has room for %L2 more.</source>
        <translation>Die Datei enthält %L1 Gäste, in der Liste ist aber nur noch Platz für %L2.</translation>
    </message>
    <message>
        <source>Import Guests</source>
        <translation>Gäste importieren</translation>
    </message>
    <message>
        <source>This plan is read-only, so the change cannot be kept. Save a copy you can change with Save Plan As?</source>
        <translation>Dieser Plan ist schreibgeschützt, daher kann die Änderung nicht gespeichert werden. Möchten Sie mit „Plan speichern unter“ eine Kopie speichern, die Sie ändern können?</translation>
    </message>
    <message>
        <source>Jubilo %1

Plan a party and get a printable spreadsheet of the plan.

%2</source>
        <translation>Jubilo %1

Planen Sie eine Party und erhalten Sie eine druckbare Tabelle des Plans.

%2</translation>
    </message>
    <message>
        <source>About Jubilo</source>
        <translation>Über Jubilo</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Tarvel at %1</source>
        <extracomment>The Help button&apos;s message; %1 is the contact page&apos;s web address.</extracomment>
        <translation>Fragen? Bitte wenden Sie sich an Team Tarvel: %1</translation>
    </message>
</context>
<context>
    <name>jubilo::PlanHistory</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>The Edit menu&apos;s Undo with the step it undoes, as &quot;Undo Delete Guest&quot;.</extracomment>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>The Edit menu&apos;s Redo with the step it redoes, as &quot;Redo Delete Guest&quot;.</extracomment>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>jubilo::PlanStatusBar</name>
    <message>
        <source>Plan summary</source>
        <translation>Zusammenfassung des Plans</translation>
    </message>
</context>
<context>
    <name>jubilo::PreviewWindow</name>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <translation>Das Bild ist leer</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Excel Files</source>
        <translation>Excel-Dateien</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>PDF-Dateien</translation>
    </message>
    <message>
        <source>%1 is the workbook this preview shows, which is deleted when the preview closes. Please save the copy under another name.</source>
        <extracomment>%1 is the name of the file the user chose.</extracomment>
        <translation>%1 ist die Arbeitsmappe, die diese Vorschau zeigt; sie wird beim Schließen der Vorschau gelöscht. Bitte speichern Sie die Kopie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer, so the sheet cannot be printed from here. Use &quot;Save as PDF…&quot; to keep it as a PDF file, which any computer with a printer can print.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet, daher kann das Blatt hier nicht gedruckt werden. Speichern Sie es mit „Als PDF speichern…“ als PDF-Datei, die jeder Computer mit Drucker drucken kann.</translation>
    </message>
    <message>
        <source>There is no picture to copy</source>
        <translation>Es gibt kein Bild zum Kopieren</translation>
    </message>
    <message>
        <source>There is no main window to go back to.</source>
        <translation>Es gibt kein Hauptfenster, zu dem Sie zurückkehren können.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Another program changed the settings file %1 while Jubilo was open, and Jubilo now writes a value that program changed. Jubilo keeps its own value and the rest of the other program&apos;s changes.

A copy of the file as the other program left it is kept in %2.</source>
        <translation>Ein anderes Programm hat die Einstellungsdatei %1 geändert, während Jubilo geöffnet war, und Jubilo schreibt jetzt einen Wert, den dieses Programm geändert hat. Jubilo behält seinen eigenen Wert und die übrigen Änderungen des anderen Programms.

Eine Kopie der Datei, wie das andere Programm sie hinterlassen hat, liegt in %2.</translation>
    </message>
    <message>
        <source>Jubilo found changes to the settings file %1 in the journal it keeps beside it, but the file is no longer the one they were made to (another program replaced it), so they were not applied and the file stays as it is.

A copy of the journal with those changes is kept in %2.</source>
        <translation>Jubilo hat im Journal, das es neben der Einstellungsdatei %1 führt, Änderungen an ihr gefunden, aber die Datei ist nicht mehr die, an der sie vorgenommen wurden (ein anderes Programm hat sie ersetzt). Deshalb wurden sie nicht übernommen, und die Datei bleibt, wie sie ist.

Eine Kopie des Journals mit diesen Änderungen liegt in %2.</translation>
    </message>
    <message>
        <source>No free name for a copy of the settings file was found beside %1</source>
        <translation>Neben %1 wurde kein freier Name für eine Kopie der Einstellungsdatei gefunden</translation>
    </message>
    <message>
        <source>The settings file %1 had lines that could not be read. Jubilo keeps what it could read and writes the file afresh, so those lines will be gone from it.

A copy of the file as it was is kept in %2.</source>
        <translation>Die Einstellungsdatei %1 enthielt Zeilen, die nicht gelesen werden konnten. Jubilo behält, was es lesen konnte, und schreibt die Datei neu, sodass diese Zeilen darin fehlen werden.

Eine Kopie der Datei im bisherigen Zustand wurde unter %2 abgelegt.</translation>
    </message>
</context>
</TS>
