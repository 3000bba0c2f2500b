<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <extracomment>--help on the option -h, --help. Written as a terminal&apos;s help texts are.</extracomment>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <extracomment>--help on the option --help-all, which lists the display options Qt adds too.</extracomment>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <extracomment>--help on the option -v, --version.</extracomment>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <extracomment>--help on the option --help-all, as Qt 6.8 and later word it: it lists the display options Qt adds too.</extracomment>
        <translation>Muestra la ayuda, incluidas las opciones generales de Qt.</translation>
    </message>
</context>
<context>
    <name>quindle::Caption</name>
    <message>
        <source>(C) 2026 The Quindle developers</source>
        <extracomment>Ends every window&apos;s title.</extracomment>
        <translation>(C) 2026 Los desarrolladores de Quindle</translation>
    </message>
</context>
<context>
    <name>quindle::ClassPictures</name>
    <message>
        <source>Each run&apos;s ratios against its trials; the class, larger</source>
        <extracomment>The funnel picture&apos;s title: each run&apos;s ratios against its number of trials.</extracomment>
        <translation>Frec. relativa de cada experimento; la clase, mayor</translation>
    </message>
    <message>
        <source>All runs one after another: each share so far</source>
        <extracomment>The class curve&apos;s title: all runs&apos; trials one after another.</extracomment>
        <translation>Todos seguidos: frecuencia relativa acumulada</translation>
    </message>
    <message>
        <source>All runs one after another: each count minus a quarter of the trials</source>
        <extracomment>The class&apos;s gap picture&apos;s title: all runs&apos; trials one after another, each outcome&apos;s count less a quarter of the trials so far (not the count less 1/4). Room for about 50 characters a line; a longer title is broken into lines at its blanks.</extracomment>
        <translation>Todos seguidos: frecuencia menos 1/4 de los lanzamientos</translation>
    </message>
    <message>
        <source>Each run&apos;s share of one head; the class, larger</source>
        <extracomment>The funnel&apos;s title in the number-of-heads view: each run&apos;s share of one head (Head/Tail or Tail/Head) against its number of trials. Room for about 50 characters.</extracomment>
        <translation>Proporción de una cara por experimento; la clase, mayor</translation>
    </message>
    <message>
        <source>All runs one after another: two, one and no heads</source>
        <extracomment>The class curve&apos;s title in the number-of-heads view: all runs&apos; trials one after another, the shares of two heads, one head and no heads so far. Room for about 50 characters.</extracomment>
        <translation>Todos seguidos: dos, una y ninguna cara</translation>
    </message>
</context>
<context>
    <name>quindle::ClassWindow</name>
    <message>
        <source>Class results: %1</source>
        <extracomment>The class window&apos;s title; %1 is the folder&apos;s name.</extracomment>
        <translation>Resultados de la clase: %1</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The class table&apos;s first column header, over each run&apos;s file name.</extracomment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Trials</source>
        <extracomment>A header of the class table over each run&apos;s number of trials. Each number column is as wide as its header or its numbers, and the ten columns share 740 pixels: a word of about 8 letters.</extracomment>
        <translation>Lanzamientos</translation>
    </message>
    <message>
        <source>%1
ratio</source>
        <extracomment>A column header of the class table, on two lines: %1 is an outcome (&quot;Head Tail&quot;), the second line says these are its ratios. The ten columns share 740 pixels: keep the second line to about 10 letters, a school&apos;s usual abbreviation if need be.</extracomment>
        <translation>%1
