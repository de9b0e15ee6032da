<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CalendarPageFile</name>
    <message>
        <source>%1 %2 is outside %3 to %4</source>
        <translation>%1 %2 liegt außerhalb von %3 bis %4</translation>
    </message>
    <message>
        <source>margin</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>cell text: %1</source>
        <translation>Zellentext: %1</translation>
    </message>
    <message>
        <source>start of week</source>
        <translation>Wochenbeginn</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>A picture in this calendar is too large to show: it is drawn as an empty frame and kept as it is.</source>
        <translation>Ein Bild in diesem Kalender ist zu groß zum Anzeigen: Es wird als leerer Rahmen gezeichnet und unverändert beibehalten.</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures in this calendar are too large to show: they are drawn as empty frames and kept as they are.</source>
        <translation>
            <numerusform>%n Bild in diesem Kalender ist zu groß zum Anzeigen: Es wird als leerer Rahmen gezeichnet und unverändert beibehalten.</numerusform>
            <numerusform>%n Bilder in diesem Kalender sind zu groß zum Anzeigen: Sie werden als leere Rahmen gezeichnet und unverändert beibehalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>calendar document</source>
        <extracomment>%2 of &quot;at %1 MB it is larger than any %2 can be (%3 MB)&quot;</extracomment>
        <translation>ein Kalenderdokument</translation>
    </message>
    <message>
        <source>style sheet</source>
        <extracomment>%2 of &quot;at %1 MB it is larger than any %2 can be (%3 MB)&quot;</extracomment>
        <translation>eine Stilvorlage</translation>
    </message>
</context>
<context>
    <name>CellAppend</name>
    <message numerus="yes">
        <source>+ %n more</source>
        <translation>
            <numerusform>+ %n weiterer</numerusform>
            <numerusform>+ %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColorList</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>DesignMenu</name>
    <message>
        <source>Unable to write the clipboard file %1: %2</source>
        <translation>Die Zwischenablagedatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Bring To Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align Tops</source>
        <translation>Oben ausrichten</translation>
    </message>
    <message>
        <source>Align Bottoms</source>
        <translation>Unten ausrichten</translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation>Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation>Horizontal zentrieren</translation>
    </message>
    <message>
        <source>Lock All</source>
        <translation>Alle sperren</translation>
    </message>
    <message>
        <source>Unlock All</source>
        <translation>Alle entsperren</translation>
    </message>
    <message>
        <source>Mark All Selectable</source>
        <translation>Alle auswählbar machen</translation>
    </message>
    <message>
        <source>Mark All Unselectable</source>
        <translation>Alle nicht auswählbar machen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Unselectable</source>
        <translation>Nicht auswählbar</translation>
    </message>
    <message>
        <source>Load Image From Disk</source>
        <translation>Bild von Datenträger laden</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Stretch to Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Automatische Größe</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>3D Effects</source>
        <translation>3D-Effekte</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>No Rotation</source>
        <translation>Keine Drehung</translation>
    </message>
    <message>
        <source>90 Degrees</source>
        <translation>90 Grad</translation>
    </message>
    <message>
        <source>180 Degrees</source>
        <translation>180 Grad</translation>
    </message>
    <message>
        <source>270 Degrees</source>
        <translation>270 Grad</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ganzes Bild</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>One Picture per Page</source>
        <translation>Ein Bild pro Seite</translation>
    </message>
</context>
<context>
    <name>DialogRow</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Direkthilfe</translation>
    </message>
</context>
<context>
    <name>FillSource</name>
    <message>
        <source>cannot read the holiday set %1: %2</source>
        <translation>Der Feiertagssatz %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no holiday set &quot;%1&quot;: the sets are %2</source>
        <translation>Kein Feiertagssatz „%1“: Die Sätze sind %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no file %1 to fill the days from</source>
        <translation>Keine Datei %1, aus der die Tage gefüllt werden können</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>the file is larger than a help file can be</source>
        <translation>Die Datei ist größer, als eine Hilfedatei sein kann</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <source>The file&apos;s components are nested too deeply.</source>
        <translation>Die Komponenten der Datei sind zu tief verschachtelt.</translation>
    </message>
    <message>
        <source>The file has END:%1 where it does not belong.</source>
        <translation>Die Datei enthält END:%1 an einer Stelle, an die es nicht gehört.</translation>
    </message>
    <message>
        <source>The file ends before END:%1.</source>
        <translation>Die Datei endet vor END:%1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file.</source>
        <translation>Dies ist keine iCalendar-Datei.</translation>
    </message>
    <message>
        <source>The calendar would be larger than %1 MB, more than the program reads back; export fewer dates.</source>
        <translation>Der Kalender wäre größer als %1 MB, mehr als das Programm zurücklesen kann; exportieren Sie weniger Termine.</translation>
    </message>
    <message>
        <source>changes one date of another event</source>
        <translation>ändert einen Termin eines anderen Ereignisses</translation>
    </message>
    <message>
        <source>has an unreadable %1</source>
        <translation>hat ein unlesbares %1</translation>
    </message>
    <message>
        <source>has no start date</source>
        <translation>hat kein Anfangsdatum</translation>
    </message>
    <message>
        <source>has an unreadable start date</source>
        <translation>hat ein unlesbares Anfangsdatum</translation>
    </message>
    <message>
        <source>has several rules</source>
        <translation>hat mehrere Regeln</translation>
    </message>
    <message>
        <source>has added or left-out dates</source>
        <translation>hat hinzugefügte oder ausgelassene Termine</translation>
    </message>
    <message>
        <source>lasts several days</source>
        <translation>dauert mehrere Tage</translation>
    </message>
    <message>
        <source>lasts more than %1 days</source>
        <translation>dauert mehr als %1 Tage</translation>
    </message>
    <message>
        <source>lists more than %1 dates</source>
        <translation>nennt mehr als %1 Termine</translation>
    </message>
    <message>
        <source>has an unreadable date</source>
        <translation>hat ein unlesbares Datum</translation>
    </message>
    <message>
        <source>has left-out dates</source>
        <translation>hat ausgelassene Termine</translation>
    </message>
    <message>
        <source>(no title)</source>
        <translation>(ohne Titel)</translation>
    </message>
    <message>
        <source>limits a daily or weekly rule to months or days</source>
        <translation>beschränkt eine tägliche oder wöchentliche Regel auf Monate oder Tage</translation>
    </message>
    <message>
        <source>numbers the weekdays of a weekly rule</source>
        <translation>nummeriert die Wochentage einer wöchentlichen Regel</translation>
    </message>
    <message>
        <source>names a month that does not exist</source>
        <translation>nennt einen Monat, den es nicht gibt</translation>
    </message>
    <message>
        <source>numbers the weekdays of the whole year</source>
        <translation>nummeriert die Wochentage des ganzen Jahres</translation>
    </message>
    <message>
        <source>picks days by their position in a set</source>
        <translation>wählt Tage nach ihrer Position in einer Menge</translation>
    </message>
    <message>
        <source>combines days of the month with weekdays</source>
        <translation>verbindet Monatstage mit Wochentagen</translation>
    </message>
    <message>
        <source>falls on more than %1 days of the year</source>
        <translation>fällt auf mehr als %1 Tage des Jahres</translation>
    </message>
    <message>
        <source>counts days from the end of the month</source>
        <translation>zählt Tage vom Monatsende</translation>
    </message>
    <message>
        <source>repeats on every weekday of some months</source>
        <translation>wiederholt sich an jedem Wochentag einiger Monate</translation>
    </message>
    <message>
        <source>names a weekday beyond the fifth of a month</source>
        <translation>nennt einen Wochentag nach dem fünften eines Monats</translation>
    </message>
    <message>
        <source>falls on no day</source>
        <translation>fällt auf keinen Tag</translation>
    </message>
    <message>
        <source>repeats at an interval of %1</source>
        <translation>wiederholt sich im Abstand von %1</translation>
    </message>
    <message>
        <source>stops after a count or a date</source>
        <translation>endet nach einer Anzahl oder einem Datum</translation>
    </message>
    <message>
        <source>uses %1</source>
        <translation>verwendet %1</translation>
    </message>
    <message>
        <source>repeats %1</source>
        <translation>wiederholt sich %1</translation>
    </message>
</context>
<context>
    <name>IconLibraryWriter</name>
    <message>
        <source>no icons that an icon library can hold</source>
        <translation>Keine Symbole, die eine Symbolbibliothek aufnehmen kann</translation>
    </message>
</context>
<context>
    <name>LumImage</name>
    <message>
        <source>Error loading file!</source>
        <translation>Fehler beim Laden der Datei!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>NViewLib</name>
    <message>
        <source>A required .DLL file, NViewLib.dll, was not found.</source>
        <translation>Eine benötigte DLL-Datei, NViewLib.dll, wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Error Starting NViewLib.dll</source>
        <translation>Fehler beim Starten von NViewLib.dll</translation>
    </message>
</context>
<context>
    <name>NViewPictures</name>
    <message>
        <source>the picture library could not read the picture</source>
        <translation>Die Bildbibliothek konnte das Bild nicht lesen</translation>
    </message>
    <message>
        <source>the picture library is missing</source>
        <translation>Die Bildbibliothek fehlt</translation>
    </message>
    <message>
        <source>the picture library could not write it</source>
        <translation>Die Bildbibliothek konnte die Datei nicht schreiben</translation>
    </message>
    <message>
        <source>no temporary file could be made for the picture library</source>
        <translation>Für die Bildbibliothek konnte keine temporäre Datei angelegt werden</translation>
    </message>
    <message>
        <source>the temporary file for the picture library could not be written: %1</source>
        <translation>Die temporäre Datei für die Bildbibliothek konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>PagePictures</name>
    <message>
        <source>%1 holds no pictures</source>
        <translation>%1 enthält keine Bilder</translation>
    </message>
    <message>
        <source>%1 names no pictures</source>
        <translation>%1 nennt keine Bilder</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>list of pictures</source>
        <translation>Liste von Bildern</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>the PDF could not be begun</source>
        <translation>Das PDF konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>stopped before page %1 of %2</source>
        <translation>abgebrochen vor Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the margins leave no picture to write</source>
        <translation>Die Ränder lassen kein Bild zum Schreiben übrig</translation>
    </message>
