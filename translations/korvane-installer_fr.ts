<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Errors</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Entrée numérique non valide</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d&apos;E/S %1</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>No Wine prefix: %1 is missing</source>
        <translation>Aucun préfixe Wine : %1 est absent</translation>
    </message>
    <message>
        <source>Wine prefix: %1</source>
        <translation>Préfixe Wine : %1</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Erreur de vérification d&apos;étendue</translation>
    </message>
    <message>
        <source>Free space on drive %1 - %2 kB</source>
        <translation>Espace libre sur le lecteur %1 - %2 Ko</translation>
    </message>
</context>
<context>
    <name>InstallRun</name>
    <message>
        <source>Ready.</source>
        <translation>Prêt.</translation>
    </message>
    <message>
        <source>Copying %1 ...</source>
        <translation>Copie de %1 ...</translation>
    </message>
    <message>
        <source>The file %1 changed as it was read</source>
        <translation>Le fichier %1 a été modifié pendant sa lecture</translation>
    </message>
</context>
<context>
    <name>MediaBackend</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer could not start (%1)</source>
        <translation>Impossible de lire l&apos;introduction : GStreamer n&apos;a pas pu démarrer (%1)</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 is missing. Install the Debian package %2</source>
        <translation>Impossible de lire l&apos;introduction : le module %1 de GStreamer est absent. Installez le paquet Debian %2</translation>
    </message>
    <message>
        <source>The intro cannot be played: GStreamer&apos;s %1 are missing. Install the Debian packages %2</source>
        <translation>Impossible de lire l&apos;introduction : les modules %1 de GStreamer sont absents. Installez les paquets Debian %2</translation>
    </message>
</context>
<context>
    <name>MemoryFigures</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
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
        <translation>supprimer %1 fichier ajouté</translation>
    </message>
    <message>
        <source>remove %1 added files</source>
        <translation>supprimer %1 fichiers ajoutés</translation>
    </message>
    <message>
        <source>restore %1 replaced one</source>
        <translation>restaurer %1 fichier remplacé</translation>
    </message>
    <message>
        <source>restore %1 replaced ones</source>
        <translation>restaurer %1 fichiers remplacés</translation>
    </message>
</context>
<context>
    <name>ScenarioCatalogue</name>
    <message>
        <source>%1 ( %2 kB )</source>
        <translation>%1 ( %2 Ko )</translation>
    </message>
</context>
<context>
    <name>ScenarioListModel</name>
    <message>
        <source>Scenario name</source>
        <translation>Nom du scénario</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Taille du fichier</translation>
    </message>
</context>
<context>
    <name>ScenarioTypes</name>
    <message>
        <source>Historical scenarios</source>
        <translation>Scénarios historiques</translation>
    </message>
    <message>
        <source>Crazy scenarios</source>
        <translation>Scénarios farfelus</translation>
    </message>
    <message>
        <source>Real-map scenarios</source>
        <translation>Scénarios sur cartes réelles</translation>
    </message>
    <message>
        <source>Campaigns</source>
        <translation>Campagnes</translation>
    </message>
</context>
<context>
    <name>SearchNotice</name>
    <message>
        <source>Waiting for %1</source>
        <translation>En attente de %1</translation>
    </message>
    <message>
        <source>Looking for the game&apos;s Wine prefix...</source>
        <translation>Recherche du préfixe Wine du jeu...</translation>
    </message>
    <message>
        <source>Looking for the scenario pack...</source>
        <translation>Recherche du pack de scénarios...</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About program</source>
        <translation>À propos du programme</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Physical memory available to Windows:</source>
        <translation>Mémoire physique disponible pour Windows :</translation>
    </message>
    <message>
        <source>Memory in use:</source>
        <translation>Mémoire utilisée :</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crédits :</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The game is installed in several Wine prefixes. Which one is to receive the scenarios?</source>
        <translation>Le jeu est installé dans plusieurs préfixes Wine. Lequel doit recevoir les scénarios ?</translation>
    </message>
    <message>
        <source>Where is the scenario pack?</source>
        <translation>Où se trouve le pack de scénarios ?</translation>
    </message>
    <message>
        <source>A scenario pack&apos;s folder holds at least one of the folders %1 and %2, usually beside the video %3.</source>
        <translation>Le dossier d&apos;un pack de scénarios contient au moins l&apos;un des dossiers %1 et %2, en général à côté de la vidéo %3.</translation>
    </message>
    <message>
        <source>Several scenario packs were found. Which one is to be installed?</source>
        <translation>Plusieurs packs de scénarios ont été trouvés. Lequel faut-il installer ?</translation>
    </message>
    <message>
        <source>%1 is not a Wine prefix</source>
        <translation>%1 n&apos;est pas un préfixe Wine</translation>
    </message>