frec. rel.</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>The class window&apos;s context menu: puts the class table on the clipboard.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save class results…</source>
        <extracomment>The context menu: saves the class table as a CSV file.</extracomment>
        <translation>Guardar resultados de la clase…</translation>
    </message>
    <message>
        <source>Save class results</source>
        <extracomment>The title of the dialog that saves the class table.</extracomment>
        <translation>Guardar resultados de la clase</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter for the class table.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy pictures</source>
        <extracomment>The context menu: puts both pictures, side by side, on the clipboard.</extracomment>
        <translation>Copiar gráficas</translation>
    </message>
    <message>
        <source>Save pictures…</source>
        <extracomment>The context menu: saves both pictures, side by side, as a PNG picture.</extracomment>
        <translation>Guardar gráficas…</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <extracomment>The title of the dialog that saves the pictures.</extracomment>
        <translation>Guardar gráficas</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <extracomment>The file dialog&apos;s filter for PNG pictures.</extracomment>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The context menu: prints both pictures, by the print dialog.</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Read summary</source>
        <extracomment>The context menu: a screen reader says the class&apos;s runs, trials and pooled ratios.</extracomment>
        <translation>Leer el resumen</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The class table&apos;s last row, which pools every run.</extracomment>
        <translation>Toda la clase</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file of the class&apos;s folder that is not pooled: %1 its name, %2 why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source> %1 %2.</source>
        <extracomment>Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.</extracomment>
        <translation> %1: %2.</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>What a screen reader calls the line that shows the class&apos;s folder.</extracomment>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The class window&apos;s button, 72 pixels wide in the default font: about 9 characters.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Runs and the class</source>
        <extracomment>What a screen reader calls the class table: a row per run and one for the class.</extracomment>
        <translation>Experimentos y total de la clase</translation>
    </message>
    <message>
        <source>Files not pooled</source>
        <extracomment>What a screen reader calls the list of the folder&apos;s files that are not pooled.</extracomment>
        <translation>Archivos no incluidos</translation>
    </message>
    <message>
        <source>Each run&apos;s ratios</source>
        <extracomment>What a screen reader calls the funnel picture.</extracomment>
        <translation>Frecuencias relativas de cada experimento</translation>
    </message>
    <message>
        <source>Each run&apos;s four ratios against its number of trials, and the class&apos;s pooled ratios</source>
        <extracomment>What a screen reader says the funnel picture shows.</extracomment>
        <translation>Las cuatro frecuencias relativas de cada experimento frente a su número de lanzamientos, y las de toda la clase</translation>
    </message>
    <message>
        <source>The class curve</source>
        <extracomment>What a screen reader calls the class curve&apos;s picture.</extracomment>
        <translation>La curva de la clase</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all the class&apos;s trials so far, run after run</source>
        <extracomment>What a screen reader says the class curve shows.</extracomment>
        <translation>Frecuencia relativa de cada resultado sobre todos los lanzamientos de la clase hasta ese momento, experimento tras experimento</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a file of the class&apos;s folder is not pooled, after its name.</extracomment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>too large for a results file (%1 KB)</source>
        <extracomment>%1 is the file&apos;s size in kilobytes.</extracomment>
        <translation>demasiado grande para ser un archivo de resultados (%1 KB)</translation>
    </message>
    <message>
        <source>not a text file</source>
        <extracomment>A file that holds something other than text (a picture, a document).</extracomment>
        <translation>no es un archivo de texto</translation>
    </message>
    <message>
        <source>not a Quindle results file</source>
        <extracomment>A text file that is not one Quindle saves (a note, another program&apos;s table).</extracomment>
        <translation>no es un archivo de resultados de Quindle</translation>
    </message>
    <message>
        <source>saved by a newer Quindle (format %1)</source>
        <extracomment>A results file in a newer format than this program reads: %1 is its number.</extracomment>
        <translation>guardado con una versión más reciente de Quindle (formato %1)</translation>
    </message>
    <message>
        <source>cut short after trial %1 of %2</source>
        <extracomment>A file that ends early, in its list of trials: %1 the last trial in it, %2 the trials the run had.</extracomment>
        <translation>cortado tras el lanzamiento %1 de %2</translation>
    </message>
    <message>
        <source>cut short before its end</source>
        <extracomment>A file that ends early, before its list of trials.</extracomment>
        <translation>cortado antes del final</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <extracomment>The same run as another file of the folder, which counts instead: %1 its name.</extracomment>
        <translation>copia de %1</translation>
    </message>
    <message>
        <source>inconsistent: a ratio does not match its count (line %1)</source>
        <extracomment>A file whose numbers do not agree with each other: %1 the line of the file.</extracomment>
        <translation>incoherente: una frecuencia relativa no concuerda con su recuento (línea %1)</translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the counts (line %1)</source>
        <extracomment>The history is each outcome&apos;s share after each of its occurrences, kept for the graph; %1 is the line of the file.</extracomment>
        <translation>incoherente: el historial no concuerda con los recuentos (línea %1)</translation>
    </message>
    <message>
        <source>inconsistent: the trial log disagrees with the counts (line %1)</source>
        <extracomment>The trial log lists both coins&apos; faces in every trial; %1 is the line of the file.</extracomment>
        <translation>incoherente: el registro de lanzamientos no concuerda con los recuentos (línea %1)</translation>
    </message>
    <message>
        <source>inconsistent: line %1 cannot be read</source>
        <extracomment>A line where a number or a word was expected and something else stands: %1 its number.</extracomment>
        <translation>incoherente: la línea %1 no se puede leer</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1. The class is shown as it was last read.</source>
        <extracomment>Under the folder&apos;s path while the folder cannot be read; %1 is the system&apos;s reason, such as &quot;No such file or directory&quot;.</extracomment>
        <translation>No se puede leer la carpeta: %1. La clase se muestra tal como se leyó por última vez.</translation>
    </message>
    <message>
        <source>text saved as UTF-16; results files are read as UTF-8</source>
        <extracomment>A text file saved in another encoding than results files are read in.</extracomment>
        <translation>texto guardado en UTF-16; los archivos de resultados se leen en UTF-8</translation>
    </message>
    <message>
        <source>text saved as Latin-1 (Windows-1252); results files are read as UTF-8</source>
        <extracomment>A text file saved in another encoding than results files are read in.</extracomment>
        <translation>texto guardado en Latin-1 (Windows-1252); los archivos de resultados se leen en UTF-8</translation>
    </message>
    <message>
        <source>saved by a newer Quindle</source>
        <extracomment>A results file in a format newer than this program reads.</extracomment>
        <translation>guardado con una versión más reciente de Quindle</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Input/output error&quot;.</extracomment>
        <translation>no se puede leer: %1</translation>
    </message>
    <message numerus="yes">
        <source>a folder more than %n level(s) down, not read</source>
        <extracomment>A folder inside the class&apos;s folder too deep to be read: %n the levels that are.</extracomment>
        <translation>
            <numerusform>una carpeta a más de %n nivel de profundidad, no se lee</numerusform>
            <numerusform>una carpeta a más de %n niveles de profundidad, no se lee</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inconsistent: the counts add up to %1, not %n trials</source>
        <extracomment>%1 is the counts&apos; sum, %n the number of trials the file states.</extracomment>
        <translation>
            <numerusform>incoherente: los recuentos suman %1, no %n lanzamiento</numerusform>
            <numerusform>incoherente: los recuentos suman %1, no %n lanzamientos</numerusform>
        </translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the trial log (line %1)</source>
        <extracomment>The history (each outcome&apos;s share after each of its occurrences) does not follow from the list of trials; %1 is the line of the file.</extracomment>
        <translation>incoherente: el historial no concuerda con el registro de lanzamientos (línea %1)</translation>
    </message>
    <message>
        <source>inconsistent: a negative count (line %1)</source>
        <extracomment>A file with a count below zero: %1 the line of the file.</extracomment>
        <translation>incoherente: un recuento negativo (línea %1)</translation>
    </message>
    <message>
        <source>inconsistent: a count larger than a run can have (line %1)</source>
        <extracomment>A count above the 1000 at which a run ends: %1 the line of the file.</extracomment>
        <translation>incoherente: un recuento mayor del que puede tener un experimento (línea %1)</translation>
    </message>
    <message>
        <source>inconsistent: a negative number of trials (line %1)</source>
        <extracomment>A file whose number of trials is below zero: %1 the line of the file.</extracomment>
        <translation>incoherente: un número negativo de lanzamientos (línea %1)</translation>
    </message>
    <message>
        <source>inconsistent: more trials than a run can have (line %1)</source>
        <extracomment>A run ends once an outcome has come up more than 1000 times: this file has more. %1 is the line of the file.</extracomment>
        <translation>incoherente: más lanzamientos de los que puede tener un experimento (línea %1)</translation>
    </message>
    <message>
        <source>a named pipe, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>un socket, no un archivo</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>a link to a folder, not followed</source>
        <extracomment>A symbolic link to a folder, which is not followed, after its name.</extracomment>
        <translation>un enlace a una carpeta, no se sigue</translation>
    </message>
    <message>
        <source>a link to something that is not there</source>
        <extracomment>A symbolic link whose target does not exist, after its name.</extracomment>
        <translation>un enlace a algo que no existe</translation>
    </message>
    <message>
        <source>links that lead round in a loop</source>
        <extracomment>Symbolic links that point at each other, after the name of one.</extracomment>
        <translation>enlaces que forman un bucle</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
    <message numerus="yes">
        <source> %1 of %n ratios lie inside the expected range, where about 95 % are expected.</source>
        <extracomment>Ends the summary: %1 of the %n ratios of the runs (four each) lie inside the expected range; chance keeps about 95 % of them there. Never said with no ratios.</extracomment>
        <translation>
            <numerusform> Dentro del intervalo esperado: %1 de %n frecuencia relativa (se espera alrededor del 95 %).</numerusform>
            <numerusform> Dentro del intervalo esperado: %1 de las %n frecuencias relativas (se espera alrededor del 95 %).</numerusform>
        </translation>
    </message>
    <message>
        <source>Show gap from a quarter</source>
        <extracomment>The class window&apos;s context menu: a check mark turns the class curve into each outcome&apos;s gap from a quarter of the class&apos;s trials.</extracomment>
        <translation>Mostrar diferencia con un cuarto</translation>
    </message>
    <message>
        <source>Each outcome&apos;s count minus a quarter of all the class&apos;s trials so far, run after run</source>
        <extracomment>What a screen reader says the class curve shows in the gap view.</extracomment>
        <translation>Frecuencia de cada resultado menos un cuarto de todos los lanzamientos de la clase hasta ese momento, experimento tras experimento</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows the runs and trials once per outcome in the gap view: %1 the outcome, %2 its pooled ratio, %3 how far its pooled count lies from a quarter of the trials (&quot;its count 312.5 above a quarter of the trials&quot;).</extracomment>
        <translation> %1: %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n runs</source>
        <extracomment>The number of runs pooled, in the class window&apos;s summary and printed caption.</extracomment>
        <translation>
            <numerusform>%n experimento</numerusform>
            <numerusform>%n experimentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trials</source>
        <extracomment>The number of trials of all runs pooled, in the summary and printed caption.</extracomment>
        <translation>
            <numerusform>%n lanzamiento</numerusform>
            <numerusform>%n lanzamientos</numerusform>
        </translation>
    </message>
    <message>
        <source>Quindle, class results, %1: %2, %3</source>
        <extracomment>The caption above the printed pictures: %1 the date, %2 the runs (&quot;30 runs&quot;), %3 the trials (&quot;64020 trials&quot;).</extracomment>
        <translation>Quindle, resultados de la clase, %1: %2, %3</translation>
    </message>
    <message>
        <source>%1, %2 in all.</source>
        <extracomment>Said on demand: %1 the runs pooled (&quot;30 runs&quot;), %2 their trials (&quot;64020 trials&quot;).</extracomment>
        <translation>%1, %2 en total.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A column header of the class table over each run&apos;s count of an outcome: %1 is coin 1&apos;s face, %2 coin 2&apos;s (&quot;Head Tail&quot;). The ten columns share 740 pixels: where two faces side by side make the columns too wide, put a line break between them.</extracomment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Show number of heads</source>
        <extracomment>The class window&apos;s context menu: a check mark turns both pictures into the shares of two heads, one head and no heads.</extracomment>
        <translation>Mostrar número de caras</translation>
    </message>
    <message>
        <source>The shares of two heads, one head and no heads of all the class&apos;s trials so far, run after run</source>
        <extracomment>What a screen reader says the class curve shows in the number-of-heads view.</extracomment>
        <translation>Proporción de dos caras, una cara y ninguna cara en todos los lanzamientos de la clase hasta ese momento, experimento tras experimento</translation>
    </message>
    <message>
        <source>Each run&apos;s share of one head against its number of trials, and the class&apos;s pooled share</source>
        <extracomment>What a screen reader says the funnel picture shows in the number-of-heads view.</extracomment>
        <translation>Proporción de una cara de cada experimento frente a su número de lanzamientos, y la proporción de toda la clase</translation>
    </message>
    <message>
        <source> %1.</source>
        <extracomment>Follows the runs and trials in the number-of-heads view, once each for two heads, one head and no heads: %1 is such as &quot;One head: 0.497 (1889 of 3801 trials), a half expected&quot;.</extracomment>
        <translation> %1.</translation>
    </message>
    <message numerus="yes">
        <source> In %1 of %n runs the share of one head lies inside the range where chance keeps it about 95 % of the time.</source>
        <extracomment>Ends the summary in the number-of-heads view: in %1 of the %n runs with trials, the share of one head (Head/Tail or Tail/Head) lies inside the range chance keeps it in about 95 % of the time.</extracomment>
        <translation>
            <numerusform> Proporción de una cara dentro del intervalo esperado: en %1 de %n experimento (el azar la deja ahí cerca del 95 % de las veces).</numerusform>
            <numerusform> Proporción de una cara dentro del intervalo esperado: en %1 de los %n experimentos (el azar la deja ahí cerca del 95 % de las veces).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quindle::CommandLine</name>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <extracomment>What quindle --help says first, under its usage line.</extracomment>
        <translation>Lanza dos monedas una y otra vez y cuenta los cuatro resultados posibles, para que se vea cómo la frecuencia relativa de cada uno se estabiliza cerca de 1/4.</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <extracomment>--help on the option --seed N; keep &lt;N&gt; as it is.</extracomment>
        <translation>Toma cada valor aleatorio de una secuencia fijada por &lt;N&gt; (un número entero), y no del reloj, de modo que en cualquier equipo salen los mismos lanzamientos, uno por uno.</translation>
    </message>
    <message>
        <source>Shows the texts in &lt;CODE&gt; (en, %1) instead of the system&apos;s language.</source>
        <extracomment>--help on the option --language CODE; keep &lt;CODE&gt; as it is. %1 lists the languages the program is translated into.</extracomment>
        <translation>Muestra los textos en &lt;CODE&gt; (en, %1) en lugar de en el idioma del sistema.</translation>
    </message>
    <message>
        <source>Starts with every window at &lt;PERCENT&gt; of its size (%1).</source>
        <extracomment>--help on the option --zoom PERCENT; keep &lt;PERCENT&gt; as it is. %1 lists the zoom steps.</extracomment>
        <translation>Abre todas las ventanas al &lt;PERCENT&gt; de su tamaño (%1).</translation>
    </message>
    <message>
        <source>Opens the class window beside the experiment window, pooling the results files in &lt;FOLDER&gt; as they come.</source>
        <extracomment>--help on the option --class FOLDER; keep &lt;FOLDER&gt; as it is.</extracomment>
        <translation>Abre la ventana de la clase junto a la ventana del experimento y va reuniendo los archivos de resultados de &lt;FOLDER&gt; a medida que llegan.</translation>
    </message>
