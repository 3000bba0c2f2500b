<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>quindle::Caption</name>
    <message>
        <source>(C) 2026 The Quindle developers</source>
        <extracomment>Ends every window&apos;s title.</extracomment>
        <translation>(C) 2026 Das Quindle-Entwicklerteam</translation>
    </message>
</context>
<context>
    <name>quindle::ClassPictures</name>
    <message>
        <source>Each run&apos;s ratios against its trials; the class, larger</source>
        <extracomment>The funnel picture&apos;s title: each run&apos;s ratios against its number of trials.</extracomment>
        <translation>Relative Häufigkeiten jedes Durchgangs nach Anzahl der Würfe; die Klasse größer dargestellt</translation>
    </message>
    <message>
        <source>All runs one after another: each share so far</source>
        <extracomment>The class curve&apos;s title: all runs&apos; trials one after another.</extracomment>
        <translation>Alle Durchgänge nacheinander: relative Häufigkeiten bis dahin</translation>
    </message>
</context>
<context>
    <name>quindle::ClassWindow</name>
    <message>
        <source>Class results: %1</source>
        <extracomment>The class window&apos;s title; %1 is the folder&apos;s name.</extracomment>
        <translation>Klassenergebnisse: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Würfe</translation>
    </message>
    <message>
        <source>%1
ratio</source>
        <extracomment>A column of the class table, on two lines: %1 is an outcome (&quot;Head Tail&quot;).</extracomment>
        <translation>%1
relative Häufigkeit</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save class results…</source>
        <translation>Klassenergebnisse speichern…</translation>
    </message>
    <message>
        <source>Save class results</source>
        <translation>Klassenergebnisse speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Copy pictures</source>
        <translation>Diagramme kopieren</translation>
    </message>
    <message>
        <source>Save pictures…</source>
        <translation>Diagramme speichern…</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <translation>Diagramme speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Read summary</source>
        <translation>Zusammenfassung vorlesen</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The class table&apos;s last row, which pools every run.</extracomment>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Quindle, class results, %1: %2 runs, %3 trials</source>
        <extracomment>The caption above the printed pictures: %1 the date, %2 the runs, %3 the trials.</extracomment>
        <translation>Quindle, Klassenergebnisse, %1: %2 Durchgänge, %3 Würfe</translation>
    </message>
    <message>
        <source>%1 runs, %2 trials in all.</source>
        <extracomment>Said on demand: %1 the number of runs pooled, %2 their trials.</extracomment>
        <translation>Insgesamt %1 Durchgänge mit %2 Würfen.</translation>
    </message>
    <message>
        <source> %1 %2.</source>
        <extracomment>Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.</extracomment>
        <translation> %1: %2.</translation>
    </message>
    <message>
        <source> %1 of %2 runs lie inside the expected range.</source>
        <extracomment>%1 of %2 runs have all four ratios inside the expected range.</extracomment>
        <translation> Bei %1 von %2 Durchgängen liegen alle relativen Häufigkeiten im Erwartungsbereich.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Runs and the class</source>
        <translation>Durchgänge und Klasse</translation>
    </message>
    <message>
        <source>Files not pooled</source>
        <translation>Nicht berücksichtigte Dateien</translation>
    </message>
    <message>
        <source>Each run&apos;s ratios</source>
        <translation>Relative Häufigkeiten je Durchgang</translation>
    </message>
    <message>
        <source>Each run&apos;s four ratios against its number of trials, and the class&apos;s pooled ratios</source>
        <translation>Die vier relativen Häufigkeiten jedes Durchgangs in Abhängigkeit von der Anzahl seiner Würfe, dazu die zusammengefassten relativen Häufigkeiten der Klasse</translation>
    </message>
    <message>
        <source>The class curve</source>
        <translation>Die Kurve der Klasse</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all the class&apos;s trials so far, run after run</source>
        <translation>Anteil jedes Ergebnisses an allen bisherigen Würfen der Klasse, Durchgang für Durchgang</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a file of the class&apos;s folder is not pooled, after its name.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>too large for a results file (%1 KB)</source>
        <translation>zu groß für eine Ergebnisdatei (%1 KB)</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>keine Textdatei</translation>
    </message>
    <message>
        <source>not a Quindle results file</source>
        <translation>keine Quindle-Ergebnisdatei</translation>
    </message>
    <message>
        <source>saved by a newer Quindle (format %1)</source>
        <translation>mit einer neueren Quindle-Version gespeichert (Format %1)</translation>
    </message>
    <message>
        <source>cut short after trial %1 of %2</source>
        <translation>unvollständig, endet nach Wurf %1 von %2</translation>
    </message>
    <message>
        <source>cut short before its end</source>
        <translation>unvollständig, endet vorzeitig</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <translation>eine Kopie von %1</translation>
    </message>
    <message>
        <source>inconsistent: the counts add up to %1, not %2 trials</source>
        <translation>widersprüchlich: die Häufigkeiten ergeben zusammen %1 statt %2 Würfe</translation>
    </message>
    <message>
        <source>inconsistent: a ratio does not match its count (line %1)</source>
        <translation>widersprüchlich: eine relative Häufigkeit passt nicht zur absoluten Häufigkeit (Zeile %1)</translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the counts (line %1)</source>
        <translation>widersprüchlich: der Verlauf passt nicht zu den Häufigkeiten (Zeile %1)</translation>
    </message>
    <message>
        <source>inconsistent: the trial log disagrees with the counts (line %1)</source>
        <translation>widersprüchlich: das Wurfprotokoll passt nicht zu den Häufigkeiten (Zeile %1)</translation>
    </message>
    <message>
        <source>inconsistent: more trials than a run can have</source>
        <translation>widersprüchlich: mehr Würfe, als ein Durchgang haben kann</translation>
    </message>
    <message>
        <source>inconsistent: line %1 cannot be read</source>
        <translation>widersprüchlich: Zeile %1 ist nicht lesbar</translation>
    </message>
