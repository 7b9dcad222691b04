<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CoreText</name>
    <message>
        <source>Please, Open a File to be downloaded!</source>
        <translation>Lütfen indirilecek bir dosya açın!</translation>
    </message>
    <message>
        <source>Can&apos;t open Serial Port! Please, Check your Serial port setting!</source>
        <translation>Seri port açılamıyor! Lütfen seri port ayarınızı kontrol edin!</translation>
    </message>
    <message>
        <source>Before download start, You should turn off the Power of STB</source>
        <translation>İndirmeye başlamadan önce STB&apos;nin gücünü kapatmalısınız</translation>
    </message>
    <message>
        <source>Before upload start, You should turn on the Power of STB and activate &apos;PC COM&apos; item in &apos;Software Transfer&apos; menu</source>
        <translation>Yüklemeye başlamadan önce STB&apos;nin gücünü açmalı ve &apos;Software Transfer&apos; menüsündeki &apos;PC COM&apos; öğesini etkinleştirmelisiniz</translation>
    </message>
    <message>
        <source>This image can&apos;t be downloaded your STB!</source>
        <translation>Bu imaj STB&apos;nize indirilemez!</translation>
    </message>
    <message>
        <source>Downloading stopped successfully.</source>
        <translation>İndirme başarıyla durduruldu.</translation>
    </message>
    <message>
        <source>You should Check LCD window whether STB has remain job or not!</source>
        <translation>STB&apos;nin bekleyen bir işi olup olmadığını LCD ekrandan kontrol etmelisiniz!</translation>
    </message>
    <message>
        <source>Your STB will restart now!</source>
        <translation>STB&apos;niz şimdi yeniden başlayacak!</translation>
    </message>
    <message>
        <source>Timeout occurred! Please, Check your STB, And retry!</source>
        <translation>Zaman aşımı oluştu! Lütfen STB&apos;nizi kontrol edip yeniden deneyin!</translation>
    </message>
    <message>
        <source>Serial Port Error! The port stopped working.</source>
        <translation>Seri port hatası! Port çalışmayı durdurdu.</translation>
    </message>
    <message>
        <source>Serial Port Error! Please, Check your Serial port and STB, And retry!</source>
        <translation>Seri port hatası! Lütfen seri portu ve STB&apos;yi kontrol edip yeniden deneyin!</translation>
    </message>
    <message>
        <source>Transferring failed! Too many errors on the line.</source>
        <translation>Aktarım başarısız! Hatta çok fazla hata var.</translation>
    </message>
    <message>
        <source>Too many errors on the line! Please, Check your cable and STB, And retry!</source>
        <translation>Hatta çok fazla hata var! Lütfen kabloyu ve STB&apos;yi kontrol edip yeniden deneyin!</translation>
    </message>
    <message>
        <source>Uploading failed!</source>
        <translation>Yükleme başarısız!</translation>
    </message>
    <message>
        <source>Uploading failed! The file was not changed. Please, Check your STB, And retry!</source>
        <translation>Yükleme başarısız! Dosya değiştirilmedi. Lütfen STB&apos;nizi kontrol edip yeniden deneyin!</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>Dosya değiştirilmedi.</translation>
    </message>
    <message>
        <source>The received data is not channel data: %1.</source>
        <translation>Alınan veri kanal verisi değil: %1.</translation>
    </message>
    <message>
        <source>The STB announced %1 bytes and sent %2.</source>
        <translation>STB %1 bayt bildirdi ve %2 gönderdi.</translation>
    </message>
    <message>
        <source>All the data arrived, but the STB did not end the file (it may have restarted).</source>
        <translation>Tüm veri geldi, ancak STB dosyayı bitirmedi (yeniden başlamış olabilir).</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>İndirme sırasında dosya açamazsınız...</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory.</source>
        <translation>STB belleğine yazarken bildirim göndermeyi bıraktı.</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory!</source>
        <translation>STB belleğine yazarken bildirim göndermeyi bıraktı!</translation>
    </message>
    <message>
        <source>Do not switch it off until its own display says it is done.</source>
        <translation>Kendi ekranı bittiğini gösterene kadar kapatmayın.</translation>
    </message>
    <message>
        <source>Downloading failed! The file could not be read to its end: %1</source>
        <translation>İndirme başarısız! Dosya sonuna kadar okunamadı: %1</translation>
    </message>
    <message>
        <source>The STB restarted before it finished writing! The image was not written.</source>
        <translation>STB yazmayı bitirmeden yeniden başladı! İmaj yazılmadı.</translation>
    </message>
    <message>
        <source>Please, Switch off the STB, start the download, then switch on the STB.</source>
        <translation>Lütfen STB&apos;yi kapatın, indirmeyi başlatın, sonra STB&apos;yi açın.</translation>
    </message>
    <message>
        <source>The STB offered more than one file; only the first was received.</source>
        <translation>STB birden fazla dosya sundu; yalnızca ilki alındı.</translation>
    </message>
    <message>
        <source>The file is empty! There is nothing to download.</source>
        <translation>Dosya boş! İndirilecek bir şey yok.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, more than any STB takes! Check the file, or use Forced download to send it anyway.</source>
        <translation>Dosya %1 MiB&apos;den büyük, hiçbir STB&apos;nin alabileceğinden fazla! Dosyayı kontrol edin ya da yine de göndermek için Zorla indirme kullanın.</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: it is a folder!</source>
        <translation>Yükleme %1 konumuna kaydedilemiyor: bu bir klasör!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder does not exist!</source>
        <translation>Yükleme %1 konumuna kaydedilemiyor: klasörü yok!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder cannot be written!</source>
        <translation>Yükleme %1 konumuna kaydedilemiyor: klasörüne yazılamıyor!</translation>
    </message>
    <message>
        <source>Transferring canceled!</source>
        <translation>Aktarım iptal edildi!</translation>
    </message>
    <message>
        <source>Do you want to stop the downloading?</source>
        <translation>İndirmeyi durdurmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Do you want to stop the uploading?</source>
        <translation>Yüklemeyi durdurmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The Download and Upload buttons while a transfer runs.</extracomment>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Waiting Turning on STB...</source>
        <extracomment>The progress bar while the STB is switched off, before a download.</extracomment>
        <translation>STB&apos;nin açılması bekleniyor...</translation>
    </message>
    <message>
        <source>Wait Upload Data...</source>
        <translation>Yükleme verisi bekleniyor...</translation>
    </message>
    <message>
        <source>Transferring timeout occurred!</source>
        <translation>Aktarımda zaman aşımı oluştu!</translation>
    </message>
    <message>
        <source>%1 bps</source>
        <translation>%1 bps</translation>
    </message>
    <message>
        <source>Wait writing image end...</source>
        <translation>İmaj yazımının bitmesi bekleniyor...</translation>
    </message>
    <message>
        <source>STB Boot Ver : %1</source>
        <translation>STB Boot Sürümü : %1</translation>
    </message>
    <message>
        <source>STB App Ver : %1</source>
        <translation>STB Uygulama Sürümü : %1</translation>
    </message>
    <message>
        <source>Uploading %1% ...</source>
        <translation>Yükleniyor %1% ...</translation>
    </message>
    <message>
        <source>Downloading %1% ...</source>
        <translation>İndiriliyor %1% ...</translation>
    </message>
    <message>
        <source>Downloading process started.</source>
        <translation>İndirme işlemi başladı.</translation>
    </message>
    <message>
        <source>Uploading process started.</source>
        <translation>Yükleme işlemi başladı.</translation>
    </message>
    <message>
        <source>Send upload command and wait ack..</source>
        <translation>Yükleme komutu gönderildi, onay bekleniyor..</translation>
    </message>
    <message>
        <source>Transferring ended.</source>
        <translation>Aktarım bitti.</translation>
    </message>
    <message>
        <source>Writing Image started.</source>
        <translation>İmaj yazımı başladı.</translation>
    </message>
    <message>
        <source>Transferring started.</source>
        <translation>Aktarım başladı.</translation>
    </message>
    <message>
        <source>Transferring started!</source>
        <translation>Aktarım başladı!</translation>
    </message>
    <message>
        <source>Serial Port Internal Error: Write</source>
        <translation>Seri port iç hatası: Yazma</translation>
    </message>
    <message>
        <source>Uploading failed! %1</source>
        <translation>Yükleme başarısız! %1</translation>
    </message>
    <message>
        <source>Uploading data is kept in</source>
        <translation>Yükleme verisi şurada saklanıyor:</translation>
    </message>
    <message>
        <source>The received data is kept in %1</source>
        <translation>Alınan veri şurada saklanıyor: %1</translation>
    </message>
    <message>
        <source>%1 The received data is kept in %2</source>
        <translation>%1 Alınan veri şurada saklanıyor: %2</translation>
    </message>
    <message>
        <source>Writing Image stopped.</source>
        <translation>İmaj yazımı durdu.</translation>
    </message>
    <message>
        <source>Writing image stopped.</source>
        <translation>İmaj yazımı durduruldu.</translation>
    </message>
    <message>
        <source>Downloading stopped successfully!</source>
        <translation>İndirme başarıyla durduruldu!</translation>
    </message>
    <message>
        <source>Uploading finished successfully!</source>
        <translation>Yükleme başarıyla bitti!</translation>
    </message>
    <message>
        <source>Uploading data is saved to</source>
        <translation>Yükleme verisi şuraya kaydedildi:</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 differs from the STB&apos;s %2.</source>
        <translation>İmajın alıcı kodu %1, STB&apos;ninkinden (%2) farklı.</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 does not match the STB&apos;s.</source>
        <translation>İmajın alıcı kodu %1, STB&apos;ninkiyle eşleşmiyor.</translation>
    </message>
    <message>
        <source>&quot;Forced download&quot; (command line: --forced) downloads it anyway.</source>
        <translation>&quot;Zorla indirme&quot; (komut satırı: --forced) yine de indirir.</translation>
    </message>
    <message>
        <source>No receiver answered on %1: check the cable and the port, and that the STB is switched on (for a download: after the start; for an upload: with its &apos;PC COM&apos; item active).</source>
        <translation>%1 üzerinde hiçbir alıcı yanıt vermedi: kabloyu ve portu, STB&apos;nin açık olduğunu kontrol edin (indirme için: başlattıktan sonra; yükleme için: &apos;PC COM&apos; öğesi etkinken).</translation>
    </message>
    <message>
        <source>%1 bytes in %2 s (%3 bytes/s), %4 blocks, %5 resent, %6 time-outs</source>
        <translation>%2 sn&apos;de %1 bayt (%3 bayt/sn), %4 blok, %5 yeniden gönderim, %6 zaman aşımı</translation>
    </message>
    <message>
        <source>%1 port was opened successfully!</source>
        <translation>%1 portu başarıyla açıldı!</translation>
    </message>
    <message>
        <source>Port(%1) open failed.</source>
        <translation>Port(%1) açılamadı.</translation>
    </message>
    <message>
        <source>Port(%1) failed: %2</source>
        <translation>Port(%1) başarısız: %2</translation>
    </message>
    <message>
        <source>buff full</source>
        <translation>arabellek dolu</translation>
    </message>
    <message>
        <source>%1 does not exist: the adapter is unplugged or the name is wrong. Plug it in, or choose one of the ports that Configure or &apos;dorvane ports&apos; lists.</source>
        <translation>%1 yok: adaptör takılı değil ya da ad yanlış. Takın ya da Yapılandır veya &apos;dorvane ports&apos; listesindeki portlardan birini seçin.</translation>
    </message>
    <message>
        <source>No serial port is there: plug in the adapter.</source>
        <translation>Seri port yok: adaptörü takın.</translation>
    </message>
    <message>
        <source>The serial ports are: %1.</source>
        <translation>Seri portlar: %1.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2. %3</source>
        <translation>%1 bir seri port değil: %2. %3</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>bir klasör</translation>
    </message>
    <message>
        <source>a plain file</source>
        <translation>sıradan bir dosya</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>bir aygıt değil</translation>
    </message>
    <message>
        <source>a device that is not a serial line</source>
        <translation>seri hat olmayan bir aygıt</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Close that program, or choose another port.</source>
        <translation>%1, %2 tarafından kullanılıyor. O programı kapatın ya da başka bir port seçin.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <translation>%1 başka bir program tarafından kullanılıyor. O programı kapatın ya da başka bir port seçin.</translation>
    </message>
    <message>
        <source>Permission denied on %1: your user is not in the &apos;%2&apos; group. Join it with &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>%1 üzerinde izin reddedildi: kullanıcınız &apos;%2&apos; grubunda değil. &apos;sudo usermod -aG %2 $USER&apos; ile katılın, sonra oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>%1 has gone away: the adapter was unplugged. Plug it back in and retry.</source>
        <translation>%1 kayboldu: adaptör çıkarıldı. Yeniden takıp tekrar deneyin.</translation>
    </message>
    <message>
        <source>%1 stopped working: %2.</source>
        <translation>%1 çalışmayı durdurdu: %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>bilinmeyen hata</translation>
    </message>
    <message>
        <source>the first USB serial adapter found</source>
        <translation>bulunan ilk USB seri adaptör</translation>
    </message>
    <message>
        <source>the first USB serial adapter found (%1)</source>
        <translation>bulunan ilk USB seri adaptör (%1)</translation>
    </message>
    <message>
        <source>the first serial port found</source>
        <translation>bulunan ilk seri port</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Dosya yazılamadı!</translation>
    </message>
    <message>
        <source>Channel data file is truncated!</source>
        <translation>Kanal veri dosyası kesik!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 bulunamadı.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 geçersiz bir yol içeriyor.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 açılamadı, çünkü çok fazla açık dosya var.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>%1 erişimi reddedildi.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>%1 erişilirken paylaşım ihlali oluştu.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>%1 erişilirken donanım G/Ç hatası bildirildi.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>%1 erişilirken disk doldu.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>%1 erişilirken beklenmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>This file cannot be written back without losing data: %1.</source>
        <translation>Bu dosya veri kaybetmeden geri yazılamaz: %1.</translation>
    </message>
    <message>
        <source>Data is unavailable!</source>
        <translation>Veri kullanılamıyor!</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <extracomment>The editor&apos;s window title.</extracomment>
        <translation>Alıcı Verisini Düzenle</translation>
    </message>
    <message>
        <source>Edit Receiver Data - %1</source>
        <translation>Alıcı Verisini Düzenle - %1</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (salt okunur)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 bulundu</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected satellites</source>
        <translation>%1 bulundu, %2 seçili uydularda</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected transponders</source>
        <translation>%1 bulundu, %2 seçili transponderlerde</translation>
    </message>
    <message>
        <source>Choose channels in the list below to add them to the group</source>
        <translation>Gruba eklemek için aşağıdaki listeden kanal seçin</translation>
    </message>
    <message>
        <source>Choose one transponder to copy, or one satellite without transponders</source>
        <translation>Kopyalamak için bir transponder ya da transponderi olmayan bir uydu seçin</translation>
    </message>
    <message>
        <source>Satellites are added with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>Uydular &quot;Tüm Uydu&quot; seçiliyken eklenir; önce bir liste seçin</translation>
    </message>
    <message>
        <source>Choose a list first</source>
        <translation>Önce bir liste seçin</translation>
    </message>
    <message>
        <source>Choose members of the group to delete them</source>
        <translation>Silmek için grubun üyelerini seçin</translation>
    </message>
    <message>
        <source>Satellites are deleted with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>Uydular &quot;Tüm Uydu&quot; seçiliyken silinir; önce bir liste seçin</translation>
    </message>
    <message>
        <source>Choose what to delete first</source>
        <translation>Önce neyin silineceğini seçin</translation>
    </message>
    <message>
        <source>Choose members of the group to move them</source>
        <translation>Taşımak için grubun üyelerini seçin</translation>
    </message>
    <message>
        <source>Channels are moved within a single satellite, or across all of them with every satellite chosen</source>
        <translation>Kanallar tek bir uydu içinde ya da her uydu seçiliyken hepsi arasında taşınır</translation>
    </message>
    <message>
        <source>Choose channels to move first</source>
        <translation>Önce taşınacak kanalları seçin</translation>
    </message>
    <message>
        <source>You must select another destination</source>
        <translation>Başka bir hedef seçmelisiniz</translation>
    </message>
    <message>
        <source>Finish or cancel the pending move first</source>
        <translation>Önce bekleyen taşımayı bitirin ya da iptal edin</translation>
    </message>
    <message>
        <source>Channels are dropped on a channel of the list to move them</source>
        <translation>Kanalları taşımak için listedeki bir kanalın üzerine bırakın</translation>
    </message>
    <message>
        <source>Drop channels on a group or its members, or members on a member</source>
        <translation>Kanalları bir grubun ya da üyelerinin, üyeleri bir üyenin üzerine bırakın</translation>
    </message>
    <message>
        <source>Channels are ordered in the &quot;Satellite&quot; view</source>
        <translation>Kanallar &quot;Uydu&quot; görünümünde sıralanır</translation>
    </message>
    <message>
        <source>Finish the add first</source>
        <translation>Önce eklemeyi bitirin</translation>
    </message>
    <message>
        <source>Choose exactly two channels to swap them</source>
        <translation>Yer değiştirmek için tam iki kanal seçin</translation>
    </message>
    <message>
        <source>Choose channels first</source>
        <translation>Önce kanal seçin</translation>
    </message>
    <message>
        <source>Cannot add satellite</source>
        <translation>Uydu eklenemiyor</translation>
    </message>
    <message>
        <source>Cannot add transponder</source>
        <translation>Transponder eklenemiyor</translation>
    </message>
    <message>
        <source>Cannot add channel</source>
        <translation>Kanal eklenemiyor</translation>
    </message>
    <message>
        <source>Max Favorite Count!!</source>
        <translation>En fazla favori sayısına ulaşıldı!!</translation>
    </message>
    <message>
        <source>Favorite Group empty!!</source>
        <translation>Favori grubu boş!!</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3?</source>
        <translation>%1, bunların %2 ve %3 silinsin mi?</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3 (%4)?</source>
        <translation>%1, bunların %2 ve %3 (%4) silinsin mi?</translation>
    </message>
    <message>
        <source>Delete %1 and their %2?</source>
        <translation>%1 ve bunların %2 silinsin mi?</translation>
    </message>
    <message>
        <source>Delete %1 and their %2 (%3)?</source>
        <translation>%1 ve bunların %2 (%3) silinsin mi?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 silinsin mi?</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <translation>%1 (%2) silinsin mi?</translation>
    </message>
    <message>
        <source>1 satellite</source>
        <translation>1 uydu</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 uydu</translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation>1 transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>1 favourite entry</source>
        <translation>1 favori girişi</translation>
    </message>
    <message>
        <source>%1 favourite entries</source>
        <translation>%1 favori girişi</translation>
    </message>
    <message>
        <source>1 duplicate</source>
        <translation>1 yinelenen</translation>
    </message>
    <message>
        <source>%1 duplicates</source>
        <translation>%1 yinelenen</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 eklendi</translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation>%1 değiştirildi</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 atlandı</translation>
    </message>
    <message>
        <source>%1 not copied (no room)</source>
        <translation>%1 kopyalanmadı (yer yok)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Nothing was copied.</source>
        <translation>Hiçbir şey kopyalanmadı.</translation>
    </message>
    <message>
        <source>1 of the channels to copy is already in this file (the same satellite, transponder and service id).</source>
        <translation>Kopyalanacak kanallardan 1&apos;i bu dosyada zaten var (aynı uydu, transponder ve servis kimliği).</translation>
    </message>
    <message>
        <source>%1 of the channels to copy are already in this file (the same satellite, transponder and service id).</source>
        <translation>Kopyalanacak kanallardan %1 tanesi bu dosyada zaten var (aynı uydu, transponder ve servis kimliği).</translation>
    </message>
    <message>
        <source>Skip them, replace the ones here, or keep both?</source>
        <translation>Atlansın mı, buradakiler değiştirilsin mi, yoksa ikisi de tutulsun mu?</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>İkisini de tut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Every transponder carries a channel: none removed.</source>
        <translation>Her transponder bir kanal taşıyor: hiçbiri kaldırılmadı.</translation>
    </message>
    <message>
        <source>Remove %1 without a channel?</source>
        <translation>Kanalı olmayan %1 kaldırılsın mı?</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Yeni Kanal</translation>
    </message>
    <message>
        <source>This file cannot be saved: it holds data the editor would lose (%1).</source>
        <translation>Bu dosya kaydedilemez: düzenleyicinin kaybedeceği veriler içeriyor (%1).</translation>
    </message>
    <message>
        <source>%1 Not saved.</source>
        <translation>%1 Kaydedilmedi.</translation>
    </message>
    <message>
        <source>The check before saving found:</source>
        <translation>Kaydetmeden önceki denetim şunları buldu:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Yine de kaydet</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Değişiklikleri kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Hiçbir şey içe aktarılmadı: %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... ve %1 tane daha</translation>
    </message>
    <message>
        <source>The file cannot tell such channels apart: the favourite may come back as the lower-numbered one.</source>
        <translation>Dosya bu kanalları birbirinden ayıramaz: favori, numarası küçük olan olarak geri gelebilir.</translation>
    </message>
    <message>
        <source>v%1 (build #%2)</source>
        <extracomment>The version in the About box: the version and the build number.</extracomment>
        <translation>v%1 (derleme #%2)</translation>
    </message>
    <message>
        <source>File Name : %1</source>
        <translation>Dosya Adı : %1</translation>
    </message>
    <message>
        <source>Image Type : %1</source>
        <translation>İmaj Tipi : %1</translation>
    </message>
    <message>
        <source>File Size : %1 bytes</source>
        <translation>Dosya Boyutu : %1 bayt</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Sürüm : %1</translation>
    </message>
    <message>
        <source>%1 (build #%2)</source>
        <translation>%1 (derleme #%2)</translation>
    </message>
    <message>
        <source>Build Date : %1 (%2)</source>
        <translation>Derleme Tarihi : %1 (%2)</translation>
    </message>
    <message>
        <source>Buyer : %1</source>
        <extracomment>The image&apos;s buyer code (who the firmware was made for).</extracomment>
        <translation>Alıcı : %1</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s application answers (an upload; a download needs it switched off).</source>
        <translation>Aktarım başlayabilir: STB&apos;nin uygulaması yanıt veriyor (yükleme; indirme için kapalı olması gerekir).</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s boot loader asks for a file (download).</source>
        <translation>Aktarım başlayabilir: STB&apos;nin önyükleyicisi dosya istiyor (indirme).</translation>
    </message>
    <message>
        <source>The port opens at 115,200 8N1; the STB was not asked.</source>
        <translation>Port 115,200 8N1 ile açılıyor; STB&apos;ye sorulmadı.</translation>
    </message>
    <message>
        <source>The port and the plug pass every byte. Fit the STB&apos;s cable instead and check again.</source>
        <translation>Port ve fiş her baytı geçiriyor. Bunun yerine STB&apos;nin kablosunu takıp yeniden kontrol edin.</translation>
    </message>
    <message>
        <source>No transfer can start yet: see the problems above.</source>
        <translation>Henüz aktarım başlayamaz: yukarıdaki sorunlara bakın.</translation>
    </message>
    <message>
        <source>the port failed during the check.</source>
        <translation>port kontrol sırasında arızalandı.</translation>
    </message>
    <message>
        <source>The adapter was unplugged or its driver gave up: plug it in again and check again.</source>
        <translation>Adaptör çıkarıldı ya da sürücüsü pes etti: yeniden takıp tekrar kontrol edin.</translation>
    </message>
    <message>
        <source>stopped before its end.</source>
        <translation>bitmeden durduruldu.</translation>
    </message>
    <message>
        <source>not tried: %1</source>
        <translation>denenmedi: %1</translation>
    </message>
    <message>
        <source>the port did not open.</source>
        <translation>port açılmadı.</translation>
    </message>
    <message>
        <source>no loop-back plug fitted (%1 tests one: TX joined to RX).</source>
        <translation>geri döngü fişi takılı değil (%1 bir fişle dener: TX, RX&apos;e bağlı).</translation>
    </message>
    <message>
        <source>%1 bytes sent, %2 back: %3 lost, %4 garbled, %5 extra; %6 bytes/s back (the line carries %7).</source>
        <translation>%1 bayt gönderildi, %2 geri geldi: %3 kayıp, %4 bozuk, %5 fazla; geri %6 bayt/sn (hat %7 taşır).</translation>
    </message>
    <message>
        <source>Nothing came back: the plug is not fitted, TX and RX are not joined, or the adapter does not send.</source>
        <translation>Hiçbir şey geri gelmedi: fiş takılı değil, TX ile RX bağlı değil ya da adaptör göndermiyor.</translation>
    </message>
    <message>
        <source>The adapter or its cable loses or garbles bytes: try another cable, another USB socket (not a hub) or another adapter.</source>
        <translation>Adaptör ya da kablosu bayt kaybediyor veya bozuyor: başka bir kablo, başka bir USB yuvası (hub değil) ya da başka bir adaptör deneyin.</translation>
    </message>
    <message>
        <source>the loop-back plug is fitted instead of the STB.</source>
        <translation>STB yerine geri döngü fişi takılı.</translation>
    </message>
    <message>
        <source>the STB&apos;s application answered the link test (BEL, ACK): an upload can start.</source>
        <translation>STB&apos;nin uygulaması bağlantı testine yanıt verdi (BEL, ACK): yükleme başlayabilir.</translation>
    </message>
    <message>
        <source>For a download switch the STB off, start the download, then switch it on.</source>
        <translation>İndirme için STB&apos;yi kapatın, indirmeyi başlatın, sonra STB&apos;yi açın.</translation>
    </message>
    <message>
        <source>the STB&apos;s boot loader asks for a file (&apos;C&apos;): a download can start now; an upload needs its application.</source>
        <translation>STB&apos;nin önyükleyicisi dosya istiyor (&apos;C&apos;): indirme şimdi başlayabilir; yükleme için uygulaması gerekir.</translation>
    </message>
    <message>
        <source>what the PC sends comes back (%1 of %2 BELs): the line is looped.</source>
        <translation>PC&apos;nin gönderdiği geri geliyor (%2 BEL&apos;den %1): hat döngüde.</translation>
    </message>
    <message>
        <source>A loop-back plug or a cable that joins TX to RX is fitted, not the STB&apos;s cable.</source>
        <translation>STB&apos;nin kablosu değil, bir geri döngü fişi ya da TX&apos;i RX&apos;e bağlayan bir kablo takılı.</translation>
    </message>
    <message>
        <source>bytes came that answer nothing (%1).</source>
        <translation>hiçbir şeye yanıt olmayan baytlar geldi (%1).</translation>
    </message>
    <message>
        <source>Another device is on the line, or it runs at another speed than 115,200 bit/s.</source>
        <translation>Hatta başka bir cihaz var ya da 115,200 bit/sn&apos;den farklı bir hızda çalışıyor.</translation>
    </message>
    <message>
        <source>no answer to %1 link tests (BEL, waited %2 ms each).</source>
        <translation>%1 bağlantı testine yanıt yok (BEL, her biri için %2 ms beklendi).</translation>
    </message>
    <message>
        <source>Most likely, in this order: the STB is off; its application runs with &quot;PC COM&quot; off (an upload needs that menu item on); the cable lacks the right wires (the PC&apos;s TX must reach the STB&apos;s RX and the STB&apos;s TX the PC&apos;s RX, with ground joined: a null-modem cable).</source>
        <translation>En olası nedenler, bu sırayla: STB kapalı; uygulaması &quot;PC COM&quot; kapalıyken çalışıyor (yükleme için bu menü öğesinin açık olması gerekir); kabloda doğru teller yok (PC&apos;nin TX&apos;i STB&apos;nin RX&apos;ine, STB&apos;nin TX&apos;i PC&apos;nin RX&apos;ine ulaşmalı, toprak bağlı: null-modem kablo).</translation>
    </message>
    <message>
        <source>already asking for a file.</source>
        <translation>zaten dosya istiyor.</translation>
    </message>
    <message>
        <source>not needed: the application answers.</source>
        <translation>gerek yok: uygulama yanıt veriyor.</translation>
    </message>
    <message>
        <source>not asked to switch the STB off and on (%1).</source>
        <translation>STB&apos;yi kapatıp açmanız istenmedi (%1).</translation>
    </message>
    <message>
        <source>Switch the STB off, wait two seconds and switch it on again: waiting up to %1 s for its boot loader.</source>
        <translation>STB&apos;yi kapatın, iki saniye bekleyin ve yeniden açın: önyükleyicisi için %1 sn&apos;ye kadar bekleniyor.</translation>
    </message>
    <message>
        <source>the boot loader asked for a file (&apos;C&apos;) %1 s after the request: cable and STB work, a download can start.</source>
        <translation>önyükleyici, istekten %1 sn sonra dosya istedi (&apos;C&apos;): kablo ve STB çalışıyor, indirme başlayabilir.</translation>
    </message>
    <message>
        <source>No application answered the link test before: the STB was off, or its application has &quot;PC COM&quot; off (an upload needs that menu item on).</source>
        <translation>Daha önce hiçbir uygulama bağlantı testine yanıt vermedi: STB kapalıydı ya da uygulamasında &quot;PC COM&quot; kapalı (yükleme için bu menü öğesinin açık olması gerekir).</translation>
    </message>
    <message>
        <source>no &apos;C&apos; within %1 s.</source>
        <translation>%1 sn içinde &apos;C&apos; gelmedi.</translation>
    </message>
    <message>
        <source>The STB did not start, or what it sends does not reach the PC: check its power, and that the cable is a null-modem cable (TX and RX crossed, ground joined).</source>
        <translation>STB başlamadı ya da gönderdiği PC&apos;ye ulaşmıyor: gücünü ve kablonun null-modem kablo olduğunu kontrol edin (TX ve RX çapraz, toprak bağlı).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 yok.</translation>
    </message>
    <message>
        <source>Plug the adapter in, or choose another port.</source>
        <translation>Adaptörü takın ya da başka bir port seçin.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2.</source>
        <translation>%1 bir seri port değil: %2.</translation>
    </message>
    <message>
        <source>a serial line the system lists as no adapter (a pseudo-terminal or a port of its own)</source>
        <translation>sistemin hiçbir adaptöre bağlamadığı bir seri hat (sözde terminal ya da kendi portu)</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Bir seri port seçin.</translation>
    </message>
    <message>
        <source>Windows keeps no permissions on COM ports; a port another program holds shows when it is opened.</source>
        <translation>Windows COM portlarında izin tutmaz; başka bir programın tuttuğu port açılırken belli olur.</translation>
    </message>
    <message>
        <source>there is no serial port to look at.</source>
        <translation>bakılacak seri port yok.</translation>
    </message>
    <message>
        <source>%1 may read and write it (group &apos;%2&apos;, mode %3).</source>
        <translation>%1 okuyup yazabilir (grup &apos;%2&apos;, kip %3).</translation>
    </message>
    <message>
        <source>%1 may not read and write it (group &apos;%2&apos;, %3; mode %4).</source>
        <translation>%1 okuyup yazamaz (grup &apos;%2&apos;, %3; kip %4).</translation>
    </message>
    <message>
        <source>you are in it</source>
        <translation>bu gruptasınız</translation>
    </message>
    <message>
        <source>you are not in it</source>
        <translation>bu grupta değilsiniz</translation>
    </message>
    <message>
        <source>The device&apos;s mode shuts its group out: &apos;sudo chmod g+rw %1&apos; until it is plugged in again; a udev rule that sets MODE=&quot;0660&quot; keeps it.</source>
        <translation>Cihazın kipi grubunu dışarıda bırakıyor: yeniden takılana dek &apos;sudo chmod g+rw %1&apos;; MODE=&quot;0660&quot; koyan bir udev kuralı bunu kalıcı kılar.</translation>
    </message>
    <message>
        <source>You are listed in &apos;%1&apos; but this session started before that: log out and in again (or run &apos;newgrp %1&apos;).</source>
        <translation>&apos;%1&apos; grubunda kayıtlısınız ama bu oturum ondan önce başladı: oturumu kapatıp yeniden açın (ya da &apos;newgrp %1&apos; çalıştırın).</translation>
    </message>
    <message>
        <source>The device belongs to root alone. A udev rule giving it to the &apos;dialout&apos; group (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) lets the group in; then join it with &apos;sudo usermod -aG dialout $USER&apos; and log out and in again.</source>
        <translation>Cihaz yalnızca root&apos;a ait. Onu &apos;dialout&apos; grubuna veren bir udev kuralı (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) grubu içeri alır; sonra &apos;sudo usermod -aG dialout $USER&apos; ile gruba katılıp oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>Join the group: &apos;sudo usermod -aG %1 $USER&apos;, then log out and in again.</source>
        <translation>Gruba katılın: &apos;sudo usermod -aG %1 $USER&apos;, sonra oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>Windows tells who holds a port only by refusing to open it: see the line settings.</source>
        <translation>Windows bir portu kimin tuttuğunu yalnızca açmayı reddederek söyler: hat ayarlarına bakın.</translation>
    </message>
    <message>
        <source>in use by %1.</source>
        <translation>%1 tarafından kullanılıyor.</translation>
    </message>
    <message>
        <source>The other end of this pseudo-terminal is %1.</source>
        <translation>Bu sözde terminalin öbür ucu %1.</translation>
    </message>
    <message>
        <source>Close that program (or end it with &apos;kill %1&apos;), then check again.</source>
        <translation>O programı kapatın (ya da &apos;kill %1&apos; ile sonlandırın), sonra yeniden kontrol edin.</translation>
    </message>
    <message>
        <source>no other program holds it (lock files and open files looked at).</source>
        <translation>başka hiçbir program tutmuyor (kilit dosyaları ve açık dosyalar incelendi).</translation>
    </message>
    <message>
        <source>the port does not exist.</source>
        <translation>port yok.</translation>
    </message>
    <message>
        <source>it is no serial port.</source>
        <translation>seri port değil.</translation>
    </message>
    <message>
        <source>this user may not open the port.</source>
        <translation>bu kullanıcı portu açamaz.</translation>
    </message>
    <message>
        <source>%1 holds the port; opening it would take bytes from it.</source>
        <translation>%1 portu tutuyor; açmak ondan bayt alır.</translation>
    </message>
    <message>
        <source>115,200 bit/s, 8 data bits, no parity, 1 stop bit, no flow control: accepted.</source>
        <translation>115,200 bit/sn, 8 veri biti, eşliksiz, 1 dur biti, akış denetimi yok: kabul edildi.</translation>
    </message>
    <message>
        <source>the port did not open at 115,200 8N1: %1.</source>
        <translation>port 115,200 8N1 ile açılmadı: %1.</translation>
    </message>
    <message>
        <source>The STB does not report its writing: check its display.</source>
        <translation>STB yazmasını bildirmiyor: ekranına bakın.</translation>
    </message>
    <message>
        <source>Can&apos;t write the report to %1: %2</source>
        <translation>Rapor %1 dosyasına yazılamıyor: %2</translation>
    </message>
    <message>
        <source>%1 Switching the STB off and on during a check (%2) tells which.</source>
        <translation>%1 Kontrol sırasında STB&apos;yi kapatıp açmak (%2) hangisi olduğunu gösterir.</translation>
    </message>
    <message>
        <source>made by %1</source>
        <translation>üretici %1</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>seri numarası %1</translation>
    </message>
    <message>
        <source>idle</source>
        <extracomment>A transfer&apos;s phase, in its figures: &quot;transferring 3/10 blocks&quot;.</extracomment>
        <translation>boşta</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>bekliyor</translation>
    </message>
    <message>
        <source>transferring</source>
        <translation>aktarılıyor</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>yazılıyor</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>bitti</translation>
    </message>
    <message>
        <source>%1 %2% %3/%4 blocks</source>
        <extracomment>The phase, how far the STB has written, blocks sent of all.</extracomment>
        <translation>%1 %2% %3/%4 blok</translation>
    </message>
    <message>
        <source>%1 %2/%3 blocks</source>
        <translation>%1 %2/%3 blok</translation>
    </message>
    <message>
        <source>%1 %2 blocks</source>
        <translation>%1 %2 blok</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 bayt</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bayt</translation>
    </message>
    <message>
        <source>%1 bytes/s</source>
        <translation>%1 bayt/sn</translation>
    </message>
    <message>
        <source>ETA %1</source>
        <extracomment>The time a transfer still needs.</extracomment>
        <translation>kalan %1</translation>
    </message>
    <message>
        <source>%1 resent</source>
        <translation>%1 yeniden gönderim</translation>
    </message>
    <message>
        <source>%1 time-outs</source>
        <translation>%1 zaman aşımı</translation>
    </message>
    <message>
        <source>Undefined</source>
        <extracomment>An image type: what a firmware file holds.</extracomment>
        <translation>Tanımsız</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Önyükleyici</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Uygulama</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Veritabanı</translation>
    </message>
    <message>
        <source>IRZ Data</source>
        <translation>IRZ Verisi</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabrika</translation>
    </message>
    <message>
        <source>Image Type : Upload</source>
        <extracomment>An image made to be received from the STB (an image type, not the command).</extracomment>
        <translation>İmaj Tipi : Yükleme</translation>
    </message>
    <message>
        <source>Image Type : Upload.</source>
        <translation>İmaj Tipi : Yükleme.</translation>
    </message>
    <message>
        <source>Buyer :</source>
        <extracomment>An image without a buyer code.</extracomment>
        <translation>Alıcı :</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; has the transponder (%3) and service id (%4) of channel %5 &quot;%6&quot;; favourites of it come back as the other one</source>
        <translation>%1 numaralı kanal &quot;%2&quot;, %5 numaralı kanal &quot;%6&quot; ile aynı transponder (%3) ve servis kimliğine (%4) sahip; favorileri diğeri olarak geri gelir</translation>
    </message>
    <message>
        <source>transponders %1 (%2 MHz) and %3 (%4 MHz) collide on satellite %5, %6</source>
        <translation>%1 (%2 MHz) ve %3 (%4 MHz) transponderleri %5 numaralı uyduda çakışıyor, %6</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which is not in use</source>
        <translation>%1 numaralı kanal &quot;%2&quot;, kullanılmayan %3 numaralı transponderde duruyor</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which has no frequency (0 MHz)</source>
        <translation>%1 numaralı kanal &quot;%2&quot;, frekansı olmayan (0 MHz) %3 numaralı transponderde duruyor</translation>
    </message>
    <message>
        <source>favourite group %1 place %2 names channel %3, which holds no channel</source>
        <translation>%1 numaralı favori grubunun %2. yeri, kanal içermeyen %3 numaralı kanalı gösteriyor</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is in use but not in the satellite order list, so the editor does not show it</source>
        <translation>%1 numaralı uydu &quot;%2&quot; kullanımda ama uydu sırası listesinde değil, bu yüzden düzenleyici onu göstermiyor</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is beyond the %3 satellites the file holds and is not written</source>
        <translation>%1 numaralı uydu &quot;%2&quot;, dosyanın tuttuğu %3 uydunun ötesinde ve yazılmıyor</translation>
    </message>
    <message>
        <source>satellite order place %1 is beyond the %2 places the file holds and is not written</source>
        <translation>uydu sırasının %1. yeri, dosyanın tuttuğu %2 yerin ötesinde ve yazılmıyor</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2, beyond the receiver&apos;s %3</source>
        <translation>uydu sırasının %1. yeri %2 numaralı uyduyu gösteriyor, alıcının %3 uydusunun ötesinde</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2 a second time</source>
        <translation>uydu sırasının %1. yeri %2 numaralı uyduyu ikinci kez gösteriyor</translation>
    </message>
    <message>
        <source>transponder %1 is on satellite %2, beyond the %3 satellites the file holds</source>
        <translation>%1 numaralı transponder %2 numaralı uyduda, dosyanın tuttuğu %3 uydunun ötesinde</translation>
    </message>
    <message>
        <source>1 channel would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>Kaydederken 1 kanal kaybolur: transponder yok ya da frekansı yok (0 MHz).</translation>
    </message>
    <message>
        <source>%1 channels would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>Kaydederken %1 kanal kaybolur: transponder yok ya da frekansı yok (0 MHz).</translation>
    </message>
    <message>
        <source>- %1</source>
        <extracomment>A line of a list of findings.</extracomment>
        <translation>- %1</translation>
    </message>
    <message>
        <source>the file cannot be written back without losing data: %1</source>
        <translation>dosya veri kaybetmeden geri yazılamaz: %1</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Fark yok.</translation>
    </message>
    <message>
        <source>1 channel added</source>
        <translation>1 kanal eklendi</translation>
    </message>
    <message>
        <source>%1 channels added</source>
        <translation>%1 kanal eklendi</translation>
    </message>
    <message>
        <source>1 channel removed</source>
        <translation>1 kanal kaldırıldı</translation>
    </message>
    <message>
        <source>%1 channels removed</source>
        <translation>%1 kanal kaldırıldı</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <extracomment>Channels, in the summary of a comparison: &quot;3 renamed&quot;.</extracomment>
        <translation>%1 yeniden adlandırıldı</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>%1 taşındı</translation>
    </message>
    <message>
        <source>%1 with PIDs changed</source>
        <translation>%1 kanalın PID&apos;leri değişti</translation>
    </message>
    <message>
        <source>%1 with other changes</source>
        <translation>%1 kanalda başka değişiklik</translation>
    </message>
    <message>
        <source>1 favourite group changed</source>
        <translation>1 favori grubu değişti</translation>
    </message>
    <message>
        <source>%1 favourite groups changed</source>
        <translation>%1 favori grubu değişti</translation>
    </message>
    <message>
        <source>1 satellite added</source>
        <translation>1 uydu eklendi</translation>
    </message>
    <message>
        <source>%1 satellites added</source>
        <translation>%1 uydu eklendi</translation>
    </message>
    <message>
        <source>1 satellite removed</source>
        <translation>1 uydu kaldırıldı</translation>
    </message>
    <message>
        <source>%1 satellites removed</source>
        <translation>%1 uydu kaldırıldı</translation>
    </message>
    <message>
        <source>1 satellite changed</source>
        <translation>1 uydu değişti</translation>
    </message>
    <message>
        <source>%1 satellites changed</source>
        <translation>%1 uydu değişti</translation>
    </message>
    <message>
        <source>satellite order changed</source>
        <translation>uydu sırası değişti</translation>
    </message>
    <message>
        <source>1 transponder added</source>
        <translation>1 transponder eklendi</translation>
    </message>
    <message>
        <source>%1 transponders added</source>
        <translation>%1 transponder eklendi</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>1 transponder kaldırıldı</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>%1 transponder kaldırıldı</translation>
    </message>
    <message>
        <source>1 transponder changed</source>
        <translation>1 transponder değişti</translation>
    </message>
    <message>
        <source>%1 transponders changed</source>
        <translation>%1 transponder değişti</translation>
    </message>
    <message>
        <source>Added channel %1</source>
        <translation>Eklenen kanal %1</translation>
    </message>
    <message>
        <source>Removed channel %1</source>
        <translation>Kaldırılan kanal %1</translation>
    </message>
    <message>
        <source>Renamed channel %1 to &quot;%2&quot;</source>
        <translation>Kanal %1, &quot;%2&quot; olarak yeniden adlandırıldı</translation>
    </message>
    <message>
        <source>Moved channel %1 to %2</source>
        <translation>Kanal %1, %2 konumuna taşındı</translation>
    </message>
    <message>
        <source>PIDs of channel %1: %2</source>
        <translation>Kanal %1 PID&apos;leri: %2</translation>
    </message>
    <message>
        <source>Changed channel %1: %2</source>
        <translation>Değişen kanal %1: %2</translation>
    </message>
    <message>
        <source>Favourite group %1: %2</source>
        <translation>Favori grubu %1: %2</translation>
    </message>
    <message>
        <source>Added satellite %1</source>
        <translation>Eklenen uydu %1</translation>
    </message>
    <message>
        <source>Removed satellite %1</source>
        <translation>Kaldırılan uydu %1</translation>
    </message>
    <message>
        <source>Changed satellite %1: %2</source>
        <translation>Değişen uydu %1: %2</translation>
    </message>
    <message>
        <source>The satellite order changed</source>
        <translation>Uydu sırası değişti</translation>
    </message>
    <message>
        <source>Added transponder %1</source>
        <translation>Eklenen transponder %1</translation>
    </message>
    <message>
        <source>Removed transponder %1</source>
        <translation>Kaldırılan transponder %1</translation>
    </message>
    <message>
        <source>Changed transponder %1: %2</source>
        <translation>Değişen transponder %1: %2</translation>
    </message>
    <message>
        <source>video type %1 -&gt; %2</source>
        <extracomment>What changed in a record: &quot;video type 1 -&gt; 2&quot;.</extracomment>
        <translation>video tipi %1 -&gt; %2</translation>
    </message>
    <message>
        <source>flags %1 -&gt; %2</source>
        <translation>bayraklar %1 -&gt; %2</translation>
    </message>
    <message>
        <source>ttxt %1 -&gt; %2</source>
        <extracomment>A teletext PID changed.</extracomment>
        <translation>teletekst %1 -&gt; %2</translation>
    </message>
    <message>
        <source>other bytes</source>
        <translation>diğer baytlar</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>ad &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>location %1 -&gt; %2</source>
        <translation>konum %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB frequency %1 -&gt; %2</source>
        <translation>LNB frekansı %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB type %1 -&gt; %2</source>
        <translation>LNB tipi %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB power %1 -&gt; %2</source>
        <translation>LNB gücü %1 -&gt; %2</translation>
    </message>
    <message>
        <source>DiSEqC port %1 -&gt; %2</source>
        <translation>DiSEqC portu %1 -&gt; %2</translation>
    </message>
    <message>
        <source>dish position %1 -&gt; %2</source>
        <translation>çanak konumu %1 -&gt; %2</translation>
    </message>
    <message>
        <source>symbol rate %1 -&gt; %2</source>
        <translation>sembol oranı %1 -&gt; %2</translation>
    </message>
    <message>
        <source>TV name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>TV adı &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>radio name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>radyo adı &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>order changed</source>
        <extracomment>The places of a favourite group&apos;s members changed.</extracomment>
        <translation>sıra değişti</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Favourite group %1: %2 / %3</source>
        <translation>Favori grubu %1: %2 / %3</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (devamı)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 channels (%4 TV, %5 radio), %6 transponders, %7 satellites, %8 favourite groups</source>
        <translation>%1, %2: %3 kanal (%4 TV, %5 radyo), %6 transponder, %7 uydu, %8 favori grubu</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>A column of the printed list: the channel&apos;s name.</extracomment>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>A column of the printed list: the frequency (MHz), abbreviated.</extracomment>
        <translation>Frek.</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>A column of the printed list: the polarisation, abbreviated.</extracomment>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>Servis kimliği</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>A column of the printed list: TV or radio.</extracomment>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>A column of the printed list: the channel&apos;s place in its favourite group.</extracomment>
        <translation>Yer</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>line %1, column %2: not UTF-8 text (byte 0x%3); save the file as UTF-8</source>
        <translation>satır %1, sütun %2: UTF-8 metin değil (bayt 0x%3); dosyayı UTF-8 olarak kaydedin</translation>
    </message>
    <message>
        <source>line 1: no header row</source>
        <translation>satır 1: başlık satırı yok</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>satır %1: tırnak içindeki bir alan kapatılmamış</translation>
    </message>
    <message>
        <source>line 1: no &quot;%1&quot; column; a row finds its channel by satellite, frequency, polarisation and serviceId</source>
        <extracomment>%1: a column&apos;s name (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>satır 1: &quot;%1&quot; sütunu yok; bir satır kanalını satellite, frequency, polarisation ve serviceId ile bulur</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <extracomment>%2: a column&apos;s name, %3: what is wrong with its value.</extracomment>
        <translation>satır %1, %2: %3</translation>
    </message>
    <message>
        <source>expected a satellite number %1..%2</source>
        <translation>%1..%2 arası bir uydu numarası bekleniyordu</translation>
    </message>
    <message>
        <source>expected a channel number %1..%2</source>
        <translation>%1..%2 arası bir kanal numarası bekleniyordu</translation>
    </message>
    <message>
        <source>expected an integer %1..%2</source>
        <translation>%1..%2 arası bir tam sayı bekleniyordu</translation>
    </message>
    <message>
        <source>expected V(R) or H(L)</source>
        <translation>V(R) ya da H(L) bekleniyordu</translation>
    </message>
    <message>
        <source>line %1: no channel has %2; the channel data changed since the table was made, or the row was edited there</source>
        <translation>satır %1: hiçbir kanalda %2 yok; tablo yapıldığından beri kanal verileri değişti ya da satır orada düzenlendi</translation>
    </message>
    <message>
        <source>line %1: channels %2 all have %3; the number column must name one of them</source>
        <translation>satır %1: %2 kanallarının hepsinde %3 var; number sütunu bunlardan birini belirtmeli</translation>
    </message>
    <message>
        <source>satellite %1, %2 MHz %3, service id %4</source>
        <extracomment>Where a channel is: &quot;satellite 1, 11494 MHz H(L), service id 28006&quot;.</extracomment>
        <translation>uydu %1, %2 MHz %3, servis kimliği %4</translation>
    </message>
    <message>
        <source>line %1: channel %2 given twice (line %3)</source>
        <translation>satır %1: kanal %2 iki kez verildi (satır %3)</translation>
    </message>
    <message>
        <source>the name holds a character the file cannot store (only Latin-1, no NUL)</source>
        <translation>ad, dosyanın saklayamayacağı bir karakter içeriyor (yalnızca Latin-1, NUL olmadan)</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>ad %1 karakterden uzun</translation>
    </message>
    <message>
        <source>an unterminated name fills all %1 bytes of its field and has no tail</source>
        <translation>sonlandırılmamış bir ad, alanının %1 baytının hepsini doldurur ve kuyruğu olmaz</translation>
    </message>
    <message>
        <source>the name and its tail do not fit the %1-byte field</source>
        <translation>ad ve kuyruğu %1 baytlık alana sığmıyor</translation>
    </message>
    <message>
        <source>$: not valid JSON at byte %1 (line %2): %3</source>
        <extracomment>%3: what Qt says is wrong with the JSON (Qt&apos;s own translation).</extracomment>
        <translation>$: %1. baytta geçerli JSON değil (satır %2): %3</translation>
    </message>
    <message>
        <source>$: expected an object</source>
        <translation>$: bir nesne bekleniyordu</translation>
    </message>
    <message>
        <source>$%1: %2</source>
        <extracomment>$%1: a place in the JSON (&quot;$.channels[3].name&quot;), %2: what is wrong there.</extracomment>
        <translation>$%1: %2</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <extracomment>A refusal and the line of the JSON file where its record begins.</extracomment>
        <translation>%1 (satır %2)</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>bir nesne bekleniyordu</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>bir dizi bekleniyordu</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A value the JSON must have and does not.</extracomment>
        <translation>eksik</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>bir dizge bekleniyordu</translation>
    </message>
    <message>
        <source>expected a string of hex digits</source>
        <translation>onaltılık rakamlardan bir dizge bekleniyordu</translation>
    </message>
    <message>
        <source>expected hex digits</source>
        <translation>onaltılık rakamlar bekleniyordu</translation>
    </message>
    <message>
        <source>expected an even number of hex digits</source>
        <translation>çift sayıda onaltılık rakam bekleniyordu</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>%1 bayt bekleniyordu</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>true ya da false bekleniyordu</translation>
    </message>
    <message>
        <source>a kind-1 prefix holds at most 272 bytes</source>
        <translation>1. türden bir önek en çok 272 bayt tutar</translation>
    </message>
    <message>
        <source>this data cannot be written back whole: %1</source>
        <translation>bu veri bütünüyle geri yazılamaz: %1</translation>
    </message>
    <message>
        <source>more entries than the header&apos;s satelliteCount (%1)</source>
        <extracomment>satelliteCount: the key of the JSON&apos;s header, as the file has it.</extracomment>
        <translation>başlıktaki satelliteCount değerinden fazla girdi (%1)</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>iki kez verildi</translation>
    </message>
    <message>
        <source>more than %1 members</source>
        <translation>%1 üyeden fazla</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not on satellite %5</source>
        <extracomment>A channel&apos;s transponder is not where the channel says: %3 its polarisation (V(R) or H(L)).</extracomment>
        <translation>transponder %1, %4 numaralı uyduda %2 MHz %3; %5 numaralı uyduda değil</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5 MHz</source>
        <translation>transponder %1, %4 numaralı uyduda %2 MHz %3; %5 MHz değil</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5</source>
        <extracomment>%5: the polarisation the channel gives, as the file has it.</extracomment>
        <translation>transponder %1, %4 numaralı uyduda %2 MHz %3; %5 değil</translation>
    </message>
    <message>
        <source>Checking %1: %2 (--port chooses another).</source>
        <translation>%1 denetleniyor: %2 (--port başkasını seçer).</translation>
    </message>
    <message>
        <source>no serial port found: plug in the adapter, or name the port with --port.</source>
        <translation>seri port bulunamadı: adaptörü takın ya da portu --port ile belirtin.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Dosya açılamadı!</translation>
    </message>
    <message>
        <source>Not enough memory for the backup data</source>
        <translation>Yedek verisi için yeterli bellek yok</translation>
    </message>
    <message>
        <source>Backup data is corrupted (decompression failed)</source>
        <translation>Yedek verisi bozuk (açma başarısız)</translation>
    </message>
    <message>
        <source>Backup data is truncated</source>
        <translation>Yedek verisi eksik</translation>
    </message>
    <message>
        <source>Invalid Backup Data</source>
        <translation>Geçersiz Yedek Verisi</translation>
    </message>
    <message>
        <source>%1 are %2 bytes, not %3</source>
        <extracomment>A part of a file&apos;s layout that is not the receiver&apos;s: &quot;channel records are 40 bytes, not 44&quot;.</extracomment>
        <translation>%1 %2 bayt, %3 değil</translation>
    </message>
    <message>
        <source>the file declares %1 %2, more than the %3 the table holds</source>
        <translation>dosya %1 %2 bildiriyor, tablonun tuttuğu %3 sayısından fazla</translation>
    </message>
    <message>
        <source>the prefix is %1 bytes, not 96</source>
        <translation>önek %1 bayt, 96 değil</translation>
    </message>
    <message>
        <source>satellite records</source>
        <translation>uydu kayıtları</translation>
    </message>
    <message>
        <source>transponder records</source>
        <translation>transponder kayıtları</translation>
    </message>
    <message>
        <source>channel records</source>
        <translation>kanal kayıtları</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>favoriler</translation>
    </message>
    <message>
        <source>the favourite names</source>
        <translation>favori adları</translation>
    </message>
    <message>
        <source>satellites</source>
        <extracomment>What a file declares more of than the receiver&apos;s table holds.</extracomment>
        <translation>uydu</translation>
    </message>
    <message>
        <source>transponders</source>
        <translation>transponder</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>kanal</translation>
    </message>
    <message>
        <source>%1 channel record(s) name a transponder the file does not hold</source>
        <translation>%1 kanal kaydı dosyada olmayan bir transponderi gösteriyor</translation>
    </message>
    <message>
        <source>the payload holds %1 byte(s) behind its sections</source>
        <translation>veri, bölümlerinin ardında %1 bayt içeriyor</translation>
    </message>
    <message>
        <source>%1 favourite entr(ies) name no channel of the file and were left out</source>
        <translation>%1 favori girişi dosyanın hiçbir kanalını göstermiyor ve dışarıda bırakıldı</translation>
    </message>
    <message>
        <source>%1 of %2 channels matched (%3 by identity, %4 by name); %5</source>
        <translation>%2 kanalın %1 tanesi eşleşti (%3 kimlikle, %4 adla); %5</translation>
    </message>
    <message>
        <source>none left over</source>
        <translation>hiç kalmadı</translation>
    </message>
    <message>
        <source>%1 not matched go to the end from number %2</source>
        <translation>eşleşmeyen %1 kanal %2 numarasından itibaren sona gider</translation>
    </message>
    <message>
        <source>1 reference entry found no channel</source>
        <translation>1 referans girişi kanal bulamadı</translation>
    </message>
    <message>
        <source>%1 reference entries found no channel</source>
        <translation>%1 referans girişi kanal bulamadı</translation>
    </message>
    <message>
        <source>too large for a reference list (more than 16 MiB)</source>
        <translation>referans listesi için çok büyük (16 MiB üzeri)</translation>
    </message>
    <message>
        <source>line %1: neither a name nor frequency and service id</source>
        <translation>satır %1: ne ad ne de frekans ve servis kimliği var</translation>
    </message>
    <message>
        <source>not a text list (it holds NUL bytes)</source>
        <translation>metin listesi değil (NUL baytları içeriyor)</translation>
    </message>
    <message>
        <source>the list names no channel</source>
        <translation>liste hiçbir kanal belirtmiyor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (channel %2) has the transponder and service id of &quot;%3&quot; (channel %4).</source>
        <extracomment>Two channels the file cannot tell apart (a favourite of either comes back as the first).</extracomment>
        <translation>&quot;%1&quot; (kanal %2), &quot;%3&quot; (kanal %4) ile aynı transponder ve servis kimliğine sahip.</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel</source>
        <translation>Uygulandı: %2 satırın %1 tanesi bir kanalı değiştirdi</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel (%3)</source>
        <extracomment>%3: the columns that changed and how often (&quot;name 2, videoPid 1&quot;).</extracomment>
        <translation>Uygulandı: %2 satırın %1 tanesi bir kanalı değiştirdi (%3)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not a column of the table)</source>
        <extracomment>%1: a column&apos;s name as the table has it.</extracomment>
        <translation>Yok sayılan sütun: %1 (tablonun bir sütunu değil)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (they find the channel; not changed)</source>
        <extracomment>%1: the columns that identify a channel (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>Yok sayılan sütun: %1 (kanalı bulurlar; değiştirilmez)</translation>
    </message>
    <message>
        <source>Ignored column: number (a hint where the channel stands; not changed)</source>
        <translation>Yok sayılan sütun: number (kanalın nerede durduğuna dair ipucu; değiştirilmez)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not imported)</source>
        <extracomment>%1: columns shown for reading only (transponder, cas, kind).</extracomment>
        <translation>Yok sayılan sütun: %1 (içe aktarılmaz)</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>Yok sayıldı: %1</translation>
    </message>
    <message>
        <source>row order: line %1 (channel %2) stands after channel %3; the channels keep their numbers (Move in the editor changes the order)</source>
        <translation>satır sırası: satır %1 (kanal %2), kanal %3 sonrasında duruyor; kanallar numaralarını korur (düzenleyicideki Taşı sırayı değiştirir)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Not: %1</translation>
    </message>
    <message>
        <source>Note: %1 more</source>
        <translation>Not: %1 tane daha</translation>
    </message>
    <message>
        <source>line %1: number %2 is channel %3 now (found by its satellite, frequency, polarisation and service id)</source>
        <translation>satır %1: %2 numarası artık kanal %3 (uydusu, frekansı, polarizasyonu ve servis kimliğiyle bulundu)</translation>
    </message>
    <message>
        <source>line %1, %2: &quot;%3&quot; differs from the channel&apos;s &quot;%4&quot;: not imported</source>
        <extracomment>%2: a column&apos;s name.</extracomment>
        <translation>satır %1, %2: &quot;%3&quot;, kanalın &quot;%4&quot; değerinden farklı: içe aktarılmadı</translation>
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
        <translation>Dil, Dorvane_QX bir sonraki açılışında değişir.</translation>
    </message>
</context>
<context>
    <name>dorvane::CAboutDialog</name>
    <message>
        <source>About Dorvane_QX</source>
        <translation>Dorvane_QX Hakkında</translation>
    </message>
    <message>
        <source>Version v1.0</source>
        <translation>Sürüm v1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Service tool for digital satellite receivers:
firmware download and channel data backup.</source>
        <translation>Dijital uydu alıcıları için servis aracı:
yazılım indirme ve kanal verisi yedekleme.</translation>
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
        <translation>izin</translation>
    </message>
    <message>
        <source>holder</source>
        <translation>tutan</translation>
    </message>
    <message>
        <source>line settings</source>
        <translation>hat ayarları</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>geri döngü</translation>
    </message>
    <message>
        <source>link</source>
        <translation>bağlantı</translation>
    </message>
    <message>
        <source>boot loader</source>
        <translation>önyükleyici</translation>
    </message>
    <message>
        <source>line</source>
        <translation>hat</translation>
    </message>
    <message>
        <source>check</source>
        <translation>kontrol</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>How a step of the connection check went: [ok], [problem], [skipped].</extracomment>
        <translation>tamam</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>sorun</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>atlandı</translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation>Bağlantıyı kontrol et</translation>
    </message>
    <message>
        <source>Steps of the check</source>
        <translation>Kontrolün adımları</translation>
    </message>
    <message>
        <source>&amp;Switch the STB off and on during the check</source>
        <translation>Kontrol sırasında &amp;STB&apos;yi kapatıp aç</translation>
    </message>
    <message>
        <source>When the STB does not answer, wait up to 30 s for its boot loader</source>
        <translation>STB yanıt vermezse önyükleyicisi için 30 sn&apos;ye kadar bekle</translation>
    </message>
    <message>
        <source>A &amp;loop-back plug is fitted instead of the STB (TX joined to RX)</source>
        <translation>STB yerine bir geri &amp;döngü fişi takılı (TX, RX&apos;e bağlı)</translation>
    </message>
    <message>
        <source>Send a pattern and count what comes back</source>
        <translation>Bir desen gönder ve geri geleni say</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>&amp;Yeniden kontrol et</translation>
    </message>
    <message>
        <source>A loop-back plug is fitted</source>
        <extracomment>Quoted in the check&apos;s texts: the check box that tests with a loop-back plug.</extracomment>
        <translation>Geri döngü fişi takılı</translation>
    </message>
    <message>
        <source>Switch the STB off and on during the check</source>
        <translation>Kontrol sırasında STB&apos;yi kapatıp aç</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditChannelDialog</name>
    <message>
        <source>Edit Channel</source>
        <translation>Kanalı Düzenle</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Servis Kimliği</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Teletext PID</source>
        <translation>Teletekst PID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>İPTAL</translation>
    </message>
    <message>
        <source>%1 must be 0 to 65535.</source>
        <translation>%1, 0 ile 65535 arasında olmalı.</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Koru</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>Değiştir</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditSatelliteDialog</name>
    <message>
        <source>Edit Satellite</source>
        <translation>Uyduyu Düzenle</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB Tipi</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>LNB freq Low</source>
        <translation>LNB frek. Düşük</translation>
    </message>
    <message>
        <source>LNB freq High</source>
        <translation>LNB frek. Yüksek</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>LNB Gücü</translation>
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
        <translation>DiSEqC tipi</translation>
    </message>
    <message>
        <source>DiSEqC port</source>
        <translation>DiSEqC portu</translation>
    </message>
    <message>
        <source>Dish Position</source>
        <translation>Çanak Konumu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>İPTAL</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Doğu</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Batı</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Tekli</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>1.0(4 Switch)</source>
        <translation>1.0(4 Anahtar)</translation>
    </message>
    <message>
        <source>1.1(16 Switch)</source>
        <translation>1.1(16 Anahtar)</translation>
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
        <translation>Konum 0.0 ile 180.0 derece Doğu ya da Batı arasında olmalı.</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditTpDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>TP&apos;yi Düzenle</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Horz/Vert</source>
        <translation>Yatay/Dikey</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Sembol Oranı</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>İletim</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modülasyon</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>İPTAL</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Koru</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Frequency must be 1 to 65535 MHz.</source>
        <translation>Frekans 1 ile 65535 MHz arasında olmalı.</translation>
    </message>
    <message>
        <source>Symbol Rate must be 0 to 65535.</source>
        <translation>Sembol Oranı 0 ile 65535 arasında olmalı.</translation>
    </message>
</context>
<context>
    <name>dorvane::CMainDialog</name>
    <message>
        <source>Image or Binary Files (*.img *.bin);;Channel Data (*.irz);;All files (*)</source>
        <translation>İmaj veya ikili dosyalar (*.img *.bin);;Kanal verisi (*.irz);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Channel Data (*irz)</source>
        <translation>Kanal verisi (*irz)</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>Zorla indirme</translation>
    </message>
    <message>
        <source>Download even when the STB&apos;s buyer code does not match the image</source>
        <translation>STB&apos;nin alıcı kodu imajla eşleşmese de indir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>The current file</source>
        <translation>Geçerli dosya</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>Dosya Adı :</translation>
    </message>
    <message>
        <source>Elapsed :</source>
        <translation>Geçen :</translation>
    </message>
    <message>
        <source>Throughput :</source>
        <translation>Hız :</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Yapılandır</translation>
    </message>
    <message>
        <source>Connect or disconnect the port</source>
        <translation>Portu bağla ya da bağlantıyı kes</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>STB power: green while the STB&apos;s application answers</source>
        <translation>STB gücü: STB&apos;nin uygulaması yanıt verdiği sürece yeşil</translation>
    </message>
    <message>
        <source>STB Power</source>
        <translation>STB Gücü</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Simge durumuna küçült</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>About Dorvane_QX</source>
        <translation>Dorvane_QX Hakkında</translation>
    </message>
    <message>
        <source>Downloading process is in progress, Do you want to stop the downloading?</source>
        <translation>İndirme işlemi sürüyor. İndirmeyi durdurmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Do you want to close Dorvane_QX?</source>
        <translation>Dorvane_QX kapatılsın mı?</translation>
    </message>
    <message>
        <source>You can&apos;t disconnect Serial port on downloading...</source>
        <translation>İndirme sırasında seri portun bağlantısını kesemezsiniz...</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 bağlantısı kesildi.</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1 bağlandı.</translation>
    </message>
    <message>
        <source>You can&apos;t configure Serial port on downloading...</source>
        <translation>İndirme sırasında seri portu yapılandıramazsınız...</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>İndirme sırasında dosya açamazsınız...</translation>
    </message>
    <message>
        <source>Transfer summary: </source>
        <translation>Aktarım özeti: </translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation>Günlüğü kaydet...</translation>
    </message>
    <message>
        <source>Save trace...</source>
        <translation>İzi kaydet...</translation>
    </message>
    <message>
        <source>Can&apos;t save %1: %2</source>
        <translation>%1 kaydedilemiyor: %2</translation>
    </message>
    <message>
        <source>Log (*.log *.txt);;All files (*)</source>
        <translation>Günlük (*.log *.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Trace (*.trace *.txt);;All files (*)</source>
        <translation>İz (*.trace *.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>You can&apos;t edit a file while transferring...</source>
        <translation>Aktarım sırasında dosya düzenleyemezsiniz...</translation>
    </message>
    <message>
        <source>download</source>
        <translation>indirme</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>yükleme</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>düzenleyici</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Günlük</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dosya adı</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>disconnected</source>
        <extracomment>The state of the port lamp, as a screen reader says it.</extracomment>
        <translation>bağlı değil</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The state of the STB power lamp, as a screen reader says it.</extracomment>
        <translation>kapalı</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>bağlı</translation>
    </message>
    <message>
        <source>on</source>
        <translation>açık</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>İstasyon</translation>
    </message>
    <message>
        <source>Many ports at once</source>
        <translation>Aynı anda çok port</translation>
    </message>
    <message>
        <source>Save support bundle...</source>
        <translation>Destek paketini kaydet...</translation>
    </message>
    <message>
        <source>Zip archive (*.zip);;All files (*)</source>
        <translation>Zip arşivi (*.zip);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>You can&apos;t open the Station view while transferring...</source>
        <translation>Aktarım sırasında İstasyon görünümü açılamaz...</translation>
    </message>
</context>
<context>
    <name>dorvane::CReceiverDataDialog</name>
    <message>
        <source>Group Name</source>
        <translation>Grup Adı</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
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
        <translation>Frek/Pol</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>Rename Group</source>
        <translation>Grubu Yeniden Adlandır</translation>
    </message>
    <message>
        <source>&amp;TV name:</source>
        <translation>&amp;TV adı:</translation>
    </message>
    <message>
        <source>&amp;Radio name:</source>
        <translation>&amp;Radyo adı:</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>Geç&amp;miş...</translation>
    </message>
    <message>
        <source>The lists kept from uploads and earlier saves: compare or restore one</source>
        <translation>Yüklemelerden ve önceki kayıtlardan saklanan listeler: birini karşılaştırın ya da geri yükleyin</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>açık liste</translation>
    </message>
    <message>
        <source>, unsaved edits</source>
        <translation>, kaydedilmemiş değişiklikler</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>Kay&amp;detme</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <translation>Alıcı Verisini Düzenle</translation>
    </message>
    <message>
        <source>%1 marked for moving: choose the destination, then &quot;Select Destination&quot;</source>
        <translation>%1 taşınmak üzere işaretlendi: hedefi seçin, sonra &quot;Hedef seç&quot;</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>Channel data (*.irz)</source>
        <translation>Kanal verisi (*.irz)</translation>
    </message>
    <message>
        <source>Channel data JSON (*.json);;Channel table CSV (*.csv)</source>
        <translation>Kanal verisi JSON (*.json);;Kanal tablosu CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Dosya yazılamadı!</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe aktar</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Dosya açılamadı!</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Fav TV</source>
        <translation>Fav TV</translation>
    </message>
    <message>
        <source>Fav Radio</source>
        <translation>Fav Radyo</translation>
    </message>
    <message>
        <source>Search channels by name, service id or PID (Ctrl+F)</source>
        <translation>Kanalları ada, servis kimliğine ya da PID&apos;e göre ara (Ctrl+F)</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Bul:</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>Gör&amp;ünüm:</translation>
    </message>
    <message>
        <source>TPs:</source>
        <translation>TP&apos;ler:</translation>
    </message>
    <message>
        <source>CHs:</source>
        <translation>Kanallar:</translation>
    </message>
    <message>
        <source>All Sat</source>
        <translation>Tüm Uydu</translation>
    </message>
    <message>
        <source>Searched Sat</source>
        <translation>Aranan Uydu</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
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
        <translation>Sıralama:</translation>
    </message>
    <message>
        <source>Channel No</source>
        <translation>Kanal No</translation>
    </message>
    <message>
        <source>Sat/Tp</source>
        <translation>Uydu/Tp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Listed channels:</source>
        <translation>Listelenen kanallar:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ekle</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Sil</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Taşı</translation>
    </message>
    <message>
        <source>Select Desti&amp;nation</source>
        <translation>&amp;Hedef seç</translation>
    </message>
    <message>
        <source>&amp;Cancel Move</source>
        <translation>Taşımayı &amp;iptal et</translation>
    </message>
    <message>
        <source>Sav&amp;e As...</source>
        <translation>&amp;Farklı kaydet...</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Dışa aktar...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>İçe akta&amp;r...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Rename &amp;Group...</source>
        <translation>Grubu ye&amp;niden adlandır...</translation>
    </message>
    <message>
        <source>Undo the last edit (Ctrl+Z)</source>
        <translation>Son düzenlemeyi geri al (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo the edit undone last (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Son geri alınan düzenlemeyi yinele (Ctrl+Shift+Z, Ctrl+Y)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>Dü&amp;zenle...</translation>
    </message>
    <message>
        <source>In group</source>
        <translation>Grupta</translation>
    </message>
    <message>
        <source>Satellites or groups</source>
        <translation>Uydular ya da gruplar</translation>
    </message>
    <message>
        <source>Transponders or group members</source>
        <translation>Transponderler ya da grup üyeleri</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Receiver data</source>
        <translation>Alıcı verisi</translation>
    </message>
</context>
<context>
    <name>dorvane::CReferencePreviewDialog</name>
    <message>
        <source>Apply order from %1</source>
        <translation>Sıralamayı %1 dosyasından uygula</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>Yeni No</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Şimdi</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Bulunan</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Kimlik</translation>
    </message>
    <message>
        <source>Take the &amp;favourite groups and their names along</source>
        <translation>&amp;Favori gruplarını ve adlarını da al</translation>
    </message>
    <message>
        <source>A text list has no favourite groups</source>
        <translation>Metin listesinde favori grubu yoktur</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Uygula</translation>
    </message>
    <message>
        <source>Reference entries that found no channel: %1</source>
        <translation>Kanal bulunamayan referans girişleri: %1</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>ada göre</translation>
    </message>
    <message>
        <source>by identity</source>
        <translation>kimliğe göre</translation>
    </message>
    <message>
        <source>not matched: to the end</source>
        <translation>eşleşmedi: sona</translation>
    </message>
</context>
<context>
    <name>dorvane::CSerialConfigDialog</name>
    <message>
        <source>Made by %1</source>
        <translation>Üretici: %1</translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation>USB %1</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>Seri numarası %1</translation>
    </message>
    <message>
        <source>In use by another program</source>
        <translation>Başka bir program kullanıyor</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>Kullanan: %1</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Boş</translation>
    </message>
    <message>
        <source>Serial Port Configuration</source>
        <translation>Seri Port Yapılandırması</translation>
    </message>
    <message>
        <source>Serial Port :</source>
        <translation>Seri Port :</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path</source>
        <translation>Bir port seçin ya da aygıt yolunu yazın</translation>
    </message>
    <message>
        <source>%1  (current)</source>
        <translation>%1  (geçerli)</translation>
    </message>
    <message>
        <source>No serial port found: plug in the adapter.</source>
        <translation>Seri port bulunamadı: adaptörü takın.</translation>
    </message>
    <message>
        <source>%1
Not listed by the system</source>
        <translation>%1
Sistem listesinde yok</translation>
    </message>
    <message>
        <source>&amp;Language :</source>
        <translation>&amp;Dil :</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language choice that follows the system&apos;s locale.</extracomment>
        <translation>Sistem dili</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>Pencerelerin dili, bir sonraki açılıştan itibaren</translation>
    </message>
    <message>
        <source>Check &amp;connection</source>
        <translation>Bağlantıyı &amp;kontrol et</translation>
    </message>
    <message>
        <source>Check the chosen port, its adapter and the STB step by step</source>
        <translation>Seçilen portu, adaptörünü ve STB&apos;yi adım adım kontrol et</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelListPrint</name>
    <message>
        <source>Channel list of %1</source>
        <translation>%1 kanal listesi</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelOrderActions</name>
    <message>
        <source>Sort the selected channels by &amp;name and keep it as the order</source>
        <translation>Seçili kanalları &amp;ada göre sırala ve sıralama olarak tut</translation>
    </message>
    <message>
        <source>Sort the selected channels by &amp;satellite and frequency and keep it as the order</source>
        <translation>Seçili kanalları &amp;uyduya ve frekansa göre sırala ve sıralama olarak tut</translation>
    </message>
    <message>
        <source>Sort the selected channels by service &amp;id and keep it as the order</source>
        <translation>Seçili kanalları servis &amp;kimliğine göre sırala ve sıralama olarak tut</translation>
    </message>
    <message>
        <source>Move to &amp;number...</source>
        <translation>&amp;Numaraya taşı...</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>&amp;Yer değiştir</translation>
    </message>
    <message>
        <source>Apply &amp;order from...</source>
        <translation>Sı&amp;ralamayı şuradan uygula...</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>Yeni No</translation>
    </message>
    <message>
        <source>New No.: a channel number 0..%1</source>
        <translation>Yeni No: 0..%1 arası bir kanal numarası</translation>
    </message>
    <message>
        <source>Move to number</source>
        <translation>Numaraya taşı</translation>
    </message>
    <message>
        <source>The %1 chosen channels from &amp;number:</source>
        <translation>Seçili %1 kanal şu &amp;numaradan itibaren:</translation>
    </message>
    <message>
        <source>Apply order from</source>
        <translation>Sıralamayı şuradan uygula</translation>
    </message>
    <message>
        <source>Channel data or lists (*.irz *.txt *.csv);;Channel data (*irz);;All files (*)</source>
        <translation>Kanal verisi ya da listeler (*.irz *.txt *.csv);;Kanal verisi (*irz);;Tüm dosyalar (*)</translation>
    </message>
</context>
<context>
    <name>dorvane::CopyCleanTools</name>
    <message>
        <source>&amp;Open Second File...</source>
        <translation>İkinci dosyayı &amp;aç...</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>Satırları &amp;kopyala</translation>
    </message>
    <message>
        <source>Show D&amp;uplicates Only</source>
        <translation>Yalnızca yinelenenleri &amp;göster</translation>
    </message>
    <message>
        <source>Select &amp;All Duplicates</source>
        <translation>&amp;Tüm yinelenenleri seç</translation>
    </message>
    <message>
        <source>&amp;Remove Unused Transponders...</source>
        <translation>Kullanılmayan transponderleri ka&amp;ldır...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Yazdır...</translation>
    </message>
    <message>
        <source>Export to P&amp;DF...</source>
        <translation>&amp;PDF&apos;e aktar...</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Araçlar</translation>
    </message>
    <message>
        <source>Copy from Second &amp;File</source>
        <translation>İkinci &amp;dosyadan kopyala</translation>
    </message>
    <message>
        <source>Open Second File</source>
        <translation>İkinci dosyayı aç</translation>
    </message>
    <message>
        <source>Channel data (*.irz);;All files (*)</source>
        <translation>Kanal verisi (*.irz);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Choose satellites, transponders, channels or groups of the second file</source>
        <translation>İkinci dosyanın uydularını, transponderlerini, kanallarını ya da gruplarını seçin</translation>
    </message>
    <message>
        <source>No duplicates</source>
        <translation>Yinelenen yok</translation>
    </message>
    <message>
        <source>%1 duplicates chosen</source>
        <translation>%1 yinelenen seçildi</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>1 transponder kaldırıldı</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>%1 transponder kaldırıldı</translation>
    </message>
    <message>
        <source>No rows chosen to copy</source>
        <translation>Kopyalanacak satır seçilmedi</translation>
    </message>
    <message>
        <source>1 row copied to the clipboard</source>
        <translation>1 satır panoya kopyalandı</translation>
    </message>
    <message>
        <source>%1 rows copied to the clipboard</source>
        <translation>%1 satır panoya kopyalandı</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Baskı Önizleme</translation>
    </message>
    <message>
        <source>This build cannot print: use &quot;Export to PDF...&quot; and print the PDF.</source>
        <translation>Bu sürüm yazdıramaz: &quot;PDF&apos;e aktar...&quot; kullanıp PDF&apos;i yazdırın.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>PDF&apos;e aktar</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>Dosya yazılamadı!</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>%1 sayfa %2 dosyasına yazıldı</translation>
    </message>
</context>
<context>
    <name>dorvane::CopySourcePanel</name>
    <message>
        <source>Second file (read-only)</source>
        <translation>İkinci dosya (salt okunur)</translation>
    </message>
    <message>
        <source>&lt;&lt; Co&amp;py into this file</source>
        <translation>&lt;&lt; Bu dosyaya k&amp;opyala</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ka&amp;pat</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>SID %1</source>
        <translation>SID %1</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favori grupları</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 channels</source>
        <translation>%1: %2 uydu, %3 kanal</translation>
    </message>
    <message>
        <source>Copies the chosen satellites, transponders, channels and favourite groups (or drag them onto the lists)</source>
        <translation>Seçili uyduları, transponderleri, kanalları ve favori gruplarını kopyalar (ya da listelerin üzerine sürükleyin)</translation>
    </message>
</context>
<context>
    <name>dorvane::DialogPrompts</name>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>No lists are kept yet.</source>
        <translation>Henüz saklanan liste yok.</translation>
    </message>
    <message>
        <source>Select two lists, or one to compare with the open list.</source>
        <translation>İki liste ya da açık listeyle karşılaştırmak için bir liste seçin.</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>%1 içinde saklandı</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Karşılaştır</translation>
    </message>
    <message>
        <source>Compare with &amp;open list</source>
        <translation>&amp;Açık listeyle karşılaştır</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Geri yükle</translation>
    </message>
    <message>
        <source>Open the selected list in the editor; the present one is kept first</source>
        <translation>Seçili listeyi düzenleyicide aç; önce şimdiki saklanır</translation>
    </message>
    <message>
        <source>Can&apos;t compare: %1</source>
        <translation>Karşılaştırılamıyor: %1</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryListModel</name>
    <message>
        <source>Boot %1, App %2</source>
        <extracomment>The STB&apos;s versions a kept list came with: its boot loader&apos;s and its application&apos;s.</extracomment>
        <translation>Önyükleyici %1, uygulama %2</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <extracomment>A comparison of two kept lists: from the older to the newer.</extracomment>
        <translation>%1 ile %2 arası</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>The columns of the kept lists: when a list was kept, where it came from, ...</extracomment>
        <translation>Saklandı</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Kaynak</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderler</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>STB versions</source>
        <translation>STB sürümleri</translation>
    </message>
    <message>
        <source>Received from the STB</source>
        <extracomment>Where a kept list came from.</extracomment>
        <translation>STB&apos;den alındı</translation>
    </message>
    <message>
        <source>Replaced by a save</source>
        <translation>Kaydetme ile değiştirildi</translation>
    </message>
    <message>
        <source>Open before a restore</source>
        <translation>Geri yüklemeden önce açıktı</translation>
    </message>
</context>
<context>
    <name>dorvane::IntegerEdit</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Lütfen bir tamsayı girin.</translation>
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
        <translation>Frek/Pol</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP&apos;ler</translation>
    </message>
    <message>
        <source>CHs</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Frek.</translation>
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
        <translation>İletim</translation>
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
        <translation>Açılıyor</translation>
    </message>
    <message>
        <source>Waiting for the STB</source>
        <translation>STB bekleniyor</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>Aktarılıyor</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Yazılıyor</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Doğrulanıyor</translation>
    </message>
    <message>
        <source>Switch the STB off</source>
        <translation>STB&apos;yi kapatın</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Durduruldu</translation>
    </message>
    <message>
        <source>Port unusable</source>
        <translation>Port kullanılamaz</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>The result of the last STB of a port in the Station view.</extracomment>
        <translation>tamam</translation>
    </message>
    <message>
        <source>verify failed</source>
        <translation>doğrulama başarısız</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>onaylanmadı</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>başlamadı</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>başarılı</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>iptal edildi</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>zaman aşımı</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>reddedildi</translation>
    </message>
    <message>
        <source>port error</source>
        <translation>port hatası</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>başarısız</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>%1 ilerlemesi</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>%p % (%1:%2 left)</source>
        <translation>%p % (%1:%2 kaldı)</translation>
    </message>
    <message>
        <source>No STB done yet</source>
        <translation>Henüz biten STB yok</translation>
    </message>
    <message>
        <source>Last: %1 (%2 of %3 ok)</source>
        <translation>Son: %1 (%3 içinde %2 tamam)</translation>
    </message>
    <message>
        <source>Boot loader %1, application %2</source>
        <translation>Önyükleyici %1, uygulama %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
</context>
<context>
    <name>dorvane::StationWindow</name>
    <message>
        <source>Station</source>
        <translation>İstasyon</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Portlar</translation>
    </message>
    <message>
        <source>Start all</source>
        <translation>Tümünü başlat</translation>
    </message>
    <message>
        <source>Stop all</source>
        <translation>Tümünü durdur</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Gözat...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Dosya:</translation>
    </message>
    <message>
        <source>no report</source>
        <translation>rapor yok</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>Rapor dosyası:</translation>
    </message>
    <message>
        <source>Next STB after each</source>
        <translation>Her birinden sonra sıradaki STB</translation>
    </message>
    <message>
        <source>Verify channel data</source>
        <translation>Kanal verisini doğrula</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>Zorla indirme</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>Eklenecek port</translation>
    </message>
    <message>
        <source>Add port</source>
        <translation>Port ekle</translation>
    </message>
    <message>
        <source>Add USB adapters</source>
        <translation>USB adaptörlerini ekle</translation>
    </message>
    <message>
        <source>File for every STB</source>
        <translation>Her STB için dosya</translation>
    </message>
    <message>
        <source>Report file</source>
        <translation>Rapor dosyası</translation>
    </message>
    <message>
        <source>Choose the file every STB gets.</source>
        <translation>Her STB&apos;nin alacağı dosyayı seçin.</translation>
    </message>
    <message>
        <source>Verify is for channel data: this file is not.</source>
        <translation>Doğrulama kanal verisi içindir: bu dosya değil.</translation>
    </message>
    <message>
        <source>Done: 0   Failed: 0   STBs per hour: 0</source>
        <translation>Biten: 0   Başarısız: 0   Saatte STB: 0</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   STBs per hour: %3</source>
        <translation>Biten: %1   Başarısız: %2   Saatte STB: %3</translation>
    </message>
    <message>
        <source>   Report: %1</source>
        <translation>   Rapor: %1</translation>
    </message>
    <message>
        <source>An STB is writing its memory. Close anyway and leave it mid-write?</source>
        <translation>Bir STB belleğine yazıyor. Yine de kapatıp yazmanın ortasında bırakılsın mı?</translation>
    </message>
</context>
<context>
    <name>dorvane::reference_preview_dialog</name>
    <message>
        <source>sat %1</source>
        <translation>uydu %1</translation>
    </message>
    <message>
        <source>sid %1</source>
        <translation>sid %1</translation>
    </message>
</context>
</TS>
