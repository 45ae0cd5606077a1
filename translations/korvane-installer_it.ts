<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Errors</name>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nome file non valido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Troppi file aperti</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accesso al file negato</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lettura oltre la fine del file</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco pieno</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Input numerico non valido</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Errore di I/O %1</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>No Wine prefix: %1 is missing</source>
        <translation>Nessun prefisso Wine: %1 non esiste</translation>
    </message>
    <message>
        <source>Wine prefix: %1</source>
        <translation>Prefisso Wine: %1</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Errore di controllo dell&apos;intervallo</translation>
    </message>
    <message>
        <source>Free space on drive %1 - %2 kB</source>
        <translation>Spazio libero sull&apos;unità %1 - %2 kB</translation>
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
        <translation>Copia di %1 ...</translation>
    </message>
    <message>
        <source>The file %1 changed as it was read</source>
        <translation>Il file %1 è cambiato durante la lettura</translation>
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
        <translation>Impossibile riprodurre l&apos;introduzione: GStreamer non si è avviato (%1)</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 is missing. Install the Debian package %2</source>
        <translation>Impossibile riprodurre l&apos;introduzione: manca il modulo %1 di GStreamer. Installare il pacchetto Debian %2</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 are missing. Install the Debian packages %2</source>
        <translation>Impossibile riprodurre l&apos;introduzione: mancano i moduli %1 di GStreamer. Installare i pacchetti Debian %2</translation>
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
        <translation>rimuovere %1 file aggiunto</translation>
    </message>
    <message>
        <source>remove %1 added files</source>
        <translation>rimuovere %1 file aggiunti</translation>
    </message>
    <message>
        <source>restore %1 replaced one</source>
        <translation>ripristinare %1 file sostituito</translation>
    </message>
    <message>
        <source>restore %1 replaced ones</source>
        <translation>ripristinare %1 file sostituiti</translation>
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
        <translation>Nome dello scenario</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Dimensione del file</translation>
    </message>
</context>
<context>
    <name>ScenarioTypes</name>
    <message>
        <source>Historical scenarios</source>
        <translation>Scenari storici</translation>
    </message>
    <message>
        <source>Crazy scenarios</source>
        <translation>Scenari folli</translation>
    </message>
    <message>
        <source>Real-map scenarios</source>
        <translation>Scenari su mappe reali</translation>
    </message>
    <message>
        <source>Campaigns</source>
        <translation>Campagne</translation>
    </message>
</context>
<context>
    <name>SearchNotice</name>
    <message>
        <source>Waiting for %1</source>
        <translation>In attesa di %1</translation>
    </message>
    <message>
        <source>Looking for the game&apos;s Wine prefix...</source>
        <translation>Ricerca del prefisso Wine del gioco...</translation>
    </message>
    <message>
        <source>Looking for the scenario pack...</source>
        <translation>Ricerca del pacchetto di scenari...</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About program</source>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Physical memory available to Windows:</source>
        <translation>Memoria fisica disponibile per Windows:</translation>
    </message>
    <message>
        <source>Memory in use:</source>
        <translation>Memoria in uso:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Riconoscimenti:</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The game is installed in several Wine prefixes. Which one is to receive the scenarios?</source>
        <translation>Il gioco è installato in più prefissi Wine. In quale vanno installati gli scenari?</translation>
    </message>
    <message>
        <source>Where is the scenario pack?</source>
        <translation>Dov&apos;è il pacchetto di scenari?</translation>
    </message>
    <message>
        <source>A scenario pack&apos;s folder holds at least one of the folders %1 and %2, usually beside the video %3.</source>
        <translation>La cartella di un pacchetto di scenari contiene almeno una delle cartelle %1 e %2, di solito accanto al video %3.</translation>
    </message>
    <message>
        <source>Several scenario packs were found. Which one is to be installed?</source>
        <translation>Sono stati trovati più pacchetti di scenari. Quale va installato?</translation>
    </message>
    <message>
        <source>%1 is not a Wine prefix</source>
        <translation>%1 non è un prefisso Wine</translation>
    </message>
