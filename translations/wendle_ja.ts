<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>BatchBuild</name>
    <message>
        <source>The project names no page; choose one with Build As in Wendle&apos;s window, then save the project.</source>
        <translation>プロジェクトにページが指定されていません。Wendle のウィンドウの「名前を付けて生成…」でページを選び、プロジェクトを保存してください。</translation>
    </message>
    <message>
        <source>The project writes its page outside the project&apos;s folder, %1; build it there with --allow-outside.</source>
        <translation>プロジェクトはページをプロジェクトのフォルダーの外に書き込みます。%1。そこに生成するには --allow-outside を付けてください。</translation>
    </message>
    <message>
        <source>No template has been chosen. Name one with --template FILE, or choose one in Wendle&apos;s window.</source>
        <translation>テンプレートが選択されていません。--template FILE で指定するか、Wendle のウィンドウで選択してください。</translation>
    </message>
    <message>
        <source>built %1</source>
        <extracomment>A line of --verbose output; %1 is the page written.</extracomment>
        <translation>生成しました：%1</translation>
    </message>
    <message>
        <source>There is not enough memory to build the page. Nothing was written.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>ページを生成するためのメモリーが足りません。何も書き込まれていません。</translation>
    </message>
</context>
<context>
    <name>BatchWatch</name>
    <message>
        <source>It was removed; its pages are rebuilt when it is back.</source>
        <translation>削除されました。再び作成されると、そのページを再生成します。</translation>
    </message>
    <message>
        <source>Cannot serve on 127.0.0.1:%1: %2.</source>
        <extracomment>%1 is a port number, %2 the reason.</extracomment>
        <translation>127.0.0.1:%1 で配信できません：%2。</translation>
    </message>
    <message>
        <source>preview: %1</source>
        <extracomment>%1 is the address where the page is served.</extracomment>
        <translation>プレビュー：%1</translation>
    </message>
    <message>
        <source>not served: %1 is hidden, or in a hidden folder</source>
        <translation>配信しません：%1 は隠しファイルか、隠しフォルダーの中にあります</translation>
    </message>
    <message>
        <source>not served: %1 is outside %2</source>
        <extracomment>%1 is the page, %2 the folder that is served.</extracomment>
        <translation>配信しません：%1 は %2 の外にあります</translation>
    </message>
</context>
<context>
    <name>CWendleApp</name>
    <message>
        <source>the window needs a display, and none was found (in an SSH session, a container or a
terminal without a desktop). Pages can be built without one: wendle --build PROJECT...</source>
        <translation>ウィンドウにはディスプレイが必要ですが、見つかりませんでした（SSH セッション、コンテナー、
デスクトップのない端末など）。ページはディスプレイなしでも生成できます：wendle --build PROJECT...</translation>
    </message>
    <message>
        <source>these arguments open the window; see wendle --help</source>
        <translation>これらの引数ではウィンドウが開きます。wendle --help を参照してください</translation>
    </message>
    <message>
        <source>the typing could not be kept for the next start: %1</source>
        <translation>入力内容を次回の起動のために保存できませんでした：%1</translation>
    </message>
    <message>
        <source>write error on standard output: %1</source>
        <translation>標準出力への書き込みエラー：%1</translation>
    </message>
    <message>
        <source>write error on standard output</source>
        <translation>標準出力への書き込みエラー</translation>
    </message>
</context>
<context>
    <name>CWendleDlg</name>
    <message>
        <source>There is not enough memory to finish this command.</source>
        <translation>このコマンドを完了するためのメモリが足りません。</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>コマンドに失敗しました：%1</translation>
    </message>
    <message>
        <source>The command failed for an unknown reason.</source>
        <translation>不明な理由でコマンドに失敗しました。</translation>
    </message>
    <message>
        <source>HTML files</source>
        <extracomment>Files shown in the page prompt.</extracomment>
        <translation>HTML ファイル</translation>
    </message>
    <message>
        <source>This project writes its page outside the project&apos;s folder, %1

Build the page there?</source>
        <extracomment>%1 is a line break and the page&apos;s path, as &quot;to