</context>
<context>
    <name>quindle::ContextMenu</name>
    <message>
        <source>Streaks…</source>
        <extracomment>A window&apos;s context menu: opens the streaks window, on the run or on the class.</extracomment>
        <translation>Rachas…</translation>
    </message>
</context>
<context>
    <name>quindle::Errors</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>%1 is the error&apos;s number, %2 its name in English (&quot;Overflow&quot;).</extracomment>
        <translation>Error en tiempo de ejecución &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Unexpected error:

%1</source>
        <extracomment>A message box after an error the program did not expect: %1 says what, in English.</extracomment>
        <translation>Error inesperado:

%1</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentControl</name>
    <message>
        <source>This software will exit.</source>
        <extracomment>The message box Exit shows before the program ends.</extracomment>
        <translation>Este programa se cerrará.</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentWindow</name>
    <message>
        <source>%1 frequency</source>
        <extracomment>What a screen reader calls a count cell; %1 is the outcome (&quot;Head Tail&quot;).</extracomment>
        <translation>frecuencia de %1</translation>
    </message>
    <message>
        <source>%1 probability</source>
        <extracomment>What a screen reader calls a ratio cell: the outcome&apos;s share of the trials so far, its relative frequency (not a probability); %1 is the outcome.</extracomment>
        <translation>frecuencia relativa de %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>The experiment window&apos;s context menu: puts the table on the clipboard.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save results…</source>
        <extracomment>The context menu: saves the run&apos;s results file, which a class window pools.</extracomment>
        <translation>Guardar resultados…</translation>
    </message>
    <message>
        <source>Pace</source>
        <extracomment>The context menu&apos;s submenu of how fast a run goes.</extracomment>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>As designed</source>
        <extracomment>How fast a run goes: a trial every millisecond, as the program was designed.</extracomment>
        <translation>Original</translation>
    </message>
    <message>
        <source>Classroom</source>
        <extracomment>About sixty trials a second, slow enough for a class to follow each count.</extracomment>
        <translation>Para clase</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <extracomment>The context menu&apos;s last entry, greyed: the seed of the draws, a whole number.</extracomment>
        <translation>Semilla: %1</translation>
    </message>
    <message>
        <source>Seed: none, the run follows the clock</source>
        <extracomment>The context menu&apos;s last entry, greyed, when no seed was given.</extracomment>
        <translation>Semilla: ninguna, se usa el reloj</translation>
    </message>
    <message>
        <source>Save results</source>
        <extracomment>The title of the dialog that saves the results file, and of its messages.</extracomment>
        <translation>Guardar resultados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter for the results file.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Counts cleared.</source>
        <extracomment>Said when Init has cleared the counts.</extracomment>
        <translation>Se han borrado los recuentos.</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows &quot;Stopped after … trials.&quot; once per outcome: %1 the outcome (&quot;Head Tail&quot;), %2 its count, %3 its ratio.</extracomment>
        <translation> %1: %2 veces, %3.</translation>
    </message>
    <message>
        <source>How often this outcome has come up in the current run</source>
        <extracomment>What a screen reader says a count cell of the table holds.</extracomment>
        <translation>Cuántas veces ha salido este resultado en el experimento actual</translation>
    </message>
    <message>
        <source>This outcome&apos;s share of all trials of the current run</source>
        <extracomment>What a screen reader says a ratio cell of the table holds.</extracomment>
        <translation>Proporción de lanzamientos del experimento actual en los que ha salido este resultado</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The top row&apos;s buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The top row&apos;s button that shows the help window, 57 pixels wide: about 6 characters.</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>The top row&apos;s button that clears the counts for a new run, 57 pixels wide: about 6 characters.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Coin1: Head</source>
        <extracomment>What a screen reader calls coin 1&apos;s picture while it shows its head face.</extracomment>
        <translation>Moneda 1: cara</translation>
    </message>
    <message>
        <source>Coin1: Tail</source>
        <extracomment>Coin 1&apos;s picture while it shows its tail face.</extracomment>
        <translation>Moneda 1: cruz</translation>
    </message>
    <message>
        <source>Coin2: Head</source>
        <extracomment>Coin 2&apos;s picture while it shows its head face.</extracomment>
        <translation>Moneda 2: cara</translation>
    </message>
    <message>
        <source>Coin2: Tail</source>
        <extracomment>Coin 2&apos;s picture while it shows its tail face.</extracomment>
        <translation>Moneda 2: cruz</translation>
    </message>
    <message>
        <source>Coin1</source>
        <extracomment>Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.</extracomment>
        <translation>Mon. 1</translation>
    </message>
    <message>
        <source>Coin2</source>
        <extracomment>The second coin&apos;s name, under its picture and in the table: 81 pixels wide in a large bold face, about 6 characters.</extracomment>
        <translation>Mon. 2</translation>
    </message>
    <message>
        <source>Head</source>
        <extracomment>A coin&apos;s face in the table&apos;s header rows, in blue: 81 pixels wide in a large bold face.</extracomment>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Tail</source>
        <extracomment>A coin&apos;s other face in the table&apos;s header rows, in red: 81 pixels wide in a large bold face.</extracomment>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The table&apos;s row names are 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Probability</source>
        <extracomment>The table&apos;s row of each outcome&apos;s share of all trials so far: its relative frequency, the observed share, which the lesson tells apart from the probability of 1/4 it settles near (school mathematics has its own word for it). 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>Frec. relativa</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <extracomment>Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.</extracomment>
        <translation>Número de lanzamientos</translation>
    </message>
    <message>
        <source>Number of trials</source>
        <extracomment>What a screen reader calls the number under the table, before reading it.</extracomment>
        <translation>Número de lanzamientos</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stop and Start are 105 pixels wide: about 10 characters.</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts a run, or goes on with the last one: 105 pixels wide, about 10 characters.</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Graph display</source>
        <extracomment>129 pixels wide: about 13 characters.</extracomment>
        <translation>Ver gráfica</translation>
    </message>
    <message>
        <source>Class results…</source>
        <extracomment>The context menu: opens the class window on a folder of the class&apos;s results files.</extracomment>
        <translation>Resultados de la clase…</translation>
    </message>
    <message>
        <source>Class results</source>
        <extracomment>The title of the dialog that asks for the folder of a class&apos;s results files.</extracomment>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>One trial (%1)</source>
        <extracomment>One trial each time a key is pressed: %1 is the key (&quot;Ctrl+T&quot;).</extracomment>
        <translation>De uno en uno (%1)</translation>
    </message>
    <message>
        <source>Hand in</source>
        <extracomment>Writes the run&apos;s results file straight into the class folder, under the pupil&apos;s name.</extracomment>
        <translation>Entregar</translation>
    </message>
    <message>
        <source>The class folder %1 cannot be used: %2

