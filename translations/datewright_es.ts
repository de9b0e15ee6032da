<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CalendarPageFile</name>
    <message>
        <source>%1 %2 is outside %3 to %4</source>
        <translation>%1 %2 está fuera del intervalo de %3 a %4</translation>
    </message>
    <message>
        <source>margin</source>
        <translation>margen</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>tamaño de fuente</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versión</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>cell text: %1</source>
        <translation>texto de celda: %1</translation>
    </message>
    <message>
        <source>start of week</source>
        <translation>inicio de semana</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
    <message>
        <source>A picture in this calendar is too large to show: it is drawn as an empty frame and kept as it is.</source>
        <translation>Una imagen de este calendario es demasiado grande para mostrarla: se dibuja como un marco vacío y se conserva tal cual.</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures in this calendar are too large to show: they are drawn as empty frames and kept as they are.</source>
        <translation>
            <numerusform>%n imagen de este calendario es demasiado grande para mostrarla: se dibuja como un marco vacío y se conserva tal cual.</numerusform>
            <numerusform>%n imágenes de este calendario son demasiado grandes para mostrarlas: se dibujan como marcos vacíos y se conservan tal cual.</numerusform>
        </translation>
    </message>
    <message>
        <source>calendar document</source>
        <extracomment>%2 of &quot;at %1 MB it is larger than any %2 can be (%3 MB)&quot;</extracomment>
        <translation>un documento de calendario</translation>
    </message>
    <message>
        <source>style sheet</source>
        <extracomment>%2 of &quot;at %1 MB it is larger than any %2 can be (%3 MB)&quot;</extracomment>
        <translation>una hoja de estilo</translation>
    </message>
</context>
<context>
    <name>CellAppend</name>
    <message numerus="yes">
        <source>+ %n more</source>
        <translation>
            <numerusform>+ %n más</numerusform>
            <numerusform>+ %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColorList</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
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
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>DesignMenu</name>
    <message>
        <source>Unable to write the clipboard file %1: %2</source>
        <translation>No se puede escribir el archivo del portapapeles %1: %2</translation>
    </message>
    <message>
        <source>Bring To Front</source>
        <translation>Traer al frente</translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation>Enviar al fondo</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <source>Align Tops</source>
        <translation>Alinear arriba</translation>
    </message>
    <message>
        <source>Align Bottoms</source>
        <translation>Alinear abajo</translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation>Centrar verticalmente</translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation>Centrar horizontalmente</translation>
    </message>
    <message>
        <source>Lock All</source>
        <translation>Bloquear todo</translation>
    </message>
    <message>
        <source>Unlock All</source>
        <translation>Desbloquear todo</translation>
    </message>
    <message>
        <source>Mark All Selectable</source>
        <translation>Hacer todo seleccionable</translation>
    </message>
    <message>
        <source>Mark All Unselectable</source>
        <translation>Hacer todo no seleccionable</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Unselectable</source>
        <translation>No seleccionable</translation>
    </message>
    <message>
        <source>Load Image From Disk</source>
        <translation>Cargar imagen del disco</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>Stretch to Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Tamaño automático</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Voltear</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>3D Effects</source>
        <translation>Efectos 3D</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotación</translation>
    </message>
    <message>
        <source>No Rotation</source>
        <translation>Sin rotación</translation>
    </message>
    <message>
        <source>90 Degrees</source>
        <translation>90 grados</translation>
    </message>
    <message>
        <source>180 Degrees</source>
        <translation>180 grados</translation>
    </message>
    <message>
        <source>270 Degrees</source>
        <translation>270 grados</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Imagen completa</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>One Picture per Page</source>
        <translation>Una imagen por página</translation>
    </message>
</context>
<context>
    <name>DialogRow</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>¿Qué es esto?</translation>
    </message>
</context>
<context>
    <name>FillSource</name>
    <message>
        <source>cannot read the holiday set %1: %2</source>
        <translation>no se puede leer el conjunto de festivos %1: %2</translation>
    </message>
    <message>
        <source>no holiday set &quot;%1&quot;: the sets are %2</source>
        <translation>no hay ningún conjunto de festivos «%1»: los conjuntos son %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>no file %1 to fill the days from</source>
        <translation>no hay ningún archivo %1 con el que rellenar los días</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>the file is larger than a help file can be</source>
        <translation>el archivo es más grande de lo que puede ser un archivo de ayuda</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <source>The file&apos;s components are nested too deeply.</source>
        <translation>Los componentes del archivo están anidados a demasiada profundidad.</translation>
    </message>
    <message>
        <source>The file has END:%1 where it does not belong.</source>
        <translation>El archivo tiene END:%1 donde no corresponde.</translation>
    </message>
    <message>
        <source>The file ends before END:%1.</source>
        <translation>El archivo termina antes de END:%1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>El archivo supera %1 MB.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file.</source>
        <translation>Este no es un archivo iCalendar.</translation>
    </message>
    <message>
        <source>The calendar would be larger than %1 MB, more than the program reads back; export fewer dates.</source>
        <translation>El calendario superaría %1 MB, más de lo que el programa puede volver a leer; exporte menos fechas.</translation>
    </message>
    <message>
        <source>changes one date of another event</source>
        <translation>cambia una fecha de otro evento</translation>
    </message>
    <message>
        <source>has an unreadable %1</source>
        <translation>tiene un %1 ilegible</translation>
    </message>
    <message>
        <source>has no start date</source>
        <translation>no tiene fecha de inicio</translation>
    </message>
    <message>
        <source>has an unreadable start date</source>
        <translation>tiene una fecha de inicio ilegible</translation>
    </message>
    <message>
        <source>has several rules</source>
        <translation>tiene varias reglas</translation>
    </message>
    <message>
        <source>has added or left-out dates</source>
        <translation>tiene fechas añadidas u omitidas</translation>
    </message>
    <message>
        <source>lasts several days</source>
        <translation>dura varios días</translation>
    </message>
    <message>
        <source>lasts more than %1 days</source>
        <translation>dura más de %1 días</translation>
    </message>
    <message>
        <source>lists more than %1 dates</source>
        <translation>enumera más de %1 fechas</translation>
    </message>
    <message>
        <source>has an unreadable date</source>
        <translation>tiene una fecha ilegible</translation>
    </message>
    <message>
        <source>has left-out dates</source>
        <translation>tiene fechas omitidas</translation>
    </message>
    <message>
        <source>(no title)</source>
        <translation>(sin título)</translation>
    </message>
    <message>
        <source>limits a daily or weekly rule to months or days</source>
        <translation>limita una regla diaria o semanal a meses o días</translation>
    </message>
    <message>
        <source>numbers the weekdays of a weekly rule</source>
        <translation>numera los días de la semana de una regla semanal</translation>
    </message>
    <message>
        <source>names a month that does not exist</source>
        <translation>nombra un mes que no existe</translation>
    </message>
    <message>
        <source>numbers the weekdays of the whole year</source>
        <translation>numera los días de la semana de todo el año</translation>
    </message>
    <message>
        <source>picks days by their position in a set</source>
        <translation>elige días por su posición en un conjunto</translation>
    </message>
    <message>
        <source>combines days of the month with weekdays</source>
        <translation>combina días del mes con días de la semana</translation>
    </message>
    <message>
        <source>falls on more than %1 days of the year</source>
        <translation>cae en más de %1 días del año</translation>
    </message>
    <message>
        <source>counts days from the end of the month</source>
        <translation>cuenta los días desde el final del mes</translation>
    </message>
    <message>
        <source>repeats on every weekday of some months</source>
        <translation>se repite cada día de la semana de algunos meses</translation>
    </message>
    <message>
        <source>names a weekday beyond the fifth of a month</source>
        <translation>nombra un día de la semana más allá del quinto de un mes</translation>
    </message>
    <message>
        <source>falls on no day</source>
        <translation>no cae en ningún día</translation>
    </message>
    <message>
        <source>repeats at an interval of %1</source>
        <translation>se repite a un intervalo de %1</translation>
    </message>
    <message>
        <source>stops after a count or a date</source>
        <translation>se detiene tras un número de veces o una fecha</translation>
    </message>
    <message>
        <source>uses %1</source>
        <translation>usa %1</translation>
    </message>
    <message>
        <source>repeats %1</source>
        <translation>se repite %1</translation>
    </message>
</context>
<context>
    <name>IconLibraryWriter</name>
    <message>
        <source>no icons that an icon library can hold</source>
        <translation>ningún icono que una biblioteca de iconos pueda contener</translation>
    </message>
</context>
<context>
    <name>LumImage</name>
    <message>
        <source>Error loading file!</source>
        <translation>¡Error al cargar el archivo!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>NViewLib</name>
    <message>
        <source>A required .DLL file, NViewLib.dll, was not found.</source>
        <translation>No se encontró un archivo DLL necesario, NViewLib.dll.</translation>
    </message>
    <message>
        <source>Error Starting NViewLib.dll</source>
        <translation>Error al iniciar NViewLib.dll</translation>
    </message>
</context>
<context>
    <name>NViewPictures</name>
    <message>
        <source>the picture library could not read the picture</source>
        <translation>la biblioteca de imágenes no pudo leer la imagen</translation>
    </message>
    <message>
        <source>the picture library is missing</source>
        <translation>falta la biblioteca de imágenes</translation>
    </message>
    <message>
        <source>the picture library could not write it</source>
        <translation>la biblioteca de imágenes no pudo escribirlo</translation>
    </message>
    <message>
        <source>no temporary file could be made for the picture library</source>
        <translation>no se pudo crear un archivo temporal para la biblioteca de imágenes</translation>
    </message>
    <message>
        <source>the temporary file for the picture library could not be written: %1</source>
        <translation>no se pudo escribir el archivo temporal para la biblioteca de imágenes: %1</translation>
    </message>
</context>
<context>
    <name>PagePictures</name>
    <message>
        <source>%1 holds no pictures</source>
        <translation>%1 no contiene imágenes</translation>
    </message>
    <message>
        <source>%1 names no pictures</source>
        <translation>%1 no nombra ninguna imagen</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>list of pictures</source>
        <translation>lista de imágenes</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>the PDF could not be begun</source>
        <translation>no se pudo comenzar el PDF</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>stopped before page %1 of %2</source>
        <translation>detenido antes de la página %1 de %2</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the margins leave no picture to write</source>
        <translation>los márgenes no dejan ninguna imagen que escribir</translation>
    </message>
