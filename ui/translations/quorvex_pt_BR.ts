<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Access</name>
    <message>
        <source>%1, not checked</source>
        <extracomment>A menu entry that is switched off, as a screen reader reads it; %1 is the entry.</extracomment>
        <translation>%1, não marcado</translation>
    </message>
</context>
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
    <message>
        <source>&quot;%1&quot; is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).</source>
        <extracomment>%1 is the link as given; HOST and PORT stand for a computer&apos;s name and a port number.</extracomment>
        <translation>&quot;%1&quot; não é um link de jogo do Quorvex (quorvex://HOST ou quorvex://HOST:PORTA).</translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>Bestätigung</source>
        <extracomment>The confirmation box&apos;s caption. Stays German in English; give your language&apos;s word.</extracomment>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <extracomment>The confirmation box&apos;s yes button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <extracomment>The confirmation box&apos;s no button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No web browser could be started for %1
Please open the address in a browser yourself.</source>
        <translation>Não foi possível abrir um navegador web para %1
Abra o endereço você mesmo em um navegador, por favor.</translation>
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
        <translation>Vítima</translation>
    </message>
    <message>
        <source>Victim hit</source>
        <translation>Vítima acertada</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragão</translation>
    </message>
    <message>
        <source>Dragon hit</source>
        <translation>Dragão acertado</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>unmarked</source>
        <translation>não marcada</translation>
    </message>
    <message>
        <source>marked, empty</source>
        <translation>marcada, vazia</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Close the open window first, then open the game link again.</source>
        <translation>Feche primeiro a janela aberta e depois abra o link de jogo de novo.</translation>
    </message>
    <message>
        <source>Disconnect first, then open the game link again.</source>
        <translation>Desconecte primeiro e depois abra o link de jogo de novo.</translation>
    </message>
</context>
<context>
    <name>GameLinks</name>
    <message>
        <source>Copy link %1</source>
        <extracomment>A context menu&apos;s entry; %1 is a link such as quorvex://192.0.2.7.</extracomment>
        <translation>Copiar link %1</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link copiado</translation>
    </message>
    <message>
        <source>Quorvex: game links cannot be taken at %1</source>
        <extracomment>On the terminal; %1 is a path and why a socket cannot listen there.</extracomment>
        <translation>Quorvex: não é possível receber links de jogo em %1</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>HostLog</name>
    <message>
        <source>Server active</source>
        <translation>Servidor ativo</translation>
    </message>
    <message>
        <source>Server closed</source>
        <translation>Servidor fechado</translation>
    </message>
    <message>
        <source>Server not listening, game no longer announced</source>
        <translation>O servidor não está escutando, o jogo não é mais anunciado</translation>
    </message>
    <message>
        <source>Router: port %1 open and for IPv6</source>
        <translation>Roteador: porta %1 aberta, também para IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open</source>
        <translation>Roteador: porta %1 aberta</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2 and for IPv6</source>
        <extracomment>%1 is the port, %2 the router&apos;s address on the internet.</extracomment>
        <translation>Roteador: porta %1 aberta em %2, também para IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2</source>
        <translation>Roteador: porta %1 aberta em %2</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6</source>
        <translation>Roteador: porta %1 aberta para IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6, not for IPv4 (%2)</source>
        <extracomment>%1 is the port, %2 why the router refused the port for IPv4.</extracomment>
        <translation>Roteador: porta %1 aberta para IPv6, não para IPv4 (%2)</translation>
    </message>
    <message>
        <source>Game announced as %1</source>
        <extracomment>The name was taken on the local network; %1 is the name the game got instead.</extracomment>
        <translation>Jogo anunciado como %1</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (not the default gateway)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Roteador: resposta de %1 ignorada (não é o gateway padrão)</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (its description is at another address)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Roteador: resposta de %1 ignorada (a descrição dele está em outro endereço)</translation>
    </message>
    <message>
        <source>Router: no port opened (%1)</source>
        <extracomment>%1 is why the router opened nothing.</extracomment>
        <translation>Roteador: nenhuma porta aberta (%1)</translation>
    </message>
    <message>
        <source>Router: port %1 closed</source>
        <translation>Roteador: porta %1 fechada</translation>
    </message>
    <message>
        <source>Router: port %1 not closed (%2)</source>
        <extracomment>%1 is the port, %2 why the router kept it open.</extracomment>
        <translation>Roteador: porta %1 não fechada (%2)</translation>
    </message>
    <message>
        <source>the router did not answer in time</source>
        <translation>o roteador não respondeu a tempo</translation>
    </message>
    <message>
        <source>no router answered</source>
        <translation>nenhum roteador respondeu</translation>
    </message>
    <message>
        <source>no answer from the default gateway</source>
        <extracomment>Answers came only from machines other than the default gateway.</extracomment>
        <translation>nenhuma resposta do gateway padrão</translation>
    </message>
    <message>
        <source>the router could not be asked (%1)</source>
        <extracomment>%1 is the system&apos;s message naming the library that could not be loaded.</extracomment>
        <translation>não foi possível consultar o roteador (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s description could not be read</source>
        <translation>não foi possível ler a descrição do roteador</translation>
    </message>
    <message>
        <source>the router&apos;s description names another address for its port mapping</source>
        <translation>a descrição do roteador indica outro endereço para o redirecionamento de portas</translation>
    </message>
    <message>
        <source>the router offers no port mapping</source>
        <translation>o roteador não oferece redirecionamento de portas</translation>
    </message>
    <message>
        <source>the router is not connected to the internet</source>
        <translation>o roteador não está conectado à internet</translation>
    </message>
    <message>
        <source>the router refused port %1: it is in use</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>o roteador recusou a porta %1: ela está em uso</translation>
    </message>
    <message>
        <source>the router refused port %1: not allowed</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>o roteador recusou a porta %1: não permitido</translation>
    </message>
    <message>
        <source>the router refused port %1: it has no free mappings</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>o roteador recusou a porta %1: não há redirecionamentos livres</translation>
    </message>
    <message>
        <source>the router refused port %1 (UPnP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>o roteador recusou a porta %1 (erro UPnP %2)</translation>
    </message>
    <message>
        <source>the router refused port %1 (NAT-PMP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>o roteador recusou a porta %1 (erro NAT-PMP %2)</translation>
    </message>
    <message>
        <source>the router refused it (UPnP error %1)</source>
        <extracomment>The router kept the port open; %1 is its error number.</extracomment>
        <translation>o roteador recusou (erro UPnP %1)</translation>
    </message>
</context>
<context>
    <name>LocalGames</name>
    <message>
        <source>Quorvex: no games on the local network: %1</source>
        <extracomment>On the terminal; %1 is why (a missing library, for one).</extracomment>
        <translation>Quorvex: nenhum jogo na rede local: %1</translation>
    </message>
    <message>
        <source>Address filled in: %1</source>
        <extracomment>Spoken once a game is chosen from the local network&apos;s list; %1 is its address.</extracomment>
        <translation>Endereço preenchido: %1</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Ready to bomb!!!</source>
        <translation>Hora de bombardear!!!</translation>
    </message>
    <message>
        <source>Only 5 fields max!</source>
        <translation>No máximo 5 casas!</translation>
    </message>
    <message numerus="yes">
        <source>%n fields left</source>
        <extracomment>The cells still to mark before the five bombs can be dropped.</extracomment>
        <translation>
            <numerusform>Falta %n casa</numerusform>
            <numerusform>Faltam %n casas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouterConsent</name>
    <message>
        <source>Ask the router to open the port</source>
        <translation>Pedir ao roteador para abrir a porta</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutBox</name>
    <message>
        <source>Quorvex v1.3 - made by the Quorvex team</source>
        <translation>Quorvex v1.3 - da equipe Quorvex</translation>
    </message>
    <message>
        <source>Write to us: quorvex.example.org</source>
        <translation>Contato: quorvex.example.org</translation>
    </message>
    <message>
        <source>Idea: the Victim-bombing web game of Zentrafell</source>
        <translation>Ideia: o jogo web de Zentrafell de bombardear Vítimas</translation>
    </message>
    <message>
        <source>and the grid game of the group&apos;s founder</source>
        <translation>e o jogo de grade do fundador do grupo</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Agradecimentos especiais a:</translation>
    </message>
    <message>
        <source>Victim No. 1 - for testing every pre-release</source>
        <translation>Vítima nº 1 - por testar cada pré-lançamento</translation>
    </message>
    <message>
        <source>the Dragon keeper - for the pictures</source>
        <translation>o guardião dos Dragões - pelas imagens</translation>
    </message>
    <message>
        <source>the net wizard - for the two-player game</source>
        <translation>o mago da rede - pelo jogo para dois</translation>
    </message>
    <message>
        <source>the proof reader - for help.txt</source>
        <translation>o revisor - pelo help.txt</translation>
    </message>
    <message>
        <source>the bug hunter - for every fault reported</source>
        <translation>o caçador de bugs - por cada falha relatada</translation>
    </message>
    <message>
        <source>the Quorvex forum at quorvex.example.org</source>
        <translation>o fórum do Quorvex em quorvex.example.org</translation>
    </message>
    <message>
        <source>and the whole Zentrafell community</source>
        <translation>e toda a comunidade Zentrafell</translation>
    </message>
    <message>
        <source>Thx to UPX for ~250Kb instead of ~800Kb .exe-size</source>
        <translation>Valeu, UPX, por ~250Kb em vez de ~800Kb de .exe</translation>
    </message>
    <message>
        <source>UPX, the executable packer: upx.github.io</source>
        <translation>UPX, o compactador de executáveis: upx.github.io</translation>
    </message>
    <message>
        <source>&quot;No Victim is safe.&quot;</source>
        <translation>&quot;Nenhuma Vítima está a salvo.&quot;</translation>
    </message>
    <message>
        <source>Quorvex (C) the Quorvex team - free to play and share</source>
        <translation>Quorvex (C) a equipe Quorvex - livre para jogar e compartilhar</translation>
    </message>
    <message>
        <source>Zentrafell web game (C) Zentrafell</source>
        <translation>Jogo web Zentrafell (C) Zentrafell</translation>
    </message>
    <message>
        <source>Grid game (C) the founder of Zentrafell</source>
        <translation>Jogo de grade (C) o fundador de Zentrafell</translation>
    </message>
    <message>
        <source>Zentrafell site</source>
        <translation>Zentrafell</translation>
    </message>
    <message>
        <source>Quorvex site (german)</source>
        <extracomment>The site is in German only.</extracomment>
        <translation>Quorvex (em alemão)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Quorvex logo</source>
        <translation>Logotipo do Quorvex</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fechar</translation>
    </message>
</context>
<context>
    <name>quorvex::TDelMenu</name>
    <message>
        <source>Delete savegame in %1?</source>
        <translation>Excluir o jogo salvo em %1?</translation>
    </message>
    <message>
        <source>Could not delete file &quot;%1.save&quot;. File not found or write protected</source>
        <translation>Não foi possível excluir o arquivo &quot;%1.save&quot;. Arquivo não encontrado ou protegido contra gravação</translation>
    </message>
    <message>
        <source>Savegame in %1 deleted!</source>
        <translation>Jogo salvo em %1 excluído!</translation>
    </message>
</context>
<context>
    <name>quorvex::THaupt</name>
    <message>
        <source>Double kill</source>
        <translation>Abate duplo</translation>
    </message>
    <message>
        <source>Triple kill!</source>
        <translation>Abate triplo!</translation>
    </message>
    <message>
        <source>Master kill!</source>
        <translation>Abate de mestre!</translation>
    </message>
    <message>
        <source>Ultra sadistic kill!</source>
        <extracomment>Five Victims hit with the five bombs of one turn.</extracomment>
        <translation>Abate ultrassádico!</translation>
    </message>
    <message>
        <source>Endless game</source>
        <translation>Jogo sem fim</translation>
    </message>
    <message numerus="yes">
        <source>%n killed Victims</source>
        <extracomment>A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.</extracomment>
        <translation>
            <numerusform>%n Vítima abatida</numerusform>
            <numerusform>%n Vítimas abatidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dead Victims</source>
        <translation>
            <numerusform>%n Vítima morta</numerusform>
            <numerusform>%n Vítimas mortas</numerusform>
        </translation>
    </message>
    <message>
        <source>game type</source>
        <extracomment>The game-type label before any game is started.</extracomment>
        <translation>modo de jogo</translation>
    </message>
    <message numerus="yes">
        <source>Congratulation! You won! Your Money after killing %n Victims is $%1!</source>
        <extracomment>%n is 100 or 200, %1 the money held at the end (may be negative).</extracomment>
        <translation>
            <numerusform>Parabéns! Você venceu! Seu dinheiro depois de matar %n Vítima é $%1!</numerusform>
            <numerusform>Parabéns! Você venceu! Seu dinheiro depois de matar %n Vítimas é $%1!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Victims Bombed! %n hits, %1 miss -- %2</source>
        <extracomment>The status bar after a turn: %n cells hit of five, %1 missed (5 - %n), %2 the turn&apos;s gain or loss (&quot;+$222&quot;, &quot;-$100&quot;).</extracomment>
        <translation>
            <numerusform>Vítimas bombardeadas! Acertos: %n, erros: %1 -- %2</numerusform>
            <numerusform>Vítimas bombardeadas! Acertos: %n, erros: %1 -- %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No marks left, ready to bomb</source>
        <translation>Nenhuma marca restante, pronto para bombardear</translation>
    </message>
    <message>
        <source>1 mark left</source>
        <extracomment>Spoken after a mark: one mark still to make.</extracomment>
        <translation>Falta 1 marca</translation>
    </message>
    <message numerus="yes">
        <source>%n marks left</source>
        <extracomment>Spoken after a mark; %n is 2 to 5 (one mark left has its own text).</extracomment>
        <translation>
            <numerusform>Falta %n marca</numerusform>
            <numerusform>Faltam %n marcas</numerusform>
        </translation>
    </message>
    <message>
        <source>Player &quot;%1&quot;</source>
        <extracomment>The player&apos;s name as the settings hold it, in quotes.</extracomment>
        <translation>Jogador &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The statistics could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Não foi possível salvar as estatísticas.
%1</translation>
    </message>
    <message>
        <source>Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team</source>
        <translation>Quorvex v1.3 PRE-RELEASE 3 - um jogo da equipe Quorvex</translation>
    </message>
    <message>
        <source>Quorvex start picture</source>
        <translation>Imagem de abertura do Quorvex</translation>
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
        <translation>escrito pela equipe Quorvex</translation>
    </message>
    <message>
        <source>Found a fault? Report it in the project&apos;s issue tracker.</source>
        <translation>Encontrou uma falha? Relate no rastreador de problemas do projeto.</translation>
    </message>
    <message>
        <source>Money: $</source>
        <translation>Saldo: $</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Vítimas</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Dragões</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation>Bombardeie aqui</translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Vítimas bombardeadas:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Dragões bombardeados:</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Gain per Victim:</source>
        <translation>Ganho por Vítima:</translation>
    </message>
    <message>
        <source>Loss per Dragon:</source>
        <translation>Perda por Dragão:</translation>
    </message>
    <message>
        <source>Total gain / loss:</source>
        <translation>Balanço total:</translation>
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
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Singleplayer</source>
        <translation>Um jogador</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carregar jogo</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salvar jogo</translation>
    </message>
    <message>
        <source>Delete savegame</source>
        <translation>Excluir jogo salvo</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation>Multijogador</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Hospedar jogo</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Entrar em jogo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>%1 (german)</source>
        <extracomment>%1 is the web site&apos;s name; the site is in German only.</extracomment>
        <translation>%1 (em alemão)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Your settings, statistics and savegames cannot be kept.
%1</source>
        <translation>Não é possível guardar suas configurações, estatísticas e jogos salvos.
%1</translation>
    </message>
    <message>
        <source>Save game [ $%1 ]</source>
        <extracomment>The menu entry with the price the next save costs.</extracomment>
        <translation>Salvar jogo [ $%1 ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <translation>Vítimas bombardeadas: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <translation>Dragões bombardeados: %1</translation>
    </message>
    <message>
        <source>New game: %1</source>
        <translation>Novo jogo: %1</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Recordes</translation>
    </message>
</context>
<context>
    <name>quorvex::THelp</name>
    <message>
        <source>Loading help.txt, please wait...</source>
        <translation>Carregando help.txt, aguarde...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ajuda</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fechar</translation>
    </message>
    <message>
        <source>Could not load help.txt!
Please obtain an original copy of Quorvex_v13.zip,
or unpack the zip-file with all included files.</source>
        <extracomment>Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.</extracomment>
        <translation>Não foi possível carregar help.txt!
Obtenha uma cópia original de Quorvex_v13.zip
ou descompacte o arquivo zip com todos os arquivos incluídos.</translation>
    </message>
    <message>
        <source>help.txt is there but could not be read:
%1
Please check that you may read the file.</source>
        <extracomment>%1 is the system&apos;s cause, on a line of its own; help.txt is the file&apos;s name.</extracomment>
        <translation>help.txt está lá, mas não pôde ser lido:
%1
Verifique se você tem permissão para ler o arquivo.</translation>
    </message>
</context>
<context>
    <name>quorvex::TLadenMenu</name>
    <message>
        <source>Could not load from file &quot;%1&quot;.\nFile not found.</source>
        <extracomment>%1 is the slot&apos;s file name without &quot;.save&quot; (Slot1); the \n is shown as it is, two characters.</extracomment>
        <translation>Não foi possível carregar do arquivo &quot;%1&quot;.\nArquivo não encontrado.</translation>
    </message>
</context>
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Nickname</source>
        <translation>Apelido</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Mensagem de chat</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation>Bombardeie aqui</translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <extracomment>The bomb button: the game&apos;s name as a battle cry.</extracomment>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Vítimas bombardeadas:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Dragões bombardeados:</translation>
    </message>
    <message>
        <source>[ result ]</source>
        <extracomment>A result label before any bombing.</extracomment>
        <translation>[ resultado ]</translation>
    </message>
    <message>
        <source>.... idle ...</source>
        <extracomment>The status panel before a game.</extracomment>
        <translation>.... aguardando ...</translation>
    </message>
    <message>
        <source> Set here </source>
        <translation> Posicione aqui </translation>
    </message>
    <message>
        <source>1st click: place Victim</source>
        <translation>1º clique: pôr Vítima</translation>
    </message>
    <message>
        <source>2nd click: place Dragon</source>
        <translation>2º clique: pôr Dragão</translation>
    </message>
    <message>
        <source>3rd click: place nothing</source>
        <translation>3º clique: deixar vazia</translation>
    </message>
    <message>
        <source>Victims left:</source>
        <translation>Vítimas:</translation>
    </message>
    <message>
        <source>Dragons left:</source>
        <translation>Dragões:</translation>
    </message>
    <message>
        <source>Send battlefield</source>
        <translation>Enviar campo de batalha</translation>
    </message>
    <message>
        <source>Battlefield result %1</source>
        <extracomment>The result labels&apos; names for a screen reader; %1 is the result they show.</extracomment>
        <translation>Resultado do campo de batalha %1</translation>
    </message>
    <message>
        <source>Bomb result %1</source>
        <translation>Resultado das bombas %1</translation>
    </message>
    <message>
        <source>conn. w/ &quot;%1&quot;</source>
        <extracomment>The connection with the player %1 is up.</extracomment>
        <translation>conectado com &quot;%1&quot;</translation>
    </message>
    <message>
        <source>[game] All positions send!</source>
        <extracomment>&quot;[game]&quot; marks the game&apos;s own notes in the log.</extracomment>
        <translation>[jogo] Todas as posições enviadas!</translation>
    </message>
    <message>
        <source>[game] All positions received!</source>
        <translation>[jogo] Todas as posições recebidas!</translation>
    </message>
    <message>
        <source>[game] new game started</source>
        <extracomment>The host started the next game.</extracomment>
        <translation>[jogo] novo jogo iniciado</translation>
    </message>
    <message>
        <source>[game] new game started!</source>
        <extracomment>This player, the host, started the next game.</extracomment>
        <translation>[jogo] novo jogo iniciado!</translation>
    </message>
    <message>
        <source>[game] Invalid position ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[jogo] Posição inválida ignorada: %1</translation>
    </message>
    <message>
        <source>[game] Extra Victim ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[jogo] Vítima a mais ignorada: %1</translation>
    </message>
    <message>
        <source>[game] Extra Dragon ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[jogo] Dragão a mais ignorado: %1</translation>
    </message>
    <message>
        <source>[game] Over-long line ignored.</source>
        <translation>[jogo] Linha longa demais ignorada.</translation>
    </message>
    <message>
        <source>[game] %1 won!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[jogo] %1 venceu!</translation>
    </message>
    <message>
        <source>[game] %1 lost!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[jogo] %1 perdeu!</translation>
    </message>
    <message>
        <source>[game] %1 bombed a draw!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[jogo] %1 bombardeou um empate!</translation>
    </message>
    <message>
        <source>[game] Game resumed.</source>
        <extracomment>The same two players met again after a lost line and go on with their game.</extracomment>
        <translation>[jogo] Jogo retomado.</translation>
    </message>
    <message>
        <source>sending positions...</source>
        <translation>enviando posições...</translation>
    </message>
    <message>
        <source>receiving positions...</source>
        <translation>recebendo posições...</translation>
    </message>
    <message>
        <source>please bomb now</source>
        <translation>bombardeie agora</translation>
    </message>
    <message>
        <source>awaiting positions...</source>
        <translation>aguardando posições...</translation>
    </message>
    <message>
        <source>please set up your battlefield</source>
        <translation>monte seu campo de batalha</translation>
    </message>
    <message>
        <source>[ You won ]</source>
        <translation>[ Você venceu ]</translation>
    </message>
    <message>
        <source>[ You lost ]</source>
        <translation>[ Você perdeu ]</translation>
    </message>
    <message>
        <source>[ Draw ]</source>
        <translation>[ Empate ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Victims this bombing hit.</extracomment>
        <translation>Vítimas bombardeadas: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Dragons this bombing hit.</extracomment>
        <translation>Dragões bombardeados: %1</translation>
    </message>
    <message>
        <source>1 Victim</source>
        <extracomment>A count inside a sentence (&quot;1 Victim and 2 Dragons hit&quot;).</extracomment>
        <translation>1 Vítima</translation>
    </message>
    <message numerus="yes">
        <source>%n Victims</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Vítima</numerusform>
            <numerusform>%n Vítimas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 Dragon</source>
        <extracomment>A count inside a sentence (&quot;2 Victims and 1 Dragon hit&quot;).</extracomment>
        <translation>1 Dragão</translation>
    </message>
    <message numerus="yes">
        <source>%n Dragons</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Dragão</numerusform>
            <numerusform>%n Dragões</numerusform>
        </translation>
    </message>
    <message>
        <source>Bomb result: You won, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Resultado da bomba: você venceu, %1 e %2 atingidos</translation>
    </message>
    <message>
        <source>Bomb result: You lost, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Resultado da bomba: você perdeu, %1 e %2 atingidos</translation>
    </message>
    <message>
        <source>Bomb result: Draw, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Resultado da bomba: empate, %1 e %2 atingidos</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and won.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 bombardeou seu campo de batalha e venceu.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and lost.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 bombardeou seu campo de batalha e perdeu.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield to a draw.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 bombardeou seu campo de batalha: empate.</translation>
    </message>
    <message>
        <source>All figures placed, ready to send</source>
        <extracomment>Spoken once all five Victims and five Dragons stand on the own battlefield.</extracomment>
        <translation>Todas as figuras posicionadas, pronto para enviar</translation>
    </message>
    <message>
        <source>%1 and %2 left to place</source>
        <extracomment>Spoken after a figure is placed; %1 the Victims still to place (&quot;4 Victims&quot;), %2 the Dragons.</extracomment>
        <translation>Faltam posicionar: %1 e %2</translation>
    </message>
    <message>
        <source>Connection closed gracefully.</source>
        <translation>Conexão encerrada normalmente.</translation>
    </message>
    <message>
        <source>Connection reset by peer.</source>
        <translation>Conexão redefinida pelo outro lado.</translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation>Não conectado.</translation>
    </message>
    <message>
        <source>Max line length exceeded.</source>
        <translation>Comprimento máximo de linha excedido.</translation>
    </message>
    <message>
        <source>Connect timed out.</source>
        <translation>Tempo de conexão esgotado.</translation>
    </message>
    <message>
        <source>Connect cancelled.</source>
        <translation>Conexão cancelada.</translation>
    </message>
    <message>
        <source>Already connected.</source>
        <translation>Já conectado.</translation>
    </message>
    <message>
        <source>Terminate thread timeout.</source>
        <extracomment>Stopping the server waited too long for the connection to end.</extracomment>
        <translation>A conexão não terminou a tempo.</translation>
    </message>
    <message>
        <source>Connection lost: the peer stopped answering.</source>
        <translation>Conexão perdida: o outro lado parou de responder.</translation>
    </message>
    <message>
        <source>Connection closed: the peer stopped taking data.</source>
        <translation>Conexão encerrada: o outro lado parou de receber dados.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erro desconhecido.</translation>
    </message>
    <message>
        <source>Cannot send a line that holds a line break.</source>
        <translation>Não é possível enviar uma linha com quebra de linha.</translation>
    </message>
    <message>
        <source>No nickname received in time.</source>
        <extracomment>The other player&apos;s game did not send its player name in time.</extracomment>
        <translation>Nenhum apelido recebido a tempo.</translation>
    </message>
    <message>
        <source>Could not create an event: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Não foi possível criar um evento: %1.</translation>
    </message>
    <message>
        <source>Could not create socket: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Não foi possível criar o socket: %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Não foi possível criar um pipe: %1.</translation>
    </message>
    <message>
        <source>Could not send: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Não foi possível enviar: %1.</translation>
    </message>
    <message>
        <source>Could not wait for data: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Não foi possível aguardar dados: %1.</translation>
    </message>
    <message>
        <source>Could not receive: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Não foi possível receber: %1.</translation>
    </message>
    <message>
        <source>Could not wait for connections: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Não foi possível aguardar conexões: %1.</translation>
    </message>
    <message>
        <source>Could not accept a connection: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Não foi possível aceitar uma conexão: %1.</translation>
    </message>
    <message>
        <source>Could not read the bound port: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Não foi possível ler a porta vinculada: %1.</translation>
    </message>
    <message>
        <source>Could not bind socket to port %1: %2.</source>
        <extracomment>%1 is the port, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível vincular o socket à porta %1: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1:%2: %3.</source>
        <extracomment>%1 is the host, %2 the port, %3 the system&apos;s reason.</extracomment>
        <translation>Não foi possível conectar a %1:%2: %3.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: no address.</source>
        <extracomment>%1 is the host&apos;s name as typed; it has no address.</extracomment>
        <translation>Não foi possível resolver o host “%1”: sem endereço.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the host&apos;s name as typed, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível resolver o host “%1”: %2.</translation>
    </message>
    <message>
        <source>Invalid port %1.</source>
        <extracomment>%1 is the port number that cannot be used.</extracomment>
        <translation>Porta %1 inválida.</translation>
    </message>
</context>
<context>
    <name>quorvex::TRecords</name>
    <message>
        <source>Your name for the new record</source>
        <translation>Seu nome para o novo recorde</translation>
    </message>
    <message>
        <source>New record: place %1, $%2</source>
        <extracomment>A new row in a records table as a screen reader tells it; %1 is the place (1 to 10), %2 the money.</extracomment>
        <translation>Novo recorde: %1º lugar, $%2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>100 Victims</source>
        <extracomment>The tabs of the records window, one per game mode.</extracomment>
        <translation>100 Vítimas</translation>
    </message>
    <message>
        <source>200 Victims</source>
        <translation>200 Vítimas</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Sem fim</translation>
    </message>
    <message>
        <source> Over every run </source>
        <translation> De todas as sessões </translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Dinheiro</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Rodadas</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Dragões</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Carregado</translation>
    </message>
    <message>
        <source>Endless games started:</source>
        <translation>Jogos sem fim iniciados:</translation>
    </message>
    <message>
        <source>Games of 100 started:</source>
        <translation>Jogos de 100 iniciados:</translation>
    </message>
    <message>
        <source>Games of 100 won:</source>
        <translation>Jogos de 100 vencidos:</translation>
    </message>
    <message>
        <source>Games of 200 started:</source>
        <translation>Jogos de 200 iniciados:</translation>
    </message>
    <message>
        <source>Games of 200 won:</source>
        <translation>Jogos de 200 vencidos:</translation>
    </message>
    <message>
        <source>Turns:</source>
        <translation>Rodadas:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Vítimas mortas:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Dragões mortos:</translation>
    </message>
    <message>
        <source>Best kill streak:</source>
        <translation>Melhor sequência de abates:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Dinheiro ganho:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Dinheiro perdido:</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks an entry of a game taken up from a savegame slot.</extracomment>
        <translation>sim</translation>
    </message>
    <message>
        <source>The records file was damaged. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the damaged file now has.</extracomment>
        <translation>O arquivo de recordes estava danificado. Ele foi guardado como &quot;%1&quot; e um novo foi iniciado.</translation>
    </message>
    <message>
        <source>The records file was not made by this version of the game. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the unknown file now has.</extracomment>
        <translation>O arquivo de recordes não foi criado por esta versão do jogo. Ele foi guardado como &quot;%1&quot; e um novo foi iniciado.</translation>
    </message>
    <message>
        <source>The records could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Não foi possível salvar os recordes.
%1</translation>
    </message>
    <message>
        <source>Clear every record and the figures over every run?</source>
        <translation>Limpar todos os recordes e os números de todas as sessões?</translation>
    </message>
</context>
<context>
    <name>quorvex::TSetup</name>
    <message>
        <source>Please enter your name for singleplayer games</source>
        <translation>Digite seu nome para os jogos de um jogador</translation>
    </message>
    <message>
        <source>Please enter your name for multiplayer games</source>
        <translation>Digite seu nome para os jogos multijogador</translation>
    </message>
    <message>
        <source>Please enter your servername for multiplayer games</source>
        <translation>Digite o nome do seu servidor para os jogos multijogador</translation>
    </message>
    <message>
        <source>Config of sadism</source>
        <translation>Configurações do sadismo</translation>
    </message>
    <message>
        <source>Name - Singleplayer</source>
        <translation>Nome - Um jogador</translation>
    </message>
    <message>
        <source>Name - Multiplayer</source>
        <translation>Nome - Multijogador</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Nome do servidor</translation>
    </message>
    <message>
        <source>show splash-screen</source>
        <translation>tela de abertura</translation>
    </message>
    <message>
        <source>fade effect</source>
        <translation>efeito de transição</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fechar</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>voltar</translation>
    </message>
    <message>
        <source>default</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>restore defaults?</source>
        <translation>restaurar os padrões?</translation>
    </message>
    <message>
        <source>The settings could not be saved to setup.ini.
%1
They stay in effect until the program ends.</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own; setup.ini is the file&apos;s name.</extracomment>
        <translation>Não foi possível salvar as configurações em setup.ini.
%1
Elas valem até o programa terminar.</translation>
    </message>
</context>
<context>
    <name>quorvex::TSlotDialog</name>
    <message>
        <source>No data present</source>
        <translation>Sem dados</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, %2, $%3, Victims %4, Dragons %5</source>
        <extracomment>What a slot holds, told by its buttons: name, game type, money, the two counters.</extracomment>
        <translation>&quot;%1&quot;, %2, $%3, Vítimas %4, Dragões %5</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Slot %1</translation>
    </message>
    <message>
        <source>type</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Vítimas</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Dragões</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fechar</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salvar jogo</translation>
    </message>
    <message>
        <source>save</source>
        <translation>salvar</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carregar jogo</translation>
    </message>
    <message>
        <source>load</source>
        <translation>carregar</translation>
    </message>
    <message>
        <source>Manage savegames</source>
        <translation>Gerenciar jogos salvos</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>excluir</translation>
    </message>
</context>
<context>
    <name>quorvex::TSpeicherMenu</name>
    <message>
        <source>current price for saving: $</source>
        <translation>preço atual para salvar: $</translation>
    </message>
    <message>
        <source>overwrite</source>
        <translation>sobrescrever</translation>
    </message>
    <message>
        <source>Savegame already exists. Overwrite?</source>
        <translation>Já existe um jogo salvo. Sobrescrever?</translation>
    </message>
    <message>
        <source>Saved to slot %1 for $%2</source>
        <translation>Salvo no slot %1 por $%2</translation>
    </message>
</context>
<context>
    <name>quorvex::TSplashScr</name>
    <message>
        <source>Quorvex logo</source>
        <translation>Logotipo do Quorvex</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_client</name>
    <message>
        <source>[ Client ]  Quorvex Multiplayer - Beta1</source>
        <translation>[ Entrar ]  Quorvex Multijogador - Beta1</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Endereço</translation>
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
        <translation>Não foi possível conectar a %1</translation>
    </message>
    <message>
        <source>disconnected!</source>
        <translation>desconectado!</translation>
    </message>
    <message>
        <source>Can not close while client is active!</source>
        <translation>Não é possível fechar enquanto você está conectado!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_host</name>
    <message>
        <source>[ Host ] Quorvex Multiplayer - Beta1</source>
        <translation>[ Anfitrião ] Quorvex Multijogador - Beta1</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Nome do servidor</translation>
    </message>
    <message>
        <source>Start server</source>
        <translation>Iniciar servidor</translation>
    </message>
    <message>
        <source>Stop server</source>
        <translation>Parar servidor</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link copiado</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jogar de novo</translation>
    </message>
    <message>
        <source>Client lost</source>
        <translation>Conexão com o adversário perdida</translation>
    </message>
    <message>
        <source>Can not close while server is active!</source>
        <translation>Não é possível fechar enquanto o servidor está ativo!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tstat</name>
    <message>
        <source>Game statistic</source>
        <translation>Estatísticas do jogo</translation>
    </message>
    <message>
        <source>Double kills:</source>
        <translation>Abates duplos:</translation>
    </message>
    <message>
        <source>Triple kills:</source>
        <translation>Abates triplos:</translation>
    </message>
    <message>
        <source>Master kills:</source>
        <translation>Abates mestres:</translation>
    </message>
    <message>
        <source>Ultra kills:</source>
        <translation>Abates ultra:</translation>
    </message>
    <message>
        <source># of games:</source>
        <translation>Nº de jogos:</translation>
    </message>
    <message>
        <source>Total hits:</source>
        <translation>Total de acertos:</translation>
    </message>
    <message>
        <source>Total misses:</source>
        <translation>Total de erros:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Vítimas mortas:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Dragões mortos:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Dinheiro ganho:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Dinheiro perdido:</translation>
    </message>
</context>
<context>
    <name>qx::News</name>
    <message numerus="yes">
        <source>%n new lines</source>
        <extracomment>Spoken instead of a burst of more lines than are read out; %n is always more than one here.</extracomment>
        <translation>
            <numerusform>%n nova linha</numerusform>
            <numerusform>%n novas linhas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qx::PictureCell</name>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <extracomment>A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.</extracomment>
        <translation>Casa %1, linha %2, coluna %3</translation>
    </message>
</context>
</TS>
