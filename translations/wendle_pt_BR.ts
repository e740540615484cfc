<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BatchBuild</name>
    <message>
        <source>The project names no page; choose one with Build As in Wendle&apos;s window, then save the project.</source>
        <translation>O projeto não indica nenhuma página; escolha uma com “Gerar como…” na janela do Wendle e depois salve o projeto.</translation>
    </message>
    <message>
        <source>The project writes its page outside the project&apos;s folder, %1; build it there with --allow-outside.</source>
        <translation>O projeto grava a página dele fora da pasta do projeto, %1; gere-a lá com --allow-outside.</translation>
    </message>
    <message>
        <source>No template has been chosen. Name one with --template FILE, or choose one in Wendle&apos;s window.</source>
        <translation>Nenhum modelo foi escolhido. Indique um com --template FILE ou escolha um na janela do Wendle.</translation>
    </message>
    <message>
        <source>built %1</source>
        <extracomment>A line of --verbose output; %1 is the page written.</extracomment>
        <translation>gerada: %1</translation>
    </message>
    <message>
        <source>There is not enough memory to build the page. Nothing was written.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>Não há memória suficiente para gerar a página. Nada foi gravado.</translation>
    </message>
</context>
<context>
    <name>BatchWatch</name>
    <message>
        <source>It was removed; its pages are rebuilt when it is back.</source>
        <translation>Foi removido; as páginas dele serão geradas de novo quando ele voltar.</translation>
    </message>
    <message>
        <source>Cannot serve on 127.0.0.1:%1: %2.</source>
        <extracomment>%1 is a port number, %2 the reason.</extracomment>
        <translation>Não é possível servir as páginas em 127.0.0.1:%1: %2.</translation>
    </message>
    <message>
        <source>preview: %1</source>
        <extracomment>%1 is the address where the page is served.</extracomment>
        <translation>pré-visualização: %1</translation>
    </message>
    <message>
        <source>not served: %1 is hidden, or in a hidden folder</source>
        <translation>não servido: %1 está oculto ou em uma pasta oculta</translation>
    </message>
    <message>
        <source>not served: %1 is outside %2</source>
        <extracomment>%1 is the page, %2 the folder that is served.</extracomment>
        <translation>não servido: %1 está fora de %2</translation>
    </message>
</context>
<context>
    <name>CWendleApp</name>
    <message>
        <source>the window needs a display, and none was found (in an SSH session, a container or a
terminal without a desktop). Pages can be built without one: wendle --build PROJECT...</source>
        <translation>a janela precisa de uma tela, e nenhuma foi encontrada (em uma sessão SSH, um contêiner ou um
terminal sem área de trabalho). As páginas podem ser geradas sem ela: wendle --build PROJECT...</translation>
    </message>
    <message>
        <source>these arguments open the window; see wendle --help</source>
        <translation>estes argumentos abrem a janela; veja wendle --help</translation>
    </message>
    <message>
        <source>the typing could not be kept for the next start: %1</source>
        <translation>não foi possível guardar o que foi digitado para a próxima inicialização: %1</translation>
    </message>
    <message>
        <source>write error on standard output: %1</source>
        <translation>erro de gravação na saída padrão: %1</translation>
    </message>
    <message>
        <source>write error on standard output</source>
        <translation>erro de gravação na saída padrão</translation>
    </message>
</context>
<context>
    <name>CWendleDlg</name>
    <message>
        <source>There is not enough memory to finish this command.</source>
        <translation>Não há memória suficiente para concluir este comando.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>O comando falhou: %1</translation>
    </message>
    <message>
        <source>The command failed for an unknown reason.</source>
        <translation>O comando falhou por um motivo desconhecido.</translation>
    </message>
    <message>
        <source>HTML files</source>
        <extracomment>Files shown in the page prompt.</extracomment>
        <translation>Arquivos HTML</translation>
    </message>
    <message>
        <source>This project writes its page outside the project&apos;s folder, %1

Build the page there?</source>
        <extracomment>%1 is a line break and the page&apos;s path, as &quot;to
