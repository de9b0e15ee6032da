<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CalendarPageFile</name>
    <message>
        <source>%1 %2 is outside %3 to %4</source>
        <translation>%1 %2 est en dehors de %3 à %4</translation>
    </message>
    <message>
        <source>margin</source>
        <translation>marge</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>taille de police</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>version</source>
        <translation>version</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>type</translation>
    </message>
    <message>
        <source>cell text: %1</source>
        <translation>texte de cellule&#xa0;: %1</translation>
    </message>
    <message>
        <source>start of week</source>
        <translation>début de semaine</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>year</source>
        <translation>année</translation>
    </message>
    <message>
        <source>A picture in this calendar is too large to show: it is drawn as an empty frame and kept as it is.</source>
        <translation>Une image de ce calendrier est trop grande pour être affichée&#xa0;: elle est dessinée comme un cadre vide et conservée telle quelle.</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures in this calendar are too large to show: they are drawn as empty frames and kept as they are.</source>
        <translation>
            <numerusform>%n image de ce calendrier est trop grande pour être affichée&#xa0;: elle est dessinée comme un cadre vide et conservée telle quelle.</numerusform>
            <numerusform>%n images de ce calendrier sont trop grandes pour être affichées&#xa0;: elles sont dessinées comme des cadres vides et conservées telles quelles.</numerusform>
        </translation>
    </message>
    <message>
        <source>calendar document</source>
        <extracomment>%2 of &quot;at %1 MB it is larger than any %2 can be (%3 MB)&quot;</extracomment>
        <translation>un document de calendrier</translation>
    </message>
    <message>
        <source>style sheet</source>
        <extracomment>%2 of &quot;at %1 MB it is larger than any %2 can be (%3 MB)&quot;</extracomment>
        <translation>une feuille de style</translation>
    </message>
</context>
<context>
    <name>CellAppend</name>
    <message numerus="yes">
        <source>+ %n more</source>
        <translation>
            <numerusform>+ %n autre</numerusform>
            <numerusform>+ %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColorList</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
</context>
<context>
    <name>DesignMenu</name>
    <message>
        <source>Unable to write the clipboard file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier du presse-papiers %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Bring To Front</source>
        <translation>Premier plan</translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Align Tops</source>
        <translation>Aligner en haut</translation>
    </message>
    <message>
        <source>Align Bottoms</source>
        <translation>Aligner en bas</translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation>Centrer verticalement</translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation>Centrer horizontalement</translation>
    </message>
    <message>
        <source>Lock All</source>
        <translation>Tout verrouiller</translation>
    </message>
    <message>
        <source>Unlock All</source>
        <translation>Tout déverrouiller</translation>
    </message>
    <message>
        <source>Mark All Selectable</source>
        <translation>Tout rendre sélectionnable</translation>
    </message>
    <message>
        <source>Mark All Unselectable</source>
        <translation>Tout rendre non sélectionnable</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Unselectable</source>
        <translation>Non sélectionnable</translation>
    </message>
    <message>
        <source>Load Image From Disk</source>
        <translation>Charger une image depuis le disque</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>Stretch to Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Taille automatique</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>3D Effects</source>
        <translation>Effets 3D</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>No Rotation</source>
        <translation>Aucune rotation</translation>
    </message>
    <message>
        <source>90 Degrees</source>
        <translation>90 degrés</translation>
    </message>
    <message>
        <source>180 Degrees</source>
        <translation>180 degrés</translation>
    </message>
    <message>
        <source>270 Degrees</source>
        <translation>270 degrés</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Image entière</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>One Picture per Page</source>
        <translation>Une image par page</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Qu&apos;est-ce que c&apos;est&#xa0;?</translation>
    </message>
</context>
<context>
    <name>FillSource</name>
    <message>
        <source>cannot read the holiday set %1: %2</source>
        <translation>impossible de lire le jeu de jours fériés %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no holiday set &quot;%1&quot;: the sets are %2</source>
        <translation>aucun jeu de jours fériés «&#xa0;%1&#xa0;»&#xa0;: les jeux sont %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no file %1 to fill the days from</source>
        <translation>aucun fichier %1 pour remplir les jours</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>the file is larger than a help file can be</source>
        <translation>le fichier est plus grand qu&apos;un fichier d&apos;aide ne peut l&apos;être</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <source>The file&apos;s components are nested too deeply.</source>
        <translation>Les composants du fichier sont imbriqués trop profondément.</translation>
    </message>
    <message>
        <source>The file has END:%1 where it does not belong.</source>
        <translation>Le fichier contient END:%1 là où il n&apos;a pas sa place.</translation>
    </message>
    <message>
        <source>The file ends before END:%1.</source>
        <translation>Le fichier se termine avant END:%1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Le fichier dépasse %1 Mo.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file.</source>
        <translation>Ce n&apos;est pas un fichier iCalendar.</translation>
    </message>
    <message>
        <source>The calendar would be larger than %1 MB, more than the program reads back; export fewer dates.</source>
        <translation>Le calendrier dépasserait %1 Mo, plus que ce que le programme peut relire&#xa0;; exportez moins de dates.</translation>
    </message>
    <message>
        <source>changes one date of another event</source>
        <translation>modifie une date d&apos;un autre événement</translation>
    </message>
    <message>
        <source>has an unreadable %1</source>
        <translation>a un %1 illisible</translation>
    </message>
    <message>
        <source>has no start date</source>
        <translation>n&apos;a pas de date de début</translation>
    </message>
    <message>
        <source>has an unreadable start date</source>
        <translation>a une date de début illisible</translation>
    </message>
    <message>
        <source>has several rules</source>
        <translation>a plusieurs règles</translation>
    </message>
    <message>
        <source>has added or left-out dates</source>
        <translation>a des dates ajoutées ou exclues</translation>
    </message>
    <message>
        <source>lasts several days</source>
        <translation>dure plusieurs jours</translation>
    </message>
    <message>
        <source>lasts more than %1 days</source>
        <translation>dure plus de %1 jours</translation>
    </message>
    <message>
        <source>lists more than %1 dates</source>
        <translation>énumère plus de %1 dates</translation>
    </message>
    <message>
        <source>has an unreadable date</source>
        <translation>a une date illisible</translation>
    </message>
    <message>
        <source>has left-out dates</source>
        <translation>a des dates exclues</translation>
    </message>
    <message>
        <source>(no title)</source>
        <translation>(sans titre)</translation>
    </message>
    <message>
        <source>limits a daily or weekly rule to months or days</source>
        <translation>limite une règle quotidienne ou hebdomadaire à des mois ou des jours</translation>
    </message>
    <message>
        <source>numbers the weekdays of a weekly rule</source>
        <translation>numérote les jours de la semaine d&apos;une règle hebdomadaire</translation>
    </message>
    <message>
        <source>names a month that does not exist</source>
        <translation>nomme un mois qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>numbers the weekdays of the whole year</source>
        <translation>numérote les jours de la semaine de toute l&apos;année</translation>
    </message>
    <message>
        <source>picks days by their position in a set</source>
        <translation>choisit des jours selon leur position dans un ensemble</translation>
    </message>
    <message>
        <source>combines days of the month with weekdays</source>
        <translation>combine des jours du mois et des jours de la semaine</translation>
    </message>
    <message>
        <source>falls on more than %1 days of the year</source>
        <translation>tombe sur plus de %1 jours de l&apos;année</translation>
    </message>
    <message>
        <source>counts days from the end of the month</source>
        <translation>compte les jours à partir de la fin du mois</translation>
    </message>
    <message>
        <source>repeats on every weekday of some months</source>
        <translation>se répète chaque jour de la semaine de certains mois</translation>
    </message>
    <message>
        <source>names a weekday beyond the fifth of a month</source>
        <translation>nomme un jour de la semaine au-delà du cinquième d&apos;un mois</translation>
    </message>
    <message>
        <source>falls on no day</source>
        <translation>ne tombe sur aucun jour</translation>
    </message>
    <message>
        <source>repeats at an interval of %1</source>
        <translation>se répète à un intervalle de %1</translation>
    </message>
    <message>
        <source>stops after a count or a date</source>
        <translation>s&apos;arrête après un nombre ou une date</translation>
    </message>
    <message>
        <source>uses %1</source>
        <translation>utilise %1</translation>
    </message>
    <message>
        <source>repeats %1</source>
        <translation>se répète %1</translation>
    </message>
</context>
<context>
    <name>IconLibraryWriter</name>
    <message>
        <source>no icons that an icon library can hold</source>
        <translation>aucune icône qu&apos;une bibliothèque d&apos;icônes puisse contenir</translation>
    </message>
</context>
<context>
    <name>LumImage</name>
    <message>
        <source>Error loading file!</source>
        <translation>Erreur lors du chargement du fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
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
        <translation>Un fichier DLL requis, NViewLib.dll, est introuvable.</translation>
    </message>
    <message>
        <source>Error Starting NViewLib.dll</source>
        <translation>Erreur au démarrage de NViewLib.dll</translation>
    </message>
</context>
<context>
    <name>NViewPictures</name>
    <message>
        <source>the picture library could not read the picture</source>
        <translation>la bibliothèque d&apos;images n&apos;a pas pu lire l&apos;image</translation>
    </message>
    <message>
        <source>the picture library is missing</source>
        <translation>la bibliothèque d&apos;images est absente</translation>
    </message>
    <message>
        <source>the picture library could not write it</source>
        <translation>la bibliothèque d&apos;images n&apos;a pas pu l&apos;écrire</translation>
    </message>
    <message>
        <source>no temporary file could be made for the picture library</source>
        <translation>aucun fichier temporaire n&apos;a pu être créé pour la bibliothèque d&apos;images</translation>
    </message>
    <message>
        <source>the temporary file for the picture library could not be written: %1</source>
        <translation>le fichier temporaire de la bibliothèque d&apos;images n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PagePictures</name>
    <message>
        <source>%1 holds no pictures</source>
        <translation>%1 ne contient aucune image</translation>
    </message>
    <message>
        <source>%1 names no pictures</source>
        <translation>%1 ne nomme aucune image</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>list of pictures</source>
        <translation>liste d&apos;images</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>the PDF could not be begun</source>
        <translation>le PDF n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>stopped before page %1 of %2</source>
        <translation>arrêté avant la page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the margins leave no picture to write</source>
        <translation>les marges ne laissent aucune image à écrire</translation>
    </message>
