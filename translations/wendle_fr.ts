<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BatchBuild</name>
    <message>
        <source>The project names no page; choose one with Build As in Wendle&apos;s window, then save the project.</source>
        <translation>Le projet ne nomme aucune page&#xa0;; choisissez-en une avec «&#xa0;Générer sous…&#xa0;» dans la fenêtre de Wendle, puis enregistrez le projet.</translation>
    </message>
    <message>
        <source>The project writes its page outside the project&apos;s folder, %1; build it there with --allow-outside.</source>
        <translation>Le projet écrit sa page hors du dossier du projet, %1&#xa0;; générez-la à cet endroit avec --allow-outside.</translation>
    </message>
    <message>
        <source>No template has been chosen. Name one with --template FILE, or choose one in Wendle&apos;s window.</source>
        <translation>Aucun modèle n’a été choisi. Indiquez-en un avec --template FILE, ou choisissez-en un dans la fenêtre de Wendle.</translation>
    </message>
    <message>
        <source>built %1</source>
        <extracomment>A line of --verbose output; %1 is the page written.</extracomment>
        <translation>générée&#xa0;: %1</translation>
    </message>
    <message>
        <source>There is not enough memory to build the page. Nothing was written.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>Il n’y a pas assez de mémoire pour générer la page. Rien n’a été écrit.</translation>
    </message>
</context>
<context>
    <name>BatchWatch</name>
    <message>
        <source>It was removed; its pages are rebuilt when it is back.</source>
        <translation>Le fichier a été supprimé&#xa0;; ses pages seront régénérées à son retour.</translation>
    </message>
    <message>
        <source>Cannot serve on 127.0.0.1:%1: %2.</source>
        <extracomment>%1 is a port number, %2 the reason.</extracomment>
        <translation>Impossible de diffuser les pages sur 127.0.0.1:%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>preview: %1</source>
        <extracomment>%1 is the address where the page is served.</extracomment>
        <translation>aperçu&#xa0;: %1</translation>
    </message>
    <message>
        <source>not served: %1 is hidden, or in a hidden folder</source>
        <translation>non diffusé&#xa0;: %1 est caché, ou dans un dossier caché</translation>
    </message>
    <message>
        <source>not served: %1 is outside %2</source>
        <extracomment>%1 is the page, %2 the folder that is served.</extracomment>
        <translation>non diffusé&#xa0;: %1 est en dehors de %2</translation>
    </message>
</context>
<context>
    <name>CWendleApp</name>
    <message>
        <source>the window needs a display, and none was found (in an SSH session, a container or a
terminal without a desktop). Pages can be built without one: wendle --build PROJECT...</source>
        <translation>la fenêtre a besoin d’un affichage, et aucun n’a été trouvé (dans une session SSH, un conteneur ou un
terminal sans bureau). Les pages peuvent être générées sans affichage&#xa0;: wendle --build PROJECT...</translation>
    </message>
    <message>
        <source>these arguments open the window; see wendle --help</source>
        <translation>ces arguments ouvrent la fenêtre&#xa0;; voir wendle --help</translation>
    </message>
    <message>
        <source>the typing could not be kept for the next start: %1</source>
        <translation>la saisie n’a pas pu être conservée pour le prochain démarrage&#xa0;: %1</translation>
    </message>
    <message>
        <source>write error on standard output: %1</source>
        <translation>erreur d’écriture sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>write error on standard output</source>
        <translation>erreur d’écriture sur la sortie standard</translation>
    </message>
</context>
<context>
    <name>CWendleDlg</name>
    <message>
        <source>There is not enough memory to finish this command.</source>
        <translation>La mémoire est insuffisante pour terminer cette commande.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>La commande a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>The command failed for an unknown reason.</source>
        <translation>La commande a échoué pour une raison inconnue.</translation>
    </message>
    <message>
        <source>HTML files</source>
        <extracomment>Files shown in the page prompt.</extracomment>
        <translation>Fichiers HTML</translation>
    </message>
    <message>
        <source>This project writes its page outside the project&apos;s folder, %1

Build the page there?</source>
        <extracomment>%1 is a line break and the page&apos;s path, as &quot;to
/home/a/page.html&quot;.</extracomment>
        <translation>Ce projet écrit sa page hors du dossier du projet, %1