/home/a/page.html&quot;.</extracomment>
        <translation>Este projeto grava a página dele fora da pasta do projeto, %1

Gerar a página lá?</translation>
    </message>
    <message>
        <source>The page was built, but it cannot be shown: %1</source>
        <translation>A página foi gerada, mas não pode ser exibida: %1</translation>
    </message>
    <message>
        <source>The page was built, but a hidden file is not shown in the browser.</source>
        <translation>A página foi gerada, mas um arquivo oculto não é exibido no navegador.</translation>
    </message>
    <message>
        <source>The page was built, but no browser could be started for %1.</source>
        <translation>A página foi gerada, mas nenhum navegador pôde ser iniciado para %1.</translation>
    </message>
    <message>
        <source>Wendle files</source>
        <extracomment>Files shown in the project prompts.</extracomment>
        <translation>Arquivos do Wendle</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written; choose another name with Save As.</source>
        <translation>O projeto %1 substituiria o modelo. Nada foi gravado; escolha outro nome com “Salvar como…”.</translation>
    </message>
    <message>
        <source>The title and text have changes that are not saved in a project or built into a page.

Save them first?</source>
        <translation>O título e o texto têm alterações que não foram salvas em um projeto nem geradas em uma página.

Salvá-las primeiro?</translation>
    </message>
    <message>
        <source>a project never saved, with no title</source>
        <translation>um projeto nunca salvo, sem título</translation>
    </message>
    <message>
        <source>a project never saved, titled &quot;%1&quot;</source>
        <translation>um projeto nunca salvo, intitulado “%1”</translation>
    </message>
    <message>
        <source>Wendle was closed before the changes to %1 were saved (%2). Restore them?</source>
        <extracomment>%1 is the project&apos;s path or &quot;a project never saved, ...&quot;, %2 the time of the copy.</extracomment>
        <translation>O Wendle foi fechado antes que as alterações em %1 fossem salvas (%2). Restaurá-las?</translation>
    </message>
    <message>
        <source>

The next Build writes the page %1.</source>
        <extracomment>&quot;Build&quot; is the window&apos;s button.</extracomment>
        <translation>

Da próxima vez, “Gerar” gravará a página %1.</translation>
    </message>
    <message>
        <source>Wendle cannot keep a recovery copy of your typing, so it would be lost if Wendle were killed.

%1</source>
        <translation>O Wendle não consegue manter uma cópia de recuperação do que você digita; o que você digitou se perderia se o Wendle fosse encerrado à força.

