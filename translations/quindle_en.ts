<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>quindle::ClassWindow</name>
    <message numerus="yes">
        <source>%n runs</source>
        <extracomment>The number of runs pooled, in the class window&apos;s summary and printed caption.</extracomment>
        <translation>
            <numerusform>%n run</numerusform>
            <numerusform>%n runs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trials</source>
        <extracomment>The number of trials of all runs pooled, in the summary and printed caption.</extracomment>
        <translation>
            <numerusform>%n trial</numerusform>
            <numerusform>%n trials</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>inconsistent: the counts add up to %1, not %n trials</source>
        <extracomment>%1 is the counts&apos; sum, %n the number of trials the file states.</extracomment>
        <translation>
            <numerusform>inconsistent: the counts add up to %1, not %n trial</numerusform>
            <numerusform>inconsistent: the counts add up to %1, not %n trials</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a folder more than %n level(s) down, not read</source>
        <extracomment>A folder inside the class&apos;s folder too deep to be read: %n the levels that are.</extracomment>
        <translation>
            <numerusform>a folder more than %n level down, not read</numerusform>
            <numerusform>a folder more than %n levels down, not read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %1 of %n ratios lie inside the expected range, where about 95 % are expected.</source>
        <extracomment>Ends the summary: %1 of the %n ratios of the runs (four each) lie inside the expected range; chance keeps about 95 % of them there.</extracomment>
        <translation>
            <numerusform> %1 of %n ratio lies inside the expected range, where about 95 % are expected.</numerusform>
            <numerusform> %1 of %n ratios lie inside the expected range, where about 95 % are expected.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quindle::ExperimentWindow</name>
    <message numerus="yes">
        <source>%n trials</source>
        <extracomment>Said every few seconds during a run: the number of trials so far.</extracomment>
        <translation>
            <numerusform>%n trial</numerusform>
            <numerusform>%n trials</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %n trials.</source>
        <extracomment>Said when Stop ends a run: %n is the number of trials.</extracomment>
        <translation>
            <numerusform>Stopped after %n trial.</numerusform>
            <numerusform>Stopped after %n trials.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Run finished after %n trials.</source>
        <extracomment>Said when a run ends by itself, one outcome having come up more than 1000 times.</extracomment>
        <translation>
            <numerusform>Run finished after %n trial.</numerusform>
            <numerusform>Run finished after %n trials.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quindle::GraphWindow</name>
    <message numerus="yes">
        <source>Quindle, %1: %n trials</source>
        <extracomment>The line above the printed graph: %1 the date, %n the number of trials.</extracomment>
        <translation>
            <numerusform>Quindle, %1: %n trial</numerusform>
            <numerusform>Quindle, %1: %n trials</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ratio %1 after %n times</source>
        <extracomment>What a legend label tells a screen reader: %1 is the outcome&apos;s ratio, %n its count, the number of times it has come up.</extracomment>
        <translation>
            <numerusform>ratio %1 after %n time</numerusform>
            <numerusform>ratio %1 after %n times</numerusform>
        </translation>
    </message>
</context>
</TS>
