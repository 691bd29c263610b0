<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
</context>
</TS>
