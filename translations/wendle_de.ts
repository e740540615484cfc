<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BatchBuild</name>
    <message>
        <source>The project names no page; choose one with Build As in Wendle&apos;s window, then save the project.</source>
        <translation>Das Projekt nennt keine Seite; wählen Sie eine mit „Erstellen unter …“ im Fenster von Wendle und speichern Sie dann das Projekt.</translation>
    </message>
    <message>
        <source>The project writes its page outside the project&apos;s folder, %1; build it there with --allow-outside.</source>
        <translation>Das Projekt schreibt seine Seite außerhalb des Projektordners, %1; erstellen Sie sie dort mit --allow-outside.</translation>
    </message>
    <message>
        <source>No template has been chosen. Name one with --template FILE, or choose one in Wendle&apos;s window.</source>
        <translation>Es wurde keine Vorlage ausgewählt. Nennen Sie eine mit --template FILE oder wählen Sie eine im Fenster von Wendle.</translation>
    </message>
    <message>
        <source>built %1</source>
        <extracomment>A line of --verbose output; %1 is the page written.</extracomment>
        <translation>erstellt: %1</translation>
    </message>
    <message>
        <source>There is not enough memory to build the page. Nothing was written.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>Der Speicher reicht nicht aus, um die Seite zu erstellen. Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>BatchWatch</name>
    <message>
        <source>It was removed; its pages are rebuilt when it is back.</source>
        <translation>Die Datei wurde entfernt; ihre Seiten werden neu erstellt, sobald sie wieder da ist.</translation>
    </message>
    <message>
        <source>Cannot serve on 127.0.0.1:%1: %2.</source>
        <extracomment>%1 is a port number, %2 the reason.</extracomment>
        <translation>Auf 127.0.0.1:%1 kann nicht bereitgestellt werden: %2.</translation>
    </message>
    <message>
        <source>preview: %1</source>
        <extracomment>%1 is the address where the page is served.</extracomment>
        <translation>Vorschau: %1</translation>
    </message>
    <message>
        <source>not served: %1 is hidden, or in a hidden folder</source>
        <translation>nicht bereitgestellt: %1 ist versteckt oder liegt in einem versteckten Ordner</translation>
    </message>
    <message>
        <source>not served: %1 is outside %2</source>
        <extracomment>%1 is the page, %2 the folder that is served.</extracomment>
        <translation>nicht bereitgestellt: %1 liegt außerhalb von %2</translation>
    </message>
</context>
<context>
    <name>CWendleApp</name>
    <message>
        <source>the window needs a display, and none was found (in an SSH session, a container or a
terminal without a desktop). Pages can be built without one: wendle --build PROJECT...</source>
        <translation>das Fenster braucht eine Anzeige, und es wurde keine gefunden (in einer SSH-Sitzung, einem Container oder einem
Terminal ohne Desktop). Seiten lassen sich auch ohne Anzeige erstellen: wendle --build PROJECT...</translation>
    </message>
    <message>
        <source>these arguments open the window; see wendle --help</source>
        <translation>diese Argumente öffnen das Fenster; siehe wendle --help</translation>
    </message>
    <message>
        <source>the typing could not be kept for the next start: %1</source>
        <translation>die Eingaben konnten nicht für den nächsten Start aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>write error on standard output: %1</source>
        <translation>Schreibfehler auf der Standardausgabe: %1</translation>
    </message>
    <message>
        <source>write error on standard output</source>
        <translation>Schreibfehler auf der Standardausgabe</translation>
    </message>
</context>
<context>
    <name>CWendleDlg</name>
    <message>
        <source>There is not enough memory to finish this command.</source>
        <translation>Für diesen Befehl ist nicht genügend Arbeitsspeicher frei.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>Der Befehl ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The command failed for an unknown reason.</source>
        <translation>Der Befehl ist aus unbekanntem Grund fehlgeschlagen.</translation>
    </message>
    <message>
        <source>HTML files</source>
        <extracomment>Files shown in the page prompt.</extracomment>
        <translation>HTML-Dateien</translation>
    </message>
    <message>
        <source>This project writes its page outside the project&apos;s folder, %1

Build the page there?</source>
        <extracomment>%1 is a line break and the page&apos;s path, as &quot;to
