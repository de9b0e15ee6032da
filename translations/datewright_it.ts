<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CalendarPageFile</name>
    <message>
        <source>%1 %2 is outside %3 to %4</source>
        <translation>%1 %2 è fuori dall&apos;intervallo da %3 a %4</translation>
    </message>
    <message>
        <source>margin</source>
        <translation>margine</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>dimensione del carattere</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versione</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>cell text: %1</source>
        <translation>testo della cella: %1</translation>
    </message>
    <message>
        <source>start of week</source>
        <translation>inizio della settimana</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>day</source>
        <translation>giorno</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mese</translation>
    </message>
    <message>
        <source>year</source>
        <translation>anno</translation>
    </message>
    <message>
        <source>A picture in this calendar is too large to show: it is drawn as an empty frame and kept as it is.</source>
        <translation>Un&apos;immagine di questo calendario è troppo grande per essere mostrata: viene disegnata come una cornice vuota e conservata così com&apos;è.</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures in this calendar are too large to show: they are drawn as empty frames and kept as they are.</source>
        <translation>
            <numerusform>%n immagine di questo calendario è troppo grande per essere mostrata: viene disegnata come una cornice vuota e conservata così com&apos;è.</numerusform>
            <numerusform>%n immagini di questo calendario sono troppo grandi per essere mostrate: vengono disegnate come cornici vuote e conservate così come sono.</numerusform>
        </translation>
    </message>
    <message>
        <source>calendar document</source>
        <extracomment>%2 of &quot;at %1 MB it is larger than any %2 can be (%3 MB)&quot;</extracomment>
        <translation>un documento di calendario</translation>
    </message>
    <message>
        <source>style sheet</source>
        <extracomment>%2 of &quot;at %1 MB it is larger than any %2 can be (%3 MB)&quot;</extracomment>
        <translation>un foglio di stile</translation>
    </message>
</context>
<context>
    <name>CellAppend</name>
    <message numerus="yes">
        <source>+ %n more</source>
        <translation>
            <numerusform>+ %n altro</numerusform>
            <numerusform>+ %n altri</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColorList</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Blu marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde lime</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Azzurro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
</context>
<context>
    <name>DesignMenu</name>
    <message>
        <source>Unable to write the clipboard file %1: %2</source>
        <translation>Impossibile scrivere il file degli appunti %1: %2</translation>
    </message>
    <message>
        <source>Bring To Front</source>
        <translation>Porta in primo piano</translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation>Porta in fondo</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Allinea a sinistra</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Allinea a destra</translation>
    </message>
    <message>
        <source>Align Tops</source>
        <translation>Allinea in alto</translation>
    </message>
    <message>
        <source>Align Bottoms</source>
        <translation>Allinea in basso</translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation>Centra verticalmente</translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation>Centra orizzontalmente</translation>
    </message>
    <message>
        <source>Lock All</source>
        <translation>Blocca tutto</translation>
    </message>
    <message>
        <source>Unlock All</source>
        <translation>Sblocca tutto</translation>
    </message>
    <message>
        <source>Mark All Selectable</source>
        <translation>Rendi tutto selezionabile</translation>
    </message>
    <message>
        <source>Mark All Unselectable</source>
        <translation>Rendi tutto non selezionabile</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Unselectable</source>
        <translation>Non selezionabile</translation>
    </message>
    <message>
        <source>Load Image From Disk</source>
        <translation>Carica immagine dal disco</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>Stretch to Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Dimensione automatica</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Capovolgi</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>3D Effects</source>
        <translation>Effetti 3D</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Allineamento</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>A sinistra</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>A destra</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Trasparente</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>No Rotation</source>
        <translation>Nessuna rotazione</translation>
    </message>
    <message>
        <source>90 Degrees</source>
        <translation>90 gradi</translation>
    </message>
    <message>
        <source>180 Degrees</source>
        <translation>180 gradi</translation>
    </message>
    <message>
        <source>270 Degrees</source>
        <translation>270 gradi</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Immagine intera</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Allunga</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempi</translation>
    </message>
    <message>
        <source>One Picture per Page</source>
        <translation>Un&apos;immagine per pagina</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Cos&apos;è?</translation>
    </message>
</context>
<context>
    <name>FillSource</name>
    <message>
        <source>cannot read the holiday set %1: %2</source>
        <translation>impossibile leggere l&apos;insieme di festività %1: %2</translation>
    </message>
    <message>
        <source>no holiday set &quot;%1&quot;: the sets are %2</source>
        <translation>nessun insieme di festività «%1»: gli insiemi sono %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>no file %1 to fill the days from</source>
        <translation>nessun file %1 da cui riempire i giorni</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>the file is larger than a help file can be</source>
        <translation>il file è più grande di quanto possa essere un file della guida</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <source>The file&apos;s components are nested too deeply.</source>
        <translation>I componenti del file sono annidati troppo in profondità.</translation>
    </message>
    <message>
        <source>The file has END:%1 where it does not belong.</source>
        <translation>Il file contiene END:%1 dove non dovrebbe.</translation>
    </message>
    <message>
        <source>The file ends before END:%1.</source>
        <translation>Il file termina prima di END:%1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Il file supera %1 MB.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file.</source>
        <translation>Questo non è un file iCalendar.</translation>
    </message>
    <message>
        <source>The calendar would be larger than %1 MB, more than the program reads back; export fewer dates.</source>
        <translation>Il calendario supererebbe %1 MB, più di quanto il programma possa rileggere; esporta meno date.</translation>
    </message>
    <message>
        <source>changes one date of another event</source>
        <translation>modifica una data di un altro evento</translation>
    </message>
    <message>
        <source>has an unreadable %1</source>
        <translation>ha un %1 illeggibile</translation>
    </message>
    <message>
        <source>has no start date</source>
        <translation>non ha una data di inizio</translation>
    </message>
    <message>
        <source>has an unreadable start date</source>
        <translation>ha una data di inizio illeggibile</translation>
    </message>
    <message>
        <source>has several rules</source>
        <translation>ha più regole</translation>
    </message>
    <message>
        <source>has added or left-out dates</source>
        <translation>ha date aggiunte o escluse</translation>
    </message>
    <message>
        <source>lasts several days</source>
        <translation>dura più giorni</translation>
    </message>
    <message>
        <source>lasts more than %1 days</source>
        <translation>dura più di %1 giorni</translation>
    </message>
    <message>
        <source>lists more than %1 dates</source>
        <translation>elenca più di %1 date</translation>
    </message>
    <message>
        <source>has an unreadable date</source>
        <translation>ha una data illeggibile</translation>
    </message>
    <message>
        <source>has left-out dates</source>
        <translation>ha date escluse</translation>
    </message>
    <message>
        <source>(no title)</source>
        <translation>(senza titolo)</translation>
    </message>
    <message>
        <source>limits a daily or weekly rule to months or days</source>
        <translation>limita una regola giornaliera o settimanale a mesi o giorni</translation>
    </message>
    <message>
        <source>numbers the weekdays of a weekly rule</source>
        <translation>numera i giorni della settimana di una regola settimanale</translation>
    </message>
    <message>
        <source>names a month that does not exist</source>
        <translation>nomina un mese che non esiste</translation>
    </message>
    <message>
        <source>numbers the weekdays of the whole year</source>
        <translation>numera i giorni della settimana dell&apos;intero anno</translation>
    </message>
    <message>
        <source>picks days by their position in a set</source>
        <translation>sceglie i giorni in base alla loro posizione in un insieme</translation>
    </message>
    <message>
        <source>combines days of the month with weekdays</source>
        <translation>combina giorni del mese e giorni della settimana</translation>
    </message>
    <message>
        <source>falls on more than %1 days of the year</source>
        <translation>cade in più di %1 giorni dell&apos;anno</translation>
    </message>
    <message>
        <source>counts days from the end of the month</source>
        <translation>conta i giorni dalla fine del mese</translation>
    </message>
    <message>
        <source>repeats on every weekday of some months</source>
        <translation>si ripete ogni giorno della settimana di alcuni mesi</translation>
    </message>
    <message>
        <source>names a weekday beyond the fifth of a month</source>
        <translation>nomina un giorno della settimana oltre il quinto di un mese</translation>
    </message>
    <message>
        <source>falls on no day</source>
        <translation>non cade in nessun giorno</translation>
    </message>
    <message>
        <source>repeats at an interval of %1</source>
        <translation>si ripete a un intervallo di %1</translation>
    </message>
    <message>
        <source>stops after a count or a date</source>
        <translation>si ferma dopo un numero di volte o una data</translation>
    </message>
    <message>
        <source>uses %1</source>
        <translation>usa %1</translation>
    </message>
    <message>
        <source>repeats %1</source>
        <translation>si ripete %1</translation>
    </message>
</context>
<context>
    <name>IconLibraryWriter</name>
    <message>
        <source>no icons that an icon library can hold</source>
        <translation>nessuna icona che una libreria di icone possa contenere</translation>
    </message>
</context>
<context>
    <name>LumImage</name>
    <message>
        <source>Error loading file!</source>
        <translation>Errore durante il caricamento del file!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
</context>
<context>
    <name>NViewLib</name>
    <message>
        <source>A required .DLL file, NViewLib.dll, was not found.</source>
        <translation>Un file DLL necessario, NViewLib.dll, non è stato trovato.</translation>
    </message>
    <message>
        <source>Error Starting NViewLib.dll</source>
        <translation>Errore all&apos;avvio di NViewLib.dll</translation>
    </message>
</context>
<context>
    <name>NViewPictures</name>
    <message>
        <source>the picture library could not read the picture</source>
        <translation>la libreria di immagini non è riuscita a leggere l&apos;immagine</translation>
    </message>
    <message>
        <source>the picture library is missing</source>
        <translation>manca la libreria di immagini</translation>
    </message>
    <message>
        <source>the picture library could not write it</source>
        <translation>la libreria di immagini non è riuscita a scriverlo</translation>
    </message>
    <message>
        <source>no temporary file could be made for the picture library</source>
        <translation>impossibile creare un file temporaneo per la libreria di immagini</translation>
    </message>
    <message>
        <source>the temporary file for the picture library could not be written: %1</source>
        <translation>impossibile scrivere il file temporaneo per la libreria di immagini: %1</translation>
    </message>
