<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>guest</source>
        <translation>invitado</translation>
    </message>
    <message>
        <source>music</source>
        <translation>música</translation>
    </message>
    <message>
        <source>decoration</source>
        <translation>adorno</translation>
    </message>
    <message>
        <source>food and drinks</source>
        <translation>comida y bebida</translation>
    </message>
    <message>
        <source>ingredient</source>
        <translation>ingrediente</translation>
    </message>
    <message>
        <source>other supply</source>
        <translation>otro artículo</translation>
    </message>
    <message>
        <source>incidental</source>
        <translation>gasto</translation>
    </message>
    <message>
        <source>task</source>
        <translation>tarea</translation>
    </message>
    <message>
        <source>activity</source>
        <translation>actividad</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>%1 budget</source>
        <extracomment>A budget box&apos;s name for screen readers; %1 is the list&apos;s name (&quot;Music&quot;).</extracomment>
        <translation>Presupuesto de %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <extracomment>An Add button&apos;s name for screen readers; %1 is what one row is (&quot;guest&quot;).</extracomment>
        <translation>Añadir %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <extracomment>A Delete button&apos;s name for screen readers; %1 is what one row is (&quot;guest&quot;).</extracomment>
        <translation>Eliminar %1</translation>
    </message>
</context>
<context>
    <name>Answers</name>
    <message>
        <source>Yes</source>
        <extracomment>A Yes/No column&apos;s answer, as the lists and their drop-downs show it.</extracomment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A Yes/No column&apos;s answer, as the lists and their drop-downs show it.</extracomment>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>BitmapPicture</name>
    <message>
        <source>The picture is empty</source>
        <translation>La imagen está vacía</translation>
    </message>
    <message>
        <source>There is not enough memory for a %1 x %2 picture</source>
        <extracomment>%1 and %2 are the picture&apos;s width and height in pixels.</extracomment>
        <translation>No hay memoria suficiente para una imagen de %1 x %2</translation>
    </message>
</context>
<context>
    <name>BudgetTips</name>
    <message>
        <source>&quot;%1&quot; does not read as an amount, so this list has no budget in the plan&apos;s figures. The text is kept as typed.</source>
        <translation>«%1» no se entiende como un importe, así que esta lista no tiene presupuesto en las cifras del plan. El texto se conserva tal como se escribió.</translation>
    </message>
</context>
<context>
    <name>ChartSaving</name>
    <message>
        <source>PNG Images</source>
        <translation>Imágenes PNG</translation>
    </message>
    <message>
        <source>Save Chart as PNG</source>
        <translation>Guardar gráfico como PNG</translation>
    </message>
    <message>
        <source>Plan at a Glance</source>
        <translation>Plan de un vistazo</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <translation>No se ha podido guardar el gráfico en %1: %2</translation>
    </message>
    <message>
        <source>The chart could not be made into a PNG picture.</source>
        <translation>No se ha podido convertir el gráfico en una imagen PNG.</translation>
    </message>
    <message>
        <source>The chart is saved as %1.</source>
        <translation>El gráfico se ha guardado como %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--json goes only with --summary</source>
        <translation>--json solo puede usarse con --summary</translation>
    </message>
    <message>
        <source>the plan file&apos;s name is empty</source>
        <translation>el nombre del archivo de plan está vacío</translation>
    </message>
    <message>
        <source>the party&apos;s date &quot;%1&quot; does not read as a date; type one in the window&apos;s Date box, as 12/24/2026</source>
        <translation>la fecha de la fiesta, «%1», no se entiende como fecha; escribe una en el cuadro Fecha de la ventana, como 12/24/2026</translation>
    </message>
    <message>
        <source>standard output could not be written</source>
        <translation>no se ha podido escribir en la salida estándar</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>%1 needs the name of the file to write</source>
        <extracomment>%1 is the option, as --pdf.</extracomment>
        <translation>%1 necesita el nombre del archivo que se va a escribir</translation>
    </message>
    <message>
        <source>warning: the stored %1 list holds %2 rows; a list holds at most %3, so the sheet shows only the first %3.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows stored, %3 the most a list holds.</extracomment>
        <translation>aviso: la lista %1 guardada tiene %2 filas; una lista admite como máximo %3, así que la hoja solo muestra las %3 primeras.</translation>
    </message>
    <message>
        <source>warning: the stored %1 list holds %2 rows; a list holds at most %3, so the summary counts only the first %3.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows stored, %3 the most a list holds.</extracomment>
        <translation>aviso: la lista %1 guardada tiene %2 filas; una lista admite como máximo %3, así que el resumen solo cuenta las %3 primeras.</translation>
    </message>
    <message>
        <source>warning: the stored %1 list holds %2 rows; a list holds at most %3, so the timetable holds only the first %3.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows stored, %3 the most a list holds.</extracomment>
        <translation>aviso: la lista %1 guardada tiene %2 filas; una lista admite como máximo %3, así que el horario solo contiene las %3 primeras.</translation>
    </message>
    <message>
        <source>The timetable was not written to %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason.</extracomment>
        <translation>No se ha escrito el horario en %1: %2</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>the window is not opened from here</source>
        <translation>la ventana no se abre desde aquí</translation>
    </message>
    <message>
        <source>--lang needs a language, such as de or fr_CA</source>
        <translation>--lang necesita un idioma, como de o fr_CA</translation>
    </message>
    <message>
        <source>--lang: %1 is not a language</source>
        <extracomment>%1 is what the user typed after --lang.</extracomment>
        <translation>--lang: %1 no es un idioma</translation>
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
        <translation>Uso: jubilo [PLAN]                abre la ventana para planificar la fiesta
     jubilo --pdf ARCHIVO [PLAN]  escribe la hoja del plan en ARCHIVO como PDF
     jubilo --xls ARCHIVO [PLAN]  escribe el libro del plan en ARCHIVO
                                  (Excel 97 .xls)
     jubilo --summary [PLAN]      muestra los invitados y los gastos del plan
                                  y lo que queda por comprar, una línea por
                                  cada lista con importes
     jubilo --summary --json [PLAN]
                                  las mismas cifras en un único objeto JSON
     jubilo --ics ARCHIVO [PLAN]  escribe los preparativos y las actividades
                                  de la fiesta en ARCHIVO como eventos de
                                  calendario (iCalendar)
     jubilo --version             muestra la versión del programa
     jubilo --help                muestra esta ayuda
Cualquiera de ellas puede empezar por --lang IDIOMA (de, fr, es, en_GB...)
para usar ese idioma y su formato de moneda y fechas en esta ejecución.

PLAN es un archivo de plan (*.jubilo); sin él, se usa el plan guardado
(~/.config/Tarvel.ini).

--pdf, --xls, --ics y --summary no muestran ninguna ventana ni necesitan
pantalla. Solo leen el plan; --pdf, --xls y --ics sustituyen ARCHIVO
cuando el nuevo está completo.

