<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Errors</name>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nome de arquivo inválido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Arquivos abertos demais</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acesso ao arquivo negado</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Leitura além do fim do arquivo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco cheio</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Entrada numérica inválida</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erro de E/S %1</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>No Wine prefix: %1 is missing</source>
        <translation>Nenhum prefixo do Wine: %1 não existe</translation>
    </message>
    <message>
        <source>Wine prefix: %1</source>
        <translation>Prefixo do Wine: %1</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Erro de verificação de intervalo</translation>
    </message>
    <message>
        <source>Free space on drive %1 - %2 kB</source>
        <translation>Espaço livre na unidade %1 - %2 kB</translation>
    </message>
</context>
<context>
    <name>InstallRun</name>
    <message>
        <source>Ready.</source>
        <translation>Pronto.</translation>
    </message>
    <message>
        <source>Copying %1 ...</source>
        <translation>Copiando %1 ...</translation>
    </message>
    <message>
        <source>The file %1 changed as it was read</source>
        <translation>O arquivo %1 mudou enquanto era lido</translation>
    </message>
</context>
<context>
    <name>MediaBackend</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer could not start (%1)</source>
        <translation>Não é possível reproduzir a introdução: o GStreamer não pôde iniciar (%1)</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 is missing. Install the Debian package %2</source>
        <translation>Não é possível reproduzir a introdução: falta o módulo %1 do GStreamer. Instale o pacote do Debian %2</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 are missing. Install the Debian packages %2</source>
        <translation>Não é possível reproduzir a introdução: faltam os módulos %1 do GStreamer. Instale os pacotes do Debian %2</translation>
    </message>
</context>
<context>
    <name>MemoryFigures</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>RunUndo</name>
    <message>
        <source>remove %1 added file</source>
        <translation>remover %1 arquivo adicionado</translation>
    </message>
    <message>
        <source>remove %1 added files</source>
        <translation>remover %1 arquivos adicionados</translation>
    </message>
    <message>
        <source>restore %1 replaced one</source>
        <translation>restaurar %1 arquivo substituído</translation>
    </message>
    <message>
        <source>restore %1 replaced ones</source>
        <translation>restaurar %1 arquivos substituídos</translation>
    </message>
</context>
<context>
    <name>ScenarioCatalogue</name>
    <message>
        <source>%1 ( %2 kB )</source>
        <translation>%1 ( %2 kB )</translation>
    </message>
</context>
<context>
    <name>ScenarioListModel</name>
    <message>
        <source>Scenario name</source>
        <translation>Nome do cenário</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Tamanho do arquivo</translation>
    </message>
</context>
<context>
    <name>ScenarioTypes</name>
    <message>
        <source>Historical scenarios</source>
        <translation>Cenários históricos</translation>
    </message>
    <message>
        <source>Crazy scenarios</source>
        <translation>Cenários malucos</translation>
    </message>
    <message>
        <source>Real-map scenarios</source>
        <translation>Cenários em mapas reais</translation>
    </message>
    <message>
        <source>Campaigns</source>
        <translation>Campanhas</translation>
    </message>
</context>
<context>
    <name>SearchNotice</name>
    <message>
        <source>Waiting for %1</source>
        <translation>Aguardando %1</translation>
    </message>
    <message>
        <source>Looking for the game&apos;s Wine prefix...</source>
        <translation>Procurando o prefixo do Wine do jogo...</translation>
    </message>
    <message>
        <source>Looking for the scenario pack...</source>
        <translation>Procurando o pacote de cenários...</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About program</source>
        <translation>Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Physical memory available to Windows:</source>
        <translation>Memória física disponível para o Windows:</translation>
    </message>
    <message>
        <source>Memory in use:</source>
        <translation>Memória em uso:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Créditos:</translation>
    </message>
</context>
<context>
    <name>TChoiceForm</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The game is installed in several Wine prefixes. Which one is to receive the scenarios?</source>
        <translation>O jogo está instalado em vários prefixos do Wine. Em qual deles os cenários devem ser instalados?</translation>
    </message>
    <message>
        <source>Where is the scenario pack?</source>
        <translation>Onde está o pacote de cenários?</translation>
    </message>
    <message>
        <source>A scenario pack&apos;s folder holds at least one of the folders %1 and %2, usually beside the video %3.</source>
        <translation>A pasta de um pacote de cenários contém pelo menos uma das pastas %1 e %2, geralmente ao lado do vídeo %3.</translation>
    </message>
    <message>
        <source>Several scenario packs were found. Which one is to be installed?</source>
        <translation>Foram encontrados vários pacotes de cenários. Qual deve ser instalado?</translation>
    </message>
    <message>
        <source>%1 is not a Wine prefix</source>
        <translation>%1 não é um prefixo do Wine</translation>
    </message>
