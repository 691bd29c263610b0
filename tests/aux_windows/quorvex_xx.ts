<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<!-- A catalogue for the fit test only: one caption made far too long, so the
     test shows that it reports a text that does not fit. -->
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Quorvex!</source>
        <translation>Quorvex! The bomb falls on the field of the other player</translation>
    </message>
</context>
</TS>
