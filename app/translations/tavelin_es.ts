<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>no display: set DISPLAY or run in a desktop session</source>
        <translation>sin pantalla: define DISPLAY o ejecuta en una sesión de escritorio</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>un nombre de archivo</translation>
    </message>
    <message>
        <source>a picture file name</source>
        <translation>un nombre de archivo de imagen</translation>
    </message>
    <message>
        <source>none or CLIENT:PORT</source>
        <translation>none o CLIENT:PORT</translation>
    </message>
    <message>
        <source>a device number</source>
        <translation>un número de dispositivo</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Joue par la sortie MIDI N (0 : le synthétiseur intégré).</source>
        <translation>Toca por la salida MIDI N (0: el sintetizador integrado).</translation>
    </message>
    <message>
        <source>Liste les sorties MIDI.</source>
        <translation>Lista las salidas MIDI.</translation>
    </message>
    <message>
        <source>Clavier MIDI : none, ou CLIENT:PORT (par défaut : tous).</source>
        <translation>Teclado MIDI: none, o CLIENT:PORT (por defecto: todos).</translation>
    </message>
    <message>
        <source>Liste les claviers MIDI.</source>
        <translation>Lista los teclados MIDI.</translation>
    </message>
    <message>
        <source>Ajoute le résultat de chaque note au fichier CSV FILE.</source>
        <translation>Añade el resultado de cada nota al archivo CSV FILE.</translation>
    </message>
    <message>
        <source>Fait le bilan du fichier de résultats FILE, sans fenêtre ; avec plusieurs fichiers ou --pupil, le bilan de la classe en PDF.</source>
        <translation>Hace el informe del archivo de resultados FILE, sin ventana; con varios archivos o --pupil, el informe de la clase en PDF.</translation>
    </message>
    <message>
        <source>Image du bilan, .png, .jpg ou .pdf (par défaut : le nom du fichier en .png), ou PDF de la classe (class.pdf).</source>
        <translation>Imagen del informe, .png, .jpg o .pdf (por defecto: el nombre del archivo en .png), o PDF de la clase (class.pdf).</translation>
    </message>
    <message>
        <source>Les résultats de l&apos;élève NAME, dans le dossier des élèves.</source>
        <translation>Los resultados del alumno NAME, en la carpeta de los alumnos.</translation>
    </message>
    <message>
        <source>Liste les élèves, leurs séances et la dernière date.</source>
        <translation>Lista los alumnos, sus sesiones y la última fecha.</translation>
    </message>
    <message>
        <source>Les notes manquées reviennent plus souvent (avec --pupil ou --results).</source>
        <translation>Las notas falladas vuelven más a menudo (con --pupil o --results).</translation>
    </message>
    <message>
        <source>Limite les exercices aux notes de LOW à HIGH (60-67, do3-sol3).</source>
        <translation>Limita los ejercicios a las notas de LOW a HIGH (60-67, do3-sol3).</translation>
    </message>
    <message>
        <source>Ouvre seule la fenêtre « Élèves » : la classe, les bilans, les réglages et les raccourcis des élèves.</source>
        <translation>Abre sola la ventana «Alumnos»: la clase, los informes, los ajustes y los accesos directos de los alumnos.</translation>
    </message>
    <message>
        <source>%1 needs %2 before %3</source>
        <translation>%1 necesita %2 antes de %3</translation>
    </message>
    <message>
        <source>--midi-out takes a device number, not &apos;%1&apos;</source>
        <translation>--midi-out espera un número de dispositivo, no «%1»</translation>
    </message>
    <message>
        <source>--midi-in takes none or CLIENT:PORT, not &apos;%1&apos;</source>
        <translation>--midi-in espera none o CLIENT:PORT, no «%1»</translation>
    </message>
    <message>
        <source>--midi-in takes a CLIENT:PORT of 0 to 255 each, not &apos;%1&apos;</source>
        <translation>--midi-in espera un CLIENT:PORT de 0 a 255 cada uno, no «%1»</translation>
    </message>
    <message>
        <source>--results needs a file name</source>
        <translation>--results necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--out takes a .png, .jpg, .jpeg or .pdf file, not &apos;%1&apos;</source>
        <translation>--out espera un archivo .png, .jpg, .jpeg o .pdf, no «%1»</translation>
    </message>
    <message>
        <source>--list-midi-out, --list-midi-in, --list-pupils and --report go alone</source>
        <translation>--list-midi-out, --list-midi-in, --list-pupils y --report van solos</translation>
    </message>
    <message>
        <source>%1 does not go with --midi-out, --midi-in or --results</source>
        <translation>%1 no va con --midi-out, --midi-in ni --results</translation>
    </message>
    <message>
        <source>--pupil needs a name</source>
        <translation>--pupil necesita un nombre</translation>
    </message>
    <message>
        <source>several --pupil go with --report only</source>
        <translation>varios --pupil solo van con --report</translation>
    </message>
    <message>
        <source>--pupil and --results both name the results file: give one</source>
        <translation>--pupil y --results nombran los dos el archivo de resultados: indica solo uno</translation>
    </message>
    <message>
        <source>--pupil goes with playing or with --report</source>
        <translation>--pupil va con tocar o con --report</translation>
    </message>
    <message>
        <source>--focus goes with --pupil or --results, when playing</source>
        <translation>--focus va con --pupil o --results, al tocar</translation>
    </message>
    <message>
        <source>--notes takes notes from 0 to 127 (do 0 is 24, sol 8 is 127), not &apos;%1&apos;</source>
        <translation>--notes espera notas de 0 a 127 (do 0 es 24, sol 8 es 127), no «%1»</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, the low note first, not &apos;%1&apos;</source>
        <translation>--notes espera BAJA-ALTA, la nota baja primero, no «%1»</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, as 60-67 or do3-sol3, low first, not &apos;%1&apos;</source>
        <translation>--notes espera BAJA-ALTA, como 60-67 o do3-sol3, la baja primero, no «%1»</translation>
    </message>
    <message>
        <source>--notes %1 leaves exercise %2 with fewer than %3 notes: two would only take turns</source>
        <translation>--notes %1 deja el ejercicio %2 con menos de %3 notas: dos solo se alternarían</translation>
    </message>
    <message>
        <source>--report needs a file or --pupil NAME</source>
        <translation>--report necesita un archivo o --pupil NAME</translation>
    </message>
    <message>
        <source>Tavelin Piano: piano et lecture de notes.</source>
        <translation>Tavelin Piano: piano y lectura de notas.</translation>
    </message>
    <message>
        <source>tavelin-piano: %1 (see --help)</source>
        <translation>tavelin-piano: %1 (véase --help)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>Usage: tavelin-piano [options]</source>
        <translation>Uso: tavelin-piano [opciones]</translation>
    </message>
    <message>
        <source>--pupils goes alone</source>
        <translation>--pupils va solo</translation>
    </message>
    <message>
        <source>--notes goes with playing</source>
        <translation>--notes va con tocar</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>no hay carpeta de datos para los alumnos: no están definidos ni XDG_DATA_HOME ni HOME</translation>
    </message>
    <message>
        <source>the pupil&apos;s name &apos;%1&apos; cannot be kept: %2</source>
        <translation>el nombre del alumno «%1» no se puede guardar: %2</translation>
    </message>
    <message>
        <source>no pupil called &apos;%1&apos; in %2</source>
        <translation>ningún alumno llamado «%1» en %2</translation>
    </message>
    <message>
        <source>cannot read the pupil&apos;s file &apos;%1&apos;: %2</source>
        <translation>no se puede leer el archivo del alumno «%1»: %2</translation>
    </message>
    <message>
        <source>the pupil&apos;s file &apos;%1&apos; is not a regular file</source>
        <translation>el archivo del alumno «%1» no es un archivo normal</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>Écrit tout le dossier de l&apos;élève NAME dans un fichier (--out FILE).</source>
        <translation>Escribe toda la carpeta del alumno NAME en un archivo (--out FILE).</translation>
    </message>
    <message>
        <source>Ajoute à un élève les exercices du fichier FILE qu&apos;il n&apos;a pas encore (dossier exporté, ou résultats avec --pupil NAME).</source>
        <translation>Añade a un alumno los ejercicios de FILE que aún no tiene (carpeta exportada, o resultados con --pupil NAME).</translation>
    </message>
    <message>
        <source>--export-pupil needs --out FILE</source>
        <translation>--export-pupil necesita --out FILE</translation>
    </message>
    <message>
        <source>--out goes with --report or --export-pupil</source>
        <translation>--out va con --report o --export-pupil</translation>
    </message>
    <message>
        <source>--export-pupil NAME --out FILE and --import FILE [--pupil NAME] go alone</source>
        <translation>--export-pupil NAME --out FILE y --import FILE [--pupil NAME] van solos</translation>
    </message>
    <message>
        <source>this computer has no id for the pupils&apos; files: %1</source>
        <translation>este ordenador no tiene identificador para los archivos de los alumnos: %1</translation>
    </message>
    <message>
        <source>cannot make the pupil&apos;s folder in %1: %2</source>
        <translation>no se puede crear la carpeta del alumno en %1: %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de «%1».</translation>
    </message>
    <message>
        <source>a variant</source>
        <translation>una variante</translation>
    </message>
    <message>
        <source>--variant goes with playing</source>
        <translation>--variant va con tocar</translation>
    </message>
    <message>
        <source>Ce que jouent les exercices : ear (à l&apos;oreille), key=N (une armure, -4 à 4 bémols ou dièses ; key=new, une nouvelle à chaque exercice) ou phrase=N (N notes à lire à la suite, 4 à 8).</source>
        <translation>Lo que tocan los ejercicios: ear (de oído), key=N (una armadura, de -4 a 4 bemoles o sostenidos; key=new, una nueva en cada ejercicio) o phrase=N (N notas que leer seguidas, de 4 a 8).</translation>
    </message>
    <message>
        <source>Ajoute les clefs d&apos;ut 3e et 4e ligne aux exercices 5 et 6.</source>
        <translation>Añade las claves de do en 3.ª y 4.ª línea a los ejercicios 5 y 6.</translation>
    </message>
    <message>
        <source>--c-clefs goes with playing</source>
        <translation>--c-clefs solo sirve para tocar</translation>
    </message>
    <message>
        <source>--variant takes ear, key, key=-4 to key=4, key=new or phrase=4 to phrase=8, not &apos;%1&apos;</source>
        <translation>--variant admite ear, key, de key=-4 a key=4, key=new o de phrase=4 a phrase=8, no «%1»</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Commencer « %1 » : 50 notes</source>
        <translation>Empezar «%1»: 50 notas</translation>
    </message>
    <message>
        <source>commence « %1 »</source>
        <translation>empieza «%1»</translation>
    </message>
    <message>
        <source>Vitesse : 3</source>
        <translation>Velocidad: 3</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Note : 0</source>
        <translation>Nota: 0</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Nom de la note</source>
        <translation>Nombre de la nota</translation>
    </message>
    <message>
        <source>Clef de sol</source>
        <translation>Clave de sol</translation>
    </message>
    <message>
        <source>les touches blanches de mi 2 à fa 5, en clef de sol.</source>
        <translation>las teclas blancas de mi 2 a fa 5, en clave de sol.</translation>
    </message>
    <message>
        <source>Clef de sol (# et b)</source>
        <translation>Clave de sol (# y b)</translation>
    </message>
    <message>
        <source>toutes les touches de mi 2 à fa 5, les noires écrites avec un dièse ou un bémol.</source>
        <translation>todas las teclas de mi 2 a fa 5, las negras escritas con sostenido o bemol.</translation>
    </message>
    <message>
        <source>Clef de fa</source>
        <translation>Clave de fa</translation>
    </message>
    <message>
        <source>les touches blanches de do 1 à la 3, en clef de fa.</source>
        <translation>las teclas blancas de do 1 a la 3, en clave de fa.</translation>
    </message>
    <message>
        <source>Clef de fa (# et b)</source>
        <translation>Clave de fa (# y b)</translation>
    </message>
    <message>
        <source>toutes les touches de do 1 à la 3.</source>
        <translation>todas las teclas de do 1 a la 3.</translation>
    </message>
    <message>
        <source>Clefs de sol et de fa</source>
        <translation>Claves de sol y fa</translation>
    </message>
    <message>
        <source>les touches blanches des deux, chacune dans une clef qui la porte.</source>
        <translation>las teclas blancas de las dos, cada una en una clave que la contiene.</translation>
    </message>
    <message>
        <source>Toutes les notes</source>
        <translation>Todas las notas</translation>
    </message>
    <message>
        <source>toutes les touches, en clef de sol à partir du do du milieu (do 3), en clef de fa en dessous.</source>
        <translation>todas las teclas, en clave de sol desde el do central (do 3), en clave de fa por debajo.</translation>
    </message>
    <message>
        <source>%1 : les bonnes réponses de l&apos;exercice.</source>
        <translation>%1: las respuestas correctas del ejercicio.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Afficher le nom de la note</source>
        <translation>Mostrar el nombre de la nota</translation>
    </message>
    <message>
        <source>Cacher le nom de la note</source>
        <translation>Ocultar el nombre de la nota</translation>
    </message>
    <message>
        <source>Afficher ou cacher le nom de la note</source>
        <translation>Mostrar u ocultar el nombre de la nota</translation>
    </message>
    <message>
        <source>« %1 » / « %2 »</source>
        <translation>«%1» / «%2»</translation>
    </message>
    <message>
        <source>Aide à la lecture</source>
        <translation>Ayuda de lectura</translation>
    </message>
    <message>
        <source>%1 : le nom des notes sous les touches</source>
        <translation>%1: el nombre de las notas bajo las teclas</translation>
    </message>
    <message>
        <source>« %1 » : les noms sous les touches</source>
        <translation>«%1»: los nombres bajo las teclas</translation>
    </message>
    <message>
        <source>Noms des notes sous les touches</source>
        <translation>Nombres de las notas bajo las teclas</translation>
    </message>
    <message>
        <source>%1 : de 1 (Lent, une note toutes les 6 s) à 5 (Rapide, toutes les 2 s), entre deux exercices.</source>
        <translation>%1: de 1 (Lento, una nota cada 6 s) a 5 (Rápido, una cada 2 s), entre dos ejercicios.</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Arrêter l&apos;exercice en cours</source>
        <translation>Detener el ejercicio en curso</translation>
    </message>
    <message>
        <source>Échap</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>« %1 » : arrête l&apos;exercice en cours</source>
        <translation>«%1»: detiene el ejercicio en curso</translation>
    </message>
    <message>
        <source>%1 : jouer chaque note quand elle paraît</source>
        <translation>%1: tocar cada nota cuando aparece</translation>
    </message>
    <message>
        <source>« %1 » : coche ou décoche le son des notes</source>
        <translation>«%1»: activa o desactiva el sonido de las notas</translation>
    </message>
    <message>
        <source>La note à lire : jouez sa touche.</source>
        <translation>La nota que hay que leer: toca su tecla.</translation>
    </message>
    <message>
        <source>Note à lire</source>
        <translation>Nota que leer</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>ouvre cette aide</source>
        <translation>abre esta ayuda</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>ouvre la fenêtre « %1 » : qui joue, la classe et les bilans</source>
        <translation>abre la ventana «%1»: quién toca, la clase y los informes</translation>
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
        <translation>No se encuentran las imágenes de las notas en %1: las notas no se podrán mostrar.</translation>
    </message>
    <message>
        <source>Vitesse : %1</source>
        <translation>Velocidad: %1</translation>
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
        <translation>Alumnos y progreso (%1)</translation>
    </message>
    <message>
        <source>Aide de Tavelin Piano</source>
        <translation>Ayuda de Tavelin Piano</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Quién toca</translation>
    </message>
    <message>
        <source>Élèves et progrès</source>
        <translation>Alumnos y progreso</translation>
    </message>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>Ningún alumno: los ejercicios no se guardan</translation>
    </message>
    <message>
        <source>&lt;p&gt;Un piano et un entraînement à la lecture des notes. Le clavier de 54 touches joue comme un vrai piano, avec la souris, le clavier de l&apos;ordinateur ou un clavier MIDI. Un exercice montre 50 notes, une à la fois, sur la portée : jouez la touche de chaque note. Une bonne réponse ajoute un point au score ; la touche s&apos;allume en vert avec une coche. Une note manquée allume sa touche en rouge avec une croix, juste avant la note suivante. « Note : » compte les notes montrées.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Un piano y un entrenamiento de lectura de notas. El teclado de 54 teclas suena como un piano de verdad, con el ratón, el teclado del ordenador o un teclado MIDI. Un ejercicio muestra 50 notas, una tras otra, en el pentagrama: toca la tecla de cada nota. Una respuesta correcta suma un punto; la tecla se ilumina en verde con una marca. Una nota fallada ilumina su tecla en rojo con una cruz, justo antes de la nota siguiente. «Nota:» cuenta las notas mostradas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Les six exercices&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; termine l&apos;exercice avant la fin. &lt;b&gt;%3&lt;/b&gt; fait entendre chaque note quand elle paraît. &lt;b&gt;%4&lt;/b&gt; fait glisser le nom de la note à côté de la portée ; &lt;b&gt;%5&lt;/b&gt; agrandit la fenêtre pour montrer le nom des notes sous les touches.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Los seis ejercicios&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; termina el ejercicio antes de tiempo. &lt;b&gt;%3&lt;/b&gt; hace sonar cada nota cuando aparece. &lt;b&gt;%4&lt;/b&gt; desliza el nombre de la nota junto al pentagrama; &lt;b&gt;%5&lt;/b&gt; agranda la ventana para mostrar el nombre de las notas bajo las teclas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;La vitesse&lt;/h2&gt;&lt;p&gt;La barre &lt;b&gt;Vitesse&lt;/b&gt; va de 1 (&lt;b&gt;Lent&lt;/b&gt;, une note toutes les 6 secondes) à 5 (&lt;b&gt;Rapide&lt;/b&gt;, toutes les 2 secondes) : 6, 5, 4, 3 et 2 secondes. Elle se règle entre deux exercices. La réponse doit venir au plus tard 0,2 seconde avant la note suivante.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;La velocidad&lt;/h2&gt;&lt;p&gt;La barra &lt;b&gt;Velocidad&lt;/b&gt; va de 1 (&lt;b&gt;Lento&lt;/b&gt;, una nota cada 6 segundos) a 5 (&lt;b&gt;Rápido&lt;/b&gt;, una cada 2 segundos): 6, 5, 4, 3 y 2 segundos. Se ajusta entre dos ejercicios. La respuesta debe llegar como muy tarde 0,2 segundos antes de la nota siguiente.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Raccourcis clavier&lt;/h2&gt;&lt;p&gt;Chaque raccourci fait exactement ce que fait un clic sur son bouton ; un bouton grisé ne fait rien.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Atajos de teclado&lt;/h2&gt;&lt;p&gt;Cada atajo hace exactamente lo mismo que un clic en su botón; un botón en gris no hace nada.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Jouer au clavier de l&apos;ordinateur&lt;/h2&gt;&lt;p&gt;Deux rangées jouent comme un clavier de piano. Les touches comptent par leur place, pas par la lettre qu&apos;elles portent : AZERTY, QWERTZ et QWERTY jouent les mêmes notes aux mêmes places. La rangée du bas joue les touches blanches à partir du do 2 (do une octave sous le do du milieu), la rangée au-dessus les touches noires entre elles. La rangée du haut des lettres joue les touches blanches à partir du do du milieu (do 3), la rangée des chiffres ses touches noires. &lt;b&gt;Page ↑&lt;/b&gt; et &lt;b&gt;Page ↓&lt;/b&gt; montent ou descendent les deux rangées d&apos;une octave, d&apos;une octave au plus de chaque côté. Une touche tenue est une seule note.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;Le plan des touches du clavier de l&apos;ordinateur&quot;&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Tocar con el teclado del ordenador&lt;/h2&gt;&lt;p&gt;Dos filas suenan como un teclado de piano. Las teclas cuentan por su posición, no por la letra que llevan: AZERTY, QWERTZ y QWERTY tocan las mismas notas en los mismos sitios. La fila de abajo toca las teclas blancas desde el do 2 (una octava por debajo del do central), la fila de encima las teclas negras entre ellas. La fila de letras de arriba toca las teclas blancas desde el do central (do 3), la fila de los números sus teclas negras. &lt;b&gt;Re Pág&lt;/b&gt; y &lt;b&gt;Av Pág&lt;/b&gt; suben o bajan las dos filas una octava, como mucho una octava hacia cada lado. Una tecla mantenida es una sola nota.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;El mapa de las teclas del teclado del ordenador&quot;&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Clavier MIDI&lt;/h2&gt;&lt;p&gt;Branchez-le (USB ou interface MIDI) avant ou après le démarrage : tout clavier MIDI est relié de lui-même, et joue comme la souris, réponses comprises. Les notes hors du clavier à l&apos;écran sonnent mais ne comptent pas. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; liste les claviers vus ; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; n&apos;en relie qu&apos;un, &lt;code&gt;--midi-in none&lt;/code&gt; aucun ; &lt;code&gt;--midi-out N&lt;/code&gt; joue sur une autre sortie (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Teclado MIDI&lt;/h2&gt;&lt;p&gt;Conéctalo (USB o interfaz MIDI) antes o después de arrancar: todo teclado MIDI se conecta solo y toca como el ratón, respuestas incluidas. Las notas fuera del teclado de la pantalla suenan pero no cuentan. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; lista los teclados encontrados; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; conecta solo uno, &lt;code&gt;--midi-in none&lt;/code&gt; ninguno; &lt;code&gt;--midi-out N&lt;/code&gt; toca por otra salida (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pour les professeurs : résultats et bilan&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results FICHIER.csv&lt;/code&gt; ajoute au fichier, à la fin de chaque exercice, une ligne par note montrée : la note, sa clef, bonne ou manquée, le temps de réponse et les touches fausses jouées.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report FICHIER.csv&lt;/code&gt; lit ce fichier sans le changer, écrit un résumé et dessine le bilan (&lt;code&gt;report.png&lt;/code&gt; à côté du fichier, ou &lt;code&gt;--out IMAGE.png&lt;/code&gt;) : chaque note sur sa portée avec sa réussite, les cinq notes à travailler, et les progrès d&apos;une séance à l&apos;autre.&lt;/p&gt;&lt;p&gt;La fenêtre &lt;b&gt;Élèves&lt;/b&gt; (&lt;b&gt;F11&lt;/b&gt;, ou le bouton &lt;b&gt;Élèves et progrès&lt;/b&gt; ci-dessous) fait tout cela sans taper d&apos;option : elle choisit qui joue, liste la classe avec ses chiffres, montre le bilan de l&apos;élève choisi, garde ses réglages (notes faibles plus souvent, étendue des notes), crée son raccourci et exporte les bilans.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Para profesores: resultados e informe&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results ARCHIVO.csv&lt;/code&gt; añade al archivo, al final de cada ejercicio, una línea por cada nota mostrada: la nota, su clave, acertada o fallada, el tiempo de respuesta y las teclas equivocadas.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report ARCHIVO.csv&lt;/code&gt; lee ese archivo sin modificarlo, escribe un resumen y dibuja el informe (&lt;code&gt;report.png&lt;/code&gt; junto al archivo, o &lt;code&gt;--out IMAGEN.png&lt;/code&gt;): cada nota en su pentagrama con su porcentaje de aciertos, las cinco notas que hay que trabajar y el progreso de una sesión a otra.&lt;/p&gt;&lt;p&gt;La ventana &lt;b&gt;Alumnos&lt;/b&gt; (&lt;b&gt;F11&lt;/b&gt;, o el botón &lt;b&gt;Alumnos y progreso&lt;/b&gt; de abajo) hace todo esto sin escribir ninguna opción: elige quién toca, lista la clase con sus cifras, muestra el informe del alumno elegido, guarda sus ajustes (notas débiles más a menudo, extensión de notas), crea su acceso directo y exporta los informes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;À propos&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, version %1.&lt;br&gt;Licence : GNU General Public License, version 3 ou ultérieure ; voir le fichier LICENSE.&lt;br&gt;Le son vient de FluidSynth et de la SoundFont General MIDI de Debian (fluid-soundfont-gm) ; les images sont dessinées par le programme avec les polices Liberation et Noto Music ; la fenêtre est faite avec Qt.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Acerca de&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, versión %1.&lt;br&gt;Licencia: GNU General Public License, versión 3 o posterior; véase el archivo LICENSE.&lt;br&gt;El sonido viene de FluidSynth y de la SoundFont General MIDI de Debian (fluid-soundfont-gm); las imágenes las dibuja el programa con las fuentes Liberation y Noto Music; la ventana está hecha con Qt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Jouer au clavier de l&apos;ordinateur</source>
        <translation>Tocar con el teclado del ordenador</translation>
    </message>
    <message>
        <source>En grand : la touche d&apos;un clavier %1 ; en petit : la même touche en %2. En bas : la note et son numéro MIDI (60 = do du milieu), sans décalage d&apos;octave. Touches grises : aucune note.</source>
        <translation>En grande: la tecla de un teclado %1; en pequeño: la misma tecla en %2. Abajo: la nota y su número MIDI (60 = do central), sin desplazamiento de octava. Teclas grises: ninguna nota.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Au-delà des notes seules&lt;/h2&gt;&lt;p&gt;Dans la fenêtre &lt;b&gt;Élèves&lt;/b&gt;, les réglages d&apos;un élève choisissent ce que jouent les six boutons d&apos;exercice. &lt;b&gt;À l&apos;oreille&lt;/b&gt; : chaque note sonne d&apos;abord sur la portée vide ; elle s&apos;y dessine dès qu&apos;elle est jouée ou manquée, pour relier le son à sa place. &lt;b&gt;Dans une tonalité&lt;/b&gt; : les notes sont celles d&apos;une gamme majeure jusqu&apos;à quatre dièses ou bémols, choisie par le professeur ou nouvelle à chaque exercice ; la portée montre l&apos;armure, et une note que l&apos;armure altère n&apos;a pas de signe à côté d&apos;elle : jouez la touche qu&apos;elle veut dire dans cette tonalité. &lt;code&gt;--variant ear&lt;/code&gt; et &lt;code&gt;--variant key=N&lt;/code&gt; font de même pour un lancement.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Más allá de las notas sueltas&lt;/h2&gt;&lt;p&gt;En la ventana &lt;b&gt;Alumnos&lt;/b&gt;, los ajustes de un alumno eligen lo que tocan los seis botones de ejercicio. &lt;b&gt;De oído&lt;/b&gt;: cada nota suena primero sobre el pentagrama vacío; se dibuja en él en cuanto se toca o se falla, para unir el sonido con su lugar. &lt;b&gt;En una tonalidad&lt;/b&gt;: las notas son las de una escala mayor de hasta cuatro sostenidos o bemoles, elegida por el profesor o nueva en cada ejercicio; el pentagrama muestra la armadura, y una nota que la armadura altera no lleva ningún signo a su lado: toca la tecla que significa en esa tonalidad. &lt;code&gt;--variant ear&lt;/code&gt; y &lt;code&gt;--variant key=N&lt;/code&gt; hacen lo mismo para una sola ejecución.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Plusieurs notes&lt;/b&gt; : quatre à huit notes côte à côte, à jouer dans l&apos;ordre ; une marque rouge passe à la suivante à chaque bonne touche, et la phrase dure autant de périodes qu&apos;elle a de notes. &lt;b&gt;Clefs d&apos;ut&lt;/b&gt; : les exercices 5 et 6 écrivent aussi des notes en clef d&apos;ut 3e ligne (alto) et 4e ligne (ténor). &lt;code&gt;--variant phrase=N&lt;/code&gt; et &lt;code&gt;--c-clefs&lt;/code&gt; font de même pour un lancement. Un lecteur d&apos;écran entend la clef, l&apos;armure et le nombre de notes, jamais les notes.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Varias notas&lt;/b&gt;: de cuatro a ocho notas seguidas, que se tocan en orden; una marca roja pasa a la siguiente con cada tecla correcta, y la frase dura tantos periodos como notas tiene. &lt;b&gt;Claves de do&lt;/b&gt;: los ejercicios 5 y 6 escriben también notas en clave de do en 3.ª línea (contralto) y en 4.ª línea (tenor). &lt;code&gt;--variant phrase=N&lt;/code&gt; y &lt;code&gt;--c-clefs&lt;/code&gt; hacen lo mismo para un inicio. Un lector de pantalla oye la clave, la armadura y el número de notas, nunca las notas.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1; no MIDI keyboard input</source>
        <translation>%1; sin entrada de teclado MIDI</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of results could not be written to &apos;%1&apos; and are lost</source>
        <translation>
            <numerusform>%n línea de resultados no se pudo escribir en «%1» y se ha perdido</numerusform>
            <numerusform>%n líneas de resultados no se pudieron escribir en «%1» y se han perdido</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the pupil plays with the usual settings</source>
        <translation>%1; el alumno toca con los ajustes habituales</translation>
    </message>
    <message>
        <source>%1 (--results)</source>
        <translation>%1 (--results)</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>no hay carpeta de datos para los alumnos: no están definidos ni XDG_DATA_HOME ni HOME</translation>
    </message>
    <message>
        <source>%1; nothing was imported</source>
        <translation>%1; no se ha importado nada</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>cannot make our ALSA input port: %1</source>
        <translation>no se puede crear el puerto de entrada ALSA del programa: %1</translation>
    </message>
    <message>
        <source>no ALSA announcements (%1); a keyboard plugged in later is not seen</source>
        <translation>sin avisos de ALSA (%1); un teclado conectado más tarde no se detecta</translation>
    </message>
    <message>
        <source>cannot listen to MIDI port %1: %2</source>
        <translation>no se puede escuchar el puerto MIDI %1: %2</translation>
    </message>
    <message>
        <source>no MIDI port %1 yet; it is connected when it appears</source>
        <translation>todavía no hay puerto MIDI %1; se conectará cuando aparezca</translation>
    </message>
    <message>
        <source>MIDI keyboard input stopped: %1</source>
        <translation>la entrada del teclado MIDI se ha detenido: %1</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>no se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a regular file</source>
        <translation>«%1» es una carpeta, no un archivo normal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>«%1» no es un archivo normal</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <translation>no se puede cargar la imagen %1: %2</translation>
    </message>
    <message>
        <source>cannot write the PDF &apos;%1&apos;</source>
        <translation>no se puede escribir el PDF «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a device, not a results file</source>
        <translation>«%1» es un dispositivo, no un archivo de resultados</translation>
    </message>
    <message>
        <source>several files go into one PDF: --out FILE.pdf, not &apos;%1&apos;</source>
        <translation>varios archivos van en un solo PDF: --out FILE.pdf, no «%1»</translation>
    </message>
    <message>
        <source>the pupil &apos;%1&apos; is named more than once: counted once</source>
        <translation>el alumno «%1» se indica más de una vez: se cuenta una sola vez</translation>
    </message>
    <message>
        <source>the PDF &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>el PDF «%1» sustituiría al archivo de resultados «%2»; indica otro --out</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is &apos;%2&apos; under another name: counted once</source>
        <translation>«%1» es «%2» con otro nombre: se cuenta una sola vez</translation>
    </message>
    <message>
        <source>%1; %2 is left out of the class report</source>
        <translation>%1; %2 queda fuera del informe de la clase</translation>
    </message>
    <message>
        <source>no pupil to report on: no PDF written</source>
        <translation>ningún alumno para el informe: no se ha escrito ningún PDF</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no computer id (id= followed by 16 hex digits)</source>
        <translation>«%1» no contiene ningún identificador de ordenador (id= seguido de 16 dígitos hexadecimales)</translation>
    </message>
    <message>
        <source>cannot make the folder &apos;%1&apos;: %2</source>
        <translation>no se puede crear la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;</source>
        <translation>no se puede leer «%1»</translation>
    </message>
    <message>
        <source>no data folder: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>no hay carpeta de datos: no están definidos ni XDG_DATA_HOME ni HOME</translation>
    </message>
    <message>
        <source>impossible de créer le dossier « %1 » : %2</source>
        <translation>no se puede crear la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>impossible de supprimer « %1 » : %2</source>
        <translation>no se puede borrar «%1»: %2</translation>
    </message>
    <message>
        <source>%1; the notes are drawn evenly</source>
        <translation>%1; las notas se sortean por igual</translation>
    </message>
    <message>
        <source>nom trop long</source>
        <translation>nombre demasiado largo</translation>
    </message>
    <message>
        <source>pas d&apos;élève « %1 »</source>
        <translation>ningún alumno se llama «%1»</translation>
    </message>
    <message>
        <source>un élève s&apos;appelle déjà « %1 »</source>
        <translation>ya hay un alumno que se llama «%1»</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire « %1 » : %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>impossible de déplacer « %1 » : %2</source>
        <translation>no se puede mover «%1»: %2</translation>
    </message>
    <message>
        <source>illisible : %1</source>
        <translation>ilegible: %1</translation>
    </message>
    <message>
        <source>un dossier, pas un fichier de résultats</source>
        <translation>una carpeta, no un archivo de resultados</translation>
    </message>
    <message>
        <source>pas un fichier ordinaire (tube, appareil ou prise)</source>
        <translation>no es un archivo normal (tubería, dispositivo o socket)</translation>
    </message>
    <message>
        <source>impossible de lire le dossier « %1 » : %2</source>
        <translation>no se puede leer la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>le nom est vide</source>
        <translation>el nombre está vacío</translation>
    </message>
    <message>
        <source>le nom n&apos;est pas du texte lisible (UTF-8)</source>
        <translation>el nombre no es texto legible (UTF-8)</translation>
    </message>
    <message>
        <source>le nom commence ou finit par une espace</source>
        <translation>el nombre empieza o termina con un espacio</translation>
    </message>
    <message>
        <source>le nom contient un caractère de contrôle</source>
        <translation>el nombre contiene un carácter de control</translation>
    </message>
    <message>
        <source>le nom est trop long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>cet ordinateur n&apos;a pas d&apos;identifiant (computer.ini illisible)</source>
        <translation>este ordenador no tiene identificador (computer.ini ilegible)</translation>
    </message>
    <message>
        <source>nom trop long pour les archives</source>
        <translation>nombre demasiado largo para archivarlo</translation>
    </message>
    <message>
        <source>nom de fichier qui n&apos;est pas celui d&apos;un élève</source>
        <translation>nombre de archivo que no es el de un alumno</translation>
    </message>
    <message>
        <source>a pupil&apos;s name cannot be empty</source>
        <translation>el nombre de un alumno no puede estar vacío</translation>
    </message>
    <message>
        <source>its file name would take %1 bytes, and a file name has at most %2 (the name takes %3 bytes: at most %4 once &apos;%&apos;, &apos;/&apos;, control characters and bytes that are not UTF-8 count 3 each)</source>
        <translation>su nombre de archivo ocuparía %1 bytes, y un nombre de archivo tiene como máximo %2 (el nombre ocupa %3 bytes: como máximo %4, contando 3 por cada &apos;%&apos;, &apos;/&apos;, carácter de control o byte que no sea UTF-8)</translation>
    </message>
    <message>
        <source>cannot read the folder &apos;%1&apos;: %2</source>
        <translation>no se puede leer la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>pas un fichier de résultats de Tavelin Piano</source>
        <translation>no es un archivo de resultados de Tavelin Piano</translation>
    </message>
    <message>
        <source>still reading &apos;%1&apos; since an earlier run</source>
        <translation>«%1» todavía se está leyendo desde una ejecución anterior</translation>
    </message>
    <message>
        <source>no results file to report on</source>
        <translation>ningún archivo de resultados para el informe</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; must end in .png, .jpg, .jpeg or .pdf</source>
        <translation>la imagen «%1» debe terminar en .png, .jpg, .jpeg o .pdf</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>la imagen «%1» sustituiría al archivo de resultados «%2»; indica otro --out</translation>
    </message>
    <message>
        <source>cannot write the picture &apos;%1&apos;: %2</source>
        <translation>no se puede escribir la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>cannot open &apos;%1&apos;: %2</source>
        <translation>no se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <source>cannot lock &apos;%1&apos;: %2</source>
        <translation>no se puede bloquear «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stayed locked by another program</source>
        <translation>«%1» ha seguido bloqueado por otro programa</translation>
    </message>
    <message>
        <source>cannot read the size of &apos;%1&apos;: %2</source>
        <translation>no se puede leer el tamaño de «%1»: %2</translation>
    </message>
    <message>
        <source>gave up writing to &apos;%1&apos;</source>
        <translation>se ha dejado de intentar escribir en «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was taken away while it was written</source>
        <translation>«%1» ha desaparecido mientras se escribía</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a results file: its first line is not the header %2</source>
        <translation>«%1» no es un archivo de resultados: su primera línea no es la cabecera %2</translation>
    </message>
    <message>
        <source>cannot write to &apos;%1&apos;: %2</source>
        <translation>no se puede escribir en «%1»: %2</translation>
    </message>
    <message>
        <source>%1; the results are kept for the next try, the exercise goes on</source>
        <translation>%1; los resultados se guardan para el próximo intento, el ejercicio continúa</translation>
    </message>
    <message>
        <source>the record &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>la exportación «%1» sustituiría al archivo de resultados «%2»; indica otro --out</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : sa ligne %2 n&apos;est pas un résultat</source>
        <translation>«%1» está dañado: su línea %2 no es un resultado</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : il s&apos;arrête avant ses résultats</source>
        <translation>«%1» está incompleto: se interrumpe antes de sus resultados</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : %2</source>
        <translation>«%1» está dañado: %2</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne n&apos;est pas « # fin : N lignes », il a été coupé en route</source>
        <translation>«%1» está incompleto: su última línea no es «# fin : N lignes», se cortó a medio escribir</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : %2 lignes au lieu de %3</source>
        <translation>«%1» está incompleto: %2 líneas en lugar de %3</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est ni un dossier d&apos;élève ni un fichier de résultats de Tavelin Piano</source>
        <translation>«%1» no es ni una carpeta de alumno ni un archivo de resultados de Tavelin Piano</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne est coupée</source>
        <translation>«%1» está incompleto: su última línea está cortada</translation>
    </message>
    <message>
        <source>« %1 » ne dit pas de quel élève il est : nommez-le (--pupil NOM) ou choisissez-le dans la liste</source>
        <translation>«%1» no dice de qué alumno es: indica el alumno (--pupil NAME) o elígelo en la lista</translation>
    </message>
    <message>
        <source>no ALSA sequencer (/dev/snd/seq: %1)</source>
        <translation>no hay secuenciador ALSA (/dev/snd/seq: %1)</translation>
    </message>
    <message>
        <source>ALSA port %1 is gone</source>
        <translation>el puerto ALSA %1 ha desaparecido</translation>
    </message>
    <message>
        <source>cannot make our ALSA port: %1</source>
        <translation>no se puede crear el puerto ALSA del programa: %1</translation>
    </message>
    <message>
        <source>cannot connect to ALSA port %1: %2</source>
        <translation>no se puede conectar al puerto ALSA %1: %2</translation>
    </message>
    <message>
        <source>SoundFont not found: %1</source>
        <translation>no se encuentra la SoundFont: %1</translation>
    </message>
    <message>
        <source>SoundFont is not a file: %1</source>
        <translation>la SoundFont no es un archivo: %1</translation>
    </message>
    <message>
        <source>SoundFont unreadable: %1</source>
        <translation>no se puede leer la SoundFont: %1</translation>
    </message>
    <message>
        <source>SoundFont too short: %1</source>
        <translation>la SoundFont es demasiado corta: %1</translation>
    </message>
    <message>
        <source>not a SoundFont (no RIFF sfbk header): %1</source>
        <translation>no es una SoundFont (sin cabecera RIFF sfbk): %1</translation>
    </message>
    <message>
        <source>SoundFont truncated (%1 of %2 bytes): %3</source>
        <translation>la SoundFont está truncada (%1 de %2 bytes): %3</translation>
    </message>
    <message>
        <source>FluidSynth could not make its settings</source>
        <translation>FluidSynth no ha podido crear sus ajustes</translation>
    </message>
    <message>
        <source>FluidSynth could not make its synthesizer: %1</source>
        <translation>FluidSynth no ha podido crear su sintetizador: %1</translation>
    </message>
    <message>
        <source>could not start the SoundFont loader: %1</source>
        <translation>no se ha podido iniciar el cargador de SoundFont: %1</translation>
    </message>
    <message>
        <source>sample rate refused: %1</source>
        <translation>frecuencia de muestreo rechazada: %1</translation>
    </message>
    <message>
        <source>gain refused: %1</source>
        <translation>ganancia rechazada: %1</translation>
    </message>
    <message>
        <source>audio buffer refused: %1 periods of %2 frames</source>
        <translation>búfer de audio rechazado: %1 periodos de %2 tramas</translation>
    </message>
    <message>
        <source>no audio output (no audio driver named)</source>
        <translation>sin salida de audio (no se ha indicado ningún controlador de audio)</translation>
    </message>
    <message>
        <source>no audio output (%1)</source>
        <translation>sin salida de audio (%1)</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>sin motivo indicado</translation>
    </message>
    <message>
        <source>it has no piano, bank 0 program 0</source>
        <translation>no tiene piano, banco 0 programa 0</translation>
    </message>
    <message>
        <source>the SoundFont %1 did not load (%2); the built-in synthesizer stays silent</source>
        <translation>la SoundFont %1 no se ha cargado (%2); el sintetizador integrado se queda en silencio</translation>
    </message>
    <message>
        <source>%1; only the built-in synthesizer is offered</source>
        <translation>%1; solo se ofrece el sintetizador integrado</translation>
    </message>
    <message>
        <source>the built-in synthesizer cannot start: %1</source>
        <translation>el sintetizador integrado no puede arrancar: %1</translation>
    </message>
    <message>
        <source>Synthétiseur intégré (FluidSynth)</source>
        <translation>Sintetizador integrado (FluidSynth)</translation>
    </message>
    <message>
        <source>no system bus</source>
        <translation>no hay bus del sistema</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>no real-time priority for the sound (%1; RealtimeKit: %2): notes may break up while the machine is busy</source>
        <translation>sin prioridad de tiempo real para el sonido (%1; RealtimeKit: %2): las notas pueden entrecortarse mientras el ordenador está ocupado</translation>
    </message>
    <message>
        <source>no sound source or no sample format</source>
        <translation>sin fuente de sonido o sin formato de muestras</translation>
    </message>
    <message>
        <source>could not start the sound&apos;s report thread: %1</source>
        <translation>no se ha podido iniciar el hilo de avisos del sonido: %1</translation>
    </message>
    <message>
        <source>libpulse could not make its mainloop</source>
        <translation>libpulse no ha podido crear su bucle principal</translation>
    </message>
    <message>
        <source>libpulse could not start its mainloop thread</source>
        <translation>libpulse no ha podido iniciar el hilo de su bucle principal</translation>
    </message>
    <message>
        <source>the sound server does not answer (%1 ms)</source>
        <translation>el servidor de sonido no responde (%1 ms)</translation>
    </message>
    <message>
        <source>no sound server (%1)</source>
        <translation>no hay servidor de sonido (%1)</translation>
    </message>
    <message>
        <source>the sound server cannot be reached; the built-in synthesizer is silent until it is back</source>
        <translation>no se puede contactar con el servidor de sonido; el sintetizador integrado queda en silencio hasta que vuelva</translation>
    </message>
    <message>
        <source>the sound server cannot be reached (%1); the built-in synthesizer is silent until it is back</source>
        <translation>no se puede contactar con el servidor de sonido (%1); el sintetizador integrado queda en silencio hasta que vuelva</translation>
    </message>
    <message>
        <source>the sound server does not answer; the built-in synthesizer is silent until it does</source>
        <translation>el servidor de sonido no responde; el sintetizador integrado queda en silencio hasta que responda</translation>
    </message>
    <message>
        <source>cannot load the font %1 (%2); install the Debian package %3</source>
        <translation>no se puede cargar la fuente %1 (%2); instala el paquete de Debian %3</translation>
    </message>
    <message>
        <source>focus=%1 : ni oui ni non</source>
        <translation>focus=%1: ni oui ni non</translation>
    </message>
    <message>
        <source>notes=%1 : pas une étendue de notes (BAS-HAUT, comme 60-67 ou do3-sol3)</source>
        <translation>notes=%1: no es una extensión de notas (BAJA-ALTA, como 60-67 o do3-sol3)</translation>
    </message>
    <message>
        <source>notes=%1 : l&apos;exercice %2 aurait moins de deux notes</source>
        <translation>notes=%1: el ejercicio %2 tendría menos de dos notas</translation>
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>no se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>«%1» no es un archivo normal</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour des réglages</source>
        <translation>«%1» es demasiado grande para unos ajustes</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour le dossier d&apos;un élève</source>
        <translation>«%1» es demasiado grande para la carpeta de un alumno</translation>
    </message>
    <message>
        <source>variante=%1 : pas un exercice que le piano connaît</source>
        <translation>variante=%1: no es un ejercicio que el piano conozca</translation>
    </message>
    <message>
        <source>clefs_ut=%1 : ni oui ni non</source>
        <translation>clefs_ut=%1: ni oui ni non</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>fr</source>
        <extracomment>The code of this translation&apos;s language (&quot;de&quot;, &quot;pt&quot;): it chooses how notes are named (keyboard/notenaming.cpp).</extracomment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>NotePanel</name>
    <message>
        <source>Note sur la portée : clef de sol, avec un dièse</source>
        <translation>Nota en el pentagrama: clave de sol, con sostenido</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un dièse</source>
        <translation>Nota en el pentagrama: clave de fa, con sostenido</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol, avec un bémol</source>
        <translation>Nota en el pentagrama: clave de sol, con bemol</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un bémol</source>
        <translation>Nota en el pentagrama: clave de fa, con bemol</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol</source>
        <translation>Nota en el pentagrama: clave de sol</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa</source>
        <translation>Nota en el pentagrama: clave de fa</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Début de l&apos;exercice : 50 notes</source>
        <translation>Comienzo del ejercicio: 50 notas</translation>
    </message>
    <message>
        <source>Fin de l&apos;exercice</source>
        <translation>Fin del ejercicio</translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>clave de sol</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>clave de fa</translation>
    </message>
    <message>
        <source>clef d&apos;ut 3e ligne</source>
        <translation>clave de do en 3.ª línea</translation>
    </message>
    <message>
        <source>clef d&apos;ut 4e ligne</source>
        <translation>clave de do en 4.ª línea</translation>
    </message>
    <message numerus="yes">
        <source>armure de %n dièse(s)</source>
        <translation>
            <numerusform>armadura de %n sostenido</numerusform>
            <numerusform>armadura de %n sostenidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>armure de %n bémol(s)</source>
        <translation>
            <numerusform>armadura de %n bemol</numerusform>
            <numerusform>armadura de %n bemoles</numerusform>
        </translation>
    </message>
    <message>
        <source>sans armure</source>
        <translation>sin armadura</translation>
    </message>
    <message>
        <source>Portée en %1 : écoutez la note</source>
        <translation>Pentagrama en %1: escucha la nota</translation>
    </message>
    <message>
        <source>Note sur la portée : %1, %2</source>
        <translation>Nota en el pentagrama: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes sur la portée : %1, %2</source>
        <translation>
            <numerusform>%n nota en el pentagrama: %1, %2</numerusform>
            <numerusform>%n notas en el pentagrama: %1, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>notes</source>
        <comment>under the number of notes of an exercise</comment>
        <translation>notas</translation>
    </message>
    <message>
        <source>Prêt&#x202f;?</source>
        <translation>¿Preparado?</translation>
    </message>
    <message>
        <source>La première note arrive…</source>
        <translation>Llega la primera nota…</translation>
    </message>
    <message>
        <source>Exercice terminé</source>
        <translation>Ejercicio terminado</translation>
    </message>
    <message>
        <source>Bravo&#x202f;!</source>
        <translation>¡Bravo!</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Choisissez un exercice</source>
        <translation>Elige un ejercicio</translation>
    </message>
    <message>
        <source>à droite →</source>
        <comment>the exercise buttons are to the right</comment>
        <translation>a la derecha →</translation>
    </message>
    <message>
        <source>lecture de notes au clavier</source>
        <comment>the tagline under the program&apos;s name</comment>
        <translation>lectura de notas al teclado</translation>
    </message>
    <message>
        <source>Quelle est cette note&#x202f;?</source>
        <comment>along the foot of every note</comment>
        <translation>¿Qué nota es esta?</translation>
    </message>
    <message>
        <source>Écoutez…</source>
        <comment>along the foot of the staff while a note is heard</comment>
        <translation>Escucha…</translation>
    </message>
    <message>
        <source>Jouez-les…</source>
        <comment>along the foot of a phrase: play the notes in order</comment>
        <translation>Tócalas en orden…</translation>
    </message>
</context>
<context>
    <name>PupilsWindow</name>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>no se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>«%1» no es un archivo normal</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>aucun élève</source>
        <translation>ningún alumno</translation>
    </message>
    <message>
        <source>%v fichiers lus sur %m</source>
        <translation>%v de %m archivos leídos</translation>
    </message>
    <message>
        <source>&amp;Qui joue :</source>
        <translation>&amp;Quién toca:</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Quién toca</translation>
    </message>
    <message>
        <source>Ouverte seule, la fenêtre n&apos;enregistre rien : choisissez qui joue depuis le piano (F11)</source>
        <translation>Abierta sola, la ventana no guarda nada: elige quién toca desde el piano (F11)</translation>
    </message>
    <message>
        <source>L&apos;élève dont les exercices sont enregistrés, à partir du prochain</source>
        <translation>El alumno cuyos ejercicios se guardan, a partir del próximo</translation>
    </message>
    <message>
        <source>Liste des élèves</source>
        <translation>Lista de alumnos</translation>
    </message>
    <message>
        <source>Une ligne par élève ; cochez les élèves du bilan de la classe</source>
        <translation>Una fila por alumno; marca los alumnos del informe de la clase</translation>
    </message>
    <message>
        <source>La cla&amp;sse :</source>
        <translation>La cla&amp;se:</translation>
    </message>
    <message>
        <source>Lecture des fichiers</source>
        <translation>Lectura de los archivos</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>&amp;Ajouter…</source>
        <translation>&amp;Añadir…</translation>
    </message>
    <message>
        <source>Ajouter un élève</source>
        <translation>Añadir un alumno</translation>
    </message>
    <message>
        <source>&amp;Renommer…</source>
        <translation>&amp;Renombrar…</translation>
    </message>
    <message>
        <source>Renommer l&apos;élève choisi ; tous ses exercices le suivent</source>
        <translation>Renombrar al alumno elegido; todos sus ejercicios lo siguen</translation>
    </message>
    <message>
        <source>Archi&amp;ver…</source>
        <translation>Archi&amp;var…</translation>
    </message>
    <message>
        <source>Ranger l&apos;élève choisi dans les archives, sans rien effacer</source>
        <translation>Guardar al alumno elegido en el archivo, sin borrar nada</translation>
    </message>
    <message>
        <source>Arc&amp;hives…</source>
        <translation>Arc&amp;hivados…</translation>
    </message>
    <message>
        <source>Voir les élèves archivés et en restaurer un</source>
        <translation>Ver los alumnos archivados y restaurar uno</translation>
    </message>
    <message>
        <source>Créer un ra&amp;ccourci</source>
        <translation>Crear un ac&amp;ceso directo</translation>
    </message>
    <message>
        <source>Une icône « Piano — NOM » qui lance le piano pour l&apos;élève choisi</source>
        <translation>Un icono «Piano — NOMBRE» que abre el piano para el alumno elegido</translation>
    </message>
    <message>
        <source>Créer un raccourci</source>
        <translation>Crear un acceso directo</translation>
    </message>
    <message>
        <source>&amp;Exporter le bilan…</source>
        <translation>&amp;Exportar el informe…</translation>
    </message>
    <message>
        <source>Le bilan de l&apos;élève choisi en PDF ou en PNG</source>
        <translation>El informe del alumno elegido en PDF o PNG</translation>
    </message>
    <message>
        <source>Exporter la c&amp;lasse…</source>
        <translation>Exportar la c&amp;lase…</translation>
    </message>
    <message>
        <source>Le bilan de la classe en PDF, pour les élèves cochés</source>
        <translation>El informe de la clase en PDF, para los alumnos marcados</translation>
    </message>
    <message>
        <source>Co&amp;pier les résultats…</source>
        <translation>Co&amp;piar los resultados…</translation>
    </message>
    <message>
        <source>Une copie du fichier de résultats de l&apos;élève choisi</source>
        <translation>Una copia del archivo de resultados del alumno elegido</translation>
    </message>
    <message>
        <source>Réglages de l&apos;élève</source>
        <translation>Ajustes del alumno</translation>
    </message>
    <message>
        <source>Notes &amp;faibles plus souvent</source>
        <translation>Notas dé&amp;biles más a menudo</translation>
    </message>
    <message>
        <source>Notes faibles plus souvent</source>
        <translation>Notas débiles más a menudo</translation>
    </message>
    <message>
        <source>Les notes souvent manquées reviennent plus souvent (comme --focus)</source>
        <translation>Las notas que se fallan a menudo vuelven más a menudo (como --focus)</translation>
    </message>
    <message>
        <source>Étendue des notes</source>
        <translation>Extensión de notas</translation>
    </message>
    <message>
        <source>toutes, ou 60-67, do3-sol3</source>
        <translation>todas, o 60-67, do3-sol3</translation>
    </message>
    <message>
        <source>Vide : toutes les notes ; sinon BAS-HAUT comme --notes (60-67, do3-sol3)</source>
        <translation>Vacío: todas las notas; si no, BAJA-ALTA como con --notes (60-67, do3-sol3)</translation>
    </message>
    <message>
        <source>É&amp;tendue :</source>
        <translation>Ex&amp;tensión:</translation>
    </message>
    <message>
        <source>Bilan de l&apos;élève</source>
        <translation>Informe del alumno</translation>
    </message>
    <message>
        <source>Bilan</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Liste et bilan</source>
        <translation>Lista e informe</translation>
    </message>
    <message>
        <source>Personne (rien n&apos;est enregistré)</source>
        <translation>Nadie (no se guarda nada)</translation>
    </message>
    <message>
        <source>Réglages illisibles, ceux par défaut s&apos;appliquent : %1</source>
        <translation>Ajustes ilegibles, se aplican los predeterminados: %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer pour %1 : %2</source>
        <translation>No se puede guardar para %1: %2</translation>
    </message>
    <message>
        <source>Étendue refusée : %1</source>
        <translation>Extensión rechazada: %1</translation>
    </message>
    <message>
        <source>Réglages non enregistrés : %1</source>
        <translation>Ajustes no guardados: %1</translation>
    </message>
    <message>
        <source>Réglages de %1 enregistrés : %2, %3</source>
        <translation>Ajustes de %1 guardados: %2, %3</translation>
    </message>
    <message>
        <source>notes faibles plus souvent</source>
        <translation>notas débiles más a menudo</translation>
    </message>
    <message>
        <source>tirage égal</source>
        <translation>sorteo equilibrado</translation>
    </message>
    <message>
        <source>notes %1</source>
        <translation>notas %1</translation>
    </message>
    <message>
        <source>toutes les notes</source>
        <translation>todas las notas</translation>
    </message>
    <message>
        <source>Choisissez un élève pour voir son bilan.</source>
        <translation>Elige un alumno para ver su informe.</translation>
    </message>
    <message>
        <source>Lecture du fichier…</source>
        <translation>Leyendo el archivo…</translation>
    </message>
    <message>
        <source>Pas de bilan : %1</source>
        <translation>Sin informe: %1</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séances, %3 notes, %4 justes</source>
        <translation>Informe de %1: %2 sesiones, %3 notas, %4 aciertos</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séance, %3 notes, %4 justes</source>
        <translation>Informe de %1: %2 sesión, %3 notas, %4 aciertos</translation>
    </message>
    <message>
        <source>Nom de l&apos;élève :</source>
        <translation>Nombre del alumno:</translation>
    </message>
    <message>
        <source>Élève non ajouté : %1</source>
        <translation>Alumno no añadido: %1</translation>
    </message>
    <message>
        <source>%1 ajouté(e)</source>
        <translation>%1 añadido/a</translation>
    </message>
    <message>
        <source>%1 joue : choisissez d&apos;abord quelqu&apos;un d&apos;autre dans « Qui joue »</source>
        <translation>%1 está tocando: elige primero a otra persona en «Quién toca»</translation>
    </message>
    <message>
        <source>Renommer un élève</source>
        <translation>Renombrar un alumno</translation>
    </message>
    <message>
        <source>Nouveau nom de %1 :</source>
        <translation>Nuevo nombre de %1:</translation>
    </message>
    <message>
        <source>Pas renommé : %1</source>
        <translation>No renombrado: %1</translation>
    </message>
    <message>
        <source> ; son raccourci aussi</source>
        <translation>; su acceso directo también</translation>
    </message>
    <message>
        <source> ; raccourci : %1</source>
        <translation>; acceso directo: %1</translation>
    </message>
    <message>
        <source>%1 s&apos;appelle maintenant %2%3</source>
        <translation>%1 se llama ahora %2%3</translation>
    </message>
    <message>
        <source>Archiver un élève</source>
        <translation>Archivar un alumno</translation>
    </message>
    <message>
        <source>Ranger %1 dans les archives ? Rien n&apos;est effacé : ses résultats et ses réglages restent dans le dossier des archives, d&apos;où « Archives… » les restaure.</source>
        <translation>¿Guardar a %1 en el archivo? No se borra nada: sus resultados y sus ajustes quedan en la carpeta del archivo, desde la que «Archivados…» los restaura.</translation>
    </message>
    <message>
        <source>Archiver</source>
        <translation>Archivar</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Pas archivé : %1</source>
        <translation>No archivado: %1</translation>
    </message>
    <message>
        <source>Raccourci de l&apos;élève</source>
        <translation>Acceso directo del alumno</translation>
    </message>
    <message>
        <source>Supprimer aussi le raccourci « Piano — %1 » ?</source>
        <translation>¿Borrar también el acceso directo «Piano — %1»?</translation>
    </message>
    <message>
        <source>Supprimer le raccourci</source>
        <translation>Borrar el acceso directo</translation>
    </message>
    <message>
        <source>Le garder</source>
        <translation>Conservarlo</translation>
    </message>
    <message>
        <source>, son raccourci supprimé</source>
        <translation>, su acceso directo borrado</translation>
    </message>
    <message>
        <source>%1 archivé(e)%2%3</source>
        <translation>%1 archivado/a%2%3</translation>
    </message>
    <message>
        <source> sous le nom %1</source>
        <translation> con el nombre %1</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archivados</translation>
    </message>
    <message>
        <source>Élèves archivés</source>
        <translation>Alumnos archivados</translation>
    </message>
    <message>
        <source>&amp;Restaurer</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Restaurer</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Aucun élève archivé.</source>
        <translation>Ningún alumno archivado.</translation>
    </message>
    <message>
        <source>Élèves archivés :</source>
        <translation>Alumnos archivados:</translation>
    </message>
    <message>
        <source>Pas restauré : %1</source>
        <translation>No restaurado: %1</translation>
    </message>
    <message>
        <source>%1 restauré(e), avec tous ses exercices</source>
        <translation>%1 restaurado/a, con todos sus ejercicios</translation>
    </message>
    <message>
        <source>Raccourci non créé : %1</source>
        <translation>Acceso directo no creado: %1</translation>
    </message>
    <message>
        <source>Raccourci « Piano — %1 » créé : %2</source>
        <translation>Acceso directo «Piano — %1» creado: %2</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats de %2 : choisissez un autre nom</source>
        <translation>«%1» es el archivo de resultados de %2: elige otro nombre</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats en cours : choisissez un autre nom</source>
        <translation>«%1» es el archivo de resultados en uso: elige otro nombre</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève dont le fichier se lit</source>
        <translation>elige primero un alumno cuyo archivo se pueda leer</translation>
    </message>
    <message>
        <source>« %1 » doit finir par .pdf, .png, .jpg ou .jpeg</source>
        <translation>«%1» debe terminar en .pdf, .png, .jpg o .jpeg</translation>
    </message>
    <message>
        <source>cochez d&apos;abord les élèves du bilan, dans la liste</source>
        <translation>marca primero en la lista los alumnos del informe</translation>
    </message>
    <message>
        <source>le bilan de la classe est un PDF : « %1 » doit finir par .pdf</source>
        <translation>el informe de la clase es un PDF: «%1» debe terminar en .pdf</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève</source>
        <translation>elige primero un alumno</translation>
    </message>
    <message>
        <source>Exporter le bilan de %1</source>
        <translation>Exportar el informe de %1</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Image PNG (*.png)</source>
        <translation>PDF (*.pdf);;Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Bilan de %1 exporté : %2</source>
        <translation>Informe de %1 exportado: %2</translation>
    </message>
    <message>
        <source>Pas exporté : %1</source>
        <translation>No exportado: %1</translation>
    </message>
    <message>
        <source>Cochez d&apos;abord les élèves du bilan, dans la liste (Espace coche l&apos;élève choisi)</source>
        <translation>Marca primero en la lista los alumnos del informe (Espacio marca al alumno elegido)</translation>
    </message>
    <message>
        <source>Exporter le bilan de la classe</source>
        <translation>Exportar el informe de la clase</translation>
    </message>
    <message>
        <source>classe.pdf</source>
        <translation>clase.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Bilan de la classe exporté : %1</source>
        <translation>Informe de la clase exportado: %1</translation>
    </message>
    <message>
        <source>Copier les résultats de %1</source>
        <translation>Copiar los resultados de %1</translation>
    </message>
    <message>
        <source> - résultats.csv</source>
        <translation> - resultados.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Résultats de %1 copiés : %2</source>
        <translation>Resultados de %1 copiados: %2</translation>
    </message>
    <message>
        <source>Pas copié : %1</source>
        <translation>No copiado: %1</translation>
    </message>
    <message>
        <source>I&amp;mporter…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>Ajouter les exercices d&apos;un dossier exporté, ou d&apos;un fichier de résultats à l&apos;élève choisi ; ceux qu&apos;il a déjà ne comptent pas deux fois</source>
        <translation>Añadir al alumno elegido los ejercicios de una carpeta exportada o de un archivo de resultados; los que ya tiene no cuentan dos veces</translation>
    </message>
    <message>
        <source>%1 : %2 ajoutés, %3 déjà là</source>
        <translation>%1: %2 añadidos, %3 ya estaban</translation>
    </message>
    <message>
        <source>1 exercice</source>
        <translation>1 ejercicio</translation>
    </message>
    <message>
        <source>%1 exercices</source>
        <translation>%1 ejercicios</translation>
    </message>
    <message>
        <source>Importer des exercices</source>
        <translation>Importar ejercicios</translation>
    </message>
    <message>
        <source>Dossier d&apos;élève ou résultats (*.csv *.txt);;Tous les fichiers (*)</source>
        <translation>Carpeta de alumno o resultados (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Importé : %1</source>
        <translation>Importado: %1</translation>
    </message>
    <message>
        <source>Rien n&apos;est importé : %1</source>
        <translation>No se ha importado nada: %1</translation>
    </message>
    <message>
        <source>Exercices</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>les notes seules, comme toujours</source>
        <translation>solo las notas, como siempre</translation>
    </message>
    <message>
        <source>à l&apos;oreille : la note sonne, puis se montre</source>
        <translation>de oído: la nota suena y luego aparece</translation>
    </message>
    <message>
        <source>dans une tonalité, avec son armure</source>
        <translation>en una tonalidad, con su armadura</translation>
    </message>
    <message>
        <source>Ce que jouent les six boutons d&apos;exercice pour cet élève (comme --variant)</source>
        <translation>Lo que tocan los seis botones de ejercicio para este alumno (como --variant)</translation>
    </message>
    <message>
        <source>E&amp;xercices :</source>
        <translation>E&amp;jercicios:</translation>
    </message>
    <message>
        <source>Armure</source>
        <translation>Armadura</translation>
    </message>
    <message>
        <source>sans dièse ni bémol</source>
        <translation>sin sostenidos ni bemoles</translation>
    </message>
    <message>
        <source>1 bémol</source>
        <translation>1 bemol</translation>
    </message>
    <message>
        <source>%1 bémols</source>
        <translation>%1 bemoles</translation>
    </message>
    <message>
        <source>1 dièse</source>
        <translation>1 sostenido</translation>
    </message>
    <message>
        <source>%1 dièses</source>
        <translation>%1 sostenidos</translation>
    </message>
    <message>
        <source>une nouvelle à chaque exercice</source>
        <translation>una nueva en cada ejercicio</translation>
    </message>
    <message>
        <source>Ar&amp;mure :</source>
        <translation>Ar&amp;madura:</translation>
    </message>
    <message>
        <source>plusieurs notes côte à côte, jouées dans l&apos;ordre</source>
        <translation>varias notas seguidas, tocadas en orden</translation>
    </message>
    <message>
        <source>Notes par lecture</source>
        <translation>Notas por lectura</translation>
    </message>
    <message>
        <source>Combien de notes côte à côte sur la portée, de 4 à 8</source>
        <translation>Cuántas notas seguidas en el pentagrama, de 4 a 8</translation>
    </message>
    <message>
        <source>&amp;Notes par lecture :</source>
        <translation>&amp;Notas por lectura:</translation>
    </message>
    <message>
        <source>Clefs d&apos;&amp;ut 3e et 4e ligne dans les exercices 5 et 6</source>
        <translation>Claves de do en 3.ª y 4.ª línea en los ejercicios 5 y 6 (&amp;u)</translation>
    </message>
    <message>
        <source>Des notes écrites aussi en clef d&apos;ut, comme --c-clefs</source>
        <translation>Algunas notas escritas también en clave de do, como --c-clefs</translation>
    </message>
    <message>
        <source> ; variantes : %1</source>
        <translation>; variantes: %1</translation>
    </message>
</context>
<context>
    <name>RangeKeyboard</name>
    <message>
        <source>Clavier de l&apos;étendue</source>
        <translation>Teclado de la extensión</translation>
    </message>
    <message>
        <source>Première touche : %1 ; choisissez l&apos;autre bout</source>
        <translation>Primera tecla: %1; elige el otro extremo</translation>
    </message>
    <message>
        <source>De %1 à %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>Toutes les touches</source>
        <translation>Todas las teclas</translation>
    </message>
    <message>
        <source>. Touche en vue : %1 (← → pour changer, Espace pour choisir)</source>
        <translation>. Tecla a la vista: %1 (← → para cambiar, Espacio para elegir)</translation>
    </message>
    <message>
        <source>Cliquez la touche la plus grave puis la plus aiguë</source>
        <translation>Haz clic en la tecla más grave y luego en la más aguda</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>stable</source>
        <translation>estable</translation>
    </message>
    <message>
        <source>%1&#xa0;pt par séance</source>
        <translation>%1&#xa0;pt por sesión</translation>
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
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Bilan de la classe (%1/%2)</source>
        <translation>Informe de la clase (%1/%2)</translation>
    </message>
    <message>
        <source>Bilan de la classe</source>
        <translation>Informe de la clase</translation>
    </message>
    <message numerus="yes">
        <source>%1 élève(s)</source>
        <translation>
            <numerusform>%1 alumno</numerusform>
            <numerusform>%1 alumnos</numerusform>
        </translation>
    </message>
    <message>
        <source>du %1 au %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>suite page suivante</source>
        <translation>sigue en la página siguiente</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Sesiones</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Tiempo mediano</translation>
    </message>
    <message>
        <source>Notes à travailler (clef)</source>
        <translation>Notas que trabajar (clave)</translation>
    </message>
    <message>
        <source>Score, séance après séance</source>
        <translation>Puntuación, sesión a sesión</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s)</source>
        <translation>
            <numerusform>%1 línea ilegible</numerusform>
            <numerusform>%1 líneas ilegibles</numerusform>
        </translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>notes à travailler : les moins souvent justes, puis les plus souvent confondues · tendance : pente du score par séance</source>
        <translation>notas que trabajar: las menos acertadas y, después, las más confundidas · tendencia: pendiente de la puntuación por sesión</translation>
    </message>
    <message>
        <source>Bilan de la classe : %1</source>
        <translation>Informe de la clase: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 séance(s)</source>
        <translation>
            <numerusform>%1 sesión</numerusform>
            <numerusform>%1 sesiones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 note(s)</source>
        <translation>
            <numerusform>%1 nota</numerusform>
            <numerusform>%1 notas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 justes</source>
        <translation>%1 de aciertos</translation>
    </message>
    <message>
        <source>, à travailler : %1</source>
        <translation>, que trabajar: %1</translation>
    </message>
    <message>
        <source>, tendance %1</source>
        <translation>, tendencia %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>%1 línea ilegible descartada</numerusform>
            <numerusform>%1 líneas ilegibles descartadas</numerusform>
        </translation>
    </message>
    <message>
        <source>octave</source>
        <translation>octava</translation>
    </message>
    <message>
        <source>note voisine</source>
        <translation>nota vecina</translation>
    </message>
    <message>
        <source>altération</source>
        <translation>alteración</translation>
    </message>
    <message>
        <source>autre</source>
        <translation>otra</translation>
    </message>
    <message>
        <source>à la première séance</source>
        <translation>en la primera sesión</translation>
    </message>
    <message>
        <source>à la dernière</source>
        <translation>en la última</translation>
    </message>
    <message>
        <source>sur les %1 premières séances</source>
        <translation>en las %1 primeras sesiones</translation>
    </message>
    <message>
        <source>sur les %1 dernières</source>
        <translation>en las %1 últimas</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punto</translation>
    </message>
    <message>
        <source>Score : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Puntuación: %1 %2, %3 %4 (%5 por sesión).</translation>
    </message>
    <message>
        <source>Score : %1.</source>
        <translation>Puntuación: %1.</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Tiempo de respuesta mediano: %1 %2, %3 %4 (%5 por sesión).</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1.</source>
        <translation>Tiempo de respuesta mediano: %1.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche.</source>
        <translation>Ninguna nota fallada, ninguna tecla equivocada.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler :</source>
        <translation>Las cinco notas que trabajar:</translation>
    </message>
    <message>
        <source>%1, %2 : %3 sur %4</source>
        <translation>%1, %2: %3 de %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 juste(s)</source>
        <translation>
            <numerusform>%1 acierto</numerusform>
            <numerusform>%1 aciertos</numerusform>
        </translation>
    </message>
    <message>
        <source>, erreur la plus fréquente : %1 (%2)</source>
        <translation>, error más frecuente: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 fois</source>
        <translation>
            <numerusform>%1 vez</numerusform>
            <numerusform>%1 veces</numerusform>
        </translation>
    </message>
    <message>
        <source>, aucune fausse touche : le temps a manqué</source>
        <translation>, ninguna tecla equivocada: faltó tiempo</translation>
    </message>
    <message>
        <source> ; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>sans ordinateur connu</source>
        <translation>sin ordenador conocido</translation>
    </message>
    <message>
        <source>ordinateur %1</source>
        <translation>ordenador %1</translation>
    </message>
    <message>
        <source>Bilan de %1</source>
        <translation>Informe de %1</translation>
    </message>
    <message>
        <source>Aucun résultat dans ce fichier.</source>
        <translation>Ningún resultado en este archivo.</translation>
    </message>
    <message>
        <source>%1 du %2 au %3 : %4</source>
        <translation>%1 del %2 al %3: %4</translation>
    </message>
    <message>
        <source>Par ordinateur : %1.</source>
        <translation>Por ordenador: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté.</source>
        <translation>
            <numerusform>%1 línea ilegible descartada.</numerusform>
            <numerusform>%1 líneas ilegibles descartadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 note(s) non affichée(s) laissée(s) de côté (image manquante).</source>
        <translation>
            <numerusform>%1 nota no mostrada descartada (falta la imagen).</numerusform>
            <numerusform>%1 notas no mostradas descartadas (falta la imagen).</numerusform>
        </translation>
    </message>
    <message>
        <source>Image : %1</source>
        <translation>Imagen: %1</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes</source>
        <translation>Informe de lectura de notas</translation>
    </message>
    <message>
        <source>aucune note demandée dans cette clef</source>
        <translation>ninguna nota pedida en esta clave</translation>
    </message>
    <message>
        <source>souvent manquée</source>
        <translation>a menudo fallada</translation>
    </message>
    <message>
        <source>toujours juste</source>
        <translation>siempre acertada</translation>
    </message>
    <message>
        <source>à 5 : les notes à travailler</source>
        <translation>a 5: las notas que trabajar</translation>
    </message>
    <message>
        <source>Sous chaque note : temps de réponse médian en secondes (le son compris).</source>
        <translation>Bajo cada nota: tiempo de respuesta mediano en segundos (sonido incluido).</translation>
    </message>
    <message>
        <source>%1 : le do du milieu.</source>
        <translation>%1: el do central.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler</source>
        <translation>Las cinco notas que trabajar</translation>
    </message>
    <message>
        <source>Pas encore de résultats dans ce fichier.</source>
        <translation>Todavía no hay resultados en este archivo.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche : bravo !</source>
        <translation>Ninguna nota fallada, ninguna tecla equivocada: ¡bravo!</translation>
    </message>
    <message>
        <source>%1 sur %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source> · temps médian %1</source>
        <translation> · tiempo mediano %1</translation>
    </message>
    <message>
        <source>Erreur la plus fréquente : %1 (%2)</source>
        <translation>Error más frecuente: %1 (%2)</translation>
    </message>
    <message>
        <source>Aucune fausse touche : le temps a manqué</source>
        <translation>Ninguna tecla equivocada: faltó tiempo</translation>
    </message>
    <message numerus="yes">
        <source>, %1 fois sans réponse</source>
        <translation>
            <numerusform>, %1 vez sin respuesta</numerusform>
            <numerusform>, %1 veces sin respuesta</numerusform>
        </translation>
    </message>
    <message>
        <source>séance, %1 ; chaque point : %2 séances de suite</source>
        <translation>sesión, %1; cada punto: %2 sesiones seguidas</translation>
    </message>
    <message>
        <source>séance, %1</source>
        <translation>sesión, %1</translation>
    </message>
    <message>
        <source>de %1 à %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>aucune séance</source>
        <translation>ninguna sesión</translation>
    </message>
    <message>
        <source>Les progrès, séance après séance</source>
        <translation>El progreso, sesión a sesión</translation>
    </message>
    <message>
        <source>Notes justes, en % de chaque séance</source>
        <translation>Notas acertadas, en % de cada sesión</translation>
    </message>
    <message>
        <source>Temps de réponse médian, en secondes</source>
        <translation>Tiempo de respuesta mediano, en segundos</translation>
    </message>
    <message>
        <source> · temps de réponse médian %1</source>
        <translation> · tiempo de respuesta mediano %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 lignes de résultats lues</source>
        <translation>
            <numerusform>%1 línea de resultados leída</numerusform>
            <numerusform>%1 líneas de resultados leídas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %1 illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>, %1 ilegible descartada</numerusform>
            <numerusform>, %1 ilegibles descartadas</numerusform>
        </translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>clave de sol</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>clave de fa</translation>
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
        <translation>Las variantes:</translation>
    </message>
    <message>
        <source>Les notes des variantes sont en page suivante.</source>
        <translation>Las notas de las variantes están en la página siguiente.</translation>
    </message>
    <message>
        <source>page %1 sur %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes : les variantes</source>
        <translation>Informe de lectura de notas: las variantes</translation>
    </message>
    <message>
        <source>À l&apos;oreille</source>
        <translation>De oído</translation>
    </message>
    <message>
        <source>Plusieurs notes</source>
        <translation>Varias notas</translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 dièse(s)</source>
        <translation>
            <numerusform>Armadura: %1 sostenido</numerusform>
            <numerusform>Armadura: %1 sostenidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 bémol(s)</source>
        <translation>
            <numerusform>Armadura: %1 bemol</numerusform>
            <numerusform>Armadura: %1 bemoles</numerusform>
        </translation>
    </message>
    <message>
        <source>Sans armure (do majeur)</source>
        <translation>Sin armadura (do mayor)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 3e ligne (alto)</source>
        <translation>Clave de do en 3.ª línea (contralto)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 4e ligne (ténor)</source>
        <translation>Clave de do en 4.ª línea (tenor)</translation>
    </message>
    <message>
        <source>les pages de chaque élève ensuite</source>
        <translation>después, las páginas de cada alumno</translation>
    </message>
</context>
<context>
    <name>progress::PlayingPupil</name>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>Ningún alumno: los ejercicios no se guardan</translation>
    </message>
    <message>
        <source>Élève : %1, ses exercices sont enregistrés</source>
        <translation>Alumno: %1, sus ejercicios se guardan</translation>
    </message>
    <message>
        <source> ; personne à partir du prochain exercice</source>
        <translation>; nadie a partir del próximo ejercicio</translation>
    </message>
    <message>
        <source> ; %1 à partir du prochain exercice</source>
        <translation>; %1 a partir del próximo ejercicio</translation>
    </message>
</context>
<context>
    <name>progress::PupilsTableModel</name>
    <message>
        <source>lecture…</source>
        <translation>leyendo…</translation>
    </message>
    <message>
        <source>%1 lignes illisibles laissées de côté</source>
        <translation>%1 líneas ilegibles descartadas</translation>
    </message>
    <message>
        <source>%1 ligne illisible laissée de côté</source>
        <translation>%1 línea ilegible descartada</translation>
    </message>
    <message>
        <source>jamais</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Sesiones</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Tiempo mediano</translation>
    </message>
    <message>
        <source>Tendance</source>
        <translation>Tendencia</translation>
    </message>
    <message>
        <source>Dernière séance</source>
        <translation>Última sesión</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>Par ordinateur : %1</source>
        <translation>Por ordenador: %1</translation>
    </message>
</context>
</TS>
