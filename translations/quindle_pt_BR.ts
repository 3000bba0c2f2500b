<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <extracomment>--help on the option -h, --help. Written as a terminal&apos;s help texts are.</extracomment>
        <translation>Mostra a ajuda sobre as opções de linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <extracomment>--help on the option --help-all, which lists the display options Qt adds too.</extracomment>
        <translation>Mostra a ajuda, incluindo as opções próprias do Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <extracomment>--help on the option -v, --version.</extracomment>
        <translation>Mostra as informações da versão.</translation>
    </message>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <extracomment>--help on the option --help-all, as Qt 6.8 and later word it: it lists the display options Qt adds too.</extracomment>
        <translation>Mostra a ajuda, incluindo as opções gerais do Qt.</translation>
    </message>
</context>
<context>
    <name>quindle::Caption</name>
    <message>
        <source>(C) 2026 The Quindle developers</source>
        <extracomment>Ends every window&apos;s title.</extracomment>
        <translation>(C) 2026 Os desenvolvedores do Quindle</translation>
    </message>
</context>
<context>
    <name>quindle::ClassPictures</name>
    <message>
        <source>Each run&apos;s ratios against its trials; the class, larger</source>
        <extracomment>The funnel picture&apos;s title: each run&apos;s ratios against its number of trials.</extracomment>
        <translation>Freq. relativas por experimento; turma em destaque</translation>
    </message>
    <message>
        <source>All runs one after another: each share so far</source>
        <extracomment>The class curve&apos;s title: all runs&apos; trials one after another.</extracomment>
        <translation>Em sequência: frequência relativa acumulada</translation>
    </message>
    <message>
        <source>All runs one after another: each count minus a quarter of the trials</source>
        <extracomment>The class&apos;s gap picture&apos;s title: all runs&apos; trials one after another, each outcome&apos;s count less a quarter of the trials so far (not the count less 1/4). Room for about 50 characters a line; a longer title is broken into lines at its blanks.</extracomment>
        <translation>Em sequência: frequência menos 1/4 dos lançamentos</translation>
    </message>
    <message>
        <source>Each run&apos;s share of one head; the class, larger</source>
        <extracomment>The funnel&apos;s title in the number-of-heads view: each run&apos;s share of one head (Head/Tail or Tail/Head) against its number of trials. Room for about 50 characters.</extracomment>
        <translation>Proporção de uma cara por experimento; turma em destaque</translation>
    </message>
    <message>
        <source>All runs one after another: two, one and no heads</source>
        <extracomment>The class curve&apos;s title in the number-of-heads view: all runs&apos; trials one after another, the shares of two heads, one head and no heads so far. Room for about 50 characters.</extracomment>
        <translation>Em sequência: duas, uma e nenhuma cara</translation>
    </message>
</context>
<context>
    <name>quindle::ClassWindow</name>
    <message>
        <source>Class results: %1</source>
        <extracomment>The class window&apos;s title; %1 is the folder&apos;s name.</extracomment>
        <translation>Resultados da turma: %1</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The class table&apos;s first column header, over each run&apos;s file name.</extracomment>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Trials</source>
        <extracomment>A header of the class table over each run&apos;s number of trials. Each number column is as wide as its header or its numbers, and the ten columns share 740 pixels: a word of about 8 letters.</extracomment>
        <translation>Lançamentos</translation>
    </message>
    <message>
        <source>%1
ratio</source>
        <extracomment>A column header of the class table, on two lines: %1 is an outcome (&quot;Head Tail&quot;), the second line says these are its ratios. The ten columns share 740 pixels: keep the second line to about 10 letters, a school&apos;s usual abbreviation if need be.</extracomment>
        <translation>%1
