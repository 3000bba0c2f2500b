<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <extracomment>--help on the option -h, --help. Written as a terminal&apos;s help texts are.</extracomment>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <extracomment>--help on the option --help-all, which lists the display options Qt adds too.</extracomment>
        <translation>Affiche l&apos;aide, y compris les options propres à Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <extracomment>--help on the option -v, --version.</extracomment>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <extracomment>--help on the option --help-all, as Qt 6.8 and later word it: it lists the display options Qt adds too.</extracomment>
        <translation>Affiche l&apos;aide, y compris les options générales de Qt.</translation>
    </message>
</context>
<context>
    <name>quindle::Caption</name>
    <message>
        <source>(C) 2026 The Quindle developers</source>
        <extracomment>Ends every window&apos;s title.</extracomment>
        <translation>(C) 2026 Les développeurs de Quindle</translation>
    </message>
</context>
<context>
    <name>quindle::ClassPictures</name>
    <message>
        <source>Each run&apos;s ratios against its trials; the class, larger</source>
        <extracomment>The funnel picture&apos;s title: each run&apos;s ratios against its number of trials.</extracomment>
        <translation>Fréquences selon les lancers&#x202f;; la classe en gros</translation>
    </message>
    <message>
        <source>All runs one after another: each share so far</source>
        <extracomment>The class curve&apos;s title: all runs&apos; trials one after another.</extracomment>
        <translation>Expériences à la suite&#xa0;: fréquences cumulées</translation>
    </message>
    <message>
        <source>All runs one after another: each count minus a quarter of the trials</source>
        <extracomment>The class&apos;s gap picture&apos;s title: all runs&apos; trials one after another, each outcome&apos;s count less a quarter of the trials so far (not the count less 1/4). Room for about 50 characters a line; a longer title is broken into lines at its blanks.</extracomment>
        <translation>Expériences à la suite&#xa0;: effectif moins le quart des lancers</translation>
    </message>
    <message>
        <source>Each run&apos;s share of one head; the class, larger</source>
        <extracomment>The funnel&apos;s title in the number-of-heads view: each run&apos;s share of one head (Head/Tail or Tail/Head) against its number of trials. Room for about 50 characters.</extracomment>
        <translation>Une fois Face, par expérience&#x202f;; la classe en gros</translation>
    </message>
    <message>
        <source>All runs one after another: two, one and no heads</source>
        <extracomment>The class curve&apos;s title in the number-of-heads view: all runs&apos; trials one after another, the shares of two heads, one head and no heads so far. Room for about 50 characters.</extracomment>
        <translation>Expériences à la suite&#xa0;: deux, une, aucune fois Face</translation>
    </message>
</context>
<context>
    <name>quindle::ClassWindow</name>
    <message>
        <source>Class results: %1</source>
        <extracomment>The class window&apos;s title; %1 is the folder&apos;s name.</extracomment>
        <translation>Résultats de la classe&#xa0;: %1</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The class table&apos;s first column header, over each run&apos;s file name.</extracomment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Trials</source>
        <extracomment>A header of the class table over each run&apos;s number of trials. Each number column is as wide as its header or its numbers, and the ten columns share 740 pixels: a word of about 8 letters.</extracomment>
        <translation>Lancers</translation>
    </message>
    <message>
        <source>%1
ratio</source>
        <extracomment>A column header of the class table, on two lines: %1 is an outcome (&quot;Head Tail&quot;), the second line says these are its ratios. The ten columns share 740 pixels: keep the second line to about 10 letters, a school&apos;s usual abbreviation if need be.</extracomment>
        <translation>%1
