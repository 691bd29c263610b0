<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 in the folder the game is started in</source>
        <translation>%1 na pasta em que o jogo é iniciado</translation>
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

Inicia o jogo Quorvex: uma grade de 5 por 5, para um jogador ou para dois
pela rede (porta TCP 9999).

  LINK           quorvex://HOST ou quorvex://HOST:PORTA, um endereço IPv6
                 entre colchetes (quorvex://[2001:db8::5]): abre a janela de
                 entrar em jogo com esse endereço já preenchido. Um jogo que
                 já está aberto recebe o link no lugar.
  -h, --help     mostrar esta ajuda e sair
  --version      mostrar a versão e sair

</translation>
    </message>
    <message>
        <source>Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and
Slot1.save to Slot3.save (savegames) in %1
</source>
        <translation>Arquivos: setup.ini (configurações), Quorvex.stat (estatísticas da última
sessão) e Slot1.save a Slot3.save (jogos salvos) em %1
</translation>
    </message>
    <message>
        <source>Help text: %1
</source>
        <translation>Texto de ajuda: %1
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opção desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>only one game link, please</source>
        <translation>só um link de jogo, por favor</translation>
    </message>
</context>
</TS>