Générer la page à cet endroit&#xa0;?</translation>
    </message>
    <message>
        <source>The page was built, but it cannot be shown: %1</source>
        <translation>La page a été générée, mais elle ne peut pas être affichée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The page was built, but a hidden file is not shown in the browser.</source>
        <translation>La page a été générée, mais un fichier caché n’est pas affiché dans le navigateur.</translation>
    </message>
    <message>
        <source>The page was built, but no browser could be started for %1.</source>
        <translation>La page a été générée, mais aucun navigateur n’a pu être lancé pour %1.</translation>
    </message>
    <message>
        <source>Wendle files</source>
        <extracomment>Files shown in the project prompts.</extracomment>
        <translation>Fichiers Wendle</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written; choose another name with Save As.</source>
        <translation>Le projet %1 remplacerait le modèle. Rien n’a été écrit&#xa0;; choisissez un autre nom avec «&#xa0;Enregistrer sous…&#xa0;».</translation>
    </message>
    <message>
        <source>The title and text have changes that are not saved in a project or built into a page.

Save them first?</source>
        <translation>Le titre et le texte contiennent des modifications qui ne sont ni enregistrées dans un projet ni générées dans une page.

Les enregistrer d’abord&#xa0;?</translation>
    </message>
    <message>
        <source>a project never saved, with no title</source>
        <translation>un projet jamais enregistré, sans titre</translation>
    </message>
    <message>
        <source>a project never saved, titled &quot;%1&quot;</source>
        <translation>un projet jamais enregistré, intitulé «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Wendle was closed before the changes to %1 were saved (%2). Restore them?</source>
        <extracomment>%1 is the project&apos;s path or &quot;a project never saved, ...&quot;, %2 the time of the copy.</extracomment>
        <translation>Wendle a été fermé avant l’enregistrement des modifications apportées à %1 (%2). Les restaurer&#xa0;?</translation>
    </message>
    <message>
        <source>

The next Build writes the page %1.</source>
        <extracomment>&quot;Build&quot; is the window&apos;s button.</extracomment>
        <translation>

La prochaine fois, «&#xa0;Générer&#xa0;» écrira la page %1.</translation>
    </message>
    <message>
        <source>Wendle cannot keep a recovery copy of your typing, so it would be lost if Wendle were killed.

%1</source>
        <translation>Wendle ne peut pas conserver de copie de récupération de votre saisie&#xa0;; ce que vous avez saisi serait perdu si Wendle était arrêté brutalement.

