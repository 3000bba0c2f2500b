<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <extracomment>--help on the option -h, --help. Written as a terminal&apos;s help texts are.</extracomment>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <extracomment>--help on the option --help-all, which lists the display options Qt adds too.</extracomment>
        <translation>显示包括 Qt 特有选项在内的帮助。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <extracomment>--help on the option -v, --version.</extracomment>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <extracomment>--help on the option --help-all, as Qt 6.8 and later word it: it lists the display options Qt adds too.</extracomment>
        <translation>显示包括 Qt 通用选项在内的帮助。</translation>
    </message>
</context>
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
    <message>
        <source>All runs one after another: each count minus a quarter of the trials</source>
        <extracomment>The class&apos;s gap picture&apos;s title: all runs&apos; trials one after another, each outcome&apos;s count less a quarter of the trials so far (not the count less 1/4). Room for about 50 characters a line; a longer title is broken into lines at its blanks.</extracomment>
        <translation>各轮试验依次相连：频数减去试验次数的四分之一</translation>
    </message>
    <message>
        <source>Each run&apos;s share of one head; the class, larger</source>
        <extracomment>The funnel&apos;s title in the number-of-heads view: each run&apos;s share of one head (Head/Tail or Tail/Head) against its number of trials. Room for about 50 characters.</extracomment>
        <translation>各轮试验中一个正面的频率；全班以大点表示</translation>
    </message>
    <message>
        <source>All runs one after another: two, one and no heads</source>
        <extracomment>The class curve&apos;s title in the number-of-heads view: all runs&apos; trials one after another, the shares of two heads, one head and no heads so far. Room for about 50 characters.</extracomment>
        <translation>各轮试验依次相连：两个、一个和没有正面</translation>
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
        <extracomment>The class table&apos;s first column header, over each run&apos;s file name.</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <source>Trials</source>
        <extracomment>A header of the class table over each run&apos;s number of trials. Each number column is as wide as its header or its numbers, and the ten columns share 740 pixels: a word of about 8 letters.</extracomment>
        <translation>试验次数</translation>
    </message>
    <message>
        <source>%1
ratio</source>
        <extracomment>A column header of the class table, on two lines: %1 is an outcome (&quot;Head Tail&quot;), the second line says these are its ratios. The ten columns share 740 pixels: keep the second line to about 10 letters, a school&apos;s usual abbreviation if need be.</extracomment>
        <translation>%1
