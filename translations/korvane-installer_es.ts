<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Errors</name>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Entrada numérica no válida</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de E/S %1</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>No Wine prefix: %1 is missing</source>
        <translation>No hay prefijo de Wine: falta %1</translation>
    </message>
    <message>
        <source>Wine prefix: %1</source>
        <translation>Prefijo de Wine: %1</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Error de comprobación de rango</translation>
    </message>
    <message>
        <source>Free space on drive %1 - %2 kB</source>
        <translation>Espacio libre en la unidad %1 - %2 kB</translation>
    </message>
</context>
<context>
    <name>InstallRun</name>
    <message>
        <source>Ready.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>Copying %1 ...</source>
        <translation>Copiando %1 ...</translation>
    </message>
    <message>
        <source>The file %1 changed as it was read</source>
        <translation>El archivo %1 cambió mientras se leía</translation>
    </message>
</context>
<context>
    <name>MediaBackend</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer could not start (%1)</source>
        <translation>No se puede reproducir la introducción: GStreamer no pudo iniciarse (%1)</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 is missing. Install the Debian package %2</source>
        <translation>No se puede reproducir la introducción: falta el módulo %1 de GStreamer. Instale el paquete de Debian %2</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 are missing. Install the Debian packages %2</source>
        <translation>No se puede reproducir la introducción: faltan los módulos %1 de GStreamer. Instale los paquetes de Debian %2</translation>
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
        <translation>eliminar %1 archivo añadido</translation>
    </message>
    <message>
        <source>remove %1 added files</source>
        <translation>eliminar %1 archivos añadidos</translation>
    </message>
    <message>
        <source>restore %1 replaced one</source>
        <translation>restaurar %1 archivo reemplazado</translation>
    </message>
    <message>
        <source>restore %1 replaced ones</source>
        <translation>restaurar %1 archivos reemplazados</translation>
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
        <translation>Nombre del escenario</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Tamaño del archivo</translation>
    </message>
</context>
<context>
    <name>ScenarioTypes</name>
    <message>
        <source>Historical scenarios</source>
        <translation>Escenarios históricos</translation>
    </message>
    <message>
        <source>Crazy scenarios</source>
        <translation>Escenarios locos</translation>
    </message>
    <message>
        <source>Real-map scenarios</source>
        <translation>Escenarios en mapas reales</translation>
    </message>
    <message>
        <source>Campaigns</source>
        <translation>Campañas</translation>
    </message>
</context>
<context>
    <name>SearchNotice</name>
    <message>
        <source>Waiting for %1</source>
        <translation>Esperando a %1</translation>
    </message>
    <message>
        <source>Looking for the game&apos;s Wine prefix...</source>
        <translation>Buscando el prefijo de Wine del juego...</translation>
    </message>
    <message>
        <source>Looking for the scenario pack...</source>
        <translation>Buscando el paquete de escenarios...</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About program</source>
        <translation>Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Physical memory available to Windows:</source>
        <translation>Memoria física disponible para Windows:</translation>
    </message>
    <message>
        <source>Memory in use:</source>
        <translation>Memoria en uso:</translation>
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
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
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
        <translation>El juego está instalado en varios prefijos de Wine. ¿En cuál se instalarán los escenarios?</translation>
    </message>
    <message>
        <source>Where is the scenario pack?</source>
        <translation>¿Dónde está el paquete de escenarios?</translation>
    </message>
    <message>
        <source>A scenario pack&apos;s folder holds at least one of the folders %1 and %2, usually beside the video %3.</source>
        <translation>La carpeta de un paquete de escenarios contiene al menos una de las carpetas %1 y %2, normalmente junto al vídeo %3.</translation>
    </message>
    <message>
        <source>Several scenario packs were found. Which one is to be installed?</source>
        <translation>Se encontraron varios paquetes de escenarios. ¿Cuál se va a instalar?</translation>
    </message>
    <message>
        <source>%1 is not a Wine prefix</source>
        <translation>%1 no es un prefijo de Wine</translation>
    </message>
