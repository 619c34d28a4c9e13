<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- fault: Arabic yeh or kaf -->
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>Parsiva</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>لطفاً نام خود را وارد كنيد</translation>
    </message>
</context>
</TS>