/home/a/page.html&quot;.</extracomment>
        <translation>このプロジェクトはページをプロジェクトのフォルダーの外に書き込みます。%1

そこにページを生成しますか？</translation>
    </message>
    <message>
        <source>The page was built, but it cannot be shown: %1</source>
        <translation>ページは生成されましたが、表示できません：%1</translation>
    </message>
    <message>
        <source>The page was built, but a hidden file is not shown in the browser.</source>
        <translation>ページは生成されましたが、隠しファイルはブラウザーに表示されません。</translation>
    </message>
    <message>
        <source>The page was built, but no browser could be started for %1.</source>
        <translation>ページは生成されましたが、%1 を開くブラウザーを起動できませんでした。</translation>
    </message>
    <message>
        <source>Wendle files</source>
        <extracomment>Files shown in the project prompts.</extracomment>
        <translation>Wendle ファイル</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written; choose another name with Save As.</source>
        <translation>プロジェクト %1 はテンプレートを置き換えてしまいます。何も書き込まれていません。「名前を付けて保存…」で別の名前を選んでください。</translation>
    </message>
    <message>
        <source>The title and text have changes that are not saved in a project or built into a page.

Save them first?</source>
        <translation>タイトルと本文に、プロジェクトに保存もページに生成もされていない変更があります。

先に保存しますか？</translation>
    </message>
    <message>
        <source>a project never saved, with no title</source>
        <translation>一度も保存されていない、タイトルのないプロジェクト</translation>
    </message>
    <message>
        <source>a project never saved, titled &quot;%1&quot;</source>
        <translation>一度も保存されていない、タイトルが「%1」のプロジェクト</translation>
    </message>
    <message>
        <source>Wendle was closed before the changes to %1 were saved (%2). Restore them?</source>
        <extracomment>%1 is the project&apos;s path or &quot;a project never saved, ...&quot;, %2 the time of the copy.</extracomment>
        <translation>%1 への変更が保存される前に Wendle が終了しました（%2）。復元しますか？</translation>
    </message>
    <message>
        <source>

The next Build writes the page %1.</source>
        <extracomment>&quot;Build&quot; is the window&apos;s button.</extracomment>
        <translation>

次に「生成」すると、ページ %1 に書き込みます。</translation>
    </message>
    <message>
        <source>Wendle cannot keep a recovery copy of your typing, so it would be lost if Wendle were killed.

%1</source>
        <translation>Wendle は入力内容の復元用コピーを保存できません。Wendle が強制終了されると、入力内容は失われます。

