<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>BatchBuild</name>
    <message>
        <source>The project names no page; choose one with Build As in Wendle&apos;s window, then save the project.</source>
        <translation>لا يحدد المشروع أي صفحة؛ اختر صفحة بالأمر «إنشاء باسم…» في نافذة Wendle، ثم احفظ المشروع.</translation>
    </message>
    <message>
        <source>The project writes its page outside the project&apos;s folder, %1; build it there with --allow-outside.</source>
        <translation>يكتب المشروع صفحته خارج مجلد المشروع، %1؛ أنشئها هناك باستخدام --allow-outside.</translation>
    </message>
    <message>
        <source>No template has been chosen. Name one with --template FILE, or choose one in Wendle&apos;s window.</source>
        <translation>لم يُختر أي قالب. حدِّد قالبًا باستخدام --template FILE، أو اختر قالبًا في نافذة Wendle.</translation>
    </message>
    <message>
        <source>built %1</source>
        <extracomment>A line of --verbose output; %1 is the page written.</extracomment>
        <translation>أُنشئت %1</translation>
    </message>
    <message>
        <source>There is not enough memory to build the page. Nothing was written.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>لا تكفي الذاكرة لإنشاء الصفحة. لم يُكتب شيء.</translation>
    </message>
</context>
<context>
    <name>BatchWatch</name>
    <message>
        <source>It was removed; its pages are rebuilt when it is back.</source>
        <translation>أُزيل الملف؛ سيُعاد إنشاء صفحاته عند عودته.</translation>
    </message>
    <message>
        <source>Cannot serve on 127.0.0.1:%1: %2.</source>
        <extracomment>%1 is a port number, %2 the reason.</extracomment>
        <translation>تعذّر تشغيل الخادم على 127.0.0.1:%1: %2.</translation>
    </message>
    <message>
        <source>preview: %1</source>
        <extracomment>%1 is the address where the page is served.</extracomment>
        <translation>معاينة: %1</translation>
    </message>
    <message>
        <source>not served: %1 is hidden, or in a hidden folder</source>
        <translation>لا يتيحه الخادم: %1 مخفي، أو في مجلد مخفي</translation>
    </message>
    <message>
        <source>not served: %1 is outside %2</source>
        <extracomment>%1 is the page, %2 the folder that is served.</extracomment>
        <translation>لا يتيحه الخادم: %1 خارج %2</translation>
    </message>
</context>
<context>
    <name>CWendleApp</name>
    <message>
        <source>the window needs a display, and none was found (in an SSH session, a container or a
terminal without a desktop). Pages can be built without one: wendle --build PROJECT...</source>
        <translation>تحتاج النافذة إلى بيئة عرض رسومية، ولم يُعثر على أي منها (في جلسة SSH أو حاوية أو
طرفية بلا سطح مكتب). يمكن إنشاء الصفحات من دونها: wendle --build PROJECT...</translation>
    </message>
    <message>
        <source>these arguments open the window; see wendle --help</source>
        <translation>هذه الوسائط تفتح النافذة؛ راجع wendle --help</translation>
    </message>
    <message>
        <source>the typing could not be kept for the next start: %1</source>
        <translation>تعذّر الاحتفاظ بما كُتب للتشغيل التالي: %1</translation>
    </message>
    <message>
        <source>write error on standard output: %1</source>
        <translation>خطأ في الكتابة إلى المخرج القياسي: %1</translation>
    </message>
    <message>
        <source>write error on standard output</source>
        <translation>خطأ في الكتابة إلى المخرج القياسي</translation>
    </message>
</context>
<context>
    <name>CWendleDlg</name>
    <message>
        <source>There is not enough memory to finish this command.</source>
        <translation>لا تتوفر ذاكرة كافية لإتمام هذا الأمر.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>فشل الأمر: %1</translation>
    </message>
    <message>
        <source>The command failed for an unknown reason.</source>
        <translation>فشل الأمر لسبب غير معروف.</translation>
    </message>
    <message>
        <source>HTML files</source>
        <extracomment>Files shown in the page prompt.</extracomment>
        <translation>ملفات HTML</translation>
    </message>
    <message>
        <source>This project writes its page outside the project&apos;s folder, %1

