<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Quindle</name>
    <message>
        <source> Quindle </source>
        <translation> Quindle </translation>
    </message>
    <message>
        <source> Graph  </source>
        <translation> グラフ  </translation>
    </message>
    <message>
        <source> Quindle＿Help（Question and operation method） </source>
        <translation> Quindle＿ヘルプ（問題と操作方法） </translation>
    </message>
    <message>
        <source>(C) 2026 The Quindle developers</source>
        <translation>(C) 2026 Quindle 開発者</translation>
    </message>
    <message>
        <source>Quindle</source>
        <translation>Quindle</translation>
    </message>
    <message>
        <source>Exit</source>
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
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>グラフ表示</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Coin1</source>
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
        <translation>度数</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>確率</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <translation>実験回数</translation>
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
        <source>Head/Head frequency</source>
        <translation>表/表の度数</translation>
    </message>
    <message>
        <source>Head/Tail frequency</source>
        <translation>表/裏の度数</translation>
    </message>
    <message>
        <source>Tail/Head frequency</source>
        <translation>裏/表の度数</translation>
    </message>
    <message>
        <source>Tail/Tail frequency</source>
        <translation>裏/裏の度数</translation>
    </message>
    <message>
        <source>Head/Head probability</source>
        <translation>表/表の確率</translation>
    </message>
    <message>
        <source>Head/Tail probability</source>
        <translation>表/裏の確率</translation>
    </message>
    <message>
        <source>Tail/Head probability</source>
        <translation>裏/表の確率</translation>
    </message>
    <message>
        <source>Tail/Tail probability</source>
        <translation>裏/裏の確率</translation>
    </message>
    <message>
        <source>Head/Head</source>
        <translation>表/表</translation>
    </message>
    <message>
        <source>Head/Tail</source>
        <translation>表/裏</translation>
    </message>
    <message>
        <source>Tail/Head</source>
        <translation>裏/表</translation>
    </message>
    <message>
        <source>Tail/Tail</source>
        <translation>裏/裏</translation>
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
        <source>Number of trials</source>
        <translation>試行回数</translation>
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
        <source>the blue curve</source>
        <translation>青い曲線</translation>
    </message>
    <message>
        <source>the green curve</source>
        <translation>緑の曲線</translation>
    </message>
    <message>
        <source>the cyan curve</source>
        <translation>水色の曲線</translation>
    </message>
    <message>
        <source>the red curve</source>
        <translation>赤い曲線</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <translation>表・表</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <translation>表・裏</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <translation>裏・表</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <translation>裏・裏</translation>
    </message>
    <message>
        <source>コインが止まる</source>
        <translation>コインが止まる</translation>
    </message>
    <message>
        <source>(Vertical axis : Ratio)</source>
        <translation>（縦軸：割合）</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of times)</source>
        <translation>（横軸：回数）</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>このソフトウェアを終了します。</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>実行時エラー &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Unexpected error:

%1</source>
        <translation>予期しないエラー:

%1</translation>
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
        <translation>標準</translation>
    </message>
    <message>
        <source>Classroom</source>
        <translation>授業用</translation>
    </message>
    <message>
        <source>One trial (Ctrl+T)</source>
        <translation>1回ずつ (Ctrl+T)</translation>
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
        <source>%1 could not be saved: %2</source>
        <translation>%1 を保存できませんでした: %2</translation>
    </message>
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
        <source>the image could not be written</source>
        <translation>画像を書き込めませんでした</translation>
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
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 trials</source>
        <translation>%1 回</translation>
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
        <translation> %1 %2 回、%3。</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>度数</translation>
    </message>
    <message>
        <source>ratio</source>
        <translation>割合</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>ヘルプの本文</translation>
    </message>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <translation>2枚のコインを何度も投げて4通りの出方を数え、それぞれの割合が1/4に近づく様子を見せます。</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <translation>時計の代わりに &lt;N&gt;（整数）で決まる列から毎回の乱数を取り、どの機械でも1回ごとに同じ結果にします。</translation>
    </message>
    <message>
        <source>　【Problem】</source>
        <translation>　【問題】</translation>
    </message>
    <message>
        <source>　　Throw two coins at the same time and think about how they appear on front and back.</source>
        <translation>　　2枚のコインを同時に投げて、表と裏の出方を考えます。</translation>
    </message>
    <message>
        <source>　　If these two coins are Coin1 and Coin2 , respectively , there are four ways to get </source>
        <translation>　　この2枚をそれぞれコイン1、コイン2とすると、出方は</translation>
    </message>
    <message>
        <source>　them : front/front , front/back , back/front , back/back. </source>
        <translation>　表/表、表/裏、裏/表、裏/裏の4通りです。</translation>
    </message>
    <message>
        <source>　　That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <translation>　　つまり、この4通りが起こる確率はそれぞれ1/4です。</translation>
    </message>
    <message>
        <source>　　However , in reality , if you throw two coins four times at the same time , </source>
        <translation>　　しかし実際に2枚のコインを同時に4回投げても、</translation>
    </message>
    <message>
        <source>　it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <translation>　両方とも裏になるのがちょうど1回とは限りません。</translation>
    </message>
    <message>
        <source>　　The same applies to the other three cases.</source>
        <translation>　　ほかの3通りについても同じです。</translation>
    </message>
    <message>
        <source>　　Then , what is the relationship with the mathmatically obtained theoretical </source>
        <translation>　　では、数学的に求めた理論上の確率1/4とは</translation>
    </message>
    <message>
        <source>　probability of 1/4 ?</source>
        <translation>　どのような関係があるでしょうか。</translation>
    </message>
    <message>
        <source>　【Operation method】</source>
        <translation>　【操作方法】</translation>
    </message>
    <message>
        <source>　　Click the [Start] button to start the experiment.</source>
        <translation>　　［開始］ボタンをクリックすると実験が始まります。</translation>
    </message>
    <message>
        <source>　　Click the [Stop] button to stop the experiment.</source>
        <translation>　　［停止］ボタンをクリックすると実験が止まります。</translation>
    </message>
    <message>
        <source>　　When you click the [Graph display] button , the relationship between the number of</source>
        <translation>　　［グラフ表示］ボタンをクリックすると、実験回数と</translation>
    </message>
    <message>
        <source>　experiments and the front/front , front/back , back/front , back/back , and the ratio</source>
        <translation>　表/表、表/裏、裏/表、裏/裏それぞれの割合との関係が</translation>
    </message>
    <message>
        <source>　of each is displayed in a graph.</source>
        <translation>　グラフで表示されます。</translation>
    </message>
    <message>
        <source>　　You can restart the experiment from the beginning by clicking the [Init] button.</source>
        <translation>　　［初期化］ボタンをクリックすると最初からやり直せます。</translation>
    </message>
</context>
</TS>
