<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>no display: set DISPLAY or run in a desktop session</source>
        <translation>geen beeldscherm: stel DISPLAY in of start in een bureaubladsessie</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>een naam</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>een bestandsnaam</translation>
    </message>
    <message>
        <source>a picture file name</source>
        <translation>de naam van een afbeeldingsbestand</translation>
    </message>
    <message>
        <source>none or CLIENT:PORT</source>
        <translation>none of CLIENT:PORT</translation>
    </message>
    <message>
        <source>a device number</source>
        <translation>een apparaatnummer</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Toont deze hulp.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Toont de versie.</translation>
    </message>
    <message>
        <source>Joue par la sortie MIDI N (0 : le synthétiseur intégré).</source>
        <translation>Speelt via MIDI-uitgang N (0: de ingebouwde synthesizer).</translation>
    </message>
    <message>
        <source>Liste les sorties MIDI.</source>
        <translation>Toont de MIDI-uitgangen.</translation>
    </message>
    <message>
        <source>Clavier MIDI : none, ou CLIENT:PORT (par défaut : tous).</source>
        <translation>MIDI-keyboard: none, of CLIENT:PORT (standaard: alle).</translation>
    </message>
    <message>
        <source>Liste les claviers MIDI.</source>
        <translation>Toont de MIDI-keyboards.</translation>
    </message>
    <message>
        <source>Ajoute le résultat de chaque note au fichier CSV FILE.</source>
        <translation>Voegt het resultaat van elke noot toe aan het CSV-bestand FILE.</translation>
    </message>
    <message>
        <source>Fait le bilan du fichier de résultats FILE, sans fenêtre ; avec plusieurs fichiers ou --pupil, le bilan de la classe en PDF.</source>
        <translation>Maakt het overzicht van het resultatenbestand FILE, zonder venster; met meerdere bestanden of --pupil het klasoverzicht als PDF.</translation>
    </message>
    <message>
        <source>Image du bilan, .png, .jpg ou .pdf (par défaut : le nom du fichier en .png), ou PDF de la classe (class.pdf).</source>
        <translation>Afbeelding van het overzicht, .png, .jpg of .pdf (standaard: de bestandsnaam als .png), of PDF van de klas (class.pdf).</translation>
    </message>
    <message>
        <source>Les résultats de l&apos;élève NAME, dans le dossier des élèves.</source>
        <translation>De resultaten van leerling NAME, in de map van de leerlingen.</translation>
    </message>
    <message>
        <source>Liste les élèves, leurs séances et la dernière date.</source>
        <translation>Toont de leerlingen, hun lessen en de laatste datum.</translation>
    </message>
    <message>
        <source>Les notes manquées reviennent plus souvent (avec --pupil ou --results).</source>
        <translation>Gemiste noten komen vaker terug (met --pupil of --results).</translation>
    </message>
    <message>
        <source>Limite les exercices aux notes de LOW à HIGH (60-67, do3-sol3).</source>
        <translation>Beperkt de oefeningen tot de noten van LOW tot HIGH (60-67, c1-g1).</translation>
    </message>
    <message>
        <source>Ouvre seule la fenêtre « Élèves » : la classe, les bilans, les réglages et les raccourcis des élèves.</source>
        <translation>Opent alleen het venster “Leerlingen”: de klas, de overzichten, de instellingen en snelkoppelingen van de leerlingen.</translation>
    </message>
    <message>
        <source>%1 needs %2 before %3</source>
        <translation>%1 heeft %2 nodig vóór %3</translation>
    </message>
    <message>
        <source>--midi-out takes a device number, not &apos;%1&apos;</source>
        <translation>--midi-out verwacht een apparaatnummer, niet “%1”</translation>
    </message>
    <message>
        <source>--midi-in takes none or CLIENT:PORT, not &apos;%1&apos;</source>
        <translation>--midi-in verwacht none of CLIENT:PORT, niet “%1”</translation>
    </message>
    <message>
        <source>--midi-in takes a CLIENT:PORT of 0 to 255 each, not &apos;%1&apos;</source>
        <translation>--midi-in verwacht een CLIENT:PORT van elk 0 tot 255, niet “%1”</translation>
    </message>
    <message>
        <source>--results needs a file name</source>
        <translation>--results heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>--out takes a .png, .jpg, .jpeg or .pdf file, not &apos;%1&apos;</source>
        <translation>--out verwacht een .png-, .jpg-, .jpeg- of .pdf-bestand, niet “%1”</translation>
    </message>
    <message>
        <source>--list-midi-out, --list-midi-in, --list-pupils and --report go alone</source>
        <translation>--list-midi-out, --list-midi-in, --list-pupils en --report staan alleen</translation>
    </message>
    <message>
        <source>%1 does not go with --midi-out, --midi-in or --results</source>
        <translation>%1 gaat niet samen met --midi-out, --midi-in of --results</translation>
    </message>
    <message>
        <source>--pupil needs a name</source>
        <translation>--pupil heeft een naam nodig</translation>
    </message>
    <message>
        <source>several --pupil go with --report only</source>
        <translation>meerdere --pupil gaan alleen samen met --report</translation>
    </message>
    <message>
        <source>--pupil and --results both name the results file: give one</source>
        <translation>--pupil en --results noemen allebei het resultatenbestand: geef er één</translation>
    </message>
    <message>
        <source>--pupil goes with playing or with --report</source>
        <translation>--pupil hoort bij spelen of bij --report</translation>
    </message>
    <message>
        <source>--focus goes with --pupil or --results, when playing</source>
        <translation>--focus hoort bij spelen met --pupil of --results</translation>
    </message>
    <message>
        <source>--notes takes notes from 0 to 127 (do 0 is 24, sol 8 is 127), not &apos;%1&apos;</source>
        <translation>--notes verwacht noten van 0 tot 127 (C1 is 24, g6 is 127), niet “%1”</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, the low note first, not &apos;%1&apos;</source>
        <translation>--notes verwacht LAAG-HOOG, de lage noot eerst, niet “%1”</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, as 60-67 or do3-sol3, low first, not &apos;%1&apos;</source>
        <translation>--notes verwacht LAAG-HOOG, zoals 60-67 of c1-g1, de lage eerst, niet “%1”</translation>
    </message>
    <message>
        <source>--notes %1 leaves exercise %2 with fewer than %3 notes: two would only take turns</source>
        <translation>--notes %1 laat oefening %2 minder dan %3 noten: twee zouden alleen om de beurt komen</translation>
    </message>
    <message>
        <source>--report needs a file or --pupil NAME</source>
        <translation>--report heeft een bestand of --pupil NAME nodig</translation>
    </message>
    <message>
        <source>Tavelin Piano: piano et lecture de notes.</source>
        <translation>Tavelin Piano: piano en notenlezen.</translation>
    </message>
    <message>
        <source>tavelin-piano: %1 (see --help)</source>
        <translation>tavelin-piano: %1 (zie --help)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument “%1”</translation>
    </message>
    <message>
        <source>Usage: tavelin-piano [options]</source>
        <translation>Gebruik: tavelin-piano [opties]</translation>
    </message>
    <message>
        <source>--pupils goes alone</source>
        <translation>--pupils staat alleen</translation>
    </message>
    <message>
        <source>--notes goes with playing</source>
        <translation>--notes hoort bij spelen</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>geen gegevensmap voor de leerlingen: XDG_DATA_HOME noch HOME is ingesteld</translation>
    </message>
    <message>
        <source>the pupil&apos;s name &apos;%1&apos; cannot be kept: %2</source>
        <translation>de naam van de leerling “%1” kan niet bewaard worden: %2</translation>
    </message>
    <message>
        <source>no pupil called &apos;%1&apos; in %2</source>
        <translation>geen leerling met de naam “%1” in %2</translation>
    </message>
    <message>
        <source>cannot read the pupil&apos;s file &apos;%1&apos;: %2</source>
        <translation>kan het bestand van de leerling “%1” niet lezen: %2</translation>
    </message>
    <message>
        <source>the pupil&apos;s file &apos;%1&apos; is not a regular file</source>
        <translation>het bestand van de leerling “%1” is geen gewoon bestand</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>Écrit tout le dossier de l&apos;élève NAME dans un fichier (--out FILE).</source>
        <translation>Schrijft de hele map van leerling NAME in één bestand (--out FILE).</translation>
    </message>
    <message>
        <source>Ajoute à un élève les exercices du fichier FILE qu&apos;il n&apos;a pas encore (dossier exporté, ou résultats avec --pupil NAME).</source>
        <translation>Voegt aan een leerling de oefeningen uit FILE toe die hij nog niet heeft (geëxporteerde map, of resultaten met --pupil NAME).</translation>
    </message>
    <message>
        <source>--export-pupil needs --out FILE</source>
        <translation>--export-pupil heeft --out FILE nodig</translation>
    </message>
    <message>
        <source>--out goes with --report or --export-pupil</source>
        <translation>--out hoort bij --report of --export-pupil</translation>
    </message>
    <message>
        <source>--export-pupil NAME --out FILE and --import FILE [--pupil NAME] go alone</source>
        <translation>--export-pupil NAME --out FILE en --import FILE [--pupil NAME] staan alleen</translation>
    </message>
    <message>
        <source>this computer has no id for the pupils&apos; files: %1</source>
        <translation>deze computer heeft geen id voor de leerlingbestanden: %1</translation>
    </message>
    <message>
        <source>cannot make the pupil&apos;s folder in %1: %2</source>
        <translation>kan de map van de leerling in %1 niet maken: %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Onbekende optie “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Onbekende opties: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Ontbrekende waarde na “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Onverwachte waarde na “%1”.</translation>
    </message>
    <message>
        <source>a variant</source>
        <translation>een variant</translation>
    </message>
    <message>
        <source>--variant goes with playing</source>
        <translation>--variant hoort bij spelen</translation>
    </message>
    <message>
        <source>Ce que jouent les exercices : ear (à l&apos;oreille), key=N (une armure, -4 à 4 bémols ou dièses ; key=new, une nouvelle à chaque exercice) ou phrase=N (N notes à lire à la suite, 4 à 8).</source>
        <translation>Wat de oefeningen spelen: ear (op het gehoor), key=N (een voortekening, -4 tot 4 mollen of kruisen; key=new, bij elke oefening een nieuwe) of phrase=N (N noten achter elkaar te lezen, 4 tot 8).</translation>
    </message>
    <message>
        <source>Ajoute les clefs d&apos;ut 3e et 4e ligne aux exercices 5 et 6.</source>
        <translation>Voegt de alt- en tenorsleutel toe aan oefening 5 en 6.</translation>
    </message>
    <message>
        <source>--c-clefs goes with playing</source>
        <translation>--c-clefs hoort bij spelen</translation>
    </message>
    <message>
        <source>--variant takes ear, key, key=-4 to key=4, key=new or phrase=4 to phrase=8, not &apos;%1&apos;</source>
        <translation>--variant neemt ear, key, key=-4 tot key=4, key=new of phrase=4 tot phrase=8, niet &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Commencer « %1 » : 50 notes</source>
        <translation>“%1” beginnen: 50 noten</translation>
    </message>
    <message>
        <source>commence « %1 »</source>
        <translation>begint “%1”</translation>
    </message>
    <message>
        <source>Vitesse : 3</source>
        <translation>Tempo: 3</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>Traag</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>Note : 0</source>
        <translation>Noot: 0</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Nom de la note</source>
        <translation>Notennaam</translation>
    </message>
    <message>
        <source>Clef de sol</source>
        <translation>G-sleutel</translation>
    </message>
    <message>
        <source>les touches blanches de mi 2 à fa 5, en clef de sol.</source>
        <translation>de witte toetsen van e tot f3, in de G-sleutel.</translation>
    </message>
    <message>
        <source>Clef de sol (# et b)</source>
        <translation>G-sleutel (# en b)</translation>
    </message>
    <message>
        <source>toutes les touches de mi 2 à fa 5, les noires écrites avec un dièse ou un bémol.</source>
        <translation>alle toetsen van e tot f3, de zwarte geschreven met een kruis of een mol.</translation>
    </message>
    <message>
        <source>Clef de fa</source>
        <translation>F-sleutel</translation>
    </message>
    <message>
        <source>les touches blanches de do 1 à la 3, en clef de fa.</source>
        <translation>de witte toetsen van C tot a1, in de F-sleutel.</translation>
    </message>
    <message>
        <source>Clef de fa (# et b)</source>
        <translation>F-sleutel (# en b)</translation>
    </message>
    <message>
        <source>toutes les touches de do 1 à la 3.</source>
        <translation>alle toetsen van C tot a1.</translation>
    </message>
    <message>
        <source>Clefs de sol et de fa</source>
        <translation>G- en F-sleutel</translation>
    </message>
    <message>
        <source>les touches blanches des deux, chacune dans une clef qui la porte.</source>
        <translation>de witte toetsen van beide, elk in een sleutel waarin hij staat.</translation>
    </message>
    <message>
        <source>Toutes les notes</source>
        <translation>Alle noten</translation>
    </message>
    <message>
        <source>toutes les touches, en clef de sol à partir du do du milieu (do 3), en clef de fa en dessous.</source>
        <translation>alle toetsen, in de G-sleutel vanaf de centrale c (c1), in de F-sleutel daaronder.</translation>
    </message>
    <message>
        <source>%1 : les bonnes réponses de l&apos;exercice.</source>
        <translation>%1: de goede antwoorden van de oefening.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Afficher le nom de la note</source>
        <translation>Notennaam tonen</translation>
    </message>
    <message>
        <source>Cacher le nom de la note</source>
        <translation>Notennaam verbergen</translation>
    </message>
    <message>
        <source>Afficher ou cacher le nom de la note</source>
        <translation>Notennaam tonen of verbergen</translation>
    </message>
    <message>
        <source>« %1 » / « %2 »</source>
        <translation>“%1” / “%2”</translation>
    </message>
    <message>
        <source>Aide à la lecture</source>
        <translation>Leeshulp</translation>
    </message>
    <message>
        <source>%1 : le nom des notes sous les touches</source>
        <translation>%1: de notennamen onder de toetsen</translation>
    </message>
    <message>
        <source>« %1 » : les noms sous les touches</source>
        <translation>“%1”: de namen onder de toetsen</translation>
    </message>
    <message>
        <source>Noms des notes sous les touches</source>
        <translation>Notennamen onder de toetsen</translation>
    </message>
    <message>
        <source>%1 : de 1 (Lent, une note toutes les 6 s) à 5 (Rapide, toutes les 2 s), entre deux exercices.</source>
        <translation>%1: van 1 (Traag, elke 6 s een noot) tot 5 (Snel, elke 2 s een), tussen twee oefeningen.</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Arrêter l&apos;exercice en cours</source>
        <translation>De lopende oefening stoppen</translation>
    </message>
    <message>
        <source>Échap</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>« %1 » : arrête l&apos;exercice en cours</source>
        <translation>“%1”: stopt de lopende oefening</translation>
    </message>
    <message>
        <source>%1 : jouer chaque note quand elle paraît</source>
        <translation>%1: elke noot laten klinken zodra hij verschijnt</translation>
    </message>
    <message>
        <source>« %1 » : coche ou décoche le son des notes</source>
        <translation>“%1”: zet het geluid van de noten aan of uit</translation>
    </message>
    <message>
        <source>La note à lire : jouez sa touche.</source>
        <translation>De noot om te lezen: speel zijn toets.</translation>
    </message>
    <message>
        <source>Note à lire</source>
        <translation>Noot om te lezen</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ouvre cette aide</source>
        <translation>opent deze help</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Leerlingen</translation>
    </message>
    <message>
        <source>ouvre la fenêtre « %1 » : qui joue, la classe et les bilans</source>
        <translation>opent het venster “%1”: wie er speelt, de klas en de overzichten</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Note : %1</source>
        <translation>Noot: %1</translation>
    </message>
    <message>
        <source>Les images des notes sont introuvables dans %1 : les notes ne pourront pas s&apos;afficher.</source>
        <translation>De notenafbeeldingen zijn niet te vinden in %1: de noten kunnen niet worden getoond.</translation>
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
        <translation>Leerlingen en voortgang (%1)</translation>
    </message>
    <message>
        <source>Aide de Tavelin Piano</source>
        <translation>Help bij Tavelin Piano</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Wie er speelt</translation>
    </message>
    <message>
        <source>Élèves et progrès</source>
        <translation>Leerlingen en voortgang</translation>
    </message>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>Geen leerling: de oefeningen worden niet bewaard</translation>
    </message>
    <message>
        <source>&lt;p&gt;Un piano et un entraînement à la lecture des notes. Le clavier de 54 touches joue comme un vrai piano, avec la souris, le clavier de l&apos;ordinateur ou un clavier MIDI. Un exercice montre 50 notes, une à la fois, sur la portée : jouez la touche de chaque note. Une bonne réponse ajoute un point au score ; la touche s&apos;allume en vert avec une coche. Une note manquée allume sa touche en rouge avec une croix, juste avant la note suivante. « Note : » compte les notes montrées.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Een piano en een training in notenlezen. Het klavier met 54 toetsen speelt als een echte piano, met de muis, het toetsenbord van de computer of een MIDI-keyboard. Een oefening toont 50 noten, één voor één, op de notenbalk: speel bij elke noot zijn toets. Een goed antwoord levert een punt op; de toets licht groen op met een vinkje. Een gemiste noot laat zijn toets rood oplichten met een kruis, vlak voor de volgende noot. “Noot:” telt de getoonde noten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Les six exercices&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; termine l&apos;exercice avant la fin. &lt;b&gt;%3&lt;/b&gt; fait entendre chaque note quand elle paraît. &lt;b&gt;%4&lt;/b&gt; fait glisser le nom de la note à côté de la portée ; &lt;b&gt;%5&lt;/b&gt; agrandit la fenêtre pour montrer le nom des notes sous les touches.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;De zes oefeningen&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; beëindigt de oefening voor het einde. &lt;b&gt;%3&lt;/b&gt; laat elke noot klinken zodra hij verschijnt. &lt;b&gt;%4&lt;/b&gt; schuift de notennaam naast de notenbalk; &lt;b&gt;%5&lt;/b&gt; maakt het venster groter om de notennamen onder de toetsen te tonen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;La vitesse&lt;/h2&gt;&lt;p&gt;La barre &lt;b&gt;Vitesse&lt;/b&gt; va de 1 (&lt;b&gt;Lent&lt;/b&gt;, une note toutes les 6 secondes) à 5 (&lt;b&gt;Rapide&lt;/b&gt;, toutes les 2 secondes) : 6, 5, 4, 3 et 2 secondes. Elle se règle entre deux exercices. La réponse doit venir au plus tard 0,2 seconde avant la note suivante.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Het tempo&lt;/h2&gt;&lt;p&gt;De schuifbalk &lt;b&gt;Tempo&lt;/b&gt; loopt van 1 (&lt;b&gt;Traag&lt;/b&gt;, elke 6 seconden een noot) tot 5 (&lt;b&gt;Snel&lt;/b&gt;, elke 2 seconden een): 6, 5, 4, 3 en 2 seconden. Hij wordt tussen twee oefeningen ingesteld. Het antwoord moet uiterlijk 0,2 seconde voor de volgende noot komen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Raccourcis clavier&lt;/h2&gt;&lt;p&gt;Chaque raccourci fait exactement ce que fait un clic sur son bouton ; un bouton grisé ne fait rien.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Sneltoetsen&lt;/h2&gt;&lt;p&gt;Elke sneltoets doet precies wat een klik op zijn knop doet; een grijze knop doet niets.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Jouer au clavier de l&apos;ordinateur&lt;/h2&gt;&lt;p&gt;Deux rangées jouent comme un clavier de piano. Les touches comptent par leur place, pas par la lettre qu&apos;elles portent : AZERTY, QWERTZ et QWERTY jouent les mêmes notes aux mêmes places. La rangée du bas joue les touches blanches à partir du do 2 (do une octave sous le do du milieu), la rangée au-dessus les touches noires entre elles. La rangée du haut des lettres joue les touches blanches à partir du do du milieu (do 3), la rangée des chiffres ses touches noires. &lt;b&gt;Page ↑&lt;/b&gt; et &lt;b&gt;Page ↓&lt;/b&gt; montent ou descendent les deux rangées d&apos;une octave, d&apos;une octave au plus de chaque côté. Une touche tenue est une seule note.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;Le plan des touches du clavier de l&apos;ordinateur&quot;&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Spelen op het toetsenbord van de computer&lt;/h2&gt;&lt;p&gt;Twee rijen spelen als een pianoklavier. De toetsen tellen naar hun plaats, niet naar de letter erop: AZERTY, QWERTZ en QWERTY spelen dezelfde noten op dezelfde plaatsen. De onderste rij speelt de witte toetsen vanaf de kleine c (een octaaf onder de centrale c), de rij erboven de zwarte toetsen daartussen. De bovenste letterrij speelt de witte toetsen vanaf de centrale c (c1), de cijferrij de zwarte toetsen daarvan. &lt;b&gt;Page ↑&lt;/b&gt; en &lt;b&gt;Page ↓&lt;/b&gt; schuiven beide rijen een octaaf omhoog of omlaag, hooguit een octaaf naar elke kant. Een ingedrukt gehouden toets is één noot.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;De indeling van het toetsenbord van de computer&quot;&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Clavier MIDI&lt;/h2&gt;&lt;p&gt;Branchez-le (USB ou interface MIDI) avant ou après le démarrage : tout clavier MIDI est relié de lui-même, et joue comme la souris, réponses comprises. Les notes hors du clavier à l&apos;écran sonnent mais ne comptent pas. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; liste les claviers vus ; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; n&apos;en relie qu&apos;un, &lt;code&gt;--midi-in none&lt;/code&gt; aucun ; &lt;code&gt;--midi-out N&lt;/code&gt; joue sur une autre sortie (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</source>
        <translation>&lt;h2&gt;MIDI-keyboard&lt;/h2&gt;&lt;p&gt;Sluit het aan (USB of MIDI-interface) voor of na het starten: elk MIDI-keyboard wordt vanzelf verbonden en speelt als de muis, antwoorden inbegrepen. Noten buiten het klavier op het scherm klinken, maar tellen niet mee. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; toont de gevonden keyboards; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; verbindt er maar één, &lt;code&gt;--midi-in none&lt;/code&gt; geen enkel; &lt;code&gt;--midi-out N&lt;/code&gt; speelt via een andere uitgang (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pour les professeurs : résultats et bilan&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results FICHIER.csv&lt;/code&gt; ajoute au fichier, à la fin de chaque exercice, une ligne par note montrée : la note, sa clef, bonne ou manquée, le temps de réponse et les touches fausses jouées.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report FICHIER.csv&lt;/code&gt; lit ce fichier sans le changer, écrit un résumé et dessine le bilan (&lt;code&gt;report.png&lt;/code&gt; à côté du fichier, ou &lt;code&gt;--out IMAGE.png&lt;/code&gt;) : chaque note sur sa portée avec sa réussite, les cinq notes à travailler, et les progrès d&apos;une séance à l&apos;autre.&lt;/p&gt;&lt;p&gt;La fenêtre &lt;b&gt;Élèves&lt;/b&gt; (&lt;b&gt;F11&lt;/b&gt;, ou le bouton &lt;b&gt;Élèves et progrès&lt;/b&gt; ci-dessous) fait tout cela sans taper d&apos;option : elle choisit qui joue, liste la classe avec ses chiffres, montre le bilan de l&apos;élève choisi, garde ses réglages (notes faibles plus souvent, étendue des notes), crée son raccourci et exporte les bilans.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Voor docenten: resultaten en overzicht&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results BESTAND.csv&lt;/code&gt; voegt aan het eind van elke oefening voor elke getoonde noot een regel aan het bestand toe: de noot, zijn sleutel, goed of gemist, de antwoordtijd en de verkeerd gespeelde toetsen.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report BESTAND.csv&lt;/code&gt; leest dit bestand zonder het te veranderen, schrijft een samenvatting en tekent het overzicht (&lt;code&gt;report.png&lt;/code&gt; naast het bestand, of &lt;code&gt;--out AFBEELDING.png&lt;/code&gt;): elke noot op zijn notenbalk met zijn score, de vijf noten om aan te werken en de voortgang van de ene les naar de volgende.&lt;/p&gt;&lt;p&gt;Het venster &lt;b&gt;Leerlingen&lt;/b&gt; (&lt;b&gt;F11&lt;/b&gt;, of de knop &lt;b&gt;Leerlingen en voortgang&lt;/b&gt; hieronder) doet dit allemaal zonder een optie te typen: het kiest wie er speelt, toont de klas met haar cijfers, laat het overzicht van de gekozen leerling zien, bewaart zijn instellingen (zwakke noten vaker, omvang van de noten), maakt zijn snelkoppeling en exporteert de overzichten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;À propos&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, version %1.&lt;br&gt;Licence : GNU General Public License, version 3 ou ultérieure ; voir le fichier LICENSE.&lt;br&gt;Le son vient de FluidSynth et de la SoundFont General MIDI de Debian (fluid-soundfont-gm) ; les images sont dessinées par le programme avec les polices Liberation et Noto Music ; la fenêtre est faite avec Qt.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Over&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, versie %1.&lt;br&gt;Licentie: GNU General Public License, versie 3 of later; zie het bestand LICENSE.&lt;br&gt;Het geluid komt van FluidSynth en de General MIDI-SoundFont van Debian (fluid-soundfont-gm); de afbeeldingen tekent het programma met de lettertypen Liberation en Noto Music; het venster is gemaakt met Qt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Jouer au clavier de l&apos;ordinateur</source>
        <translation>Spelen op het toetsenbord van de computer</translation>
    </message>
    <message>
        <source>En grand : la touche d&apos;un clavier %1 ; en petit : la même touche en %2. En bas : la note et son numéro MIDI (60 = do du milieu), sans décalage d&apos;octave. Touches grises : aucune note.</source>
        <translation>Groot: de toets van een %1-toetsenbord; klein: dezelfde toets bij %2. Onderaan: de noot en zijn MIDI-nummer (60 = centrale c), zonder octaafverschuiving. Grijze toetsen: geen noot.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Au-delà des notes seules&lt;/h2&gt;&lt;p&gt;Dans la fenêtre &lt;b&gt;Élèves&lt;/b&gt;, les réglages d&apos;un élève choisissent ce que jouent les six boutons d&apos;exercice. &lt;b&gt;À l&apos;oreille&lt;/b&gt; : chaque note sonne d&apos;abord sur la portée vide ; elle s&apos;y dessine dès qu&apos;elle est jouée ou manquée, pour relier le son à sa place. &lt;b&gt;Dans une tonalité&lt;/b&gt; : les notes sont celles d&apos;une gamme majeure jusqu&apos;à quatre dièses ou bémols, choisie par le professeur ou nouvelle à chaque exercice ; la portée montre l&apos;armure, et une note que l&apos;armure altère n&apos;a pas de signe à côté d&apos;elle : jouez la touche qu&apos;elle veut dire dans cette tonalité. &lt;code&gt;--variant ear&lt;/code&gt; et &lt;code&gt;--variant key=N&lt;/code&gt; font de même pour un lancement.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Meer dan alleen de noten&lt;/h2&gt;&lt;p&gt;In het venster &lt;b&gt;Leerlingen&lt;/b&gt; kiezen de instellingen van een leerling wat de zes oefenknoppen spelen. &lt;b&gt;Op het gehoor&lt;/b&gt;: elke noot klinkt eerst bij een lege notenbalk; hij verschijnt erop zodra hij gespeeld of gemist is, om de klank aan zijn plaats te koppelen. &lt;b&gt;In een toonsoort&lt;/b&gt;: de noten zijn die van een majeurtoonladder met tot vier kruisen of mollen, gekozen door de docent of elke oefening nieuw; de notenbalk toont de voortekening, en een noot die door de voortekening verandert heeft geen teken naast zich: speel de toets die hij in die toonsoort betekent. &lt;code&gt;--variant ear&lt;/code&gt; en &lt;code&gt;--variant key=N&lt;/code&gt; doen hetzelfde voor een enkele start.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Plusieurs notes&lt;/b&gt; : quatre à huit notes côte à côte, à jouer dans l&apos;ordre ; une marque rouge passe à la suivante à chaque bonne touche, et la phrase dure autant de périodes qu&apos;elle a de notes. &lt;b&gt;Clefs d&apos;ut&lt;/b&gt; : les exercices 5 et 6 écrivent aussi des notes en clef d&apos;ut 3e ligne (alto) et 4e ligne (ténor). &lt;code&gt;--variant phrase=N&lt;/code&gt; et &lt;code&gt;--c-clefs&lt;/code&gt; font de même pour un lancement. Un lecteur d&apos;écran entend la clef, l&apos;armure et le nombre de notes, jamais les notes.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Meerdere noten&lt;/b&gt;: vier tot acht noten naast elkaar, op volgorde te spelen; een rood teken schuift bij elke goede toets naar de volgende, en de reeks duurt zoveel perioden als ze noten heeft. &lt;b&gt;C-sleutels&lt;/b&gt;: oefening 5 en 6 schrijven sommige noten ook in de alt- en de tenorsleutel. &lt;code&gt;--variant phrase=N&lt;/code&gt; en &lt;code&gt;--c-clefs&lt;/code&gt; doen hetzelfde voor één start. Een schermlezer hoort de sleutel, de voortekening en het aantal noten, nooit de noten zelf.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1; no MIDI keyboard input</source>
        <translation>%1; geen invoer van het MIDI-keyboard</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kan niet naar de standaarduitvoer schrijven: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of results could not be written to &apos;%1&apos; and are lost</source>
        <translation>
            <numerusform>%n regel met resultaten kon niet naar “%1” worden geschreven en is verloren</numerusform>
            <numerusform>%n regels met resultaten konden niet naar “%1” worden geschreven en zijn verloren</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the pupil plays with the usual settings</source>
        <translation>%1; de leerling speelt met de standaardinstellingen</translation>
    </message>
    <message>
        <source>%1 (--results)</source>
        <translation>%1 (--results)</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>geen gegevensmap voor de leerlingen: XDG_DATA_HOME noch HOME is ingesteld</translation>
    </message>
    <message>
        <source>%1; nothing was imported</source>
        <translation>%1; er is niets geïmporteerd</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>onvoldoende geheugen</translation>
    </message>
    <message>
        <source>cannot make our ALSA input port: %1</source>
        <translation>kan de eigen ALSA-invoerpoort niet maken: %1</translation>
    </message>
    <message>
        <source>no ALSA announcements (%1); a keyboard plugged in later is not seen</source>
        <translation>geen ALSA-meldingen (%1); een keyboard dat later wordt aangesloten, wordt niet herkend</translation>
    </message>
    <message>
        <source>cannot listen to MIDI port %1: %2</source>
        <translation>kan niet luisteren naar MIDI-poort %1: %2</translation>
    </message>
    <message>
        <source>no MIDI port %1 yet; it is connected when it appears</source>
        <translation>nog geen MIDI-poort %1; hij wordt verbonden zodra hij verschijnt</translation>
    </message>
    <message>
        <source>MIDI keyboard input stopped: %1</source>
        <translation>invoer van het MIDI-keyboard gestopt: %1</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>kan “%1” niet lezen: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a regular file</source>
        <translation>“%1” is een map, geen gewoon bestand</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>“%1” is geen gewoon bestand</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>bestand bestaat niet</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>groter dan %1 MB</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>is een map</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <translation>kan afbeelding %1 niet laden: %2</translation>
    </message>
    <message>
        <source>cannot write the PDF &apos;%1&apos;</source>
        <translation>kan de PDF “%1” niet schrijven</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a device, not a results file</source>
        <translation>“%1” is een apparaat, geen resultatenbestand</translation>
    </message>
    <message>
        <source>several files go into one PDF: --out FILE.pdf, not &apos;%1&apos;</source>
        <translation>meerdere bestanden gaan in één PDF: --out FILE.pdf, niet “%1”</translation>
    </message>
    <message>
        <source>the pupil &apos;%1&apos; is named more than once: counted once</source>
        <translation>de leerling “%1” is meer dan eens genoemd: hij telt één keer</translation>
    </message>
    <message>
        <source>the PDF &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>de PDF “%1” zou het resultatenbestand “%2” vervangen; geef een andere --out</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is &apos;%2&apos; under another name: counted once</source>
        <translation>“%1” is “%2” onder een andere naam: één keer geteld</translation>
    </message>
    <message>
        <source>%1; %2 is left out of the class report</source>
        <translation>%1; %2 blijft buiten het klasoverzicht</translation>
    </message>
    <message>
        <source>no pupil to report on: no PDF written</source>
        <translation>geen leerling voor het overzicht: geen PDF geschreven</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no computer id (id= followed by 16 hex digits)</source>
        <translation>“%1” bevat geen computer-id (id= gevolgd door 16 hexadecimale cijfers)</translation>
    </message>
    <message>
        <source>cannot make the folder &apos;%1&apos;: %2</source>
        <translation>kan de map “%1” niet maken: %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>kan “%1” niet schrijven: %2</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;</source>
        <translation>kan “%1” niet lezen</translation>
    </message>
    <message>
        <source>no data folder: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>geen gegevensmap: XDG_DATA_HOME noch HOME is ingesteld</translation>
    </message>
    <message>
        <source>impossible de créer le dossier « %1 » : %2</source>
        <translation>kan de map “%1” niet maken: %2</translation>
    </message>
    <message>
        <source>impossible de supprimer « %1 » : %2</source>
        <translation>kan “%1” niet verwijderen: %2</translation>
    </message>
    <message>
        <source>%1; the notes are drawn evenly</source>
        <translation>%1; de noten worden gelijkmatig getrokken</translation>
    </message>
    <message>
        <source>nom trop long</source>
        <translation>naam te lang</translation>
    </message>
    <message>
        <source>pas d&apos;élève « %1 »</source>
        <translation>geen leerling met de naam “%1”</translation>
    </message>
    <message>
        <source>un élève s&apos;appelle déjà « %1 »</source>
        <translation>er is al een leerling met de naam “%1”</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire « %1 » : %2</source>
        <translation>kan “%1” niet schrijven: %2</translation>
    </message>
    <message>
        <source>impossible de déplacer « %1 » : %2</source>
        <translation>kan “%1” niet verplaatsen: %2</translation>
    </message>
    <message>
        <source>illisible : %1</source>
        <translation>onleesbaar: %1</translation>
    </message>
    <message>
        <source>un dossier, pas un fichier de résultats</source>
        <translation>een map, geen resultatenbestand</translation>
    </message>
    <message>
        <source>pas un fichier ordinaire (tube, appareil ou prise)</source>
        <translation>geen gewoon bestand (pipe, apparaat of socket)</translation>
    </message>
    <message>
        <source>impossible de lire le dossier « %1 » : %2</source>
        <translation>kan de map “%1” niet lezen: %2</translation>
    </message>
    <message>
        <source>le nom est vide</source>
        <translation>de naam is leeg</translation>
    </message>
    <message>
        <source>le nom n&apos;est pas du texte lisible (UTF-8)</source>
        <translation>de naam is geen leesbare tekst (UTF-8)</translation>
    </message>
    <message>
        <source>le nom commence ou finit par une espace</source>
        <translation>de naam begint of eindigt met een spatie</translation>
    </message>
    <message>
        <source>le nom contient un caractère de contrôle</source>
        <translation>de naam bevat een stuurteken</translation>
    </message>
    <message>
        <source>le nom est trop long</source>
        <translation>de naam is te lang</translation>
    </message>
    <message>
        <source>cet ordinateur n&apos;a pas d&apos;identifiant (computer.ini illisible)</source>
        <translation>deze computer heeft geen id (computer.ini onleesbaar)</translation>
    </message>
    <message>
        <source>nom trop long pour les archives</source>
        <translation>naam te lang voor het archief</translation>
    </message>
    <message>
        <source>nom de fichier qui n&apos;est pas celui d&apos;un élève</source>
        <translation>bestandsnaam die niet bij een leerling hoort</translation>
    </message>
    <message>
        <source>a pupil&apos;s name cannot be empty</source>
        <translation>de naam van een leerling mag niet leeg zijn</translation>
    </message>
    <message>
        <source>its file name would take %1 bytes, and a file name has at most %2 (the name takes %3 bytes: at most %4 once &apos;%&apos;, &apos;/&apos;, control characters and bytes that are not UTF-8 count 3 each)</source>
        <translation>de bestandsnaam zou %1 bytes innemen, en een bestandsnaam heeft er hoogstens %2 (de naam neemt %3 bytes in: hoogstens %4 als &apos;%&apos;, &apos;/&apos;, stuurtekens en bytes die geen UTF-8 zijn elk voor 3 tellen)</translation>
    </message>
    <message>
        <source>cannot read the folder &apos;%1&apos;: %2</source>
        <translation>kan de map “%1” niet lezen: %2</translation>
    </message>
    <message>
        <source>pas un fichier de résultats de Tavelin Piano</source>
        <translation>geen resultatenbestand van Tavelin Piano</translation>
    </message>
    <message>
        <source>still reading &apos;%1&apos; since an earlier run</source>
        <translation>“%1” wordt nog gelezen sinds een eerdere poging</translation>
    </message>
    <message>
        <source>no results file to report on</source>
        <translation>geen resultatenbestand om een overzicht van te maken</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; must end in .png, .jpg, .jpeg or .pdf</source>
        <translation>de afbeelding “%1” moet eindigen op .png, .jpg, .jpeg of .pdf</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>de afbeelding “%1” zou het resultatenbestand “%2” vervangen; geef een andere --out</translation>
    </message>
    <message>
        <source>cannot write the picture &apos;%1&apos;: %2</source>
        <translation>kan de afbeelding “%1” niet schrijven: %2</translation>
    </message>
    <message>
        <source>cannot open &apos;%1&apos;: %2</source>
        <translation>kan “%1” niet openen: %2</translation>
    </message>
    <message>
        <source>cannot lock &apos;%1&apos;: %2</source>
        <translation>kan “%1” niet vergrendelen: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stayed locked by another program</source>
        <translation>“%1” bleef vergrendeld door een ander programma</translation>
    </message>
    <message>
        <source>cannot read the size of &apos;%1&apos;: %2</source>
        <translation>kan de grootte van “%1” niet lezen: %2</translation>
    </message>
    <message>
        <source>gave up writing to &apos;%1&apos;</source>
        <translation>schrijven naar “%1” opgegeven</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was taken away while it was written</source>
        <translation>“%1” is weggehaald terwijl het werd geschreven</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a results file: its first line is not the header %2</source>
        <translation>“%1” is geen resultatenbestand: de eerste regel is niet de kopregel %2</translation>
    </message>
    <message>
        <source>cannot write to &apos;%1&apos;: %2</source>
        <translation>kan niet naar “%1” schrijven: %2</translation>
    </message>
    <message>
        <source>%1; the results are kept for the next try, the exercise goes on</source>
        <translation>%1; de resultaten worden bewaard voor de volgende poging, de oefening gaat door</translation>
    </message>
    <message>
        <source>the record &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>het exportbestand “%1” zou het resultatenbestand “%2” vervangen; geef een andere --out</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : sa ligne %2 n&apos;est pas un résultat</source>
        <translation>“%1” is beschadigd: regel %2 is geen resultaat</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : il s&apos;arrête avant ses résultats</source>
        <translation>“%1” is onvolledig: het bestand houdt op vóór de resultaten</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : %2</source>
        <translation>“%1” is beschadigd: %2</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne n&apos;est pas « # fin : N lignes », il a été coupé en route</source>
        <translation>“%1” is onvolledig: de laatste regel is niet “# fin : N lignes”, het bestand is onderweg afgebroken</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : %2 lignes au lieu de %3</source>
        <translation>“%1” is onvolledig: %2 regels in plaats van %3</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est ni un dossier d&apos;élève ni un fichier de résultats de Tavelin Piano</source>
        <translation>“%1” is noch een leerlingmap noch een resultatenbestand van Tavelin Piano</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne est coupée</source>
        <translation>“%1” is onvolledig: de laatste regel is afgebroken</translation>
    </message>
    <message>
        <source>« %1 » ne dit pas de quel élève il est : nommez-le (--pupil NOM) ou choisissez-le dans la liste</source>
        <translation>“%1” zegt niet van welke leerling het is: geef de naam op (--pupil NAME) of kies de leerling in de lijst</translation>
    </message>
    <message>
        <source>no ALSA sequencer (/dev/snd/seq: %1)</source>
        <translation>geen ALSA-sequencer (/dev/snd/seq: %1)</translation>
    </message>
    <message>
        <source>ALSA port %1 is gone</source>
        <translation>ALSA-poort %1 is verdwenen</translation>
    </message>
    <message>
        <source>cannot make our ALSA port: %1</source>
        <translation>kan de eigen ALSA-poort niet maken: %1</translation>
    </message>
    <message>
        <source>cannot connect to ALSA port %1: %2</source>
        <translation>kan geen verbinding maken met ALSA-poort %1: %2</translation>
    </message>
    <message>
        <source>SoundFont not found: %1</source>
        <translation>SoundFont niet gevonden: %1</translation>
    </message>
    <message>
        <source>SoundFont is not a file: %1</source>
        <translation>SoundFont is geen bestand: %1</translation>
    </message>
    <message>
        <source>SoundFont unreadable: %1</source>
        <translation>SoundFont onleesbaar: %1</translation>
    </message>
    <message>
        <source>SoundFont too short: %1</source>
        <translation>SoundFont te kort: %1</translation>
    </message>
    <message>
        <source>not a SoundFont (no RIFF sfbk header): %1</source>
        <translation>geen SoundFont (geen RIFF sfbk-header): %1</translation>
    </message>
    <message>
        <source>SoundFont truncated (%1 of %2 bytes): %3</source>
        <translation>SoundFont afgekapt (%1 van %2 bytes): %3</translation>
    </message>
    <message>
        <source>FluidSynth could not make its settings</source>
        <translation>FluidSynth kon zijn instellingen niet maken</translation>
    </message>
    <message>
        <source>FluidSynth could not make its synthesizer: %1</source>
        <translation>FluidSynth kon zijn synthesizer niet maken: %1</translation>
    </message>
    <message>
        <source>could not start the SoundFont loader: %1</source>
        <translation>kan de SoundFont-lader niet starten: %1</translation>
    </message>
    <message>
        <source>sample rate refused: %1</source>
        <translation>samplefrequentie geweigerd: %1</translation>
    </message>
    <message>
        <source>gain refused: %1</source>
        <translation>versterking geweigerd: %1</translation>
    </message>
    <message>
        <source>audio buffer refused: %1 periods of %2 frames</source>
        <translation>audiobuffer geweigerd: %1 perioden van %2 frames</translation>
    </message>
    <message>
        <source>no audio output (no audio driver named)</source>
        <translation>geen audio-uitvoer (geen audiodriver opgegeven)</translation>
    </message>
    <message>
        <source>no audio output (%1)</source>
        <translation>geen audio-uitvoer (%1)</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>geen reden opgegeven</translation>
    </message>
    <message>
        <source>it has no piano, bank 0 program 0</source>
        <translation>hij bevat geen piano op bank 0, programma 0</translation>
    </message>
    <message>
        <source>the SoundFont %1 did not load (%2); the built-in synthesizer stays silent</source>
        <translation>de SoundFont %1 is niet geladen (%2); de ingebouwde synthesizer blijft stil</translation>
    </message>
    <message>
        <source>%1; only the built-in synthesizer is offered</source>
        <translation>%1; alleen de ingebouwde synthesizer wordt aangeboden</translation>
    </message>
    <message>
        <source>the built-in synthesizer cannot start: %1</source>
        <translation>de ingebouwde synthesizer kan niet starten: %1</translation>
    </message>
    <message>
        <source>Synthétiseur intégré (FluidSynth)</source>
        <translation>Ingebouwde synthesizer (FluidSynth)</translation>
    </message>
    <message>
        <source>no system bus</source>
        <translation>geen systeembus</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>geen antwoord</translation>
    </message>
    <message>
        <source>no real-time priority for the sound (%1; RealtimeKit: %2): notes may break up while the machine is busy</source>
        <translation>geen realtimeprioriteit voor het geluid (%1; RealtimeKit: %2): noten kunnen haperen als de computer het druk heeft</translation>
    </message>
    <message>
        <source>no sound source or no sample format</source>
        <translation>geen geluidsbron of geen sampleformaat</translation>
    </message>
    <message>
        <source>could not start the sound&apos;s report thread: %1</source>
        <translation>kan de meldingsthread van het geluid niet starten: %1</translation>
    </message>
    <message>
        <source>libpulse could not make its mainloop</source>
        <translation>libpulse kon zijn hoofdlus niet maken</translation>
    </message>
    <message>
        <source>libpulse could not start its mainloop thread</source>
        <translation>libpulse kon de thread van zijn hoofdlus niet starten</translation>
    </message>
    <message>
        <source>the sound server does not answer (%1 ms)</source>
        <translation>de geluidsserver antwoordt niet (%1 ms)</translation>
    </message>
    <message>
        <source>no sound server (%1)</source>
        <translation>geen geluidsserver (%1)</translation>
    </message>
    <message>
        <source>the sound server cannot be reached; the built-in synthesizer is silent until it is back</source>
        <translation>de geluidsserver is niet bereikbaar; de ingebouwde synthesizer blijft stil tot hij terug is</translation>
    </message>
    <message>
        <source>the sound server cannot be reached (%1); the built-in synthesizer is silent until it is back</source>
        <translation>de geluidsserver is niet bereikbaar (%1); de ingebouwde synthesizer blijft stil tot hij terug is</translation>
    </message>
    <message>
        <source>the sound server does not answer; the built-in synthesizer is silent until it does</source>
        <translation>de geluidsserver antwoordt niet; de ingebouwde synthesizer blijft stil tot hij weer antwoordt</translation>
    </message>
    <message>
        <source>cannot load the font %1 (%2); install the Debian package %3</source>
        <translation>kan het lettertype %1 niet laden (%2); installeer het Debian-pakket %3</translation>
    </message>
    <message>
        <source>focus=%1 : ni oui ni non</source>
        <translation>focus=%1: oui noch non</translation>
    </message>
    <message>
        <source>notes=%1 : pas une étendue de notes (BAS-HAUT, comme 60-67 ou do3-sol3)</source>
        <translation>notes=%1: geen notenbereik (LAAG-HOOG, zoals 60-67 of do3-sol3)</translation>
    </message>
    <message>
        <source>notes=%1 : l&apos;exercice %2 aurait moins de deux notes</source>
        <translation>notes=%1: oefening %2 zou minder dan twee noten hebben</translation>
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>kan “%1” niet lezen: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>“%1” is geen gewoon bestand</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour des réglages</source>
        <translation>“%1” is te groot voor instellingen</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour le dossier d&apos;un élève</source>
        <translation>“%1” is te groot voor een leerlingmap</translation>
    </message>
    <message>
        <source>variante=%1 : pas un exercice que le piano connaît</source>
        <translation>variante=%1: geen oefening die de piano kent</translation>
    </message>
    <message>
        <source>clefs_ut=%1 : ni oui ni non</source>
        <translation>clefs_ut=%1: oui noch non</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>fr</source>
        <extracomment>The code of this translation&apos;s language (&quot;de&quot;, &quot;pt&quot;): it chooses how notes are named (keyboard/notenaming.cpp).</extracomment>
        <translation>nl</translation>
    </message>
</context>
<context>
    <name>NotePanel</name>
    <message>
        <source>Note sur la portée : clef de sol, avec un dièse</source>
        <translation>Noot op de notenbalk: G-sleutel, met een kruis</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un dièse</source>
        <translation>Noot op de notenbalk: F-sleutel, met een kruis</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol, avec un bémol</source>
        <translation>Noot op de notenbalk: G-sleutel, met een mol</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un bémol</source>
        <translation>Noot op de notenbalk: F-sleutel, met een mol</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol</source>
        <translation>Noot op de notenbalk: G-sleutel</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa</source>
        <translation>Noot op de notenbalk: F-sleutel</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Début de l&apos;exercice : 50 notes</source>
        <translation>Begin van de oefening: 50 noten</translation>
    </message>
    <message>
        <source>Fin de l&apos;exercice</source>
        <translation>Einde van de oefening</translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>G-sleutel</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>F-sleutel</translation>
    </message>
    <message>
        <source>clef d&apos;ut 3e ligne</source>
        <translation>altsleutel</translation>
    </message>
    <message>
        <source>clef d&apos;ut 4e ligne</source>
        <translation>tenorsleutel</translation>
    </message>
    <message numerus="yes">
        <source>armure de %n dièse(s)</source>
        <translation>
            <numerusform>voortekening met %n kruis</numerusform>
            <numerusform>voortekening met %n kruisen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>armure de %n bémol(s)</source>
        <translation>
            <numerusform>voortekening met %n mol</numerusform>
            <numerusform>voortekening met %n mollen</numerusform>
        </translation>
    </message>
    <message>
        <source>sans armure</source>
        <translation>zonder voortekening</translation>
    </message>
    <message>
        <source>Portée en %1 : écoutez la note</source>
        <translation>Notenbalk met %1: luister naar de noot</translation>
    </message>
    <message>
        <source>Note sur la portée : %1, %2</source>
        <translation>Noot op de notenbalk: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes sur la portée : %1, %2</source>
        <translation>
            <numerusform>%n noot op de notenbalk: %1, %2</numerusform>
            <numerusform>%n noten op de notenbalk: %1, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>notes</source>
        <comment>under the number of notes of an exercise</comment>
        <translation>noten</translation>
    </message>
    <message>
        <source>Prêt&#x202f;?</source>
        <translation>Klaar?</translation>
    </message>
    <message>
        <source>La première note arrive…</source>
        <translation>Daar komt de eerste noot…</translation>
    </message>
    <message>
        <source>Exercice terminé</source>
        <translation>Oefening klaar</translation>
    </message>
    <message>
        <source>Bravo&#x202f;!</source>
        <translation>Bravo!</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Choisissez un exercice</source>
        <translation>Kies een oefening</translation>
    </message>
    <message>
        <source>à droite →</source>
        <comment>the exercise buttons are to the right</comment>
        <translation>rechts →</translation>
    </message>
    <message>
        <source>lecture de notes au clavier</source>
        <comment>the tagline under the program&apos;s name</comment>
        <translation>notenlezen aan het klavier</translation>
    </message>
    <message>
        <source>Quelle est cette note&#x202f;?</source>
        <comment>along the foot of every note</comment>
        <translation>Welke noot is dit?</translation>
    </message>
    <message>
        <source>Écoutez…</source>
        <comment>along the foot of the staff while a note is heard</comment>
        <translation>Luister…</translation>
    </message>
    <message>
        <source>Jouez-les…</source>
        <comment>along the foot of a phrase: play the notes in order</comment>
        <translation>Speel ze op volgorde…</translation>
    </message>
</context>
<context>
    <name>PupilsWindow</name>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>kan “%1” niet lezen: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>“%1” is geen gewoon bestand</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Leerlingen</translation>
    </message>
    <message>
        <source>aucun élève</source>
        <translation>geen leerlingen</translation>
    </message>
    <message>
        <source>%v fichiers lus sur %m</source>
        <translation>%v van %m bestanden gelezen</translation>
    </message>
    <message>
        <source>&amp;Qui joue :</source>
        <translation>&amp;Wie speelt:</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Wie er speelt</translation>
    </message>
    <message>
        <source>Ouverte seule, la fenêtre n&apos;enregistre rien : choisissez qui joue depuis le piano (F11)</source>
        <translation>Alleen geopend bewaart het venster niets: kies op de piano (F11) wie er speelt</translation>
    </message>
    <message>
        <source>L&apos;élève dont les exercices sont enregistrés, à partir du prochain</source>
        <translation>De leerling van wie de oefeningen worden bewaard, vanaf de volgende</translation>
    </message>
    <message>
        <source>Liste des élèves</source>
        <translation>Lijst van leerlingen</translation>
    </message>
    <message>
        <source>Une ligne par élève ; cochez les élèves du bilan de la classe</source>
        <translation>Eén regel per leerling; vink de leerlingen voor het klasoverzicht aan</translation>
    </message>
    <message>
        <source>La cla&amp;sse :</source>
        <translation>De kla&amp;s:</translation>
    </message>
    <message>
        <source>Lecture des fichiers</source>
        <translation>Bestanden lezen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>&amp;Ajouter…</source>
        <translation>&amp;Toevoegen…</translation>
    </message>
    <message>
        <source>Ajouter un élève</source>
        <translation>Een leerling toevoegen</translation>
    </message>
    <message>
        <source>&amp;Renommer…</source>
        <translation>&amp;Hernoemen…</translation>
    </message>
    <message>
        <source>Renommer l&apos;élève choisi ; tous ses exercices le suivent</source>
        <translation>De gekozen leerling hernoemen; al zijn oefeningen gaan mee</translation>
    </message>
    <message>
        <source>Archi&amp;ver…</source>
        <translation>Archi&amp;veren…</translation>
    </message>
    <message>
        <source>Ranger l&apos;élève choisi dans les archives, sans rien effacer</source>
        <translation>De gekozen leerling in het archief zetten, zonder iets te wissen</translation>
    </message>
    <message>
        <source>Arc&amp;hives…</source>
        <translation>Archie&amp;f…</translation>
    </message>
    <message>
        <source>Voir les élèves archivés et en restaurer un</source>
        <translation>De gearchiveerde leerlingen bekijken en er een terugzetten</translation>
    </message>
    <message>
        <source>Créer un ra&amp;ccourci</source>
        <translation>Snel&amp;koppeling maken</translation>
    </message>
    <message>
        <source>Une icône « Piano — NOM » qui lance le piano pour l&apos;élève choisi</source>
        <translation>Een pictogram “Piano — NAAM” dat de piano voor de gekozen leerling start</translation>
    </message>
    <message>
        <source>Créer un raccourci</source>
        <translation>Snelkoppeling maken</translation>
    </message>
    <message>
        <source>&amp;Exporter le bilan…</source>
        <translation>Overzicht &amp;exporteren…</translation>
    </message>
    <message>
        <source>Le bilan de l&apos;élève choisi en PDF ou en PNG</source>
        <translation>Het overzicht van de gekozen leerling als PDF of PNG</translation>
    </message>
    <message>
        <source>Exporter la c&amp;lasse…</source>
        <translation>K&amp;las exporteren…</translation>
    </message>
    <message>
        <source>Le bilan de la classe en PDF, pour les élèves cochés</source>
        <translation>Het klasoverzicht als PDF, voor de aangevinkte leerlingen</translation>
    </message>
    <message>
        <source>Co&amp;pier les résultats…</source>
        <translation>Resultaten ko&amp;piëren…</translation>
    </message>
    <message>
        <source>Une copie du fichier de résultats de l&apos;élève choisi</source>
        <translation>Een kopie van het resultatenbestand van de gekozen leerling</translation>
    </message>
    <message>
        <source>Réglages de l&apos;élève</source>
        <translation>Instellingen van de leerling</translation>
    </message>
    <message>
        <source>Notes &amp;faibles plus souvent</source>
        <translation>&amp;Zwakke noten vaker</translation>
    </message>
    <message>
        <source>Notes faibles plus souvent</source>
        <translation>Zwakke noten vaker</translation>
    </message>
    <message>
        <source>Les notes souvent manquées reviennent plus souvent (comme --focus)</source>
        <translation>Vaak gemiste noten komen vaker terug (zoals --focus)</translation>
    </message>
    <message>
        <source>Étendue des notes</source>
        <translation>Omvang van de noten</translation>
    </message>
    <message>
        <source>toutes, ou 60-67, do3-sol3</source>
        <translation>alle, of 60-67, c1-g1</translation>
    </message>
    <message>
        <source>Vide : toutes les notes ; sinon BAS-HAUT comme --notes (60-67, do3-sol3)</source>
        <translation>Leeg: alle noten; anders LAAG-HOOG zoals bij --notes (60-67, c1-g1)</translation>
    </message>
    <message>
        <source>É&amp;tendue :</source>
        <translation>&amp;Omvang:</translation>
    </message>
    <message>
        <source>Bilan de l&apos;élève</source>
        <translation>Overzicht van de leerling</translation>
    </message>
    <message>
        <source>Bilan</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Liste et bilan</source>
        <translation>Lijst en overzicht</translation>
    </message>
    <message>
        <source>Personne (rien n&apos;est enregistré)</source>
        <translation>Niemand (er wordt niets bewaard)</translation>
    </message>
    <message>
        <source>Réglages illisibles, ceux par défaut s&apos;appliquent : %1</source>
        <translation>Instellingen onleesbaar, de standaardinstellingen gelden: %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer pour %1 : %2</source>
        <translation>Kan niet bewaren voor %1: %2</translation>
    </message>
    <message>
        <source>Étendue refusée : %1</source>
        <translation>Omvang geweigerd: %1</translation>
    </message>
    <message>
        <source>Réglages non enregistrés : %1</source>
        <translation>Instellingen niet bewaard: %1</translation>
    </message>
    <message>
        <source>Réglages de %1 enregistrés : %2, %3</source>
        <translation>Instellingen van %1 bewaard: %2, %3</translation>
    </message>
    <message>
        <source>notes faibles plus souvent</source>
        <translation>zwakke noten vaker</translation>
    </message>
    <message>
        <source>tirage égal</source>
        <translation>gelijke trekking</translation>
    </message>
    <message>
        <source>notes %1</source>
        <translation>noten %1</translation>
    </message>
    <message>
        <source>toutes les notes</source>
        <translation>alle noten</translation>
    </message>
    <message>
        <source>Choisissez un élève pour voir son bilan.</source>
        <translation>Kies een leerling om zijn overzicht te zien.</translation>
    </message>
    <message>
        <source>Lecture du fichier…</source>
        <translation>Bestand wordt gelezen…</translation>
    </message>
    <message>
        <source>Pas de bilan : %1</source>
        <translation>Geen overzicht: %1</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séances, %3 notes, %4 justes</source>
        <translation>Overzicht van %1: %2 lessen, %3 noten, %4 goed</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séance, %3 notes, %4 justes</source>
        <translation>Overzicht van %1: %2 les, %3 noten, %4 goed</translation>
    </message>
    <message>
        <source>Nom de l&apos;élève :</source>
        <translation>Naam van de leerling:</translation>
    </message>
    <message>
        <source>Élève non ajouté : %1</source>
        <translation>Leerling niet toegevoegd: %1</translation>
    </message>
    <message>
        <source>%1 ajouté(e)</source>
        <translation>%1 toegevoegd</translation>
    </message>
    <message>
        <source>%1 joue : choisissez d&apos;abord quelqu&apos;un d&apos;autre dans « Qui joue »</source>
        <translation>%1 speelt nu: kies eerst iemand anders bij “Wie speelt”</translation>
    </message>
    <message>
        <source>Renommer un élève</source>
        <translation>Een leerling hernoemen</translation>
    </message>
    <message>
        <source>Nouveau nom de %1 :</source>
        <translation>Nieuwe naam voor %1:</translation>
    </message>
    <message>
        <source>Pas renommé : %1</source>
        <translation>Niet hernoemd: %1</translation>
    </message>
    <message>
        <source> ; son raccourci aussi</source>
        <translation>; de snelkoppeling ook</translation>
    </message>
    <message>
        <source> ; raccourci : %1</source>
        <translation>; snelkoppeling: %1</translation>
    </message>
    <message>
        <source>%1 s&apos;appelle maintenant %2%3</source>
        <translation>%1 heet nu %2%3</translation>
    </message>
    <message>
        <source>Archiver un élève</source>
        <translation>Een leerling archiveren</translation>
    </message>
    <message>
        <source>Ranger %1 dans les archives ? Rien n&apos;est effacé : ses résultats et ses réglages restent dans le dossier des archives, d&apos;où « Archives… » les restaure.</source>
        <translation>%1 in het archief zetten? Er wordt niets gewist: resultaten en instellingen blijven in de archiefmap, waaruit “Archief…” ze terugzet.</translation>
    </message>
    <message>
        <source>Archiver</source>
        <translation>Archiveren</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Pas archivé : %1</source>
        <translation>Niet gearchiveerd: %1</translation>
    </message>
    <message>
        <source>Raccourci de l&apos;élève</source>
        <translation>Snelkoppeling van de leerling</translation>
    </message>
    <message>
        <source>Supprimer aussi le raccourci « Piano — %1 » ?</source>
        <translation>Ook de snelkoppeling “Piano — %1” verwijderen?</translation>
    </message>
    <message>
        <source>Supprimer le raccourci</source>
        <translation>Snelkoppeling verwijderen</translation>
    </message>
    <message>
        <source>Le garder</source>
        <translation>Bewaren</translation>
    </message>
    <message>
        <source>, son raccourci supprimé</source>
        <translation>, de snelkoppeling verwijderd</translation>
    </message>
    <message>
        <source>%1 archivé(e)%2%3</source>
        <translation>%1 gearchiveerd%2%3</translation>
    </message>
    <message>
        <source> sous le nom %1</source>
        <translation> onder de naam %1</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archief</translation>
    </message>
    <message>
        <source>Élèves archivés</source>
        <translation>Gearchiveerde leerlingen</translation>
    </message>
    <message>
        <source>&amp;Restaurer</source>
        <translation>&amp;Terugzetten</translation>
    </message>
    <message>
        <source>Restaurer</source>
        <translation>Terugzetten</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Aucun élève archivé.</source>
        <translation>Geen gearchiveerde leerlingen.</translation>
    </message>
    <message>
        <source>Élèves archivés :</source>
        <translation>Gearchiveerde leerlingen:</translation>
    </message>
    <message>
        <source>Pas restauré : %1</source>
        <translation>Niet teruggezet: %1</translation>
    </message>
    <message>
        <source>%1 restauré(e), avec tous ses exercices</source>
        <translation>%1 teruggezet, met alle oefeningen</translation>
    </message>
    <message>
        <source>Raccourci non créé : %1</source>
        <translation>Snelkoppeling niet gemaakt: %1</translation>
    </message>
    <message>
        <source>Raccourci « Piano — %1 » créé : %2</source>
        <translation>Snelkoppeling “Piano — %1” gemaakt: %2</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats de %2 : choisissez un autre nom</source>
        <translation>“%1” is het resultatenbestand van %2: kies een andere naam</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats en cours : choisissez un autre nom</source>
        <translation>“%1” is het resultatenbestand dat nu in gebruik is: kies een andere naam</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève dont le fichier se lit</source>
        <translation>kies eerst een leerling van wie het bestand leesbaar is</translation>
    </message>
    <message>
        <source>« %1 » doit finir par .pdf, .png, .jpg ou .jpeg</source>
        <translation>“%1” moet eindigen op .pdf, .png, .jpg of .jpeg</translation>
    </message>
    <message>
        <source>cochez d&apos;abord les élèves du bilan, dans la liste</source>
        <translation>vink eerst in de lijst de leerlingen voor het overzicht aan</translation>
    </message>
    <message>
        <source>le bilan de la classe est un PDF : « %1 » doit finir par .pdf</source>
        <translation>het klasoverzicht is een PDF: “%1” moet eindigen op .pdf</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève</source>
        <translation>kies eerst een leerling</translation>
    </message>
    <message>
        <source>Exporter le bilan de %1</source>
        <translation>Overzicht van %1 exporteren</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Image PNG (*.png)</source>
        <translation>PDF (*.pdf);;PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>Bilan de %1 exporté : %2</source>
        <translation>Overzicht van %1 geëxporteerd: %2</translation>
    </message>
    <message>
        <source>Pas exporté : %1</source>
        <translation>Niet geëxporteerd: %1</translation>
    </message>
    <message>
        <source>Cochez d&apos;abord les élèves du bilan, dans la liste (Espace coche l&apos;élève choisi)</source>
        <translation>Vink eerst in de lijst de leerlingen voor het overzicht aan (Spatie vinkt de gekozen leerling aan)</translation>
    </message>
    <message>
        <source>Exporter le bilan de la classe</source>
        <translation>Klasoverzicht exporteren</translation>
    </message>
    <message>
        <source>classe.pdf</source>
        <translation>klas.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Bilan de la classe exporté : %1</source>
        <translation>Klasoverzicht geëxporteerd: %1</translation>
    </message>
    <message>
        <source>Copier les résultats de %1</source>
        <translation>Resultaten van %1 kopiëren</translation>
    </message>
    <message>
        <source> - résultats.csv</source>
        <translation> - resultaten.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Résultats de %1 copiés : %2</source>
        <translation>Resultaten van %1 gekopieerd: %2</translation>
    </message>
    <message>
        <source>Pas copié : %1</source>
        <translation>Niet gekopieerd: %1</translation>
    </message>
    <message>
        <source>I&amp;mporter…</source>
        <translation>&amp;Importeren…</translation>
    </message>
    <message>
        <source>Ajouter les exercices d&apos;un dossier exporté, ou d&apos;un fichier de résultats à l&apos;élève choisi ; ceux qu&apos;il a déjà ne comptent pas deux fois</source>
        <translation>De oefeningen van een geëxporteerde map of van een resultatenbestand aan de gekozen leerling toevoegen; wat hij al heeft telt niet dubbel</translation>
    </message>
    <message>
        <source>%1 : %2 ajoutés, %3 déjà là</source>
        <translation>%1: %2 toegevoegd, %3 al aanwezig</translation>
    </message>
    <message>
        <source>1 exercice</source>
        <translation>1 oefening</translation>
    </message>
    <message>
        <source>%1 exercices</source>
        <translation>%1 oefeningen</translation>
    </message>
    <message>
        <source>Importer des exercices</source>
        <translation>Oefeningen importeren</translation>
    </message>
    <message>
        <source>Dossier d&apos;élève ou résultats (*.csv *.txt);;Tous les fichiers (*)</source>
        <translation>Leerlingmap of resultaten (*.csv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Importé : %1</source>
        <translation>Geïmporteerd: %1</translation>
    </message>
    <message>
        <source>Rien n&apos;est importé : %1</source>
        <translation>Niets geïmporteerd: %1</translation>
    </message>
    <message>
        <source>Exercices</source>
        <translation>Oefeningen</translation>
    </message>
    <message>
        <source>les notes seules, comme toujours</source>
        <translation>alleen de noten, zoals altijd</translation>
    </message>
    <message>
        <source>à l&apos;oreille : la note sonne, puis se montre</source>
        <translation>op het gehoor: de noot klinkt en verschijnt dan</translation>
    </message>
    <message>
        <source>dans une tonalité, avec son armure</source>
        <translation>in een toonsoort, met de voortekening</translation>
    </message>
    <message>
        <source>Ce que jouent les six boutons d&apos;exercice pour cet élève (comme --variant)</source>
        <translation>Wat de zes oefenknoppen voor deze leerling spelen (zoals --variant)</translation>
    </message>
    <message>
        <source>E&amp;xercices :</source>
        <translation>Oefe&amp;ningen:</translation>
    </message>
    <message>
        <source>Armure</source>
        <translation>Voortekening</translation>
    </message>
    <message>
        <source>sans dièse ni bémol</source>
        <translation>zonder kruis of mol</translation>
    </message>
    <message>
        <source>1 bémol</source>
        <translation>1 mol</translation>
    </message>
    <message>
        <source>%1 bémols</source>
        <translation>%1 mollen</translation>
    </message>
    <message>
        <source>1 dièse</source>
        <translation>1 kruis</translation>
    </message>
    <message>
        <source>%1 dièses</source>
        <translation>%1 kruisen</translation>
    </message>
    <message>
        <source>une nouvelle à chaque exercice</source>
        <translation>elke oefening een nieuwe</translation>
    </message>
    <message>
        <source>Ar&amp;mure :</source>
        <translation>Voo&amp;rtekening:</translation>
    </message>
    <message>
        <source>plusieurs notes côte à côte, jouées dans l&apos;ordre</source>
        <translation>meerdere noten naast elkaar, op volgorde gespeeld</translation>
    </message>
    <message>
        <source>Notes par lecture</source>
        <translation>Noten per keer lezen</translation>
    </message>
    <message>
        <source>Combien de notes côte à côte sur la portée, de 4 à 8</source>
        <translation>Hoeveel noten naast elkaar op de notenbalk, 4 tot 8</translation>
    </message>
    <message>
        <source>&amp;Notes par lecture :</source>
        <translation>&amp;Noten per keer lezen:</translation>
    </message>
    <message>
        <source>Clefs d&apos;&amp;ut 3e et 4e ligne dans les exercices 5 et 6</source>
        <translation>Alt- en tenorsleutel in oefening 5 en 6 (C-sleutels, &amp;u)</translation>
    </message>
    <message>
        <source>Des notes écrites aussi en clef d&apos;ut, comme --c-clefs</source>
        <translation>Sommige noten ook in een C-sleutel geschreven, zoals --c-clefs</translation>
    </message>
    <message>
        <source> ; variantes : %1</source>
        <translation>; varianten: %1</translation>
    </message>
</context>
<context>
    <name>RangeKeyboard</name>
    <message>
        <source>Clavier de l&apos;étendue</source>
        <translation>Klavier voor de omvang</translation>
    </message>
    <message>
        <source>Première touche : %1 ; choisissez l&apos;autre bout</source>
        <translation>Eerste toets: %1; kies het andere eind</translation>
    </message>
    <message>
        <source>De %1 à %2</source>
        <translation>Van %1 tot %2</translation>
    </message>
    <message>
        <source>Toutes les touches</source>
        <translation>Alle toetsen</translation>
    </message>
    <message>
        <source>. Touche en vue : %1 (← → pour changer, Espace pour choisir)</source>
        <translation>. Toets in beeld: %1 (← → om te wisselen, Spatie om te kiezen)</translation>
    </message>
    <message>
        <source>Cliquez la touche la plus grave puis la plus aiguë</source>
        <translation>Klik op de laagste toets en dan op de hoogste</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>stable</source>
        <translation>stabiel</translation>
    </message>
    <message>
        <source>%1&#xa0;pt par séance</source>
        <translation>%1&#xa0;pt per les</translation>
    </message>
    <message>
        <source>(sol)</source>
        <translation>(sol)</translation>
    </message>
    <message>
        <source>(fa)</source>
        <translation>(fa)</translation>
    </message>
    <message>
        <source>%1 en %2</source>
        <translation>%1 in de %2</translation>
    </message>
    <message>
        <source>Bilan de la classe (%1/%2)</source>
        <translation>Overzicht van de klas (%1/%2)</translation>
    </message>
    <message>
        <source>Bilan de la classe</source>
        <translation>Overzicht van de klas</translation>
    </message>
    <message numerus="yes">
        <source>%1 élève(s)</source>
        <translation>
            <numerusform>%1 leerling</numerusform>
            <numerusform>%1 leerlingen</numerusform>
        </translation>
    </message>
    <message>
        <source>du %1 au %2</source>
        <translation>van %1 tot %2</translation>
    </message>
    <message>
        <source>suite page suivante</source>
        <translation>vervolg op de volgende bladzijde</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Leerling</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Lessen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noten</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Mediane tijd</translation>
    </message>
    <message>
        <source>Notes à travailler (clef)</source>
        <translation>Noten om te oefenen (sleutel)</translation>
    </message>
    <message>
        <source>Score, séance après séance</source>
        <translation>Score, les na les</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s)</source>
        <translation>
            <numerusform>%1 onleesbare regel</numerusform>
            <numerusform>%1 onleesbare regels</numerusform>
        </translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>notes à travailler : les moins souvent justes, puis les plus souvent confondues · tendance : pente du score par séance</source>
        <translation>noten om te oefenen: de minst vaak goede, dan de vaakst verwisselde · trend: helling van de score per les</translation>
    </message>
    <message>
        <source>Bilan de la classe : %1</source>
        <translation>Overzicht van de klas: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 séance(s)</source>
        <translation>
            <numerusform>%1 les</numerusform>
            <numerusform>%1 lessen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 note(s)</source>
        <translation>
            <numerusform>%1 noot</numerusform>
            <numerusform>%1 noten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 justes</source>
        <translation>%1 goed</translation>
    </message>
    <message>
        <source>, à travailler : %1</source>
        <translation>, om te oefenen: %1</translation>
    </message>
    <message>
        <source>, tendance %1</source>
        <translation>, trend %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>%1 onleesbare regel overgeslagen</numerusform>
            <numerusform>%1 onleesbare regels overgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>octave</source>
        <translation>octaaf</translation>
    </message>
    <message>
        <source>note voisine</source>
        <translation>naburige noot</translation>
    </message>
    <message>
        <source>altération</source>
        <translation>voorteken</translation>
    </message>
    <message>
        <source>autre</source>
        <translation>andere</translation>
    </message>
    <message>
        <source>à la première séance</source>
        <translation>in de eerste les</translation>
    </message>
    <message>
        <source>à la dernière</source>
        <translation>in de laatste</translation>
    </message>
    <message>
        <source>sur les %1 premières séances</source>
        <translation>over de eerste %1 lessen</translation>
    </message>
    <message>
        <source>sur les %1 dernières</source>
        <translation>over de laatste %1</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punten</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punt</translation>
    </message>
    <message>
        <source>Score : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Score: %1 %2, %3 %4 (%5 per les).</translation>
    </message>
    <message>
        <source>Score : %1.</source>
        <translation>Score: %1.</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Mediane antwoordtijd: %1 %2, %3 %4 (%5 per les).</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1.</source>
        <translation>Mediane antwoordtijd: %1.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche.</source>
        <translation>Geen noot gemist, geen verkeerde toets.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler :</source>
        <translation>De vijf noten om te oefenen:</translation>
    </message>
    <message>
        <source>%1, %2 : %3 sur %4</source>
        <translation>%1, %2: %3 van %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 juste(s)</source>
        <translation>
            <numerusform>%1 goed</numerusform>
            <numerusform>%1 goed</numerusform>
        </translation>
    </message>
    <message>
        <source>, erreur la plus fréquente : %1 (%2)</source>
        <translation>, vaakste fout: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 fois</source>
        <translation>
            <numerusform>%1 keer</numerusform>
            <numerusform>%1 keer</numerusform>
        </translation>
    </message>
    <message>
        <source>, aucune fausse touche : le temps a manqué</source>
        <translation>, geen verkeerde toets: de tijd was te kort</translation>
    </message>
    <message>
        <source> ; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>sans ordinateur connu</source>
        <translation>zonder bekende computer</translation>
    </message>
    <message>
        <source>ordinateur %1</source>
        <translation>computer %1</translation>
    </message>
    <message>
        <source>Bilan de %1</source>
        <translation>Overzicht van %1</translation>
    </message>
    <message>
        <source>Aucun résultat dans ce fichier.</source>
        <translation>Geen resultaten in dit bestand.</translation>
    </message>
    <message>
        <source>%1 du %2 au %3 : %4</source>
        <translation>%1 van %2 tot %3: %4</translation>
    </message>
    <message>
        <source>Par ordinateur : %1.</source>
        <translation>Per computer: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté.</source>
        <translation>
            <numerusform>%1 onleesbare regel overgeslagen.</numerusform>
            <numerusform>%1 onleesbare regels overgeslagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 note(s) non affichée(s) laissée(s) de côté (image manquante).</source>
        <translation>
            <numerusform>%1 niet getoonde noot overgeslagen (afbeelding ontbreekt).</numerusform>
            <numerusform>%1 niet getoonde noten overgeslagen (afbeelding ontbreekt).</numerusform>
        </translation>
    </message>
    <message>
        <source>Image : %1</source>
        <translation>Afbeelding: %1</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes</source>
        <translation>Overzicht notenlezen</translation>
    </message>
    <message>
        <source>aucune note demandée dans cette clef</source>
        <translation>geen noot gevraagd in deze sleutel</translation>
    </message>
    <message>
        <source>souvent manquée</source>
        <translation>vaak gemist</translation>
    </message>
    <message>
        <source>toujours juste</source>
        <translation>altijd goed</translation>
    </message>
    <message>
        <source>à 5 : les notes à travailler</source>
        <translation>t/m 5: de noten om te oefenen</translation>
    </message>
    <message>
        <source>Sous chaque note : temps de réponse médian en secondes (le son compris).</source>
        <translation>Onder elke noot: mediane antwoordtijd in seconden (de klank meegerekend).</translation>
    </message>
    <message>
        <source>%1 : le do du milieu.</source>
        <translation>%1: de middelste C.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler</source>
        <translation>De vijf noten om te oefenen</translation>
    </message>
    <message>
        <source>Pas encore de résultats dans ce fichier.</source>
        <translation>Nog geen resultaten in dit bestand.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche : bravo !</source>
        <translation>Geen noot gemist, geen verkeerde toets: bravo!</translation>
    </message>
    <message>
        <source>%1 sur %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source> · temps médian %1</source>
        <translation> · mediane tijd %1</translation>
    </message>
    <message>
        <source>Erreur la plus fréquente : %1 (%2)</source>
        <translation>Vaakste fout: %1 (%2)</translation>
    </message>
    <message>
        <source>Aucune fausse touche : le temps a manqué</source>
        <translation>Geen verkeerde toets: de tijd was te kort</translation>
    </message>
    <message numerus="yes">
        <source>, %1 fois sans réponse</source>
        <translation>
            <numerusform>, %1 keer zonder antwoord</numerusform>
            <numerusform>, %1 keer zonder antwoord</numerusform>
        </translation>
    </message>
    <message>
        <source>séance, %1 ; chaque point : %2 séances de suite</source>
        <translation>les, %1; elk punt: %2 lessen achter elkaar</translation>
    </message>
    <message>
        <source>séance, %1</source>
        <translation>les, %1</translation>
    </message>
    <message>
        <source>de %1 à %2</source>
        <translation>van %1 naar %2</translation>
    </message>
    <message>
        <source>aucune séance</source>
        <translation>geen les</translation>
    </message>
    <message>
        <source>Les progrès, séance après séance</source>
        <translation>De voortgang, les na les</translation>
    </message>
    <message>
        <source>Notes justes, en % de chaque séance</source>
        <translation>Goede noten, in % van elke les</translation>
    </message>
    <message>
        <source>Temps de réponse médian, en secondes</source>
        <translation>Mediane antwoordtijd, in seconden</translation>
    </message>
    <message>
        <source> · temps de réponse médian %1</source>
        <translation> · mediane antwoordtijd %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 lignes de résultats lues</source>
        <translation>
            <numerusform>%1 regel met resultaten gelezen</numerusform>
            <numerusform>%1 regels met resultaten gelezen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %1 illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>, %1 onleesbare overgeslagen</numerusform>
            <numerusform>, %1 onleesbare overgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>vioolsleutel</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>bassleutel</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>dd-MM-yyyy</translation>
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
        <translation>De varianten:</translation>
    </message>
    <message>
        <source>Les notes des variantes sont en page suivante.</source>
        <translation>De noten van de varianten staan op de volgende pagina.</translation>
    </message>
    <message>
        <source>page %1 sur %2</source>
        <translation>pagina %1 van %2</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes : les variantes</source>
        <translation>Overzicht notenlezen: de varianten</translation>
    </message>
    <message>
        <source>À l&apos;oreille</source>
        <translation>Op het gehoor</translation>
    </message>
    <message>
        <source>Plusieurs notes</source>
        <translation>Meerdere noten</translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 dièse(s)</source>
        <translation>
            <numerusform>Voortekening: %1 kruis</numerusform>
            <numerusform>Voortekening: %1 kruisen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 bémol(s)</source>
        <translation>
            <numerusform>Voortekening: %1 mol</numerusform>
            <numerusform>Voortekening: %1 mollen</numerusform>
        </translation>
    </message>
    <message>
        <source>Sans armure (do majeur)</source>
        <translation>Zonder voortekening (C majeur)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 3e ligne (alto)</source>
        <translation>C-sleutel op de 3e lijn (alt)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 4e ligne (ténor)</source>
        <translation>C-sleutel op de 4e lijn (tenor)</translation>
    </message>
    <message>
        <source>les pages de chaque élève ensuite</source>
        <translation>daarna de bladzijden van elke leerling</translation>
    </message>
</context>
<context>
    <name>progress::PlayingPupil</name>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>Geen leerling: de oefeningen worden niet bewaard</translation>
    </message>
    <message>
        <source>Élève : %1, ses exercices sont enregistrés</source>
        <translation>Leerling: %1, de oefeningen worden bewaard</translation>
    </message>
    <message>
        <source> ; personne à partir du prochain exercice</source>
        <translation>; niemand vanaf de volgende oefening</translation>
    </message>
    <message>
        <source> ; %1 à partir du prochain exercice</source>
        <translation>; %1 vanaf de volgende oefening</translation>
    </message>
</context>
<context>
    <name>progress::PupilsTableModel</name>
    <message>
        <source>lecture…</source>
        <translation>wordt gelezen…</translation>
    </message>
    <message>
        <source>%1 lignes illisibles laissées de côté</source>
        <translation>%1 onleesbare regels overgeslagen</translation>
    </message>
    <message>
        <source>%1 ligne illisible laissée de côté</source>
        <translation>%1 onleesbare regel overgeslagen</translation>
    </message>
    <message>
        <source>jamais</source>
        <translation>nooit</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Leerling</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Lessen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noten</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Mediane tijd</translation>
    </message>
    <message>
        <source>Tendance</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Dernière séance</source>
        <translation>Laatste les</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Par ordinateur : %1</source>
        <translation>Per computer: %1</translation>
    </message>
</context>
</TS>