Build the page there?</source>
        <extracomment>%1 is a line break and the page&apos;s path, as &quot;to
/home/a/page.html&quot;.</extracomment>
        <translation>يكتب هذا المشروع صفحته خارج مجلد المشروع، %1

هل تريد إنشاء الصفحة هناك؟</translation>
    </message>
    <message>
        <source>The page was built, but it cannot be shown: %1</source>
        <translation>أُنشئت الصفحة، لكن يتعذّر عرضها: %1</translation>
    </message>
    <message>
        <source>The page was built, but a hidden file is not shown in the browser.</source>
        <translation>أُنشئت الصفحة، لكن الملف المخفي لا يُعرض في المتصفح.</translation>
    </message>
    <message>
        <source>The page was built, but no browser could be started for %1.</source>
        <translation>أُنشئت الصفحة، لكن تعذّر تشغيل أي متصفح لعرض %1.</translation>
    </message>
    <message>
        <source>Wendle files</source>
        <extracomment>Files shown in the project prompts.</extracomment>
        <translation>ملفات Wendle</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written; choose another name with Save As.</source>
        <translation>سيحلّ المشروع %1 محلّ القالب. لم يُكتب شيء؛ اختر اسمًا آخر بالأمر «حفظ باسم…».</translation>
    </message>
    <message>
        <source>The title and text have changes that are not saved in a project or built into a page.

Save them first?</source>
        <translation>في العنوان والنص تغييرات لم تُحفظ في مشروع ولم تُنشأ في صفحة.

هل تريد حفظها أولًا؟</translation>
    </message>
    <message>
        <source>a project never saved, with no title</source>
        <translation>مشروع لم يُحفظ قط، بلا عنوان</translation>
    </message>
    <message>
        <source>a project never saved, titled &quot;%1&quot;</source>
        <translation>مشروع لم يُحفظ قط، عنوانه «%1»</translation>
    </message>
    <message>
        <source>Wendle was closed before the changes to %1 were saved (%2). Restore them?</source>
        <extracomment>%1 is the project&apos;s path or &quot;a project never saved, ...&quot;, %2 the time of the copy.</extracomment>
        <translation>أُغلق Wendle قبل حفظ التغييرات على %1 (%2). هل تريد استعادتها؟</translation>
    </message>
    <message>
        <source>

The next Build writes the page %1.</source>
        <extracomment>&quot;Build&quot; is the window&apos;s button.</extracomment>
        <translation>

سيكتب الأمر «إنشاء» التالي الصفحة %1.</translation>
    </message>
    <message>
        <source>Wendle cannot keep a recovery copy of your typing, so it would be lost if Wendle were killed.

%1</source>
        <translation>لا يستطيع Wendle الاحتفاظ بنسخة استرداد لما تكتبه، لذا سيضيع إذا أُنهي Wendle قسرًا.

