<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Frecuencias relativas de cada experimento frente a sus lanzamientos; la clase, más grande</translation>
    </message>
    <message>
        <source>All runs one after another: each share so far</source>
        <extracomment>The class curve&apos;s title: all runs&apos; trials one after another.</extracomment>
        <translation>Todos los experimentos, uno tras otro: frecuencia relativa acumulada</translation>
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
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Lanzamientos</translation>
    </message>
    <message>
        <source>%1
ratio</source>
        <extracomment>A column of the class table, on two lines: %1 is an outcome (&quot;Head Tail&quot;).</extracomment>
        <translation>%1
frecuencia relativa</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save class results…</source>
        <translation>Guardar resultados de la clase…</translation>
    </message>
    <message>
        <source>Save class results</source>
        <translation>Guardar resultados de la clase</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy pictures</source>
        <translation>Copiar gráficas</translation>
    </message>
    <message>
        <source>Save pictures…</source>
        <translation>Guardar gráficas…</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <translation>Guardar gráficas</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Read summary</source>
        <translation>Leer el resumen</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The class table&apos;s last row, which pools every run.</extracomment>
        <translation>Toda la clase</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Quindle, class results, %1: %2 runs, %3 trials</source>
        <extracomment>The caption above the printed pictures: %1 the date, %2 the runs, %3 the trials.</extracomment>
        <translation>Quindle, resultados de la clase, %1: %2 experimentos, %3 lanzamientos</translation>
    </message>
    <message>
        <source>%1 runs, %2 trials in all.</source>
        <extracomment>Said on demand: %1 the number of runs pooled, %2 their trials.</extracomment>
        <translation>%1 experimentos, %2 lanzamientos en total.</translation>
    </message>
    <message>
        <source> %1 %2.</source>
        <extracomment>Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.</extracomment>
        <translation> %1: %2.</translation>
    </message>
    <message>
        <source> %1 of %2 runs lie inside the expected range.</source>
        <extracomment>%1 of %2 runs have all four ratios inside the expected range.</extracomment>
        <translation> %1 de los %2 experimentos quedan dentro del intervalo esperado.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Runs and the class</source>
        <translation>Experimentos y total de la clase</translation>
    </message>
    <message>
        <source>Files not pooled</source>
        <translation>Archivos no incluidos</translation>
    </message>
    <message>
        <source>Each run&apos;s ratios</source>
        <translation>Frecuencias relativas de cada experimento</translation>
    </message>
    <message>
        <source>Each run&apos;s four ratios against its number of trials, and the class&apos;s pooled ratios</source>
        <translation>Las cuatro frecuencias relativas de cada experimento frente a su número de lanzamientos, y las de toda la clase</translation>
    </message>
    <message>
        <source>The class curve</source>
        <translation>La curva de la clase</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all the class&apos;s trials so far, run after run</source>
        <translation>Frecuencia relativa de cada resultado sobre todos los lanzamientos de la clase hasta ese momento, experimento tras experimento</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a file of the class&apos;s folder is not pooled, after its name.</extracomment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>too large for a results file (%1 KB)</source>
        <translation>demasiado grande para ser un archivo de resultados (%1 KB)</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
    <message>
        <source>not a Quindle results file</source>
        <translation>no es un archivo de resultados de Quindle</translation>
    </message>
    <message>
        <source>saved by a newer Quindle (format %1)</source>
        <translation>guardado con una versión más reciente de Quindle (formato %1)</translation>
    </message>
    <message>
        <source>cut short after trial %1 of %2</source>
        <translation>cortado tras el lanzamiento %1 de %2</translation>
    </message>
    <message>
        <source>cut short before its end</source>
        <translation>cortado antes del final</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <translation>copia de %1</translation>
    </message>
    <message>
        <source>inconsistent: the counts add up to %1, not %2 trials</source>
        <translation>incoherente: los recuentos suman %1, no %2 lanzamientos</translation>
    </message>
    <message>
        <source>inconsistent: a ratio does not match its count (line %1)</source>
        <translation>incoherente: una frecuencia relativa no concuerda con su recuento (línea %1)</translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the counts (line %1)</source>
        <translation>incoherente: el historial no concuerda con los recuentos (línea %1)</translation>
    </message>
    <message>
        <source>inconsistent: the trial log disagrees with the counts (line %1)</source>
        <translation>incoherente: el registro de lanzamientos no concuerda con los recuentos (línea %1)</translation>
    </message>
    <message>
        <source>inconsistent: more trials than a run can have</source>
        <translation>incoherente: más lanzamientos de los que puede tener un experimento</translation>
    </message>
    <message>
        <source>inconsistent: line %1 cannot be read</source>
        <translation>incoherente: la línea %1 no se puede leer</translation>
    </message>