%1</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read: %1</source>
        <translation>Une copie de récupération ne peut pas être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be removed: %2. It will not be offered again.</source>
        <translation>La copie de récupération %1 ne peut pas être supprimée&#xa0;: %2. Elle ne sera plus proposée.</translation>
    </message>
    <message numerus="yes">
        <source>The text of the project %1 holds a NUL byte after %n bytes; the %2 bytes from there on were left out, and a Save would remove them from the project.</source>
        <extracomment>%n and %2 are counts of bytes; %2 is the count left out. %1 is the project&apos;s path.</extracomment>
        <translation>
            <numerusform>Le texte du projet %1 contient un octet NUL après %n octet&#xa0;; les octets suivants (%2) ont été omis, et un enregistrement les supprimerait du projet.</numerusform>
            <numerusform>Le texte du projet %1 contient un octet NUL après %n octets&#xa0;; les octets suivants (%2) ont été omis, et un enregistrement les supprimerait du projet.</numerusform>
        </translation>
    </message>
    <message>
        <source>The project %1 was replaced by another program with a file that is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>Le projet %1 a été remplacé par un autre programme par un fichier qui n’est pas un projet Wendle. Rien n’a été enregistré&#xa0;; «&#xa0;Enregistrer sous…&#xa0;» peut encore enregistrer ce travail.</translation>
    </message>
    <message>
        <source>The project %1 is now a link to %2, which is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>Le projet %1 est maintenant un lien vers %2, qui n’est pas un projet Wendle. Rien n’a été enregistré&#xa0;; «&#xa0;Enregistrer sous…&#xa0;» peut encore enregistrer ce travail.</translation>
    </message>
    <message>
        <source>%1 (now a link to %2)</source>
        <extracomment>Named in the questions below: %1 is the project&apos;s path, %2 the file the link there now leads to.</extracomment>
        <translation>%1 (maintenant un lien vers %2)</translation>
    </message>
    <message>
        <source>Wendle cannot tell whether the project %1 was changed by another program since this work was begun. Save over it?</source>
        <extracomment>%1 is the project&apos;s path.</extracomment>
        <translation>Wendle ne peut pas savoir si le projet %1 a été modifié par un autre programme depuis le début de ce travail. L’enregistrer quand même par-dessus&#xa0;?</translation>
    </message>
    <message>
        <source>The project %1 was changed by another program after Wendle opened it. Save over it?</source>
        <translation>Le projet %1 a été modifié par un autre programme après son ouverture dans Wendle. L’enregistrer quand même par-dessus&#xa0;?</translation>
    </message>
    <message>
        <source>Choose another name for the page with Build As.</source>
        <extracomment>Follows a message that says why the page was not written. &quot;Build As&quot; is the button.</extracomment>
        <translation>Choisissez un autre nom pour la page avec «&#xa0;Générer sous…&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Rebuild each project&apos;s page, then exit.</source>
        <translation>Régénérer la page de chaque projet, puis quitter.</translation>
    </message>
    <message>
        <source>With --build: keep running, and rebuild a page whenever its project or its template changes, until Ctrl-C.</source>
        <translation>Avec --build&#xa0;: rester actif et régénérer une page dès que son projet ou son modèle change, jusqu’à Ctrl-C.</translation>
    </message>
    <message>
        <source>With --watch: serve the current directory on 127.0.0.1 and print the address of each page; a browser showing a page reloads it when it is rebuilt.</source>
        <translation>Avec --watch&#xa0;: diffuser le répertoire courant sur 127.0.0.1 et afficher l’adresse de chaque page&#xa0;; un navigateur qui affiche une page la recharge quand elle est régénérée.</translation>
    </message>
    <message>
        <source>With --serve: this port and no other (default: %1, or the next free one).</source>
        <extracomment>%1 is the default port number.</extracomment>
        <translation>Avec --serve&#xa0;: ce port et aucun autre (par défaut&#xa0;: %1, ou le prochain port libre).</translation>
    </message>
    <message>
        <source>With --build or --output: the template for every page, instead of the one Wendle remembers (that one is looked up in each project&apos;s folder).</source>
        <translation>Avec --build ou --output&#xa0;: le modèle de chaque page, au lieu de celui dont Wendle se souvient (celui-ci est cherché dans le dossier de chaque projet).</translation>
    </message>
    <message>
        <source>With --build: also build pages that a project names outside its own folder.</source>
        <translation>Avec --build&#xa0;: générer aussi les pages qu’un projet place hors de son propre dossier.</translation>
    </message>
    <message>
        <source>With --build: print a line per page built.</source>
        <translation>Avec --build&#xa0;: afficher une ligne par page générée.</translation>
    </message>
    <message>
        <source>Build one page, without a project, into PAGE (- for standard output).</source>
        <translation>Générer une page, sans projet, dans PAGE (- pour la sortie standard).</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s title.</source>
        <translation>Avec --output&#xa0;: le titre de la page.</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s text, from FILE (- for standard input).</source>
        <translation>Avec --output&#xa0;: le texte de la page, lu dans FILE (- pour l’entrée standard).</translation>
    </message>
    <message>
        <source>With --output: also save the title, the text and the page&apos;s name as a project; only a project is replaced.</source>
        <translation>Avec --output&#xa0;: enregistrer aussi le titre, le texte et le nom de la page comme projet&#xa0;; seul un projet est remplacé.</translation>
    </message>
    <message>
        <source>Print each project as text (for git diff).</source>
        <translation>Afficher chaque projet sous forme de texte (pour git diff).</translation>
    </message>
    <message>
        <source>With --show: one JSON object a project.</source>
        <translation>Avec --show&#xa0;: un objet JSON par projet.</translation>
    </message>
    <message>
        <source>Write the sample template and the welcome project into DIR.</source>
        <translation>Écrire le modèle d’exemple et le projet de bienvenue dans DIR.</translation>
    </message>
    <message>
        <source>--build, --output, --show and --init each go alone.</source>
        <translation>--build, --output, --show et --init s’emploient chacun seul.</translation>
    </message>
    <message>
        <source>--output and --init take no project.</source>
        <translation>--output et --init ne prennent aucun projet.</translation>
    </message>
    <message>
        <source>--show needs at least one project.</source>
        <translation>--show demande au moins un projet.</translation>
    </message>
    <message>
        <source>--json goes with --show.</source>
        <translation>--json s’emploie avec --show.</translation>
    </message>
    <message>
        <source>--build needs at least one project.</source>
        <translation>--build demande au moins un projet.</translation>
    </message>
    <message>
        <source>The window opens one project; build several with --build.</source>
        <translation>La fenêtre ouvre un seul projet&#xa0;; générez-en plusieurs avec --build.</translation>
    </message>
    <message>
        <source>--watch, --template, --allow-outside and --verbose go with --build.</source>
        <translation>--watch, --template, --allow-outside et --verbose s’emploient avec --build.</translation>
    </message>
    <message>
        <source>--serve goes with --watch.</source>
        <translation>--serve s’emploie avec --watch.</translation>
    </message>
    <message>
        <source>--port goes with --serve.</source>
        <translation>--port s’emploie avec --serve.</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535.</source>
        <translation>--port attend un numéro de port de 1 à 65535.</translation>
    </message>
    <message>
        <source>--output, --template, --text, --save and --init each need a name, not an empty one.</source>
        <translation>--output, --template, --text, --save et --init demandent chacun un nom non vide.</translation>
    </message>
    <message>
        <source>Makes single HTML pages from a template. With no argument, or with a project, opens the window, where F12 builds the page and shows it in the browser; with --build, rebuilds the page of each project without a window; with --output, makes one page from a title and a text; with --show, prints projects as text.</source>
        <translation>Crée des pages HTML uniques à partir d’un modèle. Sans argument, ou avec un projet, ouvre la fenêtre, où F12 génère la page et l’affiche dans le navigateur&#xa0;; avec --build, régénère la page de chaque projet sans fenêtre&#xa0;; avec --output, crée une page à partir d’un titre et d’un texte&#xa0;; avec --show, affiche les projets sous forme de texte.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>A project file (*.wendle).</source>
        <translation>Un fichier de projet (*.wendle).</translation>
    </message>
    <message>
        <source>With --output: the text&apos;s format, markdown or html (default: markdown for a FILE named *.md or *.markdown, else html).</source>
        <translation>Avec --output&#xa0;: le format du texte, markdown ou html (par défaut&#xa0;: markdown pour un FILE nommé *.md ou *.markdown, html sinon).</translation>
    </message>
    <message>
        <source>--title, --text, --from and --save go with --output.</source>
        <translation>--title, --text, --from et --save s’emploient avec --output.</translation>
    </message>
    <message>
        <source>--from takes markdown or html.</source>
        <translation>--from attend markdown ou html.</translation>
    </message>
    <message>
        <source>--output takes --template, --title, --text, --from and --save.</source>
        <translation>--output accepte --template, --title, --text, --from et --save.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Impossible de lire le fichier %1&#xa0;:
%2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Impossible d’écrire le fichier %1&#xa0;:
%2.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Aucun fichier n’a été choisi.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>The current folder has been removed. Nothing was read or written; change to a folder that is there.</source>
        <translation>Le dossier courant a été supprimé. Rien n’a été lu ni écrit&#xa0;; placez-vous dans un dossier qui existe.</translation>
    </message>
    <message>
        <source>The name %1 leads nowhere: the current folder it is taken from has been removed. Nothing was read or written; change to a folder that is there, or give the full path.</source>
        <extracomment>%1 is a file name without a folder, as typed.</extracomment>
        <translation>Le nom %1 ne mène nulle part&#xa0;: le dossier courant dont il part a été supprimé. Rien n’a été lu ni écrit&#xa0;; placez-vous dans un dossier qui existe, ou donnez le chemin complet.</translation>
    </message>
    <message>
        <source>The name %1 is not UTF-8, and Wendle takes file names in UTF-8 only, so that no name can reach another file. Nothing was read or written; rename the file.</source>
        <extracomment>%1 is a file name as typed, each byte that is not UTF-8 shown as <byte value="x0"/>NN.</extracomment>
        <translation>Le nom %1 n’est pas en UTF-8, et Wendle n’accepte que des noms de fichier en UTF-8, pour qu’aucun nom ne mène à un autre fichier. Rien n’a été lu ni écrit&#xa0;; renommez le fichier.</translation>
    </message>