%1</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read: %1</source>
        <translation>تتعذّر قراءة نسخة استرداد: %1</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be removed: %2. It will not be offered again.</source>
        <translation>تتعذّر إزالة نسخة الاسترداد %1: %2. لن تُعرض مرة أخرى.</translation>
    </message>
    <message numerus="yes">
        <source>The text of the project %1 holds a NUL byte after %n bytes; the %2 bytes from there on were left out, and a Save would remove them from the project.</source>
        <extracomment>%n and %2 are counts of bytes; %2 is the count left out. %1 is the project&apos;s path.</extracomment>
        <translation>
            <numerusform>يحتوي نص المشروع %1 على بايت NUL في أوله؛ أُسقطت البايتات التالية (%2)، وسيزيلها الحفظ من المشروع.</numerusform>
            <numerusform>يحتوي نص المشروع %1 على بايت NUL بعد بايت واحد؛ أُسقطت البايتات التالية (%2)، وسيزيلها الحفظ من المشروع.</numerusform>
            <numerusform>يحتوي نص المشروع %1 على بايت NUL بعد بايتين؛ أُسقطت البايتات التالية (%2)، وسيزيلها الحفظ من المشروع.</numerusform>
            <numerusform>يحتوي نص المشروع %1 على بايت NUL بعد %n بايتات؛ أُسقطت البايتات التالية (%2)، وسيزيلها الحفظ من المشروع.</numerusform>
            <numerusform>يحتوي نص المشروع %1 على بايت NUL بعد %n بايتًا؛ أُسقطت البايتات التالية (%2)، وسيزيلها الحفظ من المشروع.</numerusform>
            <numerusform>يحتوي نص المشروع %1 على بايت NUL بعد %n بايت؛ أُسقطت البايتات التالية (%2)، وسيزيلها الحفظ من المشروع.</numerusform>
        </translation>
    </message>
    <message>
        <source>The project %1 was replaced by another program with a file that is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>استبدل برنامج آخر بالمشروع %1 ملفًا ليس مشروع Wendle. لم يُحفظ شيء؛ ما زال بإمكانك حفظ هذا العمل بالأمر «حفظ باسم…».</translation>
    </message>
    <message>
        <source>The project %1 is now a link to %2, which is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>أصبح المشروع %1 رابطًا إلى %2، وهو ليس مشروع Wendle. لم يُحفظ شيء؛ ما زال بإمكانك حفظ هذا العمل بالأمر «حفظ باسم…».</translation>
    </message>
    <message>
        <source>%1 (now a link to %2)</source>
        <extracomment>Named in the questions below: %1 is the project&apos;s path, %2 the file the link there now leads to.</extracomment>
        <translation>%1 (صار الآن رابطًا إلى %2)</translation>
    </message>
    <message>
        <source>Wendle cannot tell whether the project %1 was changed by another program since this work was begun. Save over it?</source>
        <extracomment>%1 is the project&apos;s path.</extracomment>
        <translation>لا يستطيع Wendle أن يعرف هل غيّر برنامج آخر المشروع %1 منذ بدء هذا العمل. أتحفظ فوقه؟</translation>
    </message>
    <message>
        <source>The project %1 was changed by another program after Wendle opened it. Save over it?</source>
        <translation>غيّر برنامج آخر المشروع %1 بعد أن فتحه Wendle. أتحفظ فوقه؟</translation>
    </message>
    <message>
        <source>Choose another name for the page with Build As.</source>
        <extracomment>Follows a message that says why the page was not written. &quot;Build As&quot; is the button.</extracomment>
        <translation>اختر اسمًا آخر للصفحة بالأمر «إنشاء باسم…».</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Rebuild each project&apos;s page, then exit.</source>
        <translation>أعد إنشاء صفحة كل مشروع، ثم اخرج.</translation>
    </message>
    <message>
        <source>With --build: keep running, and rebuild a page whenever its project or its template changes, until Ctrl-C.</source>
        <translation>مع --build: استمر في العمل، وأعد إنشاء الصفحة كلما تغيّر مشروعها أو قالبها، حتى Ctrl-C.</translation>
    </message>
    <message>
        <source>With --watch: serve the current directory on 127.0.0.1 and print the address of each page; a browser showing a page reloads it when it is rebuilt.</source>
        <translation>مع --watch: أتِح المجلد الحالي عبر خادم على 127.0.0.1 واطبع عنوان كل صفحة؛ يعيد المتصفح الذي يعرض صفحةً تحميلها عند إعادة إنشائها.</translation>
    </message>
    <message>
        <source>With --serve: this port and no other (default: %1, or the next free one).</source>
        <extracomment>%1 is the default port number.</extracomment>
        <translation>مع --serve: هذا المنفذ دون غيره (الافتراضي: %1، أو المنفذ الحر التالي).</translation>
    </message>
    <message>
        <source>With --build or --output: the template for every page, instead of the one Wendle remembers (that one is looked up in each project&apos;s folder).</source>
        <translation>مع --build أو --output: القالب لكل الصفحات، بدلًا من القالب الذي يتذكره Wendle (يُبحث عن ذاك في مجلد كل مشروع).</translation>
    </message>
    <message>
        <source>With --build: also build pages that a project names outside its own folder.</source>
        <translation>مع --build: أنشئ أيضًا الصفحات التي يحددها المشروع خارج مجلده.</translation>
    </message>
    <message>
        <source>With --build: print a line per page built.</source>
        <translation>مع --build: اطبع سطرًا لكل صفحة أُنشئت.</translation>
    </message>
    <message>
        <source>Build one page, without a project, into PAGE (- for standard output).</source>
        <translation>أنشئ صفحة واحدة، دون مشروع، في PAGE (- للمخرج القياسي).</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s title.</source>
        <translation>مع --output: عنوان الصفحة.</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s text, from FILE (- for standard input).</source>
        <translation>مع --output: نص الصفحة، من FILE (- للمدخل القياسي).</translation>
    </message>
    <message>
        <source>With --output: also save the title, the text and the page&apos;s name as a project; only a project is replaced.</source>
        <translation>مع --output: احفظ أيضًا العنوان والنص واسم الصفحة كمشروع؛ لا يُستبدل إلا مشروع.</translation>
    </message>
    <message>
        <source>Print each project as text (for git diff).</source>
        <translation>اطبع كل مشروع نصًّا (لأجل git diff).</translation>
    </message>
    <message>
        <source>With --show: one JSON object a project.</source>
        <translation>مع --show: كائن JSON واحد لكل مشروع.</translation>
    </message>
    <message>
        <source>Write the sample template and the welcome project into DIR.</source>
        <translation>اكتب القالب النموذجي ومشروع الترحيب في DIR.</translation>
    </message>
    <message>
        <source>--build, --output, --show and --init each go alone.</source>
        <translation>يُستخدم كل من --build و--output و--show و--init منفردًا.</translation>
    </message>
    <message>
        <source>--output and --init take no project.</source>
        <translation>لا يأخذ --output و--init أي مشروع.</translation>
    </message>
    <message>
        <source>--show needs at least one project.</source>
        <translation>يحتاج --show إلى مشروع واحد على الأقل.</translation>
    </message>
    <message>
        <source>--json goes with --show.</source>
        <translation>يُستخدم --json مع --show.</translation>
    </message>
    <message>
        <source>--build needs at least one project.</source>
        <translation>يحتاج --build إلى مشروع واحد على الأقل.</translation>
    </message>
    <message>
        <source>The window opens one project; build several with --build.</source>
        <translation>تفتح النافذة مشروعًا واحدًا؛ أنشئ عدة مشاريع باستخدام --build.</translation>
    </message>
    <message>
        <source>--watch, --template, --allow-outside and --verbose go with --build.</source>
        <translation>يُستخدم --watch و--template و--allow-outside و--verbose مع --build.</translation>
    </message>
    <message>
        <source>--serve goes with --watch.</source>
        <translation>يُستخدم --serve مع --watch.</translation>
    </message>
    <message>
        <source>--port goes with --serve.</source>
        <translation>يُستخدم --port مع --serve.</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535.</source>
        <translation>يأخذ --port رقم منفذ من 1 إلى 65535.</translation>
    </message>
    <message>
        <source>--output, --template, --text, --save and --init each need a name, not an empty one.</source>
        <translation>يحتاج كل من --output و--template و--text و--save و--init إلى اسم غير فارغ.</translation>
    </message>
    <message>
        <source>Makes single HTML pages from a template. With no argument, or with a project, opens the window, where F12 builds the page and shows it in the browser; with --build, rebuilds the page of each project without a window; with --output, makes one page from a title and a text; with --show, prints projects as text.</source>
        <translation>ينشئ صفحات HTML مفردة من قالب. دون وسائط، أو مع مشروع، يفتح النافذة، حيث ينشئ F12 الصفحة ويعرضها في المتصفح؛ مع --build، يعيد إنشاء صفحة كل مشروع دون نافذة؛ مع --output، ينشئ صفحة واحدة من عنوان ونص؛ مع --show، يطبع المشاريع نصًّا.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>يعرض المساعدة حول خيارات سطر الأوامر.</translation>
    </message>
    <message>
        <source>A project file (*.wendle).</source>
        <translation>ملف مشروع (*.wendle).</translation>
    </message>
    <message>
        <source>With --output: the text&apos;s format, markdown or html (default: markdown for a FILE named *.md or *.markdown, else html).</source>
        <translation>مع --output: صيغة النص، markdown أو html (الافتراضي: markdown لملف FILE اسمه *.md أو *.markdown، وإلا html).</translation>
    </message>
    <message>
        <source>--title, --text, --from and --save go with --output.</source>
        <translation>يُستخدم --title و--text و--from و--save مع --output.</translation>
    </message>
    <message>
        <source>--from takes markdown or html.</source>
        <translation>يأخذ --from القيمة markdown أو html.</translation>
    </message>
    <message>
        <source>--output takes --template, --title, --text, --from and --save.</source>
        <translation>يقبل --output الخيارات --template و--title و--text و--from و--save.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>تعذّرت قراءة الملف %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>تعذّرت الكتابة في الملف %1:
%2.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>لم يُختر أي ملف.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>The current folder has been removed. Nothing was read or written; change to a folder that is there.</source>
        <translation>أُزيل المجلد الحالي. لم يُقرأ شيء ولم يُكتب شيء؛ انتقل إلى مجلد موجود.</translation>
    </message>
    <message>
        <source>The name %1 leads nowhere: the current folder it is taken from has been removed. Nothing was read or written; change to a folder that is there, or give the full path.</source>
        <extracomment>%1 is a file name without a folder, as typed.</extracomment>
        <translation>الاسم %1 لا يؤدي إلى شيء: أُزيل المجلد الحالي الذي يُقرأ منه. لم يُقرأ شيء ولم يُكتب شيء؛ انتقل إلى مجلد موجود، أو اكتب المسار كاملًا.</translation>
    </message>
    <message>
        <source>The name %1 is not UTF-8, and Wendle takes file names in UTF-8 only, so that no name can reach another file. Nothing was read or written; rename the file.</source>
        <extracomment>%1 is a file name as typed, each byte that is not UTF-8 shown as <byte value="x0"/>NN.</extracomment>
        <translation>الاسم %1 ليس بترميز UTF-8، ولا يقبل Wendle أسماء الملفات إلا بترميز UTF-8 كي لا يؤدي اسم إلى ملف آخر. لم يُقرأ شيء ولم يُكتب شيء؛ أعد تسمية الملف.</translation>
    </message>