fréquence</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>The class window&apos;s context menu: puts the class table on the clipboard.</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save class results…</source>
        <extracomment>The context menu: saves the class table as a CSV file.</extracomment>
        <translation>Enregistrer les résultats de la classe…</translation>
    </message>
    <message>
        <source>Save class results</source>
        <extracomment>The title of the dialog that saves the class table.</extracomment>
        <translation>Enregistrer les résultats de la classe</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter for the class table.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy pictures</source>
        <extracomment>The context menu: puts both pictures, side by side, on the clipboard.</extracomment>
        <translation>Copier les graphiques</translation>
    </message>
    <message>
        <source>Save pictures…</source>
        <extracomment>The context menu: saves both pictures, side by side, as a PNG picture.</extracomment>
        <translation>Enregistrer les graphiques…</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <extracomment>The title of the dialog that saves the pictures.</extracomment>
        <translation>Enregistrer les graphiques</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <extracomment>The file dialog&apos;s filter for PNG pictures.</extracomment>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The context menu: prints both pictures, by the print dialog.</extracomment>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Read summary</source>
        <extracomment>The context menu: a screen reader says the class&apos;s runs, trials and pooled ratios.</extracomment>
        <translation>Lire le bilan</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The class table&apos;s last row, which pools every run.</extracomment>
        <translation>Classe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file of the class&apos;s folder that is not pooled: %1 its name, %2 why.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source> %1 %2.</source>
        <extracomment>Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.</extracomment>
        <translation> %1&#xa0;: fréquence %2.</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>What a screen reader calls the line that shows the class&apos;s folder.</extracomment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The class window&apos;s button, 72 pixels wide in the default font: about 9 characters.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Runs and the class</source>
        <extracomment>What a screen reader calls the class table: a row per run and one for the class.</extracomment>
        <translation>Les expériences et la classe</translation>
    </message>
    <message>
        <source>Files not pooled</source>
        <extracomment>What a screen reader calls the list of the folder&apos;s files that are not pooled.</extracomment>
        <translation>Fichiers non pris en compte</translation>
    </message>
    <message>
        <source>Each run&apos;s ratios</source>
        <extracomment>What a screen reader calls the funnel picture.</extracomment>
        <translation>Fréquences de chaque expérience</translation>
    </message>
    <message>
        <source>Each run&apos;s four ratios against its number of trials, and the class&apos;s pooled ratios</source>
        <extracomment>What a screen reader says the funnel picture shows.</extracomment>
        <translation>Les quatre fréquences de chaque expérience en fonction de son nombre de lancers, et les fréquences de toute la classe</translation>
    </message>
    <message>
        <source>The class curve</source>
        <extracomment>What a screen reader calls the class curve&apos;s picture.</extracomment>
        <translation>La courbe de la classe</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all the class&apos;s trials so far, run after run</source>
        <extracomment>What a screen reader says the class curve shows.</extracomment>
        <translation>Fréquence de chaque issue parmi tous les lancers de la classe jusque-là, expérience après expérience</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a file of the class&apos;s folder is not pooled, after its name.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>too large for a results file (%1 KB)</source>
        <extracomment>%1 is the file&apos;s size in kilobytes.</extracomment>
        <translation>trop volumineux pour un fichier de résultats (%1 Ko)</translation>
    </message>
    <message>
        <source>not a text file</source>
        <extracomment>A file that holds something other than text (a picture, a document).</extracomment>
        <translation>pas un fichier texte</translation>
    </message>
    <message>
        <source>not a Quindle results file</source>
        <extracomment>A text file that is not one Quindle saves (a note, another program&apos;s table).</extracomment>
        <translation>pas un fichier de résultats Quindle</translation>
    </message>
    <message>
        <source>saved by a newer Quindle (format %1)</source>
        <extracomment>A results file in a newer format than this program reads: %1 is its number.</extracomment>
        <translation>enregistré par une version plus récente de Quindle (format %1)</translation>
    </message>
    <message>
        <source>cut short after trial %1 of %2</source>
        <extracomment>A file that ends early, in its list of trials: %1 the last trial in it, %2 the trials the run had.</extracomment>
        <translation>tronqué après le lancer %1 sur %2</translation>
    </message>
    <message>
        <source>cut short before its end</source>
        <extracomment>A file that ends early, before its list of trials.</extracomment>
        <translation>tronqué avant la fin</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <extracomment>The same run as another file of the folder, which counts instead: %1 its name.</extracomment>
        <translation>copie de %1</translation>
    </message>
    <message>
        <source>inconsistent: a ratio does not match its count (line %1)</source>
        <extracomment>A file whose numbers do not agree with each other: %1 the line of the file.</extracomment>
        <translation>incohérent&#xa0;: une fréquence ne correspond pas à son effectif (ligne %1)</translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the counts (line %1)</source>
        <extracomment>The history is each outcome&apos;s share after each of its occurrences, kept for the graph; %1 is the line of the file.</extracomment>
        <translation>incohérent&#xa0;: l&apos;historique ne concorde pas avec les effectifs (ligne %1)</translation>
    </message>
    <message>
        <source>inconsistent: the trial log disagrees with the counts (line %1)</source>
        <extracomment>The trial log lists both coins&apos; faces in every trial; %1 is the line of the file.</extracomment>
        <translation>incohérent&#xa0;: le journal des lancers ne concorde pas avec les effectifs (ligne %1)</translation>
    </message>
    <message>
        <source>inconsistent: line %1 cannot be read</source>
        <extracomment>A line where a number or a word was expected and something else stands: %1 its number.</extracomment>
        <translation>incohérent&#xa0;: la ligne %1 est illisible</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1. The class is shown as it was last read.</source>
        <extracomment>Under the folder&apos;s path while the folder cannot be read; %1 is the system&apos;s reason, such as &quot;No such file or directory&quot;.</extracomment>
        <translation>Impossible de lire le dossier&#xa0;: %1. La classe est affichée telle qu&apos;elle a été lue la dernière fois.</translation>
    </message>
    <message>
        <source>text saved as UTF-16; results files are read as UTF-8</source>
        <extracomment>A text file saved in another encoding than results files are read in.</extracomment>
        <translation>texte enregistré en UTF-16&#x202f;; les fichiers de résultats sont lus en UTF-8</translation>
    </message>
    <message>
        <source>text saved as Latin-1 (Windows-1252); results files are read as UTF-8</source>
        <extracomment>A text file saved in another encoding than results files are read in.</extracomment>
        <translation>texte enregistré en Latin-1 (Windows-1252)&#x202f;; les fichiers de résultats sont lus en UTF-8</translation>
    </message>
    <message>
        <source>saved by a newer Quindle</source>
        <extracomment>A results file in a format newer than this program reads.</extracomment>
        <translation>enregistré par une version plus récente de Quindle</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>impossible à ouvrir&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Input/output error&quot;.</extracomment>
        <translation>impossible à lire&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>a folder more than %n level(s) down, not read</source>
        <extracomment>A folder inside the class&apos;s folder too deep to be read: %n the levels that are.</extracomment>
        <translation>
            <numerusform>un dossier à plus de %n niveau de profondeur, non lu</numerusform>
            <numerusform>un dossier à plus de %n niveaux de profondeur, non lu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inconsistent: the counts add up to %1, not %n trials</source>
        <extracomment>%1 is the counts&apos; sum, %n the number of trials the file states.</extracomment>
        <translation>
            <numerusform>incohérent&#xa0;: la somme des effectifs est %1 au lieu de %n lancer</numerusform>
            <numerusform>incohérent&#xa0;: la somme des effectifs est %1 au lieu de %n lancers</numerusform>
        </translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the trial log (line %1)</source>
        <extracomment>The history (each outcome&apos;s share after each of its occurrences) does not follow from the list of trials; %1 is the line of the file.</extracomment>
        <translation>incohérent&#xa0;: l&apos;historique ne concorde pas avec le journal des lancers (ligne %1)</translation>
    </message>
    <message>
        <source>inconsistent: a negative count (line %1)</source>
        <extracomment>A file with a count below zero: %1 the line of the file.</extracomment>
        <translation>incohérent&#xa0;: un effectif négatif (ligne %1)</translation>
    </message>
    <message>
        <source>inconsistent: a count larger than a run can have (line %1)</source>
        <extracomment>A count above the 1000 at which a run ends: %1 the line of the file.</extracomment>
        <translation>incohérent&#xa0;: un effectif plus grand qu&apos;une expérience ne peut en compter (ligne %1)</translation>
    </message>
    <message>
        <source>inconsistent: a negative number of trials (line %1)</source>
        <extracomment>A file whose number of trials is below zero: %1 the line of the file.</extracomment>
        <translation>incohérent&#xa0;: un nombre de lancers négatif (ligne %1)</translation>
    </message>
    <message>
        <source>inconsistent: more trials than a run can have (line %1)</source>
        <extracomment>A run ends once an outcome has come up more than 1000 times: this file has more. %1 is the line of the file.</extracomment>
        <translation>incohérent&#xa0;: plus de lancers qu&apos;une expérience ne peut en compter (ligne %1)</translation>
    </message>
    <message>
        <source>a named pipe, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>un socket, pas un fichier</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>a link to a folder, not followed</source>
        <extracomment>A symbolic link to a folder, which is not followed, after its name.</extracomment>
        <translation>un lien vers un dossier, non suivi</translation>
    </message>
    <message>
        <source>a link to something that is not there</source>
        <extracomment>A symbolic link whose target does not exist, after its name.</extracomment>
        <translation>un lien vers quelque chose qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>links that lead round in a loop</source>
        <extracomment>Symbolic links that point at each other, after the name of one.</extracomment>
        <translation>des liens qui tournent en boucle</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message numerus="yes">
        <source> %1 of %n ratios lie inside the expected range, where about 95 % are expected.</source>
        <extracomment>Ends the summary: %1 of the %n ratios of the runs (four each) lie inside the expected range; chance keeps about 95 % of them there. Never said with no ratios.</extracomment>
        <translation>
            <numerusform> Dans la zone attendue&#xa0;: %1 fréquence sur %n (on en attend environ 95&#x202f;%).</numerusform>
            <numerusform> Dans la zone attendue&#xa0;: %1 des %n fréquences (on en attend environ 95&#x202f;%).</numerusform>
        </translation>
    </message>
    <message>
        <source>Show gap from a quarter</source>
        <extracomment>The class window&apos;s context menu: a check mark turns the class curve into each outcome&apos;s gap from a quarter of the class&apos;s trials.</extracomment>
        <translation>Afficher l&apos;écart au quart</translation>
    </message>
    <message>
        <source>Each outcome&apos;s count minus a quarter of all the class&apos;s trials so far, run after run</source>
        <extracomment>What a screen reader says the class curve shows in the gap view.</extracomment>
        <translation>Effectif de chaque issue moins un quart de tous les lancers de la classe jusque-là, expérience après expérience</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows the runs and trials once per outcome in the gap view: %1 the outcome, %2 its pooled ratio, %3 how far its pooled count lies from a quarter of the trials (&quot;its count 312.5 above a quarter of the trials&quot;).</extracomment>
        <translation> %1&#xa0;: fréquence %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n runs</source>
        <extracomment>The number of runs pooled, in the class window&apos;s summary and printed caption.</extracomment>
        <translation>
            <numerusform>%n expérience</numerusform>
            <numerusform>%n expériences</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trials</source>
        <extracomment>The number of trials of all runs pooled, in the summary and printed caption.</extracomment>
        <translation>
            <numerusform>%n lancer</numerusform>
            <numerusform>%n lancers</numerusform>
        </translation>
    </message>
    <message>
        <source>Quindle, class results, %1: %2, %3</source>
        <extracomment>The caption above the printed pictures: %1 the date, %2 the runs (&quot;30 runs&quot;), %3 the trials (&quot;64020 trials&quot;).</extracomment>
        <translation>Quindle, résultats de la classe, %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>%1, %2 in all.</source>
        <extracomment>Said on demand: %1 the runs pooled (&quot;30 runs&quot;), %2 their trials (&quot;64020 trials&quot;).</extracomment>
        <translation>%1, %2 en tout.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A column header of the class table over each run&apos;s count of an outcome: %1 is coin 1&apos;s face, %2 coin 2&apos;s (&quot;Head Tail&quot;). The ten columns share 740 pixels: where two faces side by side make the columns too wide, put a line break between them.</extracomment>
        <translation>%1&#x202f;%2</translation>
    </message>
    <message>
        <source>Show number of heads</source>
        <extracomment>The class window&apos;s context menu: a check mark turns both pictures into the shares of two heads, one head and no heads.</extracomment>
        <translation>Afficher le nombre de «&#xa0;Face&#xa0;»</translation>
    </message>
    <message>
        <source>The shares of two heads, one head and no heads of all the class&apos;s trials so far, run after run</source>
        <extracomment>What a screen reader says the class curve shows in the number-of-heads view.</extracomment>
        <translation>Part de deux fois, une fois et aucune fois Face dans tous les lancers de la classe jusque-là, expérience après expérience</translation>
    </message>
    <message>
        <source>Each run&apos;s share of one head against its number of trials, and the class&apos;s pooled share</source>
        <extracomment>What a screen reader says the funnel picture shows in the number-of-heads view.</extracomment>
        <translation>Part d&apos;une fois Face de chaque expérience en fonction de son nombre de lancers, et celle de toute la classe</translation>
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
            <numerusform> Part d&apos;une fois Face dans la zone attendue&#xa0;: %1 expérience sur %n (le hasard l&apos;y laisse environ 95&#x202f;% du temps).</numerusform>
            <numerusform> Part d&apos;une fois Face dans la zone attendue&#xa0;: %1 des %n expériences (le hasard l&apos;y laisse environ 95&#x202f;% du temps).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quindle::CommandLine</name>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <extracomment>What quindle --help says first, under its usage line.</extracomment>
        <translation>Lance deux pièces un grand nombre de fois et compte les quatre issues, pour voir la fréquence de chacune se stabiliser autour de 1/4.</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <extracomment>--help on the option --seed N; keep &lt;N&gt; as it is.</extracomment>
        <translation>Tire chaque résultat d&apos;une suite fixée par &lt;N&gt; (un nombre entier) au lieu de l&apos;horloge&#xa0;: les lancers sont alors les mêmes, un à un, sur toutes les machines.</translation>
    </message>
    <message>
        <source>Shows the texts in &lt;CODE&gt; (en, %1) instead of the system&apos;s language.</source>
        <extracomment>--help on the option --language CODE; keep &lt;CODE&gt; as it is. %1 lists the languages the program is translated into.</extracomment>
        <translation>Affiche les textes dans la langue &lt;CODE&gt; (en, %1) au lieu de celle du système.</translation>
    </message>
    <message>
        <source>Starts with every window at &lt;PERCENT&gt; of its size (%1).</source>
        <extracomment>--help on the option --zoom PERCENT; keep &lt;PERCENT&gt; as it is. %1 lists the zoom steps.</extracomment>
        <translation>Ouvre toutes les fenêtres à &lt;PERCENT&gt; de leur taille (%1).</translation>
    </message>
    <message>
        <source>Opens the class window beside the experiment window, pooling the results files in &lt;FOLDER&gt; as they come.</source>
        <extracomment>--help on the option --class FOLDER; keep &lt;FOLDER&gt; as it is.</extracomment>
        <translation>Ouvre la fenêtre de la classe à côté de la fenêtre de l&apos;expérience et met en commun les fichiers de résultats de &lt;FOLDER&gt; au fur et à mesure de leur arrivée.</translation>
    </message>
