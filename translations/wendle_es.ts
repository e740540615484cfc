<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BatchBuild</name>
    <message>
        <source>The project names no page; choose one with Build As in Wendle&apos;s window, then save the project.</source>
        <translation>El proyecto no indica ninguna página; elija una con «Generar como…» en la ventana de Wendle y luego guarde el proyecto.</translation>
    </message>
    <message>
        <source>The project writes its page outside the project&apos;s folder, %1; build it there with --allow-outside.</source>
        <translation>El proyecto escribe su página fuera de la carpeta del proyecto, %1; genérela allí con --allow-outside.</translation>
    </message>
    <message>
        <source>No template has been chosen. Name one with --template FILE, or choose one in Wendle&apos;s window.</source>
        <translation>No se ha elegido ninguna plantilla. Indique una con --template FILE o elija una en la ventana de Wendle.</translation>
    </message>
    <message>
        <source>built %1</source>
        <extracomment>A line of --verbose output; %1 is the page written.</extracomment>
        <translation>generada: %1</translation>
    </message>
    <message>
        <source>There is not enough memory to build the page. Nothing was written.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>No hay memoria suficiente para generar la página. No se ha escrito nada.</translation>
    </message>
</context>
<context>
    <name>BatchWatch</name>
    <message>
        <source>It was removed; its pages are rebuilt when it is back.</source>
        <translation>Se ha eliminado; las páginas que dependen de él se volverán a generar cuando vuelva a existir.</translation>
    </message>
    <message>
        <source>Cannot serve on 127.0.0.1:%1: %2.</source>
        <extracomment>%1 is a port number, %2 the reason.</extracomment>
        <translation>No se pueden servir las páginas en 127.0.0.1:%1: %2.</translation>
    </message>
    <message>
        <source>preview: %1</source>
        <extracomment>%1 is the address where the page is served.</extracomment>
        <translation>vista previa: %1</translation>
    </message>
    <message>
        <source>not served: %1 is hidden, or in a hidden folder</source>
        <translation>no servido: %1 está oculto o en una carpeta oculta</translation>
    </message>
    <message>
        <source>not served: %1 is outside %2</source>
        <extracomment>%1 is the page, %2 the folder that is served.</extracomment>
        <translation>no servido: %1 está fuera de %2</translation>
    </message>
</context>
<context>
    <name>CWendleApp</name>
    <message>
        <source>the window needs a display, and none was found (in an SSH session, a container or a
terminal without a desktop). Pages can be built without one: wendle --build PROJECT...</source>
        <translation>la ventana necesita una pantalla y no se ha encontrado ninguna (en una sesión SSH, un contenedor o un
terminal sin escritorio). Las páginas se pueden generar sin ella: wendle --build PROJECT...</translation>
    </message>
    <message>
        <source>these arguments open the window; see wendle --help</source>
        <translation>estos argumentos abren la ventana; consulte wendle --help</translation>
    </message>
    <message>
        <source>the typing could not be kept for the next start: %1</source>
        <translation>no se pudo conservar lo escrito para el próximo inicio: %1</translation>
    </message>
    <message>
        <source>write error on standard output: %1</source>
        <translation>error de escritura en la salida estándar: %1</translation>
    </message>
    <message>
        <source>write error on standard output</source>
        <translation>error de escritura en la salida estándar</translation>
    </message>
</context>
<context>
    <name>CWendleDlg</name>
    <message>
        <source>There is not enough memory to finish this command.</source>
        <translation>No hay memoria suficiente para completar esta orden.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>La orden ha fallado: %1</translation>
    </message>
    <message>
        <source>The command failed for an unknown reason.</source>
        <translation>La orden ha fallado por un motivo desconocido.</translation>
    </message>
    <message>
        <source>HTML files</source>
        <extracomment>Files shown in the page prompt.</extracomment>
        <translation>Archivos HTML</translation>
    </message>
    <message>
        <source>This project writes its page outside the project&apos;s folder, %1

Build the page there?</source>
        <extracomment>%1 is a line break and the page&apos;s path, as &quot;to
