<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Access</name>
    <message>
        <source>%1, not checked</source>
        <extracomment>A menu entry that is switched off, as a screen reader reads it; %1 is the entry.</extracomment>
        <translation>%1, non selezionato</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 in the folder the game is started in</source>
        <translation>%1 nella cartella da cui si avvia il gioco</translation>
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
        <translation>Uso: quorvex [LINK]
     quorvex --help | --version

Avvia il gioco Quorvex: una griglia di 5 per 5, per un giocatore o per due
in rete (porta TCP 9999).

  LINK           quorvex://HOST o quorvex://HOST:PORTA, un indirizzo IPv6 tra
                 parentesi quadre (quorvex://[2001:db8::5]): apre la finestra
                 per partecipare con quell&apos;indirizzo già inserito. Una partita
                 già in corso riceve il link al suo posto.
  -h, --help     mostra questo aiuto ed esce
  --version      mostra la versione ed esce

</translation>
    </message>
    <message>
        <source>Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and
Slot1.save to Slot3.save (savegames) in %1
</source>
        <translation>File: setup.ini (impostazioni), Quorvex.stat (statistiche dell&apos;ultima
sessione) e da Slot1.save a Slot3.save (salvataggi) in %1
</translation>
    </message>
    <message>
        <source>Help text: %1
</source>
        <translation>Testo di aiuto: %1
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>only one game link, please</source>
        <translation>un solo link di partita, per favore</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).</source>
        <extracomment>%1 is the link as given; HOST and PORT stand for a computer&apos;s name and a port number.</extracomment>
        <translation>«%1» non è un link di partita Quorvex (quorvex://HOST o quorvex://HOST:PORTA).</translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>Bestätigung</source>
        <extracomment>The confirmation box&apos;s caption. Stays German in English; give your language&apos;s word.</extracomment>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <extracomment>The confirmation box&apos;s yes button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <extracomment>The confirmation box&apos;s no button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No web browser could be started for %1
Please open the address in a browser yourself.</source>
        <translation>Non è stato possibile avviare un browser web per %1
Apri tu l’indirizzo in un browser, per favore.</translation>
    </message>
</context>
<context>
    <name>FieldPictures</name>
    <message>
        <source>marked</source>
        <translation>segnata</translation>
    </message>
    <message>
        <source>Victim</source>
        <translation>Vittima</translation>
    </message>
    <message>
        <source>Victim hit</source>
        <translation>Vittima colpita</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drago</translation>
    </message>
    <message>
        <source>Dragon hit</source>
        <translation>Drago colpito</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>unmarked</source>
        <translation>non segnata</translation>
    </message>
    <message>
        <source>marked, empty</source>
        <translation>segnata, vuota</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Close the open window first, then open the game link again.</source>
        <translation>Chiudi prima la finestra aperta, poi apri di nuovo il link di partita.</translation>
    </message>
    <message>
        <source>Disconnect first, then open the game link again.</source>
        <translation>Disconnettiti prima, poi apri di nuovo il link di partita.</translation>
    </message>
</context>
<context>
    <name>GameLinks</name>
    <message>
        <source>Copy link %1</source>
        <extracomment>A context menu&apos;s entry; %1 is a link such as quorvex://192.0.2.7.</extracomment>
        <translation>Copia link %1</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link copiato</translation>
    </message>
    <message>
        <source>Quorvex: game links cannot be taken at %1</source>
        <extracomment>On the terminal; %1 is a path and why a socket cannot listen there.</extracomment>
        <translation>Quorvex: impossibile ricevere link di partita in %1</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>HostLog</name>
    <message>
        <source>Server active</source>
        <translation>Server attivo</translation>
    </message>
    <message>
        <source>Server closed</source>
        <translation>Server chiuso</translation>
    </message>
    <message>
        <source>Server not listening, game no longer announced</source>
        <translation>Il server non è in ascolto, la partita non è più annunciata</translation>
    </message>
    <message>
        <source>Router: port %1 open and for IPv6</source>
        <translation>Router: porta %1 aperta, anche per IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open</source>
        <translation>Router: porta %1 aperta</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2 and for IPv6</source>
        <extracomment>%1 is the port, %2 the router&apos;s address on the internet.</extracomment>
        <translation>Router: porta %1 aperta su %2, anche per IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2</source>
        <translation>Router: porta %1 aperta su %2</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6</source>
        <translation>Router: porta %1 aperta per IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6, not for IPv4 (%2)</source>
        <extracomment>%1 is the port, %2 why the router refused the port for IPv4.</extracomment>
        <translation>Router: porta %1 aperta per IPv6, non per IPv4 (%2)</translation>
    </message>
    <message>
        <source>Game announced as %1</source>
        <extracomment>The name was taken on the local network; %1 is the name the game got instead.</extracomment>
        <translation>Partita annunciata come %1</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (not the default gateway)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Router: risposta da %1 ignorata (non è il gateway predefinito)</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (its description is at another address)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Router: risposta da %1 ignorata (la sua descrizione è a un altro indirizzo)</translation>
    </message>
    <message>
        <source>Router: no port opened (%1)</source>
        <extracomment>%1 is why the router opened nothing.</extracomment>
        <translation>Router: nessuna porta aperta (%1)</translation>
    </message>
    <message>
        <source>Router: port %1 closed</source>
        <translation>Router: porta %1 chiusa</translation>
    </message>
    <message>
        <source>Router: port %1 not closed (%2)</source>
        <extracomment>%1 is the port, %2 why the router kept it open.</extracomment>
        <translation>Router: porta %1 non chiusa (%2)</translation>
    </message>
    <message>
        <source>the router did not answer in time</source>
        <translation>il router non ha risposto in tempo</translation>
    </message>
    <message>
        <source>no router answered</source>
        <translation>nessun router ha risposto</translation>
    </message>
    <message>
        <source>no answer from the default gateway</source>
        <extracomment>Answers came only from machines other than the default gateway.</extracomment>
        <translation>nessuna risposta dal gateway predefinito</translation>
    </message>
    <message>
        <source>the router could not be asked (%1)</source>
        <extracomment>%1 is the system&apos;s message naming the library that could not be loaded.</extracomment>
        <translation>non è stato possibile interpellare il router (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s description could not be read</source>
        <translation>non è stato possibile leggere la descrizione del router</translation>
    </message>
    <message>
        <source>the router&apos;s description names another address for its port mapping</source>
        <translation>la descrizione del router indica un altro indirizzo per l’inoltro delle porte</translation>
    </message>
    <message>
        <source>the router offers no port mapping</source>
        <translation>il router non offre l’inoltro delle porte</translation>
    </message>
    <message>
        <source>the router is not connected to the internet</source>
        <translation>il router non è connesso a internet</translation>
    </message>
    <message>
        <source>the router refused port %1: it is in use</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>il router ha rifiutato la porta %1: è già in uso</translation>
    </message>
    <message>
        <source>the router refused port %1: not allowed</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>il router ha rifiutato la porta %1: non consentito</translation>
    </message>
    <message>
        <source>the router refused port %1: it has no free mappings</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>il router ha rifiutato la porta %1: non ha inoltri liberi</translation>
    </message>
    <message>
        <source>the router refused port %1 (UPnP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>il router ha rifiutato la porta %1 (errore UPnP %2)</translation>
    </message>
    <message>
        <source>the router refused port %1 (NAT-PMP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>il router ha rifiutato la porta %1 (errore NAT-PMP %2)</translation>
    </message>
    <message>
        <source>the router refused it (UPnP error %1)</source>
        <extracomment>The router kept the port open; %1 is its error number.</extracomment>
        <translation>il router ha rifiutato (errore UPnP %1)</translation>
    </message>
</context>
<context>
    <name>LocalGames</name>
    <message>
        <source>Quorvex: no games on the local network: %1</source>
        <extracomment>On the terminal; %1 is why (a missing library, for one).</extracomment>
        <translation>Quorvex: nessuna partita sulla rete locale: %1</translation>
    </message>
    <message>
        <source>Address filled in: %1</source>
        <extracomment>Spoken once a game is chosen from the local network&apos;s list; %1 is its address.</extracomment>
        <translation>Indirizzo inserito: %1</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Ready to bomb!!!</source>
        <translation>Pronto a bombardare!!!</translation>
    </message>
    <message>
        <source>Only 5 fields max!</source>
        <translation>Al massimo 5 caselle!</translation>
    </message>
    <message numerus="yes">
        <source>%n fields left</source>
        <extracomment>The cells still to mark before the five bombs can be dropped.</extracomment>
        <translation>
            <numerusform>Manca %n casella</numerusform>
            <numerusform>Mancano %n caselle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouterConsent</name>
    <message>
        <source>Ask the router to open the port</source>
        <translation>Chiedi al router di aprire la porta</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutBox</name>
    <message>
        <source>Quorvex v1.3 - made by the Quorvex team</source>
        <translation>Quorvex v1.3 - fatto dal team di Quorvex</translation>
    </message>
    <message>
        <source>Write to us: quorvex.example.org</source>
        <translation>Scrivici: quorvex.example.org</translation>
    </message>
    <message>
        <source>Idea: the Victim-bombing web game of Zentrafell</source>
        <translation>Idea: il gioco web di Zentrafell in cui si bombardano Vittime</translation>
    </message>
    <message>
        <source>and the grid game of the group&apos;s founder</source>
        <translation>e il gioco a griglia del fondatore del gruppo</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Un grazie speciale a:</translation>
    </message>
    <message>
        <source>Victim No. 1 - for testing every pre-release</source>
        <translation>Vittima n. 1 - per aver provato ogni pre-release</translation>
    </message>
    <message>
        <source>the Dragon keeper - for the pictures</source>
        <translation>il custode dei Draghi - per le immagini</translation>
    </message>
    <message>
        <source>the net wizard - for the two-player game</source>
        <translation>il mago della rete - per il gioco in due</translation>
    </message>
    <message>
        <source>the proof reader - for help.txt</source>
        <translation>il correttore di bozze - per help.txt</translation>
    </message>
    <message>
        <source>the bug hunter - for every fault reported</source>
        <translation>il cacciatore di bug - per ogni errore segnalato</translation>
    </message>
    <message>
        <source>the Quorvex forum at quorvex.example.org</source>
        <translation>il forum di Quorvex su quorvex.example.org</translation>
    </message>
    <message>
        <source>and the whole Zentrafell community</source>
        <translation>e tutta la comunità di Zentrafell</translation>
    </message>
    <message>
        <source>Thx to UPX for ~250Kb instead of ~800Kb .exe-size</source>
        <translation>Grazie a UPX per un .exe di ~250Kb invece di ~800Kb</translation>
    </message>
    <message>
        <source>UPX, the executable packer: upx.github.io</source>
        <translation>UPX, il compressore di eseguibili: upx.github.io</translation>
    </message>
    <message>
        <source>&quot;No Victim is safe.&quot;</source>
        <translation>«Nessuna Vittima è al sicuro.»</translation>
    </message>
    <message>
        <source>Quorvex (C) the Quorvex team - free to play and share</source>
        <translation>Quorvex (C) il team di Quorvex - libero da giocare e condividere</translation>
    </message>
    <message>
        <source>Zentrafell web game (C) Zentrafell</source>
        <translation>Gioco web Zentrafell (C) Zentrafell</translation>
    </message>
    <message>
        <source>Grid game (C) the founder of Zentrafell</source>
        <translation>Gioco a griglia (C) il fondatore di Zentrafell</translation>
    </message>
    <message>
        <source>Zentrafell site</source>
        <translation>Zentrafell</translation>
    </message>
    <message>
        <source>Quorvex site (german)</source>
        <extracomment>The site is in German only.</extracomment>
        <translation>Quorvex (in tedesco)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>Quorvex logo</source>
        <translation>Logo di Quorvex</translation>
    </message>
    <message>
        <source>close</source>
        <translation>chiudi</translation>
    </message>
</context>
<context>
    <name>quorvex::TDelMenu</name>
    <message>
        <source>Delete savegame in %1?</source>
        <translation>Eliminare il salvataggio in %1?</translation>
    </message>
    <message>
        <source>Could not delete file &quot;%1.save&quot;. File not found or write protected</source>
        <translation>Impossibile eliminare il file «%1.save». File non trovato o protetto da scrittura</translation>
    </message>
    <message>
        <source>Savegame in %1 deleted!</source>
        <translation>Salvataggio in %1 eliminato!</translation>
    </message>
</context>
<context>
    <name>quorvex::THaupt</name>
    <message>
        <source>Double kill</source>
        <translation>Doppia uccisione</translation>
    </message>
    <message>
        <source>Triple kill!</source>
        <translation>Tripla uccisione!</translation>
    </message>
    <message>
        <source>Master kill!</source>
        <translation>Uccisione da maestro!</translation>
    </message>
    <message>
        <source>Ultra sadistic kill!</source>
        <extracomment>Five Victims hit with the five bombs of one turn.</extracomment>
        <translation>Uccisione ultra sadica!</translation>
    </message>
    <message>
        <source>Endless game</source>
        <translation>Partita infinita</translation>
    </message>
    <message numerus="yes">
        <source>%n killed Victims</source>
        <extracomment>A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.</extracomment>
        <translation>
            <numerusform>%n Vittima uccisa</numerusform>
            <numerusform>%n Vittime uccise</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dead Victims</source>
        <translation>
            <numerusform>%n Vittima morta</numerusform>
            <numerusform>%n Vittime morte</numerusform>
        </translation>
    </message>
    <message>
        <source>game type</source>
        <extracomment>The game-type label before any game is started.</extracomment>
        <translation>modalità di gioco</translation>
    </message>
    <message numerus="yes">
        <source>Congratulation! You won! Your Money after killing %n Victims is $%1!</source>
        <extracomment>%n is 100 or 200, %1 the money held at the end (may be negative).</extracomment>
        <translation>
            <numerusform>Congratulazioni! Hai vinto! Il tuo denaro dopo aver ucciso %n Vittima è $%1!</numerusform>
            <numerusform>Congratulazioni! Hai vinto! Il tuo denaro dopo aver ucciso %n Vittime è $%1!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Victims Bombed! %n hits, %1 miss -- %2</source>
        <extracomment>The status bar after a turn: %n cells hit of five, %1 missed (5 - %n), %2 the turn&apos;s gain or loss (&quot;+$222&quot;, &quot;-$100&quot;).</extracomment>
        <translation>
            <numerusform>Vittime bombardate! A segno: %n, a vuoto: %1 -- %2</numerusform>
            <numerusform>Vittime bombardate! A segno: %n, a vuoto: %1 -- %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No marks left, ready to bomb</source>
        <translation>Nessun segno rimasto, pronto a bombardare</translation>
    </message>
    <message>
        <source>1 mark left</source>
        <extracomment>Spoken after a mark: one mark still to make.</extracomment>
        <translation>Manca 1 segno</translation>
    </message>
    <message numerus="yes">
        <source>%n marks left</source>
        <extracomment>Spoken after a mark; %n is 2 to 5 (one mark left has its own text).</extracomment>
        <translation>
            <numerusform>Manca %n segno</numerusform>
            <numerusform>Mancano %n segni</numerusform>
        </translation>
    </message>
    <message>
        <source>Player &quot;%1&quot;</source>
        <extracomment>The player&apos;s name as the settings hold it, in quotes.</extracomment>
        <translation>Giocatore «%1»</translation>
    </message>
    <message>
        <source>The statistics could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Non è stato possibile salvare le statistiche.
%1</translation>
    </message>
    <message>
        <source>Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team</source>
        <translation>Quorvex v1.3 PRE-RELEASE 3 - un gioco del team di Quorvex</translation>
    </message>
    <message>
        <source>Quorvex start picture</source>
        <translation>Immagine iniziale di Quorvex</translation>
    </message>
    <message>
        <source>Quorvex v1.3</source>
        <translation>Quorvex v1.3</translation>
    </message>
    <message>
        <source>PRE-RELEASE 3</source>
        <translation>PRE-RELEASE 3</translation>
    </message>
    <message>
        <source>written by the Quorvex team</source>
        <translation>scritto dal team di Quorvex</translation>
    </message>
    <message>
        <source>Found a fault? Report it in the project&apos;s issue tracker.</source>
        <translation>Hai trovato un errore? Segnalalo nel tracker delle segnalazioni del progetto.</translation>
    </message>
    <message>
        <source>Money: $</source>
        <translation>Saldo: $</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Vittime</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Draghi</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Bombarda qui </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Vittime bombardate:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Draghi bombardati:</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Gain per Victim:</source>
        <translation>Guadagno per Vittima:</translation>
    </message>
    <message>
        <source>Loss per Dragon:</source>
        <translation>Perdita per Drago:</translation>
    </message>
    <message>
        <source>Total gain / loss:</source>
        <translation>Bilancio totale:</translation>
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
        <translation>Saldo:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Singleplayer</source>
        <translation>Giocatore singolo</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Delete savegame</source>
        <translation>Elimina salvataggio</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation>Multigiocatore</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Ospita partita</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Partecipa a partita</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>%1 (german)</source>
        <extracomment>%1 is the web site&apos;s name; the site is in German only.</extracomment>
        <translation>%1 (in tedesco)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>Your settings, statistics and savegames cannot be kept.
%1</source>
        <translation>Le tue impostazioni, statistiche e salvataggi non possono essere conservati.
%1</translation>
    </message>
    <message>
        <source>Save game [ $%1 ]</source>
        <extracomment>The menu entry with the price the next save costs.</extracomment>
        <translation>Salva partita [ $%1 ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <translation>Vittime bombardate: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <translation>Draghi bombardati: %1</translation>
    </message>
    <message>
        <source>New game: %1</source>
        <translation>Nuova partita: %1</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Record</translation>
    </message>
</context>
<context>
    <name>quorvex::THelp</name>
    <message>
        <source>Loading help.txt, please wait...</source>
        <translation>Caricamento di help.txt, attendi...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Testo di aiuto</translation>
    </message>
    <message>
        <source>close</source>
        <translation>chiudi</translation>
    </message>
    <message>
        <source>Could not load help.txt!
Please obtain an original copy of Quorvex_v13.zip,
or unpack the zip-file with all included files.</source>
        <extracomment>Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.</extracomment>
        <translation>Impossibile caricare help.txt!
Procurati una copia originale di Quorvex_v13.zip,
oppure estrai il file zip con tutti i file inclusi.</translation>
    </message>
    <message>
        <source>help.txt is there but could not be read:
%1
Please check that you may read the file.</source>
        <extracomment>%1 is the system&apos;s cause, on a line of its own; help.txt is the file&apos;s name.</extracomment>
        <translation>help.txt c’è ma non è stato possibile leggerlo:
%1
Controlla di avere il permesso di leggere il file.</translation>
    </message>
</context>
<context>
    <name>quorvex::TLadenMenu</name>
    <message>
        <source>Could not load from file &quot;%1&quot;.\nFile not found.</source>
        <extracomment>%1 is the slot&apos;s file name without &quot;.save&quot; (Slot1); the \n is shown as it is, two characters.</extracomment>
        <translation>Impossibile caricare dal file «%1».\nFile non trovato.</translation>
    </message>
</context>
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Nickname</source>
        <translation>Soprannome</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Messaggio di chat</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Bombarda qui </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <extracomment>The bomb button: the game&apos;s name as a battle cry.</extracomment>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Vittime bombardate:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Draghi bombardati:</translation>
    </message>
    <message>
        <source>[ result ]</source>
        <extracomment>A result label before any bombing.</extracomment>
        <translation>[ risultato ]</translation>
    </message>
    <message>
        <source>.... idle ...</source>
        <extracomment>The status panel before a game.</extracomment>
        <translation>.... in attesa ...</translation>
    </message>
    <message>
        <source> Set here </source>
        <translation> Posiziona qui </translation>
    </message>
    <message>
        <source>1st click: place Victim</source>
        <translation>1° clic: posiziona Vittima</translation>
    </message>
    <message>
        <source>2nd click: place Dragon</source>
        <translation>2° clic: posiziona Drago</translation>
    </message>
    <message>
        <source>3rd click: place nothing</source>
        <translation>3° clic: lascia vuota</translation>
    </message>
    <message>
        <source>Victims left:</source>
        <translation>Vittime:</translation>
    </message>
    <message>
        <source>Dragons left:</source>
        <translation>Draghi:</translation>
    </message>
    <message>
        <source>Send battlefield</source>
        <translation>Invia campo di battaglia</translation>
    </message>
    <message>
        <source>Battlefield result %1</source>
        <extracomment>The result labels&apos; names for a screen reader; %1 is the result they show.</extracomment>
        <translation>Risultato del campo di battaglia %1</translation>
    </message>
    <message>
        <source>Bomb result %1</source>
        <translation>Risultato delle bombe %1</translation>
    </message>
    <message>
        <source>conn. w/ &quot;%1&quot;</source>
        <extracomment>The connection with the player %1 is up.</extracomment>
        <translation>connesso con «%1»</translation>
    </message>
    <message>
        <source>[game] All positions send!</source>
        <extracomment>&quot;[game]&quot; marks the game&apos;s own notes in the log.</extracomment>
        <translation>[gioco] Tutte le posizioni inviate!</translation>
    </message>
    <message>
        <source>[game] All positions received!</source>
        <translation>[gioco] Tutte le posizioni ricevute!</translation>
    </message>
    <message>
        <source>[game] new game started</source>
        <extracomment>The host started the next game.</extracomment>
        <translation>[gioco] nuova partita iniziata</translation>
    </message>
    <message>
        <source>[game] new game started!</source>
        <extracomment>This player, the host, started the next game.</extracomment>
        <translation>[gioco] nuova partita iniziata!</translation>
    </message>
    <message>
        <source>[game] Invalid position ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[gioco] Posizione non valida ignorata: %1</translation>
    </message>
    <message>
        <source>[game] Extra Victim ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[gioco] Vittima in più ignorata: %1</translation>
    </message>
    <message>
        <source>[game] Extra Dragon ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[gioco] Drago in più ignorato: %1</translation>
    </message>
    <message>
        <source>[game] Over-long line ignored.</source>
        <translation>[gioco] Riga troppo lunga ignorata.</translation>
    </message>
    <message>
        <source>[game] %1 won!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[gioco] %1 ha vinto!</translation>
    </message>
    <message>
        <source>[game] %1 lost!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[gioco] %1 ha perso!</translation>
    </message>
    <message>
        <source>[game] %1 bombed a draw!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[gioco] %1 ha bombardato un pareggio!</translation>
    </message>
    <message>
        <source>[game] Game resumed.</source>
        <extracomment>The same two players met again after a lost line and go on with their game.</extracomment>
        <translation>[gioco] Partita ripresa.</translation>
    </message>
    <message>
        <source>sending positions...</source>
        <translation>invio delle posizioni...</translation>
    </message>
    <message>
        <source>receiving positions...</source>
        <translation>ricezione delle posizioni...</translation>
    </message>
    <message>
        <source>please bomb now</source>
        <translation>bombarda ora</translation>
    </message>
    <message>
        <source>awaiting positions...</source>
        <translation>in attesa delle posizioni...</translation>
    </message>
    <message>
        <source>please set up your battlefield</source>
        <translation>prepara il tuo campo di battaglia</translation>
    </message>
    <message>
        <source>[ You won ]</source>
        <translation>[ Hai vinto ]</translation>
    </message>
    <message>
        <source>[ You lost ]</source>
        <translation>[ Hai perso ]</translation>
    </message>
    <message>
        <source>[ Draw ]</source>
        <translation>[ Pareggio ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Victims this bombing hit.</extracomment>
        <translation>Vittime bombardate: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Dragons this bombing hit.</extracomment>
        <translation>Draghi bombardati: %1</translation>
    </message>
    <message>
        <source>1 Victim</source>
        <extracomment>A count inside a sentence (&quot;1 Victim and 2 Dragons hit&quot;).</extracomment>
        <translation>1 Vittima</translation>
    </message>
    <message numerus="yes">
        <source>%n Victims</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Vittima</numerusform>
            <numerusform>%n Vittime</numerusform>
        </translation>
    </message>
    <message>
        <source>1 Dragon</source>
        <extracomment>A count inside a sentence (&quot;2 Victims and 1 Dragon hit&quot;).</extracomment>
        <translation>1 Drago</translation>
    </message>
    <message numerus="yes">
        <source>%n Dragons</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Drago</numerusform>
            <numerusform>%n Draghi</numerusform>
        </translation>
    </message>
    <message>
        <source>Bomb result: You won, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Risultato della bomba: hai vinto, colpiti %1 e %2</translation>
    </message>
    <message>
        <source>Bomb result: You lost, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Risultato della bomba: hai perso, colpiti %1 e %2</translation>
    </message>
    <message>
        <source>Bomb result: Draw, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Risultato della bomba: pareggio, colpiti %1 e %2</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and won.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 ha bombardato il tuo campo di battaglia e ha vinto.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and lost.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 ha bombardato il tuo campo di battaglia e ha perso.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield to a draw.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 ha bombardato il tuo campo di battaglia: pareggio.</translation>
    </message>
    <message>
        <source>All figures placed, ready to send</source>
        <extracomment>Spoken once all five Victims and five Dragons stand on the own battlefield.</extracomment>
        <translation>Tutte le figure posizionate, pronto per l’invio</translation>
    </message>
    <message>
        <source>%1 and %2 left to place</source>
        <extracomment>Spoken after a figure is placed; %1 the Victims still to place (&quot;4 Victims&quot;), %2 the Dragons.</extracomment>
        <translation>Da posizionare ancora: %1 e %2</translation>
    </message>
    <message>
        <source>Connection closed gracefully.</source>
        <translation>Connessione chiusa regolarmente.</translation>
    </message>
    <message>
        <source>Connection reset by peer.</source>
        <translation>Connessione reimpostata dall’altra parte.</translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation>Non connesso.</translation>
    </message>
    <message>
        <source>Max line length exceeded.</source>
        <translation>Lunghezza massima della riga superata.</translation>
    </message>
    <message>
        <source>Connect timed out.</source>
        <translation>Tempo di connessione scaduto.</translation>
    </message>
    <message>
        <source>Connect cancelled.</source>
        <translation>Connessione annullata.</translation>
    </message>
    <message>
        <source>Already connected.</source>
        <translation>Già connesso.</translation>
    </message>
    <message>
        <source>Terminate thread timeout.</source>
        <extracomment>Stopping the server waited too long for the connection to end.</extracomment>
        <translation>La connessione non è terminata in tempo.</translation>
    </message>
    <message>
        <source>Connection lost: the peer stopped answering.</source>
        <translation>Connessione persa: l’altra parte non risponde più.</translation>
    </message>
    <message>
        <source>Connection closed: the peer stopped taking data.</source>
        <translation>Connessione chiusa: l’altra parte non riceve più dati.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Errore sconosciuto.</translation>
    </message>
    <message>
        <source>Cannot send a line that holds a line break.</source>
        <translation>Impossibile inviare una riga che contiene un a capo.</translation>
    </message>
    <message>
        <source>No nickname received in time.</source>
        <extracomment>The other player&apos;s game did not send its player name in time.</extracomment>
        <translation>Nessun soprannome ricevuto in tempo.</translation>
    </message>
    <message>
        <source>Could not create an event: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossibile creare un evento: %1.</translation>
    </message>
    <message>
        <source>Could not create socket: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossibile creare il socket: %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossibile creare una pipe: %1.</translation>
    </message>
    <message>
        <source>Could not send: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossibile inviare: %1.</translation>
    </message>
    <message>
        <source>Could not wait for data: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossibile attendere i dati: %1.</translation>
    </message>
    <message>
        <source>Could not receive: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossibile ricevere: %1.</translation>
    </message>
    <message>
        <source>Could not wait for connections: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossibile attendere connessioni: %1.</translation>
    </message>
    <message>
        <source>Could not accept a connection: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossibile accettare una connessione: %1.</translation>
    </message>
    <message>
        <source>Could not read the bound port: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossibile leggere la porta assegnata: %1.</translation>
    </message>
    <message>
        <source>Could not bind socket to port %1: %2.</source>
        <extracomment>%1 is the port, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile associare il socket alla porta %1: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1:%2: %3.</source>
        <extracomment>%1 is the host, %2 the port, %3 the system&apos;s reason.</extracomment>
        <translation>Impossibile connettersi a %1:%2: %3.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: no address.</source>
        <extracomment>%1 is the host&apos;s name as typed; it has no address.</extracomment>
        <translation>Impossibile risolvere l’host «%1»: nessun indirizzo.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the host&apos;s name as typed, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile risolvere l’host «%1»: %2.</translation>
    </message>
    <message>
        <source>Invalid port %1.</source>
        <extracomment>%1 is the port number that cannot be used.</extracomment>
        <translation>Porta %1 non valida.</translation>
    </message>
</context>
<context>
    <name>quorvex::TRecords</name>
    <message>
        <source>Your name for the new record</source>
        <translation>Il tuo nome per il nuovo record</translation>
    </message>
    <message>
        <source>New record: place %1, $%2</source>
        <extracomment>A new row in a records table as a screen reader tells it; %1 is the place (1 to 10), %2 the money.</extracomment>
        <translation>Nuovo record: posto %1, $%2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>100 Victims</source>
        <extracomment>The tabs of the records window, one per game mode.</extracomment>
        <translation>100 Vittime</translation>
    </message>
    <message>
        <source>200 Victims</source>
        <translation>200 Vittime</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Infinita</translation>
    </message>
    <message>
        <source> Over every run </source>
        <translation> Di tutte le sessioni </translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Denaro</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Turni</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Draghi</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Caricata</translation>
    </message>
    <message>
        <source>Endless games started:</source>
        <translation>Partite infinite iniziate:</translation>
    </message>
    <message>
        <source>Games of 100 started:</source>
        <translation>Partite da 100 iniziate:</translation>
    </message>
    <message>
        <source>Games of 100 won:</source>
        <translation>Partite da 100 vinte:</translation>
    </message>
    <message>
        <source>Games of 200 started:</source>
        <translation>Partite da 200 iniziate:</translation>
    </message>
    <message>
        <source>Games of 200 won:</source>
        <translation>Partite da 200 vinte:</translation>
    </message>
    <message>
        <source>Turns:</source>
        <translation>Turni:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Vittime uccise:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Draghi uccisi:</translation>
    </message>
    <message>
        <source>Best kill streak:</source>
        <translation>Migliore serie di uccisioni:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Denaro vinto:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Denaro perso:</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks an entry of a game taken up from a savegame slot.</extracomment>
        <translation>sì</translation>
    </message>
    <message>
        <source>The records file was damaged. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the damaged file now has.</extracomment>
        <translation>Il file dei record era danneggiato. È conservato come «%1» e se ne comincia uno nuovo.</translation>
    </message>
    <message>
        <source>The records file was not made by this version of the game. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the unknown file now has.</extracomment>
        <translation>Il file dei record non è stato creato da questa versione del gioco. È conservato come «%1» e se ne comincia uno nuovo.</translation>
    </message>
    <message>
        <source>The records could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Non è stato possibile salvare i record.
%1</translation>
    </message>
    <message>
        <source>Clear every record and the figures over every run?</source>
        <translation>Svuotare tutti i record e i numeri di tutte le sessioni?</translation>
    </message>
</context>
<context>
    <name>quorvex::TSetup</name>
    <message>
        <source>Please enter your name for singleplayer games</source>
        <translation>Inserisci il tuo nome per le partite a giocatore singolo</translation>
    </message>
    <message>
        <source>Please enter your name for multiplayer games</source>
        <translation>Inserisci il tuo nome per le partite multigiocatore</translation>
    </message>
    <message>
        <source>Please enter your servername for multiplayer games</source>
        <translation>Inserisci il nome del tuo server per le partite multigiocatore</translation>
    </message>
    <message>
        <source>Config of sadism</source>
        <translation>Impostazioni del sadismo</translation>
    </message>
    <message>
        <source>Name - Singleplayer</source>
        <translation>Nome - Giocatore singolo</translation>
    </message>
    <message>
        <source>Name - Multiplayer</source>
        <translation>Nome - Multigiocatore</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Nome del server</translation>
    </message>
    <message>
        <source>show splash-screen</source>
        <translation>schermata iniziale</translation>
    </message>
    <message>
        <source>fade effect</source>
        <translation>effetto dissolvenza</translation>
    </message>
    <message>
        <source>close</source>
        <translation>chiudi</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>annulla</translation>
    </message>
    <message>
        <source>default</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>restore defaults?</source>
        <translation>ripristinare i valori predefiniti?</translation>
    </message>
    <message>
        <source>The settings could not be saved to setup.ini.
%1
They stay in effect until the program ends.</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own; setup.ini is the file&apos;s name.</extracomment>
        <translation>Non è stato possibile salvare le impostazioni in setup.ini.
%1
Restano valide fino alla chiusura del programma.</translation>
    </message>
</context>
<context>
    <name>quorvex::TSlotDialog</name>
    <message>
        <source>No data present</source>
        <translation>Nessun dato</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, %2, $%3, Victims %4, Dragons %5</source>
        <extracomment>What a slot holds, told by its buttons: name, game type, money, the two counters.</extracomment>
        <translation>«%1», %2, $%3, Vittime %4, Draghi %5</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Slot %1</translation>
    </message>
    <message>
        <source>type</source>
        <translation>modalità</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Vittime</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Draghi</translation>
    </message>
    <message>
        <source>close</source>
        <translation>chiudi</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>save</source>
        <translation>salva</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>load</source>
        <translation>carica</translation>
    </message>
    <message>
        <source>Manage savegames</source>
        <translation>Gestisci salvataggi</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>elimina</translation>
    </message>
</context>
<context>
    <name>quorvex::TSpeicherMenu</name>
    <message>
        <source>current price for saving: $</source>
        <translation>prezzo attuale del salvataggio: $</translation>
    </message>
    <message>
        <source>overwrite</source>
        <translation>sovrascrivi</translation>
    </message>
    <message>
        <source>Savegame already exists. Overwrite?</source>
        <translation>Il salvataggio esiste già. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>Saved to slot %1 for $%2</source>
        <translation>Salvato nello slot %1 per $%2</translation>
    </message>
</context>
<context>
    <name>quorvex::TSplashScr</name>
    <message>
        <source>Quorvex logo</source>
        <translation>Logo di Quorvex</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_client</name>
    <message>
        <source>[ Client ]  Quorvex Multiplayer - Beta1</source>
        <translation>[ Client ]  Quorvex Multigiocatore - Beta1</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connetti</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>disconnetti</translation>
    </message>
    <message>
        <source>Could not connect to %1</source>
        <extracomment>%1 is the address the player typed.</extracomment>
        <translation>Impossibile connettersi a %1</translation>
    </message>
    <message>
        <source>disconnected!</source>
        <translation>disconnesso!</translation>
    </message>
    <message>
        <source>Can not close while client is active!</source>
        <translation>Non puoi chiudere mentre sei connesso!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_host</name>
    <message>
        <source>[ Host ] Quorvex Multiplayer - Beta1</source>
        <translation>[ Host ] Quorvex Multigiocatore - Beta1</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Nome del server</translation>
    </message>
    <message>
        <source>Start server</source>
        <translation>Avvia server</translation>
    </message>
    <message>
        <source>Stop server</source>
        <translation>Ferma server</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link copiato</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Gioca ancora</translation>
    </message>
    <message>
        <source>Client lost</source>
        <translation>Connessione con l’avversario persa</translation>
    </message>
    <message>
        <source>Can not close while server is active!</source>
        <translation>Non puoi chiudere mentre il server è attivo!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tstat</name>
    <message>
        <source>Game statistic</source>
        <translation>Statistiche di gioco</translation>
    </message>
    <message>
        <source>Double kills:</source>
        <translation>Doppie uccisioni:</translation>
    </message>
    <message>
        <source>Triple kills:</source>
        <translation>Triple uccisioni:</translation>
    </message>
    <message>
        <source>Master kills:</source>
        <translation>Da maestro:</translation>
    </message>
    <message>
        <source>Ultra kills:</source>
        <translation>Uccisioni ultra:</translation>
    </message>
    <message>
        <source># of games:</source>
        <translation>N. di partite:</translation>
    </message>
    <message>
        <source>Total hits:</source>
        <translation>Colpi a segno totali:</translation>
    </message>
    <message>
        <source>Total misses:</source>
        <translation>Colpi a vuoto totali:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Vittime uccise:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Draghi uccisi:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Denaro vinto:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Denaro perso:</translation>
    </message>
</context>
<context>
    <name>qx::News</name>
    <message numerus="yes">
        <source>%n new lines</source>
        <extracomment>Spoken instead of a burst of more lines than are read out; %n is always more than one here.</extracomment>
        <translation>
            <numerusform>%n nuova riga</numerusform>
            <numerusform>%n nuove righe</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qx::PictureCell</name>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <extracomment>A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.</extracomment>
        <translation>Casella %1, riga %2, colonna %3</translation>
    </message>
</context>
</TS>