%1</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read: %1</source>
        <translation>復元用コピーを読み込めません：%1</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be removed: %2. It will not be offered again.</source>
        <translation>復元用コピー %1 を削除できません：%2。今後は表示されません。</translation>
    </message>
    <message numerus="yes">
        <source>The text of the project %1 holds a NUL byte after %n bytes; the %2 bytes from there on were left out, and a Save would remove them from the project.</source>
        <extracomment>%n and %2 are counts of bytes; %2 is the count left out. %1 is the project&apos;s path.</extracomment>
        <translation>
            <numerusform>プロジェクト %1 の本文には、先頭から %n バイトの後に NUL バイトがあります。そこから先の %2 バイトは省略されました。保存すると、それらはプロジェクトから削除されます。</numerusform>
        </translation>
    </message>
    <message>
        <source>The project %1 was replaced by another program with a file that is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>プロジェクト %1 は、別のプログラムによって Wendle のプロジェクトではないファイルに置き換えられました。何も保存されていません。「名前を付けて保存…」でこの作業を保存できます。</translation>
    </message>
    <message>
        <source>The project %1 is now a link to %2, which is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>プロジェクト %1 は現在 %2 へのリンクになっており、そのファイルは Wendle のプロジェクトではありません。何も保存されていません。「名前を付けて保存…」でこの作業を保存できます。</translation>
    </message>
    <message>
        <source>%1 (now a link to %2)</source>
        <extracomment>Named in the questions below: %1 is the project&apos;s path, %2 the file the link there now leads to.</extracomment>
        <translation>%1（現在は %2 へのリンク）</translation>
    </message>
    <message>
        <source>Wendle cannot tell whether the project %1 was changed by another program since this work was begun. Save over it?</source>
        <extracomment>%1 is the project&apos;s path.</extracomment>
        <translation>この作業を始めてから、プロジェクト %1 が別のプログラムによって変更されたかどうかを Wendle は判断できません。上書き保存しますか？</translation>
    </message>
    <message>
        <source>The project %1 was changed by another program after Wendle opened it. Save over it?</source>
        <translation>Wendle で開いた後に、プロジェクト %1 が別のプログラムによって変更されました。上書き保存しますか？</translation>
    </message>
    <message>
        <source>Choose another name for the page with Build As.</source>
        <extracomment>Follows a message that says why the page was not written. &quot;Build As&quot; is the button.</extracomment>
        <translation>「名前を付けて生成…」でページに別の名前を付けてください。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Rebuild each project&apos;s page, then exit.</source>
        <translation>各プロジェクトのページを再生成して終了します。</translation>
    </message>
    <message>
        <source>With --build: keep running, and rebuild a page whenever its project or its template changes, until Ctrl-C.</source>
        <translation>--build と併用：実行を続け、プロジェクトまたはテンプレートが変わるたびにページを再生成します（Ctrl-C まで）。</translation>
    </message>
    <message>
        <source>With --watch: serve the current directory on 127.0.0.1 and print the address of each page; a browser showing a page reloads it when it is rebuilt.</source>
        <translation>--watch と併用：カレントディレクトリーを 127.0.0.1 で配信し、各ページのアドレスを表示します。ページを表示しているブラウザーは、再生成のたびにページを再読み込みします。</translation>
    </message>
    <message>
        <source>With --serve: this port and no other (default: %1, or the next free one).</source>
        <extracomment>%1 is the default port number.</extracomment>
        <translation>--serve と併用：このポートだけを使います（既定：%1、または次の空いているポート）。</translation>
    </message>
    <message>
        <source>With --build or --output: the template for every page, instead of the one Wendle remembers (that one is looked up in each project&apos;s folder).</source>
        <translation>--build または --output と併用：Wendle が記憶しているテンプレートの代わりに、すべてのページに使うテンプレート（記憶しているものは各プロジェクトのフォルダーで探します）。</translation>
    </message>
    <message>
        <source>With --build: also build pages that a project names outside its own folder.</source>
        <translation>--build と併用：プロジェクトが自分のフォルダーの外に指定したページも生成します。</translation>
    </message>
    <message>
        <source>With --build: print a line per page built.</source>
        <translation>--build と併用：生成したページごとに 1 行表示します。</translation>
    </message>
    <message>
        <source>Build one page, without a project, into PAGE (- for standard output).</source>
        <translation>プロジェクトなしでページを 1 つ PAGE に生成します（- は標準出力）。</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s title.</source>
        <translation>--output と併用：ページのタイトル。</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s text, from FILE (- for standard input).</source>
        <translation>--output と併用：ページの本文を FILE から読みます（- は標準入力）。</translation>
    </message>
    <message>
        <source>With --output: also save the title, the text and the page&apos;s name as a project; only a project is replaced.</source>
        <translation>--output と併用：タイトル、本文、ページ名をプロジェクトとしても保存します。置き換えるのはプロジェクトだけです。</translation>
    </message>
    <message>
        <source>Print each project as text (for git diff).</source>
        <translation>各プロジェクトをテキストとして表示します（git diff 用）。</translation>
    </message>
    <message>
        <source>With --show: one JSON object a project.</source>
        <translation>--show と併用：プロジェクトごとに JSON オブジェクトを 1 つ。</translation>
    </message>
    <message>
        <source>Write the sample template and the welcome project into DIR.</source>
        <translation>サンプルのテンプレートとウェルカムプロジェクトを DIR に書き込みます。</translation>
    </message>
    <message>
        <source>--build, --output, --show and --init each go alone.</source>
        <translation>--build、--output、--show、--init はそれぞれ単独で使います。</translation>
    </message>
    <message>
        <source>--output and --init take no project.</source>
        <translation>--output と --init にはプロジェクトを指定できません。</translation>
    </message>
    <message>
        <source>--show needs at least one project.</source>
        <translation>--show には少なくとも 1 つのプロジェクトが必要です。</translation>
    </message>
    <message>
        <source>--json goes with --show.</source>
        <translation>--json は --show と併用します。</translation>
    </message>
    <message>
        <source>--build needs at least one project.</source>
        <translation>--build には少なくとも 1 つのプロジェクトが必要です。</translation>
    </message>
    <message>
        <source>The window opens one project; build several with --build.</source>
        <translation>ウィンドウで開けるプロジェクトは 1 つです。複数生成するには --build を使ってください。</translation>
    </message>
    <message>
        <source>--watch, --template, --allow-outside and --verbose go with --build.</source>
        <translation>--watch、--template、--allow-outside、--verbose は --build と併用します。</translation>
    </message>
    <message>
        <source>--serve goes with --watch.</source>
        <translation>--serve は --watch と併用します。</translation>
    </message>
    <message>
        <source>--port goes with --serve.</source>
        <translation>--port は --serve と併用します。</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535.</source>
        <translation>--port には 1 から 65535 までのポート番号を指定します。</translation>
    </message>
    <message>
        <source>--output, --template, --text, --save and --init each need a name, not an empty one.</source>
        <translation>--output、--template、--text、--save、--init には、それぞれ空でない名前が必要です。</translation>
    </message>
    <message>
        <source>Makes single HTML pages from a template. With no argument, or with a project, opens the window, where F12 builds the page and shows it in the browser; with --build, rebuilds the page of each project without a window; with --output, makes one page from a title and a text; with --show, prints projects as text.</source>
        <translation>テンプレートから単一の HTML ページを作ります。引数なし、またはプロジェクトを指定するとウィンドウを開き、F12 でページを生成してブラウザーに表示します。--build では各プロジェクトのページをウィンドウなしで再生成し、--output ではタイトルと本文から 1 ページを作り、--show ではプロジェクトをテキストとして表示します。</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示します。</translation>
    </message>
    <message>
        <source>A project file (*.wendle).</source>
        <translation>プロジェクトファイル（*.wendle）。</translation>
    </message>
    <message>
        <source>With --output: the text&apos;s format, markdown or html (default: markdown for a FILE named *.md or *.markdown, else html).</source>
        <translation>--output と併用：本文の形式、markdown または html（既定：FILE の名前が *.md か *.markdown なら markdown、それ以外は html）。</translation>
    </message>
    <message>
        <source>--title, --text, --from and --save go with --output.</source>
        <translation>--title、--text、--from、--save は --output と併用します。</translation>
    </message>
    <message>
        <source>--from takes markdown or html.</source>
        <translation>--from には markdown または html を指定します。</translation>
    </message>
    <message>
        <source>--output takes --template, --title, --text, --from and --save.</source>
        <translation>--output と併用できるのは --template、--title、--text、--from、--save です。</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>ファイル %1 を読み込めません：
