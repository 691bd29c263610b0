<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Access</name>
    <message>
        <source>%1, not checked</source>
        <extracomment>A menu entry that is switched off, as a screen reader reads it; %1 is the entry.</extracomment>
        <translation>%1，未选中</translation>
    </message>
</context>
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
        <translation>“%1”不是 Quorvex 游戏链接（quorvex://主机 或 quorvex://主机:端口）。</translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>Bestätigung</source>
        <extracomment>The confirmation box&apos;s caption. Stays German in English; give your language&apos;s word.</extracomment>
        <translation>确认</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <extracomment>The confirmation box&apos;s yes button, German in English too; &amp; marks the access key.</extracomment>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <extracomment>The confirmation box&apos;s no button, German in English too; &amp; marks the access key.</extracomment>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No web browser could be started for %1
Please open the address in a browser yourself.</source>
        <translation>无法启动网页浏览器来打开 %1
请自行在浏览器中打开该地址。</translation>
    </message>
</context>
<context>
    <name>FieldPictures</name>
    <message>
        <source>marked</source>
        <translation>已标记</translation>
    </message>
    <message>
        <source>Victim</source>
        <translation>受害者</translation>
    </message>
    <message>
        <source>Victim hit</source>
        <translation>受害者被命中</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>龙</translation>
    </message>
    <message>
        <source>Dragon hit</source>
        <translation>龙被命中</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>unmarked</source>
        <translation>未标记</translation>
    </message>
    <message>
        <source>marked, empty</source>
        <translation>已标记，空</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Close the open window first, then open the game link again.</source>
        <translation>请先关闭已打开的窗口，然后再次打开游戏链接。</translation>
    </message>
    <message>
        <source>Disconnect first, then open the game link again.</source>
        <translation>请先断开连接，然后再次打开游戏链接。</translation>
    </message>
