<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>quindle::Caption</name>
    <message>
        <source>(C) 2026 The Quindle developers</source>
        <extracomment>Ends every window&apos;s title.</extracomment>
        <translation>(C) 2026 Quindle 开发者</translation>
    </message>
</context>
<context>
    <name>quindle::ClassPictures</name>
    <message>
        <source>Each run&apos;s ratios against its trials; the class, larger</source>
        <extracomment>The funnel picture&apos;s title: each run&apos;s ratios against its number of trials.</extracomment>
        <translation>各轮试验的频率与试验次数；全班以大点表示</translation>
    </message>
    <message>
        <source>All runs one after another: each share so far</source>
        <extracomment>The class curve&apos;s title: all runs&apos; trials one after another.</extracomment>
        <translation>各轮试验依次相连：每种结果到目前为止的频率</translation>
    </message>
</context>
<context>
    <name>quindle::ClassWindow</name>
    <message>
        <source>Class results: %1</source>
        <extracomment>The class window&apos;s title; %1 is the folder&apos;s name.</extracomment>
        <translation>全班结果：%1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>试验次数</translation>
    </message>
    <message>
        <source>%1
ratio</source>
        <extracomment>A column of the class table, on two lines: %1 is an outcome (&quot;Head Tail&quot;).</extracomment>
        <translation>%1
频率</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save class results…</source>
        <translation>保存全班结果…</translation>
    </message>
    <message>
        <source>Save class results</source>
        <translation>保存全班结果</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Copy pictures</source>
        <translation>复制图表</translation>
    </message>
    <message>
        <source>Save pictures…</source>
        <translation>保存图表…</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <translation>保存图表</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Read summary</source>
        <translation>朗读汇总</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The class table&apos;s last row, which pools every run.</extracomment>
        <translation>全班</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Quindle, class results, %1: %2 runs, %3 trials</source>
        <extracomment>The caption above the printed pictures: %1 the date, %2 the runs, %3 the trials.</extracomment>
        <translation>Quindle，全班结果，%1：共 %2 轮、%3 次试验</translation>
    </message>
    <message>
        <source>%1 runs, %2 trials in all.</source>
        <extracomment>Said on demand: %1 the number of runs pooled, %2 their trials.</extracomment>
        <translation>共汇总 %1 轮试验，合计试验 %2 次。</translation>
    </message>
    <message>
        <source> %1 %2.</source>
        <extracomment>Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.</extracomment>
        <translation> %1的频率为 %2。</translation>
    </message>
    <message>
        <source> %1 of %2 runs lie inside the expected range.</source>
        <extracomment>%1 of %2 runs have all four ratios inside the expected range.</extracomment>
        <translation> %2 轮试验中有 %1 轮的四个频率都在预期范围内。</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Runs and the class</source>
        <translation>各轮试验与全班</translation>
    </message>
    <message>
        <source>Files not pooled</source>
        <translation>未汇总的文件</translation>
    </message>
    <message>
        <source>Each run&apos;s ratios</source>
        <translation>各轮试验的频率</translation>
    </message>
    <message>
        <source>Each run&apos;s four ratios against its number of trials, and the class&apos;s pooled ratios</source>
        <translation>各轮试验的四个频率与其试验次数的关系，以及全班汇总后的频率</translation>
    </message>
    <message>
        <source>The class curve</source>
        <translation>全班曲线</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all the class&apos;s trials so far, run after run</source>
        <translation>各结果在全班至今所有试验中的频率，逐轮依次绘出</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a file of the class&apos;s folder is not pooled, after its name.</extracomment>
        <translation>空文件</translation>
    </message>
    <message>
        <source>too large for a results file (%1 KB)</source>
        <translation>作为结果文件过大（%1 KB）</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>不是文本文件</translation>
    </message>
    <message>
        <source>not a Quindle results file</source>
        <translation>不是 Quindle 结果文件</translation>
    </message>
    <message>
        <source>saved by a newer Quindle (format %1)</source>
        <translation>由较新版本的 Quindle 保存（格式版本 %1）</translation>
    </message>
    <message>
        <source>cut short after trial %1 of %2</source>
        <translation>在第 %1 次试验后被截断（共 %2 次）</translation>
    </message>
    <message>
        <source>cut short before its end</source>
        <translation>未到结尾即被截断</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <translation>%1 的副本</translation>
    </message>
    <message>
        <source>inconsistent: the counts add up to %1, not %2 trials</source>
        <translation>数据不一致：各频数之和为 %1，而非试验次数 %2</translation>
    </message>
    <message>
        <source>inconsistent: a ratio does not match its count (line %1)</source>
        <translation>数据不一致：频率与频数不符（第 %1 行）</translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the counts (line %1)</source>
        <translation>数据不一致：历史记录与频数不符（第 %1 行）</translation>
    </message>
    <message>
        <source>inconsistent: the trial log disagrees with the counts (line %1)</source>
        <translation>数据不一致：试验记录与频数不符（第 %1 行）</translation>
    </message>
    <message>
        <source>inconsistent: more trials than a run can have</source>
        <translation>数据不一致：试验次数超过一轮试验的上限</translation>
    </message>
    <message>
        <source>inconsistent: line %1 cannot be read</source>
        <translation>数据不一致：无法读取第 %1 行</translation>
    </message>