</context>
<context>
    <name>quindle::CommandLine</name>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <translation>Wirft immer wieder zwei Münzen und zählt die vier möglichen Ergebnisse, sodass man sieht, wie sich die relative Häufigkeit jedes Ergebnisses bei 1/4 einpendelt.</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <translation>Nimmt jeden Zufallswert statt von der Uhr aus einer durch &lt;N&gt; (eine ganze Zahl) festgelegten Folge, sodass jeder Wurf auf jedem Rechner gleich ausfällt.</translation>
    </message>
    <message>
        <source>Shows the texts in &lt;CODE&gt; (en, %1) instead of the system&apos;s language.</source>
        <extracomment>%1 lists the languages the program is translated into.</extracomment>
        <translation>Zeigt die Texte in der Sprache &lt;CODE&gt; (en, %1) statt in der Sprache des Systems.</translation>
    </message>
    <message>
        <source>Starts with every window at &lt;PERCENT&gt; of its size (%1).</source>
        <extracomment>%1 lists the zoom steps.</extracomment>
        <translation>Öffnet alle Fenster mit &lt;PERCENT&gt; ihrer Größe (%1).</translation>
    </message>
    <message>
        <source>Opens the class window beside the experiment window, pooling the results files in &lt;FOLDER&gt; as they come.</source>
        <translation>Öffnet neben dem Experimentfenster das Klassenfenster und fasst die Ergebnisdateien in &lt;FOLDER&gt; zusammen, sobald sie eintreffen.</translation>
    </message>
</context>
<context>
    <name>quindle::Errors</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>%1 is the error&apos;s number, %2 its name in English (&quot;Overflow&quot;).</extracomment>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Unexpected error:

%1</source>
        <translation>Unerwarteter Fehler:

%1</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentControl</name>
    <message>
        <source>This software will exit.</source>
        <extracomment>The message box Exit shows before the program ends.</extracomment>
        <translation>Das Programm wird jetzt beendet.</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentWindow</name>
    <message>
        <source>%1 frequency</source>
        <translation>Häufigkeit von %1</translation>
    </message>
    <message>
        <source>%1 probability</source>
        <translation>Relative Häufigkeit von %1</translation>
    </message>
    <message>
        <source>%1 trials</source>
        <extracomment>Said every few seconds during a run.</extracomment>
        <translation>%1 Würfe</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save results…</source>
        <translation>Ergebnisse speichern…</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>As designed</source>
        <extracomment>How fast a run goes: a trial every millisecond, as the program was designed.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Classroom</source>
        <extracomment>About sixty trials a second, slow enough for a class to follow each count.</extracomment>
        <translation>Für den Unterricht</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Startwert: %1</translation>
    </message>
    <message>
        <source>Seed: none, the run follows the clock</source>
        <translation>Startwert: keiner, der Durchgang richtet sich nach der Uhr</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Ergebnisse speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Counts cleared.</source>
        <translation>Häufigkeiten zurückgesetzt.</translation>
    </message>
    <message>
        <source>Stopped after %1 trials.</source>
        <translation>Angehalten nach %1 Würfen.</translation>
    </message>
    <message>
        <source>Run finished after %1 trials.</source>
        <translation>Durchgang nach %1 Würfen beendet.</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows &quot;Stopped after … trials.&quot; once per outcome: %1 the outcome (&quot;Head Tail&quot;), %2 its count, %3 its ratio.</extracomment>
        <translation> %1: %2-mal, %3.</translation>
    </message>
    <message>
        <source>How often this outcome has come up in the current run</source>
        <translation>Wie oft dieses Ergebnis im aktuellen Durchgang aufgetreten ist</translation>
    </message>
    <message>
        <source>This outcome&apos;s share of all trials of the current run</source>
        <translation>Anteil dieses Ergebnisses an allen Würfen des aktuellen Durchgangs (relative Häufigkeit)</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The top row&apos;s buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Coin1: Head</source>
        <translation>Münze 1: Kopf</translation>
    </message>
    <message>
        <source>Coin1: Tail</source>
        <translation>Münze 1: Zahl</translation>
    </message>
    <message>
        <source>Coin2: Head</source>
        <translation>Münze 2: Kopf</translation>
    </message>
    <message>
        <source>Coin2: Tail</source>
        <translation>Münze 2: Zahl</translation>
    </message>
    <message>
        <source>Coin1</source>
        <extracomment>Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.</extracomment>
        <translation>Münze1</translation>
    </message>
    <message>
        <source>Coin2</source>
        <translation>Münze2</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Kopf</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The table&apos;s row names are 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <extracomment>Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.</extracomment>
        <translation>Anzahl der Würfe</translation>
    </message>
    <message>
        <source>Number of trials</source>
        <translation>Anzahl der Würfe</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stop and Start are 105 pixels wide: about 10 characters.</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Graph display</source>
        <extracomment>129 pixels wide: about 13 characters.</extracomment>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Class results…</source>
        <translation>Klassenergebnisse…</translation>
    </message>
    <message>
        <source>Class results</source>
        <extracomment>The title of the dialog that asks for the folder of a class&apos;s results files.</extracomment>
        <translation>Klassenergebnisse</translation>
    </message>
    <message>
        <source>One trial (%1)</source>
        <extracomment>One trial each time a key is pressed: %1 is the key (&quot;Ctrl+T&quot;).</extracomment>
        <translation>Wurf für Wurf (%1)</translation>
    </message>
    <message>
        <source>Hand in</source>
        <extracomment>Writes the run&apos;s results file straight into the class folder, under the pupil&apos;s name.</extracomment>
        <translation>Abgeben</translation>
    </message>
    <message>
        <source>The class folder %1 cannot be used: %2

The run is still here: choose another folder to save it in.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Der Klassenordner %1 kann nicht verwendet werden: %2

Dein Durchgang ist noch da: Wähle einen anderen Ordner, um ihn zu speichern.</translation>
    </message>
    <message>
        <source>The run could not be handed in to the class folder %1: %2

It is still here: Save results… saves it in another folder.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Der Durchgang konnte nicht im Klassenordner %1 abgegeben werden: %2