/home/a/page.html&quot;.</extracomment>
        <translation>Dieses Projekt schreibt seine Seite außerhalb des Projektordners, %1

Die Seite dort erstellen?</translation>
    </message>
    <message>
        <source>The page was built, but it cannot be shown: %1</source>
        <translation>Die Seite wurde erstellt, kann aber nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>The page was built, but a hidden file is not shown in the browser.</source>
        <translation>Die Seite wurde erstellt, aber eine versteckte Datei wird im Browser nicht angezeigt.</translation>
    </message>
    <message>
        <source>The page was built, but no browser could be started for %1.</source>
        <translation>Die Seite wurde erstellt, aber für %1 konnte kein Browser gestartet werden.</translation>
    </message>
    <message>
        <source>Wendle files</source>
        <extracomment>Files shown in the project prompts.</extracomment>
        <translation>Wendle-Dateien</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written; choose another name with Save As.</source>
        <translation>Das Projekt %1 würde die Vorlage ersetzen. Es wurde nichts geschrieben; wählen Sie mit „Speichern unter …“ einen anderen Namen.</translation>
    </message>
    <message>
        <source>The title and text have changes that are not saved in a project or built into a page.

Save them first?</source>
        <translation>Titel und Text enthalten Änderungen, die weder in einem Projekt gespeichert noch in eine Seite übernommen wurden.

Zuerst speichern?</translation>
    </message>
    <message>
        <source>a project never saved, with no title</source>
        <translation>ein nie gespeichertes Projekt ohne Titel</translation>
    </message>
    <message>
        <source>a project never saved, titled &quot;%1&quot;</source>
        <translation>ein nie gespeichertes Projekt mit dem Titel „%1“</translation>
    </message>
    <message>
        <source>Wendle was closed before the changes to %1 were saved (%2). Restore them?</source>
        <extracomment>%1 is the project&apos;s path or &quot;a project never saved, ...&quot;, %2 the time of the copy.</extracomment>
        <translation>Wendle wurde geschlossen, bevor die Änderungen gespeichert waren (%2). Betroffen ist %1. Wiederherstellen?</translation>
    </message>
    <message>
        <source>

The next Build writes the page %1.</source>
        <extracomment>&quot;Build&quot; is the window&apos;s button.</extracomment>
        <translation>

Das nächste „Erstellen“ schreibt die Seite %1.</translation>
    </message>
    <message>
        <source>Wendle cannot keep a recovery copy of your typing, so it would be lost if Wendle were killed.

%1</source>
        <translation>Wendle kann keine Wiederherstellungskopie Ihrer Eingaben anlegen; sie gingen verloren, falls Wendle gewaltsam beendet würde.