</context>
<context>
    <name>quindle::CommandLine</name>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <translation>反复同时抛掷两枚硬币，统计四种结果各出现的次数，可以看到每种结果的频率逐渐稳定在1/4附近。</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <translation>不再依据时钟，而是从由 &lt;N&gt;（整数）确定的序列中取出每次的随机数，使每台计算机上每次试验的结果都相同。</translation>
    </message>
    <message>
        <source>Shows the texts in &lt;CODE&gt; (en, %1) instead of the system&apos;s language.</source>
        <extracomment>%1 lists the languages the program is translated into.</extracomment>
        <translation>用 &lt;CODE&gt;（en、%1）所指定的语言显示文字，而不使用系统语言。</translation>
    </message>
    <message>
        <source>Starts with every window at &lt;PERCENT&gt; of its size (%1).</source>
        <extracomment>%1 lists the zoom steps.</extracomment>
        <translation>以原大小的 &lt;PERCENT&gt;（%1）显示所有窗口。</translation>
    </message>
    <message>
        <source>Opens the class window beside the experiment window, pooling the results files in &lt;FOLDER&gt; as they come.</source>
        <translation>在试验窗口旁打开全班结果窗口，并随时汇总 &lt;FOLDER&gt; 中新出现的结果文件。</translation>
    </message>
</context>
<context>
    <name>quindle::Errors</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>%1 is the error&apos;s number, %2 its name in English (&quot;Overflow&quot;).</extracomment>
        <translation>运行时错误 &apos;%1&apos;：

%2</translation>
    </message>
    <message>
        <source>Unexpected error:

%1</source>
        <translation>意外错误：

