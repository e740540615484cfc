<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BatchBuild</name>
    <message>
        <source>The project names no page; choose one with Build As in Wendle&apos;s window, then save the project.</source>
        <translation>该项目未指定页面；请在 Wendle 窗口中用“生成为…”选择一个页面，然后保存项目。</translation>
    </message>
    <message>
        <source>The project writes its page outside the project&apos;s folder, %1; build it there with --allow-outside.</source>
        <translation>该项目将页面写到项目文件夹之外，%1；如要在那里生成，请使用 --allow-outside。</translation>
    </message>
    <message>
        <source>No template has been chosen. Name one with --template FILE, or choose one in Wendle&apos;s window.</source>
        <translation>尚未选择模板。请用 --template FILE 指定，或在 Wendle 窗口中选择。</translation>
    </message>
    <message>
        <source>built %1</source>
        <extracomment>A line of --verbose output; %1 is the page written.</extracomment>
        <translation>已生成 %1</translation>
    </message>
    <message>
        <source>There is not enough memory to build the page. Nothing was written.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>内存不足，无法生成页面。未写入任何内容。</translation>
    </message>
</context>
<context>
    <name>BatchWatch</name>
    <message>
        <source>It was removed; its pages are rebuilt when it is back.</source>
        <translation>该文件已被删除；恢复后将重新生成其页面。</translation>
    </message>
    <message>
        <source>Cannot serve on 127.0.0.1:%1: %2.</source>
        <extracomment>%1 is a port number, %2 the reason.</extracomment>
        <translation>无法在 127.0.0.1:%1 上提供服务：%2。</translation>
    </message>
    <message>
        <source>preview: %1</source>
        <extracomment>%1 is the address where the page is served.</extracomment>
        <translation>预览：%1</translation>
    </message>
    <message>
        <source>not served: %1 is hidden, or in a hidden folder</source>
        <translation>未提供服务：%1 是隐藏文件，或位于隐藏文件夹中</translation>
    </message>
    <message>
        <source>not served: %1 is outside %2</source>
        <extracomment>%1 is the page, %2 the folder that is served.</extracomment>
        <translation>未提供服务：%1 位于 %2 之外</translation>
    </message>
</context>
<context>
    <name>CWendleApp</name>
    <message>
        <source>the window needs a display, and none was found (in an SSH session, a container or a
terminal without a desktop). Pages can be built without one: wendle --build PROJECT...</source>
        <translation>窗口需要图形显示环境，但未找到（例如在 SSH 会话、容器或
没有桌面的终端中）。没有图形显示环境也可以生成页面：wendle --build PROJECT...</translation>
    </message>
    <message>
        <source>these arguments open the window; see wendle --help</source>
        <translation>这些参数会打开窗口；请参阅 wendle --help</translation>
    </message>
    <message>
        <source>the typing could not be kept for the next start: %1</source>
        <translation>无法为下次启动保留输入内容：%1</translation>
    </message>
    <message>
        <source>write error on standard output: %1</source>
        <translation>写入标准输出时出错：%1</translation>
    </message>
    <message>
        <source>write error on standard output</source>
        <translation>写入标准输出时出错</translation>
    </message>
</context>
<context>
    <name>CWendleDlg</name>
    <message>
        <source>There is not enough memory to finish this command.</source>
        <translation>内存不足，无法完成此命令。</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>命令失败：%1</translation>
    </message>
    <message>
        <source>The command failed for an unknown reason.</source>
        <translation>命令因未知原因失败。</translation>
    </message>
    <message>
        <source>HTML files</source>
        <extracomment>Files shown in the page prompt.</extracomment>
        <translation>HTML 文件</translation>
    </message>
    <message>
        <source>This project writes its page outside the project&apos;s folder, %1

Build the page there?</source>
        <extracomment>%1 is a line break and the page&apos;s path, as &quot;to
/home/a/page.html&quot;.</extracomment>
        <translation>此项目将页面写到项目文件夹之外，%1