%1</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read: %1</source>
        <translation>Eine Wiederherstellungskopie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be removed: %2. It will not be offered again.</source>
        <translation>Die Wiederherstellungskopie %1 kann nicht entfernt werden: %2. Die Kopie wird nicht wieder angeboten.</translation>
    </message>
    <message numerus="yes">
        <source>The text of the project %1 holds a NUL byte after %n bytes; the %2 bytes from there on were left out, and a Save would remove them from the project.</source>
        <extracomment>%n and %2 are counts of bytes; %2 is the count left out. %1 is the project&apos;s path.</extracomment>
        <translation>
            <numerusform>Der Text des Projekts %1 enthält nach %n Byte ein NUL-Byte; die %2 Byte ab dort wurden weggelassen, und beim Speichern würden sie aus dem Projekt entfernt.</numerusform>
            <numerusform>Der Text des Projekts %1 enthält nach %n Byte ein NUL-Byte; die %2 Byte ab dort wurden weggelassen, und beim Speichern würden sie aus dem Projekt entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The project %1 was replaced by another program with a file that is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>Das Projekt %1 wurde von einem anderen Programm durch eine Datei ersetzt, die kein Wendle-Projekt ist. Es wurde nichts gespeichert; mit „Speichern unter …“ lässt sich diese Arbeit weiterhin speichern.</translation>
    </message>
    <message>
        <source>The project %1 is now a link to %2, which is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>Das Projekt %1 ist jetzt ein Verweis auf %2, und das ist kein Wendle-Projekt. Es wurde nichts gespeichert; mit „Speichern unter …“ lässt sich diese Arbeit weiterhin speichern.</translation>
    </message>
    <message>
        <source>%1 (now a link to %2)</source>
        <extracomment>Named in the questions below: %1 is the project&apos;s path, %2 the file the link there now leads to.</extracomment>
        <translation>%1 (jetzt ein Verweis auf %2)</translation>
    </message>
    <message>
        <source>Wendle cannot tell whether the project %1 was changed by another program since this work was begun. Save over it?</source>
        <extracomment>%1 is the project&apos;s path.</extracomment>
        <translation>Wendle kann nicht feststellen, ob das Projekt %1 seit Beginn dieser Arbeit von einem anderen Programm geändert wurde. Trotzdem darüber speichern?</translation>
    </message>
    <message>
        <source>The project %1 was changed by another program after Wendle opened it. Save over it?</source>
        <translation>Das Projekt %1 wurde von einem anderen Programm geändert, nachdem Wendle es geöffnet hatte. Trotzdem darüber speichern?</translation>
    </message>
    <message>
        <source>Choose another name for the page with Build As.</source>
        <extracomment>Follows a message that says why the page was not written. &quot;Build As&quot; is the button.</extracomment>
        <translation>Wählen Sie mit „Erstellen unter …“ einen anderen Namen für die Seite.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Rebuild each project&apos;s page, then exit.</source>
        <translation>Die Seite jedes Projekts neu erstellen, dann beenden.</translation>
    </message>
    <message>
        <source>With --build: keep running, and rebuild a page whenever its project or its template changes, until Ctrl-C.</source>
        <translation>Mit --build: weiterlaufen und eine Seite neu erstellen, sobald sich ihr Projekt oder ihre Vorlage ändert, bis Strg+C.</translation>
    </message>
    <message>
        <source>With --watch: serve the current directory on 127.0.0.1 and print the address of each page; a browser showing a page reloads it when it is rebuilt.</source>
        <translation>Mit --watch: das aktuelle Verzeichnis auf 127.0.0.1 bereitstellen und die Adresse jeder Seite ausgeben; ein Browser, der eine Seite zeigt, lädt sie neu, wenn sie neu erstellt wird.</translation>
    </message>
    <message>
        <source>With --serve: this port and no other (default: %1, or the next free one).</source>
        <extracomment>%1 is the default port number.</extracomment>
        <translation>Mit --serve: genau dieser Port (Standard: %1 oder der nächste freie).</translation>
    </message>
    <message>
        <source>With --build or --output: the template for every page, instead of the one Wendle remembers (that one is looked up in each project&apos;s folder).</source>
        <translation>Mit --build oder --output: die Vorlage für jede Seite anstelle derjenigen, die sich Wendle merkt (diese wird im Ordner jedes Projekts gesucht).</translation>
    </message>
    <message>
        <source>With --build: also build pages that a project names outside its own folder.</source>
        <translation>Mit --build: auch Seiten erstellen, die ein Projekt außerhalb seines eigenen Ordners angibt.</translation>
    </message>
    <message>
        <source>With --build: print a line per page built.</source>
        <translation>Mit --build: für jede erstellte Seite eine Zeile ausgeben.</translation>
    </message>
    <message>
        <source>Build one page, without a project, into PAGE (- for standard output).</source>
        <translation>Eine Seite ohne Projekt in PAGE erstellen (- für die Standardausgabe).</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s title.</source>
        <translation>Mit --output: der Titel der Seite.</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s text, from FILE (- for standard input).</source>
        <translation>Mit --output: der Text der Seite, aus FILE (- für die Standardeingabe).</translation>
    </message>
    <message>
        <source>With --output: also save the title, the text and the page&apos;s name as a project; only a project is replaced.</source>
        <translation>Mit --output: Titel, Text und Namen der Seite zusätzlich als Projekt speichern; ersetzt wird nur ein Projekt.</translation>
    </message>
    <message>
        <source>Print each project as text (for git diff).</source>
        <translation>Jedes Projekt als Text ausgeben (für git diff).</translation>
    </message>
    <message>
        <source>With --show: one JSON object a project.</source>
        <translation>Mit --show: ein JSON-Objekt pro Projekt.</translation>
    </message>
    <message>
        <source>Write the sample template and the welcome project into DIR.</source>
        <translation>Die Beispielvorlage und das Willkommensprojekt nach DIR schreiben.</translation>
    </message>
    <message>
        <source>--build, --output, --show and --init each go alone.</source>
        <translation>--build, --output, --show und --init lassen sich nur einzeln verwenden.</translation>
    </message>
    <message>
        <source>--output and --init take no project.</source>
        <translation>--output und --init nehmen kein Projekt an.</translation>
    </message>
    <message>
        <source>--show needs at least one project.</source>
        <translation>--show braucht mindestens ein Projekt.</translation>
    </message>
    <message>
        <source>--json goes with --show.</source>
        <translation>--json gehört zu --show.</translation>
    </message>
    <message>
        <source>--build needs at least one project.</source>
        <translation>--build braucht mindestens ein Projekt.</translation>
    </message>
    <message>
        <source>The window opens one project; build several with --build.</source>
        <translation>Das Fenster öffnet ein Projekt; mehrere erstellen Sie mit --build.</translation>
    </message>
    <message>
        <source>--watch, --template, --allow-outside and --verbose go with --build.</source>
        <translation>--watch, --template, --allow-outside und --verbose gehören zu --build.</translation>
    </message>
    <message>
        <source>--serve goes with --watch.</source>
        <translation>--serve gehört zu --watch.</translation>
    </message>
    <message>
        <source>--port goes with --serve.</source>
        <translation>--port gehört zu --serve.</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535.</source>
        <translation>--port erwartet eine Portnummer von 1 bis 65535.</translation>
    </message>
    <message>
        <source>--output, --template, --text, --save and --init each need a name, not an empty one.</source>
        <translation>--output, --template, --text, --save und --init brauchen jeweils einen Namen, keinen leeren.</translation>
    </message>
    <message>
        <source>Makes single HTML pages from a template. With no argument, or with a project, opens the window, where F12 builds the page and shows it in the browser; with --build, rebuilds the page of each project without a window; with --output, makes one page from a title and a text; with --show, prints projects as text.</source>
        <translation>Erstellt einzelne HTML-Seiten aus einer Vorlage. Ohne Argument oder mit einem Projekt öffnet es das Fenster, in dem F12 die Seite erstellt und im Browser zeigt; mit --build erstellt es die Seite jedes Projekts ohne Fenster neu; mit --output erstellt es eine Seite aus einem Titel und einem Text; mit --show gibt es Projekte als Text aus.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>A project file (*.wendle).</source>
        <translation>Eine Projektdatei (*.wendle).</translation>
    </message>
    <message>
        <source>With --output: the text&apos;s format, markdown or html (default: markdown for a FILE named *.md or *.markdown, else html).</source>
        <translation>Mit --output: das Format des Textes, markdown oder html (Vorgabe: markdown für eine FILE namens *.md oder *.markdown, sonst html).</translation>
    </message>
    <message>
        <source>--title, --text, --from and --save go with --output.</source>
        <translation>--title, --text, --from und --save gehören zu --output.</translation>
    </message>
    <message>
        <source>--from takes markdown or html.</source>
        <translation>--from erwartet markdown oder html.</translation>
    </message>
    <message>
        <source>--output takes --template, --title, --text, --from and --save.</source>
        <translation>--output nimmt --template, --title, --text, --from und --save an.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Es wurde keine Datei ausgewählt.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>The current folder has been removed. Nothing was read or written; change to a folder that is there.</source>
        <translation>Der aktuelle Ordner wurde entfernt. Es wurde nichts gelesen oder geschrieben; wechseln Sie in einen vorhandenen Ordner.</translation>
    </message>
    <message>
        <source>The name %1 leads nowhere: the current folder it is taken from has been removed. Nothing was read or written; change to a folder that is there, or give the full path.</source>
        <extracomment>%1 is a file name without a folder, as typed.</extracomment>
        <translation>Der Name %1 führt ins Leere: Der aktuelle Ordner, von dem aus er gilt, wurde entfernt. Es wurde nichts gelesen oder geschrieben; wechseln Sie in einen vorhandenen Ordner oder geben Sie den vollständigen Pfad an.</translation>
    </message>
    <message>
        <source>The name %1 is not UTF-8, and Wendle takes file names in UTF-8 only, so that no name can reach another file. Nothing was read or written; rename the file.</source>
        <extracomment>%1 is a file name as typed, each byte that is not UTF-8 shown as <byte value="x0"/>NN.</extracomment>
        <translation>Der Name %1 ist kein UTF-8, und Wendle nimmt Dateinamen nur in UTF-8 an, damit kein Name eine andere Datei treffen kann. Es wurde nichts gelesen oder geschrieben; benennen Sie die Datei um.</translation>
    </message>