/home/a/page.html&quot;.</extracomment>
        <translation>Este proyecto escribe su página fuera de la carpeta del proyecto, %1

¿Generar la página allí?</translation>
    </message>
    <message>
        <source>The page was built, but it cannot be shown: %1</source>
        <translation>La página se ha generado, pero no se puede mostrar: %1</translation>
    </message>
    <message>
        <source>The page was built, but a hidden file is not shown in the browser.</source>
        <translation>La página se ha generado, pero un archivo oculto no se muestra en el navegador.</translation>
    </message>
    <message>
        <source>The page was built, but no browser could be started for %1.</source>
        <translation>La página se ha generado, pero no se pudo iniciar ningún navegador para %1.</translation>
    </message>
    <message>
        <source>Wendle files</source>
        <extracomment>Files shown in the project prompts.</extracomment>
        <translation>Archivos de Wendle</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written; choose another name with Save As.</source>
        <translation>El proyecto %1 reemplazaría la plantilla. No se ha escrito nada; elija otro nombre con «Guardar como…».</translation>
    </message>
    <message>
        <source>The title and text have changes that are not saved in a project or built into a page.

Save them first?</source>
        <translation>El título y el texto tienen cambios que no se han guardado en un proyecto ni generado en una página.

¿Guardarlos primero?</translation>
    </message>
    <message>
        <source>a project never saved, with no title</source>
        <translation>un proyecto nunca guardado, sin título</translation>
    </message>
    <message>
        <source>a project never saved, titled &quot;%1&quot;</source>
        <translation>un proyecto nunca guardado, titulado «%1»</translation>
    </message>
    <message>
        <source>Wendle was closed before the changes to %1 were saved (%2). Restore them?</source>
        <extracomment>%1 is the project&apos;s path or &quot;a project never saved, ...&quot;, %2 the time of the copy.</extracomment>
        <translation>Wendle se cerró antes de guardar los cambios en %1 (%2). ¿Restaurarlos?</translation>
    </message>
    <message>
        <source>

The next Build writes the page %1.</source>
        <extracomment>&quot;Build&quot; is the window&apos;s button.</extracomment>
        <translation>

La próxima vez, «Generar» escribirá la página %1.</translation>
    </message>
    <message>
        <source>Wendle cannot keep a recovery copy of your typing, so it would be lost if Wendle were killed.

%1</source>
        <translation>Wendle no puede guardar una copia de recuperación de lo que escribe; si Wendle se cerrara de forma forzada, lo escrito se perdería.