freq. rel.</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>The class window&apos;s context menu: puts the class table on the clipboard.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save class results…</source>
        <extracomment>The context menu: saves the class table as a CSV file.</extracomment>
        <translation>Salvar resultados da turma…</translation>
    </message>
    <message>
        <source>Save class results</source>
        <extracomment>The title of the dialog that saves the class table.</extracomment>
        <translation>Salvar resultados da turma</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter for the class table.</extracomment>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy pictures</source>
        <extracomment>The context menu: puts both pictures, side by side, on the clipboard.</extracomment>
        <translation>Copiar gráficos</translation>
    </message>
    <message>
        <source>Save pictures…</source>
        <extracomment>The context menu: saves both pictures, side by side, as a PNG picture.</extracomment>
        <translation>Salvar gráficos…</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <extracomment>The title of the dialog that saves the pictures.</extracomment>
        <translation>Salvar gráficos</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <extracomment>The file dialog&apos;s filter for PNG pictures.</extracomment>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The context menu: prints both pictures, by the print dialog.</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Read summary</source>
        <extracomment>The context menu: a screen reader says the class&apos;s runs, trials and pooled ratios.</extracomment>
        <translation>Ler resumo</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The class table&apos;s last row, which pools every run.</extracomment>
        <translation>Turma</translation>
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
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The class window&apos;s button, 72 pixels wide in the default font: about 9 characters.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Runs and the class</source>
        <extracomment>What a screen reader calls the class table: a row per run and one for the class.</extracomment>
        <translation>Experimentos e a turma</translation>
    </message>
    <message>
        <source>Files not pooled</source>
        <extracomment>What a screen reader calls the list of the folder&apos;s files that are not pooled.</extracomment>
        <translation>Arquivos não incluídos</translation>
    </message>
    <message>
        <source>Each run&apos;s ratios</source>
        <extracomment>What a screen reader calls the funnel picture.</extracomment>
        <translation>Frequências relativas de cada experimento</translation>
    </message>
    <message>
        <source>Each run&apos;s four ratios against its number of trials, and the class&apos;s pooled ratios</source>
        <extracomment>What a screen reader says the funnel picture shows.</extracomment>
        <translation>As quatro frequências relativas de cada experimento em função do seu número de lançamentos, e as frequências relativas da turma toda</translation>
    </message>
    <message>
        <source>The class curve</source>
        <extracomment>What a screen reader calls the class curve&apos;s picture.</extracomment>
        <translation>A curva da turma</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all the class&apos;s trials so far, run after run</source>
        <extracomment>What a screen reader says the class curve shows.</extracomment>
        <translation>A frequência relativa de cada resultado em todos os lançamentos da turma até o momento, experimento após experimento</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a file of the class&apos;s folder is not pooled, after its name.</extracomment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>too large for a results file (%1 KB)</source>
        <extracomment>%1 is the file&apos;s size in kilobytes.</extracomment>
        <translation>grande demais para um arquivo de resultados (%1 KB)</translation>
    </message>
    <message>
        <source>not a text file</source>
        <extracomment>A file that holds something other than text (a picture, a document).</extracomment>
        <translation>não é um arquivo de texto</translation>
    </message>
    <message>
        <source>not a Quindle results file</source>
        <extracomment>A text file that is not one Quindle saves (a note, another program&apos;s table).</extracomment>
        <translation>não é um arquivo de resultados do Quindle</translation>
    </message>
    <message>
        <source>saved by a newer Quindle (format %1)</source>
        <extracomment>A results file in a newer format than this program reads: %1 is its number.</extracomment>
        <translation>salvo por uma versão mais recente do Quindle (formato %1)</translation>
    </message>
    <message>
        <source>cut short after trial %1 of %2</source>
        <extracomment>A file that ends early, in its list of trials: %1 the last trial in it, %2 the trials the run had.</extracomment>
        <translation>interrompido após o lançamento %1 de %2</translation>
    </message>
    <message>
        <source>cut short before its end</source>
        <extracomment>A file that ends early, before its list of trials.</extracomment>
        <translation>interrompido antes do fim</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <extracomment>The same run as another file of the folder, which counts instead: %1 its name.</extracomment>
        <translation>uma cópia de %1</translation>
    </message>
    <message>
        <source>inconsistent: a ratio does not match its count (line %1)</source>
        <extracomment>A file whose numbers do not agree with each other: %1 the line of the file.</extracomment>
        <translation>inconsistente: uma frequência relativa não corresponde à sua contagem (linha %1)</translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the counts (line %1)</source>
        <extracomment>The history is each outcome&apos;s share after each of its occurrences, kept for the graph; %1 is the line of the file.</extracomment>
        <translation>inconsistente: o histórico não confere com as contagens (linha %1)</translation>
    </message>
    <message>
        <source>inconsistent: the trial log disagrees with the counts (line %1)</source>
        <extracomment>The trial log lists both coins&apos; faces in every trial; %1 is the line of the file.</extracomment>
        <translation>inconsistente: o registro de lançamentos não confere com as contagens (linha %1)</translation>
    </message>
    <message>
        <source>inconsistent: line %1 cannot be read</source>
        <extracomment>A line where a number or a word was expected and something else stands: %1 its number.</extracomment>
        <translation>inconsistente: a linha %1 não pode ser lida</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1. The class is shown as it was last read.</source>
        <extracomment>Under the folder&apos;s path while the folder cannot be read; %1 is the system&apos;s reason, such as &quot;No such file or directory&quot;.</extracomment>
        <translation>Não é possível ler a pasta: %1. A turma é mostrada como foi lida pela última vez.</translation>
    </message>
    <message>
        <source>text saved as UTF-16; results files are read as UTF-8</source>
        <extracomment>A text file saved in another encoding than results files are read in.</extracomment>
        <translation>texto salvo em UTF-16; os arquivos de resultados são lidos em UTF-8</translation>
    </message>
    <message>
        <source>text saved as Latin-1 (Windows-1252); results files are read as UTF-8</source>
        <extracomment>A text file saved in another encoding than results files are read in.</extracomment>
        <translation>texto salvo em Latin-1 (Windows-1252); os arquivos de resultados são lidos em UTF-8</translation>
    </message>
    <message>
        <source>saved by a newer Quindle</source>
        <extracomment>A results file in a format newer than this program reads.</extracomment>
        <translation>salvo por uma versão mais recente do Quindle</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>não pode ser aberto: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Input/output error&quot;.</extracomment>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message numerus="yes">
        <source>a folder more than %n level(s) down, not read</source>
        <extracomment>A folder inside the class&apos;s folder too deep to be read: %n the levels that are.</extracomment>
        <translation>
            <numerusform>uma pasta a mais de %n nível de profundidade, não lida</numerusform>
            <numerusform>uma pasta a mais de %n níveis de profundidade, não lida</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inconsistent: the counts add up to %1, not %n trials</source>
        <extracomment>%1 is the counts&apos; sum, %n the number of trials the file states.</extracomment>
        <translation>
            <numerusform>inconsistente: as contagens somam %1, e não %n lançamento</numerusform>
            <numerusform>inconsistente: as contagens somam %1, e não %n lançamentos</numerusform>
        </translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the trial log (line %1)</source>
        <extracomment>The history (each outcome&apos;s share after each of its occurrences) does not follow from the list of trials; %1 is the line of the file.</extracomment>
        <translation>inconsistente: o histórico não confere com o registro de lançamentos (linha %1)</translation>
    </message>
    <message>
        <source>inconsistent: a negative count (line %1)</source>
        <extracomment>A file with a count below zero: %1 the line of the file.</extracomment>
        <translation>inconsistente: uma contagem negativa (linha %1)</translation>
    </message>
    <message>
        <source>inconsistent: a count larger than a run can have (line %1)</source>
        <extracomment>A count above the 1000 at which a run ends: %1 the line of the file.</extracomment>
        <translation>inconsistente: uma contagem maior do que um experimento pode ter (linha %1)</translation>
    </message>
    <message>
        <source>inconsistent: a negative number of trials (line %1)</source>
        <extracomment>A file whose number of trials is below zero: %1 the line of the file.</extracomment>
        <translation>inconsistente: um número negativo de lançamentos (linha %1)</translation>
    </message>
    <message>
        <source>inconsistent: more trials than a run can have (line %1)</source>
        <extracomment>A run ends once an outcome has come up more than 1000 times: this file has more. %1 is the line of the file.</extracomment>
        <translation>inconsistente: mais lançamentos do que um experimento pode ter (linha %1)</translation>
    </message>
    <message>
        <source>a named pipe, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>um pipe nomeado, não um arquivo</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>um socket, não um arquivo</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>a link to a folder, not followed</source>
        <extracomment>A symbolic link to a folder, which is not followed, after its name.</extracomment>
        <translation>um link para uma pasta, não seguido</translation>
    </message>
    <message>
        <source>a link to something that is not there</source>
        <extracomment>A symbolic link whose target does not exist, after its name.</extracomment>
        <translation>um link para algo que não existe</translation>
    </message>
    <message>
        <source>links that lead round in a loop</source>
        <extracomment>Symbolic links that point at each other, after the name of one.</extracomment>
        <translation>links que andam em círculo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>não é um arquivo comum</translation>
    </message>
    <message numerus="yes">
        <source> %1 of %n ratios lie inside the expected range, where about 95 % are expected.</source>
        <extracomment>Ends the summary: %1 of the %n ratios of the runs (four each) lie inside the expected range; chance keeps about 95 % of them there. Never said with no ratios.</extracomment>
        <translation>
            <numerusform> Dentro da faixa esperada: %1 de %n frequência relativa (espera-se cerca de 95%).</numerusform>
            <numerusform> Dentro da faixa esperada: %1 de %n frequências relativas (espera-se cerca de 95%).</numerusform>
        </translation>
    </message>
    <message>
        <source>Show gap from a quarter</source>
        <extracomment>The class window&apos;s context menu: a check mark turns the class curve into each outcome&apos;s gap from a quarter of the class&apos;s trials.</extracomment>
        <translation>Mostrar diferença para um quarto</translation>
    </message>
    <message>
        <source>Each outcome&apos;s count minus a quarter of all the class&apos;s trials so far, run after run</source>
        <extracomment>What a screen reader says the class curve shows in the gap view.</extracomment>
        <translation>A frequência de cada resultado menos um quarto de todos os lançamentos da turma até o momento, experimento após experimento</translation>
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
            <numerusform>%n lançamento</numerusform>
            <numerusform>%n lançamentos</numerusform>
        </translation>
    </message>
    <message>
        <source>Quindle, class results, %1: %2, %3</source>
        <extracomment>The caption above the printed pictures: %1 the date, %2 the runs (&quot;30 runs&quot;), %3 the trials (&quot;64020 trials&quot;).</extracomment>
        <translation>Quindle, resultados da turma, %1: %2, %3</translation>
    </message>
    <message>
        <source>%1, %2 in all.</source>
        <extracomment>Said on demand: %1 the runs pooled (&quot;30 runs&quot;), %2 their trials (&quot;64020 trials&quot;).</extracomment>
        <translation>%1, %2 no total.</translation>
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
        <translation>A proporção de duas caras, uma cara e nenhuma cara em todos os lançamentos da turma até o momento, experimento após experimento</translation>
    </message>
    <message>
        <source>Each run&apos;s share of one head against its number of trials, and the class&apos;s pooled share</source>
        <extracomment>What a screen reader says the funnel picture shows in the number-of-heads view.</extracomment>
        <translation>A proporção de uma cara de cada experimento em função do seu número de lançamentos, e a proporção da turma toda</translation>
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
            <numerusform> Proporção de uma cara dentro da faixa esperada: em %1 de %n experimento (o acaso a deixa ali em cerca de 95% das vezes).</numerusform>
            <numerusform> Proporção de uma cara dentro da faixa esperada: em %1 de %n experimentos (o acaso a deixa ali em cerca de 95% das vezes).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quindle::CommandLine</name>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <extracomment>What quindle --help says first, under its usage line.</extracomment>
        <translation>Lança duas moedas repetidas vezes e conta os quatro resultados, para que se veja a frequência relativa de cada um se aproximar de 1/4.</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <extracomment>--help on the option --seed N; keep &lt;N&gt; as it is.</extracomment>
        <translation>Obtém cada sorteio de uma sequência definida por &lt;N&gt; (um número inteiro), igual lançamento a lançamento em qualquer computador, em vez de usar o relógio.</translation>
    </message>
    <message>
        <source>Shows the texts in &lt;CODE&gt; (en, %1) instead of the system&apos;s language.</source>
        <extracomment>--help on the option --language CODE; keep &lt;CODE&gt; as it is. %1 lists the languages the program is translated into.</extracomment>
        <translation>Mostra os textos no idioma &lt;CODE&gt; (en, %1) em vez do idioma do sistema.</translation>
    </message>
    <message>
        <source>Starts with every window at &lt;PERCENT&gt; of its size (%1).</source>
        <extracomment>--help on the option --zoom PERCENT; keep &lt;PERCENT&gt; as it is. %1 lists the zoom steps.</extracomment>
        <translation>Abre todas as janelas com &lt;PERCENT&gt; do seu tamanho (%1).</translation>
    </message>
    <message>
        <source>Opens the class window beside the experiment window, pooling the results files in &lt;FOLDER&gt; as they come.</source>
        <extracomment>--help on the option --class FOLDER; keep &lt;FOLDER&gt; as it is.</extracomment>
        <translation>Abre a janela da turma ao lado da janela do experimento, reunindo os arquivos de resultados da pasta &lt;FOLDER&gt; à medida que chegam.</translation>
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
        <translation>Erro em tempo de execução &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Unexpected error:

%1</source>
        <extracomment>A message box after an error the program did not expect: %1 says what, in English.</extracomment>
        <translation>Erro inesperado:

%1</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentControl</name>
    <message>
        <source>This software will exit.</source>
        <extracomment>The message box Exit shows before the program ends.</extracomment>
        <translation>Este programa será encerrado.</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentWindow</name>
    <message>
        <source>%1 frequency</source>
        <extracomment>What a screen reader calls a count cell; %1 is the outcome (&quot;Head Tail&quot;).</extracomment>
        <translation>Frequência de %1</translation>
    </message>
    <message>
        <source>%1 probability</source>
        <extracomment>What a screen reader calls a ratio cell: the outcome&apos;s share of the trials so far, its relative frequency (not a probability); %1 is the outcome.</extracomment>
        <translation>Frequência relativa de %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>The experiment window&apos;s context menu: puts the table on the clipboard.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save results…</source>
        <extracomment>The context menu: saves the run&apos;s results file, which a class window pools.</extracomment>
        <translation>Salvar resultados…</translation>
    </message>
    <message>
        <source>Pace</source>
        <extracomment>The context menu&apos;s submenu of how fast a run goes.</extracomment>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>As designed</source>
        <extracomment>How fast a run goes: a trial every millisecond, as the program was designed.</extracomment>
        <translation>Original</translation>
    </message>
    <message>
        <source>Classroom</source>
        <extracomment>About sixty trials a second, slow enough for a class to follow each count.</extracomment>
        <translation>Sala de aula</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <extracomment>The context menu&apos;s last entry, greyed: the seed of the draws, a whole number.</extracomment>
        <translation>Semente: %1</translation>
    </message>
    <message>
        <source>Seed: none, the run follows the clock</source>
        <extracomment>The context menu&apos;s last entry, greyed, when no seed was given.</extracomment>
        <translation>Semente: nenhuma, o experimento segue o relógio</translation>
    </message>
    <message>
        <source>Save results</source>
        <extracomment>The title of the dialog that saves the results file, and of its messages.</extracomment>
        <translation>Salvar resultados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter for the results file.</extracomment>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Counts cleared.</source>
        <extracomment>Said when Init has cleared the counts.</extracomment>
        <translation>Frequências zeradas.</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows &quot;Stopped after … trials.&quot; once per outcome: %1 the outcome (&quot;Head Tail&quot;), %2 its count, %3 its ratio.</extracomment>
        <translation> %1: %2 vezes, %3.</translation>
    </message>
    <message>
        <source>How often this outcome has come up in the current run</source>
        <extracomment>What a screen reader says a count cell of the table holds.</extracomment>
        <translation>Quantas vezes este resultado saiu no experimento atual</translation>
    </message>
    <message>
        <source>This outcome&apos;s share of all trials of the current run</source>
        <extracomment>What a screen reader says a ratio cell of the table holds.</extracomment>
        <translation>Fração dos lançamentos do experimento atual em que saiu este resultado</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The top row&apos;s buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The top row&apos;s button that shows the help window, 57 pixels wide: about 6 characters.</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>The top row&apos;s button that clears the counts for a new run, 57 pixels wide: about 6 characters.</extracomment>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Coin1: Head</source>
        <extracomment>What a screen reader calls coin 1&apos;s picture while it shows its head face.</extracomment>
        <translation>Moeda 1: cara</translation>
    </message>
    <message>
        <source>Coin1: Tail</source>
        <extracomment>Coin 1&apos;s picture while it shows its tail face.</extracomment>
        <translation>Moeda 1: coroa</translation>
    </message>
    <message>
        <source>Coin2: Head</source>
        <extracomment>Coin 2&apos;s picture while it shows its head face.</extracomment>
        <translation>Moeda 2: cara</translation>
    </message>
    <message>
        <source>Coin2: Tail</source>
        <extracomment>Coin 2&apos;s picture while it shows its tail face.</extracomment>
        <translation>Moeda 2: coroa</translation>
    </message>
    <message>
        <source>Coin1</source>
        <extracomment>Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.</extracomment>
        <translation>Moed.1</translation>
    </message>
    <message>
        <source>Coin2</source>
        <extracomment>The second coin&apos;s name, under its picture and in the table: 81 pixels wide in a large bold face, about 6 characters.</extracomment>
        <translation>Moed.2</translation>
    </message>
    <message>
        <source>Head</source>
        <extracomment>A coin&apos;s face in the table&apos;s header rows, in blue: 81 pixels wide in a large bold face.</extracomment>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Tail</source>
        <extracomment>A coin&apos;s other face in the table&apos;s header rows, in red: 81 pixels wide in a large bold face.</extracomment>
        <translation>Coroa</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The table&apos;s row names are 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Probability</source>
        <extracomment>The table&apos;s row of each outcome&apos;s share of all trials so far: its relative frequency, the observed share, which the lesson tells apart from the probability of 1/4 it settles near (school mathematics has its own word for it). 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>Freq. rel.</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <extracomment>Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.</extracomment>
        <translation>Número de lançamentos</translation>
    </message>
    <message>
        <source>Number of trials</source>
        <extracomment>What a screen reader calls the number under the table, before reading it.</extracomment>
        <translation>Número de lançamentos</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stop and Start are 105 pixels wide: about 10 characters.</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts a run, or goes on with the last one: 105 pixels wide, about 10 characters.</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Graph display</source>
        <extracomment>129 pixels wide: about 13 characters.</extracomment>
        <translation>Ver gráfico</translation>
    </message>
    <message>
        <source>Class results…</source>
        <extracomment>The context menu: opens the class window on a folder of the class&apos;s results files.</extracomment>
        <translation>Resultados da turma…</translation>
    </message>
    <message>
        <source>Class results</source>
        <extracomment>The title of the dialog that asks for the folder of a class&apos;s results files.</extracomment>
        <translation>Resultados da turma</translation>
    </message>
    <message>
        <source>One trial (%1)</source>
        <extracomment>One trial each time a key is pressed: %1 is the key (&quot;Ctrl+T&quot;).</extracomment>
        <translation>Um por vez (%1)</translation>
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
        <translation>Não é possível usar a pasta da turma %1: %2

Seu experimento continua aqui: escolha outra pasta para salvá-lo.</translation>
    </message>
    <message>
        <source>The run could not be handed in to the class folder %1: %2

