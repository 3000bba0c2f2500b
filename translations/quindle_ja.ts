<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>quindle::Caption</name>
    <message>
        <source>(C) 2026 The Quindle developers</source>
        <extracomment>Ends every window&apos;s title.</extracomment>
        <translation>(C) 2026 Quindle 開発者</translation>
    </message>
</context>
<context>
    <name>quindle::ClassPictures</name>
    <message>
        <source>Each run&apos;s ratios against its trials; the class, larger</source>
        <extracomment>The funnel picture&apos;s title: each run&apos;s ratios against its number of trials.</extracomment>
        <translation>各実験の試行回数に対する割合（クラス全体は大きな点）</translation>
    </message>
    <message>
        <source>All runs one after another: each share so far</source>
        <extracomment>The class curve&apos;s title: all runs&apos; trials one after another.</extracomment>
        <translation>すべての実験を順につなげたときの、各出方のそれまでの割合</translation>
    </message>
</context>
<context>
    <name>quindle::ClassWindow</name>
    <message>
        <source>Class results: %1</source>
        <extracomment>The class window&apos;s title; %1 is the folder&apos;s name.</extracomment>
        <translation>クラスの結果: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>試行回数</translation>
    </message>
    <message>
        <source>%1
ratio</source>
        <extracomment>A column of the class table, on two lines: %1 is an outcome (&quot;Head Tail&quot;).</extracomment>
        <translation>%1
割合</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Save class results…</source>
        <translation>クラスの結果を保存…</translation>
    </message>
    <message>
        <source>Save class results</source>
        <translation>クラスの結果を保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Copy pictures</source>
        <translation>図をコピー</translation>
    </message>
    <message>
        <source>Save pictures…</source>
        <translation>図を保存…</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <translation>図を保存</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Read summary</source>
        <translation>概要を読み上げ</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The class table&apos;s last row, which pools every run.</extracomment>
        <translation>クラス全体</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Quindle, class results, %1: %2 runs, %3 trials</source>
        <extracomment>The caption above the printed pictures: %1 the date, %2 the runs, %3 the trials.</extracomment>
        <translation>Quindle、クラスの結果、%1：実験 %2 回、試行 %3 回</translation>
    </message>
    <message>
        <source>%1 runs, %2 trials in all.</source>
        <extracomment>Said on demand: %1 the number of runs pooled, %2 their trials.</extracomment>
        <translation>全部で実験 %1 回、試行 %2 回。</translation>
    </message>
    <message>
        <source> %1 %2.</source>
        <extracomment>Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.</extracomment>
        <translation> %1の割合 %2。</translation>
    </message>
    <message>
        <source> %1 of %2 runs lie inside the expected range.</source>
        <extracomment>%1 of %2 runs have all four ratios inside the expected range.</extracomment>
        <translation> %2 回の実験のうち %1 回が予想される範囲内です。</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Runs and the class</source>
        <translation>各実験とクラス全体</translation>
    </message>
    <message>
        <source>Files not pooled</source>
        <translation>集計に含めなかったファイル</translation>
    </message>
    <message>
        <source>Each run&apos;s ratios</source>
        <translation>各実験の割合</translation>
    </message>
    <message>
        <source>Each run&apos;s four ratios against its number of trials, and the class&apos;s pooled ratios</source>
        <translation>各実験の4つの割合を試行回数に対して描いたものと、クラス全体をまとめた割合</translation>
    </message>
    <message>
        <source>The class curve</source>
        <translation>クラス全体の曲線</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all the class&apos;s trials so far, run after run</source>
        <translation>実験を順に1つずつ加えたときの、クラスのそれまでの全試行に対する各出方の割合</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a file of the class&apos;s folder is not pooled, after its name.</extracomment>
        <translation>空のファイル</translation>
    </message>
    <message>
        <source>too large for a results file (%1 KB)</source>
        <translation>結果ファイルとしては大きすぎる（%1 KB）</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>テキストファイルではない</translation>
    </message>
    <message>
        <source>not a Quindle results file</source>
        <translation>Quindle の結果ファイルではない</translation>
    </message>
    <message>
        <source>saved by a newer Quindle (format %1)</source>
        <translation>新しい Quindle で保存されている（形式のバージョン %1）</translation>
    </message>
    <message>
        <source>cut short after trial %1 of %2</source>
        <translation>%2 回のうち %1 回目の試行の後で途切れている</translation>
    </message>
    <message>
        <source>cut short before its end</source>
        <translation>途中で途切れている</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <translation>%1 の複製</translation>
    </message>
    <message>
        <source>inconsistent: the counts add up to %1, not %2 trials</source>
        <translation>矛盾: 度数の合計が %1 で、試行回数 %2 と合わない</translation>
    </message>
    <message>
        <source>inconsistent: a ratio does not match its count (line %1)</source>
        <translation>矛盾: 割合が度数と合わない（%1 行目）</translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the counts (line %1)</source>
        <translation>矛盾: 途中経過が度数と合わない（%1 行目）</translation>
    </message>
    <message>
        <source>inconsistent: the trial log disagrees with the counts (line %1)</source>
        <translation>矛盾: 試行の記録が度数と合わない（%1 行目）</translation>
    </message>
    <message>
        <source>inconsistent: more trials than a run can have</source>
        <translation>矛盾: 試行回数が1回の実験の上限を超えている</translation>
    </message>
    <message>
        <source>inconsistent: line %1 cannot be read</source>
        <translation>矛盾: %1 行目を読み取れない</translation>
    </message>