频率</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>The class window&apos;s context menu: puts the class table on the clipboard.</extracomment>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save class results…</source>
        <extracomment>The context menu: saves the class table as a CSV file.</extracomment>
        <translation>保存全班结果…</translation>
    </message>
    <message>
        <source>Save class results</source>
        <extracomment>The title of the dialog that saves the class table.</extracomment>
        <translation>保存全班结果</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter for the class table.</extracomment>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Copy pictures</source>
        <extracomment>The context menu: puts both pictures, side by side, on the clipboard.</extracomment>
        <translation>复制图表</translation>
    </message>
    <message>
        <source>Save pictures…</source>
        <extracomment>The context menu: saves both pictures, side by side, as a PNG picture.</extracomment>
        <translation>保存图表…</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <extracomment>The title of the dialog that saves the pictures.</extracomment>
        <translation>保存图表</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <extracomment>The file dialog&apos;s filter for PNG pictures.</extracomment>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The context menu: prints both pictures, by the print dialog.</extracomment>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Read summary</source>
        <extracomment>The context menu: a screen reader says the class&apos;s runs, trials and pooled ratios.</extracomment>
        <translation>朗读汇总</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The class table&apos;s last row, which pools every run.</extracomment>
        <translation>全班</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file of the class&apos;s folder that is not pooled: %1 its name, %2 why.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source> %1 %2.</source>
        <extracomment>Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.</extracomment>
        <translation> %1的频率为 %2。</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>What a screen reader calls the line that shows the class&apos;s folder.</extracomment>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The class window&apos;s button, 72 pixels wide in the default font: about 9 characters.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Runs and the class</source>
        <extracomment>What a screen reader calls the class table: a row per run and one for the class.</extracomment>
        <translation>各轮试验与全班</translation>
    </message>
    <message>
        <source>Files not pooled</source>
        <extracomment>What a screen reader calls the list of the folder&apos;s files that are not pooled.</extracomment>
        <translation>未汇总的文件</translation>
    </message>
    <message>
        <source>Each run&apos;s ratios</source>
        <extracomment>What a screen reader calls the funnel picture.</extracomment>
        <translation>各轮试验的频率</translation>
    </message>
    <message>
        <source>Each run&apos;s four ratios against its number of trials, and the class&apos;s pooled ratios</source>
        <extracomment>What a screen reader says the funnel picture shows.</extracomment>
        <translation>各轮试验的四个频率与其试验次数的关系，以及全班汇总后的频率</translation>
    </message>
    <message>
        <source>The class curve</source>
        <extracomment>What a screen reader calls the class curve&apos;s picture.</extracomment>
        <translation>全班曲线</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all the class&apos;s trials so far, run after run</source>
        <extracomment>What a screen reader says the class curve shows.</extracomment>
        <translation>各结果在全班至今所有试验中的频率，逐轮依次绘出</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a file of the class&apos;s folder is not pooled, after its name.</extracomment>
        <translation>空文件</translation>
    </message>
    <message>
        <source>too large for a results file (%1 KB)</source>
        <extracomment>%1 is the file&apos;s size in kilobytes.</extracomment>
        <translation>作为结果文件过大（%1 KB）</translation>
    </message>
    <message>
        <source>not a text file</source>
        <extracomment>A file that holds something other than text (a picture, a document).</extracomment>
        <translation>不是文本文件</translation>
    </message>
    <message>
        <source>not a Quindle results file</source>
        <extracomment>A text file that is not one Quindle saves (a note, another program&apos;s table).</extracomment>
        <translation>不是 Quindle 结果文件</translation>
    </message>
    <message>
        <source>saved by a newer Quindle (format %1)</source>
        <extracomment>A results file in a newer format than this program reads: %1 is its number.</extracomment>
        <translation>由较新版本的 Quindle 保存（格式版本 %1）</translation>
    </message>
    <message>
        <source>cut short after trial %1 of %2</source>
        <extracomment>A file that ends early, in its list of trials: %1 the last trial in it, %2 the trials the run had.</extracomment>
        <translation>在第 %1 次试验后被截断（共 %2 次）</translation>
    </message>
    <message>
        <source>cut short before its end</source>
        <extracomment>A file that ends early, before its list of trials.</extracomment>
        <translation>未到结尾即被截断</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <extracomment>The same run as another file of the folder, which counts instead: %1 its name.</extracomment>
        <translation>%1 的副本</translation>
    </message>
    <message>
        <source>inconsistent: a ratio does not match its count (line %1)</source>
        <extracomment>A file whose numbers do not agree with each other: %1 the line of the file.</extracomment>
        <translation>数据不一致：频率与频数不符（第 %1 行）</translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the counts (line %1)</source>
        <extracomment>The history is each outcome&apos;s share after each of its occurrences, kept for the graph; %1 is the line of the file.</extracomment>
        <translation>数据不一致：历史记录与频数不符（第 %1 行）</translation>
    </message>
    <message>
        <source>inconsistent: the trial log disagrees with the counts (line %1)</source>
        <extracomment>The trial log lists both coins&apos; faces in every trial; %1 is the line of the file.</extracomment>
        <translation>数据不一致：试验记录与频数不符（第 %1 行）</translation>
    </message>
    <message>
        <source>inconsistent: line %1 cannot be read</source>
        <extracomment>A line where a number or a word was expected and something else stands: %1 its number.</extracomment>
        <translation>数据不一致：无法读取第 %1 行</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1. The class is shown as it was last read.</source>
        <extracomment>Under the folder&apos;s path while the folder cannot be read; %1 is the system&apos;s reason, such as &quot;No such file or directory&quot;.</extracomment>
        <translation>无法读取文件夹：%1。现在显示的是上次读取时的全班结果。</translation>
    </message>
    <message>
        <source>text saved as UTF-16; results files are read as UTF-8</source>
        <extracomment>A text file saved in another encoding than results files are read in.</extracomment>
        <translation>文本以 UTF-16 保存；结果文件应为 UTF-8</translation>
    </message>
    <message>
        <source>text saved as Latin-1 (Windows-1252); results files are read as UTF-8</source>
        <extracomment>A text file saved in another encoding than results files are read in.</extracomment>
        <translation>文本以 Latin-1（Windows-1252）保存；结果文件应为 UTF-8</translation>
    </message>
    <message>
        <source>saved by a newer Quindle</source>
        <extracomment>A results file in a format newer than this program reads.</extracomment>
        <translation>由较新版本的 Quindle 保存</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>无法打开：%1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Input/output error&quot;.</extracomment>
        <translation>无法读取：%1</translation>
    </message>
    <message numerus="yes">
        <source>a folder more than %n level(s) down, not read</source>
        <extracomment>A folder inside the class&apos;s folder too deep to be read: %n the levels that are.</extracomment>
        <translation>
            <numerusform>超过 %n 层的子文件夹，未读取</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inconsistent: the counts add up to %1, not %n trials</source>
        <extracomment>%1 is the counts&apos; sum, %n the number of trials the file states.</extracomment>
        <translation>
            <numerusform>数据不一致：各频数之和为 %1，而非试验次数 %n</numerusform>
        </translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the trial log (line %1)</source>
        <extracomment>The history (each outcome&apos;s share after each of its occurrences) does not follow from the list of trials; %1 is the line of the file.</extracomment>
        <translation>数据不一致：历史记录与试验记录不符（第 %1 行）</translation>
    </message>
    <message>
        <source>inconsistent: a negative count (line %1)</source>
        <extracomment>A file with a count below zero: %1 the line of the file.</extracomment>
        <translation>数据不一致：频数为负数（第 %1 行）</translation>
    </message>
    <message>
        <source>inconsistent: a count larger than a run can have (line %1)</source>
        <extracomment>A count above the 1000 at which a run ends: %1 the line of the file.</extracomment>
        <translation>数据不一致：频数超过一轮试验的上限（第 %1 行）</translation>
    </message>
    <message>
        <source>inconsistent: a negative number of trials (line %1)</source>
        <extracomment>A file whose number of trials is below zero: %1 the line of the file.</extracomment>
        <translation>数据不一致：试验次数为负数（第 %1 行）</translation>
    </message>
    <message>
        <source>inconsistent: more trials than a run can have (line %1)</source>
        <extracomment>A run ends once an outcome has come up more than 1000 times: this file has more. %1 is the line of the file.</extracomment>
        <translation>数据不一致：试验次数超过一轮试验的上限（第 %1 行）</translation>
    </message>
    <message>
        <source>a named pipe, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>命名管道，不是文件</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>套接字，不是文件</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>设备，不是文件</translation>
    </message>
    <message>
        <source>a link to a folder, not followed</source>
        <extracomment>A symbolic link to a folder, which is not followed, after its name.</extracomment>
        <translation>指向文件夹的链接，未读取</translation>
    </message>
    <message>
        <source>a link to something that is not there</source>
        <extracomment>A symbolic link whose target does not exist, after its name.</extracomment>
        <translation>指向不存在目标的链接</translation>
    </message>
    <message>
        <source>links that lead round in a loop</source>
        <extracomment>Symbolic links that point at each other, after the name of one.</extracomment>
        <translation>互相指向、形成循环的链接</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Why an entry of the class&apos;s folder is not read, after its name.</extracomment>
        <translation>不是普通文件</translation>
    </message>
    <message numerus="yes">
        <source> %1 of %n ratios lie inside the expected range, where about 95 % are expected.</source>
        <extracomment>Ends the summary: %1 of the %n ratios of the runs (four each) lie inside the expected range; chance keeps about 95 % of them there. Never said with no ratios.</extracomment>
        <translation>
            <numerusform> %n 个频率中有 %1 个在预期范围内（预计约 95 % 在范围内）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Show gap from a quarter</source>
        <extracomment>The class window&apos;s context menu: a check mark turns the class curve into each outcome&apos;s gap from a quarter of the class&apos;s trials.</extracomment>
        <translation>显示与四分之一的差</translation>
    </message>
    <message>
        <source>Each outcome&apos;s count minus a quarter of all the class&apos;s trials so far, run after run</source>
        <extracomment>What a screen reader says the class curve shows in the gap view.</extracomment>
        <translation>各结果的频数减去全班至今试验次数的四分之一，逐轮依次绘出</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows the runs and trials once per outcome in the gap view: %1 the outcome, %2 its pooled ratio, %3 how far its pooled count lies from a quarter of the trials (&quot;its count 312.5 above a quarter of the trials&quot;).</extracomment>
        <translation> %1的频率为 %2，%3。</translation>
    </message>
    <message numerus="yes">
        <source>%n runs</source>
        <extracomment>The number of runs pooled, in the class window&apos;s summary and printed caption.</extracomment>
        <translation>
            <numerusform>%n 轮</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trials</source>
        <extracomment>The number of trials of all runs pooled, in the summary and printed caption.</extracomment>
        <translation>
            <numerusform>%n 次试验</numerusform>
        </translation>
    </message>
    <message>
        <source>Quindle, class results, %1: %2, %3</source>
        <extracomment>The caption above the printed pictures: %1 the date, %2 the runs (&quot;30 runs&quot;), %3 the trials (&quot;64020 trials&quot;).</extracomment>
        <translation>Quindle，全班结果，%1：共 %2、%3</translation>
    </message>
    <message>
        <source>%1, %2 in all.</source>
        <extracomment>Said on demand: %1 the runs pooled (&quot;30 runs&quot;), %2 their trials (&quot;64020 trials&quot;).</extracomment>
        <translation>共汇总 %1，合计 %2。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A column header of the class table over each run&apos;s count of an outcome: %1 is coin 1&apos;s face, %2 coin 2&apos;s (&quot;Head Tail&quot;). The ten columns share 740 pixels: where two faces side by side make the columns too wide, put a line break between them.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Show number of heads</source>
        <extracomment>The class window&apos;s context menu: a check mark turns both pictures into the shares of two heads, one head and no heads.</extracomment>
        <translation>显示正面的个数</translation>
    </message>
    <message>
        <source>The shares of two heads, one head and no heads of all the class&apos;s trials so far, run after run</source>
        <extracomment>What a screen reader says the class curve shows in the number-of-heads view.</extracomment>
        <translation>逐轮依次绘出的全班至今所有试验中两个、一个和没有正面的频率</translation>
    </message>
    <message>
        <source>Each run&apos;s share of one head against its number of trials, and the class&apos;s pooled share</source>
        <extracomment>What a screen reader says the funnel picture shows in the number-of-heads view.</extracomment>
        <translation>每轮试验中一个正面的频率与其试验次数的关系，以及全班合计的频率</translation>
    </message>
    <message>
        <source> %1.</source>
        <extracomment>Follows the runs and trials in the number-of-heads view, once each for two heads, one head and no heads: %1 is such as &quot;One head: 0.497 (1889 of 3801 trials), a half expected&quot;.</extracomment>
        <translation> %1。</translation>
    </message>
    <message numerus="yes">
        <source> In %1 of %n runs the share of one head lies inside the range where chance keeps it about 95 % of the time.</source>
        <extracomment>Ends the summary in the number-of-heads view: in %1 of the %n runs with trials, the share of one head (Head/Tail or Tail/Head) lies inside the range chance keeps it in about 95 % of the time.</extracomment>
        <translation>
            <numerusform> 在 %n 轮试验中，有 %1 轮的一个正面频率在预期范围内（偶然情况下约 95 % 落在此范围内）。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quindle::CommandLine</name>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <extracomment>What quindle --help says first, under its usage line.</extracomment>
        <translation>反复同时抛掷两枚硬币，统计四种结果各出现的次数，可以看到每种结果的频率逐渐稳定在1/4附近。</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <extracomment>--help on the option --seed N; keep &lt;N&gt; as it is.</extracomment>
        <translation>不再依据时钟，而是从由 &lt;N&gt;（整数）确定的序列中取出每次的随机数，使每台计算机上每次试验的结果都相同。</translation>
    </message>
    <message>
        <source>Shows the texts in &lt;CODE&gt; (en, %1) instead of the system&apos;s language.</source>
        <extracomment>--help on the option --language CODE; keep &lt;CODE&gt; as it is. %1 lists the languages the program is translated into.</extracomment>
        <translation>用 &lt;CODE&gt;（en, %1）所指定的语言显示文字，而不使用系统语言。</translation>
    </message>
    <message>
        <source>Starts with every window at &lt;PERCENT&gt; of its size (%1).</source>
        <extracomment>--help on the option --zoom PERCENT; keep &lt;PERCENT&gt; as it is. %1 lists the zoom steps.</extracomment>
        <translation>以原大小的 &lt;PERCENT&gt;（%1）显示所有窗口。</translation>
    </message>
    <message>
        <source>Opens the class window beside the experiment window, pooling the results files in &lt;FOLDER&gt; as they come.</source>
        <extracomment>--help on the option --class FOLDER; keep &lt;FOLDER&gt; as it is.</extracomment>
        <translation>在试验窗口旁打开全班结果窗口，并随时汇总 &lt;FOLDER&gt; 中新出现的结果文件。</translation>
    </message>
