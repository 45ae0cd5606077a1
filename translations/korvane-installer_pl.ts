<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Errors</name>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nieprawidłowa nazwa pliku</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zbyt wiele otwartych plików</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Odmowa dostępu do pliku</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Odczyt poza końcem pliku</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Dysk pełny</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Nieprawidłowa wartość liczbowa</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Błąd we/wy %1</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>No Wine prefix: %1 is missing</source>
        <translation>Brak prefiksu Wine: nie ma %1</translation>
    </message>
    <message>
        <source>Wine prefix: %1</source>
        <translation>Prefiks Wine: %1</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Błąd sprawdzania zakresu</translation>
    </message>
    <message>
        <source>Free space on drive %1 - %2 kB</source>
        <translation>Wolne miejsce na dysku %1 - %2 kB</translation>
    </message>
</context>
<context>
    <name>InstallRun</name>
    <message>
        <source>Ready.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>Copying %1 ...</source>
        <translation>Kopiowanie %1 ...</translation>
    </message>
    <message>
        <source>The file %1 changed as it was read</source>
        <translation>Plik %1 zmienił się podczas odczytu</translation>
    </message>
</context>
<context>
    <name>MediaBackend</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer could not start (%1)</source>
        <translation>Nie można odtworzyć intra: nie udało się uruchomić GStreamera (%1)</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 is missing. Install the Debian package %2</source>
        <translation>Nie można odtworzyć intra: brak modułu %1 GStreamera. Zainstaluj pakiet Debiana %2</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 are missing. Install the Debian packages %2</source>
        <translation>Nie można odtworzyć intra: brak modułów %1 GStreamera. Zainstaluj pakiety Debiana %2</translation>
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
        <translation>usunięcie %1 dodanego pliku</translation>
    </message>
    <message>
        <source>remove %1 added files</source>
        <translation>usunięcie %1 dodanych plików</translation>
    </message>
    <message>
        <source>restore %1 replaced one</source>
        <translation>przywrócenie %1 zastąpionego pliku</translation>
    </message>
    <message>
        <source>restore %1 replaced ones</source>
        <translation>przywrócenie %1 zastąpionych plików</translation>
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
        <translation>Nazwa scenariusza</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Rozmiar pliku</translation>
    </message>
</context>
<context>
    <name>ScenarioTypes</name>
    <message>
        <source>Historical scenarios</source>
        <translation>Scenariusze historyczne</translation>
    </message>
    <message>
        <source>Crazy scenarios</source>
        <translation>Szalone scenariusze</translation>
    </message>
    <message>
        <source>Real-map scenarios</source>
        <translation>Scenariusze na mapach świata</translation>
    </message>
    <message>
        <source>Campaigns</source>
        <translation>Kampanie</translation>
    </message>
</context>
<context>
    <name>SearchNotice</name>
    <message>
        <source>Waiting for %1</source>
        <translation>Oczekiwanie na %1</translation>
    </message>
    <message>
        <source>Looking for the game&apos;s Wine prefix...</source>
        <translation>Szukanie prefiksu Wine z grą...</translation>
    </message>
    <message>
        <source>Looking for the scenario pack...</source>
        <translation>Szukanie pakietu scenariuszy...</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About program</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Physical memory available to Windows:</source>
        <translation>Pamięć fizyczna dostępna dla Windows:</translation>
    </message>
    <message>
        <source>Memory in use:</source>
        <translation>Używana pamięć:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Twórcy:</translation>
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
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The game is installed in several Wine prefixes. Which one is to receive the scenarios?</source>
        <translation>Gra jest zainstalowana w kilku prefiksach Wine. Do którego zainstalować scenariusze?</translation>
    </message>
    <message>
        <source>Where is the scenario pack?</source>
        <translation>Gdzie jest pakiet scenariuszy?</translation>
    </message>
    <message>
        <source>A scenario pack&apos;s folder holds at least one of the folders %1 and %2, usually beside the video %3.</source>
        <translation>Folder pakietu scenariuszy zawiera co najmniej jeden z folderów %1 i %2, zwykle obok filmu %3.</translation>
    </message>
    <message>
        <source>Several scenario packs were found. Which one is to be installed?</source>
        <translation>Znaleziono kilka pakietów scenariuszy. Który zainstalować?</translation>
    </message>
    <message>
        <source>%1 is not a Wine prefix</source>
        <translation>%1 nie jest prefiksem Wine</translation>
    </message>