</context>
<context>
    <name>quindle::CommandLine</name>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <translation>2枚のコインを何度も投げて4通りの出方を数え、それぞれの割合が1/4に近づく様子を見せます。</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <translation>時計の代わりに &lt;N&gt;（整数）で決まる列から毎回の乱数を取り、どの機械でも1回ごとに同じ結果にします。</translation>
    </message>
    <message>
        <source>Shows the texts in &lt;CODE&gt; (en, %1) instead of the system&apos;s language.</source>
        <extracomment>%1 lists the languages the program is translated into.</extracomment>
        <translation>システムの言語の代わりに &lt;CODE&gt;（en、%1）の言語で表示します。</translation>
    </message>
    <message>
        <source>Starts with every window at &lt;PERCENT&gt; of its size (%1).</source>
        <extracomment>%1 lists the zoom steps.</extracomment>
        <translation>すべてのウィンドウを大きさの &lt;PERCENT&gt;（%1）で開きます。</translation>
    </message>
    <message>
        <source>Opens the class window beside the experiment window, pooling the results files in &lt;FOLDER&gt; as they come.</source>
        <translation>実験ウィンドウの横にクラスの結果のウィンドウを開き、&lt;FOLDER&gt; に結果ファイルが届くたびに集計します。</translation>
    </message>
</context>
<context>
    <name>quindle::Errors</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>%1 is the error&apos;s number, %2 its name in English (&quot;Overflow&quot;).</extracomment>
        <translation>実行時エラー &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Unexpected error:

%1</source>
        <translation>予期しないエラー:

