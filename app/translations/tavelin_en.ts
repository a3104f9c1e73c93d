<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
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
</context>
</TS>
