<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CoreText</name>
    <message>
        <source>Please, Open a File to be downloaded!</source>
        <translation>من فضلك، افتح ملفًا لتنزيله!</translation>
    </message>
    <message>
        <source>Can&apos;t open Serial Port! Please, Check your Serial port setting!</source>
        <translation>تعذّر فتح المنفذ التسلسلي! من فضلك، تحقّق من إعداد المنفذ التسلسلي!</translation>
    </message>
    <message>
        <source>Before download start, You should turn off the Power of STB</source>
        <translation>قبل بدء التنزيل، يجب إطفاء جهاز STB</translation>
    </message>
    <message>
        <source>Before upload start, You should turn on the Power of STB and activate &apos;PC COM&apos; item in &apos;Software Transfer&apos; menu</source>
        <translation>قبل بدء الرفع، يجب تشغيل جهاز STB وتفعيل البند &apos;PC COM&apos; في قائمة &apos;Software Transfer&apos;</translation>
    </message>
    <message>
        <source>This image can&apos;t be downloaded your STB!</source>
        <translation>لا يمكن تنزيل هذه الصورة إلى جهاز STB لديك!</translation>
    </message>
    <message>
        <source>Downloading stopped successfully.</source>
        <translation>توقّف التنزيل بنجاح.</translation>
    </message>
    <message>
        <source>You should Check LCD window whether STB has remain job or not!</source>
        <translation>تحقّق من شاشة LCD إن كان لدى STB عمل متبقٍّ أم لا!</translation>
    </message>
    <message>
        <source>Your STB will restart now!</source>
        <translation>سيُعاد تشغيل جهاز STB الآن!</translation>
    </message>
    <message>
        <source>Timeout occurred! Please, Check your STB, And retry!</source>
        <translation>انتهت المهلة! من فضلك، تحقّق من جهاز STB وأعد المحاولة!</translation>
    </message>
    <message>
        <source>Serial Port Error! The port stopped working.</source>
        <translation>خطأ في المنفذ التسلسلي! توقّف المنفذ عن العمل.</translation>
    </message>
    <message>
        <source>Serial Port Error! Please, Check your Serial port and STB, And retry!</source>
        <translation>خطأ في المنفذ التسلسلي! من فضلك، تحقّق من المنفذ التسلسلي وجهاز STB وأعد المحاولة!</translation>
    </message>
    <message>
        <source>Transferring failed! Too many errors on the line.</source>
        <translation>فشل النقل! أخطاء كثيرة جدًا على الخط.</translation>
    </message>
    <message>
        <source>Too many errors on the line! Please, Check your cable and STB, And retry!</source>
        <translation>أخطاء كثيرة جدًا على الخط! من فضلك، تحقّق من الكابل وجهاز STB وأعد المحاولة!</translation>
    </message>
    <message>
        <source>Uploading failed!</source>
        <translation>فشل الرفع!</translation>
    </message>
    <message>
        <source>Uploading failed! The file was not changed. Please, Check your STB, And retry!</source>
        <translation>فشل الرفع! لم يتغيّر الملف. من فضلك، تحقّق من جهاز STB وأعد المحاولة!</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>لم يتغيّر الملف.</translation>
    </message>
    <message>
        <source>The received data is not channel data: %1.</source>
        <translation>البيانات المستلمة ليست بيانات قنوات: %1.</translation>
    </message>
    <message>
        <source>The STB announced %1 bytes and sent %2.</source>
        <translation>أعلن STB عن %1 بايت وأرسل %2.</translation>
    </message>
    <message>
        <source>All the data arrived, but the STB did not end the file (it may have restarted).</source>
        <translation>وصلت كل البيانات، لكن STB لم يُنهِ الملف (ربما أُعيد تشغيله).</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>لا يمكن فتح ملف أثناء التنزيل...</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory.</source>
        <translation>توقّف STB عن الإبلاغ أثناء الكتابة في ذاكرته.</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory!</source>
        <translation>توقّف STB عن الإبلاغ أثناء الكتابة في ذاكرته!</translation>
    </message>
    <message>
        <source>Do not switch it off until its own display says it is done.</source>
        <translation>لا تطفئه حتى تُظهر شاشته أنه انتهى.</translation>
    </message>
    <message>
        <source>Downloading failed! The file could not be read to its end: %1</source>
        <translation>فشل التنزيل! تعذّرت قراءة الملف حتى نهايته: %1</translation>
    </message>
    <message>
        <source>The STB restarted before it finished writing! The image was not written.</source>
        <translation>أُعيد تشغيل STB قبل أن يُنهي الكتابة! لم تُكتب الصورة.</translation>
    </message>
    <message>
        <source>Please, Switch off the STB, start the download, then switch on the STB.</source>
        <translation>من فضلك، أطفئ STB، وابدأ التنزيل، ثم شغّل STB.</translation>
    </message>
    <message>
        <source>The STB offered more than one file; only the first was received.</source>
        <translation>عرض STB أكثر من ملف واحد؛ استُلم الأول فقط.</translation>
    </message>
    <message>
        <source>The file is empty! There is nothing to download.</source>
        <translation>الملف فارغ! لا يوجد ما يُنزَّل.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, more than any STB takes! Check the file, or use Forced download to send it anyway.</source>
        <translation>الملف أكبر من %1 ميبيبايت، أكثر مما يقبله أي STB! تحقّق من الملف، أو استخدم التنزيل القسري لإرساله رغم ذلك.</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: it is a folder!</source>
        <translation>لا يمكن حفظ الرفع في %1: إنه مجلد!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder does not exist!</source>
        <translation>لا يمكن حفظ الرفع في %1: مجلده غير موجود!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder cannot be written!</source>
        <translation>لا يمكن حفظ الرفع في %1: لا يمكن الكتابة في مجلده!</translation>
    </message>
    <message>
        <source>Transferring canceled!</source>
        <translation>أُلغي النقل!</translation>
    </message>
    <message>
        <source>Do you want to stop the downloading?</source>
        <translation>هل تريد إيقاف التنزيل؟</translation>
    </message>
    <message>
        <source>Do you want to stop the uploading?</source>
        <translation>هل تريد إيقاف الرفع؟</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The Download and Upload buttons while a transfer runs.</extracomment>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>رفع</translation>
    </message>
    <message>
        <source>Waiting Turning on STB...</source>
        <extracomment>The progress bar while the STB is switched off, before a download.</extracomment>
        <translation>بانتظار تشغيل STB...</translation>
    </message>
    <message>
        <source>Wait Upload Data...</source>
        <translation>بانتظار بيانات الرفع...</translation>
    </message>
    <message>
        <source>Transferring timeout occurred!</source>
        <translation>انتهت مهلة النقل!</translation>
    </message>
    <message>
        <source>%1 bps</source>
        <translation>%1 بت/ث</translation>
    </message>
    <message>
        <source>Wait writing image end...</source>
        <translation>بانتظار انتهاء كتابة الصورة...</translation>
    </message>
    <message>
        <source>STB Boot Ver : %1</source>
        <translation>إصدار إقلاع STB : %1</translation>
    </message>
    <message>
        <source>STB App Ver : %1</source>
        <translation>إصدار تطبيق STB : %1</translation>
    </message>
    <message>
        <source>Uploading %1% ...</source>
        <translation>جارٍ الرفع %1% ...</translation>
    </message>
    <message>
        <source>Downloading %1% ...</source>
        <translation>جارٍ التنزيل %1% ...</translation>
    </message>
    <message>
        <source>Downloading process started.</source>
        <translation>بدأت عملية التنزيل.</translation>
    </message>
    <message>
        <source>Uploading process started.</source>
        <translation>بدأت عملية الرفع.</translation>
    </message>
    <message>
        <source>Send upload command and wait ack..</source>
        <translation>أُرسل أمر الرفع، بانتظار التأكيد..</translation>
    </message>
    <message>
        <source>Transferring ended.</source>
        <translation>انتهى النقل.</translation>
    </message>
    <message>
        <source>Writing Image started.</source>
        <translation>بدأت كتابة الصورة.</translation>
    </message>
    <message>
        <source>Transferring started.</source>
        <translation>بدأ النقل.</translation>
    </message>
    <message>
        <source>Transferring started!</source>
        <translation>بدأ النقل!</translation>
    </message>
    <message>
        <source>Serial Port Internal Error: Write</source>
        <translation>خطأ داخلي في المنفذ التسلسلي: الكتابة</translation>
    </message>
    <message>
        <source>Uploading failed! %1</source>
        <translation>فشل الرفع! %1</translation>
    </message>
    <message>
        <source>Uploading data is kept in</source>
        <translation>بيانات الرفع محفوظة في</translation>
    </message>
    <message>
        <source>The received data is kept in %1</source>
        <translation>البيانات المستلمة محفوظة في %1</translation>
    </message>
    <message>
        <source>%1 The received data is kept in %2</source>
        <translation>%1 البيانات المستلمة محفوظة في %2</translation>
    </message>
    <message>
        <source>Writing Image stopped.</source>
        <translation>توقّفت كتابة الصورة.</translation>
    </message>
    <message>
        <source>Writing image stopped.</source>
        <translation>أُوقفت كتابة الصورة.</translation>
    </message>
    <message>
        <source>Downloading stopped successfully!</source>
        <translation>توقّف التنزيل بنجاح!</translation>
    </message>
    <message>
        <source>Uploading finished successfully!</source>
        <translation>انتهى الرفع بنجاح!</translation>
    </message>
    <message>
        <source>Uploading data is saved to</source>
        <translation>حُفظت بيانات الرفع في</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 differs from the STB&apos;s %2.</source>
        <translation>رمز المشتري للصورة %1 يختلف عن رمز STB ‏%2.</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 does not match the STB&apos;s.</source>
        <translation>رمز المشتري للصورة %1 لا يطابق رمز STB.</translation>
    </message>
    <message>
        <source>&quot;Forced download&quot; (command line: --forced) downloads it anyway.</source>
        <translation>&quot;التنزيل القسري&quot; (سطر الأوامر: --forced) ينزّلها رغم ذلك.</translation>
    </message>
    <message>
        <source>No receiver answered on %1: check the cable and the port, and that the STB is switched on (for a download: after the start; for an upload: with its &apos;PC COM&apos; item active).</source>
        <translation>لم يُجب أي جهاز استقبال على %1: تحقّق من الكابل والمنفذ، ومن أن STB قيد التشغيل (للتنزيل: بعد البدء؛ للرفع: مع تفعيل البند &apos;PC COM&apos;).</translation>
    </message>
    <message>
        <source>%1 bytes in %2 s (%3 bytes/s), %4 blocks, %5 resent, %6 time-outs</source>
        <translation>%1 بايت في %2 ث (%3 بايت/ث)، %4 كتلة، %5 أُعيد إرسالها، %6 انتهاء مهلة</translation>
    </message>
    <message>
        <source>%1 port was opened successfully!</source>
        <translation>فُتح المنفذ %1 بنجاح!</translation>
    </message>
    <message>
        <source>Port(%1) open failed.</source>
        <translation>فشل فتح المنفذ(%1).</translation>
    </message>
    <message>
        <source>Port(%1) failed: %2</source>
        <translation>تعطّل المنفذ(%1): %2</translation>
    </message>
    <message>
        <source>buff full</source>
        <translation>المخزن المؤقت ممتلئ</translation>
    </message>
    <message>
        <source>%1 does not exist: the adapter is unplugged or the name is wrong. Plug it in, or choose one of the ports that Configure or &apos;dorvane ports&apos; lists.</source>
        <translation>%1 غير موجود: المحوّل غير موصول أو الاسم خاطئ. صِله، أو اختر أحد المنافذ التي تعرضها التهيئة أو &apos;dorvane ports&apos;.</translation>
    </message>
    <message>
        <source>No serial port is there: plug in the adapter.</source>
        <translation>لا يوجد منفذ تسلسلي: صِل المحوّل.</translation>
    </message>
    <message>
        <source>The serial ports are: %1.</source>
        <translation>المنافذ التسلسلية هي: %1.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2. %3</source>
        <translation>%1 ليس منفذًا تسلسليًا: إنه %2. %3</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>a plain file</source>
        <translation>ملف عادي</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>ليس جهازًا</translation>
    </message>
    <message>
        <source>a device that is not a serial line</source>
        <translation>جهاز ليس خطًا تسلسليًا</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Close that program, or choose another port.</source>
        <translation>%1 يستخدمه %2. أغلق ذلك البرنامج، أو اختر منفذًا آخر.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <translation>%1 يستخدمه برنامج آخر. أغلق ذلك البرنامج، أو اختر منفذًا آخر.</translation>
    </message>
    <message>
        <source>Permission denied on %1: your user is not in the &apos;%2&apos; group. Join it with &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>رُفض الإذن على %1: المستخدم ليس في المجموعة &apos;%2&apos;. انضم إليها بالأمر &apos;sudo usermod -aG %2 $USER&apos;، ثم سجّل الخروج والدخول من جديد.</translation>
    </message>
    <message>
        <source>%1 has gone away: the adapter was unplugged. Plug it back in and retry.</source>
        <translation>اختفى %1: فُصل المحوّل. أعد وصله وحاول مجددًا.</translation>
    </message>
    <message>
        <source>%1 stopped working: %2.</source>
        <translation>توقّف %1 عن العمل: %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>the first USB serial adapter found</source>
        <translation>أول محوّل USB تسلسلي موجود</translation>
    </message>
    <message>
        <source>the first USB serial adapter found (%1)</source>
        <translation>أول محوّل USB تسلسلي موجود (%1)</translation>
    </message>
    <message>
        <source>the first serial port found</source>
        <translation>أول منفذ تسلسلي موجود</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>فشلت كتابة الملف!</translation>
    </message>
    <message>
        <source>Channel data file is truncated!</source>
        <translation>ملف بيانات القنوات مبتور!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>لم يُعثر على %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>يحتوي %1 على مسار غير صالح.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>تعذّر فتح %1 لأن عدد الملفات المفتوحة كبير جدًا.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>رُفض الوصول إلى %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>حدث انتهاك مشاركة أثناء الوصول إلى %1.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>أُبلغ عن خطأ إدخال/إخراج في العتاد أثناء الوصول إلى %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>القرص ممتلئ أثناء الوصول إلى %1.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>حدث خطأ غير متوقع أثناء الوصول إلى %1.</translation>
    </message>
    <message>
        <source>This file cannot be written back without losing data: %1.</source>
        <translation>لا يمكن إعادة كتابة هذا الملف دون فقدان بيانات: %1.</translation>
    </message>
    <message>
        <source>Data is unavailable!</source>
        <translation>البيانات غير متاحة!</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <extracomment>The editor&apos;s window title.</extracomment>
        <translation>تحرير بيانات جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Edit Receiver Data - %1</source>
        <translation>تحرير بيانات جهاز الاستقبال - %1</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (للقراءة فقط)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>عُثر على %1</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected satellites</source>
        <translation>عُثر على %1، %2 في الأقمار المحددة</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected transponders</source>
        <translation>عُثر على %1، %2 في المرسلات المحددة</translation>
    </message>
    <message>
        <source>Choose channels in the list below to add them to the group</source>
        <translation>اختر قنوات من القائمة أدناه لإضافتها إلى المجموعة</translation>
    </message>
    <message>
        <source>Choose one transponder to copy, or one satellite without transponders</source>
        <translation>اختر مرسلًا واحدًا لنسخه، أو قمرًا واحدًا بلا مرسلات</translation>
    </message>
    <message>
        <source>Satellites are added with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>تُضاف الأقمار مع اختيار &quot;كل الأقمار&quot;؛ اختر قائمة أولًا</translation>
    </message>
    <message>
        <source>Choose a list first</source>
        <translation>اختر قائمة أولًا</translation>
    </message>
    <message>
        <source>Choose members of the group to delete them</source>
        <translation>اختر أعضاء المجموعة لحذفهم</translation>
    </message>
    <message>
        <source>Satellites are deleted with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>تُحذف الأقمار مع اختيار &quot;كل الأقمار&quot;؛ اختر قائمة أولًا</translation>
    </message>
    <message>
        <source>Choose what to delete first</source>
        <translation>اختر ما تريد حذفه أولًا</translation>
    </message>
    <message>
        <source>Choose members of the group to move them</source>
        <translation>اختر أعضاء المجموعة لنقلهم</translation>
    </message>
    <message>
        <source>Channels are moved within a single satellite, or across all of them with every satellite chosen</source>
        <translation>تُنقل القنوات داخل قمر واحد، أو عبر كل الأقمار عند اختيار كل قمر</translation>
    </message>
    <message>
        <source>Choose channels to move first</source>
        <translation>اختر القنوات المراد نقلها أولًا</translation>
    </message>
    <message>
        <source>You must select another destination</source>
        <translation>يجب أن تختار وجهة أخرى</translation>
    </message>
    <message>
        <source>Finish or cancel the pending move first</source>
        <translation>أنهِ النقل المعلّق أو ألغِه أولًا</translation>
    </message>
    <message>
        <source>Channels are dropped on a channel of the list to move them</source>
        <translation>تُسقط القنوات على قناة في القائمة لنقلها</translation>
    </message>
    <message>
        <source>Drop channels on a group or its members, or members on a member</source>
        <translation>أسقط القنوات على مجموعة أو أعضائها، أو الأعضاء على عضو</translation>
    </message>
    <message>
        <source>Channels are ordered in the &quot;Satellite&quot; view</source>
        <translation>تُرتَّب القنوات في عرض &quot;القمر&quot;</translation>
    </message>
    <message>
        <source>Finish the add first</source>
        <translation>أنهِ الإضافة أولًا</translation>
    </message>
    <message>
        <source>Choose exactly two channels to swap them</source>
        <translation>اختر قناتين بالضبط لتبديلهما</translation>
    </message>
    <message>
        <source>Choose channels first</source>
        <translation>اختر القنوات أولًا</translation>
    </message>
    <message>
        <source>Cannot add satellite</source>
        <translation>تعذّرت إضافة القمر</translation>
    </message>
    <message>
        <source>Cannot add transponder</source>
        <translation>تعذّرت إضافة المرسل</translation>
    </message>
    <message>
        <source>Cannot add channel</source>
        <translation>تعذّرت إضافة القناة</translation>
    </message>
    <message>
        <source>Max Favorite Count!!</source>
        <translation>بلغت المفضلة الحد الأقصى!!</translation>
    </message>
    <message>
        <source>Favorite Group empty!!</source>
        <translation>مجموعة المفضلة فارغة!!</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3?</source>
        <translation>حذف %1 و%2 التابعة لها و%3؟</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3 (%4)?</source>
        <translation>حذف %1 و%2 التابعة لها و%3 (%4)؟</translation>
    </message>
    <message>
        <source>Delete %1 and their %2?</source>
        <translation>حذف %1 و%2 التابعة لها؟</translation>
    </message>
    <message>
        <source>Delete %1 and their %2 (%3)?</source>
        <translation>حذف %1 و%2 التابعة لها (%3)؟</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>حذف %1؟</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <translation>حذف %1 (%2)؟</translation>
    </message>
    <message>
        <source>1 satellite</source>
        <translation>قمر واحد</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 أقمار</translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation>مرسل واحد</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 مرسلات</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>قناة واحدة</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 قنوات</translation>
    </message>
    <message>
        <source>1 favourite entry</source>
        <translation>إدخال مفضلة واحد</translation>
    </message>
    <message>
        <source>%1 favourite entries</source>
        <translation>%1 إدخالات مفضلة</translation>
    </message>
    <message>
        <source>1 duplicate</source>
        <translation>مكرر واحد</translation>
    </message>
    <message>
        <source>%1 duplicates</source>
        <translation>%1 مكررات</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>أُضيف %1</translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation>استُبدل %1</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>تُخطّي %1</translation>
    </message>
    <message>
        <source>%1 not copied (no room)</source>
        <translation>لم يُنسخ %1 (لا مكان)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1؛ %2</translation>
    </message>
    <message>
        <source>Nothing was copied.</source>
        <translation>لم يُنسخ شيء.</translation>
    </message>
    <message>
        <source>1 of the channels to copy is already in this file (the same satellite, transponder and service id).</source>
        <translation>إحدى القنوات المراد نسخها موجودة في هذا الملف (القمر والمرسل ومعرّف الخدمة نفسها).</translation>
    </message>
    <message>
        <source>%1 of the channels to copy are already in this file (the same satellite, transponder and service id).</source>
        <translation>%1 من القنوات المراد نسخها موجودة في هذا الملف (القمر والمرسل ومعرّف الخدمة نفسها).</translation>
    </message>
    <message>
        <source>Skip them, replace the ones here, or keep both?</source>
        <translation>تخطّيها، أم استبدال الموجودة هنا، أم الإبقاء على الاثنتين؟</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>تخطٍّ</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>الإبقاء على الاثنتين</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Every transponder carries a channel: none removed.</source>
        <translation>كل مرسل يحمل قناة: لم يُزل شيء.</translation>
    </message>
    <message>
        <source>Remove %1 without a channel?</source>
        <translation>إزالة %1 بلا قناة؟</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>قناة جديدة</translation>
    </message>
    <message>
        <source>This file cannot be saved: it holds data the editor would lose (%1).</source>
        <translation>لا يمكن حفظ هذا الملف: فيه بيانات سيفقدها المحرر (%1).</translation>
    </message>
    <message>
        <source>%1 Not saved.</source>
        <translation>%1 لم يُحفظ.</translation>
    </message>
    <message>
        <source>The check before saving found:</source>
        <translation>وجد الفحص قبل الحفظ:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>احفظ رغم ذلك</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>هل تريد حفظ التغييرات؟</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>لم يُستورد شيء: %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... و%1 غيرها</translation>
    </message>
    <message>
        <source>The file cannot tell such channels apart: the favourite may come back as the lower-numbered one.</source>
        <translation>لا يميّز الملف بين هذه القنوات: قد تعود المفضلة على أنها ذات الرقم الأصغر.</translation>
    </message>
    <message>
        <source>v%1 (build #%2)</source>
        <extracomment>The version in the About box: the version and the build number.</extracomment>
        <translation>v%1 (البناء رقم %2)</translation>
    </message>
    <message>
        <source>File Name : %1</source>
        <translation>اسم الملف : %1</translation>
    </message>
    <message>
        <source>Image Type : %1</source>
        <translation>نوع الصورة : %1</translation>
    </message>
    <message>
        <source>File Size : %1 bytes</source>
        <translation>حجم الملف : %1 بايت</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>الإصدار : %1</translation>
    </message>
    <message>
        <source>%1 (build #%2)</source>
        <translation>%1 (البناء رقم %2)</translation>
    </message>
    <message>
        <source>Build Date : %1 (%2)</source>
        <translation>تاريخ البناء : %1 (%2)</translation>
    </message>
    <message>
        <source>Buyer : %1</source>
        <extracomment>The image&apos;s buyer code (who the firmware was made for).</extracomment>
        <translation>المشتري : %1</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s application answers (an upload; a download needs it switched off).</source>
        <translation>يمكن أن يبدأ النقل: تطبيق STB يجيب (رفع؛ التنزيل يحتاجه مطفأً).</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s boot loader asks for a file (download).</source>
        <translation>يمكن أن يبدأ النقل: محمّل الإقلاع في STB يطلب ملفًا (تنزيل).</translation>
    </message>
    <message>
        <source>The port opens at 115,200 8N1; the STB was not asked.</source>
        <translation>المنفذ يفتح على 115,200 8N1؛ لم يُسأل STB.</translation>
    </message>
    <message>
        <source>The port and the plug pass every byte. Fit the STB&apos;s cable instead and check again.</source>
        <translation>المنفذ والقابس يمرّران كل بايت. ركّب كابل STB بدلًا منه وافحص مجددًا.</translation>
    </message>
    <message>
        <source>No transfer can start yet: see the problems above.</source>
        <translation>لا يمكن أن يبدأ أي نقل بعد: انظر المشاكل أعلاه.</translation>
    </message>
    <message>
        <source>the port failed during the check.</source>
        <translation>تعطّل المنفذ أثناء الفحص.</translation>
    </message>
    <message>
        <source>The adapter was unplugged or its driver gave up: plug it in again and check again.</source>
        <translation>نُزع المحوّل أو توقّف برنامج تشغيله: أعد توصيله وافحص مجددًا.</translation>
    </message>
    <message>
        <source>stopped before its end.</source>
        <translation>توقّف قبل نهايته.</translation>
    </message>
    <message>
        <source>not tried: %1</source>
        <translation>لم يُجرَّب: %1</translation>
    </message>
    <message>
        <source>the port did not open.</source>
        <translation>لم يُفتح المنفذ.</translation>
    </message>
    <message>
        <source>no loop-back plug fitted (%1 tests one: TX joined to RX).</source>
        <translation>لا يوجد قابس حلقة راجعة مركّب (%1 يختبر بواحد: TX موصول بـ RX).</translation>
    </message>
    <message>
        <source>%1 bytes sent, %2 back: %3 lost, %4 garbled, %5 extra; %6 bytes/s back (the line carries %7).</source>
        <translation>%1 بايت أُرسلت، %2 عادت: %3 مفقودة، %4 مشوّهة، %5 زائدة؛ %6 بايت/ث عائدة (الخط يحمل %7).</translation>
    </message>
    <message>
        <source>Nothing came back: the plug is not fitted, TX and RX are not joined, or the adapter does not send.</source>
        <translation>لم يعد شيء: القابس غير مركّب، أو TX و RX غير موصولين، أو المحوّل لا يرسل.</translation>
    </message>
    <message>
        <source>The adapter or its cable loses or garbles bytes: try another cable, another USB socket (not a hub) or another adapter.</source>
        <translation>المحوّل أو كابله يفقد البايتات أو يشوّهها: جرّب كابلًا آخر أو مقبس USB آخر (لا موزّعًا) أو محوّلًا آخر.</translation>
    </message>
    <message>
        <source>the loop-back plug is fitted instead of the STB.</source>
        <translation>قابس الحلقة الراجعة مركّب بدلًا من STB.</translation>
    </message>
    <message>
        <source>the STB&apos;s application answered the link test (BEL, ACK): an upload can start.</source>
        <translation>أجاب تطبيق STB على اختبار الوصلة (BEL، ACK): يمكن أن يبدأ الرفع.</translation>
    </message>
    <message>
        <source>For a download switch the STB off, start the download, then switch it on.</source>
        <translation>للتنزيل أطفئ STB، وابدأ التنزيل، ثم شغّله.</translation>
    </message>
    <message>
        <source>the STB&apos;s boot loader asks for a file (&apos;C&apos;): a download can start now; an upload needs its application.</source>
        <translation>محمّل الإقلاع في STB يطلب ملفًا (&apos;C&apos;): يمكن أن يبدأ التنزيل الآن؛ الرفع يحتاج تطبيقه.</translation>
    </message>
    <message>
        <source>what the PC sends comes back (%1 of %2 BELs): the line is looped.</source>
        <translation>ما يرسله الحاسوب يعود (%1 من %2 BEL): الخط في حلقة.</translation>
    </message>
    <message>
        <source>A loop-back plug or a cable that joins TX to RX is fitted, not the STB&apos;s cable.</source>
        <translation>المركّب قابس حلقة راجعة أو كابل يصل TX بـ RX، لا كابل STB.</translation>
    </message>
    <message>
        <source>bytes came that answer nothing (%1).</source>
        <translation>وصلت بايتات لا تجيب عن شيء (%1).</translation>
    </message>
    <message>
        <source>Another device is on the line, or it runs at another speed than 115,200 bit/s.</source>
        <translation>جهاز آخر على الخط، أو يعمل بسرعة غير 115,200 بت/ث.</translation>
    </message>
    <message>
        <source>no answer to %1 link tests (BEL, waited %2 ms each).</source>
        <translation>لا جواب على %1 اختبارات وصلة (BEL، انتظار %2 مللي ثانية لكل منها).</translation>
    </message>
    <message>
        <source>Most likely, in this order: the STB is off; its application runs with &quot;PC COM&quot; off (an upload needs that menu item on); the cable lacks the right wires (the PC&apos;s TX must reach the STB&apos;s RX and the STB&apos;s TX the PC&apos;s RX, with ground joined: a null-modem cable).</source>
        <translation>الأرجح، بهذا الترتيب: STB مطفأ؛ أو تطبيقه يعمل و&quot;PC COM&quot; معطّل (الرفع يحتاج هذا البند من القائمة مفعّلًا)؛ أو الكابل تنقصه الأسلاك الصحيحة (يجب أن يصل TX الحاسوب إلى RX جهاز STB و TX جهاز STB إلى RX الحاسوب، مع وصل الأرضي: كابل null-modem).</translation>
    </message>
    <message>
        <source>already asking for a file.</source>
        <translation>يطلب ملفًا بالفعل.</translation>
    </message>
    <message>
        <source>not needed: the application answers.</source>
        <translation>غير لازم: التطبيق يجيب.</translation>
    </message>
    <message>
        <source>not asked to switch the STB off and on (%1).</source>
        <translation>لم يُطلب إطفاء STB وتشغيله (%1).</translation>
    </message>
    <message>
        <source>Switch the STB off, wait two seconds and switch it on again: waiting up to %1 s for its boot loader.</source>
        <translation>أطفئ STB، وانتظر ثانيتين، ثم شغّله من جديد: انتظار محمّل الإقلاع حتى %1 ث.</translation>
    </message>
    <message>
        <source>the boot loader asked for a file (&apos;C&apos;) %1 s after the request: cable and STB work, a download can start.</source>
        <translation>طلب محمّل الإقلاع ملفًا (&apos;C&apos;) بعد %1 ث من الطلب: الكابل و STB يعملان، ويمكن أن يبدأ التنزيل.</translation>
    </message>
    <message>
        <source>No application answered the link test before: the STB was off, or its application has &quot;PC COM&quot; off (an upload needs that menu item on).</source>
        <translation>لم يُجب أي تطبيق على اختبار الوصلة من قبل: كان STB مطفأً، أو &quot;PC COM&quot; معطّل في تطبيقه (الرفع يحتاج هذا البند من القائمة مفعّلًا).</translation>
    </message>
    <message>
        <source>no &apos;C&apos; within %1 s.</source>
        <translation>لا &apos;C&apos; خلال %1 ث.</translation>
    </message>
    <message>
        <source>The STB did not start, or what it sends does not reach the PC: check its power, and that the cable is a null-modem cable (TX and RX crossed, ground joined).</source>
        <translation>لم يبدأ STB، أو ما يرسله لا يصل إلى الحاسوب: افحص تغذيته، وأن الكابل كابل null-modem (TX و RX متقاطعان، والأرضي موصول).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 غير موجود.</translation>
    </message>
    <message>
        <source>Plug the adapter in, or choose another port.</source>
        <translation>وصّل المحوّل، أو اختر منفذًا آخر.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2.</source>
        <translation>%1 ليس منفذًا تسلسليًا: إنه %2.</translation>
    </message>
    <message>
        <source>a serial line the system lists as no adapter (a pseudo-terminal or a port of its own)</source>
        <translation>خط تسلسلي لا ينسبه النظام إلى أي محوّل (طرفية زائفة أو منفذ خاص به)</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>اختر منفذًا تسلسليًا.</translation>
    </message>
    <message>
        <source>Windows keeps no permissions on COM ports; a port another program holds shows when it is opened.</source>
        <translation>لا يحفظ Windows صلاحيات على منافذ COM؛ المنفذ الذي يمسكه برنامج آخر يظهر عند فتحه.</translation>
    </message>
    <message>
        <source>there is no serial port to look at.</source>
        <translation>لا يوجد منفذ تسلسلي لفحصه.</translation>
    </message>
    <message>
        <source>%1 may read and write it (group &apos;%2&apos;, mode %3).</source>
        <translation>%1 يستطيع قراءته والكتابة إليه (المجموعة &apos;%2&apos;، النمط %3).</translation>
    </message>
    <message>
        <source>%1 may not read and write it (group &apos;%2&apos;, %3; mode %4).</source>
        <translation>%1 لا يستطيع قراءته والكتابة إليه (المجموعة &apos;%2&apos;، %3؛ النمط %4).</translation>
    </message>
    <message>
        <source>you are in it</source>
        <translation>أنت عضو فيها</translation>
    </message>
    <message>
        <source>you are not in it</source>
        <translation>لست عضوًا فيها</translation>
    </message>
    <message>
        <source>The device&apos;s mode shuts its group out: &apos;sudo chmod g+rw %1&apos; until it is plugged in again; a udev rule that sets MODE=&quot;0660&quot; keeps it.</source>
        <translation>نمط الجهاز يُقصي مجموعته: &apos;sudo chmod g+rw %1&apos; حتى يُعاد توصيله؛ قاعدة udev تضبط MODE=&quot;0660&quot; تُبقي ذلك.</translation>
    </message>
    <message>
        <source>You are listed in &apos;%1&apos; but this session started before that: log out and in again (or run &apos;newgrp %1&apos;).</source>
        <translation>أنت مدرج في &apos;%1&apos; لكن هذه الجلسة بدأت قبل ذلك: سجّل الخروج ثم الدخول (أو شغّل &apos;newgrp %1&apos;).</translation>
    </message>
    <message>
        <source>The device belongs to root alone. A udev rule giving it to the &apos;dialout&apos; group (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) lets the group in; then join it with &apos;sudo usermod -aG dialout $USER&apos; and log out and in again.</source>
        <translation>الجهاز ملك لـ root وحده. قاعدة udev تمنحه للمجموعة &apos;dialout&apos; (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) تُدخل المجموعة؛ ثم انضم إليها بـ &apos;sudo usermod -aG dialout $USER&apos; وسجّل الخروج ثم الدخول.</translation>
    </message>
    <message>
        <source>Join the group: &apos;sudo usermod -aG %1 $USER&apos;, then log out and in again.</source>
        <translation>انضم إلى المجموعة: &apos;sudo usermod -aG %1 $USER&apos;، ثم سجّل الخروج ثم الدخول.</translation>
    </message>
    <message>
        <source>Windows tells who holds a port only by refusing to open it: see the line settings.</source>
        <translation>لا يخبر Windows بمن يمسك المنفذ إلا برفض فتحه: انظر إعدادات الخط.</translation>
    </message>
    <message>
        <source>in use by %1.</source>
        <translation>مستخدم من قبل %1.</translation>
    </message>
    <message>
        <source>The other end of this pseudo-terminal is %1.</source>
        <translation>الطرف الآخر لهذه الطرفية الزائفة هو %1.</translation>
    </message>
    <message>
        <source>Close that program (or end it with &apos;kill %1&apos;), then check again.</source>
        <translation>أغلق ذلك البرنامج (أو أنهِه بـ &apos;kill %1&apos;)، ثم افحص مجددًا.</translation>
    </message>
    <message>
        <source>no other program holds it (lock files and open files looked at).</source>
        <translation>لا يمسكه أي برنامج آخر (فُحصت ملفات القفل والملفات المفتوحة).</translation>
    </message>
    <message>
        <source>the port does not exist.</source>
        <translation>المنفذ غير موجود.</translation>
    </message>
    <message>
        <source>it is no serial port.</source>
        <translation>ليس منفذًا تسلسليًا.</translation>
    </message>
    <message>
        <source>this user may not open the port.</source>
        <translation>لا يحق لهذا المستخدم فتح المنفذ.</translation>
    </message>
    <message>
        <source>%1 holds the port; opening it would take bytes from it.</source>
        <translation>%1 يمسك المنفذ؛ فتحه سيأخذ منه بايتات.</translation>
    </message>
    <message>
        <source>115,200 bit/s, 8 data bits, no parity, 1 stop bit, no flow control: accepted.</source>
        <translation>115,200 بت/ث، 8 بتات بيانات، بلا تماثل، 1 بت توقف، بلا تحكم بالتدفق: مقبول.</translation>
    </message>
    <message>
        <source>the port did not open at 115,200 8N1: %1.</source>
        <translation>لم يُفتح المنفذ على 115,200 8N1: %1.</translation>
    </message>
    <message>
        <source>The STB does not report its writing: check its display.</source>
        <translation>STB لا يبلّغ عن كتابته: انظر إلى شاشته.</translation>
    </message>
    <message>
        <source>Can&apos;t write the report to %1: %2</source>
        <translation>تعذّرت كتابة التقرير إلى %1: %2</translation>
    </message>
    <message>
        <source>%1 Switching the STB off and on during a check (%2) tells which.</source>
        <translation>%1 إطفاء STB وتشغيله أثناء الفحص (%2) يبيّن أيّها.</translation>
    </message>
    <message>
        <source>made by %1</source>
        <translation>من صنع %1</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>الرقم التسلسلي %1</translation>
    </message>
    <message>
        <source>idle</source>
        <extracomment>A transfer&apos;s phase, in its figures: &quot;transferring 3/10 blocks&quot;.</extracomment>
        <translation>خامل</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>انتظار</translation>
    </message>
    <message>
        <source>transferring</source>
        <translation>نقل</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>كتابة</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>انتهى</translation>
    </message>
    <message>
        <source>%1 %2% %3/%4 blocks</source>
        <extracomment>The phase, how far the STB has written, blocks sent of all.</extracomment>
        <translation>%1 %2% %3/%4 كتلة</translation>
    </message>
    <message>
        <source>%1 %2/%3 blocks</source>
        <translation>%1 %2/%3 كتلة</translation>
    </message>
    <message>
        <source>%1 %2 blocks</source>
        <translation>%1 %2 كتلة</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 بايت</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 بايت</translation>
    </message>
    <message>
        <source>%1 bytes/s</source>
        <translation>%1 بايت/ث</translation>
    </message>
    <message>
        <source>ETA %1</source>
        <extracomment>The time a transfer still needs.</extracomment>
        <translation>المتبقي %1</translation>
    </message>
    <message>
        <source>%1 resent</source>
        <translation>%1 أُعيد إرسالها</translation>
    </message>
    <message>
        <source>%1 time-outs</source>
        <translation>%1 انتهاء مهلة</translation>
    </message>
    <message>
        <source>Undefined</source>
        <extracomment>An image type: what a firmware file holds.</extracomment>
        <translation>غير محدد</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>محمّل الإقلاع</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>التطبيق</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>قاعدة البيانات</translation>
    </message>
    <message>
        <source>IRZ Data</source>
        <translation>بيانات IRZ</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>المصنع</translation>
    </message>
    <message>
        <source>Image Type : Upload</source>
        <extracomment>An image made to be received from the STB (an image type, not the command).</extracomment>
        <translation>نوع الصورة : رفع</translation>
    </message>
    <message>
        <source>Image Type : Upload.</source>
        <translation>نوع الصورة : رفع.</translation>
    </message>
    <message>
        <source>Buyer :</source>
        <extracomment>An image without a buyer code.</extracomment>
        <translation>المشتري :</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; has the transponder (%3) and service id (%4) of channel %5 &quot;%6&quot;; favourites of it come back as the other one</source>
        <translation>القناة %1 «%2» لها المرسل (%3) ومعرّف الخدمة (%4) نفسهما للقناة %5 «%6»؛ مفضّلاتها تعود على أنها الأخرى</translation>
    </message>
    <message>
        <source>transponders %1 (%2 MHz) and %3 (%4 MHz) collide on satellite %5, %6</source>
        <translation>المرسلان %1 (%2 MHz) و%3 (%4 MHz) يتداخلان على القمر %5، %6</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which is not in use</source>
        <translation>القناة %1 «%2» على المرسل %3 وهو غير مستخدم</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which has no frequency (0 MHz)</source>
        <translation>القناة %1 «%2» على المرسل %3 الذي لا تردد له (0 MHz)</translation>
    </message>
    <message>
        <source>favourite group %1 place %2 names channel %3, which holds no channel</source>
        <translation>المجموعة المفضلة %1، الموضع %2، تشير إلى القناة %3 التي لا تحوي قناة</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is in use but not in the satellite order list, so the editor does not show it</source>
        <translation>القمر %1 «%2» مستخدم لكنه ليس في قائمة ترتيب الأقمار، لذا لا يعرضه المحرر</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is beyond the %3 satellites the file holds and is not written</source>
        <translation>القمر %1 «%2» يتجاوز الأقمار %3 التي يحملها الملف ولا يُكتب</translation>
    </message>
    <message>
        <source>satellite order place %1 is beyond the %2 places the file holds and is not written</source>
        <translation>الموضع %1 في ترتيب الأقمار يتجاوز المواضع %2 التي يحملها الملف ولا يُكتب</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2, beyond the receiver&apos;s %3</source>
        <translation>الموضع %1 في ترتيب الأقمار يشير إلى القمر %2، أبعد من أقمار جهاز الاستقبال الـ%3</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2 a second time</source>
        <translation>الموضع %1 في ترتيب الأقمار يشير إلى القمر %2 مرة ثانية</translation>
    </message>
    <message>
        <source>transponder %1 is on satellite %2, beyond the %3 satellites the file holds</source>
        <translation>المرسل %1 على القمر %2، أبعد من الأقمار %3 التي يحملها الملف</translation>
    </message>
    <message>
        <source>1 channel would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>ستُفقد قناة واحدة عند الحفظ: المرسل مفقود أو لا تردد له (0 MHz).</translation>
    </message>
    <message>
        <source>%1 channels would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>ستُفقد %1 قنوات عند الحفظ: المرسل مفقود أو لا تردد له (0 MHz).</translation>
    </message>
    <message>
        <source>- %1</source>
        <extracomment>A line of a list of findings.</extracomment>
        <translation>- %1</translation>
    </message>
    <message>
        <source>the file cannot be written back without losing data: %1</source>
        <translation>لا يمكن إعادة كتابة الملف دون فقدان بيانات: %1</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>لا توجد فروق.</translation>
    </message>
    <message>
        <source>1 channel added</source>
        <translation>أُضيفت قناة واحدة</translation>
    </message>
    <message>
        <source>%1 channels added</source>
        <translation>أُضيفت %1 قنوات</translation>
    </message>
    <message>
        <source>1 channel removed</source>
        <translation>أُزيلت قناة واحدة</translation>
    </message>
    <message>
        <source>%1 channels removed</source>
        <translation>أُزيلت %1 قنوات</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <extracomment>Channels, in the summary of a comparison: &quot;3 renamed&quot;.</extracomment>
        <translation>أُعيدت تسمية %1</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>نُقل %1</translation>
    </message>
    <message>
        <source>%1 with PIDs changed</source>
        <translation>%1 بمعرّفات PID متغيرة</translation>
    </message>
    <message>
        <source>%1 with other changes</source>
        <translation>%1 بتغييرات أخرى</translation>
    </message>
    <message>
        <source>1 favourite group changed</source>
        <translation>تغيّرت مجموعة مفضلة واحدة</translation>
    </message>
    <message>
        <source>%1 favourite groups changed</source>
        <translation>تغيّرت %1 مجموعات مفضلة</translation>
    </message>
    <message>
        <source>1 satellite added</source>
        <translation>أُضيف قمر واحد</translation>
    </message>
    <message>
        <source>%1 satellites added</source>
        <translation>أُضيفت %1 أقمار</translation>
    </message>
    <message>
        <source>1 satellite removed</source>
        <translation>أُزيل قمر واحد</translation>
    </message>
    <message>
        <source>%1 satellites removed</source>
        <translation>أُزيلت %1 أقمار</translation>
    </message>
    <message>
        <source>1 satellite changed</source>
        <translation>تغيّر قمر واحد</translation>
    </message>
    <message>
        <source>%1 satellites changed</source>
        <translation>تغيّرت %1 أقمار</translation>
    </message>
    <message>
        <source>satellite order changed</source>
        <translation>تغيّر ترتيب الأقمار</translation>
    </message>
    <message>
        <source>1 transponder added</source>
        <translation>أُضيف مرسل واحد</translation>
    </message>
    <message>
        <source>%1 transponders added</source>
        <translation>أُضيفت %1 مرسلات</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>أُزيل مرسل واحد</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>أُزيلت %1 مرسلات</translation>
    </message>
    <message>
        <source>1 transponder changed</source>
        <translation>تغيّر مرسل واحد</translation>
    </message>
    <message>
        <source>%1 transponders changed</source>
        <translation>تغيّرت %1 مرسلات</translation>
    </message>
    <message>
        <source>Added channel %1</source>
        <translation>أُضيفت القناة %1</translation>
    </message>
    <message>
        <source>Removed channel %1</source>
        <translation>أُزيلت القناة %1</translation>
    </message>
    <message>
        <source>Renamed channel %1 to &quot;%2&quot;</source>
        <translation>أُعيدت تسمية القناة %1 إلى «%2»</translation>
    </message>
    <message>
        <source>Moved channel %1 to %2</source>
        <translation>نُقلت القناة %1 إلى %2</translation>
    </message>
    <message>
        <source>PIDs of channel %1: %2</source>
        <translation>معرّفات PID للقناة %1: %2</translation>
    </message>
    <message>
        <source>Changed channel %1: %2</source>
        <translation>تغيّرت القناة %1: %2</translation>
    </message>
    <message>
        <source>Favourite group %1: %2</source>
        <translation>المجموعة المفضلة %1: %2</translation>
    </message>
    <message>
        <source>Added satellite %1</source>
        <translation>أُضيف القمر %1</translation>
    </message>
    <message>
        <source>Removed satellite %1</source>
        <translation>أُزيل القمر %1</translation>
    </message>
    <message>
        <source>Changed satellite %1: %2</source>
        <translation>تغيّر القمر %1: %2</translation>
    </message>
    <message>
        <source>The satellite order changed</source>
        <translation>تغيّر ترتيب الأقمار</translation>
    </message>
    <message>
        <source>Added transponder %1</source>
        <translation>أُضيف المرسل %1</translation>
    </message>
    <message>
        <source>Removed transponder %1</source>
        <translation>أُزيل المرسل %1</translation>
    </message>
    <message>
        <source>Changed transponder %1: %2</source>
        <translation>تغيّر المرسل %1: %2</translation>
    </message>
    <message>
        <source>video type %1 -&gt; %2</source>
        <extracomment>What changed in a record: &quot;video type 1 -&gt; 2&quot;.</extracomment>
        <translation>نوع الفيديو %1 -&gt; %2</translation>
    </message>
    <message>
        <source>flags %1 -&gt; %2</source>
        <translation>الأعلام %1 -&gt; %2</translation>
    </message>
    <message>
        <source>ttxt %1 -&gt; %2</source>
        <extracomment>A teletext PID changed.</extracomment>
        <translation>نص المعلومات %1 -&gt; %2</translation>
    </message>
    <message>
        <source>other bytes</source>
        <translation>بايتات أخرى</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>الاسم «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>location %1 -&gt; %2</source>
        <translation>الموقع %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB frequency %1 -&gt; %2</source>
        <translation>تردد LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB type %1 -&gt; %2</source>
        <translation>نوع LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB power %1 -&gt; %2</source>
        <translation>تغذية LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>DiSEqC port %1 -&gt; %2</source>
        <translation>منفذ DiSEqC %1 -&gt; %2</translation>
    </message>
    <message>
        <source>dish position %1 -&gt; %2</source>
        <translation>موضع الطبق %1 -&gt; %2</translation>
    </message>
    <message>
        <source>symbol rate %1 -&gt; %2</source>
        <translation>معدل الرموز %1 -&gt; %2</translation>
    </message>
    <message>
        <source>TV name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>اسم التلفاز «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>radio name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>اسم الإذاعة «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>order changed</source>
        <extracomment>The places of a favourite group&apos;s members changed.</extracomment>
        <translation>تغيّر الترتيب</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Favourite group %1: %2 / %3</source>
        <translation>المجموعة المفضلة %1: %2 / %3</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (تابع)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 channels (%4 TV, %5 radio), %6 transponders, %7 satellites, %8 favourite groups</source>
        <translation>%1، %2: %3 قنوات (%4 تلفاز، %5 إذاعة)، %6 مرسلات، %7 أقمار، %8 مجموعات مفضلة</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>A column of the printed list: the channel&apos;s name.</extracomment>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>A column of the printed list: the frequency (MHz), abbreviated.</extracomment>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>A column of the printed list: the polarisation, abbreviated.</extracomment>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>معرّف الخدمة</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>A column of the printed list: TV or radio.</extracomment>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>A column of the printed list: the channel&apos;s place in its favourite group.</extracomment>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>إذاعة</translation>
    </message>
    <message>
        <source>line %1, column %2: not UTF-8 text (byte 0x%3); save the file as UTF-8</source>
        <translation>السطر %1، العمود %2: ليس نصًا بترميز UTF-8 (البايت 0x%3)؛ احفظ الملف بترميز UTF-8</translation>
    </message>
    <message>
        <source>line 1: no header row</source>
        <translation>السطر 1: لا يوجد صف عناوين</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>السطر %1: حقل بين علامتي اقتباس لم يُغلق</translation>
    </message>
    <message>
        <source>line 1: no &quot;%1&quot; column; a row finds its channel by satellite, frequency, polarisation and serviceId</source>
        <extracomment>%1: a column&apos;s name (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>السطر 1: لا يوجد عمود «%1»؛ يجد الصف قناته بالأعمدة satellite وfrequency وpolarisation وserviceId</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <extracomment>%2: a column&apos;s name, %3: what is wrong with its value.</extracomment>
        <translation>السطر %1، %2: %3</translation>
    </message>
    <message>
        <source>expected a satellite number %1..%2</source>
        <translation>المتوقع رقم قمر %1..%2</translation>
    </message>
    <message>
        <source>expected a channel number %1..%2</source>
        <translation>المتوقع رقم قناة %1..%2</translation>
    </message>
    <message>
        <source>expected an integer %1..%2</source>
        <translation>المتوقع عدد صحيح %1..%2</translation>
    </message>
    <message>
        <source>expected V(R) or H(L)</source>
        <translation>المتوقع V(R) أو H(L)</translation>
    </message>
    <message>
        <source>line %1: no channel has %2; the channel data changed since the table was made, or the row was edited there</source>
        <translation>السطر %1: لا قناة لها %2؛ تغيرت بيانات القنوات منذ إنشاء الجدول، أو عُدّل الصف فيه</translation>
    </message>
    <message>
        <source>line %1: channels %2 all have %3; the number column must name one of them</source>
        <translation>السطر %1: للقنوات %2 كلها %3؛ يجب أن يسمّي العمود number إحداها</translation>
    </message>
    <message>
        <source>satellite %1, %2 MHz %3, service id %4</source>
        <extracomment>Where a channel is: &quot;satellite 1, 11494 MHz H(L), service id 28006&quot;.</extracomment>
        <translation>القمر %1، %2 MHz %3، معرّف الخدمة %4</translation>
    </message>
    <message>
        <source>line %1: channel %2 given twice (line %3)</source>
        <translation>السطر %1: القناة %2 مذكورة مرتين (السطر %3)</translation>
    </message>
    <message>
        <source>the name holds a character the file cannot store (only Latin-1, no NUL)</source>
        <translation>يحوي الاسم حرفًا لا يستطيع الملف حفظه (Latin-1 فقط، بلا NUL)</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>الاسم أطول من %1 حرفًا</translation>
    </message>
    <message>
        <source>an unterminated name fills all %1 bytes of its field and has no tail</source>
        <translation>الاسم غير المنتهي يملأ كل بايتات حقله الـ %1 ولا ذيل له</translation>
    </message>
    <message>
        <source>the name and its tail do not fit the %1-byte field</source>
        <translation>لا يتسع الحقل ذو %1 بايت للاسم وذيله</translation>
    </message>
    <message>
        <source>$: not valid JSON at byte %1 (line %2): %3</source>
        <extracomment>%3: what Qt says is wrong with the JSON (Qt&apos;s own translation).</extracomment>
        <translation>$: ليس JSON صالحًا عند البايت %1 (السطر %2): %3</translation>
    </message>
    <message>
        <source>$: expected an object</source>
        <translation>$: المتوقع كائن</translation>
    </message>
    <message>
        <source>$%1: %2</source>
        <extracomment>$%1: a place in the JSON (&quot;$.channels[3].name&quot;), %2: what is wrong there.</extracomment>
        <translation>$%1: %2</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <extracomment>A refusal and the line of the JSON file where its record begins.</extracomment>
        <translation>%1 (السطر %2)</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>المتوقع كائن</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>المتوقع مصفوفة</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A value the JSON must have and does not.</extracomment>
        <translation>مفقود</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>المتوقع سلسلة نصية</translation>
    </message>
    <message>
        <source>expected a string of hex digits</source>
        <translation>المتوقع سلسلة من أرقام ست عشرية</translation>
    </message>
    <message>
        <source>expected hex digits</source>
        <translation>المتوقع أرقام ست عشرية</translation>
    </message>
    <message>
        <source>expected an even number of hex digits</source>
        <translation>المتوقع عدد زوجي من الأرقام الست عشرية</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>المتوقع %1 بايت</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>المتوقع true أو false</translation>
    </message>
    <message>
        <source>a kind-1 prefix holds at most 272 bytes</source>
        <translation>البادئة من النوع 1 تسع 272 بايت على الأكثر</translation>
    </message>
    <message>
        <source>this data cannot be written back whole: %1</source>
        <translation>لا يمكن إعادة كتابة هذه البيانات كاملة: %1</translation>
    </message>
    <message>
        <source>more entries than the header&apos;s satelliteCount (%1)</source>
        <extracomment>satelliteCount: the key of the JSON&apos;s header, as the file has it.</extracomment>
        <translation>مدخلات أكثر من satelliteCount في الترويسة (%1)</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>مذكور مرتين</translation>
    </message>
    <message>
        <source>more than %1 members</source>
        <translation>أكثر من %1 عضوًا</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not on satellite %5</source>
        <extracomment>A channel&apos;s transponder is not where the channel says: %3 its polarisation (V(R) or H(L)).</extracomment>
        <translation>المرسل %1 هو %2 MHz %3 على القمر %4، لا على القمر %5</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5 MHz</source>
        <translation>المرسل %1 هو %2 MHz %3 على القمر %4، لا %5 MHz</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5</source>
        <extracomment>%5: the polarisation the channel gives, as the file has it.</extracomment>
        <translation>المرسل %1 هو %2 MHz %3 على القمر %4، لا %5</translation>
    </message>
    <message>
        <source>Checking %1: %2 (--port chooses another).</source>
        <translation>يجري فحص %1: %2 (يختار --port منفذًا آخر).</translation>
    </message>
    <message>
        <source>no serial port found: plug in the adapter, or name the port with --port.</source>
        <translation>لم يُعثر على منفذ تسلسلي: صِل المحوّل، أو سمِّ المنفذ بـ --port.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>فشل فتح الملف!</translation>
    </message>
    <message>
        <source>Not enough memory for the backup data</source>
        <translation>لا توجد ذاكرة كافية لبيانات النسخة الاحتياطية</translation>
    </message>
    <message>
        <source>Backup data is corrupted (decompression failed)</source>
        <translation>بيانات النسخة الاحتياطية تالفة (فشل فك الضغط)</translation>
    </message>
    <message>
        <source>Backup data is truncated</source>
        <translation>بيانات النسخة الاحتياطية مقطوعة</translation>
    </message>
    <message>
        <source>Invalid Backup Data</source>
        <translation>بيانات نسخة احتياطية غير صالحة</translation>
    </message>
    <message>
        <source>%1 are %2 bytes, not %3</source>
        <extracomment>A part of a file&apos;s layout that is not the receiver&apos;s: &quot;channel records are 40 bytes, not 44&quot;.</extracomment>
        <translation>%1 بحجم %2 بايت، لا %3</translation>
    </message>
    <message>
        <source>the file declares %1 %2, more than the %3 the table holds</source>
        <translation>يعلن الملف عن %1 %2، أكثر من %3 التي يتسع لها الجدول</translation>
    </message>
    <message>
        <source>the prefix is %1 bytes, not 96</source>
        <translation>البادئة بحجم %1 بايت، لا 96</translation>
    </message>
    <message>
        <source>satellite records</source>
        <translation>سجلات الأقمار</translation>
    </message>
    <message>
        <source>transponder records</source>
        <translation>سجلات المرسلات</translation>
    </message>
    <message>
        <source>channel records</source>
        <translation>سجلات القنوات</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>the favourite names</source>
        <translation>أسماء المفضلة</translation>
    </message>
    <message>
        <source>satellites</source>
        <extracomment>What a file declares more of than the receiver&apos;s table holds.</extracomment>
        <translation>أقمار</translation>
    </message>
    <message>
        <source>transponders</source>
        <translation>مرسلات</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>قنوات</translation>
    </message>
    <message>
        <source>%1 channel record(s) name a transponder the file does not hold</source>
        <translation>%1 سجل قناة يشير إلى مرسل لا يحويه الملف</translation>
    </message>
    <message>
        <source>the payload holds %1 byte(s) behind its sections</source>
        <translation>تحوي البيانات %1 بايت بعد أقسامها</translation>
    </message>
    <message>
        <source>%1 favourite entr(ies) name no channel of the file and were left out</source>
        <translation>%1 إدخال مفضلة لا يشير إلى أي قناة في الملف وتُرك</translation>
    </message>
    <message>
        <source>%1 of %2 channels matched (%3 by identity, %4 by name); %5</source>
        <translation>طوبقت %1 من %2 قناة (%3 بالهوية، %4 بالاسم)؛ %5</translation>
    </message>
    <message>
        <source>none left over</source>
        <translation>لم يتبقَّ شيء</translation>
    </message>
    <message>
        <source>%1 not matched go to the end from number %2</source>
        <translation>%1 غير مطابقة تذهب إلى النهاية بدءًا من الرقم %2</translation>
    </message>
    <message>
        <source>1 reference entry found no channel</source>
        <translation>إدخال مرجعي واحد لم يجد قناة</translation>
    </message>
    <message>
        <source>%1 reference entries found no channel</source>
        <translation>%1 إدخالات مرجعية لم تجد قناة</translation>
    </message>
    <message>
        <source>too large for a reference list (more than 16 MiB)</source>
        <translation>أكبر من أن يكون قائمة مرجعية (أكثر من 16 MiB)</translation>
    </message>
    <message>
        <source>line %1: neither a name nor frequency and service id</source>
        <translation>السطر %1: لا اسم ولا تردد ومعرّف خدمة</translation>
    </message>
    <message>
        <source>not a text list (it holds NUL bytes)</source>
        <translation>ليست قائمة نصية (تحوي بايتات NUL)</translation>
    </message>
    <message>
        <source>the list names no channel</source>
        <translation>لا تسمّي القائمة أي قناة</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (channel %2) has the transponder and service id of &quot;%3&quot; (channel %4).</source>
        <extracomment>Two channels the file cannot tell apart (a favourite of either comes back as the first).</extracomment>
        <translation>«%1» (القناة %2) لها المرسل ومعرّف الخدمة نفسهما لـ«%3» (القناة %4).</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel</source>
        <translation>طُبّق: %1 من %2 صفًا غيّرت قناة</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel (%3)</source>
        <extracomment>%3: the columns that changed and how often (&quot;name 2, videoPid 1&quot;).</extracomment>
        <translation>طُبّق: %1 من %2 صفًا غيّرت قناة (%3)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not a column of the table)</source>
        <extracomment>%1: a column&apos;s name as the table has it.</extracomment>
        <translation>عمود مُتجاهَل: %1 (ليس عمودًا في الجدول)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (they find the channel; not changed)</source>
        <extracomment>%1: the columns that identify a channel (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>عمود مُتجاهَل: %1 (بها يُعثر على القناة؛ لا تتغيّر)</translation>
    </message>
    <message>
        <source>Ignored column: number (a hint where the channel stands; not changed)</source>
        <translation>عمود مُتجاهَل: number (تلميح إلى موضع القناة؛ لا يتغيّر)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not imported)</source>
        <extracomment>%1: columns shown for reading only (transponder, cas, kind).</extracomment>
        <translation>عمود مُتجاهَل: %1 (لا يُستورد)</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>تُجوهل: %1</translation>
    </message>
    <message>
        <source>row order: line %1 (channel %2) stands after channel %3; the channels keep their numbers (Move in the editor changes the order)</source>
        <translation>ترتيب الصفوف: السطر %1 (القناة %2) يأتي بعد القناة %3؛ تحتفظ القنوات بأرقامها (يغيّر «نقل» في المحرر الترتيب)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>ملاحظة: %1</translation>
    </message>
    <message>
        <source>Note: %1 more</source>
        <translation>ملاحظة: %1 أخرى</translation>
    </message>
    <message>
        <source>line %1: number %2 is channel %3 now (found by its satellite, frequency, polarisation and service id)</source>
        <translation>السطر %1: الرقم %2 صار القناة %3 (وُجدت بقمرها وترددها واستقطابها ومعرّف خدمتها)</translation>
    </message>
    <message>
        <source>line %1, %2: &quot;%3&quot; differs from the channel&apos;s &quot;%4&quot;: not imported</source>
        <extracomment>%2: a column&apos;s name.</extracomment>
        <translation>السطر %1، %2: «%3» يختلف عن «%4» في القناة: لم يُستورد</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list the core put together (&quot;3 channels added, 1 renamed&quot;).</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the reasons of a list the core put together (&quot;a; b&quot;).</extracomment>
        <translation>؛ </translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>The language changes when Dorvane_QX starts next.</source>
        <translation>تتغيّر اللغة عند تشغيل Dorvane_QX في المرة القادمة.</translation>
    </message>
</context>
<context>
    <name>dorvane::CAboutDialog</name>
    <message>
        <source>About Dorvane_QX</source>
        <translation>حول Dorvane_QX</translation>
    </message>
    <message>
        <source>Version v1.0</source>
        <translation>الإصدار v1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Service tool for digital satellite receivers:
firmware download and channel data backup.</source>
        <translation>أداة صيانة لأجهزة الاستقبال الفضائية الرقمية:
تنزيل البرنامج الثابت ونسخ بيانات القنوات احتياطيًا.</translation>
    </message>
</context>
<context>
    <name>dorvane::CConnectionCheckDialog</name>
    <message>
        <source>port</source>
        <extracomment>A step of the connection check, as its line names it.</extracomment>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>permission</source>
        <translation>الصلاحية</translation>
    </message>
    <message>
        <source>holder</source>
        <translation>الماسك</translation>
    </message>
    <message>
        <source>line settings</source>
        <translation>إعدادات الخط</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>الحلقة الراجعة</translation>
    </message>
    <message>
        <source>link</source>
        <translation>الوصلة</translation>
    </message>
    <message>
        <source>boot loader</source>
        <translation>محمّل الإقلاع</translation>
    </message>
    <message>
        <source>line</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>check</source>
        <translation>الفحص</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>How a step of the connection check went: [ok], [problem], [skipped].</extracomment>
        <translation>سليم</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>مشكلة</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>متخطّى</translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation>فحص الاتصال</translation>
    </message>
    <message>
        <source>Steps of the check</source>
        <translation>خطوات الفحص</translation>
    </message>
    <message>
        <source>&amp;Switch the STB off and on during the check</source>
        <translation>إطفاء STB وتشغيله أثناء الفحص (&amp;S)</translation>
    </message>
    <message>
        <source>When the STB does not answer, wait up to 30 s for its boot loader</source>
        <translation>إن لم يُجب STB، انتظر محمّل الإقلاع حتى 30 ث</translation>
    </message>
    <message>
        <source>A &amp;loop-back plug is fitted instead of the STB (TX joined to RX)</source>
        <translation>قابس حلقة راجعة مركّب بدلًا من STB (TX موصول بـ RX) (&amp;L)</translation>
    </message>
    <message>
        <source>Send a pattern and count what comes back</source>
        <translation>أرسل نمطًا وعدّ ما يعود</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>افحص مجددًا (&amp;A)</translation>
    </message>
    <message>
        <source>A loop-back plug is fitted</source>
        <extracomment>Quoted in the check&apos;s texts: the check box that tests with a loop-back plug.</extracomment>
        <translation>قابس حلقة راجعة مركّب</translation>
    </message>
    <message>
        <source>Switch the STB off and on during the check</source>
        <translation>إطفاء STB وتشغيله أثناء الفحص</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditChannelDialog</name>
    <message>
        <source>Edit Channel</source>
        <translation>تحرير القناة</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>المرسل</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>معرّف الخدمة</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID الفيديو</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID الصوت</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID ‏PCR</translation>
    </message>
    <message>
        <source>Teletext PID</source>
        <translation>PID النص المرئي</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>%1 must be 0 to 65535.</source>
        <translation>يجب أن يكون %1 من 0 إلى 65535.</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>أبقِه</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>غيّره</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditSatelliteDialog</name>
    <message>
        <source>Edit Satellite</source>
        <translation>تحرير القمر</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>نوع LNB</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>LNB freq Low</source>
        <translation>تردد LNB المنخفض</translation>
    </message>
    <message>
        <source>LNB freq High</source>
        <translation>تردد LNB المرتفع</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>تغذية LNB</translation>
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
        <translation>نوع DiSEqC</translation>
    </message>
    <message>
        <source>DiSEqC port</source>
        <translation>منفذ DiSEqC</translation>
    </message>
    <message>
        <source>Dish Position</source>
        <translation>موضع الطبق</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>مفرد</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>1.0(4 Switch)</source>
        <translation>1.0(4 مفاتيح)</translation>
    </message>
    <message>
        <source>1.1(16 Switch)</source>
        <translation>1.1(16 مفتاحًا)</translation>
    </message>
    <message>
        <source>1.2(Motor)</source>
        <translation>1.2(محرّك)</translation>
    </message>
    <message>
        <source>1.3(USALS)</source>
        <translation>1.3(USALS)</translation>
    </message>
    <message>
        <source>Location must be 0.0 to 180.0 degrees East or West.</source>
        <translation>يجب أن يكون الموقع من 0.0 إلى 180.0 درجة شرقًا أو غربًا.</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditTpDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>تحرير المرسل</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Horz/Vert</source>
        <translation>أفقي/رأسي</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>البث</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>التعديل</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>إبقاء</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>تغيير</translation>
    </message>
    <message>
        <source>Frequency must be 1 to 65535 MHz.</source>
        <translation>يجب أن يكون التردد من 1 إلى 65535 ميغاهرتز.</translation>
    </message>
    <message>
        <source>Symbol Rate must be 0 to 65535.</source>
        <translation>يجب أن يكون معدل الرموز من 0 إلى 65535.</translation>
    </message>
</context>
<context>
    <name>dorvane::CMainDialog</name>
    <message>
        <source>Image or Binary Files (*.img *.bin);;Channel Data (*.irz);;All files (*)</source>
        <translation>ملفات الصور أو الملفات الثنائية (*.img *.bin);;بيانات القنوات (*.irz);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Channel Data (*irz)</source>
        <translation>بيانات القنوات (*irz)</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>تنزيل قسري</translation>
    </message>
    <message>
        <source>Download even when the STB&apos;s buyer code does not match the image</source>
        <translation>نزّل حتى لو لم يطابق رمز المشتري في STB الصورة</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>The current file</source>
        <translation>الملف الحالي</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>اسم الملف :</translation>
    </message>
    <message>
        <source>Elapsed :</source>
        <translation>المنقضي :</translation>
    </message>
    <message>
        <source>Throughput :</source>
        <translation>السرعة :</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>تهيئة</translation>
    </message>
    <message>
        <source>Connect or disconnect the port</source>
        <translation>وصل المنفذ أو فصله</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>رفع</translation>
    </message>
    <message>
        <source>STB power: green while the STB&apos;s application answers</source>
        <translation>تغذية STB: أخضر ما دام تطبيق STB يستجيب</translation>
    </message>
    <message>
        <source>STB Power</source>
        <translation>تغذية STB</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>About Dorvane_QX</source>
        <translation>حول Dorvane_QX</translation>
    </message>
    <message>
        <source>Downloading process is in progress, Do you want to stop the downloading?</source>
        <translation>عملية التنزيل جارية، هل تريد إيقاف التنزيل؟</translation>
    </message>
    <message>
        <source>Do you want to close Dorvane_QX?</source>
        <translation>هل تريد إغلاق Dorvane_QX؟</translation>
    </message>
    <message>
        <source>You can&apos;t disconnect Serial port on downloading...</source>
        <translation>لا يمكن فصل المنفذ التسلسلي أثناء التنزيل...</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>فُصل %1.</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>وُصل %1.</translation>
    </message>
    <message>
        <source>You can&apos;t configure Serial port on downloading...</source>
        <translation>لا يمكن تهيئة المنفذ التسلسلي أثناء التنزيل...</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>لا يمكن فتح ملف أثناء التنزيل...</translation>
    </message>
    <message>
        <source>Transfer summary: </source>
        <translation>ملخص النقل: </translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation>حفظ السجل...</translation>
    </message>
    <message>
        <source>Save trace...</source>
        <translation>حفظ التتبع...</translation>
    </message>
    <message>
        <source>Can&apos;t save %1: %2</source>
        <translation>تعذّر حفظ %1: %2</translation>
    </message>
    <message>
        <source>Log (*.log *.txt);;All files (*)</source>
        <translation>السجل (*.log *.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Trace (*.trace *.txt);;All files (*)</source>
        <translation>التتبع (*.trace *.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>You can&apos;t edit a file while transferring...</source>
        <translation>لا يمكن تحرير ملف أثناء النقل...</translation>
    </message>
    <message>
        <source>download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>رفع</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>المحرر</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدّم</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>disconnected</source>
        <extracomment>The state of the port lamp, as a screen reader says it.</extracomment>
        <translation>غير موصول</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The state of the STB power lamp, as a screen reader says it.</extracomment>
        <translation>مطفأ</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>موصول</translation>
    </message>
    <message>
        <source>on</source>
        <translation>يعمل</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>المحطة</translation>
    </message>
    <message>
        <source>Many ports at once</source>
        <translation>منافذ كثيرة معًا</translation>
    </message>
    <message>
        <source>Save support bundle...</source>
        <translation>حفظ حزمة الدعم...</translation>
    </message>
    <message>
        <source>Zip archive (*.zip);;All files (*)</source>
        <translation>أرشيف Zip (*.zip);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>You can&apos;t open the Station view while transferring...</source>
        <translation>لا يمكن فتح عرض المحطة أثناء النقل...</translation>
    </message>
</context>
<context>
    <name>dorvane::CReceiverDataDialog</name>
    <message>
        <source>Group Name</source>
        <translation>اسم المجموعة</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Channel.</source>
        <translation>القناة.</translation>
    </message>
    <message>
        <source>Ch_id</source>
        <translation>Ch_id</translation>
    </message>
    <message>
        <source>Freq/Pol</source>
        <translation>تردد/استقطاب</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>Rename Group</source>
        <translation>إعادة تسمية المجموعة</translation>
    </message>
    <message>
        <source>&amp;TV name:</source>
        <translation>اسم التلفاز (&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Radio name:</source>
        <translation>اسم الإذاعة (&amp;R):</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>المحفوظات (&amp;H)...</translation>
    </message>
    <message>
        <source>The lists kept from uploads and earlier saves: compare or restore one</source>
        <translation>القوائم المحفوظة من عمليات الرفع والحفظ السابقة: قارن إحداها أو استعدها</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>القائمة المفتوحة</translation>
    </message>
    <message>
        <source>, unsaved edits</source>
        <translation>، تعديلات غير محفوظة</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>حفظ (&amp;S)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>عدم الحفظ (&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <translation>تحرير بيانات جهاز الاستقبال</translation>
    </message>
    <message>
        <source>%1 marked for moving: choose the destination, then &quot;Select Destination&quot;</source>
        <translation>عُلّم %1 للنقل: اختر الوجهة، ثم &quot;اختيار الوجهة&quot;</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>قناة واحدة</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 قنوات</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>Channel data (*.irz)</source>
        <translation>بيانات القنوات (*.irz)</translation>
    </message>
    <message>
        <source>Channel data JSON (*.json);;Channel table CSV (*.csv)</source>
        <translation>بيانات القنوات JSON (*.json);;جدول القنوات CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>فشلت كتابة الملف!</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>فشل فتح الملف!</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Fav TV</source>
        <translation>مفضلة TV</translation>
    </message>
    <message>
        <source>Fav Radio</source>
        <translation>مفضلة راديو</translation>
    </message>
    <message>
        <source>Search channels by name, service id or PID (Ctrl+F)</source>
        <translation>ابحث عن القنوات بالاسم أو معرّف الخدمة أو PID ‏(Ctrl+F)</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>بحث (&amp;F):</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>عرض (&amp;V):</translation>
    </message>
    <message>
        <source>TPs:</source>
        <translation>المرسلات:</translation>
    </message>
    <message>
        <source>CHs:</source>
        <translation>القنوات:</translation>
    </message>
    <message>
        <source>All Sat</source>
        <translation>كل الأقمار</translation>
    </message>
    <message>
        <source>Searched Sat</source>
        <translation>الأقمار المبحوثة</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفاز</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
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
        <translation>ترتيب حسب:</translation>
    </message>
    <message>
        <source>Channel No</source>
        <translation>رقم القناة</translation>
    </message>
    <message>
        <source>Sat/Tp</source>
        <translation>قمر/مرسل</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Listed channels:</source>
        <translation>القنوات المعروضة:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>إضافة (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>حذف (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>نقل (&amp;M)</translation>
    </message>
    <message>
        <source>Select Desti&amp;nation</source>
        <translation>اختيار الوجهة (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel Move</source>
        <translation>إلغاء النقل (&amp;C)</translation>
    </message>
    <message>
        <source>Sav&amp;e As...</source>
        <translation>حفظ باسم (&amp;E)...</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>خروج (&amp;T)</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>تصدير (&amp;X)...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>استيراد (&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>تراجع (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إعادة (&amp;R)</translation>
    </message>
    <message>
        <source>Rename &amp;Group...</source>
        <translation>إعادة تسمية المجموعة (&amp;G)...</translation>
    </message>
    <message>
        <source>Undo the last edit (Ctrl+Z)</source>
        <translation>تراجع عن آخر تعديل (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo the edit undone last (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>أعد آخر تعديل تراجعت عنه (Ctrl+Shift+Z، Ctrl+Y)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>تحرير (&amp;E)...</translation>
    </message>
    <message>
        <source>In group</source>
        <translation>في المجموعة</translation>
    </message>
    <message>
        <source>Satellites or groups</source>
        <translation>الأقمار أو المجموعات</translation>
    </message>
    <message>
        <source>Transponders or group members</source>
        <translation>المرسلات أو أعضاء المجموعة</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Receiver data</source>
        <translation>بيانات جهاز الاستقبال</translation>
    </message>
</context>
<context>
    <name>dorvane::CReferencePreviewDialog</name>
    <message>
        <source>Apply order from %1</source>
        <translation>تطبيق الترتيب من %1</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>الرقم الجديد</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>المعثور عليه</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>الإدخال</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>الهوية</translation>
    </message>
    <message>
        <source>Take the &amp;favourite groups and their names along</source>
        <translation>خذ مجموعات المفضلة وأسماءها معها (&amp;F)</translation>
    </message>
    <message>
        <source>A text list has no favourite groups</source>
        <translation>القائمة النصية ليس فيها مجموعات مفضلة</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>تطبيق (&amp;A)</translation>
    </message>
    <message>
        <source>Reference entries that found no channel: %1</source>
        <translation>إدخالات مرجعية لم يُعثر لها على قناة: %1</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>بالاسم</translation>
    </message>
    <message>
        <source>by identity</source>
        <translation>بالهوية</translation>
    </message>
    <message>
        <source>not matched: to the end</source>
        <translation>غير مطابق: إلى النهاية</translation>
    </message>
</context>
<context>
    <name>dorvane::CSerialConfigDialog</name>
    <message>
        <source>Made by %1</source>
        <translation>من صنع %1</translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation>USB ‏%1</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>الرقم التسلسلي %1</translation>
    </message>
    <message>
        <source>In use by another program</source>
        <translation>يستخدمه برنامج آخر</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>يستخدمه %1</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>متاح</translation>
    </message>
    <message>
        <source>Serial Port Configuration</source>
        <translation>تهيئة المنفذ التسلسلي</translation>
    </message>
    <message>
        <source>Serial Port :</source>
        <translation>المنفذ التسلسلي :</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path</source>
        <translation>اختر منفذًا، أو اكتب مسار جهازه</translation>
    </message>
    <message>
        <source>%1  (current)</source>
        <translation>%1  (الحالي)</translation>
    </message>
    <message>
        <source>No serial port found: plug in the adapter.</source>
        <translation>لم يُعثر على منفذ تسلسلي: صِل المحوّل.</translation>
    </message>
    <message>
        <source>%1
Not listed by the system</source>
        <translation>%1
لا يعرضه النظام</translation>
    </message>
    <message>
        <source>&amp;Language :</source>
        <translation>اللغة (&amp;L):</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language choice that follows the system&apos;s locale.</extracomment>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>لغة النوافذ، من التشغيل التالي</translation>
    </message>
    <message>
        <source>Check &amp;connection</source>
        <translation>فحص الاتصال (&amp;C)</translation>
    </message>
    <message>
        <source>Check the chosen port, its adapter and the STB step by step</source>
        <translation>افحص المنفذ المختار ومحوّله و STB خطوة خطوة</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelListPrint</name>
    <message>
        <source>Channel list of %1</source>
        <translation>قائمة قنوات %1</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelOrderActions</name>
    <message>
        <source>Sort the selected channels by &amp;name and keep it as the order</source>
        <translation>رتّب القنوات المحددة حسب الاسم واحتفظ به ترتيبًا (&amp;N)</translation>
    </message>
    <message>
        <source>Sort the selected channels by &amp;satellite and frequency and keep it as the order</source>
        <translation>رتّب القنوات المحددة حسب القمر والتردد واحتفظ به ترتيبًا (&amp;S)</translation>
    </message>
    <message>
        <source>Sort the selected channels by service &amp;id and keep it as the order</source>
        <translation>رتّب القنوات المحددة حسب معرّف الخدمة واحتفظ به ترتيبًا (&amp;I)</translation>
    </message>
    <message>
        <source>Move to &amp;number...</source>
        <translation>النقل إلى رقم (&amp;N)...</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>تبديل (&amp;W)</translation>
    </message>
    <message>
        <source>Apply &amp;order from...</source>
        <translation>تطبيق الترتيب من (&amp;O)...</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>الرقم الجديد</translation>
    </message>
    <message>
        <source>New No.: a channel number 0..%1</source>
        <translation>الرقم الجديد: رقم قناة من 0 إلى %1</translation>
    </message>
    <message>
        <source>Move to number</source>
        <translation>النقل إلى رقم</translation>
    </message>
    <message>
        <source>The %1 chosen channels from &amp;number:</source>
        <translation>القنوات المحددة (%1) بدءًا من الرقم (&amp;N):</translation>
    </message>
    <message>
        <source>Apply order from</source>
        <translation>تطبيق الترتيب من</translation>
    </message>
    <message>
        <source>Channel data or lists (*.irz *.txt *.csv);;Channel data (*irz);;All files (*)</source>
        <translation>بيانات القنوات أو القوائم (*.irz *.txt *.csv);;بيانات القنوات (*irz);;كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>dorvane::CopyCleanTools</name>
    <message>
        <source>&amp;Open Second File...</source>
        <translation>فتح ملف ثانٍ (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>نسخ الصفوف (&amp;C)</translation>
    </message>
    <message>
        <source>Show D&amp;uplicates Only</source>
        <translation>إظهار المكررات فقط (&amp;U)</translation>
    </message>
    <message>
        <source>Select &amp;All Duplicates</source>
        <translation>تحديد كل المكررات (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove Unused Transponders...</source>
        <translation>إزالة المرسلات غير المستخدمة (&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>طباعة (&amp;P)...</translation>
    </message>
    <message>
        <source>Export to P&amp;DF...</source>
        <translation>تصدير إلى PDF (&amp;D)...</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>أدوات (&amp;O)</translation>
    </message>
    <message>
        <source>Copy from Second &amp;File</source>
        <translation>نسخ من الملف الثاني (&amp;F)</translation>
    </message>
    <message>
        <source>Open Second File</source>
        <translation>فتح ملف ثانٍ</translation>
    </message>
    <message>
        <source>Channel data (*.irz);;All files (*)</source>
        <translation>بيانات القنوات (*.irz);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Choose satellites, transponders, channels or groups of the second file</source>
        <translation>اختر أقمارًا أو مرسلات أو قنوات أو مجموعات من الملف الثاني</translation>
    </message>
    <message>
        <source>No duplicates</source>
        <translation>لا مكررات</translation>
    </message>
    <message>
        <source>%1 duplicates chosen</source>
        <translation>حُدد %1 مكرر</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>أُزيل مرسل واحد</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>أُزيل %1 مرسل</translation>
    </message>
    <message>
        <source>No rows chosen to copy</source>
        <translation>لم تُحدد صفوف للنسخ</translation>
    </message>
    <message>
        <source>1 row copied to the clipboard</source>
        <translation>نُسخ صف واحد إلى الحافظة</translation>
    </message>
    <message>
        <source>%1 rows copied to the clipboard</source>
        <translation>نُسخ %1 صف إلى الحافظة</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
    <message>
        <source>This build cannot print: use &quot;Export to PDF...&quot; and print the PDF.</source>
        <translation>هذا الإصدار لا يطبع: استخدم &quot;تصدير إلى PDF...&quot; واطبع ملف PDF.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>تصدير إلى PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF ‏(*.pdf)</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>فشلت كتابة الملف!</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>كُتبت %1 صفحة في %2</translation>
    </message>
</context>
<context>
    <name>dorvane::CopySourcePanel</name>
    <message>
        <source>Second file (read-only)</source>
        <translation>الملف الثاني (للقراءة فقط)</translation>
    </message>
    <message>
        <source>&lt;&lt; Co&amp;py into this file</source>
        <translation>&lt;&lt; انسخ إلى هذا الملف (&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>أغلق (&amp;L)</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 قنوات</translation>
    </message>
    <message>
        <source>SID %1</source>
        <translation>SID ‏%1</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>مجموعات المفضلة</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 channels</source>
        <translation>%1: %2 قمر، %3 قناة</translation>
    </message>
    <message>
        <source>Copies the chosen satellites, transponders, channels and favourite groups (or drag them onto the lists)</source>
        <translation>ينسخ الأقمار والمرسلات والقنوات ومجموعات المفضلة المحددة (أو اسحبها إلى القوائم)</translation>
    </message>
</context>
<context>
    <name>dorvane::DialogPrompts</name>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>المحفوظات</translation>
    </message>
    <message>
        <source>No lists are kept yet.</source>
        <translation>لا توجد قوائم محفوظة بعد.</translation>
    </message>
    <message>
        <source>Select two lists, or one to compare with the open list.</source>
        <translation>اختر قائمتين، أو واحدة لمقارنتها بالقائمة المفتوحة.</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>محفوظة في %1</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>قارن (&amp;C)</translation>
    </message>
    <message>
        <source>Compare with &amp;open list</source>
        <translation>قارن بالقائمة المفتوحة (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>استعد (&amp;R)</translation>
    </message>
    <message>
        <source>Open the selected list in the editor; the present one is kept first</source>
        <translation>افتح القائمة المحددة في المحرر؛ تُحفظ الحالية أولًا</translation>
    </message>
    <message>
        <source>Can&apos;t compare: %1</source>
        <translation>تعذّرت المقارنة: %1</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryListModel</name>
    <message>
        <source>Boot %1, App %2</source>
        <extracomment>The STB&apos;s versions a kept list came with: its boot loader&apos;s and its application&apos;s.</extracomment>
        <translation>الإقلاع %1، التطبيق %2</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <extracomment>A comparison of two kept lists: from the older to the newer.</extracomment>
        <translation>من %1 إلى %2</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>The columns of the kept lists: when a list was kept, where it came from, ...</extracomment>
        <translation>حُفظت</translation>
    </message>
    <message>
        <source>From</source>
        <translation>المصدر</translation>
    </message>
    <message>
        <source>File</source>
        <translation>الملف</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>المرسلات</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>STB versions</source>
        <translation>إصدارات STB</translation>
    </message>
    <message>
        <source>Received from the STB</source>
        <extracomment>Where a kept list came from.</extracomment>
        <translation>مستلمة من STB</translation>
    </message>
    <message>
        <source>Replaced by a save</source>
        <translation>استُبدلت بحفظ</translation>
    </message>
    <message>
        <source>Open before a restore</source>
        <translation>مفتوحة قبل الاستعادة</translation>
    </message>
</context>
<context>
    <name>dorvane::IntegerEdit</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>من فضلك، أدخل عددًا صحيحًا.</translation>
    </message>
</context>
<context>
    <name>dorvane::ListColumns</name>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
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
        <translation>تردد/استقطاب</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>المرسلات</translation>
    </message>
    <message>
        <source>CHs</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>الاستقطاب</translation>
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
        <translation>البث</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>التعديل</translation>
    </message>
</context>
<context>
    <name>dorvane::PortTile</name>
    <message>
        <source>Opening</source>
        <translation>جارٍ الفتح</translation>
    </message>
    <message>
        <source>Waiting for the STB</source>
        <translation>انتظار STB</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>جارٍ النقل</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>جارٍ الكتابة</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>جارٍ التحقق</translation>
    </message>
    <message>
        <source>Switch the STB off</source>
        <translation>أطفئ STB</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>Port unusable</source>
        <translation>المنفذ غير صالح</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>The result of the last STB of a port in the Station view.</extracomment>
        <translation>سليم</translation>
    </message>
    <message>
        <source>verify failed</source>
        <translation>فشل التحقق</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>غير مؤكَّد</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>لم يبدأ</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>نجح</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>أُلغي</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>انتهت المهلة</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>مرفوض</translation>
    </message>
    <message>
        <source>port error</source>
        <translation>خطأ في المنفذ</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>فشل</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>تقدّم %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>%p % (%1:%2 left)</source>
        <translation>%p % (باقٍ %1:%2)</translation>
    </message>
    <message>
        <source>No STB done yet</source>
        <translation>لم يكتمل أي STB بعد</translation>
    </message>
    <message>
        <source>Last: %1 (%2 of %3 ok)</source>
        <translation>الأخير: %1 (%2 من %3 سليم)</translation>
    </message>
    <message>
        <source>Boot loader %1, application %2</source>
        <translation>محمّل الإقلاع %1، التطبيق %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
</context>
<context>
    <name>dorvane::StationWindow</name>
    <message>
        <source>Station</source>
        <translation>المحطة</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>المنافذ</translation>
    </message>
    <message>
        <source>Start all</source>
        <translation>ابدأ الكل</translation>
    </message>
    <message>
        <source>Stop all</source>
        <translation>أوقف الكل</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>استعراض...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>الملف:</translation>
    </message>
    <message>
        <source>no report</source>
        <translation>بلا تقرير</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>ملف التقرير:</translation>
    </message>
    <message>
        <source>Next STB after each</source>
        <translation>STB التالي بعد كل واحد</translation>
    </message>
    <message>
        <source>Verify channel data</source>
        <translation>تحقّق من بيانات القنوات</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>تنزيل قسري</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>المنفذ المراد إضافته</translation>
    </message>
    <message>
        <source>Add port</source>
        <translation>أضف منفذًا</translation>
    </message>
    <message>
        <source>Add USB adapters</source>
        <translation>أضف محوّلات USB</translation>
    </message>
    <message>
        <source>File for every STB</source>
        <translation>الملف لكل STB</translation>
    </message>
    <message>
        <source>Report file</source>
        <translation>ملف التقرير</translation>
    </message>
    <message>
        <source>Choose the file every STB gets.</source>
        <translation>اختر الملف الذي يتلقاه كل STB.</translation>
    </message>
    <message>
        <source>Verify is for channel data: this file is not.</source>
        <translation>التحقق لبيانات القنوات: هذا الملف ليس منها.</translation>
    </message>
    <message>
        <source>Done: 0   Failed: 0   STBs per hour: 0</source>
        <translation>تم: 0   فشل: 0   STB في الساعة: 0</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   STBs per hour: %3</source>
        <translation>تم: %1   فشل: %2   STB في الساعة: %3</translation>
    </message>
    <message>
        <source>   Report: %1</source>
        <translation>   التقرير: %1</translation>
    </message>
    <message>
        <source>An STB is writing its memory. Close anyway and leave it mid-write?</source>
        <translation>جهاز STB يكتب ذاكرته. هل تغلق رغم ذلك وتتركه في منتصف الكتابة؟</translation>
    </message>
</context>
<context>
    <name>dorvane::reference_preview_dialog</name>
    <message>
        <source>sat %1</source>
        <translation>قمر %1</translation>
    </message>
    <message>
        <source>sid %1</source>
        <translation>sid %1</translation>
    </message>
</context>
</TS>
