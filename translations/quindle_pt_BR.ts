<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Frequências relativas de cada experimento em função dos lançamentos; a turma, em destaque</translation>
    </message>
    <message>
        <source>All runs one after another: each share so far</source>
        <extracomment>The class curve&apos;s title: all runs&apos; trials one after another.</extracomment>
        <translation>Todos os experimentos em sequência: cada frequência relativa até o momento</translation>
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
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Lançamentos</translation>
    </message>
    <message>
        <source>%1
ratio</source>
        <extracomment>A column of the class table, on two lines: %1 is an outcome (&quot;Head Tail&quot;).</extracomment>
        <translation>%1
frequência relativa</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save class results…</source>
        <translation>Salvar resultados da turma…</translation>
    </message>
    <message>
        <source>Save class results</source>
        <translation>Salvar resultados da turma</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy pictures</source>
        <translation>Copiar gráficos</translation>
    </message>
    <message>
        <source>Save pictures…</source>
        <translation>Salvar gráficos…</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <translation>Salvar gráficos</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Read summary</source>
        <translation>Ler resumo</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The class table&apos;s last row, which pools every run.</extracomment>
        <translation>Turma</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Quindle, class results, %1: %2 runs, %3 trials</source>
        <extracomment>The caption above the printed pictures: %1 the date, %2 the runs, %3 the trials.</extracomment>
        <translation>Quindle, resultados da turma, %1: %2 experimentos, %3 lançamentos</translation>
    </message>
    <message>
        <source>%1 runs, %2 trials in all.</source>
        <extracomment>Said on demand: %1 the number of runs pooled, %2 their trials.</extracomment>
        <translation>%1 experimentos, %2 lançamentos no total.</translation>
    </message>
    <message>
        <source> %1 %2.</source>
        <extracomment>Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.</extracomment>
        <translation> %1: %2.</translation>
    </message>
    <message>
        <source> %1 of %2 runs lie inside the expected range.</source>
        <extracomment>%1 of %2 runs have all four ratios inside the expected range.</extracomment>
        <translation> %1 de %2 experimentos ficam dentro da faixa esperada.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Runs and the class</source>
        <translation>Experimentos e a turma</translation>
    </message>
    <message>
        <source>Files not pooled</source>
        <translation>Arquivos não incluídos</translation>
    </message>
    <message>
        <source>Each run&apos;s ratios</source>
        <translation>Frequências relativas de cada experimento</translation>
    </message>
    <message>
        <source>Each run&apos;s four ratios against its number of trials, and the class&apos;s pooled ratios</source>
        <translation>As quatro frequências relativas de cada experimento em função do seu número de lançamentos, e as frequências relativas da turma toda</translation>
    </message>
    <message>
        <source>The class curve</source>
        <translation>A curva da turma</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all the class&apos;s trials so far, run after run</source>
        <translation>A frequência relativa de cada resultado em todos os lançamentos da turma até o momento, experimento após experimento</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a file of the class&apos;s folder is not pooled, after its name.</extracomment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>too large for a results file (%1 KB)</source>
        <translation>grande demais para um arquivo de resultados (%1 KB)</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>não é um arquivo de texto</translation>
    </message>
    <message>
        <source>not a Quindle results file</source>
        <translation>não é um arquivo de resultados do Quindle</translation>
    </message>
    <message>
        <source>saved by a newer Quindle (format %1)</source>
        <translation>salvo por uma versão mais recente do Quindle (formato %1)</translation>
    </message>
    <message>
        <source>cut short after trial %1 of %2</source>
        <translation>interrompido após o lançamento %1 de %2</translation>
    </message>
    <message>
        <source>cut short before its end</source>
        <translation>interrompido antes do fim</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <translation>uma cópia de %1</translation>
    </message>
    <message>
        <source>inconsistent: the counts add up to %1, not %2 trials</source>
        <translation>inconsistente: as contagens somam %1, e não %2 lançamentos</translation>
    </message>
    <message>
        <source>inconsistent: a ratio does not match its count (line %1)</source>
        <translation>inconsistente: uma frequência relativa não corresponde à sua contagem (linha %1)</translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the counts (line %1)</source>
        <translation>inconsistente: o histórico não confere com as contagens (linha %1)</translation>
    </message>
    <message>
        <source>inconsistent: the trial log disagrees with the counts (line %1)</source>
        <translation>inconsistente: o registro de lançamentos não confere com as contagens (linha %1)</translation>
    </message>
    <message>
        <source>inconsistent: more trials than a run can have</source>
        <translation>inconsistente: mais lançamentos do que um experimento pode ter</translation>
    </message>
    <message>
        <source>inconsistent: line %1 cannot be read</source>
        <translation>inconsistente: a linha %1 não pode ser lida</translation>
    </message>