%1</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentControl</name>
    <message>
        <source>This software will exit.</source>
        <extracomment>The message box Exit shows before the program ends.</extracomment>
        <translation>本软件即将退出。</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentWindow</name>
    <message>
        <source>%1 frequency</source>
        <translation>%1的频数</translation>
    </message>
    <message>
        <source>%1 probability</source>
        <translation>%1的频率</translation>
    </message>
    <message>
        <source>%1 trials</source>
        <extracomment>Said every few seconds during a run.</extracomment>
        <translation>已试验 %1 次</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save results…</source>
        <translation>保存结果…</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>As designed</source>
        <extracomment>How fast a run goes: a trial every millisecond, as the program was designed.</extracomment>
        <translation>标准</translation>
    </message>
    <message>
        <source>Classroom</source>
        <extracomment>About sixty trials a second, slow enough for a class to follow each count.</extracomment>
        <translation>课堂演示</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>随机种子：%1</translation>
    </message>
    <message>
        <source>Seed: none, the run follows the clock</source>
        <translation>随机种子：无（由时钟决定）</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>保存结果</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Counts cleared.</source>
        <translation>频数已清零。</translation>
    </message>
    <message>
        <source>Stopped after %1 trials.</source>
        <translation>共试验 %1 次，已停止。</translation>
    </message>
    <message>
        <source>Run finished after %1 trials.</source>
        <translation>共试验 %1 次，试验结束。</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows &quot;Stopped after … trials.&quot; once per outcome: %1 the outcome (&quot;Head Tail&quot;), %2 its count, %3 its ratio.</extracomment>
        <translation> %1 %2 次，频率 %3。</translation>
    </message>
    <message>
        <source>How often this outcome has come up in the current run</source>
        <translation>本轮试验中这种结果出现的次数</translation>
    </message>
    <message>
        <source>This outcome&apos;s share of all trials of the current run</source>
        <translation>本轮试验中这种结果出现的次数占试验总次数的比例</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The top row&apos;s buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Coin1: Head</source>
        <translation>硬币1：正面</translation>
    </message>
    <message>
        <source>Coin1: Tail</source>
        <translation>硬币1：反面</translation>
    </message>
    <message>
        <source>Coin2: Head</source>
        <translation>硬币2：正面</translation>
    </message>
    <message>
        <source>Coin2: Tail</source>
        <translation>硬币2：反面</translation>
    </message>
    <message>
        <source>Coin1</source>
        <extracomment>Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.</extracomment>
        <translation>硬币1</translation>
    </message>
    <message>
        <source>Coin2</source>
        <translation>硬币2</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>反面</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The table&apos;s row names are 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>频数</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <extracomment>Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.</extracomment>
        <translation>试验次数</translation>
    </message>
    <message>
        <source>Number of trials</source>
        <translation>试验次数</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stop and Start are 105 pixels wide: about 10 characters.</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Graph display</source>
        <extracomment>129 pixels wide: about 13 characters.</extracomment>
        <translation>显示图表</translation>
    </message>
    <message>
        <source>Class results…</source>
        <translation>全班结果…</translation>
    </message>
    <message>
        <source>Class results</source>
        <extracomment>The title of the dialog that asks for the folder of a class&apos;s results files.</extracomment>
        <translation>全班结果</translation>
    </message>
    <message>
        <source>One trial (%1)</source>
        <extracomment>One trial each time a key is pressed: %1 is the key (&quot;Ctrl+T&quot;).</extracomment>
        <translation>逐次试验 (%1)</translation>
    </message>
    <message>
        <source>Hand in</source>
        <extracomment>Writes the run&apos;s results file straight into the class folder, under the pupil&apos;s name.</extracomment>
        <translation>提交</translation>
    </message>
    <message>
        <source>The class folder %1 cannot be used: %2

The run is still here: choose another folder to save it in.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>无法使用全班文件夹 %1：%2

本轮试验结果仍在这里：请选择另一个文件夹来保存。</translation>
    </message>
    <message>
        <source>The run could not be handed in to the class folder %1: %2

It is still here: Save results… saves it in another folder.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>无法提交到全班文件夹 %1：%2

