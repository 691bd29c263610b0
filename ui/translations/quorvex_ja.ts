<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Access</name>
    <message>
        <source>%1, not checked</source>
        <extracomment>A menu entry that is switched off, as a screen reader reads it; %1 is the entry.</extracomment>
        <translation>%1、チェックなし</translation>
    </message>
</context>
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
    <message>
        <source>&quot;%1&quot; is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).</source>
        <extracomment>%1 is the link as given; HOST and PORT stand for a computer&apos;s name and a port number.</extracomment>
        <translation>「%1」は Quorvex のゲームのリンクではありません (quorvex://ホスト または quorvex://ホスト:ポート)。</translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>Bestätigung</source>
        <extracomment>The confirmation box&apos;s caption. Stays German in English; give your language&apos;s word.</extracomment>
        <translation>確認</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <extracomment>The confirmation box&apos;s yes button, German in English too; &amp; marks the access key.</extracomment>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <extracomment>The confirmation box&apos;s no button, German in English too; &amp; marks the access key.</extracomment>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No web browser could be started for %1
Please open the address in a browser yourself.</source>
        <translation>%1 を開くウェブブラウザーを起動できませんでした
お手数ですが、ブラウザーでアドレスを開いてください。</translation>
    </message>
</context>
<context>
    <name>FieldPictures</name>
    <message>
        <source>marked</source>
        <translation>印あり</translation>
    </message>
    <message>
        <source>Victim</source>
        <translation>犠牲者</translation>
    </message>
    <message>
        <source>Victim hit</source>
        <translation>犠牲者に命中</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>ドラゴン</translation>
    </message>
    <message>
        <source>Dragon hit</source>
        <translation>ドラゴンに命中</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>unmarked</source>
        <translation>印なし</translation>
    </message>
    <message>
        <source>marked, empty</source>
        <translation>印あり、空き</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Close the open window first, then open the game link again.</source>
        <translation>開いているウィンドウを先に閉じてから、もう一度ゲームのリンクを開いてください。</translation>
    </message>
    <message>
        <source>Disconnect first, then open the game link again.</source>
        <translation>先に切断してから、もう一度ゲームのリンクを開いてください。</translation>
    </message>
</context>
<context>
    <name>GameLinks</name>
    <message>
        <source>Copy link %1</source>
        <extracomment>A context menu&apos;s entry; %1 is a link such as quorvex://192.0.2.7.</extracomment>
        <translation>リンクをコピー %1</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>リンクをコピーしました</translation>
    </message>
    <message>
        <source>Quorvex: game links cannot be taken at %1</source>
        <extracomment>On the terminal; %1 is a path and why a socket cannot listen there.</extracomment>
        <translation>Quorvex: %1 ではゲームのリンクを受け取れません</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>HostLog</name>
    <message>
        <source>Server active</source>
        <translation>サーバー稼働中</translation>
    </message>
    <message>
        <source>Server closed</source>
        <translation>サーバー終了</translation>
    </message>
    <message>
        <source>Server not listening, game no longer announced</source>
        <translation>サーバーが待ち受けていないため、ゲームの告知を止めました</translation>
    </message>
    <message>
        <source>Router: port %1 open and for IPv6</source>
        <translation>ルーター: ポート %1 を開放 (IPv6 も)</translation>
    </message>
    <message>
        <source>Router: port %1 open</source>
        <translation>ルーター: ポート %1 を開放</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2 and for IPv6</source>
        <extracomment>%1 is the port, %2 the router&apos;s address on the internet.</extracomment>
        <translation>ルーター: ポート %1 を %2 で開放 (IPv6 も)</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2</source>
        <translation>ルーター: ポート %1 を %2 で開放</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6</source>
        <translation>ルーター: ポート %1 を IPv6 で開放</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6, not for IPv4 (%2)</source>
        <extracomment>%1 is the port, %2 why the router refused the port for IPv4.</extracomment>
        <translation>ルーター: ポート %1 を IPv6 で開放、IPv4 では不可 (%2)</translation>
    </message>
    <message>
        <source>Game announced as %1</source>
        <extracomment>The name was taken on the local network; %1 is the name the game got instead.</extracomment>
        <translation>ゲームを %1 として告知</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (not the default gateway)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>ルーター: %1 からの応答を無視 (デフォルトゲートウェイではありません)</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (its description is at another address)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>ルーター: %1 からの応答を無視 (説明が別のアドレスにあります)</translation>
    </message>
    <message>
        <source>Router: no port opened (%1)</source>
        <extracomment>%1 is why the router opened nothing.</extracomment>
        <translation>ルーター: ポートは開放されませんでした (%1)</translation>
    </message>
    <message>
        <source>Router: port %1 closed</source>
        <translation>ルーター: ポート %1 を閉じました</translation>
    </message>
    <message>
        <source>Router: port %1 not closed (%2)</source>
        <extracomment>%1 is the port, %2 why the router kept it open.</extracomment>
        <translation>ルーター: ポート %1 を閉じられませんでした (%2)</translation>
    </message>
    <message>
        <source>the router did not answer in time</source>
        <translation>ルーターが時間内に応答しませんでした</translation>
    </message>
    <message>
        <source>no router answered</source>
        <translation>応答したルーターはありません</translation>
    </message>
    <message>
        <source>no answer from the default gateway</source>
        <extracomment>Answers came only from machines other than the default gateway.</extracomment>
        <translation>デフォルトゲートウェイから応答がありません</translation>
    </message>
    <message>
        <source>the router could not be asked (%1)</source>
        <extracomment>%1 is the system&apos;s message naming the library that could not be loaded.</extracomment>
        <translation>ルーターに問い合わせできませんでした (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s description could not be read</source>
        <translation>ルーターの説明を読み取れませんでした</translation>
    </message>
    <message>
        <source>the router&apos;s description names another address for its port mapping</source>
        <translation>ルーターの説明はポート転送に別のアドレスを指定しています</translation>
    </message>
    <message>
        <source>the router offers no port mapping</source>
        <translation>ルーターはポート転送に対応していません</translation>
    </message>
    <message>
        <source>the router is not connected to the internet</source>
        <translation>ルーターがインターネットに接続されていません</translation>
    </message>
    <message>
        <source>the router refused port %1: it is in use</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>ルーターがポート %1 を拒否しました: 使用中です</translation>
    </message>
    <message>
        <source>the router refused port %1: not allowed</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>ルーターがポート %1 を拒否しました: 許可されていません</translation>
    </message>
    <message>
        <source>the router refused port %1: it has no free mappings</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>ルーターがポート %1 を拒否しました: 空きの転送枠がありません</translation>
    </message>
    <message>
        <source>the router refused port %1 (UPnP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>ルーターがポート %1 を拒否しました (UPnP エラー %2)</translation>
    </message>
    <message>
        <source>the router refused port %1 (NAT-PMP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>ルーターがポート %1 を拒否しました (NAT-PMP エラー %2)</translation>
    </message>
    <message>
        <source>the router refused it (UPnP error %1)</source>
        <extracomment>The router kept the port open; %1 is its error number.</extracomment>
        <translation>ルーターが拒否しました (UPnP エラー %1)</translation>
    </message>
</context>
<context>
    <name>LocalGames</name>
    <message>
        <source>Quorvex: no games on the local network: %1</source>
        <extracomment>On the terminal; %1 is why (a missing library, for one).</extracomment>
        <translation>Quorvex: ローカルネットワークにゲームがありません: %1</translation>
    </message>
    <message>
        <source>Address filled in: %1</source>
        <extracomment>Spoken once a game is chosen from the local network&apos;s list; %1 is its address.</extracomment>
        <translation>アドレスを入力しました: %1</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Ready to bomb!!!</source>
        <translation>爆撃準備完了！！！</translation>
    </message>
    <message>
        <source>Only 5 fields max!</source>
        <translation>印は 5 マスまで！</translation>
    </message>
    <message numerus="yes">
        <source>%n fields left</source>
        <extracomment>The cells still to mark before the five bombs can be dropped.</extracomment>
        <translation>
            <numerusform>あと %n マス</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouterConsent</name>
    <message>
        <source>Ask the router to open the port</source>
        <translation>ルーターにポート開放を依頼</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutBox</name>
    <message>
        <source>Quorvex v1.3 - made by the Quorvex team</source>
        <translation>Quorvex v1.3 - Quorvex チーム制作</translation>
    </message>
    <message>
        <source>Write to us: quorvex.example.org</source>
        <translation>ご連絡はこちら: quorvex.example.org</translation>
    </message>
    <message>
        <source>Idea: the Victim-bombing web game of Zentrafell</source>
        <translation>原案: Zentrafell の犠牲者爆撃ウェブゲーム</translation>
    </message>
    <message>
        <source>and the grid game of the group&apos;s founder</source>
        <translation>そしてグループ創設者の盤面ゲーム</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>感謝を込めて:</translation>
    </message>
    <message>
        <source>Victim No. 1 - for testing every pre-release</source>
        <translation>犠牲者 No. 1 - すべてのプレリリースのテストに</translation>
    </message>
    <message>
        <source>the Dragon keeper - for the pictures</source>
        <translation>ドラゴンの飼育係 - 絵に</translation>
    </message>
    <message>
        <source>the net wizard - for the two-player game</source>
        <translation>ネットの魔法使い - 2人対戦に</translation>
    </message>
    <message>
        <source>the proof reader - for help.txt</source>
        <translation>校正係 - help.txt に</translation>
    </message>
    <message>
        <source>the bug hunter - for every fault reported</source>
        <translation>バグハンター - 報告されたすべての不具合に</translation>
    </message>
    <message>
        <source>the Quorvex forum at quorvex.example.org</source>
        <translation>quorvex.example.org の Quorvex フォーラム</translation>
    </message>
    <message>
        <source>and the whole Zentrafell community</source>
        <translation>そして Zentrafell コミュニティの皆さん</translation>
    </message>
    <message>
        <source>Thx to UPX for ~250Kb instead of ~800Kb .exe-size</source>
        <translation>UPX のおかげで .exe が ~800Kb から ~250Kb に</translation>
    </message>
    <message>
        <source>UPX, the executable packer: upx.github.io</source>
        <translation>実行ファイル圧縮ツール UPX: upx.github.io</translation>
    </message>
    <message>
        <source>&quot;No Victim is safe.&quot;</source>
        <translation>「安全な犠牲者はいない。」</translation>
    </message>
    <message>
        <source>Quorvex (C) the Quorvex team - free to play and share</source>
        <translation>Quorvex (C) Quorvex チーム - 自由に遊んで共有できます</translation>
    </message>
    <message>
        <source>Zentrafell web game (C) Zentrafell</source>
        <translation>Zentrafell ウェブゲーム (C) Zentrafell</translation>
    </message>
    <message>
        <source>Grid game (C) the founder of Zentrafell</source>
        <translation>盤面ゲーム (C) Zentrafell の創設者</translation>
    </message>
    <message>
        <source>Zentrafell site</source>
        <translation>Zentrafell</translation>
    </message>
    <message>
        <source>Quorvex site (german)</source>
        <extracomment>The site is in German only.</extracomment>
        <translation>Quorvex (ドイツ語)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>このゲームについて...</translation>
    </message>
    <message>
        <source>Quorvex logo</source>
        <translation>Quorvex のロゴ</translation>
    </message>
    <message>
        <source>close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>quorvex::TDelMenu</name>
    <message>
        <source>Delete savegame in %1?</source>
        <translation>%1 のセーブデータを削除しますか？</translation>
    </message>
    <message>
        <source>Could not delete file &quot;%1.save&quot;. File not found or write protected</source>
        <translation>ファイル「%1.save」を削除できませんでした。ファイルが見つからないか、書き込み禁止です</translation>
    </message>
    <message>
        <source>Savegame in %1 deleted!</source>
        <translation>%1 のセーブデータを削除しました！</translation>
    </message>
</context>
<context>
    <name>quorvex::THaupt</name>
    <message>
        <source>Double kill</source>
        <translation>ダブルキル</translation>
    </message>
    <message>
        <source>Triple kill!</source>
        <translation>トリプルキル！</translation>
    </message>
    <message>
        <source>Master kill!</source>
        <translation>マスターキル！</translation>
    </message>
    <message>
        <source>Ultra sadistic kill!</source>
        <extracomment>Five Victims hit with the five bombs of one turn.</extracomment>
        <translation>超サディスティックキル！</translation>
    </message>
    <message>
        <source>Endless game</source>
        <translation>エンドレス</translation>
    </message>
    <message numerus="yes">
        <source>%n killed Victims</source>
        <extracomment>A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.</extracomment>
        <translation>
            <numerusform>犠牲者%n人</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dead Victims</source>
        <translation>
            <numerusform>犠牲者%n人</numerusform>
        </translation>
    </message>
    <message>
        <source>game type</source>
        <extracomment>The game-type label before any game is started.</extracomment>
        <translation>ゲームモード</translation>
    </message>
    <message numerus="yes">
        <source>Congratulation! You won! Your Money after killing %n Victims is $%1!</source>
        <extracomment>%n is 100 or 200, %1 the money held at the end (may be negative).</extracomment>
        <translation>
            <numerusform>おめでとう！あなたの勝ちです！犠牲者%n人を倒して、お金は $%1 になりました！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Victims Bombed! %n hits, %1 miss -- %2</source>
        <extracomment>The status bar after a turn: %n cells hit of five, %1 missed (5 - %n), %2 the turn&apos;s gain or loss (&quot;+$222&quot;, &quot;-$100&quot;).</extracomment>
        <translation>
            <numerusform>犠牲者を爆撃！命中 %n、外れ %1 -- %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No marks left, ready to bomb</source>
        <translation>印はもうありません。爆撃できます</translation>
    </message>
    <message>
        <source>1 mark left</source>
        <extracomment>Spoken after a mark: one mark still to make.</extracomment>
        <translation>印はあと 1 つ</translation>
    </message>
    <message numerus="yes">
        <source>%n marks left</source>
        <extracomment>Spoken after a mark; %n is 2 to 5 (one mark left has its own text).</extracomment>
        <translation>
            <numerusform>印はあと %n つ</numerusform>
        </translation>
    </message>
    <message>
        <source>Player &quot;%1&quot;</source>
        <extracomment>The player&apos;s name as the settings hold it, in quotes.</extracomment>
        <translation>プレイヤー「%1」</translation>
    </message>
    <message>
        <source>The statistics could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>統計を保存できませんでした。
%1</translation>
    </message>
    <message>
        <source>Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team</source>
        <translation>Quorvex v1.3 プレリリース 3 - Quorvex チームのゲーム</translation>
    </message>
    <message>
        <source>Quorvex start picture</source>
        <translation>Quorvex の起動画像</translation>
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
        <translation>Quorvex チーム制作</translation>
    </message>
    <message>
        <source>Found a fault? Report it in the project&apos;s issue tracker.</source>
        <translation>不具合を見つけたら、プロジェクトの課題トラッカーで報告してください。</translation>
    </message>
    <message>
        <source>Money: $</source>
        <translation>お金: $</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>犠牲者</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>ドラゴン</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> ここを爆撃 </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>爆撃した犠牲者:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>爆撃したドラゴン:</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>リロード</translation>
    </message>
    <message>
        <source>Gain per Victim:</source>
        <translation>犠牲者1人ごとの収入:</translation>
    </message>
    <message>
        <source>Loss per Dragon:</source>
        <translation>ドラゴン1体ごとの損失:</translation>
    </message>
    <message>
        <source>Total gain / loss:</source>
        <translation>収支の合計:</translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation>命中:</translation>
    </message>
    <message>
        <source>Miss:</source>
        <translation>外れ:</translation>
    </message>
    <message>
        <source>Money:</source>
        <extracomment>The money figure as a screen reader names it.</extracomment>
        <translation>お金:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Singleplayer</source>
        <translation>シングルプレイ</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>ゲームを読み込む</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>ゲームを保存</translation>
    </message>
    <message>
        <source>Delete savegame</source>
        <translation>セーブデータを削除</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation>マルチプレイ</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>ゲームをホスト</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>ゲームに参加</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>%1 (german)</source>
        <extracomment>%1 is the web site&apos;s name; the site is in German only.</extracomment>
        <translation>%1 (ドイツ語)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>このゲームについて...</translation>
    </message>
    <message>
        <source>Your settings, statistics and savegames cannot be kept.
%1</source>
        <translation>設定・統計・セーブデータを保存できません。
%1</translation>
    </message>
    <message>
        <source>Save game [ $%1 ]</source>
        <extracomment>The menu entry with the price the next save costs.</extracomment>
        <translation>ゲームを保存 [ $%1 ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <translation>爆撃した犠牲者: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <translation>爆撃したドラゴン: %1</translation>
    </message>
    <message>
        <source>New game: %1</source>
        <translation>新しいゲーム: %1</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>記録</translation>
    </message>
</context>
<context>
    <name>quorvex::THelp</name>
    <message>
        <source>Loading help.txt, please wait...</source>
        <translation>help.txt を読み込み中です。お待ちください...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>ヘルプテキスト</translation>
    </message>
    <message>
        <source>close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Could not load help.txt!
Please obtain an original copy of Quorvex_v13.zip,
or unpack the zip-file with all included files.</source>
        <extracomment>Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.</extracomment>
        <translation>help.txt を読み込めませんでした！
Quorvex_v13.zip の正規のコピーを入手するか、
zip ファイルを同梱のファイルごと展開してください。</translation>
    </message>
    <message>
        <source>help.txt is there but could not be read:
%1
Please check that you may read the file.</source>
        <extracomment>%1 is the system&apos;s cause, on a line of its own; help.txt is the file&apos;s name.</extracomment>
        <translation>help.txt はありますが、読み込めませんでした:
%1
ファイルを読む権限があるか確認してください。</translation>
    </message>
</context>
<context>
    <name>quorvex::TLadenMenu</name>
    <message>
        <source>Could not load from file &quot;%1&quot;.\nFile not found.</source>
        <extracomment>%1 is the slot&apos;s file name without &quot;.save&quot; (Slot1); the \n is shown as it is, two characters.</extracomment>
        <translation>ファイル「%1」から読み込めませんでした。\nファイルが見つかりません。</translation>
    </message>
</context>
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Nickname</source>
        <translation>ニックネーム</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>チャットメッセージ</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> ここを爆撃 </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <extracomment>The bomb button: the game&apos;s name as a battle cry.</extracomment>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>爆撃した犠牲者:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>爆撃したドラゴン:</translation>
    </message>
    <message>
        <source>[ result ]</source>
        <extracomment>A result label before any bombing.</extracomment>
        <translation>[ 結果 ]</translation>
    </message>
    <message>
        <source>.... idle ...</source>
        <extracomment>The status panel before a game.</extracomment>
        <translation>.... 待機中 ...</translation>
    </message>
    <message>
        <source> Set here </source>
        <translation> ここに配置 </translation>
    </message>
    <message>
        <source>1st click: place Victim</source>
        <translation>1回クリック: 犠牲者を配置</translation>
    </message>
    <message>
        <source>2nd click: place Dragon</source>
        <translation>2回クリック: ドラゴンを配置</translation>
    </message>
    <message>
        <source>3rd click: place nothing</source>
        <translation>3回クリック: 空にする</translation>
    </message>
    <message>
        <source>Victims left:</source>
        <translation>残りの犠牲者:</translation>
    </message>
    <message>
        <source>Dragons left:</source>
        <translation>残りのドラゴン:</translation>
    </message>
    <message>
        <source>Send battlefield</source>
        <translation>戦場を送信</translation>
    </message>
    <message>
        <source>Battlefield result %1</source>
        <extracomment>The result labels&apos; names for a screen reader; %1 is the result they show.</extracomment>
        <translation>戦場の結果 %1</translation>
    </message>
    <message>
        <source>Bomb result %1</source>
        <translation>爆撃の結果 %1</translation>
    </message>
    <message>
        <source>conn. w/ &quot;%1&quot;</source>
        <extracomment>The connection with the player %1 is up.</extracomment>
        <translation>「%1」と接続中</translation>
    </message>
    <message>
        <source>[game] All positions send!</source>
        <extracomment>&quot;[game]&quot; marks the game&apos;s own notes in the log.</extracomment>
        <translation>[ゲーム] すべての配置を送信しました！</translation>
    </message>
    <message>
        <source>[game] All positions received!</source>
        <translation>[ゲーム] すべての配置を受信しました！</translation>
    </message>
    <message>
        <source>[game] new game started</source>
        <extracomment>The host started the next game.</extracomment>
        <translation>[ゲーム] 新しいゲームが始まりました</translation>
    </message>
    <message>
        <source>[game] new game started!</source>
        <extracomment>This player, the host, started the next game.</extracomment>
        <translation>[ゲーム] 新しいゲームを始めました！</translation>
    </message>
    <message>
        <source>[game] Invalid position ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[ゲーム] 無効な位置を無視しました: %1</translation>
    </message>
    <message>
        <source>[game] Extra Victim ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[ゲーム] 余分な犠牲者を無視しました: %1</translation>
    </message>
    <message>
        <source>[game] Extra Dragon ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[ゲーム] 余分なドラゴンを無視しました: %1</translation>
    </message>
    <message>
        <source>[game] Over-long line ignored.</source>
        <translation>[ゲーム] 長すぎる行を無視しました。</translation>
    </message>
    <message>
        <source>[game] %1 won!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[ゲーム] %1 の勝ち！</translation>
    </message>
    <message>
        <source>[game] %1 lost!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[ゲーム] %1 の負け！</translation>
    </message>
    <message>
        <source>[game] %1 bombed a draw!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[ゲーム] %1 の爆撃は引き分け！</translation>
    </message>
    <message>
        <source>[game] Game resumed.</source>
        <extracomment>The same two players met again after a lost line and go on with their game.</extracomment>
        <translation>[ゲーム] ゲームを再開しました。</translation>
    </message>
    <message>
        <source>sending positions...</source>
        <translation>配置を送信中...</translation>
    </message>
    <message>
        <source>receiving positions...</source>
        <translation>配置を受信中...</translation>
    </message>
    <message>
        <source>please bomb now</source>
        <translation>爆撃してください</translation>
    </message>
    <message>
        <source>awaiting positions...</source>
        <translation>配置を待っています...</translation>
    </message>
    <message>
        <source>please set up your battlefield</source>
        <translation>自分の戦場を準備してください</translation>
    </message>
    <message>
        <source>[ You won ]</source>
        <translation>[ 勝ち ]</translation>
    </message>
    <message>
        <source>[ You lost ]</source>
        <translation>[ 負け ]</translation>
    </message>
    <message>
        <source>[ Draw ]</source>
        <translation>[ 引き分け ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Victims this bombing hit.</extracomment>
        <translation>爆撃した犠牲者: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Dragons this bombing hit.</extracomment>
        <translation>爆撃したドラゴン: %1</translation>
    </message>
    <message>
        <source>1 Victim</source>
        <extracomment>A count inside a sentence (&quot;1 Victim and 2 Dragons hit&quot;).</extracomment>
        <translation>犠牲者1人</translation>
    </message>
    <message numerus="yes">
        <source>%n Victims</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>犠牲者%n人</numerusform>
        </translation>
    </message>
    <message>
        <source>1 Dragon</source>
        <extracomment>A count inside a sentence (&quot;2 Victims and 1 Dragon hit&quot;).</extracomment>
        <translation>ドラゴン1体</translation>
    </message>
    <message numerus="yes">
        <source>%n Dragons</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>ドラゴン%n体</numerusform>
        </translation>
    </message>
    <message>
        <source>Bomb result: You won, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>爆撃の結果: 勝ち、%1と%2に命中</translation>
    </message>
    <message>
        <source>Bomb result: You lost, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>爆撃の結果: 負け、%1と%2に命中</translation>
    </message>
    <message>
        <source>Bomb result: Draw, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>爆撃の結果: 引き分け、%1と%2に命中</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and won.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1があなたの戦場を爆撃して勝ちました。</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and lost.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1があなたの戦場を爆撃して負けました。</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield to a draw.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1があなたの戦場を爆撃しました: 引き分け。</translation>
    </message>
    <message>
        <source>All figures placed, ready to send</source>
        <extracomment>Spoken once all five Victims and five Dragons stand on the own battlefield.</extracomment>
        <translation>すべての駒を配置しました。送信できます</translation>
    </message>
    <message>
        <source>%1 and %2 left to place</source>
        <extracomment>Spoken after a figure is placed; %1 the Victims still to place (&quot;4 Victims&quot;), %2 the Dragons.</extracomment>
        <translation>残りの配置: %1と%2</translation>
    </message>
    <message>
        <source>Connection closed gracefully.</source>
        <translation>接続は正常に閉じられました。</translation>
    </message>
    <message>
        <source>Connection reset by peer.</source>
        <translation>接続が相手側からリセットされました。</translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation>接続されていません。</translation>
    </message>
    <message>
        <source>Max line length exceeded.</source>
        <translation>行の最大長を超えました。</translation>
    </message>
    <message>
        <source>Connect timed out.</source>
        <translation>接続がタイムアウトしました。</translation>
    </message>
    <message>
        <source>Connect cancelled.</source>
        <translation>接続を取り消しました。</translation>
    </message>
    <message>
        <source>Already connected.</source>
        <translation>すでに接続されています。</translation>
    </message>
    <message>
        <source>Terminate thread timeout.</source>
        <extracomment>Stopping the server waited too long for the connection to end.</extracomment>
        <translation>接続が時間内に終了しませんでした。</translation>
    </message>
    <message>
        <source>Connection lost: the peer stopped answering.</source>
        <translation>接続が切れました: 相手が応答しなくなりました。</translation>
    </message>
    <message>
        <source>Connection closed: the peer stopped taking data.</source>
        <translation>接続を閉じました: 相手がデータを受け取らなくなりました。</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>不明なエラーです。</translation>
    </message>
    <message>
        <source>Cannot send a line that holds a line break.</source>
        <translation>改行を含む行は送信できません。</translation>
    </message>
    <message>
        <source>No nickname received in time.</source>
        <extracomment>The other player&apos;s game did not send its player name in time.</extracomment>
        <translation>ニックネームを時間内に受信できませんでした。</translation>
    </message>
    <message>
        <source>Could not create an event: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>イベントを作成できませんでした: %1。</translation>
    </message>
    <message>
        <source>Could not create socket: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>ソケットを作成できませんでした: %1。</translation>
    </message>
    <message>
        <source>Could not create a pipe: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>パイプを作成できませんでした: %1。</translation>
    </message>
    <message>
        <source>Could not send: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>送信できませんでした: %1。</translation>
    </message>
    <message>
        <source>Could not wait for data: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>データを待機できませんでした: %1。</translation>
    </message>
    <message>
        <source>Could not receive: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>受信できませんでした: %1。</translation>
    </message>
    <message>
        <source>Could not wait for connections: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>接続を待機できませんでした: %1。</translation>
    </message>
    <message>
        <source>Could not accept a connection: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>接続を受け付けられませんでした: %1。</translation>
    </message>
    <message>
        <source>Could not read the bound port: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>割り当てられたポートを読み取れませんでした: %1。</translation>
    </message>
    <message>
        <source>Could not bind socket to port %1: %2.</source>
        <extracomment>%1 is the port, %2 the system&apos;s reason.</extracomment>
        <translation>ソケットをポート %1 にバインドできませんでした: %2。</translation>
    </message>
    <message>
        <source>Could not connect to %1:%2: %3.</source>
        <extracomment>%1 is the host, %2 the port, %3 the system&apos;s reason.</extracomment>
        <translation>%1:%2 に接続できませんでした: %3。</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: no address.</source>
        <extracomment>%1 is the host&apos;s name as typed; it has no address.</extracomment>
        <translation>ホスト「%1」を解決できませんでした: アドレスがありません。</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the host&apos;s name as typed, %2 the system&apos;s reason.</extracomment>
        <translation>ホスト「%1」を解決できませんでした: %2。</translation>
    </message>
    <message>
        <source>Invalid port %1.</source>
        <extracomment>%1 is the port number that cannot be used.</extracomment>
        <translation>無効なポート %1 です。</translation>
    </message>
</context>
<context>
    <name>quorvex::TRecords</name>
    <message>
        <source>Your name for the new record</source>
        <translation>新しい記録の名前</translation>
    </message>
    <message>
        <source>New record: place %1, $%2</source>
        <extracomment>A new row in a records table as a screen reader tells it; %1 is the place (1 to 10), %2 the money.</extracomment>
        <translation>新記録: %1 位、$%2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>100 Victims</source>
        <extracomment>The tabs of the records window, one per game mode.</extracomment>
        <translation>犠牲者100人</translation>
    </message>
    <message>
        <source>200 Victims</source>
        <translation>犠牲者200人</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>エンドレス</translation>
    </message>
    <message>
        <source> Over every run </source>
        <translation> すべてのプレイ </translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>お金</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>ターン</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>ドラゴン</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>読込</translation>
    </message>
    <message>
        <source>Endless games started:</source>
        <translation>開始したエンドレス:</translation>
    </message>
    <message>
        <source>Games of 100 started:</source>
        <translation>開始した100人:</translation>
    </message>
    <message>
        <source>Games of 100 won:</source>
        <translation>勝った100人:</translation>
    </message>
    <message>
        <source>Games of 200 started:</source>
        <translation>開始した200人:</translation>
    </message>
    <message>
        <source>Games of 200 won:</source>
        <translation>勝った200人:</translation>
    </message>
    <message>
        <source>Turns:</source>
        <translation>ターン:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>倒した犠牲者:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>倒したドラゴン:</translation>
    </message>
    <message>
        <source>Best kill streak:</source>
        <translation>最高の連続キル:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>得たお金:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>失ったお金:</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks an entry of a game taken up from a savegame slot.</extracomment>
        <translation>はい</translation>
    </message>
    <message>
        <source>The records file was damaged. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the damaged file now has.</extracomment>
        <translation>記録ファイルが壊れていました。「%1」として残し、新しいファイルを始めます。</translation>
    </message>
    <message>
        <source>The records file was not made by this version of the game. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the unknown file now has.</extracomment>
        <translation>記録ファイルはこのバージョンのゲームで作られたものではありません。「%1」として残し、新しいファイルを始めます。</translation>
    </message>
    <message>
        <source>The records could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>記録を保存できませんでした。
%1</translation>
    </message>
    <message>
        <source>Clear every record and the figures over every run?</source>
        <translation>すべての記録と、すべてのプレイを通した数字を消去しますか?</translation>
    </message>
</context>
<context>
    <name>quorvex::TSetup</name>
    <message>
        <source>Please enter your name for singleplayer games</source>
        <translation>シングルプレイで使う名前を入力してください</translation>
    </message>
    <message>
        <source>Please enter your name for multiplayer games</source>
        <translation>マルチプレイで使う名前を入力してください</translation>
    </message>
    <message>
        <source>Please enter your servername for multiplayer games</source>
        <translation>マルチプレイで使うサーバー名を入力してください</translation>
    </message>
    <message>
        <source>Config of sadism</source>
        <translation>サディズムの設定</translation>
    </message>
    <message>
        <source>Name - Singleplayer</source>
        <translation>名前 - シングルプレイ</translation>
    </message>
    <message>
        <source>Name - Multiplayer</source>
        <translation>名前 - マルチプレイ</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>サーバー名</translation>
    </message>
    <message>
        <source>show splash-screen</source>
        <translation>スプラッシュ画面を表示</translation>
    </message>
    <message>
        <source>fade effect</source>
        <translation>フェード効果</translation>
    </message>
    <message>
        <source>close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取り消し</translation>
    </message>
    <message>
        <source>default</source>
        <translation>初期値</translation>
    </message>
    <message>
        <source>restore defaults?</source>
        <translation>初期値に戻しますか？</translation>
    </message>
    <message>
        <source>The settings could not be saved to setup.ini.
%1
They stay in effect until the program ends.</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own; setup.ini is the file&apos;s name.</extracomment>
        <translation>設定を setup.ini に保存できませんでした。
%1
設定はプログラムを終了するまで有効です。</translation>
    </message>
</context>
<context>
    <name>quorvex::TSlotDialog</name>
    <message>
        <source>No data present</source>
        <translation>データなし</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, %2, $%3, Victims %4, Dragons %5</source>
        <extracomment>What a slot holds, told by its buttons: name, game type, money, the two counters.</extracomment>
        <translation>「%1」、%2、$%3、犠牲者 %4、ドラゴン %5</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>スロット %1</translation>
    </message>
    <message>
        <source>type</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>犠牲者</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>ドラゴン</translation>
    </message>
    <message>
        <source>close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>ゲームを保存</translation>
    </message>
    <message>
        <source>save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>ゲームを読み込む</translation>
    </message>
    <message>
        <source>load</source>
        <translation>読み込む</translation>
    </message>
    <message>
        <source>Manage savegames</source>
        <translation>セーブデータの管理</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>quorvex::TSpeicherMenu</name>
    <message>
        <source>current price for saving: $</source>
        <translation>現在の保存料金: $</translation>
    </message>
    <message>
        <source>overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Savegame already exists. Overwrite?</source>
        <translation>セーブデータがすでにあります。上書きしますか？</translation>
    </message>
    <message>
        <source>Saved to slot %1 for $%2</source>
        <translation>スロット %1 に $%2 で保存しました</translation>
    </message>
</context>
<context>
    <name>quorvex::TSplashScr</name>
    <message>
        <source>Quorvex logo</source>
        <translation>Quorvex のロゴ</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_client</name>
    <message>
        <source>[ Client ]  Quorvex Multiplayer - Beta1</source>
        <translation>[ クライアント ]  Quorvex マルチプレイ - Beta1</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>接続先</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Could not connect to %1</source>
        <extracomment>%1 is the address the player typed.</extracomment>
        <translation>%1 に接続できませんでした</translation>
    </message>
    <message>
        <source>disconnected!</source>
        <translation>切断されました！</translation>
    </message>
    <message>
        <source>Can not close while client is active!</source>
        <translation>クライアントの接続中は閉じられません！</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_host</name>
    <message>
        <source>[ Host ] Quorvex Multiplayer - Beta1</source>
        <translation>[ ホスト ] Quorvex マルチプレイ - Beta1</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>サーバー名</translation>
    </message>
    <message>
        <source>Start server</source>
        <translation>サーバー開始</translation>
    </message>
    <message>
        <source>Stop server</source>
        <translation>サーバー停止</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>リンクをコピーしました</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>もう一度</translation>
    </message>
    <message>
        <source>Client lost</source>
        <translation>クライアントが切断しました</translation>
    </message>
    <message>
        <source>Can not close while server is active!</source>
        <translation>サーバーの稼働中は閉じられません！</translation>
    </message>
</context>
<context>
    <name>quorvex::Tstat</name>
    <message>
        <source>Game statistic</source>
        <translation>ゲームの統計</translation>
    </message>
    <message>
        <source>Double kills:</source>
        <translation>ダブルキル:</translation>
    </message>
    <message>
        <source>Triple kills:</source>
        <translation>トリプルキル:</translation>
    </message>
    <message>
        <source>Master kills:</source>
        <translation>マスターキル:</translation>
    </message>
    <message>
        <source>Ultra kills:</source>
        <translation>ウルトラキル:</translation>
    </message>
    <message>
        <source># of games:</source>
        <translation>ゲーム数:</translation>
    </message>
    <message>
        <source>Total hits:</source>
        <translation>命中の合計:</translation>
    </message>
    <message>
        <source>Total misses:</source>
        <translation>外れの合計:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>倒した犠牲者:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>倒したドラゴン:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>獲得したお金:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>失ったお金:</translation>
    </message>
</context>
<context>
    <name>qx::News</name>
    <message numerus="yes">
        <source>%n new lines</source>
        <extracomment>Spoken instead of a burst of more lines than are read out; %n is always more than one here.</extracomment>
        <translation>
            <numerusform>新しい行 %n 行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qx::PictureCell</name>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <extracomment>A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.</extracomment>
        <translation>マス %1、%2 行 %3 列</translation>
    </message>
</context>
</TS>
