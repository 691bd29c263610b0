<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Access</name>
    <message>
        <source>%1, not checked</source>
        <extracomment>A menu entry that is switched off, as a screen reader reads it; %1 is the entry.</extracomment>
        <translation>%1, non coché</translation>
    </message>
</context>
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
    <message>
        <source>&quot;%1&quot; is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).</source>
        <extracomment>%1 is the link as given; HOST and PORT stand for a computer&apos;s name and a port number.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas un lien de partie Quorvex (quorvex://HÔTE ou quorvex://HÔTE:PORT).</translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>Bestätigung</source>
        <extracomment>The confirmation box&apos;s caption. Stays German in English; give your language&apos;s word.</extracomment>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <extracomment>The confirmation box&apos;s yes button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <extracomment>The confirmation box&apos;s no button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No web browser could be started for %1
Please open the address in a browser yourself.</source>
        <translation>Aucun navigateur web n’a pu être lancé pour %1
Veuillez ouvrir l’adresse vous-même dans un navigateur.</translation>
    </message>
</context>
<context>
    <name>FieldPictures</name>
    <message>
        <source>marked</source>
        <translation>marquée</translation>
    </message>
    <message>
        <source>Victim</source>
        <translation>Victime</translation>
    </message>
    <message>
        <source>Victim hit</source>
        <translation>Victime touchée</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragon</translation>
    </message>
    <message>
        <source>Dragon hit</source>
        <translation>Dragon touché</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>unmarked</source>
        <translation>non marquée</translation>
    </message>
    <message>
        <source>marked, empty</source>
        <translation>marquée, vide</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Close the open window first, then open the game link again.</source>
        <translation>Fermez d’abord la fenêtre ouverte, puis ouvrez à nouveau le lien de partie.</translation>
    </message>
    <message>
        <source>Disconnect first, then open the game link again.</source>
        <translation>Déconnectez-vous d’abord, puis ouvrez à nouveau le lien de partie.</translation>
    </message>
</context>
<context>
    <name>GameLinks</name>
    <message>
        <source>Copy link %1</source>
        <extracomment>A context menu&apos;s entry; %1 is a link such as quorvex://192.0.2.7.</extracomment>
        <translation>Copier le lien %1</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Lien copié</translation>
    </message>
    <message>
        <source>Quorvex: game links cannot be taken at %1</source>
        <extracomment>On the terminal; %1 is a path and why a socket cannot listen there.</extracomment>
        <translation>Quorvex&#xa0;: impossible de recevoir les liens de partie à %1</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>HostLog</name>
    <message>
        <source>Server active</source>
        <translation>Serveur actif</translation>
    </message>
    <message>
        <source>Server closed</source>
        <translation>Serveur fermé</translation>
    </message>
    <message>
        <source>Server not listening, game no longer announced</source>
        <translation>Le serveur n’écoute pas, la partie n’est plus annoncée</translation>
    </message>
    <message>
        <source>Router: port %1 open and for IPv6</source>
        <translation>Routeur&#xa0;: port %1 ouvert, aussi pour IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open</source>
        <translation>Routeur&#xa0;: port %1 ouvert</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2 and for IPv6</source>
        <extracomment>%1 is the port, %2 the router&apos;s address on the internet.</extracomment>
        <translation>Routeur&#xa0;: port %1 ouvert à %2, aussi pour IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2</source>
        <translation>Routeur&#xa0;: port %1 ouvert à %2</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6</source>
        <translation>Routeur&#xa0;: port %1 ouvert pour IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6, not for IPv4 (%2)</source>
        <extracomment>%1 is the port, %2 why the router refused the port for IPv4.</extracomment>
        <translation>Routeur&#xa0;: port %1 ouvert pour IPv6, pas pour IPv4 (%2)</translation>
    </message>
    <message>
        <source>Game announced as %1</source>
        <extracomment>The name was taken on the local network; %1 is the name the game got instead.</extracomment>
        <translation>Partie annoncée sous le nom %1</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (not the default gateway)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Routeur&#xa0;: réponse de %1 ignorée (pas la passerelle par défaut)</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (its description is at another address)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Routeur&#xa0;: réponse de %1 ignorée (sa description est à une autre adresse)</translation>
    </message>
    <message>
        <source>Router: no port opened (%1)</source>
        <extracomment>%1 is why the router opened nothing.</extracomment>
        <translation>Routeur&#xa0;: aucun port ouvert (%1)</translation>
    </message>
    <message>
        <source>Router: port %1 closed</source>
        <translation>Routeur&#xa0;: port %1 fermé</translation>
    </message>
    <message>
        <source>Router: port %1 not closed (%2)</source>
        <extracomment>%1 is the port, %2 why the router kept it open.</extracomment>
        <translation>Routeur&#xa0;: port %1 non fermé (%2)</translation>
    </message>
    <message>
        <source>the router did not answer in time</source>
        <translation>le routeur n’a pas répondu à temps</translation>
    </message>
    <message>
        <source>no router answered</source>
        <translation>aucun routeur n’a répondu</translation>
    </message>
    <message>
        <source>no answer from the default gateway</source>
        <extracomment>Answers came only from machines other than the default gateway.</extracomment>
        <translation>aucune réponse de la passerelle par défaut</translation>
    </message>
    <message>
        <source>the router could not be asked (%1)</source>
        <extracomment>%1 is the system&apos;s message naming the library that could not be loaded.</extracomment>
        <translation>le routeur n’a pas pu être interrogé (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s description could not be read</source>
        <translation>la description du routeur n’a pas pu être lue</translation>
    </message>
    <message>
        <source>the router&apos;s description names another address for its port mapping</source>
        <translation>la description du routeur indique une autre adresse pour sa redirection de port</translation>
    </message>
    <message>
        <source>the router offers no port mapping</source>
        <translation>le routeur ne propose pas de redirection de port</translation>
    </message>
    <message>
        <source>the router is not connected to the internet</source>
        <translation>le routeur n’est pas connecté à Internet</translation>
    </message>
    <message>
        <source>the router refused port %1: it is in use</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>le routeur a refusé le port %1 : il est déjà utilisé</translation>
    </message>
    <message>
        <source>the router refused port %1: not allowed</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>le routeur a refusé le port %1 : non autorisé</translation>
    </message>
    <message>
        <source>the router refused port %1: it has no free mappings</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>le routeur a refusé le port %1 : il n’a plus de redirection libre</translation>
    </message>
    <message>
        <source>the router refused port %1 (UPnP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>le routeur a refusé le port %1 (erreur UPnP %2)</translation>
    </message>
    <message>
        <source>the router refused port %1 (NAT-PMP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>le routeur a refusé le port %1 (erreur NAT-PMP %2)</translation>
    </message>
    <message>
        <source>the router refused it (UPnP error %1)</source>
        <extracomment>The router kept the port open; %1 is its error number.</extracomment>
        <translation>le routeur a refusé (erreur UPnP %1)</translation>
    </message>
</context>
<context>
    <name>LocalGames</name>
    <message>
        <source>Quorvex: no games on the local network: %1</source>
        <extracomment>On the terminal; %1 is why (a missing library, for one).</extracomment>
        <translation>Quorvex&#xa0;: aucune partie sur le réseau local&#xa0;: %1</translation>
    </message>
    <message>
        <source>Address filled in: %1</source>
        <extracomment>Spoken once a game is chosen from the local network&apos;s list; %1 is its address.</extracomment>
        <translation>Adresse saisie : %1</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Ready to bomb!!!</source>
        <translation>Prêt à bombarder&#xa0;!!!</translation>
    </message>
    <message>
        <source>Only 5 fields max!</source>
        <translation>5 cases au maximum&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>%n fields left</source>
        <extracomment>The cells still to mark before the five bombs can be dropped.</extracomment>
        <translation>
            <numerusform>Encore %n case</numerusform>
            <numerusform>Encore %n cases</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouterConsent</name>
    <message>
        <source>Ask the router to open the port</source>
        <translation>Demander au routeur d’ouvrir le port</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutBox</name>
    <message>
        <source>Quorvex v1.3 - made by the Quorvex team</source>
        <translation>Quorvex v1.3 - par l’équipe Quorvex</translation>
    </message>
    <message>
        <source>Write to us: quorvex.example.org</source>
        <translation>Contact&#xa0;: quorvex.example.org</translation>
    </message>
    <message>
        <source>Idea: the Victim-bombing web game of Zentrafell</source>
        <translation>Idée&#xa0;: le jeu web de Zentrafell où l’on bombarde des Victimes</translation>
    </message>
    <message>
        <source>and the grid game of the group&apos;s founder</source>
        <translation>et le jeu de grille du fondateur du groupe</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Un grand merci à&#xa0;:</translation>
    </message>
    <message>
        <source>Victim No. 1 - for testing every pre-release</source>
        <translation>Victime n° 1 - pour avoir testé chaque version d’essai</translation>
    </message>
    <message>
        <source>the Dragon keeper - for the pictures</source>
        <translation>au gardien des Dragons - pour les images</translation>
    </message>
    <message>
        <source>the net wizard - for the two-player game</source>
        <translation>au sorcier du réseau - pour le jeu à deux</translation>
    </message>
    <message>
        <source>the proof reader - for help.txt</source>
        <translation>au relecteur - pour help.txt</translation>
    </message>
    <message>
        <source>the bug hunter - for every fault reported</source>
        <translation>au chasseur de bogues - pour chaque erreur signalée</translation>
    </message>
    <message>
        <source>the Quorvex forum at quorvex.example.org</source>
        <translation>au forum Quorvex sur quorvex.example.org</translation>
    </message>
    <message>
        <source>and the whole Zentrafell community</source>
        <translation>et à toute la communauté Zentrafell</translation>
    </message>
    <message>
        <source>Thx to UPX for ~250Kb instead of ~800Kb .exe-size</source>
        <translation>Merci à UPX pour un .exe de ~250 Ko au lieu de ~800 Ko</translation>
    </message>
    <message>
        <source>UPX, the executable packer: upx.github.io</source>
        <translation>UPX, le compresseur d’exécutables&#xa0;: upx.github.io</translation>
    </message>
    <message>
        <source>&quot;No Victim is safe.&quot;</source>
        <translation>«&#xa0;Aucune Victime n’est à l’abri.&#xa0;»</translation>
    </message>
    <message>
        <source>Quorvex (C) the Quorvex team - free to play and share</source>
        <translation>Quorvex (C) l’équipe Quorvex - libre à jouer et à partager</translation>
    </message>
    <message>
        <source>Zentrafell web game (C) Zentrafell</source>
        <translation>Jeu web Zentrafell (C) Zentrafell</translation>
    </message>
    <message>
        <source>Grid game (C) the founder of Zentrafell</source>
        <translation>Jeu de grille (C) le fondateur de Zentrafell</translation>
    </message>
    <message>
        <source>Zentrafell site</source>
        <translation>Zentrafell</translation>
    </message>
    <message>
        <source>Quorvex site (german)</source>
        <extracomment>The site is in German only.</extracomment>
        <translation>Quorvex (allemand)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Quorvex logo</source>
        <translation>Logo de Quorvex</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
</context>
<context>
    <name>quorvex::TDelMenu</name>
    <message>
        <source>Delete savegame in %1?</source>
        <translation>Supprimer la sauvegarde dans %1&#xa0;?</translation>
    </message>
    <message>
        <source>Could not delete file &quot;%1.save&quot;. File not found or write protected</source>
        <translation>Impossible de supprimer le fichier «&#xa0;%1.save&#xa0;». Fichier introuvable ou protégé en écriture</translation>
    </message>
    <message>
        <source>Savegame in %1 deleted!</source>
        <translation>Sauvegarde dans %1 supprimée&#xa0;!</translation>
    </message>
</context>
<context>
    <name>quorvex::THaupt</name>
    <message>
        <source>Double kill</source>
        <translation>Double élimination</translation>
    </message>
    <message>
        <source>Triple kill!</source>
        <translation>Triple élimination&#xa0;!</translation>
    </message>
    <message>
        <source>Master kill!</source>
        <translation>Coup de maître&#xa0;!</translation>
    </message>
    <message>
        <source>Ultra sadistic kill!</source>
        <extracomment>Five Victims hit with the five bombs of one turn.</extracomment>
        <translation>Ultra sadique&#xa0;!</translation>
    </message>
    <message>
        <source>Endless game</source>
        <translation>Partie sans fin</translation>
    </message>
    <message numerus="yes">
        <source>%n killed Victims</source>
        <extracomment>A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.</extracomment>
        <translation>
            <numerusform>%n Victime tuée</numerusform>
            <numerusform>%n Victimes tuées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dead Victims</source>
        <translation>
            <numerusform>%n Victime morte</numerusform>
            <numerusform>%n Victimes mortes</numerusform>
        </translation>
    </message>
    <message>
        <source>game type</source>
        <extracomment>The game-type label before any game is started.</extracomment>
        <translation>mode de jeu</translation>
    </message>
    <message numerus="yes">
        <source>Congratulation! You won! Your Money after killing %n Victims is $%1!</source>
        <extracomment>%n is 100 or 200, %1 the money held at the end (may be negative).</extracomment>
        <translation>
            <numerusform>Félicitations&#xa0;! Vous avez gagné&#xa0;! Votre argent après avoir tué %n Victime&#xa0;: %1 $&#xa0;!</numerusform>
            <numerusform>Félicitations&#xa0;! Vous avez gagné&#xa0;! Votre argent après avoir tué %n Victimes&#xa0;: %1 $&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Victims Bombed! %n hits, %1 miss -- %2</source>
        <extracomment>The status bar after a turn: %n cells hit of five, %1 missed (5 - %n), %2 the turn&apos;s gain or loss (&quot;+$222&quot;, &quot;-$100&quot;).</extracomment>
        <translation>
            <numerusform>Victimes bombardées&#xa0;! Touchées&#xa0;: %n, ratées&#xa0;: %1 -- %2</numerusform>
            <numerusform>Victimes bombardées&#xa0;! Touchées&#xa0;: %n, ratées&#xa0;: %1 -- %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No marks left, ready to bomb</source>
        <translation>Plus aucune marque à poser, prêt à bombarder</translation>
    </message>
    <message>
        <source>1 mark left</source>
        <extracomment>Spoken after a mark: one mark still to make.</extracomment>
        <translation>Encore 1 marque</translation>
    </message>
    <message numerus="yes">
        <source>%n marks left</source>
        <extracomment>Spoken after a mark; %n is 2 to 5 (one mark left has its own text).</extracomment>
        <translation>
            <numerusform>Encore %n marque</numerusform>
            <numerusform>Encore %n marques</numerusform>
        </translation>
    </message>
    <message>
        <source>Player &quot;%1&quot;</source>
        <extracomment>The player&apos;s name as the settings hold it, in quotes.</extracomment>
        <translation>Joueur «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The statistics could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Les statistiques n’ont pas pu être enregistrées.
%1</translation>
    </message>
    <message>
        <source>Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team</source>
        <translation>Quorvex v1.3 VERSION D’ESSAI 3 - un jeu de l’équipe Quorvex</translation>
    </message>
    <message>
        <source>Quorvex start picture</source>
        <translation>Image de démarrage de Quorvex</translation>
    </message>
    <message>
        <source>Quorvex v1.3</source>
        <translation>Quorvex v1.3</translation>
    </message>
    <message>
        <source>PRE-RELEASE 3</source>
        <translation>VERSION D’ESSAI 3</translation>
    </message>
    <message>
        <source>written by the Quorvex team</source>
        <translation>écrit par l’équipe Quorvex</translation>
    </message>
    <message>
        <source>Found a fault? Report it in the project&apos;s issue tracker.</source>
        <translation>Vous avez trouvé une erreur&#xa0;? Signalez-la dans le suivi des tickets du projet.</translation>
    </message>
    <message>
        <source>Money: $</source>
        <translation>Solde&#xa0;: $</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Victimes</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Dragons</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Bombardez ici </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Victimes bombardées&#xa0;:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Dragons bombardés&#xa0;:</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Gain per Victim:</source>
        <translation>Gain par Victime&#xa0;:</translation>
    </message>
    <message>
        <source>Loss per Dragon:</source>
        <translation>Perte par Dragon&#xa0;:</translation>
    </message>
    <message>
        <source>Total gain / loss:</source>
        <translation>Gain / perte total&#xa0;:</translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation>Top&#xa0;:</translation>
    </message>
    <message>
        <source>Miss:</source>
        <translation>Flop&#xa0;:</translation>
    </message>
    <message>
        <source>Money:</source>
        <extracomment>The money figure as a screen reader names it.</extracomment>
        <translation>Solde&#xa0;:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Singleplayer</source>
        <translation>Solo</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Delete savegame</source>
        <translation>Supprimer une sauvegarde</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation>Multijoueur</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Héberger une partie</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Rejoindre une partie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>%1 (german)</source>
        <extracomment>%1 is the web site&apos;s name; the site is in German only.</extracomment>
        <translation>%1 (en allemand)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Your settings, statistics and savegames cannot be kept.
%1</source>
        <translation>Vos réglages, statistiques et sauvegardes ne peuvent pas être conservés.
%1</translation>
    </message>
    <message>
        <source>Save game [ $%1 ]</source>
        <extracomment>The menu entry with the price the next save costs.</extracomment>
        <translation>Enregistrer la partie [ %1 $ ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <translation>Victimes bombardées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <translation>Dragons bombardés&#xa0;: %1</translation>
    </message>
    <message>
        <source>New game: %1</source>
        <translation>Nouvelle partie&#xa0;: %1</translation>
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
        <translation>Chargement de help.txt, veuillez patienter...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d’aide</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>Could not load help.txt!
Please obtain an original copy of Quorvex_v13.zip,
or unpack the zip-file with all included files.</source>
        <extracomment>Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.</extracomment>
        <translation>Impossible de charger help.txt&#xa0;!
Procurez-vous une copie originale de Quorvex_v13.zip,
ou décompressez le fichier zip avec tous les fichiers qu’il contient.</translation>
    </message>
    <message>
        <source>help.txt is there but could not be read:
%1
Please check that you may read the file.</source>
        <extracomment>%1 is the system&apos;s cause, on a line of its own; help.txt is the file&apos;s name.</extracomment>
        <translation>help.txt est là mais n’a pas pu être lu&#xa0;:
%1
Vérifiez que vous avez le droit de lire ce fichier.</translation>
    </message>
</context>
<context>
    <name>quorvex::TLadenMenu</name>
    <message>
        <source>Could not load from file &quot;%1&quot;.\nFile not found.</source>
        <extracomment>%1 is the slot&apos;s file name without &quot;.save&quot; (Slot1); the \n is shown as it is, two characters.</extracomment>
        <translation>Impossible de charger depuis le fichier «&#xa0;%1&#xa0;».\nFichier introuvable.</translation>
    </message>
</context>
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Nickname</source>
        <translation>Pseudo</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Message de chat</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Bombardez ici </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <extracomment>The bomb button: the game&apos;s name as a battle cry.</extracomment>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Victimes bombardées&#xa0;:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Dragons bombardés&#xa0;:</translation>
    </message>
    <message>
        <source>[ result ]</source>
        <extracomment>A result label before any bombing.</extracomment>
        <translation>[ résultat ]</translation>
    </message>
    <message>
        <source>.... idle ...</source>
        <extracomment>The status panel before a game.</extracomment>
        <translation>.... en attente ...</translation>
    </message>
    <message>
        <source> Set here </source>
        <translation> Placez ici </translation>
    </message>
    <message>
        <source>1st click: place Victim</source>
        <translation>1er clic&#xa0;: une Victime</translation>
    </message>
    <message>
        <source>2nd click: place Dragon</source>
        <translation>2e clic&#xa0;: un Dragon</translation>
    </message>
    <message>
        <source>3rd click: place nothing</source>
        <translation>3e clic&#xa0;: rien</translation>
    </message>
    <message>
        <source>Victims left:</source>
        <translation>Victimes&#xa0;:</translation>
    </message>
    <message>
        <source>Dragons left:</source>
        <translation>Dragons&#xa0;:</translation>
    </message>
    <message>
        <source>Send battlefield</source>
        <translation>Envoyer le champ
de bataille</translation>
    </message>
    <message>
        <source>Battlefield result %1</source>
        <extracomment>The result labels&apos; names for a screen reader; %1 is the result they show.</extracomment>
        <translation>Résultat du champ de bataille %1</translation>
    </message>
    <message>
        <source>Bomb result %1</source>
        <translation>Résultat des bombes %1</translation>
    </message>
    <message>
        <source>conn. w/ &quot;%1&quot;</source>
        <extracomment>The connection with the player %1 is up.</extracomment>
        <translation>connecté à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>[game] All positions send!</source>
        <extracomment>&quot;[game]&quot; marks the game&apos;s own notes in the log.</extracomment>
        <translation>[jeu] Toutes les positions envoyées&#xa0;!</translation>
    </message>
    <message>
        <source>[game] All positions received!</source>
        <translation>[jeu] Toutes les positions reçues&#xa0;!</translation>
    </message>
    <message>
        <source>[game] new game started</source>
        <extracomment>The host started the next game.</extracomment>
        <translation>[jeu] nouvelle partie lancée</translation>
    </message>
    <message>
        <source>[game] new game started!</source>
        <extracomment>This player, the host, started the next game.</extracomment>
        <translation>[jeu] nouvelle partie lancée&#xa0;!</translation>
    </message>
    <message>
        <source>[game] Invalid position ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[jeu] Position invalide ignorée&#xa0;: %1</translation>
    </message>
    <message>
        <source>[game] Extra Victim ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[jeu] Victime en trop ignorée&#xa0;: %1</translation>
    </message>
    <message>
        <source>[game] Extra Dragon ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[jeu] Dragon en trop ignoré&#xa0;: %1</translation>
    </message>
    <message>
        <source>[game] Over-long line ignored.</source>
        <translation>[jeu] Ligne trop longue ignorée.</translation>
    </message>
    <message>
        <source>[game] %1 won!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[jeu] %1 a gagné&#xa0;!</translation>
    </message>
    <message>
        <source>[game] %1 lost!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[jeu] %1 a perdu&#xa0;!</translation>
    </message>
    <message>
        <source>[game] %1 bombed a draw!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[jeu] %1 a bombardé un match nul&#xa0;!</translation>
    </message>
    <message>
        <source>[game] Game resumed.</source>
        <extracomment>The same two players met again after a lost line and go on with their game.</extracomment>
        <translation>[jeu] Partie reprise.</translation>
    </message>
    <message>
        <source>sending positions...</source>
        <translation>envoi des positions...</translation>
    </message>
    <message>
        <source>receiving positions...</source>
        <translation>réception des positions...</translation>
    </message>
    <message>
        <source>please bomb now</source>
        <translation>bombardez maintenant</translation>
    </message>
    <message>
        <source>awaiting positions...</source>
        <translation>en attente des positions...</translation>
    </message>
    <message>
        <source>please set up your battlefield</source>
        <translation>préparez votre champ de bataille</translation>
    </message>
    <message>
        <source>[ You won ]</source>
        <translation>[ Gagné ]</translation>
    </message>
    <message>
        <source>[ You lost ]</source>
        <translation>[ Perdu ]</translation>
    </message>
    <message>
        <source>[ Draw ]</source>
        <translation>[ Match nul ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Victims this bombing hit.</extracomment>
        <translation>Victimes bombardées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Dragons this bombing hit.</extracomment>
        <translation>Dragons bombardés&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 Victim</source>
        <extracomment>A count inside a sentence (&quot;1 Victim and 2 Dragons hit&quot;).</extracomment>
        <translation>1 Victime</translation>
    </message>
    <message numerus="yes">
        <source>%n Victims</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Victime</numerusform>
            <numerusform>%n Victimes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 Dragon</source>
        <extracomment>A count inside a sentence (&quot;2 Victims and 1 Dragon hit&quot;).</extracomment>
        <translation>1 Dragon</translation>
    </message>
    <message numerus="yes">
        <source>%n Dragons</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Dragon</numerusform>
            <numerusform>%n Dragons</numerusform>
        </translation>
    </message>
    <message>
        <source>Bomb result: You won, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Résultat de la bombe : vous avez gagné, %1 et %2 touchés</translation>
    </message>
    <message>
        <source>Bomb result: You lost, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Résultat de la bombe : vous avez perdu, %1 et %2 touchés</translation>
    </message>
    <message>
        <source>Bomb result: Draw, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Résultat de la bombe : égalité, %1 et %2 touchés</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and won.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 a bombardé votre champ de bataille et a gagné.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and lost.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 a bombardé votre champ de bataille et a perdu.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield to a draw.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 a bombardé votre champ de bataille : égalité.</translation>
    </message>
    <message>
        <source>All figures placed, ready to send</source>
        <extracomment>Spoken once all five Victims and five Dragons stand on the own battlefield.</extracomment>
        <translation>Toutes les figures placées, prêt à envoyer</translation>
    </message>
    <message>
        <source>%1 and %2 left to place</source>
        <extracomment>Spoken after a figure is placed; %1 the Victims still to place (&quot;4 Victims&quot;), %2 the Dragons.</extracomment>
        <translation>Reste à placer : %1 et %2</translation>
    </message>
    <message>
        <source>Connection closed gracefully.</source>
        <translation>Connexion fermée normalement.</translation>
    </message>
    <message>
        <source>Connection reset by peer.</source>
        <translation>Connexion réinitialisée par l’autre côté.</translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation>Non connecté.</translation>
    </message>
    <message>
        <source>Max line length exceeded.</source>
        <translation>Longueur de ligne maximale dépassée.</translation>
    </message>
    <message>
        <source>Connect timed out.</source>
        <translation>Délai de connexion dépassé.</translation>
    </message>
    <message>
        <source>Connect cancelled.</source>
        <translation>Connexion annulée.</translation>
    </message>
    <message>
        <source>Already connected.</source>
        <translation>Déjà connecté.</translation>
    </message>
    <message>
        <source>Terminate thread timeout.</source>
        <extracomment>Stopping the server waited too long for the connection to end.</extracomment>
        <translation>La connexion ne s’est pas terminée à temps.</translation>
    </message>
    <message>
        <source>Connection lost: the peer stopped answering.</source>
        <translation>Connexion perdue : l’autre côté ne répond plus.</translation>
    </message>
    <message>
        <source>Connection closed: the peer stopped taking data.</source>
        <translation>Connexion fermée : l’autre côté ne reçoit plus de données.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>Cannot send a line that holds a line break.</source>
        <translation>Impossible d’envoyer une ligne contenant un saut de ligne.</translation>
    </message>
    <message>
        <source>No nickname received in time.</source>
        <extracomment>The other player&apos;s game did not send its player name in time.</extracomment>
        <translation>Aucun pseudo reçu à temps.</translation>
    </message>
    <message>
        <source>Could not create an event: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossible de créer un événement : %1.</translation>
    </message>
    <message>
        <source>Could not create socket: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossible de créer le socket : %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossible de créer un tube : %1.</translation>
    </message>
    <message>
        <source>Could not send: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Envoi impossible : %1.</translation>
    </message>
    <message>
        <source>Could not wait for data: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossible d’attendre des données : %1.</translation>
    </message>
    <message>
        <source>Could not receive: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Réception impossible : %1.</translation>
    </message>
    <message>
        <source>Could not wait for connections: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossible d’attendre des connexions : %1.</translation>
    </message>
    <message>
        <source>Could not accept a connection: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossible d’accepter une connexion : %1.</translation>
    </message>
    <message>
        <source>Could not read the bound port: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Impossible de lire le port attribué : %1.</translation>
    </message>
    <message>
        <source>Could not bind socket to port %1: %2.</source>
        <extracomment>%1 is the port, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible de lier le socket au port %1 : %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1:%2: %3.</source>
        <extracomment>%1 is the host, %2 the port, %3 the system&apos;s reason.</extracomment>
        <translation>Impossible de se connecter à %1:%2 : %3.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: no address.</source>
        <extracomment>%1 is the host&apos;s name as typed; it has no address.</extracomment>
        <translation>Impossible de résoudre l’hôte « %1 » : aucune adresse.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the host&apos;s name as typed, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible de résoudre l’hôte « %1 » : %2.</translation>
    </message>
    <message>
        <source>Invalid port %1.</source>
        <extracomment>%1 is the port number that cannot be used.</extracomment>
        <translation>Port %1 non valide.</translation>
    </message>
</context>
<context>
    <name>quorvex::TRecords</name>
    <message>
        <source>Your name for the new record</source>
        <translation>Votre nom pour le nouveau record</translation>
    </message>
    <message>
        <source>New record: place %1, $%2</source>
        <extracomment>A new row in a records table as a screen reader tells it; %1 is the place (1 to 10), %2 the money.</extracomment>
        <translation>Nouveau record : place %1, $%2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>100 Victims</source>
        <extracomment>The tabs of the records window, one per game mode.</extracomment>
        <translation>100 Victimes</translation>
    </message>
    <message>
        <source>200 Victims</source>
        <translation>200 Victimes</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Sans fin</translation>
    </message>
    <message>
        <source> Over every run </source>
        <translation> Sur toutes les sessions </translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Dragons</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Chargée</translation>
    </message>
    <message>
        <source>Endless games started:</source>
        <translation>Parties sans fin commencées :</translation>
    </message>
    <message>
        <source>Games of 100 started:</source>
        <translation>Parties à 100 commencées :</translation>
    </message>
    <message>
        <source>Games of 100 won:</source>
        <translation>Parties à 100 gagnées :</translation>
    </message>
    <message>
        <source>Games of 200 started:</source>
        <translation>Parties à 200 commencées :</translation>
    </message>
    <message>
        <source>Games of 200 won:</source>
        <translation>Parties à 200 gagnées :</translation>
    </message>
    <message>
        <source>Turns:</source>
        <translation>Tours :</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Victimes tuées :</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Dragons tués :</translation>
    </message>
    <message>
        <source>Best kill streak:</source>
        <translation>Meilleure série d’éliminations :</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Argent gagné :</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Argent perdu :</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks an entry of a game taken up from a savegame slot.</extracomment>
        <translation>oui</translation>
    </message>
    <message>
        <source>The records file was damaged. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the damaged file now has.</extracomment>
        <translation>Le fichier des records était endommagé. Il est gardé sous « %1 » et un nouveau est commencé.</translation>
    </message>
    <message>
        <source>The records file was not made by this version of the game. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the unknown file now has.</extracomment>
        <translation>Le fichier des records n’a pas été créé par cette version du jeu. Il est gardé sous « %1 » et un nouveau est commencé.</translation>
    </message>
    <message>
        <source>The records could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Les records n’ont pas pu être enregistrés.
%1</translation>
    </message>
    <message>
        <source>Clear every record and the figures over every run?</source>
        <translation>Effacer tous les records et les chiffres de toutes les sessions ?</translation>
    </message>
</context>
<context>
    <name>quorvex::TSetup</name>
    <message>
        <source>Please enter your name for singleplayer games</source>
        <translation>Entrez votre nom pour les parties en solo</translation>
    </message>
    <message>
        <source>Please enter your name for multiplayer games</source>
        <translation>Entrez votre nom pour les parties multijoueur</translation>
    </message>
    <message>
        <source>Please enter your servername for multiplayer games</source>
        <translation>Entrez le nom de votre serveur pour les parties multijoueur</translation>
    </message>
    <message>
        <source>Config of sadism</source>
        <translation>Réglages du sadisme</translation>
    </message>
    <message>
        <source>Name - Singleplayer</source>
        <translation>Nom - Solo</translation>
    </message>
    <message>
        <source>Name - Multiplayer</source>
        <translation>Nom - Multijoueur</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Nom du serveur</translation>
    </message>
    <message>
        <source>show splash-screen</source>
        <translation>écran d’accueil</translation>
    </message>
    <message>
        <source>fade effect</source>
        <translation>effet de fondu</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>annuler</translation>
    </message>
    <message>
        <source>default</source>
        <translation>défaut</translation>
    </message>
    <message>
        <source>restore defaults?</source>
        <translation>rétablir les valeurs par défaut&#xa0;?</translation>
    </message>
    <message>
        <source>The settings could not be saved to setup.ini.
%1
They stay in effect until the program ends.</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own; setup.ini is the file&apos;s name.</extracomment>
        <translation>Les réglages n’ont pas pu être enregistrés dans setup.ini.
%1
Ils restent en vigueur jusqu’à la fin du programme.</translation>
    </message>
</context>
<context>
    <name>quorvex::TSlotDialog</name>
    <message>
        <source>No data present</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, %2, $%3, Victims %4, Dragons %5</source>
        <extracomment>What a slot holds, told by its buttons: name, game type, money, the two counters.</extracomment>
        <translation>«&#xa0;%1&#xa0;», %2, %3 $, Victimes %4, Dragons %5</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Emplacement %1</translation>
    </message>
    <message>
        <source>type</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Victimes</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Dragons</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>save</source>
        <translation>enregistrer</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>load</source>
        <translation>charger</translation>
    </message>
    <message>
        <source>Manage savegames</source>
        <translation>Gérer les sauvegardes</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>supprimer</translation>
    </message>
</context>
<context>
    <name>quorvex::TSpeicherMenu</name>
    <message>
        <source>current price for saving: $</source>
        <translation>prix actuel de la sauvegarde&#xa0;: $</translation>
    </message>
    <message>
        <source>overwrite</source>
        <translation>écraser</translation>
    </message>
    <message>
        <source>Savegame already exists. Overwrite?</source>
        <translation>Cette sauvegarde existe déjà. L’écraser&#xa0;?</translation>
    </message>
    <message>
        <source>Saved to slot %1 for $%2</source>
        <translation>Enregistré dans l’emplacement %1 pour %2 $</translation>
    </message>
</context>
<context>
    <name>quorvex::TSplashScr</name>
    <message>
        <source>Quorvex logo</source>
        <translation>Logo de Quorvex</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_client</name>
    <message>
        <source>[ Client ]  Quorvex Multiplayer - Beta1</source>
        <translation>[ Client ]  Quorvex Multijoueur - Bêta1</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connecter</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>déconnecter</translation>
    </message>
    <message>
        <source>Could not connect to %1</source>
        <extracomment>%1 is the address the player typed.</extracomment>
        <translation>Impossible de se connecter à %1</translation>
    </message>
    <message>
        <source>disconnected!</source>
        <translation>déconnecté&#xa0;!</translation>
    </message>
    <message>
        <source>Can not close while client is active!</source>
        <translation>Fermeture impossible tant que vous êtes connecté&#xa0;!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_host</name>
    <message>
        <source>[ Host ] Quorvex Multiplayer - Beta1</source>
        <translation>[ Hôte ] Quorvex Multijoueur - Bêta1</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Nom du serveur</translation>
    </message>
    <message>
        <source>Start server</source>
        <translation>Lancer le serveur</translation>
    </message>
    <message>
        <source>Stop server</source>
        <translation>Arrêter serveur</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Lien copié</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Client lost</source>
        <translation>Connexion avec l’adversaire perdue</translation>
    </message>
    <message>
        <source>Can not close while server is active!</source>
        <translation>Fermeture impossible tant que le serveur tourne&#xa0;!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tstat</name>
    <message>
        <source>Game statistic</source>
        <translation>Statistiques de jeu</translation>
    </message>
    <message>
        <source>Double kills:</source>
        <translation>Doublés&#xa0;:</translation>
    </message>
    <message>
        <source>Triple kills:</source>
        <translation>Triplés&#xa0;:</translation>
    </message>
    <message>
        <source>Master kills:</source>
        <translation>Coups de maître&#x202f;:</translation>
    </message>
    <message>
        <source>Ultra kills:</source>
        <translation>Ultra sadiques&#xa0;:</translation>
    </message>
    <message>
        <source># of games:</source>
        <translation>Nombre de parties&#xa0;:</translation>
    </message>
    <message>
        <source>Total hits:</source>
        <translation>Total touchés&#xa0;:</translation>
    </message>
    <message>
        <source>Total misses:</source>
        <translation>Total ratés&#xa0;:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Victimes tuées&#xa0;:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Dragons tués&#xa0;:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Argent gagné&#xa0;:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Argent perdu&#xa0;:</translation>
    </message>
</context>
<context>
    <name>qx::News</name>
    <message numerus="yes">
        <source>%n new lines</source>
        <extracomment>Spoken instead of a burst of more lines than are read out; %n is always more than one here.</extracomment>
        <translation>
            <numerusform>%n nouvelle ligne</numerusform>
            <numerusform>%n nouvelles lignes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qx::PictureCell</name>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <extracomment>A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.</extracomment>
        <translation>Case %1, ligne %2, colonne %3</translation>
    </message>
</context>
</TS>
