<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 in the folder the game is started in</source>
        <translation>ゲームを起動したフォルダーの %1</translation>
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
        <translation>使い方: quorvex [リンク]
        quorvex --help | --version

ゲーム Quorvex を起動します。5×5 マスの盤面で、1人でも、
ネットワーク越しに2人でも遊べます (TCP ポート 9999)。

  リンク         quorvex://ホスト または quorvex://ホスト:ポート。IPv6
                 アドレスは角かっこで囲みます (quorvex://[2001:db8::5])。
                 そのアドレスを入れた状態でクライアントのウィンドウを
                 開きます。ゲームがすでに動いていれば、そちらがリンクを
                 受け取ります。
  -h, --help     このヘルプを表示して終了する
  --version      バージョンを表示して終了する

</translation>
    </message>
    <message>
        <source>Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and
Slot1.save to Slot3.save (savegames) in %1
</source>
        <translation>ファイル: setup.ini (設定)、Quorvex.stat (前回のプレイの統計)、
Slot1.save～Slot3.save (セーブデータ) の場所: %1
</translation>
    </message>
    <message>
        <source>Help text: %1
</source>
        <translation>ヘルプテキスト: %1
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <source>only one game link, please</source>
        <translation>ゲームのリンクは1つだけにしてください</translation>
    </message>
</context>
</TS>