%2。</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>ファイル %1 に書き込めません：
%2。</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>ファイルが選択されていません。</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>The current folder has been removed. Nothing was read or written; change to a folder that is there.</source>
        <translation>現在のフォルダーは削除されています。何も読み書きしていません。存在するフォルダーに移動してください。</translation>
    </message>
    <message>
        <source>The name %1 leads nowhere: the current folder it is taken from has been removed. Nothing was read or written; change to a folder that is there, or give the full path.</source>
        <extracomment>%1 is a file name without a folder, as typed.</extracomment>
        <translation>名前 %1 の行き先がありません：基準となる現在のフォルダーが削除されています。何も読み書きしていません。存在するフォルダーに移動するか、完全なパスを指定してください。</translation>
    </message>
    <message>
        <source>The name %1 is not UTF-8, and Wendle takes file names in UTF-8 only, so that no name can reach another file. Nothing was read or written; rename the file.</source>
        <extracomment>%1 is a file name as typed, each byte that is not UTF-8 shown as <byte value="x0"/>NN.</extracomment>
        <translation>名前 %1 は UTF-8 ではありません。名前が別のファイルを指さないよう、Wendle は UTF-8 のファイル名だけを受け付けます。何も読み書きしていません。ファイルの名前を変更してください。</translation>
    </message>
