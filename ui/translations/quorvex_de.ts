<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 in the folder the game is started in</source>
        <translation>%1 im Ordner, in dem das Spiel gestartet wird</translation>
    </message>
    <message>
        <source>Usage: quorvex [LINK]
       quorvex --help | --version

Starts the game Quorvex: a 5 by 5 grid, for one player or for two over
the network (TCP port 9999).

  LINK           quorvex://HOST or quorvex://HOST:PORT, an IPv6 address in
                 square brackets (quorvex://[2001:db8::5]): opens the client
                 window with that address filled in. A game that runs
                 already takes the link instead.
  -h, --help     print this help and exit
  --version      print the version and exit

</source>
        <translation>Aufruf: quorvex [LINK]
        quorvex --help | --version

Startet das Spiel Quorvex: ein Raster von 5 mal 5 Feldern, für einen Spieler
oder zu zweit über das Netzwerk (TCP-Port 9999).

  LINK           quorvex://HOST oder quorvex://HOST:PORT, eine IPv6-Adresse in
                 eckigen Klammern (quorvex://[2001:db8::5]): öffnet das
                 Beitrittsfenster mit dieser Adresse. Ein Spiel, das schon
                 läuft, übernimmt den Link stattdessen.
  -h, --help     diese Hilfe ausgeben und beenden
  --version      die Version ausgeben und beenden

</translation>
    </message>
    <message>
        <source>Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and
Slot1.save to Slot3.save (savegames) in %1
</source>
        <translation>Dateien: setup.ini (Einstellungen), Quorvex.stat (Statistik des letzten Laufs)
und Slot1.save bis Slot3.save (Spielstände) in %1
</translation>
    </message>
    <message>
        <source>Help text: %1
</source>
        <translation>Hilfetext: %1
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>only one game link, please</source>
        <translation>bitte nur einen Spiel-Link</translation>
    </message>
</context>
</TS>