%1</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read: %1</source>
        <translation>No se puede leer una copia de recuperación: %1</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be removed: %2. It will not be offered again.</source>
        <translation>No se puede eliminar la copia de recuperación %1: %2. No se volverá a ofrecer.</translation>
    </message>
    <message numerus="yes">
        <source>The text of the project %1 holds a NUL byte after %n bytes; the %2 bytes from there on were left out, and a Save would remove them from the project.</source>
        <extracomment>%n and %2 are counts of bytes; %2 is the count left out. %1 is the project&apos;s path.</extracomment>
        <translation>
            <numerusform>El texto del proyecto %1 contiene un byte NUL después de %n byte; se omitieron los bytes siguientes (%2), y al guardar se eliminarían del proyecto.</numerusform>
            <numerusform>El texto del proyecto %1 contiene un byte NUL después de %n bytes; se omitieron los bytes siguientes (%2), y al guardar se eliminarían del proyecto.</numerusform>
        </translation>
    </message>
    <message>
        <source>The project %1 was replaced by another program with a file that is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>Otro programa ha reemplazado el proyecto %1 por un archivo que no es un proyecto de Wendle. No se ha guardado nada; «Guardar como…» todavía puede guardar este trabajo.</translation>
    </message>
    <message>
        <source>The project %1 is now a link to %2, which is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>El proyecto %1 es ahora un enlace a %2, que no es un proyecto de Wendle. No se ha guardado nada; «Guardar como…» todavía puede guardar este trabajo.</translation>
    </message>
    <message>
        <source>%1 (now a link to %2)</source>
        <extracomment>Named in the questions below: %1 is the project&apos;s path, %2 the file the link there now leads to.</extracomment>
        <translation>%1 (ahora un enlace a %2)</translation>
    </message>
    <message>
        <source>Wendle cannot tell whether the project %1 was changed by another program since this work was begun. Save over it?</source>
        <extracomment>%1 is the project&apos;s path.</extracomment>
        <translation>Wendle no puede saber si otro programa ha cambiado el proyecto %1 desde que se empezó este trabajo. ¿Guardar encima de todos modos?</translation>
    </message>
    <message>
        <source>The project %1 was changed by another program after Wendle opened it. Save over it?</source>
        <translation>Otro programa ha cambiado el proyecto %1 después de que Wendle lo abriera. ¿Guardar encima de todos modos?</translation>
    </message>
    <message>
        <source>Choose another name for the page with Build As.</source>
        <extracomment>Follows a message that says why the page was not written. &quot;Build As&quot; is the button.</extracomment>
        <translation>Elija otro nombre para la página con «Generar como…».</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Rebuild each project&apos;s page, then exit.</source>
        <translation>Volver a generar la página de cada proyecto y salir.</translation>
    </message>
    <message>
        <source>With --build: keep running, and rebuild a page whenever its project or its template changes, until Ctrl-C.</source>
        <translation>Con --build: seguir en marcha y volver a generar una página cada vez que cambie el proyecto o la plantilla con que se genera, hasta Ctrl-C.</translation>
    </message>
    <message>
        <source>With --watch: serve the current directory on 127.0.0.1 and print the address of each page; a browser showing a page reloads it when it is rebuilt.</source>
        <translation>Con --watch: servir el directorio actual en 127.0.0.1 y mostrar la dirección de cada página; un navegador que muestre una página la recarga cuando se vuelve a generar.</translation>
    </message>
    <message>
        <source>With --serve: this port and no other (default: %1, or the next free one).</source>
        <extracomment>%1 is the default port number.</extracomment>
        <translation>Con --serve: este puerto y ningún otro (predeterminado: %1, o el siguiente libre).</translation>
    </message>
    <message>
        <source>With --build or --output: the template for every page, instead of the one Wendle remembers (that one is looked up in each project&apos;s folder).</source>
        <translation>Con --build o --output: la plantilla de todas las páginas, en lugar de la que recuerda Wendle (esa se busca en la carpeta de cada proyecto).</translation>
    </message>
    <message>
        <source>With --build: also build pages that a project names outside its own folder.</source>
        <translation>Con --build: generar también las páginas que un proyecto indica fuera de su propia carpeta.</translation>
    </message>
    <message>
        <source>With --build: print a line per page built.</source>
        <translation>Con --build: mostrar una línea por cada página generada.</translation>
    </message>
    <message>
        <source>Build one page, without a project, into PAGE (- for standard output).</source>
        <translation>Generar una página, sin proyecto, en PAGE (- para la salida estándar).</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s title.</source>
        <translation>Con --output: el título de la página.</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s text, from FILE (- for standard input).</source>
        <translation>Con --output: el texto de la página, tomado de FILE (- para la entrada estándar).</translation>
    </message>
    <message>
        <source>With --output: also save the title, the text and the page&apos;s name as a project; only a project is replaced.</source>
        <translation>Con --output: guardar también el título, el texto y el nombre de la página como proyecto; solo se reemplaza un proyecto.</translation>
    </message>
    <message>
        <source>Print each project as text (for git diff).</source>
        <translation>Mostrar cada proyecto como texto (para git diff).</translation>
    </message>
    <message>
        <source>With --show: one JSON object a project.</source>
        <translation>Con --show: un objeto JSON por proyecto.</translation>
    </message>
    <message>
        <source>Write the sample template and the welcome project into DIR.</source>
        <translation>Escribir la plantilla de ejemplo y el proyecto de bienvenida en DIR.</translation>
    </message>
    <message>
        <source>--build, --output, --show and --init each go alone.</source>
        <translation>--build, --output, --show y --init solo pueden usarse por separado.</translation>
    </message>
    <message>
        <source>--output and --init take no project.</source>
        <translation>--output y --init no admiten ningún proyecto.</translation>
    </message>
    <message>
        <source>--show needs at least one project.</source>
        <translation>--show necesita al menos un proyecto.</translation>
    </message>
    <message>
        <source>--json goes with --show.</source>
        <translation>--json va con --show.</translation>
    </message>
    <message>
        <source>--build needs at least one project.</source>
        <translation>--build necesita al menos un proyecto.</translation>
    </message>
    <message>
        <source>The window opens one project; build several with --build.</source>
        <translation>La ventana abre un proyecto; genere varios con --build.</translation>
    </message>
    <message>
        <source>--watch, --template, --allow-outside and --verbose go with --build.</source>
        <translation>--watch, --template, --allow-outside y --verbose van con --build.</translation>
    </message>
    <message>
        <source>--serve goes with --watch.</source>
        <translation>--serve va con --watch.</translation>
    </message>
    <message>
        <source>--port goes with --serve.</source>
        <translation>--port va con --serve.</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535.</source>
        <translation>--port requiere un número de puerto de 1 a 65535.</translation>
    </message>
    <message>
        <source>--output, --template, --text, --save and --init each need a name, not an empty one.</source>
        <translation>--output, --template, --text, --save y --init necesitan cada uno un nombre que no esté vacío.</translation>
    </message>
    <message>
        <source>Makes single HTML pages from a template. With no argument, or with a project, opens the window, where F12 builds the page and shows it in the browser; with --build, rebuilds the page of each project without a window; with --output, makes one page from a title and a text; with --show, prints projects as text.</source>
        <translation>Crea páginas HTML sueltas a partir de una plantilla. Sin argumentos, o con un proyecto, abre la ventana, donde F12 genera la página y la muestra en el navegador; con --build, vuelve a generar la página de cada proyecto sin ventana; con --output, crea una página a partir de un título y un texto; con --show, muestra los proyectos como texto.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>A project file (*.wendle).</source>
        <translation>Un archivo de proyecto (*.wendle).</translation>
    </message>
    <message>
        <source>With --output: the text&apos;s format, markdown or html (default: markdown for a FILE named *.md or *.markdown, else html).</source>
        <translation>Con --output: el formato del texto, markdown o html (por omisión: markdown para un FILE llamado *.md o *.markdown, si no html).</translation>
    </message>
    <message>
        <source>--title, --text, --from and --save go with --output.</source>
        <translation>--title, --text, --from y --save van con --output.</translation>
    </message>
    <message>
        <source>--from takes markdown or html.</source>
        <translation>--from requiere markdown o html.</translation>
    </message>
    <message>
        <source>--output takes --template, --title, --text, --from and --save.</source>
        <translation>--output admite --template, --title, --text, --from y --save.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>No se puede leer el archivo %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>No se puede escribir el archivo %1:
%2.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>No se ha elegido ningún archivo.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>The current folder has been removed. Nothing was read or written; change to a folder that is there.</source>
        <translation>La carpeta actual se ha eliminado. No se ha leído ni escrito nada; cámbiese a una carpeta que exista.</translation>
    </message>
    <message>
        <source>The name %1 leads nowhere: the current folder it is taken from has been removed. Nothing was read or written; change to a folder that is there, or give the full path.</source>
        <extracomment>%1 is a file name without a folder, as typed.</extracomment>
        <translation>El nombre %1 no lleva a ninguna parte: la carpeta actual desde la que se toma se ha eliminado. No se ha leído ni escrito nada; cámbiese a una carpeta que exista o indique la ruta completa.</translation>
    </message>
    <message>
        <source>The name %1 is not UTF-8, and Wendle takes file names in UTF-8 only, so that no name can reach another file. Nothing was read or written; rename the file.</source>
        <extracomment>%1 is a file name as typed, each byte that is not UTF-8 shown as <byte value="x0"/>NN.</extracomment>
        <translation>El nombre %1 no está en UTF-8, y Wendle solo admite nombres de archivo en UTF-8, para que ningún nombre lleve a otro archivo. No se ha leído ni escrito nada; cambie el nombre del archivo.</translation>
    </message>