</context>
<context>
    <name>TIntroForm</name>
    <message>
        <source>Intro animation</source>
        <translation>Animazione introduttiva</translation>
    </message>
    <message>
        <source>Press any key or click the video to skip it.</source>
        <translation>Premere un tasto o fare clic sul video per saltarlo.</translation>
    </message>
    <message>
        <source>Intro video</source>
        <translation>Video introduttivo</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Overall progress</source>
        <translation>Avanzamento complessivo</translation>
    </message>
    <message>
        <source>&amp;Begin installation...</source>
        <translation>&amp;Avvia installazione...</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Pronto.</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Riga di stato</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>&amp;Check all</source>
        <translation>&amp;Seleziona tutti</translation>
    </message>
    <message>
        <source>&amp;Uncheck all</source>
        <translation>&amp;Deseleziona tutti</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Cartella del gioco</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory:</source>
        <translation>Cartella di &quot;Age of Empires&quot;:</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory</source>
        <translation>Cartella di &quot;Age of Empires&quot;</translation>
    </message>
    <message>
        <source>Select destination directory...</source>
        <translation>Scegli la cartella di destinazione...</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>About this program...</source>
        <translation>Informazioni su questo programma...</translation>
    </message>
    <message>
        <source>Show intro animation</source>
        <translation>Mostra l&apos;animazione introduttiva</translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation>File degli scenari</translation>
    </message>
    <message>
        <source>Scenario description</source>
        <translation>Descrizione dello scenario</translation>
    </message>
    <message>
        <source>Selection and free space</source>
        <translation>Selezione e spazio libero</translation>
    </message>
    <message>
        <source>Total files selected:</source>
        <translation>File selezionati:</translation>
    </message>
    <message>
        <source>Free space on drive </source>
        <translation>Spazio libero sull&apos;unità </translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>Avanzamento del file</translation>
    </message>
    <message>
        <source>Scenarios type</source>
        <translation>Tipo di scenari</translation>
    </message>
    <message>
        <source>Scenarios type:</source>
        <translation>Tipo di scenari:</translation>
    </message>
    <message>
        <source>Undo the last installation in this folder...</source>
        <translation>Annulla l'ultima installazione in questa cartella...</translation>
    </message>
    <message>
        <source>Undone: %1 removed, %2 restored, %3 left as they are.</source>
        <translation>Annullata: %1 rimossi, %2 ripristinati, %3 lasciati come sono.</translation>
    </message>
    <message>
        <source>Undo the installation of %1 into %2?

This will %3.</source>
        <translation>Annullare l'installazione del %1 in %2?

L'operazione comporta: %3.</translation>
    </message>
</context>
<context>
    <name>TNewFolderPromptForm</name>
    <message>
        <source>Create new folder</source>
        <translation>Crea nuova cartella</translation>
    </message>
    <message>
        <source>Enter new folder name:</source>
        <translation>Nome della nuova cartella:</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>Cartella attuale:</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TPromptForm</name>
    <message>
        <source>Duplicated scenario file warning</source>
        <translation>Avviso: file di scenario duplicato</translation>
    </message>
    <message>
        <source>Scenario file named: </source>
        <extracomment>One sentence over three lines: this, the file name on a line of its own, then &quot;already exists. What do you wish to do?&quot;</extracomment>
        <translation>Il file di scenario di nome </translation>
    </message>
    <message>
        <source>already exists. What do you wish to do?</source>
        <extracomment>The end of the sentence that starts &quot;Scenario file named: &quot;, after the file name</extracomment>
        <translation>esiste già. Cosa si desidera fare?</translation>
    </message>
    <message>
        <source>Skip this file</source>
        <translation>Salta questo file</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Salta tutti</translation>
    </message>
    <message>
        <source>Overwrite file</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Overwrite all</source>
        <translation>Sovrascrivi tutti</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Annulla installazione</translation>
    </message>
</context>
<context>
    <name>TSelectDirForm</name>
    <message>
        <source>Select Age of Empires™ folder..</source>
        <translation>Scegli la cartella di Age of Empires™..</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>Cartella scelta</translation>
    </message>
    <message>
        <source>&amp;New folder...</source>
        <translation>&amp;Nuova cartella...</translation>
    </message>
    <message>
        <source>New folder...</source>
        <translation>Nuova cartella...</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>%1 was not found in %2</source>
        <translation>%1 non è stato trovato in %2</translation>
    </message>
    <message>
        <source>it could not be loaded in time</source>
        <translation>non è stato possibile caricarlo in tempo</translation>
    </message>
    <message>
        <source>%1 in %2 cannot be played: %3</source>
        <translation>Impossibile riprodurre %1 in %2: %3</translation>
    </message>
    <message>
        <source>Unknown error code</source>
        <translation>Codice di errore sconosciuto</translation>
    </message>
</context>
</TS>
