<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Access</name>
    <message>
        <source>%1, not checked</source>
        <extracomment>A menu entry that is switched off, as a screen reader reads it; %1 is the entry.</extracomment>
        <translation>%1, nicht aktiviert</translation>
    </message>
</context>
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
    <message>
        <source>&quot;%1&quot; is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).</source>
        <extracomment>%1 is the link as given; HOST and PORT stand for a computer&apos;s name and a port number.</extracomment>
        <translation>„%1“ ist kein Quorvex-Spiel-Link (quorvex://HOST oder quorvex://HOST:PORT).</translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>Bestätigung</source>
        <extracomment>The confirmation box&apos;s caption. Stays German in English; give your language&apos;s word.</extracomment>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <extracomment>The confirmation box&apos;s yes button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <extracomment>The confirmation box&apos;s no button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No web browser could be started for %1
Please open the address in a browser yourself.</source>
        <translation>Für %1 ließ sich kein Webbrowser starten.
Bitte öffne die Adresse selbst in einem Browser.</translation>
    </message>
</context>
<context>
    <name>FieldPictures</name>
    <message>
        <source>marked</source>
        <translation>markiert</translation>
    </message>
    <message>
        <source>Victim</source>
        <translation>Opfer</translation>
    </message>
    <message>
        <source>Victim hit</source>
        <translation>Opfer getroffen</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drache</translation>
    </message>
    <message>
        <source>Dragon hit</source>
        <translation>Drache getroffen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>unmarked</source>
        <translation>nicht markiert</translation>
    </message>
    <message>
        <source>marked, empty</source>
        <translation>markiert, leer</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Close the open window first, then open the game link again.</source>
        <translation>Schließe zuerst das offene Fenster und öffne dann den Spiel-Link noch einmal.</translation>
    </message>
    <message>
        <source>Disconnect first, then open the game link again.</source>
        <translation>Trenne zuerst die Verbindung und öffne dann den Spiel-Link noch einmal.</translation>
    </message>
</context>
<context>
    <name>GameLinks</name>
    <message>
        <source>Copy link %1</source>
        <extracomment>A context menu&apos;s entry; %1 is a link such as quorvex://192.0.2.7.</extracomment>
        <translation>Link %1 kopieren</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link kopiert</translation>
    </message>
    <message>
        <source>Quorvex: game links cannot be taken at %1</source>
        <extracomment>On the terminal; %1 is a path and why a socket cannot listen there.</extracomment>
        <translation>Quorvex: Spiel-Links können unter %1 nicht angenommen werden</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>HostLog</name>
    <message>
        <source>Server active</source>
        <translation>Server aktiv</translation>
    </message>
    <message>
        <source>Server closed</source>
        <translation>Server geschlossen</translation>
    </message>
    <message>
        <source>Server not listening, game no longer announced</source>
        <translation>Server lauscht nicht, Spiel nicht mehr angekündigt</translation>
    </message>
    <message>
        <source>Router: port %1 open and for IPv6</source>
        <translation>Router: Port %1 offen, auch für IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open</source>
        <translation>Router: Port %1 offen</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2 and for IPv6</source>
        <extracomment>%1 is the port, %2 the router&apos;s address on the internet.</extracomment>
        <translation>Router: Port %1 offen unter %2, auch für IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2</source>
        <translation>Router: Port %1 offen unter %2</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6</source>
        <translation>Router: Port %1 offen für IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6, not for IPv4 (%2)</source>
        <extracomment>%1 is the port, %2 why the router refused the port for IPv4.</extracomment>
        <translation>Router: Port %1 offen für IPv6, nicht für IPv4 (%2)</translation>
    </message>
    <message>
        <source>Game announced as %1</source>
        <extracomment>The name was taken on the local network; %1 is the name the game got instead.</extracomment>
        <translation>Spiel angekündigt als %1</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (not the default gateway)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Router: Antwort von %1 übergangen (nicht das Standard-Gateway)</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (its description is at another address)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Router: Antwort von %1 übergangen (seine Beschreibung liegt unter einer anderen Adresse)</translation>
    </message>
    <message>
        <source>Router: no port opened (%1)</source>
        <extracomment>%1 is why the router opened nothing.</extracomment>
        <translation>Router: kein Port geöffnet (%1)</translation>
    </message>
    <message>
        <source>Router: port %1 closed</source>
        <translation>Router: Port %1 geschlossen</translation>
    </message>
    <message>
        <source>Router: port %1 not closed (%2)</source>
        <extracomment>%1 is the port, %2 why the router kept it open.</extracomment>
        <translation>Router: Port %1 nicht geschlossen (%2)</translation>
    </message>
    <message>
        <source>the router did not answer in time</source>
        <translation>der Router hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>no router answered</source>
        <translation>kein Router hat geantwortet</translation>
    </message>
    <message>
        <source>no answer from the default gateway</source>
        <extracomment>Answers came only from machines other than the default gateway.</extracomment>
        <translation>keine Antwort vom Standard-Gateway</translation>
    </message>
    <message>
        <source>the router could not be asked (%1)</source>
        <extracomment>%1 is the system&apos;s message naming the library that could not be loaded.</extracomment>
        <translation>der Router konnte nicht gefragt werden (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s description could not be read</source>
        <translation>die Beschreibung des Routers war nicht lesbar</translation>
    </message>
    <message>
        <source>the router&apos;s description names another address for its port mapping</source>
        <translation>die Beschreibung des Routers nennt für die Portweiterleitung eine andere Adresse</translation>
    </message>
    <message>
        <source>the router offers no port mapping</source>
        <translation>der Router bietet keine Portweiterleitung an</translation>
    </message>
    <message>
        <source>the router is not connected to the internet</source>
        <translation>der Router ist nicht mit dem Internet verbunden</translation>
    </message>
    <message>
        <source>the router refused port %1: it is in use</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>der Router hat Port %1 abgelehnt: er ist belegt</translation>
    </message>
    <message>
        <source>the router refused port %1: not allowed</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>der Router hat Port %1 abgelehnt: nicht erlaubt</translation>
    </message>
    <message>
        <source>the router refused port %1: it has no free mappings</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>der Router hat Port %1 abgelehnt: keine freien Weiterleitungen mehr</translation>
    </message>
    <message>
        <source>the router refused port %1 (UPnP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>der Router hat Port %1 abgelehnt (UPnP-Fehler %2)</translation>
    </message>
    <message>
        <source>the router refused port %1 (NAT-PMP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>der Router hat Port %1 abgelehnt (NAT-PMP-Fehler %2)</translation>
    </message>
    <message>
        <source>the router refused it (UPnP error %1)</source>
        <extracomment>The router kept the port open; %1 is its error number.</extracomment>
        <translation>der Router hat es abgelehnt (UPnP-Fehler %1)</translation>
    </message>
</context>
<context>
    <name>LocalGames</name>
    <message>
        <source>Quorvex: no games on the local network: %1</source>
        <extracomment>On the terminal; %1 is why (a missing library, for one).</extracomment>
        <translation>Quorvex: keine Spiele im lokalen Netz: %1</translation>
    </message>
    <message>
        <source>Address filled in: %1</source>
        <extracomment>Spoken once a game is chosen from the local network&apos;s list; %1 is its address.</extracomment>
        <translation>Adresse eingetragen: %1</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Ready to bomb!!!</source>
        <translation>Bereit zum Bomben!!!</translation>
    </message>
    <message>
        <source>Only 5 fields max!</source>
        <translation>Höchstens 5 Felder!</translation>
    </message>
    <message numerus="yes">
        <source>%n fields left</source>
        <extracomment>The cells still to mark before the five bombs can be dropped.</extracomment>
        <translation>
            <numerusform>Noch %n Feld</numerusform>
            <numerusform>Noch %n Felder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouterConsent</name>
    <message>
        <source>Ask the router to open the port</source>
        <translation>Router bitten, den Port zu öffnen</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutBox</name>
    <message>
        <source>Quorvex v1.3 - made by the Quorvex team</source>
        <translation>Quorvex v1.3 - vom Quorvex-Team</translation>
    </message>
    <message>
        <source>Write to us: quorvex.example.org</source>
        <translation>Schreib uns: quorvex.example.org</translation>
    </message>
    <message>
        <source>Idea: the Victim-bombing web game of Zentrafell</source>
        <translation>Idee: das Opfer-Bomben-Webspiel von Zentrafell</translation>
    </message>
    <message>
        <source>and the grid game of the group&apos;s founder</source>
        <translation>und das Rasterspiel des Gründers der Gruppe</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Besonderer Dank an:</translation>
    </message>
    <message>
        <source>Victim No. 1 - for testing every pre-release</source>
        <translation>Opfer Nr. 1 - fürs Testen jeder Vorabversion</translation>
    </message>
    <message>
        <source>the Dragon keeper - for the pictures</source>
        <translation>den Drachenhüter - für die Bilder</translation>
    </message>
    <message>
        <source>the net wizard - for the two-player game</source>
        <translation>den Netzzauberer - für das Spiel zu zweit</translation>
    </message>
    <message>
        <source>the proof reader - for help.txt</source>
        <translation>den Korrekturleser - für help.txt</translation>
    </message>
    <message>
        <source>the bug hunter - for every fault reported</source>
        <translation>den Fehlerjäger - für jeden gemeldeten Fehler</translation>
    </message>
    <message>
        <source>the Quorvex forum at quorvex.example.org</source>
        <translation>das Quorvex-Forum auf quorvex.example.org</translation>
    </message>
    <message>
        <source>and the whole Zentrafell community</source>
        <translation>und die ganze Zentrafell-Gemeinschaft</translation>
    </message>
    <message>
        <source>Thx to UPX for ~250Kb instead of ~800Kb .exe-size</source>
        <translation>Danke an UPX für ~250Kb statt ~800Kb .exe-Größe</translation>
    </message>
    <message>
        <source>UPX, the executable packer: upx.github.io</source>
        <translation>UPX, der Packer für Programme: upx.github.io</translation>
    </message>
    <message>
        <source>&quot;No Victim is safe.&quot;</source>
        <translation>„Kein Opfer ist sicher.“</translation>
    </message>
    <message>
        <source>Quorvex (C) the Quorvex team - free to play and share</source>
        <translation>Quorvex (C) das Quorvex-Team - frei zum Spielen und Weitergeben</translation>
    </message>
    <message>
        <source>Zentrafell web game (C) Zentrafell</source>
        <translation>Zentrafell-Webspiel (C) Zentrafell</translation>
    </message>
    <message>
        <source>Grid game (C) the founder of Zentrafell</source>
        <translation>Rasterspiel (C) der Gründer von Zentrafell</translation>
    </message>
    <message>
        <source>Zentrafell site</source>
        <translation>Zentrafell</translation>
    </message>
    <message>
        <source>Quorvex site (german)</source>
        <extracomment>The site is in German only.</extracomment>
        <translation>Quorvex-Seite</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Quorvex logo</source>
        <translation>Quorvex-Logo</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zurück</translation>
    </message>
</context>
<context>
    <name>quorvex::TDelMenu</name>
    <message>
        <source>Delete savegame in %1?</source>
        <translation>Spielstand in %1 löschen?</translation>
    </message>
    <message>
        <source>Could not delete file &quot;%1.save&quot;. File not found or write protected</source>
        <translation>Die Datei „%1.save“ ließ sich nicht löschen. Sie fehlt oder ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Savegame in %1 deleted!</source>
        <translation>Spielstand in %1 gelöscht!</translation>
    </message>
</context>
<context>
    <name>quorvex::THaupt</name>
    <message>
        <source>Double kill</source>
        <translation>Doppelabschuss</translation>
    </message>
    <message>
        <source>Triple kill!</source>
        <translation>Dreifachabschuss!</translation>
    </message>
    <message>
        <source>Master kill!</source>
        <translation>Meisterabschuss!</translation>
    </message>
    <message>
        <source>Ultra sadistic kill!</source>
        <extracomment>Five Victims hit with the five bombs of one turn.</extracomment>
        <translation>Ultrasadistisch!</translation>
    </message>
    <message>
        <source>Endless game</source>
        <translation>Endlosspiel</translation>
    </message>
    <message numerus="yes">
        <source>%n killed Victims</source>
        <extracomment>A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.</extracomment>
        <translation>
            <numerusform>%n getötetes Opfer</numerusform>
            <numerusform>%n getötete Opfer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dead Victims</source>
        <translation>
            <numerusform>%n totes Opfer</numerusform>
            <numerusform>%n tote Opfer</numerusform>
        </translation>
    </message>
    <message>
        <source>game type</source>
        <extracomment>The game-type label before any game is started.</extracomment>
        <translation>Spielart</translation>
    </message>
    <message numerus="yes">
        <source>Congratulation! You won! Your Money after killing %n Victims is $%1!</source>
        <extracomment>%n is 100 or 200, %1 the money held at the end (may be negative).</extracomment>
        <translation>
            <numerusform>Glückwunsch! Du hast gewonnen! Dein Geld nach %n getötetem Opfer: $%1!</numerusform>
            <numerusform>Glückwunsch! Du hast gewonnen! Dein Geld nach %n getöteten Opfern: $%1!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Victims Bombed! %n hits, %1 miss -- %2</source>
        <extracomment>The status bar after a turn: %n cells hit of five, %1 missed (5 - %n), %2 the turn&apos;s gain or loss (&quot;+$222&quot;, &quot;-$100&quot;).</extracomment>
        <translation>
            <numerusform>Opfer gebombt! %n Treffer, %1 daneben -- %2</numerusform>
            <numerusform>Opfer gebombt! %n Treffer, %1 daneben -- %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No marks left, ready to bomb</source>
        <translation>Keine Markierung mehr übrig, bereit zum Bomben</translation>
    </message>
    <message>
        <source>1 mark left</source>
        <extracomment>Spoken after a mark: one mark still to make.</extracomment>
        <translation>Noch 1 Markierung</translation>
    </message>
    <message numerus="yes">
        <source>%n marks left</source>
        <extracomment>Spoken after a mark; %n is 2 to 5 (one mark left has its own text).</extracomment>
        <translation>
            <numerusform>Noch %n Markierung</numerusform>
            <numerusform>Noch %n Markierungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Player &quot;%1&quot;</source>
        <extracomment>The player&apos;s name as the settings hold it, in quotes.</extracomment>
        <translation>Spieler „%1“</translation>
    </message>
    <message>
        <source>The statistics could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Die Statistik ließ sich nicht speichern.
%1</translation>
    </message>
    <message>
        <source>Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team</source>
        <translation>Quorvex v1.3 VORABVERSION 3 - ein Spiel vom Quorvex-Team</translation>
    </message>
    <message>
        <source>Quorvex start picture</source>
        <translation>Quorvex-Startbild</translation>
    </message>
    <message>
        <source>Quorvex v1.3</source>
        <translation>Quorvex v1.3</translation>
    </message>
    <message>
        <source>PRE-RELEASE 3</source>
        <translation>VORABVERSION 3</translation>
    </message>
    <message>
        <source>written by the Quorvex team</source>
        <translation>geschrieben vom Quorvex-Team</translation>
    </message>
    <message>
        <source>Found a fault? Report it in the project&apos;s issue tracker.</source>
        <translation>Einen Fehler gefunden? Melde ihn im Issue-Tracker des Projekts.</translation>
    </message>
    <message>
        <source>Money: $</source>
        <translation>Geld: $</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Opfer</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Drachen</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Hier bomben </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Gebombte Opfer:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Gebombte Drachen:</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Nachladen</translation>
    </message>
    <message>
        <source>Gain per Victim:</source>
        <translation>Gewinn je Opfer:</translation>
    </message>
    <message>
        <source>Loss per Dragon:</source>
        <translation>Verlust je Drache:</translation>
    </message>
    <message>
        <source>Total gain / loss:</source>
        <translation>Gesamtbilanz:</translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation>Top:</translation>
    </message>
    <message>
        <source>Miss:</source>
        <translation>Flop:</translation>
    </message>
    <message>
        <source>Money:</source>
        <extracomment>The money figure as a screen reader names it.</extracomment>
        <translation>Geld:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Singleplayer</source>
        <translation>Einzelspieler</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Delete savegame</source>
        <translation>Spielstand löschen</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation>Mehrspieler</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Spiel eröffnen</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Spiel beitreten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1 (german)</source>
        <extracomment>%1 is the web site&apos;s name; the site is in German only.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Your settings, statistics and savegames cannot be kept.
%1</source>
        <translation>Deine Einstellungen, Statistik und Spielstände können nicht behalten werden.
%1</translation>
    </message>
    <message>
        <source>Save game [ $%1 ]</source>
        <extracomment>The menu entry with the price the next save costs.</extracomment>
        <translation>Spiel speichern [ $%1 ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <translation>Gebombte Opfer: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <translation>Gebombte Drachen: %1</translation>
    </message>
    <message>
        <source>New game: %1</source>
        <translation>Neues Spiel: %1</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
</context>
<context>
    <name>quorvex::THelp</name>
    <message>
        <source>Loading help.txt, please wait...</source>
        <translation>help.txt wird geladen, bitte warten...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>close</source>
        <translation>schließen</translation>
    </message>
    <message>
        <source>Could not load help.txt!
Please obtain an original copy of Quorvex_v13.zip,
or unpack the zip-file with all included files.</source>
        <extracomment>Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.</extracomment>
        <translation>help.txt ließ sich nicht laden!
Bitte besorge dir ein Original von Quorvex_v13.zip
oder entpacke die Zip-Datei mit allen enthaltenen Dateien.</translation>
    </message>
    <message>
        <source>help.txt is there but could not be read:
%1
Please check that you may read the file.</source>
        <extracomment>%1 is the system&apos;s cause, on a line of its own; help.txt is the file&apos;s name.</extracomment>
        <translation>help.txt ist da, ließ sich aber nicht lesen:
%1
Bitte prüfe, ob du die Datei lesen darfst.</translation>
    </message>
</context>
<context>
    <name>quorvex::TLadenMenu</name>
    <message>
        <source>Could not load from file &quot;%1&quot;.\nFile not found.</source>
        <extracomment>%1 is the slot&apos;s file name without &quot;.save&quot; (Slot1); the \n is shown as it is, two characters.</extracomment>
        <translation>Aus der Datei „%1“ ließ sich nicht laden.\nDatei nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chatnachricht</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Hier bomben </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <extracomment>The bomb button: the game&apos;s name as a battle cry.</extracomment>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Gebombte Opfer:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Gebombte Drachen:</translation>
    </message>
    <message>
        <source>[ result ]</source>
        <extracomment>A result label before any bombing.</extracomment>
        <translation>[ Ergebnis ]</translation>
    </message>
    <message>
        <source>.... idle ...</source>
        <extracomment>The status panel before a game.</extracomment>
        <translation>.... bereit ...</translation>
    </message>
    <message>
        <source> Set here </source>
        <translation> Hier setzen </translation>
    </message>
    <message>
        <source>1st click: place Victim</source>
        <translation>1. Klick: Opfer setzen</translation>
    </message>
    <message>
        <source>2nd click: place Dragon</source>
        <translation>2. Klick: Drache setzen</translation>
    </message>
    <message>
        <source>3rd click: place nothing</source>
        <translation>3. Klick: nichts setzen</translation>
    </message>
    <message>
        <source>Victims left:</source>
        <translation>Opfer:</translation>
    </message>
    <message>
        <source>Dragons left:</source>
        <translation>Drachen:</translation>
    </message>
    <message>
        <source>Send battlefield</source>
        <translation>Schlachtfeld senden</translation>
    </message>
    <message>
        <source>Battlefield result %1</source>
        <extracomment>The result labels&apos; names for a screen reader; %1 is the result they show.</extracomment>
        <translation>Ergebnis des Schlachtfelds %1</translation>
    </message>
    <message>
        <source>Bomb result %1</source>
        <translation>Ergebnis der Bomben %1</translation>
    </message>
    <message>
        <source>conn. w/ &quot;%1&quot;</source>
        <extracomment>The connection with the player %1 is up.</extracomment>
        <translation>verbunden mit „%1“</translation>
    </message>
    <message>
        <source>[game] All positions send!</source>
        <extracomment>&quot;[game]&quot; marks the game&apos;s own notes in the log.</extracomment>
        <translation>[Spiel] Alle Positionen gesendet!</translation>
    </message>
    <message>
        <source>[game] All positions received!</source>
        <translation>[Spiel] Alle Positionen empfangen!</translation>
    </message>
    <message>
        <source>[game] new game started</source>
        <extracomment>The host started the next game.</extracomment>
        <translation>[Spiel] Neues Spiel gestartet</translation>
    </message>
    <message>
        <source>[game] new game started!</source>
        <extracomment>This player, the host, started the next game.</extracomment>
        <translation>[Spiel] Neues Spiel gestartet!</translation>
    </message>
    <message>
        <source>[game] Invalid position ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[Spiel] Ungültige Position übergangen: %1</translation>
    </message>
    <message>
        <source>[game] Extra Victim ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[Spiel] Überzähliges Opfer übergangen: %1</translation>
    </message>
    <message>
        <source>[game] Extra Dragon ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[Spiel] Überzähliger Drache übergangen: %1</translation>
    </message>
    <message>
        <source>[game] Over-long line ignored.</source>
        <translation>[Spiel] Überlange Zeile übergangen.</translation>
    </message>
    <message>
        <source>[game] %1 won!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[Spiel] %1 hat gewonnen!</translation>
    </message>
    <message>
        <source>[game] %1 lost!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[Spiel] %1 hat verloren!</translation>
    </message>
    <message>
        <source>[game] %1 bombed a draw!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[Spiel] %1 hat ein Unentschieden gebombt!</translation>
    </message>
    <message>
        <source>[game] Game resumed.</source>
        <extracomment>The same two players met again after a lost line and go on with their game.</extracomment>
        <translation>[Spiel] Spiel fortgesetzt.</translation>
    </message>
    <message>
        <source>sending positions...</source>
        <translation>Positionen werden gesendet...</translation>
    </message>
    <message>
        <source>receiving positions...</source>
        <translation>Positionen werden empfangen...</translation>
    </message>
    <message>
        <source>please bomb now</source>
        <translation>bitte jetzt bomben</translation>
    </message>
    <message>
        <source>awaiting positions...</source>
        <translation>warte auf Positionen...</translation>
    </message>
    <message>
        <source>please set up your battlefield</source>
        <translation>bitte stell dein Schlachtfeld auf</translation>
    </message>
    <message>
        <source>[ You won ]</source>
        <translation>[ Gewonnen ]</translation>
    </message>
    <message>
        <source>[ You lost ]</source>
        <translation>[ Verloren ]</translation>
    </message>
    <message>
        <source>[ Draw ]</source>
        <translation>[ Unentschieden ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Victims this bombing hit.</extracomment>
        <translation>Gebombte Opfer: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Dragons this bombing hit.</extracomment>
        <translation>Gebombte Drachen: %1</translation>
    </message>
    <message>
        <source>1 Victim</source>
        <extracomment>A count inside a sentence (&quot;1 Victim and 2 Dragons hit&quot;).</extracomment>
        <translation>1 Opfer</translation>
    </message>
    <message numerus="yes">
        <source>%n Victims</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Opfer</numerusform>
            <numerusform>%n Opfer</numerusform>
        </translation>
    </message>
    <message>
        <source>1 Dragon</source>
        <extracomment>A count inside a sentence (&quot;2 Victims and 1 Dragon hit&quot;).</extracomment>
        <translation>1 Drache</translation>
    </message>
    <message numerus="yes">
        <source>%n Dragons</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Drache</numerusform>
            <numerusform>%n Drachen</numerusform>
        </translation>
    </message>
    <message>
        <source>Bomb result: You won, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Bombenergebnis: Du hast gewonnen, %1 und %2 getroffen</translation>
    </message>
    <message>
        <source>Bomb result: You lost, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Bombenergebnis: Du hast verloren, %1 und %2 getroffen</translation>
    </message>
    <message>
        <source>Bomb result: Draw, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Bombenergebnis: Unentschieden, %1 und %2 getroffen</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and won.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 hat dein Schlachtfeld bombardiert und gewonnen.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and lost.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 hat dein Schlachtfeld bombardiert und verloren.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield to a draw.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 hat dein Schlachtfeld bombardiert: unentschieden.</translation>
    </message>
    <message>
        <source>All figures placed, ready to send</source>
        <extracomment>Spoken once all five Victims and five Dragons stand on the own battlefield.</extracomment>
        <translation>Alle Figuren gesetzt, bereit zum Senden</translation>
    </message>
    <message>
        <source>%1 and %2 left to place</source>
        <extracomment>Spoken after a figure is placed; %1 the Victims still to place (&quot;4 Victims&quot;), %2 the Dragons.</extracomment>
        <translation>Noch zu setzen: %1 und %2</translation>
    </message>
    <message>
        <source>Connection closed gracefully.</source>
        <translation>Verbindung ordnungsgemäß geschlossen.</translation>
    </message>
    <message>
        <source>Connection reset by peer.</source>
        <translation>Verbindung von der Gegenseite zurückgesetzt.</translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation>Nicht verbunden.</translation>
    </message>
    <message>
        <source>Max line length exceeded.</source>
        <translation>Höchste Zeilenlänge überschritten.</translation>
    </message>
    <message>
        <source>Connect timed out.</source>
        <translation>Zeitüberschreitung beim Verbinden.</translation>
    </message>
    <message>
        <source>Connect cancelled.</source>
        <translation>Verbinden abgebrochen.</translation>
    </message>
    <message>
        <source>Already connected.</source>
        <translation>Bereits verbunden.</translation>
    </message>
    <message>
        <source>Terminate thread timeout.</source>
        <extracomment>Stopping the server waited too long for the connection to end.</extracomment>
        <translation>Die Verbindung endete nicht rechtzeitig.</translation>
    </message>
    <message>
        <source>Connection lost: the peer stopped answering.</source>
        <translation>Verbindung verloren: die Gegenseite antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>Connection closed: the peer stopped taking data.</source>
        <translation>Verbindung geschlossen: die Gegenseite nimmt keine Daten mehr an.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>Cannot send a line that holds a line break.</source>
        <translation>Eine Zeile mit Zeilenumbruch kann nicht gesendet werden.</translation>
    </message>
    <message>
        <source>No nickname received in time.</source>
        <extracomment>The other player&apos;s game did not send its player name in time.</extracomment>
        <translation>Kein Spitzname rechtzeitig empfangen.</translation>
    </message>
    <message>
        <source>Could not create an event: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Ereignis konnte nicht erstellt werden: %1.</translation>
    </message>
    <message>
        <source>Could not create socket: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Socket konnte nicht erstellt werden: %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Pipe konnte nicht erstellt werden: %1.</translation>
    </message>
    <message>
        <source>Could not send: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Senden fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>Could not wait for data: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Warten auf Daten fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>Could not receive: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Empfangen fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>Could not wait for connections: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Warten auf Verbindungen fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>Could not accept a connection: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Verbindung konnte nicht angenommen werden: %1.</translation>
    </message>
    <message>
        <source>Could not read the bound port: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Der gebundene Port konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Could not bind socket to port %1: %2.</source>
        <extracomment>%1 is the port, %2 the system&apos;s reason.</extracomment>
        <translation>Socket konnte nicht an Port %1 gebunden werden: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1:%2: %3.</source>
        <extracomment>%1 is the host, %2 the port, %3 the system&apos;s reason.</extracomment>
        <translation>Verbindung zu %1:%2 fehlgeschlagen: %3.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: no address.</source>
        <extracomment>%1 is the host&apos;s name as typed; it has no address.</extracomment>
        <translation>Rechnername „%1“ konnte nicht aufgelöst werden: keine Adresse.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the host&apos;s name as typed, %2 the system&apos;s reason.</extracomment>
        <translation>Rechnername „%1“ konnte nicht aufgelöst werden: %2.</translation>
    </message>
    <message>
        <source>Invalid port %1.</source>
        <extracomment>%1 is the port number that cannot be used.</extracomment>
        <translation>Ungültiger Port %1.</translation>
    </message>
</context>
<context>
    <name>quorvex::TRecords</name>
    <message>
        <source>Your name for the new record</source>
        <translation>Dein Name für den neuen Rekord</translation>
    </message>
    <message>
        <source>New record: place %1, $%2</source>
        <extracomment>A new row in a records table as a screen reader tells it; %1 is the place (1 to 10), %2 the money.</extracomment>
        <translation>Neuer Rekord: Platz %1, $%2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>100 Victims</source>
        <extracomment>The tabs of the records window, one per game mode.</extracomment>
        <translation>100 Opfer</translation>
    </message>
    <message>
        <source>200 Victims</source>
        <translation>200 Opfer</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source> Over every run </source>
        <translation> Über alle Läufe </translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Geladen</translation>
    </message>
    <message>
        <source>Endless games started:</source>
        <translation>Endlosspiele begonnen:</translation>
    </message>
    <message>
        <source>Games of 100 started:</source>
        <translation>Spiele um 100 begonnen:</translation>
    </message>
    <message>
        <source>Games of 100 won:</source>
        <translation>Spiele um 100 gewonnen:</translation>
    </message>
    <message>
        <source>Games of 200 started:</source>
        <translation>Spiele um 200 begonnen:</translation>
    </message>
    <message>
        <source>Games of 200 won:</source>
        <translation>Spiele um 200 gewonnen:</translation>
    </message>
    <message>
        <source>Turns:</source>
        <translation>Runden:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Getötete Opfer:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Getötete Drachen:</translation>
    </message>
    <message>
        <source>Best kill streak:</source>
        <translation>Beste Abschussserie:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Geld gewonnen:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Geld verloren:</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks an entry of a game taken up from a savegame slot.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>The records file was damaged. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the damaged file now has.</extracomment>
        <translation>Die Rekorddatei war beschädigt. Sie liegt jetzt unter „%1“, und eine neue wird begonnen.</translation>
    </message>
    <message>
        <source>The records file was not made by this version of the game. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the unknown file now has.</extracomment>
        <translation>Die Rekorddatei stammt nicht von dieser Version des Spiels. Sie liegt jetzt unter „%1“, und eine neue wird begonnen.</translation>
    </message>
    <message>
        <source>The records could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Die Rekorde konnten nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Clear every record and the figures over every run?</source>
        <translation>Alle Rekorde und die Zahlen über alle Läufe löschen?</translation>
    </message>
</context>
<context>
    <name>quorvex::TSetup</name>
    <message>
        <source>Please enter your name for singleplayer games</source>
        <translation>Bitte gib deinen Namen für Einzelspieler-Spiele ein</translation>
    </message>
    <message>
        <source>Please enter your name for multiplayer games</source>
        <translation>Bitte gib deinen Namen für Mehrspieler-Spiele ein</translation>
    </message>
    <message>
        <source>Please enter your servername for multiplayer games</source>
        <translation>Bitte gib deinen Servernamen für Mehrspieler-Spiele ein</translation>
    </message>
    <message>
        <source>Config of sadism</source>
        <translation>Einstellungen des Sadismus</translation>
    </message>
    <message>
        <source>Name - Singleplayer</source>
        <translation>Name - Einzelspieler</translation>
    </message>
    <message>
        <source>Name - Multiplayer</source>
        <translation>Name - Mehrspieler</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Servername</translation>
    </message>
    <message>
        <source>show splash-screen</source>
        <translation>Startbild zeigen</translation>
    </message>
    <message>
        <source>fade effect</source>
        <translation>Überblendung</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>zurück</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>restore defaults?</source>
        <translation>Standardwerte wiederherstellen?</translation>
    </message>
    <message>
        <source>The settings could not be saved to setup.ini.
%1
They stay in effect until the program ends.</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own; setup.ini is the file&apos;s name.</extracomment>
        <translation>Die Einstellungen ließen sich nicht in setup.ini speichern.
%1
Sie gelten, bis das Programm endet.</translation>
    </message>
</context>
<context>
    <name>quorvex::TSlotDialog</name>
    <message>
        <source>No data present</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, %2, $%3, Victims %4, Dragons %5</source>
        <extracomment>What a slot holds, told by its buttons: name, game type, money, the two counters.</extracomment>
        <translation>„%1“, %2, $%3, Opfer %4, Drachen %5</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>type</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Opfer</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>close</source>
        <translation>schließen</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>save</source>
        <translation>speichern</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>load</source>
        <translation>laden</translation>
    </message>
    <message>
        <source>Manage savegames</source>
        <translation>Spielstände verwalten</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>löschen</translation>
    </message>
</context>
<context>
    <name>quorvex::TSpeicherMenu</name>
    <message>
        <source>current price for saving: $</source>
        <translation>aktueller Preis fürs Speichern: $</translation>
    </message>
    <message>
        <source>overwrite</source>
        <translation>überschreiben</translation>
    </message>
    <message>
        <source>Savegame already exists. Overwrite?</source>
        <translation>Den Spielstand gibt es schon. Überschreiben?</translation>
    </message>
    <message>
        <source>Saved to slot %1 for $%2</source>
        <translation>Auf Platz %1 gespeichert für $%2</translation>
    </message>
</context>
<context>
    <name>quorvex::TSplashScr</name>
    <message>
        <source>Quorvex logo</source>
        <translation>Quorvex-Logo</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_client</name>
    <message>
        <source>[ Client ]  Quorvex Multiplayer - Beta1</source>
        <translation>[ Beitreten ]  Quorvex Mehrspieler - Beta1</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>verbinden</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>trennen</translation>
    </message>
    <message>
        <source>Could not connect to %1</source>
        <extracomment>%1 is the address the player typed.</extracomment>
        <translation>Keine Verbindung zu %1 möglich</translation>
    </message>
    <message>
        <source>disconnected!</source>
        <translation>getrennt!</translation>
    </message>
    <message>
        <source>Can not close while client is active!</source>
        <translation>Schließen ist nicht möglich, solange du verbunden bist!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_host</name>
    <message>
        <source>[ Host ] Quorvex Multiplayer - Beta1</source>
        <translation>[ Gastgeber ] Quorvex Mehrspieler - Beta1</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Servername</translation>
    </message>
    <message>
        <source>Start server</source>
        <translation>Server starten</translation>
    </message>
    <message>
        <source>Stop server</source>
        <translation>Server anhalten</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link kopiert</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Client lost</source>
        <translation>Verbindung zum Gegner verloren</translation>
    </message>
    <message>
        <source>Can not close while server is active!</source>
        <translation>Schließen ist nicht möglich, solange der Server läuft!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tstat</name>
    <message>
        <source>Game statistic</source>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>Double kills:</source>
        <translation>Doppelabschuss:</translation>
    </message>
    <message>
        <source>Triple kills:</source>
        <translation>Dreierabschuss:</translation>
    </message>
    <message>
        <source>Master kills:</source>
        <translation>Meisterabschuss:</translation>
    </message>
    <message>
        <source>Ultra kills:</source>
        <translation>Ultraabschuss:</translation>
    </message>
    <message>
        <source># of games:</source>
        <translation>Anzahl Spiele:</translation>
    </message>
    <message>
        <source>Total hits:</source>
        <translation>Treffer gesamt:</translation>
    </message>
    <message>
        <source>Total misses:</source>
        <translation>Fehlschüsse gesamt:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Getötete Opfer:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Getötete Drachen:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Geld gewonnen:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Geld verloren:</translation>
    </message>
</context>
<context>
    <name>qx::News</name>
    <message numerus="yes">
        <source>%n new lines</source>
        <extracomment>Spoken instead of a burst of more lines than are read out; %n is always more than one here.</extracomment>
        <translation>
            <numerusform>%n neue Zeile</numerusform>
            <numerusform>%n neue Zeilen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qx::PictureCell</name>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <extracomment>A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.</extracomment>
        <translation>Feld %1, Reihe %2, Spalte %3</translation>
    </message>
</context>
</TS>
