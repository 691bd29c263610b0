<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 in the folder the game is started in</source>
        <translation>%1 dans le dossier où le jeu est lancé</translation>
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
        <translation>Utilisation : quorvex [LIEN]
               quorvex --help | --version

Lance le jeu Quorvex : une grille de 5 cases sur 5, pour un joueur ou pour
deux en réseau (port TCP 9999).

  LIEN           quorvex://HÔTE ou quorvex://HÔTE:PORT, une adresse IPv6 entre
                 crochets (quorvex://[2001:db8::5]) : ouvre la fenêtre pour
                 rejoindre avec cette adresse déjà remplie. Une partie déjà
                 lancée prend le lien à la place.
  -h, --help     afficher cette aide et quitter
  --version      afficher la version et quitter

</translation>
    </message>
    <message>
        <source>Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and
Slot1.save to Slot3.save (savegames) in %1
</source>
        <translation>Fichiers : setup.ini (réglages), Quorvex.stat (statistiques de la dernière
session) et Slot1.save à Slot3.save (sauvegardes) dans %1
</translation>
    </message>
    <message>
        <source>Help text: %1
</source>
        <translation>Texte d’aide : %1
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>only one game link, please</source>
        <translation>un seul lien de partie, s’il vous plaît</translation>
    </message>
</context>
</TS>