要在那里生成页面吗？</translation>
    </message>
    <message>
        <source>The page was built, but it cannot be shown: %1</source>
        <translation>页面已生成，但无法显示：%1</translation>
    </message>
    <message>
        <source>The page was built, but a hidden file is not shown in the browser.</source>
        <translation>页面已生成，但隐藏文件不会在浏览器中显示。</translation>
    </message>
    <message>
        <source>The page was built, but no browser could be started for %1.</source>
        <translation>页面已生成，但无法启动浏览器来打开 %1。</translation>
    </message>
    <message>
        <source>Wendle files</source>
        <extracomment>Files shown in the project prompts.</extracomment>
        <translation>Wendle 文件</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written; choose another name with Save As.</source>
        <translation>项目 %1 将会替换模板。未写入任何内容；请用“另存为…”选择其他名称。</translation>
    </message>
    <message>
        <source>The title and text have changes that are not saved in a project or built into a page.

Save them first?</source>
        <translation>标题和正文有尚未保存到项目、也未生成到页面的更改。

要先保存吗？</translation>
    </message>
    <message>
        <source>a project never saved, with no title</source>
        <translation>一个从未保存、没有标题的项目</translation>
    </message>
    <message>
        <source>a project never saved, titled &quot;%1&quot;</source>
        <translation>一个从未保存、标题为“%1”的项目</translation>
    </message>
    <message>
        <source>Wendle was closed before the changes to %1 were saved (%2). Restore them?</source>
        <extracomment>%1 is the project&apos;s path or &quot;a project never saved, ...&quot;, %2 the time of the copy.</extracomment>
        <translation>Wendle 在保存对 %1 的更改之前已关闭（%2）。要恢复这些更改吗？</translation>
    </message>
    <message>
        <source>

The next Build writes the page %1.</source>
        <extracomment>&quot;Build&quot; is the window&apos;s button.</extracomment>
        <translation>

下次“生成”将写入页面 %1。</translation>
    </message>
    <message>
        <source>Wendle cannot keep a recovery copy of your typing, so it would be lost if Wendle were killed.

%1</source>
        <translation>Wendle 无法保存您输入内容的恢复副本；如果 Wendle 被强制终止，这些内容将会丢失。