It is still here: Save results… saves it in another folder.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível entregar o experimento na pasta da turma %1: %2

Ele continua aqui: com “Salvar resultados…” você pode salvá-lo em outra pasta.</translation>
    </message>
    <message>
        <source>Handed in as %1.</source>
        <extracomment>%1 is the name of the results file in the class folder.</extracomment>
        <translation>Entregue como %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n trials</source>
        <extracomment>Said every few seconds during a run: the number of trials so far.</extracomment>
        <translation>
            <numerusform>%n lançamento</numerusform>
            <numerusform>%n lançamentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %n trials.</source>
        <extracomment>Said when Stop ends a run: %n is the number of trials.</extracomment>
        <translation>
            <numerusform>Experimento parado após %n lançamento.</numerusform>
            <numerusform>Experimento parado após %n lançamentos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Run finished after %n trials.</source>
        <extracomment>Said when a run ends by itself, one outcome having come up more than 1000 times.</extracomment>
        <translation>
            <numerusform>Experimento concluído após %n lançamento.</numerusform>
            <numerusform>Experimento concluído após %n lançamentos.</numerusform>
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
        <translation>Co</translation>
    </message>
</context>
<context>
    <name>quindle::Gap</name>
    <message>
        <source>its count %1 above a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is this much more than a quarter of all trials: %1 is the amount (&quot;12.5&quot;). Read by a screen reader after the outcome (&quot;Head Tail: its count 12.5 above a quarter of the trials&quot;) and after its ratio in the class summary (&quot;Head Head 0.2482, its count 312.5 above a quarter of the trials.&quot;): say that it is the count that differs, and from a quarter of the trials, not the ratio from 1/4.</extracomment>
        <translation>a frequência fica %1 acima de um quarto dos lançamentos</translation>
    </message>
    <message>
        <source>its count %1 below a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is this much less than a quarter of all trials (&quot;3.25&quot;); read as the text above is.</extracomment>
        <translation>a frequência fica %1 abaixo de um quarto dos lançamentos</translation>
    </message>
    <message>
        <source>its count exactly a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is exactly a quarter of all trials; read as the texts above are.</extracomment>
        <translation>a frequência é exatamente um quarto dos lançamentos</translation>
    </message>
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message>
        <source>Copy graph</source>
        <extracomment>The graph window&apos;s context menu: puts the plot on the clipboard as a picture.</extracomment>
        <translation>Copiar gráfico</translation>
    </message>
    <message>
        <source>Save graph…</source>
        <extracomment>The context menu: saves the plot as a PNG picture.</extracomment>
        <translation>Salvar gráfico…</translation>
    </message>
    <message>
        <source>Save graph at double resolution…</source>
        <extracomment>The context menu: the plot drawn afresh at twice the pixels, as a PNG picture.</extracomment>
        <translation>Salvar gráfico com o dobro da resolução…</translation>
    </message>
    <message>
        <source>Show expected range</source>
        <extracomment>The context menu, a check box: shades the band where chance keeps each ratio about 95 % of the time.</extracomment>
        <translation>Mostrar faixa esperada</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The context menu: prints the graph, by the print dialog.</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Read results</source>
        <extracomment>The context menu: brings a screen reader to the legend, which tells each outcome&apos;s result.</extracomment>
        <translation>Ler resultados</translation>
    </message>
    <message>
        <source>Save graph</source>
        <extracomment>The title of the dialog that saves the graph as a PNG picture.</extracomment>
        <translation>Salvar gráfico</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <extracomment>The file dialog&apos;s filter for PNG pictures.</extracomment>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>no trials yet</source>
        <extracomment>What a legend label tells a screen reader before the first trial.</extracomment>
        <translation>nenhum lançamento ainda</translation>
    </message>
    <message>
        <source>, inside the expected range</source>
        <extracomment>Follows a legend label&apos;s result while the expected range is shown.</extracomment>
        <translation>, dentro da faixa esperada</translation>
    </message>
    <message>
        <source>, outside the expected range</source>
        <extracomment>Follows a legend label&apos;s result while the expected range is shown.</extracomment>
        <translation>, fora da faixa esperada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A legend label as a screen reader reads it: %1 the outcome, %2 its result.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The graph window&apos;s button, 65 pixels wide in the default font: about 8 characters.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>What a screen reader calls the plot.</extracomment>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all trials (vertical, 0 to 1) against the number of times that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed line at the theoretical 0.25</source>
        <extracomment>What a screen reader says the plot shows. Write 0.25 as the language writes it.</extracomment>
        <translation>A frequência relativa de cada resultado (eixo vertical, de 0 a 1) em função do número de vezes que esse resultado saiu (eixo horizontal, de 0 a 1000), uma curva por resultado, com uma linha tracejada no valor teórico 0,25</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <extracomment>The legend&apos;s labels are 57 pixels wide in a 12-point bold face: an outcome in a few letters, coin 1&apos;s face first, Fr for front (head) and Ba for back (tail), here back on both coins. The original joins them by a Japanese middle dot: join them as your language writes such a pair.</extracomment>
        <translation>Co・Co</translation>
    </message>
    <message>
        <source>the red curve</source>
        <extracomment>What a screen reader says a legend label stands for: its outcome&apos;s curve.</extracomment>
        <translation>a curva vermelha</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <extracomment>A legend label: back (tail) on coin 1, front (head) on coin 2.</extracomment>
        <translation>Co・Ca</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <extracomment>A legend label: front (head) on coin 1, back (tail) on coin 2.</extracomment>
        <translation>Ca・Co</translation>
    </message>
    <message>
        <source>the green curve</source>
        <extracomment>The curve is a dark green.</extracomment>
        <translation>a curva verde</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <extracomment>A legend label: front (head) on both coins.</extracomment>
        <translation>Ca・Ca</translation>
    </message>
    <message>
        <source>the blue curve</source>
        <extracomment>The curve is a bright blue.</extracomment>
        <translation>a curva azul</translation>
    </message>
    <message>
        <source> Graph  </source>
        <extracomment>The graph window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Gráfico  </translation>
    </message>
    <message>
        <source>Save graph as PDF…</source>
        <extracomment>The context menu: the graph on an A4 page as a PDF document.</extracomment>
        <translation>Salvar gráfico como PDF…</translation>
    </message>
    <message>
        <source>Save graph as PDF</source>
        <extracomment>The title of the dialog that saves the graph as a PDF document.</extracomment>
        <translation>Salvar gráfico como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>The file dialog&apos;s filter for PDF documents.</extracomment>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as SVG…</source>
        <extracomment>The context menu: the graph as an SVG picture of lines and text.</extracomment>
        <translation>Salvar gráfico como SVG…</translation>
    </message>
    <message>
        <source>Save graph as SVG</source>
        <extracomment>The title of the dialog that saves the graph as an SVG picture.</extracomment>
        <translation>Salvar gráfico como SVG</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <extracomment>The file dialog&apos;s filter for SVG pictures.</extracomment>
        <translation>Imagens SVG (*.svg)</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <extracomment>Follows the printed graph&apos;s caption when the run followed a seed.</extracomment>
        <translation>, semente %1</translation>
    </message>
    <message>
        <source>Show gap from a quarter</source>
        <extracomment>The graph window&apos;s context menu: a check mark turns the graph into each outcome&apos;s gap from a quarter of the trials.</extracomment>
        <translation>Mostrar diferença para um quarto</translation>
    </message>
    <message>
        <source>Each outcome&apos;s count minus a quarter of all trials (vertical) against the number of trials (horizontal), one curve per outcome, with a dashed line at 0</source>
        <extracomment>What a screen reader says the plot shows in the gap view.</extracomment>
        <translation>A frequência de cada resultado menos um quarto do total de lançamentos (eixo vertical) em função do número de lançamentos (eixo horizontal), uma curva por resultado, com uma linha tracejada em 0</translation>
    </message>
    <message numerus="yes">
        <source>Quindle, %1: %n trials</source>
        <extracomment>The line above the printed graph: %1 the date, %n the number of trials.</extracomment>
        <translation>
            <numerusform>Quindle, %1: %n lançamento</numerusform>
            <numerusform>Quindle, %1: %n lançamentos</numerusform>
        </translation>
    </message>
    <message>
        <source>not come up yet</source>
        <extracomment>What a legend label tells a screen reader while its outcome has not come up.</extracomment>
        <translation>ainda não saiu</translation>
    </message>
    <message numerus="yes">
        <source>ratio %1 after %n times</source>
        <extracomment>What a legend label tells a screen reader: %1 is the outcome&apos;s ratio, %n its count, the number of times it has come up.</extracomment>
        <translation>
            <numerusform>frequência relativa %1 após sair %n vez</numerusform>
            <numerusform>frequência relativa %1 após sair %n vezes</numerusform>
        </translation>
    </message>
    <message>
        <source>the teal curve</source>
        <extracomment>The curve is teal, a dark blue-green (RGB 0, 128, 128).</extracomment>
        <translation>a curva verde-azulada</translation>
    </message>
    <message>
        <source>Show number of heads</source>
        <extracomment>The graph window&apos;s context menu: a check mark turns the graph into the shares of trials with two heads, with one head and with none.</extracomment>
        <translation>Mostrar número de caras</translation>
    </message>
    <message>
        <source>The share of the trials with two heads, with one head and with no heads (vertical, 0 to 1) against the number of trials (horizontal), with dashed lines at a quarter and a half, what chance gives, and a dotted line at a third</source>
        <extracomment>What a screen reader says the plot shows in the number-of-heads view.</extracomment>
        <translation>A proporção de lançamentos com duas caras, com uma cara e sem cara (eixo vertical, de 0 a 1) em função do número de lançamentos (eixo horizontal), com linhas tracejadas em um quarto e na metade, o que o acaso dá, e uma linha pontilhada em um terço</translation>
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
        <translation>Duas caras: nenhum lançamento ainda, espera-se um quarto</translation>
    </message>
    <message>
        <source>One head: no trials yet, a half expected</source>
        <extracomment>As for two heads, before the first trial: exactly one of the two coins a head.</extracomment>
        <translation>Uma cara: nenhum lançamento ainda, espera-se a metade</translation>
    </message>
    <message>
        <source>No heads: no trials yet, a quarter expected</source>
        <extracomment>As for two heads, before the first trial: both coins a tail.</extracomment>
        <translation>Nenhuma cara: nenhum lançamento ainda, espera-se um quarto</translation>
    </message>
    <message numerus="yes">
        <source>Two heads: %1 (%2 of %n trials), a quarter expected</source>
        <extracomment>The graph&apos;s legend in the number-of-heads view, and the class&apos;s summary: %1 the share of the trials with two heads (&quot;0.252&quot;), %2 how many trials had two heads, %n all the trials. A quarter is what chance gives.</extracomment>
        <translation>
            <numerusform>Duas caras: %1 (%2 de %n lançamento), espera-se um quarto</numerusform>
            <numerusform>Duas caras: %1 (%2 de %n lançamentos), espera-se um quarto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One head: %1 (%2 of %n trials), a half expected</source>
        <extracomment>As for two heads: exactly one of the two coins showed a head. A half is expected.</extracomment>
        <translation>
            <numerusform>Uma cara: %1 (%2 de %n lançamento), espera-se a metade</numerusform>
            <numerusform>Uma cara: %1 (%2 de %n lançamentos), espera-se a metade</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No heads: %1 (%2 of %n trials), a quarter expected</source>
        <extracomment>As for two heads: both coins showed a tail.</extracomment>
        <translation>
            <numerusform>Nenhuma cara: %1 (%2 de %n lançamento), espera-se um quarto</numerusform>
            <numerusform>Nenhuma cara: %1 (%2 de %n lançamentos), espera-se um quarto</numerusform>
        </translation>
    </message>
    <message>
        <source>If the three were equally likely, each would be %1.</source>
        <extracomment>Said after the shares of two heads, one head and no heads: %1 is a third, &quot;0.333&quot;.</extracomment>
        <translation>Se os três fossem igualmente prováveis, cada um seria %1.</translation>
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
        <translation>Lance duas moedas ao mesmo tempo e pense em como elas podem cair: cara ou coroa.</translation>
    </message>
    <message>
        <source>If these two coins are Coin1 and Coin2 , respectively , there are four ways to get </source>
        <extracomment>Name the coins as the experiment window does under their pictures.</extracomment>
        <translation>Chamando essas moedas de Moeda 1 e Moeda 2, há quatro resultados possíveis: </translation>
    </message>
    <message>
        <source>them : front/front , front/back , back/front , back/back. </source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>cara/cara, cara/coroa, coroa/cara e coroa/coroa. </translation>
    </message>
    <message>
        <source>That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <extracomment>A new paragraph: each of the four outcomes has the probability 1/4.</extracomment>
        <translation>Ou seja, cada um desses quatro resultados tem probabilidade 1/4 de ocorrer.</translation>
    </message>
    <message>
        <source>However , in reality , if you throw two coins four times at the same time , </source>
        <extracomment>A new paragraph, going on in the next line: four throws need not give each outcome once.</extracomment>
        <translation>Porém, na prática, se você lançar as duas moedas juntas quatro vezes, </translation>
    </message>
    <message>
        <source>it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>nem sempre vai sair coroa/coroa exatamente uma vez.</translation>
    </message>
    <message>
        <source>The same applies to the other three cases.</source>
        <extracomment>A paragraph of one line.</extracomment>
        <translation>O mesmo vale para os outros três resultados.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with the mathmatically obtained theoretical </source>
        <extracomment>The problem&apos;s question, going on in the next line: how do the observed ratios relate to the probability of 1/4 worked out in theory?</extracomment>
        <translation>Então, que relação isso tem com a probabilidade teórica de 1/4, </translation>
    </message>
    <message>
        <source>probability of 1/4 ?</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>calculada matematicamente?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【Como usar】</translation>
    </message>
    <message>
        <source>Click the [Start] button to start the experiment.</source>
        <extracomment>[Start] names the experiment window&apos;s Start button: use its caption there.</extracomment>
        <translation>Clique no botão [Iniciar] para começar o experimento.</translation>
    </message>
    <message>
        <source>Click the [Stop] button to stop the experiment.</source>
        <extracomment>[Stop] names the experiment window&apos;s Stop button: use its caption there.</extracomment>
        <translation>Clique no botão [Parar] para interromper o experimento.</translation>
    </message>
    <message>
        <source>When you click the [Graph display] button , the relationship between the number of</source>
        <extracomment>[Graph display] names the experiment window&apos;s button: use its caption there.</extracomment>
        <translation>Ao clicar no botão [Ver gráfico], um gráfico mostra a relação entre o número de</translation>
    </message>
    <message>
        <source>experiments and the front/front , front/back , back/front , back/back , and the ratio</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>lançamentos e a frequência relativa de cada resultado (cara/cara, cara/coroa,</translation>
    </message>
    <message>
        <source>of each is displayed in a graph.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>coroa/cara e coroa/coroa).</translation>
    </message>
    <message>
        <source>You can restart the experiment from the beginning by clicking the [Init] button.</source>
        <extracomment>[Init] names the experiment window&apos;s Init button: use its caption there.</extracomment>
        <translation>Clique no botão [Zerar] para recomeçar o experimento do início.</translation>
    </message>
