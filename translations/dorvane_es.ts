<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CoreText</name>
    <message>
        <source>Please, Open a File to be downloaded!</source>
        <translation>¡Abra primero un archivo para descargar!</translation>
    </message>
    <message>
        <source>Can&apos;t open Serial Port! Please, Check your Serial port setting!</source>
        <translation>¡No se puede abrir el puerto serie! ¡Compruebe la configuración del puerto serie!</translation>
    </message>
    <message>
        <source>Before download start, You should turn off the Power of STB</source>
        <translation>Antes de empezar la descarga, debe apagar el STB</translation>
    </message>
    <message>
        <source>Before upload start, You should turn on the Power of STB and activate &apos;PC COM&apos; item in &apos;Software Transfer&apos; menu</source>
        <translation>Antes de empezar la subida, debe encender el STB y activar la opción &apos;PC COM&apos; del menú &apos;Software Transfer&apos;</translation>
    </message>
    <message>
        <source>This image can&apos;t be downloaded your STB!</source>
        <translation>¡Esta imagen no se puede descargar en su STB!</translation>
    </message>
    <message>
        <source>Downloading stopped successfully.</source>
        <translation>Descarga detenida correctamente.</translation>
    </message>
    <message>
        <source>You should Check LCD window whether STB has remain job or not!</source>
        <translation>¡Compruebe en la pantalla LCD si el STB tiene aún trabajo pendiente!</translation>
    </message>
    <message>
        <source>Your STB will restart now!</source>
        <translation>¡Su STB se reiniciará ahora!</translation>
    </message>
    <message>
        <source>Timeout occurred! Please, Check your STB, And retry!</source>
        <translation>¡Tiempo de espera agotado! Compruebe su STB y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Serial Port Error! The port stopped working.</source>
        <translation>¡Error del puerto serie! El puerto dejó de funcionar.</translation>
    </message>
    <message>
        <source>Serial Port Error! Please, Check your Serial port and STB, And retry!</source>
        <translation>¡Error del puerto serie! Compruebe el puerto serie y el STB, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Transferring failed! Too many errors on the line.</source>
        <translation>¡La transferencia falló! Demasiados errores en la línea.</translation>
    </message>
    <message>
        <source>Too many errors on the line! Please, Check your cable and STB, And retry!</source>
        <translation>¡Demasiados errores en la línea! Compruebe el cable y el STB, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Uploading failed!</source>
        <translation>¡La subida falló!</translation>
    </message>
    <message>
        <source>Uploading failed! The file was not changed. Please, Check your STB, And retry!</source>
        <translation>¡La subida falló! El archivo no se cambió. Compruebe su STB y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>El archivo no se cambió.</translation>
    </message>
    <message>
        <source>The received data is not channel data: %1.</source>
        <translation>Los datos recibidos no son datos de canales: %1.</translation>
    </message>
    <message>
        <source>The STB announced %1 bytes and sent %2.</source>
        <translation>El STB anunció %1 bytes y envió %2.</translation>
    </message>
    <message>
        <source>All the data arrived, but the STB did not end the file (it may have restarted).</source>
        <translation>Llegaron todos los datos, pero el STB no cerró el archivo (puede que se haya reiniciado).</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>No se puede abrir un archivo durante una descarga...</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory.</source>
        <translation>El STB dejó de informar mientras escribía su memoria.</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory!</source>
        <translation>¡El STB dejó de informar mientras escribía su memoria!</translation>
    </message>
    <message>
        <source>Do not switch it off until its own display says it is done.</source>
        <translation>No lo apague hasta que su propia pantalla indique que ha terminado.</translation>
    </message>
    <message>
        <source>Downloading failed! The file could not be read to its end: %1</source>
        <translation>¡La descarga falló! No se pudo leer el archivo hasta el final: %1</translation>
    </message>
    <message>
        <source>The STB restarted before it finished writing! The image was not written.</source>
        <translation>¡El STB se reinició antes de terminar de escribir! La imagen no se escribió.</translation>
    </message>
    <message>
        <source>Please, Switch off the STB, start the download, then switch on the STB.</source>
        <translation>Apague el STB, inicie la descarga y luego encienda el STB.</translation>
    </message>
    <message>
        <source>The STB offered more than one file; only the first was received.</source>
        <translation>El STB ofreció más de un archivo; solo se recibió el primero.</translation>
    </message>
    <message>
        <source>The file is empty! There is nothing to download.</source>
        <translation>¡El archivo está vacío! No hay nada que descargar.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, more than any STB takes! Check the file, or use Forced download to send it anyway.</source>
        <translation>¡El archivo supera %1 MiB, más de lo que admite cualquier STB! Compruebe el archivo, o use Descarga forzada para enviarlo de todos modos.</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: it is a folder!</source>
        <translation>No se puede guardar la subida en %1: ¡es una carpeta!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder does not exist!</source>
        <translation>No se puede guardar la subida en %1: ¡su carpeta no existe!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder cannot be written!</source>
        <translation>No se puede guardar la subida en %1: ¡no se puede escribir en su carpeta!</translation>
    </message>
    <message>
        <source>Transferring canceled!</source>
        <translation>¡Transferencia cancelada!</translation>
    </message>
    <message>
        <source>Do you want to stop the downloading?</source>
        <translation>¿Desea detener la descarga?</translation>
    </message>
    <message>
        <source>Do you want to stop the uploading?</source>
        <translation>¿Desea detener la subida?</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The Download and Upload buttons while a transfer runs.</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Waiting Turning on STB...</source>
        <extracomment>The progress bar while the STB is switched off, before a download.</extracomment>
        <translation>Esperando el encendido del STB...</translation>
    </message>
    <message>
        <source>Wait Upload Data...</source>
        <translation>Esperando datos de subida...</translation>
    </message>
    <message>
        <source>Transferring timeout occurred!</source>
        <translation>¡Tiempo de espera de la transferencia agotado!</translation>
    </message>
    <message>
        <source>%1 bps</source>
        <translation>%1 bps</translation>
    </message>
    <message>
        <source>Wait writing image end...</source>
        <translation>Esperando el fin de la escritura...</translation>
    </message>
    <message>
        <source>STB Boot Ver : %1</source>
        <translation>Versión arranque STB : %1</translation>
    </message>
    <message>
        <source>STB App Ver : %1</source>
        <translation>Versión aplicación STB : %1</translation>
    </message>
    <message>
        <source>Uploading %1% ...</source>
        <translation>Subiendo %1% ...</translation>
    </message>
    <message>
        <source>Downloading %1% ...</source>
        <translation>Descargando %1% ...</translation>
    </message>
    <message>
        <source>Downloading process started.</source>
        <translation>Descarga iniciada.</translation>
    </message>
    <message>
        <source>Uploading process started.</source>
        <translation>Subida iniciada.</translation>
    </message>
    <message>
        <source>Send upload command and wait ack..</source>
        <translation>Orden de subida enviada, esperando confirmación..</translation>
    </message>
    <message>
        <source>Transferring ended.</source>
        <translation>Transferencia terminada.</translation>
    </message>
    <message>
        <source>Writing Image started.</source>
        <translation>Escritura de la imagen iniciada.</translation>
    </message>
    <message>
        <source>Transferring started.</source>
        <translation>Transferencia iniciada.</translation>
    </message>
    <message>
        <source>Transferring started!</source>
        <translation>¡Transferencia iniciada!</translation>
    </message>
    <message>
        <source>Serial Port Internal Error: Write</source>
        <translation>Error interno del puerto serie: escritura</translation>
    </message>
    <message>
        <source>Uploading failed! %1</source>
        <translation>¡La subida falló! %1</translation>
    </message>
    <message>
        <source>Uploading data is kept in</source>
        <translation>Los datos subidos se conservan en</translation>
    </message>
    <message>
        <source>The received data is kept in %1</source>
        <translation>Los datos recibidos se conservan en %1</translation>
    </message>
    <message>
        <source>%1 The received data is kept in %2</source>
        <translation>%1 Los datos recibidos se conservan en %2</translation>
    </message>
    <message>
        <source>Writing Image stopped.</source>
        <translation>Escritura de la imagen detenida.</translation>
    </message>
    <message>
        <source>Writing image stopped.</source>
        <translation>Escritura de la imagen detenida.</translation>
    </message>
    <message>
        <source>Downloading stopped successfully!</source>
        <translation>¡Descarga detenida correctamente!</translation>
    </message>
    <message>
        <source>Uploading finished successfully!</source>
        <translation>¡Subida terminada correctamente!</translation>
    </message>
    <message>
        <source>Uploading data is saved to</source>
        <translation>Los datos subidos se guardaron en</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 differs from the STB&apos;s %2.</source>
        <translation>El código de comprador %1 de la imagen difiere del del STB, %2.</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 does not match the STB&apos;s.</source>
        <translation>El código de comprador %1 de la imagen no coincide con el del STB.</translation>
    </message>
    <message>
        <source>&quot;Forced download&quot; (command line: --forced) downloads it anyway.</source>
        <translation>«Descarga forzada» (línea de órdenes: --forced) la descarga de todos modos.</translation>
    </message>
    <message>
        <source>No receiver answered on %1: check the cable and the port, and that the STB is switched on (for a download: after the start; for an upload: with its &apos;PC COM&apos; item active).</source>
        <translation>Ningún receptor respondió en %1: compruebe el cable y el puerto, y que el STB esté encendido (para una descarga: después de empezar; para una subida: con su opción &apos;PC COM&apos; activa).</translation>
    </message>
    <message>
        <source>%1 bytes in %2 s (%3 bytes/s), %4 blocks, %5 resent, %6 time-outs</source>
        <translation>%1 bytes en %2 s (%3 bytes/s), %4 bloques, %5 reenviados, %6 tiempos agotados</translation>
    </message>
    <message>
        <source>%1 port was opened successfully!</source>
        <translation>¡El puerto %1 se abrió correctamente!</translation>
    </message>
    <message>
        <source>Port(%1) open failed.</source>
        <translation>No se pudo abrir el puerto(%1).</translation>
    </message>
    <message>
        <source>Port(%1) failed: %2</source>
        <translation>El puerto(%1) falló: %2</translation>
    </message>
    <message>
        <source>buff full</source>
        <translation>búfer lleno</translation>
    </message>
    <message>
        <source>%1 does not exist: the adapter is unplugged or the name is wrong. Plug it in, or choose one of the ports that Configure or &apos;dorvane ports&apos; lists.</source>
        <translation>%1 no existe: el adaptador está desenchufado o el nombre es incorrecto. Enchúfelo, o elija uno de los puertos que listan Configurar o &apos;dorvane ports&apos;.</translation>
    </message>
    <message>
        <source>No serial port is there: plug in the adapter.</source>
        <translation>No hay ningún puerto serie: enchufe el adaptador.</translation>
    </message>
    <message>
        <source>The serial ports are: %1.</source>
        <translation>Los puertos serie son: %1.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2. %3</source>
        <translation>%1 no es un puerto serie: es %2. %3</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a plain file</source>
        <translation>un archivo normal</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>no es un dispositivo</translation>
    </message>
    <message>
        <source>a device that is not a serial line</source>
        <translation>un dispositivo que no es una línea serie</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Close that program, or choose another port.</source>
        <translation>%1 lo está usando %2. Cierre ese programa, o elija otro puerto.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <translation>%1 lo está usando otro programa. Cierre ese programa, o elija otro puerto.</translation>
    </message>
    <message>
        <source>Permission denied on %1: your user is not in the &apos;%2&apos; group. Join it with &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>Permiso denegado en %1: su usuario no está en el grupo &apos;%2&apos;. Únase con &apos;sudo usermod -aG %2 $USER&apos; y luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>%1 has gone away: the adapter was unplugged. Plug it back in and retry.</source>
        <translation>%1 ha desaparecido: el adaptador se desenchufó. Vuelva a enchufarlo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 stopped working: %2.</source>
        <translation>%1 dejó de funcionar: %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>the first USB serial adapter found</source>
        <translation>el primer adaptador serie USB encontrado</translation>
    </message>
    <message>
        <source>the first USB serial adapter found (%1)</source>
        <translation>el primer adaptador serie USB encontrado (%1)</translation>
    </message>
    <message>
        <source>the first serial port found</source>
        <translation>el primer puerto serie encontrado</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>¡Falló la escritura del archivo!</translation>
    </message>
    <message>
        <source>Channel data file is truncated!</source>
        <translation>¡El archivo de datos de canales está truncado!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contiene una ruta no válida.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 no se pudo abrir porque hay demasiados archivos abiertos.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Se denegó el acceso a %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Se produjo una infracción de uso compartido al acceder a %1.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Se informó de un error de E/S del hardware al acceder a %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disco lleno al acceder a %1.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Se produjo un error inesperado al acceder a %1.</translation>
    </message>
    <message>
        <source>This file cannot be written back without losing data: %1.</source>
        <translation>Este archivo no se puede volver a escribir sin perder datos: %1.</translation>
    </message>
    <message>
        <source>Data is unavailable!</source>
        <translation>¡Los datos no están disponibles!</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <extracomment>The editor&apos;s window title.</extracomment>
        <translation>Editar datos del receptor</translation>
    </message>
    <message>
        <source>Edit Receiver Data - %1</source>
        <translation>Editar datos del receptor - %1</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 encontrados</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected satellites</source>
        <translation>%1 encontrados, %2 en los satélites elegidos</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected transponders</source>
        <translation>%1 encontrados, %2 en los transpondedores elegidos</translation>
    </message>
    <message>
        <source>Choose channels in the list below to add them to the group</source>
        <translation>Elija canales en la lista de abajo para añadirlos al grupo</translation>
    </message>
    <message>
        <source>Choose one transponder to copy, or one satellite without transponders</source>
        <translation>Elija un transpondedor para copiar, o un satélite sin transpondedores</translation>
    </message>
    <message>
        <source>Satellites are added with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>Los satélites se añaden con «Todos sat» elegido; elija primero una lista</translation>
    </message>
    <message>
        <source>Choose a list first</source>
        <translation>Elija primero una lista</translation>
    </message>
    <message>
        <source>Choose members of the group to delete them</source>
        <translation>Elija miembros del grupo para borrarlos</translation>
    </message>
    <message>
        <source>Satellites are deleted with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>Los satélites se borran con «Todos sat» elegido; elija primero una lista</translation>
    </message>
    <message>
        <source>Choose what to delete first</source>
        <translation>Elija primero qué borrar</translation>
    </message>
    <message>
        <source>Choose members of the group to move them</source>
        <translation>Elija miembros del grupo para moverlos</translation>
    </message>
    <message>
        <source>Channels are moved within a single satellite, or across all of them with every satellite chosen</source>
        <translation>Los canales se mueven dentro de un solo satélite, o entre todos con todos los satélites elegidos</translation>
    </message>
    <message>
        <source>Choose channels to move first</source>
        <translation>Elija primero los canales que mover</translation>
    </message>
    <message>
        <source>You must select another destination</source>
        <translation>Debe elegir otro destino</translation>
    </message>
    <message>
        <source>Finish or cancel the pending move first</source>
        <translation>Termine o cancele primero el movimiento pendiente</translation>
    </message>
    <message>
        <source>Channels are dropped on a channel of the list to move them</source>
        <translation>Los canales se sueltan sobre un canal de la lista para moverlos</translation>
    </message>
    <message>
        <source>Drop channels on a group or its members, or members on a member</source>
        <translation>Suelte canales sobre un grupo o sus miembros, o miembros sobre un miembro</translation>
    </message>
    <message>
        <source>Channels are ordered in the &quot;Satellite&quot; view</source>
        <translation>Los canales se ordenan en la vista «Satélite»</translation>
    </message>
    <message>
        <source>Finish the add first</source>
        <translation>Termine primero el alta</translation>
    </message>
    <message>
        <source>Choose exactly two channels to swap them</source>
        <translation>Elija exactamente dos canales para intercambiarlos</translation>
    </message>
    <message>
        <source>Choose channels first</source>
        <translation>Elija primero los canales</translation>
    </message>
    <message>
        <source>Cannot add satellite</source>
        <translation>No se puede añadir el satélite</translation>
    </message>
    <message>
        <source>Cannot add transponder</source>
        <translation>No se puede añadir el transpondedor</translation>
    </message>
    <message>
        <source>Cannot add channel</source>
        <translation>No se puede añadir el canal</translation>
    </message>
    <message>
        <source>Max Favorite Count!!</source>
        <translation>¡¡Máximo de favoritos alcanzado!!</translation>
    </message>
    <message>
        <source>Favorite Group empty!!</source>
        <translation>¡¡Grupo de favoritos vacío!!</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3?</source>
        <translation>¿Borrar %1, sus %2 y %3?</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3 (%4)?</source>
        <translation>¿Borrar %1, sus %2 y %3 (%4)?</translation>
    </message>
    <message>
        <source>Delete %1 and their %2?</source>
        <translation>¿Borrar %1 y sus %2?</translation>
    </message>
    <message>
        <source>Delete %1 and their %2 (%3)?</source>
        <translation>¿Borrar %1 y sus %2 (%3)?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>¿Borrar %1?</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <translation>¿Borrar %1 (%2)?</translation>
    </message>
    <message>
        <source>1 satellite</source>
        <translation>1 satélite</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 satélites</translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation>1 transpondedor</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transpondedores</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>1 favourite entry</source>
        <translation>1 entrada de favoritos</translation>
    </message>
    <message>
        <source>%1 favourite entries</source>
        <translation>%1 entradas de favoritos</translation>
    </message>
    <message>
        <source>1 duplicate</source>
        <translation>1 duplicado</translation>
    </message>
    <message>
        <source>%1 duplicates</source>
        <translation>%1 duplicados</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 añadidos</translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation>%1 reemplazados</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 omitidos</translation>
    </message>
    <message>
        <source>%1 not copied (no room)</source>
        <translation>%1 sin copiar (sin espacio)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Nothing was copied.</source>
        <translation>No se copió nada.</translation>
    </message>
    <message>
        <source>1 of the channels to copy is already in this file (the same satellite, transponder and service id).</source>
        <translation>1 de los canales que copiar ya está en este archivo (mismo satélite, transpondedor e id de servicio).</translation>
    </message>
    <message>
        <source>%1 of the channels to copy are already in this file (the same satellite, transponder and service id).</source>
        <translation>%1 de los canales que copiar ya están en este archivo (mismo satélite, transpondedor e id de servicio).</translation>
    </message>
    <message>
        <source>Skip them, replace the ones here, or keep both?</source>
        <translation>¿Omitirlos, reemplazar los de aquí o conservar ambos?</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Every transponder carries a channel: none removed.</source>
        <translation>Todos los transpondedores llevan algún canal: no se quitó ninguno.</translation>
    </message>
    <message>
        <source>Remove %1 without a channel?</source>
        <translation>¿Quitar %1 sin canal?</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Canal nuevo</translation>
    </message>
    <message>
        <source>This file cannot be saved: it holds data the editor would lose (%1).</source>
        <translation>Este archivo no se puede guardar: contiene datos que el editor perdería (%1).</translation>
    </message>
    <message>
        <source>%1 Not saved.</source>
        <translation>%1 No se guardó.</translation>
    </message>
    <message>
        <source>The check before saving found:</source>
        <translation>La comprobación antes de guardar encontró:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Guardar de todos modos</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>No se importó nada: %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>The file cannot tell such channels apart: the favourite may come back as the lower-numbered one.</source>
        <translation>El archivo no distingue esos canales: el favorito puede volver como el de número más bajo.</translation>
    </message>
    <message>
        <source>v%1 (build #%2)</source>
        <extracomment>The version in the About box: the version and the build number.</extracomment>
        <translation>v%1 (compilación n.º %2)</translation>
    </message>
    <message>
        <source>File Name : %1</source>
        <translation>Archivo : %1</translation>
    </message>
    <message>
        <source>Image Type : %1</source>
        <translation>Tipo de imagen : %1</translation>
    </message>
    <message>
        <source>File Size : %1 bytes</source>
        <translation>Tamaño : %1 bytes</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Versión : %1</translation>
    </message>
    <message>
        <source>%1 (build #%2)</source>
        <translation>%1 (compilación n.º %2)</translation>
    </message>
    <message>
        <source>Build Date : %1 (%2)</source>
        <translation>Fecha de compilación : %1 (%2)</translation>
    </message>
    <message>
        <source>Buyer : %1</source>
        <extracomment>The image&apos;s buyer code (who the firmware was made for).</extracomment>
        <translation>Comprador : %1</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s application answers (an upload; a download needs it switched off).</source>
        <translation>Puede empezar una transferencia: la aplicación del STB responde (una subida; una descarga lo necesita apagado).</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s boot loader asks for a file (download).</source>
        <translation>Puede empezar una transferencia: el cargador de arranque del STB pide un archivo (descarga).</translation>
    </message>
    <message>
        <source>The port opens at 115,200 8N1; the STB was not asked.</source>
        <translation>El puerto abre a 115,200 8N1; no se preguntó al STB.</translation>
    </message>
    <message>
        <source>The port and the plug pass every byte. Fit the STB&apos;s cable instead and check again.</source>
        <translation>El puerto y el conector pasan todos los bytes. Conecte en su lugar el cable del STB y vuelva a comprobar.</translation>
    </message>
    <message>
        <source>No transfer can start yet: see the problems above.</source>
        <translation>Aún no puede empezar ninguna transferencia: vea los problemas de arriba.</translation>
    </message>
    <message>
        <source>the port failed during the check.</source>
        <translation>el puerto falló durante la comprobación.</translation>
    </message>
    <message>
        <source>The adapter was unplugged or its driver gave up: plug it in again and check again.</source>
        <translation>El adaptador se desconectó o su controlador dejó de responder: vuelva a conectarlo y compruebe de nuevo.</translation>
    </message>
    <message>
        <source>stopped before its end.</source>
        <translation>detenida antes de terminar.</translation>
    </message>
    <message>
        <source>not tried: %1</source>
        <translation>no probado: %1</translation>
    </message>
    <message>
        <source>the port did not open.</source>
        <translation>el puerto no se abrió.</translation>
    </message>
    <message>
        <source>no loop-back plug fitted (%1 tests one: TX joined to RX).</source>
        <translation>no hay conector de bucle puesto (%1 prueba con uno: TX unido a RX).</translation>
    </message>
    <message>
        <source>%1 bytes sent, %2 back: %3 lost, %4 garbled, %5 extra; %6 bytes/s back (the line carries %7).</source>
        <translation>%1 bytes enviados, %2 de vuelta: %3 perdidos, %4 alterados, %5 de más; %6 bytes/s de vuelta (la línea lleva %7).</translation>
    </message>
    <message>
        <source>Nothing came back: the plug is not fitted, TX and RX are not joined, or the adapter does not send.</source>
        <translation>No volvió nada: el conector no está puesto, TX y RX no están unidos, o el adaptador no transmite.</translation>
    </message>
    <message>
        <source>The adapter or its cable loses or garbles bytes: try another cable, another USB socket (not a hub) or another adapter.</source>
        <translation>El adaptador o su cable pierde o altera bytes: pruebe otro cable, otra toma USB (no un hub) u otro adaptador.</translation>
    </message>
    <message>
        <source>the loop-back plug is fitted instead of the STB.</source>
        <translation>el conector de bucle está puesto en lugar del STB.</translation>
    </message>
    <message>
        <source>the STB&apos;s application answered the link test (BEL, ACK): an upload can start.</source>
        <translation>la aplicación del STB respondió a la prueba de enlace (BEL, ACK): puede empezar una subida.</translation>
    </message>
    <message>
        <source>For a download switch the STB off, start the download, then switch it on.</source>
        <translation>Para una descarga apague el STB, inicie la descarga y luego enciéndalo.</translation>
    </message>
    <message>
        <source>the STB&apos;s boot loader asks for a file (&apos;C&apos;): a download can start now; an upload needs its application.</source>
        <translation>el cargador de arranque del STB pide un archivo (&apos;C&apos;): una descarga puede empezar ya; una subida necesita su aplicación.</translation>
    </message>
    <message>
        <source>what the PC sends comes back (%1 of %2 BELs): the line is looped.</source>
        <translation>lo que envía el PC vuelve (%1 de %2 BEL): la línea está en bucle.</translation>
    </message>
    <message>
        <source>A loop-back plug or a cable that joins TX to RX is fitted, not the STB&apos;s cable.</source>
        <translation>Hay un conector de bucle o un cable que une TX con RX, no el cable del STB.</translation>
    </message>
    <message>
        <source>bytes came that answer nothing (%1).</source>
        <translation>llegaron bytes que no responden a nada (%1).</translation>
    </message>
    <message>
        <source>Another device is on the line, or it runs at another speed than 115,200 bit/s.</source>
        <translation>Hay otro aparato en la línea, o funciona a otra velocidad que 115,200 bit/s.</translation>
    </message>
    <message>
        <source>no answer to %1 link tests (BEL, waited %2 ms each).</source>
        <translation>sin respuesta a %1 pruebas de enlace (BEL, %2 ms de espera cada una).</translation>
    </message>
    <message>
        <source>Most likely, in this order: the STB is off; its application runs with &quot;PC COM&quot; off (an upload needs that menu item on); the cable lacks the right wires (the PC&apos;s TX must reach the STB&apos;s RX and the STB&apos;s TX the PC&apos;s RX, with ground joined: a null-modem cable).</source>
        <translation>Lo más probable, en este orden: el STB está apagado; su aplicación funciona con &quot;PC COM&quot; desactivado (una subida necesita esa opción del menú activada); al cable le faltan los hilos correctos (el TX del PC debe llegar al RX del STB y el TX del STB al RX del PC, con masa unida: un cable null-módem).</translation>
    </message>
    <message>
        <source>already asking for a file.</source>
        <translation>ya está pidiendo un archivo.</translation>
    </message>
    <message>
        <source>not needed: the application answers.</source>
        <translation>no hace falta: la aplicación responde.</translation>
    </message>
    <message>
        <source>not asked to switch the STB off and on (%1).</source>
        <translation>no se pidió apagar y encender el STB (%1).</translation>
    </message>
    <message>
        <source>Switch the STB off, wait two seconds and switch it on again: waiting up to %1 s for its boot loader.</source>
        <translation>Apague el STB, espere dos segundos y vuelva a encenderlo: se espera hasta %1 s a su cargador de arranque.</translation>
    </message>
    <message>
        <source>the boot loader asked for a file (&apos;C&apos;) %1 s after the request: cable and STB work, a download can start.</source>
        <translation>el cargador de arranque pidió un archivo (&apos;C&apos;) %1 s después de la petición: cable y STB funcionan, puede empezar una descarga.</translation>
    </message>
    <message>
        <source>No application answered the link test before: the STB was off, or its application has &quot;PC COM&quot; off (an upload needs that menu item on).</source>
        <translation>Antes ninguna aplicación respondió a la prueba de enlace: el STB estaba apagado, o su aplicación tiene &quot;PC COM&quot; desactivado (una subida necesita esa opción del menú activada).</translation>
    </message>
    <message>
        <source>no &apos;C&apos; within %1 s.</source>
        <translation>ninguna &apos;C&apos; en %1 s.</translation>
    </message>
    <message>
        <source>The STB did not start, or what it sends does not reach the PC: check its power, and that the cable is a null-modem cable (TX and RX crossed, ground joined).</source>
        <translation>El STB no arrancó, o lo que envía no llega al PC: compruebe su alimentación y que el cable sea un cable null-módem (TX y RX cruzados, masa unida).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>Plug the adapter in, or choose another port.</source>
        <translation>Conecte el adaptador o elija otro puerto.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2.</source>
        <translation>%1 no es un puerto serie: es %2.</translation>
    </message>
    <message>
        <source>a serial line the system lists as no adapter (a pseudo-terminal or a port of its own)</source>
        <translation>una línea serie que el sistema no asocia a ningún adaptador (un pseudoterminal o un puerto propio)</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Elija un puerto serie.</translation>
    </message>
    <message>
        <source>Windows keeps no permissions on COM ports; a port another program holds shows when it is opened.</source>
        <translation>Windows no lleva permisos en los puertos COM; un puerto que tiene otro programa se ve al abrirlo.</translation>
    </message>
    <message>
        <source>there is no serial port to look at.</source>
        <translation>no hay ningún puerto serie que revisar.</translation>
    </message>
    <message>
        <source>%1 may read and write it (group &apos;%2&apos;, mode %3).</source>
        <translation>%1 puede leerlo y escribirlo (grupo &apos;%2&apos;, modo %3).</translation>
    </message>
    <message>
        <source>%1 may not read and write it (group &apos;%2&apos;, %3; mode %4).</source>
        <translation>%1 no puede leerlo ni escribirlo (grupo &apos;%2&apos;, %3; modo %4).</translation>
    </message>
    <message>
        <source>you are in it</source>
        <translation>usted pertenece a él</translation>
    </message>
    <message>
        <source>you are not in it</source>
        <translation>usted no pertenece a él</translation>
    </message>
    <message>
        <source>The device&apos;s mode shuts its group out: &apos;sudo chmod g+rw %1&apos; until it is plugged in again; a udev rule that sets MODE=&quot;0660&quot; keeps it.</source>
        <translation>El modo del dispositivo deja fuera a su grupo: &apos;sudo chmod g+rw %1&apos; hasta que se vuelva a conectar; una regla udev que fije MODE=&quot;0660&quot; lo mantiene.</translation>
    </message>
    <message>
        <source>You are listed in &apos;%1&apos; but this session started before that: log out and in again (or run &apos;newgrp %1&apos;).</source>
        <translation>Usted figura en &apos;%1&apos; pero esta sesión empezó antes: cierre la sesión y vuelva a entrar (o ejecute &apos;newgrp %1&apos;).</translation>
    </message>
    <message>
        <source>The device belongs to root alone. A udev rule giving it to the &apos;dialout&apos; group (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) lets the group in; then join it with &apos;sudo usermod -aG dialout $USER&apos; and log out and in again.</source>
        <translation>El dispositivo pertenece solo a root. Una regla udev que lo asigne al grupo &apos;dialout&apos; (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) deja entrar al grupo; luego únase con &apos;sudo usermod -aG dialout $USER&apos; y cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>Join the group: &apos;sudo usermod -aG %1 $USER&apos;, then log out and in again.</source>
        <translation>Únase al grupo: &apos;sudo usermod -aG %1 $USER&apos;, luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>Windows tells who holds a port only by refusing to open it: see the line settings.</source>
        <translation>Windows solo dice quién tiene un puerto negándose a abrirlo: vea los ajustes de línea.</translation>
    </message>
    <message>
        <source>in use by %1.</source>
        <translation>en uso por %1.</translation>
    </message>
    <message>
        <source>The other end of this pseudo-terminal is %1.</source>
        <translation>El otro extremo de este pseudoterminal es %1.</translation>
    </message>
    <message>
        <source>Close that program (or end it with &apos;kill %1&apos;), then check again.</source>
        <translation>Cierre ese programa (o termínelo con &apos;kill %1&apos;) y vuelva a comprobar.</translation>
    </message>
    <message>
        <source>no other program holds it (lock files and open files looked at).</source>
        <translation>ningún otro programa lo tiene (revisados los archivos de bloqueo y los archivos abiertos).</translation>
    </message>
    <message>
        <source>the port does not exist.</source>
        <translation>el puerto no existe.</translation>
    </message>
    <message>
        <source>it is no serial port.</source>
        <translation>no es un puerto serie.</translation>
    </message>
    <message>
        <source>this user may not open the port.</source>
        <translation>este usuario no puede abrir el puerto.</translation>
    </message>
    <message>
        <source>%1 holds the port; opening it would take bytes from it.</source>
        <translation>%1 tiene el puerto; abrirlo le quitaría bytes.</translation>
    </message>
    <message>
        <source>115,200 bit/s, 8 data bits, no parity, 1 stop bit, no flow control: accepted.</source>
        <translation>115,200 bit/s, 8 bits de datos, sin paridad, 1 bit de parada, sin control de flujo: aceptado.</translation>
    </message>
    <message>
        <source>the port did not open at 115,200 8N1: %1.</source>
        <translation>el puerto no se abrió a 115,200 8N1: %1.</translation>
    </message>
    <message>
        <source>The STB does not report its writing: check its display.</source>
        <translation>El STB no informa de su escritura: mire su pantalla.</translation>
    </message>
    <message>
        <source>Can&apos;t write the report to %1: %2</source>
        <translation>No se puede escribir el informe en %1: %2</translation>
    </message>
    <message>
        <source>%1 Switching the STB off and on during a check (%2) tells which.</source>
        <translation>%1 Apagar y encender el STB durante una comprobación (%2) indica cuál es.</translation>
    </message>
    <message>
        <source>made by %1</source>
        <translation>fabricado por %1</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>número de serie %1</translation>
    </message>
    <message>
        <source>idle</source>
        <extracomment>A transfer&apos;s phase, in its figures: &quot;transferring 3/10 blocks&quot;.</extracomment>
        <translation>inactivo</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>esperando</translation>
    </message>
    <message>
        <source>transferring</source>
        <translation>transfiriendo</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>escribiendo</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminado</translation>
    </message>
    <message>
        <source>%1 %2% %3/%4 blocks</source>
        <extracomment>The phase, how far the STB has written, blocks sent of all.</extracomment>
        <translation>%1 %2% %3/%4 bloques</translation>
    </message>
    <message>
        <source>%1 %2/%3 blocks</source>
        <translation>%1 %2/%3 bloques</translation>
    </message>
    <message>
        <source>%1 %2 blocks</source>
        <translation>%1 %2 bloques</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 bytes</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 bytes/s</source>
        <translation>%1 bytes/s</translation>
    </message>
    <message>
        <source>ETA %1</source>
        <extracomment>The time a transfer still needs.</extracomment>
        <translation>restante %1</translation>
    </message>
    <message>
        <source>%1 resent</source>
        <translation>%1 reenviados</translation>
    </message>
    <message>
        <source>%1 time-outs</source>
        <translation>%1 tiempos agotados</translation>
    </message>
    <message>
        <source>Undefined</source>
        <extracomment>An image type: what a firmware file holds.</extracomment>
        <translation>Indefinido</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de datos</translation>
    </message>
    <message>
        <source>IRZ Data</source>
        <translation>Datos IRZ</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>De fábrica</translation>
    </message>
    <message>
        <source>Image Type : Upload</source>
        <extracomment>An image made to be received from the STB (an image type, not the command).</extracomment>
        <translation>Tipo de imagen : Subida</translation>
    </message>
    <message>
        <source>Image Type : Upload.</source>
        <translation>Tipo de imagen : Subida.</translation>
    </message>
    <message>
        <source>Buyer :</source>
        <extracomment>An image without a buyer code.</extracomment>
        <translation>Comprador :</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; has the transponder (%3) and service id (%4) of channel %5 &quot;%6&quot;; favourites of it come back as the other one</source>
        <translation>el canal %1 &quot;%2&quot; tiene el transpondedor (%3) y el ID de servicio (%4) del canal %5 &quot;%6&quot;; sus favoritos vuelven como el otro</translation>
    </message>
    <message>
        <source>transponders %1 (%2 MHz) and %3 (%4 MHz) collide on satellite %5, %6</source>
        <translation>los transpondedores %1 (%2 MHz) y %3 (%4 MHz) coinciden en el satélite %5, %6</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which is not in use</source>
        <translation>el canal %1 &quot;%2&quot; está en el transpondedor %3, que no está en uso</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which has no frequency (0 MHz)</source>
        <translation>el canal %1 &quot;%2&quot; está en el transpondedor %3, que no tiene frecuencia (0 MHz)</translation>
    </message>
    <message>
        <source>favourite group %1 place %2 names channel %3, which holds no channel</source>
        <translation>el grupo de favoritos %1, posición %2, nombra el canal %3, que no contiene ningún canal</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is in use but not in the satellite order list, so the editor does not show it</source>
        <translation>el satélite %1 &quot;%2&quot; está en uso pero no en el orden de satélites, así que el editor no lo muestra</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is beyond the %3 satellites the file holds and is not written</source>
        <translation>el satélite %1 &quot;%2&quot; queda fuera de los %3 satélites que contiene el archivo y no se escribe</translation>
    </message>
    <message>
        <source>satellite order place %1 is beyond the %2 places the file holds and is not written</source>
        <translation>la posición %1 del orden de satélites queda fuera de las %2 posiciones que contiene el archivo y no se escribe</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2, beyond the receiver&apos;s %3</source>
        <translation>la posición %1 del orden de satélites nombra el satélite %2, más allá de los %3 del receptor</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2 a second time</source>
        <translation>la posición %1 del orden de satélites nombra el satélite %2 por segunda vez</translation>
    </message>
    <message>
        <source>transponder %1 is on satellite %2, beyond the %3 satellites the file holds</source>
        <translation>el transpondedor %1 está en el satélite %2, fuera de los %3 satélites que contiene el archivo</translation>
    </message>
    <message>
        <source>1 channel would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>Se perdería 1 canal al guardar: falta el transpondedor o no tiene frecuencia (0 MHz).</translation>
    </message>
    <message>
        <source>%1 channels would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>Se perderían %1 canales al guardar: falta el transpondedor o no tiene frecuencia (0 MHz).</translation>
    </message>
    <message>
        <source>- %1</source>
        <extracomment>A line of a list of findings.</extracomment>
        <translation>- %1</translation>
    </message>
    <message>
        <source>the file cannot be written back without losing data: %1</source>
        <translation>el archivo no se puede volver a escribir sin perder datos: %1</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Sin diferencias.</translation>
    </message>
    <message>
        <source>1 channel added</source>
        <translation>1 canal añadido</translation>
    </message>
    <message>
        <source>%1 channels added</source>
        <translation>%1 canales añadidos</translation>
    </message>
    <message>
        <source>1 channel removed</source>
        <translation>1 canal quitado</translation>
    </message>
    <message>
        <source>%1 channels removed</source>
        <translation>%1 canales quitados</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <extracomment>Channels, in the summary of a comparison: &quot;3 renamed&quot;.</extracomment>
        <translation>%1 renombrados</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>%1 movidos</translation>
    </message>
    <message>
        <source>%1 with PIDs changed</source>
        <translation>%1 con PID cambiados</translation>
    </message>
    <message>
        <source>%1 with other changes</source>
        <translation>%1 con otros cambios</translation>
    </message>
    <message>
        <source>1 favourite group changed</source>
        <translation>1 grupo de favoritos cambiado</translation>
    </message>
    <message>
        <source>%1 favourite groups changed</source>
        <translation>%1 grupos de favoritos cambiados</translation>
    </message>
    <message>
        <source>1 satellite added</source>
        <translation>1 satélite añadido</translation>
    </message>
    <message>
        <source>%1 satellites added</source>
        <translation>%1 satélites añadidos</translation>
    </message>
    <message>
        <source>1 satellite removed</source>
        <translation>1 satélite quitado</translation>
    </message>
    <message>
        <source>%1 satellites removed</source>
        <translation>%1 satélites quitados</translation>
    </message>
    <message>
        <source>1 satellite changed</source>
        <translation>1 satélite cambiado</translation>
    </message>
    <message>
        <source>%1 satellites changed</source>
        <translation>%1 satélites cambiados</translation>
    </message>
    <message>
        <source>satellite order changed</source>
        <translation>orden de satélites cambiado</translation>
    </message>
    <message>
        <source>1 transponder added</source>
        <translation>1 transpondedor añadido</translation>
    </message>
    <message>
        <source>%1 transponders added</source>
        <translation>%1 transpondedores añadidos</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>1 transpondedor quitado</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>%1 transpondedores quitados</translation>
    </message>
    <message>
        <source>1 transponder changed</source>
        <translation>1 transpondedor cambiado</translation>
    </message>
    <message>
        <source>%1 transponders changed</source>
        <translation>%1 transpondedores cambiados</translation>
    </message>
    <message>
        <source>Added channel %1</source>
        <translation>Canal añadido %1</translation>
    </message>
    <message>
        <source>Removed channel %1</source>
        <translation>Canal quitado %1</translation>
    </message>
    <message>
        <source>Renamed channel %1 to &quot;%2&quot;</source>
        <translation>Canal %1 renombrado a &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Moved channel %1 to %2</source>
        <translation>Canal %1 movido a %2</translation>
    </message>
    <message>
        <source>PIDs of channel %1: %2</source>
        <translation>PID del canal %1: %2</translation>
    </message>
    <message>
        <source>Changed channel %1: %2</source>
        <translation>Canal cambiado %1: %2</translation>
    </message>
    <message>
        <source>Favourite group %1: %2</source>
        <translation>Grupo de favoritos %1: %2</translation>
    </message>
    <message>
        <source>Added satellite %1</source>
        <translation>Satélite añadido %1</translation>
    </message>
    <message>
        <source>Removed satellite %1</source>
        <translation>Satélite quitado %1</translation>
    </message>
    <message>
        <source>Changed satellite %1: %2</source>
        <translation>Satélite cambiado %1: %2</translation>
    </message>
    <message>
        <source>The satellite order changed</source>
        <translation>El orden de satélites cambió</translation>
    </message>
    <message>
        <source>Added transponder %1</source>
        <translation>Transpondedor añadido %1</translation>
    </message>
    <message>
        <source>Removed transponder %1</source>
        <translation>Transpondedor quitado %1</translation>
    </message>
    <message>
        <source>Changed transponder %1: %2</source>
        <translation>Transpondedor cambiado %1: %2</translation>
    </message>
    <message>
        <source>video type %1 -&gt; %2</source>
        <extracomment>What changed in a record: &quot;video type 1 -&gt; 2&quot;.</extracomment>
        <translation>tipo de vídeo %1 -&gt; %2</translation>
    </message>
    <message>
        <source>flags %1 -&gt; %2</source>
        <translation>indicadores %1 -&gt; %2</translation>
    </message>
    <message>
        <source>ttxt %1 -&gt; %2</source>
        <extracomment>A teletext PID changed.</extracomment>
        <translation>teletexto %1 -&gt; %2</translation>
    </message>
    <message>
        <source>other bytes</source>
        <translation>otros bytes</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>nombre &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>location %1 -&gt; %2</source>
        <translation>posición %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB frequency %1 -&gt; %2</source>
        <translation>frecuencia LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB type %1 -&gt; %2</source>
        <translation>tipo de LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB power %1 -&gt; %2</source>
        <translation>alimentación LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>DiSEqC port %1 -&gt; %2</source>
        <translation>puerto DiSEqC %1 -&gt; %2</translation>
    </message>
    <message>
        <source>dish position %1 -&gt; %2</source>
        <translation>posición de la antena %1 -&gt; %2</translation>
    </message>
    <message>
        <source>symbol rate %1 -&gt; %2</source>
        <translation>tasa de símbolos %1 -&gt; %2</translation>
    </message>
    <message>
        <source>TV name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>nombre TV &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>radio name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>nombre radio &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>order changed</source>
        <extracomment>The places of a favourite group&apos;s members changed.</extracomment>
        <translation>orden cambiado</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Favourite group %1: %2 / %3</source>
        <translation>Grupo de favoritos %1: %2 / %3</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 channels (%4 TV, %5 radio), %6 transponders, %7 satellites, %8 favourite groups</source>
        <translation>%1, %2: %3 canales (%4 TV, %5 radio), %6 transpondedores, %7 satélites, %8 grupos de favoritos</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>A column of the printed list: the channel&apos;s name.</extracomment>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>A column of the printed list: the frequency (MHz), abbreviated.</extracomment>
        <translation>Frec.</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>A column of the printed list: the polarisation, abbreviated.</extracomment>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>ID de servicio</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>A column of the printed list: TV or radio.</extracomment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>A column of the printed list: the channel&apos;s place in its favourite group.</extracomment>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>line %1, column %2: not UTF-8 text (byte 0x%3); save the file as UTF-8</source>
        <translation>línea %1, columna %2: no es texto UTF-8 (byte 0x%3); guarde el archivo como UTF-8</translation>
    </message>
    <message>
        <source>line 1: no header row</source>
        <translation>línea 1: no hay fila de encabezado</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>línea %1: un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>line 1: no &quot;%1&quot; column; a row finds its channel by satellite, frequency, polarisation and serviceId</source>
        <extracomment>%1: a column&apos;s name (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>línea 1: no hay columna &quot;%1&quot;; una fila encuentra su canal por satellite, frequency, polarisation y serviceId</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <extracomment>%2: a column&apos;s name, %3: what is wrong with its value.</extracomment>
        <translation>línea %1, %2: %3</translation>
    </message>
    <message>
        <source>expected a satellite number %1..%2</source>
        <translation>se esperaba un número de satélite %1..%2</translation>
    </message>
    <message>
        <source>expected a channel number %1..%2</source>
        <translation>se esperaba un número de canal %1..%2</translation>
    </message>
    <message>
        <source>expected an integer %1..%2</source>
        <translation>se esperaba un entero %1..%2</translation>
    </message>
    <message>
        <source>expected V(R) or H(L)</source>
        <translation>se esperaba V(R) o H(L)</translation>
    </message>
    <message>
        <source>line %1: no channel has %2; the channel data changed since the table was made, or the row was edited there</source>
        <translation>línea %1: ningún canal tiene %2; los datos de canales cambiaron desde que se hizo la tabla, o la fila se editó en ella</translation>
    </message>
    <message>
        <source>line %1: channels %2 all have %3; the number column must name one of them</source>
        <translation>línea %1: los canales %2 tienen todos %3; la columna number debe nombrar uno de ellos</translation>
    </message>
    <message>
        <source>satellite %1, %2 MHz %3, service id %4</source>
        <extracomment>Where a channel is: &quot;satellite 1, 11494 MHz H(L), service id 28006&quot;.</extracomment>
        <translation>satélite %1, %2 MHz %3, ID de servicio %4</translation>
    </message>
    <message>
        <source>line %1: channel %2 given twice (line %3)</source>
        <translation>línea %1: canal %2 dado dos veces (línea %3)</translation>
    </message>
    <message>
        <source>the name holds a character the file cannot store (only Latin-1, no NUL)</source>
        <translation>el nombre contiene un carácter que el archivo no puede guardar (solo Latin-1, sin NUL)</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>el nombre tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>an unterminated name fills all %1 bytes of its field and has no tail</source>
        <translation>un nombre sin terminar llena los %1 bytes de su campo y no tiene cola</translation>
    </message>
    <message>
        <source>the name and its tail do not fit the %1-byte field</source>
        <translation>el nombre y su cola no caben en el campo de %1 bytes</translation>
    </message>
    <message>
        <source>$: not valid JSON at byte %1 (line %2): %3</source>
        <extracomment>%3: what Qt says is wrong with the JSON (Qt&apos;s own translation).</extracomment>
        <translation>$: JSON no válido en el byte %1 (línea %2): %3</translation>
    </message>
    <message>
        <source>$: expected an object</source>
        <translation>$: se esperaba un objeto</translation>
    </message>
    <message>
        <source>$%1: %2</source>
        <extracomment>$%1: a place in the JSON (&quot;$.channels[3].name&quot;), %2: what is wrong there.</extracomment>
        <translation>$%1: %2</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <extracomment>A refusal and the line of the JSON file where its record begins.</extracomment>
        <translation>%1 (línea %2)</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>se esperaba un objeto</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>se esperaba un array</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A value the JSON must have and does not.</extracomment>
        <translation>falta</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>se esperaba una cadena</translation>
    </message>
    <message>
        <source>expected a string of hex digits</source>
        <translation>se esperaba una cadena de dígitos hexadecimales</translation>
    </message>
    <message>
        <source>expected hex digits</source>
        <translation>se esperaban dígitos hexadecimales</translation>
    </message>
    <message>
        <source>expected an even number of hex digits</source>
        <translation>se esperaba un número par de dígitos hexadecimales</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>se esperaban %1 bytes</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>se esperaba true o false</translation>
    </message>
    <message>
        <source>a kind-1 prefix holds at most 272 bytes</source>
        <translation>un prefijo de tipo 1 contiene como máximo 272 bytes</translation>
    </message>
    <message>
        <source>this data cannot be written back whole: %1</source>
        <translation>estos datos no se pueden volver a escribir completos: %1</translation>
    </message>
    <message>
        <source>more entries than the header&apos;s satelliteCount (%1)</source>
        <extracomment>satelliteCount: the key of the JSON&apos;s header, as the file has it.</extracomment>
        <translation>más entradas que el satelliteCount de la cabecera (%1)</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>dado dos veces</translation>
    </message>
    <message>
        <source>more than %1 members</source>
        <translation>más de %1 miembros</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not on satellite %5</source>
        <extracomment>A channel&apos;s transponder is not where the channel says: %3 its polarisation (V(R) or H(L)).</extracomment>
        <translation>el transpondedor %1 es %2 MHz %3 en el satélite %4, no en el satélite %5</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5 MHz</source>
        <translation>el transpondedor %1 es %2 MHz %3 en el satélite %4, no %5 MHz</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5</source>
        <extracomment>%5: the polarisation the channel gives, as the file has it.</extracomment>
        <translation>el transpondedor %1 es %2 MHz %3 en el satélite %4, no %5</translation>
    </message>
    <message>
        <source>Checking %1: %2 (--port chooses another).</source>
        <translation>Comprobando %1: %2 (--port elige otro).</translation>
    </message>
    <message>
        <source>no serial port found: plug in the adapter, or name the port with --port.</source>
        <translation>no se encontró ningún puerto serie: conecte el adaptador o indique el puerto con --port.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>¡No se pudo abrir el archivo!</translation>
    </message>
    <message>
        <source>Not enough memory for the backup data</source>
        <translation>No hay memoria suficiente para los datos de la copia</translation>
    </message>
    <message>
        <source>Backup data is corrupted (decompression failed)</source>
        <translation>Los datos de la copia están dañados (falló la descompresión)</translation>
    </message>
    <message>
        <source>Backup data is truncated</source>
        <translation>Los datos de la copia están truncados</translation>
    </message>
    <message>
        <source>Invalid Backup Data</source>
        <translation>Datos de copia no válidos</translation>
    </message>
    <message>
        <source>%1 are %2 bytes, not %3</source>
        <extracomment>A part of a file&apos;s layout that is not the receiver&apos;s: &quot;channel records are 40 bytes, not 44&quot;.</extracomment>
        <translation>%1 ocupan %2 bytes, no %3</translation>
    </message>
    <message>
        <source>the file declares %1 %2, more than the %3 the table holds</source>
        <translation>el archivo declara %1 %2, más de los %3 que admite la tabla</translation>
    </message>
    <message>
        <source>the prefix is %1 bytes, not 96</source>
        <translation>el prefijo ocupa %1 bytes, no 96</translation>
    </message>
    <message>
        <source>satellite records</source>
        <translation>los registros de satélites</translation>
    </message>
    <message>
        <source>transponder records</source>
        <translation>los registros de transpondedores</translation>
    </message>
    <message>
        <source>channel records</source>
        <translation>los registros de canales</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>los favoritos</translation>
    </message>
    <message>
        <source>the favourite names</source>
        <translation>los nombres de favoritos</translation>
    </message>
    <message>
        <source>satellites</source>
        <extracomment>What a file declares more of than the receiver&apos;s table holds.</extracomment>
        <translation>satélites</translation>
    </message>
    <message>
        <source>transponders</source>
        <translation>transpondedores</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>canales</translation>
    </message>
    <message>
        <source>%1 channel record(s) name a transponder the file does not hold</source>
        <translation>%1 registro(s) de canal nombran un transpondedor que el archivo no contiene</translation>
    </message>
    <message>
        <source>the payload holds %1 byte(s) behind its sections</source>
        <translation>los datos contienen %1 byte(s) tras sus secciones</translation>
    </message>
    <message>
        <source>%1 favourite entr(ies) name no channel of the file and were left out</source>
        <translation>%1 entrada(s) de favoritos no nombran ningún canal del archivo y se omitieron</translation>
    </message>
    <message>
        <source>%1 of %2 channels matched (%3 by identity, %4 by name); %5</source>
        <translation>%1 de %2 canales emparejados (%3 por identidad, %4 por nombre); %5</translation>
    </message>
    <message>
        <source>none left over</source>
        <translation>no sobra ninguno</translation>
    </message>
    <message>
        <source>%1 not matched go to the end from number %2</source>
        <translation>%1 sin emparejar van al final desde el número %2</translation>
    </message>
    <message>
        <source>1 reference entry found no channel</source>
        <translation>1 entrada de referencia no encontró canal</translation>
    </message>
    <message>
        <source>%1 reference entries found no channel</source>
        <translation>%1 entradas de referencia no encontraron canal</translation>
    </message>
    <message>
        <source>too large for a reference list (more than 16 MiB)</source>
        <translation>demasiado grande para una lista de referencia (más de 16 MiB)</translation>
    </message>
    <message>
        <source>line %1: neither a name nor frequency and service id</source>
        <translation>línea %1: ni nombre ni frecuencia e ID de servicio</translation>
    </message>
    <message>
        <source>not a text list (it holds NUL bytes)</source>
        <translation>no es una lista de texto (contiene bytes NUL)</translation>
    </message>
    <message>
        <source>the list names no channel</source>
        <translation>la lista no nombra ningún canal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (channel %2) has the transponder and service id of &quot;%3&quot; (channel %4).</source>
        <extracomment>Two channels the file cannot tell apart (a favourite of either comes back as the first).</extracomment>
        <translation>&quot;%1&quot; (canal %2) tiene el transpondedor y el ID de servicio de &quot;%3&quot; (canal %4).</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel</source>
        <translation>Aplicado: %1 de %2 filas cambiaron un canal</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel (%3)</source>
        <extracomment>%3: the columns that changed and how often (&quot;name 2, videoPid 1&quot;).</extracomment>
        <translation>Aplicado: %1 de %2 filas cambiaron un canal (%3)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not a column of the table)</source>
        <extracomment>%1: a column&apos;s name as the table has it.</extracomment>
        <translation>Columna ignorada: %1 (no es una columna de la tabla)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (they find the channel; not changed)</source>
        <extracomment>%1: the columns that identify a channel (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>Columna ignorada: %1 (encuentran el canal; no se cambian)</translation>
    </message>
    <message>
        <source>Ignored column: number (a hint where the channel stands; not changed)</source>
        <translation>Columna ignorada: number (una pista de dónde está el canal; no se cambia)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not imported)</source>
        <extracomment>%1: columns shown for reading only (transponder, cas, kind).</extracomment>
        <translation>Columna ignorada: %1 (no se importa)</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>Ignorado: %1</translation>
    </message>
    <message>
        <source>row order: line %1 (channel %2) stands after channel %3; the channels keep their numbers (Move in the editor changes the order)</source>
        <translation>orden de filas: la línea %1 (canal %2) va después del canal %3; los canales conservan sus números (Mover en el editor cambia el orden)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>Note: %1 more</source>
        <translation>Nota: %1 más</translation>
    </message>
    <message>
        <source>line %1: number %2 is channel %3 now (found by its satellite, frequency, polarisation and service id)</source>
        <translation>línea %1: el número %2 es ahora el canal %3 (encontrado por su satélite, frecuencia, polarización e ID de servicio)</translation>
    </message>
    <message>
        <source>line %1, %2: &quot;%3&quot; differs from the channel&apos;s &quot;%4&quot;: not imported</source>
        <extracomment>%2: a column&apos;s name.</extracomment>
        <translation>línea %1, %2: &quot;%3&quot; difiere del &quot;%4&quot; del canal: no se importa</translation>
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
        <translation>El idioma cambia la próxima vez que se inicie Dorvane_QX.</translation>
    </message>
</context>
<context>
    <name>dorvane::CAboutDialog</name>
    <message>
        <source>About Dorvane_QX</source>
        <translation>Acerca de Dorvane_QX</translation>
    </message>
    <message>
        <source>Version v1.0</source>
        <translation>Versión v1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Service tool for digital satellite receivers:
firmware download and channel data backup.</source>
        <translation>Herramienta de servicio para receptores de satélite digitales:
descarga de firmware y copia de los datos de canales.</translation>
    </message>
</context>
<context>
    <name>dorvane::CConnectionCheckDialog</name>
    <message>
        <source>port</source>
        <extracomment>A step of the connection check, as its line names it.</extracomment>
        <translation>puerto</translation>
    </message>
    <message>
        <source>permission</source>
        <translation>permisos</translation>
    </message>
    <message>
        <source>holder</source>
        <translation>ocupante</translation>
    </message>
    <message>
        <source>line settings</source>
        <translation>ajustes de línea</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>bucle</translation>
    </message>
    <message>
        <source>link</source>
        <translation>enlace</translation>
    </message>
    <message>
        <source>boot loader</source>
        <translation>cargador de arranque</translation>
    </message>
    <message>
        <source>line</source>
        <translation>línea</translation>
    </message>
    <message>
        <source>check</source>
        <translation>comprobación</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>How a step of the connection check went: [ok], [problem], [skipped].</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problema</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation>Comprobar conexión</translation>
    </message>
    <message>
        <source>Steps of the check</source>
        <translation>Pasos de la comprobación</translation>
    </message>
    <message>
        <source>&amp;Switch the STB off and on during the check</source>
        <translation>Apagar y encender el &amp;STB durante la comprobación</translation>
    </message>
    <message>
        <source>When the STB does not answer, wait up to 30 s for its boot loader</source>
        <translation>Si el STB no responde, esperar hasta 30 s a su cargador de arranque</translation>
    </message>
    <message>
        <source>A &amp;loop-back plug is fitted instead of the STB (TX joined to RX)</source>
        <translation>Hay un conector de &amp;bucle en lugar del STB (TX unido a RX)</translation>
    </message>
    <message>
        <source>Send a pattern and count what comes back</source>
        <translation>Enviar un patrón y contar lo que vuelve</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>Comprobar de &amp;nuevo</translation>
    </message>
    <message>
        <source>A loop-back plug is fitted</source>
        <extracomment>Quoted in the check&apos;s texts: the check box that tests with a loop-back plug.</extracomment>
        <translation>Hay un conector de bucle puesto</translation>
    </message>
    <message>
        <source>Switch the STB off and on during the check</source>
        <translation>Apagar y encender el STB durante la comprobación</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditChannelDialog</name>
    <message>
        <source>Edit Channel</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de servicio</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID de PCR</translation>
    </message>
    <message>
        <source>Teletext PID</source>
        <translation>PID de teletexto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>%1 must be 0 to 65535.</source>
        <translation>%1 debe estar entre 0 y 65535.</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Conservarlo</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>Cambiarlo</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditSatelliteDialog</name>
    <message>
        <source>Edit Satellite</source>
        <translation>Editar satélite</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Tipo de LNB</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>LNB freq Low</source>
        <translation>Frec. LNB baja</translation>
    </message>
    <message>
        <source>LNB freq High</source>
        <translation>Frec. LNB alta</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>Alimentación LNB</translation>
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
        <translation>Tipo DiSEqC</translation>
    </message>
    <message>
        <source>DiSEqC port</source>
        <translation>Puerto DiSEqC</translation>
    </message>
    <message>
        <source>Dish Position</source>
        <translation>Posición de la antena</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>1.0(4 Switch)</source>
        <translation>1.0(4 conmutadores)</translation>
    </message>
    <message>
        <source>1.1(16 Switch)</source>
        <translation>1.1(16 conmutadores)</translation>
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
        <translation>La posición debe estar entre 0.0 y 180.0 grados Este u Oeste.</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditTpDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>Editar TP</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Horz/Vert</source>
        <translation>Horz/Vert</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Transmisión</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Frequency must be 1 to 65535 MHz.</source>
        <translation>La frecuencia debe estar entre 1 y 65535 MHz.</translation>
    </message>
    <message>
        <source>Symbol Rate must be 0 to 65535.</source>
        <translation>La tasa de símbolos debe estar entre 0 y 65535.</translation>
    </message>
</context>
<context>
    <name>dorvane::CMainDialog</name>
    <message>
        <source>Image or Binary Files (*.img *.bin);;Channel Data (*.irz);;All files (*)</source>
        <translation>Archivos de imagen o binarios (*.img *.bin);;Datos de canales (*.irz);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Channel Data (*irz)</source>
        <translation>Datos de canales (*irz)</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>Descarga forzada</translation>
    </message>
    <message>
        <source>Download even when the STB&apos;s buyer code does not match the image</source>
        <translation>Descargar aunque el código de comprador del STB no coincida con la imagen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>The current file</source>
        <translation>El archivo actual</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>Archivo :</translation>
    </message>
    <message>
        <source>Elapsed :</source>
        <translation>Tiempo :</translation>
    </message>
    <message>
        <source>Throughput :</source>
        <translation>Velocidad :</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Connect or disconnect the port</source>
        <translation>Conectar o desconectar el puerto</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>STB power: green while the STB&apos;s application answers</source>
        <translation>Alimentación del STB: verde mientras responde la aplicación del STB</translation>
    </message>
    <message>
        <source>STB Power</source>
        <translation>Alim. STB</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>About Dorvane_QX</source>
        <translation>Acerca de Dorvane_QX</translation>
    </message>
    <message>
        <source>Downloading process is in progress, Do you want to stop the downloading?</source>
        <translation>Hay una descarga en curso. ¿Desea detener la descarga?</translation>
    </message>
    <message>
        <source>Do you want to close Dorvane_QX?</source>
        <translation>¿Desea cerrar Dorvane_QX?</translation>
    </message>
    <message>
        <source>You can&apos;t disconnect Serial port on downloading...</source>
        <translation>No se puede desconectar el puerto serie durante una descarga...</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 desconectado.</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1 conectado.</translation>
    </message>
    <message>
        <source>You can&apos;t configure Serial port on downloading...</source>
        <translation>No se puede configurar el puerto serie durante una descarga...</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>No se puede abrir un archivo durante una descarga...</translation>
    </message>
    <message>
        <source>Transfer summary: </source>
        <translation>Resumen de la transferencia: </translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation>Guardar registro...</translation>
    </message>
    <message>
        <source>Save trace...</source>
        <translation>Guardar traza...</translation>
    </message>
    <message>
        <source>Can&apos;t save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>Log (*.log *.txt);;All files (*)</source>
        <translation>Registro (*.log *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Trace (*.trace *.txt);;All files (*)</source>
        <translation>Traza (*.trace *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>You can&apos;t edit a file while transferring...</source>
        <translation>No se puede editar un archivo durante una transferencia...</translation>
    </message>
    <message>
        <source>download</source>
        <translation>descarga</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>subida</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>editor</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>disconnected</source>
        <extracomment>The state of the port lamp, as a screen reader says it.</extracomment>
        <translation>desconectado</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The state of the STB power lamp, as a screen reader says it.</extracomment>
        <translation>apagado</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>on</source>
        <translation>encendido</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>Many ports at once</source>
        <translation>Muchos puertos a la vez</translation>
    </message>
    <message>
        <source>Save support bundle...</source>
        <translation>Guardar paquete de soporte...</translation>
    </message>
    <message>
        <source>Zip archive (*.zip);;All files (*)</source>
        <translation>Archivo zip (*.zip);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>You can&apos;t open the Station view while transferring...</source>
        <translation>No se puede abrir la vista Estación durante una transferencia...</translation>
    </message>
</context>
<context>
    <name>dorvane::CReceiverDataDialog</name>
    <message>
        <source>Group Name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Channel.</source>
        <translation>Canal.</translation>
    </message>
    <message>
        <source>Ch_id</source>
        <translation>Ch_id</translation>
    </message>
    <message>
        <source>Freq/Pol</source>
        <translation>Frec/Pol</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>Rename Group</source>
        <translation>Renombrar grupo</translation>
    </message>
    <message>
        <source>&amp;TV name:</source>
        <translation>Nombre &amp;TV:</translation>
    </message>
    <message>
        <source>&amp;Radio name:</source>
        <translation>Nombre &amp;radio:</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>Historia&amp;l...</translation>
    </message>
    <message>
        <source>The lists kept from uploads and earlier saves: compare or restore one</source>
        <translation>Las listas guardadas de subidas y guardados anteriores: compare o restaure una</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>la lista abierta</translation>
    </message>
    <message>
        <source>, unsaved edits</source>
        <translation>, cambios sin guardar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;No guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <translation>Editar datos del receptor</translation>
    </message>
    <message>
        <source>%1 marked for moving: choose the destination, then &quot;Select Destination&quot;</source>
        <translation>%1 marcados para mover: elija el destino y luego «Elegir destino»</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Channel data (*.irz)</source>
        <translation>Datos de canales (*.irz)</translation>
    </message>
    <message>
        <source>Channel data JSON (*.json);;Channel table CSV (*.csv)</source>
        <translation>Datos de canales JSON (*.json);;Tabla de canales CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>¡Falló la escritura del archivo!</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>¡No se pudo abrir el archivo!</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
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
        <translation>Buscar canales por nombre, id de servicio o PID (Ctrl+F)</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>B&amp;uscar:</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>&amp;Vista:</translation>
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
        <translation>Todos sat</translation>
    </message>
    <message>
        <source>Searched Sat</source>
        <translation>Sat buscados</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
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
        <translation>Ordenar por:</translation>
    </message>
    <message>
        <source>Channel No</source>
        <translation>N.º canal</translation>
    </message>
    <message>
        <source>Sat/Tp</source>
        <translation>Sat/Tp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Listed channels:</source>
        <translation>Canales listados:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>Select Desti&amp;nation</source>
        <translation>Elegir des&amp;tino</translation>
    </message>
    <message>
        <source>&amp;Cancel Move</source>
        <translation>&amp;Cancelar movimiento</translation>
    </message>
    <message>
        <source>Sav&amp;e As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>R&amp;ehacer</translation>
    </message>
    <message>
        <source>Rename &amp;Group...</source>
        <translation>Re&amp;nombrar grupo...</translation>
    </message>
    <message>
        <source>Undo the last edit (Ctrl+Z)</source>
        <translation>Deshacer la última edición (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo the edit undone last (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Rehacer la última edición deshecha (Ctrl+Mayús+Z, Ctrl+Y)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>In group</source>
        <translation>En el grupo</translation>
    </message>
    <message>
        <source>Satellites or groups</source>
        <translation>Satélites o grupos</translation>
    </message>
    <message>
        <source>Transponders or group members</source>
        <translation>Transpondedores o miembros del grupo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Receiver data</source>
        <translation>Datos del receptor</translation>
    </message>
</context>
<context>
    <name>dorvane::CReferencePreviewDialog</name>
    <message>
        <source>Apply order from %1</source>
        <translation>Aplicar el orden de %1</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>N.º nuevo</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Encontrado</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identidad</translation>
    </message>
    <message>
        <source>Take the &amp;favourite groups and their names along</source>
        <translation>Llevar también los grupos de &amp;favoritos y sus nombres</translation>
    </message>
    <message>
        <source>A text list has no favourite groups</source>
        <translation>Una lista de texto no tiene grupos de favoritos</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Reference entries that found no channel: %1</source>
        <translation>Entradas de referencia sin canal encontrado: %1</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>por nombre</translation>
    </message>
    <message>
        <source>by identity</source>
        <translation>por identidad</translation>
    </message>
    <message>
        <source>not matched: to the end</source>
        <translation>sin coincidencia: al final</translation>
    </message>
</context>
<context>
    <name>dorvane::CSerialConfigDialog</name>
    <message>
        <source>Made by %1</source>
        <translation>Fabricado por %1</translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation>USB %1</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>Número de serie %1</translation>
    </message>
    <message>
        <source>In use by another program</source>
        <translation>En uso por otro programa</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>En uso por %1</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Serial Port Configuration</source>
        <translation>Configuración del puerto serie</translation>
    </message>
    <message>
        <source>Serial Port :</source>
        <translation>Puerto serie :</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path</source>
        <translation>Elija un puerto, o escriba su ruta de dispositivo</translation>
    </message>
    <message>
        <source>%1  (current)</source>
        <translation>%1  (actual)</translation>
    </message>
    <message>
        <source>No serial port found: plug in the adapter.</source>
        <translation>No se encontró ningún puerto serie: enchufe el adaptador.</translation>
    </message>
    <message>
        <source>%1
Not listed by the system</source>
        <translation>%1
No listado por el sistema</translation>
    </message>
    <message>
        <source>&amp;Language :</source>
        <translation>&amp;Idioma :</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language choice that follows the system&apos;s locale.</extracomment>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>El idioma de las ventanas, desde el próximo inicio</translation>
    </message>
    <message>
        <source>Check &amp;connection</source>
        <translation>Comprobar &amp;conexión</translation>
    </message>
    <message>
        <source>Check the chosen port, its adapter and the STB step by step</source>
        <translation>Comprobar paso a paso el puerto elegido, su adaptador y el STB</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelListPrint</name>
    <message>
        <source>Channel list of %1</source>
        <translation>Lista de canales de %1</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelOrderActions</name>
    <message>
        <source>Sort the selected channels by &amp;name and keep it as the order</source>
        <translation>Ordenar los canales elegidos por &amp;nombre y conservar ese orden</translation>
    </message>
    <message>
        <source>Sort the selected channels by &amp;satellite and frequency and keep it as the order</source>
        <translation>Ordenar los canales elegidos por &amp;satélite y frecuencia y conservar ese orden</translation>
    </message>
    <message>
        <source>Sort the selected channels by service &amp;id and keep it as the order</source>
        <translation>Ordenar los canales elegidos por &amp;id de servicio y conservar ese orden</translation>
    </message>
    <message>
        <source>Move to &amp;number...</source>
        <translation>Mover al n&amp;úmero...</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>&amp;Intercambiar</translation>
    </message>
    <message>
        <source>Apply &amp;order from...</source>
        <translation>Aplicar el &amp;orden de...</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>N.º nuevo</translation>
    </message>
    <message>
        <source>New No.: a channel number 0..%1</source>
        <translation>N.º nuevo: un número de canal 0..%1</translation>
    </message>
    <message>
        <source>Move to number</source>
        <translation>Mover al número</translation>
    </message>
    <message>
        <source>The %1 chosen channels from &amp;number:</source>
        <translation>Los %1 canales elegidos desde el &amp;número:</translation>
    </message>
    <message>
        <source>Apply order from</source>
        <translation>Aplicar el orden de</translation>
    </message>
    <message>
        <source>Channel data or lists (*.irz *.txt *.csv);;Channel data (*irz);;All files (*)</source>
        <translation>Datos de canales o listas (*.irz *.txt *.csv);;Datos de canales (*irz);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>dorvane::CopyCleanTools</name>
    <message>
        <source>&amp;Open Second File...</source>
        <translation>&amp;Abrir segundo archivo...</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>&amp;Copiar filas</translation>
    </message>
    <message>
        <source>Show D&amp;uplicates Only</source>
        <translation>Mostrar solo d&amp;uplicados</translation>
    </message>
    <message>
        <source>Select &amp;All Duplicates</source>
        <translation>Seleccionar &amp;todos los duplicados</translation>
    </message>
    <message>
        <source>&amp;Remove Unused Transponders...</source>
        <translation>&amp;Quitar transpondedores sin uso...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Export to P&amp;DF...</source>
        <translation>Exportar a P&amp;DF...</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Copy from Second &amp;File</source>
        <translation>Copiar del segundo &amp;archivo</translation>
    </message>
    <message>
        <source>Open Second File</source>
        <translation>Abrir segundo archivo</translation>
    </message>
    <message>
        <source>Channel data (*.irz);;All files (*)</source>
        <translation>Datos de canales (*.irz);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose satellites, transponders, channels or groups of the second file</source>
        <translation>Elija satélites, transpondedores, canales o grupos del segundo archivo</translation>
    </message>
    <message>
        <source>No duplicates</source>
        <translation>Sin duplicados</translation>
    </message>
    <message>
        <source>%1 duplicates chosen</source>
        <translation>%1 duplicados elegidos</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>1 transpondedor quitado</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>%1 transpondedores quitados</translation>
    </message>
    <message>
        <source>No rows chosen to copy</source>
        <translation>No hay filas elegidas para copiar</translation>
    </message>
    <message>
        <source>1 row copied to the clipboard</source>
        <translation>1 fila copiada al portapapeles</translation>
    </message>
    <message>
        <source>%1 rows copied to the clipboard</source>
        <translation>%1 filas copiadas al portapapeles</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>This build cannot print: use &quot;Export to PDF...&quot; and print the PDF.</source>
        <translation>Esta versión no puede imprimir: use «Exportar a PDF...» e imprima el PDF.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exportar a PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>¡Falló la escritura del archivo!</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>%1 páginas escritas en %2</translation>
    </message>
</context>
<context>
    <name>dorvane::CopySourcePanel</name>
    <message>
        <source>Second file (read-only)</source>
        <translation>Segundo archivo (solo lectura)</translation>
    </message>
    <message>
        <source>&lt;&lt; Co&amp;py into this file</source>
        <translation>&lt;&lt; Co&amp;piar en este archivo</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>SID %1</source>
        <translation>SID %1</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Grupos de favoritos</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 channels</source>
        <translation>%1: %2 satélites, %3 canales</translation>
    </message>
    <message>
        <source>Copies the chosen satellites, transponders, channels and favourite groups (or drag them onto the lists)</source>
        <translation>Copia los satélites, transpondedores, canales y grupos de favoritos elegidos (o arrástrelos a las listas)</translation>
    </message>
</context>
<context>
    <name>dorvane::DialogPrompts</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>No lists are kept yet.</source>
        <translation>Todavía no hay listas guardadas.</translation>
    </message>
    <message>
        <source>Select two lists, or one to compare with the open list.</source>
        <translation>Elija dos listas, o una para comparar con la lista abierta.</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardada en %1</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Compare with &amp;open list</source>
        <translation>Comparar con la lista &amp;abierta</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Open the selected list in the editor; the present one is kept first</source>
        <translation>Abrir la lista elegida en el editor; la actual se guarda antes</translation>
    </message>
    <message>
        <source>Can&apos;t compare: %1</source>
        <translation>No se puede comparar: %1</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryListModel</name>
    <message>
        <source>Boot %1, App %2</source>
        <extracomment>The STB&apos;s versions a kept list came with: its boot loader&apos;s and its application&apos;s.</extracomment>
        <translation>Arranque %1, aplicación %2</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <extracomment>A comparison of two kept lists: from the older to the newer.</extracomment>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>The columns of the kept lists: when a list was kept, where it came from, ...</extracomment>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>STB versions</source>
        <translation>Versiones del STB</translation>
    </message>
    <message>
        <source>Received from the STB</source>
        <extracomment>Where a kept list came from.</extracomment>
        <translation>Recibida del STB</translation>
    </message>
    <message>
        <source>Replaced by a save</source>
        <translation>Reemplazada al guardar</translation>
    </message>
    <message>
        <source>Open before a restore</source>
        <translation>Abierta antes de restaurar</translation>
    </message>
</context>
<context>
    <name>dorvane::IntegerEdit</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
</context>
<context>
    <name>dorvane::ListColumns</name>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
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
        <translation>Frec/Pol</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posición</translation>
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
        <translation>Frec.</translation>
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
        <translation>Abriendo</translation>
    </message>
    <message>
        <source>Waiting for the STB</source>
        <translation>Esperando al STB</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>Transfiriendo</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>Switch the STB off</source>
        <translation>Apague el STB</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Port unusable</source>
        <translation>Puerto inutilizable</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>The result of the last STB of a port in the Station view.</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>verify failed</source>
        <translation>verificación fallida</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>sin confirmar</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>no iniciado</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>tiempo agotado</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>port error</source>
        <translation>error de puerto</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallido</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progreso de %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>%p % (%1:%2 left)</source>
        <translation>%p % (quedan %1:%2)</translation>
    </message>
    <message>
        <source>No STB done yet</source>
        <translation>Ningún STB terminado aún</translation>
    </message>
    <message>
        <source>Last: %1 (%2 of %3 ok)</source>
        <translation>Último: %1 (%2 de %3 ok)</translation>
    </message>
    <message>
        <source>Boot loader %1, application %2</source>
        <translation>Cargador de arranque %1, aplicación %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>dorvane::StationWindow</name>
    <message>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Puertos</translation>
    </message>
    <message>
        <source>Start all</source>
        <translation>Iniciar todos</translation>
    </message>
    <message>
        <source>Stop all</source>
        <translation>Detener todos</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>no report</source>
        <translation>sin informe</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>Archivo de informe:</translation>
    </message>
    <message>
        <source>Next STB after each</source>
        <translation>Siguiente STB tras cada uno</translation>
    </message>
    <message>
        <source>Verify channel data</source>
        <translation>Verificar datos de canales</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>Descarga forzada</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>Puerto que añadir</translation>
    </message>
    <message>
        <source>Add port</source>
        <translation>Añadir puerto</translation>
    </message>
    <message>
        <source>Add USB adapters</source>
        <translation>Añadir adaptadores USB</translation>
    </message>
    <message>
        <source>File for every STB</source>
        <translation>Archivo para cada STB</translation>
    </message>
    <message>
        <source>Report file</source>
        <translation>Archivo de informe</translation>
    </message>
    <message>
        <source>Choose the file every STB gets.</source>
        <translation>Elija el archivo que recibe cada STB.</translation>
    </message>
    <message>
        <source>Verify is for channel data: this file is not.</source>
        <translation>Verificar es para datos de canales: este archivo no lo es.</translation>
    </message>
    <message>
        <source>Done: 0   Failed: 0   STBs per hour: 0</source>
        <translation>Hechos: 0   Fallidos: 0   STB por hora: 0</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   STBs per hour: %3</source>
        <translation>Hechos: %1   Fallidos: %2   STB por hora: %3</translation>
    </message>
    <message>
        <source>   Report: %1</source>
        <translation>   Informe: %1</translation>
    </message>
    <message>
        <source>An STB is writing its memory. Close anyway and leave it mid-write?</source>
        <translation>Un STB está escribiendo su memoria. ¿Cerrar de todos modos y dejarlo a medio escribir?</translation>
    </message>
</context>
<context>
    <name>dorvane::reference_preview_dialog</name>
    <message>
        <source>sat %1</source>
        <translation>sat %1</translation>
    </message>
    <message>
        <source>sid %1</source>
        <translation>sid %1</translation>
    </message>
</context>
</TS>