%1</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read: %1</source>
        <translation>无法读取恢复副本：%1</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be removed: %2. It will not be offered again.</source>
        <translation>无法删除恢复副本 %1：%2。以后不会再提供它。</translation>
    </message>
    <message numerus="yes">
        <source>The text of the project %1 holds a NUL byte after %n bytes; the %2 bytes from there on were left out, and a Save would remove them from the project.</source>
        <extracomment>%n and %2 are counts of bytes; %2 is the count left out. %1 is the project&apos;s path.</extracomment>
        <translation>
            <numerusform>项目 %1 的正文在 %n 个字节之后含有 NUL 字节；从该处起的 %2 个字节已被省略，保存时会将它们从项目中删除。</numerusform>
        </translation>
    </message>
    <message>
        <source>The project %1 was replaced by another program with a file that is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>项目 %1 已被另一个程序替换为一个不是 Wendle 项目的文件。未保存任何内容；仍可用“另存为…”保存这项工作。</translation>
    </message>
    <message>
        <source>The project %1 is now a link to %2, which is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>项目 %1 现在是指向 %2 的链接，而后者不是 Wendle 项目。未保存任何内容；仍可用“另存为…”保存这项工作。</translation>
    </message>
    <message>
        <source>%1 (now a link to %2)</source>
        <extracomment>Named in the questions below: %1 is the project&apos;s path, %2 the file the link there now leads to.</extracomment>
        <translation>%1（现在是指向 %2 的链接）</translation>
    </message>
    <message>
        <source>Wendle cannot tell whether the project %1 was changed by another program since this work was begun. Save over it?</source>
        <extracomment>%1 is the project&apos;s path.</extracomment>
        <translation>Wendle 无法判断项目 %1 在这项工作开始后是否被另一个程序修改过。仍要覆盖保存吗？</translation>
    </message>
    <message>
        <source>The project %1 was changed by another program after Wendle opened it. Save over it?</source>
        <translation>Wendle 打开项目 %1 之后，它被另一个程序修改过。仍要覆盖保存吗？</translation>
    </message>
    <message>
        <source>Choose another name for the page with Build As.</source>
        <extracomment>Follows a message that says why the page was not written. &quot;Build As&quot; is the button.</extracomment>
        <translation>请用“生成为…”为页面选择其他名称。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Rebuild each project&apos;s page, then exit.</source>
        <translation>重新生成每个项目的页面，然后退出。</translation>
    </message>
    <message>
        <source>With --build: keep running, and rebuild a page whenever its project or its template changes, until Ctrl-C.</source>
        <translation>与 --build 一起使用：持续运行，每当项目或模板更改时重新生成页面，直到按下 Ctrl-C。</translation>
    </message>
    <message>
        <source>With --watch: serve the current directory on 127.0.0.1 and print the address of each page; a browser showing a page reloads it when it is rebuilt.</source>
        <translation>与 --watch 一起使用：在 127.0.0.1 上为当前目录提供服务，并打印每个页面的地址；显示页面的浏览器会在页面重新生成时重新加载。</translation>
    </message>
    <message>
        <source>With --serve: this port and no other (default: %1, or the next free one).</source>
        <extracomment>%1 is the default port number.</extracomment>
        <translation>与 --serve 一起使用：仅使用此端口（默认：%1，或下一个空闲端口）。</translation>
    </message>
    <message>
        <source>With --build or --output: the template for every page, instead of the one Wendle remembers (that one is looked up in each project&apos;s folder).</source>
        <translation>与 --build 或 --output 一起使用：所有页面使用的模板，代替 Wendle 记住的模板（后者在每个项目的文件夹中查找）。</translation>
    </message>
    <message>
        <source>With --build: also build pages that a project names outside its own folder.</source>
        <translation>与 --build 一起使用：也生成项目指定在其自身文件夹之外的页面。</translation>
    </message>
    <message>
        <source>With --build: print a line per page built.</source>
        <translation>与 --build 一起使用：每生成一个页面打印一行。</translation>
    </message>
    <message>
        <source>Build one page, without a project, into PAGE (- for standard output).</source>
        <translation>不使用项目，将一个页面生成到 PAGE（- 表示标准输出）。</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s title.</source>
        <translation>与 --output 一起使用：页面的标题。</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s text, from FILE (- for standard input).</source>
        <translation>与 --output 一起使用：页面的正文，取自 FILE（- 表示标准输入）。</translation>
    </message>
    <message>
        <source>With --output: also save the title, the text and the page&apos;s name as a project; only a project is replaced.</source>
        <translation>与 --output 一起使用：同时将标题、正文和页面名称保存为项目；只会替换项目文件。</translation>
    </message>
    <message>
        <source>Print each project as text (for git diff).</source>
        <translation>将每个项目打印为文本（用于 git diff）。</translation>
    </message>
    <message>
        <source>With --show: one JSON object a project.</source>
        <translation>与 --show 一起使用：每个项目一个 JSON 对象。</translation>
    </message>
    <message>
        <source>Write the sample template and the welcome project into DIR.</source>
        <translation>将示例模板和欢迎项目写入 DIR。</translation>
    </message>
    <message>
        <source>--build, --output, --show and --init each go alone.</source>
        <translation>--build、--output、--show 和 --init 只能各自单独使用。</translation>
    </message>
    <message>
        <source>--output and --init take no project.</source>
        <translation>--output 和 --init 不接受项目。</translation>
    </message>
    <message>
        <source>--show needs at least one project.</source>
        <translation>--show 至少需要一个项目。</translation>
    </message>
    <message>
        <source>--json goes with --show.</source>
        <translation>--json 需与 --show 一起使用。</translation>
    </message>
    <message>
        <source>--build needs at least one project.</source>
        <translation>--build 至少需要一个项目。</translation>
    </message>
    <message>
        <source>The window opens one project; build several with --build.</source>
        <translation>窗口只能打开一个项目；要生成多个，请使用 --build。</translation>
    </message>
    <message>
        <source>--watch, --template, --allow-outside and --verbose go with --build.</source>
        <translation>--watch、--template、--allow-outside 和 --verbose 需与 --build 一起使用。</translation>
    </message>
    <message>
        <source>--serve goes with --watch.</source>
        <translation>--serve 需与 --watch 一起使用。</translation>
    </message>
    <message>
        <source>--port goes with --serve.</source>
        <translation>--port 需与 --serve 一起使用。</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535.</source>
        <translation>--port 需要 1 到 65535 之间的端口号。</translation>
    </message>
    <message>
        <source>--output, --template, --text, --save and --init each need a name, not an empty one.</source>
        <translation>--output、--template、--text、--save 和 --init 都需要一个非空的名称。</translation>
    </message>
    <message>
        <source>Makes single HTML pages from a template. With no argument, or with a project, opens the window, where F12 builds the page and shows it in the browser; with --build, rebuilds the page of each project without a window; with --output, makes one page from a title and a text; with --show, prints projects as text.</source>
        <translation>根据模板生成单个 HTML 页面。不带参数或带一个项目时打开窗口，在窗口中按 F12 生成页面并在浏览器中显示；使用 --build 时，不打开窗口而重新生成每个项目的页面；使用 --output 时，根据标题和正文生成一个页面；使用 --show 时，将项目打印为文本。</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>A project file (*.wendle).</source>
        <translation>项目文件（*.wendle）。</translation>
    </message>
    <message>
        <source>With --output: the text&apos;s format, markdown or html (default: markdown for a FILE named *.md or *.markdown, else html).</source>
        <translation>与 --output 一起使用：正文的格式，markdown 或 html（默认：名为 *.md 或 *.markdown 的 FILE 为 markdown，其他为 html）。</translation>
    </message>
    <message>
        <source>--title, --text, --from and --save go with --output.</source>
        <translation>--title、--text、--from 和 --save 需与 --output 一起使用。</translation>
    </message>
    <message>
        <source>--from takes markdown or html.</source>
        <translation>--from 需要 markdown 或 html。</translation>
    </message>
    <message>
        <source>--output takes --template, --title, --text, --from and --save.</source>
        <translation>--output 只接受 --template、--title、--text、--from 和 --save。</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>无法读取文件 %1：
