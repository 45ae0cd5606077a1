<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Errors</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele geöffnete Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Dateizugriff verweigert</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Ungültige numerische Eingabe</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>No Wine prefix: %1 is missing</source>
        <translation>Kein Wine-Präfix: %1 fehlt</translation>
    </message>
    <message>
        <source>Wine prefix: %1</source>
        <translation>Wine-Präfix: %1</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Fehler bei Bereichsprüfung</translation>
    </message>
    <message>
        <source>Free space on drive %1 - %2 kB</source>
        <translation>Freier Platz auf Laufwerk %1 - %2 kB</translation>
    </message>
</context>
<context>
    <name>InstallRun</name>
    <message>
        <source>Ready.</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>Copying %1 ...</source>
        <translation>%1 wird kopiert ...</translation>
    </message>
    <message>
        <source>The file %1 changed as it was read</source>
        <translation>Die Datei %1 wurde während des Lesens geändert</translation>
    </message>
</context>
<context>
    <name>MediaBackend</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer could not start (%1)</source>
        <translation>Das Intro kann nicht abgespielt werden: GStreamer ließ sich nicht starten (%1)</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 is missing. Install the Debian package %2</source>
        <translation>Das Intro kann nicht abgespielt werden: %1 von GStreamer fehlt. Installieren Sie das Debian-Paket %2</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 are missing. Install the Debian packages %2</source>
        <translation>Das Intro kann nicht abgespielt werden: %1 von GStreamer fehlen. Installieren Sie die Debian-Pakete %2</translation>
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
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>RunUndo</name>
    <message>
        <source>remove %1 added file</source>
        <translation>%1 hinzugefügte Datei entfernen</translation>
    </message>
    <message>
        <source>remove %1 added files</source>
        <translation>%1 hinzugefügte Dateien entfernen</translation>
    </message>
    <message>
        <source>restore %1 replaced one</source>
        <translation>%1 ersetzte Datei wiederherstellen</translation>
    </message>
    <message>
        <source>restore %1 replaced ones</source>
        <translation>%1 ersetzte Dateien wiederherstellen</translation>
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
        <translation>Szenarioname</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Dateigröße</translation>
    </message>
</context>
<context>
    <name>ScenarioTypes</name>
    <message>
        <source>Historical scenarios</source>
        <translation>Historische Szenarien</translation>
    </message>
    <message>
        <source>Crazy scenarios</source>
        <translation>Verrückte Szenarien</translation>
    </message>
    <message>
        <source>Real-map scenarios</source>
        <translation>Szenarien auf echten Karten</translation>
    </message>
    <message>
        <source>Campaigns</source>
        <translation>Kampagnen</translation>
    </message>
</context>
<context>
    <name>SearchNotice</name>
    <message>
        <source>Waiting for %1</source>
        <translation>Warten auf %1</translation>
    </message>
    <message>
        <source>Looking for the game&apos;s Wine prefix...</source>
        <translation>Das Wine-Präfix des Spiels wird gesucht...</translation>
    </message>
    <message>
        <source>Looking for the scenario pack...</source>
        <translation>Das Szenariopaket wird gesucht...</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About program</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Physical memory available to Windows:</source>
        <translation>Für Windows verfügbarer Arbeitsspeicher:</translation>
    </message>
    <message>
        <source>Memory in use:</source>
        <translation>Belegter Speicher:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Mitwirkende:</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The game is installed in several Wine prefixes. Which one is to receive the scenarios?</source>
        <translation>Das Spiel ist in mehreren Wine-Präfixen installiert. In welches sollen die Szenarien?</translation>
    </message>
    <message>
        <source>Where is the scenario pack?</source>
        <translation>Wo ist das Szenariopaket?</translation>
    </message>
    <message>
        <source>A scenario pack&apos;s folder holds at least one of the folders %1 and %2, usually beside the video %3.</source>
        <translation>Der Ordner eines Szenariopakets enthält mindestens einen der Ordner %1 und %2, meist neben dem Video %3.</translation>
    </message>
    <message>
        <source>Several scenario packs were found. Which one is to be installed?</source>
        <translation>Es wurden mehrere Szenariopakete gefunden. Welches soll installiert werden?</translation>
    </message>
    <message>
        <source>%1 is not a Wine prefix</source>
        <translation>%1 ist kein Wine-Präfix</translation>
    </message>