本轮试验结果仍在这里：可以用“保存结果…”保存到其他文件夹。</translation>
    </message>
    <message>
        <source>Handed in as %1.</source>
        <extracomment>%1 is the name of the results file in the class folder.</extracomment>
        <translation>已提交为 %1。</translation>
    </message>
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message>
        <source>Copy graph</source>
        <translation>复制图表</translation>
    </message>
    <message>
        <source>Save graph…</source>
        <translation>保存图表…</translation>
    </message>
    <message>
        <source>Save graph at double resolution…</source>
        <translation>以双倍分辨率保存图表…</translation>
    </message>
    <message>
        <source>Show expected range</source>
        <translation>显示预期范围</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>转到结果</translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation>保存图表</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>no trials yet</source>
        <extracomment>What a legend label tells a screen reader before the first trial.</extracomment>
        <translation>尚未试验</translation>
    </message>
    <message>
        <source>ratio %1 after %2 times</source>
        <translation>出现 %2 次，频率为 %1</translation>
    </message>
    <message>
        <source>, inside the expected range</source>
        <translation>，在预期范围内</translation>
    </message>
    <message>
        <source>, outside the expected range</source>
        <translation>，超出预期范围</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A legend label as a screen reader reads it: %1 the outcome, %2 its result.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all trials (vertical, 0 to 1) against the number of times that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed line at the theoretical 0.25</source>
        <translation>各结果的频率（纵轴，0到1）与该结果出现次数（横轴，0到1000）的关系图，每种结果对应一条曲线，理论值0.25处有一条虚线</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <extracomment>The legend&apos;s labels are 57 pixels wide in a bold face: an outcome in a few letters, coin 1 first, Fr for front (head) and Ba for back (tail), joined by a katakana middle dot.</extracomment>
        <translation>反・反</translation>
    </message>
    <message>
        <source>the red curve</source>
        <translation>红色曲线</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <translation>反・正</translation>
    </message>
    <message>
        <source>the cyan curve</source>
        <translation>青色曲线</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <translation>正・反</translation>
    </message>
    <message>
        <source>the green curve</source>
        <translation>绿色曲线</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <translation>正・正</translation>
    </message>
    <message>
        <source>the blue curve</source>
        <translation>蓝色曲线</translation>
    </message>
    <message>
        <source> Graph  </source>
        <extracomment>The graph window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> 图表  </translation>
    </message>
    <message>
        <source>Save graph as PDF…</source>
        <translation>将图表保存为 PDF…</translation>
    </message>
    <message>
        <source>Save graph as PDF</source>
        <translation>将图表保存为 PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as SVG…</source>
        <translation>将图表保存为 SVG…</translation>
    </message>
    <message>
        <source>Save graph as SVG</source>
        <translation>将图表保存为 SVG</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>SVG 图像 (*.svg)</translation>
    </message>
    <message>
        <source>Quindle, %1: %2 trials</source>
        <extracomment>The line above the printed graph: %1 the date, %2 the number of trials.</extracomment>
        <translation>Quindle，%1：共 %2 次试验</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <extracomment>Follows the printed graph&apos;s caption when the run followed a seed.</extracomment>
        <translation>，种子 %1</translation>
    </message>