Estado de salida: 0 hecho; 1 no se ha podido leer el plan, su fecha no se
entiende como fecha o ninguna fila tiene hora (--ics), o no se ha podido
crear o escribir el archivo o la salida; 2 la línea de órdenes no tiene
ninguna de las formas anteriores.
</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>The file is not a cursor file</source>
        <translation>El archivo no es un archivo de cursor</translation>
    </message>
    <message>
        <source>The cursor file could not be opened: %1</source>
        <translation>No se ha podido abrir el archivo de cursor: %1</translation>
    </message>
    <message>
        <source>The cursor file could not be read: %1</source>
        <translation>No se ha podido leer el archivo de cursor: %1</translation>
    </message>
</context>
<context>
    <name>DelimitedReader</name>
    <message>
        <source>a quoted field is never closed</source>
        <translation>un campo entre comillas no se cierra nunca</translation>
    </message>
    <message>
        <source>a quote stands inside an unquoted field</source>
        <translation>hay unas comillas dentro de un campo sin comillas</translation>
    </message>
    <message>
        <source>a field is longer than 1 MB</source>
        <translation>un campo ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>a row is longer than 4 MB</source>
        <translation>una fila ocupa más de 4 MB</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>no hay memoria suficiente para leerla</translation>
    </message>
</context>
<context>
    <name>EntryReminders</name>
    <message>
        <source>You forgot to input all entries for guest.</source>
        <translation>No has rellenado todos los datos del invitado.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for music.</source>
        <translation>No has rellenado todos los datos de la música.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for decorations.</source>
        <translation>No has rellenado todos los datos de la decoración.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for incidentals.</source>
        <translation>No has rellenado todos los datos del gasto.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for ingredients.</source>
        <translation>No has rellenado todos los datos del ingrediente.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for other supplies.</source>
        <translation>No has rellenado todos los datos del artículo.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for schedules.</source>
        <translation>No has rellenado todos los datos de la tarea.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for activities.</source>
        <translation>No has rellenado todos los datos de la actividad.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for food.</source>
        <translation>No has rellenado todos los datos de la comida.</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>at line %1</source>
        <extracomment>Follows the name of the failing procedure; %1 is the number of the step that failed.</extracomment>
        <translation>en la línea %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support mail address.</extracomment>
        <translation>Envía una captura de pantalla de este mensaje a %1</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>ExportSaving</name>
    <message>
        <source>The file could not be written to %1: %2</source>
        <translation>No se ha podido escribir el archivo en %1: %2</translation>
    </message>
</context>
<context>
    <name>FigureTexts</name>
    <message>
        <source>1 guest</source>
        <translation>1 invitado</translation>
    </message>
    <message>
        <source>%1 guests</source>
        <translation>%1 invitados</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 artículo</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 artículos</translation>
    </message>
    <message>
        <source>1 person</source>
        <translation>1 persona</translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation>%1 personas</translation>
    </message>
    <message>
        <source>%1 spent, no budget</source>
        <translation>%1 gastados, sin presupuesto</translation>
    </message>
    <message>
        <source>⚠ %1 of %2 spent, %3 over budget</source>
        <translation>⚠ %1 gastados de %2, %3 por encima del presupuesto</translation>
    </message>
    <message>
        <source>%1 of %2 spent</source>
        <translation>%1 gastados de %2</translation>
    </message>
    <message>
        <source>%1 still to buy</source>
        <translation>%1 por comprar</translation>
    </message>
    <message>
        <source>%1, %2 coming</source>
        <translation>%1, asistentes: %2</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Empezar a crear la plantilla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Cargar datos de ejemplo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>RSVP:</source>
        <translation>Asiste:</translation>
    </message>
    <message>
        <source>Number in Party:</source>
        <translation>Nº de personas:</translation>
    </message>
    <message>
        <source>Music Type:</source>
        <translation>Género:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Purchased:</source>
        <translation>Comprado:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Cantidad:</translation>
    </message>
    <message>
        <source>Food and Drinks Name:</source>
        <translation>Comida o bebida:</translation>
    </message>
    <message>
        <source>Budget:</source>
        <translation>Ppto.:</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingredientes</translation>
    </message>
    <message>
        <source>Ingredients:</source>
        <translation>Ingrediente:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Task:</source>
        <translation>Tarea:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Activity:</source>
        <translation>Actividad:</translation>
    </message>
    <message>
        <source>Guests</source>
        <translation>Invitados</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Decorations</source>
        <translation>Decoración</translation>
    </message>
    <message>
        <source>Incidentals</source>
        <translation>Gastos varios</translation>
    </message>
    <message>
        <source>Food &amp;&amp; Drinks</source>
        <translation>Comida y bebida</translation>
    </message>
    <message>
        <source>Other Supplies</source>
        <translation>Otros artículos</translation>
    </message>
    <message>
        <source>Schedules</source>
        <translation>Preparativos</translation>
    </message>
    <message>
        <source>At The Party</source>
        <translation>En la fiesta</translation>
    </message>
</context>
<context>
    <name>GlanceTexts</name>
    <message>
        <source>%1 · %2 invited, %3 coming</source>
        <translation>%1 · %2 en total, asistentes: %3</translation>
    </message>
    <message>
        <source>1 guest without a number in their party is not counted</source>
        <translation>No se cuenta 1 invitado sin número de personas</translation>
    </message>
    <message>
        <source>%1 guests without a number in their party are not counted</source>
        <translation>No se cuentan %1 invitados sin número de personas</translation>
    </message>
    <message>
        <source>no budget</source>
        <translation>sin presupuesto</translation>
    </message>
    <message>
        <source>⚠ %1 over</source>
        <translation>⚠ %1 de más</translation>
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
        <translation>separado por tabuladores</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>separado por punto y coma</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>separado por comas</translation>
    </message>
    <message>
        <source>it has more than %1 columns</source>
        <translation>tiene más de %1 columnas</translation>
    </message>
    <message>
        <source>the file holds more than %L1 guests, more than a list holds</source>
        <translation>el archivo contiene más de %L1 invitados, más de los que admite una lista</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>it holds no guests</source>
        <translation>no contiene ningún invitado</translation>
    </message>
    <message>
        <source>CSV, %1, %2, with a header row</source>
        <translation>CSV, %1, %2, con fila de encabezado</translation>
    </message>
    <message>
        <source>CSV, %1, %2, without a header row</source>
        <translation>CSV, %1, %2, sin fila de encabezado</translation>
    </message>
