<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>no display: set DISPLAY or run in a desktop session</source>
        <translation>kein Bildschirm: setze DISPLAY oder starte in einer Desktop-Sitzung</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>einen Namen</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>einen Dateinamen</translation>
    </message>
    <message>
        <source>a picture file name</source>
        <translation>den Namen einer Bilddatei</translation>
    </message>
    <message>
        <source>none or CLIENT:PORT</source>
        <translation>none oder CLIENT:PORT</translation>
    </message>
    <message>
        <source>a device number</source>
        <translation>eine Gerätenummer</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>Joue par la sortie MIDI N (0 : le synthétiseur intégré).</source>
        <translation>Spielt über den MIDI-Ausgang N (0: der eingebaute Synthesizer).</translation>
    </message>
    <message>
        <source>Liste les sorties MIDI.</source>
        <translation>Listet die MIDI-Ausgänge auf.</translation>
    </message>
    <message>
        <source>Clavier MIDI : none, ou CLIENT:PORT (par défaut : tous).</source>
        <translation>MIDI-Keyboard: none oder CLIENT:PORT (ohne Angabe: alle).</translation>
    </message>
    <message>
        <source>Liste les claviers MIDI.</source>
        <translation>Listet die MIDI-Keyboards auf.</translation>
    </message>
    <message>
        <source>Ajoute le résultat de chaque note au fichier CSV FILE.</source>
        <translation>Schreibt das Ergebnis jeder Note in die CSV-Datei FILE.</translation>
    </message>
    <message>
        <source>Fait le bilan du fichier de résultats FILE, sans fenêtre ; avec plusieurs fichiers ou --pupil, le bilan de la classe en PDF.</source>
        <translation>Wertet die Ergebnisdatei FILE ohne Fenster aus; mit mehreren Dateien oder --pupil die Klassenauswertung als PDF.</translation>
    </message>
    <message>
        <source>Image du bilan, .png, .jpg ou .pdf (par défaut : le nom du fichier en .png), ou PDF de la classe (class.pdf).</source>
        <translation>Bild der Auswertung, .png, .jpg oder .pdf (ohne Angabe: der Dateiname als .png), oder PDF der Klasse (class.pdf).</translation>
    </message>
    <message>
        <source>Les résultats de l&apos;élève NAME, dans le dossier des élèves.</source>
        <translation>Die Ergebnisse des Schülers NAME im Schülerordner.</translation>
    </message>
    <message>
        <source>Liste les élèves, leurs séances et la dernière date.</source>
        <translation>Listet die Schüler, ihre Übungseinheiten und das letzte Datum auf.</translation>
    </message>
    <message>
        <source>Les notes manquées reviennent plus souvent (avec --pupil ou --results).</source>
        <translation>Verpasste Noten kommen öfter dran (mit --pupil oder --results).</translation>
    </message>
    <message>
        <source>Limite les exercices aux notes de LOW à HIGH (60-67, do3-sol3).</source>
        <translation>Beschränkt die Übungen auf die Noten von LOW bis HIGH (60-67, c1-g1).</translation>
    </message>
    <message>
        <source>Ouvre seule la fenêtre « Élèves » : la classe, les bilans, les réglages et les raccourcis des élèves.</source>
        <translation>Öffnet allein das Fenster „Schüler“: die Klasse, die Auswertungen, die Einstellungen und Verknüpfungen der Schüler.</translation>
    </message>
    <message>
        <source>%1 needs %2 before %3</source>
        <translation>%1 braucht %2 vor %3</translation>
    </message>
    <message>
        <source>--midi-out takes a device number, not &apos;%1&apos;</source>
        <translation>--midi-out erwartet eine Gerätenummer, nicht „%1“</translation>
    </message>
    <message>
        <source>--midi-in takes none or CLIENT:PORT, not &apos;%1&apos;</source>
        <translation>--midi-in erwartet none oder CLIENT:PORT, nicht „%1“</translation>
    </message>
    <message>
        <source>--midi-in takes a CLIENT:PORT of 0 to 255 each, not &apos;%1&apos;</source>
        <translation>--midi-in erwartet CLIENT:PORT mit je 0 bis 255, nicht „%1“</translation>
    </message>
    <message>
        <source>--results needs a file name</source>
        <translation>--results braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--out takes a .png, .jpg, .jpeg or .pdf file, not &apos;%1&apos;</source>
        <translation>--out erwartet eine .png-, .jpg-, .jpeg- oder .pdf-Datei, nicht „%1“</translation>
    </message>
    <message>
        <source>--list-midi-out, --list-midi-in, --list-pupils and --report go alone</source>
        <translation>--list-midi-out, --list-midi-in, --list-pupils und --report stehen allein</translation>
    </message>
    <message>
        <source>%1 does not go with --midi-out, --midi-in or --results</source>
        <translation>%1 passt nicht zu --midi-out, --midi-in oder --results</translation>
    </message>
    <message>
        <source>--pupil needs a name</source>
        <translation>--pupil braucht einen Namen</translation>
    </message>
    <message>
        <source>several --pupil go with --report only</source>
        <translation>mehrere --pupil gehen nur mit --report</translation>
    </message>
    <message>
        <source>--pupil and --results both name the results file: give one</source>
        <translation>--pupil und --results nennen beide die Ergebnisdatei: gib nur eines an</translation>
    </message>
    <message>
        <source>--pupil goes with playing or with --report</source>
        <translation>--pupil gehört zum Spielen oder zu --report</translation>
    </message>
    <message>
        <source>--focus goes with --pupil or --results, when playing</source>
        <translation>--focus gehört beim Spielen zu --pupil oder --results</translation>
    </message>
    <message>
        <source>--notes takes notes from 0 to 127 (do 0 is 24, sol 8 is 127), not &apos;%1&apos;</source>
        <translation>--notes erwartet Noten von 0 bis 127 (C1 ist 24, g6 ist 127), nicht „%1“</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, the low note first, not &apos;%1&apos;</source>
        <translation>--notes erwartet TIEF-HOCH, die tiefe Note zuerst, nicht „%1“</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, as 60-67 or do3-sol3, low first, not &apos;%1&apos;</source>
        <translation>--notes erwartet TIEF-HOCH, etwa 60-67 oder c1-g1, die tiefe zuerst, nicht „%1“</translation>
    </message>
    <message>
        <source>--notes %1 leaves exercise %2 with fewer than %3 notes: two would only take turns</source>
        <translation>--notes %1 lässt der Übung %2 weniger als %3 Noten: zwei kämen nur abwechselnd dran</translation>
    </message>
    <message>
        <source>--report needs a file or --pupil NAME</source>
        <translation>--report braucht eine Datei oder --pupil NAME</translation>
    </message>
    <message>
        <source>Tavelin Piano: piano et lecture de notes.</source>
        <translation>Tavelin Piano: Klavier und Notenlesen.</translation>
    </message>
    <message>
        <source>tavelin-piano: %1 (see --help)</source>
        <translation>tavelin-piano: %1 (siehe --help)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>Usage: tavelin-piano [options]</source>
        <translation>Aufruf: tavelin-piano [Optionen]</translation>
    </message>
    <message>
        <source>--pupils goes alone</source>
        <translation>--pupils steht allein</translation>
    </message>
    <message>
        <source>--notes goes with playing</source>
        <translation>--notes gehört zum Spielen</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>kein Datenordner für die Schüler: weder XDG_DATA_HOME noch HOME ist gesetzt</translation>
    </message>
    <message>
        <source>the pupil&apos;s name &apos;%1&apos; cannot be kept: %2</source>
        <translation>der Schülername „%1“ lässt sich nicht speichern: %2</translation>
    </message>
    <message>
        <source>no pupil called &apos;%1&apos; in %2</source>
        <translation>kein Schüler namens „%1“ in %2</translation>
    </message>
    <message>
        <source>cannot read the pupil&apos;s file &apos;%1&apos;: %2</source>
        <translation>die Datei des Schülers „%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>the pupil&apos;s file &apos;%1&apos; is not a regular file</source>
        <translation>die Datei des Schülers „%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>Écrit tout le dossier de l&apos;élève NAME dans un fichier (--out FILE).</source>
        <translation>Schreibt den ganzen Ordner des Schülers NAME in eine Datei (--out FILE).</translation>
    </message>
    <message>
        <source>Ajoute à un élève les exercices du fichier FILE qu&apos;il n&apos;a pas encore (dossier exporté, ou résultats avec --pupil NAME).</source>
        <translation>Fügt einem Schüler die Übungen aus FILE hinzu, die er noch nicht hat (exportierter Ordner oder Ergebnisse mit --pupil NAME).</translation>
    </message>
    <message>
        <source>--export-pupil needs --out FILE</source>
        <translation>--export-pupil braucht --out FILE</translation>
    </message>
    <message>
        <source>--out goes with --report or --export-pupil</source>
        <translation>--out gehört zu --report oder --export-pupil</translation>
    </message>
    <message>
        <source>--export-pupil NAME --out FILE and --import FILE [--pupil NAME] go alone</source>
        <translation>--export-pupil NAME --out FILE und --import FILE [--pupil NAME] stehen allein</translation>
    </message>
    <message>
        <source>this computer has no id for the pupils&apos; files: %1</source>
        <translation>dieser Computer hat keine Kennung für die Schülerdateien: %1</translation>
    </message>
    <message>
        <source>cannot make the pupil&apos;s folder in %1: %2</source>
        <translation>der Ordner des Schülers in %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
    <message>
        <source>a variant</source>
        <translation>eine Variante</translation>
    </message>
    <message>
        <source>--variant goes with playing</source>
        <translation>--variant gehört zum Spielen</translation>
    </message>
    <message>
        <source>Ce que jouent les exercices : ear (à l&apos;oreille), key=N (une armure, -4 à 4 bémols ou dièses ; key=new, une nouvelle à chaque exercice) ou phrase=N (N notes à lire à la suite, 4 à 8).</source>
        <translation>Was die Übungen spielen: ear (nach Gehör), key=N (Vorzeichen, -4 bis 4 Be oder Kreuze; key=new, bei jeder Übung neue) oder phrase=N (N Noten hintereinander zu lesen, 4 bis 8).</translation>
    </message>
    <message>
        <source>Ajoute les clefs d&apos;ut 3e et 4e ligne aux exercices 5 et 6.</source>
        <translation>Nimmt Alt- und Tenorschlüssel in die Übungen 5 und 6 auf.</translation>
    </message>
    <message>
        <source>--c-clefs goes with playing</source>
        <translation>--c-clefs gilt nur beim Spielen</translation>
    </message>
    <message>
        <source>--variant takes ear, key, key=-4 to key=4, key=new or phrase=4 to phrase=8, not &apos;%1&apos;</source>
        <translation>--variant nimmt ear, key, key=-4 bis key=4, key=new oder phrase=4 bis phrase=8, nicht „%1“</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Commencer « %1 » : 50 notes</source>
        <translation>„%1“ beginnen: 50 Noten</translation>
    </message>
    <message>
        <source>commence « %1 »</source>
        <translation>beginnt „%1“</translation>
    </message>
    <message>
        <source>Vitesse : 3</source>
        <translation>Tempo: 3</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Presto</translation>
    </message>
    <message>
        <source>Note : 0</source>
        <translation>Note: 0</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Nom de la note</source>
        <translation>Notenname</translation>
    </message>
    <message>
        <source>Clef de sol</source>
        <translation>Violinschlüssel</translation>
    </message>
    <message>
        <source>les touches blanches de mi 2 à fa 5, en clef de sol.</source>
        <translation>die weißen Tasten von e bis f3, im Violinschlüssel.</translation>
    </message>
    <message>
        <source>Clef de sol (# et b)</source>
        <translation>Violinschlüssel (#/b)</translation>
    </message>
    <message>
        <source>toutes les touches de mi 2 à fa 5, les noires écrites avec un dièse ou un bémol.</source>
        <translation>alle Tasten von e bis f3, die schwarzen mit Kreuz oder b geschrieben.</translation>
    </message>
    <message>
        <source>Clef de fa</source>
        <translation>Bassschlüssel</translation>
    </message>
    <message>
        <source>les touches blanches de do 1 à la 3, en clef de fa.</source>
        <translation>die weißen Tasten von C bis a1, im Bassschlüssel.</translation>
    </message>
    <message>
        <source>Clef de fa (# et b)</source>
        <translation>Bassschlüssel (#/b)</translation>
    </message>
    <message>
        <source>toutes les touches de do 1 à la 3.</source>
        <translation>alle Tasten von C bis a1.</translation>
    </message>
    <message>
        <source>Clefs de sol et de fa</source>
        <translation>Beide Schlüssel</translation>
    </message>
    <message>
        <source>les touches blanches des deux, chacune dans une clef qui la porte.</source>
        <translation>die weißen Tasten beider Schlüssel, jede in einem Schlüssel, in dem sie steht.</translation>
    </message>
    <message>
        <source>Toutes les notes</source>
        <translation>Alle Noten</translation>
    </message>
    <message>
        <source>toutes les touches, en clef de sol à partir du do du milieu (do 3), en clef de fa en dessous.</source>
        <translation>alle Tasten, ab dem eingestrichenen c (c1) im Violinschlüssel, darunter im Bassschlüssel.</translation>
    </message>
    <message>
        <source>%1 : les bonnes réponses de l&apos;exercice.</source>
        <translation>%1: die richtigen Antworten der Übung.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Afficher le nom de la note</source>
        <translation>Notennamen zeigen</translation>
    </message>
    <message>
        <source>Cacher le nom de la note</source>
        <translation>Notennamen verbergen</translation>
    </message>
    <message>
        <source>Afficher ou cacher le nom de la note</source>
        <translation>Notennamen zeigen oder verbergen</translation>
    </message>
    <message>
        <source>« %1 » / « %2 »</source>
        <translation>„%1“ / „%2“</translation>
    </message>
    <message>
        <source>Aide à la lecture</source>
        <translation>Lesehilfe</translation>
    </message>
    <message>
        <source>%1 : le nom des notes sous les touches</source>
        <translation>%1: die Notennamen unter den Tasten</translation>
    </message>
    <message>
        <source>« %1 » : les noms sous les touches</source>
        <translation>„%1“: die Namen unter den Tasten</translation>
    </message>
    <message>
        <source>Noms des notes sous les touches</source>
        <translation>Notennamen unter den Tasten</translation>
    </message>
    <message>
        <source>%1 : de 1 (Lent, une note toutes les 6 s) à 5 (Rapide, toutes les 2 s), entre deux exercices.</source>
        <translation>%1: von 1 (Lento, alle 6 s eine Note) bis 5 (Presto, alle 2 s eine), zwischen zwei Übungen.</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Arrêter l&apos;exercice en cours</source>
        <translation>Die laufende Übung beenden</translation>
    </message>
    <message>
        <source>Échap</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>« %1 » : arrête l&apos;exercice en cours</source>
        <translation>„%1“: beendet die laufende Übung</translation>
    </message>
    <message>
        <source>%1 : jouer chaque note quand elle paraît</source>
        <translation>%1: jede Note spielen, sobald sie erscheint</translation>
    </message>
    <message>
        <source>« %1 » : coche ou décoche le son des notes</source>
        <translation>„%1“: schaltet den Ton der Noten ein oder aus</translation>
    </message>
    <message>
        <source>La note à lire : jouez sa touche.</source>
        <translation>Die Note zum Lesen: Spiele ihre Taste.</translation>
    </message>
    <message>
        <source>Note à lire</source>
        <translation>Note zum Lesen</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>ouvre cette aide</source>
        <translation>öffnet diese Hilfe</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>ouvre la fenêtre « %1 » : qui joue, la classe et les bilans</source>
        <translation>öffnet das Fenster „%1“: wer spielt, die Klasse und die Auswertungen</translation>
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
        <translation>Die Notenbilder sind in %1 nicht zu finden: Die Noten können nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Vitesse : %1</source>
        <translation>Tempo: %1</translation>
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
        <translation>Schüler und Fortschritt (%1)</translation>
    </message>
    <message>
        <source>Aide de Tavelin Piano</source>
        <translation>Hilfe zu Tavelin Piano</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Wer spielt</translation>
    </message>
    <message>
        <source>Élèves et progrès</source>
        <translation>Schüler und Fortschritt</translation>
    </message>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>Kein Schüler: Die Übungen werden nicht gespeichert</translation>
    </message>
    <message>
        <source>&lt;p&gt;Un piano et un entraînement à la lecture des notes. Le clavier de 54 touches joue comme un vrai piano, avec la souris, le clavier de l&apos;ordinateur ou un clavier MIDI. Un exercice montre 50 notes, une à la fois, sur la portée : jouez la touche de chaque note. Une bonne réponse ajoute un point au score ; la touche s&apos;allume en vert avec une coche. Une note manquée allume sa touche en rouge avec une croix, juste avant la note suivante. « Note : » compte les notes montrées.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ein Klavier und ein Trainer zum Notenlesen. Die Klaviatur mit 54 Tasten spielt wie ein echtes Klavier, mit der Maus, der Computertastatur oder einem MIDI-Keyboard. Eine Übung zeigt 50 Noten, eine nach der anderen, auf dem Notensystem: Spiele zu jeder Note ihre Taste. Eine richtige Antwort bringt einen Punkt; die Taste leuchtet grün mit einem Häkchen. Eine verpasste Note lässt ihre Taste rot mit einem Kreuz aufleuchten, kurz vor der nächsten Note. „Note:“ zählt die gezeigten Noten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Les six exercices&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; termine l&apos;exercice avant la fin. &lt;b&gt;%3&lt;/b&gt; fait entendre chaque note quand elle paraît. &lt;b&gt;%4&lt;/b&gt; fait glisser le nom de la note à côté de la portée ; &lt;b&gt;%5&lt;/b&gt; agrandit la fenêtre pour montrer le nom des notes sous les touches.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Die sechs Übungen&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; beendet die Übung vorzeitig. &lt;b&gt;%3&lt;/b&gt; lässt jede Note erklingen, sobald sie erscheint. &lt;b&gt;%4&lt;/b&gt; schiebt den Notennamen neben das Notensystem; &lt;b&gt;%5&lt;/b&gt; vergrößert das Fenster und zeigt die Notennamen unter den Tasten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;La vitesse&lt;/h2&gt;&lt;p&gt;La barre &lt;b&gt;Vitesse&lt;/b&gt; va de 1 (&lt;b&gt;Lent&lt;/b&gt;, une note toutes les 6 secondes) à 5 (&lt;b&gt;Rapide&lt;/b&gt;, toutes les 2 secondes) : 6, 5, 4, 3 et 2 secondes. Elle se règle entre deux exercices. La réponse doit venir au plus tard 0,2 seconde avant la note suivante.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Das Tempo&lt;/h2&gt;&lt;p&gt;Der Regler &lt;b&gt;Tempo&lt;/b&gt; reicht von 1 (&lt;b&gt;Lento&lt;/b&gt;, alle 6 Sekunden eine Note) bis 5 (&lt;b&gt;Presto&lt;/b&gt;, alle 2 Sekunden eine): 6, 5, 4, 3 und 2 Sekunden. Er wird zwischen zwei Übungen eingestellt. Die Antwort muss spätestens 0,2 Sekunden vor der nächsten Note kommen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Raccourcis clavier&lt;/h2&gt;&lt;p&gt;Chaque raccourci fait exactement ce que fait un clic sur son bouton ; un bouton grisé ne fait rien.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Tastenkürzel&lt;/h2&gt;&lt;p&gt;Jedes Tastenkürzel tut genau das, was ein Klick auf seine Schaltfläche tut; eine ausgegraute Schaltfläche tut nichts.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Jouer au clavier de l&apos;ordinateur&lt;/h2&gt;&lt;p&gt;Deux rangées jouent comme un clavier de piano. Les touches comptent par leur place, pas par la lettre qu&apos;elles portent : AZERTY, QWERTZ et QWERTY jouent les mêmes notes aux mêmes places. La rangée du bas joue les touches blanches à partir du do 2 (do une octave sous le do du milieu), la rangée au-dessus les touches noires entre elles. La rangée du haut des lettres joue les touches blanches à partir du do du milieu (do 3), la rangée des chiffres ses touches noires. &lt;b&gt;Page ↑&lt;/b&gt; et &lt;b&gt;Page ↓&lt;/b&gt; montent ou descendent les deux rangées d&apos;une octave, d&apos;une octave au plus de chaque côté. Une touche tenue est une seule note.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;Le plan des touches du clavier de l&apos;ordinateur&quot;&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Auf der Computertastatur spielen&lt;/h2&gt;&lt;p&gt;Zwei Reihen spielen wie eine Klaviatur. Es zählt der Platz der Tasten, nicht der Buchstabe darauf: AZERTY, QWERTZ und QWERTY spielen dieselben Noten an denselben Stellen. Die untere Reihe spielt die weißen Tasten ab dem kleinen c (eine Oktave unter dem eingestrichenen c), die Reihe darüber die schwarzen Tasten dazwischen. Die obere Buchstabenreihe spielt die weißen Tasten ab dem eingestrichenen c (c1), die Ziffernreihe ihre schwarzen Tasten. &lt;b&gt;Bild ↑&lt;/b&gt; und &lt;b&gt;Bild ↓&lt;/b&gt; verschieben beide Reihen um eine Oktave nach oben oder unten, höchstens eine Oktave in jede Richtung. Eine gehaltene Taste ist eine einzige Note.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;Die Belegung der Computertastatur&quot;&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Clavier MIDI&lt;/h2&gt;&lt;p&gt;Branchez-le (USB ou interface MIDI) avant ou après le démarrage : tout clavier MIDI est relié de lui-même, et joue comme la souris, réponses comprises. Les notes hors du clavier à l&apos;écran sonnent mais ne comptent pas. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; liste les claviers vus ; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; n&apos;en relie qu&apos;un, &lt;code&gt;--midi-in none&lt;/code&gt; aucun ; &lt;code&gt;--midi-out N&lt;/code&gt; joue sur une autre sortie (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</source>
        <translation>&lt;h2&gt;MIDI-Keyboard&lt;/h2&gt;&lt;p&gt;Schließe es vor oder nach dem Start an (USB oder MIDI-Interface): Jedes MIDI-Keyboard wird von selbst verbunden und spielt wie die Maus, Antworten eingeschlossen. Noten außerhalb der Bildschirmklaviatur klingen, zählen aber nicht. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; listet die gefundenen Keyboards auf; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; verbindet nur eines, &lt;code&gt;--midi-in none&lt;/code&gt; keines; &lt;code&gt;--midi-out N&lt;/code&gt; spielt über einen anderen Ausgang (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pour les professeurs : résultats et bilan&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results FICHIER.csv&lt;/code&gt; ajoute au fichier, à la fin de chaque exercice, une ligne par note montrée : la note, sa clef, bonne ou manquée, le temps de réponse et les touches fausses jouées.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report FICHIER.csv&lt;/code&gt; lit ce fichier sans le changer, écrit un résumé et dessine le bilan (&lt;code&gt;report.png&lt;/code&gt; à côté du fichier, ou &lt;code&gt;--out IMAGE.png&lt;/code&gt;) : chaque note sur sa portée avec sa réussite, les cinq notes à travailler, et les progrès d&apos;une séance à l&apos;autre.&lt;/p&gt;&lt;p&gt;La fenêtre &lt;b&gt;Élèves&lt;/b&gt; (&lt;b&gt;F11&lt;/b&gt;, ou le bouton &lt;b&gt;Élèves et progrès&lt;/b&gt; ci-dessous) fait tout cela sans taper d&apos;option : elle choisit qui joue, liste la classe avec ses chiffres, montre le bilan de l&apos;élève choisi, garde ses réglages (notes faibles plus souvent, étendue des notes), crée son raccourci et exporte les bilans.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Für Lehrkräfte: Ergebnisse und Auswertung&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results DATEI.csv&lt;/code&gt; schreibt am Ende jeder Übung für jede gezeigte Note eine Zeile in die Datei: die Note, ihren Schlüssel, richtig oder verpasst, die Antwortzeit und die falsch gespielten Tasten.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report DATEI.csv&lt;/code&gt; liest diese Datei, ohne sie zu ändern, schreibt eine Zusammenfassung und zeichnet die Auswertung (&lt;code&gt;report.png&lt;/code&gt; neben der Datei oder &lt;code&gt;--out BILD.png&lt;/code&gt;): jede Note auf ihrem Notensystem mit ihrer Trefferquote, die fünf Noten, die noch geübt werden sollten, und die Fortschritte von einer Übungseinheit zur nächsten.&lt;/p&gt;&lt;p&gt;Das Fenster &lt;b&gt;Schüler&lt;/b&gt; (&lt;b&gt;F11&lt;/b&gt; oder die Schaltfläche &lt;b&gt;Schüler und Fortschritt&lt;/b&gt; unten) erledigt all das, ohne eine Option einzutippen: Es wählt, wer spielt, listet die Klasse mit ihren Zahlen auf, zeigt die Auswertung des gewählten Schülers, speichert seine Einstellungen (schwache Noten öfter, Tonumfang), legt seine Verknüpfung an und exportiert die Auswertungen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;À propos&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, version %1.&lt;br&gt;Licence : GNU General Public License, version 3 ou ultérieure ; voir le fichier LICENSE.&lt;br&gt;Le son vient de FluidSynth et de la SoundFont General MIDI de Debian (fluid-soundfont-gm) ; les images sont dessinées par le programme avec les polices Liberation et Noto Music ; la fenêtre est faite avec Qt.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Über das Programm&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, Version %1.&lt;br&gt;Lizenz: GNU General Public License, Version 3 oder später; siehe die Datei LICENSE.&lt;br&gt;Der Klang kommt von FluidSynth und der General-MIDI-SoundFont von Debian (fluid-soundfont-gm); die Bilder zeichnet das Programm mit den Schriften Liberation und Noto Music; das Fenster ist mit Qt gebaut.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Jouer au clavier de l&apos;ordinateur</source>
        <translation>Auf der Computertastatur spielen</translation>
    </message>
    <message>
        <source>En grand : la touche d&apos;un clavier %1 ; en petit : la même touche en %2. En bas : la note et son numéro MIDI (60 = do du milieu), sans décalage d&apos;octave. Touches grises : aucune note.</source>
        <translation>Groß: die Taste einer %1-Tastatur; klein: dieselbe Taste bei %2. Unten: die Note und ihre MIDI-Nummer (60 = eingestrichenes c), ohne Oktavverschiebung. Graue Tasten: keine Note.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Au-delà des notes seules&lt;/h2&gt;&lt;p&gt;Dans la fenêtre &lt;b&gt;Élèves&lt;/b&gt;, les réglages d&apos;un élève choisissent ce que jouent les six boutons d&apos;exercice. &lt;b&gt;À l&apos;oreille&lt;/b&gt; : chaque note sonne d&apos;abord sur la portée vide ; elle s&apos;y dessine dès qu&apos;elle est jouée ou manquée, pour relier le son à sa place. &lt;b&gt;Dans une tonalité&lt;/b&gt; : les notes sont celles d&apos;une gamme majeure jusqu&apos;à quatre dièses ou bémols, choisie par le professeur ou nouvelle à chaque exercice ; la portée montre l&apos;armure, et une note que l&apos;armure altère n&apos;a pas de signe à côté d&apos;elle : jouez la touche qu&apos;elle veut dire dans cette tonalité. &lt;code&gt;--variant ear&lt;/code&gt; et &lt;code&gt;--variant key=N&lt;/code&gt; font de même pour un lancement.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Mehr als nur die Noten&lt;/h2&gt;&lt;p&gt;Im Fenster &lt;b&gt;Schüler&lt;/b&gt; wählen die Einstellungen eines Schülers, was die sechs Übungsschaltflächen spielen. &lt;b&gt;Nach Gehör&lt;/b&gt;: Jede Note erklingt zuerst bei leerem Notensystem; sie wird dort gezeichnet, sobald sie gespielt oder verpasst ist, damit der Klang mit seinem Platz verbunden wird. &lt;b&gt;In einer Tonart&lt;/b&gt;: Die Noten sind die einer Dur-Tonleiter mit bis zu vier Kreuzen oder b, von der Lehrkraft gewählt oder bei jeder Übung neu; das Notensystem zeigt die Vorzeichen, und eine Note, die von den Vorzeichen verändert wird, hat kein Zeichen neben sich: Spiele die Taste, die sie in dieser Tonart meint. &lt;code&gt;--variant ear&lt;/code&gt; und &lt;code&gt;--variant key=N&lt;/code&gt; tun dasselbe für einen einzelnen Programmstart.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Plusieurs notes&lt;/b&gt; : quatre à huit notes côte à côte, à jouer dans l&apos;ordre ; une marque rouge passe à la suivante à chaque bonne touche, et la phrase dure autant de périodes qu&apos;elle a de notes. &lt;b&gt;Clefs d&apos;ut&lt;/b&gt; : les exercices 5 et 6 écrivent aussi des notes en clef d&apos;ut 3e ligne (alto) et 4e ligne (ténor). &lt;code&gt;--variant phrase=N&lt;/code&gt; et &lt;code&gt;--c-clefs&lt;/code&gt; font de même pour un lancement. Un lecteur d&apos;écran entend la clef, l&apos;armure et le nombre de notes, jamais les notes.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Mehrere Noten&lt;/b&gt;: vier bis acht Noten nebeneinander, der Reihe nach zu spielen; eine rote Marke rückt bei jeder richtigen Taste zur nächsten, und die Gruppe dauert so viele Takte, wie sie Noten hat. &lt;b&gt;C-Schlüssel&lt;/b&gt;: Die Übungen 5 und 6 schreiben manche Noten auch im Altschlüssel und im Tenorschlüssel. &lt;code&gt;--variant phrase=N&lt;/code&gt; und &lt;code&gt;--c-clefs&lt;/code&gt; tun dasselbe für einen Start. Ein Bildschirmleser hört den Schlüssel, die Vorzeichen und die Zahl der Noten, nie die Noten selbst.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1; no MIDI keyboard input</source>
        <translation>%1; keine Eingabe vom MIDI-Keyboard</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>Schreiben in die Standardausgabe nicht möglich: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of results could not be written to &apos;%1&apos; and are lost</source>
        <translation>
            <numerusform>%n Ergebniszeile konnte nicht in „%1“ geschrieben werden und ist verloren</numerusform>
            <numerusform>%n Ergebniszeilen konnten nicht in „%1“ geschrieben werden und sind verloren</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the pupil plays with the usual settings</source>
        <translation>%1; der Schüler spielt mit den üblichen Einstellungen</translation>
    </message>
    <message>
        <source>%1 (--results)</source>
        <translation>%1 (--results)</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>kein Datenordner für die Schüler: weder XDG_DATA_HOME noch HOME ist gesetzt</translation>
    </message>
    <message>
        <source>%1; nothing was imported</source>
        <translation>%1; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>cannot make our ALSA input port: %1</source>
        <translation>der eigene ALSA-Eingangsport lässt sich nicht anlegen: %1</translation>
    </message>
    <message>
        <source>no ALSA announcements (%1); a keyboard plugged in later is not seen</source>
        <translation>keine ALSA-Meldungen (%1); ein später angeschlossenes Keyboard wird nicht erkannt</translation>
    </message>
    <message>
        <source>cannot listen to MIDI port %1: %2</source>
        <translation>Empfang vom MIDI-Port %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>no MIDI port %1 yet; it is connected when it appears</source>
        <translation>noch kein MIDI-Port %1; er wird verbunden, sobald er erscheint</translation>
    </message>
    <message>
        <source>MIDI keyboard input stopped: %1</source>
        <translation>Eingabe vom MIDI-Keyboard beendet: %1</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>„%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a regular file</source>
        <translation>„%1“ ist ein Ordner, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>„%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <translation>das Bild %1 lässt sich nicht laden: %2</translation>
    </message>
    <message>
        <source>cannot write the PDF &apos;%1&apos;</source>
        <translation>das PDF „%1“ lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a device, not a results file</source>
        <translation>„%1“ ist ein Gerät, keine Ergebnisdatei</translation>
    </message>
    <message>
        <source>several files go into one PDF: --out FILE.pdf, not &apos;%1&apos;</source>
        <translation>mehrere Dateien kommen in ein einziges PDF: --out FILE.pdf, nicht „%1“</translation>
    </message>
    <message>
        <source>the pupil &apos;%1&apos; is named more than once: counted once</source>
        <translation>der Schüler „%1“ ist mehrmals angegeben: er wird einmal gezählt</translation>
    </message>
    <message>
        <source>the PDF &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>das PDF „%1“ würde die Ergebnisdatei „%2“ ersetzen; gib ein anderes --out an</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is &apos;%2&apos; under another name: counted once</source>
        <translation>„%1“ ist „%2“ unter einem anderen Namen: einmal gezählt</translation>
    </message>
    <message>
        <source>%1; %2 is left out of the class report</source>
        <translation>%1; %2 wird in der Klassenauswertung ausgelassen</translation>
    </message>
    <message>
        <source>no pupil to report on: no PDF written</source>
        <translation>kein Schüler für die Auswertung: kein PDF geschrieben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no computer id (id= followed by 16 hex digits)</source>
        <translation>„%1“ enthält keine Computerkennung (id= gefolgt von 16 Hexadezimalziffern)</translation>
    </message>
    <message>
        <source>cannot make the folder &apos;%1&apos;: %2</source>
        <translation>der Ordner „%1“ lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>„%1“ lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;</source>
        <translation>„%1“ lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>no data folder: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>kein Datenordner: weder XDG_DATA_HOME noch HOME ist gesetzt</translation>
    </message>
    <message>
        <source>impossible de créer le dossier « %1 » : %2</source>
        <translation>der Ordner „%1“ lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>impossible de supprimer « %1 » : %2</source>
        <translation>„%1“ lässt sich nicht löschen: %2</translation>
    </message>
    <message>
        <source>%1; the notes are drawn evenly</source>
        <translation>%1; die Noten werden gleichmäßig ausgewählt</translation>
    </message>
    <message>
        <source>nom trop long</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <source>pas d&apos;élève « %1 »</source>
        <translation>kein Schüler namens „%1“</translation>
    </message>
    <message>
        <source>un élève s&apos;appelle déjà « %1 »</source>
        <translation>es gibt schon einen Schüler namens „%1“</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire « %1 » : %2</source>
        <translation>„%1“ lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>impossible de déplacer « %1 » : %2</source>
        <translation>„%1“ lässt sich nicht verschieben: %2</translation>
    </message>
    <message>
        <source>illisible : %1</source>
        <translation>unlesbar: %1</translation>
    </message>
    <message>
        <source>un dossier, pas un fichier de résultats</source>
        <translation>ein Ordner, keine Ergebnisdatei</translation>
    </message>
    <message>
        <source>pas un fichier ordinaire (tube, appareil ou prise)</source>
        <translation>keine gewöhnliche Datei (Pipe, Gerät oder Socket)</translation>
    </message>
    <message>
        <source>impossible de lire le dossier « %1 » : %2</source>
        <translation>der Ordner „%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>le nom est vide</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>le nom n&apos;est pas du texte lisible (UTF-8)</source>
        <translation>der Name ist kein lesbarer Text (UTF-8)</translation>
    </message>
    <message>
        <source>le nom commence ou finit par une espace</source>
        <translation>der Name beginnt oder endet mit einem Leerzeichen</translation>
    </message>
    <message>
        <source>le nom contient un caractère de contrôle</source>
        <translation>der Name enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>le nom est trop long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>cet ordinateur n&apos;a pas d&apos;identifiant (computer.ini illisible)</source>
        <translation>dieser Computer hat keine Kennung (computer.ini unlesbar)</translation>
    </message>
    <message>
        <source>nom trop long pour les archives</source>
        <translation>Name zu lang für das Archiv</translation>
    </message>
    <message>
        <source>nom de fichier qui n&apos;est pas celui d&apos;un élève</source>
        <translation>Dateiname, der zu keinem Schüler gehört</translation>
    </message>
    <message>
        <source>a pupil&apos;s name cannot be empty</source>
        <translation>der Name eines Schülers darf nicht leer sein</translation>
    </message>
    <message>
        <source>its file name would take %1 bytes, and a file name has at most %2 (the name takes %3 bytes: at most %4 once &apos;%&apos;, &apos;/&apos;, control characters and bytes that are not UTF-8 count 3 each)</source>
        <translation>sein Dateiname bräuchte %1 Byte, ein Dateiname hat aber höchstens %2 (der Name braucht %3 Byte: höchstens %4, wenn &apos;%&apos;, &apos;/&apos;, Steuerzeichen und Bytes, die kein UTF-8 sind, je 3 zählen)</translation>
    </message>
    <message>
        <source>cannot read the folder &apos;%1&apos;: %2</source>
        <translation>der Ordner „%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>pas un fichier de résultats de Tavelin Piano</source>
        <translation>keine Ergebnisdatei von Tavelin Piano</translation>
    </message>
    <message>
        <source>still reading &apos;%1&apos; since an earlier run</source>
        <translation>„%1“ wird seit einem früheren Durchlauf noch gelesen</translation>
    </message>
    <message>
        <source>no results file to report on</source>
        <translation>keine Ergebnisdatei für die Auswertung</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; must end in .png, .jpg, .jpeg or .pdf</source>
        <translation>das Bild „%1“ muss auf .png, .jpg, .jpeg oder .pdf enden</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>das Bild „%1“ würde die Ergebnisdatei „%2“ ersetzen; gib ein anderes --out an</translation>
    </message>
    <message>
        <source>cannot write the picture &apos;%1&apos;: %2</source>
        <translation>das Bild „%1“ lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>cannot open &apos;%1&apos;: %2</source>
        <translation>„%1“ lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>cannot lock &apos;%1&apos;: %2</source>
        <translation>„%1“ lässt sich nicht sperren: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stayed locked by another program</source>
        <translation>„%1“ blieb von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>cannot read the size of &apos;%1&apos;: %2</source>
        <translation>die Größe von „%1“ lässt sich nicht ermitteln: %2</translation>
    </message>
    <message>
        <source>gave up writing to &apos;%1&apos;</source>
        <translation>Schreiben in „%1“ aufgegeben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was taken away while it was written</source>
        <translation>„%1“ wurde während des Schreibens entfernt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a results file: its first line is not the header %2</source>
        <translation>„%1“ ist keine Ergebnisdatei: ihre erste Zeile ist nicht die Kopfzeile %2</translation>
    </message>
    <message>
        <source>cannot write to &apos;%1&apos;: %2</source>
        <translation>in „%1“ lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>%1; the results are kept for the next try, the exercise goes on</source>
        <translation>%1; die Ergebnisse werden für den nächsten Versuch aufbewahrt, die Übung geht weiter</translation>
    </message>
    <message>
        <source>the record &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>die Exportdatei „%1“ würde die Ergebnisdatei „%2“ ersetzen; gib ein anderes --out an</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : sa ligne %2 n&apos;est pas un résultat</source>
        <translation>„%1“ ist beschädigt: Zeile %2 ist kein Ergebnis</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : il s&apos;arrête avant ses résultats</source>
        <translation>„%1“ ist unvollständig: die Datei endet vor den Ergebnissen</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : %2</source>
        <translation>„%1“ ist beschädigt: %2</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne n&apos;est pas « # fin : N lignes », il a été coupé en route</source>
        <translation>„%1“ ist unvollständig: die letzte Zeile ist nicht „# fin : N lignes“, die Datei wurde unterwegs abgeschnitten</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : %2 lignes au lieu de %3</source>
        <translation>„%1“ ist unvollständig: %2 Zeilen statt %3</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est ni un dossier d&apos;élève ni un fichier de résultats de Tavelin Piano</source>
        <translation>„%1“ ist weder ein Schülerordner noch eine Ergebnisdatei von Tavelin Piano</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne est coupée</source>
        <translation>„%1“ ist unvollständig: die letzte Zeile ist abgeschnitten</translation>
    </message>
    <message>
        <source>« %1 » ne dit pas de quel élève il est : nommez-le (--pupil NOM) ou choisissez-le dans la liste</source>
        <translation>„%1“ sagt nicht, zu welchem Schüler die Datei gehört: Nenne ihn (--pupil NAME) oder wähle ihn in der Liste</translation>
    </message>
    <message>
        <source>no ALSA sequencer (/dev/snd/seq: %1)</source>
        <translation>kein ALSA-Sequencer (/dev/snd/seq: %1)</translation>
    </message>
    <message>
        <source>ALSA port %1 is gone</source>
        <translation>ALSA-Port %1 ist verschwunden</translation>
    </message>
    <message>
        <source>cannot make our ALSA port: %1</source>
        <translation>der eigene ALSA-Port lässt sich nicht anlegen: %1</translation>
    </message>
    <message>
        <source>cannot connect to ALSA port %1: %2</source>
        <translation>Verbindung zum ALSA-Port %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>SoundFont not found: %1</source>
        <translation>SoundFont nicht gefunden: %1</translation>
    </message>
    <message>
        <source>SoundFont is not a file: %1</source>
        <translation>SoundFont ist keine Datei: %1</translation>
    </message>
    <message>
        <source>SoundFont unreadable: %1</source>
        <translation>SoundFont unlesbar: %1</translation>
    </message>
    <message>
        <source>SoundFont too short: %1</source>
        <translation>SoundFont zu kurz: %1</translation>
    </message>
    <message>
        <source>not a SoundFont (no RIFF sfbk header): %1</source>
        <translation>kein SoundFont (kein RIFF sfbk-Header): %1</translation>
    </message>
    <message>
        <source>SoundFont truncated (%1 of %2 bytes): %3</source>
        <translation>SoundFont abgeschnitten (%1 von %2 Byte): %3</translation>
    </message>
    <message>
        <source>FluidSynth could not make its settings</source>
        <translation>FluidSynth konnte seine Einstellungen nicht anlegen</translation>
    </message>
    <message>
        <source>FluidSynth could not make its synthesizer: %1</source>
        <translation>FluidSynth konnte seinen Synthesizer nicht anlegen: %1</translation>
    </message>
    <message>
        <source>could not start the SoundFont loader: %1</source>
        <translation>der SoundFont-Lader ließ sich nicht starten: %1</translation>
    </message>
    <message>
        <source>sample rate refused: %1</source>
        <translation>Abtastrate abgelehnt: %1</translation>
    </message>
    <message>
        <source>gain refused: %1</source>
        <translation>Verstärkung abgelehnt: %1</translation>
    </message>
    <message>
        <source>audio buffer refused: %1 periods of %2 frames</source>
        <translation>Audiopuffer abgelehnt: %1 Perioden zu %2 Frames</translation>
    </message>
    <message>
        <source>no audio output (no audio driver named)</source>
        <translation>keine Audioausgabe (kein Audiotreiber angegeben)</translation>
    </message>
    <message>
        <source>no audio output (%1)</source>
        <translation>keine Audioausgabe (%1)</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>it has no piano, bank 0 program 0</source>
        <translation>er enthält kein Klavier auf Bank 0, Programm 0</translation>
    </message>
    <message>
        <source>the SoundFont %1 did not load (%2); the built-in synthesizer stays silent</source>
        <translation>der SoundFont %1 wurde nicht geladen (%2); der eingebaute Synthesizer bleibt stumm</translation>
    </message>
    <message>
        <source>%1; only the built-in synthesizer is offered</source>
        <translation>%1; nur der eingebaute Synthesizer steht zur Wahl</translation>
    </message>
    <message>
        <source>the built-in synthesizer cannot start: %1</source>
        <translation>der eingebaute Synthesizer kann nicht starten: %1</translation>
    </message>
    <message>
        <source>Synthétiseur intégré (FluidSynth)</source>
        <translation>Eingebauter Synthesizer (FluidSynth)</translation>
    </message>
    <message>
        <source>no system bus</source>
        <translation>kein Systembus</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>no real-time priority for the sound (%1; RealtimeKit: %2): notes may break up while the machine is busy</source>
        <translation>keine Echtzeitpriorität für die Tonausgabe (%1; RealtimeKit: %2): Noten können stocken, solange der Computer ausgelastet ist</translation>
    </message>
    <message>
        <source>no sound source or no sample format</source>
        <translation>keine Klangquelle oder kein Sampleformat</translation>
    </message>
    <message>
        <source>could not start the sound&apos;s report thread: %1</source>
        <translation>der Meldungs-Thread der Tonausgabe ließ sich nicht starten: %1</translation>
    </message>
    <message>
        <source>libpulse could not make its mainloop</source>
        <translation>libpulse konnte seine Hauptschleife nicht anlegen</translation>
    </message>
    <message>
        <source>libpulse could not start its mainloop thread</source>
        <translation>libpulse konnte den Thread seiner Hauptschleife nicht starten</translation>
    </message>
    <message>
        <source>the sound server does not answer (%1 ms)</source>
        <translation>der Soundserver antwortet nicht (%1 ms)</translation>
    </message>
    <message>
        <source>no sound server (%1)</source>
        <translation>kein Soundserver (%1)</translation>
    </message>
    <message>
        <source>the sound server cannot be reached; the built-in synthesizer is silent until it is back</source>
        <translation>der Soundserver ist nicht erreichbar; der eingebaute Synthesizer bleibt stumm, bis er wieder da ist</translation>
    </message>
    <message>
        <source>the sound server cannot be reached (%1); the built-in synthesizer is silent until it is back</source>
        <translation>der Soundserver ist nicht erreichbar (%1); der eingebaute Synthesizer bleibt stumm, bis er wieder da ist</translation>
    </message>
    <message>
        <source>the sound server does not answer; the built-in synthesizer is silent until it does</source>
        <translation>der Soundserver antwortet nicht; der eingebaute Synthesizer bleibt stumm, bis er wieder antwortet</translation>
    </message>
    <message>
        <source>cannot load the font %1 (%2); install the Debian package %3</source>
        <translation>die Schrift %1 lässt sich nicht laden (%2); installiere das Debian-Paket %3</translation>
    </message>
    <message>
        <source>focus=%1 : ni oui ni non</source>
        <translation>focus=%1: weder oui noch non</translation>
    </message>
    <message>
        <source>notes=%1 : pas une étendue de notes (BAS-HAUT, comme 60-67 ou do3-sol3)</source>
        <translation>notes=%1: kein Notenbereich (TIEF-HOCH, etwa 60-67 oder do3-sol3)</translation>
    </message>
    <message>
        <source>notes=%1 : l&apos;exercice %2 aurait moins de deux notes</source>
        <translation>notes=%1: Übung %2 hätte weniger als zwei Noten</translation>
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>„%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>„%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour des réglages</source>
        <translation>„%1“ ist zu groß für Einstellungen</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour le dossier d&apos;un élève</source>
        <translation>„%1“ ist zu groß für einen Schülerordner</translation>
    </message>
    <message>
        <source>variante=%1 : pas un exercice que le piano connaît</source>
        <translation>variante=%1: keine Übung, die das Klavier kennt</translation>
    </message>
    <message>
        <source>clefs_ut=%1 : ni oui ni non</source>
        <translation>clefs_ut=%1: weder oui noch non</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>fr</source>
        <extracomment>The code of this translation&apos;s language (&quot;de&quot;, &quot;pt&quot;): it chooses how notes are named (keyboard/notenaming.cpp).</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>NotePanel</name>
    <message>
        <source>Note sur la portée : clef de sol, avec un dièse</source>
        <translation>Note im Notensystem: Violinschlüssel, mit Kreuz</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un dièse</source>
        <translation>Note im Notensystem: Bassschlüssel, mit Kreuz</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol, avec un bémol</source>
        <translation>Note im Notensystem: Violinschlüssel, mit b</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un bémol</source>
        <translation>Note im Notensystem: Bassschlüssel, mit b</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol</source>
        <translation>Note im Notensystem: Violinschlüssel</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa</source>
        <translation>Note im Notensystem: Bassschlüssel</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Début de l&apos;exercice : 50 notes</source>
        <translation>Beginn der Übung: 50 Noten</translation>
    </message>
    <message>
        <source>Fin de l&apos;exercice</source>
        <translation>Ende der Übung</translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>Violinschlüssel</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>Bassschlüssel</translation>
    </message>
    <message>
        <source>clef d&apos;ut 3e ligne</source>
        <translation>Altschlüssel</translation>
    </message>
    <message>
        <source>clef d&apos;ut 4e ligne</source>
        <translation>Tenorschlüssel</translation>
    </message>
    <message numerus="yes">
        <source>armure de %n dièse(s)</source>
        <translation>
            <numerusform>%n Kreuz als Vorzeichen</numerusform>
            <numerusform>%n Kreuze als Vorzeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>armure de %n bémol(s)</source>
        <translation>
            <numerusform>%n Be als Vorzeichen</numerusform>
            <numerusform>%n Be als Vorzeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>sans armure</source>
        <translation>ohne Vorzeichen</translation>
    </message>
    <message>
        <source>Portée en %1 : écoutez la note</source>
        <translation>Notensystem mit %1: Hör dir die Note an</translation>
    </message>
    <message>
        <source>Note sur la portée : %1, %2</source>
        <translation>Note im Notensystem: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes sur la portée : %1, %2</source>
        <translation>
            <numerusform>%n Note im Notensystem: %1, %2</numerusform>
            <numerusform>%n Noten im Notensystem: %1, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>notes</source>
        <comment>under the number of notes of an exercise</comment>
        <translation>Noten</translation>
    </message>
    <message>
        <source>Prêt&#x202f;?</source>
        <translation>Bereit?</translation>
    </message>
    <message>
        <source>La première note arrive…</source>
        <translation>Gleich kommt die erste Note…</translation>
    </message>
    <message>
        <source>Exercice terminé</source>
        <translation>Übung beendet</translation>
    </message>
    <message>
        <source>Bravo&#x202f;!</source>
        <translation>Bravo!</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Choisissez un exercice</source>
        <translation>Wähle eine Übung</translation>
    </message>
    <message>
        <source>à droite →</source>
        <comment>the exercise buttons are to the right</comment>
        <translation>rechts →</translation>
    </message>
    <message>
        <source>lecture de notes au clavier</source>
        <comment>the tagline under the program&apos;s name</comment>
        <translation>Notenlesen am Klavier</translation>
    </message>
    <message>
        <source>Quelle est cette note&#x202f;?</source>
        <comment>along the foot of every note</comment>
        <translation>Wie heißt diese Note?</translation>
    </message>
    <message>
        <source>Écoutez…</source>
        <comment>along the foot of the staff while a note is heard</comment>
        <translation>Hör zu…</translation>
    </message>
    <message>
        <source>Jouez-les…</source>
        <comment>along the foot of a phrase: play the notes in order</comment>
        <translation>Spiel sie nacheinander…</translation>
    </message>
</context>
<context>
    <name>PupilsWindow</name>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>„%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>„%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>aucun élève</source>
        <translation>keine Schüler</translation>
    </message>
    <message>
        <source>%v fichiers lus sur %m</source>
        <translation>%v von %m Dateien gelesen</translation>
    </message>
    <message>
        <source>&amp;Qui joue :</source>
        <translation>&amp;Wer spielt:</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Wer spielt</translation>
    </message>
    <message>
        <source>Ouverte seule, la fenêtre n&apos;enregistre rien : choisissez qui joue depuis le piano (F11)</source>
        <translation>Allein geöffnet, speichert das Fenster nichts: Wähle am Klavier (F11), wer spielt</translation>
    </message>
    <message>
        <source>L&apos;élève dont les exercices sont enregistrés, à partir du prochain</source>
        <translation>Der Schüler, dessen Übungen ab der nächsten gespeichert werden</translation>
    </message>
    <message>
        <source>Liste des élèves</source>
        <translation>Liste der Schüler</translation>
    </message>
    <message>
        <source>Une ligne par élève ; cochez les élèves du bilan de la classe</source>
        <translation>Eine Zeile je Schüler; hake die Schüler für die Klassenauswertung an</translation>
    </message>
    <message>
        <source>La cla&amp;sse :</source>
        <translation>Die Kla&amp;sse:</translation>
    </message>
    <message>
        <source>Lecture des fichiers</source>
        <translation>Dateien werden gelesen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>&amp;Ajouter…</source>
        <translation>&amp;Hinzufügen…</translation>
    </message>
    <message>
        <source>Ajouter un élève</source>
        <translation>Einen Schüler hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Renommer…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Renommer l&apos;élève choisi ; tous ses exercices le suivent</source>
        <translation>Den gewählten Schüler umbenennen; alle seine Übungen gehen mit</translation>
    </message>
    <message>
        <source>Archi&amp;ver…</source>
        <translation>Arch&amp;ivieren…</translation>
    </message>
    <message>
        <source>Ranger l&apos;élève choisi dans les archives, sans rien effacer</source>
        <translation>Den gewählten Schüler ins Archiv legen, ohne etwas zu löschen</translation>
    </message>
    <message>
        <source>Arc&amp;hives…</source>
        <translation>Archi&amp;v…</translation>
    </message>
    <message>
        <source>Voir les élèves archivés et en restaurer un</source>
        <translation>Die archivierten Schüler ansehen und einen zurückholen</translation>
    </message>
    <message>
        <source>Créer un ra&amp;ccourci</source>
        <translation>Ver&amp;knüpfung anlegen</translation>
    </message>
    <message>
        <source>Une icône « Piano — NOM » qui lance le piano pour l&apos;élève choisi</source>
        <translation>Ein Symbol „Piano — NAME“, das das Klavier für den gewählten Schüler startet</translation>
    </message>
    <message>
        <source>Créer un raccourci</source>
        <translation>Verknüpfung anlegen</translation>
    </message>
    <message>
        <source>&amp;Exporter le bilan…</source>
        <translation>Auswertung &amp;exportieren…</translation>
    </message>
    <message>
        <source>Le bilan de l&apos;élève choisi en PDF ou en PNG</source>
        <translation>Die Auswertung des gewählten Schülers als PDF oder PNG</translation>
    </message>
    <message>
        <source>Exporter la c&amp;lasse…</source>
        <translation>K&amp;lasse exportieren…</translation>
    </message>
    <message>
        <source>Le bilan de la classe en PDF, pour les élèves cochés</source>
        <translation>Die Klassenauswertung als PDF, für die angehakten Schüler</translation>
    </message>
    <message>
        <source>Co&amp;pier les résultats…</source>
        <translation>Ergebnisse ko&amp;pieren…</translation>
    </message>
    <message>
        <source>Une copie du fichier de résultats de l&apos;élève choisi</source>
        <translation>Eine Kopie der Ergebnisdatei des gewählten Schülers</translation>
    </message>
    <message>
        <source>Réglages de l&apos;élève</source>
        <translation>Einstellungen des Schülers</translation>
    </message>
    <message>
        <source>Notes &amp;faibles plus souvent</source>
        <translation>Schwache Noten ö&amp;fter</translation>
    </message>
    <message>
        <source>Notes faibles plus souvent</source>
        <translation>Schwache Noten öfter</translation>
    </message>
    <message>
        <source>Les notes souvent manquées reviennent plus souvent (comme --focus)</source>
        <translation>Oft verpasste Noten kommen öfter dran (wie --focus)</translation>
    </message>
    <message>
        <source>Étendue des notes</source>
        <translation>Tonumfang</translation>
    </message>
    <message>
        <source>toutes, ou 60-67, do3-sol3</source>
        <translation>alle, oder 60-67, c1-g1</translation>
    </message>
    <message>
        <source>Vide : toutes les notes ; sinon BAS-HAUT comme --notes (60-67, do3-sol3)</source>
        <translation>Leer: alle Noten; sonst TIEF-HOCH wie bei --notes (60-67, c1-g1)</translation>
    </message>
    <message>
        <source>É&amp;tendue :</source>
        <translation>&amp;Tonumfang:</translation>
    </message>
    <message>
        <source>Bilan de l&apos;élève</source>
        <translation>Auswertung des Schülers</translation>
    </message>
    <message>
        <source>Bilan</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Liste et bilan</source>
        <translation>Liste und Auswertung</translation>
    </message>
    <message>
        <source>Personne (rien n&apos;est enregistré)</source>
        <translation>Niemand (es wird nichts gespeichert)</translation>
    </message>
    <message>
        <source>Réglages illisibles, ceux par défaut s&apos;appliquent : %1</source>
        <translation>Einstellungen unlesbar, es gelten die üblichen: %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer pour %1 : %2</source>
        <translation>Speichern für %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>Étendue refusée : %1</source>
        <translation>Tonumfang abgelehnt: %1</translation>
    </message>
    <message>
        <source>Réglages non enregistrés : %1</source>
        <translation>Einstellungen nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Réglages de %1 enregistrés : %2, %3</source>
        <translation>Einstellungen von %1 gespeichert: %2, %3</translation>
    </message>
    <message>
        <source>notes faibles plus souvent</source>
        <translation>schwache Noten öfter</translation>
    </message>
    <message>
        <source>tirage égal</source>
        <translation>gleichmäßige Auswahl</translation>
    </message>
    <message>
        <source>notes %1</source>
        <translation>Noten %1</translation>
    </message>
    <message>
        <source>toutes les notes</source>
        <translation>alle Noten</translation>
    </message>
    <message>
        <source>Choisissez un élève pour voir son bilan.</source>
        <translation>Wähle einen Schüler, um seine Auswertung zu sehen.</translation>
    </message>
    <message>
        <source>Lecture du fichier…</source>
        <translation>Datei wird gelesen…</translation>
    </message>
    <message>
        <source>Pas de bilan : %1</source>
        <translation>Keine Auswertung: %1</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séances, %3 notes, %4 justes</source>
        <translation>Auswertung von %1: %2 Übungseinheiten, %3 Noten, %4 richtig</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séance, %3 notes, %4 justes</source>
        <translation>Auswertung von %1: %2 Übungseinheit, %3 Noten, %4 richtig</translation>
    </message>
    <message>
        <source>Nom de l&apos;élève :</source>
        <translation>Name des Schülers:</translation>
    </message>
    <message>
        <source>Élève non ajouté : %1</source>
        <translation>Schüler nicht hinzugefügt: %1</translation>
    </message>
    <message>
        <source>%1 ajouté(e)</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 joue : choisissez d&apos;abord quelqu&apos;un d&apos;autre dans « Qui joue »</source>
        <translation>%1 spielt gerade: Wähle zuerst bei „Wer spielt“ jemand anderen</translation>
    </message>
    <message>
        <source>Renommer un élève</source>
        <translation>Einen Schüler umbenennen</translation>
    </message>
    <message>
        <source>Nouveau nom de %1 :</source>
        <translation>Neuer Name für %1:</translation>
    </message>
    <message>
        <source>Pas renommé : %1</source>
        <translation>Nicht umbenannt: %1</translation>
    </message>
    <message>
        <source> ; son raccourci aussi</source>
        <translation>; die Verknüpfung ebenfalls</translation>
    </message>
    <message>
        <source> ; raccourci : %1</source>
        <translation>; Verknüpfung: %1</translation>
    </message>
    <message>
        <source>%1 s&apos;appelle maintenant %2%3</source>
        <translation>%1 heißt jetzt %2%3</translation>
    </message>
    <message>
        <source>Archiver un élève</source>
        <translation>Einen Schüler archivieren</translation>
    </message>
    <message>
        <source>Ranger %1 dans les archives ? Rien n&apos;est effacé : ses résultats et ses réglages restent dans le dossier des archives, d&apos;où « Archives… » les restaure.</source>
        <translation>%1 ins Archiv legen? Es wird nichts gelöscht: Ergebnisse und Einstellungen bleiben im Archivordner, aus dem „Archiv…“ sie zurückholt.</translation>
    </message>
    <message>
        <source>Archiver</source>
        <translation>Archivieren</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Pas archivé : %1</source>
        <translation>Nicht archiviert: %1</translation>
    </message>
    <message>
        <source>Raccourci de l&apos;élève</source>
        <translation>Verknüpfung des Schülers</translation>
    </message>
    <message>
        <source>Supprimer aussi le raccourci « Piano — %1 » ?</source>
        <translation>Die Verknüpfung „Piano — %1“ auch löschen?</translation>
    </message>
    <message>
        <source>Supprimer le raccourci</source>
        <translation>Verknüpfung löschen</translation>
    </message>
    <message>
        <source>Le garder</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>, son raccourci supprimé</source>
        <translation>, die Verknüpfung gelöscht</translation>
    </message>
    <message>
        <source>%1 archivé(e)%2%3</source>
        <translation>%1 archiviert%2%3</translation>
    </message>
    <message>
        <source> sous le nom %1</source>
        <translation> unter dem Namen %1</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Élèves archivés</source>
        <translation>Archivierte Schüler</translation>
    </message>
    <message>
        <source>&amp;Restaurer</source>
        <translation>&amp;Zurückholen</translation>
    </message>
    <message>
        <source>Restaurer</source>
        <translation>Zurückholen</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Aucun élève archivé.</source>
        <translation>Keine archivierten Schüler.</translation>
    </message>
    <message>
        <source>Élèves archivés :</source>
        <translation>Archivierte Schüler:</translation>
    </message>
    <message>
        <source>Pas restauré : %1</source>
        <translation>Nicht zurückgeholt: %1</translation>
    </message>
    <message>
        <source>%1 restauré(e), avec tous ses exercices</source>
        <translation>%1 zurückgeholt, mit allen Übungen</translation>
    </message>
    <message>
        <source>Raccourci non créé : %1</source>
        <translation>Verknüpfung nicht angelegt: %1</translation>
    </message>
    <message>
        <source>Raccourci « Piano — %1 » créé : %2</source>
        <translation>Verknüpfung „Piano — %1“ angelegt: %2</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats de %2 : choisissez un autre nom</source>
        <translation>„%1“ ist die Ergebnisdatei von %2: Wähle einen anderen Namen</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats en cours : choisissez un autre nom</source>
        <translation>„%1“ ist die Ergebnisdatei, die gerade geschrieben wird: Wähle einen anderen Namen</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève dont le fichier se lit</source>
        <translation>wähle zuerst einen Schüler, dessen Datei sich lesen lässt</translation>
    </message>
    <message>
        <source>« %1 » doit finir par .pdf, .png, .jpg ou .jpeg</source>
        <translation>„%1“ muss auf .pdf, .png, .jpg oder .jpeg enden</translation>
    </message>
    <message>
        <source>cochez d&apos;abord les élèves du bilan, dans la liste</source>
        <translation>hake zuerst in der Liste die Schüler für die Auswertung an</translation>
    </message>
    <message>
        <source>le bilan de la classe est un PDF : « %1 » doit finir par .pdf</source>
        <translation>die Klassenauswertung ist ein PDF: „%1“ muss auf .pdf enden</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève</source>
        <translation>wähle zuerst einen Schüler</translation>
    </message>
    <message>
        <source>Exporter le bilan de %1</source>
        <translation>Auswertung von %1 exportieren</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Image PNG (*.png)</source>
        <translation>PDF (*.pdf);;PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Bilan de %1 exporté : %2</source>
        <translation>Auswertung von %1 exportiert: %2</translation>
    </message>
    <message>
        <source>Pas exporté : %1</source>
        <translation>Nicht exportiert: %1</translation>
    </message>
    <message>
        <source>Cochez d&apos;abord les élèves du bilan, dans la liste (Espace coche l&apos;élève choisi)</source>
        <translation>Hake zuerst in der Liste die Schüler für die Auswertung an (die Leertaste hakt den gewählten an)</translation>
    </message>
    <message>
        <source>Exporter le bilan de la classe</source>
        <translation>Klassenauswertung exportieren</translation>
    </message>
    <message>
        <source>classe.pdf</source>
        <translation>Klasse.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Bilan de la classe exporté : %1</source>
        <translation>Klassenauswertung exportiert: %1</translation>
    </message>
    <message>
        <source>Copier les résultats de %1</source>
        <translation>Ergebnisse von %1 kopieren</translation>
    </message>
    <message>
        <source> - résultats.csv</source>
        <translation> - Ergebnisse.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Résultats de %1 copiés : %2</source>
        <translation>Ergebnisse von %1 kopiert: %2</translation>
    </message>
    <message>
        <source>Pas copié : %1</source>
        <translation>Nicht kopiert: %1</translation>
    </message>
    <message>
        <source>I&amp;mporter…</source>
        <translation>I&amp;mportieren…</translation>
    </message>
    <message>
        <source>Ajouter les exercices d&apos;un dossier exporté, ou d&apos;un fichier de résultats à l&apos;élève choisi ; ceux qu&apos;il a déjà ne comptent pas deux fois</source>
        <translation>Die Übungen eines exportierten Ordners oder einer Ergebnisdatei dem gewählten Schüler hinzufügen; was er schon hat, zählt nicht doppelt</translation>
    </message>
    <message>
        <source>%1 : %2 ajoutés, %3 déjà là</source>
        <translation>%1: %2 hinzugefügt, %3 schon vorhanden</translation>
    </message>
    <message>
        <source>1 exercice</source>
        <translation>1 Übung</translation>
    </message>
    <message>
        <source>%1 exercices</source>
        <translation>%1 Übungen</translation>
    </message>
    <message>
        <source>Importer des exercices</source>
        <translation>Übungen importieren</translation>
    </message>
    <message>
        <source>Dossier d&apos;élève ou résultats (*.csv *.txt);;Tous les fichiers (*)</source>
        <translation>Schülerordner oder Ergebnisse (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Importé : %1</source>
        <translation>Importiert: %1</translation>
    </message>
    <message>
        <source>Rien n&apos;est importé : %1</source>
        <translation>Nichts importiert: %1</translation>
    </message>
    <message>
        <source>Exercices</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>les notes seules, comme toujours</source>
        <translation>nur die Noten, wie immer</translation>
    </message>
    <message>
        <source>à l&apos;oreille : la note sonne, puis se montre</source>
        <translation>nach Gehör: die Note erklingt, dann erscheint sie</translation>
    </message>
    <message>
        <source>dans une tonalité, avec son armure</source>
        <translation>in einer Tonart, mit ihren Vorzeichen</translation>
    </message>
    <message>
        <source>Ce que jouent les six boutons d&apos;exercice pour cet élève (comme --variant)</source>
        <translation>Was die sechs Übungsschaltflächen für diesen Schüler spielen (wie --variant)</translation>
    </message>
    <message>
        <source>E&amp;xercices :</source>
        <translation>Ü&amp;bungen:</translation>
    </message>
    <message>
        <source>Armure</source>
        <translation>Vorzeichen</translation>
    </message>
    <message>
        <source>sans dièse ni bémol</source>
        <translation>weder Kreuz noch b</translation>
    </message>
    <message>
        <source>1 bémol</source>
        <translation>1 b</translation>
    </message>
    <message>
        <source>%1 bémols</source>
        <translation>%1 b</translation>
    </message>
    <message>
        <source>1 dièse</source>
        <translation>1 Kreuz</translation>
    </message>
    <message>
        <source>%1 dièses</source>
        <translation>%1 Kreuze</translation>
    </message>
    <message>
        <source>une nouvelle à chaque exercice</source>
        <translation>bei jeder Übung eine neue Tonart</translation>
    </message>
    <message>
        <source>Ar&amp;mure :</source>
        <translation>V&amp;orzeichen:</translation>
    </message>
    <message>
        <source>plusieurs notes côte à côte, jouées dans l&apos;ordre</source>
        <translation>mehrere Noten nebeneinander, der Reihe nach gespielt</translation>
    </message>
    <message>
        <source>Notes par lecture</source>
        <translation>Noten je Lesen</translation>
    </message>
    <message>
        <source>Combien de notes côte à côte sur la portée, de 4 à 8</source>
        <translation>Wie viele Noten nebeneinander im Notensystem stehen, 4 bis 8</translation>
    </message>
    <message>
        <source>&amp;Notes par lecture :</source>
        <translation>&amp;Noten je Lesen:</translation>
    </message>
    <message>
        <source>Clefs d&apos;&amp;ut 3e et 4e ligne dans les exercices 5 et 6</source>
        <translation>Alt- &amp;und Tenorschlüssel in den Übungen 5 und 6</translation>
    </message>
    <message>
        <source>Des notes écrites aussi en clef d&apos;ut, comme --c-clefs</source>
        <translation>Manche Noten auch im C-Schlüssel geschrieben, wie --c-clefs</translation>
    </message>
    <message>
        <source> ; variantes : %1</source>
        <translation>; Varianten: %1</translation>
    </message>
</context>
<context>
    <name>RangeKeyboard</name>
    <message>
        <source>Clavier de l&apos;étendue</source>
        <translation>Tastatur für den Tonumfang</translation>
    </message>
    <message>
        <source>Première touche : %1 ; choisissez l&apos;autre bout</source>
        <translation>Erste Taste: %1; wähle das andere Ende</translation>
    </message>
    <message>
        <source>De %1 à %2</source>
        <translation>Von %1 bis %2</translation>
    </message>
    <message>
        <source>Toutes les touches</source>
        <translation>Alle Tasten</translation>
    </message>
    <message>
        <source>. Touche en vue : %1 (← → pour changer, Espace pour choisir)</source>
        <translation>. Taste im Blick: %1 (← → zum Wechseln, Leertaste zum Wählen)</translation>
    </message>
    <message>
        <source>Cliquez la touche la plus grave puis la plus aiguë</source>
        <translation>Klicke die tiefste, dann die höchste Taste</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>stable</source>
        <translation>stabil</translation>
    </message>
    <message>
        <source>%1&#xa0;pt par séance</source>
        <translation>%1&#xa0;Pkt./Einheit</translation>
    </message>
    <message>
        <source>(sol)</source>
        <translation>(Violin)</translation>
    </message>
    <message>
        <source>(fa)</source>
        <translation>(Bass)</translation>
    </message>
    <message>
        <source>%1 en %2</source>
        <translation>%1 im %2</translation>
    </message>
    <message>
        <source>Bilan de la classe (%1/%2)</source>
        <translation>Auswertung der Klasse (%1/%2)</translation>
    </message>
    <message>
        <source>Bilan de la classe</source>
        <translation>Auswertung der Klasse</translation>
    </message>
    <message numerus="yes">
        <source>%1 élève(s)</source>
        <translation>
            <numerusform>%1 Schüler</numerusform>
            <numerusform>%1 Schüler</numerusform>
        </translation>
    </message>
    <message>
        <source>du %1 au %2</source>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <source>suite page suivante</source>
        <translation>Fortsetzung auf der nächsten Seite</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noten</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Mittlere Zeit</translation>
    </message>
    <message>
        <source>Notes à travailler (clef)</source>
        <translation>Zu übende Noten (Schlüssel)</translation>
    </message>
    <message>
        <source>Score, séance après séance</source>
        <translation>Punkte, Einheit für Einheit</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s)</source>
        <translation>
            <numerusform>%1 unlesbare Zeile</numerusform>
            <numerusform>%1 unlesbare Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>notes à travailler : les moins souvent justes, puis les plus souvent confondues · tendance : pente du score par séance</source>
        <translation>zu übende Noten: die am seltensten richtigen, dann die am häufigsten verwechselten · Tendenz: Steigung der Punkte pro Einheit</translation>
    </message>
    <message>
        <source>Bilan de la classe : %1</source>
        <translation>Auswertung der Klasse: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 séance(s)</source>
        <translation>
            <numerusform>%1 Übungseinheit</numerusform>
            <numerusform>%1 Übungseinheiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 note(s)</source>
        <translation>
            <numerusform>%1 Note</numerusform>
            <numerusform>%1 Noten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 justes</source>
        <translation>%1 richtig</translation>
    </message>
    <message>
        <source>, à travailler : %1</source>
        <translation>, zu üben: %1</translation>
    </message>
    <message>
        <source>, tendance %1</source>
        <translation>, Tendenz %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>%1 unlesbare Zeile übersprungen</numerusform>
            <numerusform>%1 unlesbare Zeilen übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>octave</source>
        <translation>Oktave</translation>
    </message>
    <message>
        <source>note voisine</source>
        <translation>Nachbarnote</translation>
    </message>
    <message>
        <source>altération</source>
        <translation>Vorzeichen</translation>
    </message>
    <message>
        <source>autre</source>
        <translation>andere</translation>
    </message>
    <message>
        <source>à la première séance</source>
        <translation>in der ersten Einheit</translation>
    </message>
    <message>
        <source>à la dernière</source>
        <translation>in der letzten</translation>
    </message>
    <message>
        <source>sur les %1 premières séances</source>
        <translation>in den ersten %1 Einheiten</translation>
    </message>
    <message>
        <source>sur les %1 dernières</source>
        <translation>in den letzten %1</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <source>Score : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Punkte: %1 %2, %3 %4 (%5 pro Einheit).</translation>
    </message>
    <message>
        <source>Score : %1.</source>
        <translation>Punkte: %1.</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Mittlere Antwortzeit: %1 %2, %3 %4 (%5 pro Einheit).</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1.</source>
        <translation>Mittlere Antwortzeit: %1.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche.</source>
        <translation>Keine Note verpasst, keine falsche Taste.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler :</source>
        <translation>Die fünf Noten, die geübt werden sollten:</translation>
    </message>
    <message>
        <source>%1, %2 : %3 sur %4</source>
        <translation>%1, %2: %3 von %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 juste(s)</source>
        <translation>
            <numerusform>%1 richtig</numerusform>
            <numerusform>%1 richtig</numerusform>
        </translation>
    </message>
    <message>
        <source>, erreur la plus fréquente : %1 (%2)</source>
        <translation>, häufigster Fehler: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 fois</source>
        <translation>
            <numerusform>%1-mal</numerusform>
            <numerusform>%1-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>, aucune fausse touche : le temps a manqué</source>
        <translation>, keine falsche Taste: die Zeit hat nicht gereicht</translation>
    </message>
    <message>
        <source> ; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>sans ordinateur connu</source>
        <translation>ohne bekannten Computer</translation>
    </message>
    <message>
        <source>ordinateur %1</source>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>Bilan de %1</source>
        <translation>Auswertung von %1</translation>
    </message>
    <message>
        <source>Aucun résultat dans ce fichier.</source>
        <translation>Keine Ergebnisse in dieser Datei.</translation>
    </message>
    <message>
        <source>%1 du %2 au %3 : %4</source>
        <translation>%1 vom %2 bis %3: %4</translation>
    </message>
    <message>
        <source>Par ordinateur : %1.</source>
        <translation>Nach Computer: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté.</source>
        <translation>
            <numerusform>%1 unlesbare Zeile übersprungen.</numerusform>
            <numerusform>%1 unlesbare Zeilen übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 note(s) non affichée(s) laissée(s) de côté (image manquante).</source>
        <translation>
            <numerusform>%1 nicht gezeigte Note übersprungen (Bild fehlt).</numerusform>
            <numerusform>%1 nicht gezeigte Noten übersprungen (Bild fehlt).</numerusform>
        </translation>
    </message>
    <message>
        <source>Image : %1</source>
        <translation>Bild: %1</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes</source>
        <translation>Auswertung Notenlesen</translation>
    </message>
    <message>
        <source>aucune note demandée dans cette clef</source>
        <translation>keine Note in diesem Schlüssel gefragt</translation>
    </message>
    <message>
        <source>souvent manquée</source>
        <translation>oft verpasst</translation>
    </message>
    <message>
        <source>toujours juste</source>
        <translation>immer richtig</translation>
    </message>
    <message>
        <source>à 5 : les notes à travailler</source>
        <translation>bis 5: die zu übenden Noten</translation>
    </message>
    <message>
        <source>Sous chaque note : temps de réponse médian en secondes (le son compris).</source>
        <translation>Unter jeder Note: mittlere Antwortzeit in Sekunden (mit dem Klang).</translation>
    </message>
    <message>
        <source>%1 : le do du milieu.</source>
        <translation>%1: das mittlere C.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler</source>
        <translation>Die fünf Noten zum Üben</translation>
    </message>
    <message>
        <source>Pas encore de résultats dans ce fichier.</source>
        <translation>Noch keine Ergebnisse in dieser Datei.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche : bravo !</source>
        <translation>Keine Note verpasst, keine falsche Taste: bravo!</translation>
    </message>
    <message>
        <source>%1 sur %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source> · temps médian %1</source>
        <translation> · mittlere Zeit %1</translation>
    </message>
    <message>
        <source>Erreur la plus fréquente : %1 (%2)</source>
        <translation>Häufigster Fehler: %1 (%2)</translation>
    </message>
    <message>
        <source>Aucune fausse touche : le temps a manqué</source>
        <translation>Keine falsche Taste: die Zeit hat nicht gereicht</translation>
    </message>
    <message numerus="yes">
        <source>, %1 fois sans réponse</source>
        <translation>
            <numerusform>, %1-mal ohne Antwort</numerusform>
            <numerusform>, %1-mal ohne Antwort</numerusform>
        </translation>
    </message>
    <message>
        <source>séance, %1 ; chaque point : %2 séances de suite</source>
        <translation>Einheit, %1; jeder Punkt: %2 Einheiten nacheinander</translation>
    </message>
    <message>
        <source>séance, %1</source>
        <translation>Einheit, %1</translation>
    </message>
    <message>
        <source>de %1 à %2</source>
        <translation>von %1 auf %2</translation>
    </message>
    <message>
        <source>aucune séance</source>
        <translation>keine Übungseinheit</translation>
    </message>
    <message>
        <source>Les progrès, séance après séance</source>
        <translation>Der Fortschritt, Einheit für Einheit</translation>
    </message>
    <message>
        <source>Notes justes, en % de chaque séance</source>
        <translation>Richtige Noten, in % jeder Einheit</translation>
    </message>
    <message>
        <source>Temps de réponse médian, en secondes</source>
        <translation>Mittlere Antwortzeit, in Sekunden</translation>
    </message>
    <message>
        <source> · temps de réponse médian %1</source>
        <translation> · mittlere Antwortzeit %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 lignes de résultats lues</source>
        <translation>
            <numerusform>%1 Ergebniszeile gelesen</numerusform>
            <numerusform>%1 Ergebniszeilen gelesen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %1 illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>, %1 unlesbare übersprungen</numerusform>
            <numerusform>, %1 unlesbare übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>Violinschlüssel</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>Bassschlüssel</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>dd.MM.yyyy</translation>
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
        <translation>Die Varianten:</translation>
    </message>
    <message>
        <source>Les notes des variantes sont en page suivante.</source>
        <translation>Die Noten der Varianten stehen auf der nächsten Seite.</translation>
    </message>
    <message>
        <source>page %1 sur %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes : les variantes</source>
        <translation>Auswertung Notenlesen: die Varianten</translation>
    </message>
    <message>
        <source>À l&apos;oreille</source>
        <translation>Nach Gehör</translation>
    </message>
    <message>
        <source>Plusieurs notes</source>
        <translation>Mehrere Noten</translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 dièse(s)</source>
        <translation>
            <numerusform>Vorzeichen: %1 Kreuz</numerusform>
            <numerusform>Vorzeichen: %1 Kreuze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 bémol(s)</source>
        <translation>
            <numerusform>Vorzeichen: %1 b</numerusform>
            <numerusform>Vorzeichen: %1 b</numerusform>
        </translation>
    </message>
    <message>
        <source>Sans armure (do majeur)</source>
        <translation>Ohne Vorzeichen (C-Dur)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 3e ligne (alto)</source>
        <translation>C-Schlüssel auf der 3. Linie (Altschlüssel)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 4e ligne (ténor)</source>
        <translation>C-Schlüssel auf der 4. Linie (Tenorschlüssel)</translation>
    </message>
    <message>
        <source>les pages de chaque élève ensuite</source>
        <translation>danach die Seiten jedes Schülers</translation>
    </message>
</context>
<context>
    <name>progress::PlayingPupil</name>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>Kein Schüler: Die Übungen werden nicht gespeichert</translation>
    </message>
    <message>
        <source>Élève : %1, ses exercices sont enregistrés</source>
        <translation>Schüler: %1, die Übungen werden gespeichert</translation>
    </message>
    <message>
        <source> ; personne à partir du prochain exercice</source>
        <translation>; ab der nächsten Übung niemand</translation>
    </message>
    <message>
        <source> ; %1 à partir du prochain exercice</source>
        <translation>; ab der nächsten Übung %1</translation>
    </message>
</context>
<context>
    <name>progress::PupilsTableModel</name>
    <message>
        <source>lecture…</source>
        <translation>wird gelesen…</translation>
    </message>
    <message>
        <source>%1 lignes illisibles laissées de côté</source>
        <translation>%1 unlesbare Zeilen übersprungen</translation>
    </message>
    <message>
        <source>%1 ligne illisible laissée de côté</source>
        <translation>%1 unlesbare Zeile übersprungen</translation>
    </message>
    <message>
        <source>jamais</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Übungseinheiten</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noten</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Mittlere Zeit</translation>
    </message>
    <message>
        <source>Tendance</source>
        <translation>Tendenz</translation>
    </message>
    <message>
        <source>Dernière séance</source>
        <translation>Letzte Einheit</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Par ordinateur : %1</source>
        <translation>Nach Computer: %1</translation>
    </message>
</context>
</TS>