</context>
<context>
    <name>PagePictures</name>
    <message>
        <source>%1 holds no pictures</source>
        <translation>%1 non contiene immagini</translation>
    </message>
    <message>
        <source>%1 names no pictures</source>
        <translation>%1 non nomina alcuna immagine</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 non esiste</translation>
    </message>
    <message>
        <source>list of pictures</source>
        <translation>elenco di immagini</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>the PDF could not be begun</source>
        <translation>impossibile iniziare il PDF</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrotto</translation>
    </message>
    <message>
        <source>stopped before page %1 of %2</source>
        <translation>interrotto prima della pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the margins leave no picture to write</source>
        <translation>i margini non lasciano alcuna immagine da scrivere</translation>
    </message>
</context>
<context>
    <name>PictureResolution</name>
    <message>
        <source>%1 at %2 dots per inch (%3)</source>
        <translation>%1 a %2 punti per pollice (%3)</translation>
    </message>
    <message>
        <source>Saved as %1<byte value="xd"/><byte value="xd"/>The calendar has been saved at %2 dots per inch.</source>
        <translation>Salvato come %1<byte value="xd"/><byte value="xd"/>Il calendario è stato salvato a %2 punti per pollice.</translation>
    </message>
    <message>
        <source>Saved as %1<byte value="xd"/><byte value="xd"/>Note: the calendar has been saved at its<byte value="xd"/>current magnification level of %2%</source>
        <translation>Salvato come %1<byte value="xd"/><byte value="xd"/>Nota: il calendario è stato salvato al suo<byte value="xd"/>livello di ingrandimento attuale del %2%</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>not an icon file</source>
        <translation>non è un file di icone</translation>
    </message>
    <message>
        <source>the icon file holds no images</source>
        <translation>il file di icone non contiene immagini</translation>
    </message>
    <message>
        <source>the icon file&apos;s directory runs past its end</source>
        <translation>la directory del file di icone va oltre la sua fine</translation>
    </message>
    <message>
        <source>an image of the icon file runs past its end</source>
        <translation>un&apos;immagine del file di icone va oltre la sua fine</translation>
    </message>
    <message>
        <source>an image of the icon file is larger than its data</source>
        <translation>un&apos;immagine del file di icone è più grande dei suoi dati</translation>
    </message>
    <message>
        <source>no image of the icon file could be read</source>
        <translation>nessuna immagine del file di icone è stata letta</translation>
    </message>
    <message>
        <source>the picture&apos;s class name runs past its data</source>
        <translation>il nome di classe dell&apos;immagine va oltre i suoi dati</translation>
    </message>
    <message>
        <source>pictures of the class %1 are not drawn</source>
        <translation>le immagini della classe %1 non vengono disegnate</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>impossibile aprire %1</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture</source>
        <translation>%1 è troppo grande per essere un&apos;immagine</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1 is not a bitmap, icon or metafile</source>
        <translation>%1 non è né una bitmap, né un&apos;icona, né un metafile</translation>
    </message>
    <message>
        <source>the picture library could not read %1</source>
        <translation>la libreria delle immagini non ha potuto leggere %1</translation>
    </message>
    <message>
        <source>picture size %1 x %2 is out of range</source>
        <translation>la dimensione dell&apos;immagine %1 × %2 è fuori intervallo</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>memoria insufficiente per l&apos;immagine</translation>
    </message>
    <message>
        <source>bitmap bit field masks run past the end of the data</source>
        <translation>le maschere dei campi di bit della bitmap vanno oltre la fine dei dati</translation>
    </message>
    <message>
        <source>bitmap palette runs past the end of the data</source>
        <translation>la tavolozza della bitmap va oltre la fine dei dati</translation>
    </message>
    <message>
        <source>bitmap pixel data offset is outside the data</source>
        <translation>l&apos;offset dei pixel della bitmap è fuori dai dati</translation>
    </message>
    <message>
        <source>bitmap size %1 x %2 is out of range</source>
        <translation>la dimensione della bitmap %1 × %2 è fuori intervallo</translation>
    </message>
    <message>
        <source>bitmap size is far beyond what its RLE data can hold</source>
        <translation>la dimensione della bitmap supera di molto quanto i suoi dati RLE possano contenere</translation>
    </message>
    <message>
        <source>bitmap pixel data runs past the end of the data</source>
        <translation>i pixel della bitmap vanno oltre la fine dei dati</translation>
    </message>
    <message>
        <source>bitmap header runs past the end of the data</source>
        <translation>l&apos;intestazione della bitmap va oltre la fine dei dati</translation>
    </message>
    <message>
        <source>unsupported bitmap header size %1</source>
        <translation>dimensione dell&apos;intestazione della bitmap %1 non supportata</translation>
    </message>
    <message>
        <source>unsupported bitmap depth of %1 bits</source>
        <translation>profondità della bitmap di %1 bit non supportata</translation>
    </message>
    <message>
        <source>RLE8 needs 8 bits per pixel</source>
        <translation>RLE8 richiede 8 bit per pixel</translation>
    </message>
    <message>
        <source>RLE4 needs 4 bits per pixel</source>
        <translation>RLE4 richiede 4 bit per pixel</translation>
    </message>
    <message>
        <source>bit fields need 16 or 32 bits per pixel</source>
        <translation>i campi di bit richiedono 16 o 32 bit per pixel</translation>
    </message>
    <message>
        <source>unsupported bitmap compression %1</source>
        <translation>compressione della bitmap %1 non supportata</translation>
    </message>
    <message>
        <source>colour table of %1 entries is too large for %2 bits per pixel</source>
        <translation>una tabella di %1 colori è troppo grande per %2 bit per pixel</translation>
    </message>
    <message>
        <source>palette index %1 is beyond the %2-colour palette</source>
        <translation>l&apos;indice di tavolozza %1 va oltre la tavolozza di %2 colori</translation>
    </message>
    <message>
        <source>RLE data ends before the end of the picture</source>
        <translation>i dati RLE terminano prima della fine dell&apos;immagine</translation>
    </message>
    <message>
        <source>RLE run past the end of the picture&apos;s row</source>
        <translation>una sequenza RLE va oltre la fine della riga dell&apos;immagine</translation>
    </message>
    <message>
        <source>RLE data ends inside a delta</source>
        <translation>i dati RLE terminano all&apos;interno di uno spostamento</translation>
    </message>
    <message>
        <source>RLE delta moves past the picture</source>
        <translation>uno spostamento RLE esce dall&apos;immagine</translation>
    </message>
    <message>
        <source>RLE data ends inside an absolute run</source>
        <translation>i dati RLE terminano all&apos;interno di una sequenza assoluta</translation>
    </message>
</context>
<context>
    <name>PlannerLabels</name>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>%1 %2, %3 - %4 %5, %6</source>
        <comment>first month, day, year - last month, day, year</comment>
        <translation>%2 %1 %3 – %5 %4 %6</translation>
    </message>
    <message>
        <source>%1 %2 - %3 %4, %5</source>
        <comment>first month, day - last month, day, year</comment>
        <translation>%2 %1 – %4 %3 %5</translation>
    </message>
    <message>
        <source>%1 %2-%3, %4</source>
        <comment>month, first day-last day, year</comment>
        <translation>%2–%3 %1 %4</translation>
    </message>
    <message>
        <source>%1, %2 %3, %4</source>
        <comment>weekday, month day, year</comment>
        <translation>%1 %3 %2 %4</translation>
    </message>
    <message>
        <source>%1, Weeks %2-%3</source>
        <comment>title, first and last week number</comment>
        <translation>%1, settimane %2-%3</translation>
    </message>
    <message>
        <source>%1, Week %2</source>
        <comment>title, week number</comment>
        <translation>%1, settimana %2</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Left Margin is possibly outside of Printer printable area</source>
        <translation>Il margine sinistro è forse fuori dall&apos;area stampabile</translation>
    </message>
    <message>
        <source>Top Margin is possibly outside of Printer printable area</source>
        <translation>Il margine superiore è forse fuori dall&apos;area stampabile</translation>
    </message>
    <message>
        <source>Right Margin is possibly outside of Printer printable area</source>
        <translation>Il margine destro è forse fuori dall&apos;area stampabile</translation>
    </message>
    <message>
        <source>Bottom Margin is possibly outside of Printer printable area</source>
        <translation>Il margine inferiore è forse fuori dall&apos;area stampabile</translation>
    </message>
    <message>
        <source>Margin Warning:</source>
        <translation>Avviso sui margini:</translation>
    </message>
    <message>
        <source>Print anyways?</source>
        <translation>Stampare comunque?</translation>
    </message>
    <message>
        <source>Margin Warning</source>
        <translation>Avviso sui margini</translation>
    </message>
    <message>
        <source>Print job completed and sent to printer!<byte value="xd"/><byte value="xd"/>Note: this design contains complex shapes or text.<byte value="xd"/>Please be patient while the printer produces its<byte value="xd"/>output...</source>
        <translation>Lavoro di stampa completato e inviato alla stampante!</translation>
    </message>
    <message>
        <source>Print job completed and sent to printer!</source>
        <translation>Lavoro di stampa completato e inviato alla stampante!<byte value="xd"/><byte value="xd"/>Nota: questo progetto contiene forme o testi complessi.<byte value="xd"/>Attendere mentre la stampante produce<byte value="xd"/>l&apos;output…</translation>
    </message>
</context>
<context>
    <name>PrinterCheck</name>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Unable to perform printer related operations</source>
        <translation>Non ci sono stampanti installate.<byte value="xd"/>
Impossibile eseguire operazioni legate alla stampante</translation>
    </message>
    <message>
        <source>There is no default printer selected.<byte value="xd"/>
Unable to perform printer related operations</source>
        <translation>Non è selezionata alcuna stampante predefinita.<byte value="xd"/>
Impossibile eseguire operazioni legate alla stampante</translation>
    </message>
</context>
<context>
    <name>PropertiesPrompts</name>
    <message>
        <source>Calendar Style Sheet (*.DWS *.dws)</source>
        <translation>Foglio di stile del calendario (*.DWS *.dws)</translation>
    </message>
    <message>
        <source>Save As Calendar Style Sheet</source>
        <translation>Salva come foglio di stile del calendario</translation>
    </message>
    <message>
        <source>MyStyle.DWS</source>
        <translation>MioStile.DWS</translation>
    </message>
    <message>
        <source>Open Calendar Style Sheet</source>
        <translation>Apri foglio di stile del calendario</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>not a recovery copy</source>
        <translation>non è una copia di ripristino</translation>
    </message>
    <message>
        <source>truncated</source>
        <translation>troncato</translation>
    </message>
    <message>
        <source>truncated cells</source>
        <translation>celle troncate</translation>
    </message>
    <message>
        <source>truncated objects</source>
        <translation>oggetti troncati</translation>
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
        <translation>Ultimo giorno %1</translation>
    </message>
    <message>
        <source>%1 Day %2</source>
        <translation>%1 giorno %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <translation>Ultimo %1 di %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 di %3</translation>
    </message>
    <message>
        <source>%1 on or before %2</source>
        <translation>%1 il o prima del %2</translation>
    </message>
    <message>
        <source>%1 on or after %2</source>
        <translation>%1 il o dopo il %2</translation>
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
        <translation>Dal %1 al %2</translation>
    </message>
    <message>
        <source>Each Month</source>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>the ordinal of one, 1st</comment>
        <translation>%1°</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>an ordinal ending in 1, as 21st</comment>
        <translation>%1°</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1°</translation>
    </message>