</context>
<context>
    <name>quindle::CommandLine</name>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <translation>Lanza dos monedas una y otra vez y cuenta los cuatro resultados posibles, para que se vea cómo la frecuencia relativa de cada uno se estabiliza cerca de 1/4.</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <translation>Toma cada valor aleatorio de una secuencia fijada por &lt;N&gt; (un número entero), y no del reloj, de modo que en cualquier equipo salen los mismos lanzamientos, uno por uno.</translation>
    </message>
    <message>
        <source>Shows the texts in &lt;CODE&gt; (en, %1) instead of the system&apos;s language.</source>
        <extracomment>%1 lists the languages the program is translated into.</extracomment>
        <translation>Muestra los textos en &lt;CODE&gt; (en, %1) en lugar de en el idioma del sistema.</translation>
    </message>
    <message>
        <source>Starts with every window at &lt;PERCENT&gt; of its size (%1).</source>
        <extracomment>%1 lists the zoom steps.</extracomment>
        <translation>Abre todas las ventanas al &lt;PERCENT&gt; de su tamaño (%1).</translation>
    </message>
    <message>
        <source>Opens the class window beside the experiment window, pooling the results files in &lt;FOLDER&gt; as they come.</source>
        <translation>Abre la ventana de la clase junto a la ventana del experimento y va reuniendo los archivos de resultados de &lt;FOLDER&gt; a medida que llegan.</translation>
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
        <translation>frecuencia de %1</translation>
    </message>
    <message>
        <source>%1 probability</source>
        <translation>frecuencia relativa de %1</translation>
    </message>
    <message>
        <source>%1 trials</source>
        <extracomment>Said every few seconds during a run.</extracomment>
        <translation>%1 lanzamientos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save results…</source>
        <translation>Guardar resultados…</translation>
    </message>
    <message>
        <source>Pace</source>
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
        <translation>Semilla: %1</translation>
    </message>
    <message>
        <source>Seed: none, the run follows the clock</source>
        <translation>Semilla: ninguna, se usa el reloj</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Guardar resultados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Counts cleared.</source>
        <translation>Se han borrado los recuentos.</translation>
    </message>
    <message>
        <source>Stopped after %1 trials.</source>
        <translation>Detenido tras %1 lanzamientos.</translation>
    </message>
    <message>
        <source>Run finished after %1 trials.</source>
        <translation>Experimento terminado tras %1 lanzamientos.</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows &quot;Stopped after … trials.&quot; once per outcome: %1 the outcome (&quot;Head Tail&quot;), %2 its count, %3 its ratio.</extracomment>
        <translation> %1: %2 veces, %3.</translation>
    </message>
    <message>
        <source>How often this outcome has come up in the current run</source>
        <translation>Cuántas veces ha salido este resultado en el experimento actual</translation>
    </message>
    <message>
        <source>This outcome&apos;s share of all trials of the current run</source>
        <translation>Proporción de lanzamientos del experimento actual en los que ha salido este resultado</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The top row&apos;s buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Coin1: Head</source>
        <translation>Moneda 1: cara</translation>
    </message>
    <message>
        <source>Coin1: Tail</source>
        <translation>Moneda 1: cruz</translation>
    </message>
    <message>
        <source>Coin2: Head</source>
        <translation>Moneda 2: cara</translation>
    </message>
    <message>
        <source>Coin2: Tail</source>
        <translation>Moneda 2: cruz</translation>
    </message>
    <message>
        <source>Coin1</source>
        <extracomment>Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.</extracomment>
        <translation>Mon. 1</translation>
    </message>
    <message>
        <source>Coin2</source>
        <translation>Mon. 2</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The table&apos;s row names are 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Frec. rel.</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <extracomment>Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.</extracomment>
        <translation>N.º de lanzamientos</translation>
    </message>
    <message>
        <source>Number of trials</source>
        <translation>Número de lanzamientos</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stop and Start are 105 pixels wide: about 10 characters.</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Graph display</source>
        <extracomment>129 pixels wide: about 13 characters.</extracomment>
        <translation>Ver gráfica</translation>
    </message>
    <message>
        <source>Class results…</source>
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
        <translation>Un lanzamiento (%1)</translation>
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
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message>
        <source>Copy graph</source>
        <translation>Copiar gráfica</translation>
    </message>
    <message>
        <source>Save graph…</source>
        <translation>Guardar gráfica…</translation>
    </message>
    <message>
        <source>Save graph at double resolution…</source>
        <translation>Guardar gráfica a doble resolución…</translation>
    </message>
    <message>
        <source>Show expected range</source>
        <translation>Mostrar intervalo esperado</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>Ir a los resultados</translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation>Guardar gráfica</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>no trials yet</source>
        <extracomment>What a legend label tells a screen reader before the first trial.</extracomment>
        <translation>aún no hay lanzamientos</translation>
    </message>
    <message>
        <source>ratio %1 after %2 times</source>
        <translation>frecuencia relativa %1 tras salir %2 veces</translation>
    </message>
    <message>
        <source>, inside the expected range</source>
        <translation>, dentro del intervalo esperado</translation>
    </message>
    <message>
        <source>, outside the expected range</source>
        <translation>, fuera del intervalo esperado</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A legend label as a screen reader reads it: %1 the outcome, %2 its result.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all trials (vertical, 0 to 1) against the number of times that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed line at the theoretical 0.25</source>
        <translation>Frecuencia relativa de cada resultado sobre el total de lanzamientos (eje vertical, de 0 a 1) frente al número de veces que ha salido ese resultado (eje horizontal, de 0 a 1000), una curva por resultado, con una línea discontinua en el valor teórico 0.25</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <extracomment>The legend&apos;s labels are 57 pixels wide in a bold face: an outcome in a few letters, coin 1 first, Fr for front (head) and Ba for back (tail), joined by a katakana middle dot.</extracomment>
        <translation>Cr・Cr</translation>
    </message>
    <message>
        <source>the red curve</source>
        <translation>la curva roja</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <translation>Cr・Ca</translation>
    </message>
    <message>
        <source>the cyan curve</source>
        <translation>la curva cian</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <translation>Ca・Cr</translation>
    </message>
    <message>
        <source>the green curve</source>
        <translation>la curva verde</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <translation>Ca・Ca</translation>
    </message>
    <message>
        <source>the blue curve</source>
        <translation>la curva azul</translation>
    </message>
    <message>
        <source> Graph  </source>
        <extracomment>The graph window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Gráfica  </translation>
    </message>
    <message>
        <source>Save graph as PDF…</source>
        <translation>Guardar la gráfica como PDF…</translation>
    </message>
    <message>
        <source>Save graph as PDF</source>
        <translation>Guardar la gráfica como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as SVG…</source>
        <translation>Guardar la gráfica como SVG…</translation>
    </message>
    <message>
        <source>Save graph as SVG</source>
        <translation>Guardar la gráfica como SVG</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Imágenes SVG (*.svg)</translation>
    </message>
    <message>
        <source>Quindle, %1: %2 trials</source>
        <extracomment>The line above the printed graph: %1 the date, %2 the number of trials.</extracomment>
        <translation>Quindle, %1: %2 lanzamientos</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <extracomment>Follows the printed graph&apos;s caption when the run followed a seed.</extracomment>
        <translation>, semilla %1</translation>
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
        <translation>Si a estas dos monedas las llamamos Moneda 1 y Moneda 2, pueden caer </translation>
    </message>
    <message>
        <source>them : front/front , front/back , back/front , back/back. </source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>de cuatro maneras: cara/cara, cara/cruz, cruz/cara y cruz/cruz. </translation>
    </message>
    <message>
        <source>That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <translation>Es decir, la probabilidad de cada uno de estos cuatro casos es 1/4.</translation>
    </message>
    <message>
        <source>However , in reality , if you throw two coins four times at the same time , </source>
        <translation>Sin embargo, en la práctica, si lanzas las dos monedas a la vez cuatro veces, </translation>
    </message>
    <message>
        <source>it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>no siempre saldrá cruz en ambas monedas exactamente una vez.</translation>
    </message>
    <message>
        <source>The same applies to the other three cases.</source>
        <translation>Lo mismo ocurre con los otros tres casos.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with the mathmatically obtained theoretical </source>
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
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help text</source>
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
        <translation>cara</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>cruz</translation>
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
        <translation>(Eje vertical: frecuencia relativa)</translation>
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