</context>
<context>
    <name>TIntroForm</name>
    <message>
        <source>Intro animation</source>
        <translation>Animation d&apos;introduction</translation>
    </message>
    <message>
        <source>Press any key or click the video to skip it.</source>
        <translation>Appuyez sur une touche ou cliquez sur la vidéo pour la passer.</translation>
    </message>
    <message>
        <source>Intro video</source>
        <translation>Vidéo d&apos;introduction</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Overall progress</source>
        <translation>Progression globale</translation>
    </message>
    <message>
        <source>&amp;Begin installation...</source>
        <translation>&amp;Lancer l&apos;installation...</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Prêt.</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Ligne d&apos;état</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>&amp;Check all</source>
        <translation>&amp;Tout cocher</translation>
    </message>
    <message>
        <source>&amp;Uncheck all</source>
        <translation>Tout &amp;décocher</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Dossier du jeu</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory:</source>
        <translation>Dossier d&apos;« Age of Empires » :</translation>
    </message>
    <message>
        <source>&quot;Age of Empires&quot; directory</source>
        <translation>Dossier d&apos;« Age of Empires »</translation>
    </message>
    <message>
        <source>Select destination directory...</source>
        <translation>Choisir le dossier de destination...</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>About this program...</source>
        <translation>À propos de ce programme...</translation>
    </message>
    <message>
        <source>Show intro animation</source>
        <translation>Afficher l&apos;animation d&apos;introduction</translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation>Fichiers de scénario</translation>
    </message>
    <message>
        <source>Scenario description</source>
        <translation>Description du scénario</translation>
    </message>
    <message>
        <source>Selection and free space</source>
        <translation>Sélection et espace libre</translation>
    </message>
    <message>
        <source>Total files selected:</source>
        <translation>Fichiers sélectionnés :</translation>
    </message>
    <message>
        <source>Free space on drive </source>
        <translation>Espace libre sur le lecteur </translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>Progression du fichier</translation>
    </message>
    <message>
        <source>Scenarios type</source>
        <translation>Type de scénarios</translation>
    </message>
    <message>
        <source>Scenarios type:</source>
        <translation>Type de scénarios :</translation>
    </message>
    <message>
        <source>Undo the last installation in this folder...</source>
        <translation>Annuler la dernière installation dans ce dossier...</translation>
    </message>
    <message>
        <source>Undone: %1 removed, %2 restored, %3 left as they are.</source>
        <translation>Annulé : %1 supprimés, %2 restaurés, %3 laissés tels quels.</translation>
    </message>
    <message>
        <source>Undo the installation of %1 into %2?

This will %3.</source>
        <translation>Annuler l'installation du %1 dans %2 ?

Cela va %3.</translation>
    </message>
</context>
<context>
    <name>TNewFolderPromptForm</name>
    <message>
        <source>Create new folder</source>
        <translation>Créer un dossier</translation>
    </message>
    <message>
        <source>Enter new folder name:</source>
        <translation>Nom du nouveau dossier :</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>Dossier actuel :</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TPromptForm</name>
    <message>
        <source>Duplicated scenario file warning</source>
        <translation>Avertissement : fichier de scénario en double</translation>
    </message>
    <message>
        <source>Scenario file named: </source>
        <extracomment>One sentence over three lines: this, the file name on a line of its own, then &quot;already exists. What do you wish to do?&quot;</extracomment>
        <translation>Le fichier de scénario nommé </translation>
    </message>
    <message>
        <source>already exists. What do you wish to do?</source>
        <extracomment>The end of the sentence that starts &quot;Scenario file named: &quot;, after the file name</extracomment>
        <translation>existe déjà. Que voulez-vous faire ?</translation>
    </message>
    <message>
        <source>Skip this file</source>
        <translation>Ignorer ce fichier</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Tout ignorer</translation>
    </message>
    <message>
        <source>Overwrite file</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Overwrite all</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Annuler l&apos;installation</translation>
    </message>
</context>
<context>
    <name>TSelectDirForm</name>
    <message>
        <source>Select Age of Empires™ folder..</source>
        <translation>Choisir le dossier d&apos;Age of Empires™..</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>Dossier choisi</translation>
    </message>
    <message>
        <source>&amp;New folder...</source>
        <translation>&amp;Nouveau dossier...</translation>
    </message>
    <message>
        <source>New folder...</source>
        <translation>Nouveau dossier...</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>%1 was not found in %2</source>
        <translation>%1 est introuvable dans %2</translation>
    </message>
    <message>
        <source>it could not be loaded in time</source>
        <translation>il n&apos;a pas pu être chargé à temps</translation>
    </message>
    <message>
        <source>%1 in %2 cannot be played: %3</source>
        <translation>%1 dans %2 ne peut pas être lu : %3</translation>
    </message>
    <message>
        <source>Unknown error code</source>
        <translation>Code d&apos;erreur inconnu</translation>
    </message>
</context>
</TS>