Er ist noch da: Mit „Ergebnisse speichern…“ kannst du ihn in einem anderen Ordner speichern.</translation>
    </message>
    <message>
        <source>Handed in as %1.</source>
        <extracomment>%1 is the name of the results file in the class folder.</extracomment>
        <translation>Abgegeben als %1.</translation>
    </message>
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message>
        <source>Copy graph</source>
        <translation>Diagramm kopieren</translation>
    </message>
    <message>
        <source>Save graph…</source>
        <translation>Diagramm speichern…</translation>
    </message>
    <message>
        <source>Save graph at double resolution…</source>
        <translation>Diagramm in doppelter Auflösung speichern…</translation>
    </message>
    <message>
        <source>Show expected range</source>
        <translation>Erwartungsbereich anzeigen</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>Ergebnisse vorlesen</translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>no trials yet</source>
        <extracomment>What a legend label tells a screen reader before the first trial.</extracomment>
        <translation>noch keine Würfe</translation>
    </message>
    <message>
        <source>ratio %1 after %2 times</source>
        <translation>relative Häufigkeit %1, %2-mal aufgetreten</translation>
    </message>
    <message>
        <source>, inside the expected range</source>
        <translation>, innerhalb des Erwartungsbereichs</translation>
    </message>
    <message>
        <source>, outside the expected range</source>
        <translation>, außerhalb des Erwartungsbereichs</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A legend label as a screen reader reads it: %1 the outcome, %2 its result.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all trials (vertical, 0 to 1) against the number of times that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed line at the theoretical 0.25</source>
        <translation>Relative Häufigkeit jedes Ergebnisses (senkrecht, 0 bis 1) in Abhängigkeit davon, wie oft dieses Ergebnis aufgetreten ist (waagerecht, 0 bis 1000), eine Kurve je Ergebnis, mit einer gestrichelten Linie beim theoretischen Wert 0,25</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <extracomment>The legend&apos;s labels are 57 pixels wide in a bold face: an outcome in a few letters, coin 1 first, Fr for front (head) and Ba for back (tail), joined by a katakana middle dot.</extracomment>
        <translation>Z・Z</translation>
    </message>
    <message>
        <source>the red curve</source>
        <translation>die rote Kurve</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <translation>Z・K</translation>
    </message>
    <message>
        <source>the cyan curve</source>
        <translation>die türkisfarbene Kurve</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <translation>K・Z</translation>
    </message>
    <message>
        <source>the green curve</source>
        <translation>die grüne Kurve</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <translation>K・K</translation>
    </message>
    <message>
        <source>the blue curve</source>
        <translation>die blaue Kurve</translation>
    </message>
    <message>
        <source> Graph  </source>
        <extracomment>The graph window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Diagramm  </translation>
    </message>
    <message>
        <source>Save graph as PDF…</source>
        <translation>Diagramm als PDF speichern…</translation>
    </message>
    <message>
        <source>Save graph as PDF</source>
        <translation>Diagramm als PDF speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as SVG…</source>
        <translation>Diagramm als SVG speichern…</translation>
    </message>
    <message>
        <source>Save graph as SVG</source>
        <translation>Diagramm als SVG speichern</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>Quindle, %1: %2 trials</source>
        <extracomment>The line above the printed graph: %1 the date, %2 the number of trials.</extracomment>
        <translation>Quindle, %1: %2 Würfe</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <extracomment>Follows the printed graph&apos;s caption when the run followed a seed.</extracomment>
        <translation>, Startwert %1</translation>
    </message>
