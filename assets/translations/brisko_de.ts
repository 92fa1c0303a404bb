<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>TableTexts</name>
    <message numerus="yes">
        <source>%n Karten</source>
        <translation>
            <numerusform>%n Karte</numerusform>
            <numerusform>%n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stapel: %n Karten</source>
        <translation>
            <numerusform>Stapel: %n Karte</numerusform>
            <numerusform>Stapel: %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ablagestapel: %n Karten</source>
        <translation>
            <numerusform>Ablagestapel: %n Karte</numerusform>
            <numerusform>Ablagestapel: %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer: %n Karten</source>
        <translation>
            <numerusform>Computer: %n Karte</numerusform>
            <numerusform>Computer: %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer, %n Karten</source>
        <translation>
            <numerusform>Computer, %n Karte</numerusform>
            <numerusform>Computer, %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stapel, %n Karten</source>
        <translation>
            <numerusform>Stapel, %n Karte</numerusform>
            <numerusform>Stapel, %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Karten</source>
        <translation>
            <numerusform>%1: %n Karte</numerusform>
            <numerusform>%1: %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n Karten</source>
        <translation>
            <numerusform>%1, %n Karte</numerusform>
            <numerusform>%1, %n Karten</numerusform>
        </translation>
    </message>
</context>
</TS>
