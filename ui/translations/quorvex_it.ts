<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
</context>
</TS>