</context>
<context>
    <name>GuestVCard</name>
    <message>
        <source>(no address)</source>
        <translation>(sin dirección)</translation>
    </message>
    <message>
        <source>it is outside any card (a card starts with BEGIN:VCARD)</source>
        <translation>está fuera de cualquier tarjeta (una tarjeta empieza por BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>it is written in quoted-printable (vCard 2.1), which Jubilo does not read; please export the contacts as vCard 3.0 or 4.0</source>
        <translation>está escrita en quoted-printable (vCard 2.1), que Jubilo no lee; exporta los contactos como vCard 3.0 o 4.0</translation>
    </message>
    <message>
        <source>a card begins inside another card</source>
        <translation>una tarjeta empieza dentro de otra</translation>
    </message>
    <message>
        <source>the card that starts here has no name (neither FN nor N)</source>
        <translation>la tarjeta que empieza aquí no tiene nombre (ni FN ni N)</translation>
    </message>
    <message>
        <source>the file holds more than %L1 guests, more than a list holds</source>
        <translation>el archivo contiene más de %L1 invitados, más de los que admite una lista</translation>
    </message>
    <message>
        <source>the card that starts here never ends (END:VCARD is missing)</source>
        <translation>la tarjeta que empieza aquí no termina nunca (falta END:VCARD)</translation>
    </message>
    <message>
        <source>it holds no guests</source>
        <translation>no contiene ningún invitado</translation>
    </message>
    <message>
        <source>vCard %1, %2</source>
        <translation>vCard %1, %2</translation>
    </message>
    <message>
        <source>Name (FN or N)</source>
        <translation>Nombre (FN o N)</translation>
    </message>
    <message>
        <source>Address (first ADR)</source>
        <translation>Dirección (primer ADR)</translation>
    </message>
    <message>
        <source>Cards without an address: %L1. Their &quot;Address&quot; reads &quot;%2&quot;; change it in the list.</source>
        <translation>Tarjetas sin dirección: %L1. Su «Dirección» dice «%2»; cámbiala en la lista.</translation>
    </message>
    <message>
        <source>the line is longer than %1 MB</source>
        <translation>la línea ocupa más de %1 MB</translation>
    </message>
</context>
<context>
    <name>ImportError</name>
    <message>
        <source>Guests cannot be imported from &quot;%1&quot;: %2.</source>
        <translation>No se pueden importar invitados de «%1»: %2.</translation>
    </message>
    <message>
        <source>Guests cannot be imported from &quot;%1&quot;: line %2: %3.</source>
        <translation>No se pueden importar invitados de «%1»: línea %2: %3.</translation>
    </message>
</context>
<context>
    <name>ImportFile</name>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>el archivo ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is not there (it may have been moved or deleted)</source>
        <translation>el archivo no está (puede que se haya movido o eliminado)</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>el archivo no se puede leer (%1)</translation>
    </message>
</context>
<context>
    <name>ListExport</name>
    <message>
        <source>CSV Files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>iCalendar Files</source>
        <translation>Archivos iCalendar</translation>
    </message>
    <message>
        <source>Export Timetable</source>
        <translation>Exportar horario</translation>
    </message>
    <message>
        <source>The party&apos;s date &quot;%1&quot; does not read as a date. On which day is the party?</source>
        <translation>La fecha de la fiesta, «%1», no se entiende como fecha. ¿Qué día es la fiesta?</translation>
    </message>
    <message>
        <source>The timetable is saved as %1.</source>
        <translation>El horario se ha guardado como %1.</translation>
    </message>
    <message>
        <source>Saves the list on show (the tab chosen last) as a CSV file for spreadsheet programs</source>
        <translation>Guarda la lista visible (la de la última pestaña elegida) como archivo CSV para programas de hojas de cálculo</translation>
    </message>
    <message>
        <source>Saves Schedules and At The Party as calendar events on the party&apos;s date (an .ics file)</source>
        <translation>Guarda Preparativos y En la fiesta como eventos de calendario en la fecha de la fiesta (un archivo .ics)</translation>
    </message>
    <message>
        <source>Export List as CSV</source>
        <translation>Exportar lista como CSV</translation>
    </message>
    <message>
        <source>The %1 list is saved as %2.</source>
        <translation>La lista %1 se ha guardado como %2.</translation>
    </message>
    <message>
        <source>Party Timetable</source>
        <translation>Horario de la fiesta</translation>
    </message>
</context>
<context>
    <name>ListNames</name>
    <message>
        <source>At The Party</source>
        <translation>En la fiesta</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page margins leave no room to print: they take %1 by %2 inches of paper %3 by %4 inches</source>
        <translation>Los márgenes de la página no dejan espacio para imprimir: ocupan %1 por %2 pulgadas de un papel de %3 por %4 pulgadas</translation>
    </message>
    <message>
        <source>The sheet would print on %1 pages (%2 across, %3 down); at most %4 pages print. A smaller print area or zoom, or narrower margins, print fewer.</source>
        <translation>La hoja se imprimiría en %1 páginas (%2 a lo ancho, %3 a lo alto); como máximo se imprimen %4 páginas. Con un área de impresión o un zoom más pequeños, o con márgenes más estrechos, se imprimen menos.</translation>
    </message>
</context>
<context>
    <name>PagePrinting</name>
    <message>
        <source>The printer could not be started</source>
        <translation>No se ha podido iniciar la impresora</translation>
    </message>
    <message>
        <source>The printer could not start a new page</source>
        <translation>La impresora no ha podido empezar una página nueva</translation>
    </message>
    <message>
        <source>The printer reported an error; the pages may not have printed</source>
        <translation>La impresora ha informado de un error; puede que las páginas no se hayan impreso</translation>
    </message>
</context>
<context>
    <name>PartyTimetable</name>
    <message>
        <source>No row of Schedules or At The Party has a time that reads as a time, so there is no timetable to export.</source>
        <translation>Ninguna fila de Preparativos ni de En la fiesta tiene una hora que se entienda como hora, así que no hay ningún horario que exportar.</translation>
    </message>
    <message>
        <source>%1 row %2 &quot;%3&quot;</source>
        <translation>fila %2 de %1 («%3»)</translation>
    </message>
    <message>
        <source>1 row is left out because its time does not read as a time: %1</source>
        <translation>Se ha omitido 1 fila porque su hora no se entiende como hora: %1</translation>
    </message>
    <message>
        <source>%1 rows are left out because their time does not read as a time: %2</source>
        <translation>Se han omitido %1 filas porque su hora no se entiende como hora: %2</translation>
    </message>
    <message>
        <source>, and %1 more</source>
        <translation> y %1 más</translation>
    </message>
</context>
<context>
    <name>PastedRows</name>
    <message>
        <source>it starts a quoted cell that is never closed</source>
        <translation>abre una celda entre comillas que nunca se cierra</translation>
    </message>
    <message>
        <source>it has a quote inside a cell that is not quoted</source>
        <translation>tiene unas comillas dentro de una celda que no está entre comillas</translation>
    </message>
    <message>
        <source>it has a cell longer than 1 MB</source>
        <translation>tiene una celda de más de 1 MB</translation>
    </message>
    <message>
        <source>it has a row longer than 4 MB</source>
        <translation>tiene una fila de más de 4 MB</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>no hay memoria suficiente para leerla</translation>
    </message>
    <message>
        <source>it would make the %1 list longer than the %2 rows a list holds</source>
        <translation>haría que la lista %1 superara las %2 filas que admite una lista</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>you have no permission to read it</source>
        <translation>no tienes permiso para leerlo</translation>
    </message>
    <message>
        <source>there is no file by that name</source>
        <translation>no existe ningún archivo con ese nombre</translation>
    </message>
    <message>
        <source>it is a link to a file that is not there (moved or deleted)</source>
        <translation>es un enlace a un archivo que no existe (se ha movido o eliminado)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation>no es un archivo normal, sino un dispositivo, una tubería o un socket</translation>
    </message>
    <message>
        <source>it holds %1 MB, far more than any plan (a plan file holds at most %2 MB)</source>
        <translation>ocupa %1 MB, mucho más que cualquier plan (un archivo de plan ocupa como máximo %2 MB)</translation>
    </message>
    <message>
        <source>it is not text but binary data (a NUL byte at offset %1)</source>
        <translation>no es texto, sino datos binarios (hay un byte NUL en la posición %1)</translation>
    </message>
    <message>
        <source>it is not text in UTF-8, the encoding plan files are written in</source>
        <translation>no es texto en UTF-8, la codificación en la que se escriben los archivos de plan</translation>
    </message>
    <message>
        <source>line %1 is neither blank, a ; comment, a [group] nor a key=value line</source>
        <translation>la línea %1 no está en blanco ni es un comentario con ;, un [grupo] o una línea clave=valor</translation>
    </message>
    <message>
        <source>it holds lines that cannot be read as settings</source>
        <translation>contiene líneas que no se pueden leer como configuración</translation>
    </message>
    <message>
        <source>it holds no [%1] group, so it holds no plan</source>
        <translation>no contiene ningún grupo [%1], así que no contiene ningún plan</translation>
    </message>
    <message>
        <source>Jubilo could not open the plan file %1: %2.</source>
        <translation>Jubilo no ha podido abrir el archivo de plan %1: %2.</translation>
    </message>
    <message>
        <source>The plan file %1 had lines that could not be read. Jubilo keeps what it could read and writes the file afresh, so those lines will be gone from it.

A copy of the file as it was is kept in %2.</source>
        <translation>El archivo de plan %1 tenía líneas que no se podían leer. Jubilo conserva lo que ha podido leer y vuelve a escribir el archivo desde cero, así que esas líneas desaparecerán de él.

En %2 se conserva una copia del archivo tal como estaba.</translation>
    </message>
    <message>
        <source>Another program changed the plan file %1 while Jubilo had it open, and Jubilo now writes a value that program changed. Jubilo keeps its own value and the rest of the other program&apos;s changes.

A copy of the file as the other program left it is kept in %2.</source>
        <translation>Otro programa ha modificado el archivo de plan %1 mientras Jubilo lo tenía abierto, y ahora Jubilo escribe un valor que ese programa cambió. Jubilo conserva su propio valor y el resto de los cambios del otro programa.

En %2 se conserva una copia del archivo tal como lo dejó el otro programa.</translation>
    </message>
    <message>
        <source>Jubilo found changes to the plan file %1 in the journal it keeps beside it, but the file is no longer the one they were made to (another program replaced it), so they were not applied and the plan stays as the file holds it.

A copy of the journal with those changes is kept in %2.</source>
        <translation>Jubilo ha encontrado cambios en el archivo de plan %1 en el diario de cambios que guarda junto a él, pero el archivo ya no es aquel en el que se hicieron (otro programa lo ha sustituido), así que no se han aplicado y el plan se queda tal como está en el archivo.

En %2 se conserva una copia del diario con esos cambios.</translation>
    </message>
    <message>
        <source>The plan file %1 could not be written: %2.</source>
        <translation>No se ha podido escribir el archivo de plan %1: %2.</translation>
    </message>
    <message>
        <source>The plan file %1 could not be read: %2.</source>
        <translation>No se ha podido leer el archivo de plan %1: %2.</translation>
    </message>
    <message>
        <source>The plan file has lines that could not be read, and no copy of it could be kept, so it was not written: %1</source>
        <translation>El archivo de plan tiene líneas que no se han podido leer y no se ha podido guardar una copia de él, así que no se ha escrito: %1</translation>
    </message>
    <message>
        <source>The plan file was changed by another program, and no copy of it could be kept, so it was not written: %1</source>
        <translation>Otro programa ha modificado el archivo de plan y no se ha podido guardar una copia de él, así que no se ha escrito: %1</translation>
    </message>
    <message>
        <source>The plan file&apos;s journal holds changes that are not in the file, and no copy of it could be kept, so the file was not written: %1</source>
        <translation>El diario de cambios del archivo de plan contiene cambios que no están en el archivo y no se ha podido guardar una copia de él, así que el archivo no se ha escrito: %1</translation>
    </message>
    <message>
        <source>The plan file %1 is no longer there: it was moved or deleted while Jubilo had it open. Nothing in the window is lost; use File &gt; Save Plan As… to keep the plan.</source>
        <translation>El archivo de plan %1 ya no está: se ha movido o eliminado mientras Jubilo lo tenía abierto. No se ha perdido nada de lo que hay en la ventana; usa Archivo &gt; Guardar plan como… para conservar el plan.</translation>
    </message>
    <message>
        <source>The plan file %1 is read-only: you may not change it or the folder it is in. Nothing in the window is lost; use File &gt; Save Plan As… to keep the plan in a file of your own.</source>
        <translation>El archivo de plan %1 es de solo lectura: no tienes permiso para modificarlo ni para modificar la carpeta en la que está. No se ha perdido nada de lo que hay en la ventana; usa Archivo &gt; Guardar plan como… para conservar el plan en un archivo propio.</translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>The plan %1 is read-only: you can look at it and print it, but changes to it cannot be kept. To change it, save a copy with File &gt; Save Plan As…</source>
        <translation>El plan %1 es de solo lectura: puedes verlo e imprimirlo, pero los cambios no se pueden guardar. Para modificarlo, guarda una copia con Archivo &gt; Guardar plan como…</translation>
    </message>
    <message>
        <source>Jubilo Plans</source>
        <translation>Planes de Jubilo</translation>
    </message>
    <message>
        <source>The plan %1 is open in another Jubilo: switch to that window to work on it.</source>
        <translation>El plan %1 está abierto en otro Jubilo: cambia a esa ventana para trabajar en él.</translation>
    </message>
    <message>
        <source>%1 is the plan open now: choose another name.</source>
        <translation>%1 es el plan que está abierto ahora: elige otro nombre.</translation>
    </message>
    <message>
        <source>New Plan</source>
        <translation>Nuevo plan</translation>
    </message>
    <message>
        <source>New Plan From This One</source>
        <translation>Nuevo plan a partir de este</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>Guardar plan como</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Abrir plan</translation>
    </message>
    <message>
        <source>The plan %1 is no longer there: it was moved or deleted, so it is taken off the list of recent plans.</source>
        <translation>El plan %1 ya no está: se ha movido o eliminado, así que se quita de la lista de planes recientes.</translation>
    </message>
</context>
<context>
    <name>PlanLock</name>
    <message>
        <source>The lock file %1 cannot be taken: %2.</source>
        <translation>No se puede obtener el archivo de bloqueo %1: %2.</translation>
    </message>
    <message>
        <source>another program keeps replacing it</source>
        <translation>otro programa lo sustituye una y otra vez</translation>
    </message>
    <message>
        <source>Jubilo ends now: without its lock, a second Jubilo could write over this plan. Remove what stands at that name or make its folder writable, then start Jubilo again.</source>
        <translation>Jubilo se cierra ahora: sin su bloqueo, otro Jubilo podría sobrescribir este plan. Elimina lo que haya con ese nombre o haz que se pueda escribir en su carpeta, y vuelve a iniciar Jubilo.</translation>
    </message>
    <message>
        <source>Jubilo is already open.</source>
        <translation>Jubilo ya está abierto.</translation>
    </message>
</context>
<context>
    <name>PlanMenus</name>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Plan…</source>
        <translation>&amp;Nuevo plan…</translation>
    </message>
    <message>
        <source>New Plan &amp;From This One…</source>
        <translation>Nuevo plan a &amp;partir de este…</translation>
    </message>
    <message>
        <source>&amp;Open Plan…</source>
        <translation>&amp;Abrir plan…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>Save Plan &amp;As…</source>
        <translation>Guardar plan &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Import Guests…</source>
        <translation>&amp;Importar invitados…</translation>
    </message>
    <message>
        <source>&amp;Export List as CSV…</source>
        <translation>&amp;Exportar lista como CSV…</translation>
    </message>
    <message>
        <source>Export &amp;Timetable…</source>
        <translation>Exportar &amp;horario…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>&amp;Copiar filas</translation>
    </message>
    <message>
        <source>&amp;Paste Rows</source>
        <translation>&amp;Pegar filas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Plan at a &amp;Glance</source>
        <translation>Plan de un &amp;vistazo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Jubilo</source>
        <translation>&amp;Acerca de Jubilo</translation>
    </message>
</context>
<context>
    <name>PlanSheet</name>
    <message>
        <source>Guests</source>
        <translation>Invitados</translation>
    </message>
    <message>
        <source>Address Invitation Was Sent To</source>
        <translation>Dirección de la invitación</translation>
    </message>
    <message>
        <source>RSVP?</source>
        <translation>¿Asiste?</translation>
    </message>
    <message>
        <source>Number in Party</source>
        <translation>Nº de personas</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Purchased?</source>
        <translation>¿Comprado?</translation>
    </message>
    <message>
        <source>Decorations</source>
        <translation>Decoración</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Food and Drinks</source>
        <translation>Comida y bebida</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingredientes</translation>
    </message>
    <message>
        <source>Other Supplies</source>
        <translation>Otros artículos</translation>
    </message>
    <message>
        <source>Incidentals</source>
        <translation>Gastos varios</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Preparativos</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>At The Party</source>
        <translation>En la fiesta</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Budget: %1</source>
        <extracomment>A list&apos;s budget over its amounts on the plan sheet; %1 is the budget as the user typed it, with the currency symbol on its side (&quot;$500&quot;, &quot;500 €&quot;).</extracomment>
        <translation>Presupuesto: %1</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Holiday Party Plans</source>
        <translation>Planes para la fiesta</translation>
    </message>
</context>
<context>
    <name>PlanSummaryText</name>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, quedan %2</translation>
    </message>
    <message>
        <source>Guests: %1 (%2, %3 coming)</source>
        <translation>Invitados: %1 (%2, asistentes: %3)</translation>
    </message>
    <message>
        <source>Guests: %1 (%2, %3 coming; %4 without a number in their party)</source>
        <translation>Invitados: %1 (%2, asistentes: %3; %4 sin número de personas)</translation>
    </message>
    <message>
        <source>nothing still to buy</source>
        <translation>nada por comprar</translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <translation>%1: %2; %3</translation>
    </message>
    <message>
        <source>%1; %2 without an amount</source>
        <translation>%1; %2 sin importe</translation>
    </message>
    <message>
        <source>Whole party</source>
        <translation>Toda la fiesta</translation>
    </message>
</context>
<context>
    <name>PlanTables</name>
    <message>
        <source>The %1 table is full: it holds at most %2 rows.</source>
        <extracomment>%1 is the list&apos;s name, %2 the most rows it holds.</extracomment>
        <translation>La lista %1 está llena: admite como máximo %2 filas.</translation>
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
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Guardar resultados en un archivo de Excel</translation>
    </message>
</context>
<context>
    <name>QtSystem</name>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>No se ha podido abrir la página web: %1</translation>
    </message>
    <message>
        <source>Cannot create object &quot;%1&quot;</source>
        <extracomment>%1 is the name of the spreadsheet program&apos;s object, as Excel.Application.</extracomment>
        <translation>No se puede crear el objeto «%1»</translation>
    </message>
</context>
<context>
    <name>ReadOnlySettingsStore</name>
    <message>
        <source>The settings store is open for reading only: %1/%2/%3 was not written</source>
        <translation>El almacén de configuración está abierto solo para lectura: no se ha escrito %1/%2/%3</translation>
    </message>
</context>
<context>
    <name>ReadablePlan</name>
    <message>
        <source>Jubilo ends now, so that it does not start an empty plan over yours. Make the file readable, or move it aside to start afresh, then start Jubilo again.</source>
        <translation>Jubilo se cierra ahora para no empezar un plan vacío encima del tuyo. Haz que el archivo se pueda leer, o apártalo a otro sitio para empezar desde cero, y vuelve a iniciar Jubilo.</translation>
    </message>
</context>
<context>
    <name>RowEntry</name>
    <message>
        <source>The %1 list is full: it holds at most %2 rows.</source>
        <extracomment>%1 is the list&apos;s name (&quot;Guests&quot;), %2 the most rows a list holds.</extracomment>
        <translation>La lista %1 está llena: admite como máximo %2 filas.</translation>
    </message>
    <message>
        <source>The text in the &quot;%1&quot; box is too long: it has %2 characters, and a cell of the plan holds at most %3. Please shorten it and try again.</source>
        <extracomment>%1 is the column&apos;s header (&quot;Address&quot;), %2 and %3 counts of characters.</extracomment>
        <translation>El texto del cuadro «%1» es demasiado largo: tiene %2 caracteres y una celda del plan admite como máximo %3. Acórtalo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>An entry cannot contain the text &quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;. Please change it and try again.</source>
        <translation>Una entrada no puede contener el texto «||MySeparator11||» ni «||MySeparator12||». Cámbialo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>No row is selected. Please select the row to delete.</source>
        <translation>No hay ninguna fila seleccionada. Selecciona la fila que quieras eliminar.</translation>
    </message>
</context>
<context>
    <name>RowRules</name>
    <message>
        <source>it has %1 cells, and the %2 list has %3 columns</source>
        <translation>tiene %1 celdas y la lista %2 tiene %3 columnas</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell is empty</source>
        <translation>su celda «%1» está vacía</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell is &quot;%2&quot;, not &quot;Yes&quot; or &quot;No&quot;</source>
        <translation>su celda «%1» contiene «%2», no «Yes» ni «No»</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell has %2 characters, and a cell holds at most %3</source>
        <translation>su celda «%1» tiene %2 caracteres y una celda admite como máximo %3</translation>
    </message>
    <message>
        <source>it holds the text &quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;, which a list cannot keep</source>
        <translation>contiene el texto «||MySeparator11||» o «||MySeparator12||», que una lista no puede guardar</translation>
    </message>
</context>
<context>
    <name>SampleData</name>
    <message>
        <source>the %1 list</source>
        <extracomment>One list named in &quot;no example row was added to %1&quot;.</extracomment>
        <translation>la lista %1</translation>
    </message>
    <message>
        <source>the %1 and %2 lists</source>
        <extracomment>Lists named in &quot;no example row was added to %1&quot;: %1 all but the last, joined by &quot;, &quot;.</extracomment>
        <translation>las listas %1 y %2</translation>
    </message>
    <message>
        <source>The example data was loaded, but no example row was added to %1.

</source>
        <extracomment>%1 names the lists (&quot;the Guests list&quot;); the reasons follow the message.</extracomment>
        <translation>Se han cargado los datos de ejemplo, pero no se ha añadido ninguna fila de ejemplo a %1.

</translation>
    </message>
    <message>
        <source>John</source>
        <translation>Juan</translation>
    </message>
    <message>
        <source>NY City</source>
        <translation>Madrid</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Baile</translation>
    </message>
    <message>
        <source>CD</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>Garland</source>
        <translation>Guirnalda</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Meat</source>
        <translation>Carne</translation>
    </message>
    <message>
        <source>Barbeque</source>
        <translation>Barbacoa</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Luces</translation>
    </message>
    <message>
        <source>Buy meals</source>
        <translation>Comprar la comida</translation>
    </message>
    <message>
        <source>Nearest store</source>
        <translation>Tienda más cercana</translation>
    </message>
    <message>
        <source>Dancing</source>
        <translation>Bailar</translation>
    </message>
    <message>
        <source>If guests want to</source>
        <translation>Si los invitados quieren</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>a list&apos;s name in a sentence</comment>
        <extracomment>A list&apos;s name inside a sentence; English writes it bare, a language may quote it („%1“).</extracomment>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>SaveName</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Quieres reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>SavedPlan</name>
    <message>
        <source>The %1 list holds %2 rows in the plan file.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows it holds.</extracomment>
        <translation>La lista %1 tiene %2 filas en el archivo de plan.</translation>
    </message>
    <message>
        <source>The %1 list holds %2 rows in the settings store.</source>
        <translation>La lista %1 tiene %2 filas en el almacén de configuración.</translation>
    </message>
    <message>
        <source>the plan file</source>
        <translation>el archivo de plan</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>el archivo de configuración</translation>
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
        <translation>Una lista muestra como máximo %1 filas, así que solo se muestran las %1 primeras. Todas las filas se conservan sin cambios en el almacén, y los cambios en esta lista no se guardan mientras tenga más de %1.

Para dividir el plan: haz una copia de %2 y luego quita filas de la entrada %3 del archivo y de su copia, de modo que cada uno tenga como máximo %1 filas.</translation>
    </message>
    <message>
        <source>A list shows at most %1 rows, so only the first %1 are shown. All the rows are kept in the store unchanged, and changes to these lists are not saved while it holds more than %1.

To split the plan: make a copy of %2, then remove rows from the %3 entry of the file and of its copy so that each holds at most %1 rows.</source>
        <translation>Una lista muestra como máximo %1 filas, así que solo se muestran las %1 primeras. Todas las filas se conservan sin cambios en el almacén, y los cambios en estas listas no se guardan mientras alguna tenga más de %1.

Para dividir el plan: haz una copia de %2 y luego quita filas de la entrada %3 del archivo y de su copia, de modo que cada uno tenga como máximo %1 filas.</translation>
    </message>
</context>
<context>
    <name>SheetOutput</name>
    <message>
        <source>The workbook has no sheet to print</source>
        <translation>El libro no tiene ninguna hoja que imprimir</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin could not be loaded from %1: %2</source>
        <extracomment>%1 is the skin file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido cargar el tema desde %1: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not UTF-8 text</source>
        <translation>El archivo de tema %1 no es texto UTF-8</translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>Add Guest</source>
        <translation>nuevo invitado</translation>
    </message>
    <message>
        <source>Delete Guest</source>
        <translation>eliminación de invitado</translation>
    </message>
    <message>
        <source>Edit Guest</source>
        <translation>cambio de invitado</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>cambio de dirección</translation>
    </message>
    <message>
        <source>Edit RSVP</source>
        <translation>cambio de asistencia</translation>
    </message>
    <message>
        <source>Edit Number in Party</source>
        <translation>cambio de nº de personas</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>nueva música</translation>
    </message>
    <message>
        <source>Delete Music</source>
        <translation>eliminación de música</translation>
    </message>
    <message>
        <source>Edit Music</source>
        <translation>cambio de música</translation>
    </message>
    <message>
        <source>Edit Format</source>
        <translation>cambio de formato</translation>
    </message>
    <message>
        <source>Edit Purchased</source>
        <translation>cambio de estado de compra</translation>
    </message>
    <message>
        <source>Edit Amount</source>
        <translation>cambio de importe</translation>
    </message>
    <message>
        <source>Add Decoration</source>
        <translation>nuevo adorno</translation>
    </message>
    <message>
        <source>Delete Decoration</source>
        <translation>eliminación de adorno</translation>
    </message>
    <message>
        <source>Edit Type</source>
        <translation>cambio de tipo</translation>
    </message>
    <message>
        <source>Edit Number</source>
        <translation>cambio de cantidad</translation>
    </message>
    <message>
        <source>Add Food</source>
        <translation>nueva comida</translation>
    </message>
    <message>
        <source>Delete Food</source>
        <translation>eliminación de comida</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>cambio de nombre</translation>
    </message>
    <message>
        <source>Edit Ingredients</source>
        <translation>cambio de ingredientes</translation>
    </message>
    <message>
        <source>Add Ingredient</source>
        <translation>nuevo ingrediente</translation>
    </message>
    <message>
        <source>Delete Ingredient</source>
        <translation>eliminación de ingrediente</translation>
    </message>
    <message>
        <source>Edit Ingredient</source>
        <translation>cambio de ingrediente</translation>
    </message>
    <message>
        <source>Add Supply</source>
        <translation>nuevo artículo</translation>
    </message>
    <message>
        <source>Delete Supply</source>
        <translation>eliminación de artículo</translation>
    </message>
    <message>
        <source>Add Incidental</source>
        <translation>nuevo gasto</translation>
    </message>
    <message>
        <source>Delete Incidental</source>
        <translation>eliminación de gasto</translation>
    </message>
    <message>
        <source>Add Task</source>
        <translation>nueva tarea</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>eliminación de tarea</translation>
    </message>
    <message>
        <source>Edit Task</source>
        <translation>cambio de tarea</translation>
    </message>
    <message>
        <source>Edit Time</source>
        <translation>cambio de hora</translation>
    </message>
    <message>
        <source>Edit Notes</source>
        <translation>cambio de notas</translation>
    </message>
    <message>
        <source>Add Activity</source>
        <translation>nueva actividad</translation>
    </message>
    <message>
        <source>Delete Activity</source>
        <translation>eliminación de actividad</translation>
    </message>
    <message>
        <source>Edit Activity</source>
        <translation>cambio de actividad</translation>
    </message>
    <message>
        <source>Move Row</source>
        <translation>movimiento de fila</translation>
    </message>
    <message>
        <source>Load Sample Data</source>
        <translation>carga de datos de ejemplo</translation>
    </message>
    <message>
        <source>Music Budget</source>
        <translation>cambio de presupuesto de música</translation>
    </message>
    <message>
        <source>Decoration Budget</source>
        <translation>cambio de presupuesto de decoración</translation>
    </message>
    <message>
        <source>Incidental Budget</source>
        <translation>cambio de presupuesto de gastos varios</translation>
    </message>
    <message>
        <source>Food Budget</source>
        <translation>cambio de presupuesto de comida</translation>
    </message>
    <message>
        <source>Other Supply Budget</source>
        <translation>cambio de presupuesto de otros artículos</translation>
    </message>
    <message>
        <source>Party Date</source>
        <translation>cambio de fecha de la fiesta</translation>
    </message>
    <message>
        <source>New Plan From This One</source>
        <translation>Nuevo plan a partir de este</translation>
    </message>
    <message>
        <source>Paste Rows</source>
        <translation>pegado de filas</translation>
    </message>
    <message>
        <source>Import Guests</source>
        <translation>importación de invitados</translation>
    </message>
</context>
<context>
    <name>TableColumns</name>
    <message>
        <source>Guest(s)</source>
        <translation>Invitado(s)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>RSVP?</source>
        <translation>¿Asiste?</translation>
    </message>
    <message>
        <source>Number in Party</source>
        <translation>Nº de personas</translation>
    </message>
    <message>
        <source>Music(s)</source>
        <translation>Música(s)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Purchased?</source>
        <translation>¿Comprado?</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingredientes</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
</context>
<context>
    <name>TableNames</name>
    <message>
        <source>Guests</source>
        <translation>Invitados</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Decorations</source>
        <translation>Decoración</translation>
    </message>
    <message>
        <source>Food and Drinks</source>
        <translation>Comida y bebida</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingredientes</translation>
    </message>
    <message>
        <source>Other Supplies</source>
        <translation>Otros artículos</translation>
    </message>
    <message>
        <source>Incidentals</source>
        <translation>Gastos varios</translation>
    </message>
    <message>
        <source>Schedules</source>
        <translation>Preparativos</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Actividades</translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <source>Row %1 of %2 holds a store separator (&quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;) and cannot be saved.</source>
        <extracomment>%1 is the row&apos;s number, %2 the list&apos;s name.</extracomment>
        <translation>La fila %1 de %2 contiene un separador del almacén («||MySeparator11||» o «||MySeparator12||») y no se puede guardar.</translation>
    </message>
    <message>
        <source>Row %1 of %2 would load back as other rows: its texts make a store separator with the ones around them (&quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;) and cannot be saved.</source>
        <extracomment>%1 is the row&apos;s number, %2 the list&apos;s name.</extracomment>
        <translation>La fila %1 de %2 se volvería a cargar como otras filas: sus textos forman un separador del almacén con los de alrededor («||MySeparator11||» o «||MySeparator12||») y no se puede guardar.</translation>
    </message>
</context>
<context>
    <name>TextScan</name>
    <message>
        <source>the file is UTF-16 text; please save it as UTF-8 and import that</source>
        <translation>el archivo es texto UTF-16; guárdalo como UTF-8 e importa ese</translation>
    </message>
    <message>
        <source>it holds a NUL byte, so it is no text file</source>
        <translation>contiene un byte NUL, así que no es un archivo de texto</translation>
    </message>
</context>
<context>
    <name>ViewportMath</name>
    <message>
        <source>Overflow</source>
        <extracomment>The error box names the fault: a number too large for its place.</extracomment>
        <translation>Desbordamiento</translation>
    </message>
</context>
<context>
    <name>WorkbookCopy</name>
    <message>
        <source>The workbook could not be read from %1: %2</source>
        <translation>No se ha podido leer el libro de %1: %2</translation>
    </message>
    <message>
        <source>The workbook could not be saved to %1: %2</source>
        <translation>No se ha podido guardar el libro en %1: %2</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>una tubería</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>it is %1, not a file Jubilo can replace.</source>
        <translation>es %1, no un archivo que Jubilo pueda reemplazar.</translation>
    </message>
    <message>
        <source>it is a link that another user made in the shared folder %1. Jubilo does not write through it; choose another name.</source>
        <translation>es un enlace que otro usuario ha creado en la carpeta compartida %1. Jubilo no escribe a través de él; elige otro nombre.</translation>
    </message>
    <message>
        <source>it leads through too many links.</source>
        <translation>pasa por demasiados enlaces.</translation>
    </message>
</context>
<context>
    <name>jubilo::BudgetChart</name>
    <message>
        <source>Budget</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Gastado</translation>
    </message>
    <message>
        <source>Over budget</source>
        <translation>Exceso</translation>
    </message>
    <message>
        <source>Budget and spending chart</source>
        <translation>Gráfico de presupuesto y gasto</translation>
    </message>
</context>
<context>
    <name>jubilo::GlanceTableModel</name>
    <message>
        <source>Budget</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Gastado</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Still to buy</source>
        <translation>Por comprar</translation>
    </message>
    <message>
        <source>Whole party</source>
        <translation>Toda la fiesta</translation>
    </message>
</context>
<context>
    <name>jubilo::GlanceWindow</name>
    <message>
        <source>Plan at a Glance</source>
        <translation>Plan de un vistazo</translation>
    </message>
    <message>
        <source>Save Chart as PNG…</source>
        <translation>Guardar gráfico como PNG…</translation>
    </message>
    <message>
        <source>Budget against spending per list</source>
        <translation>Presupuesto frente a gasto por lista</translation>
    </message>
</context>
<context>
    <name>jubilo::ImportGuestsDialog</name>
    <message>
        <source>Import Guests</source>
        <translation>Importar invitados</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>The first guests as they will be added</source>
        <translation>Los primeros invitados tal como se añadirán</translation>
    </message>
    <message>
        <source>The first guests as they will be added:</source>
        <translation>Los primeros invitados tal como se añadirán:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Columns of the file</source>
        <translation>Columnas del archivo</translation>
    </message>
    <message>
        <source>File column for %1</source>
        <translation>Columna del archivo para %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>An empty &quot;RSVP?&quot; reads &quot;No&quot;, an empty &quot;Number in Party&quot; reads &quot;1&quot;.</source>
        <translation>Un «¿Asiste?» vacío cuenta como «No», y un «Nº de personas» vacío, como «1».</translation>
    </message>
    <message>
        <source>Line %1 cannot be added: %2. Choose other columns, or correct the file; nothing is added until every row can be.</source>
        <translation>La línea %1 no se puede añadir: %2. Elige otras columnas o corrige el archivo; no se añade nada hasta que se puedan añadir todas las filas.</translation>
    </message>
    <message>
        <source>1 guest will be added.</source>
        <translation>Se añadirá 1 invitado.</translation>
    </message>
    <message>
        <source>%L1 guests will be added.</source>
        <translation>Se añadirán %L1 invitados.</translation>
    </message>
</context>
<context>
    <name>jubilo::MainWindow</name>
    <message>
        <source>Nothing was pasted into the %1 list: line %2 of the pasted text cannot go in, because %3.</source>
        <translation>No se ha pegado nada en la lista %1: la línea %2 del texto pegado no puede entrar porque %3.</translation>
    </message>
    <message>
        <source>The clipboard holds no rows to paste.</source>
        <translation>El portapapeles no contiene filas que pegar.</translation>
    </message>
    <message>
        <source>Guest lists (*.csv *.txt *.vcf)|*.csv;*.txt;*.vcf|All files (*)|*|</source>
        <translation>Listas de invitados (*.csv *.txt *.vcf)|*.csv;*.txt;*.vcf|Todos los archivos (*)|*|</translation>
    </message>
    <message>
        <source>The file holds %L1 guests, and the list has room for %L2 more.</source>
        <translation>El archivo contiene %L1 invitados y en la lista solo caben %L2 más.</translation>
    </message>
    <message>
        <source>Import Guests</source>
        <translation>Importar invitados</translation>
    </message>
    <message>
        <source>This plan is read-only, so the change cannot be kept. Save a copy you can change with Save Plan As?</source>
        <translation>Este plan es de solo lectura, así que el cambio no se puede guardar. ¿Quieres usar Guardar plan como para guardar una copia que puedas modificar?</translation>
    </message>
    <message>
        <source>Jubilo %1

Plan a party and get a printable spreadsheet of the plan.

%2</source>
        <translation>Jubilo %1

Planifica una fiesta y obtén una hoja de cálculo imprimible con el plan.

%2</translation>
    </message>
    <message>
        <source>About Jubilo</source>
        <translation>Acerca de Jubilo</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Tarvel at %1</source>
        <extracomment>The Help button&apos;s message; %1 is the contact page&apos;s web address.</extracomment>
        <translation>¿Tienes alguna pregunta? Ponte en contacto con Team Tarvel en %1</translation>
    </message>
</context>
<context>
    <name>jubilo::PlanHistory</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>The Edit menu&apos;s Undo with the step it undoes, as &quot;Undo Delete Guest&quot;.</extracomment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>The Edit menu&apos;s Redo with the step it redoes, as &quot;Redo Delete Guest&quot;.</extracomment>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
</context>
<context>
    <name>jubilo::PlanStatusBar</name>
    <message>
        <source>Plan summary</source>
        <translation>Resumen del plan</translation>
    </message>
</context>
<context>
    <name>jubilo::PreviewWindow</name>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <translation>La imagen está vacía</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>¿Seguro que quieres sobrescribir %1?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Excel Files</source>
        <translation>Archivos de Excel</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Archivos PDF</translation>
    </message>
    <message>
        <source>%1 is the workbook this preview shows, which is deleted when the preview closes. Please save the copy under another name.</source>
        <extracomment>%1 is the name of the file the user chose.</extracomment>
        <translation>%1 es el libro que muestra esta vista previa, y se elimina al cerrarla. Guarda la copia con otro nombre.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer, so the sheet cannot be printed from here. Use &quot;Save as PDF…&quot; to keep it as a PDF file, which any computer with a printer can print.</source>
        <translation>No hay ninguna impresora configurada en este equipo, así que la hoja no se puede imprimir desde aquí. Usa «Guardar como PDF…» para conservarla como archivo PDF, que puede imprimir cualquier equipo con impresora.</translation>
    </message>
    <message>
        <source>There is no picture to copy</source>
        <translation>No hay ninguna imagen que copiar</translation>
    </message>
    <message>
        <source>There is no main window to go back to.</source>
        <translation>No hay ninguna ventana principal a la que volver.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Another program changed the settings file %1 while Jubilo was open, and Jubilo now writes a value that program changed. Jubilo keeps its own value and the rest of the other program&apos;s changes.

A copy of the file as the other program left it is kept in %2.</source>
        <translation>Otro programa ha modificado el archivo de configuración %1 mientras Jubilo estaba abierto, y ahora Jubilo escribe un valor que ese programa cambió. Jubilo conserva su propio valor y el resto de los cambios del otro programa.

En %2 se conserva una copia del archivo tal como lo dejó el otro programa.</translation>
    </message>
    <message>
        <source>Jubilo found changes to the settings file %1 in the journal it keeps beside it, but the file is no longer the one they were made to (another program replaced it), so they were not applied and the file stays as it is.

A copy of the journal with those changes is kept in %2.</source>
        <translation>Jubilo ha encontrado cambios en el archivo de configuración %1 en el diario de cambios que guarda junto a él, pero el archivo ya no es aquel en el que se hicieron (otro programa lo ha sustituido), así que no se han aplicado y el archivo se queda como está.

En %2 se conserva una copia del diario con esos cambios.</translation>
    </message>
    <message>
        <source>No free name for a copy of the settings file was found beside %1</source>
        <translation>No se ha encontrado junto a %1 ningún nombre libre para una copia del archivo de configuración</translation>
    </message>
    <message>
        <source>The settings file %1 had lines that could not be read. Jubilo keeps what it could read and writes the file afresh, so those lines will be gone from it.

A copy of the file as it was is kept in %2.</source>
        <translation>El archivo de configuración %1 tenía líneas que no se han podido leer. Jubilo conserva lo que ha podido leer y vuelve a escribir el archivo desde cero, así que esas líneas desaparecerán de él.

En %2 se conserva una copia del archivo tal como estaba.</translation>
    </message>
</context>
</TS>
