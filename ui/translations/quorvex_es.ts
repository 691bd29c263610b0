<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Access</name>
    <message>
        <source>%1, not checked</source>
        <extracomment>A menu entry that is switched off, as a screen reader reads it; %1 is the entry.</extracomment>
        <translation>%1, no marcado</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 in the folder the game is started in</source>
        <translation>%1 en la carpeta desde la que se inicia el juego</translation>
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
        <translation>Uso: quorvex [ENLACE]
     quorvex --help | --version

Inicia el juego Quorvex: una cuadrícula de 5 por 5, para un jugador o para
dos en red (puerto TCP 9999).

  ENLACE         quorvex://HOST o quorvex://HOST:PUERTO, una dirección IPv6
                 entre corchetes (quorvex://[2001:db8::5]): abre la ventana
                 para unirse con esa dirección ya escrita. Una partida que ya
                 está en marcha recibe el enlace en su lugar.
  -h, --help     mostrar esta ayuda y salir
  --version      mostrar la versión y salir

</translation>
    </message>
    <message>
        <source>Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and
Slot1.save to Slot3.save (savegames) in %1
</source>
        <translation>Archivos: setup.ini (ajustes), Quorvex.stat (estadísticas de la última
sesión) y Slot1.save a Slot3.save (partidas guardadas) en %1
</translation>
    </message>
    <message>
        <source>Help text: %1
</source>
        <translation>Texto de ayuda: %1
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>only one game link, please</source>
        <translation>solo un enlace de partida, por favor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).</source>
        <extracomment>%1 is the link as given; HOST and PORT stand for a computer&apos;s name and a port number.</extracomment>
        <translation>«%1» no es un enlace de partida de Quorvex (quorvex://HOST o quorvex://HOST:PUERTO).</translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>Bestätigung</source>
        <extracomment>The confirmation box&apos;s caption. Stays German in English; give your language&apos;s word.</extracomment>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <extracomment>The confirmation box&apos;s yes button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Sí</translation>
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
        <translation>No se pudo abrir ningún navegador web para %1
Abre tú mismo la dirección en un navegador, por favor.</translation>
    </message>
</context>
<context>
    <name>FieldPictures</name>
    <message>
        <source>marked</source>
        <translation>marcada</translation>
    </message>
    <message>
        <source>Victim</source>
        <translation>Víctima</translation>
    </message>
    <message>
        <source>Victim hit</source>
        <translation>Víctima alcanzada</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragón</translation>
    </message>
    <message>
        <source>Dragon hit</source>
        <translation>Dragón alcanzado</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>unmarked</source>
        <translation>sin marcar</translation>
    </message>
    <message>
        <source>marked, empty</source>
        <translation>marcada, vacía</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Close the open window first, then open the game link again.</source>
        <translation>Cierra primero la ventana abierta y luego vuelve a abrir el enlace de partida.</translation>
    </message>
    <message>
        <source>Disconnect first, then open the game link again.</source>
        <translation>Desconéctate primero y luego vuelve a abrir el enlace de partida.</translation>
    </message>
</context>
<context>
    <name>GameLinks</name>
    <message>
        <source>Copy link %1</source>
        <extracomment>A context menu&apos;s entry; %1 is a link such as quorvex://192.0.2.7.</extracomment>
        <translation>Copiar enlace %1</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Enlace copiado</translation>
    </message>
    <message>
        <source>Quorvex: game links cannot be taken at %1</source>
        <extracomment>On the terminal; %1 is a path and why a socket cannot listen there.</extracomment>
        <translation>Quorvex: no se pueden recibir enlaces de partida en %1</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>HostLog</name>
    <message>
        <source>Server active</source>
        <translation>Servidor activo</translation>
    </message>
    <message>
        <source>Server closed</source>
        <translation>Servidor cerrado</translation>
    </message>
    <message>
        <source>Server not listening, game no longer announced</source>
        <translation>El servidor no escucha, la partida ya no se anuncia</translation>
    </message>
    <message>
        <source>Router: port %1 open and for IPv6</source>
        <translation>Router: puerto %1 abierto, también para IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open</source>
        <translation>Router: puerto %1 abierto</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2 and for IPv6</source>
        <extracomment>%1 is the port, %2 the router&apos;s address on the internet.</extracomment>
        <translation>Router: puerto %1 abierto en %2, también para IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2</source>
        <translation>Router: puerto %1 abierto en %2</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6</source>
        <translation>Router: puerto %1 abierto para IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6, not for IPv4 (%2)</source>
        <extracomment>%1 is the port, %2 why the router refused the port for IPv4.</extracomment>
        <translation>Router: puerto %1 abierto para IPv6, no para IPv4 (%2)</translation>
    </message>
    <message>
        <source>Game announced as %1</source>
        <extracomment>The name was taken on the local network; %1 is the name the game got instead.</extracomment>
        <translation>Partida anunciada como %1</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (not the default gateway)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Router: respuesta de %1 ignorada (no es la puerta de enlace predeterminada)</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (its description is at another address)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Router: respuesta de %1 ignorada (su descripción está en otra dirección)</translation>
    </message>
    <message>
        <source>Router: no port opened (%1)</source>
        <extracomment>%1 is why the router opened nothing.</extracomment>
        <translation>Router: ningún puerto abierto (%1)</translation>
    </message>
    <message>
        <source>Router: port %1 closed</source>
        <translation>Router: puerto %1 cerrado</translation>
    </message>
    <message>
        <source>Router: port %1 not closed (%2)</source>
        <extracomment>%1 is the port, %2 why the router kept it open.</extracomment>
        <translation>Router: puerto %1 no cerrado (%2)</translation>
    </message>
    <message>
        <source>the router did not answer in time</source>
        <translation>el router no respondió a tiempo</translation>
    </message>
    <message>
        <source>no router answered</source>
        <translation>ningún router respondió</translation>
    </message>
    <message>
        <source>no answer from the default gateway</source>
        <extracomment>Answers came only from machines other than the default gateway.</extracomment>
        <translation>ninguna respuesta de la puerta de enlace predeterminada</translation>
    </message>
    <message>
        <source>the router could not be asked (%1)</source>
        <extracomment>%1 is the system&apos;s message naming the library that could not be loaded.</extracomment>
        <translation>no se pudo consultar al router (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s description could not be read</source>
        <translation>no se pudo leer la descripción del router</translation>
    </message>
    <message>
        <source>the router&apos;s description names another address for its port mapping</source>
        <translation>la descripción del router indica otra dirección para su redirección de puertos</translation>
    </message>
    <message>
        <source>the router offers no port mapping</source>
        <translation>el router no ofrece redirección de puertos</translation>
    </message>
    <message>
        <source>the router is not connected to the internet</source>
        <translation>el router no está conectado a internet</translation>
    </message>
    <message>
        <source>the router refused port %1: it is in use</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>el router rechazó el puerto %1: está en uso</translation>
    </message>
    <message>
        <source>the router refused port %1: not allowed</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>el router rechazó el puerto %1: no está permitido</translation>
    </message>
    <message>
        <source>the router refused port %1: it has no free mappings</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>el router rechazó el puerto %1: no le quedan redirecciones libres</translation>
    </message>
    <message>
        <source>the router refused port %1 (UPnP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>el router rechazó el puerto %1 (error UPnP %2)</translation>
    </message>
    <message>
        <source>the router refused port %1 (NAT-PMP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>el router rechazó el puerto %1 (error NAT-PMP %2)</translation>
    </message>
    <message>
        <source>the router refused it (UPnP error %1)</source>
        <extracomment>The router kept the port open; %1 is its error number.</extracomment>
        <translation>el router lo rechazó (error UPnP %1)</translation>
    </message>
</context>
<context>
    <name>LocalGames</name>
    <message>
        <source>Quorvex: no games on the local network: %1</source>
        <extracomment>On the terminal; %1 is why (a missing library, for one).</extracomment>
        <translation>Quorvex: no hay partidas en la red local: %1</translation>
    </message>
    <message>
        <source>Address filled in: %1</source>
        <extracomment>Spoken once a game is chosen from the local network&apos;s list; %1 is its address.</extracomment>
        <translation>Dirección introducida: %1</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Ready to bomb!!!</source>
        <translation>¡¡¡A bombardear!!!</translation>
    </message>
    <message>
        <source>Only 5 fields max!</source>
        <translation>¡Máximo 5 casillas!</translation>
    </message>
    <message numerus="yes">
        <source>%n fields left</source>
        <extracomment>The cells still to mark before the five bombs can be dropped.</extracomment>
        <translation>
            <numerusform>Queda %n casilla</numerusform>
            <numerusform>Quedan %n casillas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouterConsent</name>
    <message>
        <source>Ask the router to open the port</source>
        <translation>Pedir al router que abra el puerto</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutBox</name>
    <message>
        <source>Quorvex v1.3 - made by the Quorvex team</source>
        <translation>Quorvex v1.3 - del equipo de Quorvex</translation>
    </message>
    <message>
        <source>Write to us: quorvex.example.org</source>
        <translation>Contacto: quorvex.example.org</translation>
    </message>
    <message>
        <source>Idea: the Victim-bombing web game of Zentrafell</source>
        <translation>Idea: el juego web de Zentrafell de bombardear Víctimas</translation>
    </message>
    <message>
        <source>and the grid game of the group&apos;s founder</source>
        <translation>y el juego de cuadrícula del fundador del grupo</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Un agradecimiento especial a:</translation>
    </message>
    <message>
        <source>Victim No. 1 - for testing every pre-release</source>
        <translation>Víctima n.º 1 - por probar cada prelanzamiento</translation>
    </message>
    <message>
        <source>the Dragon keeper - for the pictures</source>
        <translation>el guardián de los Dragones - por los dibujos</translation>
    </message>
    <message>
        <source>the net wizard - for the two-player game</source>
        <translation>el mago de la red - por el juego para dos</translation>
    </message>
    <message>
        <source>the proof reader - for help.txt</source>
        <translation>el corrector - por help.txt</translation>
    </message>
    <message>
        <source>the bug hunter - for every fault reported</source>
        <translation>el cazador de errores - por cada fallo avisado</translation>
    </message>
    <message>
        <source>the Quorvex forum at quorvex.example.org</source>
        <translation>el foro de Quorvex en quorvex.example.org</translation>
    </message>
    <message>
        <source>and the whole Zentrafell community</source>
        <translation>y toda la comunidad de Zentrafell</translation>
    </message>
    <message>
        <source>Thx to UPX for ~250Kb instead of ~800Kb .exe-size</source>
        <translation>Gracias a UPX por ~250Kb en vez de ~800Kb de .exe</translation>
    </message>
    <message>
        <source>UPX, the executable packer: upx.github.io</source>
        <translation>UPX, el compresor de ejecutables: upx.github.io</translation>
    </message>
    <message>
        <source>&quot;No Victim is safe.&quot;</source>
        <translation>«Ninguna Víctima está a salvo.»</translation>
    </message>
    <message>
        <source>Quorvex (C) the Quorvex team - free to play and share</source>
        <translation>Quorvex (C) el equipo de Quorvex - libre para jugar y compartir</translation>
    </message>
    <message>
        <source>Zentrafell web game (C) Zentrafell</source>
        <translation>Juego web de Zentrafell (C) Zentrafell</translation>
    </message>
    <message>
        <source>Grid game (C) the founder of Zentrafell</source>
        <translation>Juego de cuadrícula (C) el fundador de Zentrafell</translation>
    </message>
    <message>
        <source>Zentrafell site</source>
        <translation>Zentrafell</translation>
    </message>
    <message>
        <source>Quorvex site (german)</source>
        <extracomment>The site is in German only.</extracomment>
        <translation>Quorvex (en alemán)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Quorvex logo</source>
        <translation>Logotipo de Quorvex</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
</context>
<context>
    <name>quorvex::TDelMenu</name>
    <message>
        <source>Delete savegame in %1?</source>
        <translation>¿Borrar la partida guardada en %1?</translation>
    </message>
    <message>
        <source>Could not delete file &quot;%1.save&quot;. File not found or write protected</source>
        <translation>No se pudo borrar el archivo «%1.save». No existe o está protegido contra escritura</translation>
    </message>
    <message>
        <source>Savegame in %1 deleted!</source>
        <translation>¡Partida guardada en %1 borrada!</translation>
    </message>
</context>
<context>
    <name>quorvex::THaupt</name>
    <message>
        <source>Double kill</source>
        <translation>Doble baja</translation>
    </message>
    <message>
        <source>Triple kill!</source>
        <translation>¡Triple baja!</translation>
    </message>
    <message>
        <source>Master kill!</source>
        <translation>¡Baja maestra!</translation>
    </message>
    <message>
        <source>Ultra sadistic kill!</source>
        <extracomment>Five Victims hit with the five bombs of one turn.</extracomment>
        <translation>¡Baja ultrasádica!</translation>
    </message>
    <message>
        <source>Endless game</source>
        <translation>Partida sin fin</translation>
    </message>
    <message numerus="yes">
        <source>%n killed Victims</source>
        <extracomment>A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.</extracomment>
        <translation>
            <numerusform>%n Víctima abatida</numerusform>
            <numerusform>%n Víctimas abatidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dead Victims</source>
        <translation>
            <numerusform>%n Víctima muerta</numerusform>
            <numerusform>%n Víctimas muertas</numerusform>
        </translation>
    </message>
    <message>
        <source>game type</source>
        <extracomment>The game-type label before any game is started.</extracomment>
        <translation>modo de juego</translation>
    </message>
    <message numerus="yes">
        <source>Congratulation! You won! Your Money after killing %n Victims is $%1!</source>
        <extracomment>%n is 100 or 200, %1 the money held at the end (may be negative).</extracomment>
        <translation>
            <numerusform>¡Enhorabuena! ¡Has ganado! ¡Tu dinero tras matar %n Víctima es $%1!</numerusform>
            <numerusform>¡Enhorabuena! ¡Has ganado! ¡Tu dinero tras matar %n Víctimas es $%1!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Victims Bombed! %n hits, %1 miss -- %2</source>
        <extracomment>The status bar after a turn: %n cells hit of five, %1 missed (5 - %n), %2 the turn&apos;s gain or loss (&quot;+$222&quot;, &quot;-$100&quot;).</extracomment>
        <translation>
            <numerusform>¡Víctimas bombardeadas! Aciertos: %n, fallos: %1 -- %2</numerusform>
            <numerusform>¡Víctimas bombardeadas! Aciertos: %n, fallos: %1 -- %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No marks left, ready to bomb</source>
        <translation>No quedan marcas, listo para bombardear</translation>
    </message>
    <message>
        <source>1 mark left</source>
        <extracomment>Spoken after a mark: one mark still to make.</extracomment>
        <translation>Queda 1 marca</translation>
    </message>
    <message numerus="yes">
        <source>%n marks left</source>
        <extracomment>Spoken after a mark; %n is 2 to 5 (one mark left has its own text).</extracomment>
        <translation>
            <numerusform>Queda %n marca</numerusform>
            <numerusform>Quedan %n marcas</numerusform>
        </translation>
    </message>
    <message>
        <source>Player &quot;%1&quot;</source>
        <extracomment>The player&apos;s name as the settings hold it, in quotes.</extracomment>
        <translation>Jugador «%1»</translation>
    </message>
    <message>
        <source>The statistics could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>No se pudieron guardar las estadísticas.
%1</translation>
    </message>
    <message>
        <source>Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team</source>
        <translation>Quorvex v1.3 PRELANZAMIENTO 3 - un juego del equipo de Quorvex</translation>
    </message>
    <message>
        <source>Quorvex start picture</source>
        <translation>Imagen de inicio de Quorvex</translation>
    </message>
    <message>
        <source>Quorvex v1.3</source>
        <translation>Quorvex v1.3</translation>
    </message>
    <message>
        <source>PRE-RELEASE 3</source>
        <translation>PRELANZAMIENTO 3</translation>
    </message>
    <message>
        <source>written by the Quorvex team</source>
        <translation>escrito por el equipo de Quorvex</translation>
    </message>
    <message>
        <source>Found a fault? Report it in the project&apos;s issue tracker.</source>
        <translation>¿Has encontrado un fallo? Avísanos en el gestor de incidencias del proyecto.</translation>
    </message>
    <message>
        <source>Money: $</source>
        <translation>Dinero: $</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Víctimas</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Dragones</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Bombardea aquí </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Víctimas alcanzadas:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Dragones alcanzados:</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Gain per Victim:</source>
        <translation>Ganancia por Víctima:</translation>
    </message>
    <message>
        <source>Loss per Dragon:</source>
        <translation>Pérdida por Dragón:</translation>
    </message>
    <message>
        <source>Total gain / loss:</source>
        <translation>Balance total:</translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation>Bien:</translation>
    </message>
    <message>
        <source>Miss:</source>
        <translation>Mal:</translation>
    </message>
    <message>
        <source>Money:</source>
        <extracomment>The money figure as a screen reader names it.</extracomment>
        <translation>Dinero:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Singleplayer</source>
        <translation>Un jugador</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Delete savegame</source>
        <translation>Borrar partida guardada</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation>Multijugador</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Crear partida</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Unirse a partida</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>%1 (german)</source>
        <extracomment>%1 is the web site&apos;s name; the site is in German only.</extracomment>
        <translation>%1 (en alemán)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Your settings, statistics and savegames cannot be kept.
%1</source>
        <translation>No se pueden conservar tus ajustes, estadísticas ni partidas guardadas.
%1</translation>
    </message>
    <message>
        <source>Save game [ $%1 ]</source>
        <extracomment>The menu entry with the price the next save costs.</extracomment>
        <translation>Guardar partida [ $%1 ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <translation>Víctimas alcanzadas: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <translation>Dragones alcanzados: %1</translation>
    </message>
    <message>
        <source>New game: %1</source>
        <translation>Nueva partida: %1</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Récords</translation>
    </message>
</context>
<context>
    <name>quorvex::THelp</name>
    <message>
        <source>Loading help.txt, please wait...</source>
        <translation>Cargando help.txt, espera un momento...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <source>Could not load help.txt!
Please obtain an original copy of Quorvex_v13.zip,
or unpack the zip-file with all included files.</source>
        <extracomment>Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.</extracomment>
        <translation>¡No se pudo cargar help.txt!
Consigue una copia original de Quorvex_v13.zip,
o descomprime el archivo zip con todos sus archivos.</translation>
    </message>
    <message>
        <source>help.txt is there but could not be read:
%1
Please check that you may read the file.</source>
        <extracomment>%1 is the system&apos;s cause, on a line of its own; help.txt is the file&apos;s name.</extracomment>
        <translation>help.txt está ahí, pero no se pudo leer:
%1
Comprueba que tienes permiso para leer el archivo.</translation>
    </message>
</context>
<context>
    <name>quorvex::TLadenMenu</name>
    <message>
        <source>Could not load from file &quot;%1&quot;.\nFile not found.</source>
        <extracomment>%1 is the slot&apos;s file name without &quot;.save&quot; (Slot1); the \n is shown as it is, two characters.</extracomment>
        <translation>No se pudo cargar del archivo «%1».\nArchivo no encontrado.</translation>
    </message>
</context>
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Nickname</source>
        <translation>Apodo</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Mensaje de chat</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation>Bombardea aquí</translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <extracomment>The bomb button: the game&apos;s name as a battle cry.</extracomment>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Víctimas alcanzadas:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Dragones alcanzados:</translation>
    </message>
    <message>
        <source>[ result ]</source>
        <extracomment>A result label before any bombing.</extracomment>
        <translation>[ resultado ]</translation>
    </message>
    <message>
        <source>.... idle ...</source>
        <extracomment>The status panel before a game.</extracomment>
        <translation>.... en espera ...</translation>
    </message>
    <message>
        <source> Set here </source>
        <translation> Coloca aquí </translation>
    </message>
    <message>
        <source>1st click: place Victim</source>
        <translation>1.er clic: poner Víctima</translation>
    </message>
    <message>
        <source>2nd click: place Dragon</source>
        <translation>2.º clic: poner Dragón</translation>
    </message>
    <message>
        <source>3rd click: place nothing</source>
        <translation>3.er clic: no poner nada</translation>
    </message>
    <message>
        <source>Victims left:</source>
        <translation>Víctimas:</translation>
    </message>
    <message>
        <source>Dragons left:</source>
        <translation>Dragones:</translation>
    </message>
    <message>
        <source>Send battlefield</source>
        <translation>Enviar campo de batalla</translation>
    </message>
    <message>
        <source>Battlefield result %1</source>
        <extracomment>The result labels&apos; names for a screen reader; %1 is the result they show.</extracomment>
        <translation>Resultado del campo de batalla %1</translation>
    </message>
    <message>
        <source>Bomb result %1</source>
        <translation>Resultado de las bombas %1</translation>
    </message>
    <message>
        <source>conn. w/ &quot;%1&quot;</source>
        <extracomment>The connection with the player %1 is up.</extracomment>
        <translation>conectado con «%1»</translation>
    </message>
    <message>
        <source>[game] All positions send!</source>
        <extracomment>&quot;[game]&quot; marks the game&apos;s own notes in the log.</extracomment>
        <translation>[juego] ¡Todas las posiciones enviadas!</translation>
    </message>
    <message>
        <source>[game] All positions received!</source>
        <translation>[juego] ¡Todas las posiciones recibidas!</translation>
    </message>
    <message>
        <source>[game] new game started</source>
        <extracomment>The host started the next game.</extracomment>
        <translation>[juego] nueva partida empezada</translation>
    </message>
    <message>
        <source>[game] new game started!</source>
        <extracomment>This player, the host, started the next game.</extracomment>
        <translation>[juego] ¡nueva partida empezada!</translation>
    </message>
    <message>
        <source>[game] Invalid position ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[juego] Posición no válida ignorada: %1</translation>
    </message>
    <message>
        <source>[game] Extra Victim ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[juego] Víctima de más ignorada: %1</translation>
    </message>
    <message>
        <source>[game] Extra Dragon ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[juego] Dragón de más ignorado: %1</translation>
    </message>
    <message>
        <source>[game] Over-long line ignored.</source>
        <translation>[juego] Línea demasiado larga ignorada.</translation>
    </message>
    <message>
        <source>[game] %1 won!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[juego] ¡%1 ha ganado!</translation>
    </message>
    <message>
        <source>[game] %1 lost!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[juego] ¡%1 ha perdido!</translation>
    </message>
    <message>
        <source>[game] %1 bombed a draw!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[juego] ¡%1 ha bombardeado un empate!</translation>
    </message>
    <message>
        <source>[game] Game resumed.</source>
        <extracomment>The same two players met again after a lost line and go on with their game.</extracomment>
        <translation>[juego] Partida reanudada.</translation>
    </message>
    <message>
        <source>sending positions...</source>
        <translation>enviando posiciones...</translation>
    </message>
    <message>
        <source>receiving positions...</source>
        <translation>recibiendo posiciones...</translation>
    </message>
    <message>
        <source>please bomb now</source>
        <translation>bombardea ahora</translation>
    </message>
    <message>
        <source>awaiting positions...</source>
        <translation>esperando posiciones...</translation>
    </message>
    <message>
        <source>please set up your battlefield</source>
        <translation>prepara tu campo de batalla</translation>
    </message>
    <message>
        <source>[ You won ]</source>
        <translation>[ Has ganado ]</translation>
    </message>
    <message>
        <source>[ You lost ]</source>
        <translation>[ Has perdido ]</translation>
    </message>
    <message>
        <source>[ Draw ]</source>
        <translation>[ Empate ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Victims this bombing hit.</extracomment>
        <translation>Víctimas alcanzadas: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Dragons this bombing hit.</extracomment>
        <translation>Dragones alcanzados: %1</translation>
    </message>
    <message>
        <source>1 Victim</source>
        <extracomment>A count inside a sentence (&quot;1 Victim and 2 Dragons hit&quot;).</extracomment>
        <translation>1 Víctima</translation>
    </message>
    <message numerus="yes">
        <source>%n Victims</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Víctima</numerusform>
            <numerusform>%n Víctimas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 Dragon</source>
        <extracomment>A count inside a sentence (&quot;2 Victims and 1 Dragon hit&quot;).</extracomment>
        <translation>1 Dragón</translation>
    </message>
    <message numerus="yes">
        <source>%n Dragons</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Dragón</numerusform>
            <numerusform>%n Dragones</numerusform>
        </translation>
    </message>
    <message>
        <source>Bomb result: You won, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Resultado de la bomba: has ganado, %1 y %2 alcanzados</translation>
    </message>
    <message>
        <source>Bomb result: You lost, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Resultado de la bomba: has perdido, %1 y %2 alcanzados</translation>
    </message>
    <message>
        <source>Bomb result: Draw, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Resultado de la bomba: empate, %1 y %2 alcanzados</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and won.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 ha bombardeado tu campo de batalla y ha ganado.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and lost.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 ha bombardeado tu campo de batalla y ha perdido.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield to a draw.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 ha bombardeado tu campo de batalla: empate.</translation>
    </message>
    <message>
        <source>All figures placed, ready to send</source>
        <extracomment>Spoken once all five Victims and five Dragons stand on the own battlefield.</extracomment>
        <translation>Todas las figuras colocadas, listo para enviar</translation>
    </message>
    <message>
        <source>%1 and %2 left to place</source>
        <extracomment>Spoken after a figure is placed; %1 the Victims still to place (&quot;4 Victims&quot;), %2 the Dragons.</extracomment>
        <translation>Quedan por colocar: %1 y %2</translation>
    </message>
    <message>
        <source>Connection closed gracefully.</source>
        <translation>Conexión cerrada correctamente.</translation>
    </message>
    <message>
        <source>Connection reset by peer.</source>
        <translation>El otro lado restableció la conexión.</translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation>No conectado.</translation>
    </message>
    <message>
        <source>Max line length exceeded.</source>
        <translation>Se superó la longitud máxima de línea.</translation>
    </message>
    <message>
        <source>Connect timed out.</source>
        <translation>Se agotó el tiempo de conexión.</translation>
    </message>
    <message>
        <source>Connect cancelled.</source>
        <translation>Conexión cancelada.</translation>
    </message>
    <message>
        <source>Already connected.</source>
        <translation>Ya conectado.</translation>
    </message>
    <message>
        <source>Terminate thread timeout.</source>
        <extracomment>Stopping the server waited too long for the connection to end.</extracomment>
        <translation>La conexión no terminó a tiempo.</translation>
    </message>
    <message>
        <source>Connection lost: the peer stopped answering.</source>
        <translation>Conexión perdida: el otro lado dejó de responder.</translation>
    </message>
    <message>
        <source>Connection closed: the peer stopped taking data.</source>
        <translation>Conexión cerrada: el otro lado dejó de recibir datos.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
    <message>
        <source>Cannot send a line that holds a line break.</source>
        <translation>No se puede enviar una línea que contiene un salto de línea.</translation>
    </message>
    <message>
        <source>No nickname received in time.</source>
        <extracomment>The other player&apos;s game did not send its player name in time.</extracomment>
        <translation>No se recibió ningún apodo a tiempo.</translation>
    </message>
    <message>
        <source>Could not create an event: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se pudo crear un evento: %1.</translation>
    </message>
    <message>
        <source>Could not create socket: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se pudo crear el socket: %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se pudo crear una tubería: %1.</translation>
    </message>
    <message>
        <source>Could not send: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se pudo enviar: %1.</translation>
    </message>
    <message>
        <source>Could not wait for data: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se pudo esperar datos: %1.</translation>
    </message>
    <message>
        <source>Could not receive: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se pudo recibir: %1.</translation>
    </message>
    <message>
        <source>Could not wait for connections: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se pudo esperar conexiones: %1.</translation>
    </message>
    <message>
        <source>Could not accept a connection: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se pudo aceptar una conexión: %1.</translation>
    </message>
    <message>
        <source>Could not read the bound port: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se pudo leer el puerto asignado: %1.</translation>
    </message>
    <message>
        <source>Could not bind socket to port %1: %2.</source>
        <extracomment>%1 is the port, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo asociar el socket al puerto %1: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1:%2: %3.</source>
        <extracomment>%1 is the host, %2 the port, %3 the system&apos;s reason.</extracomment>
        <translation>No se pudo conectar con %1:%2: %3.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: no address.</source>
        <extracomment>%1 is the host&apos;s name as typed; it has no address.</extracomment>
        <translation>No se pudo resolver el host «%1»: sin dirección.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the host&apos;s name as typed, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo resolver el host «%1»: %2.</translation>
    </message>
    <message>
        <source>Invalid port %1.</source>
        <extracomment>%1 is the port number that cannot be used.</extracomment>
        <translation>Puerto %1 no válido.</translation>
    </message>
</context>
<context>
    <name>quorvex::TRecords</name>
    <message>
        <source>Your name for the new record</source>
        <translation>Tu nombre para el nuevo récord</translation>
    </message>
    <message>
        <source>New record: place %1, $%2</source>
        <extracomment>A new row in a records table as a screen reader tells it; %1 is the place (1 to 10), %2 the money.</extracomment>
        <translation>Nuevo récord: puesto %1, $%2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>100 Victims</source>
        <extracomment>The tabs of the records window, one per game mode.</extracomment>
        <translation>100 Víctimas</translation>
    </message>
    <message>
        <source>200 Victims</source>
        <translation>200 Víctimas</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Sin fin</translation>
    </message>
    <message>
        <source> Over every run </source>
        <translation> De todas las sesiones </translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Dragones</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Cargada</translation>
    </message>
    <message>
        <source>Endless games started:</source>
        <translation>Partidas sin fin empezadas:</translation>
    </message>
    <message>
        <source>Games of 100 started:</source>
        <translation>Partidas de 100 empezadas:</translation>
    </message>
    <message>
        <source>Games of 100 won:</source>
        <translation>Partidas de 100 ganadas:</translation>
    </message>
    <message>
        <source>Games of 200 started:</source>
        <translation>Partidas de 200 empezadas:</translation>
    </message>
    <message>
        <source>Games of 200 won:</source>
        <translation>Partidas de 200 ganadas:</translation>
    </message>
    <message>
        <source>Turns:</source>
        <translation>Turnos:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Víctimas eliminadas:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Dragones eliminados:</translation>
    </message>
    <message>
        <source>Best kill streak:</source>
        <translation>Mejor racha de bajas:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Dinero ganado:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Dinero perdido:</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks an entry of a game taken up from a savegame slot.</extracomment>
        <translation>sí</translation>
    </message>
    <message>
        <source>The records file was damaged. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the damaged file now has.</extracomment>
        <translation>El archivo de récords estaba dañado. Se guarda como «%1» y se empieza uno nuevo.</translation>
    </message>
    <message>
        <source>The records file was not made by this version of the game. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the unknown file now has.</extracomment>
        <translation>El archivo de récords no lo creó esta versión del juego. Se guarda como «%1» y se empieza uno nuevo.</translation>
    </message>
    <message>
        <source>The records could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>No se pudieron guardar los récords.
%1</translation>
    </message>
    <message>
        <source>Clear every record and the figures over every run?</source>
        <translation>¿Borrar todos los récords y las cifras de todas las sesiones?</translation>
    </message>
</context>
<context>
    <name>quorvex::TSetup</name>
    <message>
        <source>Please enter your name for singleplayer games</source>
        <translation>Escribe tu nombre para las partidas de un jugador</translation>
    </message>
    <message>
        <source>Please enter your name for multiplayer games</source>
        <translation>Escribe tu nombre para las partidas multijugador</translation>
    </message>
    <message>
        <source>Please enter your servername for multiplayer games</source>
        <translation>Escribe el nombre de tu servidor para las partidas multijugador</translation>
    </message>
    <message>
        <source>Config of sadism</source>
        <translation>Ajustes del sadismo</translation>
    </message>
    <message>
        <source>Name - Singleplayer</source>
        <translation>Nombre - Un jugador</translation>
    </message>
    <message>
        <source>Name - Multiplayer</source>
        <translation>Nombre - Multijugador</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Nombre del servidor</translation>
    </message>
    <message>
        <source>show splash-screen</source>
        <translation>pantalla de bienvenida</translation>
    </message>
    <message>
        <source>fade effect</source>
        <translation>efecto de fundido</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>anular</translation>
    </message>
    <message>
        <source>default</source>
        <translation>estándar</translation>
    </message>
    <message>
        <source>restore defaults?</source>
        <translation>¿restaurar los valores predeterminados?</translation>
    </message>
    <message>
        <source>The settings could not be saved to setup.ini.
%1
They stay in effect until the program ends.</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own; setup.ini is the file&apos;s name.</extracomment>
        <translation>No se pudieron guardar los ajustes en setup.ini.
%1
Siguen vigentes hasta que se cierre el programa.</translation>
    </message>
</context>
<context>
    <name>quorvex::TSlotDialog</name>
    <message>
        <source>No data present</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, %2, $%3, Victims %4, Dragons %5</source>
        <extracomment>What a slot holds, told by its buttons: name, game type, money, the two counters.</extracomment>
        <translation>«%1», %2, $%3, Víctimas %4, Dragones %5</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Espacio %1</translation>
    </message>
    <message>
        <source>type</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Víctimas</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Dragones</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>save</source>
        <translation>guardar</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>load</source>
        <translation>cargar</translation>
    </message>
    <message>
        <source>Manage savegames</source>
        <translation>Gestionar partidas guardadas</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>borrar</translation>
    </message>
</context>
<context>
    <name>quorvex::TSpeicherMenu</name>
    <message>
        <source>current price for saving: $</source>
        <translation>precio actual por guardar: $</translation>
    </message>
    <message>
        <source>overwrite</source>
        <translation>sobrescribir</translation>
    </message>
    <message>
        <source>Savegame already exists. Overwrite?</source>
        <translation>Ya existe una partida guardada. ¿Sobrescribirla?</translation>
    </message>
    <message>
        <source>Saved to slot %1 for $%2</source>
        <translation>Guardada en el espacio %1 por $%2</translation>
    </message>
</context>
<context>
    <name>quorvex::TSplashScr</name>
    <message>
        <source>Quorvex logo</source>
        <translation>Logotipo de Quorvex</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_client</name>
    <message>
        <source>[ Client ]  Quorvex Multiplayer - Beta1</source>
        <translation>[ Cliente ]  Quorvex Multijugador - Beta1</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>conectar</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>desconectar</translation>
    </message>
    <message>
        <source>Could not connect to %1</source>
        <extracomment>%1 is the address the player typed.</extracomment>
        <translation>No se pudo conectar con %1</translation>
    </message>
    <message>
        <source>disconnected!</source>
        <translation>¡desconectado!</translation>
    </message>
    <message>
        <source>Can not close while client is active!</source>
        <translation>¡No se puede cerrar mientras estés conectado!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_host</name>
    <message>
        <source>[ Host ] Quorvex Multiplayer - Beta1</source>
        <translation>[ Anfitrión ] Quorvex Multijugador - Beta1</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Nombre del servidor</translation>
    </message>
    <message>
        <source>Start server</source>
        <translation>Iniciar servidor</translation>
    </message>
    <message>
        <source>Stop server</source>
        <translation>Detener servidor</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Enlace copiado</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jugar otra vez</translation>
    </message>
    <message>
        <source>Client lost</source>
        <translation>Conexión con el rival perdida</translation>
    </message>
    <message>
        <source>Can not close while server is active!</source>
        <translation>¡No se puede cerrar mientras el servidor esté activo!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tstat</name>
    <message>
        <source>Game statistic</source>
        <translation>Estadísticas del juego</translation>
    </message>
    <message>
        <source>Double kills:</source>
        <translation>Dobles bajas:</translation>
    </message>
    <message>
        <source>Triple kills:</source>
        <translation>Triples bajas:</translation>
    </message>
    <message>
        <source>Master kills:</source>
        <translation>Bajas maestras:</translation>
    </message>
    <message>
        <source>Ultra kills:</source>
        <translation>Bajas ultra:</translation>
    </message>
    <message>
        <source># of games:</source>
        <translation>N.º de partidas:</translation>
    </message>
    <message>
        <source>Total hits:</source>
        <translation>Aciertos totales:</translation>
    </message>
    <message>
        <source>Total misses:</source>
        <translation>Fallos totales:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Víctimas matadas:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Dragones matados:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Dinero ganado:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Dinero perdido:</translation>
    </message>
</context>
<context>
    <name>qx::News</name>
    <message numerus="yes">
        <source>%n new lines</source>
        <extracomment>Spoken instead of a burst of more lines than are read out; %n is always more than one here.</extracomment>
        <translation>
            <numerusform>%n línea nueva</numerusform>
            <numerusform>%n líneas nuevas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qx::PictureCell</name>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <extracomment>A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.</extracomment>
        <translation>Casilla %1, fila %2, columna %3</translation>
    </message>
</context>
</TS>