</context>
<context>
    <name>Finder</name>
    <message>
        <source>Fi&amp;nd what:</source>
        <extracomment>The label of the field that holds the text to find.</extracomment>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <extracomment>The label of the field that holds the text that replaces what is found.</extracomment>
        <translation>&amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>Groß-/Kleinschreibung &amp;beachten</translation>
    </message>
    <message>
        <source>&amp;Whole words</source>
        <extracomment>Finds the text only where it is a whole word, not part of a longer one.</extracomment>
        <translation>Nur ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Nächstes suchen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Vorheriges suchen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>A button: replaces the match that is selected, then finds the next one.</extracomment>
        <translation>E&amp;rsetzen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>The title of the finder&apos;s window when it finds, and when it also replaces.</extracomment>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>There is not enough memory to search this text.</source>
        <translation>Der Speicher reicht nicht aus, um diesen Text zu durchsuchen.</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>Die Suche ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Nicht gefunden.</translation>
    </message>
    <message>
        <source>Passed the start; continued from the end.</source>
        <extracomment>Said when a search backward has passed the start of the text.</extracomment>
        <translation>Anfang erreicht; am Ende fortgesetzt.</translation>
    </message>
    <message>
        <source>Passed the end; continued from the start.</source>
        <extracomment>Said when a search has passed the end of the text.</extracomment>
        <translation>Ende erreicht; am Anfang fortgesetzt.</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced.</source>
        <extracomment>%n is how many matches were replaced.</extracomment>
        <translation>
            <numerusform>%n ersetzt.</numerusform>
            <numerusform>%n ersetzt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file</source>
        <translation>Es ist ein Gerät, eine Pipe oder ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, the most Wendle reads of such a file</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>Die Datei ist größer als %1 Byte, das Höchste, was Wendle von einer solchen Datei liest</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Restore</source>
        <extracomment>Button of the question that offers typing a window left unsaved: bring it back.</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>OnePage</name>
    <message>
        <source>Cannot read standard input: %1.</source>
        <translation>Die Standardeingabe kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>In die Standardausgabe kann nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the title; the page written so far is incomplete.</source>
        <translation>Die Vorlage %1 hat keine Markierung für den Titel; die bisher geschriebene Seite ist unvollständig.</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the text; the page written so far is incomplete.</source>
        <translation>Die Vorlage %1 hat keine Markierung für den Text; die bisher geschriebene Seite ist unvollständig.</translation>
    </message>
    <message>
        <source>The page %1 is not a plain name in the project&apos;s folder (a backslash counts as a folder), so --build would refuse the project; keep the project beside its page. Nothing was written.</source>
        <translation>Die Seite %1 ist kein einfacher Name im Ordner des Projekts (ein Backslash zählt als Ordner), daher würde --build das Projekt ablehnen; legen Sie das Projekt neben seine Seite. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written.</source>
        <translation>Das Projekt %1 würde die Vorlage ersetzen. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is not a Wendle project, and --save replaces only a project. Nothing was written.</source>
        <translation>%1 ist kein Wendle-Projekt, und --save ersetzt nur ein Projekt. Es wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>warning: the text holds a NUL byte after %n bytes; the %1 bytes from there on were left out.</source>
        <extracomment>%n and %1 are counts of bytes; %1 is the count left out.</extracomment>
        <translation>
            <numerusform>Warnung: Der Text enthält nach %n Byte ein NUL-Byte; die %1 Byte ab dort wurden weggelassen.</numerusform>
            <numerusform>Warnung: Der Text enthält nach %n Byte ein NUL-Byte; die %1 Byte ab dort wurden weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>Standard output is the template %1. Nothing was written.</source>
        <translation>Die Standardausgabe ist die Vorlage %1. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE, or another template with --template FILE.</source>
        <translation>Geben Sie mit --output PAGE eine andere Seite oder mit --template FILE eine andere Vorlage an.</translation>
    </message>
    <message>
        <source>The project %1 would replace the page. Nothing was written.</source>
        <translation>Das Projekt %1 würde die Seite ersetzen. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Standard input does not fit in the memory Wendle may use. Nothing was written.</source>
        <translation>Die Standardeingabe passt nicht in den Speicher, den Wendle verwenden darf. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Standard input holds more than %1 bytes, more than a project can hold. Nothing was written.</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>Die Standardeingabe enthält mehr als %1 Byte, mehr als ein Projekt fassen kann. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE.</source>
        <translation>Nennen Sie mit --output PAGE eine andere Seite.</translation>
    </message>
    <message>
        <source>There is not enough memory to make the page. Nothing was written.</source>
        <translation>Der Speicher reicht nicht aus, um die Seite zu erstellen. Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Es gibt bereits einen Ordner mit diesem Namen</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file to replace</source>
        <translation>Es ist ein Gerät, eine Pipe oder ein Socket, keine Datei, die ersetzt werden kann</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written: %3</source>
        <extracomment>%1 and %2 are counts of bytes, %3 the reason.</extracomment>
        <translation>Nur %1 von %2 Byte konnten geschrieben werden: %3</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>The run was stopped by a signal</source>
        <extracomment>The reason a file was not written: Ctrl-C, or a signal that ends the program.</extracomment>
        <translation>Der Lauf wurde durch ein Signal beendet</translation>
    </message>