</context>
<context>
    <name>GameLinks</name>
    <message>
        <source>Copy link %1</source>
        <extracomment>A context menu&apos;s entry; %1 is a link such as quorvex://192.0.2.7.</extracomment>
        <translation>复制链接 %1</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>链接已复制</translation>
    </message>
    <message>
        <source>Quorvex: game links cannot be taken at %1</source>
        <extracomment>On the terminal; %1 is a path and why a socket cannot listen there.</extracomment>
        <translation>Quorvex：无法在 %1 接收游戏链接</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>HostLog</name>
    <message>
        <source>Server active</source>
        <translation>服务器已启动</translation>
    </message>
    <message>
        <source>Server closed</source>
        <translation>服务器已关闭</translation>
    </message>
    <message>
        <source>Server not listening, game no longer announced</source>
        <translation>服务器未在监听，游戏不再公布</translation>
    </message>
    <message>
        <source>Router: port %1 open and for IPv6</source>
        <translation>路由器：端口 %1 已开放（含 IPv6）</translation>
    </message>
    <message>
        <source>Router: port %1 open</source>
        <translation>路由器：端口 %1 已开放</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2 and for IPv6</source>
        <extracomment>%1 is the port, %2 the router&apos;s address on the internet.</extracomment>
        <translation>路由器：端口 %1 已在 %2 开放（含 IPv6）</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2</source>
        <translation>路由器：端口 %1 已在 %2 开放</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6</source>
        <translation>路由器：端口 %1 已为 IPv6 开放</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6, not for IPv4 (%2)</source>
        <extracomment>%1 is the port, %2 why the router refused the port for IPv4.</extracomment>
        <translation>路由器：端口 %1 已为 IPv6 开放，IPv4 未开放（%2）</translation>
    </message>
    <message>
        <source>Game announced as %1</source>
        <extracomment>The name was taken on the local network; %1 is the name the game got instead.</extracomment>
        <translation>游戏以 %1 的名称公布</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (not the default gateway)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>路由器：已忽略来自 %1 的应答（不是默认网关）</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (its description is at another address)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>路由器：已忽略来自 %1 的应答（其描述位于另一个地址）</translation>
    </message>
    <message>
        <source>Router: no port opened (%1)</source>
        <extracomment>%1 is why the router opened nothing.</extracomment>
        <translation>路由器：未开放端口（%1）</translation>
    </message>
    <message>
        <source>Router: port %1 closed</source>
        <translation>路由器：端口 %1 已关闭</translation>
    </message>
    <message>
        <source>Router: port %1 not closed (%2)</source>
        <extracomment>%1 is the port, %2 why the router kept it open.</extracomment>
        <translation>路由器：端口 %1 未关闭（%2）</translation>
    </message>
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
</context>
<context>
    <name>LocalGames</name>
    <message>
        <source>Quorvex: no games on the local network: %1</source>
        <extracomment>On the terminal; %1 is why (a missing library, for one).</extracomment>
        <translation>Quorvex：局域网中没有游戏：%1</translation>
    </message>
    <message>
        <source>Address filled in: %1</source>
        <extracomment>Spoken once a game is chosen from the local network&apos;s list; %1 is its address.</extracomment>
        <translation>已填入地址：%1</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Ready to bomb!!!</source>
        <translation>准备轰炸！！！</translation>
    </message>
    <message>
        <source>Only 5 fields max!</source>
        <translation>最多只能标记 5 个格子！</translation>
    </message>
    <message numerus="yes">
        <source>%n fields left</source>
        <extracomment>The cells still to mark before the five bombs can be dropped.</extracomment>
        <translation>
            <numerusform>还剩 %n 个格子</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouterConsent</name>
    <message>
        <source>Ask the router to open the port</source>
        <translation>请求路由器开放端口</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutBox</name>
    <message>
        <source>Quorvex v1.3 - made by the Quorvex team</source>
        <translation>Quorvex v1.3 - Quorvex 团队出品</translation>
    </message>
    <message>
        <source>Write to us: quorvex.example.org</source>
        <translation>联系我们：quorvex.example.org</translation>
    </message>
    <message>
        <source>Idea: the Victim-bombing web game of Zentrafell</source>
        <translation>创意：Zentrafell 的轰炸受害者网页游戏</translation>
    </message>
    <message>
        <source>and the grid game of the group&apos;s founder</source>
        <translation>以及该团体创始人的网格游戏</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>特别感谢：</translation>
    </message>
    <message>
        <source>Victim No. 1 - for testing every pre-release</source>
        <translation>1 号受害者 - 测试了每个预发布版</translation>
    </message>
    <message>
        <source>the Dragon keeper - for the pictures</source>
        <translation>龙的饲养员 - 绘制了图片</translation>
    </message>
    <message>
        <source>the net wizard - for the two-player game</source>
        <translation>网络魔法师 - 实现了双人游戏</translation>
    </message>
    <message>
        <source>the proof reader - for help.txt</source>
        <translation>校对员 - 校对了 help.txt</translation>
    </message>
    <message>
        <source>the bug hunter - for every fault reported</source>
        <translation>捉虫人 - 报告了每一个问题</translation>
    </message>
    <message>
        <source>the Quorvex forum at quorvex.example.org</source>
        <translation>quorvex.example.org 上的 Quorvex 论坛</translation>
    </message>
    <message>
        <source>and the whole Zentrafell community</source>
        <translation>以及整个 Zentrafell 社区</translation>
    </message>
    <message>
        <source>Thx to UPX for ~250Kb instead of ~800Kb .exe-size</source>
        <translation>感谢 UPX 让 .exe 从 ~800Kb 缩小到 ~250Kb</translation>
    </message>
    <message>
        <source>UPX, the executable packer: upx.github.io</source>
        <translation>可执行文件压缩工具 UPX：upx.github.io</translation>
    </message>
    <message>
        <source>&quot;No Victim is safe.&quot;</source>
        <translation>“没有受害者是安全的。”</translation>
    </message>
    <message>
        <source>Quorvex (C) the Quorvex team - free to play and share</source>
        <translation>Quorvex (C) Quorvex 团队 - 可自由游玩和分享</translation>
    </message>
    <message>
        <source>Zentrafell web game (C) Zentrafell</source>
        <translation>Zentrafell 网页游戏 (C) Zentrafell</translation>
    </message>
    <message>
        <source>Grid game (C) the founder of Zentrafell</source>
        <translation>网格游戏 (C) Zentrafell 创始人</translation>
    </message>
    <message>
        <source>Zentrafell site</source>
        <translation>Zentrafell</translation>
    </message>
    <message>
        <source>Quorvex site (german)</source>
        <extracomment>The site is in German only.</extracomment>
        <translation>Quorvex（德语）</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Quorvex logo</source>
        <translation>Quorvex 标志</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>quorvex::TDelMenu</name>
    <message>
        <source>Delete savegame in %1?</source>
        <translation>删除 %1 中的存档吗？</translation>
    </message>
    <message>
        <source>Could not delete file &quot;%1.save&quot;. File not found or write protected</source>
        <translation>无法删除文件“%1.save”。文件不存在或有写保护</translation>
    </message>
    <message>
        <source>Savegame in %1 deleted!</source>
        <translation>%1 中的存档已删除！</translation>
    </message>