</context>
<context>
    <name>Finder</name>
    <message>
        <source>Fi&amp;nd what:</source>
        <extracomment>The label of the field that holds the text to find.</extracomment>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <extracomment>The label of the field that holds the text that replaces what is found.</extracomment>
        <translation>Reem&amp;plazar por:</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>&amp;Coincidir mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>&amp;Whole words</source>
        <extracomment>Finds the text only where it is a whole word, not part of a longer one.</extracomment>
        <translation>Solo palabras co&amp;mpletas</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>A button: replaces the match that is selected, then finds the next one.</extracomment>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>The title of the finder&apos;s window when it finds, and when it also replaces.</extracomment>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>There is not enough memory to search this text.</source>
        <translation>No hay memoria suficiente para buscar en este texto.</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>La búsqueda ha fallado: %1</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>No se ha encontrado.</translation>
    </message>
    <message>
        <source>Passed the start; continued from the end.</source>
        <extracomment>Said when a search backward has passed the start of the text.</extracomment>
        <translation>Se pasó el principio; se siguió desde el final.</translation>
    </message>
    <message>
        <source>Passed the end; continued from the start.</source>
        <extracomment>Said when a search has passed the end of the text.</extracomment>
        <translation>Se pasó el final; se siguió desde el principio.</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced.</source>
        <extracomment>%n is how many matches were replaced.</extracomment>
        <translation>
            <numerusform>%n reemplazo.</numerusform>
            <numerusform>%n reemplazos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file</source>
        <translation>Es un dispositivo, una tubería o un socket, no un archivo</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, the most Wendle reads of such a file</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>Ocupa más de %1 bytes, lo máximo que Wendle lee de un archivo así</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Restore</source>
        <extracomment>Button of the question that offers typing a window left unsaved: bring it back.</extracomment>
        <translation>Restaurar</translation>
    </message>
