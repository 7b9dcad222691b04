<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>CoreText</name>
    <message>
        <source>Please, Open a File to be downloaded!</source>
        <translation>لطفاً یک پرونده برای بارگیری باز کنید!</translation>
    </message>
    <message>
        <source>Can&apos;t open Serial Port! Please, Check your Serial port setting!</source>
        <translation>درگاه سریال باز نمی‌شود! لطفاً تنظیم درگاه سریال را بررسی کنید!</translation>
    </message>
    <message>
        <source>Before download start, You should turn off the Power of STB</source>
        <translation>پیش از شروع بارگیری، باید برق STB را خاموش کنید</translation>
    </message>
    <message>
        <source>Before upload start, You should turn on the Power of STB and activate &apos;PC COM&apos; item in &apos;Software Transfer&apos; menu</source>
        <translation>پیش از شروع بارگذاری، باید برق STB را روشن کنید و گزینهٔ &apos;PC COM&apos; را در منوی &apos;Software Transfer&apos; فعال کنید</translation>
    </message>
    <message>
        <source>This image can&apos;t be downloaded your STB!</source>
        <translation>این ایمیج را نمی‌توان روی STB شما بارگیری کرد!</translation>
    </message>
    <message>
        <source>Downloading stopped successfully.</source>
        <translation>بارگیری با موفقیت متوقف شد.</translation>
    </message>
    <message>
        <source>You should Check LCD window whether STB has remain job or not!</source>
        <translation>روی نمایشگر LCD بررسی کنید که STB کار ناتمامی دارد یا نه!</translation>
    </message>
    <message>
        <source>Your STB will restart now!</source>
        <translation>STB شما اکنون دوباره راه‌اندازی می‌شود!</translation>
    </message>
    <message>
        <source>Timeout occurred! Please, Check your STB, And retry!</source>
        <translation>مهلت تمام شد! لطفاً STB خود را بررسی و دوباره تلاش کنید!</translation>
    </message>
    <message>
        <source>Serial Port Error! The port stopped working.</source>
        <translation>خطای درگاه سریال! درگاه از کار افتاد.</translation>
    </message>
    <message>
        <source>Serial Port Error! Please, Check your Serial port and STB, And retry!</source>
        <translation>خطای درگاه سریال! لطفاً درگاه سریال و STB را بررسی و دوباره تلاش کنید!</translation>
    </message>
    <message>
        <source>Transferring failed! Too many errors on the line.</source>
        <translation>انتقال ناموفق بود! خطاهای خط بیش از حد است.</translation>
    </message>
    <message>
        <source>Too many errors on the line! Please, Check your cable and STB, And retry!</source>
        <translation>خطاهای خط بیش از حد است! لطفاً کابل و STB را بررسی و دوباره تلاش کنید!</translation>
    </message>
    <message>
        <source>Uploading failed!</source>
        <translation>بارگذاری ناموفق بود!</translation>
    </message>
    <message>
        <source>Uploading failed! The file was not changed. Please, Check your STB, And retry!</source>
        <translation>بارگذاری ناموفق بود! پرونده تغییر نکرد. لطفاً STB خود را بررسی و دوباره تلاش کنید!</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>پرونده تغییر نکرد.</translation>
    </message>
    <message>
        <source>The received data is not channel data: %1.</source>
        <translation>دادهٔ دریافتی دادهٔ کانال نیست: %1.</translation>
    </message>
    <message>
        <source>The STB announced %1 bytes and sent %2.</source>
        <translation>STB اعلام کرد %1 بایت و %2 فرستاد.</translation>
    </message>
    <message>
        <source>All the data arrived, but the STB did not end the file (it may have restarted).</source>
        <translation>همهٔ داده رسید، اما STB پرونده را به پایان نرساند (شاید دوباره راه‌اندازی شده باشد).</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>هنگام بارگیری نمی‌توانید پرونده باز کنید...</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory.</source>
        <translation>STB هنگام نوشتن حافظه‌اش دیگر گزارش نداد.</translation>
    </message>
    <message>
        <source>The STB stopped reporting while writing its memory!</source>
        <translation>STB هنگام نوشتن حافظه‌اش دیگر گزارش نداد!</translation>
    </message>
    <message>
        <source>Do not switch it off until its own display says it is done.</source>
        <translation>تا نمایشگر خودش پایان کار را نشان نداده، آن را خاموش نکنید.</translation>
    </message>
    <message>
        <source>Downloading failed! The file could not be read to its end: %1</source>
        <translation>بارگیری ناموفق بود! پرونده تا انتها خوانده نشد: %1</translation>
    </message>
    <message>
        <source>The STB restarted before it finished writing! The image was not written.</source>
        <translation>STB پیش از پایان نوشتن دوباره راه‌اندازی شد! ایمیج نوشته نشد.</translation>
    </message>
    <message>
        <source>Please, Switch off the STB, start the download, then switch on the STB.</source>
        <translation>لطفاً STB را خاموش کنید، بارگیری را شروع کنید، سپس STB را روشن کنید.</translation>
    </message>
    <message>
        <source>The STB offered more than one file; only the first was received.</source>
        <translation>STB بیش از یک پرونده پیشنهاد داد؛ فقط اولی دریافت شد.</translation>
    </message>
    <message>
        <source>The file is empty! There is nothing to download.</source>
        <translation>پرونده خالی است! چیزی برای بارگیری نیست.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, more than any STB takes! Check the file, or use Forced download to send it anyway.</source>
        <translation>پرونده از %1 مبی‌بایت بزرگ‌تر است، بیش از آنچه هر STB می‌پذیرد! پرونده را بررسی کنید یا برای فرستادن آن از بارگیری اجباری استفاده کنید.</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: it is a folder!</source>
        <translation>بارگذاری را نمی‌توان در %1 ذخیره کرد: یک پوشه است!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder does not exist!</source>
        <translation>بارگذاری را نمی‌توان در %1 ذخیره کرد: پوشه‌اش وجود ندارد!</translation>
    </message>
    <message>
        <source>Can&apos;t save the upload to %1: its folder cannot be written!</source>
        <translation>بارگذاری را نمی‌توان در %1 ذخیره کرد: در پوشه‌اش نمی‌توان نوشت!</translation>
    </message>
    <message>
        <source>Transferring canceled!</source>
        <translation>انتقال لغو شد!</translation>
    </message>
    <message>
        <source>Do you want to stop the downloading?</source>
        <translation>آیا می‌خواهید بارگیری را متوقف کنید؟</translation>
    </message>
    <message>
        <source>Do you want to stop the uploading?</source>
        <translation>آیا می‌خواهید بارگذاری را متوقف کنید؟</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The Download and Upload buttons while a transfer runs.</extracomment>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>بارگیری</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>بارگذاری</translation>
    </message>
    <message>
        <source>Waiting Turning on STB...</source>
        <extracomment>The progress bar while the STB is switched off, before a download.</extracomment>
        <translation>در انتظار روشن شدن STB...</translation>
    </message>
    <message>
        <source>Wait Upload Data...</source>
        <translation>در انتظار دادهٔ بارگذاری...</translation>
    </message>
    <message>
        <source>Transferring timeout occurred!</source>
        <translation>مهلت انتقال تمام شد!</translation>
    </message>
    <message>
        <source>%1 bps</source>
        <translation>%1 بیت/ث</translation>
    </message>
    <message>
        <source>Wait writing image end...</source>
        <translation>در انتظار پایان نوشتن ایمیج...</translation>
    </message>
    <message>
        <source>STB Boot Ver : %1</source>
        <translation>نسخهٔ بوت STB : %1</translation>
    </message>
    <message>
        <source>STB App Ver : %1</source>
        <translation>نسخهٔ برنامهٔ STB : %1</translation>
    </message>
    <message>
        <source>Uploading %1% ...</source>
        <translation>بارگذاری %1% ...</translation>
    </message>
    <message>
        <source>Downloading %1% ...</source>
        <translation>بارگیری %1% ...</translation>
    </message>
    <message>
        <source>Downloading process started.</source>
        <translation>فرایند بارگیری آغاز شد.</translation>
    </message>
    <message>
        <source>Uploading process started.</source>
        <translation>فرایند بارگذاری آغاز شد.</translation>
    </message>
    <message>
        <source>Send upload command and wait ack..</source>
        <translation>فرمان بارگذاری فرستاده شد، در انتظار تأیید..</translation>
    </message>
    <message>
        <source>Transferring ended.</source>
        <translation>انتقال پایان یافت.</translation>
    </message>
    <message>
        <source>Writing Image started.</source>
        <translation>نوشتن ایمیج آغاز شد.</translation>
    </message>
    <message>
        <source>Transferring started.</source>
        <translation>انتقال آغاز شد.</translation>
    </message>
    <message>
        <source>Transferring started!</source>
        <translation>انتقال آغاز شد!</translation>
    </message>
    <message>
        <source>Serial Port Internal Error: Write</source>
        <translation>خطای داخلی درگاه سریال: نوشتن</translation>
    </message>
    <message>
        <source>Uploading failed! %1</source>
        <translation>بارگذاری ناموفق بود! %1</translation>
    </message>
    <message>
        <source>Uploading data is kept in</source>
        <translation>دادهٔ بارگذاری نگه داشته شد در</translation>
    </message>
    <message>
        <source>The received data is kept in %1</source>
        <translation>دادهٔ دریافتی در %1 نگه داشته شد</translation>
    </message>
    <message>
        <source>%1 The received data is kept in %2</source>
        <translation>%1 دادهٔ دریافتی در %2 نگه داشته شد</translation>
    </message>
    <message>
        <source>Writing Image stopped.</source>
        <translation>نوشتن ایمیج متوقف شد.</translation>
    </message>
    <message>
        <source>Writing image stopped.</source>
        <translation>نوشتن ایمیج متوقف شد.</translation>
    </message>
    <message>
        <source>Downloading stopped successfully!</source>
        <translation>بارگیری با موفقیت متوقف شد!</translation>
    </message>
    <message>
        <source>Uploading finished successfully!</source>
        <translation>بارگذاری با موفقیت پایان یافت!</translation>
    </message>
    <message>
        <source>Uploading data is saved to</source>
        <translation>دادهٔ بارگذاری ذخیره شد در</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 differs from the STB&apos;s %2.</source>
        <translation>کد خریدار ایمیج %1 با کد STB ‏%2 فرق دارد.</translation>
    </message>
    <message>
        <source>The image&apos;s buyer code %1 does not match the STB&apos;s.</source>
        <translation>کد خریدار ایمیج %1 با کد STB جور نیست.</translation>
    </message>
    <message>
        <source>&quot;Forced download&quot; (command line: --forced) downloads it anyway.</source>
        <translation>«بارگیری اجباری» (خط فرمان: --forced) آن را در هر حال بارگیری می‌کند.</translation>
    </message>
    <message>
        <source>No receiver answered on %1: check the cable and the port, and that the STB is switched on (for a download: after the start; for an upload: with its &apos;PC COM&apos; item active).</source>
        <translation>هیچ گیرنده‌ای روی %1 پاسخ نداد: کابل و درگاه را بررسی کنید و اینکه STB روشن باشد (برای بارگیری: پس از شروع؛ برای بارگذاری: با گزینهٔ &apos;PC COM&apos; فعال).</translation>
    </message>
    <message>
        <source>%1 bytes in %2 s (%3 bytes/s), %4 blocks, %5 resent, %6 time-outs</source>
        <translation>%1 بایت در %2 ث (%3 بایت/ث)، %4 بلوک، %5 ارسال دوباره، %6 پایان مهلت</translation>
    </message>
    <message>
        <source>%1 port was opened successfully!</source>
        <translation>درگاه %1 با موفقیت باز شد!</translation>
    </message>
    <message>
        <source>Port(%1) open failed.</source>
        <translation>باز کردن درگاه(%1) ناموفق بود.</translation>
    </message>
    <message>
        <source>Port(%1) failed: %2</source>
        <translation>درگاه(%1) از کار افتاد: %2</translation>
    </message>
    <message>
        <source>buff full</source>
        <translation>میان‌گیر پر است</translation>
    </message>
    <message>
        <source>%1 does not exist: the adapter is unplugged or the name is wrong. Plug it in, or choose one of the ports that Configure or &apos;dorvane ports&apos; lists.</source>
        <translation>%1 وجود ندارد: مبدل وصل نیست یا نام نادرست است. آن را وصل کنید، یا یکی از درگاه‌هایی را که پیکربندی یا &apos;dorvane ports&apos; فهرست می‌کند برگزینید.</translation>
    </message>
    <message>
        <source>No serial port is there: plug in the adapter.</source>
        <translation>هیچ درگاه سریالی نیست: مبدل را وصل کنید.</translation>
    </message>
    <message>
        <source>The serial ports are: %1.</source>
        <translation>درگاه‌های سریال: %1.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2. %3</source>
        <translation>%1 درگاه سریال نیست: %2 است. %3</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>یک پوشه</translation>
    </message>
    <message>
        <source>a plain file</source>
        <translation>یک پروندهٔ معمولی</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>دستگاه نیست</translation>
    </message>
    <message>
        <source>a device that is not a serial line</source>
        <translation>دستگاهی که خط سریال نیست</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Close that program, or choose another port.</source>
        <translation>%1 در دست %2 است. آن برنامه را ببندید یا درگاه دیگری برگزینید.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <translation>%1 در دست برنامهٔ دیگری است. آن برنامه را ببندید یا درگاه دیگری برگزینید.</translation>
    </message>
    <message>
        <source>Permission denied on %1: your user is not in the &apos;%2&apos; group. Join it with &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>اجازهٔ دسترسی به %1 داده نشد: کاربر شما در گروه &apos;%2&apos; نیست. با &apos;sudo usermod -aG %2 $USER&apos; به آن بپیوندید، سپس از نشست خارج و دوباره وارد شوید.</translation>
    </message>
    <message>
        <source>%1 has gone away: the adapter was unplugged. Plug it back in and retry.</source>
        <translation>%1 ناپدید شد: مبدل جدا شد. دوباره وصلش کنید و دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>%1 stopped working: %2.</source>
        <translation>%1 از کار افتاد: %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>خطای ناشناخته</translation>
    </message>
    <message>
        <source>the first USB serial adapter found</source>
        <translation>نخستین مبدل سریال USB یافت‌شده</translation>
    </message>
    <message>
        <source>the first USB serial adapter found (%1)</source>
        <translation>نخستین مبدل سریال USB یافت‌شده (%1)</translation>
    </message>
    <message>
        <source>the first serial port found</source>
        <translation>نخستین درگاه سریال یافت‌شده</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>نوشتن پرونده ناموفق بود!</translation>
    </message>
    <message>
        <source>Channel data file is truncated!</source>
        <translation>پروندهٔ دادهٔ کانال ناقص است!</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 پیدا نشد.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 مسیر نامعتبری دارد.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 باز نشد زیرا پرونده‌های باز بیش از حدند.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>دسترسی به %1 رد شد.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>هنگام دسترسی به %1 نقض اشتراک رخ داد.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>هنگام دسترسی به %1 خطای ورودی/خروجی سخت‌افزار گزارش شد.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>هنگام دسترسی به %1 دیسک پر شد.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>هنگام دسترسی به %1 خطای غیرمنتظره‌ای رخ داد.</translation>
    </message>
    <message>
        <source>This file cannot be written back without losing data: %1.</source>
        <translation>این پرونده بدون از دست رفتن داده بازنویسی نمی‌شود: %1.</translation>
    </message>
    <message>
        <source>Data is unavailable!</source>
        <translation>داده در دسترس نیست!</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <extracomment>The editor&apos;s window title.</extracomment>
        <translation>ویرایش دادهٔ گیرنده</translation>
    </message>
    <message>
        <source>Edit Receiver Data - %1</source>
        <translation>ویرایش دادهٔ گیرنده - %1</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (فقط‌خواندنی)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 یافت شد</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected satellites</source>
        <translation>%1 یافت شد، %2 در ماهواره‌های برگزیده</translation>
    </message>
    <message>
        <source>%1 found, %2 in the selected transponders</source>
        <translation>%1 یافت شد، %2 در ترنسپاندرهای برگزیده</translation>
    </message>
    <message>
        <source>Choose channels in the list below to add them to the group</source>
        <translation>کانال‌ها را در فهرست زیر برگزینید تا به گروه افزوده شوند</translation>
    </message>
    <message>
        <source>Choose one transponder to copy, or one satellite without transponders</source>
        <translation>یک ترنسپاندر برای رونوشت، یا یک ماهوارهٔ بی‌ترنسپاندر برگزینید</translation>
    </message>
    <message>
        <source>Satellites are added with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>ماهواره‌ها با گزینش «همهٔ ماهواره‌ها» افزوده می‌شوند؛ نخست یک فهرست برگزینید</translation>
    </message>
    <message>
        <source>Choose a list first</source>
        <translation>نخست یک فهرست برگزینید</translation>
    </message>
    <message>
        <source>Choose members of the group to delete them</source>
        <translation>اعضای گروه را برای حذف برگزینید</translation>
    </message>
    <message>
        <source>Satellites are deleted with &quot;All Sat&quot; chosen; choose a list first</source>
        <translation>ماهواره‌ها با گزینش «همهٔ ماهواره‌ها» حذف می‌شوند؛ نخست یک فهرست برگزینید</translation>
    </message>
    <message>
        <source>Choose what to delete first</source>
        <translation>نخست برگزینید چه چیزی حذف شود</translation>
    </message>
    <message>
        <source>Choose members of the group to move them</source>
        <translation>اعضای گروه را برای جابه‌جایی برگزینید</translation>
    </message>
    <message>
        <source>Channels are moved within a single satellite, or across all of them with every satellite chosen</source>
        <translation>کانال‌ها درون یک ماهواره جابه‌جا می‌شوند، یا با گزینش همهٔ ماهواره‌ها میان همه</translation>
    </message>
    <message>
        <source>Choose channels to move first</source>
        <translation>نخست کانال‌های جابه‌جایی را برگزینید</translation>
    </message>
    <message>
        <source>You must select another destination</source>
        <translation>باید مقصد دیگری برگزینید</translation>
    </message>
    <message>
        <source>Finish or cancel the pending move first</source>
        <translation>نخست جابه‌جایی نیمه‌کاره را تمام یا لغو کنید</translation>
    </message>
    <message>
        <source>Channels are dropped on a channel of the list to move them</source>
        <translation>کانال‌ها برای جابه‌جایی روی کانالی از فهرست رها می‌شوند</translation>
    </message>
    <message>
        <source>Drop channels on a group or its members, or members on a member</source>
        <translation>کانال‌ها را روی یک گروه یا اعضایش، یا اعضا را روی یک عضو رها کنید</translation>
    </message>
    <message>
        <source>Channels are ordered in the &quot;Satellite&quot; view</source>
        <translation>کانال‌ها در نمای «ماهواره» مرتب می‌شوند</translation>
    </message>
    <message>
        <source>Finish the add first</source>
        <translation>نخست افزودن را تمام کنید</translation>
    </message>
    <message>
        <source>Choose exactly two channels to swap them</source>
        <translation>دقیقاً دو کانال برای جابه‌جایی با هم برگزینید</translation>
    </message>
    <message>
        <source>Choose channels first</source>
        <translation>نخست کانال‌ها را برگزینید</translation>
    </message>
    <message>
        <source>Cannot add satellite</source>
        <translation>افزودن ماهواره ممکن نیست</translation>
    </message>
    <message>
        <source>Cannot add transponder</source>
        <translation>افزودن ترنسپاندر ممکن نیست</translation>
    </message>
    <message>
        <source>Cannot add channel</source>
        <translation>افزودن کانال ممکن نیست</translation>
    </message>
    <message>
        <source>Max Favorite Count!!</source>
        <translation>شمار محبوب‌ها به بیشینه رسید!!</translation>
    </message>
    <message>
        <source>Favorite Group empty!!</source>
        <translation>گروه محبوب خالی است!!</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3?</source>
        <translation>%1، %2 و %3 آن‌ها حذف شوند؟</translation>
    </message>
    <message>
        <source>Delete %1, their %2 and %3 (%4)?</source>
        <translation>%1، %2 و %3 آن‌ها (%4) حذف شوند؟</translation>
    </message>
    <message>
        <source>Delete %1 and their %2?</source>
        <translation>%1 و %2 آن‌ها حذف شوند؟</translation>
    </message>
    <message>
        <source>Delete %1 and their %2 (%3)?</source>
        <translation>%1 و %2 آن‌ها (%3) حذف شوند؟</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 حذف شود؟</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <translation>%1 (%2) حذف شود؟</translation>
    </message>
    <message>
        <source>1 satellite</source>
        <translation>۱ ماهواره</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 ماهواره</translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation>۱ ترنسپاندر</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 ترنسپاندر</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>۱ کانال</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 کانال</translation>
    </message>
    <message>
        <source>1 favourite entry</source>
        <translation>۱ مدخل محبوب</translation>
    </message>
    <message>
        <source>%1 favourite entries</source>
        <translation>%1 مدخل محبوب</translation>
    </message>
    <message>
        <source>1 duplicate</source>
        <translation>۱ تکراری</translation>
    </message>
    <message>
        <source>%1 duplicates</source>
        <translation>%1 تکراری</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 افزوده شد</translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation>%1 جایگزین شد</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 رد شد</translation>
    </message>
    <message>
        <source>%1 not copied (no room)</source>
        <translation>%1 رونوشت نشد (جا نیست)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1؛ %2</translation>
    </message>
    <message>
        <source>Nothing was copied.</source>
        <translation>چیزی رونوشت نشد.</translation>
    </message>
    <message>
        <source>1 of the channels to copy is already in this file (the same satellite, transponder and service id).</source>
        <translation>۱ کانال از کانال‌های رونوشت از پیش در این پرونده هست (همان ماهواره، ترنسپاندر و شناسهٔ سرویس).</translation>
    </message>
    <message>
        <source>%1 of the channels to copy are already in this file (the same satellite, transponder and service id).</source>
        <translation>%1 کانال از کانال‌های رونوشت از پیش در این پرونده هستند (همان ماهواره، ترنسپاندر و شناسهٔ سرویس).</translation>
    </message>
    <message>
        <source>Skip them, replace the ones here, or keep both?</source>
        <translation>از آن‌ها بگذریم، موارد اینجا را جایگزین کنیم، یا هر دو را نگه داریم؟</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>گذشتن</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>جایگزینی</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>نگه‌داشتن هر دو</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Every transponder carries a channel: none removed.</source>
        <translation>هر ترنسپاندر کانالی دارد: هیچ‌کدام حذف نشد.</translation>
    </message>
    <message>
        <source>Remove %1 without a channel?</source>
        <translation>%1 بی‌کانال حذف شود؟</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>کانال تازه</translation>
    </message>
    <message>
        <source>This file cannot be saved: it holds data the editor would lose (%1).</source>
        <translation>این پرونده ذخیره نمی‌شود: داده‌ای دارد که ویرایشگر از دست می‌دهد (%1).</translation>
    </message>
    <message>
        <source>%1 Not saved.</source>
        <translation>%1 ذخیره نشد.</translation>
    </message>
    <message>
        <source>The check before saving found:</source>
        <translation>بررسی پیش از ذخیره این‌ها را یافت:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>در هر حال ذخیره کن</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>آیا می‌خواهید تغییرات را ذخیره کنید؟</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>چیزی وارد نشد: %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... و %1 مورد دیگر</translation>
    </message>
    <message>
        <source>The file cannot tell such channels apart: the favourite may come back as the lower-numbered one.</source>
        <translation>پرونده این کانال‌ها را از هم تشخیص نمی‌دهد: محبوب ممکن است به‌صورت کانالِ با شمارهٔ کوچک‌تر برگردد.</translation>
    </message>
    <message>
        <source>v%1 (build #%2)</source>
        <extracomment>The version in the About box: the version and the build number.</extracomment>
        <translation>v%1 (ساخت شمارهٔ %2)</translation>
    </message>
    <message>
        <source>File Name : %1</source>
        <translation>نام پرونده : %1</translation>
    </message>
    <message>
        <source>Image Type : %1</source>
        <translation>نوع ایمیج : %1</translation>
    </message>
    <message>
        <source>File Size : %1 bytes</source>
        <translation>اندازهٔ پرونده : %1 بایت</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>نسخه : %1</translation>
    </message>
    <message>
        <source>%1 (build #%2)</source>
        <translation>%1 (ساخت شمارهٔ %2)</translation>
    </message>
    <message>
        <source>Build Date : %1 (%2)</source>
        <translation>تاریخ ساخت : %1 (%2)</translation>
    </message>
    <message>
        <source>Buyer : %1</source>
        <extracomment>The image&apos;s buyer code (who the firmware was made for).</extracomment>
        <translation>خریدار : %1</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s application answers (an upload; a download needs it switched off).</source>
        <translation>انتقال می‌تواند شروع شود: برنامهٔ STB پاسخ می‌دهد (بارگذاری؛ بارگیری به خاموش بودن آن نیاز دارد).</translation>
    </message>
    <message>
        <source>A transfer can start: the STB&apos;s boot loader asks for a file (download).</source>
        <translation>انتقال می‌تواند شروع شود: بوت‌لودر STB پرونده می‌خواهد (بارگیری).</translation>
    </message>
    <message>
        <source>The port opens at 115,200 8N1; the STB was not asked.</source>
        <translation>درگاه با 115,200 8N1 باز می‌شود؛ از STB پرسیده نشد.</translation>
    </message>
    <message>
        <source>The port and the plug pass every byte. Fit the STB&apos;s cable instead and check again.</source>
        <translation>درگاه و دوشاخه همهٔ بایت‌ها را عبور می‌دهند. به‌جای آن کابل STB را وصل کنید و دوباره بررسی کنید.</translation>
    </message>
    <message>
        <source>No transfer can start yet: see the problems above.</source>
        <translation>هنوز هیچ انتقالی نمی‌تواند شروع شود: مشکلات بالا را ببینید.</translation>
    </message>
    <message>
        <source>the port failed during the check.</source>
        <translation>درگاه هنگام بررسی از کار افتاد.</translation>
    </message>
    <message>
        <source>The adapter was unplugged or its driver gave up: plug it in again and check again.</source>
        <translation>مبدل جدا شد یا راه‌انداز آن از کار ماند: دوباره وصلش کنید و باز بررسی کنید.</translation>
    </message>
    <message>
        <source>stopped before its end.</source>
        <translation>پیش از پایان متوقف شد.</translation>
    </message>
    <message>
        <source>not tried: %1</source>
        <translation>امتحان نشد: %1</translation>
    </message>
    <message>
        <source>the port did not open.</source>
        <translation>درگاه باز نشد.</translation>
    </message>
    <message>
        <source>no loop-back plug fitted (%1 tests one: TX joined to RX).</source>
        <translation>دوشاخهٔ حلقهٔ برگشتی وصل نیست (%1 با یکی آزمایش می‌کند: TX به RX وصل).</translation>
    </message>
    <message>
        <source>%1 bytes sent, %2 back: %3 lost, %4 garbled, %5 extra; %6 bytes/s back (the line carries %7).</source>
        <translation>%1 بایت فرستاده شد، %2 برگشت: %3 گم‌شده، %4 خراب، %5 اضافه؛ %6 بایت/ث برگشتی (خط %7 می‌برد).</translation>
    </message>
    <message>
        <source>Nothing came back: the plug is not fitted, TX and RX are not joined, or the adapter does not send.</source>
        <translation>چیزی برنگشت: دوشاخه وصل نیست، TX و RX به هم وصل نیستند، یا مبدل نمی‌فرستد.</translation>
    </message>
    <message>
        <source>The adapter or its cable loses or garbles bytes: try another cable, another USB socket (not a hub) or another adapter.</source>
        <translation>مبدل یا کابل آن بایت‌ها را گم یا خراب می‌کند: کابل دیگر، درگاه USB دیگر (نه هاب) یا مبدل دیگری را امتحان کنید.</translation>
    </message>
    <message>
        <source>the loop-back plug is fitted instead of the STB.</source>
        <translation>دوشاخهٔ حلقهٔ برگشتی به‌جای STB وصل است.</translation>
    </message>
    <message>
        <source>the STB&apos;s application answered the link test (BEL, ACK): an upload can start.</source>
        <translation>برنامهٔ STB به آزمون پیوند پاسخ داد (BEL، ACK): بارگذاری می‌تواند شروع شود.</translation>
    </message>
    <message>
        <source>For a download switch the STB off, start the download, then switch it on.</source>
        <translation>برای بارگیری STB را خاموش کنید، بارگیری را شروع کنید، سپس آن را روشن کنید.</translation>
    </message>
    <message>
        <source>the STB&apos;s boot loader asks for a file (&apos;C&apos;): a download can start now; an upload needs its application.</source>
        <translation>بوت‌لودر STB پرونده می‌خواهد (&apos;C&apos;): بارگیری اکنون می‌تواند شروع شود؛ بارگذاری به برنامهٔ آن نیاز دارد.</translation>
    </message>
    <message>
        <source>what the PC sends comes back (%1 of %2 BELs): the line is looped.</source>
        <translation>آنچه رایانه می‌فرستد برمی‌گردد (%1 از %2 BEL): خط حلقه شده است.</translation>
    </message>
    <message>
        <source>A loop-back plug or a cable that joins TX to RX is fitted, not the STB&apos;s cable.</source>
        <translation>یک دوشاخهٔ حلقهٔ برگشتی یا کابلی که TX را به RX وصل می‌کند وصل است، نه کابل STB.</translation>
    </message>
    <message>
        <source>bytes came that answer nothing (%1).</source>
        <translation>بایت‌هایی آمد که پاسخ هیچ چیز نیست (%1).</translation>
    </message>
    <message>
        <source>Another device is on the line, or it runs at another speed than 115,200 bit/s.</source>
        <translation>دستگاه دیگری روی خط است، یا با سرعتی جز 115,200 بیت/ث کار می‌کند.</translation>
    </message>
    <message>
        <source>no answer to %1 link tests (BEL, waited %2 ms each).</source>
        <translation>بی‌پاسخ به %1 آزمون پیوند (BEL، هر کدام %2 میلی‌ثانیه انتظار).</translation>
    </message>
    <message>
        <source>Most likely, in this order: the STB is off; its application runs with &quot;PC COM&quot; off (an upload needs that menu item on); the cable lacks the right wires (the PC&apos;s TX must reach the STB&apos;s RX and the STB&apos;s TX the PC&apos;s RX, with ground joined: a null-modem cable).</source>
        <translation>به احتمال زیاد، به این ترتیب: STB خاموش است؛ برنامهٔ آن با &quot;PC COM&quot; خاموش کار می‌کند (بارگذاری به روشن بودن این گزینهٔ منو نیاز دارد)؛ کابل سیم‌های درست را ندارد (TX رایانه باید به RX دستگاه STB و TX دستگاه STB به RX رایانه برسد، با زمین وصل: کابل null-modem).</translation>
    </message>
    <message>
        <source>already asking for a file.</source>
        <translation>هم‌اکنون پرونده می‌خواهد.</translation>
    </message>
    <message>
        <source>not needed: the application answers.</source>
        <translation>لازم نیست: برنامه پاسخ می‌دهد.</translation>
    </message>
    <message>
        <source>not asked to switch the STB off and on (%1).</source>
        <translation>خاموش و روشن کردن STB خواسته نشد (%1).</translation>
    </message>
    <message>
        <source>Switch the STB off, wait two seconds and switch it on again: waiting up to %1 s for its boot loader.</source>
        <translation>STB را خاموش کنید، دو ثانیه صبر کنید و دوباره روشنش کنید: تا %1 ث در انتظار بوت‌لودر آن.</translation>
    </message>
    <message>
        <source>the boot loader asked for a file (&apos;C&apos;) %1 s after the request: cable and STB work, a download can start.</source>
        <translation>بوت‌لودر %1 ث پس از درخواست پرونده خواست (&apos;C&apos;): کابل و STB کار می‌کنند، بارگیری می‌تواند شروع شود.</translation>
    </message>
    <message>
        <source>No application answered the link test before: the STB was off, or its application has &quot;PC COM&quot; off (an upload needs that menu item on).</source>
        <translation>پیش از این هیچ برنامه‌ای به آزمون پیوند پاسخ نداد: STB خاموش بود، یا در برنامهٔ آن &quot;PC COM&quot; خاموش است (بارگذاری به روشن بودن این گزینهٔ منو نیاز دارد).</translation>
    </message>
    <message>
        <source>no &apos;C&apos; within %1 s.</source>
        <translation>هیچ &apos;C&apos; در %1 ث نیامد.</translation>
    </message>
    <message>
        <source>The STB did not start, or what it sends does not reach the PC: check its power, and that the cable is a null-modem cable (TX and RX crossed, ground joined).</source>
        <translation>STB روشن نشد، یا آنچه می‌فرستد به رایانه نمی‌رسد: برق آن را بررسی کنید، و اینکه کابل null-modem باشد (TX و RX ضربدری، زمین وصل).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 وجود ندارد.</translation>
    </message>
    <message>
        <source>Plug the adapter in, or choose another port.</source>
        <translation>مبدل را وصل کنید، یا درگاه دیگری برگزینید.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2.</source>
        <translation>%1 درگاه سریال نیست: %2 است.</translation>
    </message>
    <message>
        <source>a serial line the system lists as no adapter (a pseudo-terminal or a port of its own)</source>
        <translation>خط سریالی که سیستم به هیچ مبدلی نسبت نمی‌دهد (یک شبه‌پایانه یا درگاهی از خود سیستم)</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>یک درگاه سریال برگزینید.</translation>
    </message>
    <message>
        <source>Windows keeps no permissions on COM ports; a port another program holds shows when it is opened.</source>
        <translation>Windows روی درگاه‌های COM مجوز نگه نمی‌دارد؛ درگاهی که برنامهٔ دیگری گرفته هنگام باز کردن پیدا می‌شود.</translation>
    </message>
    <message>
        <source>there is no serial port to look at.</source>
        <translation>درگاه سریالی برای بررسی نیست.</translation>
    </message>
    <message>
        <source>%1 may read and write it (group &apos;%2&apos;, mode %3).</source>
        <translation>%1 می‌تواند آن را بخواند و بنویسد (گروه &apos;%2&apos;، حالت %3).</translation>
    </message>
    <message>
        <source>%1 may not read and write it (group &apos;%2&apos;, %3; mode %4).</source>
        <translation>%1 نمی‌تواند آن را بخواند و بنویسد (گروه &apos;%2&apos;، %3؛ حالت %4).</translation>
    </message>
    <message>
        <source>you are in it</source>
        <translation>شما عضو آن هستید</translation>
    </message>
    <message>
        <source>you are not in it</source>
        <translation>شما عضو آن نیستید</translation>
    </message>
    <message>
        <source>The device&apos;s mode shuts its group out: &apos;sudo chmod g+rw %1&apos; until it is plugged in again; a udev rule that sets MODE=&quot;0660&quot; keeps it.</source>
        <translation>حالت دستگاه گروهش را بیرون می‌گذارد: &apos;sudo chmod g+rw %1&apos; تا وصل دوباره؛ یک قاعدهٔ udev که MODE=&quot;0660&quot; بگذارد آن را نگه می‌دارد.</translation>
    </message>
    <message>
        <source>You are listed in &apos;%1&apos; but this session started before that: log out and in again (or run &apos;newgrp %1&apos;).</source>
        <translation>نام شما در &apos;%1&apos; هست اما این نشست پیش از آن شروع شد: خارج شوید و دوباره وارد شوید (یا &apos;newgrp %1&apos; را اجرا کنید).</translation>
    </message>
    <message>
        <source>The device belongs to root alone. A udev rule giving it to the &apos;dialout&apos; group (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) lets the group in; then join it with &apos;sudo usermod -aG dialout $USER&apos; and log out and in again.</source>
        <translation>دستگاه تنها از آنِ root است. یک قاعدهٔ udev که آن را به گروه &apos;dialout&apos; بدهد (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) گروه را راه می‌دهد؛ سپس با &apos;sudo usermod -aG dialout $USER&apos; به آن بپیوندید و خارج و دوباره وارد شوید.</translation>
    </message>
    <message>
        <source>Join the group: &apos;sudo usermod -aG %1 $USER&apos;, then log out and in again.</source>
        <translation>به گروه بپیوندید: &apos;sudo usermod -aG %1 $USER&apos;، سپس خارج و دوباره وارد شوید.</translation>
    </message>
    <message>
        <source>Windows tells who holds a port only by refusing to open it: see the line settings.</source>
        <translation>Windows تنها با رد باز کردن درگاه می‌گوید چه کسی آن را گرفته: تنظیمات خط را ببینید.</translation>
    </message>
    <message>
        <source>in use by %1.</source>
        <translation>در دست %1.</translation>
    </message>
    <message>
        <source>The other end of this pseudo-terminal is %1.</source>
        <translation>سر دیگر این شبه‌پایانه %1 است.</translation>
    </message>
    <message>
        <source>Close that program (or end it with &apos;kill %1&apos;), then check again.</source>
        <translation>آن برنامه را ببندید (یا با &apos;kill %1&apos; پایانش دهید)، سپس دوباره بررسی کنید.</translation>
    </message>
    <message>
        <source>no other program holds it (lock files and open files looked at).</source>
        <translation>هیچ برنامهٔ دیگری آن را نگرفته (پرونده‌های قفل و پرونده‌های باز بررسی شد).</translation>
    </message>
    <message>
        <source>the port does not exist.</source>
        <translation>درگاه وجود ندارد.</translation>
    </message>
    <message>
        <source>it is no serial port.</source>
        <translation>درگاه سریال نیست.</translation>
    </message>
    <message>
        <source>this user may not open the port.</source>
        <translation>این کاربر اجازهٔ باز کردن درگاه را ندارد.</translation>
    </message>
    <message>
        <source>%1 holds the port; opening it would take bytes from it.</source>
        <translation>%1 درگاه را گرفته؛ باز کردن آن بایت‌ها را از آن می‌گیرد.</translation>
    </message>
    <message>
        <source>115,200 bit/s, 8 data bits, no parity, 1 stop bit, no flow control: accepted.</source>
        <translation>115,200 بیت/ث، 8 بیت داده، بدون توازن، 1 بیت توقف، بدون کنترل جریان: پذیرفته شد.</translation>
    </message>
    <message>
        <source>the port did not open at 115,200 8N1: %1.</source>
        <translation>درگاه با 115,200 8N1 باز نشد: %1.</translation>
    </message>
    <message>
        <source>The STB does not report its writing: check its display.</source>
        <translation>STB نوشتن خود را گزارش نمی‌کند: نمایشگر آن را ببینید.</translation>
    </message>
    <message>
        <source>Can&apos;t write the report to %1: %2</source>
        <translation>نوشتن گزارش در %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>%1 Switching the STB off and on during a check (%2) tells which.</source>
        <translation>%1 خاموش و روشن کردن STB هنگام بررسی (%2) نشان می‌دهد کدام است.</translation>
    </message>
    <message>
        <source>made by %1</source>
        <translation>ساخت %1</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>شمارهٔ سریال %1</translation>
    </message>
    <message>
        <source>idle</source>
        <extracomment>A transfer&apos;s phase, in its figures: &quot;transferring 3/10 blocks&quot;.</extracomment>
        <translation>بیکار</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>در انتظار</translation>
    </message>
    <message>
        <source>transferring</source>
        <translation>انتقال</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>نوشتن</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>پایان</translation>
    </message>
    <message>
        <source>%1 %2% %3/%4 blocks</source>
        <extracomment>The phase, how far the STB has written, blocks sent of all.</extracomment>
        <translation>%1 %2% %3/%4 بلوک</translation>
    </message>
    <message>
        <source>%1 %2/%3 blocks</source>
        <translation>%1 %2/%3 بلوک</translation>
    </message>
    <message>
        <source>%1 %2 blocks</source>
        <translation>%1 %2 بلوک</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 بایت</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 بایت</translation>
    </message>
    <message>
        <source>%1 bytes/s</source>
        <translation>%1 بایت/ث</translation>
    </message>
    <message>
        <source>ETA %1</source>
        <extracomment>The time a transfer still needs.</extracomment>
        <translation>باقی‌مانده %1</translation>
    </message>
    <message>
        <source>%1 resent</source>
        <translation>%1 ارسال دوباره</translation>
    </message>
    <message>
        <source>%1 time-outs</source>
        <translation>%1 پایان مهلت</translation>
    </message>
    <message>
        <source>Undefined</source>
        <extracomment>An image type: what a firmware file holds.</extracomment>
        <translation>نامشخص</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>بوت‌لودر</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>برنامه</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>پایگاه داده</translation>
    </message>
    <message>
        <source>IRZ Data</source>
        <translation>دادهٔ IRZ</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>کارخانه</translation>
    </message>
    <message>
        <source>Image Type : Upload</source>
        <extracomment>An image made to be received from the STB (an image type, not the command).</extracomment>
        <translation>نوع ایمیج : بارگذاری</translation>
    </message>
    <message>
        <source>Image Type : Upload.</source>
        <translation>نوع ایمیج : بارگذاری.</translation>
    </message>
    <message>
        <source>Buyer :</source>
        <extracomment>An image without a buyer code.</extracomment>
        <translation>خریدار :</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; has the transponder (%3) and service id (%4) of channel %5 &quot;%6&quot;; favourites of it come back as the other one</source>
        <translation>کانال %1 «%2» ترنسپاندر (%3) و شناسهٔ سرویس (%4) کانال %5 «%6» را دارد؛ محبوب‌های آن به‌صورت دیگری برمی‌گردند</translation>
    </message>
    <message>
        <source>transponders %1 (%2 MHz) and %3 (%4 MHz) collide on satellite %5, %6</source>
        <translation>ترنسپاندرهای %1 (%2 MHz) و %3 (%4 MHz) روی ماهوارهٔ %5 هم‌پوشانی دارند، %6</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which is not in use</source>
        <translation>کانال %1 «%2» روی ترنسپاندر %3 است که استفاده نمی‌شود</translation>
    </message>
    <message>
        <source>channel %1 &quot;%2&quot; stands on transponder %3, which has no frequency (0 MHz)</source>
        <translation>کانال %1 «%2» روی ترنسپاندر %3 است که فرکانس ندارد (0 MHz)</translation>
    </message>
    <message>
        <source>favourite group %1 place %2 names channel %3, which holds no channel</source>
        <translation>گروه محبوب %1، جایگاه %2، به کانال %3 اشاره می‌کند که کانالی ندارد</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is in use but not in the satellite order list, so the editor does not show it</source>
        <translation>ماهوارهٔ %1 «%2» استفاده می‌شود اما در فهرست ترتیب ماهواره‌ها نیست، پس ویرایشگر آن را نشان نمی‌دهد</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot; is beyond the %3 satellites the file holds and is not written</source>
        <translation>ماهوارهٔ %1 «%2» فراتر از %3 ماهواره‌ای است که پرونده نگه می‌دارد و نوشته نمی‌شود</translation>
    </message>
    <message>
        <source>satellite order place %1 is beyond the %2 places the file holds and is not written</source>
        <translation>جایگاه %1 ترتیب ماهواره‌ها فراتر از %2 جایگاهی است که پرونده نگه می‌دارد و نوشته نمی‌شود</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2, beyond the receiver&apos;s %3</source>
        <translation>جایگاه %1 ترتیب ماهواره‌ها به ماهوارهٔ %2 اشاره می‌کند، فراتر از %3 ماهوارهٔ گیرنده</translation>
    </message>
    <message>
        <source>satellite order place %1 names satellite %2 a second time</source>
        <translation>جایگاه %1 ترتیب ماهواره‌ها برای بار دوم به ماهوارهٔ %2 اشاره می‌کند</translation>
    </message>
    <message>
        <source>transponder %1 is on satellite %2, beyond the %3 satellites the file holds</source>
        <translation>ترنسپاندر %1 روی ماهوارهٔ %2 است، فراتر از %3 ماهواره‌ای که پرونده نگه می‌دارد</translation>
    </message>
    <message>
        <source>1 channel would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>با ذخیره ۱ کانال از دست می‌رود: ترنسپاندر نیست یا فرکانس ندارد (0 MHz).</translation>
    </message>
    <message>
        <source>%1 channels would be lost on saving: the transponder is missing or has no frequency (0 MHz).</source>
        <translation>با ذخیره %1 کانال از دست می‌رود: ترنسپاندر نیست یا فرکانس ندارد (0 MHz).</translation>
    </message>
    <message>
        <source>- %1</source>
        <extracomment>A line of a list of findings.</extracomment>
        <translation>- %1</translation>
    </message>
    <message>
        <source>the file cannot be written back without losing data: %1</source>
        <translation>پرونده را نمی‌توان بدون از دست دادن داده دوباره نوشت: %1</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>تفاوتی نیست.</translation>
    </message>
    <message>
        <source>1 channel added</source>
        <translation>۱ کانال افزوده شد</translation>
    </message>
    <message>
        <source>%1 channels added</source>
        <translation>%1 کانال افزوده شد</translation>
    </message>
    <message>
        <source>1 channel removed</source>
        <translation>۱ کانال برداشته شد</translation>
    </message>
    <message>
        <source>%1 channels removed</source>
        <translation>%1 کانال برداشته شد</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <extracomment>Channels, in the summary of a comparison: &quot;3 renamed&quot;.</extracomment>
        <translation>%1 تغییر نام یافت</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>%1 جابه‌جا شد</translation>
    </message>
    <message>
        <source>%1 with PIDs changed</source>
        <translation>%1 با PID تغییریافته</translation>
    </message>
    <message>
        <source>%1 with other changes</source>
        <translation>%1 با تغییرات دیگر</translation>
    </message>
    <message>
        <source>1 favourite group changed</source>
        <translation>۱ گروه محبوب تغییر کرد</translation>
    </message>
    <message>
        <source>%1 favourite groups changed</source>
        <translation>%1 گروه محبوب تغییر کرد</translation>
    </message>
    <message>
        <source>1 satellite added</source>
        <translation>۱ ماهواره افزوده شد</translation>
    </message>
    <message>
        <source>%1 satellites added</source>
        <translation>%1 ماهواره افزوده شد</translation>
    </message>
    <message>
        <source>1 satellite removed</source>
        <translation>۱ ماهواره برداشته شد</translation>
    </message>
    <message>
        <source>%1 satellites removed</source>
        <translation>%1 ماهواره برداشته شد</translation>
    </message>
    <message>
        <source>1 satellite changed</source>
        <translation>۱ ماهواره تغییر کرد</translation>
    </message>
    <message>
        <source>%1 satellites changed</source>
        <translation>%1 ماهواره تغییر کرد</translation>
    </message>
    <message>
        <source>satellite order changed</source>
        <translation>ترتیب ماهواره‌ها تغییر کرد</translation>
    </message>
    <message>
        <source>1 transponder added</source>
        <translation>۱ ترنسپاندر افزوده شد</translation>
    </message>
    <message>
        <source>%1 transponders added</source>
        <translation>%1 ترنسپاندر افزوده شد</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>۱ ترنسپاندر برداشته شد</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>%1 ترنسپاندر برداشته شد</translation>
    </message>
    <message>
        <source>1 transponder changed</source>
        <translation>۱ ترنسپاندر تغییر کرد</translation>
    </message>
    <message>
        <source>%1 transponders changed</source>
        <translation>%1 ترنسپاندر تغییر کرد</translation>
    </message>
    <message>
        <source>Added channel %1</source>
        <translation>کانال افزوده‌شده %1</translation>
    </message>
    <message>
        <source>Removed channel %1</source>
        <translation>کانال برداشته‌شده %1</translation>
    </message>
    <message>
        <source>Renamed channel %1 to &quot;%2&quot;</source>
        <translation>نام کانال %1 به «%2» تغییر کرد</translation>
    </message>
    <message>
        <source>Moved channel %1 to %2</source>
        <translation>کانال %1 به %2 جابه‌جا شد</translation>
    </message>
    <message>
        <source>PIDs of channel %1: %2</source>
        <translation>PIDهای کانال %1: %2</translation>
    </message>
    <message>
        <source>Changed channel %1: %2</source>
        <translation>کانال تغییریافته %1: %2</translation>
    </message>
    <message>
        <source>Favourite group %1: %2</source>
        <translation>گروه محبوب %1: %2</translation>
    </message>
    <message>
        <source>Added satellite %1</source>
        <translation>ماهوارهٔ افزوده‌شده %1</translation>
    </message>
    <message>
        <source>Removed satellite %1</source>
        <translation>ماهوارهٔ برداشته‌شده %1</translation>
    </message>
    <message>
        <source>Changed satellite %1: %2</source>
        <translation>ماهوارهٔ تغییریافته %1: %2</translation>
    </message>
    <message>
        <source>The satellite order changed</source>
        <translation>ترتیب ماهواره‌ها تغییر کرد</translation>
    </message>
    <message>
        <source>Added transponder %1</source>
        <translation>ترنسپاندر افزوده‌شده %1</translation>
    </message>
    <message>
        <source>Removed transponder %1</source>
        <translation>ترنسپاندر برداشته‌شده %1</translation>
    </message>
    <message>
        <source>Changed transponder %1: %2</source>
        <translation>ترنسپاندر تغییریافته %1: %2</translation>
    </message>
    <message>
        <source>video type %1 -&gt; %2</source>
        <extracomment>What changed in a record: &quot;video type 1 -&gt; 2&quot;.</extracomment>
        <translation>نوع ویدئو %1 -&gt; %2</translation>
    </message>
    <message>
        <source>flags %1 -&gt; %2</source>
        <translation>پرچم‌ها %1 -&gt; %2</translation>
    </message>
    <message>
        <source>ttxt %1 -&gt; %2</source>
        <extracomment>A teletext PID changed.</extracomment>
        <translation>تله‌تکست %1 -&gt; %2</translation>
    </message>
    <message>
        <source>other bytes</source>
        <translation>بایت‌های دیگر</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>نام «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>location %1 -&gt; %2</source>
        <translation>موقعیت %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB frequency %1 -&gt; %2</source>
        <translation>فرکانس LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB type %1 -&gt; %2</source>
        <translation>نوع LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>LNB power %1 -&gt; %2</source>
        <translation>تغذیهٔ LNB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>DiSEqC port %1 -&gt; %2</source>
        <translation>درگاه DiSEqC %1 -&gt; %2</translation>
    </message>
    <message>
        <source>dish position %1 -&gt; %2</source>
        <translation>موقعیت دیش %1 -&gt; %2</translation>
    </message>
    <message>
        <source>symbol rate %1 -&gt; %2</source>
        <translation>نرخ سمبل %1 -&gt; %2</translation>
    </message>
    <message>
        <source>TV name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>نام تلویزیون «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>radio name &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>نام رادیو «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>order changed</source>
        <extracomment>The places of a favourite group&apos;s members changed.</extracomment>
        <translation>ترتیب تغییر کرد</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>کانال‌ها</translation>
    </message>
    <message>
        <source>Favourite group %1: %2 / %3</source>
        <translation>گروه محبوب %1: %2 / %3</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (ادامه)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>صفحهٔ %1 از %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 channels (%4 TV, %5 radio), %6 transponders, %7 satellites, %8 favourite groups</source>
        <translation>%1، %2: %3 کانال (%4 تلویزیون، %5 رادیو)، %6 ترنسپاندر، %7 ماهواره، %8 گروه محبوب</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>A column of the printed list: the channel&apos;s name.</extracomment>
        <translation>کانال</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>A column of the printed list: the frequency (MHz), abbreviated.</extracomment>
        <translation>فرکانس</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>A column of the printed list: the polarisation, abbreviated.</extracomment>
        <translation>قطبش</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>شناسهٔ سرویس</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>A column of the printed list: TV or radio.</extracomment>
        <translation>نوع</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>A column of the printed list: the channel&apos;s place in its favourite group.</extracomment>
        <translation>جایگاه</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>رادیو</translation>
    </message>
    <message>
        <source>line %1, column %2: not UTF-8 text (byte 0x%3); save the file as UTF-8</source>
        <translation>سطر %1، ستون %2: متن UTF-8 نیست (بایت 0x%3)؛ پرونده را با UTF-8 ذخیره کنید</translation>
    </message>
    <message>
        <source>line 1: no header row</source>
        <translation>سطر 1: سطر سرستون‌ها نیست</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>سطر %1: فیلدی داخل گیومه بسته نشده است</translation>
    </message>
    <message>
        <source>line 1: no &quot;%1&quot; column; a row finds its channel by satellite, frequency, polarisation and serviceId</source>
        <extracomment>%1: a column&apos;s name (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>سطر 1: ستون «%1» نیست؛ هر سطر کانالش را با satellite، frequency، polarisation و serviceId پیدا می‌کند</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <extracomment>%2: a column&apos;s name, %3: what is wrong with its value.</extracomment>
        <translation>سطر %1، %2: %3</translation>
    </message>
    <message>
        <source>expected a satellite number %1..%2</source>
        <translation>شمارهٔ ماهواره‌ای در %1..%2 انتظار می‌رفت</translation>
    </message>
    <message>
        <source>expected a channel number %1..%2</source>
        <translation>شمارهٔ کانالی در %1..%2 انتظار می‌رفت</translation>
    </message>
    <message>
        <source>expected an integer %1..%2</source>
        <translation>عدد صحیحی در %1..%2 انتظار می‌رفت</translation>
    </message>
    <message>
        <source>expected V(R) or H(L)</source>
        <translation>V(R) یا H(L) انتظار می‌رفت</translation>
    </message>
    <message>
        <source>line %1: no channel has %2; the channel data changed since the table was made, or the row was edited there</source>
        <translation>سطر %1: هیچ کانالی %2 ندارد؛ داده‌های کانال از زمان ساخت جدول تغییر کرده یا سطر در آن ویرایش شده است</translation>
    </message>
    <message>
        <source>line %1: channels %2 all have %3; the number column must name one of them</source>
        <translation>سطر %1: کانال‌های %2 همه %3 دارند؛ ستون number باید یکی از آن‌ها را نام ببرد</translation>
    </message>
    <message>
        <source>satellite %1, %2 MHz %3, service id %4</source>
        <extracomment>Where a channel is: &quot;satellite 1, 11494 MHz H(L), service id 28006&quot;.</extracomment>
        <translation>ماهوارهٔ %1، %2 MHz %3، شناسهٔ سرویس %4</translation>
    </message>
    <message>
        <source>line %1: channel %2 given twice (line %3)</source>
        <translation>سطر %1: کانال %2 دو بار آمده است (سطر %3)</translation>
    </message>
    <message>
        <source>the name holds a character the file cannot store (only Latin-1, no NUL)</source>
        <translation>نام نویسه‌ای دارد که پرونده نمی‌تواند نگه دارد (فقط Latin-1، بدون NUL)</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>نام بلندتر از %1 نویسه است</translation>
    </message>
    <message>
        <source>an unterminated name fills all %1 bytes of its field and has no tail</source>
        <translation>نام بی‌پایان همهٔ %1 بایت فیلدش را پر می‌کند و دنباله ندارد</translation>
    </message>
    <message>
        <source>the name and its tail do not fit the %1-byte field</source>
        <translation>نام و دنباله‌اش در فیلد %1 بایتی جا نمی‌شوند</translation>
    </message>
    <message>
        <source>$: not valid JSON at byte %1 (line %2): %3</source>
        <extracomment>%3: what Qt says is wrong with the JSON (Qt&apos;s own translation).</extracomment>
        <translation>$: JSON معتبر نیست در بایت %1 (سطر %2): %3</translation>
    </message>
    <message>
        <source>$: expected an object</source>
        <translation>$: یک شیء انتظار می‌رفت</translation>
    </message>
    <message>
        <source>$%1: %2</source>
        <extracomment>$%1: a place in the JSON (&quot;$.channels[3].name&quot;), %2: what is wrong there.</extracomment>
        <translation>$%1: %2</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <extracomment>A refusal and the line of the JSON file where its record begins.</extracomment>
        <translation>%1 (سطر %2)</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>یک شیء انتظار می‌رفت</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>یک آرایه انتظار می‌رفت</translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>A value the JSON must have and does not.</extracomment>
        <translation>وجود ندارد</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>یک رشته انتظار می‌رفت</translation>
    </message>
    <message>
        <source>expected a string of hex digits</source>
        <translation>رشته‌ای از رقم‌های مبنای شانزده انتظار می‌رفت</translation>
    </message>
    <message>
        <source>expected hex digits</source>
        <translation>رقم‌های مبنای شانزده انتظار می‌رفت</translation>
    </message>
    <message>
        <source>expected an even number of hex digits</source>
        <translation>تعداد زوجی رقم مبنای شانزده انتظار می‌رفت</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>%1 بایت انتظار می‌رفت</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>true یا false انتظار می‌رفت</translation>
    </message>
    <message>
        <source>a kind-1 prefix holds at most 272 bytes</source>
        <translation>پیشوند نوع 1 حداکثر 272 بایت جا دارد</translation>
    </message>
    <message>
        <source>this data cannot be written back whole: %1</source>
        <translation>این داده‌ها را نمی‌توان کامل بازنویسی کرد: %1</translation>
    </message>
    <message>
        <source>more entries than the header&apos;s satelliteCount (%1)</source>
        <extracomment>satelliteCount: the key of the JSON&apos;s header, as the file has it.</extracomment>
        <translation>مدخل‌هایی بیش از satelliteCount سرآیند (%1)</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>دو بار آمده است</translation>
    </message>
    <message>
        <source>more than %1 members</source>
        <translation>بیش از %1 عضو</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not on satellite %5</source>
        <extracomment>A channel&apos;s transponder is not where the channel says: %3 its polarisation (V(R) or H(L)).</extracomment>
        <translation>ترنسپاندر %1، %2 MHz %3 روی ماهوارهٔ %4 است، نه روی ماهوارهٔ %5</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5 MHz</source>
        <translation>ترنسپاندر %1، %2 MHz %3 روی ماهوارهٔ %4 است، نه %5 MHz</translation>
    </message>
    <message>
        <source>transponder %1 is %2 MHz %3 on satellite %4, not %5</source>
        <extracomment>%5: the polarisation the channel gives, as the file has it.</extracomment>
        <translation>ترنسپاندر %1، %2 MHz %3 روی ماهوارهٔ %4 است، نه %5</translation>
    </message>
    <message>
        <source>Checking %1: %2 (--port chooses another).</source>
        <translation>در حال بررسی %1: %2 (--port درگاه دیگری برمی‌گزیند).</translation>
    </message>
    <message>
        <source>no serial port found: plug in the adapter, or name the port with --port.</source>
        <translation>هیچ درگاه سریالی یافت نشد: مبدل را وصل کنید یا درگاه را با --port نام ببرید.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>باز کردن پرونده ناموفق بود!</translation>
    </message>
    <message>
        <source>Not enough memory for the backup data</source>
        <translation>حافظهٔ کافی برای دادهٔ پشتیبان نیست</translation>
    </message>
    <message>
        <source>Backup data is corrupted (decompression failed)</source>
        <translation>دادهٔ پشتیبان خراب است (باز کردن فشرده‌سازی ناموفق بود)</translation>
    </message>
    <message>
        <source>Backup data is truncated</source>
        <translation>دادهٔ پشتیبان ناقص است</translation>
    </message>
    <message>
        <source>Invalid Backup Data</source>
        <translation>دادهٔ پشتیبان نامعتبر</translation>
    </message>
    <message>
        <source>%1 are %2 bytes, not %3</source>
        <extracomment>A part of a file&apos;s layout that is not the receiver&apos;s: &quot;channel records are 40 bytes, not 44&quot;.</extracomment>
        <translation>%1 %2 بایت است، نه %3</translation>
    </message>
    <message>
        <source>the file declares %1 %2, more than the %3 the table holds</source>
        <translation>پرونده %1 %2 اعلام می‌کند، بیش از %3 که جدول جا دارد</translation>
    </message>
    <message>
        <source>the prefix is %1 bytes, not 96</source>
        <translation>پیشوند %1 بایت است، نه 96</translation>
    </message>
    <message>
        <source>satellite records</source>
        <translation>رکوردهای ماهواره</translation>
    </message>
    <message>
        <source>transponder records</source>
        <translation>رکوردهای ترنسپاندر</translation>
    </message>
    <message>
        <source>channel records</source>
        <translation>رکوردهای کانال</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>محبوب‌ها</translation>
    </message>
    <message>
        <source>the favourite names</source>
        <translation>نام‌های محبوب</translation>
    </message>
    <message>
        <source>satellites</source>
        <extracomment>What a file declares more of than the receiver&apos;s table holds.</extracomment>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>transponders</source>
        <translation>ترنسپاندر</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>کانال</translation>
    </message>
    <message>
        <source>%1 channel record(s) name a transponder the file does not hold</source>
        <translation>%1 رکورد کانال به ترنسپاندری اشاره می‌کند که در پرونده نیست</translation>
    </message>
    <message>
        <source>the payload holds %1 byte(s) behind its sections</source>
        <translation>داده پس از بخش‌هایش %1 بایت دارد</translation>
    </message>
    <message>
        <source>%1 favourite entr(ies) name no channel of the file and were left out</source>
        <translation>%1 مدخل محبوب به هیچ کانالی از پرونده اشاره نمی‌کند و کنار گذاشته شد</translation>
    </message>
    <message>
        <source>%1 of %2 channels matched (%3 by identity, %4 by name); %5</source>
        <translation>%1 از %2 کانال تطبیق یافت (%3 با شناسه، %4 با نام)؛ %5</translation>
    </message>
    <message>
        <source>none left over</source>
        <translation>چیزی باقی نماند</translation>
    </message>
    <message>
        <source>%1 not matched go to the end from number %2</source>
        <translation>%1 کانال تطبیق‌نیافته از شمارهٔ %2 به انتها می‌روند</translation>
    </message>
    <message>
        <source>1 reference entry found no channel</source>
        <translation>۱ مدخل مرجع کانالی نیافت</translation>
    </message>
    <message>
        <source>%1 reference entries found no channel</source>
        <translation>%1 مدخل مرجع کانالی نیافتند</translation>
    </message>
    <message>
        <source>too large for a reference list (more than 16 MiB)</source>
        <translation>برای فهرست مرجع بیش از حد بزرگ است (بیش از 16 MiB)</translation>
    </message>
    <message>
        <source>line %1: neither a name nor frequency and service id</source>
        <translation>سطر %1: نه نامی دارد و نه فرکانس و شناسهٔ سرویس</translation>
    </message>
    <message>
        <source>not a text list (it holds NUL bytes)</source>
        <translation>فهرست متنی نیست (بایت‌های NUL دارد)</translation>
    </message>
    <message>
        <source>the list names no channel</source>
        <translation>فهرست هیچ کانالی را نام نمی‌برد</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (channel %2) has the transponder and service id of &quot;%3&quot; (channel %4).</source>
        <extracomment>Two channels the file cannot tell apart (a favourite of either comes back as the first).</extracomment>
        <translation>«%1» (کانال %2) ترنسپاندر و شناسهٔ سرویس «%3» (کانال %4) را دارد.</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel</source>
        <translation>اعمال شد: %1 از %2 سطر کانالی را تغییر داد</translation>
    </message>
    <message>
        <source>Applied: %1 of %2 rows changed a channel (%3)</source>
        <extracomment>%3: the columns that changed and how often (&quot;name 2, videoPid 1&quot;).</extracomment>
        <translation>اعمال شد: %1 از %2 سطر کانالی را تغییر داد (%3)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not a column of the table)</source>
        <extracomment>%1: a column&apos;s name as the table has it.</extracomment>
        <translation>ستون نادیده‌گرفته: %1 (ستونی از جدول نیست)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (they find the channel; not changed)</source>
        <extracomment>%1: the columns that identify a channel (satellite, frequency, polarisation, serviceId).</extracomment>
        <translation>ستون نادیده‌گرفته: %1 (کانال را با آن‌ها می‌یابند؛ تغییر نمی‌کنند)</translation>
    </message>
    <message>
        <source>Ignored column: number (a hint where the channel stands; not changed)</source>
        <translation>ستون نادیده‌گرفته: number (نشانی از جای کانال؛ تغییر نمی‌کند)</translation>
    </message>
    <message>
        <source>Ignored column: %1 (not imported)</source>
        <extracomment>%1: columns shown for reading only (transponder, cas, kind).</extracomment>
        <translation>ستون نادیده‌گرفته: %1 (وارد نمی‌شود)</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>نادیده گرفته شد: %1</translation>
    </message>
    <message>
        <source>row order: line %1 (channel %2) stands after channel %3; the channels keep their numbers (Move in the editor changes the order)</source>
        <translation>ترتیب سطرها: سطر %1 (کانال %2) پس از کانال %3 آمده است؛ کانال‌ها شماره‌هایشان را نگه می‌دارند («جابه‌جایی» در ویرایشگر ترتیب را تغییر می‌دهد)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>یادداشت: %1</translation>
    </message>
    <message>
        <source>Note: %1 more</source>
        <translation>یادداشت: %1 مورد دیگر</translation>
    </message>
    <message>
        <source>line %1: number %2 is channel %3 now (found by its satellite, frequency, polarisation and service id)</source>
        <translation>سطر %1: شمارهٔ %2 اکنون کانال %3 است (با ماهواره، فرکانس، قطبش و شناسهٔ سرویسش یافت شد)</translation>
    </message>
    <message>
        <source>line %1, %2: &quot;%3&quot; differs from the channel&apos;s &quot;%4&quot;: not imported</source>
        <extracomment>%2: a column&apos;s name.</extracomment>
        <translation>سطر %1، %2: «%3» با «%4» کانال فرق دارد: وارد نشد</translation>
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
        <translation>زبان در اجرای بعدی Dorvane_QX عوض می‌شود.</translation>
    </message>
</context>
<context>
    <name>dorvane::CAboutDialog</name>
    <message>
        <source>About Dorvane_QX</source>
        <translation>دربارهٔ Dorvane_QX</translation>
    </message>
    <message>
        <source>Version v1.0</source>
        <translation>نسخهٔ v1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Service tool for digital satellite receivers:
firmware download and channel data backup.</source>
        <translation>ابزار سرویس گیرنده‌های ماهواره‌ای دیجیتال:
بارگیری میان‌افزار و پشتیبان‌گیری از دادهٔ کانال.</translation>
    </message>
</context>
<context>
    <name>dorvane::CConnectionCheckDialog</name>
    <message>
        <source>port</source>
        <extracomment>A step of the connection check, as its line names it.</extracomment>
        <translation>درگاه</translation>
    </message>
    <message>
        <source>permission</source>
        <translation>مجوز</translation>
    </message>
    <message>
        <source>holder</source>
        <translation>گیرنده</translation>
    </message>
    <message>
        <source>line settings</source>
        <translation>تنظیمات خط</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>حلقهٔ برگشتی</translation>
    </message>
    <message>
        <source>link</source>
        <translation>پیوند</translation>
    </message>
    <message>
        <source>boot loader</source>
        <translation>بوت‌لودر</translation>
    </message>
    <message>
        <source>line</source>
        <translation>خط</translation>
    </message>
    <message>
        <source>check</source>
        <translation>بررسی</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>How a step of the connection check went: [ok], [problem], [skipped].</extracomment>
        <translation>درست</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>مشکل</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>رد شد</translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation>بررسی اتصال</translation>
    </message>
    <message>
        <source>Steps of the check</source>
        <translation>گام‌های بررسی</translation>
    </message>
    <message>
        <source>&amp;Switch the STB off and on during the check</source>
        <translation>خاموش و روشن کردن STB هنگام بررسی (&amp;S)</translation>
    </message>
    <message>
        <source>When the STB does not answer, wait up to 30 s for its boot loader</source>
        <translation>اگر STB پاسخ ندهد، تا 30 ث منتظر بوت‌لودر آن بمان</translation>
    </message>
    <message>
        <source>A &amp;loop-back plug is fitted instead of the STB (TX joined to RX)</source>
        <translation>یک دوشاخهٔ حلقهٔ برگشتی به‌جای STB وصل است (TX به RX وصل) (&amp;L)</translation>
    </message>
    <message>
        <source>Send a pattern and count what comes back</source>
        <translation>یک الگو بفرست و آنچه برمی‌گردد را بشمار</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>دوباره بررسی کن (&amp;A)</translation>
    </message>
    <message>
        <source>A loop-back plug is fitted</source>
        <extracomment>Quoted in the check&apos;s texts: the check box that tests with a loop-back plug.</extracomment>
        <translation>دوشاخهٔ حلقهٔ برگشتی وصل است</translation>
    </message>
    <message>
        <source>Switch the STB off and on during the check</source>
        <translation>خاموش و روشن کردن STB هنگام بررسی</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditChannelDialog</name>
    <message>
        <source>Edit Channel</source>
        <translation>ویرایش کانال</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>ترنسپاندر</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>شناسهٔ سرویس</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID تصویر</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID صدا</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID ‏PCR</translation>
    </message>
    <message>
        <source>Teletext PID</source>
        <translation>PID تله‌تکست</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>%1 must be 0 to 65535.</source>
        <translation>%1 باید از 0 تا 65535 باشد.</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>نگهش دار</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>عوضش کن</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditSatelliteDialog</name>
    <message>
        <source>Edit Satellite</source>
        <translation>ویرایش ماهواره</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>موقعیت</translation>
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
        <translation>فرکانس</translation>
    </message>
    <message>
        <source>LNB freq Low</source>
        <translation>فرکانس پایین LNB</translation>
    </message>
    <message>
        <source>LNB freq High</source>
        <translation>فرکانس بالای LNB</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>برق LNB</translation>
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
        <translation>درگاه DiSEqC</translation>
    </message>
    <message>
        <source>Dish Position</source>
        <translation>موقعیت دیش</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>لغو</translation>
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
        <translation>یونیورسال</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>تک</translation>
    </message>
    <message>
        <source>On</source>
        <translation>روشن</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>خاموش</translation>
    </message>
    <message>
        <source>1.0(4 Switch)</source>
        <translation>1.0(۴ سوییچ)</translation>
    </message>
    <message>
        <source>1.1(16 Switch)</source>
        <translation>1.1(۱۶ سوییچ)</translation>
    </message>
    <message>
        <source>1.2(Motor)</source>
        <translation>1.2(موتور)</translation>
    </message>
    <message>
        <source>1.3(USALS)</source>
        <translation>1.3(USALS)</translation>
    </message>
    <message>
        <source>Location must be 0.0 to 180.0 degrees East or West.</source>
        <translation>موقعیت باید از 0.0 تا 180.0 درجهٔ شرقی یا غربی باشد.</translation>
    </message>
</context>
<context>
    <name>dorvane::CEditTpDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>ویرایش TP</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>فرکانس</translation>
    </message>
    <message>
        <source>Horz/Vert</source>
        <translation>افقی/عمودی</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>نرخ سمبل</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>ارسال</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>مدولاسیون</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>نگه‌داشتن</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>تغییر</translation>
    </message>
    <message>
        <source>Frequency must be 1 to 65535 MHz.</source>
        <translation>فرکانس باید از 1 تا 65535 مگاهرتز باشد.</translation>
    </message>
    <message>
        <source>Symbol Rate must be 0 to 65535.</source>
        <translation>نرخ سمبل باید از 0 تا 65535 باشد.</translation>
    </message>
</context>
<context>
    <name>dorvane::CMainDialog</name>
    <message>
        <source>Image or Binary Files (*.img *.bin);;Channel Data (*.irz);;All files (*)</source>
        <translation>پرونده‌های ایمیج یا دودویی (*.img *.bin);;دادهٔ کانال (*.irz);;همهٔ پرونده‌ها (*)</translation>
    </message>
    <message>
        <source>Channel Data (*irz)</source>
        <translation>دادهٔ کانال (*irz)</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>بارگیری اجباری</translation>
    </message>
    <message>
        <source>Download even when the STB&apos;s buyer code does not match the image</source>
        <translation>بارگیری حتی اگر کد خریدار STB با ایمیج جور نباشد</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>بارگیری</translation>
    </message>
    <message>
        <source>The current file</source>
        <translation>پروندهٔ کنونی</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>نام پرونده :</translation>
    </message>
    <message>
        <source>Elapsed :</source>
        <translation>سپری‌شده :</translation>
    </message>
    <message>
        <source>Throughput :</source>
        <translation>سرعت :</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>پیکربندی</translation>
    </message>
    <message>
        <source>Connect or disconnect the port</source>
        <translation>وصل یا قطع کردن درگاه</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>بارگذاری</translation>
    </message>
    <message>
        <source>STB power: green while the STB&apos;s application answers</source>
        <translation>برق STB: تا وقتی برنامهٔ STB پاسخ می‌دهد سبز است</translation>
    </message>
    <message>
        <source>STB Power</source>
        <translation>برق STB</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>ویرایش</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>کوچک کردن</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>About Dorvane_QX</source>
        <translation>دربارهٔ Dorvane_QX</translation>
    </message>
    <message>
        <source>Downloading process is in progress, Do you want to stop the downloading?</source>
        <translation>بارگیری در جریان است، آیا می‌خواهید بارگیری را متوقف کنید؟</translation>
    </message>
    <message>
        <source>Do you want to close Dorvane_QX?</source>
        <translation>آیا می‌خواهید Dorvane_QX را ببندید؟</translation>
    </message>
    <message>
        <source>You can&apos;t disconnect Serial port on downloading...</source>
        <translation>هنگام بارگیری نمی‌توانید درگاه سریال را قطع کنید...</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 قطع شد.</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1 وصل شد.</translation>
    </message>
    <message>
        <source>You can&apos;t configure Serial port on downloading...</source>
        <translation>هنگام بارگیری نمی‌توانید درگاه سریال را پیکربندی کنید...</translation>
    </message>
    <message>
        <source>You can&apos;t open a file on downloading...</source>
        <translation>هنگام بارگیری نمی‌توانید پرونده باز کنید...</translation>
    </message>
    <message>
        <source>Transfer summary: </source>
        <translation>خلاصهٔ انتقال: </translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation>ذخیرهٔ گزارش...</translation>
    </message>
    <message>
        <source>Save trace...</source>
        <translation>ذخیرهٔ ردگیری...</translation>
    </message>
    <message>
        <source>Can&apos;t save %1: %2</source>
        <translation>ذخیرهٔ %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>Log (*.log *.txt);;All files (*)</source>
        <translation>گزارش (*.log *.txt);;همهٔ پرونده‌ها (*)</translation>
    </message>
    <message>
        <source>Trace (*.trace *.txt);;All files (*)</source>
        <translation>ردگیری (*.trace *.txt);;همهٔ پرونده‌ها (*)</translation>
    </message>
    <message>
        <source>You can&apos;t edit a file while transferring...</source>
        <translation>هنگام انتقال نمی‌توانید پرونده را ویرایش کنید...</translation>
    </message>
    <message>
        <source>download</source>
        <translation>بارگیری</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>بارگذاری</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>ویرایشگر</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>پیشرفت</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>گزارش</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>نام پرونده</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>درگاه</translation>
    </message>
    <message>
        <source>disconnected</source>
        <extracomment>The state of the port lamp, as a screen reader says it.</extracomment>
        <translation>قطع</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The state of the STB power lamp, as a screen reader says it.</extracomment>
        <translation>خاموش</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>وصل</translation>
    </message>
    <message>
        <source>on</source>
        <translation>روشن</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>ایستگاه</translation>
    </message>
    <message>
        <source>Many ports at once</source>
        <translation>چند درگاه با هم</translation>
    </message>
    <message>
        <source>Save support bundle...</source>
        <translation>ذخیرهٔ بستهٔ پشتیبانی...</translation>
    </message>
    <message>
        <source>Zip archive (*.zip);;All files (*)</source>
        <translation>بایگانی Zip (*.zip);;همهٔ پرونده‌ها (*)</translation>
    </message>
    <message>
        <source>You can&apos;t open the Station view while transferring...</source>
        <translation>هنگام انتقال نمی‌توان نمای ایستگاه را باز کرد...</translation>
    </message>
</context>
<context>
    <name>dorvane::CReceiverDataDialog</name>
    <message>
        <source>Group Name</source>
        <translation>نام گروه</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>ش.</translation>
    </message>
    <message>
        <source>Channel.</source>
        <translation>کانال.</translation>
    </message>
    <message>
        <source>Ch_id</source>
        <translation>Ch_id</translation>
    </message>
    <message>
        <source>Freq/Pol</source>
        <translation>فرکانس/قطبش</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>Rename Group</source>
        <translation>تغییر نام گروه</translation>
    </message>
    <message>
        <source>&amp;TV name:</source>
        <translation>نام تلویزیون (&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Radio name:</source>
        <translation>نام رادیو (&amp;R):</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>تاریخچه (&amp;H)...</translation>
    </message>
    <message>
        <source>The lists kept from uploads and earlier saves: compare or restore one</source>
        <translation>فهرست‌های نگه‌داشته از بارگذاری‌ها و ذخیره‌های پیشین: یکی را مقایسه یا بازیابی کنید</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>فهرست باز</translation>
    </message>
    <message>
        <source>, unsaved edits</source>
        <translation>، ویرایش‌های ذخیره‌نشده</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>ذخیره (&amp;S)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>ذخیره نکن (&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Edit Receiver Data</source>
        <translation>ویرایش دادهٔ گیرنده</translation>
    </message>
    <message>
        <source>%1 marked for moving: choose the destination, then &quot;Select Destination&quot;</source>
        <translation>%1 برای جابه‌جایی نشانه خورد: مقصد را برگزینید، سپس «انتخاب مقصد»</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>۱ کانال</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 کانال</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>ذخیره با نام</translation>
    </message>
    <message>
        <source>Channel data (*.irz)</source>
        <translation>دادهٔ کانال (*.irz)</translation>
    </message>
    <message>
        <source>Channel data JSON (*.json);;Channel table CSV (*.csv)</source>
        <translation>دادهٔ کانال JSON (*.json);;جدول کانال CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>صدور</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>نوشتن پرونده ناموفق بود!</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>ورود</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>باز کردن پرونده ناموفق بود!</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Fav TV</source>
        <translation>محبوب TV</translation>
    </message>
    <message>
        <source>Fav Radio</source>
        <translation>محبوب رادیو</translation>
    </message>
    <message>
        <source>Search channels by name, service id or PID (Ctrl+F)</source>
        <translation>جست‌وجوی کانال‌ها با نام، شناسهٔ سرویس یا PID ‏(Ctrl+F)</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>یافتن (&amp;F):</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>نمایش (&amp;V):</translation>
    </message>
    <message>
        <source>TPs:</source>
        <translation>ترنسپاندرها:</translation>
    </message>
    <message>
        <source>CHs:</source>
        <translation>کانال‌ها:</translation>
    </message>
    <message>
        <source>All Sat</source>
        <translation>همهٔ ماهواره‌ها</translation>
    </message>
    <message>
        <source>Searched Sat</source>
        <translation>ماهواره‌های جست‌وجوشده</translation>
    </message>
    <message>
        <source>All</source>
        <translation>همه</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلویزیون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>رادیو</translation>
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
        <translation>مرتب‌سازی بر پایهٔ:</translation>
    </message>
    <message>
        <source>Channel No</source>
        <translation>شمارهٔ کانال</translation>
    </message>
    <message>
        <source>Sat/Tp</source>
        <translation>ماهواره/TP</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Listed channels:</source>
        <translation>کانال‌های فهرست‌شده:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>افزودن (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>حذف (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>جابه‌جایی (&amp;M)</translation>
    </message>
    <message>
        <source>Select Desti&amp;nation</source>
        <translation>انتخاب مقصد (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel Move</source>
        <translation>لغو جابه‌جایی (&amp;C)</translation>
    </message>
    <message>
        <source>Sav&amp;e As...</source>
        <translation>ذخیره به‌نام (&amp;E)...</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>خروج (&amp;T)</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>صدور (&amp;X)...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>ورود (&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>واگرد (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ازنو (&amp;R)</translation>
    </message>
    <message>
        <source>Rename &amp;Group...</source>
        <translation>تغییر نام گروه (&amp;G)...</translation>
    </message>
    <message>
        <source>Undo the last edit (Ctrl+Z)</source>
        <translation>واگرد آخرین ویرایش (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo the edit undone last (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>انجام دوبارهٔ آخرین ویرایشِ واگردشده (Ctrl+Shift+Z، Ctrl+Y)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>ویرایش (&amp;E)...</translation>
    </message>
    <message>
        <source>In group</source>
        <translation>در گروه</translation>
    </message>
    <message>
        <source>Satellites or groups</source>
        <translation>ماهواره‌ها یا گروه‌ها</translation>
    </message>
    <message>
        <source>Transponders or group members</source>
        <translation>ترنسپاندرها یا اعضای گروه</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>کانال‌ها</translation>
    </message>
    <message>
        <source>Receiver data</source>
        <translation>دادهٔ گیرنده</translation>
    </message>
</context>
<context>
    <name>dorvane::CReferencePreviewDialog</name>
    <message>
        <source>Apply order from %1</source>
        <translation>اعمال ترتیب از %1</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>شمارهٔ تازه</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>کانال</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>اکنون</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>یافته</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>مدخل</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>شناسه</translation>
    </message>
    <message>
        <source>Take the &amp;favourite groups and their names along</source>
        <translation>گروه‌های محبوب و نامشان را هم ببر (&amp;F)</translation>
    </message>
    <message>
        <source>A text list has no favourite groups</source>
        <translation>فهرست متنی گروه محبوب ندارد</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>اعمال (&amp;A)</translation>
    </message>
    <message>
        <source>Reference entries that found no channel: %1</source>
        <translation>مدخل‌های مرجعی که کانالی نیافتند: %1</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>بر پایهٔ نام</translation>
    </message>
    <message>
        <source>by identity</source>
        <translation>بر پایهٔ شناسه</translation>
    </message>
    <message>
        <source>not matched: to the end</source>
        <translation>جور نشد: به انتها</translation>
    </message>
</context>
<context>
    <name>dorvane::CSerialConfigDialog</name>
    <message>
        <source>Made by %1</source>
        <translation>ساخت %1</translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation>USB ‏%1</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>شمارهٔ سریال %1</translation>
    </message>
    <message>
        <source>In use by another program</source>
        <translation>در دست برنامهٔ دیگری</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>در دست %1</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>آزاد</translation>
    </message>
    <message>
        <source>Serial Port Configuration</source>
        <translation>پیکربندی درگاه سریال</translation>
    </message>
    <message>
        <source>Serial Port :</source>
        <translation>درگاه سریال :</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path</source>
        <translation>یک درگاه برگزینید یا مسیر دستگاهش را بنویسید</translation>
    </message>
    <message>
        <source>%1  (current)</source>
        <translation>%1  (کنونی)</translation>
    </message>
    <message>
        <source>No serial port found: plug in the adapter.</source>
        <translation>هیچ درگاه سریالی پیدا نشد: مبدل را وصل کنید.</translation>
    </message>
    <message>
        <source>%1
Not listed by the system</source>
        <translation>%1
در فهرست سامانه نیست</translation>
    </message>
    <message>
        <source>&amp;Language :</source>
        <translation>زبان (&amp;L):</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language choice that follows the system&apos;s locale.</extracomment>
        <translation>زبان سامانه</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>زبان پنجره‌ها، از اجرای بعدی</translation>
    </message>
    <message>
        <source>Check &amp;connection</source>
        <translation>بررسی اتصال (&amp;C)</translation>
    </message>
    <message>
        <source>Check the chosen port, its adapter and the STB step by step</source>
        <translation>درگاه برگزیده، مبدل آن و STB را گام به گام بررسی کن</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelListPrint</name>
    <message>
        <source>Channel list of %1</source>
        <translation>فهرست کانال‌های %1</translation>
    </message>
</context>
<context>
    <name>dorvane::ChannelOrderActions</name>
    <message>
        <source>Sort the selected channels by &amp;name and keep it as the order</source>
        <translation>کانال‌های برگزیده را بر پایهٔ نام مرتب و آن را به‌عنوان ترتیب نگه دار (&amp;N)</translation>
    </message>
    <message>
        <source>Sort the selected channels by &amp;satellite and frequency and keep it as the order</source>
        <translation>کانال‌های برگزیده را بر پایهٔ ماهواره و فرکانس مرتب و آن را به‌عنوان ترتیب نگه دار (&amp;S)</translation>
    </message>
    <message>
        <source>Sort the selected channels by service &amp;id and keep it as the order</source>
        <translation>کانال‌های برگزیده را بر پایهٔ شناسهٔ سرویس مرتب و آن را به‌عنوان ترتیب نگه دار (&amp;I)</translation>
    </message>
    <message>
        <source>Move to &amp;number...</source>
        <translation>جابه‌جایی به شماره (&amp;N)...</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>جابه‌جایی دوتایی (&amp;W)</translation>
    </message>
    <message>
        <source>Apply &amp;order from...</source>
        <translation>اعمال ترتیب از (&amp;O)...</translation>
    </message>
    <message>
        <source>New No.</source>
        <translation>شمارهٔ تازه</translation>
    </message>
    <message>
        <source>New No.: a channel number 0..%1</source>
        <translation>شمارهٔ تازه: شمارهٔ کانال 0..%1</translation>
    </message>
    <message>
        <source>Move to number</source>
        <translation>جابه‌جایی به شماره</translation>
    </message>
    <message>
        <source>The %1 chosen channels from &amp;number:</source>
        <translation>%1 کانال برگزیده از شمارهٔ (&amp;N):</translation>
    </message>
    <message>
        <source>Apply order from</source>
        <translation>اعمال ترتیب از</translation>
    </message>
    <message>
        <source>Channel data or lists (*.irz *.txt *.csv);;Channel data (*irz);;All files (*)</source>
        <translation>دادهٔ کانال یا فهرست‌ها (*.irz *.txt *.csv);;دادهٔ کانال (*irz);;همهٔ پرونده‌ها (*)</translation>
    </message>
</context>
<context>
    <name>dorvane::CopyCleanTools</name>
    <message>
        <source>&amp;Open Second File...</source>
        <translation>باز کردن پروندهٔ دوم (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>رونوشت ردیف‌ها (&amp;C)</translation>
    </message>
    <message>
        <source>Show D&amp;uplicates Only</source>
        <translation>فقط تکراری‌ها را نشان بده (&amp;U)</translation>
    </message>
    <message>
        <source>Select &amp;All Duplicates</source>
        <translation>گزینش همهٔ تکراری‌ها (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove Unused Transponders...</source>
        <translation>حذف ترنسپاندرهای بی‌استفاده (&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>چاپ (&amp;P)...</translation>
    </message>
    <message>
        <source>Export to P&amp;DF...</source>
        <translation>صدور به PDF (&amp;D)...</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>ابزارها (&amp;O)</translation>
    </message>
    <message>
        <source>Copy from Second &amp;File</source>
        <translation>رونوشت از پروندهٔ دوم (&amp;F)</translation>
    </message>
    <message>
        <source>Open Second File</source>
        <translation>باز کردن پروندهٔ دوم</translation>
    </message>
    <message>
        <source>Channel data (*.irz);;All files (*)</source>
        <translation>دادهٔ کانال (*.irz);;همهٔ پرونده‌ها (*)</translation>
    </message>
    <message>
        <source>Choose satellites, transponders, channels or groups of the second file</source>
        <translation>ماهواره‌ها، ترنسپاندرها، کانال‌ها یا گروه‌های پروندهٔ دوم را برگزینید</translation>
    </message>
    <message>
        <source>No duplicates</source>
        <translation>تکراری نیست</translation>
    </message>
    <message>
        <source>%1 duplicates chosen</source>
        <translation>%1 تکراری برگزیده شد</translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>۱ ترنسپاندر حذف شد</translation>
    </message>
    <message>
        <source>%1 transponders removed</source>
        <translation>%1 ترنسپاندر حذف شد</translation>
    </message>
    <message>
        <source>No rows chosen to copy</source>
        <translation>هیچ ردیفی برای رونوشت برگزیده نشده</translation>
    </message>
    <message>
        <source>1 row copied to the clipboard</source>
        <translation>۱ ردیف در بریده‌دان رونوشت شد</translation>
    </message>
    <message>
        <source>%1 rows copied to the clipboard</source>
        <translation>%1 ردیف در بریده‌دان رونوشت شد</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>پیش‌نمایش چاپ</translation>
    </message>
    <message>
        <source>This build cannot print: use &quot;Export to PDF...&quot; and print the PDF.</source>
        <translation>این نسخه نمی‌تواند چاپ کند: «صدور به PDF...» را به کار ببرید و PDF را چاپ کنید.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>صدور به PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF ‏(*.pdf)</translation>
    </message>
    <message>
        <source>File write failed!</source>
        <translation>نوشتن پرونده ناموفق بود!</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>%1 صفحه در %2 نوشته شد</translation>
    </message>
</context>
<context>
    <name>dorvane::CopySourcePanel</name>
    <message>
        <source>Second file (read-only)</source>
        <translation>پروندهٔ دوم (فقط‌خواندنی)</translation>
    </message>
    <message>
        <source>&lt;&lt; Co&amp;py into this file</source>
        <translation>&lt;&lt; رونوشت در این پرونده (&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>بستن (&amp;L)</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 کانال</translation>
    </message>
    <message>
        <source>SID %1</source>
        <translation>SID ‏%1</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>گروه‌های محبوب</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 channels</source>
        <translation>%1: %2 ماهواره، %3 کانال</translation>
    </message>
    <message>
        <source>Copies the chosen satellites, transponders, channels and favourite groups (or drag them onto the lists)</source>
        <translation>ماهواره‌ها، ترنسپاندرها، کانال‌ها و گروه‌های محبوب برگزیده را رونوشت می‌کند (یا آن‌ها را روی فهرست‌ها بکشید)</translation>
    </message>
</context>
<context>
    <name>dorvane::DialogPrompts</name>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>ذخیره با نام</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>تاریخچه</translation>
    </message>
    <message>
        <source>No lists are kept yet.</source>
        <translation>هنوز فهرستی نگه داشته نشده.</translation>
    </message>
    <message>
        <source>Select two lists, or one to compare with the open list.</source>
        <translation>دو فهرست برگزینید، یا یکی برای مقایسه با فهرست باز.</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>نگه‌داشته در %1</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>مقایسه (&amp;C)</translation>
    </message>
    <message>
        <source>Compare with &amp;open list</source>
        <translation>مقایسه با فهرست باز (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>بازیابی (&amp;R)</translation>
    </message>
    <message>
        <source>Open the selected list in the editor; the present one is kept first</source>
        <translation>فهرست برگزیده را در ویرایشگر باز کن؛ فهرست کنونی نخست نگه داشته می‌شود</translation>
    </message>
    <message>
        <source>Can&apos;t compare: %1</source>
        <translation>مقایسه ممکن نیست: %1</translation>
    </message>
</context>
<context>
    <name>dorvane::HistoryListModel</name>
    <message>
        <source>Boot %1, App %2</source>
        <extracomment>The STB&apos;s versions a kept list came with: its boot loader&apos;s and its application&apos;s.</extracomment>
        <translation>بوت %1، برنامه %2</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <extracomment>A comparison of two kept lists: from the older to the newer.</extracomment>
        <translation>از %1 تا %2</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>The columns of the kept lists: when a list was kept, where it came from, ...</extracomment>
        <translation>نگه‌داشته</translation>
    </message>
    <message>
        <source>From</source>
        <translation>منبع</translation>
    </message>
    <message>
        <source>File</source>
        <translation>پرونده</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>کانال‌ها</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>ماهواره‌ها</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>ترنسپاندرها</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>محبوب‌ها</translation>
    </message>
    <message>
        <source>STB versions</source>
        <translation>نسخه‌های STB</translation>
    </message>
    <message>
        <source>Received from the STB</source>
        <extracomment>Where a kept list came from.</extracomment>
        <translation>دریافت‌شده از STB</translation>
    </message>
    <message>
        <source>Replaced by a save</source>
        <translation>با ذخیره جایگزین شد</translation>
    </message>
    <message>
        <source>Open before a restore</source>
        <translation>باز پیش از بازگردانی</translation>
    </message>
</context>
<context>
    <name>dorvane::IntegerEdit</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>لطفاً یک عدد صحیح وارد کنید.</translation>
    </message>
</context>
<context>
    <name>dorvane::ListColumns</name>
    <message>
        <source>Channel</source>
        <translation>کانال</translation>
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
        <translation>فرکانس/قطبش</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>موقعیت</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>ترنسپاندرها</translation>
    </message>
    <message>
        <source>CHs</source>
        <translation>کانال‌ها</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>فرکانس</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>قطبش</translation>
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
        <translation>ارسال</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>مدولاسیون</translation>
    </message>
</context>
<context>
    <name>dorvane::PortTile</name>
    <message>
        <source>Opening</source>
        <translation>در حال باز کردن</translation>
    </message>
    <message>
        <source>Waiting for the STB</source>
        <translation>در انتظار STB</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>در حال انتقال</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>در حال نوشتن</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>در حال وارسی</translation>
    </message>
    <message>
        <source>Switch the STB off</source>
        <translation>STB را خاموش کنید</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>Port unusable</source>
        <translation>درگاه بی‌استفاده</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>The result of the last STB of a port in the Station view.</extracomment>
        <translation>درست</translation>
    </message>
    <message>
        <source>verify failed</source>
        <translation>وارسی ناموفق</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>تأییدنشده</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>شروع‌نشده</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>موفق</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>لغو شد</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>مهلت تمام شد</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>رد شد</translation>
    </message>
    <message>
        <source>port error</source>
        <translation>خطای درگاه</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>ناموفق</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>پیشرفت %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>شروع</translation>
    </message>
    <message>
        <source>%p % (%1:%2 left)</source>
        <translation>%p % (%1:%2 مانده)</translation>
    </message>
    <message>
        <source>No STB done yet</source>
        <translation>هنوز هیچ STB تمام نشده</translation>
    </message>
    <message>
        <source>Last: %1 (%2 of %3 ok)</source>
        <translation>آخرین: %1 (%2 از %3 درست)</translation>
    </message>
    <message>
        <source>Boot loader %1, application %2</source>
        <translation>بوت‌لودر %1، برنامه %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>توقف</translation>
    </message>
</context>
<context>
    <name>dorvane::StationWindow</name>
    <message>
        <source>Station</source>
        <translation>ایستگاه</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>درگاه‌ها</translation>
    </message>
    <message>
        <source>Start all</source>
        <translation>شروع همه</translation>
    </message>
    <message>
        <source>Stop all</source>
        <translation>توقف همه</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>مرور...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>پرونده:</translation>
    </message>
    <message>
        <source>no report</source>
        <translation>بدون گزارش</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>پروندهٔ گزارش:</translation>
    </message>
    <message>
        <source>Next STB after each</source>
        <translation>STB بعدی پس از هر کدام</translation>
    </message>
    <message>
        <source>Verify channel data</source>
        <translation>وارسی داده‌های کانال</translation>
    </message>
    <message>
        <source>Forced download</source>
        <translation>بارگیری اجباری</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>درگاه برای افزودن</translation>
    </message>
    <message>
        <source>Add port</source>
        <translation>افزودن درگاه</translation>
    </message>
    <message>
        <source>Add USB adapters</source>
        <translation>افزودن مبدل‌های USB</translation>
    </message>
    <message>
        <source>File for every STB</source>
        <translation>پرونده برای هر STB</translation>
    </message>
    <message>
        <source>Report file</source>
        <translation>پروندهٔ گزارش</translation>
    </message>
    <message>
        <source>Choose the file every STB gets.</source>
        <translation>پرونده‌ای را که هر STB می‌گیرد برگزینید.</translation>
    </message>
    <message>
        <source>Verify is for channel data: this file is not.</source>
        <translation>وارسی برای داده‌های کانال است: این پرونده نیست.</translation>
    </message>
    <message>
        <source>Done: 0   Failed: 0   STBs per hour: 0</source>
        <translation>انجام‌شده: 0   ناموفق: 0   STB در ساعت: 0</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   STBs per hour: %3</source>
        <translation>انجام‌شده: %1   ناموفق: %2   STB در ساعت: %3</translation>
    </message>
    <message>
        <source>   Report: %1</source>
        <translation>   گزارش: %1</translation>
    </message>
    <message>
        <source>An STB is writing its memory. Close anyway and leave it mid-write?</source>
        <translation>یک STB در حال نوشتن حافظهٔ خود است. با این حال بسته شود و در میانهٔ نوشتن رها شود؟</translation>
    </message>
</context>
<context>
    <name>dorvane::reference_preview_dialog</name>
    <message>
        <source>sat %1</source>
        <translation>ماهواره %1</translation>
    </message>
    <message>
        <source>sid %1</source>
        <translation>sid %1</translation>
    </message>
</context>
</TS>
