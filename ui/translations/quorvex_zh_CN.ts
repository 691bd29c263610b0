<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 in the folder the game is started in</source>
        <translation>启动游戏时所在文件夹中的 %1</translation>
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
        <translation>用法：quorvex [链接]
      quorvex --help | --version

启动游戏 Quorvex：一个 5×5 的网格，可单人游戏，
也可两人联网对战（TCP 端口 9999）。

  链接           quorvex://主机 或 quorvex://主机:端口，IPv6 地址
                 放在方括号中（quorvex://[2001:db8::5]）：打开客户端
                 窗口并填好该地址。如果游戏已在运行，则由它接收该链接。
  -h, --help     显示此帮助并退出
  --version      显示版本并退出

</translation>
    </message>
    <message>
        <source>Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and
Slot1.save to Slot3.save (savegames) in %1
</source>
        <translation>文件：setup.ini（设置）、Quorvex.stat（上次游戏的统计）和
Slot1.save 至 Slot3.save（存档）位于 %1
</translation>
    </message>
    <message>
        <source>Help text: %1
</source>
        <translation>帮助文本：%1
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>only one game link, please</source>
        <translation>请只给一个游戏链接</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).</source>
        <extracomment>%1 is the link as given; HOST and PORT stand for a computer&apos;s name and a port number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>Bestätigung</source>
        <extracomment>The confirmation box&apos;s caption. Stays German in English; give your language&apos;s word.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <extracomment>The confirmation box&apos;s yes button, German in English too; &amp; marks the access key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <extracomment>The confirmation box&apos;s no button, German in English too; &amp; marks the access key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No web browser could be started for %1
