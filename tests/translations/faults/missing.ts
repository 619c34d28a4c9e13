<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- fault: missing: Parsiva: 'Application is already running' -->
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>Parsiva</name>
    <message>
        <source>Parsiva</source>
        <translation>پارسیوا</translation>
    </message>
</context>
</TS>