%1</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read: %1</source>
        <translation>Não é possível ler uma cópia de recuperação: %1</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be removed: %2. It will not be offered again.</source>
        <translation>Não é possível remover a cópia de recuperação %1: %2. Ela não será oferecida novamente.</translation>
    </message>
    <message numerus="yes">
        <source>The text of the project %1 holds a NUL byte after %n bytes; the %2 bytes from there on were left out, and a Save would remove them from the project.</source>
        <extracomment>%n and %2 are counts of bytes; %2 is the count left out. %1 is the project&apos;s path.</extracomment>
        <translation>
            <numerusform>O texto do projeto %1 contém um byte NUL após %n byte; os bytes seguintes (%2) foram omitidos, e salvar os removeria do projeto.</numerusform>
            <numerusform>O texto do projeto %1 contém um byte NUL após %n bytes; os bytes seguintes (%2) foram omitidos, e salvar os removeria do projeto.</numerusform>
        </translation>
    </message>
    <message>
        <source>The project %1 was replaced by another program with a file that is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>Outro programa substituiu o projeto %1 por um arquivo que não é um projeto do Wendle. Nada foi salvo; “Salvar como…” ainda pode salvar este trabalho.</translation>
    </message>
    <message>
        <source>The project %1 is now a link to %2, which is not a Wendle project. Nothing was saved; Save As can still save this work.</source>
        <translation>O projeto %1 agora é um link para %2, que não é um projeto do Wendle. Nada foi salvo; “Salvar como…” ainda pode salvar este trabalho.</translation>
    </message>
    <message>
        <source>%1 (now a link to %2)</source>
        <extracomment>Named in the questions below: %1 is the project&apos;s path, %2 the file the link there now leads to.</extracomment>
        <translation>%1 (agora um link para %2)</translation>
    </message>
    <message>
        <source>Wendle cannot tell whether the project %1 was changed by another program since this work was begun. Save over it?</source>
        <extracomment>%1 is the project&apos;s path.</extracomment>
        <translation>O Wendle não consegue saber se outro programa alterou o projeto %1 desde que este trabalho começou. Salvar por cima mesmo assim?</translation>
    </message>
    <message>
        <source>The project %1 was changed by another program after Wendle opened it. Save over it?</source>
        <translation>Outro programa alterou o projeto %1 depois que o Wendle o abriu. Salvar por cima mesmo assim?</translation>
    </message>
    <message>
        <source>Choose another name for the page with Build As.</source>
        <extracomment>Follows a message that says why the page was not written. &quot;Build As&quot; is the button.</extracomment>
        <translation>Escolha outro nome para a página com “Gerar como…”.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Rebuild each project&apos;s page, then exit.</source>
        <translation>Gerar de novo a página de cada projeto e sair.</translation>
    </message>
    <message>
        <source>With --build: keep running, and rebuild a page whenever its project or its template changes, until Ctrl-C.</source>
        <translation>Com --build: continuar em execução e gerar de novo uma página sempre que o projeto ou o modelo dela mudar, até Ctrl-C.</translation>
    </message>
    <message>
        <source>With --watch: serve the current directory on 127.0.0.1 and print the address of each page; a browser showing a page reloads it when it is rebuilt.</source>
        <translation>Com --watch: servir o diretório atual em 127.0.0.1 e mostrar o endereço de cada página; um navegador que exibe uma página a recarrega quando ela é gerada de novo.</translation>
    </message>
    <message>
        <source>With --serve: this port and no other (default: %1, or the next free one).</source>
        <extracomment>%1 is the default port number.</extracomment>
        <translation>Com --serve: esta porta e nenhuma outra (padrão: %1, ou a próxima livre).</translation>
    </message>
    <message>
        <source>With --build or --output: the template for every page, instead of the one Wendle remembers (that one is looked up in each project&apos;s folder).</source>
        <translation>Com --build ou --output: o modelo de todas as páginas, em vez daquele que o Wendle lembra (esse é procurado na pasta de cada projeto).</translation>
    </message>
    <message>
        <source>With --build: also build pages that a project names outside its own folder.</source>
        <translation>Com --build: gerar também as páginas que um projeto indica fora da própria pasta.</translation>
    </message>
    <message>
        <source>With --build: print a line per page built.</source>
        <translation>Com --build: mostrar uma linha por página gerada.</translation>
    </message>
    <message>
        <source>Build one page, without a project, into PAGE (- for standard output).</source>
        <translation>Gerar uma página, sem projeto, em PAGE (- para a saída padrão).</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s title.</source>
        <translation>Com --output: o título da página.</translation>
    </message>
    <message>
        <source>With --output: the page&apos;s text, from FILE (- for standard input).</source>
        <translation>Com --output: o texto da página, lido de FILE (- para a entrada padrão).</translation>
    </message>
    <message>
        <source>With --output: also save the title, the text and the page&apos;s name as a project; only a project is replaced.</source>
        <translation>Com --output: salvar também o título, o texto e o nome da página como projeto; só um projeto é substituído.</translation>
    </message>
    <message>
        <source>Print each project as text (for git diff).</source>
        <translation>Mostrar cada projeto como texto (para git diff).</translation>
    </message>
    <message>
        <source>With --show: one JSON object a project.</source>
        <translation>Com --show: um objeto JSON por projeto.</translation>
    </message>
    <message>
        <source>Write the sample template and the welcome project into DIR.</source>
        <translation>Gravar o modelo de exemplo e o projeto de boas-vindas em DIR.</translation>
    </message>
    <message>
        <source>--build, --output, --show and --init each go alone.</source>
        <translation>--build, --output, --show e --init só podem ser usados separadamente.</translation>
    </message>
    <message>
        <source>--output and --init take no project.</source>
        <translation>--output e --init não aceitam projeto.</translation>
    </message>
    <message>
        <source>--show needs at least one project.</source>
        <translation>--show precisa de pelo menos um projeto.</translation>
    </message>
    <message>
        <source>--json goes with --show.</source>
        <translation>--json é usado com --show.</translation>
    </message>
    <message>
        <source>--build needs at least one project.</source>
        <translation>--build precisa de pelo menos um projeto.</translation>
    </message>
    <message>
        <source>The window opens one project; build several with --build.</source>
        <translation>A janela abre um projeto; gere vários com --build.</translation>
    </message>
    <message>
        <source>--watch, --template, --allow-outside and --verbose go with --build.</source>
        <translation>--watch, --template, --allow-outside e --verbose são usados com --build.</translation>
    </message>
    <message>
        <source>--serve goes with --watch.</source>
        <translation>--serve é usado com --watch.</translation>
    </message>
    <message>
        <source>--port goes with --serve.</source>
        <translation>--port é usado com --serve.</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535.</source>
        <translation>--port requer um número de porta de 1 a 65535.</translation>
    </message>
    <message>
        <source>--output, --template, --text, --save and --init each need a name, not an empty one.</source>
        <translation>--output, --template, --text, --save e --init precisam, cada um, de um nome que não seja vazio.</translation>
    </message>
    <message>
        <source>Makes single HTML pages from a template. With no argument, or with a project, opens the window, where F12 builds the page and shows it in the browser; with --build, rebuilds the page of each project without a window; with --output, makes one page from a title and a text; with --show, prints projects as text.</source>
        <translation>Cria páginas HTML avulsas a partir de um modelo. Sem argumentos, ou com um projeto, abre a janela, onde F12 gera a página e a exibe no navegador; com --build, gera de novo a página de cada projeto sem janela; com --output, cria uma página a partir de um título e um texto; com --show, mostra projetos como texto.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>A project file (*.wendle).</source>
        <translation>Um arquivo de projeto (*.wendle).</translation>
    </message>
    <message>
        <source>With --output: the text&apos;s format, markdown or html (default: markdown for a FILE named *.md or *.markdown, else html).</source>
        <translation>Com --output: o formato do texto, markdown ou html (padrão: markdown para um FILE chamado *.md ou *.markdown, senão html).</translation>
    </message>
    <message>
        <source>--title, --text, --from and --save go with --output.</source>
        <translation>--title, --text, --from e --save são usados com --output.</translation>
    </message>
    <message>
        <source>--from takes markdown or html.</source>
        <translation>--from requer markdown ou html.</translation>
    </message>
    <message>
        <source>--output takes --template, --title, --text, --from and --save.</source>
        <translation>--output aceita --template, --title, --text, --from e --save.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Não foi possível ler o arquivo %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Não foi possível gravar o arquivo %1:
%2.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Nenhum arquivo foi escolhido.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>The current folder has been removed. Nothing was read or written; change to a folder that is there.</source>
        <translation>A pasta atual foi removida. Nada foi lido nem gravado; mude para uma pasta que exista.</translation>
    </message>
    <message>
        <source>The name %1 leads nowhere: the current folder it is taken from has been removed. Nothing was read or written; change to a folder that is there, or give the full path.</source>
        <extracomment>%1 is a file name without a folder, as typed.</extracomment>
        <translation>O nome %1 não leva a lugar nenhum: a pasta atual a partir da qual ele é lido foi removida. Nada foi lido nem gravado; mude para uma pasta que exista ou informe o caminho completo.</translation>
    </message>
    <message>
        <source>The name %1 is not UTF-8, and Wendle takes file names in UTF-8 only, so that no name can reach another file. Nothing was read or written; rename the file.</source>
        <extracomment>%1 is a file name as typed, each byte that is not UTF-8 shown as <byte value="x0"/>NN.</extracomment>
        <translation>O nome %1 não está em UTF-8, e o Wendle só aceita nomes de arquivo em UTF-8, para que nenhum nome leve a outro arquivo. Nada foi lido nem gravado; renomeie o arquivo.</translation>
    </message>
</context>
<context>
    <name>Finder</name>
    <message>
        <source>Fi&amp;nd what:</source>
        <extracomment>The label of the field that holds the text to find.</extracomment>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <extracomment>The label of the field that holds the text that replaces what is found.</extracomment>
        <translation>Substituir p&amp;or:</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>Diferenciar &amp;maiúsculas de minúsculas</translation>
    </message>
    <message>
        <source>&amp;Whole words</source>
        <extracomment>Finds the text only where it is a whole word, not part of a longer one.</extracomment>
        <translation>Somente palavras &amp;inteiras</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Próximo</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>A button: replaces the match that is selected, then finds the next one.</extracomment>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Substituir &amp;tudo</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>The title of the finder&apos;s window when it finds, and when it also replaces.</extracomment>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>There is not enough memory to search this text.</source>
        <translation>Não há memória suficiente para pesquisar neste texto.</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <extracomment>%1 is the reason the system or the library gave, as it gave it.</extracomment>
        <translation>A pesquisa falhou: %1</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Não encontrado.</translation>
    </message>
    <message>
        <source>Passed the start; continued from the end.</source>
        <extracomment>Said when a search backward has passed the start of the text.</extracomment>
        <translation>Passou do início; continuou a partir do fim.</translation>
    </message>
    <message>
        <source>Passed the end; continued from the start.</source>
        <extracomment>Said when a search has passed the end of the text.</extracomment>
        <translation>Passou do fim; continuou a partir do início.</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced.</source>
        <extracomment>%n is how many matches were replaced.</extracomment>
        <translation>
            <numerusform>%n substituição.</numerusform>
            <numerusform>%n substituições.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It is a folder, not a file</source>
        <translation>É uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file</source>
        <translation>É um dispositivo, um pipe ou um soquete, não um arquivo</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes, the most Wendle reads of such a file</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>Tem mais de %1 bytes, o máximo que o Wendle lê de um arquivo assim</translation>
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
        <translation>Não é possível ler a entrada padrão: %1.</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>Não é possível gravar na saída padrão: %1.</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the title; the page written so far is incomplete.</source>
        <translation>O modelo %1 não tem marcador para o título; a página gravada até agora está incompleta.</translation>
    </message>
    <message>
        <source>The template %1 has no marker for the text; the page written so far is incomplete.</source>
        <translation>O modelo %1 não tem marcador para o texto; a página gravada até agora está incompleta.</translation>
    </message>
    <message>
        <source>The page %1 is not a plain name in the project&apos;s folder (a backslash counts as a folder), so --build would refuse the project; keep the project beside its page. Nothing was written.</source>
        <translation>A página %1 não é um nome simples na pasta do projeto (uma barra invertida conta como pasta), então --build recusaria o projeto; mantenha o projeto ao lado da página. Nada foi gravado.</translation>
    </message>
    <message>
        <source>The project %1 would replace the template. Nothing was written.</source>
        <translation>O projeto %1 substituiria o modelo. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 is not a Wendle project, and --save replaces only a project. Nothing was written.</source>
        <translation>%1 não é um projeto do Wendle, e --save substitui apenas um projeto. Nada foi gravado.</translation>
    </message>
    <message numerus="yes">
        <source>warning: the text holds a NUL byte after %n bytes; the %1 bytes from there on were left out.</source>
        <extracomment>%n and %1 are counts of bytes; %1 is the count left out.</extracomment>
        <translation>
            <numerusform>aviso: o texto contém um byte NUL após %n byte; os bytes seguintes (%1) foram omitidos.</numerusform>
            <numerusform>aviso: o texto contém um byte NUL após %n bytes; os bytes seguintes (%1) foram omitidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <source>Standard output is the template %1. Nothing was written.</source>
        <translation>A saída padrão é o modelo %1. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE, or another template with --template FILE.</source>
        <translation>Indique outra página com --output PAGE ou outro modelo com --template FILE.</translation>
    </message>
    <message>
        <source>The project %1 would replace the page. Nothing was written.</source>
        <translation>O projeto %1 substituiria a página. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Standard input does not fit in the memory Wendle may use. Nothing was written.</source>
        <translation>A entrada padrão não cabe na memória que o Wendle pode usar. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Standard input holds more than %1 bytes, more than a project can hold. Nothing was written.</source>
        <extracomment>%1 is a count of bytes.</extracomment>
        <translation>A entrada padrão contém mais de %1 bytes, mais do que um projeto comporta. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Name another page with --output PAGE.</source>
        <translation>Indique outra página com --output PAGE.</translation>
    </message>
    <message>
        <source>There is not enough memory to make the page. Nothing was written.</source>
        <translation>Não há memória suficiente para gerar a página. Nada foi gravado.</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Já existe uma pasta com esse nome</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a file to replace</source>
        <translation>É um dispositivo, um pipe ou um soquete, não um arquivo a ser substituído</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written: %3</source>
        <extracomment>%1 and %2 are counts of bytes, %3 the reason.</extracomment>
        <translation>Só foi possível gravar %1 de %2 bytes: %3</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>The run was stopped by a signal</source>
        <extracomment>The reason a file was not written: Ctrl-C, or a signal that ends the program.</extracomment>
        <translation>A execução foi interrompida por um sinal</translation>
    </message>
