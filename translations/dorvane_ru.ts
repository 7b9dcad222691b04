<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CoreText</name>
    <message>
        <source>Please, Open a File to be downloaded!</source>
        <translation>Пожалуйста, откройте файл для загрузки!</translation>
    </message>
    <message>
        <source>Can&apos;t open Serial Port! Please, Check your Serial port setting!</source>
        <translation>Не удаётся открыть последовательный порт! Проверьте настройку последовательного порта!</translation>
    </message>
    <message>
        <source>Before download start, You should turn off the Power of STB</source>
        <translation>Перед началом загрузки нужно выключить питание STB</translation>
    </message>
    <message>
        <source>Before upload start, You should turn on the Power of STB and activate &apos;PC COM&apos; item in &apos;Software Transfer&apos; menu</source>
        <translation>Перед началом выгрузки нужно включить питание STB и активировать пункт &apos;PC COM&apos; в меню &apos;Software Transfer&apos;</translation>
    </message>
    <message>
        <source>This image can&apos;t be downloaded your STB!</source>
        <translation>Этот образ нельзя загрузить в ваш STB!</translation>
    </message>
    <message>
        <source>Downloading stopped successfully.</source>
        <translation>Загрузка успешно остановлена.</translation>
    </message>
    <message>
        <source>You should Check LCD window whether STB has remain job or not!</source>
        <translation>Проверьте на ЖК-дисплее, не выполняет ли STB ещё какую-то работу!</translation>
    </message>
    <message>
        <source>Your STB will restart now!</source>
        <translation>Ваш STB сейчас перезапустится!</translation>
    </message>
    <message>
        <source>Timeout occurred! Please, Check your STB, And retry!</source>
        <translation>Истекло время ожидания! Проверьте STB и повторите попытку!</translation>
    </message>
    <message>
        <source>Serial Port Error! The port stopped working.</source>
        <translation>Ошибка последовательного порта! Порт перестал работать.</translation>
    </message>
    <message>
        <source>Serial Port Error! Please, Check your Serial port and STB, And retry!</source>
        <translation>Ошибка последовательного порта! Проверьте последовательный порт и STB и повторите попытку!</translation>
    </message>
    <message>
        <source>Transferring failed! Too many errors on the line.</source>
        <translation>Передача не удалась! Слишком много ошибок на линии.</translation>
    </message>
    <message>
        <source>Too many errors on the line! Please, Check your cable and STB, And retry!</source>
        <translation>Слишком много ошибок на линии! Проверьте кабель и STB и повторите попытку!</translation>
    </message>
    <message>
        <source>Uploading failed!</source>
        <translation>Выгрузка не удалась!</translation>
    </message>
    <message>
        <source>Uploading failed! The file was not changed. Please, Check your STB, And retry!</source>
        <translation>Выгрузка не удалась! Файл не изменён. Проверьте STB и повторите попытку!</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>Файл не изменён.</translation>
    </message>
    <message>
        <source>The received data is not channel data: %1.</source>
        <translation>Полученные данные — не данные каналов: %1.</translation>
    </message>
    <message>
        <source>The STB announced %1 bytes and sent %2.</source>
        <translation>STB объявил %1 байт, а прислал %2.</translation>
    </message>
    <message>
        <source>All the data arrived, but the STB did not end the file (it may have restarted).</source>
        <translation>Все данные пришли, но STB не завершил файл (возможно, он перезапустился).</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>Нельзя открыть файл во время загрузки...</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory.</source>
        <translation>STB перестал отвечать во время записи своей памяти.</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory!</source>
        <translation>STB перестал отвечать во время записи своей памяти!</translation>
    </message>
    <message>
        <source>Do not switch it off until its own display says it is done.</source>
        <translation>Не выключайте его, пока его собственный дисплей не покажет окончание.</translation>
    </message>
    <message>
        <source>Downloading failed! The file could not be read to its end: %1</source>
        <translation>Загрузка не удалась! Файл не удалось прочитать до конца: %1</translation>
    </message>
    <message>
        <source>The STB restarted before it finished writing! The image was not written.</source>
        <translation>STB перезапустился, не закончив запись! Образ не записан.</translation>
    </message>
    <message>
        <source>Please, Switch off the STB, start the download, then switch on the STB.</source>
        <translation>Выключите STB, запустите загрузку, затем включите STB.</translation>
    </message>
    <message>
        <source>The STB offered more than one file; only the first was received.</source>
        <translation>STB предложил больше одного файла; принят только первый.</translation>
    </message>
    <message>
        <source>The file is empty! There is nothing to download.</source>
        <translation>Файл пуст! Загружать нечего.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, more than any STB takes! Check the file, or use Forced download to send it anyway.</source>
        <translation>Файл больше %1 МиБ — больше, чем принимает любой STB! Проверьте файл или отправьте его всё равно с помощью принудительной загрузки.</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: it is a folder!</source>
        <translation>Нельзя сохранить выгрузку в %1: это папка!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder does not exist!</source>
        <translation>Нельзя сохранить выгрузку в %1: её папка не существует!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder cannot be written!</source>
        <translation>Нельзя сохранить выгрузку в %1: в её папку нельзя писать!</translation>
    </message>
    <message>
        <source>Transferring canceled!</source>
        <translation>Передача отменена!</translation>
    </message>
    <message>
        <source>Do you want to stop the downloading?</source>
        <translation>Остановить загрузку?</translation>
    </message>
    <message>
        <source>Do you want to stop the uploading?</source>
        <translation>Остановить выгрузку?</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The Download and Upload buttons while a transfer runs.</extracomment>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Выгрузить</translation>
    </message>
    <message>
        <source>Waiting Turning on STB...</source>
        <extracomment>The progress bar while the STB is switched off, before a download.</extracomment>
        <translation>Ожидание включения STB...</translation>
    </message>
    <message>
        <source>Wait Upload Data...</source>
        <translation>Ожидание данных выгрузки...</translation>
    </message>
    <message>
        <source>Transferring timeout occurred!</source>
        <translation>Истекло время ожидания передачи!</translation>
    </message>
    <message>
        <source>%1 bps</source>
        <translation>%1 бит/с</translation>
    </message>
    <message>
        <source>Wait writing image end...</source>
        <translation>Ожидание конца записи образа...</translation>
    </message>
    <message>
        <source>STB Boot Ver : %1</source>
        <translation>Версия загрузчика STB : %1</translation>
    </message>
    <message>
        <source>STB App Ver : %1</source>
        <translation>Версия ПО STB : %1</translation>
    </message>
    <message>
        <source>Uploading %1% ...</source>
        <translation>Выгрузка %1% ...</translation>
    </message>
    <message>
        <source>Downloading %1% ...</source>
        <translation>Загрузка %1% ...</translation>
    </message>
    <message>
        <source>Downloading process started.</source>
        <translation>Загрузка начата.</translation>
    </message>
    <message>
        <source>Uploading process started.</source>
        <translation>Выгрузка начата.</translation>
    </message>
    <message>
        <source>Send upload command and wait ack..</source>
        <translation>Команда выгрузки отправлена, ожидание подтверждения..</translation>
    </message>
    <message>
        <source>Transferring ended.</source>
        <translation>Передача завершена.</translation>
    </message>
    <message>
        <source>Writing Image started.</source>
        <translation>Запись образа начата.</translation>
    </message>
    <message>
        <source>Transferring started.</source>
        <translation>Передача начата.</translation>
    </message>
    <message>
        <source>Transferring started!</source>
        <translation>Передача начата!</translation>
    </message>
    <message>
        <source>Serial Port Internal Error: Write</source>
        <translation>Внутренняя ошибка последовательного порта: запись</translation>
    </message>
    <message>
        <source>Uploading failed! %1</source>
        <translation>Выгрузка не удалась! %1</translation>
    </message>
    <message>
        <source>Uploading data is kept in</source>
        <translation>Данные выгрузки сохранены в</translation>
    </message>
    <message>
        <source>The received data is kept in %1</source>
        <translation>Полученные данные сохранены в %1</translation>
    </message>
    <message>
        <source>%1 The received data is kept in %2</source>
        <translation>%1 Полученные данные сохранены в %2</translation>
    </message>
    <message>
        <source>Writing Image stopped.</source>
        <translation>Запись образа остановлена.</translation>
    </message>
    <message>
        <source>Writing image stopped.</source>
        <translation>Запись образа прервана.</translation>
    </message>
    <message>
        <source>Downloading stopped successfully!</source>
        <translation>Загрузка успешно остановлена!</translation>
    </message>
    <message>
        <source>Uploading finished successfully!</source>
        <translation>Выгрузка успешно завершена!</translation>
    </message>
    <message>
        <source>Uploading data is saved to</source>
        <translation>Данные выгрузки записаны в</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 differs from the STB&apos;s %2.</source>
        <translation>Код покупателя образа %1 отличается от кода STB %2.</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 does not match the STB&apos;s.</source>
        <translation>Код покупателя образа %1 не совпадает с кодом STB.</translation>
    </message>
    <message>
        <source>&quot;Forced download&quot; (command line: --forced) downloads it anyway.</source>
        <translation>«Принудительная загрузка» (командная строка: --forced) загрузит его всё равно.</translation>
    </message>
    <message>
        <source>No receiver answered on %1: check the cable and the port, and that the STB is switched on (for a download: after the start; for an upload: with its &apos;PC COM&apos; item active).</source>
        <translation>Ни один приёмник не ответил на %1: проверьте кабель и порт, а также что STB включён (для загрузки: после старта; для выгрузки: с активным пунктом &apos;PC COM&apos;).</translation>
    </message>
    <message>
        <source>%1 bytes in %2 s (%3 bytes/s), %4 blocks, %5 resent, %6 time-outs</source>
        <translation>%1 байт за %2 с (%3 байт/с), блоков: %4, повторов: %5, тайм-аутов: %6</translation>
    </message>
    <message>
        <source>%1 port was opened successfully!</source>
        <translation>Порт %1 успешно открыт!</translation>
    </message>
    <message>
        <source>Port(%1) open failed.</source>
        <translation>Не удалось открыть порт(%1).</translation>
    </message>
    <message>
        <source>Port(%1) failed: %2</source>
        <translation>Сбой порта(%1): %2</translation>
    </message>
    <message>
        <source>buff full</source>
        <translation>буфер переполнен</translation>
    </message>
    <message>
        <source>%1 does not exist: the adapter is unplugged or the name is wrong. Plug it in, or choose one of the ports that Configure or &apos;dorvane ports&apos; lists.</source>
        <translation>%1 не существует: адаптер не подключён или имя неверно. Подключите его или выберите один из портов, которые показывают Настройка или &apos;dorvane ports&apos;.</translation>
    </message>
    <message>
        <source>No serial port is there: plug in the adapter.</source>
        <translation>Последовательных портов нет: подключите адаптер.</translation>
    </message>
    <message>
        <source>The serial ports are: %1.</source>
        <translation>Последовательные порты: %1.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2. %3</source>
        <translation>%1 — не последовательный порт: это %2. %3</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>a plain file</source>
        <translation>обычный файл</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>не устройство</translation>
    </message>
    <message>
        <source>a device that is not a serial line</source>
        <translation>устройство, не являющееся последовательной линией</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Close that program, or choose another port.</source>
        <translation>%1 занят программой %2. Закройте эту программу или выберите другой порт.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <translation>%1 занят другой программой. Закройте эту программу или выберите другой порт.</translation>
    </message>
    <message>
        <source>Permission denied on %1: your user is not in the &apos;%2&apos; group. Join it with &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>Доступ к %1 запрещён: ваш пользователь не входит в группу &apos;%2&apos;. Вступите в неё командой &apos;sudo usermod -aG %2 $USER&apos;, затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>%1 has gone away: the adapter was unplugged. Plug it back in and retry.</source>
        <translation>%1 пропал: адаптер отключён. Подключите его снова и повторите попытку.</translation>
    </message>
    <message>
        <source>%1 stopped working: %2.</source>
        <translation>%1 перестал работать: %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>the first USB serial adapter found</source>
        <translation>первый найденный USB-адаптер последовательного порта</translation>
    </message>
    <message>
        <source>the first USB serial adapter found (%1)</source>
        <translation>первый найденный USB-адаптер последовательного порта (%1)</translation>
    </message>
    <message>
        <source>the first serial port found</source>
        <translation>первый найденный последовательный порт</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Не удалось записать файл!</translation>
    </message>
    <message>
        <source>Channel data file is truncated!</source>
        <translation>Файл данных каналов обрезан!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 не найден.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 содержит недопустимый путь.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>Не удалось открыть %1: открыто слишком много файлов.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Доступ к %1 запрещён.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>При обращении к %1 произошло нарушение совместного доступа.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>При обращении к %1 получена аппаратная ошибка ввода-вывода.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Диск заполнен при обращении к %1.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>При обращении к %1 произошла непредвиденная ошибка.</translation>
    </message>
    <message>
        <source>This file cannot be written back without losing data: %1.</source>
        <translation>Этот файл нельзя записать обратно без потери данных: %1.</translation>
    </message>
    <message>
        <source>Data is unavailable!</source>
        <translation>Данные недоступны!</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <extracomment>The editor&apos;s window title.</extracomment>
        <translation>Редактирование данных приёмника</translation>
    </message>
    <message>
        <source>Edit Receiver Data - %1</source>
        <translation>Редактирование данных приёмника - %1</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (только чтение)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>Найдено: %1</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected satellites</source>
        <translation>Найдено: %1, %2 в выбранных спутниках</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected transponders</source>
        <translation>Найдено: %1, %2 в выбранных транспондерах</translation>
    </message>
    <message>
        <source>Choose channels in the list below to add them to the group</source>
        <translation>Выберите каналы в списке ниже, чтобы добавить их в группу</translation>
    </message>
    <message>
        <source>Choose one transponder to copy, or one satellite without transponders</source>
        <translation>Выберите один транспондер для копирования или один спутник без транспондеров</translation>
    </message>
    <message>
        <source>Satellites are added with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>Спутники добавляются при выбранном «Все спутники»; сначала выберите список</translation>
    </message>
    <message>
        <source>Choose a list first</source>
        <translation>Сначала выберите список</translation>
    </message>
    <message>
        <source>Choose members of the group to delete them</source>
        <translation>Выберите участников группы, чтобы удалить их</translation>
    </message>
    <message>
        <source>Satellites are deleted with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>Спутники удаляются при выбранном «Все спутники»; сначала выберите список</translation>
    </message>
    <message>
        <source>Choose what to delete first</source>
        <translation>Сначала выберите, что удалить</translation>
    </message>
    <message>
        <source>Choose members of the group to move them</source>
        <translation>Выберите участников группы, чтобы переместить их</translation>
    </message>
    <message>
        <source>Channels are moved within a single satellite, or across all of them with every satellite chosen</source>
        <translation>Каналы перемещаются внутри одного спутника или между всеми при выборе всех спутников</translation>
    </message>
    <message>
        <source>Choose channels to move first</source>
        <translation>Сначала выберите каналы для перемещения</translation>
    </message>
    <message>
        <source>You must select another destination</source>
        <translation>Нужно выбрать другое место назначения</translation>
    </message>
    <message>
        <source>Finish or cancel the pending move first</source>
        <translation>Сначала завершите или отмените начатое перемещение</translation>
    </message>
    <message>
        <source>Channels are dropped on a channel of the list to move them</source>
        <translation>Чтобы переместить каналы, перетащите их на канал списка</translation>
    </message>
    <message>
        <source>Drop channels on a group or its members, or members on a member</source>
        <translation>Перетаскивайте каналы на группу или её участников, а участников — на участника</translation>
    </message>
    <message>
        <source>Channels are ordered in the &quot;Satellite&quot; view</source>
        <translation>Каналы упорядочиваются в режиме «Спутник»</translation>
    </message>
    <message>
        <source>Finish the add first</source>
        <translation>Сначала завершите добавление</translation>
    </message>
    <message>
        <source>Choose exactly two channels to swap them</source>
        <translation>Выберите ровно два канала, чтобы поменять их местами</translation>
    </message>
    <message>
        <source>Choose channels first</source>
        <translation>Сначала выберите каналы</translation>
    </message>
    <message>
        <source>Cannot add satellite</source>
        <translation>Не удаётся добавить спутник</translation>
    </message>
    <message>
        <source>Cannot add transponder</source>
        <translation>Не удаётся добавить транспондер</translation>
    </message>
    <message>
        <source>Cannot add channel</source>
        <translation>Не удаётся добавить канал</translation>
    </message>
    <message>
        <source>Max Favorite Count!!</source>
        <translation>Достигнуто максимальное число избранных!!</translation>
    </message>
    <message>
        <source>Favorite Group empty!!</source>
        <translation>Группа избранного пуста!!</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3?</source>
        <translation>Удалить %1, их %2 и %3?</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3 (%4)?</source>
        <translation>Удалить %1, их %2 и %3 (%4)?</translation>
    </message>
    <message>
        <source>Delete %1 and their %2?</source>
        <translation>Удалить %1 и их %2?</translation>
    </message>
    <message>
        <source>Delete %1 and their %2 (%3)?</source>
        <translation>Удалить %1 и их %2 (%3)?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Удалить %1?</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <translation>Удалить %1 (%2)?</translation>
    </message>
    <message>
        <source>1 satellite</source>
        <translation>1 спутник</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>спутников: %1</translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation>1 транспондер</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>транспондеров: %1</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 канал</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>каналов: %1</translation>
    </message>
    <message>
        <source>1 favourite entry</source>
        <translation>1 запись избранного</translation>
    </message>
    <message>
        <source>%1 favourite entries</source>
        <translation>записей избранного: %1</translation>
    </message>
    <message>
        <source>1 duplicate</source>
        <translation>1 дубликат</translation>
    </message>
    <message>
        <source>%1 duplicates</source>
        <translation>дубликатов: %1</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>добавлено: %1</translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation>заменено: %1</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>пропущено: %1</translation>
    </message>
    <message>
        <source>%1 not copied (no room)</source>
        <translation>не скопировано (нет места): %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Nothing was copied.</source>
        <translation>Ничего не скопировано.</translation>
    </message>
    <message>
        <source>1 of the channels to copy is already in this file (the same satellite, transponder and service id).</source>
        <translation>1 из копируемых каналов уже есть в этом файле (тот же спутник, транспондер и идентификатор службы).</translation>
    </message>
    <message>
        <source>%1 of the channels to copy are already in this file (the same satellite, transponder and service id).</source>
        <translation>Из копируемых каналов %1 уже есть в этом файле (тот же спутник, транспондер и идентификатор службы).</translation>
    </message>
    <message>
        <source>Skip them, replace the ones here, or keep both?</source>
        <translation>Пропустить их, заменить имеющиеся или оставить оба варианта?</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Оставить оба</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Every transponder carries a channel: none removed.</source>
        <translation>Каждый транспондер несёт канал: ничего не удалено.</translation>
    </message>
    <message>
        <source>Remove %1 without a channel?</source>
        <translation>Удалить %1 без каналов?</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Новый канал</translation>
    </message>
    <message>
        <source>This file cannot be saved: it holds data the editor would lose (%1).</source>
        <translation>Этот файл нельзя сохранить: в нём есть данные, которые редактор потеряет (%1).</translation>
    </message>
    <message>
        <source>%1 Not saved.</source>
        <translation>%1 Не сохранено.</translation>
    </message>
    <message>
        <source>The check before saving found:</source>
        <translation>Проверка перед сохранением нашла:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Всё равно сохранить</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Ничего не импортировано: %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... и ещё %1</translation>
    </message>
    <message>
        <source>The file cannot tell such channels apart: the favourite may come back as the lower-numbered one.</source>
        <translation>Файл не различает такие каналы: избранное может вернуться как канал с меньшим номером.</translation>
    </message>
    <message>
        <source>v%1 (build #%2)</source>
        <extracomment>The version in the About box: the version and the build number.</extracomment>
        <translation>v%1 (сборка №%2)</translation>
    </message>
    <message>
        <source>File Name : %1</source>
        <translation>Имя файла : %1</translation>
    </message>
    <message>
        <source>Image Type : %1</source>
        <translation>Тип образа : %1</translation>
    </message>
    <message>
        <source>File Size : %1 bytes</source>
        <translation>Размер файла : %1 байт</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Версия : %1</translation>
    </message>
    <message>
        <source>%1 (build #%2)</source>
        <translation>%1 (сборка №%2)</translation>
    </message>
    <message>
        <source>Build Date : %1 (%2)</source>
        <translation>Дата сборки : %1 (%2)</translation>
    </message>
    <message>
        <source>Buyer : %1</source>
        <extracomment>The image&apos;s buyer code (who the firmware was made for).</extracomment>
        <translation>Покупатель : %1</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s application answers (an upload; a download needs it switched off).</source>
        <translation>Передача может начаться: приложение STB отвечает (выгрузка; для загрузки STB нужно выключить).</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s boot loader asks for a file (download).</source>
        <translation>Передача может начаться: загрузчик STB просит файл (загрузка).</translation>
    </message>
    <message>
        <source>The port opens at 115,200 8N1; the STB was not asked.</source>
        <translation>Порт открывается на 115,200 8N1; STB не опрашивалась.</translation>
    </message>
    <message>
        <source>The port and the plug pass every byte. Fit the STB&apos;s cable instead and check again.</source>
        <translation>Порт и заглушка пропускают каждый байт. Подключите вместо неё кабель STB и проверьте снова.</translation>
    </message>
    <message>
        <source>No transfer can start yet: see the problems above.</source>
        <translation>Передача пока не может начаться: см. проблемы выше.</translation>
    </message>
    <message>
        <source>the port failed during the check.</source>
        <translation>порт отказал во время проверки.</translation>
    </message>
    <message>
        <source>The adapter was unplugged or its driver gave up: plug it in again and check again.</source>
        <translation>Адаптер отключили или его драйвер сдался: подключите его снова и проверьте ещё раз.</translation>
    </message>
    <message>
        <source>stopped before its end.</source>
        <translation>остановлено до конца.</translation>
    </message>
    <message>
        <source>not tried: %1</source>
        <translation>не проверялось: %1</translation>
    </message>
    <message>
        <source>the port did not open.</source>
        <translation>порт не открылся.</translation>
    </message>
    <message>
        <source>no loop-back plug fitted (%1 tests one: TX joined to RX).</source>
        <translation>петлевая заглушка не вставлена (%1 проверяет с ней: TX соединён с RX).</translation>
    </message>
    <message>
        <source>%1 bytes sent, %2 back: %3 lost, %4 garbled, %5 extra; %6 bytes/s back (the line carries %7).</source>
        <translation>%1 байт отправлено, %2 вернулось: %3 потеряно, %4 искажено, %5 лишних; %6 байт/с обратно (линия несёт %7).</translation>
    </message>
    <message>
        <source>Nothing came back: the plug is not fitted, TX and RX are not joined, or the adapter does not send.</source>
        <translation>Ничего не вернулось: заглушка не вставлена, TX и RX не соединены, или адаптер не передаёт.</translation>
    </message>
    <message>
        <source>The adapter or its cable loses or garbles bytes: try another cable, another USB socket (not a hub) or another adapter.</source>
        <translation>Адаптер или его кабель теряет или искажает байты: попробуйте другой кабель, другое гнездо USB (не хаб) или другой адаптер.</translation>
    </message>
    <message>
        <source>the loop-back plug is fitted instead of the STB.</source>
        <translation>вместо STB вставлена петлевая заглушка.</translation>
    </message>
    <message>
        <source>the STB&apos;s application answered the link test (BEL, ACK): an upload can start.</source>
        <translation>приложение STB ответило на проверку связи (BEL, ACK): выгрузка может начаться.</translation>
    </message>
    <message>
        <source>For a download switch the STB off, start the download, then switch it on.</source>
        <translation>Для загрузки выключите STB, запустите загрузку, затем включите её.</translation>
    </message>
    <message>
        <source>the STB&apos;s boot loader asks for a file (&apos;C&apos;): a download can start now; an upload needs its application.</source>
        <translation>загрузчик STB просит файл (&apos;C&apos;): загрузка может начаться сейчас; для выгрузки нужно его приложение.</translation>
    </message>
    <message>
        <source>what the PC sends comes back (%1 of %2 BELs): the line is looped.</source>
        <translation>то, что шлёт ПК, возвращается (%1 из %2 BEL): линия закольцована.</translation>
    </message>
    <message>
        <source>A loop-back plug or a cable that joins TX to RX is fitted, not the STB&apos;s cable.</source>
        <translation>Вставлена петлевая заглушка или кабель, соединяющий TX с RX, а не кабель STB.</translation>
    </message>
    <message>
        <source>bytes came that answer nothing (%1).</source>
        <translation>пришли байты, которые ни на что не отвечают (%1).</translation>
    </message>
    <message>
        <source>Another device is on the line, or it runs at another speed than 115,200 bit/s.</source>
        <translation>На линии другое устройство, или оно работает на скорости, отличной от 115,200 бит/с.</translation>
    </message>
    <message>
        <source>no answer to %1 link tests (BEL, waited %2 ms each).</source>
        <translation>нет ответа на %1 проверки связи (BEL, ожидание %2 мс каждая).</translation>
    </message>
    <message>
        <source>Most likely, in this order: the STB is off; its application runs with &quot;PC COM&quot; off (an upload needs that menu item on); the cable lacks the right wires (the PC&apos;s TX must reach the STB&apos;s RX and the STB&apos;s TX the PC&apos;s RX, with ground joined: a null-modem cable).</source>
        <translation>Скорее всего, по порядку: STB выключена; её приложение работает с выключенным &quot;PC COM&quot; (для выгрузки этот пункт меню должен быть включён); в кабеле нет нужных жил (TX ПК должен идти на RX STB, а TX STB на RX ПК, земля соединена: нуль-модемный кабель).</translation>
    </message>
    <message>
        <source>already asking for a file.</source>
        <translation>уже просит файл.</translation>
    </message>
    <message>
        <source>not needed: the application answers.</source>
        <translation>не нужно: приложение отвечает.</translation>
    </message>
    <message>
        <source>not asked to switch the STB off and on (%1).</source>
        <translation>не просили выключить и включить STB (%1).</translation>
    </message>
    <message>
        <source>Switch the STB off, wait two seconds and switch it on again: waiting up to %1 s for its boot loader.</source>
        <translation>Выключите STB, подождите две секунды и включите снова: ожидание загрузчика до %1 с.</translation>
    </message>
    <message>
        <source>the boot loader asked for a file (&apos;C&apos;) %1 s after the request: cable and STB work, a download can start.</source>
        <translation>загрузчик попросил файл (&apos;C&apos;) через %1 с после запроса: кабель и STB в порядке, загрузка может начаться.</translation>
    </message>
    <message>
        <source>No application answered the link test before: the STB was off, or its application has &quot;PC COM&quot; off (an upload needs that menu item on).</source>
        <translation>До этого ни одно приложение не ответило на проверку связи: STB была выключена, или в её приложении выключен &quot;PC COM&quot; (для выгрузки этот пункт меню должен быть включён).</translation>
    </message>
    <message>
        <source>no &apos;C&apos; within %1 s.</source>
        <translation>нет &apos;C&apos; за %1 с.</translation>
    </message>
    <message>
        <source>The STB did not start, or what it sends does not reach the PC: check its power, and that the cable is a null-modem cable (TX and RX crossed, ground joined).</source>
        <translation>STB не запустилась, или то, что она шлёт, не доходит до ПК: проверьте её питание и что кабель нуль-модемный (TX и RX перекрещены, земля соединена).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 не существует.</translation>
    </message>
    <message>
        <source>Plug the adapter in, or choose another port.</source>
        <translation>Подключите адаптер или выберите другой порт.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2.</source>
        <translation>%1 не последовательный порт: это %2.</translation>
    </message>
    <message>
        <source>a serial line the system lists as no adapter (a pseudo-terminal or a port of its own)</source>
        <translation>последовательная линия, которую система не относит ни к одному адаптеру (псевдотерминал или собственный порт)</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Выберите последовательный порт.</translation>
    </message>
    <message>
        <source>Windows keeps no permissions on COM ports; a port another program holds shows when it is opened.</source>
        <translation>Windows не хранит прав на COM-порты; порт, занятый другой программой, видно при открытии.</translation>
    </message>
    <message>
        <source>there is no serial port to look at.</source>
        <translation>нет последовательного порта для проверки.</translation>
    </message>
    <message>
        <source>%1 may read and write it (group &apos;%2&apos;, mode %3).</source>
        <translation>%1 может читать и писать его (группа &apos;%2&apos;, режим %3).</translation>
    </message>
    <message>
        <source>%1 may not read and write it (group &apos;%2&apos;, %3; mode %4).</source>
        <translation>%1 не может читать и писать его (группа &apos;%2&apos;, %3; режим %4).</translation>
    </message>
    <message>
        <source>you are in it</source>
        <translation>вы в ней состоите</translation>
    </message>
    <message>
        <source>you are not in it</source>
        <translation>вы в ней не состоите</translation>
    </message>
    <message>
        <source>The device&apos;s mode shuts its group out: &apos;sudo chmod g+rw %1&apos; until it is plugged in again; a udev rule that sets MODE=&quot;0660&quot; keeps it.</source>
        <translation>Режим устройства не пускает его группу: &apos;sudo chmod g+rw %1&apos; до следующего подключения; правило udev с MODE=&quot;0660&quot; закрепит это.</translation>
    </message>
    <message>
        <source>You are listed in &apos;%1&apos; but this session started before that: log out and in again (or run &apos;newgrp %1&apos;).</source>
        <translation>Вы записаны в &apos;%1&apos;, но этот сеанс начался раньше: выйдите из системы и войдите снова (или выполните &apos;newgrp %1&apos;).</translation>
    </message>
    <message>
        <source>The device belongs to root alone. A udev rule giving it to the &apos;dialout&apos; group (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) lets the group in; then join it with &apos;sudo usermod -aG dialout $USER&apos; and log out and in again.</source>
        <translation>Устройство принадлежит только root. Правило udev, отдающее его группе &apos;dialout&apos; (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;), пускает группу; затем вступите в неё командой &apos;sudo usermod -aG dialout $USER&apos; и выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>Join the group: &apos;sudo usermod -aG %1 $USER&apos;, then log out and in again.</source>
        <translation>Вступите в группу: &apos;sudo usermod -aG %1 $USER&apos;, затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>Windows tells who holds a port only by refusing to open it: see the line settings.</source>
        <translation>Windows сообщает, кто занял порт, только отказом его открыть: см. параметры линии.</translation>
    </message>
    <message>
        <source>in use by %1.</source>
        <translation>занят: %1.</translation>
    </message>
    <message>
        <source>The other end of this pseudo-terminal is %1.</source>
        <translation>Другой конец этого псевдотерминала — %1.</translation>
    </message>
    <message>
        <source>Close that program (or end it with &apos;kill %1&apos;), then check again.</source>
        <translation>Закройте эту программу (или завершите её командой &apos;kill %1&apos;), затем проверьте снова.</translation>
    </message>
    <message>
        <source>no other program holds it (lock files and open files looked at).</source>
        <translation>другие программы его не занимают (проверены файлы блокировки и открытые файлы).</translation>
    </message>
    <message>
        <source>the port does not exist.</source>
        <translation>порт не существует.</translation>
    </message>
    <message>
        <source>it is no serial port.</source>
        <translation>это не последовательный порт.</translation>
    </message>
    <message>
        <source>this user may not open the port.</source>
        <translation>этому пользователю нельзя открыть порт.</translation>
    </message>
    <message>
        <source>%1 holds the port; opening it would take bytes from it.</source>
        <translation>%1 занимает порт; открыв его, мы отнимем у неё байты.</translation>
    </message>
    <message>
        <source>115,200 bit/s, 8 data bits, no parity, 1 stop bit, no flow control: accepted.</source>
        <translation>115,200 бит/с, 8 бит данных, без чётности, 1 стоповый бит, без управления потоком: принято.</translation>
    </message>
    <message>
        <source>the port did not open at 115,200 8N1: %1.</source>
        <translation>порт не открылся на 115,200 8N1: %1.</translation>
    </message>
    <message>
        <source>The STB does not report its writing: check its display.</source>
        <translation>STB не сообщает о записи: смотрите на её дисплей.</translation>
    </message>
    <message>
        <source>Can&apos;t write the report to %1: %2</source>
        <translation>Не удаётся записать отчёт в %1: %2</translation>
    </message>
    <message>
        <source>%1 Switching the STB off and on during a check (%2) tells which.</source>
        <translation>%1 Выключение и включение STB во время проверки (%2) покажет, что именно.</translation>
    </message>
    <message>
        <source>made by %1</source>
        <translation>производитель %1</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>серийный номер %1</translation>
    </message>
    <message>
        <source>idle</source>
        <extracomment>A transfer&apos;s phase, in its figures: &quot;transferring 3/10 blocks&quot;.</extracomment>
        <translation>простой</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>ожидание</translation>
    </message>
    <message>
        <source>transferring</source>
        <translation>передача</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>запись</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>завершено</translation>
    </message>
    <message>
        <source>%1 %2% %3/%4 blocks</source>
        <extracomment>The phase, how far the STB has written, blocks sent of all.</extracomment>
        <translation>%1 %2% блоков: %3/%4</translation>
    </message>
    <message>
        <source>%1 %2/%3 blocks</source>
        <translation>%1 блоков: %2/%3</translation>
    </message>
    <message>
        <source>%1 %2 blocks</source>
        <translation>%1 блоков: %2</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 байт</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>%1 bytes/s</source>
        <translation>%1 байт/с</translation>
    </message>
    <message>
        <source>ETA %1</source>
        <extracomment>The time a transfer still needs.</extracomment>
        <translation>осталось %1</translation>
    </message>
    <message>
        <source>%1 resent</source>
        <translation>повторов: %1</translation>
    </message>
    <message>
        <source>%1 time-outs</source>
        <translation>тайм-аутов: %1</translation>
    </message>
    <message>
        <source>Undefined</source>
        <extracomment>An image type: what a firmware file holds.</extracomment>
        <translation>Не определён</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Загрузчик</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>База данных</translation>
    </message>
    <message>
        <source>IRZ Data</source>
        <translation>Данные IRZ</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Заводской</translation>
    </message>
    <message>
        <source>Image Type : Upload</source>
        <extracomment>An image made to be received from the STB (an image type, not the command).</extracomment>
        <translation>Тип образа : Выгрузка</translation>
    </message>
    <message>
        <source>Image Type : Upload.</source>
        <translation>Тип образа : Выгрузка.</translation>
    </message>
    <message>
        <source>Buyer :</source>
        <extracomment>An image without a buyer code.</extracomment>
        <translation>Покупатель :</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; has the transponder (%3) and service id (%4) of channel %5 &quot;%6&quot;; favourites of it come back as the other one</source>
        <translation>канал %1 «%2» имеет транспондер (%3) и ID службы (%4) канала %5 «%6»; его избранное вернётся как другой канал</translation>
    </message>
    <message>
        <source>transponders %1 (%2 MHz) and %3 (%4 MHz) collide on satellite %5, %6</source>
        <translation>транспондеры %1 (%2 МГц) и %3 (%4 МГц) совпадают на спутнике %5, %6</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which is not in use</source>
        <translation>канал %1 «%2» стоит на транспондере %3, который не используется</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which has no frequency (0 MHz)</source>
        <translation>канал %1 «%2» стоит на транспондере %3, у которого нет частоты (0 МГц)</translation>
    </message>
    <message>
        <source>favourite group %1 place %2 names channel %3, which holds no channel</source>
        <translation>группа избранного %1, место %2, указывает на канал %3, в котором нет канала</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is in use but not in the satellite order list, so the editor does not show it</source>
        <translation>спутник %1 «%2» используется, но отсутствует в порядке спутников, поэтому редактор его не показывает</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is beyond the %3 satellites the file holds and is not written</source>
        <translation>спутник %1 «%2» выходит за %3 спутников, которые вмещает файл, и не записывается</translation>
    </message>
    <message>
        <source>satellite order place %1 is beyond the %2 places the file holds and is not written</source>
        <translation>место %1 порядка спутников выходит за %2 мест, которые вмещает файл, и не записывается</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2, beyond the receiver&apos;s %3</source>
        <translation>место %1 порядка спутников указывает на спутник %2, за пределами %3 спутников приёмника</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2 a second time</source>
        <translation>место %1 порядка спутников указывает на спутник %2 второй раз</translation>
    </message>
    <message>
        <source>transponder %1 is on satellite %2, beyond the %3 satellites the file holds</source>
        <translation>транспондер %1 на спутнике %2, за пределами %3 спутников, которые вмещает файл</translation>
    </message>
    <message>
        <source>1 channel would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>При сохранении будет потерян 1 канал: транспондера нет или у него нет частоты (0 МГц).</translation>
    </message>
    <message>
        <source>%1 channels would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>При сохранении будут потеряны каналы (%1): транспондера нет или у него нет частоты (0 МГц).</translation>
    </message>
    <message>
        <source>- %1</source>
        <extracomment>A line of a list of findings.</extracomment>
        <translation>- %1</translation>
    </message>
    <message>
        <source>the file cannot be written back without losing data: %1</source>
        <translation>файл нельзя записать обратно без потери данных: %1</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Различий нет.</translation>
    </message>
    <message>
        <source>1 channel added</source>
        <translation>1 канал добавлен</translation>
    </message>
    <message>
        <source>%1 channels added</source>
        <translation>добавлено каналов: %1</translation>
    </message>
    <message>
        <source>1 channel removed</source>
        <translation>1 канал удалён</translation>
    </message>
    <message>
        <source>%1 channels removed</source>
        <translation>удалено каналов: %1</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <extracomment>Channels, in the summary of a comparison: &quot;3 renamed&quot;.</extracomment>
        <translation>переименовано: %1</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>перемещено: %1</translation>
    </message>
    <message>
        <source>%1 with PIDs changed</source>
        <translation>с изменёнными PID: %1</translation>
    </message>
    <message>
        <source>%1 with other changes</source>
        <translation>с другими изменениями: %1</translation>
    </message>
    <message>
        <source>1 favourite group changed</source>
        <translation>1 группа избранного изменена</translation>
    </message>
    <message>
        <source>%1 favourite groups changed</source>
        <translation>изменено групп избранного: %1</translation>
    </message>
    <message>
        <source>1 satellite added</source>
        <translation>1 спутник добавлен</translation>
    </message>
    <message>
        <source>%1 satellites added</source>
        <translation>добавлено спутников: %1</translation>
    </message>
    <message>
        <source>1 satellite removed</source>
        <translation>1 спутник удалён</translation>
    </message>
    <message>
        <source>%1 satellites removed</source>
        <translation>удалено спутников: %1</translation>
    </message>
    <message>
        <source>1 satellite changed</source>
        <translation>1 спутник изменён</translation>
    </message>
    <message>
        <source>%1 satellites changed</source>
        <translation>изменено спутников: %1</translation>
    </message>
    <message>
        <source>satellite order changed</source>
        <translation>порядок спутников изменён</translation>
    </message>
    <message>
        <source>1 transponder added</source>
        <translation>1 транспондер добавлен</translation>
    </message>
    <message>
        <source>%1 transponders added</source>
        <translation>добавлено транспондеров: %1</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>1 транспондер удалён</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>удалено транспондеров: %1</translation>
    </message>
    <message>
        <source>1 transponder changed</source>
        <translation>1 транспондер изменён</translation>
    </message>
    <message>
        <source>%1 transponders changed</source>
        <translation>изменено транспондеров: %1</translation>
    </message>
    <message>
        <source>Added channel %1</source>
        <translation>Добавлен канал %1</translation>
    </message>
    <message>
        <source>Removed channel %1</source>
        <translation>Удалён канал %1</translation>
    </message>
    <message>
        <source>Renamed channel %1 to &quot;%2&quot;</source>
        <translation>Канал %1 переименован в «%2»</translation>
    </message>
    <message>
        <source>Moved channel %1 to %2</source>
        <translation>Канал %1 перемещён на %2</translation>
    </message>
    <message>
        <source>PIDs of channel %1: %2</source>
        <translation>PID канала %1: %2</translation>
    </message>
    <message>
        <source>Changed channel %1: %2</source>
        <translation>Изменён канал %1: %2</translation>
    </message>
    <message>
        <source>Favourite group %1: %2</source>
        <translation>Группа избранного %1: %2</translation>
    </message>
    <message>
        <source>Added satellite %1</source>
        <translation>Добавлен спутник %1</translation>
    </message>
    <message>
        <source>Removed satellite %1</source>
        <translation>Удалён спутник %1</translation>
    </message>
    <message>
        <source>Changed satellite %1: %2</source>
        <translation>Изменён спутник %1: %2</translation>
    </message>
    <message>
        <source>The satellite order changed</source>
        <translation>Порядок спутников изменился</translation>
    </message>
    <message>
        <source>Added transponder %1</source>
        <translation>Добавлен транспондер %1</translation>
    </message>
    <message>
        <source>Removed transponder %1</source>
        <translation>Удалён транспондер %1</translation>
    </message>
    <message>
        <source>Changed transponder %1: %2</source>
        <translation>Изменён транспондер %1: %2</translation>
    </message>
    <message>
        <source>video type %1 -&gt; %2</source>
        <extracomment>What changed in a record: &quot;video type 1 -&gt; 2&quot;.</extracomment>
        <translation>тип видео %1 -&gt; %2</translation>
    </message>
    <message>
        <source>flags %1 -&gt; %2</source>
        <translation>флаги %1 -&gt; %2</translation>
    </message>
    <message>
        <source>ttxt %1 -&gt; %2</source>
        <extracomment>A teletext PID changed.</extracomment>
        <translation>телетекст %1 -&gt; %2</translation>
    </message>
    <message>
        <source>other bytes</source>
        <translation>другие байты</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>имя «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>location %1 -&gt; %2</source>
        <translation>позиция %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB frequency %1 -&gt; %2</source>
        <translation>частота LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB type %1 -&gt; %2</source>
        <translation>тип LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB power %1 -&gt; %2</source>
        <translation>питание LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>DiSEqC port %1 -&gt; %2</source>
        <translation>порт DiSEqC %1 -&gt; %2</translation>
    </message>
    <message>
        <source>dish position %1 -&gt; %2</source>
        <translation>позиция антенны %1 -&gt; %2</translation>
    </message>
    <message>
        <source>symbol rate %1 -&gt; %2</source>
        <translation>символьная скорость %1 -&gt; %2</translation>
    </message>
    <message>
        <source>TV name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>имя ТВ «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>radio name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>имя радио «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>order changed</source>
        <extracomment>The places of a favourite group&apos;s members changed.</extracomment>
        <translation>порядок изменён</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Favourite group %1: %2 / %3</source>
        <translation>Группа избранного %1: %2 / %3</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (продолжение)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 channels (%4 TV, %5 radio), %6 transponders, %7 satellites, %8 favourite groups</source>
        <translation>%1, %2: каналов: %3 (ТВ: %4, радио: %5), транспондеров: %6, спутников: %7, групп избранного: %8</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>A column of the printed list: the channel&apos;s name.</extracomment>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>A column of the printed list: the frequency (MHz), abbreviated.</extracomment>
        <translation>Част.</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>A column of the printed list: the polarisation, abbreviated.</extracomment>
        <translation>Пол.</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>ID службы</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>A column of the printed list: TV or radio.</extracomment>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>A column of the printed list: the channel&apos;s place in its favourite group.</extracomment>
        <translation>Место</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>line %1, column %2: not UTF-8 text (byte 0x%3); save the file as UTF-8</source>
        <translation>строка %1, столбец %2: не текст UTF-8 (байт 0x%3); сохраните файл в UTF-8</translation>
    </message>
    <message>
        <source>line 1: no header row</source>
        <translation>строка 1: нет строки заголовков</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>строка %1: поле в кавычках не закрыто</translation>
    </message>
    <message>
        <source>line 1: no &quot;%1&quot; column; a row finds its channel by satellite, frequency, polarisation and serviceId</source>
        <extracomment>%1: a column&apos;s name (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>строка 1: нет столбца «%1»; строка находит свой канал по satellite, frequency, polarisation и serviceId</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <extracomment>%2: a column&apos;s name, %3: what is wrong with its value.</extracomment>
        <translation>строка %1, %2: %3</translation>
    </message>
    <message>
        <source>expected a satellite number %1..%2</source>
        <translation>ожидался номер спутника %1..%2</translation>
    </message>
    <message>
        <source>expected a channel number %1..%2</source>
        <translation>ожидался номер канала %1..%2</translation>
    </message>
    <message>
        <source>expected an integer %1..%2</source>
        <translation>ожидалось целое число %1..%2</translation>
    </message>
    <message>
        <source>expected V(R) or H(L)</source>
        <translation>ожидалось V(R) или H(L)</translation>
    </message>
    <message>
        <source>line %1: no channel has %2; the channel data changed since the table was made, or the row was edited there</source>
        <translation>строка %1: ни у одного канала нет %2; данные каналов изменились после создания таблицы, или строку там правили</translation>
    </message>
    <message>
        <source>line %1: channels %2 all have %3; the number column must name one of them</source>
        <translation>строка %1: у всех каналов %2 одно и то же: %3; столбец number должен назвать один из них</translation>
    </message>
    <message>
        <source>satellite %1, %2 MHz %3, service id %4</source>
        <extracomment>Where a channel is: &quot;satellite 1, 11494 MHz H(L), service id 28006&quot;.</extracomment>
        <translation>спутник %1, %2 МГц %3, ID службы %4</translation>
    </message>
    <message>
        <source>line %1: channel %2 given twice (line %3)</source>
        <translation>строка %1: канал %2 указан дважды (строка %3)</translation>
    </message>
    <message>
        <source>the name holds a character the file cannot store (only Latin-1, no NUL)</source>
        <translation>имя содержит символ, который файл не может хранить (только Latin-1, без NUL)</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>имя длиннее %1 символов</translation>
    </message>
    <message>
        <source>an unterminated name fills all %1 bytes of its field and has no tail</source>
        <translation>неоконченное имя заполняет все %1 байт своего поля и не имеет хвоста</translation>
    </message>
    <message>
        <source>the name and its tail do not fit the %1-byte field</source>
        <translation>имя и его хвост не помещаются в поле из %1 байт</translation>
    </message>
    <message>
        <source>$: not valid JSON at byte %1 (line %2): %3</source>
        <extracomment>%3: what Qt says is wrong with the JSON (Qt&apos;s own translation).</extracomment>
        <translation>$: недопустимый JSON в байте %1 (строка %2): %3</translation>
    </message>
    <message>
        <source>$: expected an object</source>
        <translation>$: ожидался объект</translation>
    </message>
    <message>
        <source>$%1: %2</source>
        <extracomment>$%1: a place in the JSON (&quot;$.channels[3].name&quot;), %2: what is wrong there.</extracomment>
        <translation>$%1: %2</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <extracomment>A refusal and the line of the JSON file where its record begins.</extracomment>
        <translation>%1 (строка %2)</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>ожидался объект</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>ожидался массив</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A value the JSON must have and does not.</extracomment>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>ожидалась строка</translation>
    </message>
    <message>
        <source>expected a string of hex digits</source>
        <translation>ожидалась строка шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>expected hex digits</source>
        <translation>ожидались шестнадцатеричные цифры</translation>
    </message>
    <message>
        <source>expected an even number of hex digits</source>
        <translation>ожидалось чётное число шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>ожидалось байт: %1</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>ожидалось true или false</translation>
    </message>
    <message>
        <source>a kind-1 prefix holds at most 272 bytes</source>
        <translation>префикс вида 1 вмещает не более 272 байт</translation>
    </message>
    <message>
        <source>this data cannot be written back whole: %1</source>
        <translation>эти данные нельзя записать обратно целиком: %1</translation>
    </message>
    <message>
        <source>more entries than the header&apos;s satelliteCount (%1)</source>
        <extracomment>satelliteCount: the key of the JSON&apos;s header, as the file has it.</extracomment>
        <translation>записей больше, чем satelliteCount заголовка (%1)</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>указано дважды</translation>
    </message>
    <message>
        <source>more than %1 members</source>
        <translation>больше %1 участников</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not on satellite %5</source>
        <extracomment>A channel&apos;s transponder is not where the channel says: %3 its polarisation (V(R) or H(L)).</extracomment>
        <translation>транспондер %1 — %2 МГц %3 на спутнике %4, а не на спутнике %5</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5 MHz</source>
        <translation>транспондер %1 — %2 МГц %3 на спутнике %4, а не %5 МГц</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5</source>
        <extracomment>%5: the polarisation the channel gives, as the file has it.</extracomment>
        <translation>транспондер %1 — %2 МГц %3 на спутнике %4, а не %5</translation>
    </message>
    <message>
        <source>Checking %1: %2 (--port chooses another).</source>
        <translation>Проверяется %1: %2 (--port выбирает другой).</translation>
    </message>
    <message>
        <source>no serial port found: plug in the adapter, or name the port with --port.</source>
        <translation>последовательный порт не найден: подключите адаптер или укажите порт через --port.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Не удалось открыть файл!</translation>
    </message>
    <message>
        <source>Not enough memory for the backup data</source>
        <translation>Недостаточно памяти для данных резервной копии</translation>
    </message>
    <message>
        <source>Backup data is corrupted (decompression failed)</source>
        <translation>Данные резервной копии повреждены (ошибка распаковки)</translation>
    </message>
    <message>
        <source>Backup data is truncated</source>
        <translation>Данные резервной копии обрезаны</translation>
    </message>
    <message>
        <source>Invalid Backup Data</source>
        <translation>Недопустимые данные резервной копии</translation>
    </message>
    <message>
        <source>%1 are %2 bytes, not %3</source>
        <extracomment>A part of a file&apos;s layout that is not the receiver&apos;s: &quot;channel records are 40 bytes, not 44&quot;.</extracomment>
        <translation>%1: %2 байт, а не %3</translation>
    </message>
    <message>
        <source>the file declares %1 %2, more than the %3 the table holds</source>
        <translation>файл объявляет %2: %1, больше, чем %3 в таблице</translation>
    </message>
    <message>
        <source>the prefix is %1 bytes, not 96</source>
        <translation>префикс занимает %1 байт, а не 96</translation>
    </message>
    <message>
        <source>satellite records</source>
        <translation>записи спутников</translation>
    </message>
    <message>
        <source>transponder records</source>
        <translation>записи транспондеров</translation>
    </message>
    <message>
        <source>channel records</source>
        <translation>записи каналов</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>избранное</translation>
    </message>
    <message>
        <source>the favourite names</source>
        <translation>имена избранного</translation>
    </message>
    <message>
        <source>satellites</source>
        <extracomment>What a file declares more of than the receiver&apos;s table holds.</extracomment>
        <translation>спутников</translation>
    </message>
    <message>
        <source>transponders</source>
        <translation>транспондеров</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>каналов</translation>
    </message>
    <message>
        <source>%1 channel record(s) name a transponder the file does not hold</source>
        <translation>записей каналов с транспондером, которого нет в файле: %1</translation>
    </message>
    <message>
        <source>the payload holds %1 byte(s) behind its sections</source>
        <translation>после разделов данных лежит байт: %1</translation>
    </message>
    <message>
        <source>%1 favourite entr(ies) name no channel of the file and were left out</source>
        <translation>записей избранного без канала в файле, они пропущены: %1</translation>
    </message>
    <message>
        <source>%1 of %2 channels matched (%3 by identity, %4 by name); %5</source>
        <translation>сопоставлено каналов: %1 из %2 (%3 по идентификатору, %4 по имени); %5</translation>
    </message>
    <message>
        <source>none left over</source>
        <translation>не осталось ни одного</translation>
    </message>
    <message>
        <source>%1 not matched go to the end from number %2</source>
        <translation>несопоставленные (%1) уходят в конец, начиная с номера %2</translation>
    </message>
    <message>
        <source>1 reference entry found no channel</source>
        <translation>1 запись образца не нашла канала</translation>
    </message>
    <message>
        <source>%1 reference entries found no channel</source>
        <translation>записей образца без канала: %1</translation>
    </message>
    <message>
        <source>too large for a reference list (more than 16 MiB)</source>
        <translation>слишком велик для списка-образца (больше 16 МиБ)</translation>
    </message>
    <message>
        <source>line %1: neither a name nor frequency and service id</source>
        <translation>строка %1: нет ни имени, ни частоты с ID службы</translation>
    </message>
    <message>
        <source>not a text list (it holds NUL bytes)</source>
        <translation>не текстовый список (в нём есть байты NUL)</translation>
    </message>
    <message>
        <source>the list names no channel</source>
        <translation>в списке нет ни одного канала</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (channel %2) has the transponder and service id of &quot;%3&quot; (channel %4).</source>
        <extracomment>Two channels the file cannot tell apart (a favourite of either comes back as the first).</extracomment>
        <translation>«%1» (канал %2) имеет транспондер и ID службы «%3» (канал %4).</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel</source>
        <translation>Применено: строк, изменивших канал: %1 из %2</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel (%3)</source>
        <extracomment>%3: the columns that changed and how often (&quot;name 2, videoPid 1&quot;).</extracomment>
        <translation>Применено: строк, изменивших канал: %1 из %2 (%3)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not a column of the table)</source>
        <extracomment>%1: a column&apos;s name as the table has it.</extracomment>
        <translation>Пропущен столбец: %1 (не столбец таблицы)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (they find the channel; not changed)</source>
        <extracomment>%1: the columns that identify a channel (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>Пропущен столбец: %1 (по ним ищется канал; не меняются)</translation>
    </message>
    <message>
        <source>Ignored column: number (a hint where the channel stands; not changed)</source>
        <translation>Пропущен столбец: number (подсказка, где стоит канал; не меняется)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not imported)</source>
        <extracomment>%1: columns shown for reading only (transponder, cas, kind).</extracomment>
        <translation>Пропущен столбец: %1 (не импортируется)</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>Пропущено: %1</translation>
    </message>
    <message>
        <source>row order: line %1 (channel %2) stands after channel %3; the channels keep their numbers (Move in the editor changes the order)</source>
        <translation>порядок строк: строка %1 (канал %2) стоит после канала %3; каналы сохраняют номера (порядок меняет «Переместить» в редакторе)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Примечание: %1</translation>
    </message>
    <message>
        <source>Note: %1 more</source>
        <translation>Примечание: ещё %1</translation>
    </message>
    <message>
        <source>line %1: number %2 is channel %3 now (found by its satellite, frequency, polarisation and service id)</source>
        <translation>строка %1: номер %2 теперь канал %3 (найден по спутнику, частоте, поляризации и ID службы)</translation>
    </message>
    <message>
        <source>line %1, %2: &quot;%3&quot; differs from the channel&apos;s &quot;%4&quot;: not imported</source>
        <extracomment>%2: a column&apos;s name.</extracomment>
        <translation>строка %1, %2: «%3» отличается от «%4» канала: не импортировано</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list the core put together (&quot;3 channels added, 1 renamed&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the reasons of a list the core put together (&quot;a; b&quot;).</extracomment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>The language changes when Dorvane_QX starts next.</source>
        <translation>Язык сменится при следующем запуске Dorvane_QX.</translation>
    </message>
</context>
<context>
    <name>dorvane::CAboutDialog</name>
    <message>
        <source>About Dorvane_QX</source>
        <translation>О программе Dorvane_QX</translation>
    </message>
    <message>
        <source>Version v1.0</source>
        <translation>Версия v1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Service tool for digital satellite receivers:
firmware download and channel data backup.</source>
        <translation>Сервисная программа для цифровых спутниковых приёмников:
загрузка прошивки и резервная копия данных каналов.</translation>
    </message>
</context>
<context>
    <name>dorvane::CConnectionCheckDialog</name>
    <message>
        <source>port</source>
        <extracomment>A step of the connection check, as its line names it.</extracomment>
        <translation>порт</translation>
    </message>
    <message>
        <source>permission</source>
        <translation>права</translation>
    </message>
    <message>
        <source>holder</source>
        <translation>владелец</translation>
    </message>
    <message>
        <source>line settings</source>
        <translation>параметры линии</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>петля</translation>
    </message>
    <message>
        <source>link</source>
        <translation>связь</translation>
    </message>
    <message>
        <source>boot loader</source>
        <translation>загрузчик</translation>
    </message>
    <message>
        <source>line</source>
        <translation>линия</translation>
    </message>
    <message>
        <source>check</source>
        <translation>проверка</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>How a step of the connection check went: [ok], [problem], [skipped].</extracomment>
        <translation>ок</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>проблема</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>пропущено</translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation>Проверка соединения</translation>
    </message>
    <message>
        <source>Steps of the check</source>
        <translation>Шаги проверки</translation>
    </message>
    <message>
        <source>&amp;Switch the STB off and on during the check</source>
        <translation>Выключить и включить &amp;STB во время проверки</translation>
    </message>
    <message>
        <source>When the STB does not answer, wait up to 30 s for its boot loader</source>
        <translation>Если STB не отвечает, ждать её загрузчик до 30 с</translation>
    </message>
    <message>
        <source>A &amp;loop-back plug is fitted instead of the STB (TX joined to RX)</source>
        <translation>Вместо STB вставлена &amp;петлевая заглушка (TX соединён с RX)</translation>
    </message>
    <message>
        <source>Send a pattern and count what comes back</source>
        <translation>Послать образец и сосчитать, что вернулось</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>Проверить &amp;снова</translation>
    </message>
    <message>
        <source>A loop-back plug is fitted</source>
        <extracomment>Quoted in the check&apos;s texts: the check box that tests with a loop-back plug.</extracomment>
        <translation>Вставлена петлевая заглушка</translation>
    </message>
    <message>
        <source>Switch the STB off and on during the check</source>
        <translation>Выключить и включить STB во время проверки</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditChannelDialog</name>
    <message>
        <source>Edit Channel</source>
        <translation>Изменить канал</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID службы</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID видео</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID звука</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Teletext PID</source>
        <translation>PID телетекста</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>%1 must be 0 to 65535.</source>
        <translation>%1 должен быть от 0 до 65535.</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>Изменить</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditSatelliteDialog</name>
    <message>
        <source>Edit Satellite</source>
        <translation>Изменить спутник</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Тип LNB</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>LNB freq Low</source>
        <translation>Частота LNB нижн.</translation>
    </message>
    <message>
        <source>LNB freq High</source>
        <translation>Частота LNB верхн.</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>Питание LNB</translation>
    </message>
    <message>
        <source>22KHz</source>
        <translation>22KHz</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>DiSEqC type</source>
        <translation>Тип DiSEqC</translation>
    </message>
    <message>
        <source>DiSEqC port</source>
        <translation>Порт DiSEqC</translation>
    </message>
    <message>
        <source>Dish Position</source>
        <translation>Позиция антенны</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Запад</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Универсальный</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Одиночный</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>1.0(4 Switch)</source>
        <translation>1.0(4 входа)</translation>
    </message>
    <message>
        <source>1.1(16 Switch)</source>
        <translation>1.1(16 входов)</translation>
    </message>
    <message>
        <source>1.2(Motor)</source>
        <translation>1.2(Мотор)</translation>
    </message>
    <message>
        <source>1.3(USALS)</source>
        <translation>1.3(USALS)</translation>
    </message>
    <message>
        <source>Location must be 0.0 to 180.0 degrees East or West.</source>
        <translation>Позиция должна быть от 0.0 до 180.0 градусов восточной или западной долготы.</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditTpDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>Изменить TP</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Horz/Vert</source>
        <translation>Гор/Верт</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Символьная скорость</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Передача</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Модуляция</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Frequency must be 1 to 65535 MHz.</source>
        <translation>Частота должна быть от 1 до 65535 МГц.</translation>
    </message>
    <message>
        <source>Symbol Rate must be 0 to 65535.</source>
        <translation>Символьная скорость должна быть от 0 до 65535.</translation>
    </message>
</context>
<context>
    <name>dorvane::CMainDialog</name>
    <message>
        <source>Image or Binary Files (*.img *.bin);;Channel Data (*.irz);;All files (*)</source>
        <translation>Образы или двоичные файлы (*.img *.bin);;Данные каналов (*.irz);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Channel Data (*irz)</source>
        <translation>Данные каналов (*irz)</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>Принудительно</translation>
    </message>
    <message>
        <source>Download even when the STB&apos;s buyer code does not match the image</source>
        <translation>Загружать, даже если код покупателя STB не совпадает с образом</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>The current file</source>
        <translation>Текущий файл</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>Имя файла :</translation>
    </message>
    <message>
        <source>Elapsed :</source>
        <translation>Прошло :</translation>
    </message>
    <message>
        <source>Throughput :</source>
        <translation>Скорость :</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Connect or disconnect the port</source>
        <translation>Подключить или отключить порт</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Выгрузить</translation>
    </message>
    <message>
        <source>STB power: green while the STB&apos;s application answers</source>
        <translation>Питание STB: зелёный, пока отвечает приложение STB</translation>
    </message>
    <message>
        <source>STB Power</source>
        <translation>Питание STB</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>About Dorvane_QX</source>
        <translation>О программе Dorvane_QX</translation>
    </message>
    <message>
        <source>Downloading process is in progress, Do you want to stop the downloading?</source>
        <translation>Идёт загрузка. Остановить загрузку?</translation>
    </message>
    <message>
        <source>Do you want to close Dorvane_QX?</source>
        <translation>Закрыть Dorvane_QX?</translation>
    </message>
    <message>
        <source>You can&apos;t disconnect Serial port on downloading...</source>
        <translation>Нельзя отключить последовательный порт во время загрузки...</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 отключён.</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1 подключён.</translation>
    </message>
    <message>
        <source>You can&apos;t configure Serial port on downloading...</source>
        <translation>Нельзя настраивать последовательный порт во время загрузки...</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>Нельзя открыть файл во время загрузки...</translation>
    </message>
    <message>
        <source>Transfer summary: </source>
        <translation>Итог передачи: </translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation>Сохранить журнал...</translation>
    </message>
    <message>
        <source>Save trace...</source>
        <translation>Сохранить трассировку...</translation>
    </message>
    <message>
        <source>Can&apos;t save %1: %2</source>
        <translation>Не удаётся сохранить %1: %2</translation>
    </message>
    <message>
        <source>Log (*.log *.txt);;All files (*)</source>
        <translation>Журнал (*.log *.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Trace (*.trace *.txt);;All files (*)</source>
        <translation>Трассировка (*.trace *.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>You can&apos;t edit a file while transferring...</source>
        <translation>Нельзя редактировать файл во время передачи...</translation>
    </message>
    <message>
        <source>download</source>
        <translation>загрузка</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>выгрузка</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>редактор</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>disconnected</source>
        <extracomment>The state of the port lamp, as a screen reader says it.</extracomment>
        <translation>отключён</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The state of the STB power lamp, as a screen reader says it.</extracomment>
        <translation>выключено</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>подключён</translation>
    </message>
    <message>
        <source>on</source>
        <translation>включено</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Станция</translation>
    </message>
    <message>
        <source>Many ports at once</source>
        <translation>Много портов сразу</translation>
    </message>
    <message>
        <source>Save support bundle...</source>
        <translation>Сохранить пакет для поддержки...</translation>
    </message>
    <message>
        <source>Zip archive (*.zip);;All files (*)</source>
        <translation>Zip-архив (*.zip);;Все файлы (*)</translation>
    </message>
    <message>
        <source>You can&apos;t open the Station view while transferring...</source>
        <translation>Во время передачи нельзя открыть вид «Станция»...</translation>
    </message>
</context>
<context>
    <name>dorvane::CReceiverDataDialog</name>
    <message>
        <source>Group Name</source>
        <translation>Имя группы</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Channel.</source>
        <translation>Канал.</translation>
    </message>
    <message>
        <source>Ch_id</source>
        <translation>Ch_id</translation>
    </message>
    <message>
        <source>Freq/Pol</source>
        <translation>Част/Пол</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>Rename Group</source>
        <translation>Переименовать группу</translation>
    </message>
    <message>
        <source>&amp;TV name:</source>
        <translation>Имя &amp;ТВ:</translation>
    </message>
    <message>
        <source>&amp;Radio name:</source>
        <translation>Имя &amp;радио:</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>Исто&amp;рия...</translation>
    </message>
    <message>
        <source>The lists kept from uploads and earlier saves: compare or restore one</source>
        <translation>Списки, сохранённые при выгрузках и прежних сохранениях: сравнить или восстановить один</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>открытый список</translation>
    </message>
    <message>
        <source>, unsaved edits</source>
        <translation>, несохранённые изменения</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Не сохранять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <translation>Редактирование данных приёмника</translation>
    </message>
    <message>
        <source>%1 marked for moving: choose the destination, then &quot;Select Destination&quot;</source>
        <translation>Отмечено для перемещения: %1; выберите место назначения, затем «Выбрать цель»</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 канал</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>каналов: %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Channel data (*.irz)</source>
        <translation>Данные каналов (*.irz)</translation>
    </message>
    <message>
        <source>Channel data JSON (*.json);;Channel table CSV (*.csv)</source>
        <translation>Данные каналов JSON (*.json);;Таблица каналов CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Не удалось записать файл!</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Не удалось открыть файл!</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Fav TV</source>
        <translation>Избр. ТВ</translation>
    </message>
    <message>
        <source>Fav Radio</source>
        <translation>Избр. радио</translation>
    </message>
    <message>
        <source>Search channels by name, service id or PID (Ctrl+F)</source>
        <translation>Поиск каналов по имени, идентификатору службы или PID (Ctrl+F)</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>Поис&amp;к:</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>&amp;Вид:</translation>
    </message>
    <message>
        <source>TPs:</source>
        <translation>TP:</translation>
    </message>
    <message>
        <source>CHs:</source>
        <translation>Кан.:</translation>
    </message>
    <message>
        <source>All Sat</source>
        <translation>Все спутники</translation>
    </message>
    <message>
        <source>Searched Sat</source>
        <translation>Найденные спутники</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>FTA</source>
        <translation>FTA</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>Сортировка:</translation>
    </message>
    <message>
        <source>Channel No</source>
        <translation>№ канала</translation>
    </message>
    <message>
        <source>Sat/Tp</source>
        <translation>Спутник/TP</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Listed channels:</source>
        <translation>Показано каналов:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Переместить</translation>
    </message>
    <message>
        <source>Select Desti&amp;nation</source>
        <translation>Выбрать &amp;цель</translation>
    </message>
    <message>
        <source>&amp;Cancel Move</source>
        <translation>&amp;Отменить перемещение</translation>
    </message>
    <message>
        <source>Sav&amp;e As...</source>
        <translation>Сохранить к&amp;ак...</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Импорт...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Отм&amp;енить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Вер&amp;нуть</translation>
    </message>
    <message>
        <source>Rename &amp;Group...</source>
        <translation>Переименовать &amp;группу...</translation>
    </message>
    <message>
        <source>Undo the last edit (Ctrl+Z)</source>
        <translation>Отменить последнее изменение (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo the edit undone last (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Вернуть последнее отменённое изменение (Ctrl+Shift+Z, Ctrl+Y)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Изменить...</translation>
    </message>
    <message>
        <source>In group</source>
        <translation>В группе</translation>
    </message>
    <message>
        <source>Satellites or groups</source>
        <translation>Спутники или группы</translation>
    </message>
    <message>
        <source>Transponders or group members</source>
        <translation>Транспондеры или участники группы</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Receiver data</source>
        <translation>Данные приёмника</translation>
    </message>
</context>
<context>
    <name>dorvane::CReferencePreviewDialog</name>
    <message>
        <source>Apply order from %1</source>
        <translation>Применить порядок из %1</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>Новый №</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Найдено</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Идентификация</translation>
    </message>
    <message>
        <source>Take the &amp;favourite groups and their names along</source>
        <translation>Взять также группы &amp;избранного и их имена</translation>
    </message>
    <message>
        <source>A text list has no favourite groups</source>
        <translation>В текстовом списке нет групп избранного</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>Reference entries that found no channel: %1</source>
        <translation>Записи списка, для которых не найден канал: %1</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>по имени</translation>
    </message>
    <message>
        <source>by identity</source>
        <translation>по идентификации</translation>
    </message>
    <message>
        <source>not matched: to the end</source>
        <translation>не найдено: в конец</translation>
    </message>
</context>
<context>
    <name>dorvane::CSerialConfigDialog</name>
    <message>
        <source>Made by %1</source>
        <translation>Производитель: %1</translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation>USB %1</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>Серийный номер %1</translation>
    </message>
    <message>
        <source>In use by another program</source>
        <translation>Занят другой программой</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>Занят: %1</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Свободен</translation>
    </message>
    <message>
        <source>Serial Port Configuration</source>
        <translation>Настройка последовательного порта</translation>
    </message>
    <message>
        <source>Serial Port :</source>
        <translation>Последовательный порт :</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path</source>
        <translation>Выберите порт или введите путь к устройству</translation>
    </message>
    <message>
        <source>%1  (current)</source>
        <translation>%1  (текущий)</translation>
    </message>
    <message>
        <source>No serial port found: plug in the adapter.</source>
        <translation>Последовательный порт не найден: подключите адаптер.</translation>
    </message>
    <message>
        <source>%1
Not listed by the system</source>
        <translation>%1
Нет в списке системы</translation>
    </message>
    <message>
        <source>&amp;Language :</source>
        <translation>&amp;Язык :</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language choice that follows the system&apos;s locale.</extracomment>
        <translation>Язык системы</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>Язык окон, со следующего запуска</translation>
    </message>
    <message>
        <source>Check &amp;connection</source>
        <translation>Проверить &amp;соединение</translation>
    </message>
    <message>
        <source>Check the chosen port, its adapter and the STB step by step</source>
        <translation>Проверить шаг за шагом выбранный порт, его адаптер и STB</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelListPrint</name>
    <message>
        <source>Channel list of %1</source>
        <translation>Список каналов %1</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelOrderActions</name>
    <message>
        <source>Sort the selected channels by &amp;name and keep it as the order</source>
        <translation>Упорядочить выбранные каналы по &amp;имени и сохранить порядок</translation>
    </message>
    <message>
        <source>Sort the selected channels by &amp;satellite and frequency and keep it as the order</source>
        <translation>Упорядочить выбранные каналы по &amp;спутнику и частоте и сохранить порядок</translation>
    </message>
    <message>
        <source>Sort the selected channels by service &amp;id and keep it as the order</source>
        <translation>Упорядочить выбранные каналы по &amp;идентификатору службы и сохранить порядок</translation>
    </message>
    <message>
        <source>Move to &amp;number...</source>
        <translation>Переместить на &amp;номер...</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>Поменять &amp;местами</translation>
    </message>
    <message>
        <source>Apply &amp;order from...</source>
        <translation>Применить &amp;порядок из...</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>Новый №</translation>
    </message>
    <message>
        <source>New No.: a channel number 0..%1</source>
        <translation>Новый №: номер канала 0..%1</translation>
    </message>
    <message>
        <source>Move to number</source>
        <translation>Переместить на номер</translation>
    </message>
    <message>
        <source>The %1 chosen channels from &amp;number:</source>
        <translation>Выбранные каналы (%1) начиная с &amp;номера:</translation>
    </message>
    <message>
        <source>Apply order from</source>
        <translation>Применить порядок из</translation>
    </message>
    <message>
        <source>Channel data or lists (*.irz *.txt *.csv);;Channel data (*irz);;All files (*)</source>
        <translation>Данные каналов или списки (*.irz *.txt *.csv);;Данные каналов (*irz);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>dorvane::CopyCleanTools</name>
    <message>
        <source>&amp;Open Second File...</source>
        <translation>&amp;Открыть второй файл...</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>&amp;Копировать строки</translation>
    </message>
    <message>
        <source>Show D&amp;uplicates Only</source>
        <translation>Показать только &amp;дубликаты</translation>
    </message>
    <message>
        <source>Select &amp;All Duplicates</source>
        <translation>Выбрать &amp;все дубликаты</translation>
    </message>
    <message>
        <source>&amp;Remove Unused Transponders...</source>
        <translation>&amp;Удалить неиспользуемые транспондеры...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Export to P&amp;DF...</source>
        <translation>Экспорт в P&amp;DF...</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>Инструмен&amp;ты</translation>
    </message>
    <message>
        <source>Copy from Second &amp;File</source>
        <translation>Копировать из второго &amp;файла</translation>
    </message>
    <message>
        <source>Open Second File</source>
        <translation>Открыть второй файл</translation>
    </message>
    <message>
        <source>Channel data (*.irz);;All files (*)</source>
        <translation>Данные каналов (*.irz);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Choose satellites, transponders, channels or groups of the second file</source>
        <translation>Выберите спутники, транспондеры, каналы или группы второго файла</translation>
    </message>
    <message>
        <source>No duplicates</source>
        <translation>Дубликатов нет</translation>
    </message>
    <message>
        <source>%1 duplicates chosen</source>
        <translation>Выбрано дубликатов: %1</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>Удалён 1 транспондер</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>Удалено транспондеров: %1</translation>
    </message>
    <message>
        <source>No rows chosen to copy</source>
        <translation>Не выбраны строки для копирования</translation>
    </message>
    <message>
        <source>1 row copied to the clipboard</source>
        <translation>1 строка скопирована в буфер обмена</translation>
    </message>
    <message>
        <source>%1 rows copied to the clipboard</source>
        <translation>Скопировано строк в буфер обмена: %1</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>This build cannot print: use &quot;Export to PDF...&quot; and print the PDF.</source>
        <translation>Эта сборка не умеет печатать: используйте «Экспорт в PDF...» и распечатайте PDF.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Не удалось записать файл!</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>Записано страниц: %1, в %2</translation>
    </message>
</context>
<context>
    <name>dorvane::CopySourcePanel</name>
    <message>
        <source>Second file (read-only)</source>
        <translation>Второй файл (только чтение)</translation>
    </message>
    <message>
        <source>&lt;&lt; Co&amp;py into this file</source>
        <translation>&lt;&lt; Скопировать в этот &amp;файл</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>каналов: %1</translation>
    </message>
    <message>
        <source>SID %1</source>
        <translation>SID %1</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Группы избранного</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 channels</source>
        <translation>%1: спутников %2, каналов %3</translation>
    </message>
    <message>
        <source>Copies the chosen satellites, transponders, channels and favourite groups (or drag them onto the lists)</source>
        <translation>Копирует выбранные спутники, транспондеры, каналы и группы избранного (или перетащите их на списки)</translation>
    </message>
</context>
<context>
    <name>dorvane::DialogPrompts</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>No lists are kept yet.</source>
        <translation>Сохранённых списков пока нет.</translation>
    </message>
    <message>
        <source>Select two lists, or one to compare with the open list.</source>
        <translation>Выберите два списка или один для сравнения с открытым списком.</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Сохранён в %1</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Сравнить</translation>
    </message>
    <message>
        <source>Compare with &amp;open list</source>
        <translation>Сравнить с &amp;открытым списком</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>Open the selected list in the editor; the present one is kept first</source>
        <translation>Открыть выбранный список в редакторе; текущий сначала сохраняется</translation>
    </message>
    <message>
        <source>Can&apos;t compare: %1</source>
        <translation>Сравнение невозможно: %1</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryListModel</name>
    <message>
        <source>Boot %1, App %2</source>
        <extracomment>The STB&apos;s versions a kept list came with: its boot loader&apos;s and its application&apos;s.</extracomment>
        <translation>Загрузчик %1, приложение %2</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <extracomment>A comparison of two kept lists: from the older to the newer.</extracomment>
        <translation>С %1 по %2</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>The columns of the kept lists: when a list was kept, where it came from, ...</extracomment>
        <translation>Сохранён</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>STB versions</source>
        <translation>Версии STB</translation>
    </message>
    <message>
        <source>Received from the STB</source>
        <extracomment>Where a kept list came from.</extracomment>
        <translation>Получен от STB</translation>
    </message>
    <message>
        <source>Replaced by a save</source>
        <translation>Заменён при сохранении</translation>
    </message>
    <message>
        <source>Open before a restore</source>
        <translation>Открыт до восстановления</translation>
    </message>
</context>
<context>
    <name>dorvane::IntegerEdit</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
</context>
<context>
    <name>dorvane::ListColumns</name>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>PPid</source>
        <translation>PPid</translation>
    </message>
    <message>
        <source>VPid</source>
        <translation>VPid</translation>
    </message>
    <message>
        <source>APid</source>
        <translation>APid</translation>
    </message>
    <message>
        <source>ttxt</source>
        <translation>ttxt</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>VTyp</source>
        <translation>VTyp</translation>
    </message>
    <message>
        <source>ATyp</source>
        <translation>ATyp</translation>
    </message>
    <message>
        <source>Sat_id</source>
        <translation>Sat_id</translation>
    </message>
    <message>
        <source>Tp_id</source>
        <translation>Tp_id</translation>
    </message>
    <message>
        <source>Ch_id</source>
        <translation>Ch_id</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>Freq/Pol</source>
        <translation>Част/Пол</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>CHs</source>
        <translation>Кан.</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Част.</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Пол.</translation>
    </message>
    <message>
        <source>S/R</source>
        <translation>S/R</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Trans</source>
        <translation>Trans</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
</context>
<context>
    <name>dorvane::PortTile</name>
    <message>
        <source>Opening</source>
        <translation>Открытие</translation>
    </message>
    <message>
        <source>Waiting for the STB</source>
        <translation>Ожидание STB</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>Передача</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Сверка</translation>
    </message>
    <message>
        <source>Switch the STB off</source>
        <translation>Выключите STB</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Port unusable</source>
        <translation>Порт непригоден</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>The result of the last STB of a port in the Station view.</extracomment>
        <translation>ок</translation>
    </message>
    <message>
        <source>verify failed</source>
        <translation>сверка не прошла</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>не подтверждено</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>не начато</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>успешно</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>время истекло</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>отказано</translation>
    </message>
    <message>
        <source>port error</source>
        <translation>ошибка порта</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>сбой</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Ход выполнения %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>%p % (%1:%2 left)</source>
        <translation>%p % (осталось %1:%2)</translation>
    </message>
    <message>
        <source>No STB done yet</source>
        <translation>Пока ни одной STB</translation>
    </message>
    <message>
        <source>Last: %1 (%2 of %3 ok)</source>
        <translation>Последний: %1 (%2 из %3 успешно)</translation>
    </message>
    <message>
        <source>Boot loader %1, application %2</source>
        <translation>Загрузчик %1, приложение %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>dorvane::StationWindow</name>
    <message>
        <source>Station</source>
        <translation>Станция</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Порты</translation>
    </message>
    <message>
        <source>Start all</source>
        <translation>Запустить все</translation>
    </message>
    <message>
        <source>Stop all</source>
        <translation>Остановить все</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>no report</source>
        <translation>без отчёта</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>Файл отчёта:</translation>
    </message>
    <message>
        <source>Next STB after each</source>
        <translation>Следующая STB после каждой</translation>
    </message>
    <message>
        <source>Verify channel data</source>
        <translation>Сверять данные каналов</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>Принудительно</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>Добавляемый порт</translation>
    </message>
    <message>
        <source>Add port</source>
        <translation>Добавить порт</translation>
    </message>
    <message>
        <source>Add USB adapters</source>
        <translation>Добавить USB-адаптеры</translation>
    </message>
    <message>
        <source>File for every STB</source>
        <translation>Файл для каждой STB</translation>
    </message>
    <message>
        <source>Report file</source>
        <translation>Файл отчёта</translation>
    </message>
    <message>
        <source>Choose the file every STB gets.</source>
        <translation>Выберите файл, который получит каждая STB.</translation>
    </message>
    <message>
        <source>Verify is for channel data: this file is not.</source>
        <translation>Сверка — для данных каналов: этот файл не такой.</translation>
    </message>
    <message>
        <source>Done: 0   Failed: 0   STBs per hour: 0</source>
        <translation>Готово: 0   Сбоев: 0   STB в час: 0</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   STBs per hour: %3</source>
        <translation>Готово: %1   Сбоев: %2   STB в час: %3</translation>
    </message>
    <message>
        <source>   Report: %1</source>
        <translation>   Отчёт: %1</translation>
    </message>
    <message>
        <source>An STB is writing its memory. Close anyway and leave it mid-write?</source>
        <translation>STB записывает свою память. Всё равно закрыть и оставить её посреди записи?</translation>
    </message>
</context>
<context>
    <name>dorvane::reference_preview_dialog</name>
    <message>
        <source>sat %1</source>
        <translation>спутник %1</translation>
    </message>
    <message>
        <source>sid %1</source>
        <translation>sid %1</translation>
    </message>
</context>
</TS>