</context>
<context>
    <name>quorvex::THaupt</name>
    <message>
        <source>Double kill</source>
        <translation>双杀</translation>
    </message>
    <message>
        <source>Triple kill!</source>
        <translation>三杀！</translation>
    </message>
    <message>
        <source>Master kill!</source>
        <translation>大师级击杀！</translation>
    </message>
    <message>
        <source>Ultra sadistic kill!</source>
        <extracomment>Five Victims hit with the five bombs of one turn.</extracomment>
        <translation>极度残暴击杀！</translation>
    </message>
    <message>
        <source>Endless game</source>
        <translation>无尽模式</translation>
    </message>
    <message numerus="yes">
        <source>%n killed Victims</source>
        <extracomment>A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.</extracomment>
        <translation>
            <numerusform>击杀 %n 名受害者</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dead Victims</source>
        <translation>
            <numerusform>%n 名受害者</numerusform>
        </translation>
    </message>
    <message>
        <source>game type</source>
        <extracomment>The game-type label before any game is started.</extracomment>
        <translation>游戏模式</translation>
    </message>
    <message numerus="yes">
        <source>Congratulation! You won! Your Money after killing %n Victims is $%1!</source>
        <extracomment>%n is 100 or 200, %1 the money held at the end (may be negative).</extracomment>
        <translation>
            <numerusform>恭喜！你赢了！击杀 %n 名受害者后，你的金钱为 $%1！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Victims Bombed! %n hits, %1 miss -- %2</source>
        <extracomment>The status bar after a turn: %n cells hit of five, %1 missed (5 - %n), %2 the turn&apos;s gain or loss (&quot;+$222&quot;, &quot;-$100&quot;).</extracomment>
        <translation>
            <numerusform>轰炸受害者！命中 %n，未命中 %1 -- %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No marks left, ready to bomb</source>
        <translation>没有剩余标记，可以轰炸了</translation>
    </message>
    <message>
        <source>1 mark left</source>
        <extracomment>Spoken after a mark: one mark still to make.</extracomment>
        <translation>还剩 1 个标记</translation>
    </message>
    <message numerus="yes">
        <source>%n marks left</source>
        <extracomment>Spoken after a mark; %n is 2 to 5 (one mark left has its own text).</extracomment>
        <translation>
            <numerusform>还剩 %n 个标记</numerusform>
        </translation>
    </message>
    <message>
        <source>Player &quot;%1&quot;</source>
        <extracomment>The player&apos;s name as the settings hold it, in quotes.</extracomment>
        <translation>玩家“%1”</translation>
    </message>
    <message>
        <source>The statistics could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>无法保存统计。