</context>
<context>
    <name>quindle::HelpWindow</name>
    <message>
        <source>Close</source>
        <extracomment>The help window&apos;s button, which closes it and brings the experiment window back: 57 pixels wide in the default font, about 7 characters.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Help text</source>
        <extracomment>What a screen reader calls the surface the help text is printed on.</extracomment>
        <translation>Texto de ajuda</translation>
    </message>
    <message>
        <source> Quindle＿Help（Question and operation method） </source>
        <extracomment>The help window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Quindle＿Ajuda（Problema e como usar） </translation>
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
        <translation>Coroa</translation>
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
        <translation>Não é possível imprimir: %1</translation>
    </message>
</context>
<context>
    <name>quindle::Plot</name>
    <message>
        <source>(Horizontal axis : Number of times)</source>
        <extracomment>The horizontal axis&apos;s title, printed from about 60 % of the graph&apos;s width to its right edge: there is room for about 35 characters.</extracomment>
        <translation>(Eixo horizontal: número de vezes)</translation>
    </message>
    <message>
        <source>(Vertical axis : Ratio)</source>
        <extracomment>The vertical axis&apos;s title, printed right of the axis&apos;s top: each outcome&apos;s share of all trials, its relative frequency.</extracomment>
        <translation>(Eixo vertical: frequência relativa)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of trials)</source>
        <extracomment>The gap view&apos;s horizontal axis title, printed at the bottom left just above the axis, where the curves are still close to 0: there is room for about 50 characters.</extracomment>
        <translation>(Eixo horizontal: número de lançamentos)</translation>
    </message>
    <message>
        <source>(Vertical axis : Count minus a quarter of the trials)</source>
        <extracomment>The gap view&apos;s vertical axis title, printed at the top left of the graph: each outcome&apos;s count less a quarter of all trials. There is room for about 80 characters.</extracomment>
        <translation>(Eixo vertical: frequência menos um quarto dos lançamentos)</translation>
    </message>
    <message>
        <source>(Vertical axis : Share of the trials)</source>
        <extracomment>The number-of-heads view&apos;s vertical axis title, printed at the top left of the graph: the share of all trials with two heads, with one, with none. Room for about 50 characters.</extracomment>
        <translation>(Eixo vertical: proporção dos lançamentos)</translation>
    </message>
    <message>
        <source>if the three were equally likely</source>
        <extracomment>Marks the dotted line at 1/3 in the number-of-heads view: what the shares of two heads, one head and no head would be if the three were equally likely. Printed above the line&apos;s right half: room for about 45 characters.</extracomment>
        <translation>se os três fossem igualmente prováveis</translation>
    </message>
