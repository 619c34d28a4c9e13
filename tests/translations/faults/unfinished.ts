<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- fault: unfinished -->
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>Parsiva</name>
    <message>
        <source>Season: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