The run is still here: choose another folder to save it in.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se puede usar la carpeta de la clase %1: %2

Tu experimento sigue aquí: elige otra carpeta para guardarlo.</translation>
    </message>
    <message>
        <source>The run could not be handed in to the class folder %1: %2

It is still here: Save results… saves it in another folder.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo entregar el experimento en la carpeta de la clase %1: %2

Sigue aquí: con «Guardar resultados…» puedes guardarlo en otra carpeta.</translation>
    </message>
    <message>
        <source>Handed in as %1.</source>
        <extracomment>%1 is the name of the results file in the class folder.</extracomment>
        <translation>Entregado como %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n trials</source>
        <extracomment>Said every few seconds during a run: the number of trials so far.</extracomment>
        <translation>
            <numerusform>%n lanzamiento</numerusform>
            <numerusform>%n lanzamientos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %n trials.</source>
        <extracomment>Said when Stop ends a run: %n is the number of trials.</extracomment>
        <translation>
            <numerusform>Detenido tras %n lanzamiento.</numerusform>
            <numerusform>Detenido tras %n lanzamientos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Run finished after %n trials.</source>
        <extracomment>Said when a run ends by itself, one outcome having come up more than 1000 times.</extracomment>
        <translation>
            <numerusform>Experimento terminado tras %n lanzamiento.</numerusform>
            <numerusform>Experimento terminado tras %n lanzamientos.</numerusform>
        </translation>
    </message>
    <message>
        <source>表</source>
        <extracomment>The mark on the coin pictures&apos; head face, in place of the pictures&apos; own 表: a letter or two that pupils read as the head (its word&apos;s first letter), drawn about 18 pixels tall across a coin 30 pixels wide. Keep 表 to show the original pictures.</extracomment>
        <translation>Ca</translation>
    </message>
    <message>
        <source>裏</source>
        <extracomment>The mark on the coin pictures&apos; tail face, in place of the pictures&apos; own 裏: a letter or two that pupils read as the tail, as large as the head&apos;s mark. Keep 裏 to show the original pictures.</extracomment>
        <translation>Cr</translation>
    </message>
</context>
<context>
    <name>quindle::Gap</name>
    <message>
        <source>its count %1 above a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is this much more than a quarter of all trials: %1 is the amount (&quot;12.5&quot;). Read by a screen reader after the outcome (&quot;Head Tail: its count 12.5 above a quarter of the trials&quot;) and after its ratio in the class summary (&quot;Head Head 0.2482, its count 312.5 above a quarter of the trials.&quot;): say that it is the count that differs, and from a quarter of the trials, not the ratio from 1/4.</extracomment>
        <translation>la frecuencia queda %1 por encima de un cuarto de los lanzamientos</translation>
    </message>
    <message>
        <source>its count %1 below a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is this much less than a quarter of all trials (&quot;3.25&quot;); read as the text above is.</extracomment>
        <translation>la frecuencia queda %1 por debajo de un cuarto de los lanzamientos</translation>
    </message>
    <message>
        <source>its count exactly a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is exactly a quarter of all trials; read as the texts above are.</extracomment>
        <translation>la frecuencia es exactamente un cuarto de los lanzamientos</translation>
    </message>
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message>
        <source>Copy graph</source>
        <extracomment>The graph window&apos;s context menu: puts the plot on the clipboard as a picture.</extracomment>
        <translation>Copiar gráfica</translation>
    </message>
    <message>
        <source>Save graph…</source>
        <extracomment>The context menu: saves the plot as a PNG picture.</extracomment>
        <translation>Guardar gráfica…</translation>
    </message>
    <message>
        <source>Save graph at double resolution…</source>
        <extracomment>The context menu: the plot drawn afresh at twice the pixels, as a PNG picture.</extracomment>
        <translation>Guardar gráfica a doble resolución…</translation>
    </message>
    <message>
        <source>Show expected range</source>
        <extracomment>The context menu, a check box: shades the band where chance keeps each ratio about 95 % of the time.</extracomment>
        <translation>Mostrar intervalo esperado</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The context menu: prints the graph, by the print dialog.</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Read results</source>
        <extracomment>The context menu: brings a screen reader to the legend, which tells each outcome&apos;s result.</extracomment>
        <translation>Ir a los resultados</translation>
    </message>
    <message>
        <source>Save graph</source>
        <extracomment>The title of the dialog that saves the graph as a PNG picture.</extracomment>
        <translation>Guardar gráfica</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <extracomment>The file dialog&apos;s filter for PNG pictures.</extracomment>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>no trials yet</source>
        <extracomment>What a legend label tells a screen reader before the first trial.</extracomment>
        <translation>aún no hay lanzamientos</translation>
    </message>
    <message>
        <source>, inside the expected range</source>
        <extracomment>Follows a legend label&apos;s result while the expected range is shown.</extracomment>
        <translation>, dentro del intervalo esperado</translation>
    </message>
    <message>
        <source>, outside the expected range</source>
        <extracomment>Follows a legend label&apos;s result while the expected range is shown.</extracomment>
        <translation>, fuera del intervalo esperado</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A legend label as a screen reader reads it: %1 the outcome, %2 its result.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The graph window&apos;s button, 65 pixels wide in the default font: about 8 characters.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>What a screen reader calls the plot.</extracomment>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all trials (vertical, 0 to 1) against the number of times that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed line at the theoretical 0.25</source>
        <extracomment>What a screen reader says the plot shows. Write 0.25 as the language writes it.</extracomment>
        <translation>Frecuencia relativa de cada resultado sobre el total de lanzamientos (eje vertical, de 0 a 1) frente al número de veces que ha salido ese resultado (eje horizontal, de 0 a 1000), una curva por resultado, con una línea discontinua en el valor teórico 0,25</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <extracomment>The legend&apos;s labels are 57 pixels wide in a 12-point bold face: an outcome in a few letters, coin 1&apos;s face first, Fr for front (head) and Ba for back (tail), here back on both coins. The original joins them by a Japanese middle dot: join them as your language writes such a pair.</extracomment>
        <translation>Cr・Cr</translation>
    </message>
    <message>
        <source>the red curve</source>
        <extracomment>What a screen reader says a legend label stands for: its outcome&apos;s curve.</extracomment>
        <translation>la curva roja</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <extracomment>A legend label: back (tail) on coin 1, front (head) on coin 2.</extracomment>
        <translation>Cr・Ca</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <extracomment>A legend label: front (head) on coin 1, back (tail) on coin 2.</extracomment>
        <translation>Ca・Cr</translation>
    </message>
    <message>
        <source>the green curve</source>
        <extracomment>The curve is a dark green.</extracomment>
        <translation>la curva verde</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <extracomment>A legend label: front (head) on both coins.</extracomment>
        <translation>Ca・Ca</translation>
    </message>
    <message>
        <source>the blue curve</source>
        <extracomment>The curve is a bright blue.</extracomment>
        <translation>la curva azul</translation>
    </message>
    <message>
        <source> Graph  </source>
        <extracomment>The graph window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Gráfica  </translation>
    </message>
    <message>
        <source>Save graph as PDF…</source>
        <extracomment>The context menu: the graph on an A4 page as a PDF document.</extracomment>
        <translation>Guardar gráfica como PDF…</translation>
    </message>
    <message>
        <source>Save graph as PDF</source>
        <extracomment>The title of the dialog that saves the graph as a PDF document.</extracomment>
        <translation>Guardar gráfica como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>The file dialog&apos;s filter for PDF documents.</extracomment>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as SVG…</source>
        <extracomment>The context menu: the graph as an SVG picture of lines and text.</extracomment>
        <translation>Guardar gráfica como SVG…</translation>
    </message>
    <message>
        <source>Save graph as SVG</source>
        <extracomment>The title of the dialog that saves the graph as an SVG picture.</extracomment>
        <translation>Guardar gráfica como SVG</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <extracomment>The file dialog&apos;s filter for SVG pictures.</extracomment>
        <translation>Imágenes SVG (*.svg)</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <extracomment>Follows the printed graph&apos;s caption when the run followed a seed.</extracomment>
        <translation>, semilla %1</translation>
    </message>
    <message>
        <source>Show gap from a quarter</source>
        <extracomment>The graph window&apos;s context menu: a check mark turns the graph into each outcome&apos;s gap from a quarter of the trials.</extracomment>
        <translation>Mostrar diferencia con un cuarto</translation>
    </message>
    <message>
        <source>Each outcome&apos;s count minus a quarter of all trials (vertical) against the number of trials (horizontal), one curve per outcome, with a dashed line at 0</source>
        <extracomment>What a screen reader says the plot shows in the gap view.</extracomment>
        <translation>Frecuencia de cada resultado menos un cuarto del total de lanzamientos (eje vertical) frente al número de lanzamientos (eje horizontal), una curva por resultado, con una línea discontinua en 0</translation>
    </message>
    <message numerus="yes">
        <source>Quindle, %1: %n trials</source>
        <extracomment>The line above the printed graph: %1 the date, %n the number of trials.</extracomment>
        <translation>
            <numerusform>Quindle, %1: %n lanzamiento</numerusform>
            <numerusform>Quindle, %1: %n lanzamientos</numerusform>
        </translation>
    </message>
    <message>
        <source>not come up yet</source>
        <extracomment>What a legend label tells a screen reader while its outcome has not come up.</extracomment>
        <translation>aún no ha salido</translation>
    </message>
    <message numerus="yes">
        <source>ratio %1 after %n times</source>
        <extracomment>What a legend label tells a screen reader: %1 is the outcome&apos;s ratio, %n its count, the number of times it has come up.</extracomment>
        <translation>
            <numerusform>frecuencia relativa %1 tras salir %n vez</numerusform>
            <numerusform>frecuencia relativa %1 tras salir %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>the teal curve</source>
        <extracomment>The curve is teal, a dark blue-green (RGB 0, 128, 128).</extracomment>
        <translation>la curva verde azulada</translation>
    </message>
    <message>
        <source>Show number of heads</source>
        <extracomment>The graph window&apos;s context menu: a check mark turns the graph into the shares of trials with two heads, with one head and with none.</extracomment>
        <translation>Mostrar número de caras</translation>
    </message>
    <message>
        <source>The share of the trials with two heads, with one head and with no heads (vertical, 0 to 1) against the number of trials (horizontal), with dashed lines at a quarter and a half, what chance gives, and a dotted line at a third</source>
        <extracomment>What a screen reader says the plot shows in the number-of-heads view.</extracomment>
        <translation>Proporción de lanzamientos con dos caras, con una cara y sin ninguna cara (eje vertical, de 0 a 1) frente al número de lanzamientos (eje horizontal), con líneas discontinuas en un cuarto y en la mitad, lo que da el azar, y una línea de puntos en un tercio</translation>
    </message>
    <message>
        <source>%1. %2. %3. %4</source>
        <extracomment>What a screen reader says of the first row of the number-of-heads legend: %1, %2 and %3 the rows (two heads, one head, no heads), %4 the sentence on the three being equally likely.</extracomment>
        <translation>%1. %2. %3. %4</translation>
    </message>
