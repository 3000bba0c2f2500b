<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>quindle::Caption</name>
    <message>
        <source>(C) 2026 The Quindle developers</source>
        <extracomment>Ends every window&apos;s title.</extracomment>
        <translation>(C) 2026 Quindle 개발자</translation>
    </message>
</context>
<context>
    <name>quindle::ClassPictures</name>
    <message>
        <source>Each run&apos;s ratios against its trials; the class, larger</source>
        <extracomment>The funnel picture&apos;s title: each run&apos;s ratios against its number of trials.</extracomment>
        <translation>실험별 시행 횟수에 따른 상대도수 (학급 전체는 크게 표시)</translation>
    </message>
    <message>
        <source>All runs one after another: each share so far</source>
        <extracomment>The class curve&apos;s title: all runs&apos; trials one after another.</extracomment>
        <translation>모든 실험을 차례로 이어 본 지금까지의 상대도수</translation>
    </message>
</context>
<context>
    <name>quindle::ClassWindow</name>
    <message>
        <source>Class results: %1</source>
        <extracomment>The class window&apos;s title; %1 is the folder&apos;s name.</extracomment>
        <translation>학급 결과: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>시행 횟수</translation>
    </message>
    <message>
        <source>%1
ratio</source>
        <extracomment>A column of the class table, on two lines: %1 is an outcome (&quot;Head Tail&quot;).</extracomment>
        <translation>%1
상대도수</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Save class results…</source>
        <translation>학급 결과 저장…</translation>
    </message>
    <message>
        <source>Save class results</source>
        <translation>학급 결과 저장</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>Copy pictures</source>
        <translation>그림 복사</translation>
    </message>
    <message>
        <source>Save pictures…</source>
        <translation>그림 저장…</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <translation>그림 저장</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 이미지 (*.png)</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>인쇄…</translation>
    </message>
    <message>
        <source>Read summary</source>
        <translation>요약 읽기</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The class table&apos;s last row, which pools every run.</extracomment>
        <translation>학급 전체</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Quindle, class results, %1: %2 runs, %3 trials</source>
        <extracomment>The caption above the printed pictures: %1 the date, %2 the runs, %3 the trials.</extracomment>
        <translation>Quindle, 학급 결과, %1: 실험 %2회, 시행 %3회</translation>
    </message>
    <message>
        <source>%1 runs, %2 trials in all.</source>
        <extracomment>Said on demand: %1 the number of runs pooled, %2 their trials.</extracomment>
        <translation>실험 %1회, 전체 시행 %2회.</translation>
    </message>
    <message>
        <source> %1 %2.</source>
        <extracomment>Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.</extracomment>
        <translation> %1 상대도수 %2.</translation>
    </message>
    <message>
        <source> %1 of %2 runs lie inside the expected range.</source>
        <extracomment>%1 of %2 runs have all four ratios inside the expected range.</extracomment>
        <translation> 실험 %2회 중 %1회는 네 상대도수가 모두 예상 범위 안에 있습니다.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Runs and the class</source>
        <translation>실험별 결과와 학급 전체</translation>
    </message>
    <message>
        <source>Files not pooled</source>
        <translation>합산에서 제외된 파일</translation>
    </message>
    <message>
        <source>Each run&apos;s ratios</source>
        <translation>실험별 상대도수</translation>
    </message>
    <message>
        <source>Each run&apos;s four ratios against its number of trials, and the class&apos;s pooled ratios</source>
        <translation>각 실험의 시행 횟수에 따른 네 가지 상대도수와 학급 전체를 합산한 상대도수</translation>
    </message>
    <message>
        <source>The class curve</source>
        <translation>학급 전체 곡선</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all the class&apos;s trials so far, run after run</source>
        <translation>실험을 하나씩 더해 가며 나타낸, 지금까지의 학급 전체 시행에 대한 각 결과의 상대도수</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a file of the class&apos;s folder is not pooled, after its name.</extracomment>
        <translation>빈 파일</translation>
    </message>
    <message>
        <source>too large for a results file (%1 KB)</source>
        <translation>결과 파일로는 너무 큼 (%1 KB)</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>텍스트 파일이 아님</translation>
    </message>
    <message>
        <source>not a Quindle results file</source>
        <translation>Quindle 결과 파일이 아님</translation>
    </message>
    <message>
        <source>saved by a newer Quindle (format %1)</source>
        <translation>더 새 버전의 Quindle로 저장됨 (형식 버전 %1)</translation>
    </message>
    <message>
        <source>cut short after trial %1 of %2</source>
        <translation>시행 %2회 중 %1회째 뒤에 끊김</translation>
    </message>
    <message>
        <source>cut short before its end</source>
        <translation>끝나기 전에 끊김</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <translation>%1의 사본</translation>
    </message>
    <message>
        <source>inconsistent: the counts add up to %1, not %2 trials</source>
        <translation>불일치: 도수의 합이 시행 횟수 %2가 아니라 %1임</translation>
    </message>
    <message>
        <source>inconsistent: a ratio does not match its count (line %1)</source>
        <translation>불일치: 상대도수가 도수와 맞지 않음 (%1번째 줄)</translation>
    </message>
    <message>
        <source>inconsistent: the history disagrees with the counts (line %1)</source>
        <translation>불일치: 진행 기록이 도수와 맞지 않음 (%1번째 줄)</translation>
    </message>
    <message>
        <source>inconsistent: the trial log disagrees with the counts (line %1)</source>
        <translation>불일치: 시행 기록이 도수와 맞지 않음 (%1번째 줄)</translation>
    </message>
    <message>
        <source>inconsistent: more trials than a run can have</source>
        <translation>불일치: 한 실험에서 가능한 것보다 시행이 많음</translation>
    </message>
    <message>
        <source>inconsistent: line %1 cannot be read</source>
        <translation>불일치: %1번째 줄을 읽을 수 없음</translation>
    </message>
