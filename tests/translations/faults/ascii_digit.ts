<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- fault: ASCII digit -->
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>Parsiva</name>
    <message>
        <source>%1 %2, %3</source>
        <translation>%2 %1 %3 (1975)</translation>
    </message>
</context>
</TS>