</context>
<context>
    <name>quindle::ContextMenu</name>
    <message>
        <source>Streaks…</source>
        <extracomment>A window&apos;s context menu: opens the streaks window, on the run or on the class.</extracomment>
        <translation>连串…</translation>
    </message>
</context>
<context>
    <name>quindle::Errors</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>%1 is the error&apos;s number, %2 its name in English (&quot;Overflow&quot;).</extracomment>
        <translation>运行时错误“%1”：

%2</translation>
    </message>
    <message>
        <source>Unexpected error:

%1</source>
        <extracomment>A message box after an error the program did not expect: %1 says what, in English.</extracomment>
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
        <extracomment>What a screen reader calls a count cell; %1 is the outcome (&quot;Head Tail&quot;).</extracomment>
        <translation>%1的频数</translation>
    </message>
    <message>
        <source>%1 probability</source>
        <extracomment>What a screen reader calls a ratio cell: the outcome&apos;s share of the trials so far, its relative frequency (not a probability); %1 is the outcome.</extracomment>
        <translation>%1的频率</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>The experiment window&apos;s context menu: puts the table on the clipboard.</extracomment>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save results…</source>
        <extracomment>The context menu: saves the run&apos;s results file, which a class window pools.</extracomment>
        <translation>保存结果…</translation>
    </message>
    <message>
        <source>Pace</source>
        <extracomment>The context menu&apos;s submenu of how fast a run goes.</extracomment>
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
        <extracomment>The context menu&apos;s last entry, greyed: the seed of the draws, a whole number.</extracomment>
        <translation>随机种子：%1</translation>
    </message>
    <message>
        <source>Seed: none, the run follows the clock</source>
        <extracomment>The context menu&apos;s last entry, greyed, when no seed was given.</extracomment>
        <translation>随机种子：无（由时钟决定）</translation>
    </message>
    <message>
        <source>Save results</source>
        <extracomment>The title of the dialog that saves the results file, and of its messages.</extracomment>
        <translation>保存结果</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter for the results file.</extracomment>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Counts cleared.</source>
        <extracomment>Said when Init has cleared the counts.</extracomment>
        <translation>频数已清零。</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows &quot;Stopped after … trials.&quot; once per outcome: %1 the outcome (&quot;Head Tail&quot;), %2 its count, %3 its ratio.</extracomment>
        <translation> %1 %2 次，频率 %3。</translation>
    </message>
    <message>
        <source>How often this outcome has come up in the current run</source>
        <extracomment>What a screen reader says a count cell of the table holds.</extracomment>
        <translation>本轮试验中这种结果出现的次数</translation>
    </message>
    <message>
        <source>This outcome&apos;s share of all trials of the current run</source>
        <extracomment>What a screen reader says a ratio cell of the table holds.</extracomment>
        <translation>本轮试验中这种结果出现的次数占试验总次数的比例</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The top row&apos;s buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The top row&apos;s button that shows the help window, 57 pixels wide: about 6 characters.</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>The top row&apos;s button that clears the counts for a new run, 57 pixels wide: about 6 characters.</extracomment>
        <translation>重置</translation>
    </message>
    <message>
        <source>Coin1: Head</source>
        <extracomment>What a screen reader calls coin 1&apos;s picture while it shows its head face.</extracomment>
        <translation>硬币1：正面</translation>
    </message>
    <message>
        <source>Coin1: Tail</source>
        <extracomment>Coin 1&apos;s picture while it shows its tail face.</extracomment>
        <translation>硬币1：反面</translation>
    </message>
    <message>
        <source>Coin2: Head</source>
        <extracomment>Coin 2&apos;s picture while it shows its head face.</extracomment>
        <translation>硬币2：正面</translation>
    </message>
    <message>
        <source>Coin2: Tail</source>
        <extracomment>Coin 2&apos;s picture while it shows its tail face.</extracomment>
        <translation>硬币2：反面</translation>
    </message>
    <message>
        <source>Coin1</source>
        <extracomment>Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.</extracomment>
        <translation>硬币1</translation>
    </message>
    <message>
        <source>Coin2</source>
        <extracomment>The second coin&apos;s name, under its picture and in the table: 81 pixels wide in a large bold face, about 6 characters.</extracomment>
        <translation>硬币2</translation>
    </message>
    <message>
        <source>Head</source>
        <extracomment>A coin&apos;s face in the table&apos;s header rows, in blue: 81 pixels wide in a large bold face.</extracomment>
        <translation>正面</translation>
    </message>
    <message>
        <source>Tail</source>
        <extracomment>A coin&apos;s other face in the table&apos;s header rows, in red: 81 pixels wide in a large bold face.</extracomment>
        <translation>反面</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The table&apos;s row names are 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>频数</translation>
    </message>
    <message>
        <source>Probability</source>
        <extracomment>The table&apos;s row of each outcome&apos;s share of all trials so far: its relative frequency, the observed share, which the lesson tells apart from the probability of 1/4 it settles near (school mathematics has its own word for it). 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>频率</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <extracomment>Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.</extracomment>
        <translation>试验次数</translation>
    </message>
    <message>
        <source>Number of trials</source>
        <extracomment>What a screen reader calls the number under the table, before reading it.</extracomment>
        <translation>试验次数</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stop and Start are 105 pixels wide: about 10 characters.</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts a run, or goes on with the last one: 105 pixels wide, about 10 characters.</extracomment>
        <translation>开始</translation>
    </message>
    <message>
        <source>Graph display</source>
        <extracomment>129 pixels wide: about 13 characters.</extracomment>
        <translation>显示图表</translation>
    </message>
    <message>
        <source>Class results…</source>
        <extracomment>The context menu: opens the class window on a folder of the class&apos;s results files.</extracomment>
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
    <message numerus="yes">
        <source>%n trials</source>
        <extracomment>Said every few seconds during a run: the number of trials so far.</extracomment>
        <translation>
            <numerusform>已试验 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %n trials.</source>
        <extracomment>Said when Stop ends a run: %n is the number of trials.</extracomment>
        <translation>
            <numerusform>共试验 %n 次，已停止。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Run finished after %n trials.</source>
        <extracomment>Said when a run ends by itself, one outcome having come up more than 1000 times.</extracomment>
        <translation>
            <numerusform>共试验 %n 次，试验结束。</numerusform>
        </translation>
    </message>
    <message>
        <source>表</source>
        <extracomment>The mark on the coin pictures&apos; head face, in place of the pictures&apos; own 表: a letter or two that pupils read as the head (its word&apos;s first letter), drawn about 18 pixels tall across a coin 30 pixels wide. Keep 表 to show the original pictures.</extracomment>
        <translation>正</translation>
    </message>
    <message>
        <source>裏</source>
        <extracomment>The mark on the coin pictures&apos; tail face, in place of the pictures&apos; own 裏: a letter or two that pupils read as the tail, as large as the head&apos;s mark. Keep 裏 to show the original pictures.</extracomment>
        <translation>反</translation>
    </message>