</context>
<context>
    <name>TIntroForm</name>
    <message>
        <source>Intro animation</source>
        <translation>Animação de introdução</translation>
    </message>
    <message>
        <source>Press any key or click the video to skip it.</source>
        <translation>Pressione qualquer tecla ou clique no vídeo para pulá-lo.</translation>
    </message>
    <message>
        <source>Intro video</source>
        <translation>Vídeo de introdução</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Overall progress</source>
        <translation>Progresso geral</translation>
    </message>
    <message>
        <source>&amp;Begin installation...</source>
        <translation>&amp;Iniciar instalação...</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Pronto.</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Linha de status</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>&amp;Check all</source>
        <translation>&amp;Marcar todos</translation>
    </message>
    <message>
        <source>&amp;Uncheck all</source>
        <translation>&amp;Desmarcar todos</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Pasta do jogo</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory:</source>
        <translation>Pasta do &quot;Age of Empires&quot;:</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory</source>
        <translation>Pasta do &quot;Age of Empires&quot;</translation>
    </message>
    <message>
        <source>Select destination directory...</source>
        <translation>Escolher a pasta de destino...</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>About this program...</source>
        <translation>Sobre este programa...</translation>
    </message>
    <message>
        <source>Show intro animation</source>
        <translation>Mostrar a animação de introdução</translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation>Arquivos de cenário</translation>
    </message>
    <message>
        <source>Scenario description</source>
        <translation>Descrição do cenário</translation>
    </message>
    <message>
        <source>Selection and free space</source>
        <translation>Seleção e espaço livre</translation>
    </message>
    <message>
        <source>Total files selected:</source>
        <translation>Arquivos selecionados:</translation>
    </message>
    <message>
        <source>Free space on drive </source>
        <translation>Espaço livre na unidade </translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>Progresso do arquivo</translation>
    </message>
    <message>
        <source>Scenarios type</source>
        <translation>Tipo de cenários</translation>
    </message>
    <message>
        <source>Scenarios type:</source>
        <translation>Tipo de cenários:</translation>
    </message>
    <message>
        <source>Undo the last installation in this folder...</source>
        <translation>Desfazer a última instalação nesta pasta...</translation>
    </message>
    <message>
        <source>Undone: %1 removed, %2 restored, %3 left as they are.</source>
        <translation>Desfeito: %1 removidos, %2 restaurados, %3 deixados como estavam.</translation>
    </message>
    <message>
        <source>Undo the installation of %1 into %2?

This will %3.</source>
        <translation>Desfazer a instalação de %1 em %2?

Isso vai %3.</translation>
    </message>
</context>
<context>
    <name>TNewFolderPromptForm</name>
    <message>
        <source>Create new folder</source>
        <translation>Criar nova pasta</translation>
    </message>
    <message>
        <source>Enter new folder name:</source>
        <translation>Nome da nova pasta:</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>Pasta atual:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TPromptForm</name>
    <message>
        <source>Duplicated scenario file warning</source>
        <translation>Aviso: arquivo de cenário duplicado</translation>
    </message>
    <message>
        <source>Scenario file named: </source>
        <extracomment>One sentence over three lines: this, the file name on a line of its own, then &quot;already exists. What do you wish to do?&quot;</extracomment>
        <translation>O arquivo de cenário chamado </translation>
    </message>
    <message>
        <source>already exists. What do you wish to do?</source>
        <extracomment>The end of the sentence that starts &quot;Scenario file named: &quot;, after the file name</extracomment>
        <translation>já existe. O que deseja fazer?</translation>
    </message>
    <message>
        <source>Skip this file</source>
        <translation>Pular este arquivo</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Pular todos</translation>
    </message>
    <message>
        <source>Overwrite file</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Overwrite all</source>
        <translation>Substituir todos</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Cancelar instalação</translation>
    </message>
</context>
<context>
    <name>TSelectDirForm</name>
    <message>
        <source>Select Age of Empires™ folder..</source>
        <translation>Escolher a pasta do Age of Empires™..</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>Pasta escolhida</translation>
    </message>
    <message>
        <source>&amp;New folder...</source>
        <translation>&amp;Nova pasta...</translation>
    </message>
    <message>
        <source>New folder...</source>
        <translation>Nova pasta...</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>%1 was not found in %2</source>
        <translation>%1 não foi encontrado em %2</translation>
    </message>
    <message>
        <source>it could not be loaded in time</source>
        <translation>não pôde ser carregado a tempo</translation>
    </message>
    <message>
        <source>%1 in %2 cannot be played: %3</source>
        <translation>Não é possível reproduzir %1 em %2: %3</translation>
    </message>
    <message>
        <source>Unknown error code</source>
        <translation>Código de erro desconhecido</translation>
    </message>
</context>
</TS>
