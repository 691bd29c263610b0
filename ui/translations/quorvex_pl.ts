<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 in the folder the game is started in</source>
        <translation>%1 w folderze, w którym uruchamiana jest gra</translation>
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
        <translation>Użycie: quorvex [ODNOŚNIK]
        quorvex --help | --version

Uruchamia grę Quorvex: plansza 5 na 5, dla jednego gracza albo dla dwóch
przez sieć (port TCP 9999).

  ODNOŚNIK       quorvex://HOST lub quorvex://HOST:PORT, adres IPv6 w
                 nawiasach kwadratowych (quorvex://[2001:db8::5]): otwiera
                 okno dołączania z wpisanym już adresem. Gra, która już działa,
                 przejmuje odnośnik zamiast tego.
  -h, --help     wyświetla tę pomoc i kończy działanie
  --version      wyświetla wersję i kończy działanie

</translation>
    </message>
    <message>
        <source>Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and
Slot1.save to Slot3.save (savegames) in %1
</source>
        <translation>Pliki: setup.ini (ustawienia), Quorvex.stat (statystyki ostatniej sesji)
i od Slot1.save do Slot3.save (zapisy gry) w %1
</translation>
    </message>
    <message>
        <source>Help text: %1
</source>
        <translation>Tekst pomocy: %1
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>only one game link, please</source>
        <translation>proszę podać tylko jeden odnośnik do gry</translation>
    </message>
</context>
</TS>
