<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CoreText</name>
    <message>
        <source>Please, Open a File to be downloaded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open Serial Port! Please, Check your Serial port setting!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before download start, You should turn off the Power of STB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before upload start, You should turn on the Power of STB and activate &apos;PC COM&apos; item in &apos;Software Transfer&apos; menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This image can&apos;t be downloaded your STB!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading stopped successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should Check LCD window whether STB has remain job or not!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your STB will restart now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout occurred! Please, Check your STB, And retry!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port Error! The port stopped working.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port Error! Please, Check your Serial port and STB, And retry!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transferring failed! Too many errors on the line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many errors on the line! Please, Check your cable and STB, And retry!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading failed! The file was not changed. Please, Check your STB, And retry!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The received data is not channel data: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The STB announced %1 bytes and sent %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All the data arrived, but the STB did not end the file (it may have restarted).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not switch it off until its own display says it is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading failed! The file could not be read to its end: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The STB restarted before it finished writing! The image was not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please, Switch off the STB, start the download, then switch on the STB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The STB offered more than one file; only the first was received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty! There is nothing to download.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, more than any STB takes! Check the file, or use Forced download to send it anyway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: it is a folder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder does not exist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder cannot be written!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transferring canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to stop the downloading?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to stop the uploading?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The Download and Upload buttons while a transfer runs.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting Turning on STB...</source>
        <extracomment>The progress bar while the STB is switched off, before a download.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait Upload Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transferring timeout occurred!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait writing image end...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STB Boot Ver : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STB App Ver : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading %1% ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading %1% ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading process started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading process started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send upload command and wait ack..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transferring ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing Image started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transferring started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transferring started!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port Internal Error: Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading failed! %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading data is kept in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The received data is kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The received data is kept in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing Image stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing image stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading stopped successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading finished successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading data is saved to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 differs from the STB&apos;s %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 does not match the STB&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Forced download&quot; (command line: --forced) downloads it anyway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No receiver answered on %1: check the cable and the port, and that the STB is switched on (for a download: after the start; for an upload: with its &apos;PC COM&apos; item active).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes in %2 s (%3 bytes/s), %4 blocks, %5 resent, %6 time-outs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 port was opened successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port(%1) open failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port(%1) failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>buff full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist: the adapter is unplugged or the name is wrong. Plug it in, or choose one of the ports that Configure or &apos;dorvane ports&apos; lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port is there: plug in the adapter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial ports are: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device that is not a serial line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by %2. Close that program, or choose another port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied on %1: your user is not in the &apos;%2&apos; group. Join it with &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has gone away: the adapter was unplugged. Plug it back in and retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stopped working: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first USB serial adapter found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first USB serial adapter found (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first serial port found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel data file is truncated!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file cannot be written back without losing data: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data is unavailable!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <extracomment>The editor&apos;s window title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Receiver Data - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose channels in the list below to add them to the group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one transponder to copy, or one satellite without transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites are added with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a list first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose members of the group to delete them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites are deleted with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what to delete first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose members of the group to move them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels are moved within a single satellite, or across all of them with every satellite chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose channels to move first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select another destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish or cancel the pending move first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels are dropped on a channel of the list to move them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop channels on a group or its members, or members on a member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels are ordered in the &quot;Satellite&quot; view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish the add first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose exactly two channels to swap them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose channels first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Favorite Count!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite Group empty!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3 (%4)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 and their %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 and their %2 (%3)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 favourite entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 favourite entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not copied (no room)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 of the channels to copy is already in this file (the same satellite, transponder and service id).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the channels to copy are already in this file (the same satellite, transponder and service id).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip them, replace the ones here, or keep both?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every transponder carries a channel: none removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 without a channel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file cannot be saved: it holds data the editor would lose (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check before saving found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot tell such channels apart: the favourite may come back as the lower-numbered one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>The language changes when Dorvane_QX starts next.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::CAboutDialog</name>
    <message>
        <source>About Dorvane_QX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version v1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::CEditChannelDialog</name>
    <message>
        <source>Edit Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teletext PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be 0 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change It</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::CEditSatelliteDialog</name>
    <message>
        <source>Edit Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB freq Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB freq High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22KHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dish Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.0(4 Switch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.1(16 Switch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.2(Motor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.3(USALS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location must be 0.0 to 180.0 degrees East or West.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::CEditTpDialog</name>
    <message>
        <source>Edit TP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horz/Vert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency must be 1 to 65535 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol Rate must be 0 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::CMainDialog</name>
    <message>
        <source>Image or Binary Files (*.img *.bin);;Channel Data (*.irz);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Data (*irz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download even when the STB&apos;s buyer code does not match the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throughput :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect or disconnect the port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STB power: green while the STB&apos;s application answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STB Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Dorvane_QX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading process is in progress, Do you want to stop the downloading?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to close Dorvane_QX?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t disconnect Serial port on downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t configure Serial port on downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer summary: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save trace...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log (*.log *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace (*.trace *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t edit a file while transferring...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::CReceiverDataDialog</name>
    <message>
        <source>Group Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch_id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq/Pol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TV name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Radio name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lists kept from uploads and earlier saves: compare or restore one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the open list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, unsaved edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 marked for moving: choose the destination, then &quot;Select Destination&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel data (*.irz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel data JSON (*.json);;Channel table CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fav TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fav Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search channels by name, service id or PID (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searched Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat/Tp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listed channels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Desti&amp;nation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sav&amp;e As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename &amp;Group...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last edit (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the edit undone last (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In group</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::CReferencePreviewDialog</name>
    <message>
        <source>Apply order from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the &amp;favourite groups and their names along</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A text list has no favourite groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference entries that found no channel: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not matched: to the end</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::CSerialConfigDialog</name>
    <message>
        <source>Made by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a port, or type its device path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (current)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port found: plug in the adapter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Not listed by the system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language choice that follows the system&apos;s locale.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelListPrint</name>
    <message>
        <source>Channel list of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelOrderActions</name>
    <message>
        <source>Sort the selected channels by &amp;name and keep it as the order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the selected channels by &amp;satellite and frequency and keep it as the order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the selected channels by service &amp;id and keep it as the order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to &amp;number...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply &amp;order from...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New No.: a channel number 0..%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 chosen channels from &amp;number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply order from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel data or lists (*.irz *.txt *.csv);;Channel data (*irz);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::CopyCleanTools</name>
    <message>
        <source>&amp;Open Second File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show D&amp;uplicates Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Unused Transponders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy from Second &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Second File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel data (*.irz);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose satellites, transponders, channels or groups of the second file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 duplicates chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rows chosen to copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row copied to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows copied to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This build cannot print: use &quot;Export to PDF...&quot; and print the PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::CopySourcePanel</name>
    <message>
        <source>Second file (read-only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Co&amp;py into this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 channels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::DialogPrompts</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lists are kept yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select two lists, or one to compare with the open list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with &amp;open list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the selected list in the editor; the present one is kept first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t compare: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::IntegerEdit</name>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::ListColumns</name>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PPid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ttxt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VTyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat_id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tp_id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch_id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq/Pol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S/R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dorvane::reference_preview_dialog</name>
    <message>
        <source>sat %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sid %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