%1</translation>
    </message>
    <message>
        <source>Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team</source>
        <translation>Quorvex v1.3 预发布版 3 - Quorvex 团队的游戏</translation>
    </message>
    <message>
        <source>Quorvex start picture</source>
        <translation>Quorvex 启动图片</translation>
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
        <translation>Quorvex 团队编写</translation>
    </message>
    <message>
        <source>Found a fault? Report it in the project&apos;s issue tracker.</source>
        <translation>发现问题？请到项目的问题跟踪器报告。</translation>
    </message>
    <message>
        <source>Money: $</source>
        <translation>金钱：$</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>受害者</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>龙</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> 在此轰炸 </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>被炸受害者：</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>被炸的龙：</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新装弹</translation>
    </message>
    <message>
        <source>Gain per Victim:</source>
        <translation>每名受害者收入：</translation>
    </message>
    <message>
        <source>Loss per Dragon:</source>
        <translation>每条龙损失：</translation>
    </message>
    <message>
        <source>Total gain / loss:</source>
        <translation>总收益 / 损失：</translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation>命中：</translation>
    </message>
    <message>
        <source>Miss:</source>
        <translation>未中：</translation>
    </message>
    <message>
        <source>Money:</source>
        <extracomment>The money figure as a screen reader names it.</extracomment>
        <translation>金钱：</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Singleplayer</source>
        <translation>单人游戏</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>读取游戏</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>保存游戏</translation>
    </message>
    <message>
        <source>Delete savegame</source>
        <translation>删除存档</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation>多人游戏</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>创建游戏</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>加入游戏</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>%1 (german)</source>
        <extracomment>%1 is the web site&apos;s name; the site is in German only.</extracomment>
        <translation>%1（德语）</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Your settings, statistics and savegames cannot be kept.
%1</source>
        <translation>无法保存你的设置、统计和存档。