</context>
<context>
    <name>Finder</name>
    <message>
        <source>Fi&amp;nd what:</source>
        <extracomment>The label of the field that holds the text to find.</extracomment>
        <translation>Re&amp;chercher :</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <extracomment>The label of the field that holds the text that replaces what is found.</extracomment>
        <translation>Remplacer &amp;par :</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>&amp;Respecter la casse</translation>
    </message>
    <message>
        <source>&amp;Whole words</source>
        <extracomment>Finds the text only where it is a whole word, not part of a longer one.</extracomment>
        <translation>&amp;Mots entiers</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Pr&amp;écédent</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>A button: replaces the match that is selected, then finds the next one.</extracomment>
        <translation>Rempl&amp;acer</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Remplacer &amp;tout</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>The title of the finder&apos;s window when it finds, and when it also replaces.</extracomment>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>There is not enough memory to search this text.</source>
        <translation>Il n’y a pas assez de mémoire pour chercher dans ce texte.</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>La recherche a échoué : %1</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Introuvable.</translation>
    </message>
    <message>
        <source>Passed the start; continued from the end.</source>
        <extracomment>Said when a search backward has passed the start of the text.</extracomment>
        <translation>Début dépassé ; recherche poursuivie depuis la fin.</translation>
    </message>
    <message>
        <source>Passed the end; continued from the start.</source>
        <extracomment>Said when a search has passed the end of the text.</extracomment>
        <translation>Fin dépassée ; recherche poursuivie depuis le début.</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced.</source>
        <extracomment>%n is how many matches were replaced.</extracomment>
        <translation>
            <numerusform>%n occurrence remplacée.</numerusform>
            <numerusform>%n occurrences remplacées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It is a folder, not a file</source>
        <translation>C’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file</source>
        <translation>C’est un périphérique, un tube ou un socket, pas un fichier</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, the most Wendle reads of such a file</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>Il dépasse %1 octets, le plus que Wendle lit d’un tel fichier</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Restore</source>
        <extracomment>Button of the question that offers typing a window left unsaved: bring it back.</extracomment>
        <translation>Restaurer</translation>
    </message>
</context>
<context>
    <name>OnePage</name>
    <message>
        <source>Cannot read standard input: %1.</source>
        <translation>Impossible de lire l’entrée standard&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>Impossible d’écrire sur la sortie standard&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the title; the page written so far is incomplete.</source>
        <translation>Le modèle %1 n’a pas de marqueur pour le titre&#xa0;; la page écrite jusqu’ici est incomplète.</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the text; the page written so far is incomplete.</source>
        <translation>Le modèle %1 n’a pas de marqueur pour le texte&#xa0;; la page écrite jusqu’ici est incomplète.</translation>
    </message>
    <message>
        <source>The page %1 is not a plain name in the project&apos;s folder (a backslash counts as a folder), so --build would refuse the project; keep the project beside its page. Nothing was written.</source>
        <translation>La page %1 n’est pas un simple nom dans le dossier du projet (une barre oblique inverse compte comme un dossier), donc --build refuserait le projet&#xa0;; placez le projet à côté de sa page. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written.</source>
        <translation>Le projet %1 remplacerait le modèle. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>%1 is not a Wendle project, and --save replaces only a project. Nothing was written.</source>
        <translation>%1 n’est pas un projet Wendle, et --save ne remplace qu’un projet. Rien n’a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>warning: the text holds a NUL byte after %n bytes; the %1 bytes from there on were left out.</source>
        <extracomment>%n and %1 are counts of bytes; %1 is the count left out.</extracomment>
        <translation>
            <numerusform>avertissement&#xa0;: le texte contient un octet NUL après %n octet&#xa0;; les octets suivants (%1) ont été omis.</numerusform>
            <numerusform>avertissement&#xa0;: le texte contient un octet NUL après %n octets&#xa0;; les octets suivants (%1) ont été omis.</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>Standard output is the template %1. Nothing was written.</source>
        <translation>La sortie standard est le modèle %1. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE, or another template with --template FILE.</source>
        <translation>Indiquez une autre page avec --output PAGE, ou un autre modèle avec --template FILE.</translation>
    </message>
    <message>
        <source>The project %1 would replace the page. Nothing was written.</source>
        <translation>Le projet %1 remplacerait la page. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Standard input does not fit in the memory Wendle may use. Nothing was written.</source>
        <translation>L’entrée standard ne tient pas dans la mémoire que Wendle peut utiliser. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Standard input holds more than %1 bytes, more than a project can hold. Nothing was written.</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>L’entrée standard contient plus de %1 octets, plus qu’un projet ne peut en contenir. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE.</source>
        <translation>Indiquez une autre page avec --output PAGE.</translation>
    </message>
    <message>
        <source>There is not enough memory to make the page. Nothing was written.</source>
        <translation>Il n’y a pas assez de mémoire pour générer la page. Rien n’a été écrit.</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Un dossier portant ce nom existe déjà</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file to replace</source>
        <translation>C’est un périphérique, un tube ou un socket, pas un fichier à remplacer</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written: %3</source>
        <extracomment>%1 and %2 are counts of bytes, %3 the reason.</extracomment>
        <translation>Seuls %1 octets sur %2 ont pu être écrits&#xa0;: %3</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>The run was stopped by a signal</source>
        <extracomment>The reason a file was not written: Ctrl-C, or a signal that ends the program.</extracomment>
        <translation>L’exécution a été interrompue par un signal</translation>
    </message>
