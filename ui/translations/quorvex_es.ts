<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</context>
</TS>