</context>
<context>
    <name>RecurringFile</name>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Il file supera %1 MB.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>non è un file ma una cartella, un dispositivo o una pipe</translation>
    </message>
    <message>
        <source>at %1 MB it is larger than any %2 can be (%3 MB)</source>
        <translation>con %1 MB il file è più grande di quanto possa esserlo %2 (%3 MB)</translation>
    </message>
    <message>
        <source>it grew while it was read</source>
        <translation>il file è cresciuto durante la lettura</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not RTF: the text does not start with {\rtf.</source>
        <translation>Non è RTF: il testo non inizia con {\<byte value="xd"/>tf.</translation>
    </message>
    <message>
        <source>RTF groups are nested more than %1 deep.</source>
        <translation>I gruppi RTF sono annidati oltre %1 livelli.</translation>
    </message>
    <message>
        <source>The RTF text ends before its last group is closed (%1 open): it is truncated.</source>
        <translation>Il testo RTF termina prima che il suo ultimo gruppo sia chiuso (%1 aperti): è troncato.</translation>
    </message>
</context>
<context>
    <name>SaveFiles</name>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>il file non è stato scritto completamente</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>non c&apos;è alcuna immagine da scrivere</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>nessun nome di file</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>non è un file ma una cartella, un dispositivo o una pipe</translation>
    </message>
    <message>
        <source>it is a link another user made in a folder anyone may write to</source>
        <translation>è un collegamento creato da un altro utente in una cartella in cui chiunque può scrivere</translation>
    </message>
    <message>
        <source>it is a link that leads through too many others</source>
        <translation>è un collegamento che passa per troppi altri collegamenti</translation>
    </message>
</context>
<context>
    <name>SetChoice</name>
    <message>
        <source>Cover</source>
        <translation>Copertina</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossibile scrivere in %1: %2</translation>
    </message>
</context>
<context>
    <name>StreamReader</name>
    <message>
        <source>unknown font style %1</source>
        <translation>stile del carattere sconosciuto %1</translation>
    </message>
    <message>
        <source>child components are not supported</source>
        <translation>i componenti figli non sono supportati</translation>
    </message>
    <message>
        <source>unknown class %1</source>
        <translation>classe sconosciuta %1</translation>
    </message>
    <message>
        <source>unexpected end of input: %1 bytes needed, %2 left</source>
        <translation>fine inattesa dei dati: servono %1 byte, ne restano %2</translation>
    </message>
    <message>
        <source>expected %1, found type %2</source>
        <translation>atteso %1, trovato il tipo %2</translation>
    </message>
    <message>
        <source>the start of a list</source>
        <translation>l&apos;inizio di un elenco</translation>
    </message>
    <message>
        <source>the end of a list</source>
        <translation>la fine di un elenco</translation>
    </message>
    <message>
        <source>expected an integer, found type %1</source>
        <translation>atteso un intero, trovato il tipo %1</translation>
    </message>
    <message>
        <source>expected a string, found type %1</source>
        <translation>attesa una stringa, trovato il tipo %1</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>un identificatore</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>dati binari</translation>
    </message>
    <message>
        <source>a set</source>
        <translation>un insieme</translation>
    </message>
    <message>
        <source>nil</source>
        <translation>nil</translation>
    </message>
    <message>
        <source>a collection</source>
        <translation>una collezione</translation>
    </message>
    <message>
        <source>unknown colour %1</source>
        <translation>colore sconosciuto %1</translation>
    </message>
    <message>
        <source>values nested deeper than %1</source>
        <translation>valori annidati oltre %1</translation>
    </message>
    <message>
        <source>unknown value type %1</source>
        <translation>tipo di valore sconosciuto %1</translation>
    </message>
    <message>
        <source>not a component stream</source>
        <translation>non è un flusso di componenti</translation>
    </message>
</context>
<context>
    <name>TCalendarMain</name>
    <message>
        <source>Hide Icon Tool</source>
        <translation>Nascondi lo strumento Icone</translation>
    </message>
    <message>
        <source>Show Icon Tool</source>
        <translation>Mostra lo strumento Icone</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Stampa della pagina %p</translation>
    </message>
    <message>
        <source>Reopen</source>
        <translation>Riapri</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1.<byte value="xd"/>
Please open it in your browser.</source>
        <translation>Non è stato possibile avviare un browser web per mostrare %1.<byte value="xd"/>
Aprilo nel tuo browser.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>corrupted, possibly not a Calendar file</source>
        <translation>Impossibile aprire %1. Forse <byte value="xd"/>danneggiato, forse non è un file di calendario</translation>
    </message>
    <message>
        <source>Open Calendar File</source>
        <translation>Apri file di calendario</translation>
    </message>
    <message>
        <source>Calendar File (*.DWC)</source>
        <translation>File di calendario (*.DWC)</translation>
    </message>
    <message>
        <source>Must be a Calendar file (*.DWC)</source>
        <translation>Deve essere un file di calendario (*.DWC)</translation>
    </message>
    <message>
        <source>File %1 no longer exists</source>
        <translation>Il file %1 non esiste più</translation>
    </message>
    <message>
        <source>Must be a Calendar file (*.DWC) or a Calendar Style Sheet (*.DWS)</source>
        <translation>Deve essere un file di calendario (*.DWC) o un foglio di stile del calendario (*.DWS)</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>
corrupted, possibly not a Calendar Style file</source>
        <translation>Impossibile aprire %1. Forse <byte value="xd"/>
danneggiato, forse non è un foglio di stile del calendario</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>Save Calendar File</source>
        <translation>Salva file di calendario</translation>
    </message>
    <message>
        <source>Cancel all changes?</source>
        <translation>Annullare tutte le modifiche?</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save Calendar As Bitmap</source>
        <translation>Salva calendario come bitmap</translation>
    </message>
    <message>
        <source>Bitmap File</source>
        <translation>File bitmap</translation>
    </message>
    <message>
        <source>Save Calendar As JPG</source>
        <translation>Salva calendario come JPG</translation>
    </message>
    <message>
        <source>JPG File</source>
        <translation>File JPG</translation>
    </message>
    <message>
        <source>Save Calendar As PNG</source>
        <translation>Salva calendario come PNG</translation>
    </message>
    <message>
        <source>PNG File</source>
        <translation>File PNG</translation>
    </message>
    <message>
        <source>Unable to save %1</source>
        <translation>Impossibile salvare %1</translation>
    </message>
    <message>
        <source>Save Calendar As PDF</source>
        <translation>Salva calendario come PDF</translation>
    </message>
    <message>
        <source>PDF File (*.PDF)</source>
        <translation>File PDF (*.PDF)</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Salvato come %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New </source>
        <translation>&amp;Nuovo </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Save </source>
        <translation>&amp;Salva </translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome…</translation>
    </message>
    <message>
        <source>Save As Bitmap File</source>
        <translation>Salva come file bitmap</translation>
    </message>
    <message>
        <source>Save As JPG File</source>
        <translation>Salva come file JPG</translation>
    </message>
    <message>
        <source>Save As PNG File</source>
        <translation>Salva come file PNG</translation>
    </message>
    <message>
        <source>Save As PDF File</source>
        <translation>Salva come file PDF</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Proprietà</translation>
    </message>
    <message>
        <source>User Defined Title</source>
        <translation>Titolo personalizzato</translation>
    </message>
    <message>
        <source>&amp;Cancel Changes</source>
        <translation>Annulla le &amp;modifiche</translation>
    </message>
    <message>
        <source>Clear &amp;All Cell Contents</source>
        <translation>Cancella &amp;tutto il contenuto delle celle</translation>
    </message>
    <message>
        <source>&amp;Default Editor Font</source>
        <translation>Carattere pre&amp;definito dell&apos;editor</translation>
    </message>
    <message>
        <source>Fill Calendar with Recurring Dates</source>
        <translation>Riempi il calendario con le date ricorrenti</translation>
    </message>
    <message>
        <source>Fill Calendar from iCalendar File...</source>
        <translation>Riempi il calendario da un file iCalendar…</translation>
    </message>
    <message>
        <source>Edit Recurring Dates</source>
        <translation>Modifica le date ricorrenti</translation>
    </message>
    <message>
        <source>P&amp;rint Calendar</source>
        <translation>Stampa ca&amp;lendario</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>&amp;Imposta stampante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>I&amp;ncolla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona t&amp;utto</translation>
    </message>
    <message>
        <source>&amp;Online</source>
        <translation>&amp;Online</translation>
    </message>
    <message>
        <source>Visit Our Internet Website</source>
        <translation>Visita il nostro sito web</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Show Hints</source>
        <translation>&amp;Mostra suggerimenti</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Set/change Properties for the calendar</source>
        <translation>Imposta/modifica le proprietà del calendario</translation>
    </message>
    <message>
        <source>Print the calendar</source>
        <translation>Stampa il calendario</translation>
    </message>
    <message>
        <source>Selection tool</source>
        <translation>Strumento di selezione</translation>
    </message>
    <message>
        <source>Label tool</source>
        <translation>Strumento Etichetta</translation>
    </message>
    <message>
        <source>Clip Art Tool</source>
        <translation>Strumento Clip Art</translation>
    </message>
    <message>
        <source>Rich Text tool <byte value="xd"/>Mixed fonts, colors and styles</source>
        <translation>Strumento Testo formattato <byte value="xd"/>Caratteri, colori e stili misti</translation>
    </message>
    <message>
        <source>SuperText tool <byte value="xd"/>Special Effects Text - fill with gradients or bitmaps</source>
        <translation>Strumento SuperText <byte value="xd"/>Testo con effetti speciali, riempito di sfumature o bitmap</translation>
    </message>
    <message>
        <source>Floating Calendar tool <byte value="xd"/>Mini Calendar that you can place anywhere</source>
        <translation>Strumento Calendario mobile <byte value="xd"/>Minicalendario da posizionare ovunque</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save changes to the calendar</source>
        <translation>Salva le modifiche al calendario</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cancel all changes</source>
        <translation>Annulla tutte le modifiche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unable to start the print job on %1</source>
        <translation>Impossibile avviare la stampa su %1</translation>
    </message>
    <message>
        <source>a calendar that was never saved</source>
        <translation>un calendario mai salvato</translation>
    </message>
    <message>
        <source>Datewright did not close properly. Unsaved changes to %1 from %2 were kept.<byte value="xd"/><byte value="xd"/>Recover them?</source>
        <translation>Datewright non è stato chiuso correttamente. Le modifiche non salvate a %1 del %2 sono state conservate.<byte value="xd"/><byte value="xd"/>Ripristinarle?</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>The recovery file %1 is damaged (%2) and was set aside as %3.</source>
        <translation>Il file di ripristino %1 è danneggiato (%2) ed è stato messo da parte come %3.</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Ripristino</translation>
    </message>
    <message>
        <source>The recurring dates could not be read.<byte value="xd"/>
</source>
        <translation>Impossibile leggere le date ricorrenti.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The old recurring dates file DWRECUR.DAT could not be converted; it is kept.<byte value="xd"/>
</source>
        <translation>Il vecchio file delle date ricorrenti DWRECUR.DAT non è stato convertito; viene conservato.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Fill Calendar from iCalendar File</source>
        <translation>Riempi il calendario da un file iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>File iCalendar (*.ics);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The calendar could not be read.<byte value="xd"/>
</source>
        <translation>Impossibile leggere il calendario.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>No events of the calendar fall in the current month</source>
        <translation>Nessun evento del calendario cade nel mese corrente</translation>
    </message>
    <message>
        <source>No predefined dates match the current month</source>
        <translation>Nessuna data predefinita corrisponde al mese corrente</translation>
    </message>
    <message>
        <source>Fill from Recurring Dates</source>
        <translation>Riempi con le date ricorrenti</translation>
    </message>
    <message>
        <source>The days could not be filled.<byte value="xd"/>
</source>
        <translation>Impossibile riempire i giorni.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Saving As PDF</source>
        <translation>Salvataggio come PDF</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Printing was cancelled. The pages drawn before may still be printed.</source>
        <translation>La stampa è stata annullata. Le pagine disegnate prima potrebbero comunque essere stampate.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripristina %1</translation>
    </message>
    <message>
        <source>Undo Cell Text</source>
        <translation>Annulla testo della cella</translation>
    </message>
    <message>
        <source>The pictures cannot be taken: %1</source>
        <translation>Impossibile prendere le immagini: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
These pictures could not be read; their pages show the design&apos;s picture:<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Queste immagini non si sono potute leggere; le loro pagine mostrano l&apos;immagine del modello:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>New from &amp;Template...</source>
        <translation>Nuovo da m&amp;odello…</translation>
    </message>
    <message>
        <source>Save As PDF for Printing...</source>
        <translation>Salva come PDF per la stampa...</translation>
    </message>
    <message>
        <source>Cover Page</source>
        <translation>Copertina</translation>
    </message>
    <message>
        <source>Edit Co&amp;ver Page</source>
        <translation>Modifica la cope&amp;rtina</translation>
    </message>
    <message>
        <source>Set of Pages</source>
        <translation>Serie di pagine</translation>
    </message>
</context>
<context>
    <name>TCalendarProperties</name>
    <message>
        <source> [No Special Border]</source>
        <translation> [Nessun bordo speciale]</translation>
    </message>
    <message>
        <source>¼ Inch</source>
        <translation>¼ di pollice</translation>
    </message>
    <message>
        <source>½ Inch</source>
        <translation>½ pollice</translation>
    </message>
    <message>
        <source>¾ Inch</source>
        <translation>¾ di pollice</translation>
    </message>
    <message>
        <source>1 Inch</source>
        <translation>1 pollice</translation>
    </message>
    <message>
        <source>1¼ Inch</source>
        <translation>1¼ pollici</translation>
    </message>
    <message>
        <source>1½ Inch</source>
        <translation>1½ pollici</translation>
    </message>
    <message>
        <source>Select Starting Date</source>
        <translation>Scegli la data di inizio</translation>
    </message>
    <message>
        <source>Select Month &amp; Year</source>
        <translation>Scegli mese e anno</translation>
    </message>
    <message>
        <source>Must save as a Calendar Style Sheet (*.DWS)</source>
        <translation>Va salvato come foglio di stile del calendario (*.DWS)</translation>
    </message>
    <message>
        <source>Unable to save %1.<byte value="xd"/>
%2</source>
        <translation>Impossibile salvare %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Must be a Calendar Style Sheet (*.DWS)</source>
        <translation>Deve essere un foglio di stile del calendario (*.DWS)</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>
corrupted, possibly not a Calendar Style file</source>
        <translation>Impossibile aprire %1. Forse <byte value="xd"/>
danneggiato, forse non è un foglio di stile del calendario</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ATTENZIONE</translation>
    </message>
    <message>
        <source>Warning: changing to this type of layout<byte value="xd"/>will erase all text and icons from the current<byte value="xd"/>calendar. Proceed?</source>
        <translation>Attenzione: passare a questo tipo di layout<byte value="xd"/>cancellerà tutti i testi e le icone dal calendario<byte value="xd"/>corrente. Procedere?</translation>
    </message>
    <message>
        <source>Warning: The Calendar has one or more items<byte value="xd"/>placed on it using the Label, Clip Art, RichText,<byte value="xd"/>SuperText or Floating Calendar tools.<byte value="xd"/><byte value="xd"/>Changing Paper Size, Orientation, Layout, Margins or Border<byte value="xd"/>means you will have to reposition these items.<byte value="xd"/><byte value="xd"/>Proceed?</source>
        <translation>Attenzione: sul calendario sono stati posizionati elementi<byte value="xd"/>con gli strumenti Etichetta, Clip Art, Testo formattato,<byte value="xd"/>SuperText o Calendario mobile.<byte value="xd"/><byte value="xd"/>Se cambi formato della carta, orientamento, layout, margini o bordo,<byte value="xd"/>dovrai riposizionare questi elementi.<byte value="xd"/><byte value="xd"/>Procedere?</translation>
    </message>
    <message>
        <source>1 Month Calendar </source>
        <translation>Calendario di 1 mese </translation>
    </message>
    <message>
        <source>1 Month Calendar, 2 Mini Calendars</source>
        <translation>Calendario di 1 mese, 2 minicalendari</translation>
    </message>
    <message>
        <source>1 Month Calendar, 6 Mini Calendars Before &amp; After </source>
        <translation>Calendario di 1 mese, 6 minicalendari prima e dopo </translation>
    </message>
    <message>
        <source>1 Month Calendar, 12 Mini Calendars After </source>
        <translation>Calendario di 1 mese, 12 minicalendari dopo </translation>
    </message>
    <message>
        <source>6 Month Calendar (Mini Calendars)</source>
        <translation>Calendario di 6 mesi (minicalendari)</translation>
    </message>
    <message>
        <source>12 Month Calendar (Mini Calendars)</source>
        <translation>Calendario di 12 mesi (minicalendari)</translation>
    </message>
    <message>
        <source>24 Month Calendar (Mini Calendars)</source>
        <translation>Calendario di 24 mesi (minicalendari)</translation>
    </message>
    <message>
        <source>48 Month Calendar (Mini Calendars)</source>
        <translation>Calendario di 48 mesi (minicalendari)</translation>
    </message>
    <message>
        <source>60 Month Calendar (Mini Calendars)</source>
        <translation>Calendario di 60 mesi (minicalendari)</translation>
    </message>
    <message>
        <source>One Week Planner</source>
        <translation>Agenda settimanale</translation>
    </message>
    <message>
        <source>Two Week Planner</source>
        <translation>Agenda di due settimane</translation>
    </message>
    <message>
        <source>Day Planner (10 hours) </source>
        <translation>Agenda giornaliera (10 ore) </translation>
    </message>
    <message>
        <source>Day Planner (15 hours) </source>
        <translation>Agenda giornaliera (15 ore) </translation>
    </message>
    <message>
        <source>First Character</source>
        <translation>Prima lettera</translation>
    </message>
    <message>
        <source>First Three Characters</source>
        <translation>Prime tre lettere</translation>
    </message>
    <message>
        <source>Whole Word</source>
        <translation>Parola intera</translation>
    </message>
    <message>
        <source>Calendar Properties</source>
        <translation>Proprietà del calendario</translation>
    </message>
    <message>
        <source>Click a tab to work with a different aspect of <byte value="xd"/>this calendar&apos;s properties</source>
        <translation>Fai clic su una scheda per lavorare su un altro aspetto <byte value="xd"/>delle proprietà di questo calendario</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Fonts, Colors</source>
        <translation>Caratteri, colori</translation>
    </message>
    <message>
        <source>Mini Fonts, Colors</source>
        <translation>Mini caratteri, colori</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>Intestazioni</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linee</translation>
    </message>
    <message>
        <source>Planners</source>
        <translation>Agende</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>Select Layout</source>
        <translation>Scegli il layout</translation>
    </message>
    <message>
        <source>Select a layout for the calendar from this list</source>
        <translation>Scegli un layout per il calendario da questo elenco</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientamento</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Select the orientation of the printed calendar</source>
        <translation>Scegli l&apos;orientamento del calendario stampato</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Carta</translation>
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
        <translation>Scegli il formato della carta su cui stampare il calendario</translation>
    </message>
    <message>
        <source>Click on a date to select it</source>
        <translation>Fai clic su una data per selezionarla</translation>
    </message>
    <message>
        <source>Go back one year</source>
        <translation>Indietro di un anno</translation>
    </message>
    <message>
        <source>Go back one month</source>
        <translation>Indietro di un mese</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Go to today&apos;s date</source>
        <translation>Vai alla data di oggi</translation>
    </message>
    <message>
        <source>Go forward one month</source>
        <translation>Avanti di un mese</translation>
    </message>
    <message>
        <source>Go forward one year</source>
        <translation>Avanti di un anno</translation>
    </message>
    <message>
        <source>Week Starts On</source>
        <translation>Inizio settimana</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Select the day that the calendar week starts on</source>
        <translation>Scegli il giorno di inizio della settimana del calendario</translation>
    </message>
    <message>
        <source>Show Year in Title</source>
        <translation>Anno nel titolo</translation>
    </message>
    <message>
        <source>Check to show the year in the calendar&apos;s title</source>
        <translation>Seleziona per mostrare l&apos;anno nel titolo del calendario</translation>
    </message>
    <message>
        <source>Show Year in Mini Title</source>
        <translation>Anno nel minititolo</translation>
    </message>
    <message>
        <source>Check to show the year in the mini calendars&apos; titles</source>
        <translation>Seleziona per mostrare l&apos;anno nei titoli dei minicalendari</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Click to choose the font</source>
        <translation>Fai clic per scegliere il carattere</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Click to choose the background color</source>
        <translation>Fai clic per scegliere il colore di sfondo</translation>
    </message>
    <message>
        <source>Fonts &amp; Colors</source>
        <translation>Caratteri e colori</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Intestazione</translation>
    </message>
    <message>
        <source>Number Cells</source>
        <translation>Celle dei numeri</translation>
    </message>
    <message>
        <source>Mini Fonts &amp; Colors</source>
        <translation>Mini caratteri e colori</translation>
    </message>
    <message>
        <source>Mini Title</source>
        <translation>Minititolo</translation>
    </message>
    <message>
        <source>Mini Header</source>
        <translation>Mini intestazione</translation>
    </message>
    <message>
        <source>Mini Number Cells</source>
        <translation>Mini celle dei numeri</translation>
    </message>
    <message>
        <source>Mini Calendar Background Color</source>
        <translation>Sfondo dei minicalendari</translation>
    </message>
    <message>
        <source>Header Styles</source>
        <translation>Stili di intestazione</translation>
    </message>
    <message>
        <source>Header Style</source>
        <translation>Stile di intestazione</translation>
    </message>
    <message>
        <source>Select how the day names are written</source>
        <translation>Scegli come scrivere i nomi dei giorni</translation>
    </message>
    <message>
        <source>Mini Header Style</source>
        <translation>Stile mini intestazione</translation>
    </message>
    <message>
        <source>Select how the mini calendars&apos; day names are written</source>
        <translation>Scegli come scrivere i nomi dei giorni dei minicalendari</translation>
    </message>
    <message>
        <source>Line Styles</source>
        <translation>Stili delle linee</translation>
    </message>
    <message>
        <source>Calendar Line Style</source>
        <translation>Linee del calendario</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Complete</translation>
    </message>
    <message>
        <source>Headers &amp; Cells</source>
        <translation>Intestazioni e celle</translation>
    </message>
    <message>
        <source>Cells Only</source>
        <translation>Solo celle</translation>
    </message>
    <message>
        <source>Select the lines drawn on the calendar</source>
        <translation>Scegli le linee disegnate sul calendario</translation>
    </message>
    <message>
        <source>Mini-Calendar Line Style</source>
        <translation>Linee dei minicalendari</translation>
    </message>
    <message>
        <source>Boxed</source>
        <translation>Riquadrate</translation>
    </message>
    <message>
        <source>Minimal</source>
        <translation>Minime</translation>
    </message>
    <message>
        <source>Select the lines drawn on the mini calendars</source>
        <translation>Scegli le linee disegnate sui minicalendari</translation>
    </message>
    <message>
        <source>Day Planner</source>
        <translation>Agenda giornaliera</translation>
    </message>
    <message>
        <source>Starting Time (for day planners)</source>
        <translation>Ora di inizio (agende giornaliere)</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Imposta ora</translation>
    </message>
    <message>
        <source>Click to set the time of the first hour of the day planners</source>
        <translation>Fai clic per impostare l&apos;ora della prima riga delle agende giornaliere</translation>
    </message>
    <message>
        <source>*(Note: This setting only applies if you have selected one of the two Day Planners from the Layout tab)</source>
        <translation>*(Nota: questa impostazione vale solo se hai scelto una delle due agende giornaliere nella scheda Layout)</translation>
    </message>
    <message>
        <source>Month and Day Names</source>
        <translation>Nomi di mesi e giorni</translation>
    </message>
    <message>
        <source>Month Names</source>
        <translation>Nomi dei mesi</translation>
    </message>
    <message>
        <source>Type in the month names, starting with January,<byte value="xd"/>or click one of the buttons below</source>
        <translation>Scrivi i nomi dei mesi, a partire da gennaio,<byte value="xd"/>o fai clic su uno dei pulsanti qui sotto</translation>
    </message>
    <message>
        <source>Day Names</source>
        <translation>Nomi dei giorni</translation>
    </message>
    <message>
        <source>Type in the day names, starting with Sunday,<byte value="xd"/>or click one of the buttons below</source>
        <translation>Scrivi i nomi dei giorni, a partire da domenica,<byte value="xd"/>o fai clic su uno dei pulsanti qui sotto</translation>
    </message>
    <message>
        <source>Click to use the month and day names of this language</source>
        <translation>Fai clic per usare i nomi dei mesi e dei giorni di questa lingua</translation>
    </message>
    <message>
        <source>Select Page Margins</source>
        <translation>Scegli i margini della pagina</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Margine sinistro</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Margine superiore</translation>
    </message>
    <message>
        <source>Right Margin</source>
        <translation>Margine destro</translation>
    </message>
    <message>
        <source>Bottom Margin</source>
        <translation>Margine inferiore</translation>
    </message>
    <message>
        <source>Select the left margin for the printed calendar</source>
        <translation>Scegli il margine sinistro del calendario stampato</translation>
    </message>
    <message>
        <source>Select the top margin for the printed calendar</source>
        <translation>Scegli il margine superiore del calendario stampato</translation>
    </message>
    <message>
        <source>Select the right margin for the printed calendar</source>
        <translation>Scegli il margine destro del calendario stampato</translation>
    </message>
    <message>
        <source>Select the bottom margin for the printed calendar</source>
        <translation>Scegli il margine inferiore del calendario stampato</translation>
    </message>
    <message>
        <source>Use Inches</source>
        <translation>Pollici</translation>
    </message>
    <message>
        <source>Show the margins in inches</source>
        <translation>Mostra i margini in pollici</translation>
    </message>
    <message>
        <source>Use Millimeters</source>
        <translation>Millimetri</translation>
    </message>
    <message>
        <source>Show the margins in millimeters</source>
        <translation>Mostra i margini in millimetri</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordi</translation>
    </message>
    <message>
        <source>Calendar Borders</source>
        <translation>Bordi del calendario</translation>
    </message>
    <message>
        <source>Select a border to print around the calendar</source>
        <translation>Scegli un bordo da stampare attorno al calendario</translation>
    </message>
    <message>
        <source>This is an example calendar</source>
        <translation>Questo è un calendario di esempio</translation>
    </message>
    <message>
        <source>Click to zoom out (make the calendar smaller)</source>
        <translation>Fai clic per ridurre (calendario più piccolo)</translation>
    </message>
    <message>
        <source>Click to zoom in (make the calendar larger)</source>
        <translation>Fai clic per ingrandire (calendario più grande)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click to use these settings for the calendar</source>
        <translation>Fai clic per usare queste impostazioni per il calendario</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Click to close without changing the calendar</source>
        <translation>Fai clic per chiudere senza modificare il calendario</translation>
    </message>
    <message>
        <source>&amp;Save As Style Sheet</source>
        <translation>&amp;Salva come stile</translation>
    </message>
    <message>
        <source>Click to save these settings as a style sheet</source>
        <translation>Fai clic per salvare queste impostazioni come foglio di stile</translation>
    </message>
    <message>
        <source>&amp;Load Style Sheet</source>
        <translation>&amp;Carica stile</translation>
    </message>
    <message>
        <source>Click to load settings from a style sheet</source>
        <translation>Fai clic per caricare le impostazioni da un foglio di stile</translation>
    </message>
    <message>
        <source>&amp;Default Style</source>
        <translation>Stile pre&amp;definito</translation>
    </message>
    <message>
        <source>Click to go back to the default style</source>
        <translation>Fai clic per tornare allo stile predefinito</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Click for help on this page</source>
        <translation>Fai clic per la guida di questa pagina</translation>
    </message>
    <message>
        <source>Select whether the calendars show week numbers, and which</source>
        <translation>Scegli se i calendari mostrano i numeri delle settimane, e quali</translation>
    </message>
    <message>
        <source>&amp;Week Numbers</source>
        <translation>&amp;Numeri delle settimane</translation>
    </message>
</context>
<context>
    <name>TCalendarSetDialog</name>
    <message>
        <source>pages, one a month, from</source>
        <translation>pagine, una al mese, dal</translation>
    </message>
    <message>
        <source>pages, one every two weeks, from</source>
        <translation>pagine, una ogni due settimane, dal</translation>
    </message>
    <message>
        <source>pages, one a week, from</source>
        <translation>pagine, una alla settimana, dal</translation>
    </message>
    <message>
        <source>pages, one a day, from</source>
        <translation>pagine, una al giorno, dal</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Stampa calendario</translation>
    </message>
    <message>
        <source>Save As PDF File</source>
        <translation>Salva come file PDF</translation>
    </message>
    <message>
        <source>&amp;This page</source>
        <translation>&amp;Questa pagina</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Niente</translation>
    </message>
    <message>
        <source>My recurring dates</source>
        <translation>Le mie date ricorrenti</translation>
    </message>
    <message>
        <source>Holidays of %1</source>
        <translation>Festività di %1</translation>
    </message>
    <message>
        <source>An iCalendar file</source>
        <translation>Un file iCalendar</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>S&amp;foglia…</translation>
    </message>
    <message>
        <source>Show the &amp;age on birthdays and anniversaries</source>
        <translation>Mostra l&apos;&amp;età a compleanni e anniversari</translation>
    </message>
    <message>
        <source>&amp;Fill the days from</source>
        <translation>&amp;Riempi i giorni con</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Fill The Days From</source>
        <translation>Riempi i giorni con</translation>
    </message>
    <message>
        <source>iCalendar File (*.ics);;All Files (*)</source>
        <translation>File iCalendar (*.ics);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Choose the iCalendar file to fill the days from.</source>
        <translation>Scegli il file iCalendar con cui riempire i giorni.</translation>
    </message>
    <message>
        <source>The design&apos;s picture on every page</source>
        <translation>L&apos;immagine del modello su ogni pagina</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>Sf&amp;oglia…</translation>
    </message>
    <message>
        <source>P&amp;ictures, one a page, from</source>
        <translation>&amp;Immagini, una per pagina, da</translation>
    </message>
    <message>
        <source>Pictures, One a Page</source>
        <translation>Immagini, una per pagina</translation>
    </message>
    <message>
        <source>The pictures cannot be taken: %1</source>
        <translation>Impossibile prendere le immagini: %1</translation>
    </message>
    <message>
        <source>Start with the co&amp;ver page</source>
        <translation>Inizia con la co&amp;pertina</translation>
    </message>
    <message>
        <source>The cover is designed with File &gt; Edit Cover Page</source>
        <translation>La copertina si crea con File &gt; Modifica la copertina</translation>
    </message>
    <message>
        <source>Drag a picture to its page, or move it with Ctrl+Left and Ctrl+Right; Delete leaves it out</source>
        <translation>Trascinate un&apos;immagine sulla sua pagina, o spostatela con Ctrl+Sinistra e Ctrl+Destra; Canc la toglie</translation>
    </message>
    <message>
        <source>Move &amp;Earlier</source>
        <translation>Sposta pri&amp;ma</translation>
    </message>
    <message>
        <source>Move &amp;Later</source>
        <translation>Sposta &amp;dopo</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Rimuo&amp;vi</translation>
    </message>
    <message>
        <source>A&amp;dd Pictures...</source>
        <translation>Aggiu&amp;ngi immagini…</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Aggiungi immagini</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Immagini (%1);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>No pictures are left for the pages: add pictures, or clear the folder to show the design&apos;s picture.</source>
        <translation>Non restano immagini per le pagine: aggiungete immagini, oppure svuotate la cartella per mostrare l&apos;immagine del modello.</translation>
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
        <translation>&amp;Tutte</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Nessuna</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>TEditRecurringDateFormula</name>
    <message>
        <source>Select the month, or &apos;Each Month&apos; for every month</source>
        <translation>Scegli il mese, o «Ogni mese» per tutti i mesi</translation>
    </message>
    <message>
        <source>Recurring Date - Formulas</source>
        <translation>Data ricorrente – formule</translation>
    </message>
    <message>
        <source>Day of the &amp;Month</source>
        <translation>Giorno del &amp;mese</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Day of the Month&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Seleziona qui per scegliere un promemoria ricorrente <byte value="xd"/>di tipo «Giorno del mese»</translation>
    </message>
    <message>
        <source>Select the day of the month (1-31)</source>
        <translation>Scegli il giorno del mese (1–31)</translation>
    </message>
    <message>
        <source>of</source>
        <translation>di</translation>
    </message>
    <message>
        <source>Day of the &amp;Week</source>
        <translation>Giorno della s&amp;ettimana</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Days of the Week&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Seleziona qui per scegliere un promemoria ricorrente <byte value="xd"/>di tipo «Giorni della settimana»</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tues</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Check to use this reminder on this day of <byte value="xd"/>each week</source>
        <translation>Seleziona per usare questo promemoria in questo giorno <byte value="xd"/>di ogni settimana</translation>
    </message>
    <message>
        <source>All Days</source>
        <translation>Tutti i giorni</translation>
    </message>
    <message>
        <source>Check to include all days</source>
        <translation>Seleziona per includere tutti i giorni</translation>
    </message>
    <message>
        <source>&amp;Special</source>
        <translation>S&amp;peciale</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;nth Day of Month&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Seleziona qui per scegliere un promemoria ricorrente <byte value="xd"/>di tipo «n-esimo giorno del mese»</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultimo</translation>
    </message>
    <message>
        <source>Select the occurrance: First, 2nd, 3rd, 4th, 5th<byte value="xd"/>or Last</source>
        <translation>Scegli la ricorrenza: primo, 2°, 3°, 4°, 5°<byte value="xd"/>o ultimo</translation>
    </message>
    <message>
        <source>Day (any day)</source>
        <translation>Giorno (qualsiasi)</translation>
    </message>
    <message>
        <source>Select the day of the week, or &apos;Day (any day)&apos; for any day</source>
        <translation>Scegli il giorno della settimana, o «Giorno (qualsiasi)» per qualsiasi giorno</translation>
    </message>
    <message>
        <source>Recurring event (birthday, anniversary, etc)</source>
        <translation>Evento ricorrente (compleanno, anniversario ecc.)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Invalid day of month entered </source>
        <translation>Giorno del mese non valido </translation>
    </message>
    <message>
        <source>Invalid month entered </source>
        <translation>Mese non valido </translation>
    </message>
    <message>
        <source>Invalid value entered for Special category</source>
        <translation>Valore non valido per la categoria Speciale</translation>
    </message>
    <message>
        <source>You must select at least one day for this <byte value="xd"/>reminder to occur on</source>
        <translation>Devi scegliere almeno un giorno in cui <byte value="xd"/>questo promemoria si verifica</translation>
    </message>
</context>
<context>
    <name>TEditRecurringDates</name>
    <message>
        <source><byte value="xd"/>
... and %1 more</source>
        <translation><byte value="xd"/>
… e altri %1</translation>
    </message>
    <message>
        <source>Recurring Dates</source>
        <translation>Date ricorrenti</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importa…</translation>
    </message>
    <message>
        <source>Add the recurring events of an iCalendar file</source>
        <translation>Aggiungi gli eventi ricorrenti di un file iCalendar</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Write the list as an iCalendar file</source>
        <translation>Scrivi l&apos;elenco come file iCalendar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The recurring dates could not be saved.<byte value="xd"/>
</source>
        <translation>Impossibile salvare le date ricorrenti.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add Recurring Date</source>
        <translation>Aggiungi data ricorrente</translation>
    </message>
    <message>
        <source>[Enter event]</source>
        <translation>[Inserisci evento]</translation>
    </message>
    <message>
        <source>This entry cannot be edited</source>
        <translation>Questa voce non può essere modificata</translation>
    </message>
    <message>
        <source>Edit Recurring Date Formula</source>
        <translation>Modifica la formula della data ricorrente</translation>
    </message>
    <message>
        <source>Import Recurring Dates</source>
        <translation>Importa date ricorrenti</translation>
    </message>
    <message>
        <source>Export Recurring Dates</source>
        <translation>Esporta date ricorrenti</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>File iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>The recurring dates could not be imported.<byte value="xd"/>
</source>
        <translation>Impossibile importare le date ricorrenti.<byte value="xd"/>
</translation>
    </message>
    <message numerus="yes">
        <source>%n recurring dates were added.</source>
        <translation>
            <numerusform>È stata aggiunta %n data ricorrente.</numerusform>
            <numerusform>Sono state aggiunte %n date ricorrenti.</numerusform>
        </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
These events cannot be kept as recurring dates and were left out:<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Questi eventi non possono essere conservati come date ricorrenti e sono stati esclusi:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The recurring dates could not be exported.<byte value="xd"/>
</source>
        <translation>Impossibile esportare le date ricorrenti.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>These entries fall on no day and were left out:<byte value="xd"/>
</source>
        <translation>Queste voci non cadono in nessun giorno e sono state escluse:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>TFlatCalendarEditor</name>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Sopra</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Sotto</translation>
    </message>
    <message>
        <source>Top &amp; Bottom</source>
        <translation>Sopra e sotto</translation>
    </message>
    <message>
        <source>Floating Calendar Properties</source>
        <translation>Proprietà del calendario mobile</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Week Starts On</source>
        <translation>Inizio settimana</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Select the day that the calendar week starts on</source>
        <translation>Scegli il giorno di inizio della settimana del calendario</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Trasparente</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varie</translation>
    </message>
    <message>
        <source>Show Year in Title</source>
        <translation>Anno nel titolo</translation>
    </message>
    <message>
        <source>First Character</source>
        <translation>Prima lettera</translation>
    </message>
    <message>
        <source>First Three Characters</source>
        <translation>Prime tre lettere</translation>
    </message>
    <message>
        <source>Whole Word</source>
        <translation>Parola intera</translation>
    </message>
    <message>
        <source>Header Style</source>
        <translation>Stile di intestazione</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>Title Font</source>
        <translation>Carattere del titolo</translation>
    </message>
    <message>
        <source>Header Font</source>
        <translation>Carattere intestazione</translation>
    </message>
    <message>
        <source>Cell Font</source>
        <translation>Carattere delle celle</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordi</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Intestazione</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Celle</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Title Background</source>
        <translation>Sfondo del titolo</translation>
    </message>
    <message>
        <source>Header Background </source>
        <translation>Sfondo intestazione </translation>
    </message>
    <message>
        <source>Body Background </source>
        <translation>Sfondo del corpo </translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>UpperRight</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>UpperLeft</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientamento</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondità</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Numeri delle settimane</translation>
    </message>
</context>
<context>
    <name>TFloatingPalette</name>
    <message>
        <source>Activities</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>Miscellaneous #1</source>
        <translation>Varie n. 1</translation>
    </message>
    <message>
        <source>Miscellaneous #2</source>
        <translation>Varie n. 2</translation>
    </message>
    <message>
        <source>All Files (*.ICL *.DLL *.EXE *.ICO *.NIL *.icl *.dll *.exe *.ico *.nil);;ICL Files (*.ICL *.icl);;DLL Files (*.DLL *.dll);;EXE Files (*.EXE *.exe);;ICO Files (*.ICO *.ico);;NIL Files (*.NIL *.nil);;ICL and ICO Files (*.ICL *.ICO *.icl *.ico)</source>
        <translation>Tutti i file (*.ICL *.DLL *.EXE *.ICO *.NIL *.icl *.dll *.exe *.ico *.nil);;File ICL (*.ICL *.icl);;File DLL (*.DLL *.dll);;File EXE (*.EXE *.exe);;File ICO (*.ICO *.ico);;File NIL (*.NIL *.nil);;File ICL e ICO (*.ICL *.ICO *.icl *.ico)</translation>
    </message>
    <message>
        <source>No Bonus Sets Found!<byte value="xd"/>
<byte value="xd"/>
The bonus icon sets were not found in the &quot;BonusIcons&quot; folder beside the program. They are obtained separately.</source>
        <translation>Nessun set bonus trovato!<byte value="xd"/>
<byte value="xd"/>
I set di icone bonus non sono stati trovati nella cartella «BonusIcons» accanto al programma. Sono disponibili separatamente.</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icone</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Altro…</translation>
    </message>
    <message>
        <source>Bonus Icon Sets</source>
        <translation>Set di icone bonus</translation>
    </message>
    <message>
        <source>No icons found in %1</source>
        <translation>Nessuna icona trovata in %1</translation>
    </message>
</context>
<context>
    <name>TFontColorDialog</name>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
</context>
<context>
    <name>TGetHolidays</name>
    <message>
        <source>Holidays</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>Holidays of</source>
        <translation>Festività di</translation>
    </message>
    <message>
        <source>Choose whose holidays to list</source>
        <translation>Scegli di chi elencare le festività</translation>
    </message>
    <message>
        <source>The holidays of %1 could not be read.<byte value="xd"/>
%2</source>
        <translation>Impossibile leggere le festività di %1.<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>TGetLabelText</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Inserisci il testo</translation>
    </message>
    <message>
        <source>The text the label shows.</source>
        <translation>Il testo che l&apos;etichetta mostra.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Datewright Help</source>
        <translation>Guida di Datewright</translation>
    </message>
    <message>
        <source>Unable to open the help file %1: %2</source>
        <translation>Impossibile aprire il file della guida %1: %2</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation>il file supera %1 byte</translation>
    </message>
    <message>
        <source>the file has more than %1 lines</source>
        <translation>il file ha più di %1 righe</translation>
    </message>
    <message>
        <source>a line is longer than %1 characters</source>
        <translation>una riga supera %1 caratteri</translation>
    </message>
    <message>
        <source>the file has more than %1 sections</source>
        <translation>il file ha più di %1 sezioni</translation>
    </message>
    <message>
        <source>it could not be read whole (%1), so it is left as it is</source>
        <translation>non è stato possibile leggerlo per intero (%1), quindi viene lasciato com&apos;è</translation>
    </message>
</context>
<context>
    <name>TLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The language you chose takes effect the next time Datewright starts.</source>
        <translation>La lingua scelta avrà effetto al prossimo avvio di Datewright.</translation>
    </message>
</context>
<context>
    <name>TLumBaseLabel</name>
    <message>
        <source>Enter text...</source>
        <translation>Inserisci il testo…</translation>
    </message>
</context>
<context>
    <name>TLumFont3DEffects</name>
    <message>
        <source>Text 3D Effects</source>
        <translation>Effetti 3D del testo</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Direzione dell&apos;ombra</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Profondità dell&apos;ombra</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Colore dell&apos;ombra</translation>
    </message>
    <message>
        <source>Highlight Direction</source>
        <translation>Direzione della luce</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Highlight Depth</source>
        <translation>Profondità della luce</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Colore della luce</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Colore del carattere</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
</context>
<context>
    <name>TLumImageBrowser</name>
    <message>
        <source>Load Image File </source>
        <translation>Carica file immagine </translation>
    </message>
    <message>
        <source>Type a folder or a picture file and press Enter</source>
        <translation>Scrivi una cartella o un file immagine e premi Invio</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Opzioni </translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Stretch image to max display size</source>
        <translation>Adatta l&apos;immagine alla dimensione massima</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Dim. automatica</translation>
    </message>
    <message>
        <source>AutoSize TImage</source>
        <translation>Dimensione automatica dell&apos;immagine</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor a file.</source>
        <translation>%1 non è né una cartella né un file.</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>Errore durante il caricamento del file!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>TPictureOrderList</name>
    <message>
        <source>Not printed</source>
        <translation>Non stampata</translation>
    </message>
</context>
<context>
    <name>TPreviousInstance</name>
    <message>
        <source>the lock file %1 cannot be made</source>
        <translation>impossibile creare il file di blocco %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <translation>impossibile creare la cartella %1 (%2)</translation>
    </message>
    <message>
        <source>the folder %1 is not a folder</source>
        <translation>la cartella %1 non è una cartella</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>la cartella %1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>the folder %1 is open to other users</source>
        <translation>la cartella %1 è accessibile ad altri utenti</translation>
    </message>
    <message>
        <source>Datewright is already running, but the running copy did not come to the front. If it no longer responds, end it and start Datewright again.</source>
        <translation>Datewright è già in esecuzione, ma l&apos;istanza in esecuzione non è passata in primo piano. Se non risponde più, chiudila e avvia di nuovo Datewright.</translation>
    </message>
    <message>
        <source>Datewright cannot make sure that it is the only copy running: %1.</source>
        <translation>Datewright non può assicurarsi di essere l&apos;unica istanza in esecuzione: %1.</translation>
    </message>
</context>
<context>
    <name>TPrintSheetDialog</name>
    <message>
        <source>PDF for Printing</source>
        <translation>PDF per la stampa</translation>
    </message>
    <message>
        <source>Print services cut each page from a larger sheet. Pictures, borders and backgrounds that reach the page&apos;s edge go on into the bleed, so that no white line shows after cutting.</source>
        <translation>Le tipografie tagliano ogni pagina da un foglio più grande. Immagini, bordi e sfondi che toccano il margine della pagina proseguono nell&apos;abbondanza, così che dopo il taglio non resti alcun filo bianco.</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Crop marks outside the bleed</source>
        <translation>&amp;Crocini di taglio fuori dall&apos;abbondanza</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;Abbondanza:</translation>
    </message>
</context>
<context>
    <name>TReportPrinter</name>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation>Nessuna stampante definita, stampa annullata.</translation>
    </message>
</context>
<context>
    <name>TRichTextLabelEditor</name>
    <message>
        <source>Rich Text Editor</source>
        <translation>Editor di testo formattato</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
</context>
<context>
    <name>TSelectRecurringDates</name>
    <message>
        <source>Select Recurring Dates To Use</source>
        <translation>Scegli le date ricorrenti da usare</translation>
    </message>
</context>
<context>
    <name>TSetProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pages done</source>
        <translation>
            <numerusform>%1 di %n pagina completata</numerusform>
            <numerusform>%1 di %n pagine completate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSetTimeDialog</name>
    <message>
        <source>Set Time As: %1:%2 %3</source>
        <translation>Imposta l&apos;ora a: %1:%2 %3</translation>
    </message>
    <message>
        <source>am</source>
        <translation>am</translation>
    </message>
    <message>
        <source>pm</source>
        <translation>pm</translation>
    </message>
    <message>
        <source>  Hour</source>
        <translation>  Ora</translation>
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
        <translation>Fai clic per impostare le ore</translation>
    </message>
    <message>
        <source>  Minute</source>
        <translation>  Minuti</translation>
    </message>
    <message>
        <source>Click to set the minutes portion of the time</source>
        <translation>Fai clic per impostare i minuti</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>TSplashform</name>
    <message>
        <source>About Datewright</source>
        <translation>Informazioni su Datewright</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>%1-bit version</source>
        <translation>Versione a %1 bit</translation>
    </message>
    <message>
        <source>Calendar pages designed, filled and printed your way.</source>
        <translation>Pagine di calendario progettate, riempite e stampate a modo tuo.</translation>
    </message>
    <message>
        <source>Made by the Datewright developers - https://datewright.org/</source>
        <translation>Realizzato dagli sviluppatori di Datewright – https://datewright.org/</translation>
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
        <translation>Carica immagine di trama</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>Errore durante il caricamento del file!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>TSuperTextGetSymbol</name>
    <message>
        <source>Symbol Selector</source>
        <translation>Selettore di simboli</translation>
    </message>
    <message>
        <source>Select a symbol font set</source>
        <translation>Scegli un carattere di simboli</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copy the selected symbol to the label</source>
        <translation>Copia il simbolo scelto nell&apos;etichetta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No Symbol fonts installed</source>
        <translation>Nessun carattere di simboli installato</translation>
    </message>
</context>
<context>
    <name>TSuperTextProperties</name>
    <message>
        <source>SuperText Properties</source>
        <translation>Proprietà SuperText</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Carattere…</translation>
    </message>
    <message>
        <source>Select Symbol</source>
        <translation>Scegli simbolo</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Trasparente</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Trama</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Sfumatura</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Dal colore</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Al colore</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Carica trama</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Colore del carattere</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Colore contorno</translation>
    </message>
    <message>
        <source>Outline Style</source>
        <translation>Stile del contorno</translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation>Linea continua</translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation>Linea tratteggiata</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Linea punteggiata</translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation>Tratto-punto</translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation>Tratto-punto-punto</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Spessore del contorno</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Colore dell&apos;ombra</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Direzione dell&apos;ombra</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Down and Right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>Down and Left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Profondità dell&apos;ombra</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Inserisci del testo</translation>
    </message>
</context>
<context>
    <name>TTemplateDialog</name>
    <message>
        <source>New from Template</source>
        <translation>Nuovo da modello</translation>
    </message>
</context>
<context>
    <name>TUndoHistory</name>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>Nuovo oggetto</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Eliminazione oggetto</translation>
    </message>
    <message>
        <source>Object Change</source>
        <translation>Modifica oggetto</translation>
    </message>
    <message>
        <source>Cell Text</source>
        <translation>Testo della cella</translation>
    </message>
    <message>
        <source>Cell Texts</source>
        <translation>Testi delle celle</translation>
    </message>
</context>
<context>
    <name>TUserTitleForm</name>
    <message>
        <source>User Defined Title</source>
        <translation>Titolo personalizzato</translation>
    </message>
    <message>
        <source>Enter calendar title (leave blank for default):</source>
        <translation>Titolo del calendario (lascia vuoto per quello predefinito):</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TWPRichText</name>
    <message>
        <source>Please use Bitmap.</source>
        <translation>Usa una bitmap.</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>Wall photo calendar A4</source>
        <translation>Calendario fotografico da parete A4</translation>
    </message>
    <message>
        <source>Wall photo calendar Letter</source>
        <translation>Calendario fotografico da parete Letter</translation>
    </message>
    <message>
        <source>Desk calendar</source>
        <translation>Calendario da tavolo</translation>
    </message>
    <message>
        <source>Year at a glance</source>
        <translation>L&apos;anno in un colpo d&apos;occhio</translation>
    </message>
    <message>
        <source>Family week planner</source>
        <translation>Agenda settimanale di famiglia</translation>
    </message>
    <message>
        <source>Day planner</source>
        <translation>Agenda giornaliera</translation>
    </message>
    <message>
        <source>Birthday calendar</source>
        <translation>Calendario dei compleanni</translation>
    </message>
    <message>
        <source>Holiday calendar Canada</source>
        <translation>Calendario delle festività Canada</translation>
    </message>
    <message>
        <source>Holiday calendar France</source>
        <translation>Calendario delle festività Francia</translation>
    </message>
    <message>
        <source>Holiday calendar Germany</source>
        <translation>Calendario delle festività Germania</translation>
    </message>
    <message>
        <source>Holiday calendar Italy</source>
        <translation>Calendario delle festività Italia</translation>
    </message>
    <message>
        <source>Holiday calendar Spain</source>
        <translation>Calendario delle festività Spagna</translation>
    </message>
    <message>
        <source>Holiday calendar United Kingdom</source>
        <translation>Calendario delle festività Regno Unito</translation>
    </message>
    <message>
        <source>Holiday calendar United States</source>
        <translation>Calendario delle festività Stati Uniti</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <comment>The ISO 639 code of the language of this translation: de, fr, it or es</comment>
        <translation>it</translation>
    </message>
</context>
<context>
    <name>WeekNumbers</name>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>ISO 8601 (weeks from Monday)</source>
        <translation>ISO 8601 (settimane dal lunedì)</translation>
    </message>
    <message>
        <source>US (weeks from Sunday)</source>
        <translation>USA (settimane dalla domenica)</translation>
    </message>
</context>
<context>
    <name>WmfPicture</name>
    <message>
        <source>The metafile ends inside a record.</source>
        <translation>Il metafile termina all&apos;interno di un record.</translation>
    </message>
    <message>
        <source>A metafile record is smaller than its own header.</source>
        <translation>Un record del metafile è più piccolo della propria intestazione.</translation>
    </message>
    <message>
        <source>A metafile record runs past the end of the file.</source>
        <translation>Un record del metafile va oltre la fine del file.</translation>
    </message>
    <message>
        <source>The metafile has too many records.</source>
        <translation>Il metafile ha troppi record.</translation>
    </message>
    <message>
        <source>The metafile ends inside its headers.</source>
        <translation>Il metafile termina all&apos;interno delle sue intestazioni.</translation>
    </message>
    <message>
        <source>The metafile&apos;s bounding box is empty.</source>
        <translation>Il riquadro di delimitazione del metafile è vuoto.</translation>
    </message>
    <message>
        <source>This is not a Windows metafile.</source>
        <translation>Questo non è un metafile di Windows.</translation>
    </message>
</context>
<context>
    <name>datewright-render</name>
    <message>
        <source>the line ends in a backslash</source>
        <translation>la riga termina con una barra rovesciata</translation>
    </message>
    <message>
        <source>a single quote is not closed</source>
        <translation>un apice singolo non è chiuso</translation>
    </message>
    <message>
        <source>a double quote is not closed</source>
        <translation>un doppio apice non è chiuso</translation>
    </message>
    <message>
        <source>a job cannot run a batch of its own</source>
        <translation>un lavoro non può eseguire un proprio batch</translation>
    </message>
    <message>
        <source>--jobs goes on the command line, beside --batch</source>
        <translation>--jobs va sulla riga di comando, accanto a --batch</translation>
    </message>
    <message>
        <source>--help is not a job</source>
        <translation>--help non è un lavoro</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>la riga supera %1 byte</translation>
    </message>
    <message>
        <source>cannot read the batch %1: %2</source>
        <translation>impossibile leggere il batch %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n jobs failed</source>
        <translation>
            <numerusform>%1 di %n lavoro non riuscito</numerusform>
            <numerusform>%1 di %n lavori non riusciti</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1: %2 (at byte %3)</source>
        <translation>impossibile leggere %1: %2 (al byte %3)</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot; files: use .png, .bmp, .jpg or .pdf</source>
        <translation>impossibile scrivere file «%1»: usa .png, .bmp, .jpg o .pdf</translation>
    </message>
    <message>
        <source>--dpi sets the resolution of .png, .bmp and .jpg pictures</source>
        <translation>--dpi imposta la risoluzione delle immagini .png, .bmp e .jpg</translation>
    </message>
    <message>
        <source>--save writes .DWC documents or .DWS style sheets</source>
        <translation>--save scrive documenti .DWC o fogli di stile .DWS</translation>
    </message>
    <message>
        <source>the margins leave no picture to write</source>
        <translation>i margini non lasciano alcuna immagine da scrivere</translation>
    </message>
    <message>
        <source>cannot write %1: the picture could not be encoded</source>
        <translation>impossibile scrivere %1: l&apos;immagine non è stata codificata</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>the margins leave no page: together they are as wide or as tall as the paper</source>
        <translation>i margini non lasciano alcuna pagina: insieme sono larghi o alti quanto la carta</translation>
    </message>
    <message>
        <source>--batch takes no options but --jobs: each line of the batch gives its job&apos;s own</source>
        <translation>--batch non accetta opzioni tranne --jobs: ogni riga del batch indica quelle del proprio lavoro</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>invalid value for %1: &quot;%2&quot;</source>
        <translation>valore non valido per %1: «%2»</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>more than one document given: %1</source>
        <translation>più di un documento indicato: %1</translation>
    </message>
    <message>
        <source>give --scale or --dpi, not both</source>
        <translation>indica --scale o --dpi, non entrambi</translation>
    </message>
    <message>
        <source>no border picture named &quot;%1&quot;</source>
        <translation>nessuna immagine di bordo di nome «%1»</translation>
    </message>
    <message>
        <source>there is no %1 %2 %3</source>
        <translation>non esiste %1 %2 %3</translation>
    </message>
    <message>
        <source>-o is given twice: give one output</source>
        <translation>-o è indicato due volte: indica una sola uscita</translation>
    </message>
    <message>
        <source>--pictures: the page has no picture object marked &quot;One Picture per Page&quot;</source>
        <translation>--pictures: la pagina non ha alcun oggetto immagine segnato «Un&apos;immagine per pagina»</translation>
    </message>
    <message>
        <source>written, but pictures could not be read and their pages show the design&apos;s picture: %1</source>
        <translation>scritto, ma alcune immagini non si sono potute leggere e le loro pagine mostrano l&apos;immagine del modello: %1</translation>
    </message>
    <message>
        <source>there is no template &quot;%1&quot;</source>
        <translation>non esiste il modello &quot;%1&quot;</translation>
    </message>
    <message>
        <source>give a document or --template, not both</source>
        <translation>indicare un documento o --template, non entrambi</translation>
    </message>
    <message>
        <source>--bleed lays out .pdf files for a print service</source>
        <translation>--bleed impagina file .pdf per una tipografia</translation>
    </message>
    <message>
        <source>A document that keeps a set of pages (chosen in the program) gives --count
what the options do not: its start (unless --month, --year or --day), its
fill (unless --fill), its pictures (unless --pictures) and its cover, the
first of the N pages, which takes the first picture.
</source>
        <translation>Un documento che conserva una serie di pagine (scelta nel programma) fornisce a
--count ciò che le opzioni non danno: il suo inizio (salvo --month, --year o
--day), il riempimento (salvo --fill), le immagini (salvo --pictures) e la
copertina, la prima delle N pagine, che prende la prima immagine.
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
        <translation>Uso: datewright-render [DOCUMENTO.DWC] [opzioni]
Disegna una pagina di calendario: il documento indicato, o una nuova pagina nello
stile predefinito per oggi. Le opzioni si applicano in quest&apos;ordine:
  --template NOME        partire dal modello NOME (al posto di un documento)
  --style FILE.DWS       prendere lo stile di un foglio di stile
  --layout N|NOME        layout 0-21 o il suo nome (ad es. loFCMinisInTitleLS)
  --paper letter|a4      formato della carta
  --margins S,A,D,B      margini in pollici (da 0 a 5)
  --border NOME          immagine di bordo dalla cartella Borders del programma
  --week-start sunday|monday
  --week-numbers none|iso|us
                         numeri delle settimane: ISO 8601 (la settimana 1
                         contiene il 4 gennaio) o US (settimane dalla
                         domenica, la settimana 1 contiene il 1º gennaio)
  --month M  --year A  --day G
  --scale S              zoom, da 0,1 a 10 (predefinito 1)
  --dpi N                immagini a N punti per pollice, da 10 a 960 (ad es.
                         300 per la stampa), al posto di --scale
Output:
  -o FILE                scrivere .png, .bmp o .jpg (la pagina entro i suoi
                         margini allo zoom; JPEG tramite la libreria delle
                         immagini con qualità 80) o .pdf (vettoriale, sulla
                         carta della pagina)
  --count N              N mesi consecutivi (settimane, giorni per le
                         agende): pagine PDF o file di immagine numerati
                         (page-1.png, …); le celle scritte nel documento
                         restano solo sul suo mese (settimana, giorno)
  --fill ORIGINE         riempire le celle dei giorni delle pagine scritte da
                         ORIGINE: un file di date ricorrenti (.DAX),
                         holidays:CODICE per un insieme di festività accanto
                         al programma (US, UK, CA, FR, DE, IT, ES o il nome
                         dell&apos;insieme, ad es. &quot;holidays:United Kingdom&quot;), o
                         un file iCalendar (.ics), i cui eventi cadono nei
                         giorni e nelle ore dell&apos;orologio di questo computer;
                         --save e --info danno allora la pagina riempita
  --pictures CARTELLA|ELENCO
                         le immagini proprie delle pagine, negli oggetti
                         immagine segnati «Un&apos;immagine per pagina»: le
                         immagini di CARTELLA in ordine di nome, o quelle che
                         ELENCO (un file di testo) nomina, una per riga; le
                         pagine dopo l&apos;ultima mantengono l&apos;immagine del modello
  --bleed MM             un PDF per una tipografia: ogni pagina su un foglio
                         più grande di un&apos;abbondanza di MM millimetri (da 0 a
                         10; di solito 3); immagini e bordi che toccano il
                         margine della pagina vi proseguono, con i crocini di
                         taglio all&apos;esterno
  --no-crop-marks        con --bleed, senza crocini di taglio: il foglio è allora
                         solo la pagina con la sua abbondanza
  --geometry             stampare la geometria della pagina come un oggetto
                         JSON
  --save FILE            scrivere la pagina come documento .DWC o foglio di
                         stile .DWS
  --info                 stampare stile, date, testi delle celle e oggetti
                         della pagina come un oggetto JSON; &quot;cells&quot; elenca
                         ogni cella con testo: {&quot;index&quot;: 1-42, &quot;day&quot;: N,
                         &quot;text&quot;: i suoi paragrafi uniti da a capo}
  --list-templates       stampare i nomi dei modelli, uno per riga
  --help                 mostrare questo testo
Più lavori in un&apos;esecuzione:
  --batch FILE           eseguire i lavori di FILE (- per lo standard input),
                         uno per riga, ciascuno con le opzioni di una
                         chiamata; le parole si separano agli spazi, gli apici
                         &apos;singoli&apos; e &quot;doppi&quot; conservano gli spazi, una barra
                         rovesciata conserva il carattere che la segue (tra
                         apici doppi solo \&quot; e \\), # inizia un commento, le
                         righe vuote vengono saltate. Un lavoro non riuscito
                         viene segnalato con il suo numero di riga e gli
                         altri vengono eseguiti comunque; lo stato di uscita
                         è 0 solo se ogni lavoro è riuscito. Nessun file
                         resta scritto a metà.
  --jobs N               disegnare fino a N immagini (o lavori del batch)
                         insieme, da 1 a 64 (predefinito: il numero di
                         processori); le pagine di un PDF vengono disegnate
                         una dopo l&apos;altra
</translation>
    </message>
</context>
</TS>
