<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- fault: other access keys than the source -->
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>frmSave</name>
    <message>
        <source>&amp;Save</source>
        <translation>ذخیره</translation>
    </message>
</context>
</TS>