</context>
<context>
    <name>PageBuild</name>
    <message>
        <source>to
%1</source>
        <extracomment>Where a page is written, after &quot;outside the project&apos;s folder,&quot;.</extracomment>
        <translation>nach
%1</translation>
    </message>
    <message>
        <source>
through the link %1</source>
        <translation>
über die Verknüpfung %1</translation>
    </message>
    <message>
        <source>The page %1 would replace %2. Nothing was written.</source>
        <extracomment>%2 is one of &quot;its own template&quot;, &quot;the file its text is read from&quot;, &quot;the project it is built from&quot;, &quot;a Wendle project&quot;.</extracomment>
        <translation>Die Seite %1 würde %2 ersetzen. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>its own template</source>
        <translation>ihre eigene Vorlage</translation>
    </message>
    <message>
        <source>the project it is built from</source>
        <translation>das Projekt, aus dem sie erstellt wird</translation>
    </message>
    <message>
        <source>a Wendle project</source>
        <translation>ein Wendle-Projekt</translation>
    </message>
    <message>
        <source>the title (the first &quot;%s&quot;)</source>
        <translation>den Titel (das erste „%s“)</translation>
    </message>
    <message>
        <source>the text (the second &quot;%s&quot;)</source>
        <translation>den Text (das zweite „%s“)</translation>
    </message>
    <message>
        <source>The template %1 has no marker for %2. Nothing was written.</source>
        <extracomment>%2 is &quot;the title (the first &quot;%s&quot;)&quot; or &quot;the text (...)&quot;; the template holds &quot;%s&quot; as typed.</extracomment>
        <translation>Die Vorlage %1 hat keine Markierung für %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No template has been chosen. Choose one with the Template button.</source>
        <extracomment>&quot;Template&quot; is the caption of the window&apos;s button.</extracomment>
        <translation>Es wurde keine Vorlage ausgewählt. Wählen Sie eine mit der Schaltfläche „Vorlage …“.</translation>
    </message>
    <message>
        <source>the file its text is read from</source>
        <translation>die Datei, aus der ihr Text gelesen wird</translation>
    </message>
