<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Access</name>
    <message>
        <source>%1, not checked</source>
        <extracomment>A menu entry that is switched off, as a screen reader reads it; %1 is the entry.</extracomment>
        <translation>%1, niezaznaczone</translation>
    </message>
</context>
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
    <message>
        <source>&quot;%1&quot; is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).</source>
        <extracomment>%1 is the link as given; HOST and PORT stand for a computer&apos;s name and a port number.</extracomment>
        <translation>„%1” nie jest odnośnikiem do gry Quorvex (quorvex://HOST lub quorvex://HOST:PORT).</translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>Bestätigung</source>
        <extracomment>The confirmation box&apos;s caption. Stays German in English; give your language&apos;s word.</extracomment>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <extracomment>The confirmation box&apos;s yes button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <extracomment>The confirmation box&apos;s no button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No web browser could be started for %1
Please open the address in a browser yourself.</source>
        <translation>Nie udało się uruchomić przeglądarki dla %1
Otwórz ten adres w przeglądarce samodzielnie.</translation>
    </message>
</context>
<context>
    <name>FieldPictures</name>
    <message>
        <source>marked</source>
        <translation>zaznaczone</translation>
    </message>
    <message>
        <source>Victim</source>
        <translation>Ofiara</translation>
    </message>
    <message>
        <source>Victim hit</source>
        <translation>Ofiara trafiona</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Smok</translation>
    </message>
    <message>
        <source>Dragon hit</source>
        <translation>Smok trafiony</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>unmarked</source>
        <translation>niezaznaczone</translation>
    </message>
    <message>
        <source>marked, empty</source>
        <translation>zaznaczone, puste</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Close the open window first, then open the game link again.</source>
        <translation>Najpierw zamknij otwarte okno, a potem otwórz odnośnik do gry ponownie.</translation>
    </message>
    <message>
        <source>Disconnect first, then open the game link again.</source>
        <translation>Najpierw się rozłącz, a potem otwórz odnośnik do gry ponownie.</translation>
    </message>
</context>
<context>
    <name>GameLinks</name>
    <message>
        <source>Copy link %1</source>
        <extracomment>A context menu&apos;s entry; %1 is a link such as quorvex://192.0.2.7.</extracomment>
        <translation>Kopiuj link %1</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link skopiowany</translation>
    </message>
    <message>
        <source>Quorvex: game links cannot be taken at %1</source>
        <extracomment>On the terminal; %1 is a path and why a socket cannot listen there.</extracomment>
        <translation>Quorvex: nie można przyjmować odnośników do gry w %1</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>HostLog</name>
    <message>
        <source>Server active</source>
        <translation>Serwer aktywny</translation>
    </message>
    <message>
        <source>Server closed</source>
        <translation>Serwer zamknięty</translation>
    </message>
    <message>
        <source>Server not listening, game no longer announced</source>
        <translation>Serwer nie nasłuchuje, gra nie jest już ogłaszana</translation>
    </message>
    <message>
        <source>Router: port %1 open and for IPv6</source>
        <translation>Router: port %1 otwarty, także dla IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open</source>
        <translation>Router: port %1 otwarty</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2 and for IPv6</source>
        <extracomment>%1 is the port, %2 the router&apos;s address on the internet.</extracomment>
        <translation>Router: port %1 otwarty pod adresem %2, także dla IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2</source>
        <translation>Router: port %1 otwarty pod adresem %2</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6</source>
        <translation>Router: port %1 otwarty dla IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6, not for IPv4 (%2)</source>
        <extracomment>%1 is the port, %2 why the router refused the port for IPv4.</extracomment>
        <translation>Router: port %1 otwarty dla IPv6, nie dla IPv4 (%2)</translation>
    </message>
    <message>
        <source>Game announced as %1</source>
        <extracomment>The name was taken on the local network; %1 is the name the game got instead.</extracomment>
        <translation>Gra ogłoszona jako %1</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (not the default gateway)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Router: zignorowano odpowiedź od %1 (to nie brama domyślna)</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (its description is at another address)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Router: zignorowano odpowiedź od %1 (jego opis jest pod innym adresem)</translation>
    </message>
    <message>
        <source>Router: no port opened (%1)</source>
        <extracomment>%1 is why the router opened nothing.</extracomment>
        <translation>Router: nie otwarto portu (%1)</translation>
    </message>
    <message>
        <source>Router: port %1 closed</source>
        <translation>Router: port %1 zamknięty</translation>
    </message>
    <message>
        <source>Router: port %1 not closed (%2)</source>
        <extracomment>%1 is the port, %2 why the router kept it open.</extracomment>
        <translation>Router: port %1 nie został zamknięty (%2)</translation>
    </message>
    <message>
        <source>the router did not answer in time</source>
        <translation>router nie odpowiedział na czas</translation>
    </message>
    <message>
        <source>no router answered</source>
        <translation>żaden router nie odpowiedział</translation>
    </message>
    <message>
        <source>no answer from the default gateway</source>
        <extracomment>Answers came only from machines other than the default gateway.</extracomment>
        <translation>brak odpowiedzi od bramy domyślnej</translation>
    </message>
    <message>
        <source>the router could not be asked (%1)</source>
        <extracomment>%1 is the system&apos;s message naming the library that could not be loaded.</extracomment>
        <translation>nie można było zapytać routera (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s description could not be read</source>
        <translation>nie można odczytać opisu routera</translation>
    </message>
    <message>
        <source>the router&apos;s description names another address for its port mapping</source>
        <translation>opis routera podaje inny adres dla przekierowania portów</translation>
    </message>
    <message>
        <source>the router offers no port mapping</source>
        <translation>router nie oferuje przekierowania portów</translation>
    </message>
    <message>
        <source>the router is not connected to the internet</source>
        <translation>router nie jest połączony z internetem</translation>
    </message>
    <message>
        <source>the router refused port %1: it is in use</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>router odrzucił port %1: jest zajęty</translation>
    </message>
    <message>
        <source>the router refused port %1: not allowed</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>router odrzucił port %1: niedozwolone</translation>
    </message>
    <message>
        <source>the router refused port %1: it has no free mappings</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>router odrzucił port %1: brak wolnych przekierowań</translation>
    </message>
    <message>
        <source>the router refused port %1 (UPnP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>router odrzucił port %1 (błąd UPnP %2)</translation>
    </message>
    <message>
        <source>the router refused port %1 (NAT-PMP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>router odrzucił port %1 (błąd NAT-PMP %2)</translation>
    </message>
    <message>
        <source>the router refused it (UPnP error %1)</source>
        <extracomment>The router kept the port open; %1 is its error number.</extracomment>
        <translation>router odmówił (błąd UPnP %1)</translation>
    </message>
</context>
<context>
    <name>LocalGames</name>
    <message>
        <source>Quorvex: no games on the local network: %1</source>
        <extracomment>On the terminal; %1 is why (a missing library, for one).</extracomment>
        <translation>Quorvex: brak gier w sieci lokalnej: %1</translation>
    </message>
    <message>
        <source>Address filled in: %1</source>
        <extracomment>Spoken once a game is chosen from the local network&apos;s list; %1 is its address.</extracomment>
        <translation>Wpisano adres: %1</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Ready to bomb!!!</source>
        <translation>Można bombardować!!!</translation>
    </message>
    <message>
        <source>Only 5 fields max!</source>
        <translation>Maksymalnie 5 pól!</translation>
    </message>
    <message numerus="yes">
        <source>%n fields left</source>
        <extracomment>The cells still to mark before the five bombs can be dropped.</extracomment>
        <translation>
            <numerusform>Zostało %n pole</numerusform>
            <numerusform>Zostały %n pola</numerusform>
            <numerusform>Zostało %n pól</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouterConsent</name>
    <message>
        <source>Ask the router to open the port</source>
        <translation>Poproś router o otwarcie portu</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutBox</name>
    <message>
        <source>Quorvex v1.3 - made by the Quorvex team</source>
        <translation>Quorvex v1.3 - dzieło zespołu Quorvex</translation>
    </message>
    <message>
        <source>Write to us: quorvex.example.org</source>
        <translation>Napisz: quorvex.example.org</translation>
    </message>
    <message>
        <source>Idea: the Victim-bombing web game of Zentrafell</source>
        <translation>Pomysł: gra przeglądarkowa Zentrafell o bombardowaniu Ofiar</translation>
    </message>
    <message>
        <source>and the grid game of the group&apos;s founder</source>
        <translation>i gra na planszy założyciela grupy</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Specjalne podziękowania dla:</translation>
    </message>
    <message>
        <source>Victim No. 1 - for testing every pre-release</source>
        <translation>Ofiary nr 1 - za testowanie każdej wersji testowej</translation>
    </message>
    <message>
        <source>the Dragon keeper - for the pictures</source>
        <translation>strażnika Smoków - za obrazki</translation>
    </message>
    <message>
        <source>the net wizard - for the two-player game</source>
        <translation>czarodzieja sieci - za grę dla dwóch graczy</translation>
    </message>
    <message>
        <source>the proof reader - for help.txt</source>
        <translation>korektora - za help.txt</translation>
    </message>
    <message>
        <source>the bug hunter - for every fault reported</source>
        <translation>łowcy błędów - za każdy zgłoszony błąd</translation>
    </message>
    <message>
        <source>the Quorvex forum at quorvex.example.org</source>
        <translation>forum Quorvex na quorvex.example.org</translation>
    </message>
    <message>
        <source>and the whole Zentrafell community</source>
        <translation>i całej społeczności Zentrafell</translation>
    </message>
    <message>
        <source>Thx to UPX for ~250Kb instead of ~800Kb .exe-size</source>
        <translation>Dzięki dla UPX za ~250Kb zamiast ~800Kb rozmiaru .exe</translation>
    </message>
    <message>
        <source>UPX, the executable packer: upx.github.io</source>
        <translation>UPX, program do pakowania plików wykonywalnych: upx.github.io</translation>
    </message>
    <message>
        <source>&quot;No Victim is safe.&quot;</source>
        <translation>„Żadna Ofiara nie jest bezpieczna.”</translation>
    </message>
    <message>
        <source>Quorvex (C) the Quorvex team - free to play and share</source>
        <translation>Quorvex (C) zespół Quorvex - wolno grać i udostępniać</translation>
    </message>
    <message>
        <source>Zentrafell web game (C) Zentrafell</source>
        <translation>Gra przeglądarkowa Zentrafell (C) Zentrafell</translation>
    </message>
    <message>
        <source>Grid game (C) the founder of Zentrafell</source>
        <translation>Gra na planszy (C) założyciel Zentrafell</translation>
    </message>
    <message>
        <source>Zentrafell site</source>
        <translation>Zentrafell</translation>
    </message>
    <message>
        <source>Quorvex site (german)</source>
        <extracomment>The site is in German only.</extracomment>
        <translation>Quorvex po niemiecku</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O grze...</translation>
    </message>
    <message>
        <source>Quorvex logo</source>
        <translation>Logo Quorvex</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zamknij</translation>
    </message>
</context>
<context>
    <name>quorvex::TDelMenu</name>
    <message>
        <source>Delete savegame in %1?</source>
        <translation>Usunąć zapis gry w %1?</translation>
    </message>
    <message>
        <source>Could not delete file &quot;%1.save&quot;. File not found or write protected</source>
        <translation>Nie udało się usunąć pliku „%1.save”. Plik nie istnieje lub jest chroniony przed zapisem</translation>
    </message>
    <message>
        <source>Savegame in %1 deleted!</source>
        <translation>Zapis gry w %1 usunięty!</translation>
    </message>
</context>
<context>
    <name>quorvex::THaupt</name>
    <message>
        <source>Double kill</source>
        <translation>Podwójne zabójstwo</translation>
    </message>
    <message>
        <source>Triple kill!</source>
        <translation>Potrójne zabójstwo!</translation>
    </message>
    <message>
        <source>Master kill!</source>
        <translation>Zabójstwo mistrza!</translation>
    </message>
    <message>
        <source>Ultra sadistic kill!</source>
        <extracomment>Five Victims hit with the five bombs of one turn.</extracomment>
        <translation>Ultrasadyzm!</translation>
    </message>
    <message>
        <source>Endless game</source>
        <translation>Gra bez końca</translation>
    </message>
    <message numerus="yes">
        <source>%n killed Victims</source>
        <extracomment>A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.</extracomment>
        <translation>
            <numerusform>%n zabita Ofiara</numerusform>
            <numerusform>%n zabite Ofiary</numerusform>
            <numerusform>%n zabitych Ofiar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dead Victims</source>
        <translation>
            <numerusform>%n martwa Ofiara</numerusform>
            <numerusform>%n martwe Ofiary</numerusform>
            <numerusform>%n martwych Ofiar</numerusform>
        </translation>
    </message>
    <message>
        <source>game type</source>
        <extracomment>The game-type label before any game is started.</extracomment>
        <translation>tryb gry</translation>
    </message>
    <message numerus="yes">
        <source>Congratulation! You won! Your Money after killing %n Victims is $%1!</source>
        <extracomment>%n is 100 or 200, %1 the money held at the end (may be negative).</extracomment>
        <translation>
            <numerusform>Gratulacje! Wygrana! Po zabiciu %n Ofiary masz $%1!</numerusform>
            <numerusform>Gratulacje! Wygrana! Po zabiciu %n Ofiar masz $%1!</numerusform>
            <numerusform>Gratulacje! Wygrana! Po zabiciu %n Ofiar masz $%1!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Victims Bombed! %n hits, %1 miss -- %2</source>
        <extracomment>The status bar after a turn: %n cells hit of five, %1 missed (5 - %n), %2 the turn&apos;s gain or loss (&quot;+$222&quot;, &quot;-$100&quot;).</extracomment>
        <translation>
            <numerusform>Ofiary zbombardowane! %n trafienie, pudła: %1 -- %2</numerusform>
            <numerusform>Ofiary zbombardowane! %n trafienia, pudła: %1 -- %2</numerusform>
            <numerusform>Ofiary zbombardowane! %n trafień, pudła: %1 -- %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No marks left, ready to bomb</source>
        <translation>Nie ma już znaczników, gotowe do bombardowania</translation>
    </message>
    <message>
        <source>1 mark left</source>
        <extracomment>Spoken after a mark: one mark still to make.</extracomment>
        <translation>Został 1 znacznik</translation>
    </message>
    <message numerus="yes">
        <source>%n marks left</source>
        <extracomment>Spoken after a mark; %n is 2 to 5 (one mark left has its own text).</extracomment>
        <translation>
            <numerusform>Został %n znacznik</numerusform>
            <numerusform>Zostały %n znaczniki</numerusform>
            <numerusform>Zostało %n znaczników</numerusform>
        </translation>
    </message>
    <message>
        <source>Player &quot;%1&quot;</source>
        <extracomment>The player&apos;s name as the settings hold it, in quotes.</extracomment>
        <translation>Gracz „%1”</translation>
    </message>
    <message>
        <source>The statistics could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Nie udało się zapisać statystyk.
%1</translation>
    </message>
    <message>
        <source>Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team</source>
        <translation>Quorvex v1.3 WERSJA TESTOWA 3 - gra zespołu Quorvex</translation>
    </message>
    <message>
        <source>Quorvex start picture</source>
        <translation>Obraz startowy Quorvex</translation>
    </message>
    <message>
        <source>Quorvex v1.3</source>
        <translation>Quorvex v1.3</translation>
    </message>
    <message>
        <source>PRE-RELEASE 3</source>
        <translation>WERSJA TESTOWA 3</translation>
    </message>
    <message>
        <source>written by the Quorvex team</source>
        <translation>napisana przez zespół Quorvex</translation>
    </message>
    <message>
        <source>Found a fault? Report it in the project&apos;s issue tracker.</source>
        <translation>Coś nie działa? Zgłoś to w systemie zgłoszeń projektu.</translation>
    </message>
    <message>
        <source>Money: $</source>
        <translation>Kasa: $</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Ofiary</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Smoki</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Bombarduj tu </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Trafione Ofiary:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Trafione Smoki:</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Przeładuj</translation>
    </message>
    <message>
        <source>Gain per Victim:</source>
        <translation>Zysk za Ofiarę:</translation>
    </message>
    <message>
        <source>Loss per Dragon:</source>
        <translation>Strata za Smoka:</translation>
    </message>
    <message>
        <source>Total gain / loss:</source>
        <translation>Zysk / strata:</translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation>Celne</translation>
    </message>
    <message>
        <source>Miss:</source>
        <translation>Pudła</translation>
    </message>
    <message>
        <source>Money:</source>
        <extracomment>The money figure as a screen reader names it.</extracomment>
        <translation>Pieniądze:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Singleplayer</source>
        <translation>Jeden gracz</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Wczytaj grę</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>Delete savegame</source>
        <translation>Usuń zapis gry</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation>Wielu graczy</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Utwórz grę</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Dołącz do gry</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>%1 (german)</source>
        <extracomment>%1 is the web site&apos;s name; the site is in German only.</extracomment>
        <translation>%1 (po niemiecku)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O grze...</translation>
    </message>
    <message>
        <source>Your settings, statistics and savegames cannot be kept.
%1</source>
        <translation>Nie można zachować ustawień, statystyk ani zapisów gry.
%1</translation>
    </message>
    <message>
        <source>Save game [ $%1 ]</source>
        <extracomment>The menu entry with the price the next save costs.</extracomment>
        <translation>Zapisz grę [ $%1 ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <translation>Trafione Ofiary: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <translation>Trafione Smoki: %1</translation>
    </message>
    <message>
        <source>New game: %1</source>
        <translation>Nowa gra: %1</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekordy</translation>
    </message>
</context>
<context>
    <name>quorvex::THelp</name>
    <message>
        <source>Loading help.txt, please wait...</source>
        <translation>Wczytywanie help.txt, proszę czekać...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zamknij</translation>
    </message>
    <message>
        <source>Could not load help.txt!
Please obtain an original copy of Quorvex_v13.zip,
or unpack the zip-file with all included files.</source>
        <extracomment>Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.</extracomment>
        <translation>Nie udało się wczytać help.txt!
Zdobądź oryginalną kopię Quorvex_v13.zip
albo rozpakuj plik zip ze wszystkimi plikami.</translation>
    </message>
    <message>
        <source>help.txt is there but could not be read:
%1
Please check that you may read the file.</source>
        <extracomment>%1 is the system&apos;s cause, on a line of its own; help.txt is the file&apos;s name.</extracomment>
        <translation>help.txt istnieje, ale nie udało się go odczytać:
%1
Sprawdź, czy masz prawo odczytu tego pliku.</translation>
    </message>
</context>
<context>
    <name>quorvex::TLadenMenu</name>
    <message>
        <source>Could not load from file &quot;%1&quot;.\nFile not found.</source>
        <extracomment>%1 is the slot&apos;s file name without &quot;.save&quot; (Slot1); the \n is shown as it is, two characters.</extracomment>
        <translation>Nie udało się wczytać z pliku „%1”.\nPlik nie istnieje.</translation>
    </message>
</context>
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Nickname</source>
        <translation>Pseudonim</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Wiadomość czatu</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Bombarduj tu </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <extracomment>The bomb button: the game&apos;s name as a battle cry.</extracomment>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Trafione Ofiary:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Trafione Smoki:</translation>
    </message>
    <message>
        <source>[ result ]</source>
        <extracomment>A result label before any bombing.</extracomment>
        <translation>[ wynik ]</translation>
    </message>
    <message>
        <source>.... idle ...</source>
        <extracomment>The status panel before a game.</extracomment>
        <translation>.... czekam ...</translation>
    </message>
    <message>
        <source> Set here </source>
        <translation> Ustaw tu </translation>
    </message>
    <message>
        <source>1st click: place Victim</source>
        <translation>1. klik: ustaw Ofiarę</translation>
    </message>
    <message>
        <source>2nd click: place Dragon</source>
        <translation>2. klik: ustaw Smoka</translation>
    </message>
    <message>
        <source>3rd click: place nothing</source>
        <translation>3. klik: puste pole</translation>
    </message>
    <message>
        <source>Victims left:</source>
        <translation>Ofiary:</translation>
    </message>
    <message>
        <source>Dragons left:</source>
        <translation>Smoki:</translation>
    </message>
    <message>
        <source>Send battlefield</source>
        <translation>Wyślij pole bitwy</translation>
    </message>
    <message>
        <source>Battlefield result %1</source>
        <extracomment>The result labels&apos; names for a screen reader; %1 is the result they show.</extracomment>
        <translation>Wynik pola bitwy %1</translation>
    </message>
    <message>
        <source>Bomb result %1</source>
        <translation>Wynik bombardowania %1</translation>
    </message>
    <message>
        <source>conn. w/ &quot;%1&quot;</source>
        <extracomment>The connection with the player %1 is up.</extracomment>
        <translation>poł. z „%1”</translation>
    </message>
    <message>
        <source>[game] All positions send!</source>
        <extracomment>&quot;[game]&quot; marks the game&apos;s own notes in the log.</extracomment>
        <translation>[gra] Wszystkie pozycje wysłane!</translation>
    </message>
    <message>
        <source>[game] All positions received!</source>
        <translation>[gra] Wszystkie pozycje odebrane!</translation>
    </message>
    <message>
        <source>[game] new game started</source>
        <extracomment>The host started the next game.</extracomment>
        <translation>[gra] nowa gra rozpoczęta</translation>
    </message>
    <message>
        <source>[game] new game started!</source>
        <extracomment>This player, the host, started the next game.</extracomment>
        <translation>[gra] nowa gra rozpoczęta!</translation>
    </message>
    <message>
        <source>[game] Invalid position ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[gra] Zignorowano błędną pozycję: %1</translation>
    </message>
    <message>
        <source>[game] Extra Victim ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[gra] Zignorowano nadmiarową Ofiarę: %1</translation>
    </message>
    <message>
        <source>[game] Extra Dragon ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[gra] Zignorowano nadmiarowego Smoka: %1</translation>
    </message>
    <message>
        <source>[game] Over-long line ignored.</source>
        <translation>[gra] Zignorowano zbyt długi wiersz.</translation>
    </message>
    <message>
        <source>[game] %1 won!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[gra] %1 wygrywa!</translation>
    </message>
    <message>
        <source>[game] %1 lost!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[gra] %1 przegrywa!</translation>
    </message>
    <message>
        <source>[game] %1 bombed a draw!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[gra] %1 bombarduje na remis!</translation>
    </message>
    <message>
        <source>[game] Game resumed.</source>
        <extracomment>The same two players met again after a lost line and go on with their game.</extracomment>
        <translation>[gra] Gra wznowiona.</translation>
    </message>
    <message>
        <source>sending positions...</source>
        <translation>wysyłanie pozycji...</translation>
    </message>
    <message>
        <source>receiving positions...</source>
        <translation>odbieranie pozycji...</translation>
    </message>
    <message>
        <source>please bomb now</source>
        <translation>bombarduj teraz</translation>
    </message>
    <message>
        <source>awaiting positions...</source>
        <translation>czekam na pozycje...</translation>
    </message>
    <message>
        <source>please set up your battlefield</source>
        <translation>ustaw swoje pole bitwy</translation>
    </message>
    <message>
        <source>[ You won ]</source>
        <translation>[ Wygrana ]</translation>
    </message>
    <message>
        <source>[ You lost ]</source>
        <translation>[ Przegrana ]</translation>
    </message>
    <message>
        <source>[ Draw ]</source>
        <translation>[ Remis ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Victims this bombing hit.</extracomment>
        <translation>Trafione Ofiary: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Dragons this bombing hit.</extracomment>
        <translation>Trafione Smoki: %1</translation>
    </message>
    <message>
        <source>1 Victim</source>
        <extracomment>A count inside a sentence (&quot;1 Victim and 2 Dragons hit&quot;).</extracomment>
        <translation>1 Ofiara</translation>
    </message>
    <message numerus="yes">
        <source>%n Victims</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Ofiara</numerusform>
            <numerusform>%n Ofiary</numerusform>
            <numerusform>%n Ofiar</numerusform>
        </translation>
    </message>
    <message>
        <source>1 Dragon</source>
        <extracomment>A count inside a sentence (&quot;2 Victims and 1 Dragon hit&quot;).</extracomment>
        <translation>1 Smok</translation>
    </message>
    <message numerus="yes">
        <source>%n Dragons</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Smok</numerusform>
            <numerusform>%n Smoki</numerusform>
            <numerusform>%n Smoków</numerusform>
        </translation>
    </message>
    <message>
        <source>Bomb result: You won, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Wynik bomby: wygrana, trafienia: %1 i %2</translation>
    </message>
    <message>
        <source>Bomb result: You lost, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Wynik bomby: przegrana, trafienia: %1 i %2</translation>
    </message>
    <message>
        <source>Bomb result: Draw, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Wynik bomby: remis, trafienia: %1 i %2</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and won.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 zbombardował twoje pole bitwy i wygrał.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and lost.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 zbombardował twoje pole bitwy i przegrał.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield to a draw.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 zbombardował twoje pole bitwy: remis.</translation>
    </message>
    <message>
        <source>All figures placed, ready to send</source>
        <extracomment>Spoken once all five Victims and five Dragons stand on the own battlefield.</extracomment>
        <translation>Wszystkie figury ustawione, gotowe do wysłania</translation>
    </message>
    <message>
        <source>%1 and %2 left to place</source>
        <extracomment>Spoken after a figure is placed; %1 the Victims still to place (&quot;4 Victims&quot;), %2 the Dragons.</extracomment>
        <translation>Pozostało do ustawienia: %1 i %2</translation>
    </message>
    <message>
        <source>Connection closed gracefully.</source>
        <translation>Połączenie zostało zamknięte prawidłowo.</translation>
    </message>
    <message>
        <source>Connection reset by peer.</source>
        <translation>Połączenie zostało zerwane przez drugą stronę.</translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation>Brak połączenia.</translation>
    </message>
    <message>
        <source>Max line length exceeded.</source>
        <translation>Przekroczono maksymalną długość wiersza.</translation>
    </message>
    <message>
        <source>Connect timed out.</source>
        <translation>Upłynął czas łączenia.</translation>
    </message>
    <message>
        <source>Connect cancelled.</source>
        <translation>Łączenie anulowane.</translation>
    </message>
    <message>
        <source>Already connected.</source>
        <translation>Już połączono.</translation>
    </message>
    <message>
        <source>Terminate thread timeout.</source>
        <extracomment>Stopping the server waited too long for the connection to end.</extracomment>
        <translation>Połączenie nie zakończyło się na czas.</translation>
    </message>
    <message>
        <source>Connection lost: the peer stopped answering.</source>
        <translation>Utracono połączenie: druga strona przestała odpowiadać.</translation>
    </message>
    <message>
        <source>Connection closed: the peer stopped taking data.</source>
        <translation>Połączenie zamknięte: druga strona przestała odbierać dane.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Nieznany błąd.</translation>
    </message>
    <message>
        <source>Cannot send a line that holds a line break.</source>
        <translation>Nie można wysłać wiersza zawierającego znak nowego wiersza.</translation>
    </message>
    <message>
        <source>No nickname received in time.</source>
        <extracomment>The other player&apos;s game did not send its player name in time.</extracomment>
        <translation>Nie otrzymano pseudonimu na czas.</translation>
    </message>
    <message>
        <source>Could not create an event: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Nie można utworzyć zdarzenia: %1.</translation>
    </message>
    <message>
        <source>Could not create socket: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Nie można utworzyć gniazda: %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Nie można utworzyć potoku: %1.</translation>
    </message>
    <message>
        <source>Could not send: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Nie można wysłać: %1.</translation>
    </message>
    <message>
        <source>Could not wait for data: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Nie można czekać na dane: %1.</translation>
    </message>
    <message>
        <source>Could not receive: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Nie można odebrać: %1.</translation>
    </message>
    <message>
        <source>Could not wait for connections: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Nie można czekać na połączenia: %1.</translation>
    </message>
    <message>
        <source>Could not accept a connection: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Nie można przyjąć połączenia: %1.</translation>
    </message>
    <message>
        <source>Could not read the bound port: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Nie można odczytać przypisanego portu: %1.</translation>
    </message>
    <message>
        <source>Could not bind socket to port %1: %2.</source>
        <extracomment>%1 is the port, %2 the system&apos;s reason.</extracomment>
        <translation>Nie można powiązać gniazda z portem %1: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1:%2: %3.</source>
        <extracomment>%1 is the host, %2 the port, %3 the system&apos;s reason.</extracomment>
        <translation>Nie można połączyć z %1:%2: %3.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: no address.</source>
        <extracomment>%1 is the host&apos;s name as typed; it has no address.</extracomment>
        <translation>Nie można odnaleźć hosta „%1”: brak adresu.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the host&apos;s name as typed, %2 the system&apos;s reason.</extracomment>
        <translation>Nie można odnaleźć hosta „%1”: %2.</translation>
    </message>
    <message>
        <source>Invalid port %1.</source>
        <extracomment>%1 is the port number that cannot be used.</extracomment>
        <translation>Nieprawidłowy port %1.</translation>
    </message>
</context>
<context>
    <name>quorvex::TRecords</name>
    <message>
        <source>Your name for the new record</source>
        <translation>Twoje imię dla nowego rekordu</translation>
    </message>
    <message>
        <source>New record: place %1, $%2</source>
        <extracomment>A new row in a records table as a screen reader tells it; %1 is the place (1 to 10), %2 the money.</extracomment>
        <translation>Nowy rekord: miejsce %1, $%2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>100 Victims</source>
        <extracomment>The tabs of the records window, one per game mode.</extracomment>
        <translation>100 Ofiar</translation>
    </message>
    <message>
        <source>200 Victims</source>
        <translation>200 Ofiar</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Bez końca</translation>
    </message>
    <message>
        <source> Over every run </source>
        <translation> Ze wszystkich sesji </translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Pieniądze</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Tury</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Smoki</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Wczytana</translation>
    </message>
    <message>
        <source>Endless games started:</source>
        <translation>Gry bez końca rozpoczęte:</translation>
    </message>
    <message>
        <source>Games of 100 started:</source>
        <translation>Gry na 100 rozpoczęte:</translation>
    </message>
    <message>
        <source>Games of 100 won:</source>
        <translation>Gry na 100 wygrane:</translation>
    </message>
    <message>
        <source>Games of 200 started:</source>
        <translation>Gry na 200 rozpoczęte:</translation>
    </message>
    <message>
        <source>Games of 200 won:</source>
        <translation>Gry na 200 wygrane:</translation>
    </message>
    <message>
        <source>Turns:</source>
        <translation>Tury:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Zabite Ofiary:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Zabite Smoki:</translation>
    </message>
    <message>
        <source>Best kill streak:</source>
        <translation>Najlepsza seria zabójstw:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Wygrane pieniądze:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Stracone pieniądze:</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks an entry of a game taken up from a savegame slot.</extracomment>
        <translation>tak</translation>
    </message>
    <message>
        <source>The records file was damaged. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the damaged file now has.</extracomment>
        <translation>Plik rekordów był uszkodzony. Zachowano go jako „%1” i rozpoczęto nowy.</translation>
    </message>
    <message>
        <source>The records file was not made by this version of the game. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the unknown file now has.</extracomment>
        <translation>Plik rekordów nie pochodzi z tej wersji gry. Zachowano go jako „%1” i rozpoczęto nowy.</translation>
    </message>
    <message>
        <source>The records could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Nie udało się zapisać rekordów.
%1</translation>
    </message>
    <message>
        <source>Clear every record and the figures over every run?</source>
        <translation>Wyczyścić wszystkie rekordy i liczby ze wszystkich sesji?</translation>
    </message>
</context>
<context>
    <name>quorvex::TSetup</name>
    <message>
        <source>Please enter your name for singleplayer games</source>
        <translation>Podaj swoje imię do gier jednoosobowych</translation>
    </message>
    <message>
        <source>Please enter your name for multiplayer games</source>
        <translation>Podaj swoje imię do gier wieloosobowych</translation>
    </message>
    <message>
        <source>Please enter your servername for multiplayer games</source>
        <translation>Podaj nazwę serwera do gier wieloosobowych</translation>
    </message>
    <message>
        <source>Config of sadism</source>
        <translation>Ustawienia sadyzmu</translation>
    </message>
    <message>
        <source>Name - Singleplayer</source>
        <translation>Imię - Jeden gracz</translation>
    </message>
    <message>
        <source>Name - Multiplayer</source>
        <translation>Imię - Wielu graczy</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Nazwa serwera</translation>
    </message>
    <message>
        <source>show splash-screen</source>
        <translation>pokazuj ekran powitalny</translation>
    </message>
    <message>
        <source>fade effect</source>
        <translation>efekt przenikania</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zamknij</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>anuluj</translation>
    </message>
    <message>
        <source>default</source>
        <translation>przywróć</translation>
    </message>
    <message>
        <source>restore defaults?</source>
        <translation>przywrócić domyślne?</translation>
    </message>
    <message>
        <source>The settings could not be saved to setup.ini.
%1
They stay in effect until the program ends.</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own; setup.ini is the file&apos;s name.</extracomment>
        <translation>Nie udało się zapisać ustawień w setup.ini.
%1
Obowiązują do zakończenia programu.</translation>
    </message>
</context>
<context>
    <name>quorvex::TSlotDialog</name>
    <message>
        <source>No data present</source>
        <translation>Brak danych</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, %2, $%3, Victims %4, Dragons %5</source>
        <extracomment>What a slot holds, told by its buttons: name, game type, money, the two counters.</extracomment>
        <translation>„%1”, %2, $%3, Ofiary %4, Smoki %5</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Slot %1</translation>
    </message>
    <message>
        <source>type</source>
        <translation>tryb</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Ofiary</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Smoki</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zamknij</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>save</source>
        <translation>zapisz</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Wczytaj grę</translation>
    </message>
    <message>
        <source>load</source>
        <translation>wczytaj</translation>
    </message>
    <message>
        <source>Manage savegames</source>
        <translation>Zarządzaj zapisami gry</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>usuń</translation>
    </message>
</context>
<context>
    <name>quorvex::TSpeicherMenu</name>
    <message>
        <source>current price for saving: $</source>
        <translation>obecna cena zapisu: $</translation>
    </message>
    <message>
        <source>overwrite</source>
        <translation>nadpisz</translation>
    </message>
    <message>
        <source>Savegame already exists. Overwrite?</source>
        <translation>Zapis gry już istnieje. Nadpisać?</translation>
    </message>
    <message>
        <source>Saved to slot %1 for $%2</source>
        <translation>Zapisano w slocie %1 za $%2</translation>
    </message>
</context>
<context>
    <name>quorvex::TSplashScr</name>
    <message>
        <source>Quorvex logo</source>
        <translation>Logo Quorvex</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_client</name>
    <message>
        <source>[ Client ]  Quorvex Multiplayer - Beta1</source>
        <translation>[ Dołączanie ]  Quorvex dla wielu graczy - Beta1</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adres serwera</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>połącz</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>rozłącz</translation>
    </message>
    <message>
        <source>Could not connect to %1</source>
        <extracomment>%1 is the address the player typed.</extracomment>
        <translation>Nie udało się połączyć z %1</translation>
    </message>
    <message>
        <source>disconnected!</source>
        <translation>rozłączono!</translation>
    </message>
    <message>
        <source>Can not close while client is active!</source>
        <translation>Nie można zamknąć, gdy połączenie jest aktywne!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_host</name>
    <message>
        <source>[ Host ] Quorvex Multiplayer - Beta1</source>
        <translation>[ Gospodarz ] Quorvex dla wielu graczy - Beta1</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Nazwa serwera</translation>
    </message>
    <message>
        <source>Start server</source>
        <translation>Uruchom serwer</translation>
    </message>
    <message>
        <source>Stop server</source>
        <translation>Zatrzymaj serwer</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link skopiowany</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Zagraj ponownie</translation>
    </message>
    <message>
        <source>Client lost</source>
        <translation>Przeciwnik rozłączony</translation>
    </message>
    <message>
        <source>Can not close while server is active!</source>
        <translation>Nie można zamknąć, gdy serwer jest aktywny!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tstat</name>
    <message>
        <source>Game statistic</source>
        <translation>Statystyki gry</translation>
    </message>
    <message>
        <source>Double kills:</source>
        <translation>Podwójne:</translation>
    </message>
    <message>
        <source>Triple kills:</source>
        <translation>Potrójne:</translation>
    </message>
    <message>
        <source>Master kills:</source>
        <translation>Mistrzowskie:</translation>
    </message>
    <message>
        <source>Ultra kills:</source>
        <translation>Ultra:</translation>
    </message>
    <message>
        <source># of games:</source>
        <translation>Liczba gier:</translation>
    </message>
    <message>
        <source>Total hits:</source>
        <translation>Trafienia łącznie:</translation>
    </message>
    <message>
        <source>Total misses:</source>
        <translation>Pudła łącznie:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Zabite Ofiary:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Zabite Smoki:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Wygrane pieniądze:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Stracone pieniądze:</translation>
    </message>
</context>
<context>
    <name>qx::News</name>
    <message numerus="yes">
        <source>%n new lines</source>
        <extracomment>Spoken instead of a burst of more lines than are read out; %n is always more than one here.</extracomment>
        <translation>
            <numerusform>%n nowy wiersz</numerusform>
            <numerusform>%n nowe wiersze</numerusform>
            <numerusform>%n nowych wierszy</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qx::PictureCell</name>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <extracomment>A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.</extracomment>
        <translation>Pole %1, wiersz %2, kolumna %3</translation>
    </message>
</context>
</TS>
