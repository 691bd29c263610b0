<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>qx::News</name>
    <message numerus="yes">
        <source>%n new lines</source>
        <translation>
            <numerusform>one:%n</numerusform>
            <numerusform>other:%n</numerusform>
        </translation>
    </message>
</context>
</TS>