</context>
<context>
    <name>quindle::CommandLine</name>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <translation>Lança duas moedas repetidas vezes e conta os quatro resultados, para que se veja a frequência relativa de cada um se aproximar de 1/4.</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <translation>Obtém cada sorteio de uma sequência definida por &lt;N&gt; (um número inteiro), igual lançamento a lançamento em qualquer computador, em vez de usar o relógio.</translation>
    </message>
    <message>
        <source>Shows the texts in &lt;CODE&gt; (en, %1) instead of the system&apos;s language.</source>
        <extracomment>%1 lists the languages the program is translated into.</extracomment>
        <translation>Mostra os textos no idioma &lt;CODE&gt; (en, %1) em vez do idioma do sistema.</translation>
    </message>
    <message>
        <source>Starts with every window at &lt;PERCENT&gt; of its size (%1).</source>
        <extracomment>%1 lists the zoom steps.</extracomment>
        <translation>Abre todas as janelas com &lt;PERCENT&gt; do seu tamanho (%1).</translation>
    </message>
    <message>
        <source>Opens the class window beside the experiment window, pooling the results files in &lt;FOLDER&gt; as they come.</source>
        <translation>Abre a janela da turma ao lado da janela do experimento, reunindo os arquivos de resultados da pasta &lt;FOLDER&gt; à medida que chegam.</translation>
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
        <translation>Frequência de %1</translation>
    </message>
    <message>
        <source>%1 probability</source>
        <translation>Frequência relativa de %1</translation>
    </message>
    <message>
        <source>%1 trials</source>
        <extracomment>Said every few seconds during a run.</extracomment>
        <translation>%1 lançamentos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save results…</source>
        <translation>Salvar resultados…</translation>
    </message>
    <message>
        <source>Pace</source>
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
        <translation>Semente: %1</translation>
    </message>
    <message>
        <source>Seed: none, the run follows the clock</source>
        <translation>Semente: nenhuma, o experimento segue o relógio</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Salvar resultados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Counts cleared.</source>
        <translation>Contagens zeradas.</translation>
    </message>
    <message>
        <source>Stopped after %1 trials.</source>
        <translation>Experimento parado após %1 lançamentos.</translation>
    </message>
    <message>
        <source>Run finished after %1 trials.</source>
        <translation>Experimento concluído após %1 lançamentos.</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows &quot;Stopped after … trials.&quot; once per outcome: %1 the outcome (&quot;Head Tail&quot;), %2 its count, %3 its ratio.</extracomment>
        <translation> %1: %2 vezes, %3.</translation>
    </message>
    <message>
        <source>How often this outcome has come up in the current run</source>
        <translation>Quantas vezes este resultado saiu no experimento atual</translation>
    </message>
    <message>
        <source>This outcome&apos;s share of all trials of the current run</source>
        <translation>Fração dos lançamentos do experimento atual em que saiu este resultado</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The top row&apos;s buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Coin1: Head</source>
        <translation>Moeda 1: cara</translation>
    </message>
    <message>
        <source>Coin1: Tail</source>
        <translation>Moeda 1: coroa</translation>
    </message>
    <message>
        <source>Coin2: Head</source>
        <translation>Moeda 2: cara</translation>
    </message>
    <message>
        <source>Coin2: Tail</source>
        <translation>Moeda 2: coroa</translation>
    </message>
    <message>
        <source>Coin1</source>
        <extracomment>Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.</extracomment>
        <translation>Moed.1</translation>
    </message>
    <message>
        <source>Coin2</source>
        <translation>Moed.2</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Coroa</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The table&apos;s row names are 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Freq. rel.</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <extracomment>Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.</extracomment>
        <translation>Número de lançamentos</translation>
    </message>
    <message>
        <source>Number of trials</source>
        <translation>Número de lançamentos</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stop and Start are 105 pixels wide: about 10 characters.</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Graph display</source>
        <extracomment>129 pixels wide: about 13 characters.</extracomment>
        <translation>Ver gráfico</translation>
    </message>
    <message>
        <source>Class results…</source>
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
        <translation>Um lançamento (%1)</translation>
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
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message>
        <source>Copy graph</source>
        <translation>Copiar gráfico</translation>
    </message>
    <message>
        <source>Save graph…</source>
        <translation>Salvar gráfico…</translation>
    </message>
    <message>
        <source>Save graph at double resolution…</source>
        <translation>Salvar gráfico com o dobro da resolução…</translation>
    </message>
    <message>
        <source>Show expected range</source>
        <translation>Mostrar faixa esperada</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>Ler resultados</translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation>Salvar gráfico</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>no trials yet</source>
        <extracomment>What a legend label tells a screen reader before the first trial.</extracomment>
        <translation>nenhum lançamento ainda</translation>
    </message>
    <message>
        <source>ratio %1 after %2 times</source>
        <translation>frequência relativa %1 após sair %2 vezes</translation>
    </message>
    <message>
        <source>, inside the expected range</source>
        <translation>, dentro da faixa esperada</translation>
    </message>
    <message>
        <source>, outside the expected range</source>
        <translation>, fora da faixa esperada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A legend label as a screen reader reads it: %1 the outcome, %2 its result.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all trials (vertical, 0 to 1) against the number of times that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed line at the theoretical 0.25</source>
        <translation>A frequência relativa de cada resultado (eixo vertical, de 0 a 1) em função do número de vezes que esse resultado saiu (eixo horizontal, de 0 a 1000), uma curva por resultado, com uma linha tracejada no valor teórico 0,25</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <extracomment>The legend&apos;s labels are 57 pixels wide in a bold face: an outcome in a few letters, coin 1 first, Fr for front (head) and Ba for back (tail), joined by a katakana middle dot.</extracomment>
        <translation>Co・Co</translation>
    </message>
    <message>
        <source>the red curve</source>
        <translation>a curva vermelha</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <translation>Co・Ca</translation>
    </message>
    <message>
        <source>the cyan curve</source>
        <translation>a curva ciano</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <translation>Ca・Co</translation>
    </message>
    <message>
        <source>the green curve</source>
        <translation>a curva verde</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <translation>Ca・Ca</translation>
    </message>
    <message>
        <source>the blue curve</source>
        <translation>a curva azul</translation>
    </message>
    <message>
        <source> Graph  </source>
        <extracomment>The graph window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Gráfico  </translation>
    </message>
    <message>
        <source>Save graph as PDF…</source>
        <translation>Salvar gráfico como PDF…</translation>
    </message>
    <message>
        <source>Save graph as PDF</source>
        <translation>Salvar gráfico como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as SVG…</source>
        <translation>Salvar gráfico como SVG…</translation>
    </message>
    <message>
        <source>Save graph as SVG</source>
        <translation>Salvar gráfico como SVG</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Imagens SVG (*.svg)</translation>
    </message>
    <message>
        <source>Quindle, %1: %2 trials</source>
        <extracomment>The line above the printed graph: %1 the date, %2 the number of trials.</extracomment>
        <translation>Quindle, %1: %2 lançamentos</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <extracomment>Follows the printed graph&apos;s caption when the run followed a seed.</extracomment>
        <translation>, semente %1</translation>
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
        <translation>Chamando essas moedas de Moeda1 e Moeda2, há quatro resultados possíveis: </translation>
    </message>
    <message>
        <source>them : front/front , front/back , back/front , back/back. </source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>cara/cara, cara/coroa, coroa/cara e coroa/coroa. </translation>
    </message>
    <message>
        <source>That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <translation>Ou seja, cada um desses quatro resultados tem probabilidade 1/4 de ocorrer.</translation>
    </message>
    <message>
        <source>However , in reality , if you throw two coins four times at the same time , </source>
        <translation>Porém, na prática, se você lançar as duas moedas juntas quatro vezes, </translation>
    </message>
    <message>
        <source>it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>nem sempre vai sair coroa/coroa exatamente uma vez.</translation>
    </message>
    <message>
        <source>The same applies to the other three cases.</source>
        <translation>O mesmo vale para os outros três resultados.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with the mathmatically obtained theoretical </source>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Help text</source>
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
        <translation>Cara</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Coroa</translation>
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
        <translation>(Eixo vertical: frequência relativa)</translation>
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