</context>
<context>
    <name>quindle::ContextMenu</name>
    <message>
        <source>Streaks…</source>
        <extracomment>A window&apos;s context menu: opens the streaks window, on the run or on the class.</extracomment>
        <translation>Séries…</translation>
    </message>
</context>
<context>
    <name>quindle::Errors</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>%1 is the error&apos;s number, %2 its name in English (&quot;Overflow&quot;).</extracomment>
        <translation>Erreur d&apos;exécution &apos;%1&apos;&#xa0;:

%2</translation>
    </message>
    <message>
        <source>Unexpected error:

%1</source>
        <extracomment>A message box after an error the program did not expect: %1 says what, in English.</extracomment>
        <translation>Erreur inattendue&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentControl</name>
    <message>
        <source>This software will exit.</source>
        <extracomment>The message box Exit shows before the program ends.</extracomment>
        <translation>Le logiciel va se fermer.</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentWindow</name>
    <message>
        <source>%1 frequency</source>
        <extracomment>What a screen reader calls a count cell; %1 is the outcome (&quot;Head Tail&quot;).</extracomment>
        <translation>Effectif de %1</translation>
    </message>
    <message>
        <source>%1 probability</source>
        <extracomment>What a screen reader calls a ratio cell: the outcome&apos;s share of the trials so far, its relative frequency (not a probability); %1 is the outcome.</extracomment>
        <translation>Fréquence de %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>The experiment window&apos;s context menu: puts the table on the clipboard.</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save results…</source>
        <extracomment>The context menu: saves the run&apos;s results file, which a class window pools.</extracomment>
        <translation>Enregistrer les résultats…</translation>
    </message>
    <message>
        <source>Pace</source>
        <extracomment>The context menu&apos;s submenu of how fast a run goes.</extracomment>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>As designed</source>
        <extracomment>How fast a run goes: a trial every millisecond, as the program was designed.</extracomment>
        <translation>Rapide (d&apos;origine)</translation>
    </message>
    <message>
        <source>Classroom</source>
        <extracomment>About sixty trials a second, slow enough for a class to follow each count.</extracomment>
        <translation>Pour la classe</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <extracomment>The context menu&apos;s last entry, greyed: the seed of the draws, a whole number.</extracomment>
        <translation>Graine&#xa0;: %1</translation>
    </message>
    <message>
        <source>Seed: none, the run follows the clock</source>
        <extracomment>The context menu&apos;s last entry, greyed, when no seed was given.</extracomment>
        <translation>Graine&#xa0;: aucune, les lancers suivent l&apos;horloge</translation>
    </message>
    <message>
        <source>Save results</source>
        <extracomment>The title of the dialog that saves the results file, and of its messages.</extracomment>
        <translation>Enregistrer les résultats</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter for the results file.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Counts cleared.</source>
        <extracomment>Said when Init has cleared the counts.</extracomment>
        <translation>Effectifs remis à zéro.</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows &quot;Stopped after … trials.&quot; once per outcome: %1 the outcome (&quot;Head Tail&quot;), %2 its count, %3 its ratio.</extracomment>
        <translation> %1&#xa0;: %2 fois, fréquence %3.</translation>
    </message>
    <message>
        <source>How often this outcome has come up in the current run</source>
        <extracomment>What a screen reader says a count cell of the table holds.</extracomment>
        <translation>Nombre de fois où cette issue est sortie pendant l&apos;expérience en cours</translation>
    </message>
    <message>
        <source>This outcome&apos;s share of all trials of the current run</source>
        <extracomment>What a screen reader says a ratio cell of the table holds.</extracomment>
        <translation>Proportion des lancers de l&apos;expérience en cours où cette issue est sortie</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The top row&apos;s buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The top row&apos;s button that shows the help window, 57 pixels wide: about 6 characters.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>The top row&apos;s button that clears the counts for a new run, 57 pixels wide: about 6 characters.</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Coin1: Head</source>
        <extracomment>What a screen reader calls coin 1&apos;s picture while it shows its head face.</extracomment>
        <translation>Pièce 1&#xa0;: face</translation>
    </message>
    <message>
        <source>Coin1: Tail</source>
        <extracomment>Coin 1&apos;s picture while it shows its tail face.</extracomment>
        <translation>Pièce 1&#xa0;: pile</translation>
    </message>
    <message>
        <source>Coin2: Head</source>
        <extracomment>Coin 2&apos;s picture while it shows its head face.</extracomment>
        <translation>Pièce 2&#xa0;: face</translation>
    </message>
    <message>
        <source>Coin2: Tail</source>
        <extracomment>Coin 2&apos;s picture while it shows its tail face.</extracomment>
        <translation>Pièce 2&#xa0;: pile</translation>
    </message>
    <message>
        <source>Coin1</source>
        <extracomment>Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.</extracomment>
        <translation>Pièce 1</translation>
    </message>
    <message>
        <source>Coin2</source>
        <extracomment>The second coin&apos;s name, under its picture and in the table: 81 pixels wide in a large bold face, about 6 characters.</extracomment>
        <translation>Pièce 2</translation>
    </message>
    <message>
        <source>Head</source>
        <extracomment>A coin&apos;s face in the table&apos;s header rows, in blue: 81 pixels wide in a large bold face.</extracomment>
        <translation>Face</translation>
    </message>
    <message>
        <source>Tail</source>
        <extracomment>A coin&apos;s other face in the table&apos;s header rows, in red: 81 pixels wide in a large bold face.</extracomment>
        <translation>Pile</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The table&apos;s row names are 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>Effectif</translation>
    </message>
    <message>
        <source>Probability</source>
        <extracomment>The table&apos;s row of each outcome&apos;s share of all trials so far: its relative frequency, the observed share, which the lesson tells apart from the probability of 1/4 it settles near (school mathematics has its own word for it). 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <extracomment>Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.</extracomment>
        <translation>Nombre de lancers</translation>
    </message>
    <message>
        <source>Number of trials</source>
        <extracomment>What a screen reader calls the number under the table, before reading it.</extracomment>
        <translation>Nombre de lancers</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stop and Start are 105 pixels wide: about 10 characters.</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts a run, or goes on with the last one: 105 pixels wide, about 10 characters.</extracomment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Graph display</source>
        <extracomment>129 pixels wide: about 13 characters.</extracomment>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Class results…</source>
        <extracomment>The context menu: opens the class window on a folder of the class&apos;s results files.</extracomment>
        <translation>Résultats de la classe…</translation>
    </message>
    <message>
        <source>Class results</source>
        <extracomment>The title of the dialog that asks for the folder of a class&apos;s results files.</extracomment>
        <translation>Résultats de la classe</translation>
    </message>
    <message>
        <source>One trial (%1)</source>
        <extracomment>One trial each time a key is pressed: %1 is the key (&quot;Ctrl+T&quot;).</extracomment>
        <translation>Un lancer à la fois (%1)</translation>
    </message>
    <message>
        <source>Hand in</source>
        <extracomment>Writes the run&apos;s results file straight into the class folder, under the pupil&apos;s name.</extracomment>
        <translation>Rendre</translation>
    </message>
    <message>
        <source>The class folder %1 cannot be used: %2

The run is still here: choose another folder to save it in.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Le dossier de la classe %1 ne peut pas être utilisé&#xa0;: %2

Votre expérience est toujours là&#xa0;: choisissez un autre dossier pour l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>The run could not be handed in to the class folder %1: %2