</context>
<context>
    <name>TIntroForm</name>
    <message>
        <source>Intro animation</source>
        <translation>Animacja wprowadzająca</translation>
    </message>
    <message>
        <source>Press any key or click the video to skip it.</source>
        <translation>Naciśnij dowolny klawisz lub kliknij film, aby go pominąć.</translation>
    </message>
    <message>
        <source>Intro video</source>
        <translation>Film wprowadzający</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Overall progress</source>
        <translation>Postęp całkowity</translation>
    </message>
    <message>
        <source>&amp;Begin installation...</source>
        <translation>&amp;Rozpocznij instalację...</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Wiersz stanu</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>&amp;Check all</source>
        <translation>&amp;Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>&amp;Uncheck all</source>
        <translation>&amp;Odznacz wszystkie</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Folder gry</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory:</source>
        <translation>Folder „Age of Empires”:</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory</source>
        <translation>Folder „Age of Empires”</translation>
    </message>
    <message>
        <source>Select destination directory...</source>
        <translation>Wybierz folder docelowy...</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>About this program...</source>
        <translation>O tym programie...</translation>
    </message>
    <message>
        <source>Show intro animation</source>
        <translation>Pokaż animację wprowadzającą</translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation>Pliki scenariuszy</translation>
    </message>
    <message>
        <source>Scenario description</source>
        <translation>Opis scenariusza</translation>
    </message>
    <message>
        <source>Selection and free space</source>
        <translation>Wybór i wolne miejsce</translation>
    </message>
    <message>
        <source>Total files selected:</source>
        <translation>Wybrane pliki:</translation>
    </message>
    <message>
        <source>Free space on drive </source>
        <translation>Wolne miejsce na dysku </translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>Postęp pliku</translation>
    </message>
    <message>
        <source>Scenarios type</source>
        <translation>Rodzaj scenariuszy</translation>
    </message>
    <message>
        <source>Scenarios type:</source>
        <translation>Rodzaj scenariuszy:</translation>
    </message>
    <message>
        <source>Undo the last installation in this folder...</source>
        <translation>Cofnij ostatnią instalację w tym folderze...</translation>
    </message>
    <message>
        <source>Undone: %1 removed, %2 restored, %3 left as they are.</source>
        <translation>Cofnięto: usunięto %1, przywrócono %2, pozostawiono bez zmian %3.</translation>
    </message>
    <message>
        <source>Undo the installation of %1 into %2?

This will %3.</source>
        <translation>Cofnąć instalację z %1 w %2?

Zostaną wykonane działania: %3.</translation>
    </message>
</context>
<context>
    <name>TNewFolderPromptForm</name>
    <message>
        <source>Create new folder</source>
        <translation>Utwórz nowy folder</translation>
    </message>
    <message>
        <source>Enter new folder name:</source>
        <translation>Nazwa nowego folderu:</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>Bieżący folder:</translation>
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
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TPromptForm</name>
    <message>
        <source>Duplicated scenario file warning</source>
        <translation>Ostrzeżenie: powtórzony plik scenariusza</translation>
    </message>
    <message>
        <source>Scenario file named: </source>
        <extracomment>One sentence over three lines: this, the file name on a line of its own, then &quot;already exists. What do you wish to do?&quot;</extracomment>
        <translation>Plik scenariusza o nazwie </translation>
    </message>
    <message>
        <source>already exists. What do you wish to do?</source>
        <extracomment>The end of the sentence that starts &quot;Scenario file named: &quot;, after the file name</extracomment>
        <translation>już istnieje. Co chcesz zrobić?</translation>
    </message>
    <message>
        <source>Skip this file</source>
        <translation>Pomiń ten plik</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Pomiń wszystkie</translation>
    </message>
    <message>
        <source>Overwrite file</source>
        <translation>Zastąp plik</translation>
    </message>
    <message>
        <source>Overwrite all</source>
        <translation>Zastąp wszystkie</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Przerwij instalację</translation>
    </message>
</context>
<context>
    <name>TSelectDirForm</name>
    <message>
        <source>Select Age of Empires™ folder..</source>
        <translation>Wybierz folder Age of Empires™..</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Foldery</translation>
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
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>Wybrany folder</translation>
    </message>
    <message>
        <source>&amp;New folder...</source>
        <translation>&amp;Nowy folder...</translation>
    </message>
    <message>
        <source>New folder...</source>
        <translation>Nowy folder...</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>%1 was not found in %2</source>
        <translation>Nie znaleziono %1 w %2</translation>
    </message>
    <message>
        <source>it could not be loaded in time</source>
        <translation>nie udało się go wczytać na czas</translation>
    </message>
    <message>
        <source>%1 in %2 cannot be played: %3</source>
        <translation>Nie można odtworzyć %1 z %2: %3</translation>
    </message>
    <message>
        <source>Unknown error code</source>
        <translation>Nieznany kod błędu</translation>
    </message>
</context>
</TS>