</context>
<context>
    <name>TIntroForm</name>
    <message>
        <source>Intro animation</source>
        <translation>Intro-Animation</translation>
    </message>
    <message>
        <source>Press any key or click the video to skip it.</source>
        <translation>Drücken Sie eine beliebige Taste oder klicken Sie auf das Video, um es zu überspringen.</translation>
    </message>
    <message>
        <source>Intro video</source>
        <translation>Intro-Video</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Overall progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>&amp;Begin installation...</source>
        <translation>&amp;Installation starten...</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>&amp;Check all</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;Uncheck all</source>
        <translation>Alle a&amp;bwählen</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Spielordner</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory:</source>
        <translation>Ordner von „Age of Empires“:</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory</source>
        <translation>Ordner von „Age of Empires“</translation>
    </message>
    <message>
        <source>Select destination directory...</source>
        <translation>Zielordner wählen...</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>About this program...</source>
        <translation>Über dieses Programm...</translation>
    </message>
    <message>
        <source>Show intro animation</source>
        <translation>Intro-Animation zeigen</translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation>Szenariodateien</translation>
    </message>
    <message>
        <source>Scenario description</source>
        <translation>Szenariobeschreibung</translation>
    </message>
    <message>
        <source>Selection and free space</source>
        <translation>Auswahl und freier Platz</translation>
    </message>
    <message>
        <source>Total files selected:</source>
        <translation>Ausgewählte Dateien:</translation>
    </message>
    <message>
        <source>Free space on drive </source>
        <translation>Freier Platz auf Laufwerk </translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>Dateifortschritt</translation>
    </message>
    <message>
        <source>Scenarios type</source>
        <translation>Szenariotyp</translation>
    </message>
    <message>
        <source>Scenarios type:</source>
        <translation>Szenariotyp:</translation>
    </message>
    <message>
        <source>Undo the last installation in this folder...</source>
        <translation>Letzte Installation in diesem Ordner rückgängig machen...</translation>
    </message>
    <message>
        <source>Undone: %1 removed, %2 restored, %3 left as they are.</source>
        <translation>Rückgängig gemacht: %1 entfernt, %2 wiederhergestellt, %3 unverändert gelassen.</translation>
    </message>
    <message>
        <source>Undo the installation of %1 into %2?

This will %3.</source>
        <translation>Die Installation vom %1 in %2 rückgängig machen?

Dabei wird Folgendes getan: %3.</translation>
    </message>
</context>
<context>
    <name>TNewFolderPromptForm</name>
    <message>
        <source>Create new folder</source>
        <translation>Neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>Enter new folder name:</source>
        <translation>Name des neuen Ordners:</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>Aktueller Ordner:</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPromptForm</name>
    <message>
        <source>Duplicated scenario file warning</source>
        <translation>Warnung: Szenariodatei schon vorhanden</translation>
    </message>
    <message>
        <source>Scenario file named: </source>
        <extracomment>One sentence over three lines: this, the file name on a line of its own, then &quot;already exists. What do you wish to do?&quot;</extracomment>
        <translation>Die Szenariodatei namens </translation>
    </message>
    <message>
        <source>already exists. What do you wish to do?</source>
        <extracomment>The end of the sentence that starts &quot;Scenario file named: &quot;, after the file name</extracomment>
        <translation>ist schon vorhanden. Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Skip this file</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Alle überspringen</translation>
    </message>
    <message>
        <source>Overwrite file</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Overwrite all</source>
        <translation>Alle überschreiben</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Installation abbrechen</translation>
    </message>
</context>
<context>
    <name>TSelectDirForm</name>
    <message>
        <source>Select Age of Empires™ folder..</source>
        <translation>Ordner von Age of Empires™ wählen..</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>Gewählter Ordner</translation>
    </message>
    <message>
        <source>&amp;New folder...</source>
        <translation>&amp;Neuer Ordner...</translation>
    </message>
    <message>
        <source>New folder...</source>
        <translation>Neuer Ordner...</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>%1 was not found in %2</source>
        <translation>%1 wurde in %2 nicht gefunden</translation>
    </message>
    <message>
        <source>it could not be loaded in time</source>
        <translation>es ließ sich nicht rechtzeitig laden</translation>
    </message>
    <message>
        <source>%1 in %2 cannot be played: %3</source>
        <translation>%1 in %2 kann nicht abgespielt werden: %3</translation>
    </message>
    <message>
        <source>Unknown error code</source>
        <translation>Unbekannter Fehlercode</translation>
    </message>
</context>
</TS>
