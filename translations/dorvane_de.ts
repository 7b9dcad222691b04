<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CoreText</name>
    <message>
        <source>Please, Open a File to be downloaded!</source>
        <translation>Bitte öffnen Sie eine Datei für den Download!</translation>
    </message>
    <message>
        <source>Can&apos;t open Serial Port! Please, Check your Serial port setting!</source>
        <translation>Der serielle Port lässt sich nicht öffnen! Bitte prüfen Sie die Einstellung des seriellen Ports!</translation>
    </message>
    <message>
        <source>Before download start, You should turn off the Power of STB</source>
        <translation>Schalten Sie vor dem Start des Downloads die STB aus</translation>
    </message>
    <message>
        <source>Before upload start, You should turn on the Power of STB and activate &apos;PC COM&apos; item in &apos;Software Transfer&apos; menu</source>
        <translation>Schalten Sie vor dem Start des Uploads die STB ein und aktivieren Sie den Punkt &apos;PC COM&apos; im Menü &apos;Software Transfer&apos;</translation>
    </message>
    <message>
        <source>This image can&apos;t be downloaded your STB!</source>
        <translation>Dieses Image kann nicht auf Ihre STB geladen werden!</translation>
    </message>
    <message>
        <source>Downloading stopped successfully.</source>
        <translation>Download erfolgreich beendet.</translation>
    </message>
    <message>
        <source>You should Check LCD window whether STB has remain job or not!</source>
        <translation>Prüfen Sie im LCD-Fenster, ob die STB noch Aufgaben ausführt!</translation>
    </message>
    <message>
        <source>Your STB will restart now!</source>
        <translation>Ihre STB startet jetzt neu!</translation>
    </message>
    <message>
        <source>Timeout occurred! Please, Check your STB, And retry!</source>
        <translation>Zeitüberschreitung! Bitte prüfen Sie Ihre STB und versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>Serial Port Error! The port stopped working.</source>
        <translation>Fehler am seriellen Port! Der Port funktioniert nicht mehr.</translation>
    </message>
    <message>
        <source>Serial Port Error! Please, Check your Serial port and STB, And retry!</source>
        <translation>Fehler am seriellen Port! Bitte prüfen Sie den seriellen Port und die STB und versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>Transferring failed! Too many errors on the line.</source>
        <translation>Übertragung fehlgeschlagen! Zu viele Fehler auf der Leitung.</translation>
    </message>
    <message>
        <source>Too many errors on the line! Please, Check your cable and STB, And retry!</source>
        <translation>Zu viele Fehler auf der Leitung! Bitte prüfen Sie Kabel und STB und versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>Uploading failed!</source>
        <translation>Upload fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Uploading failed! The file was not changed. Please, Check your STB, And retry!</source>
        <translation>Upload fehlgeschlagen! Die Datei wurde nicht geändert. Bitte prüfen Sie Ihre STB und versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>Die Datei wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The received data is not channel data: %1.</source>
        <translation>Die empfangenen Daten sind keine Kanaldaten: %1.</translation>
    </message>
    <message>
        <source>The STB announced %1 bytes and sent %2.</source>
        <translation>Die STB kündigte %1 Bytes an und sendete %2.</translation>
    </message>
    <message>
        <source>All the data arrived, but the STB did not end the file (it may have restarted).</source>
        <translation>Alle Daten sind angekommen, aber die STB hat die Datei nicht abgeschlossen (vielleicht hat sie neu gestartet).</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>Während eines Downloads kann keine Datei geöffnet werden...</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory.</source>
        <translation>Die STB meldet sich nicht mehr, während sie ihren Speicher beschreibt.</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory!</source>
        <translation>Die STB meldet sich nicht mehr, während sie ihren Speicher beschreibt!</translation>
    </message>
    <message>
        <source>Do not switch it off until its own display says it is done.</source>
        <translation>Schalten Sie sie nicht aus, bevor ihre eigene Anzeige das Ende meldet.</translation>
    </message>
    <message>
        <source>Downloading failed! The file could not be read to its end: %1</source>
        <translation>Download fehlgeschlagen! Die Datei konnte nicht bis zum Ende gelesen werden: %1</translation>
    </message>
    <message>
        <source>The STB restarted before it finished writing! The image was not written.</source>
        <translation>Die STB hat vor dem Ende des Schreibens neu gestartet! Das Image wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Please, Switch off the STB, start the download, then switch on the STB.</source>
        <translation>Bitte schalten Sie die STB aus, starten Sie den Download und schalten Sie dann die STB ein.</translation>
    </message>
    <message>
        <source>The STB offered more than one file; only the first was received.</source>
        <translation>Die STB hat mehr als eine Datei angeboten; nur die erste wurde empfangen.</translation>
    </message>
    <message>
        <source>The file is empty! There is nothing to download.</source>
        <translation>Die Datei ist leer! Es gibt nichts zu laden.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, more than any STB takes! Check the file, or use Forced download to send it anyway.</source>
        <translation>Die Datei ist größer als %1 MiB, mehr als jede STB annimmt! Prüfen Sie die Datei oder senden Sie sie mit „Erzwungener Download“ trotzdem.</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: it is a folder!</source>
        <translation>Der Upload kann nicht in %1 gespeichert werden: das ist ein Ordner!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder does not exist!</source>
        <translation>Der Upload kann nicht in %1 gespeichert werden: der Ordner existiert nicht!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder cannot be written!</source>
        <translation>Der Upload kann nicht in %1 gespeichert werden: in den Ordner kann nicht geschrieben werden!</translation>
    </message>
    <message>
        <source>Transferring canceled!</source>
        <translation>Übertragung abgebrochen!</translation>
    </message>
    <message>
        <source>Do you want to stop the downloading?</source>
        <translation>Möchten Sie den Download abbrechen?</translation>
    </message>
    <message>
        <source>Do you want to stop the uploading?</source>
        <translation>Möchten Sie den Upload abbrechen?</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The Download and Upload buttons while a transfer runs.</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Waiting Turning on STB...</source>
        <extracomment>The progress bar while the STB is switched off, before a download.</extracomment>
        <translation>Warte auf Einschalten der STB...</translation>
    </message>
    <message>
        <source>Wait Upload Data...</source>
        <translation>Warte auf Upload-Daten...</translation>
    </message>
    <message>
        <source>Transferring timeout occurred!</source>
        <translation>Zeitüberschreitung bei der Übertragung!</translation>
    </message>
    <message>
        <source>%1 bps</source>
        <translation>%1 bps</translation>
    </message>
    <message>
        <source>Wait writing image end...</source>
        <translation>Warte auf Ende des Schreibens...</translation>
    </message>
    <message>
        <source>STB Boot Ver : %1</source>
        <translation>STB-Boot-Version : %1</translation>
    </message>
    <message>
        <source>STB App Ver : %1</source>
        <translation>STB-App-Version : %1</translation>
    </message>
    <message>
        <source>Uploading %1% ...</source>
        <translation>Upload %1% ...</translation>
    </message>
    <message>
        <source>Downloading %1% ...</source>
        <translation>Download %1% ...</translation>
    </message>
    <message>
        <source>Downloading process started.</source>
        <translation>Download gestartet.</translation>
    </message>
    <message>
        <source>Uploading process started.</source>
        <translation>Upload gestartet.</translation>
    </message>
    <message>
        <source>Send upload command and wait ack..</source>
        <translation>Upload-Befehl gesendet, warte auf Bestätigung..</translation>
    </message>
    <message>
        <source>Transferring ended.</source>
        <translation>Übertragung beendet.</translation>
    </message>
    <message>
        <source>Writing Image started.</source>
        <translation>Schreiben des Images gestartet.</translation>
    </message>
    <message>
        <source>Transferring started.</source>
        <translation>Übertragung gestartet.</translation>
    </message>
    <message>
        <source>Transferring started!</source>
        <translation>Übertragung gestartet!</translation>
    </message>
    <message>
        <source>Serial Port Internal Error: Write</source>
        <translation>Interner Fehler am seriellen Port: Schreiben</translation>
    </message>
    <message>
        <source>Uploading failed! %1</source>
        <translation>Upload fehlgeschlagen! %1</translation>
    </message>
    <message>
        <source>Uploading data is kept in</source>
        <translation>Die Upload-Daten liegen in</translation>
    </message>
    <message>
        <source>The received data is kept in %1</source>
        <translation>Die empfangenen Daten liegen in %1</translation>
    </message>
    <message>
        <source>%1 The received data is kept in %2</source>
        <translation>%1 Die empfangenen Daten liegen in %2</translation>
    </message>
    <message>
        <source>Writing Image stopped.</source>
        <translation>Schreiben des Images angehalten.</translation>
    </message>
    <message>
        <source>Writing image stopped.</source>
        <translation>Schreiben des Images angehalten.</translation>
    </message>
    <message>
        <source>Downloading stopped successfully!</source>
        <translation>Download erfolgreich beendet!</translation>
    </message>
    <message>
        <source>Uploading finished successfully!</source>
        <translation>Upload erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>Uploading data is saved to</source>
        <translation>Die Upload-Daten wurden gespeichert in</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 differs from the STB&apos;s %2.</source>
        <translation>Der Käufercode des Images %1 weicht von dem der STB %2 ab.</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 does not match the STB&apos;s.</source>
        <translation>Der Käufercode des Images %1 passt nicht zu dem der STB.</translation>
    </message>
    <message>
        <source>&quot;Forced download&quot; (command line: --forced) downloads it anyway.</source>
        <translation>„Erzwungener Download“ (Befehlszeile: --forced) lädt es trotzdem.</translation>
    </message>
    <message>
        <source>No receiver answered on %1: check the cable and the port, and that the STB is switched on (for a download: after the start; for an upload: with its &apos;PC COM&apos; item active).</source>
        <translation>Kein Receiver hat an %1 geantwortet: prüfen Sie Kabel und Port und ob die STB eingeschaltet ist (für einen Download: nach dem Start; für einen Upload: mit aktivem Punkt &apos;PC COM&apos;).</translation>
    </message>
    <message>
        <source>%1 bytes in %2 s (%3 bytes/s), %4 blocks, %5 resent, %6 time-outs</source>
        <translation>%1 Bytes in %2 s (%3 Bytes/s), %4 Blöcke, %5 wiederholt, %6 Zeitüberschreitungen</translation>
    </message>
    <message>
        <source>%1 port was opened successfully!</source>
        <translation>Port %1 wurde erfolgreich geöffnet!</translation>
    </message>
    <message>
        <source>Port(%1) open failed.</source>
        <translation>Port(%1) konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Port(%1) failed: %2</source>
        <translation>Port(%1) ausgefallen: %2</translation>
    </message>
    <message>
        <source>buff full</source>
        <translation>Puffer voll</translation>
    </message>
    <message>
        <source>%1 does not exist: the adapter is unplugged or the name is wrong. Plug it in, or choose one of the ports that Configure or &apos;dorvane ports&apos; lists.</source>
        <translation>%1 existiert nicht: der Adapter ist nicht eingesteckt oder der Name ist falsch. Stecken Sie ihn ein oder wählen Sie einen der Ports, die Konfigurieren oder &apos;dorvane ports&apos; auflistet.</translation>
    </message>
    <message>
        <source>No serial port is there: plug in the adapter.</source>
        <translation>Kein serieller Port vorhanden: stecken Sie den Adapter ein.</translation>
    </message>
    <message>
        <source>The serial ports are: %1.</source>
        <translation>Die seriellen Ports sind: %1.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2. %3</source>
        <translation>%1 ist kein serieller Port: es ist %2. %3</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a plain file</source>
        <translation>eine normale Datei</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>kein Gerät</translation>
    </message>
    <message>
        <source>a device that is not a serial line</source>
        <translation>ein Gerät, das keine serielle Leitung ist</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Close that program, or choose another port.</source>
        <translation>%1 wird von %2 benutzt. Schließen Sie dieses Programm oder wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <translation>%1 wird von einem anderen Programm benutzt. Schließen Sie dieses Programm oder wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>Permission denied on %1: your user is not in the &apos;%2&apos; group. Join it with &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>Zugriff auf %1 verweigert: Ihr Benutzer ist nicht in der Gruppe &apos;%2&apos;. Treten Sie ihr mit &apos;sudo usermod -aG %2 $USER&apos; bei und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>%1 has gone away: the adapter was unplugged. Plug it back in and retry.</source>
        <translation>%1 ist verschwunden: der Adapter wurde abgezogen. Stecken Sie ihn wieder ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 stopped working: %2.</source>
        <translation>%1 funktioniert nicht mehr: %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>the first USB serial adapter found</source>
        <translation>der erste gefundene USB-Seriell-Adapter</translation>
    </message>
    <message>
        <source>the first USB serial adapter found (%1)</source>
        <translation>der erste gefundene USB-Seriell-Adapter (%1)</translation>
    </message>
    <message>
        <source>the first serial port found</source>
        <translation>der erste gefundene serielle Port</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Schreiben der Datei fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Channel data file is truncated!</source>
        <translation>Die Kanaldatendatei ist abgeschnitten!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien offen sind.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 wurde ein Hardware-E/A-Fehler gemeldet.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Datenträger voll beim Zugriff auf %1.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>This file cannot be written back without losing data: %1.</source>
        <translation>Diese Datei kann nicht ohne Datenverlust zurückgeschrieben werden: %1.</translation>
    </message>
    <message>
        <source>Data is unavailable!</source>
        <translation>Die Daten sind nicht verfügbar!</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <extracomment>The editor&apos;s window title.</extracomment>
        <translation>Empfängerdaten bearbeiten</translation>
    </message>
    <message>
        <source>Edit Receiver Data - %1</source>
        <translation>Empfängerdaten bearbeiten - %1</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 gefunden</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected satellites</source>
        <translation>%1 gefunden, %2 in den gewählten Satelliten</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected transponders</source>
        <translation>%1 gefunden, %2 in den gewählten Transpondern</translation>
    </message>
    <message>
        <source>Choose channels in the list below to add them to the group</source>
        <translation>Wählen Sie Kanäle in der Liste unten, um sie der Gruppe hinzuzufügen</translation>
    </message>
    <message>
        <source>Choose one transponder to copy, or one satellite without transponders</source>
        <translation>Wählen Sie einen Transponder zum Kopieren oder einen Satelliten ohne Transponder</translation>
    </message>
    <message>
        <source>Satellites are added with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>Satelliten werden bei gewähltem „Alle Sat“ hinzugefügt; wählen Sie zuerst eine Liste</translation>
    </message>
    <message>
        <source>Choose a list first</source>
        <translation>Wählen Sie zuerst eine Liste</translation>
    </message>
    <message>
        <source>Choose members of the group to delete them</source>
        <translation>Wählen Sie Mitglieder der Gruppe, um sie zu löschen</translation>
    </message>
    <message>
        <source>Satellites are deleted with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>Satelliten werden bei gewähltem „Alle Sat“ gelöscht; wählen Sie zuerst eine Liste</translation>
    </message>
    <message>
        <source>Choose what to delete first</source>
        <translation>Wählen Sie zuerst, was gelöscht werden soll</translation>
    </message>
    <message>
        <source>Choose members of the group to move them</source>
        <translation>Wählen Sie Mitglieder der Gruppe, um sie zu verschieben</translation>
    </message>
    <message>
        <source>Channels are moved within a single satellite, or across all of them with every satellite chosen</source>
        <translation>Kanäle werden innerhalb eines Satelliten verschoben oder über alle, wenn jeder Satellit gewählt ist</translation>
    </message>
    <message>
        <source>Choose channels to move first</source>
        <translation>Wählen Sie zuerst die zu verschiebenden Kanäle</translation>
    </message>
    <message>
        <source>You must select another destination</source>
        <translation>Sie müssen ein anderes Ziel wählen</translation>
    </message>
    <message>
        <source>Finish or cancel the pending move first</source>
        <translation>Beenden oder verwerfen Sie zuerst das offene Verschieben</translation>
    </message>
    <message>
        <source>Channels are dropped on a channel of the list to move them</source>
        <translation>Kanäle werden auf einen Kanal der Liste gezogen, um sie zu verschieben</translation>
    </message>
    <message>
        <source>Drop channels on a group or its members, or members on a member</source>
        <translation>Ziehen Sie Kanäle auf eine Gruppe oder ihre Mitglieder, oder Mitglieder auf ein Mitglied</translation>
    </message>
    <message>
        <source>Channels are ordered in the &quot;Satellite&quot; view</source>
        <translation>Kanäle werden in der Ansicht „Satellit“ sortiert</translation>
    </message>
    <message>
        <source>Finish the add first</source>
        <translation>Beenden Sie zuerst das Hinzufügen</translation>
    </message>
    <message>
        <source>Choose exactly two channels to swap them</source>
        <translation>Wählen Sie genau zwei Kanäle, um sie zu tauschen</translation>
    </message>
    <message>
        <source>Choose channels first</source>
        <translation>Wählen Sie zuerst Kanäle</translation>
    </message>
    <message>
        <source>Cannot add satellite</source>
        <translation>Satellit kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Cannot add transponder</source>
        <translation>Transponder kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Cannot add channel</source>
        <translation>Kanal kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Max Favorite Count!!</source>
        <translation>Maximale Anzahl Favoriten erreicht!!</translation>
    </message>
    <message>
        <source>Favorite Group empty!!</source>
        <translation>Favoritengruppe leer!!</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3?</source>
        <translation>%1, ihre %2 und %3 löschen?</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3 (%4)?</source>
        <translation>%1, ihre %2 und %3 (%4) löschen?</translation>
    </message>
    <message>
        <source>Delete %1 and their %2?</source>
        <translation>%1 und ihre %2 löschen?</translation>
    </message>
    <message>
        <source>Delete %1 and their %2 (%3)?</source>
        <translation>%1 und ihre %2 (%3) löschen?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <translation>%1 (%2) löschen?</translation>
    </message>
    <message>
        <source>1 satellite</source>
        <translation>1 Satellit</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 Satelliten</translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation>1 Transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 Transponder</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>1 favourite entry</source>
        <translation>1 Favoriteneintrag</translation>
    </message>
    <message>
        <source>%1 favourite entries</source>
        <translation>%1 Favoriteneinträge</translation>
    </message>
    <message>
        <source>1 duplicate</source>
        <translation>1 Duplikat</translation>
    </message>
    <message>
        <source>%1 duplicates</source>
        <translation>%1 Duplikate</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation>%1 ersetzt</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 übersprungen</translation>
    </message>
    <message>
        <source>%1 not copied (no room)</source>
        <translation>%1 nicht kopiert (kein Platz)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Nothing was copied.</source>
        <translation>Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>1 of the channels to copy is already in this file (the same satellite, transponder and service id).</source>
        <translation>1 der zu kopierenden Kanäle ist bereits in dieser Datei (gleicher Satellit, Transponder und gleiche Service-ID).</translation>
    </message>
    <message>
        <source>%1 of the channels to copy are already in this file (the same satellite, transponder and service id).</source>
        <translation>%1 der zu kopierenden Kanäle sind bereits in dieser Datei (gleicher Satellit, Transponder und gleiche Service-ID).</translation>
    </message>
    <message>
        <source>Skip them, replace the ones here, or keep both?</source>
        <translation>Überspringen, die vorhandenen ersetzen oder beide behalten?</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Every transponder carries a channel: none removed.</source>
        <translation>Jeder Transponder trägt einen Kanal: keiner entfernt.</translation>
    </message>
    <message>
        <source>Remove %1 without a channel?</source>
        <translation>%1 ohne Kanal entfernen?</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Neuer Kanal</translation>
    </message>
    <message>
        <source>This file cannot be saved: it holds data the editor would lose (%1).</source>
        <translation>Diese Datei kann nicht gespeichert werden: sie enthält Daten, die der Editor verlieren würde (%1).</translation>
    </message>
    <message>
        <source>%1 Not saved.</source>
        <translation>%1 Nicht gespeichert.</translation>
    </message>
    <message>
        <source>The check before saving found:</source>
        <translation>Die Prüfung vor dem Speichern fand:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Nichts wurde importiert: %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>The file cannot tell such channels apart: the favourite may come back as the lower-numbered one.</source>
        <translation>Die Datei kann solche Kanäle nicht unterscheiden: der Favorit kann als der mit der niedrigeren Nummer zurückkommen.</translation>
    </message>
    <message>
        <source>v%1 (build #%2)</source>
        <extracomment>The version in the About box: the version and the build number.</extracomment>
        <translation>v%1 (Build #%2)</translation>
    </message>
    <message>
        <source>File Name : %1</source>
        <translation>Dateiname : %1</translation>
    </message>
    <message>
        <source>Image Type : %1</source>
        <translation>Image-Typ : %1</translation>
    </message>
    <message>
        <source>File Size : %1 bytes</source>
        <translation>Dateigröße : %1 Bytes</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>%1 (build #%2)</source>
        <translation>%1 (Build #%2)</translation>
    </message>
    <message>
        <source>Build Date : %1 (%2)</source>
        <translation>Build-Datum : %1 (%2)</translation>
    </message>
    <message>
        <source>Buyer : %1</source>
        <extracomment>The image&apos;s buyer code (who the firmware was made for).</extracomment>
        <translation>Käufer : %1</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s application answers (an upload; a download needs it switched off).</source>
        <translation>Eine Übertragung kann beginnen: Die Anwendung der STB antwortet (ein Upload; ein Download braucht sie ausgeschaltet).</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s boot loader asks for a file (download).</source>
        <translation>Eine Übertragung kann beginnen: Der Bootloader der STB fragt nach einer Datei (Download).</translation>
    </message>
    <message>
        <source>The port opens at 115,200 8N1; the STB was not asked.</source>
        <translation>Der Port öffnet mit 115,200 8N1; die STB wurde nicht gefragt.</translation>
    </message>
    <message>
        <source>The port and the plug pass every byte. Fit the STB&apos;s cable instead and check again.</source>
        <translation>Port und Stecker geben jedes Byte weiter. Stecken Sie stattdessen das Kabel der STB an und prüfen Sie erneut.</translation>
    </message>
    <message>
        <source>No transfer can start yet: see the problems above.</source>
        <translation>Noch kann keine Übertragung beginnen: siehe die Probleme oben.</translation>
    </message>
    <message>
        <source>the port failed during the check.</source>
        <translation>der Port ist während der Prüfung ausgefallen.</translation>
    </message>
    <message>
        <source>The adapter was unplugged or its driver gave up: plug it in again and check again.</source>
        <translation>Der Adapter wurde abgezogen oder sein Treiber hat aufgegeben: Stecken Sie ihn wieder ein und prüfen Sie erneut.</translation>
    </message>
    <message>
        <source>stopped before its end.</source>
        <translation>vor dem Ende abgebrochen.</translation>
    </message>
    <message>
        <source>not tried: %1</source>
        <translation>nicht versucht: %1</translation>
    </message>
    <message>
        <source>the port did not open.</source>
        <translation>der Port hat sich nicht geöffnet.</translation>
    </message>
    <message>
        <source>no loop-back plug fitted (%1 tests one: TX joined to RX).</source>
        <translation>kein Loopback-Stecker aufgesteckt (%1 prüft mit einem: TX mit RX verbunden).</translation>
    </message>
    <message>
        <source>%1 bytes sent, %2 back: %3 lost, %4 garbled, %5 extra; %6 bytes/s back (the line carries %7).</source>
        <translation>%1 Bytes gesendet, %2 zurück: %3 verloren, %4 verfälscht, %5 zu viel; %6 Bytes/s zurück (die Leitung schafft %7).</translation>
    </message>
    <message>
        <source>Nothing came back: the plug is not fitted, TX and RX are not joined, or the adapter does not send.</source>
        <translation>Nichts kam zurück: Der Stecker sitzt nicht, TX und RX sind nicht verbunden, oder der Adapter sendet nicht.</translation>
    </message>
    <message>
        <source>The adapter or its cable loses or garbles bytes: try another cable, another USB socket (not a hub) or another adapter.</source>
        <translation>Der Adapter oder sein Kabel verliert oder verfälscht Bytes: Versuchen Sie ein anderes Kabel, eine andere USB-Buchse (keinen Hub) oder einen anderen Adapter.</translation>
    </message>
    <message>
        <source>the loop-back plug is fitted instead of the STB.</source>
        <translation>der Loopback-Stecker steckt anstelle der STB.</translation>
    </message>
    <message>
        <source>the STB&apos;s application answered the link test (BEL, ACK): an upload can start.</source>
        <translation>die Anwendung der STB hat den Verbindungstest beantwortet (BEL, ACK): ein Upload kann beginnen.</translation>
    </message>
    <message>
        <source>For a download switch the STB off, start the download, then switch it on.</source>
        <translation>Für einen Download schalten Sie die STB aus, starten den Download und schalten sie dann ein.</translation>
    </message>
    <message>
        <source>the STB&apos;s boot loader asks for a file (&apos;C&apos;): a download can start now; an upload needs its application.</source>
        <translation>der Bootloader der STB fragt nach einer Datei (&apos;C&apos;): ein Download kann jetzt beginnen; ein Upload braucht ihre Anwendung.</translation>
    </message>
    <message>
        <source>what the PC sends comes back (%1 of %2 BELs): the line is looped.</source>
        <translation>was der PC sendet, kommt zurück (%1 von %2 BELs): die Leitung ist kurzgeschlossen.</translation>
    </message>
    <message>
        <source>A loop-back plug or a cable that joins TX to RX is fitted, not the STB&apos;s cable.</source>
        <translation>Ein Loopback-Stecker oder ein Kabel, das TX mit RX verbindet, steckt – nicht das Kabel der STB.</translation>
    </message>
    <message>
        <source>bytes came that answer nothing (%1).</source>
        <translation>es kamen Bytes, die auf nichts antworten (%1).</translation>
    </message>
    <message>
        <source>Another device is on the line, or it runs at another speed than 115,200 bit/s.</source>
        <translation>Ein anderes Gerät hängt an der Leitung, oder es arbeitet mit einer anderen Geschwindigkeit als 115,200 bit/s.</translation>
    </message>
    <message>
        <source>no answer to %1 link tests (BEL, waited %2 ms each).</source>
        <translation>keine Antwort auf %1 Verbindungstests (BEL, je %2 ms gewartet).</translation>
    </message>
    <message>
        <source>Most likely, in this order: the STB is off; its application runs with &quot;PC COM&quot; off (an upload needs that menu item on); the cable lacks the right wires (the PC&apos;s TX must reach the STB&apos;s RX and the STB&apos;s TX the PC&apos;s RX, with ground joined: a null-modem cable).</source>
        <translation>Am wahrscheinlichsten, in dieser Reihenfolge: Die STB ist aus; ihre Anwendung läuft mit &quot;PC COM&quot; aus (ein Upload braucht diesen Menüpunkt an); dem Kabel fehlen die richtigen Adern (TX des PCs muss an RX der STB und TX der STB an RX des PCs, mit verbundener Masse: ein Nullmodemkabel).</translation>
    </message>
    <message>
        <source>already asking for a file.</source>
        <translation>fragt bereits nach einer Datei.</translation>
    </message>
    <message>
        <source>not needed: the application answers.</source>
        <translation>nicht nötig: die Anwendung antwortet.</translation>
    </message>
    <message>
        <source>not asked to switch the STB off and on (%1).</source>
        <translation>nicht gebeten, die STB aus- und einzuschalten (%1).</translation>
    </message>
    <message>
        <source>Switch the STB off, wait two seconds and switch it on again: waiting up to %1 s for its boot loader.</source>
        <translation>Schalten Sie die STB aus, warten Sie zwei Sekunden und schalten Sie sie wieder ein: bis zu %1 s Warten auf ihren Bootloader.</translation>
    </message>
    <message>
        <source>the boot loader asked for a file (&apos;C&apos;) %1 s after the request: cable and STB work, a download can start.</source>
        <translation>der Bootloader hat %1 s nach der Aufforderung nach einer Datei gefragt (&apos;C&apos;): Kabel und STB funktionieren, ein Download kann beginnen.</translation>
    </message>
    <message>
        <source>No application answered the link test before: the STB was off, or its application has &quot;PC COM&quot; off (an upload needs that menu item on).</source>
        <translation>Vorher hat keine Anwendung den Verbindungstest beantwortet: Die STB war aus, oder in ihrer Anwendung ist &quot;PC COM&quot; aus (ein Upload braucht diesen Menüpunkt an).</translation>
    </message>
    <message>
        <source>no &apos;C&apos; within %1 s.</source>
        <translation>kein &apos;C&apos; innerhalb von %1 s.</translation>
    </message>
    <message>
        <source>The STB did not start, or what it sends does not reach the PC: check its power, and that the cable is a null-modem cable (TX and RX crossed, ground joined).</source>
        <translation>Die STB ist nicht gestartet, oder was sie sendet, erreicht den PC nicht: Prüfen Sie ihre Stromversorgung und ob das Kabel ein Nullmodemkabel ist (TX und RX gekreuzt, Masse verbunden).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>Plug the adapter in, or choose another port.</source>
        <translation>Stecken Sie den Adapter ein oder wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2.</source>
        <translation>%1 ist kein serieller Port: es ist %2.</translation>
    </message>
    <message>
        <source>a serial line the system lists as no adapter (a pseudo-terminal or a port of its own)</source>
        <translation>eine serielle Leitung, die das System ohne Adapter führt (ein Pseudo-Terminal oder ein eigener Port)</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Wählen Sie einen seriellen Port.</translation>
    </message>
    <message>
        <source>Windows keeps no permissions on COM ports; a port another program holds shows when it is opened.</source>
        <translation>Windows führt keine Rechte auf COM-Ports; ein Port, den ein anderes Programm belegt, zeigt sich beim Öffnen.</translation>
    </message>
    <message>
        <source>there is no serial port to look at.</source>
        <translation>es gibt keinen seriellen Port zum Ansehen.</translation>
    </message>
    <message>
        <source>%1 may read and write it (group &apos;%2&apos;, mode %3).</source>
        <translation>%1 darf ihn lesen und schreiben (Gruppe &apos;%2&apos;, Modus %3).</translation>
    </message>
    <message>
        <source>%1 may not read and write it (group &apos;%2&apos;, %3; mode %4).</source>
        <translation>%1 darf ihn nicht lesen und schreiben (Gruppe &apos;%2&apos;, %3; Modus %4).</translation>
    </message>
    <message>
        <source>you are in it</source>
        <translation>Sie gehören dazu</translation>
    </message>
    <message>
        <source>you are not in it</source>
        <translation>Sie gehören nicht dazu</translation>
    </message>
    <message>
        <source>The device&apos;s mode shuts its group out: &apos;sudo chmod g+rw %1&apos; until it is plugged in again; a udev rule that sets MODE=&quot;0660&quot; keeps it.</source>
        <translation>Der Modus des Geräts sperrt seine Gruppe aus: &apos;sudo chmod g+rw %1&apos; hilft, bis es neu eingesteckt wird; eine udev-Regel mit MODE=&quot;0660&quot; hält es dauerhaft.</translation>
    </message>
    <message>
        <source>You are listed in &apos;%1&apos; but this session started before that: log out and in again (or run &apos;newgrp %1&apos;).</source>
        <translation>Sie stehen in &apos;%1&apos;, aber diese Sitzung begann davor: Melden Sie sich ab und wieder an (oder führen Sie &apos;newgrp %1&apos; aus).</translation>
    </message>
    <message>
        <source>The device belongs to root alone. A udev rule giving it to the &apos;dialout&apos; group (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) lets the group in; then join it with &apos;sudo usermod -aG dialout $USER&apos; and log out and in again.</source>
        <translation>Das Gerät gehört allein root. Eine udev-Regel, die es der Gruppe &apos;dialout&apos; gibt (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;), lässt die Gruppe zu; treten Sie ihr dann mit &apos;sudo usermod -aG dialout $USER&apos; bei und melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <source>Join the group: &apos;sudo usermod -aG %1 $USER&apos;, then log out and in again.</source>
        <translation>Treten Sie der Gruppe bei: &apos;sudo usermod -aG %1 $USER&apos;, dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>Windows tells who holds a port only by refusing to open it: see the line settings.</source>
        <translation>Windows zeigt, wer einen Port belegt, nur durch Verweigern des Öffnens: siehe die Leitungseinstellungen.</translation>
    </message>
    <message>
        <source>in use by %1.</source>
        <translation>belegt von %1.</translation>
    </message>
    <message>
        <source>The other end of this pseudo-terminal is %1.</source>
        <translation>Das andere Ende dieses Pseudo-Terminals ist %1.</translation>
    </message>
    <message>
        <source>Close that program (or end it with &apos;kill %1&apos;), then check again.</source>
        <translation>Schließen Sie dieses Programm (oder beenden Sie es mit &apos;kill %1&apos;) und prüfen Sie dann erneut.</translation>
    </message>
    <message>
        <source>no other program holds it (lock files and open files looked at).</source>
        <translation>kein anderes Programm belegt ihn (Sperrdateien und offene Dateien angesehen).</translation>
    </message>
    <message>
        <source>the port does not exist.</source>
        <translation>der Port existiert nicht.</translation>
    </message>
    <message>
        <source>it is no serial port.</source>
        <translation>er ist kein serieller Port.</translation>
    </message>
    <message>
        <source>this user may not open the port.</source>
        <translation>dieser Benutzer darf den Port nicht öffnen.</translation>
    </message>
    <message>
        <source>%1 holds the port; opening it would take bytes from it.</source>
        <translation>%1 belegt den Port; ihn zu öffnen, würde ihm Bytes wegnehmen.</translation>
    </message>
    <message>
        <source>115,200 bit/s, 8 data bits, no parity, 1 stop bit, no flow control: accepted.</source>
        <translation>115,200 bit/s, 8 Datenbits, keine Parität, 1 Stoppbit, keine Flusskontrolle: angenommen.</translation>
    </message>
    <message>
        <source>the port did not open at 115,200 8N1: %1.</source>
        <translation>der Port hat sich mit 115,200 8N1 nicht geöffnet: %1.</translation>
    </message>
    <message>
        <source>The STB does not report its writing: check its display.</source>
        <translation>Die STB meldet ihr Schreiben nicht: Sehen Sie auf ihre Anzeige.</translation>
    </message>
    <message>
        <source>Can&apos;t write the report to %1: %2</source>
        <translation>Der Bericht kann nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 Switching the STB off and on during a check (%2) tells which.</source>
        <translation>%1 Die STB während einer Prüfung aus- und einzuschalten (%2) zeigt, was zutrifft.</translation>
    </message>
    <message>
        <source>made by %1</source>
        <translation>hergestellt von %1</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>idle</source>
        <extracomment>A transfer&apos;s phase, in its figures: &quot;transferring 3/10 blocks&quot;.</extracomment>
        <translation>bereit</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>transferring</source>
        <translation>überträgt</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>schreibt</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>%1 %2% %3/%4 blocks</source>
        <extracomment>The phase, how far the STB has written, blocks sent of all.</extracomment>
        <translation>%1 %2% %3/%4 Blöcke</translation>
    </message>
    <message>
        <source>%1 %2/%3 blocks</source>
        <translation>%1 %2/%3 Blöcke</translation>
    </message>
    <message>
        <source>%1 %2 blocks</source>
        <translation>%1 %2 Blöcke</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 Bytes</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1 bytes/s</source>
        <translation>%1 Bytes/s</translation>
    </message>
    <message>
        <source>ETA %1</source>
        <extracomment>The time a transfer still needs.</extracomment>
        <translation>Rest %1</translation>
    </message>
    <message>
        <source>%1 resent</source>
        <translation>%1 wiederholt</translation>
    </message>
    <message>
        <source>%1 time-outs</source>
        <translation>%1 Zeitüberschreitungen</translation>
    </message>
    <message>
        <source>Undefined</source>
        <extracomment>An image type: what a firmware file holds.</extracomment>
        <translation>Unbestimmt</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Bootloader</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>IRZ Data</source>
        <translation>IRZ-Daten</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Werksimage</translation>
    </message>
    <message>
        <source>Image Type : Upload</source>
        <extracomment>An image made to be received from the STB (an image type, not the command).</extracomment>
        <translation>Image-Typ : Upload-Image</translation>
    </message>
    <message>
        <source>Image Type : Upload.</source>
        <translation>Image-Typ : Upload-Image.</translation>
    </message>
    <message>
        <source>Buyer :</source>
        <extracomment>An image without a buyer code.</extracomment>
        <translation>Käufer :</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; has the transponder (%3) and service id (%4) of channel %5 &quot;%6&quot;; favourites of it come back as the other one</source>
        <translation>Kanal %1 „%2“ hat den Transponder (%3) und die Service-ID (%4) von Kanal %5 „%6“; Favoriten davon kommen als der andere zurück</translation>
    </message>
    <message>
        <source>transponders %1 (%2 MHz) and %3 (%4 MHz) collide on satellite %5, %6</source>
        <translation>Transponder %1 (%2 MHz) und %3 (%4 MHz) überschneiden sich auf Satellit %5, %6</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which is not in use</source>
        <translation>Kanal %1 „%2“ liegt auf Transponder %3, der nicht belegt ist</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which has no frequency (0 MHz)</source>
        <translation>Kanal %1 „%2“ liegt auf Transponder %3, der keine Frequenz hat (0 MHz)</translation>
    </message>
    <message>
        <source>favourite group %1 place %2 names channel %3, which holds no channel</source>
        <translation>Favoritengruppe %1, Platz %2 nennt Kanal %3, der keinen Kanal enthält</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is in use but not in the satellite order list, so the editor does not show it</source>
        <translation>Satellit %1 „%2“ ist belegt, steht aber nicht in der Satellitenreihenfolge, daher zeigt der Editor ihn nicht</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is beyond the %3 satellites the file holds and is not written</source>
        <translation>Satellit %1 „%2“ liegt jenseits der %3 Satelliten, die die Datei fasst, und wird nicht geschrieben</translation>
    </message>
    <message>
        <source>satellite order place %1 is beyond the %2 places the file holds and is not written</source>
        <translation>Platz %1 der Satellitenreihenfolge liegt jenseits der %2 Plätze, die die Datei fasst, und wird nicht geschrieben</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2, beyond the receiver&apos;s %3</source>
        <translation>Platz %1 der Satellitenreihenfolge nennt Satellit %2, jenseits der %3 des Empfängers</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2 a second time</source>
        <translation>Platz %1 der Satellitenreihenfolge nennt Satellit %2 ein zweites Mal</translation>
    </message>
    <message>
        <source>transponder %1 is on satellite %2, beyond the %3 satellites the file holds</source>
        <translation>Transponder %1 liegt auf Satellit %2, jenseits der %3 Satelliten, die die Datei fasst</translation>
    </message>
    <message>
        <source>1 channel would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>1 Kanal ginge beim Speichern verloren: der Transponder fehlt oder hat keine Frequenz (0 MHz).</translation>
    </message>
    <message>
        <source>%1 channels would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>%1 Kanäle gingen beim Speichern verloren: der Transponder fehlt oder hat keine Frequenz (0 MHz).</translation>
    </message>
    <message>
        <source>- %1</source>
        <extracomment>A line of a list of findings.</extracomment>
        <translation>- %1</translation>
    </message>
    <message>
        <source>the file cannot be written back without losing data: %1</source>
        <translation>die Datei kann nicht ohne Datenverlust zurückgeschrieben werden: %1</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>1 channel added</source>
        <translation>1 Kanal hinzugefügt</translation>
    </message>
    <message>
        <source>%1 channels added</source>
        <translation>%1 Kanäle hinzugefügt</translation>
    </message>
    <message>
        <source>1 channel removed</source>
        <translation>1 Kanal entfernt</translation>
    </message>
    <message>
        <source>%1 channels removed</source>
        <translation>%1 Kanäle entfernt</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <extracomment>Channels, in the summary of a comparison: &quot;3 renamed&quot;.</extracomment>
        <translation>%1 umbenannt</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>%1 verschoben</translation>
    </message>
    <message>
        <source>%1 with PIDs changed</source>
        <translation>%1 mit geänderten PIDs</translation>
    </message>
    <message>
        <source>%1 with other changes</source>
        <translation>%1 mit anderen Änderungen</translation>
    </message>
    <message>
        <source>1 favourite group changed</source>
        <translation>1 Favoritengruppe geändert</translation>
    </message>
    <message>
        <source>%1 favourite groups changed</source>
        <translation>%1 Favoritengruppen geändert</translation>
    </message>
    <message>
        <source>1 satellite added</source>
        <translation>1 Satellit hinzugefügt</translation>
    </message>
    <message>
        <source>%1 satellites added</source>
        <translation>%1 Satelliten hinzugefügt</translation>
    </message>
    <message>
        <source>1 satellite removed</source>
        <translation>1 Satellit entfernt</translation>
    </message>
    <message>
        <source>%1 satellites removed</source>
        <translation>%1 Satelliten entfernt</translation>
    </message>
    <message>
        <source>1 satellite changed</source>
        <translation>1 Satellit geändert</translation>
    </message>
    <message>
        <source>%1 satellites changed</source>
        <translation>%1 Satelliten geändert</translation>
    </message>
    <message>
        <source>satellite order changed</source>
        <translation>Satellitenreihenfolge geändert</translation>
    </message>
    <message>
        <source>1 transponder added</source>
        <translation>1 Transponder hinzugefügt</translation>
    </message>
    <message>
        <source>%1 transponders added</source>
        <translation>%1 Transponder hinzugefügt</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>1 Transponder entfernt</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>%1 Transponder entfernt</translation>
    </message>
    <message>
        <source>1 transponder changed</source>
        <translation>1 Transponder geändert</translation>
    </message>
    <message>
        <source>%1 transponders changed</source>
        <translation>%1 Transponder geändert</translation>
    </message>
    <message>
        <source>Added channel %1</source>
        <translation>Kanal %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Removed channel %1</source>
        <translation>Kanal %1 entfernt</translation>
    </message>
    <message>
        <source>Renamed channel %1 to &quot;%2&quot;</source>
        <translation>Kanal %1 umbenannt in „%2“</translation>
    </message>
    <message>
        <source>Moved channel %1 to %2</source>
        <translation>Kanal %1 nach %2 verschoben</translation>
    </message>
    <message>
        <source>PIDs of channel %1: %2</source>
        <translation>PIDs von Kanal %1: %2</translation>
    </message>
    <message>
        <source>Changed channel %1: %2</source>
        <translation>Kanal %1 geändert: %2</translation>
    </message>
    <message>
        <source>Favourite group %1: %2</source>
        <translation>Favoritengruppe %1: %2</translation>
    </message>
    <message>
        <source>Added satellite %1</source>
        <translation>Satellit %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Removed satellite %1</source>
        <translation>Satellit %1 entfernt</translation>
    </message>
    <message>
        <source>Changed satellite %1: %2</source>
        <translation>Satellit %1 geändert: %2</translation>
    </message>
    <message>
        <source>The satellite order changed</source>
        <translation>Die Satellitenreihenfolge hat sich geändert</translation>
    </message>
    <message>
        <source>Added transponder %1</source>
        <translation>Transponder %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Removed transponder %1</source>
        <translation>Transponder %1 entfernt</translation>
    </message>
    <message>
        <source>Changed transponder %1: %2</source>
        <translation>Transponder %1 geändert: %2</translation>
    </message>
    <message>
        <source>video type %1 -&gt; %2</source>
        <extracomment>What changed in a record: &quot;video type 1 -&gt; 2&quot;.</extracomment>
        <translation>Videotyp %1 -&gt; %2</translation>
    </message>
    <message>
        <source>flags %1 -&gt; %2</source>
        <translation>Flags %1 -&gt; %2</translation>
    </message>
    <message>
        <source>ttxt %1 -&gt; %2</source>
        <extracomment>A teletext PID changed.</extracomment>
        <translation>Videotext %1 -&gt; %2</translation>
    </message>
    <message>
        <source>other bytes</source>
        <translation>andere Bytes</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>Name „%1“ -&gt; „%2“</translation>
    </message>
    <message>
        <source>location %1 -&gt; %2</source>
        <translation>Position %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB frequency %1 -&gt; %2</source>
        <translation>LNB-Frequenz %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB type %1 -&gt; %2</source>
        <translation>LNB-Typ %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB power %1 -&gt; %2</source>
        <translation>LNB-Speisung %1 -&gt; %2</translation>
    </message>
    <message>
        <source>DiSEqC port %1 -&gt; %2</source>
        <translation>DiSEqC-Port %1 -&gt; %2</translation>
    </message>
    <message>
        <source>dish position %1 -&gt; %2</source>
        <translation>Schüsselposition %1 -&gt; %2</translation>
    </message>
    <message>
        <source>symbol rate %1 -&gt; %2</source>
        <translation>Symbolrate %1 -&gt; %2</translation>
    </message>
    <message>
        <source>TV name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>TV-Name „%1“ -&gt; „%2“</translation>
    </message>
    <message>
        <source>radio name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>Radioname „%1“ -&gt; „%2“</translation>
    </message>
    <message>
        <source>order changed</source>
        <extracomment>The places of a favourite group&apos;s members changed.</extracomment>
        <translation>Reihenfolge geändert</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Favourite group %1: %2 / %3</source>
        <translation>Favoritengruppe %1: %2 / %3</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 channels (%4 TV, %5 radio), %6 transponders, %7 satellites, %8 favourite groups</source>
        <translation>%1, %2: %3 Kanäle (%4 TV, %5 Radio), %6 Transponder, %7 Satelliten, %8 Favoritengruppen</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>A column of the printed list: the channel&apos;s name.</extracomment>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>A column of the printed list: the frequency (MHz), abbreviated.</extracomment>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>A column of the printed list: the polarisation, abbreviated.</extracomment>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>A column of the printed list: TV or radio.</extracomment>
        <translation>Art</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>A column of the printed list: the channel&apos;s place in its favourite group.</extracomment>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>line %1, column %2: not UTF-8 text (byte 0x%3); save the file as UTF-8</source>
        <translation>Zeile %1, Spalte %2: kein UTF-8-Text (Byte 0x%3); speichern Sie die Datei als UTF-8</translation>
    </message>
    <message>
        <source>line 1: no header row</source>
        <translation>Zeile 1: keine Kopfzeile</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>line 1: no &quot;%1&quot; column; a row finds its channel by satellite, frequency, polarisation and serviceId</source>
        <extracomment>%1: a column&apos;s name (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>Zeile 1: keine Spalte „%1“; eine Zeile findet ihren Kanal über satellite, frequency, polarisation und serviceId</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <extracomment>%2: a column&apos;s name, %3: what is wrong with its value.</extracomment>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>expected a satellite number %1..%2</source>
        <translation>erwartet: eine Satellitennummer %1..%2</translation>
    </message>
    <message>
        <source>expected a channel number %1..%2</source>
        <translation>erwartet: eine Kanalnummer %1..%2</translation>
    </message>
    <message>
        <source>expected an integer %1..%2</source>
        <translation>erwartet: eine ganze Zahl %1..%2</translation>
    </message>
    <message>
        <source>expected V(R) or H(L)</source>
        <translation>erwartet: V(R) oder H(L)</translation>
    </message>
    <message>
        <source>line %1: no channel has %2; the channel data changed since the table was made, or the row was edited there</source>
        <translation>Zeile %1: kein Kanal hat %2; die Kanaldaten haben sich geändert, seit die Tabelle erstellt wurde, oder die Zeile wurde dort bearbeitet</translation>
    </message>
    <message>
        <source>line %1: channels %2 all have %3; the number column must name one of them</source>
        <translation>Zeile %1: die Kanäle %2 haben alle %3; die Spalte number muss einen von ihnen nennen</translation>
    </message>
    <message>
        <source>satellite %1, %2 MHz %3, service id %4</source>
        <extracomment>Where a channel is: &quot;satellite 1, 11494 MHz H(L), service id 28006&quot;.</extracomment>
        <translation>Satellit %1, %2 MHz %3, Service-ID %4</translation>
    </message>
    <message>
        <source>line %1: channel %2 given twice (line %3)</source>
        <translation>Zeile %1: Kanal %2 doppelt angegeben (Zeile %3)</translation>
    </message>
    <message>
        <source>the name holds a character the file cannot store (only Latin-1, no NUL)</source>
        <translation>der Name enthält ein Zeichen, das die Datei nicht speichern kann (nur Latin-1, kein NUL)</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>der Name ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>an unterminated name fills all %1 bytes of its field and has no tail</source>
        <translation>ein Name ohne Abschluss füllt alle %1 Bytes seines Felds und hat keinen Rest</translation>
    </message>
    <message>
        <source>the name and its tail do not fit the %1-byte field</source>
        <translation>der Name und sein Rest passen nicht in das %1-Byte-Feld</translation>
    </message>
    <message>
        <source>$: not valid JSON at byte %1 (line %2): %3</source>
        <extracomment>%3: what Qt says is wrong with the JSON (Qt&apos;s own translation).</extracomment>
        <translation>$: kein gültiges JSON bei Byte %1 (Zeile %2): %3</translation>
    </message>
    <message>
        <source>$: expected an object</source>
        <translation>$: erwartet: ein Objekt</translation>
    </message>
    <message>
        <source>$%1: %2</source>
        <extracomment>$%1: a place in the JSON (&quot;$.channels[3].name&quot;), %2: what is wrong there.</extracomment>
        <translation>$%1: %2</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <extracomment>A refusal and the line of the JSON file where its record begins.</extracomment>
        <translation>%1 (Zeile %2)</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>erwartet: ein Objekt</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>erwartet: ein Array</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A value the JSON must have and does not.</extracomment>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>erwartet: eine Zeichenkette</translation>
    </message>
    <message>
        <source>expected a string of hex digits</source>
        <translation>erwartet: eine Zeichenkette aus Hex-Ziffern</translation>
    </message>
    <message>
        <source>expected hex digits</source>
        <translation>erwartet: Hex-Ziffern</translation>
    </message>
    <message>
        <source>expected an even number of hex digits</source>
        <translation>erwartet: eine gerade Anzahl Hex-Ziffern</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>erwartet: %1 Bytes</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>erwartet: true oder false</translation>
    </message>
    <message>
        <source>a kind-1 prefix holds at most 272 bytes</source>
        <translation>ein Vorspann der Art 1 fasst höchstens 272 Bytes</translation>
    </message>
    <message>
        <source>this data cannot be written back whole: %1</source>
        <translation>diese Daten können nicht vollständig zurückgeschrieben werden: %1</translation>
    </message>
    <message>
        <source>more entries than the header&apos;s satelliteCount (%1)</source>
        <extracomment>satelliteCount: the key of the JSON&apos;s header, as the file has it.</extracomment>
        <translation>mehr Einträge als satelliteCount im Kopf (%1)</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>doppelt angegeben</translation>
    </message>
    <message>
        <source>more than %1 members</source>
        <translation>mehr als %1 Mitglieder</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not on satellite %5</source>
        <extracomment>A channel&apos;s transponder is not where the channel says: %3 its polarisation (V(R) or H(L)).</extracomment>
        <translation>Transponder %1 ist %2 MHz %3 auf Satellit %4, nicht auf Satellit %5</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5 MHz</source>
        <translation>Transponder %1 ist %2 MHz %3 auf Satellit %4, nicht %5 MHz</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5</source>
        <extracomment>%5: the polarisation the channel gives, as the file has it.</extracomment>
        <translation>Transponder %1 ist %2 MHz %3 auf Satellit %4, nicht %5</translation>
    </message>
    <message>
        <source>Checking %1: %2 (--port chooses another).</source>
        <translation>Prüfe %1: %2 (--port wählt einen anderen).</translation>
    </message>
    <message>
        <source>no serial port found: plug in the adapter, or name the port with --port.</source>
        <translation>kein serieller Port gefunden: stecken Sie den Adapter ein oder nennen Sie den Port mit --port.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Öffnen der Datei fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Not enough memory for the backup data</source>
        <translation>Nicht genug Speicher für die Sicherungsdaten</translation>
    </message>
    <message>
        <source>Backup data is corrupted (decompression failed)</source>
        <translation>Die Sicherungsdaten sind beschädigt (Entpacken fehlgeschlagen)</translation>
    </message>
    <message>
        <source>Backup data is truncated</source>
        <translation>Die Sicherungsdaten sind abgeschnitten</translation>
    </message>
    <message>
        <source>Invalid Backup Data</source>
        <translation>Ungültige Sicherungsdaten</translation>
    </message>
    <message>
        <source>%1 are %2 bytes, not %3</source>
        <extracomment>A part of a file&apos;s layout that is not the receiver&apos;s: &quot;channel records are 40 bytes, not 44&quot;.</extracomment>
        <translation>%1 sind %2 Bytes groß, nicht %3</translation>
    </message>
    <message>
        <source>the file declares %1 %2, more than the %3 the table holds</source>
        <translation>die Datei gibt %1 %2 an, mehr als die %3, die die Tabelle fasst</translation>
    </message>
    <message>
        <source>the prefix is %1 bytes, not 96</source>
        <translation>der Vorspann ist %1 Bytes groß, nicht 96</translation>
    </message>
    <message>
        <source>satellite records</source>
        <translation>die Satellitendatensätze</translation>
    </message>
    <message>
        <source>transponder records</source>
        <translation>die Transponderdatensätze</translation>
    </message>
    <message>
        <source>channel records</source>
        <translation>die Kanaldatensätze</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>die Favoriten</translation>
    </message>
    <message>
        <source>the favourite names</source>
        <translation>die Favoritennamen</translation>
    </message>
    <message>
        <source>satellites</source>
        <extracomment>What a file declares more of than the receiver&apos;s table holds.</extracomment>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>%1 channel record(s) name a transponder the file does not hold</source>
        <translation>%1 Kanaldatensätze nennen einen Transponder, den die Datei nicht enthält</translation>
    </message>
    <message>
        <source>the payload holds %1 byte(s) behind its sections</source>
        <translation>die Nutzdaten enthalten %1 Bytes hinter ihren Abschnitten</translation>
    </message>
    <message>
        <source>%1 favourite entr(ies) name no channel of the file and were left out</source>
        <translation>%1 Favoriteneinträge nennen keinen Kanal der Datei und wurden weggelassen</translation>
    </message>
    <message>
        <source>%1 of %2 channels matched (%3 by identity, %4 by name); %5</source>
        <translation>%1 von %2 Kanälen zugeordnet (%3 nach Kennung, %4 nach Name); %5</translation>
    </message>
    <message>
        <source>none left over</source>
        <translation>keiner übrig</translation>
    </message>
    <message>
        <source>%1 not matched go to the end from number %2</source>
        <translation>%1 nicht zugeordnete kommen ans Ende ab Nummer %2</translation>
    </message>
    <message>
        <source>1 reference entry found no channel</source>
        <translation>1 Eintrag der Vorlage fand keinen Kanal</translation>
    </message>
    <message>
        <source>%1 reference entries found no channel</source>
        <translation>%1 Einträge der Vorlage fanden keinen Kanal</translation>
    </message>
    <message>
        <source>too large for a reference list (more than 16 MiB)</source>
        <translation>zu groß für eine Vorlage (mehr als 16 MiB)</translation>
    </message>
    <message>
        <source>line %1: neither a name nor frequency and service id</source>
        <translation>Zeile %1: weder ein Name noch Frequenz und Service-ID</translation>
    </message>
    <message>
        <source>not a text list (it holds NUL bytes)</source>
        <translation>keine Textliste (sie enthält NUL-Bytes)</translation>
    </message>
    <message>
        <source>the list names no channel</source>
        <translation>die Liste nennt keinen Kanal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (channel %2) has the transponder and service id of &quot;%3&quot; (channel %4).</source>
        <extracomment>Two channels the file cannot tell apart (a favourite of either comes back as the first).</extracomment>
        <translation>„%1“ (Kanal %2) hat den Transponder und die Service-ID von „%3“ (Kanal %4).</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel</source>
        <translation>Übernommen: %1 von %2 Zeilen änderten einen Kanal</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel (%3)</source>
        <extracomment>%3: the columns that changed and how often (&quot;name 2, videoPid 1&quot;).</extracomment>
        <translation>Übernommen: %1 von %2 Zeilen änderten einen Kanal (%3)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not a column of the table)</source>
        <extracomment>%1: a column&apos;s name as the table has it.</extracomment>
        <translation>Übergangene Spalte: %1 (keine Spalte der Tabelle)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (they find the channel; not changed)</source>
        <extracomment>%1: the columns that identify a channel (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>Übergangene Spalte: %1 (sie finden den Kanal; nicht geändert)</translation>
    </message>
    <message>
        <source>Ignored column: number (a hint where the channel stands; not changed)</source>
        <translation>Übergangene Spalte: number (ein Hinweis, wo der Kanal steht; nicht geändert)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not imported)</source>
        <extracomment>%1: columns shown for reading only (transponder, cas, kind).</extracomment>
        <translation>Übergangene Spalte: %1 (nicht importiert)</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>Übergangen: %1</translation>
    </message>
    <message>
        <source>row order: line %1 (channel %2) stands after channel %3; the channels keep their numbers (Move in the editor changes the order)</source>
        <translation>Zeilenfolge: Zeile %1 (Kanal %2) steht nach Kanal %3; die Kanäle behalten ihre Nummern (Verschieben im Editor ändert die Reihenfolge)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>Note: %1 more</source>
        <translation>Hinweis: %1 weitere</translation>
    </message>
    <message>
        <source>line %1: number %2 is channel %3 now (found by its satellite, frequency, polarisation and service id)</source>
        <translation>Zeile %1: Nummer %2 ist jetzt Kanal %3 (gefunden über Satellit, Frequenz, Polarisation und Service-ID)</translation>
    </message>
    <message>
        <source>line %1, %2: &quot;%3&quot; differs from the channel&apos;s &quot;%4&quot;: not imported</source>
        <extracomment>%2: a column&apos;s name.</extracomment>
        <translation>Zeile %1, %2: „%3“ weicht vom Wert des Kanals „%4“ ab: nicht importiert</translation>
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
        <translation>Die Sprache wechselt beim nächsten Start von Dorvane_QX.</translation>
    </message>
</context>
<context>
    <name>dorvane::CAboutDialog</name>
    <message>
        <source>About Dorvane_QX</source>
        <translation>Über Dorvane_QX</translation>
    </message>
    <message>
        <source>Version v1.0</source>
        <translation>Version v1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Service tool for digital satellite receivers:
firmware download and channel data backup.</source>
        <translation>Servicewerkzeug für digitale Satellitenreceiver:
Firmware-Download und Sicherung der Kanaldaten.</translation>
    </message>
</context>
<context>
    <name>dorvane::CConnectionCheckDialog</name>
    <message>
        <source>port</source>
        <extracomment>A step of the connection check, as its line names it.</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>permission</source>
        <translation>Rechte</translation>
    </message>
    <message>
        <source>holder</source>
        <translation>Belegung</translation>
    </message>
    <message>
        <source>line settings</source>
        <translation>Leitungseinstellungen</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>Loopback</translation>
    </message>
    <message>
        <source>link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>boot loader</source>
        <translation>Bootloader</translation>
    </message>
    <message>
        <source>line</source>
        <translation>Leitung</translation>
    </message>
    <message>
        <source>check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>How a step of the connection check went: [ok], [problem], [skipped].</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation>Verbindung prüfen</translation>
    </message>
    <message>
        <source>Steps of the check</source>
        <translation>Schritte der Prüfung</translation>
    </message>
    <message>
        <source>&amp;Switch the STB off and on during the check</source>
        <translation>STB während der Prüfung aus- und ein&amp;schalten</translation>
    </message>
    <message>
        <source>When the STB does not answer, wait up to 30 s for its boot loader</source>
        <translation>Antwortet die STB nicht, bis zu 30 s auf ihren Bootloader warten</translation>
    </message>
    <message>
        <source>A &amp;loop-back plug is fitted instead of the STB (TX joined to RX)</source>
        <translation>Ein &amp;Loopback-Stecker steckt anstelle der STB (TX mit RX verbunden)</translation>
    </message>
    <message>
        <source>Send a pattern and count what comes back</source>
        <translation>Ein Muster senden und zählen, was zurückkommt</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>A loop-back plug is fitted</source>
        <extracomment>Quoted in the check&apos;s texts: the check box that tests with a loop-back plug.</extracomment>
        <translation>Ein Loopback-Stecker steckt</translation>
    </message>
    <message>
        <source>Switch the STB off and on during the check</source>
        <translation>STB während der Prüfung aus- und einschalten</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditChannelDialog</name>
    <message>
        <source>Edit Channel</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Teletext PID</source>
        <translation>Videotext-PID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>%1 must be 0 to 65535.</source>
        <translation>%1 muss zwischen 0 und 65535 liegen.</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Beibehalten</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>Ändern</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditSatelliteDialog</name>
    <message>
        <source>Edit Satellite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>LNB freq Low</source>
        <translation>LNB-Frequenz tief</translation>
    </message>
    <message>
        <source>LNB freq High</source>
        <translation>LNB-Frequenz hoch</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>LNB-Speisung</translation>
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
        <translation>DiSEqC-Typ</translation>
    </message>
    <message>
        <source>DiSEqC port</source>
        <translation>DiSEqC-Port</translation>
    </message>
    <message>
        <source>Dish Position</source>
        <translation>Schüsselposition</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>1.0(4 Switch)</source>
        <translation>1.0(4 Schalter)</translation>
    </message>
    <message>
        <source>1.1(16 Switch)</source>
        <translation>1.1(16 Schalter)</translation>
    </message>
    <message>
        <source>1.2(Motor)</source>
        <translation>1.2(Motor)</translation>
    </message>
    <message>
        <source>1.3(USALS)</source>
        <translation>1.3(USALS)</translation>
    </message>
    <message>
        <source>Location must be 0.0 to 180.0 degrees East or West.</source>
        <translation>Die Position muss zwischen 0.0 und 180.0 Grad Ost oder West liegen.</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditTpDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>TP bearbeiten</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Horz/Vert</source>
        <translation>Horz/Vert</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Frequency must be 1 to 65535 MHz.</source>
        <translation>Die Frequenz muss zwischen 1 und 65535 MHz liegen.</translation>
    </message>
    <message>
        <source>Symbol Rate must be 0 to 65535.</source>
        <translation>Die Symbolrate muss zwischen 0 und 65535 liegen.</translation>
    </message>
</context>
<context>
    <name>dorvane::CMainDialog</name>
    <message>
        <source>Image or Binary Files (*.img *.bin);;Channel Data (*.irz);;All files (*)</source>
        <translation>Image- oder Binärdateien (*.img *.bin);;Kanaldaten (*.irz);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Channel Data (*irz)</source>
        <translation>Kanaldaten (*irz)</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>Erzwungener Download</translation>
    </message>
    <message>
        <source>Download even when the STB&apos;s buyer code does not match the image</source>
        <translation>Auch laden, wenn der Käufercode der STB nicht zum Image passt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>The current file</source>
        <translation>Die aktuelle Datei</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>Dateiname :</translation>
    </message>
    <message>
        <source>Elapsed :</source>
        <translation>Dauer :</translation>
    </message>
    <message>
        <source>Throughput :</source>
        <translation>Durchsatz :</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Connect or disconnect the port</source>
        <translation>Port verbinden oder trennen</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>STB power: green while the STB&apos;s application answers</source>
        <translation>STB-Strom: grün, solange die Anwendung der STB antwortet</translation>
    </message>
    <message>
        <source>STB Power</source>
        <translation>STB-Strom</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About Dorvane_QX</source>
        <translation>Über Dorvane_QX</translation>
    </message>
    <message>
        <source>Downloading process is in progress, Do you want to stop the downloading?</source>
        <translation>Ein Download läuft. Möchten Sie den Download abbrechen?</translation>
    </message>
    <message>
        <source>Do you want to close Dorvane_QX?</source>
        <translation>Möchten Sie Dorvane_QX schließen?</translation>
    </message>
    <message>
        <source>You can&apos;t disconnect Serial port on downloading...</source>
        <translation>Während eines Downloads kann der serielle Port nicht getrennt werden...</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 getrennt.</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1 verbunden.</translation>
    </message>
    <message>
        <source>You can&apos;t configure Serial port on downloading...</source>
        <translation>Während eines Downloads kann der serielle Port nicht konfiguriert werden...</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>Während eines Downloads kann keine Datei geöffnet werden...</translation>
    </message>
    <message>
        <source>Transfer summary: </source>
        <translation>Übertragungsbilanz: </translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation>Protokoll speichern...</translation>
    </message>
    <message>
        <source>Save trace...</source>
        <translation>Mitschnitt speichern...</translation>
    </message>
    <message>
        <source>Can&apos;t save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Log (*.log *.txt);;All files (*)</source>
        <translation>Protokoll (*.log *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Trace (*.trace *.txt);;All files (*)</source>
        <translation>Mitschnitt (*.trace *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>You can&apos;t edit a file while transferring...</source>
        <translation>Während einer Übertragung kann keine Datei bearbeitet werden...</translation>
    </message>
    <message>
        <source>download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>disconnected</source>
        <extracomment>The state of the port lamp, as a screen reader says it.</extracomment>
        <translation>getrennt</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The state of the STB power lamp, as a screen reader says it.</extracomment>
        <translation>aus</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Many ports at once</source>
        <translation>Viele Ports zugleich</translation>
    </message>
    <message>
        <source>Save support bundle...</source>
        <translation>Support-Paket speichern...</translation>
    </message>
    <message>
        <source>Zip archive (*.zip);;All files (*)</source>
        <translation>Zip-Archiv (*.zip);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>You can&apos;t open the Station view while transferring...</source>
        <translation>Während einer Übertragung kann die Station-Ansicht nicht geöffnet werden...</translation>
    </message>
</context>
<context>
    <name>dorvane::CReceiverDataDialog</name>
    <message>
        <source>Group Name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Channel.</source>
        <translation>Kanal.</translation>
    </message>
    <message>
        <source>Ch_id</source>
        <translation>Ch_id</translation>
    </message>
    <message>
        <source>Freq/Pol</source>
        <translation>Freq/Pol</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>Rename Group</source>
        <translation>Gruppe umbenennen</translation>
    </message>
    <message>
        <source>&amp;TV name:</source>
        <translation>&amp;TV-Name:</translation>
    </message>
    <message>
        <source>&amp;Radio name:</source>
        <translation>&amp;Radio-Name:</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>Verlau&amp;f...</translation>
    </message>
    <message>
        <source>The lists kept from uploads and earlier saves: compare or restore one</source>
        <translation>Die aus Uploads und früherem Speichern aufbewahrten Listen: eine vergleichen oder wiederherstellen</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>die offene Liste</translation>
    </message>
    <message>
        <source>, unsaved edits</source>
        <translation>, ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <translation>Empfängerdaten bearbeiten</translation>
    </message>
    <message>
        <source>%1 marked for moving: choose the destination, then &quot;Select Destination&quot;</source>
        <translation>%1 zum Verschieben markiert: wählen Sie das Ziel, dann „Ziel wählen“</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Channel data (*.irz)</source>
        <translation>Kanaldaten (*.irz)</translation>
    </message>
    <message>
        <source>Channel data JSON (*.json);;Channel table CSV (*.csv)</source>
        <translation>Kanaldaten JSON (*.json);;Kanaltabelle CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Schreiben der Datei fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Öffnen der Datei fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Fav TV</source>
        <translation>Fav TV</translation>
    </message>
    <message>
        <source>Fav Radio</source>
        <translation>Fav Radio</translation>
    </message>
    <message>
        <source>Search channels by name, service id or PID (Ctrl+F)</source>
        <translation>Kanäle nach Name, Service-ID oder PID suchen (Strg+F)</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>Su&amp;chen:</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>&amp;Ansicht:</translation>
    </message>
    <message>
        <source>TPs:</source>
        <translation>TPs:</translation>
    </message>
    <message>
        <source>CHs:</source>
        <translation>CHs:</translation>
    </message>
    <message>
        <source>All Sat</source>
        <translation>Alle Sat</translation>
    </message>
    <message>
        <source>Searched Sat</source>
        <translation>Gesuchte Sat</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
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
        <translation>Sortieren nach:</translation>
    </message>
    <message>
        <source>Channel No</source>
        <translation>Kanalnr.</translation>
    </message>
    <message>
        <source>Sat/Tp</source>
        <translation>Sat/Tp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Listed channels:</source>
        <translation>Gelistete Kanäle:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>Select Desti&amp;nation</source>
        <translation>&amp;Ziel wählen</translation>
    </message>
    <message>
        <source>&amp;Cancel Move</source>
        <translation>Verschieben a&amp;bbrechen</translation>
    </message>
    <message>
        <source>Sav&amp;e As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Rename &amp;Group...</source>
        <translation>&amp;Gruppe umbenennen...</translation>
    </message>
    <message>
        <source>Undo the last edit (Ctrl+Z)</source>
        <translation>Die letzte Änderung rückgängig machen (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo the edit undone last (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen (Strg+Umschalt+Z, Strg+Y)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>In group</source>
        <translation>In Gruppe</translation>
    </message>
    <message>
        <source>Satellites or groups</source>
        <translation>Satelliten oder Gruppen</translation>
    </message>
    <message>
        <source>Transponders or group members</source>
        <translation>Transponder oder Gruppenmitglieder</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Receiver data</source>
        <translation>Empfängerdaten</translation>
    </message>
</context>
<context>
    <name>dorvane::CReferencePreviewDialog</name>
    <message>
        <source>Apply order from %1</source>
        <translation>Reihenfolge aus %1 übernehmen</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>Neue Nr.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Take the &amp;favourite groups and their names along</source>
        <translation>Die &amp;Favoritengruppen und ihre Namen mitnehmen</translation>
    </message>
    <message>
        <source>A text list has no favourite groups</source>
        <translation>Eine Textliste hat keine Favoritengruppen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Reference entries that found no channel: %1</source>
        <translation>Referenzeinträge ohne passenden Kanal: %1</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>nach Name</translation>
    </message>
    <message>
        <source>by identity</source>
        <translation>nach Kennung</translation>
    </message>
    <message>
        <source>not matched: to the end</source>
        <translation>nicht gefunden: ans Ende</translation>
    </message>
</context>
<context>
    <name>dorvane::CSerialConfigDialog</name>
    <message>
        <source>Made by %1</source>
        <translation>Hergestellt von %1</translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation>USB %1</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>In use by another program</source>
        <translation>Von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>Benutzt von %1</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Serial Port Configuration</source>
        <translation>Konfiguration des seriellen Ports</translation>
    </message>
    <message>
        <source>Serial Port :</source>
        <translation>Serieller Port :</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path</source>
        <translation>Wählen Sie einen Port oder geben Sie seinen Gerätepfad ein</translation>
    </message>
    <message>
        <source>%1  (current)</source>
        <translation>%1  (aktuell)</translation>
    </message>
    <message>
        <source>No serial port found: plug in the adapter.</source>
        <translation>Kein serieller Port gefunden: stecken Sie den Adapter ein.</translation>
    </message>
    <message>
        <source>%1
Not listed by the system</source>
        <translation>%1
Nicht vom System gelistet</translation>
    </message>
    <message>
        <source>&amp;Language :</source>
        <translation>&amp;Sprache :</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language choice that follows the system&apos;s locale.</extracomment>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>Die Sprache der Fenster, ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Check &amp;connection</source>
        <translation>&amp;Verbindung prüfen</translation>
    </message>
    <message>
        <source>Check the chosen port, its adapter and the STB step by step</source>
        <translation>Den gewählten Port, seinen Adapter und die STB Schritt für Schritt prüfen</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelListPrint</name>
    <message>
        <source>Channel list of %1</source>
        <translation>Kanalliste von %1</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelOrderActions</name>
    <message>
        <source>Sort the selected channels by &amp;name and keep it as the order</source>
        <translation>Gewählte Kanäle nach &amp;Name sortieren und als Reihenfolge behalten</translation>
    </message>
    <message>
        <source>Sort the selected channels by &amp;satellite and frequency and keep it as the order</source>
        <translation>Gewählte Kanäle nach &amp;Satellit und Frequenz sortieren und als Reihenfolge behalten</translation>
    </message>
    <message>
        <source>Sort the selected channels by service &amp;id and keep it as the order</source>
        <translation>Gewählte Kanäle nach Service-&amp;ID sortieren und als Reihenfolge behalten</translation>
    </message>
    <message>
        <source>Move to &amp;number...</source>
        <translation>Auf &amp;Nummer verschieben...</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>&amp;Tauschen</translation>
    </message>
    <message>
        <source>Apply &amp;order from...</source>
        <translation>&amp;Reihenfolge übernehmen aus...</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>Neue Nr.</translation>
    </message>
    <message>
        <source>New No.: a channel number 0..%1</source>
        <translation>Neue Nr.: eine Kanalnummer 0..%1</translation>
    </message>
    <message>
        <source>Move to number</source>
        <translation>Auf Nummer verschieben</translation>
    </message>
    <message>
        <source>The %1 chosen channels from &amp;number:</source>
        <translation>Die %1 gewählten Kanäle ab &amp;Nummer:</translation>
    </message>
    <message>
        <source>Apply order from</source>
        <translation>Reihenfolge übernehmen aus</translation>
    </message>
    <message>
        <source>Channel data or lists (*.irz *.txt *.csv);;Channel data (*irz);;All files (*)</source>
        <translation>Kanaldaten oder Listen (*.irz *.txt *.csv);;Kanaldaten (*irz);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>dorvane::CopyCleanTools</name>
    <message>
        <source>&amp;Open Second File...</source>
        <translation>Zweite Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>Zeilen &amp;kopieren</translation>
    </message>
    <message>
        <source>Show D&amp;uplicates Only</source>
        <translation>Nur &amp;Duplikate zeigen</translation>
    </message>
    <message>
        <source>Select &amp;All Duplicates</source>
        <translation>&amp;Alle Duplikate auswählen</translation>
    </message>
    <message>
        <source>&amp;Remove Unused Transponders...</source>
        <translation>Ungenutzte Transponder &amp;entfernen...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Export to P&amp;DF...</source>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>Wer&amp;kzeuge</translation>
    </message>
    <message>
        <source>Copy from Second &amp;File</source>
        <translation>Aus zweiter &amp;Datei kopieren</translation>
    </message>
    <message>
        <source>Open Second File</source>
        <translation>Zweite Datei öffnen</translation>
    </message>
    <message>
        <source>Channel data (*.irz);;All files (*)</source>
        <translation>Kanaldaten (*.irz);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose satellites, transponders, channels or groups of the second file</source>
        <translation>Wählen Sie Satelliten, Transponder, Kanäle oder Gruppen der zweiten Datei</translation>
    </message>
    <message>
        <source>No duplicates</source>
        <translation>Keine Duplikate</translation>
    </message>
    <message>
        <source>%1 duplicates chosen</source>
        <translation>%1 Duplikate gewählt</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>1 Transponder entfernt</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>%1 Transponder entfernt</translation>
    </message>
    <message>
        <source>No rows chosen to copy</source>
        <translation>Keine Zeilen zum Kopieren gewählt</translation>
    </message>
    <message>
        <source>1 row copied to the clipboard</source>
        <translation>1 Zeile in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>%1 rows copied to the clipboard</source>
        <translation>%1 Zeilen in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>This build cannot print: use &quot;Export to PDF...&quot; and print the PDF.</source>
        <translation>Dieser Build kann nicht drucken: verwenden Sie „Als PDF exportieren...“ und drucken Sie die PDF.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Schreiben der Datei fehlgeschlagen!</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>%1 Seiten in %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>dorvane::CopySourcePanel</name>
    <message>
        <source>Second file (read-only)</source>
        <translation>Zweite Datei (schreibgeschützt)</translation>
    </message>
    <message>
        <source>&lt;&lt; Co&amp;py into this file</source>
        <translation>&lt;&lt; In diese Datei k&amp;opieren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Schließe&amp;n</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>SID %1</source>
        <translation>SID %1</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favoritengruppen</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 channels</source>
        <translation>%1: %2 Satelliten, %3 Kanäle</translation>
    </message>
    <message>
        <source>Copies the chosen satellites, transponders, channels and favourite groups (or drag them onto the lists)</source>
        <translation>Kopiert die gewählten Satelliten, Transponder, Kanäle und Favoritengruppen (oder ziehen Sie sie auf die Listen)</translation>
    </message>
</context>
<context>
    <name>dorvane::DialogPrompts</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>No lists are kept yet.</source>
        <translation>Es sind noch keine Listen aufbewahrt.</translation>
    </message>
    <message>
        <source>Select two lists, or one to compare with the open list.</source>
        <translation>Wählen Sie zwei Listen, oder eine zum Vergleich mit der offenen Liste.</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Aufbewahrt in %1</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Compare with &amp;open list</source>
        <translation>Mit &amp;offener Liste vergleichen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Open the selected list in the editor; the present one is kept first</source>
        <translation>Die gewählte Liste im Editor öffnen; die aktuelle wird vorher aufbewahrt</translation>
    </message>
    <message>
        <source>Can&apos;t compare: %1</source>
        <translation>Vergleich nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryListModel</name>
    <message>
        <source>Boot %1, App %2</source>
        <extracomment>The STB&apos;s versions a kept list came with: its boot loader&apos;s and its application&apos;s.</extracomment>
        <translation>Bootloader %1, Anwendung %2</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <extracomment>A comparison of two kept lists: from the older to the newer.</extracomment>
        <translation>Von %1 bis %2</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>The columns of the kept lists: when a list was kept, where it came from, ...</extracomment>
        <translation>Aufbewahrt</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>STB versions</source>
        <translation>STB-Versionen</translation>
    </message>
    <message>
        <source>Received from the STB</source>
        <extracomment>Where a kept list came from.</extracomment>
        <translation>Vom STB empfangen</translation>
    </message>
    <message>
        <source>Replaced by a save</source>
        <translation>Durch Speichern ersetzt</translation>
    </message>
    <message>
        <source>Open before a restore</source>
        <translation>Vor dem Wiederherstellen offen</translation>
    </message>
</context>
<context>
    <name>dorvane::IntegerEdit</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>dorvane::ListColumns</name>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
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
        <translation>Freq/Pol</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TPs</translation>
    </message>
    <message>
        <source>CHs</source>
        <translation>CHs</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
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
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Waiting for the STB</source>
        <translation>Warten auf die STB</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Switch the STB off</source>
        <translation>STB ausschalten</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Port unusable</source>
        <translation>Port unbrauchbar</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>The result of the last STB of a port in the Station view.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>verify failed</source>
        <translation>Prüfung fehlgeschlagen</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>unbestätigt</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>nicht begonnen</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>erfolgreich</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>port error</source>
        <translation>Portfehler</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>%p % (%1:%2 left)</source>
        <translation>%p % (noch %1:%2)</translation>
    </message>
    <message>
        <source>No STB done yet</source>
        <translation>Noch keine STB fertig</translation>
    </message>
    <message>
        <source>Last: %1 (%2 of %3 ok)</source>
        <translation>Zuletzt: %1 (%2 von %3 OK)</translation>
    </message>
    <message>
        <source>Boot loader %1, application %2</source>
        <translation>Bootloader %1, Anwendung %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>dorvane::StationWindow</name>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Start all</source>
        <translation>Alle starten</translation>
    </message>
    <message>
        <source>Stop all</source>
        <translation>Alle stoppen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>no report</source>
        <translation>kein Bericht</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>Berichtsdatei:</translation>
    </message>
    <message>
        <source>Next STB after each</source>
        <translation>Nach jeder die nächste STB</translation>
    </message>
    <message>
        <source>Verify channel data</source>
        <translation>Kanaldaten prüfen</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>Erzwungener Download</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>Hinzuzufügender Port</translation>
    </message>
    <message>
        <source>Add port</source>
        <translation>Port hinzufügen</translation>
    </message>
    <message>
        <source>Add USB adapters</source>
        <translation>USB-Adapter hinzufügen</translation>
    </message>
    <message>
        <source>File for every STB</source>
        <translation>Datei für jede STB</translation>
    </message>
    <message>
        <source>Report file</source>
        <translation>Berichtsdatei</translation>
    </message>
    <message>
        <source>Choose the file every STB gets.</source>
        <translation>Wählen Sie die Datei, die jede STB bekommt.</translation>
    </message>
    <message>
        <source>Verify is for channel data: this file is not.</source>
        <translation>Prüfen gilt für Kanaldaten: diese Datei ist keine.</translation>
    </message>
    <message>
        <source>Done: 0   Failed: 0   STBs per hour: 0</source>
        <translation>Fertig: 0   Fehlgeschlagen: 0   STBs pro Stunde: 0</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   STBs per hour: %3</source>
        <translation>Fertig: %1   Fehlgeschlagen: %2   STBs pro Stunde: %3</translation>
    </message>
    <message>
        <source>   Report: %1</source>
        <translation>   Bericht: %1</translation>
    </message>
    <message>
        <source>An STB is writing its memory. Close anyway and leave it mid-write?</source>
        <translation>Eine STB schreibt ihren Speicher. Trotzdem schließen und sie mitten im Schreiben lassen?</translation>
    </message>
</context>
<context>
    <name>dorvane::reference_preview_dialog</name>
    <message>
        <source>sat %1</source>
        <translation>Sat %1</translation>
    </message>
    <message>
        <source>sid %1</source>
        <translation>sid %1</translation>
    </message>
</context>
</TS>