</context>
<context>
    <name>PictureResolution</name>
    <message>
        <source>%1 at %2 dots per inch (%3)</source>
        <translation>%1 mit %2 dpi (%3)</translation>
    </message>
    <message>
        <source>Saved as %1<byte value="xd"/><byte value="xd"/>The calendar has been saved at %2 dots per inch.</source>
        <translation>Gespeichert als %1<byte value="xd"/><byte value="xd"/>Der Kalender wurde mit %2 dpi gespeichert.</translation>
    </message>
    <message>
        <source>Saved as %1<byte value="xd"/><byte value="xd"/>Note: the calendar has been saved at its<byte value="xd"/>current magnification level of %2%</source>
        <translation>Gespeichert als %1<byte value="xd"/><byte value="xd"/>Hinweis: Der Kalender wurde in seiner<byte value="xd"/>aktuellen Vergrößerung von %2 % gespeichert</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>not an icon file</source>
        <translation>Keine Symboldatei</translation>
    </message>
    <message>
        <source>the icon file holds no images</source>
        <translation>Die Symboldatei enthält keine Bilder</translation>
    </message>
    <message>
        <source>the icon file&apos;s directory runs past its end</source>
        <translation>Das Verzeichnis der Symboldatei reicht über ihr Ende hinaus</translation>
    </message>
    <message>
        <source>an image of the icon file runs past its end</source>
        <translation>Ein Bild der Symboldatei reicht über ihr Ende hinaus</translation>
    </message>
    <message>
        <source>an image of the icon file is larger than its data</source>
        <translation>Ein Bild der Symboldatei ist größer als ihre Daten</translation>
    </message>
    <message>
        <source>no image of the icon file could be read</source>
        <translation>Kein Bild der Symboldatei konnte gelesen werden</translation>
    </message>
    <message>
        <source>the picture&apos;s class name runs past its data</source>
        <translation>Der Klassenname des Bildes reicht über seine Daten hinaus</translation>
    </message>
    <message>
        <source>pictures of the class %1 are not drawn</source>
        <translation>Bilder der Klasse %1 werden nicht gezeichnet</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture</source>
        <translation>%1 ist zu groß für ein Bild</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not a bitmap, icon or metafile</source>
        <translation>%1 ist weder Bitmap noch Symbol noch Metadatei</translation>
    </message>
    <message>
        <source>the picture library could not read %1</source>
        <translation>Die Bildbibliothek konnte %1 nicht lesen</translation>
    </message>
    <message>
        <source>picture size %1 x %2 is out of range</source>
        <translation>Bildgröße %1 × %2 liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>Nicht genug Speicher für das Bild</translation>
    </message>
    <message>
        <source>bitmap bit field masks run past the end of the data</source>
        <translation>Die Bitfeldmasken der Bitmap reichen über das Ende der Daten hinaus</translation>
    </message>
    <message>
        <source>bitmap palette runs past the end of the data</source>
        <translation>Die Palette der Bitmap reicht über das Ende der Daten hinaus</translation>
    </message>
    <message>
        <source>bitmap pixel data offset is outside the data</source>
        <translation>Der Versatz der Bitmap-Pixeldaten liegt außerhalb der Daten</translation>
    </message>
    <message>
        <source>bitmap size %1 x %2 is out of range</source>
        <translation>Bitmapgröße %1 × %2 liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>bitmap size is far beyond what its RLE data can hold</source>
        <translation>Die Bitmapgröße übersteigt bei Weitem, was ihre RLE-Daten fassen können</translation>
    </message>
    <message>
        <source>bitmap pixel data runs past the end of the data</source>
        <translation>Die Pixeldaten der Bitmap reichen über das Ende der Daten hinaus</translation>
    </message>
    <message>
        <source>bitmap header runs past the end of the data</source>
        <translation>Der Bitmap-Header reicht über das Ende der Daten hinaus</translation>
    </message>
    <message>
        <source>unsupported bitmap header size %1</source>
        <translation>Nicht unterstützte Bitmap-Headergröße %1</translation>
    </message>
    <message>
        <source>unsupported bitmap depth of %1 bits</source>
        <translation>Nicht unterstützte Bitmap-Farbtiefe von %1 Bit</translation>
    </message>
    <message>
        <source>RLE8 needs 8 bits per pixel</source>
        <translation>RLE8 erfordert 8 Bit pro Pixel</translation>
    </message>
    <message>
        <source>RLE4 needs 4 bits per pixel</source>
        <translation>RLE4 erfordert 4 Bit pro Pixel</translation>
    </message>
    <message>
        <source>bit fields need 16 or 32 bits per pixel</source>
        <translation>Bitfelder erfordern 16 oder 32 Bit pro Pixel</translation>
    </message>
    <message>
        <source>unsupported bitmap compression %1</source>
        <translation>Nicht unterstützte Bitmap-Kompression %1</translation>
    </message>
    <message>
        <source>colour table of %1 entries is too large for %2 bits per pixel</source>
        <translation>Eine Farbtabelle mit %1 Einträgen ist zu groß für %2 Bit pro Pixel</translation>
    </message>
    <message>
        <source>palette index %1 is beyond the %2-colour palette</source>
        <translation>Palettenindex %1 liegt jenseits der Palette mit %2 Farben</translation>
    </message>
    <message>
        <source>RLE data ends before the end of the picture</source>
        <translation>Die RLE-Daten enden vor dem Ende des Bildes</translation>
    </message>
    <message>
        <source>RLE run past the end of the picture&apos;s row</source>
        <translation>RLE-Lauf über das Ende der Bildzeile hinaus</translation>
    </message>
    <message>
        <source>RLE data ends inside a delta</source>
        <translation>Die RLE-Daten enden innerhalb eines Versatzes</translation>
    </message>
    <message>
        <source>RLE delta moves past the picture</source>
        <translation>RLE-Versatz bewegt sich über das Bild hinaus</translation>
    </message>
    <message>
        <source>RLE data ends inside an absolute run</source>
        <translation>Die RLE-Daten enden innerhalb eines absoluten Laufs</translation>
    </message>
</context>
<context>
    <name>PlannerLabels</name>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>%1 %2, %3 - %4 %5, %6</source>
        <comment>first month, day, year - last month, day, year</comment>
        <translation>%2. %1 %3 – %5. %4 %6</translation>
    </message>
    <message>
        <source>%1 %2 - %3 %4, %5</source>
        <comment>first month, day - last month, day, year</comment>
        <translation>%2. %1 – %4. %3 %5</translation>
    </message>
    <message>
        <source>%1 %2-%3, %4</source>
        <comment>month, first day-last day, year</comment>
        <translation>%2.–%3. %1 %4</translation>
    </message>
    <message>
        <source>%1, %2 %3, %4</source>
        <comment>weekday, month day, year</comment>
        <translation>%1, %3. %2 %4</translation>
    </message>
    <message>
        <source>%1, Weeks %2-%3</source>
        <comment>title, first and last week number</comment>
        <translation>%1, KW %2-%3</translation>
    </message>
    <message>
        <source>%1, Week %2</source>
        <comment>title, week number</comment>
        <translation>%1, KW %2</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Left Margin is possibly outside of Printer printable area</source>
        <translation>Der linke Rand liegt möglicherweise außerhalb des druckbaren Bereichs</translation>
    </message>
    <message>
        <source>Top Margin is possibly outside of Printer printable area</source>
        <translation>Der obere Rand liegt möglicherweise außerhalb des druckbaren Bereichs</translation>
    </message>
    <message>
        <source>Right Margin is possibly outside of Printer printable area</source>
        <translation>Der rechte Rand liegt möglicherweise außerhalb des druckbaren Bereichs</translation>
    </message>
    <message>
        <source>Bottom Margin is possibly outside of Printer printable area</source>
        <translation>Der untere Rand liegt möglicherweise außerhalb des druckbaren Bereichs</translation>
    </message>
    <message>
        <source>Margin Warning:</source>
        <translation>Randwarnung:</translation>
    </message>
    <message>
        <source>Print anyways?</source>
        <translation>Trotzdem drucken?</translation>
    </message>
    <message>
        <source>Margin Warning</source>
        <translation>Randwarnung</translation>
    </message>
    <message>
        <source>Print job completed and sent to printer!<byte value="xd"/><byte value="xd"/>Note: this design contains complex shapes or text.<byte value="xd"/>Please be patient while the printer produces its<byte value="xd"/>output...</source>
        <translation>Druckauftrag abgeschlossen und an den Drucker gesendet!</translation>
    </message>
    <message>
        <source>Print job completed and sent to printer!</source>
        <translation>Druckauftrag abgeschlossen und an den Drucker gesendet!<byte value="xd"/><byte value="xd"/>Hinweis: Dieser Entwurf enthält komplexe Formen oder Texte.<byte value="xd"/>Bitte haben Sie Geduld, während der Drucker seine<byte value="xd"/>Ausgabe erstellt …</translation>
    </message>
</context>
<context>
    <name>PrinterCheck</name>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Unable to perform printer related operations</source>
        <translation>Es sind keine Drucker installiert.<byte value="xd"/>
Druckerfunktionen sind nicht verfügbar</translation>
    </message>
    <message>
        <source>There is no default printer selected.<byte value="xd"/>
Unable to perform printer related operations</source>
        <translation>Es ist kein Standarddrucker ausgewählt.<byte value="xd"/>
Druckerfunktionen sind nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>PropertiesPrompts</name>
    <message>
        <source>Calendar Style Sheet (*.DWS *.dws)</source>
        <translation>Kalender-Stilvorlage (*.DWS *.dws)</translation>
    </message>
    <message>
        <source>Save As Calendar Style Sheet</source>
        <translation>Als Kalender-Stilvorlage speichern</translation>
    </message>
    <message>
        <source>MyStyle.DWS</source>
        <translation>MeinStil.DWS</translation>
    </message>
    <message>
        <source>Open Calendar Style Sheet</source>
        <translation>Kalender-Stilvorlage öffnen</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>not a recovery copy</source>
        <translation>Keine Wiederherstellungskopie</translation>
    </message>
    <message>
        <source>truncated</source>
        <translation>abgeschnitten</translation>
    </message>
    <message>
        <source>truncated cells</source>
        <translation>abgeschnittene Zellen</translation>
    </message>
    <message>
        <source>truncated objects</source>
        <translation>abgeschnittene Objekte</translation>
    </message>