</context>
<context>
    <name>PictureResolution</name>
    <message>
        <source>%1 at %2 dots per inch (%3)</source>
        <translation>%1 à %2 points par pouce (%3)</translation>
    </message>
    <message>
        <source>Saved as %1<byte value="xd"/><byte value="xd"/>The calendar has been saved at %2 dots per inch.</source>
        <translation>Enregistré sous %1<byte value="xd"/><byte value="xd"/>Le calendrier a été enregistré à %2 points par pouce.</translation>
    </message>
    <message>
        <source>Saved as %1<byte value="xd"/><byte value="xd"/>Note: the calendar has been saved at its<byte value="xd"/>current magnification level of %2%</source>
        <translation>Enregistré sous %1<byte value="xd"/><byte value="xd"/>Remarque&#xa0;: le calendrier a été enregistré à son<byte value="xd"/>niveau d&apos;agrandissement actuel de %2 %</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>not an icon file</source>
        <translation>ce n&apos;est pas un fichier d&apos;icônes</translation>
    </message>
    <message>
        <source>the icon file holds no images</source>
        <translation>le fichier d&apos;icônes ne contient aucune image</translation>
    </message>
    <message>
        <source>the icon file&apos;s directory runs past its end</source>
        <translation>le répertoire du fichier d&apos;icônes dépasse sa fin</translation>
    </message>
    <message>
        <source>an image of the icon file runs past its end</source>
        <translation>une image du fichier d&apos;icônes dépasse sa fin</translation>
    </message>
    <message>
        <source>an image of the icon file is larger than its data</source>
        <translation>une image du fichier d&apos;icônes est plus grande que ses données</translation>
    </message>
    <message>
        <source>no image of the icon file could be read</source>
        <translation>aucune image du fichier d&apos;icônes n&apos;a pu être lue</translation>
    </message>
    <message>
        <source>the picture&apos;s class name runs past its data</source>
        <translation>le nom de classe de l&apos;image dépasse ses données</translation>
    </message>
    <message>
        <source>pictures of the class %1 are not drawn</source>
        <translation>les images de la classe %1 ne sont pas dessinées</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture</source>
        <translation>%1 est trop grand pour être une image</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>%1 is not a bitmap, icon or metafile</source>
        <translation>%1 n&apos;est ni un bitmap, ni une icône, ni un métafichier</translation>
    </message>
    <message>
        <source>the picture library could not read %1</source>
        <translation>la bibliothèque d&apos;images n&apos;a pas pu lire %1</translation>
    </message>
    <message>
        <source>picture size %1 x %2 is out of range</source>
        <translation>la taille d&apos;image %1 × %2 est hors limites</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>mémoire insuffisante pour l&apos;image</translation>
    </message>
    <message>
        <source>bitmap bit field masks run past the end of the data</source>
        <translation>les masques de champs de bits du bitmap dépassent la fin des données</translation>
    </message>
    <message>
        <source>bitmap palette runs past the end of the data</source>
        <translation>la palette du bitmap dépasse la fin des données</translation>
    </message>
    <message>
        <source>bitmap pixel data offset is outside the data</source>
        <translation>le décalage des pixels du bitmap est en dehors des données</translation>
    </message>
    <message>
        <source>bitmap size %1 x %2 is out of range</source>
        <translation>la taille de bitmap %1 × %2 est hors limites</translation>
    </message>
    <message>
        <source>bitmap size is far beyond what its RLE data can hold</source>
        <translation>la taille du bitmap dépasse de loin ce que ses données RLE peuvent contenir</translation>
    </message>
    <message>
        <source>bitmap pixel data runs past the end of the data</source>
        <translation>les pixels du bitmap dépassent la fin des données</translation>
    </message>
    <message>
        <source>bitmap header runs past the end of the data</source>
        <translation>l&apos;en-tête du bitmap dépasse la fin des données</translation>
    </message>
    <message>
        <source>unsupported bitmap header size %1</source>
        <translation>taille d&apos;en-tête de bitmap %1 non prise en charge</translation>
    </message>
    <message>
        <source>unsupported bitmap depth of %1 bits</source>
        <translation>profondeur de bitmap de %1 bits non prise en charge</translation>
    </message>
    <message>
        <source>RLE8 needs 8 bits per pixel</source>
        <translation>RLE8 exige 8 bits par pixel</translation>
    </message>
    <message>
        <source>RLE4 needs 4 bits per pixel</source>
        <translation>RLE4 exige 4 bits par pixel</translation>
    </message>
    <message>
        <source>bit fields need 16 or 32 bits per pixel</source>
        <translation>les champs de bits exigent 16 ou 32 bits par pixel</translation>
    </message>
    <message>
        <source>unsupported bitmap compression %1</source>
        <translation>compression de bitmap %1 non prise en charge</translation>
    </message>
    <message>
        <source>colour table of %1 entries is too large for %2 bits per pixel</source>
        <translation>une table de %1 couleurs est trop grande pour %2 bits par pixel</translation>
    </message>
    <message>
        <source>palette index %1 is beyond the %2-colour palette</source>
        <translation>l&apos;indice de palette %1 dépasse la palette de %2 couleurs</translation>
    </message>
    <message>
        <source>RLE data ends before the end of the picture</source>
        <translation>les données RLE se terminent avant la fin de l&apos;image</translation>
    </message>
    <message>
        <source>RLE run past the end of the picture&apos;s row</source>
        <translation>une séquence RLE dépasse la fin de la ligne de l&apos;image</translation>
    </message>
    <message>
        <source>RLE data ends inside a delta</source>
        <translation>les données RLE se terminent au milieu d&apos;un déplacement</translation>
    </message>
    <message>
        <source>RLE delta moves past the picture</source>
        <translation>un déplacement RLE sort de l&apos;image</translation>
    </message>
    <message>
        <source>RLE data ends inside an absolute run</source>
        <translation>les données RLE se terminent au milieu d&apos;une séquence absolue</translation>
    </message>
</context>
<context>
    <name>PlannerLabels</name>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
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
        <translation>%1, semaines %2-%3</translation>
    </message>
    <message>
        <source>%1, Week %2</source>
        <comment>title, week number</comment>
        <translation>%1, semaine %2</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Left Margin is possibly outside of Printer printable area</source>
        <translation>La marge de gauche est peut-être en dehors de la zone imprimable</translation>
    </message>
    <message>
        <source>Top Margin is possibly outside of Printer printable area</source>
        <translation>La marge du haut est peut-être en dehors de la zone imprimable</translation>
    </message>
    <message>
        <source>Right Margin is possibly outside of Printer printable area</source>
        <translation>La marge de droite est peut-être en dehors de la zone imprimable</translation>
    </message>
    <message>
        <source>Bottom Margin is possibly outside of Printer printable area</source>
        <translation>La marge du bas est peut-être en dehors de la zone imprimable</translation>
    </message>
    <message>
        <source>Margin Warning:</source>
        <translation>Avertissement sur les marges&#xa0;:</translation>
    </message>
    <message>
        <source>Print anyways?</source>
        <translation>Imprimer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Margin Warning</source>
        <translation>Avertissement sur les marges</translation>
    </message>
    <message>
        <source>Print job completed and sent to printer!<byte value="xd"/><byte value="xd"/>Note: this design contains complex shapes or text.<byte value="xd"/>Please be patient while the printer produces its<byte value="xd"/>output...</source>
        <translation>Travail d&apos;impression terminé et envoyé à l&apos;imprimante&#xa0;!</translation>
    </message>
    <message>
        <source>Print job completed and sent to printer!</source>
        <translation>Travail d&apos;impression terminé et envoyé à l&apos;imprimante&#xa0;!<byte value="xd"/><byte value="xd"/>Remarque&#xa0;: ce modèle contient des formes ou du texte complexes.<byte value="xd"/>Veuillez patienter pendant que l&apos;imprimante produit<byte value="xd"/>sa sortie…</translation>
    </message>
</context>
<context>
    <name>PrinterCheck</name>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Unable to perform printer related operations</source>
        <translation>Aucune imprimante n&apos;est installée.<byte value="xd"/>
Impossible d&apos;effectuer les opérations liées à l&apos;imprimante</translation>
    </message>
    <message>
        <source>There is no default printer selected.<byte value="xd"/>
Unable to perform printer related operations</source>
        <translation>Aucune imprimante par défaut n&apos;est sélectionnée.<byte value="xd"/>