It is still here: Save results… saves it in another folder.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>L&apos;expérience n&apos;a pas pu être rendue dans le dossier de la classe %1&#xa0;: %2

Elle est toujours là&#xa0;: «&#xa0;Enregistrer les résultats…&#xa0;» l&apos;enregistre dans un autre dossier.</translation>
    </message>
    <message>
        <source>Handed in as %1.</source>
        <extracomment>%1 is the name of the results file in the class folder.</extracomment>
        <translation>Rendu sous le nom %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n trials</source>
        <extracomment>Said every few seconds during a run: the number of trials so far.</extracomment>
        <translation>
            <numerusform>%n lancer</numerusform>
            <numerusform>%n lancers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %n trials.</source>
        <extracomment>Said when Stop ends a run: %n is the number of trials.</extracomment>
        <translation>
            <numerusform>Expérience arrêtée après %n lancer.</numerusform>
            <numerusform>Expérience arrêtée après %n lancers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Run finished after %n trials.</source>
        <extracomment>Said when a run ends by itself, one outcome having come up more than 1000 times.</extracomment>
        <translation>
            <numerusform>Expérience terminée après %n lancer.</numerusform>
            <numerusform>Expérience terminée après %n lancers.</numerusform>
        </translation>
    </message>
    <message>
        <source>表</source>
        <extracomment>The mark on the coin pictures&apos; head face, in place of the pictures&apos; own 表: a letter or two that pupils read as the head (its word&apos;s first letter), drawn about 18 pixels tall across a coin 30 pixels wide. Keep 表 to show the original pictures.</extracomment>
        <translation>F</translation>
    </message>
    <message>
        <source>裏</source>
        <extracomment>The mark on the coin pictures&apos; tail face, in place of the pictures&apos; own 裏: a letter or two that pupils read as the tail, as large as the head&apos;s mark. Keep 裏 to show the original pictures.</extracomment>
        <translation>P</translation>
    </message>
</context>
<context>
    <name>quindle::Gap</name>
    <message>
        <source>its count %1 above a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is this much more than a quarter of all trials: %1 is the amount (&quot;12.5&quot;). Read by a screen reader after the outcome (&quot;Head Tail: its count 12.5 above a quarter of the trials&quot;) and after its ratio in the class summary (&quot;Head Head 0.2482, its count 312.5 above a quarter of the trials.&quot;): say that it is the count that differs, and from a quarter of the trials, not the ratio from 1/4.</extracomment>
        <translation>effectif supérieur de %1 au quart des lancers</translation>
    </message>
    <message>
        <source>its count %1 below a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is this much less than a quarter of all trials (&quot;3.25&quot;); read as the text above is.</extracomment>
        <translation>effectif inférieur de %1 au quart des lancers</translation>
    </message>
    <message>
        <source>its count exactly a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is exactly a quarter of all trials; read as the texts above are.</extracomment>
        <translation>effectif égal au quart des lancers</translation>
    </message>
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message>
        <source>Copy graph</source>
        <extracomment>The graph window&apos;s context menu: puts the plot on the clipboard as a picture.</extracomment>
        <translation>Copier le graphique</translation>
    </message>
    <message>
        <source>Save graph…</source>
        <extracomment>The context menu: saves the plot as a PNG picture.</extracomment>
        <translation>Enregistrer le graphique…</translation>
    </message>
    <message>
        <source>Save graph at double resolution…</source>
        <extracomment>The context menu: the plot drawn afresh at twice the pixels, as a PNG picture.</extracomment>
        <translation>Enregistrer le graphique en double résolution…</translation>
    </message>
    <message>
        <source>Show expected range</source>
        <extracomment>The context menu, a check box: shades the band where chance keeps each ratio about 95 % of the time.</extracomment>
        <translation>Afficher la zone attendue</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The context menu: prints the graph, by the print dialog.</extracomment>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Read results</source>
        <extracomment>The context menu: brings a screen reader to the legend, which tells each outcome&apos;s result.</extracomment>
        <translation>Lire les résultats</translation>
    </message>
    <message>
        <source>Save graph</source>
        <extracomment>The title of the dialog that saves the graph as a PNG picture.</extracomment>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <extracomment>The file dialog&apos;s filter for PNG pictures.</extracomment>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>no trials yet</source>
        <extracomment>What a legend label tells a screen reader before the first trial.</extracomment>
        <translation>aucun lancer pour l&apos;instant</translation>
    </message>
    <message>
        <source>, inside the expected range</source>
        <extracomment>Follows a legend label&apos;s result while the expected range is shown.</extracomment>
        <translation>, dans la zone attendue</translation>
    </message>
    <message>
        <source>, outside the expected range</source>
        <extracomment>Follows a legend label&apos;s result while the expected range is shown.</extracomment>
        <translation>, hors de la zone attendue</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A legend label as a screen reader reads it: %1 the outcome, %2 its result.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The graph window&apos;s button, 65 pixels wide in the default font: about 8 characters.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>What a screen reader calls the plot.</extracomment>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all trials (vertical, 0 to 1) against the number of times that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed line at the theoretical 0.25</source>
        <extracomment>What a screen reader says the plot shows. Write 0.25 as the language writes it.</extracomment>
        <translation>Fréquence de chaque issue (axe vertical, de 0 à 1) en fonction du nombre de fois où cette issue est sortie (axe horizontal, de 0 à 1000), une courbe par issue, avec une ligne en pointillés à la valeur théorique 0,25</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <extracomment>The legend&apos;s labels are 57 pixels wide in a 12-point bold face: an outcome in a few letters, coin 1&apos;s face first, Fr for front (head) and Ba for back (tail), here back on both coins. The original joins them by a Japanese middle dot: join them as your language writes such a pair.</extracomment>
        <translation>P・P</translation>
    </message>
    <message>
        <source>the red curve</source>
        <extracomment>What a screen reader says a legend label stands for: its outcome&apos;s curve.</extracomment>
        <translation>la courbe rouge</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <extracomment>A legend label: back (tail) on coin 1, front (head) on coin 2.</extracomment>
        <translation>P・F</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <extracomment>A legend label: front (head) on coin 1, back (tail) on coin 2.</extracomment>
        <translation>F・P</translation>
    </message>
    <message>
        <source>the green curve</source>
        <extracomment>The curve is a dark green.</extracomment>
        <translation>la courbe verte</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <extracomment>A legend label: front (head) on both coins.</extracomment>
        <translation>F・F</translation>
    </message>
    <message>
        <source>the blue curve</source>
        <extracomment>The curve is a bright blue.</extracomment>
        <translation>la courbe bleue</translation>
    </message>
    <message>
        <source> Graph  </source>
        <extracomment>The graph window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Graphique  </translation>
    </message>
    <message>
        <source>Save graph as PDF…</source>
        <extracomment>The context menu: the graph on an A4 page as a PDF document.</extracomment>
        <translation>Enregistrer le graphique en PDF…</translation>
    </message>
    <message>
        <source>Save graph as PDF</source>
        <extracomment>The title of the dialog that saves the graph as a PDF document.</extracomment>
        <translation>Enregistrer le graphique en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>The file dialog&apos;s filter for PDF documents.</extracomment>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as SVG…</source>
        <extracomment>The context menu: the graph as an SVG picture of lines and text.</extracomment>
        <translation>Enregistrer le graphique en SVG…</translation>
    </message>
    <message>
        <source>Save graph as SVG</source>
        <extracomment>The title of the dialog that saves the graph as an SVG picture.</extracomment>
        <translation>Enregistrer le graphique en SVG</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <extracomment>The file dialog&apos;s filter for SVG pictures.</extracomment>
        <translation>Images SVG (*.svg)</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <extracomment>Follows the printed graph&apos;s caption when the run followed a seed.</extracomment>
        <translation>, graine %1</translation>
    </message>
    <message>
        <source>Show gap from a quarter</source>
        <extracomment>The graph window&apos;s context menu: a check mark turns the graph into each outcome&apos;s gap from a quarter of the trials.</extracomment>
        <translation>Afficher l&apos;écart au quart</translation>
    </message>
    <message>
        <source>Each outcome&apos;s count minus a quarter of all trials (vertical) against the number of trials (horizontal), one curve per outcome, with a dashed line at 0</source>
        <extracomment>What a screen reader says the plot shows in the gap view.</extracomment>
        <translation>Effectif de chaque issue moins le quart du nombre de lancers (axe vertical) en fonction du nombre de lancers (axe horizontal), une courbe par issue, avec une ligne en pointillés à 0</translation>
    </message>
    <message numerus="yes">
        <source>Quindle, %1: %n trials</source>
        <extracomment>The line above the printed graph: %1 the date, %n the number of trials.</extracomment>
        <translation>
            <numerusform>Quindle, %1&#xa0;: %n lancer</numerusform>
            <numerusform>Quindle, %1&#xa0;: %n lancers</numerusform>
        </translation>
    </message>
    <message>
        <source>not come up yet</source>
        <extracomment>What a legend label tells a screen reader while its outcome has not come up.</extracomment>
        <translation>pas encore sortie</translation>
    </message>
    <message numerus="yes">
        <source>ratio %1 after %n times</source>
        <extracomment>What a legend label tells a screen reader: %1 is the outcome&apos;s ratio, %n its count, the number of times it has come up.</extracomment>
        <translation>
            <numerusform>fréquence %1, sortie %n fois</numerusform>
            <numerusform>fréquence %1, sortie %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>the teal curve</source>
        <extracomment>The curve is teal, a dark blue-green (RGB 0, 128, 128).</extracomment>
        <translation>la courbe bleu canard</translation>
    </message>
    <message>
        <source>Show number of heads</source>
        <extracomment>The graph window&apos;s context menu: a check mark turns the graph into the shares of trials with two heads, with one head and with none.</extracomment>
        <translation>Afficher le nombre de «&#xa0;Face&#xa0;»</translation>
    </message>
    <message>
        <source>The share of the trials with two heads, with one head and with no heads (vertical, 0 to 1) against the number of trials (horizontal), with dashed lines at a quarter and a half, what chance gives, and a dotted line at a third</source>
        <extracomment>What a screen reader says the plot shows in the number-of-heads view.</extracomment>
        <translation>Part des lancers donnant deux fois Face, une fois Face et aucune fois Face (axe vertical, de 0 à 1) en fonction du nombre de lancers (axe horizontal), avec des lignes en tirets à un quart et à la moitié, ce que donne le hasard, et une ligne en points à un tiers</translation>
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
        <translation>Deux fois Face&#xa0;: aucun lancer pour l&apos;instant, un quart attendu</translation>
    </message>
    <message>
        <source>One head: no trials yet, a half expected</source>
        <extracomment>As for two heads, before the first trial: exactly one of the two coins a head.</extracomment>
        <translation>Une fois Face&#xa0;: aucun lancer pour l&apos;instant, la moitié attendue</translation>
    </message>
    <message>
        <source>No heads: no trials yet, a quarter expected</source>
        <extracomment>As for two heads, before the first trial: both coins a tail.</extracomment>
        <translation>Aucune fois Face&#xa0;: aucun lancer pour l&apos;instant, un quart attendu</translation>
    </message>
    <message numerus="yes">
        <source>Two heads: %1 (%2 of %n trials), a quarter expected</source>
        <extracomment>The graph&apos;s legend in the number-of-heads view, and the class&apos;s summary: %1 the share of the trials with two heads (&quot;0.252&quot;), %2 how many trials had two heads, %n all the trials. A quarter is what chance gives.</extracomment>
        <translation>
            <numerusform>Deux fois Face&#xa0;: %1 (%2 sur %n lancer), un quart attendu</numerusform>
            <numerusform>Deux fois Face&#xa0;: %1 (%2 sur %n lancers), un quart attendu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One head: %1 (%2 of %n trials), a half expected</source>
        <extracomment>As for two heads: exactly one of the two coins showed a head. A half is expected.</extracomment>
        <translation>
            <numerusform>Une fois Face&#xa0;: %1 (%2 sur %n lancer), la moitié attendue</numerusform>
            <numerusform>Une fois Face&#xa0;: %1 (%2 sur %n lancers), la moitié attendue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No heads: %1 (%2 of %n trials), a quarter expected</source>
        <extracomment>As for two heads: both coins showed a tail.</extracomment>
        <translation>
            <numerusform>Aucune fois Face&#xa0;: %1 (%2 sur %n lancer), un quart attendu</numerusform>
            <numerusform>Aucune fois Face&#xa0;: %1 (%2 sur %n lancers), un quart attendu</numerusform>
        </translation>
    </message>
    <message>
        <source>If the three were equally likely, each would be %1.</source>
        <extracomment>Said after the shares of two heads, one head and no heads: %1 is a third, &quot;0.333&quot;.</extracomment>
        <translation>Si les trois étaient également probables, chacun serait de %1.</translation>
    </message>
