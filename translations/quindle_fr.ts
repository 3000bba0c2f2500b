<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Fréquences de chaque expérience selon son nombre de lancers ; la classe, en plus grand</translation>
    </message>
    <message>
        <source>All runs one after another: each share so far</source>
        <extracomment>The class curve&apos;s title: all runs&apos; trials one after another.</extracomment>
        <translation>Toutes les expériences à la suite : fréquence de chaque issue au fil des lancers</translation>
    </message>
</context>
<context>
    <name>quindle::ClassWindow</name>
    <message>
        <source>Class results: %1</source>
        <extracomment>The class window&apos;s title; %1 is the folder&apos;s name.</extracomment>
        <translation>Résultats de la classe : %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Lancers</translation>
    </message>
    <message>
        <source>%1
ratio</source>
        <extracomment>A column of the class table, on two lines: %1 is an outcome (&quot;Head Tail&quot;).</extracomment>
        <translation>%1
fréquence</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save class results…</source>
        <translation>Enregistrer les résultats de la classe…</translation>
    </message>
    <message>
        <source>Save class results</source>
        <translation>Enregistrer les résultats de la classe</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy pictures</source>
        <translation>Copier les graphiques</translation>
    </message>
    <message>
        <source>Save pictures…</source>
        <translation>Enregistrer les graphiques…</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <translation>Enregistrer les graphiques</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Read summary</source>
        <translation>Lire le bilan</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The class table&apos;s last row, which pools every run.</extracomment>
        <translation>Classe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Quindle, class results, %1: %2 runs, %3 trials</source>
        <extracomment>The caption above the printed pictures: %1 the date, %2 the runs, %3 the trials.</extracomment>
        <translation>Quindle, résultats de la classe, %1 : %2 expériences, %3 lancers</translation>
    </message>
    <message>
        <source>%1 runs, %2 trials in all.</source>
        <extracomment>Said on demand: %1 the number of runs pooled, %2 their trials.</extracomment>
        <translation>%1 expériences, %2 lancers en tout.</translation>
    </message>
    <message>
        <source> %1 %2.</source>
        <extracomment>Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.</extracomment>
        <translation> %1 : fréquence %2.</translation>
    </message>
    <message>
        <source> %1 of %2 runs lie inside the expected range.</source>
        <extracomment>%1 of %2 runs have all four ratios inside the expected range.</extracomment>
        <translation> Expériences dans la zone attendue : %1 sur %2.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Runs and the class</source>
        <translation>Les expériences et la classe</translation>
    </message>
    <message>
        <source>Files not pooled</source>
        <translation>Fichiers non pris en compte</translation>
    </message>
    <message>
        <source>Each run&apos;s ratios</source>
        <translation>Fréquences de chaque expérience</translation>
    </message>
    <message>
        <source>Each run&apos;s four ratios against its number of trials, and the class&apos;s pooled ratios</source>
        <translation>Les quatre fréquences de chaque expérience en fonction de son nombre de lancers, et les fréquences de toute la classe</translation>
    </message>
    <message>
        <source>The class curve</source>
        <translation>La courbe de la classe</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all the class&apos;s trials so far, run after run</source>
        <translation>Fréquence de chaque issue parmi tous les lancers de la classe jusque-là, expérience après expérience</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a file of the class&apos;s folder is not pooled, after its name.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>too large for a results file (%1 KB)</source>
        <translation>trop volumineux pour un fichier de résultats (%1 Ko)</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>pas un fichier texte</translation>
    </message>
    <message>
        <source>not a Quindle results file</source>
        <translation>pas un fichier de résultats Quindle</translation>
    </message>
    <message>
        <source>saved by a newer Quindle (format %1)</source>
        <translation>enregistré par une version plus récente de Quindle (format %1)</translation>
    </message>
    <message>
        <source>cut short after trial %1 of %2</source>
        <translation>tronqué après le lancer %1 sur %2</translation>
    </message>
    <message>
        <source>cut short before its end</source>
        <translation>tronqué avant la fin</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <translation>copie de %1</translation>
    </message>
    <message>
        <source>inconsistent: the counts add up to %1, not %2 trials</source>
        <translation>incohérent : la somme des effectifs est %1 au lieu de %2 lancers</translation>
    </message>
    <message>
        <source>inconsistent: a ratio does not match its count (line %1)</source>
        <translation>incohérent : une fréquence ne correspond pas à son effectif (ligne %1)</translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the counts (line %1)</source>
        <translation>incohérent : l&apos;historique ne concorde pas avec les effectifs (ligne %1)</translation>
    </message>
    <message>
        <source>inconsistent: the trial log disagrees with the counts (line %1)</source>
        <translation>incohérent : le journal des lancers ne concorde pas avec les effectifs (ligne %1)</translation>
    </message>
    <message>
        <source>inconsistent: more trials than a run can have</source>
        <translation>incohérent : plus de lancers qu&apos;une expérience ne peut en compter</translation>
    </message>
    <message>
        <source>inconsistent: line %1 cannot be read</source>
        <translation>incohérent : la ligne %1 est illisible</translation>
    </message>