</context>
<context>
    <name>PictureResolution</name>
    <message>
        <source>%1 at %2 dots per inch (%3)</source>
        <translation>%1 a %2 puntos por pulgada (%3)</translation>
    </message>
    <message>
        <source>Saved as %1<byte value="xd"/><byte value="xd"/>The calendar has been saved at %2 dots per inch.</source>
        <translation>Guardado como %1<byte value="xd"/><byte value="xd"/>El calendario se ha guardado a %2 puntos por pulgada.</translation>
    </message>
    <message>
        <source>Saved as %1<byte value="xd"/><byte value="xd"/>Note: the calendar has been saved at its<byte value="xd"/>current magnification level of %2%</source>
        <translation>Guardado como %1<byte value="xd"/><byte value="xd"/>Nota: el calendario se ha guardado con su<byte value="xd"/>nivel de ampliación actual del %2 %</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>not an icon file</source>
        <translation>no es un archivo de iconos</translation>
    </message>
    <message>
        <source>the icon file holds no images</source>
        <translation>el archivo de iconos no contiene imágenes</translation>
    </message>
    <message>
        <source>the icon file&apos;s directory runs past its end</source>
        <translation>el directorio del archivo de iconos sobrepasa su final</translation>
    </message>
    <message>
        <source>an image of the icon file runs past its end</source>
        <translation>una imagen del archivo de iconos sobrepasa su final</translation>
    </message>
    <message>
        <source>an image of the icon file is larger than its data</source>
        <translation>una imagen del archivo de iconos es mayor que sus datos</translation>
    </message>
    <message>
        <source>no image of the icon file could be read</source>
        <translation>no se pudo leer ninguna imagen del archivo de iconos</translation>
    </message>
    <message>
        <source>the picture&apos;s class name runs past its data</source>
        <translation>el nombre de clase de la imagen sobrepasa sus datos</translation>
    </message>
    <message>
        <source>pictures of the class %1 are not drawn</source>
        <translation>las imágenes de la clase %1 no se dibujan</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>no se puede abrir %1</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture</source>
        <translation>%1 es demasiado grande para ser una imagen</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>no se pudo leer %1</translation>
    </message>
    <message>
        <source>%1 is not a bitmap, icon or metafile</source>
        <translation>%1 no es un mapa de bits, un icono ni un metarchivo</translation>
    </message>
    <message>
        <source>the picture library could not read %1</source>
        <translation>la biblioteca de imágenes no pudo leer %1</translation>
    </message>
    <message>
        <source>picture size %1 x %2 is out of range</source>
        <translation>el tamaño de imagen %1 × %2 está fuera de rango</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>no hay memoria suficiente para la imagen</translation>
    </message>
    <message>
        <source>bitmap bit field masks run past the end of the data</source>
        <translation>las máscaras de campos de bits del mapa de bits sobrepasan el final de los datos</translation>
    </message>
    <message>
        <source>bitmap palette runs past the end of the data</source>
        <translation>la paleta del mapa de bits sobrepasa el final de los datos</translation>
    </message>
    <message>
        <source>bitmap pixel data offset is outside the data</source>
        <translation>el desplazamiento de los píxeles del mapa de bits está fuera de los datos</translation>
    </message>
    <message>
        <source>bitmap size %1 x %2 is out of range</source>
        <translation>el tamaño de mapa de bits %1 × %2 está fuera de rango</translation>
    </message>
    <message>
        <source>bitmap size is far beyond what its RLE data can hold</source>
        <translation>el tamaño del mapa de bits supera con mucho lo que sus datos RLE pueden contener</translation>
    </message>
    <message>
        <source>bitmap pixel data runs past the end of the data</source>
        <translation>los píxeles del mapa de bits sobrepasan el final de los datos</translation>
    </message>
    <message>
        <source>bitmap header runs past the end of the data</source>
        <translation>la cabecera del mapa de bits sobrepasa el final de los datos</translation>
    </message>
    <message>
        <source>unsupported bitmap header size %1</source>
        <translation>tamaño de cabecera de mapa de bits %1 no admitido</translation>
    </message>
    <message>
        <source>unsupported bitmap depth of %1 bits</source>
        <translation>profundidad de mapa de bits de %1 bits no admitida</translation>
    </message>
    <message>
        <source>RLE8 needs 8 bits per pixel</source>
        <translation>RLE8 requiere 8 bits por píxel</translation>
    </message>
    <message>
        <source>RLE4 needs 4 bits per pixel</source>
        <translation>RLE4 requiere 4 bits por píxel</translation>
    </message>
    <message>
        <source>bit fields need 16 or 32 bits per pixel</source>
        <translation>los campos de bits requieren 16 o 32 bits por píxel</translation>
    </message>
    <message>
        <source>unsupported bitmap compression %1</source>
        <translation>compresión de mapa de bits %1 no admitida</translation>
    </message>
    <message>
        <source>colour table of %1 entries is too large for %2 bits per pixel</source>
        <translation>una tabla de %1 colores es demasiado grande para %2 bits por píxel</translation>
    </message>
    <message>
        <source>palette index %1 is beyond the %2-colour palette</source>
        <translation>el índice de paleta %1 está fuera de la paleta de %2 colores</translation>
    </message>
    <message>
        <source>RLE data ends before the end of the picture</source>
        <translation>los datos RLE terminan antes del final de la imagen</translation>
    </message>
    <message>
        <source>RLE run past the end of the picture&apos;s row</source>
        <translation>una secuencia RLE sobrepasa el final de la fila de la imagen</translation>
    </message>
    <message>
        <source>RLE data ends inside a delta</source>
        <translation>los datos RLE terminan dentro de un desplazamiento</translation>
    </message>
    <message>
        <source>RLE delta moves past the picture</source>
        <translation>un desplazamiento RLE se sale de la imagen</translation>
    </message>
    <message>
        <source>RLE data ends inside an absolute run</source>
        <translation>los datos RLE terminan dentro de una secuencia absoluta</translation>
    </message>
</context>
<context>
    <name>PlannerLabels</name>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>%1 %2, %3 - %4 %5, %6</source>
        <comment>first month, day, year - last month, day, year</comment>
        <translation>%2 de %1 de %3 – %5 de %4 de %6</translation>
    </message>
    <message>
        <source>%1 %2 - %3 %4, %5</source>
        <comment>first month, day - last month, day, year</comment>
        <translation>%2 de %1 – %4 de %3 de %5</translation>
    </message>
    <message>
        <source>%1 %2-%3, %4</source>
        <comment>month, first day-last day, year</comment>
        <translation>%2–%3 de %1 de %4</translation>
    </message>
    <message>
        <source>%1, %2 %3, %4</source>
        <comment>weekday, month day, year</comment>
        <translation>%1, %3 de %2 de %4</translation>
    </message>
    <message>
        <source>%1, Weeks %2-%3</source>
        <comment>title, first and last week number</comment>
        <translation>%1, semanas %2-%3</translation>
    </message>
    <message>
        <source>%1, Week %2</source>
        <comment>title, week number</comment>
        <translation>%1, semana %2</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Left Margin is possibly outside of Printer printable area</source>
        <translation>Es posible que el margen izquierdo quede fuera del área imprimible</translation>
    </message>
    <message>
        <source>Top Margin is possibly outside of Printer printable area</source>
        <translation>Es posible que el margen superior quede fuera del área imprimible</translation>
    </message>
    <message>
        <source>Right Margin is possibly outside of Printer printable area</source>
        <translation>Es posible que el margen derecho quede fuera del área imprimible</translation>
    </message>
    <message>
        <source>Bottom Margin is possibly outside of Printer printable area</source>
        <translation>Es posible que el margen inferior quede fuera del área imprimible</translation>
    </message>
    <message>
        <source>Margin Warning:</source>
        <translation>Advertencia sobre márgenes:</translation>
    </message>
    <message>
        <source>Print anyways?</source>
        <translation>¿Imprimir de todos modos?</translation>
    </message>
    <message>
        <source>Margin Warning</source>
        <translation>Advertencia sobre márgenes</translation>
    </message>
    <message>
        <source>Print job completed and sent to printer!<byte value="xd"/><byte value="xd"/>Note: this design contains complex shapes or text.<byte value="xd"/>Please be patient while the printer produces its<byte value="xd"/>output...</source>
        <translation>¡Trabajo de impresión terminado y enviado a la impresora!</translation>
    </message>
    <message>
        <source>Print job completed and sent to printer!</source>
        <translation>¡Trabajo de impresión terminado y enviado a la impresora!<byte value="xd"/><byte value="xd"/>Nota: este diseño contiene formas o texto complejos.<byte value="xd"/>Tenga paciencia mientras la impresora produce<byte value="xd"/>su salida…</translation>
    </message>
</context>
<context>
    <name>PrinterCheck</name>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Unable to perform printer related operations</source>
        <translation>No hay impresoras instaladas.<byte value="xd"/>
No se pueden realizar operaciones de impresión</translation>
    </message>
    <message>
        <source>There is no default printer selected.<byte value="xd"/>
Unable to perform printer related operations</source>
        <translation>No hay ninguna impresora predeterminada seleccionada.<byte value="xd"/>
No se pueden realizar operaciones de impresión</translation>
    </message>
</context>
<context>
    <name>PropertiesPrompts</name>
    <message>
        <source>Calendar Style Sheet (*.DWS *.dws)</source>
        <translation>Hoja de estilo de calendario (*.DWS *.dws)</translation>
    </message>
    <message>
        <source>Save As Calendar Style Sheet</source>
        <translation>Guardar como hoja de estilo de calendario</translation>
    </message>
    <message>
        <source>MyStyle.DWS</source>
        <translation>MiEstilo.DWS</translation>
    </message>
    <message>
        <source>Open Calendar Style Sheet</source>
        <translation>Abrir hoja de estilo de calendario</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>not a recovery copy</source>
        <translation>no es una copia de recuperación</translation>
    </message>
    <message>
        <source>truncated</source>
        <translation>truncado</translation>
    </message>
    <message>
        <source>truncated cells</source>
        <translation>celdas truncadas</translation>
    </message>
    <message>
        <source>truncated objects</source>
        <translation>objetos truncados</translation>
    </message>
