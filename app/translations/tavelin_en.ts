<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>no display: set DISPLAY or run in a desktop session</source>
        <translation>no display: set DISPLAY or run in a desktop session</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>a name</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>a file name</translation>
    </message>
    <message>
        <source>a picture file name</source>
        <translation>a picture file name</translation>
    </message>
    <message>
        <source>none or CLIENT:PORT</source>
        <translation>none or CLIENT:PORT</translation>
    </message>
    <message>
        <source>a device number</source>
        <translation>a device number</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Prints this help.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Prints the version.</translation>
    </message>
    <message>
        <source>Joue par la sortie MIDI N (0 : le synthétiseur intégré).</source>
        <translation>Plays through MIDI output N (0: the built-in synthesizer).</translation>
    </message>
    <message>
        <source>Liste les sorties MIDI.</source>
        <translation>Lists the MIDI outputs.</translation>
    </message>
    <message>
        <source>Clavier MIDI : none, ou CLIENT:PORT (par défaut : tous).</source>
        <translation>MIDI keyboard: none, or CLIENT:PORT (by default: all).</translation>
    </message>
    <message>
        <source>Liste les claviers MIDI.</source>
        <translation>Lists the MIDI keyboards.</translation>
    </message>
    <message>
        <source>Ajoute le résultat de chaque note au fichier CSV FILE.</source>
        <translation>Appends the result of each note to the CSV file FILE.</translation>
    </message>
    <message>
        <source>Fait le bilan du fichier de résultats FILE, sans fenêtre ; avec plusieurs fichiers ou --pupil, le bilan de la classe en PDF.</source>
        <translation>Reports on the results file FILE, with no window; with several files or --pupil, the class report as a PDF.</translation>
    </message>
    <message>
        <source>Image du bilan, .png, .jpg ou .pdf (par défaut : le nom du fichier en .png), ou PDF de la classe (class.pdf).</source>
        <translation>Picture of the report, .png, .jpg or .pdf (by default: the file&apos;s name in .png), or the class&apos;s PDF (class.pdf).</translation>
    </message>
    <message>
        <source>Les résultats de l&apos;élève NAME, dans le dossier des élèves.</source>
        <translation>The results of the pupil NAME, in the pupils&apos; folder.</translation>
    </message>
    <message>
        <source>Liste les élèves, leurs séances et la dernière date.</source>
        <translation>Lists the pupils, their sessions and the last date.</translation>
    </message>
    <message>
        <source>Les notes manquées reviennent plus souvent (avec --pupil ou --results).</source>
        <translation>Missed notes come back more often (with --pupil or --results).</translation>
    </message>
    <message>
        <source>Limite les exercices aux notes de LOW à HIGH (60-67, do3-sol3).</source>
        <translation>Limits the exercises to the notes from LOW to HIGH (60-67, C4-G4).</translation>
    </message>
    <message>
        <source>Ouvre seule la fenêtre « Élèves » : la classe, les bilans, les réglages et les raccourcis des élèves.</source>
        <translation>Opens the “Pupils” window alone: the class, the reports, the pupils&apos; settings and shortcuts.</translation>
    </message>
    <message>
        <source>%1 needs %2 before %3</source>
        <translation>%1 needs %2 before %3</translation>
    </message>
    <message>
        <source>--midi-out takes a device number, not &apos;%1&apos;</source>
        <translation>--midi-out takes a device number, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--midi-in takes none or CLIENT:PORT, not &apos;%1&apos;</source>
        <translation>--midi-in takes none or CLIENT:PORT, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--midi-in takes a CLIENT:PORT of 0 to 255 each, not &apos;%1&apos;</source>
        <translation>--midi-in takes a CLIENT:PORT of 0 to 255 each, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--results needs a file name</source>
        <translation>--results needs a file name</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report needs a file name</translation>
    </message>
    <message>
        <source>--out takes a .png, .jpg, .jpeg or .pdf file, not &apos;%1&apos;</source>
        <translation>--out takes a .png, .jpg, .jpeg or .pdf file, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--list-midi-out, --list-midi-in, --list-pupils and --report go alone</source>
        <translation>--list-midi-out, --list-midi-in, --list-pupils and --report go alone</translation>
    </message>
    <message>
        <source>%1 does not go with --midi-out, --midi-in or --results</source>
        <translation>%1 does not go with --midi-out, --midi-in or --results</translation>
    </message>
    <message>
        <source>--pupil needs a name</source>
        <translation>--pupil needs a name</translation>
    </message>
    <message>
        <source>several --pupil go with --report only</source>
        <translation>several --pupil go with --report only</translation>
    </message>
    <message>
        <source>--pupil and --results both name the results file: give one</source>
        <translation>--pupil and --results both name the results file: give one</translation>
    </message>
    <message>
        <source>--pupil goes with playing or with --report</source>
        <translation>--pupil goes with playing or with --report</translation>
    </message>
    <message>
        <source>--focus goes with --pupil or --results, when playing</source>
        <translation>--focus goes with --pupil or --results, when playing</translation>
    </message>
    <message>
        <source>--notes takes notes from 0 to 127 (do 0 is 24, sol 8 is 127), not &apos;%1&apos;</source>
        <translation>--notes takes notes from 0 to 127 (C1 is 24, G9 is 127), not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, the low note first, not &apos;%1&apos;</source>
        <translation>--notes takes LOW-HIGH, the low note first, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, as 60-67 or do3-sol3, low first, not &apos;%1&apos;</source>
        <translation>--notes takes LOW-HIGH, as 60-67 or C4-G4, low first, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--notes %1 leaves exercise %2 with fewer than %3 notes: two would only take turns</source>
        <translation>--notes %1 leaves exercise %2 with fewer than %3 notes: two would only take turns</translation>
    </message>
    <message>
        <source>--report needs a file or --pupil NAME</source>
        <translation>--report needs a file or --pupil NAME</translation>
    </message>
    <message>
        <source>Tavelin Piano: piano et lecture de notes.</source>
        <translation>Tavelin Piano: piano and note reading.</translation>
    </message>
    <message>
        <source>tavelin-piano: %1 (see --help)</source>
        <translation>tavelin-piano: %1 (see --help)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: tavelin-piano [options]</source>
        <translation>Usage: tavelin-piano [options]</translation>
    </message>
    <message>
        <source>--pupils goes alone</source>
        <translation>--pupils goes alone</translation>
    </message>
    <message>
        <source>--notes goes with playing</source>
        <translation>--notes goes with playing</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</translation>
    </message>
    <message>
        <source>the pupil&apos;s name &apos;%1&apos; cannot be kept: %2</source>
        <translation>the pupil&apos;s name &apos;%1&apos; cannot be kept: %2</translation>
    </message>
    <message>
        <source>no pupil called &apos;%1&apos; in %2</source>
        <translation>no pupil called &apos;%1&apos; in %2</translation>
    </message>
    <message>
        <source>cannot read the pupil&apos;s file &apos;%1&apos;: %2</source>
        <translation>cannot read the pupil&apos;s file &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>the pupil&apos;s file &apos;%1&apos; is not a regular file</source>
        <translation>the pupil&apos;s file &apos;%1&apos; is not a regular file</translation>
    </message>
    <message>
        <source>three</source>
        <translation>three</translation>
    </message>
    <message>
        <source>Écrit tout le dossier de l&apos;élève NAME dans un fichier (--out FILE).</source>
        <translation>Writes pupil NAME&apos;s whole folder into one file (--out FILE).</translation>
    </message>
    <message>
        <source>Ajoute à un élève les exercices du fichier FILE qu&apos;il n&apos;a pas encore (dossier exporté, ou résultats avec --pupil NAME).</source>
        <translation>Adds to a pupil the exercises of FILE that they do not have yet (an exported folder, or results with --pupil NAME).</translation>
    </message>
    <message>
        <source>--export-pupil needs --out FILE</source>
        <translation>--export-pupil needs --out FILE</translation>
    </message>
    <message>
        <source>--out goes with --report or --export-pupil</source>
        <translation>--out goes with --report or --export-pupil</translation>
    </message>
    <message>
        <source>--export-pupil NAME --out FILE and --import FILE [--pupil NAME] go alone</source>
        <translation>--export-pupil NAME --out FILE and --import FILE [--pupil NAME] go alone</translation>
    </message>
    <message>
        <source>this computer has no id for the pupils&apos; files: %1</source>
        <translation>this computer has no id for the pupils&apos; files: %1</translation>
    </message>
    <message>
        <source>cannot make the pupil&apos;s folder in %1: %2</source>
        <translation>cannot make the pupil&apos;s folder in %1: %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unknown options: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Missing value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unexpected value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>a variant</source>
        <translation>a variant</translation>
    </message>
    <message>
        <source>--variant goes with playing</source>
        <translation>--variant goes with playing</translation>
    </message>
    <message>
        <source>Ce que jouent les exercices : ear (à l&apos;oreille), key=N (une armure, -4 à 4 bémols ou dièses ; key=new, une nouvelle à chaque exercice) ou phrase=N (N notes à lire à la suite, 4 à 8).</source>
        <translation>What the exercises play: ear (by ear), key=N (a key signature, -4 to 4 flats or sharps; key=new, a new one at every exercise) or phrase=N (N notes to read in a row, 4 to 8).</translation>
    </message>
    <message>
        <source>Ajoute les clefs d&apos;ut 3e et 4e ligne aux exercices 5 et 6.</source>
        <translation>Adds the alto and tenor clefs to exercises 5 and 6.</translation>
    </message>
    <message>
        <source>--c-clefs goes with playing</source>
        <translation>--c-clefs goes with playing</translation>
    </message>
    <message>
        <source>--variant takes ear, key, key=-4 to key=4, key=new or phrase=4 to phrase=8, not &apos;%1&apos;</source>
        <translation>--variant takes ear, key, key=-4 to key=4, key=new or phrase=4 to phrase=8, not &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Commencer « %1 » : 50 notes</source>
        <translation>Start “%1”: 50 notes</translation>
    </message>
    <message>
        <source>commence « %1 »</source>
        <translation>starts “%1”</translation>
    </message>
    <message>
        <source>Vitesse : 3</source>
        <translation>Speed: 3</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Note : 0</source>
        <translation>Note: 0</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Nom de la note</source>
        <translation>Note name</translation>
    </message>
    <message>
        <source>Clef de sol</source>
        <translation>Treble clef</translation>
    </message>
    <message>
        <source>les touches blanches de mi 2 à fa 5, en clef de sol.</source>
        <translation>the white keys from E3 to F6, in the treble clef.</translation>
    </message>
    <message>
        <source>Clef de sol (# et b)</source>
        <translation>Treble clef (# and b)</translation>
    </message>
    <message>
        <source>toutes les touches de mi 2 à fa 5, les noires écrites avec un dièse ou un bémol.</source>
        <translation>every key from E3 to F6, the black ones written with a sharp or a flat.</translation>
    </message>
    <message>
        <source>Clef de fa</source>
        <translation>Bass clef</translation>
    </message>
    <message>
        <source>les touches blanches de do 1 à la 3, en clef de fa.</source>
        <translation>the white keys from C2 to A4, in the bass clef.</translation>
    </message>
    <message>
        <source>Clef de fa (# et b)</source>
        <translation>Bass clef (# and b)</translation>
    </message>
    <message>
        <source>toutes les touches de do 1 à la 3.</source>
        <translation>every key from C2 to A4.</translation>
    </message>
    <message>
        <source>Clefs de sol et de fa</source>
        <translation>Treble and bass clefs</translation>
    </message>
    <message>
        <source>les touches blanches des deux, chacune dans une clef qui la porte.</source>
        <translation>the white keys of both, each in a clef that holds it.</translation>
    </message>
    <message>
        <source>Toutes les notes</source>
        <translation>All notes</translation>
    </message>
    <message>
        <source>toutes les touches, en clef de sol à partir du do du milieu (do 3), en clef de fa en dessous.</source>
        <translation>every key, in the treble clef from middle C (C4) up, in the bass clef below it.</translation>
    </message>
    <message>
        <source>%1 : les bonnes réponses de l&apos;exercice.</source>
        <translation>%1: the right answers of the exercise.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Afficher le nom de la note</source>
        <translation>Show the note name</translation>
    </message>
    <message>
        <source>Cacher le nom de la note</source>
        <translation>Hide the note name</translation>
    </message>
    <message>
        <source>Afficher ou cacher le nom de la note</source>
        <translation>Show or hide the note name</translation>
    </message>
    <message>
        <source>« %1 » / « %2 »</source>
        <translation>“%1” / “%2”</translation>
    </message>
    <message>
        <source>Aide à la lecture</source>
        <translation>Reading help</translation>
    </message>
    <message>
        <source>%1 : le nom des notes sous les touches</source>
        <translation>%1: the note names under the keys</translation>
    </message>
    <message>
        <source>« %1 » : les noms sous les touches</source>
        <translation>“%1”: the names under the keys</translation>
    </message>
    <message>
        <source>Noms des notes sous les touches</source>
        <translation>Note names under the keys</translation>
    </message>
    <message>
        <source>%1 : de 1 (Lent, une note toutes les 6 s) à 5 (Rapide, toutes les 2 s), entre deux exercices.</source>
        <translation>%1: from 1 (Slow, one note every 6 s) to 5 (Fast, one every 2 s), between two exercises.</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Arrêter l&apos;exercice en cours</source>
        <translation>Stop the exercise under way</translation>
    </message>
    <message>
        <source>Échap</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>« %1 » : arrête l&apos;exercice en cours</source>
        <translation>“%1”: stops the exercise under way</translation>
    </message>
    <message>
        <source>%1 : jouer chaque note quand elle paraît</source>
        <translation>%1: play each note as it appears</translation>
    </message>
    <message>
        <source>« %1 » : coche ou décoche le son des notes</source>
        <translation>“%1”: turns the notes’ sound on or off</translation>
    </message>
    <message>
        <source>La note à lire : jouez sa touche.</source>
        <translation>The note to read: play its key.</translation>
    </message>
    <message>
        <source>Note à lire</source>
        <translation>Note to read</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ouvre cette aide</source>
        <translation>opens this help</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <source>ouvre la fenêtre « %1 » : qui joue, la classe et les bilans</source>
        <translation>opens the “%1” window: who is playing, the class and the reports</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Note : %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>Les images des notes sont introuvables dans %1 : les notes ne pourront pas s&apos;afficher.</source>
        <translation>The note pictures cannot be found in %1: the notes cannot be shown.</translation>
    </message>
    <message>
        <source>Vitesse : %1</source>
        <translation>Speed: %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&lt;li&gt;&lt;b&gt;%1&lt;/b&gt; : %2&lt;/li&gt;</source>
        <translation>&lt;li&gt;&lt;b&gt;%1&lt;/b&gt;: %2&lt;/li&gt;</translation>
    </message>
    <message>
        <source>Élèves et progrès (%1)</source>
        <translation>Pupils and progress (%1)</translation>
    </message>
    <message>
        <source>Aide de Tavelin Piano</source>
        <translation>Tavelin Piano Help</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Who is playing</translation>
    </message>
    <message>
        <source>Élèves et progrès</source>
        <translation>Pupils and progress</translation>
    </message>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>No pupil: the exercises are not recorded</translation>
    </message>
    <message>
        <source>&lt;p&gt;Un piano et un entraînement à la lecture des notes. Le clavier de 54 touches joue comme un vrai piano, avec la souris, le clavier de l&apos;ordinateur ou un clavier MIDI. Un exercice montre 50 notes, une à la fois, sur la portée : jouez la touche de chaque note. Une bonne réponse ajoute un point au score ; la touche s&apos;allume en vert avec une coche. Une note manquée allume sa touche en rouge avec une croix, juste avant la note suivante. « Note : » compte les notes montrées.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A piano and a note-reading trainer. The 54-key keyboard plays like a real piano, with the mouse, the computer keyboard or a MIDI keyboard. An exercise shows 50 notes, one at a time, on the staff: play the key of each note. A right answer adds one point to the score; the key lights up green with a tick. A missed note lights its key red with a cross, just before the next note. “Note:” counts the notes shown.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Les six exercices&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; termine l&apos;exercice avant la fin. &lt;b&gt;%3&lt;/b&gt; fait entendre chaque note quand elle paraît. &lt;b&gt;%4&lt;/b&gt; fait glisser le nom de la note à côté de la portée ; &lt;b&gt;%5&lt;/b&gt; agrandit la fenêtre pour montrer le nom des notes sous les touches.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;The six exercises&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; ends the exercise before the end. &lt;b&gt;%3&lt;/b&gt; sounds each note as it appears. &lt;b&gt;%4&lt;/b&gt; slides the note name out beside the staff; &lt;b&gt;%5&lt;/b&gt; makes the window taller to show the note names under the keys.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;La vitesse&lt;/h2&gt;&lt;p&gt;La barre &lt;b&gt;Vitesse&lt;/b&gt; va de 1 (&lt;b&gt;Lent&lt;/b&gt;, une note toutes les 6 secondes) à 5 (&lt;b&gt;Rapide&lt;/b&gt;, toutes les 2 secondes) : 6, 5, 4, 3 et 2 secondes. Elle se règle entre deux exercices. La réponse doit venir au plus tard 0,2 seconde avant la note suivante.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Speed&lt;/h2&gt;&lt;p&gt;The &lt;b&gt;Speed&lt;/b&gt; bar goes from 1 (&lt;b&gt;Slow&lt;/b&gt;, one note every 6 seconds) to 5 (&lt;b&gt;Fast&lt;/b&gt;, one every 2 seconds): 6, 5, 4, 3 and 2 seconds. It is set between two exercises. The answer must come at the latest 0.2 seconds before the next note.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Raccourcis clavier&lt;/h2&gt;&lt;p&gt;Chaque raccourci fait exactement ce que fait un clic sur son bouton ; un bouton grisé ne fait rien.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Keyboard shortcuts&lt;/h2&gt;&lt;p&gt;Each shortcut does exactly what a click on its button does; a greyed-out button does nothing.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Jouer au clavier de l&apos;ordinateur&lt;/h2&gt;&lt;p&gt;Deux rangées jouent comme un clavier de piano. Les touches comptent par leur place, pas par la lettre qu&apos;elles portent : AZERTY, QWERTZ et QWERTY jouent les mêmes notes aux mêmes places. La rangée du bas joue les touches blanches à partir du do 2 (do une octave sous le do du milieu), la rangée au-dessus les touches noires entre elles. La rangée du haut des lettres joue les touches blanches à partir du do du milieu (do 3), la rangée des chiffres ses touches noires. &lt;b&gt;Page ↑&lt;/b&gt; et &lt;b&gt;Page ↓&lt;/b&gt; montent ou descendent les deux rangées d&apos;une octave, d&apos;une octave au plus de chaque côté. Une touche tenue est une seule note.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;Le plan des touches du clavier de l&apos;ordinateur&quot;&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Playing on the computer keyboard&lt;/h2&gt;&lt;p&gt;Two rows play like a piano keyboard. The keys count by their place, not by the letter they carry: AZERTY, QWERTZ and QWERTY play the same notes in the same places. The bottom row plays the white keys from C3 (one octave below middle C), the row above it the black keys between them. The top row of letters plays the white keys from middle C (C4), the row of digits its black keys. &lt;b&gt;Page ↑&lt;/b&gt; and &lt;b&gt;Page ↓&lt;/b&gt; move both rows up or down an octave, by one octave at most either way. A key held down is a single note.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;The map of the computer keyboard’s keys&quot;&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Clavier MIDI&lt;/h2&gt;&lt;p&gt;Branchez-le (USB ou interface MIDI) avant ou après le démarrage : tout clavier MIDI est relié de lui-même, et joue comme la souris, réponses comprises. Les notes hors du clavier à l&apos;écran sonnent mais ne comptent pas. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; liste les claviers vus ; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; n&apos;en relie qu&apos;un, &lt;code&gt;--midi-in none&lt;/code&gt; aucun ; &lt;code&gt;--midi-out N&lt;/code&gt; joue sur une autre sortie (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</source>
        <translation>&lt;h2&gt;MIDI keyboard&lt;/h2&gt;&lt;p&gt;Plug it in (USB or a MIDI interface) before or after starting: every MIDI keyboard is connected by itself, and plays like the mouse, answers included. Notes outside the on-screen keyboard sound but do not count. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; lists the keyboards seen; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; connects only one, &lt;code&gt;--midi-in none&lt;/code&gt; none; &lt;code&gt;--midi-out N&lt;/code&gt; plays on another output (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pour les professeurs : résultats et bilan&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results FICHIER.csv&lt;/code&gt; ajoute au fichier, à la fin de chaque exercice, une ligne par note montrée : la note, sa clef, bonne ou manquée, le temps de réponse et les touches fausses jouées.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report FICHIER.csv&lt;/code&gt; lit ce fichier sans le changer, écrit un résumé et dessine le bilan (&lt;code&gt;report.png&lt;/code&gt; à côté du fichier, ou &lt;code&gt;--out IMAGE.png&lt;/code&gt;) : chaque note sur sa portée avec sa réussite, les cinq notes à travailler, et les progrès d&apos;une séance à l&apos;autre.&lt;/p&gt;&lt;p&gt;La fenêtre &lt;b&gt;Élèves&lt;/b&gt; (&lt;b&gt;F11&lt;/b&gt;, ou le bouton &lt;b&gt;Élèves et progrès&lt;/b&gt; ci-dessous) fait tout cela sans taper d&apos;option : elle choisit qui joue, liste la classe avec ses chiffres, montre le bilan de l&apos;élève choisi, garde ses réglages (notes faibles plus souvent, étendue des notes), crée son raccourci et exporte les bilans.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;For teachers: results and reports&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results FILE.csv&lt;/code&gt; adds to the file, at the end of each exercise, one line for each note shown: the note, its clef, right or missed, the answer time and the wrong keys played.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report FILE.csv&lt;/code&gt; reads this file without changing it, writes a summary and draws the report (&lt;code&gt;report.png&lt;/code&gt; beside the file, or &lt;code&gt;--out IMAGE.png&lt;/code&gt;): each note on its staff with its success rate, the five notes to work on, and the progress from one session to the next.&lt;/p&gt;&lt;p&gt;The &lt;b&gt;Pupils&lt;/b&gt; window (&lt;b&gt;F11&lt;/b&gt;, or the &lt;b&gt;Pupils and progress&lt;/b&gt; button below) does all this without typing an option: it chooses who plays, lists the class with its figures, shows the chosen pupil’s report, keeps their settings (weak notes more often, range of notes), makes their shortcut and exports the reports.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;À propos&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, version %1.&lt;br&gt;Licence : GNU General Public License, version 3 ou ultérieure ; voir le fichier LICENSE.&lt;br&gt;Le son vient de FluidSynth et de la SoundFont General MIDI de Debian (fluid-soundfont-gm) ; les images sont dessinées par le programme avec les polices Liberation et Noto Music ; la fenêtre est faite avec Qt.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;About&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, version %1.&lt;br&gt;Licence: GNU General Public License, version 3 or later; see the LICENSE file.&lt;br&gt;The sound comes from FluidSynth and Debian’s General MIDI SoundFont (fluid-soundfont-gm); the pictures are drawn by the program with the Liberation and Noto Music fonts; the window is made with Qt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Jouer au clavier de l&apos;ordinateur</source>
        <translation>Playing on the computer keyboard</translation>
    </message>
    <message>
        <source>En grand : la touche d&apos;un clavier %1 ; en petit : la même touche en %2. En bas : la note et son numéro MIDI (60 = do du milieu), sans décalage d&apos;octave. Touches grises : aucune note.</source>
        <translation>Large: the key on a %1 keyboard; small: the same key on %2. At the bottom: the note and its MIDI number (60 = middle C), with no octave shift. Grey keys: no note.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Au-delà des notes seules&lt;/h2&gt;&lt;p&gt;Dans la fenêtre &lt;b&gt;Élèves&lt;/b&gt;, les réglages d&apos;un élève choisissent ce que jouent les six boutons d&apos;exercice. &lt;b&gt;À l&apos;oreille&lt;/b&gt; : chaque note sonne d&apos;abord sur la portée vide ; elle s&apos;y dessine dès qu&apos;elle est jouée ou manquée, pour relier le son à sa place. &lt;b&gt;Dans une tonalité&lt;/b&gt; : les notes sont celles d&apos;une gamme majeure jusqu&apos;à quatre dièses ou bémols, choisie par le professeur ou nouvelle à chaque exercice ; la portée montre l&apos;armure, et une note que l&apos;armure altère n&apos;a pas de signe à côté d&apos;elle : jouez la touche qu&apos;elle veut dire dans cette tonalité. &lt;code&gt;--variant ear&lt;/code&gt; et &lt;code&gt;--variant key=N&lt;/code&gt; font de même pour un lancement.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Beyond the notes alone&lt;/h2&gt;&lt;p&gt;In the &lt;b&gt;Pupils&lt;/b&gt; window, a pupil’s settings choose what the six exercise buttons play. &lt;b&gt;By ear&lt;/b&gt;: each note sounds first over the bare staff; it is drawn there as soon as it is played or missed, to tie the sound to its place. &lt;b&gt;In a key&lt;/b&gt;: the notes are those of a major scale with up to four sharps or flats, chosen by the teacher or new for each exercise; the staff shows the key signature, and a note that the key signature alters has no sign beside it: play the piano key it stands for in that key. &lt;code&gt;--variant ear&lt;/code&gt; and &lt;code&gt;--variant key=N&lt;/code&gt; do the same for one run.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Plusieurs notes&lt;/b&gt; : quatre à huit notes côte à côte, à jouer dans l&apos;ordre ; une marque rouge passe à la suivante à chaque bonne touche, et la phrase dure autant de périodes qu&apos;elle a de notes. &lt;b&gt;Clefs d&apos;ut&lt;/b&gt; : les exercices 5 et 6 écrivent aussi des notes en clef d&apos;ut 3e ligne (alto) et 4e ligne (ténor). &lt;code&gt;--variant phrase=N&lt;/code&gt; et &lt;code&gt;--c-clefs&lt;/code&gt; font de même pour un lancement. Un lecteur d&apos;écran entend la clef, l&apos;armure et le nombre de notes, jamais les notes.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Several notes&lt;/b&gt;: four to eight notes side by side, to be played in order; a red marker moves to the next at each right key, and the phrase lasts as many periods as it has notes. &lt;b&gt;C clefs&lt;/b&gt;: exercises 5 and 6 also write notes in the alto and tenor clefs. &lt;code&gt;--variant phrase=N&lt;/code&gt; and &lt;code&gt;--c-clefs&lt;/code&gt; do the same for one launch. A screen reader hears the clef, the key signature and the number of notes, never the notes.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1; no MIDI keyboard input</source>
        <translation>%1; no MIDI keyboard input</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>cannot write to standard output: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of results could not be written to &apos;%1&apos; and are lost</source>
        <translation>
            <numerusform>%n row of results could not be written to &apos;%1&apos; and is lost</numerusform>
            <numerusform>%n rows of results could not be written to &apos;%1&apos; and are lost</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the pupil plays with the usual settings</source>
        <translation>%1; the pupil plays with the usual settings</translation>
    </message>
    <message>
        <source>%1 (--results)</source>
        <translation>%1 (--results)</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</translation>
    </message>
    <message>
        <source>%1; nothing was imported</source>
        <translation>%1; nothing was imported</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>cannot make our ALSA input port: %1</source>
        <translation>cannot make our ALSA input port: %1</translation>
    </message>
    <message>
        <source>no ALSA announcements (%1); a keyboard plugged in later is not seen</source>
        <translation>no ALSA announcements (%1); a keyboard plugged in later is not seen</translation>
    </message>
    <message>
        <source>cannot listen to MIDI port %1: %2</source>
        <translation>cannot listen to MIDI port %1: %2</translation>
    </message>
    <message>
        <source>no MIDI port %1 yet; it is connected when it appears</source>
        <translation>no MIDI port %1 yet; it is connected when it appears</translation>
    </message>
    <message>
        <source>MIDI keyboard input stopped: %1</source>
        <translation>MIDI keyboard input stopped: %1</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>cannot read &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a regular file</source>
        <translation>&apos;%1&apos; is a folder, not a regular file</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>&apos;%1&apos; is not a regular file</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>larger than %1 MB</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <translation>cannot load picture %1: %2</translation>
    </message>
    <message>
        <source>cannot write the PDF &apos;%1&apos;</source>
        <translation>cannot write the PDF &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a device, not a results file</source>
        <translation>&apos;%1&apos; is a device, not a results file</translation>
    </message>
    <message>
        <source>several files go into one PDF: --out FILE.pdf, not &apos;%1&apos;</source>
        <translation>several files go into one PDF: --out FILE.pdf, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the pupil &apos;%1&apos; is named more than once: counted once</source>
        <translation>the pupil &apos;%1&apos; is named more than once: counted once</translation>
    </message>
    <message>
        <source>the PDF &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>the PDF &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is &apos;%2&apos; under another name: counted once</source>
        <translation>&apos;%1&apos; is &apos;%2&apos; under another name: counted once</translation>
    </message>
    <message>
        <source>%1; %2 is left out of the class report</source>
        <translation>%1; %2 is left out of the class report</translation>
    </message>
    <message>
        <source>no pupil to report on: no PDF written</source>
        <translation>no pupil to report on: no PDF written</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no computer id (id= followed by 16 hex digits)</source>
        <translation>&apos;%1&apos; holds no computer id (id= followed by 16 hex digits)</translation>
    </message>
    <message>
        <source>cannot make the folder &apos;%1&apos;: %2</source>
        <translation>cannot make the folder &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>cannot write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;</source>
        <translation>cannot read &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no data folder: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>no data folder: neither XDG_DATA_HOME nor HOME is set</translation>
    </message>
    <message>
        <source>impossible de créer le dossier « %1 » : %2</source>
        <translation>cannot make the folder “%1”: %2</translation>
    </message>
    <message>
        <source>impossible de supprimer « %1 » : %2</source>
        <translation>cannot delete “%1”: %2</translation>
    </message>
    <message>
        <source>%1; the notes are drawn evenly</source>
        <translation>%1; the notes are drawn evenly</translation>
    </message>
    <message>
        <source>nom trop long</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>pas d&apos;élève « %1 »</source>
        <translation>no pupil called “%1”</translation>
    </message>
    <message>
        <source>un élève s&apos;appelle déjà « %1 »</source>
        <translation>a pupil is already called “%1”</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire « %1 » : %2</source>
        <translation>cannot write “%1”: %2</translation>
    </message>
    <message>
        <source>impossible de déplacer « %1 » : %2</source>
        <translation>cannot move “%1”: %2</translation>
    </message>
    <message>
        <source>illisible : %1</source>
        <translation>unreadable: %1</translation>
    </message>
    <message>
        <source>un dossier, pas un fichier de résultats</source>
        <translation>a folder, not a results file</translation>
    </message>
    <message>
        <source>pas un fichier ordinaire (tube, appareil ou prise)</source>
        <translation>not a regular file (pipe, device or socket)</translation>
    </message>
    <message>
        <source>impossible de lire le dossier « %1 » : %2</source>
        <translation>cannot read the folder “%1”: %2</translation>
    </message>
    <message>
        <source>le nom est vide</source>
        <translation>the name is empty</translation>
    </message>
    <message>
        <source>le nom n&apos;est pas du texte lisible (UTF-8)</source>
        <translation>the name is not readable text (UTF-8)</translation>
    </message>
    <message>
        <source>le nom commence ou finit par une espace</source>
        <translation>the name begins or ends with a space</translation>
    </message>
    <message>
        <source>le nom contient un caractère de contrôle</source>
        <translation>the name contains a control character</translation>
    </message>
    <message>
        <source>le nom est trop long</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>cet ordinateur n&apos;a pas d&apos;identifiant (computer.ini illisible)</source>
        <translation>this computer has no id (computer.ini unreadable)</translation>
    </message>
    <message>
        <source>nom trop long pour les archives</source>
        <translation>name too long for the archives</translation>
    </message>
    <message>
        <source>nom de fichier qui n&apos;est pas celui d&apos;un élève</source>
        <translation>a file name that is not a pupil’s</translation>
    </message>
    <message>
        <source>a pupil&apos;s name cannot be empty</source>
        <translation>a pupil&apos;s name cannot be empty</translation>
    </message>
    <message>
        <source>its file name would take %1 bytes, and a file name has at most %2 (the name takes %3 bytes: at most %4 once &apos;%&apos;, &apos;/&apos;, control characters and bytes that are not UTF-8 count 3 each)</source>
        <translation>its file name would take %1 bytes, and a file name has at most %2 (the name takes %3 bytes: at most %4 once &apos;%&apos;, &apos;/&apos;, control characters and bytes that are not UTF-8 count 3 each)</translation>
    </message>
    <message>
        <source>cannot read the folder &apos;%1&apos;: %2</source>
        <translation>cannot read the folder &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>pas un fichier de résultats de Tavelin Piano</source>
        <translation>not a Tavelin Piano results file</translation>
    </message>
    <message>
        <source>still reading &apos;%1&apos; since an earlier run</source>
        <translation>still reading &apos;%1&apos; since an earlier run</translation>
    </message>
    <message>
        <source>no results file to report on</source>
        <translation>no results file to report on</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; must end in .png, .jpg, .jpeg or .pdf</source>
        <translation>the picture &apos;%1&apos; must end in .png, .jpg, .jpeg or .pdf</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>the picture &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</translation>
    </message>
    <message>
        <source>cannot write the picture &apos;%1&apos;: %2</source>
        <translation>cannot write the picture &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>cannot open &apos;%1&apos;: %2</source>
        <translation>cannot open &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>cannot lock &apos;%1&apos;: %2</source>
        <translation>cannot lock &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stayed locked by another program</source>
        <translation>&apos;%1&apos; stayed locked by another program</translation>
    </message>
    <message>
        <source>cannot read the size of &apos;%1&apos;: %2</source>
        <translation>cannot read the size of &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>gave up writing to &apos;%1&apos;</source>
        <translation>gave up writing to &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was taken away while it was written</source>
        <translation>&apos;%1&apos; was taken away while it was written</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a results file: its first line is not the header %2</source>
        <translation>&apos;%1&apos; is not a results file: its first line is not the header %2</translation>
    </message>
    <message>
        <source>cannot write to &apos;%1&apos;: %2</source>
        <translation>cannot write to &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1; the results are kept for the next try, the exercise goes on</source>
        <translation>%1; the results are kept for the next try, the exercise goes on</translation>
    </message>
    <message>
        <source>the record &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>the record &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : sa ligne %2 n&apos;est pas un résultat</source>
        <translation>“%1” is damaged: its line %2 is not a result</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : il s&apos;arrête avant ses résultats</source>
        <translation>“%1” is incomplete: it stops before its results</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : %2</source>
        <translation>“%1” is damaged: %2</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne n&apos;est pas « # fin : N lignes », il a été coupé en route</source>
        <translation>“%1” is incomplete: its last line is not “# fin : N lignes”, it was cut off partway</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : %2 lignes au lieu de %3</source>
        <translation>“%1” is incomplete: %2 lines instead of %3</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est ni un dossier d&apos;élève ni un fichier de résultats de Tavelin Piano</source>
        <translation>“%1” is neither a pupil’s folder nor a Tavelin Piano results file</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne est coupée</source>
        <translation>“%1” is incomplete: its last line is cut off</translation>
    </message>
    <message>
        <source>« %1 » ne dit pas de quel élève il est : nommez-le (--pupil NOM) ou choisissez-le dans la liste</source>
        <translation>“%1” does not say which pupil it belongs to: name the pupil (--pupil NAME) or choose them in the list</translation>
    </message>
    <message>
        <source>no ALSA sequencer (/dev/snd/seq: %1)</source>
        <translation>no ALSA sequencer (/dev/snd/seq: %1)</translation>
    </message>
    <message>
        <source>ALSA port %1 is gone</source>
        <translation>ALSA port %1 is gone</translation>
    </message>
    <message>
        <source>cannot make our ALSA port: %1</source>
        <translation>cannot make our ALSA port: %1</translation>
    </message>
    <message>
        <source>cannot connect to ALSA port %1: %2</source>
        <translation>cannot connect to ALSA port %1: %2</translation>
    </message>
    <message>
        <source>SoundFont not found: %1</source>
        <translation>SoundFont not found: %1</translation>
    </message>
    <message>
        <source>SoundFont is not a file: %1</source>
        <translation>SoundFont is not a file: %1</translation>
    </message>
    <message>
        <source>SoundFont unreadable: %1</source>
        <translation>SoundFont unreadable: %1</translation>
    </message>
    <message>
        <source>SoundFont too short: %1</source>
        <translation>SoundFont too short: %1</translation>
    </message>
    <message>
        <source>not a SoundFont (no RIFF sfbk header): %1</source>
        <translation>not a SoundFont (no RIFF sfbk header): %1</translation>
    </message>
    <message>
        <source>SoundFont truncated (%1 of %2 bytes): %3</source>
        <translation>SoundFont truncated (%1 of %2 bytes): %3</translation>
    </message>
    <message>
        <source>FluidSynth could not make its settings</source>
        <translation>FluidSynth could not make its settings</translation>
    </message>
    <message>
        <source>FluidSynth could not make its synthesizer: %1</source>
        <translation>FluidSynth could not make its synthesizer: %1</translation>
    </message>
    <message>
        <source>could not start the SoundFont loader: %1</source>
        <translation>could not start the SoundFont loader: %1</translation>
    </message>
    <message>
        <source>sample rate refused: %1</source>
        <translation>sample rate refused: %1</translation>
    </message>
    <message>
        <source>gain refused: %1</source>
        <translation>gain refused: %1</translation>
    </message>
    <message>
        <source>audio buffer refused: %1 periods of %2 frames</source>
        <translation>audio buffer refused: %1 periods of %2 frames</translation>
    </message>
    <message>
        <source>no audio output (no audio driver named)</source>
        <translation>no audio output (no audio driver named)</translation>
    </message>
    <message>
        <source>no audio output (%1)</source>
        <translation>no audio output (%1)</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>no reason given</translation>
    </message>
    <message>
        <source>it has no piano, bank 0 program 0</source>
        <translation>it has no piano, bank 0 program 0</translation>
    </message>
    <message>
        <source>the SoundFont %1 did not load (%2); the built-in synthesizer stays silent</source>
        <translation>the SoundFont %1 did not load (%2); the built-in synthesizer stays silent</translation>
    </message>
    <message>
        <source>%1; only the built-in synthesizer is offered</source>
        <translation>%1; only the built-in synthesizer is offered</translation>
    </message>
    <message>
        <source>the built-in synthesizer cannot start: %1</source>
        <translation>the built-in synthesizer cannot start: %1</translation>
    </message>
    <message>
        <source>Synthétiseur intégré (FluidSynth)</source>
        <translation>Built-in synthesizer (FluidSynth)</translation>
    </message>
    <message>
        <source>no system bus</source>
        <translation>no system bus</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>no real-time priority for the sound (%1; RealtimeKit: %2): notes may break up while the machine is busy</source>
        <translation>no real-time priority for the sound (%1; RealtimeKit: %2): notes may break up while the machine is busy</translation>
    </message>
    <message>
        <source>no sound source or no sample format</source>
        <translation>no sound source or no sample format</translation>
    </message>
    <message>
        <source>could not start the sound&apos;s report thread: %1</source>
        <translation>could not start the sound&apos;s report thread: %1</translation>
    </message>
    <message>
        <source>libpulse could not make its mainloop</source>
        <translation>libpulse could not make its mainloop</translation>
    </message>
    <message>
        <source>libpulse could not start its mainloop thread</source>
        <translation>libpulse could not start its mainloop thread</translation>
    </message>
    <message>
        <source>the sound server does not answer (%1 ms)</source>
        <translation>the sound server does not answer (%1 ms)</translation>
    </message>
    <message>
        <source>no sound server (%1)</source>
        <translation>no sound server (%1)</translation>
    </message>
    <message>
        <source>the sound server cannot be reached; the built-in synthesizer is silent until it is back</source>
        <translation>the sound server cannot be reached; the built-in synthesizer is silent until it is back</translation>
    </message>
    <message>
        <source>the sound server cannot be reached (%1); the built-in synthesizer is silent until it is back</source>
        <translation>the sound server cannot be reached (%1); the built-in synthesizer is silent until it is back</translation>
    </message>
    <message>
        <source>the sound server does not answer; the built-in synthesizer is silent until it does</source>
        <translation>the sound server does not answer; the built-in synthesizer is silent until it does</translation>
    </message>
    <message>
        <source>cannot load the font %1 (%2); install the Debian package %3</source>
        <translation>cannot load the font %1 (%2); install the Debian package %3</translation>
    </message>
    <message>
        <source>focus=%1 : ni oui ni non</source>
        <translation>focus=%1: neither oui nor non</translation>
    </message>
    <message>
        <source>notes=%1 : pas une étendue de notes (BAS-HAUT, comme 60-67 ou do3-sol3)</source>
        <translation>notes=%1: not a range of notes (LOW-HIGH, as 60-67 or do3-sol3)</translation>
    </message>
    <message>
        <source>notes=%1 : l&apos;exercice %2 aurait moins de deux notes</source>
        <translation>notes=%1: exercise %2 would have fewer than two notes</translation>
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>cannot read “%1”: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>“%1” is not a regular file</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour des réglages</source>
        <translation>“%1” is too large for settings</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour le dossier d&apos;un élève</source>
        <translation>“%1” is too large for a pupil’s folder</translation>
    </message>
    <message>
        <source>variante=%1 : pas un exercice que le piano connaît</source>
        <translation>variante=%1: not an exercise the piano knows</translation>
    </message>
    <message>
        <source>clefs_ut=%1 : ni oui ni non</source>
        <translation>clefs_ut=%1: neither oui nor non</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>fr</source>
        <extracomment>The code of this translation&apos;s language (&quot;de&quot;, &quot;pt&quot;): it chooses how notes are named (keyboard/notenaming.cpp).</extracomment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>NotePanel</name>
    <message>
        <source>Note sur la portée : clef de sol, avec un dièse</source>
        <translation>Note on the staff: treble clef, with a sharp</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un dièse</source>
        <translation>Note on the staff: bass clef, with a sharp</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol, avec un bémol</source>
        <translation>Note on the staff: treble clef, with a flat</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un bémol</source>
        <translation>Note on the staff: bass clef, with a flat</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol</source>
        <translation>Note on the staff: treble clef</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa</source>
        <translation>Note on the staff: bass clef</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>Début de l&apos;exercice : 50 notes</source>
        <translation>Start of the exercise: 50 notes</translation>
    </message>
    <message>
        <source>Fin de l&apos;exercice</source>
        <translation>End of the exercise</translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>treble clef</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>bass clef</translation>
    </message>
    <message>
        <source>clef d&apos;ut 3e ligne</source>
        <translation>alto clef</translation>
    </message>
    <message>
        <source>clef d&apos;ut 4e ligne</source>
        <translation>tenor clef</translation>
    </message>
    <message numerus="yes">
        <source>armure de %n dièse(s)</source>
        <translation>
            <numerusform>key signature of %n sharp</numerusform>
            <numerusform>key signature of %n sharps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>armure de %n bémol(s)</source>
        <translation>
            <numerusform>key signature of %n flat</numerusform>
            <numerusform>key signature of %n flats</numerusform>
        </translation>
    </message>
    <message>
        <source>sans armure</source>
        <translation>no key signature</translation>
    </message>
    <message>
        <source>Portée en %1 : écoutez la note</source>
        <translation>Staff in %1: listen to the note</translation>
    </message>
    <message>
        <source>Note sur la portée : %1, %2</source>
        <translation>Note on the staff: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes sur la portée : %1, %2</source>
        <translation>
            <numerusform>%n note on the staff: %1, %2</numerusform>
            <numerusform>%n notes on the staff: %1, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>notes</source>
        <comment>under the number of notes of an exercise</comment>
        <translation>notes</translation>
    </message>
    <message>
        <source>Prêt&#x202f;?</source>
        <translation>Ready?</translation>
    </message>
    <message>
        <source>La première note arrive…</source>
        <translation>Here comes the first note…</translation>
    </message>
    <message>
        <source>Exercice terminé</source>
        <translation>Exercise finished</translation>
    </message>
    <message>
        <source>Bravo&#x202f;!</source>
        <translation>Well done!</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>Choisissez un exercice</source>
        <translation>Choose an exercise</translation>
    </message>
    <message>
        <source>à droite →</source>
        <comment>the exercise buttons are to the right</comment>
        <translation>on the right →</translation>
    </message>
    <message>
        <source>lecture de notes au clavier</source>
        <comment>the tagline under the program&apos;s name</comment>
        <translation>piano note reading</translation>
    </message>
    <message>
        <source>Quelle est cette note&#x202f;?</source>
        <comment>along the foot of every note</comment>
        <translation>What is this note?</translation>
    </message>
    <message>
        <source>Écoutez…</source>
        <comment>along the foot of the staff while a note is heard</comment>
        <translation>Listen…</translation>
    </message>
    <message>
        <source>Jouez-les…</source>
        <comment>along the foot of a phrase: play the notes in order</comment>
        <translation>Play them in order…</translation>
    </message>
</context>
<context>
    <name>PupilsWindow</name>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>cannot read “%1”: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>“%1” is not a regular file</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <source>aucun élève</source>
        <translation>no pupils</translation>
    </message>
    <message>
        <source>%v fichiers lus sur %m</source>
        <translation>%v of %m files read</translation>
    </message>
    <message>
        <source>&amp;Qui joue :</source>
        <translation>&amp;Who is playing:</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Who is playing</translation>
    </message>
    <message>
        <source>Ouverte seule, la fenêtre n&apos;enregistre rien : choisissez qui joue depuis le piano (F11)</source>
        <translation>Opened on its own, the window records nothing: choose who plays from the piano (F11)</translation>
    </message>
    <message>
        <source>L&apos;élève dont les exercices sont enregistrés, à partir du prochain</source>
        <translation>The pupil whose exercises are recorded, from the next one</translation>
    </message>
    <message>
        <source>Liste des élèves</source>
        <translation>List of pupils</translation>
    </message>
    <message>
        <source>Une ligne par élève ; cochez les élèves du bilan de la classe</source>
        <translation>One row per pupil; tick the pupils of the class report</translation>
    </message>
    <message>
        <source>La cla&amp;sse :</source>
        <translation>The cla&amp;ss:</translation>
    </message>
    <message>
        <source>Lecture des fichiers</source>
        <translation>Reading the files</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>&amp;Ajouter…</source>
        <translation>&amp;Add…</translation>
    </message>
    <message>
        <source>Ajouter un élève</source>
        <translation>Add a pupil</translation>
    </message>
    <message>
        <source>&amp;Renommer…</source>
        <translation>&amp;Rename…</translation>
    </message>
    <message>
        <source>Renommer l&apos;élève choisi ; tous ses exercices le suivent</source>
        <translation>Rename the chosen pupil; all their exercises follow</translation>
    </message>
    <message>
        <source>Archi&amp;ver…</source>
        <translation>Archi&amp;ve…</translation>
    </message>
    <message>
        <source>Ranger l&apos;élève choisi dans les archives, sans rien effacer</source>
        <translation>Put the chosen pupil away in the archives, deleting nothing</translation>
    </message>
    <message>
        <source>Arc&amp;hives…</source>
        <translation>Arc&amp;hives…</translation>
    </message>
    <message>
        <source>Voir les élèves archivés et en restaurer un</source>
        <translation>See the archived pupils and restore one</translation>
    </message>
    <message>
        <source>Créer un ra&amp;ccourci</source>
        <translation>&amp;Create a shortcut</translation>
    </message>
    <message>
        <source>Une icône « Piano — NOM » qui lance le piano pour l&apos;élève choisi</source>
        <translation>An icon “Piano — NAME” that starts the piano for the chosen pupil</translation>
    </message>
    <message>
        <source>Créer un raccourci</source>
        <translation>Create a shortcut</translation>
    </message>
    <message>
        <source>&amp;Exporter le bilan…</source>
        <translation>&amp;Export the report…</translation>
    </message>
    <message>
        <source>Le bilan de l&apos;élève choisi en PDF ou en PNG</source>
        <translation>The chosen pupil’s report as a PDF or a PNG</translation>
    </message>
    <message>
        <source>Exporter la c&amp;lasse…</source>
        <translation>Export the c&amp;lass…</translation>
    </message>
    <message>
        <source>Le bilan de la classe en PDF, pour les élèves cochés</source>
        <translation>The class report as a PDF, for the ticked pupils</translation>
    </message>
    <message>
        <source>Co&amp;pier les résultats…</source>
        <translation>Co&amp;py the results…</translation>
    </message>
    <message>
        <source>Une copie du fichier de résultats de l&apos;élève choisi</source>
        <translation>A copy of the chosen pupil’s results file</translation>
    </message>
    <message>
        <source>Réglages de l&apos;élève</source>
        <translation>Pupil’s settings</translation>
    </message>
    <message>
        <source>Notes &amp;faibles plus souvent</source>
        <translation>Weak notes more o&amp;ften</translation>
    </message>
    <message>
        <source>Notes faibles plus souvent</source>
        <translation>Weak notes more often</translation>
    </message>
    <message>
        <source>Les notes souvent manquées reviennent plus souvent (comme --focus)</source>
        <translation>Notes often missed come back more often (like --focus)</translation>
    </message>
    <message>
        <source>Étendue des notes</source>
        <translation>Range of notes</translation>
    </message>
    <message>
        <source>toutes, ou 60-67, do3-sol3</source>
        <translation>all, or 60-67, C4-G4</translation>
    </message>
    <message>
        <source>Vide : toutes les notes ; sinon BAS-HAUT comme --notes (60-67, do3-sol3)</source>
        <translation>Empty: all the notes; otherwise LOW-HIGH as with --notes (60-67, C4-G4)</translation>
    </message>
    <message>
        <source>É&amp;tendue :</source>
        <translation>Ra&amp;nge:</translation>
    </message>
    <message>
        <source>Bilan de l&apos;élève</source>
        <translation>Pupil’s report</translation>
    </message>
    <message>
        <source>Bilan</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Liste et bilan</source>
        <translation>List and report</translation>
    </message>
    <message>
        <source>Personne (rien n&apos;est enregistré)</source>
        <translation>Nobody (nothing is recorded)</translation>
    </message>
    <message>
        <source>Réglages illisibles, ceux par défaut s&apos;appliquent : %1</source>
        <translation>Settings unreadable, the default ones apply: %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer pour %1 : %2</source>
        <translation>Cannot record for %1: %2</translation>
    </message>
    <message>
        <source>Étendue refusée : %1</source>
        <translation>Range refused: %1</translation>
    </message>
    <message>
        <source>Réglages non enregistrés : %1</source>
        <translation>Settings not saved: %1</translation>
    </message>
    <message>
        <source>Réglages de %1 enregistrés : %2, %3</source>
        <translation>Settings of %1 saved: %2, %3</translation>
    </message>
    <message>
        <source>notes faibles plus souvent</source>
        <translation>weak notes more often</translation>
    </message>
    <message>
        <source>tirage égal</source>
        <translation>even draw</translation>
    </message>
    <message>
        <source>notes %1</source>
        <translation>notes %1</translation>
    </message>
    <message>
        <source>toutes les notes</source>
        <translation>all the notes</translation>
    </message>
    <message>
        <source>Choisissez un élève pour voir son bilan.</source>
        <translation>Choose a pupil to see their report.</translation>
    </message>
    <message>
        <source>Lecture du fichier…</source>
        <translation>Reading the file…</translation>
    </message>
    <message>
        <source>Pas de bilan : %1</source>
        <translation>No report: %1</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séances, %3 notes, %4 justes</source>
        <translation>Report of %1: %2 sessions, %3 notes, %4 right</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séance, %3 notes, %4 justes</source>
        <translation>Report of %1: %2 session, %3 notes, %4 right</translation>
    </message>
    <message>
        <source>Nom de l&apos;élève :</source>
        <translation>Pupil’s name:</translation>
    </message>
    <message>
        <source>Élève non ajouté : %1</source>
        <translation>Pupil not added: %1</translation>
    </message>
    <message>
        <source>%1 ajouté(e)</source>
        <translation>%1 added</translation>
    </message>
    <message>
        <source>%1 joue : choisissez d&apos;abord quelqu&apos;un d&apos;autre dans « Qui joue »</source>
        <translation>%1 is playing: first choose someone else in “Who is playing”</translation>
    </message>
    <message>
        <source>Renommer un élève</source>
        <translation>Rename a pupil</translation>
    </message>
    <message>
        <source>Nouveau nom de %1 :</source>
        <translation>New name for %1:</translation>
    </message>
    <message>
        <source>Pas renommé : %1</source>
        <translation>Not renamed: %1</translation>
    </message>
    <message>
        <source> ; son raccourci aussi</source>
        <translation>; their shortcut too</translation>
    </message>
    <message>
        <source> ; raccourci : %1</source>
        <translation>; shortcut: %1</translation>
    </message>
    <message>
        <source>%1 s&apos;appelle maintenant %2%3</source>
        <translation>%1 is now called %2%3</translation>
    </message>
    <message>
        <source>Archiver un élève</source>
        <translation>Archive a pupil</translation>
    </message>
    <message>
        <source>Ranger %1 dans les archives ? Rien n&apos;est effacé : ses résultats et ses réglages restent dans le dossier des archives, d&apos;où « Archives… » les restaure.</source>
        <translation>Put %1 away in the archives? Nothing is deleted: their results and settings stay in the archives folder, from which “Archives…” restores them.</translation>
    </message>
    <message>
        <source>Archiver</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Pas archivé : %1</source>
        <translation>Not archived: %1</translation>
    </message>
    <message>
        <source>Raccourci de l&apos;élève</source>
        <translation>Pupil’s shortcut</translation>
    </message>
    <message>
        <source>Supprimer aussi le raccourci « Piano — %1 » ?</source>
        <translation>Also delete the shortcut “Piano — %1”?</translation>
    </message>
    <message>
        <source>Supprimer le raccourci</source>
        <translation>Delete the shortcut</translation>
    </message>
    <message>
        <source>Le garder</source>
        <translation>Keep it</translation>
    </message>
    <message>
        <source>, son raccourci supprimé</source>
        <translation>, their shortcut deleted</translation>
    </message>
    <message>
        <source>%1 archivé(e)%2%3</source>
        <translation>%1 archived%2%3</translation>
    </message>
    <message>
        <source> sous le nom %1</source>
        <translation> under the name %1</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Élèves archivés</source>
        <translation>Archived pupils</translation>
    </message>
    <message>
        <source>&amp;Restaurer</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>Restaurer</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Aucun élève archivé.</source>
        <translation>No archived pupils.</translation>
    </message>
    <message>
        <source>Élèves archivés :</source>
        <translation>Archived pupils:</translation>
    </message>
    <message>
        <source>Pas restauré : %1</source>
        <translation>Not restored: %1</translation>
    </message>
    <message>
        <source>%1 restauré(e), avec tous ses exercices</source>
        <translation>%1 restored, with all their exercises</translation>
    </message>
    <message>
        <source>Raccourci non créé : %1</source>
        <translation>Shortcut not created: %1</translation>
    </message>
    <message>
        <source>Raccourci « Piano — %1 » créé : %2</source>
        <translation>Shortcut “Piano — %1” created: %2</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats de %2 : choisissez un autre nom</source>
        <translation>“%1” is the results file of %2: choose another name</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats en cours : choisissez un autre nom</source>
        <translation>“%1” is the results file in use: choose another name</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève dont le fichier se lit</source>
        <translation>first choose a pupil whose file can be read</translation>
    </message>
    <message>
        <source>« %1 » doit finir par .pdf, .png, .jpg ou .jpeg</source>
        <translation>“%1” must end in .pdf, .png, .jpg or .jpeg</translation>
    </message>
    <message>
        <source>cochez d&apos;abord les élèves du bilan, dans la liste</source>
        <translation>first tick the pupils of the report, in the list</translation>
    </message>
    <message>
        <source>le bilan de la classe est un PDF : « %1 » doit finir par .pdf</source>
        <translation>the class report is a PDF: “%1” must end in .pdf</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève</source>
        <translation>first choose a pupil</translation>
    </message>
    <message>
        <source>Exporter le bilan de %1</source>
        <translation>Export the report of %1</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Image PNG (*.png)</source>
        <translation>PDF (*.pdf);;PNG image (*.png)</translation>
    </message>
    <message>
        <source>Bilan de %1 exporté : %2</source>
        <translation>Report of %1 exported: %2</translation>
    </message>
    <message>
        <source>Pas exporté : %1</source>
        <translation>Not exported: %1</translation>
    </message>
    <message>
        <source>Cochez d&apos;abord les élèves du bilan, dans la liste (Espace coche l&apos;élève choisi)</source>
        <translation>First tick the pupils of the report in the list (Space ticks the chosen pupil)</translation>
    </message>
    <message>
        <source>Exporter le bilan de la classe</source>
        <translation>Export the class report</translation>
    </message>
    <message>
        <source>classe.pdf</source>
        <translation>class.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Bilan de la classe exporté : %1</source>
        <translation>Class report exported: %1</translation>
    </message>
    <message>
        <source>Copier les résultats de %1</source>
        <translation>Copy the results of %1</translation>
    </message>
    <message>
        <source> - résultats.csv</source>
        <translation> - results.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Résultats de %1 copiés : %2</source>
        <translation>Results of %1 copied: %2</translation>
    </message>
    <message>
        <source>Pas copié : %1</source>
        <translation>Not copied: %1</translation>
    </message>
    <message>
        <source>I&amp;mporter…</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>Ajouter les exercices d&apos;un dossier exporté, ou d&apos;un fichier de résultats à l&apos;élève choisi ; ceux qu&apos;il a déjà ne comptent pas deux fois</source>
        <translation>Add the exercises of an exported folder, or of a results file, to the chosen pupil; those they already have do not count twice</translation>
    </message>
    <message>
        <source>%1 : %2 ajoutés, %3 déjà là</source>
        <translation>%1: %2 added, %3 already there</translation>
    </message>
    <message>
        <source>1 exercice</source>
        <translation>1 exercise</translation>
    </message>
    <message>
        <source>%1 exercices</source>
        <translation>%1 exercises</translation>
    </message>
    <message>
        <source>Importer des exercices</source>
        <translation>Import exercises</translation>
    </message>
    <message>
        <source>Dossier d&apos;élève ou résultats (*.csv *.txt);;Tous les fichiers (*)</source>
        <translation>Pupil&apos;s folder or results (*.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Importé : %1</source>
        <translation>Imported: %1</translation>
    </message>
    <message>
        <source>Rien n&apos;est importé : %1</source>
        <translation>Nothing imported: %1</translation>
    </message>
    <message>
        <source>Exercices</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>les notes seules, comme toujours</source>
        <translation>just the notes, as always</translation>
    </message>
    <message>
        <source>à l&apos;oreille : la note sonne, puis se montre</source>
        <translation>by ear: the note sounds, then shows</translation>
    </message>
    <message>
        <source>dans une tonalité, avec son armure</source>
        <translation>in a key, with its key signature</translation>
    </message>
    <message>
        <source>Ce que jouent les six boutons d&apos;exercice pour cet élève (comme --variant)</source>
        <translation>What the six exercise buttons play for this pupil (like --variant)</translation>
    </message>
    <message>
        <source>E&amp;xercices :</source>
        <translation>E&amp;xercises:</translation>
    </message>
    <message>
        <source>Armure</source>
        <translation>Key signature</translation>
    </message>
    <message>
        <source>sans dièse ni bémol</source>
        <translation>no sharps or flats</translation>
    </message>
    <message>
        <source>1 bémol</source>
        <translation>1 flat</translation>
    </message>
    <message>
        <source>%1 bémols</source>
        <translation>%1 flats</translation>
    </message>
    <message>
        <source>1 dièse</source>
        <translation>1 sharp</translation>
    </message>
    <message>
        <source>%1 dièses</source>
        <translation>%1 sharps</translation>
    </message>
    <message>
        <source>une nouvelle à chaque exercice</source>
        <translation>a new one for each exercise</translation>
    </message>
    <message>
        <source>Ar&amp;mure :</source>
        <translation>&amp;Key signature:</translation>
    </message>
    <message>
        <source>plusieurs notes côte à côte, jouées dans l&apos;ordre</source>
        <translation>several notes side by side, played in order</translation>
    </message>
    <message>
        <source>Notes par lecture</source>
        <translation>Notes at a glance</translation>
    </message>
    <message>
        <source>Combien de notes côte à côte sur la portée, de 4 à 8</source>
        <translation>How many notes side by side on the staff, 4 to 8</translation>
    </message>
    <message>
        <source>&amp;Notes par lecture :</source>
        <translation>&amp;Notes at a glance:</translation>
    </message>
    <message>
        <source>Clefs d&apos;&amp;ut 3e et 4e ligne dans les exercices 5 et 6</source>
        <translation>Alto and tenor clefs in exercises 5 and 6 (&amp;C clefs)</translation>
    </message>
    <message>
        <source>Des notes écrites aussi en clef d&apos;ut, comme --c-clefs</source>
        <translation>Some notes written in a C clef too, like --c-clefs</translation>
    </message>
    <message>
        <source> ; variantes : %1</source>
        <translation>; variants: %1</translation>
    </message>
</context>
<context>
    <name>RangeKeyboard</name>
    <message>
        <source>Clavier de l&apos;étendue</source>
        <translation>Range keyboard</translation>
    </message>
    <message>
        <source>Première touche : %1 ; choisissez l&apos;autre bout</source>
        <translation>First key: %1; choose the other end</translation>
    </message>
    <message>
        <source>De %1 à %2</source>
        <translation>From %1 to %2</translation>
    </message>
    <message>
        <source>Toutes les touches</source>
        <translation>All the keys</translation>
    </message>
    <message>
        <source>. Touche en vue : %1 (← → pour changer, Espace pour choisir)</source>
        <translation>. Key in view: %1 (← → to move, Space to choose)</translation>
    </message>
    <message>
        <source>Cliquez la touche la plus grave puis la plus aiguë</source>
        <translation>Click the lowest key, then the highest</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>stable</source>
        <translation>steady</translation>
    </message>
    <message>
        <source>%1&#xa0;pt par séance</source>
        <translation>%1&#xa0;pt per session</translation>
    </message>
    <message>
        <source>(sol)</source>
        <translation>(treble)</translation>
    </message>
    <message>
        <source>(fa)</source>
        <translation>(bass)</translation>
    </message>
    <message>
        <source>%1 en %2</source>
        <translation>%1 in the %2</translation>
    </message>
    <message>
        <source>Bilan de la classe (%1/%2)</source>
        <translation>Class report (%1/%2)</translation>
    </message>
    <message>
        <source>Bilan de la classe</source>
        <translation>Class report</translation>
    </message>
    <message numerus="yes">
        <source>%1 élève(s)</source>
        <translation>
            <numerusform>%1 pupil</numerusform>
            <numerusform>%1 pupils</numerusform>
        </translation>
    </message>
    <message>
        <source>du %1 au %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>suite page suivante</source>
        <translation>continued overleaf</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Median time</translation>
    </message>
    <message>
        <source>Notes à travailler (clef)</source>
        <translation>Notes to work on (clef)</translation>
    </message>
    <message>
        <source>Score, séance après séance</source>
        <translation>Score, session by session</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s)</source>
        <translation>
            <numerusform>%1 unreadable line</numerusform>
            <numerusform>%1 unreadable lines</numerusform>
        </translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>none</translation>
    </message>
    <message>
        <source>notes à travailler : les moins souvent justes, puis les plus souvent confondues · tendance : pente du score par séance</source>
        <translation>notes to work on: the least often right, then the most often confused · trend: slope of the score per session</translation>
    </message>
    <message>
        <source>Bilan de la classe : %1</source>
        <translation>Class report: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 séance(s)</source>
        <translation>
            <numerusform>%1 session</numerusform>
            <numerusform>%1 sessions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 note(s)</source>
        <translation>
            <numerusform>%1 note</numerusform>
            <numerusform>%1 notes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 justes</source>
        <translation>%1 right</translation>
    </message>
    <message>
        <source>, à travailler : %1</source>
        <translation>, to work on: %1</translation>
    </message>
    <message>
        <source>, tendance %1</source>
        <translation>, trend %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>%1 unreadable line left out</numerusform>
            <numerusform>%1 unreadable lines left out</numerusform>
        </translation>
    </message>
    <message>
        <source>octave</source>
        <translation>octave</translation>
    </message>
    <message>
        <source>note voisine</source>
        <translation>neighbouring note</translation>
    </message>
    <message>
        <source>altération</source>
        <translation>accidental</translation>
    </message>
    <message>
        <source>autre</source>
        <translation>other</translation>
    </message>
    <message>
        <source>à la première séance</source>
        <translation>in the first session</translation>
    </message>
    <message>
        <source>à la dernière</source>
        <translation>in the last</translation>
    </message>
    <message>
        <source>sur les %1 premières séances</source>
        <translation>over the first %1 sessions</translation>
    </message>
    <message>
        <source>sur les %1 dernières</source>
        <translation>over the last %1</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>Score : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Score: %1 %2, %3 %4 (%5 per session).</translation>
    </message>
    <message>
        <source>Score : %1.</source>
        <translation>Score: %1.</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Median answer time: %1 %2, %3 %4 (%5 per session).</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1.</source>
        <translation>Median answer time: %1.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche.</source>
        <translation>No note missed, no wrong key.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler :</source>
        <translation>The five notes to work on:</translation>
    </message>
    <message>
        <source>%1, %2 : %3 sur %4</source>
        <translation>%1, %2: %3 out of %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 juste(s)</source>
        <translation>
            <numerusform>%1 right</numerusform>
            <numerusform>%1 right</numerusform>
        </translation>
    </message>
    <message>
        <source>, erreur la plus fréquente : %1 (%2)</source>
        <translation>, commonest mistake: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 fois</source>
        <translation>
            <numerusform>%1 time</numerusform>
            <numerusform>%1 times</numerusform>
        </translation>
    </message>
    <message>
        <source>, aucune fausse touche : le temps a manqué</source>
        <translation>, no wrong key: time ran out</translation>
    </message>
    <message>
        <source> ; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>sans ordinateur connu</source>
        <translation>no known computer</translation>
    </message>
    <message>
        <source>ordinateur %1</source>
        <translation>computer %1</translation>
    </message>
    <message>
        <source>Bilan de %1</source>
        <translation>Report on %1</translation>
    </message>
    <message>
        <source>Aucun résultat dans ce fichier.</source>
        <translation>No results in this file.</translation>
    </message>
    <message>
        <source>%1 du %2 au %3 : %4</source>
        <translation>%1 from %2 to %3: %4</translation>
    </message>
    <message>
        <source>Par ordinateur : %1.</source>
        <translation>By computer: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté.</source>
        <translation>
            <numerusform>%1 unreadable line left out.</numerusform>
            <numerusform>%1 unreadable lines left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 note(s) non affichée(s) laissée(s) de côté (image manquante).</source>
        <translation>
            <numerusform>%1 note not shown left out (picture missing).</numerusform>
            <numerusform>%1 notes not shown left out (picture missing).</numerusform>
        </translation>
    </message>
    <message>
        <source>Image : %1</source>
        <translation>Picture: %1</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes</source>
        <translation>Note-reading report</translation>
    </message>
    <message>
        <source>aucune note demandée dans cette clef</source>
        <translation>no note asked in this clef</translation>
    </message>
    <message>
        <source>souvent manquée</source>
        <translation>often missed</translation>
    </message>
    <message>
        <source>toujours juste</source>
        <translation>always right</translation>
    </message>
    <message>
        <source>à 5 : les notes à travailler</source>
        <translation>to 5: the notes to work on</translation>
    </message>
    <message>
        <source>Sous chaque note : temps de réponse médian en secondes (le son compris).</source>
        <translation>Under each note: median answer time in seconds (the sound included).</translation>
    </message>
    <message>
        <source>%1 : le do du milieu.</source>
        <translation>%1: middle C.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler</source>
        <translation>The five notes to work on</translation>
    </message>
    <message>
        <source>Pas encore de résultats dans ce fichier.</source>
        <translation>No results in this file yet.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche : bravo !</source>
        <translation>No note missed, no wrong key: well done!</translation>
    </message>
    <message>
        <source>%1 sur %2</source>
        <translation>%1 out of %2</translation>
    </message>
    <message>
        <source> · temps médian %1</source>
        <translation> · median time %1</translation>
    </message>
    <message>
        <source>Erreur la plus fréquente : %1 (%2)</source>
        <translation>Commonest mistake: %1 (%2)</translation>
    </message>
    <message>
        <source>Aucune fausse touche : le temps a manqué</source>
        <translation>No wrong key: time ran out</translation>
    </message>
    <message numerus="yes">
        <source>, %1 fois sans réponse</source>
        <translation>
            <numerusform>, %1 time with no answer</numerusform>
            <numerusform>, %1 times with no answer</numerusform>
        </translation>
    </message>
    <message>
        <source>séance, %1 ; chaque point : %2 séances de suite</source>
        <translation>session, %1; each point: %2 sessions in a row</translation>
    </message>
    <message>
        <source>séance, %1</source>
        <translation>session, %1</translation>
    </message>
    <message>
        <source>de %1 à %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>aucune séance</source>
        <translation>no session</translation>
    </message>
    <message>
        <source>Les progrès, séance après séance</source>
        <translation>Progress, session by session</translation>
    </message>
    <message>
        <source>Notes justes, en % de chaque séance</source>
        <translation>Right notes, in % of each session</translation>
    </message>
    <message>
        <source>Temps de réponse médian, en secondes</source>
        <translation>Median answer time, in seconds</translation>
    </message>
    <message>
        <source> · temps de réponse médian %1</source>
        <translation> · median answer time %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 lignes de résultats lues</source>
        <translation>
            <numerusform>%1 line of results read</numerusform>
            <numerusform>%1 lines of results read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %1 illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>, %1 unreadable left out</numerusform>
            <numerusform>, %1 unreadable left out</numerusform>
        </translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>treble clef</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>bass clef</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>%1 : %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>PDF : %1</source>
        <translation>PDF: %1</translation>
    </message>
    <message>
        <source>Les variantes :</source>
        <translation>The variants:</translation>
    </message>
    <message>
        <source>Les notes des variantes sont en page suivante.</source>
        <translation>The variants&apos; notes are on the next page.</translation>
    </message>
    <message>
        <source>page %1 sur %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes : les variantes</source>
        <translation>Note-reading report: the variants</translation>
    </message>
    <message>
        <source>À l&apos;oreille</source>
        <translation>By ear</translation>
    </message>
    <message>
        <source>Plusieurs notes</source>
        <translation>Several notes</translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 dièse(s)</source>
        <translation>
            <numerusform>Key signature: %1 sharp</numerusform>
            <numerusform>Key signature: %1 sharps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 bémol(s)</source>
        <translation>
            <numerusform>Key signature: %1 flat</numerusform>
            <numerusform>Key signature: %1 flats</numerusform>
        </translation>
    </message>
    <message>
        <source>Sans armure (do majeur)</source>
        <translation>No key signature (C major)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 3e ligne (alto)</source>
        <translation>C clef on the 3rd line (alto)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 4e ligne (ténor)</source>
        <translation>C clef on the 4th line (tenor)</translation>
    </message>
    <message>
        <source>les pages de chaque élève ensuite</source>
        <translation>then the pages of each pupil</translation>
    </message>
</context>
<context>
    <name>progress::PlayingPupil</name>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>No pupil: the exercises are not recorded</translation>
    </message>
    <message>
        <source>Élève : %1, ses exercices sont enregistrés</source>
        <translation>Pupil: %1, their exercises are recorded</translation>
    </message>
    <message>
        <source> ; personne à partir du prochain exercice</source>
        <translation>; nobody from the next exercise</translation>
    </message>
    <message>
        <source> ; %1 à partir du prochain exercice</source>
        <translation>; %1 from the next exercise</translation>
    </message>
</context>
<context>
    <name>progress::PupilsTableModel</name>
    <message>
        <source>lecture…</source>
        <translation>reading…</translation>
    </message>
    <message>
        <source>%1 lignes illisibles laissées de côté</source>
        <translation>%1 unreadable lines left out</translation>
    </message>
    <message>
        <source>%1 ligne illisible laissée de côté</source>
        <translation>%1 unreadable line left out</translation>
    </message>
    <message>
        <source>jamais</source>
        <translation>never</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Median time</translation>
    </message>
    <message>
        <source>Tendance</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Dernière séance</source>
        <translation>Last session</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Par ordinateur : %1</source>
        <translation>By computer: %1</translation>
    </message>
</context>
</TS>