</context>
<context>
    <name>quindle::Heads</name>
    <message>
        <source>Two heads: no trials yet, a quarter expected</source>
        <extracomment>The graph&apos;s legend in the number-of-heads view before the first trial.</extracomment>
        <translation>Dos caras: aún no hay lanzamientos, se espera un cuarto</translation>
    </message>
    <message>
        <source>One head: no trials yet, a half expected</source>
        <extracomment>As for two heads, before the first trial: exactly one of the two coins a head.</extracomment>
        <translation>Una cara: aún no hay lanzamientos, se espera la mitad</translation>
    </message>
    <message>
        <source>No heads: no trials yet, a quarter expected</source>
        <extracomment>As for two heads, before the first trial: both coins a tail.</extracomment>
        <translation>Ninguna cara: aún no hay lanzamientos, se espera un cuarto</translation>
    </message>
    <message numerus="yes">
        <source>Two heads: %1 (%2 of %n trials), a quarter expected</source>
        <extracomment>The graph&apos;s legend in the number-of-heads view, and the class&apos;s summary: %1 the share of the trials with two heads (&quot;0.252&quot;), %2 how many trials had two heads, %n all the trials. A quarter is what chance gives.</extracomment>
        <translation>
            <numerusform>Dos caras: %1 (%2 de %n lanzamiento), se espera un cuarto</numerusform>
            <numerusform>Dos caras: %1 (%2 de %n lanzamientos), se espera un cuarto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One head: %1 (%2 of %n trials), a half expected</source>
        <extracomment>As for two heads: exactly one of the two coins showed a head. A half is expected.</extracomment>
        <translation>
            <numerusform>Una cara: %1 (%2 de %n lanzamiento), se espera la mitad</numerusform>
            <numerusform>Una cara: %1 (%2 de %n lanzamientos), se espera la mitad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No heads: %1 (%2 of %n trials), a quarter expected</source>
        <extracomment>As for two heads: both coins showed a tail.</extracomment>
        <translation>
            <numerusform>Ninguna cara: %1 (%2 de %n lanzamiento), se espera un cuarto</numerusform>
            <numerusform>Ninguna cara: %1 (%2 de %n lanzamientos), se espera un cuarto</numerusform>
        </translation>
    </message>
    <message>
        <source>If the three were equally likely, each would be %1.</source>
        <extracomment>Said after the shares of two heads, one head and no heads: %1 is a third, &quot;0.333&quot;.</extracomment>
        <translation>Si los tres fueran igual de probables, cada uno sería %1.</translation>
    </message>
</context>
<context>
    <name>quindle::HelpText</name>
    <message>
        <source>【Problem】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【Problema】</translation>
    </message>
    <message>
        <source>Throw two coins at the same time and think about how they appear on front and back.</source>
        <extracomment>The help text is printed line by line as written, on a surface about 590 pixels wide; a line that does not fit loses its end. Keep each line about as long as the original and break the sentences where they fit. A blank at the end of a line belongs to it.</extracomment>
        <translation>Lanza dos monedas a la vez y piensa en cómo pueden caer: de cara o de cruz.</translation>
    </message>
    <message>
        <source>If these two coins are Coin1 and Coin2 , respectively , there are four ways to get </source>
        <extracomment>Name the coins as the experiment window does under their pictures.</extracomment>
        <translation>Si a estas dos monedas las llamamos Moneda 1 y Moneda 2, pueden caer </translation>
    </message>
    <message>
        <source>them : front/front , front/back , back/front , back/back. </source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>de cuatro maneras: cara/cara, cara/cruz, cruz/cara y cruz/cruz. </translation>
    </message>
    <message>
        <source>That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <extracomment>A new paragraph: each of the four outcomes has the probability 1/4.</extracomment>
        <translation>Es decir, la probabilidad de cada uno de estos cuatro casos es 1/4.</translation>
    </message>
    <message>
        <source>However , in reality , if you throw two coins four times at the same time , </source>
        <extracomment>A new paragraph, going on in the next line: four throws need not give each outcome once.</extracomment>
        <translation>Sin embargo, en la práctica, si lanzas las dos monedas a la vez cuatro veces, </translation>
    </message>
    <message>
        <source>it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>no siempre saldrá cruz en ambas monedas exactamente una vez.</translation>
    </message>
    <message>
        <source>The same applies to the other three cases.</source>
        <extracomment>A paragraph of one line.</extracomment>
        <translation>Lo mismo ocurre con los otros tres casos.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with the mathmatically obtained theoretical </source>
        <extracomment>The problem&apos;s question, going on in the next line: how do the observed ratios relate to the probability of 1/4 worked out in theory?</extracomment>
        <translation>Entonces, ¿qué relación tiene esto con la probabilidad teórica de 1/4 que </translation>
    </message>
    <message>
        <source>probability of 1/4 ?</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>se obtiene matemáticamente?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【Modo de uso】</translation>
    </message>
    <message>
        <source>Click the [Start] button to start the experiment.</source>
        <extracomment>[Start] names the experiment window&apos;s Start button: use its caption there.</extracomment>
        <translation>Haz clic en el botón [Iniciar] para empezar el experimento.</translation>
    </message>
    <message>
        <source>Click the [Stop] button to stop the experiment.</source>
        <extracomment>[Stop] names the experiment window&apos;s Stop button: use its caption there.</extracomment>
        <translation>Haz clic en el botón [Detener] para parar el experimento.</translation>
    </message>
    <message>
        <source>When you click the [Graph display] button , the relationship between the number of</source>
        <extracomment>[Graph display] names the experiment window&apos;s button: use its caption there.</extracomment>
        <translation>Al hacer clic en el botón [Ver gráfica], se ve en una gráfica la relación entre</translation>
    </message>
    <message>
        <source>experiments and the front/front , front/back , back/front , back/back , and the ratio</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>el número de lanzamientos y la frecuencia relativa de cara/cara, cara/cruz,</translation>
    </message>
    <message>
        <source>of each is displayed in a graph.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>cruz/cara y cruz/cruz.</translation>
    </message>
    <message>
        <source>You can restart the experiment from the beginning by clicking the [Init] button.</source>
        <extracomment>[Init] names the experiment window&apos;s Init button: use its caption there.</extracomment>
        <translation>Haz clic en el botón [Borrar] para reiniciar el experimento desde el principio.</translation>
    </message>
