<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>no display: set DISPLAY or run in a desktop session</source>
        <translation>nessuno schermo: imposta DISPLAY o avvia in una sessione desktop</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>un nome</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>un nome di file</translation>
    </message>
    <message>
        <source>a picture file name</source>
        <translation>un nome di file immagine</translation>
    </message>
    <message>
        <source>none or CLIENT:PORT</source>
        <translation>none o CLIENT:PORT</translation>
    </message>
    <message>
        <source>a device number</source>
        <translation>un numero di dispositivo</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>Joue par la sortie MIDI N (0 : le synthétiseur intégré).</source>
        <translation>Suona sull&apos;uscita MIDI N (0: il sintetizzatore integrato).</translation>
    </message>
    <message>
        <source>Liste les sorties MIDI.</source>
        <translation>Elenca le uscite MIDI.</translation>
    </message>
    <message>
        <source>Clavier MIDI : none, ou CLIENT:PORT (par défaut : tous).</source>
        <translation>Tastiera MIDI: none, o CLIENT:PORT (predefinito: tutte).</translation>
    </message>
    <message>
        <source>Liste les claviers MIDI.</source>
        <translation>Elenca le tastiere MIDI.</translation>
    </message>
    <message>
        <source>Ajoute le résultat de chaque note au fichier CSV FILE.</source>
        <translation>Aggiunge il risultato di ogni nota al file CSV FILE.</translation>
    </message>
    <message>
        <source>Fait le bilan du fichier de résultats FILE, sans fenêtre ; avec plusieurs fichiers ou --pupil, le bilan de la classe en PDF.</source>
        <translation>Fa il resoconto del file dei risultati FILE, senza finestra; con più file o --pupil, il resoconto della classe in PDF.</translation>
    </message>
    <message>
        <source>Image du bilan, .png, .jpg ou .pdf (par défaut : le nom du fichier en .png), ou PDF de la classe (class.pdf).</source>
        <translation>Immagine del resoconto, .png, .jpg o .pdf (predefinito: il nome del file in .png), o PDF della classe (class.pdf).</translation>
    </message>
    <message>
        <source>Les résultats de l&apos;élève NAME, dans le dossier des élèves.</source>
        <translation>I risultati dell&apos;allievo NAME, nella cartella degli allievi.</translation>
    </message>
    <message>
        <source>Liste les élèves, leurs séances et la dernière date.</source>
        <translation>Elenca gli allievi, le loro lezioni e l&apos;ultima data.</translation>
    </message>
    <message>
        <source>Les notes manquées reviennent plus souvent (avec --pupil ou --results).</source>
        <translation>Le note mancate ritornano più spesso (con --pupil o --results).</translation>
    </message>
    <message>
        <source>Limite les exercices aux notes de LOW à HIGH (60-67, do3-sol3).</source>
        <translation>Limita gli esercizi alle note da LOW a HIGH (60-67, do3-sol3).</translation>
    </message>
    <message>
        <source>Ouvre seule la fenêtre « Élèves » : la classe, les bilans, les réglages et les raccourcis des élèves.</source>
        <translation>Apre da sola la finestra «Allievi»: la classe, i resoconti, le impostazioni e i collegamenti degli allievi.</translation>
    </message>
    <message>
        <source>%1 needs %2 before %3</source>
        <translation>%1 richiede %2 prima di %3</translation>
    </message>
    <message>
        <source>--midi-out takes a device number, not &apos;%1&apos;</source>
        <translation>--midi-out vuole un numero di dispositivo, non «%1»</translation>
    </message>
    <message>
        <source>--midi-in takes none or CLIENT:PORT, not &apos;%1&apos;</source>
        <translation>--midi-in vuole none o CLIENT:PORT, non «%1»</translation>
    </message>
    <message>
        <source>--midi-in takes a CLIENT:PORT of 0 to 255 each, not &apos;%1&apos;</source>
        <translation>--midi-in vuole un CLIENT:PORT da 0 a 255 ciascuno, non «%1»</translation>
    </message>
    <message>
        <source>--results needs a file name</source>
        <translation>--results richiede un nome di file</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report richiede un nome di file</translation>
    </message>
    <message>
        <source>--out takes a .png, .jpg, .jpeg or .pdf file, not &apos;%1&apos;</source>
        <translation>--out vuole un file .png, .jpg, .jpeg o .pdf, non «%1»</translation>
    </message>
    <message>
        <source>--list-midi-out, --list-midi-in, --list-pupils and --report go alone</source>
        <translation>--list-midi-out, --list-midi-in, --list-pupils e --report vanno da soli</translation>
    </message>
    <message>
        <source>%1 does not go with --midi-out, --midi-in or --results</source>
        <translation>%1 non va con --midi-out, --midi-in o --results</translation>
    </message>
    <message>
        <source>--pupil needs a name</source>
        <translation>--pupil richiede un nome</translation>
    </message>
    <message>
        <source>several --pupil go with --report only</source>
        <translation>più --pupil vanno solo con --report</translation>
    </message>
    <message>
        <source>--pupil and --results both name the results file: give one</source>
        <translation>--pupil e --results indicano entrambi il file dei risultati: danne uno solo</translation>
    </message>
    <message>
        <source>--pupil goes with playing or with --report</source>
        <translation>--pupil va con il suonare o con --report</translation>
    </message>
    <message>
        <source>--focus goes with --pupil or --results, when playing</source>
        <translation>--focus va con --pupil o --results, quando si suona</translation>
    </message>
    <message>
        <source>--notes takes notes from 0 to 127 (do 0 is 24, sol 8 is 127), not &apos;%1&apos;</source>
        <translation>--notes vuole note da 0 a 127 (do 0 è 24, sol 8 è 127), non «%1»</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, the low note first, not &apos;%1&apos;</source>
        <translation>--notes vuole BASSA-ALTA, prima la nota bassa, non «%1»</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, as 60-67 or do3-sol3, low first, not &apos;%1&apos;</source>
        <translation>--notes vuole BASSA-ALTA, come 60-67 o do3-sol3, prima la bassa, non «%1»</translation>
    </message>
    <message>
        <source>--notes %1 leaves exercise %2 with fewer than %3 notes: two would only take turns</source>
        <translation>--notes %1 lascia all&apos;esercizio %2 meno di %3 note: due si alternerebbero soltanto</translation>
    </message>
    <message>
        <source>--report needs a file or --pupil NAME</source>
        <translation>--report richiede un file o --pupil NAME</translation>
    </message>
    <message>
        <source>Tavelin Piano: piano et lecture de notes.</source>
        <translation>Tavelin Piano: pianoforte e lettura delle note.</translation>
    </message>
    <message>
        <source>tavelin-piano: %1 (see --help)</source>
        <translation>tavelin-piano: %1 (vedi --help)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>Usage: tavelin-piano [options]</source>
        <translation>Uso: tavelin-piano [opzioni]</translation>
    </message>
    <message>
        <source>--pupils goes alone</source>
        <translation>--pupils va da solo</translation>
    </message>
    <message>
        <source>--notes goes with playing</source>
        <translation>--notes va con il suonare</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>nessuna cartella dati per gli allievi: né XDG_DATA_HOME né HOME sono impostati</translation>
    </message>
    <message>
        <source>the pupil&apos;s name &apos;%1&apos; cannot be kept: %2</source>
        <translation>il nome dell&apos;allievo «%1» non può essere conservato: %2</translation>
    </message>
    <message>
        <source>no pupil called &apos;%1&apos; in %2</source>
        <translation>nessun allievo di nome «%1» in %2</translation>
    </message>
    <message>
        <source>cannot read the pupil&apos;s file &apos;%1&apos;: %2</source>
        <translation>impossibile leggere il file dell&apos;allievo «%1»: %2</translation>
    </message>
    <message>
        <source>the pupil&apos;s file &apos;%1&apos; is not a regular file</source>
        <translation>il file dell&apos;allievo «%1» non è un file normale</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>Écrit tout le dossier de l&apos;élève NAME dans un fichier (--out FILE).</source>
        <translation>Scrive tutta la cartella dell&apos;allievo NAME in un file (--out FILE).</translation>
    </message>
    <message>
        <source>Ajoute à un élève les exercices du fichier FILE qu&apos;il n&apos;a pas encore (dossier exporté, ou résultats avec --pupil NAME).</source>
        <translation>Aggiunge a un allievo gli esercizi di FILE che non ha ancora (cartella esportata, o risultati con --pupil NAME).</translation>
    </message>
    <message>
        <source>--export-pupil needs --out FILE</source>
        <translation>--export-pupil richiede --out FILE</translation>
    </message>
    <message>
        <source>--out goes with --report or --export-pupil</source>
        <translation>--out va con --report o --export-pupil</translation>
    </message>
    <message>
        <source>--export-pupil NAME --out FILE and --import FILE [--pupil NAME] go alone</source>
        <translation>--export-pupil NAME --out FILE e --import FILE [--pupil NAME] vanno da soli</translation>
    </message>
    <message>
        <source>this computer has no id for the pupils&apos; files: %1</source>
        <translation>questo computer non ha un identificativo per i file degli allievi: %1</translation>
    </message>
    <message>
        <source>cannot make the pupil&apos;s folder in %1: %2</source>
        <translation>impossibile creare la cartella dell&apos;allievo in %1: %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valore mancante dopo «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore inatteso dopo «%1».</translation>
    </message>
    <message>
        <source>a variant</source>
        <translation>una variante</translation>
    </message>
    <message>
        <source>--variant goes with playing</source>
        <translation>--variant va con il suonare</translation>
    </message>
    <message>
        <source>Ce que jouent les exercices : ear (à l&apos;oreille), key=N (une armure, -4 à 4 bémols ou dièses ; key=new, une nouvelle à chaque exercice) ou phrase=N (N notes à lire à la suite, 4 à 8).</source>
        <translation>Che cosa suonano gli esercizi: ear (a orecchio), key=N (un&apos;armatura, da -4 a 4 bemolle o diesis; key=new, una nuova a ogni esercizio) o phrase=N (N note da leggere di seguito, da 4 a 8).</translation>
    </message>
    <message>
        <source>Ajoute les clefs d&apos;ut 3e et 4e ligne aux exercices 5 et 6.</source>
        <translation>Aggiunge le chiavi di contralto e di tenore agli esercizi 5 e 6.</translation>
    </message>
    <message>
        <source>--c-clefs goes with playing</source>
        <translation>--c-clefs vale solo per suonare</translation>
    </message>
    <message>
        <source>--variant takes ear, key, key=-4 to key=4, key=new or phrase=4 to phrase=8, not &apos;%1&apos;</source>
        <translation>--variant accetta ear, key, da key=-4 a key=4, key=new o da phrase=4 a phrase=8, non «%1»</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Commencer « %1 » : 50 notes</source>
        <translation>Inizia «%1»: 50 note</translation>
    </message>
    <message>
        <source>commence « %1 »</source>
        <translation>inizia «%1»</translation>
    </message>
    <message>
        <source>Vitesse : 3</source>
        <translation>Velocità: 3</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Note : 0</source>
        <translation>Nota: 0</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Nom de la note</source>
        <translation>Nome della nota</translation>
    </message>
    <message>
        <source>Clef de sol</source>
        <translation>Chiave di sol</translation>
    </message>
    <message>
        <source>les touches blanches de mi 2 à fa 5, en clef de sol.</source>
        <translation>i tasti bianchi da mi 2 a fa 5, in chiave di sol.</translation>
    </message>
    <message>
        <source>Clef de sol (# et b)</source>
        <translation>Chiave di sol (# e b)</translation>
    </message>
    <message>
        <source>toutes les touches de mi 2 à fa 5, les noires écrites avec un dièse ou un bémol.</source>
        <translation>tutti i tasti da mi 2 a fa 5, i neri scritti con un diesis o un bemolle.</translation>
    </message>
    <message>
        <source>Clef de fa</source>
        <translation>Chiave di fa</translation>
    </message>
    <message>
        <source>les touches blanches de do 1 à la 3, en clef de fa.</source>
        <translation>i tasti bianchi da do 1 a la 3, in chiave di fa.</translation>
    </message>
    <message>
        <source>Clef de fa (# et b)</source>
        <translation>Chiave di fa (# e b)</translation>
    </message>
    <message>
        <source>toutes les touches de do 1 à la 3.</source>
        <translation>tutti i tasti da do 1 a la 3.</translation>
    </message>
    <message>
        <source>Clefs de sol et de fa</source>
        <translation>Chiavi di sol e di fa</translation>
    </message>
    <message>
        <source>les touches blanches des deux, chacune dans une clef qui la porte.</source>
        <translation>i tasti bianchi di entrambe, ognuno in una chiave che lo contiene.</translation>
    </message>
    <message>
        <source>Toutes les notes</source>
        <translation>Tutte le note</translation>
    </message>
    <message>
        <source>toutes les touches, en clef de sol à partir du do du milieu (do 3), en clef de fa en dessous.</source>
        <translation>tutti i tasti, in chiave di sol dal do centrale (do 3) in su, in chiave di fa al di sotto.</translation>
    </message>
    <message>
        <source>%1 : les bonnes réponses de l&apos;exercice.</source>
        <translation>%1: le risposte giuste dell&apos;esercizio.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Afficher le nom de la note</source>
        <translation>Mostra il nome della nota</translation>
    </message>
    <message>
        <source>Cacher le nom de la note</source>
        <translation>Nascondi il nome della nota</translation>
    </message>
    <message>
        <source>Afficher ou cacher le nom de la note</source>
        <translation>Mostra o nascondi il nome della nota</translation>
    </message>
    <message>
        <source>« %1 » / « %2 »</source>
        <translation>«%1» / «%2»</translation>
    </message>
    <message>
        <source>Aide à la lecture</source>
        <translation>Aiuto alla lettura</translation>
    </message>
    <message>
        <source>%1 : le nom des notes sous les touches</source>
        <translation>%1: il nome delle note sotto i tasti</translation>
    </message>
    <message>
        <source>« %1 » : les noms sous les touches</source>
        <translation>«%1»: i nomi sotto i tasti</translation>
    </message>
    <message>
        <source>Noms des notes sous les touches</source>
        <translation>Nomi delle note sotto i tasti</translation>
    </message>
    <message>
        <source>%1 : de 1 (Lent, une note toutes les 6 s) à 5 (Rapide, toutes les 2 s), entre deux exercices.</source>
        <translation>%1: da 1 (Lento, una nota ogni 6 s) a 5 (Veloce, una ogni 2 s), tra un esercizio e l&apos;altro.</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Arrêter l&apos;exercice en cours</source>
        <translation>Ferma l&apos;esercizio in corso</translation>
    </message>
    <message>
        <source>Échap</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>« %1 » : arrête l&apos;exercice en cours</source>
        <translation>«%1»: ferma l&apos;esercizio in corso</translation>
    </message>
    <message>
        <source>%1 : jouer chaque note quand elle paraît</source>
        <translation>%1: suonare ogni nota quando appare</translation>
    </message>
    <message>
        <source>« %1 » : coche ou décoche le son des notes</source>
        <translation>«%1»: attiva o disattiva il suono delle note</translation>
    </message>
    <message>
        <source>La note à lire : jouez sa touche.</source>
        <translation>La nota da leggere: suona il suo tasto.</translation>
    </message>
    <message>
        <source>Note à lire</source>
        <translation>Nota da leggere</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>ouvre cette aide</source>
        <translation>apre questo aiuto</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Allievi</translation>
    </message>
    <message>
        <source>ouvre la fenêtre « %1 » : qui joue, la classe et les bilans</source>
        <translation>apre la finestra «%1»: chi suona, la classe e i resoconti</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Note : %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>Les images des notes sont introuvables dans %1 : les notes ne pourront pas s&apos;afficher.</source>
        <translation>Le immagini delle note non si trovano in %1: le note non potranno essere mostrate.</translation>
    </message>
    <message>
        <source>Vitesse : %1</source>
        <translation>Velocità: %1</translation>
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
        <translation>Allievi e progressi (%1)</translation>
    </message>
    <message>
        <source>Aide de Tavelin Piano</source>
        <translation>Aiuto di Tavelin Piano</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Chi suona</translation>
    </message>
    <message>
        <source>Élèves et progrès</source>
        <translation>Allievi e progressi</translation>
    </message>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>Nessun allievo: gli esercizi non vengono registrati</translation>
    </message>
    <message>
        <source>&lt;p&gt;Un piano et un entraînement à la lecture des notes. Le clavier de 54 touches joue comme un vrai piano, avec la souris, le clavier de l&apos;ordinateur ou un clavier MIDI. Un exercice montre 50 notes, une à la fois, sur la portée : jouez la touche de chaque note. Une bonne réponse ajoute un point au score ; la touche s&apos;allume en vert avec une coche. Une note manquée allume sa touche en rouge avec une croix, juste avant la note suivante. « Note : » compte les notes montrées.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Un pianoforte e un allenamento alla lettura delle note. La tastiera di 54 tasti suona come un vero pianoforte, con il mouse, la tastiera del computer o una tastiera MIDI. Un esercizio mostra 50 note, una alla volta, sul pentagramma: suona il tasto di ogni nota. Una risposta giusta aggiunge un punto al punteggio; il tasto si illumina di verde con un segno di spunta. Una nota mancata illumina il suo tasto di rosso con una croce, appena prima della nota seguente. «Nota:» conta le note mostrate.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Les six exercices&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; termine l&apos;exercice avant la fin. &lt;b&gt;%3&lt;/b&gt; fait entendre chaque note quand elle paraît. &lt;b&gt;%4&lt;/b&gt; fait glisser le nom de la note à côté de la portée ; &lt;b&gt;%5&lt;/b&gt; agrandit la fenêtre pour montrer le nom des notes sous les touches.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;I sei esercizi&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; termina l&apos;esercizio prima della fine. &lt;b&gt;%3&lt;/b&gt; fa sentire ogni nota quando appare. &lt;b&gt;%4&lt;/b&gt; fa scorrere il nome della nota accanto al pentagramma; &lt;b&gt;%5&lt;/b&gt; ingrandisce la finestra per mostrare il nome delle note sotto i tasti.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;La vitesse&lt;/h2&gt;&lt;p&gt;La barre &lt;b&gt;Vitesse&lt;/b&gt; va de 1 (&lt;b&gt;Lent&lt;/b&gt;, une note toutes les 6 secondes) à 5 (&lt;b&gt;Rapide&lt;/b&gt;, toutes les 2 secondes) : 6, 5, 4, 3 et 2 secondes. Elle se règle entre deux exercices. La réponse doit venir au plus tard 0,2 seconde avant la note suivante.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;La velocità&lt;/h2&gt;&lt;p&gt;La barra &lt;b&gt;Velocità&lt;/b&gt; va da 1 (&lt;b&gt;Lento&lt;/b&gt;, una nota ogni 6 secondi) a 5 (&lt;b&gt;Veloce&lt;/b&gt;, una ogni 2 secondi): 6, 5, 4, 3 e 2 secondi. Si regola tra un esercizio e l&apos;altro. La risposta deve arrivare al più tardi 0,2 secondi prima della nota seguente.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Raccourcis clavier&lt;/h2&gt;&lt;p&gt;Chaque raccourci fait exactement ce que fait un clic sur son bouton ; un bouton grisé ne fait rien.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Scorciatoie da tastiera&lt;/h2&gt;&lt;p&gt;Ogni scorciatoia fa esattamente ciò che fa un clic sul suo pulsante; un pulsante grigio non fa nulla.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Jouer au clavier de l&apos;ordinateur&lt;/h2&gt;&lt;p&gt;Deux rangées jouent comme un clavier de piano. Les touches comptent par leur place, pas par la lettre qu&apos;elles portent : AZERTY, QWERTZ et QWERTY jouent les mêmes notes aux mêmes places. La rangée du bas joue les touches blanches à partir du do 2 (do une octave sous le do du milieu), la rangée au-dessus les touches noires entre elles. La rangée du haut des lettres joue les touches blanches à partir du do du milieu (do 3), la rangée des chiffres ses touches noires. &lt;b&gt;Page ↑&lt;/b&gt; et &lt;b&gt;Page ↓&lt;/b&gt; montent ou descendent les deux rangées d&apos;une octave, d&apos;une octave au plus de chaque côté. Une touche tenue est une seule note.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;Le plan des touches du clavier de l&apos;ordinateur&quot;&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Suonare con la tastiera del computer&lt;/h2&gt;&lt;p&gt;Due file suonano come una tastiera di pianoforte. I tasti contano per la loro posizione, non per la lettera che portano: AZERTY, QWERTZ e QWERTY suonano le stesse note negli stessi posti. La fila in basso suona i tasti bianchi dal do 2 (un&apos;ottava sotto il do centrale), la fila sopra i tasti neri tra di essi. La fila di lettere in alto suona i tasti bianchi dal do centrale (do 3), la fila dei numeri i suoi tasti neri. &lt;b&gt;Pag ↑&lt;/b&gt; e &lt;b&gt;Pag ↓&lt;/b&gt; alzano o abbassano le due file di un&apos;ottava, al massimo di un&apos;ottava per lato. Un tasto tenuto premuto è una sola nota.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;La mappa dei tasti della tastiera del computer&quot;&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Clavier MIDI&lt;/h2&gt;&lt;p&gt;Branchez-le (USB ou interface MIDI) avant ou après le démarrage : tout clavier MIDI est relié de lui-même, et joue comme la souris, réponses comprises. Les notes hors du clavier à l&apos;écran sonnent mais ne comptent pas. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; liste les claviers vus ; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; n&apos;en relie qu&apos;un, &lt;code&gt;--midi-in none&lt;/code&gt; aucun ; &lt;code&gt;--midi-out N&lt;/code&gt; joue sur une autre sortie (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Tastiera MIDI&lt;/h2&gt;&lt;p&gt;Collegala (USB o interfaccia MIDI) prima o dopo l&apos;avvio: ogni tastiera MIDI viene collegata da sé e suona come il mouse, risposte comprese. Le note fuori dalla tastiera sullo schermo suonano ma non contano. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; elenca le tastiere trovate; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; ne collega una sola, &lt;code&gt;--midi-in none&lt;/code&gt; nessuna; &lt;code&gt;--midi-out N&lt;/code&gt; suona su un&apos;altra uscita (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pour les professeurs : résultats et bilan&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results FICHIER.csv&lt;/code&gt; ajoute au fichier, à la fin de chaque exercice, une ligne par note montrée : la note, sa clef, bonne ou manquée, le temps de réponse et les touches fausses jouées.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report FICHIER.csv&lt;/code&gt; lit ce fichier sans le changer, écrit un résumé et dessine le bilan (&lt;code&gt;report.png&lt;/code&gt; à côté du fichier, ou &lt;code&gt;--out IMAGE.png&lt;/code&gt;) : chaque note sur sa portée avec sa réussite, les cinq notes à travailler, et les progrès d&apos;une séance à l&apos;autre.&lt;/p&gt;&lt;p&gt;La fenêtre &lt;b&gt;Élèves&lt;/b&gt; (&lt;b&gt;F11&lt;/b&gt;, ou le bouton &lt;b&gt;Élèves et progrès&lt;/b&gt; ci-dessous) fait tout cela sans taper d&apos;option : elle choisit qui joue, liste la classe avec ses chiffres, montre le bilan de l&apos;élève choisi, garde ses réglages (notes faibles plus souvent, étendue des notes), crée son raccourci et exporte les bilans.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Per gli insegnanti: risultati e resoconto&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results FILE.csv&lt;/code&gt; aggiunge al file, alla fine di ogni esercizio, una riga per ogni nota mostrata: la nota, la sua chiave, giusta o mancata, il tempo di risposta e i tasti sbagliati suonati.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report FILE.csv&lt;/code&gt; legge questo file senza modificarlo, scrive un riepilogo e disegna il resoconto (&lt;code&gt;report.png&lt;/code&gt; accanto al file, oppure &lt;code&gt;--out IMMAGINE.png&lt;/code&gt;): ogni nota sul suo pentagramma con la sua riuscita, le cinque note su cui lavorare e i progressi da una lezione all&apos;altra.&lt;/p&gt;&lt;p&gt;La finestra &lt;b&gt;Allievi&lt;/b&gt; (&lt;b&gt;F11&lt;/b&gt;, o il pulsante &lt;b&gt;Allievi e progressi&lt;/b&gt; qui sotto) fa tutto questo senza digitare opzioni: sceglie chi suona, elenca la classe con i suoi numeri, mostra il resoconto dell&apos;allievo scelto, conserva le sue impostazioni (note deboli più spesso, estensione delle note), crea il suo collegamento ed esporta i resoconti.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;À propos&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, version %1.&lt;br&gt;Licence : GNU General Public License, version 3 ou ultérieure ; voir le fichier LICENSE.&lt;br&gt;Le son vient de FluidSynth et de la SoundFont General MIDI de Debian (fluid-soundfont-gm) ; les images sont dessinées par le programme avec les polices Liberation et Noto Music ; la fenêtre est faite avec Qt.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Informazioni&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, versione %1.&lt;br&gt;Licenza: GNU General Public License, versione 3 o successiva; vedere il file LICENSE.&lt;br&gt;Il suono viene da FluidSynth e dalla SoundFont General MIDI di Debian (fluid-soundfont-gm); le immagini sono disegnate dal programma con i caratteri Liberation e Noto Music; la finestra è fatta con Qt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Jouer au clavier de l&apos;ordinateur</source>
        <translation>Suonare con la tastiera del computer</translation>
    </message>
    <message>
        <source>En grand : la touche d&apos;un clavier %1 ; en petit : la même touche en %2. En bas : la note et son numéro MIDI (60 = do du milieu), sans décalage d&apos;octave. Touches grises : aucune note.</source>
        <translation>In grande: il tasto di una tastiera %1; in piccolo: lo stesso tasto in %2. In basso: la nota e il suo numero MIDI (60 = do centrale), senza spostamento d&apos;ottava. Tasti grigi: nessuna nota.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Au-delà des notes seules&lt;/h2&gt;&lt;p&gt;Dans la fenêtre &lt;b&gt;Élèves&lt;/b&gt;, les réglages d&apos;un élève choisissent ce que jouent les six boutons d&apos;exercice. &lt;b&gt;À l&apos;oreille&lt;/b&gt; : chaque note sonne d&apos;abord sur la portée vide ; elle s&apos;y dessine dès qu&apos;elle est jouée ou manquée, pour relier le son à sa place. &lt;b&gt;Dans une tonalité&lt;/b&gt; : les notes sont celles d&apos;une gamme majeure jusqu&apos;à quatre dièses ou bémols, choisie par le professeur ou nouvelle à chaque exercice ; la portée montre l&apos;armure, et une note que l&apos;armure altère n&apos;a pas de signe à côté d&apos;elle : jouez la touche qu&apos;elle veut dire dans cette tonalité. &lt;code&gt;--variant ear&lt;/code&gt; et &lt;code&gt;--variant key=N&lt;/code&gt; font de même pour un lancement.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Oltre le sole note&lt;/h2&gt;&lt;p&gt;Nella finestra &lt;b&gt;Allievi&lt;/b&gt;, le impostazioni di un allievo scelgono cosa suonano i sei pulsanti degli esercizi. &lt;b&gt;A orecchio&lt;/b&gt;: ogni nota suona prima sul pentagramma vuoto; vi si disegna appena viene suonata o mancata, per collegare il suono al suo posto. &lt;b&gt;In una tonalità&lt;/b&gt;: le note sono quelle di una scala maggiore fino a quattro diesis o bemolli, scelta dall&apos;insegnante o nuova a ogni esercizio; il pentagramma mostra l&apos;armatura, e una nota alterata dall&apos;armatura non ha alcun segno accanto: suona il tasto che indica in quella tonalità. &lt;code&gt;--variant ear&lt;/code&gt; e &lt;code&gt;--variant key=N&lt;/code&gt; fanno lo stesso per un solo avvio.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Plusieurs notes&lt;/b&gt; : quatre à huit notes côte à côte, à jouer dans l&apos;ordre ; une marque rouge passe à la suivante à chaque bonne touche, et la phrase dure autant de périodes qu&apos;elle a de notes. &lt;b&gt;Clefs d&apos;ut&lt;/b&gt; : les exercices 5 et 6 écrivent aussi des notes en clef d&apos;ut 3e ligne (alto) et 4e ligne (ténor). &lt;code&gt;--variant phrase=N&lt;/code&gt; et &lt;code&gt;--c-clefs&lt;/code&gt; font de même pour un lancement. Un lecteur d&apos;écran entend la clef, l&apos;armure et le nombre de notes, jamais les notes.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Più note&lt;/b&gt;: da quattro a otto note affiancate, da suonare in ordine; un segno rosso passa alla successiva a ogni tasto giusto, e la frase dura tanti periodi quante note ha. &lt;b&gt;Chiavi di do&lt;/b&gt;: gli esercizi 5 e 6 scrivono alcune note anche in chiave di contralto e di tenore. &lt;code&gt;--variant phrase=N&lt;/code&gt; e &lt;code&gt;--c-clefs&lt;/code&gt; fanno lo stesso per un avvio. Un lettore di schermo sente la chiave, l&apos;armatura e il numero di note, mai le note.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1; no MIDI keyboard input</source>
        <translation>%1; nessun ingresso dalla tastiera MIDI</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossibile scrivere sull&apos;uscita standard: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of results could not be written to &apos;%1&apos; and are lost</source>
        <translation>
            <numerusform>%n riga di risultati non si è potuta scrivere in «%1» ed è andata persa</numerusform>
            <numerusform>%n righe di risultati non si sono potute scrivere in «%1» e sono andate perse</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the pupil plays with the usual settings</source>
        <translation>%1; l&apos;allievo suona con le impostazioni abituali</translation>
    </message>
    <message>
        <source>%1 (--results)</source>
        <translation>%1 (--results)</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>nessuna cartella dati per gli allievi: né XDG_DATA_HOME né HOME sono impostati</translation>
    </message>
    <message>
        <source>%1; nothing was imported</source>
        <translation>%1; non è stato importato nulla</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>cannot make our ALSA input port: %1</source>
        <translation>impossibile creare la porta di ingresso ALSA del programma: %1</translation>
    </message>
    <message>
        <source>no ALSA announcements (%1); a keyboard plugged in later is not seen</source>
        <translation>nessun annuncio da ALSA (%1); una tastiera collegata più tardi non viene rilevata</translation>
    </message>
    <message>
        <source>cannot listen to MIDI port %1: %2</source>
        <translation>impossibile ascoltare la porta MIDI %1: %2</translation>
    </message>
    <message>
        <source>no MIDI port %1 yet; it is connected when it appears</source>
        <translation>la porta MIDI %1 non c&apos;è ancora; verrà collegata quando apparirà</translation>
    </message>
    <message>
        <source>MIDI keyboard input stopped: %1</source>
        <translation>ingresso dalla tastiera MIDI interrotto: %1</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>impossibile leggere «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a regular file</source>
        <translation>«%1» è una cartella, non un file normale</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>«%1» non è un file normale</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>più grande di %1 MB</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <translation>impossibile caricare l&apos;immagine %1: %2</translation>
    </message>
    <message>
        <source>cannot write the PDF &apos;%1&apos;</source>
        <translation>impossibile scrivere il PDF «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a device, not a results file</source>
        <translation>«%1» è un dispositivo, non un file dei risultati</translation>
    </message>
    <message>
        <source>several files go into one PDF: --out FILE.pdf, not &apos;%1&apos;</source>
        <translation>più file vanno in un solo PDF: --out FILE.pdf, non «%1»</translation>
    </message>
    <message>
        <source>the pupil &apos;%1&apos; is named more than once: counted once</source>
        <translation>l&apos;allievo «%1» è indicato più di una volta: contato una volta sola</translation>
    </message>
    <message>
        <source>the PDF &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>il PDF «%1» sostituirebbe il file dei risultati «%2»; indica un altro --out</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is &apos;%2&apos; under another name: counted once</source>
        <translation>«%1» è «%2» con un altro nome: contato una volta sola</translation>
    </message>
    <message>
        <source>%1; %2 is left out of the class report</source>
        <translation>%1; %2 resta fuori dal resoconto della classe</translation>
    </message>
    <message>
        <source>no pupil to report on: no PDF written</source>
        <translation>nessun allievo di cui fare il resoconto: nessun PDF scritto</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no computer id (id= followed by 16 hex digits)</source>
        <translation>«%1» non contiene un identificativo del computer (id= seguito da 16 cifre esadecimali)</translation>
    </message>
    <message>
        <source>cannot make the folder &apos;%1&apos;: %2</source>
        <translation>impossibile creare la cartella «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>impossibile scrivere «%1»: %2</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;</source>
        <translation>impossibile leggere «%1»</translation>
    </message>
    <message>
        <source>no data folder: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>nessuna cartella dati: né XDG_DATA_HOME né HOME sono impostati</translation>
    </message>
    <message>
        <source>impossible de créer le dossier « %1 » : %2</source>
        <translation>impossibile creare la cartella «%1»: %2</translation>
    </message>
    <message>
        <source>impossible de supprimer « %1 » : %2</source>
        <translation>impossibile eliminare «%1»: %2</translation>
    </message>
    <message>
        <source>%1; the notes are drawn evenly</source>
        <translation>%1; le note vengono estratte in modo uniforme</translation>
    </message>
    <message>
        <source>nom trop long</source>
        <translation>nome troppo lungo</translation>
    </message>
    <message>
        <source>pas d&apos;élève « %1 »</source>
        <translation>nessun allievo di nome «%1»</translation>
    </message>
    <message>
        <source>un élève s&apos;appelle déjà « %1 »</source>
        <translation>c&apos;è già un allievo di nome «%1»</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire « %1 » : %2</source>
        <translation>impossibile scrivere «%1»: %2</translation>
    </message>
    <message>
        <source>impossible de déplacer « %1 » : %2</source>
        <translation>impossibile spostare «%1»: %2</translation>
    </message>
    <message>
        <source>illisible : %1</source>
        <translation>illeggibile: %1</translation>
    </message>
    <message>
        <source>un dossier, pas un fichier de résultats</source>
        <translation>una cartella, non un file dei risultati</translation>
    </message>
    <message>
        <source>pas un fichier ordinaire (tube, appareil ou prise)</source>
        <translation>non è un file normale (pipe, dispositivo o socket)</translation>
    </message>
    <message>
        <source>impossible de lire le dossier « %1 » : %2</source>
        <translation>impossibile leggere la cartella «%1»: %2</translation>
    </message>
    <message>
        <source>le nom est vide</source>
        <translation>il nome è vuoto</translation>
    </message>
    <message>
        <source>le nom n&apos;est pas du texte lisible (UTF-8)</source>
        <translation>il nome non è testo leggibile (UTF-8)</translation>
    </message>
    <message>
        <source>le nom commence ou finit par une espace</source>
        <translation>il nome inizia o finisce con uno spazio</translation>
    </message>
    <message>
        <source>le nom contient un caractère de contrôle</source>
        <translation>il nome contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>le nom est trop long</source>
        <translation>il nome è troppo lungo</translation>
    </message>
    <message>
        <source>cet ordinateur n&apos;a pas d&apos;identifiant (computer.ini illisible)</source>
        <translation>questo computer non ha un identificativo (computer.ini illeggibile)</translation>
    </message>
    <message>
        <source>nom trop long pour les archives</source>
        <translation>nome troppo lungo per l&apos;archivio</translation>
    </message>
    <message>
        <source>nom de fichier qui n&apos;est pas celui d&apos;un élève</source>
        <translation>nome di file che non è quello di un allievo</translation>
    </message>
    <message>
        <source>a pupil&apos;s name cannot be empty</source>
        <translation>il nome di un allievo non può essere vuoto</translation>
    </message>
    <message>
        <source>its file name would take %1 bytes, and a file name has at most %2 (the name takes %3 bytes: at most %4 once &apos;%&apos;, &apos;/&apos;, control characters and bytes that are not UTF-8 count 3 each)</source>
        <translation>il suo nome di file occuperebbe %1 byte, e un nome di file ne ha al massimo %2 (il nome occupa %3 byte: al massimo %4, dato che &apos;%&apos;, &apos;/&apos;, i caratteri di controllo e i byte che non sono UTF-8 contano 3 ciascuno)</translation>
    </message>
    <message>
        <source>cannot read the folder &apos;%1&apos;: %2</source>
        <translation>impossibile leggere la cartella «%1»: %2</translation>
    </message>
    <message>
        <source>pas un fichier de résultats de Tavelin Piano</source>
        <translation>non è un file dei risultati di Tavelin Piano</translation>
    </message>
    <message>
        <source>still reading &apos;%1&apos; since an earlier run</source>
        <translation>lettura di «%1» ancora in corso da un&apos;esecuzione precedente</translation>
    </message>
    <message>
        <source>no results file to report on</source>
        <translation>nessun file dei risultati di cui fare il resoconto</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; must end in .png, .jpg, .jpeg or .pdf</source>
        <translation>l&apos;immagine «%1» deve finire con .png, .jpg, .jpeg o .pdf</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>l&apos;immagine «%1» sostituirebbe il file dei risultati «%2»; indica un altro --out</translation>
    </message>
    <message>
        <source>cannot write the picture &apos;%1&apos;: %2</source>
        <translation>impossibile scrivere l&apos;immagine «%1»: %2</translation>
    </message>
    <message>
        <source>cannot open &apos;%1&apos;: %2</source>
        <translation>impossibile aprire «%1»: %2</translation>
    </message>
    <message>
        <source>cannot lock &apos;%1&apos;: %2</source>
        <translation>impossibile bloccare «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stayed locked by another program</source>
        <translation>«%1» è rimasto bloccato da un altro programma</translation>
    </message>
    <message>
        <source>cannot read the size of &apos;%1&apos;: %2</source>
        <translation>impossibile leggere la dimensione di «%1»: %2</translation>
    </message>
    <message>
        <source>gave up writing to &apos;%1&apos;</source>
        <translation>scrittura in «%1» abbandonata</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was taken away while it was written</source>
        <translation>«%1» è stato tolto mentre veniva scritto</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a results file: its first line is not the header %2</source>
        <translation>«%1» non è un file dei risultati: la sua prima riga non è l&apos;intestazione %2</translation>
    </message>
    <message>
        <source>cannot write to &apos;%1&apos;: %2</source>
        <translation>impossibile scrivere in «%1»: %2</translation>
    </message>
    <message>
        <source>%1; the results are kept for the next try, the exercise goes on</source>
        <translation>%1; i risultati sono conservati per il prossimo tentativo, l&apos;esercizio continua</translation>
    </message>
    <message>
        <source>the record &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>il file di esportazione «%1» sostituirebbe il file dei risultati «%2»; indica un altro --out</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : sa ligne %2 n&apos;est pas un résultat</source>
        <translation>«%1» è danneggiato: la sua riga %2 non è un risultato</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : il s&apos;arrête avant ses résultats</source>
        <translation>«%1» è incompleto: si interrompe prima dei suoi risultati</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : %2</source>
        <translation>«%1» è danneggiato: %2</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne n&apos;est pas « # fin : N lignes », il a été coupé en route</source>
        <translation>«%1» è incompleto: la sua ultima riga non è «# fin : N lignes», è stato troncato a metà</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : %2 lignes au lieu de %3</source>
        <translation>«%1» è incompleto: %2 righe invece di %3</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est ni un dossier d&apos;élève ni un fichier de résultats de Tavelin Piano</source>
        <translation>«%1» non è né una cartella dell&apos;allievo né un file dei risultati di Tavelin Piano</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne est coupée</source>
        <translation>«%1» è incompleto: la sua ultima riga è troncata</translation>
    </message>
    <message>
        <source>« %1 » ne dit pas de quel élève il est : nommez-le (--pupil NOM) ou choisissez-le dans la liste</source>
        <translation>«%1» non dice di quale allievo sia: indicalo (--pupil NAME) o sceglilo nell&apos;elenco</translation>
    </message>
    <message>
        <source>no ALSA sequencer (/dev/snd/seq: %1)</source>
        <translation>nessun sequencer ALSA (/dev/snd/seq: %1)</translation>
    </message>
    <message>
        <source>ALSA port %1 is gone</source>
        <translation>la porta ALSA %1 non c&apos;è più</translation>
    </message>
    <message>
        <source>cannot make our ALSA port: %1</source>
        <translation>impossibile creare la porta ALSA del programma: %1</translation>
    </message>
    <message>
        <source>cannot connect to ALSA port %1: %2</source>
        <translation>impossibile collegarsi alla porta ALSA %1: %2</translation>
    </message>
    <message>
        <source>SoundFont not found: %1</source>
        <translation>SoundFont non trovata: %1</translation>
    </message>
    <message>
        <source>SoundFont is not a file: %1</source>
        <translation>la SoundFont non è un file: %1</translation>
    </message>
    <message>
        <source>SoundFont unreadable: %1</source>
        <translation>SoundFont illeggibile: %1</translation>
    </message>
    <message>
        <source>SoundFont too short: %1</source>
        <translation>SoundFont troppo corta: %1</translation>
    </message>
    <message>
        <source>not a SoundFont (no RIFF sfbk header): %1</source>
        <translation>non è una SoundFont (manca l&apos;intestazione RIFF sfbk): %1</translation>
    </message>
    <message>
        <source>SoundFont truncated (%1 of %2 bytes): %3</source>
        <translation>SoundFont troncata (%1 byte su %2): %3</translation>
    </message>
    <message>
        <source>FluidSynth could not make its settings</source>
        <translation>FluidSynth non ha potuto creare le sue impostazioni</translation>
    </message>
    <message>
        <source>FluidSynth could not make its synthesizer: %1</source>
        <translation>FluidSynth non ha potuto creare il suo sintetizzatore: %1</translation>
    </message>
    <message>
        <source>could not start the SoundFont loader: %1</source>
        <translation>impossibile avviare il caricatore delle SoundFont: %1</translation>
    </message>
    <message>
        <source>sample rate refused: %1</source>
        <translation>frequenza di campionamento rifiutata: %1</translation>
    </message>
    <message>
        <source>gain refused: %1</source>
        <translation>guadagno rifiutato: %1</translation>
    </message>
    <message>
        <source>audio buffer refused: %1 periods of %2 frames</source>
        <translation>buffer audio rifiutato: %1 periodi di %2 frame</translation>
    </message>
    <message>
        <source>no audio output (no audio driver named)</source>
        <translation>nessuna uscita audio (nessun driver audio indicato)</translation>
    </message>
    <message>
        <source>no audio output (%1)</source>
        <translation>nessuna uscita audio (%1)</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>nessun motivo indicato</translation>
    </message>
    <message>
        <source>it has no piano, bank 0 program 0</source>
        <translation>non contiene un pianoforte (banco 0, programma 0)</translation>
    </message>
    <message>
        <source>the SoundFont %1 did not load (%2); the built-in synthesizer stays silent</source>
        <translation>la SoundFont %1 non si è caricata (%2); il sintetizzatore integrato resta muto</translation>
    </message>
    <message>
        <source>%1; only the built-in synthesizer is offered</source>
        <translation>%1; viene proposto solo il sintetizzatore integrato</translation>
    </message>
    <message>
        <source>the built-in synthesizer cannot start: %1</source>
        <translation>il sintetizzatore integrato non può avviarsi: %1</translation>
    </message>
    <message>
        <source>Synthétiseur intégré (FluidSynth)</source>
        <translation>Sintetizzatore integrato (FluidSynth)</translation>
    </message>
    <message>
        <source>no system bus</source>
        <translation>nessun bus di sistema</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>no real-time priority for the sound (%1; RealtimeKit: %2): notes may break up while the machine is busy</source>
        <translation>nessuna priorità in tempo reale per il suono (%1; RealtimeKit: %2): le note possono spezzarsi quando il computer è molto occupato</translation>
    </message>
    <message>
        <source>no sound source or no sample format</source>
        <translation>nessuna sorgente audio o nessun formato dei campioni</translation>
    </message>
    <message>
        <source>could not start the sound&apos;s report thread: %1</source>
        <translation>impossibile avviare il thread che segnala lo stato del suono: %1</translation>
    </message>
    <message>
        <source>libpulse could not make its mainloop</source>
        <translation>libpulse non ha potuto creare il suo ciclo principale</translation>
    </message>
    <message>
        <source>libpulse could not start its mainloop thread</source>
        <translation>libpulse non ha potuto avviare il thread del suo ciclo principale</translation>
    </message>
    <message>
        <source>the sound server does not answer (%1 ms)</source>
        <translation>il server audio non risponde (%1 ms)</translation>
    </message>
    <message>
        <source>no sound server (%1)</source>
        <translation>nessun server audio (%1)</translation>
    </message>
    <message>
        <source>the sound server cannot be reached; the built-in synthesizer is silent until it is back</source>
        <translation>il server audio non è raggiungibile; il sintetizzatore integrato resta muto finché non torna disponibile</translation>
    </message>
    <message>
        <source>the sound server cannot be reached (%1); the built-in synthesizer is silent until it is back</source>
        <translation>il server audio non è raggiungibile (%1); il sintetizzatore integrato resta muto finché non torna disponibile</translation>
    </message>
    <message>
        <source>the sound server does not answer; the built-in synthesizer is silent until it does</source>
        <translation>il server audio non risponde; il sintetizzatore integrato resta muto finché non risponde di nuovo</translation>
    </message>
    <message>
        <source>cannot load the font %1 (%2); install the Debian package %3</source>
        <translation>impossibile caricare il carattere %1 (%2); installa il pacchetto Debian %3</translation>
    </message>
    <message>
        <source>focus=%1 : ni oui ni non</source>
        <translation>focus=%1: né oui né non</translation>
    </message>
    <message>
        <source>notes=%1 : pas une étendue de notes (BAS-HAUT, comme 60-67 ou do3-sol3)</source>
        <translation>notes=%1: non è un&apos;estensione di note (BASSA-ALTA, come 60-67 o do3-sol3)</translation>
    </message>
    <message>
        <source>notes=%1 : l&apos;exercice %2 aurait moins de deux notes</source>
        <translation>notes=%1: l&apos;esercizio %2 avrebbe meno di due note</translation>
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>impossibile leggere «%1»: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>«%1» non è un file normale</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour des réglages</source>
        <translation>«%1» è troppo grande per delle impostazioni</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour le dossier d&apos;un élève</source>
        <translation>«%1» è troppo grande per la cartella di un allievo</translation>
    </message>
    <message>
        <source>variante=%1 : pas un exercice que le piano connaît</source>
        <translation>variante=%1: non è un esercizio che il pianoforte conosca</translation>
    </message>
    <message>
        <source>clefs_ut=%1 : ni oui ni non</source>
        <translation>clefs_ut=%1: né oui né non</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>fr</source>
        <extracomment>The code of this translation&apos;s language (&quot;de&quot;, &quot;pt&quot;): it chooses how notes are named (keyboard/notenaming.cpp).</extracomment>
        <translation>it</translation>
    </message>
</context>
<context>
    <name>NotePanel</name>
    <message>
        <source>Note sur la portée : clef de sol, avec un dièse</source>
        <translation>Nota sul pentagramma: chiave di sol, con un diesis</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un dièse</source>
        <translation>Nota sul pentagramma: chiave di fa, con un diesis</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol, avec un bémol</source>
        <translation>Nota sul pentagramma: chiave di sol, con un bemolle</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un bémol</source>
        <translation>Nota sul pentagramma: chiave di fa, con un bemolle</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol</source>
        <translation>Nota sul pentagramma: chiave di sol</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa</source>
        <translation>Nota sul pentagramma: chiave di fa</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Début de l&apos;exercice : 50 notes</source>
        <translation>Inizio dell&apos;esercizio: 50 note</translation>
    </message>
    <message>
        <source>Fin de l&apos;exercice</source>
        <translation>Fine dell&apos;esercizio</translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>chiave di sol</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>chiave di fa</translation>
    </message>
    <message>
        <source>clef d&apos;ut 3e ligne</source>
        <translation>chiave di contralto</translation>
    </message>
    <message>
        <source>clef d&apos;ut 4e ligne</source>
        <translation>chiave di tenore</translation>
    </message>
    <message numerus="yes">
        <source>armure de %n dièse(s)</source>
        <translation>
            <numerusform>armatura con %n diesis</numerusform>
            <numerusform>armatura con %n diesis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>armure de %n bémol(s)</source>
        <translation>
            <numerusform>armatura con %n bemolle</numerusform>
            <numerusform>armatura con %n bemolle</numerusform>
        </translation>
    </message>
    <message>
        <source>sans armure</source>
        <translation>senza armatura</translation>
    </message>
    <message>
        <source>Portée en %1 : écoutez la note</source>
        <translation>Pentagramma in %1: ascolta la nota</translation>
    </message>
    <message>
        <source>Note sur la portée : %1, %2</source>
        <translation>Nota sul pentagramma: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes sur la portée : %1, %2</source>
        <translation>
            <numerusform>%n nota sul pentagramma: %1, %2</numerusform>
            <numerusform>%n note sul pentagramma: %1, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>notes</source>
        <comment>under the number of notes of an exercise</comment>
        <translation>note</translation>
    </message>
    <message>
        <source>Prêt&#x202f;?</source>
        <translation>Pronto?</translation>
    </message>
    <message>
        <source>La première note arrive…</source>
        <translation>Arriva la prima nota…</translation>
    </message>
    <message>
        <source>Exercice terminé</source>
        <translation>Esercizio finito</translation>
    </message>
    <message>
        <source>Bravo&#x202f;!</source>
        <translation>Bravo!</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Choisissez un exercice</source>
        <translation>Scegli un esercizio</translation>
    </message>
    <message>
        <source>à droite →</source>
        <comment>the exercise buttons are to the right</comment>
        <translation>a destra →</translation>
    </message>
    <message>
        <source>lecture de notes au clavier</source>
        <comment>the tagline under the program&apos;s name</comment>
        <translation>lettura delle note alla tastiera</translation>
    </message>
    <message>
        <source>Quelle est cette note&#x202f;?</source>
        <comment>along the foot of every note</comment>
        <translation>Che nota è questa?</translation>
    </message>
    <message>
        <source>Écoutez…</source>
        <comment>along the foot of the staff while a note is heard</comment>
        <translation>Ascolta…</translation>
    </message>
    <message>
        <source>Jouez-les…</source>
        <comment>along the foot of a phrase: play the notes in order</comment>
        <translation>Suonale in ordine…</translation>
    </message>
</context>
<context>
    <name>PupilsWindow</name>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>impossibile leggere «%1»: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>«%1» non è un file normale</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Allievi</translation>
    </message>
    <message>
        <source>aucun élève</source>
        <translation>nessun allievo</translation>
    </message>
    <message>
        <source>%v fichiers lus sur %m</source>
        <translation>%v file letti su %m</translation>
    </message>
    <message>
        <source>&amp;Qui joue :</source>
        <translation>Chi s&amp;uona:</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Chi suona</translation>
    </message>
    <message>
        <source>Ouverte seule, la fenêtre n&apos;enregistre rien : choisissez qui joue depuis le piano (F11)</source>
        <translation>Aperta da sola, la finestra non registra nulla: scegli chi suona dal pianoforte (F11)</translation>
    </message>
    <message>
        <source>L&apos;élève dont les exercices sont enregistrés, à partir du prochain</source>
        <translation>L&apos;allievo di cui si registrano gli esercizi, a partire dal prossimo</translation>
    </message>
    <message>
        <source>Liste des élèves</source>
        <translation>Elenco degli allievi</translation>
    </message>
    <message>
        <source>Une ligne par élève ; cochez les élèves du bilan de la classe</source>
        <translation>Una riga per allievo; spunta gli allievi del resoconto della classe</translation>
    </message>
    <message>
        <source>La cla&amp;sse :</source>
        <translation>La cla&amp;sse:</translation>
    </message>
    <message>
        <source>Lecture des fichiers</source>
        <translation>Lettura dei file</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>&amp;Ajouter…</source>
        <translation>&amp;Aggiungi…</translation>
    </message>
    <message>
        <source>Ajouter un élève</source>
        <translation>Aggiungi un allievo</translation>
    </message>
    <message>
        <source>&amp;Renommer…</source>
        <translation>&amp;Rinomina…</translation>
    </message>
    <message>
        <source>Renommer l&apos;élève choisi ; tous ses exercices le suivent</source>
        <translation>Rinomina l&apos;allievo scelto; tutti i suoi esercizi lo seguono</translation>
    </message>
    <message>
        <source>Archi&amp;ver…</source>
        <translation>Archi&amp;via…</translation>
    </message>
    <message>
        <source>Ranger l&apos;élève choisi dans les archives, sans rien effacer</source>
        <translation>Metti l&apos;allievo scelto in archivio, senza cancellare nulla</translation>
    </message>
    <message>
        <source>Arc&amp;hives…</source>
        <translation>Arc&amp;hivio…</translation>
    </message>
    <message>
        <source>Voir les élèves archivés et en restaurer un</source>
        <translation>Vedi gli allievi archiviati e ripristinane uno</translation>
    </message>
    <message>
        <source>Créer un ra&amp;ccourci</source>
        <translation>Crea un &amp;collegamento</translation>
    </message>
    <message>
        <source>Une icône « Piano — NOM » qui lance le piano pour l&apos;élève choisi</source>
        <translation>Un&apos;icona «Piano — NOME» che apre il pianoforte per l&apos;allievo scelto</translation>
    </message>
    <message>
        <source>Créer un raccourci</source>
        <translation>Crea un collegamento</translation>
    </message>
    <message>
        <source>&amp;Exporter le bilan…</source>
        <translation>&amp;Esporta il resoconto…</translation>
    </message>
    <message>
        <source>Le bilan de l&apos;élève choisi en PDF ou en PNG</source>
        <translation>Il resoconto dell&apos;allievo scelto in PDF o PNG</translation>
    </message>
    <message>
        <source>Exporter la c&amp;lasse…</source>
        <translation>Esporta la c&amp;lasse…</translation>
    </message>
    <message>
        <source>Le bilan de la classe en PDF, pour les élèves cochés</source>
        <translation>Il resoconto della classe in PDF, per gli allievi spuntati</translation>
    </message>
    <message>
        <source>Co&amp;pier les résultats…</source>
        <translation>Co&amp;pia i risultati…</translation>
    </message>
    <message>
        <source>Une copie du fichier de résultats de l&apos;élève choisi</source>
        <translation>Una copia del file dei risultati dell&apos;allievo scelto</translation>
    </message>
    <message>
        <source>Réglages de l&apos;élève</source>
        <translation>Impostazioni dell&apos;allievo</translation>
    </message>
    <message>
        <source>Notes &amp;faibles plus souvent</source>
        <translation>Note &amp;deboli più spesso</translation>
    </message>
    <message>
        <source>Notes faibles plus souvent</source>
        <translation>Note deboli più spesso</translation>
    </message>
    <message>
        <source>Les notes souvent manquées reviennent plus souvent (comme --focus)</source>
        <translation>Le note spesso mancate ritornano più spesso (come --focus)</translation>
    </message>
    <message>
        <source>Étendue des notes</source>
        <translation>Estensione delle note</translation>
    </message>
    <message>
        <source>toutes, ou 60-67, do3-sol3</source>
        <translation>tutte, o 60-67, do3-sol3</translation>
    </message>
    <message>
        <source>Vide : toutes les notes ; sinon BAS-HAUT comme --notes (60-67, do3-sol3)</source>
        <translation>Vuoto: tutte le note; altrimenti BASSA-ALTA come con --notes (60-67, do3-sol3)</translation>
    </message>
    <message>
        <source>É&amp;tendue :</source>
        <translation>Es&amp;tensione:</translation>
    </message>
    <message>
        <source>Bilan de l&apos;élève</source>
        <translation>Resoconto dell&apos;allievo</translation>
    </message>
    <message>
        <source>Bilan</source>
        <translation>Resoconto</translation>
    </message>
    <message>
        <source>Liste et bilan</source>
        <translation>Elenco e resoconto</translation>
    </message>
    <message>
        <source>Personne (rien n&apos;est enregistré)</source>
        <translation>Nessuno (non si registra nulla)</translation>
    </message>
    <message>
        <source>Réglages illisibles, ceux par défaut s&apos;appliquent : %1</source>
        <translation>Impostazioni illeggibili, valgono quelle predefinite: %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer pour %1 : %2</source>
        <translation>Impossibile registrare per %1: %2</translation>
    </message>
    <message>
        <source>Étendue refusée : %1</source>
        <translation>Estensione rifiutata: %1</translation>
    </message>
    <message>
        <source>Réglages non enregistrés : %1</source>
        <translation>Impostazioni non salvate: %1</translation>
    </message>
    <message>
        <source>Réglages de %1 enregistrés : %2, %3</source>
        <translation>Impostazioni di %1 salvate: %2, %3</translation>
    </message>
    <message>
        <source>notes faibles plus souvent</source>
        <translation>note deboli più spesso</translation>
    </message>
    <message>
        <source>tirage égal</source>
        <translation>estrazione uniforme</translation>
    </message>
    <message>
        <source>notes %1</source>
        <translation>note %1</translation>
    </message>
    <message>
        <source>toutes les notes</source>
        <translation>tutte le note</translation>
    </message>
    <message>
        <source>Choisissez un élève pour voir son bilan.</source>
        <translation>Scegli un allievo per vedere il suo resoconto.</translation>
    </message>
    <message>
        <source>Lecture du fichier…</source>
        <translation>Lettura del file…</translation>
    </message>
    <message>
        <source>Pas de bilan : %1</source>
        <translation>Nessun resoconto: %1</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séances, %3 notes, %4 justes</source>
        <translation>Resoconto di %1: %2 lezioni, %3 note, %4 giuste</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séance, %3 notes, %4 justes</source>
        <translation>Resoconto di %1: %2 lezione, %3 note, %4 giuste</translation>
    </message>
    <message>
        <source>Nom de l&apos;élève :</source>
        <translation>Nome dell&apos;allievo:</translation>
    </message>
    <message>
        <source>Élève non ajouté : %1</source>
        <translation>Allievo non aggiunto: %1</translation>
    </message>
    <message>
        <source>%1 ajouté(e)</source>
        <translation>%1 aggiunto/a</translation>
    </message>
    <message>
        <source>%1 joue : choisissez d&apos;abord quelqu&apos;un d&apos;autre dans « Qui joue »</source>
        <translation>%1 sta suonando: scegli prima qualcun altro in «Chi suona»</translation>
    </message>
    <message>
        <source>Renommer un élève</source>
        <translation>Rinomina un allievo</translation>
    </message>
    <message>
        <source>Nouveau nom de %1 :</source>
        <translation>Nuovo nome di %1:</translation>
    </message>
    <message>
        <source>Pas renommé : %1</source>
        <translation>Non rinominato: %1</translation>
    </message>
    <message>
        <source> ; son raccourci aussi</source>
        <translation>; anche il suo collegamento</translation>
    </message>
    <message>
        <source> ; raccourci : %1</source>
        <translation>; collegamento: %1</translation>
    </message>
    <message>
        <source>%1 s&apos;appelle maintenant %2%3</source>
        <translation>%1 ora si chiama %2%3</translation>
    </message>
    <message>
        <source>Archiver un élève</source>
        <translation>Archivia un allievo</translation>
    </message>
    <message>
        <source>Ranger %1 dans les archives ? Rien n&apos;est effacé : ses résultats et ses réglages restent dans le dossier des archives, d&apos;où « Archives… » les restaure.</source>
        <translation>Mettere %1 in archivio? Non si cancella nulla: i suoi risultati e le sue impostazioni restano nella cartella dell&apos;archivio, da cui «Archivio…» li ripristina.</translation>
    </message>
    <message>
        <source>Archiver</source>
        <translation>Archivia</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Pas archivé : %1</source>
        <translation>Non archiviato: %1</translation>
    </message>
    <message>
        <source>Raccourci de l&apos;élève</source>
        <translation>Collegamento dell&apos;allievo</translation>
    </message>
    <message>
        <source>Supprimer aussi le raccourci « Piano — %1 » ?</source>
        <translation>Eliminare anche il collegamento «Piano — %1»?</translation>
    </message>
    <message>
        <source>Supprimer le raccourci</source>
        <translation>Elimina il collegamento</translation>
    </message>
    <message>
        <source>Le garder</source>
        <translation>Tienilo</translation>
    </message>
    <message>
        <source>, son raccourci supprimé</source>
        <translation>, il suo collegamento eliminato</translation>
    </message>
    <message>
        <source>%1 archivé(e)%2%3</source>
        <translation>%1 archiviato/a%2%3</translation>
    </message>
    <message>
        <source> sous le nom %1</source>
        <translation> con il nome %1</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archivio</translation>
    </message>
    <message>
        <source>Élèves archivés</source>
        <translation>Allievi archiviati</translation>
    </message>
    <message>
        <source>&amp;Restaurer</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Restaurer</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Aucun élève archivé.</source>
        <translation>Nessun allievo archiviato.</translation>
    </message>
    <message>
        <source>Élèves archivés :</source>
        <translation>Allievi archiviati:</translation>
    </message>
    <message>
        <source>Pas restauré : %1</source>
        <translation>Non ripristinato: %1</translation>
    </message>
    <message>
        <source>%1 restauré(e), avec tous ses exercices</source>
        <translation>%1 ripristinato/a, con tutti i suoi esercizi</translation>
    </message>
    <message>
        <source>Raccourci non créé : %1</source>
        <translation>Collegamento non creato: %1</translation>
    </message>
    <message>
        <source>Raccourci « Piano — %1 » créé : %2</source>
        <translation>Collegamento «Piano — %1» creato: %2</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats de %2 : choisissez un autre nom</source>
        <translation>«%1» è il file dei risultati di %2: scegli un altro nome</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats en cours : choisissez un autre nom</source>
        <translation>«%1» è il file dei risultati in uso: scegli un altro nome</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève dont le fichier se lit</source>
        <translation>scegli prima un allievo il cui file si possa leggere</translation>
    </message>
    <message>
        <source>« %1 » doit finir par .pdf, .png, .jpg ou .jpeg</source>
        <translation>«%1» deve finire con .pdf, .png, .jpg o .jpeg</translation>
    </message>
    <message>
        <source>cochez d&apos;abord les élèves du bilan, dans la liste</source>
        <translation>spunta prima nell&apos;elenco gli allievi del resoconto</translation>
    </message>
    <message>
        <source>le bilan de la classe est un PDF : « %1 » doit finir par .pdf</source>
        <translation>il resoconto della classe è un PDF: «%1» deve finire con .pdf</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève</source>
        <translation>scegli prima un allievo</translation>
    </message>
    <message>
        <source>Exporter le bilan de %1</source>
        <translation>Esporta il resoconto di %1</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Image PNG (*.png)</source>
        <translation>PDF (*.pdf);;Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>Bilan de %1 exporté : %2</source>
        <translation>Resoconto di %1 esportato: %2</translation>
    </message>
    <message>
        <source>Pas exporté : %1</source>
        <translation>Non esportato: %1</translation>
    </message>
    <message>
        <source>Cochez d&apos;abord les élèves du bilan, dans la liste (Espace coche l&apos;élève choisi)</source>
        <translation>Spunta prima nell&apos;elenco gli allievi del resoconto (Spazio spunta l&apos;allievo scelto)</translation>
    </message>
    <message>
        <source>Exporter le bilan de la classe</source>
        <translation>Esporta il resoconto della classe</translation>
    </message>
    <message>
        <source>classe.pdf</source>
        <translation>classe.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Bilan de la classe exporté : %1</source>
        <translation>Resoconto della classe esportato: %1</translation>
    </message>
    <message>
        <source>Copier les résultats de %1</source>
        <translation>Copia i risultati di %1</translation>
    </message>
    <message>
        <source> - résultats.csv</source>
        <translation> - risultati.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Résultats de %1 copiés : %2</source>
        <translation>Risultati di %1 copiati: %2</translation>
    </message>
    <message>
        <source>Pas copié : %1</source>
        <translation>Non copiato: %1</translation>
    </message>
    <message>
        <source>I&amp;mporter…</source>
        <translation>&amp;Importa…</translation>
    </message>
    <message>
        <source>Ajouter les exercices d&apos;un dossier exporté, ou d&apos;un fichier de résultats à l&apos;élève choisi ; ceux qu&apos;il a déjà ne comptent pas deux fois</source>
        <translation>Aggiungere all&apos;allievo scelto gli esercizi di una cartella esportata o di un file di risultati; quelli che ha già non contano due volte</translation>
    </message>
    <message>
        <source>%1 : %2 ajoutés, %3 déjà là</source>
        <translation>%1: %2 aggiunti, %3 già presenti</translation>
    </message>
    <message>
        <source>1 exercice</source>
        <translation>1 esercizio</translation>
    </message>
    <message>
        <source>%1 exercices</source>
        <translation>%1 esercizi</translation>
    </message>
    <message>
        <source>Importer des exercices</source>
        <translation>Importa esercizi</translation>
    </message>
    <message>
        <source>Dossier d&apos;élève ou résultats (*.csv *.txt);;Tous les fichiers (*)</source>
        <translation>Cartella dell&apos;allievo o risultati (*.csv *.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Importé : %1</source>
        <translation>Importato: %1</translation>
    </message>
    <message>
        <source>Rien n&apos;est importé : %1</source>
        <translation>Niente importato: %1</translation>
    </message>
    <message>
        <source>Exercices</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>les notes seules, comme toujours</source>
        <translation>solo le note, come sempre</translation>
    </message>
    <message>
        <source>à l&apos;oreille : la note sonne, puis se montre</source>
        <translation>a orecchio: la nota suona, poi appare</translation>
    </message>
    <message>
        <source>dans une tonalité, avec son armure</source>
        <translation>in una tonalità, con la sua armatura</translation>
    </message>
    <message>
        <source>Ce que jouent les six boutons d&apos;exercice pour cet élève (comme --variant)</source>
        <translation>Cosa suonano i sei pulsanti degli esercizi per questo allievo (come --variant)</translation>
    </message>
    <message>
        <source>E&amp;xercices :</source>
        <translation>Eserci&amp;zi:</translation>
    </message>
    <message>
        <source>Armure</source>
        <translation>Armatura</translation>
    </message>
    <message>
        <source>sans dièse ni bémol</source>
        <translation>senza diesis né bemolli</translation>
    </message>
    <message>
        <source>1 bémol</source>
        <translation>1 bemolle</translation>
    </message>
    <message>
        <source>%1 bémols</source>
        <translation>%1 bemolli</translation>
    </message>
    <message>
        <source>1 dièse</source>
        <translation>1 diesis</translation>
    </message>
    <message>
        <source>%1 dièses</source>
        <translation>%1 diesis</translation>
    </message>
    <message>
        <source>une nouvelle à chaque exercice</source>
        <translation>una nuova a ogni esercizio</translation>
    </message>
    <message>
        <source>Ar&amp;mure :</source>
        <translation>Ar&amp;matura:</translation>
    </message>
    <message>
        <source>plusieurs notes côte à côte, jouées dans l&apos;ordre</source>
        <translation>più note affiancate, suonate in ordine</translation>
    </message>
    <message>
        <source>Notes par lecture</source>
        <translation>Note per lettura</translation>
    </message>
    <message>
        <source>Combien de notes côte à côte sur la portée, de 4 à 8</source>
        <translation>Quante note affiancate sul pentagramma, da 4 a 8</translation>
    </message>
    <message>
        <source>&amp;Notes par lecture :</source>
        <translation>&amp;Note per lettura:</translation>
    </message>
    <message>
        <source>Clefs d&apos;&amp;ut 3e et 4e ligne dans les exercices 5 et 6</source>
        <translation>Chiavi di contralto e di tenore negli esercizi 5 e 6 (chiavi di do, &amp;u)</translation>
    </message>
    <message>
        <source>Des notes écrites aussi en clef d&apos;ut, comme --c-clefs</source>
        <translation>Alcune note scritte anche in chiave di do, come --c-clefs</translation>
    </message>
    <message>
        <source> ; variantes : %1</source>
        <translation>; varianti: %1</translation>
    </message>
</context>
<context>
    <name>RangeKeyboard</name>
    <message>
        <source>Clavier de l&apos;étendue</source>
        <translation>Tastiera dell&apos;estensione</translation>
    </message>
    <message>
        <source>Première touche : %1 ; choisissez l&apos;autre bout</source>
        <translation>Primo tasto: %1; scegli l&apos;altro estremo</translation>
    </message>
    <message>
        <source>De %1 à %2</source>
        <translation>Da %1 a %2</translation>
    </message>
    <message>
        <source>Toutes les touches</source>
        <translation>Tutti i tasti</translation>
    </message>
    <message>
        <source>. Touche en vue : %1 (← → pour changer, Espace pour choisir)</source>
        <translation>. Tasto in vista: %1 (← → per cambiare, Spazio per scegliere)</translation>
    </message>
    <message>
        <source>Cliquez la touche la plus grave puis la plus aiguë</source>
        <translation>Fai clic sul tasto più grave, poi sul più acuto</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>stable</source>
        <translation>stabile</translation>
    </message>
    <message>
        <source>%1&#xa0;pt par séance</source>
        <translation>%1&#xa0;pt per lezione</translation>
    </message>
    <message>
        <source>(sol)</source>
        <translation>(violino)</translation>
    </message>
    <message>
        <source>(fa)</source>
        <translation>(basso)</translation>
    </message>
    <message>
        <source>%1 en %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Bilan de la classe (%1/%2)</source>
        <translation>Resoconto della classe (%1/%2)</translation>
    </message>
    <message>
        <source>Bilan de la classe</source>
        <translation>Resoconto della classe</translation>
    </message>
    <message numerus="yes">
        <source>%1 élève(s)</source>
        <translation>
            <numerusform>%1 allievo</numerusform>
            <numerusform>%1 allievi</numerusform>
        </translation>
    </message>
    <message>
        <source>du %1 au %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>suite page suivante</source>
        <translation>continua alla pagina seguente</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Allievo</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Lezioni</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Tempo mediano</translation>
    </message>
    <message>
        <source>Notes à travailler (clef)</source>
        <translation>Note su cui lavorare (chiave)</translation>
    </message>
    <message>
        <source>Score, séance après séance</source>
        <translation>Punteggio, lezione dopo lezione</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s)</source>
        <translation>
            <numerusform>%1 riga illeggibile</numerusform>
            <numerusform>%1 righe illeggibili</numerusform>
        </translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>notes à travailler : les moins souvent justes, puis les plus souvent confondues · tendance : pente du score par séance</source>
        <translation>note su cui lavorare: le meno spesso giuste, poi le più spesso confuse · tendenza: pendenza del punteggio per lezione</translation>
    </message>
    <message>
        <source>Bilan de la classe : %1</source>
        <translation>Resoconto della classe: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 séance(s)</source>
        <translation>
            <numerusform>%1 lezione</numerusform>
            <numerusform>%1 lezioni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 note(s)</source>
        <translation>
            <numerusform>%1 nota</numerusform>
            <numerusform>%1 note</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 justes</source>
        <translation>%1 giuste</translation>
    </message>
    <message>
        <source>, à travailler : %1</source>
        <translation>, su cui lavorare: %1</translation>
    </message>
    <message>
        <source>, tendance %1</source>
        <translation>, tendenza %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>%1 riga illeggibile tralasciata</numerusform>
            <numerusform>%1 righe illeggibili tralasciate</numerusform>
        </translation>
    </message>
    <message>
        <source>octave</source>
        <translation>ottava</translation>
    </message>
    <message>
        <source>note voisine</source>
        <translation>nota vicina</translation>
    </message>
    <message>
        <source>altération</source>
        <translation>alterazione</translation>
    </message>
    <message>
        <source>autre</source>
        <translation>altro</translation>
    </message>
    <message>
        <source>à la première séance</source>
        <translation>alla prima lezione</translation>
    </message>
    <message>
        <source>à la dernière</source>
        <translation>all&apos;ultima</translation>
    </message>
    <message>
        <source>sur les %1 premières séances</source>
        <translation>nelle prime %1 lezioni</translation>
    </message>
    <message>
        <source>sur les %1 dernières</source>
        <translation>nelle ultime %1</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punti</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punto</translation>
    </message>
    <message>
        <source>Score : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Punteggio: %1 %2, %3 %4 (%5 per lezione).</translation>
    </message>
    <message>
        <source>Score : %1.</source>
        <translation>Punteggio: %1.</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Tempo di risposta mediano: %1 %2, %3 %4 (%5 per lezione).</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1.</source>
        <translation>Tempo di risposta mediano: %1.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche.</source>
        <translation>Nessuna nota mancata, nessun tasto sbagliato.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler :</source>
        <translation>Le cinque note su cui lavorare:</translation>
    </message>
    <message>
        <source>%1, %2 : %3 sur %4</source>
        <translation>%1, %2: %3 su %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 juste(s)</source>
        <translation>
            <numerusform>%1 giusta</numerusform>
            <numerusform>%1 giuste</numerusform>
        </translation>
    </message>
    <message>
        <source>, erreur la plus fréquente : %1 (%2)</source>
        <translation>, errore più frequente: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 fois</source>
        <translation>
            <numerusform>%1 volta</numerusform>
            <numerusform>%1 volte</numerusform>
        </translation>
    </message>
    <message>
        <source>, aucune fausse touche : le temps a manqué</source>
        <translation>, nessun tasto sbagliato: è mancato il tempo</translation>
    </message>
    <message>
        <source> ; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>sans ordinateur connu</source>
        <translation>senza computer noto</translation>
    </message>
    <message>
        <source>ordinateur %1</source>
        <translation>computer %1</translation>
    </message>
    <message>
        <source>Bilan de %1</source>
        <translation>Resoconto di %1</translation>
    </message>
    <message>
        <source>Aucun résultat dans ce fichier.</source>
        <translation>Nessun risultato in questo file.</translation>
    </message>
    <message>
        <source>%1 du %2 au %3 : %4</source>
        <translation>%1 dal %2 al %3: %4</translation>
    </message>
    <message>
        <source>Par ordinateur : %1.</source>
        <translation>Per computer: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté.</source>
        <translation>
            <numerusform>%1 riga illeggibile tralasciata.</numerusform>
            <numerusform>%1 righe illeggibili tralasciate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 note(s) non affichée(s) laissée(s) de côté (image manquante).</source>
        <translation>
            <numerusform>%1 nota non mostrata tralasciata (immagine mancante).</numerusform>
            <numerusform>%1 note non mostrate tralasciate (immagine mancante).</numerusform>
        </translation>
    </message>
    <message>
        <source>Image : %1</source>
        <translation>Immagine: %1</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes</source>
        <translation>Resoconto di lettura delle note</translation>
    </message>
    <message>
        <source>aucune note demandée dans cette clef</source>
        <translation>nessuna nota chiesta in questa chiave</translation>
    </message>
    <message>
        <source>souvent manquée</source>
        <translation>spesso mancata</translation>
    </message>
    <message>
        <source>toujours juste</source>
        <translation>sempre giusta</translation>
    </message>
    <message>
        <source>à 5 : les notes à travailler</source>
        <translation>a 5: le note su cui lavorare</translation>
    </message>
    <message>
        <source>Sous chaque note : temps de réponse médian en secondes (le son compris).</source>
        <translation>Sotto ogni nota: tempo di risposta mediano in secondi (suono compreso).</translation>
    </message>
    <message>
        <source>%1 : le do du milieu.</source>
        <translation>%1: il do centrale.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler</source>
        <translation>Le cinque note su cui lavorare</translation>
    </message>
    <message>
        <source>Pas encore de résultats dans ce fichier.</source>
        <translation>Ancora nessun risultato in questo file.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche : bravo !</source>
        <translation>Nessuna nota mancata, nessun tasto sbagliato: bravo!</translation>
    </message>
    <message>
        <source>%1 sur %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source> · temps médian %1</source>
        <translation> · tempo mediano %1</translation>
    </message>
    <message>
        <source>Erreur la plus fréquente : %1 (%2)</source>
        <translation>Errore più frequente: %1 (%2)</translation>
    </message>
    <message>
        <source>Aucune fausse touche : le temps a manqué</source>
        <translation>Nessun tasto sbagliato: è mancato il tempo</translation>
    </message>
    <message numerus="yes">
        <source>, %1 fois sans réponse</source>
        <translation>
            <numerusform>, %1 volta senza risposta</numerusform>
            <numerusform>, %1 volte senza risposta</numerusform>
        </translation>
    </message>
    <message>
        <source>séance, %1 ; chaque point : %2 séances de suite</source>
        <translation>lezione, %1; ogni punto: %2 lezioni di seguito</translation>
    </message>
    <message>
        <source>séance, %1</source>
        <translation>lezione, %1</translation>
    </message>
    <message>
        <source>de %1 à %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>aucune séance</source>
        <translation>nessuna lezione</translation>
    </message>
    <message>
        <source>Les progrès, séance après séance</source>
        <translation>I progressi, lezione dopo lezione</translation>
    </message>
    <message>
        <source>Notes justes, en % de chaque séance</source>
        <translation>Note giuste, in % di ogni lezione</translation>
    </message>
    <message>
        <source>Temps de réponse médian, en secondes</source>
        <translation>Tempo di risposta mediano, in secondi</translation>
    </message>
    <message>
        <source> · temps de réponse médian %1</source>
        <translation> · tempo di risposta mediano %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 lignes de résultats lues</source>
        <translation>
            <numerusform>%1 riga di risultati letta</numerusform>
            <numerusform>%1 righe di risultati lette</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %1 illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>, %1 illeggibile tralasciata</numerusform>
            <numerusform>, %1 illeggibili tralasciate</numerusform>
        </translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>chiave di violino</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>chiave di basso</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>dd/MM/yyyy</translation>
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
        <translation>Le varianti:</translation>
    </message>
    <message>
        <source>Les notes des variantes sont en page suivante.</source>
        <translation>Le note delle varianti sono nella pagina seguente.</translation>
    </message>
    <message>
        <source>page %1 sur %2</source>
        <translation>pagina %1 di %2</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes : les variantes</source>
        <translation>Resoconto di lettura delle note: le varianti</translation>
    </message>
    <message>
        <source>À l&apos;oreille</source>
        <translation>A orecchio</translation>
    </message>
    <message>
        <source>Plusieurs notes</source>
        <translation>Più note</translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 dièse(s)</source>
        <translation>
            <numerusform>Armatura: %1 diesis</numerusform>
            <numerusform>Armatura: %1 diesis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 bémol(s)</source>
        <translation>
            <numerusform>Armatura: %1 bemolle</numerusform>
            <numerusform>Armatura: %1 bemolli</numerusform>
        </translation>
    </message>
    <message>
        <source>Sans armure (do majeur)</source>
        <translation>Senza armatura (do maggiore)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 3e ligne (alto)</source>
        <translation>Chiave di do in 3ª linea (contralto)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 4e ligne (ténor)</source>
        <translation>Chiave di do in 4ª linea (tenore)</translation>
    </message>
    <message>
        <source>les pages de chaque élève ensuite</source>
        <translation>poi le pagine di ogni allievo</translation>
    </message>
</context>
<context>
    <name>progress::PlayingPupil</name>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>Nessun allievo: gli esercizi non vengono registrati</translation>
    </message>
    <message>
        <source>Élève : %1, ses exercices sont enregistrés</source>
        <translation>Allievo: %1, i suoi esercizi vengono registrati</translation>
    </message>
    <message>
        <source> ; personne à partir du prochain exercice</source>
        <translation>; nessuno dal prossimo esercizio</translation>
    </message>
    <message>
        <source> ; %1 à partir du prochain exercice</source>
        <translation>; %1 dal prossimo esercizio</translation>
    </message>
</context>
<context>
    <name>progress::PupilsTableModel</name>
    <message>
        <source>lecture…</source>
        <translation>lettura…</translation>
    </message>
    <message>
        <source>%1 lignes illisibles laissées de côté</source>
        <translation>%1 righe illeggibili tralasciate</translation>
    </message>
    <message>
        <source>%1 ligne illisible laissée de côté</source>
        <translation>%1 riga illeggibile tralasciata</translation>
    </message>
    <message>
        <source>jamais</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Allievo</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Lezioni</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Tempo mediano</translation>
    </message>
    <message>
        <source>Tendance</source>
        <translation>Tendenza</translation>
    </message>
    <message>
        <source>Dernière séance</source>
        <translation>Ultima lezione</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Par ordinateur : %1</source>
        <translation>Per computer: %1</translation>
    </message>
</context>
</TS>