</context>
<context>
    <name>quindle::Gap</name>
    <message>
        <source>its count %1 above a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is this much more than a quarter of all trials: %1 is the amount (&quot;12.5&quot;). Read by a screen reader after the outcome (&quot;Head Tail: its count 12.5 above a quarter of the trials&quot;) and after its ratio in the class summary (&quot;Head Head 0.2482, its count 312.5 above a quarter of the trials.&quot;): say that it is the count that differs, and from a quarter of the trials, not the ratio from 1/4.</extracomment>
        <translation>频数比试验次数的四分之一多 %1</translation>
    </message>
    <message>
        <source>its count %1 below a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is this much less than a quarter of all trials (&quot;3.25&quot;); read as the text above is.</extracomment>
        <translation>频数比试验次数的四分之一少 %1</translation>
    </message>
    <message>
        <source>its count exactly a quarter of the trials</source>
        <extracomment>An outcome&apos;s count is exactly a quarter of all trials; read as the texts above are.</extracomment>
        <translation>频数恰好是试验次数的四分之一</translation>
    </message>
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message>
        <source>Copy graph</source>
        <extracomment>The graph window&apos;s context menu: puts the plot on the clipboard as a picture.</extracomment>
        <translation>复制图表</translation>
    </message>
    <message>
        <source>Save graph…</source>
        <extracomment>The context menu: saves the plot as a PNG picture.</extracomment>
        <translation>保存图表…</translation>
    </message>
    <message>
        <source>Save graph at double resolution…</source>
        <extracomment>The context menu: the plot drawn afresh at twice the pixels, as a PNG picture.</extracomment>
        <translation>以双倍分辨率保存图表…</translation>
    </message>
    <message>
        <source>Show expected range</source>
        <extracomment>The context menu, a check box: shades the band where chance keeps each ratio about 95 % of the time.</extracomment>
        <translation>显示预期范围</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The context menu: prints the graph, by the print dialog.</extracomment>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Read results</source>
        <extracomment>The context menu: brings a screen reader to the legend, which tells each outcome&apos;s result.</extracomment>
        <translation>转到结果</translation>
    </message>
    <message>
        <source>Save graph</source>
        <extracomment>The title of the dialog that saves the graph as a PNG picture.</extracomment>
        <translation>保存图表</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <extracomment>The file dialog&apos;s filter for PNG pictures.</extracomment>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>no trials yet</source>
        <extracomment>What a legend label tells a screen reader before the first trial.</extracomment>
        <translation>尚未试验</translation>
    </message>
    <message>
        <source>, inside the expected range</source>
        <extracomment>Follows a legend label&apos;s result while the expected range is shown.</extracomment>
        <translation>，在预期范围内</translation>
    </message>
    <message>
        <source>, outside the expected range</source>
        <extracomment>Follows a legend label&apos;s result while the expected range is shown.</extracomment>
        <translation>，超出预期范围</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A legend label as a screen reader reads it: %1 the outcome, %2 its result.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The graph window&apos;s button, 65 pixels wide in the default font: about 8 characters.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>What a screen reader calls the plot.</extracomment>
        <translation>图表</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all trials (vertical, 0 to 1) against the number of times that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed line at the theoretical 0.25</source>
        <extracomment>What a screen reader says the plot shows. Write 0.25 as the language writes it.</extracomment>
        <translation>各结果的频率（纵轴，0到1）与该结果出现次数（横轴，0到1000）的关系图，每种结果对应一条曲线，理论值0.25处有一条虚线</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <extracomment>The legend&apos;s labels are 57 pixels wide in a 12-point bold face: an outcome in a few letters, coin 1&apos;s face first, Fr for front (head) and Ba for back (tail), here back on both coins. The original joins them by a Japanese middle dot: join them as your language writes such a pair.</extracomment>
        <translation>反/反</translation>
    </message>
    <message>
        <source>the red curve</source>
        <extracomment>What a screen reader says a legend label stands for: its outcome&apos;s curve.</extracomment>
        <translation>红色曲线</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <extracomment>A legend label: back (tail) on coin 1, front (head) on coin 2.</extracomment>
        <translation>反/正</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <extracomment>A legend label: front (head) on coin 1, back (tail) on coin 2.</extracomment>
        <translation>正/反</translation>
    </message>
    <message>
        <source>the green curve</source>
        <extracomment>The curve is a dark green.</extracomment>
        <translation>绿色曲线</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <extracomment>A legend label: front (head) on both coins.</extracomment>
        <translation>正/正</translation>
    </message>
    <message>
        <source>the blue curve</source>
        <extracomment>The curve is a bright blue.</extracomment>
        <translation>蓝色曲线</translation>
    </message>
    <message>
        <source> Graph  </source>
        <extracomment>The graph window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> 图表  </translation>
    </message>
    <message>
        <source>Save graph as PDF…</source>
        <extracomment>The context menu: the graph on an A4 page as a PDF document.</extracomment>
        <translation>将图表保存为 PDF…</translation>
    </message>
    <message>
        <source>Save graph as PDF</source>
        <extracomment>The title of the dialog that saves the graph as a PDF document.</extracomment>
        <translation>将图表保存为 PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>The file dialog&apos;s filter for PDF documents.</extracomment>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as SVG…</source>
        <extracomment>The context menu: the graph as an SVG picture of lines and text.</extracomment>
        <translation>将图表保存为 SVG…</translation>
    </message>
    <message>
        <source>Save graph as SVG</source>
        <extracomment>The title of the dialog that saves the graph as an SVG picture.</extracomment>
        <translation>将图表保存为 SVG</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <extracomment>The file dialog&apos;s filter for SVG pictures.</extracomment>
        <translation>SVG 图像 (*.svg)</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <extracomment>Follows the printed graph&apos;s caption when the run followed a seed.</extracomment>
        <translation>，随机种子 %1</translation>
    </message>
    <message>
        <source>Show gap from a quarter</source>
        <extracomment>The graph window&apos;s context menu: a check mark turns the graph into each outcome&apos;s gap from a quarter of the trials.</extracomment>
        <translation>显示与四分之一的差</translation>
    </message>
    <message>
        <source>Each outcome&apos;s count minus a quarter of all trials (vertical) against the number of trials (horizontal), one curve per outcome, with a dashed line at 0</source>
        <extracomment>What a screen reader says the plot shows in the gap view.</extracomment>
        <translation>各结果的频数减去全部试验次数的四分之一（纵轴）与试验次数（横轴）的关系图，每种结果对应一条曲线，0处有一条虚线</translation>
    </message>
    <message numerus="yes">
        <source>Quindle, %1: %n trials</source>
        <extracomment>The line above the printed graph: %1 the date, %n the number of trials.</extracomment>
        <translation>
            <numerusform>Quindle，%1：共 %n 次试验</numerusform>
        </translation>
    </message>
    <message>
        <source>not come up yet</source>
        <extracomment>What a legend label tells a screen reader while its outcome has not come up.</extracomment>
        <translation>尚未出现</translation>
    </message>
    <message numerus="yes">
        <source>ratio %1 after %n times</source>
        <extracomment>What a legend label tells a screen reader: %1 is the outcome&apos;s ratio, %n its count, the number of times it has come up.</extracomment>
        <translation>
            <numerusform>出现 %n 次，频率为 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the teal curve</source>
        <extracomment>The curve is teal, a dark blue-green (RGB 0, 128, 128).</extracomment>
        <translation>蓝绿色曲线</translation>
    </message>
    <message>
        <source>Show number of heads</source>
        <extracomment>The graph window&apos;s context menu: a check mark turns the graph into the shares of trials with two heads, with one head and with none.</extracomment>
        <translation>显示正面的个数</translation>
    </message>
    <message>
        <source>The share of the trials with two heads, with one head and with no heads (vertical, 0 to 1) against the number of trials (horizontal), with dashed lines at a quarter and a half, what chance gives, and a dotted line at a third</source>
        <extracomment>What a screen reader says the plot shows in the number-of-heads view.</extracomment>
        <translation>正面为两个、一个和零个的试验所占的频率（纵轴，0到1）与试验次数（横轴）的关系图，在概率四分之一和二分之一处有虚线，在三分之一处有点线</translation>
    </message>
    <message>
        <source>%1. %2. %3. %4</source>
        <extracomment>What a screen reader says of the first row of the number-of-heads legend: %1, %2 and %3 the rows (two heads, one head, no heads), %4 the sentence on the three being equally likely.</extracomment>
        <translation>%1。%2。%3。%4</translation>
    </message>
