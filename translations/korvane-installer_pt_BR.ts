<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Errors</name>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>No Wine prefix: %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine prefix: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free space on drive %1 - %2 kB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallRun</name>
    <message>
        <source>Ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 changed as it was read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaBackend</name>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer could not start (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 is missing. Install the Debian package %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 are missing. Install the Debian packages %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemoryFigures</name>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioCatalogue</name>
    <message>
        <source>%1 ( %2 kB )</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioListModel</name>
    <message>
        <source>Scenario name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioTypes</name>
    <message>
        <source>Historical scenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crazy scenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real-map scenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaigns</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchNotice</name>
    <message>
        <source>Waiting for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the game&apos;s Wine prefix...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the scenario pack...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physical memory available to Windows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory in use:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TChoiceForm</name>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is installed in several Wine prefixes. Which one is to receive the scenarios?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is the scenario pack?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scenario pack&apos;s folder holds at least one of the folders %1 and %2, usually beside the video %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several scenario packs were found. Which one is to be installed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Wine prefix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TIntroForm</name>
    <message>
        <source>Intro animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press any key or click the video to skip it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intro video</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Overall progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Begin installation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Uncheck all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select destination directory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this program...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show intro animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection and free space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total files selected:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free space on drive </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenarios type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenarios type:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNewFolderPromptForm</name>
    <message>
        <source>Create new folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter new folder name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPromptForm</name>
    <message>
        <source>Duplicated scenario file warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario file named: </source>
        <extracomment>One sentence over three lines: this, the file name on a line of its own, then &quot;already exists. What do you wish to do?&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already exists. What do you wish to do?</source>
        <extracomment>The end of the sentence that starts &quot;Scenario file named: &quot;, after the file name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSelectDirForm</name>
    <message>
        <source>Select Age of Empires™ folder..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New folder...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>%1 was not found in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be loaded in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 cannot be played: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
