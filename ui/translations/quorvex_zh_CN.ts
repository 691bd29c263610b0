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
</context>
</TS>