</context>
<context>
    <name>quindle::Heads</name>
    <message>
        <source>Two heads: no trials yet, a quarter expected</source>
        <extracomment>The graph&apos;s legend in the number-of-heads view before the first trial.</extracomment>
        <translation>两个正面：尚未试验，预期为四分之一</translation>
    </message>
    <message>
        <source>One head: no trials yet, a half expected</source>
        <extracomment>As for two heads, before the first trial: exactly one of the two coins a head.</extracomment>
        <translation>一个正面：尚未试验，预期为二分之一</translation>
    </message>
    <message>
        <source>No heads: no trials yet, a quarter expected</source>
        <extracomment>As for two heads, before the first trial: both coins a tail.</extracomment>
        <translation>没有正面：尚未试验，预期为四分之一</translation>
    </message>
    <message numerus="yes">
        <source>Two heads: %1 (%2 of %n trials), a quarter expected</source>
        <extracomment>The graph&apos;s legend in the number-of-heads view, and the class&apos;s summary: %1 the share of the trials with two heads (&quot;0.252&quot;), %2 how many trials had two heads, %n all the trials. A quarter is what chance gives.</extracomment>
        <translation>
            <numerusform>两个正面：%1（%n 次中 %2 次），预期为四分之一</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One head: %1 (%2 of %n trials), a half expected</source>
        <extracomment>As for two heads: exactly one of the two coins showed a head. A half is expected.</extracomment>
        <translation>
            <numerusform>一个正面：%1（%n 次中 %2 次），预期为二分之一</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No heads: %1 (%2 of %n trials), a quarter expected</source>
        <extracomment>As for two heads: both coins showed a tail.</extracomment>
        <translation>
            <numerusform>没有正面：%1（%n 次中 %2 次），预期为四分之一</numerusform>
        </translation>
    </message>
    <message>
        <source>If the three were equally likely, each would be %1.</source>
        <extracomment>Said after the shares of two heads, one head and no heads: %1 is a third, &quot;0.333&quot;.</extracomment>
        <translation>如果三者等可能，每个都会是 %1。</translation>
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
        <extracomment>Name the coins as the experiment window does under their pictures.</extracomment>
        <translation>把这两枚硬币分别记作硬币1和硬币2，则可能出现的结果有 </translation>
    </message>
    <message>
        <source>them : front/front , front/back , back/front , back/back. </source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>正/正、正/反、反/正、反/反四种。 </translation>
    </message>
    <message>
        <source>That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <extracomment>A new paragraph: each of the four outcomes has the probability 1/4.</extracomment>
        <translation>也就是说，这四种结果出现的概率都是1/4。</translation>
    </message>
    <message>
        <source>However , in reality , if you throw two coins four times at the same time , </source>
        <extracomment>A new paragraph, going on in the next line: four throws need not give each outcome once.</extracomment>
        <translation>但是，实际上同时抛掷两枚硬币4次， </translation>
    </message>
    <message>
        <source>it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>并不一定恰好出现一次两枚都是反面的情况。</translation>
    </message>
    <message>
        <source>The same applies to the other three cases.</source>
        <extracomment>A paragraph of one line.</extracomment>
        <translation>其他三种结果也是如此。</translation>
    </message>
    <message>
        <source>Then , what is the relationship with the mathmatically obtained theoretical </source>
        <extracomment>The problem&apos;s question, going on in the next line: how do the observed ratios relate to the probability of 1/4 worked out in theory?</extracomment>
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
        <extracomment>The help window&apos;s button, which closes it and brings the experiment window back: 57 pixels wide in the default font, about 7 characters.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Help text</source>
        <extracomment>What a screen reader calls the surface the help text is printed on.</extracomment>
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
        <extracomment>A coin&apos;s face, as the class table&apos;s headers and a screen reader name an outcome (&quot;Head Tail&quot;); starts a sentence too.</extracomment>
        <translation>正面</translation>
    </message>
    <message>
        <source>Tail</source>
        <extracomment>A coin&apos;s other face.</extracomment>
        <translation>反面</translation>
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
        <extracomment>The vertical axis&apos;s title, printed right of the axis&apos;s top: each outcome&apos;s share of all trials, its relative frequency.</extracomment>
        <translation>（纵轴：频率）</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of trials)</source>
        <extracomment>The gap view&apos;s horizontal axis title, printed at the bottom left just above the axis, where the curves are still close to 0: there is room for about 50 characters.</extracomment>
        <translation>（横轴：试验次数）</translation>
    </message>
    <message>
        <source>(Vertical axis : Count minus a quarter of the trials)</source>
        <extracomment>The gap view&apos;s vertical axis title, printed at the top left of the graph: each outcome&apos;s count less a quarter of all trials. There is room for about 80 characters.</extracomment>
        <translation>（纵轴：频数减去试验次数的四分之一）</translation>
    </message>
    <message>
        <source>(Vertical axis : Share of the trials)</source>
        <extracomment>The number-of-heads view&apos;s vertical axis title, printed at the top left of the graph: the share of all trials with two heads, with one, with none. Room for about 50 characters.</extracomment>
        <translation>（纵轴：频率）</translation>
    </message>
    <message>
        <source>if the three were equally likely</source>
        <extracomment>Marks the dotted line at 1/3 in the number-of-heads view: what the shares of two heads, one head and no head would be if the three were equally likely. Printed above the line&apos;s right half: room for about 45 characters.</extracomment>
        <translation>如果三者等可能</translation>
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
    <name>quindle::Settings</name>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>Why a settings file is not used: %1 is the system&apos;s reason, such as &quot;Permission denied&quot;. Follows the file&apos;s path and a colon.</extracomment>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <extracomment>Why a settings file is not used: a folder, a pipe or a device is in its place.</extracomment>
        <translation>不是普通文件</translation>
    </message>
    <message numerus="yes">
        <source>is too large for a settings file (%1 bytes)</source>
        <extracomment>Why a settings file is not used: %1 is its size in bytes, always more than 65536 (the form follows it).</extracomment>
        <translation>
            <numerusform>作为设置文件过大（%1 字节）</numerusform>
        </translation>
    </message>
    <message>
        <source>holds a value starting with &apos;@Variant(&apos; or &apos;\&apos;, which Qt would read as stored data and no Quindle setting has</source>
        <extracomment>Why a settings file is not used; keep &apos;@Variant(&apos; and the backslash as they are.</extracomment>
        <translation>含有以 &apos;@Variant(&apos; 或 &apos;\&apos; 开头的值（Qt 会将其当作存储的数据读取，而 Quindle 的设置中没有这样的值）</translation>
    </message>
    <message>
        <source>%1: %2; its settings are not used and nothing is remembered</source>
        <extracomment>A settings file that is not used: %1 is its path, %2 why (&quot;is not a regular file&quot;). It is the pupil&apos;s own file, so no zoom or folder chosen is remembered.</extracomment>
        <translation>%1：%2；不使用其中的设置，也不保存任何设置</translation>
    </message>
    <message>
        <source>%1: %2; its settings are not used</source>
        <extracomment>A school&apos;s settings file that is not used: %1 is its path, %2 why (&quot;is not a regular file&quot;).</extracomment>
        <translation>%1：%2；不使用其中的设置</translation>
    </message>
    <message>
        <source>%1: cannot be read; its settings are not used and nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, which Qt could not read.</extracomment>
        <translation>%1：无法读取；不使用其中的设置，也不保存任何设置</translation>
    </message>
    <message>
        <source>%1: cannot be read; its settings are not used</source>
        <extracomment>%1 is the path of a school&apos;s settings file, which Qt could not read.</extracomment>
        <translation>%1：无法读取；不使用其中的设置</translation>
    </message>
    <message>
        <source>%1: not all of it is in the settings format; the rest is used, and nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, of which only some lines are settings (&quot;key=value&quot; under &quot;[section]&quot;): those are used, but nothing chosen is written back into it.</extracomment>
        <translation>%1：部分内容不是设置文件的格式；其余部分照常使用，但不保存任何设置</translation>
    </message>
    <message>
        <source>%1: not all of it is in the settings format; the rest is used</source>
        <extracomment>%1 is the path of a school&apos;s settings file, of which only some lines are settings (&quot;key=value&quot; under &quot;[section]&quot;): those are used.</extracomment>
        <translation>%1：部分内容不是设置文件的格式；其余部分照常使用</translation>
    </message>
    <message>
        <source>%1: %2: holds a list (a comma outside double quotes); ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key as the file has it (&quot;[display] zoom&quot;), whose value holds a comma, which makes it a list of values.</extracomment>
        <translation>%1：%2：是一个列表（双引号外有逗号）；已忽略</translation>
    </message>
    <message>
        <source>%1: %2: is not a text; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key as the file has it (&quot;[display] zoom&quot;), whose value is stored data (&quot;@Rect(0 0 1 1)&quot;) rather than a text.</extracomment>
        <translation>%1：%2：不是文本；已忽略</translation>
    </message>
    <message>
        <source>%1: %2: &apos;%3&apos; is not an absolute path; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[class] folder&quot;), %3 its value, which does not start at the root (&quot;/&quot;).</extracomment>
        <translation>%1：%2：&apos;%3&apos; 不是绝对路径；已忽略</translation>
    </message>
    <message>
        <source>%1: %2: &apos;%3&apos; is not one of %4; ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[display] zoom&quot;), %3 its value, %4 the zoom steps there are (&quot;100, 125, 150, 175, 200, 250, 300&quot;).</extracomment>
        <translation>%1：%2：&apos;%3&apos; 不是 %4 中的任何一个；已忽略</translation>
    </message>
    <message>
        <source>%1: %2: no translation for &apos;%3&apos; (there are %4); ignored</source>
        <extracomment>%1 is a settings file&apos;s path, %2 the key (&quot;[display] language&quot;), %3 its value, %4 the language codes there are (&quot;en, de, es, ...&quot;).</extracomment>
        <translation>%1：%2：没有 &apos;%3&apos; 的翻译（现有 %4）；已忽略</translation>
    </message>
    <message>
        <source>--language: no translation for &apos;%1&apos; (there are %2); ignored</source>
        <extracomment>%1 is the value given to the command line&apos;s --language, %2 the language codes there are (&quot;en, de, es, ...&quot;); keep --language as it is.</extracomment>
        <translation>--language：没有 &apos;%1&apos; 的翻译（现有 %2）；已忽略</translation>
    </message>
    <message>
        <source>--zoom: &apos;%1&apos; is not one of %2; ignored</source>
        <extracomment>%1 is the value given to the command line&apos;s --zoom, %2 the zoom steps there are (&quot;100, 125, 150, 175, 200, 250, 300&quot;); keep --zoom as it is.</extracomment>
        <translation>--zoom：&apos;%1&apos; 不是 %2 中的任何一个；已忽略</translation>
    </message>
    <message>
        <source>--class: &apos;%1&apos; is not a folder; the class window stays closed</source>
        <extracomment>%1 is the value given to the command line&apos;s --class, which names no folder; keep --class as it is.</extracomment>
        <translation>--class：&apos;%1&apos; 不是文件夹；不打开全班结果窗口</translation>
    </message>
    <message>
        <source>%1: cannot be read whole; nothing is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, which could not be read whole when the program came to remember a zoom or a folder in it.</extracomment>
        <translation>%1：无法完整读取；不保存任何设置</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2); nothing more is remembered</source>
        <extracomment>%1 is the path of the pupil&apos;s own settings file, %2 the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>%1：无法写入（%2）；此后不再保存任何设置</translation>
    </message>