</context>
<context>
    <name>PageBuild</name>
    <message>
        <source>to
%1</source>
        <extracomment>Where a page is written, after &quot;outside the project&apos;s folder,&quot;.</extracomment>
        <translation>em
%1</translation>
    </message>
    <message>
        <source>
through the link %1</source>
        <translation>
por meio do link %1</translation>
    </message>
    <message>
        <source>The page %1 would replace %2. Nothing was written.</source>
        <extracomment>%2 is one of &quot;its own template&quot;, &quot;the file its text is read from&quot;, &quot;the project it is built from&quot;, &quot;a Wendle project&quot;.</extracomment>
        <translation>A página %1 substituiria %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>its own template</source>
        <translation>o próprio modelo</translation>
    </message>
    <message>
        <source>the project it is built from</source>
        <translation>o projeto a partir do qual é gerada</translation>
    </message>
    <message>
        <source>a Wendle project</source>
        <translation>um projeto do Wendle</translation>
    </message>
    <message>
        <source>the title (the first &quot;%s&quot;)</source>
        <translation>o título (o primeiro “%s”)</translation>
    </message>
    <message>
        <source>the text (the second &quot;%s&quot;)</source>
        <translation>o texto (o segundo “%s”)</translation>
    </message>
    <message>
        <source>The template %1 has no marker for %2. Nothing was written.</source>
        <extracomment>%2 is &quot;the title (the first &quot;%s&quot;)&quot; or &quot;the text (...)&quot;; the template holds &quot;%s&quot; as typed.</extracomment>
        <translation>O modelo %1 não tem marcador para %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>No template has been chosen. Choose one with the Template button.</source>
        <extracomment>&quot;Template&quot; is the caption of the window&apos;s button.</extracomment>
        <translation>Nenhum modelo foi escolhido. Escolha um com o botão “Modelo…”.</translation>
    </message>
    <message>
        <source>the file its text is read from</source>
        <translation>o arquivo do qual o texto dela é lido</translation>
    </message>