</context>
<context>
    <name>quindle::HelpWindow</name>
    <message>
        <source>Close</source>
        <extracomment>The help window&apos;s button, which closes it and brings the experiment window back: 57 pixels wide in the default font, about 7 characters.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help text</source>
        <extracomment>What a screen reader calls the surface the help text is printed on.</extracomment>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source> Quindle＿Help（Question and operation method） </source>
        <extracomment>The help window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Quindle＿Ayuda（Problema y modo de uso） </translation>
    </message>
</context>
<context>
    <name>quindle::Outcome</name>
    <message>
        <source>Head</source>
        <extracomment>A coin&apos;s face, as the class table&apos;s headers and a screen reader name an outcome (&quot;Head Tail&quot;); starts a sentence too.</extracomment>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Tail</source>
        <extracomment>A coin&apos;s other face.</extracomment>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>An outcome as it is said and printed: %1 is coin 1&apos;s face, %2 coin 2&apos;s (&quot;Head Tail&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>quindle::Paper</name>
    <message>
        <source>Cannot print: %1</source>
        <extracomment>Shown instead of the print dialog; %1 says why (a missing part of the installation).</extracomment>
        <translation>No se puede imprimir: %1</translation>
    </message>
</context>
<context>
    <name>quindle::Plot</name>
    <message>
        <source>(Horizontal axis : Number of times)</source>
        <extracomment>The horizontal axis&apos;s title, printed from about 60 % of the graph&apos;s width to its right edge: there is room for about 35 characters.</extracomment>
        <translation>(Eje horizontal: número de veces)</translation>
    </message>
    <message>
        <source>(Vertical axis : Ratio)</source>
        <extracomment>The vertical axis&apos;s title, printed right of the axis&apos;s top: each outcome&apos;s share of all trials, its relative frequency.</extracomment>
        <translation>(Eje vertical: frecuencia relativa)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of trials)</source>
        <extracomment>The gap view&apos;s horizontal axis title, printed at the bottom left just above the axis, where the curves are still close to 0: there is room for about 50 characters.</extracomment>
        <translation>(Eje horizontal: número de lanzamientos)</translation>
    </message>
    <message>
        <source>(Vertical axis : Count minus a quarter of the trials)</source>
        <extracomment>The gap view&apos;s vertical axis title, printed at the top left of the graph: each outcome&apos;s count less a quarter of all trials. There is room for about 80 characters.</extracomment>
        <translation>(Eje vertical: frecuencia menos un cuarto de los lanzamientos)</translation>
    </message>
    <message>
        <source>(Vertical axis : Share of the trials)</source>
        <extracomment>The number-of-heads view&apos;s vertical axis title, printed at the top left of the graph: the share of all trials with two heads, with one, with none. Room for about 50 characters.</extracomment>
        <translation>(Eje vertical: proporción de lanzamientos)</translation>
    </message>
    <message>
        <source>if the three were equally likely</source>
        <extracomment>Marks the dotted line at 1/3 in the number-of-heads view: what the shares of two heads, one head and no head would be if the three were equally likely. Printed above the line&apos;s right half: room for about 45 characters.</extracomment>
        <translation>si los tres fueran igual de probables</translation>
    </message>
</context>
<context>
    <name>quindle::ResultTable</name>
    <message>
        <source>frequency</source>
        <extracomment>Read by a screen reader before each count of the result table (&quot;frequency 567&quot;).</extracomment>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>ratio</source>
        <extracomment>Read before each ratio of the result table.</extracomment>
        <translation>frecuencia relativa</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>What a screen reader calls the table of counts and ratios.</extracomment>
        <translation>Resultados</translation>
    </message>
</context>
<context>
    <name>quindle::Saving</name>
    <message>
        <source>the file could not be written</source>
        <extracomment>Why a file was not saved, after &quot;… could not be saved: &quot;.</extracomment>
        <translation>no se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
</context>
<context>
    <name>quindle::Settings</name>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>Why a settings file is not used: %1 is the system&apos;s reason, such as &quot;Permission denied&quot;. Follows the file&apos;s path and a colon.</extracomment>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <extracomment>Why a settings file is not used: a folder, a pipe or a device is in its place.</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
    <message numerus="yes">
        <source>is too large for a settings file (%1 bytes)</source>
        <extracomment>Why a settings file is not used: %1 is its size in bytes, always more than 65536 (the form follows it).</extracomment>
        <translation>
            <numerusform>es demasiado grande para un archivo de configuración (%1 byte)</numerusform>
            <numerusform>es demasiado grande para un archivo de configuración (%1 bytes)</numerusform>
        </translation>
    </message>
    <message>
        <source>holds a value starting with &apos;@Variant(&apos; or &apos;\&apos;, which Qt would read as stored data and no Quindle setting has</source>
        <extracomment>Why a settings file is not used; keep &apos;@Variant(&apos; and the backslash as they are.</extracomment>
        <translation>contiene un valor que empieza por &apos;@Variant(&apos; o &apos;\&apos;, que Qt leería como datos almacenados y que ningún ajuste de Quindle tiene</translation>
    </message>
    <message>
        <source>%1: %2; its settings are not used and nothing is remembered</source>
        <extracomment>A settings file that is not used: %1 is its path, %2 why (&quot;is not a regular file&quot;). It is the pupil&apos;s own file, so no zoom or folder chosen is remembered.</extracomment>
        <translation>%1: %2; no se usa su configuración y no se guarda nada</translation>
    </message>
    <message>
        <source>%1: %2; its settings are not used</source>
        <extracomment>A school&apos;s settings file that is not used: %1 is its path, %2 why (&quot;is not a regular file&quot;).</extracomment>
        <translation>%1: %2; no se usa su configuración</translation>
    </message>
    <message>
        <source>%1: cannot be read; its settings are not used and nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, which Qt could not read.</extracomment>
        <translation>%1: no se puede leer; no se usa su configuración y no se guarda nada</translation>
    </message>
    <message>
        <source>%1: cannot be read; its settings are not used</source>
        <extracomment>%1 is the path of a school&apos;s settings file, which Qt could not read.</extracomment>
        <translation>%1: no se puede leer; no se usa su configuración</translation>
    </message>
    <message>
        <source>%1: not all of it is in the settings format; the rest is used, and nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, of which only some lines are settings (&quot;key=value&quot; under &quot;[section]&quot;): those are used, but nothing chosen is written back into it.</extracomment>
        <translation>%1: no todo está en el formato de configuración; se usa el resto y no se guarda nada</translation>
    </message>
    <message>
        <source>%1: not all of it is in the settings format; the rest is used</source>
        <extracomment>%1 is the path of a school&apos;s settings file, of which only some lines are settings (&quot;key=value&quot; under &quot;[section]&quot;): those are used.</extracomment>
        <translation>%1: no todo está en el formato de configuración; se usa el resto</translation>
    </message>
    <message>
        <source>%1: %2: holds a list (a comma outside double quotes); ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key as the file has it (&quot;[display] zoom&quot;), whose value holds a comma, which makes it a list of values.</extracomment>
        <translation>%1: %2: contiene una lista (una coma fuera de comillas dobles); se ignora</translation>
    </message>
    <message>
        <source>%1: %2: is not a text; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key as the file has it (&quot;[display] zoom&quot;), whose value is stored data (&quot;@Rect(0 0 1 1)&quot;) rather than a text.</extracomment>
        <translation>%1: %2: no es un texto; se ignora</translation>
    </message>
    <message>
        <source>%1: %2: &apos;%3&apos; is not an absolute path; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[class] folder&quot;), %3 its value, which does not start at the root (&quot;/&quot;).</extracomment>
        <translation>%1: %2: &apos;%3&apos; no es una ruta absoluta; se ignora</translation>
    </message>
    <message>
        <source>%1: %2: &apos;%3&apos; is not one of %4; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[display] zoom&quot;), %3 its value, %4 the zoom steps there are (&quot;100, 125, 150, 175, 200, 250, 300&quot;).</extracomment>
        <translation>%1: %2: &apos;%3&apos; no es ninguno de los valores %4; se ignora</translation>
    </message>
    <message>
        <source>%1: %2: no translation for &apos;%3&apos; (there are %4); ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[display] language&quot;), %3 its value, %4 the language codes there are (&quot;en, de, es, ...&quot;).</extracomment>
        <translation>%1: %2: no hay traducción para &apos;%3&apos; (la hay para %4); se ignora</translation>
    </message>
    <message>
        <source>--language: no translation for &apos;%1&apos; (there are %2); ignored</source>
        <extracomment>%1 is the value given to the command line&apos;s --language, %2 the language codes there are (&quot;en, de, es, ...&quot;); keep --language as it is.</extracomment>
        <translation>--language: no hay traducción para &apos;%1&apos; (la hay para %2); se ignora</translation>
    </message>
    <message>
        <source>--zoom: &apos;%1&apos; is not one of %2; ignored</source>
        <extracomment>%1 is the value given to the command line&apos;s --zoom, %2 the zoom steps there are (&quot;100, 125, 150, 175, 200, 250, 300&quot;); keep --zoom as it is.</extracomment>
        <translation>--zoom: &apos;%1&apos; no es ninguno de los valores %2; se ignora</translation>
    </message>
    <message>
        <source>--class: &apos;%1&apos; is not a folder; the class window stays closed</source>
        <extracomment>%1 is the value given to the command line&apos;s --class, which names no folder; keep --class as it is.</extracomment>
        <translation>--class: &apos;%1&apos; no es una carpeta; la ventana de la clase no se abre</translation>
    </message>
    <message>
        <source>%1: cannot be read whole; nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, which could not be read whole when the program came to remember a zoom or a folder in it.</extracomment>
        <translation>%1: no se puede leer entero; no se guarda nada</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2); nothing more is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, %2 the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>%1: no se puede escribir (%2); ya no se guarda nada</translation>
    </message>