%2。</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>无法写入文件 %1：
%2。</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>未选择文件。</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>The current folder has been removed. Nothing was read or written; change to a folder that is there.</source>
        <translation>当前文件夹已被删除。未读取或写入任何内容；请切换到一个存在的文件夹。</translation>
    </message>
    <message>
        <source>The name %1 leads nowhere: the current folder it is taken from has been removed. Nothing was read or written; change to a folder that is there, or give the full path.</source>
        <extracomment>%1 is a file name without a folder, as typed.</extracomment>
        <translation>名称 %1 无处可指：作为其基准的当前文件夹已被删除。未读取或写入任何内容；请切换到一个存在的文件夹，或给出完整路径。</translation>
    </message>
    <message>
        <source>The name %1 is not UTF-8, and Wendle takes file names in UTF-8 only, so that no name can reach another file. Nothing was read or written; rename the file.</source>
        <extracomment>%1 is a file name as typed, each byte that is not UTF-8 shown as <byte value="x0"/>NN.</extracomment>
        <translation>名称 %1 不是 UTF-8。为避免名称指向其他文件，Wendle 只接受 UTF-8 文件名。未读取或写入任何内容；请重命名该文件。</translation>
    </message>
</context>
<context>
    <name>Finder</name>
    <message>
        <source>Fi&amp;nd what:</source>
        <extracomment>The label of the field that holds the text to find.</extracomment>
        <translation>查找内容(&amp;N)：</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <extracomment>The label of the field that holds the text that replaces what is found.</extracomment>
        <translation>替换为(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>区分大小写(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Whole words</source>
        <extracomment>Finds the text only where it is a whole word, not part of a longer one.</extracomment>
        <translation>全字匹配(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>查找下一个(&amp;F)</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>查找上一个(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>A button: replaces the match that is selected, then finds the next one.</extracomment>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>全部替换(&amp;A)</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>The title of the finder&apos;s window when it finds, and when it also replaces.</extracomment>
        <translation>替换</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>There is not enough memory to search this text.</source>
        <translation>内存不足，无法搜索正文。</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>搜索失败：%1</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>未找到。</translation>
    </message>
    <message>
        <source>Passed the start; continued from the end.</source>
        <extracomment>Said when a search backward has passed the start of the text.</extracomment>
        <translation>已越过开头，从末尾继续。</translation>
    </message>
    <message>
        <source>Passed the end; continued from the start.</source>
        <extracomment>Said when a search has passed the end of the text.</extracomment>
        <translation>已越过末尾，从开头继续。</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced.</source>
        <extracomment>%n is how many matches were replaced.</extracomment>
        <translation>
            <numerusform>已替换 %n 处。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It is a folder, not a file</source>
        <translation>这是文件夹，不是文件</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file</source>
        <translation>这是设备、管道或套接字，不是文件</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, the most Wendle reads of such a file</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>它超过了 %1 个字节，这是 Wendle 读取此类文件的上限</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Restore</source>
        <extracomment>Button of the question that offers typing a window left unsaved: bring it back.</extracomment>
        <translation>恢复</translation>
    </message>
</context>
<context>
    <name>OnePage</name>
    <message>
        <source>Cannot read standard input: %1.</source>
        <translation>无法读取标准输入：%1。</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>无法写入标准输出：%1。</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the title; the page written so far is incomplete.</source>
        <translation>模板 %1 中没有标题的标记；目前写出的页面不完整。</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the text; the page written so far is incomplete.</source>
        <translation>模板 %1 中没有正文的标记；目前写出的页面不完整。</translation>
    </message>
    <message>
        <source>The page %1 is not a plain name in the project&apos;s folder (a backslash counts as a folder), so --build would refuse the project; keep the project beside its page. Nothing was written.</source>
        <translation>页面 %1 不是项目文件夹中的简单名称（反斜杠视为文件夹），因此 --build 会拒绝该项目；请将项目放在其页面旁边。未写入任何内容。</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written.</source>
        <translation>项目 %1 将会替换模板。未写入任何内容。</translation>
    </message>
    <message>
        <source>%1 is not a Wendle project, and --save replaces only a project. Nothing was written.</source>
        <translation>%1 不是 Wendle 项目，而 --save 只会替换项目。未写入任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>warning: the text holds a NUL byte after %n bytes; the %1 bytes from there on were left out.</source>
        <extracomment>%n and %1 are counts of bytes; %1 is the count left out.</extracomment>
        <translation>
            <numerusform>警告：正文在 %n 个字节之后含有 NUL 字节；从该处起的 %1 个字节已被省略。</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>Standard output is the template %1. Nothing was written.</source>
        <translation>标准输出就是模板 %1。未写入任何内容。</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE, or another template with --template FILE.</source>
        <translation>请用 --output PAGE 指定其他页面，或用 --template FILE 指定其他模板。</translation>
    </message>
    <message>
        <source>The project %1 would replace the page. Nothing was written.</source>
        <translation>项目 %1 将会替换页面。未写入任何内容。</translation>
    </message>
    <message>
        <source>Standard input does not fit in the memory Wendle may use. Nothing was written.</source>
        <translation>标准输入超出了 Wendle 可用的内存。未写入任何内容。</translation>
    </message>
    <message>
        <source>Standard input holds more than %1 bytes, more than a project can hold. Nothing was written.</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>标准输入超过 %1 个字节，超出了项目所能容纳的大小。未写入任何内容。</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE.</source>
        <translation>请用 --output PAGE 指定其他页面。</translation>
    </message>
    <message>
        <source>There is not enough memory to make the page. Nothing was written.</source>
        <translation>内存不足，无法生成页面。未写入任何内容。</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>已有同名文件夹</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file to replace</source>
        <translation>这是设备、管道或套接字，不是可替换的文件</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written: %3</source>
        <extracomment>%1 and %2 are counts of bytes, %3 the reason.</extracomment>
        <translation>%2 个字节中只写入了 %1 个：%3</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>The run was stopped by a signal</source>
        <extracomment>The reason a file was not written: Ctrl-C, or a signal that ends the program.</extracomment>
        <translation>运行被信号中止</translation>
    </message>
</context>
<context>
    <name>PageBuild</name>
    <message>
        <source>to
%1</source>
        <extracomment>Where a page is written, after &quot;outside the project&apos;s folder,&quot;.</extracomment>
        <translation>写入位置：
%1</translation>
    </message>
    <message>
        <source>
through the link %1</source>
        <translation>
（通过链接 %1）</translation>
    </message>
    <message>
        <source>The page %1 would replace %2. Nothing was written.</source>
        <extracomment>%2 is one of &quot;its own template&quot;, &quot;the file its text is read from&quot;, &quot;the project it is built from&quot;, &quot;a Wendle project&quot;.</extracomment>
        <translation>页面 %1 将会替换%2。未写入任何内容。</translation>
    </message>
    <message>
        <source>its own template</source>
        <translation>其自身的模板</translation>
    </message>
    <message>
        <source>the project it is built from</source>
        <translation>生成它的项目</translation>
    </message>
    <message>
        <source>a Wendle project</source>
        <translation>一个 Wendle 项目</translation>
    </message>
    <message>
        <source>the title (the first &quot;%s&quot;)</source>
        <translation>标题（第一个“%s”）</translation>
    </message>
    <message>
        <source>the text (the second &quot;%s&quot;)</source>
        <translation>正文（第二个“%s”）</translation>
    </message>
    <message>
        <source>The template %1 has no marker for %2. Nothing was written.</source>
        <extracomment>%2 is &quot;the title (the first &quot;%s&quot;)&quot; or &quot;the text (...)&quot;; the template holds &quot;%s&quot; as typed.</extracomment>
        <translation>模板 %1 中没有%2的标记。未写入任何内容。</translation>
    </message>
    <message>
        <source>No template has been chosen. Choose one with the Template button.</source>
        <extracomment>&quot;Template&quot; is the caption of the window&apos;s button.</extracomment>
        <translation>尚未选择模板。请用“模板…”按钮选择一个。</translation>
    </message>
    <message>
        <source>the file its text is read from</source>
        <translation>读取其正文的文件</translation>
    </message>
</context>
<context>
    <name>PreviewServer</name>
    <message>
        <source>The preview module libwendle_preview.so is not installed beside %1.</source>
        <translation>预览模块 libwendle_preview.so 未安装在 %1 旁边。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>the port cannot be used</source>
        <translation>无法使用该端口</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>It is too large to be a Wendle project</source>
        <translation>文件太大，不可能是 Wendle 项目</translation>
    </message>
    <message>
        <source>It is not a Wendle project, or it is damaged</source>
        <translation>这不是 Wendle 项目，或已损坏</translation>
    </message>
    <message>
        <source>The title and text are too long for a project file, which holds at most 4 GiB.</source>
        <translation>标题和正文太长，项目文件最多只能容纳 4 GiB。</translation>
    </message>
</context>
<context>
    <name>ProjectScripts</name>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>kept %1, which is there already</source>
        <translation>已保留 %1，因为它已存在</translation>
    </message>
    <message>
        <source>The sample %1 is missing from the program.</source>
        <translation>程序中缺少示例 %1。</translation>
    </message>
    <message>
        <source>Open the welcome project with:
  cd %1 &amp;&amp; wendle welcome.wendle</source>
        <extracomment>%1 is the folder, quoted for the shell; the command stays as it is.</extracomment>
        <translation>用以下命令打开欢迎项目：
  cd %1 &amp;&amp; wendle welcome.wendle</translation>
    </message>
    <message>
        <source>%1 is in the way: it is not a file (a folder, a link to nothing, a device or a pipe). Nothing was written.</source>
        <translation>%1 挡住了写入：它不是文件（而是文件夹、指向不存在目标的链接、设备或管道）。未写入任何内容。</translation>
    </message>
    <message>
        <source>There is not enough memory to show the project.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>内存不足，无法显示项目。</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in languages written right to left, else &quot;LTR&quot;. Not shown.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Its description is damaged.</source>
        <extracomment>&quot;It&quot; is a recovery copy of the window&apos;s typing.</extracomment>
        <translation>其描述文件已损坏。</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>It is too large to be a description</source>
        <translation>文件太大，不可能是描述文件</translation>
    </message>
    <message>
        <source>It was moved aside to %1.</source>
        <translation>已将其移到 %1。</translation>
    </message>
    <message>
        <source>It cannot be moved aside (%1), so it stays where it is, and it will not be read again.</source>
        <translation>无法将其移开（%1），因此它将保留在原处，且不会再被读取。</translation>
    </message>
    <message>
        <source>It does not fit in the memory Wendle may use.</source>
        <extracomment>&quot;It&quot; is a recovery copy of the window&apos;s typing.</extracomment>
        <translation>此副本超出了 Wendle 可用的内存。</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>(no suggestions)</source>
        <extracomment>Shown, greyed, in place of corrections when the dictionary has none.</extracomment>
        <translation>（无建议）</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <extracomment>Adds the word to the personal word list that the desktop&apos;s programs share.</extracomment>
        <translation>添加到词典</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <extracomment>Accepts the word everywhere until Wendle ends.</extracomment>
        <translation>全部忽略</translation>
    </message>
    <message>
        <source>No spelling dictionary for %1: install %2</source>
        <extracomment>%1 is a language tag such as de-DE, %2 the Debian package of its dictionary.</extracomment>
        <translation>没有 %1 的拼写词典：请安装 %2</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>检查拼写</translation>
    </message>
</context>
<context>
    <name>WendleDialog</name>
    <message>
        <source>HTML Template files</source>
        <extracomment>Files shown in the template prompt.</extracomment>
        <translation>HTML 模板文件</translation>
    </message>
    <message>
        <source>Choose an HTML template</source>
        <translation>选择 HTML 模板</translation>
    </message>
    <message>
        <source>Title:</source>
        <extracomment>Label before the one-line field for the page&apos;s title.</extracomment>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Text:</source>
        <extracomment>Label above the large field for the page&apos;s body text.</extracomment>
        <translation>正文：</translation>
    </message>
    <message>
        <source>   Save As...</source>
        <extracomment>Button: saves the project under a name chosen in a file prompt. Keep the three leading blanks, which set the caption off as on the other buttons that open a prompt.</extracomment>
        <translation>   另存为…</translation>
    </message>
    <message>
        <source>Build</source>
        <comment>verb, on a button: build the page</comment>
        <extracomment>Button: makes the web page from the template, the title and the text, and writes it.</extracomment>
        <translation>生成</translation>
    </message>
    <message>
        <source>   Open...</source>
        <extracomment>Button: opens a project file chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   打开…</translation>
    </message>
    <message>
        <source>   Template...</source>
        <extracomment>Button: chooses the HTML template in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   模板…</translation>
    </message>
    <message>
        <source>New</source>
        <comment>on a button: start a new project</comment>
        <extracomment>Button: starts a new, empty project.</extracomment>
        <translation>新建</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: saves the project into its file.</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>   Build As...</source>
        <extracomment>Button: builds the page under a name chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   生成为…</translation>
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