</context>
<context>
    <name>quindle::Streaks</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of counts chance gives about 95 % of the time, in a table cell: &quot;3 to 7&quot;.
----------
A range of shares chance gives about 95 % of the time, in a table cell: &quot;0.219 to 0.281&quot;.</extracomment>
        <translation>%1 到 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n of the same face of Coin1 in a row</source>
        <extracomment>A row of the after-a-streak table: what came after k of the same face of Coin1 in a row (&quot;3 of the same face of Coin1 in a row&quot;).</extracomment>
        <translation>
            <numerusform>硬币1同一面连续 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same outcome in a row</source>
        <extracomment>A row of the after-a-streak table: what came after k of the same outcome in a row.</extracomment>
        <translation>
            <numerusform>同一结果连续 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>The one letter that stands for Head when a pupil types a coin&apos;s faces (H in English). H and T are understood as well, unless your letters give them another meaning.</extracomment>
        <translation>正</translation>
    </message>
    <message>
        <source>T</source>
        <extracomment>The one letter that stands for Tail when a pupil types a coin&apos;s faces (T in English).</extracomment>
        <translation>反</translation>
    </message>
    <message>
        <source>“%1” (character %2) is not a face: type %3 for Head and %4 for Tail. Blanks and commas are left out.</source>
        <extracomment>Under the field for an invented sequence: %1 is what the pupil typed that is no face, %2 where it stands (1 for the first character), %3 and %4 the letters for Head and Tail.</extracomment>
        <translation>“%1”（第 %2 个字符）不是硬币的面：正面输入 %3，反面输入 %4。空格和逗号会被忽略。</translation>
    </message>
    <message numerus="yes">
        <source>Your sequence switches %n times in %1 chances; real ones switch %2 to %3 times. Invented sequences usually switch too often.</source>
        <extracomment>%n switches of the typed sequence (a face different from the one before) in %1 chances; real sequences of its length switch %2 to %3 times 95 % of the time.</extracomment>
        <translation>
            <numerusform>你的序列在 %1 次机会中交替了 %n 次；真实序列交替 %2 到 %3 次。编造的序列通常交替得太频繁。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your sequence switches %n times in %1 chances; real ones switch %2 to %3 times. Yours switches less often than real ones do.</source>
        <extracomment>The same when the typed sequence switches less often than real ones do.</extracomment>
        <translation>
            <numerusform>你的序列在 %1 次机会中交替了 %n 次；真实序列交替 %2 到 %3 次。你的序列比真实序列交替得少。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak is %n in a row; real sequences of %1 faces have %2 to %3. Invented sequences usually have streaks too short.</source>
        <extracomment>The typed sequence&apos;s longest streak is %n in a row; real sequences of %1 faces have a longest streak of %2 to %3 95 % of the time.</extracomment>
        <translation>
            <numerusform>你的最长连串为 %n 次；%1 次的真实序列为 %2 到 %3 次。编造的序列通常连串太短。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak is %n in a row; real sequences of %1 faces have %2 to %3. Yours is longer than real ones usually are.</source>
        <extracomment>The same when the typed sequence&apos;s longest streak is longer than real ones&apos;.</extracomment>
        <translation>
            <numerusform>你的最长连串为 %n 次；%1 次的真实序列为 %2 到 %3 次。你的连串比真实序列通常的更长。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your longest streak (%1) and your switches (%2) lie where real sequences of %n faces usually have theirs: by these two measures yours could be real.</source>
        <extracomment>Both measures of the typed sequence of %n faces lie inside the ranges of real ones; %1 is its longest streak, %2 its switches.</extracomment>
        <translation>
            <numerusform>你的最长连串（%1）和交替次数（%2）都在 %n 次的真实序列通常所在的范围内：按这两项来看，你的序列可能是真的。</numerusform>
        </translation>
    </message>
    <message>
        <source>No trials yet: there are no streaks.</source>
        <extracomment>Read streaks, before any trial.</extracomment>
        <translation>尚未试验：没有连串。</translation>
    </message>
    <message numerus="yes">
        <source>%n times in a row</source>
        <extracomment>Part of Read streaks: &quot;5 times in a row&quot;, how long the longest streak was.</extracomment>
        <translation>
            <numerusform>连续 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %1 %2, %3 to %4 expected in %Ln runs.</source>
        <extracomment>Read streaks on a class: %1 the outcome, %2 &quot;5 times in a row&quot;, %3 to %4 the range chance gives the longest streak of an outcome about 95 % of the time in %n runs, each on its own.</extracomment>
        <translation>
            <numerusform>最长连串：%1 %2，%Ln 轮试验中预期为 %3 到 %4 次。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %1 %2, %3 to %4 expected in %Ln trials.</source>
        <extracomment>Read streaks: %1 the outcome, %2 &quot;5 times in a row&quot;, %3 to %4 the range chance gives the longest streak of an outcome about 95 % of the time in %n trials.</extracomment>
        <translation>
            <numerusform>最长连串：%1 %2，%Ln 次试验中预期为 %3 到 %4 次。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After %n of the same outcome in a row, the next trial repeated it %1 of the time, a quarter expected.</source>
        <extracomment>Read streaks, its second sentence: after k of the same outcome in a row, the share of those trials in which the next trial was the same outcome again.</extracomment>
        <translation>
            <numerusform>同一结果连续 %n 次之后，下一次试验重复该结果的频率为 %1，预期为四分之一。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The field takes %Ln characters at most: the rest of what was pasted was left out.</source>
        <extracomment>After a typed (or pasted) sequence that fills the field: the rest was not taken.</extracomment>
        <translation>
            <numerusform>此栏最多容纳 %Ln 个字符：粘贴内容的其余部分未被采用。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quindle::StreaksWindow</name>
    <message>
        <source>Streaks in the run</source>
        <extracomment>The streaks window&apos;s title, on the pupil&apos;s run.</extracomment>
        <translation>本轮试验中的连串</translation>
    </message>
    <message>
        <source>Streaks in the class</source>
        <extracomment>The streaks window&apos;s title, on a class&apos;s runs.</extracomment>
        <translation>全班的连串</translation>
    </message>
    <message>
        <source>Longest streaks</source>
        <extracomment>The heading of the streaks window&apos;s first table.</extracomment>
        <translation>最长连串</translation>
    </message>
    <message>
        <source>A streak is the same result several times in a row. Real sequences of chance have longer streaks than most people expect.</source>
        <extracomment>Above the table of longest streaks.</extracomment>
        <translation>连串就是同一结果连续出现几次。真正随机的序列中的连串，比大多数人想的要长。</translation>
    </message>
    <message>
        <source>After a streak</source>
        <extracomment>The heading of the table of what came after a streak.</extracomment>
        <translation>连串之后</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The streaks window&apos;s button that closes it.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Real or invented?</source>
        <extracomment>The heading of the part where a pupil types an invented sequence.</extracomment>
        <translation>真的还是编的？</translation>
    </message>
    <message numerus="yes">
        <source>Invent a coin&apos;s faces as you think a real coin falls, and type them here: %1 for Head, %2 for Tail, at least %n faces.</source>
        <extracomment>Above the field for an invented sequence: %1 and %2 the letters for Head and Tail, %n the fewest faces it needs.</extracomment>
        <translation>
            <numerusform>按你认为真硬币落下的样子，编出一枚硬币的正反面，输入到这里：正面输入 %1，反面输入 %2，至少 %n 次。</numerusform>
        </translation>
    </message>
    <message>
        <source>Your sequence against real ones</source>
        <extracomment>The heading of the table that measures an invented sequence.</extracomment>
        <translation>你的序列与真实序列的比较</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>The streaks window&apos;s context menu: puts its tables on the clipboard.</extracomment>
        <translation>复制</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The context menu: prints the tables, by the print dialog.</extracomment>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Read streaks</source>
        <extracomment>The context menu: a screen reader says the main findings in a sentence.</extracomment>
        <translation>朗读连串</translation>
    </message>
    <message numerus="yes">
        <source>Streaks in this run: %Ln trials.</source>
        <extracomment>Above the streaks window&apos;s tables, on the pupil&apos;s run.</extracomment>
        <translation>
            <numerusform>本轮试验中的连串：%Ln 次试验。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Streaks in the class: %n runs with %1 trials, each run on its own (no streak runs from one run into the next).</source>
        <extracomment>Above the streaks window&apos;s tables, on a class: %n runs, %1 trials in all.</extracomment>
        <translation>
            <numerusform>全班的连串：%n 轮试验，共 %1 次试验，每轮单独计算（连串不会从一轮延续到下一轮）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n runs are left out: their files do not keep the order of the trials.</source>
        <extracomment>After the class&apos;s runs: runs whose files keep only their counts are left out.</extracomment>
        <translation>
            <numerusform>有 %n 轮试验未计入：其文件没有保存试验的顺序。</numerusform>
        </translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>The first column of the longest streaks&apos; table: an outcome, or Coin1.</extracomment>
        <translation>结果</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <extracomment>A column: the longest streak of the result in the trials.