</context>
<context>
    <name>RecurringDescription</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Last Day %1</source>
        <translation>Último día %1</translation>
    </message>
    <message>
        <source>%1 Day %2</source>
        <translation>%1 día %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <translation>Último %1 de %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 de %3</translation>
    </message>
    <message>
        <source>%1 on or before %2</source>
        <translation>%1 el o antes del %2</translation>
    </message>
    <message>
        <source>%1 on or after %2</source>
        <translation>%1 el o después del %2</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%1 de %2 de %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>Del %1 al %2</translation>
    </message>
    <message>
        <source>Each Month</source>
        <translation>Cada mes</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>the ordinal of one, 1st</comment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>an ordinal ending in 1, as 21st</comment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.º</translation>
    </message>
</context>
<context>
    <name>RecurringFile</name>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>El archivo supera %1 MB.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>no es un archivo sino una carpeta, un dispositivo o una tubería</translation>
    </message>
    <message>
        <source>at %1 MB it is larger than any %2 can be (%3 MB)</source>
        <translation>con %1 MB el archivo es más grande de lo que puede ser %2 (%3 MB)</translation>
    </message>
    <message>
        <source>it grew while it was read</source>
        <translation>el archivo creció mientras se leía</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not RTF: the text does not start with {\rtf.</source>
        <translation>No es RTF: el texto no empieza por {\<byte value="xd"/>tf.</translation>
    </message>
    <message>
        <source>RTF groups are nested more than %1 deep.</source>
        <translation>Los grupos RTF están anidados a más de %1 niveles.</translation>
    </message>
    <message>
        <source>The RTF text ends before its last group is closed (%1 open): it is truncated.</source>
        <translation>El texto RTF termina antes de cerrar su último grupo (%1 abiertos): está truncado.</translation>
    </message>
</context>
<context>
    <name>SaveFiles</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>no se pudo escribir el archivo completo</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>no hay ninguna imagen que escribir</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>no hay nombre de archivo</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>no es un archivo sino una carpeta, un dispositivo o una tubería</translation>
    </message>
    <message>
        <source>it is a link another user made in a folder anyone may write to</source>
        <translation>es un enlace que otro usuario creó en una carpeta en la que cualquiera puede escribir</translation>
    </message>
    <message>
        <source>it is a link that leads through too many others</source>
        <translation>es un enlace que pasa por demasiados otros enlaces</translation>
    </message>
</context>
<context>
    <name>SetChoice</name>
    <message>
        <source>Cover</source>
        <translation>Portada</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
</context>
<context>
    <name>StreamReader</name>
    <message>
        <source>unknown font style %1</source>
        <translation>estilo de fuente desconocido %1</translation>
    </message>
    <message>
        <source>child components are not supported</source>
        <translation>no se admiten componentes hijos</translation>
    </message>
    <message>
        <source>unknown class %1</source>
        <translation>clase desconocida %1</translation>
    </message>
    <message>
        <source>unexpected end of input: %1 bytes needed, %2 left</source>
        <translation>fin inesperado de los datos: se necesitan %1 bytes, quedan %2</translation>
    </message>
    <message>
        <source>expected %1, found type %2</source>
        <translation>se esperaba %1, se encontró el tipo %2</translation>
    </message>
    <message>
        <source>the start of a list</source>
        <translation>el inicio de una lista</translation>
    </message>
    <message>
        <source>the end of a list</source>
        <translation>el final de una lista</translation>
    </message>
    <message>
        <source>expected an integer, found type %1</source>
        <translation>se esperaba un entero, se encontró el tipo %1</translation>
    </message>
    <message>
        <source>expected a string, found type %1</source>
        <translation>se esperaba una cadena, se encontró el tipo %1</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>un identificador</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>datos binarios</translation>
    </message>
    <message>
        <source>a set</source>
        <translation>un conjunto</translation>
    </message>
    <message>
        <source>nil</source>
        <translation>nil</translation>
    </message>
    <message>
        <source>a collection</source>
        <translation>una colección</translation>
    </message>
    <message>
        <source>unknown colour %1</source>
        <translation>color desconocido %1</translation>
    </message>
    <message>
        <source>values nested deeper than %1</source>
        <translation>valores anidados a más de %1 niveles</translation>
    </message>
    <message>
        <source>unknown value type %1</source>
        <translation>tipo de valor desconocido %1</translation>
    </message>
    <message>
        <source>not a component stream</source>
        <translation>no es un flujo de componentes</translation>
    </message>
</context>
<context>
    <name>TCalendarMain</name>
    <message>
        <source>Hide Icon Tool</source>
        <translation>Ocultar la herramienta Iconos</translation>
    </message>
    <message>
        <source>Show Icon Tool</source>
        <translation>Mostrar la herramienta Iconos</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Imprimiendo la página %p</translation>
    </message>
    <message>
        <source>Reopen</source>
        <translation>Volver a abrir</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1.<byte value="xd"/>
Please open it in your browser.</source>
        <translation>No se pudo iniciar ningún navegador web para mostrar %1.<byte value="xd"/>
Ábralo en su navegador.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>corrupted, possibly not a Calendar file</source>
        <translation>No se puede abrir %1. Quizá esté <byte value="xd"/>dañado, quizá no sea un archivo de calendario</translation>
    </message>
    <message>
        <source>Open Calendar File</source>
        <translation>Abrir archivo de calendario</translation>
    </message>
    <message>
        <source>Calendar File (*.DWC)</source>
        <translation>Archivo de calendario (*.DWC)</translation>
    </message>
    <message>
        <source>Must be a Calendar file (*.DWC)</source>
        <translation>Debe ser un archivo de calendario (*.DWC)</translation>
    </message>
    <message>
        <source>File %1 no longer exists</source>
        <translation>El archivo %1 ya no existe</translation>
    </message>
    <message>
        <source>Must be a Calendar file (*.DWC) or a Calendar Style Sheet (*.DWS)</source>
        <translation>Debe ser un archivo de calendario (*.DWC) o una hoja de estilo de calendario (*.DWS)</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>
corrupted, possibly not a Calendar Style file</source>
        <translation>No se puede abrir %1. Quizá esté <byte value="xd"/>
dañado, quizá no sea una hoja de estilo de calendario</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>Save Calendar File</source>
        <translation>Guardar archivo de calendario</translation>
    </message>
    <message>
        <source>Cancel all changes?</source>
        <translation>¿Descartar todos los cambios?</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save Calendar As Bitmap</source>
        <translation>Guardar calendario como mapa de bits</translation>
    </message>
    <message>
        <source>Bitmap File</source>
        <translation>Archivo de mapa de bits</translation>
    </message>
    <message>
        <source>Save Calendar As JPG</source>
        <translation>Guardar calendario como JPG</translation>
    </message>
    <message>
        <source>JPG File</source>
        <translation>Archivo JPG</translation>
    </message>
    <message>
        <source>Save Calendar As PNG</source>
        <translation>Guardar calendario como PNG</translation>
    </message>
    <message>
        <source>PNG File</source>
        <translation>Archivo PNG</translation>
    </message>
    <message>
        <source>Unable to save %1</source>
        <translation>No se puede guardar %1</translation>
    </message>
    <message>
        <source>Save Calendar As PDF</source>
        <translation>Guardar calendario como PDF</translation>
    </message>
    <message>
        <source>PDF File (*.PDF)</source>
        <translation>Archivo PDF (*.PDF)</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New </source>
        <translation>&amp;Nuevo </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>&amp;Save </source>
        <translation>&amp;Guardar </translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>Save As Bitmap File</source>
        <translation>Guardar como mapa de bits</translation>
    </message>
    <message>
        <source>Save As JPG File</source>
        <translation>Guardar como archivo JPG</translation>
    </message>
    <message>
        <source>Save As PNG File</source>
        <translation>Guardar como archivo PNG</translation>
    </message>
    <message>
        <source>Save As PDF File</source>
        <translation>Guardar como archivo PDF</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>User Defined Title</source>
        <translation>Título personalizado</translation>
    </message>
    <message>
        <source>&amp;Cancel Changes</source>
        <translation>&amp;Descartar cambios</translation>
    </message>
    <message>
        <source>Clear &amp;All Cell Contents</source>
        <translation>Borrar el con&amp;tenido de todas las celdas</translation>
    </message>
    <message>
        <source>&amp;Default Editor Font</source>
        <translation>&amp;Fuente predeterminada del editor</translation>
    </message>
    <message>
        <source>Fill Calendar with Recurring Dates</source>
        <translation>Rellenar el calendario con fechas periódicas</translation>
    </message>
    <message>
        <source>Fill Calendar from iCalendar File...</source>
        <translation>Rellenar el calendario desde un archivo iCalendar…</translation>
    </message>
    <message>
        <source>Edit Recurring Dates</source>
        <translation>Editar fechas periódicas</translation>
    </message>
    <message>
        <source>P&amp;rint Calendar</source>
        <translation>&amp;Imprimir calendario</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Configurar i&amp;mpresora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>&amp;Online</source>
        <translation>En &amp;línea</translation>
    </message>
    <message>
        <source>Visit Our Internet Website</source>
        <translation>Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Show Hints</source>
        <translation>&amp;Mostrar sugerencias</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Set/change Properties for the calendar</source>
        <translation>Establecer/cambiar las propiedades del calendario</translation>
    </message>
    <message>
        <source>Print the calendar</source>
        <translation>Imprimir el calendario</translation>
    </message>
    <message>
        <source>Selection tool</source>
        <translation>Herramienta de selección</translation>
    </message>
    <message>
        <source>Label tool</source>
        <translation>Herramienta Etiqueta</translation>
    </message>
    <message>
        <source>Clip Art Tool</source>
        <translation>Herramienta Imágenes prediseñadas</translation>
    </message>
    <message>
        <source>Rich Text tool <byte value="xd"/>Mixed fonts, colors and styles</source>
        <translation>Herramienta Texto enriquecido <byte value="xd"/>Fuentes, colores y estilos mezclados</translation>
    </message>
    <message>
        <source>SuperText tool <byte value="xd"/>Special Effects Text - fill with gradients or bitmaps</source>
        <translation>Herramienta SuperText <byte value="xd"/>Texto con efectos especiales, relleno de degradados o mapas de bits</translation>
    </message>
    <message>
        <source>Floating Calendar tool <byte value="xd"/>Mini Calendar that you can place anywhere</source>
        <translation>Herramienta Calendario flotante <byte value="xd"/>Minicalendario que puede colocar en cualquier lugar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save changes to the calendar</source>
        <translation>Guardar los cambios del calendario</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel all changes</source>
        <translation>Descartar todos los cambios</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Unable to start the print job on %1</source>
        <translation>No se puede iniciar la impresión en %1</translation>
    </message>
    <message>
        <source>a calendar that was never saved</source>
        <translation>un calendario nunca guardado</translation>
    </message>
    <message>
        <source>Datewright did not close properly. Unsaved changes to %1 from %2 were kept.<byte value="xd"/><byte value="xd"/>Recover them?</source>
        <translation>Datewright no se cerró correctamente. Se conservaron los cambios sin guardar de %1 del %2.<byte value="xd"/><byte value="xd"/>¿Recuperarlos?</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>The recovery file %1 is damaged (%2) and was set aside as %3.</source>
        <translation>El archivo de recuperación %1 está dañado (%2) y se ha apartado como %3.</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Recuperación</translation>
    </message>
    <message>
        <source>The recurring dates could not be read.<byte value="xd"/>
</source>
        <translation>No se pudieron leer las fechas periódicas.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The old recurring dates file DWRECUR.DAT could not be converted; it is kept.<byte value="xd"/>
</source>
        <translation>No se pudo convertir el antiguo archivo de fechas periódicas DWRECUR.DAT; se conserva.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Fill Calendar from iCalendar File</source>
        <translation>Rellenar el calendario desde un archivo iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Archivos iCalendar (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The calendar could not be read.<byte value="xd"/>
</source>
        <translation>No se pudo leer el calendario.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>No events of the calendar fall in the current month</source>
        <translation>Ningún evento del calendario cae en el mes actual</translation>
    </message>
    <message>
        <source>No predefined dates match the current month</source>
        <translation>Ninguna fecha predefinida coincide con el mes actual</translation>
    </message>
    <message>
        <source>Fill from Recurring Dates</source>
        <translation>Rellenar con fechas periódicas</translation>
    </message>
    <message>
        <source>The days could not be filled.<byte value="xd"/>
</source>
        <translation>No se pudieron rellenar los días.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Saving As PDF</source>
        <translation>Guardando como PDF</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Printing was cancelled. The pages drawn before may still be printed.</source>
        <translation>Se canceló la impresión. Es posible que las páginas dibujadas antes se impriman igualmente.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Undo Cell Text</source>
        <translation>Deshacer texto de la celda</translation>
    </message>
    <message>
        <source>The pictures cannot be taken: %1</source>
        <translation>No se pueden tomar las imágenes: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
These pictures could not be read; their pages show the design&apos;s picture:<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Estas imágenes no se han podido leer; sus páginas muestran la imagen del diseño:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>New from &amp;Template...</source>
        <translation>Nuevo a partir de p&amp;lantilla…</translation>
    </message>
    <message>
        <source>Save As PDF for Printing...</source>
        <translation>Guardar como PDF para imprenta...</translation>
    </message>
    <message>
        <source>Cover Page</source>
        <translation>Portada</translation>
    </message>
    <message>
        <source>Edit Co&amp;ver Page</source>
        <translation>Editar la p&amp;ortada</translation>
    </message>
    <message>
        <source>Set of Pages</source>
        <translation>Serie de páginas</translation>
    </message>
</context>
<context>
    <name>TCalendarProperties</name>
    <message>
        <source> [No Special Border]</source>
        <translation> [Sin borde especial]</translation>
    </message>
    <message>
        <source>¼ Inch</source>
        <translation>¼ de pulgada</translation>
    </message>
    <message>
        <source>½ Inch</source>
        <translation>½ pulgada</translation>
    </message>
    <message>
        <source>¾ Inch</source>
        <translation>¾ de pulgada</translation>
    </message>
    <message>
        <source>1 Inch</source>
        <translation>1 pulgada</translation>
    </message>
    <message>
        <source>1¼ Inch</source>
        <translation>1¼ pulgadas</translation>
    </message>
    <message>
        <source>1½ Inch</source>
        <translation>1½ pulgadas</translation>
    </message>
    <message>
        <source>Select Starting Date</source>
        <translation>Elegir la fecha de inicio</translation>
    </message>
    <message>
        <source>Select Month &amp; Year</source>
        <translation>Elegir mes y año</translation>
    </message>
    <message>
        <source>Must save as a Calendar Style Sheet (*.DWS)</source>
        <translation>Debe guardarse como hoja de estilo de calendario (*.DWS)</translation>
    </message>
    <message>
        <source>Unable to save %1.<byte value="xd"/>
%2</source>
        <translation>No se puede guardar %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Must be a Calendar Style Sheet (*.DWS)</source>
        <translation>Debe ser una hoja de estilo de calendario (*.DWS)</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly <byte value="xd"/>
corrupted, possibly not a Calendar Style file</source>
        <translation>No se puede abrir %1. Quizá esté <byte value="xd"/>
dañado, quizá no sea una hoja de estilo de calendario</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ADVERTENCIA</translation>
    </message>
    <message>
        <source>Warning: changing to this type of layout<byte value="xd"/>will erase all text and icons from the current<byte value="xd"/>calendar. Proceed?</source>
        <translation>Advertencia: cambiar a este tipo de diseño<byte value="xd"/>borrará todos los textos e iconos del calendario<byte value="xd"/>actual. ¿Continuar?</translation>
    </message>
    <message>
        <source>Warning: The Calendar has one or more items<byte value="xd"/>placed on it using the Label, Clip Art, RichText,<byte value="xd"/>SuperText or Floating Calendar tools.<byte value="xd"/><byte value="xd"/>Changing Paper Size, Orientation, Layout, Margins or Border<byte value="xd"/>means you will have to reposition these items.<byte value="xd"/><byte value="xd"/>Proceed?</source>
        <translation>Advertencia: hay elementos colocados en el calendario<byte value="xd"/>con las herramientas Etiqueta, Imágenes prediseñadas, Texto enriquecido,<byte value="xd"/>SuperText o Calendario flotante.<byte value="xd"/><byte value="xd"/>Si cambia el tamaño del papel, la orientación, el diseño, los márgenes o el borde,<byte value="xd"/>tendrá que volver a colocar esos elementos.<byte value="xd"/><byte value="xd"/>¿Continuar?</translation>
    </message>
    <message>
        <source>1 Month Calendar </source>
        <translation>Calendario de 1 mes </translation>
    </message>
    <message>
        <source>1 Month Calendar, 2 Mini Calendars</source>
        <translation>Calendario de 1 mes, 2 minicalendarios</translation>
    </message>
    <message>
        <source>1 Month Calendar, 6 Mini Calendars Before &amp; After </source>
        <translation>Calendario de 1 mes, 6 minicalendarios antes y después </translation>
    </message>
    <message>
        <source>1 Month Calendar, 12 Mini Calendars After </source>
        <translation>Calendario de 1 mes, 12 minicalendarios después </translation>
    </message>
    <message>
        <source>6 Month Calendar (Mini Calendars)</source>
        <translation>Calendario de 6 meses (minicalendarios)</translation>
    </message>
    <message>
        <source>12 Month Calendar (Mini Calendars)</source>
        <translation>Calendario de 12 meses (minicalendarios)</translation>
    </message>
    <message>
        <source>24 Month Calendar (Mini Calendars)</source>
        <translation>Calendario de 24 meses (minicalendarios)</translation>
    </message>
    <message>
        <source>48 Month Calendar (Mini Calendars)</source>
        <translation>Calendario de 48 meses (minicalendarios)</translation>
    </message>
    <message>
        <source>60 Month Calendar (Mini Calendars)</source>
        <translation>Calendario de 60 meses (minicalendarios)</translation>
    </message>
    <message>
        <source>One Week Planner</source>
        <translation>Agenda semanal</translation>
    </message>
    <message>
        <source>Two Week Planner</source>
        <translation>Agenda de dos semanas</translation>
    </message>
    <message>
        <source>Day Planner (10 hours) </source>
        <translation>Agenda diaria (10 horas) </translation>
    </message>
    <message>
        <source>Day Planner (15 hours) </source>
        <translation>Agenda diaria (15 horas) </translation>
    </message>
    <message>
        <source>First Character</source>
        <translation>Primera letra</translation>
    </message>
    <message>
        <source>First Three Characters</source>
        <translation>Tres primeras letras</translation>
    </message>
    <message>
        <source>Whole Word</source>
        <translation>Palabra entera</translation>
    </message>
    <message>
        <source>Calendar Properties</source>
        <translation>Propiedades del calendario</translation>
    </message>
    <message>
        <source>Click a tab to work with a different aspect of <byte value="xd"/>this calendar&apos;s properties</source>
        <translation>Haga clic en una pestaña para trabajar con otro aspecto <byte value="xd"/>de las propiedades de este calendario</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Fonts, Colors</source>
        <translation>Fuentes, colores</translation>
    </message>
    <message>
        <source>Mini Fonts, Colors</source>
        <translation>Minifuentes, colores</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>Cabeceras</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Planners</source>
        <translation>Agendas</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Márgenes</translation>
    </message>
    <message>
        <source>Select Layout</source>
        <translation>Elegir diseño</translation>
    </message>
    <message>
        <source>Select a layout for the calendar from this list</source>
        <translation>Elija un diseño para el calendario de esta lista</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Select the orientation of the printed calendar</source>
        <translation>Elija la orientación del calendario impreso</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Select the size of paper the calendar is printed on</source>
        <translation>Elija el tamaño del papel en el que se imprime el calendario</translation>
    </message>
    <message>
        <source>Click on a date to select it</source>
        <translation>Haga clic en una fecha para seleccionarla</translation>
    </message>
    <message>
        <source>Go back one year</source>
        <translation>Retroceder un año</translation>
    </message>
    <message>
        <source>Go back one month</source>
        <translation>Retroceder un mes</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Go to today&apos;s date</source>
        <translation>Ir a la fecha de hoy</translation>
    </message>
    <message>
        <source>Go forward one month</source>
        <translation>Avanzar un mes</translation>
    </message>
    <message>
        <source>Go forward one year</source>
        <translation>Avanzar un año</translation>
    </message>
    <message>
        <source>Week Starts On</source>
        <translation>La semana empieza el</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Select the day that the calendar week starts on</source>
        <translation>Elija el día en que empieza la semana del calendario</translation>
    </message>
    <message>
        <source>Show Year in Title</source>
        <translation>Año en el título</translation>
    </message>
    <message>
        <source>Check to show the year in the calendar&apos;s title</source>
        <translation>Marque para mostrar el año en el título del calendario</translation>
    </message>
    <message>
        <source>Show Year in Mini Title</source>
        <translation>Año en el minitítulo</translation>
    </message>
    <message>
        <source>Check to show the year in the mini calendars&apos; titles</source>
        <translation>Marque para mostrar el año en los títulos de los minicalendarios</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Click to choose the font</source>
        <translation>Haga clic para elegir la fuente</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Click to choose the background color</source>
        <translation>Haga clic para elegir el color de fondo</translation>
    </message>
    <message>
        <source>Fonts &amp; Colors</source>
        <translation>Fuentes y colores</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>Number Cells</source>
        <translation>Celdas de números</translation>
    </message>
    <message>
        <source>Mini Fonts &amp; Colors</source>
        <translation>Minifuentes y colores</translation>
    </message>
    <message>
        <source>Mini Title</source>
        <translation>Minitítulo</translation>
    </message>
    <message>
        <source>Mini Header</source>
        <translation>Miniencabezado</translation>
    </message>
    <message>
        <source>Mini Number Cells</source>
        <translation>Miniceldas de números</translation>
    </message>
    <message>
        <source>Mini Calendar Background Color</source>
        <translation>Fondo de los minicalendarios</translation>
    </message>
    <message>
        <source>Header Styles</source>
        <translation>Estilos de encabezado</translation>
    </message>
    <message>
        <source>Header Style</source>
        <translation>Estilo de encabezado</translation>
    </message>
    <message>
        <source>Select how the day names are written</source>
        <translation>Elija cómo se escriben los nombres de los días</translation>
    </message>
    <message>
        <source>Mini Header Style</source>
        <translation>Estilo de miniencabezado</translation>
    </message>
    <message>
        <source>Select how the mini calendars&apos; day names are written</source>
        <translation>Elija cómo se escriben los nombres de los días de los minicalendarios</translation>
    </message>
    <message>
        <source>Line Styles</source>
        <translation>Estilos de línea</translation>
    </message>
    <message>
        <source>Calendar Line Style</source>
        <translation>Líneas del calendario</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Completo</translation>
    </message>
    <message>
        <source>Headers &amp; Cells</source>
        <translation>Encabezados y celdas</translation>
    </message>
    <message>
        <source>Cells Only</source>
        <translation>Solo celdas</translation>
    </message>
    <message>
        <source>Select the lines drawn on the calendar</source>
        <translation>Elija las líneas que se dibujan en el calendario</translation>
    </message>
    <message>
        <source>Mini-Calendar Line Style</source>
        <translation>Líneas de los minicalendarios</translation>
    </message>
    <message>
        <source>Boxed</source>
        <translation>Recuadrado</translation>
    </message>
    <message>
        <source>Minimal</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Select the lines drawn on the mini calendars</source>
        <translation>Elija las líneas que se dibujan en los minicalendarios</translation>
    </message>
    <message>
        <source>Day Planner</source>
        <translation>Agenda diaria</translation>
    </message>
    <message>
        <source>Starting Time (for day planners)</source>
        <translation>Hora de inicio (agendas diarias)</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Fijar hora</translation>
    </message>
    <message>
        <source>Click to set the time of the first hour of the day planners</source>
        <translation>Haga clic para fijar la hora de la primera fila de las agendas diarias</translation>
    </message>
    <message>
        <source>*(Note: This setting only applies if you have selected one of the two Day Planners from the Layout tab)</source>
        <translation>*(Nota: este ajuste solo se aplica si ha elegido una de las dos agendas diarias en la pestaña Diseño)</translation>
    </message>
    <message>
        <source>Month and Day Names</source>
        <translation>Nombres de meses y días</translation>
    </message>
    <message>
        <source>Month Names</source>
        <translation>Nombres de los meses</translation>
    </message>
    <message>
        <source>Type in the month names, starting with January,<byte value="xd"/>or click one of the buttons below</source>
        <translation>Escriba los nombres de los meses, empezando por enero,<byte value="xd"/>o haga clic en uno de los botones de abajo</translation>
    </message>
    <message>
        <source>Day Names</source>
        <translation>Nombres de los días</translation>
    </message>
    <message>
        <source>Type in the day names, starting with Sunday,<byte value="xd"/>or click one of the buttons below</source>
        <translation>Escriba los nombres de los días, empezando por domingo,<byte value="xd"/>o haga clic en uno de los botones de abajo</translation>
    </message>
    <message>
        <source>Click to use the month and day names of this language</source>
        <translation>Haga clic para usar los nombres de meses y días de este idioma</translation>
    </message>
    <message>
        <source>Select Page Margins</source>
        <translation>Elegir los márgenes de la página</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Margen izquierdo</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Margen superior</translation>
    </message>
    <message>
        <source>Right Margin</source>
        <translation>Margen derecho</translation>
    </message>
    <message>
        <source>Bottom Margin</source>
        <translation>Margen inferior</translation>
    </message>
    <message>
        <source>Select the left margin for the printed calendar</source>
        <translation>Elija el margen izquierdo del calendario impreso</translation>
    </message>
    <message>
        <source>Select the top margin for the printed calendar</source>
        <translation>Elija el margen superior del calendario impreso</translation>
    </message>
    <message>
        <source>Select the right margin for the printed calendar</source>
        <translation>Elija el margen derecho del calendario impreso</translation>
    </message>
    <message>
        <source>Select the bottom margin for the printed calendar</source>
        <translation>Elija el margen inferior del calendario impreso</translation>
    </message>
    <message>
        <source>Use Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Show the margins in inches</source>
        <translation>Mostrar los márgenes en pulgadas</translation>
    </message>
    <message>
        <source>Use Millimeters</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>Show the margins in millimeters</source>
        <translation>Mostrar los márgenes en milímetros</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordes</translation>
    </message>
    <message>
        <source>Calendar Borders</source>
        <translation>Bordes del calendario</translation>
    </message>
    <message>
        <source>Select a border to print around the calendar</source>
        <translation>Elija un borde para imprimir alrededor del calendario</translation>
    </message>
    <message>
        <source>This is an example calendar</source>
        <translation>Este es un calendario de ejemplo</translation>
    </message>
    <message>
        <source>Click to zoom out (make the calendar smaller)</source>
        <translation>Haga clic para alejar (calendario más pequeño)</translation>
    </message>
    <message>
        <source>Click to zoom in (make the calendar larger)</source>
        <translation>Haga clic para acercar (calendario más grande)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Click to use these settings for the calendar</source>
        <translation>Haga clic para usar estos ajustes en el calendario</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Click to close without changing the calendar</source>
        <translation>Haga clic para cerrar sin cambiar el calendario</translation>
    </message>
    <message>
        <source>&amp;Save As Style Sheet</source>
        <translation>&amp;Guardar como estilo</translation>
    </message>
    <message>
        <source>Click to save these settings as a style sheet</source>
        <translation>Haga clic para guardar estos ajustes como hoja de estilo</translation>
    </message>
    <message>
        <source>&amp;Load Style Sheet</source>
        <translation>Cargar &amp;estilo</translation>
    </message>
    <message>
        <source>Click to load settings from a style sheet</source>
        <translation>Haga clic para cargar los ajustes de una hoja de estilo</translation>
    </message>
    <message>
        <source>&amp;Default Style</source>
        <translation>&amp;Predeterminado</translation>
    </message>
    <message>
        <source>Click to go back to the default style</source>
        <translation>Haga clic para volver al estilo predeterminado</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Click for help on this page</source>
        <translation>Haga clic para obtener ayuda sobre esta página</translation>
    </message>
    <message>
        <source>Select whether the calendars show week numbers, and which</source>
        <translation>Elija si los calendarios muestran números de semana, y cuáles</translation>
    </message>
    <message>
        <source>&amp;Week Numbers</source>
        <translation>&amp;Números de semana</translation>
    </message>
</context>
<context>
    <name>TCalendarSetDialog</name>
    <message>
        <source>pages, one a month, from</source>
        <translation>páginas, una al mes, desde el</translation>
    </message>
    <message>
        <source>pages, one every two weeks, from</source>
        <translation>páginas, una cada dos semanas, desde el</translation>
    </message>
    <message>
        <source>pages, one a week, from</source>
        <translation>páginas, una a la semana, desde el</translation>
    </message>
    <message>
        <source>pages, one a day, from</source>
        <translation>páginas, una al día, desde el</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Imprimir calendario</translation>
    </message>
    <message>
        <source>Save As PDF File</source>
        <translation>Guardar como archivo PDF</translation>
    </message>
    <message>
        <source>&amp;This page</source>
        <translation>&amp;Esta página</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>My recurring dates</source>
        <translation>Mis fechas periódicas</translation>
    </message>
    <message>
        <source>Holidays of %1</source>
        <translation>Festivos de %1</translation>
    </message>
    <message>
        <source>An iCalendar file</source>
        <translation>Un archivo iCalendar</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar…</translation>
    </message>
    <message>
        <source>Show the &amp;age on birthdays and anniversaries</source>
        <translation>Mostrar la e&amp;dad en cumpleaños y aniversarios</translation>
    </message>
    <message>
        <source>&amp;Fill the days from</source>
        <translation>&amp;Rellenar los días con</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Fill The Days From</source>
        <translation>Rellenar los días con</translation>
    </message>
    <message>
        <source>iCalendar File (*.ics);;All Files (*)</source>
        <translation>Archivo iCalendar (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose the iCalendar file to fill the days from.</source>
        <translation>Elija el archivo iCalendar con el que rellenar los días.</translation>
    </message>
    <message>
        <source>The design&apos;s picture on every page</source>
        <translation>La imagen del diseño en cada página</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>Exami&amp;nar…</translation>
    </message>
    <message>
        <source>P&amp;ictures, one a page, from</source>
        <translation>I&amp;mágenes, una por página, desde</translation>
    </message>
    <message>
        <source>Pictures, One a Page</source>
        <translation>Imágenes, una por página</translation>
    </message>
    <message>
        <source>The pictures cannot be taken: %1</source>
        <translation>No se pueden tomar las imágenes: %1</translation>
    </message>
    <message>
        <source>Start with the co&amp;ver page</source>
        <translation>Empezar con la p&amp;ortada</translation>
    </message>
    <message>
        <source>The cover is designed with File &gt; Edit Cover Page</source>
        <translation>La portada se diseña con Archivo &gt; Editar la portada</translation>
    </message>
    <message>
        <source>Drag a picture to its page, or move it with Ctrl+Left and Ctrl+Right; Delete leaves it out</source>
        <translation>Arrastre una imagen a su página, o muévala con Ctrl+Izquierda y Ctrl+Derecha; Supr la quita</translation>
    </message>
    <message>
        <source>Move &amp;Earlier</source>
        <translation>&amp;Adelantar</translation>
    </message>
    <message>
        <source>Move &amp;Later</source>
        <translation>Re&amp;trasar</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>A&amp;dd Pictures...</source>
        <translation>Añadir imágene&amp;s…</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Imágenes (%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>No pictures are left for the pages: add pictures, or clear the folder to show the design&apos;s picture.</source>
        <translation>No quedan imágenes para las páginas: añada imágenes o vacíe la carpeta para mostrar la imagen del diseño.</translation>
    </message>
</context>
<context>
    <name>TChooseRows</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TEditRecurringDateFormula</name>
    <message>
        <source>Select the month, or &apos;Each Month&apos; for every month</source>
        <translation>Elija el mes, o «Cada mes» para todos los meses</translation>
    </message>
    <message>
        <source>Recurring Date - Formulas</source>
        <translation>Fecha periódica – fórmulas</translation>
    </message>
    <message>
        <source>Day of the &amp;Month</source>
        <translation>Día del &amp;mes</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Day of the Month&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Marque aquí para elegir un recordatorio periódico <byte value="xd"/>del tipo «Día del mes»</translation>
    </message>
    <message>
        <source>Select the day of the month (1-31)</source>
        <translation>Elija el día del mes (1–31)</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Day of the &amp;Week</source>
        <translation>Día de la &amp;semana</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Days of the Week&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Marque aquí para elegir un recordatorio periódico <byte value="xd"/>del tipo «Días de la semana»</translation>
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
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Check to use this reminder on this day of <byte value="xd"/>each week</source>
        <translation>Marque para usar este recordatorio este día <byte value="xd"/>de cada semana</translation>
    </message>
    <message>
        <source>All Days</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Check to include all days</source>
        <translation>Marque para incluir todos los días</translation>
    </message>
    <message>
        <source>&amp;Special</source>
        <translation>&amp;Especial</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;nth Day of Month&apos; <byte value="xd"/>style Repeating Reminder</source>
        <translation>Marque aquí para elegir un recordatorio periódico <byte value="xd"/>del tipo «enésimo día del mes»</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source>Select the occurrance: First, 2nd, 3rd, 4th, 5th<byte value="xd"/>or Last</source>
        <translation>Elija la repetición: primero, 2.º, 3.º, 4.º, 5.º<byte value="xd"/>o último</translation>
    </message>
    <message>
        <source>Day (any day)</source>
        <translation>Día (cualquiera)</translation>
    </message>
    <message>
        <source>Select the day of the week, or &apos;Day (any day)&apos; for any day</source>
        <translation>Elija el día de la semana, o «Día (cualquiera)» para cualquier día</translation>
    </message>
    <message>
        <source>Recurring event (birthday, anniversary, etc)</source>
        <translation>Evento periódico (cumpleaños, aniversario, etc.)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Invalid day of month entered </source>
        <translation>Día del mes no válido </translation>
    </message>
    <message>
        <source>Invalid month entered </source>
        <translation>Mes no válido </translation>
    </message>
    <message>
        <source>Invalid value entered for Special category</source>
        <translation>Valor no válido para la categoría Especial</translation>
    </message>
    <message>
        <source>You must select at least one day for this <byte value="xd"/>reminder to occur on</source>
        <translation>Debe elegir al menos un día en el que <byte value="xd"/>se produzca este recordatorio</translation>
    </message>
</context>
<context>
    <name>TEditRecurringDates</name>
    <message>
        <source><byte value="xd"/>
... and %1 more</source>
        <translation><byte value="xd"/>
… y %1 más</translation>
    </message>
    <message>
        <source>Recurring Dates</source>
        <translation>Fechas periódicas</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Add the recurring events of an iCalendar file</source>
        <translation>Añadir los eventos periódicos de un archivo iCalendar</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Write the list as an iCalendar file</source>
        <translation>Escribir la lista como archivo iCalendar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The recurring dates could not be saved.<byte value="xd"/>
</source>
        <translation>No se pudieron guardar las fechas periódicas.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add Recurring Date</source>
        <translation>Añadir fecha periódica</translation>
    </message>
    <message>
        <source>[Enter event]</source>
        <translation>[Escriba el evento]</translation>
    </message>
    <message>
        <source>This entry cannot be edited</source>
        <translation>Esta entrada no se puede editar</translation>
    </message>
    <message>
        <source>Edit Recurring Date Formula</source>
        <translation>Editar la fórmula de la fecha periódica</translation>
    </message>
    <message>
        <source>Import Recurring Dates</source>
        <translation>Importar fechas periódicas</translation>
    </message>
    <message>
        <source>Export Recurring Dates</source>
        <translation>Exportar fechas periódicas</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The recurring dates could not be imported.<byte value="xd"/>
</source>
        <translation>No se pudieron importar las fechas periódicas.<byte value="xd"/>
</translation>
    </message>
    <message numerus="yes">
        <source>%n recurring dates were added.</source>
        <translation>
            <numerusform>Se añadió %n fecha periódica.</numerusform>
            <numerusform>Se añadieron %n fechas periódicas.</numerusform>
        </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
These events cannot be kept as recurring dates and were left out:<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Estos eventos no se pueden conservar como fechas periódicas y se han omitido:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The recurring dates could not be exported.<byte value="xd"/>
</source>
        <translation>No se pudieron exportar las fechas periódicas.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>These entries fall on no day and were left out:<byte value="xd"/>
</source>
        <translation>Estas entradas no caen en ningún día y se han omitido:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>TFlatCalendarEditor</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Top &amp; Bottom</source>
        <translation>Arriba y abajo</translation>
    </message>
    <message>
        <source>Floating Calendar Properties</source>
        <translation>Propiedades del calendario flotante</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Week Starts On</source>
        <translation>La semana empieza el</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Select the day that the calendar week starts on</source>
        <translation>Elija el día en que empieza la semana del calendario</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Show Year in Title</source>
        <translation>Año en el título</translation>
    </message>
    <message>
        <source>First Character</source>
        <translation>Primera letra</translation>
    </message>
    <message>
        <source>First Three Characters</source>
        <translation>Tres primeras letras</translation>
    </message>
    <message>
        <source>Whole Word</source>
        <translation>Palabra entera</translation>
    </message>
    <message>
        <source>Header Style</source>
        <translation>Estilo de encabezado</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Title Font</source>
        <translation>Fuente del título</translation>
    </message>
    <message>
        <source>Header Font</source>
        <translation>Fuente del encabezado</translation>
    </message>
    <message>
        <source>Cell Font</source>
        <translation>Fuente de las celdas</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordes</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Celdas</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Title Background</source>
        <translation>Fondo del título</translation>
    </message>
    <message>
        <source>Header Background </source>
        <translation>Fondo del encabezado </translation>
    </message>
    <message>
        <source>Body Background </source>
        <translation>Fondo del cuerpo </translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>UpperRight</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>UpperLeft</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Números de semana</translation>
    </message>
</context>
<context>
    <name>TFloatingPalette</name>
    <message>
        <source>Activities</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>Miscellaneous #1</source>
        <translation>Varios n.º 1</translation>
    </message>
    <message>
        <source>Miscellaneous #2</source>
        <translation>Varios n.º 2</translation>
    </message>
    <message>
        <source>All Files (*.ICL *.DLL *.EXE *.ICO *.NIL *.icl *.dll *.exe *.ico *.nil);;ICL Files (*.ICL *.icl);;DLL Files (*.DLL *.dll);;EXE Files (*.EXE *.exe);;ICO Files (*.ICO *.ico);;NIL Files (*.NIL *.nil);;ICL and ICO Files (*.ICL *.ICO *.icl *.ico)</source>
        <translation>Todos los archivos (*.ICL *.DLL *.EXE *.ICO *.NIL *.icl *.dll *.exe *.ico *.nil);;Archivos ICL (*.ICL *.icl);;Archivos DLL (*.DLL *.dll);;Archivos EXE (*.EXE *.exe);;Archivos ICO (*.ICO *.ico);;Archivos NIL (*.NIL *.nil);;Archivos ICL e ICO (*.ICL *.ICO *.icl *.ico)</translation>
    </message>
    <message>
        <source>No Bonus Sets Found!<byte value="xd"/>
<byte value="xd"/>
The bonus icon sets were not found in the &quot;BonusIcons&quot; folder beside the program. They are obtained separately.</source>
        <translation>¡No se encontraron conjuntos adicionales!<byte value="xd"/>
<byte value="xd"/>
Los conjuntos de iconos adicionales no se encontraron en la carpeta «BonusIcons» junto al programa. Se obtienen por separado.</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Iconos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Otro…</translation>
    </message>
    <message>
        <source>Bonus Icon Sets</source>
        <translation>Conjuntos de iconos adicionales</translation>
    </message>
    <message>
        <source>No icons found in %1</source>
        <translation>No se encontraron iconos en %1</translation>
    </message>
</context>
<context>
    <name>TFontColorDialog</name>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>TGetHolidays</name>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>Holidays of</source>
        <translation>Festivos de</translation>
    </message>
    <message>
        <source>Choose whose holidays to list</source>
        <translation>Elija de quién listar los festivos</translation>
    </message>
    <message>
        <source>The holidays of %1 could not be read.<byte value="xd"/>
%2</source>
        <translation>No se pudieron leer los festivos de %1.<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>TGetLabelText</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Escriba el texto</translation>
    </message>
    <message>
        <source>The text the label shows.</source>
        <translation>El texto que muestra la etiqueta.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Datewright Help</source>
        <translation>Ayuda de Datewright</translation>
    </message>
    <message>
        <source>Unable to open the help file %1: %2</source>
        <translation>No se puede abrir el archivo de ayuda %1: %2</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation>el archivo supera %1 bytes</translation>
    </message>
    <message>
        <source>the file has more than %1 lines</source>
        <translation>el archivo tiene más de %1 líneas</translation>
    </message>
    <message>
        <source>a line is longer than %1 characters</source>
        <translation>una línea supera %1 caracteres</translation>
    </message>
    <message>
        <source>the file has more than %1 sections</source>
        <translation>el archivo tiene más de %1 secciones</translation>
    </message>
    <message>
        <source>it could not be read whole (%1), so it is left as it is</source>
        <translation>no se pudo leer entero (%1), así que se deja tal cual</translation>
    </message>
</context>
<context>
    <name>TLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The language you chose takes effect the next time Datewright starts.</source>
        <translation>El idioma elegido se aplicará la próxima vez que se inicie Datewright.</translation>
    </message>
</context>
<context>
    <name>TLumBaseLabel</name>
    <message>
        <source>Enter text...</source>
        <translation>Escriba el texto…</translation>
    </message>
</context>
<context>
    <name>TLumFont3DEffects</name>
    <message>
        <source>Text 3D Effects</source>
        <translation>Efectos 3D del texto</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Dirección de la sombra</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Tamaño de la sombra</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Color de la sombra</translation>
    </message>
    <message>
        <source>Highlight Direction</source>
        <translation>Dirección del brillo</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Highlight Depth</source>
        <translation>Tamaño del brillo</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Color del brillo</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color de la fuente</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>TLumImageBrowser</name>
    <message>
        <source>Load Image File </source>
        <translation>Cargar archivo de imagen </translation>
    </message>
    <message>
        <source>Type a folder or a picture file and press Enter</source>
        <translation>Escriba una carpeta o un archivo de imagen y pulse Intro</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Opciones </translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>Stretch image to max display size</source>
        <translation>Estirar la imagen al tamaño máximo de visualización</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Tamaño auto</translation>
    </message>
    <message>
        <source>AutoSize TImage</source>
        <translation>Tamaño automático de la imagen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor a file.</source>
        <translation>%1 no es una carpeta ni un archivo.</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>¡Error al cargar el archivo!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>TPictureOrderList</name>
    <message>
        <source>Not printed</source>
        <translation>No se imprime</translation>
    </message>
</context>
<context>
    <name>TPreviousInstance</name>
    <message>
        <source>the lock file %1 cannot be made</source>
        <translation>no se puede crear el archivo de bloqueo %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <translation>no se puede crear la carpeta %1 (%2)</translation>
    </message>
    <message>
        <source>the folder %1 is not a folder</source>
        <translation>la carpeta %1 no es una carpeta</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>la carpeta %1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>the folder %1 is open to other users</source>
        <translation>la carpeta %1 es accesible para otros usuarios</translation>
    </message>
    <message>
        <source>Datewright is already running, but the running copy did not come to the front. If it no longer responds, end it and start Datewright again.</source>
        <translation>Datewright ya se está ejecutando, pero la instancia en ejecución no pasó a primer plano. Si ya no responde, ciérrela y vuelva a iniciar Datewright.</translation>
    </message>
    <message>
        <source>Datewright cannot make sure that it is the only copy running: %1.</source>
        <translation>Datewright no puede asegurarse de ser la única instancia en ejecución: %1.</translation>
    </message>
</context>
<context>
    <name>TPrintSheetDialog</name>
    <message>
        <source>PDF for Printing</source>
        <translation>PDF para imprenta</translation>
    </message>
    <message>
        <source>Print services cut each page from a larger sheet. Pictures, borders and backgrounds that reach the page&apos;s edge go on into the bleed, so that no white line shows after cutting.</source>
        <translation>Las imprentas cortan cada página de un pliego mayor. Las imágenes, los bordes y los fondos que llegan al borde de la página continúan en el sangrado, para que no quede ninguna línea blanca tras el corte.</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Crop marks outside the bleed</source>
        <translation>&amp;Marcas de corte fuera del sangrado</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;Sangrado:</translation>
    </message>
</context>
<context>
    <name>TReportPrinter</name>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation>No hay impresoras definidas; se cancela la impresión.</translation>
    </message>
</context>
<context>
    <name>TRichTextLabelEditor</name>
    <message>
        <source>Rich Text Editor</source>
        <translation>Editor de texto enriquecido</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
</context>
<context>
    <name>TSelectRecurringDates</name>
    <message>
        <source>Select Recurring Dates To Use</source>
        <translation>Elegir las fechas periódicas que se usarán</translation>
    </message>
</context>
<context>
    <name>TSetProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pages done</source>
        <translation>
            <numerusform>%1 de %n página hecha</numerusform>
            <numerusform>%1 de %n páginas hechas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSetTimeDialog</name>
    <message>
        <source>Set Time As: %1:%2 %3</source>
        <translation>Fijar la hora en: %1:%2 %3</translation>
    </message>
    <message>
        <source>am</source>
        <translation>a. m.</translation>
    </message>
    <message>
        <source>pm</source>
        <translation>p. m.</translation>
    </message>
    <message>
        <source>  Hour</source>
        <translation>  Hora</translation>
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
        <translation>Haga clic para fijar las horas</translation>
    </message>
    <message>
        <source>  Minute</source>
        <translation>  Minuto</translation>
    </message>
    <message>
        <source>Click to set the minutes portion of the time</source>
        <translation>Haga clic para fijar los minutos</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TSplashform</name>
    <message>
        <source>About Datewright</source>
        <translation>Acerca de Datewright</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>%1-bit version</source>
        <translation>Versión de %1 bits</translation>
    </message>
    <message>
        <source>Calendar pages designed, filled and printed your way.</source>
        <translation>Páginas de calendario diseñadas, rellenadas e impresas a su manera.</translation>
    </message>
    <message>
        <source>Made by the Datewright developers - https://datewright.org/</source>
        <translation>Hecho por los desarrolladores de Datewright – https://datewright.org/</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TSuperTextBrushImageBrowser</name>
    <message>
        <source>Load Texture Image</source>
        <translation>Cargar imagen de textura</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>¡Error al cargar el archivo!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>TSuperTextGetSymbol</name>
    <message>
        <source>Symbol Selector</source>
        <translation>Selector de símbolos</translation>
    </message>
    <message>
        <source>Select a symbol font set</source>
        <translation>Elija una fuente de símbolos</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Copy the selected symbol to the label</source>
        <translation>Copiar el símbolo elegido en la etiqueta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No Symbol fonts installed</source>
        <translation>No hay fuentes de símbolos instaladas</translation>
    </message>
</context>
<context>
    <name>TSuperTextProperties</name>
    <message>
        <source>SuperText Properties</source>
        <translation>Propiedades de SuperText</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Elegir fuente</translation>
    </message>
    <message>
        <source>Select Symbol</source>
        <translation>Elegir símbolo</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Degradado</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Color inicial</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Color final</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Cargar textura</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color de la fuente</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Color del contorno</translation>
    </message>
    <message>
        <source>Outline Style</source>
        <translation>Estilo del contorno</translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation>Línea continua</translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation>Línea de guiones</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Línea de puntos</translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation>Guion-punto</translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation>Guion-punto-punto</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Grosor del contorno</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Color de la sombra</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Dirección de la sombra</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Down and Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Down and Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Tamaño de la sombra</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Escriba algún texto</translation>
    </message>
</context>
<context>
    <name>TTemplateDialog</name>
    <message>
        <source>New from Template</source>
        <translation>Nuevo a partir de plantilla</translation>
    </message>
</context>
<context>
    <name>TUndoHistory</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>Objeto nuevo</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Eliminar objeto</translation>
    </message>
    <message>
        <source>Object Change</source>
        <translation>Cambio de objeto</translation>
    </message>
    <message>
        <source>Cell Text</source>
        <translation>Texto de celda</translation>
    </message>
    <message>
        <source>Cell Texts</source>
        <translation>Textos de celdas</translation>
    </message>
</context>
<context>
    <name>TUserTitleForm</name>
    <message>
        <source>User Defined Title</source>
        <translation>Título personalizado</translation>
    </message>
    <message>
        <source>Enter calendar title (leave blank for default):</source>
        <translation>Título del calendario (en blanco para el predeterminado):</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TWPRichText</name>
    <message>
        <source>Please use Bitmap.</source>
        <translation>Use un mapa de bits.</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>Wall photo calendar A4</source>
        <translation>Calendario fotográfico de pared A4</translation>
    </message>
    <message>
        <source>Wall photo calendar Letter</source>
        <translation>Calendario fotográfico de pared Letter</translation>
    </message>
    <message>
        <source>Desk calendar</source>
        <translation>Calendario de sobremesa</translation>
    </message>
    <message>
        <source>Year at a glance</source>
        <translation>El año de un vistazo</translation>
    </message>
    <message>
        <source>Family week planner</source>
        <translation>Planificador semanal familiar</translation>
    </message>
    <message>
        <source>Day planner</source>
        <translation>Agenda diaria</translation>
    </message>
    <message>
        <source>Birthday calendar</source>
        <translation>Calendario de cumpleaños</translation>
    </message>
    <message>
        <source>Holiday calendar Canada</source>
        <translation>Calendario de festivos Canadá</translation>
    </message>
    <message>
        <source>Holiday calendar France</source>
        <translation>Calendario de festivos Francia</translation>
    </message>
    <message>
        <source>Holiday calendar Germany</source>
        <translation>Calendario de festivos Alemania</translation>
    </message>
    <message>
        <source>Holiday calendar Italy</source>
        <translation>Calendario de festivos Italia</translation>
    </message>
    <message>
        <source>Holiday calendar Spain</source>
        <translation>Calendario de festivos España</translation>
    </message>
    <message>
        <source>Holiday calendar United Kingdom</source>
        <translation>Calendario de festivos Reino Unido</translation>
    </message>
    <message>
        <source>Holiday calendar United States</source>
        <translation>Calendario de festivos Estados Unidos</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <comment>The ISO 639 code of the language of this translation: de, fr, it or es</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>WeekNumbers</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>ISO 8601 (weeks from Monday)</source>
        <translation>ISO 8601 (semanas desde el lunes)</translation>
    </message>
    <message>
        <source>US (weeks from Sunday)</source>
        <translation>EE. UU. (semanas desde el domingo)</translation>
    </message>
</context>
<context>
    <name>WmfPicture</name>
    <message>
        <source>The metafile ends inside a record.</source>
        <translation>El metarchivo termina dentro de un registro.</translation>
    </message>
    <message>
        <source>A metafile record is smaller than its own header.</source>
        <translation>Un registro del metarchivo es más pequeño que su propia cabecera.</translation>
    </message>
    <message>
        <source>A metafile record runs past the end of the file.</source>
        <translation>Un registro del metarchivo sobrepasa el final del archivo.</translation>
    </message>
    <message>
        <source>The metafile has too many records.</source>
        <translation>El metarchivo tiene demasiados registros.</translation>
    </message>
    <message>
        <source>The metafile ends inside its headers.</source>
        <translation>El metarchivo termina dentro de sus cabeceras.</translation>
    </message>
    <message>
        <source>The metafile&apos;s bounding box is empty.</source>
        <translation>El rectángulo delimitador del metarchivo está vacío.</translation>
    </message>
    <message>
        <source>This is not a Windows metafile.</source>
        <translation>Este no es un metarchivo de Windows.</translation>
    </message>
</context>
<context>
    <name>datewright-render</name>
    <message>
        <source>the line ends in a backslash</source>
        <translation>la línea termina en una barra invertida</translation>
    </message>
    <message>
        <source>a single quote is not closed</source>
        <translation>una comilla simple no está cerrada</translation>
    </message>
    <message>
        <source>a double quote is not closed</source>
        <translation>una comilla doble no está cerrada</translation>
    </message>
    <message>
        <source>a job cannot run a batch of its own</source>
        <translation>un trabajo no puede ejecutar un lote propio</translation>
    </message>
    <message>
        <source>--jobs goes on the command line, beside --batch</source>
        <translation>--jobs va en la línea de órdenes, junto a --batch</translation>
    </message>
    <message>
        <source>--help is not a job</source>
        <translation>--help no es un trabajo</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>la línea supera %1 bytes</translation>
    </message>
    <message>
        <source>cannot read the batch %1: %2</source>
        <translation>no se puede leer el lote %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n jobs failed</source>
        <translation>
            <numerusform>Falló %1 de %n trabajo</numerusform>
            <numerusform>Fallaron %1 de %n trabajos</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1: %2 (at byte %3)</source>
        <translation>no se puede leer %1: %2 (en el byte %3)</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot; files: use .png, .bmp, .jpg or .pdf</source>
        <translation>no se pueden escribir archivos «%1»: use .png, .bmp, .jpg o .pdf</translation>
    </message>
    <message>
        <source>--dpi sets the resolution of .png, .bmp and .jpg pictures</source>
        <translation>--dpi fija la resolución de las imágenes .png, .bmp y .jpg</translation>
    </message>
    <message>
        <source>--save writes .DWC documents or .DWS style sheets</source>
        <translation>--save escribe documentos .DWC u hojas de estilo .DWS</translation>
    </message>
    <message>
        <source>the margins leave no picture to write</source>
        <translation>los márgenes no dejan ninguna imagen que escribir</translation>
    </message>
    <message>
        <source>cannot write %1: the picture could not be encoded</source>
        <translation>no se puede escribir %1: no se pudo codificar la imagen</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>the margins leave no page: together they are as wide or as tall as the paper</source>
        <translation>los márgenes no dejan ninguna página: juntos son tan anchos o tan altos como el papel</translation>
    </message>
    <message>
        <source>--batch takes no options but --jobs: each line of the batch gives its job&apos;s own</source>
        <translation>--batch no admite más opción que --jobs: cada línea del lote indica las de su trabajo</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>invalid value for %1: &quot;%2&quot;</source>
        <translation>valor no válido para %1: «%2»</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>more than one document given: %1</source>
        <translation>se indicó más de un documento: %1</translation>
    </message>
    <message>
        <source>give --scale or --dpi, not both</source>
        <translation>indique --scale o --dpi, no ambos</translation>
    </message>
    <message>
        <source>no border picture named &quot;%1&quot;</source>
        <translation>no hay ninguna imagen de borde llamada «%1»</translation>
    </message>
    <message>
        <source>there is no %1 %2 %3</source>
        <translation>no hay ningún %1 %2 %3</translation>
    </message>
    <message>
        <source>-o is given twice: give one output</source>
        <translation>-o se indica dos veces: indique una sola salida</translation>
    </message>
    <message>
        <source>--pictures: the page has no picture object marked &quot;One Picture per Page&quot;</source>
        <translation>--pictures: la página no tiene ningún objeto de imagen marcado «Una imagen por página»</translation>
    </message>
    <message>
        <source>written, but pictures could not be read and their pages show the design&apos;s picture: %1</source>
        <translation>escrito, pero algunas imágenes no se han podido leer y sus páginas muestran la imagen del diseño: %1</translation>
    </message>
    <message>
        <source>there is no template &quot;%1&quot;</source>
        <translation>no hay ninguna plantilla &quot;%1&quot;</translation>
    </message>
    <message>
        <source>give a document or --template, not both</source>
        <translation>indique un documento o --template, no ambos</translation>
    </message>
    <message>
        <source>--bleed lays out .pdf files for a print service</source>
        <translation>--bleed compone archivos .pdf para una imprenta</translation>
    </message>
    <message>
        <source>A document that keeps a set of pages (chosen in the program) gives --count
what the options do not: its start (unless --month, --year or --day), its
fill (unless --fill), its pictures (unless --pictures) and its cover, the
first of the N pages, which takes the first picture.
</source>
        <translation>Un documento que guarda una serie de páginas (elegida en el programa) da a
--count lo que las opciones no dan: su inicio (salvo --month, --year o --day),
su relleno (salvo --fill), sus imágenes (salvo --pictures) y su portada, la
primera de las N páginas, que toma la primera imagen.
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
        <translation>Uso: datewright-render [DOCUMENTO.DWC] [opciones]
Dibuja una página de calendario: el documento indicado, o una página nueva con el
estilo predeterminado para hoy. Las opciones se aplican en este orden:
  --template NOMBRE      partir de la plantilla NOMBRE (en lugar de un documento)
  --style ARCHIVO.DWS    tomar el estilo de una hoja de estilo
  --layout N|NOMBRE      diseño 0-21 o su nombre (p. ej. loFCMinisInTitleLS)
  --paper letter|a4      tamaño del papel
  --margins I,S,D,B      márgenes en pulgadas (de 0 a 5)
  --border NOMBRE        imagen de borde de la carpeta Borders del programa
  --week-start sunday|monday
  --week-numbers none|iso|us
                         números de semana: ISO 8601 (la semana 1 contiene el
                         4 de enero) o US (semanas desde el domingo, la semana 1
                         contiene el 1 de enero)
  --month M  --year A  --day D
  --scale S              zoom, de 0,1 a 10 (1 por defecto)
  --dpi N                imágenes a N puntos por pulgada, de 10 a 960 (p. ej.
                         300 para imprimir), en lugar de --scale
Salida:
  -o ARCHIVO             escribir .png, .bmp o .jpg (la página dentro de sus
                         márgenes con el zoom; JPEG mediante la biblioteca de
                         imágenes con calidad 80) o .pdf (vectorial, en el
                         papel de la página)
  --count N              N meses consecutivos (semanas, días en las agendas):
                         páginas PDF o archivos de imagen numerados
                         (page-1.png, …); las celdas escritas en el documento
                         quedan solo en su propio mes (semana, día)
  --fill ORIGEN          rellenar las celdas de los días de las páginas
                         escritas desde ORIGEN: un archivo de fechas
                         periódicas (.DAX), holidays:CÓDIGO para un conjunto
                         de festivos junto al programa (US, UK, CA, FR, DE,
                         IT, ES o el nombre del conjunto, p. ej.
                         &quot;holidays:United Kingdom&quot;), o un archivo iCalendar
                         (.ics), cuyos eventos caen en los días y horas del
                         reloj de este ordenador; --save e --info dan
                         entonces la página rellenada
  --pictures CARPETA|LISTA
                         las imágenes propias de las páginas, en los objetos
                         de imagen marcados «Una imagen por página»: las
                         imágenes de CARPETA por orden de nombre, o las que
                         LISTA (un archivo de texto) nombra, una por línea;
                         las páginas tras la última conservan la imagen del
                         diseño
  --bleed MM             un PDF para una imprenta: cada página en un pliego
                         mayor en un sangrado de MM milímetros (de 0 a 10; lo
                         habitual es 3); las imágenes y los bordes que llegan
                         al borde de la página continúan en él, con marcas de
                         corte por fuera
  --no-crop-marks        con --bleed, sin marcas de corte: el pliego es entonces
                         solo la página con su sangrado
  --geometry             mostrar la geometría de la página como un objeto JSON
  --save ARCHIVO         escribir la página como documento .DWC u hoja de
                         estilo .DWS
  --info                 mostrar el estilo, las fechas, los textos de las
                         celdas y los objetos de la página como un objeto
                         JSON; &quot;cells&quot; lista cada celda con texto:
                         {&quot;index&quot;: 1-42, &quot;day&quot;: N, &quot;text&quot;: sus párrafos
                         unidos por saltos de línea}
  --list-templates       mostrar los nombres de las plantillas, uno por línea
  --help                 mostrar este texto
Muchos trabajos en una ejecución:
  --batch ARCHIVO        ejecutar los trabajos de ARCHIVO (- para la entrada
                         estándar), uno por línea, cada uno con las opciones
                         de una llamada; las palabras se separan en los
                         espacios, las comillas &apos;simples&apos; y &quot;dobles&quot; conservan
                         los espacios, una barra invertida conserva el
                         carácter que la sigue (entre comillas dobles solo \&quot;
                         y \\), # empieza un comentario, las líneas vacías se
                         saltan. Un trabajo fallido se informa con su número
                         de línea y los demás se ejecutan igualmente; el
                         estado de salida es 0 solo si todos los trabajos
                         tuvieron éxito. Ningún archivo queda a medio
                         escribir.
  --jobs N               dibujar hasta N imágenes (o trabajos del lote) a la
                         vez, de 1 a 64 (por defecto: el número de
                         procesadores); las páginas de un PDF se dibujan una
                         tras otra
</translation>
    </message>
</context>
</TS>