</context>
<context>
    <name>quindle::ResultTable</name>
    <message>
        <source>frequency</source>
        <extracomment>Read by a screen reader before each count of the result table (&quot;frequency 567&quot;).</extracomment>
        <translation>frequência</translation>
    </message>
    <message>
        <source>ratio</source>
        <extracomment>Read before each ratio of the result table.</extracomment>
        <translation>frequência relativa</translation>
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
        <translation>o arquivo não pôde ser gravado</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Não foi possível salvar %1: %2</translation>
    </message>
</context>
<context>
    <name>quindle::Settings</name>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>Why a settings file is not used: %1 is the system&apos;s reason, such as &quot;Permission denied&quot;. Follows the file&apos;s path and a colon.</extracomment>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <extracomment>Why a settings file is not used: a folder, a pipe or a device is in its place.</extracomment>
        <translation>não é um arquivo comum</translation>
    </message>
    <message numerus="yes">
        <source>is too large for a settings file (%1 bytes)</source>
        <extracomment>Why a settings file is not used: %1 is its size in bytes, always more than 65536 (the form follows it).</extracomment>
        <translation>
            <numerusform>é grande demais para um arquivo de configurações (%1 byte)</numerusform>
            <numerusform>é grande demais para um arquivo de configurações (%1 bytes)</numerusform>
        </translation>
    </message>
    <message>
        <source>holds a value starting with &apos;@Variant(&apos; or &apos;\&apos;, which Qt would read as stored data and no Quindle setting has</source>
        <extracomment>Why a settings file is not used; keep &apos;@Variant(&apos; and the backslash as they are.</extracomment>
        <translation>contém um valor que começa com &apos;@Variant(&apos; ou &apos;\&apos;, que o Qt leria como dados armazenados e que nenhuma configuração do Quindle tem</translation>
    </message>
    <message>
        <source>%1: %2; its settings are not used and nothing is remembered</source>
        <extracomment>A settings file that is not used: %1 is its path, %2 why (&quot;is not a regular file&quot;). It is the pupil&apos;s own file, so no zoom or folder chosen is remembered.</extracomment>
        <translation>%1: %2; suas configurações não são usadas e nada é salvo</translation>
    </message>
    <message>
        <source>%1: %2; its settings are not used</source>
        <extracomment>A school&apos;s settings file that is not used: %1 is its path, %2 why (&quot;is not a regular file&quot;).</extracomment>
        <translation>%1: %2; suas configurações não são usadas</translation>
    </message>
    <message>
        <source>%1: cannot be read; its settings are not used and nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, which Qt could not read.</extracomment>
        <translation>%1: não pode ser lido; suas configurações não são usadas e nada é salvo</translation>
    </message>
    <message>
        <source>%1: cannot be read; its settings are not used</source>
        <extracomment>%1 is the path of a school&apos;s settings file, which Qt could not read.</extracomment>
        <translation>%1: não pode ser lido; suas configurações não são usadas</translation>
    </message>
    <message>
        <source>%1: not all of it is in the settings format; the rest is used, and nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, of which only some lines are settings (&quot;key=value&quot; under &quot;[section]&quot;): those are used, but nothing chosen is written back into it.</extracomment>
        <translation>%1: nem tudo está no formato de configurações; o restante é usado, e nada é salvo</translation>
    </message>
    <message>
        <source>%1: not all of it is in the settings format; the rest is used</source>
        <extracomment>%1 is the path of a school&apos;s settings file, of which only some lines are settings (&quot;key=value&quot; under &quot;[section]&quot;): those are used.</extracomment>
        <translation>%1: nem tudo está no formato de configurações; o restante é usado</translation>
    </message>
    <message>
        <source>%1: %2: holds a list (a comma outside double quotes); ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key as the file has it (&quot;[display] zoom&quot;), whose value holds a comma, which makes it a list of values.</extracomment>
        <translation>%1: %2: contém uma lista (uma vírgula fora de aspas duplas); valor ignorado</translation>
    </message>
    <message>
        <source>%1: %2: is not a text; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key as the file has it (&quot;[display] zoom&quot;), whose value is stored data (&quot;@Rect(0 0 1 1)&quot;) rather than a text.</extracomment>
        <translation>%1: %2: não é um texto; valor ignorado</translation>
    </message>
    <message>
        <source>%1: %2: &apos;%3&apos; is not an absolute path; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[class] folder&quot;), %3 its value, which does not start at the root (&quot;/&quot;).</extracomment>
        <translation>%1: %2: &apos;%3&apos; não é um caminho absoluto; valor ignorado</translation>
    </message>
    <message>
        <source>%1: %2: &apos;%3&apos; is not one of %4; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[display] zoom&quot;), %3 its value, %4 the zoom steps there are (&quot;100, 125, 150, 175, 200, 250, 300&quot;).</extracomment>
        <translation>%1: %2: &apos;%3&apos; não é um dos valores %4; valor ignorado</translation>
    </message>
    <message>
        <source>%1: %2: no translation for &apos;%3&apos; (there are %4); ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[display] language&quot;), %3 its value, %4 the language codes there are (&quot;en, de, es, ...&quot;).</extracomment>
        <translation>%1: %2: não há tradução para &apos;%3&apos; (há para %4); valor ignorado</translation>
    </message>
    <message>
        <source>--language: no translation for &apos;%1&apos; (there are %2); ignored</source>
        <extracomment>%1 is the value given to the command line&apos;s --language, %2 the language codes there are (&quot;en, de, es, ...&quot;); keep --language as it is.</extracomment>
        <translation>--language: não há tradução para &apos;%1&apos; (há para %2); valor ignorado</translation>
    </message>
    <message>
        <source>--zoom: &apos;%1&apos; is not one of %2; ignored</source>
        <extracomment>%1 is the value given to the command line&apos;s --zoom, %2 the zoom steps there are (&quot;100, 125, 150, 175, 200, 250, 300&quot;); keep --zoom as it is.</extracomment>
        <translation>--zoom: &apos;%1&apos; não é um dos valores %2; valor ignorado</translation>
    </message>
    <message>
        <source>--class: &apos;%1&apos; is not a folder; the class window stays closed</source>
        <extracomment>%1 is the value given to the command line&apos;s --class, which names no folder; keep --class as it is.</extracomment>
        <translation>--class: &apos;%1&apos; não é uma pasta; a janela da turma não é aberta</translation>
    </message>
    <message>
        <source>%1: cannot be read whole; nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, which could not be read whole when the program came to remember a zoom or a folder in it.</extracomment>
        <translation>%1: não pode ser lido por inteiro; nada é salvo</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2); nothing more is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, %2 the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>%1: não pode ser gravado (%2); nada mais é salvo</translation>
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
            <numerusform>%n lado de Moeda 1</numerusform>
            <numerusform>%n vezes seguidas o mesmo lado de Moeda 1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same outcome in a row</source>
        <extracomment>A row of the after-a-streak table: what came after k of the same outcome in a row.</extracomment>
        <translation>
            <numerusform>%n resultado</numerusform>
            <numerusform>%n vezes seguidas o mesmo resultado</numerusform>
        </translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>The one letter that stands for Head when a pupil types a coin&apos;s faces (H in English). H and T are understood as well, unless your letters give them another meaning.</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>T</source>
        <extracomment>The one letter that stands for Tail when a pupil types a coin&apos;s faces (T in English).</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>“%1” (character %2) is not a face: type %3 for Head and %4 for Tail. Blanks and commas are left out.</source>
        <extracomment>Under the field for an invented sequence: %1 is what the pupil typed that is no face, %2 where it stands (1 for the first character), %3 and %4 the letters for Head and Tail.</extracomment>
        <translation>“%1” (caractere %2) não é um lado da moeda: digite %3 para Cara e %4 para Coroa. Espaços e vírgulas não contam.</translation>
    </message>
    <message numerus="yes">
        <source>Your sequence switches %n times in %1 chances; real ones switch %2 to %3 times. Invented sequences usually switch too often.</source>
        <extracomment>%n switches of the typed sequence (a face different from the one before) in %1 chances; real sequences of its length switch %2 to %3 times 95 % of the time.</extracomment>
        <translation>
            <numerusform>Sua sequência troca de lado %n vez em %1 chances; as reais trocam de %2 a %3 vezes. Sequências inventadas costumam trocar demais.</numerusform>
            <numerusform>Sua sequência troca de lado %n vezes em %1 chances; as reais trocam de %2 a %3 vezes. Sequências inventadas costumam trocar demais.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your sequence switches %n times in %1 chances; real ones switch %2 to %3 times. Yours switches less often than real ones do.</source>
        <extracomment>The same when the typed sequence switches less often than real ones do.</extracomment>
        <translation>
            <numerusform>Sua sequência troca de lado %n vez em %1 chances; as reais trocam de %2 a %3 vezes. A sua troca menos vezes que as reais.</numerusform>
            <numerusform>Sua sequência troca de lado %n vezes em %1 chances; as reais trocam de %2 a %3 vezes. A sua troca menos vezes que as reais.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak is %n in a row; real sequences of %1 faces have %2 to %3. Invented sequences usually have streaks too short.</source>
        <extracomment>The typed sequence&apos;s longest streak is %n in a row; real sequences of %1 faces have a longest streak of %2 to %3 95 % of the time.</extracomment>
        <translation>
            <numerusform>Sua série mais longa é de %n lançamento; sequências reais de %1 lançamentos têm de %2 a %3. Sequências inventadas costumam ter séries curtas demais.</numerusform>
            <numerusform>Sua série mais longa é de %n lançamentos; sequências reais de %1 lançamentos têm de %2 a %3. Sequências inventadas costumam ter séries curtas demais.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak is %n in a row; real sequences of %1 faces have %2 to %3. Yours is longer than real ones usually are.</source>
        <extracomment>The same when the typed sequence&apos;s longest streak is longer than real ones&apos;.</extracomment>
        <translation>
            <numerusform>Sua série mais longa é de %n lançamento; sequências reais de %1 lançamentos têm de %2 a %3. A sua é mais longa do que costuma ser nas reais.</numerusform>
            <numerusform>Sua série mais longa é de %n lançamentos; sequências reais de %1 lançamentos têm de %2 a %3. A sua é mais longa do que costuma ser nas reais.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak (%1) and your switches (%2) lie where real sequences of %n faces usually have theirs: by these two measures yours could be real.</source>
        <extracomment>Both measures of the typed sequence of %n faces lie inside the ranges of real ones; %1 is its longest streak, %2 its switches.</extracomment>
        <translation>
            <numerusform>Sua série mais longa (%1) e suas trocas (%2) estão onde costumam estar as das sequências reais de %n lançamento: por essas duas medidas, a sua poderia ser real.</numerusform>
            <numerusform>Sua série mais longa (%1) e suas trocas (%2) estão onde costumam estar as das sequências reais de %n lançamentos: por essas duas medidas, a sua poderia ser real.</numerusform>
        </translation>
    </message>
    <message>
        <source>No trials yet: there are no streaks.</source>
        <extracomment>Read streaks, before any trial.</extracomment>
        <translation>Nenhum lançamento ainda: não há séries.</translation>
    </message>
    <message numerus="yes">
        <source>%n times in a row</source>
        <extracomment>Part of Read streaks: &quot;5 times in a row&quot;, how long the longest streak was.</extracomment>
        <translation>
            <numerusform>%n vez seguida</numerusform>
            <numerusform>%n vezes seguidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %1 %2, %3 to %4 expected in %Ln runs.</source>
        <extracomment>Read streaks on a class: %1 the outcome, %2 &quot;5 times in a row&quot;, %3 to %4 the range chance gives the longest streak of an outcome about 95 % of the time in %n runs, each on its own.</extracomment>
        <translation>
            <numerusform>Série mais longa: %1 %2, esperado de %3 a %4 em %Ln experimento.</numerusform>
            <numerusform>Série mais longa: %1 %2, esperado de %3 a %4 em %Ln experimentos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %1 %2, %3 to %4 expected in %Ln trials.</source>
        <extracomment>Read streaks: %1 the outcome, %2 &quot;5 times in a row&quot;, %3 to %4 the range chance gives the longest streak of an outcome about 95 % of the time in %n trials.</extracomment>
        <translation>
            <numerusform>Série mais longa: %1 %2, esperado de %3 a %4 em %Ln lançamento.</numerusform>
            <numerusform>Série mais longa: %1 %2, esperado de %3 a %4 em %Ln lançamentos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After %n of the same outcome in a row, the next trial repeated it %1 of the time, a quarter expected.</source>
        <extracomment>Read streaks, its second sentence: after k of the same outcome in a row, the share of those trials in which the next trial was the same outcome again.</extracomment>
        <translation>
            <numerusform>Depois de %n resultado, o lançamento seguinte o repetiu em uma proporção de %1, espera-se um quarto.</numerusform>
            <numerusform>Depois de %n vezes seguidas o mesmo resultado, o lançamento seguinte o repetiu em uma proporção de %1, espera-se um quarto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The field takes %Ln characters at most: the rest of what was pasted was left out.</source>
        <extracomment>After a typed (or pasted) sequence that fills the field: the rest was not taken.</extracomment>
        <translation>
            <numerusform>O campo aceita no máximo %Ln caractere: o resto do que foi colado ficou de fora.</numerusform>
            <numerusform>O campo aceita no máximo %Ln caracteres: o resto do que foi colado ficou de fora.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quindle::StreaksWindow</name>
    <message>
        <source>Streaks in the run</source>
        <extracomment>The streaks window&apos;s title, on the pupil&apos;s run.</extracomment>
        <translation>Séries no experimento</translation>
    </message>
    <message>
        <source>Streaks in the class</source>
        <extracomment>The streaks window&apos;s title, on a class&apos;s runs.</extracomment>
        <translation>Séries da turma</translation>
    </message>
    <message>
        <source>Longest streaks</source>
        <extracomment>The heading of the streaks window&apos;s first table.</extracomment>
        <translation>Séries mais longas</translation>
    </message>
    <message>
        <source>A streak is the same result several times in a row. Real sequences of chance have longer streaks than most people expect.</source>
        <extracomment>Above the table of longest streaks.</extracomment>
        <translation>Uma série é o mesmo resultado várias vezes seguidas. Sequências reais do acaso têm séries mais longas do que a maioria das pessoas espera.</translation>
    </message>
    <message>
        <source>After a streak</source>
        <extracomment>The heading of the table of what came after a streak.</extracomment>
        <translation>Depois de uma série</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The streaks window&apos;s button that closes it.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Real or invented?</source>
        <extracomment>The heading of the part where a pupil types an invented sequence.</extracomment>
        <translation>Real ou inventada?</translation>
    </message>
    <message numerus="yes">
        <source>Invent a coin&apos;s faces as you think a real coin falls, and type them here: %1 for Head, %2 for Tail, at least %n faces.</source>
        <extracomment>Above the field for an invented sequence: %1 and %2 the letters for Head and Tail, %n the fewest faces it needs.</extracomment>
        <translation>
            <numerusform>Invente os lados de uma moeda como você acha que uma moeda de verdade cai e digite aqui: %1 para Cara, %2 para Coroa, pelo menos %n lançamento.</numerusform>
            <numerusform>Invente os lados de uma moeda como você acha que uma moeda de verdade cai e digite aqui: %1 para Cara, %2 para Coroa, pelo menos %n lançamentos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your sequence against real ones</source>
        <extracomment>The heading of the table that measures an invented sequence.</extracomment>
        <translation>Sua sequência comparada às reais</translation>
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
        <translation>Ler séries</translation>
    </message>
    <message numerus="yes">
        <source>Streaks in this run: %Ln trials.</source>
        <extracomment>Above the streaks window&apos;s tables, on the pupil&apos;s run.</extracomment>
        <translation>
            <numerusform>Séries neste experimento: %Ln lançamento.</numerusform>
            <numerusform>Séries neste experimento: %Ln lançamentos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Streaks in the class: %n runs with %1 trials, each run on its own (no streak runs from one run into the next).</source>
        <extracomment>Above the streaks window&apos;s tables, on a class: %n runs, %1 trials in all.</extracomment>
        <translation>
            <numerusform>Séries da turma: %n experimento com %1 lançamentos, cada experimento separado (nenhuma série passa de um experimento para o seguinte).</numerusform>
            <numerusform>Séries da turma: %n experimentos com %1 lançamentos, cada experimento separado (nenhuma série passa de um experimento para o seguinte).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n runs are left out: their files do not keep the order of the trials.</source>
        <extracomment>After the class&apos;s runs: runs whose files keep only their counts are left out.</extracomment>
        <translation>
            <numerusform>%n experimento fica de fora: seu arquivo não guarda a ordem dos lançamentos.</numerusform>
            <numerusform>%n experimentos ficam de fora: seus arquivos não guardam a ordem dos lançamentos.</numerusform>
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
        <translation>Série mais longa</translation>
    </message>
    <message>
        <source>Usual (median)</source>
        <extracomment>A column: the longest streak that chance gives as often above as below.</extracomment>
        <translation>Comum (mediana)</translation>
    </message>
    <message>
        <source>95 % of the time</source>
        <extracomment>A column: the range that chance keeps the longest streak in, 95 % of the time.