</context>
<context>
    <name>PageBuild</name>
    <message>
        <source>to
%1</source>
        <extracomment>Where a page is written, after &quot;outside the project&apos;s folder,&quot;.</extracomment>
        <translation>vers
%1</translation>
    </message>
    <message>
        <source>
through the link %1</source>
        <translation>
via le lien %1</translation>
    </message>
    <message>
        <source>The page %1 would replace %2. Nothing was written.</source>
        <extracomment>%2 is one of &quot;its own template&quot;, &quot;the file its text is read from&quot;, &quot;the project it is built from&quot;, &quot;a Wendle project&quot;.</extracomment>
        <translation>La page %1 remplacerait %2. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>its own template</source>
        <translation>son propre modèle</translation>
    </message>
    <message>
        <source>the project it is built from</source>
        <translation>le projet à partir duquel elle est générée</translation>
    </message>
    <message>
        <source>a Wendle project</source>
        <translation>un projet Wendle</translation>
    </message>
    <message>
        <source>the title (the first &quot;%s&quot;)</source>
        <translation>le titre (le premier «&#xa0;%s&#xa0;»)</translation>
    </message>
    <message>
        <source>the text (the second &quot;%s&quot;)</source>
        <translation>le texte (le deuxième «&#xa0;%s&#xa0;»)</translation>
    </message>
    <message>
        <source>The template %1 has no marker for %2. Nothing was written.</source>
        <extracomment>%2 is &quot;the title (the first &quot;%s&quot;)&quot; or &quot;the text (...)&quot;; the template holds &quot;%s&quot; as typed.</extracomment>
        <translation>Le modèle %1 n’a pas de marqueur pour %2. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>No template has been chosen. Choose one with the Template button.</source>
        <extracomment>&quot;Template&quot; is the caption of the window&apos;s button.</extracomment>
        <translation>Aucun modèle n’a été choisi. Choisissez-en un avec le bouton «&#xa0;Modèle…&#xa0;».</translation>
    </message>
    <message>
        <source>the file its text is read from</source>
        <translation>le fichier dont son texte est lu</translation>
    </message>
</context>
<context>
    <name>PreviewServer</name>
    <message>
        <source>The preview module libwendle_preview.so is not installed beside %1.</source>
        <translation>Le module d’aperçu libwendle_preview.so n’est pas installé à côté de %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the port cannot be used</source>
        <translation>le port ne peut pas être utilisé</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>It is too large to be a Wendle project</source>
        <translation>Le fichier est trop volumineux pour être un projet Wendle</translation>
    </message>
    <message>
        <source>It is not a Wendle project, or it is damaged</source>
        <translation>Ce n’est pas un projet Wendle, ou il est endommagé</translation>
    </message>
    <message>
        <source>The title and text are too long for a project file, which holds at most 4 GiB.</source>
        <translation>Le titre et le texte sont trop longs pour un fichier de projet, qui contient au plus 4 Gio.</translation>
    </message>
</context>
<context>
    <name>ProjectScripts</name>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>kept %1, which is there already</source>
        <translation>%1 conservé, car il existe déjà</translation>
    </message>
    <message>
        <source>The sample %1 is missing from the program.</source>
        <translation>L’exemple %1 manque dans le programme.</translation>
    </message>
    <message>
        <source>Open the welcome project with:
  cd %1 &amp;&amp; wendle welcome.wendle</source>
        <extracomment>%1 is the folder, quoted for the shell; the command stays as it is.</extracomment>
        <translation>Ouvrez le projet de bienvenue avec&#xa0;:
  cd %1 &amp;&amp; wendle welcome.wendle</translation>
    </message>
    <message>
        <source>%1 is in the way: it is not a file (a folder, a link to nothing, a device or a pipe). Nothing was written.</source>
        <translation>%1 empêche l’écriture&#xa0;: ce n’est pas un fichier (un dossier, un lien vers rien, un périphérique ou un tube). Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>There is not enough memory to show the project.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>Il n’y a pas assez de mémoire pour afficher le projet.</translation>
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
        <translation>Sa description est endommagée.</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>Le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>It is too large to be a description</source>
        <translation>Le fichier est trop volumineux pour être une description</translation>
    </message>
    <message>
        <source>It was moved aside to %1.</source>
        <translation>La copie a été mise de côté dans %1.</translation>
    </message>
    <message>
        <source>It cannot be moved aside (%1), so it stays where it is, and it will not be read again.</source>
        <translation>La copie ne peut pas être mise de côté (%1)&#xa0;; elle reste donc où elle est et ne sera plus lue.</translation>
    </message>
    <message>
        <source>It does not fit in the memory Wendle may use.</source>
        <extracomment>&quot;It&quot; is a recovery copy of the window&apos;s typing.</extracomment>
        <translation>La copie ne tient pas dans la mémoire que Wendle peut utiliser.</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>(no suggestions)</source>
        <extracomment>Shown, greyed, in place of corrections when the dictionary has none.</extracomment>
        <translation>(aucune suggestion)</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <extracomment>Adds the word to the personal word list that the desktop&apos;s programs share.</extracomment>
        <translation>Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <extracomment>Accepts the word everywhere until Wendle ends.</extracomment>
        <translation>Tout ignorer</translation>
    </message>
    <message>
        <source>No spelling dictionary for %1: install %2</source>
        <extracomment>%1 is a language tag such as de-DE, %2 the Debian package of its dictionary.</extracomment>
        <translation>Aucun dictionnaire pour %1 : installez %2</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Vérifier l’orthographe</translation>
    </message>
</context>
<context>
    <name>WendleDialog</name>
    <message>
        <source>HTML Template files</source>
        <extracomment>Files shown in the template prompt.</extracomment>
        <translation>Fichiers de modèle HTML</translation>
    </message>
    <message>
        <source>Choose an HTML template</source>
        <translation>Choisir un modèle HTML</translation>
    </message>
    <message>
        <source>Title:</source>
        <extracomment>Label before the one-line field for the page&apos;s title.</extracomment>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Text:</source>
        <extracomment>Label above the large field for the page&apos;s body text.</extracomment>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>   Save As...</source>
        <extracomment>Button: saves the project under a name chosen in a file prompt. Keep the three leading blanks, which set the caption off as on the other buttons that open a prompt.</extracomment>
        <translation>   Enregistrer sous…</translation>
    </message>
    <message>
        <source>Build</source>
        <comment>verb, on a button: build the page</comment>
        <extracomment>Button: makes the web page from the template, the title and the text, and writes it.</extracomment>
        <translation>Générer</translation>
    </message>
    <message>
        <source>   Open...</source>
        <extracomment>Button: opens a project file chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Ouvrir…</translation>
    </message>
    <message>
        <source>   Template...</source>
        <extracomment>Button: chooses the HTML template in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Modèle…</translation>
    </message>
    <message>
        <source>New</source>
        <comment>on a button: start a new project</comment>
        <extracomment>Button: starts a new, empty project.</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: saves the project into its file.</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>   Build As...</source>
        <extracomment>Button: builds the page under a name chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Générer sous…</translation>
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