</context>
<context>
    <name>PreviewServer</name>
    <message>
        <source>The preview module libwendle_preview.so is not installed beside %1.</source>
        <translation>Das Vorschaumodul libwendle_preview.so ist nicht neben %1 installiert.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the port cannot be used</source>
        <translation>der Port kann nicht verwendet werden</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>It is too large to be a Wendle project</source>
        <translation>Die Datei ist zu groß für ein Wendle-Projekt</translation>
    </message>
    <message>
        <source>It is not a Wendle project, or it is damaged</source>
        <translation>Die Datei ist kein Wendle-Projekt oder ist beschädigt</translation>
    </message>
    <message>
        <source>The title and text are too long for a project file, which holds at most 4 GiB.</source>
        <translation>Titel und Text sind zu lang für eine Projektdatei, die höchstens 4 GiB fassen kann.</translation>
    </message>
</context>
<context>
    <name>ProjectScripts</name>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>kept %1, which is there already</source>
        <translation>%1 behalten, da bereits vorhanden</translation>
    </message>
    <message>
        <source>The sample %1 is missing from the program.</source>
        <translation>Das Beispiel %1 fehlt im Programm.</translation>
    </message>
    <message>
        <source>Open the welcome project with:
  cd %1 &amp;&amp; wendle welcome.wendle</source>
        <extracomment>%1 is the folder, quoted for the shell; the command stays as it is.</extracomment>
        <translation>Öffnen Sie das Willkommensprojekt mit:
  cd %1 &amp;&amp; wendle welcome.wendle</translation>
    </message>
    <message>
        <source>%1 is in the way: it is not a file (a folder, a link to nothing, a device or a pipe). Nothing was written.</source>
        <translation>%1 steht dem entgegen: Es ist keine Datei (ein Ordner, ein Verweis ins Leere, ein Gerät oder eine Pipe). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>There is not enough memory to show the project.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>Der Speicher reicht nicht aus, um das Projekt anzuzeigen.</translation>
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
        <translation>Die Beschreibung der Kopie ist beschädigt.</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>It is too large to be a description</source>
        <translation>Die Datei ist zu groß für eine Beschreibung</translation>
    </message>
    <message>
        <source>It was moved aside to %1.</source>
        <translation>Die Kopie wurde nach %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>It cannot be moved aside (%1), so it stays where it is, and it will not be read again.</source>
        <translation>Die Kopie kann nicht beiseitegelegt werden (%1); sie bleibt, wo sie ist, und wird nicht wieder gelesen.</translation>
    </message>
    <message>
        <source>It does not fit in the memory Wendle may use.</source>
        <extracomment>&quot;It&quot; is a recovery copy of the window&apos;s typing.</extracomment>
        <translation>Die Kopie passt nicht in den Speicher, den Wendle verwenden darf.</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>(no suggestions)</source>
        <extracomment>Shown, greyed, in place of corrections when the dictionary has none.</extracomment>
        <translation>(keine Vorschläge)</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <extracomment>Adds the word to the personal word list that the desktop&apos;s programs share.</extracomment>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <extracomment>Accepts the word everywhere until Wendle ends.</extracomment>
        <translation>Alle ignorieren</translation>
    </message>
    <message>
        <source>No spelling dictionary for %1: install %2</source>
        <extracomment>%1 is a language tag such as de-DE, %2 the Debian package of its dictionary.</extracomment>
        <translation>Kein Wörterbuch für %1: Installieren Sie %2</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Rechtschreibung prüfen</translation>
    </message>