Please open the address in a browser yourself.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldPictures</name>
    <message>
        <source>marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Victim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Victim hit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragon hit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unmarked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marked, empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Close the open window first, then open the game link again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect first, then open the game link again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameLinks</name>
    <message>
        <source>Copy link %1</source>
        <extracomment>A context menu&apos;s entry; %1 is a link such as quorvex://192.0.2.7.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvex: game links cannot be taken at %1</source>
        <extracomment>On the terminal; %1 is a path and why a socket cannot listen there.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HostLog</name>
    <message>
        <source>the router did not answer in time</source>
        <translation>路由器未及时响应</translation>
    </message>
    <message>
        <source>no router answered</source>
        <translation>没有路由器响应</translation>
    </message>
    <message>
        <source>no answer from the default gateway</source>
        <extracomment>Answers came only from machines other than the default gateway.</extracomment>
        <translation>默认网关没有响应</translation>
    </message>
    <message>
        <source>the router could not be asked (%1)</source>
        <extracomment>%1 is the system&apos;s message naming the library that could not be loaded.</extracomment>
        <translation>无法询问路由器 (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s description could not be read</source>
        <translation>无法读取路由器的描述</translation>
    </message>
    <message>
        <source>the router&apos;s description names another address for its port mapping</source>
        <translation>路由器的描述为端口映射指定了另一个地址</translation>
    </message>
    <message>
        <source>the router offers no port mapping</source>
        <translation>路由器不提供端口映射</translation>
    </message>
    <message>
        <source>the router is not connected to the internet</source>
        <translation>路由器未连接到互联网</translation>
    </message>
    <message>
        <source>the router refused port %1: it is in use</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>路由器拒绝了端口 %1：该端口已被占用</translation>
    </message>
    <message>
        <source>the router refused port %1: not allowed</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>路由器拒绝了端口 %1：不允许</translation>
    </message>
    <message>
        <source>the router refused port %1: it has no free mappings</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>路由器拒绝了端口 %1：没有空闲的映射</translation>
    </message>
    <message>
        <source>the router refused port %1 (UPnP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>路由器拒绝了端口 %1 (UPnP 错误 %2)</translation>
    </message>
    <message>
        <source>the router refused port %1 (NAT-PMP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>路由器拒绝了端口 %1 (NAT-PMP 错误 %2)</translation>
    </message>
    <message>
        <source>the router refused it (UPnP error %1)</source>
        <extracomment>The router kept the port open; %1 is its error number.</extracomment>
        <translation>路由器拒绝了 (UPnP 错误 %1)</translation>
    </message>
    <message>
        <source>Server active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server not listening, game no longer announced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Router: port %1 open and for IPv6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Router: port %1 open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Router: port %1 open at %2 and for IPv6</source>
        <extracomment>%1 is the port, %2 the router&apos;s address on the internet.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Router: port %1 open at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6, not for IPv4 (%2)</source>
        <extracomment>%1 is the port, %2 why the router refused the port for IPv4.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game announced as %1</source>
        <extracomment>The name was taken on the local network; %1 is the name the game got instead.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (not the default gateway)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (its description is at another address)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Router: no port opened (%1)</source>
        <extracomment>%1 is why the router opened nothing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Router: port %1 closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Router: port %1 not closed (%2)</source>
        <extracomment>%1 is the port, %2 why the router kept it open.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocalGames</name>
    <message>
        <source>Quorvex: no games on the local network: %1</source>
        <extracomment>On the terminal; %1 is why (a missing library, for one).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Ready to bomb!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only 5 fields max!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n fields left</source>
        <extracomment>The cells still to mark before the five bombs can be dropped.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouterConsent</name>
    <message>
        <source>Ask the router to open the port</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutBox</name>
    <message>
        <source>Quorvex v1.3 - made by the Quorvex team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to us: quorvex.example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idea: the Victim-bombing web game of Zentrafell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and the grid game of the group&apos;s founder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Victim No. 1 - for testing every pre-release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Dragon keeper - for the pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the net wizard - for the two-player game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the proof reader - for help.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bug hunter - for every fault reported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Quorvex forum at quorvex.example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and the whole Zentrafell community</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thx to UPX for ~250Kb instead of ~800Kb .exe-size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UPX, the executable packer: upx.github.io</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;No Victim is safe.&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvex (C) the Quorvex team - free to play and share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrafell web game (C) Zentrafell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid game (C) the founder of Zentrafell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrafell site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvex site (german)</source>
        <extracomment>The site is in German only.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvex logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::TDelMenu</name>
    <message>
        <source>Delete savegame in %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not delete file &quot;%1.save&quot;. File not found or write protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savegame in %1 deleted!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::THaupt</name>
    <message>
        <source>Double kill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triple kill!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master kill!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultra sadistic kill!</source>
        <extracomment>Five Victims hit with the five bombs of one turn.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Endless game</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n killed Victims</source>
        <extracomment>A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dead Victims</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>game type</source>
        <extracomment>The game-type label before any game is started.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Congratulation! You won! Your Money after killing %n Victims is $%1!</source>
        <extracomment>%n is 100 or 200, %1 the money held at the end (may be negative).</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Victims Bombed! %n hits, %1 miss -- %2</source>
        <extracomment>The status bar after a turn: %n cells hit of five, %1 missed (5 - %n), %2 the turn&apos;s gain or loss (&quot;+$222&quot;, &quot;-$100&quot;).</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No marks left, ready to bomb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 mark left</source>
        <extracomment>Spoken after a mark: one mark still to make.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n marks left</source>
        <extracomment>Spoken after a mark; %n is 2 to 5 (one mark left has its own text).</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Player &quot;%1&quot;</source>
        <extracomment>The player&apos;s name as the settings hold it, in quotes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvex start picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvex v1.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRE-RELEASE 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written by the Quorvex team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found a fault? Report it in the project&apos;s issue tracker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money: $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Victims</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain per Victim:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loss per Dragon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total gain / loss:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miss:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money:</source>
        <extracomment>The money figure as a screen reader names it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singleplayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete savegame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (german)</source>
        <extracomment>%1 is the web site&apos;s name; the site is in German only.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings, statistics and savegames cannot be kept.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save game [ $%1 ]</source>
        <extracomment>The menu entry with the price the next save costs.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::THelp</name>
    <message>
        <source>Loading help.txt, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load help.txt!
Please obtain an original copy of Quorvex_v13.zip,
or unpack the zip-file with all included files.</source>
        <extracomment>Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>help.txt is there but could not be read:
%1
Please check that you may read the file.</source>
        <extracomment>%1 is the system&apos;s cause, on a line of its own; help.txt is the file&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::TLadenMenu</name>
    <message>
        <source>Could not load from file &quot;%1&quot;.\nFile not found.</source>
        <extracomment>%1 is the slot&apos;s file name without &quot;.save&quot; (Slot1); the \n is shown as it is, two characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Nickname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <extracomment>The bomb button: the game&apos;s name as a battle cry.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ result ]</source>
        <extracomment>A result label before any bombing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.... idle ...</source>
        <extracomment>The status panel before a game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Set here </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st click: place Victim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd click: place Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd click: place nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Victims left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragons left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send battlefield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battlefield result %1</source>
        <extracomment>The result labels&apos; names for a screen reader; %1 is the result they show.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bomb result %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conn. w/ &quot;%1&quot;</source>
        <extracomment>The connection with the player %1 is up.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] All positions send!</source>
        <extracomment>&quot;[game]&quot; marks the game&apos;s own notes in the log.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] All positions received!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] new game started</source>
        <extracomment>The host started the next game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] new game started!</source>
        <extracomment>This player, the host, started the next game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] Invalid position ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] Extra Victim ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] Extra Dragon ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] Over-long line ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] %1 won!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] %1 lost!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] %1 bombed a draw!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[game] Game resumed.</source>
        <extracomment>The same two players met again after a lost line and go on with their game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending positions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receiving positions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please bomb now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>awaiting positions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please set up your battlefield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ You won ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ You lost ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ Draw ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Victims this bombing hit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Dragons this bombing hit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection closed gracefully.</source>
        <translation>连接已正常关闭。</translation>
    </message>
    <message>
        <source>Connection reset by peer.</source>
        <translation>连接被对方重置。</translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation>未连接。</translation>
    </message>
    <message>
        <source>Max line length exceeded.</source>
        <translation>超出最大行长度。</translation>
    </message>
    <message>
        <source>Connect timed out.</source>
        <translation>连接超时。</translation>
    </message>
    <message>
        <source>Connect cancelled.</source>
        <translation>连接已取消。</translation>
    </message>
    <message>
        <source>Already connected.</source>
        <translation>已经连接。</translation>
    </message>
    <message>
        <source>Terminate thread timeout.</source>
        <extracomment>Stopping the server waited too long for the connection to end.</extracomment>
        <translation>连接未能及时结束。</translation>
    </message>
    <message>
        <source>Connection lost: the peer stopped answering.</source>
        <translation>连接丢失：对方不再响应。</translation>
    </message>
    <message>
        <source>Connection closed: the peer stopped taking data.</source>
        <translation>连接已关闭：对方不再接收数据。</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>未知错误。</translation>
    </message>
    <message>
        <source>Cannot send a line that holds a line break.</source>
        <translation>无法发送含有换行符的行。</translation>
    </message>
    <message>
        <source>No nickname received in time.</source>
        <extracomment>The other player&apos;s game did not send its player name in time.</extracomment>
        <translation>未及时收到昵称。</translation>
    </message>
    <message>
        <source>Could not create an event: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>无法创建事件：%1。</translation>
    </message>
    <message>
        <source>Could not create socket: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>无法创建套接字：%1。</translation>
    </message>
    <message>
        <source>Could not create a pipe: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>无法创建管道：%1。</translation>
    </message>
    <message>
        <source>Could not send: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>无法发送：%1。</translation>
    </message>
    <message>
        <source>Could not wait for data: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>无法等待数据：%1。</translation>
    </message>
    <message>
        <source>Could not receive: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>无法接收：%1。</translation>
    </message>
    <message>
        <source>Could not wait for connections: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>无法等待连接：%1。</translation>
    </message>
    <message>
        <source>Could not accept a connection: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>无法接受连接：%1。</translation>
    </message>
    <message>
        <source>Could not read the bound port: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>无法读取绑定的端口：%1。</translation>
    </message>
    <message>
        <source>Could not bind socket to port %1: %2.</source>
        <extracomment>%1 is the port, %2 the system&apos;s reason.</extracomment>
        <translation>无法将套接字绑定到端口 %1：%2。</translation>
    </message>
    <message>
        <source>Could not connect to %1:%2: %3.</source>
        <extracomment>%1 is the host, %2 the port, %3 the system&apos;s reason.</extracomment>
        <translation>无法连接到 %1:%2：%3。</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: no address.</source>
        <extracomment>%1 is the host&apos;s name as typed; it has no address.</extracomment>
        <translation>无法解析主机“%1”：没有地址。</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the host&apos;s name as typed, %2 the system&apos;s reason.</extracomment>
        <translation>无法解析主机“%1”：%2。</translation>
    </message>
    <message>
        <source>Invalid port %1.</source>
        <extracomment>%1 is the port number that cannot be used.</extracomment>
        <translation>无效的端口 %1。</translation>
    </message>