----------
A column: the longest streak of the same face.</extracomment>
        <translation>最长连串</translation>
    </message>
    <message>
        <source>Usual (median)</source>
        <extracomment>A column: the longest streak that chance gives as often above as below.</extracomment>
        <translation>通常（中位数）</translation>
    </message>
    <message>
        <source>95 % of the time</source>
        <extracomment>A column: the range that chance keeps the longest streak in, 95 % of the time.
----------
A column: the range chance keeps that share in, 95 % of the time, for so many times.</extracomment>
        <translation>95 % 的范围</translation>
    </message>
    <message>
        <source>Coin1, either face</source>
        <extracomment>A row of the longest streaks&apos; table: Coin1 alone, a streak of either face.</extracomment>
        <translation>硬币1，正面或反面</translation>
    </message>
    <message>
        <source>After</source>
        <extracomment>The first column of the after-a-streak table.</extracomment>
        <translation>之前</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>A column: how many trials followed k of the same in a row.</extracomment>
        <translation>次数</translation>
    </message>
    <message>
        <source>Next the same</source>
        <extracomment>A column: how many of those trials were the same again.</extracomment>
        <translation>下一次相同</translation>
    </message>
    <message>
        <source>Share the same</source>
        <extracomment>A column: the share of those trials that were the same again.</extracomment>
        <translation>相同的频率</translation>
    </message>
    <message>
        <source>Expected</source>
        <extracomment>A column: the share that chance gives: a quarter for an outcome, a half for a face.</extracomment>
        <translation>预期</translation>
    </message>
    <message>
        <source>Sequence</source>
        <extracomment>The first column of the table that measures a typed sequence.</extracomment>
        <translation>序列</translation>
    </message>
    <message>
        <source>Switches</source>
        <extracomment>A column: how often a face differs from the one before it.</extracomment>
        <translation>交替次数</translation>
    </message>
    <message numerus="yes">
        <source>Yours: %n faces</source>
        <extracomment>A row: the typed sequence&apos;s measures, of %n faces.</extracomment>
        <translation>
            <numerusform>你的序列：%n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Coin1&apos;s first %n faces in this run</source>
        <extracomment>A row: the same measures of Coin1&apos;s first %n faces in the run.</extracomment>
        <translation>
            <numerusform>本轮试验中硬币1的前 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Coin1&apos;s first %n faces in a run</source>
        <extracomment>A row: the same of Coin1&apos;s first %n faces in the class&apos;s first run with as many trials.</extracomment>
        <translation>
            <numerusform>某轮试验中硬币1的前 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <source>Real ones, 95 % of the time</source>
        <extracomment>A row: the range real sequences of that length keep each measure in, 95 % of the time.</extracomment>
        <translation>真实序列（95 % 的范围）</translation>
    </message>
    <message>
        <source>After k of the same in a row, how often was the next trial the same again? Streaks overlap: in a streak of 5, the trials after its 3rd, 4th and 5th result each follow 3 in a row. Nothing follows the last trial of a run.</source>
        <extracomment>Above the table of what came after a streak.</extracomment>
        <translation>同一结果连续 k 次之后，下一次试验又相同的有多少？连串会重叠：在长度为 5 的连串中，第 3、4、5 个结果之后的试验都各算作跟在“连续 3 次”之后。一轮试验的最后一次之后没有下一次。</translation>
    </message>
    <message>
        <source>Any outcome</source>
        <extracomment>A row of the longest streaks&apos; table: the longest streak of whichever outcome, against what chance gives the longest of any of the four.</extracomment>
        <translation>任一结果</translation>
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