</context>
<context>
    <name>WendleDialog</name>
    <message>
        <source>HTML Template files</source>
        <extracomment>Files shown in the template prompt.</extracomment>
        <translation>HTML-Vorlagendateien</translation>
    </message>
    <message>
        <source>Choose an HTML template</source>
        <translation>HTML-Vorlage auswählen</translation>
    </message>
    <message>
        <source>Title:</source>
        <extracomment>Label before the one-line field for the page&apos;s title.</extracomment>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Text:</source>
        <extracomment>Label above the large field for the page&apos;s body text.</extracomment>
        <translation>Text:</translation>
    </message>
    <message>
        <source>   Save As...</source>
        <extracomment>Button: saves the project under a name chosen in a file prompt. Keep the three leading blanks, which set the caption off as on the other buttons that open a prompt.</extracomment>
        <translation>   Speichern unter …</translation>
    </message>
    <message>
        <source>Build</source>
        <comment>verb, on a button: build the page</comment>
        <extracomment>Button: makes the web page from the template, the title and the text, and writes it.</extracomment>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>   Open...</source>
        <extracomment>Button: opens a project file chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Öffnen …</translation>
    </message>
    <message>
        <source>   Template...</source>
        <extracomment>Button: chooses the HTML template in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Vorlage …</translation>
    </message>
    <message>
        <source>New</source>
        <comment>on a button: start a new project</comment>
        <extracomment>Button: starts a new, empty project.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: saves the project into its file.</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>   Build As...</source>
        <extracomment>Button: builds the page under a name chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Erstellen unter …</translation>
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