</context>
<context>
    <name>Finder</name>
    <message>
        <source>Fi&amp;nd what:</source>
        <extracomment>The label of the field that holds the text to find.</extracomment>
        <translation>&amp;ابحث عن:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <extracomment>The label of the field that holds the text that replaces what is found.</extracomment>
        <translation>استبدل &amp;بـ:</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>طابق &amp;حالة الأحرف</translation>
    </message>
    <message>
        <source>&amp;Whole words</source>
        <extracomment>Finds the text only where it is a whole word, not part of a longer one.</extracomment>
        <translation>&amp;كلمات كاملة فقط</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>ال&amp;تالي</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>ال&amp;سابق</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>A button: replaces the match that is selected, then finds the next one.</extracomment>
        <translation>استب&amp;دل</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>استبدل الك&amp;ل</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>The title of the finder&apos;s window when it finds, and when it also replaces.</extracomment>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>There is not enough memory to search this text.</source>
        <translation>لا تكفي الذاكرة للبحث في هذا النص.</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>فشل البحث: %1</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>لم يُعثر عليه.</translation>
    </message>
    <message>
        <source>Passed the start; continued from the end.</source>
        <extracomment>Said when a search backward has passed the start of the text.</extracomment>
        <translation>تجاوز البحث البداية، فتابع من النهاية.</translation>
    </message>
    <message>
        <source>Passed the end; continued from the start.</source>
        <extracomment>Said when a search has passed the end of the text.</extracomment>
        <translation>تجاوز البحث النهاية، فتابع من البداية.</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced.</source>
        <extracomment>%n is how many matches were replaced.</extracomment>
        <translation>
            <numerusform>لم يُستبدل شيء.</numerusform>
            <numerusform>استُبدل موضع واحد.</numerusform>
            <numerusform>استُبدل موضعان.</numerusform>
            <numerusform>استُبدلت %n مواضع.</numerusform>
            <numerusform>استُبدل %n موضعًا.</numerusform>
            <numerusform>استُبدل %n موضع.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It is a folder, not a file</source>
        <translation>هذا مجلد، وليس ملفًا</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file</source>
        <translation>هذا جهاز أو أنبوب أو مقبس، وليس ملفًا</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, the most Wendle reads of such a file</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>حجمه أكبر من %1 بايت، وهو أقصى ما يقرؤه Wendle من ملف كهذا</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Restore</source>
        <extracomment>Button of the question that offers typing a window left unsaved: bring it back.</extracomment>
        <translation>استعادة</translation>
    </message>
