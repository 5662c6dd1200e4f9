<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="hu">
<context>
    <name>ErrorBox</name>
    <message>
        <source>21 - A kártyajáték</source>
        <translation>21 - Das Kartenspiel</translation>
    </message>
</context>
</TS>