</context>
<context>
    <name>Finder</name>
    <message>
        <source>Fi&amp;nd what:</source>
        <extracomment>The label of the field that holds the text to find.</extracomment>
        <translation>検索する文字列(&amp;N)：</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <extracomment>The label of the field that holds the text that replaces what is found.</extracomment>
        <translation>置換後の文字列(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>大文字と小文字を区別する(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Whole words</source>
        <extracomment>Finds the text only where it is a whole word, not part of a longer one.</extracomment>
        <translation>単語単位で探す(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>次を検索(&amp;F)</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>前を検索(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>A button: replaces the match that is selected, then finds the next one.</extracomment>
        <translation>置換(&amp;R)</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>すべて置換(&amp;A)</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>The title of the finder&apos;s window when it finds, and when it also replaces.</extracomment>
        <translation>置換</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>There is not enough memory to search this text.</source>
        <translation>本文を検索するためのメモリーが足りません。</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>検索に失敗しました：%1</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>見つかりません。</translation>
    </message>
    <message>
        <source>Passed the start; continued from the end.</source>
        <extracomment>Said when a search backward has passed the start of the text.</extracomment>
        <translation>先頭を過ぎたため、末尾から続けました。</translation>
    </message>
    <message>
        <source>Passed the end; continued from the start.</source>
        <extracomment>Said when a search has passed the end of the text.</extracomment>
        <translation>末尾を過ぎたため、先頭から続けました。</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced.</source>
        <extracomment>%n is how many matches were replaced.</extracomment>
        <translation>
            <numerusform>%n 件置換しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file</source>
        <translation>ファイルではなく、デバイス、パイプ、またはソケットです</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, the most Wendle reads of such a file</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>%1 バイトを超えています。Wendle がこの種のファイルから読むのはそこまでです</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Restore</source>
        <extracomment>Button of the question that offers typing a window left unsaved: bring it back.</extracomment>
        <translation>復元</translation>
    </message>
</context>
<context>
    <name>OnePage</name>
    <message>
        <source>Cannot read standard input: %1.</source>
        <translation>標準入力を読み込めません：%1。</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>標準出力に書き込めません：%1。</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the title; the page written so far is incomplete.</source>
        <translation>テンプレート %1 にタイトルのマーカーがありません。ここまでに書き込んだページは不完全です。</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the text; the page written so far is incomplete.</source>
        <translation>テンプレート %1 に本文のマーカーがありません。ここまでに書き込んだページは不完全です。</translation>
    </message>
    <message>
        <source>The page %1 is not a plain name in the project&apos;s folder (a backslash counts as a folder), so --build would refuse the project; keep the project beside its page. Nothing was written.</source>
        <translation>ページ %1 はプロジェクトのフォルダー内の単純な名前ではありません（バックスラッシュはフォルダーとして扱われます）。そのため --build はこのプロジェクトを拒否します。プロジェクトはページと同じ場所に置いてください。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written.</source>
        <translation>プロジェクト %1 はテンプレートを置き換えてしまいます。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>%1 is not a Wendle project, and --save replaces only a project. Nothing was written.</source>
        <translation>%1 は Wendle のプロジェクトではありません。--save で置き換えられるのはプロジェクトだけです。何も書き込まれていません。</translation>
    </message>
    <message numerus="yes">
        <source>warning: the text holds a NUL byte after %n bytes; the %1 bytes from there on were left out.</source>
        <extracomment>%n and %1 are counts of bytes; %1 is the count left out.</extracomment>
        <translation>
            <numerusform>警告：本文の先頭から %n バイトの後に NUL バイトがあります。そこから先の %1 バイトは省略されました。</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>Standard output is the template %1. Nothing was written.</source>
        <translation>標準出力がテンプレート %1 になっています。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE, or another template with --template FILE.</source>
        <translation>--output PAGE で別のページを、または --template FILE で別のテンプレートを指定してください。</translation>
    </message>
    <message>
        <source>The project %1 would replace the page. Nothing was written.</source>
        <translation>プロジェクト %1 はページを置き換えてしまいます。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Standard input does not fit in the memory Wendle may use. Nothing was written.</source>
        <translation>標準入力が Wendle の使えるメモリーに収まりません。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Standard input holds more than %1 bytes, more than a project can hold. Nothing was written.</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>標準入力が %1 バイトを超えており、プロジェクトに収まりません。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE.</source>
        <translation>--output PAGE で別のページを指定してください。</translation>
    </message>
    <message>
        <source>There is not enough memory to make the page. Nothing was written.</source>
        <translation>ページを生成するためのメモリーが足りません。何も書き込まれていません。</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>同じ名前のフォルダーがあります</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file to replace</source>
        <translation>置き換えられるファイルではなく、デバイス、パイプ、またはソケットです</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written: %3</source>
        <extracomment>%1 and %2 are counts of bytes, %3 the reason.</extracomment>
        <translation>%2 バイト中 %1 バイトしか書き込めませんでした：%3</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>The run was stopped by a signal</source>
        <extracomment>The reason a file was not written: Ctrl-C, or a signal that ends the program.</extracomment>
        <translation>シグナルによって実行が中断されました</translation>
    </message>
</context>
<context>
    <name>PageBuild</name>
    <message>
        <source>to
%1</source>
        <extracomment>Where a page is written, after &quot;outside the project&apos;s folder,&quot;.</extracomment>
        <translation>書き込み先：
%1</translation>
    </message>
    <message>
        <source>
through the link %1</source>
        <translation>
（リンク %1 経由）</translation>
    </message>
    <message>
        <source>The page %1 would replace %2. Nothing was written.</source>
        <extracomment>%2 is one of &quot;its own template&quot;, &quot;the file its text is read from&quot;, &quot;the project it is built from&quot;, &quot;a Wendle project&quot;.</extracomment>
        <translation>ページ %1 は%2を置き換えてしまいます。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>its own template</source>
        <translation>自身のテンプレート</translation>
    </message>
    <message>
        <source>the project it is built from</source>
        <translation>生成元のプロジェクト</translation>
    </message>
    <message>
        <source>a Wendle project</source>
        <translation>Wendle のプロジェクト</translation>
    </message>
    <message>
        <source>the title (the first &quot;%s&quot;)</source>
        <translation>タイトル（1 つ目の「%s」）</translation>
    </message>
    <message>
        <source>the text (the second &quot;%s&quot;)</source>
        <translation>本文（2 つ目の「%s」）</translation>
    </message>
    <message>
        <source>The template %1 has no marker for %2. Nothing was written.</source>
        <extracomment>%2 is &quot;the title (the first &quot;%s&quot;)&quot; or &quot;the text (...)&quot;; the template holds &quot;%s&quot; as typed.</extracomment>
        <translation>テンプレート %1 に%2のマーカーがありません。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>No template has been chosen. Choose one with the Template button.</source>
        <extracomment>&quot;Template&quot; is the caption of the window&apos;s button.</extracomment>
        <translation>テンプレートが選択されていません。「テンプレート…」ボタンで選択してください。</translation>
    </message>
    <message>
        <source>the file its text is read from</source>
        <translation>本文の読み込み元のファイル</translation>
    </message>
</context>
<context>
    <name>PreviewServer</name>
    <message>
        <source>The preview module libwendle_preview.so is not installed beside %1.</source>
        <translation>プレビューモジュール libwendle_preview.so が %1 と同じ場所にインストールされていません。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 を開けません：%2</translation>
    </message>
    <message>
        <source>the port cannot be used</source>
        <translation>ポートを使用できません</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>It is too large to be a Wendle project</source>
        <translation>Wendle のプロジェクトとしては大きすぎます</translation>
    </message>
    <message>
        <source>It is not a Wendle project, or it is damaged</source>
        <translation>Wendle のプロジェクトではないか、破損しています</translation>
    </message>
    <message>
        <source>The title and text are too long for a project file, which holds at most 4 GiB.</source>
        <translation>タイトルと本文が長すぎて、プロジェクトファイルに収まりません（最大 4 GiB）。</translation>
    </message>
</context>
<context>
    <name>ProjectScripts</name>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>kept %1, which is there already</source>
        <translation>%1 は既にあるため、そのままにしました</translation>
    </message>
    <message>
        <source>The sample %1 is missing from the program.</source>
        <translation>サンプル %1 がプログラムに含まれていません。</translation>
    </message>
    <message>
        <source>Open the welcome project with:
  cd %1 &amp;&amp; wendle welcome.wendle</source>
        <extracomment>%1 is the folder, quoted for the shell; the command stays as it is.</extracomment>
        <translation>ウェルカムプロジェクトを開くには：
  cd %1 &amp;&amp; wendle welcome.wendle</translation>
    </message>
    <message>
        <source>%1 is in the way: it is not a file (a folder, a link to nothing, a device or a pipe). Nothing was written.</source>
        <translation>%1 があるため書き込めません：ファイルではありません（フォルダー、行き先のないリンク、デバイス、パイプのいずれか）。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>There is not enough memory to show the project.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>プロジェクトを表示するためのメモリーが足りません。</translation>
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
        <translation>説明ファイルが破損しています。</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>It is too large to be a description</source>
        <translation>説明ファイルとしては大きすぎます</translation>
    </message>
    <message>
        <source>It was moved aside to %1.</source>
        <translation>%1 に退避しました。</translation>
    </message>
    <message>
        <source>It cannot be moved aside (%1), so it stays where it is, and it will not be read again.</source>
        <translation>退避できません（%1）。そのまま残し、今後は読み込みません。</translation>
    </message>
    <message>
        <source>It does not fit in the memory Wendle may use.</source>
        <extracomment>&quot;It&quot; is a recovery copy of the window&apos;s typing.</extracomment>
        <translation>このコピーは Wendle が使えるメモリーに収まりません。</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>(no suggestions)</source>
        <extracomment>Shown, greyed, in place of corrections when the dictionary has none.</extracomment>
        <translation>（候補なし）</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <extracomment>Adds the word to the personal word list that the desktop&apos;s programs share.</extracomment>
        <translation>辞書に追加</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <extracomment>Accepts the word everywhere until Wendle ends.</extracomment>
        <translation>すべて無視</translation>
    </message>
    <message>
        <source>No spelling dictionary for %1: install %2</source>
        <extracomment>%1 is a language tag such as de-DE, %2 the Debian package of its dictionary.</extracomment>
        <translation>%1 のスペル辞書がありません：%2 をインストールしてください</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>スペルチェック</translation>
    </message>
</context>
<context>
    <name>WendleDialog</name>
    <message>
        <source>HTML Template files</source>
        <extracomment>Files shown in the template prompt.</extracomment>
        <translation>HTML テンプレートファイル</translation>
    </message>
    <message>
        <source>Choose an HTML template</source>
        <translation>HTML テンプレートの選択</translation>
    </message>
    <message>
        <source>Title:</source>
        <extracomment>Label before the one-line field for the page&apos;s title.</extracomment>
        <translation>タイトル：</translation>
    </message>
    <message>
        <source>Text:</source>
        <extracomment>Label above the large field for the page&apos;s body text.</extracomment>
        <translation>本文：</translation>
    </message>
    <message>
        <source>   Save As...</source>
        <extracomment>Button: saves the project under a name chosen in a file prompt. Keep the three leading blanks, which set the caption off as on the other buttons that open a prompt.</extracomment>
        <translation>   名前を付けて保存…</translation>
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
        <translation>   開く…</translation>
    </message>
    <message>
        <source>   Template...</source>
        <extracomment>Button: chooses the HTML template in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   テンプレート…</translation>
    </message>
    <message>
        <source>New</source>
        <comment>on a button: start a new project</comment>
        <extracomment>Button: starts a new, empty project.</extracomment>
        <translation>新規</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: saves the project into its file.</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>   Build As...</source>
        <extracomment>Button: builds the page under a name chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   名前を付けて生成…</translation>
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