</context>
<context>
    <name>quindle::CommandLine</name>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <translation>Lance deux pièces encore et encore et compte les quatre issues, pour voir la fréquence de chacune se stabiliser autour de 1/4.</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <translation>Tire chaque résultat d&apos;une suite fixée par &lt;N&gt; (un nombre entier) au lieu de l&apos;horloge : les lancers sont alors les mêmes, un à un, sur toutes les machines.</translation>
    </message>
    <message>
        <source>Shows the texts in &lt;CODE&gt; (en, %1) instead of the system&apos;s language.</source>
        <extracomment>%1 lists the languages the program is translated into.</extracomment>
        <translation>Affiche les textes dans la langue &lt;CODE&gt; (en, %1) au lieu de celle du système.</translation>
    </message>
    <message>
        <source>Starts with every window at &lt;PERCENT&gt; of its size (%1).</source>
        <extracomment>%1 lists the zoom steps.</extracomment>
        <translation>Ouvre toutes les fenêtres à &lt;PERCENT&gt; de leur taille (%1).</translation>
    </message>
    <message>
        <source>Opens the class window beside the experiment window, pooling the results files in &lt;FOLDER&gt; as they come.</source>
        <translation>Ouvre la fenêtre de la classe à côté de la fenêtre de l&apos;expérience et met en commun les fichiers de résultats de &lt;FOLDER&gt; au fur et à mesure de leur arrivée.</translation>
    </message>
</context>
<context>
    <name>quindle::Errors</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>%1 is the error&apos;s number, %2 its name in English (&quot;Overflow&quot;).</extracomment>
        <translation>Erreur d&apos;exécution &apos;%1&apos; :

%2</translation>
    </message>
    <message>
        <source>Unexpected error:

%1</source>
        <translation>Erreur inattendue :

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
        <translation>Effectif de %1</translation>
    </message>
    <message>
        <source>%1 probability</source>
        <translation>Fréquence de %1</translation>
    </message>
    <message>
        <source>%1 trials</source>
        <extracomment>Said every few seconds during a run.</extracomment>
        <translation>%1 lancers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save results…</source>
        <translation>Enregistrer les résultats…</translation>
    </message>
    <message>
        <source>Pace</source>
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
        <translation>Graine : %1</translation>
    </message>
    <message>
        <source>Seed: none, the run follows the clock</source>
        <translation>Graine : aucune, les lancers suivent l&apos;horloge</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Enregistrer les résultats</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Counts cleared.</source>
        <translation>Effectifs remis à zéro.</translation>
    </message>
    <message>
        <source>Stopped after %1 trials.</source>
        <translation>Expérience arrêtée après %1 lancers.</translation>
    </message>
    <message>
        <source>Run finished after %1 trials.</source>
        <translation>Expérience terminée après %1 lancers.</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows &quot;Stopped after … trials.&quot; once per outcome: %1 the outcome (&quot;Head Tail&quot;), %2 its count, %3 its ratio.</extracomment>
        <translation> %1 : %2 fois, fréquence %3.</translation>
    </message>
    <message>
        <source>How often this outcome has come up in the current run</source>
        <translation>Nombre de fois où cette issue est sortie pendant l&apos;expérience en cours</translation>
    </message>
    <message>
        <source>This outcome&apos;s share of all trials of the current run</source>
        <translation>Proportion des lancers de l&apos;expérience en cours où cette issue est sortie</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The top row&apos;s buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>RAZ</translation>
    </message>
    <message>
        <source>Coin1: Head</source>
        <translation>Pièce 1 : face</translation>
    </message>
    <message>
        <source>Coin1: Tail</source>
        <translation>Pièce 1 : pile</translation>
    </message>
    <message>
        <source>Coin2: Head</source>
        <translation>Pièce 2 : face</translation>
    </message>
    <message>
        <source>Coin2: Tail</source>
        <translation>Pièce 2 : pile</translation>
    </message>
    <message>
        <source>Coin1</source>
        <extracomment>Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.</extracomment>
        <translation>Pièce1</translation>
    </message>
    <message>
        <source>Coin2</source>
        <translation>Pièce2</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Pile</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The table&apos;s row names are 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>Effectif</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <extracomment>Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.</extracomment>
        <translation>Nombre de lancers</translation>
    </message>
    <message>
        <source>Number of trials</source>
        <translation>Nombre de lancers</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stop and Start are 105 pixels wide: about 10 characters.</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Graph display</source>
        <extracomment>129 pixels wide: about 13 characters.</extracomment>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Class results…</source>
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
        <translation>Le dossier de la classe %1 ne peut pas être utilisé : %2

Votre expérience est toujours là : choisissez un autre dossier pour l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>The run could not be handed in to the class folder %1: %2

It is still here: Save results… saves it in another folder.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>L&apos;expérience n&apos;a pas pu être rendue dans le dossier de la classe %1 : %2