</context>
<context>
    <name>RecurringDescription</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Last Day %1</source>
        <translation>Letzter Tag %1</translation>
    </message>
    <message>
        <source>%1 Day %2</source>
        <translation>%1 Tag %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <translation>Letzter %1 im %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 im %3</translation>
    </message>
    <message>
        <source>%1 on or before %2</source>
        <translation>%1 am oder vor dem %2</translation>
    </message>
    <message>
        <source>%1 on or after %2</source>
        <translation>%1 am oder nach dem %2</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Each Month</source>
        <translation>Jeden Monat</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>the ordinal of one, 1st</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>an ordinal ending in 1, as 21st</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>RecurringFile</name>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>Es ist keine Datei, sondern ein Ordner, ein Gerät oder eine Pipe</translation>
    </message>
    <message>
        <source>at %1 MB it is larger than any %2 can be (%3 MB)</source>
        <translation>Mit %1 MB ist die Datei größer, als %2 sein kann (%3 MB)</translation>
    </message>
    <message>
        <source>it grew while it was read</source>
        <translation>Die Datei ist beim Lesen gewachsen</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not RTF: the text does not start with {\rtf.</source>
        <translation>Kein RTF: Der Text beginnt nicht mit {\<byte value="xd"/>tf.</translation>
    </message>
    <message>
        <source>RTF groups are nested more than %1 deep.</source>
        <translation>RTF-Gruppen sind tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>The RTF text ends before its last group is closed (%1 open): it is truncated.</source>
        <translation>Der RTF-Text endet, bevor seine letzte Gruppe geschlossen ist (%1 offen): Er ist abgeschnitten.</translation>
    </message>
</context>
<context>
    <name>SaveFiles</name>
    <message>
        <source>the disk is full</source>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>Es gibt kein Bild zum Schreiben</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>Kein Dateiname</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>Es ist keine Datei, sondern ein Ordner, ein Gerät oder eine Pipe</translation>
    </message>
    <message>
        <source>it is a link another user made in a folder anyone may write to</source>
        <translation>Es ist eine Verknüpfung, die ein anderer Benutzer in einem Ordner angelegt hat, in den jeder schreiben darf</translation>
    </message>
    <message>
        <source>it is a link that leads through too many others</source>
        <translation>Es ist eine Verknüpfung, die über zu viele weitere Verknüpfungen führt</translation>
    </message>
</context>
<context>
    <name>SetChoice</name>
    <message>
        <source>Cover</source>
        <translation>Deckblatt</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>In %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>StreamReader</name>
    <message>
        <source>unknown font style %1</source>
        <translation>Unbekannter Schriftstil %1</translation>
    </message>
    <message>
        <source>child components are not supported</source>
        <translation>Untergeordnete Komponenten werden nicht unterstützt</translation>
    </message>
    <message>
        <source>unknown class %1</source>
        <translation>Unbekannte Klasse %1</translation>
    </message>
    <message>
        <source>unexpected end of input: %1 bytes needed, %2 left</source>
        <translation>Unerwartetes Ende der Eingabe: %1 Byte benötigt, %2 übrig</translation>
    </message>
    <message>
        <source>expected %1, found type %2</source>
        <translation>%1 erwartet, Typ %2 gefunden</translation>
    </message>
    <message>
        <source>the start of a list</source>
        <translation>den Anfang einer Liste</translation>
    </message>
    <message>
        <source>the end of a list</source>
        <translation>das Ende einer Liste</translation>
    </message>
    <message>
        <source>expected an integer, found type %1</source>
        <translation>Ganzzahl erwartet, Typ %1 gefunden</translation>
    </message>
    <message>
        <source>expected a string, found type %1</source>
        <translation>Zeichenkette erwartet, Typ %1 gefunden</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>einen Bezeichner</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>Binärdaten</translation>
    </message>
    <message>
        <source>a set</source>
        <translation>eine Menge</translation>
    </message>
    <message>
        <source>nil</source>
        <translation>nil</translation>
    </message>
    <message>
        <source>a collection</source>
        <translation>eine Sammlung</translation>
    </message>
    <message>
        <source>unknown colour %1</source>
        <translation>Unbekannte Farbe %1</translation>
    </message>
    <message>
        <source>values nested deeper than %1</source>
        <translation>Werte tiefer verschachtelt als %1</translation>
    </message>
    <message>
        <source>unknown value type %1</source>
        <translation>Unbekannter Werttyp %1</translation>
    </message>
    <message>
        <source>not a component stream</source>
        <translation>Kein Komponentenstrom</translation>
    </message>
</context>
<context>
    <name>TCalendarMain</name>
    <message>
        <source>Hide Icon Tool</source>
        <translation>Symbolwerkzeug ausblenden</translation>
    </message>
    <message>
        <source>Show Icon Tool</source>
        <translation>Symbolwerkzeug einblenden</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Drucke Seite %p</translation>
    </message>
    <message>
        <source>Reopen</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1.<byte value="xd"/>
Please open it in your browser.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um %1 anzuzeigen.<byte value="xd"/>
Bitte öffnen Sie die Adresse in Ihrem Browser.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>corrupted, possibly not a Calendar file</source>
        <translation>%1 kann nicht geöffnet werden. Möglicherweise <byte value="xd"/>beschädigt, möglicherweise keine Kalenderdatei</translation>
    </message>
    <message>
        <source>Open Calendar File</source>
        <translation>Kalenderdatei öffnen</translation>
    </message>
    <message>
        <source>Calendar File (*.DWC)</source>
        <translation>Kalenderdatei (*.DWC)</translation>
    </message>
    <message>
        <source>Must be a Calendar file (*.DWC)</source>
        <translation>Es muss eine Kalenderdatei sein (*.DWC)</translation>
    </message>
    <message>
        <source>File %1 no longer exists</source>
        <translation>Die Datei %1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>Must be a Calendar file (*.DWC) or a Calendar Style Sheet (*.DWS)</source>
        <translation>Es muss eine Kalenderdatei (*.DWC) oder eine Kalender-Stilvorlage (*.DWS) sein</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>
corrupted, possibly not a Calendar Style file</source>
        <translation>%1 kann nicht geöffnet werden. Möglicherweise <byte value="xd"/>
beschädigt, möglicherweise keine Kalender-Stilvorlage</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Save Calendar File</source>
        <translation>Kalenderdatei speichern</translation>
    </message>
    <message>
        <source>Cancel all changes?</source>
        <translation>Alle Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save Calendar As Bitmap</source>
        <translation>Kalender als Bitmap speichern</translation>
    </message>
    <message>
        <source>Bitmap File</source>
        <translation>Bitmap-Datei</translation>
    </message>
    <message>
        <source>Save Calendar As JPG</source>
        <translation>Kalender als JPG speichern</translation>
    </message>
    <message>
        <source>JPG File</source>
        <translation>JPG-Datei</translation>
    </message>
    <message>
        <source>Save Calendar As PNG</source>
        <translation>Kalender als PNG speichern</translation>
    </message>
    <message>
        <source>PNG File</source>
        <translation>PNG-Datei</translation>
    </message>
    <message>
        <source>Unable to save %1</source>
        <translation>%1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Save Calendar As PDF</source>
        <translation>Kalender als PDF speichern</translation>
    </message>
    <message>
        <source>PDF File (*.PDF)</source>
        <translation>PDF-Datei (*.PDF)</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New </source>
        <translation>&amp;Neu </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save </source>
        <translation>&amp;Speichern </translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter …</translation>
    </message>
    <message>
        <source>Save As Bitmap File</source>
        <translation>Als Bitmap-Datei speichern</translation>
    </message>
    <message>
        <source>Save As JPG File</source>
        <translation>Als JPG-Datei speichern</translation>
    </message>
    <message>
        <source>Save As PNG File</source>
        <translation>Als PNG-Datei speichern</translation>
    </message>
    <message>
        <source>Save As PDF File</source>
        <translation>Als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>User Defined Title</source>
        <translation>Eigener Titel</translation>
    </message>
    <message>
        <source>&amp;Cancel Changes</source>
        <translation>&amp;Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Clear &amp;All Cell Contents</source>
        <translation>&amp;Alle Zelleninhalte löschen</translation>
    </message>
    <message>
        <source>&amp;Default Editor Font</source>
        <translation>Standardschrift des Edi&amp;tors</translation>
    </message>
    <message>
        <source>Fill Calendar with Recurring Dates</source>
        <translation>Kalender mit wiederkehrenden Terminen füllen</translation>
    </message>
    <message>
        <source>Fill Calendar from iCalendar File...</source>
        <translation>Kalender aus iCalendar-Datei füllen …</translation>
    </message>
    <message>
        <source>Edit Recurring Dates</source>
        <translation>Wiederkehrende Termine bearbeiten</translation>
    </message>
    <message>
        <source>P&amp;rint Calendar</source>
        <translation>Kalender &amp;drucken</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Drucker ein&amp;richten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Online</source>
        <translation>&amp;Online</translation>
    </message>
    <message>
        <source>Visit Our Internet Website</source>
        <translation>Unsere Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Show Hints</source>
        <translation>&amp;Tipps anzeigen</translation>
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
        <source>Set/change Properties for the calendar</source>
        <translation>Eigenschaften des Kalenders festlegen/ändern</translation>
    </message>
    <message>
        <source>Print the calendar</source>
        <translation>Den Kalender drucken</translation>
    </message>
    <message>
        <source>Selection tool</source>
        <translation>Auswahlwerkzeug</translation>
    </message>
    <message>
        <source>Label tool</source>
        <translation>Beschriftungswerkzeug</translation>
    </message>
    <message>
        <source>Clip Art Tool</source>
        <translation>ClipArt-Werkzeug</translation>
    </message>
    <message>
        <source>Rich Text tool <byte value="xd"/>Mixed fonts, colors and styles</source>
        <translation>RichText-Werkzeug <byte value="xd"/>Gemischte Schriften, Farben und Stile</translation>
    </message>
    <message>
        <source>SuperText tool <byte value="xd"/>Special Effects Text - fill with gradients or bitmaps</source>
        <translation>SuperText-Werkzeug <byte value="xd"/>Text mit Spezialeffekten – mit Verläufen oder Bitmaps gefüllt</translation>
    </message>
    <message>
        <source>Floating Calendar tool <byte value="xd"/>Mini Calendar that you can place anywhere</source>
        <translation>Werkzeug für schwebende Kalender <byte value="xd"/>Minikalender, den Sie überall platzieren können</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save changes to the calendar</source>
        <translation>Änderungen am Kalender speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel all changes</source>
        <translation>Alle Änderungen verwerfen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unable to start the print job on %1</source>
        <translation>Der Druckauftrag auf %1 kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>a calendar that was never saved</source>
        <translation>ein nie gespeicherter Kalender</translation>
    </message>
    <message>
        <source>Datewright did not close properly. Unsaved changes to %1 from %2 were kept.<byte value="xd"/><byte value="xd"/>Recover them?</source>
        <translation>Datewright wurde nicht ordnungsgemäß beendet. Nicht gespeicherte Änderungen an %1 vom %2 wurden aufbewahrt.<byte value="xd"/><byte value="xd"/>Sollen sie wiederhergestellt werden?</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>The recovery file %1 is damaged (%2) and was set aside as %3.</source>
        <translation>Die Wiederherstellungsdatei %1 ist beschädigt (%2) und wurde als %3 beiseitegelegt.</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>The recurring dates could not be read.<byte value="xd"/>
</source>
        <translation>Die wiederkehrenden Termine konnten nicht gelesen werden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The old recurring dates file DWRECUR.DAT could not be converted; it is kept.<byte value="xd"/>
</source>
        <translation>Die alte Datei der wiederkehrenden Termine DWRECUR.DAT konnte nicht umgewandelt werden; sie bleibt erhalten.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Fill Calendar from iCalendar File</source>
        <translation>Kalender aus iCalendar-Datei füllen</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-Dateien (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The calendar could not be read.<byte value="xd"/>
</source>
        <translation>Der Kalender konnte nicht gelesen werden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>No events of the calendar fall in the current month</source>
        <translation>Kein Ereignis des Kalenders fällt in den aktuellen Monat</translation>
    </message>
    <message>
        <source>No predefined dates match the current month</source>
        <translation>Keine vordefinierten Termine passen zum aktuellen Monat</translation>
    </message>
    <message>
        <source>Fill from Recurring Dates</source>
        <translation>Aus wiederkehrenden Terminen füllen</translation>
    </message>
    <message>
        <source>The days could not be filled.<byte value="xd"/>
</source>
        <translation>Die Tage konnten nicht gefüllt werden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Saving As PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printing was cancelled. The pages drawn before may still be printed.</source>
        <translation>Das Drucken wurde abgebrochen. Die zuvor gezeichneten Seiten werden möglicherweise dennoch gedruckt.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 rückgängig machen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 wiederherstellen</translation>
    </message>
    <message>
        <source>Undo Cell Text</source>
        <translation>Zelltext rückgängig machen</translation>
    </message>
    <message>
        <source>The pictures cannot be taken: %1</source>
        <translation>Die Bilder können nicht übernommen werden: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
These pictures could not be read; their pages show the design&apos;s picture:<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Diese Bilder konnten nicht gelesen werden; ihre Seiten zeigen das Bild des Entwurfs:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>New from &amp;Template...</source>
        <translation>Neu aus &amp;Vorlage …</translation>
    </message>
    <message>
        <source>Save As PDF for Printing...</source>
        <translation>Als PDF für den Druck speichern...</translation>
    </message>
    <message>
        <source>Cover Page</source>
        <translation>Deckblatt</translation>
    </message>
    <message>
        <source>Edit Co&amp;ver Page</source>
        <translation>Dec&amp;kblatt bearbeiten</translation>
    </message>
    <message>
        <source>Set of Pages</source>
        <translation>Seitenfolge</translation>
    </message>
</context>
<context>
    <name>TCalendarProperties</name>
    <message>
        <source> [No Special Border]</source>
        <translation> [Kein besonderer Rahmen]</translation>
    </message>
    <message>
        <source>¼ Inch</source>
        <translation>¼ Zoll</translation>
    </message>
    <message>
        <source>½ Inch</source>
        <translation>½ Zoll</translation>
    </message>
    <message>
        <source>¾ Inch</source>
        <translation>¾ Zoll</translation>
    </message>
    <message>
        <source>1 Inch</source>
        <translation>1 Zoll</translation>
    </message>
    <message>
        <source>1¼ Inch</source>
        <translation>1¼ Zoll</translation>
    </message>
    <message>
        <source>1½ Inch</source>
        <translation>1½ Zoll</translation>
    </message>
    <message>
        <source>Select Starting Date</source>
        <translation>Anfangsdatum wählen</translation>
    </message>
    <message>
        <source>Select Month &amp; Year</source>
        <translation>Monat und Jahr wählen</translation>
    </message>
    <message>
        <source>Must save as a Calendar Style Sheet (*.DWS)</source>
        <translation>Muss als Kalender-Stilvorlage (*.DWS) gespeichert werden</translation>
    </message>
    <message>
        <source>Unable to save %1.<byte value="xd"/>
%2</source>
        <translation>%1 kann nicht gespeichert werden.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Must be a Calendar Style Sheet (*.DWS)</source>
        <translation>Es muss eine Kalender-Stilvorlage sein (*.DWS)</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>
corrupted, possibly not a Calendar Style file</source>
        <translation>%1 kann nicht geöffnet werden. Möglicherweise <byte value="xd"/>
beschädigt, möglicherweise keine Kalender-Stilvorlage</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>Warning: changing to this type of layout<byte value="xd"/>will erase all text and icons from the current<byte value="xd"/>calendar. Proceed?</source>
        <translation>Warnung: Der Wechsel zu dieser Art von Layout<byte value="xd"/>löscht alle Texte und Symbole aus dem aktuellen<byte value="xd"/>Kalender. Fortfahren?</translation>
    </message>
    <message>
        <source>Warning: The Calendar has one or more items<byte value="xd"/>placed on it using the Label, Clip Art, RichText,<byte value="xd"/>SuperText or Floating Calendar tools.<byte value="xd"/><byte value="xd"/>Changing Paper Size, Orientation, Layout, Margins or Border<byte value="xd"/>means you will have to reposition these items.<byte value="xd"/><byte value="xd"/>Proceed?</source>
        <translation>Warnung: Auf dem Kalender wurden Elemente mit den<byte value="xd"/>Werkzeugen für Beschriftung, ClipArt, RichText,<byte value="xd"/>SuperText oder schwebende Kalender platziert.<byte value="xd"/><byte value="xd"/>Wenn Sie Papierformat, Ausrichtung, Layout, Ränder oder Rahmen ändern,<byte value="xd"/>müssen Sie diese Elemente neu positionieren.<byte value="xd"/><byte value="xd"/>Fortfahren?</translation>
    </message>
    <message>
        <source>1 Month Calendar </source>
        <translation>Monatskalender </translation>
    </message>
    <message>
        <source>1 Month Calendar, 2 Mini Calendars</source>
        <translation>Monatskalender, 2 Minikalender</translation>
    </message>
    <message>
        <source>1 Month Calendar, 6 Mini Calendars Before &amp; After </source>
        <translation>Monatskalender, 6 Minikalender davor und danach </translation>
    </message>
    <message>
        <source>1 Month Calendar, 12 Mini Calendars After </source>
        <translation>Monatskalender, 12 Minikalender danach </translation>
    </message>
    <message>
        <source>6 Month Calendar (Mini Calendars)</source>
        <translation>6-Monats-Kalender (Minikalender)</translation>
    </message>
    <message>
        <source>12 Month Calendar (Mini Calendars)</source>
        <translation>12-Monats-Kalender (Minikalender)</translation>
    </message>
    <message>
        <source>24 Month Calendar (Mini Calendars)</source>
        <translation>24-Monats-Kalender (Minikalender)</translation>
    </message>
    <message>
        <source>48 Month Calendar (Mini Calendars)</source>
        <translation>48-Monats-Kalender (Minikalender)</translation>
    </message>
    <message>
        <source>60 Month Calendar (Mini Calendars)</source>
        <translation>60-Monats-Kalender (Minikalender)</translation>
    </message>
    <message>
        <source>One Week Planner</source>
        <translation>Wochenplaner</translation>
    </message>
    <message>
        <source>Two Week Planner</source>
        <translation>Zweiwochenplaner</translation>
    </message>
    <message>
        <source>Day Planner (10 hours) </source>
        <translation>Tagesplaner (10 Stunden) </translation>
    </message>
    <message>
        <source>Day Planner (15 hours) </source>
        <translation>Tagesplaner (15 Stunden) </translation>
    </message>
    <message>
        <source>First Character</source>
        <translation>Erster Buchstabe</translation>
    </message>
    <message>
        <source>First Three Characters</source>
        <translation>Erste drei Buchstaben</translation>
    </message>
    <message>
        <source>Whole Word</source>
        <translation>Ganzes Wort</translation>
    </message>
    <message>
        <source>Calendar Properties</source>
        <translation>Kalendereigenschaften</translation>
    </message>
    <message>
        <source>Click a tab to work with a different aspect of <byte value="xd"/>this calendar&apos;s properties</source>
        <translation>Klicken Sie auf eine Registerkarte, um einen anderen Bereich <byte value="xd"/>der Kalendereigenschaften zu bearbeiten</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Fonts, Colors</source>
        <translation>Schrift, Farben</translation>
    </message>
    <message>
        <source>Mini Fonts, Colors</source>
        <translation>Mini-Schrift, Farben</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>Kopfzeilen</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Planners</source>
        <translation>Planer</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Select Layout</source>
        <translation>Layout wählen</translation>
    </message>
    <message>
        <source>Select a layout for the calendar from this list</source>
        <translation>Wählen Sie ein Layout für den Kalender aus dieser Liste</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Select the orientation of the printed calendar</source>
        <translation>Wählen Sie die Ausrichtung des gedruckten Kalenders</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Select the size of paper the calendar is printed on</source>
        <translation>Wählen Sie das Papierformat, auf das der Kalender gedruckt wird</translation>
    </message>
    <message>
        <source>Click on a date to select it</source>
        <translation>Klicken Sie auf ein Datum, um es auszuwählen</translation>
    </message>
    <message>
        <source>Go back one year</source>
        <translation>Ein Jahr zurück</translation>
    </message>
    <message>
        <source>Go back one month</source>
        <translation>Einen Monat zurück</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Go to today&apos;s date</source>
        <translation>Zum heutigen Datum</translation>
    </message>
    <message>
        <source>Go forward one month</source>
        <translation>Einen Monat vor</translation>
    </message>
    <message>
        <source>Go forward one year</source>
        <translation>Ein Jahr vor</translation>
    </message>
    <message>
        <source>Week Starts On</source>
        <translation>Woche beginnt am</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Select the day that the calendar week starts on</source>
        <translation>Wählen Sie den Tag, mit dem die Kalenderwoche beginnt</translation>
    </message>
    <message>
        <source>Show Year in Title</source>
        <translation>Jahr im Titel</translation>
    </message>
    <message>
        <source>Check to show the year in the calendar&apos;s title</source>
        <translation>Aktivieren, um das Jahr im Titel des Kalenders anzuzeigen</translation>
    </message>
    <message>
        <source>Show Year in Mini Title</source>
        <translation>Jahr im Minititel</translation>
    </message>
    <message>
        <source>Check to show the year in the mini calendars&apos; titles</source>
        <translation>Aktivieren, um das Jahr in den Titeln der Minikalender anzuzeigen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Click to choose the font</source>
        <translation>Klicken, um die Schrift zu wählen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Click to choose the background color</source>
        <translation>Klicken, um die Hintergrundfarbe zu wählen</translation>
    </message>
    <message>
        <source>Fonts &amp; Colors</source>
        <translation>Schrift und Farben</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Number Cells</source>
        <translation>Zahlenfelder</translation>
    </message>
    <message>
        <source>Mini Fonts &amp; Colors</source>
        <translation>Mini-Schrift und Farben</translation>
    </message>
    <message>
        <source>Mini Title</source>
        <translation>Minititel</translation>
    </message>
    <message>
        <source>Mini Header</source>
        <translation>Mini-Kopfzeile</translation>
    </message>
    <message>
        <source>Mini Number Cells</source>
        <translation>Mini-Zahlenfelder</translation>
    </message>
    <message>
        <source>Mini Calendar Background Color</source>
        <translation>Hintergrundfarbe der Minikalender</translation>
    </message>
    <message>
        <source>Header Styles</source>
        <translation>Kopfzeilenstile</translation>
    </message>
    <message>
        <source>Header Style</source>
        <translation>Kopfzeilenstil</translation>
    </message>
    <message>
        <source>Select how the day names are written</source>
        <translation>Wählen Sie, wie die Tagesnamen geschrieben werden</translation>
    </message>
    <message>
        <source>Mini Header Style</source>
        <translation>Mini-Kopfzeilenstil</translation>
    </message>
    <message>
        <source>Select how the mini calendars&apos; day names are written</source>
        <translation>Wählen Sie, wie die Tagesnamen der Minikalender geschrieben werden</translation>
    </message>
    <message>
        <source>Line Styles</source>
        <translation>Linienstile</translation>
    </message>
    <message>
        <source>Calendar Line Style</source>
        <translation>Linienstil des Kalenders</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Vollständig</translation>
    </message>
    <message>
        <source>Headers &amp; Cells</source>
        <translation>Kopfzeilen und Zellen</translation>
    </message>
    <message>
        <source>Cells Only</source>
        <translation>Nur Zellen</translation>
    </message>
    <message>
        <source>Select the lines drawn on the calendar</source>
        <translation>Wählen Sie die Linien, die auf den Kalender gezeichnet werden</translation>
    </message>
    <message>
        <source>Mini-Calendar Line Style</source>
        <translation>Linienstil der Minikalender</translation>
    </message>
    <message>
        <source>Boxed</source>
        <translation>Umrandet</translation>
    </message>
    <message>
        <source>Minimal</source>
        <translation>Minimal</translation>
    </message>
    <message>
        <source>Select the lines drawn on the mini calendars</source>
        <translation>Wählen Sie die Linien, die auf die Minikalender gezeichnet werden</translation>
    </message>
    <message>
        <source>Day Planner</source>
        <translation>Tagesplaner</translation>
    </message>
    <message>
        <source>Starting Time (for day planners)</source>
        <translation>Anfangszeit (für Tagesplaner)</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Zeit einstellen</translation>
    </message>
    <message>
        <source>Click to set the time of the first hour of the day planners</source>
        <translation>Klicken, um die Uhrzeit der ersten Stunde der Tagesplaner einzustellen</translation>
    </message>
    <message>
        <source>*(Note: This setting only applies if you have selected one of the two Day Planners from the Layout tab)</source>
        <translation>*(Hinweis: Diese Einstellung gilt nur, wenn Sie auf der Registerkarte „Layout“ einen der beiden Tagesplaner gewählt haben)</translation>
    </message>
    <message>
        <source>Month and Day Names</source>
        <translation>Monats- und Tagesnamen</translation>
    </message>
    <message>
        <source>Month Names</source>
        <translation>Monatsnamen</translation>
    </message>
    <message>
        <source>Type in the month names, starting with January,<byte value="xd"/>or click one of the buttons below</source>
        <translation>Geben Sie die Monatsnamen ein, beginnend mit Januar,<byte value="xd"/>oder klicken Sie auf eine der Schaltflächen unten</translation>
    </message>
    <message>
        <source>Day Names</source>
        <translation>Tagesnamen</translation>
    </message>
    <message>
        <source>Type in the day names, starting with Sunday,<byte value="xd"/>or click one of the buttons below</source>
        <translation>Geben Sie die Tagesnamen ein, beginnend mit Sonntag,<byte value="xd"/>oder klicken Sie auf eine der Schaltflächen unten</translation>
    </message>
    <message>
        <source>Click to use the month and day names of this language</source>
        <translation>Klicken, um die Monats- und Tagesnamen dieser Sprache zu verwenden</translation>
    </message>
    <message>
        <source>Select Page Margins</source>
        <translation>Seitenränder wählen</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>Right Margin</source>
        <translation>Rechter Rand</translation>
    </message>
    <message>
        <source>Bottom Margin</source>
        <translation>Unterer Rand</translation>
    </message>
    <message>
        <source>Select the left margin for the printed calendar</source>
        <translation>Wählen Sie den linken Rand des gedruckten Kalenders</translation>
    </message>
    <message>
        <source>Select the top margin for the printed calendar</source>
        <translation>Wählen Sie den oberen Rand des gedruckten Kalenders</translation>
    </message>
    <message>
        <source>Select the right margin for the printed calendar</source>
        <translation>Wählen Sie den rechten Rand des gedruckten Kalenders</translation>
    </message>
    <message>
        <source>Select the bottom margin for the printed calendar</source>
        <translation>Wählen Sie den unteren Rand des gedruckten Kalenders</translation>
    </message>
    <message>
        <source>Use Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Show the margins in inches</source>
        <translation>Die Ränder in Zoll anzeigen</translation>
    </message>
    <message>
        <source>Use Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Show the margins in millimeters</source>
        <translation>Die Ränder in Millimetern anzeigen</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Calendar Borders</source>
        <translation>Kalenderrahmen</translation>
    </message>
    <message>
        <source>Select a border to print around the calendar</source>
        <translation>Wählen Sie einen Rahmen, der um den Kalender gedruckt wird</translation>
    </message>
    <message>
        <source>This is an example calendar</source>
        <translation>Dies ist ein Beispielkalender</translation>
    </message>
    <message>
        <source>Click to zoom out (make the calendar smaller)</source>
        <translation>Klicken zum Verkleinern (Kalender kleiner darstellen)</translation>
    </message>
    <message>
        <source>Click to zoom in (make the calendar larger)</source>
        <translation>Klicken zum Vergrößern (Kalender größer darstellen)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click to use these settings for the calendar</source>
        <translation>Klicken, um diese Einstellungen für den Kalender zu verwenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Click to close without changing the calendar</source>
        <translation>Klicken, um ohne Änderung des Kalenders zu schließen</translation>
    </message>
    <message>
        <source>&amp;Save As Style Sheet</source>
        <translation>Als Stilvorlage &amp;speichern</translation>
    </message>
    <message>
        <source>Click to save these settings as a style sheet</source>
        <translation>Klicken, um diese Einstellungen als Stilvorlage zu speichern</translation>
    </message>
    <message>
        <source>&amp;Load Style Sheet</source>
        <translation>Stilvorlage &amp;laden</translation>
    </message>
    <message>
        <source>Click to load settings from a style sheet</source>
        <translation>Klicken, um Einstellungen aus einer Stilvorlage zu laden</translation>
    </message>
    <message>
        <source>&amp;Default Style</source>
        <translation>Stan&amp;dardstil</translation>
    </message>
    <message>
        <source>Click to go back to the default style</source>
        <translation>Klicken, um zum Standardstil zurückzukehren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Click for help on this page</source>
        <translation>Klicken für Hilfe zu dieser Seite</translation>
    </message>
    <message>
        <source>Select whether the calendars show week numbers, and which</source>
        <translation>Wählen Sie, ob und welche Kalenderwochen die Kalender zeigen</translation>
    </message>
    <message>
        <source>&amp;Week Numbers</source>
        <translation>&amp;Kalenderwochen</translation>
    </message>
</context>
<context>
    <name>TCalendarSetDialog</name>
    <message>
        <source>pages, one a month, from</source>
        <translation>Seiten, eine je Monat, ab</translation>
    </message>
    <message>
        <source>pages, one every two weeks, from</source>
        <translation>Seiten, eine alle zwei Wochen, ab</translation>
    </message>
    <message>
        <source>pages, one a week, from</source>
        <translation>Seiten, eine je Woche, ab</translation>
    </message>
    <message>
        <source>pages, one a day, from</source>
        <translation>Seiten, eine je Tag, ab</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Kalender drucken</translation>
    </message>
    <message>
        <source>Save As PDF File</source>
        <translation>Als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;This page</source>
        <translation>&amp;Diese Seite</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>My recurring dates</source>
        <translation>Meinen wiederkehrenden Terminen</translation>
    </message>
    <message>
        <source>Holidays of %1</source>
        <translation>Feiertagen von %1</translation>
    </message>
    <message>
        <source>An iCalendar file</source>
        <translation>Einer iCalendar-Datei</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durchsu&amp;chen …</translation>
    </message>
    <message>
        <source>Show the &amp;age on birthdays and anniversaries</source>
        <translation>&amp;Alter bei Geburtstagen und Jahrestagen zeigen</translation>
    </message>
    <message>
        <source>&amp;Fill the days from</source>
        <translation>Tage &amp;füllen aus</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>D&amp;rucken …</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern …</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbr&amp;echen</translation>
    </message>
    <message>
        <source>Fill The Days From</source>
        <translation>Tage füllen aus</translation>
    </message>
    <message>
        <source>iCalendar File (*.ics);;All Files (*)</source>
        <translation>iCalendar-Datei (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose the iCalendar file to fill the days from.</source>
        <translation>Wählen Sie die iCalendar-Datei, aus der die Tage gefüllt werden.</translation>
    </message>
    <message>
        <source>The design&apos;s picture on every page</source>
        <translation>Das Bild des Entwurfs auf jeder Seite</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>Durchs&amp;uchen …</translation>
    </message>
    <message>
        <source>P&amp;ictures, one a page, from</source>
        <translation>&amp;Bilder, eines pro Seite, aus</translation>
    </message>
    <message>
        <source>Pictures, One a Page</source>
        <translation>Bilder, eines pro Seite</translation>
    </message>
    <message>
        <source>The pictures cannot be taken: %1</source>
        <translation>Die Bilder können nicht übernommen werden: %1</translation>
    </message>
    <message>
        <source>Start with the co&amp;ver page</source>
        <translation>Mit dem Dec&amp;kblatt beginnen</translation>
    </message>
    <message>
        <source>The cover is designed with File &gt; Edit Cover Page</source>
        <translation>Das Deckblatt gestalten Sie mit Datei &gt; Deckblatt bearbeiten</translation>
    </message>
    <message>
        <source>Drag a picture to its page, or move it with Ctrl+Left and Ctrl+Right; Delete leaves it out</source>
        <translation>Ziehen Sie ein Bild auf seine Seite oder verschieben Sie es mit Strg+Links und Strg+Rechts; Entf nimmt es heraus</translation>
    </message>
    <message>
        <source>Move &amp;Earlier</source>
        <translation>Nach &amp;vorn</translation>
    </message>
    <message>
        <source>Move &amp;Later</source>
        <translation>Nach &amp;hinten</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>E&amp;ntfernen</translation>
    </message>
    <message>
        <source>A&amp;dd Pictures...</source>
        <translation>Bilder hin&amp;zufügen …</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Bilder (%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No pictures are left for the pages: add pictures, or clear the folder to show the design&apos;s picture.</source>
        <translation>Für die Seiten bleiben keine Bilder: Fügen Sie Bilder hinzu oder leeren Sie den Ordner, um das Bild des Entwurfs zu zeigen.</translation>
    </message>
</context>
<context>
    <name>TChooseRows</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
</context>
<context>
    <name>TEditRecurringDateFormula</name>
    <message>
        <source>Select the month, or &apos;Each Month&apos; for every month</source>
        <translation>Wählen Sie den Monat oder „Jeden Monat“ für jeden Monat</translation>
    </message>
    <message>
        <source>Recurring Date - Formulas</source>
        <translation>Wiederkehrender Termin – Formeln</translation>
    </message>
    <message>
        <source>Day of the &amp;Month</source>
        <translation>Tag des &amp;Monats</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Day of the Month&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Hier aktivieren, um eine Erinnerung nach „Tag des Monats“ <byte value="xd"/>zu wählen</translation>
    </message>
    <message>
        <source>Select the day of the month (1-31)</source>
        <translation>Wählen Sie den Tag des Monats (1–31)</translation>
    </message>
    <message>
        <source>of</source>
        <translation>im</translation>
    </message>
    <message>
        <source>Day of the &amp;Week</source>
        <translation>Tag der &amp;Woche</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Days of the Week&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Hier aktivieren, um eine Erinnerung nach „Tagen der Woche“ <byte value="xd"/>zu wählen</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tues</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Check to use this reminder on this day of <byte value="xd"/>each week</source>
        <translation>Aktivieren, um diese Erinnerung an diesem Tag <byte value="xd"/>jeder Woche zu verwenden</translation>
    </message>
    <message>
        <source>All Days</source>
        <translation>Alle Tage</translation>
    </message>
    <message>
        <source>Check to include all days</source>
        <translation>Aktivieren, um alle Tage einzuschließen</translation>
    </message>
    <message>
        <source>&amp;Special</source>
        <translation>&amp;Speziell</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;nth Day of Month&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Hier aktivieren, um eine Erinnerung nach „n-tem Tag des Monats“ <byte value="xd"/>zu wählen</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
    <message>
        <source>Select the occurrance: First, 2nd, 3rd, 4th, 5th<byte value="xd"/>or Last</source>
        <translation>Wählen Sie das Vorkommen: Erster, 2., 3., 4., 5.<byte value="xd"/>oder Letzter</translation>
    </message>
    <message>
        <source>Day (any day)</source>
        <translation>Tag (beliebiger Tag)</translation>
    </message>
    <message>
        <source>Select the day of the week, or &apos;Day (any day)&apos; for any day</source>
        <translation>Wählen Sie den Wochentag oder „Tag (beliebiger Tag)“ für jeden Tag</translation>
    </message>
    <message>
        <source>Recurring event (birthday, anniversary, etc)</source>
        <translation>Wiederkehrendes Ereignis (Geburtstag, Jahrestag usw.)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Invalid day of month entered </source>
        <translation>Ungültiger Tag des Monats eingegeben </translation>
    </message>
    <message>
        <source>Invalid month entered </source>
        <translation>Ungültiger Monat eingegeben </translation>
    </message>
    <message>
        <source>Invalid value entered for Special category</source>
        <translation>Ungültiger Wert für die Kategorie „Speziell“ eingegeben</translation>
    </message>
    <message>
        <source>You must select at least one day for this <byte value="xd"/>reminder to occur on</source>
        <translation>Sie müssen mindestens einen Tag wählen, an dem diese <byte value="xd"/>Erinnerung eintritt</translation>
    </message>
</context>
<context>
    <name>TEditRecurringDates</name>
    <message>
        <source><byte value="xd"/>
... and %1 more</source>
        <translation><byte value="xd"/>
… und %1 weitere</translation>
    </message>
    <message>
        <source>Recurring Dates</source>
        <translation>Wiederkehrende Termine</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren …</translation>
    </message>
    <message>
        <source>Add the recurring events of an iCalendar file</source>
        <translation>Die wiederkehrenden Ereignisse einer iCalendar-Datei hinzufügen</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Write the list as an iCalendar file</source>
        <translation>Die Liste als iCalendar-Datei schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The recurring dates could not be saved.<byte value="xd"/>
</source>
        <translation>Die wiederkehrenden Termine konnten nicht gespeichert werden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add Recurring Date</source>
        <translation>Wiederkehrenden Termin hinzufügen</translation>
    </message>
    <message>
        <source>[Enter event]</source>
        <translation>[Ereignis eingeben]</translation>
    </message>
    <message>
        <source>This entry cannot be edited</source>
        <translation>Dieser Eintrag kann nicht bearbeitet werden</translation>
    </message>
    <message>
        <source>Edit Recurring Date Formula</source>
        <translation>Formel des wiederkehrenden Termins bearbeiten</translation>
    </message>
    <message>
        <source>Import Recurring Dates</source>
        <translation>Wiederkehrende Termine importieren</translation>
    </message>
    <message>
        <source>Export Recurring Dates</source>
        <translation>Wiederkehrende Termine exportieren</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The recurring dates could not be imported.<byte value="xd"/>
</source>
        <translation>Die wiederkehrenden Termine konnten nicht importiert werden.<byte value="xd"/>
</translation>
    </message>
    <message numerus="yes">
        <source>%n recurring dates were added.</source>
        <translation>
            <numerusform>%n wiederkehrender Termin wurde hinzugefügt.</numerusform>
            <numerusform>%n wiederkehrende Termine wurden hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
These events cannot be kept as recurring dates and were left out:<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Diese Ereignisse können nicht als wiederkehrende Termine übernommen werden und wurden ausgelassen:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The recurring dates could not be exported.<byte value="xd"/>
</source>
        <translation>Die wiederkehrenden Termine konnten nicht exportiert werden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>These entries fall on no day and were left out:<byte value="xd"/>
</source>
        <translation>Diese Einträge fallen auf keinen Tag und wurden ausgelassen:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>TFlatCalendarEditor</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Top &amp; Bottom</source>
        <translation>Oben und unten</translation>
    </message>
    <message>
        <source>Floating Calendar Properties</source>
        <translation>Eigenschaften des schwebenden Kalenders</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Week Starts On</source>
        <translation>Woche beginnt am</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Select the day that the calendar week starts on</source>
        <translation>Wählen Sie den Tag, mit dem die Kalenderwoche beginnt</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>Show Year in Title</source>
        <translation>Jahr im Titel</translation>
    </message>
    <message>
        <source>First Character</source>
        <translation>Erster Buchstabe</translation>
    </message>
    <message>
        <source>First Three Characters</source>
        <translation>Erste drei Buchstaben</translation>
    </message>
    <message>
        <source>Whole Word</source>
        <translation>Ganzes Wort</translation>
    </message>
    <message>
        <source>Header Style</source>
        <translation>Kopfzeilenstil</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Title Font</source>
        <translation>Titelschrift</translation>
    </message>
    <message>
        <source>Header Font</source>
        <translation>Kopfzeilenschrift</translation>
    </message>
    <message>
        <source>Cell Font</source>
        <translation>Zellenschrift</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Zellen</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Title Background</source>
        <translation>Titelhintergrund</translation>
    </message>
    <message>
        <source>Header Background </source>
        <translation>Kopfzeilenhintergrund </translation>
    </message>
    <message>
        <source>Body Background </source>
        <translation>Hintergrund </translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>UpperRight</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>UpperLeft</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Kalenderwochen</translation>
    </message>
</context>
<context>
    <name>TFloatingPalette</name>
    <message>
        <source>Activities</source>
        <translation>Aktivitäten</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>Miscellaneous #1</source>
        <translation>Verschiedenes 1</translation>
    </message>
    <message>
        <source>Miscellaneous #2</source>
        <translation>Verschiedenes 2</translation>
    </message>
    <message>
        <source>All Files (*.ICL *.DLL *.EXE *.ICO *.NIL *.icl *.dll *.exe *.ico *.nil);;ICL Files (*.ICL *.icl);;DLL Files (*.DLL *.dll);;EXE Files (*.EXE *.exe);;ICO Files (*.ICO *.ico);;NIL Files (*.NIL *.nil);;ICL and ICO Files (*.ICL *.ICO *.icl *.ico)</source>
        <translation>Alle Dateien (*.ICL *.DLL *.EXE *.ICO *.NIL *.icl *.dll *.exe *.ico *.nil);;ICL-Dateien (*.ICL *.icl);;DLL-Dateien (*.DLL *.dll);;EXE-Dateien (*.EXE *.exe);;ICO-Dateien (*.ICO *.ico);;NIL-Dateien (*.NIL *.nil);;ICL- und ICO-Dateien (*.ICL *.ICO *.icl *.ico)</translation>
    </message>
    <message>
        <source>No Bonus Sets Found!<byte value="xd"/>
<byte value="xd"/>
The bonus icon sets were not found in the &quot;BonusIcons&quot; folder beside the program. They are obtained separately.</source>
        <translation>Keine Bonussätze gefunden!<byte value="xd"/>
<byte value="xd"/>
Die Bonus-Symbolsätze wurden nicht im Ordner „BonusIcons“ neben dem Programm gefunden. Sie sind separat erhältlich.</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Andere …</translation>
    </message>
    <message>
        <source>Bonus Icon Sets</source>
        <translation>Bonus-Symbolsätze</translation>
    </message>
    <message>
        <source>No icons found in %1</source>
        <translation>Keine Symbole in %1 gefunden</translation>
    </message>
</context>
<context>
    <name>TFontColorDialog</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>TGetHolidays</name>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>Holidays of</source>
        <translation>Feiertage von</translation>
    </message>
    <message>
        <source>Choose whose holidays to list</source>
        <translation>Wählen Sie, wessen Feiertage aufgelistet werden</translation>
    </message>
    <message>
        <source>The holidays of %1 could not be read.<byte value="xd"/>
%2</source>
        <translation>Die Feiertage von %1 konnten nicht gelesen werden.<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>TGetLabelText</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Text eingeben</translation>
    </message>
    <message>
        <source>The text the label shows.</source>
        <translation>Der Text, den die Beschriftung zeigt.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Datewright Help</source>
        <translation>Datewright-Hilfe</translation>
    </message>
    <message>
        <source>Unable to open the help file %1: %2</source>
        <translation>Die Hilfedatei %1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation>Die Datei ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>the file has more than %1 lines</source>
        <translation>Die Datei hat mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>a line is longer than %1 characters</source>
        <translation>Eine Zeile ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the file has more than %1 sections</source>
        <translation>Die Datei hat mehr als %1 Abschnitte</translation>
    </message>
    <message>
        <source>it could not be read whole (%1), so it is left as it is</source>
        <translation>Sie konnte nicht vollständig gelesen werden (%1) und bleibt daher unverändert</translation>
    </message>
</context>
<context>
    <name>TLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>The language you chose takes effect the next time Datewright starts.</source>
        <translation>Die gewählte Sprache gilt ab dem nächsten Start von Datewright.</translation>
    </message>
</context>
<context>
    <name>TLumBaseLabel</name>
    <message>
        <source>Enter text...</source>
        <translation>Text eingeben …</translation>
    </message>
</context>
<context>
    <name>TLumFont3DEffects</name>
    <message>
        <source>Text 3D Effects</source>
        <translation>3D-Texteffekte</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Schattenrichtung</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Schattentiefe</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Highlight Direction</source>
        <translation>Lichtrichtung</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Highlight Depth</source>
        <translation>Lichttiefe</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Lichtfarbe</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>TLumImageBrowser</name>
    <message>
        <source>Load Image File </source>
        <translation>Bilddatei laden </translation>
    </message>
    <message>
        <source>Type a folder or a picture file and press Enter</source>
        <translation>Geben Sie einen Ordner oder eine Bilddatei ein und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Optionen </translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Stretch image to max display size</source>
        <translation>Bild auf maximale Anzeigegröße strecken</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Automatische Größe</translation>
    </message>
    <message>
        <source>AutoSize TImage</source>
        <translation>Automatische Größe des Bildes</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor a file.</source>
        <translation>%1 ist weder ein Ordner noch eine Datei.</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>Fehler beim Laden der Datei!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TPictureOrderList</name>
    <message>
        <source>Not printed</source>
        <translation>Nicht gedruckt</translation>
    </message>
</context>
<context>
    <name>TPreviousInstance</name>
    <message>
        <source>the lock file %1 cannot be made</source>
        <translation>Die Sperrdatei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <translation>Der Ordner %1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>the folder %1 is not a folder</source>
        <translation>Der Ordner %1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>Der Ordner %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>the folder %1 is open to other users</source>
        <translation>Der Ordner %1 ist für andere Benutzer zugänglich</translation>
    </message>
    <message>
        <source>Datewright is already running, but the running copy did not come to the front. If it no longer responds, end it and start Datewright again.</source>
        <translation>Datewright läuft bereits, aber die laufende Instanz ist nicht in den Vordergrund gekommen. Falls sie nicht mehr reagiert, beenden Sie sie und starten Sie Datewright erneut.</translation>
    </message>
    <message>
        <source>Datewright cannot make sure that it is the only copy running: %1.</source>
        <translation>Datewright kann nicht sicherstellen, dass keine weitere Instanz läuft: %1.</translation>
    </message>
</context>
<context>
    <name>TPrintSheetDialog</name>
    <message>
        <source>PDF for Printing</source>
        <translation>PDF für den Druck</translation>
    </message>
    <message>
        <source>Print services cut each page from a larger sheet. Pictures, borders and backgrounds that reach the page&apos;s edge go on into the bleed, so that no white line shows after cutting.</source>
        <translation>Druckereien schneiden jede Seite aus einem größeren Bogen. Bilder, Rahmen und Hintergründe, die bis an den Seitenrand reichen, werden im Beschnitt fortgesetzt, damit nach dem Schneiden kein weißer Rand bleibt.</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Crop marks outside the bleed</source>
        <translation>&amp;Schnittmarken außerhalb des Beschnitts</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;Beschnitt:</translation>
    </message>
</context>
<context>
    <name>TReportPrinter</name>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation>Es sind keine Drucker eingerichtet, der Druckauftrag wird abgebrochen.</translation>
    </message>
</context>
<context>
    <name>TRichTextLabelEditor</name>
    <message>
        <source>Rich Text Editor</source>
        <translation>RichText-Editor</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
</context>
<context>
    <name>TSelectRecurringDates</name>
    <message>
        <source>Select Recurring Dates To Use</source>
        <translation>Zu verwendende wiederkehrende Termine wählen</translation>
    </message>
</context>
<context>
    <name>TSetProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pages done</source>
        <translation>
            <numerusform>%1 von %n Seite fertig</numerusform>
            <numerusform>%1 von %n Seiten fertig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSetTimeDialog</name>
    <message>
        <source>Set Time As: %1:%2 %3</source>
        <translation>Zeit einstellen auf: %1:%2 %3</translation>
    </message>
    <message>
        <source>am</source>
        <translation>vorm.</translation>
    </message>
    <message>
        <source>pm</source>
        <translation>nachm.</translation>
    </message>
    <message>
        <source>  Hour</source>
        <translation>  Stunde</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>Click to set the hours portion of the time</source>
        <translation>Klicken, um die Stunden der Uhrzeit einzustellen</translation>
    </message>
    <message>
        <source>  Minute</source>
        <translation>  Minute</translation>
    </message>
    <message>
        <source>Click to set the minutes portion of the time</source>
        <translation>Klicken, um die Minuten der Uhrzeit einzustellen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSplashform</name>
    <message>
        <source>About Datewright</source>
        <translation>Über Datewright</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1-bit version</source>
        <translation>%1-Bit-Version</translation>
    </message>
    <message>
        <source>Calendar pages designed, filled and printed your way.</source>
        <translation>Kalenderseiten, gestaltet, gefüllt und gedruckt, wie Sie es möchten.</translation>
    </message>
    <message>
        <source>Made by the Datewright developers - https://datewright.org/</source>
        <translation>Entwickelt von den Datewright-Entwicklern – https://datewright.org/</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TSuperTextBrushImageBrowser</name>
    <message>
        <source>Load Texture Image</source>
        <translation>Texturbild laden</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>Fehler beim Laden der Datei!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TSuperTextGetSymbol</name>
    <message>
        <source>Symbol Selector</source>
        <translation>Symbolauswahl</translation>
    </message>
    <message>
        <source>Select a symbol font set</source>
        <translation>Wählen Sie eine Symbolschriftart</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copy the selected symbol to the label</source>
        <translation>Das gewählte Symbol in die Beschriftung kopieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No Symbol fonts installed</source>
        <translation>Keine Symbolschriftarten installiert</translation>
    </message>
</context>
<context>
    <name>TSuperTextProperties</name>
    <message>
        <source>SuperText Properties</source>
        <translation>SuperText-Eigenschaften</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Schriftart …</translation>
    </message>
    <message>
        <source>Select Symbol</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Von Farbe</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Nach Farbe</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Textur laden</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Konturfarbe</translation>
    </message>
    <message>
        <source>Outline Style</source>
        <translation>Konturstil</translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation>Strich-Punkt</translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation>Strich-Punkt-Punkt</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Konturbreite</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Schattenrichtung</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Down and Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Down and Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Schattentiefe</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Bitte geben Sie einen Text ein</translation>
    </message>
</context>
<context>
    <name>TTemplateDialog</name>
    <message>
        <source>New from Template</source>
        <translation>Neu aus Vorlage</translation>
    </message>
</context>
<context>
    <name>TUndoHistory</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>Neues Objekt</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Objekt löschen</translation>
    </message>
    <message>
        <source>Object Change</source>
        <translation>Objektänderung</translation>
    </message>
    <message>
        <source>Cell Text</source>
        <translation>Zellentext</translation>
    </message>
    <message>
        <source>Cell Texts</source>
        <translation>Zellentexte</translation>
    </message>
</context>
<context>
    <name>TUserTitleForm</name>
    <message>
        <source>User Defined Title</source>
        <translation>Eigener Titel</translation>
    </message>
    <message>
        <source>Enter calendar title (leave blank for default):</source>
        <translation>Kalendertitel eingeben (leer lassen für Standard):</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TWPRichText</name>
    <message>
        <source>Please use Bitmap.</source>
        <translation>Bitte Bitmap verwenden.</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>Wall photo calendar A4</source>
        <translation>Fotowandkalender A4</translation>
    </message>
    <message>
        <source>Wall photo calendar Letter</source>
        <translation>Fotowandkalender Letter</translation>
    </message>
    <message>
        <source>Desk calendar</source>
        <translation>Tischkalender</translation>
    </message>
    <message>
        <source>Year at a glance</source>
        <translation>Jahresübersicht</translation>
    </message>
    <message>
        <source>Family week planner</source>
        <translation>Familien-Wochenplaner</translation>
    </message>
    <message>
        <source>Day planner</source>
        <translation>Tagesplaner</translation>
    </message>
    <message>
        <source>Birthday calendar</source>
        <translation>Geburtstagskalender</translation>
    </message>
    <message>
        <source>Holiday calendar Canada</source>
        <translation>Feiertagskalender Kanada</translation>
    </message>
    <message>
        <source>Holiday calendar France</source>
        <translation>Feiertagskalender Frankreich</translation>
    </message>
    <message>
        <source>Holiday calendar Germany</source>
        <translation>Feiertagskalender Deutschland</translation>
    </message>
    <message>
        <source>Holiday calendar Italy</source>
        <translation>Feiertagskalender Italien</translation>
    </message>
    <message>
        <source>Holiday calendar Spain</source>
        <translation>Feiertagskalender Spanien</translation>
    </message>
    <message>
        <source>Holiday calendar United Kingdom</source>
        <translation>Feiertagskalender Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>Holiday calendar United States</source>
        <translation>Feiertagskalender Vereinigte Staaten</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <comment>The ISO 639 code of the language of this translation: de, fr, it or es</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>WeekNumbers</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>ISO 8601 (weeks from Monday)</source>
        <translation>ISO 8601 (Wochen ab Montag)</translation>
    </message>
    <message>
        <source>US (weeks from Sunday)</source>
        <translation>USA (Wochen ab Sonntag)</translation>
    </message>
</context>
<context>
    <name>WmfPicture</name>
    <message>
        <source>The metafile ends inside a record.</source>
        <translation>Die Metadatei endet innerhalb eines Datensatzes.</translation>
    </message>
    <message>
        <source>A metafile record is smaller than its own header.</source>
        <translation>Ein Datensatz der Metadatei ist kleiner als sein eigener Header.</translation>
    </message>
    <message>
        <source>A metafile record runs past the end of the file.</source>
        <translation>Ein Datensatz der Metadatei reicht über das Dateiende hinaus.</translation>
    </message>
    <message>
        <source>The metafile has too many records.</source>
        <translation>Die Metadatei hat zu viele Datensätze.</translation>
    </message>
    <message>
        <source>The metafile ends inside its headers.</source>
        <translation>Die Metadatei endet innerhalb ihrer Header.</translation>
    </message>
    <message>
        <source>The metafile&apos;s bounding box is empty.</source>
        <translation>Der Begrenzungsrahmen der Metadatei ist leer.</translation>
    </message>
    <message>
        <source>This is not a Windows metafile.</source>
        <translation>Dies ist keine Windows-Metadatei.</translation>
    </message>
</context>
<context>
    <name>datewright-render</name>
    <message>
        <source>the line ends in a backslash</source>
        <translation>Die Zeile endet mit einem Backslash</translation>
    </message>
    <message>
        <source>a single quote is not closed</source>
        <translation>Ein einfaches Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a double quote is not closed</source>
        <translation>Ein doppeltes Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a job cannot run a batch of its own</source>
        <translation>Ein Auftrag kann keinen eigenen Stapel ausführen</translation>
    </message>
    <message>
        <source>--jobs goes on the command line, beside --batch</source>
        <translation>--jobs gehört auf die Befehlszeile, neben --batch</translation>
    </message>
    <message>
        <source>--help is not a job</source>
        <translation>--help ist kein Auftrag</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>Die Zeile ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>cannot read the batch %1: %2</source>
        <translation>Der Stapel %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n jobs failed</source>
        <translation>
            <numerusform>%1 von %n Auftrag fehlgeschlagen</numerusform>
            <numerusform>%1 von %n Aufträgen fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1: %2 (at byte %3)</source>
        <translation>%1 kann nicht gelesen werden: %2 (bei Byte %3)</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot; files: use .png, .bmp, .jpg or .pdf</source>
        <translation>„%1“-Dateien können nicht geschrieben werden: Verwenden Sie .png, .bmp, .jpg oder .pdf</translation>
    </message>
    <message>
        <source>--dpi sets the resolution of .png, .bmp and .jpg pictures</source>
        <translation>--dpi legt die Auflösung von .png-, .bmp- und .jpg-Bildern fest</translation>
    </message>
    <message>
        <source>--save writes .DWC documents or .DWS style sheets</source>
        <translation>--save schreibt .DWC-Dokumente oder .DWS-Stilvorlagen</translation>
    </message>
    <message>
        <source>the margins leave no picture to write</source>
        <translation>Die Ränder lassen kein Bild zum Schreiben übrig</translation>
    </message>
    <message>
        <source>cannot write %1: the picture could not be encoded</source>
        <translation>%1 kann nicht geschrieben werden: Das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the margins leave no page: together they are as wide or as tall as the paper</source>
        <translation>Die Ränder lassen keine Seite übrig: Zusammen sind sie so breit oder so hoch wie das Papier</translation>
    </message>
    <message>
        <source>--batch takes no options but --jobs: each line of the batch gives its job&apos;s own</source>
        <translation>--batch nimmt außer --jobs keine Optionen: Jede Zeile des Stapels gibt die ihres Auftrags an</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>Unbekannte Option %1</translation>
    </message>
    <message>
        <source>invalid value for %1: &quot;%2&quot;</source>
        <translation>Ungültiger Wert für %1: „%2“</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 benötigt einen Wert</translation>
    </message>
    <message>
        <source>more than one document given: %1</source>
        <translation>Mehr als ein Dokument angegeben: %1</translation>
    </message>
    <message>
        <source>give --scale or --dpi, not both</source>
        <translation>Geben Sie --scale oder --dpi an, nicht beides</translation>
    </message>
    <message>
        <source>no border picture named &quot;%1&quot;</source>
        <translation>Kein Rahmenbild namens „%1“</translation>
    </message>
    <message>
        <source>there is no %1 %2 %3</source>
        <translation>Es gibt kein %1 %2 %3</translation>
    </message>
    <message>
        <source>-o is given twice: give one output</source>
        <translation>-o ist zweimal angegeben: Geben Sie nur eine Ausgabe an</translation>
    </message>
    <message>
        <source>--pictures: the page has no picture object marked &quot;One Picture per Page&quot;</source>
        <translation>--pictures: Die Seite hat kein Bildobjekt mit „Ein Bild pro Seite“</translation>
    </message>
    <message>
        <source>written, but pictures could not be read and their pages show the design&apos;s picture: %1</source>
        <translation>geschrieben, aber Bilder konnten nicht gelesen werden, und ihre Seiten zeigen das Bild des Entwurfs: %1</translation>
    </message>
    <message>
        <source>there is no template &quot;%1&quot;</source>
        <translation>Es gibt keine Vorlage „%1“</translation>
    </message>
    <message>
        <source>give a document or --template, not both</source>
        <translation>Geben Sie ein Dokument oder --template an, nicht beides</translation>
    </message>
    <message>
        <source>--bleed lays out .pdf files for a print service</source>
        <translation>--bleed legt .pdf-Dateien für eine Druckerei an</translation>
    </message>
    <message>
        <source>A document that keeps a set of pages (chosen in the program) gives --count
what the options do not: its start (unless --month, --year or --day), its
fill (unless --fill), its pictures (unless --pictures) and its cover, the
first of the N pages, which takes the first picture.
</source>
        <translation>Ein Dokument, das eine Seitenfolge gespeichert hat (im Programm gewählt), gibt
--count, was die Optionen nicht angeben: ihren Beginn (außer bei --month, --year
oder --day), ihre Füllung (außer bei --fill), ihre Bilder (außer bei --pictures)
und ihr Deckblatt, die erste der N Seiten, das das erste Bild erhält.
</translation>
    </message>
    <message>
        <source>Usage: datewright-render [DOCUMENT.DWC] [options]
Renders a calendar page: the document given, or a new page in the default style
for today. Options are applied in this order:
  --template NAME        start from the template NAME (in place of a document)
  --style FILE.DWS       take the style of a style sheet
  --layout N|NAME        layout 0-21 or its name (e.g. loFCMinisInTitleLS)
  --paper letter|a4      paper size
  --margins L,T,R,B      margins in inches (0 to 5)
  --border NAME          border picture from the program&apos;s Borders folder
  --week-start sunday|monday
  --week-numbers none|iso|us
                         week numbers: ISO 8601 (week 1 holds 4 January) or
                         US (weeks from Sunday, week 1 holds 1 January)
  --month M  --year Y  --day D
  --scale S              zoom, 0.1 to 10 (default 1)
  --dpi N                pictures at N dots per inch, 10 to 960 (e.g. 300
                         for print), in place of --scale
Output:
  -o FILE                write .png, .bmp or .jpg (the page inside its margins
                         at the zoom; JPEG through the picture library at
                         quality 80) or .pdf (vector, on the page&apos;s paper)
  --count N              N consecutive months (weeks, days for planners): PDF
                         pages, or numbered picture files (page-1.png, ...);
                         the cells written in the document stay on its own
                         month (week, day) only
  --fill SOURCE          fill the day cells of the pages written from SOURCE:
                         a recurring-dates file (.DAX), holidays:CODE for a
                         holiday set beside the program (US, UK, CA, FR, DE,
                         IT, ES or the set&apos;s name, e.g. &quot;holidays:United
                         Kingdom&quot;), or an iCalendar file (.ics), whose
                         events fall on the days and at the times of this
                         computer&apos;s clock; --save and --info then give the
                         filled page
  --pictures FOLDER|LIST the pages&apos; own pictures, in the picture objects marked
                         &quot;One Picture per Page&quot;: the pictures of FOLDER in name
                         order, or those LIST (a text file) names one a line;
                         pages past the last keep the design&apos;s picture
  --bleed MM             a PDF for a print service: each page on a sheet
                         larger by a bleed of MM millimetres (0 to 10; 3 is
                         usual), pictures and borders reaching the page&apos;s edge
                         drawn on into it, with crop marks outside it
  --no-crop-marks        with --bleed, leave the crop marks out: the sheet is
                         then the page and its bleed only
  --geometry             print the page&apos;s geometry as one JSON object
  --save FILE            write the page as a .DWC document or .DWS style sheet
  --info                 print the page&apos;s style, dates, cell texts and objects
                         as one JSON object; &quot;cells&quot; lists each cell with
                         text: {&quot;index&quot;: 1-42, &quot;day&quot;: N, &quot;text&quot;: its
                         paragraphs joined by line feeds}
  --list-templates       print the names of the templates, one a line
  --help                 show this text
Many jobs in one run:
  --batch FILE           run the jobs of FILE (- for standard input), one a line,
                         each the options of one call; words part at spaces,
                         &apos;single&apos; and &quot;double&quot; quotes keep spaces, a backslash
                         keeps the character after it (in double quotes only \&quot;
                         and \\), # starts a comment, blank lines are skipped.
                         A failed job is reported with its line number and the
                         others still run; the exit status is 0 only when
                         every job succeeded. No file is left half-written.
  --jobs N               draw up to N pictures (or batch jobs) at once, 1 to 64
                         (default: the number of processors); a PDF&apos;s pages
                         are drawn one after another
</source>
        <translation>Aufruf: datewright-render [DOKUMENT.DWC] [Optionen]
Zeichnet eine Kalenderseite: das angegebene Dokument oder eine neue Seite im
Standardstil für heute. Die Optionen werden in dieser Reihenfolge angewandt:
  --template NAME        mit der Vorlage NAME beginnen (statt eines Dokuments)
  --style DATEI.DWS      den Stil einer Stilvorlage übernehmen
  --layout N|NAME        Layout 0-21 oder sein Name (z. B. loFCMinisInTitleLS)
  --paper letter|a4      Papierformat
  --margins L,O,R,U      Ränder in Zoll (0 bis 5)
  --border NAME          Rahmenbild aus dem Ordner Borders des Programms
  --week-start sunday|monday
  --week-numbers none|iso|us
                         Kalenderwochen: ISO 8601 (Woche 1 enthält den
                         4. Januar) oder US (Wochen ab Sonntag, Woche 1
                         enthält den 1. Januar)
  --month M  --year J  --day T
  --scale S              Zoom, 0,1 bis 10 (Standard 1)
  --dpi N                Bilder mit N Punkten pro Zoll, 10 bis 960 (z. B. 300
                         für den Druck), anstelle von --scale
Ausgabe:
  -o DATEI               .png, .bmp oder .jpg schreiben (die Seite innerhalb
                         ihrer Ränder im Zoom; JPEG über die Bildbibliothek
                         mit Qualität 80) oder .pdf (Vektor, auf dem Papier
                         der Seite)
  --count N              N aufeinanderfolgende Monate (Wochen, Tage bei
                         Planern): PDF-Seiten oder nummerierte Bilddateien
                         (page-1.png, …); die im Dokument beschriebenen Zellen
                         bleiben nur auf seinem eigenen Monat (Woche, Tag)
  --fill QUELLE          die Tageszellen der geschriebenen Seiten aus QUELLE
                         füllen: eine Datei wiederkehrender Termine (.DAX),
                         holidays:CODE für einen Feiertagssatz neben dem
                         Programm (US, UK, CA, FR, DE, IT, ES oder der Name
                         des Satzes, z. B. &quot;holidays:United Kingdom&quot;) oder
                         eine iCalendar-Datei (.ics), deren Ereignisse auf die
                         Tage und Uhrzeiten der Uhr dieses Computers fallen;
                         --save und --info geben dann die gefüllte Seite aus
  --pictures ORDNER|LISTE
                         die eigenen Bilder der Seiten, in den Bildobjekten mit
                         „Ein Bild pro Seite“: die Bilder von ORDNER nach Namen
                         geordnet oder die, die LISTE (eine Textdatei) Zeile
                         für Zeile nennt; Seiten nach dem letzten behalten das
                         Bild des Entwurfs
  --bleed MM             ein PDF für eine Druckerei: jede Seite auf einem Bogen,
                         der um einen Beschnitt von MM Millimetern größer ist
                         (0 bis 10; üblich sind 3); Bilder und Rahmen, die bis
                         an den Seitenrand reichen, gehen in ihn hinein, mit
                         Schnittmarken außerhalb
  --no-crop-marks        mit --bleed ohne Schnittmarken: der Bogen ist dann nur
                         die Seite mit ihrem Beschnitt
  --geometry             die Geometrie der Seite als ein JSON-Objekt ausgeben
  --save DATEI           die Seite als .DWC-Dokument oder .DWS-Stilvorlage
                         schreiben
  --info                 Stil, Daten, Zellentexte und Objekte der Seite als ein
                         JSON-Objekt ausgeben; &quot;cells&quot; führt jede Zelle mit
                         Text auf: {&quot;index&quot;: 1-42, &quot;day&quot;: N, &quot;text&quot;: ihre
                         Absätze, durch Zeilenvorschübe verbunden}
  --list-templates       die Namen der Vorlagen ausgeben, einen je Zeile
  --help                 diesen Text anzeigen
Viele Aufträge in einem Lauf:
  --batch DATEI          die Aufträge aus DATEI ausführen (- für die
                         Standardeingabe), einer pro Zeile, jeder mit den
                         Optionen eines Aufrufs; Wörter trennen sich an
                         Leerzeichen, &apos;einfache&apos; und &quot;doppelte&quot;
                         Anführungszeichen bewahren Leerzeichen, ein Backslash
                         bewahrt das Zeichen danach (in doppelten
                         Anführungszeichen nur \&quot; und \\), # beginnt einen
                         Kommentar, leere Zeilen werden übersprungen.
                         Ein fehlgeschlagener Auftrag wird mit seiner
                         Zeilennummer gemeldet, und die anderen laufen weiter;
                         der Exit-Status ist nur 0, wenn jeder Auftrag gelang.
                         Keine Datei bleibt halb geschrieben.
  --jobs N               bis zu N Bilder (oder Stapelaufträge) gleichzeitig
                         zeichnen, 1 bis 64 (Standard: die Zahl der
                         Prozessoren); die Seiten eines PDF werden
                         nacheinander gezeichnet
</translation>
    </message>
</context>
</TS>