%1</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentControl</name>
    <message>
        <source>This software will exit.</source>
        <extracomment>The message box Exit shows before the program ends.</extracomment>
        <translation>このソフトウェアを終了します。</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentWindow</name>
    <message>
        <source>%1 frequency</source>
        <translation>%1の度数</translation>
    </message>
    <message>
        <source>%1 probability</source>
        <translation>%1の確率</translation>
    </message>
    <message>
        <source>%1 trials</source>
        <extracomment>Said every few seconds during a run.</extracomment>
        <translation>%1 回</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Save results…</source>
        <translation>結果を保存…</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>速さ</translation>
    </message>
    <message>
        <source>As designed</source>
        <extracomment>How fast a run goes: a trial every millisecond, as the program was designed.</extracomment>
        <translation>標準</translation>
    </message>
    <message>
        <source>Classroom</source>
        <extracomment>About sixty trials a second, slow enough for a class to follow each count.</extracomment>
        <translation>授業用</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>シード: %1</translation>
    </message>
    <message>
        <source>Seed: none, the run follows the clock</source>
        <translation>シード: なし（時計に従う）</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>結果を保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Counts cleared.</source>
        <translation>度数を消去しました。</translation>
    </message>
    <message>
        <source>Stopped after %1 trials.</source>
        <translation>%1 回で停止しました。</translation>
    </message>
    <message>
        <source>Run finished after %1 trials.</source>
        <translation>%1 回で実験が終わりました。</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows &quot;Stopped after … trials.&quot; once per outcome: %1 the outcome (&quot;Head Tail&quot;), %2 its count, %3 its ratio.</extracomment>
        <translation> %1 %2 回、%3。</translation>
    </message>
    <message>
        <source>How often this outcome has come up in the current run</source>
        <translation>今回の実験でこの出方が出た回数</translation>
    </message>
    <message>
        <source>This outcome&apos;s share of all trials of the current run</source>
        <translation>今回の実験の全試行に対するこの出方の割合</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The top row&apos;s buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>初期化</translation>
    </message>
    <message>
        <source>Coin1: Head</source>
        <translation>コイン1: 表</translation>
    </message>
    <message>
        <source>Coin1: Tail</source>
        <translation>コイン1: 裏</translation>
    </message>
    <message>
        <source>Coin2: Head</source>
        <translation>コイン2: 表</translation>
    </message>
    <message>
        <source>Coin2: Tail</source>
        <translation>コイン2: 裏</translation>
    </message>
    <message>
        <source>Coin1</source>
        <extracomment>Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.</extracomment>
        <translation>コイン1</translation>
    </message>
    <message>
        <source>Coin2</source>
        <translation>コイン2</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>表</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>裏</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The table&apos;s row names are 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>度数</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>確率</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <extracomment>Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.</extracomment>
        <translation>実験回数</translation>
    </message>
    <message>
        <source>Number of trials</source>
        <translation>試行回数</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stop and Start are 105 pixels wide: about 10 characters.</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Graph display</source>
        <extracomment>129 pixels wide: about 13 characters.</extracomment>
        <translation>グラフ表示</translation>
    </message>
    <message>
        <source>Class results…</source>
        <translation>クラスの結果…</translation>
    </message>
    <message>
        <source>Class results</source>
        <extracomment>The title of the dialog that asks for the folder of a class&apos;s results files.</extracomment>
        <translation>クラスの結果</translation>
    </message>
    <message>
        <source>One trial (%1)</source>
        <extracomment>One trial each time a key is pressed: %1 is the key (&quot;Ctrl+T&quot;).</extracomment>
        <translation>1回ずつ (%1)</translation>
    </message>
    <message>
        <source>Hand in</source>
        <extracomment>Writes the run&apos;s results file straight into the class folder, under the pupil&apos;s name.</extracomment>
        <translation>提出</translation>
    </message>
    <message>
        <source>The class folder %1 cannot be used: %2

The run is still here: choose another folder to save it in.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>クラスのフォルダー %1 を使えません: %2

実験の結果はそのまま残っています。保存先に別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>The run could not be handed in to the class folder %1: %2

It is still here: Save results… saves it in another folder.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>クラスのフォルダー %1 に提出できませんでした: %2