Impossible d&apos;effectuer les opérations liées à l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>PropertiesPrompts</name>
    <message>
        <source>Calendar Style Sheet (*.DWS *.dws)</source>
        <translation>Feuille de style de calendrier (*.DWS *.dws)</translation>
    </message>
    <message>
        <source>Save As Calendar Style Sheet</source>
        <translation>Enregistrer comme feuille de style de calendrier</translation>
    </message>
    <message>
        <source>MyStyle.DWS</source>
        <translation>MonStyle.DWS</translation>
    </message>
    <message>
        <source>Open Calendar Style Sheet</source>
        <translation>Ouvrir une feuille de style de calendrier</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>not a recovery copy</source>
        <translation>ce n&apos;est pas une copie de récupération</translation>
    </message>
    <message>
        <source>truncated</source>
        <translation>tronqué</translation>
    </message>
    <message>
        <source>truncated cells</source>
        <translation>cellules tronquées</translation>
    </message>
    <message>
        <source>truncated objects</source>
        <translation>objets tronqués</translation>
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
        <translation>Dernier jour %1</translation>
    </message>
    <message>
        <source>%1 Day %2</source>
        <translation>%1 jour %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <translation>Dernier %1 de %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 de %3</translation>
    </message>
    <message>
        <source>%1 on or before %2</source>
        <translation>%1 le ou avant le %2</translation>
    </message>
    <message>
        <source>%1 on or after %2</source>
        <translation>%1 le ou après le %2</translation>
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
        <translation>Du %1 au %2</translation>
    </message>
    <message>
        <source>Each Month</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>the ordinal of one, 1st</comment>
        <translation>%1er</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>an ordinal ending in 1, as 21st</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>RecurringFile</name>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Le fichier dépasse %1 Mo.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>ce n&apos;est pas un fichier mais un dossier, un périphérique ou un tube</translation>
    </message>
    <message>
        <source>at %1 MB it is larger than any %2 can be (%3 MB)</source>
        <translation>avec %1 Mo, le fichier dépasse la taille que peut avoir %2 (%3 Mo)</translation>
    </message>
    <message>
        <source>it grew while it was read</source>
        <translation>le fichier a grossi pendant sa lecture</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not RTF: the text does not start with {\rtf.</source>
        <translation>Pas du RTF&#xa0;: le texte ne commence pas par {\<byte value="xd"/>tf.</translation>
    </message>
    <message>
        <source>RTF groups are nested more than %1 deep.</source>
        <translation>Les groupes RTF sont imbriqués sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>The RTF text ends before its last group is closed (%1 open): it is truncated.</source>
        <translation>Le texte RTF se termine avant la fermeture de son dernier groupe (%1 ouverts)&#xa0;: il est tronqué.</translation>
    </message>
</context>
<context>
    <name>SaveFiles</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>le fichier n&apos;a pas pu être écrit entièrement</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>il n&apos;y a aucune image à écrire</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>aucun nom de fichier</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>ce n&apos;est pas un fichier mais un dossier, un périphérique ou un tube</translation>
    </message>
    <message>
        <source>it is a link another user made in a folder anyone may write to</source>
        <translation>c&apos;est un lien créé par un autre utilisateur dans un dossier où tout le monde peut écrire</translation>
    </message>
    <message>
        <source>it is a link that leads through too many others</source>
        <translation>c&apos;est un lien qui passe par trop d&apos;autres liens</translation>
    </message>
</context>
<context>
    <name>SetChoice</name>
    <message>
        <source>Cover</source>
        <translation>Couverture</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>StreamReader</name>
    <message>
        <source>unknown font style %1</source>
        <translation>style de police inconnu %1</translation>
    </message>
    <message>
        <source>child components are not supported</source>
        <translation>les composants enfants ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>unknown class %1</source>
        <translation>classe inconnue %1</translation>
    </message>
    <message>
        <source>unexpected end of input: %1 bytes needed, %2 left</source>
        <translation>fin inattendue des données&#xa0;: %1 octets nécessaires, %2 restants</translation>
    </message>
    <message>
        <source>expected %1, found type %2</source>
        <translation>%1 attendu, type %2 trouvé</translation>
    </message>
    <message>
        <source>the start of a list</source>
        <translation>le début d&apos;une liste</translation>
    </message>
    <message>
        <source>the end of a list</source>
        <translation>la fin d&apos;une liste</translation>
    </message>
    <message>
        <source>expected an integer, found type %1</source>
        <translation>entier attendu, type %1 trouvé</translation>
    </message>
    <message>
        <source>expected a string, found type %1</source>
        <translation>chaîne attendue, type %1 trouvé</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>un identificateur</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>des données binaires</translation>
    </message>
    <message>
        <source>a set</source>
        <translation>un ensemble</translation>
    </message>
    <message>
        <source>nil</source>
        <translation>nil</translation>
    </message>
    <message>
        <source>a collection</source>
        <translation>une collection</translation>
    </message>
    <message>
        <source>unknown colour %1</source>
        <translation>couleur inconnue %1</translation>
    </message>
    <message>
        <source>values nested deeper than %1</source>
        <translation>valeurs imbriquées au-delà de %1</translation>
    </message>
    <message>
        <source>unknown value type %1</source>
        <translation>type de valeur inconnu %1</translation>
    </message>
    <message>
        <source>not a component stream</source>
        <translation>ce n&apos;est pas un flux de composants</translation>
    </message>
</context>
<context>
    <name>TCalendarMain</name>
    <message>
        <source>Hide Icon Tool</source>
        <translation>Masquer l&apos;outil Icônes</translation>
    </message>
    <message>
        <source>Show Icon Tool</source>
        <translation>Afficher l&apos;outil Icônes</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Impression de la page %p</translation>
    </message>
    <message>
        <source>Reopen</source>
        <translation>Rouvrir</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1.<byte value="xd"/>
Please open it in your browser.</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour afficher %1.<byte value="xd"/>
Veuillez l&apos;ouvrir dans votre navigateur.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>corrupted, possibly not a Calendar file</source>
        <translation>Impossible d&apos;ouvrir %1. Peut-être <byte value="xd"/>endommagé, peut-être pas un fichier de calendrier</translation>
    </message>
    <message>
        <source>Open Calendar File</source>
        <translation>Ouvrir un fichier de calendrier</translation>
    </message>
    <message>
        <source>Calendar File (*.DWC)</source>
        <translation>Fichier de calendrier (*.DWC)</translation>
    </message>
    <message>
        <source>Must be a Calendar file (*.DWC)</source>
        <translation>Doit être un fichier de calendrier (*.DWC)</translation>
    </message>
    <message>
        <source>File %1 no longer exists</source>
        <translation>Le fichier %1 n&apos;existe plus</translation>
    </message>
    <message>
        <source>Must be a Calendar file (*.DWC) or a Calendar Style Sheet (*.DWS)</source>
        <translation>Doit être un fichier de calendrier (*.DWC) ou une feuille de style de calendrier (*.DWS)</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>
corrupted, possibly not a Calendar Style file</source>
        <translation>Impossible d&apos;ouvrir %1. Peut-être <byte value="xd"/>
endommagé, peut-être pas une feuille de style de calendrier</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save Calendar File</source>
        <translation>Enregistrer le fichier de calendrier</translation>
    </message>
    <message>
        <source>Cancel all changes?</source>
        <translation>Annuler toutes les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save Calendar As Bitmap</source>
        <translation>Enregistrer le calendrier en bitmap</translation>
    </message>
    <message>
        <source>Bitmap File</source>
        <translation>Fichier bitmap</translation>
    </message>
    <message>
        <source>Save Calendar As JPG</source>
        <translation>Enregistrer le calendrier en JPG</translation>
    </message>
    <message>
        <source>JPG File</source>
        <translation>Fichier JPG</translation>
    </message>
    <message>
        <source>Save Calendar As PNG</source>
        <translation>Enregistrer le calendrier en PNG</translation>
    </message>
    <message>
        <source>PNG File</source>
        <translation>Fichier PNG</translation>
    </message>
    <message>
        <source>Unable to save %1</source>
        <translation>Impossible d&apos;enregistrer %1</translation>
    </message>
    <message>
        <source>Save Calendar As PDF</source>
        <translation>Enregistrer le calendrier en PDF</translation>
    </message>
    <message>
        <source>PDF File (*.PDF)</source>
        <translation>Fichier PDF (*.PDF)</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New </source>
        <translation>&amp;Nouveau </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save </source>
        <translation>&amp;Enregistrer </translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Save As Bitmap File</source>
        <translation>Enregistrer en fichier bitmap</translation>
    </message>
    <message>
        <source>Save As JPG File</source>
        <translation>Enregistrer en fichier JPG</translation>
    </message>
    <message>
        <source>Save As PNG File</source>
        <translation>Enregistrer en fichier PNG</translation>
    </message>
    <message>
        <source>Save As PDF File</source>
        <translation>Enregistrer en fichier PDF</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>User Defined Title</source>
        <translation>Titre personnalisé</translation>
    </message>
    <message>
        <source>&amp;Cancel Changes</source>
        <translation>Annuler les &amp;modifications</translation>
    </message>
    <message>
        <source>Clear &amp;All Cell Contents</source>
        <translation>Effa&amp;cer le contenu de toutes les cellules</translation>
    </message>
    <message>
        <source>&amp;Default Editor Font</source>
        <translation>Police par &amp;défaut de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Fill Calendar with Recurring Dates</source>
        <translation>Remplir le calendrier avec les dates récurrentes</translation>
    </message>
    <message>
        <source>Fill Calendar from iCalendar File...</source>
        <translation>Remplir le calendrier depuis un fichier iCalendar…</translation>
    </message>
    <message>
        <source>Edit Recurring Dates</source>
        <translation>Modifier les dates récurrentes</translation>
    </message>
    <message>
        <source>P&amp;rint Calendar</source>
        <translation>&amp;Imprimer le calendrier</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Configuration de l&apos;imp&amp;ression</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Online</source>
        <translation>En &amp;ligne</translation>
    </message>
    <message>
        <source>Visit Our Internet Website</source>
        <translation>Visiter notre site web</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Show Hints</source>
        <translation>&amp;Afficher les info-bulles</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Set/change Properties for the calendar</source>
        <translation>Définir/modifier les propriétés du calendrier</translation>
    </message>
    <message>
        <source>Print the calendar</source>
        <translation>Imprimer le calendrier</translation>
    </message>
    <message>
        <source>Selection tool</source>
        <translation>Outil de sélection</translation>
    </message>
    <message>
        <source>Label tool</source>
        <translation>Outil Étiquette</translation>
    </message>
    <message>
        <source>Clip Art Tool</source>
        <translation>Outil Images clipart</translation>
    </message>
    <message>
        <source>Rich Text tool <byte value="xd"/>Mixed fonts, colors and styles</source>
        <translation>Outil Texte enrichi <byte value="xd"/>Polices, couleurs et styles mélangés</translation>
    </message>
    <message>
        <source>SuperText tool <byte value="xd"/>Special Effects Text - fill with gradients or bitmaps</source>
        <translation>Outil SuperText <byte value="xd"/>Texte à effets spéciaux&#xa0;: rempli de dégradés ou de bitmaps</translation>
    </message>
    <message>
        <source>Floating Calendar tool <byte value="xd"/>Mini Calendar that you can place anywhere</source>
        <translation>Outil Calendrier flottant <byte value="xd"/>Mini-calendrier à placer n&apos;importe où</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save changes to the calendar</source>
        <translation>Enregistrer les modifications du calendrier</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel all changes</source>
        <translation>Annuler toutes les modifications</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unable to start the print job on %1</source>
        <translation>Impossible de lancer l&apos;impression sur %1</translation>
    </message>
    <message>
        <source>a calendar that was never saved</source>
        <translation>un calendrier jamais enregistré</translation>
    </message>
    <message>
        <source>Datewright did not close properly. Unsaved changes to %1 from %2 were kept.<byte value="xd"/><byte value="xd"/>Recover them?</source>
        <translation>Datewright ne s&apos;est pas fermé correctement. Les modifications non enregistrées de %1 du %2 ont été conservées.<byte value="xd"/><byte value="xd"/>Les récupérer&#xa0;?</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>The recovery file %1 is damaged (%2) and was set aside as %3.</source>
        <translation>Le fichier de récupération %1 est endommagé (%2) et a été mis de côté sous %3.</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Récupération</translation>
    </message>
    <message>
        <source>The recurring dates could not be read.<byte value="xd"/>
</source>
        <translation>Les dates récurrentes n&apos;ont pas pu être lues.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The old recurring dates file DWRECUR.DAT could not be converted; it is kept.<byte value="xd"/>
</source>
        <translation>L&apos;ancien fichier de dates récurrentes DWRECUR.DAT n&apos;a pas pu être converti&#xa0;; il est conservé.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Fill Calendar from iCalendar File</source>
        <translation>Remplir le calendrier depuis un fichier iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Fichiers iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The calendar could not be read.<byte value="xd"/>
</source>
        <translation>Le calendrier n&apos;a pas pu être lu.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>No events of the calendar fall in the current month</source>
        <translation>Aucun événement du calendrier ne tombe dans le mois en cours</translation>
    </message>
    <message>
        <source>No predefined dates match the current month</source>
        <translation>Aucune date prédéfinie ne correspond au mois en cours</translation>
    </message>
    <message>
        <source>Fill from Recurring Dates</source>
        <translation>Remplir avec les dates récurrentes</translation>
    </message>
    <message>
        <source>The days could not be filled.<byte value="xd"/>
</source>
        <translation>Les jours n&apos;ont pas pu être remplis.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Saving As PDF</source>
        <translation>Enregistrement en PDF</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Printing was cancelled. The pages drawn before may still be printed.</source>
        <translation>L&apos;impression a été annulée. Les pages dessinées auparavant peuvent encore être imprimées.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Undo Cell Text</source>
        <translation>Annuler le texte de la cellule</translation>
    </message>
    <message>
        <source>The pictures cannot be taken: %1</source>
        <translation>Impossible de prendre les images&#xa0;: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
These pictures could not be read; their pages show the design&apos;s picture:<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Ces images n&apos;ont pas pu être lues&#xa0;; leurs pages montrent l&apos;image du modèle&#xa0;:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>New from &amp;Template...</source>
        <translation>Nouveau à partir d&apos;un modè&amp;le…</translation>
    </message>
    <message>
        <source>Save As PDF for Printing...</source>
        <translation>Enregistrer en PDF pour l&apos;imprimeur...</translation>
    </message>
    <message>
        <source>Cover Page</source>
        <translation>Page de couverture</translation>
    </message>
    <message>
        <source>Edit Co&amp;ver Page</source>
        <translation>Modifier la pa&amp;ge de couverture</translation>
    </message>
    <message>
        <source>Set of Pages</source>
        <translation>Série de pages</translation>
    </message>
</context>
<context>
    <name>TCalendarProperties</name>
    <message>
        <source> [No Special Border]</source>
        <translation> [Aucune bordure spéciale]</translation>
    </message>
    <message>
        <source>¼ Inch</source>
        <translation>¼ pouce</translation>
    </message>
    <message>
        <source>½ Inch</source>
        <translation>½ pouce</translation>
    </message>
    <message>
        <source>¾ Inch</source>
        <translation>¾ pouce</translation>
    </message>
    <message>
        <source>1 Inch</source>
        <translation>1 pouce</translation>
    </message>
    <message>
        <source>1¼ Inch</source>
        <translation>1 pouce ¼</translation>
    </message>
    <message>
        <source>1½ Inch</source>
        <translation>1 pouce ½</translation>
    </message>
    <message>
        <source>Select Starting Date</source>
        <translation>Choisir la date de début</translation>
    </message>
    <message>
        <source>Select Month &amp; Year</source>
        <translation>Choisir le mois et l&apos;année</translation>
    </message>
    <message>
        <source>Must save as a Calendar Style Sheet (*.DWS)</source>
        <translation>Doit être enregistré comme feuille de style de calendrier (*.DWS)</translation>
    </message>
    <message>
        <source>Unable to save %1.<byte value="xd"/>
%2</source>
        <translation>Impossible d&apos;enregistrer %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Must be a Calendar Style Sheet (*.DWS)</source>
        <translation>Doit être une feuille de style de calendrier (*.DWS)</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>
corrupted, possibly not a Calendar Style file</source>
        <translation>Impossible d&apos;ouvrir %1. Peut-être <byte value="xd"/>
endommagé, peut-être pas une feuille de style de calendrier</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>Warning: changing to this type of layout<byte value="xd"/>will erase all text and icons from the current<byte value="xd"/>calendar. Proceed?</source>
        <translation>Avertissement&#xa0;: passer à ce type de mise en page<byte value="xd"/>effacera tous les textes et icônes du calendrier<byte value="xd"/>actuel. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Warning: The Calendar has one or more items<byte value="xd"/>placed on it using the Label, Clip Art, RichText,<byte value="xd"/>SuperText or Floating Calendar tools.<byte value="xd"/><byte value="xd"/>Changing Paper Size, Orientation, Layout, Margins or Border<byte value="xd"/>means you will have to reposition these items.<byte value="xd"/><byte value="xd"/>Proceed?</source>
        <translation>Avertissement&#xa0;: des éléments ont été placés sur le calendrier<byte value="xd"/>avec les outils Étiquette, Images clipart, Texte enrichi,<byte value="xd"/>SuperText ou Calendrier flottant.<byte value="xd"/><byte value="xd"/>Si vous changez le format, l&apos;orientation, la mise en page, les marges ou la bordure,<byte value="xd"/>vous devrez repositionner ces éléments.<byte value="xd"/><byte value="xd"/>Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>1 Month Calendar </source>
        <translation>Calendrier d&apos;un mois </translation>
    </message>
    <message>
        <source>1 Month Calendar, 2 Mini Calendars</source>
        <translation>Calendrier d&apos;un mois, 2 mini-calendriers</translation>
    </message>
    <message>
        <source>1 Month Calendar, 6 Mini Calendars Before &amp; After </source>
        <translation>Calendrier d&apos;un mois, 6 mini-calendriers avant et après </translation>
    </message>
    <message>
        <source>1 Month Calendar, 12 Mini Calendars After </source>
        <translation>Calendrier d&apos;un mois, 12 mini-calendriers après </translation>
    </message>
    <message>
        <source>6 Month Calendar (Mini Calendars)</source>
        <translation>Calendrier de 6 mois (mini-calendriers)</translation>
    </message>
    <message>
        <source>12 Month Calendar (Mini Calendars)</source>
        <translation>Calendrier de 12 mois (mini-calendriers)</translation>
    </message>
    <message>
        <source>24 Month Calendar (Mini Calendars)</source>
        <translation>Calendrier de 24 mois (mini-calendriers)</translation>
    </message>
    <message>
        <source>48 Month Calendar (Mini Calendars)</source>
        <translation>Calendrier de 48 mois (mini-calendriers)</translation>
    </message>
    <message>
        <source>60 Month Calendar (Mini Calendars)</source>
        <translation>Calendrier de 60 mois (mini-calendriers)</translation>
    </message>
    <message>
        <source>One Week Planner</source>
        <translation>Agenda d&apos;une semaine</translation>
    </message>
    <message>
        <source>Two Week Planner</source>
        <translation>Agenda de deux semaines</translation>
    </message>
    <message>
        <source>Day Planner (10 hours) </source>
        <translation>Agenda journalier (10 heures) </translation>
    </message>
    <message>
        <source>Day Planner (15 hours) </source>
        <translation>Agenda journalier (15 heures) </translation>
    </message>
    <message>
        <source>First Character</source>
        <translation>Première lettre</translation>
    </message>
    <message>
        <source>First Three Characters</source>
        <translation>Trois premières lettres</translation>
    </message>
    <message>
        <source>Whole Word</source>
        <translation>Mot entier</translation>
    </message>
    <message>
        <source>Calendar Properties</source>
        <translation>Propriétés du calendrier</translation>
    </message>
    <message>
        <source>Click a tab to work with a different aspect of <byte value="xd"/>this calendar&apos;s properties</source>
        <translation>Cliquez sur un onglet pour modifier un autre aspect <byte value="xd"/>des propriétés de ce calendrier</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Fonts, Colors</source>
        <translation>Polices, couleurs</translation>
    </message>
    <message>
        <source>Mini Fonts, Colors</source>
        <translation>Mini polices, couleurs</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>En-têtes</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Planners</source>
        <translation>Agendas</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Select Layout</source>
        <translation>Choisir la mise en page</translation>
    </message>
    <message>
        <source>Select a layout for the calendar from this list</source>
        <translation>Choisissez une mise en page pour le calendrier dans cette liste</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Select the orientation of the printed calendar</source>
        <translation>Choisissez l&apos;orientation du calendrier imprimé</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Select the size of paper the calendar is printed on</source>
        <translation>Choisissez le format du papier sur lequel le calendrier est imprimé</translation>
    </message>
    <message>
        <source>Click on a date to select it</source>
        <translation>Cliquez sur une date pour la sélectionner</translation>
    </message>
    <message>
        <source>Go back one year</source>
        <translation>Reculer d&apos;un an</translation>
    </message>
    <message>
        <source>Go back one month</source>
        <translation>Reculer d&apos;un mois</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Go to today&apos;s date</source>
        <translation>Aller à la date du jour</translation>
    </message>
    <message>
        <source>Go forward one month</source>
        <translation>Avancer d&apos;un mois</translation>
    </message>
    <message>
        <source>Go forward one year</source>
        <translation>Avancer d&apos;un an</translation>
    </message>
    <message>
        <source>Week Starts On</source>
        <translation>Début de semaine</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Select the day that the calendar week starts on</source>
        <translation>Choisissez le jour par lequel commence la semaine du calendrier</translation>
    </message>
    <message>
        <source>Show Year in Title</source>
        <translation>Année dans le titre</translation>
    </message>
    <message>
        <source>Check to show the year in the calendar&apos;s title</source>
        <translation>Cochez pour afficher l&apos;année dans le titre du calendrier</translation>
    </message>
    <message>
        <source>Show Year in Mini Title</source>
        <translation>Année dans le mini-titre</translation>
    </message>
    <message>
        <source>Check to show the year in the mini calendars&apos; titles</source>
        <translation>Cochez pour afficher l&apos;année dans les titres des mini-calendriers</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Click to choose the font</source>
        <translation>Cliquez pour choisir la police</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Click to choose the background color</source>
        <translation>Cliquez pour choisir la couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Fonts &amp; Colors</source>
        <translation>Polices et couleurs</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>Number Cells</source>
        <translation>Cases des numéros</translation>
    </message>
    <message>
        <source>Mini Fonts &amp; Colors</source>
        <translation>Mini polices et couleurs</translation>
    </message>
    <message>
        <source>Mini Title</source>
        <translation>Mini-titre</translation>
    </message>
    <message>
        <source>Mini Header</source>
        <translation>Mini-en-tête</translation>
    </message>
    <message>
        <source>Mini Number Cells</source>
        <translation>Mini-cases des numéros</translation>
    </message>
    <message>
        <source>Mini Calendar Background Color</source>
        <translation>Fond des mini-calendriers</translation>
    </message>
    <message>
        <source>Header Styles</source>
        <translation>Styles d&apos;en-tête</translation>
    </message>
    <message>
        <source>Header Style</source>
        <translation>Style d&apos;en-tête</translation>
    </message>
    <message>
        <source>Select how the day names are written</source>
        <translation>Choisissez comment les noms des jours sont écrits</translation>
    </message>
    <message>
        <source>Mini Header Style</source>
        <translation>Style de mini-en-tête</translation>
    </message>
    <message>
        <source>Select how the mini calendars&apos; day names are written</source>
        <translation>Choisissez comment les noms des jours des mini-calendriers sont écrits</translation>
    </message>
    <message>
        <source>Line Styles</source>
        <translation>Styles de lignes</translation>
    </message>
    <message>
        <source>Calendar Line Style</source>
        <translation>Lignes du calendrier</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Complet</translation>
    </message>
    <message>
        <source>Headers &amp; Cells</source>
        <translation>En-têtes et cases</translation>
    </message>
    <message>
        <source>Cells Only</source>
        <translation>Cases seules</translation>
    </message>
    <message>
        <source>Select the lines drawn on the calendar</source>
        <translation>Choisissez les lignes tracées sur le calendrier</translation>
    </message>
    <message>
        <source>Mini-Calendar Line Style</source>
        <translation>Lignes des mini-calendriers</translation>
    </message>
    <message>
        <source>Boxed</source>
        <translation>Encadré</translation>
    </message>
    <message>
        <source>Minimal</source>
        <translation>Minimal</translation>
    </message>
    <message>
        <source>Select the lines drawn on the mini calendars</source>
        <translation>Choisissez les lignes tracées sur les mini-calendriers</translation>
    </message>
    <message>
        <source>Day Planner</source>
        <translation>Agenda journalier</translation>
    </message>
    <message>
        <source>Starting Time (for day planners)</source>
        <translation>Heure de début (agendas journaliers)</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Régler l&apos;heure</translation>
    </message>
    <message>
        <source>Click to set the time of the first hour of the day planners</source>
        <translation>Cliquez pour régler l&apos;heure de la première ligne des agendas journaliers</translation>
    </message>
    <message>
        <source>*(Note: This setting only applies if you have selected one of the two Day Planners from the Layout tab)</source>
        <translation>*(Remarque&#xa0;: ce réglage ne s&apos;applique que si vous avez choisi l&apos;un des deux agendas journaliers dans l&apos;onglet Page)</translation>
    </message>
    <message>
        <source>Month and Day Names</source>
        <translation>Noms des mois et des jours</translation>
    </message>
    <message>
        <source>Month Names</source>
        <translation>Noms des mois</translation>
    </message>
    <message>
        <source>Type in the month names, starting with January,<byte value="xd"/>or click one of the buttons below</source>
        <translation>Saisissez les noms des mois, en commençant par janvier,<byte value="xd"/>ou cliquez sur l&apos;un des boutons ci-dessous</translation>
    </message>
    <message>
        <source>Day Names</source>
        <translation>Noms des jours</translation>
    </message>
    <message>
        <source>Type in the day names, starting with Sunday,<byte value="xd"/>or click one of the buttons below</source>
        <translation>Saisissez les noms des jours, en commençant par dimanche,<byte value="xd"/>ou cliquez sur l&apos;un des boutons ci-dessous</translation>
    </message>
    <message>
        <source>Click to use the month and day names of this language</source>
        <translation>Cliquez pour utiliser les noms des mois et des jours de cette langue</translation>
    </message>
    <message>
        <source>Select Page Margins</source>
        <translation>Choisir les marges de la page</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Marge gauche</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Marge haute</translation>
    </message>
    <message>
        <source>Right Margin</source>
        <translation>Marge droite</translation>
    </message>
    <message>
        <source>Bottom Margin</source>
        <translation>Marge basse</translation>
    </message>
    <message>
        <source>Select the left margin for the printed calendar</source>
        <translation>Choisissez la marge gauche du calendrier imprimé</translation>
    </message>
    <message>
        <source>Select the top margin for the printed calendar</source>
        <translation>Choisissez la marge haute du calendrier imprimé</translation>
    </message>
    <message>
        <source>Select the right margin for the printed calendar</source>
        <translation>Choisissez la marge droite du calendrier imprimé</translation>
    </message>
    <message>
        <source>Select the bottom margin for the printed calendar</source>
        <translation>Choisissez la marge basse du calendrier imprimé</translation>
    </message>
    <message>
        <source>Use Inches</source>
        <translation>En pouces</translation>
    </message>
    <message>
        <source>Show the margins in inches</source>
        <translation>Afficher les marges en pouces</translation>
    </message>
    <message>
        <source>Use Millimeters</source>
        <translation>En millimètres</translation>
    </message>
    <message>
        <source>Show the margins in millimeters</source>
        <translation>Afficher les marges en millimètres</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordures</translation>
    </message>
    <message>
        <source>Calendar Borders</source>
        <translation>Bordures du calendrier</translation>
    </message>
    <message>
        <source>Select a border to print around the calendar</source>
        <translation>Choisissez une bordure à imprimer autour du calendrier</translation>
    </message>
    <message>
        <source>This is an example calendar</source>
        <translation>Ceci est un exemple de calendrier</translation>
    </message>
    <message>
        <source>Click to zoom out (make the calendar smaller)</source>
        <translation>Cliquez pour réduire (calendrier plus petit)</translation>
    </message>
    <message>
        <source>Click to zoom in (make the calendar larger)</source>
        <translation>Cliquez pour agrandir (calendrier plus grand)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click to use these settings for the calendar</source>
        <translation>Cliquez pour appliquer ces réglages au calendrier</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Click to close without changing the calendar</source>
        <translation>Cliquez pour fermer sans modifier le calendrier</translation>
    </message>
    <message>
        <source>&amp;Save As Style Sheet</source>
        <translation>&amp;Enregistrer comme style</translation>
    </message>
    <message>
        <source>Click to save these settings as a style sheet</source>
        <translation>Cliquez pour enregistrer ces réglages comme feuille de style</translation>
    </message>
    <message>
        <source>&amp;Load Style Sheet</source>
        <translation>&amp;Charger un style</translation>
    </message>
    <message>
        <source>Click to load settings from a style sheet</source>
        <translation>Cliquez pour charger les réglages d&apos;une feuille de style</translation>
    </message>
    <message>
        <source>&amp;Default Style</source>
        <translation>Style par &amp;défaut</translation>
    </message>
    <message>
        <source>Click to go back to the default style</source>
        <translation>Cliquez pour revenir au style par défaut</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Click for help on this page</source>
        <translation>Cliquez pour obtenir de l&apos;aide sur cette page</translation>
    </message>
    <message>
        <source>Select whether the calendars show week numbers, and which</source>
        <translation>Choisissez si les calendriers affichent les numéros de semaine, et lesquels</translation>
    </message>
    <message>
        <source>&amp;Week Numbers</source>
        <translation>&amp;Numéros de semaine</translation>
    </message>
</context>
<context>
    <name>TCalendarSetDialog</name>
    <message>
        <source>pages, one a month, from</source>
        <translation>pages, une par mois, à partir du</translation>
    </message>
    <message>
        <source>pages, one every two weeks, from</source>
        <translation>pages, une toutes les deux semaines, à partir du</translation>
    </message>
    <message>
        <source>pages, one a week, from</source>
        <translation>pages, une par semaine, à partir du</translation>
    </message>
    <message>
        <source>pages, one a day, from</source>
        <translation>pages, une par jour, à partir du</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Imprimer le calendrier</translation>
    </message>
    <message>
        <source>Save As PDF File</source>
        <translation>Enregistrer en fichier PDF</translation>
    </message>
    <message>
        <source>&amp;This page</source>
        <translation>&amp;Cette page</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>My recurring dates</source>
        <translation>Mes dates récurrentes</translation>
    </message>
    <message>
        <source>Holidays of %1</source>
        <translation>Jours fériés de %1</translation>
    </message>
    <message>
        <source>An iCalendar file</source>
        <translation>Un fichier iCalendar</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>Show the &amp;age on birthdays and anniversaries</source>
        <translation>Afficher l&apos;â&amp;ge aux anniversaires</translation>
    </message>
    <message>
        <source>&amp;Fill the days from</source>
        <translation>&amp;Remplir les jours avec</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Fill The Days From</source>
        <translation>Remplir les jours avec</translation>
    </message>
    <message>
        <source>iCalendar File (*.ics);;All Files (*)</source>
        <translation>Fichier iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose the iCalendar file to fill the days from.</source>
        <translation>Choisissez le fichier iCalendar qui remplira les jours.</translation>
    </message>
    <message>
        <source>The design&apos;s picture on every page</source>
        <translation>L&apos;image du modèle sur chaque page</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>Parc&amp;ourir…</translation>
    </message>
    <message>
        <source>P&amp;ictures, one a page, from</source>
        <translation>I&amp;mages, une par page, depuis</translation>
    </message>
    <message>
        <source>Pictures, One a Page</source>
        <translation>Images, une par page</translation>
    </message>
    <message>
        <source>The pictures cannot be taken: %1</source>
        <translation>Impossible de prendre les images&#xa0;: %1</translation>
    </message>
    <message>
        <source>Start with the co&amp;ver page</source>
        <translation>Commencer par la page de co&amp;uverture</translation>
    </message>
    <message>
        <source>The cover is designed with File &gt; Edit Cover Page</source>
        <translation>La couverture se conçoit avec Fichier &gt; Modifier la page de couverture</translation>
    </message>
    <message>
        <source>Drag a picture to its page, or move it with Ctrl+Left and Ctrl+Right; Delete leaves it out</source>
        <translation>Faites glisser une image sur sa page, ou déplacez-la avec Ctrl+Gauche et Ctrl+Droite&#xa0;; Suppr la retire</translation>
    </message>
    <message>
        <source>Move &amp;Earlier</source>
        <translation>A&amp;vancer</translation>
    </message>
    <message>
        <source>Move &amp;Later</source>
        <translation>Recu&amp;ler</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;tirer</translation>
    </message>
    <message>
        <source>A&amp;dd Pictures...</source>
        <translation>Ajouter &amp;des images…</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Images (%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No pictures are left for the pages: add pictures, or clear the folder to show the design&apos;s picture.</source>
        <translation>Il ne reste aucune image pour les pages&#xa0;: ajoutez des images, ou videz le dossier pour afficher l&apos;image du modèle.</translation>
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
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>TEditRecurringDateFormula</name>
    <message>
        <source>Select the month, or &apos;Each Month&apos; for every month</source>
        <translation>Choisissez le mois, ou «&#xa0;Chaque mois&#xa0;» pour tous les mois</translation>
    </message>
    <message>
        <source>Recurring Date - Formulas</source>
        <translation>Date récurrente – formules</translation>
    </message>
    <message>
        <source>Day of the &amp;Month</source>
        <translation>Jour du &amp;mois</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Day of the Month&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Cochez ici pour choisir un rappel récurrent de type <byte value="xd"/>«&#xa0;Jour du mois&#xa0;»</translation>
    </message>
    <message>
        <source>Select the day of the month (1-31)</source>
        <translation>Choisissez le jour du mois (1–31)</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Day of the &amp;Week</source>
        <translation>Jour de la &amp;semaine</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Days of the Week&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Cochez ici pour choisir un rappel récurrent de type <byte value="xd"/>«&#xa0;Jours de la semaine&#xa0;»</translation>
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
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Check to use this reminder on this day of <byte value="xd"/>each week</source>
        <translation>Cochez pour utiliser ce rappel ce jour-là <byte value="xd"/>chaque semaine</translation>
    </message>
    <message>
        <source>All Days</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Check to include all days</source>
        <translation>Cochez pour inclure tous les jours</translation>
    </message>
    <message>
        <source>&amp;Special</source>
        <translation>S&amp;pécial</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;nth Day of Month&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Cochez ici pour choisir un rappel récurrent de type <byte value="xd"/>«&#xa0;n-ième jour du mois&#xa0;»</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Select the occurrance: First, 2nd, 3rd, 4th, 5th<byte value="xd"/>or Last</source>
        <translation>Choisissez l&apos;occurrence&#xa0;: premier, 2e, 3e, 4e, 5e<byte value="xd"/>ou dernier</translation>
    </message>
    <message>
        <source>Day (any day)</source>
        <translation>Jour (n&apos;importe lequel)</translation>
    </message>
    <message>
        <source>Select the day of the week, or &apos;Day (any day)&apos; for any day</source>
        <translation>Choisissez le jour de la semaine, ou «&#xa0;Jour (n&apos;importe lequel)&#xa0;» pour tout jour</translation>
    </message>
    <message>
        <source>Recurring event (birthday, anniversary, etc)</source>
        <translation>Événement récurrent (anniversaire, fête, etc.)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Invalid day of month entered </source>
        <translation>Jour du mois saisi non valide </translation>
    </message>
    <message>
        <source>Invalid month entered </source>
        <translation>Mois saisi non valide </translation>
    </message>
    <message>
        <source>Invalid value entered for Special category</source>
        <translation>Valeur saisie non valide pour la catégorie Spécial</translation>
    </message>
    <message>
        <source>You must select at least one day for this <byte value="xd"/>reminder to occur on</source>
        <translation>Vous devez choisir au moins un jour où ce <byte value="xd"/>rappel a lieu</translation>
    </message>
</context>
<context>
    <name>TEditRecurringDates</name>
    <message>
        <source><byte value="xd"/>
... and %1 more</source>
        <translation><byte value="xd"/>
… et %1 de plus</translation>
    </message>
    <message>
        <source>Recurring Dates</source>
        <translation>Dates récurrentes</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Add the recurring events of an iCalendar file</source>
        <translation>Ajouter les événements récurrents d&apos;un fichier iCalendar</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Write the list as an iCalendar file</source>
        <translation>Écrire la liste dans un fichier iCalendar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The recurring dates could not be saved.<byte value="xd"/>
</source>
        <translation>Les dates récurrentes n&apos;ont pas pu être enregistrées.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add Recurring Date</source>
        <translation>Ajouter une date récurrente</translation>
    </message>
    <message>
        <source>[Enter event]</source>
        <translation>[Saisir l&apos;événement]</translation>
    </message>
    <message>
        <source>This entry cannot be edited</source>
        <translation>Cette entrée ne peut pas être modifiée</translation>
    </message>
    <message>
        <source>Edit Recurring Date Formula</source>
        <translation>Modifier la formule de la date récurrente</translation>
    </message>
    <message>
        <source>Import Recurring Dates</source>
        <translation>Importer des dates récurrentes</translation>
    </message>
    <message>
        <source>Export Recurring Dates</source>
        <translation>Exporter les dates récurrentes</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The recurring dates could not be imported.<byte value="xd"/>
</source>
        <translation>Les dates récurrentes n&apos;ont pas pu être importées.<byte value="xd"/>
</translation>
    </message>
    <message numerus="yes">
        <source>%n recurring dates were added.</source>
        <translation>
            <numerusform>%n date récurrente a été ajoutée.</numerusform>
            <numerusform>%n dates récurrentes ont été ajoutées.</numerusform>
        </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
These events cannot be kept as recurring dates and were left out:<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Ces événements ne peuvent pas être conservés comme dates récurrentes et ont été omis&#xa0;:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The recurring dates could not be exported.<byte value="xd"/>
</source>
        <translation>Les dates récurrentes n&apos;ont pas pu être exportées.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>These entries fall on no day and were left out:<byte value="xd"/>
</source>
        <translation>Ces entrées ne tombent sur aucun jour et ont été omises&#xa0;:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>TFlatCalendarEditor</name>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Top &amp; Bottom</source>
        <translation>Haut et bas</translation>
    </message>
    <message>
        <source>Floating Calendar Properties</source>
        <translation>Propriétés du calendrier flottant</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Week Starts On</source>
        <translation>Début de semaine</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Select the day that the calendar week starts on</source>
        <translation>Choisissez le jour par lequel commence la semaine du calendrier</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Show Year in Title</source>
        <translation>Année dans le titre</translation>
    </message>
    <message>
        <source>First Character</source>
        <translation>Première lettre</translation>
    </message>
    <message>
        <source>First Three Characters</source>
        <translation>Trois premières lettres</translation>
    </message>
    <message>
        <source>Whole Word</source>
        <translation>Mot entier</translation>
    </message>
    <message>
        <source>Header Style</source>
        <translation>Style d&apos;en-tête</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Title Font</source>
        <translation>Police du titre</translation>
    </message>
    <message>
        <source>Header Font</source>
        <translation>Police de l&apos;en-tête</translation>
    </message>
    <message>
        <source>Cell Font</source>
        <translation>Police des cases</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordures</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Title Background</source>
        <translation>Fond du titre</translation>
    </message>
    <message>
        <source>Header Background </source>
        <translation>Fond de l&apos;en-tête </translation>
    </message>
    <message>
        <source>Body Background </source>
        <translation>Fond du corps </translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>UpperRight</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>UpperLeft</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Numéros de semaine</translation>
    </message>
</context>
<context>
    <name>TFloatingPalette</name>
    <message>
        <source>Activities</source>
        <translation>Activités</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>Miscellaneous #1</source>
        <translation>Divers nº 1</translation>
    </message>
    <message>
        <source>Miscellaneous #2</source>
        <translation>Divers nº 2</translation>
    </message>
    <message>
        <source>All Files (*.ICL *.DLL *.EXE *.ICO *.NIL *.icl *.dll *.exe *.ico *.nil);;ICL Files (*.ICL *.icl);;DLL Files (*.DLL *.dll);;EXE Files (*.EXE *.exe);;ICO Files (*.ICO *.ico);;NIL Files (*.NIL *.nil);;ICL and ICO Files (*.ICL *.ICO *.icl *.ico)</source>
        <translation>Tous les fichiers (*.ICL *.DLL *.EXE *.ICO *.NIL *.icl *.dll *.exe *.ico *.nil);;Fichiers ICL (*.ICL *.icl);;Fichiers DLL (*.DLL *.dll);;Fichiers EXE (*.EXE *.exe);;Fichiers ICO (*.ICO *.ico);;Fichiers NIL (*.NIL *.nil);;Fichiers ICL et ICO (*.ICL *.ICO *.icl *.ico)</translation>
    </message>
    <message>
        <source>No Bonus Sets Found!<byte value="xd"/>
<byte value="xd"/>
The bonus icon sets were not found in the &quot;BonusIcons&quot; folder beside the program. They are obtained separately.</source>
        <translation>Aucun jeu bonus trouvé&#xa0;!<byte value="xd"/>
<byte value="xd"/>
Les jeux d&apos;icônes bonus n&apos;ont pas été trouvés dans le dossier «&#xa0;BonusIcons&#xa0;» à côté du programme. Ils sont fournis séparément.</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Autre…</translation>
    </message>
    <message>
        <source>Bonus Icon Sets</source>
        <translation>Jeux d&apos;icônes bonus</translation>
    </message>
    <message>
        <source>No icons found in %1</source>
        <translation>Aucune icône trouvée dans %1</translation>
    </message>
</context>
<context>
    <name>TFontColorDialog</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>TGetHolidays</name>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>Holidays of</source>
        <translation>Jours fériés de</translation>
    </message>
    <message>
        <source>Choose whose holidays to list</source>
        <translation>Choisissez de qui les jours fériés sont listés</translation>
    </message>
    <message>
        <source>The holidays of %1 could not be read.<byte value="xd"/>
%2</source>
        <translation>Les jours fériés de %1 n&apos;ont pas pu être lus.<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>TGetLabelText</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Saisir le texte</translation>
    </message>
    <message>
        <source>The text the label shows.</source>
        <translation>Le texte que l&apos;étiquette affiche.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Datewright Help</source>
        <translation>Aide de Datewright</translation>
    </message>
    <message>
        <source>Unable to open the help file %1: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation>le fichier dépasse %1 octets</translation>
    </message>
    <message>
        <source>the file has more than %1 lines</source>
        <translation>le fichier a plus de %1 lignes</translation>
    </message>
    <message>
        <source>a line is longer than %1 characters</source>
        <translation>une ligne dépasse %1 caractères</translation>
    </message>
    <message>
        <source>the file has more than %1 sections</source>
        <translation>le fichier a plus de %1 sections</translation>
    </message>
    <message>
        <source>it could not be read whole (%1), so it is left as it is</source>
        <translation>il n&apos;a pas pu être lu entièrement (%1), il est donc laissé tel quel</translation>
    </message>
</context>
<context>
    <name>TLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>The language you chose takes effect the next time Datewright starts.</source>
        <translation>La langue choisie s&apos;appliquera au prochain démarrage de Datewright.</translation>
    </message>
</context>
<context>
    <name>TLumBaseLabel</name>
    <message>
        <source>Enter text...</source>
        <translation>Saisir le texte…</translation>
    </message>
</context>
<context>
    <name>TLumFont3DEffects</name>
    <message>
        <source>Text 3D Effects</source>
        <translation>Effets 3D du texte</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Direction de l&apos;ombre</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Profondeur de l&apos;ombre</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Couleur de l&apos;ombre</translation>
    </message>
    <message>
        <source>Highlight Direction</source>
        <translation>Direction de la lumière</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Highlight Depth</source>
        <translation>Profondeur de la lumière</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Couleur de la lumière</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>TLumImageBrowser</name>
    <message>
        <source>Load Image File </source>
        <translation>Charger un fichier image </translation>
    </message>
    <message>
        <source>Type a folder or a picture file and press Enter</source>
        <translation>Saisissez un dossier ou un fichier image et appuyez sur Entrée</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Options </translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Stretch image to max display size</source>
        <translation>Étirer l&apos;image à la taille d&apos;affichage maximale</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Taille auto</translation>
    </message>
    <message>
        <source>AutoSize TImage</source>
        <translation>Taille automatique de l&apos;image</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor a file.</source>
        <translation>%1 n&apos;est ni un dossier ni un fichier.</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>Erreur lors du chargement du fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>TPictureOrderList</name>
    <message>
        <source>Not printed</source>
        <translation>Non imprimée</translation>
    </message>
</context>
<context>
    <name>TPreviousInstance</name>
    <message>
        <source>the lock file %1 cannot be made</source>
        <translation>le fichier de verrouillage %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <translation>le dossier %1 ne peut pas être créé (%2)</translation>
    </message>
    <message>
        <source>the folder %1 is not a folder</source>
        <translation>le dossier %1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>le dossier %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>the folder %1 is open to other users</source>
        <translation>le dossier %1 est accessible aux autres utilisateurs</translation>
    </message>
    <message>
        <source>Datewright is already running, but the running copy did not come to the front. If it no longer responds, end it and start Datewright again.</source>
        <translation>Datewright est déjà en cours d&apos;exécution, mais l&apos;instance en cours n&apos;est pas passée au premier plan. Si elle ne répond plus, fermez-la et relancez Datewright.</translation>
    </message>
    <message>
        <source>Datewright cannot make sure that it is the only copy running: %1.</source>
        <translation>Datewright ne peut pas s&apos;assurer d&apos;être la seule instance en cours d&apos;exécution&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>TPrintSheetDialog</name>
    <message>
        <source>PDF for Printing</source>
        <translation>PDF pour l&apos;imprimeur</translation>
    </message>
    <message>
        <source>Print services cut each page from a larger sheet. Pictures, borders and backgrounds that reach the page&apos;s edge go on into the bleed, so that no white line shows after cutting.</source>
        <translation>Les imprimeurs découpent chaque page dans une feuille plus grande. Les images, bordures et fonds qui touchent le bord de la page se prolongent dans le fond perdu, pour qu&apos;aucun liseré blanc n&apos;apparaisse après la coupe.</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Crop marks outside the bleed</source>
        <translation>&amp;Traits de coupe hors du fond perdu</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;Fond perdu :</translation>
    </message>
</context>
<context>
    <name>TReportPrinter</name>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation>Aucune imprimante n&apos;est définie, impression abandonnée.</translation>
    </message>
</context>
<context>
    <name>TRichTextLabelEditor</name>
    <message>
        <source>Rich Text Editor</source>
        <translation>Éditeur de texte enrichi</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
</context>
<context>
    <name>TSelectRecurringDates</name>
    <message>
        <source>Select Recurring Dates To Use</source>
        <translation>Choisir les dates récurrentes à utiliser</translation>
    </message>
</context>
<context>
    <name>TSetProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pages done</source>
        <translation>
            <numerusform>%1 page sur %n terminée</numerusform>
            <numerusform>%1 pages sur %n terminées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSetTimeDialog</name>
    <message>
        <source>Set Time As: %1:%2 %3</source>
        <translation>Régler l&apos;heure à&#xa0;: %1:%2 %3</translation>
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
        <translation>  Heure</translation>
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
        <translation>Cliquez pour régler les heures</translation>
    </message>
    <message>
        <source>  Minute</source>
        <translation>  Minute</translation>
    </message>
    <message>
        <source>Click to set the minutes portion of the time</source>
        <translation>Cliquez pour régler les minutes</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TSplashform</name>
    <message>
        <source>About Datewright</source>
        <translation>À propos de Datewright</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1-bit version</source>
        <translation>Version %1 bits</translation>
    </message>
    <message>
        <source>Calendar pages designed, filled and printed your way.</source>
        <translation>Des pages de calendrier conçues, remplies et imprimées à votre façon.</translation>
    </message>
    <message>
        <source>Made by the Datewright developers - https://datewright.org/</source>
        <translation>Réalisé par les développeurs de Datewright – https://datewright.org/</translation>
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
        <translation>Charger une image de texture</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>Erreur lors du chargement du fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>TSuperTextGetSymbol</name>
    <message>
        <source>Symbol Selector</source>
        <translation>Sélecteur de symboles</translation>
    </message>
    <message>
        <source>Select a symbol font set</source>
        <translation>Choisissez une police de symboles</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copy the selected symbol to the label</source>
        <translation>Copier le symbole choisi dans l&apos;étiquette</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No Symbol fonts installed</source>
        <translation>Aucune police de symboles installée</translation>
    </message>
</context>
<context>
    <name>TSuperTextProperties</name>
    <message>
        <source>SuperText Properties</source>
        <translation>Propriétés SuperText</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Police…</translation>
    </message>
    <message>
        <source>Select Symbol</source>
        <translation>Symbole…</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Charger une texture</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Couleur du contour</translation>
    </message>
    <message>
        <source>Outline Style</source>
        <translation>Style du contour</translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation>Trait plein</translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Pointillés</translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation>Tiret-point</translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation>Tiret-point-point</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Épaisseur du contour</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Couleur de l&apos;ombre</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Direction de l&apos;ombre</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Down and Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Down and Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Profondeur de l&apos;ombre</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Veuillez saisir du texte</translation>
    </message>
</context>
<context>
    <name>TTemplateDialog</name>
    <message>
        <source>New from Template</source>
        <translation>Nouveau à partir d&apos;un modèle</translation>
    </message>
</context>
<context>
    <name>TUndoHistory</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>Nouvel objet</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Suppression d&apos;objet</translation>
    </message>
    <message>
        <source>Object Change</source>
        <translation>Modification d&apos;objet</translation>
    </message>
    <message>
        <source>Cell Text</source>
        <translation>Texte de case</translation>
    </message>
    <message>
        <source>Cell Texts</source>
        <translation>Textes de cases</translation>
    </message>
</context>
<context>
    <name>TUserTitleForm</name>
    <message>
        <source>User Defined Title</source>
        <translation>Titre personnalisé</translation>
    </message>
    <message>
        <source>Enter calendar title (leave blank for default):</source>
        <translation>Titre du calendrier (laisser vide pour le titre par défaut)&#xa0;:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TWPRichText</name>
    <message>
        <source>Please use Bitmap.</source>
        <translation>Veuillez utiliser un bitmap.</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>Wall photo calendar A4</source>
        <translation>Calendrier photo mural A4</translation>
    </message>
    <message>
        <source>Wall photo calendar Letter</source>
        <translation>Calendrier photo mural Letter</translation>
    </message>
    <message>
        <source>Desk calendar</source>
        <translation>Calendrier de bureau</translation>
    </message>
    <message>
        <source>Year at a glance</source>
        <translation>L&apos;année d&apos;un coup d&apos;œil</translation>
    </message>
    <message>
        <source>Family week planner</source>
        <translation>Semainier familial</translation>
    </message>
    <message>
        <source>Day planner</source>
        <translation>Agenda journalier</translation>
    </message>
    <message>
        <source>Birthday calendar</source>
        <translation>Calendrier des anniversaires</translation>
    </message>
    <message>
        <source>Holiday calendar Canada</source>
        <translation>Calendrier des jours fériés Canada</translation>
    </message>
    <message>
        <source>Holiday calendar France</source>
        <translation>Calendrier des jours fériés France</translation>
    </message>
    <message>
        <source>Holiday calendar Germany</source>
        <translation>Calendrier des jours fériés Allemagne</translation>
    </message>
    <message>
        <source>Holiday calendar Italy</source>
        <translation>Calendrier des jours fériés Italie</translation>
    </message>
    <message>
        <source>Holiday calendar Spain</source>
        <translation>Calendrier des jours fériés Espagne</translation>
    </message>
    <message>
        <source>Holiday calendar United Kingdom</source>
        <translation>Calendrier des jours fériés Royaume-Uni</translation>
    </message>
    <message>
        <source>Holiday calendar United States</source>
        <translation>Calendrier des jours fériés États-Unis</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <comment>The ISO 639 code of the language of this translation: de, fr, it or es</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>WeekNumbers</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>ISO 8601 (weeks from Monday)</source>
        <translation>ISO 8601 (semaines à partir du lundi)</translation>
    </message>
    <message>
        <source>US (weeks from Sunday)</source>
        <translation>États-Unis (semaines à partir du dimanche)</translation>
    </message>
</context>
<context>
    <name>WmfPicture</name>
    <message>
        <source>The metafile ends inside a record.</source>
        <translation>Le métafichier se termine au milieu d&apos;un enregistrement.</translation>
    </message>
    <message>
        <source>A metafile record is smaller than its own header.</source>
        <translation>Un enregistrement du métafichier est plus petit que son propre en-tête.</translation>
    </message>
    <message>
        <source>A metafile record runs past the end of the file.</source>
        <translation>Un enregistrement du métafichier dépasse la fin du fichier.</translation>
    </message>
    <message>
        <source>The metafile has too many records.</source>
        <translation>Le métafichier contient trop d&apos;enregistrements.</translation>
    </message>
    <message>
        <source>The metafile ends inside its headers.</source>
        <translation>Le métafichier se termine au milieu de ses en-têtes.</translation>
    </message>
    <message>
        <source>The metafile&apos;s bounding box is empty.</source>
        <translation>Le cadre englobant du métafichier est vide.</translation>
    </message>
    <message>
        <source>This is not a Windows metafile.</source>
        <translation>Ce n&apos;est pas un métafichier Windows.</translation>
    </message>
</context>
<context>
    <name>datewright-render</name>
    <message>
        <source>the line ends in a backslash</source>
        <translation>la ligne se termine par une barre oblique inverse</translation>
    </message>
    <message>
        <source>a single quote is not closed</source>
        <translation>un guillemet simple n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>a double quote is not closed</source>
        <translation>un guillemet double n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>a job cannot run a batch of its own</source>
        <translation>une tâche ne peut pas exécuter un lot à elle</translation>
    </message>
    <message>
        <source>--jobs goes on the command line, beside --batch</source>
        <translation>--jobs se place sur la ligne de commande, à côté de --batch</translation>
    </message>
    <message>
        <source>--help is not a job</source>
        <translation>--help n&apos;est pas une tâche</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>la ligne dépasse %1 octets</translation>
    </message>
    <message>
        <source>cannot read the batch %1: %2</source>
        <translation>impossible de lire le lot %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n jobs failed</source>
        <translation>
            <numerusform>%1 tâche sur %n a échoué</numerusform>
            <numerusform>%1 tâches sur %n ont échoué</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1: %2 (at byte %3)</source>
        <translation>impossible de lire %1&#xa0;: %2 (à l&apos;octet %3)</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot; files: use .png, .bmp, .jpg or .pdf</source>
        <translation>impossible d&apos;écrire des fichiers «&#xa0;%1&#xa0;»&#xa0;: utilisez .png, .bmp, .jpg ou .pdf</translation>
    </message>
    <message>
        <source>--dpi sets the resolution of .png, .bmp and .jpg pictures</source>
        <translation>--dpi fixe la résolution des images .png, .bmp et .jpg</translation>
    </message>
    <message>
        <source>--save writes .DWC documents or .DWS style sheets</source>
        <translation>--save écrit des documents .DWC ou des feuilles de style .DWS</translation>
    </message>
    <message>
        <source>the margins leave no picture to write</source>
        <translation>les marges ne laissent aucune image à écrire</translation>
    </message>
    <message>
        <source>cannot write %1: the picture could not be encoded</source>
        <translation>impossible d&apos;écrire %1&#xa0;: l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the margins leave no page: together they are as wide or as tall as the paper</source>
        <translation>les marges ne laissent aucune page&#xa0;: ensemble, elles sont aussi larges ou aussi hautes que le papier</translation>
    </message>
    <message>
        <source>--batch takes no options but --jobs: each line of the batch gives its job&apos;s own</source>
        <translation>--batch n&apos;accepte aucune option sauf --jobs&#xa0;: chaque ligne du lot donne celles de sa tâche</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>invalid value for %1: &quot;%2&quot;</source>
        <translation>valeur non valide pour %1&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 exige une valeur</translation>
    </message>
    <message>
        <source>more than one document given: %1</source>
        <translation>plus d&apos;un document indiqué&#xa0;: %1</translation>
    </message>
    <message>
        <source>give --scale or --dpi, not both</source>
        <translation>indiquez --scale ou --dpi, pas les deux</translation>
    </message>
    <message>
        <source>no border picture named &quot;%1&quot;</source>
        <translation>aucune image de bordure nommée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>there is no %1 %2 %3</source>
        <translation>il n&apos;y a pas de %1 %2 %3</translation>
    </message>
    <message>
        <source>-o is given twice: give one output</source>
        <translation>-o est donné deux fois&#xa0;: indiquez une seule sortie</translation>
    </message>
    <message>
        <source>--pictures: the page has no picture object marked &quot;One Picture per Page&quot;</source>
        <translation>--pictures&#xa0;: la page n&apos;a aucun objet image marqué «&#xa0;Une image par page&#xa0;»</translation>
    </message>
    <message>
        <source>written, but pictures could not be read and their pages show the design&apos;s picture: %1</source>
        <translation>écrit, mais des images n&apos;ont pas pu être lues et leurs pages montrent l&apos;image du modèle&#xa0;: %1</translation>
    </message>
    <message>
        <source>there is no template &quot;%1&quot;</source>
        <translation>il n&apos;y a pas de modèle «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>give a document or --template, not both</source>
        <translation>donnez un document ou --template, pas les deux</translation>
    </message>
    <message>
        <source>--bleed lays out .pdf files for a print service</source>
        <translation>--bleed met en page des fichiers .pdf pour un imprimeur</translation>
    </message>
    <message>
        <source>A document that keeps a set of pages (chosen in the program) gives --count
what the options do not: its start (unless --month, --year or --day), its
fill (unless --fill), its pictures (unless --pictures) and its cover, the
first of the N pages, which takes the first picture.
</source>
        <translation>Un document qui garde une série de pages (choisie dans le programme) donne à
--count ce que les options ne donnent pas : son début (sauf --month, --year ou
--day), son remplissage (sauf --fill), ses images (sauf --pictures) et sa
couverture, la première des N pages, qui prend la première image.
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
        <translation>Utilisation&#xa0;: datewright-render [DOCUMENT.DWC] [options]
Dessine une page de calendrier&#xa0;: le document indiqué, ou une nouvelle page dans
le style par défaut pour aujourd&apos;hui. Les options s&apos;appliquent dans cet ordre&#xa0;:
  --template NOM         partir du modèle NOM (à la place d&apos;un document)
  --style FICHIER.DWS    reprendre le style d&apos;une feuille de style
  --layout N|NOM         mise en page 0-21 ou son nom (par ex. loFCMinisInTitleLS)
  --paper letter|a4      format du papier
  --margins G,H,D,B      marges en pouces (0 à 5)
  --border NOM           image de bordure du dossier Borders du programme
  --week-start sunday|monday
  --week-numbers none|iso|us
                         numéros de semaine : ISO 8601 (la semaine 1 contient
                         le 4 janvier) ou US (semaines à partir du dimanche, la
                         semaine 1 contient le 1er janvier)
  --month M  --year A  --day J
  --scale S              zoom, de 0,1 à 10 (1 par défaut)
  --dpi N                images à N points par pouce, de 10 à 960 (par ex. 300
                         pour l&apos;impression), à la place de --scale
Sortie&#xa0;:
  -o FICHIER             écrire un .png, .bmp ou .jpg (la page dans ses marges
                         au zoom&#xa0;; JPEG par la bibliothèque d&apos;images en
                         qualité 80) ou un .pdf (vectoriel, sur le papier de
                         la page)
  --count N              N mois consécutifs (semaines, jours pour les
                         agendas)&#xa0;: pages PDF ou fichiers images numérotés
                         (page-1.png, …)&#xa0;; les cases écrites dans le document
                         restent sur son propre mois (semaine, jour) seulement
  --fill SOURCE          remplir les cases des pages écrites depuis SOURCE&#xa0;:
                         un fichier de dates récurrentes (.DAX), holidays:CODE
                         pour un jeu de jours fériés à côté du programme (US,
                         UK, CA, FR, DE, IT, ES ou le nom du jeu, par ex.
                         &quot;holidays:United Kingdom&quot;), ou un fichier iCalendar
                         (.ics), dont les événements tombent aux jours et
                         heures de l&apos;horloge de cet ordinateur&#xa0;; --save et
                         --info donnent alors la page remplie
  --pictures DOSSIER|LISTE
                         les images propres des pages, dans les objets image
                         marqués «&#xa0;Une image par page&#xa0;»&#xa0;: les images de
                         DOSSIER par ordre de nom, ou celles que LISTE (un
                         fichier texte) nomme, une par ligne&#xa0;; les pages
                         après la dernière gardent l&apos;image du modèle
  --bleed MM             un PDF pour un imprimeur : chaque page sur une feuille
                         agrandie d&apos;un fond perdu de MM millimètres (0 à 10 ;
                         3 est l&apos;usage), les images et bordures qui touchent le
                         bord de la page s&apos;y prolongent, avec des traits de
                         coupe au-delà
  --no-crop-marks        avec --bleed, sans traits de coupe : la feuille n&apos;est
                         alors que la page et son fond perdu
  --geometry             afficher la géométrie de la page en un objet JSON
  --save FICHIER         écrire la page en document .DWC ou en feuille de
                         style .DWS
  --info                 afficher le style, les dates, les textes des cases et
                         les objets de la page en un objet JSON&#xa0;; &quot;cells&quot;
                         liste chaque case qui a du texte&#xa0;: {&quot;index&quot;: 1-42,
                         &quot;day&quot;: N, &quot;text&quot;: ses paragraphes joints par des
                         sauts de ligne}
  --list-templates       afficher les noms des modèles, un par ligne
  --help                 afficher ce texte
Plusieurs tâches en une exécution&#xa0;:
  --batch FICHIER        exécuter les tâches de FICHIER (- pour l&apos;entrée
                         standard), une par ligne, chacune avec les options
                         d&apos;un appel&#xa0;; les mots se séparent aux espaces, les
                         guillemets &apos;simples&apos; et &quot;doubles&quot; gardent les
                         espaces, une barre oblique inverse garde le caractère
                         qui la suit (entre guillemets doubles seulement \&quot; et
                         \\), # commence un commentaire, les lignes vides sont
                         ignorées. Une tâche en échec est signalée avec son
                         numéro de ligne et les autres s&apos;exécutent quand
                         même&#xa0;; le code de sortie n&apos;est 0 que si toutes les
                         tâches ont réussi. Aucun fichier n&apos;est laissé à
                         moitié écrit.
  --jobs N               dessiner jusqu&apos;à N images (ou tâches du lot) à la
                         fois, de 1 à 64 (par défaut&#xa0;: le nombre de
                         processeurs)&#xa0;; les pages d&apos;un PDF sont dessinées
                         l&apos;une après l&apos;autre
</translation>
    </message>
</context>
</TS>