</context>
<context>
    <name>quindle::CommandLine</name>
    <message>
        <source>Throws two coins again and again and counts the four outcomes, so that each one&apos;s share of all trials can be seen to settle near 1/4.</source>
        <translation>두 개의 동전을 반복해서 던져 네 가지 결과의 도수를 세고, 각 결과의 상대도수가 1/4에 가까워지는 모습을 보여 줍니다.</translation>
    </message>
    <message>
        <source>Takes every draw from a sequence fixed by &lt;N&gt; (a whole number), the same trial for trial on every machine, instead of from the clock.</source>
        <translation>시계 대신 정수 &lt;N&gt;에 따라 정해지는 수열에서 매번 난수를 뽑아, 어느 컴퓨터에서나 시행마다 같은 결과가 나오게 합니다.</translation>
    </message>
    <message>
        <source>Shows the texts in &lt;CODE&gt; (en, %1) instead of the system&apos;s language.</source>
        <extracomment>%1 lists the languages the program is translated into.</extracomment>
        <translation>시스템 언어 대신 &lt;CODE&gt;(en, %1) 언어로 텍스트를 표시합니다.</translation>
    </message>
    <message>
        <source>Starts with every window at &lt;PERCENT&gt; of its size (%1).</source>
        <extracomment>%1 lists the zoom steps.</extracomment>
        <translation>모든 창을 원래 크기의 &lt;PERCENT&gt;(%1)로 엽니다.</translation>
    </message>
    <message>
        <source>Opens the class window beside the experiment window, pooling the results files in &lt;FOLDER&gt; as they come.</source>
        <translation>실험 창 옆에 학급 결과 창을 열고, &lt;FOLDER&gt;에 결과 파일이 들어오는 대로 합산합니다.</translation>
    </message>
</context>
<context>
    <name>quindle::Errors</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>%1 is the error&apos;s number, %2 its name in English (&quot;Overflow&quot;).</extracomment>
        <translation>런타임 오류 &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Unexpected error:

%1</source>
        <translation>예기치 않은 오류:

%1</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentControl</name>
    <message>
        <source>This software will exit.</source>
        <extracomment>The message box Exit shows before the program ends.</extracomment>
        <translation>이 소프트웨어를 종료합니다.</translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentWindow</name>
    <message>
        <source>%1 frequency</source>
        <translation>%1의 도수</translation>
    </message>
    <message>
        <source>%1 probability</source>
        <translation>%1의 상대도수</translation>
    </message>
    <message>
        <source>%1 trials</source>
        <extracomment>Said every few seconds during a run.</extracomment>
        <translation>%1회</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Save results…</source>
        <translation>결과 저장…</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>As designed</source>
        <extracomment>How fast a run goes: a trial every millisecond, as the program was designed.</extracomment>
        <translation>기본</translation>
    </message>
    <message>
        <source>Classroom</source>
        <extracomment>About sixty trials a second, slow enough for a class to follow each count.</extracomment>
        <translation>수업용</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>시드: %1</translation>
    </message>
    <message>
        <source>Seed: none, the run follows the clock</source>
        <translation>시드: 없음(시계에 따름)</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>결과 저장</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>Counts cleared.</source>
        <translation>도수를 모두 지웠습니다.</translation>
    </message>
    <message>
        <source>Stopped after %1 trials.</source>
        <translation>%1회 시행 후 정지했습니다.</translation>
    </message>
    <message>
        <source>Run finished after %1 trials.</source>
        <translation>%1회 시행 후 실험이 끝났습니다.</translation>
    </message>
    <message>
        <source> %1 %2, %3.</source>
        <extracomment>Follows &quot;Stopped after … trials.&quot; once per outcome: %1 the outcome (&quot;Head Tail&quot;), %2 its count, %3 its ratio.</extracomment>
        <translation> %1 %2회, 상대도수 %3.</translation>
    </message>
    <message>
        <source>How often this outcome has come up in the current run</source>
        <translation>이번 실험에서 이 결과가 나온 횟수</translation>
    </message>
    <message>
        <source>This outcome&apos;s share of all trials of the current run</source>
        <translation>이번 실험의 전체 시행 중 이 결과가 나온 비율</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The top row&apos;s buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.</extracomment>
        <translation>종료</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Coin1: Head</source>
        <translation>동전1: 앞면</translation>
    </message>
    <message>
        <source>Coin1: Tail</source>
        <translation>동전1: 뒷면</translation>
    </message>
    <message>
        <source>Coin2: Head</source>
        <translation>동전2: 앞면</translation>
    </message>
    <message>
        <source>Coin2: Tail</source>
        <translation>동전2: 뒷면</translation>
    </message>
    <message>
        <source>Coin1</source>
        <extracomment>Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.</extracomment>
        <translation>동전1</translation>
    </message>
    <message>
        <source>Coin2</source>
        <translation>동전2</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>앞면</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>뒷면</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The table&apos;s row names are 81 pixels wide in a small bold face: about 11 characters.</extracomment>
        <translation>도수</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>상대도수</translation>
    </message>
    <message>
        <source>Number of experiment</source>
        <extracomment>Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.</extracomment>
        <translation>실험 횟수</translation>
    </message>
    <message>
        <source>Number of trials</source>
        <translation>시행 횟수</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stop and Start are 105 pixels wide: about 10 characters.</extracomment>
        <translation>정지</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Graph display</source>
        <extracomment>129 pixels wide: about 13 characters.</extracomment>
        <translation>그래프 보기</translation>
    </message>
    <message>
        <source>Class results…</source>
        <translation>학급 결과…</translation>
    </message>
    <message>
        <source>Class results</source>
        <extracomment>The title of the dialog that asks for the folder of a class&apos;s results files.</extracomment>
        <translation>학급 결과</translation>
    </message>
    <message>
        <source>One trial (%1)</source>
        <extracomment>One trial each time a key is pressed: %1 is the key (&quot;Ctrl+T&quot;).</extracomment>
        <translation>1회씩 (%1)</translation>
    </message>
    <message>
        <source>Hand in</source>
        <extracomment>Writes the run&apos;s results file straight into the class folder, under the pupil&apos;s name.</extracomment>
        <translation>제출</translation>
    </message>
    <message>
        <source>The class folder %1 cannot be used: %2

The run is still here: choose another folder to save it in.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>학급 폴더 %1을(를) 사용할 수 없습니다: %2

실험 결과는 그대로 남아 있습니다. 저장할 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>The run could not be handed in to the class folder %1: %2

It is still here: Save results… saves it in another folder.</source>
        <extracomment>%1 is the class folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>학급 폴더 %1에 제출하지 못했습니다: %2