実験の結果はそのまま残っています。「結果を保存…」で別のフォルダーに保存できます。</translation>
    </message>
    <message>
        <source>Handed in as %1.</source>
        <extracomment>%1 is the name of the results file in the class folder.</extracomment>
        <translation>%1 として提出しました。</translation>
    </message>
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message>
        <source>Copy graph</source>
        <translation>グラフをコピー</translation>
    </message>
    <message>
        <source>Save graph…</source>
        <translation>グラフを保存…</translation>
    </message>
    <message>
        <source>Save graph at double resolution…</source>
        <translation>グラフを2倍の解像度で保存…</translation>
    </message>
    <message>
        <source>Show expected range</source>
        <translation>予想される範囲を表示</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>結果へ移動</translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation>グラフを保存</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>no trials yet</source>
        <extracomment>What a legend label tells a screen reader before the first trial.</extracomment>
        <translation>まだ試行なし</translation>
    </message>
    <message>
        <source>ratio %1 after %2 times</source>
        <translation>%2 回で割合 %1</translation>
    </message>
    <message>
        <source>, inside the expected range</source>
        <translation>、予想される範囲内</translation>
    </message>
    <message>
        <source>, outside the expected range</source>
        <translation>、予想される範囲外</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A legend label as a screen reader reads it: %1 the outcome, %2 its result.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source> Graph  </source>
        <extracomment>The graph window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> グラフ  </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all trials (vertical, 0 to 1) against the number of times that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed line at the theoretical 0.25</source>
        <translation>各出方の全試行に対する割合（縦軸、0〜1）を、その出方が出た回数（横軸、0〜1000）に対して描いたもの。出方ごとに1本の曲線、理論値0.25に破線</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <extracomment>The legend&apos;s labels are 57 pixels wide in a bold face: an outcome in a few letters, coin 1 first, Fr for front (head) and Ba for back (tail), joined by a katakana middle dot.</extracomment>
        <translation>裏・裏</translation>
    </message>
    <message>
        <source>the red curve</source>
        <translation>赤い曲線</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <translation>裏・表</translation>
    </message>
    <message>
        <source>the cyan curve</source>
        <translation>水色の曲線</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <translation>表・裏</translation>
    </message>
    <message>
        <source>the green curve</source>
        <translation>緑の曲線</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <translation>表・表</translation>
    </message>
    <message>
        <source>the blue curve</source>
        <translation>青い曲線</translation>
    </message>
    <message>
        <source>Save graph as PDF…</source>
        <translation>グラフをPDFで保存…</translation>
    </message>
    <message>
        <source>Save graph as PDF</source>
        <translation>グラフをPDFで保存</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as SVG…</source>
        <translation>グラフをSVGで保存…</translation>
    </message>
    <message>
        <source>Save graph as SVG</source>
        <translation>グラフをSVGで保存</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>SVG 画像 (*.svg)</translation>
    </message>
    <message>
        <source>Quindle, %1: %2 trials</source>
        <extracomment>The line above the printed graph: %1 the date, %2 the number of trials.</extracomment>
        <translation>Quindle、%1：試行 %2 回</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <extracomment>Follows the printed graph&apos;s caption when the run followed a seed.</extracomment>
        <translation>、シード %1</translation>
    </message>