%1</translation>
    </message>
    <message>
        <source>Save game [ $%1 ]</source>
        <extracomment>The menu entry with the price the next save costs.</extracomment>
        <translation>保存游戏 [ $%1 ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <translation>被炸受害者：%1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <translation>被炸的龙：%1</translation>
    </message>
    <message>
        <source>New game: %1</source>
        <translation>新游戏：%1</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>纪录</translation>
    </message>
</context>
<context>
    <name>quorvex::THelp</name>
    <message>
        <source>Loading help.txt, please wait...</source>
        <translation>正在加载 help.txt，请稍候...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>帮助文本</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Could not load help.txt!
Please obtain an original copy of Quorvex_v13.zip,
or unpack the zip-file with all included files.</source>
        <extracomment>Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.</extracomment>
        <translation>无法加载 help.txt！
请获取 Quorvex_v13.zip 的原版副本，
或解压 zip 文件及其中的所有文件。</translation>
    </message>
    <message>
        <source>help.txt is there but could not be read:
%1
Please check that you may read the file.</source>
        <extracomment>%1 is the system&apos;s cause, on a line of its own; help.txt is the file&apos;s name.</extracomment>
        <translation>help.txt 存在，但无法读取：
%1
请检查你是否有读取该文件的权限。</translation>
    </message>
</context>
<context>
    <name>quorvex::TLadenMenu</name>
    <message>
        <source>Could not load from file &quot;%1&quot;.\nFile not found.</source>
        <extracomment>%1 is the slot&apos;s file name without &quot;.save&quot; (Slot1); the \n is shown as it is, two characters.</extracomment>
        <translation>无法从文件“%1”加载。\n文件不存在。</translation>
    </message>
</context>
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Nickname</source>
        <translation>昵称</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>聊天消息</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> 在此轰炸 </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <extracomment>The bomb button: the game&apos;s name as a battle cry.</extracomment>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>被炸受害者：</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>被炸的龙：</translation>
    </message>
    <message>
        <source>[ result ]</source>
        <extracomment>A result label before any bombing.</extracomment>
        <translation>[ 结果 ]</translation>
    </message>
    <message>
        <source>.... idle ...</source>
        <extracomment>The status panel before a game.</extracomment>
        <translation>.... 空闲 ...</translation>
    </message>
    <message>
        <source> Set here </source>
        <translation> 在此布置 </translation>
    </message>
    <message>
        <source>1st click: place Victim</source>
        <translation>第 1 次点击：放置受害者</translation>
    </message>
    <message>
        <source>2nd click: place Dragon</source>
        <translation>第 2 次点击：放置龙</translation>
    </message>
    <message>
        <source>3rd click: place nothing</source>
        <translation>第 3 次点击：清空</translation>
    </message>
    <message>
        <source>Victims left:</source>
        <translation>剩余受害者：</translation>
    </message>
    <message>
        <source>Dragons left:</source>
        <translation>剩余龙：</translation>
    </message>
    <message>
        <source>Send battlefield</source>
        <translation>发送战场</translation>
    </message>
    <message>
        <source>Battlefield result %1</source>
        <extracomment>The result labels&apos; names for a screen reader; %1 is the result they show.</extracomment>
        <translation>战场结果 %1</translation>
    </message>
    <message>
        <source>Bomb result %1</source>
        <translation>轰炸结果 %1</translation>
    </message>
    <message>
        <source>conn. w/ &quot;%1&quot;</source>
        <extracomment>The connection with the player %1 is up.</extracomment>
        <translation>已连接“%1”</translation>
    </message>
    <message>
        <source>[game] All positions send!</source>
        <extracomment>&quot;[game]&quot; marks the game&apos;s own notes in the log.</extracomment>
        <translation>[游戏] 所有位置已发送！</translation>
    </message>
    <message>
        <source>[game] All positions received!</source>
        <translation>[游戏] 所有位置已接收！</translation>
    </message>
    <message>
        <source>[game] new game started</source>
        <extracomment>The host started the next game.</extracomment>
        <translation>[游戏] 新游戏已开始</translation>
    </message>
    <message>
        <source>[game] new game started!</source>
        <extracomment>This player, the host, started the next game.</extracomment>
        <translation>[游戏] 新游戏已开始！</translation>
    </message>
    <message>
        <source>[game] Invalid position ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[游戏] 已忽略无效位置：%1</translation>
    </message>
    <message>
        <source>[game] Extra Victim ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[游戏] 已忽略多余的受害者：%1</translation>
    </message>
    <message>
        <source>[game] Extra Dragon ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[游戏] 已忽略多余的龙：%1</translation>
    </message>
    <message>
        <source>[game] Over-long line ignored.</source>
        <translation>[游戏] 已忽略过长的行。</translation>
    </message>
    <message>
        <source>[game] %1 won!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[游戏] %1 赢了！</translation>
    </message>
    <message>
        <source>[game] %1 lost!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[游戏] %1 输了！</translation>
    </message>
    <message>
        <source>[game] %1 bombed a draw!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[游戏] %1 轰炸成平局！</translation>
    </message>
    <message>
        <source>[game] Game resumed.</source>
        <extracomment>The same two players met again after a lost line and go on with their game.</extracomment>
        <translation>[游戏] 游戏已继续。</translation>
    </message>
    <message>
        <source>sending positions...</source>
        <translation>正在发送位置...</translation>
    </message>
    <message>
        <source>receiving positions...</source>
        <translation>正在接收位置...</translation>
    </message>
    <message>
        <source>please bomb now</source>
        <translation>请轰炸</translation>
    </message>
    <message>
        <source>awaiting positions...</source>
        <translation>等待位置...</translation>
    </message>
    <message>
        <source>please set up your battlefield</source>
        <translation>请布置你的战场</translation>
    </message>
    <message>
        <source>[ You won ]</source>
        <translation>[ 你赢了 ]</translation>
    </message>
    <message>
        <source>[ You lost ]</source>
        <translation>[ 你输了 ]</translation>
    </message>
    <message>
        <source>[ Draw ]</source>
        <translation>[ 平局 ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Victims this bombing hit.</extracomment>
        <translation>被炸受害者：%1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Dragons this bombing hit.</extracomment>
        <translation>被炸的龙：%1</translation>
    </message>
    <message>
        <source>1 Victim</source>
        <extracomment>A count inside a sentence (&quot;1 Victim and 2 Dragons hit&quot;).</extracomment>
        <translation>1 名受害者</translation>
    </message>
    <message numerus="yes">
        <source>%n Victims</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n 名受害者</numerusform>
        </translation>
    </message>
    <message>
        <source>1 Dragon</source>
        <extracomment>A count inside a sentence (&quot;2 Victims and 1 Dragon hit&quot;).</extracomment>
        <translation>1 条龙</translation>
    </message>
    <message numerus="yes">
        <source>%n Dragons</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n 条龙</numerusform>
        </translation>
    </message>
    <message>
        <source>Bomb result: You won, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>轰炸结果：你赢了，命中 %1 和 %2</translation>
    </message>
    <message>
        <source>Bomb result: You lost, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>轰炸结果：你输了，命中 %1 和 %2</translation>
    </message>
    <message>
        <source>Bomb result: Draw, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>轰炸结果：平局，命中 %1 和 %2</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and won.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 轰炸了你的战场并获胜。</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and lost.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 轰炸了你的战场但输了。</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield to a draw.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 轰炸了你的战场：平局。</translation>
    </message>
    <message>
        <source>All figures placed, ready to send</source>
        <extracomment>Spoken once all five Victims and five Dragons stand on the own battlefield.</extracomment>
        <translation>所有棋子已放置，可以发送</translation>
    </message>
    <message>
        <source>%1 and %2 left to place</source>
        <extracomment>Spoken after a figure is placed; %1 the Victims still to place (&quot;4 Victims&quot;), %2 the Dragons.</extracomment>
        <translation>还需放置：%1 和 %2</translation>
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
    <name>quorvex::TRecords</name>
    <message>
        <source>Your name for the new record</source>
        <translation>新纪录的名字</translation>
    </message>
    <message>
        <source>New record: place %1, $%2</source>
        <extracomment>A new row in a records table as a screen reader tells it; %1 is the place (1 to 10), %2 the money.</extracomment>
        <translation>新纪录：第 %1 名，$%2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>纪录</translation>
    </message>
    <message>
        <source>100 Victims</source>
        <extracomment>The tabs of the records window, one per game mode.</extracomment>
        <translation>100 名受害者</translation>
    </message>
    <message>
        <source>200 Victims</source>
        <translation>200 名受害者</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>无尽模式</translation>
    </message>
    <message>
        <source> Over every run </source>
        <translation> 所有游戏累计 </translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>金钱</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>回合</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>龙</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>已读取</translation>
    </message>
    <message>
        <source>Endless games started:</source>
        <translation>开始的无尽模式：</translation>
    </message>
    <message>
        <source>Games of 100 started:</source>
        <translation>开始的 100 名模式：</translation>
    </message>
    <message>
        <source>Games of 100 won:</source>
        <translation>获胜的 100 名模式：</translation>
    </message>
    <message>
        <source>Games of 200 started:</source>
        <translation>开始的 200 名模式：</translation>
    </message>
    <message>
        <source>Games of 200 won:</source>
        <translation>获胜的 200 名模式：</translation>
    </message>
    <message>
        <source>Turns:</source>
        <translation>回合：</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>杀死的受害者：</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>杀死的龙：</translation>
    </message>
    <message>
        <source>Best kill streak:</source>
        <translation>最佳连杀：</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>赢得的金钱：</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>失去的金钱：</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks an entry of a game taken up from a savegame slot.</extracomment>
        <translation>是</translation>
    </message>
    <message>
        <source>The records file was damaged. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the damaged file now has.</extracomment>
        <translation>纪录文件已损坏。它已保存为“%1”，并开始一个新文件。</translation>
    </message>
    <message>
        <source>The records file was not made by this version of the game. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the unknown file now has.</extracomment>
        <translation>纪录文件不是由此版本的游戏创建的。它已保存为“%1”，并开始一个新文件。</translation>
    </message>
    <message>
        <source>The records could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>无法保存纪录。
%1</translation>
    </message>
    <message>
        <source>Clear every record and the figures over every run?</source>
        <translation>清空所有纪录和所有游戏的累计数据吗？</translation>
    </message>
</context>
<context>
    <name>quorvex::TSetup</name>
    <message>
        <source>Please enter your name for singleplayer games</source>
        <translation>请输入单人游戏使用的名字</translation>
    </message>
    <message>
        <source>Please enter your name for multiplayer games</source>
        <translation>请输入多人游戏使用的名字</translation>
    </message>
    <message>
        <source>Please enter your servername for multiplayer games</source>
        <translation>请输入多人游戏使用的服务器名称</translation>
    </message>
    <message>
        <source>Config of sadism</source>
        <translation>残暴设置</translation>
    </message>
    <message>
        <source>Name - Singleplayer</source>
        <translation>名字 - 单人游戏</translation>
    </message>
    <message>
        <source>Name - Multiplayer</source>
        <translation>名字 - 多人游戏</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>服务器名称</translation>
    </message>
    <message>
        <source>show splash-screen</source>
        <translation>显示启动画面</translation>
    </message>
    <message>
        <source>fade effect</source>
        <translation>淡入淡出效果</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>restore defaults?</source>
        <translation>恢复默认设置？</translation>
    </message>
    <message>
        <source>The settings could not be saved to setup.ini.
%1
They stay in effect until the program ends.</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own; setup.ini is the file&apos;s name.</extracomment>
        <translation>无法将设置保存到 setup.ini。
%1
设置在程序结束前仍然有效。</translation>
    </message>
</context>
<context>
    <name>quorvex::TSlotDialog</name>
    <message>
        <source>No data present</source>
        <translation>无数据</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, %2, $%3, Victims %4, Dragons %5</source>
        <extracomment>What a slot holds, told by its buttons: name, game type, money, the two counters.</extracomment>
        <translation>“%1”，%2，$%3，受害者 %4，龙 %5</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>存档位 %1</translation>
    </message>
    <message>
        <source>type</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>受害者</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>龙</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>保存游戏</translation>
    </message>
    <message>
        <source>save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>读取游戏</translation>
    </message>
    <message>
        <source>load</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Manage savegames</source>
        <translation>管理存档</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>quorvex::TSpeicherMenu</name>
    <message>
        <source>current price for saving: $</source>
        <translation>当前保存价格：$</translation>
    </message>
    <message>
        <source>overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Savegame already exists. Overwrite?</source>
        <translation>存档已存在。要覆盖吗？</translation>
    </message>
    <message>
        <source>Saved to slot %1 for $%2</source>
        <translation>已花费 $%2 保存到存档位 %1</translation>
    </message>
</context>
<context>
    <name>quorvex::TSplashScr</name>
    <message>
        <source>Quorvex logo</source>
        <translation>Quorvex 标志</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_client</name>
    <message>
        <source>[ Client ]  Quorvex Multiplayer - Beta1</source>
        <translation>[ 客户端 ]  Quorvex 多人游戏 - Beta1</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>服务器地址</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Could not connect to %1</source>
        <extracomment>%1 is the address the player typed.</extracomment>
        <translation>无法连接到 %1</translation>
    </message>
    <message>
        <source>disconnected!</source>
        <translation>已断开！</translation>
    </message>
    <message>
        <source>Can not close while client is active!</source>
        <translation>客户端连接时无法关闭！</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_host</name>
    <message>
        <source>[ Host ] Quorvex Multiplayer - Beta1</source>
        <translation>[ 主机 ] Quorvex 多人游戏 - Beta1</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>服务器名称</translation>
    </message>
    <message>
        <source>Start server</source>
        <translation>启动服务器</translation>
    </message>
    <message>
        <source>Stop server</source>
        <translation>停止服务器</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>链接已复制</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>再来一局</translation>
    </message>
    <message>
        <source>Client lost</source>
        <translation>客户端已断开</translation>
    </message>
    <message>
        <source>Can not close while server is active!</source>
        <translation>服务器运行时无法关闭！</translation>
    </message>
</context>
<context>
    <name>quorvex::Tstat</name>
    <message>
        <source>Game statistic</source>
        <translation>游戏统计</translation>
    </message>
    <message>
        <source>Double kills:</source>
        <translation>双杀：</translation>
    </message>
    <message>
        <source>Triple kills:</source>
        <translation>三杀：</translation>
    </message>
    <message>
        <source>Master kills:</source>
        <translation>大师级击杀：</translation>
    </message>
    <message>
        <source>Ultra kills:</source>
        <translation>极度残暴击杀：</translation>
    </message>
    <message>
        <source># of games:</source>
        <translation>游戏局数：</translation>
    </message>
    <message>
        <source>Total hits:</source>
        <translation>命中总数：</translation>
    </message>
    <message>
        <source>Total misses:</source>
        <translation>未命中总数：</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>击杀受害者：</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>击杀的龙：</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>赢得金钱：</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>损失金钱：</translation>
    </message>
</context>
<context>
    <name>qx::News</name>
    <message numerus="yes">
        <source>%n new lines</source>
        <extracomment>Spoken instead of a burst of more lines than are read out; %n is always more than one here.</extracomment>
        <translation>
            <numerusform>%n 条新行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qx::PictureCell</name>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <extracomment>A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.</extracomment>
        <translation>格子 %1，第 %2 行，第 %3 列</translation>
    </message>
</context>
</TS>