</context>
<context>
    <name>OnePage</name>
    <message>
        <source>Cannot read standard input: %1.</source>
        <translation>No se puede leer la entrada estándar: %1.</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>No se puede escribir en la salida estándar: %1.</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the title; the page written so far is incomplete.</source>
        <translation>La plantilla %1 no tiene marcador para el título; la página escrita hasta ahora está incompleta.</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the text; the page written so far is incomplete.</source>
        <translation>La plantilla %1 no tiene marcador para el texto; la página escrita hasta ahora está incompleta.</translation>
    </message>
    <message>
        <source>The page %1 is not a plain name in the project&apos;s folder (a backslash counts as a folder), so --build would refuse the project; keep the project beside its page. Nothing was written.</source>
        <translation>La página %1 no es un nombre simple en la carpeta del proyecto (una barra invertida cuenta como carpeta), así que --build rechazaría el proyecto; guarde el proyecto junto a la página. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written.</source>
        <translation>El proyecto %1 reemplazaría la plantilla. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 is not a Wendle project, and --save replaces only a project. Nothing was written.</source>
        <translation>%1 no es un proyecto de Wendle, y --save solo reemplaza un proyecto. No se ha escrito nada.</translation>
    </message>
    <message numerus="yes">
        <source>warning: the text holds a NUL byte after %n bytes; the %1 bytes from there on were left out.</source>
        <extracomment>%n and %1 are counts of bytes; %1 is the count left out.</extracomment>
        <translation>
            <numerusform>aviso: el texto contiene un byte NUL después de %n byte; se omitieron los bytes siguientes (%1).</numerusform>
            <numerusform>aviso: el texto contiene un byte NUL después de %n bytes; se omitieron los bytes siguientes (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>Standard output is the template %1. Nothing was written.</source>
        <translation>La salida estándar es la plantilla %1. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE, or another template with --template FILE.</source>
        <translation>Indique otra página con --output PAGE u otra plantilla con --template FILE.</translation>
    </message>
    <message>
        <source>The project %1 would replace the page. Nothing was written.</source>
        <translation>El proyecto %1 reemplazaría la página. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Standard input does not fit in the memory Wendle may use. Nothing was written.</source>
        <translation>La entrada estándar no cabe en la memoria que Wendle puede usar. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Standard input holds more than %1 bytes, more than a project can hold. Nothing was written.</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>La entrada estándar contiene más de %1 bytes, más de lo que cabe en un proyecto. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE.</source>
        <translation>Indique otra página con --output PAGE.</translation>
    </message>
    <message>
        <source>There is not enough memory to make the page. Nothing was written.</source>
        <translation>No hay memoria suficiente para generar la página. No se ha escrito nada.</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Ya existe una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file to replace</source>
        <translation>Es un dispositivo, una tubería o un socket, no un archivo que se pueda reemplazar</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written: %3</source>
        <extracomment>%1 and %2 are counts of bytes, %3 the reason.</extracomment>
        <translation>Solo se pudieron escribir %1 de %2 bytes: %3</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>The run was stopped by a signal</source>
        <extracomment>The reason a file was not written: Ctrl-C, or a signal that ends the program.</extracomment>
        <translation>La ejecución se detuvo por una señal</translation>
    </message>
</context>
<context>
    <name>PageBuild</name>
    <message>
        <source>to
%1</source>
        <extracomment>Where a page is written, after &quot;outside the project&apos;s folder,&quot;.</extracomment>
        <translation>en
%1</translation>
    </message>
    <message>
        <source>
through the link %1</source>
        <translation>
a través del enlace %1</translation>
    </message>
    <message>
        <source>The page %1 would replace %2. Nothing was written.</source>
        <extracomment>%2 is one of &quot;its own template&quot;, &quot;the file its text is read from&quot;, &quot;the project it is built from&quot;, &quot;a Wendle project&quot;.</extracomment>
        <translation>La página %1 reemplazaría %2. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>its own template</source>
        <translation>su propia plantilla</translation>
    </message>
    <message>
        <source>the project it is built from</source>
        <translation>el proyecto a partir del cual se genera</translation>
    </message>
    <message>
        <source>a Wendle project</source>
        <translation>un proyecto de Wendle</translation>
    </message>
    <message>
        <source>the title (the first &quot;%s&quot;)</source>
        <translation>el título (el primer «%s»)</translation>
    </message>
    <message>
        <source>the text (the second &quot;%s&quot;)</source>
        <translation>el texto (el segundo «%s»)</translation>
    </message>
    <message>
        <source>The template %1 has no marker for %2. Nothing was written.</source>
        <extracomment>%2 is &quot;the title (the first &quot;%s&quot;)&quot; or &quot;the text (...)&quot;; the template holds &quot;%s&quot; as typed.</extracomment>
        <translation>La plantilla %1 no tiene marcador para %2. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>No template has been chosen. Choose one with the Template button.</source>
        <extracomment>&quot;Template&quot; is the caption of the window&apos;s button.</extracomment>
        <translation>No se ha elegido ninguna plantilla. Elija una con el botón «Plantilla…».</translation>
    </message>
    <message>
        <source>the file its text is read from</source>
        <translation>el archivo del que se lee su texto</translation>
    </message>
</context>
<context>
    <name>PreviewServer</name>
    <message>
        <source>The preview module libwendle_preview.so is not installed beside %1.</source>
        <translation>El módulo de vista previa libwendle_preview.so no está instalado junto a %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>the port cannot be used</source>
        <translation>no se puede usar el puerto</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>It is too large to be a Wendle project</source>
        <translation>Es demasiado grande para ser un proyecto de Wendle</translation>
    </message>
    <message>
        <source>It is not a Wendle project, or it is damaged</source>
        <translation>No es un proyecto de Wendle o está dañado</translation>
    </message>
    <message>
        <source>The title and text are too long for a project file, which holds at most 4 GiB.</source>
        <translation>El título y el texto son demasiado largos para un archivo de proyecto, que admite como máximo 4 GiB.</translation>
    </message>
</context>
<context>
    <name>ProjectScripts</name>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>kept %1, which is there already</source>
        <translation>se conserva %1, que ya existe</translation>
    </message>
    <message>
        <source>The sample %1 is missing from the program.</source>
        <translation>Falta el ejemplo %1 en el programa.</translation>
    </message>
    <message>
        <source>Open the welcome project with:
  cd %1 &amp;&amp; wendle welcome.wendle</source>
        <extracomment>%1 is the folder, quoted for the shell; the command stays as it is.</extracomment>
        <translation>Abra el proyecto de bienvenida con:
  cd %1 &amp;&amp; wendle welcome.wendle</translation>
    </message>
    <message>
        <source>%1 is in the way: it is not a file (a folder, a link to nothing, a device or a pipe). Nothing was written.</source>
        <translation>%1 lo impide: no es un archivo (una carpeta, un enlace a nada, un dispositivo o una tubería). No se ha escrito nada.</translation>
    </message>
    <message>
        <source>There is not enough memory to show the project.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>No hay memoria suficiente para mostrar el proyecto.</translation>
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
        <translation>La descripción de la copia está dañada.</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>It is too large to be a description</source>
        <translation>Es demasiado grande para ser una descripción</translation>
    </message>
    <message>
        <source>It was moved aside to %1.</source>
        <translation>Se ha movido aparte, a %1.</translation>
    </message>
    <message>
        <source>It cannot be moved aside (%1), so it stays where it is, and it will not be read again.</source>
        <translation>No se puede mover aparte (%1), así que se queda donde está y no se volverá a leer.</translation>
    </message>
    <message>
        <source>It does not fit in the memory Wendle may use.</source>
        <extracomment>&quot;It&quot; is a recovery copy of the window&apos;s typing.</extracomment>
        <translation>La copia no cabe en la memoria que Wendle puede usar.</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>(no suggestions)</source>
        <extracomment>Shown, greyed, in place of corrections when the dictionary has none.</extracomment>
        <translation>(sin sugerencias)</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <extracomment>Adds the word to the personal word list that the desktop&apos;s programs share.</extracomment>
        <translation>Añadir al diccionario</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <extracomment>Accepts the word everywhere until Wendle ends.</extracomment>
        <translation>Ignorar todo</translation>
    </message>
    <message>
        <source>No spelling dictionary for %1: install %2</source>
        <extracomment>%1 is a language tag such as de-DE, %2 the Debian package of its dictionary.</extracomment>
        <translation>No hay diccionario para %1: instale %2</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Revisar ortografía</translation>
    </message>
</context>
<context>
    <name>WendleDialog</name>
    <message>
        <source>HTML Template files</source>
        <extracomment>Files shown in the template prompt.</extracomment>
        <translation>Archivos de plantilla HTML</translation>
    </message>
    <message>
        <source>Choose an HTML template</source>
        <translation>Elija una plantilla HTML</translation>
    </message>
    <message>
        <source>Title:</source>
        <extracomment>Label before the one-line field for the page&apos;s title.</extracomment>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Text:</source>
        <extracomment>Label above the large field for the page&apos;s body text.</extracomment>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>   Save As...</source>
        <extracomment>Button: saves the project under a name chosen in a file prompt. Keep the three leading blanks, which set the caption off as on the other buttons that open a prompt.</extracomment>
        <translation>   Guardar como…</translation>
    </message>
    <message>
        <source>Build</source>
        <comment>verb, on a button: build the page</comment>
        <extracomment>Button: makes the web page from the template, the title and the text, and writes it.</extracomment>
        <translation>Generar</translation>
    </message>
    <message>
        <source>   Open...</source>
        <extracomment>Button: opens a project file chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Abrir…</translation>
    </message>
    <message>
        <source>   Template...</source>
        <extracomment>Button: chooses the HTML template in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Plantilla…</translation>
    </message>
    <message>
        <source>New</source>
        <comment>on a button: start a new project</comment>
        <extracomment>Button: starts a new, empty project.</extracomment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: saves the project into its file.</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>   Build As...</source>
        <extracomment>Button: builds the page under a name chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Generar como…</translation>
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