Elle est toujours là : « Enregistrer les résultats… » l&apos;enregistre dans un autre dossier.</translation>
    </message>
    <message>
        <source>Handed in as %1.</source>
        <extracomment>%1 is the name of the results file in the class folder.</extracomment>
        <translation>Rendu sous le nom %1.</translation>
    </message>
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message>
        <source>Copy graph</source>
        <translation>Copier le graphique</translation>
    </message>
    <message>
        <source>Save graph…</source>
        <translation>Enregistrer le graphique…</translation>
    </message>
    <message>
        <source>Save graph at double resolution…</source>
        <translation>Enregistrer le graphique en double résolution…</translation>
    </message>
    <message>
        <source>Show expected range</source>
        <translation>Afficher la zone attendue</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>Lire les résultats</translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>no trials yet</source>
        <extracomment>What a legend label tells a screen reader before the first trial.</extracomment>
        <translation>aucun lancer pour l&apos;instant</translation>
    </message>
    <message>
        <source>ratio %1 after %2 times</source>
        <translation>fréquence %1 après %2 fois</translation>
    </message>
    <message>
        <source>, inside the expected range</source>
        <translation>, dans la zone attendue</translation>
    </message>
    <message>
        <source>, outside the expected range</source>
        <translation>, hors de la zone attendue</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A legend label as a screen reader reads it: %1 the outcome, %2 its result.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all trials (vertical, 0 to 1) against the number of times that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed line at the theoretical 0.25</source>
        <translation>Fréquence de chaque issue (axe vertical, de 0 à 1) en fonction du nombre de fois où cette issue est sortie (axe horizontal, de 0 à 1000), une courbe par issue, avec une ligne en pointillés à la valeur théorique 0,25</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <extracomment>The legend&apos;s labels are 57 pixels wide in a bold face: an outcome in a few letters, coin 1 first, Fr for front (head) and Ba for back (tail), joined by a katakana middle dot.</extracomment>
        <translation>P・P</translation>
    </message>
    <message>
        <source>the red curve</source>
        <translation>la courbe rouge</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <translation>P・F</translation>
    </message>
    <message>
        <source>the cyan curve</source>
        <translation>la courbe cyan</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <translation>F・P</translation>
    </message>
    <message>
        <source>the green curve</source>
        <translation>la courbe verte</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <translation>F・F</translation>
    </message>
    <message>
        <source>the blue curve</source>
        <translation>la courbe bleue</translation>
    </message>
    <message>
        <source> Graph  </source>
        <extracomment>The graph window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Graphique  </translation>
    </message>
    <message>
        <source>Save graph as PDF…</source>
        <translation>Enregistrer le graphique en PDF…</translation>
    </message>
    <message>
        <source>Save graph as PDF</source>
        <translation>Enregistrer le graphique en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as SVG…</source>
        <translation>Enregistrer le graphique en SVG…</translation>
    </message>
    <message>
        <source>Save graph as SVG</source>
        <translation>Enregistrer le graphique en SVG</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Images SVG (*.svg)</translation>
    </message>
    <message>
        <source>Quindle, %1: %2 trials</source>
        <extracomment>The line above the printed graph: %1 the date, %2 the number of trials.</extracomment>
        <translation>Quindle, %1 : %2 lancers</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <extracomment>Follows the printed graph&apos;s caption when the run followed a seed.</extracomment>
        <translation>, graine %1</translation>
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
        <translation>Si on les appelle Pièce 1 et Pièce 2, il y a quatre issues possibles : </translation>
    </message>
    <message>
        <source>them : front/front , front/back , back/front , back/back. </source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>face/face, face/pile, pile/face et pile/pile. </translation>
    </message>
    <message>
        <source>That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <translation>Autrement dit, chacune de ces quatre issues a une probabilité de 1/4.</translation>
    </message>
    <message>
        <source>However , in reality , if you throw two coins four times at the same time , </source>
        <translation>Pourtant, si l&apos;on lance réellement les deux pièces ensemble quatre fois de suite, </translation>
    </message>
    <message>
        <source>it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>on n&apos;obtient pas toujours exactement une fois pile/pile.</translation>
    </message>
    <message>
        <source>The same applies to the other three cases.</source>
        <translation>Il en va de même pour les trois autres issues.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with the mathmatically obtained theoretical </source>
        <translation>Quel lien y a-t-il alors entre ces résultats et la probabilité théorique de 1/4 </translation>
    </message>
    <message>
        <source>probability of 1/4 ?</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>obtenue par le calcul ?</translation>
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
        <translation>Cliquez sur le bouton [RAZ] (remise à zéro) pour reprendre l&apos;expérience au début.</translation>
    </message>
</context>
<context>
    <name>quindle::HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Help text</source>
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
        <translation>Face</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Pile</translation>
    </message>
</context>
<context>
    <name>quindle::Paper</name>
    <message>
        <source>Cannot print: %1</source>
        <extracomment>Shown instead of the print dialog; %1 says why (a missing part of the installation).</extracomment>
        <translation>Impossible d&apos;imprimer : %1</translation>
    </message>
</context>
<context>
    <name>quindle::Plot</name>
    <message>
        <source>(Horizontal axis : Number of times)</source>
        <extracomment>The horizontal axis&apos;s title, printed from about 60 % of the graph&apos;s width to its right edge: there is room for about 35 characters.</extracomment>
        <translation>(Axe horizontal : nombre de fois)</translation>
    </message>
    <message>
        <source>(Vertical axis : Ratio)</source>
        <translation>(Axe vertical : fréquence)</translation>
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
        <translation>%1 n&apos;a pas pu être enregistré : %2</translation>
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
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Smaller</source>
        <extracomment>Zooms all windows one step smaller.</extracomment>
        <translation>Plus petit</translation>
    </message>
</context>
</TS>