</context>
<context>
    <name>quindle::Streaks</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of counts chance gives about 95 % of the time, in a table cell: &quot;3 to 7&quot;.
----------
A range of shares chance gives about 95 % of the time, in a table cell: &quot;0.219 to 0.281&quot;.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>%n of the same face of Coin1 in a row</source>
        <extracomment>A row of the after-a-streak table: what came after k of the same face of Coin1 in a row (&quot;3 of the same face of Coin1 in a row&quot;).</extracomment>
        <translation>
            <numerusform>%n lado de Moneda 1</numerusform>
            <numerusform>%n veces seguidas el mismo lado de Moneda 1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same outcome in a row</source>
        <extracomment>A row of the after-a-streak table: what came after k of the same outcome in a row.</extracomment>
        <translation>
            <numerusform>%n resultado</numerusform>
            <numerusform>%n veces seguidas el mismo resultado</numerusform>
        </translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>The one letter that stands for Head when a pupil types a coin&apos;s faces (H in English). H and T are understood as well, unless your letters give them another meaning.</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>T</source>
        <extracomment>The one letter that stands for Tail when a pupil types a coin&apos;s faces (T in English).</extracomment>
        <translation>X</translation>
    </message>
    <message>
        <source>“%1” (character %2) is not a face: type %3 for Head and %4 for Tail. Blanks and commas are left out.</source>
        <extracomment>Under the field for an invented sequence: %1 is what the pupil typed that is no face, %2 where it stands (1 for the first character), %3 and %4 the letters for Head and Tail.</extracomment>
        <translation>«%1» (carácter %2) no es un lado de la moneda: escribe %3 para Cara y %4 para Cruz. Los espacios y las comas no cuentan.</translation>
    </message>
    <message numerus="yes">
        <source>Your sequence switches %n times in %1 chances; real ones switch %2 to %3 times. Invented sequences usually switch too often.</source>
        <extracomment>%n switches of the typed sequence (a face different from the one before) in %1 chances; real sequences of its length switch %2 to %3 times 95 % of the time.</extracomment>
        <translation>
            <numerusform>Tu secuencia cambia %n vez en %1 ocasiones; las reales cambian de %2 a %3 veces. Las secuencias inventadas suelen cambiar demasiadas veces.</numerusform>
            <numerusform>Tu secuencia cambia %n veces en %1 ocasiones; las reales cambian de %2 a %3 veces. Las secuencias inventadas suelen cambiar demasiadas veces.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your sequence switches %n times in %1 chances; real ones switch %2 to %3 times. Yours switches less often than real ones do.</source>
        <extracomment>The same when the typed sequence switches less often than real ones do.</extracomment>
        <translation>
            <numerusform>Tu secuencia cambia %n vez en %1 ocasiones; las reales cambian de %2 a %3 veces. La tuya cambia menos veces que las reales.</numerusform>
            <numerusform>Tu secuencia cambia %n veces en %1 ocasiones; las reales cambian de %2 a %3 veces. La tuya cambia menos veces que las reales.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak is %n in a row; real sequences of %1 faces have %2 to %3. Invented sequences usually have streaks too short.</source>
        <extracomment>The typed sequence&apos;s longest streak is %n in a row; real sequences of %1 faces have a longest streak of %2 to %3 95 % of the time.</extracomment>
        <translation>
            <numerusform>Tu racha más larga es de %n lanzamiento; las secuencias reales de %1 lanzamientos tienen de %2 a %3. Las secuencias inventadas suelen tener rachas demasiado cortas.</numerusform>
            <numerusform>Tu racha más larga es de %n lanzamientos; las secuencias reales de %1 lanzamientos tienen de %2 a %3. Las secuencias inventadas suelen tener rachas demasiado cortas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak is %n in a row; real sequences of %1 faces have %2 to %3. Yours is longer than real ones usually are.</source>
        <extracomment>The same when the typed sequence&apos;s longest streak is longer than real ones&apos;.</extracomment>
        <translation>
            <numerusform>Tu racha más larga es de %n lanzamiento; las secuencias reales de %1 lanzamientos tienen de %2 a %3. La tuya es más larga de lo que suelen ser las reales.</numerusform>
            <numerusform>Tu racha más larga es de %n lanzamientos; las secuencias reales de %1 lanzamientos tienen de %2 a %3. La tuya es más larga de lo que suelen ser las reales.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak (%1) and your switches (%2) lie where real sequences of %n faces usually have theirs: by these two measures yours could be real.</source>
        <extracomment>Both measures of the typed sequence of %n faces lie inside the ranges of real ones; %1 is its longest streak, %2 its switches.</extracomment>
        <translation>
            <numerusform>Tu racha más larga (%1) y tus cambios (%2) están donde suelen estar los de las secuencias reales de %n lanzamiento: según estas dos medidas, la tuya podría ser real.</numerusform>
            <numerusform>Tu racha más larga (%1) y tus cambios (%2) están donde suelen estar los de las secuencias reales de %n lanzamientos: según estas dos medidas, la tuya podría ser real.</numerusform>
        </translation>
    </message>
    <message>
        <source>No trials yet: there are no streaks.</source>
        <extracomment>Read streaks, before any trial.</extracomment>
        <translation>Aún no hay lanzamientos: no hay rachas.</translation>
    </message>
    <message numerus="yes">
        <source>%n times in a row</source>
        <extracomment>Part of Read streaks: &quot;5 times in a row&quot;, how long the longest streak was.</extracomment>
        <translation>
            <numerusform>%n vez seguida</numerusform>
            <numerusform>%n veces seguidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %1 %2, %3 to %4 expected in %Ln runs.</source>
        <extracomment>Read streaks on a class: %1 the outcome, %2 &quot;5 times in a row&quot;, %3 to %4 the range chance gives the longest streak of an outcome about 95 % of the time in %n runs, each on its own.</extracomment>
        <translation>
            <numerusform>Racha más larga: %1 %2, se esperan de %3 a %4 en %Ln experimento.</numerusform>
            <numerusform>Racha más larga: %1 %2, se esperan de %3 a %4 en %Ln experimentos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %1 %2, %3 to %4 expected in %Ln trials.</source>
        <extracomment>Read streaks: %1 the outcome, %2 &quot;5 times in a row&quot;, %3 to %4 the range chance gives the longest streak of an outcome about 95 % of the time in %n trials.</extracomment>
        <translation>
            <numerusform>Racha más larga: %1 %2, se esperan de %3 a %4 en %Ln lanzamiento.</numerusform>
            <numerusform>Racha más larga: %1 %2, se esperan de %3 a %4 en %Ln lanzamientos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After %n of the same outcome in a row, the next trial repeated it %1 of the time, a quarter expected.</source>
        <extracomment>Read streaks, its second sentence: after k of the same outcome in a row, the share of those trials in which the next trial was the same outcome again.</extracomment>
        <translation>
            <numerusform>Tras %n resultado, el siguiente lanzamiento lo repitió en una proporción de %1, se espera un cuarto.</numerusform>
            <numerusform>Tras %n veces seguidas el mismo resultado, el siguiente lanzamiento lo repitió en una proporción de %1, se espera un cuarto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The field takes %Ln characters at most: the rest of what was pasted was left out.</source>
        <extracomment>After a typed (or pasted) sequence that fills the field: the rest was not taken.</extracomment>
        <translation>
            <numerusform>El campo admite como máximo %Ln carácter: se ha dejado fuera el resto de lo pegado.</numerusform>
            <numerusform>El campo admite como máximo %Ln caracteres: se ha dejado fuera el resto de lo pegado.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quindle::StreaksWindow</name>
    <message>
        <source>Streaks in the run</source>
        <extracomment>The streaks window&apos;s title, on the pupil&apos;s run.</extracomment>
        <translation>Rachas del experimento</translation>
    </message>
    <message>
        <source>Streaks in the class</source>
        <extracomment>The streaks window&apos;s title, on a class&apos;s runs.</extracomment>
        <translation>Rachas de la clase</translation>
    </message>
    <message>
        <source>Longest streaks</source>
        <extracomment>The heading of the streaks window&apos;s first table.</extracomment>
        <translation>Rachas más largas</translation>
    </message>
    <message>
        <source>A streak is the same result several times in a row. Real sequences of chance have longer streaks than most people expect.</source>
        <extracomment>Above the table of longest streaks.</extracomment>
        <translation>Una racha es el mismo resultado varias veces seguidas. Las secuencias reales del azar tienen rachas más largas de lo que casi todos esperan.</translation>
    </message>
    <message>
        <source>After a streak</source>
        <extracomment>The heading of the table of what came after a streak.</extracomment>
        <translation>Después de una racha</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The streaks window&apos;s button that closes it.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Real or invented?</source>
        <extracomment>The heading of the part where a pupil types an invented sequence.</extracomment>
        <translation>¿Real o inventada?</translation>
    </message>
    <message numerus="yes">
        <source>Invent a coin&apos;s faces as you think a real coin falls, and type them here: %1 for Head, %2 for Tail, at least %n faces.</source>
        <extracomment>Above the field for an invented sequence: %1 and %2 the letters for Head and Tail, %n the fewest faces it needs.</extracomment>
        <translation>
            <numerusform>Inventa los lados de una moneda como crees que cae una moneda de verdad y escríbelos aquí: %1 para Cara, %2 para Cruz, al menos %n lanzamiento.</numerusform>
            <numerusform>Inventa los lados de una moneda como crees que cae una moneda de verdad y escríbelos aquí: %1 para Cara, %2 para Cruz, al menos %n lanzamientos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your sequence against real ones</source>
        <extracomment>The heading of the table that measures an invented sequence.</extracomment>
        <translation>Tu secuencia frente a las reales</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>The streaks window&apos;s context menu: puts its tables on the clipboard.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The context menu: prints the tables, by the print dialog.</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Read streaks</source>
        <extracomment>The context menu: a screen reader says the main findings in a sentence.</extracomment>
        <translation>Leer las rachas</translation>
    </message>
    <message numerus="yes">
        <source>Streaks in this run: %Ln trials.</source>
        <extracomment>Above the streaks window&apos;s tables, on the pupil&apos;s run.</extracomment>
        <translation>
            <numerusform>Rachas en este experimento: %Ln lanzamiento.</numerusform>
            <numerusform>Rachas en este experimento: %Ln lanzamientos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Streaks in the class: %n runs with %1 trials, each run on its own (no streak runs from one run into the next).</source>
        <extracomment>Above the streaks window&apos;s tables, on a class: %n runs, %1 trials in all.</extracomment>
        <translation>
            <numerusform>Rachas de la clase: %n experimento con %1 lanzamientos, cada experimento por separado (ninguna racha pasa de un experimento al siguiente).</numerusform>
            <numerusform>Rachas de la clase: %n experimentos con %1 lanzamientos, cada experimento por separado (ninguna racha pasa de un experimento al siguiente).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n runs are left out: their files do not keep the order of the trials.</source>
        <extracomment>After the class&apos;s runs: runs whose files keep only their counts are left out.</extracomment>
        <translation>
            <numerusform>Se deja fuera %n experimento: su archivo no guarda el orden de los lanzamientos.</numerusform>
            <numerusform>Se dejan fuera %n experimentos: sus archivos no guardan el orden de los lanzamientos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>The first column of the longest streaks&apos; table: an outcome, or Coin1.</extracomment>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <extracomment>A column: the longest streak of the result in the trials.
