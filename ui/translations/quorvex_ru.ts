<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Access</name>
    <message>
        <source>%1, not checked</source>
        <extracomment>A menu entry that is switched off, as a screen reader reads it; %1 is the entry.</extracomment>
        <translation>%1, не отмечено</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 in the folder the game is started in</source>
        <translation>%1 в папке, из которой запущена игра</translation>
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
        <translation>Использование: quorvex [ССЫЛКА]
                quorvex --help | --version

Запускает игру Quorvex: поле 5 на 5 клеток, для одного игрока или для двоих
по сети (TCP-порт 9999).

  ССЫЛКА         quorvex://ХОСТ или quorvex://ХОСТ:ПОРТ, адрес IPv6 в
                 квадратных скобках (quorvex://[2001:db8::5]): открывает окно
                 подключения с уже вписанным адресом. Если игра уже запущена,
                 ссылку принимает она.
  -h, --help     показать эту справку и выйти
  --version      показать версию и выйти

</translation>
    </message>
    <message>
        <source>Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and
Slot1.save to Slot3.save (savegames) in %1
</source>
        <translation>Файлы: setup.ini (настройки), Quorvex.stat (статистика последнего сеанса)
и Slot1.save – Slot3.save (сохранения) в %1
</translation>
    </message>
    <message>
        <source>Help text: %1
</source>
        <translation>Справка: %1
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>only one game link, please</source>
        <translation>пожалуйста, только одну ссылку на игру</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).</source>
        <extracomment>%1 is the link as given; HOST and PORT stand for a computer&apos;s name and a port number.</extracomment>
        <translation>«%1» — не ссылка на игру Quorvex (quorvex://ХОСТ или quorvex://ХОСТ:ПОРТ).</translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>Bestätigung</source>
        <extracomment>The confirmation box&apos;s caption. Stays German in English; give your language&apos;s word.</extracomment>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <extracomment>The confirmation box&apos;s yes button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <extracomment>The confirmation box&apos;s no button, German in English too; &amp; marks the access key.</extracomment>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No web browser could be started for %1
Please open the address in a browser yourself.</source>
        <translation>Не удалось запустить браузер для %1
Пожалуйста, откройте адрес в браузере сами.</translation>
    </message>
</context>
<context>
    <name>FieldPictures</name>
    <message>
        <source>marked</source>
        <translation>отмечена</translation>
    </message>
    <message>
        <source>Victim</source>
        <translation>Жертва</translation>
    </message>
    <message>
        <source>Victim hit</source>
        <translation>Жертва, попадание</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Дракон</translation>
    </message>
    <message>
        <source>Dragon hit</source>
        <translation>Дракон, попадание</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>unmarked</source>
        <translation>не отмечена</translation>
    </message>
    <message>
        <source>marked, empty</source>
        <translation>отмечена, пусто</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Close the open window first, then open the game link again.</source>
        <translation>Сначала закройте открытое окно, затем снова откройте ссылку на игру.</translation>
    </message>
    <message>
        <source>Disconnect first, then open the game link again.</source>
        <translation>Сначала отключитесь, затем снова откройте ссылку на игру.</translation>
    </message>
</context>
<context>
    <name>GameLinks</name>
    <message>
        <source>Copy link %1</source>
        <extracomment>A context menu&apos;s entry; %1 is a link such as quorvex://192.0.2.7.</extracomment>
        <translation>Копировать ссылку %1</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Ссылка скопирована</translation>
    </message>
    <message>
        <source>Quorvex: game links cannot be taken at %1</source>
        <extracomment>On the terminal; %1 is a path and why a socket cannot listen there.</extracomment>
        <translation>Quorvex: ссылки на игру нельзя принимать в %1</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>HostLog</name>
    <message>
        <source>Server active</source>
        <translation>Сервер запущен</translation>
    </message>
    <message>
        <source>Server closed</source>
        <translation>Сервер закрыт</translation>
    </message>
    <message>
        <source>Server not listening, game no longer announced</source>
        <translation>Сервер не слушает, игра больше не объявляется</translation>
    </message>
    <message>
        <source>Router: port %1 open and for IPv6</source>
        <translation>Роутер: порт %1 открыт, также для IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open</source>
        <translation>Роутер: порт %1 открыт</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2 and for IPv6</source>
        <extracomment>%1 is the port, %2 the router&apos;s address on the internet.</extracomment>
        <translation>Роутер: порт %1 открыт на %2, также для IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open at %2</source>
        <translation>Роутер: порт %1 открыт на %2</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6</source>
        <translation>Роутер: порт %1 открыт для IPv6</translation>
    </message>
    <message>
        <source>Router: port %1 open for IPv6, not for IPv4 (%2)</source>
        <extracomment>%1 is the port, %2 why the router refused the port for IPv4.</extracomment>
        <translation>Роутер: порт %1 открыт для IPv6, но не для IPv4 (%2)</translation>
    </message>
    <message>
        <source>Game announced as %1</source>
        <extracomment>The name was taken on the local network; %1 is the name the game got instead.</extracomment>
        <translation>Игра объявлена как %1</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (not the default gateway)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Роутер: ответ от %1 пропущен (это не основной шлюз)</translation>
    </message>
    <message>
        <source>Router: answer from %1 ignored (its description is at another address)</source>
        <extracomment>%1 is the address of the machine whose answer was not believed.</extracomment>
        <translation>Роутер: ответ от %1 пропущен (его описание по другому адресу)</translation>
    </message>
    <message>
        <source>Router: no port opened (%1)</source>
        <extracomment>%1 is why the router opened nothing.</extracomment>
        <translation>Роутер: порт не открыт (%1)</translation>
    </message>
    <message>
        <source>Router: port %1 closed</source>
        <translation>Роутер: порт %1 закрыт</translation>
    </message>
    <message>
        <source>Router: port %1 not closed (%2)</source>
        <extracomment>%1 is the port, %2 why the router kept it open.</extracomment>
        <translation>Роутер: порт %1 не закрыт (%2)</translation>
    </message>
    <message>
        <source>the router did not answer in time</source>
        <translation>роутер не ответил вовремя</translation>
    </message>
    <message>
        <source>no router answered</source>
        <translation>ни один роутер не ответил</translation>
    </message>
    <message>
        <source>no answer from the default gateway</source>
        <extracomment>Answers came only from machines other than the default gateway.</extracomment>
        <translation>нет ответа от шлюза по умолчанию</translation>
    </message>
    <message>
        <source>the router could not be asked (%1)</source>
        <extracomment>%1 is the system&apos;s message naming the library that could not be loaded.</extracomment>
        <translation>не удалось обратиться к роутеру (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s description could not be read</source>
        <translation>не удалось прочитать описание роутера</translation>
    </message>
    <message>
        <source>the router&apos;s description names another address for its port mapping</source>
        <translation>описание роутера указывает другой адрес для проброса портов</translation>
    </message>
    <message>
        <source>the router offers no port mapping</source>
        <translation>роутер не поддерживает проброс портов</translation>
    </message>
    <message>
        <source>the router is not connected to the internet</source>
        <translation>роутер не подключён к интернету</translation>
    </message>
    <message>
        <source>the router refused port %1: it is in use</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>роутер отклонил порт %1: он занят</translation>
    </message>
    <message>
        <source>the router refused port %1: not allowed</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>роутер отклонил порт %1: не разрешено</translation>
    </message>
    <message>
        <source>the router refused port %1: it has no free mappings</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>роутер отклонил порт %1: нет свободных пробросов</translation>
    </message>
    <message>
        <source>the router refused port %1 (UPnP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>роутер отклонил порт %1 (ошибка UPnP %2)</translation>
    </message>
    <message>
        <source>the router refused port %1 (NAT-PMP error %2)</source>
        <extracomment>%1 is the port, %2 the router&apos;s error number.</extracomment>
        <translation>роутер отклонил порт %1 (ошибка NAT-PMP %2)</translation>
    </message>
    <message>
        <source>the router refused it (UPnP error %1)</source>
        <extracomment>The router kept the port open; %1 is its error number.</extracomment>
        <translation>роутер отказал (ошибка UPnP %1)</translation>
    </message>
</context>
<context>
    <name>LocalGames</name>
    <message>
        <source>Quorvex: no games on the local network: %1</source>
        <extracomment>On the terminal; %1 is why (a missing library, for one).</extracomment>
        <translation>Quorvex: нет игр в локальной сети: %1</translation>
    </message>
    <message>
        <source>Address filled in: %1</source>
        <extracomment>Spoken once a game is chosen from the local network&apos;s list; %1 is its address.</extracomment>
        <translation>Адрес вписан: %1</translation>
    </message>
</context>
<context>
    <name>Marking</name>
    <message>
        <source>Ready to bomb!!!</source>
        <translation>Можно бомбить!!!</translation>
    </message>
    <message>
        <source>Only 5 fields max!</source>
        <translation>Не больше 5 клеток!</translation>
    </message>
    <message numerus="yes">
        <source>%n fields left</source>
        <extracomment>The cells still to mark before the five bombs can be dropped.</extracomment>
        <translation>
            <numerusform>Осталась %n клетка</numerusform>
            <numerusform>Осталось %n клетки</numerusform>
            <numerusform>Осталось %n клеток</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouterConsent</name>
    <message>
        <source>Ask the router to open the port</source>
        <translation>Попросить роутер открыть порт</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutBox</name>
    <message>
        <source>Quorvex v1.3 - made by the Quorvex team</source>
        <translation>Quorvex v1.3 - создано командой Quorvex</translation>
    </message>
    <message>
        <source>Write to us: quorvex.example.org</source>
        <translation>Пишите: quorvex.example.org</translation>
    </message>
    <message>
        <source>Idea: the Victim-bombing web game of Zentrafell</source>
        <translation>Идея: браузерная игра Zentrafell про бомбёжку Жертв</translation>
    </message>
    <message>
        <source>and the grid game of the group&apos;s founder</source>
        <translation>и игра на поле основателя группы</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Особая благодарность:</translation>
    </message>
    <message>
        <source>Victim No. 1 - for testing every pre-release</source>
        <translation>Жертве № 1 - за проверку каждой предварительной версии</translation>
    </message>
    <message>
        <source>the Dragon keeper - for the pictures</source>
        <translation>хранителю Драконов - за картинки</translation>
    </message>
    <message>
        <source>the net wizard - for the two-player game</source>
        <translation>сетевому волшебнику - за игру вдвоём</translation>
    </message>
    <message>
        <source>the proof reader - for help.txt</source>
        <translation>корректору - за help.txt</translation>
    </message>
    <message>
        <source>the bug hunter - for every fault reported</source>
        <translation>охотнику за багами - за каждую найденную ошибку</translation>
    </message>
    <message>
        <source>the Quorvex forum at quorvex.example.org</source>
        <translation>форуму Quorvex на quorvex.example.org</translation>
    </message>
    <message>
        <source>and the whole Zentrafell community</source>
        <translation>и всему сообществу Zentrafell</translation>
    </message>
    <message>
        <source>Thx to UPX for ~250Kb instead of ~800Kb .exe-size</source>
        <translation>Спасибо UPX за ~250Kb вместо ~800Kb размера .exe</translation>
    </message>
    <message>
        <source>UPX, the executable packer: upx.github.io</source>
        <translation>UPX, упаковщик исполняемых файлов: upx.github.io</translation>
    </message>
    <message>
        <source>&quot;No Victim is safe.&quot;</source>
        <translation>«Ни одна Жертва не в безопасности.»</translation>
    </message>
    <message>
        <source>Quorvex (C) the Quorvex team - free to play and share</source>
        <translation>Quorvex (C) команда Quorvex - играйте и делитесь свободно</translation>
    </message>
    <message>
        <source>Zentrafell web game (C) Zentrafell</source>
        <translation>Браузерная игра Zentrafell (C) Zentrafell</translation>
    </message>
    <message>
        <source>Grid game (C) the founder of Zentrafell</source>
        <translation>Игра на поле (C) основатель Zentrafell</translation>
    </message>
    <message>
        <source>Zentrafell site</source>
        <translation>Zentrafell</translation>
    </message>
    <message>
        <source>Quorvex site (german)</source>
        <extracomment>The site is in German only.</extracomment>
        <translation>Quorvex (по-немецки)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>Quorvex logo</source>
        <translation>Логотип Quorvex</translation>
    </message>
    <message>
        <source>close</source>
        <translation>закрыть</translation>
    </message>
</context>
<context>
    <name>quorvex::TDelMenu</name>
    <message>
        <source>Delete savegame in %1?</source>
        <translation>Удалить сохранение в %1?</translation>
    </message>
    <message>
        <source>Could not delete file &quot;%1.save&quot;. File not found or write protected</source>
        <translation>Не удалось удалить файл «%1.save». Файл не найден или защищён от записи</translation>
    </message>
    <message>
        <source>Savegame in %1 deleted!</source>
        <translation>Сохранение в %1 удалено!</translation>
    </message>
</context>
<context>
    <name>quorvex::THaupt</name>
    <message>
        <source>Double kill</source>
        <translation>Двойное убийство</translation>
    </message>
    <message>
        <source>Triple kill!</source>
        <translation>Тройное убийство!</translation>
    </message>
    <message>
        <source>Master kill!</source>
        <translation>Мастерское убийство!</translation>
    </message>
    <message>
        <source>Ultra sadistic kill!</source>
        <extracomment>Five Victims hit with the five bombs of one turn.</extracomment>
        <translation>Ультрасадизм!</translation>
    </message>
    <message>
        <source>Endless game</source>
        <translation>Бесконечная игра</translation>
    </message>
    <message numerus="yes">
        <source>%n killed Victims</source>
        <extracomment>A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.</extracomment>
        <translation>
            <numerusform>%n убитая Жертва</numerusform>
            <numerusform>%n убитые Жертвы</numerusform>
            <numerusform>%n убитых Жертв</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dead Victims</source>
        <translation>
            <numerusform>%n убитая Жертва</numerusform>
            <numerusform>%n убитые Жертвы</numerusform>
            <numerusform>%n убитых Жертв</numerusform>
        </translation>
    </message>
    <message>
        <source>game type</source>
        <extracomment>The game-type label before any game is started.</extracomment>
        <translation>режим игры</translation>
    </message>
    <message numerus="yes">
        <source>Congratulation! You won! Your Money after killing %n Victims is $%1!</source>
        <extracomment>%n is 100 or 200, %1 the money held at the end (may be negative).</extracomment>
        <translation>
            <numerusform>Поздравляем! Вы победили! После %n убитой Жертвы у вас $%1!</numerusform>
            <numerusform>Поздравляем! Вы победили! После %n убитых Жертв у вас $%1!</numerusform>
            <numerusform>Поздравляем! Вы победили! После %n убитых Жертв у вас $%1!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Victims Bombed! %n hits, %1 miss -- %2</source>
        <extracomment>The status bar after a turn: %n cells hit of five, %1 missed (5 - %n), %2 the turn&apos;s gain or loss (&quot;+$222&quot;, &quot;-$100&quot;).</extracomment>
        <translation>
            <numerusform>Бомбёжка! %n попадание, промахов: %1 -- %2</numerusform>
            <numerusform>Бомбёжка! %n попадания, промахов: %1 -- %2</numerusform>
            <numerusform>Бомбёжка! %n попаданий, промахов: %1 -- %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No marks left, ready to bomb</source>
        <translation>Меток больше нет, можно бомбить</translation>
    </message>
    <message>
        <source>1 mark left</source>
        <extracomment>Spoken after a mark: one mark still to make.</extracomment>
        <translation>Осталась 1 метка</translation>
    </message>
    <message numerus="yes">
        <source>%n marks left</source>
        <extracomment>Spoken after a mark; %n is 2 to 5 (one mark left has its own text).</extracomment>
        <translation>
            <numerusform>Осталась %n метка</numerusform>
            <numerusform>Осталось %n метки</numerusform>
            <numerusform>Осталось %n меток</numerusform>
        </translation>
    </message>
    <message>
        <source>Player &quot;%1&quot;</source>
        <extracomment>The player&apos;s name as the settings hold it, in quotes.</extracomment>
        <translation>Игрок «%1»</translation>
    </message>
    <message>
        <source>The statistics could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Не удалось сохранить статистику.
%1</translation>
    </message>
    <message>
        <source>Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team</source>
        <translation>Quorvex v1.3 ПРЕДРЕЛИЗ 3 - игра команды Quorvex</translation>
    </message>
    <message>
        <source>Quorvex start picture</source>
        <translation>Заставка Quorvex</translation>
    </message>
    <message>
        <source>Quorvex v1.3</source>
        <translation>Quorvex v1.3</translation>
    </message>
    <message>
        <source>PRE-RELEASE 3</source>
        <translation>ПРЕДРЕЛИЗ 3</translation>
    </message>
    <message>
        <source>written by the Quorvex team</source>
        <translation>написано командой Quorvex</translation>
    </message>
    <message>
        <source>Found a fault? Report it in the project&apos;s issue tracker.</source>
        <translation>Нашли ошибку? Сообщите о ней в трекер задач проекта.</translation>
    </message>
    <message>
        <source>Money: $</source>
        <translation>Счёт: $</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Жертвы</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Драконы</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Бомбить здесь </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Убито Жертв:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Убито Драконов:</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Перезарядить</translation>
    </message>
    <message>
        <source>Gain per Victim:</source>
        <translation>Доход за Жертву:</translation>
    </message>
    <message>
        <source>Loss per Dragon:</source>
        <translation>Потеря за Дракона:</translation>
    </message>
    <message>
        <source>Total gain / loss:</source>
        <translation>Доход / убыток:</translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>Miss:</source>
        <translation>Мимо</translation>
    </message>
    <message>
        <source>Money:</source>
        <extracomment>The money figure as a screen reader names it.</extracomment>
        <translation>Деньги:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Singleplayer</source>
        <translation>Одиночная игра</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Загрузить игру</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Сохранить игру</translation>
    </message>
    <message>
        <source>Delete savegame</source>
        <translation>Удалить сохранение</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation>Сетевая игра</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Создать игру</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Присоединиться</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>%1 (german)</source>
        <extracomment>%1 is the web site&apos;s name; the site is in German only.</extracomment>
        <translation>%1 (по-немецки)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>Your settings, statistics and savegames cannot be kept.
%1</source>
        <translation>Не удаётся сохранить ваши настройки, статистику и сохранения.
%1</translation>
    </message>
    <message>
        <source>Save game [ $%1 ]</source>
        <extracomment>The menu entry with the price the next save costs.</extracomment>
        <translation>Сохранить игру [ $%1 ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <translation>Убито Жертв: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <translation>Убито Драконов: %1</translation>
    </message>
    <message>
        <source>New game: %1</source>
        <translation>Новая игра: %1</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Рекорды</translation>
    </message>
</context>
<context>
    <name>quorvex::THelp</name>
    <message>
        <source>Loading help.txt, please wait...</source>
        <translation>Загрузка help.txt, подождите...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст справки</translation>
    </message>
    <message>
        <source>close</source>
        <translation>закрыть</translation>
    </message>
    <message>
        <source>Could not load help.txt!
Please obtain an original copy of Quorvex_v13.zip,
or unpack the zip-file with all included files.</source>
        <extracomment>Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.</extracomment>
        <translation>Не удалось загрузить help.txt!
Раздобудьте оригинальную копию Quorvex_v13.zip
или распакуйте zip-файл со всеми файлами.</translation>
    </message>
    <message>
        <source>help.txt is there but could not be read:
%1
Please check that you may read the file.</source>
        <extracomment>%1 is the system&apos;s cause, on a line of its own; help.txt is the file&apos;s name.</extracomment>
        <translation>help.txt есть, но прочитать его не удалось:
%1
Проверьте, есть ли у вас право читать этот файл.</translation>
    </message>
</context>
<context>
    <name>quorvex::TLadenMenu</name>
    <message>
        <source>Could not load from file &quot;%1&quot;.\nFile not found.</source>
        <extracomment>%1 is the slot&apos;s file name without &quot;.save&quot; (Slot1); the \n is shown as it is, two characters.</extracomment>
        <translation>Не удалось загрузить из файла «%1».\nФайл не найден.</translation>
    </message>
</context>
<context>
    <name>quorvex::TNetWindow</name>
    <message>
        <source>Nickname</source>
        <translation>Ник</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Сообщение в чат</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source> Bomb here </source>
        <translation> Бомбить здесь </translation>
    </message>
    <message>
        <source>Quorvex!</source>
        <extracomment>The bomb button: the game&apos;s name as a battle cry.</extracomment>
        <translation>Quorvex!</translation>
    </message>
    <message>
        <source>Bombed Victims:</source>
        <translation>Убито Жертв:</translation>
    </message>
    <message>
        <source>Bombed Dragons:</source>
        <translation>Убито Драконов:</translation>
    </message>
    <message>
        <source>[ result ]</source>
        <extracomment>A result label before any bombing.</extracomment>
        <translation>[ итог ]</translation>
    </message>
    <message>
        <source>.... idle ...</source>
        <extracomment>The status panel before a game.</extracomment>
        <translation>.... ожидание ...</translation>
    </message>
    <message>
        <source> Set here </source>
        <translation> Ставить здесь </translation>
    </message>
    <message>
        <source>1st click: place Victim</source>
        <translation>1-й щелчок: Жертва</translation>
    </message>
    <message>
        <source>2nd click: place Dragon</source>
        <translation>2-й щелчок: Дракон</translation>
    </message>
    <message>
        <source>3rd click: place nothing</source>
        <translation>3-й щелчок: пусто</translation>
    </message>
    <message>
        <source>Victims left:</source>
        <translation>Жертвы:</translation>
    </message>
    <message>
        <source>Dragons left:</source>
        <translation>Драконы:</translation>
    </message>
    <message>
        <source>Send battlefield</source>
        <translation>Отправить поле боя</translation>
    </message>
    <message>
        <source>Battlefield result %1</source>
        <extracomment>The result labels&apos; names for a screen reader; %1 is the result they show.</extracomment>
        <translation>Итог поля боя %1</translation>
    </message>
    <message>
        <source>Bomb result %1</source>
        <translation>Итог бомбёжки %1</translation>
    </message>
    <message>
        <source>conn. w/ &quot;%1&quot;</source>
        <extracomment>The connection with the player %1 is up.</extracomment>
        <translation>связь с «%1»</translation>
    </message>
    <message>
        <source>[game] All positions send!</source>
        <extracomment>&quot;[game]&quot; marks the game&apos;s own notes in the log.</extracomment>
        <translation>[игра] Все позиции отправлены!</translation>
    </message>
    <message>
        <source>[game] All positions received!</source>
        <translation>[игра] Все позиции получены!</translation>
    </message>
    <message>
        <source>[game] new game started</source>
        <extracomment>The host started the next game.</extracomment>
        <translation>[игра] начата новая игра</translation>
    </message>
    <message>
        <source>[game] new game started!</source>
        <extracomment>This player, the host, started the next game.</extracomment>
        <translation>[игра] начата новая игра!</translation>
    </message>
    <message>
        <source>[game] Invalid position ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[игра] Неверная позиция пропущена: %1</translation>
    </message>
    <message>
        <source>[game] Extra Victim ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[игра] Лишняя Жертва пропущена: %1</translation>
    </message>
    <message>
        <source>[game] Extra Dragon ignored: %1</source>
        <extracomment>%1 is the line the other player sent.</extracomment>
        <translation>[игра] Лишний Дракон пропущен: %1</translation>
    </message>
    <message>
        <source>[game] Over-long line ignored.</source>
        <translation>[игра] Слишком длинная строка пропущена.</translation>
    </message>
    <message>
        <source>[game] %1 won!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[игра] %1: победа!</translation>
    </message>
    <message>
        <source>[game] %1 lost!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[игра] %1: поражение!</translation>
    </message>
    <message>
        <source>[game] %1 bombed a draw!</source>
        <extracomment>%1, the other player, bombed this player&apos;s battlefield.</extracomment>
        <translation>[игра] %1: бомбёжка вничью!</translation>
    </message>
    <message>
        <source>[game] Game resumed.</source>
        <extracomment>The same two players met again after a lost line and go on with their game.</extracomment>
        <translation>[игра] Игра продолжается.</translation>
    </message>
    <message>
        <source>sending positions...</source>
        <translation>отправка позиций...</translation>
    </message>
    <message>
        <source>receiving positions...</source>
        <translation>получение позиций...</translation>
    </message>
    <message>
        <source>please bomb now</source>
        <translation>бомбите</translation>
    </message>
    <message>
        <source>awaiting positions...</source>
        <translation>ожидание позиций...</translation>
    </message>
    <message>
        <source>please set up your battlefield</source>
        <translation>расставьте своё поле боя</translation>
    </message>
    <message>
        <source>[ You won ]</source>
        <translation>[ Победа ]</translation>
    </message>
    <message>
        <source>[ You lost ]</source>
        <translation>[ Поражение ]</translation>
    </message>
    <message>
        <source>[ Draw ]</source>
        <translation>[ Ничья ]</translation>
    </message>
    <message>
        <source>Bombed Victims: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Victims this bombing hit.</extracomment>
        <translation>Убито Жертв: %1</translation>
    </message>
    <message>
        <source>Bombed Dragons: %1</source>
        <extracomment>%1 is the number of the opponent&apos;s Dragons this bombing hit.</extracomment>
        <translation>Убито Драконов: %1</translation>
    </message>
    <message>
        <source>1 Victim</source>
        <extracomment>A count inside a sentence (&quot;1 Victim and 2 Dragons hit&quot;).</extracomment>
        <translation>1 Жертва</translation>
    </message>
    <message numerus="yes">
        <source>%n Victims</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Жертва</numerusform>
            <numerusform>%n Жертвы</numerusform>
            <numerusform>%n Жертв</numerusform>
        </translation>
    </message>
    <message>
        <source>1 Dragon</source>
        <extracomment>A count inside a sentence (&quot;2 Victims and 1 Dragon hit&quot;).</extracomment>
        <translation>1 Дракон</translation>
    </message>
    <message numerus="yes">
        <source>%n Dragons</source>
        <extracomment>A count inside a sentence (&quot;3 Victims and 2 Dragons hit&quot;); %n is never 1.</extracomment>
        <translation>
            <numerusform>%n Дракон</numerusform>
            <numerusform>%n Дракона</numerusform>
            <numerusform>%n Драконов</numerusform>
        </translation>
    </message>
    <message>
        <source>Bomb result: You won, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Результат бомбы: вы выиграли, поражено: %1 и %2</translation>
    </message>
    <message>
        <source>Bomb result: You lost, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Результат бомбы: вы проиграли, поражено: %1 и %2</translation>
    </message>
    <message>
        <source>Bomb result: Draw, %1 and %2 hit</source>
        <extracomment>Spoken after this player&apos;s bombing; %1 the Victims hit (&quot;3 Victims&quot;), %2 the Dragons hit.</extracomment>
        <translation>Результат бомбы: ничья, поражено: %1 и %2</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and won.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 бомбил ваше поле боя и выиграл.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield and lost.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 бомбил ваше поле боя и проиграл.</translation>
    </message>
    <message>
        <source>%1 bombed your battlefield to a draw.</source>
        <extracomment>Spoken when the other player %1 has bombed this player&apos;s battlefield.</extracomment>
        <translation>%1 бомбил ваше поле боя: ничья.</translation>
    </message>
    <message>
        <source>All figures placed, ready to send</source>
        <extracomment>Spoken once all five Victims and five Dragons stand on the own battlefield.</extracomment>
        <translation>Все фигуры расставлены, можно отправлять</translation>
    </message>
    <message>
        <source>%1 and %2 left to place</source>
        <extracomment>Spoken after a figure is placed; %1 the Victims still to place (&quot;4 Victims&quot;), %2 the Dragons.</extracomment>
        <translation>Осталось расставить: %1 и %2</translation>
    </message>
    <message>
        <source>Connection closed gracefully.</source>
        <translation>Соединение закрыто штатно.</translation>
    </message>
    <message>
        <source>Connection reset by peer.</source>
        <translation>Соединение сброшено другой стороной.</translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation>Нет соединения.</translation>
    </message>
    <message>
        <source>Max line length exceeded.</source>
        <translation>Превышена максимальная длина строки.</translation>
    </message>
    <message>
        <source>Connect timed out.</source>
        <translation>Время подключения истекло.</translation>
    </message>
    <message>
        <source>Connect cancelled.</source>
        <translation>Подключение отменено.</translation>
    </message>
    <message>
        <source>Already connected.</source>
        <translation>Уже подключено.</translation>
    </message>
    <message>
        <source>Terminate thread timeout.</source>
        <extracomment>Stopping the server waited too long for the connection to end.</extracomment>
        <translation>Соединение не завершилось вовремя.</translation>
    </message>
    <message>
        <source>Connection lost: the peer stopped answering.</source>
        <translation>Соединение потеряно: другая сторона перестала отвечать.</translation>
    </message>
    <message>
        <source>Connection closed: the peer stopped taking data.</source>
        <translation>Соединение закрыто: другая сторона перестала принимать данные.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
    <message>
        <source>Cannot send a line that holds a line break.</source>
        <translation>Нельзя отправить строку с переводом строки.</translation>
    </message>
    <message>
        <source>No nickname received in time.</source>
        <extracomment>The other player&apos;s game did not send its player name in time.</extracomment>
        <translation>Ник не получен вовремя.</translation>
    </message>
    <message>
        <source>Could not create an event: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Не удалось создать событие: %1.</translation>
    </message>
    <message>
        <source>Could not create socket: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Не удалось создать сокет: %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Не удалось создать канал: %1.</translation>
    </message>
    <message>
        <source>Could not send: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Не удалось отправить: %1.</translation>
    </message>
    <message>
        <source>Could not wait for data: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Не удалось дождаться данных: %1.</translation>
    </message>
    <message>
        <source>Could not receive: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Не удалось получить данные: %1.</translation>
    </message>
    <message>
        <source>Could not wait for connections: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Не удалось ожидать подключений: %1.</translation>
    </message>
    <message>
        <source>Could not accept a connection: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Не удалось принять подключение: %1.</translation>
    </message>
    <message>
        <source>Could not read the bound port: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Не удалось узнать занятый порт: %1.</translation>
    </message>
    <message>
        <source>Could not bind socket to port %1: %2.</source>
        <extracomment>%1 is the port, %2 the system&apos;s reason.</extracomment>
        <translation>Не удалось привязать сокет к порту %1: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1:%2: %3.</source>
        <extracomment>%1 is the host, %2 the port, %3 the system&apos;s reason.</extracomment>
        <translation>Не удалось подключиться к %1:%2: %3.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: no address.</source>
        <extracomment>%1 is the host&apos;s name as typed; it has no address.</extracomment>
        <translation>Не удалось найти хост «%1»: нет адреса.</translation>
    </message>
    <message>
        <source>Could not resolve host &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the host&apos;s name as typed, %2 the system&apos;s reason.</extracomment>
        <translation>Не удалось найти хост «%1»: %2.</translation>
    </message>
    <message>
        <source>Invalid port %1.</source>
        <extracomment>%1 is the port number that cannot be used.</extracomment>
        <translation>Недопустимый порт %1.</translation>
    </message>
</context>
<context>
    <name>quorvex::TRecords</name>
    <message>
        <source>Your name for the new record</source>
        <translation>Ваше имя для нового рекорда</translation>
    </message>
    <message>
        <source>New record: place %1, $%2</source>
        <extracomment>A new row in a records table as a screen reader tells it; %1 is the place (1 to 10), %2 the money.</extracomment>
        <translation>Новый рекорд: %1-е место, $%2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>100 Victims</source>
        <extracomment>The tabs of the records window, one per game mode.</extracomment>
        <translation>100 Жертв</translation>
    </message>
    <message>
        <source>200 Victims</source>
        <translation>200 Жертв</translation>
    </message>
    <message>
        <source>Endless</source>
        <translation>Бесконечная</translation>
    </message>
    <message>
        <source> Over every run </source>
        <translation> За все сеансы </translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>#</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Деньги</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Драконы</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Загружена</translation>
    </message>
    <message>
        <source>Endless games started:</source>
        <translation>Бесконечных игр начато:</translation>
    </message>
    <message>
        <source>Games of 100 started:</source>
        <translation>Игр на 100 начато:</translation>
    </message>
    <message>
        <source>Games of 100 won:</source>
        <translation>Игр на 100 выиграно:</translation>
    </message>
    <message>
        <source>Games of 200 started:</source>
        <translation>Игр на 200 начато:</translation>
    </message>
    <message>
        <source>Games of 200 won:</source>
        <translation>Игр на 200 выиграно:</translation>
    </message>
    <message>
        <source>Turns:</source>
        <translation>Ходов:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Убито Жертв:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Убито Драконов:</translation>
    </message>
    <message>
        <source>Best kill streak:</source>
        <translation>Лучшая серия убийств:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Выиграно денег:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Потеряно денег:</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Marks an entry of a game taken up from a savegame slot.</extracomment>
        <translation>да</translation>
    </message>
    <message>
        <source>The records file was damaged. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the damaged file now has.</extracomment>
        <translation>Файл рекордов был повреждён. Он сохранён как «%1», начат новый.</translation>
    </message>
    <message>
        <source>The records file was not made by this version of the game. It is kept as &quot;%1&quot;, and a new one is started.</source>
        <extracomment>%1 is the path the unknown file now has.</extracomment>
        <translation>Файл рекордов создан не этой версией игры. Он сохранён как «%1», начат новый.</translation>
    </message>
    <message>
        <source>The records could not be saved.
%1</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own.</extracomment>
        <translation>Не удалось сохранить рекорды.
%1</translation>
    </message>
    <message>
        <source>Clear every record and the figures over every run?</source>
        <translation>Очистить все рекорды и цифры за все сеансы?</translation>
    </message>
</context>
<context>
    <name>quorvex::TSetup</name>
    <message>
        <source>Please enter your name for singleplayer games</source>
        <translation>Введите своё имя для одиночной игры</translation>
    </message>
    <message>
        <source>Please enter your name for multiplayer games</source>
        <translation>Введите своё имя для сетевой игры</translation>
    </message>
    <message>
        <source>Please enter your servername for multiplayer games</source>
        <translation>Введите имя сервера для сетевой игры</translation>
    </message>
    <message>
        <source>Config of sadism</source>
        <translation>Настройки садизма</translation>
    </message>
    <message>
        <source>Name - Singleplayer</source>
        <translation>Имя - Одиночная игра</translation>
    </message>
    <message>
        <source>Name - Multiplayer</source>
        <translation>Имя - Сетевая игра</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Имя сервера</translation>
    </message>
    <message>
        <source>show splash-screen</source>
        <translation>показывать заставку</translation>
    </message>
    <message>
        <source>fade effect</source>
        <translation>эффект затухания</translation>
    </message>
    <message>
        <source>close</source>
        <translation>готово</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>отмена</translation>
    </message>
    <message>
        <source>default</source>
        <translation>сброс</translation>
    </message>
    <message>
        <source>restore defaults?</source>
        <translation>вернуть настройки по умолчанию?</translation>
    </message>
    <message>
        <source>The settings could not be saved to setup.ini.
%1
They stay in effect until the program ends.</source>
        <extracomment>%1 is the system&apos;s cause, a sentence of its own; setup.ini is the file&apos;s name.</extracomment>
        <translation>Не удалось сохранить настройки в setup.ini.
%1
Они действуют до закрытия программы.</translation>
    </message>
</context>
<context>
    <name>quorvex::TSlotDialog</name>
    <message>
        <source>No data present</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, %2, $%3, Victims %4, Dragons %5</source>
        <extracomment>What a slot holds, told by its buttons: name, game type, money, the two counters.</extracomment>
        <translation>«%1», %2, $%3, Жертвы %4, Драконы %5</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Слот %1</translation>
    </message>
    <message>
        <source>type</source>
        <translation>режим</translation>
    </message>
    <message>
        <source>Victims</source>
        <translation>Жертвы</translation>
    </message>
    <message>
        <source>Dragons</source>
        <translation>Драконы</translation>
    </message>
    <message>
        <source>close</source>
        <translation>закрыть</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Сохранить игру</translation>
    </message>
    <message>
        <source>save</source>
        <translation>сохранить</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Загрузить игру</translation>
    </message>
    <message>
        <source>load</source>
        <translation>загрузить</translation>
    </message>
    <message>
        <source>Manage savegames</source>
        <translation>Управление сохранениями</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>удалить</translation>
    </message>
</context>
<context>
    <name>quorvex::TSpeicherMenu</name>
    <message>
        <source>current price for saving: $</source>
        <translation>текущая цена сохранения: $</translation>
    </message>
    <message>
        <source>overwrite</source>
        <translation>перезаписать</translation>
    </message>
    <message>
        <source>Savegame already exists. Overwrite?</source>
        <translation>Сохранение уже есть. Перезаписать?</translation>
    </message>
    <message>
        <source>Saved to slot %1 for $%2</source>
        <translation>Сохранено в слот %1 за $%2</translation>
    </message>
</context>
<context>
    <name>quorvex::TSplashScr</name>
    <message>
        <source>Quorvex logo</source>
        <translation>Логотип Quorvex</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_client</name>
    <message>
        <source>[ Client ]  Quorvex Multiplayer - Beta1</source>
        <translation>[ Клиент ]  Quorvex: сетевая игра - Beta1</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>подключиться</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>отключиться</translation>
    </message>
    <message>
        <source>Could not connect to %1</source>
        <extracomment>%1 is the address the player typed.</extracomment>
        <translation>Не удалось подключиться к %1</translation>
    </message>
    <message>
        <source>disconnected!</source>
        <translation>отключено!</translation>
    </message>
    <message>
        <source>Can not close while client is active!</source>
        <translation>Нельзя закрыть, пока клиент подключён!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tqx_host</name>
    <message>
        <source>[ Host ] Quorvex Multiplayer - Beta1</source>
        <translation>[ Хост ] Quorvex: сетевая игра - Beta1</translation>
    </message>
    <message>
        <source>Servername</source>
        <translation>Имя сервера</translation>
    </message>
    <message>
        <source>Start server</source>
        <translation>Старт сервера</translation>
    </message>
    <message>
        <source>Stop server</source>
        <translation>Стоп сервера</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Ссылка скопирована</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Играть снова</translation>
    </message>
    <message>
        <source>Client lost</source>
        <translation>Соперник отключился</translation>
    </message>
    <message>
        <source>Can not close while server is active!</source>
        <translation>Нельзя закрыть, пока сервер работает!</translation>
    </message>
</context>
<context>
    <name>quorvex::Tstat</name>
    <message>
        <source>Game statistic</source>
        <translation>Статистика игры</translation>
    </message>
    <message>
        <source>Double kills:</source>
        <translation>Двойные:</translation>
    </message>
    <message>
        <source>Triple kills:</source>
        <translation>Тройные:</translation>
    </message>
    <message>
        <source>Master kills:</source>
        <translation>Мастерские:</translation>
    </message>
    <message>
        <source>Ultra kills:</source>
        <translation>Ультра:</translation>
    </message>
    <message>
        <source># of games:</source>
        <translation>Число игр:</translation>
    </message>
    <message>
        <source>Total hits:</source>
        <translation>Всего попаданий:</translation>
    </message>
    <message>
        <source>Total misses:</source>
        <translation>Всего промахов:</translation>
    </message>
    <message>
        <source>Killed Victims:</source>
        <translation>Убито Жертв:</translation>
    </message>
    <message>
        <source>Killed Dragons:</source>
        <translation>Убито Драконов:</translation>
    </message>
    <message>
        <source>Money won:</source>
        <translation>Выиграно денег:</translation>
    </message>
    <message>
        <source>Money lost:</source>
        <translation>Проиграно денег:</translation>
    </message>
</context>
<context>
    <name>qx::News</name>
    <message numerus="yes">
        <source>%n new lines</source>
        <extracomment>Spoken instead of a burst of more lines than are read out; %n is always more than one here.</extracomment>
        <translation>
            <numerusform>%n новая строка</numerusform>
            <numerusform>%n новые строки</numerusform>
            <numerusform>%n новых строк</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qx::PictureCell</name>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <extracomment>A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.</extracomment>
        <translation>Клетка %1, ряд %2, столбец %3</translation>
    </message>
</context>
</TS>