</context>
<context>
    <name>OnePage</name>
    <message>
        <source>Cannot read standard input: %1.</source>
        <translation>تتعذّر قراءة المدخل القياسي: %1.</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>تتعذّر الكتابة إلى المخرج القياسي: %1.</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the title; the page written so far is incomplete.</source>
        <translation>لا يحتوي القالب %1 على علامة للعنوان؛ الصفحة المكتوبة حتى الآن غير مكتملة.</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the text; the page written so far is incomplete.</source>
        <translation>لا يحتوي القالب %1 على علامة للنص؛ الصفحة المكتوبة حتى الآن غير مكتملة.</translation>
    </message>
    <message>
        <source>The page %1 is not a plain name in the project&apos;s folder (a backslash counts as a folder), so --build would refuse the project; keep the project beside its page. Nothing was written.</source>
        <translation>الصفحة %1 ليست اسمًا بسيطًا في مجلد المشروع (تُعدّ الشرطة المائلة العكسية مجلدًا)، لذا سيرفض --build المشروع؛ ضع المشروع بجانب صفحته. لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written.</source>
        <translation>سيحلّ المشروع %1 محلّ القالب. لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>%1 is not a Wendle project, and --save replaces only a project. Nothing was written.</source>
        <translation>%1 ليس مشروع Wendle، ولا يستبدل --save إلا مشروعًا. لم يُكتب شيء.</translation>
    </message>
    <message numerus="yes">
        <source>warning: the text holds a NUL byte after %n bytes; the %1 bytes from there on were left out.</source>
        <extracomment>%n and %1 are counts of bytes; %1 is the count left out.</extracomment>
        <translation>
            <numerusform>تحذير: يحتوي النص على بايت NUL في أوله؛ أُسقطت البايتات التالية (%1).</numerusform>
            <numerusform>تحذير: يحتوي النص على بايت NUL بعد بايت واحد؛ أُسقطت البايتات التالية (%1).</numerusform>
            <numerusform>تحذير: يحتوي النص على بايت NUL بعد بايتين؛ أُسقطت البايتات التالية (%1).</numerusform>
            <numerusform>تحذير: يحتوي النص على بايت NUL بعد %n بايتات؛ أُسقطت البايتات التالية (%1).</numerusform>
            <numerusform>تحذير: يحتوي النص على بايت NUL بعد %n بايتًا؛ أُسقطت البايتات التالية (%1).</numerusform>
            <numerusform>تحذير: يحتوي النص على بايت NUL بعد %n بايت؛ أُسقطت البايتات التالية (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>المدخل القياسي</translation>
    </message>
    <message>
        <source>Standard output is the template %1. Nothing was written.</source>
        <translation>المخرج القياسي هو القالب %1. لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE, or another template with --template FILE.</source>
        <translation>حدِّد صفحة أخرى باستخدام --output PAGE، أو قالبًا آخر باستخدام --template FILE.</translation>
    </message>
    <message>
        <source>The project %1 would replace the page. Nothing was written.</source>
        <translation>سيحلّ المشروع %1 محلّ الصفحة. لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>Standard input does not fit in the memory Wendle may use. Nothing was written.</source>
        <translation>لا يتسع المدخل القياسي في الذاكرة المتاحة لـ Wendle. لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>Standard input holds more than %1 bytes, more than a project can hold. Nothing was written.</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>يحتوي المدخل القياسي على أكثر من %1 بايت، وهو أكثر مما يتسع له مشروع. لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE.</source>
        <translation>حدّد صفحة أخرى بالخيار --output PAGE.</translation>
    </message>
    <message>
        <source>There is not enough memory to make the page. Nothing was written.</source>
        <translation>لا تكفي الذاكرة لإنشاء الصفحة. لم يُكتب شيء.</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>يوجد مجلد بالاسم نفسه</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file to replace</source>
        <translation>هذا جهاز أو أنبوب أو مقبس، وليس ملفًا يمكن استبداله</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written: %3</source>
        <extracomment>%1 and %2 are counts of bytes, %3 the reason.</extracomment>
        <translation>لم يُكتب إلا %1 من %2 بايت: %3</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>The run was stopped by a signal</source>
        <extracomment>The reason a file was not written: Ctrl-C, or a signal that ends the program.</extracomment>
        <translation>أُوقف التشغيل بإشارة</translation>
    </message>
</context>
<context>
    <name>PageBuild</name>
    <message>
        <source>to
%1</source>
        <extracomment>Where a page is written, after &quot;outside the project&apos;s folder,&quot;.</extracomment>
        <translation>إلى
%1</translation>
    </message>
    <message>
        <source>
through the link %1</source>
        <translation>
عبر الرابط %1</translation>
    </message>
    <message>
        <source>The page %1 would replace %2. Nothing was written.</source>
        <extracomment>%2 is one of &quot;its own template&quot;, &quot;the file its text is read from&quot;, &quot;the project it is built from&quot;, &quot;a Wendle project&quot;.</extracomment>
        <translation>ستحلّ الصفحة %1 محلّ %2. لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>its own template</source>
        <translation>قالبها نفسه</translation>
    </message>
    <message>
        <source>the project it is built from</source>
        <translation>المشروع الذي تُنشأ منه</translation>
    </message>
    <message>
        <source>a Wendle project</source>
        <translation>مشروع Wendle</translation>
    </message>
    <message>
        <source>the title (the first &quot;%s&quot;)</source>
        <translation>العنوان (أول «%s»)</translation>
    </message>
    <message>
        <source>the text (the second &quot;%s&quot;)</source>
        <translation>النص (ثاني «%s»)</translation>
    </message>
    <message>
        <source>The template %1 has no marker for %2. Nothing was written.</source>
        <extracomment>%2 is &quot;the title (the first &quot;%s&quot;)&quot; or &quot;the text (...)&quot;; the template holds &quot;%s&quot; as typed.</extracomment>
        <translation>لا يحتوي القالب %1 على علامة تخص %2. لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>No template has been chosen. Choose one with the Template button.</source>
        <extracomment>&quot;Template&quot; is the caption of the window&apos;s button.</extracomment>
        <translation>لم يُختر أي قالب. اختر قالبًا بالزر «قالب…».</translation>
    </message>
    <message>
        <source>the file its text is read from</source>
        <translation>الملف الذي يُقرأ منه نصها</translation>
    </message>
</context>
<context>
    <name>PreviewServer</name>
    <message>
        <source>The preview module libwendle_preview.so is not installed beside %1.</source>
        <translation>وحدة المعاينة libwendle_preview.so غير مثبّتة بجانب %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>يتعذّر فتح %1: %2</translation>
    </message>
    <message>
        <source>the port cannot be used</source>
        <translation>لا يمكن استخدام المنفذ</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>It is too large to be a Wendle project</source>
        <translation>إنه أكبر من أن يكون مشروع Wendle</translation>
    </message>
    <message>
        <source>It is not a Wendle project, or it is damaged</source>
        <translation>ليس مشروع Wendle، أو أنه تالف</translation>
    </message>
    <message>
        <source>The title and text are too long for a project file, which holds at most 4 GiB.</source>
        <translation>العنوان والنص أطول من أن يتسع لهما ملف مشروع، إذ لا يتجاوز حجمه 4 GiB.</translation>
    </message>
</context>
<context>
    <name>ProjectScripts</name>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>يتعذّر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>kept %1, which is there already</source>
        <translation>أُبقي %1، فهو موجود بالفعل</translation>
    </message>
    <message>
        <source>The sample %1 is missing from the program.</source>
        <translation>النموذج %1 مفقود من البرنامج.</translation>
    </message>
    <message>
        <source>Open the welcome project with:
  cd %1 &amp;&amp; wendle welcome.wendle</source>
        <extracomment>%1 is the folder, quoted for the shell; the command stays as it is.</extracomment>
        <translation>افتح مشروع الترحيب بالأمر:
  cd %1 &amp;&amp; wendle welcome.wendle</translation>
    </message>
    <message>
        <source>%1 is in the way: it is not a file (a folder, a link to nothing, a device or a pipe). Nothing was written.</source>
        <translation>يعترض %1 الكتابة: فهو ليس ملفًا (بل مجلد أو رابط لا يؤدي إلى شيء أو جهاز أو أنبوب). لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>There is not enough memory to show the project.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>لا تكفي الذاكرة لعرض المشروع.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in languages written right to left, else &quot;LTR&quot;. Not shown.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Its description is damaged.</source>
        <extracomment>&quot;It&quot; is a recovery copy of the window&apos;s typing.</extracomment>
        <translation>وصفها تالف.</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>يتعذّر إنشاء المجلد</translation>
    </message>
    <message>
        <source>It is too large to be a description</source>
        <translation>إنه أكبر من أن يكون وصفًا</translation>
    </message>
    <message>
        <source>It was moved aside to %1.</source>
        <translation>نُقلت جانبًا إلى %1.</translation>
    </message>
    <message>
        <source>It cannot be moved aside (%1), so it stays where it is, and it will not be read again.</source>
        <translation>يتعذّر نقلها جانبًا (%1)، لذا تبقى في مكانها ولن تُقرأ مرة أخرى.</translation>
    </message>
    <message>
        <source>It does not fit in the memory Wendle may use.</source>
        <extracomment>&quot;It&quot; is a recovery copy of the window&apos;s typing.</extracomment>
        <translation>لا تتسع النسخة في الذاكرة المتاحة لـ Wendle.</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>(no suggestions)</source>
        <extracomment>Shown, greyed, in place of corrections when the dictionary has none.</extracomment>
        <translation>(لا اقتراحات)</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <extracomment>Adds the word to the personal word list that the desktop&apos;s programs share.</extracomment>
        <translation>أضف إلى القاموس</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <extracomment>Accepts the word everywhere until Wendle ends.</extracomment>
        <translation>تجاهل الكل</translation>
    </message>
    <message>
        <source>No spelling dictionary for %1: install %2</source>
        <extracomment>%1 is a language tag such as de-DE, %2 the Debian package of its dictionary.</extracomment>
        <translation>لا يوجد قاموس إملائي لـ %1: ثبّت %2</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>تدقيق الإملاء</translation>
    </message>
</context>
<context>
    <name>WendleDialog</name>
    <message>
        <source>HTML Template files</source>
        <extracomment>Files shown in the template prompt.</extracomment>
        <translation>ملفات قوالب HTML</translation>
    </message>
    <message>
        <source>Choose an HTML template</source>
        <translation>اختر قالب HTML</translation>
    </message>
    <message>
        <source>Title:</source>
        <extracomment>Label before the one-line field for the page&apos;s title.</extracomment>
        <translation>العنوان:</translation>
    </message>
    <message>
        <source>Text:</source>
        <extracomment>Label above the large field for the page&apos;s body text.</extracomment>
        <translation>النص:</translation>
    </message>
    <message>
        <source>   Save As...</source>
        <extracomment>Button: saves the project under a name chosen in a file prompt. Keep the three leading blanks, which set the caption off as on the other buttons that open a prompt.</extracomment>
        <translation>   حفظ باسم…</translation>
    </message>
    <message>
        <source>Build</source>
        <comment>verb, on a button: build the page</comment>
        <extracomment>Button: makes the web page from the template, the title and the text, and writes it.</extracomment>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>   Open...</source>
        <extracomment>Button: opens a project file chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   فتح…</translation>
    </message>
    <message>
        <source>   Template...</source>
        <extracomment>Button: chooses the HTML template in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   قالب…</translation>
    </message>
    <message>
        <source>New</source>
        <comment>on a button: start a new project</comment>
        <extracomment>Button: starts a new, empty project.</extracomment>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: saves the project into its file.</extracomment>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>   Build As...</source>
        <extracomment>Button: builds the page under a name chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   إنشاء باسم…</translation>
    </message>
    <message>
        <source>Tasco&apos;s Wendle</source>
        <extracomment>The program&apos;s name, in the window&apos;s title bar and on its messages. A name: usually kept.</extracomment>
        <translation>Tasco&apos;s Wendle</translation>
    </message>
    <message>
        <source>Markdown</source>
        <extracomment>Check box: the text is written in Markdown, which Build converts to HTML. A name, usually kept as it is.</extracomment>
        <translation>Markdown</translation>
    </message>
</context>
</TS>