----------
A column: the longest streak of the same face.</extracomment>
        <translation>Racha más larga</translation>
    </message>
    <message>
        <source>Usual (median)</source>
        <extracomment>A column: the longest streak that chance gives as often above as below.</extracomment>
        <translation>Habitual (mediana)</translation>
    </message>
    <message>
        <source>95 % of the time</source>
        <extracomment>A column: the range that chance keeps the longest streak in, 95 % of the time.
----------
A column: the range chance keeps that share in, 95 % of the time, for so many times.</extracomment>
        <translation>El 95 % de las veces</translation>
    </message>
    <message>
        <source>Coin1, either face</source>
        <extracomment>A row of the longest streaks&apos; table: Coin1 alone, a streak of either face.</extracomment>
        <translation>Moneda 1, cara o cruz</translation>
    </message>
    <message>
        <source>After</source>
        <extracomment>The first column of the after-a-streak table.</extracomment>
        <translation>Después de</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>A column: how many trials followed k of the same in a row.</extracomment>
        <translation>Veces</translation>
    </message>
    <message>
        <source>Next the same</source>
        <extracomment>A column: how many of those trials were the same again.</extracomment>
        <translation>Luego igual</translation>
    </message>
    <message>
        <source>Share the same</source>
        <extracomment>A column: the share of those trials that were the same again.</extracomment>
        <translation>Proporción igual</translation>
    </message>
    <message>
        <source>Expected</source>
        <extracomment>A column: the share that chance gives: a quarter for an outcome, a half for a face.</extracomment>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Sequence</source>
        <extracomment>The first column of the table that measures a typed sequence.</extracomment>
        <translation>Secuencia</translation>
    </message>
    <message>
        <source>Switches</source>
        <extracomment>A column: how often a face differs from the one before it.</extracomment>
        <translation>Cambios</translation>
    </message>
    <message numerus="yes">
        <source>Yours: %n faces</source>
        <extracomment>A row: the typed sequence&apos;s measures, of %n faces.</extracomment>
        <translation>
            <numerusform>La tuya: %n lanzamiento</numerusform>
            <numerusform>La tuya: %n lanzamientos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Coin1&apos;s first %n faces in this run</source>
        <extracomment>A row: the same measures of Coin1&apos;s first %n faces in the run.</extracomment>
        <translation>
            <numerusform>El primer %n lanzamiento de Moneda 1 en este experimento</numerusform>
            <numerusform>Los primeros %n lanzamientos de Moneda 1 en este experimento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Coin1&apos;s first %n faces in a run</source>
        <extracomment>A row: the same of Coin1&apos;s first %n faces in the class&apos;s first run with as many trials.</extracomment>
        <translation>
            <numerusform>El primer %n lanzamiento de Moneda 1 en un experimento</numerusform>
            <numerusform>Los primeros %n lanzamientos de Moneda 1 en un experimento</numerusform>
        </translation>
    </message>
    <message>
        <source>Real ones, 95 % of the time</source>
        <extracomment>A row: the range real sequences of that length keep each measure in, 95 % of the time.</extracomment>
        <translation>Reales, el 95 % de las veces</translation>
    </message>
    <message>
        <source>After k of the same in a row, how often was the next trial the same again? Streaks overlap: in a streak of 5, the trials after its 3rd, 4th and 5th result each follow 3 in a row. Nothing follows the last trial of a run.</source>
        <extracomment>Above the table of what came after a streak.</extracomment>
        <translation>Tras k veces seguidas lo mismo, ¿cuántas veces el siguiente lanzamiento volvió a ser igual? Las rachas se solapan: en una racha de 5, los lanzamientos que siguen a su 3.º, 4.º y 5.º resultado vienen cada uno después de 3 iguales seguidos. Tras el último lanzamiento de un experimento no viene nada.</translation>
    </message>
    <message>
        <source>Any outcome</source>
        <extracomment>A row of the longest streaks&apos; table: the longest streak of whichever outcome, against what chance gives the longest of any of the four.</extracomment>
        <translation>Cualquier resultado</translation>
    </message>
</context>
<context>
    <name>quindle::ZoomControl</name>
    <message>
        <source>%1%</source>
        <extracomment>A zoom step in the context menu: %1 is the percentage.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Zoom (%1%)</source>
        <extracomment>The context menu&apos;s zoom entry, with the zoom in force: %1 is the percentage.</extracomment>
        <translation>Zoom (%1 %)</translation>
    </message>
    <message>
        <source>Larger</source>
        <extracomment>Zooms all windows one step larger.</extracomment>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Smaller</source>
        <extracomment>Zooms all windows one step smaller.</extracomment>
        <translation>Más pequeño</translation>
    </message>
</context>
</TS>
