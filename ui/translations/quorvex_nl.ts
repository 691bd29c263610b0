<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Access</name>
    <message>
        <source>%1, not checked</source>
        <extracomment>A menu entry that is switched off, as a screen reader reads it; %1 is the entry.</extracomment>
        <translation>%1, niet aangevinkt</translation>
    </message>
</context>
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
    <message>
        <source>&quot;%1&quot; is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).</source>
        <extracomment>%1 is the link as given; HOST and PORT stand for a computer&apos;s name and a port number.</extracomment>
        <translation>‘%1’ is geen spellink van Quorvex (quorvex://HOST of quorvex://HOST:POORT).</translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>Bestätigung</source>
        <extracomment>The confirmation box&apos;s caption. Stays German in English; give your language&apos;s word.</extracomment>
        <translation>Bevestiging</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <extracomment>The confirmation box&apos;s yes button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <extracomment>The confirmation box&apos;s no button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No web browser could be started for %1
Please open the address in a browser yourself.</source>
        <translation>Er kon geen webbrowser worden gestart voor %1
Open het adres alsjeblieft zelf in een browser.</translation>
    </message>
</context>
<context>
    <name>FieldPictures</name>
    <message>
        <source>marked</source>
        <translation>gemarkeerd</translation>
    </message>
    <message>
        <source>Victim</source>
        <translation>Slachtoffer</translation>
    </message>
    <message>
        <source>Victim hit</source>
        <translation>Slachtoffer geraakt</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Draak</translation>
    </message>
    <message>
        <source>Dragon hit</source>
        <translation>Draak geraakt</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>unmarked</source>
        <translation>niet gemarkeerd</translation>
    </message>
    <message>
        <source>marked, empty</source>
        <translation>gemarkeerd, leeg</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Close the open window first, then open the game link again.</source>
        <translation>Sluit eerst het open venster en open daarna de spellink opnieuw.</translation>
    </message>
    <message>
        <source>Disconnect first, then open the game link again.</source>
        <translation>Verbreek eerst de verbinding en open daarna de spellink opnieuw.</translation>
    </message>
</context>
<context>
    <name>GameLinks</name>
    <message>
        <source>Copy link %1</source>
        <extracomment>A context menu&apos;s entry; %1 is a link such as quorvex://192.0.2.7.</extracomment>
        <translation>Link %1 kopiëren</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link gekopieerd</translation>
    </message>
    <message>
        <source>Quorvex: game links cannot be taken at %1</source>
        <extracomment>On the terminal; %1 is a path and why a socket cannot listen there.</extracomment>
        <translation>Quorvex: spellinks kunnen niet worden ontvangen op %1</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>HostLog</name>
    <message>
        <source>Server active</source>
        <translation>Server actief</translation>
    </message>
    <message>
        <source>Server closed</source>
        <translation>Server gesloten</translation>
    </message>
    <message>
        <source>Server not listening, game no longer announced</source>
        <translation>Server luistert niet, spel niet meer aangekondigd</translation>
    </message>
    <message>
        <source>Router: port %1 open and for IPv6</source>
        <translation>Router: poort %1 open, ook voor IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open</source>
        <translation>Router: poort %1 open</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2 and for IPv6</source>
        <extracomment>%1 is the port, %2 the router&apos;s address on the internet.</extracomment>
        <translation>Router: poort %1 open op %2, ook voor IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2</source>
        <translation>Router: poort %1 open op %2</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6</source>
        <translation>Router: poort %1 open voor IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6, not for IPv4 (%2)</source>
        <extracomment>%1 is the port, %2 why the router refused the port for IPv4.</extracomment>
        <translation>Router: poort %1 open voor IPv6, niet voor IPv4 (%2)</translation>
    </message>
    <message>
        <source>Game announced as %1</source>
        <extracomment>The name was taken on the local network; %1 is the name the game got instead.</extracomment>
        <translation>Spel aangekondigd als %1</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (not the default gateway)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Router: antwoord van %1 genegeerd (niet de standaardgateway)</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (its description is at another address)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Router: antwoord van %1 genegeerd (de beschrijving staat op een ander adres)</translation>
    </message>
    <message>
        <source>Router: no port opened (%1)</source>
        <extracomment>%1 is why the router opened nothing.</extracomment>
        <translation>Router: geen poort geopend (%1)</translation>
    </message>
    <message>
        <source>Router: port %1 closed</source>
        <translation>Router: poort %1 gesloten</translation>
    </message>
    <message>
        <source>Router: port %1 not closed (%2)</source>
        <extracomment>%1 is the port, %2 why the router kept it open.</extracomment>
        <translation>Router: poort %1 niet gesloten (%2)</translation>
    </message>
    <message>
        <source>the router did not answer in time</source>
        <translation>de router antwoordde niet op tijd</translation>
    </message>
    <message>
        <source>no router answered</source>
        <translation>geen router antwoordde</translation>
    </message>
    <message>
        <source>no answer from the default gateway</source>
        <extracomment>Answers came only from machines other than the default gateway.</extracomment>
        <translation>geen antwoord van de standaardgateway</translation>
    </message>
    <message>
        <source>the router could not be asked (%1)</source>
        <extracomment>%1 is the system&apos;s message naming the library that could not be loaded.</extracomment>
        <translation>de router kon niet worden gevraagd (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s description could not be read</source>
        <translation>de beschrijving van de router kon niet worden gelezen</translation>
    </message>
    <message>
        <source>the router&apos;s description names another address for its port mapping</source>
        <translation>de beschrijving van de router noemt een ander adres voor het doorsturen van poorten</translation>
    </message>
    <message>
        <source>the router offers no port mapping</source>
        <translation>de router biedt geen doorsturen van poorten</translation>
    </message>
    <message>
        <source>the router is not connected to the internet</source>
        <translation>de router is niet met het internet verbonden</translation>
    </message>
    <message>
        <source>the router refused port %1: it is in use</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>de router weigerde poort %1: die is in gebruik</translation>
    </message>
    <message>
        <source>the router refused port %1: not allowed</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>de router weigerde poort %1: niet toegestaan</translation>
    </message>
    <message>
        <source>the router refused port %1: it has no free mappings</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>de router weigerde poort %1: geen vrije doorstuurregels meer</translation>
    </message>
    <message>
        <source>the router refused port %1 (UPnP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>de router weigerde poort %1 (UPnP-fout %2)</translation>
    </message>
    <message>
        <source>the router refused port %1 (NAT-PMP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>de router weigerde poort %1 (NAT-PMP-fout %2)</translation>
    </message>
    <message>
        <source>the router refused it (UPnP error %1)</source>
        <extracomment>The router kept the port open; %1 is its error number.</extracomment>
        <translation>de router weigerde het (UPnP-fout %1)</translation>
    </message>
</context>
<context>
    <name>LocalGames</name>
    <message>
        <source>Quorvex: no games on the local network: %1</source>
        <extracomment>On the terminal; %1 is why (a missing library, for one).</extracomment>
        <translation>Quorvex: geen spellen op het lokale netwerk: %1</translation>
    </message>
    <message>
        <source>Address filled in: %1</source>
        <extracomment>Spoken once a game is chosen from the local network&apos;s list; %1 is its address.</extracomment>
        <translation>Adres ingevuld: %1</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Ready to bomb!!!</source>
        <translation>Bombarderen maar!!!</translation>
    </message>
    <message>
        <source>Only 5 fields max!</source>
        <translation>Maximaal 5 vakjes!</translation>
    </message>
    <message numerus="yes">
        <source>%n fields left</source>
        <extracomment>The cells still to mark before the five bombs can be dropped.</extracomment>
        <translation>
            <numerusform>Nog %n vakje</numerusform>
            <numerusform>Nog %n vakjes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouterConsent</name>
    <message>
        <source>Ask the router to open the port</source>
        <translation>De router vragen de poort te openen</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutBox</name>
    <message>
        <source>Quorvex v1.3 - made by the Quorvex team</source>
        <translation>Quorvex v1.3 - gemaakt door het Quorvex-team</translation>
    </message>
    <message>
        <source>Write to us: quorvex.example.org</source>
        <translation>Schrijf ons: quorvex.example.org</translation>
    </message>
    <message>
        <source>Idea: the Victim-bombing web game of Zentrafell</source>
        <translation>Idee: het webspel van Zentrafell waarin je Slachtoffers bombardeert</translation>
    </message>
    <message>
        <source>and the grid game of the group&apos;s founder</source>
        <translation>en het rasterspel van de oprichter van de groep</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Speciale dank aan:</translation>
    </message>
    <message>
        <source>Victim No. 1 - for testing every pre-release</source>
        <translation>Slachtoffer nr. 1 - voor het testen van elke testversie</translation>
    </message>
    <message>
        <source>the Dragon keeper - for the pictures</source>
        <translation>de drakenhoeder - voor de plaatjes</translation>
    </message>
    <message>
        <source>the net wizard - for the two-player game</source>
        <translation>de netwerktovenaar - voor het spel met z&apos;n tweeën</translation>
    </message>
    <message>
        <source>the proof reader - for help.txt</source>
        <translation>de corrector - voor help.txt</translation>
    </message>
    <message>
        <source>the bug hunter - for every fault reported</source>
        <translation>de bugjager - voor elke gemelde fout</translation>
    </message>
    <message>
        <source>the Quorvex forum at quorvex.example.org</source>
        <translation>het Quorvex-forum op quorvex.example.org</translation>
    </message>
    <message>
        <source>and the whole Zentrafell community</source>
        <translation>en de hele Zentrafell-gemeenschap</translation>
    </message>
    <message>
        <source>Thx to UPX for ~250Kb instead of ~800Kb .exe-size</source>
        <translation>Dank aan UPX voor ~250Kb in plaats van ~800Kb .exe-grootte</translation>
    </message>
    <message>
        <source>UPX, the executable packer: upx.github.io</source>
        <translation>UPX, de packer voor programma&apos;s: upx.github.io</translation>
    </message>
    <message>
        <source>&quot;No Victim is safe.&quot;</source>
        <translation>“Geen Slachtoffer is veilig.”</translation>
    </message>
    <message>
        <source>Quorvex (C) the Quorvex team - free to play and share</source>
        <translation>Quorvex (C) het Quorvex-team - vrij om te spelen en te delen</translation>
    </message>
    <message>
        <source>Zentrafell web game (C) Zentrafell</source>
        <translation>Webspel van Zentrafell (C) Zentrafell</translation>
    </message>
    <message>
        <source>Grid game (C) the founder of Zentrafell</source>
        <translation>Rasterspel (C) de oprichter van Zentrafell</translation>
    </message>
    <message>
        <source>Zentrafell site</source>
        <translation>Zentrafell</translation>
    </message>
    <message>
        <source>Quorvex site (german)</source>
        <extracomment>The site is in German only.</extracomment>
        <translation>Quorvex (Duits)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Over...</translation>
    </message>
    <message>
        <source>Quorvex logo</source>
        <translation>Quorvex-logo</translation>
    </message>
    <message>
        <source>close</source>
        <translation>sluiten</translation>
    </message>
</context>
<context>
    <name>quorvex::TDelMenu</name>
    <message>
        <source>Delete savegame in %1?</source>
        <translation>Opgeslagen spel in %1 verwijderen?</translation>
    </message>
    <message>
        <source>Could not delete file &quot;%1.save&quot;. File not found or write protected</source>
        <translation>Kon bestand ‘%1.save’ niet verwijderen. Bestand niet gevonden of beveiligd tegen schrijven</translation>
    </message>
    <message>
        <source>Savegame in %1 deleted!</source>
        <translation>Opgeslagen spel in %1 verwijderd!</translation>
    </message>
</context>
<context>
    <name>quorvex::THaupt</name>
    <message>
        <source>Double kill</source>
        <translation>Dubbele kill</translation>
    </message>
    <message>
        <source>Triple kill!</source>
        <translation>Driedubbele kill!</translation>
    </message>
    <message>
        <source>Master kill!</source>
        <translation>Meesterkill!</translation>
    </message>
    <message>
        <source>Ultra sadistic kill!</source>
        <extracomment>Five Victims hit with the five bombs of one turn.</extracomment>
        <translation>Ultrasadistische kill!</translation>
    </message>
    <message>
        <source>Endless game</source>
        <translation>Eindeloos spel</translation>
    </message>
    <message numerus="yes">
        <source>%n killed Victims</source>
        <extracomment>A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.</extracomment>
        <translation>
            <numerusform>%n dood Slachtoffer</numerusform>
            <numerusform>%n dode Slachtoffers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dead Victims</source>
        <translation>
            <numerusform>%n dood Slachtoffer</numerusform>
            <numerusform>%n dode Slachtoffers</numerusform>
        </translation>
    </message>
    <message>
        <source>game type</source>
        <extracomment>The game-type label before any game is started.</extracomment>
        <translation>spelvorm</translation>
    </message>
    <message numerus="yes">
        <source>Congratulation! You won! Your Money after killing %n Victims is $%1!</source>
        <extracomment>%n is 100 or 200, %1 the money held at the end (may be negative).</extracomment>
        <translation>
            <numerusform>Gefeliciteerd! Je hebt gewonnen! Na %n gedood Slachtoffer heb je $%1!</numerusform>
            <numerusform>Gefeliciteerd! Je hebt gewonnen! Na %n gedode Slachtoffers heb je $%1!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Victims Bombed! %n hits, %1 miss -- %2</source>
        <extracomment>The status bar after a turn: %n cells hit of five, %1 missed (5 - %n), %2 the turn&apos;s gain or loss (&quot;+$222&quot;, &quot;-$100&quot;).</extracomment>
        <translation>
            <numerusform>Slachtoffers gebombardeerd! %n treffer, %1 mis -- %2</numerusform>
            <numerusform>Slachtoffers gebombardeerd! %n treffers, %1 mis -- %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No marks left, ready to bomb</source>
        <translation>Geen markeringen meer, klaar om te bombarderen</translation>
    </message>
    <message>
        <source>1 mark left</source>
        <extracomment>Spoken after a mark: one mark still to make.</extracomment>
        <translation>Nog 1 markering</translation>
    </message>
    <message numerus="yes">
        <source>%n marks left</source>
        <extracomment>Spoken after a mark; %n is 2 to 5 (one mark left has its own text).</extracomment>
        <translation>
            <numerusform>Nog %n markering</numerusform>
            <numerusform>Nog %n markeringen</numerusform>
        </translation>
    </message>
    <message>
        <source>Player &quot;%1&quot;</source>
        <extracomment>The player&apos;s name as the settings hold it, in quotes.</extracomment>
        <translation>Speler ‘%1’</translation>
    </message>
    <message>
        <source>The statistics could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>De statistieken konden niet worden opgeslagen.
%1</translation>
    </message>
    <message>
        <source>Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team</source>
        <translation>Quorvex v1.3 TESTVERSIE 3 - een spel van het Quorvex-team</translation>
    </message>
    <message>
        <source>Quorvex start picture</source>
        <translation>Startafbeelding van Quorvex</translation>
    </message>
    <message>
        <source>Quorvex v1.3</source>
        <translation>Quorvex v1.3</translation>
    </message>
    <message>
        <source>PRE-RELEASE 3</source>
        <translation>TESTVERSIE 3</translation>
    </message>
    <message>
        <source>written by the Quorvex team</source>
        <translation>geschreven door het Quorvex-team</translation>
    </message>
    <message>
        <source>Found a fault? Report it in the project&apos;s issue tracker.</source>
        <translation>Een fout gevonden? Meld hem in de issuetracker van het project.</translation>
    </message>
    <message>
        <source>Money: $</source>
        <translation>Geld: $</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Slachtoffers</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Draken</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Bombarderen </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Geraakte Slachtoffers:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Geraakte Draken:</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Herladen</translation>
    </message>
    <message>
        <source>Gain per Victim:</source>
        <translation>Winst per Slachtoffer:</translation>
    </message>
    <message>
        <source>Loss per Dragon:</source>
        <translation>Verlies per Draak:</translation>
    </message>
    <message>
        <source>Total gain / loss:</source>
        <translation>Winst / verlies:</translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation>Raak:</translation>
    </message>
    <message>
        <source>Miss:</source>
        <translation>Mis:</translation>
    </message>
    <message>
        <source>Money:</source>
        <extracomment>The money figure as a screen reader names it.</extracomment>
        <translation>Geld:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Singleplayer</source>
        <translation>Eén speler</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spel laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>Delete savegame</source>
        <translation>Opgeslagen spel verwijderen</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation>Multiplayer</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Spel hosten</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Deelnemen aan spel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>%1 (german)</source>
        <extracomment>%1 is the web site&apos;s name; the site is in German only.</extracomment>
        <translation>%1 (Duits)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Over...</translation>
    </message>
    <message>
        <source>Your settings, statistics and savegames cannot be kept.
%1</source>
        <translation>Je instellingen, statistieken en opgeslagen spellen kunnen niet worden bewaard.
%1</translation>
    </message>
    <message>
        <source>Save game [ $%1 ]</source>
        <extracomment>The menu entry with the price the next save costs.</extracomment>
        <translation>Spel opslaan [ $%1 ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <translation>Geraakte Slachtoffers: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <translation>Geraakte Draken: %1</translation>
    </message>
    <message>
        <source>New game: %1</source>
        <translation>Nieuw spel: %1</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
</context>
<context>
    <name>quorvex::THelp</name>
    <message>
        <source>Loading help.txt, please wait...</source>
        <translation>help.txt wordt geladen, even geduld...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Helptekst</translation>
    </message>
    <message>
        <source>close</source>
        <translation>sluiten</translation>
    </message>
    <message>
        <source>Could not load help.txt!
Please obtain an original copy of Quorvex_v13.zip,
or unpack the zip-file with all included files.</source>
        <extracomment>Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.</extracomment>
        <translation>Kon help.txt niet laden!
Haal een originele kopie van Quorvex_v13.zip,
of pak het zip-bestand uit met alle bestanden erin.</translation>
    </message>
    <message>
        <source>help.txt is there but could not be read:
%1
Please check that you may read the file.</source>
        <extracomment>%1 is the system&apos;s cause, on a line of its own; help.txt is the file&apos;s name.</extracomment>
        <translation>help.txt is er wel, maar kon niet worden gelezen:
%1
Controleer of je het bestand mag lezen.</translation>
    </message>
</context>
<context>
    <name>quorvex::TLadenMenu</name>
    <message>
        <source>Could not load from file &quot;%1&quot;.\nFile not found.</source>
        <extracomment>%1 is the slot&apos;s file name without &quot;.save&quot; (Slot1); the \n is shown as it is, two characters.</extracomment>
        <translation>Kon niet laden uit bestand ‘%1’.\nBestand niet gevonden.</translation>
    </message>
</context>
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Nickname</source>
        <translation>Bijnaam</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Logboek</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chatbericht</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Versturen</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Bombarderen </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <extracomment>The bomb button: the game&apos;s name as a battle cry.</extracomment>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Geraakte Slachtoffers:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Geraakte Draken:</translation>
    </message>
    <message>
        <source>[ result ]</source>
        <extracomment>A result label before any bombing.</extracomment>
        <translation>[ uitslag ]</translation>
    </message>
    <message>
        <source>.... idle ...</source>
        <extracomment>The status panel before a game.</extracomment>
        <translation>.... wachten ...</translation>
    </message>
    <message>
        <source> Set here </source>
        <translation> Hier plaatsen </translation>
    </message>
    <message>
        <source>1st click: place Victim</source>
        <translation>1e klik: Slachtoffer</translation>
    </message>
    <message>
        <source>2nd click: place Dragon</source>
        <translation>2e klik: Draak</translation>
    </message>
    <message>
        <source>3rd click: place nothing</source>
        <translation>3e klik: leeg vakje</translation>
    </message>
    <message>
        <source>Victims left:</source>
        <translation>Slachtoffers:</translation>
    </message>
    <message>
        <source>Dragons left:</source>
        <translation>Draken:</translation>
    </message>
    <message>
        <source>Send battlefield</source>
        <translation>Slagveld versturen</translation>
    </message>
    <message>
        <source>Battlefield result %1</source>
        <extracomment>The result labels&apos; names for a screen reader; %1 is the result they show.</extracomment>
        <translation>Uitslag slagveld %1</translation>
    </message>
    <message>
        <source>Bomb result %1</source>
        <translation>Uitslag bombardement %1</translation>
    </message>
    <message>
        <source>conn. w/ &quot;%1&quot;</source>
        <extracomment>The connection with the player %1 is up.</extracomment>
        <translation>verb. m. ‘%1’</translation>
    </message>
    <message>
        <source>[game] All positions send!</source>
        <extracomment>&quot;[game]&quot; marks the game&apos;s own notes in the log.</extracomment>
        <translation>[spel] Alle posities verstuurd!</translation>
    </message>
    <message>
        <source>[game] All positions received!</source>
        <translation>[spel] Alle posities ontvangen!</translation>
    </message>
    <message>
        <source>[game] new game started</source>
        <extracomment>The host started the next game.</extracomment>
        <translation>[spel] nieuw spel gestart</translation>
    </message>
    <message>
        <source>[game] new game started!</source>
        <extracomment>This player, the host, started the next game.</extracomment>
        <translation>[spel] nieuw spel gestart!</translation>
    </message>
    <message>
        <source>[game] Invalid position ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[spel] Ongeldige positie genegeerd: %1</translation>
    </message>
    <message>
        <source>[game] Extra Victim ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[spel] Extra Slachtoffer genegeerd: %1</translation>
    </message>
    <message>
        <source>[game] Extra Dragon ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[spel] Extra Draak genegeerd: %1</translation>
    </message>
    <message>
        <source>[game] Over-long line ignored.</source>
        <translation>[spel] Te lange regel genegeerd.</translation>
    </message>
    <message>
        <source>[game] %1 won!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[spel] %1 heeft gewonnen!</translation>
    </message>
    <message>
        <source>[game] %1 lost!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[spel] %1 heeft verloren!</translation>
    </message>
    <message>
        <source>[game] %1 bombed a draw!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[spel] %1 bombardeerde een gelijkspel!</translation>
    </message>
    <message>
        <source>[game] Game resumed.</source>
        <extracomment>The same two players met again after a lost line and go on with their game.</extracomment>
        <translation>[spel] Spel hervat.</translation>
    </message>
    <message>
        <source>sending positions...</source>
        <translation>posities versturen...</translation>
    </message>
    <message>
        <source>receiving positions...</source>
        <translation>posities ontvangen...</translation>
    </message>
    <message>
        <source>please bomb now</source>
        <translation>bombardeer nu</translation>
    </message>
    <message>
        <source>awaiting positions...</source>
        <translation>wachten op posities...</translation>
    </message>
    <message>
        <source>please set up your battlefield</source>
        <translation>stel je slagveld op</translation>
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
        <translation>[ Gelijkspel ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Victims this bombing hit.</extracomment>
        <translation>Geraakte Slachtoffers: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Dragons this bombing hit.</extracomment>
        <translation>Geraakte Draken: %1</translation>
    </message>
    <message>
        <source>1 Victim</source>
        <extracomment>A count inside a sentence (&quot;1 Victim and 2 Dragons hit&quot;).</extracomment>
        <translation>1 Slachtoffer</translation>
    </message>
    <message numerus="yes">
        <source>%n Victims</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Slachtoffer</numerusform>
            <numerusform>%n Slachtoffers</numerusform>
        </translation>
    </message>
    <message>
        <source>1 Dragon</source>
        <extracomment>A count inside a sentence (&quot;2 Victims and 1 Dragon hit&quot;).</extracomment>
        <translation>1 Draak</translation>
    </message>
    <message numerus="yes">
        <source>%n Dragons</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Draak</numerusform>
            <numerusform>%n Draken</numerusform>
        </translation>
    </message>
    <message>
        <source>Bomb result: You won, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Bomresultaat: je hebt gewonnen, %1 en %2 geraakt</translation>
    </message>
    <message>
        <source>Bomb result: You lost, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Bomresultaat: je hebt verloren, %1 en %2 geraakt</translation>
    </message>
    <message>
        <source>Bomb result: Draw, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Bomresultaat: gelijkspel, %1 en %2 geraakt</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and won.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 heeft je slagveld gebombardeerd en gewonnen.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and lost.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 heeft je slagveld gebombardeerd en verloren.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield to a draw.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 heeft je slagveld gebombardeerd: gelijkspel.</translation>
    </message>
    <message>
        <source>All figures placed, ready to send</source>
        <extracomment>Spoken once all five Victims and five Dragons stand on the own battlefield.</extracomment>
        <translation>Alle figuren geplaatst, klaar om te versturen</translation>
    </message>
    <message>
        <source>%1 and %2 left to place</source>
        <extracomment>Spoken after a figure is placed; %1 the Victims still to place (&quot;4 Victims&quot;), %2 the Dragons.</extracomment>
        <translation>Nog te plaatsen: %1 en %2</translation>
    </message>
    <message>
        <source>Connection closed gracefully.</source>
        <translation>Verbinding netjes gesloten.</translation>
    </message>
    <message>
        <source>Connection reset by peer.</source>
        <translation>Verbinding verbroken door de andere kant.</translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation>Niet verbonden.</translation>
    </message>
    <message>
        <source>Max line length exceeded.</source>
        <translation>Maximale regellengte overschreden.</translation>
    </message>
    <message>
        <source>Connect timed out.</source>
        <translation>Time-out bij het verbinden.</translation>
    </message>
    <message>
        <source>Connect cancelled.</source>
        <translation>Verbinden geannuleerd.</translation>
    </message>
    <message>
        <source>Already connected.</source>
        <translation>Al verbonden.</translation>
    </message>
    <message>
        <source>Terminate thread timeout.</source>
        <extracomment>Stopping the server waited too long for the connection to end.</extracomment>
        <translation>De verbinding eindigde niet op tijd.</translation>
    </message>
    <message>
        <source>Connection lost: the peer stopped answering.</source>
        <translation>Verbinding verloren: de andere kant antwoordt niet meer.</translation>
    </message>
    <message>
        <source>Connection closed: the peer stopped taking data.</source>
        <translation>Verbinding gesloten: de andere kant neemt geen gegevens meer aan.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Onbekende fout.</translation>
    </message>
    <message>
        <source>Cannot send a line that holds a line break.</source>
        <translation>Een regel met een regeleinde kan niet worden verstuurd.</translation>
    </message>
    <message>
        <source>No nickname received in time.</source>
        <extracomment>The other player&apos;s game did not send its player name in time.</extracomment>
        <translation>Geen bijnaam op tijd ontvangen.</translation>
    </message>
    <message>
        <source>Could not create an event: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Kon geen gebeurtenis aanmaken: %1.</translation>
    </message>
    <message>
        <source>Could not create socket: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Kon geen socket aanmaken: %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Kon geen pipe aanmaken: %1.</translation>
    </message>
    <message>
        <source>Could not send: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Versturen mislukt: %1.</translation>
    </message>
    <message>
        <source>Could not wait for data: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Wachten op gegevens mislukt: %1.</translation>
    </message>
    <message>
        <source>Could not receive: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Ontvangen mislukt: %1.</translation>
    </message>
    <message>
        <source>Could not wait for connections: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Wachten op verbindingen mislukt: %1.</translation>
    </message>
    <message>
        <source>Could not accept a connection: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Kon geen verbinding aannemen: %1.</translation>
    </message>
    <message>
        <source>Could not read the bound port: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Kon de gebonden poort niet lezen: %1.</translation>
    </message>
    <message>
        <source>Could not bind socket to port %1: %2.</source>
        <extracomment>%1 is the port, %2 the system&apos;s reason.</extracomment>
        <translation>Kon de socket niet aan poort %1 binden: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1:%2: %3.</source>
        <extracomment>%1 is the host, %2 the port, %3 the system&apos;s reason.</extracomment>
        <translation>Kon niet verbinden met %1:%2: %3.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: no address.</source>
        <extracomment>%1 is the host&apos;s name as typed; it has no address.</extracomment>
        <translation>Kon host ‘%1’ niet opzoeken: geen adres.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the host&apos;s name as typed, %2 the system&apos;s reason.</extracomment>
        <translation>Kon host ‘%1’ niet opzoeken: %2.</translation>
    </message>
    <message>
        <source>Invalid port %1.</source>
        <extracomment>%1 is the port number that cannot be used.</extracomment>
        <translation>Ongeldige poort %1.</translation>
    </message>
</context>
<context>
    <name>quorvex::TRecords</name>
    <message>
        <source>Your name for the new record</source>
        <translation>Je naam voor het nieuwe record</translation>
    </message>
    <message>
        <source>New record: place %1, $%2</source>
        <extracomment>A new row in a records table as a screen reader tells it; %1 is the place (1 to 10), %2 the money.</extracomment>
        <translation>Nieuw record: plaats %1, $%2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>100 Victims</source>
        <extracomment>The tabs of the records window, one per game mode.</extracomment>
        <translation>100 Slachtoffers</translation>
    </message>
    <message>
        <source>200 Victims</source>
        <translation>200 Slachtoffers</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Eindeloos</translation>
    </message>
    <message>
        <source> Over every run </source>
        <translation> Over alle sessies </translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Beurten</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Draken</translation>
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
        <translation>Eindeloze spellen begonnen:</translation>
    </message>
    <message>
        <source>Games of 100 started:</source>
        <translation>Spellen van 100 begonnen:</translation>
    </message>
    <message>
        <source>Games of 100 won:</source>
        <translation>Spellen van 100 gewonnen:</translation>
    </message>
    <message>
        <source>Games of 200 started:</source>
        <translation>Spellen van 200 begonnen:</translation>
    </message>
    <message>
        <source>Games of 200 won:</source>
        <translation>Spellen van 200 gewonnen:</translation>
    </message>
    <message>
        <source>Turns:</source>
        <translation>Beurten:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Gedode Slachtoffers:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Gedode Draken:</translation>
    </message>
    <message>
        <source>Best kill streak:</source>
        <translation>Beste killreeks:</translation>
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
        <translation>Het recordbestand was beschadigd. Het is bewaard als &quot;%1&quot; en er wordt een nieuw begonnen.</translation>
    </message>
    <message>
        <source>The records file was not made by this version of the game. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the unknown file now has.</extracomment>
        <translation>Het recordbestand is niet door deze versie van het spel gemaakt. Het is bewaard als &quot;%1&quot; en er wordt een nieuw begonnen.</translation>
    </message>
    <message>
        <source>The records could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>De records konden niet worden opgeslagen.
%1</translation>
    </message>
    <message>
        <source>Clear every record and the figures over every run?</source>
        <translation>Alle records en de cijfers over alle sessies wissen?</translation>
    </message>
</context>
<context>
    <name>quorvex::TSetup</name>
    <message>
        <source>Please enter your name for singleplayer games</source>
        <translation>Vul je naam in voor spellen met één speler</translation>
    </message>
    <message>
        <source>Please enter your name for multiplayer games</source>
        <translation>Vul je naam in voor multiplayerspellen</translation>
    </message>
    <message>
        <source>Please enter your servername for multiplayer games</source>
        <translation>Vul je servernaam in voor multiplayerspellen</translation>
    </message>
    <message>
        <source>Config of sadism</source>
        <translation>Instellingen van het sadisme</translation>
    </message>
    <message>
        <source>Name - Singleplayer</source>
        <translation>Naam - Eén speler</translation>
    </message>
    <message>
        <source>Name - Multiplayer</source>
        <translation>Naam - Multiplayer</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Servernaam</translation>
    </message>
    <message>
        <source>show splash-screen</source>
        <translation>opstartscherm tonen</translation>
    </message>
    <message>
        <source>fade effect</source>
        <translation>vervaging</translation>
    </message>
    <message>
        <source>close</source>
        <translation>sluiten</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>terug</translation>
    </message>
    <message>
        <source>default</source>
        <translation>herstel</translation>
    </message>
    <message>
        <source>restore defaults?</source>
        <translation>standaardwaarden terugzetten?</translation>
    </message>
    <message>
        <source>The settings could not be saved to setup.ini.
%1
They stay in effect until the program ends.</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own; setup.ini is the file&apos;s name.</extracomment>
        <translation>De instellingen konden niet in setup.ini worden opgeslagen.
%1
Ze blijven gelden tot het programma stopt.</translation>
    </message>
</context>
<context>
    <name>quorvex::TSlotDialog</name>
    <message>
        <source>No data present</source>
        <translation>Geen gegevens</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, %2, $%3, Victims %4, Dragons %5</source>
        <extracomment>What a slot holds, told by its buttons: name, game type, money, the two counters.</extracomment>
        <translation>‘%1’, %2, $%3, Slachtoffers %4, Draken %5</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Opslagplek %1</translation>
    </message>
    <message>
        <source>type</source>
        <translation>spelvorm</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Slachtoffers</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Draken</translation>
    </message>
    <message>
        <source>close</source>
        <translation>sluiten</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>save</source>
        <translation>opslaan</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spel laden</translation>
    </message>
    <message>
        <source>load</source>
        <translation>laden</translation>
    </message>
    <message>
        <source>Manage savegames</source>
        <translation>Opgeslagen spellen beheren</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>verwijderen</translation>
    </message>
</context>
<context>
    <name>quorvex::TSpeicherMenu</name>
    <message>
        <source>current price for saving: $</source>
        <translation>huidige prijs voor opslaan: $</translation>
    </message>
    <message>
        <source>overwrite</source>
        <translation>overschrijven</translation>
    </message>
    <message>
        <source>Savegame already exists. Overwrite?</source>
        <translation>Er is al een opgeslagen spel. Overschrijven?</translation>
    </message>
    <message>
        <source>Saved to slot %1 for $%2</source>
        <translation>Opgeslagen op opslagplek %1 voor $%2</translation>
    </message>
</context>
<context>
    <name>quorvex::TSplashScr</name>
    <message>
        <source>Quorvex logo</source>
        <translation>Quorvex-logo</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_client</name>
    <message>
        <source>[ Client ]  Quorvex Multiplayer - Beta1</source>
        <translation>[ Deelnemen ]  Quorvex Multiplayer - Beta1</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradres</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>verbinden</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>verbreken</translation>
    </message>
    <message>
        <source>Could not connect to %1</source>
        <extracomment>%1 is the address the player typed.</extracomment>
        <translation>Kon geen verbinding maken met %1</translation>
    </message>
    <message>
        <source>disconnected!</source>
        <translation>verbinding verbroken!</translation>
    </message>
    <message>
        <source>Can not close while client is active!</source>
        <translation>Kan niet sluiten zolang de verbinding actief is!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_host</name>
    <message>
        <source>[ Host ] Quorvex Multiplayer - Beta1</source>
        <translation>[ Host ] Quorvex Multiplayer - Beta1</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Servernaam</translation>
    </message>
    <message>
        <source>Start server</source>
        <translation>Server starten</translation>
    </message>
    <message>
        <source>Stop server</source>
        <translation>Server stoppen</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link gekopieerd</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Opnieuw spelen</translation>
    </message>
    <message>
        <source>Client lost</source>
        <translation>Tegenstander weg</translation>
    </message>
    <message>
        <source>Can not close while server is active!</source>
        <translation>Kan niet sluiten zolang de server actief is!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tstat</name>
    <message>
        <source>Game statistic</source>
        <translation>Spelstatistieken</translation>
    </message>
    <message>
        <source>Double kills:</source>
        <translation>Dubbele kills:</translation>
    </message>
    <message>
        <source>Triple kills:</source>
        <translation>Driedubbele kills:</translation>
    </message>
    <message>
        <source>Master kills:</source>
        <translation>Meesterkills:</translation>
    </message>
    <message>
        <source>Ultra kills:</source>
        <translation>Ultrakills:</translation>
    </message>
    <message>
        <source># of games:</source>
        <translation>Aantal spellen:</translation>
    </message>
    <message>
        <source>Total hits:</source>
        <translation>Treffers totaal:</translation>
    </message>
    <message>
        <source>Total misses:</source>
        <translation>Missers totaal:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Dode Slachtoffers:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Dode Draken:</translation>
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
            <numerusform>%n nieuwe regel</numerusform>
            <numerusform>%n nieuwe regels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qx::PictureCell</name>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <extracomment>A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.</extracomment>
        <translation>Vakje %1, rij %2, kolom %3</translation>
    </message>
</context>
</TS>