</context>
<context>
    <name>quindle::HelpText</name>
    <message>
        <source>【Problem】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【Fragestellung】</translation>
    </message>
    <message>
        <source>Throw two coins at the same time and think about how they appear on front and back.</source>
        <extracomment>The help text is printed line by line as written, on a surface about 590 pixels wide; a line that does not fit loses its end. Keep each line about as long as the original and break the sentences where they fit. A blank at the end of a line belongs to it.</extracomment>
        <translation>Wirf zwei Münzen gleichzeitig und überlege, wie Kopf und Zahl dabei fallen können.</translation>
    </message>
    <message>
        <source>If these two coins are Coin1 and Coin2 , respectively , there are four ways to get </source>
        <translation>Nennen wir die beiden Münzen Münze 1 und Münze 2, so gibt es vier </translation>
    </message>
    <message>
        <source>them : front/front , front/back , back/front , back/back. </source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>Möglichkeiten, wie sie fallen können: Kopf/Kopf, Kopf/Zahl, Zahl/Kopf, Zahl/Zahl. </translation>
    </message>
    <message>
        <source>That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <translation>Jeder dieser vier Fälle tritt also mit der Wahrscheinlichkeit 1/4 ein.</translation>
    </message>
    <message>
        <source>However , in reality , if you throw two coins four times at the same time , </source>
        <translation>Wenn du aber in Wirklichkeit zwei Münzen viermal gleichzeitig wirfst, </translation>
    </message>
    <message>
        <source>it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>erhältst du nicht immer genau einmal Zahl/Zahl.</translation>
    </message>
    <message>
        <source>The same applies to the other three cases.</source>
        <translation>Für die anderen drei Fälle gilt dasselbe.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with the mathmatically obtained theoretical </source>
        <translation>Wie hängt das nun mit der mathematisch bestimmten theoretischen </translation>
    </message>
    <message>
        <source>probability of 1/4 ?</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>Wahrscheinlichkeit von 1/4 zusammen?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【Bedienung】</translation>
    </message>
    <message>
        <source>Click the [Start] button to start the experiment.</source>
        <extracomment>[Start] names the experiment window&apos;s Start button: use its caption there.</extracomment>
        <translation>Klicke auf die Schaltfläche [Start], um das Experiment zu starten.</translation>
    </message>
    <message>
        <source>Click the [Stop] button to stop the experiment.</source>
        <extracomment>[Stop] names the experiment window&apos;s Stop button: use its caption there.</extracomment>
        <translation>Klicke auf die Schaltfläche [Stopp], um das Experiment anzuhalten.</translation>
    </message>
    <message>
        <source>When you click the [Graph display] button , the relationship between the number of</source>
        <extracomment>[Graph display] names the experiment window&apos;s button: use its caption there.</extracomment>
        <translation>Klickst du auf die Schaltfläche [Diagramm], wird der Zusammenhang zwischen der</translation>
    </message>
    <message>
        <source>experiments and the front/front , front/back , back/front , back/back , and the ratio</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>Anzahl der Würfe und der relativen Häufigkeit von Kopf/Kopf, Kopf/Zahl, Zahl/Kopf</translation>
    </message>
    <message>
        <source>of each is displayed in a graph.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>und Zahl/Zahl in einem Diagramm dargestellt.</translation>
    </message>
    <message>
        <source>You can restart the experiment from the beginning by clicking the [Init] button.</source>
        <extracomment>[Init] names the experiment window&apos;s Init button: use its caption there.</extracomment>
        <translation>Mit der Schaltfläche [Neu] kannst du das Experiment wieder von vorn beginnen.</translation>
    </message>
</context>
<context>
    <name>quindle::HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source> Quindle＿Help（Question and operation method） </source>
        <extracomment>The help window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Quindle＿Hilfe（Fragestellung und Bedienung） </translation>
    </message>
</context>
<context>
    <name>quindle::Outcome</name>
    <message>
        <source>Head</source>
        <translation>Kopf</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Zahl</translation>
    </message>
</context>
<context>
    <name>quindle::Paper</name>
    <message>
        <source>Cannot print: %1</source>
        <extracomment>Shown instead of the print dialog; %1 says why (a missing part of the installation).</extracomment>
        <translation>Drucken nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>quindle::Plot</name>
    <message>
        <source>(Horizontal axis : Number of times)</source>
        <extracomment>The horizontal axis&apos;s title, printed from about 60 % of the graph&apos;s width to its right edge: there is room for about 35 characters.</extracomment>
        <translation>(Waagerechte Achse: Anzahl)</translation>
    </message>
    <message>
        <source>(Vertical axis : Ratio)</source>
        <translation>(Senkrechte Achse: relative Häufigkeit)</translation>
    </message>
</context>
<context>
    <name>quindle::ResultTable</name>
    <message>
        <source>frequency</source>
        <extracomment>Read by a screen reader before each count of the result table (&quot;frequency 567&quot;).</extracomment>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>ratio</source>
        <extracomment>Read before each ratio of the result table.</extracomment>
        <translation>relative Häufigkeit</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>What a screen reader calls the table of counts and ratios.</extracomment>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>quindle::Saving</name>
    <message>
        <source>the file could not be written</source>
        <extracomment>Why a file was not saved, after &quot;… could not be saved: &quot;.</extracomment>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
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
        <translation>Größer</translation>
    </message>
    <message>
        <source>Smaller</source>
        <extracomment>Zooms all windows one step smaller.</extracomment>
        <translation>Kleiner</translation>
    </message>
</context>
</TS>