</context>
<context>
    <name>quindle::HelpText</name>
    <message>
        <source>【Problem】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【問題】</translation>
    </message>
    <message>
        <source>Throw two coins at the same time and think about how they appear on front and back.</source>
        <extracomment>The help text is printed line by line as written, on a surface about 590 pixels wide; a line that does not fit loses its end. Keep each line about as long as the original and break the sentences where they fit. A blank at the end of a line belongs to it.</extracomment>
        <translation>2枚のコインを同時に投げて、表と裏の出方を考えます。</translation>
    </message>
    <message>
        <source>If these two coins are Coin1 and Coin2 , respectively , there are four ways to get </source>
        <translation>この2枚をそれぞれコイン1、コイン2とすると、出方は</translation>
    </message>
    <message>
        <source>them : front/front , front/back , back/front , back/back. </source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>表/表、表/裏、裏/表、裏/裏の4通りです。</translation>
    </message>
    <message>
        <source>That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <translation>つまり、この4通りが起こる確率はそれぞれ1/4です。</translation>
    </message>
    <message>
        <source>However , in reality , if you throw two coins four times at the same time , </source>
        <translation>しかし実際に2枚のコインを同時に4回投げても、</translation>
    </message>
    <message>
        <source>it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>両方とも裏になるのがちょうど1回とは限りません。</translation>
    </message>
    <message>
        <source>The same applies to the other three cases.</source>
        <translation>ほかの3通りについても同じです。</translation>
    </message>
    <message>
        <source>Then , what is the relationship with the mathmatically obtained theoretical </source>
        <translation>では、数学的に求めた理論上の確率1/4とは</translation>
    </message>
    <message>
        <source>probability of 1/4 ?</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>どのような関係があるでしょうか。</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【操作方法】</translation>
    </message>
    <message>
        <source>Click the [Start] button to start the experiment.</source>
        <extracomment>[Start] names the experiment window&apos;s Start button: use its caption there.</extracomment>
        <translation>［開始］ボタンをクリックすると実験が始まります。</translation>
    </message>
    <message>
        <source>Click the [Stop] button to stop the experiment.</source>
        <extracomment>[Stop] names the experiment window&apos;s Stop button: use its caption there.</extracomment>
        <translation>［停止］ボタンをクリックすると実験が止まります。</translation>
    </message>
    <message>
        <source>When you click the [Graph display] button , the relationship between the number of</source>
        <extracomment>[Graph display] names the experiment window&apos;s button: use its caption there.</extracomment>
        <translation>［グラフ表示］ボタンをクリックすると、実験回数と</translation>
    </message>
    <message>
        <source>experiments and the front/front , front/back , back/front , back/back , and the ratio</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>表/表、表/裏、裏/表、裏/裏それぞれの割合との関係が</translation>
    </message>
    <message>
        <source>of each is displayed in a graph.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>グラフで表示されます。</translation>
    </message>
    <message>
        <source>You can restart the experiment from the beginning by clicking the [Init] button.</source>
        <extracomment>[Init] names the experiment window&apos;s Init button: use its caption there.</extracomment>
        <translation>［初期化］ボタンをクリックすると最初からやり直せます。</translation>
    </message>
</context>
<context>
    <name>quindle::HelpWindow</name>
    <message>
        <source> Quindle＿Help（Question and operation method） </source>
        <extracomment>The help window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Quindle＿ヘルプ（問題と操作方法） </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>ヘルプの本文</translation>
    </message>
</context>
<context>
    <name>quindle::Outcome</name>
    <message>
        <source>Head</source>
        <translation>表</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>裏</translation>
    </message>
</context>
<context>
    <name>quindle::Paper</name>
    <message>
        <source>Cannot print: %1</source>
        <extracomment>Shown instead of the print dialog; %1 says why (a missing part of the installation).</extracomment>
        <translation>印刷できません: %1</translation>
    </message>
</context>
<context>
    <name>quindle::Plot</name>
    <message>
        <source>(Horizontal axis : Number of times)</source>
        <extracomment>The horizontal axis&apos;s title, printed from about 60 % of the graph&apos;s width to its right edge: there is room for about 35 characters.</extracomment>
        <translation>（横軸：回数）</translation>
    </message>
    <message>
        <source>(Vertical axis : Ratio)</source>
        <translation>（縦軸：割合）</translation>
    </message>
</context>
<context>
    <name>quindle::ResultTable</name>
    <message>
        <source>frequency</source>
        <extracomment>Read by a screen reader before each count of the result table (&quot;frequency 567&quot;).</extracomment>
        <translation>度数</translation>
    </message>
    <message>
        <source>ratio</source>
        <extracomment>Read before each ratio of the result table.</extracomment>
        <translation>割合</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>What a screen reader calls the table of counts and ratios.</extracomment>
        <translation>結果</translation>
    </message>
</context>
<context>
    <name>quindle::Saving</name>
    <message>
        <source>the file could not be written</source>
        <extracomment>Why a file was not saved, after &quot;… could not be saved: &quot;.</extracomment>
        <translation>ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>%1 を保存できませんでした: %2</translation>
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
        <translation>拡大率 (%1%)</translation>
    </message>
    <message>
        <source>Larger</source>
        <extracomment>Zooms all windows one step larger.</extracomment>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Smaller</source>
        <extracomment>Zooms all windows one step smaller.</extracomment>
        <translation>縮小</translation>
    </message>
</context>
</TS>