</context>
<context>
    <name>TIntroForm</name>
    <message>
        <source>Intro animation</source>
        <translation>Animación de introducción</translation>
    </message>
    <message>
        <source>Press any key or click the video to skip it.</source>
        <translation>Pulse cualquier tecla o haga clic en el vídeo para saltarlo.</translation>
    </message>
    <message>
        <source>Intro video</source>
        <translation>Vídeo de introducción</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Overall progress</source>
        <translation>Progreso total</translation>
    </message>
    <message>
        <source>&amp;Begin installation...</source>
        <translation>&amp;Iniciar la instalación...</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Línea de estado</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagen de fondo</translation>
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
        <translation>Carpeta del juego</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory:</source>
        <translation>Carpeta de «Age of Empires»:</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory</source>
        <translation>Carpeta de «Age of Empires»</translation>
    </message>
    <message>
        <source>Select destination directory...</source>
        <translation>Elegir la carpeta de destino...</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>About this program...</source>
        <translation>Acerca de este programa...</translation>
    </message>
    <message>
        <source>Show intro animation</source>
        <translation>Mostrar la animación de introducción</translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation>Archivos de escenario</translation>
    </message>
    <message>
        <source>Scenario description</source>
        <translation>Descripción del escenario</translation>
    </message>
    <message>
        <source>Selection and free space</source>
        <translation>Selección y espacio libre</translation>
    </message>
    <message>
        <source>Total files selected:</source>
        <translation>Archivos seleccionados:</translation>
    </message>
    <message>
        <source>Free space on drive </source>
        <translation>Espacio libre en la unidad </translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>Progreso del archivo</translation>
    </message>
    <message>
        <source>Scenarios type</source>
        <translation>Tipo de escenarios</translation>
    </message>
    <message>
        <source>Scenarios type:</source>
        <translation>Tipo de escenarios:</translation>
    </message>
    <message>
        <source>Undo the last installation in this folder...</source>
        <translation>Deshacer la última instalación en esta carpeta...</translation>
    </message>
    <message>
        <source>Undone: %1 removed, %2 restored, %3 left as they are.</source>
        <translation>Deshecho: %1 eliminados, %2 restaurados, %3 dejados como estaban.</translation>
    </message>
    <message>
        <source>Undo the installation of %1 into %2?

This will %3.</source>
        <translation>¿Deshacer la instalación del %1 en %2?

Esto va a %3.</translation>
    </message>
</context>
<context>
    <name>TNewFolderPromptForm</name>
    <message>
        <source>Create new folder</source>
        <translation>Crear una carpeta</translation>
    </message>
    <message>
        <source>Enter new folder name:</source>
        <translation>Nombre de la carpeta nueva:</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>Carpeta actual:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
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
        <translation>Aviso: archivo de escenario duplicado</translation>
    </message>
    <message>
        <source>Scenario file named: </source>
        <extracomment>One sentence over three lines: this, the file name on a line of its own, then &quot;already exists. What do you wish to do?&quot;</extracomment>
        <translation>El archivo de escenario llamado </translation>
    </message>
    <message>
        <source>already exists. What do you wish to do?</source>
        <extracomment>The end of the sentence that starts &quot;Scenario file named: &quot;, after the file name</extracomment>
        <translation>ya existe. ¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Skip this file</source>
        <translation>Omitir este archivo</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Omitir todos</translation>
    </message>
    <message>
        <source>Overwrite file</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Overwrite all</source>
        <translation>Sobrescribir todos</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Cancelar la instalación</translation>
    </message>
</context>
<context>
    <name>TSelectDirForm</name>
    <message>
        <source>Select Age of Empires™ folder..</source>
        <translation>Elegir la carpeta de Age of Empires™..</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
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
        <translation>Carpeta elegida</translation>
    </message>
    <message>
        <source>&amp;New folder...</source>
        <translation>&amp;Nueva carpeta...</translation>
    </message>
    <message>
        <source>New folder...</source>
        <translation>Nueva carpeta...</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>%1 was not found in %2</source>
        <translation>No se encontró %1 en %2</translation>
    </message>
    <message>
        <source>it could not be loaded in time</source>
        <translation>no se pudo cargar a tiempo</translation>
    </message>
    <message>
        <source>%1 in %2 cannot be played: %3</source>
        <translation>No se puede reproducir %1 de %2: %3</translation>
    </message>
    <message>
        <source>Unknown error code</source>
        <translation>Código de error desconocido</translation>
    </message>
</context>
</TS>