----------
A column: the range chance keeps that share in, 95 % of the time, for so many times.</extracomment>
        <translation>95% das vezes</translation>
    </message>
    <message>
        <source>Coin1, either face</source>
        <extracomment>A row of the longest streaks&apos; table: Coin1 alone, a streak of either face.</extracomment>
        <translation>Moeda 1, cara ou coroa</translation>
    </message>
    <message>
        <source>After</source>
        <extracomment>The first column of the after-a-streak table.</extracomment>
        <translation>Depois de</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>A column: how many trials followed k of the same in a row.</extracomment>
        <translation>Vezes</translation>
    </message>
    <message>
        <source>Next the same</source>
        <extracomment>A column: how many of those trials were the same again.</extracomment>
        <translation>Seguinte igual</translation>
    </message>
    <message>
        <source>Share the same</source>
        <extracomment>A column: the share of those trials that were the same again.</extracomment>
        <translation>Proporção igual</translation>
    </message>
    <message>
        <source>Expected</source>
        <extracomment>A column: the share that chance gives: a quarter for an outcome, a half for a face.</extracomment>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Sequence</source>
        <extracomment>The first column of the table that measures a typed sequence.</extracomment>
        <translation>Sequência</translation>
    </message>
    <message>
        <source>Switches</source>
        <extracomment>A column: how often a face differs from the one before it.</extracomment>
        <translation>Trocas</translation>
    </message>
    <message numerus="yes">
        <source>Yours: %n faces</source>
        <extracomment>A row: the typed sequence&apos;s measures, of %n faces.</extracomment>
        <translation>
            <numerusform>A sua: %n lançamento</numerusform>
            <numerusform>A sua: %n lançamentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Coin1&apos;s first %n faces in this run</source>
        <extracomment>A row: the same measures of Coin1&apos;s first %n faces in the run.</extracomment>
        <translation>
            <numerusform>O primeiro %n lançamento de Moeda 1 neste experimento</numerusform>
            <numerusform>Os primeiros %n lançamentos de Moeda 1 neste experimento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Coin1&apos;s first %n faces in a run</source>
        <extracomment>A row: the same of Coin1&apos;s first %n faces in the class&apos;s first run with as many trials.</extracomment>
        <translation>
            <numerusform>O primeiro %n lançamento de Moeda 1 em um experimento</numerusform>
            <numerusform>Os primeiros %n lançamentos de Moeda 1 em um experimento</numerusform>
        </translation>
    </message>
    <message>
        <source>Real ones, 95 % of the time</source>
        <extracomment>A row: the range real sequences of that length keep each measure in, 95 % of the time.</extracomment>
        <translation>Reais, 95% das vezes</translation>
    </message>
    <message>
        <source>After k of the same in a row, how often was the next trial the same again? Streaks overlap: in a streak of 5, the trials after its 3rd, 4th and 5th result each follow 3 in a row. Nothing follows the last trial of a run.</source>
        <extracomment>Above the table of what came after a streak.</extracomment>
        <translation>Depois de k vezes seguidas a mesma coisa, quantas vezes o lançamento seguinte foi igual de novo? As séries se sobrepõem: numa série de 5, os lançamentos depois do 3º, 4º e 5º resultado vêm cada um depois de 3 iguais seguidos. Depois do último lançamento de um experimento não vem nada.</translation>
    </message>
    <message>
        <source>Any outcome</source>
        <extracomment>A row of the longest streaks&apos; table: the longest streak of whichever outcome, against what chance gives the longest of any of the four.</extracomment>
        <translation>Qualquer resultado</translation>
    </message>
</context>
<context>
    <name>quindle::ZoomControl</name>
    <message>
        <source>%1%</source>
        <extracomment>A zoom step in the context menu: %1 is the percentage.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Zoom (%1%)</source>
        <extracomment>The context menu&apos;s zoom entry, with the zoom in force: %1 is the percentage.</extracomment>
        <translation>Zoom (%1%)</translation>
    </message>
    <message>
        <source>Larger</source>
        <extracomment>Zooms all windows one step larger.</extracomment>
        <translation>Maior</translation>
    </message>
    <message>
        <source>Smaller</source>
        <extracomment>Zooms all windows one step smaller.</extracomment>
        <translation>Menor</translation>
    </message>
</context>
</TS>