</context>
<context>
    <name>quindle::HelpText</name>
    <message>
        <source>【Problem】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【Problème】</translation>
    </message>
    <message>
        <source>Throw two coins at the same time and think about how they appear on front and back.</source>
        <extracomment>The help text is printed line by line as written, on a surface about 590 pixels wide; a line that does not fit loses its end. Keep each line about as long as the original and break the sentences where they fit. A blank at the end of a line belongs to it.</extracomment>
        <translation>On lance deux pièces en même temps et on regarde si chacune tombe sur pile ou face.</translation>
    </message>
    <message>
        <source>If these two coins are Coin1 and Coin2 , respectively , there are four ways to get </source>
        <extracomment>Name the coins as the experiment window does under their pictures.</extracomment>
        <translation>Si on les appelle Pièce 1 et Pièce 2, il y a quatre issues possibles&#xa0;: </translation>
    </message>
    <message>
        <source>them : front/front , front/back , back/front , back/back. </source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>face/face, face/pile, pile/face et pile/pile. </translation>
    </message>
    <message>
        <source>That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <extracomment>A new paragraph: each of the four outcomes has the probability 1/4.</extracomment>
        <translation>Autrement dit, chacune de ces quatre issues a une probabilité de 1/4.</translation>
    </message>
    <message>
        <source>However , in reality , if you throw two coins four times at the same time , </source>
        <extracomment>A new paragraph, going on in the next line: four throws need not give each outcome once.</extracomment>
        <translation>Pourtant, si l&apos;on lance réellement les deux pièces ensemble quatre fois de suite, </translation>
    </message>
    <message>
        <source>it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>on n&apos;obtient pas toujours exactement une fois pile/pile.</translation>
    </message>
    <message>
        <source>The same applies to the other three cases.</source>
        <extracomment>A paragraph of one line.</extracomment>
        <translation>Il en va de même pour les trois autres issues.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with the mathmatically obtained theoretical </source>
        <extracomment>The problem&apos;s question, going on in the next line: how do the observed ratios relate to the probability of 1/4 worked out in theory?</extracomment>
        <translation>Quel lien y a-t-il alors entre ces résultats et la probabilité théorique de 1/4 </translation>
    </message>
    <message>
        <source>probability of 1/4 ?</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>obtenue par le calcul&#x202f;?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【Mode d&apos;emploi】</translation>
    </message>
    <message>
        <source>Click the [Start] button to start the experiment.</source>
        <extracomment>[Start] names the experiment window&apos;s Start button: use its caption there.</extracomment>
        <translation>Cliquez sur le bouton [Démarrer] pour commencer l&apos;expérience.</translation>
    </message>
    <message>
        <source>Click the [Stop] button to stop the experiment.</source>
        <extracomment>[Stop] names the experiment window&apos;s Stop button: use its caption there.</extracomment>
        <translation>Cliquez sur le bouton [Arrêter] pour arrêter l&apos;expérience.</translation>
    </message>
    <message>
        <source>When you click the [Graph display] button , the relationship between the number of</source>
        <extracomment>[Graph display] names the experiment window&apos;s button: use its caption there.</extracomment>
        <translation>Cliquez sur le bouton [Graphique] pour voir sur un graphique comment la fréquence</translation>
    </message>
    <message>
        <source>experiments and the front/front , front/back , back/front , back/back , and the ratio</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>de chaque issue (face/face, face/pile, pile/face et pile/pile) évolue en fonction</translation>
    </message>
    <message>
        <source>of each is displayed in a graph.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>du nombre de lancers.</translation>
    </message>
    <message>
        <source>You can restart the experiment from the beginning by clicking the [Init] button.</source>
        <extracomment>[Init] names the experiment window&apos;s Init button: use its caption there.</extracomment>
        <translation>Cliquez sur le bouton [Effacer] pour reprendre l&apos;expérience au début.</translation>
    </message>
</context>
<context>
    <name>quindle::HelpWindow</name>
    <message>
        <source>Close</source>
        <extracomment>The help window&apos;s button, which closes it and brings the experiment window back: 57 pixels wide in the default font, about 7 characters.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Help text</source>
        <extracomment>What a screen reader calls the surface the help text is printed on.</extracomment>
        <translation>Texte de l&apos;aide</translation>
    </message>
    <message>
        <source> Quindle＿Help（Question and operation method） </source>
        <extracomment>The help window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Quindle＿Aide（Problème et mode d&apos;emploi） </translation>
    </message>
</context>
<context>
    <name>quindle::Outcome</name>
    <message>
        <source>Head</source>
        <extracomment>A coin&apos;s face, as the class table&apos;s headers and a screen reader name an outcome (&quot;Head Tail&quot;); starts a sentence too.</extracomment>
        <translation>Face</translation>
    </message>
    <message>
        <source>Tail</source>
        <extracomment>A coin&apos;s other face.</extracomment>
        <translation>Pile</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>An outcome as it is said and printed: %1 is coin 1&apos;s face, %2 coin 2&apos;s (&quot;Head Tail&quot;).</extracomment>
        <translation>%1&#x202f;%2</translation>
    </message>