</context>
<context>
    <name>PreviewServer</name>
    <message>
        <source>The preview module libwendle_preview.so is not installed beside %1.</source>
        <translation>O módulo de pré-visualização libwendle_preview.so não está instalado ao lado de %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>the port cannot be used</source>
        <translation>a porta não pode ser usada</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>It is too large to be a Wendle project</source>
        <translation>É grande demais para ser um projeto do Wendle</translation>
    </message>
    <message>
        <source>It is not a Wendle project, or it is damaged</source>
        <translation>Não é um projeto do Wendle ou está danificado</translation>
    </message>
    <message>
        <source>The title and text are too long for a project file, which holds at most 4 GiB.</source>
        <translation>O título e o texto são longos demais para um arquivo de projeto, que comporta no máximo 4 GiB.</translation>
    </message>
</context>
<context>
    <name>ProjectScripts</name>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>kept %1, which is there already</source>
        <translation>%1 mantido, pois já existe</translation>
    </message>
    <message>
        <source>The sample %1 is missing from the program.</source>
        <translation>O exemplo %1 está faltando no programa.</translation>
    </message>
    <message>
        <source>Open the welcome project with:
  cd %1 &amp;&amp; wendle welcome.wendle</source>
        <extracomment>%1 is the folder, quoted for the shell; the command stays as it is.</extracomment>
        <translation>Abra o projeto de boas-vindas com:
  cd %1 &amp;&amp; wendle welcome.wendle</translation>
    </message>
    <message>
        <source>%1 is in the way: it is not a file (a folder, a link to nothing, a device or a pipe). Nothing was written.</source>
        <translation>%1 impede a gravação: não é um arquivo (uma pasta, um link para nada, um dispositivo ou um pipe). Nada foi gravado.</translation>
    </message>
    <message>
        <source>There is not enough memory to show the project.</source>
        <extracomment>Follows &quot;wendle: PROJECT: &quot; on standard error.</extracomment>
        <translation>Não há memória suficiente para mostrar o projeto.</translation>
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
        <translation>A descrição da cópia está danificada.</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>Não é possível criar a pasta</translation>
    </message>
    <message>
        <source>It is too large to be a description</source>
        <translation>É grande demais para ser uma descrição</translation>
    </message>
    <message>
        <source>It was moved aside to %1.</source>
        <translation>A cópia foi movida para %1.</translation>
    </message>
    <message>
        <source>It cannot be moved aside (%1), so it stays where it is, and it will not be read again.</source>
        <translation>Não é possível mover a cópia (%1), então ela fica onde está e não será lida novamente.</translation>
    </message>
    <message>
        <source>It does not fit in the memory Wendle may use.</source>
        <extracomment>&quot;It&quot; is a recovery copy of the window&apos;s typing.</extracomment>
        <translation>A cópia não cabe na memória que o Wendle pode usar.</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>(no suggestions)</source>
        <extracomment>Shown, greyed, in place of corrections when the dictionary has none.</extracomment>
        <translation>(sem sugestões)</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <extracomment>Adds the word to the personal word list that the desktop&apos;s programs share.</extracomment>
        <translation>Adicionar ao dicionário</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <extracomment>Accepts the word everywhere until Wendle ends.</extracomment>
        <translation>Ignorar tudo</translation>
    </message>
    <message>
        <source>No spelling dictionary for %1: install %2</source>
        <extracomment>%1 is a language tag such as de-DE, %2 the Debian package of its dictionary.</extracomment>
        <translation>Não há dicionário para %1: instale %2</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Verificar ortografia</translation>
    </message>
</context>
<context>
    <name>WendleDialog</name>
    <message>
        <source>HTML Template files</source>
        <extracomment>Files shown in the template prompt.</extracomment>
        <translation>Arquivos de modelo HTML</translation>
    </message>
    <message>
        <source>Choose an HTML template</source>
        <translation>Escolha um modelo HTML</translation>
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
        <translation>   Salvar como…</translation>
    </message>
    <message>
        <source>Build</source>
        <comment>verb, on a button: build the page</comment>
        <extracomment>Button: makes the web page from the template, the title and the text, and writes it.</extracomment>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>   Open...</source>
        <extracomment>Button: opens a project file chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Abrir…</translation>
    </message>
    <message>
        <source>   Template...</source>
        <extracomment>Button: chooses the HTML template in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Modelo…</translation>
    </message>
    <message>
        <source>New</source>
        <comment>on a button: start a new project</comment>
        <extracomment>Button: starts a new, empty project.</extracomment>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: saves the project into its file.</extracomment>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>   Build As...</source>
        <extracomment>Button: builds the page under a name chosen in a file prompt. Keep the three leading blanks.</extracomment>
        <translation>   Gerar como…</translation>
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