</context>
<context>
    <name>quorvex::TSetup</name>
    <message>
        <source>Please enter your name for singleplayer games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name for multiplayer games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your servername for multiplayer games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config of sadism</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name - Singleplayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name - Multiplayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servername</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show splash-screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fade effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore defaults?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to setup.ini.
%1
They stay in effect until the program ends.</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own; setup.ini is the file&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::TSlotDialog</name>
    <message>
        <source>No data present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;, %2, $%3, Victims %4, Dragons %5</source>
        <extracomment>What a slot holds, told by its buttons: name, game type, money, the two counters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Victims</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage savegames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::TSpeicherMenu</name>
    <message>
        <source>current price for saving: $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savegame already exists. Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to slot %1 for $%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::TSplashScr</name>
    <message>
        <source>Quorvex logo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_client</name>
    <message>
        <source>[ Client ]  Quorvex Multiplayer - Beta1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect to %1</source>
        <extracomment>%1 is the address the player typed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disconnected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not close while client is active!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_host</name>
    <message>
        <source>[ Host ] Quorvex Multiplayer - Beta1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servername</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not close while server is active!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvex::Tstat</name>
    <message>
        <source>Game statistic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double kills:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triple kills:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master kills:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultra kills:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># of games:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total hits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total misses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::News</name>
    <message numerus="yes">
        <source>%n new lines</source>
        <extracomment>Spoken instead of a burst of more lines than are read out; %n is always more than one here.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qx::PictureCell</name>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <extracomment>A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