</context>
<context>
    <name>quindle::HelpText</name>
    <message>
        <source>【Problem】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【问题】</translation>
    </message>
    <message>
        <source>Throw two coins at the same time and think about how they appear on front and back.</source>
        <extracomment>The help text is printed line by line as written, on a surface about 590 pixels wide; a line that does not fit loses its end. Keep each line about as long as the original and break the sentences where they fit. A blank at the end of a line belongs to it.</extracomment>
        <translation>同时抛掷两枚硬币，思考它们正面和反面朝上的情况。</translation>
    </message>
    <message>
        <source>If these two coins are Coin1 and Coin2 , respectively , there are four ways to get </source>
        <translation>把这两枚硬币分别记作硬币1和硬币2，则可能出现的结果有 </translation>
    </message>
    <message>
        <source>them : front/front , front/back , back/front , back/back. </source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>正/正、正/反、反/正、反/反四种。 </translation>
    </message>
    <message>
        <source>That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <translation>也就是说，这四种结果出现的概率都是1/4。</translation>
    </message>
    <message>
        <source>However , in reality , if you throw two coins four times at the same time , </source>
        <translation>但是，实际上同时抛掷两枚硬币4次， </translation>
    </message>
    <message>
        <source>it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>并不一定恰好出现一次两枚都是反面的情况。</translation>
    </message>
    <message>
        <source>The same applies to the other three cases.</source>
        <translation>其他三种结果也是如此。</translation>
    </message>
    <message>
        <source>Then , what is the relationship with the mathmatically obtained theoretical </source>
        <translation>那么，试验结果与用数学方法求得的理论概率 </translation>
    </message>
    <message>
        <source>probability of 1/4 ?</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>1/4之间有什么关系呢？</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【操作方法】</translation>
    </message>
    <message>
        <source>Click the [Start] button to start the experiment.</source>
        <extracomment>[Start] names the experiment window&apos;s Start button: use its caption there.</extracomment>
        <translation>点击［开始］按钮，开始试验。</translation>
    </message>
    <message>
        <source>Click the [Stop] button to stop the experiment.</source>
        <extracomment>[Stop] names the experiment window&apos;s Stop button: use its caption there.</extracomment>
        <translation>点击［停止］按钮，停止试验。</translation>
    </message>
    <message>
        <source>When you click the [Graph display] button , the relationship between the number of</source>
        <extracomment>[Graph display] names the experiment window&apos;s button: use its caption there.</extracomment>
        <translation>点击［显示图表］按钮，就会用图表显示试验次数</translation>
    </message>
    <message>
        <source>experiments and the front/front , front/back , back/front , back/back , and the ratio</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>与正/正、正/反、反/正、反/反各自的频率</translation>
    </message>
    <message>
        <source>of each is displayed in a graph.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>之间的关系。</translation>
    </message>
    <message>
        <source>You can restart the experiment from the beginning by clicking the [Init] button.</source>
        <extracomment>[Init] names the experiment window&apos;s Init button: use its caption there.</extracomment>
        <translation>点击［重置］按钮，可以从头重新开始试验。</translation>
    </message>
</context>
<context>
    <name>quindle::HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>帮助正文</translation>
    </message>
    <message>
        <source> Quindle＿Help（Question and operation method） </source>
        <extracomment>The help window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Quindle＿帮助（问题与操作方法） </translation>
    </message>
</context>
<context>
    <name>quindle::Outcome</name>
    <message>
        <source>Head</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>反面</translation>
    </message>
</context>
<context>
    <name>quindle::Paper</name>
    <message>
        <source>Cannot print: %1</source>
        <extracomment>Shown instead of the print dialog; %1 says why (a missing part of the installation).</extracomment>
        <translation>无法打印：%1</translation>
    </message>
</context>
<context>
    <name>quindle::Plot</name>
    <message>
        <source>(Horizontal axis : Number of times)</source>
        <extracomment>The horizontal axis&apos;s title, printed from about 60 % of the graph&apos;s width to its right edge: there is room for about 35 characters.</extracomment>
        <translation>（横轴：次数）</translation>
    </message>
    <message>
        <source>(Vertical axis : Ratio)</source>
        <translation>（纵轴：频率）</translation>
    </message>
</context>
<context>
    <name>quindle::ResultTable</name>
    <message>
        <source>frequency</source>
        <extracomment>Read by a screen reader before each count of the result table (&quot;frequency 567&quot;).</extracomment>
        <translation>频数</translation>
    </message>
    <message>
        <source>ratio</source>
        <extracomment>Read before each ratio of the result table.</extracomment>
        <translation>频率</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>What a screen reader calls the table of counts and ratios.</extracomment>
        <translation>试验结果</translation>
    </message>
</context>
<context>
    <name>quindle::Saving</name>
    <message>
        <source>the file could not be written</source>
        <extracomment>Why a file was not saved, after &quot;… could not be saved: &quot;.</extracomment>
        <translation>无法写入文件</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>无法保存 %1：%2</translation>
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
        <translation>缩放 (%1%)</translation>
    </message>
    <message>
        <source>Larger</source>
        <extracomment>Zooms all windows one step larger.</extracomment>
        <translation>放大</translation>
    </message>
    <message>
        <source>Smaller</source>
        <extracomment>Zooms all windows one step smaller.</extracomment>
        <translation>缩小</translation>
    </message>
</context>
</TS>
