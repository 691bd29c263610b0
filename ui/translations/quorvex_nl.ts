<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 in the folder the game is started in</source>
        <translation>%1 in de map waarin het spel wordt gestart</translation>
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
        <translation>Gebruik: quorvex [LINK]
         quorvex --help | --version

Start het spel Quorvex: een raster van 5 bij 5, voor één speler of voor twee
via het netwerk (TCP-poort 9999).

  LINK           quorvex://HOST of quorvex://HOST:POORT, een IPv6-adres tussen
                 vierkante haken (quorvex://[2001:db8::5]): opent het venster
                 om deel te nemen met dat adres al ingevuld. Een spel dat al
                 draait, neemt de link in plaats daarvan over.
  -h, --help     deze hulp tonen en afsluiten
  --version      de versie tonen en afsluiten

</translation>
    </message>
    <message>
        <source>Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and
Slot1.save to Slot3.save (savegames) in %1
</source>
        <translation>Bestanden: setup.ini (instellingen), Quorvex.stat (statistieken van de laatste
sessie) en Slot1.save tot Slot3.save (opgeslagen spellen) in %1
</translation>
    </message>
    <message>
        <source>Help text: %1
</source>
        <translation>Helptekst: %1
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>onbekende optie ‘%1’</translation>
    </message>
    <message>
        <source>only one game link, please</source>
        <translation>graag maar één spellink</translation>
    </message>
</context>
</TS>
