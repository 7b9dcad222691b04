<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CoreText</name>
    <message>
        <source>Please, Open a File to be downloaded!</source>
        <translation>Veuillez ouvrir un fichier à télécharger !</translation>
    </message>
    <message>
        <source>Can&apos;t open Serial Port! Please, Check your Serial port setting!</source>
        <translation>Impossible d&apos;ouvrir le port série ! Veuillez vérifier le réglage du port série !</translation>
    </message>
    <message>
        <source>Before download start, You should turn off the Power of STB</source>
        <translation>Avant de lancer le téléchargement, vous devez éteindre le STB</translation>
    </message>
    <message>
        <source>Before upload start, You should turn on the Power of STB and activate &apos;PC COM&apos; item in &apos;Software Transfer&apos; menu</source>
        <translation>Avant de lancer l&apos;envoi, vous devez allumer le STB et activer l&apos;option &apos;PC COM&apos; du menu &apos;Software Transfer&apos;</translation>
    </message>
    <message>
        <source>This image can&apos;t be downloaded your STB!</source>
        <translation>Cette image ne peut pas être téléchargée dans votre STB !</translation>
    </message>
    <message>
        <source>Downloading stopped successfully.</source>
        <translation>Téléchargement arrêté avec succès.</translation>
    </message>
    <message>
        <source>You should Check LCD window whether STB has remain job or not!</source>
        <translation>Vérifiez sur l&apos;afficheur LCD si le STB a encore une tâche en cours !</translation>
    </message>
    <message>
        <source>Your STB will restart now!</source>
        <translation>Votre STB va redémarrer maintenant !</translation>
    </message>
    <message>
        <source>Timeout occurred! Please, Check your STB, And retry!</source>
        <translation>Délai dépassé ! Veuillez vérifier votre STB et réessayer !</translation>
    </message>
    <message>
        <source>Serial Port Error! The port stopped working.</source>
        <translation>Erreur du port série ! Le port a cessé de fonctionner.</translation>
    </message>
    <message>
        <source>Serial Port Error! Please, Check your Serial port and STB, And retry!</source>
        <translation>Erreur du port série ! Veuillez vérifier le port série et le STB, puis réessayer !</translation>
    </message>
    <message>
        <source>Transferring failed! Too many errors on the line.</source>
        <translation>Échec du transfert ! Trop d&apos;erreurs sur la ligne.</translation>
    </message>
    <message>
        <source>Too many errors on the line! Please, Check your cable and STB, And retry!</source>
        <translation>Trop d&apos;erreurs sur la ligne ! Veuillez vérifier le câble et le STB, puis réessayer !</translation>
    </message>
    <message>
        <source>Uploading failed!</source>
        <translation>Échec de l&apos;envoi !</translation>
    </message>
    <message>
        <source>Uploading failed! The file was not changed. Please, Check your STB, And retry!</source>
        <translation>Échec de l&apos;envoi ! Le fichier n&apos;a pas été modifié. Veuillez vérifier votre STB et réessayer !</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The received data is not channel data: %1.</source>
        <translation>Les données reçues ne sont pas des données de chaînes : %1.</translation>
    </message>
    <message>
        <source>The STB announced %1 bytes and sent %2.</source>
        <translation>Le STB a annoncé %1 octets et en a envoyé %2.</translation>
    </message>
    <message>
        <source>All the data arrived, but the STB did not end the file (it may have restarted).</source>
        <translation>Toutes les données sont arrivées, mais le STB n&apos;a pas terminé le fichier (il a peut-être redémarré).</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>Impossible d&apos;ouvrir un fichier pendant un téléchargement...</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory.</source>
        <translation>Le STB ne répond plus pendant l&apos;écriture de sa mémoire.</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory!</source>
        <translation>Le STB ne répond plus pendant l&apos;écriture de sa mémoire !</translation>
    </message>
    <message>
        <source>Do not switch it off until its own display says it is done.</source>
        <translation>Ne l&apos;éteignez pas avant que son propre afficheur indique la fin.</translation>
    </message>
    <message>
        <source>Downloading failed! The file could not be read to its end: %1</source>
        <translation>Échec du téléchargement ! Le fichier n&apos;a pas pu être lu jusqu&apos;au bout : %1</translation>
    </message>
    <message>
        <source>The STB restarted before it finished writing! The image was not written.</source>
        <translation>Le STB a redémarré avant la fin de l&apos;écriture ! L&apos;image n&apos;a pas été écrite.</translation>
    </message>
    <message>
        <source>Please, Switch off the STB, start the download, then switch on the STB.</source>
        <translation>Veuillez éteindre le STB, lancer le téléchargement, puis allumer le STB.</translation>
    </message>
    <message>
        <source>The STB offered more than one file; only the first was received.</source>
        <translation>Le STB a proposé plus d&apos;un fichier ; seul le premier a été reçu.</translation>
    </message>
    <message>
        <source>The file is empty! There is nothing to download.</source>
        <translation>Le fichier est vide ! Il n&apos;y a rien à télécharger.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, more than any STB takes! Check the file, or use Forced download to send it anyway.</source>
        <translation>Le fichier dépasse %1 Mio, plus qu&apos;aucun STB n&apos;accepte ! Vérifiez le fichier, ou utilisez le téléchargement forcé pour l&apos;envoyer quand même.</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: it is a folder!</source>
        <translation>Impossible d&apos;enregistrer l&apos;envoi dans %1 : c&apos;est un dossier !</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder does not exist!</source>
        <translation>Impossible d&apos;enregistrer l&apos;envoi dans %1 : son dossier n&apos;existe pas !</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder cannot be written!</source>
        <translation>Impossible d&apos;enregistrer l&apos;envoi dans %1 : son dossier n&apos;est pas accessible en écriture !</translation>
    </message>
    <message>
        <source>Transferring canceled!</source>
        <translation>Transfert annulé !</translation>
    </message>
    <message>
        <source>Do you want to stop the downloading?</source>
        <translation>Voulez-vous arrêter le téléchargement ?</translation>
    </message>
    <message>
        <source>Do you want to stop the uploading?</source>
        <translation>Voulez-vous arrêter l&apos;envoi ?</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The Download and Upload buttons while a transfer runs.</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Waiting Turning on STB...</source>
        <extracomment>The progress bar while the STB is switched off, before a download.</extracomment>
        <translation>Attente de l&apos;allumage du STB...</translation>
    </message>
    <message>
        <source>Wait Upload Data...</source>
        <translation>Attente des données...</translation>
    </message>
    <message>
        <source>Transferring timeout occurred!</source>
        <translation>Délai de transfert dépassé !</translation>
    </message>
    <message>
        <source>%1 bps</source>
        <translation>%1 bps</translation>
    </message>
    <message>
        <source>Wait writing image end...</source>
        <translation>Attente de la fin d&apos;écriture...</translation>
    </message>
    <message>
        <source>STB Boot Ver : %1</source>
        <translation>Version boot STB : %1</translation>
    </message>
    <message>
        <source>STB App Ver : %1</source>
        <translation>Version appli STB : %1</translation>
    </message>
    <message>
        <source>Uploading %1% ...</source>
        <translation>Envoi %1% ...</translation>
    </message>
    <message>
        <source>Downloading %1% ...</source>
        <translation>Téléchargement %1% ...</translation>
    </message>
    <message>
        <source>Downloading process started.</source>
        <translation>Téléchargement lancé.</translation>
    </message>
    <message>
        <source>Uploading process started.</source>
        <translation>Envoi lancé.</translation>
    </message>
    <message>
        <source>Send upload command and wait ack..</source>
        <translation>Commande d&apos;envoi transmise, attente de l&apos;accusé..</translation>
    </message>
    <message>
        <source>Transferring ended.</source>
        <translation>Transfert terminé.</translation>
    </message>
    <message>
        <source>Writing Image started.</source>
        <translation>Écriture de l&apos;image lancée.</translation>
    </message>
    <message>
        <source>Transferring started.</source>
        <translation>Transfert lancé.</translation>
    </message>
    <message>
        <source>Transferring started!</source>
        <translation>Transfert lancé !</translation>
    </message>
    <message>
        <source>Serial Port Internal Error: Write</source>
        <translation>Erreur interne du port série : écriture</translation>
    </message>
    <message>
        <source>Uploading failed! %1</source>
        <translation>Échec de l&apos;envoi ! %1</translation>
    </message>
    <message>
        <source>Uploading data is kept in</source>
        <translation>Les données reçues sont conservées dans</translation>
    </message>
    <message>
        <source>The received data is kept in %1</source>
        <translation>Les données reçues sont conservées dans %1</translation>
    </message>
    <message>
        <source>%1 The received data is kept in %2</source>
        <translation>%1 Les données reçues sont conservées dans %2</translation>
    </message>
    <message>
        <source>Writing Image stopped.</source>
        <translation>Écriture de l&apos;image arrêtée.</translation>
    </message>
    <message>
        <source>Writing image stopped.</source>
        <translation>Écriture de l&apos;image arrêtée.</translation>
    </message>
    <message>
        <source>Downloading stopped successfully!</source>
        <translation>Téléchargement arrêté avec succès !</translation>
    </message>
    <message>
        <source>Uploading finished successfully!</source>
        <translation>Envoi terminé avec succès !</translation>
    </message>
    <message>
        <source>Uploading data is saved to</source>
        <translation>Les données reçues sont enregistrées dans</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 differs from the STB&apos;s %2.</source>
        <translation>Le code acheteur %1 de l&apos;image diffère de celui du STB, %2.</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 does not match the STB&apos;s.</source>
        <translation>Le code acheteur %1 de l&apos;image ne correspond pas à celui du STB.</translation>
    </message>
    <message>
        <source>&quot;Forced download&quot; (command line: --forced) downloads it anyway.</source>
        <translation>« Téléchargement forcé » (ligne de commande : --forced) la télécharge quand même.</translation>
    </message>
    <message>
        <source>No receiver answered on %1: check the cable and the port, and that the STB is switched on (for a download: after the start; for an upload: with its &apos;PC COM&apos; item active).</source>
        <translation>Aucun récepteur n&apos;a répondu sur %1 : vérifiez le câble et le port, et que le STB est allumé (pour un téléchargement : après le lancement ; pour un envoi : avec son option &apos;PC COM&apos; active).</translation>
    </message>
    <message>
        <source>%1 bytes in %2 s (%3 bytes/s), %4 blocks, %5 resent, %6 time-outs</source>
        <translation>%1 octets en %2 s (%3 octets/s), %4 blocs, %5 renvoyés, %6 délais dépassés</translation>
    </message>
    <message>
        <source>%1 port was opened successfully!</source>
        <translation>Le port %1 a été ouvert avec succès !</translation>
    </message>
    <message>
        <source>Port(%1) open failed.</source>
        <translation>Échec de l&apos;ouverture du port(%1).</translation>
    </message>
    <message>
        <source>Port(%1) failed: %2</source>
        <translation>Le port(%1) a échoué : %2</translation>
    </message>
    <message>
        <source>buff full</source>
        <translation>tampon plein</translation>
    </message>
    <message>
        <source>%1 does not exist: the adapter is unplugged or the name is wrong. Plug it in, or choose one of the ports that Configure or &apos;dorvane ports&apos; lists.</source>
        <translation>%1 n&apos;existe pas : l&apos;adaptateur est débranché ou le nom est faux. Branchez-le, ou choisissez un des ports listés par Configurer ou &apos;dorvane ports&apos;.</translation>
    </message>
    <message>
        <source>No serial port is there: plug in the adapter.</source>
        <translation>Aucun port série : branchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>The serial ports are: %1.</source>
        <translation>Les ports série sont : %1.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2. %3</source>
        <translation>%1 n&apos;est pas un port série : c&apos;est %2. %3</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a plain file</source>
        <translation>un fichier ordinaire</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>pas un périphérique</translation>
    </message>
    <message>
        <source>a device that is not a serial line</source>
        <translation>un périphérique qui n&apos;est pas une ligne série</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Close that program, or choose another port.</source>
        <translation>%1 est utilisé par %2. Fermez ce programme, ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <translation>%1 est utilisé par un autre programme. Fermez ce programme, ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>Permission denied on %1: your user is not in the &apos;%2&apos; group. Join it with &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>Permission refusée sur %1 : votre utilisateur n&apos;est pas dans le groupe &apos;%2&apos;. Rejoignez-le avec &apos;sudo usermod -aG %2 $USER&apos;, puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1 has gone away: the adapter was unplugged. Plug it back in and retry.</source>
        <translation>%1 a disparu : l&apos;adaptateur a été débranché. Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>%1 stopped working: %2.</source>
        <translation>%1 a cessé de fonctionner : %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>the first USB serial adapter found</source>
        <translation>le premier adaptateur série USB trouvé</translation>
    </message>
    <message>
        <source>the first USB serial adapter found (%1)</source>
        <translation>le premier adaptateur série USB trouvé (%1)</translation>
    </message>
    <message>
        <source>the first serial port found</source>
        <translation>le premier port série trouvé</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Échec de l&apos;écriture du fichier !</translation>
    </message>
    <message>
        <source>Channel data file is truncated!</source>
        <translation>Le fichier de données de chaînes est tronqué !</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 n&apos;a pas pu être ouvert car trop de fichiers sont ouverts.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L&apos;accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Une violation de partage s&apos;est produite lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Une erreur matérielle d&apos;E/S a été signalée lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disque plein lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Une erreur inattendue s&apos;est produite lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>This file cannot be written back without losing data: %1.</source>
        <translation>Ce fichier ne peut pas être réécrit sans perte de données : %1.</translation>
    </message>
    <message>
        <source>Data is unavailable!</source>
        <translation>Les données ne sont pas disponibles !</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <extracomment>The editor&apos;s window title.</extracomment>
        <translation>Modifier les données du récepteur</translation>
    </message>
    <message>
        <source>Edit Receiver Data - %1</source>
        <translation>Modifier les données du récepteur - %1</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 trouvé(s)</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected satellites</source>
        <translation>%1 trouvé(s), %2 dans les satellites choisis</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected transponders</source>
        <translation>%1 trouvé(s), %2 dans les transpondeurs choisis</translation>
    </message>
    <message>
        <source>Choose channels in the list below to add them to the group</source>
        <translation>Choisissez des chaînes dans la liste ci-dessous pour les ajouter au groupe</translation>
    </message>
    <message>
        <source>Choose one transponder to copy, or one satellite without transponders</source>
        <translation>Choisissez un transpondeur à copier, ou un satellite sans transpondeur</translation>
    </message>
    <message>
        <source>Satellites are added with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>Les satellites s&apos;ajoutent avec « Tous sat » choisi ; choisissez d&apos;abord une liste</translation>
    </message>
    <message>
        <source>Choose a list first</source>
        <translation>Choisissez d&apos;abord une liste</translation>
    </message>
    <message>
        <source>Choose members of the group to delete them</source>
        <translation>Choisissez des membres du groupe pour les supprimer</translation>
    </message>
    <message>
        <source>Satellites are deleted with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>Les satellites se suppriment avec « Tous sat » choisi ; choisissez d&apos;abord une liste</translation>
    </message>
    <message>
        <source>Choose what to delete first</source>
        <translation>Choisissez d&apos;abord ce qu&apos;il faut supprimer</translation>
    </message>
    <message>
        <source>Choose members of the group to move them</source>
        <translation>Choisissez des membres du groupe pour les déplacer</translation>
    </message>
    <message>
        <source>Channels are moved within a single satellite, or across all of them with every satellite chosen</source>
        <translation>Les chaînes se déplacent dans un seul satellite, ou entre tous quand chaque satellite est choisi</translation>
    </message>
    <message>
        <source>Choose channels to move first</source>
        <translation>Choisissez d&apos;abord les chaînes à déplacer</translation>
    </message>
    <message>
        <source>You must select another destination</source>
        <translation>Vous devez choisir une autre destination</translation>
    </message>
    <message>
        <source>Finish or cancel the pending move first</source>
        <translation>Terminez ou annulez d&apos;abord le déplacement en cours</translation>
    </message>
    <message>
        <source>Channels are dropped on a channel of the list to move them</source>
        <translation>Déposez les chaînes sur une chaîne de la liste pour les déplacer</translation>
    </message>
    <message>
        <source>Drop channels on a group or its members, or members on a member</source>
        <translation>Déposez des chaînes sur un groupe ou ses membres, ou des membres sur un membre</translation>
    </message>
    <message>
        <source>Channels are ordered in the &quot;Satellite&quot; view</source>
        <translation>Les chaînes se classent dans la vue « Satellite »</translation>
    </message>
    <message>
        <source>Finish the add first</source>
        <translation>Terminez d&apos;abord l&apos;ajout</translation>
    </message>
    <message>
        <source>Choose exactly two channels to swap them</source>
        <translation>Choisissez exactement deux chaînes pour les échanger</translation>
    </message>
    <message>
        <source>Choose channels first</source>
        <translation>Choisissez d&apos;abord des chaînes</translation>
    </message>
    <message>
        <source>Cannot add satellite</source>
        <translation>Impossible d&apos;ajouter le satellite</translation>
    </message>
    <message>
        <source>Cannot add transponder</source>
        <translation>Impossible d&apos;ajouter le transpondeur</translation>
    </message>
    <message>
        <source>Cannot add channel</source>
        <translation>Impossible d&apos;ajouter la chaîne</translation>
    </message>
    <message>
        <source>Max Favorite Count!!</source>
        <translation>Nombre maximal de favoris atteint !!</translation>
    </message>
    <message>
        <source>Favorite Group empty!!</source>
        <translation>Groupe de favoris vide !!</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3?</source>
        <translation>Supprimer %1, leurs %2 et %3 ?</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3 (%4)?</source>
        <translation>Supprimer %1, leurs %2 et %3 (%4) ?</translation>
    </message>
    <message>
        <source>Delete %1 and their %2?</source>
        <translation>Supprimer %1 et leurs %2 ?</translation>
    </message>
    <message>
        <source>Delete %1 and their %2 (%3)?</source>
        <translation>Supprimer %1 et leurs %2 (%3) ?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer %1 ?</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <translation>Supprimer %1 (%2) ?</translation>
    </message>
    <message>
        <source>1 satellite</source>
        <translation>1 satellite</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 satellites</translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation>1 transpondeur</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transpondeurs</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 chaîne</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 chaînes</translation>
    </message>
    <message>
        <source>1 favourite entry</source>
        <translation>1 entrée de favoris</translation>
    </message>
    <message>
        <source>%1 favourite entries</source>
        <translation>%1 entrées de favoris</translation>
    </message>
    <message>
        <source>1 duplicate</source>
        <translation>1 doublon</translation>
    </message>
    <message>
        <source>%1 duplicates</source>
        <translation>%1 doublons</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 ajouté(s)</translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation>%1 remplacé(s)</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 ignoré(s)</translation>
    </message>
    <message>
        <source>%1 not copied (no room)</source>
        <translation>%1 non copié(s) (plus de place)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>Nothing was copied.</source>
        <translation>Rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>1 of the channels to copy is already in this file (the same satellite, transponder and service id).</source>
        <translation>1 des chaînes à copier est déjà dans ce fichier (même satellite, transpondeur et identifiant de service).</translation>
    </message>
    <message>
        <source>%1 of the channels to copy are already in this file (the same satellite, transponder and service id).</source>
        <translation>%1 des chaînes à copier sont déjà dans ce fichier (même satellite, transpondeur et identifiant de service).</translation>
    </message>
    <message>
        <source>Skip them, replace the ones here, or keep both?</source>
        <translation>Les ignorer, remplacer celles d&apos;ici, ou garder les deux ?</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Every transponder carries a channel: none removed.</source>
        <translation>Chaque transpondeur porte une chaîne : aucun supprimé.</translation>
    </message>
    <message>
        <source>Remove %1 without a channel?</source>
        <translation>Supprimer %1 sans chaîne ?</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Nouvelle chaîne</translation>
    </message>
    <message>
        <source>This file cannot be saved: it holds data the editor would lose (%1).</source>
        <translation>Ce fichier ne peut pas être enregistré : il contient des données que l&apos;éditeur perdrait (%1).</translation>
    </message>
    <message>
        <source>%1 Not saved.</source>
        <translation>%1 Non enregistré.</translation>
    </message>
    <message>
        <source>The check before saving found:</source>
        <translation>La vérification avant l&apos;enregistrement a trouvé :</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Rien n&apos;a été importé : %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>The file cannot tell such channels apart: the favourite may come back as the lower-numbered one.</source>
        <translation>Le fichier ne distingue pas de telles chaînes : le favori peut revenir comme celle de plus petit numéro.</translation>
    </message>
    <message>
        <source>v%1 (build #%2)</source>
        <extracomment>The version in the About box: the version and the build number.</extracomment>
        <translation>v%1 (build n° %2)</translation>
    </message>
    <message>
        <source>File Name : %1</source>
        <translation>Nom du fichier : %1</translation>
    </message>
    <message>
        <source>Image Type : %1</source>
        <translation>Type d&apos;image : %1</translation>
    </message>
    <message>
        <source>File Size : %1 bytes</source>
        <translation>Taille du fichier : %1 octets</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>%1 (build #%2)</source>
        <translation>%1 (build n° %2)</translation>
    </message>
    <message>
        <source>Build Date : %1 (%2)</source>
        <translation>Date de build : %1 (%2)</translation>
    </message>
    <message>
        <source>Buyer : %1</source>
        <extracomment>The image&apos;s buyer code (who the firmware was made for).</extracomment>
        <translation>Acheteur : %1</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s application answers (an upload; a download needs it switched off).</source>
        <translation>Un transfert peut démarrer : l&apos;application du STB répond (un envoi ; un téléchargement le demande éteint).</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s boot loader asks for a file (download).</source>
        <translation>Un transfert peut démarrer : le chargeur d&apos;amorçage du STB demande un fichier (téléchargement).</translation>
    </message>
    <message>
        <source>The port opens at 115,200 8N1; the STB was not asked.</source>
        <translation>Le port s&apos;ouvre en 115,200 8N1 ; le STB n&apos;a pas été interrogé.</translation>
    </message>
    <message>
        <source>The port and the plug pass every byte. Fit the STB&apos;s cable instead and check again.</source>
        <translation>Le port et la fiche transmettent chaque octet. Branchez plutôt le câble du STB et vérifiez à nouveau.</translation>
    </message>
    <message>
        <source>No transfer can start yet: see the problems above.</source>
        <translation>Aucun transfert ne peut encore démarrer : voir les problèmes ci-dessus.</translation>
    </message>
    <message>
        <source>the port failed during the check.</source>
        <translation>le port a lâché pendant la vérification.</translation>
    </message>
    <message>
        <source>The adapter was unplugged or its driver gave up: plug it in again and check again.</source>
        <translation>L&apos;adaptateur a été débranché ou son pilote a abandonné : rebranchez-le et vérifiez à nouveau.</translation>
    </message>
    <message>
        <source>stopped before its end.</source>
        <translation>arrêté avant la fin.</translation>
    </message>
    <message>
        <source>not tried: %1</source>
        <translation>non essayé : %1</translation>
    </message>
    <message>
        <source>the port did not open.</source>
        <translation>le port ne s&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>no loop-back plug fitted (%1 tests one: TX joined to RX).</source>
        <translation>aucune fiche de bouclage en place (%1 en teste une : TX relié à RX).</translation>
    </message>
    <message>
        <source>%1 bytes sent, %2 back: %3 lost, %4 garbled, %5 extra; %6 bytes/s back (the line carries %7).</source>
        <translation>%1 octets envoyés, %2 revenus : %3 perdus, %4 altérés, %5 en trop ; %6 octets/s en retour (la ligne en porte %7).</translation>
    </message>
    <message>
        <source>Nothing came back: the plug is not fitted, TX and RX are not joined, or the adapter does not send.</source>
        <translation>Rien n&apos;est revenu : la fiche n&apos;est pas en place, TX et RX ne sont pas reliés, ou l&apos;adaptateur n&apos;émet pas.</translation>
    </message>
    <message>
        <source>The adapter or its cable loses or garbles bytes: try another cable, another USB socket (not a hub) or another adapter.</source>
        <translation>L&apos;adaptateur ou son câble perd ou altère des octets : essayez un autre câble, une autre prise USB (pas un hub) ou un autre adaptateur.</translation>
    </message>
    <message>
        <source>the loop-back plug is fitted instead of the STB.</source>
        <translation>la fiche de bouclage est en place au lieu du STB.</translation>
    </message>
    <message>
        <source>the STB&apos;s application answered the link test (BEL, ACK): an upload can start.</source>
        <translation>l&apos;application du STB a répondu au test de liaison (BEL, ACK) : un envoi peut démarrer.</translation>
    </message>
    <message>
        <source>For a download switch the STB off, start the download, then switch it on.</source>
        <translation>Pour un téléchargement, éteignez le STB, lancez le téléchargement, puis allumez-le.</translation>
    </message>
    <message>
        <source>the STB&apos;s boot loader asks for a file (&apos;C&apos;): a download can start now; an upload needs its application.</source>
        <translation>le chargeur d&apos;amorçage du STB demande un fichier (&apos;C&apos;) : un téléchargement peut démarrer maintenant ; un envoi demande son application.</translation>
    </message>
    <message>
        <source>what the PC sends comes back (%1 of %2 BELs): the line is looped.</source>
        <translation>ce que le PC envoie revient (%1 sur %2 BEL) : la ligne est bouclée.</translation>
    </message>
    <message>
        <source>A loop-back plug or a cable that joins TX to RX is fitted, not the STB&apos;s cable.</source>
        <translation>Une fiche de bouclage ou un câble reliant TX à RX est branché, pas le câble du STB.</translation>
    </message>
    <message>
        <source>bytes came that answer nothing (%1).</source>
        <translation>des octets sont arrivés qui ne répondent à rien (%1).</translation>
    </message>
    <message>
        <source>Another device is on the line, or it runs at another speed than 115,200 bit/s.</source>
        <translation>Un autre appareil est sur la ligne, ou il tourne à une autre vitesse que 115,200 bit/s.</translation>
    </message>
    <message>
        <source>no answer to %1 link tests (BEL, waited %2 ms each).</source>
        <translation>aucune réponse à %1 tests de liaison (BEL, %2 ms d&apos;attente chacun).</translation>
    </message>
    <message>
        <source>Most likely, in this order: the STB is off; its application runs with &quot;PC COM&quot; off (an upload needs that menu item on); the cable lacks the right wires (the PC&apos;s TX must reach the STB&apos;s RX and the STB&apos;s TX the PC&apos;s RX, with ground joined: a null-modem cable).</source>
        <translation>Le plus probable, dans cet ordre : le STB est éteint ; son application tourne avec &quot;PC COM&quot; désactivé (un envoi demande cet élément de menu activé) ; il manque au câble les bons fils (le TX du PC doit atteindre le RX du STB et le TX du STB le RX du PC, masse reliée : un câble null-modem).</translation>
    </message>
    <message>
        <source>already asking for a file.</source>
        <translation>demande déjà un fichier.</translation>
    </message>
    <message>
        <source>not needed: the application answers.</source>
        <translation>inutile : l&apos;application répond.</translation>
    </message>
    <message>
        <source>not asked to switch the STB off and on (%1).</source>
        <translation>pas demandé d&apos;éteindre et rallumer le STB (%1).</translation>
    </message>
    <message>
        <source>Switch the STB off, wait two seconds and switch it on again: waiting up to %1 s for its boot loader.</source>
        <translation>Éteignez le STB, attendez deux secondes et rallumez-le : attente de son chargeur d&apos;amorçage jusqu&apos;à %1 s.</translation>
    </message>
    <message>
        <source>the boot loader asked for a file (&apos;C&apos;) %1 s after the request: cable and STB work, a download can start.</source>
        <translation>le chargeur d&apos;amorçage a demandé un fichier (&apos;C&apos;) %1 s après la demande : câble et STB fonctionnent, un téléchargement peut démarrer.</translation>
    </message>
    <message>
        <source>No application answered the link test before: the STB was off, or its application has &quot;PC COM&quot; off (an upload needs that menu item on).</source>
        <translation>Aucune application n&apos;a répondu au test de liaison auparavant : le STB était éteint, ou son application a &quot;PC COM&quot; désactivé (un envoi demande cet élément de menu activé).</translation>
    </message>
    <message>
        <source>no &apos;C&apos; within %1 s.</source>
        <translation>aucun &apos;C&apos; en %1 s.</translation>
    </message>
    <message>
        <source>The STB did not start, or what it sends does not reach the PC: check its power, and that the cable is a null-modem cable (TX and RX crossed, ground joined).</source>
        <translation>Le STB n&apos;a pas démarré, ou ce qu&apos;il envoie n&apos;atteint pas le PC : vérifiez son alimentation, et que le câble est un câble null-modem (TX et RX croisés, masse reliée).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Plug the adapter in, or choose another port.</source>
        <translation>Branchez l&apos;adaptateur, ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2.</source>
        <translation>%1 n&apos;est pas un port série : c&apos;est %2.</translation>
    </message>
    <message>
        <source>a serial line the system lists as no adapter (a pseudo-terminal or a port of its own)</source>
        <translation>une ligne série que le système ne rattache à aucun adaptateur (un pseudo-terminal ou un port propre)</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Choisissez un port série.</translation>
    </message>
    <message>
        <source>Windows keeps no permissions on COM ports; a port another program holds shows when it is opened.</source>
        <translation>Windows ne gère pas de droits sur les ports COM ; un port tenu par un autre programme se révèle à l&apos;ouverture.</translation>
    </message>
    <message>
        <source>there is no serial port to look at.</source>
        <translation>il n&apos;y a aucun port série à examiner.</translation>
    </message>
    <message>
        <source>%1 may read and write it (group &apos;%2&apos;, mode %3).</source>
        <translation>%1 peut le lire et l&apos;écrire (groupe &apos;%2&apos;, mode %3).</translation>
    </message>
    <message>
        <source>%1 may not read and write it (group &apos;%2&apos;, %3; mode %4).</source>
        <translation>%1 ne peut pas le lire et l&apos;écrire (groupe &apos;%2&apos;, %3 ; mode %4).</translation>
    </message>
    <message>
        <source>you are in it</source>
        <translation>vous en faites partie</translation>
    </message>
    <message>
        <source>you are not in it</source>
        <translation>vous n&apos;en faites pas partie</translation>
    </message>
    <message>
        <source>The device&apos;s mode shuts its group out: &apos;sudo chmod g+rw %1&apos; until it is plugged in again; a udev rule that sets MODE=&quot;0660&quot; keeps it.</source>
        <translation>Le mode du périphérique exclut son groupe : &apos;sudo chmod g+rw %1&apos; jusqu&apos;au prochain branchement ; une règle udev qui fixe MODE=&quot;0660&quot; le garde.</translation>
    </message>
    <message>
        <source>You are listed in &apos;%1&apos; but this session started before that: log out and in again (or run &apos;newgrp %1&apos;).</source>
        <translation>Vous êtes inscrit dans &apos;%1&apos;, mais cette session a démarré avant : déconnectez-vous et reconnectez-vous (ou lancez &apos;newgrp %1&apos;).</translation>
    </message>
    <message>
        <source>The device belongs to root alone. A udev rule giving it to the &apos;dialout&apos; group (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) lets the group in; then join it with &apos;sudo usermod -aG dialout $USER&apos; and log out and in again.</source>
        <translation>Le périphérique appartient à root seul. Une règle udev qui le donne au groupe &apos;dialout&apos; (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) laisse entrer le groupe ; rejoignez-le ensuite avec &apos;sudo usermod -aG dialout $USER&apos; puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Join the group: &apos;sudo usermod -aG %1 $USER&apos;, then log out and in again.</source>
        <translation>Rejoignez le groupe : &apos;sudo usermod -aG %1 $USER&apos;, puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Windows tells who holds a port only by refusing to open it: see the line settings.</source>
        <translation>Windows ne dit qui tient un port qu&apos;en refusant de l&apos;ouvrir : voir les réglages de ligne.</translation>
    </message>
    <message>
        <source>in use by %1.</source>
        <translation>utilisé par %1.</translation>
    </message>
    <message>
        <source>The other end of this pseudo-terminal is %1.</source>
        <translation>L&apos;autre bout de ce pseudo-terminal est %1.</translation>
    </message>
    <message>
        <source>Close that program (or end it with &apos;kill %1&apos;), then check again.</source>
        <translation>Fermez ce programme (ou terminez-le avec &apos;kill %1&apos;), puis vérifiez à nouveau.</translation>
    </message>
    <message>
        <source>no other program holds it (lock files and open files looked at).</source>
        <translation>aucun autre programme ne le tient (fichiers de verrou et fichiers ouverts examinés).</translation>
    </message>
    <message>
        <source>the port does not exist.</source>
        <translation>le port n&apos;existe pas.</translation>
    </message>
    <message>
        <source>it is no serial port.</source>
        <translation>ce n&apos;est pas un port série.</translation>
    </message>
    <message>
        <source>this user may not open the port.</source>
        <translation>cet utilisateur ne peut pas ouvrir le port.</translation>
    </message>
    <message>
        <source>%1 holds the port; opening it would take bytes from it.</source>
        <translation>%1 tient le port ; l&apos;ouvrir lui prendrait des octets.</translation>
    </message>
    <message>
        <source>115,200 bit/s, 8 data bits, no parity, 1 stop bit, no flow control: accepted.</source>
        <translation>115,200 bit/s, 8 bits de données, sans parité, 1 bit d&apos;arrêt, sans contrôle de flux : accepté.</translation>
    </message>
    <message>
        <source>the port did not open at 115,200 8N1: %1.</source>
        <translation>le port ne s&apos;est pas ouvert en 115,200 8N1 : %1.</translation>
    </message>
    <message>
        <source>The STB does not report its writing: check its display.</source>
        <translation>Le STB ne signale pas son écriture : regardez son afficheur.</translation>
    </message>
    <message>
        <source>Can&apos;t write the report to %1: %2</source>
        <translation>Impossible d&apos;écrire le rapport dans %1 : %2</translation>
    </message>
    <message>
        <source>%1 Switching the STB off and on during a check (%2) tells which.</source>
        <translation>%1 Éteindre et rallumer le STB pendant une vérification (%2) permet de trancher.</translation>
    </message>
    <message>
        <source>made by %1</source>
        <translation>fabriqué par %1</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>numéro de série %1</translation>
    </message>
    <message>
        <source>idle</source>
        <extracomment>A transfer&apos;s phase, in its figures: &quot;transferring 3/10 blocks&quot;.</extracomment>
        <translation>inactif</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>transferring</source>
        <translation>transfert</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>%1 %2% %3/%4 blocks</source>
        <extracomment>The phase, how far the STB has written, blocks sent of all.</extracomment>
        <translation>%1 %2% %3/%4 blocs</translation>
    </message>
    <message>
        <source>%1 %2/%3 blocks</source>
        <translation>%1 %2/%3 blocs</translation>
    </message>
    <message>
        <source>%1 %2 blocks</source>
        <translation>%1 %2 blocs</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 octets</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 bytes/s</source>
        <translation>%1 octets/s</translation>
    </message>
    <message>
        <source>ETA %1</source>
        <extracomment>The time a transfer still needs.</extracomment>
        <translation>reste %1</translation>
    </message>
    <message>
        <source>%1 resent</source>
        <translation>%1 renvoyés</translation>
    </message>
    <message>
        <source>%1 time-outs</source>
        <translation>%1 délais dépassés</translation>
    </message>
    <message>
        <source>Undefined</source>
        <extracomment>An image type: what a firmware file holds.</extracomment>
        <translation>Indéfini</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Amorçage</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>IRZ Data</source>
        <translation>Données IRZ</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Usine</translation>
    </message>
    <message>
        <source>Image Type : Upload</source>
        <extracomment>An image made to be received from the STB (an image type, not the command).</extracomment>
        <translation>Type d&apos;image : Envoi</translation>
    </message>
    <message>
        <source>Image Type : Upload.</source>
        <translation>Type d&apos;image : Envoi.</translation>
    </message>
    <message>
        <source>Buyer :</source>
        <extracomment>An image without a buyer code.</extracomment>
        <translation>Acheteur :</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; has the transponder (%3) and service id (%4) of channel %5 &quot;%6&quot;; favourites of it come back as the other one</source>
        <translation>la chaîne %1 « %2 » a le transpondeur (%3) et l&apos;ID de service (%4) de la chaîne %5 « %6 » ; ses favoris reviennent comme l&apos;autre</translation>
    </message>
    <message>
        <source>transponders %1 (%2 MHz) and %3 (%4 MHz) collide on satellite %5, %6</source>
        <translation>les transpondeurs %1 (%2 MHz) et %3 (%4 MHz) se chevauchent sur le satellite %5, %6</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which is not in use</source>
        <translation>la chaîne %1 « %2 » est sur le transpondeur %3, qui n&apos;est pas utilisé</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which has no frequency (0 MHz)</source>
        <translation>la chaîne %1 « %2 » est sur le transpondeur %3, qui n&apos;a pas de fréquence (0 MHz)</translation>
    </message>
    <message>
        <source>favourite group %1 place %2 names channel %3, which holds no channel</source>
        <translation>le groupe de favoris %1, place %2, désigne la chaîne %3, qui ne contient aucune chaîne</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is in use but not in the satellite order list, so the editor does not show it</source>
        <translation>le satellite %1 « %2 » est utilisé mais absent de l&apos;ordre des satellites, l&apos;éditeur ne l&apos;affiche donc pas</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is beyond the %3 satellites the file holds and is not written</source>
        <translation>le satellite %1 « %2 » dépasse les %3 satellites que contient le fichier et n&apos;est pas écrit</translation>
    </message>
    <message>
        <source>satellite order place %1 is beyond the %2 places the file holds and is not written</source>
        <translation>la place %1 de l&apos;ordre des satellites dépasse les %2 places que contient le fichier et n&apos;est pas écrite</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2, beyond the receiver&apos;s %3</source>
        <translation>la place %1 de l&apos;ordre des satellites désigne le satellite %2, au-delà des %3 du récepteur</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2 a second time</source>
        <translation>la place %1 de l&apos;ordre des satellites désigne le satellite %2 une seconde fois</translation>
    </message>
    <message>
        <source>transponder %1 is on satellite %2, beyond the %3 satellites the file holds</source>
        <translation>le transpondeur %1 est sur le satellite %2, au-delà des %3 satellites que contient le fichier</translation>
    </message>
    <message>
        <source>1 channel would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>1 chaîne serait perdue à l&apos;enregistrement : le transpondeur manque ou n&apos;a pas de fréquence (0 MHz).</translation>
    </message>
    <message>
        <source>%1 channels would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>%1 chaînes seraient perdues à l&apos;enregistrement : le transpondeur manque ou n&apos;a pas de fréquence (0 MHz).</translation>
    </message>
    <message>
        <source>- %1</source>
        <extracomment>A line of a list of findings.</extracomment>
        <translation>- %1</translation>
    </message>
    <message>
        <source>the file cannot be written back without losing data: %1</source>
        <translation>le fichier ne peut pas être réécrit sans perte de données : %1</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>1 channel added</source>
        <translation>1 chaîne ajoutée</translation>
    </message>
    <message>
        <source>%1 channels added</source>
        <translation>%1 chaînes ajoutées</translation>
    </message>
    <message>
        <source>1 channel removed</source>
        <translation>1 chaîne supprimée</translation>
    </message>
    <message>
        <source>%1 channels removed</source>
        <translation>%1 chaînes supprimées</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <extracomment>Channels, in the summary of a comparison: &quot;3 renamed&quot;.</extracomment>
        <translation>%1 renommée(s)</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>%1 déplacée(s)</translation>
    </message>
    <message>
        <source>%1 with PIDs changed</source>
        <translation>%1 avec PID modifiés</translation>
    </message>
    <message>
        <source>%1 with other changes</source>
        <translation>%1 avec d&apos;autres modifications</translation>
    </message>
    <message>
        <source>1 favourite group changed</source>
        <translation>1 groupe de favoris modifié</translation>
    </message>
    <message>
        <source>%1 favourite groups changed</source>
        <translation>%1 groupes de favoris modifiés</translation>
    </message>
    <message>
        <source>1 satellite added</source>
        <translation>1 satellite ajouté</translation>
    </message>
    <message>
        <source>%1 satellites added</source>
        <translation>%1 satellites ajoutés</translation>
    </message>
    <message>
        <source>1 satellite removed</source>
        <translation>1 satellite supprimé</translation>
    </message>
    <message>
        <source>%1 satellites removed</source>
        <translation>%1 satellites supprimés</translation>
    </message>
    <message>
        <source>1 satellite changed</source>
        <translation>1 satellite modifié</translation>
    </message>
    <message>
        <source>%1 satellites changed</source>
        <translation>%1 satellites modifiés</translation>
    </message>
    <message>
        <source>satellite order changed</source>
        <translation>ordre des satellites modifié</translation>
    </message>
    <message>
        <source>1 transponder added</source>
        <translation>1 transpondeur ajouté</translation>
    </message>
    <message>
        <source>%1 transponders added</source>
        <translation>%1 transpondeurs ajoutés</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>1 transpondeur supprimé</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>%1 transpondeurs supprimés</translation>
    </message>
    <message>
        <source>1 transponder changed</source>
        <translation>1 transpondeur modifié</translation>
    </message>
    <message>
        <source>%1 transponders changed</source>
        <translation>%1 transpondeurs modifiés</translation>
    </message>
    <message>
        <source>Added channel %1</source>
        <translation>Chaîne ajoutée %1</translation>
    </message>
    <message>
        <source>Removed channel %1</source>
        <translation>Chaîne supprimée %1</translation>
    </message>
    <message>
        <source>Renamed channel %1 to &quot;%2&quot;</source>
        <translation>Chaîne %1 renommée en « %2 »</translation>
    </message>
    <message>
        <source>Moved channel %1 to %2</source>
        <translation>Chaîne %1 déplacée en %2</translation>
    </message>
    <message>
        <source>PIDs of channel %1: %2</source>
        <translation>PID de la chaîne %1 : %2</translation>
    </message>
    <message>
        <source>Changed channel %1: %2</source>
        <translation>Chaîne modifiée %1 : %2</translation>
    </message>
    <message>
        <source>Favourite group %1: %2</source>
        <translation>Groupe de favoris %1 : %2</translation>
    </message>
    <message>
        <source>Added satellite %1</source>
        <translation>Satellite ajouté %1</translation>
    </message>
    <message>
        <source>Removed satellite %1</source>
        <translation>Satellite supprimé %1</translation>
    </message>
    <message>
        <source>Changed satellite %1: %2</source>
        <translation>Satellite modifié %1 : %2</translation>
    </message>
    <message>
        <source>The satellite order changed</source>
        <translation>L&apos;ordre des satellites a changé</translation>
    </message>
    <message>
        <source>Added transponder %1</source>
        <translation>Transpondeur ajouté %1</translation>
    </message>
    <message>
        <source>Removed transponder %1</source>
        <translation>Transpondeur supprimé %1</translation>
    </message>
    <message>
        <source>Changed transponder %1: %2</source>
        <translation>Transpondeur modifié %1 : %2</translation>
    </message>
    <message>
        <source>video type %1 -&gt; %2</source>
        <extracomment>What changed in a record: &quot;video type 1 -&gt; 2&quot;.</extracomment>
        <translation>type vidéo %1 -&gt; %2</translation>
    </message>
    <message>
        <source>flags %1 -&gt; %2</source>
        <translation>indicateurs %1 -&gt; %2</translation>
    </message>
    <message>
        <source>ttxt %1 -&gt; %2</source>
        <extracomment>A teletext PID changed.</extracomment>
        <translation>télétexte %1 -&gt; %2</translation>
    </message>
    <message>
        <source>other bytes</source>
        <translation>autres octets</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>nom « %1 » -&gt; « %2 »</translation>
    </message>
    <message>
        <source>location %1 -&gt; %2</source>
        <translation>position %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB frequency %1 -&gt; %2</source>
        <translation>fréquence LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB type %1 -&gt; %2</source>
        <translation>type de LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB power %1 -&gt; %2</source>
        <translation>alimentation LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>DiSEqC port %1 -&gt; %2</source>
        <translation>port DiSEqC %1 -&gt; %2</translation>
    </message>
    <message>
        <source>dish position %1 -&gt; %2</source>
        <translation>position de la parabole %1 -&gt; %2</translation>
    </message>
    <message>
        <source>symbol rate %1 -&gt; %2</source>
        <translation>débit symbole %1 -&gt; %2</translation>
    </message>
    <message>
        <source>TV name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>nom TV « %1 » -&gt; « %2 »</translation>
    </message>
    <message>
        <source>radio name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>nom radio « %1 » -&gt; « %2 »</translation>
    </message>
    <message>
        <source>order changed</source>
        <extracomment>The places of a favourite group&apos;s members changed.</extracomment>
        <translation>ordre modifié</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Favourite group %1: %2 / %3</source>
        <translation>Groupe de favoris %1 : %2 / %3</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 channels (%4 TV, %5 radio), %6 transponders, %7 satellites, %8 favourite groups</source>
        <translation>%1, %2 : %3 chaînes (%4 TV, %5 radio), %6 transpondeurs, %7 satellites, %8 groupes de favoris</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>A column of the printed list: the channel&apos;s name.</extracomment>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>A column of the printed list: the frequency (MHz), abbreviated.</extracomment>
        <translation>Fréq.</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>A column of the printed list: the polarisation, abbreviated.</extracomment>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>ID de service</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>A column of the printed list: TV or radio.</extracomment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>A column of the printed list: the channel&apos;s place in its favourite group.</extracomment>
        <translation>Place</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>line %1, column %2: not UTF-8 text (byte 0x%3); save the file as UTF-8</source>
        <translation>ligne %1, colonne %2 : pas du texte UTF-8 (octet 0x%3) ; enregistrez le fichier en UTF-8</translation>
    </message>
    <message>
        <source>line 1: no header row</source>
        <translation>ligne 1 : pas de ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>ligne %1 : un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>line 1: no &quot;%1&quot; column; a row finds its channel by satellite, frequency, polarisation and serviceId</source>
        <extracomment>%1: a column&apos;s name (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>ligne 1 : pas de colonne « %1 » ; une ligne trouve sa chaîne par satellite, frequency, polarisation et serviceId</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <extracomment>%2: a column&apos;s name, %3: what is wrong with its value.</extracomment>
        <translation>ligne %1, %2 : %3</translation>
    </message>
    <message>
        <source>expected a satellite number %1..%2</source>
        <translation>attendu : un numéro de satellite %1..%2</translation>
    </message>
    <message>
        <source>expected a channel number %1..%2</source>
        <translation>attendu : un numéro de chaîne %1..%2</translation>
    </message>
    <message>
        <source>expected an integer %1..%2</source>
        <translation>attendu : un entier %1..%2</translation>
    </message>
    <message>
        <source>expected V(R) or H(L)</source>
        <translation>attendu : V(R) ou H(L)</translation>
    </message>
    <message>
        <source>line %1: no channel has %2; the channel data changed since the table was made, or the row was edited there</source>
        <translation>ligne %1 : aucune chaîne n&apos;a %2 ; les données des chaînes ont changé depuis la création de la table, ou la ligne y a été modifiée</translation>
    </message>
    <message>
        <source>line %1: channels %2 all have %3; the number column must name one of them</source>
        <translation>ligne %1 : les chaînes %2 ont toutes %3 ; la colonne number doit nommer l&apos;une d&apos;elles</translation>
    </message>
    <message>
        <source>satellite %1, %2 MHz %3, service id %4</source>
        <extracomment>Where a channel is: &quot;satellite 1, 11494 MHz H(L), service id 28006&quot;.</extracomment>
        <translation>satellite %1, %2 MHz %3, ID de service %4</translation>
    </message>
    <message>
        <source>line %1: channel %2 given twice (line %3)</source>
        <translation>ligne %1 : chaîne %2 donnée deux fois (ligne %3)</translation>
    </message>
    <message>
        <source>the name holds a character the file cannot store (only Latin-1, no NUL)</source>
        <translation>le nom contient un caractère que le fichier ne peut pas stocker (Latin-1 seulement, pas de NUL)</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>le nom dépasse %1 caractères</translation>
    </message>
    <message>
        <source>an unterminated name fills all %1 bytes of its field and has no tail</source>
        <translation>un nom non terminé remplit les %1 octets de son champ et n&apos;a pas de suite</translation>
    </message>
    <message>
        <source>the name and its tail do not fit the %1-byte field</source>
        <translation>le nom et sa suite ne tiennent pas dans le champ de %1 octets</translation>
    </message>
    <message>
        <source>$: not valid JSON at byte %1 (line %2): %3</source>
        <extracomment>%3: what Qt says is wrong with the JSON (Qt&apos;s own translation).</extracomment>
        <translation>$ : JSON non valide à l&apos;octet %1 (ligne %2) : %3</translation>
    </message>
    <message>
        <source>$: expected an object</source>
        <translation>$ : attendu : un objet</translation>
    </message>
    <message>
        <source>$%1: %2</source>
        <extracomment>$%1: a place in the JSON (&quot;$.channels[3].name&quot;), %2: what is wrong there.</extracomment>
        <translation>$%1 : %2</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <extracomment>A refusal and the line of the JSON file where its record begins.</extracomment>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>attendu : un objet</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>attendu : un tableau</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A value the JSON must have and does not.</extracomment>
        <translation>manquant</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>attendu : une chaîne de caractères</translation>
    </message>
    <message>
        <source>expected a string of hex digits</source>
        <translation>attendu : une chaîne de chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>expected hex digits</source>
        <translation>attendu : des chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>expected an even number of hex digits</source>
        <translation>attendu : un nombre pair de chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>attendu : %1 octets</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>attendu : true ou false</translation>
    </message>
    <message>
        <source>a kind-1 prefix holds at most 272 bytes</source>
        <translation>un préfixe de type 1 contient au plus 272 octets</translation>
    </message>
    <message>
        <source>this data cannot be written back whole: %1</source>
        <translation>ces données ne peuvent pas être réécrites entières : %1</translation>
    </message>
    <message>
        <source>more entries than the header&apos;s satelliteCount (%1)</source>
        <extracomment>satelliteCount: the key of the JSON&apos;s header, as the file has it.</extracomment>
        <translation>plus d&apos;entrées que le satelliteCount de l&apos;en-tête (%1)</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>donné deux fois</translation>
    </message>
    <message>
        <source>more than %1 members</source>
        <translation>plus de %1 membres</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not on satellite %5</source>
        <extracomment>A channel&apos;s transponder is not where the channel says: %3 its polarisation (V(R) or H(L)).</extracomment>
        <translation>le transpondeur %1 est %2 MHz %3 sur le satellite %4, pas sur le satellite %5</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5 MHz</source>
        <translation>le transpondeur %1 est %2 MHz %3 sur le satellite %4, pas %5 MHz</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5</source>
        <extracomment>%5: the polarisation the channel gives, as the file has it.</extracomment>
        <translation>le transpondeur %1 est %2 MHz %3 sur le satellite %4, pas %5</translation>
    </message>
    <message>
        <source>Checking %1: %2 (--port chooses another).</source>
        <translation>Vérification de %1 : %2 (--port en choisit un autre).</translation>
    </message>
    <message>
        <source>no serial port found: plug in the adapter, or name the port with --port.</source>
        <translation>aucun port série trouvé : branchez l&apos;adaptateur ou nommez le port avec --port.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Échec de l&apos;ouverture du fichier !</translation>
    </message>
    <message>
        <source>Not enough memory for the backup data</source>
        <translation>Mémoire insuffisante pour les données de sauvegarde</translation>
    </message>
    <message>
        <source>Backup data is corrupted (decompression failed)</source>
        <translation>Les données de sauvegarde sont corrompues (échec de la décompression)</translation>
    </message>
    <message>
        <source>Backup data is truncated</source>
        <translation>Les données de sauvegarde sont tronquées</translation>
    </message>
    <message>
        <source>Invalid Backup Data</source>
        <translation>Données de sauvegarde non valides</translation>
    </message>
    <message>
        <source>%1 are %2 bytes, not %3</source>
        <extracomment>A part of a file&apos;s layout that is not the receiver&apos;s: &quot;channel records are 40 bytes, not 44&quot;.</extracomment>
        <translation>%1 font %2 octets, et non %3</translation>
    </message>
    <message>
        <source>the file declares %1 %2, more than the %3 the table holds</source>
        <translation>le fichier déclare %1 %2, plus que les %3 que contient la table</translation>
    </message>
    <message>
        <source>the prefix is %1 bytes, not 96</source>
        <translation>le préfixe fait %1 octets, et non 96</translation>
    </message>
    <message>
        <source>satellite records</source>
        <translation>les enregistrements de satellites</translation>
    </message>
    <message>
        <source>transponder records</source>
        <translation>les enregistrements de transpondeurs</translation>
    </message>
    <message>
        <source>channel records</source>
        <translation>les enregistrements de chaînes</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>les favoris</translation>
    </message>
    <message>
        <source>the favourite names</source>
        <translation>les noms des favoris</translation>
    </message>
    <message>
        <source>satellites</source>
        <extracomment>What a file declares more of than the receiver&apos;s table holds.</extracomment>
        <translation>satellites</translation>
    </message>
    <message>
        <source>transponders</source>
        <translation>transpondeurs</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>chaînes</translation>
    </message>
    <message>
        <source>%1 channel record(s) name a transponder the file does not hold</source>
        <translation>%1 enregistrement(s) de chaîne désignent un transpondeur absent du fichier</translation>
    </message>
    <message>
        <source>the payload holds %1 byte(s) behind its sections</source>
        <translation>les données contiennent %1 octet(s) après leurs sections</translation>
    </message>
    <message>
        <source>%1 favourite entr(ies) name no channel of the file and were left out</source>
        <translation>%1 entrée(s) de favoris ne désignent aucune chaîne du fichier et ont été ignorées</translation>
    </message>
    <message>
        <source>%1 of %2 channels matched (%3 by identity, %4 by name); %5</source>
        <translation>%1 chaînes sur %2 associées (%3 par identité, %4 par nom) ; %5</translation>
    </message>
    <message>
        <source>none left over</source>
        <translation>aucune restante</translation>
    </message>
    <message>
        <source>%1 not matched go to the end from number %2</source>
        <translation>%1 non associées vont à la fin à partir du numéro %2</translation>
    </message>
    <message>
        <source>1 reference entry found no channel</source>
        <translation>1 entrée de référence n&apos;a trouvé aucune chaîne</translation>
    </message>
    <message>
        <source>%1 reference entries found no channel</source>
        <translation>%1 entrées de référence n&apos;ont trouvé aucune chaîne</translation>
    </message>
    <message>
        <source>too large for a reference list (more than 16 MiB)</source>
        <translation>trop grand pour une liste de référence (plus de 16 Mio)</translation>
    </message>
    <message>
        <source>line %1: neither a name nor frequency and service id</source>
        <translation>ligne %1 : ni nom, ni fréquence et ID de service</translation>
    </message>
    <message>
        <source>not a text list (it holds NUL bytes)</source>
        <translation>pas une liste texte (elle contient des octets NUL)</translation>
    </message>
    <message>
        <source>the list names no channel</source>
        <translation>la liste ne désigne aucune chaîne</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (channel %2) has the transponder and service id of &quot;%3&quot; (channel %4).</source>
        <extracomment>Two channels the file cannot tell apart (a favourite of either comes back as the first).</extracomment>
        <translation>« %1 » (chaîne %2) a le transpondeur et l&apos;ID de service de « %3 » (chaîne %4).</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel</source>
        <translation>Appliqué : %1 lignes sur %2 ont modifié une chaîne</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel (%3)</source>
        <extracomment>%3: the columns that changed and how often (&quot;name 2, videoPid 1&quot;).</extracomment>
        <translation>Appliqué : %1 lignes sur %2 ont modifié une chaîne (%3)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not a column of the table)</source>
        <extracomment>%1: a column&apos;s name as the table has it.</extracomment>
        <translation>Colonne ignorée : %1 (pas une colonne de la table)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (they find the channel; not changed)</source>
        <extracomment>%1: the columns that identify a channel (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>Colonne ignorée : %1 (elles trouvent la chaîne ; non modifiées)</translation>
    </message>
    <message>
        <source>Ignored column: number (a hint where the channel stands; not changed)</source>
        <translation>Colonne ignorée : number (une indication de la place de la chaîne ; non modifiée)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not imported)</source>
        <extracomment>%1: columns shown for reading only (transponder, cas, kind).</extracomment>
        <translation>Colonne ignorée : %1 (non importée)</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>Ignoré : %1</translation>
    </message>
    <message>
        <source>row order: line %1 (channel %2) stands after channel %3; the channels keep their numbers (Move in the editor changes the order)</source>
        <translation>ordre des lignes : la ligne %1 (chaîne %2) suit la chaîne %3 ; les chaînes gardent leurs numéros (Déplacer dans l&apos;éditeur change l&apos;ordre)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Remarque : %1</translation>
    </message>
    <message>
        <source>Note: %1 more</source>
        <translation>Remarque : %1 de plus</translation>
    </message>
    <message>
        <source>line %1: number %2 is channel %3 now (found by its satellite, frequency, polarisation and service id)</source>
        <translation>ligne %1 : le numéro %2 est maintenant la chaîne %3 (trouvée par son satellite, sa fréquence, sa polarisation et son ID de service)</translation>
    </message>
    <message>
        <source>line %1, %2: &quot;%3&quot; differs from the channel&apos;s &quot;%4&quot;: not imported</source>
        <extracomment>%2: a column&apos;s name.</extracomment>
        <translation>ligne %1, %2 : « %3 » diffère de « %4 » de la chaîne : non importé</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list the core put together (&quot;3 channels added, 1 renamed&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the reasons of a list the core put together (&quot;a; b&quot;).</extracomment>
        <translation> ; </translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>The language changes when Dorvane_QX starts next.</source>
        <translation>La langue change au prochain démarrage de Dorvane_QX.</translation>
    </message>
</context>
<context>
    <name>dorvane::CAboutDialog</name>
    <message>
        <source>About Dorvane_QX</source>
        <translation>À propos de Dorvane_QX</translation>
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
        <translation>Outil de service pour récepteurs satellite numériques :
téléchargement du firmware et sauvegarde des chaînes.</translation>
    </message>
</context>
<context>
    <name>dorvane::CConnectionCheckDialog</name>
    <message>
        <source>port</source>
        <extracomment>A step of the connection check, as its line names it.</extracomment>
        <translation>port</translation>
    </message>
    <message>
        <source>permission</source>
        <translation>droits</translation>
    </message>
    <message>
        <source>holder</source>
        <translation>occupant</translation>
    </message>
    <message>
        <source>line settings</source>
        <translation>réglages de ligne</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>bouclage</translation>
    </message>
    <message>
        <source>link</source>
        <translation>liaison</translation>
    </message>
    <message>
        <source>boot loader</source>
        <translation>chargeur d&apos;amorçage</translation>
    </message>
    <message>
        <source>line</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>check</source>
        <translation>vérification</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>How a step of the connection check went: [ok], [problem], [skipped].</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problème</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignoré</translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation>Vérifier la connexion</translation>
    </message>
    <message>
        <source>Steps of the check</source>
        <translation>Étapes de la vérification</translation>
    </message>
    <message>
        <source>&amp;Switch the STB off and on during the check</source>
        <translation>Éteindre et rallumer le &amp;STB pendant la vérification</translation>
    </message>
    <message>
        <source>When the STB does not answer, wait up to 30 s for its boot loader</source>
        <translation>Si le STB ne répond pas, attendre son chargeur d&apos;amorçage jusqu&apos;à 30 s</translation>
    </message>
    <message>
        <source>A &amp;loop-back plug is fitted instead of the STB (TX joined to RX)</source>
        <translation>Une fiche de &amp;bouclage est en place au lieu du STB (TX relié à RX)</translation>
    </message>
    <message>
        <source>Send a pattern and count what comes back</source>
        <translation>Envoyer un motif et compter ce qui revient</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>Vérifier à &amp;nouveau</translation>
    </message>
    <message>
        <source>A loop-back plug is fitted</source>
        <extracomment>Quoted in the check&apos;s texts: the check box that tests with a loop-back plug.</extracomment>
        <translation>Une fiche de bouclage est en place</translation>
    </message>
    <message>
        <source>Switch the STB off and on during the check</source>
        <translation>Éteindre et rallumer le STB pendant la vérification</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditChannelDialog</name>
    <message>
        <source>Edit Channel</source>
        <translation>Modifier la chaîne</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de service</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Teletext PID</source>
        <translation>PID télétexte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>%1 must be 0 to 65535.</source>
        <translation>%1 doit être entre 0 et 65535.</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Le garder</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>Le changer</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditSatelliteDialog</name>
    <message>
        <source>Edit Satellite</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>Type de LNB</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>LNB freq Low</source>
        <translation>Fréq. LNB basse</translation>
    </message>
    <message>
        <source>LNB freq High</source>
        <translation>Fréq. LNB haute</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>Alimentation LNB</translation>
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
        <translation>Type DiSEqC</translation>
    </message>
    <message>
        <source>DiSEqC port</source>
        <translation>Port DiSEqC</translation>
    </message>
    <message>
        <source>Dish Position</source>
        <translation>Position de l&apos;antenne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universel</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>1.0(4 Switch)</source>
        <translation>1.0(4 commutateurs)</translation>
    </message>
    <message>
        <source>1.1(16 Switch)</source>
        <translation>1.1(16 commutateurs)</translation>
    </message>
    <message>
        <source>1.2(Motor)</source>
        <translation>1.2(Moteur)</translation>
    </message>
    <message>
        <source>1.3(USALS)</source>
        <translation>1.3(USALS)</translation>
    </message>
    <message>
        <source>Location must be 0.0 to 180.0 degrees East or West.</source>
        <translation>La position doit être entre 0.0 et 180.0 degrés Est ou Ouest.</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditTpDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>Modifier le TP</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Horz/Vert</source>
        <translation>Horz/Vert</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Transmission</translation>
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
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Frequency must be 1 to 65535 MHz.</source>
        <translation>La fréquence doit être entre 1 et 65535 MHz.</translation>
    </message>
    <message>
        <source>Symbol Rate must be 0 to 65535.</source>
        <translation>Le débit symbole doit être entre 0 et 65535.</translation>
    </message>
</context>
<context>
    <name>dorvane::CMainDialog</name>
    <message>
        <source>Image or Binary Files (*.img *.bin);;Channel Data (*.irz);;All files (*)</source>
        <translation>Fichiers image ou binaires (*.img *.bin);;Données de chaînes (*.irz);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Channel Data (*irz)</source>
        <translation>Données de chaînes (*irz)</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>Téléchargement forcé</translation>
    </message>
    <message>
        <source>Download even when the STB&apos;s buyer code does not match the image</source>
        <translation>Télécharger même si le code acheteur du STB ne correspond pas à l&apos;image</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>The current file</source>
        <translation>Le fichier courant</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Elapsed :</source>
        <translation>Écoulé :</translation>
    </message>
    <message>
        <source>Throughput :</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Connect or disconnect the port</source>
        <translation>Connecter ou déconnecter le port</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>STB power: green while the STB&apos;s application answers</source>
        <translation>Alimentation du STB : vert tant que l&apos;application du STB répond</translation>
    </message>
    <message>
        <source>STB Power</source>
        <translation>Alim. STB</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About Dorvane_QX</source>
        <translation>À propos de Dorvane_QX</translation>
    </message>
    <message>
        <source>Downloading process is in progress, Do you want to stop the downloading?</source>
        <translation>Un téléchargement est en cours. Voulez-vous arrêter le téléchargement ?</translation>
    </message>
    <message>
        <source>Do you want to close Dorvane_QX?</source>
        <translation>Voulez-vous fermer Dorvane_QX ?</translation>
    </message>
    <message>
        <source>You can&apos;t disconnect Serial port on downloading...</source>
        <translation>Impossible de déconnecter le port série pendant un téléchargement...</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 déconnecté.</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1 connecté.</translation>
    </message>
    <message>
        <source>You can&apos;t configure Serial port on downloading...</source>
        <translation>Impossible de configurer le port série pendant un téléchargement...</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>Impossible d&apos;ouvrir un fichier pendant un téléchargement...</translation>
    </message>
    <message>
        <source>Transfer summary: </source>
        <translation>Bilan du transfert : </translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation>Enregistrer le journal...</translation>
    </message>
    <message>
        <source>Save trace...</source>
        <translation>Enregistrer la trace...</translation>
    </message>
    <message>
        <source>Can&apos;t save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Log (*.log *.txt);;All files (*)</source>
        <translation>Journal (*.log *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Trace (*.trace *.txt);;All files (*)</source>
        <translation>Trace (*.trace *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>You can&apos;t edit a file while transferring...</source>
        <translation>Impossible de modifier un fichier pendant un transfert...</translation>
    </message>
    <message>
        <source>download</source>
        <translation>téléchargement</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>envoi</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>éditeur</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>disconnected</source>
        <extracomment>The state of the port lamp, as a screen reader says it.</extracomment>
        <translation>déconnecté</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The state of the STB power lamp, as a screen reader says it.</extracomment>
        <translation>éteint</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connecté</translation>
    </message>
    <message>
        <source>on</source>
        <translation>allumé</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Many ports at once</source>
        <translation>Plusieurs ports à la fois</translation>
    </message>
    <message>
        <source>Save support bundle...</source>
        <translation>Enregistrer le dossier d&apos;assistance...</translation>
    </message>
    <message>
        <source>Zip archive (*.zip);;All files (*)</source>
        <translation>Archive zip (*.zip);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>You can&apos;t open the Station view while transferring...</source>
        <translation>Impossible d&apos;ouvrir la vue Station pendant un transfert...</translation>
    </message>
</context>
<context>
    <name>dorvane::CReceiverDataDialog</name>
    <message>
        <source>Group Name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Channel.</source>
        <translation>Chaîne.</translation>
    </message>
    <message>
        <source>Ch_id</source>
        <translation>Ch_id</translation>
    </message>
    <message>
        <source>Freq/Pol</source>
        <translation>Fréq/Pol</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>Rename Group</source>
        <translation>Renommer le groupe</translation>
    </message>
    <message>
        <source>&amp;TV name:</source>
        <translation>Nom &amp;TV :</translation>
    </message>
    <message>
        <source>&amp;Radio name:</source>
        <translation>Nom &amp;radio :</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>The lists kept from uploads and earlier saves: compare or restore one</source>
        <translation>Les listes gardées des envois et des enregistrements précédents : en comparer ou en restaurer une</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>la liste ouverte</translation>
    </message>
    <message>
        <source>, unsaved edits</source>
        <translation>, modifications non enregistrées</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <translation>Modifier les données du récepteur</translation>
    </message>
    <message>
        <source>%1 marked for moving: choose the destination, then &quot;Select Destination&quot;</source>
        <translation>%1 marqué(s) pour déplacement : choisissez la destination, puis « Choisir la destination »</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 chaîne</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 chaînes</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Channel data (*.irz)</source>
        <translation>Données de chaînes (*.irz)</translation>
    </message>
    <message>
        <source>Channel data JSON (*.json);;Channel table CSV (*.csv)</source>
        <translation>Données de chaînes JSON (*.json);;Table des chaînes CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Échec de l&apos;écriture du fichier !</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Échec de l&apos;ouverture du fichier !</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
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
        <translation>Chercher des chaînes par nom, identifiant de service ou PID (Ctrl+F)</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Trouver :</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>&amp;Vue :</translation>
    </message>
    <message>
        <source>TPs:</source>
        <translation>TPs :</translation>
    </message>
    <message>
        <source>CHs:</source>
        <translation>CHs :</translation>
    </message>
    <message>
        <source>All Sat</source>
        <translation>Tous sat</translation>
    </message>
    <message>
        <source>Searched Sat</source>
        <translation>Sat cherchés</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
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
        <translation>Trier par :</translation>
    </message>
    <message>
        <source>Channel No</source>
        <translation>N° de chaîne</translation>
    </message>
    <message>
        <source>Sat/Tp</source>
        <translation>Sat/Tp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Listed channels:</source>
        <translation>Chaînes listées :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Su&amp;pprimer</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>Select Desti&amp;nation</source>
        <translation>Choisir la desti&amp;nation</translation>
    </message>
    <message>
        <source>&amp;Cancel Move</source>
        <translation>Annuler le dépla&amp;cement</translation>
    </message>
    <message>
        <source>Sav&amp;e As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Rename &amp;Group...</source>
        <translation>Renommer le &amp;groupe...</translation>
    </message>
    <message>
        <source>Undo the last edit (Ctrl+Z)</source>
        <translation>Annuler la dernière modification (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo the edit undone last (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Rétablir la dernière modification annulée (Ctrl+Maj+Z, Ctrl+Y)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>In group</source>
        <translation>Dans le groupe</translation>
    </message>
    <message>
        <source>Satellites or groups</source>
        <translation>Satellites ou groupes</translation>
    </message>
    <message>
        <source>Transponders or group members</source>
        <translation>Transpondeurs ou membres du groupe</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Receiver data</source>
        <translation>Données du récepteur</translation>
    </message>
</context>
<context>
    <name>dorvane::CReferencePreviewDialog</name>
    <message>
        <source>Apply order from %1</source>
        <translation>Appliquer l&apos;ordre de %1</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>Nouveau n°</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trouvé</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identité</translation>
    </message>
    <message>
        <source>Take the &amp;favourite groups and their names along</source>
        <translation>Prendre aussi les groupes de &amp;favoris et leurs noms</translation>
    </message>
    <message>
        <source>A text list has no favourite groups</source>
        <translation>Une liste texte n&apos;a pas de groupes de favoris</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Reference entries that found no channel: %1</source>
        <translation>Entrées de référence sans chaîne trouvée : %1</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>par nom</translation>
    </message>
    <message>
        <source>by identity</source>
        <translation>par identité</translation>
    </message>
    <message>
        <source>not matched: to the end</source>
        <translation>non trouvé : à la fin</translation>
    </message>
</context>
<context>
    <name>dorvane::CSerialConfigDialog</name>
    <message>
        <source>Made by %1</source>
        <translation>Fabriqué par %1</translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation>USB %1</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>Numéro de série %1</translation>
    </message>
    <message>
        <source>In use by another program</source>
        <translation>Utilisé par un autre programme</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>Utilisé par %1</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Serial Port Configuration</source>
        <translation>Configuration du port série</translation>
    </message>
    <message>
        <source>Serial Port :</source>
        <translation>Port série :</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path</source>
        <translation>Choisissez un port, ou tapez son chemin de périphérique</translation>
    </message>
    <message>
        <source>%1  (current)</source>
        <translation>%1  (actuel)</translation>
    </message>
    <message>
        <source>No serial port found: plug in the adapter.</source>
        <translation>Aucun port série trouvé : branchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>%1
Not listed by the system</source>
        <translation>%1
Non listé par le système</translation>
    </message>
    <message>
        <source>&amp;Language :</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language choice that follows the system&apos;s locale.</extracomment>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>La langue des fenêtres, à partir du prochain démarrage</translation>
    </message>
    <message>
        <source>Check &amp;connection</source>
        <translation>&amp;Vérifier la connexion</translation>
    </message>
    <message>
        <source>Check the chosen port, its adapter and the STB step by step</source>
        <translation>Vérifier pas à pas le port choisi, son adaptateur et le STB</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelListPrint</name>
    <message>
        <source>Channel list of %1</source>
        <translation>Liste des chaînes de %1</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelOrderActions</name>
    <message>
        <source>Sort the selected channels by &amp;name and keep it as the order</source>
        <translation>Trier les chaînes choisies par &amp;nom et garder cet ordre</translation>
    </message>
    <message>
        <source>Sort the selected channels by &amp;satellite and frequency and keep it as the order</source>
        <translation>Trier les chaînes choisies par &amp;satellite et fréquence et garder cet ordre</translation>
    </message>
    <message>
        <source>Sort the selected channels by service &amp;id and keep it as the order</source>
        <translation>Trier les chaînes choisies par &amp;identifiant de service et garder cet ordre</translation>
    </message>
    <message>
        <source>Move to &amp;number...</source>
        <translation>Déplacer au n&amp;uméro...</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>É&amp;changer</translation>
    </message>
    <message>
        <source>Apply &amp;order from...</source>
        <translation>Appliquer l&apos;&amp;ordre de...</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>Nouveau n°</translation>
    </message>
    <message>
        <source>New No.: a channel number 0..%1</source>
        <translation>Nouveau n° : un numéro de chaîne 0..%1</translation>
    </message>
    <message>
        <source>Move to number</source>
        <translation>Déplacer au numéro</translation>
    </message>
    <message>
        <source>The %1 chosen channels from &amp;number:</source>
        <translation>Les %1 chaînes choisies à partir du &amp;numéro :</translation>
    </message>
    <message>
        <source>Apply order from</source>
        <translation>Appliquer l&apos;ordre de</translation>
    </message>
    <message>
        <source>Channel data or lists (*.irz *.txt *.csv);;Channel data (*irz);;All files (*)</source>
        <translation>Données de chaînes ou listes (*.irz *.txt *.csv);;Données de chaînes (*irz);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>dorvane::CopyCleanTools</name>
    <message>
        <source>&amp;Open Second File...</source>
        <translation>&amp;Ouvrir un second fichier...</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>&amp;Copier les lignes</translation>
    </message>
    <message>
        <source>Show D&amp;uplicates Only</source>
        <translation>Afficher seulement les do&amp;ublons</translation>
    </message>
    <message>
        <source>Select &amp;All Duplicates</source>
        <translation>Sélectionner &amp;tous les doublons</translation>
    </message>
    <message>
        <source>&amp;Remove Unused Transponders...</source>
        <translation>Supprimer les transpondeurs inutilisés (&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Export to P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Copy from Second &amp;File</source>
        <translation>Copier depuis le second &amp;fichier</translation>
    </message>
    <message>
        <source>Open Second File</source>
        <translation>Ouvrir un second fichier</translation>
    </message>
    <message>
        <source>Channel data (*.irz);;All files (*)</source>
        <translation>Données de chaînes (*.irz);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose satellites, transponders, channels or groups of the second file</source>
        <translation>Choisissez des satellites, transpondeurs, chaînes ou groupes du second fichier</translation>
    </message>
    <message>
        <source>No duplicates</source>
        <translation>Aucun doublon</translation>
    </message>
    <message>
        <source>%1 duplicates chosen</source>
        <translation>%1 doublons choisis</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>1 transpondeur supprimé</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>%1 transpondeurs supprimés</translation>
    </message>
    <message>
        <source>No rows chosen to copy</source>
        <translation>Aucune ligne choisie à copier</translation>
    </message>
    <message>
        <source>1 row copied to the clipboard</source>
        <translation>1 ligne copiée dans le presse-papiers</translation>
    </message>
    <message>
        <source>%1 rows copied to the clipboard</source>
        <translation>%1 lignes copiées dans le presse-papiers</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>This build cannot print: use &quot;Export to PDF...&quot; and print the PDF.</source>
        <translation>Cette version ne peut pas imprimer : utilisez « Exporter en PDF... » et imprimez le PDF.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Échec de l&apos;écriture du fichier !</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>%1 pages écrites dans %2</translation>
    </message>
</context>
<context>
    <name>dorvane::CopySourcePanel</name>
    <message>
        <source>Second file (read-only)</source>
        <translation>Second fichier (lecture seule)</translation>
    </message>
    <message>
        <source>&lt;&lt; Co&amp;py into this file</source>
        <translation>&lt;&lt; Copier dans ce &amp;fichier</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 chaînes</translation>
    </message>
    <message>
        <source>SID %1</source>
        <translation>SID %1</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Groupes de favoris</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 channels</source>
        <translation>%1 : %2 satellites, %3 chaînes</translation>
    </message>
    <message>
        <source>Copies the chosen satellites, transponders, channels and favourite groups (or drag them onto the lists)</source>
        <translation>Copie les satellites, transpondeurs, chaînes et groupes de favoris choisis (ou faites-les glisser sur les listes)</translation>
    </message>
</context>
<context>
    <name>dorvane::DialogPrompts</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>No lists are kept yet.</source>
        <translation>Aucune liste n&apos;est encore gardée.</translation>
    </message>
    <message>
        <source>Select two lists, or one to compare with the open list.</source>
        <translation>Choisissez deux listes, ou une à comparer avec la liste ouverte.</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Gardée dans %1</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <source>Compare with &amp;open list</source>
        <translation>Comparer avec la liste &amp;ouverte</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Open the selected list in the editor; the present one is kept first</source>
        <translation>Ouvrir la liste choisie dans l&apos;éditeur ; l&apos;actuelle est gardée d&apos;abord</translation>
    </message>
    <message>
        <source>Can&apos;t compare: %1</source>
        <translation>Comparaison impossible : %1</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryListModel</name>
    <message>
        <source>Boot %1, App %2</source>
        <extracomment>The STB&apos;s versions a kept list came with: its boot loader&apos;s and its application&apos;s.</extracomment>
        <translation>Amorçage %1, appli %2</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <extracomment>A comparison of two kept lists: from the older to the newer.</extracomment>
        <translation>De %1 à %2</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>The columns of the kept lists: when a list was kept, where it came from, ...</extracomment>
        <translation>Conservée</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>STB versions</source>
        <translation>Versions du STB</translation>
    </message>
    <message>
        <source>Received from the STB</source>
        <extracomment>Where a kept list came from.</extracomment>
        <translation>Reçue du STB</translation>
    </message>
    <message>
        <source>Replaced by a save</source>
        <translation>Remplacée par un enregistrement</translation>
    </message>
    <message>
        <source>Open before a restore</source>
        <translation>Ouverte avant une restauration</translation>
    </message>
</context>
<context>
    <name>dorvane::IntegerEdit</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
</context>
<context>
    <name>dorvane::ListColumns</name>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
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
        <translation>Fréq/Pol</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
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
        <translation>Fréq.</translation>
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
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Waiting for the STB</source>
        <translation>Attente du STB</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>Transfert</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Switch the STB off</source>
        <translation>Éteignez le STB</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Port unusable</source>
        <translation>Port inutilisable</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>The result of the last STB of a port in the Station view.</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>verify failed</source>
        <translation>échec de la vérification</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>non confirmé</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>non démarré</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>port error</source>
        <translation>erreur de port</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progression de %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>%p % (%1:%2 left)</source>
        <translation>%p % (reste %1:%2)</translation>
    </message>
    <message>
        <source>No STB done yet</source>
        <translation>Aucun STB terminé</translation>
    </message>
    <message>
        <source>Last: %1 (%2 of %3 ok)</source>
        <translation>Dernier : %1 (%2 sur %3 ok)</translation>
    </message>
    <message>
        <source>Boot loader %1, application %2</source>
        <translation>Chargeur d&apos;amorçage %1, application %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
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
        <translation>Tout démarrer</translation>
    </message>
    <message>
        <source>Stop all</source>
        <translation>Tout arrêter</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>no report</source>
        <translation>pas de rapport</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>Fichier de rapport :</translation>
    </message>
    <message>
        <source>Next STB after each</source>
        <translation>STB suivant après chacun</translation>
    </message>
    <message>
        <source>Verify channel data</source>
        <translation>Vérifier les données de chaînes</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>Téléchargement forcé</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>Port à ajouter</translation>
    </message>
    <message>
        <source>Add port</source>
        <translation>Ajouter un port</translation>
    </message>
    <message>
        <source>Add USB adapters</source>
        <translation>Ajouter les adaptateurs USB</translation>
    </message>
    <message>
        <source>File for every STB</source>
        <translation>Fichier pour chaque STB</translation>
    </message>
    <message>
        <source>Report file</source>
        <translation>Fichier de rapport</translation>
    </message>
    <message>
        <source>Choose the file every STB gets.</source>
        <translation>Choisissez le fichier que reçoit chaque STB.</translation>
    </message>
    <message>
        <source>Verify is for channel data: this file is not.</source>
        <translation>La vérification concerne les données de chaînes : ce fichier n&apos;en est pas.</translation>
    </message>
    <message>
        <source>Done: 0   Failed: 0   STBs per hour: 0</source>
        <translation>Terminés : 0   Échecs : 0   STB par heure : 0</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   STBs per hour: %3</source>
        <translation>Terminés : %1   Échecs : %2   STB par heure : %3</translation>
    </message>
    <message>
        <source>   Report: %1</source>
        <translation>   Rapport : %1</translation>
    </message>
    <message>
        <source>An STB is writing its memory. Close anyway and leave it mid-write?</source>
        <translation>Un STB écrit sa mémoire. Fermer quand même et le laisser en pleine écriture ?</translation>
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