</context>
<context>
    <name>quindle::Paper</name>
    <message>
        <source>Cannot print: %1</source>
        <extracomment>Shown instead of the print dialog; %1 says why (a missing part of the installation).</extracomment>
        <translation>Impossible d&apos;imprimer&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>quindle::Plot</name>
    <message>
        <source>(Horizontal axis : Number of times)</source>
        <extracomment>The horizontal axis&apos;s title, printed from about 60 % of the graph&apos;s width to its right edge: there is room for about 35 characters.</extracomment>
        <translation>(Axe horizontal&#xa0;: nombre de fois)</translation>
    </message>
    <message>
        <source>(Vertical axis : Ratio)</source>
        <extracomment>The vertical axis&apos;s title, printed right of the axis&apos;s top: each outcome&apos;s share of all trials, its relative frequency.</extracomment>
        <translation>(Axe vertical&#xa0;: fréquence)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of trials)</source>
        <extracomment>The gap view&apos;s horizontal axis title, printed at the bottom left just above the axis, where the curves are still close to 0: there is room for about 50 characters.</extracomment>
        <translation>(Axe horizontal&#xa0;: nombre de lancers)</translation>
    </message>
    <message>
        <source>(Vertical axis : Count minus a quarter of the trials)</source>
        <extracomment>The gap view&apos;s vertical axis title, printed at the top left of the graph: each outcome&apos;s count less a quarter of all trials. There is room for about 80 characters.</extracomment>
        <translation>(Axe vertical&#xa0;: effectif moins le quart du nombre de lancers)</translation>
    </message>
    <message>
        <source>(Vertical axis : Share of the trials)</source>
        <extracomment>The number-of-heads view&apos;s vertical axis title, printed at the top left of the graph: the share of all trials with two heads, with one, with none. Room for about 50 characters.</extracomment>
        <translation>(Axe vertical&#xa0;: part des lancers)</translation>
    </message>
    <message>
        <source>if the three were equally likely</source>
        <extracomment>Marks the dotted line at 1/3 in the number-of-heads view: what the shares of two heads, one head and no head would be if the three were equally likely. Printed above the line&apos;s right half: room for about 45 characters.</extracomment>
        <translation>si les trois étaient également probables</translation>
    </message>
</context>
<context>
    <name>quindle::ResultTable</name>
    <message>
        <source>frequency</source>
        <extracomment>Read by a screen reader before each count of the result table (&quot;frequency 567&quot;).</extracomment>
        <translation>effectif</translation>
    </message>
    <message>
        <source>ratio</source>
        <extracomment>Read before each ratio of the result table.</extracomment>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>What a screen reader calls the table of counts and ratios.</extracomment>
        <translation>Résultats</translation>
    </message>
</context>
<context>
    <name>quindle::Saving</name>
    <message>
        <source>the file could not be written</source>
        <extracomment>Why a file was not saved, after &quot;… could not be saved: &quot;.</extracomment>
        <translation>le fichier n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>%1 n&apos;a pas pu être enregistré&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>quindle::Settings</name>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>Why a settings file is not used: %1 is the system&apos;s reason, such as &quot;Permission denied&quot;. Follows the file&apos;s path and a colon.</extracomment>
        <translation>impossible à lire (%1)</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <extracomment>Why a settings file is not used: a folder, a pipe or a device is in its place.</extracomment>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message numerus="yes">
        <source>is too large for a settings file (%1 bytes)</source>
        <extracomment>Why a settings file is not used: %1 is its size in bytes, always more than 65536 (the form follows it).</extracomment>
        <translation>
            <numerusform>est trop volumineux pour un fichier de paramètres (%1 octet)</numerusform>
            <numerusform>est trop volumineux pour un fichier de paramètres (%1 octets)</numerusform>
        </translation>
    </message>
    <message>
        <source>holds a value starting with &apos;@Variant(&apos; or &apos;\&apos;, which Qt would read as stored data and no Quindle setting has</source>
        <extracomment>Why a settings file is not used; keep &apos;@Variant(&apos; and the backslash as they are.</extracomment>
        <translation>contient une valeur commençant par &apos;@Variant(&apos; ou &apos;\&apos;, que Qt lirait comme des données enregistrées et qu&apos;aucun paramètre de Quindle n&apos;utilise</translation>
    </message>
    <message>
        <source>%1: %2; its settings are not used and nothing is remembered</source>
        <extracomment>A settings file that is not used: %1 is its path, %2 why (&quot;is not a regular file&quot;). It is the pupil&apos;s own file, so no zoom or folder chosen is remembered.</extracomment>
        <translation>%1&#xa0;: %2&#x202f;; ses paramètres ne sont pas utilisés et rien n&apos;est mémorisé</translation>
    </message>
    <message>
        <source>%1: %2; its settings are not used</source>
        <extracomment>A school&apos;s settings file that is not used: %1 is its path, %2 why (&quot;is not a regular file&quot;).</extracomment>
        <translation>%1&#xa0;: %2&#x202f;; ses paramètres ne sont pas utilisés</translation>
    </message>
    <message>
        <source>%1: cannot be read; its settings are not used and nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, which Qt could not read.</extracomment>
        <translation>%1&#xa0;: impossible à lire&#x202f;; ses paramètres ne sont pas utilisés et rien n&apos;est mémorisé</translation>
    </message>
    <message>
        <source>%1: cannot be read; its settings are not used</source>
        <extracomment>%1 is the path of a school&apos;s settings file, which Qt could not read.</extracomment>
        <translation>%1&#xa0;: impossible à lire&#x202f;; ses paramètres ne sont pas utilisés</translation>
    </message>
    <message>
        <source>%1: not all of it is in the settings format; the rest is used, and nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, of which only some lines are settings (&quot;key=value&quot; under &quot;[section]&quot;): those are used, but nothing chosen is written back into it.</extracomment>
        <translation>%1&#xa0;: tout n&apos;y est pas au format des paramètres&#x202f;; le reste est utilisé, et rien n&apos;est mémorisé</translation>
    </message>
    <message>
        <source>%1: not all of it is in the settings format; the rest is used</source>
        <extracomment>%1 is the path of a school&apos;s settings file, of which only some lines are settings (&quot;key=value&quot; under &quot;[section]&quot;): those are used.</extracomment>
        <translation>%1&#xa0;: tout n&apos;y est pas au format des paramètres&#x202f;; le reste est utilisé</translation>
    </message>
    <message>
        <source>%1: %2: holds a list (a comma outside double quotes); ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key as the file has it (&quot;[display] zoom&quot;), whose value holds a comma, which makes it a list of values.</extracomment>
        <translation>%1&#xa0;: %2&#xa0;: contient une liste (une virgule hors des guillemets doubles)&#x202f;; valeur ignorée</translation>
    </message>
    <message>
        <source>%1: %2: is not a text; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key as the file has it (&quot;[display] zoom&quot;), whose value is stored data (&quot;@Rect(0 0 1 1)&quot;) rather than a text.</extracomment>
        <translation>%1&#xa0;: %2&#xa0;: n&apos;est pas un texte&#x202f;; valeur ignorée</translation>
    </message>
    <message>
        <source>%1: %2: &apos;%3&apos; is not an absolute path; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[class] folder&quot;), %3 its value, which does not start at the root (&quot;/&quot;).</extracomment>
        <translation>%1&#xa0;: %2&#xa0;: &apos;%3&apos; n&apos;est pas un chemin absolu&#x202f;; valeur ignorée</translation>
    </message>
    <message>
        <source>%1: %2: &apos;%3&apos; is not one of %4; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[display] zoom&quot;), %3 its value, %4 the zoom steps there are (&quot;100, 125, 150, 175, 200, 250, 300&quot;).</extracomment>
        <translation>%1&#xa0;: %2&#xa0;: &apos;%3&apos; n&apos;est pas l&apos;une des valeurs %4&#x202f;; valeur ignorée</translation>
    </message>
    <message>
        <source>%1: %2: no translation for &apos;%3&apos; (there are %4); ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[display] language&quot;), %3 its value, %4 the language codes there are (&quot;en, de, es, ...&quot;).</extracomment>
        <translation>%1&#xa0;: %2&#xa0;: pas de traduction pour &apos;%3&apos; (il y en a pour %4)&#x202f;; valeur ignorée</translation>
    </message>
    <message>
        <source>--language: no translation for &apos;%1&apos; (there are %2); ignored</source>
        <extracomment>%1 is the value given to the command line&apos;s --language, %2 the language codes there are (&quot;en, de, es, ...&quot;); keep --language as it is.</extracomment>
        <translation>--language&#xa0;: pas de traduction pour &apos;%1&apos; (il y en a pour %2)&#x202f;; valeur ignorée</translation>
    </message>
    <message>
        <source>--zoom: &apos;%1&apos; is not one of %2; ignored</source>
        <extracomment>%1 is the value given to the command line&apos;s --zoom, %2 the zoom steps there are (&quot;100, 125, 150, 175, 200, 250, 300&quot;); keep --zoom as it is.</extracomment>
        <translation>--zoom&#xa0;: &apos;%1&apos; n&apos;est pas l&apos;une des valeurs %2&#x202f;; valeur ignorée</translation>
    </message>
    <message>
        <source>--class: &apos;%1&apos; is not a folder; the class window stays closed</source>
        <extracomment>%1 is the value given to the command line&apos;s --class, which names no folder; keep --class as it is.</extracomment>
        <translation>--class&#xa0;: &apos;%1&apos; n&apos;est pas un dossier&#x202f;; la fenêtre de la classe reste fermée</translation>
    </message>
    <message>
        <source>%1: cannot be read whole; nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, which could not be read whole when the program came to remember a zoom or a folder in it.</extracomment>
        <translation>%1&#xa0;: impossible à lire en entier&#x202f;; rien n&apos;est mémorisé</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2); nothing more is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, %2 the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>%1&#xa0;: impossible à écrire (%2)&#x202f;; plus rien n&apos;est mémorisé</translation>
    </message>
</context>
<context>
    <name>quindle::Streaks</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of counts chance gives about 95 % of the time, in a table cell: &quot;3 to 7&quot;.
----------
A range of shares chance gives about 95 % of the time, in a table cell: &quot;0.219 to 0.281&quot;.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message numerus="yes">
        <source>%n of the same face of Coin1 in a row</source>
        <extracomment>A row of the after-a-streak table: what came after k of the same face of Coin1 in a row (&quot;3 of the same face of Coin1 in a row&quot;).</extracomment>
        <translation>
            <numerusform>%n côté de Pièce 1</numerusform>
            <numerusform>%n fois de suite le même côté de Pièce 1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same outcome in a row</source>
        <extracomment>A row of the after-a-streak table: what came after k of the same outcome in a row.</extracomment>
        <translation>
            <numerusform>%n issue</numerusform>
            <numerusform>%n fois de suite la même issue</numerusform>
        </translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>The one letter that stands for Head when a pupil types a coin&apos;s faces (H in English). H and T are understood as well, unless your letters give them another meaning.</extracomment>
        <translation>F</translation>
    </message>
    <message>
        <source>T</source>
        <extracomment>The one letter that stands for Tail when a pupil types a coin&apos;s faces (T in English).</extracomment>
        <translation>P</translation>
    </message>
    <message>
        <source>“%1” (character %2) is not a face: type %3 for Head and %4 for Tail. Blanks and commas are left out.</source>
        <extracomment>Under the field for an invented sequence: %1 is what the pupil typed that is no face, %2 where it stands (1 for the first character), %3 and %4 the letters for Head and Tail.</extracomment>
        <translation>«&#xa0;%1&#xa0;» (caractère %2) n&apos;est pas un côté de la pièce&#xa0;: tapez %3 pour Face et %4 pour Pile. Les espaces et les virgules ne comptent pas.</translation>
    </message>
    <message numerus="yes">
        <source>Your sequence switches %n times in %1 chances; real ones switch %2 to %3 times. Invented sequences usually switch too often.</source>
        <extracomment>%n switches of the typed sequence (a face different from the one before) in %1 chances; real sequences of its length switch %2 to %3 times 95 % of the time.</extracomment>
        <translation>
            <numerusform>Votre suite change de côté %n fois sur %1 occasions&#x202f;; les vraies changent de côté %2 à %3 fois. Les suites inventées changent en général trop souvent de côté.</numerusform>
            <numerusform>Votre suite change de côté %n fois sur %1 occasions&#x202f;; les vraies changent de côté %2 à %3 fois. Les suites inventées changent en général trop souvent de côté.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your sequence switches %n times in %1 chances; real ones switch %2 to %3 times. Yours switches less often than real ones do.</source>
        <extracomment>The same when the typed sequence switches less often than real ones do.</extracomment>
        <translation>
            <numerusform>Votre suite change de côté %n fois sur %1 occasions&#x202f;; les vraies changent de côté %2 à %3 fois. La vôtre change moins souvent de côté que les vraies.</numerusform>
            <numerusform>Votre suite change de côté %n fois sur %1 occasions&#x202f;; les vraies changent de côté %2 à %3 fois. La vôtre change moins souvent de côté que les vraies.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak is %n in a row; real sequences of %1 faces have %2 to %3. Invented sequences usually have streaks too short.</source>
        <extracomment>The typed sequence&apos;s longest streak is %n in a row; real sequences of %1 faces have a longest streak of %2 to %3 95 % of the time.</extracomment>
        <translation>
            <numerusform>Votre plus longue série est de %n lancer&#x202f;; dans les vraies suites de %1 lancers, elle va de %2 à %3. Les suites inventées ont en général des séries trop courtes.</numerusform>
            <numerusform>Votre plus longue série est de %n lancers&#x202f;; dans les vraies suites de %1 lancers, elle va de %2 à %3. Les suites inventées ont en général des séries trop courtes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak is %n in a row; real sequences of %1 faces have %2 to %3. Yours is longer than real ones usually are.</source>
        <extracomment>The same when the typed sequence&apos;s longest streak is longer than real ones&apos;.</extracomment>
        <translation>
            <numerusform>Votre plus longue série est de %n lancer&#x202f;; dans les vraies suites de %1 lancers, elle va de %2 à %3. La vôtre est plus longue que dans les vraies suites, en général.</numerusform>
            <numerusform>Votre plus longue série est de %n lancers&#x202f;; dans les vraies suites de %1 lancers, elle va de %2 à %3. La vôtre est plus longue que dans les vraies suites, en général.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak (%1) and your switches (%2) lie where real sequences of %n faces usually have theirs: by these two measures yours could be real.</source>
        <extracomment>Both measures of the typed sequence of %n faces lie inside the ranges of real ones; %1 is its longest streak, %2 its switches.</extracomment>
        <translation>
            <numerusform>Votre plus longue série (%1) et vos changements (%2) sont là où les ont en général les vraies suites de %n lancer&#xa0;: selon ces deux mesures, la vôtre pourrait être vraie.</numerusform>
            <numerusform>Votre plus longue série (%1) et vos changements (%2) sont là où les ont en général les vraies suites de %n lancers&#xa0;: selon ces deux mesures, la vôtre pourrait être vraie.</numerusform>
        </translation>
    </message>
    <message>
        <source>No trials yet: there are no streaks.</source>
        <extracomment>Read streaks, before any trial.</extracomment>
        <translation>Aucun lancer pour l&apos;instant&#xa0;: il n&apos;y a pas de série.</translation>
    </message>
    <message numerus="yes">
        <source>%n times in a row</source>
        <extracomment>Part of Read streaks: &quot;5 times in a row&quot;, how long the longest streak was.</extracomment>
        <translation>
            <numerusform>%n fois de suite</numerusform>
            <numerusform>%n fois de suite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %1 %2, %3 to %4 expected in %Ln runs.</source>
        <extracomment>Read streaks on a class: %1 the outcome, %2 &quot;5 times in a row&quot;, %3 to %4 the range chance gives the longest streak of an outcome about 95 % of the time in %n runs, each on its own.</extracomment>
        <translation>
            <numerusform>Plus longue série&#xa0;: %1 %2, on attend de %3 à %4 sur %Ln expérience.</numerusform>
            <numerusform>Plus longue série&#xa0;: %1 %2, on attend de %3 à %4 sur %Ln expériences.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %1 %2, %3 to %4 expected in %Ln trials.</source>
        <extracomment>Read streaks: %1 the outcome, %2 &quot;5 times in a row&quot;, %3 to %4 the range chance gives the longest streak of an outcome about 95 % of the time in %n trials.</extracomment>
        <translation>
            <numerusform>Plus longue série&#xa0;: %1 %2, on attend de %3 à %4 sur %Ln lancer.</numerusform>
            <numerusform>Plus longue série&#xa0;: %1 %2, on attend de %3 à %4 sur %Ln lancers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After %n of the same outcome in a row, the next trial repeated it %1 of the time, a quarter expected.</source>
        <extracomment>Read streaks, its second sentence: after k of the same outcome in a row, the share of those trials in which the next trial was the same outcome again.</extracomment>
        <translation>
            <numerusform>Après %n issue, le lancer suivant l&apos;a répétée avec une fréquence de %1, un quart attendu.</numerusform>
            <numerusform>Après %n fois de suite la même issue, le lancer suivant l&apos;a répétée avec une fréquence de %1, un quart attendu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The field takes %Ln characters at most: the rest of what was pasted was left out.</source>
        <extracomment>After a typed (or pasted) sequence that fills the field: the rest was not taken.</extracomment>
        <translation>
            <numerusform>Le champ prend au plus %Ln caractère&#xa0;: le reste de ce qui a été collé a été laissé de côté.</numerusform>
            <numerusform>Le champ prend au plus %Ln caractères&#xa0;: le reste de ce qui a été collé a été laissé de côté.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quindle::StreaksWindow</name>
    <message>
        <source>Streaks in the run</source>
        <extracomment>The streaks window&apos;s title, on the pupil&apos;s run.</extracomment>
        <translation>Séries de l&apos;expérience</translation>
    </message>
    <message>
        <source>Streaks in the class</source>
        <extracomment>The streaks window&apos;s title, on a class&apos;s runs.</extracomment>
        <translation>Séries de la classe</translation>
    </message>
    <message>
        <source>Longest streaks</source>
        <extracomment>The heading of the streaks window&apos;s first table.</extracomment>
        <translation>Plus longues séries</translation>
    </message>
    <message>
        <source>A streak is the same result several times in a row. Real sequences of chance have longer streaks than most people expect.</source>
        <extracomment>Above the table of longest streaks.</extracomment>
        <translation>Une série, c&apos;est le même résultat plusieurs fois de suite. Les vraies suites dues au hasard ont des séries plus longues que ce que la plupart des gens imaginent.</translation>
    </message>
    <message>
        <source>After a streak</source>
        <extracomment>The heading of the table of what came after a streak.</extracomment>
        <translation>Après une série</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The streaks window&apos;s button that closes it.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Real or invented?</source>
        <extracomment>The heading of the part where a pupil types an invented sequence.</extracomment>
        <translation>Vraie ou inventée&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Invent a coin&apos;s faces as you think a real coin falls, and type them here: %1 for Head, %2 for Tail, at least %n faces.</source>
        <extracomment>Above the field for an invented sequence: %1 and %2 the letters for Head and Tail, %n the fewest faces it needs.</extracomment>
        <translation>
            <numerusform>Inventez les côtés d&apos;une pièce comme vous pensez qu&apos;une vraie pièce tombe, et tapez-les ici&#xa0;: %1 pour Face, %2 pour Pile, au moins %n lancer.</numerusform>
            <numerusform>Inventez les côtés d&apos;une pièce comme vous pensez qu&apos;une vraie pièce tombe, et tapez-les ici&#xa0;: %1 pour Face, %2 pour Pile, au moins %n lancers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your sequence against real ones</source>
        <extracomment>The heading of the table that measures an invented sequence.</extracomment>
        <translation>Votre suite comparée aux vraies</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>The streaks window&apos;s context menu: puts its tables on the clipboard.</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The context menu: prints the tables, by the print dialog.</extracomment>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Read streaks</source>
        <extracomment>The context menu: a screen reader says the main findings in a sentence.</extracomment>
        <translation>Lire les séries</translation>
    </message>
    <message numerus="yes">
        <source>Streaks in this run: %Ln trials.</source>
        <extracomment>Above the streaks window&apos;s tables, on the pupil&apos;s run.</extracomment>
        <translation>
            <numerusform>Séries de cette expérience&#xa0;: %Ln lancer.</numerusform>
            <numerusform>Séries de cette expérience&#xa0;: %Ln lancers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Streaks in the class: %n runs with %1 trials, each run on its own (no streak runs from one run into the next).</source>
        <extracomment>Above the streaks window&apos;s tables, on a class: %n runs, %1 trials in all.</extracomment>
        <translation>
            <numerusform>Séries de la classe&#xa0;: %n expérience avec %1 lancers, chaque expérience à part (aucune série ne passe d&apos;une expérience à la suivante).</numerusform>
            <numerusform>Séries de la classe&#xa0;: %n expériences avec %1 lancers, chaque expérience à part (aucune série ne passe d&apos;une expérience à la suivante).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n runs are left out: their files do not keep the order of the trials.</source>
        <extracomment>After the class&apos;s runs: runs whose files keep only their counts are left out.</extracomment>
        <translation>
            <numerusform>%n expérience n&apos;est pas prise en compte&#xa0;: son fichier ne garde pas l&apos;ordre des lancers.</numerusform>
            <numerusform>%n expériences ne sont pas prises en compte&#xa0;: leurs fichiers ne gardent pas l&apos;ordre des lancers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>The first column of the longest streaks&apos; table: an outcome, or Coin1.</extracomment>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <extracomment>A column: the longest streak of the result in the trials.
----------
A column: the longest streak of the same face.</extracomment>
        <translation>Plus longue série</translation>
    </message>
    <message>
        <source>Usual (median)</source>
        <extracomment>A column: the longest streak that chance gives as often above as below.</extracomment>
        <translation>Typique (médiane)</translation>
    </message>
    <message>
        <source>95 % of the time</source>
        <extracomment>A column: the range that chance keeps the longest streak in, 95 % of the time.
----------
A column: the range chance keeps that share in, 95 % of the time, for so many times.</extracomment>
        <translation>95&#x202f;% du temps</translation>
    </message>
    <message>
        <source>Coin1, either face</source>
        <extracomment>A row of the longest streaks&apos; table: Coin1 alone, a streak of either face.</extracomment>
        <translation>Pièce 1, face ou pile</translation>
    </message>
    <message>
        <source>After</source>
        <extracomment>The first column of the after-a-streak table.</extracomment>
        <translation>Après</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>A column: how many trials followed k of the same in a row.</extracomment>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Next the same</source>
        <extracomment>A column: how many of those trials were the same again.</extracomment>
        <translation>Suivant pareil</translation>
    </message>
    <message>
        <source>Share the same</source>
        <extracomment>A column: the share of those trials that were the same again.</extracomment>
        <translation>Part des pareils</translation>
    </message>
    <message>
        <source>Expected</source>
        <extracomment>A column: the share that chance gives: a quarter for an outcome, a half for a face.</extracomment>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Sequence</source>
        <extracomment>The first column of the table that measures a typed sequence.</extracomment>
        <translation>Suite</translation>
    </message>
    <message>
        <source>Switches</source>
        <extracomment>A column: how often a face differs from the one before it.</extracomment>
        <translation>Changements</translation>
    </message>
    <message numerus="yes">
        <source>Yours: %n faces</source>
        <extracomment>A row: the typed sequence&apos;s measures, of %n faces.</extracomment>
        <translation>
            <numerusform>La vôtre&#xa0;: %n lancer</numerusform>
            <numerusform>La vôtre&#xa0;: %n lancers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Coin1&apos;s first %n faces in this run</source>
        <extracomment>A row: the same measures of Coin1&apos;s first %n faces in the run.</extracomment>
        <translation>
            <numerusform>Le premier lancer (%n) de Pièce 1 dans cette expérience</numerusform>
            <numerusform>Les %n premiers lancers de Pièce 1 dans cette expérience</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Coin1&apos;s first %n faces in a run</source>
        <extracomment>A row: the same of Coin1&apos;s first %n faces in the class&apos;s first run with as many trials.</extracomment>
        <translation>
            <numerusform>Le premier lancer (%n) de Pièce 1 dans une expérience</numerusform>
            <numerusform>Les %n premiers lancers de Pièce 1 dans une expérience</numerusform>
        </translation>
    </message>
    <message>
        <source>Real ones, 95 % of the time</source>
        <extracomment>A row: the range real sequences of that length keep each measure in, 95 % of the time.</extracomment>
        <translation>Vraies, 95&#x202f;% du temps</translation>
    </message>
    <message>
        <source>After k of the same in a row, how often was the next trial the same again? Streaks overlap: in a streak of 5, the trials after its 3rd, 4th and 5th result each follow 3 in a row. Nothing follows the last trial of a run.</source>
        <extracomment>Above the table of what came after a streak.</extracomment>
        <translation>Après k fois de suite la même chose, combien de fois le lancer suivant a-t-il encore été pareil&#xa0;? Les séries se chevauchent&#xa0;: dans une série de 5, les lancers qui suivent ses 3e, 4e et 5e résultats viennent chacun après 3 pareils de suite. Rien ne vient après le dernier lancer d&apos;une expérience.</translation>
    </message>
    <message>
        <source>Any outcome</source>
        <extracomment>A row of the longest streaks&apos; table: the longest streak of whichever outcome, against what chance gives the longest of any of the four.</extracomment>
        <translation>Une issue quelconque</translation>
    </message>
</context>
<context>
    <name>quindle::ZoomControl</name>
    <message>
        <source>%1%</source>
        <extracomment>A zoom step in the context menu: %1 is the percentage.</extracomment>
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>Zoom (%1%)</source>
        <extracomment>The context menu&apos;s zoom entry, with the zoom in force: %1 is the percentage.</extracomment>
        <translation>Zoom (%1&#x202f;%)</translation>
    </message>
    <message>
        <source>Larger</source>
        <extracomment>Zooms all windows one step larger.</extracomment>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Smaller</source>
        <extracomment>Zooms all windows one step smaller.</extracomment>
        <translation>Plus petit</translation>
    </message>
</context>
</TS>