실험 결과는 그대로 남아 있습니다. [결과 저장…]으로 다른 폴더에 저장할 수 있습니다.</translation>
    </message>
    <message>
        <source>Handed in as %1.</source>
        <extracomment>%1 is the name of the results file in the class folder.</extracomment>
        <translation>%1(으)로 제출했습니다.</translation>
    </message>
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message>
        <source>Copy graph</source>
        <translation>그래프 복사</translation>
    </message>
    <message>
        <source>Save graph…</source>
        <translation>그래프 저장…</translation>
    </message>
    <message>
        <source>Save graph at double resolution…</source>
        <translation>2배 해상도로 그래프 저장…</translation>
    </message>
    <message>
        <source>Show expected range</source>
        <translation>예상 범위 표시</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>인쇄…</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>결과로 이동</translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation>그래프 저장</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 이미지 (*.png)</translation>
    </message>
    <message>
        <source>no trials yet</source>
        <extracomment>What a legend label tells a screen reader before the first trial.</extracomment>
        <translation>아직 시행 없음</translation>
    </message>
    <message>
        <source>ratio %1 after %2 times</source>
        <translation>%2회에서 상대도수 %1</translation>
    </message>
    <message>
        <source>, inside the expected range</source>
        <translation>, 예상 범위 안</translation>
    </message>
    <message>
        <source>, outside the expected range</source>
        <translation>, 예상 범위 밖</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A legend label as a screen reader reads it: %1 the outcome, %2 its result.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>그래프</translation>
    </message>
    <message>
        <source>Each outcome&apos;s share of all trials (vertical, 0 to 1) against the number of times that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed line at the theoretical 0.25</source>
        <translation>각 결과의 전체 시행에 대한 상대도수(세로축, 0~1)를 그 결과가 나온 횟수(가로축, 0~1000)에 따라 나타낸 그래프. 결과별로 곡선 하나씩, 이론적 확률 0.25에 점선 표시</translation>
    </message>
    <message>
        <source>Ba・Ba</source>
        <extracomment>The legend&apos;s labels are 57 pixels wide in a bold face: an outcome in a few letters, coin 1 first, Fr for front (head) and Ba for back (tail), joined by a katakana middle dot.</extracomment>
        <translation>뒤・뒤</translation>
    </message>
    <message>
        <source>the red curve</source>
        <translation>빨간색 곡선</translation>
    </message>
    <message>
        <source>Ba・Fr</source>
        <translation>뒤・앞</translation>
    </message>
    <message>
        <source>the cyan curve</source>
        <translation>하늘색 곡선</translation>
    </message>
    <message>
        <source>Fr・Ba</source>
        <translation>앞・뒤</translation>
    </message>
    <message>
        <source>the green curve</source>
        <translation>초록색 곡선</translation>
    </message>
    <message>
        <source>Fr・Fr</source>
        <translation>앞・앞</translation>
    </message>
    <message>
        <source>the blue curve</source>
        <translation>파란색 곡선</translation>
    </message>
    <message>
        <source> Graph  </source>
        <extracomment>The graph window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> 그래프  </translation>
    </message>
    <message>
        <source>Save graph as PDF…</source>
        <translation>그래프를 PDF로 저장…</translation>
    </message>
    <message>
        <source>Save graph as PDF</source>
        <translation>그래프를 PDF로 저장</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 문서 (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as SVG…</source>
        <translation>그래프를 SVG로 저장…</translation>
    </message>
    <message>
        <source>Save graph as SVG</source>
        <translation>그래프를 SVG로 저장</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>SVG 이미지 (*.svg)</translation>
    </message>
    <message>
        <source>Quindle, %1: %2 trials</source>
        <extracomment>The line above the printed graph: %1 the date, %2 the number of trials.</extracomment>
        <translation>Quindle, %1: 시행 %2회</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <extracomment>Follows the printed graph&apos;s caption when the run followed a seed.</extracomment>
        <translation>, 시드 %1</translation>
    </message>
</context>
<context>
    <name>quindle::HelpText</name>
    <message>
        <source>【Problem】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【문제】</translation>
    </message>
    <message>
        <source>Throw two coins at the same time and think about how they appear on front and back.</source>
        <extracomment>The help text is printed line by line as written, on a surface about 590 pixels wide; a line that does not fit loses its end. Keep each line about as long as the original and break the sentences where they fit. A blank at the end of a line belongs to it.</extracomment>
        <translation>동전 두 개를 동시에 던질 때 앞면과 뒷면이 나오는 경우를 생각해 봅시다.</translation>
    </message>
    <message>
        <source>If these two coins are Coin1 and Coin2 , respectively , there are four ways to get </source>
        <translation>이 두 동전을 각각 동전1, 동전2라고 하면, 나오는 경우는 </translation>
    </message>
    <message>
        <source>them : front/front , front/back , back/front , back/back. </source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>앞면/앞면, 앞면/뒷면, 뒷면/앞면, 뒷면/뒷면의 4가지입니다. </translation>
    </message>
    <message>
        <source>That is , the probability of occurrence in these four cases is 1/4 , respectively.</source>
        <translation>즉, 이 4가지 경우가 일어날 확률은 각각 1/4입니다.</translation>
    </message>
    <message>
        <source>However , in reality , if you throw two coins four times at the same time , </source>
        <translation>그러나 실제로 두 동전을 동시에 4번 던져도, </translation>
    </message>
    <message>
        <source>it doesn&apos;t always happen that both coins are turned upside down once.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>두 동전이 모두 뒷면인 경우가 꼭 1번 나오는 것은 아닙니다.</translation>
    </message>
    <message>
        <source>The same applies to the other three cases.</source>
        <translation>나머지 3가지 경우도 마찬가지입니다.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with the mathmatically obtained theoretical </source>
        <translation>그렇다면 실험 결과는 수학적으로 구한 이론적 확률 </translation>
    </message>
    <message>
        <source>probability of 1/4 ?</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>1/4과 어떤 관계가 있을까요?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <extracomment>A heading of the help text, in the brackets 【 and 】.</extracomment>
        <translation>【사용 방법】</translation>
    </message>
    <message>
        <source>Click the [Start] button to start the experiment.</source>
        <extracomment>[Start] names the experiment window&apos;s Start button: use its caption there.</extracomment>
        <translation>[시작] 버튼을 클릭하면 실험이 시작됩니다.</translation>
    </message>
    <message>
        <source>Click the [Stop] button to stop the experiment.</source>
        <extracomment>[Stop] names the experiment window&apos;s Stop button: use its caption there.</extracomment>
        <translation>[정지] 버튼을 클릭하면 실험이 멈춥니다.</translation>
    </message>
    <message>
        <source>When you click the [Graph display] button , the relationship between the number of</source>
        <extracomment>[Graph display] names the experiment window&apos;s button: use its caption there.</extracomment>
        <translation>[그래프 보기] 버튼을 클릭하면 실험 횟수와</translation>
    </message>
    <message>
        <source>experiments and the front/front , front/back , back/front , back/back , and the ratio</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>앞면/앞면, 앞면/뒷면, 뒷면/앞면, 뒷면/뒷면 각각의 상대도수 사이의</translation>
    </message>
    <message>
        <source>of each is displayed in a graph.</source>
        <extracomment>Goes on with the sentence of the line above.</extracomment>
        <translation>관계가 그래프로 나타납니다.</translation>
    </message>
    <message>
        <source>You can restart the experiment from the beginning by clicking the [Init] button.</source>
        <extracomment>[Init] names the experiment window&apos;s Init button: use its caption there.</extracomment>
        <translation>[초기화] 버튼을 클릭하면 실험을 처음부터 다시 할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>quindle::HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>도움말 본문</translation>
    </message>
    <message>
        <source> Quindle＿Help（Question and operation method） </source>
        <extracomment>The help window&apos;s title, before the maker&apos;s notice.</extracomment>
        <translation> Quindle＿도움말（문제와 사용 방법） </translation>
    </message>
</context>
<context>
    <name>quindle::Outcome</name>
    <message>
        <source>Head</source>
        <translation>앞면</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>뒷면</translation>
    </message>
</context>
<context>
    <name>quindle::Paper</name>
    <message>
        <source>Cannot print: %1</source>
        <extracomment>Shown instead of the print dialog; %1 says why (a missing part of the installation).</extracomment>
        <translation>인쇄할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>quindle::Plot</name>
    <message>
        <source>(Horizontal axis : Number of times)</source>
        <extracomment>The horizontal axis&apos;s title, printed from about 60 % of the graph&apos;s width to its right edge: there is room for about 35 characters.</extracomment>
        <translation>(가로축: 횟수)</translation>
    </message>
    <message>
        <source>(Vertical axis : Ratio)</source>
        <translation>(세로축: 상대도수)</translation>
    </message>
</context>
<context>
    <name>quindle::ResultTable</name>
    <message>
        <source>frequency</source>
        <extracomment>Read by a screen reader before each count of the result table (&quot;frequency 567&quot;).</extracomment>
        <translation>도수</translation>
    </message>
    <message>
        <source>ratio</source>
        <extracomment>Read before each ratio of the result table.</extracomment>
        <translation>상대도수</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>What a screen reader calls the table of counts and ratios.</extracomment>
        <translation>결과</translation>
    </message>
</context>
<context>
    <name>quindle::Saving</name>
    <message>
        <source>the file could not be written</source>
        <extracomment>Why a file was not saved, after &quot;… could not be saved: &quot;.</extracomment>
        <translation>파일을 쓸 수 없었습니다</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>%1 파일을 저장하지 못했습니다: %2</translation>
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
        <translation>확대/축소 (%1%)</translation>
    </message>
    <message>
        <source>Larger</source>
        <extracomment>Zooms all windows one step larger.</extracomment>
        <translation>크게</translation>
    </message>
    <message>
        <source>Smaller</source>
        <extracomment>Zooms all windows one step smaller.</extracomment>
        <translation>작게</translation>
    </message>
</context>
</TS>
